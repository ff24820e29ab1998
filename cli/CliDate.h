#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/DateServices.h"

namespace mirvane {

// A date argument: "YYYY-MM-DD" (years 0001 to 9999) or "today". Nothing
// for any other text or a day the month does not have.
std::optional<TDateTime> ReadCliDate(std::string_view Text);

// For the argument parser: empty when Text is a date, else the reason.
std::string CliDateProblem(const std::string& Text);

// The first day with a Jewish date; a failure naming Date when it is
// earlier.
void RequireJewishDate(TDateTime Date);

// A failure, "no <What> for the Jewish year <Year>", unless the calendar
// gives the days of that year dates (3763 to 13775).
void RequireDatedJewishYear(std::int64_t Year, std::string_view What);

}  // namespace mirvane
