// SPDX-License-Identifier: GPL-3.0-or-later
#include "partie.h"

#include <algorithm>
#include <utility>

#include "advancedhint.h"
#include "diabolique.h"
#include "hintwriter.h"

namespace {

// The cells that share a row, a column or a block with (Row, Col).
template <class Visit>
void ForEachPeer(int Row, int Col, Visit&& visit) {
  for (int r = 1; r <= 9; ++r)
    for (int c = 1; c <= 9; ++c)
      if ((r != Row || c != Col) && (r == Row || c == Col || BlockOf(r, c) == BlockOf(Row, Col))) visit(r, c);
}

// Cells to settle: empty ones and wrong ones.
int Unsettled(const TGrille& Grid) { return Grid.CountEmpty() + Grid.CountErrors(); }

constexpr std::uint16_t SettledMask = 0xFF;

HintLanguage& RunHintLanguage() {
  static HintLanguage language = HintLanguage::French;
  return language;
}

}  // namespace

TPartie::TPartie(TChrono::NowFunction Now) : Chrono_(std::move(Now)) { States_.push_back(Grid_); }

void TPartie::SetPlaying(bool Playing) {
  // The moves that typed the givens in never come back in play: undo can
  // never take a given away.
  if (Playing && !Playing_) ForgetHistory();
  Playing_ = Playing;
}

bool TPartie::HasProgress() const {
  if (!Unsaved_ || Finished_) return false;
  if (Grid_.CountEmpty() == 0 && Grid_.CountErrors() == 0) return false;
  for (std::size_t i = 0; i < 81; ++i)
    if (Grid_.Digits[i] != 0 && (!Playing_ || Grid_.Givens[i] == 0)) return true;
  return false;
}

bool TPartie::InProgress() const {
  if (Finished_) return false;
  if (Playing_) return Serial_ > 0;
  return Grid_.CountEmpty() < 81;
}

std::optional<TFull> TPartie::Full() const {
  if (!Playing_ || Finished_ || Grid_.CountEmpty() != 0) return std::nullopt;
  return Grid_.CountErrors() == 0 ? TFull::Solved : TFull::ErrorsRemain;
}

void TPartie::AnnounceIfFull() {
  if (const std::optional<TFull> full = Full(); full && OnComplete) OnComplete(*full);
}

bool TPartie::SetPaused(bool Paused) {
  if (Paused == Paused_ || (Paused && (!Playing_ || Finished_))) return false;
  Paused_ = Paused;
  if (Paused)
    Chrono_.Hold();
  else
    Chrono_.Release();
  return true;
}

// The techniques of the levels reach only some cells of a "Diabolique" grid
// loaded, resumed or typed in: its digits are judged against the puzzle's one
// solution, as they are on a grid just dealt.
void TPartie::JudgeByTheWholeSolution() {
  std::string givens(81, '0');
  for (std::size_t i = 0; i < 81; ++i) givens[i] = char('0' + Grid_.Givens[i]);
  TGrille puzzle;
  puzzle.LoadFromText(givens, {});
  if (puzzle.FirstSolutionStored && !puzzle.MultipleSolutions) Grid_.AdoptSolution(puzzle.FirstSolution);
}

void TPartie::Begin(int Level, std::uint64_t CarriedMs, int Helps,
                    std::optional<std::chrono::year_month_day> DailyDay) {
  SetPaused(false);
  Level_ = Level;
  if (Level == LevelDiabolique) JudgeByTheWholeSolution();
  DailyDay_ = DailyDay;
  Helps_ = Helps;
  Origin_ = TOrigin::Dealt;
  CandidatesShown_ = false;
  Result_.reset();
  Finished_ = false;
  Unsaved_ = false;
  ++Serial_;
  ++Stamp_;
  Chrono_.Start(CarriedMs);
  ForgetHistory();
  Announce(true);
}

bool TPartie::NewGame(std::unique_ptr<TGrille> Grid, int Level, std::optional<std::chrono::year_month_day> DailyDay) {
  if (!Grid) return false;
  Grid_ = std::move(*Grid);
  Playing_ = true;
  Begin(Level, 0, 0, DailyDay);
  return true;
}

void TPartie::Load(std::string_view Givens, std::string_view Digits, int Level, int Seconds, int Helps) {
  int level = Level & RatingLevelBits;
  if (Level < LevelFacile || Level > HighestLevel) {
    // The level the puzzle was dealt at is that of its givens, whatever the
    // player has done on it since.
    TGrille puzzle;
    puzzle.LoadFromText(Givens, {});
    level = puzzle.RateLevel() & RatingLevelBits;
  }
  Grid_.LoadFromText(Givens, Digits);
  Begin(level, std::uint64_t(std::max(0, Seconds)) * 1000, std::max(0, Helps));
}

std::uint8_t TPartie::Rate() { return AdvancedHints ? RateWithAdvanced(Grid_) : Grid_.RateLevel(); }

bool TPartie::PlayTypedIn(std::uint8_t Rating) {
  const int level = Rating & RatingLevelBits;
  if (level < LevelFacile || level > HighestLevel || TypedClash()) return false;
  Playing_ = true;
  Begin(level, 0, 0);
  Origin_ = TOrigin::TypedIn;
  return true;
}

void TPartie::Announce(bool NewGame) {
  if (OnGridChanged) OnGridChanged(NewGame);
}

void TPartie::Record(const TMove& Move) {
  Grid_.ForgetSettledClashes();
  Moves_.resize(Position_);
  States_.resize(Position_ + 1);
  Moves_.push_back(Move);
  States_.push_back(Grid_);
  ++Position_;
  Unsaved_ = true;
  // Pencil marks leave the hint as it was: its ladder goes on.
  if (Move.Kind != TMoveKind::Note && Move.Kind != TMoveKind::Notes) ++Stamp_;
  Announce(false);
}

void TPartie::TakeState() { Grid_ = States_[Position_]; }

void TPartie::ForgetHistory() {
  Moves_.clear();
  States_.assign(1, Grid_);
  Position_ = 0;
}

void TPartie::TidyNotes(int Row, int Col, int Digit) {
  if (!EffaceNotes || !Playing_ || Digit < 1 || Digit > 9) return;
  const auto bit = std::uint16_t(1u << (Digit - 1));
  ForEachPeer(Row, Col, [&](int r, int c) {
    std::uint16_t& notes = Grid_.Notes[std::size_t(Cell(r, c))];
    notes = std::uint16_t(notes & ~bit);
  });
}

TEntryResult TPartie::Enter(int Row, int Col, int Digit, bool Note) {
  if (Row < 1 || Row > 9 || Col < 1 || Col > 9 || Digit < 0 || Digit > 9) return {};
  int kind = KindPlain;
  const int current = Grid_.GetCellState(Row, Col, kind);
  // While playing, a given never changes.
  if (current == Digit || (Playing_ && kind == KindGiven)) return {};
  if (!Playing_ && !Note && Grid_.Clashes(Row, Col, Digit)) return {.Refused = true};
  Grid_.ForgetHintAt(Row, Col);  // the hint colour leaves a cell the player changes
  Grid_.EnterDigit(Row, Col, Digit, !Playing_, Note);
  if (!Note) TidyNotes(Row, Col, Digit);
  Record({Note ? TMoveKind::Note : TMoveKind::Digit, std::uint8_t(Row), std::uint8_t(Col), std::uint8_t(Digit),
          std::uint8_t(current)});
  // A pencil mark on a full grid does not complete it again.
  const TEntryResult result{true, !Note && Grid_.CountEmpty() == 0};
  if (!Note) AnnounceIfFull();
  return result;
}

void TPartie::SetHintLanguage(HintLanguage Language) { RunHintLanguage() = Language; }

HintLanguage TPartie::HintLanguageOfRun() { return RunHintLanguage(); }

HintOptions TPartie::HintSearch() { return {AdvancedHints, AdvancedHints && OneSolution()}; }

std::optional<HintStep> TPartie::Hint() {
  if (!Ladder_.GiveWhole(Stamp_)) ++Helps_;
  return PlaceHint();
}

std::optional<TRung> TPartie::HintRung() {
  const THintLadder::TClimb climb = Ladder_.Climb(
      Stamp_,
      [this] {
        TGrille probe = Grid_;
        return probe.FindHint(HintSearch());
      },
      HintLanguageOfRun());
  if (climb.NewHint) {
    ++Helps_;
    Unsaved_ = true;
  }
  if (climb.Rung && climb.Rung->Kind == TRung::TKind::Placement) PlaceHint();
  return climb.Rung;
}

std::optional<HintStep> TPartie::PlaceHint() {
  std::optional<HintStep> hint = Grid_.FindHint(HintSearch());
  if (hint) {
    // The grid keeps the last hint's sentence for the tip and the resume.
    hint->Text = Grid_.HintText = hintwriter::HintSentence(*hint, HintLanguageOfRun());
    TidyNotes(hint->Row, hint->Col, hint->Digit);
    Record({TMoveKind::Hint, std::uint8_t(hint->Row), std::uint8_t(hint->Col), std::uint8_t(hint->Digit),
            std::uint8_t(hint->Replaced)});
    AnnounceIfFull();
  } else {
    Unsaved_ = true;  // the help counts
  }
  return hint;
}

bool TPartie::FillNotes() {
  if (!Playing_) return false;
  NoteCandidatesShown();
  Grid_.ComputeCandidates();
  const WordArray before = Grid_.Notes;
  for (std::size_t i = 0; i < Grid_.Notes.size(); ++i)
    if (Grid_.Digits[i] == 0) Grid_.Notes[i] = Grid_.Candidates[i];
  if (Grid_.Notes == before) return false;
  Record({TMoveKind::Notes});
  return true;
}

bool TPartie::OneSolution() {
  // Typing a puzzle in changes its givens under the same serial.
  if (!Playing_) return advanced::HasOneSolution(Grid_);
  if (!OneSolution_ || OneSolution_->first != Serial_) OneSolution_.emplace(Serial_, advanced::HasOneSolution(Grid_));
  return OneSolution_->second;
}

TSolveResult TPartie::Solve() {
  const WordArray before = Grid_.Digits;
  TSolveResult result;
  result.Flags = Grid_.SolveGrid();
  result.Settled = result.Flags & SettledMask;
  Helps_ += result.Settled;
  if (Grid_.Digits != before) Record({TMoveKind::Solve});
  AnnounceIfFull();
  return result;
}

int TPartie::ShowSolution() {
  const int before = Unsettled(Grid_);
  const WordArray digits = Grid_.Digits;
  Grid_.ShowFirstSolution();
  const int filled = std::max(0, before - Unsettled(Grid_));
  Helps_ += filled;
  if (Grid_.Digits != digits) Record({TMoveKind::Solve});
  AnnounceIfFull();
  return filled;
}

void TPartie::Reset() {
  Grid_.Clear(false);
  Record({TMoveKind::Reset});
}

void TPartie::Clear() {
  Grid_.LoadFromText({}, {});
  Record({TMoveKind::Reset});
}

void TPartie::Paste(std::string_view Cells) {
  // The givens of the text are those that break no rule of the ones before
  // them; the digits part gives every cell, so that a clashing one stays as
  // a player's digit marked for the clash.
  Grid_.LoadFromText(Cells, Cells);
  Record({TMoveKind::Reset});
}

std::optional<TCellDigit> TPartie::TypedClash() const {
  if (Playing_) return std::nullopt;
  for (int row = 1; row <= 9; ++row)
    for (int col = 1; col <= 9; ++col) {
      int kind = KindPlain;
      const int digit = Grid_.GetCellState(row, col, kind);
      if (digit != 0 && kind == KindBrokeRule) return TCellDigit{row, col, digit};
    }
  return std::nullopt;
}

std::optional<TMove> TPartie::Undo() {
  if (Position_ == 0) return std::nullopt;
  const TMove move = Moves_[--Position_];
  TakeState();
  // As when it was entered, the hint colour leaves the cell.
  if (move.Kind != TMoveKind::Solve && move.Kind != TMoveKind::Reset) Grid_.ForgetHintAt(move.Row, move.Col);
  Unsaved_ = true;
  ++Stamp_;
  Announce(false);
  return move;
}

std::optional<TMove> TPartie::Redo() {
  if (Position_ >= Moves_.size()) return std::nullopt;
  const TMove move = Moves_[Position_++];
  TakeState();
  Unsaved_ = true;
  ++Stamp_;
  Announce(false);
  // A move redone that fills the last cell ends the game, as when it was
  // made; a pencil mark does not.
  if (move.Kind != TMoveKind::Note && move.Kind != TMoveKind::Notes) AnnounceIfFull();
  return move;
}

std::vector<TMove> TPartie::UndoMoves() const { return {Moves_.begin(), Moves_.begin() + std::ptrdiff_t(Position_)}; }

std::vector<TMove> TPartie::RedoMoves() const { return {Moves_.rbegin(), Moves_.rend() - std::ptrdiff_t(Position_)}; }

TGameResult TPartie::Finish(std::optional<std::chrono::year_month_day> DailyCounted) {
  if (Result_) return *Result_;
  // The errors left are corrected as "Résoudre" would, each a help.
  if (Full() == TFull::ErrorsRemain) {
    const int before = Unsettled(Grid_);
    Grid_.SolveGrid();
    Helps_ += std::max(0, before - Unsettled(Grid_));
    Record({TMoveKind::Solve});
  }
  SetPaused(false);
  Chrono_.Stop();
  Finished_ = true;
  TGameResult result;
  result.Timed = Chrono_.Timed();
  result.Level = Level_;
  result.Helps = Helps_;
  result.CandidatesShown = CandidatesShown_;
  result.Origin = Origin_;
  result.DailyDay = DailyDay_;
  result.Score = ComputeScore(std::uint32_t(Chrono_.Seconds()), Helps_, Level_, CandidatesShown_);
  result.Counts = Playing_ && !(DailyDay_ && DailyCounted && *DailyDay_ == *DailyCounted);
  Result_ = result;
  return result;
}

std::string TPartie::SaveText() const {
  return Grid_.SaveToText(true, Level_, Playing_ ? Seconds() : 0, std::min(Helps_, MaxStoredHelps));
}

std::string TPartie::PuzzleText() const { return Grid_.SaveToText(false, Level_, 0, 0); }

TKeep TPartie::KeepAction() const {
  if (Finished_) return TKeep::Remove;
  return Playing_ && Serial_ > 0 ? TKeep::Keep : TKeep::Nothing;
}
