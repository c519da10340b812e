// SPDX-License-Identifier: GPL-3.0-or-later
// Shared set-up of the grid view tests: puzzles, a view dressed with distinct
// colours, and picture helpers.
#pragma once

#include <QImage>
#include <QPainter>
#include <QString>
#include <string>

#include "fonts.h"
#include "grillesudoku.h"

namespace gridtest {

// A puzzle that logic alone solves, and its solution.
inline const char* const Puzzle = "530070000600195000098000060800060003400803001700020006060000280000419005000080079";
inline const char* const Solution = "534678912672195348198342567859761423426853791713924856961537284287419635345286179";
// A puzzle whose unique solution needs guessing.
inline const char* const GuessPuzzle =
    "100000002090400050006000700050903000000070000000850040700000600030009080002000001";

inline int SolutionDigit(int Row, int Col) { return Solution[(Row - 1) * 9 + (Col - 1)] - '0'; }
inline int PuzzleDigit(int Row, int Col) { return Puzzle[(Row - 1) * 9 + (Col - 1)] - '0'; }

// The colours the game screen's form gives, and the settings' error colours.
struct Colours {
  QColor Fond{255, 255, 210};
  QColor Selection{255, 255, 0};
  QColor Chiffre{255, 128, 0};
  QColor Fixe{0, 0, 0};
  QColor Hint{220, 0, 120};  // apart from the red selection frame
  QColor Erreur{0, 200, 255};
  QColor Impossible{128, 0, 128};
  QColor Trait{0, 0, 0};
};

inline void Dress(TGrilleSudoku& View, const Colours& C = {}) {
  InstallFontSubstitutions();
  View.SetCouleurFond(C.Fond);
  View.SetCouleurTrait(C.Trait);
  View.CouleurSelection = C.Selection;
  View.CouleurChiffre = C.Chiffre;
  View.CouleurChiffreFixe = C.Fixe;
  View.CouleurChiffreHint = C.Hint;
  View.CouleurErreur = C.Erreur;
  View.CouleurImpossible = C.Impossible;
}

// What the control paints, through its own paint event.
inline QImage Shot(TGrilleSudoku& View) {
  QImage image(View.size(), QImage::Format_RGB32);
  image.fill(QColor(1, 2, 3));
  View.render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
  return image;
}

inline int CountColor(const QImage& Image, const QColor& Color, const QRect& Area) {
  int count = 0;
  for (int y = Area.top(); y <= Area.bottom(); ++y)
    for (int x = Area.left(); x <= Area.right(); ++x)
      if (Image.pixelColor(x, y) == Color) ++count;
  return count;
}

// The inside of cell (Row, Col) for cells W by H, lines excluded.
inline QRect CellInside(int Row, int Col, int W = 40, int H = 40) {
  return {(Col - 1) * W + 2, (Row - 1) * H + 2, W - 3, H - 3};
}

}  // namespace gridtest
