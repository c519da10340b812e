// SPDX-License-Identifier: GPL-3.0-or-later
// Test entry point for the tests that need a QApplication (widgets, painting,
// files). Qt's own buttons and dialogs speak French, as in the game, and the
// French plural forms of counted texts come from the French translation.
#include <gtest/gtest.h>
#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
  QTranslator translator;
  if (translator.load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(&translator);
  QTranslator plurals;
  if (plurals.load(QStringLiteral("orvalis_fr"), QStringLiteral(ORVALIS_QM_DIR)))
    QApplication::installTranslator(&plurals);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
