// A digit on a signal colour close to its own gets a black or white outline;
// the digit and the signal keep their colours.
#include <gtest/gtest.h>

#include "gridview_test_util.h"

using namespace gridtest;

TEST(GrilleLegibility, ADigitOnASignalColourCloseToItsOwnIsOutlined) {
  const QColor red(255, 0, 0);
  const QColor purple(128, 0, 128);
  // Signal colour, digit hinted (red) or the player's (orange), outlined.
  const std::tuple<QColor, bool, bool> cases[] = {{red, false, true}, {QColor(255, 128, 192), false, true},
                                                  {red, true, true},  {purple, false, false},
                                                  {purple, true, false}};
  for (const auto& [signal, hinted, outlined] : cases) {
    TGrilleSudoku view;
    Dress(view, Colours{.Hint = red, .Erreur = signal});
    view.ShowErreur = true;
    view.Grille().SetDigit(5, 5, 8, true);
    view.Grille().Marks[Cell(5, 5)] = 8 | 16;  // differs from the solution
    view.Grille().HintRow = hinted ? 5 : 0;
    view.Grille().HintCol = 5;
    const QImage image = Shot(view);
    const QRect cell = CellInside(5, 5);
    EXPECT_GT(CountColor(image, hinted ? red : QColor(255, 128, 0), cell), 15);
    EXPECT_EQ(CountColor(image, Qt::black, cell) + CountColor(image, Qt::white, cell) > 20, outlined)
        << signal.name().toStdString() << hinted;
  }
}
