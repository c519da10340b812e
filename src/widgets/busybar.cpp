// SPDX-License-Identifier: GPL-3.0-or-later
#include "busybar.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QTimer>

#include "look.h"

namespace {

const QColor TrackColor{246, 238, 196};
const QColor SegmentLight{190, 70, 60};
// The segment's share of the track's length.
constexpr qreal SegmentShare = 0.28;

}  // namespace

TBusyBar::TBusyBar(QWidget* Parent) : QWidget(Parent), Timer_(new QTimer(this)) {
  setAccessibleName(tr("Génération en cours"));
  Timer_->setInterval(IntervalMs);
  connect(Timer_, &QTimer::timeout, this, [this] {
    Phase_ += Direction_;
    if (Phase_ >= Steps || Phase_ <= 0) Direction_ = -Direction_;
    update();
  });
}

bool TBusyBar::Running() const { return Timer_->isActive(); }

void TBusyBar::showEvent(QShowEvent* Event) {
  QWidget::showEvent(Event);
  Timer_->start();
}

void TBusyBar::hideEvent(QHideEvent* Event) {
  QWidget::hideEvent(Event);
  Timer_->stop();
}

void TBusyBar::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF track = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
  const qreal radius = track.height() / 2;
  painter.setPen(QPen(Look::Colours().Edge, 1));
  painter.setBrush(Look::Mode().Dark ? Look::Colours().Panel : TrackColor);
  painter.drawRoundedRect(track, radius, radius);

  // The segment eases in and out at the ends of its run.
  const qreal inner = track.width() - 4;
  const qreal length = inner * SegmentShare;
  const qreal t = qreal(Phase_) / Steps;
  const qreal eased = t * t * (3 - 2 * t);
  const QRectF segment(track.left() + 2 + eased * (inner - length), track.top() + 2, length, track.height() - 4);
  QLinearGradient shade(segment.topLeft(), segment.bottomLeft());
  shade.setColorAt(0, SegmentLight);
  shade.setColorAt(1, Look::Colours().Hover);
  painter.setPen(Qt::NoPen);
  painter.setBrush(shade);
  painter.drawRoundedRect(segment, segment.height() / 2, segment.height() / 2);
}
