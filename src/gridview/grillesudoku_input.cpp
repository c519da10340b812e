// SPDX-License-Identifier: GPL-3.0-or-later
// Selection, keyboard and mouse input, entries, undo and redo.
#include <QKeyEvent>
#include <QMouseEvent>
#include <algorithm>

#include "grillesudoku.h"

namespace {

bool IsArrow(int Key) {
  return Key == Qt::Key_Left || Key == Qt::Key_Right || Key == Qt::Key_Up || Key == Qt::Key_Down;
}

// The digit a key enters, or -1. Digits on the main row or the numeric pad,
// letters A to I whatever the grid shows, Backspace, Delete and 0 to erase. The
// main row is read by position as well: on a French keyboard it gives
// "&", "é", "\"" ... without Shift, and those keys still name 1 to 9 and 0.
int KeyDigit(const QKeyEvent& Event) {
  const int key = Event.key();
  if (key == Qt::Key_Backspace || key == Qt::Key_Delete || key == Qt::Key_0) return 0;
  if (key >= Qt::Key_1 && key <= Qt::Key_9) return key - Qt::Key_0;
  if (key >= Qt::Key_A && key <= Qt::Key_I) return key - Qt::Key_A + 1;
  // Keycodes 10 to 19 are the digit row "1" to "0" of every layout (X and Wayland).
  const quint32 code = Event.nativeScanCode();
  if (code >= 10 && code <= 19 && (Event.modifiers() & Qt::KeypadModifier) == 0) return code == 19 ? 0 : int(code) - 9;
  return -1;
}

}  // namespace

void TGrilleSudoku::KeepSelectionInGrid() {
  SelRow = std::clamp(SelRow, 1, 9);
  SelCol = std::clamp(SelCol, 1, 9);
}

int TGrilleSudoku::CellKind(int Row, int Col) const {
  int kind = 0;
  Grille().GetCellState(Row, Col, kind);
  return kind;
}

void TGrilleSudoku::StepSelection(int Key) {
  switch (Key) {
    case Qt::Key_Left:
      if (SelCol == 1) {
        SelCol = 9;
        SelRow = SelRow == 1 ? 9 : SelRow - 1;
      } else {
        --SelCol;
      }
      break;
    case Qt::Key_Right:
      if (SelCol == 9) {
        SelCol = 1;
        SelRow = SelRow == 9 ? 1 : SelRow + 1;
      } else {
        ++SelCol;
      }
      break;
    case Qt::Key_Up:
      SelRow = SelRow == 1 ? 9 : SelRow - 1;
      break;
    case Qt::Key_Down:
      SelRow = SelRow == 9 ? 1 : SelRow + 1;
      break;
    default:
      break;
  }
}

void TGrilleSudoku::MoveSelection(int Key) {
  KeepSelectionInGrid();
  const int startRow = SelRow;
  const int startCol = SelCol;
  // While playing, walk on over givens; stop on a free cell or back at the start.
  do {
    StepSelection(Key);
  } while (GameMode() && CellKind(SelRow, SelCol) == KindGiven && (SelRow != startRow || SelCol != startCol));
}

bool TGrilleSudoku::event(QEvent* Event) {
  // The arrow keys belong to the grid, before any shortcut, and so do Ctrl
  // with the keys of a pencil mark (the "-" of a French keyboard is the key of
  // 6); Tab and Enter keep their usual meaning.
  if (Event->type() == QEvent::ShortcutOverride) {
    auto* key = static_cast<QKeyEvent*>(Event);
    if (IsArrow(key->key()) || (KeyDigit(*key) >= 0 && (key->modifiers() & Qt::ControlModifier) != 0)) {
      Event->accept();
      return true;
    }
  }
  return QWidget::event(Event);
}

void TGrilleSudoku::keyPressEvent(QKeyEvent* Event) {
  const int key = Event->key();
  const int digit = KeyDigit(*Event);
  if (key == Qt::Key_Space && Saisie_.DigitFirst()) {
    Event->accept();
    PlayChosenAtSelection((Event->modifiers() & Qt::ControlModifier) != 0);
    return;
  }
  if (digit < 0 && !IsArrow(key)) {
    QWidget::keyPressEvent(Event);  // not ours: the parent may use it
    return;
  }
  Event->accept();
  if (digit >= 0 && Saisie_.DigitFirst()) {
    ChooseDigit(digit);
    return;
  }
  if (digit >= 0) {
    EnterAtSelection(digit, (Event->modifiers() & Qt::ControlModifier) != 0);
    return;
  }
  MoveSelection(key);
  AnnounceSelection();
  update();
}

void TGrilleSudoku::CellAtPoint(int X, int Y, int& Col, int& Row) const {
  // The outermost pixel column and row (X = 9 * W, Y = 9 * H) belong to the last
  // cells, not to a tenth one.
  Col = std::clamp(X / LargeurCase_ + 1, 1, 9);
  Row = std::clamp(Y / HauteurCase_ + 1, 1, 9);
}

void TGrilleSudoku::mousePressEvent(QMouseEvent* Event) {
  Event->accept();
  const QPoint at = Event->position().toPoint();
  int col = 0;
  int row = 0;
  CellAtPoint(std::max(0, at.x()), std::max(0, at.y()), col, row);
  if (!GameMode() || CellKind(row, col) != KindGiven) {
    SelRow = row;
    SelCol = col;
    // Digit first: the click plays the chosen digit; the right button or
    // Ctrl toggles its mark.
    if (Saisie_.DigitFirst())
      PlayChosenAtSelection(Event->button() == Qt::RightButton || (Event->modifiers() & Qt::ControlModifier) != 0);
    update();
  }
  setFocus(Qt::MouseFocusReason);
  // The cell clicked is the one a reader lands on, focused now.
  AnnounceSelection(true);
}

void TGrilleSudoku::focusInEvent(QFocusEvent* Event) {
  QWidget::focusInEvent(Event);
  // After the grid's own focus event: the reader lands on the cell.
  QMetaObject::invokeMethod(
      this, [this] { AnnounceSelection(true); }, Qt::QueuedConnection);
}

void TGrilleSudoku::EnterAtSelection(int Digit, bool NoteKey) {
  if (Digit < 0 || Digit > 9) return;
  KeepSelectionInGrid();
  // The game refuses what changes nothing, and a given while playing (the
  // selection can stand on one after a typed-in puzzle becomes the game).
  // When the entry completes the grid, OnComplete runs before the selection
  // moves on.
  ShowEntry(Partie_.Enter(SelRow, SelCol, Digit, NoteKey || NoteMode), Digit);
}

void TGrilleSudoku::ShowEntry(const TEntryResult& Result, int Digit) {
  if (Result.Refused) {
    Refused_ = {SelRow, SelCol, Digit};
    RefusedFlash_.start();
    emit EntryRefused();
  } else if (TabAuto && !Saisie_.DigitFirst()) {
    MoveSelection(Qt::Key_Right);
    AnnounceSelection();
  }
  update();
}

void TGrilleSudoku::SetSaisieMode(TSaisieMode Mode) {
  const std::optional<int> before = Saisie_.Chosen();
  Saisie_.SetMode(Mode);
  if (Saisie_.Chosen() != before) emit ChosenChanged(-1);
  update();
}

void TGrilleSudoku::ChooseDigit(int Digit) {
  if (!Saisie_.DigitFirst()) return;
  emit ChosenChanged(Saisie_.Choose(Digit).value_or(-1));
  update();
}

void TGrilleSudoku::PlayChosenAtSelection(bool NoteKey) {
  KeepSelectionInGrid();
  const std::optional<int> chosen = Saisie_.Chosen();
  if (!chosen) return;
  ShowEntry(Saisie_.PlayAt(Partie_, SelRow, SelCol, NoteKey || NoteMode), *chosen);
}

void TGrilleSudoku::Undo() {
  if (const std::optional<TMove> move = Partie_.Undo(); move && move->Row != 0) {
    SelRow = move->Row;
    SelCol = move->Col;
    AnnounceSelection();
    update();
  }
}

void TGrilleSudoku::Redo() {
  if (const std::optional<TMove> move = Partie_.Redo(); move && move->Row != 0) {
    SelRow = move->Row;
    SelCol = move->Col;
    AnnounceSelection();
    update();
  }
}

void TGrilleSudoku::ResetView() {
  Partie_.ForgetHistory();
  ResetSelection();
}

void TGrilleSudoku::ResetSelection() {
  SelRow = 1;
  SelCol = 1;
  if (CellKind(1, 1) != KindPlain) MoveSelection(Qt::Key_Right);
  AnnounceSelection();
}
