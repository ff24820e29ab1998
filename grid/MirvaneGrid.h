#pragma once

#include <cstdint>
#include <functional>

#include "engine/DateServices.h"
#include "widgets/CustomGrid.h"
#include "grid/MonthGrid.h"

namespace mirvane {

// The month grid control: one Gregorian or Jewish month a page, one row a
// day, with the weekday, the Gregorian and the Jewish day and the day's
// festival and portion text. It shows a TMonthGrid and passes the user's
// clicks and keys to it; the operations below are the model's.
//
// Operations that fail throw EConvertError and leave the grid as it was.
class TMirvaneGrid : public TCustomGrid {
    Q_OBJECT

public:
    // Today's Gregorian month, today selected in the Gregorian column.
    explicit TMirvaneGrid(QWidget* parent = nullptr);

    // Raised after every change of the date, the page or the rules, once the
    // grid is final; the handler may call back into the grid.
    std::function<void(TMirvaneGrid& Sender)> OnChange;

    void SetDate(TDateTime Value);
    TGregorianDate CurrentGregorianDate() const;
    TJewishDate CurrentJewishDate() const;
    void SetGregorianPart(std::int32_t Kind, std::int32_t Value);
    void SetJewishPart(std::int32_t Kind, std::int32_t Value);
    void GoNextMonth();
    void GoPrevMonth();
    void GoNextYear();
    void GoPrevYear();
    void ChangeDiaspora(bool Value);
    void SetJewishMonthMode(bool On);
    void SetHebrewNames(bool On);
    void SetCivilNames(const TCivilNames& Names);
    // The candle lighting, havdalah and fast times at Site in the text
    // column; nothing for none.
    void SetDayTimes(const std::optional<TTimesSite>& Site);
    // The luach's categories and cycles the text column adds.
    void SetLuachShow(const TLuachShow& Show);
    bool JewishSelected() const;
    bool ByJewishMonth() const;
    TDateTime CurrentDate() const;

    // Everything the grid shows, for reading.
    const TMonthGrid& Model() const { return Grid; }

    QSize sizeHint() const override;
    // As high as rows that fit the text of the grid's font: a font taller
    // than the one the page was designed for needs a taller grid.
    QSize minimumSizeHint() const override;
    QString CellText(int Col, int Row) const override;
    // The cell's text as drawn: cut with "…" when wider than the cell.
    QString ShownText(int Col, int Row) const;
    // What the cell's tooltip holds; empty when the cell has no more to say
    // than it shows.
    QString ToolTipText(int Col, int Row) const;
    // The times that end a day's text, which the cell always shows whole.
    QString CellTimes(int Col, int Row) const;

protected:
    bool event(QEvent* Event) override;
    bool CanSelectCell(int Col, int Row) const override;
    void CellClicked() override;
    void PaintCell(QPainter& Painter, int Col, int Row, const QRect& Rect, TCellState State) override;
    void ClientResized(int Width, int Height) override;

private:
    void ShowModel();
    // A day's text as drawn beside its times: cut to the room they leave,
    // empty when none is left.
    QString ShownDayText(int Col, int Row) const;
    void DrawCentred(QPainter& Painter, const QString& Text, const QRect& Rect);
    inline static const QString TimesGap = QStringLiteral("  ");
    void NotifyChange();

    TMonthGrid Grid;
};

}  // namespace mirvane
