// SPDX-License-Identifier: GPL-3.0-or-later
// The advanced techniques that the hint search tries before it gives up and
// guesses. Each looks at the candidate sets of the 81 cells (0 for a filled
// cell, digit d in bit d - 1) and returns its first step, with the cells and
// units that justify it and the candidates it removes, or nothing.
//
// Every step removes at least one candidate. They are tried in the order of
// Technique (hinttypes.h), simplest first, by FirstAdvancedStep.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "hinttypes.h"

using CandidateSets = std::array<std::uint16_t, 81>;

namespace advanced {

// Pointing (a digit of a block confined to one line), line-block reduction,
// then naked and hidden subsets of two to four cells in
// any unit: what the candidate techniques of the levels leave out.
std::optional<ReasoningStep> FindPointing(const CandidateSets& cand);
std::optional<ReasoningStep> FindLineBlock(const CandidateSets& cand);
std::optional<ReasoningStep> FindNakedSubset(const CandidateSets& cand);
std::optional<ReasoningStep> FindHiddenSubset(const CandidateSets& cand);
// Basic fish of Size 2 (X-Wing), 3 (Swordfish) or 4 (Jellyfish): Size rows
// whose candidates for a digit lie in Size columns (or the other way round).
std::optional<ReasoningStep> FindFish(const CandidateSets& cand, int Size);
// Wings of three cells: XY-Wing (a pivot of two digits), XYZ-Wing (of three).
std::optional<ReasoningStep> FindXYWing(const CandidateSets& cand);
std::optional<ReasoningStep> FindXYZWing(const CandidateSets& cand);
// Two cells of the same two digits joined by a strong link on one of them.
std::optional<ReasoningStep> FindWWing(const CandidateSets& cand);
// Simple colouring of one digit: a cell that sees both colours (trap), or
// two cells of one colour in one unit (wrap).
std::optional<ReasoningStep> FindColouring(const CandidateSets& cand);
// Chains of at most MaxChainCells cells: X-chains (one digit, strong and weak
// links in turn) and XY-chains (cells of two candidates).
constexpr int MaxChainCells = 12;
std::optional<ReasoningStep> FindXChain(const CandidateSets& cand);
std::optional<ReasoningStep> FindXYChain(const CandidateSets& cand);
// Alternating chains over candidates: strong links (the only two places of a
// digit in a unit, the only two digits of a cell) and weak links (two places
// of a digit that see each other, two digits of one cell) in turn. A candidate
// weakly linked to both ends is removed.
std::optional<ReasoningStep> FindAlternatingChain(const CandidateSets& cand);
// Unique rectangle of type 1: only sound when the puzzle has one solution.
std::optional<ReasoningStep> FindUniqueRectangle(const CandidateSets& cand);
// Forcing chains (forcing.cpp): of the conclusions whose branches name at most
// MaxForcingPlacements placements each, the nearest to a single, then the one
// that names the fewest.
constexpr std::size_t MaxForcingPlacements = 20;
// The forcing chains one hint may go through before it gives up and guesses.
constexpr std::size_t MaxForcingSteps = 12;
std::optional<ReasoningStep> FindForcingChain(const CandidateSets& cand);

// The techniques in their order, simplest first.
struct TechniqueFinder {
  std::optional<ReasoningStep> (*Find)(const CandidateSets& cand);
  // Sound only for a puzzle known to have one solution.
  bool NeedsOneSolution;
};
const std::vector<TechniqueFinder>& Finders();

// The first step of the techniques in their order; the unique rectangle only
// when OneSolution.
std::optional<ReasoningStep> FirstAdvancedStep(const CandidateSets& cand, bool OneSolution);

// Applies a step's removals.
void ApplyStep(CandidateSets& cand, const ReasoningStep& step);

// Shared by the techniques: the cells (other than those of the pattern) that
// see every cell of Seen and hold the digit; their removals.
std::vector<std::pair<int, std::uint16_t>> RemovalsSeeingAll(const CandidateSets& cand, const int* Seen, int Count,
                                                             int Digit, const std::vector<int>& Pattern);

}  // namespace advanced
