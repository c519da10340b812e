// The game screen on its own, over a known position: the clock, the help
// counter, the end of a game with and without errors, verification of a typed
// puzzle, and what a cancelled level choice or "Effacer la grille" leaves.
#include <QLabel>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>
#include <gtest/gtest.h>

#include "appfolders.h"
#include "finjeu.h"
#include "grillesudoku.h"
#include "jeux.h"
#include "modal_util.h"
#include "options.h"
#include "scores.h"
#include "screens_test_util.h"

namespace {

const QString Puzzle =
    QStringLiteral("530070000600195000098000060800060003400803001700020006060000280000419005000080079");
const QString Solved =
    QStringLiteral("534678912672195348198342567859761423426853791713924856961537284287419635345286179");

// The solved grid with cells emptied ('0') or changed.
QString Changed(std::initializer_list<std::pair<int, char>> Cells) {
  QString digits = Solved;
  for (const auto& [index, c] : Cells) digits[index] = QLatin1Char(c);
  return digits;
}

constexpr int Cell11 = 2;   // row 1, column 3: 4, not a given
constexpr int Cell12 = 3;   // row 1, column 4: 6
constexpr int Cell13 = 5;   // row 1, column 6: 8
constexpr int Cell14 = 10;  // row 2, column 2: 7

class GameScreenTest : public ::testing::Test, protected ScreenTestBase {
 protected:
  GameScreenTest()
      : Options(Folder.filePath(QStringLiteral("sudoku.ini"))),
        Scores(Folder.filePath(QStringLiteral("sudoku.ini"))) {
    TAppFolders::Init(Folder.path());
    Game.Clock = [this] { return Now; };
    Game.resize(900, 600);
  }
  ~GameScreenTest() override { TAppFolders::Init(); }

  // A game of level Level on the position, the clock at its start.
  void Play(const QString& Digits, int Level = 1) {
    Game.SetPlayMode(true);
    Game.GrilleSudoku->LoadGrid(Puzzle, Digits, std::uint8_t(Level));
    Game.Level = Level;
    Game.SetupScreen(Options, Scores);
    Game.show();
  }

  void Type(int Row, int Col, int Digit) {
    TGrilleSudoku* grid = Game.GrilleSudoku;
    grid->SelRow = Row;
    grid->SelCol = Col;
    QTest::keyClick(grid, Qt::Key(Qt::Key_0 + Digit));
  }

  // What the end-of-game dialog showed, if it came; it is then closed. The
  // name box that may come before it is answered "Annuler".
  struct EndSeen {
    bool Shown = false;
    bool Timed = false;
    QString Score;
  };
  void WatchEnd(EndSeen& Seen) {
    WhenModal([this, &Seen](QWidget* Dialog) {
      auto* end = qobject_cast<Tf_FinJeu*>(Dialog);
      if (end == nullptr) {
        WatchEnd(Seen);
        Dialog->close();
        return;
      }
      Seen.Shown = true;
      Seen.Timed = end->Panel1->isVisible();
      Seen.Score = end->l_Score->text();
      end->close();
    });
  }

  QTemporaryDir Folder;
  TOptions Options;
  TScores Scores;
  std::uint64_t Now = 10000;
  Tf_Jeux Game;
};

TEST_F(GameScreenTest, WithoutTheClockTheTimeIsADashAndTheEndHasNoScore) {
  Options.AffichageChrono = false;
  Play(Changed({{Cell11, '0'}}));
  EXPECT_EQ(Game.l_Temps->text(), QStringLiteral("-"));
  EXPECT_FALSE(Game.t_Chronometre->isActive());
  Now += 90000;
  EndSeen end;
  WatchEnd(end);
  Type(1, 3, 4);
  EXPECT_TRUE(end.Shown);
  EXPECT_FALSE(end.Timed) << "a game without a clock gets no score";
  EXPECT_EQ(Shell_.MenuShown, 1);
}

TEST_F(GameScreenTest, ReinitialiserKeepsTheTimeAndTheHelps) {
  Play(Changed({{Cell11, '0'}, {Cell12, '0'}, {Cell13, '0'}}));
  Now += 30000;
  Game.hl_IndiceClick();
  Game.hl_IndiceClick();
  EXPECT_EQ(Game.Helps, 2);
  EXPECT_FALSE(Game.MemoAstuce->toPlainText().isEmpty());
  Game.hl_reinitClick();
  EXPECT_EQ(Game.Helps, 2);
  EXPECT_EQ(Game.ElapsedSeconds(), 30);
  EXPECT_EQ(Game.GrilleSudoku->CountEmpty(), 51) << "back to the givens";
  EXPECT_TRUE(Game.GrilleSudoku->UndoStack().empty());
}

TEST_F(GameScreenTest, AFullGridWithAnErrorAsksFirst) {
  Play(Changed({{Cell11, '0'}, {Cell14, '9'}}), 2);
  Now += 600000;
  // Yes: the game goes on, the clock running.
  QString question;
  WhenModal([&question](QWidget* Box) {
    question = Box->windowTitle();
    ClickButton(Box, QStringLiteral("Oui"));
  });
  Type(1, 3, 4);
  EXPECT_EQ(question, QStringLiteral("Erreur sur la grille"));
  EXPECT_TRUE(Game.t_Chronometre->isActive());
  EXPECT_EQ(Game.Helps, 0);

  // The wrong digit typed again: No corrects it, counts one help and scores.
  EndSeen end;
  WhenModal([this, &end](QWidget* Box) {
    WatchEnd(end);
    ClickButton(Box, QStringLiteral("Non"));
  });
  Type(2, 2, 0);
  Type(2, 2, 9);
  EXPECT_EQ(Game.GrilleSudoku->Grille().GetDigit(2, 2), 7);
  EXPECT_EQ(Game.Helps, 1);
  ASSERT_TRUE(end.Shown);
  EXPECT_EQ(end.Score, FormatTime(600 + 1 * 15 * 2)) << "the time at completion, one help at 30 s";
  EXPECT_FALSE(Game.t_Chronometre->isActive());
}

TEST_F(GameScreenTest, ResoudreCountsEveryCellItSettles) {
  Play(Changed({{Cell11, '0'}, {Cell12, '0'}, {Cell13, '0'}, {Cell14, '9'}}));
  EndSeen end;
  WatchEnd(end);
  Game.hl_ResoudreClick();
  EXPECT_EQ(Game.Helps, 4) << "three cells filled, one corrected";
  EXPECT_EQ(Game.l_Indice->text(), QStringLiteral("4"));
  EXPECT_EQ(Game.GrilleSudoku->CountEmpty(), 0);
  EXPECT_TRUE(end.Shown);
}

TEST_F(GameScreenTest, AnEmptyTypedGridHasSeveralSolutionsAtExpert) {
  Game.SetPlayMode(false);
  Game.SetupScreen(Options, Scores);
  Game.show();
  QString told;
  WhenModal([&told](QWidget* Box) {
    told = qobject_cast<QMessageBox*>(Box)->text();
    ClickButton(Box, QStringLiteral("OK"));
  });
  Game.hl_VerifierGrilleClick();
  EXPECT_EQ(told, QStringLiteral("La grille peut être résolue mais possède plusieurs solutions, ce qui n'est "
                                 "pas conforme aux règles du Sudoku.\nNiveau de la grille: Expert"));
  EXPECT_EQ(Game.Level, 4);
}

TEST_F(GameScreenTest, EffacerLaGrilleLeavesNoOldPuzzleBehind) {
  Game.SetPlayMode(false);
  Game.SetupScreen(Options, Scores);
  Game.show();
  Game.GrilleSudoku->SelRow = 1;
  Game.GrilleSudoku->SelCol = 1;
  for (const QChar c : Puzzle) QTest::keyClick(Game.GrilleSudoku, Qt::Key(c.unicode()));
  EXPECT_EQ(Game.GrilleSudoku->CountEmpty(), 51);
  EXPECT_EQ(Game.hl_newgrille->text(), QStringLiteral("Effacer la grille"));
  Game.hl_newgrilleClick();
  Game.hl_reinitClick();
  EXPECT_EQ(Game.GrilleSudoku->CountEmpty(), 81);
}

TEST_F(GameScreenTest, ACancelledLevelChoiceKeepsTheGridAndRestartsTheCounters) {
  Play(Changed({{Cell11, '0'}, {Cell12, '0'}}));
  Game.hl_PossibiliteClick();
  Game.hl_IndiceClick();
  Now += 45000;
  const std::string before = Game.GrilleSudoku->Grille().SaveToText(true, 0, 0, 0);
  WhenModal([](QWidget* Levels) { Levels->close(); });
  EXPECT_FALSE(Game.StartNewGame());
  EXPECT_EQ(Game.GrilleSudoku->Grille().SaveToText(true, 0, 0, 0), before);
  EXPECT_EQ(Game.Helps, 0);
  EXPECT_EQ(Game.ElapsedSeconds(), 0);
  EXPECT_EQ(Game.l_Temps->text(), QStringLiteral("0:00"));
  // Candidates left on screen would be free from now on.
  EXPECT_FALSE(Game.GrilleSudoku->ShowAllCandidates());
  EXPECT_EQ(Game.hl_Possibilite->text(), QStringLiteral("Voir possibilités"));
}

}  // namespace
