// SPDX-License-Identifier: GPL-3.0-or-later
#include "decor.h"

#include "dessin.h"
#include "fond.h"
#include "fondcopie.h"
#include "image.h"
#include "look.h"
#include "shell.h"

TImage* AddBackground(QWidget& Form, bool Stretch, const QString& Name) {
  auto* image = new TImage(&Form);
  image->setObjectName(Name);
  image->SetStretch(Stretch);
  image->SetCouleur(Look::BackgroundColor);
  LoadBackground(*image);
  return image;
}

TFondCopie* AddPanel(QWidget& Parent, const QString& Name) {
  auto* panel = new TFondCopie(&Parent);
  panel->setObjectName(Name);
  if (f_Dessin != nullptr) panel->SetModele(f_Dessin->fondJaune);
  return panel;
}
