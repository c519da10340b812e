// SPDX-License-Identifier: GPL-3.0-or-later
// Every write of the player's files on a disk that has no room left: a file
// system that is really full, and a limit on the size of files. Each write
// must say so, and leave the file exactly as it was.
#include <functional>
#include <vector>

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>

#include "dossiersauvegarde.h"
#include "fichier.h"
#include "options.h"
#include "scores.h"
#include "storagetest.h"

namespace {

const QString kGridText = QStringLiteral(
    "400000805030000000000700000020000060000080400000010000000603070500200000104000000|"
    "417369825632158947958724316825437169791586432346912758289643571573291684164875293|2|754|3");
const QDate kDay(2026, 12, 6);

// A saved-grid file of `count` grids, small enough for the whole file to wait
// in a write buffer. With a page size, one more line fills the last page of the
// file system, so that a single byte more needs a page a full disk does not have.
QByteArray SavedGrids(int count, int pageSize = 0) {
  QByteArray bytes;
  for (int i = 1; i <= count; ++i)
    bytes +=
        MakeRecordLine(QStringLiteral("Grille %1").arg(i), QStringLiteral("Noël"), kDay, kGridText).toLatin1() + "\r\n";
  if (pageSize > 0) bytes += QByteArray(pageSize - (bytes.size() + 2) % pageSize, 'x') + "\r\n";
  return bytes;
}

// A settings file as the game leaves it after a while: every setting and a
// full table at every level.
QByteArray SettingsAndScores() {
  QString text = QStringLiteral(
      "[general]\nAffichageChrono=1\nMauvaisEmplacementJeu=1\nErreurJeu=0\nDecaleAuto=1\n"
      "MauvaisEmplacementProbleme=1\nCouleurEmplacement=8388736\nCouleurErreur=255\n"
      "typebrique=1\ntypeecran=2\nFondEcran=fond.jpg\n\n\n[Scores]\n");
  for (int rank = 1; rank <= 10; ++rank)
    for (int level = 1; level <= 4; ++level)
      text += QStringLiteral("score%1_%2=%3\nscorenom%1_%2=Joueuse n°%2 Zoé\n")
                  .arg(level)
                  .arg(rank)
                  .arg(100 * level + 10 * rank);
  return text.toUtf8();
}

// One write of the game, on the files of a program folder.
struct Write {
  const char* What;
  QString File;       // relative to the program folder
  QByteArray Before;  // the file's bytes before the write; null: no file
  std::function<FileResult(const QString& programFolder, const QString& path)> Run;
};

std::vector<Write> Writes() {
  const QString ini = QStringLiteral("sudoku.ini");
  return {
      {"deleting a grid", QStringLiteral("Sauvegarde/grilles.orv"), SavedGrids(10),
       [](const QString& folder, const QString& path) {
         TFichier file;
         file.LoadFromFile(path);
         return TDossierSauvegarde(folder).DeleteRecord(path, file.Records[1]);
       }},
      {"adding a high score", ini, SettingsAndScores(),
       [](const QString&, const QString& path) { return TScores(path).AddScore(2, 5, QStringLiteral("Ana")); }},
      {"saving the settings", ini, SettingsAndScores(),
       [](const QString&, const QString& path) {
         TOptions options(path);
         options.Load();
         options.ErreurJeu = true;
         return options.Save();
       }},
      {"answering the screen question", ini, SettingsAndScores(),
       [](const QString&, const QString& path) { return TOptions(path).SaveScreenMode(false); }},
      {"saving a grid at the end of a file", QStringLiteral("Sauvegarde/grilles.orv"), SavedGrids(10, 4096),
       [](const QString& folder, const QString&) {
         return TDossierSauvegarde(folder).SaveGrid(QStringLiteral("grilles"), QStringLiteral("g"), QString(),
                                                    kGridText, kDay);
       }},
      {"saving a grid into a new file", QStringLiteral("Sauvegarde/nouveau.orv"), QByteArray(),
       [](const QString& folder, const QString&) {
         return TDossierSauvegarde(folder).SaveGrid(QStringLiteral("nouveau"), QStringLiteral("g"), QString(),
                                                    kGridText, kDay);
       }},
  };
}

// Puts the file in place in the program folder (with the folder "Sauvegarde").
void Prepare(const QString& programFolder, const Write& write) {
  ASSERT_TRUE(QDir(programFolder).mkpath(QStringLiteral("Sauvegarde")));
  if (!write.Before.isNull()) {
    ASSERT_TRUE(WriteBytes(QDir(programFolder).filePath(write.File), write.Before));
  }
}

QStringList Contents(const QString& programFolder) {
  const QDir::Filters all = QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot;
  return QDir(programFolder).entryList(all) +
         QDir(QDir(programFolder).filePath(QStringLiteral("Sauvegarde"))).entryList(all);
}

// The write failed, said so, and left the file and its folders as they were;
// the player is told through the general error box.
void ExpectRefusedAndUntouched(const FileResult& result, const QString& path, const Write& write,
                               const QStringList& contentsBefore, const QString& programFolder) {
  EXPECT_EQ(result.Status, FileStatus::WriteFailed);
  EXPECT_PRED2(SaysCannotWrite, result.Message, path);
  {
    ErrorBoxRecorder box;
    EXPECT_FALSE(ReportFileResult(result));
    EXPECT_PRED2(SaysCannotWriteOnce, box.Messages, path);
  }
  if (write.Before.isNull()) {
    EXPECT_FALSE(QFileInfo::exists(path));
  } else {
    const QByteArray after = ReadBytes(path);
    EXPECT_TRUE(after == write.Before) << "the file went from " << write.Before.size() << " to " << after.size()
                                       << " bytes";
  }
  EXPECT_EQ(Contents(programFolder), contentsBefore) << "a file was left or lost";
}

TEST(FullDisk, AReallyFullFileSystemRefusesEveryWriteAndKeepsTheFiles) {
  for (const Write& write : Writes()) {
    SCOPED_TRACE(write.What);
    SmallFileSystem disk(64 * 1024);
    if (!disk.Mounted()) GTEST_SKIP() << "mounting a tmpfs is not permitted here";
    ASSERT_NO_FATAL_FAILURE(Prepare(disk.Path(), write));
    ASSERT_TRUE(disk.Fill());
    const QString path = disk.FilePath(write.File);
    const QStringList before = Contents(disk.Path());
    ErrorBoxRecorder box;
    const FileResult result = write.Run(disk.Path(), path);
    ExpectRefusedAndUntouched(result, path, write, before, disk.Path());
    EXPECT_TRUE(result.Message.endsWith(QStringLiteral(" (disque plein)"))) << result.Message.toStdString();
    EXPECT_TRUE(box.Messages.isEmpty()) << "storage shows nothing itself";
  }
}

TEST(FullDisk, ASizeLimitBelowTheFileRefusesEveryWriteAndKeepsTheFiles) {
  for (const Write& write : Writes()) {
    SCOPED_TRACE(write.What);
    QTemporaryDir program;
    ASSERT_NO_FATAL_FAILURE(Prepare(program.path(), write));
    const QString path = program.filePath(write.File);
    const QStringList before = Contents(program.path());
    FileResult result;
    {
      // Half the file: the new file stops in its middle.
      FileSizeLimit limit(static_cast<rlim_t>(write.Before.size() / 2));
      if (!limit.Active()) GTEST_SKIP() << "cannot limit the size of files here";
      result = write.Run(program.path(), path);
    }
    ExpectRefusedAndUntouched(result, path, write, before, program.path());
  }
}

TEST(FullDisk, AFolderThatTakesNoFileRefusesEveryWriteAndKeepsTheFiles) {
  // Every write makes a new file beside the old one first: a folder where no
  // file may be added refuses them all, appending a grid included.
  for (const Write& write : Writes()) {
    SCOPED_TRACE(write.What);
    QTemporaryDir program;
    ASSERT_NO_FATAL_FAILURE(Prepare(program.path(), write));
    const QString path = program.filePath(write.File);
    const QStringList before = Contents(program.path());
    ImmutableFlag lockedProgram(program.path());
    ImmutableFlag lockedSaves(program.filePath(QStringLiteral("Sauvegarde")));
    if (!lockedProgram.Set() || !lockedSaves.Set()) GTEST_SKIP() << "the immutable flag is not available here";
    const FileResult result = write.Run(program.path(), path);
    ExpectRefusedAndUntouched(result, path, write, before, program.path());
  }
}

}  // namespace
