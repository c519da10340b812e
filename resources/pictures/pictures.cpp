// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures.h"

#include <QPainter>
#include <QSvgRenderer>

#include <cmath>

QString PicturePath(const QString& Name) { return QStringLiteral(":/pictures/") + Name + QStringLiteral(".svg"); }

QSize PictureSize(const QString& Name) {
  QSvgRenderer Renderer(PicturePath(Name));
  if (!Renderer.isValid()) return {};
  return Renderer.defaultSize();
}

QPixmap PicturePixmap(const QString& Name, qreal DevicePixelRatio) {
  QSvgRenderer Renderer(PicturePath(Name));
  if (!Renderer.isValid()) return {};
  const QSize Nominal = Renderer.defaultSize();
  const QSize Device(static_cast<int>(std::ceil(Nominal.width() * DevicePixelRatio)),
                     static_cast<int>(std::ceil(Nominal.height() * DevicePixelRatio)));
  QPixmap Pixmap(Device);
  Pixmap.fill(Qt::transparent);
  {
    QPainter Painter(&Pixmap);
    Painter.setRenderHint(QPainter::Antialiasing);
    Painter.setRenderHint(QPainter::SmoothPixmapTransform);
    Renderer.render(&Painter, QRectF(0, 0, Device.width(), Device.height()));
  }
  Pixmap.setDevicePixelRatio(DevicePixelRatio);
  return Pixmap;
}
