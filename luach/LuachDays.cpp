#include "luach/LuachDays.h"

namespace mirvane {

TLuachDays::TLuachDays(TRules Rules, const TLuachShow& Show)
    : FShow(Show)
    , FYear(Rules)
    , FLearning(Show.Cycles)
{
}

void TLuachDays::FillYear()
{
    FFestivals.Fill(FYear);
    TLuachShow Others = FShow;
    Others.Categories.reset(static_cast<std::size_t>(TLuachCategory::Festival));
    if (Others.Categories.any())
        FLuach.Fill(FYear);
}

void TLuachDays::Seek(TDateTime Day)
{
    const TJewishDate Jewish = DateTimeToJewish(Day);
    FDay = Day;
    FGregorian = DecodeDate(Day);
    FJewish = Jewish;
    if (FYear.Year != Jewish.Year) {
        FYear.SetYear(Jewish.Year);
        FillYear();
    }
    FOffset = FYear.DaysBeforeMonth(Jewish.Month) + Jewish.Day - 1;
}

void TLuachDays::Next()
{
    FDay += 1;
    FGregorian = NextDate(FGregorian);
    ++FOffset;
    if (++FJewish.Day > FYear.DaysInMonth(FJewish.Month)) {
        FJewish.Day = 1;
        FJewish.Month = FYear.NextMonth(FJewish.Month);
        if (FYear.Year != FJewish.Year) {
            FJewish.Year = FYear.Year;
            FOffset = 0;
            FillYear();
        }
    }
}

const std::vector<const TLuachEntry*>& TLuachDays::Entries()
{
    FEntries.clear();
    if (FShow.Shows(TLuachCategory::Festival)) {
        const std::int32_t Festival = FFestivals.IndexOf(FJewish.Month, FJewish.Day);
        if (Festival >= 0)
            FEntries.push_back(&FestivalEntries()[static_cast<std::size_t>(Festival)]);
    }
    for (const TLuachEntry& Entry : FLuach.EntriesAt(FOffset))
        if (FShow.Shows(Entry.Category))
            FEntries.push_back(&Entry);
    if (FShow.Cycles.any())
        FLearning.AddOn(FDay, FEntries);
    return FEntries;
}

std::string LuachDayText(const std::vector<const TLuachEntry*>& Entries, bool Hebrew)
{
    std::string Text;
    for (const TLuachEntry* Entry : Entries) {
        if (Entry->Category == TLuachCategory::Festival)
            continue;
        if (!Text.empty())
            Text += ", ";
        Text += Hebrew ? Entry->Hebrew : Entry->English;
    }
    return Text;
}

}  // namespace mirvane
