// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target "settings": the settings and high scores reader. The input is
// the bytes of a "sudoku.ini" as a player, another program or an older version
// left it (any encoding, any content).
//
// The file is read through TOptions and TScores as the main window reads it at
// start, both are saved and the file is read again. Besides crashes, it stops
// when a level's table is out of order, a place shows an empty name, or the
// file written does not read back as what was read (a score from 999999 up is
// an empty place and is not written).
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include <QFile>
#include <QTemporaryDir>

#include "fileread.h"
#include "fuzz_util.h"
#include "inifile.h"
#include "options.h"
#include "scores.h"

namespace {

[[noreturn]] void Fail(const char* what) { FuzzFailure("settings", what); }

bool SameOptions(const TOptions& a, const TOptions& b) {
  return a.AffichageChrono == b.AffichageChrono && a.MauvaisEmplacementJeu == b.MauvaisEmplacementJeu &&
         a.ErreurJeu == b.ErreurJeu && a.DecaleAuto == b.DecaleAuto &&
         a.MauvaisEmplacementProbleme == b.MauvaisEmplacementProbleme && a.CouleurEmplacement == b.CouleurEmplacement &&
         a.CouleurErreur == b.CouleurErreur && a.UseLetters == b.UseLetters && a.Windowed == b.Windowed &&
         a.FondEcran == b.FondEcran;
}

// The place as the screen shows it: a score from 999999 up is an empty place.
bool SamePlace(const TScores& a, const TScores& b, int level, int rank) {
  const std::int32_t scoreA = a.StoredScore(level, rank);
  const std::int32_t scoreB = b.StoredScore(level, rank);
  if (scoreA >= EmptyScore || scoreB >= EmptyScore) return scoreA >= EmptyScore && scoreB >= EmptyScore;
  return scoreA == scoreB && a.StoredName(level, rank) == b.StoredName(level, rank);
}

void CheckTable(const TScores& scores) {
  for (int level = 1; level <= TScores::Levels; ++level)
    for (int rank = 1; rank <= TScores::Ranks; ++rank) {
      QString name;
      std::int32_t score = 0;
      if (!scores.GetEntry(level, rank, name, score)) Fail("a place in range is refused");
      if (name.isEmpty()) Fail("a place shows an empty name");
      if (rank > 1 && score < scores.StoredScore(level, rank - 1)) Fail("a table out of order");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QString path = FuzzFolder().filePath(QStringLiteral("sudoku.ini"));
  {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size))
      Fail("cannot write the input file");
  }

  // Read once, as the main window does.
  TIniFile settings(path);
  const bool read = settings.Load().Ok();
  TOptions options(path);
  options.Load(settings);
  TScores scores(path, settings);
  CheckTable(scores);

  // A file over the limit (or one whose UTF-8 form would pass it) is refused
  // and kept as it is; any other is saved.
  const bool saved = options.Save().Ok() && scores.Save().Ok();
  if (!saved || !read) {
    if (qint64(size) * 3 < MaxSettingsFileBytes) Fail("a file within the limit could not be read or saved");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) ||
        file.readAll() != QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)))
      Fail("a refused file was changed");
    return 0;
  }

  TOptions optionsAgain(path);
  optionsAgain.Load();
  if (!SameOptions(options, optionsAgain)) Fail("the settings written do not read back");
  const TScores scoresAgain(path);
  CheckTable(scoresAgain);
  for (int level = 1; level <= TScores::Levels; ++level)
    for (int rank = 1; rank <= TScores::Ranks; ++rank)
      if (!SamePlace(scores, scoresAgain, level, rank)) Fail("the scores written do not read back");
  return 0;
}
