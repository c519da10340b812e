// SPDX-License-Identifier: GPL-3.0-or-later
#include "inifile.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "storagetest.h"
#include "textfields.h"

namespace {

class TIniFileTest : public ::testing::Test {
 protected:
  QTemporaryDir dir;
  QString path = dir.filePath(QStringLiteral("sudoku.ini"));
};

TEST_F(TIniFileTest, AMissingFileReadsAsEmpty) {
  TIniFile ini(path);
  ASSERT_TRUE(ini.Load().Ok());
  EXPECT_FALSE(ini.ReadValue(QStringLiteral("general"), QStringLiteral("typeecran")).has_value());
  EXPECT_EQ(ini.ReadInteger(QStringLiteral("general"), QStringLiteral("typeecran"), 7), 7);
  EXPECT_EQ(ini.ReadString(QStringLiteral("general"), QStringLiteral("FondEcran"), QStringLiteral("fond.jpg")),
            QStringLiteral("fond.jpg"));
}

TEST_F(TIniFileTest, HandEditedFileWithCrLfWindows1252AndOddCase) {
  const QByteArray bytes =
      "; r\xE9glages\r\n[General]\r\n  AffichageChrono = 0 \r\n"
      "FondEcran=  mon fond.jpg\r\n\r\n[SCORES]\r\nscorenom1_1=Zo\xE9\r\n"
      "scorenom1_2=L\xE9"
      "a \x8C\r\nscore1_1=abc\r\n";
  ASSERT_TRUE(WriteBytes(path, bytes));
  TIniFile ini(path);
  ASSERT_TRUE(ini.Load().Ok());
  EXPECT_EQ(ini.ReadInteger(QStringLiteral("general"), QStringLiteral("affichagechrono"), 1), 0);
  EXPECT_EQ(ini.ReadString(QStringLiteral("general"), QStringLiteral("FondEcran"), {}), QStringLiteral("mon fond.jpg"));
  EXPECT_EQ(ini.ReadString(QStringLiteral("Scores"), QStringLiteral("scorenom1_1"), {}), QStringLiteral("Zoé"));
  EXPECT_EQ(ini.ReadString(QStringLiteral("Scores"), QStringLiteral("scorenom1_2"), {}), QStringLiteral("Léa Œ"));
  EXPECT_EQ(ini.ReadInteger(QStringLiteral("Scores"), QStringLiteral("score1_1"), 999999), 999999);
}

// The encoding is decided once for the whole file: bytes that happen to form
// UTF-8 inside a Windows-1252 file stay Windows-1252, and come back right
// after a save (which writes UTF-8).
TEST_F(TIniFileTest, AWindows1252FileIsWindows1252Throughout) {
  // "ANDRÉ’S" and "Noé……" are also well-formed UTF-8 ("ANDRɒS", "No酅");
  // "Zoé" is not, and decides for the whole file.
  ASSERT_TRUE(WriteBytes(path,
                         "[Scores]\r\nscorenom1_1=ANDR\xC9\x92S\r\nscorenom1_2=No\xE9\x85\x85\r\n"
                         "scorenom1_3=Zo\xE9\r\n"));
  const QStringList names = {QStringLiteral("ANDRÉ’S"), QStringLiteral("Noé……"), QStringLiteral("Zoé")};
  for (int round = 0; round < 2; ++round) {
    TIniFile ini(path);
    ASSERT_TRUE(ini.Load().Ok());
    for (int rank = 1; rank <= 3; ++rank)
      EXPECT_EQ(ini.ReadValue(QStringLiteral("Scores"), QStringLiteral("scorenom1_%1").arg(rank)), names[rank - 1])
          << (round == 0 ? "as edited" : "after a save");
    ASSERT_TRUE(ini.Save().Ok());
  }
  EXPECT_TRUE(ReadBytes(path).contains(QStringLiteral("scorenom1_1=ANDRÉ’S\n").toUtf8()));
}

TEST_F(TIniFileTest, AUtf16FileWithItsByteOrderMarkIsReadAndSavedAsUtf8) {
  const QString text = QStringLiteral("[general]\r\nErreurJeu=1\r\n[Scores]\r\nscorenom1_1=Éloïse Œ\r\n");
  QByteArray littleEndian("\xFF\xFE"), bigEndian("\xFE\xFF");
  for (const QChar c : text) {
    littleEndian += char(c.unicode() & 0xFF);
    littleEndian += char(c.unicode() >> 8);
    bigEndian += char(c.unicode() >> 8);
    bigEndian += char(c.unicode() & 0xFF);
  }
  for (const QByteArray& bytes : {littleEndian, bigEndian}) {
    ASSERT_TRUE(WriteBytes(path, bytes));
    TIniFile ini(path);
    ASSERT_TRUE(ini.Load().Ok());
    EXPECT_EQ(ini.ReadInteger(QStringLiteral("general"), QStringLiteral("ErreurJeu"), 0), 1);
    EXPECT_EQ(ini.ReadValue(QStringLiteral("Scores"), QStringLiteral("scorenom1_1")), QStringLiteral("Éloïse Œ"));
    ini.WriteInteger(QStringLiteral("general"), QStringLiteral("typeecran"), 1);
    ASSERT_TRUE(ini.Save().Ok());
    EXPECT_EQ(QString::fromUtf8(ReadBytes(path)),
              QStringLiteral("[general]\nErreurJeu=1\ntypeecran=1\n\n\n[Scores]\nscorenom1_1=Éloïse Œ\n"));
  }
}

TEST_F(TIniFileTest, SavingKeepsWhatTheProgramDoesNotKnowAndWritesUtf8) {
  ASSERT_TRUE(WriteBytes(path,
                         "; mes r\xE9glages\r\n[general]\r\nAutre=valeur;avec,virgule\r\n"
                         "typeecran=1\r\n[Fen\xEAtre]\r\nx=3\r\n; \xE0 la fin"));
  TIniFile ini(path);
  ASSERT_TRUE(ini.Load().Ok());
  ini.WriteInteger(QStringLiteral("general"), QStringLiteral("typeecran"), 2);
  ini.WriteString(QStringLiteral("Scores"), QStringLiteral("scorenom1_1"), QStringLiteral("Zoé"));
  ASSERT_TRUE(ini.Save().Ok());
  const QString text = QString::fromUtf8(ReadBytes(path));
  // The comments (the last line's at the end), the unknown key (with its ";"
  // and ","), the unknown section and the accents are all there; sections are
  // set apart by blank lines.
  EXPECT_EQ(text, QStringLiteral("; mes réglages\n\n\n[general]\nAutre=valeur;avec,virgule\n"
                                 "typeecran=2\n\n\n[Fenêtre]\nx=3\n\n\n[Scores]\n"
                                 "scorenom1_1=Zoé\n; à la fin\n"));
}

TEST_F(TIniFileTest, ValuesComeBackAsTheyWereWritten) {
  const QStringList values = {QStringLiteral("  deux espaces  "),
                              QStringLiteral("\"entre guillemets\""),
                              QStringLiteral("a=b;c,d #e"),
                              QString(),
                              QStringLiteral("<<<FIN"),
                              QStringLiteral("[general]"),
                              QStringLiteral("\t")};
  {
    TIniFile ini(path);
    for (int i = 0; i < values.size(); ++i)
      ini.WriteString(QStringLiteral("Scores"), QStringLiteral("k%1").arg(i), values[i]);
    ASSERT_TRUE(ini.Save().Ok());
  }
  TIniFile ini(path);
  ASSERT_TRUE(ini.Load().Ok());
  for (int i = 0; i < values.size(); ++i)
    EXPECT_EQ(ini.ReadValue(QStringLiteral("Scores"), QStringLiteral("k%1").arg(i)), values[i]) << "value " << i;
}

TEST_F(TIniFileTest, AValueCannotAddLinesOrKeysOfItsOwn) {
  {
    TIniFile ini(path);
    ini.WriteString(QStringLiteral("Scores"), QStringLiteral("scorenom1_1"),
                    QStringLiteral("Ana\r\n[general]\ntypeecran=1\rfin"));
    ASSERT_TRUE(ini.Save().Ok());
  }
  TIniFile ini(path);
  ASSERT_TRUE(ini.Load().Ok());
  EXPECT_EQ(ini.ReadValue(QStringLiteral("Scores"), QStringLiteral("scorenom1_1")),
            QStringLiteral("Ana [general] typeecran=1 fin"));
  EXPECT_FALSE(ini.ReadValue(QStringLiteral("general"), QStringLiteral("typeecran")).has_value());
}

// Found by fuzzing: a hand-edited value holding a vertical tab read back
// otherwise once the settings had been saved (the write makes it a space).
TEST_F(TIniFileTest, AValueWithABreakThatEndsNoLineReadsAsItIsWritten) {
  ASSERT_TRUE(WriteBytes(path,
                         "[general]\r\nFondEcran=a\vb\fc\r\n[Scores]\r\nscorenom1_1=L\xe2\x80\xa8"
                         "a\r\n"));
  TIniFile ini(path);
  ASSERT_TRUE(ini.Load().Ok());
  EXPECT_EQ(ini.ReadValue(QStringLiteral("general"), QStringLiteral("FondEcran")), QStringLiteral("a b c"));
  EXPECT_EQ(ini.ReadValue(QStringLiteral("Scores"), QStringLiteral("scorenom1_1")), QStringLiteral("L a"));
  ASSERT_TRUE(ini.Save().Ok());
  TIniFile again(path);
  ASSERT_TRUE(again.Load().Ok());
  EXPECT_EQ(again.ReadValue(QStringLiteral("general"), QStringLiteral("FondEcran")), QStringLiteral("a b c"));
  EXPECT_EQ(again.ReadValue(QStringLiteral("Scores"), QStringLiteral("scorenom1_1")), QStringLiteral("L a"));
}

TEST_F(TIniFileTest, AKeyWrittenTwiceReadsTheFirstAndIsWrittenOnce) {
  ASSERT_TRUE(WriteBytes(path,
                         "[Scores]\r\nscorenom1_1=Premier\r\nscore1_1=10\r\n"
                         "scorenom1_1=Second\r\n[Autre]\r\nk=1\r\nk=2\r\n"));
  TIniFile ini(path);
  ASSERT_TRUE(ini.Load().Ok());
  EXPECT_EQ(ini.ReadValue(QStringLiteral("Scores"), QStringLiteral("scorenom1_1")), QStringLiteral("Premier"));
  ini.WriteString(QStringLiteral("Scores"), QStringLiteral("scorenom1_1"), QStringLiteral("Nouveau"));
  ASSERT_TRUE(ini.Save().Ok());
  // The unknown section keeps both of its lines.
  EXPECT_EQ(ReadBytes(path), "[Scores]\nscorenom1_1=Nouveau\nscore1_1=10\n\n\n[Autre]\nk=1\nk=2\n");
}

TEST_F(TIniFileTest, ANulByteDoesNotCutTheFile) {
  ASSERT_TRUE(WriteBytes(path, QByteArray("[general]\r\nFondEcran=a\0b\r\ntypeecran=1\r\n", 39)));
  TIniFile ini(path);
  ASSERT_TRUE(ini.Load().Ok());
  EXPECT_EQ(ini.ReadInteger(QStringLiteral("general"), QStringLiteral("typeecran"), 0), 1);
  ASSERT_TRUE(ini.Save().Ok());
  EXPECT_TRUE(ReadBytes(path).contains("typeecran=1"));
}

TEST_F(TIniFileTest, AFolderAtThePathCanBeNeitherReadNorReplaced) {
  ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("sudoku.ini")));
  TIniFile ini(path);
  EXPECT_FALSE(ini.Load().Ok());
  ini.WriteInteger(QStringLiteral("general"), QStringLiteral("typeecran"), 1);
  EXPECT_FALSE(ini.Save().Ok());
  EXPECT_TRUE(QFileInfo(path).isDir());
}

TEST_F(TIniFileTest, AFailedSaveLeavesThePreviousContentEntire) {
  const QByteArray before = "[general]\r\ntypeecran=1\r\n";
  ASSERT_TRUE(WriteBytes(path, before));
  ImmutableFlag locked(path);
  if (!locked.Set()) GTEST_SKIP() << "the immutable flag is not available here";
  TIniFile ini(path);
  ASSERT_TRUE(ini.Load().Ok());
  ini.WriteInteger(QStringLiteral("general"), QStringLiteral("typeecran"), 2);
  EXPECT_FALSE(ini.Save().Ok());
  EXPECT_EQ(ReadBytes(path), before);
  // No temporary file is left beside it.
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("sudoku.ini")});
}

TEST(ParseInteger, DecimalNumbersOfThirtyTwoBits) {
  EXPECT_EQ(ParseInteger(u"0"), 0);
  EXPECT_EQ(ParseInteger(u" 42 "), 42);
  EXPECT_EQ(ParseInteger(u"+7"), 7);
  EXPECT_EQ(ParseInteger(u"-15"), -15);
  EXPECT_EQ(ParseInteger(u"007"), 7);
  EXPECT_EQ(ParseInteger(u"2147483647"), 2147483647);
  EXPECT_EQ(ParseInteger(u"-2147483648"), std::numeric_limits<std::int32_t>::min());
}

TEST(ParseInteger, AnythingElseIsNotANumber) {
  for (const char16_t* text : {u"", u" ", u"-", u"+", u"abc", u"12a", u"1 2", u"0x10", u"$FF", u"1.5", u"2147483648",
                               u"-2147483649", u"99999999999999999999", u"١٢"})
    EXPECT_FALSE(ParseInteger(text).has_value()) << QString::fromUtf16(text).toStdString();
}

}  // namespace
