// SPDX-License-Identifier: GPL-3.0-or-later
// The game in progress under faults: a link out of the folder, a pipe at
// the lock's place, a full disk, a power cut after a finished game.
#include "reprise.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFileInfo>

#include "filewrite.h"
#include "storagetest.h"

namespace {

// The failures of the writer thread are told on the thread that made the
// TReprise, by its events.
class TRepriseTest : public ::testing::Test {
 protected:
  int argc = 1;
  char name[8] = "orvalis";
  char* argv[1] = {name};
  QCoreApplication app{argc, argv};
  ErrorBoxRecorder told;
  QTemporaryDir program;
  QString first = program.filePath(QStringLiteral("reprise.txt"));

  static std::vector<std::string> Texts(const TReprise& Window) {
    std::vector<std::string> kept;
    for (const TReprise::Kept& game : Window.KeptGames()) kept.push_back(game.Text);
    return kept;
  }
  // Keeps the text, waits for the disk, and lets what is told be told.
  static void KeepNow(TReprise& Window, const char* Text) {
    Window.Keep(Text);
    Window.Flush();
    QCoreApplication::processEvents();
  }
};

// Files kept in a synced folder, "reprise.txt" a link to a file elsewhere:
// the game is neither read nor written through it but kept in the folder;
// a link that leads nowhere is replaced by the game.
TEST_F(TRepriseTest, ALinkOutOfTheFolderIsNotFollowedAndTheGameStaysInTheFolder) {
  QTemporaryDir elsewhere;
  const QString outside = elsewhere.filePath(QStringLiteral("reprise.txt"));
  ASSERT_TRUE(WriteBytes(outside, "ailleurs\n") && QFile::link(outside, first));
  for (const char* game : {"partie\n", "autre\n"}) {
    QFileInfo kept;
    {
      TReprise window(first);
      EXPECT_TRUE(Texts(window).empty());
      KeepNow(window, game);
      kept.setFile(window.SlotPath(window.Slot()));
    }
    EXPECT_TRUE(kept.isFile() && !kept.isSymLink() && kept.absolutePath() == program.path());
    EXPECT_EQ(Texts(TReprise(first)), std::vector<std::string>{game});
    ASSERT_TRUE(QFile::remove(kept.filePath()));
    if (!QFileInfo::exists(outside)) continue;
    EXPECT_EQ(ReadBytes(outside), "ailleurs\n");
    ASSERT_TRUE(QFile::remove(outside));  // then a link that leads nowhere
  }
}

// A full disk, and a pipe at the lock's place: the game left is offered
// and taken up all the same; the moves that cannot be kept are told once,
// the file keeping the game as it was.
TEST_F(TRepriseTest, OnAFullDiskTheGameLeftIsOfferedAndTheFailureTold) {
  SmallFileSystem disk(64 * 1024);
  if (!disk.Mounted()) GTEST_SKIP() << "mounting a tmpfs is not permitted here";
  const QString full = disk.FilePath(QStringLiteral("reprise.txt"));
  ASSERT_TRUE(WriteBytes(full, "gauche\n") && disk.Fill());
  ASSERT_EQ(::mkfifo(QFile::encodeName(full + QStringLiteral(".lock")).constData(), 0644), 0);
  TReprise window(full);
  ASSERT_EQ(Texts(window), std::vector<std::string>{"gauche\n"});
  ASSERT_TRUE(window.TakeUp(1));
  for (const char* move : {"coup 1\n", "coup 2\n"}) KeepNow(window, move);
  EXPECT_EQ(told.Messages,
            QStringList{QStringLiteral("La partie en cours ne peut pas être gardée\u00A0: disque plein")});
  EXPECT_EQ(ReadBytes(full), "gauche\n");
}

// A finished game's file goes, and its folder is synced: a power cut does
// not bring the finished game back.
TEST_F(TRepriseTest, AFinishedGamesFileGoesForGood) {
  TReprise window(first);
  KeepNow(window, "partie\n");
  QStringList synced;
  const FolderSyncObserver previous = SetFolderSyncObserver([&](const QString& folder) { synced.append(folder); });
  window.Remove();
  window.Flush();
  SetFolderSyncObserver(previous);
  EXPECT_FALSE(QFileInfo::exists(first));
  EXPECT_EQ(synced, QStringList{program.path()});
}

}  // namespace
