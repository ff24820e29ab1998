#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cli/CliDate.h"
#include "cli/CliFailure.h"
#include "cli/CommandLine.h"
#include "cli/CommandOptions.h"
#include "cli/CommandOutput.h"
#include "export/MonthGridFile.h"
#include "cli/JsonText.h"
#include "cli/ShowOption.h"
#include "cli/TableOutput.h"
#include "engine/HebrewDateText.h"
#include "engine/ConvertError.h"
#include "engine/DateConversion.h"
#include "grid/MonthGrid.h"
#include "engine/GregorianDateText.h"

namespace mirvane {
namespace {

TJson JsonHeadings(const TMonthGrid& Grid)
{
    TJson Headings = TJson::array();
    for (const std::int32_t Row : {YearRow, MonthRow}) {
        TJson Cells = TJson::array();
        for (std::int32_t Col = 0; Col < GridColCount; ++Col)
            Cells.push_back(Grid.CellText(Col, Row));
        Headings.push_back(std::move(Cells));
    }
    return Headings;
}

// The English page; with Hebrew (the same page in Hebrew) each Jewish value
// gains its Hebrew twin.
std::string MonthJson(const TMonthGrid& Grid, const TMonthGrid* Hebrew)
{
    TJson Days = TJson::array();
    for (const TGridDay& Day : MonthGridDays(Grid)) {
        TJson Object{{"date", IsoDateText(Day.Date)},
                     {"weekday", Grid.CellText(WeekdayColumn, Day.Row)},
                     {"gregorianDay", Grid.CellText(GregorianColumn, Day.Row)},
                     {"jewishDay", Grid.CellText(JewishColumn, Day.Row)},
                     {"jewishDate", JewishDateOfRow(Grid, Day.Row)},
                     {"text", Grid.CellText(DayTextColumn, Day.Row)}};
        if (Hebrew) {
            Object["jewishDayHebrew"] = Hebrew->CellText(JewishColumn, Day.Row);
            Object["jewishDateHebrew"] = JewishDateOfRow(*Hebrew, Day.Row);
            Object["textHebrew"] = Hebrew->CellText(DayTextColumn, Day.Row);
        }
        Days.push_back(std::move(Object));
    }
    TJson Page{{"headings", JsonHeadings(Grid)}};
    if (Hebrew)
        Page["headingsHebrew"] = JsonHeadings(*Hebrew);
    Page["days"] = std::move(Days);
    return JsonText(Page);
}

}  // namespace

TCommand AddMonthCommand(CLI::App& App)
{
    struct TOptions {
        std::string Date;
        bool Jewish = false;
        bool Israel = false;
        bool Hebrew = false;
        std::string Show = "festivals";
        TOutputFormat Format = TOutputFormat::Text;
    };
    const auto Options = std::make_shared<TOptions>();
    CLI::App* Command =
        App.add_subcommand("month", "The month grid page holding DATE: the heading rows, then one row per day");
    Command->add_option("DATE", Options->Date, "A day of the month, YYYY-MM-DD or today")
        ->required()
        ->check(CliDateCheck());
    Command->add_flag("--jewish", Options->Jewish, "The Jewish month holding DATE instead of the Gregorian one");
    AddIsraelFlag(*Command, Options->Israel);
    AddHebrewFlag(*Command, Options->Hebrew);
    AddShowOption(*Command, Options->Show, "festivals");
    AddFormatOption(*Command, Options->Format);
    return {Command, [Options](std::ostream& Out) {
                const TLuachShow Show = ShowAsked(Options->Show);
                const TDateTime Date = ReadCliDate(Options->Date).value_or(0);
                RequireJewishDate(Date);
                TMonthGrid Grid{Date};
                Grid.ChangeDiaspora(!Options->Israel);
                Grid.SetLuachShow(Show);
                if (Options->Jewish) {
                    try {
                        Grid.SetJewishMonthMode(true);
                    } catch (const EConvertError&) {
                        throw ECliFailure("the Jewish month holding " + IsoDateText(Date) +
                                          " begins before the calendar's first day, " +
                                          IsoDateText(FirstConvertibleDate()));
                    }
                }
                // The same page in Hebrew, only when asked for.
                std::optional<TMonthGrid> Hebrew;
                if (Options->Hebrew) {
                    Hebrew.emplace(Grid);
                    Hebrew->SetHebrewNames(true);
                }
                WriteCommandOutput(Out,
                                   {{},
                                    [&] { return TTable{{}, MonthGridRows(Hebrew ? *Hebrew : Grid)}; },
                                    [&] { return MonthJson(Grid, Hebrew ? &*Hebrew : nullptr); },
                                    [&Grid] { return MonthGridEvents(Grid); }},
                                   Options->Format);
            }};
}

}  // namespace mirvane
