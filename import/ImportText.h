#pragma once

// Small text helpers the readers share: files are UTF-8, and the words they
// look for are ASCII, so case is folded only in ASCII.

#include <string>
#include <string_view>

namespace mirvane {

std::string AsciiLower(std::string_view Text);
bool ContainsWord(std::string_view Text, std::string_view LowerWord);
std::string_view TrimBlanks(std::string_view Text);
// Text without a leading UTF-8 byte order mark.
std::string_view WithoutBom(std::string_view Text);

}  // namespace mirvane

#include <optional>

#include "engine/DateServices.h"

namespace mirvane {

// "1970-12-01": a day that exists, or nothing.
std::optional<TGregorianDate> ReadIsoDate(std::string_view Text);

}  // namespace mirvane

#include "engine/DateConversion.h"

namespace mirvane {

// The days of a Jewish month in a year; 0 for Adar II of a common year or a
// year the calendar does not reach.
std::int32_t JewishMonthDays(std::int32_t Year, std::int32_t Month);

}  // namespace mirvane
