#pragma once

#include <cstdint>
#include <string>

#include "engine/DateServices.h"

namespace mirvane {

// "15 Nissan 5757": day, month name in that year (Adar1/Adar2 in a leap
// year, Adar in a common one) and year, separated by single blanks.
std::string JewishDateText(std::int32_t Year, std::int32_t Month, std::int32_t Day);

// The month in TargetYear on which an event of BirthMonth falls. Only Adar
// needs a rule; PlainAdarIsAdar2 says where a birth in a common year's Adar
// goes in a leap year.
std::int32_t AnniversaryMonth(std::int32_t BirthYear, std::int32_t BirthMonth, std::int32_t TargetYear,
                              bool PlainAdarIsAdar2);

// The date of the anniversary in TargetYear. Day numbers are never adjusted:
// day 30 of a month that has 29 days that year falls on the next month's 1st.
TDateTime AnniversaryDate(std::int32_t BirthYear, std::int32_t BirthMonth, std::int32_t BirthDay,
                          std::int32_t TargetYear, bool PlainAdarIsAdar2);

}  // namespace mirvane
