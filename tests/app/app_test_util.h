// The real main window in a fresh program folder, and the gestures of a
// player on it: clicks on labels, on cells, keys.
#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <utility>

#include "appfolders.h"
#include "dessin.h"
#include "fonts.h"
#include "grillesudoku.h"
#include "hotlabel.h"
#include "jeux.h"
#include "main.h"
#include "modal_util.h"

class MainWindowTest : public ::testing::Test {
 protected:
  MainWindowTest() {
    InstallFontSubstitutions();
    TAppFolders::Init(Folder.path());
  }
  ~MainWindowTest() override {
    // The window first, as at the end of the program: it waits for the
    // generator's thread.
    Main.reset();
    Dessin.reset();
    TAppFolders::Init();
  }

  QString PathOf(const QString& Name) const { return Folder.filePath(Name); }

  void WriteSettings(const QByteArray& Text) {
    QFile file(PathOf(QStringLiteral("sudoku.ini")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(Text);
  }

  QByteArray Settings() const {
    QFile file(PathOf(QStringLiteral("sudoku.ini")));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

  // The program's start: the main window, the holder of the panels' model,
  // the window shown.
  void Start() {
    Main = std::make_unique<Tf_Main>();
    Dessin = std::make_unique<Tf_Dessin>();
    Main->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Main.get()));
  }

  Tf_Jeux* Game() const { return qobject_cast<Tf_Jeux*>(Main->CurrentScreen.data()); }

  QTemporaryDir Folder;
  std::unique_ptr<Tf_Main> Main;
  std::unique_ptr<Tf_Dessin> Dessin;
};

inline void Click(QWidget* Widget, Qt::MouseButton Button = Qt::LeftButton) {
  ASSERT_NE(Widget, nullptr);
  ASSERT_TRUE(Widget->isVisible()) << Widget->objectName().toStdString();
  QTest::mouseClick(Widget, Button, {}, Widget->rect().center());
}

inline void ClickCell(TGrilleSudoku* Grid, int Row, int Col) {
  QTest::mouseClick(Grid, Qt::LeftButton, {},
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

inline int SolutionDigit(const TGrille& Grid, int Row, int Col) {
  return WordDigit(Grid.Solution[Cell(Row, Col)]);
}
