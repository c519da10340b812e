#include "look.h"

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

}  // namespace Look
