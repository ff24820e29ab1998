#pragma once

#include <cstdint>
#include <string>

namespace mirvane {

// Day 1..49 of the Omer: "Omer day 10" and "עומר י׳", and the count as it is
// said: "Today is ten days, which are one week and three days of the Omer",
// "היום עשרה ימים, שהם שבוע אחד ושלושה ימים לעומר". Empty outside 1..49.
std::string OmerDayText(std::int32_t Day);
std::string HebrewOmerDayText(std::int32_t Day);
std::string OmerCountSentence(std::int32_t Day);
std::string HebrewOmerCountSentence(std::int32_t Day);

}  // namespace mirvane
