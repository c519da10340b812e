// SPDX-License-Identifier: GPL-3.0-or-later
// A file of puzzles given to the game (`orvalis FILE`, a double click on a
// ".sdk" file): read whole, within a size limit, and its puzzles taken out
// by ReadPuzzles.
#pragma once

#include <string>
#include <vector>

#include <QString>

struct PuzzleFile {
  // The puzzles in their order, 81 characters "0" to "9" each.
  std::vector<std::string> Puzzles;
  // Why there is none, in French, ready to be shown; empty when there are some.
  QString Message;
};

// The largest file read: far more than any collection of puzzles a player
// keeps, far less than what would stall the game.
inline constexpr qint64 MaxPuzzleFileBytes = 16 * 1024 * 1024;

// Reads the puzzles of the file at the path. A file that cannot be read, is
// no plain file, is too large or holds no puzzle gives no puzzle and its
// message.
PuzzleFile ReadPuzzleFile(const QString& Path);

// Whether the path names a saved-grid file (".orv" in any case).
bool IsSavedGridFile(const QString& Path);
