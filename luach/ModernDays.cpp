#include "engine/Weekdays.h"
#include "luach/LuachYearBuilder.h"

namespace mirvane {
namespace {

// How the law moves a day off the weekend: to the Thursday before when it
// falls on Friday or Saturday, or to the Sunday after (from Friday, Saturday
// or both).
enum class TMove { None, FridaySaturdayToThursday, SaturdayToSunday, FridaySaturdayToSunday };

struct TModernDay {
    std::int32_t Month;
    std::int32_t Day;
    std::int32_t FirstYear;
    bool IsraelOnly;  // kept by law in Israel only
    TMove Move;
    std::string_view Key;
    const char* English;
    const char* Hebrew;
};

constexpr TModernDay FixedModernDays[] = {
    {Iyar, 28, 5727, false, TMove::None, "yom-yerushalayim", "Yom Yerushalayim", "יום ירושלים"},
    {Kislev, 6, 5737, true, TMove::FridaySaturdayToSunday, "ben-gurion-day", "Ben-Gurion Day", "יום בן־גוריון"},
    {Shvat, 30, 5750, true, TMove::None, "family-day", "Family Day", "יום המשפחה"},
    {Cheshvan, 12, 5758, true, TMove::FridaySaturdayToThursday, "yitzhak-rabin-memorial-day",
     "Yitzhak Rabin Memorial Day", "יום הזיכרון ליצחק רבין"},
    {Iyar, 10, 5764, true, TMove::SaturdayToSunday, "herzl-day", "Herzl Day", "יום הרצל"},
    {Tamuz, 29, 5765, true, TMove::SaturdayToSunday, "jabotinsky-day", "Jabotinsky Day", "יום ז׳בוטינסקי"},
    {Cheshvan, 29, 5769, false, TMove::FridaySaturdayToThursday, "sigd", "Sigd", "סיגד"},
    {Nissan, 10, 5777, false, TMove::None, "yom-haaliyah", "Yom HaAliyah", "יום העלייה"},
    {Cheshvan, 7, 5777, true, TMove::None, "yom-haaliyah-school-observance", "Yom HaAliyah School Observance",
     "יום העלייה במערכת החינוך"},
    {Tevet, 21, 5773, true, TMove::FridaySaturdayToThursday, "hebrew-language-day", "Hebrew Language Day",
     "יום השפה העברית"},
};

std::int32_t Moved(const TLuachYearBuilder& Builder, std::int32_t At, TMove Move)
{
    const std::int32_t Weekday = Builder.WeekdayAt(At);
    const bool Friday = Weekday == Weekday::Friday;
    const bool Saturday = Weekday == Weekday::Saturday;
    switch (Move) {
    case TMove::FridaySaturdayToThursday:
        return Friday ? At - 1 : Saturday ? At - 2 : At;
    case TMove::SaturdayToSunday:
        return Saturday ? At + 1 : At;
    case TMove::FridaySaturdayToSunday:
        return Friday ? At + 2 : Saturday ? At + 1 : At;
    case TMove::None:
        break;
    }
    return At;
}

// Yom HaZikaron is 4 Iyar, and Yom HaAtzma'ut the day after, unless either
// would touch Shabbat: then both come earlier, and from 5764 a Monday 4 Iyar
// moves them a day later, so that the memorial does not follow Shabbat.
std::int32_t YomHaZikaron(const TLuachYearBuilder& Builder)
{
    const std::int32_t PesachWeekday = Builder.WeekdayAt(Builder.Offset(Nissan, 15));
    std::int32_t Day = 4;
    if (PesachWeekday == Weekday::Sunday)
        Day = 2;
    else if (PesachWeekday == Weekday::Saturday)
        Day = 3;
    else if (Builder.Year.Year >= 5764 && PesachWeekday == Weekday::Tuesday)
        Day = 5;
    return Builder.Offset(Iyar, Day);
}

// 27 Nissan, a day earlier from a Friday and a day later from a Sunday.
std::int32_t YomHaShoah(const TLuachYearBuilder& Builder)
{
    const std::int32_t At = Builder.Offset(Nissan, 27);
    const std::int32_t Weekday = Builder.WeekdayAt(At);
    return Weekday == Weekday::Friday ? At - 1 : Weekday == Weekday::Sunday ? At + 1 : At;
}

}  // namespace

void AddModernDays(TLuachYearBuilder& Builder)
{
    const std::int32_t Year = Builder.Year.Year;
    const bool Israel = Builder.Year.Rules() == TRules::Israel;
    if (Year >= 5711)
        Builder.Add(YomHaShoah(Builder), TLuachCategory::Modern, "yom-hashoah", "Yom HaShoah", "יום השואה");
    if (Year >= 5708) {
        const std::int32_t Zikaron = YomHaZikaron(Builder);
        Builder.Add(Zikaron, TLuachCategory::Modern, "yom-hazikaron", "Yom HaZikaron", "יום הזיכרון");
        Builder.Add(Zikaron + 1, TLuachCategory::Modern, "yom-haatzmaut", "Yom HaAtzma'ut", "יום העצמאות");
    }
    for (const TModernDay& Day : FixedModernDays) {
        if (Year < Day.FirstYear || (Day.IsraelOnly && !Israel) || Builder.Year.DaysInMonth(Day.Month) < Day.Day)
            continue;
        Builder.Add(Moved(Builder, Builder.Offset(Day.Month, Day.Day), Day.Move), TLuachCategory::Modern, Day.Key,
                    Day.English, Day.Hebrew);
    }
}

}  // namespace mirvane
