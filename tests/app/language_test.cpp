// SPDX-License-Identifier: GPL-3.0-or-later
// Runs in English and in French chosen by the setting "Langue" at start.
#include <QRegularExpression>
#include <QTextBrowser>

#include "app_test_util.h"
#include "child_util.h"
#include "language.h"
#include "partie.h"
#include "startup.h"

class LanguageRunTest : public MainWindowTest {
 protected:
  ~LanguageRunTest() override {
    Language::Install(*qApp, QString::fromLatin1(Language::French));
    TPartie::SetHintLanguage(HintLanguage::French);
  }
  // With "Langue" set to Code, English and both help files in the data
  // folder: a hint names Units, F1 opens Help.
  void ExpectRun(const char* Code, const char* Units, const char* Help) {
    ASSERT_TRUE(QDir(Folder.path()).mkpath(QStringLiteral("translations")));
    ASSERT_TRUE(QFile::copy(QStringLiteral(ORVALIS_QM_DIR "/orvalis_en.qm"), PathOf("translations/orvalis_en.qm")));
    for (const char* help : {"orvalis.chm", "orvalis_en.chm"}) QFile(PathOf(help)).open(QIODevice::WriteOnly);
    WriteSettings(QByteArray("[general]\ntypeecran=2\nLangue=") + Code + "\n");
    ASSERT_EQ(InstallRunLanguage(*qApp), QString::fromLatin1(Code));
    Start();
    WhenModal([](QWidget* Levels) { Click(Find<THotLabel>(Levels, "hl_facile")); });
    Click(Main->hl_nouveau);
    ASSERT_NE(Game(), nullptr);
    Click(Find<THotLabel>(Game(), "hl_Indice"));
    const QString hint = Find<QTextBrowser>(Game(), "MemoAstuce")->toPlainText();
    EXPECT_TRUE(hint.contains(QRegularExpression(QString::fromLatin1(Units)))) << hint.toStdString();
    EXPECT_EQ(TAppFolders::HelpFile(), PathOf(Help));
  }
};

TEST_F(LanguageRunTest, AnEnglishRunShowsItsHintsAndHelpInEnglishOrTheFrenchHelp) {
  ExpectRun("en", "\\b(row|column|block)\\b", "orvalis_en.chm");
  QFile::remove(PathOf("orvalis_en.chm"));
  EXPECT_EQ(TAppFolders::HelpFile(), PathOf("orvalis.chm")) << "the French help rather than none";
}

TEST_F(LanguageRunTest, AFrenchRunShowsItsHintsAndHelpInFrench) {
  ExpectRun("fr", "\\b(ligne|colonne|bloc)\\b", "orvalis.chm");
}
