#include "engine/DateServices.h"
#include "engine/Weekdays.h"
#include "luach/LuachYearBuilder.h"

namespace mirvane {
namespace {

// Birkat HaChamah is said when the sun returns, by Shmuel's year of 365¼
// days, to its place at creation: every 28 years, 10,227 days apart.
constexpr std::int64_t SolarCycleDays = 10227;

std::int32_t BirkatHaChamah(const TLuachYearBuilder& Builder)
{
    static const auto Known = static_cast<std::int64_t>(EncodeDate(2009, 4, 8));
    const auto NewYear = static_cast<std::int64_t>(Builder.Year.NewYearDate);
    const std::int64_t Since = ((NewYear - Known) % SolarCycleDays + SolarCycleDays) % SolarCycleDays;
    const std::int64_t At = (SolarCycleDays - Since) % SolarCycleDays;
    return At < Builder.Length() ? static_cast<std::int32_t>(At) : -1;
}

// The 29th before each month's Rosh Chodesh, kept as a fast the Thursday
// before when it falls on Friday or Shabbat; not before Tishrei, Cheshvan
// (Yom Kippur has just passed), Tevet (Chanukah) or Iyar (no fasting in
// Nissan).
constexpr std::int32_t YomKippurKatanMonths[] = {Cheshvan, Tevet, Shvat, Adar, Adar2, Iyar, Sivan, Tamuz, Av};

}  // namespace

void AddMinorDays(TLuachYearBuilder& Builder)
{
    TJewishYear& Year = Builder.Year;
    const auto Add = [&](std::int32_t At, std::string_view Key, const char* English, const char* Hebrew) {
        if (At >= 0 && At < Builder.Length())
            Builder.Add(At, TLuachCategory::Minor, Key, English, Hebrew);
    };
    const std::int32_t PurimMonth = Year.IsLeap ? Adar2 : Adar;
    if (Year.IsLeap)
        Add(Builder.Offset(Adar, 15), "shushan-purim-katan", "Shushan Purim Katan", "שושן פורים קטן");
    if (Builder.WeekdayAt(Builder.Offset(PurimMonth, 15)) == Weekday::Saturday)
        Add(Builder.Offset(PurimMonth, 16), "purim-meshulash", "Purim Meshulash", "פורים משולש");
    for (std::int32_t Month : YomKippurKatanMonths) {
        if (Year.DaysInMonth(Month) == 0)
            continue;
        std::int32_t At = Builder.Offset(Month, 29);
        const std::int32_t Weekday = Builder.WeekdayAt(At);
        At -= Weekday == Weekday::Friday ? 1 : Weekday == Weekday::Saturday ? 2 : 0;
        Add(At, "yom-kippur-katan", "Yom Kippur Katan", "יום כיפור קטן");
    }
    Add(Year.DaysInMonth(Kislev) == 30 ? Builder.Offset(Kislev, 30) : Builder.Offset(Tevet, 1), "chag-habanot",
        "Chag HaBanot", "חג הבנות");
    const std::int32_t Bechorot = Builder.Offset(Nissan, 14);
    Add(Builder.WeekdayAt(Bechorot) == Weekday::Saturday ? Bechorot - 2 : Bechorot, "taanit-bechorot",
        "Ta'anit Bechorot", "תענית בכורות");
    Add(BirkatHaChamah(Builder), "birkat-hachamah", "Birkat HaChamah", "ברכת החמה");
    Add(Builder.Offset(Iyar, 14), "pesach-sheni", "Pesach Sheni", "פסח שני");
    Add(Builder.Offset(Av, 15), "tu-bav", "Tu B'Av", "ט״ו באב");
    Add(Builder.Offset(Elul, 1), "rosh-hashana-labehemot", "Rosh Hashana LaBehemot", "ראש השנה לבהמות");
    // Selichot begin on the Saturday night at least four days before Rosh
    // Hashana; the entry is on that Saturday.
    Add(Builder.SaturdayOnOrBefore(Builder.Length() - 4), "leil-selichot", "Leil Selichot", "ליל סליחות");
}

}  // namespace mirvane
