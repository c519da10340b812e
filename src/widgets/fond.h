// SPDX-License-Identifier: GPL-3.0-or-later
// TFond: a background panel with its own pictures and margins.
#pragma once

#include "fondmodele.h"

class TFond : public TFondModele {
  Q_OBJECT
 public:
  // Starts 50 by 50 with empty pictures and all margins 0; a change of margin
  // repaints the panel.
  explicit TFond(QWidget* Parent = nullptr);
};
