// SPDX-License-Identifier: GPL-3.0-or-later
// Statistics: the run of days across a missed day and across midnight, read
// back from the file; a failed write keeps the figures for the next one.
#include "statistiques.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QLocale>
#include <QTemporaryDir>
#include <algorithm>

#include "fichier.h"
#include "storagetest.h"

namespace {

// A game of the level that counts, finished in Seconds (below 0: untimed).
TGameResult Result(int Level, int Seconds, int Helps = 0) {
  TGameResult result;
  result.Level = Level;
  result.Timed = Seconds >= 0;
  result.Helps = Helps;
  result.Score = ComputeScore(std::uint32_t(std::max(0, Seconds)), Helps, Level, false);
  result.Counts = true;
  return result;
}

class TStatistiquesTest : public ::testing::Test {
 protected:
  QTemporaryDir dir;
  QString path = dir.filePath(QStringLiteral("sudoku.ini"));
  const QDate monday{2026, 12, 7};
};

TEST_F(TStatistiquesTest, RunsOfDaysGoOnOverMidnightAndStopAfterAMissedDay) {
  struct Step {
    int dayOffset;  // the day a game is finished, from Monday
    int run;        // the run after it
    int best;
  };
  // Monday, a second game on Monday, a game ended just after midnight on
  // Tuesday, Wednesday; Thursday missed; Friday starts again.
  const Step steps[] = {{0, 1, 1}, {0, 1, 1}, {1, 2, 2}, {2, 3, 3}, {4, 1, 3}, {5, 2, 3}};
  {
    TStatistiques stats(path);
    for (const Step& step : steps) {
      const TStatistiques::Finish finish = stats.RecordFinished(Result(2, 300), monday.addDays(step.dayOffset));
      EXPECT_TRUE(finish.Saved.Ok());
      EXPECT_EQ(finish.News.Run, step.run) << step.dayOffset;
      EXPECT_EQ(stats.BestRun(), step.best) << step.dayOffset;
    }
  }
  const TStatistiques stats(path);  // as the next start reads it
  EXPECT_EQ(stats.BestRun(), 3);
  EXPECT_EQ(stats.CurrentRun(monday.addDays(5)), 2);
  EXPECT_EQ(stats.CurrentRun(monday.addDays(6)), 2);  // still open until Sunday ends
  EXPECT_EQ(stats.CurrentRun(monday.addDays(7)), 0);  // Sunday missed
  EXPECT_EQ(stats.Level(2).Finished, 6);
}

TEST_F(TStatistiquesTest, EveryFigureReadsBackAsTheGamesLeftIt) {
  TStatistiques stats(path);
  stats.RecordStarted(TOrigin::Dealt, 4);
  TGameResult daily = Result(4, 900);
  daily.DailyDay = DayOf(monday);
  EXPECT_TRUE(stats.RecordFinished(daily, monday).News.BestTime);
  EXPECT_FALSE(stats.RecordFinished(Result(4, 100, 2), monday).News.BestTime);  // a hint
  EXPECT_FALSE(stats.RecordFinished(Result(4, 1200), monday).News.BestTime);
  stats.RecordFinished(Result(4, -1), monday);  // the clock did not run
  TGameResult typed = Result(3, 60);
  typed.Origin = TOrigin::TypedIn;
  stats.RecordStarted(TOrigin::TypedIn, 3);
  stats.RecordFinished(typed, monday);
  const TStatistiques again(path);
  const TStatistiques::LevelStats expert = again.Level(4);
  EXPECT_EQ(expert.Started, 1);
  EXPECT_EQ(expert.Finished, 4);
  EXPECT_EQ(expert.WithoutHelp, 3);
  EXPECT_EQ(expert.Timed, 2);
  EXPECT_EQ(expert.BestSeconds, 900);
  EXPECT_EQ(expert.TotalSeconds / expert.Timed, 1050);
  EXPECT_EQ(again.Level(0).Finished, 1) << "the puzzles typed in, apart";
  EXPECT_EQ(again.Level(3).Finished, 0);
  EXPECT_EQ(again.DailyFinished(), 1);
  EXPECT_EQ(again.DailySeconds(monday), 900);
  EXPECT_FALSE(again.DailySeconds(monday.addDays(1)).has_value());
}

// A file of the four levels reads as before; level 5 counts apart.
TEST_F(TStatistiquesTest, DiaboliqueCountsApartAndAnOlderFileReadsAsBefore) {
  ASSERT_TRUE(WriteBytes(path, "[Statistiques]\ncommencees4=3\n"));
  TStatistiques(path).RecordFinished(Result(5, 1500), monday);
  const TStatistiques again(path);
  EXPECT_EQ(again.Level(4).Started, 3);
  EXPECT_EQ(again.Level(5).BestSeconds, 1500);
}

TEST_F(TStatistiquesTest, AFailedWriteIsToldAndItsFiguresGoWithTheNextOne) {
  TStatistiques stats(path);
  ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("sudoku.ini")));  // the file cannot be written
  EXPECT_EQ(stats.RecordStarted(TOrigin::Dealt, 1).Status, FileStatus::WriteFailed);
  ASSERT_TRUE(QDir(dir.path()).rmdir(QStringLiteral("sudoku.ini")));
  EXPECT_TRUE(stats.RecordStarted(TOrigin::Dealt, 1).Ok());
  EXPECT_EQ(TStatistiques(path).Level(1).Started, 2);
}

// A counter at its largest stays there instead of turning to 0.
TEST_F(TStatistiquesTest, ACounterAtItsLargestStaysThere) {
  ASSERT_TRUE(WriteBytes(path, "[Statistiques]\nterminees1=2147483647\nserie=2147483647\ndernierjour=06/12/2026\n"));
  ASSERT_TRUE(TStatistiques(path).RecordFinished(Result(1, 100), monday).Saved.Ok());
  const TStatistiques read(path);  // both counters stay at the largest
  EXPECT_EQ(std::min(read.Level(1).Finished, read.BestRun()), 2147483647);
}

// What a game of 4321 seconds and a saved grid write with Locale the
// default one: the same in every language (Arabic has digits of its own), so
// that a player who changes language keeps his files.
QByteArray WrittenUnder(const QLocale& Locale) {
  QLocale::setDefault(Locale);
  QTemporaryDir dir;
  const QString ini = dir.filePath(QStringLiteral("sudoku.ini"));
  const QDate day(2026, 12, 7);
  TStatistiques(ini).RecordFinished(Result(3, 4321), day);
  return ReadBytes(ini) + MakeRecordLine(QStringLiteral("grille"), {}, day, QString(81, u'0')).toUtf8();
}

TEST(StoredTexts, TheFilesWrittenInAnotherLanguageAreTheFrenchOnesByteForByte) {
  const QLocale before;
  const QByteArray french = WrittenUnder(QLocale(QLocale::French, QLocale::France));
  ASSERT_TRUE(french.contains("07/12/2026") && french.contains("4321")) << french.constData();
  for (const QLocale& other : {QLocale(QLocale::English), QLocale(QLocale::Arabic, QLocale::Egypt)})
    EXPECT_EQ(WrittenUnder(other), french) << other.name().toStdString();
  QLocale::setDefault(before);
}

}  // namespace
