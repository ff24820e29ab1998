#include "engine/SeasonTime.h"

#include <cstdio>

namespace mirvane {

void TSeasonTime::SetCycleDrift()
{
    SetTime(0, 1, 1048, 46);
}

void TSeasonTime::StoreNormalised(std::int64_t NewDays, std::int64_t NewHours, std::int64_t NewParts,
                                  std::int64_t NewMoments)
{
    // Truncating division: only a positive excess is carried and a negative
    // field stays as it is, which is what the season reckoning relies on.
    NewParts += NewMoments / MomentsPerPart;
    NewHours += NewParts / PartsPerHour;
    NewDays += NewHours / HoursPerDay;
    Moments = static_cast<std::int32_t>(NewMoments % MomentsPerPart);
    Parts = static_cast<std::int32_t>(NewParts % PartsPerHour);
    Hours = static_cast<std::int32_t>(NewHours % HoursPerDay);
    // A day count past 32 bits needs a factor far beyond any year the
    // calendar reaches; it wraps rather than overflowing.
    Days = static_cast<std::int32_t>(NewDays);
}

void TSeasonTime::Normalise()
{
    StoreNormalised(Days, Hours, Parts, Moments);
}

void TSeasonTime::AddUnits(std::int64_t OtherDays, std::int64_t OtherHours, std::int64_t OtherParts,
                           std::int64_t OtherMoments)
{
    StoreNormalised(Days + OtherDays, Hours + OtherHours, Parts + OtherParts, Moments + OtherMoments);
}

void TSeasonTime::Add(const TSeasonTime& Other)
{
    AddUnits(Other.Days, Other.Hours, Other.Parts, Other.Moments);
}

void TSeasonTime::Add(const TMoonTime& Other)
{
    AddUnits(Other.Days, Other.Hours, Other.Parts, 0);
}

void TSeasonTime::SubtractUnits(std::int64_t OtherDays, std::int64_t OtherHours, std::int64_t OtherParts,
                                std::optional<std::int64_t> OtherMoments)
{
    std::int64_t NewMoments = Moments;
    std::int64_t NewParts = Parts;
    std::int64_t NewHours = Hours;
    std::int64_t NewDays = Days;
    if (OtherMoments) {
        NewMoments -= *OtherMoments;
        if (NewMoments < 0) {
            NewMoments += MomentsPerPart;
            NewParts -= 1;
        }
    }
    NewParts -= OtherParts;
    if (NewParts < 0) {
        NewParts += PartsPerHour;
        NewHours -= 1;
    }
    NewHours -= OtherHours;
    if (NewHours < 0) {
        NewHours += HoursPerDay;
        NewDays -= 1;
    }
    NewDays -= OtherDays;
    Moments = static_cast<std::int32_t>(NewMoments);
    Parts = static_cast<std::int32_t>(NewParts);
    Hours = static_cast<std::int32_t>(NewHours);
    Days = static_cast<std::int32_t>(NewDays);
}

void TSeasonTime::Subtract(const TSeasonTime& Other)
{
    SubtractUnits(Other.Days, Other.Hours, Other.Parts, Other.Moments);
}

void TSeasonTime::Subtract(const TMoonTime& Other)
{
    SubtractUnits(Other.Days, Other.Hours, Other.Parts, std::nullopt);
}

void TSeasonTime::MultiplyBy(std::int32_t Factor)
{
    StoreNormalised(std::int64_t{Days} * Factor, std::int64_t{Hours} * Factor, std::int64_t{Parts} * Factor,
                    std::int64_t{Moments} * Factor);
}

std::string TSeasonTime::SeasonText() const
{
    char Buffer[64];
    std::snprintf(Buffer, sizeof Buffer, "%dd %dh %dp %df", Days, Hours, Parts, Moments);
    return Buffer;
}

}  // namespace mirvane
