#include "export/MonthGridFile.h"

#include "engine/HebrewDateText.h"

namespace mirvane {
namespace {

std::string Trimmed(const std::string& Text)
{
    const auto First = Text.find_first_not_of(' ');
    if (First == std::string::npos)
        return {};
    return Text.substr(First, Text.find_last_not_of(' ') - First + 1);
}

}  // namespace

std::vector<std::vector<std::string>> MonthGridRows(const TMonthGrid& Grid)
{
    std::vector<std::vector<std::string>> Rows;
    for (std::int32_t Row = 0; Row < GridRowCount; ++Row) {
        std::vector<std::string> Cells;
        bool HasText = false;
        for (std::int32_t Col = 0; Col < GridColCount; ++Col) {
            Cells.push_back(Grid.CellText(Col, Row));
            HasText = HasText || !Cells.back().empty();
        }
        if (HasText)
            Rows.push_back(std::move(Cells));
    }
    return Rows;
}

std::vector<TGridDay> MonthGridDays(const TMonthGrid& Grid)
{
    std::vector<TGridDay> Days;
    for (std::int32_t Offset = 0; Offset < Grid.Page().PageDays; ++Offset)
        Days.push_back({Grid.Page().FirstDate + Offset, FirstDayRow + Offset});
    return Days;
}

std::string JewishDateOfRow(const TMonthGrid& Grid, std::int32_t Row)
{
    const TCellDate Date = Grid.CellDate(JewishColumn, Row);
    return JewishDateTextIn({Date.Year, Date.Month, Date.Day}, Grid.HebrewNames());
}

std::vector<TIcsEvent> MonthGridEvents(const TMonthGrid& Grid)
{
    std::vector<TIcsEvent> Events;
    for (const TGridDay& Day : MonthGridDays(Grid)) {
        const std::string Text = Trimmed(Grid.CellText(DayTextColumn, Day.Row));
        if (!Text.empty())
            Events.push_back({Day.Date, Text + " (" + JewishDateOfRow(Grid, Day.Row) + ")", IcsUid(Day.Date, "day", Text)});
    }
    return Events;
}

}  // namespace mirvane
