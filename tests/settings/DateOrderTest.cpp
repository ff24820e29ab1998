#include <gtest/gtest.h>

#include <QString>

#include "settings/LocaleDateOrder.h"

namespace mirvane {
namespace {

struct TFormatCase {
    const char* Format;
    TDateOrder Expected;
};

TEST(DateOrderOfFormat, ReadsTheOrderOfDayMonthAndYear)
{
    const TFormatCase Cases[] = {
        {"M/d/yy", MonthDayYear},
        {"MM/dd/yyyy", MonthDayYear},
        {"dddd, MMMM d, yyyy", MonthDayYear},  // the weekday name is not the day
        {"dd.MM.yy", DayMonthYear},
        {"d MMM yyyy", DayMonthYear},
        {"dd/MM/yyyy", DayMonthYear},
        {"yyyy/MM/dd", YearMonthDay},
        {"yyyy. MM. dd.", YearMonthDay},
        {"yy'd'MM'M'dd", YearMonthDay},  // quoted letters are text
        {"d/y/M", DayMonthYear},  // no order of ours: the default
        {"", DayMonthYear},
        {"HH:mm", DayMonthYear},
        {"'", DayMonthYear},
    };
    for (const auto& Case : Cases) {
        EXPECT_EQ(DateOrderOfFormat(QString::fromLatin1(Case.Format)), Case.Expected) << Case.Format;
    }
}

}  // namespace
}  // namespace mirvane
