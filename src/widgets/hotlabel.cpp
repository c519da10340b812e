#include "hotlabel.h"

#include <QEnterEvent>
#include <QMouseEvent>
#include <QPalette>

THotLabel::THotLabel(QWidget* Parent) : QLabel(Parent) {}

THotLabel::THotLabel(const QString& Caption, QWidget* Parent) : QLabel(Caption, Parent) {}

void THotLabel::SetCouleur(const QColor& Value) {
  Couleur_ = Value;
  // A label not under the pointer shows its resting colour at once, so a form
  // does not have to give the font the same colour beforehand.
  if (!Over_) SetTextColor(Couleur_);
}

void THotLabel::SetCouleurOver(const QColor& Value) {
  CouleurOver_ = Value;
  if (Over_) SetTextColor(CouleurOver_);
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

void THotLabel::enterEvent(QEnterEvent* Event) {
  QLabel::enterEvent(Event);
  Over_ = true;
  setCursor(Qt::PointingHandCursor);
  SetHotStyle(true);
  SetTextColor(CouleurOver_);
  emit mouseEntered();
}

void THotLabel::leaveEvent(QEvent* Event) {
  QLabel::leaveEvent(Event);
  Over_ = false;
  setCursor(Qt::ArrowCursor);
  SetHotStyle(false);
  SetTextColor(Couleur_);
  emit mouseLeft();
}

void THotLabel::mousePressEvent(QMouseEvent* Event) {
  QLabel::mousePressEvent(Event);
  if (Event->button() == Qt::LeftButton) LeftPressed_ = true;
  Event->accept();
}

void THotLabel::mouseReleaseEvent(QMouseEvent* Event) {
  QLabel::mouseReleaseEvent(Event);
  const bool click = LeftPressed_ && Event->button() == Qt::LeftButton &&
                     rect().contains(Event->position().toPoint());
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
