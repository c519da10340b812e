// SPDX-License-Identifier: GPL-3.0-or-later
// A file given to the program: a saved-grid file opens the load dialog on it,
// a file of puzzles opens "Proposer un puzzle" on one of its puzzles.
#include <QCoreApplication>
#include <QFileInfo>
#include <QInputDialog>
#include <QListView>

#include "fileread.h"
#include "grillesudoku.h"
#include "jeux.h"
#include "main.h"
#include "messages.h"
#include "puzzlefile.h"
#include "shell.h"

namespace {

// The list offered when the file holds several puzzles: each puzzle by its
// number, its first row and its count of givens.
QStringList PuzzleEntries(const std::vector<std::string>& Puzzles) {
  QStringList entries;
  entries.reserve(qsizetype(Puzzles.size()));
  for (std::size_t k = 0; k < Puzzles.size(); ++k) {
    const QString cells = QString::fromStdString(Puzzles[k]);
    QString firstRow = cells.left(9);
    firstRow.replace(u'0', u'.');
    const qsizetype givens = 81 - cells.count(u'0');
    entries << QCoreApplication::translate("Tf_Main", "Grille %1 : %2, %3 chiffres donnés")
                   .arg(k + 1)
                   .arg(firstRow)
                   .arg(givens);
  }
  return entries;
}

// The puzzle the player picks, or -1 when the list is closed.
int ChoosePuzzle(QWidget* Parent, const QString& Path, const std::vector<std::string>& Puzzles) {
  QInputDialog dialog(Parent);
  dialog.setWindowTitle(QCoreApplication::translate("Tf_Main", "Choisir une grille"));
  dialog.setLabelText(
      QCoreApplication::translate("Tf_Main", "Le fichier « %1 » contient %2 grilles. Laquelle voulez-vous proposer ?")
          .arg(QFileInfo(Path).fileName())
          .arg(Puzzles.size()));
  dialog.setOption(QInputDialog::UseListViewForComboBoxItems);
  const QStringList entries = PuzzleEntries(Puzzles);
  dialog.setComboBoxItems(entries);
  dialog.setTextValue(entries.front());
  dialog.setOkButtonText(QCoreApplication::translate("Tf_Main", "OK"));
  dialog.setCancelButtonText(QCoreApplication::translate("Tf_Main", "Annuler"));
  dialog.resize(520, 420);
  KeepCentred(dialog);
  // A double click on a line chooses it.
  if (auto* lines = dialog.findChild<QListView*>())
    QObject::connect(lines, &QListView::doubleClicked, &dialog, &QDialog::accept);
  if (dialog.exec() != QDialog::Accepted) return -1;
  return int(entries.indexOf(dialog.textValue()));
}

}  // namespace

void Tf_Main::OpenFile(const QString& Path) {
  if (IsSavedGridFile(Path) && IsPlainFile(Path)) {
    LoadSavedGame(Path);
    return;
  }
  const PuzzleFile file = ReadPuzzleFile(Path);
  if (file.Puzzles.empty()) {
    ShowMessage(file.Message);
    return;
  }
  const int chosen = file.Puzzles.size() == 1 ? 0 : ChoosePuzzle(this, Path, file.Puzzles);
  if (chosen < 0) return;
  hl_puzzleClick();
  if (auto* game = qobject_cast<Tf_Jeux*>(CurrentScreen.data()))
    game->Grid().LoadGrid(QString::fromStdString(file.Puzzles[std::size_t(chosen)]), QString(), 0);
}
