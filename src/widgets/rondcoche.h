// SPDX-License-Identifier: GPL-3.0-or-later
// TRondCoche: a round radio button. All round buttons of a parent form one group
// (group 0) unless told otherwise; pressing a checked one changes nothing.
#pragma once

#include <QImage>

#include "boutoncoche.h"

class TRondCoche : public TBoutonCoche {
  Q_OBJECT
 public:
  explicit TRondCoche(QWidget* Parent = nullptr);
  bool IsRadio() const override { return true; }

  // The 12 by 12 pictures of the ring, enabled and disabled; the corners are
  // transparent.
  const QImage& EnabledPicture() const { return Enabled_; }
  const QImage& DisabledPicture() const { return Disabled_; }

 protected:
  void Press() override;
  void DrawMark(QPainter& Painter, int X0, int Y0) override;

 private:
  QImage Enabled_;
  QImage Disabled_;
};
