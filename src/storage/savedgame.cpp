// SPDX-License-Identifier: GPL-3.0-or-later
#include "savedgame.h"

#include <algorithm>
#include <limits>

#include "fichier.h"
#include "gridtext.h"

QString TSavedGame::GridText() const {
  return QString::fromStdString(WriteGridText(Givens.toStdString(), Digits.toStdString(), Level, Time, Hints));
}

TSavedGame TSavedGame::FromGridText(const QString& Text) {
  const std::string text = Text.toStdString();
  const TGridText fields = ReadGridText(text);
  TSavedGame game;
  game.Givens = QString::fromStdString(std::string(fields.Givens));
  game.Digits = QString::fromStdString(std::string(fields.Digits));
  game.Level = std::uint8_t(fields.Level.value_or(1));
  game.Time = std::int32_t(std::clamp<long long>(fields.Time.value_or(0), 0, std::numeric_limits<std::int32_t>::max()));
  game.Hints = std::uint8_t(std::clamp<long long>(fields.Helps.value_or(0), 0, 255));
  return game;
}

TSavedGame TSavedGame::FromRecord(const SavedGrid& Record, bool Restart) {
  TSavedGame game;
  game.Givens = Record.Givens;
  game.Level = Record.Level;
  // Starting again gives the givens alone, with no time and no helps.
  if (!Restart) {
    game.Digits = Record.Digits;
    game.Time = Record.Time;
    game.Hints = Record.Hints;
  }
  game.Name = Record.Name;
  game.Description = Record.Description;
  return game;
}
