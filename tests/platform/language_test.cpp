// SPDX-License-Identifier: GPL-3.0-or-later
// The language of a run on a data folder of its own: the setting over the
// desktop's, only a language whose translation is there, and the help file
// of the language installed.
#include "language.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <utility>
#include <vector>

#include "appfolders.h"

namespace {

class LanguageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(Data.isValid());
    ASSERT_TRUE(QDir(Data.path()).mkpath(QStringLiteral("images")));
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
      Saved.emplace_back(name, qgetenv(name));
      qunsetenv(name);
    }
    TAppFolders::Init(Data.path());
  }
  void TearDown() override {
    for (const auto& [name, value] : Saved) qputenv(name, value);
    Language::Install(*qApp, QString::fromLatin1(Language::French));
    QLocale::setDefault(Before);
    TAppFolders::Init();
  }

  QString PathOf(const QString& Name) const { return Data.filePath(Name); }
  // The English translation the build compiled, in the data folder.
  void AddEnglish() const {
    ASSERT_TRUE(QDir(Data.path()).mkpath(QStringLiteral("translations")));
    ASSERT_TRUE(QFile::copy(QStringLiteral(ORVALIS_QM_DIR "/orvalis_en.qm"), PathOf("translations/orvalis_en.qm")));
  }

  QTemporaryDir Data;
  std::vector<std::pair<const char*, QByteArray>> Saved;
  QLocale Before;
};

TEST_F(LanguageTest, TheSettingRulesOverTheDesktopWhenTheGameHasItsLanguage) {
  const struct {
    const char* Setting;
    const char* Lang;
    bool English;  // the data folder holds English
    const char* Chosen;
  } cases[] = {
      {"", "en_GB.UTF-8", true, "en"},   {"", "en_GB.UTF-8", false, "fr"},
      {"fr", "en_GB.UTF-8", true, "fr"}, {"en", "fr_FR.UTF-8", true, "en"},
      {"en", "C", true, "en"},           {"en", "en_US", false, "fr"},
      {"de", "en_US", true, "en"},       {"", "C", true, "fr"},
  };
  for (const auto& c : cases) {
    QFile::remove(PathOf("translations/orvalis_en.qm"));
    if (c.English) AddEnglish();
    qputenv("LANG", c.Lang);
    EXPECT_EQ(Language::Chosen(QString::fromLatin1(c.Setting)), QString::fromLatin1(c.Chosen))
        << c.Setting << " " << c.Lang << " " << c.English;
  }
}

TEST_F(LanguageTest, TheHelpIsInTheLanguageInstalledAndFrenchWhenItsFileIsMissing) {
  AddEnglish();
  ASSERT_EQ(Language::Install(*qApp, QStringLiteral("en")), QStringLiteral("en"));
  EXPECT_EQ(QLocale().language(), QLocale::English) << "dates and numbers shown follow the language";
  EXPECT_EQ(TAppFolders::HelpFile(), PathOf("orvalis.chm")) << "no English help: the French one rather than none";
  QFile english(PathOf("orvalis_en.chm"));
  ASSERT_TRUE(english.open(QIODevice::WriteOnly));
  english.close();
  EXPECT_EQ(TAppFolders::HelpFile(), PathOf("orvalis_en.chm"));
  EXPECT_EQ(Language::Install(*qApp, QStringLiteral("de")), QStringLiteral("fr")) << "a language the game lacks";
  EXPECT_EQ(TAppFolders::HelpFile(), PathOf("orvalis.chm"));
  EXPECT_EQ(QLocale().language(), QLocale::French);
}

}  // namespace
