// SPDX-License-Identifier: GPL-3.0-or-later
// The pages of a booklet: the puzzles 1, 2, 4 or 6 to a page, each with its
// number and level above it, then pages of small solutions, twenty to a
// page; each grid drawn in the paper look (PaintGrid, griddrawing.h).
#pragma once

#include <QRect>
#include <vector>

#include "fileresult.h"

class QPrinter;
class TGrille;

namespace Carnet {

// The puzzles a page may hold, as the dialog offers them.
inline constexpr int PageChoices[] = {1, 2, 4, 6};
// Solutions on a page: four across, five down.
inline constexpr int SolutionColumns = 4;
inline constexpr int SolutionRows = 5;

// The place of the Index-th of Count places laid Columns across and Rows
// down on the page area (row by row), and the square of its grid in it,
// below the room of its caption.
QRect SlotRect(const QRect& Area, int Columns, int Rows, int Index);
QRect GridSquare(const QRect& Slot, int CaptionHeight);
// Columns and rows for 1, 2, 4 or 6 puzzles to a page.
void PageGrid(int PerPage, int& Columns, int& Rows);
// The pages of a booklet of Count puzzles, PerPage to a page: the first and
// the last page of the solutions, which follow the puzzles.
struct TSolutionPages {
  int First = 0;
  int Last = 0;
};
TSolutionPages SolutionPages(int Count, int PerPage);

// Nothing is printed closer than this to the paper's edges: home printers
// clip what comes nearer.
inline constexpr double MarginMm = 10.0;
// The part of the page a booklet uses, in the printer's painter coordinates:
// the paper less MarginMm on every side (and no more than the printer can
// print).
QRect PrintArea(const QPrinter& Printer);

// Prints the booklet as one job titled "Orvalis"; false when the printer
// could not be opened or a page could not be started.
bool PrintBooklet(QPrinter& Printer, const std::vector<TGrille>& Puzzles, int Level, int PerPage);

// The same into the printer's PDF file, written as a save is: into a
// temporary file, checked whole, then put in the older file's place. On
// failure the older file stays and the result says why ("Impossible d'écrire
// dans <file> (disque plein)").
FileResult SaveBookletPdf(QPrinter& Printer, const std::vector<TGrille>& Puzzles, int Level, int PerPage);

}  // namespace Carnet
