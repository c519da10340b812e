// SPDX-License-Identifier: GPL-3.0-or-later
// The game model without a window: undo and redo of every kind of move, the
// clock, the helps, the level through saves and loads, the end of a game,
// resuming, and the faults of the game screen that the model now rules out.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <tuple>

#include "partie.h"

namespace {

// A classic puzzle and its solution.
const std::string Puzzle = "530070000600195000098000060800060003400803001700020006060000280000419005000080079";
const std::string Solved = "534678912672195348198342567859761423426853791713924856961537284287419635345286179";

int SolvedDigit(int Row, int Col) { return Solved[std::size_t(Cell(Row, Col))] - '0'; }

struct PartieTest : ::testing::Test {
  std::uint64_t Now = 1000;
  TPartie Game{[this] { return Now; }};

  void Deal(const std::string& Givens = Puzzle, int Level = LevelMoyen) {
    auto grid = std::make_unique<TGrille>();
    grid->LoadFromText(Givens, {});
    ASSERT_TRUE(Game.NewGame(std::move(grid), Level));
  }
  void Wait(int Seconds) { Now += std::uint64_t(Seconds) * 1000; }
  // The player fills every empty cell with its solution but the last one,
  // (9, 7), which Complete fills.
  void FillAllButOne() {
    for (int i = 0; i < LastEmpty; ++i)
      if (Game.Grille().Digits[std::size_t(i)] == 0)
        Game.Enter(i / 9 + 1, i % 9 + 1, Solved[std::size_t(i)] - '0', false);
  }
  void Complete() { ASSERT_TRUE(Game.Enter(9, 7, SolvedDigit(9, 7), false).Completed); }
  static constexpr int LastEmpty = Cell(9, 7);
};

// What the player sees of a grid.
std::string Picture(const TGrille& Grid) {
  std::string text = Grid.SaveToText(true, 0, 0, 0);
  for (std::size_t i = 0; i < 81; ++i)
    text += std::to_string(Grid.Notes[i]) + "," + std::to_string(Grid.Marks[i]) + ";";
  return text;
}

TEST_F(PartieTest, EveryKindOfMoveIsUndoneAndRedoneWhole) {
  struct Case {
    const char* Name;
    std::function<void(TPartie&)> Move;
    TMoveKind Kind;
  };
  const Case cases[] = {
      {"a digit", [](TPartie& g) { g.Enter(1, 3, 4, false); }, TMoveKind::Digit},
      {"a wrong digit over a right one",
       [](TPartie& g) {
         g.Enter(1, 3, 4, false);
         g.Enter(1, 3, 6, false);
       },
       TMoveKind::Digit},
      {"a pencil mark", [](TPartie& g) { g.Enter(1, 3, 2, true); }, TMoveKind::Note},
      {"the marks cleared",
       [](TPartie& g) {
         g.Enter(1, 3, 2, true);
         g.Enter(1, 3, 4, true);
         g.Enter(1, 3, 0, true);
       },
       TMoveKind::Note},
      {"a digit that tidies marks",
       [](TPartie& g) {
         g.Enter(1, 4, 4, true);
         g.Enter(2, 2, 4, true);
         g.EffaceNotes = true;
         g.Enter(1, 3, 4, false);
       },
       TMoveKind::Digit},
      {"a hint", [](TPartie& g) { g.Hint(); }, TMoveKind::Hint},
      {"the notes filled", [](TPartie& g) { g.FillNotes(); }, TMoveKind::Notes},
      {"Résoudre", [](TPartie& g) { g.Solve(); }, TMoveKind::Solve},
      {"Réinitialiser",
       [](TPartie& g) {
         g.Enter(1, 3, 4, false);
         g.Enter(5, 5, 1, true);
         g.Reset();
       },
       TMoveKind::Reset},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    Deal();
    c.Move(Game);
    const std::string after = Picture(Game.Grille());
    ASSERT_FALSE(Game.UndoMoves().empty());
    EXPECT_EQ(Game.UndoMoves().back().Kind, c.Kind);
    const std::size_t moves = Game.UndoMoves().size();
    Game.Undo();
    const std::string before = Picture(Game.Grille());
    EXPECT_NE(before, after);
    Game.Redo();
    EXPECT_EQ(Picture(Game.Grille()), after);
    Game.Undo();
    EXPECT_EQ(Picture(Game.Grille()), before);
    EXPECT_EQ(Game.UndoMoves().size(), moves - 1);
    // A new move forgets what could be redone.
    Game.Enter(9, 1, 3, true);
    EXPECT_TRUE(Game.RedoMoves().empty());
  }
}

TEST_F(PartieTest, TheClockCountsPlayOnly) {
  struct Step {
    const char* Name;
    std::function<void(PartieTest&)> Do;
    int Seconds;  // what the clock shows after
  };
  const Step steps[] = {
      {"20 s of play", [](PartieTest& t) { t.Wait(20); }, 20},
      {"a pause of a minute",
       [](PartieTest& t) {
         t.Game.HoldClock();
         t.Wait(60);
       },
       20},
      {"a dialog over the pause",
       [](PartieTest& t) {
         t.Game.HoldClock();
         t.Wait(30);
         t.Game.ReleaseClock();
       },
       20},
      {"the pause ends",
       [](PartieTest& t) {
         t.Game.ReleaseClock();
         t.Wait(5);
       },
       25},
      {"a release too many",
       [](PartieTest& t) {
         t.Game.ReleaseClock();
         t.Wait(1);
       },
       26},
      // The clock stops when the grid is complete: the end of game read for a
      // while, the time saved is still the time of play.
      {"the grid completed",
       [](PartieTest& t) {
         t.FillAllButOne();
         t.Wait(4);
         t.Complete();
         t.Game.Finish();
       },
       30},
      {"reading the end of game", [](PartieTest& t) { t.Wait(57); }, 30},
      {"a new game",
       [](PartieTest& t) {
         t.Deal();
         t.Wait(3);
       },
       3},
      {"untimed",
       [](PartieTest& t) {
         t.Game.SetTimed(false);
         t.Wait(9);
       },
       3},
  };
  Deal();
  for (const Step& step : steps) {
    step.Do(*this);
    EXPECT_EQ(Game.Seconds(), step.Seconds) << step.Name;
    if (Game.Finished()) {
      EXPECT_EQ(Game.SaveText().substr(164), "2|30|0");
    }
  }
}

TEST_F(PartieTest, HelpsCountWhatRevealsTheSolution) {
  struct Case {
    const char* Name;
    std::string Digits;  // the position before the help, "" for the puzzle alone
    std::function<void(TPartie&)> Help;
    int Helps;
  };
  // Three cells empty and one wrong: "Résoudre" settles four.
  std::string fourToSettle = Solved;
  fourToSettle[2] = fourToSettle[3] = fourToSettle[5] = '0';
  fourToSettle[10] = '9';
  const Case cases[] = {
      {"a hint", "", [](TPartie& g) { g.Hint(); }, 1},
      {"a hint on a full grid finds none and still counts", Solved, [](TPartie& g) { g.Hint(); }, 1},
      {"Résoudre", fourToSettle, [](TPartie& g) { g.Solve(); }, 4},
      {"undo and redo of a hint", "",
       [](TPartie& g) {
         g.Hint();
         g.Undo();
         g.Redo();
       },
       1},
      {"the candidates shown", "", [](TPartie& g) { g.NoteCandidatesShown(); }, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    Game.Load(Puzzle, c.Digits, LevelDifficile, 100, 0);
    c.Help(Game);
    EXPECT_EQ(Game.Helps(), c.Helps);
    EXPECT_EQ(Game.Finish().Score.HelpPenalty, 45u * std::uint32_t(c.Helps)) << "at the level it was loaded with";
  }
}

TEST_F(PartieTest, TheLevelDealtStaysThroughSavesAndLoads) {
  Deal(Puzzle, LevelMoyen);
  FillAllButOne();  // the position left would rate "Facile"
  for (int round = 0; round < 2; ++round) {
    const std::string text = Game.SaveText();
    const std::size_t bar = text.find('|');
    Game.Load(text.substr(0, bar), text.substr(bar + 1, 81), std::stoi(text.substr(bar + 83)), 0, 0);
    EXPECT_EQ(Game.Level(), LevelMoyen) << "load " << round + 1;
  }
  Game.Load(Puzzle, {}, 0, 0, 0);
  EXPECT_EQ(Game.Level(), Game.Grille().RateLevel() & RatingLevelBits) << "no level stored: the givens' rating";
}

// --- The faults of the game screen, each played on the model ---

TEST_F(PartieTest, ANewGridStartsFromZeroAfterALoadedGame) {
  const std::function<void(PartieTest&)> newGrids[] = {
      [](PartieTest& t) { t.Deal(); },  // "Nouvelle grille", "Jouer sur une autre grille"
      [](PartieTest& t) { t.Game.Load(Puzzle, {}, LevelFacile, 0, 0); },  // a grid restarted from its givens
      [](PartieTest& t) {
        t.Game.Clear();
        t.Game.PlayTypedIn(LevelFacile);
      },  // a typed-in puzzle
  };
  for (const auto& newGrid : newGrids) {
    Game.Load(Puzzle, {}, LevelMoyen, 54, 1);
    Wait(2);
    newGrid(*this);
    EXPECT_EQ(Game.Seconds(), 0);
    EXPECT_EQ(Game.Helps(), 0);
  }
}

TEST_F(PartieTest, EveryCellResoudreFillsIsAHelpWhateverTheAnswer) {
  for (const bool showSolution : {true, false}) {
    Game.SetPlaying(false);
    Game.Clear();
    for (int d = 1; d <= 9; ++d) Game.Enter(1, d, d, false);
    ASSERT_TRUE(Game.PlayTypedIn(Game.Rate()));
    EXPECT_EQ(Game.Level(), LevelExpert) << "a typed-in puzzle's level is its rating";
    const TSolveResult solve = Game.Solve();
    ASSERT_NE(solve.Flags & SolveMultiple, 0);
    if (showSolution) Game.ShowSolution();
    EXPECT_EQ(Game.Helps(), 72 - Game.Grille().CountEmpty()) << "answer " << showSolution;
  }
}

TEST_F(PartieTest, ANewGameGivenUpKeepsTheGameAsItWas) {
  // The level choice closed, or the wait closed before the grid came: no grid.
  for (const int level : {0, LevelExpert}) {
    Deal();
    Game.Enter(1, 3, 4, false);
    Game.Hint();
    Game.NoteCandidatesShown();
    Wait(30);
    const std::string before = Picture(Game.Grille());
    EXPECT_FALSE(Game.NewGame(nullptr, level));
    Wait(1);
    EXPECT_EQ(Picture(Game.Grille()), before);
    EXPECT_EQ(Game.Seconds(), 31);
    EXPECT_EQ(Game.Helps(), 1);
    EXPECT_TRUE(Game.CandidatesShown());
    EXPECT_EQ(Game.Level(), LevelMoyen);
    EXPECT_EQ(Game.UndoMoves().size(), 2u);
  }
}

// --- Resuming ---

TEST_F(PartieTest, AResumedGameIsTheGameLeft) {
  Deal(Puzzle, LevelDifficile);
  Game.Enter(1, 3, 6, false);  // wrong
  Game.Enter(1, 4, 2, true);
  Game.Enter(1, 4, 7, true);
  Game.Hint();
  Game.NoteCandidatesShown();
  Wait(83);
  Now += 456;
  const std::string text = Game.ResumeText();

  TPartie resumed([this] { return Now; });
  ASSERT_TRUE(resumed.Resume(text));
  EXPECT_EQ(Picture(resumed.Grille()), Picture(Game.Grille()));
  // The hinted cell, the clock to the millisecond, helps, level, penalty and mode too.
  EXPECT_EQ(resumed.ResumeText(), text);
  EXPECT_FALSE(resumed.DailyDay().has_value());
  // Undo and redo go through the same grids.
  ASSERT_TRUE(Game.Undo());
  ASSERT_TRUE(resumed.Undo());
  EXPECT_EQ(resumed.ResumeText(), Game.ResumeText()) << "a move undone is kept for redo";
  ASSERT_TRUE(resumed.Resume(Game.ResumeText()));
  while (Game.Undo()) {
    ASSERT_TRUE(resumed.Undo());
    EXPECT_EQ(Picture(resumed.Grille()), Picture(Game.Grille()));
  }
  EXPECT_FALSE(resumed.Undo());
  while (Game.Redo()) {
    ASSERT_TRUE(resumed.Redo());
    EXPECT_EQ(Picture(resumed.Grille()), Picture(Game.Grille()));
  }
  EXPECT_FALSE(resumed.Redo());
}

TEST_F(PartieTest, ADailyGridStaysOneThroughAResumeUntilAnotherGame) {
  using namespace std::chrono;
  const year_month_day day = 2026y / December / 7;
  auto grid = std::make_unique<TGrille>();
  grid->LoadFromText(Puzzle, {});
  ASSERT_TRUE(Game.NewGame(std::move(grid), LevelFacile, day));
  Game.Enter(1, 3, 4, false);
  const std::string text = Game.ResumeText();
  ASSERT_NE(text.find("\njour 2026-12-07\n"), std::string::npos);

  TPartie resumed([this] { return Now; });
  ASSERT_TRUE(resumed.Resume(text));
  EXPECT_EQ(resumed.DailyDay(), day);
  // A game left by the version before days were kept reads as no daily grid.
  std::string older = text;
  older.replace(0, 16, "orvalis-partie 1");
  for (const char* key : {"jour ", "origine "})
    older.erase(older.find(key), older.find('\n', older.find(key)) - older.find(key) + 1);
  older.erase(older.find("historique "), older.find("fin\n") - older.find("historique "));
  ASSERT_TRUE(resumed.Resume(older));
  EXPECT_FALSE(resumed.DailyDay().has_value());
  EXPECT_EQ(Picture(resumed.Grille()), Picture(Game.Grille()));
  // Another game is no daily grid.
  Deal();
  EXPECT_FALSE(Game.DailyDay().has_value());
}

TEST_F(PartieTest, ADamagedResumeTextChangesNothing) {
  Deal();
  Game.Enter(1, 3, 4, false);
  const std::string text = Game.ResumeText();
  std::string wrongMark = text;
  wrongMark.replace(wrongMark.find("marques ") + 8 + 2 * 2, 2, "15");
  const std::string damaged[] = {
      "",
      text.substr(0, text.size() - 1),       // cut in its last line
      text.substr(0, text.size() / 2),       // cut in the middle
      "orvalis-partie 5" + text.substr(16),  // a newer version
      text.substr(0, text.find("jour -")) + "jour 2026-02-30" + text.substr(text.find("jour -") + 6),
      "orvalis-partie 1x" + text.substr(16),
      text.substr(0, text.find("niveau 2")) + "niveau 9" + text.substr(text.find("niveau 2") + 8),
      wrongMark,  // a mark that names another digit
      text.substr(0, text.find("coup ") + 5) + "9" + text.substr(text.find("coup ") + 6),  // no such move
      text.substr(0, text.find("\netat ") + 6) + "0" + text.substr(text.find("\netat ") + 6),
      text + "de trop\n",
  };
  TPartie other{[this] { return Now; }};
  const std::string before = other.ResumeText();
  for (const std::string& bad : damaged) {
    EXPECT_FALSE(other.Resume(bad)) << bad.substr(0, 40);
    EXPECT_EQ(other.ResumeText(), before);
  }
}

TEST_F(PartieTest, FilledNotesAreTheCandidatesAndPayThePenalty) {
  Deal();
  Game.Enter(1, 3, 8, true);  // ruled out by the 8 of (3, 3): replaced
  ASSERT_TRUE(Game.FillNotes());
  EXPECT_TRUE(Game.CandidatesShown());
  EXPECT_EQ(Game.Grille().GetNotes(1, 3), 0b1011);  // 1, 2, 4
}

TEST_F(PartieTest, AdvancedHintsSolveAnXWingOnTheTwoThatPlainHintsGuess) {
  for (const bool advanced : {false, true}) {
    Game.Load("846000000700005008002700306000840700000509000004017000301002800200900007000000129",
              "846093570700005048002784306000846700000509004004017000391472865200901437400008129", LevelExpert, 0, 0);
    Game.AdvancedHints = advanced;
    const HintStep old = TGrille(Game.Grille()).FindHint().value();
    const HintStep hint = Game.Hint().value();
    EXPECT_EQ(std::tuple(hint.Row, hint.Col, hint.Digit, hint.Guess),
              advanced ? std::tuple(4, 2, 2, false) : std::tuple(old.Row, old.Col, old.Digit, true));
    EXPECT_EQ(hint.Text == old.Text, !advanced);
  }
}

// --- The end of a game: one result, whatever ended it ---

TEST_F(PartieTest, EveryWayAGameEndsGivesOneResult) {
  using namespace std::chrono;
  const year_month_day monday = 2026y / December / 7;
  struct Case {
    const char* Name;
    std::function<void(PartieTest&)> Play;  // from the puzzle dealt at "Moyen", 100 s in
    std::optional<TFull> Filled;            // what the move that filled the grid said
    int Helps;
    bool Timed;
    std::uint32_t Time;
    bool Counts;
  };
  const auto lastDigit = [](PartieTest& t) {
    t.FillAllButOne();
    t.Complete();
  };
  const Case cases[] = {
      {"the last digit typed", lastDigit, TFull::Solved, 0, true, 100, true},
      {"a hint fills the last cell",
       [](PartieTest& t) {
         t.FillAllButOne();
         t.Game.Hint();
       },
       TFull::Solved, 1, true, 100, true},
      {"Résoudre", [](PartieTest& t) { t.Game.Solve(); }, TFull::Solved, 51, true, 100, true},
      {"errors left, accepted as they are: each corrected is a help",
       [](PartieTest& t) {
         t.Game.Enter(1, 3, 1, false);  // wrong: a 4
         t.FillAllButOne();
         t.Complete();
       },
       TFull::ErrorsRemain, 1, true, 100, true},
      {"the last digit redone",
       [](PartieTest& t) {
         t.FillAllButOne();
         t.Game.Enter(9, 7, SolvedDigit(9, 7), false);
         t.Game.Undo();
         t.Game.Redo();
       },
       TFull::Solved, 0, true, 100, true},
      {"the clock off: the time carried over is no score",
       [](PartieTest& t) {
         t.Game.Load(Puzzle, {}, LevelMoyen, 300, 0);
         t.Game.SetTimed(false);
         t.FillAllButOne();
         t.Complete();
       },
       TFull::Solved, 0, false, 300, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    Game.SetTimed(true);
    Deal();
    std::optional<TFull> filled;
    Game.OnComplete = [&filled](TFull Full) { filled = Full; };
    Wait(100);
    c.Play(*this);
    EXPECT_EQ(filled, c.Filled);
    const TGameResult result = Game.Finish();
    Game.OnComplete = nullptr;
    EXPECT_EQ(result.Helps, c.Helps);
    EXPECT_EQ(result.Timed, c.Timed);
    EXPECT_EQ(result.Score.Time, c.Time);
    EXPECT_EQ(result.Score.Total, c.Time + std::uint32_t(30 * c.Helps));
    EXPECT_EQ(result.Counts, c.Counts);
    EXPECT_EQ(result.MayRank(), c.Counts && c.Timed);
    EXPECT_EQ(Game.Grille().CountErrors() + Game.Grille().CountEmpty(), 0) << "the grid ends solved";
    Wait(60);
    EXPECT_EQ(Game.Finish().Score.Time, c.Time) << "finished once: the same result again";
  }
  // The daily grid of a day whose grid was finished already plays, but no
  // longer counts.
  Game.SetTimed(true);
  for (const bool replay : {false, true}) {
    auto grid = std::make_unique<TGrille>();
    grid->LoadFromText(Puzzle, {});
    ASSERT_TRUE(Game.NewGame(std::move(grid), LevelFacile, monday));
    Game.Solve();
    const year_month_day counted = replay ? monday : year_month_day(sys_days(monday) - days(1));
    const TGameResult result = Game.Finish(counted);
    EXPECT_EQ(result.DailyDay, monday);
    EXPECT_EQ(result.Counts, !replay);
    EXPECT_EQ(result.MayRank(), !replay);
  }
}

TEST_F(PartieTest, APencilMarkOrAnUndoNeverEndsTheGame) {
  Deal();
  int ends = 0;
  Game.OnComplete = [&ends](TFull) { ++ends; };
  FillAllButOne();
  Game.Enter(9, 7, 1, true);
  Game.FillNotes();
  EXPECT_EQ(ends, 0);
  Complete();
  Game.Enter(9, 7, 5, true);  // a mark on the full grid
  Game.Undo();
  Game.Undo();
  EXPECT_EQ(ends, 1);
  EXPECT_FALSE(Game.Full().has_value());
}

TEST_F(PartieTest, ThePauseIsTheGamesAndOnlyAPlayedGamePauses) {
  Deal();
  Wait(10);
  EXPECT_TRUE(Game.SetPaused(true));
  EXPECT_FALSE(Game.SetPaused(true));
  Wait(50);
  EXPECT_EQ(Game.Seconds(), 10);
  Deal();  // a new game is never paused
  EXPECT_FALSE(Game.Paused());
  Wait(5);
  EXPECT_EQ(Game.Seconds(), 5);
  Game.SetPlaying(false);
  EXPECT_FALSE(Game.SetPaused(true)) << "typing a puzzle in";
}

TEST_F(PartieTest, APastedDuplicateStaysAndNoPuzzleIsPlayedWithIt) {
  Game.SetPlaying(false);
  std::string pasted = Puzzle;
  pasted[2] = '5';  // row 1 holds 5 at column 1 already
  Game.Paste(pasted);
  EXPECT_EQ(Game.Grille().GetDigit(1, 3), 5) << "the second 5 is kept, not dropped";
  const std::optional<TCellDigit> clash = Game.TypedClash();
  ASSERT_TRUE(clash.has_value());
  EXPECT_EQ(std::tuple(clash->Row, clash->Col, clash->Digit), std::tuple(1, 3, 5));
  EXPECT_FALSE(Game.PlayTypedIn(LevelFacile));
  Game.Enter(1, 3, 0, false);
  EXPECT_FALSE(Game.TypedClash().has_value());
  EXPECT_TRUE(Game.PlayTypedIn(Game.Rate()));
  EXPECT_EQ(Game.Origin(), TOrigin::TypedIn);
}

TEST_F(PartieTest, AResumedGameComesBackAsThePlayerLookedAtIt) {
  Deal();
  const HintStep hint = Game.Hint().value();
  const TVue vue{4, 7, hint.Text + "\nune ligne \\ de plus", hint.Focus};
  TPartie resumed([this] { return Now; });
  EXPECT_EQ(resumed.Resume(Game.ResumeText(vue)), vue);
  EXPECT_EQ(resumed.Resume(Game.ResumeText()), TVue{}) << "no hint shown";
  // Only a game being played is kept; a finished one's file goes.
  EXPECT_EQ(resumed.KeepAction(), TKeep::Keep);
  resumed.SetPlaying(false);
  EXPECT_EQ(resumed.KeepAction(), TKeep::Nothing) << "typing in never replaces the game left";
  Game.Solve();
  Game.Finish();
  EXPECT_EQ(Game.KeepAction(), TKeep::Remove);
}

}  // namespace

TEST_F(PartieTest, ARightDigitLosesItsRuleMarkOnceResoudreCorrectsTheClash) {
  Deal();
  Game.Enter(1, 3, 2, false);                  // wrong: (1, 3) is a 4
  Game.Enter(1, 9, SolvedDigit(1, 9), false);  // the right 2, clashing with it
  Game.Solve();
  EXPECT_EQ(Game.Grille().Marks[Cell(1, 9)], 0);
  EXPECT_NE(Game.Grille().Marks[Cell(1, 3)], 0);  // the replaced wrong digit keeps its own
}

// Level 5 goes through saves and resumes; a typed-in puzzle is "Diabolique"
// only with the advanced hints; a level byte with flags still gives the rating.
TEST_F(PartieTest, TheFifthLevelThroughFilesAndTypingIn) {
  TGrille dealt;
  ASSERT_TRUE(dealt.Generate(LevelDiabolique, {{}, 11, {}}));
  const std::string puzzle = DigitsText(dealt.Digits);
  Deal(puzzle, LevelDiabolique);
  EXPECT_EQ(Game.SaveText().substr(163, 3), "|5|");
  ASSERT_TRUE(Game.Resume(Game.ResumeText()));
  EXPECT_EQ(Game.Level(), LevelDiabolique);
  // A wrong digit where the levels' techniques do not reach is marked on a
  // loaded grid as on the grid dealt.
  TGrille logic;
  logic.LoadFromText(puzzle, {});
  const auto unreached = std::find(logic.Solution.begin(), logic.Solution.end(), CellWord(0));
  ASSERT_NE(unreached, logic.Solution.end());
  const auto at = std::size_t(unreached - logic.Solution.begin());
  // A digit the givens allow there, not the solution's.
  const auto allowed = [&](char d) {
    for (std::size_t k = 0; k < 81; ++k)
      if (puzzle[k] == d && (k / 9 == at / 9 || k % 9 == at % 9 || (k / 27 == at / 27 && k % 9 / 3 == at % 9 / 3)))
        return false;
    return d != char('0' + WordDigit(dealt.Solution[at]));
  };
  std::string digits = puzzle;
  for (char d = '1'; d <= '9' && digits[at] == '0'; ++d)
    if (allowed(d)) digits[at] = d;
  Game.Load(puzzle, digits, LevelDiabolique, 10, 0);
  int kind = 0;
  Game.Grille().GetCellState(int(at / 9) + 1, int(at % 9) + 1, kind);
  EXPECT_EQ(kind, KindWrong);
  Game.Load(puzzle, {}, LevelExpert | RatingGuess, 10, 0);
  EXPECT_EQ(Game.Level(), LevelExpert);
  for (const bool advanced : {false, true}) {
    Game.AdvancedHints = advanced;
    Game.SetPlaying(false);
    Game.Clear();
    for (int i = 0; i < 81; ++i) Game.Enter(i / 9 + 1, i % 9 + 1, puzzle[std::size_t(i)] - '0', false);
    ASSERT_TRUE(Game.PlayTypedIn(Game.Rate()));
    EXPECT_EQ(Game.Level(), advanced ? LevelDiabolique : LevelExpert);
  }
}
