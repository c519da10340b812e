// SPDX-License-Identifier: GPL-3.0-or-later
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
#include <optional>
#include <string>
#include <utility>

#include "carnet.h"
#include "charge.h"
#include "finjeu.h"
#include "grillesudoku.h"
#include "hintletters.h"
#include "hotlabel.h"
#include "look.h"
#include "messages.h"
#include "options.h"
#include "partie.h"
#include "recorder.h"
#include "rondcoche.h"
#include "sauve.h"
#include "scores.h"
#include "shell.h"
#include "wholelines.h"

#include "jeux_shared.h"

using namespace Jeux;

namespace {

QString LevelName(int Rating) {
  const int level = Rating & RatingLevelBits;
  return level >= LevelFacile && level <= HighestLevel ? ShownLevelName(level) : QString();
}

}  // namespace

std::uint8_t Tf_Jeux::VerifyGrid() {
  // A digit pasted where the rules forbid it stays in the grid until the
  // player takes it away: no puzzle to play yet.
  if (const std::optional<TCellDigit> clash = Partie().TypedClash()) {
    ShowMessage(VerifyClash()
                    .arg(GrilleSudoku->DigitText(clash->Digit, GrilleSudoku->TypeBrique))
                    .arg(clash->Row)
                    .arg(clash->Col));
    return 0;
  }
  const std::uint8_t rating = GrilleSudoku->RateGrid();
  if (rating == 0) {
    ShowMessage(VerifyCannotSolve());
    return 0;
  }
  const QString name = LevelName(rating);
  QString sentence = VerifySolvable();
  if ((rating & RatingGuess) != 0) sentence = (rating & RatingMultiple) != 0 ? VerifySeveral() : VerifyGuessing();
  ShowMessage(sentence + QLatin1Char('\n') + tr("Niveau de la grille: %1").arg(name));
  return rating;
}

// --- Commands ---

void Tf_Jeux::hl_reinitClick() {
  GrilleSudoku->ClearGrid(false);
  FocusGrid();
}

void Tf_Jeux::hl_newgrilleClick() {
  if (GrilleSudoku->GameMode()) {
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
  dialog.Game = TSavedGame::FromGridText(QString::fromStdString(Partie().SaveText()));
  if (dialog.exec() != QDialog::Accepted) return false;
  Partie().MarkSaved();
  return true;
}

bool Tf_Jeux::HasUnsavedGame() const {
  // A game kept for later is never lost.
  return Options != nullptr && Options->ProposerSauvegarde && !Options->ReprendrePartie && Partie().HasProgress();
}

bool Tf_Jeux::MayLeave() {
  if (!HasUnsavedGame()) return true;
  TAnswer answer = TAnswer::Cancel;
  {
    const ClockHold hold(*this);
    answer = AskYesNoCancel(QuitTitle(), QuitQuestion());
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
  if (GrilleSudoku->GameMode()) {
    ShowMessage(PasteOnlyTypingIn());
  } else {
    const QString cells = TGrilleSudoku::ReadPuzzle(QGuiApplication::clipboard()->text());
    if (cells.isEmpty())
      ShowMessage(PasteRefused());
    else
      GrilleSudoku->PastePuzzle(cells);
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
  Tf_Carnet dialog(Partie().Level(), window());
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

void Tf_Jeux::hl_PauseClick() { SetPaused(!Paused()); }

void Tf_Jeux::ShowHintTip(const std::string& Text, bool Paged) {
  HintTip_ = Text;
  QString text = QString::fromStdString(Text);
  if (GrilleSudoku->TypeBrique == tb_Lettre) text = HintInLetters(text);
  TipPages_ = Paged ? WholeLinePages(*MemoAstuce, text, MoreTip()) : QStringList();
  TipPage_ = 0;
  TipPagesAt_ = Partie().HintPosition();
  MemoAstuce->setPlainText(TipPages_.size() > 1 ? TipPages_.front() : text);
  TipShown_ = MemoAstuce->toPlainText();
}

bool Tf_Jeux::TurnTipPage() {
  if (TipPage_ + 1 >= TipPages_.size() || TipPagesAt_ != Partie().HintPosition() ||
      MemoAstuce->toPlainText() != TipShown_)
    return false;
  MemoAstuce->setPlainText(TipPages_[++TipPage_]);
  TipShown_ = MemoAstuce->toPlainText();
  FocusGrid();
  return true;
}

void Tf_Jeux::hl_IndiceClick() {
  RunHintCommand([this] {
    QString text;
    GrilleSudoku->GiveHint(text);
    return text.toStdString();
  });
}

void Tf_Jeux::CoupDePouceClick() {
  if (TurnTipPage()) return;
  RunHintCommand(
      [this] {
        const std::optional<TRung> rung = GrilleSudoku->GiveHintRung();
        if (!rung) return std::string();
        return tr("Coup de pouce %1/%2\u00A0: %3")
            .arg(QString::number(rung->Number), QString::number(rung->Count), QString::fromStdString(rung->Text))
            .toStdString();
      },
      true);
}

void Tf_Jeux::RunHintCommand(const std::function<std::string()>& Give, bool Paged) {
  InCommand_ = true;
  const std::string text = Give();
  ShowHintTip(text, Paged);
  ShowHelps();
  KeepGame();  // a hint that found nothing still counts
  FocusGrid();
  InCommand_ = false;
  if (std::exchange(EndPending_, false)) FinishGame();
}

void Tf_Jeux::hl_PossibiliteClick() {
  SetPossibilitiesShown(!ShowPossibilities);
  FocusGrid();
}

void Tf_Jeux::RemplirNotesClick() {
  // The penalty counts even when the marks were complete already.
  if (!GrilleSudoku->FillNotes()) KeepGame();
  FocusGrid();
}

void Tf_Jeux::SetPossibilitiesShown(bool Shown) {
  ShowPossibilities = Shown;
  GrilleSudoku->SetShowAllCandidates(Shown);
  if (Shown && !Partie().CandidatesShown()) {
    Partie().NoteCandidatesShown();
    KeepGame();
  }
  hl_Possibilite->setText(Shown ? HideCandidatesCaption() : ShowCandidatesCaption());
  hl_Possibilite->adjustSize();
}

void Tf_Jeux::hl_ResoudreClick() {
  // Solving ends a game being played: the player says so first. Typing a
  // puzzle in, it only shows the solution.
  if (GrilleSudoku->GameMode() && !Partie().Finished()) {
    bool solve = false;
    {
      const ClockHold hold(*this);
      solve = AskYesNoDefaultNo(SolveTitle(), SolveQuestion());
    }
    if (!solve) {
      FocusGrid();
      return;
    }
  }
  InCommand_ = true;
  const std::uint16_t flags = GrilleSudoku->SolveGrid();
  if ((flags & SolveNoSolution) != 0) {
    ShowMessage(CannotSolve());
  } else if ((flags & SolveMultiple) != 0) {
    if (AskYesNo(MultipleTitle(), MultipleQuestion())) GrilleSudoku->ShowSolution();
  }
  ShowHelps();
  FocusGrid();
  InCommand_ = false;
  if (std::exchange(EndPending_, false)) FinishGame();
}

void Tf_Jeux::hl_documentationClick() {
  if (TShell* shell = Shell()) shell->OpenHelp();
}

void Tf_Jeux::hl_MenuClick() {
  if (!MayLeave()) return;
  KeepGame();
  if (TShell* shell = Shell()) shell->ShowMenu();
}

void Tf_Jeux::hl_VerifierGrilleClick() {
  VerifyGrid();
  FocusGrid();
}

void Tf_Jeux::hl_JouerGrilleClick() {
  // The typed digits become the givens of a game at the puzzle's level, with
  // no history (undo can never take a given away), the clock and the helps
  // from zero.
  if (Options != nullptr && Partie().PlayTypedIn(VerifyGrid())) {
    SetPlayMode(true);
    SetupScreen();
    if (Recorder_ != nullptr) Recorder_->Started(Partie());
    GrilleSudoku->ResetView();
  }
  FocusGrid();
}

void Tf_Jeux::ShowHelps() { l_Indice->setText(QString::number(Partie().Helps())); }

void Tf_Jeux::t_ChronometreTimer() {
  const int seconds = ElapsedSeconds();
  l_Temps->setText(FormatTime(std::uint32_t(seconds)));
  // The clock is kept too, now and then: a crash loses a few seconds at most.
  if (seconds >= KeptAtSeconds_ + KeepClockEverySeconds) KeepGame();
}
