// SPDX-License-Identifier: GPL-3.0-or-later
#include "language.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QList>
#include <QLocale>
#include <QPointer>
#include <QStringList>
#include <QTranslator>
#include <utility>

#include "appfolders.h"

namespace Language {
namespace {

// Whether the data folder holds the translation of Code.
bool Available(const QString& Code) {
  return Code == QLatin1String(French) ||
         QFileInfo::exists(TAppFolders::TranslationsFolder() + QStringLiteral("/orvalis_%1.qm").arg(Code));
}

// "en_GB.UTF-8", "en", "fr_CA@euro" -> "en", "en", "fr".
QString CodeOf(const QString& Locale) { return Locale.left(2).toLower(); }

// The translators installed by the last Install, which the next one replaces.
QList<QPointer<QTranslator>>& Installed() {
  static QList<QPointer<QTranslator>> installed;
  return installed;
}

void Load(QCoreApplication& App, const QString& Name, const QString& Code, const QString& Folder) {
  auto* translator = new QTranslator(&App);
  if (translator->load(Name + QLatin1Char('_') + Code, Folder) && QCoreApplication::installTranslator(translator))
    Installed().append(translator);
  else
    delete translator;
}

}  // namespace

QString FromEnvironment() {
  // As gettext: the first of LC_ALL, LC_MESSAGES, LANG that is set is the
  // locale; LANGUAGE, a list of languages by preference, counts unless the
  // locale is C.
  QString locale;
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    locale = qEnvironmentVariable(name);
    if (!locale.isEmpty()) break;
  }
  if (locale.isEmpty() || locale == QLatin1String("C") || locale.startsWith(QLatin1String("C.")) ||
      locale == QLatin1String("POSIX"))
    return QString::fromLatin1(French);
  QStringList wanted = qEnvironmentVariable("LANGUAGE").split(QLatin1Char(':'), Qt::SkipEmptyParts);
  wanted.append(locale);
  for (const QString& entry : wanted)
    if (const QString code = CodeOf(entry); Available(code)) return code;
  return QString::fromLatin1(French);
}

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
    QLocale::setDefault(CodeOf(system.name()) == code ? system : QLocale(code));
  // Qt's own buttons and dialogs (Oui, Non, Annuler, the print dialog) in the
  // language; without a file they stay in English, Qt's own language.
  Load(App, QStringLiteral("qtbase"), code, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  // French has a file of its own too: the plural forms of counted texts.
  Load(App, QStringLiteral("orvalis"), code, TAppFolders::TranslationsFolder());
  return code;
}

}  // namespace Language
