// Each kind of hint sentence in letters, with the digit, rows, columns and
// counts all 3, so that converting a number that is not the digit shows.
#include <gtest/gtest.h>

#include "hintletters.h"
#include "hinttexts.h"

TEST(HintInLetters, OnlyTheDigitOfEachSentenceBecomesItsLetter) {
  using namespace hinttexts;
  const std::string clause = " et avoir éliminé des possibilités en utilisant la méthode des doublons (lignes 3, 9)";
  const struct {
    std::string Sentence;
    std::vector<std::pair<const char*, const char*>> Changes;  // the rest stays
  } cases[] = {
      {LineCompletion(true, 3, 3, 3), {{"de 1 à 9", "de A à I"}, {"du chiffre 3,", "du C,"}}},
      {LineCellSearch(false, 3, 3, 3, 9), {{"que le chiffre 9", "que le I"}}},
      {LineDigitSearch(true, 3, 3, 3, 3), {{"que le 3 ne", "que le C ne"}}},
      {BlockCompletion(1, 3, 3, 3, 3), {{"de 1 à 9", "de A à I"}, {"du chiffre 3,", "du C,"}}},
      {BlockCellSearch(2, 2, 3, 3, 3), {{"que le chiffre 3", "que le C"}}},
      {BlockDigitSearch(3, 1, 3, 3, 3), {{"que le 3 ne", "que le C ne"}}},
      {CrossHatch(true, 3, 3, 3, 3, true, 3), {{"un 3 sur", "un C sur"}, {"déjà un 3,", "déjà un C,"}}},
      {NakedSingle(clause, 3, 3, 3), {{"est le 3", "est le C"}}},
      {HiddenSingleInLine(clause, false, 3, 3, 3), {{"pour le chiffre 3", "pour le C"}}},
      {HiddenSingleInBlock(clause, 1, 3, 1, 3, 3), {{"pour le chiffre 1", "pour le A"}}},
      {Guess(3), {{"que le chiffre 3", "que le C"}}},
  };
  for (const auto& c : cases) {
    QString expected = QString::fromStdString(c.Sentence);
    for (const auto& [from, to] : c.Changes) {
      ASSERT_TRUE(expected.contains(QString::fromUtf8(from))) << c.Sentence;
      expected.replace(QString::fromUtf8(from), QString::fromUtf8(to));
    }
    EXPECT_EQ(HintInLetters(QString::fromStdString(c.Sentence)), expected);
  }
}
