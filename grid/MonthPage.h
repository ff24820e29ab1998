#pragma once

#include <cstdint>

#include "engine/DateServices.h"

namespace mirvane {

// What one page of the month grid shows: its first day and the Jewish and
// Gregorian months and years it touches. Row 2 shows FirstDate, each further
// row the next day. Laid out as a whole by LayoutMonthPage, never edited.
struct TMonthPage {
    TDateTime FirstDate = 0;
    std::int32_t FirstWeekday = 0;  // 1 = Sunday ... 7 = Saturday
    std::int32_t FirstJewishYear = 0;
    std::int32_t FirstJewishMonth = 0;
    std::int32_t FirstJewishDay = 0;  // always 1 on a Jewish page
    // On a Gregorian page that reaches 1 Tishrei: the year beginning there.
    std::int32_t NextJewishYear = 0;
    // On a Gregorian page: the Jewish months after the first, if reached.
    std::int32_t SecondJewishMonth = 0;
    std::int32_t ThirdJewishMonth = 0;
    std::int32_t FirstGregorianYear = 0;
    // On a Jewish page: the Gregorian year of its last day when it differs.
    std::int32_t NextGregorianYear = 0;
    std::int32_t FirstGregorianMonth = 0;
    // On a Jewish page: the Gregorian months after the first, if touched.
    std::int32_t SecondGregorianMonth = 0;
    std::int32_t ThirdGregorianMonth = 0;

    // Derived at layout: the number of days on the page, and the lengths of
    // the first two Jewish months, each in the year it lies in.
    std::int32_t PageDays = 0;
    std::int32_t FirstJewishMonthDays = 0;
    std::int32_t SecondJewishMonthDays = 0;

    bool operator==(const TMonthPage&) const = default;
};

}  // namespace mirvane
