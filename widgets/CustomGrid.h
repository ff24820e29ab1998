#pragma once

#include <QFrame>
#include <QRect>
#include <optional>
#include <vector>

#include "widgets/GridNavigation.h"

class QPainter;

namespace mirvane {

// How a cell is to be painted.
struct TCellState {
    bool Fixed = false;     // a heading cell
    bool Selected = false;  // the selected cell
    bool Focused = false;   // the selected cell while the grid has the focus
};

// A small grid of cells without scrolling: heading rows and columns fixed at
// the top and at the start of each line, a width per column and a height per
// row, and one selected cell that the mouse, the arrow and paging keys and
// the program move. Under a right-to-left layout direction the columns run
// from the right and the arrow keys move as they look. A subclass paints the
// cells' contents, may veto a move of the selection and hears of every
// completed or refused move. Backgrounds, edges, lines and the focus
// rectangle come from the palette.
class TCustomGrid : public QFrame {
    Q_OBJECT

public:
    // Counts and sizes are kept within these limits so no position overflows.
    static constexpr int MaxCount = 1000;
    static constexpr int MaxSize = 100000;

    explicit TCustomGrid(QWidget* Parent = nullptr);

    int ColCount() const { return static_cast<int>(ColWidths.size()); }
    int RowCount() const { return static_cast<int>(RowHeights.size()); }
    int FixedCols() const { return FFixedCols; }
    int FixedRows() const { return FFixedRows; }
    // A grid keeps at least one column and one row that are not headings.
    void SetColCount(int Count);
    void SetRowCount(int Count);
    void SetFixedCols(int Count);
    void SetFixedRows(int Count);

    // Setting a default gives every column (row) that size.
    void SetDefaultColWidth(int Width);
    void SetDefaultRowHeight(int Height);
    int ColWidth(int Col) const;
    int RowHeight(int Row) const;
    // Cells outside the grid are ignored.
    void SetColWidth(int Col, int Width);
    void SetRowHeight(int Row, int Height);
    int GridLineWidth() const { return FGridLineWidth; }
    void SetGridLineWidth(int Width);

    int Col() const { return Selected.Col; }
    int Row() const { return Selected.Row; }
    // The program's move of the selection: a cell other than the selected
    // one is offered to CanSelectCell, taken if it agrees, and CellClicked
    // follows either way. Headings and cells outside the grid are ignored.
    void SetSelectedCell(int Col, int Row);

    // A cell's rectangle in the widget, without the line after it; column 0
    // stands at the right under a right-to-left layout direction.
    QRect CellRect(int Col, int Row) const;
    // The cell under Point, lines counting with the cell before them; nothing
    // outside the cells.
    std::optional<TGridCell> CellAt(QPoint Point) const;

    QSize sizeHint() const override;

    // The text a cell shows, for assistive tools; none by default.
    virtual QString CellText(int Col, int Row) const;

protected:
    // Whether the selection may move to (Col, Row); asked before every move.
    virtual bool CanSelectCell(int Col, int Row) const;
    // After a click in a cell that is not a heading, an arrow or paging key,
    // or the program's move, whether the selection moved or was refused.
    virtual void CellClicked();
    // Paints one cell's contents over its background. The painter is clipped
    // to the cell and set to the widget's font and the cell's text colour.
    virtual void PaintCell(QPainter& Painter, int Col, int Row, const QRect& Rect, TCellState State);
    // On every change of the client area's size.
    virtual void ClientResized(int Width, int Height);

    // Places the selection without asking or notifying, for a subclass whose
    // selection follows state of its own.
    void PlaceSelection(int Col, int Row);

    void paintEvent(QPaintEvent* Event) override;
    void mousePressEvent(QMouseEvent* Event) override;
    void mouseReleaseEvent(QMouseEvent* Event) override;
    void keyPressEvent(QKeyEvent* Event) override;
    void resizeEvent(QResizeEvent* Event) override;
    void focusInEvent(QFocusEvent* Event) override;
    void focusOutEvent(QFocusEvent* Event) override;
    void changeEvent(QEvent* Event) override;

private:
    // A rectangle laid out from the left, where the layout direction puts it.
    QRect Mirrored(const QRect& Rect) const;
    bool IsSelectable(int Col, int Row) const;
    TGridArea Area() const;
    int RowsInView() const;
    void KeepSelectionInside();
    // Tells assistive tools that the selected cell has the focus.
    void AnnounceSelection();

    int FFixedCols = 1;
    int FFixedRows = 1;
    int FDefaultColWidth = 64;
    int FDefaultRowHeight = 24;
    int FGridLineWidth = 1;
    // After the defaults, which they start from.
    std::vector<int> ColWidths;
    std::vector<int> RowHeights;
    TGridCell Selected{1, 1};
    bool ClickPending = false;
};

}  // namespace mirvane
