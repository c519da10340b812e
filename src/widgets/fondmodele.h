// SPDX-License-Identifier: GPL-3.0-or-later
// TFondModele: a panel whose background is a small picture drawn as a frame:
// fixed corners, tiled edges and a tiled middle, so that one picture dresses a
// panel of any size. TFond holds its own pictures; TFondCopie draws with the
// pictures of another panel, its model.
#pragma once

#include <QImage>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>

#include "marge.h"

class QPainter;

class TFondModele : public QWidget {
  Q_OBJECT
  Q_PROPERTY(TFondModele* Modele READ Modele WRITE SetModele)
  Q_PROPERTY(QImage Bitmap READ Bitmap WRITE SetBitmap)
  Q_PROPERTY(QImage BitmapSelection READ BitmapSelection WRITE SetBitmapSelection)
  Q_PROPERTY(TMarge* MargeMotif READ MargeMotif)

 public:
  ~TFondModele() override;

  // The panel whose pictures and margins this one draws with (not owned); none
  // draws with the panel's own.
  TFondModele* Modele() const { return Modele_; }
  void SetModele(TFondModele* Value);

  // The pictures: a panel without picture objects (a copy) returns null images
  // and ignores writes; a panel with them copies what it is given.
  bool HasBitmap() const { return Bitmap_ != nullptr; }
  QImage Bitmap() const { return Bitmap_ ? *Bitmap_ : QImage(); }
  void SetBitmap(const QImage& Value);
  bool HasBitmapSelection() const { return BitmapSelection_ != nullptr; }
  QImage BitmapSelection() const { return BitmapSelection_ ? *BitmapSelection_ : QImage(); }
  void SetBitmapSelection(const QImage& Value);

  // The frame's margins inside the picture, or none for a copy.
  TMarge* MargeMotif() const { return MargeMotif_.get(); }

  // Called after the background has been painted, with the panel and its painter,
  // so that the owner can draw over it.
  std::function<void(TFondModele* Sender, QPainter& Canvas)> OnPaint;
  // Called after the panel changed size.
  std::function<void(TFondModele* Sender)> onResize;

  // Draws this panel's picture into Target of Painter as a frame (corners kept,
  // edges and middle tiled, the right and bottom bands cut to what remains), or
  // tiled from the top-left corner when the margins are all 0. UseSelection
  // takes the selection picture when it exists and is not empty.
  void DrawBackground(QPainter& Painter, const QRect& Target, bool UseSelection) const;

 protected:
  explicit TFondModele(QWidget* Parent);

  // A selected text field draws with its model's selection picture.
  virtual bool UsesSelectionPicture() const { return false; }

  void paintEvent(QPaintEvent* Event) override;
  void resizeEvent(QResizeEvent* Event) override;

  std::unique_ptr<QImage> Bitmap_;
  std::unique_ptr<QImage> BitmapSelection_;
  std::unique_ptr<TMarge> MargeMotif_;

 private:
  QPointer<TFondModele> Modele_;
};
