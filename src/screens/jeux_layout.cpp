// SPDX-License-Identifier: GPL-3.0-or-later
// The game screen's layout: the grid sized to the window (and zoomed), the panels of
// commands in a column at its left, the digit buttons under it, the mode and
// the tips below the panels.
#include "jeux.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <algorithm>
#include <cmath>

#include "fondcopie.h"
#include "grillesudoku.h"
#include "hotlabel.h"
#include "image.h"
#include "look.h"
#include "rondcoche.h"
#include "wholelines.h"

#include "jeux_shared.h"

using namespace Jeux;

namespace {

// Every number of the game screen's layout, in one place. Sizes in pixels;
// the divisors give a size as a share of the window's width or height.
struct TJeuxLayout {
  // The grid: 15 cells across the width at most, or 11.9 down the height; it
  // grows with the window.
  double CellsAcross = 15.0;
  double CellsDown = 11.9;
  // The zoom (Ctrl++, Ctrl+-): each step a tenth larger or smaller, down to
  // MinCell, up to the room the window leaves the grid and its buttons with
  // Margin to spare.
  double ZoomStep = 1.1;
  int MinCell = 24;
  int MaxZoomSteps = 8;
  int Margin = 8;
  int GridTop = 11;
  int GridShift = 110;  // the grid stands this far right of the window's middle
  // Text sizes in points by cell size: from BigCell up, below SmallCell, between.
  int BigCell = 55;
  int SmallCell = 50;
  int DigitBig = 28, NoteBig = 10;
  int DigitSmall = 20, NoteSmall = 8;
  int DigitMiddle = 24, NoteMiddle = 9;
  // Above BigCell the text grows with the cell.
  // The digit buttons (and their text) grow with cells above ButtonsCell.
  double ButtonsCell = 46.0;
  int ButtonsText = 16;
  // The panels of commands, in a column left of the grid.
  int PanelMargin = 8;
  int PanelGap = 4;
  int ColumnGap = 16;
  double LinePixelsDivisor = 31.0;  // the command lines' text: the height over this
  int LinePixelsLeast = 17, LinePixelsMost = 26;
  int LinePixelsSmallest = 11;  // how small the text of longer commands (another language) may get
  int PanelWidthPerPixel = 12, PanelWidthExtra = 20;
  double PartieDivisor = 3.57, CompteursDivisor = 7.77, AidesDivisor = 3.0;
  int LineInset = 8;  // first and last command lines from the panels' edges
  int BulletLeft = 10;
  int LabelLeft = 30;
  int IconLeast = 16, IconMost = 24, IconInset = 4;  // "Rétablir" and the pause
  int ValueGap = 8;                                  // between the counters' captions and their values
  // The digit buttons under the grid.
  int ButtonsGap = 4;
  int ButtonStep = 29;
  int ButtonSize = 27;
  int ButtonsWidth = 290;
  // The mode and the tips under the panels (from the panels' bottom).
  int ModeLabelTop = 6, ModeBoxTop = 9, ModePictureTop = 2;
  int ModeLabelGap = 8, ModePictureGap = 2, ModeGap = 14;
  int TipsTop = 38, TipsBottom = 4;
  // The tips' text in points by the box's height: below each height its size.
  int TipsHeights[3] = {80, 95, 110};
  int TipsPoints[4] = {10, 11, 12, 13};
};

constexpr TJeuxLayout Layout{};

// The size of a length of the digit buttons for cells of Size.
int ButtonLength(int Length, int Size) { return Rounded(Length * std::max(1.0, Size / Layout.ButtonsCell)); }

}  // namespace

Tf_Jeux::TGridPlace Tf_Jeux::PlaceGrid(QSize Window, int Zoom) {
  const int W = Window.width();
  const int H = Window.height();
  // The smaller of the cell sizes across and down.
  const int a = Rounded(W / Layout.CellsAcross);
  const int b = Rounded(H / Layout.CellsDown);
  TGridPlace place;
  place.Top = Layout.GridTop;
  place.Cell = b;
  if (a < b) {
    place.Top = Layout.GridTop + (9 * b - 9 * a) / 2;
    place.Cell = a;
  }
  Zoom = std::clamp(Zoom, -Layout.MaxZoomSteps, Layout.MaxZoomSteps);
  if (Zoom != 0) {
    const int natural = place.Cell;
    int cell = std::max(Layout.MinCell, Rounded(natural * std::pow(Layout.ZoomStep, Zoom)));
    // The room left: the buttons under the grid, the column of panels
    // (as wide as at this height) at its left, a margin at its right.
    const int panelWidth = Layout.PanelWidthPerPixel * std::clamp(Rounded(H / Layout.LinePixelsDivisor),
                                                                  Layout.LinePixelsLeast, Layout.LinePixelsMost) +
                           Layout.PanelWidthExtra;
    const auto fits = [&](int Cell) {
      const int left = (W - 9 * Cell) / 2 + Layout.GridShift;
      const int bottom = Layout.GridTop + 9 * Cell + 1 + Layout.ButtonsGap + ButtonLength(Layout.ButtonSize, Cell);
      return bottom + Layout.Margin <= H && left + 9 * Cell + 1 + Layout.Margin <= W &&
             left - Layout.ColumnGap - panelWidth >= Layout.PanelMargin;
    };
    while (cell > natural && !fits(cell)) --cell;
    place.Cell = cell;
    place.Top = std::max(Layout.GridTop, place.Top + 9 * (natural - cell) / 2);
  }
  place.Left = (W - 9 * place.Cell) / 2 + Layout.GridShift;
  const int size = place.Cell;
  place.DigitPoints = Layout.DigitMiddle;
  place.NotePoints = Layout.NoteMiddle;
  if (size > Layout.BigCell) {
    place.DigitPoints = Rounded(double(Layout.DigitBig) * size / Layout.BigCell);
    place.NotePoints = Rounded(double(Layout.NoteBig) * size / Layout.BigCell);
  } else if (size == Layout.BigCell) {
    place.DigitPoints = Layout.DigitBig;
    place.NotePoints = Layout.NoteBig;
  } else if (size < Layout.SmallCell) {
    place.DigitPoints = Layout.DigitSmall;
    place.NotePoints = Layout.NoteSmall;
  }
  place.Button = ButtonLength(Layout.ButtonSize, size);
  place.ButtonStep = ButtonLength(Layout.ButtonStep, size);
  place.ButtonsWidth = ButtonLength(Layout.ButtonsWidth, size);
  place.ButtonPixels = ButtonLength(Layout.ButtonsText, size);
  return place;
}

void Tf_Jeux::ZoomIn() {
  // No step beyond the room: the next Ctrl+- makes the grid smaller at once.
  if (Zoom_ < Layout.MaxZoomSteps && PlaceGrid(size(), Zoom_ + 1).Cell > PlaceGrid(size(), Zoom_).Cell) ++Zoom_;
  FormResize();
}

void Tf_Jeux::ZoomOut() {
  if (Zoom_ > -Layout.MaxZoomSteps && PlaceGrid(size(), Zoom_ - 1).Cell < PlaceGrid(size(), Zoom_).Cell) --Zoom_;
  FormResize();
}

void Tf_Jeux::ZoomReset() {
  Zoom_ = 0;
  FormResize();
}

void Tf_Jeux::SpreadLines(const std::vector<CommandLine>& Lines, int PanelHeight, int LineHeight) {
  if (Lines.empty()) return;
  const int first = Layout.LineInset;
  const int last = std::max(first, PanelHeight - Layout.LineInset - LineHeight);
  const int count = int(Lines.size());
  const int step = count > 1 ? (last - first) / (count - 1) : 0;
  for (int k = 0; k < count; ++k) {
    const int top = first + k * step;
    const CommandLine& line = Lines[std::size_t(k)];
    line.Label->move(Layout.LabelLeft, top);
    line.Bullet->move(Layout.BulletLeft, top + (LineHeight - line.Bullet->height()) / 2);
  }
}

int Tf_Jeux::CommandsWidth(int PixelSize) const {
  const QFontMetrics metrics(Look::PixelFont(Look::TitleFamily, PixelSize));
  const auto widest = [&metrics](std::initializer_list<QString> Captions) {
    int width = 0;
    for (const QString& caption : Captions) width = std::max(width, metrics.horizontalAdvance(caption));
    return width;
  };
  const int icon = std::clamp(metrics.height() - Layout.IconInset, Layout.IconLeast, Layout.IconMost);
  int width = 0;
  for (const auto* lines : {&Commands1_, &Commands2_, &Commands4_})
    for (const CommandLine& line : *lines) {
      const THotLabel* label = line.Label;
      // Two lines change their caption: the longer counts.
      int text = metrics.horizontalAdvance(label->text());
      if (label == hl_newgrille) text = widest({NewGridCaption(), ClearGridCaption()});
      if (label == hl_Possibilite) text = widest({ShowCandidatesCaption(), HideCandidatesCaption()});
      const bool pictured =
          label == hl_Annuler || label == hl_Possibilite || label == hl_Indice || label == hl_imprimer;
      width = std::max(width, Layout.LabelLeft + text + (pictured ? Layout.IconInset + icon : 0) + Layout.LineInset);
    }
  return width;
}

void Tf_Jeux::FormResize() {
  const int H = height();
  Image1->setGeometry(rect());

  const TGridPlace place = PlaceGrid(size(), Zoom_);
  const int gridTop = place.Top;
  const int gridLeft = place.Left;
  GrilleSudoku->TailleEcriture = quint8(std::min(place.DigitPoints, 255));
  GrilleSudoku->TaillePossibilite = quint8(std::min(place.NotePoints, 255));
  GrilleSudoku->SetHauteurCase(place.Cell);
  GrilleSudoku->SetLargeurCase(place.Cell);
  GrilleSudoku->move(gridLeft, gridTop);
  const int gridWidth = GrilleSudoku->width();
  p_Pause->setGeometry(GrilleSudoku->geometry());

  // The command panels stand in a column left of the grid, their lines in the
  // title face at a size that follows the window's height.
  int linePixels = std::clamp(Rounded(H / Layout.LinePixelsDivisor), Layout.LinePixelsLeast, Layout.LinePixelsMost);
  int panelWidth = Layout.PanelWidthPerPixel * linePixels + Layout.PanelWidthExtra;
  // Commands longer than the panels (another language than French): the
  // panels widen into the room at their left, then the text gets smaller.
  if (const int wanted = CommandsWidth(linePixels); wanted > panelWidth) {
    panelWidth = std::max(panelWidth, std::min(wanted, gridLeft - Layout.ColumnGap - Layout.PanelMargin));
    while (linePixels > Layout.LinePixelsSmallest && CommandsWidth(linePixels) > panelWidth) --linePixels;
  }
  const int panelLeft = std::max(Layout.PanelMargin, gridLeft - Layout.ColumnGap - panelWidth);
  const int h1 = Rounded(H / Layout.PartieDivisor);
  const int h3 = Rounded(H / Layout.CompteursDivisor);
  const int h2 = Rounded(H / Layout.AidesDivisor);
  p_Partie->setGeometry(panelLeft, Layout.PanelMargin, panelWidth, h1);
  const int top3 = p_Partie->geometry().bottom() + 1 + Layout.PanelGap;
  p_Compteurs->setGeometry(panelLeft, top3, panelWidth, h3);
  p_Saisie->setGeometry(panelLeft, top3, panelWidth, h3);
  p_Aides->setGeometry(panelLeft, top3 + h3 + Layout.PanelGap, panelWidth, h2);

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
  const int iconSize = std::clamp(lineHeight - Layout.IconInset, Layout.IconLeast, Layout.IconMost);
  im_Retablir->SetStretch(true);
  im_Retablir->resize(iconSize, iconSize);
  im_Retablir->move(panelWidth - Layout.LineInset - iconSize, hl_Annuler->y() + (lineHeight - iconSize) / 2);
  // "Remplir les notes" at the end of the line of "Voir possibilités".
  im_RemplirNotes->SetStretch(true);
  im_RemplirNotes->resize(iconSize, iconSize);
  im_RemplirNotes->move(panelWidth - Layout.LineInset - iconSize, hl_Possibilite->y() + (lineHeight - iconSize) / 2);
  // "Coup de pouce" at the end of the line of "Indice".
  im_CoupDePouce->SetStretch(true);
  im_CoupDePouce->resize(iconSize, iconSize);
  im_CoupDePouce->move(panelWidth - Layout.LineInset - iconSize, hl_Indice->y() + (lineHeight - iconSize) / 2);
  // "Imprimer un carnet" at the end of the line of "Imprimer".
  im_Carnet->SetStretch(true);
  im_Carnet->resize(iconSize, iconSize);
  im_Carnet->move(panelWidth - Layout.LineInset - iconSize, hl_imprimer->y() + (lineHeight - iconSize) / 2);

  // The clock and the help counter: captions at the left, values after them.
  for (QLabel* label : {l_TempsCaption, l_Temps, l_IndiceCaption, l_Indice}) {
    label->setFont(lineFont);
    label->adjustSize();
  }
  const int inset = Layout.LineInset;
  const int valueLeft =
      Layout.LabelLeft + std::max(l_TempsCaption->width(), l_IndiceCaption->width()) + Layout.ValueGap;
  const int rowStep = h3 - 2 * inset - lineHeight;
  l_TempsCaption->move(Layout.LabelLeft, inset);
  l_Temps->move(valueLeft, inset);
  l_IndiceCaption->move(Layout.LabelLeft, inset + rowStep);
  l_Indice->move(valueLeft, inset + rowStep);
  l_Temps->resize(panelWidth - valueLeft - inset - iconSize - Layout.IconInset, l_Temps->height());
  l_Indice->resize(panelWidth - valueLeft - inset, l_Indice->height());
  // The pause at the end of the clock's line.
  im_Pause->SetStretch(true);
  im_Pause->resize(iconSize, iconSize);
  im_Pause->move(panelWidth - inset - iconSize, inset + (l_Temps->height() - iconSize) / 2);

  // The digit buttons under the grid.
  const int buttonsTop = gridTop + GrilleSudoku->height() + Layout.ButtonsGap;
  const int buttonsLeft = gridLeft + (gridWidth - place.ButtonsWidth) / 2;
  const QFont buttonFont = Look::PixelFont(Look::GridFamily, place.ButtonPixels, true);
  for (int k = 0; k < 10; ++k) {
    Buttons[std::size_t(k)]->setGeometry(buttonsLeft + k * place.ButtonStep, buttonsTop, place.Button, place.Button);
    Buttons[std::size_t(k)]->setFont(buttonFont);
  }

  // The mode widgets and the tips under the panels.
  const int r = p_Aides->geometry().bottom() + 1;
  l_Mode->adjustSize();
  l_Mode->move(panelLeft, r + Layout.ModeLabelTop);
  int x = panelLeft + l_Mode->width() + Layout.ModeLabelGap;
  rc_ModeNormal->move(x, r + Layout.ModeBoxTop);
  im_ModeNormal->move(rc_ModeNormal->x() + rc_ModeNormal->width() + Layout.ModePictureGap, r + Layout.ModePictureTop);
  x = im_ModeNormal->x() + im_ModeNormal->width() + Layout.ModeGap;
  rc_ModePossibilite->move(x, r + Layout.ModeBoxTop);
  im_ModePossibilite->move(rc_ModePossibilite->x() + rc_ModePossibilite->width() + Layout.ModePictureGap,
                           r + Layout.ModePictureTop);
  // The tips stand under the digit buttons too, which grow with the grid.
  const int memoTop = std::max(r + Layout.TipsTop, buttonsTop + place.Button + Layout.ButtonsGap);
  const int memoHeight = H - memoTop - Layout.TipsBottom;
  MemoAstuce->setGeometry(panelLeft, memoTop, gridLeft + gridWidth - panelLeft, std::max(0, memoHeight));
  int memoPoints = Layout.TipsPoints[3];
  for (int k = 2; k >= 0; --k)
    if (memoHeight < Layout.TipsHeights[k]) memoPoints = Layout.TipsPoints[k];
  QFont memoFont = MemoAstuce->font();
  memoFont.setPointSize(memoPoints);
  MemoAstuce->setFont(memoFont);
  MemoAstuce->resize(MemoAstuce->width(), WholeLinesHeight(*MemoAstuce, std::max(0, memoHeight)));
}
