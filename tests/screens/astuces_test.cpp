// SPDX-License-Identifier: GPL-3.0-or-later
#include "astuces.h"

#include <gtest/gtest.h>
#include <QScrollBar>
#include <QTextBrowser>

#include "fondcopie.h"
#include "imagegrille.h"
#include "screens_test_util.h"

namespace {

struct AstucesTest : ::testing::Test, ScreenTestBase {
  Tf_Astuces Screen;
  AstucesTest() {
    Screen.resize(697, 570);
    Screen.show();
  }

  // The picture shown, 0 for none; -1 when more than one is.
  int PictureShown() const {
    const TImageGrille* pictures[] = {Screen.im_Conseil1, Screen.im_Conseil2, Screen.im_Conseil3};
    int shown = 0;
    for (int k = 0; k < 3; ++k)
      if (pictures[k]->isVisible()) shown = shown == 0 ? k + 1 : -1;
    return shown;
  }

  // Page checks: the page table's boxes, texts and picture, and texts that
  // fit where they can be read.
  void ExpectPage(int Page) {
    SCOPED_TRACE("page " + std::to_string(Page));
    const Tf_Astuces::TPage& info = Tf_Astuces::PageInfo(Page);
    EXPECT_EQ(Screen.Page, Page);
    EXPECT_FALSE(Screen.Panel1->isVisible());
    EXPECT_EQ(Screen.hl_retour->text(), QStringLiteral("Retour au menu des astuces"));
    EXPECT_EQ(Screen.RichEdit1->geometry(), QRect(12, 12, info.Largeur1, info.Hauteur1));
    EXPECT_EQ(Screen.RichEdit1->property("Texte").toString(), QString::fromLatin1(info.Texte1));
    EXPECT_EQ(PictureShown(), info.Image);
    // The first box's text ends above the second box, the pictures' foot and
    // the return label, and no box needs a scroll bar.
    int foot = Screen.hl_retour->y() - Screen.FondCopie1->y() - 12;
    if (*info.Texte2 != '\0') {
      EXPECT_TRUE(Screen.RichEdit2->isVisible());
      EXPECT_EQ(Screen.RichEdit2->geometry(), QRect(12, info.Haut2, info.Largeur2, info.Hauteur2));
      EXPECT_EQ(Screen.RichEdit2->property("Texte").toString(), QString::fromLatin1(info.Texte2));
      EXPECT_LE(TextHeight(*Screen.RichEdit2), info.Hauteur2);
      EXPECT_EQ(Screen.RichEdit2->verticalScrollBar()->maximum(), 0);
      foot = info.Haut2 - 12;
    } else {
      EXPECT_FALSE(Screen.RichEdit2->isVisible());
    }
    EXPECT_GT(TextHeight(*Screen.RichEdit1), 100);
    EXPECT_LE(TextHeight(*Screen.RichEdit1), std::min(foot, info.Hauteur1));
    EXPECT_EQ(Screen.RichEdit1->verticalScrollBar()->maximum(), 0);
    if (info.Image > 0) {
      const QWidget* picture = Screen.findChild<TImageGrille*>(QStringLiteral("im_Conseil%1").arg(info.Image));
      EXPECT_GE(picture->x(), 12 + info.Largeur1);
      if (*info.Texte2 != '\0') {
        EXPECT_LT(picture->geometry().bottom(), info.Haut2);
      }
    }
  }
};

// The same screen built while the interface speaks English.
struct AstucesEnglishTest : EnglishLocale, AstucesTest {};

}  // namespace

TEST_F(AstucesTest, OpensOnTheTipsMenu) {
  EXPECT_EQ(Shell_.BackgroundsLoaded, 1);
  EXPECT_EQ(Screen.Page, 0);
  EXPECT_TRUE(Screen.Panel1->isVisible());
  EXPECT_TRUE(Screen.RichEdit3->toPlainText().startsWith(QStringLiteral("Astuces du Sudoku")));
  EXPECT_EQ(Screen.RichEdit3->verticalScrollBar()->maximum(), 0);
  EXPECT_FALSE(Screen.RichEdit1->isVisible());
  EXPECT_FALSE(Screen.RichEdit2->isVisible());
  EXPECT_FALSE(Screen.hl_Suite->isVisible());
  EXPECT_EQ(PictureShown(), 0);
  EXPECT_EQ(Screen.hl_retour->text(), QStringLiteral("Retour au menu principal"));
}

TEST_F(AstucesTest, EachMethodOpensItsFirstPage) {
  const struct {
    THotLabel* Label;
    const char* Caption;
    int Page;
  } methods[] = {
      {Screen.hl_Methode1, "Méthode 1: Repérage par bloc de lignes et/ou colonnes", 1},
      {Screen.hl_Methode2, "Méthode 2: Completer les lignes, colonnes et blocs", 3},
      {Screen.hl_Methode3, "Méthode 3: Repérage par position unique d'un chiffre", 5},
      {Screen.HotLabel1, "Méthode 4: Etudier les possibilités", 7},
  };
  for (const auto& method : methods) {
    EXPECT_EQ(method.Label->text(), QString::fromUtf8(method.Caption));
    ASSERT_TRUE(Click(*method.Label)) << method.Caption;
    ExpectPage(method.Page);
    ASSERT_TRUE(Click(*Screen.hl_retour));
    EXPECT_EQ(Screen.Page, 0);
  }
  EXPECT_EQ(Shell_.MenuShown, 0);
}

TEST_F(AstucesTest, SuiteWalksToTheLastPageThenBackTwiceToTheMainMenu) {
  ASSERT_TRUE(Click(*Screen.hl_Methode2));
  ExpectPage(3);
  for (int page = 4; page <= 8; ++page) {
    ASSERT_TRUE(Click(*Screen.hl_Suite)) << "no \"Suite ...\" on page " << page - 1;
    ExpectPage(page);
  }
  EXPECT_FALSE(Screen.hl_Suite->isVisible());

  ASSERT_TRUE(Click(*Screen.hl_retour));
  EXPECT_EQ(Screen.Page, 0);
  EXPECT_TRUE(Screen.Panel1->isVisible());
  EXPECT_EQ(Screen.hl_retour->text(), QStringLiteral("Retour au menu principal"));
  EXPECT_EQ(Shell_.MenuShown, 0);
  ASSERT_TRUE(Click(*Screen.hl_retour));
  EXPECT_EQ(Shell_.MenuShown, 1);
}

TEST_F(AstucesTest, MethodOnePagesAndTheirTextsFit) {
  ASSERT_TRUE(Click(*Screen.hl_Methode1));
  ExpectPage(1);
  ASSERT_TRUE(Click(*Screen.hl_Suite));
  ExpectPage(2);
}

TEST_F(AstucesTest, ThePanelStaysCentredAndTheReturnLabelFollowsIt) {
  for (const QSize size : {QSize(697, 570), QSize(1920, 1080)}) {
    Screen.resize(size);
    const QRect panel = Screen.FondCopie1->geometry();
    EXPECT_EQ(panel.size(), QSize(Tf_Astuces::PanelWidth, Tf_Astuces::PanelHeight));
    EXPECT_LE((panel.center() - Screen.rect().center()).manhattanLength(), 2);
    EXPECT_TRUE(Screen.rect().contains(panel));
    EXPECT_EQ(Screen.hl_retour->pos(), panel.topLeft() + QPoint(240, 492));
    EXPECT_TRUE(Screen.rect().contains(Screen.hl_retour->geometry()));
  }
}

TEST_F(AstucesEnglishTest, EveryPageShowsItsEnglishTextInItsBoxes) {
  EXPECT_TRUE(Screen.RichEdit3->toPlainText().startsWith(QStringLiteral("Sudoku tips")));
  EXPECT_EQ(Screen.RichEdit3->verticalScrollBar()->maximum(), 0);
  ASSERT_TRUE(Click(*Screen.hl_Methode1));
  for (int page = 1; page <= 8; ++page) {
    if (page > 1) {
      ASSERT_TRUE(Click(*Screen.hl_Suite));
    }
    ExpectPage(page);
    EXPECT_TRUE(Screen.RichEdit1->toPlainText().startsWith(QStringLiteral("Method %1").arg((page + 1) / 2)));
  }
}
