// SPDX-License-Identifier: GPL-3.0-or-later
#include "wholelines.h"

#include <QFont>
#include <QScrollBar>
#include <QTextDocument>
#include <QTextEdit>
#include <algorithm>
#include <cmath>

double TextLineHeight(const QFont& Font) {
  // Measured on a document rather than taken from the font's metrics, so
  // that it is the spacing the box really gives its lines, leading included.
  QTextDocument document;
  document.setDefaultFont(Font);
  document.setPlainText(QStringLiteral("x"));
  const double one = document.size().height();
  document.setPlainText(QStringLiteral("x\nx"));
  return document.size().height() - one;
}

int WholeLinesHeight(QTextEdit& Box, int Available) {
  Box.ensurePolished();
  const double line = TextLineHeight(Box.font());
  if (line <= 0) return Available;
  Box.verticalScrollBar()->setSingleStep(std::max(1, int(std::lround(line))));
  const int chrome = 2 * Box.frameWidth();
  const double margin = Box.document()->documentMargin();
  const int lines = int(std::floor((Available - chrome - margin) / line));
  if (lines < 1) return Available;
  return std::min(Available, chrome + int(std::lround(margin + lines * line)));
}

void KeepWholeLines(QTextEdit& Box) {
  QScrollBar* bar = Box.verticalScrollBar();
  QObject::connect(bar, &QScrollBar::valueChanged, &Box, [&Box, bar](int Value) {
    if (Value == bar->maximum()) return;  // the end shows the last line whole
    const double line = TextLineHeight(Box.font());
    if (line <= 0) return;
    const int snapped = std::min(bar->maximum(), int(std::lround(std::round(Value / line) * line)));
    if (snapped != Value) bar->setValue(snapped);
  });
}
