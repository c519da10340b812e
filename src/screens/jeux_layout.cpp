// The game screen's layout: the grid sized to the window, the panels of
// commands in a column at its left, the digit buttons under it, the mode and
// the tips below the panels.
#include "jeux.h"

#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <algorithm>

#include "fondcopie.h"
#include "grillesudoku.h"
#include "hotlabel.h"
#include "image.h"
#include "look.h"
#include "rondcoche.h"
#include "wholelines.h"

#include "jeux_shared.h"

using namespace Jeux;

void Tf_Jeux::SpreadLines(const std::vector<CommandLine>& Lines, int PanelHeight, int LineHeight) {
  if (Lines.empty()) return;
  const int first = LineInset;
  const int last = std::max(first, PanelHeight - LineInset - LineHeight);
  const int count = int(Lines.size());
  const int step = count > 1 ? (last - first) / (count - 1) : 0;
  for (int k = 0; k < count; ++k) {
    const int top = first + k * step;
    const CommandLine& line = Lines[std::size_t(k)];
    line.Label->move(LabelLeft, top);
    line.Bullet->move(BulletLeft, top + (LineHeight - line.Bullet->height()) / 2);
  }
}

void Tf_Jeux::FormResize() {
  const int W = width();
  const int H = height();
  Image1->setGeometry(rect());

  // The grid: 15 cells across at most 55 pixels, or 11.9 down.
  int a = Rounded(W / 15.0);
  if (a > 54) a = 55;
  const int b = Rounded(H / 11.9);
  int gridTop = 11;
  int size = b;
  if (a < b) {
    gridTop = 11 + (9 * b - 9 * a) / 2;
    size = a;
  }
  const int gridLeft = (W - 9 * size) / 2 + GridShift;
  int digitSize = 24;
  int noteSize = 9;
  if (size >= 55) {
    digitSize = 28;
    noteSize = 10;
  } else if (size < 50) {
    digitSize = 20;
    noteSize = 8;
  }
  GrilleSudoku->TailleEcriture = quint8(digitSize);
  GrilleSudoku->TaillePossibilite = quint8(noteSize);
  GrilleSudoku->SetHauteurCase(size);
  GrilleSudoku->SetLargeurCase(size);
  GrilleSudoku->move(gridLeft, gridTop);
  const int gridWidth = GrilleSudoku->width();
  p_Pause->setGeometry(GrilleSudoku->geometry());

  // The command panels stand in a column left of the grid, their lines in the
  // title face at a size that follows the window's height.
  const int linePixels = std::clamp(Rounded(H / 31.0), 17, 26);
  const int panelWidth = 12 * linePixels + 20;
  const int panelLeft = std::max(PanelMargin, gridLeft - ColumnGap - panelWidth);
  const int h1 = Rounded(H / 3.57);
  const int h3 = Rounded(H / 7.77);
  const int h2 = Rounded(H / 3.0);
  FondCopie1->setGeometry(panelLeft, PanelMargin, panelWidth, h1);
  const int top3 = FondCopie1->geometry().bottom() + 1 + PanelGap;
  FondCopie3->setGeometry(panelLeft, top3, panelWidth, h3);
  FondCopie4->setGeometry(panelLeft, top3, panelWidth, h3);
  FondCopie2->setGeometry(panelLeft, top3 + h3 + PanelGap, panelWidth, h2);

  const QFont lineFont = Look::PixelFont(Look::TitleFamily, linePixels);
  int lineHeight = 0;
  for (auto* lines : {&Commands1_, &Commands2_, &Commands4_}) {
    for (const CommandLine& line : *lines) {
      line.Label->setFont(lineFont);
      line.Label->adjustSize();
      lineHeight = line.Label->height();
      line.Bullet->resize(line.Bullet->PictureSize());
    }
  }
  SpreadLines(Commands1_, h1, lineHeight);
  SpreadLines(Commands2_, h2, lineHeight);
  SpreadLines(Commands4_, h3, lineHeight);
  // "Rétablir" at the end of the line of "Annuler la saisie".
  const int iconSize = std::clamp(lineHeight - 4, 16, 24);
  im_Retablir->SetStretch(true);
  im_Retablir->resize(iconSize, iconSize);
  im_Retablir->move(panelWidth - LineInset - iconSize, hl_Annuler->y() + (lineHeight - iconSize) / 2);
  // "Imprimer un carnet" at the end of the line of "Imprimer".
  im_Carnet->SetStretch(true);
  im_Carnet->resize(iconSize, iconSize);
  im_Carnet->move(panelWidth - LineInset - iconSize, hl_imprimer->y() + (lineHeight - iconSize) / 2);

  // The clock and the help counter: captions at the left, values after them.
  for (QLabel* label : {l_TempsCaption, l_Temps, l_IndiceCaption, l_Indice}) {
    label->setFont(lineFont);
    label->adjustSize();
  }
  const int valueLeft = LabelLeft + std::max(l_TempsCaption->width(), l_IndiceCaption->width()) + 8;
  const int rowStep = h3 - 2 * LineInset - lineHeight;
  l_TempsCaption->move(LabelLeft, LineInset);
  l_Temps->move(valueLeft, LineInset);
  l_IndiceCaption->move(LabelLeft, LineInset + rowStep);
  l_Indice->move(valueLeft, LineInset + rowStep);
  l_Temps->resize(panelWidth - valueLeft - LineInset - iconSize - 4, l_Temps->height());
  l_Indice->resize(panelWidth - valueLeft - LineInset, l_Indice->height());
  // The pause at the end of the clock's line.
  im_Pause->SetStretch(true);
  im_Pause->resize(iconSize, iconSize);
  im_Pause->move(panelWidth - LineInset - iconSize, LineInset + (l_Temps->height() - iconSize) / 2);

  // The digit buttons, 4 pixels under the grid.
  const int buttonsTop = gridTop + GrilleSudoku->height() + 4;
  const int buttonsLeft = gridLeft + (gridWidth - DigitButtonsWidth) / 2;
  for (int k = 0; k < 10; ++k)
    Buttons[std::size_t(k)]->setGeometry(buttonsLeft + k * DigitButtonStep, buttonsTop,
                                         DigitButtonSize, DigitButtonSize);

  // The mode widgets and the tips under the panels.
  const int r = FondCopie2->geometry().bottom() + 1;
  l_Mode->adjustSize();
  l_Mode->move(panelLeft, r + 6);
  int x = panelLeft + l_Mode->width() + 8;
  rc_ModeNormal->move(x, r + 9);
  Image15->move(rc_ModeNormal->x() + rc_ModeNormal->width() + 2, r + 2);
  x = Image15->x() + Image15->width() + 14;
  rc_ModePossibilite->move(x, r + 9);
  Image16->move(rc_ModePossibilite->x() + rc_ModePossibilite->width() + 2, r + 2);
  const int memoHeight = H - r - 42;
  MemoAstuce->setGeometry(panelLeft, r + 38, gridLeft + gridWidth - panelLeft, std::max(0, memoHeight));
  int memoPoints = 13;
  if (memoHeight < 80)
    memoPoints = 10;
  else if (memoHeight < 95)
    memoPoints = 11;
  else if (memoHeight < 110)
    memoPoints = 12;
  QFont memoFont = MemoAstuce->font();
  memoFont.setPointSize(memoPoints);
  MemoAstuce->setFont(memoFont);
  MemoAstuce->resize(MemoAstuce->width(), WholeLinesHeight(*MemoAstuce, std::max(0, memoHeight)));
}
