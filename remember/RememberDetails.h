#pragma once

// The details of a date to remember as they are typed, read into an entry:
// the Dates to Remember page and `mirvane-cli remember add` read them alike,
// with one after-sunset rule.

#include <cstdint>
#include <optional>
#include <string>

#include "engine/DateServices.h"
#include "pages/DateEntry.h"
#include "pages/DateOrder.h"
#include "remember/RememberEntry.h"

namespace mirvane {

struct TRememberDetailsText {
    std::string Occasion;
    // The Gregorian date, read as the date box reads it; nothing when only
    // the Jewish date is given, which then sets it.
    std::optional<std::string> DateText;
    // The Jewish date (as ParseJewishDateEntry reads it); empty when it is
    // the one the Gregorian date stands for.
    std::string JewishText;
    bool AfterSunset = false;
    // Nothing when what was typed is no whole number.
    std::optional<std::int32_t> DaysBefore;
    TRememberKind Kind = TRememberKind::Jewish;
    TDateOrder Order = DayMonthYear;
    TLocaleMonthNames MonthNames;
    TDateTime Today = 0;
    TOccasionWhat What = TOccasionWhat::Other;
    TAdarCustom Adar = TAdarCustom::Options;
    TShortMonthCustom ShortMonth = TShortMonthCustom::Options;
    TAdar1ThirtyCustom Adar1Thirty = TAdar1ThirtyCustom::Options;
    // The date of burial, read as the date box reads it; empty for none.
    std::string BurialText{};
};

// The fields in the order they are checked.
enum class TRememberField { Occasion, Date, JewishDate, DaysBefore, Burial };

struct TRememberDetails {
    std::optional<TRememberEntry> Entry;  // when every field is valid
    // Otherwise the first field that is not, and for the occasion
    // CheckedOccasion's message.
    TRememberField Refused = TRememberField::Occasion;
    std::string OccasionProblem;
};

// An entry that is not yet stored (Id 0). The Jewish date of a Gregorian one
// and the Gregorian date of a Jewish one follow the after-sunset rule of
// EventJewishDate and EventGregorianDate.
TRememberDetails ReadRememberDetails(const TRememberDetailsText& Text);

}  // namespace mirvane
