// SPDX-License-Identifier: GPL-3.0-or-later
// TImage: a picture control. It shows a raster picture (JPEG, PNG) or a vector
// picture (SVG), either stretched over the whole control (a raster picture
// keeps its proportions and is cut to cover it) or at its own size
// from the top-left corner, and leaves the rest transparent, or filled with
// its colour when it has one. A vector picture is drawn at the screen's own
// resolution, so it stays sharp on a screen scaled 2x.
#pragma once

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QString>
#include <QWidget>
#include <memory>

class QSvgRenderer;

class TImage : public QWidget {
  Q_OBJECT
  Q_PROPERTY(bool Stretch READ Stretch WRITE SetStretch)
  Q_PROPERTY(QColor Couleur READ Couleur WRITE SetCouleur)

 public:
  explicit TImage(QWidget* Parent = nullptr);
  // A picture from a file or a resource, at its own size.
  TImage(const QString& Path, QWidget* Parent);
  ~TImage() override;

  // Loads the picture at Path (".svg" as a vector picture, anything else as a
  // raster picture). False, and no picture, when it is missing or unreadable.
  // A vector picture takes the night colours in the night look
  // (NightColours).
  bool SetPicture(const QString& Path);
  // A vector picture loaded again in the look in force.
  void ApplyLook();
  void SetImage(const QImage& Picture);
  void ClearPicture();
  bool HasPicture() const;

  // Stretched over the control, or drawn at its own size from the top left.
  bool Stretch() const { return Stretch_; }
  void SetStretch(bool Value);

  // Painted under the picture and wherever the picture does not reach; an
  // invalid colour (the default) leaves the control transparent.
  QColor Couleur() const { return Couleur_; }
  void SetCouleur(const QColor& Value);

  // The picture's own size in pixels (a vector picture's nominal size).
  QSize PictureSize() const;
  // Resizes the control to the picture's own size.
  void FitToPicture();

  QSize sizeHint() const override;

 signals:
  // A left-button press and release on the control.
  void clicked();

 protected:
  void paintEvent(QPaintEvent* Event) override;
  void mousePressEvent(QMouseEvent* Event) override;
  void mouseReleaseEvent(QMouseEvent* Event) override;

 private:
  void Changed();

  QImage Raster_;
  std::unique_ptr<QSvgRenderer> Vector_;
  QString VectorPath_;
  // The raster picture scaled to the control at the screen's resolution, kept
  // so that a stretched background is scaled once per size, not per repaint.
  QPixmap Scaled_;
  QColor Couleur_;
  bool Stretch_ = false;
  bool LeftPressed_ = false;
};
