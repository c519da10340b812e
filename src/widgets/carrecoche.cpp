// SPDX-License-Identifier: GPL-3.0-or-later
#include "carrecoche.h"

#include <QPainter>

namespace {

// A one-pixel line from (X1, Y1) up to, not including, (X2, Y2); the lines of
// the box are horizontal or vertical.
void Line(QPainter& Painter, const QColor& Color, int X1, int Y1, int X2, int Y2) {
  if (X1 == X2) {
    const int top = Y1 < Y2 ? Y1 : Y2 + 1;
    const int length = Y1 < Y2 ? Y2 - Y1 : Y1 - Y2;
    Painter.fillRect(X1, top, 1, length, Color);
  } else {
    const int left = X1 < X2 ? X1 : X2 + 1;
    const int length = X1 < X2 ? X2 - X1 : X1 - X2;
    Painter.fillRect(left, Y1, length, 1, Color);
  }
}

const QColor White(255, 255, 255);
const QColor Grey(128, 128, 128);
const QColor LightGrey(223, 223, 223);
const QColor DisabledFill(191, 191, 191);
const QColor Black(0, 0, 0);

}  // namespace

TCarreCoche::TCarreCoche(QWidget* Parent) : TBoutonCoche(-1, Parent) {}

void TCarreCoche::Press() { SetChecked(!Checked()); }

void TCarreCoche::DrawMark(QPainter& Painter, int X0, int Y0) {
  Painter.fillRect(X0, Y0, MarkSize, MarkSize, White);
  // Sunken look: grey and black along the top and left, light grey along the
  // bottom and right.
  Line(Painter, Grey, X0 + 11, Y0, X0, Y0);
  Line(Painter, Grey, X0, Y0, X0, Y0 + 12);
  Line(Painter, LightGrey, X0 + 11, Y0 + 1, X0 + 11, Y0 + 11);
  Line(Painter, LightGrey, X0 + 11, Y0 + 11, X0, Y0 + 11);
  Line(Painter, Black, X0 + 10, Y0 + 1, X0 + 1, Y0 + 1);
  Line(Painter, Black, X0 + 1, Y0 + 1, X0 + 1, Y0 + 11);
  if (!isEnabled()) Painter.fillRect(X0 + 2, Y0 + 2, 9, 9, DisabledFill);
  if (Checked()) {
    const QColor tick = isEnabled() ? couleurcoche() : Grey;
    // Seven strokes of three pixels, down then up: the tick.
    constexpr int Tops[7] = {5, 6, 7, 6, 5, 4, 3};
    for (int k = 0; k < 7; ++k) Line(Painter, tick, X0 + 3 + k, Y0 + Tops[k], X0 + 3 + k, Y0 + Tops[k] + 3);
  }
}
