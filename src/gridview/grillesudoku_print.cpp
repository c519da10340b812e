// SPDX-License-Identifier: GPL-3.0-or-later
// Printing: one job per copy, the paper look drawn at 361 units through a
// scaled painter, so that the page gets sharp lines and text instead of a
// stretched picture.
#include <QPainter>
#include <QPrinter>
#include <algorithm>

#include "filewrite.h"
#include "grillesudoku.h"

QRect TGrilleSudoku::PrintSquare(int PageWidth, int PageHeight, bool Landscape) {
  int wp = PageWidth;
  int hp = PageHeight;
  if (Landscape)
    wp /= 2;  // left half
  else
    hp /= 2;  // top half
  const int side = std::min(wp, hp) * 8 / 10;
  return {(wp - side) / 2, (hp - side) / 2, side, side};
}

QPrinter& TGrilleSudoku::Printer() {
  if (!Printer_) Printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
  return *Printer_;
}

int TGrilleSudoku::PrintGrid(int Copies) { return PrintGrid(Copies, Printer()); }

int TGrilleSudoku::PrintGrid(int Copies, QPrinter& Printer) {
  if (Copies <= 0) return 0;
  const bool landscape = Printer.pageLayout().orientation() == QPageLayout::Landscape;
  const QRect square = PrintSquare(Printer.width(), Printer.height(), landscape);
  if (square.width() <= 0) return 0;
  // Each copy is a job of its own: the printer must not repeat a job itself.
  const int printerCopies = Printer.copyCount();
  Printer.setCopyCount(1);
  Printer.setDocName(QStringLiteral("Orvalis"));
  const auto printJob = [&] {
    QPainter painter;
    if (!painter.begin(&Printer)) return false;
    PaintGridInSquare(painter, State(), TGridLook::Paper(TypeBrique, CouleurTrait_, ShowAllCandidates_), square);
    return painter.end();
  };
  // A PDF file is written as a save is: a failure keeps the older file and
  // is told.
  const QString pdf = Printer.outputFormat() == QPrinter::PdfFormat ? Printer.outputFileName() : QString();
  const auto savePdf = [&] {
    const FileResult saved = WriteThroughTemporary(
        pdf,
        [&](const QString& Temporary) {
          Printer.setOutputFileName(Temporary);
          return printJob();
        },
        IsWholePdf);
    Printer.setOutputFileName(pdf);
    return ReportFileResult(saved);
  };
  int printed = 0;
  for (int copy = 0; copy < Copies; ++copy) {
    if (pdf.isEmpty() ? printJob() : savePdf())
      ++printed;
    else if (!pdf.isEmpty())
      break;  // told once; a failed printer job lets the next one try
  }
  Printer.setCopyCount(printerCopies);
  return printed;
}
