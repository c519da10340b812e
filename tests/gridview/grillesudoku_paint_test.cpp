// SPDX-License-Identifier: GPL-3.0-or-later
// What the grid view draws through PaintGrid: properties and defaults,
// geometry, lines, cell backgrounds and their precedence, the selection frame,
// text colours, the candidate lines, letters, and the paper look.
#include <gtest/gtest.h>
#include <QFontMetrics>

#include "gridview_test_util.h"

using namespace gridtest;

namespace {

const QColor Red(255, 0, 0);

// Puts a player's digit with an error mark straight into the model: kind 3
// (differs from the solution) or kind 2 (broke a rule).
void PutMarked(TGrille& Grid, int Row, int Col, int Digit, int Kind) {
  Grid.SetDigit(Row, Col, Digit, true);
  Grid.Marks[Cell(Row, Col)] = std::uint8_t(Kind == 3 ? (Digit | 16) : Digit);
  Grid.Contradiction = false;
}

// Pixels of the rectangle's outer ring.
std::vector<QPoint> Ring(const QRect& R) {
  std::vector<QPoint> points;
  for (int x = R.left(); x <= R.right(); ++x) {
    points.emplace_back(x, R.top());
    points.emplace_back(x, R.bottom());
  }
  for (int y = R.top(); y <= R.bottom(); ++y) {
    points.emplace_back(R.left(), y);
    points.emplace_back(R.right(), y);
  }
  return points;
}

// The fill of cell (i, j): it stops short of the 2-pixel lines.
QRect Fill(int i, int j, int W = 40, int H = 40) {
  const int x1 = (j - 1) * W + 1 + (j == 1 ? 1 : 0);
  const int y1 = (i - 1) * H + 1 + (i == 1 ? 1 : 0);
  const int x2 = j * W - (j % 3 == 0 ? 1 : 0);
  const int y2 = i * H - (i % 3 == 0 ? 1 : 0);
  return {QPoint(x1, y1), QPoint(x2 - 1, y2 - 1)};
}

struct PaintTest : ::testing::Test {
  TGrilleSudoku View;
  Colours C;
  void SetUp() override { Dress(View, C); }
};

}  // namespace

TEST(GrillePaint, ConstructorValues) {
  TGrilleSudoku view;
  EXPECT_EQ(view.size(), QSize(361, 361));
  EXPECT_FALSE(view.TabAuto);
  EXPECT_EQ(view.CouleurFond(), QColor(255, 255, 255));
  EXPECT_EQ(view.CouleurTrait(), QColor(0, 0, 0));
  EXPECT_EQ(view.CouleurSelection, QColor(166, 202, 240));
  EXPECT_EQ(view.CouleurChiffre, QColor(0, 0, 128));
  EXPECT_EQ(view.CouleurChiffreFixe, QColor(0, 0, 0));
  EXPECT_EQ(view.CouleurChiffreHint, QColor(255, 0, 255));
  EXPECT_EQ(view.CouleurPossibilite, QColor(0, 0, 0));
  EXPECT_EQ(view.CouleurErreur, QColor(0, 0, 0));
  EXPECT_EQ(view.CouleurImpossible, QColor(0, 0, 0));
  EXPECT_EQ(view.TailleEcriture, 20);
  EXPECT_EQ(view.TaillePossibilite, 8);
  EXPECT_EQ(view.TypeBrique, tb_Chiffre);
  EXPECT_FALSE(view.ShowErreur);
  EXPECT_FALSE(view.ShowImpossible);
  EXPECT_EQ(view.HauteurCase(), 40);
  EXPECT_EQ(view.LargeurCase(), 40);
  EXPECT_FALSE(view.ShowAllCandidates());
  EXPECT_TRUE(view.GameMode());
  EXPECT_FALSE(view.NoteMode);
  EXPECT_EQ(view.Partie().Level(), 0);
  EXPECT_EQ(view.SelRow, 1);
  EXPECT_EQ(view.SelCol, 1);
  EXPECT_TRUE(view.UndoStack().empty());
  EXPECT_EQ(view.CountEmpty(), 81);
}

TEST(GrillePaint, PublishedPropertiesByName) {
  TGrilleSudoku view;
  for (const char* name :
       {"TabAuto", "CouleurFond", "CouleurTrait", "CouleurSelection", "CouleurChiffre", "CouleurChiffreFixe",
        "CouleurChiffreHint", "CouleurPossibilite", "CouleurErreur", "CouleurImpossible", "TypeBrique", "ShowErreur",
        "ShowImpossible", "HauteurCase", "LargeurCase", "TailleEcriture", "TaillePossibilite"})
    EXPECT_GE(view.metaObject()->indexOfProperty(name), 0) << name;
  EXPECT_TRUE(view.setProperty("CouleurErreur", QColor(Qt::red)));
  EXPECT_EQ(view.CouleurErreur, QColor(Qt::red));
  EXPECT_TRUE(view.setProperty("LargeurCase", 45));
  EXPECT_EQ(view.width(), 406);
  EXPECT_TRUE(view.setProperty("TypeBrique", QVariant::fromValue(tb_Lettre)));
  EXPECT_EQ(view.TypeBrique, tb_Lettre);
  EXPECT_TRUE(view.setProperty("TabAuto", true));
  EXPECT_TRUE(view.TabAuto);
}

TEST(GrillePaint, CellSizesSetTheControlSize) {
  TGrilleSudoku view;
  view.SetLargeurCase(45);
  EXPECT_EQ(view.size(), QSize(406, 361));
  view.SetHauteurCase(30);
  EXPECT_EQ(view.size(), QSize(406, 271));
  // Nonsense sizes become one pixel rather than a division by zero later.
  view.SetLargeurCase(0);
  view.SetHauteurCase(-5);
  EXPECT_EQ(view.size(), QSize(10, 10));
  int col = 0, row = 0;
  view.CellAtPoint(9, 9, col, row);
  EXPECT_EQ(col, 9);
  EXPECT_EQ(row, 9);
}

TEST_F(PaintTest, LinesOneAndTwoPixelsWideAndTheWholeControlPainted) {
  View.SelRow = 5;
  View.SelCol = 5;
  const QImage image = Shot(View);
  // No pixel is left unpainted.
  EXPECT_EQ(CountColor(image, QColor(1, 2, 3), image.rect()), 0);
  // Across the grid at y = 20 (inside row 1) and down at x = 20.
  std::string across, down;
  for (int p = 0; p <= 360; ++p) {
    across += image.pixelColor(p, 20) == C.Trait ? '#' : image.pixelColor(p, 20) == C.Fond ? '.' : '?';
    down += image.pixelColor(20, p) == C.Trait ? '#' : image.pixelColor(20, p) == C.Fond ? '.' : '?';
  }
  std::string want;
  for (int p = 0; p <= 360; ++p) {
    const bool line = p <= 1 || p >= 359 || p == 40 || p == 80 || p == 119 || p == 120 || p == 160 || p == 200 ||
                      p == 239 || p == 240 || p == 280 || p == 320;
    want += line ? '#' : '.';
  }
  EXPECT_EQ(across, want);
  EXPECT_EQ(down, want);
}

TEST_F(PaintTest, LineColourFollowsCouleurTrait) {
  View.SetCouleurTrait(QColor(0, 128, 0));
  const QImage image = Shot(View);
  EXPECT_EQ(image.pixelColor(120, 57), QColor(0, 128, 0));
  EXPECT_EQ(image.pixelColor(0, 300), QColor(0, 128, 0));
  EXPECT_EQ(image.pixelColor(280, 300), QColor(0, 128, 0));
}

TEST_F(PaintTest, ErrorFillsStopShortOfTheLines) {
  View.ShowErreur = true;
  const int cells[][2] = {{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 6}, {9, 9}, {7, 1}, {1, 9}};
  for (const auto& c : cells) PutMarked(View.Grille(), c[0], c[1], 1 + (c[0] + c[1]) % 9, 3);
  View.SelRow = 8;  // away from the cells looked at
  View.SelCol = 5;
  const QImage image = Shot(View);
  for (const auto& c : cells) {
    const QRect fill = Fill(c[0], c[1]);
    for (const QPoint p : Ring(fill)) ASSERT_EQ(image.pixelColor(p), C.Erreur) << c[0] << "," << c[1];
    // Just outside the fill: the cell's lines, whole.
    for (const QPoint p : Ring(fill.adjusted(-1, -1, 1, 1)))
      ASSERT_EQ(image.pixelColor(p), C.Trait) << c[0] << "," << c[1];
  }
}

TEST_F(PaintTest, BackgroundPrecedenceErrorThenRuleBreakThenSelection) {
  TGrille& grid = View.Grille();
  PutMarked(grid, 2, 2, 5, 3);  // differs from the solution
  PutMarked(grid, 2, 5, 6, 2);  // broke a rule
  View.ShowErreur = true;
  View.ShowImpossible = true;
  View.SelRow = 2;
  View.SelCol = 2;
  QImage image = Shot(View);
  EXPECT_EQ(image.pixelColor(Fill(2, 2).topLeft() + QPoint(4, 4)), C.Erreur);
  EXPECT_EQ(image.pixelColor(Fill(2, 5).topLeft() + QPoint(2, 2)), C.Impossible);
  // The selected error cell keeps its red frame, with a ring of the
  // selection colour inside it, which shows even on a red error colour.
  EXPECT_EQ(image.pixelColor(40, 60), Red);
  EXPECT_EQ(image.pixelColor(41, 60), Red);
  EXPECT_EQ(image.pixelColor(42, 60), C.Selection);
  EXPECT_EQ(image.pixelColor(43, 60), C.Selection);

  View.ShowErreur = false;
  image = Shot(View);
  EXPECT_EQ(image.pixelColor(Fill(2, 2).topLeft() + QPoint(2, 2)), C.Selection);
  View.ShowImpossible = false;
  View.SelCol = 5;
  image = Shot(View);
  EXPECT_EQ(image.pixelColor(Fill(2, 5).topLeft() + QPoint(2, 2)), C.Selection);
  EXPECT_EQ(image.pixelColor(Fill(2, 2).topLeft() + QPoint(2, 2)), C.Fond);
  // A rule-break background needs ShowImpossible, an error one ShowErreur.
  View.SelRow = 9;
  View.ShowImpossible = false;
  View.ShowErreur = true;
  image = Shot(View);
  EXPECT_EQ(image.pixelColor(Fill(2, 5).topLeft() + QPoint(2, 2)), C.Fond);
}

TEST_F(PaintTest, SelectionIsARedFrameOverTheCellsLinesWithAFilledInside) {
  View.SelRow = 5;
  View.SelCol = 5;
  EXPECT_FALSE(View.hasFocus());  // drawn with or without the focus
  const QImage image = Shot(View);
  for (int p = 160; p <= 200; ++p)
    for (const QPoint q : {QPoint(p, 160), QPoint(p, 161), QPoint(p, 199), QPoint(p, 200), QPoint(160, p),
                           QPoint(161, p), QPoint(199, p), QPoint(200, p)})
      ASSERT_EQ(image.pixelColor(q), Red) << q.x() << "," << q.y();
  EXPECT_EQ(CountColor(image, C.Selection, QRect(162, 162, 37, 37)), 37 * 37);
  // Neighbours are untouched beyond the frame.
  EXPECT_EQ(image.pixelColor(159, 180), C.Fond);
  EXPECT_EQ(image.pixelColor(201, 180), C.Fond);
  // 169 red pixels wide frame ring: 4 sides of 41 by 2, corners counted once.
  EXPECT_EQ(CountColor(image, Red, image.rect()), 41 * 41 - 37 * 37);
}

TEST_F(PaintTest, SelectionInTheCornerFramesTheBorder) {
  View.SelRow = 9;
  View.SelCol = 9;
  const QImage image = Shot(View);
  EXPECT_EQ(image.pixelColor(360, 360), Red);
  EXPECT_EQ(image.pixelColor(359, 330), Red);
  EXPECT_EQ(image.pixelColor(320, 321), Red);
  EXPECT_EQ(image.pixelColor(340, 340), C.Selection);
}

TEST_F(PaintTest, SelectionColourEqualToTheBoardShowsNoFrame) {
  View.CouleurSelection = C.Fond;
  View.SelRow = 4;
  View.SelCol = 7;
  const QImage image = Shot(View);
  EXPECT_EQ(CountColor(image, Red, image.rect()), 0);
}

TEST_F(PaintTest, TextColoursByKindAndHint) {
  TGrille& grid = View.Grille();
  grid.LoadFromText(Puzzle, "");
  grid.EnterDigit(1, 3, SolutionDigit(1, 3), false, false);  // player's digit
  PutMarked(grid, 1, 4, 9, 2);                               // broke a rule: text still CouleurChiffre
  View.SelRow = 9;
  View.SelCol = 5;
  QImage image = Shot(View);
  EXPECT_GT(CountColor(image, C.Fixe, CellInside(1, 1)), 15);
  EXPECT_EQ(CountColor(image, C.Chiffre, CellInside(1, 1)), 0);
  EXPECT_GT(CountColor(image, C.Chiffre, CellInside(1, 3)), 15);
  EXPECT_GT(CountColor(image, C.Chiffre, CellInside(1, 4)), 15);
  // The hinted cell, whatever its kind (here a given).
  grid.HintRow = 1;
  grid.HintCol = 1;
  image = Shot(View);
  EXPECT_GT(CountColor(image, C.Hint, CellInside(1, 1)), 15);
  grid.HintRow = 1;
  grid.HintCol = 3;
  image = Shot(View);
  EXPECT_GT(CountColor(image, C.Hint, CellInside(1, 3)), 15);
  EXPECT_EQ(CountColor(image, C.Chiffre, CellInside(1, 3)), 0);
  grid.HintRow = 0;  // cleared: back to the player's colour
  image = Shot(View);
  EXPECT_GT(CountColor(image, C.Chiffre, CellInside(1, 3)), 15);
  EXPECT_EQ(CountColor(image, C.Hint, image.rect()), 0);
}

TEST_F(PaintTest, DigitsAreCentredInTheirCells) {
  View.SetLargeurCase(45);
  View.SetHauteurCase(45);
  TGrille& grid = View.Grille();
  grid.SetDigit(5, 5, 8, true);
  View.SelRow = 1;
  View.SelCol = 9;
  const QImage image = Shot(View);
  int left = 999, right = -1, top = 999, bottom = -1;
  for (int y = 181; y < 225; ++y)
    for (int x = 181; x < 225; ++x)
      if (image.pixelColor(x, y) != C.Fond) {
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
      }
  ASSERT_GE(right, 0);
  const double centreX = (left + right) / 2.0, centreY = (top + bottom) / 2.0;
  EXPECT_NEAR(centreX, 180 + 22.5, 2.5);
  EXPECT_NEAR(centreY, 180 + 22.5, 4.0);
}

namespace {

// The cell (Row, Col) as it should look: the board colour, then the given lines
// of text at the cell's top-left corner plus 2, one text height apart, in the
// candidates' font; a line wider than the 36 pixels that leave 2 free before
// the cell's right line is narrowed to them.
QImage ExpectedCell(const TGrilleSudoku& View, const QColor& Board, int Row, int Col, const QStringList& Lines) {
  QImage image(361, 361, QImage::Format_RGB32);
  image.fill(Board);
  QPainter painter(&image);
  QFont font(QStringLiteral("Comic Sans MS"));
  font.setPixelSize(PointsToPixels(View.TaillePossibilite));
  painter.setFont(font);
  painter.setPen(Qt::black);
  const QFontMetrics metrics = painter.fontMetrics();
  const int room = 36;
  for (int k = 0; k < Lines.size(); ++k) {
    painter.save();
    painter.translate((Col - 1) * 40 + 2, (Row - 1) * 40 + 2 + k * metrics.height() + metrics.ascent());
    const qreal width = QFontMetricsF(font, &image).horizontalAdvance(Lines[k]);
    if (width > room) painter.scale(room / width, 1.0);
    painter.drawText(QPoint(0, 0), Lines[k]);
    painter.restore();
  }
  painter.end();
  return image.copy(CellInside(Row, Col));
}

}  // namespace

TEST_F(PaintTest, PencilMarksOnTwoLines) {
  for (int d : {1, 2, 5, 7, 8, 9}) View.Grille().EnterDigit(5, 2, d, false, true);
  View.SelRow = 1;
  View.SelCol = 9;
  const QImage cell = Shot(View).copy(CellInside(5, 2));
  EXPECT_EQ(cell, ExpectedCell(View, C.Fond, 5, 2, {"1-2-5-7", "8-9"}));
  EXPECT_NE(cell, ExpectedCell(View, C.Fond, 5, 2, {"1-2-5-7-8-9"}));
  EXPECT_NE(cell, ExpectedCell(View, C.Fond, 5, 2, {"1-2-5", "7-8-9"}));
}

TEST_F(PaintTest, PencilMarksInLetters) {
  View.TypeBrique = tb_Lettre;
  for (int d : {1, 2, 5, 7, 8, 9}) View.Grille().EnterDigit(5, 2, d, false, true);
  View.Grille().SetDigit(7, 7, 9, true);
  View.SelRow = 1;
  View.SelCol = 9;
  const QImage image = Shot(View);
  EXPECT_EQ(image.copy(CellInside(5, 2)), ExpectedCell(View, C.Fond, 5, 2, {"A-B-E-G", "H-I"}));
  // The digit 9 shows as the letter I: compare with a grid showing "I" drawn by
  // the same view in digits mode of another digit, which must differ.
  TGrilleSudoku digits;
  Dress(digits, C);
  digits.SelRow = 1;
  digits.SelCol = 9;
  digits.Grille().SetDigit(7, 7, 9, true);
  EXPECT_NE(image.copy(CellInside(7, 7)), Shot(digits).copy(CellInside(7, 7)));
}

TEST_F(PaintTest, AllNineMarksOnThreeLinesAndASingleMark) {
  for (int d = 1; d <= 9; ++d) View.Grille().EnterDigit(3, 8, d, false, true);
  View.Grille().EnterDigit(6, 1, 6, false, true);
  View.SelRow = 9;
  View.SelCol = 9;
  const QImage image = Shot(View);
  EXPECT_EQ(image.copy(CellInside(3, 8)), ExpectedCell(View, C.Fond, 3, 8, {"1-2-3-4", "5-6-7-8", "9"}));
  EXPECT_EQ(image.copy(CellInside(6, 1)), ExpectedCell(View, C.Fond, 6, 1, {"6"}));
}

TEST_F(PaintTest, ComputedCandidatesReplaceMarksExceptWhenEmpty) {
  TGrille& grid = View.Grille();
  grid.LoadFromText(Puzzle, "");
  grid.EnterDigit(1, 3, 4, false, true);  // a pencil mark in a cell whose candidates are 1, 2, 4
  grid.EnterDigit(1, 4, 8, false, true);
  grid.SetCandidates(1, 4, 0);  // a cell with no candidate left shows its marks
  View.SelRow = 9;
  View.SelCol = 5;
  View.SetShowAllCandidates(true);
  QImage image = Shot(View);
  EXPECT_EQ(image.copy(CellInside(1, 3)), ExpectedCell(View, C.Fond, 1, 3, {"1-2-4"}));
  EXPECT_EQ(image.copy(CellInside(1, 4)), ExpectedCell(View, C.Fond, 1, 4, {"8"}));
  View.SetShowAllCandidates(false);
  image = Shot(View);
  EXPECT_EQ(image.copy(CellInside(1, 3)), ExpectedCell(View, C.Fond, 1, 3, {"4"}));
}

TEST_F(PaintTest, CandidatesTakeTheHintColourInTheHintedCell) {
  View.Grille().EnterDigit(4, 4, 3, false, true);
  View.Grille().HintRow = 4;
  View.Grille().HintCol = 4;
  View.SelRow = 1;
  View.SelCol = 9;
  // Small text is smoothed: count the pixels clearly tinted by the hint colour.
  auto tinted = [](const QImage& Image) {
    int count = 0;
    const QRect inside = CellInside(4, 4);
    for (int y = inside.top(); y <= inside.bottom(); ++y)
      for (int x = inside.left(); x <= inside.right(); ++x) {
        const QColor c = Image.pixelColor(x, y);
        if (c.red() - c.green() > 60) ++count;
      }
    return count;
  };
  EXPECT_GT(tinted(Shot(View)), 3);
  View.Grille().HintRow = 0;
  EXPECT_EQ(tinted(Shot(View)), 0);
}

TEST_F(PaintTest, PaperLookIsWhiteAndBlackWithoutSelectionOrErrors) {
  TGrille& grid = View.Grille();
  grid.LoadFromText(Puzzle, "");
  grid.EnterDigit(1, 3, 4, false, false);
  PutMarked(grid, 2, 2, 4, 3);
  PutMarked(grid, 2, 3, 9, 2);
  grid.HintRow = 1;
  grid.HintCol = 3;
  for (int d : {1, 2, 5}) grid.EnterDigit(5, 2, d, false, true);
  View.ShowErreur = true;
  View.ShowImpossible = true;
  View.SelRow = 5;
  View.SelCol = 5;
  QImage paper(361, 361, QImage::Format_RGB32);
  paper.fill(QColor(1, 2, 3));
  {
    QPainter painter(&paper);
    View.DrawGrid(painter, 40, 40, 20, 8, true);
  }
  // Only greys: white board, black lines and text (with their smoothing).
  int coloured = 0;
  for (int y = 0; y < 361; ++y)
    for (int x = 0; x < 361; ++x) {
      const QColor c = paper.pixelColor(x, y);
      if (c.red() != c.green() || c.green() != c.blue()) ++coloured;
    }
  EXPECT_EQ(coloured, 0);
  EXPECT_EQ(CountColor(paper, Qt::white, CellInside(5, 5)), 37 * 37);
  EXPECT_GT(CountColor(paper, Qt::black, CellInside(1, 3)), 15);
  EXPECT_EQ(paper.copy(CellInside(5, 2)), ExpectedCell(View, Qt::white, 5, 2, {"1-2-5"}));
  EXPECT_EQ(paper.pixelColor(119, 20), QColor(Qt::black));
}

TEST_F(PaintTest, SameDigitHighlightingColoursCellsMarksAndTheSelectionsUnits) {
  const QColor mark(90, 150, 250);
  const QColor zone(200, 235, 200);
  View.CouleurSurlignage = mark;
  View.CouleurZone = zone;
  View.ShowErreur = true;
  View.LoadGrid(QString::fromLatin1(Puzzle), QString(), 1);
  // Pencil marks 5 and 7 in one cell, 7 alone in another; a wrong 5.
  View.Grille().EnterDigit(7, 5, 5, false, true);
  View.Grille().EnterDigit(7, 5, 7, false, true);
  View.Grille().EnterDigit(7, 4, 7, false, true);
  PutMarked(View.Grille(), 6, 2, 5, 3);
  View.SelRow = 1;  // the given 5
  View.SelCol = 1;

  const QImage plain = Shot(View);
  EXPECT_EQ(CountColor(plain, mark, plain.rect()), 0) << "nothing until it is turned on";
  EXPECT_EQ(CountColor(plain, zone, plain.rect()), 0);

  View.SurligneChiffres = true;
  const QImage lit = Shot(View);
  // The other 5s of the puzzle.
  for (const auto& [row, col] : {std::pair(2, 6), std::pair(8, 9)})
    EXPECT_GT(CountColor(lit, mark, CellInside(row, col)), 600) << row << "," << col;
  EXPECT_GT(CountColor(lit, C.Selection, CellInside(1, 1)), 600) << "the selection stays on top";
  EXPECT_GT(CountColor(lit, C.Erreur, CellInside(6, 2)), 600) << "so does an error";
  EXPECT_EQ(CountColor(lit, mark, CellInside(6, 2)), 0);
  // The row, the column and the block of the selection.
  for (const auto& [row, col] : {std::pair(1, 5), std::pair(5, 1), std::pair(3, 3), std::pair(1, 9)})
    EXPECT_GT(CountColor(lit, zone, CellInside(row, col)), 600) << row << "," << col;
  EXPECT_EQ(CountColor(lit, zone, CellInside(5, 5)), 0);
  // Among the marks, the 5 only.
  EXPECT_GT(CountColor(lit, mark, CellInside(7, 5)), 10);
  EXPECT_EQ(CountColor(lit, mark, CellInside(7, 4)), 0);

  // An empty selection tints its units and highlights no digit.
  View.SelRow = 7;
  View.SelCol = 4;
  const QImage empty = Shot(View);
  EXPECT_EQ(CountColor(empty, mark, empty.rect()), 0);
  EXPECT_GT(CountColor(empty, zone, CellInside(7, 1)), 600);

  // Paper shows none of it.
  QImage paper(TGridLook::PaperSize, TGridLook::PaperSize, QImage::Format_RGB32);
  QPainter painter(&paper);
  View.SelCol = 5;
  View.DrawGrid(painter, 40, 40, 20, 8, true);
  painter.end();
  EXPECT_EQ(CountColor(paper, mark, paper.rect()) + CountColor(paper, zone, paper.rect()), 0);
}

TEST_F(PaintTest, ADigitOnASignalColourCloseToItsOwnGetsAnOutline) {
  PutMarked(View.Grille(), 5, 5, 8, 3);
  View.ShowErreur = true;
  View.CouleurChiffreHint = Red;
  View.Grille().HintCol = 5;
  // Signal colour, hinted (red) or the player's orange digit, outlined.
  for (const auto& [signal, hinted, outlined] : {std::tuple{Red, false, true},
                                                 {QColor(255, 128, 192), false, true},
                                                 {Red, true, true},
                                                 {C.Impossible, true, false}}) {
    View.CouleurErreur = signal;
    View.Grille().HintRow = hinted ? 5 : 0;
    const QImage cell = Shot(View).copy(CellInside(5, 5));
    EXPECT_GT(CountColor(cell, hinted ? Red : C.Chiffre, cell.rect()), 15) << "the digit keeps its colour";
    EXPECT_EQ(CountColor(cell, Qt::black, cell.rect()) + CountColor(cell, Qt::white, cell.rect()) > 20, outlined)
        << signal.name().toStdString() << hinted;
  }
}
