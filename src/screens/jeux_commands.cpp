// The game screen's commands: the panels' commands, the help commands, the
// checks of a typed-in puzzle, saving, copy and paste.
#include "jeux.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTextBrowser>
#include <algorithm>

#include "carnet.h"
#include "charge.h"
#include "finjeu.h"
#include "grillesudoku.h"
#include "hintletters.h"
#include "hotlabel.h"
#include "look.h"
#include "messages.h"
#include "options.h"
#include "rondcoche.h"
#include "sauve.h"
#include "scores.h"
#include "shell.h"
#include "statistiquesjeu.h"

#include "jeux_shared.h"

using namespace Jeux;

namespace {

QString LevelName(int Rating) {
  const int level = Rating & RatingLevelBits;
  return level >= LevelFacile && level <= LevelExpert ? LevelNames[level - 1] : QString();
}


}  // namespace

bool Tf_Jeux::VerifyGrid() {
  const int rating = GrilleSudoku->RateGrid();
  Level = rating;
  if (rating == 0) {
    ShowMessage(VerifyCannotSolve);
    return false;
  }
  const QString name = LevelName(rating);
  QString sentence = VerifySolvable;
  if ((rating & RatingGuess) != 0)
    sentence = (rating & RatingMultiple) != 0 ? VerifySeveral : VerifyGuessing;
  Level = rating & RatingLevelBits;
  ShowMessage(sentence + QLatin1Char('\n') + QStringLiteral("Niveau de la grille: ") + name);
  return true;
}

// --- Commands ---

void Tf_Jeux::hl_reinitClick() {
  GrilleSudoku->ClearGrid(false);
  FocusGrid();
}

void Tf_Jeux::hl_newgrilleClick() {
  if (GrilleSudoku->GameMode) {
    StartNewGame();
  } else {
    // The givens go too, so that "Réinitialiser" never brings back an old
    // puzzle.
    GrilleSudoku->LoadGrid(QString(), QString(), 0);
  }
  FocusGrid();
}

void Tf_Jeux::hl_chargerClick() {
  LoadGame();
  FocusGrid();
}

void Tf_Jeux::hl_sauverClick() {
  SaveGame();
  FocusGrid();
}

bool Tf_Jeux::SaveGame() {
  const ClockHold hold(*this);
  Tf_Sauve dialog(window());
  dialog.Game = TSavedGame::FromGridText(GrilleSudoku->GetSaveText(
      true, GrilleSudoku->GameMode ? ElapsedSeconds() : 0, std::min(Helps, MaxStoredHelps)));
  if (dialog.exec() != QDialog::Accepted) return false;
  Unsaved_ = false;
  return true;
}

bool Tf_Jeux::HasUnsavedGame() const {
  if (Options == nullptr || !Options->ProposerSauvegarde || !Unsaved_) return false;
  const TGrilleSudoku& view = *GrilleSudoku;
  if (view.CountEmpty() == 0 && view.CountErrors() == 0) return false;  // finished
  const TGrille& grid = view.Grille();
  for (std::size_t i = 0; i < 81; ++i)
    if (grid.Digits[i] != 0 && (!view.GameMode || grid.Givens[i] == 0)) return true;
  return false;
}

bool Tf_Jeux::MayLeave() {
  if (!HasUnsavedGame()) return true;
  TAnswer answer = TAnswer::Cancel;
  {
    const ClockHold hold(*this);
    answer = AskYesNoCancel(QuitTitle, QuitQuestion);
  }
  switch (answer) {
    case TAnswer::Yes:
      if (SaveGame()) return true;
      break;
    case TAnswer::No:
      return true;
    case TAnswer::Cancel:
      break;
  }
  FocusGrid();
  return false;
}

void Tf_Jeux::CopyPuzzle() { QGuiApplication::clipboard()->setText(GrilleSudoku->PuzzleText()); }

void Tf_Jeux::PastePuzzle() {
  if (GrilleSudoku->GameMode) {
    ShowMessage(PasteOnlyTypingIn);
  } else {
    const QString cells = TGrilleSudoku::ReadPuzzle(QGuiApplication::clipboard()->text());
    if (cells.isEmpty())
      ShowMessage(PasteRefused);
    else
      GrilleSudoku->LoadGrid(cells, QString(), 0);
  }
  FocusGrid();
}

void Tf_Jeux::ToggleNoteMode() {
  const bool notes = !GrilleSudoku->NoteMode;
  (notes ? rc_ModePossibilite : rc_ModeNormal)->SetChecked(true);
  GrilleSudoku->NoteMode = notes;
  FocusGrid();
}

void Tf_Jeux::hl_imprimerClick() {
  const ClockHold hold(*this);
  QPrinter& printer = GrilleSudoku->Printer();
  QPrintDialog dialog(&printer, window());
  if (dialog.exec() == QDialog::Accepted) GrilleSudoku->PrintGrid(printer.copyCount());
  FocusGrid();
}

void Tf_Jeux::hl_CarnetClick() {
  const ClockHold hold(*this);
  Tf_Carnet dialog(Level & RatingLevelBits, window());
  dialog.exec();
  FocusGrid();
}

void Tf_Jeux::hl_AnnulerClick() {
  GrilleSudoku->Undo();
  FocusGrid();
}

void Tf_Jeux::hl_RetablirClick() {
  GrilleSudoku->Redo();
  FocusGrid();
}

void Tf_Jeux::hl_PauseClick() { SetPaused(!Paused_); }

void Tf_Jeux::hl_IndiceClick() {
  QString text;
  GrilleSudoku->GiveHint(text);
  MemoAstuce->setPlainText(GrilleSudoku->TypeBrique == tb_Lettre ? HintInLetters(text) : text);
  ++Helps;
  ShowHelps();
  FocusGrid();
  if (GrilleSudoku->CountEmpty() == 0) FinishGame();
}

void Tf_Jeux::hl_PossibiliteClick() {
  SetPossibilitiesShown(!ShowPossibilities);
  FocusGrid();
}

void Tf_Jeux::SetPossibilitiesShown(bool Shown) {
  ShowPossibilities = Shown;
  GrilleSudoku->SetShowAllCandidates(Shown);
  if (Shown) PossibilitiesUsed = true;
  hl_Possibilite->setText(Shown ? HideCandidatesCaption : ShowCandidatesCaption);
  hl_Possibilite->adjustSize();
}

void Tf_Jeux::hl_ResoudreClick() {
  const std::uint16_t flags = GrilleSudoku->SolveGrid();
  if ((flags & SolveNoSolution) != 0) {
    ShowMessage(CannotSolve);
  } else if ((flags & SolveMultiple) != 0) {
    if (AskYesNo(MultipleTitle, MultipleQuestion)) GrilleSudoku->ShowSolution();
  }
  Helps += flags & SolvedCountMask;
  ShowHelps();
  FocusGrid();
  if (GrilleSudoku->CountEmpty() == 0 && GrilleSudoku->GameMode) FinishGame();
}

void Tf_Jeux::hl_documentationClick() {
  if (TShell* shell = Shell()) shell->OpenHelp();
}

void Tf_Jeux::hl_MenuClick() {
  if (!MayLeave()) return;
  if (TShell* shell = Shell()) shell->ShowMenu();
}

void Tf_Jeux::hl_VerifierGrilleClick() {
  VerifyGrid();
  FocusGrid();
}

void Tf_Jeux::hl_JouerGrilleClick() {
  if (VerifyGrid() && Options != nullptr && Scores != nullptr) {
    SetPlayMode(true);
    SetupScreen(*Options, *Scores);
    RecordGameStarted(Level);
    // The entries that typed the givens are forgotten: undo can never take a
    // given away during play.
    GrilleSudoku->ResetView();
  }
  FocusGrid();
}

void Tf_Jeux::ShowHelps() { l_Indice->setText(QString::number(Helps)); }

void Tf_Jeux::t_ChronometreTimer() { l_Temps->setText(FormatTime(std::uint32_t(ElapsedSeconds()))); }
