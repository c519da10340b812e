// SPDX-License-Identifier: GPL-3.0-or-later
#include "grilleaccessible.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QHash>
#include <QPointer>
#include <QStringList>
#include <QWindow>

#include "grillesudoku.h"

namespace {

constexpr int Side = 9;
constexpr int CellCount = Side * Side;

// The digits of a set of pencil marks or candidates, "1 3 8" (or "A C H").
QString SetText(std::uint16_t Set, TTypeBrique Type) {
  QStringList digits;
  for (int digit = 1; digit <= Side; ++digit)
    if ((Set & (1u << (digit - 1))) != 0) digits << DigitText(digit, Type);
  return digits.join(u' ');
}

class TCaseAccessible;

// The grid control as a table of 9 by 9 cells. The cells are made when they
// are first asked for and live as long as the table.
class TGrilleAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
 public:
  explicit TGrilleAccessible(TGrilleSudoku* Grid) : QAccessibleWidget(Grid, QAccessible::Table) {}
  ~TGrilleAccessible() override {
    for (const QAccessible::Id id : std::as_const(Cells_)) QAccessible::deleteAccessibleInterface(id);
  }

  TGrilleSudoku* Grid() const { return static_cast<TGrilleSudoku*>(widget()); }

  void* interface_cast(QAccessible::InterfaceType Type) override {
    if (Type == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(Type);
  }
  int childCount() const override { return CellCount; }
  QAccessibleInterface* child(int Index) const override;
  int indexOfChild(const QAccessibleInterface* Child) const override;
  QAccessibleInterface* childAt(int X, int Y) const override {
    const QPoint at = Grid()->mapFromGlobal(QPoint(X, Y));
    if (!Grid()->rect().contains(at)) return nullptr;
    int col = 0;
    int row = 0;
    Grid()->CellAtPoint(at.x(), at.y(), col, row);
    return cellAt(row - 1, col - 1);
  }
  QAccessibleInterface* focusChild() const override {
    return Grid()->hasFocus() ? cellAt(Grid()->SelRow - 1, Grid()->SelCol - 1) : nullptr;
  }

  // --- The table: rows and columns from 0 ---
  QAccessibleInterface* caption() const override { return nullptr; }
  QAccessibleInterface* summary() const override { return nullptr; }
  QAccessibleInterface* cellAt(int Row, int Column) const override {
    if (Row < 0 || Row >= Side || Column < 0 || Column >= Side) return nullptr;
    return child(Row * Side + Column);
  }
  int selectedCellCount() const override { return 1; }
  QList<QAccessibleInterface*> selectedCells() const override {
    return {cellAt(Grid()->SelRow - 1, Grid()->SelCol - 1)};
  }
  QString columnDescription(int Column) const override {
    return QCoreApplication::translate("GrilleAccessible", "colonne %1").arg(Column + 1);
  }
  QString rowDescription(int Row) const override {
    return QCoreApplication::translate("GrilleAccessible", "ligne %1").arg(Row + 1);
  }
  int selectedColumnCount() const override { return 0; }
  int selectedRowCount() const override { return 0; }
  int columnCount() const override { return Side; }
  int rowCount() const override { return Side; }
  QList<int> selectedColumns() const override { return {}; }
  QList<int> selectedRows() const override { return {}; }
  bool isColumnSelected(int) const override { return false; }
  bool isRowSelected(int) const override { return false; }
  bool selectRow(int) override { return false; }
  bool selectColumn(int) override { return false; }
  bool unselectRow(int) override { return false; }
  bool unselectColumn(int) override { return false; }
  void modelChange(QAccessibleTableModelChangeEvent*) override {}

 private:
  mutable QHash<int, QAccessible::Id> Cells_;
};

// One cell of the grid: its text, its place and whether it is the selection.
class TCaseAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface {
 public:
  TCaseAccessible(TGrilleSudoku* Grid, int Row, int Col) : Grid_(Grid), Row_(Row), Col_(Col) {}

  bool isValid() const override { return !Grid_.isNull(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return Grid_ ? Grid_->window()->windowHandle() : nullptr; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(Grid_.data()); }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QString text(QAccessible::Text Which) const override {
    if (!Grid_) return {};
    if (Which == QAccessible::Name) return GrilleAccessible::CellText(*Grid_, Row_, Col_);
    if (Which == QAccessible::Value) return DigitText(Grid_->State().At(Row_, Col_).Digit, Grid_->TypeBrique);
    return {};
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override {
    if (!Grid_) return {};
    const QRect local((Col_ - 1) * Grid_->LargeurCase(), (Row_ - 1) * Grid_->HauteurCase(), Grid_->LargeurCase() + 1,
                      Grid_->HauteurCase() + 1);
    return local.translated(Grid_->mapToGlobal(QPoint(0, 0)));
  }
  QAccessible::Role role() const override { return QAccessible::Cell; }
  QAccessible::State state() const override {
    QAccessible::State state;
    state.focusable = true;
    state.selectable = true;
    state.selected = isSelected();
    state.focused = state.selected && Grid_ && Grid_->hasFocus();
    state.readOnly = Grid_ && Grid_->GameMode() && Grid_->State().At(Row_, Col_).Kind == KindGiven;
    return state;
  }
  void* interface_cast(QAccessible::InterfaceType Type) override {
    return Type == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this) : nullptr;
  }

  bool isSelected() const override { return Grid_ && Grid_->SelRow == Row_ && Grid_->SelCol == Col_; }
  QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
  QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
  int columnIndex() const override { return Col_ - 1; }
  int rowIndex() const override { return Row_ - 1; }
  int columnExtent() const override { return 1; }
  int rowExtent() const override { return 1; }
  QAccessibleInterface* table() const override { return parent(); }

 private:
  QPointer<TGrilleSudoku> Grid_;
  int Row_;
  int Col_;
};

QAccessibleInterface* TGrilleAccessible::child(int Index) const {
  if (Index < 0 || Index >= CellCount) return nullptr;
  if (const auto known = Cells_.constFind(Index); known != Cells_.cend())
    return QAccessible::accessibleInterface(*known);
  auto* cell = new TCaseAccessible(Grid(), Index / Side + 1, Index % Side + 1);
  Cells_.insert(Index, QAccessible::registerAccessibleInterface(cell));
  return cell;
}

int TGrilleAccessible::indexOfChild(const QAccessibleInterface* Child) const {
  if (Child == nullptr || Child->role() != QAccessible::Cell) return -1;
  const QAccessible::Id id = QAccessible::uniqueId(const_cast<QAccessibleInterface*>(Child));
  for (auto it = Cells_.cbegin(); it != Cells_.cend(); ++it)
    if (it.value() == id) return it.key();
  return -1;
}

}  // namespace

namespace GrilleAccessible {

QAccessibleInterface* Factory(const QString& ClassName, QObject* Object) {
  if (ClassName == QLatin1String("TGrilleSudoku") && Object != nullptr && Object->isWidgetType())
    return new TGrilleAccessible(static_cast<TGrilleSudoku*>(Object));
  return nullptr;
}

bool Listening() { return QAccessible::isActive() || Listener != nullptr; }

void Announce(QAccessibleEvent& Event) {
  if (Listener != nullptr) Listener(&Event);
  QAccessible::updateAccessibility(&Event);
}

QString CellText(const TGrilleSudoku& Grid, int Row, int Col) { return CellText(Grid.State(), Grid.Look(), Row, Col); }

}  // namespace GrilleAccessible

void TGrilleSudoku::AnnounceCells() {
  if (!GrilleAccessible::Listening()) return;
  const TGridState state = State();
  const TGridLook look = Look();
  for (int row = 1; row <= Side; ++row)
    for (int col = 1; col <= Side; ++col) {
      const int index = GrilleAccessible::ChildIndex(row, col);
      QString text = GrilleAccessible::CellText(state, look, row, col);
      if (text == Spoken_[std::size_t(index)]) continue;
      Spoken_[std::size_t(index)] = std::move(text);
      QAccessibleEvent named(this, QAccessible::NameChanged);
      named.setChild(index);
      GrilleAccessible::Announce(named);
      if (row == SelRow && col == SelCol) {
        QAccessibleValueChangeEvent value(this, DigitText(state.At(row, col).Digit, look.TypeBrique));
        value.setChild(index);
        GrilleAccessible::Announce(value);
      }
    }
}

void TGrilleSudoku::AnnounceSelection(bool Always) {
  if (!GrilleAccessible::Listening() || SelRow < 1 || SelRow > Side || SelCol < 1 || SelCol > Side) return;
  if (!Always && SelRow == SpokenRow_ && SelCol == SpokenCol_) return;
  SpokenRow_ = SelRow;
  SpokenCol_ = SelCol;
  const int index = GrilleAccessible::ChildIndex(SelRow, SelCol);
  QAccessibleEvent selection(this, QAccessible::Selection);
  selection.setChild(index);
  GrilleAccessible::Announce(selection);
  if (!hasFocus()) return;
  QAccessibleEvent focus(this, QAccessible::Focus);
  focus.setChild(index);
  GrilleAccessible::Announce(focus);
}

namespace GrilleAccessible {

QString CellText(const TGridState& State, const TGridLook& Look, int Row, int Col) {
  const TCellShown& shown = State.At(Row, Col);
  QStringList parts{QCoreApplication::translate("GrilleAccessible", "ligne %1").arg(Row),
                    QCoreApplication::translate("GrilleAccessible", "colonne %1").arg(Col)};
  if (shown.Digit > 0) {
    parts << DigitText(shown.Digit, Look.TypeBrique);
    if (shown.Kind == KindGiven) parts << QCoreApplication::translate("GrilleAccessible", "donné", "a given digit");
    // An error is said only where the grid shows it.
    if ((shown.Kind == KindWrong && Look.ShowErreur) || (shown.Kind == KindBrokeRule && Look.ShowImpossible))
      parts << QCoreApplication::translate("GrilleAccessible", "erreur");
  } else {
    parts << QCoreApplication::translate("GrilleAccessible", "vide", "an empty cell");
    if (Look.ShowAllCandidates && shown.Candidates != 0)
      parts << QCoreApplication::translate("GrilleAccessible", "possibilités %1")
                   .arg(SetText(shown.Candidates, Look.TypeBrique));
    else if (shown.Notes != 0)
      parts << QCoreApplication::translate("GrilleAccessible", "notes %1").arg(SetText(shown.Notes, Look.TypeBrique));
  }
  if (Row == State.HintRow && Col == State.HintCol)
    parts << QCoreApplication::translate("GrilleAccessible", "indice", "the hinted cell");
  return parts.join(QStringLiteral(", "));
}

}  // namespace GrilleAccessible
