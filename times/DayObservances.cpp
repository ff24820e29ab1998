#include "times/DayObservances.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "engine/DateConversion.h"
#include "engine/Festivals.h"
#include "engine/JewishYear.h"
#include "engine/Rules.h"
#include "engine/Weekdays.h"

namespace mirvane {
namespace {

// The festival days on which work is forbidden. The engine's table already
// leaves out Simchat Torah, the eighth day of Pessach and the second of
// Shavuot under the Israel rules; the second days of Succot and Pessach are
// in it under both, as days of the festival, and are holy days only in the
// Diaspora.
constexpr std::array<std::string_view, 11> HolyFestivalDays = {
    "Rosh Hashana day 1", "Rosh Hashana day 2", "YomKippur day",  "Succot day 1",
    "Shmini Azteret",     "Simchat Torah",      "Pessach day 1",  "Pessach day 7",
    "Pessach day 8",      "Shavuot day 1",      "Shavuot day 2"};
constexpr std::array<std::string_view, 2> DiasporaSecondDays = {"Succot day 2", "Pessach day 2"};
constexpr std::array<std::string_view, 4> MinorFasts = {"Tzom Gedalia", "Asara B'Tevet", "Fast of Ester",
                                                        "17th of Tamuz"};
constexpr std::string_view TishaBeAv = "Tisha B'Av";
constexpr std::string_view ChanukahDay = "Chanukah day";

template <std::size_t Size>
bool IsOneOf(std::string_view Name, const std::array<std::string_view, Size>& Names)
{
    return std::find(Names.begin(), Names.end(), Name) != Names.end();
}

// The one place that asks the engine for a day's festival under a set of
// rules.
std::string_view FestivalUnderRules(TDateTime Day, bool DiasporaRules)
{
    const TJewishDate Jewish = DateTimeToJewish(Day);
    TJewishYear Year(RulesOf(DiasporaRules));
    Year.SetYear(Jewish.Year);
    const std::int32_t Index = Year.FestivalIndexOfDay(Jewish.Month, Jewish.Day);
    return Index < 0 ? std::string_view{} : Festivals[static_cast<std::size_t>(Index)].Name;
}

struct TDayFacts {
    bool Holy = false;
    bool Saturday = false;
    std::string_view Festival;
};

TDayFacts FactsOf(TDateTime Day, bool DiasporaRules)
{
    TDayFacts Facts;
    Facts.Festival = FestivalUnderRules(Day, DiasporaRules);
    Facts.Saturday = DayOfWeek(Day) == Weekday::Saturday;
    Facts.Holy = Facts.Saturday || IsOneOf(Facts.Festival, HolyFestivalDays) ||
                 (DiasporaRules && IsOneOf(Facts.Festival, DiasporaSecondDays));
    return Facts;
}

}  // namespace

TDayObservances ObservancesOf(TDateTime Day, bool DiasporaRules)
{
    const TDayFacts Today = FactsOf(Day, DiasporaRules);
    const TDayFacts Tomorrow = FactsOf(Day + 1, DiasporaRules);
    TDayObservances Observances;
    Observances.CandleLighting = Tomorrow.Holy;
    // Shabbat's candles are lit before it begins even after a festival day.
    Observances.CandlesAfterNightfall = Tomorrow.Holy && Today.Holy && !Tomorrow.Saturday;
    Observances.Havdalah = Today.Holy && !Tomorrow.Holy;
    Observances.FastBeginsAtDawn = IsOneOf(Today.Festival, MinorFasts);
    Observances.FastBeginsAtSunset = Tomorrow.Festival == TishaBeAv;
    Observances.ChanukahCandles = Tomorrow.Festival.starts_with(ChanukahDay);
    // A fast on a Friday runs into Shabbat, which its candles begin: no end
    // is given.
    Observances.FastEnds = (Observances.FastBeginsAtDawn && !Tomorrow.Saturday) || Today.Festival == TishaBeAv;
    return Observances;
}

}  // namespace mirvane
