// SPDX-License-Identifier: GPL-3.0-or-later
// The daily grid of a date for a game ("Grille du jour").
#pragma once

#include <QDate>
#include <memory>

class QWidget;
class TGrille;

// The level of the date's daily grid, 1 to 4.
int DailyGridLevel(const QDate& Date);

// The puzzle of the date, generated on a worker thread; the wait dialog shows
// when it takes more than a moment. None when the player closed the dialog
// (the generation is stopped) or the date is not valid.
std::unique_ptr<TGrille> RequestDailyGrid(const QDate& Date, QWidget* Parent = nullptr);
