// SPDX-License-Identifier: GPL-3.0-or-later
#include "dessin.h"

#include <QApplication>

#include "fond.h"
#include "look.h"

Tf_Dessin* f_Dessin = nullptr;

QImage Tf_Dessin::FondJaunePicture(const Look::TColours& Colours) {
  const QColor& olive = Colours.Edge;
  const QColor& light = Colours.PanelLight;
  const QColor& paleYellow = Colours.Panel;
  QImage picture(10, 10, QImage::Format_RGB888);
  picture.fill(paleYellow);
  // Light right column and bottom row first: the olive row and column then take
  // the top-right and bottom-left pixels.
  for (int k = 0; k < 10; ++k) {
    picture.setPixelColor(9, k, light);
    picture.setPixelColor(k, 9, light);
  }
  for (int k = 0; k < 10; ++k) {
    picture.setPixelColor(k, 0, olive);
    picture.setPixelColor(0, k, olive);
  }
  return picture;
}

Tf_Dessin::Tf_Dessin(QWidget* Parent) : QWidget(Parent), fondJaune(new TFond(this)) {
  setObjectName(QStringLiteral("f_Dessin"));
  fondJaune->setObjectName(QStringLiteral("fondJaune"));
  fondJaune->SetBitmap(FondJaunePicture(Look::Colours()));
  TMarge* margins = fondJaune->MargeMotif();
  margins->SetLeft(1);
  margins->SetTop(1);
  margins->SetRight(1);
  margins->SetBottom(1);
  hide();
  if (f_Dessin == nullptr) f_Dessin = this;
}

void Tf_Dessin::ApplyLook() {
  fondJaune->SetBitmap(FondJaunePicture(Look::Colours()));
  // The panels copy the model when they paint.
  for (QWidget* window : QApplication::topLevelWidgets()) window->update();
}

Tf_Dessin::~Tf_Dessin() {
  if (f_Dessin == this) f_Dessin = nullptr;
}
