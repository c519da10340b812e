// SPDX-License-Identifier: GPL-3.0-or-later
// A booklet's pages: the puzzles so many to a page, then the solutions
// twenty to a page.
#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QTemporaryDir>

#include "carnetimpression.h"
#include "generatebatch.h"
#include "storage/storagetest.h"

namespace {

int PagesOf(const QString& Pdf) {
  QFile file(Pdf);
  if (!file.open(QIODevice::ReadOnly)) return -1;
  return int(file.readAll().count("/Type /Page\n"));
}

TEST(Carnet, PuzzlesGoSoManyToAPageThenTheirSolutions) {
  BatchRequest request;
  request.Level = LevelFacile;
  request.Count = 21;
  request.Seed = 40;
  const std::vector<TGrille> puzzles = GenerateBatch(request);
  ASSERT_EQ(puzzles.size(), 21u);
  QTemporaryDir dir;
  // Per page: the pages of puzzles, then two of solutions (20 and 1).
  const struct { int PerPage, Pages; } cases[] = {{1, 21 + 2}, {2, 11 + 2}, {4, 6 + 2}, {6, 4 + 2}};
  for (const auto& c : cases) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("carnet%1.pdf").arg(c.PerPage)));
    ASSERT_TRUE(Carnet::PrintBooklet(printer, puzzles, LevelFacile, c.PerPage));
    EXPECT_EQ(PagesOf(printer.outputFileName()), c.Pages) << c.PerPage;
  }
}

// A booklet saved as a PDF: with room, it replaces an older one; on a full
// disk, over an older one or as a new file, the older one stays whole, no
// file of nothing is left, and the player is told why.
TEST(Carnet, APdfOnAFullDiskKeepsTheOlderBookletAndSaysWhy) {
  SmallFileSystem disk(256 * 1024);
  if (!disk.Mounted()) GTEST_SKIP() << "mounting a tmpfs is not permitted here";
  BatchRequest request;
  request.Count = 6;
  const std::vector<TGrille> puzzles = GenerateBatch(request);
  const QString older = disk.FilePath(QStringLiteral("ancien.pdf"));
  const QString fresh = disk.FilePath(QStringLiteral("nouveau.pdf"));
  ASSERT_TRUE(WriteBytes(older, "%PDF-1.4 ancien carnet %%EOF\n"));
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(older);
  ASSERT_TRUE(Carnet::SaveBookletPdf(printer, puzzles, LevelFacile, 4).Ok());
  EXPECT_EQ(PagesOf(older), 2 + 1);
  const QByteArray booklet = ReadBytes(older);
  ASSERT_TRUE(disk.Fill());
  for (const QString& path : {older, fresh}) {
    printer.setOutputFileName(path);
    EXPECT_EQ(Carnet::SaveBookletPdf(printer, puzzles, LevelFacile, 4).Message,
              QStringLiteral("Impossible d'écrire dans %1 (disque plein)").arg(path));
  }
  EXPECT_EQ(ReadBytes(older), booklet);
  EXPECT_FALSE(QFileInfo::exists(fresh));
}

}  // namespace
