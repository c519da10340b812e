// SPDX-License-Identifier: GPL-3.0-or-later
#include "wholelines.h"

#include <QFont>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>
#include <algorithm>
#include <cmath>
#include <vector>

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

QStringList WholeLinePages(const QTextEdit& Box, const QString& Text, const QString& More) {
  const double line = TextLineHeight(Box.font());
  const double margin = Box.document()->documentMargin();
  const int fit = line > 0 ? int(std::floor((Box.viewport()->height() - margin) / line)) : 0;
  // The text laid out as the box lays it out: where each of its lines starts.
  QTextDocument document;
  document.setDefaultFont(Box.font());
  document.setDocumentMargin(margin);
  document.setTextWidth(Box.viewport()->width());
  document.setPlainText(Text);
  document.size();  // lays the text out
  std::vector<int> starts;
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
    for (int k = 0; k < block.layout()->lineCount(); ++k)
      starts.push_back(block.position() + block.layout()->lineAt(k).textStart());
  const int count = int(starts.size());
  if (fit < 2 || count <= fit) return {Text};
  QStringList pages;
  for (int at = 0; at < count;) {
    if (count - at <= fit) {
      pages << Text.mid(starts[std::size_t(at)]);
      break;
    }
    const int next = at + fit - 1;
    pages << Text.mid(starts[std::size_t(at)], starts[std::size_t(next)] - starts[std::size_t(at)]).trimmed() +
                 QLatin1Char('\n') + More;
    at = next;
  }
  return pages;
}
