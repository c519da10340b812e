// SPDX-License-Identifier: GPL-3.0-or-later
// What the player's files hold does not follow the language of the
// interface: a player who changes language keeps his scores, statistics,
// settings and grids as they were written.
#include <gtest/gtest.h>

#include <QLocale>
#include <QTemporaryDir>

#include "fichier.h"
#include "options.h"
#include "scores.h"
#include "statistiques.h"
#include "storagetest.h"

namespace {

// The bytes a few games write with Locale as the default one.
QByteArray WrittenUnder(const QLocale& Locale) {
  QLocale::setDefault(Locale);
  QTemporaryDir dir;
  const QString ini = dir.filePath(QStringLiteral("sudoku.ini"));
  const QDate day(2026, 12, 7);
  TGameResult result;
  result.Level = 3;
  result.Timed = true;
  result.Score = ComputeScore(4321, 1, 3, false);
  result.Counts = true;
  TStatistiques statistics(ini);
  statistics.RecordStarted(TOrigin::Dealt, 3, DayOf(day));
  statistics.RecordFinished(result, day);
  TScores scores(ini);
  scores.AddScore(3, std::int32_t(result.Score.Total), QStringLiteral("Zoé"));
  TOptions options(ini);
  options.Load();
  options.CouleurErreur = 0x123456;
  options.Langue = TOptions::LangueEnglish;
  options.Save();
  return ReadBytes(ini) +
         MakeRecordLine(QStringLiteral("grille"), QStringLiteral("du jour"), day, QString(81, u'0')).toUtf8();
}

TEST(StoredTexts, TheFilesWrittenInAnotherLanguageAreTheFrenchOnesByteForByte) {
  const QLocale before;
  const QByteArray french = WrittenUnder(QLocale(QLocale::French, QLocale::France));
  ASSERT_TRUE(french.contains("07/12/2026")) << french.constData();
  // Arabic writes its own digits: any number or date written through the
  // default locale would show.
  for (const QLocale& locale :
       {QLocale(QLocale::English, QLocale::UnitedKingdom), QLocale(QLocale::English, QLocale::UnitedStates),
        QLocale(QLocale::Arabic, QLocale::Egypt)})
    EXPECT_EQ(WrittenUnder(locale), french) << locale.name().toStdString();
  QLocale::setDefault(before);
}

}  // namespace
