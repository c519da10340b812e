// SPDX-License-Identifier: GPL-3.0-or-later
// Each way a hint names a digit, in letters; rows, columns and counts stay.
#include "hintletters.h"
#include <gtest/gtest.h>
#include "hinttexts.h"

TEST(HintInLetters, OnlyTheDigitOfEachSentenceBecomesItsLetter) {
  using namespace hinttexts;
  const std::pair<std::string, std::vector<std::pair<const char*, const char*>>> cases[] = {
      {LineCompletion(true, 3, 3, 3), {{"de 1 à 9", "de A à I"}, {"du chiffre 3,", "du C,"}}},
      {LineCellSearch(false, 3, 3, 3, 9), {{"que le chiffre 9", "que le I"}}},
      {BlockDigitSearch(3, 1, 3, 3, 3), {{"que le 3 ne", "que le C ne"}}},
      {CrossHatch(true, 3, 3, 3, 3, true, 3), {{"un 3 sur", "un C sur"}, {"déjà un 3,", "déjà un C,"}}},
      {NakedSingle(" (lignes 3, 9)", 3, 3, 3), {{"est le 3", "est le C"}}},
      {HiddenSingleInBlock(" (bloc 1)", 1, 3, 1, 3, 3), {{"pour le chiffre 1", "pour le A"}}},
  };
  for (const auto& [sentence, changes] : cases) {
    QString expected = QString::fromStdString(sentence);
    for (const auto& [from, to] : changes) expected.replace(QString::fromUtf8(from), QString::fromUtf8(to));
    // The words that name the symbols change as well (the test below).
    EXPECT_EQ(HintInLetters(QString::fromStdString(sentence)), LettersNotDigits(expected));
  }
}

TEST(HintInLetters, TheWordsThatNameTheSymbolsSayLetters) {
  const std::pair<const char*, const char*> cases[] = {
      {"n'acceptent chacune que deux chiffres et", "n'acceptent chacune que deux lettres et"},
      {"il ne manque qu'un chiffre.", "il ne manque qu'une lettre."},
      {"le seul chiffre possible est le 4", "la seule lettre possible est le D"},
      {"pour chaque chiffre la ou les cases ou l'on peut placer ce chiffre.",
       "pour chaque lettre la ou les cases ou l'on peut placer cette lettre."},
  };
  for (const auto& [digits, letters] : cases)
    EXPECT_EQ(HintInLetters(QString::fromUtf8(digits)), QString::fromUtf8(letters));
}

TEST(HintInLetters, EnglishSentencesKeepTheNumbersOfRowsColumnsAndRungs) {
  const std::pair<const char*, const char*> cases[] = {
      {"Row 3 lacks only one digit (full house): counting from 1 to 9, it is 7, which goes in column 5.",
       "Row 3 lacks only one letter (full house): counting from A to I, it is G, which goes in column 5."},
      {"In rows 1, 4 and 7, 6 can only go in columns 2, 5 and 9 (Swordfish).",
       "In rows 1, 4 and 7, F can only go in columns 2, 5 and 9 (Swordfish)."},
      {"After noting each cell's candidates and removing candidates with naked pairs (rows 1, 4, column 3), "
       "the cell (row 2, column 2) can only take 9.",
       "After noting each cell's candidates and removing candidates with naked pairs (rows 1, 4, column 3), "
       "the cell (row 2, column 2) can only take I."},
      {"naked pairs (rows 2, 7, boxes 4, 6) and naked triples (column 5): 3 goes in box 1.",
       "naked pairs (rows 2, 7, boxes 4, 6) and naked triples (column 5): C goes in box 1."},
      {"Nudge 1/3: Look at the 4s in row 6 (cross-hatching).", "Nudge 1/3: Look at the Ds in row 6 (cross-hatching)."},
      {"Look for an X-Wing on digit 8.", "Look for an X-Wing on letter H."},
  };
  for (const auto& [digits, letters] : cases)
    EXPECT_EQ(HintInLetters(QString::fromUtf8(digits)).toStdString(), letters);
}
