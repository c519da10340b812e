// SPDX-License-Identifier: GPL-3.0-or-later
// The wait dialog and the way a game asks for its grid.
#include <QFontMetrics>
#include <QLabel>
#include <QStyle>
#include <cstdlib>

#include "busybar.h"
#include "dessin.h"
#include "fond.h"
#include "fondcopie.h"
#include "fonts.h"
#include "generation.h"
#include "generation_test_util.h"

namespace {

TEST_F(GenerationTest, WaitDialogEndsAcceptedWithTheGridWhenItArrives) {
  Held = {0};
  Generateur.StartGeneration(1);
  QString shown;
  OnModalDialog([&](QWidget* dialog) {
    if (qobject_cast<Tf_generation*>(dialog) != nullptr) shown = dialog->windowTitle();
    Release(0);
  });
  const std::unique_ptr<TGrille> grid = RequestGrid(Generateur, 1, nullptr);
  EXPECT_EQ(shown, QStringLiteral("Génération de la grille"));
  ASSERT_NE(grid, nullptr);
  EXPECT_TRUE(IsPuzzleOfLevel(*grid, 1));
  EXPECT_FALSE(Generateur.OnReady);
  EXPECT_FALSE(Generateur.Ready[1]);
}

TEST_F(GenerationTest, ClosedWaitDialogGivesNothingThenTheSameLevelComesAtOnce) {
  Held = {0};
  Generateur.StartGeneration(1);
  OnModalDialog([](QWidget* dialog) { dialog->close(); });
  EXPECT_EQ(RequestGrid(Generateur, 1, nullptr), nullptr);
  EXPECT_FALSE(Generateur.OnReady);

  // The generation went on and its grid is ready for that level.
  Release(0);
  ASSERT_TRUE(WaitUntil([this] { return Generateur.Ready[1]; }));
  const std::unique_ptr<TGrille> grid = RequestGrid(Generateur, 1, nullptr);
  ASSERT_NE(grid, nullptr);
  EXPECT_TRUE(IsPuzzleOfLevel(*grid, 1));
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST(WaitDialog, BothLinesFitCentredOnTheYellowPanel) {
  InstallFontSubstitutions();
  Tf_Dessin dessin;
  Tf_generation dialog;
  EXPECT_EQ(dialog.FondCopie1->Modele(), static_cast<TFondModele*>(dessin.fondJaune));
  EXPECT_TRUE(dialog.windowFlags().testFlag(Qt::Tool));
  EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
  const QRect panel = dialog.FondCopie1->rect();
  for (QLabel* line : {dialog.l_Titre, dialog.l_Patience}) {
    SCOPED_TRACE(line->text().toStdString());
    const QFontMetrics metrics(line->font());
    const QRect text = QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, metrics.boundingRect(line->text()).size(),
                                           line->geometry());
    EXPECT_TRUE(panel.adjusted(4, 2, -4, -2).contains(text))
        << "text at " << text.x() << "," << text.y() << " " << text.width() << "x" << text.height();
    EXPECT_TRUE(line->geometry().contains(text));
    EXPECT_LE(std::abs(text.center().x() - panel.center().x()), 1);
  }
  EXPECT_LT(dialog.l_Titre->geometry().bottom(), dialog.l_Patience->geometry().top());
}

TEST(WaitDialog, ABusyBarRunsUnderVeuillezPatienterWhileItIsUp) {
  InstallFontSubstitutions();
  Tf_Dessin dessin;
  Tf_generation dialog;
  const QRect bar = dialog.Attente->geometry();
  EXPECT_GT(bar.top(), dialog.l_Patience->geometry().bottom());
  EXPECT_TRUE(dialog.FondCopie1->rect().adjusted(4, 4, -4, -4).contains(bar));
  EXPECT_LE(std::abs(bar.center().x() - dialog.FondCopie1->rect().center().x()), 1);
  EXPECT_FALSE(dialog.Attente->Running());

  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  const QImage before = dialog.Attente->grab().toImage();
  QTest::qWait(10 * TBusyBar::IntervalMs);
  EXPECT_NE(dialog.Attente->grab().toImage(), before) << "the bar moves";
  dialog.hide();
  EXPECT_FALSE(dialog.Attente->Running()) << "and rests when nobody sees it";
}

}  // namespace
