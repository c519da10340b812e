// SPDX-License-Identifier: GPL-3.0-or-later
// A run in English and a run in French, chosen by the setting "Langue" at
// start as the game does: the date of the daily grid, the hint sentences and
// the help file of the language.
#include <QDate>
#include <QFile>
#include <QLabel>
#include <QLocale>
#include <QTextBrowser>
#include <algorithm>

#include "app_test_util.h"
#include "child_util.h"
#include "language.h"
#include "partie.h"
#include "startup.h"

namespace {

class LanguageRunTest : public MainWindowTest {
 protected:
  ~LanguageRunTest() override {
    Language::Install(*qApp, QString::fromLatin1(Language::French));
    TPartie::SetHintLanguage(HintLanguage::French);
  }

  // The game's start with "Langue" set to Code, the English translation and
  // both help files in its data folder.
  void StartIn(const char* Code) {
    ASSERT_TRUE(QDir(Folder.path()).mkpath(QStringLiteral("translations")));
    ASSERT_TRUE(QFile::copy(QStringLiteral(ORVALIS_QM_DIR "/orvalis_en.qm"), PathOf("translations/orvalis_en.qm")));
    for (const char* help : {"orvalis.chm", "orvalis_en.chm"}) {
      QFile file(PathOf(QString::fromLatin1(help)));
      ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    WriteSettings(QByteArray("[general]\ntypeecran=2\nLangue=") + Code + "\n");
    ASSERT_EQ(InstallRunLanguage(*qApp), QString::fromLatin1(Code));
    Start();
  }

  // The line of the daily grid in the level choice starts with the day in
  // Language, a hint of a game of "Facile" names a unit in Units' words and
  // none of Others', and F1 opens Help.
  void ExpectShownIn(QLocale::Language Language, const QStringList& Units, const QStringList& Others,
                     const QString& Help) {
    QString daily;
    WhenModal([&daily](QWidget* Levels) {
      daily = Find<QLabel>(Levels, "l_GrilleDuJour")->text();
      Click(Find<THotLabel>(Levels, "hl_facile"));
    });
    Click(Main->hl_nouveau);
    EXPECT_TRUE(daily.startsWith(QLocale(Language).dayName(QDate::currentDate().dayOfWeek()))) << daily.toStdString();
    Tf_Jeux* game = Game();
    ASSERT_NE(game, nullptr);
    Click(Find<THotLabel>(game, "hl_Indice"));
    const QString hint = Find<QTextBrowser>(game, "MemoAstuce")->toPlainText();
    const auto names = [&hint](const QStringList& Words) {
      return std::any_of(Words.begin(), Words.end(), [&hint](const QString& Word) { return hint.contains(Word); });
    };
    EXPECT_TRUE(names(Units) && !names(Others)) << hint.toStdString();
    EXPECT_EQ(TAppFolders::HelpFile(), Help);
  }
};

const QStringList English{QStringLiteral("row"), QStringLiteral("column"), QStringLiteral("block")};
const QStringList French{QStringLiteral("ligne"), QStringLiteral("colonne"), QStringLiteral("bloc ")};

TEST_F(LanguageRunTest, AnEnglishRunShowsItsDatesHintsAndHelpInEnglish) {
  StartIn("en");
  ExpectShownIn(QLocale::English, English, French, PathOf("orvalis_en.chm"));
}

TEST_F(LanguageRunTest, AFrenchRunShowsItsDatesHintsAndHelpInFrench) {
  StartIn("fr");
  ExpectShownIn(QLocale::French, French, English, PathOf("orvalis.chm"));
}

}  // namespace
