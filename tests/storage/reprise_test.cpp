// SPDX-License-Identifier: GPL-3.0-or-later
// The game in progress under faults: a link out of the folder, a full disk,
// a power cut after a finished game.
#include "reprise.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include "filewrite.h"
#include "storagetest.h"

namespace {

std::vector<std::string> Texts(const TReprise& Window) {
  std::vector<std::string> kept;
  for (const TReprise::Kept& game : Window.KeptGames()) kept.push_back(game.Text);
  return kept;
}

// The failures of the writer thread are told on the thread that made the
// TReprise, by its events.
class TRepriseTest : public ::testing::Test {
 protected:
  int argc = 1;
  char name[8] = "orvalis";
  char* argv[1] = {name};
  QCoreApplication app{argc, argv};
  ErrorBoxRecorder told;
};

// Files kept in a synced folder: "reprise.txt" a link to a file elsewhere.
// The game is neither read nor written through it; the window's game is
// kept in the folder, and the file elsewhere stays as it was.
TEST_F(TRepriseTest, ALinkOutOfTheFolderIsNotFollowedAndTheGameStaysInTheFolder) {
  QTemporaryDir program, elsewhere;
  const QString outside = elsewhere.filePath(QStringLiteral("reprise.txt"));
  const QString first = program.filePath(QStringLiteral("reprise.txt"));
  ASSERT_TRUE(WriteBytes(outside, "ailleurs\n"));
  ASSERT_TRUE(QFile::link(outside, first));
  QString kept;
  {
    TReprise window(first);
    EXPECT_TRUE(Texts(window).empty());
    window.Keep("partie\n");
    window.Flush();
    QCoreApplication::processEvents();
    kept = window.SlotPath(window.Slot());
  }
  EXPECT_TRUE(told.Messages.isEmpty()) << told.Messages.join(u'\n').toStdString();
  EXPECT_FALSE(QFileInfo(kept).isSymLink());
  EXPECT_EQ(QFileInfo(kept).absolutePath(), program.path());
  EXPECT_EQ(ReadBytes(outside), "ailleurs\n");
  EXPECT_EQ(Texts(TReprise(first)), std::vector<std::string>{"partie\n"});
  // A link that leads nowhere is replaced by the game.
  ASSERT_TRUE(QFile::remove(outside) && QFile::remove(kept));
  {
    TReprise window(first);
    window.Keep("autre\n");
    window.Flush();
    EXPECT_EQ(window.Slot(), 1);
  }
  EXPECT_FALSE(QFileInfo(first).isSymLink());
  EXPECT_EQ(ReadBytes(first), "autre\n");
  EXPECT_FALSE(QFileInfo::exists(outside));
}

// A full disk: the game left is still offered and taken up, and the moves
// that cannot be kept are told once, the file keeping the game as it was.
TEST_F(TRepriseTest, OnAFullDiskTheGameLeftIsOfferedAndEveryFailureIsTold) {
  SmallFileSystem disk(64 * 1024);
  if (!disk.Mounted()) GTEST_SKIP() << "mounting a tmpfs is not permitted here";
  const QString first = disk.FilePath(QStringLiteral("reprise.txt"));
  ASSERT_TRUE(WriteBytes(first, "gauche\n"));
  ASSERT_TRUE(disk.Fill());
  TReprise window(first);
  ASSERT_EQ(Texts(window), std::vector<std::string>{"gauche\n"});
  ASSERT_TRUE(window.TakeUp(1));
  for (const char* move : {"coup 1\n", "coup 2\n"}) {
    window.Keep(move);
    window.Flush();
    QCoreApplication::processEvents();
  }
  EXPECT_EQ(told.Messages, QStringList{QStringLiteral("La partie en cours ne peut pas être gardée : disque plein")});
  EXPECT_EQ(ReadBytes(first), "gauche\n");
}

// A finished game's file goes, and its folder is synced: a power cut does
// not bring the finished game back.
TEST_F(TRepriseTest, AFinishedGamesFileGoesForGood) {
  QTemporaryDir program;
  const QString first = program.filePath(QStringLiteral("reprise.txt"));
  TReprise window(first);
  window.Keep("partie\n");
  window.Flush();
  QStringList synced;
  const FolderSyncObserver previous = SetFolderSyncObserver([&](const QString& folder) { synced.append(folder); });
  window.Remove();
  window.Flush();
  SetFolderSyncObserver(previous);
  EXPECT_FALSE(QFileInfo::exists(first));
  EXPECT_EQ(synced, QStringList{program.path()});
}

}  // namespace
