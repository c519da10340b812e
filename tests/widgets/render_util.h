// SPDX-License-Identifier: GPL-3.0-or-later
// Renders a widget (and its children) offscreen onto a picture filled with a
// given colour first, so that whatever the widget leaves unpainted keeps it.
#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>
#include <string>

inline QImage RenderOver(QWidget& Widget, const QColor& Underneath) {
  QImage image(Widget.size(), QImage::Format_RGB32);
  image.fill(Underneath);
  Widget.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
  return image;
}

inline QColor At(const QImage& Image, int X, int Y) { return Image.pixelColor(X, Y); }

// Number of pixels of a colour inside a rectangle of the picture.
inline int CountColor(const QImage& Image, const QColor& Color, QRect Area = QRect()) {
  if (Area.isNull()) Area = Image.rect();
  int count = 0;
  for (int y = Area.top(); y <= Area.bottom(); ++y)
    for (int x = Area.left(); x <= Area.right(); ++x)
      if (Image.pixelColor(x, y) == Color) ++count;
  return count;
}

// Compares a Size by Size square of the picture at (X0, Y0) with the colours
// Want(x, y) gives; returns the first difference, or an empty text.
template <class WantColor>
std::string CompareSquare(const QImage& Image, int X0, int Y0, int Size, WantColor Want) {
  for (int y = 0; y < Size; ++y)
    for (int x = 0; x < Size; ++x) {
      const QColor want = Want(x, y);
      const QColor got = Image.pixelColor(X0 + x, Y0 + y);
      if (got != want)
        return "pixel (" + std::to_string(x) + ", " + std::to_string(y) + ") is " + got.name().toStdString() +
               ", expected " + want.name().toStdString();
    }
  return {};
}
