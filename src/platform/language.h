// SPDX-License-Identifier: GPL-3.0-or-later
// The language the interface speaks, chosen once at start: French, the
// program's own, or a language whose translation the data folder holds
// (translations/orvalis_<code>.qm). Language codes are two letters: "fr", "en".
#pragma once

#include <QString>

class QCoreApplication;

namespace Language {

// The program's own language, written in the code.
inline constexpr char French[] = "fr";

// The first language of the desktop's (LANGUAGE, then LC_ALL, LC_MESSAGES,
// LANG) that Orvalis has; French when none is, or when the locale is C or
// POSIX.
QString FromEnvironment();

// Makes the application speak Code: Qt's own dialogs and buttons, the
// interface's texts, dates and numbers shown. Returns the language installed,
// French when Code's translation cannot be loaded.
QString Install(QCoreApplication& App, const QString& Code);

}  // namespace Language
