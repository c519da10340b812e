// SPDX-License-Identifier: GPL-3.0-or-later
// Printing to PDF files: one job per copy, the grid in the top half of a
// portrait page or the left half of a landscape one, drawn as vectors.
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "gridview_test_util.h"
#include "storage/storagetest.h"

using namespace gridtest;

namespace {

struct PrintTest : ::testing::Test {
  QTemporaryDir Folder;
  TGrilleSudoku View;
  void SetUp() override {
    ASSERT_TRUE(Folder.isValid());
    Dress(View);
    View.LoadGrid(QString::fromLatin1(Puzzle), QString(), 1);
    for (int d : {1, 2, 5}) View.Grille().EnterDigit(5, 2, d, false, true);
    View.ShowErreur = true;
    View.SelRow = 5;
    View.SelCol = 5;
  }
  QString Path(const QString& Name) const { return Folder.filePath(Name); }
  void SetUpPrinter(QPrinter& Printer, const QString& File, QPageLayout::Orientation Orientation) {
    Printer.setOutputFormat(QPrinter::PdfFormat);
    Printer.setOutputFileName(File);
    Printer.setPageSize(QPageSize(QPageSize::A4));
    Printer.setPageOrientation(Orientation);
  }
  static QByteArray Read(const QString& File) {
    QFile f(File);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
};

// The page rendered by pdftoppm as a picture, or a null picture when the tool
// is not installed.
QImage RenderPage(const QString& Pdf, const QString& OutputBase, int Dpi) {
  const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
  if (tool.isEmpty()) return {};
  QProcess process;
  process.start(tool, {QStringLiteral("-r"), QString::number(Dpi), QStringLiteral("-png"),
                       QStringLiteral("-singlefile"), Pdf, OutputBase});
  if (!process.waitForFinished(60000) || process.exitCode() != 0) return {};
  return QImage(OutputBase + QStringLiteral(".png"));
}

// A PDF text string as Qt writes it: UTF-16 with its byte order mark, in parentheses.
QByteArray Utf16Title(const char* Title) {
  QByteArray bytes("/Title (\xFE\xFF");
  for (const char* c = Title; *c != 0; ++c) {
    bytes.append('\0');
    bytes.append(*c);
  }
  return bytes + ')';
}

// Pictures embedded in a PDF: none is drawn as an image object, and pdfimages
// (when installed) lists none.
int EmbeddedImages(const QByteArray& Pdf, const QString& File) {
  int count = int(Pdf.count("/Subtype /Image")) + int(Pdf.count("/Subtype/Image"));
  const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdfimages"));
  if (!tool.isEmpty()) {
    QProcess process;
    process.start(tool, {QStringLiteral("-list"), File});
    if (process.waitForFinished(60000)) {
      // Two heading lines, then one line per image.
      const QList<QByteArray> lines = process.readAllStandardOutput().trimmed().split('\n');
      count += std::max(0, int(lines.size()) - 2);
    }
  }
  return count;
}

// Bounding box of the pixels darker than light grey.
QRect InkBox(const QImage& Page) {
  int left = Page.width(), top = Page.height(), right = -1, bottom = -1;
  for (int y = 0; y < Page.height(); ++y)
    for (int x = 0; x < Page.width(); ++x)
      if (qGray(Page.pixel(x, y)) < 200) {
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
      }
  return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

// How far right the ink of the first two candidate lines of cell (1, Col)
// reaches, in grid units from the cell's left line, on a picture of the grid
// whose top-left corner is at Origin, Unit pixels to a grid unit. Only the
// columns short of Limit units (where the cell's right line begins) are read.
double NotesRightEdge(const QImage& Picture, QPointF Origin, double Unit, int Col, double Limit) {
  const double left = (Col - 1) * 40;
  double right = 0;
  for (int y = int(Origin.y() + 3 * Unit); y <= int(Origin.y() + 30 * Unit); ++y)
    for (int x = int(Origin.x() + (left + 2) * Unit); x < int(Origin.x() + (left + Limit) * Unit); ++x)
      if (qGray(Picture.pixel(x, y)) < 128) right = std::max(right, (x + 1 - Origin.x()) / Unit - left);
  return right;
}

}  // namespace

TEST(PrintSquare, PortraitPageUsesItsTopHalf) {
  EXPECT_EQ(TGrilleSudoku::PrintSquare(4800, 6800, false), QRect(1040, 340, 2720, 2720));
}

TEST(PrintSquare, LandscapePageUsesItsLeftHalf) {
  EXPECT_EQ(TGrilleSudoku::PrintSquare(6800, 4800, true), QRect(340, 1040, 2720, 2720));
}

TEST(PrintSquare, OddSizesHalveDownward) {
  // Half of 3001 is 1500; 80 % of 1001 is 800.
  EXPECT_EQ(TGrilleSudoku::PrintSquare(1001, 3001, false), QRect(100, 350, 800, 800));
  EXPECT_EQ(TGrilleSudoku::PrintSquare(3001, 1001, true), QRect(350, 100, 800, 800));
  EXPECT_EQ(TGrilleSudoku::PrintSquare(0, 0, false), QRect(0, 0, 0, 0));
}

TEST_F(PrintTest, NoCopiesStartsNoJob) {
  QPrinter printer(QPrinter::HighResolution);
  SetUpPrinter(printer, Path("none.pdf"), QPageLayout::Portrait);
  EXPECT_EQ(View.PrintGrid(0, printer), 0);
  EXPECT_EQ(View.PrintGrid(-2, printer), 0);
  EXPECT_FALSE(QFile::exists(Path("none.pdf")));
}

TEST_F(PrintTest, EachCopyIsAJobTitledOrvalis) {
  QPrinter printer(QPrinter::HighResolution);
  SetUpPrinter(printer, Path("copies.pdf"), QPageLayout::Portrait);
  printer.setCopyCount(3);
  printer.setDocName(QStringLiteral("autre"));
  EXPECT_EQ(View.PrintGrid(2, printer), 2);
  EXPECT_EQ(printer.docName(), QStringLiteral("Orvalis"));
  EXPECT_EQ(printer.copyCount(), 3);  // the caller's setting comes back
  const QByteArray pdf = Read(Path("copies.pdf"));
  ASSERT_TRUE(pdf.startsWith("%PDF"));
  // Each job wrote one page (the second job replaced the first file).
  EXPECT_EQ(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page "), 1);
  EXPECT_TRUE(pdf.contains("/Title (Orvalis)") || pdf.contains(Utf16Title("Orvalis"))) << "no document title";
}

// A PDF that cannot be written is told once (a full disk and an older file
// kept are the booklet's tests: the same writer).
TEST_F(PrintTest, AFailedPdfIsTold) {
  ErrorBoxRecorder told;
  QPrinter printer(QPrinter::HighResolution);
  const QString pdf = Path("missing/folder/grid.pdf");
  SetUpPrinter(printer, pdf, QPageLayout::Portrait);
  EXPECT_EQ(View.PrintGrid(2, printer), 0);
  EXPECT_EQ(told.Messages, QStringList{QStringLiteral("Impossible d'écrire dans %1 (dossier introuvable)").arg(pdf)});
  EXPECT_FALSE(QFile::exists(pdf));
}

TEST_F(PrintTest, PortraitPageHasAVectorGridInItsTopHalf) {
  QPrinter printer(QPrinter::HighResolution);
  const QString file = Path("portrait.pdf");
  SetUpPrinter(printer, file, QPageLayout::Portrait);
  ASSERT_EQ(View.PrintGrid(1, printer), 1);
  const QByteArray pdf = Read(file);
  ASSERT_TRUE(pdf.startsWith("%PDF"));
  EXPECT_EQ(EmbeddedImages(pdf, file), 0) << "the grid must be drawn, not pasted as a picture";
  EXPECT_TRUE(pdf.contains("/Font")) << "the digits are text";
  EXPECT_LT(pdf.size(), 200 * 1024);

  const QImage page = RenderPage(file, Path("portrait"), 50);
  if (page.isNull()) GTEST_SKIP() << "pdftoppm is not installed: the page picture is not checked";
  const QRect ink = InkBox(page);
  ASSERT_FALSE(ink.isNull());
  // Where the square should be, in page pixels at 50 dpi: the paint area starts
  // at the page margins.
  const QRectF paint = printer.pageLayout().paintRectPixels(50);
  const QRect square = TGrilleSudoku::PrintSquare(int(paint.width()), int(paint.height()), false);
  const QRectF expected = QRectF(square).translated(paint.topLeft());
  EXPECT_LT(ink.bottom(), page.height() / 2);
  EXPECT_NEAR(ink.left(), expected.left(), 2);
  EXPECT_NEAR(ink.top(), expected.top(), 2);
  EXPECT_NEAR(ink.right(), expected.right(), 2);
  EXPECT_NEAR(ink.bottom(), expected.bottom(), 2);
  // Centred across the page, and square.
  EXPECT_NEAR(ink.center().x(), page.width() / 2.0, 3);
  EXPECT_NEAR(ink.width(), ink.height(), 2);
  // The paper look: black lines and text on white, nothing in colour.
  int coloured = 0;
  for (int y = ink.top(); y <= ink.bottom(); ++y)
    for (int x = ink.left(); x <= ink.right(); ++x) {
      const QColor c = page.pixelColor(x, y);
      if (std::abs(c.red() - c.blue()) > 8 || std::abs(c.green() - c.blue()) > 8) ++coloured;
    }
  EXPECT_EQ(coloured, 0);
}

TEST_F(PrintTest, LandscapePageHasTheGridInItsLeftHalf) {
  QPrinter printer(QPrinter::HighResolution);
  const QString file = Path("landscape.pdf");
  SetUpPrinter(printer, file, QPageLayout::Landscape);
  ASSERT_EQ(View.PrintGrid(1, printer), 1);
  const QByteArray pdf = Read(file);
  EXPECT_EQ(EmbeddedImages(pdf, file), 0);
  const QImage page = RenderPage(file, Path("landscape"), 50);
  if (page.isNull()) GTEST_SKIP() << "pdftoppm is not installed: the page picture is not checked";
  ASSERT_GT(page.width(), page.height());
  const QRect ink = InkBox(page);
  ASSERT_FALSE(ink.isNull());
  EXPECT_LT(ink.right(), page.width() / 2);
  const QRectF paint = printer.pageLayout().paintRectPixels(50);
  const QRect square = TGrilleSudoku::PrintSquare(int(paint.width()), int(paint.height()), true);
  const QRectF expected = QRectF(square).translated(paint.topLeft());
  EXPECT_NEAR(ink.left(), expected.left(), 2);
  EXPECT_NEAR(ink.top(), expected.top(), 2);
  EXPECT_NEAR(ink.width(), expected.width(), 3);
  EXPECT_NEAR(ink.center().y(), page.height() / 2.0, 3);
}

TEST_F(PrintTest, PaperCellsScaleWithTheSquare) {
  // Thin and block lines at their places: sample the rendered page along the
  // middle of the first row of cells.
  QPrinter printer(QPrinter::HighResolution);
  const QString file = Path("lines.pdf");
  SetUpPrinter(printer, file, QPageLayout::Portrait);
  ASSERT_EQ(View.PrintGrid(1, printer), 1);
  const QImage page = RenderPage(file, Path("lines"), 150);
  if (page.isNull()) GTEST_SKIP() << "pdftoppm is not installed: the page picture is not checked";
  const QRect ink = InkBox(page);
  const double unit = ink.width() / 361.0;  // one pixel of the 361-pixel grid
  const int y = ink.top() + int(8 * unit);  // near the top of row 1, above its text
  for (int k = 1; k <= 8; ++k) {
    const int x = ink.left() + int(std::lround(k * 40 * unit));
    int darkest = 255;
    for (int dx = -2; dx <= 2; ++dx) darkest = std::min(darkest, qGray(page.pixel(x + dx, y)));
    EXPECT_LT(darkest, 128) << "line " << k;
    const int middle = ink.left() + int(std::lround((k * 40 - 20) * unit));
    EXPECT_GT(qGray(page.pixel(middle, y)), 230) << "cell " << k;
  }
}

TEST_F(PrintTest, ControlPrinterIsHighResolutionAndReused) {
  QPrinter& printer = View.Printer();
  EXPECT_EQ(&printer, &View.Printer());
  EXPECT_GE(printer.resolution(), 300);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(Path("own.pdf"));
  EXPECT_EQ(View.PrintGrid(1), 1);
  EXPECT_TRUE(QFile::exists(Path("own.pdf")));
}

TEST_F(PrintTest, LetterMarksStayInsideTheirCellsOnPaperAsOnThePicture) {
  // All nine marks in letters: "A-B-C-D" and "E-F-G-H" are the widest lines.
  // Cell (1, 3) ends at a block line, cell (1, 4) at a thin one.
  View.TypeBrique = tb_Lettre;
  for (int d = 1; d <= 9; ++d) {
    View.Grille().EnterDigit(1, 3, d, false, true);
    View.Grille().EnterDigit(1, 4, d, false, true);
  }
  QPrinter printer(QPrinter::HighResolution);
  const QString file = Path("lettres.pdf");
  SetUpPrinter(printer, file, QPageLayout::Portrait);
  ASSERT_EQ(View.PrintGrid(1, printer), 1);
  const QImage page = RenderPage(file, Path("lettres"), 300);
  if (page.isNull()) GTEST_SKIP() << "pdftoppm is not installed: the page picture is not checked";
  const QRect ink = InkBox(page);
  const double unit = ink.width() / 361.0;
  // The same grid on the 361-unit picture.
  QImage picture(TGridLook::PaperSize, TGridLook::PaperSize, QImage::Format_RGB32);
  QPainter painter(&picture);
  View.DrawGrid(painter, 40, 40, 20, 8, true);
  painter.end();
  for (int col : {3, 4}) {
    const double line = col % 3 == 0 ? 39 : 40;  // where the cell's right line begins
    const double onPaper = NotesRightEdge(page, ink.topLeft(), unit, col, line - 0.25);
    const double onPicture = NotesRightEdge(picture, QPointF(0, 0), 1.0, col, line);
    EXPECT_LT(onPaper, line - 0.5) << "column " << col << ": the marks run into the line on paper";
    EXPECT_NEAR(onPaper, onPicture, 1.0) << "column " << col;
  }
}
