// SPDX-License-Identifier: GPL-3.0-or-later
#include "boutoncoche.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "keyfocus.h"

namespace {

// What a screen reader learns of a box: a check box or radio button named by
// its caption (or its accessible name), checked or not, that it can press.
class BoutonCocheAccessible : public QAccessibleWidget {
 public:
  explicit BoutonCocheAccessible(TBoutonCoche* Box)
      : QAccessibleWidget(Box, Box->IsRadio() ? QAccessible::RadioButton : QAccessible::CheckBox) {}

  QString text(QAccessible::Text Kind) const override {
    auto* box = static_cast<TBoutonCoche*>(widget());
    if (Kind == QAccessible::Name) return box->accessibleName().isEmpty() ? box->Caption() : box->accessibleName();
    return QAccessibleWidget::text(Kind);
  }

  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    s.checkable = true;
    s.checked = static_cast<TBoutonCoche*>(widget())->Checked();
    return s;
  }

  QStringList actionNames() const override { return {pressAction(), toggleAction()}; }

  void doAction(const QString& Action) override {
    if (Action == pressAction() || Action == toggleAction()) static_cast<TBoutonCoche*>(widget())->Click();
  }
};

QAccessibleInterface* BoutonCocheFactory(const QString&, QObject* Object) {
  if (auto* box = qobject_cast<TBoutonCoche*>(Object)) return new BoutonCocheAccessible(box);
  return nullptr;
}

}  // namespace

TBoutonCoche::TBoutonCoche(qint32 Groupe, QWidget* Parent) : QWidget(Parent), groupe_(Groupe) {
  static const bool installed = [] {
    QAccessible::installFactory(BoutonCocheFactory);
    return true;
  }();
  (void)installed;
  KeyFocus::Watch();
  setFocusPolicy(Qt::TabFocus);
  resize(100, 20);
}

TBoutonCoche* TBoutonCoche::CheckedPartner() const {
  if (groupe_ < 0 || parentWidget() == nullptr) return nullptr;
  for (QObject* child : parentWidget()->children()) {
    auto* other = qobject_cast<TBoutonCoche*>(child);
    if (other != nullptr && other != this && other->groupe_ == groupe_ && other->Checked_) return other;
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
  if (HasKeyFocus()) {
    painter.setPen(QPen(palette().color(QPalette::Active, QPalette::WindowText), 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
  }
}

void TBoutonCoche::Click() {
  Press();
  update();
  emit clicked();
}

void TBoutonCoche::keyPressEvent(QKeyEvent* Event) {
  const int key = Event->key();
  if (KeyFocus::MoveWithArrows(*this, *Event, [](QWidget* W) { return qobject_cast<TBoutonCoche*>(W) != nullptr; })) {
    Event->accept();
    return;
  }
  if (key != Qt::Key_Space && key != Qt::Key_Return && key != Qt::Key_Enter) {
    QWidget::keyPressEvent(Event);
    return;
  }
  Event->accept();
  // A box whose focus the player cannot see yet shows it first.
  if (!KeyFocus_) {
    KeyFocus_ = true;
    update();
    return;
  }
  Click();
}

void TBoutonCoche::focusInEvent(QFocusEvent* Event) {
  QWidget::focusInEvent(Event);
  KeyFocus_ = KeyFocus::Shows(*Event, KeyFocus_);
  update();
}

void TBoutonCoche::focusOutEvent(QFocusEvent* Event) {
  QWidget::focusOutEvent(Event);
  KeyFocus_ = KeyFocus::KeepsShowing(*Event, KeyFocus_);
  update();
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
  const bool click = LeftPressed_ && Event->button() == Qt::LeftButton && rect().contains(Event->position().toPoint());
  if (Event->button() == Qt::LeftButton) LeftPressed_ = false;
  if (click) emit clicked();
}
