// SPDX-License-Identifier: GPL-3.0-or-later
// A booklet's pages: the puzzles so many to a page, then the solutions
// twenty to a page.
#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QPageLayout>
#include <QPrinter>
#include <QTemporaryDir>
#include <algorithm>
#include <tuple>

#include <QAbstractButton>
#include <QButtonGroup>
#include <QLabel>
#include <QSpinBox>

#include "carnet.h"
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
    // What the dialog says of them.
    EXPECT_EQ(Carnet::SolutionPages(21, c.PerPage).First, c.Pages - 1) << c.PerPage;
    EXPECT_EQ(Carnet::SolutionPages(21, c.PerPage).Last, c.Pages) << c.PerPage;
  }
}

TEST(Carnet, TheDialogSaysOnWhichPagesTheSolutionsCome) {
  Tf_Carnet dialog(LevelFacile);
  for (const auto& [count, perPage, where] :
       {std::tuple(200, 1, "solutions des pages 201 à 210."), std::tuple(12, 4, "solutions en page 4.")}) {
    dialog.se_Nombre->setValue(count);
    dialog.ParPage->button(perPage)->click();
    EXPECT_TRUE(dialog.Label1->text().endsWith(QString::fromUtf8(where))) << dialog.Label1->text().toStdString();
  }
}

// Whatever the paper and the printer's own margins, nothing comes nearer
// than 10 mm to the paper's edges, nor goes where the printer cannot print.
TEST(Carnet, PagesKeepTenMillimetresFromTheEdges) {
  for (const auto& [size, marginMm, fullPage] :
       {std::tuple(QPageSize::A4, 0.0, true), std::tuple(QPageSize::Letter, 3.0, false),
        std::tuple(QPageSize::A5, 25.0, false)}) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setFullPage(fullPage);
    printer.setPageLayout(QPageLayout(QPageSize(size), QPageLayout::Portrait,
                                      QMarginsF(marginMm, marginMm, marginMm, marginMm), QPageLayout::Millimeter));
    const QRect area = Carnet::PrintArea(printer);
    const QRect printable = printer.pageLayout().paintRectPixels(printer.resolution());
    const QRect paper = printer.pageLayout().fullRectPixels(printer.resolution()).translated(-printable.topLeft());
    const int nearest = std::min({area.left() - paper.left(), area.top() - paper.top(), paper.right() - area.right(),
                                  paper.bottom() - area.bottom()});
    EXPECT_GE(nearest * 25.4 / printer.resolution(), 9.9) << marginMm;
    EXPECT_TRUE(QRect(QPoint(0, 0), printable.size()).contains(area)) << marginMm;
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
