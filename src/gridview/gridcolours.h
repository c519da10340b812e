// SPDX-License-Identifier: GPL-3.0-or-later
// The colours of the game screen's grid in each look: the day look (the
// grid's since the first version), the night look, and each with high
// contrast. Every look keeps the roles: a board, lines, black (or at night
// light) givens, the player's digits orange, the hinted digit red, the pencil
// marks, the yellow selection, the blue highlight of the same digits, the
// tints of the last hint and the two signal backgrounds. In the night and high
// contrast looks every digit and mark reads at least 4.5:1 on every background
// it can stand on; with high contrast the signals do not rest on red and green
// alone, the errors are marked by a shape too.
#pragma once

#include <QColor>
#include <array>

struct TGridLook;

struct TGridColours {
  QColor Board;
  QColor Lines;
  QColor Givens;
  QColor Digits;  // the player's
  QColor Hint;    // the hinted cell's digit or marks
  QColor Notes;   // pencil marks and candidates
  QColor Selection;
  QColor SameDigit;
  QColor Zone;
  QColor HintUnit;
  QColor HintKey;
  // The signal backgrounds of a digit that differs from the solution and of
  // one that broke a rule.
  QColor Wrong;
  QColor BrokeRule;
  // The tints of a hint given a step at a time, a hue per step in turn: the
  // unit's, then the cells'.
  std::array<QColor, 3> StepUnit;
  std::array<QColor, 3> StepKey;
  // Errors are marked by a shape as well as by their background.
  bool MarkErrors = false;

  // The text colours and the backgrounds, for the checks of their contrast.
  std::array<QColor, 4> Texts() const { return {Givens, Digits, Hint, Notes}; }
  std::array<QColor, 14> Backgrounds() const {
    return {Board,     Selection,   SameDigit,  Zone,        HintUnit,   HintKey,     Wrong,
            BrokeRule, StepUnit[0], StepKey[0], StepUnit[1], StepKey[1], StepUnit[2], StepKey[2]};
  }
  // Sets the look's colours (not its lines, which stay the paper's).
  void ApplyTo(TGridLook& Look) const;
};

// The grid's colours in a look. The day look's signal backgrounds are the
// settings' defaults (red, purple).
TGridColours GameGridColours(bool Dark, bool HighContrast);

// A signal background: the player's choice in the day look; in another look
// the choice too, unless it is the default, which becomes the look's own.
QColor SignalColour(const QColor& Chosen, const QColor& DayDefault, const QColor& LookColour, bool DayLook);

// An sRGB channel (0 to 255) as linear light, 0 to 1.
double LinearChannel(int Channel);
// The contrast of two colours by their relative luminance (sRGB): 1 for
// equal luminances, 21 for black on white.
double ContrastRatio(const QColor& A, const QColor& B);
