// SPDX-License-Identifier: GPL-3.0-or-later
// The options screen driven with clicks and keys, in a program folder of the
// test, inside a main window stand-in that records where the screen sends the
// player.
#include "optionsscreen.h"

#include <gtest/gtest.h>
#include <QColorDialog>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "carrecoche.h"
#include "fondcopie.h"
#include "hotlabel.h"
#include "rondcoche.h"
#include "screenstest.h"

namespace {

void Click(QWidget* Widget) { QTest::mouseClick(Widget, Qt::LeftButton); }

// The colour dialog that the "..." button opens answers Color.
void ChooseColor(QPushButton* Button, const QColor& Color) {
  WhenModal<QColorDialog>([Color](QColorDialog& dialog) {
    dialog.setCurrentColor(Color);
    dialog.accept();
  });
  Click(Button);
}

class OptionsScreenTest : public StorageScreensTest {
 protected:
  void SetUp() override {
    StorageScreensTest::SetUp();
    Main.Options = &Options;
  }
  // Reads the settings, then shows the screen over them as the main window does.
  void Open() {
    Options.Load();
    Screen = std::make_unique<Tf_Options>(&Main.MainWindow);
    Screen->setGeometry(Main.MainWindow.rect());
    Main.MainWindow.show();
    Screen->Setup(&Options);
  }
  TOptions Saved() const {
    TOptions saved(TAppFolders::SettingsFile());
    saved.Load();
    return saved;
  }
  QColor ScreenBackground() const { return Screen->grab().toImage().pixelColor(2, 2); }

  TOptions Options{TAppFolders::SettingsFile()};
  std::unique_ptr<Tf_Options> Screen;
};

TEST_F(OptionsScreenTest, EveryControlChangedIsWrittenOnValidation) {
  Open();  // no settings file: every setting at its first value
  Main.MainWindow.resize(900, 700);
  Screen->setGeometry(Main.MainWindow.rect());
  const QPoint corner = Screen->FondCopie1->pos();
  EXPECT_EQ(corner, QPoint((900 - Tf_Options::PanelWidth) / 2, (700 - Tf_Options::PanelHeight) / 2));
  EXPECT_EQ(Screen->hl_Retour->pos(), corner + QPoint(384, 486));

  Click(Screen->Check(&TOptions::AffichageChrono));
  Click(Screen->Check(&TOptions::MauvaisEmplacementJeu));
  Click(Screen->Check(&TOptions::ErreurJeu));
  ChooseColor(Screen->b_CoulEmplacement, QColor(0, 128, 0));
  ChooseColor(Screen->b_CoulErreur, QColor(0, 0, 255));
  EXPECT_EQ(Tf_Options::SwatchColor(*Screen->e_CoulEmplacement), QColor(0, 128, 0));
  Click(Screen->rc_Lettre);
  EXPECT_FALSE(Screen->rc_Chiffre->Checked());

  Click(Screen->sb_Moyen);
  EXPECT_TRUE(Screen->p_OptionProbleme->isVisible());
  EXPECT_FALSE(Screen->p_OptionJeu->isVisible());
  Click(Screen->Check(&TOptions::DecaleAuto));
  Click(Screen->Check(&TOptions::MauvaisEmplacementProbleme));

  Click(Screen->SpeedButton1);
  EXPECT_TRUE(Screen->p_OptionsLogiciel->isVisible());
  EXPECT_FALSE(Screen->sb_Facile->isChecked());
  Click(Screen->rc_PleinEcran);
  QTest::keyClick(Screen->cb_FondEcran, Qt::Key_Down);
  EXPECT_EQ(Screen->cb_FondEcran->currentText(), QStringLiteral("Nuage"));

  Click(Screen->hl_Retour);
  EXPECT_EQ(Main.Calls, QStringList({"BackgroundChanged", "ApplyScreenMode(plein)", "ShowMenu"}));
  EXPECT_FALSE(Screen->isVisible());
  EXPECT_TRUE(Errors.Messages.isEmpty());
  const TOptions saved = Saved();
  EXPECT_FALSE(saved.AffichageChrono);
  EXPECT_FALSE(saved.MauvaisEmplacementJeu);
  EXPECT_TRUE(saved.ErreurJeu);
  EXPECT_FALSE(saved.DecaleAuto);
  EXPECT_FALSE(saved.MauvaisEmplacementProbleme);
  EXPECT_EQ(saved.CouleurEmplacement, 0x008000u);
  EXPECT_EQ(saved.CouleurErreur, 0xFF0000u);
  EXPECT_TRUE(saved.UseLetters);
  EXPECT_FALSE(saved.Windowed);
  EXPECT_EQ(saved.FondEcran, QStringLiteral("LightClouds.jpeg"));
}

TEST_F(OptionsScreenTest, EveryBooleanSettingIsACheckBoxOnItsPageThatShowsAndWritesIt) {
  Open();
  const TOptions first = Options;
  QWidget* const pages[] = {Screen->p_OptionJeu, Screen->p_OptionProbleme, Screen->p_OptionsLogiciel};
  for (const TOptions::TSetting& setting : TOptions::Settings()) {
    bool TOptions::*flag = setting.Flag();
    if (flag == nullptr) continue;
    TCarreCoche* check = Screen->Check(flag);
    ASSERT_NE(check, nullptr) << setting.Key;
    EXPECT_TRUE(pages[int(setting.Page)]->isAncestorOf(check)) << setting.Key;
    EXPECT_EQ(check->Checked(), first.*flag) << setting.Key;
    Screen->ShowPage(int(setting.Page));
    Click(check);
  }
  Click(Screen->hl_Retour);
  const TOptions saved = Saved();
  for (const TOptions::TSetting& setting : TOptions::Settings())
    if (bool TOptions::*flag = setting.Flag()) {
      EXPECT_NE(saved.*flag, first.*flag) << setting.Key;
    }
}

TEST_F(OptionsScreenTest, CloudsShowAtOnceAndTheScoresLeaveWithoutWriting) {
  const QByteArray before = "[general]\r\nAffichageChrono=1\r\nFondEcran=fond.jpg\r\n";
  ASSERT_TRUE(WriteBytes(TAppFolders::SettingsFile(), before));
  Open();
  EXPECT_EQ(ScreenBackground(), ClassicColor);
  Click(Screen->Check(&TOptions::AffichageChrono));
  Click(Screen->SpeedButton1);
  QTest::keyClick(Screen->cb_FondEcran, Qt::Key_Down);
  EXPECT_EQ(Options.FondEcran, QStringLiteral("LightClouds.jpeg"));
  EXPECT_EQ(ScreenBackground(), CloudsColor);
  EXPECT_EQ(Main.Calls, QStringList{"BackgroundChanged"});

  Click(Screen->hl_MeilleursScores);
  EXPECT_EQ(Main.Calls, QStringList({"BackgroundChanged", "ShowMenu", "ShowScores(1)"}));
  EXPECT_EQ(ReadBytes(TAppFolders::SettingsFile()), before);
  EXPECT_TRUE(Options.AffichageChrono);
  EXPECT_EQ(Options.FondEcran, QStringLiteral("LightClouds.jpeg"));
}

TEST_F(OptionsScreenTest, APictureNamedByHandShowsClassiqueAndIsKept) {
  ASSERT_TRUE(WriteBytes(TAppFolders::SettingsFile(), "[general]\r\nFondEcran=photo.png\r\n"));
  Open();
  EXPECT_EQ(Screen->cb_FondEcran->currentText(), QStringLiteral("Classique"));
  Click(Screen->hl_Retour);
  EXPECT_EQ(Main.Calls, QStringList{"ShowMenu"});
  EXPECT_EQ(Saved().FondEcran, QStringLiteral("photo.png"));
}

TEST_F(OptionsScreenTest, TheComfortsStandOnTheirPagesAndTheKeyboardTogglesThem) {
  Open();
  Main.MainWindow.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&Main.MainWindow));
  EXPECT_TRUE(Screen->p_OptionJeu->isAncestorOf(Screen->Check(&TOptions::SurligneChiffres)));
  EXPECT_TRUE(Screen->p_OptionJeu->isAncestorOf(Screen->Check(&TOptions::EffaceNotes)));
  EXPECT_TRUE(Screen->p_OptionsLogiciel->isAncestorOf(Screen->Check(&TOptions::ProposerSauvegarde)));
  const auto press = [](Qt::Key Key) { QTest::keyClick(QApplication::focusWidget(), Key); };
  const auto tabTo = [&](QWidget* Target) {
    if (QApplication::focusWidget() == nullptr) Screen->sb_Facile->setFocus(Qt::OtherFocusReason);
    for (int tab = 0; tab < 40 && !Target->hasFocus(); ++tab) press(Qt::Key_Tab);
  };

  // Tab to the check box, Space ticks it; the arrow goes to the next one.
  tabTo(Screen->Check(&TOptions::SurligneChiffres));
  ASSERT_TRUE(Screen->Check(&TOptions::SurligneChiffres)->HasKeyFocus());
  press(Qt::Key_Space);
  press(Qt::Key_Down);
  ASSERT_TRUE(Screen->Check(&TOptions::EffaceNotes)->HasKeyFocus());
  press(Qt::Key_Space);
  press(Qt::Key_Down);
  press(Qt::Key_Space);  // on at first: now off
  Click(Screen->SpeedButton1);
  tabTo(Screen->Check(&TOptions::ProposerSauvegarde));
  ASSERT_TRUE(Screen->Check(&TOptions::ProposerSauvegarde)->hasFocus());
  press(Qt::Key_Space);
  tabTo(Screen->hl_Retour);
  ASSERT_TRUE(Screen->hl_Retour->HasKeyFocus());
  press(Qt::Key_Return);

  EXPECT_EQ(Main.Calls, QStringList{"ShowMenu"});
  const TOptions saved = Saved();
  EXPECT_TRUE(saved.SurligneChiffres);
  EXPECT_TRUE(saved.EffaceNotes);
  EXPECT_FALSE(saved.IndicesAvances);
  EXPECT_FALSE(saved.ProposerSauvegarde);
}

TEST_F(OptionsScreenTest, AFailedSaveKeepsTheScreenOpen) {
  // A folder where the settings file should be: it cannot be written.
  ASSERT_TRUE(QDir().mkpath(TAppFolders::SettingsFile()));
  Open();
  Click(Screen->Check(&TOptions::ErreurJeu));
  Click(Screen->hl_Retour);
  EXPECT_PRED2(SaysCannotWriteOnce, Errors.Messages, QDir::toNativeSeparators(TAppFolders::SettingsFile()));
  EXPECT_TRUE(Main.Calls.isEmpty());
  EXPECT_TRUE(Screen->isVisible());
  EXPECT_TRUE(Options.ErreurJeu);
}

}  // namespace
