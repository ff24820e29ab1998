#include <gtest/gtest.h>

#include <memory>
#include <string>

#include <libical/ical.h>

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
        const std::string Calendar = IcsCalendarText(std::vector<TIcsEvent>{{Date, "Purim (14 Adar 5785)", "uid@mirvane-cli"}});
        EXPECT_EQ(DayLines(Calendar), Case.Expected) << Case.Date.Year;
        EXPECT_NE(Calendar.find("SUMMARY:Purim (14 Adar 5785)\r\n"), std::string::npos);
    }
}

TEST(IcsCalendar, ADateAfter9999FailsTheWholeFile)
{
    const TDateTime Last = EncodeDate(9999, 12, 31);
    EXPECT_THROW(IcsCalendarText(std::vector<TIcsEvent>{{Last, "a", "a"}, {Last + 1, "b", "b"}}), EExportFailure);
}

struct TComponentFree {
    void operator()(icalcomponent* Component) const { icalcomponent_free(Component); }
};

// Occasions are user text: whatever they hold, a calendar program reads back
// exactly that summary, and no line is longer than RFC 5545 allows or cut
// inside a character.
TEST(IcsCalendar, AnySummaryReadsBackAsItWasOnLinesOfAtMost75Octets)
{
    const std::string Summaries[] = {
        "Purim (14 Adar 5785)",
        "Grandfather; Avraham, son of Yitzchak \\ z\"l",
        "Two\nlines\r\nand three",
        std::string(200, 'x'),
        "\xD7\x99\xD7\x95\xD7\xA1\xD7\xA3 \xD7\x91\xD7\x9F \xD7\x90\xD7\x91\xD7\xA8\xD7\x94\xD7\x9D " + std::string(40, 'y') +
            "\xF0\x9F\x95\xAF\xEF\xB8\x8F \xE2\x80\x8F\xD7\x96\"\xD7\x9C (3 Kislev 5785)",
    };
    for (const std::string& Summary : Summaries) {
        const std::string Text = IcsCalendarText(std::vector<TIcsEvent>{{EncodeDate(3001, 3, 5), Summary, "uid-1@mirvane-cli"}});
        for (std::size_t Start = 0; Start < Text.size();) {
            const std::size_t End = Text.find("\r\n", Start);
            ASSERT_NE(End, std::string::npos);
            EXPECT_LE(End - Start, 75U) << Summary;
            // A line never begins inside a character.
            if (End > Start) {
                EXPECT_NE(static_cast<unsigned char>(Text[Start]) & 0xC0, 0x80U) << Summary;
            }
            Start = End + 2;
        }
        const std::unique_ptr<icalcomponent, TComponentFree> Calendar{icalparser_parse_string(Text.c_str())};
        ASSERT_TRUE(Calendar);
        EXPECT_EQ(icalcomponent_count_errors(Calendar.get()), 0);
        icalcomponent* Event = icalcomponent_get_first_component(Calendar.get(), ICAL_VEVENT_COMPONENT);
        ASSERT_NE(Event, nullptr);
        std::string Expected = Summary;
        for (std::size_t At = Expected.find("\r\n"); At != std::string::npos; At = Expected.find("\r\n"))
            Expected.erase(At, 1);
        EXPECT_EQ(icalcomponent_get_summary(Event), Expected);
        EXPECT_EQ(icaltime_as_ical_string(icalcomponent_get_dtstart(Event)), std::string("30010305"));
    }
}

}  // namespace
}  // namespace mirvane
