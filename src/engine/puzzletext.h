// SPDX-License-Identifier: GPL-3.0-or-later
// Puzzles written as plain text, as other programs and puzzle collections
// write them: one puzzle of 81 characters per line (what follows the 81st
// cell, after a character that is no cell, is a comment), the grid text form
// "givens|digits|level|time|hints", the ".sdk" grid of nine lines of nine
// with its "#" comment lines, and the ".ss" grid with its "|" between the
// blocks and its lines of "-" (and "+", "*") between the bands. In every
// form "1" to "9" is a digit, "0" or "." an empty cell; spaces and tabs are
// left out. Lines that are none of these are passed over, and the rows
// gathered before them are dropped.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// The puzzles of the text in their order, each 81 characters "0" to "9",
// "0" for an empty cell; none when the text holds no whole puzzle.
std::vector<std::string> ReadPuzzles(std::string_view Text);
