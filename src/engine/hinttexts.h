// SPDX-License-Identifier: GPL-3.0-or-later
// The French sentences that explain a hint, one builder per technique.
// Only called once a placement has been accepted as the hint.
#pragma once

#include <optional>
#include <string>

#include "hinttypes.h"

namespace hinttexts {

// Line completion: the line lacks one digit.
std::string LineCompletion(bool byRow, int line, int digit, int pos);
// Line search, cell by cell; n is the number of empty cells when the search began.
std::string LineCellSearch(bool byRow, int line, int n, int pos, int digit);
// Line search, digit by digit.
std::string LineDigitSearch(bool byRow, int line, int n, int pos, int digit);
// Block completion: the block lacks one digit.
std::string BlockCompletion(int bandRow, int bandCol, int digit, int row, int col);
// Block search, cell by cell, and digit by digit.
std::string BlockCellSearch(int bandRow, int bandCol, int row, int col, int digit);
std::string BlockDigitSearch(int bandRow, int bandCol, int row, int col, int digit);
// Cross-hatching in a band; excluded: some position was ruled out by its cross line.
std::string CrossHatch(bool byRow, int band, int digit, int line, int third, bool excluded, int pos);
// The clause naming the pairs and triples eliminated before a single ("" when
// no elimination was used).
std::string EliminationClause(const std::optional<MethodRecordT>& record);
// Candidate techniques; clause is the elimination clause of the call.
std::string NakedSingle(const std::string& clause, int row, int col, int digit);
std::string HiddenSingleInLine(const std::string& clause, bool byRow, int line, int digit, int pos);
std::string HiddenSingleInBlock(const std::string& clause, int bandRow, int bandCol, int digit, int row, int col);
// Logic is stuck: the digit comes from the solution found by trying.
std::string Guess(int digit);

}  // namespace hinttexts
