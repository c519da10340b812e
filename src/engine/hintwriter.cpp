// SPDX-License-Identifier: GPL-3.0-or-later
// The writers' common part: a hint's steps joined into one text.
#include "hintwriter.h"

#include <iterator>

#include "grille.h"
#include "hinttexts.h"

namespace hintwriter {

namespace {

// A later step after the first: "Ensuite, dans la ligne 3…" ("Then, in row 3…").
std::string Continued(const std::string& sentence, HintLanguage language) {
  std::string text = sentence;
  if (!text.empty() && text[0] >= 'A' && text[0] <= 'Z') text[0] = static_cast<char>(text[0] - 'A' + 'a');
  return (language == HintLanguage::English ? "Then, " : "Ensuite, ") + text;
}

}  // namespace

TechniqueNamesT TechniqueNames(Technique t) {
  // In the order of Technique.
  static constexpr TechniqueNamesT names[] = {
      {"chiffre manquant", "full house"},
      {"recherche par case", "last possible digit"},
      {"recherche par chiffre", "last remaining cell"},
      {"chiffre manquant", "full house"},
      {"recherche par case", "last possible digit"},
      {"recherche par chiffre", "last remaining cell"},
      {"balayage", "cross-hatching"},
      {"seul chiffre possible", "naked single"},
      {"seule place possible", "hidden single"},
      {"alignement dans un bloc", "pointing"},
      {"réduction ligne-bloc", "box-line reduction"},
      {"sous-ensemble", "naked subset"},
      {"sous-ensemble caché", "hidden subset"},
      {"X-Wing", "X-Wing"},
      {"Swordfish", "Swordfish"},
      {"Jellyfish", "Jellyfish"},
      {"XY-Wing", "XY-Wing"},
      {"XYZ-Wing", "XYZ-Wing"},
      {"W-Wing", "W-Wing"},
      {"coloriage simple", "simple colouring"},
      {"coloriage simple", "simple colouring"},
      {"chaîne X", "X-chain"},
      {"chaîne XY", "XY-chain"},
      {"rectangle unique", "unique rectangle"},
      {"chaîne alternée", "alternating chain"},
      {"chaînes de forçage", "cell forcing chains"},
      {"chaînes de forçage", "unit forcing chains"},
      {"raisonnement par l'absurde", "forcing chain to a contradiction"},
  };
  static_assert(std::size(names) == static_cast<std::size_t>(Technique::ContradictionChain) + 1);
  return names[static_cast<std::size_t>(t)];
}

std::vector<int> DigitsOf(std::uint16_t mask) {
  std::vector<int> digits;
  for (int d = 1; d <= 9; ++d)
    if (mask & (1u << (d - 1))) digits.push_back(d);
  return digits;
}

std::vector<int> RemovedCells(const ReasoningStep& step) {
  std::vector<int> cells;
  for (const auto& removal : step.Removals) cells.push_back(removal.first);
  return cells;
}

std::vector<int> Ordered(const ReasoningStep& step, std::size_t k, int First, int Last) {
  const std::uint16_t cand = step.CellCandidates[k];
  std::vector<int> digits;
  if (First != 0 && (cand & (1u << (First - 1)))) digits.push_back(First);
  for (int d : DigitsOf(cand))
    if (d != First && d != Last) digits.push_back(d);
  if (Last != 0 && (cand & (1u << (Last - 1)))) digits.push_back(Last);
  return digits;
}

std::vector<std::vector<std::size_t>> ForcingBranches(const ReasoningStep& step) {
  std::vector<std::vector<std::size_t>> branches;
  for (std::size_t k = 0; k < step.Cells.size(); ++k) {
    if (step.ChainDigits[k] == 0) continue;  // the cell a contradiction leaves empty
    const auto group = static_cast<std::size_t>(step.Groups[k]);
    if (branches.size() <= group) branches.resize(group + 1);
    branches[group].push_back(k);
  }
  return branches;
}

bool ForcingPlacement(const ReasoningStep& step) {
  return !step.Removals.empty() && !(step.Removals.front().second & (1u << (step.Digit - 1)));
}

std::string StepText(const ReasoningStep& step, HintLanguage language) {
  return language == HintLanguage::English ? EnglishStep(step) : FrenchStep(step);
}

std::string HintText(const std::vector<ReasoningStep>& steps, HintLanguage language) {
  std::string text;
  for (const ReasoningStep& step : steps) {
    const std::string sentence = StepText(step, language);
    if (text.empty())
      text = sentence;
    else
      text += " " + (step.Concludes ? sentence : Continued(sentence, language));
  }
  return text;
}

std::string NudgeText(const ReasoningStep& step, HintLanguage language) {
  return language == HintLanguage::English ? EnglishNudge(step) : FrenchNudge(step);
}

HintUnit NudgeUnit(const ReasoningStep& step) {
  if (step.Kind == Technique::NakedSingle && step.Placed >= 0)
    return {UnitKind::Block, BlockOf(step.Placed / 9 + 1, step.Placed % 9 + 1)};
  if (!step.Units.empty()) return step.Units.front();
  // A placement that names no unit: the row of its cell.
  return {UnitKind::Row, step.Placed >= 0 ? step.Placed / 9 + 1 : 1};
}

std::string GuessText(int digit, HintLanguage language) {
  if (language == HintLanguage::French) return hinttexts::Guess(digit);
  return "The grid cannot be solved by logical reasoning alone. Trying digits shows that " + std::to_string(digit) +
         " can be placed in this cell";
}

std::string HintSentence(const HintStep& hint, HintLanguage language) {
  if (language == HintLanguage::French) return hint.Text;
  return hint.Guess ? GuessText(hint.Digit, language) : HintText(hint.Steps, language);
}

}  // namespace hintwriter

const char* TechniqueName(Technique t) { return hintwriter::TechniqueNames(t).French; }
