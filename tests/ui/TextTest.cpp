#include <cmath>

#include <gtest/gtest.h>

#include "engine/ConvertError.h"
#include "tests/ui/BoxCapture.h"
#include "widgets/ErrorReport.h"
#include "ui/Mirvane.h"

namespace mirvane {
namespace {

TEST(ErrorReportText, AppendsAFullStopAfterCharactersThatSortAfterIt)
{
    const std::pair<const char*, const char*> Cases[] = {
        {"Invalid argument to date encode", "Invalid argument to date encode."},
        {"Invalid Jewish Month", "Invalid Jewish Month."},
        {"Done.", "Done."},
        {"Why?", "Why?."},  // '?' sorts after '.'
        {"Stop!", "Stop!"},
        {"(a)", "(a)"},
        {"a-", "a-"},
        {"year 5", "year 5."},
        {"", ""},
    };
    for (const auto& [Text, Expected] : Cases) {
        EXPECT_EQ(ErrorReportText(QString::fromLatin1(Text)), QString::fromLatin1(Expected)) << Text;
    }
}

TEST(ErrorReport, AHandlerFailureBecomesOneErrorBoxAndGoesNoFurther)
{
    BoxCapture Captured;
    bool After = false;
    RunHandler([&] {
        throw EConvertError("Invalid Jewish Month");
        After = true;  // never reached
    });
    EXPECT_FALSE(After);
    ASSERT_EQ(Captured.Boxes.size(), 1U);
    EXPECT_EQ(Captured.Boxes[0].first, TBoxKind::Error);
    EXPECT_EQ(Captured.Boxes[0].second, QStringLiteral("Invalid Jewish Month."));
}

TEST(GregorianDateText, WeekdayDayMonthAndYearSeparatedByBlanks)
{
    const std::pair<TDateTime, const char*> Cases[] = {
        {EncodeDate(1970, 12, 1), "Tuesday 1 December 1970"},
        {EncodeDate(2026, 9, 12), "Saturday 12 September 2026"},
        {EncodeDate(1, 1, 1), "Monday 1 January 1"},
        {EncodeDate(9999, 12, 31), "Friday 31 December 9999"},
        {0, "Saturday 30 December 1899"},
    };
    for (const auto& [Date, Expected] : Cases) {
        EXPECT_EQ(TForm1::GregorianDateText(Date), QString::fromLatin1(Expected));
    }
    // A value that is no date has no text, rather than names read past a table.
    EXPECT_TRUE(TForm1::GregorianDateText(std::nan("")).isEmpty());
}

}  // namespace
}  // namespace mirvane
