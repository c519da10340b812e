// SPDX-License-Identifier: GPL-3.0-or-later
#include "savedgame.h"

#include <algorithm>
#include <limits>

#include <QStringList>

#include "fichier.h"

QString TSavedGame::GridText() const {
  return QStringLiteral("%1|%2|%3|%4|%5").arg(Givens, Digits).arg(Level).arg(Time).arg(Hints);
}

TSavedGame TSavedGame::FromGridText(const QString& Text) {
  const QStringList fields = Text.split(u'|');
  const auto number = [&fields](int Index, long long Fallback) {
    bool ok = false;
    const long long value = fields.value(Index).toLongLong(&ok);
    return ok ? value : Fallback;
  };
  TSavedGame game;
  game.Givens = fields.value(0);
  game.Digits = fields.value(1);
  game.Level = std::uint8_t(number(2, 1));
  game.Time = std::int32_t(std::clamp<long long>(number(3, 0), 0, std::numeric_limits<std::int32_t>::max()));
  game.Hints = std::uint8_t(std::clamp<long long>(number(4, 0), 0, 255));
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
