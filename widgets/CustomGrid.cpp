#include "widgets/CustomGrid.h"

#include <QAccessible>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>
#include <algorithm>

#include "widgets/GridAccessible.h"
#include "widgets/GridColours.h"

namespace mirvane {
namespace {

int Bounded(int Value, int Low, int High)
{
    return std::clamp(Value, Low, High);
}

// Left and Right are the keys' looks; the grid's moves run along the columns,
// which run from the right under a right-to-left direction.
std::optional<TGridKey> GridKeyOf(int Key, bool RightToLeft)
{
    switch (Key) {
    case Qt::Key_Left:
        return RightToLeft ? TGridKey::Right : TGridKey::Left;
    case Qt::Key_Right:
        return RightToLeft ? TGridKey::Left : TGridKey::Right;
    case Qt::Key_Up:
        return TGridKey::Up;
    case Qt::Key_Down:
        return TGridKey::Down;
    case Qt::Key_PageUp:
        return TGridKey::PageUp;
    case Qt::Key_PageDown:
        return TGridKey::PageDown;
    case Qt::Key_Home:
        return TGridKey::Home;
    case Qt::Key_End:
        return TGridKey::End;
    default:
        return std::nullopt;
    }
}

// A raised inner edge: light along the top and left, shadow along the bottom
// and right.
void DrawRaisedEdge(QPainter& Painter, const QRect& Rect, const TGridColours& Colours)
{
    Painter.fillRect(QRect(Rect.left(), Rect.top(), Rect.width(), 1), Colours.EdgeLight);
    Painter.fillRect(QRect(Rect.left(), Rect.top(), 1, Rect.height()), Colours.EdgeLight);
    Painter.fillRect(QRect(Rect.left(), Rect.bottom(), Rect.width(), 1), Colours.EdgeShadow);
    Painter.fillRect(QRect(Rect.right(), Rect.top(), 1, Rect.height()), Colours.EdgeShadow);
}

void DrawFocusRect(QPainter& Painter, const QRect& Rect, const QColor& Colour)
{
    Painter.save();
    Painter.setPen(QPen(Colour, 1, Qt::DotLine));
    Painter.setBrush(Qt::NoBrush);
    Painter.drawRect(Rect.adjusted(0, 0, -1, -1));
    Painter.restore();
}

}  // namespace

TCustomGrid::TCustomGrid(QWidget* Parent)
    : QFrame(Parent)
    , ColWidths(5, FDefaultColWidth)
    , RowHeights(5, FDefaultRowHeight)
{
    // A sunken border two pixels wide, as the desktop draws a 3-D control.
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(false);
    [[maybe_unused]] static const bool AccessibleAsTable = [] {
        QAccessible::installFactory(GridAccessibleFactory);
        return true;
    }();
}

void TCustomGrid::SetColCount(int Count)
{
    ColWidths.resize(static_cast<std::size_t>(Bounded(Count, 1, MaxCount)), FDefaultColWidth);
    FFixedCols = std::min(FFixedCols, ColCount() - 1);
    KeepSelectionInside();
    update();
}

void TCustomGrid::SetRowCount(int Count)
{
    RowHeights.resize(static_cast<std::size_t>(Bounded(Count, 1, MaxCount)), FDefaultRowHeight);
    FFixedRows = std::min(FFixedRows, RowCount() - 1);
    KeepSelectionInside();
    update();
}

void TCustomGrid::SetFixedCols(int Count)
{
    FFixedCols = Bounded(Count, 0, ColCount() - 1);
    KeepSelectionInside();
    update();
}

void TCustomGrid::SetFixedRows(int Count)
{
    FFixedRows = Bounded(Count, 0, RowCount() - 1);
    KeepSelectionInside();
    update();
}

void TCustomGrid::SetDefaultColWidth(int Width)
{
    FDefaultColWidth = Bounded(Width, 0, MaxSize);
    std::fill(ColWidths.begin(), ColWidths.end(), FDefaultColWidth);
    update();
}

void TCustomGrid::SetDefaultRowHeight(int Height)
{
    FDefaultRowHeight = Bounded(Height, 0, MaxSize);
    std::fill(RowHeights.begin(), RowHeights.end(), FDefaultRowHeight);
    update();
}

int TCustomGrid::ColWidth(int Col) const
{
    return Col >= 0 && Col < ColCount() ? ColWidths[static_cast<std::size_t>(Col)] : 0;
}

int TCustomGrid::RowHeight(int Row) const
{
    return Row >= 0 && Row < RowCount() ? RowHeights[static_cast<std::size_t>(Row)] : 0;
}

void TCustomGrid::SetColWidth(int Col, int Width)
{
    if (Col < 0 || Col >= ColCount())
        return;
    ColWidths[static_cast<std::size_t>(Col)] = Bounded(Width, 0, MaxSize);
    update();
}

void TCustomGrid::SetRowHeight(int Row, int Height)
{
    if (Row < 0 || Row >= RowCount())
        return;
    RowHeights[static_cast<std::size_t>(Row)] = Bounded(Height, 0, MaxSize);
    update();
}

void TCustomGrid::SetGridLineWidth(int Width)
{
    FGridLineWidth = Bounded(Width, 0, MaxSize);
    update();
}

bool TCustomGrid::IsSelectable(int Col, int Row) const
{
    return Col >= FFixedCols && Col < ColCount() && Row >= FFixedRows && Row < RowCount();
}

void TCustomGrid::SetSelectedCell(int Col, int Row)
{
    if (!IsSelectable(Col, Row) || (Col == Selected.Col && Row == Selected.Row))
        return;
    if (CanSelectCell(Col, Row))
        PlaceSelection(Col, Row);
    CellClicked();
}

void TCustomGrid::PlaceSelection(int Col, int Row)
{
    if (!IsSelectable(Col, Row) || (Col == Selected.Col && Row == Selected.Row))
        return;
    Selected = {Col, Row};
    update();
    AnnounceSelection();
}

void TCustomGrid::AnnounceSelection()
{
    if (!QAccessible::isActive() || !hasFocus())
        return;
    QAccessibleEvent Event(this, QAccessible::Focus);
    Event.setChild(Selected.Row * ColCount() + Selected.Col);
    QAccessible::updateAccessibility(&Event);
}

QString TCustomGrid::CellText(int, int) const
{
    return {};
}

void TCustomGrid::KeepSelectionInside()
{
    if (!IsSelectable(Selected.Col, Selected.Row))
        Selected = {FFixedCols, FFixedRows};
}

QRect TCustomGrid::CellRect(int Col, int Row) const
{
    if (Col < 0 || Col >= ColCount() || Row < 0 || Row >= RowCount())
        return {};
    const QRect Client = contentsRect();
    int Left = Client.left();
    for (int Before = 0; Before < Col; ++Before)
        Left += ColWidth(Before) + FGridLineWidth;
    int Top = Client.top();
    for (int Before = 0; Before < Row; ++Before)
        Top += RowHeight(Before) + FGridLineWidth;
    return Mirrored({Left, Top, ColWidth(Col), RowHeight(Row)});
}

QRect TCustomGrid::Mirrored(const QRect& Rect) const
{
    if (!isRightToLeft())
        return Rect;
    const QRect Client = contentsRect();
    return Rect.translated(2 * Client.left() + Client.width() - 2 * Rect.left() - Rect.width(), 0);
}

std::optional<TGridCell> TCustomGrid::CellAt(QPoint Point) const
{
    const QRect Client = contentsRect();
    if (!Client.contains(Point))
        return std::nullopt;
    const auto Find = [this](int Offset, int Count, auto SizeOf) -> std::optional<int> {
        for (int Index = 0; Index < Count; ++Index) {
            Offset -= SizeOf(Index) + FGridLineWidth;
            if (Offset < 0)
                return Index;
        }
        return std::nullopt;
    };
    const int FromStart = isRightToLeft() ? Client.right() - Point.x() : Point.x() - Client.left();
    const auto Col = Find(FromStart, ColCount(), [this](int Index) { return ColWidth(Index); });
    const auto Row = Find(Point.y() - Client.top(), RowCount(), [this](int Index) { return RowHeight(Index); });
    if (!Col || !Row)
        return std::nullopt;
    return TGridCell{*Col, *Row};
}

QSize TCustomGrid::sizeHint() const
{
    int Width = 2 * frameWidth();
    for (int Col = 0; Col < ColCount(); ++Col)
        Width += ColWidth(Col) + FGridLineWidth;
    int Height = 2 * frameWidth();
    for (int Row = 0; Row < RowCount(); ++Row)
        Height += RowHeight(Row) + FGridLineWidth;
    return {Width, Height};
}

bool TCustomGrid::CanSelectCell(int, int) const
{
    return true;
}

void TCustomGrid::CellClicked()
{
}

void TCustomGrid::PaintCell(QPainter&, int, int, const QRect&, TCellState)
{
}

void TCustomGrid::ClientResized(int, int)
{
}

TGridArea TCustomGrid::Area() const
{
    return {ColCount(), RowCount(), FFixedCols, FFixedRows, RowsInView()};
}

int TCustomGrid::RowsInView() const
{
    const int Bottom = contentsRect().bottom();
    int Rows = 0;
    for (int Row = FFixedRows; Row < RowCount(); ++Row) {
        if (CellRect(FFixedCols, Row).bottom() > Bottom)
            break;
        ++Rows;
    }
    return std::max(Rows, 1);
}

void TCustomGrid::paintEvent(QPaintEvent* Event)
{
    QFrame::paintEvent(Event);
    const QRect Client = contentsRect();
    const TGridColours Colours = GridColoursFrom(palette());
    const bool Focused = hasFocus();
    QPainter Painter(this);
    Painter.setClipRect(Client);
    Painter.fillRect(Client, Colours.Window);

    int Top = Client.top();
    for (int Row = 0; Row < RowCount() && Top <= Client.bottom(); ++Row) {
        const int Height = RowHeight(Row);
        int Left = Client.left();
        for (int Col = 0; Col < ColCount() && Left <= Client.right(); ++Col) {
            const int Width = ColWidth(Col);
            const QRect Cell = Mirrored({Left, Top, Width, Height});
            TCellState State;
            State.Fixed = Col < FFixedCols || Row < FFixedRows;
            State.Selected = !State.Fixed && Col == Selected.Col && Row == Selected.Row;
            State.Focused = State.Selected && Focused;

            const QColor& Background = State.Fixed ? Colours.Face : State.Selected ? Colours.Highlight : Colours.Window;
            Painter.fillRect(Cell, Background);
            if (State.Fixed)
                DrawRaisedEdge(Painter, Cell, Colours);

            Painter.save();
            Painter.setClipRect(Cell.intersected(Client));
            Painter.setFont(font());
            Painter.setPen(State.Fixed ? Colours.FaceText : State.Selected ? Colours.HighlightText : Colours.WindowText);
            PaintCell(Painter, Col, Row, Cell, State);
            Painter.restore();
            if (State.Focused)
                DrawFocusRect(Painter, Cell, Colours.HighlightText);

            // The lines after the cell, towards the next column and below,
            // meet at its corner.
            const QColor& Line = State.Fixed ? Colours.HeadingLine : Colours.CellLine;
            Painter.fillRect(Mirrored({Left + Width, Top, FGridLineWidth, Height + FGridLineWidth}), Line);
            Painter.fillRect(Mirrored({Left, Top + Height, Width, FGridLineWidth}), Line);
            Left += Width + FGridLineWidth;
        }
        Top += Height + FGridLineWidth;
    }
}

void TCustomGrid::mousePressEvent(QMouseEvent* Event)
{
    ClickPending = false;
    if (Event->button() != Qt::LeftButton) {
        QFrame::mousePressEvent(Event);
        return;
    }
    setFocus(Qt::MouseFocusReason);
    const auto Cell = CellAt(Event->position().toPoint());
    if (!Cell || !IsSelectable(Cell->Col, Cell->Row))
        return;
    if (CanSelectCell(Cell->Col, Cell->Row))
        PlaceSelection(Cell->Col, Cell->Row);
    ClickPending = true;
}

void TCustomGrid::mouseReleaseEvent(QMouseEvent* Event)
{
    if (Event->button() != Qt::LeftButton || !ClickPending) {
        QFrame::mouseReleaseEvent(Event);
        return;
    }
    ClickPending = false;
    CellClicked();
}

void TCustomGrid::keyPressEvent(QKeyEvent* Event)
{
    const auto Key = GridKeyOf(Event->key(), isRightToLeft());
    if (!Key) {
        QFrame::keyPressEvent(Event);
        return;
    }
    const auto Target =
        KeyTarget(*Key, Selected, Area(), [this](std::int32_t Col, std::int32_t Row) { return CanSelectCell(Col, Row); });
    if (Target)
        PlaceSelection(Target->Col, Target->Row);
    CellClicked();
}

void TCustomGrid::resizeEvent(QResizeEvent* Event)
{
    QFrame::resizeEvent(Event);
    const QRect Client = contentsRect();
    ClientResized(Client.width(), Client.height());
}

void TCustomGrid::focusInEvent(QFocusEvent* Event)
{
    QFrame::focusInEvent(Event);
    update();
}

void TCustomGrid::focusOutEvent(QFocusEvent* Event)
{
    QFrame::focusOutEvent(Event);
    update();
}

void TCustomGrid::changeEvent(QEvent* Event)
{
    QFrame::changeEvent(Event);
    if (Event->type() == QEvent::LayoutDirectionChange)
        update();
}

}  // namespace mirvane
