#include "grid/MirvaneGrid.h"

#include <algorithm>

#include <QHelpEvent>
#include <QPainter>
#include <QString>
#include <QTextOption>
#include <QToolTip>

#include "grid/ClientSizeMetrics.h"
#include "grid/GridShape.h"

namespace mirvane {
namespace {

// Shaping a whole long text only to cut it is most of what painting a day
// of many entries costs. A prefix surely wider than the room cuts alike;
// only a prefix that fits after all needs the whole text.
QString ElidedToWidth(const QFontMetrics& Metrics, const QString& Text, int Width)
{
    const qsizetype Surely = 2 * static_cast<qsizetype>(Width) / std::max(1, Metrics.averageCharWidth()) + 4;
    if (Text.size() > Surely) {
        const QString Prefix = Text.left(Surely);
        const QString Elided = Metrics.elidedText(Prefix, Qt::ElideRight, Width);
        if (Elided != Prefix)
            return Elided;
    }
    return Metrics.elidedText(Text, Qt::ElideRight, Width);
}

}  // namespace

TMirvaneGrid::TMirvaneGrid(QWidget* parent)
    : TCustomGrid(parent)
{
    SetColCount(GridColCount);
    SetRowCount(GridRowCount);
    SetFixedCols(GridFixedCols);
    SetFixedRows(GridFixedRows);
    setAccessibleName(tr("Month grid"));
    Grid.OnRepaint = [this] { ShowModel(); };
    Grid.OnChange = [this](TMonthGrid&) { NotifyChange(); };
    ShowModel();
}

void TMirvaneGrid::SetDate(TDateTime Value)
{
    Grid.SetDate(Value);
}

TGregorianDate TMirvaneGrid::CurrentGregorianDate() const
{
    return Grid.CurrentGregorianDate();
}

TJewishDate TMirvaneGrid::CurrentJewishDate() const
{
    return Grid.CurrentJewishDate();
}

void TMirvaneGrid::SetGregorianPart(std::int32_t Kind, std::int32_t Value)
{
    Grid.SetGregorianPart(Kind, Value);
}

void TMirvaneGrid::SetJewishPart(std::int32_t Kind, std::int32_t Value)
{
    Grid.SetJewishPart(Kind, Value);
}

void TMirvaneGrid::GoNextMonth()
{
    Grid.GoNextMonth();
}

void TMirvaneGrid::GoPrevMonth()
{
    Grid.GoPrevMonth();
}

void TMirvaneGrid::GoNextYear()
{
    Grid.GoNextYear();
}

void TMirvaneGrid::GoPrevYear()
{
    Grid.GoPrevYear();
}

void TMirvaneGrid::ChangeDiaspora(bool Value)
{
    Grid.ChangeDiaspora(Value);
}

void TMirvaneGrid::SetHebrewNames(bool On)
{
    Grid.SetHebrewNames(On);
}

void TMirvaneGrid::SetCivilNames(const TCivilNames& Names)
{
    Grid.SetCivilNames(Names);
}

void TMirvaneGrid::SetDayTimes(const std::optional<TTimesSite>& Site)
{
    Grid.SetDayTimes(Site);
}

void TMirvaneGrid::SetLuachShow(const TLuachShow& Show)
{
    Grid.SetLuachShow(Show);
}

void TMirvaneGrid::SetJewishMonthMode(bool On)
{
    Grid.SetJewishMonthMode(On);
}

bool TMirvaneGrid::JewishSelected() const
{
    return Grid.JewishSelected();
}

bool TMirvaneGrid::ByJewishMonth() const
{
    return Grid.ByJewishMonth();
}

TDateTime TMirvaneGrid::CurrentDate() const
{
    return Grid.CurrentDate();
}

QSize TMirvaneGrid::sizeHint() const
{
    // The size the Calendar page gives the grid.
    return {345, 369};
}

QSize TMirvaneGrid::minimumSizeHint() const
{
    // Heading rows are one pixel higher than day rows.
    const int Rows = RowCount();
    const int Client = Rows * fontMetrics().height() + FixedRows() + (Rows - 1) * GridLineWidth();
    return {sizeHint().width(), Client + 2 * frameWidth()};
}

QString TMirvaneGrid::CellText(int Col, int Row) const
{
    return QString::fromStdString(Grid.CellText(Col, Row));
}

bool TMirvaneGrid::CanSelectCell(int Col, int Row) const
{
    return Grid.CanSelectCell(Col, Row);
}

void TMirvaneGrid::CellClicked()
{
    // The cells of a page hold only dates that lay out again, so this never
    // throws.
    Grid.CellClicked(Col(), Row());
}

QString TMirvaneGrid::CellTimes(int Col, int Row) const
{
    return QString::fromStdString(Grid.CellTimes(Col, Row));
}

// A day's times keep their own place at the end of its cell, so a long
// festival name cuts only itself short: they are what the option was
// turned on for. The day's text takes the room they leave, if any: at the
// window's smallest a festival's name may shrink to "…", and the cell's
// tooltip and the grid's accessible description still hold it whole.
QString TMirvaneGrid::ShownDayText(int Col, int Row) const
{
    const QString Times = CellTimes(Col, Row);
    const QString Whole = CellText(Col, Row);
    const QString Day = Whole.left(Whole.size() - Times.size() - TimesGap.size());
    const int Room = CellRect(Col, Row).width() - fontMetrics().horizontalAdvance(Times + TimesGap);
    // Even a lone "…" tells that the day has more, in the tooltip.
    if (Room < fontMetrics().horizontalAdvance(QChar(0x2026)))
        return {};
    return ElidedToWidth(fontMetrics(), Day, Room);
}

QString TMirvaneGrid::ShownText(int Col, int Row) const
{
    // A text wider than its cell ends in "…" instead of losing both ends;
    // the cell's tooltip and the accessible description hold it whole.
    const QString Times = CellTimes(Col, Row);
    const int Width = CellRect(Col, Row).width();
    if (Times.isEmpty())
        return ElidedToWidth(fontMetrics(), CellText(Col, Row), Width);
    const QString Day = ShownDayText(Col, Row);
    if (Day.trimmed().isEmpty())
        return ElidedToWidth(fontMetrics(), Times, Width);
    return Day + TimesGap + Times;
}

void TMirvaneGrid::PaintCell(QPainter& Painter, int Col, int Row, const QRect& Rect, TCellState)
{
    const QString Times = CellTimes(Col, Row);
    const QString Day = Times.isEmpty() ? QString() : ShownDayText(Col, Row);
    if (Day.trimmed().isEmpty()) {
        DrawCentred(Painter, ShownText(Col, Row), Rect);
        return;
    }
    // The times stand at the end of the cell as its text reads: at the left
    // in Hebrew, at the right in English; the day's text is centred in the
    // room they leave.
    const int TimesWidth = fontMetrics().horizontalAdvance(Times + TimesGap);
    const bool AtLeft = Times.isRightToLeft();
    const QRect TimesRect = AtLeft ? QRect(Rect.left(), Rect.top(), TimesWidth, Rect.height())
                                   : QRect(Rect.right() + 1 - TimesWidth, Rect.top(), TimesWidth, Rect.height());
    const QRect DayRect = AtLeft ? QRect(TimesRect.right() + 1, Rect.top(), Rect.width() - TimesWidth, Rect.height())
                                 : QRect(Rect.left(), Rect.top(), Rect.width() - TimesWidth, Rect.height());
    DrawCentred(Painter, Times, TimesRect);
    DrawCentred(Painter, Day, DayRect);
}

void TMirvaneGrid::DrawCentred(QPainter& Painter, const QString& Text, const QRect& Rect)
{
    if (Text.isEmpty())
        return;
    const QFontMetrics Metrics = Painter.fontMetrics();
    const int X = Rect.left() + (Rect.width() - Metrics.horizontalAdvance(Text)) / 2;
    const int Y = Rect.top() + (Rect.height() - Metrics.height()) / 2;
    if (!Text.isRightToLeft()) {
        // English text reads left to right in a right-to-left window too, so
        // that its "…" stays at its end.
        Painter.setLayoutDirection(Qt::LeftToRight);
        Painter.drawText(X, Y + Metrics.ascent(), Text);
        return;
    }
    // Hebrew text runs right to left whatever the window's direction, so that
    // the day and the month of a heading, or a festival and its portion,
    // stand in reading order.
    QTextOption Option(Qt::AlignCenter);
    Option.setTextDirection(Qt::RightToLeft);
    Option.setWrapMode(QTextOption::NoWrap);
    Painter.drawText(QRectF(X, Y, Metrics.horizontalAdvance(Text), Metrics.height()), Text, Option);
}

bool TMirvaneGrid::event(QEvent* Event)
{
    if (Event->type() != QEvent::ToolTip)
        return TCustomGrid::event(Event);
    const auto* Help = static_cast<QHelpEvent*>(Event);
    const std::optional<TGridCell> Cell = CellAt(Help->pos());
    const QString Tip = Cell ? ToolTipText(Cell->Col, Cell->Row) : QString();
    if (!Tip.isEmpty()) {
        QToolTip::showText(Help->globalPos(), Tip, this, CellRect(Cell->Col, Cell->Row));
    } else {
        QToolTip::hideText();
        Event->ignore();
    }
    return true;
}

// Only a cut text has more to show, times the minutes they follow, and a
// day of the Omer its count as it is said.
QString TMirvaneGrid::ToolTipText(int Col, int Row) const
{
    const bool WithTimes = !CellTimes(Col, Row).isEmpty();
    const QString Omer = QString::fromStdString(Grid.CellOmerCount(Col, Row));
    if (!WithTimes && Omer.isEmpty() && ShownText(Col, Row) == CellText(Col, Row))
        return {};
    QString Tip = CellText(Col, Row);
    if (WithTimes)
        Tip += u'\n' + tr("Candles %1 minutes before sunset").arg(Grid.DayTimesCandleMinutes());
    if (!Omer.isEmpty())
        Tip += u'\n' + Omer;
    return Tip;
}

// Wider than its minimum width, the grid gives the room to the text column:
// the weekday and the day numbers need no more.
void TMirvaneGrid::ClientResized(int Width, int Height)
{
    const int Frame = width() - Width;
    const int Narrowest = minimumWidth() > Frame ? std::min(Width, minimumWidth() - Frame) : Width;
    const TClientSizeMetrics Metrics = ClientSizeMetrics(Narrowest, Height, GridLineWidth(), ColCount(), RowCount());
    SetDefaultColWidth(Metrics.ColWidth);
    SetDefaultRowHeight(Metrics.RowHeight);
    for (int Row = 0; Row < FixedRows(); ++Row)
        SetRowHeight(Row, Metrics.HeadingRowHeight);
    SetColWidth(ColCount() - 1, Metrics.LastColWidth + Width - Narrowest);
}

void TMirvaneGrid::ShowModel()
{
    // The sentence first: moving the selection announces the new cell with it.
    setAccessibleDescription(QString::fromStdString(Grid.SelectedDayDescription()));
    PlaceSelection(Grid.SelectedCol(), Grid.SelectedRow());
    update();
}

void TMirvaneGrid::NotifyChange()
{
    if (const auto Handler = OnChange)
        Handler(*this);
}

}  // namespace mirvane
