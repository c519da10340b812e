// SPDX-License-Identifier: GPL-3.0-or-later
#include "encodings.h"

#include <QHash>
#include <QStringDecoder>

namespace {

// Qt's "windows-1252" (through ICU) reads all 256 bytes as our files always
// have, the five the code page leaves undefined (81, 8D, 8F, 90, 9D) as the C1
// controls of the same number. Its encoder differs where it matters: for a
// character with no byte it writes 1A, not "?", and it drops 65 invisible ones
// (U+200B, U+200E, U+FEFF...) altogether; so we write through the inverse of
// its reading instead.
constexpr const char* kWindows1252 = "windows-1252";

const QHash<char16_t, char>& ByteOfCharacter() {
  static const QHash<char16_t, char> bytes = [] {
    QByteArray all(256, Qt::Uninitialized);
    for (int b = 0; b < 256; ++b) all[b] = char(b);
    const QString text = FromWindows1252(all);
    QHash<char16_t, char> map;
    for (qsizetype b = 0; b < text.size(); ++b) map.insert(text[b].unicode(), all[b]);
    return map;
  }();
  return bytes;
}

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// Length of the well-formed UTF-8 sequence starting at data[i] (Unicode's
// table of well-formed byte sequences), or 0 when there is none.
int Utf8SequenceLength(const unsigned char* data, qsizetype size, qsizetype i) {
  const unsigned char b0 = data[i];
  if (b0 < 0x80) return 1;
  auto at = [&](qsizetype k) -> int { return i + k < size ? data[i + k] : -1; };
  int length = 0;
  int low = 0x80, high = 0xBF;  // allowed range of the second byte
  if (b0 >= 0xC2 && b0 <= 0xDF) {
    length = 2;
  } else if (b0 >= 0xE0 && b0 <= 0xEF) {
    length = 3;
    if (b0 == 0xE0) low = 0xA0;   // no overlong forms
    if (b0 == 0xED) high = 0x9F;  // no surrogates
  } else if (b0 >= 0xF0 && b0 <= 0xF4) {
    length = 4;
    if (b0 == 0xF0) low = 0x90;   // no overlong forms
    if (b0 == 0xF4) high = 0x8F;  // nothing above U+10FFFF
  } else {
    return 0;
  }
  const int b1 = at(1);
  if (b1 < low || b1 > high) return 0;
  for (int k = 2; k < length; ++k) {
    const int b = at(k);
    if (b < 0 || !IsContinuation(static_cast<unsigned char>(b))) return 0;
  }
  return length;
}

}  // namespace

QByteArray ToWindows1252(QStringView text) {
  const QHash<char16_t, char>& byteOf = ByteOfCharacter();
  QByteArray bytes;
  bytes.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    // A surrogate pair is one character beyond the code page.
    if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) ++i;
    bytes.append(c.isSurrogate() ? '?' : byteOf.value(c.unicode(), '?'));
  }
  return bytes;
}

QString OutsideWindows1252(QStringView text) {
  const QHash<char16_t, char>& byteOf = ByteOfCharacter();
  QString outside;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    const bool pair = c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
    if (!pair && !c.isSurrogate() && byteOf.contains(c.unicode())) continue;
    const QStringView character = text.mid(i, pair ? 2 : 1);
    if (!outside.contains(character)) outside += character;
    if (pair) ++i;
  }
  return outside;
}

QString FromWindows1252(QByteArrayView bytes) { return QStringDecoder(kWindows1252).decode(bytes); }

QString DecodeTextFile(QByteArrayView bytes) {
  const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
  const qsizetype size = bytes.size();
  if (size >= 2 && ((data[0] == 0xFF && data[1] == 0xFE) || (data[0] == 0xFE && data[1] == 0xFF))) {
    QStringDecoder decoder(data[0] == 0xFF ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE);
    return decoder(bytes.sliced(2));
  }
  for (qsizetype i = 0; i < size;) {
    const int length = Utf8SequenceLength(data, size, i);
    if (length == 0) return FromWindows1252(bytes);
    i += length;
  }
  if (size >= 3 && data[0] == 0xEF && data[1] == 0xBB && data[2] == 0xBF) bytes = bytes.sliced(3);
  return QString::fromUtf8(bytes);
}

namespace {

constexpr char16_t kStrayByteBase = 0xDC00;

bool IsStrayByte(QChar c) { return c.unicode() >= 0xDC80 && c.unicode() <= 0xDCFF; }

}  // namespace

QString FromLocalPath(QByteArrayView bytes) {
  const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
  const qsizetype size = bytes.size();
  QString path;
  path.reserve(size);
  qsizetype start = 0;  // the well-formed run not yet decoded
  for (qsizetype i = 0; i < size;) {
    const int length = Utf8SequenceLength(data, size, i);
    if (length > 0) {
      i += length;
      continue;
    }
    path += QString::fromUtf8(bytes.sliced(start, i - start));
    path += QChar(char16_t(kStrayByteBase + data[i]));
    start = ++i;
  }
  path += QString::fromUtf8(bytes.sliced(start));
  return path;
}

QByteArray ToLocalPath(QStringView path) {
  QByteArray bytes;
  bytes.reserve(path.size());
  qsizetype start = 0;
  for (qsizetype i = 0; i < path.size(); ++i) {
    if (!IsStrayByte(path[i])) continue;
    bytes += path.sliced(start, i - start).toUtf8();
    bytes += char(path[i].unicode() - kStrayByteBase);
    start = i + 1;
  }
  bytes += path.sliced(start).toUtf8();
  return bytes;
}

QString DisplayPath(QStringView path) {
  QString shown = path.toString();
  for (QChar& c : shown)
    if (IsStrayByte(c)) c = QChar::ReplacementCharacter;
  return shown;
}
