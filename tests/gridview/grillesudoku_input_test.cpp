// SPDX-License-Identifier: GPL-3.0-or-later
// Playing the grid view with real key and mouse events: selection moves and the
// jump over givens, digits, letters, the numeric pad, pencil marks, undo and
// redo, tidy pencil marks, hints, completion, the commands of the game screen,
// and the puzzle as text.
#include <gtest/gtest.h>
#include <QApplication>
#include <QKeyEvent>
#include <QTest>

#include "gridview_test_util.h"

using namespace gridtest;

namespace {

// A puzzle with givens only at row 1 columns 2 and 3, and all of column 5 but
// row 5.
std::string GivensForJumps() {
  std::string text(81, '0');
  text[Cell(1, 2)] = '1';
  text[Cell(1, 3)] = '2';
  const char column[] = "345607891";
  for (int r = 1; r <= 9; ++r) text[Cell(r, 5)] = column[r - 1];
  return text;
}

struct InputTest : ::testing::Test {
  TGrilleSudoku View;
  void SetUp() override { Dress(View); }
  void Select(int Row, int Col) {
    View.SelRow = Row;
    View.SelCol = Col;
  }
  void Key(Qt::Key K, Qt::KeyboardModifiers M = Qt::NoModifier) { QTest::keyClick(&View, K, M); }
  int Digit(int Row, int Col) const { return View.Grille().GetDigit(Row, Col); }
  int Kind(int Row, int Col) const {
    int kind = 0;
    View.Grille().GetCellState(Row, Col, kind);
    return kind;
  }
  void LoadPuzzle() { View.LoadGrid(QString::fromLatin1(Puzzle), QString(), 1); }
  // Fills every empty cell but the given one with its solution digit.
  void FillAllBut(int Row, int Col) {
    for (int r = 1; r <= 9; ++r)
      for (int c = 1; c <= 9; ++c)
        if ((r != Row || c != Col) && Digit(r, c) == 0)
          View.Grille().EnterDigit(r, c, SolutionDigit(r, c), false, false);
  }
};

}  // namespace

TEST_F(InputTest, ArrowsWrapAroundTheGrid) {
  Select(9, 9);
  Key(Qt::Key_Right);
  EXPECT_EQ(View.SelRow, 1);
  EXPECT_EQ(View.SelCol, 1);
  Key(Qt::Key_Left);
  EXPECT_EQ(View.SelRow, 9);
  EXPECT_EQ(View.SelCol, 9);
  Select(1, 4);
  Key(Qt::Key_Up);
  EXPECT_EQ(View.SelRow, 9);
  EXPECT_EQ(View.SelCol, 4);
  Key(Qt::Key_Down);
  EXPECT_EQ(View.SelRow, 1);
  Select(3, 9);
  Key(Qt::Key_Right);
  EXPECT_EQ(View.SelRow, 4);
  EXPECT_EQ(View.SelCol, 1);
  Key(Qt::Key_Left);
  EXPECT_EQ(View.SelRow, 3);
  EXPECT_EQ(View.SelCol, 9);
}

TEST_F(InputTest, ArrowsJumpOverGivensWhilePlaying) {
  View.LoadGrid(QString::fromStdString(GivensForJumps()), QString(), 1);
  Select(1, 1);
  Key(Qt::Key_Right);
  EXPECT_EQ(View.SelCol, 4);
  Key(Qt::Key_Left);
  EXPECT_EQ(View.SelCol, 1);
  // Column 5: only row 5 is free, so Up and Down come back to it.
  Select(5, 5);
  Key(Qt::Key_Up);
  EXPECT_EQ(View.SelRow, 5);
  Key(Qt::Key_Down);
  EXPECT_EQ(View.SelRow, 5);
  EXPECT_EQ(View.SelCol, 5);
}

TEST_F(InputTest, ArrowsStopOnGivensWhileTypingAPuzzleIn) {
  View.LoadGrid(QString::fromStdString(GivensForJumps()), QString(), 1);
  View.SetGameMode(false);
  Select(1, 1);
  Key(Qt::Key_Right);
  EXPECT_EQ(View.SelCol, 2);
  Select(5, 5);
  Key(Qt::Key_Up);
  EXPECT_EQ(View.SelRow, 4);
}

TEST_F(InputTest, MouseSelectsFreeCellsAndTakesTheFocus) {
  LoadPuzzle();
  View.show();
  QApplication::setActiveWindow(&View);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&View));
  View.clearFocus();
  QTest::mouseClick(&View, Qt::LeftButton, Qt::NoModifier, QPoint(1 * 40 + 5, 4 * 40 + 39));
  EXPECT_EQ(View.SelRow, 5);
  EXPECT_EQ(View.SelCol, 2);
  EXPECT_TRUE(View.hasFocus());
  // Any button selects.
  QTest::mouseClick(&View, Qt::RightButton, Qt::NoModifier, QPoint(2 * 40 + 1, 0));
  EXPECT_EQ(View.SelRow, 1);
  EXPECT_EQ(View.SelCol, 3);
  // A given is not selected while playing; the focus is taken all the same.
  View.clearFocus();
  QTest::mouseClick(&View, Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
  EXPECT_EQ(View.SelRow, 1);
  EXPECT_EQ(View.SelCol, 3);
  EXPECT_TRUE(View.hasFocus());
  // While typing a puzzle in, givens are selected like any cell.
  View.SetGameMode(false);
  QTest::mouseClick(&View, Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
  EXPECT_EQ(View.SelRow, 1);
  EXPECT_EQ(View.SelCol, 1);
}

TEST_F(InputTest, PressOnTheOutermostPixelSelectsTheLastCell) {
  QTest::mouseClick(&View, Qt::LeftButton, Qt::NoModifier, QPoint(360, 360));
  EXPECT_EQ(View.SelRow, 9);
  EXPECT_EQ(View.SelCol, 9);
  QTest::mouseClick(&View, Qt::LeftButton, Qt::NoModifier, QPoint(0, 360));
  EXPECT_EQ(View.SelRow, 9);
  EXPECT_EQ(View.SelCol, 1);
  int col = 0, row = 0;
  View.CellAtPoint(359, 40, col, row);
  EXPECT_EQ(col, 9);
  EXPECT_EQ(row, 2);
  View.CellAtPoint(5000, 5000, col, row);
  EXPECT_EQ(col, 9);
  EXPECT_EQ(row, 9);
}

TEST_F(InputTest, DigitKeysNumericPadAndLetters) {
  LoadPuzzle();
  Select(1, 3);
  Key(Qt::Key_4);
  EXPECT_EQ(Digit(1, 3), 4);
  Select(1, 4);
  Key(Qt::Key_6, Qt::KeypadModifier);
  EXPECT_EQ(Digit(1, 4), 6);
  // Letter C enters 3 while the grid shows digits.
  Select(1, 6);
  Key(Qt::Key_C);
  EXPECT_EQ(Digit(1, 6), 3);
  Key(Qt::Key_I);
  EXPECT_EQ(Digit(1, 6), 9);
  Key(Qt::Key_A);
  EXPECT_EQ(Digit(1, 6), 1);
  for (const auto& [key, modifiers] :
       std::vector<std::pair<Qt::Key, Qt::KeyboardModifiers>>{{Qt::Key_Backspace, Qt::NoModifier},
                                                              {Qt::Key_Delete, Qt::NoModifier},
                                                              {Qt::Key_0, Qt::NoModifier},
                                                              {Qt::Key_0, Qt::KeypadModifier}}) {
    View.Grille().EnterDigit(1, 6, 8, false, false);
    Key(key, modifiers);
    EXPECT_EQ(Digit(1, 6), 0) << key;
  }
  // Keys the grid does not use change nothing and go on to the parent.
  const std::size_t entries = View.UndoStack().size();
  Key(Qt::Key_J);
  Key(Qt::Key_Space);
  EXPECT_EQ(View.UndoStack().size(), entries);
}

TEST_F(InputTest, FrenchDigitRowWithoutShift) {
  LoadPuzzle();
  Select(1, 3);
  // The "é" key of a French keyboard is the "2" key of the digit row (keycode 11).
  QKeyEvent press(QEvent::KeyPress, Qt::Key_Eacute, Qt::NoModifier, 11, 0xe9, 0, QStringLiteral("é"));
  QApplication::sendEvent(&View, &press);
  EXPECT_EQ(Digit(1, 3), 2);
  // "à" is the "0" key: it erases.
  QKeyEvent zero(QEvent::KeyPress, Qt::Key_Agrave, Qt::NoModifier, 19, 0xe0, 0, QStringLiteral("à"));
  QApplication::sendEvent(&View, &zero);
  EXPECT_EQ(Digit(1, 3), 0);
}

TEST_F(InputTest, CtrlDigitTogglesAPencilMarkAndUndoTogglesItBack) {
  LoadPuzzle();
  Select(1, 3);
  Key(Qt::Key_5, Qt::ControlModifier);
  EXPECT_EQ(View.Grille().GetNotes(1, 3), 1 << 4);
  EXPECT_EQ(Digit(1, 3), 0);
  ASSERT_EQ(View.UndoStack().size(), 1u);
  EXPECT_EQ(View.UndoStack().back().Kind, TMoveKind::Note);
  EXPECT_EQ(View.UndoStack().back().Digit, 5);
  Key(Qt::Key_2, Qt::ControlModifier);
  Select(7, 7);
  View.Undo();
  EXPECT_EQ(View.Grille().GetNotes(1, 3), 1 << 4);
  EXPECT_EQ(View.SelRow, 1);
  EXPECT_EQ(View.SelCol, 3);
  View.Undo();
  EXPECT_EQ(View.Grille().GetNotes(1, 3), 0);
  EXPECT_TRUE(View.UndoStack().empty());
}

TEST_F(InputTest, NoteModeAndRightButtonDigitsArePencilMarks) {
  LoadPuzzle();
  Select(1, 3);
  View.NoteMode = true;
  Key(Qt::Key_7);
  EXPECT_EQ(View.Grille().GetNotes(1, 3), 1 << 6);
  View.NoteMode = false;
  // The game screen's digit buttons pass the right button as NoteKey.
  View.EnterAtSelection(1, true);
  EXPECT_EQ(View.Grille().GetNotes(1, 3), (1 << 6) | 1);
  EXPECT_EQ(Digit(1, 3), 0);
  // Erasing on an empty cell does nothing, so the marks stay.
  Key(Qt::Key_0, Qt::ControlModifier);
  EXPECT_EQ(View.Grille().GetNotes(1, 3), (1 << 6) | 1);
}

TEST_F(InputTest, SameDigitAgainPushesNothingButTabAutoStillMoves) {
  LoadPuzzle();
  Select(1, 3);
  Key(Qt::Key_4);
  ASSERT_EQ(View.UndoStack().size(), 1u);
  View.TabAuto = true;
  Select(1, 3);
  Key(Qt::Key_4);
  EXPECT_EQ(View.UndoStack().size(), 1u);
  // Moved right, over the given at (1, 5).
  EXPECT_EQ(View.SelRow, 1);
  EXPECT_EQ(View.SelCol, 4);
  Key(Qt::Key_6);
  EXPECT_EQ(View.SelCol, 6);
  EXPECT_EQ(Digit(1, 4), 6);
}

TEST_F(InputTest, TabAutoWrapsToTheNextRowOverGivens) {
  LoadPuzzle();
  View.TabAuto = true;
  Select(1, 9);
  Key(Qt::Key_2);
  // Row 2 starts with the given 6: the next free cell is (2, 2).
  EXPECT_EQ(View.SelRow, 2);
  EXPECT_EQ(View.SelCol, 2);
}

TEST_F(InputTest, UndoPutsBackAWrongDigitWithItsMark) {
  LoadPuzzle();
  Select(3, 1);  // solution 1; 2 is allowed there but wrong
  Key(Qt::Key_2);
  EXPECT_EQ(Kind(3, 1), 3);
  Key(Qt::Key_1);
  EXPECT_EQ(Kind(3, 1), 0);
  Select(9, 9);
  View.Undo();
  EXPECT_EQ(Digit(3, 1), 2);
  EXPECT_EQ(Kind(3, 1), 3);
  EXPECT_EQ(View.SelRow, 3);
  EXPECT_EQ(View.SelCol, 1);
  View.Undo();
  EXPECT_EQ(Digit(3, 1), 0);
  View.Undo();  // empty stack: nothing
  EXPECT_EQ(Digit(3, 4), 0);
}

TEST_F(InputTest, RuleBreakingDigitIsKeptAndMarked) {
  LoadPuzzle();
  Select(3, 4);
  Key(Qt::Key_9);  // row 3 already has a 9
  EXPECT_EQ(Digit(3, 4), 9);
  EXPECT_EQ(Kind(3, 4), 2);
  EXPECT_EQ(View.CountErrors(), 1);
}

TEST_F(InputTest, EntryAfterAHintOrAFailedSolveIsJudgedOnItsOwn) {
  LoadPuzzle();
  Select(3, 4);
  Key(Qt::Key_9);  // breaks a rule; the hint search takes it out and puts it back
  QString text;
  ASSERT_TRUE(View.GiveHint(text));
  Select(1, 3);
  Key(static_cast<Qt::Key>(Qt::Key_0 + SolutionDigit(1, 3)));
  EXPECT_EQ(Kind(1, 3), 0);
  EXPECT_EQ(Kind(3, 4), 2);
  // The same after a solve that finds no solution: row 1 holds 1 to 8 and
  // (2, 9) a 9, so (1, 9) has no candidate.
  View.LoadGrid(QString(), QString(), 0);
  for (int c = 1; c <= 8; ++c) View.Grille().EnterDigit(1, c, c, false, false);
  View.Grille().EnterDigit(2, 9, 9, false, false);
  EXPECT_EQ(View.SolveGrid() & SolveNoSolution, SolveNoSolution);
  Select(5, 5);
  Key(Qt::Key_1);  // nothing in row 5, column 5 or block 5 forbids it
  EXPECT_EQ(Kind(5, 5), 0);
}

TEST_F(InputTest, HintPlacesADigitAndUndoTakesItBack) {
  LoadPuzzle();
  const int emptyBefore = View.CountEmpty();
  QString text = QStringLiteral("avant");
  ASSERT_TRUE(View.GiveHint(text));
  const int row = View.Grille().HintRow, col = View.Grille().HintCol;
  ASSERT_GE(row, 1);
  EXPECT_EQ(Digit(row, col), SolutionDigit(row, col));
  EXPECT_EQ(View.CountEmpty(), emptyBefore - 1);
  EXPECT_FALSE(text.isEmpty());
  EXPECT_NE(text, QStringLiteral("avant"));
  ASSERT_EQ(View.UndoStack().size(), 1u);
  EXPECT_EQ(View.UndoStack().back().Previous, 0);
  View.Undo();
  EXPECT_EQ(Digit(row, col), 0);
  EXPECT_EQ(View.Grille().HintRow, 0);
}

TEST_F(InputTest, AHintsCellsAreTintedUntilTheNextMove) {
  LoadPuzzle();
  QString text;
  ASSERT_TRUE(View.GiveHint(text));
  ASSERT_FALSE(View.Grille().HintFocus.Cells.empty());
  const HintCell key = View.Grille().HintFocus.Cells.front();
  EXPECT_EQ(View.HintTint(key.Row, key.Col), TGrilleSudoku::THintTint::Key);
  View.Undo();
  EXPECT_EQ(View.HintTint(key.Row, key.Col), TGrilleSudoku::THintTint::None);
}

TEST_F(InputTest, HintOverAWrongDigitIsUndoneToTheWrongDigit) {
  LoadPuzzle();
  // Find the first hint's cell, undo it, put a wrong digit there and ask again.
  QString text;
  ASSERT_TRUE(View.GiveHint(text));
  const int row = View.Grille().HintRow, col = View.Grille().HintCol;
  View.Undo();
  int wrong = 0;
  for (int d = 1; d <= 9 && wrong == 0; ++d)
    if (d != SolutionDigit(row, col) && (View.Grille().GetCandidates(row, col) & (1 << (d - 1)))) wrong = d;
  Select(row, col);
  View.EnterAtSelection(wrong != 0 ? wrong : (SolutionDigit(row, col) % 9) + 1, false);
  const int placed = Digit(row, col);
  ASSERT_NE(placed, SolutionDigit(row, col));
  ASSERT_TRUE(View.GiveHint(text));
  if (View.Grille().HintRow == row && View.Grille().HintCol == col) {
    EXPECT_EQ(Digit(row, col), SolutionDigit(row, col));
    EXPECT_EQ(View.UndoStack().back().Previous, placed);
    View.Undo();
    EXPECT_EQ(Digit(row, col), placed);
    EXPECT_NE(Kind(row, col), 0);
  } else {
    // The search found another step first: undoing it leaves the wrong digit.
    View.Undo();
    EXPECT_EQ(Digit(row, col), placed);
  }
}

TEST_F(InputTest, ChangingTheHintedCellRemovesTheHintColour) {
  LoadPuzzle();
  QString text;
  ASSERT_TRUE(View.GiveHint(text));
  const int row = View.Grille().HintRow, col = View.Grille().HintCol;
  Select(row, col);
  Key(Qt::Key_0);
  EXPECT_EQ(View.Grille().HintRow, 0);
}

TEST_F(InputTest, CompletionIsReportedOncePerCompletion) {
  LoadPuzzle();
  int completions = 0;
  View.SetOnComplete([&] { ++completions; });
  FillAllBut(9, 7);
  Select(9, 7);
  Key(Qt::Key_1, Qt::ControlModifier);  // a pencil mark does not complete
  EXPECT_EQ(completions, 0);
  Key(static_cast<Qt::Key>(Qt::Key_0 + SolutionDigit(9, 7)));
  EXPECT_EQ(completions, 1);
  EXPECT_EQ(View.CountEmpty(), 0);
  // A pencil mark on the full grid is not a second completion.
  Key(Qt::Key_3, Qt::ControlModifier);
  EXPECT_EQ(completions, 1);
  View.Undo();  // the mark
  View.Undo();  // the last digit
  EXPECT_EQ(View.CountEmpty(), 1);
  EXPECT_EQ(completions, 1);
  Key(static_cast<Qt::Key>(Qt::Key_0 + SolutionDigit(9, 7)));
  EXPECT_EQ(completions, 2);
}

TEST_F(InputTest, CompletionHandlerRunsBeforeTheSelectionMovesOn) {
  LoadPuzzle();
  View.TabAuto = true;
  int rowSeen = 0, colSeen = 0;
  View.SetOnComplete([&] {
    rowSeen = View.SelRow;
    colSeen = View.SelCol;
  });
  FillAllBut(9, 7);
  Select(9, 7);
  Key(static_cast<Qt::Key>(Qt::Key_0 + SolutionDigit(9, 7)));
  EXPECT_EQ(rowSeen, 9);
  EXPECT_EQ(colSeen, 7);
}

TEST_F(InputTest, SettingTheCompletionHandlerResetsTheView) {
  LoadPuzzle();
  Select(1, 3);
  Key(Qt::Key_4);
  Select(5, 5);
  View.SetOnComplete([] {});
  EXPECT_TRUE(View.UndoStack().empty());
  // (1, 1) holds a given: the selection moves on over the givens to (1, 3),
  // where the player's 4 does not stop it.
  EXPECT_EQ(View.SelRow, 1);
  EXPECT_EQ(View.SelCol, 3);
}

TEST_F(InputTest, LoadingEmptiesTheUndoStack) {
  LoadPuzzle();
  Select(1, 3);
  Key(Qt::Key_4);
  LoadPuzzle();
  EXPECT_TRUE(View.UndoStack().empty());
  View.Undo();
  EXPECT_EQ(Digit(1, 3), 0);
}

TEST_F(InputTest, GivensStayGivensWhilePlaying) {
  LoadPuzzle();
  // The selection can stand on a given when a typed-in puzzle becomes the game.
  Select(1, 1);
  Key(Qt::Key_9);
  Key(Qt::Key_Delete);
  Key(Qt::Key_3, Qt::ControlModifier);
  EXPECT_EQ(Digit(1, 1), 5);
  EXPECT_EQ(Kind(1, 1), 1);
  EXPECT_TRUE(View.UndoStack().empty());
}

TEST_F(InputTest, TypedInGivensSurviveUndoOnceTheGameStarts) {
  View.SetGameMode(false);
  Select(1, 1);
  Key(Qt::Key_5);
  Key(Qt::Key_Right);
  Key(Qt::Key_3);
  EXPECT_EQ(Kind(1, 1), 1);
  EXPECT_EQ(Kind(1, 2), 1);
  View.SetGameMode(true);
  Select(1, 3);
  Key(Qt::Key_4);
  View.Undo();  // the player's 4
  EXPECT_EQ(Digit(1, 3), 0);
  View.Undo();  // the typed givens are no moves of the game: they stay
  EXPECT_EQ(Digit(1, 1), 5);
  EXPECT_EQ(Digit(1, 2), 3);
  EXPECT_TRUE(View.UndoStack().empty());
}

TEST_F(InputTest, UndoWhilePlayingNeverSelectsAGiven) {
  // A puzzle typed in with a pencil mark on a cell that then took a given.
  View.SetGameMode(false);
  Select(1, 1);
  Key(Qt::Key_5, Qt::ControlModifier);
  Key(Qt::Key_5);
  ASSERT_EQ(Kind(1, 1), KindGiven);
  View.SetGameMode(true);
  Select(1, 3);
  Key(Qt::Key_4);
  View.Undo();  // the player's 4
  ASSERT_EQ(Digit(1, 3), 0);
  View.Undo();  // the given and the mark under it are no moves of the game
  EXPECT_EQ(View.SelRow, 1);
  EXPECT_EQ(View.SelCol, 3);
  EXPECT_EQ(Digit(1, 1), 5);
  EXPECT_TRUE(View.UndoStack().empty());
}

TEST_F(InputTest, TypingAPuzzleInMakesGivensAndUndoRemovesThem) {
  View.SetGameMode(false);
  View.TabAuto = true;
  Select(1, 1);
  Key(Qt::Key_5);
  Key(Qt::Key_3);
  EXPECT_EQ(Kind(1, 1), 1);
  EXPECT_EQ(Kind(1, 2), 1);
  EXPECT_EQ(View.SelCol, 3);
  Key(Qt::Key_5);  // a second 5 in the row is refused, its entry kept
  EXPECT_EQ(Digit(1, 3), 0);
  View.Undo();
  View.Undo();
  EXPECT_EQ(Digit(1, 2), 0);
  EXPECT_EQ(View.Grille().Givens[Cell(1, 2)], 0);
}

TEST_F(InputTest, BadArgumentsChangeNothing) {
  LoadPuzzle();
  Select(1, 3);
  View.EnterAtSelection(12, false);
  View.EnterAtSelection(-1, false);
  EXPECT_TRUE(View.UndoStack().empty());
  // A selection written outside the grid is brought back into it.
  View.SelRow = 0;
  View.SelCol = 14;
  Key(Qt::Key_Right);
  EXPECT_EQ(View.SelRow, 2);
  EXPECT_EQ(View.SelCol, 2);
  View.SelRow = 42;
  View.EnterAtSelection(2, false);
  EXPECT_EQ(View.SelRow, 9);
  EXPECT_EQ(Digit(9, View.SelCol), 2);
}

TEST_F(InputTest, ResetViewStartsAtTheFirstCellOrTheFirstFreeOne) {
  View.ResetView();
  EXPECT_EQ(View.SelRow, 1);
  EXPECT_EQ(View.SelCol, 1);
  View.LoadGrid(QString::fromStdString(GivensForJumps()), QString(), 1);
  EXPECT_EQ(View.SelCol, 1);
  LoadPuzzle();
  EXPECT_EQ(View.SelCol, 3);
  // Loading without givens leaves none of the previous puzzle's behind.
  View.LoadGrid(QString(), QStringLiteral("7"), 0);
  EXPECT_EQ(Kind(1, 1), 0);
  EXPECT_EQ(View.SelCol, 1);
  // A rule-breaking player's digit at (1, 1) moves it on.
  View.LoadGrid(QStringLiteral("0000000007"), QStringLiteral("7"), 0);
  EXPECT_EQ(Kind(1, 1), 2);
  EXPECT_EQ(View.SelCol, 2);
}

TEST_F(InputTest, LoadGridKeepsOneCharacterPerCell) {
  // Non-digit characters, even outside ASCII, are empty cells; a short text
  // leaves the rest empty.
  View.LoadGrid(QStringLiteral("5é3"), QString(), 3);
  EXPECT_EQ(Digit(1, 1), 5);
  EXPECT_EQ(Digit(1, 2), 0);
  EXPECT_EQ(Digit(1, 3), 3);
  EXPECT_EQ(View.CountEmpty(), 79);
  EXPECT_EQ(View.Partie().Level(), 3);
  View.SetShowAllCandidates(true);
  View.LoadGrid(QString::fromLatin1(Puzzle), QString::fromLatin1(Solution).left(20), 2);
  EXPECT_FALSE(View.ShowAllCandidates());
  EXPECT_EQ(Digit(1, 3), 4);
  EXPECT_EQ(Kind(1, 3), 0);
  EXPECT_EQ(Digit(3, 4), 0);
}

TEST_F(InputTest, ClearGridBackToTheGivensOrEmpty) {
  LoadPuzzle();
  Select(1, 3);
  Key(Qt::Key_4);
  View.ClearGrid(false);
  EXPECT_EQ(Digit(1, 3), 0);
  EXPECT_EQ(Digit(1, 1), 5);
  ASSERT_EQ(View.UndoStack().size(), 2u);
  EXPECT_EQ(View.UndoStack().back().Kind, TMoveKind::Reset);
  View.SetGameMode(false);
  View.ClearGrid(true);
  EXPECT_EQ(View.CountEmpty(), 81);
  View.Undo();
  EXPECT_EQ(Digit(1, 1), 5) << "undo brings the puzzle back";
}

TEST_F(InputTest, AssignGridTakesTheNewModel) {
  LoadPuzzle();
  Select(1, 3);
  Key(Qt::Key_4);
  auto grid = std::make_unique<TGrille>();
  grid->LoadFromText(GivensForJumps(), "");
  const std::string dealt = grid->SaveToText(true, 0, 0, 0);
  View.AssignGrid(std::move(grid), 2);
  EXPECT_EQ(View.Grille().SaveToText(true, 0, 0, 0), dealt);
  EXPECT_TRUE(View.UndoStack().empty());
  EXPECT_EQ(View.Partie().Level(), 2);
  View.AssignGrid(nullptr, 3);
  EXPECT_EQ(View.Grille().SaveToText(true, 0, 0, 0), dealt);
  EXPECT_EQ(View.Partie().Level(), 2);
}

TEST_F(InputTest, SolveByLogicFillsAndCorrects) {
  LoadPuzzle();
  Select(3, 1);
  Key(Qt::Key_2);  // wrong
  const int empty = View.CountEmpty();
  const std::uint16_t flags = View.SolveGrid();
  EXPECT_EQ(flags & 0xFF00, 0);
  EXPECT_EQ(flags & 0xFF, empty + 1);
  EXPECT_EQ(View.CountEmpty(), 0);
  EXPECT_EQ(View.CountErrors(), 0);
  EXPECT_EQ(Digit(3, 1), 1);
}

TEST_F(InputTest, SolveThatNeedsGuessingShowsTheSolution) {
  View.LoadGrid(QString::fromLatin1(GuessPuzzle), QString(), 4);
  const std::uint16_t flags = View.SolveGrid();
  EXPECT_EQ(flags & 0xFF00, SolveGuessed);
  EXPECT_EQ(View.CountEmpty(), 0);
  EXPECT_EQ(View.CountErrors(), 0);
}

TEST_F(InputTest, SolveOfAnEmptyGridFindsSeveralThenShowsOne) {
  const std::uint16_t flags = View.SolveGrid();
  EXPECT_EQ(flags & 0xFF00, SolveMultiple);
  EXPECT_EQ(View.CountEmpty(), 81 - (flags & 0xFF));
  View.ShowSolution();
  EXPECT_EQ(View.CountEmpty(), 0);
}

TEST_F(InputTest, SolveOfAnImpossibleGrid) {
  View.LoadGrid(QString(), QString(), 0);
  for (int c = 1; c <= 8; ++c) View.Grille().EnterDigit(1, c, c, false, false);
  View.Grille().EnterDigit(2, 9, 9, false, false);
  // Cell (1, 9) has no candidate left: nothing solves this, and nothing changes.
  EXPECT_EQ(View.SolveGrid(), SolveNoSolution);
  EXPECT_EQ(View.CountEmpty(), 72);
}

TEST_F(InputTest, TheSaveTextCarriesTheGamesLevelNotARating) {
  View.LoadGrid(QString::fromLatin1(Puzzle), QString(), 3);
  ASSERT_NE(View.RateGrid(), 3);
  const int level = 3;
  Select(1, 3);
  Key(Qt::Key_4);
  const QString text = QString::fromStdString(View.Partie().SaveText());
  const QStringList parts = text.split(u'|');
  ASSERT_EQ(parts.size(), 5);
  EXPECT_EQ(parts[0], QString::fromLatin1(Puzzle));
  EXPECT_EQ(parts[1].at(2), u'4');
  EXPECT_EQ(parts[2], QString::number(level));
  EXPECT_EQ(parts[4], QStringLiteral("0"));
  EXPECT_EQ(QString::fromStdString(View.Partie().PuzzleText()),
            QString::fromLatin1(Puzzle) + QStringLiteral("||") + QString::number(level) + QStringLiteral("|0|0"));
}

TEST_F(InputTest, RateOfAnEmptyGridCarriesBothFlags) { EXPECT_EQ(View.RateGrid(), 4 + 16 + 32); }

TEST_F(InputTest, ArrowKeysAreKeptFromShortcuts) {
  QKeyEvent overrideLeft(QEvent::ShortcutOverride, Qt::Key_Left, Qt::NoModifier);
  QApplication::sendEvent(&View, &overrideLeft);
  EXPECT_TRUE(overrideLeft.isAccepted());
  QKeyEvent overrideTab(QEvent::ShortcutOverride, Qt::Key_Tab, Qt::NoModifier);
  overrideTab.ignore();
  QApplication::sendEvent(&View, &overrideTab);
  EXPECT_FALSE(overrideTab.isAccepted());
}

TEST_F(InputTest, RedoEntersAgainWhatUndoTookBackUntilANewMove) {
  LoadPuzzle();
  Select(1, 3);
  Key(Qt::Key_4);
  Select(1, 4);
  Key(Qt::Key_6);
  Select(1, 6);
  Key(Qt::Key_2, Qt::ControlModifier);  // a pencil mark
  View.Undo();
  View.Undo();
  View.Undo();
  EXPECT_EQ(Digit(1, 3), 0);
  EXPECT_EQ(View.RedoStack().size(), 3u);
  View.Redo();
  View.Redo();
  EXPECT_EQ(Digit(1, 3), 4);
  EXPECT_EQ(Digit(1, 4), 6);
  EXPECT_EQ(View.SelRow, 1);
  EXPECT_EQ(View.SelCol, 4) << "the selection follows the entry redone";
  View.Redo();
  EXPECT_EQ(View.Grille().GetNotes(1, 6), 1 << 1) << "the pencil mark is back";
  EXPECT_TRUE(View.RedoStack().empty());

  // Undone again, then a new move: nothing is left to redo.
  View.Undo();
  Select(1, 7);
  Key(Qt::Key_9);
  EXPECT_TRUE(View.RedoStack().empty());
  View.Redo();
  EXPECT_EQ(View.Grille().GetNotes(1, 6), 0);
}

TEST_F(InputTest, RedoOfTheLastDigitCompletesTheGridAgain) {
  int completions = 0;
  View.SetOnComplete([&completions] { ++completions; });
  LoadPuzzle();
  FillAllBut(1, 3);
  Select(1, 3);
  Key(Qt::Key_4);
  View.Undo();
  View.Redo();
  EXPECT_EQ(completions, 2);
}

TEST_F(InputTest, TidyMarksLeaveTheRowColumnAndBlockAndComeBackOnUndo) {
  View.SetEffaceNotes(true);
  LoadPuzzle();
  // Marks of 4 in the row, the column and the block of (1, 3), and elsewhere.
  const std::pair<int, int> peers[] = {{1, 7}, {5, 3}, {2, 2}};
  for (const auto& [row, col] : peers) {
    Select(row, col);
    Key(Qt::Key_4, Qt::ControlModifier);
  }
  Select(1, 7);
  Key(Qt::Key_7, Qt::ControlModifier);
  Select(8, 1);
  Key(Qt::Key_4, Qt::ControlModifier);

  Select(1, 3);
  Key(Qt::Key_4);
  EXPECT_EQ(View.Grille().GetNotes(1, 7), 1 << 6) << "only the 4 goes";
  EXPECT_EQ(View.Grille().GetNotes(5, 3), 0);
  EXPECT_EQ(View.Grille().GetNotes(2, 2), 0);
  EXPECT_EQ(View.Grille().GetNotes(8, 1), 1 << 3) << "not a neighbour";

  Key(Qt::Key_Backspace);  // erasing the digit brings no mark back
  EXPECT_EQ(View.Grille().GetNotes(5, 3), 0);
  View.Undo();
  View.Undo();
  EXPECT_EQ(Digit(1, 3), 0);
  for (const auto& [row, col] : peers) EXPECT_NE(View.Grille().GetNotes(row, col) & (1 << 3), 0) << row << "," << col;
  EXPECT_EQ(View.Grille().GetNotes(1, 7), (1 << 3) | (1 << 6));
  View.Redo();
  EXPECT_EQ(View.Grille().GetNotes(5, 3), 0) << "redo takes them away again";
}

TEST_F(InputTest, TidyMarksAlsoAfterAHint) {
  View.SetEffaceNotes(true);
  LoadPuzzle();
  QString text;
  TGrilleSudoku probe;
  probe.LoadGrid(QString::fromLatin1(Puzzle), QString(), 1);
  ASSERT_TRUE(probe.GiveHint(text));
  const int row = probe.Grille().HintRow;
  const int col = probe.Grille().HintCol;
  const int digit = probe.Grille().GetDigit(row, col);
  // An empty neighbour gets a mark of the digit the hint will place.
  int peerRow = 0;
  int peerCol = 0;
  for (int r = 1; r <= 9 && peerRow == 0; ++r)
    for (int c = 1; c <= 9 && peerRow == 0; ++c)
      if ((r != row || c != col) && (r == row || c == col || BlockOf(r, c) == BlockOf(row, col)) && Digit(r, c) == 0)
        std::tie(peerRow, peerCol) = std::pair(r, c);
  ASSERT_NE(peerRow, 0);
  Select(peerRow, peerCol);
  QTest::keyClick(&View, Qt::Key(Qt::Key_0 + digit), Qt::ControlModifier);
  ASSERT_TRUE(View.GiveHint(text));
  EXPECT_EQ(View.Grille().GetNotes(peerRow, peerCol), 0);
  View.Undo();
  EXPECT_EQ(View.Grille().GetNotes(peerRow, peerCol), 1 << (digit - 1));
}

TEST(GridText, ThePuzzleIsReadFromEachFormAndNothingElse) {
  const QString cells = QString::fromLatin1(Puzzle);
  QString dotted = cells;
  dotted.replace(QLatin1Char('0'), QLatin1Char('.'));
  QString nineLines;
  for (int row = 0; row < 9; ++row) {
    for (int col = 0; col < 9; ++col) nineLines += QString(dotted[row * 9 + col]) + QLatin1Char(' ');
    nineLines += row == 2 || row == 5 ? QStringLiteral("\r\n\r\n") : QStringLiteral("\r\n");
  }
  const QString accepted[] = {cells,
                              dotted,
                              QStringLiteral("  ") + dotted + QStringLiteral("\n"),
                              cells + QStringLiteral("|") + QString::fromLatin1(Solution) + QStringLiteral("|1|754|2"),
                              dotted + QStringLiteral("||3|0|0"),
                              nineLines};
  for (const QString& text : accepted) EXPECT_EQ(TGrilleSudoku::ReadPuzzle(text), cells) << text.toStdString();

  const QString refused[] = {QString(),
                             cells.left(80),
                             cells + QStringLiteral("1"),
                             cells.left(40) + QStringLiteral("x") + cells.mid(41),
                             cells.left(80) + QStringLiteral("|") + cells,
                             nineLines.section(QStringLiteral("\n"), 1),
                             QStringLiteral("Bonjour, voici la grille de demain !")};
  for (const QString& text : refused) EXPECT_EQ(TGrilleSudoku::ReadPuzzle(text), QString()) << text.toStdString();
}

TEST_F(InputTest, ThePuzzleAsTextIsTheGivensOrTheTypedDigits) {
  LoadPuzzle();
  Select(1, 3);
  Key(Qt::Key_4);
  QString dotted = QString::fromLatin1(Puzzle);
  dotted.replace(QLatin1Char('0'), QLatin1Char('.'));
  EXPECT_EQ(View.PuzzleText(), dotted) << "the player's digits are not part of the puzzle";
  View.SetGameMode(false);
  dotted[2] = QLatin1Char('4');
  EXPECT_EQ(View.PuzzleText(), dotted);
}
