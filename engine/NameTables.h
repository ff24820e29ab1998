#pragma once

#include <array>
#include <string_view>

namespace mirvane {

// Fixed name tables shared by the whole program, indexed from 1 as the
// calendar counts; entry 0 is empty and never shown.
using TMonthNameTable = std::array<std::string_view, 14>;

inline constexpr TMonthNameTable JewishMonthNamesLeap = {
    "", "Nissan", "Iyar", "Sivan", "Tamuz", "Av", "Elul", "Tishrei",
    "Cheshvan", "Kislev", "Tevet", "Shvat", "Adar1", "Adar2"};

// Month 13 has no name in a common year.
inline constexpr TMonthNameTable JewishMonthNames = {
    "", "Nissan", "Iyar", "Sivan", "Tamuz", "Av", "Elul", "Tishrei",
    "Cheshvan", "Kislev", "Tevet", "Shvat", "Adar", ""};

// Indexed by weekday number, 1 = Sunday ... 7 = Saturday.
inline constexpr std::array<std::string_view, 8> DayNames = {
    "", "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};

inline constexpr std::array<std::string_view, 13> GregorianMonthNames = {
    "", "January", "February", "March", "April", "May", "June",
    "July", "August", "September", "October", "November", "December"};

inline constexpr std::array<std::string_view, 13> GregorianMonthShort = {
    "", "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

}  // namespace mirvane
