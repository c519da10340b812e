// SPDX-License-Identifier: GPL-3.0-or-later
// The monkey's long run: random steps on the real main window, every dialog
// answered, the game checked after each step (tests/app/monkey.h). Prints the
// seed, the steps and the time; a failure prints its seed and step, and the
// same seed replays it.
//
//   orvalis-bench-monkey [--seed S] [--steps N]    (defaults: seed 1, 100000 steps)
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "appfolders.h"
#include "bench_common.h"
#include "dessin.h"
#include "main.h"
#include "monkey.h"
#include "startup.h"

int main(int argc, char** argv) {
  std::uint64_t seed = 1;
  int steps = 100000;
  for (int i = 1; i + 1 < argc; i += 2) {
    if (std::strcmp(argv[i], "--seed") == 0) {
      seed = std::strtoull(argv[i + 1], nullptr, 10);
    } else if (std::strcmp(argv[i], "--steps") == 0) {
      steps = std::atoi(argv[i + 1]);
    } else {
      std::fprintf(stderr, "usage: %s [--seed S] [--steps N]\n", argv[0]);
      return 2;
    }
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  PrepareApplication(app);

  // A scratch program folder: settings, scores and saved grids go there.
  QTemporaryDir folder;
  TAppFolders::Init(folder.path());
  QFile settings(QDir(folder.path()).filePath(QStringLiteral("sudoku.ini")));
  if (!settings.open(QIODevice::WriteOnly) || settings.write("[general]\ntypeecran=2\n") < 0) return 1;
  settings.close();

  auto window = std::make_unique<Tf_Main>();
  Tf_Dessin dessin;
  window->show();
  if (!QTest::qWaitForWindowExposed(window.get())) return 1;

  const double start = bench::NowSeconds();
  bool ok = false;
  int run = 0, ended = 0, dealt = 0, hints = 0;
  std::string failure;
  {
    TMonkey monkey(*window, seed);
    ok = monkey.Run(steps);
    run = monkey.StepsRun();
    ended = monkey.GamesEnded();
    dealt = monkey.GridsDealt();
    hints = monkey.HintsGiven();
    failure = monkey.Failure();
  }
  const double seconds = bench::NowSeconds() - start;
  std::printf(
      "seed %llu: %d of %d steps in %.1f s (%.2f ms a step); %d games ended, %d grids on screen, %d hints asked\n",
      static_cast<unsigned long long>(seed), run, steps, seconds, run > 0 ? 1000.0 * seconds / run : 0.0, ended, dealt,
      hints);
  if (!ok) std::printf("FAILED: %s\n", failure.c_str());
  window.reset();
  TAppFolders::Init();
  return ok ? 0 : 1;
}
