// SPDX-License-Identifier: GPL-3.0-or-later
// What a game tells the player's statistics (through the shell, which owns
// them): a game dealt, a game finished. A failed write is shown at once.
#pragma once

// A new game at the level 1 to 4 (not a resumed one).
void RecordGameStarted(int Level);
// A game finished today: its time in seconds, or below 0 when the clock did
// not run; every help it took; whether it was a daily grid.
void RecordGameFinished(int Level, int Seconds, int Helps, bool Daily);
