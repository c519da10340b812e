// SPDX-License-Identifier: GPL-3.0-or-later
// A read-only text box that never shows half a line at its bottom: its
// height holds a whole number of lines, and its scrolling stops on lines.
#pragma once

#include <QStringList>

class QFont;
class QString;
class QTextEdit;

// The height of one line of text in Font, as a text box lays its lines out.
double TextLineHeight(const QFont& Font);

// The height, at most Available, that gives Box its frame, the document's top
// margin and a whole number of lines of its font; Available itself when not
// even one line fits. The scroll steps become one line.
int WholeLinesHeight(QTextEdit& Box, int Available);

// Box's scrolling stops on whole lines (but still reaches the very end).
void KeepWholeLines(QTextEdit& Box);

// Text cut into pages that Box shows whole, without scrolling, at its size:
// every page but the last ends with the line More. One page when the text
// fits, or when the box holds fewer than two lines.
QStringList WholeLinePages(const QTextEdit& Box, const QString& Text, const QString& More);
