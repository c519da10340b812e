// SPDX-License-Identifier: GPL-3.0-or-later
#include "regles.h"

#include <gtest/gtest.h>
#include <QScrollBar>
#include <QTextBrowser>

#include "fondcopie.h"
#include "imagegrille.h"
#include "screens_test_util.h"
#include "texts.h"

namespace {

struct ReglesTest : ::testing::Test, ScreenTestBase {
  Tf_Regles Screen;
  ReglesTest() {
    Screen.resize(697, 570);
    Screen.show();
  }
};

struct ReglesEnglishTest : EnglishLocale, ReglesTest {};

}  // namespace

TEST_F(ReglesTest, ShowsBothTextsAndBothPictures) {
  EXPECT_EQ(Shell_.BackgroundsLoaded, 1);
  EXPECT_TRUE(Screen.RichEdit1->toPlainText().startsWith(QStringLiteral("La grille")));
  EXPECT_TRUE(Screen.RichEdit1->toPlainText().contains(QStringLiteral("de A à I")));
  EXPECT_TRUE(Screen.RichEdit2->toPlainText().startsWith(QStringLiteral("Les règles du jeu")));
  for (QTextBrowser* box : {Screen.RichEdit1, Screen.RichEdit2}) {
    EXPECT_TRUE(box->isVisible());
    EXPECT_TRUE(box->isReadOnly());
    EXPECT_EQ(box->frameShape(), QFrame::NoFrame);
    EXPECT_LE(TextHeight(*box), box->height()) << box->objectName().toStdString();
    EXPECT_EQ(box->verticalScrollBar()->maximum(), 0) << box->objectName().toStdString();
  }
  EXPECT_EQ(Screen.Image3->Dessin(), TImageGrille::dg_Regions);
  EXPECT_EQ(Screen.Image4->Dessin(), TImageGrille::dg_Remplie);
  for (TImageGrille* picture : {Screen.Image3, Screen.Image4}) {
    EXPECT_TRUE(picture->isVisible());
    EXPECT_TRUE(picture->HasPicture());
    EXPECT_EQ(picture->size(), TImageGrille::Taille(picture->Dessin()));
  }
  // The presentation top left, its picture top right; the filled grid bottom
  // left, the rules bottom right; nothing overlaps.
  const QRect boxes[] = {Screen.RichEdit1->geometry(), Screen.Image3->geometry(), Screen.Image4->geometry(),
                         Screen.RichEdit2->geometry()};
  EXPECT_LT(boxes[0].right(), boxes[1].left());
  EXPECT_LT(boxes[1].bottom(), boxes[3].top());
  EXPECT_LT(boxes[2].right(), boxes[3].left());
  EXPECT_LT(boxes[0].bottom(), boxes[2].top());
  for (const QRect& box : boxes) EXPECT_TRUE(Screen.FondCopie1->rect().contains(box));
}

TEST_F(ReglesTest, ReturnToTheMenuBelowTheCentredPanel) {
  for (const QSize size : {QSize(697, 570), QSize(1920, 1080)}) {
    Screen.resize(size);
    const QRect panel = Screen.FondCopie1->geometry();
    EXPECT_LE((panel.center() - Screen.rect().center()).manhattanLength(), 2);
    EXPECT_EQ(Screen.hl_Retour->pos(), panel.topLeft() + QPoint(392, 486));
    EXPECT_GT(Screen.hl_Retour->y(), panel.bottom());
    EXPECT_TRUE(Screen.rect().contains(Screen.hl_Retour->geometry()));
  }
  EXPECT_EQ(Screen.hl_Retour->text(), QStringLiteral("Retour au menu"));
  ASSERT_TRUE(Click(*Screen.hl_Retour));
  EXPECT_EQ(Shell_.MenuShown, 1);
}

TEST_F(ReglesEnglishTest, ShowsTheEnglishTextsInTheSameBoxes) {
  EXPECT_TRUE(Screen.RichEdit1->toPlainText().startsWith(QStringLiteral("The grid")));
  EXPECT_TRUE(Screen.RichEdit2->toPlainText().startsWith(QStringLiteral("The rules of the game")));
  for (QTextBrowser* box : {Screen.RichEdit1, Screen.RichEdit2})
    EXPECT_EQ(box->verticalScrollBar()->maximum(), 0) << box->objectName().toStdString();
}

TEST(Texts, TheTwinOfTheLocalesLanguageOrTheFrenchText) {
  const struct {
    QLocale::Language Language;
    const char* Name;
    const char* Path;
  } cases[] = {
      {QLocale::English, "regles_regles", ":/texts/en/regles_regles.html"},
      {QLocale::French, "regles_regles", ":/texts/regles_regles.html"},
      {QLocale::German, "astuces_page8", ":/texts/astuces_page8.html"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Texts::PathFor(QString::fromLatin1(c.Name), QLocale(c.Language)), QString::fromLatin1(c.Path)) << c.Name;
}
