// Construction, properties and the commands the game screen and its dialogs
// pass to the model.
#include <QPrinter>
#include <QStringList>
#include <algorithm>

#include "grillesudoku.h"

#include "puzzletext.h"

TGrilleSudoku::TGrilleSudoku(QWidget* Parent) : QWidget(Parent), Grille_(std::make_unique<TGrille>()) {
  setFocusPolicy(Qt::StrongFocus);
  resize(9 * LargeurCase_ + 1, 9 * HauteurCase_ + 1);
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
  update();
}

int TGrilleSudoku::CountEmpty() const { return Grille_->CountEmpty(); }

int TGrilleSudoku::CountErrors() const { return Grille_->CountErrors(); }

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
  ShowAllCandidates_ = false;
  Level = GridLevel;
  // The givens are always written in full, so that an empty or short text
  // cannot leave the previous puzzle's givens behind.
  std::string givens = CellText(GivensText);
  givens.resize(81, '0');
  Grille_->LoadFromText(givens, CellText(DigitsText));
  ResetView();
  emit GridChanged();
  update();
}

void TGrilleSudoku::AssignGrid(std::unique_ptr<TGrille> Grid) {
  // Without a grid there is nothing to show: the current one stays.
  if (!Grid) return;
  Grille_ = std::move(Grid);
  ResetView();
  emit GridChanged();
  update();
}

void TGrilleSudoku::ClearGrid(bool KeepGivensOut) {
  Grille_->Clear(KeepGivensOut);
  ResetView();
  emit GridChanged();
  update();
}

bool TGrilleSudoku::GiveHint(QString& Text) {
  const std::optional<HintStep> hint = Grille_->FindHint();
  if (!hint) return false;
  // The entry lets Undo take the hint back, or put back the wrong digit it replaced.
  PushUndo(hint->Row, hint->Col, hint->Digit, hint->Replaced);
  TidyNotes(hint->Row, hint->Col, hint->Digit);
  Text = QString::fromStdString(hint->Text);
  emit GridChanged();
  update();
  return true;
}

std::uint16_t TGrilleSudoku::SolveGrid() {
  const std::uint16_t flags = Grille_->SolveGrid();
  // The entries undone stand on a grid that is no longer there.
  RedoStack_.clear();
  emit GridChanged();
  update();
  return flags;
}

void TGrilleSudoku::ShowSolution() {
  Grille_->ShowFirstSolution();
  RedoStack_.clear();
  emit GridChanged();
  update();
}

QString TGrilleSudoku::PuzzleText() const {
  QString text(81, QLatin1Char('.'));
  for (int i = 0; i < 81; ++i) {
    const int digit = GameMode ? Grille_->Givens[std::size_t(i)] : WordDigit(Grille_->Digits[std::size_t(i)]);
    if (digit >= 1 && digit <= 9) text[i] = QChar(u'0' + digit);
  }
  return text;
}

QString TGrilleSudoku::ReadPuzzle(const QString& Text) {
  const std::vector<std::string> puzzles = ReadPuzzles(Text.toStdString());
  return puzzles.empty() ? QString() : QString::fromStdString(puzzles.front());
}

std::uint8_t TGrilleSudoku::RateGrid() {
  Level = Grille_->RateLevel();
  return Level;
}

QString TGrilleSudoku::GetSaveText(bool IncludeDigits, long long Time, int Hints) const {
  return QString::fromStdString(Grille_->SaveToText(IncludeDigits, Level, Time, Hints));
}
