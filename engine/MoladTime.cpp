#include "engine/MoladTime.h"

#include <cstddef>
#include <cstdio>

#include "engine/NameTables.h"

namespace mirvane {
namespace {

// Division rounding toward minus infinity, so that a negative field borrows
// from the next larger unit instead of staying negative.
std::int64_t FloorDiv(std::int64_t Value, std::int64_t Divisor)
{
    const std::int64_t Quotient = Value / Divisor;
    return (Value % Divisor < 0) ? Quotient - 1 : Quotient;
}

std::int64_t FloorMod(std::int64_t Value, std::int64_t Divisor)
{
    return Value - FloorDiv(Value, Divisor) * Divisor;
}

}  // namespace

void TMoonTime::StoreNormalised(std::int64_t NewDays, std::int64_t NewHours, std::int64_t NewParts)
{
    NewHours += FloorDiv(NewParts, PartsPerHour);
    NewDays += FloorDiv(NewHours, HoursPerDay);
    Parts = static_cast<std::int32_t>(FloorMod(NewParts, PartsPerHour));
    Hours = static_cast<std::int32_t>(FloorMod(NewHours, HoursPerDay));
    Days = static_cast<std::int32_t>(FloorMod(NewDays, DaysPerWeek));
}

void TMoonTime::Normalise()
{
    StoreNormalised(Days, Hours, Parts);
}

void TMoonTime::Add(const TMoonTime& Other)
{
    StoreNormalised(std::int64_t{Days} + Other.Days, std::int64_t{Hours} + Other.Hours,
                    std::int64_t{Parts} + Other.Parts);
}

void TMoonTime::AddLunarMonths(std::int64_t Count)
{
    StoreNormalised(Days, Hours, Parts + Count * LunarMonthParts);
}

void TMoonTime::MultiplyBy(std::int32_t Factor)
{
    // Factors are counts of cycles, years or months; a product of two 32-bit
    // values always fits in 64 bits, whatever year was asked for.
    StoreNormalised(std::int64_t{Days} * Factor, std::int64_t{Hours} * Factor, std::int64_t{Parts} * Factor);
}

void TMoonTime::SetEpoch()
{
    *this = TMoonTime(2, 5, 204);
}

void TMoonTime::SetMonth()
{
    *this = TMoonTime(1, 12, 793);
}

void TMoonTime::SetCommonYear()
{
    SetMonth();
    MultiplyBy(12);
}

void TMoonTime::SetLeapYear()
{
    SetMonth();
    MultiplyBy(13);
}

void TMoonTime::SetCycle()
{
    // Twelve common and seven leap years; the order of the steps is fixed so
    // every intermediate value is normalised the same way.
    TMoonTime CommonYears;
    CommonYears.SetCommonYear();
    CommonYears.MultiplyBy(12);
    SetLeapYear();
    MultiplyBy(7);
    Add(CommonYears);
}

TMoladClock TMoonTime::Clock() const
{
    // The molad day starts at 6 pm the evening before the civil day.
    std::int32_t Day = Days;
    std::int32_t Hour = Hours - 6;
    if (Hour < 0) {
        Hour += 24;
        Day -= 1;
    }
    std::int32_t Weekday = static_cast<std::int32_t>(FloorMod(Day, DaysPerWeek));
    if (Weekday == 0)
        Weekday = 7;
    return {Weekday, Hour, Parts / 18, Parts % 18};
}

std::string TMoonTime::MoladText() const
{
    const TMoladClock Time = Clock();
    char Buffer[96];
    std::snprintf(Buffer, sizeof Buffer, "%s %d:%.2d and %d parts", DayNames[static_cast<std::size_t>(Time.Weekday)].data(),
                  Time.Hour, Time.Minute, Time.Parts);
    return Buffer;
}

}  // namespace mirvane
