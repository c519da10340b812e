// SPDX-License-Identifier: GPL-3.0-or-later
// The grid as screen readers hear it, digit-first play, and Échap on every
// screen, on the real main window.
#include <iostream>
#include <vector>

#include <QAccessible>
#include <QPushButton>

#include "child_util.h"
#include "comfort_util.h"
#include "grilleaccessible.h"
#include "optionsscreen.h"
#include "rondcoche.h"

namespace {

// What the accessibility layer was told: the event, and the cell (its index
// among the grid's children) or -1.
struct THeard {
  QAccessible::Event Type;
  int Child;
};
std::vector<THeard> Heard;

void Listen(QAccessibleEvent* Event) {
  if (qobject_cast<TGrilleSudoku*>(Event->object()) != nullptr) Heard.push_back({Event->type(), Event->child()});
}

bool WasHeard(QAccessible::Event Type, int Child) {
  for (const THeard& heard : Heard)
    if (heard.Type == Type && heard.Child == Child) return true;
  return false;
}

int Index(int Row, int Col) { return (Row - 1) * 9 + Col - 1; }

// A puzzle with its solution's first row: 5 3 4 6 7 8 9 1 2.
const QString Givens =
    QStringLiteral("530070000600195000098000060800060003400803001700020006060000280000419005000080079");

class AccessTest : public ComfortTest {
 protected:
  // The offscreen display has no accessibility: the grid's announcements
  // are heard where the grid makes them.
  AccessTest() {
    Heard.clear();
    GrilleAccessible::Listener = &Listen;
  }
  ~AccessTest() override { GrilleAccessible::Listener = nullptr; }

  // The cell as the accessibility layer gives it to a screen reader.
  static QAccessibleInterface* CellOf(QAccessibleInterface* Table, int Row, int Col) {
    return Table->tableInterface()->cellAt(Row - 1, Col - 1);
  }
};

TEST_F(AccessTest, TheGridIsATableOf81CellsThatSayWhatTheyHold) {
  StartActive("[general]\ntypeecran=2\nErreurJeu=1\n");
  Tf_Jeux* game = NewGame();
  ASSERT_NE(game, nullptr);
  TGrilleSudoku* grid = &game->Grid();
  grid->LoadGrid(Givens, QString(), 1);
  QAccessibleInterface* table = QAccessible::queryAccessibleInterface(grid);
  ASSERT_NE(table, nullptr);
  EXPECT_EQ(table->role(), QAccessible::Table);
  ASSERT_NE(table->tableInterface(), nullptr);
  EXPECT_EQ(table->tableInterface()->rowCount(), 9);
  EXPECT_EQ(table->tableInterface()->columnCount(), 9);
  ASSERT_EQ(table->childCount(), 81);

  // A wrong digit, pencil marks, a right digit.
  ClickCell(grid, 1, 3);
  EXPECT_TRUE(WasHeard(QAccessible::Focus, Index(1, 3))) << "the cell clicked is the focused one";
  TypeDigit(grid, 9);
  EXPECT_TRUE(WasHeard(QAccessible::NameChanged, Index(1, 3)));
  EXPECT_TRUE(WasHeard(QAccessible::ValueChanged, Index(1, 3)));
  ClickCell(grid, 1, 4);
  for (const int mark : {1, 3, 8}) TypeDigit(grid, mark, Qt::ControlModifier);
  QTest::keyClick(grid, Qt::Key_Right);
  EXPECT_TRUE(WasHeard(QAccessible::Focus, Index(1, 6))) << "the arrow walks over the given of (1, 5)";
  TypeDigit(grid, 8);

  EXPECT_EQ(CellOf(table, 1, 1)->text(QAccessible::Name), QStringLiteral("ligne 1, colonne 1, 5, donné"));
  EXPECT_EQ(CellOf(table, 1, 3)->text(QAccessible::Name), QStringLiteral("ligne 1, colonne 3, 9, erreur"));
  EXPECT_EQ(CellOf(table, 1, 4)->text(QAccessible::Name), QStringLiteral("ligne 1, colonne 4, vide, notes 1 3 8"));
  EXPECT_EQ(CellOf(table, 1, 6)->text(QAccessible::Name), QStringLiteral("ligne 1, colonne 6, 8"));
  QAccessibleInterface* focused = table->focusChild();
  ASSERT_NE(focused, nullptr);
  EXPECT_EQ(focused->tableCellInterface()->rowIndex(), 0);
  EXPECT_EQ(focused->tableCellInterface()->columnIndex(), 5);
  EXPECT_TRUE(focused->state().focused);
  EXPECT_TRUE(focused->state().selected);
  EXPECT_FALSE(CellOf(table, 1, 3)->state().selected);
  EXPECT_EQ(table->indexOfChild(focused), Index(1, 6));
  EXPECT_EQ(focused->parent(), table);
  const QRect cell = focused->rect();
  EXPECT_EQ(table->childAt(cell.center().x(), cell.center().y()), focused);

  // The tree a screen reader walks: the table and its 81 cells.
  std::cout << "Table \"" << table->text(QAccessible::Name).toStdString() << "\", " << table->childCount()
            << " cells:\n";
  int cells = 0;
  for (int k = 0; k < table->childCount(); ++k) {
    QAccessibleInterface* child = table->child(k);
    ASSERT_EQ(child->role(), QAccessible::Cell);
    cells += child->text(QAccessible::Name)
                     .startsWith(QStringLiteral("ligne %1, colonne %2, ").arg(k / 9 + 1).arg(k % 9 + 1))
                 ? 1
                 : 0;
    std::cout << "  Cell \"" << child->text(QAccessible::Name).toStdString() << "\"\n";
  }
  EXPECT_EQ(cells, 81);
}

TEST_F(AccessTest, DigitFirstTheChosenDigitGoesIntoEveryCellClicked) {
  StartActive();
  // The setting, chosen on the options screen.
  Press(Main.get(), Qt::Key_Comma, Qt::ControlModifier);
  auto* options = qobject_cast<Tf_Options*>(Main->CurrentScreen.data());
  ASSERT_NE(options, nullptr);
  Click(options->rc_ChiffreCase);
  Click(options->hl_Retour);
  EXPECT_TRUE(Settings().contains("Saisie=1"));

  Tf_Jeux* game = NewGame();
  ASSERT_NE(game, nullptr);
  TGrilleSudoku* grid = &game->Grid();
  grid->LoadGrid(Givens, QString(), 1);
  QPushButton* five = DigitButton(game, 4);
  Click(five);
  EXPECT_TRUE(five->isChecked()) << "the chosen digit stands out on its button";
  EXPECT_FALSE(DigitButton(game, 3)->isChecked());
  EXPECT_EQ(grid->State().Chosen, 5) << "and in the grid";
  ClickCell(grid, 1, 3);
  ClickCell(grid, 2, 2);
  EXPECT_EQ(grid->Grille().GetDigit(1, 3), 5);
  EXPECT_EQ(grid->Grille().GetDigit(2, 2), 5);
  ClickCell(grid, 2, 2);
  EXPECT_EQ(grid->Grille().GetDigit(2, 2), 0) << "a second click takes the digit back";
  ClickCell(grid, 2, 3);
  ClickCell(grid, 2, 3, Qt::RightButton);
  EXPECT_EQ(grid->Grille().GetDigit(2, 3), 5) << "the right button marks an empty cell only";
  ClickCell(grid, 4, 2, Qt::RightButton);
  EXPECT_EQ(grid->Grille().Notes[std::size_t(Cell(4, 2))], 1u << 4);
  // The digit keys choose too; the same digit again puts it down.
  TypeDigit(grid, 4);
  EXPECT_TRUE(DigitButton(game, 3)->isChecked());
  EXPECT_FALSE(five->isChecked());
  TypeDigit(grid, 4);
  EXPECT_FALSE(DigitButton(game, 3)->isChecked());
  ClickCell(grid, 3, 4);
  EXPECT_EQ(grid->Grille().GetDigit(3, 4), 0) << "nothing chosen, nothing placed";
}

// Échap leaves every screen of the menu: back to where it came from.
TEST_F(AccessTest, EscapeLeavesEveryScreen) {
  StartActive();
  struct TScreen {
    const char* Name;
    Qt::Key Key;
  };
  const TScreen screens[] = {{"f_Options", Qt::Key_Comma},
                             {"f_Regles", Qt::Key_L},
                             {"f_Astuces", Qt::Key_U},
                             {"f_Scores", Qt::Key_M},
                             {"f_Statistiques", Qt::Key_S}};
  for (const TScreen& screen : screens) {
    Press(Main.get(), screen.Key, Qt::ControlModifier);
    ASSERT_NE(Main->CurrentScreen, nullptr) << screen.Name;
    EXPECT_EQ(Main->CurrentScreen->objectName(), QLatin1String(screen.Name));
    Press(Main.get(), Qt::Key_Escape);
    EXPECT_FALSE(Main->p_Form->isVisible()) << screen.Name << " leaves for the menu";
    Activate();
  }
}

// Every dialog has its choice for Entrée: the level choice's is "Facile".
TEST_F(AccessTest, EnterInTheLevelChoiceDealsAnEasyGrid) {
  StartActive();
  AnswerWaitingThen([](QWidget* Levels) {
    // The key goes where the dialog put the focus once open.
    for (int k = 0; k < 50 && Levels->focusWidget() == nullptr; ++k) QTest::qWait(10);
    QTest::keyClick(Levels->focusWidget() != nullptr ? Levels->focusWidget() : Levels, Qt::Key_Return);
  });
  Press(Main.get(), Qt::Key_N, Qt::ControlModifier);
  ASSERT_NE(Game(), nullptr);
  EXPECT_EQ(Game()->Partie().Level(), 1);
}

}  // namespace
