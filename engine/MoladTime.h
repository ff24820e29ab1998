#pragma once

#include <cstdint>
#include <string>

namespace mirvane {

// A molad as the civil week tells it: weekday (1 = Sunday ... 7 = Saturday),
// 24-hour clock and the parts left over the minute, 18 to the minute.
struct TMoladClock {
    std::int32_t Weekday = 0;
    std::int32_t Hour = 0;
    std::int32_t Minute = 0;
    std::int32_t Parts = 0;
    bool operator==(const TMoladClock&) const = default;
};

// A molad (mean new moon) as a point in the week: molad weekday (0 = Saturday
// ... 6 = Friday), hours counted from 6 pm of the evening that begins the day,
// and parts, 1080 to the hour. Only the weekday of a molad matters to the
// calendar rules, so every normalisation discards whole weeks.
class TMoonTime {
public:
    static constexpr std::int32_t PartsPerHour = 1080;
    static constexpr std::int32_t HoursPerDay = 24;
    static constexpr std::int32_t DaysPerWeek = 7;
    // The mean lunar month, 29 days 12 hours and 793 parts, in parts.
    static constexpr std::int64_t LunarMonthParts = (29 * HoursPerDay + 12) * std::int64_t{PartsPerHour} + 793;

    std::int32_t Days = 0;
    std::int32_t Hours = 0;
    std::int32_t Parts = 0;

    constexpr TMoonTime() = default;
    constexpr TMoonTime(std::int32_t NewDays, std::int32_t NewHours, std::int32_t NewParts)
    {
        SetTime(NewDays, NewHours, NewParts);
    }

    // Stores the three values only when all are in range; otherwise the
    // object is left as it was.
    constexpr void SetTime(std::int32_t NewDays, std::int32_t NewHours, std::int32_t NewParts)
    {
        if (NewDays < 0 || NewDays >= DaysPerWeek || NewHours < 0 || NewHours >= HoursPerDay || NewParts < 0 ||
            NewParts >= PartsPerHour)
            return;
        Days = NewDays;
        Hours = NewHours;
        Parts = NewParts;
    }
    void Add(const TMoonTime& Other);
    void MultiplyBy(std::int32_t Factor);
    void Normalise();
    // Count mean lunar months later (earlier when negative). The whole sum is
    // reduced to the week once, which gives what adding SetMonth() times Count
    // gives: every reduction only carries units and drops whole weeks.
    void AddLunarMonths(std::int64_t Count);

    void SetEpoch();       // molad of Tishrei of year 1
    void SetMonth();       // the mean lunar month less its four weeks
    void SetCommonYear();  // 12 lunar months
    void SetLeapYear();    // 13 lunar months
    void SetCycle();       // 235 lunar months, one 19-year cycle

    // Civil weekday and 24-hour clock, e.g. "Sunday 23:11 and 6 parts".
    std::string MoladText() const;
    TMoladClock Clock() const;

    bool operator==(const TMoonTime&) const = default;

private:
    // Carries parts into hours and hours into days, then drops whole weeks.
    // Wide integers keep products of any 32-bit factor exact.
    void StoreNormalised(std::int64_t NewDays, std::int64_t NewHours, std::int64_t NewParts);
};

}  // namespace mirvane
