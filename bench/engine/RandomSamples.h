#pragma once

// The random days every conversion benchmark, ours and the peer's, works
// through: the same days in the same order, across the whole range.

#include <random>
#include <vector>

#include "engine/DateConversion.h"
#include "engine/DateServices.h"

namespace mirvane {

inline constexpr int SampleCount = 4096;

inline std::vector<TDateTime> RandomDates()
{
    std::mt19937 Random(20261207);
    std::uniform_int_distribution<int> Day(static_cast<int>(FirstConvertibleDate()),
                                           static_cast<int>(EncodeDate(9999, 12, 31)));
    std::vector<TDateTime> Dates(SampleCount);
    for (TDateTime& Date : Dates)
        Date = Day(Random);
    return Dates;
}

inline std::vector<TJewishDate> RandomJewishDates()
{
    std::vector<TJewishDate> Dates;
    for (const TDateTime Date : RandomDates())
        Dates.push_back(DateTimeToJewish(Date));
    return Dates;
}

}  // namespace mirvane
