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
