// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "inifile.h"
#include "storagetest.h"

namespace {

class TScoresTest : public ::testing::Test {
 protected:
  QTemporaryDir dir;
  QString path = dir.filePath(QStringLiteral("sudoku.ini"));

  // The keys of one level in the file, as "key=value" in file order.
  QStringList LevelKeys(int level) {
    QStringList keys;
    for (const QByteArray& line : ReadBytes(path).split('\n')) {
      const QString text = QString::fromUtf8(line);
      if (text.startsWith(QStringLiteral("score%1_").arg(level)) ||
          text.startsWith(QStringLiteral("scorenom%1_").arg(level)))
        keys.append(text);
    }
    return keys;
  }

  static QList<std::int32_t> Column(const TScores& scores, int level) {
    QList<std::int32_t> column;
    for (int rank = 1; rank <= 10; ++rank) column.append(scores.StoredScore(level, rank));
    return column;
  }
};

TEST(FormatTime, MinutesAndSecondsThenHoursFromOneHourOn) {
  const std::pair<std::uint32_t, const char*> cases[] = {{0, "00:00"},
                                                         {59, "00:59"},
                                                         {75, "01:15"},
                                                         {3599, "59:59"},
                                                         {3600, "1:00:00"},
                                                         {36000, "10:00:00"},
                                                         {45296, "12:34:56"},
                                                         {999999, "-"},
                                                         {999998, "277:46:38"},
                                                         {1000000, "277:46:40"},
                                                         {4294967295u, "1193046:28:15"}};
  for (const auto& [seconds, text] : cases) EXPECT_EQ(FormatTime(seconds), QString::fromLatin1(text)) << seconds;
}

TEST_F(TScoresTest, WithoutAFileEveryPlaceIsEmpty) {
  TScores scores(path);
  EXPECT_EQ(scores.FileName, path);
  for (int level = 1; level <= 4; ++level) {
    for (int rank = 1; rank <= 10; ++rank) {
      QString name;
      std::int32_t score = 0;
      ASSERT_TRUE(scores.GetEntry(level, rank, name, score));
      EXPECT_EQ(score, 999999);
      EXPECT_EQ(name, QStringLiteral("Orvalis"));
    }
  }
  EXPECT_FALSE(QFile::exists(path));
}

TEST_F(TScoresTest, AFirstScoreWritesItsTwoKeysOnly) {
  TScores scores(path);
  EXPECT_EQ(scores.RankOf(1, 500), 1);
  ASSERT_TRUE(scores.AddScore(1, 500, QStringLiteral("Ana")).Ok());
  EXPECT_EQ(LevelKeys(1), QStringList({QStringLiteral("score1_1=500"), QStringLiteral("scorenom1_1=Ana")}));
  EXPECT_EQ(ReadBytes(path), "[Scores]\nscore1_1=500\nscorenom1_1=Ana\n");
}

TEST_F(TScoresTest, AnEqualScoreRanksBeforeTheStoredOne) {
  TScores scores(path);
  for (std::int32_t s : {300, 100, 200}) ASSERT_TRUE(scores.AddScore(2, s, QString::number(s)).Ok());
  EXPECT_EQ(scores.RankOf(2, 200), 2);
  ASSERT_TRUE(scores.AddScore(2, 200, QStringLiteral("Nouveau")).Ok());
  EXPECT_EQ(scores.StoredName(2, 2), QStringLiteral("Nouveau"));
  EXPECT_EQ(scores.StoredName(2, 3), QStringLiteral("200"));
  EXPECT_EQ(Column(scores, 2),
            QList<std::int32_t>({100, 200, 200, 300, 999999, 999999, 999999, 999999, 999999, 999999}));
}

TEST_F(TScoresTest, AFullTableTakesAScoreEqualToItsTenthOnly) {
  TScores scores(path);
  for (int i = 1; i <= 10; ++i) ASSERT_TRUE(scores.AddScore(3, 90 * i, QStringLiteral("J%1").arg(i)).Ok());
  EXPECT_EQ(scores.StoredScore(3, 10), 900);
  EXPECT_EQ(scores.RankOf(3, 901), 0);
  const QByteArray before = ReadBytes(path);
  ASSERT_TRUE(scores.AddScore(3, 901, QStringLiteral("Trop lent")).Ok());
  EXPECT_EQ(ReadBytes(path), before);
  EXPECT_EQ(scores.StoredName(3, 10), QStringLiteral("J10"));

  EXPECT_EQ(scores.RankOf(3, 900), 10);
  ASSERT_TRUE(scores.AddScore(3, 900, QStringLiteral("Juste")).Ok());
  EXPECT_EQ(scores.StoredName(3, 10), QStringLiteral("Juste"));
  EXPECT_EQ(scores.StoredName(3, 9), QStringLiteral("J9"));
  // The first place of a full table: everything moves down, the tenth goes.
  ASSERT_TRUE(scores.AddScore(3, 1, QStringLiteral("Premier")).Ok());
  EXPECT_EQ(Column(scores, 3), QList<std::int32_t>({1, 90, 180, 270, 360, 450, 540, 630, 720, 810}));
  TScores reread(path);
  EXPECT_EQ(Column(reread, 3), Column(scores, 3));
  EXPECT_EQ(reread.StoredName(3, 1), QStringLiteral("Premier"));
  EXPECT_EQ(reread.StoredName(3, 10), QStringLiteral("J9"));
}

TEST_F(TScoresTest, LevelsOutsideOneToFiveRankNowhere) {
  TScores scores(path);
  EXPECT_EQ(scores.RankOf(0, 10), 0);
  EXPECT_EQ(scores.RankOf(6, 10), 0);
  EXPECT_EQ(scores.RankOf(-1, 10), 0);
  EXPECT_TRUE(scores.AddScore(6, 10, QStringLiteral("x")).Ok());
  EXPECT_FALSE(QFile::exists(path));
  QString name;
  std::int32_t score = 0;
  EXPECT_FALSE(scores.GetEntry(6, 1, name, score));
  EXPECT_FALSE(scores.GetEntry(1, 11, name, score));
  EXPECT_FALSE(scores.GetEntry(1, 0, name, score));
  EXPECT_EQ(score, 999999);
  EXPECT_EQ(name, QStringLiteral("Orvalis"));
}

// A file of the four levels reads as before; level 5 is a table of its own.
TEST_F(TScoresTest, DiaboliqueHasATableOfItsOwnAndAnOlderFileReadsAsBefore) {
  ASSERT_TRUE(WriteBytes(path, "[Scores]\nscore4_1=700\nscorenom4_1=Ana\n"));
  ASSERT_TRUE(TScores(path).AddScore(5, 900, QStringLiteral("Léa")).Ok());
  const TScores reread(path);
  EXPECT_EQ(Column(reread, 4).front(), 700);
  EXPECT_EQ(Column(reread, 5),
            QList<std::int32_t>({900, 999999, 999999, 999999, 999999, 999999, 999999, 999999, 999999, 999999}));
  EXPECT_EQ(reread.StoredName(5, 1), QStringLiteral("Léa"));
}

TEST_F(TScoresTest, AnEmptyNameShowsAsOrvalisButStaysEmptyInTheFile) {
  {
    TScores scores(path);
    ASSERT_TRUE(scores.AddScore(4, 1234, QString()).Ok());
  }
  EXPECT_EQ(LevelKeys(4), QStringList({QStringLiteral("score4_1=1234"), QStringLiteral("scorenom4_1=")}));
  TScores scores(path);
  QString name;
  std::int32_t score = 0;
  ASSERT_TRUE(scores.GetEntry(4, 1, name, score));
  EXPECT_EQ(name, QStringLiteral("Orvalis"));
  EXPECT_EQ(score, 1234);
  EXPECT_EQ(scores.StoredName(4, 1), QString());
}

TEST_F(TScoresTest, AScoreOf999999EntersButIsNotWritten) {
  TScores scores(path);
  ASSERT_TRUE(scores.AddScore(1, 500, QStringLiteral("Ana")).Ok());
  EXPECT_EQ(scores.RankOf(1, 999999), 2);
  ASSERT_TRUE(scores.AddScore(1, 999999, QStringLiteral("Lent")).Ok());
  QString name;
  std::int32_t score = 0;
  scores.GetEntry(1, 2, name, score);
  EXPECT_EQ(name, QStringLiteral("Lent"));
  EXPECT_EQ(FormatTime(static_cast<std::uint32_t>(score)), QStringLiteral("-"));
  EXPECT_EQ(LevelKeys(1), QStringList({QStringLiteral("score1_1=500"), QStringLiteral("scorenom1_1=Ana")}));
}

TEST_F(TScoresTest, TheFileHoldsWhatTheScreenShowsOnceATableIsWritten) {
  // A hand-edited table: one score in a lower place, the places above empty.
  ASSERT_TRUE(WriteBytes(path,
                         "[Scores]\r\nscore3_10=77\r\nscorenom3_10=Fran\xE7ois\r\n"
                         "score1_3=999999\r\nscorenom1_3=Vide\r\nscore1_1=100\r\nscorenom1_1=A\r\n"));
  TScores scores(path);
  ASSERT_TRUE(scores.AddScore(3, 200, QStringLiteral("Ana")).Ok());
  // The places now empty have no key left: the 77 that moved up is in the file
  // once, and level 1's empty third place is gone too.
  EXPECT_EQ(LevelKeys(3), QStringList({QStringLiteral("score3_1=77"), QStringLiteral("scorenom3_1=François"),
                                       QStringLiteral("score3_2=200"), QStringLiteral("scorenom3_2=Ana")}));
  EXPECT_EQ(LevelKeys(1), QStringList({QStringLiteral("score1_1=100"), QStringLiteral("scorenom1_1=A")}));
  TScores reread(path);
  EXPECT_EQ(Column(reread, 3),
            QList<std::int32_t>({77, 200, 999999, 999999, 999999, 999999, 999999, 999999, 999999, 999999}));
  EXPECT_EQ(reread.StoredName(3, 1), QStringLiteral("François"));
  EXPECT_EQ(reread.StoredName(3, 2), QStringLiteral("Ana"));
}

TEST_F(TScoresTest, AHandEditedTableIsReadInOrder) {
  // Out of order, CRLF, a non-number, names in Windows-1252, a missing name,
  // keys in any case, and the section written in another case.
  QByteArray bytes =
      "[general]\r\ntypeecran=1\r\n[scores]\r\n"
      "score2_1=700\r\nscorenom2_1=Zo\xE9\r\n"
      "SCORE2_2=abc\r\nscorenom2_2=PasUnNombre\r\n"
      "score2_3=  90 \r\nscorenom2_3=\xC9lodie \x8C\r\n";
  bytes +=
      "score2_4=-5\r\nscorenom2_4=Moins\r\n"
      "score2_7=300\r\n"
      "score2_10=300\r\nscorenom2_10=Dixieme\r\n";
  ASSERT_TRUE(WriteBytes(path, bytes));
  TScores scores(path);
  EXPECT_EQ(Column(scores, 2), QList<std::int32_t>({-5, 90, 300, 300, 700, 999999, 999999, 999999, 999999, 999999}));
  EXPECT_EQ(scores.StoredName(2, 1), QStringLiteral("Moins"));
  EXPECT_EQ(scores.StoredName(2, 2), QStringLiteral("Élodie Œ"));
  EXPECT_EQ(scores.StoredName(2, 5), QStringLiteral("Zoé"));
  // The two 300s: the place without a name reads "Orvalis".
  QStringList names = {scores.StoredName(2, 3), scores.StoredName(2, 4)};
  names.sort();
  EXPECT_EQ(names, QStringList({QStringLiteral("Dixieme"), QStringLiteral("Orvalis")}));
  // The non-number is an empty place that keeps its name.
  bool found = false;
  for (int rank = 6; rank <= 10; ++rank) found = found || scores.StoredName(2, rank) == QStringLiteral("PasUnNombre");
  EXPECT_TRUE(found);
}

TEST_F(TScoresTest, SavingKeepsTheSettingsAndWritesAccentsAsUtf8) {
  ASSERT_TRUE(WriteBytes(path, "[general]\r\nErreurJeu=1\r\nFondEcran=LightClouds.jpeg\r\n"));
  TScores scores(path);
  ASSERT_TRUE(scores.AddScore(1, 42, QStringLiteral("Zoé; l'été, à 2")).Ok());
  const QByteArray bytes = ReadBytes(path);
  EXPECT_TRUE(bytes.contains("ErreurJeu=1\n"));
  EXPECT_TRUE(bytes.contains("FondEcran=LightClouds.jpeg\n"));
  EXPECT_TRUE(bytes.contains(QStringLiteral("scorenom1_1=Zoé; l'été, à 2\n").toUtf8()));
  TScores reread(path);
  EXPECT_EQ(reread.StoredName(1, 1), QStringLiteral("Zoé; l'été, à 2"));
}

TEST_F(TScoresTest, AFailedSaveReachesThePlayerKeepsTheFileAndStopsTheCaller) {
  const QByteArray before = "[Scores]\r\nscore1_1=100\r\nscorenom1_1=A\r\n";
  ASSERT_TRUE(WriteBytes(path, before));
  TScores scores(path);
  ImmutableFlag locked(path);
  if (!locked.Set()) GTEST_SKIP() << "the immutable flag is not available here";
  ErrorBoxRecorder box;
  const FileResult result = scores.AddScore(1, 50, QStringLiteral("B"));
  EXPECT_TRUE(box.Messages.isEmpty()) << "storage shows nothing itself";
  // What the end-of-game dialog does with the result.
  EXPECT_FALSE(ReportFileResult(result));
  EXPECT_PRED2(SaysCannotWriteOnce, box.Messages, path);
  EXPECT_TRUE(ReportFileResult(scores.AddScore(1, 999999 + 1, QStringLiteral("Trop lent"))));
  EXPECT_EQ(box.Messages.size(), 1);
  // Nothing half-written: the old first place did not move down in the file.
  EXPECT_EQ(ReadBytes(path), before);
  // The table in memory holds the new entry.
  EXPECT_EQ(scores.StoredScore(1, 1), 50);
  EXPECT_EQ(scores.StoredScore(1, 2), 100);
}

TEST_F(TScoresTest, AFolderInPlaceOfTheFileReadsAsEmptyAndCannotBeWritten) {
  ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("sudoku.ini")));
  TScores scores(path);
  EXPECT_EQ(scores.StoredScore(1, 1), 999999);
  EXPECT_PRED2(SaysCannotWrite, scores.AddScore(1, 50, QStringLiteral("B")).Message, path);
}

}  // namespace
