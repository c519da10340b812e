// SPDX-License-Identifier: GPL-3.0-or-later
// A run in English and a run in French, chosen by the setting "Langue" at
// start as the game does: the date of the daily grid, the hint sentences and
// the help file of the language.
#include <QDate>
#include <QFile>
#include <QLabel>
#include <QLocale>
#include <QTextBrowser>

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

  // The line of the daily grid in the level choice, then the sentence of a
  // hint in a game of "Facile".
  std::pair<QString, QString> DailyLineAndHint() {
    QString daily;
    WhenModal([&daily](QWidget* Levels) {
      daily = Find<QLabel>(Levels, "l_GrilleDuJour")->text();
      Click(Find<THotLabel>(Levels, "hl_facile"));
    });
    Click(Main->hl_nouveau);
    Tf_Jeux* game = Game();
    if (game == nullptr) return {daily, {}};
    Click(Find<THotLabel>(game, "hl_Indice"));
    return {daily, Find<QTextBrowser>(game, "MemoAstuce")->toPlainText()};
  }
};

TEST_F(LanguageRunTest, AnEnglishRunShowsItsDatesHintsAndHelpInEnglish) {
  StartIn("en");
  const auto [daily, hint] = DailyLineAndHint();
  const QDate today = QDate::currentDate();
  EXPECT_TRUE(daily.startsWith(QLocale(QLocale::English).dayName(today.dayOfWeek()))) << daily.toStdString();
  EXPECT_TRUE(hint.contains(QStringLiteral("row")) || hint.contains(QStringLiteral("column")) ||
              hint.contains(QStringLiteral("block")))
      << hint.toStdString();
  EXPECT_FALSE(hint.contains(QStringLiteral("ligne")) || hint.contains(QStringLiteral("colonne")))
      << hint.toStdString();
  EXPECT_EQ(TAppFolders::HelpFile(), PathOf("orvalis_en.chm"));
}

TEST_F(LanguageRunTest, AFrenchRunShowsItsDatesHintsAndHelpInFrench) {
  StartIn("fr");
  const auto [daily, hint] = DailyLineAndHint();
  const QDate today = QDate::currentDate();
  EXPECT_TRUE(daily.startsWith(QLocale(QLocale::French).dayName(today.dayOfWeek()))) << daily.toStdString();
  EXPECT_TRUE(hint.contains(QStringLiteral("ligne")) || hint.contains(QStringLiteral("colonne")) ||
              hint.contains(QStringLiteral("bloc")))
      << hint.toStdString();
  EXPECT_EQ(TAppFolders::HelpFile(), PathOf("orvalis.chm"));
}

}  // namespace
