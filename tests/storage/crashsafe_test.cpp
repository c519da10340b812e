// SPDX-License-Identifier: GPL-3.0-or-later
// The player's files when the game is killed while it writes them: a child
// process saves the settings and the high scores into "sudoku.ini" and
// appends grids to a ".orv" file, over and over, and is killed with SIGKILL at
// a random moment, a thousand times. Each file must then hold exactly what one
// of the saves left: the content before the save that was cut, or after it;
// never a part of a save, never nothing.
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <random>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include "dossiersauvegarde.h"
#include "options.h"
#include "scores.h"
#include "storagetest.h"

namespace {

constexpr int Kills = 1000;
// The saves of one child: enough to outlast the latest kill.
constexpr int Versions = 120;
const QDate kDay(2026, 12, 6);
const QString kGridText = QStringLiteral(
    "400000805030000000000700000020000060000080400000010000000603070500200000104000000|"
    "417369825632158947958724316825437169791586432346912758289643571573291684164875293|2|754|3");

// Save number v (from 1): the settings when v is odd, a high score when it is
// even; then the grid v at the end of the saved-grid file, one grid in four
// with a description of several pages, so that its write spans pages.
void SaveVersion(const QString& ini, const QString& programFolder, int v) {
  if (v % 2 == 1) {
    TOptions options(ini);
    options.Load();
    options.CouleurErreur = std::uint32_t(v);
    options.FondEcran = QStringLiteral("fond%1.jpg").arg(v);
    options.ErreurJeu = !options.ErreurJeu;
    (void)options.Save();
  } else {
    TScores scores(ini);
    (void)scores.AddScore(1 + v % 4, 10000 - v, QStringLiteral("Joueuse n°%1").arg(v));
  }
  const QString description = v % 4 == 0 ? QString(12000, QChar(u'a' + v % 26)) : QStringLiteral("courte");
  (void)TDossierSauvegarde(programFolder)
      .SaveGrid(QStringLiteral("tuee"), QStringLiteral("Grille %1").arg(v), description, kGridText, kDay);
}

// Where a child stands, in memory it shares with the parent.
struct Progress {
  std::atomic<int> Version;  // the save under way (0 before the first)
  std::atomic<int> Saving;   // 1 while a save is under way
};

class CrashSafeTest : public ::testing::Test {
 protected:
  CrashSafeTest() {
    // Memory files when there are: a kill costs the same, and a thousand
    // rounds of saves are not slowed by the disk's flushes.
    if (QFileInfo(QStringLiteral("/dev/shm")).isWritable())
      folder_ = std::make_unique<QTemporaryDir>(QStringLiteral("/dev/shm/orvalis-crashsafe-XXXXXX"));
    else
      folder_ = std::make_unique<QTemporaryDir>();
    program_ = folder_->path();
    ini_ = QDir(program_).filePath(QStringLiteral("sudoku.ini"));
    orv_ = QDir(program_).filePath(QStringLiteral("Sauvegarde/tuee.orv"));
  }

  // Each file's content after every save, made once in a folder of its own
  // with the same code.
  void RecordVersions() {
    QTemporaryDir scratch;
    const QString ini = QDir(scratch.path()).filePath(QStringLiteral("sudoku.ini"));
    const QString orv = QDir(scratch.path()).filePath(QStringLiteral("Sauvegarde/tuee.orv"));
    for (int v = 0; v <= Versions; ++v) {
      if (v > 0) SaveVersion(ini, scratch.path(), v);
      iniVersions_.push_back(ReadBytes(ini));
      orvVersions_.push_back(ReadBytes(orv));
    }
  }

  std::unique_ptr<QTemporaryDir> folder_;
  QString program_, ini_, orv_;
  std::vector<QByteArray> iniVersions_, orvVersions_;
};

// The version whose content the file holds, or -1.
int VersionOf(const QByteArray& bytes, const std::vector<QByteArray>& versions) {
  for (int v = int(versions.size()) - 1; v >= 0; --v)
    if (versions[std::size_t(v)] == bytes) return v;
  return -1;
}

TEST_F(CrashSafeTest, AThousandKillsWhileSavingLeaveEachFileWholeOldOrNew) {
  RecordVersions();
  ASSERT_FALSE(iniVersions_[1].isEmpty());
  ASSERT_FALSE(orvVersions_[1].isEmpty());
  // The files as a player has them before the first save: a first version.
  const QByteArray iniStart = iniVersions_[1];
  const QByteArray orvStart = orvVersions_[1];

  auto* progress = static_cast<Progress*>(
      ::mmap(nullptr, sizeof(Progress), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0));
  ASSERT_NE(progress, MAP_FAILED);
  std::mt19937 random(20261206);
  int insideSave = 0, iniCut = 0, orvCut = 0, lastVersion = 0, leftOver = 0;
  for (int kill = 0; kill < Kills; ++kill) {
    ASSERT_TRUE(QDir(program_).mkpath(QStringLiteral("Sauvegarde")));
    ASSERT_TRUE(WriteBytes(ini_, iniStart));
    ASSERT_TRUE(WriteBytes(orv_, orvStart));
    progress->Version = 0;
    progress->Saving = 0;

    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      for (int v = 2; v <= Versions; ++v) {
        progress->Version.store(v);
        progress->Saving.store(1);
        SaveVersion(ini_, program_, v);
        progress->Saving.store(0);
      }
      ::pause();  // outlasted every kill moment: wait for it
      ::_exit(0);
    }
    // Started, then killed a random moment later, within its first dozen saves.
    while (progress->Version.load() == 0) std::this_thread::yield();
    std::this_thread::sleep_for(std::chrono::microseconds(random() % 3000));
    const bool saving = progress->Saving.load() == 1;
    lastVersion = progress->Version.load();
    ASSERT_EQ(::kill(child, SIGKILL), 0);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the child ended by itself: its saves ran out before the kill";
    insideSave += saving;

    const int iniVersion = VersionOf(ReadBytes(ini_), iniVersions_);
    const int orvVersion = VersionOf(ReadBytes(orv_), orvVersions_);
    ASSERT_GE(iniVersion, 1) << "kill " << kill << ": \"sudoku.ini\" is not what any save left ("
                             << ReadBytes(ini_).size() << " bytes)";
    ASSERT_GE(orvVersion, 1) << "kill " << kill << ": the saved grids are not what any save left ("
                             << ReadBytes(orv_).size() << " bytes)";
    // A save cut by the kill left its file as it was before that save.
    iniCut += saving && iniVersion + 1 == lastVersion;
    orvCut += saving && orvVersion + 1 == lastVersion;
    // What a kill leaves besides: the new file a replacement was writing.
    for (const QString& sub : {QString(), QStringLiteral("Sauvegarde")}) {
      QDir dir(QDir(program_).filePath(sub));
      for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden)) {
        if (name == QStringLiteral("sudoku.ini") || name == QStringLiteral("tuee.orv")) continue;
        ++leftOver;
        dir.remove(name);
      }
    }
  }
  ::munmap(progress, sizeof(Progress));
  std::printf(
      "%d kills, %d inside a save; the save under way had not yet replaced \"sudoku.ini\" %d times, "
      "nor added its grid %d times; %d unfinished new files left beside them\n",
      Kills, insideSave, iniCut, orvCut, leftOver);
  // The kills fell inside saves, and cut some of them (not all before or after).
  EXPECT_GT(insideSave, Kills / 2);
  EXPECT_GT(orvCut, 0);
}

}  // namespace
