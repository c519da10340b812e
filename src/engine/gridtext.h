// SPDX-License-Identifier: GPL-3.0-or-later
// The grid text form, the one way a game's grid is written as a line of text
// and read back: "givens|digits|level|time|helps". Givens and digits are 81
// characters each, row by row, "0" for an empty cell (digits empty when only
// the puzzle is kept); level, seconds of play and helps are decimal numbers.
// The game writes it for saving and copying, the saved-grid files wrap it in
// their records, and orvalis-cli reads and writes it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

struct TGridText {
  // What stands before the first "|", and between the first and the second.
  std::string_view Givens;
  std::string_view Digits;
  // The numbers after them; none where the field is missing or no number.
  std::optional<long long> Level;
  std::optional<long long> Time;
  std::optional<long long> Helps;
};

// The text of a game's grid.
std::string WriteGridText(std::string_view Givens, std::string_view Digits, long long Level, long long Time,
                          long long Helps);
// The fields of a line; a line without "|" is all givens. Views into Text.
TGridText ReadGridText(std::string_view Text);
