// SPDX-License-Identifier: GPL-3.0-or-later
#include "startup.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "appfolders.h"
#include "dessin.h"
#include "fonts.h"
#include "main.h"

void PrepareApplication(QApplication& App) {
  QApplication::setApplicationName(QStringLiteral("Orvalis"));
  QApplication::setApplicationVersion(QStringLiteral(ORVALIS_VERSION));
  // The desktop entry's name: the desktop finds the menu entry, and so the
  // installed icon, of the window through it.
  QGuiApplication::setDesktopFileName(QStringLiteral(ORVALIS_APP_ID));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/orvalis.svg")));
  QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
  // Qt's own buttons and dialogs (Oui, Non, Annuler, the colour chooser, the
  // print dialog) speak French; without the file they stay in English.
  auto* translator = new QTranslator(&App);
  if (translator->load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(translator);
  InstallFontSubstitutions();
}

int RunGame(QApplication& App, const StartOptions& Options) {
  TAppFolders::Init(Options.ProgramFolder);
  Tf_Main mainWindow;
  Tf_Dessin dessin;
  mainWindow.FileToOpen = Options.FileToOpen;
  if (Options.Started) Options.Started(mainWindow);
  mainWindow.show();
  return App.exec();
}
