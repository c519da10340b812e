// SPDX-License-Identifier: GPL-3.0-or-later
// TSavedGame: one game as the save and load dialogs exchange it with the game
// screen: the grid (givens and digits), its level, the seconds played, the
// helps used, and the name and description the player gives it in a file.
#pragma once

#include <cstdint>

#include <QString>

struct SavedGrid;

struct TSavedGame {
  // 81 characters "0" to "9" row by row, "0" where the cell is not a given.
  QString Givens;
  // 81 characters, givens included, "0" for an empty cell; empty when only
  // the starting grid is kept.
  QString Digits;
  // The level byte: 1 "Facile" to 4 "Expert" (a typed-in puzzle may carry
  // the rating's flags).
  std::uint8_t Level = 1;
  std::int32_t Time = 0;
  std::uint8_t Hints = 0;
  QString Name;
  QString Description;

  // The grid's text form: givens|digits|level|time|hints.
  QString GridText() const;
  // A game read from that form, as the grid view writes it; the helps kept to
  // 0 to 255. A field that is not a number reads as a saved record's does.
  static TSavedGame FromGridText(const QString& Text);
  // The game a saved record holds: from where it was saved, or, when Restart,
  // from its givens with no time and no helps.
  static TSavedGame FromRecord(const SavedGrid& Record, bool Restart);
};
