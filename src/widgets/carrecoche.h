// SPDX-License-Identifier: GPL-3.0-or-later
// TCarreCoche: a square check box with a tick. Independent (group -1) unless
// given a group, in which case it acts as a radio button that a second press can
// also uncheck.
#pragma once

#include "boutoncoche.h"

class TCarreCoche : public TBoutonCoche {
  Q_OBJECT
 public:
  explicit TCarreCoche(QWidget* Parent = nullptr);
  bool IsRadio() const override { return false; }

 protected:
  void Press() override;
  void DrawMark(QPainter& Painter, int X0, int Y0) override;
};
