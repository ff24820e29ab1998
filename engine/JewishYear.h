#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/DateConversion.h"
#include "engine/DateServices.h"
#include "engine/MoladTime.h"
#include "engine/NameTables.h"
#include "engine/Rules.h"
#include "engine/SeasonTime.h"
#include "engine/YearFacts.h"

namespace mirvane {

struct TFestival;

// One Saturday of a year's portion schedule: the portion read and a second
// one read with it, as indexes into PortionNames, 0 for none.
struct TPortionSlot {
    std::int32_t Portion = 0;
    std::int32_t JoinedPortion = 0;
    bool operator==(const TPortionSlot&) const = default;
};

// The year calculator: every fact of one Jewish year, recomputed from scratch
// by SetYear; Year stays 0 until the first successful SetYear. A plain value;
// each user keeps its own, with the festival and portion rules it was set up
// with (the Diaspora's unless told otherwise); SetYear keeps them.
class TJewishYear : public TYearFacts {
public:
    static constexpr std::int32_t MaxSaturdays = 55;

    TJewishYear() = default;
    explicit TJewishYear(TRules Rules)
        : FRules(Rules)
    {
    }

    TSeasonTime NissanSeason;  // counted from the start of 1 Tishrei
    std::string NissanSeasonText;
    // The day NissanSeasonText names, as numbers.
    std::int32_t NissanSeasonMonth = 0;
    std::int32_t NissanSeasonDay = 0;
    std::array<TPortionSlot, MaxSaturdays + 1> Portions{};  // Saturdays 1..55 of the year
    bool PortionsReady = false;

    // Does nothing for Year 0 or below. Throws EConvertError "Invalid
    // argument to date encode" above 13775, leaving the object as it was.
    void SetYear(std::int32_t NewYear);
    // Year number, cycle, leap flag, molad of Tishrei and weekday of
    // 1 Tishrei only; the month lengths, season and date stay untouched.
    void SetYearCore(std::int32_t NewYear);

    std::int32_t DaysInMonth(std::int32_t Month) const;
    // Days from 1 Tishrei to the first of Month, through the months of the
    // year in order (Month 13 counts nothing in a common year).
    std::int32_t DaysBeforeMonth(std::int32_t Month) const;
    // The molad of Month in this year; nothing for a month below 1.
    std::optional<TMoonTime> MonthMolad(std::int32_t Month) const;
    std::int32_t MonthPosition(std::int32_t Month) const;
    std::int32_t MonthAtPosition(std::int32_t Position) const;
    // The following month; moves this object to the next year when that is
    // Tishrei.
    std::int32_t NextMonth(std::int32_t Month);
    // The preceding month; moves this object to the previous year when that
    // is Elul.
    std::int32_t PrevMonth(std::int32_t Month);
    // Weekday number of Day of Month in this year; Day may run past the
    // month's end or before its start. 0 when Month is not 1..13.
    std::int32_t WeekdayOf(std::int32_t Month, std::int32_t Day) const;
    const TMonthNameTable& GetMonthNames() const;

    // A change of rules clears the portion schedule worked out under the old.
    void SetRules(TRules Rules);
    TRules Rules() const { return FRules; }
    void SetDiaspora(bool Value);
    bool GetDiaspora() const;

    // Festivals of this year.
    bool FestivalApplies(const TFestival& Festival) const;
    std::string FestivalOfDay(std::int32_t Month, std::int32_t Day) const;
    // The index in Festivals of the entry FestivalOfDay names; -1 for none.
    std::int32_t FestivalIndexOfDay(std::int32_t Month, std::int32_t Day) const;
    // The date of the festival Name in this year; nothing when it does not
    // fall in it.
    std::optional<TJewishDate> FindFestival(std::string_view Name) const;

    // Weekly portions of this year.
    void ComputePortions();
    // The month grid's text for a day: the festival and, on a Saturday, the
    // portions read, each after one blank.
    std::string DayText(std::int32_t Month, std::int32_t Day);
    // The portions part of DayText, added to the end of Text; nothing on a
    // day that is no Saturday of this year.
    void AppendPortionText(std::string& Text, std::int32_t Month, std::int32_t Day);
    // The portions read on Day of Month when that is a Saturday of this
    // year; an empty slot for any other day.
    TPortionSlot PortionsOfDay(std::int32_t Month, std::int32_t Day);

private:
    void ComputeNissanMolad();
    void ComputeNissanSeason();
    // The slot of Day of Month when that is a Saturday of this year.
    std::optional<TPortionSlot> SaturdaySlot(std::int32_t Month, std::int32_t Day);

    TRules FRules = TRules::Diaspora;
};

}  // namespace mirvane
