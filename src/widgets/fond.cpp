// SPDX-License-Identifier: GPL-3.0-or-later
#include "fond.h"

TFond::TFond(QWidget* Parent) : TFondModele(Parent) {
  Bitmap_ = std::make_unique<QImage>();
  BitmapSelection_ = std::make_unique<QImage>();
  MargeMotif_ = std::make_unique<TMarge>();
  MargeMotif_->OnChange = [this](TMarge*) { update(); };
}
