// SPDX-License-Identifier: GPL-3.0-or-later
// The rich texts the screens show, compiled into the program: each is an HTML
// file of Qt's rich-text subset, read as ":/texts/<name>.html". French is the
// texts' own language; a translation of a text is its twin of the same name in
// the folder of its language, ":/texts/<language>/<name>.html" ("en").
#pragma once

#include <QLocale>
#include <QString>

namespace Texts {

// ":/texts/" + Name + ".html": the French text.
QString Path(const QString& Name);

// The path of the text in the language of Locale: its twin in that language's
// folder when there is one, the French text otherwise.
QString PathFor(const QString& Name, const QLocale& Locale);

// The HTML of the text in the interface's language (the default locale's),
// read as UTF-8; empty when there is no such text.
QString Load(const QString& Name);

}  // namespace Texts
