// SPDX-License-Identifier: GPL-3.0-or-later
#include "textfields.h"

#include <limits>

std::optional<std::int32_t> ParseInteger(QStringView text) {
  text = text.trimmed();
  bool negative = false;
  if (!text.isEmpty() && (text.front() == u'+' || text.front() == u'-')) {
    negative = text.front() == u'-';
    text = text.sliced(1);
  }
  if (text.isEmpty()) return std::nullopt;
  // Accumulate as a magnitude: the most negative value has no positive twin.
  const std::int64_t limit = negative ? -std::int64_t(std::numeric_limits<std::int32_t>::min())
                                      : std::int64_t(std::numeric_limits<std::int32_t>::max());
  std::int64_t magnitude = 0;
  for (const QChar c : text) {
    if (c < u'0' || c > u'9') return std::nullopt;
    magnitude = magnitude * 10 + (c.unicode() - u'0');
    if (magnitude > limit) return std::nullopt;
  }
  return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

QString Abridged(const QString& Text, qsizetype MaxCharacters) {
  if (Text.size() <= MaxCharacters) return Text;
  qsizetype cut = MaxCharacters;
  if (Text[cut].isLowSurrogate()) --cut;  // never half a character
  return Text.left(cut) + QChar(u'\u2026');
}

QString OneLine(QString text) {
  text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
  for (QChar& c : text) {
    switch (c.unicode()) {
      case u'\r':
      case u'\n':
      case u'\v':
      case u'\f':
      case 0x85:
      case 0x2028:
      case 0x2029:
        c = u' ';
        break;
      default:
        break;
    }
  }
  return text;
}
