// SPDX-License-Identifier: GPL-3.0-or-later
#include "decor.h"

#include "dessin.h"
#include "fond.h"
#include "fondcopie.h"
#include "image.h"
#include "look.h"
#include "shell.h"

namespace {

// What marks a screen's background picture.
const char* const BackgroundProperty = "lookBackground";

}  // namespace

TImage* AddBackground(QWidget& Form, bool Stretch, const QString& Name) {
  auto* image = new TImage(&Form);
  image->setObjectName(Name);
  image->SetStretch(Stretch);
  image->SetCouleur(Look::Colours().Background);
  image->setProperty(BackgroundProperty, true);
  LoadBackground(*image);
  return image;
}

void ReloadBackgrounds(QWidget& Window) {
  for (TImage* image : Window.findChildren<TImage*>())
    if (image->property(BackgroundProperty).isValid()) LoadBackground(*image);
}

TFondCopie* AddPanel(QWidget& Parent, const QString& Name) {
  auto* panel = new TFondCopie(&Parent);
  panel->setObjectName(Name);
  if (f_Dessin != nullptr) panel->SetModele(f_Dessin->fondJaune);
  return panel;
}

TFileDialogDress DressFileDialog(QWidget& Dialog) {
  constexpr int Margin = 12;
  constexpr int FontPixels = 15;
  TFileDialogDress dress{AddBackground(Dialog, false, QStringLiteral("im_Fond")), AddPanel(Dialog),
                         Look::PixelFont(Look::GridFamily, FontPixels),
                         Look::PixelFont(Look::GridFamily, FontPixels, true)};
  dress.Background->setGeometry(Dialog.rect());
  dress.Panel->setGeometry(Dialog.rect().adjusted(Margin, Margin, -Margin, -Margin));
  Dialog.setFont(dress.Text);
  return dress;
}
