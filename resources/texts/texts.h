// SPDX-License-Identifier: GPL-3.0-or-later
// The rich texts the screens show, compiled into the program: each is an HTML
// file of Qt's rich-text subset, read as ":/texts/<name>.html".
#pragma once

#include <QString>

namespace Texts {

// ":/texts/" + Name + ".html".
QString Path(const QString& Name);

// The text's HTML, read as UTF-8; empty when there is no such text.
QString Load(const QString& Name);

}  // namespace Texts
