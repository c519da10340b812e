// SPDX-License-Identifier: GPL-3.0-or-later
// Which language the interface speaks: the rule alone, from the variables of
// the player's session, without Qt's own idea of the locale.
//
// The desktop's languages in order are those of LANGUAGE (a list separated by
// ':', as gettext reads it), then the locale of messages: the first set of
// LC_ALL, LC_MESSAGES and LANG. As gettext does, LANGUAGE counts only when
// that locale is not "C" or "POSIX" (nor unset, which is "C"). Each entry
// ("en_GB.UTF-8", "fr_CA@euro", "pt_BR") is matched whole without its
// codeset and modifier, then by its language alone; an entry that is no
// locale name is passed over.
#pragma once

#include <QString>
#include <QStringList>

// The variables of the session the rule reads.
struct TLocaleVariables {
  QString Language;    // LANGUAGE
  QString LcAll;       // LC_ALL
  QString LcMessages;  // LC_MESSAGES
  QString Lang;        // LANG

  // The variables of the running program.
  static TLocaleVariables OfProcess();
};

// The desktop's first language that Known holds ("fr", "en", "pt_BR"), or
// Fallback when it holds none of them.
QString DesktopLanguage(const TLocaleVariables& Variables, const QStringList& Known, const QString& Fallback);
