#pragma once

#include <vector>

#include "engine/DateConversion.h"
#include "engine/JewishYear.h"

namespace mirvane {

// A calculator set to the year Number under Rules.
inline TJewishYear YearOf(std::int32_t Number, TRules Rules = TRules::Diaspora)
{
    TJewishYear Calculator(Rules);
    Calculator.SetYear(Number);
    return Calculator;
}

// Every day of the calculator's year in order, from 1 Tishrei to the end of
// Elul; index i is the day i days after 1 Tishrei.
inline std::vector<TJewishDate> DaysOfYear(const TJewishYear& Calculator)
{
    std::vector<TJewishDate> Days;
    for (std::int32_t Position = 1; Position <= 13; ++Position) {
        const std::int32_t Month = Calculator.MonthAtPosition(Position);
        if (Position == 13 && !Calculator.IsLeap)
            break;
        for (std::int32_t Day = 1; Day <= Calculator.DaysInMonth(Month); ++Day)
            Days.push_back({Calculator.Year, Month, Day});
    }
    return Days;
}

}  // namespace mirvane
