#include "generation.h"

#include <QFontMetrics>
#include <QLabel>

#include "busybar.h"
#include "decor.h"
#include "dessin.h"
#include "fond.h"
#include "fondcopie.h"
#include "generateur.h"
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

Tf_generation::Tf_generation(QWidget* Parent)
    : QDialog(DialogOwner(Parent), Look::DialogFlags) {
  setObjectName(QStringLiteral("f_generation"));
  setWindowTitle(QStringLiteral("Génération de la grille"));
  setModal(true);
  setFixedSize(ClientWidth, ClientHeight);

  Image1 = AddBackground(*this, false);
  Image1->setGeometry(rect());

  FondCopie1 = AddPanel(*this);
  FondCopie1->setGeometry(rect().adjusted(PanelMargin, PanelMargin, -PanelMargin, -PanelMargin));
  const int panelWidth = FondCopie1->width();
  const int panelHeight = FondCopie1->height();

  Label1 = new QLabel(QStringLiteral("Génération de la grille"), FondCopie1);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->setFont(Look::PixelFont(Look::TitleFamily, TitlePixelSize));
  Label1->setAlignment(Qt::AlignCenter);

  Label2 = new QLabel(QStringLiteral("Veuillez patienter"), FondCopie1);
  Label2->setObjectName(QStringLiteral("Label2"));
  Label2->setFont(Look::PixelFont(Look::TextFamily, TextPixelSize, true));
  Label2->setAlignment(Qt::AlignCenter);

  Attente = new TBusyBar(FondCopie1);
  Attente->setObjectName(QStringLiteral("Attente"));

  // Both lines across the whole panel, each as high as its font, the bar
  // centred under them, the three centred vertically.
  const int height1 = QFontMetrics(Label1->font()).height();
  const int height2 = QFontMetrics(Label2->font()).height();
  const int top = (panelHeight - height1 - LineGap - height2 - BarGap - BarHeight) / 2;
  Label1->setGeometry(0, top, panelWidth, height1);
  Label2->setGeometry(0, top + height1 + LineGap, panelWidth, height2);
  Attente->setGeometry((panelWidth - BarWidth) / 2, Label2->geometry().bottom() + 1 + BarGap, BarWidth,
                       BarHeight);
}

void Tf_generation::GridReady() { done(QDialog::Accepted); }

std::unique_ptr<TGrille> RequestGrid(TGenerateur& Generateur, int Level, QWidget* Parent) {
  bool wasReady = false;
  std::unique_ptr<TGrille> grid = Generateur.GetGrid(Level, wasReady);
  if (wasReady) return grid;
  // Nothing is being prepared (a level outside 1 to 4, or the generator is
  // shutting down): there is nothing to wait for.
  if (Generateur.Thread == nullptr) return nullptr;

  Tf_generation dialog(Parent);
  Generateur.OnReady = [&dialog] { dialog.GridReady(); };
  const bool arrived = dialog.exec() == QDialog::Accepted;
  Generateur.OnReady = nullptr;
  // Taken in every case, so that no delivered grid lingers in the generator.
  grid = Generateur.TakeDeliveredGrid();
  return arrived ? std::move(grid) : nullptr;
}
