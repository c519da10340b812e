// SPDX-License-Identifier: GPL-3.0-or-later
#include "options.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "inifile.h"
#include "storagetest.h"

namespace {

class TOptionsTest : public ::testing::Test {
 protected:
  QTemporaryDir dir;
  QString path = dir.filePath(QStringLiteral("sudoku.ini"));

  TOptions Loaded(const QByteArray& fileBytes) {
    EXPECT_TRUE(WriteBytes(path, fileBytes));
    TOptions options(path);
    options.Load();
    return options;
  }
};

void ExpectDefaults(const TOptions& o) {
  EXPECT_TRUE(o.AffichageChrono);
  EXPECT_TRUE(o.MauvaisEmplacementJeu);
  EXPECT_FALSE(o.ErreurJeu);
  EXPECT_TRUE(o.DecaleAuto);
  EXPECT_TRUE(o.MauvaisEmplacementProbleme);
  EXPECT_EQ(o.CouleurEmplacement, 0x800080u);
  EXPECT_EQ(o.CouleurErreur, 255u);
  EXPECT_FALSE(o.UseLetters);
  EXPECT_TRUE(o.Windowed);
  EXPECT_EQ(o.FondEcran, QStringLiteral("fond.jpg"));
}

TEST_F(TOptionsTest, CreateReadsNothing) {
  ASSERT_TRUE(WriteBytes(path, "[general]\r\nErreurJeu=1\r\n"));
  TOptions options(path);
  EXPECT_EQ(options.FileName, path);
  EXPECT_FALSE(options.ErreurJeu);
}

TEST_F(TOptionsTest, AFreshInstallationWithoutTheFileGetsTheDefaults) {
  TOptions options(path);
  options.ErreurJeu = true;
  options.Load();
  ExpectDefaults(options);
  EXPECT_FALSE(QFile::exists(path));  // reading creates nothing
}

TEST_F(TOptionsTest, AnEmptyFileOrAnotherSectionGivesTheDefaults) {
  ExpectDefaults(Loaded(""));
  ExpectDefaults(Loaded("[Scores]\r\nErreurJeu=1\r\ntypebrique=2\r\n"));
}

TEST_F(TOptionsTest, EveryKeyIsRead) {
  const TOptions o = Loaded(
      "[general]\r\nAffichageChrono=0\r\nMauvaisEmplacementJeu=0\r\nErreurJeu=1\r\n"
      "DecaleAuto=0\r\nMauvaisEmplacementProbleme=0\r\nCouleurEmplacement=65280\r\n"
      "CouleurErreur=16711680\r\ntypebrique=2\r\ntypeecran=1\r\nFondEcran=LightClouds.jpeg\r\n");
  EXPECT_FALSE(o.AffichageChrono);
  EXPECT_FALSE(o.MauvaisEmplacementJeu);
  EXPECT_TRUE(o.ErreurJeu);
  EXPECT_FALSE(o.DecaleAuto);
  EXPECT_FALSE(o.MauvaisEmplacementProbleme);
  EXPECT_EQ(o.CouleurEmplacement, 65280u);
  EXPECT_EQ(o.CouleurErreur, 16711680u);
  EXPECT_TRUE(o.UseLetters);
  EXPECT_FALSE(o.Windowed);
  EXPECT_EQ(o.FondEcran, QStringLiteral("LightClouds.jpeg"));
}

TEST_F(TOptionsTest, AnyNonZeroBooleanIsTrue) {
  const TOptions o = Loaded("[general]\r\nErreurJeu=-3\r\nAffichageChrono=0\r\nDecaleAuto=256\r\n");
  EXPECT_TRUE(o.ErreurJeu);
  EXPECT_FALSE(o.AffichageChrono);
  EXPECT_TRUE(o.DecaleAuto);
}

TEST_F(TOptionsTest, OnlyTheLowestByteOfTheTwoChoicesCounts) {
  // typebrique 3 is letters; typeecran 257 has the lowest byte 1: full screen.
  TOptions o = Loaded("[general]\r\ntypebrique=3\r\ntypeecran=257\r\n");
  EXPECT_TRUE(o.UseLetters);
  EXPECT_FALSE(o.Windowed);
  o = Loaded("[general]\r\ntypebrique=513\r\ntypeecran=0\r\n");
  EXPECT_FALSE(o.UseLetters);
  EXPECT_TRUE(o.Windowed);
  o = Loaded("[general]\r\ntypebrique=-255\r\ntypeecran=2\r\n");  // 0xFFFFFF01
  EXPECT_FALSE(o.UseLetters);
  EXPECT_TRUE(o.Windowed);
}

TEST_F(TOptionsTest, ValuesThatAreNotNumbersReadAsTheDefaults) {
  const TOptions o = Loaded(
      "[general]\r\nAffichageChrono=non\r\nErreurJeu=oui\r\nCouleurEmplacement=violet\r\n"
      "CouleurErreur=0xFF\r\ntypebrique=lettres\r\ntypeecran=\r\nFondEcran=\r\n");
  EXPECT_TRUE(o.AffichageChrono);
  EXPECT_FALSE(o.ErreurJeu);
  EXPECT_EQ(o.CouleurEmplacement, 0x800080u);
  EXPECT_EQ(o.CouleurErreur, 255u);
  EXPECT_FALSE(o.UseLetters);
  EXPECT_TRUE(o.Windowed);
  EXPECT_EQ(o.FondEcran, QString());  // a text key that is present is read as it is
}

TEST_F(TOptionsTest, AChoiceOutOfItsRangeReadsAsTheDefault) {
  // 1 is "chiffre puis case"; anything else is the default, "case puis chiffre".
  for (const char* value : {"1", "0", "2", "-1", "oui"})
    EXPECT_EQ(Loaded(QByteArray("[general]\r\nSaisie=") + value + "\r\n").Saisie,
              std::uint32_t(value == std::string_view("1")))
        << value;
}

TEST_F(TOptionsTest, SaveThenLoadGivesBackEveryField) {
  TOptions saved(path);
  saved.AffichageChrono = false;
  saved.MauvaisEmplacementJeu = false;
  saved.ErreurJeu = true;
  saved.DecaleAuto = false;
  saved.MauvaisEmplacementProbleme = false;
  saved.CouleurEmplacement = 0x123456;
  saved.CouleurErreur = 0xFFFFFFFF;
  saved.UseLetters = true;
  saved.Windowed = false;
  saved.FondEcran = QStringLiteral("Mon fond d'écran.jpg");
  saved.SurligneChiffres = true;
  saved.EffaceNotes = true;
  saved.ProposerSauvegarde = false;
  saved.Saisie = TOptions::SaisieChiffreCase;
  ASSERT_TRUE(saved.Save().Ok());

  TOptions loaded(path);
  loaded.Load();
  EXPECT_EQ(loaded.AffichageChrono, saved.AffichageChrono);
  EXPECT_EQ(loaded.MauvaisEmplacementJeu, saved.MauvaisEmplacementJeu);
  EXPECT_EQ(loaded.ErreurJeu, saved.ErreurJeu);
  EXPECT_EQ(loaded.DecaleAuto, saved.DecaleAuto);
  EXPECT_EQ(loaded.MauvaisEmplacementProbleme, saved.MauvaisEmplacementProbleme);
  EXPECT_EQ(loaded.CouleurEmplacement, saved.CouleurEmplacement);
  EXPECT_EQ(loaded.CouleurErreur, saved.CouleurErreur);
  EXPECT_EQ(loaded.UseLetters, saved.UseLetters);
  EXPECT_EQ(loaded.Saisie, saved.Saisie);
  EXPECT_EQ(loaded.Windowed, saved.Windowed);
  EXPECT_EQ(loaded.FondEcran, saved.FondEcran);
  EXPECT_EQ(loaded.SurligneChiffres, saved.SurligneChiffres);
  EXPECT_EQ(loaded.EffaceNotes, saved.EffaceNotes);
  EXPECT_EQ(loaded.ProposerSauvegarde, saved.ProposerSauvegarde);
}

TEST_F(TOptionsTest, SaveWritesTheKeysInOrderWithTheirStoredForms) {
  TOptions options(path);
  ASSERT_TRUE(options.Save().Ok());
  EXPECT_FALSE(QFile::exists(path));  // nothing changed, nothing written
  options.AffichageChrono = false;
  options.CouleurErreur = 0xFFFFFFFF;
  options.UseLetters = true;
  options.Windowed = false;
  options.FondEcran = QStringLiteral("LightClouds.jpeg");
  options.ProposerSauvegarde = false;
  ASSERT_TRUE(options.Save().Ok());
  EXPECT_EQ(ReadBytes(path),
            "[general]\nAffichageChrono=0\nCouleurErreur=-1\ntypebrique=2\ntypeecran=1\n"
            "FondEcran=LightClouds.jpeg\nProposerSauvegarde=0\n");
}

TEST_F(TOptionsTest, SaveWritesOnlyWhatChangedSinceTheFileWasRead) {
  // typebrique 3 reads as letters and stays 3 while letters stay chosen.
  ASSERT_TRUE(WriteBytes(path, "[general]\r\ntypebrique=3\r\nErreurJeu=0\r\nCouleurErreur=255\r\n"));
  TOptions options(path);
  options.Load();
  // Meanwhile another window of the game changes two settings in the file.
  ASSERT_TRUE(WriteBytes(path, "[general]\r\ntypebrique=3\r\nErreurJeu=1\r\nCouleurErreur=65280\r\n"));
  options.CouleurErreur = 0x0000FF00;  // the same change here
  options.DecaleAuto = false;
  ASSERT_TRUE(options.Save().Ok());
  TIniFile ini(path);
  ASSERT_TRUE(ini.Load().Ok());
  const QString general = QStringLiteral("general");
  EXPECT_EQ(ini.ReadInteger(general, QStringLiteral("typebrique"), 0), 3);
  EXPECT_EQ(ini.ReadInteger(general, QStringLiteral("ErreurJeu"), 0), 1);
  EXPECT_EQ(ini.ReadInteger(general, QStringLiteral("CouleurErreur"), 0), 65280);
  EXPECT_EQ(ini.ReadInteger(general, QStringLiteral("DecaleAuto"), 1), 0);
  EXPECT_FALSE(ini.ReadValue(general, QStringLiteral("AffichageChrono")).has_value());
}

TEST_F(TOptionsTest, SaveKeepsTheScoresAndTheUnknownKeysOfAHandEditedFile) {
  ASSERT_TRUE(WriteBytes(path,
                         "[Scores]\r\nscore1_1=500\r\nscorenom1_1=Zo\xE9\r\n"
                         "[General]\r\nPerso=garde-moi\r\ntypeecran=1\r\n"));
  TOptions options(path);
  options.Load();
  EXPECT_FALSE(options.Windowed);
  options.ErreurJeu = true;
  ASSERT_TRUE(options.Save().Ok());
  TIniFile ini(path);
  ASSERT_TRUE(ini.Load().Ok());
  EXPECT_EQ(ini.ReadString(QStringLiteral("Scores"), QStringLiteral("scorenom1_1"), {}), QStringLiteral("Zoé"));
  EXPECT_EQ(ini.ReadInteger(QStringLiteral("Scores"), QStringLiteral("score1_1"), 0), 500);
  EXPECT_EQ(ini.ReadString(QStringLiteral("general"), QStringLiteral("Perso"), {}), QStringLiteral("garde-moi"));
  EXPECT_EQ(ini.ReadInteger(QStringLiteral("general"), QStringLiteral("ErreurJeu"), 0), 1);
  EXPECT_EQ(ini.ReadInteger(QStringLiteral("general"), QStringLiteral("typeecran"), 0), 1);
  // One "general" section, whatever the case it was written in.
  EXPECT_EQ(ReadBytes(path).toLower().count("[general]"), 1);
}

TEST_F(TOptionsTest, AFailedSaveIsReportedAndKeepsTheFileEntire) {
  const QByteArray before = "[general]\r\nErreurJeu=0\r\n[Scores]\r\nscore1_1=500\r\n";
  ASSERT_TRUE(WriteBytes(path, before));
  ImmutableFlag locked(path);
  if (!locked.Set()) GTEST_SKIP() << "the immutable flag is not available here";
  TOptions options(path);
  options.ErreurJeu = true;
  const FileResult result = options.Save();
  EXPECT_EQ(result.Status, FileStatus::WriteFailed);
  EXPECT_PRED2(SaysCannotWrite, result.Message, path);
  EXPECT_EQ(ReadBytes(path), before);
  EXPECT_TRUE(options.ErreurJeu);  // memory keeps the new value
}

TEST_F(TOptionsTest, AFolderInPlaceOfTheFileIsReportedOnSaveAndReadsAsDefaults) {
  ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("sudoku.ini")));
  TOptions options(path);
  options.Load();
  ExpectDefaults(options);
  options.ErreurJeu = true;
  EXPECT_PRED2(SaysCannotWrite, options.Save().Message, path);
  EXPECT_PRED2(SaysCannotWrite, options.SaveScreenMode(false).Message, path);
}

TEST_F(TOptionsTest, TheFirstStartQuestionReadsAndWritesTheScreenKeyAlone) {
  TOptions options(path);
  EXPECT_EQ(options.ReadScreenModeAnswer(), 0);  // no file: never asked
  ASSERT_TRUE(WriteBytes(path, "[general]\r\nErreurJeu=1\r\ntypeecran=abc\r\n[Scores]\r\nscore2_1=90\r\n"));
  EXPECT_EQ(options.ReadScreenModeAnswer(), 0);  // not a number: asked again

  ASSERT_TRUE(options.SaveScreenMode(false).Ok());
  EXPECT_FALSE(options.Windowed);
  EXPECT_EQ(options.ReadScreenModeAnswer(), 1);
  ASSERT_TRUE(options.SaveScreenMode(true).Ok());
  EXPECT_TRUE(options.Windowed);
  EXPECT_EQ(options.ReadScreenModeAnswer(), 2);
  // Nothing but the one key was written: the other settings are those of the file.
  EXPECT_EQ(ReadBytes(path), "[general]\nErreurJeu=1\ntypeecran=2\n\n\n[Scores]\nscore2_1=90\n");
}

TEST_F(TOptionsTest, AFailedScreenAnswerIsReportedAndAskedAgain) {
  ASSERT_TRUE(WriteBytes(path, "[general]\r\nErreurJeu=1\r\n"));
  ImmutableFlag locked(path);
  if (!locked.Set()) GTEST_SKIP() << "the immutable flag is not available here";
  TOptions options(path);
  EXPECT_EQ(options.SaveScreenMode(false).Status, FileStatus::WriteFailed);
  EXPECT_EQ(options.ReadScreenModeAnswer(), 0);
}

}  // namespace

TEST_F(TOptionsTest, AChoiceOutsideItsListReadsAsItsDefault) {
  const struct {
    const char* Stored;
    std::uint32_t Read;
  } cases[] = {{"2", TOptions::ApparenceSombre},
               {"1", TOptions::ApparenceClair},
               {"3", TOptions::ApparenceAuto},
               {"-1", TOptions::ApparenceAuto},
               {"x", TOptions::ApparenceAuto}};
  for (const auto& c : cases) {
    const TOptions o = Loaded(QByteArray("[general]\nApparence=") + c.Stored + "\n");
    EXPECT_EQ(o.Apparence, c.Read) << c.Stored;
  }
  TOptions o = Loaded("[general]\nApparence=2\n");
  o.Apparence = TOptions::ApparenceClair;
  ASSERT_TRUE(o.Save().Ok());
  EXPECT_EQ(Loaded(ReadBytes(path)).Apparence, std::uint32_t(TOptions::ApparenceClair));
}

TEST_F(TOptionsTest, TheLanguageIsStoredByItsCodeAndAnUnknownOneIsAutomatic) {
  // The code read ("" for Automatique) from what the file holds.
  for (const auto& [stored, code] : std::initializer_list<std::pair<const char*, const char*>>{
           {"en", "en"}, {"fr", "fr"}, {"auto", ""}, {"1", ""}, {"EN", ""}, {"de", ""}, {"", ""}})
    EXPECT_EQ(Loaded(QByteArray("[general]\nLangue=") + stored + "\n").LangueCode(), QString::fromLatin1(code))
        << stored;
  TOptions o = Loaded("[general]\nLangue=de\n");
  o.Langue = TOptions::LangueEnglish;
  ASSERT_TRUE(o.Save().Ok());
  EXPECT_TRUE(ReadBytes(path).contains("Langue=en\n"));
}
