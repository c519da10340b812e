#include "encodings.h"

#include <array>
#include <cstdint>

#include <QStringDecoder>

namespace {

// Windows-1252 bytes 0x80 to 0x9F. The undefined bytes keep their Latin-1
// (C1 control) code point so that they survive a round trip.
constexpr std::array<char16_t, 32> kHighTable = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

char16_t CharOfByte(unsigned char byte) {
  if (byte >= 0x80 && byte <= 0x9F) return kHighTable[byte - 0x80];
  return char16_t(byte);
}

// The byte that stands for code unit c, or -1 when the code page has none.
int ByteOfChar(char16_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return int(c);
  for (std::size_t i = 0; i < kHighTable.size(); ++i)
    if (kHighTable[i] == c) return int(0x80 + i);
  return -1;
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
  QByteArray bytes;
  bytes.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
      bytes.append('?');  // one character outside the code page
      ++i;
      continue;
    }
    const int byte = c.isSurrogate() ? -1 : ByteOfChar(c.unicode());
    bytes.append(byte < 0 ? '?' : char(byte));
  }
  return bytes;
}

QString OutsideWindows1252(QStringView text) {
  QString outside;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    const bool pair = c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
    if (!pair && !c.isSurrogate() && ByteOfChar(c.unicode()) >= 0) continue;
    const QStringView character = text.mid(i, pair ? 2 : 1);
    if (!outside.contains(character)) outside += character;
    if (pair) ++i;
  }
  return outside;
}

QString FromWindows1252(QByteArrayView bytes) {
  QString text(bytes.size(), Qt::Uninitialized);
  QChar* out = text.data();
  for (qsizetype i = 0; i < bytes.size(); ++i)
    out[i] = QChar(CharOfByte(static_cast<unsigned char>(bytes[i])));
  return text;
}

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
