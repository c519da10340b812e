// SPDX-License-Identifier: GPL-3.0-or-later
#include "rondcoche.h"

#include <QPainter>

namespace {

// One code per pixel: 0 transparent, 1 grey, 2 black, 3 white (the inside),
// 4 light grey.
constexpr char Pattern[12][13] = {
    "000011110000", "001122221100", "012233332230", "012333333430", "123333333343", "123333333343",
    "123333333343", "123333333343", "012333333430", "014433334430", "003344443300", "000033330000",
};

QImage BuildPicture(const QColor& Inside) {
  const QRgb colours[5] = {qRgba(0, 0, 0, 0), qRgb(128, 128, 128), qRgb(0, 0, 0), Inside.rgb(), qRgb(223, 223, 223)};
  QImage picture(12, 12, QImage::Format_ARGB32);
  for (int y = 0; y < 12; ++y)
    for (int x = 0; x < 12; ++x) picture.setPixel(x, y, colours[Pattern[y][x] - '0']);
  return picture;
}

}  // namespace

TRondCoche::TRondCoche(QWidget* Parent)
    : TBoutonCoche(0, Parent),
      Enabled_(BuildPicture(QColor(255, 255, 255))),
      Disabled_(BuildPicture(QColor(191, 191, 191))) {}

void TRondCoche::Press() {
  if (!Checked()) SetChecked(true);
}

void TRondCoche::DrawMark(QPainter& Painter, int X0, int Y0) {
  Painter.drawImage(X0, Y0, isEnabled() ? Enabled_ : Disabled_);
  if (Checked()) {
    // The dot fills the 4 by 4 box (X0 + 4, Y0 + 4) to (X0 + 8, Y0 + 8) without
    // its corner pixels: a round dot at this size.
    const QColor dot = isEnabled() ? couleurcoche() : QColor(128, 128, 128);
    Painter.fillRect(X0 + 5, Y0 + 4, 2, 4, dot);
    Painter.fillRect(X0 + 4, Y0 + 5, 4, 2, dot);
  }
}
