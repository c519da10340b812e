// Renders a widget (and its children) offscreen onto a picture filled with a
// given colour first, so that whatever the widget leaves unpainted keeps it.
#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

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
