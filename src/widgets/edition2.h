// SPDX-License-Identifier: GPL-3.0-or-later
// TEdition2: a text field drawn as a background panel copy. It shows its model's
// picture, or the model's selection picture while it is selected; it keeps its
// text but draws none itself (the owner draws it from OnPaint).
#pragma once

#include <QString>

#include "fondcopie.h"

class TEdition2 : public TFondCopie {
  Q_OBJECT
  Q_PROPERTY(int DecalX READ DecalX WRITE SetDecalX)
  Q_PROPERTY(int DecalY READ DecalY WRITE SetDecalY)
  Q_PROPERTY(bool Selectionne READ Selectionne WRITE SetSelectionne)
  Q_PROPERTY(bool Focuse READ Focuse)
  Q_PROPERTY(bool Multi READ Multi WRITE SetMulti)
  Q_PROPERTY(quint8 Maxlength READ Maxlength WRITE SetMaxlength)
  Q_PROPERTY(bool Selectionnable READ Selectionnable WRITE SetSelectionnable)
  Q_PROPERTY(bool AutoSelect READ AutoSelect WRITE SetAutoSelect)
  Q_PROPERTY(QString Text READ Text WRITE SetText)

 public:
  // Not selectable, single selection, no length limit, bold font; not a tab stop
  // until the owner gives it a focus policy.
  explicit TEdition2(QWidget* Parent = nullptr);

  int DecalX() const { return DecalX_; }
  void SetDecalX(int Value);
  int DecalY() const { return DecalY_; }
  void SetDecalY(int Value);
  bool Selectionne() const { return Selectionne_; }
  void SetSelectionne(bool Value);
  bool Focuse() const { return Focuse_; }
  bool Multi() const { return Multi_; }
  void SetMulti(bool Value) { Multi_ = Value; }
  quint8 Maxlength() const { return Maxlength_; }
  void SetMaxlength(quint8 Value);
  bool Selectionnable() const { return Selectionnable_; }
  void SetSelectionnable(bool Value) { Selectionnable_ = Value; }
  bool AutoSelect() const { return AutoSelect_; }
  void SetAutoSelect(bool Value) { AutoSelect_ = Value; }
  QString Text() const { return Text_; }
  void SetText(const QString& Value);

  // A field that can take the keyboard focus (its focus policy accepts Tab).
  bool IsTabStop() const;
  // Whether a typed character is kept: the printable characters of the
  // single-byte Western code page, codes 32 to 254.
  static bool AcceptsCharacter(QChar Character);

 signals:
  // The field has taken the focus.
  void entered();
  void textChanged(const QString& Text);

 protected:
  bool UsesSelectionPicture() const override { return Selectionne_; }
  void mousePressEvent(QMouseEvent* Event) override;
  void focusInEvent(QFocusEvent* Event) override;
  void focusOutEvent(QFocusEvent* Event) override;
  void keyPressEvent(QKeyEvent* Event) override;

 private:
  void FocusChanged();

  int DecalX_ = 0;
  int DecalY_ = 0;
  bool Selectionne_ = false;
  bool Focuse_ = false;
  bool Multi_ = false;
  quint8 Maxlength_ = 0;
  bool Selectionnable_ = false;
  bool AutoSelect_ = false;
  bool ReplaceAll_ = false;
  QString Text_;
};
