// SPDX-License-Identifier: GPL-3.0-or-later
#include "edition2.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>

TEdition2::TEdition2(QWidget* Parent) : TFondCopie(Parent) {
  QFont f = font();
  f.setBold(true);
  setFont(f);
  setFocusPolicy(Qt::NoFocus);
}

void TEdition2::SetDecalX(int Value) {
  DecalX_ = Value;
  update();
}

void TEdition2::SetDecalY(int Value) {
  DecalY_ = Value;
  update();
}

bool TEdition2::IsTabStop() const { return (focusPolicy() & Qt::TabFocus) != 0; }

void TEdition2::SetSelectionne(bool Value) {
  if (Value && !Multi_ && parentWidget() != nullptr) {
    for (QObject* child : parentWidget()->children()) {
      auto* other = qobject_cast<TEdition2*>(child);
      if (other != nullptr && other != this && other->Selectionne_) other->SetSelectionne(false);
    }
  }
  if (Value == Selectionne_) return;
  Selectionne_ = Value;
  if (Value && IsTabStop()) setFocus(Qt::OtherFocusReason);
  update();
}

void TEdition2::SetMaxlength(quint8 Value) {
  Maxlength_ = Value;
  SetText(Text_);
}

void TEdition2::SetText(const QString& Value) {
  QString text = Value;
  if (Maxlength_ != 0 && text.size() > Maxlength_) text.truncate(Maxlength_);
  const bool changed = text != Text_;
  Text_ = text;
  update();
  if (changed) emit textChanged(Text_);
}

bool TEdition2::AcceptsCharacter(QChar Character) {
  const char16_t c = Character.unicode();
  if ((c >= 32 && c <= 126) || (c >= 160 && c <= 254)) return true;
  // The code page's own letters and signs between 128 and 159.
  static const QString Extras = QStringLiteral("€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ");
  return Extras.contains(Character);
}

void TEdition2::mousePressEvent(QMouseEvent* Event) {
  TFondCopie::mousePressEvent(Event);
  Event->accept();
  if (Selectionnable_)
    SetSelectionne(Multi_ ? !Selectionne_ : true);
  else if (IsTabStop())
    setFocus(Qt::MouseFocusReason);
}

void TEdition2::FocusChanged() {
  if (!IsTabStop()) return;
  const bool focused = hasFocus();
  const bool changed = focused != Focuse_ || focused != Selectionne_;
  Focuse_ = focused;
  if (Focuse_ != Selectionne_) SetSelectionne(Focuse_);
  if (changed) update();
}

void TEdition2::focusInEvent(QFocusEvent* Event) {
  TFondCopie::focusInEvent(Event);
  // The next character typed replaces the whole text.
  if (AutoSelect_) ReplaceAll_ = true;
  FocusChanged();
  emit entered();
}

void TEdition2::focusOutEvent(QFocusEvent* Event) {
  TFondCopie::focusOutEvent(Event);
  ReplaceAll_ = false;
  FocusChanged();
}

void TEdition2::keyPressEvent(QKeyEvent* Event) {
  TFondCopie::keyPressEvent(Event);
  if (!IsTabStop()) return;
  if (Event->key() == Qt::Key_Backspace) {
    QString text = ReplaceAll_ ? QString() : Text_;
    ReplaceAll_ = false;
    text.chop(1);
    SetText(text);
    Event->accept();
    return;
  }
  const QString typed = Event->text();
  if (typed.size() != 1 || !AcceptsCharacter(typed.front())) return;
  const QString base = ReplaceAll_ ? QString() : Text_;
  ReplaceAll_ = false;
  SetText(base + typed);
  Event->accept();
}
