#include "engine/Portions.h"
#include "engine/Weekdays.h"
#include "luach/LuachYearBuilder.h"

namespace mirvane {
namespace {

constexpr std::int32_t Beshalach = 18;  // in PortionNames

// The Shabbat on which Beshalach, the Song at the Sea, is read; it is never
// joined to another portion.
std::int32_t ShirahOffset(TLuachYearBuilder& Builder)
{
    const std::int32_t From = Builder.Offset(Tevet, 1);
    const std::int32_t To = Builder.Offset(Adar, 1);
    for (std::int32_t At = Builder.SaturdayOnOrBefore(From + 6); At < To; At += 7) {
        const std::int32_t Month = Builder.MonthAt(At);
        if (Builder.Year.PortionsOfDay(Month, At - Builder.Offset(Month, 1) + 1).Portion == Beshalach)
            return At;
    }
    return -1;
}

}  // namespace

// Each is the Shabbat on or before a fixed day: Shekalim before Rosh Chodesh
// Adar (Adar II in a leap year), Zachor before Purim, HaChodesh before Rosh
// Chodesh Nissan and Parah the week before it, HaGadol before Pesach, Shuva
// between Rosh Hashana and Yom Kippur, Chazon before the fast of Av as it is
// kept and Nachamu the week after.
void AddSpecialShabbatot(TLuachYearBuilder& Builder)
{
    TJewishYear& Year = Builder.Year;
    const std::int32_t PurimMonth = Year.IsLeap ? Adar2 : Adar;
    const std::int32_t HaChodesh = Builder.SaturdayOnOrBefore(Builder.Offset(Nissan, 1));
    std::int32_t FastOfAv = Builder.Offset(Av, 9);
    if (Builder.WeekdayAt(FastOfAv) == Weekday::Saturday)
        ++FastOfAv;
    const auto Add = [&](std::int32_t At, std::string_view Key, const char* English, const char* Hebrew) {
        if (At >= 0)
            Builder.Add(At, TLuachCategory::SpecialShabbat, Key, English, Hebrew);
    };
    Add(Builder.SaturdayOnOrBefore(Builder.Offset(Tishrei, 8)), "shuva", "Shabbat Shuva", "שבת שובה");
    Add(ShirahOffset(Builder), "shirah", "Shabbat Shirah", "שבת שירה");
    Add(Builder.SaturdayOnOrBefore(Builder.Offset(PurimMonth, 1)), "shekalim", "Shabbat Shekalim", "שבת שקלים");
    Add(Builder.SaturdayOnOrBefore(Builder.Offset(PurimMonth, 14)), "zachor", "Shabbat Zachor", "שבת זכור");
    Add(HaChodesh - 7, "parah", "Shabbat Parah", "שבת פרה");
    Add(HaChodesh, "hachodesh", "Shabbat HaChodesh", "שבת החודש");
    Add(Builder.SaturdayOnOrBefore(Builder.Offset(Nissan, 14)), "hagadol", "Shabbat HaGadol", "שבת הגדול");
    Add(Builder.SaturdayOnOrBefore(FastOfAv), "chazon", "Shabbat Chazon", "שבת חזון");
    Add(Builder.SaturdayOnOrBefore(FastOfAv + 7), "nachamu", "Shabbat Nachamu", "שבת נחמו");
}

}  // namespace mirvane
