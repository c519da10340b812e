// SPDX-License-Identifier: GPL-3.0-or-later
// TMarge: the four margins of a background picture's frame, in pixels: the widths
// of its left, top, right and bottom bands.
#pragma once

#include <QObject>
#include <cstdint>
#include <functional>

class TMarge : public QObject {
  Q_OBJECT
  Q_PROPERTY(quint16 Left READ Left WRITE SetLeft)
  Q_PROPERTY(quint16 Top READ Top WRITE SetTop)
  Q_PROPERTY(quint16 Right READ Right WRITE SetRight)
  Q_PROPERTY(quint16 Bottom READ Bottom WRITE SetBottom)

 public:
  explicit TMarge(QObject* Parent = nullptr);

  quint16 Left() const { return Left_; }
  quint16 Top() const { return Top_; }
  quint16 Right() const { return Right_; }
  quint16 Bottom() const { return Bottom_; }
  void SetLeft(quint16 Value) { Set(Left_, Value); }
  void SetTop(quint16 Value) { Set(Top_, Value); }
  void SetRight(quint16 Value) { Set(Right_, Value); }
  void SetBottom(quint16 Value) { Set(Bottom_, Value); }

  // All four margins 0.
  bool IsEmpty() const { return Left_ == 0 && Top_ == 0 && Right_ == 0 && Bottom_ == 0; }

  // Called with this object whenever a margin takes a different value.
  std::function<void(TMarge*)> OnChange;

 private:
  void Set(quint16& Field, quint16 Value);

  quint16 Left_ = 0;
  quint16 Top_ = 0;
  quint16 Right_ = 0;
  quint16 Bottom_ = 0;
};
