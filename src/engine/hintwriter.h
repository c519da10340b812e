// SPDX-License-Identifier: GPL-3.0-or-later
// The writers: a hint's steps turned into sentences, one writer per language.
// The engine finds steps and never glues sentences while it searches; the
// same step can thus be shown alone, whole with the others, in French or in
// English.
#pragma once

#include <string>
#include <vector>

#include "hinttypes.h"

enum class HintLanguage : std::uint8_t { French, English };

struct HintStep;

namespace hintwriter {

// The sentence of one step, alone.
std::string StepText(const ReasoningStep& step, HintLanguage language);
// A whole hint: its steps in turn, each after the first introduced as what
// comes next.
std::string HintText(const std::vector<ReasoningStep>& steps, HintLanguage language);
// The nudge of a hint, written from its first step: the unit to look at or
// the technique to look for ("Regardez la colonne 4.", "Cherchez un X-Wing
// sur le 8."), without what it finds.
std::string NudgeText(const ReasoningStep& step, HintLanguage language);
// The hint given when logic is stuck: the digit comes from the solution found by trying.
std::string GuessText(int digit, HintLanguage language);
// A hint found by the engine said whole in the language: its French text as
// found, or its steps (the guess) written again.
std::string HintSentence(const HintStep& hint, HintLanguage language);
// The technique's name in the language, as the step's sentence gives it ("paire",
// "réduction colonne-bloc", "X-Wing", "naked pair"...).
std::string TechniqueName(const ReasoningStep& step, HintLanguage language);

// The French and English writers behind the calls above.
std::string FrenchStep(const ReasoningStep& step);
std::string EnglishStep(const ReasoningStep& step);
std::string EnglishTechniqueName(const ReasoningStep& step);
std::string FrenchNudge(const ReasoningStep& step);
std::string EnglishNudge(const ReasoningStep& step);

// The name of a technique in each language.
struct TechniqueNamesT {
  const char* French;
  const char* English;
};
TechniqueNamesT TechniqueNames(Technique t);

// Shared by the writers: the digits of a set in increasing order; the cells a
// step removes candidates from; the candidates of the step's k-th cell, First
// named first and Last last (0 for none).
std::vector<int> DigitsOf(std::uint16_t mask);
std::vector<int> RemovedCells(const ReasoningStep& step);
std::vector<int> Ordered(const ReasoningStep& step, std::size_t k, int First, int Last = 0);
// The unit a nudge of a unit technique names: the line or block of a search
// or a subset, the block of a naked single's cell (whose row and column would
// say where it is).
HintUnit NudgeUnit(const ReasoningStep& step);
// A forcing chain's branches: for each, the indexes of its cells, the
// assumption first. Whether its conclusion places Digit (rather than removes it).
std::vector<std::vector<std::size_t>> ForcingBranches(const ReasoningStep& step);
bool ForcingPlacement(const ReasoningStep& step);

}  // namespace hintwriter
