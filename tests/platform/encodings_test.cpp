#include "encodings.h"

#include <gtest/gtest.h>

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
            Bytes({0x80, 0x82, 0x83, 0x84, 0x85, 0x86, 0x87, 0x88, 0x89, 0x8A, 0x8B, 0x8C, 0x8E,
                   0x91, 0x92, 0x93, 0x94, 0x95, 0x96, 0x97, 0x98, 0x99, 0x9A, 0x9B, 0x9C, 0x9E,
                   0x9F}));
  EXPECT_EQ(ToWindows1252(u"Cœur d’été"),
            Bytes({'C', 0x9C, 'u', 'r', ' ', 'd', 0x92, 0xE9, 't', 0xE9}));
}

TEST(Windows1252, CharactersOutsideTheCodePageBecomeOneQuestionMarkEach) {
  // Greek, a C1 control that the code page replaced by "€", an emoji (two UTF-16
  // units, one character), a lone surrogate.
  QString text = QStringLiteral("αβ") + QChar(0x80) + QString::fromUcs4(U"\U0001F600", 1) +
                 QChar(0xD800) + u'!';
  EXPECT_EQ(ToWindows1252(text), QByteArray("?????") + "!");
}

TEST(Windows1252, EveryByteReadsBackToItself) {
  QByteArray all;
  for (int b = 0; b < 256; ++b) all.append(char(b));
  const QString text = FromWindows1252(all);
  ASSERT_EQ(text.size(), 256);
  EXPECT_EQ(text[0x80], QChar(0x20AC));
  EXPECT_EQ(text[0x9C], QChar(0x0153));
  EXPECT_EQ(text[0x9F], QChar(0x0178));
  EXPECT_EQ(text[0x81], QChar(0x0081));  // undefined in the code page
  EXPECT_EQ(text[0xE9], QChar(0x00E9));
  EXPECT_EQ(ToWindows1252(text), all);
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
