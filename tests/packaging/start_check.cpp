// SPDX-License-Identifier: GPL-3.0-or-later
// A first start of the game that ends by itself, for the tests that copy it
// where a real program stands (a protected folder, an installed tree's bin/).
// It starts the game as orvalis does, answers "Non" to the screen-mode
// question (which writes "sudoku.ini"), checks that the menu's background
// picture was read, opens the help, saves a grid through the saved-grid
// folder's default, and closes. It prints:
//
//   data: <the data folder>
//   player: <the folder of the player's files>
//   help: <the line of the help's welcome page that names the version>
//   failed: <what went wrong>            (one line each)
//
// Exit status 0 when nothing failed, 1 otherwise, 3 when it had to give up.
#include <cstdio>
#include <cstdlib>

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QTextBrowser>
#include <QTimer>

#include "appfolders.h"
#include "dossiersauvegarde.h"
#include "helpviewer.h"
#include "image.h"
#include "main.h"
#include "startup.h"

namespace {

const QString kGrid =
    QStringLiteral("400000805030000000000700000020000060000080400000010000000603070500200000104000000||1|0|0");

void Print(const QString& Key, const QString& Value) {
  std::printf("%s: %s\n", qPrintable(Key), Value.toUtf8().constData());
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  PrepareApplication(app);
  QTimer::singleShot(60000, [] {
    std::printf("failed: the start did not end within a minute\n");
    std::fflush(stdout);
    std::_Exit(3);
  });

  QStringList failures;
  QString helpLine;

  const auto check = [&](Tf_Main& main) {
    if (!QFileInfo::exists(TAppFolders::SettingsFile()))
      failures << QStringLiteral("no settings file at ") + TAppFolders::SettingsFile();
    const auto* background = main.findChild<TImage*>(QStringLiteral("Image1"));
    if (background == nullptr || !background->HasPicture())
      failures << QStringLiteral("no background picture from ") + TAppFolders::ImagesFolder();
    main.OpenHelp();
    if (THelpViewer* viewer = CurrentHelpViewer()) {
      for (const QString& line : viewer->Browser()->toPlainText().split(u'\n'))
        if (line.contains(QStringLiteral("version"))) helpLine = line.simplified();
      viewer->close();
    } else {
      failures << QStringLiteral("no help from ") + TAppFolders::HelpFile();
    }
    const FileResult saved =
        TDossierSauvegarde().SaveGrid(QStringLiteral("premier"), QStringLiteral("Premier lancement"), QString(), kGrid);
    if (!saved.Ok()) failures << saved.Message;
    main.close();
  };

  StartOptions options;
  options.Started = [&](Tf_Main& main) {
    // Every box is answered from here: "Non" to the screen-mode question,
    // which the first start asks; any other box is a failure.
    auto* boxes = new QTimer(&main);
    boxes->setInterval(20);
    QObject::connect(boxes, &QTimer::timeout, &main, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box == nullptr) return;
      const bool screenMode = box->text().contains(QStringLiteral("plein écran"));
      if (!screenMode) failures << QStringLiteral("message: ") + box->text();
      box->done(QMessageBox::No);
      if (screenMode) QTimer::singleShot(0, &main, [&] { check(main); });
    });
    boxes->start();
  };
  const int status = RunGame(app, options);

  Print(QStringLiteral("data"), TAppFolders::DataFolder());
  Print(QStringLiteral("player"), TAppFolders::PlayerFolder());
  Print(QStringLiteral("help"), helpLine);
  if (status != 0) failures << QStringLiteral("the game ended with status %1").arg(status);
  for (const QString& failure : failures) Print(QStringLiteral("failed"), failure);
  return failures.isEmpty() ? 0 : 1;
}
