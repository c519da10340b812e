// SPDX-License-Identifier: GPL-3.0-or-later
// A player's gestures on the grid and what the model knows of it, shared by the
// app tests and the screenshot program (which runs without GoogleTest).
#pragma once

#include <QTest>
#include <utility>
#include <vector>

#include "grille.h"
#include "grillesudoku.h"

inline void ClickCell(TGrilleSudoku* Grid, int Row, int Col, Qt::MouseButton Button = Qt::LeftButton) {
  QTest::mouseClick(Grid, Button, {},
                    QPoint((Col - 1) * Grid->LargeurCase() + Grid->LargeurCase() / 2,
                           (Row - 1) * Grid->HauteurCase() + Grid->HauteurCase() / 2));
}

inline void TypeDigit(TGrilleSudoku* Grid, int Digit, Qt::KeyboardModifiers Modifiers = {}) {
  QTest::keyClick(Grid, Qt::Key(Qt::Key_0 + Digit), Modifiers);
}

// The empty cells of the grid, row by row.
inline std::vector<std::pair<int, int>> EmptyCells(const TGrille& Grid) {
  std::vector<std::pair<int, int>> cells;
  for (int row = 1; row <= 9; ++row)
    for (int col = 1; col <= 9; ++col)
      if (Grid.GetDigit(row, col) == 0) cells.emplace_back(row, col);
  return cells;
}

inline int SolutionDigit(const TGrille& Grid, int Row, int Col) { return WordDigit(Grid.Solution[Cell(Row, Col)]); }
