// SPDX-License-Identifier: GPL-3.0-or-later
#include "fichiers.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "storagetest.h"

namespace {

class TFichiersTest : public ::testing::Test {
 protected:
  QTemporaryDir dir;
  QString a = dir.filePath(QStringLiteral("A.orv"));
  QString b = dir.filePath(QStringLiteral("B.orv"));

  void SetUp() override {
    ASSERT_TRUE(WriteBytes(a, "a1|d|01/01/2026|g|h|1|2|3\r\na2|d|02/01/2026|g|h|1|2|3\r\n"));
    ASSERT_TRUE(WriteBytes(b, "b1|d|03/01/2026|g|h|1|2|3\r\n"));
  }

  static QStringList List(const TFichier& file) {
    QStringList list;
    file.FillList(list);
    return list;
  }
};

TEST_F(TFichiersTest, AddFileReplacesTheEntryOfTheSamePath) {
  TFichiers cache;
  TFichier& first = cache.AddFile(a);
  QString line = QStringLiteral("x|d|01/01/2026|g|h|1|2|3");
  first.ParseLine(line);
  EXPECT_EQ(cache.FindFile(a), &first);
  TFichier& second = cache.AddFile(a);
  EXPECT_EQ(cache.FindFile(a), &second);
  EXPECT_EQ(cache.FindFile(a)->Count(), 0);
  EXPECT_EQ(cache.Count(), 1);
  EXPECT_EQ(cache.FindFile(b), nullptr);
}

TEST_F(TFichiersTest, PathsDifferingInCaseAreDifferentFiles) {
  const QString lower = dir.filePath(QStringLiteral("a.orv"));
  ASSERT_TRUE(WriteBytes(lower, "minuscule|d|09/09/2026|g|h|1|2|3\r\n"));
  TFichiers cache;
  EXPECT_EQ(List(cache.GetFile(a, false).File),
            QStringList({QStringLiteral("a1(01/01/2026)"), QStringLiteral("a2(02/01/2026)")}));
  EXPECT_EQ(cache.FindFile(lower), nullptr);
  EXPECT_EQ(List(cache.GetFile(lower, false).File), QStringList{QStringLiteral("minuscule(09/09/2026)")});
  EXPECT_EQ(cache.Count(), 2);
}

TEST_F(TFichiersTest, AFileChosenAgainComesFromTheCacheUnlessReloaded) {
  TFichiers cache;
  EXPECT_EQ(List(cache.GetFile(a, false).File).size(), 2);
  EXPECT_EQ(List(cache.GetFile(b, false).File), QStringList{QStringLiteral("b1(03/01/2026)")});
  // A, then B, then A again lists only A's grids each time.
  ASSERT_TRUE(WriteBytes(a, "nouveau|d|05/01/2026|g|h|1|2|3\r\n"));
  EXPECT_EQ(List(cache.GetFile(a, false).File),
            QStringList({QStringLiteral("a1(01/01/2026)"), QStringLiteral("a2(02/01/2026)")}));
  // After a deletion the dialog reads the file again.
  EXPECT_EQ(List(cache.GetFile(a, true).File), QStringList{QStringLiteral("nouveau(05/01/2026)")});
  EXPECT_EQ(cache.Count(), 2);
}

TEST_F(TFichiersTest, AMissingFileGivesAnEmptyListAndSaysSo) {
  TFichiers cache;
  const TFichiers::Listed listed = cache.GetFile(dir.filePath(QStringLiteral("absent.orv")), false);
  EXPECT_EQ(listed.File.Count(), 0);
  EXPECT_EQ(listed.Result.Status, FileStatus::ReadFailed);
  EXPECT_NE(cache.FindFile(dir.filePath(QStringLiteral("absent.orv"))), nullptr);
}

}  // namespace
