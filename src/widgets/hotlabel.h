// SPDX-License-Identifier: GPL-3.0-or-later
// THotLabel: the clickable text of every screen command. A transparent label that
// takes a hand cursor, a colour and optionally underline or bold while the
// pointer is over it.
//
// It is a command on the keyboard too: Tab reaches it, the arrow keys go to
// the next or previous label of its group (the labels of one panel), and
// Enter or Space run it. While the player has put the keyboard focus on it,
// it is drawn as under the pointer. Screen readers know it as a button named
// by its text.
#pragma once

#include <QColor>
#include <QLabel>

class THotLabel : public QLabel {
  Q_OBJECT
  Q_PROPERTY(QColor Couleur READ Couleur WRITE SetCouleur)
  Q_PROPERTY(QColor CouleurOver READ CouleurOver WRITE SetCouleurOver)
  Q_PROPERTY(TTypeHot TypeHot READ TypeHot WRITE SetTypeHot)

 public:
  // How the font changes while the pointer is over the label.
  enum TTypeHot { th_Souligne = 0, th_Gras = 1, th_None = 2 };
  Q_ENUM(TTypeHot)

  explicit THotLabel(QWidget* Parent = nullptr);
  explicit THotLabel(const QString& Caption, QWidget* Parent = nullptr);

  QColor Couleur() const { return Couleur_; }
  void SetCouleur(const QColor& Value);
  QColor CouleurOver() const { return CouleurOver_; }
  void SetCouleurOver(const QColor& Value);
  TTypeHot TypeHot() const { return TypeHot_; }
  void SetTypeHot(TTypeHot Value) { TypeHot_ = Value; }

  // True between the pointer's entry and its leaving.
  bool IsOver() const { return Over_; }
  // True while the player has put the keyboard focus on the label.
  bool HasKeyFocus() const { return KeyFocus_ && hasFocus(); }
  // Drawn as under the pointer: the pointer is over it, or it has the
  // player's keyboard focus.
  bool IsHot() const { return Hot_; }
  // The colour the text is drawn in now.
  QColor TextColor() const;
  // Takes the keyboard focus shown, as Tab gives it: Entrée runs the label
  // at once (a dialog's default choice).
  void ShowFocus();

 signals:
  // A left-button press and release on the label.
  void clicked();
  void doubleClicked();
  void mouseEntered();
  void mouseLeft();

 protected:
  bool event(QEvent* Event) override;
  void keyPressEvent(QKeyEvent* Event) override;
  void focusInEvent(QFocusEvent* Event) override;
  void focusOutEvent(QFocusEvent* Event) override;
  void enterEvent(QEnterEvent* Event) override;
  void leaveEvent(QEvent* Event) override;
  void mousePressEvent(QMouseEvent* Event) override;
  void mouseReleaseEvent(QMouseEvent* Event) override;
  void mouseDoubleClickEvent(QMouseEvent* Event) override;

 private:
  void SetTextColor(const QColor& Color);
  void SetHotStyle(bool On);
  // Applies the hot look when the label becomes or stops being hot.
  void UpdateHot();

  QColor Couleur_{Qt::black};
  QColor CouleurOver_{Qt::black};
  TTypeHot TypeHot_ = th_Souligne;
  bool Over_ = false;
  bool KeyFocus_ = false;
  bool Hot_ = false;
  bool LeftPressed_ = false;
};
