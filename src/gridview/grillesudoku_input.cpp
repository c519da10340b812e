// Selection, keyboard and mouse input, entries, the undo and redo stacks, and
// the tidying of pencil marks.
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
  if (code >= 10 && code <= 19 && (Event.modifiers() & Qt::KeypadModifier) == 0)
    return code == 19 ? 0 : int(code) - 9;
  return -1;
}

}  // namespace

void TGrilleSudoku::KeepSelectionInGrid() {
  SelRow = std::clamp(SelRow, 1, 9);
  SelCol = std::clamp(SelCol, 1, 9);
}

int TGrilleSudoku::CellKind(int Row, int Col) const {
  int kind = 0;
  Grille_->GetCellState(Row, Col, kind);
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
  } while (GameMode && CellKind(SelRow, SelCol) == KindGiven && (SelRow != startRow || SelCol != startCol));
}

bool TGrilleSudoku::event(QEvent* Event) {
  // The arrow keys belong to the grid, before any shortcut; Tab and Enter keep
  // their usual meaning.
  if (Event->type() == QEvent::ShortcutOverride) {
    auto* key = static_cast<QKeyEvent*>(Event);
    if (IsArrow(key->key())) {
      Event->accept();
      return true;
    }
  }
  return QWidget::event(Event);
}

void TGrilleSudoku::keyPressEvent(QKeyEvent* Event) {
  const int key = Event->key();
  const int digit = KeyDigit(*Event);
  if (digit < 0 && !IsArrow(key)) {
    QWidget::keyPressEvent(Event);  // not ours: the parent may use it
    return;
  }
  Event->accept();
  if (digit >= 0) {
    EnterAtSelection(digit, (Event->modifiers() & Qt::ControlModifier) != 0);
    return;
  }
  MoveSelection(key);
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
  if (!GameMode || CellKind(row, col) != KindGiven) {
    SelRow = row;
    SelCol = col;
    update();
  }
  setFocus(Qt::MouseFocusReason);
}

void TGrilleSudoku::PushUndo(int Row, int Col, int Digit, int Previous) {
  UndoStack_.push_back({std::uint8_t(Row), std::uint8_t(Col), std::uint8_t(Digit), std::uint8_t(Previous)});
  RedoStack_.clear();
}

std::array<std::pair<int, int>, 20> TGrilleSudoku::Peers(int Row, int Col) {
  std::array<std::pair<int, int>, 20> peers{};
  std::size_t n = 0;
  for (int col = 1; col <= 9; ++col)
    if (col != Col) peers[n++] = {Row, col};
  for (int row = 1; row <= 9; ++row)
    if (row != Row) peers[n++] = {row, Col};
  for (int row = BandStart(Row); row < BandStart(Row) + 3; ++row)
    for (int col = BandStart(Col); col < BandStart(Col) + 3; ++col)
      if (row != Row && col != Col) peers[n++] = {row, col};
  return peers;
}

void TGrilleSudoku::TidyNotes(int Row, int Col, int Digit) {
  if (!EffaceNotes || !GameMode || Digit < 1 || Digit > 9 || UndoStack_.empty()) return;
  const auto bit = std::uint16_t(1u << (Digit - 1));
  std::uint32_t cleared = 0;
  const auto peers = Peers(Row, Col);
  for (std::size_t k = 0; k < peers.size(); ++k) {
    std::uint16_t& notes = Grille_->Notes[std::size_t(Cell(peers[k].first, peers[k].second))];
    if ((notes & bit) == 0) continue;
    notes = std::uint16_t(notes & ~bit);
    cleared |= 1u << k;
  }
  UndoStack_.back().ClearedMarks = cleared;
}

void TGrilleSudoku::ApplyClearedMarks(const UndoEntry& Entry, bool Restore) {
  if (Entry.ClearedMarks == 0 || Entry.Digit < 1 || Entry.Digit > 9) return;
  const auto bit = std::uint16_t(1u << (Entry.Digit - 1));
  const auto peers = Peers(Entry.Row, Entry.Col);
  for (std::size_t k = 0; k < peers.size(); ++k) {
    if ((Entry.ClearedMarks & (1u << k)) == 0) continue;
    std::uint16_t& notes = Grille_->Notes[std::size_t(Cell(peers[k].first, peers[k].second))];
    notes = Restore ? std::uint16_t(notes | bit) : std::uint16_t(notes & ~bit);
  }
}

void TGrilleSudoku::EnterAtSelection(int Digit, bool NoteKey) {
  if (Digit < 0 || Digit > 9) return;
  KeepSelectionInGrid();
  TGrille& grid = *Grille_;
  int kind = 0;
  const int current = grid.GetCellState(SelRow, SelCol, kind);
  // While playing, a given never changes, even if the selection stands on one
  // (it can after a typed-in puzzle becomes the game).
  const bool given = GameMode && kind == KindGiven;
  if (current != Digit && !given) {
    const bool note = NoteKey || NoteMode;
    PushUndo(SelRow, SelCol, Digit, note ? NoteToggle : current);
    grid.ForgetHintAt(SelRow, SelCol);  // the hint colour leaves a cell the player changes
    grid.EnterDigit(SelRow, SelCol, Digit, !GameMode, note);
    if (!note) TidyNotes(SelRow, SelCol, Digit);
    emit GridChanged();
    // A pencil mark on a full grid does not complete it again.
    if (!note && grid.CountEmpty() == 0 && OnComplete_) OnComplete_();
  }
  if (TabAuto) MoveSelection(Qt::Key_Right);
  update();
}

void TGrilleSudoku::Undo() { Replay(UndoStack_, RedoStack_, false); }

void TGrilleSudoku::Redo() { Replay(RedoStack_, UndoStack_, true); }

void TGrilleSudoku::Replay(std::vector<UndoEntry>& From, std::vector<UndoEntry>& To, bool Forward) {
  TGrille& grid = *Grille_;
  while (!From.empty()) {
    const UndoEntry entry = From.back();
    From.pop_back();
    // While playing, entries made on cells that are now givens (recorded while
    // the puzzle was typed in, pencil marks included) are dropped: the givens
    // stay, and the selection never lands on one.
    if (GameMode && CellKind(entry.Row, entry.Col) == KindGiven) continue;
    grid.ForgetHintAt(entry.Row, entry.Col);
    const bool note = entry.Previous == NoteToggle;
    // A pencil mark toggles either way; a digit goes back to the one before
    // it, or comes again.
    grid.EnterDigit(entry.Row, entry.Col, note || Forward ? entry.Digit : entry.Previous, !GameMode, note);
    if (!note) ApplyClearedMarks(entry, !Forward);
    To.push_back(entry);
    SelRow = entry.Row;
    SelCol = entry.Col;
    emit GridChanged();
    // A digit redone into the last cell ends the game, as when it was typed.
    if (Forward && !note && grid.CountEmpty() == 0 && OnComplete_) OnComplete_();
    update();
    return;
  }
}

void TGrilleSudoku::ResetView() {
  UndoStack_.clear();
  RedoStack_.clear();
  SelRow = 1;
  SelCol = 1;
  if (CellKind(1, 1) != KindPlain) MoveSelection(Qt::Key_Right);
}
