// SPDX-License-Identifier: GPL-3.0-or-later
#include "fondmodele.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

TFondModele::TFondModele(QWidget* Parent) : QWidget(Parent) { resize(50, 50); }

TFondModele::~TFondModele() = default;

void TFondModele::SetModele(TFondModele* Value) {
  if (Modele_ == Value) return;
  Modele_ = Value;
  update();
}

void TFondModele::SetBitmap(const QImage& Value) {
  if (Bitmap_) *Bitmap_ = Value;
  update();
}

void TFondModele::SetBitmapSelection(const QImage& Value) {
  if (BitmapSelection_) *BitmapSelection_ = Value;
  update();
}

void TFondModele::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const TFondModele* source = Modele_ ? Modele_.data() : this;
  const bool useSelection = UsesSelectionPicture() && Modele_ != nullptr;
  source->DrawBackground(painter, rect(), useSelection);
  if (OnPaint) OnPaint(this, painter);
}

void TFondModele::resizeEvent(QResizeEvent* Event) {
  QWidget::resizeEvent(Event);
  if (onResize) onResize(this);
}

void TFondModele::DrawBackground(QPainter& Painter, const QRect& Target, bool UseSelection) const {
  if (!Bitmap_) return;
  const QImage* picture = Bitmap_.get();
  if (UseSelection && BitmapSelection_ && BitmapSelection_->width() > 0) picture = BitmapSelection_.get();
  const int bw = picture->width();
  const int bh = picture->height();
  if (bw == 0 || bh == 0) return;
  const int W = Target.width();
  const int H = Target.height();
  if (W <= 0 || H <= 0) return;

  Painter.save();
  Painter.translate(Target.topLeft());
  Painter.setClipRect(QRect(0, 0, W, H), Qt::IntersectClip);

  // Same-size copy of a piece of the picture; pieces that fall outside the
  // picture (only possible on panels smaller than the frame) are cut to it.
  const QRect bounds(0, 0, bw, bh);
  auto copy = [&](int sx, int sy, int sw, int sh, int dx, int dy) {
    if (sw <= 0 || sh <= 0) return;
    const QRect wanted(sx, sy, sw, sh);
    const QRect piece = wanted.intersected(bounds);
    if (piece.isEmpty()) return;
    Painter.drawImage(QPoint(dx + piece.left() - sx, dy + piece.top() - sy), *picture, piece);
  };

  const TMarge* margins = MargeMotif_.get();
  const int mL = margins ? margins->Left() : 0;
  const int mT = margins ? margins->Top() : 0;
  const int mR = margins ? margins->Right() : 0;
  const int mB = margins ? margins->Bottom() : 0;
  const int cw = bw - mL - mR;
  const int ch = bh - mT - mB;

  // Without margins, or with margins that leave no middle to repeat, the picture
  // is tiled from the top-left corner.
  if ((mL == 0 && mT == 0 && mR == 0 && mB == 0) || cw <= 0 || ch <= 0) {
    for (int cx = 0; cx <= W / bw; ++cx)
      for (int cy = 0; cy <= H / bh; ++cy) copy(0, 0, bw, bh, cx * bw, cy * bh);
    Painter.restore();
    return;
  }

  const int nx = std::max(0, (W - mL - mR) / cw);
  const int ny = std::max(0, (H - mT - mB) / ch);

  // Top band: corner, repeated edge, then the picture's right end at the width
  // that remains.
  if (mT > 0) {
    copy(0, 0, mL, mT, 0, 0);
    for (int k = 0; k < nx; ++k) copy(mL, 0, cw, mT, mL + k * cw, 0);
    const int x1 = mL + nx * cw;
    copy(bw - (W - x1), 0, W - x1, mT, x1, 0);
  }
  // Left band, one copy more than the middle rows: the last one reaches into the
  // bottom band, drawn later.
  if (mL > 0) {
    for (int k = 0; k <= ny; ++k) copy(0, mT, mL, ch, 0, mT + k * ch);
  }
  const int nx2 = mR > 0 ? nx - 1 : nx;
  const int ny2 = mB > 0 ? ny - 1 : ny;
  for (int cx = 0; cx <= nx2; ++cx)
    for (int cy = 0; cy <= ny2; ++cy) copy(mL, mT, cw, ch, mL + cx * cw, mT + cy * ch);
  // Where the middle ends on each axis (at the margin when it has no copy there).
  const int xe = mL + (nx2 + 1) * cw;
  const int ye = mT + (ny2 + 1) * ch;

  if (mB > 0) {
    const int hb = H - ye;
    copy(0, bh - hb, mL, hb, 0, ye);
    for (int k = 0; k <= nx2; ++k) copy(mL, bh - hb, cw, hb, mL + k * cw, ye);
    const int x2 = xe;
    copy(bw - (W - x2), bh - hb, W - x2, hb, x2, ye);
  }
  if (mR > 0) {
    for (int k = 0; k <= ny2; ++k) copy(bw - (W - xe), mT, W - xe, ch, xe, mT + k * ch);
  }
  Painter.restore();
}
