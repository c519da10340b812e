// SPDX-License-Identifier: GPL-3.0-or-later
#include "generation.h"

#include <QFontMetrics>
#include <QLabel>

#include "busybar.h"
#include "decor.h"
#include "dessin.h"
#include "fond.h"
#include "fondcopie.h"
#include "generateur.h"
#include "gridwait.h"
#include "image.h"
#include "look.h"
#include "shell.h"

namespace {

constexpr int ClientWidth = 320;
constexpr int ClientHeight = 148;
constexpr int PanelMargin = 10;
constexpr int TitlePixelSize = 24;
constexpr int TextPixelSize = 20;
// Between the two lines, and between them and the busy bar.
constexpr int LineGap = 8;
constexpr int BarGap = 10;
constexpr int BarWidth = 180;
constexpr int BarHeight = 12;

}  // namespace

Tf_generation::Tf_generation(QWidget* Parent) : QDialog(DialogOwner(Parent), Look::DialogFlags) {
  KeepCentred(*this);
  setObjectName(QStringLiteral("f_generation"));
  setWindowTitle(tr("Génération de la grille"));
  setModal(true);
  setFixedSize(ClientWidth, ClientHeight);

  im_Fond = AddBackground(*this, false, QStringLiteral("im_Fond"));
  im_Fond->setGeometry(rect());

  FondCopie1 = AddPanel(*this);
  FondCopie1->setGeometry(rect().adjusted(PanelMargin, PanelMargin, -PanelMargin, -PanelMargin));
  const int panelWidth = FondCopie1->width();
  const int panelHeight = FondCopie1->height();

  l_Titre = new QLabel(tr("Génération de la grille"), FondCopie1);
  l_Titre->setObjectName(QStringLiteral("l_Titre"));
  l_Titre->setFont(Look::PixelFont(Look::TitleFamily, TitlePixelSize));
  l_Titre->setAlignment(Qt::AlignCenter);

  l_Patience = new QLabel(tr("Veuillez patienter"), FondCopie1);
  l_Patience->setObjectName(QStringLiteral("l_Patience"));
  l_Patience->setFont(Look::PixelFont(Look::TextFamily, TextPixelSize, true));
  l_Patience->setAlignment(Qt::AlignCenter);

  Attente = new TBusyBar(FondCopie1);
  Attente->setObjectName(QStringLiteral("Attente"));

  // Both lines across the whole panel, each as high as its font, the bar
  // centred under them, the three centred vertically.
  const int height1 = QFontMetrics(l_Titre->font()).height();
  const int height2 = QFontMetrics(l_Patience->font()).height();
  const int top = (panelHeight - height1 - LineGap - height2 - BarGap - BarHeight) / 2;
  l_Titre->setGeometry(0, top, panelWidth, height1);
  l_Patience->setGeometry(0, top + height1 + LineGap, panelWidth, height2);
  Attente->setGeometry((panelWidth - BarWidth) / 2, l_Patience->geometry().bottom() + 1 + BarGap, BarWidth, BarHeight);
}

void Tf_generation::GridReady() { done(QDialog::Accepted); }

std::unique_ptr<TGrille> RequestGrid(TGenerateur& Generateur, int Level, QWidget* Parent) {
  // The dialog as the generator's wait: shown modally until the grid comes or
  // the player closes it.
  class DialogWait : public TGridWait {
   public:
    explicit DialogWait(QWidget* Owner) : dialog_(Owner) {}
    bool Run() override { return dialog_.exec() == QDialog::Accepted; }
    void GridReady() override { dialog_.GridReady(); }

   private:
    Tf_generation dialog_;
  };
  return RequestGrid(Generateur, Level, [Parent] { return std::make_unique<DialogWait>(Parent); });
}
