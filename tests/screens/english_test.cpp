// SPDX-License-Identifier: GPL-3.0-or-later
// The options, high scores and statistics screens and the grid's spoken cells
// with the English translation of the build loaded: their texts are English,
// every caption fits its place, and French is back once it is removed.
#include <gtest/gtest.h>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QToolButton>
#include <QTranslator>

#include "griddrawing.h"
#include "grilleaccessible.h"
#include "optionsscreen.h"
#include "rondcoche.h"
#include "scores.h"
#include "scoresscreen.h"
#include "screenstest.h"
#include "statistiques.h"
#include "statistiquesscreen.h"

namespace {

class EnglishScreensTest : public StorageScreensTest {
 protected:
  void SetUp() override {
    StorageScreensTest::SetUp();
    const QString file = QStringLiteral(ORVALIS_QM_DIR "/orvalis_en.qm");
    if (!QFileInfo::exists(file)) GTEST_SKIP() << "no English translation built at " << qPrintable(file);
    ASSERT_TRUE(English.load(file));
    ASSERT_TRUE(QCoreApplication::installTranslator(&English));
  }
  void TearDown() override { QCoreApplication::removeTranslator(&English); }

  // The labels of Screen whose text is wider than the room they were given.
  static QStringList Clipped(const QWidget& Screen) {
    QStringList clipped;
    for (const QLabel* label : Screen.findChildren<QLabel*>()) {
      if (!label->isVisibleTo(&Screen) || label->wordWrap() || label->text().isEmpty()) continue;
      if (label->sizeHint().width() > label->width()) clipped << label->text();
    }
    return clipped;
  }

  QTranslator English;
};

TEST_F(EnglishScreensTest, OptionsPagesSpeakEnglishAndFit) {
  TOptions options(TAppFolders::SettingsFile());
  Tf_Options screen(&Main.MainWindow);
  screen.setGeometry(Main.MainWindow.rect());
  Main.MainWindow.show();
  screen.Setup(&options);

  EXPECT_EQ(screen.sb_Facile->text(), QStringLiteral("Game options"));
  EXPECT_EQ(screen.rc_ChiffreCase->Caption(), QStringLiteral("digit first"));
  QComboBox* look = screen.Choice(&TOptions::Apparence);
  ASSERT_NE(look, nullptr);
  EXPECT_EQ(look->itemText(TOptions::ApparenceSombre), QStringLiteral("Dark"));
  // A screen reader hears the caption without its colon, whatever its language.
  EXPECT_EQ(look->accessibleName(), QStringLiteral("Appearance"));
  EXPECT_EQ(screen.cb_FondEcran->accessibleName(), QStringLiteral("Background"));
  for (int page = 0; page < 3; ++page) {
    screen.ShowPage(page);
    QCoreApplication::processEvents();
    EXPECT_EQ(Clipped(screen), QStringList()) << "page " << page;
  }
}

TEST_F(EnglishScreensTest, ScoresAndStatisticsSpeakEnglishAndFit) {
  TScores scores(TAppFolders::SettingsFile());
  Tf_Scores board;
  board.resize(697, 570);
  board.show();
  board.Setup(&scores, 5);
  EXPECT_EQ(board.sb_Diabolique->text(), QStringLiteral("Fiendish level"));
  EXPECT_EQ(Clipped(board), QStringList());

  TStatistiques figures(TAppFolders::SettingsFile());
  Tf_Statistiques statistics;
  statistics.resize(697, 570);
  statistics.show();
  statistics.Setup(&figures);
  // English says "0 days" where French says "0 jour".
  EXPECT_EQ(statistics.l_MeilleureSerie->text(), QStringLiteral("best run: 0 days"));
  EXPECT_EQ(Clipped(statistics), QStringList());
}

TEST_F(EnglishScreensTest, CellsAreSpokenInEnglishThenFrenchAgain) {
  const std::string givens = "5" + std::string(80, '0');
  const TGridState state = TGridState::FromText(givens, givens);
  EXPECT_EQ(GrilleAccessible::CellText(state, TGridLook{}, 1, 1), QStringLiteral("row 1, column 1, 5, given"));
  QCoreApplication::removeTranslator(&English);
  EXPECT_EQ(GrilleAccessible::CellText(state, TGridLook{}, 1, 2), QStringLiteral("ligne 1, colonne 2, vide"));
  Tf_Options screen(&Main.MainWindow);
  EXPECT_EQ(screen.sb_Facile->text(), QStringLiteral("Options de jeux"));
}

}  // namespace
