// SPDX-License-Identifier: GPL-3.0-or-later
// What screen readers hear of the grid: a table of 9 rows and 9 columns whose
// 81 cells each say their row, column, content and kind ("ligne 3, colonne 5,
// 7, donné"; "ligne 1, colonne 2, vide, notes 1 3 8"; "..., erreur"). The
// selected cell is the table's selected and, while the grid has the keyboard,
// focused cell. The grid control announces its changes (AnnounceCells,
// AnnounceSelection); the factory that gives the table to Qt's accessibility
// is installed by the control's first construction.
#pragma once

#include <QAccessible>
#include <QString>

class QAccessibleInterface;
class QObject;
class TGrilleSudoku;
struct TGridLook;
struct TGridState;

namespace GrilleAccessible {

// The table of a grid control, for QAccessible::installFactory.
QAccessibleInterface* Factory(const QString& ClassName, QObject* Object);
// What a cell says, row and column 1 to 9.
QString CellText(const TGrilleSudoku& Grid, int Row, int Col);
QString CellText(const TGridState& State, const TGridLook& Look, int Row, int Col);
// The grid's announcements go to Qt's accessibility, which passes them on
// while a screen reader listens (QAccessible::isActive). Listener, when set,
// hears each of them as well, whether a reader listens or not: a display
// without accessibility (the offscreen one of the tests) passes nothing on.
inline QAccessible::UpdateHandler Listener = nullptr;
bool Listening();
void Announce(QAccessibleEvent& Event);

// The cell's index among the table's children, row by row.
constexpr int ChildIndex(int Row, int Col) { return (Row - 1) * 9 + (Col - 1); }

}  // namespace GrilleAccessible
