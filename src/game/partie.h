// SPDX-License-Identifier: GPL-3.0-or-later
// TPartie: one game, whole. It owns the grid (TGrille) and its history of
// moves for undo and redo, the clock, the helps, the candidates penalty, the
// level the game was dealt or loaded at, whether the puzzle is played or
// typed in, and whether it changed since it was dealt, loaded or saved; it
// applies the end-of-game rule and gives the score.
//
// The history keeps whole states and a position: after k moves the grid is
// the k-th state; undo and redo move the position and take that state back.
// Every digit, pencil mark, hint, "Résoudre" and "Réinitialiser" is one move;
// a digit placed with the tidying of pencil marks (EffaceNotes) is one move
// with what it tidied.
//
// Calls return what happened. Listeners (plain functions, tested before they
// are called) hear that the grid changed and that an entry completed it.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "chrono.h"
#include "grille.h"
#include "score.h"

enum class TMoveKind : std::uint8_t {
  Digit,  // a digit entered (0 erases)
  Note,   // a pencil mark toggled (0 clears the cell's marks)
  Notes,  // "Remplir les notes": the marks of every empty cell
  Hint,   // the digit of a hint
  Solve,  // "Résoudre", or the solution shown after it
  Reset,  // "Réinitialiser", or the grid emptied while a puzzle is typed in
};

// One move of the history. Row and Col are 0 for a move of the whole grid.
struct TMove {
  TMoveKind Kind = TMoveKind::Digit;
  std::uint8_t Row = 0;
  std::uint8_t Col = 0;
  std::uint8_t Digit = 0;     // entered, toggled or hinted
  std::uint8_t Previous = 0;  // the digit the cell held before
};

// What an entry did: whether the grid changed (a move was recorded),
// whether it left no empty cell, and whether it was refused: a given typed
// in that another given of its row, column or block already holds.
struct TEntryResult {
  bool Changed = false;
  bool Completed = false;
  bool Refused = false;
};

// What "Résoudre" did: the flags SolveNoSolution, SolveMultiple,
// SolveGuessed, and the cells it filled or corrected, each one help.
struct TSolveResult {
  std::uint16_t Flags = 0;
  int Settled = 0;
};

class TPartie {
 public:
  explicit TPartie(TChrono::NowFunction Now = {});

  // --- Listeners ---
  // The grid changed: a move, an undo or a redo, a new, loaded or resumed
  // game (NewGame true: what the views remember of the old grid goes).
  std::function<void(bool NewGame)> OnGridChanged;
  // An entry (or its redo) filled the last empty cell.
  std::function<void()> OnComplete;

  // --- What the game is ---
  const TGrille& Grille() const { return Grid_; }
  // The grid for setting a position up by hand (tests, pictures): no move is
  // recorded and no listener hears of it.
  TGrille& Grille() { return Grid_; }
  // Playing a puzzle, or typing one in (entries are then givens). From
  // typing in to playing, the history is forgotten: the moves that typed the
  // givens never come back in play.
  bool Playing() const { return Playing_; }
  void SetPlaying(bool Playing);
  // 1 to 4, the level the game was dealt or loaded at; 0 while a typed-in
  // puzzle has not been accepted.
  int Level() const { return Level_; }
  // The day whose daily grid this game is, or none for any other game.
  std::optional<std::chrono::year_month_day> DailyDay() const { return DailyDay_; }
  int Helps() const { return Helps_; }
  bool CandidatesShown() const { return CandidatesShown_; }
  // Changed since it was dealt, loaded or saved.
  bool Unsaved() const { return Unsaved_; }
  // The end-of-game rule ran: the clock stopped, the score was given.
  bool Finished() const { return Finished_; }
  // Leaving now would lose something: unsaved, not finished, and the grid
  // holds a digit of the player's (a typed given while typing in).
  bool HasProgress() const;
  // There is a game worth taking up again: not finished, and a puzzle dealt,
  // loaded or resumed, or typed in at least in part.
  bool InProgress() const;
  // Changes with every new, loaded, resumed or accepted puzzle.
  std::uint32_t Serial() const { return Serial_; }
  // A digit placed while playing takes the marks of that digit out of its
  // row, column and block, in the same move.
  bool EffaceNotes = false;
  // The hint tries the advanced techniques (X-Wing, chains...) before the
  // guess hint ("IndicesAvances").
  bool AdvancedHints = false;

  // --- The clock ---
  int Seconds() const { return Chrono_.Seconds(); }
  std::uint64_t Milliseconds() const { return Chrono_.Milliseconds(); }
  void SetClock(TChrono::NowFunction Now) { Chrono_.SetNow(std::move(Now)); }
  void SetTimed(bool Timed) { Chrono_.SetTimed(Timed); }
  bool Timed() const { return Chrono_.Timed(); }
  // The clock stands still between the two calls (pause, a dialog); they nest.
  void HoldClock() { Chrono_.Hold(); }
  void ReleaseClock() { Chrono_.Release(); }
  bool ClockRunning() const { return Chrono_.Timed() && !Chrono_.Held() && !Chrono_.Stopped(); }

  // --- Starting a game: the clock, the helps and the penalty start afresh ---
  // A dealt puzzle of Level, played. Without a grid (the level choice or the
  // wait was given up) nothing changes and the result is false.
  // The daily grid of a day gives that day: the game stays that day's daily
  // grid until another starts, resumed included.
  bool NewGame(std::unique_ptr<TGrille> Grid, int Level,
               std::optional<std::chrono::year_month_day> DailyDay = std::nullopt);
  // A saved game: the grid from its text, the level it was saved with (when
  // it is not 1 to 4, the rating of its givens), the seconds and helps it
  // carries on from. The mode stays.
  void Load(std::string_view Givens, std::string_view Digits, int Level, int Seconds, int Helps);
  // A game just loaded carries on from the seconds and helps it was saved
  // with (the load dialog gives them after the grid).
  void CarryOver(int Seconds, int Helps);
  // The grid's rating (RateLevel), for checking a typed-in puzzle.
  std::uint8_t Rate();
  // A typed-in puzzle of this rating becomes the game: its level is the
  // rating's, the history is forgotten (no undo takes a given away), the
  // clock and the helps start from zero. False (nothing changes) when the
  // rating says it cannot be solved.
  bool PlayTypedIn(std::uint8_t Rating);

  // --- Moves ---
  // A digit (Note false) or a pencil mark at the cell. Nothing when the cell
  // already holds Digit or, while playing, is a given. While typing in, a
  // digit that breaks the rules of the givens is refused (the cell keeps
  // its content). After every move, a digit marked for breaking a rule whose
  // clash is gone loses its mark.
  TEntryResult Enter(int Row, int Col, int Digit, bool Note);
  // One hint step; counts one help, found or not.
  std::optional<HintStep> Hint();
  // "Résoudre"; every cell filled or corrected counts one help.
  TSolveResult Solve();
  // The first solution after "Résoudre" found several; the cells filled
  // count as helps. Returns their number.
  int ShowSolution();
  // "Réinitialiser": back to the givens. Time and helps go on.
  void Reset();
  // Typing a puzzle in, "Effacer la grille": the grid empty, givens too.
  void Clear();
  // The move taken back or made again, or none when there is none.
  std::optional<TMove> Undo();
  std::optional<TMove> Redo();
  // The moves that undo can take back, oldest first, and those that redo can
  // make again, the next one last.
  std::vector<TMove> UndoMoves() const;
  std::vector<TMove> RedoMoves() const;
  void ForgetHistory();

  // --- Candidates ---
  // The candidates were shown: the game pays the penalty.
  void NoteCandidatesShown() { CandidatesShown_ = true; }
  // "Remplir les notes": every empty cell gets as its pencil marks the digits
  // the rules still allow there, in one move; the candidates penalty is paid.
  // Nothing (false) when the marks were already those, or while typing in.
  bool FillNotes();

  // --- End of game ---
  // The grid is complete and accepted: the clock stops, the score is given.
  TScore Finish();

  // --- Saving ---
  // The grid text form with the game's level (see TGrille::SaveToText).
  std::string SaveText(bool IncludeDigits, long long Time, int Hints) const;
  void MarkSaved() { Unsaved_ = false; }

  // --- Resuming ---
  // The whole game as text: givens, digits, pencil marks, error marks, the
  // hinted cell, the clock, helps, penalty, level, mode and daily day.
  std::string ResumeText() const;
  // Takes the game back from ResumeText. A text that is cut, damaged or of a
  // newer version changes nothing and gives false.
  bool Resume(std::string_view Text);

 private:
  // A new game in Grid_: counters from the values given, history forgotten.
  void Begin(int Level, std::uint64_t CarriedMs, int Helps,
             std::optional<std::chrono::year_month_day> DailyDay = std::nullopt);
  // Grid_ holds the outcome of a move: it is recorded and announced.
  void Record(const TMove& Move);
  void Announce(bool NewGame);
  void TidyNotes(int Row, int Col, int Digit);
  // The state at the position becomes the grid.
  void TakeState();
  // Whether the puzzle has one solution, worked out once per puzzle.
  bool OneSolution();

  TGrille Grid_;
  // States_[k] is the grid after Moves_[0..k), k up to Moves_.size().
  std::vector<TGrille> States_;
  std::vector<TMove> Moves_;
  std::size_t Position_ = 0;
  TChrono Chrono_;
  bool Playing_ = true;
  int Level_ = 0;
  std::optional<std::chrono::year_month_day> DailyDay_;
  int Helps_ = 0;
  bool CandidatesShown_ = false;
  bool Unsaved_ = false;
  bool Finished_ = false;
  std::uint32_t Serial_ = 0;
  // OneSolution() for the puzzle of that serial, once worked out.
  std::optional<std::pair<std::uint32_t, bool>> OneSolution_;
};
