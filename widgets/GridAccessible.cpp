#include "widgets/GridAccessible.h"

#include <map>

#include <QAccessibleWidget>
#include <QPointer>

#include "widgets/CustomGrid.h"

namespace mirvane {
namespace {

QAccessibleInterface* InterfaceOf(TCustomGrid* Grid)
{
    return Grid == nullptr ? nullptr : QAccessible::queryAccessibleInterface(Grid);
}

class TGridCellAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    TGridCellAccessible(TCustomGrid& Grid, int Row, int Col) : Grid(&Grid), Row(Row), Col(Col) {}

    bool isValid() const override { return Grid != nullptr && Row < Grid->RowCount() && Col < Grid->ColCount(); }
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* parent() const override { return InterfaceOf(Grid); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    // The selected day's cell also carries the grid's sentence about it.
    QString text(QAccessible::Text Kind) const override
    {
        if (!isValid()) {
            return {};
        }
        if (Kind == QAccessible::Name) {
            return Grid->CellText(Col, Row);
        }
        if (Kind == QAccessible::Description && isSelected()) {
            return Grid->accessibleDescription();
        }
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override
    {
        if (!isValid()) {
            return {};
        }
        const QRect Cell = Grid->CellRect(Col, Row);
        return {Grid->mapToGlobal(Cell.topLeft()), Cell.size()};
    }

    QAccessible::Role role() const override
    {
        if (isValid() && Row < Grid->FixedRows()) {
            return QAccessible::ColumnHeader;
        }
        if (isValid() && Col < Grid->FixedCols()) {
            return QAccessible::RowHeader;
        }
        return QAccessible::Cell;
    }

    QAccessible::State state() const override
    {
        QAccessible::State State;
        if (!isValid()) {
            State.invalid = true;
            return State;
        }
        const bool Heading = Row < Grid->FixedRows() || Col < Grid->FixedCols();
        State.selectable = !Heading;
        State.focusable = !Heading;
        State.selected = isSelected();
        State.focused = State.selected && Grid->hasFocus();
        State.invisible = !Grid->isVisible();
        return State;
    }

    void* interface_cast(QAccessible::InterfaceType Type) override
    {
        return Type == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this) : nullptr;
    }

    bool isSelected() const override { return isValid() && Grid->Row() == Row && Grid->Col() == Col; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return Headers(true); }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return Headers(false); }
    int columnIndex() const override { return Col; }
    int rowIndex() const override { return Row; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

private:
    // The heading cells above this cell's column, or left of its row.
    QList<QAccessibleInterface*> Headers(bool Above) const
    {
        QList<QAccessibleInterface*> Cells;
        QAccessibleInterface* Table = parent();
        if (!isValid() || Table == nullptr) {
            return Cells;
        }
        const int Count = Above ? Grid->FixedRows() : Grid->FixedCols();
        for (int Index = 0; Index < Count; ++Index) {
            Cells.append(Table->tableInterface()->cellAt(Above ? Index : Row, Above ? Col : Index));
        }
        return Cells;
    }

    QPointer<TCustomGrid> Grid;
    int Row;
    int Col;
};

class TGridAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit TGridAccessible(TCustomGrid& Grid) : QAccessibleWidget(&Grid, QAccessible::Table) {}
    ~TGridAccessible() override
    {
        for (const auto& [Index, Id] : Cells) {
            QAccessible::deleteAccessibleInterface(Id);
        }
    }
    TGridAccessible(const TGridAccessible&) = delete;
    TGridAccessible& operator=(const TGridAccessible&) = delete;

    void* interface_cast(QAccessible::InterfaceType Type) override
    {
        if (Type == QAccessible::TableInterface) {
            return static_cast<QAccessibleTableInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(Type);
    }

    int childCount() const override { return rowCount() * columnCount(); }
    QAccessibleInterface* child(int Index) const override
    {
        const int Columns = columnCount();
        return Index < 0 || Index >= childCount() ? nullptr : cellAt(Index / Columns, Index % Columns);
    }
    int indexOfChild(const QAccessibleInterface* Child) const override
    {
        const auto* Cell = dynamic_cast<const TGridCellAccessible*>(Child);
        return Cell == nullptr || Cell->parent() != this ? -1 : Cell->rowIndex() * columnCount() + Cell->columnIndex();
    }
    QAccessibleInterface* childAt(int X, int Y) const override
    {
        const auto Cell = Grid().CellAt(Grid().mapFromGlobal(QPoint(X, Y)));
        return Cell ? cellAt(Cell->Row, Cell->Col) : nullptr;
    }
    QAccessibleInterface* focusChild() const override
    {
        return Grid().hasFocus() ? cellAt(Grid().Row(), Grid().Col()) : nullptr;
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    // Cells are made when first asked for and kept, so that a screen reader
    // holds the same cell across calls; the accessibility cache owns them.
    QAccessibleInterface* cellAt(int Row, int Col) const override
    {
        if (Row < 0 || Row >= rowCount() || Col < 0 || Col >= columnCount()) {
            return nullptr;
        }
        const int Key = Row * TCustomGrid::MaxCount + Col;
        if (const auto Found = Cells.find(Key); Found != Cells.end()) {
            return QAccessible::accessibleInterface(Found->second);
        }
        auto* Cell = new TGridCellAccessible(Grid(), Row, Col);
        Cells.emplace(Key, QAccessible::registerAccessibleInterface(Cell));
        return Cell;
    }
    int selectedCellCount() const override { return 1; }
    QList<QAccessibleInterface*> selectedCells() const override { return {cellAt(Grid().Row(), Grid().Col())}; }
    // The headings are cells of their own.
    QString columnDescription(int) const override { return {}; }
    QString rowDescription(int) const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return Grid().ColCount(); }
    int rowCount() const override { return Grid().RowCount(); }
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
    TCustomGrid& Grid() const { return *static_cast<TCustomGrid*>(widget()); }

    mutable std::map<int, QAccessible::Id> Cells;
};

}  // namespace

QAccessibleInterface* GridAccessibleFactory(const QString&, QObject* Object)
{
    auto* Grid = qobject_cast<TCustomGrid*>(Object);
    // Owned by the accessibility cache, which deletes it with the grid.
    return Grid == nullptr ? nullptr : new TGridAccessible(*Grid);
}

}  // namespace mirvane
