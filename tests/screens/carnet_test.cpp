// SPDX-License-Identifier: GPL-3.0-or-later
// A booklet's pages: the puzzles so many to a page, then the solutions
// twenty to a page.
#include <gtest/gtest.h>

#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>

#include "carnetimpression.h"
#include "generatebatch.h"

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

}  // namespace
