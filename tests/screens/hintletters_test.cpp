// The hint sentences in letters: each kind of sentence the engine writes, with
// the digit, the rows, columns and counts all 3, so that converting a number
// that is not the digit shows.
#include <gtest/gtest.h>

#include "hintletters.h"
#include "hinttexts.h"

namespace {

struct Case {
  std::string Sentence;
  // The fragments that change; the rest of the sentence stays as it was.
  std::vector<std::pair<const char*, const char*>> Changes;
};

QString Apply(const Case& C) {
  QString text = QString::fromStdString(C.Sentence);
  for (const auto& [from, to] : C.Changes) text.replace(QString::fromUtf8(from), QString::fromUtf8(to));
  return text;
}

}  // namespace

TEST(HintInLetters, OnlyTheDigitOfEachSentenceBecomesItsLetter) {
  using namespace hinttexts;
  const std::string clause = " et avoir éliminé des possibilités en utilisant la méthode des doublons (lignes 3, 9, "
                             "bloc 3, en haut à droite)";
  const Case cases[] = {
      {LineCompletion(true, 3, 3, 3), {{"de 1 à 9", "de A à I"}, {"du chiffre 3,", "du C,"}}},
      {LineCellSearch(false, 3, 3, 3, 3), {{"que le chiffre 3", "que le C"}}},
      {LineCellSearch(true, 3, 5, 3, 9), {{"que le chiffre 9", "que le I"}}},
      {LineDigitSearch(true, 3, 3, 3, 3), {{"que le 3 ne", "que le C ne"}}},
      {BlockCompletion(1, 3, 3, 3, 3), {{"de 1 à 9", "de A à I"}, {"du chiffre 3,", "du C,"}}},
      {BlockCellSearch(2, 2, 3, 3, 3), {{"que le chiffre 3", "que le C"}}},
      {BlockDigitSearch(3, 1, 3, 3, 3), {{"que le 3 ne", "que le C ne"}}},
      {CrossHatch(true, 3, 3, 3, 3, true, 3), {{"un 3 sur", "un C sur"}, {"déjà un 3,", "déjà un C,"}}},
      {CrossHatch(false, 1, 1, 3, 2, false, 3), {{"un 1 sur", "un A sur"}}},
      {NakedSingle(clause, 3, 3, 3), {{"est le 3", "est le C"}}},
      {HiddenSingleInLine(clause, false, 3, 3, 3), {{"pour le chiffre 3", "pour le C"}}},
      {HiddenSingleInBlock(clause, 1, 3, 3, 3, 3), {{"pour le chiffre 3", "pour le C"}}},
      {Guess(3), {{"que le chiffre 3", "que le C"}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Sentence);
    const QString before = QString::fromStdString(c.Sentence);
    for (const auto& change : c.Changes) ASSERT_TRUE(before.contains(QString::fromUtf8(change.first)));
    EXPECT_EQ(HintInLetters(before), Apply(c));
  }
  EXPECT_EQ(HintInLetters(QString()), QString());
}
