// SPDX-License-Identifier: GPL-3.0-or-later
#include "look.h"

#include <QAbstractButton>

#include "hotlabel.h"

namespace Look {

QFont PixelFont(const QString& Family, int PixelSize, bool Bold) {
  QFont font(Family);
  font.setPixelSize(PixelSize);
  font.setBold(Bold);
  return font;
}

void DressCommand(THotLabel& Label, int PixelSize, bool Bold) {
  Label.setFont(PixelFont(TitleFamily, PixelSize));
  Label.SetTypeHot(Bold ? THotLabel::th_Gras : THotLabel::th_Souligne);
  Label.SetCouleur(CommandColor);
  Label.SetCouleurOver(HoverColor);
}

void DressToggle(QAbstractButton& Button, int PixelSize) {
  Button.setCheckable(true);
  Button.setCursor(Qt::PointingHandCursor);
  Button.setFont(PixelFont(TitleFamily, PixelSize));
  Button.setStyleSheet(QStringLiteral("QAbstractButton { color: black; background: rgb(250, 246, 200);"
                                      " border: 1px solid %1; border-radius: 5px; padding: 2px 8px; }"
                                      "QAbstractButton:hover { color: %2; }"
                                      "QAbstractButton:checked { color: %2; background: rgb(232, 222, 150);"
                                      " border: 2px solid %2; }")
                           .arg(EdgeColor.name(), HoverColor.name()));
}

}  // namespace Look
