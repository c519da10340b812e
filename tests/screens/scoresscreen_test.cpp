// SPDX-License-Identifier: GPL-3.0-or-later
#include "scoresscreen.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include "fondcopie.h"
#include "hotlabel.h"
#include "scores.h"
#include "shell.h"
#include "storagetest.h"

namespace {

// The main window as far as the screen sees it: it counts the returns to the menu.
struct MenuShell : TShell {
  int MenuShown = 0;
  MenuShell() { SetShell(this); }
  ~MenuShell() override { SetShell(nullptr); }
  void ShowMenu() override { ++MenuShown; }
};

class ScoresScreenTest : public ::testing::Test {
 protected:
  QTemporaryDir dir;
  ErrorBoxRecorder errors;
  TScores scores{dir.filePath(QStringLiteral("sudoku.ini"))};
  MenuShell shell;
  Tf_Scores screen;

  void SetUp() override {
    screen.resize(697, 570);
    screen.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&screen));
  }
  // Name and time of a row as shown.
  std::pair<QString, QString> Row(int Rank) {
    return {screen.l_Nom[Rank - 1]->text(), screen.l_Temps[Rank - 1]->text()};
  }
  using Shown = std::pair<QString, QString>;
};

}  // namespace

TEST_F(ScoresScreenTest, OpensAtItsLevelAndTheLevelButtonsSwitchTheRows) {
  ASSERT_TRUE(scores.AddScore(3, 95, QStringLiteral("Bea")).Ok());
  ASSERT_TRUE(scores.AddScore(3, 130, QString()).Ok());
  ASSERT_TRUE(scores.AddScore(1, 61, QStringLiteral("Ana")).Ok());
  screen.Setup(&scores, 3);

  EXPECT_TRUE(screen.sb_Difficile->isChecked());
  EXPECT_FALSE(screen.sb_Facile->isChecked());
  EXPECT_EQ(Row(1), Shown(QStringLiteral("Bea"), QStringLiteral("01:35")));
  EXPECT_EQ(Row(2), Shown(QStringLiteral("Orvalis"), QStringLiteral("02:10")));
  EXPECT_EQ(Row(3), Shown(QStringLiteral("Orvalis"), QStringLiteral("-")));
  EXPECT_EQ(Row(10), Shown(QStringLiteral("Orvalis"), QStringLiteral("-")));

  QTest::mouseClick(screen.sb_Facile, Qt::LeftButton);
  EXPECT_TRUE(screen.sb_Facile->isChecked());
  EXPECT_FALSE(screen.sb_Difficile->isChecked());
  EXPECT_EQ(Row(1), Shown(QStringLiteral("Ana"), QStringLiteral("01:01")));
  EXPECT_EQ(Row(2), Shown(QStringLiteral("Orvalis"), QStringLiteral("-")));
  EXPECT_EQ(screen.sb_Facile->text(), QStringLiteral("Niveau facile"));
}

// A name is shown as typed: markup in it is text, never bold letters nor a
// picture loaded from some path.
TEST_F(ScoresScreenTest, NamesAreShownAsPlainText) {
  const QString name = QStringLiteral("<b>x</b><img src=\"/dev/zero\">");
  ASSERT_TRUE(scores.AddScore(2, 70, name).Ok());
  screen.Setup(&scores, 2);
  const QLabel* label = screen.l_Nom[0];
  EXPECT_EQ(label->text(), name);
  EXPECT_GE(label->sizeHint().width(), label->fontMetrics().horizontalAdvance(name));
}

TEST_F(ScoresScreenTest, ReturnStandsBelowTheCentredPanelAndGoesBackToTheMenu) {
  for (const QSize size : {QSize(1920, 1080), QSize(697, 570)}) {
    screen.resize(size);
    const QRect panel = screen.FondCopie1->geometry();
    EXPECT_LE((panel.center() - screen.rect().center()).manhattanLength(), 1) << size.width();
    EXPECT_EQ(screen.hl_RetourMenu->geometry().topRight(), panel.topRight() + QPoint(0, 486)) << size.width();
    EXPECT_GT(screen.hl_RetourMenu->y(), panel.bottom()) << size.width();
  }
  // All of it on the smallest window.
  EXPECT_TRUE(screen.rect().contains(screen.hl_RetourMenu->geometry()));
  QPointer<Tf_Scores> alive(&screen);
  QTest::mouseClick(screen.hl_RetourMenu, Qt::LeftButton);
  EXPECT_EQ(shell.MenuShown, 1);
  // The main window frees the screen, not the screen itself.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_FALSE(alive.isNull());
}
