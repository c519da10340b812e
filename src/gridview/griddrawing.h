// SPDX-License-Identifier: GPL-3.0-or-later
// The one drawing of a grid: a grid's state (its cells, the selection, the
// hinted cell and the tints of the last hint) drawn with any painter in a look
// (colours, sizes, digits or letters, and what to show). The grid view paints
// itself with it, printing and the booklets put it on paper, and the pictures
// of the tips and of the help are drawn with it; none of them needs a widget.
//
// Geometry: with cells W wide and H high, column j (1 to 9) spans x from
// (j - 1) * W to j * W and row i spans y from (i - 1) * H to i * H; the grid
// takes 9 * W + 1 by 9 * H + 1. A 1-pixel line at coordinate c covers pixel c;
// a 2-pixel line (the border and the block lines) covers c - 1 and c.
#pragma once

#include <QColor>
#include <QMetaType>
#include <QRect>
#include <QString>
#include <array>
#include <cstdint>
#include <string_view>

class QPainter;
class TGrille;

// What the cells and the digit buttons show: digits 1 to 9 or letters A to I.
enum TTypeBrique : std::uint8_t { tb_Chiffre = 0, tb_Lettre = 1 };
Q_DECLARE_METATYPE(TTypeBrique)

// How the last hint tints a cell: not at all, as a cell of a unit it names,
// or as a cell that justifies it (rules out the other places, makes a pattern).
enum class THintTint : std::uint8_t { None, Unit, Key };

// What one cell holds, as the drawing reads it.
struct TCellShown {
  std::uint8_t Digit = 0;        // 1 to 9, 0 for an empty cell
  std::uint8_t Kind = 0;         // KindPlain, KindGiven, KindBrokeRule, KindWrong
  std::uint16_t Notes = 0;       // the player's pencil marks
  std::uint16_t Candidates = 0;  // the computed candidates
};

// A grid as it is drawn.
struct TGridState {
  std::array<TCellShown, 81> Cells{};  // row by row
  // The selected cell, rows and columns 1 to 9; 0 for none.
  int SelRow = 0;
  int SelCol = 0;
  // The cell the last hint chose; 0 for none.
  int HintRow = 0;
  int HintCol = 0;
  std::array<THintTint, 81> Tints{};
  // The colour of the tints: 0 the hint's own, k >= 1 the k-th step's
  // (TGridLook::StepHues) when a hint is given a step at a time.
  int TintHue = 0;
  // A given the game refused while a puzzle is typed in, shown a moment at
  // its cell in the rule-break colour; Row 0 for none.
  struct TRefused {
    int Row = 0;
    int Col = 0;
    int Digit = 0;
  } Refused;
  // The digit chosen in digit-first play, which stands out in every cell and
  // pencil mark as the same-digit highlight does; 0 for none.
  int Chosen = 0;

  // The cells of a grid and its hinted cell; nothing selected, nothing tinted.
  static TGridState Of(const TGrille& Grid);
  // Givens and digits as 81 characters each, "1" to "9" or anything else for
  // an empty cell; the digits (all of the grid's, givens included) may be
  // empty, and then the givens alone show. A digit that is not a given is a
  // player's digit.
  static TGridState FromText(std::string_view Givens, std::string_view Digits);

  const TCellShown& At(int Row, int Col) const { return Cells[std::size_t((Row - 1) * 9 + Col - 1)]; }
  TCellShown& At(int Row, int Col) { return Cells[std::size_t((Row - 1) * 9 + Col - 1)]; }
  THintTint Tint(int Row, int Col) const { return Tints[std::size_t((Row - 1) * 9 + Col - 1)]; }
};

// How a grid is drawn: sizes, colours, digits or letters, and what shows.
struct TGridLook {
  // The size of the grid drawn for paper, in its own units: 40-unit cells,
  // 20 and 8 point text, scaled onto the page.
  static constexpr int PaperSize = 361;
  // Pencil marks and candidates start this far inside their cell's lines,
  // and keep as far from the right one.
  static constexpr int NoteInset = 2;

  int CellWidth = 40;  // pixels
  int CellHeight = 40;
  int DigitSize = 20;  // points
  int NoteSize = 8;
  TTypeBrique TypeBrique = tb_Chiffre;

  // The board and the ordinary cells; transparent leaves what lies under the
  // grid to show through.
  QColor CouleurFond{255, 255, 255};
  QColor CouleurTrait{0, 0, 0};  // every line
  QColor CouleurSelection{166, 202, 240};
  QColor CouleurChiffre{0, 0, 128};        // the player's digits
  QColor CouleurChiffreFixe{0, 0, 0};      // the givens
  QColor CouleurChiffreHint{255, 0, 255};  // the hinted cell's digit or marks
  QColor CouleurErreur{0, 0, 0};           // a digit that differs from the solution
  QColor CouleurImpossible{0, 0, 0};       // a digit that broke a rule
  QColor CouleurSurlignage{180, 212, 242};
  QColor CouleurZone{232, 240, 238};
  // The last hint's tint is lavender, a hue of its own: the highlight of the
  // same digits is blue, the selection yellow, the errors the player's.
  QColor CouleurIndiceZone{238, 232, 250};
  QColor CouleurIndiceCase{208, 192, 240};
  // A hint given a step at a time ("Coup de pouce") tints each step in a hue
  // of its own, in turn, none of them one of the grid's other highlights:
  // peach, mint, rose. The unit's colour, then its cells'.
  struct TStepHue {
    QColor Zone;
    QColor Case;
  };
  std::array<TStepHue, 3> StepHues{
      {{{255, 234, 212}, {255, 196, 140}}, {{224, 246, 226}, {160, 222, 172}}, {{252, 226, 238}, {240, 168, 200}}}};
  // The colours of a tint of hue Hue (TGridState::TintHue): zone, then cells.
  TStepHue TintColours(int Hue) const;
  // The pencil marks and candidates.
  QColor CouleurNote{0, 0, 0};

  // What shows. The error backgrounds: a digit that differs from the
  // solution (ShowErreur), one that broke a rule and a refused given
  // (ShowImpossible).
  bool ShowErreur = false;
  bool ShowImpossible = false;
  // The selected cell: its background and red frame.
  bool ShowSelection = true;
  // The tints of the last hint.
  bool ShowHintTint = true;
  // The digit of the selected cell in every cell and pencil mark, the
  // selected cell's row, column and block tinted.
  bool SurligneChiffres = false;
  // Empty cells show their computed candidates instead of the pencil marks
  // (the marks when a cell has no candidate left).
  bool ShowAllCandidates = false;
  // An error shows by a shape too, for those who do not tell its colour: a
  // bar under a digit that differs from the solution, a corner cut off the
  // cell of one that broke a rule.
  bool MarkErrors = false;

  // The paper look: cells of PaperSize, a white board, lines in Lines, every
  // text black; no selection, hint colour, tint or error background.
  static TGridLook Paper(TTypeBrique Type, const QColor& Lines, bool AllCandidates);
};

// Draws the whole grid, its top-left corner at the painter's origin.
void PaintGrid(QPainter& Canvas, const TGridState& State, const TGridLook& Look);
// Draws the grid in a look of paper size (TGridLook::Paper) scaled onto the
// square Square of the painter: sharp lines and text at any resolution.
void PaintGridInSquare(QPainter& Canvas, const TGridState& State, const TGridLook& Look, const QRect& Square);

// "1" to "9", or "A" to "I" in letters; empty for anything else.
QString DigitText(int Digit, TTypeBrique Type);
// The up to three lines of a candidate set: four digits joined by "-" on each
// of the first two lines, the ninth alone on the third.
std::array<QString, 3> CandidateLines(std::uint16_t Set, TTypeBrique Type);
// Point sizes are those of a 96 dpi screen on every device, so that screen,
// pictures and paper have the same proportions.
int PointsToPixels(int Points);
