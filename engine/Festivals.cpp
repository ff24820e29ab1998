#include "engine/Festivals.h"

#include "engine/YearFacts.h"

namespace mirvane {

// Entries that share a name are the alternative dates of one movable day;
// their rules make exactly one of them hold in any year.
const std::array<TFestival, FestivalCount> Festivals = {{
    {Elul, 29, "Erev Rosh Hashana", RuleMinorDay},
    {Tishrei, 1, "Rosh Hashana day 1", RuleFullFestival},
    {Tishrei, 2, "Rosh Hashana day 2", RuleFullFestival},
    {Tishrei, 3, "Tzom Gedalia", RuleNotSaturday},
    {Tishrei, 4, "Tzom Gedalia", RuleSunday},
    {Tishrei, 9, "Erev YomKippur", RuleMinorDay},
    {Tishrei, 10, "YomKippur day", RuleFullFestival},
    {Tishrei, 14, "Erev Succot", RuleMinorDay},
    {Tishrei, 15, "Succot day 1", RuleFullFestival},
    {Tishrei, 16, "Succot day 2", RuleFullFestival},
    {Tishrei, 17, "Succot day 3", RuleFullFestival},
    {Tishrei, 18, "Succot day 4", RuleFullFestival},
    {Tishrei, 19, "Succot day 5", RuleFullFestival},
    {Tishrei, 20, "Succot day 6", RuleFullFestival},
    {Tishrei, 21, "Hoshana Rabba", RuleFullFestival},
    {Tishrei, 22, "Shmini Azteret", RuleFullFestival},
    {Tishrei, 23, "Simchat Torah", RuleDiasporaOnly},
    {Kislev, 24, "Erev Chanukah", RuleMinorDay},
    {Kislev, 25, "Chanukah day 1", RuleMinorDay},
    {Kislev, 26, "Chanukah day 2", RuleMinorDay},
    {Kislev, 27, "Chanukah day 3", RuleMinorDay},
    {Kislev, 28, "Chanukah day 4", RuleMinorDay},
    {Kislev, 29, "Chanukah day 5", RuleMinorDay},
    {Kislev, 30, "Chanukah day 6", RuleLongKislev},
    {Tevet, 1, "Chanukah day 6", RuleShortKislev},
    {Tevet, 1, "Chanukah day 7", RuleLongKislev},
    {Tevet, 2, "Chanukah day 7", RuleShortKislev},
    {Tevet, 2, "Chanukah day 8", RuleLongKislev},
    {Tevet, 3, "Chanukah day 8", RuleShortKislev},
    {Tevet, 10, "Asara B'Tevet", RuleMinorDay},
    {Shvat, 15, "Tu BiShvat", RuleMinorDay},
    {Adar, 11, "Fast of Ester", RuleThursdayCommonYear},
    {Adar, 13, "Fast of Ester", RuleNotSaturdayCommonYear},
    {Adar2, 11, "Fast of Ester", RuleThursdayLeapYear},
    {Adar2, 13, "Fast of Ester", RuleNotSaturdayLeapYear},
    {Adar, 14, "Purim Katan", RuleLeapYear},
    {Adar, 14, "Purim", RuleCommonYear},
    {Adar2, 14, "Purim", RuleLeapYear},
    {Adar, 15, "Shushan Purim", RuleCommonYear},
    {Adar2, 15, "Shushan Purim", RuleLeapYear},
    {Nissan, 14, "Erev Pessach", RuleMinorDay},
    {Nissan, 15, "Pessach day 1", RuleFullFestival},
    {Nissan, 16, "Pessach day 2", RuleFullFestival},
    {Nissan, 17, "Pessach day 3", RuleFullFestival},
    {Nissan, 18, "Pessach day 4", RuleFullFestival},
    {Nissan, 19, "Pessach day 5", RuleFullFestival},
    {Nissan, 20, "Pessach day 6", RuleFullFestival},
    {Nissan, 21, "Pessach day 7", RuleFullFestival},
    {Nissan, 22, "Pessach day 8", RuleDiasporaOnly},
    {Iyar, 18, "Lag BaOmer", RuleMinorDay},
    {Sivan, 5, "Erev Shavuot", RuleMinorDay},
    {Sivan, 6, "Shavuot day 1", RuleFullFestival},
    {Sivan, 7, "Shavuot day 2", RuleDiasporaOnly},
    {Tamuz, 17, "17th of Tamuz", RuleNotSaturday},
    {Tamuz, 18, "17th of Tamuz", RuleSunday},
    {Av, 9, "Tisha B'Av", RuleNotSaturday},
    {Av, 10, "Tisha B'Av", RuleSunday},
}};

void FillFestivalNames(std::vector<std::string>& Names, TRules Rules)
{
    Names.clear();
    std::string_view LastAdded;
    for (const TFestival& Festival : Festivals) {
        if (Festival.Name == LastAdded || (Festival.Rule == RuleDiasporaOnly && Rules == TRules::Israel))
            continue;
        Names.emplace_back(Festival.Name);
        LastAdded = Festival.Name;
    }
}

}  // namespace mirvane
