#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "engine/MoladTime.h"

namespace mirvane {

// A duration in days, hours, parts and moments (76 moments to a part). Unlike
// a molad its day count is a plain count, never reduced to the week, and it
// may be negative in intermediate results.
class TSeasonTime : public TMoonTime {
public:
    static constexpr std::int32_t MomentsPerPart = 76;

    std::int32_t Moments = 0;

    constexpr TSeasonTime() = default;
    constexpr TSeasonTime(std::int32_t NewDays, std::int32_t NewHours, std::int32_t NewParts,
                          std::int32_t NewMoments)
    {
        SetTime(NewDays, NewHours, NewParts, NewMoments);
    }

    // Stores all four only when Days >= 0 and the others are in range.
    constexpr void SetTime(std::int32_t NewDays, std::int32_t NewHours, std::int32_t NewParts,
                           std::int32_t NewMoments)
    {
        if (NewDays < 0 || NewHours < 0 || NewHours >= HoursPerDay || NewParts < 0 || NewParts >= PartsPerHour ||
            NewMoments < 0 || NewMoments >= MomentsPerPart)
            return;
        Days = NewDays;
        Hours = NewHours;
        Parts = NewParts;
        Moments = NewMoments;
    }
    // 235 lunar months less 19 Gregorian years, to the nearest moment.
    void SetCycleDrift();

    void Add(const TSeasonTime& Other);
    void Add(const TMoonTime& Other);  // a molad time has no moments
    // Each unit borrows at most once and nothing is normalised afterwards;
    // both operands are normalised wherever the engine subtracts.
    void Subtract(const TSeasonTime& Other);
    void Subtract(const TMoonTime& Other);
    void MultiplyBy(std::int32_t Factor);
    // Carries only a positive excess (truncating division), days unreduced.
    void Normalise();

    // "%dd %dh %dp %df": days, hours, parts, moments.
    std::string SeasonText() const;

    bool operator==(const TSeasonTime&) const = default;

private:
    void AddUnits(std::int64_t OtherDays, std::int64_t OtherHours, std::int64_t OtherParts,
                  std::int64_t OtherMoments);
    // A plain molad time has no moments, so no moment is borrowed for it.
    void SubtractUnits(std::int64_t OtherDays, std::int64_t OtherHours, std::int64_t OtherParts,
                       std::optional<std::int64_t> OtherMoments);
    void StoreNormalised(std::int64_t NewDays, std::int64_t NewHours, std::int64_t NewParts,
                         std::int64_t NewMoments);
};

// The constants of the season arithmetic.
inline constexpr TSeasonTime SeasonLength{91, 7, 519, 31};  // a quarter of the solar year
inline constexpr TSeasonTime LunarMonthLength{29, 12, 793, 0};
// In the first year of every cycle the Nissan season comes this long before
// the molad of Nissan.
inline constexpr TSeasonTime FirstYearSeasonOffset{0, 9, 642, 0};

}  // namespace mirvane
