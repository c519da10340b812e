// SPDX-License-Identifier: GPL-3.0-or-later
#include "encodings.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

QByteArray Bytes(std::initializer_list<int> values) {
  QByteArray bytes;
  for (int v : values) bytes.append(char(v));
  return bytes;
}

TEST(Windows1252, AsciiAndLatin1LettersKeepTheirByte) {
  EXPECT_EQ(ToWindows1252(u"Ma grille|2"), QByteArray("Ma grille|2"));
  EXPECT_EQ(ToWindows1252(u"Noël à l'été ÿ"),
            Bytes({'N', 'o', 0xEB, 'l', ' ', 0xE0, ' ', 'l', '\'', 0xE9, 't', 0xE9, ' ', 0xFF}));
}

TEST(Windows1252, TheCodePagesOwnCharactersTakeBytes80To9F) {
  EXPECT_EQ(ToWindows1252(u"€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ"),
            Bytes({0x80, 0x82, 0x83, 0x84, 0x85, 0x86, 0x87, 0x88, 0x89, 0x8A, 0x8B, 0x8C, 0x8E, 0x91,
                   0x92, 0x93, 0x94, 0x95, 0x96, 0x97, 0x98, 0x99, 0x9A, 0x9B, 0x9C, 0x9E, 0x9F}));
  EXPECT_EQ(ToWindows1252(u"Cœur d’été"), Bytes({'C', 0x9C, 'u', 'r', ' ', 'd', 0x92, 0xE9, 't', 0xE9}));
}

TEST(Windows1252, CharactersOutsideTheCodePageBecomeOneQuestionMarkEach) {
  // Greek, a C1 control that the code page replaced by "€", an emoji (two UTF-16
  // units, one character), a lone surrogate.
  QString text = QStringLiteral("αβ") + QChar(0x80) + QString::fromUcs4(U"\U0001F600", 1) + QChar(0xD800) + u'!';
  EXPECT_EQ(ToWindows1252(text), QByteArray("?????") + "!");
}

// The code page: bytes 80 to 9F, the five it leaves undefined read as the C1
// control of the same number; every other byte is its Latin-1 character.
constexpr char16_t kHigh[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

TEST(Windows1252, EveryByteReadsAsTheCodePagesCharacterAndBack) {
  QByteArray all;
  for (int b = 0; b < 256; ++b) all.append(char(b));
  const QString text = FromWindows1252(all);
  ASSERT_EQ(text.size(), 256);
  for (int b = 0; b < 256; ++b)
    EXPECT_EQ(text[b].unicode(), b >= 0x80 && b <= 0x9F ? kHigh[b - 0x80] : char16_t(b)) << "byte " << b;
  EXPECT_EQ(ToWindows1252(text), all);
}

TEST(Windows1252, EveryOtherCharacterOfTheBasicPlaneIsAQuestionMark) {
  QString others;
  for (char32_t u = 0x80; u <= 0xFFFF; ++u) {
    const bool inCodePage = (u >= 0xA0 && u <= 0xFF) || std::find(kHigh, kHigh + 32, u) != kHigh + 32;
    if (!inCodePage && (u < 0xD800 || u > 0xDFFF)) others.append(QChar(char16_t(u)));
  }
  ASSERT_EQ(others.size(), 0x10000 - 0x800 - 256);
  EXPECT_EQ(ToWindows1252(others), QByteArray(others.size(), '?'));
  EXPECT_EQ(ToWindows1252(u"a\u001Ab"), QByteArray("a\x1A"
                                                   "b"));  // a control of its own, not a substitute
}

TEST(DecodeTextFile, WellFormedUtf8IsUtf8) {
  const QString text = QStringLiteral("Zoé, Œdipe, € et \U0001F600");
  EXPECT_EQ(DecodeTextFile(text.toUtf8()), text);
  EXPECT_EQ(DecodeTextFile("\xEF\xBB\xBF" + text.toUtf8()), text);  // the UTF-8 mark is dropped
  EXPECT_EQ(DecodeTextFile(QByteArray("a\0b", 3)), QString::fromUtf16(u"a\0b", 3));
  EXPECT_TRUE(DecodeTextFile(QByteArray()).isEmpty());
}

TEST(DecodeTextFile, OneByteThatIsNotUtf8MakesTheWholeFileWindows1252) {
  EXPECT_EQ(DecodeTextFile(Bytes({'c', 0x9C, 'u', 'r'})), QStringLiteral("cœur"));
  // C9 92 and E9 85 85 are UTF-8 sequences too; the lone E9 of "Zoé" is not.
  EXPECT_EQ(DecodeTextFile(Bytes({'A', 0xC9, 0x92, 'S', ' ', 'N', 'o', 0xE9, 0x85, 0x85, ' ', 'Z', 'o', 0xE9})),
            QStringLiteral("AÉ’S Noé…… Zoé"));
  // Truncated sequence at the end, overlong "/", encoded surrogate, beyond U+10FFFF.
  EXPECT_EQ(DecodeTextFile(Bytes({'a', 0xE2, 0x82})), QStringLiteral("a\u00E2\u201A"));
  EXPECT_EQ(DecodeTextFile(Bytes({0xC0, 0xAF})), QStringLiteral("À¯"));
  EXPECT_EQ(DecodeTextFile(Bytes({0xED, 0xA0, 0x80})).size(), 3);
  EXPECT_EQ(DecodeTextFile(Bytes({0xF4, 0x90, 0x80, 0x80})).size(), 4);
  EXPECT_EQ(DecodeTextFile(Bytes({0xF4, 0x8F, 0xBF, 0xBF})), QString::fromUcs4(U"\U0010FFFF", 1));
}

TEST(DecodeTextFile, AUtf16ByteOrderMarkMeansUtf16) {
  EXPECT_EQ(DecodeTextFile(Bytes({0xFF, 0xFE, 'Z', 0, 'o', 0, 0xE9, 0, 0x53, 0x01})), QStringLiteral("Zoéœ"));
  EXPECT_EQ(DecodeTextFile(Bytes({0xFE, 0xFF, 0, 'Z', 0, 'o', 0, 0xE9, 0x01, 0x53})), QStringLiteral("Zoéœ"));
}

}  // namespace
