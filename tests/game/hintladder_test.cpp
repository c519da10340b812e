// SPDX-License-Identifier: GPL-3.0-or-later
// "Coup de pouce" on the game model: the rungs of a hint, what a help costs
// whichever command shows the hint, what ends the ladder, and the ladder
// kept through a resume.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "partie.h"

namespace {

const std::string Puzzle = "530070000600195000098000060800060003400803001700020006060000280000419005000080079";
// An X-Wing on the 2 (rows 1 and 6) places the 2 at (4, 2), after two
// removals of candidates that "Voir possibilités" still shows.
const std::string XWingGivens = "846000000700005008002700306000840700000509000004017000301002800200900007000000129";
const std::string XWingDigits = "846093570700005048002784306000846700000509004004017000391472865200901437400008129";

struct HintLadderTest : ::testing::Test {
  TPartie Game{[] { return std::uint64_t(1000); }};

  void Deal() {
    auto grid = std::make_unique<TGrille>();
    grid->LoadFromText(Puzzle, {});
    ASSERT_TRUE(Game.NewGame(std::move(grid), LevelMoyen));
  }
  void DealXWing() {
    Game.Load(XWingGivens, XWingDigits, LevelExpert, 0, 0);
    Game.AdvancedHints = true;
  }
  // Each action of the player in turn: P "Coup de pouce", I "Indice", D a
  // digit, N a pencil mark, U undo. Each rung given writes its kind: n the
  // nudge, s a step, p the placement, - none; "Indice" writes I.
  std::string Play(const std::string& Actions) {
    std::string seen;
    for (const char action : Actions) switch (action) {
        case 'P': {
          const std::optional<TRung> rung = Game.HintRung();
          seen += !rung ? '-' : rung->Kind == TRung::TKind::Nudge ? 'n' : rung->Kind == TRung::TKind::Step ? 's' : 'p';
          break;
        }
        case 'I':
          Game.Hint();
          seen += 'I';
          break;
        case 'D':
          Game.Enter(9, 1, 3, false);
          break;
        case 'N':
          Game.Enter(9, 2, 4, true);
          break;
        case 'U':
          Game.Undo();
          break;
        default:
          ADD_FAILURE() << "no action " << action;
      }
    return seen;
  }
};

TEST_F(HintLadderTest, OneHelpPerHintWhicheverCommandShowsItAndAMoveEndsTheLadder) {
  struct Case {
    const char* Name;
    bool Advanced;
    const char* Actions;
    const char* Seen;
    int Helps;
  };
  const Case cases[] = {
      {"a basic hint: its nudge, then its digit", false, "PP", "np", 1},
      {"the next rung after the placement is a new hint", false, "PPP", "npn", 2},
      {"Indice after the nudge costs nothing more", false, "PI", "nI", 1},
      {"Indice alone counts as it always has", false, "II", "II", 2},
      {"a digit ends the ladder", false, "PDP", "nn", 2},
      {"an undo ends the ladder", false, "DPUP", "nn", 2},
      {"a pencil mark leaves it", false, "PNP", "np", 1},
      {"an advanced hint: nudge, its three steps, its digit", true, "PPPPP", "nsssp", 1},
      {"Indice in the middle of the ladder places the digit for free", true, "PPI", "nsI", 1},
      {"then a new hint pays again", true, "PPIP", "nsIn", 2},
  };
  for (const Case& c : cases) {
    if (c.Advanced)
      DealXWing();
    else
      Deal();
    EXPECT_EQ(Play(c.Actions), c.Seen) << c.Name;
    EXPECT_EQ(Game.Helps(), c.Helps) << c.Name;
  }
}

TEST_F(HintLadderTest, TheRungsOfAnAdvancedHintSayWhereToLookThenEachStepInAColourOfItsOwn) {
  DealXWing();
  const TRung nudge = *Game.HintRung();
  EXPECT_EQ(nudge.Text, "Regardez le 6 dans le bloc en bas à gauche (alignement dans un bloc).");
  EXPECT_EQ(nudge.Count, 5);
  // Only the block is tinted, none of the candidates the step removes.
  EXPECT_EQ(nudge.Focus.Units, (std::vector<HintUnit>{{UnitKind::Block, 7}}));
  EXPECT_TRUE(nudge.Focus.Cells.empty() && nudge.Focus.Removed.empty());
  EXPECT_EQ(nudge.Hue, 0);

  const std::string whole = TGrille(Game.Grille()).FindHint({true, true})->Text;
  std::string steps;
  for (int hue = 1; hue <= 3; ++hue) {
    const TRung step = *Game.HintRung();
    EXPECT_EQ(step.Kind, TRung::TKind::Step);
    EXPECT_EQ(step.Hue, hue);
    EXPECT_EQ(Game.HintRungHue(), hue);
    EXPECT_FALSE(step.Focus.Removed.empty()) << step.Text;
    EXPECT_EQ(Game.Grille().GetDigit(4, 2), 0) << "no digit before the last rung";
    steps += step.Text + " ";
  }
  EXPECT_NE(steps.find("(X-Wing)"), std::string::npos) << steps;

  const TRung placement = *Game.HintRung();
  EXPECT_EQ(placement.Kind, TRung::TKind::Placement);
  EXPECT_EQ(placement.Hue, 0);
  EXPECT_EQ(Game.Grille().GetDigit(4, 2), 2);
  EXPECT_EQ(Game.Grille().HintText, whole) << "the digit placed as Indice places it";
  EXPECT_EQ(Game.Helps(), 1);
}

TEST_F(HintLadderTest, AGameTakenUpGoesOnUpTheLadderItLeftAndOlderTextsStillRead) {
  DealXWing();
  Game.HintRung();
  const std::string text = Game.ResumeText();
  ASSERT_NE(text.find("\nechelle 1\n"), std::string::npos);

  TPartie resumed;
  ASSERT_TRUE(resumed.Resume(text));
  resumed.AdvancedHints = true;
  EXPECT_EQ(resumed.HintRung()->Kind, TRung::TKind::Step);
  EXPECT_EQ(resumed.Helps(), 1) << "the hint was paid before the game was left";

  // A text of the version before the ladder: no rung shown, the next pays.
  std::string older = text;
  older.replace(0, 16, "orvalis-partie 3");
  older.erase(older.find("echelle "), std::string("echelle 1\n").size());
  ASSERT_TRUE(resumed.Resume(older));
  resumed.AdvancedHints = true;
  EXPECT_EQ(resumed.HintRung()->Kind, TRung::TKind::Nudge);
  EXPECT_EQ(resumed.Helps(), 2);
}

}  // namespace
