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
// are called) hear that the grid changed and that a move filled it.
//
// The end of a game is decided here: every move that leaves no empty cell
// while playing (a digit, a hint, "Résoudre", a redo) says so, with whether
// errors remain; Finish() then gives the one result of the game (TGameResult)
// that the end dialog shows and the records take.
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
#include "hintladder.h"
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

// What a move that filled the last cell left: a solved grid, or errors that
// the player may still correct (Finish corrects them, each a help).
enum class TFull : std::uint8_t { Solved, ErrorsRemain };

// How the player was looking at the game when it was kept: the selected cell,
// the tip shown (the last hint's sentence, empty for none) and what that hint
// tints. It comes back with the game taken up.
struct TVue {
  int Row = 1;
  int Col = 1;
  std::string Tip;
  HintFocusT Focus;
  bool operator==(const TVue&) const = default;
};

// What the game-in-progress file should do after a change: keep the game
// (played), remove it (finished), or nothing (a puzzle being typed in is not
// a game yet and never takes the place of the game left).
enum class TKeep : std::uint8_t { Nothing, Keep, Remove };

// A digit at a cell.
struct TCellDigit {
  int Row = 0;
  int Col = 0;
  int Digit = 0;
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
  // A move (a digit, a hint, "Résoudre", a redo) filled the last empty cell
  // while playing.
  std::function<void(TFull)> OnComplete;

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
  // 1 to 5, the level the game was dealt or loaded at; 0 while a typed-in
  // puzzle has not been accepted.
  int Level() const { return Level_; }
  // The day whose daily grid this game is, or none for any other game.
  std::optional<std::chrono::year_month_day> DailyDay() const { return DailyDay_; }
  int Helps() const { return Helps_; }
  // A dealt or loaded puzzle, or one typed in and accepted.
  TOrigin Origin() const { return Origin_; }
  bool CandidatesShown() const { return CandidatesShown_; }
  // Changed since it was dealt, loaded or saved.
  bool Unsaved() const { return Unsaved_; }
  // The end-of-game rule ran: the clock stopped, the score was given.
  bool Finished() const { return Finished_; }
  // Playing, not finished, and no empty cell left: the game waits for its end
  // (Finish), or for the player to correct the errors left.
  std::optional<TFull> Full() const;
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
  // guess hint ("IndicesAvances"), and a typed-in puzzle they finish
  // without a guess is rated "Diabolique" (Rate).
  bool AdvancedHints = false;
  // The language of the hint sentences of every game of the run (the nudges,
  // the steps, the whole hint, the guess): the interface's, set once at start
  // (French until then). A sentence stored in a game taken up stays as written.
  static void SetHintLanguage(HintLanguage Language);
  static HintLanguage HintLanguageOfRun();

  // --- The clock ---
  int Seconds() const { return Chrono_.Seconds(); }
  std::uint64_t Milliseconds() const { return Chrono_.Milliseconds(); }
  void SetClock(TChrono::NowFunction Now) { Chrono_.SetNow(std::move(Now)); }
  void SetTimed(bool Timed) { Chrono_.SetTimed(Timed); }
  bool Timed() const { return Chrono_.Timed(); }
  // The clock stands still between the two calls (a dialog); they nest.
  void HoldClock() { Chrono_.Hold(); }
  void ReleaseClock() { Chrono_.Release(); }
  bool ClockRunning() const { return Chrono_.Timed() && !Chrono_.Held() && !Chrono_.Stopped(); }
  // The pause: the clock stands still until the game goes on. Only a game
  // being played and not finished pauses; a new game is never paused. True
  // when the call changed something.
  bool SetPaused(bool Paused);
  bool Paused() const { return Paused_; }

  // --- Starting a game: the clock, the helps and the penalty start afresh ---
  // A dealt puzzle of Level, played. Without a grid (the level choice or the
  // wait was given up) nothing changes and the result is false.
  // The daily grid of a day gives that day: the game stays that day's daily
  // grid until another starts, resumed included.
  bool NewGame(std::unique_ptr<TGrille> Grid, int Level,
               std::optional<std::chrono::year_month_day> DailyDay = std::nullopt);
  // A saved game: the grid from its text, the level it was saved with (when
  // it is not 1 to 5, the rating of its givens), the seconds and helps it
  // carries on from. The mode stays.
  void Load(std::string_view Givens, std::string_view Digits, int Level, int Seconds, int Helps);
  // The grid's rating (RateLevel), for checking a typed-in puzzle; with
  // AdvancedHints the one that counts them (RateWithAdvanced: "Diabolique").
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
  // "Indice": the whole hint, its digit placed. One help, found or not,
  // unless "Coup de pouce" showed a rung of this hint already.
  std::optional<HintStep> Hint();
  // "Coup de pouce": the next rung of the hint (THintLadder); its first rung
  // counts one help, found or not; the last places the digit as Hint() does.
  std::optional<TRung> HintRung();
  // The colour of the tint of the rung last shown, while the ladder is on
  // (0 otherwise: the hint's own).
  int HintRungHue() const { return Ladder_.Hue(Stamp_); }
  // The position of the grid the hint ladder speaks of: it changes with
  // every move but pencil marks, undo, redo and every new game.
  std::uint64_t HintPosition() const { return Stamp_; }
  // "Résoudre"; every cell filled or corrected counts one help.
  TSolveResult Solve();
  // The first solution after "Résoudre" found several; the cells filled
  // count as helps. Returns their number.
  int ShowSolution();
  // "Réinitialiser": back to the givens. Time and helps go on.
  void Reset();
  // Typing a puzzle in, "Effacer la grille": the grid empty, givens too.
  void Clear();
  // Typing a puzzle in: the 81 cells of a pasted text ("0" empty) become the
  // grid as if typed one by one. A digit that breaks a rule of the givens
  // before it stays in its cell as a digit that broke a rule (a typed one
  // would be refused), for the player to see and take away. One move.
  void Paste(std::string_view Cells);
  // Typing a puzzle in: the first digit of the grid that breaks a rule of
  // the givens (a pasted one), or none. No puzzle is played with one.
  std::optional<TCellDigit> TypedClash() const;
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
  // the rules still allow there, in one move; the candidates penalty is paid
  // (the marks show every candidate), undone or not. Nothing (false) when the
  // marks were already those, or while typing in.
  bool FillNotes();

  // --- End of game ---
  // The grid is full and the player accepts it as it is: the errors left are
  // corrected (each a help, as by "Résoudre"), the clock stops and the game
  // gives its result. DailyCounted is the last day whose daily grid was
  // finished and counted (the statistics know it): a daily grid of that day
  // is played again but counts no more. A game finished already gives the
  // same result again.
  TGameResult Finish(std::optional<std::chrono::year_month_day> DailyCounted = std::nullopt);

  // --- Saving ---
  // The grid text form with the game's level, its time of play (none while a
  // puzzle is typed in) and its helps (at most MaxStoredHelps).
  std::string SaveText() const;
  // The puzzle alone: the givens, no time, no helps.
  std::string PuzzleText() const;
  void MarkSaved() { Unsaved_ = false; }

  // What the game-in-progress file should do now.
  TKeep KeepAction() const;

  // --- Resuming ---
  // The whole game as text: givens, digits, pencil marks, error marks, the
  // hinted cell, the clock, helps, penalty, level, origin, mode, daily day,
  // the history, and how the player was looking at it (Vue).
  std::string ResumeText(const TVue& Vue = {}) const;
  // Takes the game back from ResumeText, and gives how the player was looking
  // at it. A text that is cut, damaged or of a newer version changes nothing
  // and gives none.
  std::optional<TVue> Resume(std::string_view Text);

 private:
  // A new game in Grid_: counters from the values given, history forgotten.
  void JudgeByTheWholeSolution();
  void Begin(int Level, std::uint64_t CarriedMs, int Helps,
             std::optional<std::chrono::year_month_day> DailyDay = std::nullopt);
  // After a move: a grid filled while playing is announced (OnComplete).
  void AnnounceIfFull();
  // Grid_ holds the outcome of a move: it is recorded and announced.
  void Record(const TMove& Move);
  void Announce(bool NewGame);
  void TidyNotes(int Row, int Col, int Digit);
  // The state at the position becomes the grid.
  void TakeState();
  // Whether the puzzle has one solution, worked out once per puzzle.
  bool OneSolution();
  HintOptions HintSearch();
  // The hint's digit placed as a move; none found leaves the grid as it is.
  std::optional<HintStep> PlaceHint();

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
  TOrigin Origin_ = TOrigin::Dealt;
  bool CandidatesShown_ = false;
  bool Paused_ = false;
  // The result given by Finish, for as long as the game stays finished.
  std::optional<TGameResult> Result_;
  bool Unsaved_ = false;
  bool Finished_ = false;
  std::uint32_t Serial_ = 0;
  // The position of the grid for the hint ladder: it changes with every move
  // but pencil marks, with undo, redo and every new game.
  std::uint64_t Stamp_ = 0;
  THintLadder Ladder_;
  // OneSolution() for the puzzle of that serial, once worked out.
  std::optional<std::pair<std::uint32_t, bool>> OneSolution_;
};
