// SPDX-License-Identifier: GPL-3.0-or-later
// TFondCopie: a background panel that draws with the pictures and margins of
// its model; it has none of its own and draws nothing without a model.
#pragma once

#include "fondmodele.h"

class TFondCopie : public TFondModele {
  Q_OBJECT
 public:
  explicit TFondCopie(QWidget* Parent = nullptr);
};
