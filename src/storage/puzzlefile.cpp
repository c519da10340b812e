// SPDX-License-Identifier: GPL-3.0-or-later
#include "puzzlefile.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "encodings.h"
#include "fileread.h"
#include "puzzletext.h"

namespace {

QString Quoted(const QString& Path) {
  return QCoreApplication::translate("PuzzleFile", "« %1 »").arg(DisplayPath(QFileInfo(Path).fileName()));
}

}  // namespace

PuzzleFile ReadPuzzleFile(const QString& Path) {
  // Only a plain file (reading a pipe would wait for a writer), by the
  // bytes of its name, UTF-8 or not; a link given is followed.
  const QString real = RealFilePath(Path);
  if (!IsPlainFile(real))
    return {{}, QCoreApplication::translate("PuzzleFile", "Le fichier %1 est introuvable.").arg(Quoted(Path))};
  const FileContent content = ReadPlayerFile(real, MaxPuzzleFileBytes);
  if (content.Reason == TooLargeReason(MaxPuzzleFileBytes))
    return {{},
            QCoreApplication::translate("PuzzleFile", "Le fichier %1 est trop gros pour être une liste de grilles.")
                .arg(Quoted(Path))};
  if (!content.Result.Ok())
    return {{}, QCoreApplication::translate("PuzzleFile", "Impossible de lire le fichier %1.").arg(Quoted(Path))};
  const QByteArray& bytes = content.Bytes;
  PuzzleFile result;
  result.Puzzles = ReadPuzzles(std::string_view(bytes.constData(), std::size_t(bytes.size())));
  if (result.Puzzles.empty())
    result.Message = QCoreApplication::translate(
                         "PuzzleFile",
                         "Le fichier %1 ne contient aucune grille de Sudoku : Orvalis lit les grilles de 81 "
                         "chiffres par ligne (0 ou un point pour une case vide) et les grilles de neuf lignes "
                         "des fichiers « .sdk » et « .ss ».")
                         .arg(Quoted(Path));
  return result;
}

bool IsSavedGridFile(const QString& Path) {
  return QFileInfo(Path).suffix().compare(QStringLiteral("orv"), Qt::CaseInsensitive) == 0;
}
