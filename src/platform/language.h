// SPDX-License-Identifier: GPL-3.0-or-later
// The language the interface speaks, chosen once at start: French, the
// program's own, or a language whose translation the data folder holds
// (translations/orvalis_<code>.qm). Language codes are those of the files:
// "fr", "en".
#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;

namespace Language {

// The program's own language, written in the code.
inline constexpr char French[] = "fr";

// The languages Orvalis has: French and those whose translation the data
// folder holds.
QStringList Known();

// The first language of the desktop's (DesktopLanguage: LANGUAGE, then
// LC_ALL, LC_MESSAGES, LANG) that Orvalis has; French when none is, or when
// the locale is C or POSIX.
QString FromEnvironment();

// The language of a run: the setting "Langue" (its code, empty for
// "Automatique") when Orvalis has it, else the desktop's.
QString Chosen(const QString& Setting);

// Makes the application speak Code: Qt's own dialogs and buttons, the
// interface's texts, dates and numbers shown. Returns the language installed,
// French when Code's translation cannot be loaded.
QString Install(QCoreApplication& App, const QString& Code);

// The language Install installed last; French before.
QString Current();

}  // namespace Language
