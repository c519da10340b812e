// SPDX-License-Identifier: GPL-3.0-or-later
#include "carnetimpression.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <algorithm>

#include "filewrite.h"
#include "griddrawing.h"
#include "grille.h"
#include "jeux_shared.h"
#include "look.h"

namespace Carnet {

namespace {

// Room between the places, and under the grids for the page's foot, as
// parts of the page's shorter side.
constexpr double GapShare = 0.04;
constexpr double FootShare = 0.04;
constexpr int PuzzleCaptionPoints = 12;
constexpr int SolutionCaptionPoints = 8;
constexpr int FootPoints = 8;

std::string Cells(const ByteArray& Digits) {
  std::string text(81, '0');
  for (std::size_t i = 0; i < text.size(); ++i) text[i] = char('0' + Digits[i]);
  return text;
}

// One grid with its caption centred above it, in the paper look.
void DrawPlace(QPainter& Painter, const TGridState& Grid, const QRect& Slot, const QString& Caption,
               const QFont& Font) {
  Painter.setFont(Font);
  Painter.setPen(Qt::black);
  const int captionHeight = QFontMetrics(Font, Painter.device()).height() * 3 / 2;
  const QRect square = GridSquare(Slot, captionHeight);
  Painter.drawText(QRect(Slot.left(), square.top() - captionHeight, Slot.width(), captionHeight),
                   Qt::AlignHCenter | Qt::AlignVCenter, Caption);
  PaintGridInSquare(Painter, Grid, TGridLook::Paper(tb_Chiffre, Qt::black, false), square);
}

void DrawFoot(QPainter& Painter, const QRect& Page, int Foot, int Number) {
  QFont font = Look::PixelFont(Look::GridFamily, 10);
  font.setPointSize(FootPoints);
  Painter.setFont(font);
  Painter.drawText(QRect(Page.left(), Page.bottom() - Foot, Page.width(), Foot), Qt::AlignCenter,
                   QCoreApplication::translate("Carnet", "Carnet Orvalis · page %1").arg(Number));
}

}  // namespace

void PageGrid(int PerPage, int& Columns, int& Rows) {
  Columns = PerPage >= 4 ? 2 : 1;
  Rows = std::max(1, PerPage / Columns);
}

TSolutionPages SolutionPages(int Count, int PerPage) {
  const int perSolutionPage = SolutionColumns * SolutionRows;
  const int puzzlePages = (std::max(1, Count) + std::max(1, PerPage) - 1) / std::max(1, PerPage);
  const int solutionPages = (std::max(1, Count) + perSolutionPage - 1) / perSolutionPage;
  return {puzzlePages + 1, puzzlePages + solutionPages};
}

QRect PrintArea(const QPrinter& Printer) {
  const int resolution = Printer.resolution();
  const QPageLayout layout = Printer.pageLayout();
  const QRect paper = layout.fullRectPixels(resolution);
  const QRect printable = layout.paintRectPixels(resolution);
  const int margin = qRound(MarginMm / 25.4 * resolution);
  return paper.adjusted(margin, margin, -margin, -margin).intersected(printable).translated(-printable.topLeft());
}

QRect SlotRect(const QRect& Area, int Columns, int Rows, int Index) {
  const int gap = int(std::min(Area.width(), Area.height()) * GapShare);
  const int width = (Area.width() - (Columns - 1) * gap) / Columns;
  const int height = (Area.height() - (Rows - 1) * gap) / Rows;
  const int column = Index % Columns;
  const int row = (Index / Columns) % Rows;
  return {Area.left() + column * (width + gap), Area.top() + row * (height + gap), width, height};
}

QRect GridSquare(const QRect& Slot, int CaptionHeight) {
  const int side = std::max(0, std::min(Slot.width(), Slot.height() - CaptionHeight));
  return {Slot.left() + (Slot.width() - side) / 2, Slot.top() + CaptionHeight, side, side};
}

bool PrintBooklet(QPrinter& Printer, const std::vector<TGrille>& Puzzles, int Level, int PerPage) {
  Printer.setDocName(QStringLiteral("Orvalis"));
  QPainter painter;
  if (Puzzles.empty() || !painter.begin(&Printer)) return false;
  const QRect page = PrintArea(Printer);
  const int foot = int(std::min(page.width(), page.height()) * FootShare);
  const QRect area = page.adjusted(0, 0, 0, -foot);
  const QString levelName = Level >= LevelFacile && Level <= HighestLevel ? Jeux::ShownLevelName(Level) : QString();
  QFont puzzleFont = Look::PixelFont(Look::GridFamily, 10, true);
  puzzleFont.setPointSize(PuzzleCaptionPoints);
  QFont solutionFont = Look::PixelFont(Look::GridFamily, 10);
  solutionFont.setPointSize(SolutionCaptionPoints);

  int columns = 1, rows = 1;
  PageGrid(PerPage, columns, rows);
  const int count = int(Puzzles.size());
  int pageNumber = 1;
  const auto nextPage = [&] {
    DrawFoot(painter, page, foot, pageNumber++);
    return Printer.newPage();
  };
  for (int k = 0; k < count; ++k) {
    if (k > 0 && k % (columns * rows) == 0 && !nextPage()) return false;
    DrawPlace(painter, TGridState::FromText(Cells(Puzzles[std::size_t(k)].Givens), {}),
              SlotRect(area, columns, rows, k),
              QCoreApplication::translate("Carnet", "Grille n° %1 · %2").arg(k + 1).arg(levelName), puzzleFont);
  }
  // The solutions, small, from a page of their own.
  const int perSolutionPage = SolutionColumns * SolutionRows;
  for (int k = 0; k < count; ++k) {
    if (k % perSolutionPage == 0 && !nextPage()) return false;
    const TGrille& puzzle = Puzzles[std::size_t(k)];
    DrawPlace(painter, TGridState::FromText(Cells(puzzle.Givens), DigitsText(puzzle.Solution)),
              SlotRect(area, SolutionColumns, SolutionRows, k),
              QCoreApplication::translate("Carnet", "Solution n° %1").arg(k + 1), solutionFont);
  }
  DrawFoot(painter, page, foot, pageNumber);
  return painter.end();
}

FileResult SaveBookletPdf(QPrinter& Printer, const std::vector<TGrille>& Puzzles, int Level, int PerPage) {
  const QString target = Printer.outputFileName();
  const FileResult saved = WriteThroughTemporary(
      target,
      [&](const QString& Temporary) {
        Printer.setOutputFileName(Temporary);
        return PrintBooklet(Printer, Puzzles, Level, PerPage);
      },
      IsWholePdf);
  Printer.setOutputFileName(target);
  return saved;
}

}  // namespace Carnet
