// SPDX-License-Identifier: GPL-3.0-or-later
// TBoutonCoche: the common base of the screens' square check boxes (TCarreCoche)
// and round radio buttons (TRondCoche). It keeps the state, the caption and the
// group rule: within one parent, at most one widget of a group is checked.
//
// The widget is drawn over its parent and leaves every pixel it does not draw
// alone, so the parent's panel shows through around the mark and the caption.
//
// On the keyboard, Tab reaches it, the arrow keys go to the next or previous
// box of its parent, and Space or Enter press it as a left click does; the
// box the player moved to is framed with a dotted line. Screen readers know
// it as a check box (or a radio button) named by its caption.
#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

class QPainter;

class TBoutonCoche : public QWidget {
  Q_OBJECT
  Q_PROPERTY(bool Checked READ Checked WRITE SetChecked)
  Q_PROPERTY(TAlignement Alignement READ Alignement WRITE SetAlignement)
  Q_PROPERTY(qint32 groupe READ groupe WRITE Setgroupe)
  Q_PROPERTY(bool autosize READ autosize WRITE Setautosize)
  Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
  Q_PROPERTY(QColor couleurcoche READ couleurcoche WRITE Setcouleurcoche)

 public:
  // Side of the caption: taDroite puts the mark at the left edge and the caption
  // to its right; taGauche puts the caption at the left and the mark at the
  // right edge.
  enum TAlignement { taDroite = 0, taGauche = 1 };
  Q_ENUM(TAlignement)

  // Size of the mark box and the caption's offset from the left edge.
  static constexpr int MarkSize = 13;
  static constexpr int CaptionOffset = 25;

  bool Checked() const { return Checked_; }
  void SetChecked(bool Value);
  TAlignement Alignement() const { return Alignement_; }
  void SetAlignement(TAlignement Value);
  qint32 groupe() const { return groupe_; }
  void Setgroupe(qint32 Value);
  bool autosize() const { return autosize_; }
  void Setautosize(bool Value);
  QString Caption() const { return Caption_; }
  void SetCaption(const QString& Value);
  QColor couleurcoche() const { return couleurcoche_; }
  void Setcouleurcoche(const QColor& Value);

  // The first other widget of this kind family under the same parent that has
  // the same group and is checked; none for a negative group or no parent.
  TBoutonCoche* CheckedPartner() const;

  // Top-left corner of the mark inside the widget.
  QPoint MarkOrigin() const;

  // True while the player has put the keyboard focus on the widget.
  bool HasKeyFocus() const { return KeyFocus_ && hasFocus(); }
  // The widget's kind for screen readers: a check box or a radio button.
  virtual bool IsRadio() const = 0;
  // What a left click does to the state, then the clicked signal.
  void Click();

 signals:
  // Any button pressed, before the state changes.
  void mousePressed(Qt::MouseButton Button);
  // A left-button press and release on the widget; the state has already changed.
  void clicked();

 protected:
  TBoutonCoche(qint32 Groupe, QWidget* Parent);

  // What a press does to the state.
  virtual void Press() = 0;
  // Draws the mark with its top-left corner at (X0, Y0).
  virtual void DrawMark(QPainter& Painter, int X0, int Y0) = 0;

  void paintEvent(QPaintEvent* Event) override;
  void mousePressEvent(QMouseEvent* Event) override;
  void mouseReleaseEvent(QMouseEvent* Event) override;
  void changeEvent(QEvent* Event) override;
  void keyPressEvent(QKeyEvent* Event) override;
  void focusInEvent(QFocusEvent* Event) override;
  void focusOutEvent(QFocusEvent* Event) override;

 private:
  void AdjustWidth();

  bool Checked_ = false;
  TAlignement Alignement_ = taDroite;
  qint32 groupe_;
  QColor couleurcoche_{Qt::black};
  bool autosize_ = false;
  QString Caption_;
  bool LeftPressed_ = false;
  bool KeyFocus_ = false;
};
