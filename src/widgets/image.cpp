// SPDX-License-Identifier: GPL-3.0-or-later
#include "image.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>

#include "look.h"
#include "nightcolours.h"

TImage::TImage(QWidget* Parent) : QWidget(Parent) {}

TImage::TImage(const QString& Path, QWidget* Parent) : QWidget(Parent) {
  SetPicture(Path);
  FitToPicture();
}

TImage::~TImage() = default;

bool TImage::SetPicture(const QString& Path) {
  Raster_ = QImage();
  Vector_.reset();
  VectorPath_.clear();
  if (Path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
    VectorPath_ = Path;
    QFile file(Path);
    QByteArray text = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    if (Look::Mode().Dark) text = NightColours(text);
    auto renderer = std::make_unique<QSvgRenderer>(text);
    if (renderer->isValid()) Vector_ = std::move(renderer);
  } else if (QFileInfo::exists(Path)) {
    QImageReader reader(Path);
    reader.setAutoTransform(true);
    Raster_ = reader.read();
  }
  Changed();
  return HasPicture();
}

void TImage::ApplyLook() {
  const QString path = VectorPath_;  // SetPicture starts by forgetting it
  if (!path.isEmpty()) SetPicture(path);
}

void TImage::SetImage(const QImage& Picture) {
  VectorPath_.clear();
  Vector_.reset();
  Raster_ = Picture;
  Changed();
}

void TImage::ClearPicture() {
  VectorPath_.clear();
  Vector_.reset();
  Raster_ = QImage();
  Changed();
}

bool TImage::HasPicture() const { return Vector_ != nullptr || !Raster_.isNull(); }

void TImage::SetStretch(bool Value) {
  if (Stretch_ == Value) return;
  Stretch_ = Value;
  Changed();
}

void TImage::SetCouleur(const QColor& Value) {
  Couleur_ = Value;
  update();
}

QSize TImage::PictureSize() const {
  if (Vector_) return Vector_->defaultSize();
  if (!Raster_.isNull()) return Raster_.deviceIndependentSize().toSize();
  return {};
}

void TImage::FitToPicture() {
  if (HasPicture()) resize(PictureSize());
}

QSize TImage::sizeHint() const { return HasPicture() ? PictureSize() : QWidget::sizeHint(); }

void TImage::Changed() {
  Scaled_ = QPixmap();
  update();
}

void TImage::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (Couleur_.isValid()) painter.fillRect(rect(), Couleur_);
  if (!HasPicture()) return;
  const QRect target = Stretch_ ? rect() : QRect(QPoint(0, 0), PictureSize());
  if (Vector_) {
    Vector_->render(&painter, target);
    return;
  }
  if (!Stretch_) {
    painter.drawImage(target, Raster_);
    return;
  }
  // A stretched raster picture fills the control without being distorted: it
  // is scaled to cover it and its middle is kept.
  const qreal ratio = devicePixelRatioF();
  const QSize device = (QSizeF(target.size()) * ratio).toSize();
  if (Scaled_.isNull() || Scaled_.size() != device) {
    const QImage covering = Raster_.scaled(device, Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation);
    const QRect middle(QPoint((covering.width() - device.width()) / 2, (covering.height() - device.height()) / 2),
                       device);
    Scaled_ = QPixmap::fromImage(covering.copy(middle));
    Scaled_.setDevicePixelRatio(ratio);
  }
  painter.drawPixmap(target.topLeft(), Scaled_);
}

void TImage::mousePressEvent(QMouseEvent* Event) {
  if (Event->button() == Qt::LeftButton) LeftPressed_ = true;
  QWidget::mousePressEvent(Event);
}

void TImage::mouseReleaseEvent(QMouseEvent* Event) {
  const bool click = LeftPressed_ && Event->button() == Qt::LeftButton && rect().contains(Event->position().toPoint());
  if (Event->button() == Qt::LeftButton) LeftPressed_ = false;
  QWidget::mouseReleaseEvent(Event);
  if (click) emit clicked();
}
