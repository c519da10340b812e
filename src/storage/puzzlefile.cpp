// SPDX-License-Identifier: GPL-3.0-or-later
#include "puzzlefile.h"

#include <QFile>
#include <QFileInfo>

#include "puzzletext.h"

namespace {

QString Quoted(const QString& Path) { return QStringLiteral("« %1 »").arg(QFileInfo(Path).fileName()); }

}  // namespace

PuzzleFile ReadPuzzleFile(const QString& Path) {
  const QFileInfo info(Path);
  // Only a plain file: reading a pipe would wait for a writer.
  if (!info.isFile()) return {{}, QStringLiteral("Le fichier %1 est introuvable.").arg(Quoted(Path))};
  if (info.size() > MaxPuzzleFileBytes)
    return {{}, QStringLiteral("Le fichier %1 est trop gros pour être une liste de grilles.").arg(Quoted(Path))};
  QFile file(Path);
  if (!file.open(QIODevice::ReadOnly))
    return {{}, QStringLiteral("Impossible de lire le fichier %1.").arg(Quoted(Path))};
  const QByteArray bytes = file.read(MaxPuzzleFileBytes + 1);
  if (file.error() != QFileDevice::NoError)
    return {{}, QStringLiteral("Impossible de lire le fichier %1.").arg(Quoted(Path))};
  PuzzleFile result;
  result.Puzzles = ReadPuzzles(std::string_view(bytes.constData(), std::size_t(bytes.size())));
  if (result.Puzzles.empty())
    result.Message = QStringLiteral(
                         "Le fichier %1 ne contient aucune grille de Sudoku : Orvalis lit les grilles de 81 "
                         "chiffres par ligne (0 ou un point pour une case vide) et les grilles de neuf lignes "
                         "des fichiers « .sdk » et « .ss ».")
                         .arg(Quoted(Path));
  return result;
}

bool IsSavedGridFile(const QString& Path) {
  return QFileInfo(Path).suffix().compare(QStringLiteral("orv"), Qt::CaseInsensitive) == 0;
}
