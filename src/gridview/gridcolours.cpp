// SPDX-License-Identifier: GPL-3.0-or-later
#include "gridcolours.h"

#include <algorithm>
#include <cmath>

#include "griddrawing.h"

namespace {

// The day look: a pale yellow board, the settings' red and purple signals.
TGridColours Day() {
  const TGridLook plain;
  TGridColours c;
  c.Board = QColor(255, 255, 210);
  c.Lines = plain.CouleurTrait;
  c.Givens = QColor(0, 0, 0);
  c.Digits = QColor(255, 128, 0);
  c.Hint = QColor(255, 0, 0);
  c.Notes = plain.CouleurNote;
  c.Selection = QColor(255, 255, 0);
  c.SameDigit = plain.CouleurSurlignage;
  c.Zone = plain.CouleurZone;
  c.HintUnit = plain.CouleurIndiceZone;
  c.HintKey = plain.CouleurIndiceCase;
  c.Wrong = QColor(255, 0, 0);
  c.BrokeRule = QColor(128, 0, 128);
  for (std::size_t k = 0; k < c.StepUnit.size(); ++k) {
    c.StepUnit[k] = plain.StepHues[k].Zone;
    c.StepKey[k] = plain.StepHues[k].Case;
  }
  return c;
}

// The day look with high contrast: deeper orange and red digits, a paler
// selection, an orange error and a pink rule break beside the blue highlight.
TGridColours DayHighContrast() {
  TGridColours c = Day();
  c.Digits = QColor(140, 52, 0);
  c.Hint = QColor(160, 0, 0);
  c.Selection = QColor(255, 240, 120);
  c.SameDigit = QColor(196, 222, 248);
  c.HintKey = QColor(222, 212, 248);
  c.Wrong = QColor(255, 206, 150);
  c.BrokeRule = QColor(244, 196, 232);
  c.StepKey[2] = QColor(246, 190, 216);  // the rose, paler under the deeper digits
  c.MarkErrors = true;
  return c;
}

// The night look: a near-black board, light lines and givens, the same
// roles in darker backgrounds and lighter digits.
TGridColours Night() {
  TGridColours c;
  c.Board = QColor(34, 34, 30);
  c.Lines = QColor(170, 168, 156);
  c.Givens = QColor(236, 236, 226);
  c.Digits = QColor(255, 164, 72);
  c.Hint = QColor(255, 140, 150);
  c.Notes = QColor(206, 206, 196);
  c.Selection = QColor(72, 66, 0);
  c.SameDigit = QColor(26, 56, 96);
  c.Zone = QColor(46, 52, 50);
  c.HintUnit = QColor(50, 42, 66);
  c.HintKey = QColor(72, 56, 106);
  c.Wrong = QColor(112, 22, 22);
  c.BrokeRule = QColor(88, 28, 100);
  // Peach, mint and rose at night.
  c.StepUnit = {QColor(56, 42, 30), QColor(30, 50, 36), QColor(58, 34, 46)};
  c.StepKey = {QColor(84, 54, 28), QColor(30, 70, 42), QColor(96, 44, 70)};
  return c;
}

TGridColours NightHighContrast() {
  TGridColours c = Night();
  c.Board = QColor(20, 20, 18);
  c.Lines = QColor(210, 208, 196);
  c.Givens = QColor(255, 255, 255);
  c.Digits = QColor(255, 180, 90);
  c.Hint = QColor(255, 170, 180);
  c.Notes = QColor(230, 230, 230);
  c.Selection = QColor(64, 58, 0);
  c.SameDigit = QColor(20, 48, 90);
  c.Zone = QColor(38, 44, 42);
  c.HintUnit = QColor(44, 36, 60);
  c.HintKey = QColor(66, 50, 100);
  c.Wrong = QColor(96, 46, 0);
  c.BrokeRule = QColor(90, 20, 80);
  c.MarkErrors = true;
  return c;
}

double Luminance(const QColor& Colour) {
  return 0.2126 * LinearChannel(Colour.red()) + 0.7152 * LinearChannel(Colour.green()) +
         0.0722 * LinearChannel(Colour.blue());
}

}  // namespace

double LinearChannel(int Channel) {
  const double c = Channel / 255.0;
  return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

void TGridColours::ApplyTo(TGridLook& Look) const {
  Look.CouleurFond = Board;
  Look.CouleurChiffreFixe = Givens;
  Look.CouleurChiffre = Digits;
  Look.CouleurChiffreHint = Hint;
  Look.CouleurNote = Notes;
  Look.CouleurSelection = Selection;
  Look.CouleurSurlignage = SameDigit;
  Look.CouleurZone = Zone;
  Look.CouleurIndiceZone = HintUnit;
  Look.CouleurIndiceCase = HintKey;
  Look.CouleurErreur = Wrong;
  Look.CouleurImpossible = BrokeRule;
  for (std::size_t k = 0; k < StepUnit.size(); ++k) Look.StepHues[k] = {StepUnit[k], StepKey[k]};
  Look.MarkErrors = MarkErrors;
}

TGridColours GameGridColours(bool Dark, bool HighContrast) {
  if (Dark) return HighContrast ? NightHighContrast() : Night();
  return HighContrast ? DayHighContrast() : Day();
}

QColor SignalColour(const QColor& Chosen, const QColor& DayDefault, const QColor& LookColour, bool DayLook) {
  return DayLook || Chosen != DayDefault ? Chosen : LookColour;
}

double ContrastRatio(const QColor& A, const QColor& B) {
  const double a = Luminance(A) + 0.05;
  const double b = Luminance(B) + 0.05;
  return std::max(a, b) / std::min(a, b);
}
