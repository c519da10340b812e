// SPDX-License-Identifier: GPL-3.0-or-later
// "Coup de pouce" on the game model: the rungs, the helps, what ends the
// ladder, the ladder through a resume.
#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "partie.h"

namespace {

const std::string Puzzle = "530070000600195000098000060800060003400803001700020006060000280000419005000080079";
// Three removals of candidates (the second an X-Wing on the 2), then the 2 at (4, 2).
const std::string XWingGivens = "846000000700005008002700306000840700000509000004017000301002800200900007000000129";
const std::string XWingDigits = "846093570700005048002784306000846700000509004004017000391472865200901437400008129";

void Deal(TPartie& Game, bool Advanced) {
  Game.Load(Advanced ? XWingGivens : Puzzle, Advanced ? XWingDigits : Puzzle, LevelExpert, 0, 0);
  Game.AdvancedHints = Advanced;
}

// Each action in turn: P "Coup de pouce", I "Indice", D a digit, N a pencil
// mark, U undo. Writes each rung's kind (n the nudge, s a step, p the
// placement, - none) and I for "Indice".
std::string Play(TPartie& Game, const std::string& Actions) {
  std::string seen;
  for (const char action : Actions) {
    if (action == 'P') {
      const std::optional<TRung> rung = Game.HintRung();
      seen += !rung ? '-' : "nsp"[int(rung->Kind)];
    } else if (action == 'I') {
      Game.Hint();
      seen += 'I';
    } else if (action == 'U') {
      Game.Undo();
    } else {
      Game.Enter(9, 1, 3, action == 'N');
    }
  }
  return seen;
}

TEST(HintLadder, OneHelpPerHintWhicheverCommandShowsItAndAMoveEndsTheLadder) {
  const struct {
    const char* Name;
    bool Advanced;
    const char* Actions;
    const char* Seen;
    int Helps;
  } cases[] = {
      {"a basic hint: its nudge, then its digit", false, "PP", "np", 1},
      {"the next rung after the placement is a new hint", false, "PPP", "npn", 2},
      {"Indice after the nudge costs nothing more", false, "PI", "nI", 1},
      {"a digit ends the ladder", false, "PDP", "nn", 2},
      {"an undo ends the ladder", false, "DPUP", "nn", 2},
      {"a pencil mark leaves it", false, "PNP", "np", 1},
      {"an advanced hint: nudge, its three steps, its digit", true, "PPPPP", "nsssp", 1},
      {"Indice in the middle of the ladder places the digit for free, the next rung pays", true, "PPIP", "nsIn", 2},
  };
  for (const auto& c : cases) {
    TPartie game;
    Deal(game, c.Advanced);
    EXPECT_EQ(Play(game, c.Actions), c.Seen) << c.Name;
    EXPECT_EQ(game.Helps(), c.Helps) << c.Name;
  }
}

TEST(HintLadder, AGameTakenUpClimbsOnFromItsRungAndOlderTextsStillRead) {
  TPartie game, resumed;
  Deal(game, true);
  const std::string whole = TGrille(game.Grille()).FindHint({true, true})->Text;
  EXPECT_EQ(game.HintRung()->Focus, (HintFocusT{{{UnitKind::Block, 7}}, {}, {}})) << "the nudge tints its block only";
  std::string older = game.ResumeText();
  ASSERT_TRUE(resumed.Resume(older));
  resumed.AdvancedHints = true;
  EXPECT_EQ(Play(resumed, "PPPP"), "sssp");
  EXPECT_EQ(resumed.Grille().HintText, whole) << "the last rung places the digit as Indice does";
  EXPECT_EQ(resumed.Helps(), 1);
  // The version before the ladder: no rung shown, the next one pays.
  older.replace(0, 16, "orvalis-partie 3");
  older.erase(older.find("echelle "), std::string("echelle 1\n").size());
  ASSERT_TRUE(resumed.Resume(older));
  EXPECT_EQ(Play(resumed, "P"), "n");
  EXPECT_EQ(resumed.Helps(), 2);
}

TEST(HintLadder, EveryRungAndTheGuessSpeakTheLanguageOfTheRun) {
  const std::regex french("^(Regardez|Cherchez)| (la|le|un|dans|ligne|colonne|bloc|chiffre) ");
  for (const HintLanguage language : {HintLanguage::English, HintLanguage::French}) {
    TPartie::SetHintLanguage(language);  // French last, as every other test wants it
    TPartie ladder, guess;
    Deal(ladder, true);
    guess.Load(XWingGivens, XWingDigits, LevelExpert, 0, 0);  // plain hints guess here
    std::vector<std::string> texts{guess.Hint()->Text};
    for (int k = 0; k < 5; ++k) texts.push_back(ladder.HintRung()->Text);
    texts.push_back(ladder.Grille().HintText);  // the whole hint, as Indice gives it
    for (const std::string& text : texts)
      EXPECT_EQ(std::regex_search(text, french), language == HintLanguage::French) << text;
  }
}

}  // namespace
