// A digit on a signal colour close to its own gets an outline; the colours of
// the digit and of the signal stay those given.
#include <gtest/gtest.h>

#include "gridview_test_util.h"

using namespace gridtest;

TEST(GrilleLegibility, ADigitOnASignalColourCloseToItsOwnIsOutlined) {
  const QColor orange(255, 128, 0);
  const QColor red(255, 0, 0);
  struct Case {
    QColor Signal;
    bool Hinted;  // the digit is the hinted one, in red
    bool Outlined;
  };
  const Case cases[] = {
      {red, false, true},                   // orange on red: close in hue and in light
      {QColor(255, 128, 192), false, true}, // orange on pink: the same light
      {orange, false, true},
      {red, true, true},                    // the red hint on a wrong digit's red
      {QColor(128, 0, 128), false, false},  // orange on purple reads by itself
      {QColor(0, 0, 128), false, false},
      {QColor(128, 0, 128), true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Signal.name().toStdString() + (c.Hinted ? " hinted" : ""));
    TGrilleSudoku view;
    Colours colours;
    colours.Hint = red;
    colours.Erreur = c.Signal;
    Dress(view, colours);
    view.ShowErreur = true;
    TGrille& grid = view.Grille();
    grid.SetDigit(5, 5, 8, true);
    grid.Marks[Cell(5, 5)] = std::uint8_t(8 | 16);  // differs from the solution
    grid.HintRow = c.Hinted ? 5 : 0;
    grid.HintCol = 5;
    view.SelRow = 1;
    view.SelCol = 9;
    const QImage image = Shot(view);
    const QRect cell = CellInside(5, 5);
    const int outline = CountColor(image, Qt::black, cell) + CountColor(image, Qt::white, cell);
    EXPECT_GT(CountColor(image, c.Hinted ? red : orange, cell), 15) << "the digit keeps its colour";
    EXPECT_GT(CountColor(image, c.Signal, cell), 300) << "the cell keeps its signal";
    if (c.Outlined)
      EXPECT_GT(outline, 20);
    else
      EXPECT_EQ(outline, 0);
  }
}
