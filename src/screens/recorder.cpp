// SPDX-License-Identifier: GPL-3.0-or-later
#include "recorder.h"

#include "fileresult.h"
#include "partie.h"
#include "scores.h"
#include "statistiques.h"

TRecorder::TRecorder(TScores& Scores, TStatistiques& Statistiques) : Scores_(Scores), Statistiques_(Statistiques) {}

void TRecorder::Started(const TPartie& Game) {
  ReportFileResult(Statistiques_.RecordStarted(Game.Origin(), Game.Level(), Game.DailyDay()));
}

std::optional<TDay> TRecorder::DailyCounted() const { return Statistiques_.LastDailyDay(); }

void TRecorder::Finished(const TGameResult& Result) {
  if (!Result.Counts) return;
  ReportFileResult(Statistiques_.RecordFinished(Result, Today()).Saved);
}

int TRecorder::Rank(const TGameResult& Result) const {
  if (!Result.MayRank()) return 0;
  return Scores_.RankOf(Result.Level, std::int32_t(Result.Score.Total));
}

bool TRecorder::AddScore(const TGameResult& Result, const QString& Name) {
  if (Rank(Result) == 0) return true;
  return ReportFileResult(Scores_.AddScore(Result.Level, std::int32_t(Result.Score.Total), Name));
}
