// SPDX-License-Identifier: GPL-3.0-or-later
// Construction, properties and the commands the game screen and its dialogs
// pass to the model.
#include <QAccessible>
#include <QPrinter>
#include <QStringList>
#include <algorithm>

#include "grillesudoku.h"

#include "grilleaccessible.h"
#include "puzzletext.h"

TGrilleSudoku::TGrilleSudoku(QWidget* Parent) : QWidget(Parent) {
  static const bool accessible = [] {
    QAccessible::installFactory(&GrilleAccessible::Factory);
    return true;
  }();
  Q_UNUSED(accessible);
  setFocusPolicy(Qt::StrongFocus);
  Partie_.OnGridChanged = [this](bool NewGame) { GridChangedInGame(NewGame); };
  // Whether errors remain is the game's to say again when the end comes.
  Partie_.OnComplete = [this](TFull) {
    if (OnComplete_) OnComplete_();
  };
  resize(9 * LargeurCase_ + 1, 9 * HauteurCase_ + 1);
  RefusedFlash_.setSingleShot(true);
  RefusedFlash_.setInterval(RefusedFlashMs);
  connect(&RefusedFlash_, &QTimer::timeout, this, [this] {
    Refused_ = {};
    update();
  });
}

TGrilleSudoku::~TGrilleSudoku() = default;

QSize TGrilleSudoku::sizeHint() const { return {9 * LargeurCase_ + 1, 9 * HauteurCase_ + 1}; }

void TGrilleSudoku::SetCouleurFond(const QColor& Value) {
  CouleurFond_ = Value;
  update();
}

void TGrilleSudoku::SetCouleurTrait(const QColor& Value) {
  CouleurTrait_ = Value;
  update();
}

void TGrilleSudoku::SetHauteurCase(int Value) {
  HauteurCase_ = std::max(1, Value);
  resize(width(), 9 * HauteurCase_ + 1);
  update();
}

void TGrilleSudoku::SetLargeurCase(int Value) {
  LargeurCase_ = std::max(1, Value);
  resize(9 * LargeurCase_ + 1, height());
  update();
}

void TGrilleSudoku::SetShowAllCandidates(bool Value) {
  ShowAllCandidates_ = Value;
  AnnounceCells();
  update();
}

int TGrilleSudoku::CountEmpty() const { return Grille().CountEmpty(); }

int TGrilleSudoku::CountErrors() const { return Grille().CountErrors(); }

void TGrilleSudoku::GridChangedInGame(bool NewGame) {
  RefusedFlash_.stop();
  Refused_ = {};
  HintTint_.fill(THintTint::None);
  HintFocus_ = {};
  HintHue_ = 0;
  if (NewGame) {
    ShowAllCandidates_ = false;
    ResetSelection();
  }
  AnnounceCells();
  emit GridChanged();
  update();
}

void TGrilleSudoku::SetOnComplete(std::function<void()> Handler) {
  OnComplete_ = std::move(Handler);
  ResetView();
}

namespace {

// One character per cell: a digit stays, anything else is an empty cell, so a
// stray multi-byte character cannot shift the cells after it.
std::string CellText(const QString& Text) {
  std::string cells;
  cells.reserve(std::size_t(std::min<qsizetype>(Text.size(), 81)));
  for (qsizetype k = 0; k < Text.size() && k < 81; ++k) {
    const QChar c = Text.at(k);
    cells += (c >= u'0' && c <= u'9') ? char(c.unicode()) : '0';
  }
  return cells;
}

}  // namespace

void TGrilleSudoku::LoadGrid(const QString& GivensText, const QString& DigitsText, std::uint8_t GridLevel) {
  // The givens are always written in full, so that an empty or short text
  // cannot leave the previous puzzle's givens behind.
  std::string givens = CellText(GivensText);
  givens.resize(81, '0');
  Partie_.Load(givens, CellText(DigitsText), GridLevel, 0, 0);
}

void TGrilleSudoku::PastePuzzle(const QString& Cells) {
  std::string cells = CellText(Cells);
  cells.resize(81, '0');
  Partie_.Paste(cells);
}

void TGrilleSudoku::AssignGrid(std::unique_ptr<TGrille> Grid, int GridLevel) {
  // Without a grid there is nothing to show: the current one stays.
  Partie_.NewGame(std::move(Grid), GridLevel);
}

void TGrilleSudoku::ClearGrid(bool EmptyAll) {
  if (EmptyAll)
    Partie_.Clear();
  else
    Partie_.Reset();
  ResetSelection();
  update();
}

bool TGrilleSudoku::GiveHint(QString& Text) {
  const std::optional<HintStep> hint = Partie_.Hint();
  if (!hint) return false;
  Text = QString::fromStdString(hint->Text);
  // The hint's move cleared the tint of the one before: this one's goes on.
  ShowHintFocus(hint->Focus);
  return true;
}

std::optional<TRung> TGrilleSudoku::GiveHintRung() {
  std::optional<TRung> rung = Partie_.HintRung();
  // The placement's move cleared the tint of the rung before: its own goes on.
  if (rung) ShowHintFocus(rung->Focus, rung->Hue);
  return rung;
}

void TGrilleSudoku::ShowHintFocus(const HintFocusT& Focus, int Hue) {
  HintFocus_ = Focus;
  HintHue_ = Hue;
  HintTint_.fill(THintTint::None);
  const auto tint = [this](int Row, int Col, THintTint Tint) {
    THintTint& cell = HintTint_[std::size_t(Cell(Row, Col))];
    cell = std::max(cell, Tint);
  };
  for (const HintUnit& unit : Focus.Units)
    for (int row = 1; row <= 9; ++row)
      for (int col = 1; col <= 9; ++col) {
        const int number = unit.Kind == UnitKind::Row ? row : unit.Kind == UnitKind::Col ? col : BlockOf(row, col);
        if (number == unit.Number) tint(row, col, THintTint::Unit);
      }
  for (const HintRemoval& removal : Focus.Removed) tint(removal.Row, removal.Col, THintTint::Unit);
  for (const HintCell& cell : Focus.Cells) tint(cell.Row, cell.Col, THintTint::Key);
  update();
}

TGrilleSudoku::THintTint TGrilleSudoku::HintTint(int Row, int Col) const {
  if (Row < 1 || Row > 9 || Col < 1 || Col > 9) return THintTint::None;
  return HintTint_[std::size_t(Cell(Row, Col))];
}

std::uint16_t TGrilleSudoku::SolveGrid() { return Partie_.Solve().Flags; }

int TGrilleSudoku::ShowSolution() { return Partie_.ShowSolution(); }

QString TGrilleSudoku::PuzzleText() const {
  QString text(81, QLatin1Char('.'));
  for (int i = 0; i < 81; ++i) {
    const int digit = GameMode() ? Grille().Givens[std::size_t(i)] : WordDigit(Grille().Digits[std::size_t(i)]);
    if (digit >= 1 && digit <= 9) text[i] = QChar(u'0' + digit);
  }
  return text;
}

QString TGrilleSudoku::ReadPuzzle(const QString& Text) {
  const std::vector<std::string> puzzles = ReadPuzzles(Text.toStdString());
  return puzzles.empty() ? QString() : QString::fromStdString(puzzles.front());
}

std::uint8_t TGrilleSudoku::RateGrid() { return Partie_.Rate(); }
