#include "boutoncoche.h"

#include <QEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

TBoutonCoche::TBoutonCoche(qint32 Groupe, QWidget* Parent) : QWidget(Parent), groupe_(Groupe) {
  resize(100, 20);
}

TBoutonCoche* TBoutonCoche::CheckedPartner() const {
  if (groupe_ < 0 || parentWidget() == nullptr) return nullptr;
  for (QObject* child : parentWidget()->children()) {
    auto* other = qobject_cast<TBoutonCoche*>(child);
    if (other != nullptr && other != this && other->groupe_ == groupe_ && other->Checked_)
      return other;
  }
  return nullptr;
}

void TBoutonCoche::SetChecked(bool Value) {
  if (Value == Checked_) return;
  Checked_ = Value;
  if (Value) {
    if (TBoutonCoche* partner = CheckedPartner()) partner->SetChecked(false);
  }
  update();
}

void TBoutonCoche::Setgroupe(qint32 Value) {
  if (Value == groupe_) return;
  groupe_ = Value;
  // Moving into a group that already has its checked member: that one keeps it.
  if (Checked_ && CheckedPartner() != nullptr) Checked_ = false;
  update();
}

void TBoutonCoche::SetAlignement(TAlignement Value) {
  if (Value == Alignement_) return;
  Alignement_ = Value;
  update();
}

void TBoutonCoche::Setcouleurcoche(const QColor& Value) {
  if (Value == couleurcoche_) return;
  couleurcoche_ = Value;
  update();
}

void TBoutonCoche::Setautosize(bool Value) {
  autosize_ = Value;
  // Turning it on fits the width at once, whatever order a screen sets things in.
  if (autosize_) AdjustWidth();
}

void TBoutonCoche::SetCaption(const QString& Value) {
  Caption_ = Value;
  AdjustWidth();
  update();
}

void TBoutonCoche::AdjustWidth() {
  if (!autosize_) return;
  resize(QFontMetrics(font()).horizontalAdvance(Caption_) + CaptionOffset, height());
}

void TBoutonCoche::changeEvent(QEvent* Event) {
  QWidget::changeEvent(Event);
  if (Event->type() == QEvent::FontChange) {
    AdjustWidth();
    update();
  } else if (Event->type() == QEvent::EnabledChange) {
    update();
  }
}

QPoint TBoutonCoche::MarkOrigin() const {
  const int x0 = Alignement_ == taGauche ? width() - MarkSize : 0;
  return {x0, (height() - MarkSize) / 2};
}

void TBoutonCoche::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setFont(font());
  painter.setPen(palette().color(QPalette::Active, QPalette::WindowText));
  const QFontMetrics metrics(font());
  const int x = Alignement_ == taDroite ? CaptionOffset : 0;
  const int y = (height() - metrics.height()) / 2;
  painter.drawText(QPoint(x, y + metrics.ascent()), Caption_);
  const QPoint origin = MarkOrigin();
  DrawMark(painter, origin.x(), origin.y());
}

void TBoutonCoche::mousePressEvent(QMouseEvent* Event) {
  QWidget::mousePressEvent(Event);
  Event->accept();
  emit mousePressed(Event->button());
  if (Event->button() == Qt::LeftButton) LeftPressed_ = true;
  Press();
  update();
}

void TBoutonCoche::mouseReleaseEvent(QMouseEvent* Event) {
  QWidget::mouseReleaseEvent(Event);
  Event->accept();
  const bool click = LeftPressed_ && Event->button() == Qt::LeftButton &&
                     rect().contains(Event->position().toPoint());
  if (Event->button() == Qt::LeftButton) LeftPressed_ = false;
  if (click) emit clicked();
}
