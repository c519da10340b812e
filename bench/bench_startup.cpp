// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up time: from the moment the program is started to the first painted
// menu, as a player sees it. The program starts itself several times as a
// child process; each child runs the real game in a fresh folder (settings
// answered, pictures beside it), notes the moment its main window has painted
// for the first time, prints it and quits. Run it on a real display (for
// example under xvfb-run); without one it uses the offscreen platform.
//
//   orvalis-bench-startup [--runs N]
#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <ctime>
#include <vector>

#include "bench_common.h"
#include "main.h"
#include "startup.h"

namespace {

// The monotonic clock in milliseconds, the same in every process.
double MonotonicMs() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return double(now.tv_sec) * 1000.0 + double(now.tv_nsec) / 1e6;
}

// Notes the end of the first paint of the window it watches, then quits.
class FirstPaint : public QObject {
 public:
  bool eventFilter(QObject* Watched, QEvent* Event) override {
    if (Event->type() == QEvent::Paint && !seen_) {
      seen_ = true;
      // The paint event is being delivered: the moment after it is the
      // moment the menu is on screen.
      QTimer::singleShot(0, [] {
        std::printf("%.3f\n", MonotonicMs());
        std::fflush(stdout);
        QCoreApplication::quit();
      });
    }
    return QObject::eventFilter(Watched, Event);
  }

 private:
  bool seen_ = false;
};

int RunChild(int argc, char** argv, const QString& Folder) {
  QApplication app(argc, argv);
  PrepareApplication(app);
  FirstPaint watcher;
  StartOptions options;
  options.ProgramFolder = Folder;
  options.Started = [&watcher](Tf_Main& Window) { Window.installEventFilter(&watcher); };
  return RunGame(app, options);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && QByteArray(argv[1]) == "--child") return RunChild(argc, argv, QString::fromLocal8Bit(argv[2]));

  int runs = 15;
  for (int k = 1; k + 1 < argc; ++k)
    if (QByteArray(argv[k]) == "--runs") runs = std::max(1, QByteArray(argv[k + 1]).toInt());

  QCoreApplication app(argc, argv);
  // A folder as after the first start: the screen-mode question answered,
  // the pictures of the build folder beside the program.
  QTemporaryDir folder;
  QFile ini(folder.filePath(QStringLiteral("sudoku.ini")));
  if (!ini.open(QIODevice::WriteOnly) || ini.write("[general]\ntypeecran=2\n") < 0) return 1;
  ini.close();
  const QString images = QDir(QCoreApplication::applicationDirPath() + QStringLiteral("/../images")).absolutePath();
  QFile::link(images, folder.filePath(QStringLiteral("images")));

  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  if (!environment.contains(QStringLiteral("DISPLAY")) && !environment.contains(QStringLiteral("QT_QPA_PLATFORM")))
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));

  std::vector<double> times;
  for (int run = 0; run < runs; ++run) {
    QProcess child;
    child.setProcessEnvironment(environment);
    const double started = MonotonicMs();
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--child"), folder.path()});
    if (!child.waitForFinished(30000) || child.exitCode() != 0) {
      std::fprintf(stderr, "run %d failed: %s\n", run + 1, child.readAllStandardError().constData());
      continue;
    }
    const double painted = child.readAllStandardOutput().trimmed().toDouble();
    if (painted > 0) times.push_back(painted - started);
  }
  if (times.empty()) return 1;
  std::printf("start to first painted menu, %zu runs (%s): median %.0f ms, min %.0f ms, max %.0f ms\n", times.size(),
              environment.contains(QStringLiteral("DISPLAY")) ? "display" : "offscreen", bench::Percentile(times, 50),
              bench::Percentile(times, 0), bench::Percentile(times, 100));
  return 0;
}
