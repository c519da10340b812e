// SPDX-License-Identifier: GPL-3.0-or-later
// Hints: which step becomes the hint, what it leaves in the grid, and the exact
// French sentence of every kind of step.
#include <gtest/gtest.h>

#include "engine_test_util.h"
#include "hinttexts.h"
#include "hintwriter.h"

using namespace testutil;

namespace {

struct HintCase {
  const char* name;
  std::string givens;
  int row, col, digit;
  std::string text;
};

// Positions built so that one technique, and only it, finds the first step.
std::vector<HintCase> SentenceCases() {
  return {
      {"line completion in a row", SolvedWithout({{4, 2}}), 4, 2, 5,
       "En regardant la ligne 4, on remarque qu'il ne manque qu'un chiffre. En comptant de 1 à 9, on voit qu'il "
       "s'agit du chiffre 5, que l'on place donc sur la colonne 2"},
      {"line completion in a column", SolvedWithout({{4, 2}, {4, 5}}), 4, 2, 5,
       "En regardant la colonne 2, on remarque qu'il ne manque qu'un chiffre. En comptant de 1 à 9, on voit qu'il "
       "s'agit du chiffre 5, que l'on place donc sur la ligne 4"},
      {"block completion", SolvedWithout({{4, 2}, {4, 4}, {7, 2}, {7, 4}}), 4, 2, 5,
       "En regardant le bloc au milieu à gauche, on remarque qu'il ne manque qu'un chiffre. En comptant de 1 à 9, "
       "on voit qu'il s'agit du chiffre 5, que l'on place donc sur la ligne 4 et la colonne 2."},
      {"block completion in the middle block", SolvedWithout({{5, 5}, {5, 8}, {8, 5}, {8, 8}}), 5, 5, 5,
       "En regardant le bloc central, on remarque qu'il ne manque qu'un chiffre. En comptant de 1 à 9, on voit "
       "qu'il s'agit du chiffre 5, que l'on place donc sur la ligne 5 et la colonne 5."},
      {"cross-hatching without exclusion", Givens({{1, 1, 5}, {2, 4, 5}, {3, 7, 1}, {3, 8, 2}}), 3, 9, 5,
       "En regardant les 3 lignes en haut, on voit qu'il doit y avoir un 5 sur la ligne 3 dans le bloc à droite. "
       "La seule position possible est celle sur la colonne 9."},
      {"cross-hatching with exclusions", Givens({{1, 1, 5}, {2, 4, 5}, {5, 7, 5}, {7, 8, 5}}), 3, 9, 5,
       "En regardant les 3 lignes en haut, on voit qu'il doit y avoir un 5 sur la ligne 3 dans le bloc à droite. "
       "Après avoir examiné les différentes positions possibles et éliminé celles qui se trouvent dans une "
       "colonne qui possède déjà un 5, on trouve que la seule position possible est celle sur la colonne 9."},
      {"cross-hatching in a band of columns", Givens({{1, 1, 5}, {4, 2, 5}, {7, 3, 1}, {8, 3, 2}}), 9, 3, 5,
       "En regardant les 3 colonnes à gauche, on voit qu'il doit y avoir un 5 sur la colonne 3 dans le bloc en "
       "bas. La seule position possible est celle sur la ligne 9."},
      {"cell search in a line with two gaps",
       Givens({{1, 3, 1}, {1, 4, 2}, {1, 5, 4}, {1, 6, 5}, {1, 7, 6}, {1, 8, 8}, {1, 9, 9}, {5, 1, 3}}), 1, 1, 7,
       "En regardant la ligne 1, on remarque qu'il ne manque que 2 chiffres. Il est donc interessant de regarder "
       "pour chaque case le(s) chiffre(s) possible(s). On se rend alors compte que dans la case sur la colonne 1, "
       "on ne peut placer que le chiffre 7"},
      {"cell search in a line with four gaps",
       Givens({{1, 5, 5}, {1, 6, 6}, {1, 7, 7}, {1, 8, 8}, {1, 9, 9}, {4, 1, 2}, {5, 1, 3}, {7, 1, 4}}), 1, 1, 1,
       "Sur la ligne 1, on cherche pour chaque position vide quel(s) chiffre(s) peuve(nt) être placé(s). On se "
       "rend alors compte que dans la case sur la colonne 1, on ne peut placer que le chiffre 1"},
      {"digit search in a line with three gaps",
       Givens({{1, 4, 4}, {1, 5, 5}, {1, 6, 6}, {1, 7, 7}, {1, 8, 8}, {1, 9, 9}, {5, 1, 1}, {8, 2, 1}}), 1, 3, 1,
       "En regardant la ligne 1, on remarque qu'il ne manque que 3 chiffres. Il est donc interessant de regarder "
       "pour chaque chiffre la ou les cases ou l'on peut le placer. On se rend alors compte que le 1 ne peut se "
       "trouver que dans la case sur la colonne 3"},
      {"digit search in a line with four gaps",
       Givens({{1, 5, 5}, {1, 6, 6}, {1, 7, 7}, {1, 8, 8}, {1, 9, 9}, {4, 1, 1}, {7, 2, 1}, {2, 3, 1}}), 1, 4, 1,
       "Sur la ligne 1, on regarde pour chaque chiffre la ou les cases ou l'on peut le placer. On se rend alors "
       "compte que le 1 ne peut se trouver que dans la case sur la colonne 4"},
      {"cell search in a block",
       Givens({{2, 2, 8}, {3, 3, 9}, {1, 4, 2}, {1, 5, 3}, {1, 6, 4}, {4, 1, 5}, {5, 1, 6}, {7, 1, 7}}), 1, 1, 1,
       "Dans le bloc en haut à gauche, on cherche pour chaque position vide quel(s) chiffre(s) peuve(nt) être "
       "placé(s). On se rend alors compte que dans la case sur la ligne 1 et sur la colonne 1, on ne peut placer "
       "que le chiffre 1"},
      {"digit search in a block", Givens({{1, 3, 2}, {3, 1, 3}, {3, 3, 4}, {2, 5, 1}, {5, 2, 1}}), 1, 1, 1,
       "Dans le bloc en haut à gauche, on regarde pour chaque chiffre la ou les cases ou l'on peut placer ce "
       "chiffre. On se rend alors compte que le 1 ne peut se trouver que dans la case sur la ligne 1 et sur la "
       "colonne 1"},
  };
}

TEST(HintSentences, EachBasicTechniqueExplainsItsStep) {
  for (const HintCase& hc : SentenceCases()) {
    SCOPED_TRACE(hc.name);
    TGrille g;
    g.LoadFromText(hc.givens, "");
    const int emptyBefore = g.CountEmpty();
    g.FindHint();
    ASSERT_EQ(g.HintRow, hc.row);
    EXPECT_EQ(g.HintCol, hc.col);
    EXPECT_EQ(g.GetDigit(hc.row, hc.col), hc.digit);
    EXPECT_EQ(g.HintDigit, 0);
    EXPECT_EQ(g.HintText, hc.text);
    EXPECT_EQ(g.CountEmpty(), emptyBefore - 1);  // one digit, no more
    EXPECT_TRUE(CandidatesAgreeWithDigits(g));
  }
}

// The sentences of the candidate techniques' singles, written from their steps.
TEST(HintSentences, SinglesOfTheCandidateTechniques) {
  auto single = [](Technique kind, int row, int col, int digit, std::vector<HintUnit> units) {
    ReasoningStep step;
    step.Kind = kind;
    step.Placed = Cell(row, col);
    step.Digit = digit;
    step.Units = std::move(units);
    return step;
  };
  ReasoningStep naked = single(Technique::NakedSingle, 3, 4, 7, {});
  ReasoningStep column = single(Technique::HiddenSingle, 6, 3, 1, {{UnitKind::Col, 3}});
  column.Eliminations = MethodRecordT{};
  column.Eliminations->PairsByRow[2] = column.Eliminations->PairsByRow[7] = true;
  column.Eliminations->PairsByBlock[4] = true;
  column.Eliminations->TriplesByCol[5] = true;
  ReasoningStep row = single(Technique::HiddenSingle, 2, 8, 9, {{UnitKind::Row, 2}});
  // Only the block-line elimination removed candidates: it names nothing.
  ReasoningStep block = single(Technique::HiddenSingle, 5, 6, 4, {{UnitKind::Block, 5}});
  block.Eliminations = MethodRecordT{};
  const std::pair<ReasoningStep, std::string> cases[] = {
      {naked,
       "Après avoir repéré les chiffres possibles pour chaque case, on s'aperçoit que pour la case de la ligne 3 et de "
       "la colonne 4, le seul chiffre possible est le 7"},
      {column,
       "Après avoir placé les chiffres possibles pour chaque case et avoir éliminé des possibilités en utilisant la "
       "méthode des doublons (lignes 2, 7, bloc 4, au milieu à gauche) et celle des triplets (colonne 5), on "
       "s'aperçoit que sur la colonne 3 la seule place possible pour le chiffre 1 se trouve sur la ligne 6"},
      {row,
       "Après avoir placé les chiffres possibles pour chaque case, on s'aperçoit que sur la ligne 2 la seule place "
       "possible pour le chiffre 9 se trouve sur la colonne 8"},
      {block,
       "Après avoir placé les chiffres possibles pour chaque case et avoir éliminé des possibilités en utilisant la "
       "méthode des alignements dans les blocs, on s'aperçoit que dans le bloc central, la seule place possible pour "
       "le chiffre 4 se trouve sur la ligne 5 et sur la colonne 6"},
  };
  for (const auto& [step, text] : cases) EXPECT_EQ(hintwriter::StepText(step, HintLanguage::French), text);
}

// The nudge of "Coup de pouce" in both languages, never the digit placed.
TEST(HintSentences, ANudgeNamesTheUnitOrTheTechniqueOnly) {
  const auto step = [](Technique kind, int digit, std::vector<HintUnit> units, int cells = 0, int placed = -1) {
    ReasoningStep s;
    s.Kind = kind;
    s.Digit = digit;
    s.Units = std::move(units);
    s.Cells.assign(std::size_t(cells), 0);
    s.Placed = placed;
    return s;
  };
  const struct {
    ReasoningStep Step;
    const char* French;
    const char* English;
  } cases[] = {
      {step(Technique::LineDigitSearch, 6, {{UnitKind::Col, 4}}, 0, Cell(2, 4)), "Regardez la colonne 4.",
       "Look at column 4."},
      {step(Technique::NakedSingle, 7, {{UnitKind::Row, 3}, {UnitKind::Col, 4}, {UnitKind::Block, 2}}, 0, Cell(3, 4)),
       "Regardez le bloc en haut au centre\u00a0: une de ses cases n'accepte plus qu'un chiffre.",
       "Look at the top-centre box: one of its cells takes only one digit."},
      {step(Technique::XWing, 8, {}), "Cherchez un X-Wing sur le 8.", "Look for an X-Wing on digit 8."},
      {step(Technique::HiddenSubset, 0, {{UnitKind::Row, 3}}, 2), "Cherchez une paire cachée dans la ligne 3.",
       "Look for a hidden pair in row 3."},
      // A forcing chain names where it starts: cells 0 is (ligne 1, colonne 1).
      {step(Technique::CellForcingChain, 5, {}, 3),
       "Regardez la case (ligne 1, colonne 1)\u00a0: chacun de ses chiffres mène à la même conclusion (chaînes de "
       "forçage).",
       "Look at cell (row 1, column 1): each of its digits leads to the same conclusion (cell forcing chains)."},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(hintwriter::NudgeText(c.Step, HintLanguage::French), c.French);
    EXPECT_EQ(hintwriter::NudgeText(c.Step, HintLanguage::English), c.English);
  }
}

// A hint of the levels is one step, the placement, whose sentence is the hint's.
TEST(HintSentences, TheSearchRecordsTheStepOfItsPlacement) {
  TGrille p;
  p.LoadFromText(ReadLines("puzzles/top95.txt").at(0), "");
  int hints = 0;
  for (std::optional<HintStep> h = p.FindHint(); h; h = p.FindHint(), ++hints) {
    ASSERT_EQ(h->Steps.size(), 1u);
    EXPECT_EQ(h->Text, hintwriter::StepText(h->Steps[0], HintLanguage::French));
    EXPECT_EQ(h->Steps[0].Placed, Cell(h->Row, h->Col));
  }
  EXPECT_GT(hints, 0);
}

TEST(HintNames, ThirdsAndBlocks) {
  EXPECT_EQ(PositionName(1, true), "en haut");
  EXPECT_EQ(PositionName(2, true), "au milieu");
  EXPECT_EQ(PositionName(3, true), "en bas");
  EXPECT_EQ(PositionName(1, false), "à gauche");
  EXPECT_EQ(PositionName(2, false), "au centre");
  EXPECT_EQ(PositionName(3, false), "à droite");
  EXPECT_EQ(BlockName(1, 1), "en haut à gauche");
  EXPECT_EQ(BlockName(2, 3), "au milieu à droite");
  EXPECT_EQ(BlockName(3, 2), "en bas au centre");
  EXPECT_EQ(BlockName(2, 2), "central");
}

TEST(HintNames, MethodClauses) {
  std::array<bool, 10> none{}, rows{}, cols{}, blocks{};
  EXPECT_EQ(DescribeMethod("doublons", none, none, &none), "");
  rows[4] = true;
  EXPECT_EQ(DescribeMethod("doublons", rows, none, nullptr), "doublons (ligne 4)");
  rows[9] = true;
  cols[1] = cols[3] = true;
  blocks[5] = true;
  EXPECT_EQ(DescribeMethod("triplets", rows, cols, nullptr), "triplets (lignes 4, 9, colonnes 1, 3)");
  EXPECT_EQ(DescribeMethod("doublons", none, none, &blocks), "doublons (bloc 5, central)");
  blocks[9] = true;
  EXPECT_EQ(DescribeMethod("doublons", none, cols, &blocks),
            "doublons (colonnes 1, 3, blocs 5, central, 9, en bas à droite)");

  EXPECT_EQ(TGrille().DescribeEliminations(), "");  // nothing counts until eliminations were used
  MethodRecordT record;
  record.TriplesByRow[8] = true;
  EXPECT_EQ(hinttexts::EliminationClause(record),
            " et avoir éliminé des possibilités en utilisant la méthode des triplets (ligne 8)");
}

TEST(HintSearch, AWrongMarkedDigitIsReplacedAndReported) {
  const std::string givens = SolvedWithout({{4, 2}});
  std::string digits = givens;
  digits[Cell(4, 2)] = '9';  // 9 already stands in row 4
  TGrille g;
  g.LoadFromText(givens, digits);
  g.FindHint();
  EXPECT_EQ(g.HintRow, 4);
  EXPECT_EQ(g.HintCol, 2);
  EXPECT_EQ(g.HintDigit, 9);
  EXPECT_EQ(g.GetDigit(4, 2), 5);
  EXPECT_EQ(g.Marks[Cell(4, 2)], 0);
}

TEST(HintSearch, ARightMarkedDigitIsConfirmedAndTheSearchGoesOn) {
  TGrille g;
  g.LoadFromText(SolvedWithout({{4, 2}, {4, 3}}), "");
  g.EnterDigit(4, 3, 5, false, false);  // wrong, and 5 stands in column 3
  g.EnterDigit(4, 2, 5, false, false);  // right, but breaks the row because of the wrong 5
  ASSERT_EQ(g.Marks[Cell(4, 2)], 5);
  g.FindHint();
  EXPECT_EQ(g.HintRow, 4);
  EXPECT_EQ(g.HintCol, 3);
  EXPECT_EQ(g.HintDigit, 5);
  EXPECT_EQ(g.HintText,
            "En regardant la colonne 3, on remarque qu'il ne manque qu'un chiffre. En comptant de 1 à 9, on voit "
            "qu'il s'agit du chiffre 9, que l'on place donc sur la ligne 4");
  EXPECT_EQ(g.GetDigit(4, 2), 5);
  EXPECT_EQ(g.Marks[Cell(4, 2)], 0);  // confirmed
  EXPECT_EQ(g.GetDigit(4, 3), 9);
}

TEST(HintSearch, NothingToFindLeavesTheTextAndTheGrid) {
  TGrille g;
  g.LoadFromText(kSolved, "");
  g.HintText = "texte précédent";
  g.FindHint();
  EXPECT_EQ(g.HintRow, 0);
  EXPECT_EQ(g.HintText, "texte précédent");
}

TEST(HintSearch, AStepFromARefusedPlacementIsNeverOffered) {
  // A wrong player digit without a mark (its cell's solution was unknown) puts
  // a 5 in column 2: completing row 4 with 5 is refused. Completing row 9 is
  // legal but comes after the refusal: no hint, and the grid stays as it was.
  TGrille g;
  g.LoadFromText(SolvedWithout({{4, 2}, {7, 2}, {9, 9}}), "");
  g.SetDigit(7, 2, 5, true);
  g.Contradiction = false;
  g.HintText = "texte précédent";
  const std::string before = DigitsText(g.Digits);
  g.FindHint();
  EXPECT_EQ(g.HintRow, 0);
  EXPECT_EQ(g.HintText, "texte précédent");
  EXPECT_EQ(DigitsText(g.Digits), before);
  EXPECT_EQ(g.GetDigit(9, 9), 0);
}

TEST(HintSearch, GuessHintWhenLogicIsStuck) {
  const std::string p = GuessingPuzzle();
  TGrille g;
  g.LoadFromText(p, "");
  ASSERT_TRUE(g.FirstSolutionStored || DigitsText(g.FirstSolution).find('0') == std::string::npos);
  const std::string first = DigitsText(g.FirstSolution);
  bool guessed = false;
  for (int step = 0; step < 81 && !guessed; ++step) {
    const std::string before = DigitsText(g.Digits);
    g.FindHint();
    ASSERT_NE(g.HintRow, 0) << "a puzzle with a known solution always has a hint";
    const int cell = Cell(g.HintRow, g.HintCol);
    EXPECT_EQ(WordDigit(g.Digits[cell]), first[cell] - '0');
    if (g.HintText.rfind("La grille", 0) == 0) {
      guessed = true;
      EXPECT_EQ(cell, static_cast<int>(before.find('0')));  // the first empty cell
      EXPECT_EQ(g.HintText,
                "La grille ne peut pas être résolue en effectuant un raisonnement logique. Il faut donc faire des "
                "essais pour se rendre compte que le chiffre " +
                    std::string(1, first[cell]) + " peut être placé dans cette case");
    }
  }
  EXPECT_TRUE(guessed);
}

TEST(HintSearch, NoGuessHintWithoutAStoredSolution) {
  TGrille g;  // an empty grid: its last rating never ran
  g.FindHint();
  EXPECT_EQ(g.HintRow, 0);
  EXPECT_EQ(g.CountEmpty(), 81);
}

// A player who accepts every hint: correct digits never change, every hint
// places the solution's digit into an empty or wrong cell, and the candidate
// sets always agree with the digits.
TEST(HintSearch, HintsNeverChangeACorrectPlayerDigit) {
  const auto puzzles = ReadLines("puzzles/top95.txt");
  std::uint32_t seed = 12345;
  auto next = [&] { return seed = seed * 1103515245u + 12345u, (seed >> 16) % 1000; };
  int hints = 0, replacedWrong = 0;
  for (std::size_t n = 0; n < puzzles.size(); n += 3) {
    const std::string& p = puzzles[n];
    TGrille ref;
    ref.LoadFromText(p, "");
    ref.RateLevel();
    const std::string solution = ref.NeedsGuess ? DigitsText(ref.FirstSolution) : DigitsText(ref.Solution);
    const std::string settled = DigitsText(ref.Solution);
    std::string givens(81, '0'), digits(81, '0');
    for (int i = 0; i < 81; ++i) {
      if (p[i] != '.') {
        givens[i] = digits[i] = p[i];
        continue;
      }
      const unsigned x = next();
      if (x < 300) digits[i] = solution[i];
      // Wrong digits only where the reference solution is known, so that they carry a mark.
      else if (x < 380 && settled[i] != '0')
        digits[i] = static_cast<char>('1' + (solution[i] - '0') % 9);
    }
    TGrille g;
    g.LoadFromText(givens, digits);
    for (int step = 0; step < 81; ++step) {
      const std::string before = DigitsText(g.Digits);
      g.FindHint();
      if (g.HintRow == 0) break;
      ++hints;
      const int cell = Cell(g.HintRow, g.HintCol);
      EXPECT_NE(before[cell], solution[cell]) << p;
      if (before[cell] != '0') {
        ++replacedWrong;
        EXPECT_EQ(g.HintDigit, before[cell] - '0') << p;
      }
      const std::string after = DigitsText(g.Digits);
      EXPECT_EQ(after[cell], solution[cell]) << p;
      for (int i = 0; i < 81; ++i)
        if (i != cell) {
          EXPECT_EQ(after[i], before[i]) << p << " cell " << i;
        }
      EXPECT_TRUE(CandidatesAgreeWithDigits(g)) << p;
    }
    EXPECT_EQ(DigitsText(g.Digits), solution) << p;
  }
  EXPECT_GT(hints, 500);
  EXPECT_GT(replacedWrong, 10);
}

}  // namespace
