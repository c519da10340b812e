// SPDX-License-Identifier: GPL-3.0-or-later
// Tf_Dessin: the hidden form that holds the background models every screen's
// panels copy. It is created at start-up and lives for the whole run, so the
// panels that draw with its models never outlive them.
#pragma once

#include <QImage>
#include <QWidget>

#include "look.h"

class TFond;

class Tf_Dessin : public QWidget {
  Q_OBJECT
 public:
  explicit Tf_Dessin(QWidget* Parent = nullptr);
  ~Tf_Dessin() override;

  // The shared pale yellow frame: a 10 by 10 picture with 1-pixel margins.
  TFond* fondJaune;

  // The picture of fondJaune in a look's colours, 24 bits per pixel: an olive
  // top row and left column, a light right column and bottom row, a pale
  // yellow middle (a dark one at night).
  static QImage FondJaunePicture(const Look::TColours& Colours);
  // The model takes the colours of the look in force.
  void ApplyLook();
};

// The single instance, set while one exists.
extern Tf_Dessin* f_Dessin;
