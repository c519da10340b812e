// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktoplanguage.h"

#include <QRegularExpression>

namespace {

// What gettext takes for the locale of messages: the first variable set.
QString MessagesLocale(const TLocaleVariables& Variables) {
  for (const QString* value : {&Variables.LcAll, &Variables.LcMessages, &Variables.Lang})
    if (!value->isEmpty()) return *value;
  return QStringLiteral("C");
}

bool IsPlainC(const QString& Locale) { return Locale == u"C" || Locale == u"POSIX"; }

// The names an entry matches, the more precise first: "pt_BR" then "pt";
// none for what is not language[_TERRITORY][.codeset][@modifier].
QStringList NamesOf(const QString& Entry) {
  static const QRegularExpression name(
      QStringLiteral("^([a-zA-Z]{2,3})(_[a-zA-Z0-9]{2,3})?(\\.[-a-zA-Z0-9_]+)?(@[a-zA-Z0-9_]+)?$"));
  const QRegularExpressionMatch match = name.match(Entry);
  if (!match.hasMatch()) return {};
  const QString language = match.captured(1).toLower();
  if (match.captured(2).isEmpty()) return {language};
  return {language + u'_' + match.captured(2).mid(1).toUpper(), language};
}

}  // namespace

TLocaleVariables TLocaleVariables::OfProcess() {
  return {qEnvironmentVariable("LANGUAGE"), qEnvironmentVariable("LC_ALL"), qEnvironmentVariable("LC_MESSAGES"),
          qEnvironmentVariable("LANG")};
}

QString DesktopLanguage(const TLocaleVariables& Variables, const QStringList& Known, const QString& Fallback) {
  const QString locale = MessagesLocale(Variables);
  if (IsPlainC(locale)) return Fallback;
  QStringList entries = Variables.Language.split(u':', Qt::SkipEmptyParts);
  entries << locale;
  for (const QString& entry : entries)
    for (const QString& name : NamesOf(entry))
      if (Known.contains(name)) return name;
  return Fallback;
}
