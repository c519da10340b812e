// SPDX-License-Identifier: GPL-3.0-or-later
#include "startup.h"

#include <QApplication>
#include <QIcon>

#include "appfolders.h"
#include "dessin.h"
#include "fonts.h"
#include "language.h"
#include "main.h"

void PrepareApplication(QApplication& App) {
  QApplication::setApplicationName(QStringLiteral("Orvalis"));
  QApplication::setApplicationVersion(QStringLiteral(ORVALIS_VERSION));
  // The desktop entry's name: the desktop finds the menu entry, and so the
  // installed icon, of the window through it.
  QGuiApplication::setDesktopFileName(QStringLiteral(ORVALIS_APP_ID));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/orvalis.svg")));
  // French, the game's own language, until the game knows where its data are
  // and so which languages it has (RunGame).
  Language::Install(App, QString::fromLatin1(Language::French));
  InstallFontSubstitutions();
}

int RunGame(QApplication& App, const StartOptions& Options) {
  TAppFolders::Init(Options.ProgramFolder);
  // The translations are in the data folder, found just above.
  Language::Install(App, Language::FromEnvironment());
  Tf_Main mainWindow;
  Tf_Dessin dessin;
  mainWindow.FileToOpen = Options.FileToOpen;
  if (Options.Started) Options.Started(mainWindow);
  mainWindow.show();
  return App.exec();
}
