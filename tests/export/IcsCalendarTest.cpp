#include <gtest/gtest.h>

#include <string>

#include "engine/DateServices.h"
#include "export/ExportFailure.h"
#include "export/IcsCalendar.h"

namespace mirvane {
namespace {

// The event's lines between BEGIN:VEVENT and END:VEVENT that carry its days.
std::string DayLines(const std::string& Calendar)
{
    std::string Lines;
    std::size_t Start = 0;
    while (Start < Calendar.size()) {
        const std::size_t End = Calendar.find("\r\n", Start);
        const std::string Line = Calendar.substr(Start, End - Start);
        if (Line.rfind("DTSTART", 0) == 0 || Line.rfind("DTEND", 0) == 0 || Line.rfind("DURATION", 0) == 0)
            Lines += Line + '\n';
        if (End == std::string::npos)
            break;
        Start = End + 2;
    }
    return Lines;
}

TEST(IcsCalendar, EveryDateOfTheCalendarIsAWholeDay)
{
    struct TCase {
        TGregorianDate Date;
        const char* Expected;
    };
    const TCase Cases[] = {
        {{2, 11, 1}, "DTSTART;VALUE=DATE:00021101\nDTEND;VALUE=DATE:00021102\n"},
        {{1999, 12, 31}, "DTSTART;VALUE=DATE:19991231\nDTEND;VALUE=DATE:20000101\n"},
        {{3000, 12, 31}, "DTSTART;VALUE=DATE:30001231\nDTEND;VALUE=DATE:30010101\n"},
        {{3001, 3, 5}, "DTSTART;VALUE=DATE:30010305\nDTEND;VALUE=DATE:30010306\n"},
        {{9999, 12, 30}, "DTSTART;VALUE=DATE:99991230\nDTEND;VALUE=DATE:99991231\n"},
        // The next day has no four-digit year: the event says its length.
        {{9999, 12, 31}, "DTSTART;VALUE=DATE:99991231\nDURATION:P1D\n"},
    };
    for (const TCase& Case : Cases) {
        const TDateTime Date = EncodeDate(Case.Date.Year, Case.Date.Month, Case.Date.Day);
        const std::string Calendar = IcsCalendarText({{Date, "Purim (14 Adar 5785)", "uid@mirvane-cli"}});
        EXPECT_EQ(DayLines(Calendar), Case.Expected) << Case.Date.Year;
        EXPECT_NE(Calendar.find("SUMMARY:Purim (14 Adar 5785)\r\n"), std::string::npos);
    }
}

TEST(IcsCalendar, ADateAfter9999FailsTheWholeFile)
{
    const TDateTime Last = EncodeDate(9999, 12, 31);
    EXPECT_THROW(IcsCalendarText({{Last, "a", "a"}, {Last + 1, "b", "b"}}), EExportFailure);
}

}  // namespace
}  // namespace mirvane
