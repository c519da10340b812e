// SPDX-License-Identifier: GPL-3.0-or-later
// TImageGrille: a picture of the rules and tips screens. The grid is drawn by
// the game's own drawing of a grid (PaintGrid), so it looks like the game's;
// around it come the row and column numbers, behind it the region letters A
// to I, and on its cells the highlights that the texts refer to by colour.
// The picture is rendered at the screen's own resolution, and again when that
// changes, so it stays sharp on a screen scaled 2x.
#pragma once

#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>
#include <vector>

#include "image.h"

class TImageGrille : public TImage {
  Q_OBJECT

 public:
  // The pictures: the grid with its regions, rows and columns; a filled grid;
  // the examples of the tips' methods 1, 2 and 3.
  enum TDessin { dg_Regions, dg_Remplie, dg_Conseil1, dg_Conseil2, dg_Conseil3 };
  // The highlight colours, as the texts name them ("en jaune" and so on).
  enum TTeinte { tt_Jaune, tt_Bleu, tt_Vert, tt_Violet };
  // How a cell is marked: the cell an example finds (full colour), a cell the
  // reasoning looks at (light colour), a light cell that also shows a pencil
  // mark, or a position ruled out (a red cross).
  enum TGenre { mg_Cible, mg_Zone, mg_Note, mg_Barre };

  struct TMarque {
    int Row;
    int Col;
    TTeinte Teinte;
    TGenre Genre;
    // mg_Cible: the digit found, written in the player's colour; mg_Note: the
    // pencil mark shown; otherwise 0.
    int Digit = 0;
  };

  struct TModele {
    // The position, 81 characters row by row, "0" for an empty cell: givens,
    // drawn as the game draws them.
    QString Givens;
    // Digits entered by the player (81 characters, or empty), drawn in the
    // player's colour; the digits the examples find are added to them.
    QString Digits;
    // The cell size in pixels.
    int CellSize;
    // Big pale region letters behind the grid.
    bool Letters;
    std::vector<TMarque> Marques;
  };

  TImageGrille(TDessin Dessin, QWidget* Parent = nullptr);

  TDessin Dessin() const { return Dessin_; }

  static const TModele& Modele(TDessin Dessin);
  // The picture's size in pixels on the screen (the grid and its numbers).
  static QSize Taille(TDessin Dessin);
  // The picture at Ratio device pixels per screen pixel, with that ratio set on
  // the image.
  static QImage Render(TDessin Dessin, qreal Ratio);

  // The full colour of a highlight, that of the cell an example finds; the
  // cells it looks at take it halfway to the board's colour.
  static QColor Couleur(TTeinte Teinte);
  // The colour's name in the texts: "jaune", "bleu", "vert", "violet".
  static QString NomCouleur(TTeinte Teinte);

 protected:
  void paintEvent(QPaintEvent* Event) override;

 private:
  TDessin Dessin_;
  qreal Ratio_ = 0;
};
