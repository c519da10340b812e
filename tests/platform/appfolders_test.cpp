// SPDX-License-Identifier: GPL-3.0-or-later
// Where the program's files live, decided on real folders: the build folder,
// a program folder that takes no file, an installed tree, and a bare folder.
#include "appfolders.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include "storagetest.h"

namespace {

class AppFoldersTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(Root.isValid());
    HadXdg = qEnvironmentVariableIsSet("XDG_DATA_HOME");
    SavedXdg = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QFile::encodeName(Path("xdg")));
  }
  void TearDown() override {
    if (HadXdg)
      qputenv("XDG_DATA_HOME", SavedXdg);
    else
      qunsetenv("XDG_DATA_HOME");
    TAppFolders::Init();
  }

  QString Path(const QString& Name) const { return Root.filePath(Name); }
  QString MakeFolder(const QString& Name) const {
    EXPECT_TRUE(QDir().mkpath(Path(Name)));
    return Path(Name);
  }
  QStringList Entries(const QString& Name) const {
    return QDir(Path(Name)).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
  }
  QString UserFolder() const { return Path("xdg/orvalis"); }

  QTemporaryDir Root;
  bool HadXdg = false;
  QByteArray SavedXdg;
};

TEST_F(AppFoldersTest, AProgramBesideItsDataKeepsThePlayersFilesThere) {
  MakeFolder("jeu/images");
  TAppFolders::Init(Path("jeu"));
  EXPECT_EQ(TAppFolders::DataFolder(), Path("jeu"));
  EXPECT_EQ(TAppFolders::PlayerFolder(), Path("jeu"));
  EXPECT_EQ(TAppFolders::ImagesFolder(), Path("jeu/images"));
  EXPECT_EQ(TAppFolders::HelpFile(), Path("jeu/orvalis.chm"));
  EXPECT_EQ(TAppFolders::SettingsFile(), Path("jeu/sudoku.ini"));
  // The trial file is gone, and nothing was made in the user's folder.
  EXPECT_EQ(Entries("jeu"), QStringList{"images"});
  EXPECT_FALSE(QFileInfo::exists(Path("xdg")));
}

TEST_F(AppFoldersTest, AProgramFolderThatTakesNoFileSendsThePlayersFilesToTheUsersFolder) {
  MakeFolder("cle/images");
  ImmutableFlag locked(Path("cle"));
  if (!locked.Set()) GTEST_SKIP() << "this file system has no immutable flag";
  TAppFolders::Init(Path("cle"));
  EXPECT_EQ(TAppFolders::ImagesFolder(), Path("cle/images"));
  EXPECT_EQ(TAppFolders::HelpFile(), Path("cle/orvalis.chm"));
  EXPECT_EQ(TAppFolders::PlayerFolder(), UserFolder());
  EXPECT_EQ(TAppFolders::SettingsFile(), UserFolder() + "/sudoku.ini");
  EXPECT_TRUE(QFileInfo(UserFolder() + "/Sauvegarde").isDir());
}

// Root may write in the programs' folder (usr/games, or usr/bin outside the
// games layout): the installed program still keeps out of it.
TEST_F(AppFoldersTest, AnInstalledProgramReadsShareAndWritesInTheUsersFolder) {
  const QString bin = QStringLiteral("usr/" ORVALIS_INSTALL_BINDIR);
  const QString data = QStringLiteral("usr/" ORVALIS_INSTALL_DATADIR);
  MakeFolder(bin);
  MakeFolder(data + "/images");
  TAppFolders::Init(Path(bin));
  EXPECT_EQ(TAppFolders::DataFolder(), Path(data));
  EXPECT_EQ(TAppFolders::HelpFile(), Path(data + "/orvalis.chm"));
  EXPECT_EQ(TAppFolders::PlayerFolder(), UserFolder());
  EXPECT_TRUE(QFileInfo(UserFolder() + "/Sauvegarde").isDir());
  EXPECT_TRUE(Entries(bin).isEmpty());
}

// The XDG rules ignore a relative XDG_DATA_HOME; without HOME the account's
// home is taken, never "/.local" at the root.
TEST_F(AppFoldersTest, ARelativeXdgDataHomeOrNoHomeStillGivesTheUsersHome) {
  const QString bin = QStringLiteral("usr/" ORVALIS_INSTALL_BINDIR);
  MakeFolder(bin);
  MakeFolder(QStringLiteral("usr/" ORVALIS_INSTALL_DATADIR "/images"));
  const QByteArray home = qgetenv("HOME");
  qputenv("HOME", QFile::encodeName(MakeFolder("maison")));
  qputenv("XDG_DATA_HOME", "relatif/data");
  TAppFolders::Init(Path(bin));
  EXPECT_EQ(TAppFolders::PlayerFolder(), Path("maison/.local/share/orvalis"));
  qunsetenv("HOME");
  qunsetenv("XDG_DATA_HOME");
  const QString player = TAppFolders::UserDataFolder();
  qputenv("HOME", home);
  EXPECT_FALSE(player.startsWith(QStringLiteral("/.local"))) << player.toStdString();
  EXPECT_TRUE(player.endsWith(QStringLiteral("/.local/share/orvalis"))) << player.toStdString();
  EXPECT_FALSE(QFileInfo::exists(QStringLiteral("relatif")));
}

TEST_F(AppFoldersTest, AFolderWithoutDataAnywhereIsTheProgramsOwn) {
  MakeFolder("nu");
  TAppFolders::Init(Path("nu"));
  EXPECT_EQ(TAppFolders::DataFolder(), Path("nu"));
  EXPECT_EQ(TAppFolders::PlayerFolder(), Path("nu"));
  EXPECT_FALSE(QFileInfo::exists(Path("xdg")));
}

}  // namespace
