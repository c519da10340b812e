// What the game screen shows: its grid in the screen's own colours, hint
// sentences in letters when the grid shows letters, and a tips box that
// never shows half a line.
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <gtest/gtest.h>
#include <cmath>

#include "appfolders.h"
#include "grillesudoku.h"
#include "jeux.h"
#include "options.h"
#include "scores.h"
#include "screens_test_util.h"
#include "wholelines.h"

namespace {

const QString Puzzle =
    QStringLiteral("530070000600195000098000060800060003400803001700020006060000280000419005000080079");
// The solution, with row 1 column 3 and row 2 column 2 emptied.
const QString TwoHoles =
    QStringLiteral("530678912602195348198342567859761423426853791713924856961537284287419635345286179");

class GameDisplayTest : public ::testing::Test, protected ScreenTestBase {
 protected:
  GameDisplayTest()
      : Options(Folder.filePath(QStringLiteral("sudoku.ini"))),
        Scores(Folder.filePath(QStringLiteral("sudoku.ini"))) {
    TAppFolders::Init(Folder.path());
    Game.resize(697, 570);
  }
  ~GameDisplayTest() override { TAppFolders::Init(); }

  void Play() {
    Game.SetPlayMode(true);
    Game.GrilleSudoku->LoadGrid(Puzzle, TwoHoles, 1);
    Game.SetupScreen(Options, Scores);
    Game.show();
  }

  // The pixels of Colour inside cell (Row, Col), lines excluded, on the screen.
  int Count(const QImage& Screen, int Row, int Col, const QColor& Colour) const {
    const TGrilleSudoku& grid = *Game.GrilleSudoku;
    const int w = grid.LargeurCase();
    const QPoint origin = grid.pos() + QPoint((Col - 1) * w + 2, (Row - 1) * w + 2);
    int count = 0;
    for (int y = 0; y < w - 3; ++y)
      for (int x = 0; x < w - 3; ++x) count += Screen.pixelColor(origin + QPoint(x, y)) == Colour ? 1 : 0;
    return count;
  }

  QTemporaryDir Folder;
  TOptions Options;
  TScores Scores;
  Tf_Jeux Game;
};

}  // namespace

TEST_F(GameDisplayTest, TheGridTakesTheScreensFiveColours) {
  Play();
  Game.hl_IndiceClick();  // places the 4 of row 1, column 3
  ASSERT_EQ(Game.GrilleSudoku->Grille().HintRow, 1);
  ASSERT_EQ(Game.GrilleSudoku->Grille().HintCol, 3);
  Game.GrilleSudoku->SelRow = 5;  // a player's 5
  Game.GrilleSudoku->SelCol = 5;
  const QImage screen = Game.grab().toImage();
  const int cell = Game.GrilleSudoku->LargeurCase();
  const int inside = (cell - 3) * (cell - 3);
  const auto corner = [&](int Row, int Col) {
    return screen.pixelColor(Game.GrilleSudoku->pos() + QPoint((Col - 1) * cell + 3, (Row - 1) * cell + 3));
  };
  EXPECT_EQ(corner(9, 4), QColor(255, 255, 210)) << "the board";
  EXPECT_EQ(corner(5, 5), QColor(255, 255, 0)) << "the selection";
  EXPECT_GT(Count(screen, 5, 5, QColor(255, 128, 0)), 15) << "a player's digit";
  EXPECT_GT(Count(screen, 1, 3, QColor(255, 0, 0)), 15) << "the hinted digit";
  EXPECT_GT(Count(screen, 1, 1, QColor(0, 0, 0)), 15) << "a given";
  EXPECT_GT(Count(screen, 1, 1, QColor(255, 255, 210)), inside / 2);
}

TEST_F(GameDisplayTest, AHintInLettersNamesTheLetterOfTheGrid) {
  Options.UseLetters = true;
  Play();
  Game.hl_IndiceClick();
  EXPECT_EQ(Game.MemoAstuce->toPlainText(),
            QStringLiteral("En regardant la ligne 1, on remarque qu'il ne manque qu'un chiffre. En comptant de A à "
                           "I, on voit qu'il s'agit du D, que l'on place donc sur la colonne 3"));
}

TEST_F(GameDisplayTest, TheTipsBoxShowsWholeLinesAtBothSizes) {
  Play();
  for (const QSize size : {QSize(697, 570), QSize(1920, 1080), QSize(800, 600)}) {
    SCOPED_TRACE(size.width());
    Game.resize(size);
    QTextBrowser& box = *Game.MemoAstuce;
    const double line = TextLineHeight(box.font());
    const double shown = box.viewport()->height() - box.document()->documentMargin();
    const double lines = shown / line;
    EXPECT_GE(lines, 1.0);
    EXPECT_NEAR(lines, std::round(lines), 1.0 / line) << "a line cut at the bottom";
    // Scrolled by the bar, the box stops on a line.
    if (box.verticalScrollBar()->maximum() < 2 * line) continue;
    box.verticalScrollBar()->setValue(int(line * 1.6));
    const double top = box.verticalScrollBar()->value() / line;
    EXPECT_NEAR(top, std::round(top), 1.0 / line);
    box.verticalScrollBar()->setValue(0);
  }
}
