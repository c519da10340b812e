// SPDX-License-Identifier: GPL-3.0-or-later
#include "language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QList>
#include <QLocale>
#include <QPointer>
#include <QStringList>
#include <QTranslator>
#include <utility>

#include "appfolders.h"
#include "desktoplanguage.h"

namespace Language {
namespace {

// Whether the data folder holds the translation of Code.
bool Available(const QString& Code) { return Code == QLatin1String(French) || Known().contains(Code); }

// The translators installed by the last Install, which the next one replaces.
QList<QPointer<QTranslator>>& Installed() {
  static QList<QPointer<QTranslator>> installed;
  return installed;
}

QString& InstalledCode() {
  static QString code = QString::fromLatin1(French);
  return code;
}

void Load(QCoreApplication& App, const QString& Name, const QString& Code, const QString& Folder) {
  auto* translator = new QTranslator(&App);
  if (translator->load(Name + QLatin1Char('_') + Code, Folder) && QCoreApplication::installTranslator(translator))
    Installed().append(translator);
  else
    delete translator;
}

}  // namespace

QStringList Known() {
  QStringList known{QString::fromLatin1(French)};
  const QString prefix = QStringLiteral("orvalis_");
  for (const QString& file :
       QDir(TAppFolders::TranslationsFolder()).entryList({prefix + QStringLiteral("*.qm")}, QDir::Files)) {
    const QString code = file.mid(prefix.size()).chopped(3);
    if (!known.contains(code)) known.append(code);
  }
  return known;
}

QString FromEnvironment() {
  return DesktopLanguage(TLocaleVariables::OfProcess(), Known(), QString::fromLatin1(French));
}

QString Chosen(const QString& Setting) { return Available(Setting) ? Setting : FromEnvironment(); }

QString Current() { return InstalledCode(); }

QString Install(QCoreApplication& App, const QString& Code) {
  for (const QPointer<QTranslator>& translator : std::as_const(Installed())) delete translator.data();
  Installed().clear();
  const QString code = Available(Code) ? Code : QString::fromLatin1(French);
  const bool french = code == QLatin1String(French);
  // Dates and numbers shown as the desktop writes them when it speaks the
  // language (en_US or en_GB), else as the language's main country does.
  const QLocale system = QLocale::system();
  if (french)
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
  else
    QLocale::setDefault(system.name().startsWith(code) ? system : QLocale(code));
  // Qt's own buttons and dialogs (Oui, Non, Annuler, the print dialog) in the
  // language; without a file they stay in English, Qt's own language.
  Load(App, QStringLiteral("qtbase"), code, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  // French has a file of its own too: the plural forms of counted texts.
  Load(App, QStringLiteral("orvalis"), code, TAppFolders::TranslationsFolder());
  InstalledCode() = code;
  return code;
}

}  // namespace Language
