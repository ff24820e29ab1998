#pragma once

#include <cstdint>
#include <vector>

#include "engine/DateConversion.h"
#include "engine/JewishYear.h"
#include "luach/FestivalEntries.h"
#include "luach/LearningEntries.h"
#include "luach/LuachShow.h"
#include "luach/LuachYear.h"

namespace mirvane {

// Walks civil days in order and gives each day's luach entries in the
// categories shown: the festival, then Rosh Chodesh, the Omer, the special
// Shabbat, Mevarchim, the national and the minor days, then the learning.
// Both dates step on by themselves and the year's tables are placed once a
// year, so a day costs a lookup and its own lines; memory stays constant
// over any range.
class TLuachDays {
public:
    TLuachDays(TRules Rules, const TLuachShow& Show);

    // Throws EConvertError for a day without a Jewish date.
    void Seek(TDateTime Day);
    // The day after; the calendar's last day is the caller's to respect.
    void Next();

    TDateTime Day() const { return FDay; }
    const TGregorianDate& Gregorian() const { return FGregorian; }
    const TJewishDate& Jewish() const { return FJewish; }
    // The entries of the current day; valid until the next Seek or Next.
    const std::vector<const TLuachEntry*>& Entries();

private:
    void FillYear();

    TLuachShow FShow;
    TJewishYear FYear;
    TYearFestivalIndex FFestivals;
    TLuachYear FLuach;
    TDateTime FDay = 0;
    TGregorianDate FGregorian;
    TJewishDate FJewish;
    std::int32_t FOffset = 0;  // days since 1 Tishrei
    TLearningEntries FLearning;
    std::vector<const TLuachEntry*> FEntries;
};

// The entries of one day as a line of text, after the festival and portion
// the grid shows: names in English or Hebrew, ", " between them. Festivals
// are left out, the grid having them already.
std::string LuachDayText(const std::vector<const TLuachEntry*>& Entries, bool Hebrew);

}  // namespace mirvane
