// SPDX-License-Identifier: GPL-3.0-or-later
#include "hotlabel.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEnterEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPalette>

#include "keyfocus.h"

namespace {

// What a screen reader learns of a label: a button named by its text, with
// its tooltip (which names its key) as description, that it can press.
class HotLabelAccessible : public QAccessibleWidget {
 public:
  explicit HotLabelAccessible(THotLabel* Label) : QAccessibleWidget(Label, QAccessible::Button) {
    addControllingSignal(QStringLiteral("clicked()"));
  }

  QString text(QAccessible::Text Kind) const override {
    auto* label = static_cast<THotLabel*>(widget());
    switch (Kind) {
      case QAccessible::Name:
        return label->accessibleName().isEmpty() ? label->text() : label->accessibleName();
      case QAccessible::Description:
        return label->accessibleDescription().isEmpty() ? label->toolTip() : label->accessibleDescription();
      default:
        return QAccessibleWidget::text(Kind);
    }
  }

  QStringList actionNames() const override { return {pressAction()}; }

  void doAction(const QString& Action) override {
    if (Action == pressAction()) emit static_cast<THotLabel*>(widget())->clicked();
  }
};

QAccessibleInterface* HotLabelFactory(const QString& ClassName, QObject* Object) {
  if (ClassName == QLatin1String("THotLabel") && Object != nullptr && Object->isWidgetType())
    return new HotLabelAccessible(static_cast<THotLabel*>(Object));
  return nullptr;
}

void Prepare(THotLabel& Label) {
  static const bool installed = [] {
    QAccessible::installFactory(HotLabelFactory);
    return true;
  }();
  (void)installed;
  KeyFocus::Watch();
  Label.setFocusPolicy(Qt::TabFocus);
}

}  // namespace

THotLabel::THotLabel(QWidget* Parent) : QLabel(Parent) { Prepare(*this); }

THotLabel::THotLabel(const QString& Caption, QWidget* Parent) : QLabel(Caption, Parent) { Prepare(*this); }

void THotLabel::SetCouleur(const QColor& Value) {
  Couleur_ = Value;
  // A label that is not hot shows its resting colour at once, so a form
  // does not have to give the font the same colour beforehand.
  if (!Hot_) SetTextColor(Couleur_);
}

void THotLabel::SetCouleurOver(const QColor& Value) {
  CouleurOver_ = Value;
  if (Hot_) SetTextColor(CouleurOver_);
}

QColor THotLabel::TextColor() const { return palette().color(QPalette::WindowText); }

void THotLabel::SetTextColor(const QColor& Color) {
  QPalette p = palette();
  for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
    p.setColor(group, QPalette::WindowText, Color);
  setPalette(p);
}

// Only the one style bit of the hover kind is touched: a bold label that
// underlines on hover stays bold.
void THotLabel::SetHotStyle(bool On) {
  QFont f = font();
  switch (TypeHot_) {
    case th_Souligne:
      f.setUnderline(On);
      break;
    case th_Gras:
      f.setBold(On);
      break;
    case th_None:
      return;
  }
  setFont(f);
}

void THotLabel::UpdateHot() {
  const bool hot = Over_ || HasKeyFocus();
  if (hot == Hot_) return;
  Hot_ = hot;
  SetHotStyle(hot);
  SetTextColor(hot ? CouleurOver_ : Couleur_);
}

bool THotLabel::event(QEvent* Event) {
  // The first Tab on a label that holds the focus unseen (Qt gave it when
  // the window came up) shows it there instead of moving on.
  if (Event->type() == QEvent::KeyPress && hasFocus() && !KeyFocus_) {
    const int key = static_cast<QKeyEvent*>(Event)->key();
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
      KeyFocus_ = true;
      UpdateHot();
      Event->accept();
      return true;
    }
  }
  return QLabel::event(Event);
}

void THotLabel::keyPressEvent(QKeyEvent* Event) {
  const int key = Event->key();
  const bool run = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
  if (!run &&
      !KeyFocus::MoveWithArrows(*this, *Event, [](QWidget* W) { return qobject_cast<THotLabel*>(W) != nullptr; })) {
    // An arrow on a label alone in its group shows the focus, nothing more.
    if (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_Left || key == Qt::Key_Right) {
      KeyFocus_ = true;
      UpdateHot();
      Event->accept();
      return;
    }
    QLabel::keyPressEvent(Event);
    return;
  }
  Event->accept();
  if (!run) return;
  // A label whose focus the player cannot see yet shows it first.
  if (!KeyFocus_) {
    KeyFocus_ = true;
    UpdateHot();
    return;
  }
  if (Event->modifiers() == Qt::NoModifier || Event->modifiers() == Qt::KeypadModifier) emit clicked();
}

void THotLabel::ShowFocus() {
  setFocus(Qt::TabFocusReason);
  // Shown whatever the reason Qt gives the focus with, now or when the
  // window comes to the front.
  KeyFocus_ = true;
  UpdateHot();
}

void THotLabel::focusInEvent(QFocusEvent* Event) {
  QLabel::focusInEvent(Event);
  KeyFocus_ = KeyFocus::Shows(*Event, KeyFocus_);
  UpdateHot();
}

void THotLabel::focusOutEvent(QFocusEvent* Event) {
  QLabel::focusOutEvent(Event);
  KeyFocus_ = KeyFocus::KeepsShowing(*Event, KeyFocus_);
  UpdateHot();
}

void THotLabel::enterEvent(QEnterEvent* Event) {
  QLabel::enterEvent(Event);
  Over_ = true;
  setCursor(Qt::PointingHandCursor);
  UpdateHot();
  emit mouseEntered();
}

void THotLabel::leaveEvent(QEvent* Event) {
  QLabel::leaveEvent(Event);
  Over_ = false;
  setCursor(Qt::ArrowCursor);
  UpdateHot();
  emit mouseLeft();
}

void THotLabel::mousePressEvent(QMouseEvent* Event) {
  QLabel::mousePressEvent(Event);
  if (Event->button() == Qt::LeftButton) LeftPressed_ = true;
  Event->accept();
}

void THotLabel::mouseReleaseEvent(QMouseEvent* Event) {
  QLabel::mouseReleaseEvent(Event);
  const bool click = LeftPressed_ && Event->button() == Qt::LeftButton && rect().contains(Event->position().toPoint());
  if (Event->button() == Qt::LeftButton) LeftPressed_ = false;
  Event->accept();
  if (click) emit clicked();
}

void THotLabel::mouseDoubleClickEvent(QMouseEvent* Event) {
  // The second press of a double click raises the double click only, not a
  // second click (the base class would treat it as a press).
  Event->accept();
  if (Event->button() == Qt::LeftButton) emit doubleClicked();
}
