#pragma once

// How a family keeps a Jewish date that a later year lacks. Each custom's
// Options is the program's own rule.

#include <cstdint>
#include <vector>

#include "engine/DateConversion.h"

namespace mirvane {

// A date in the Adar of a common year, in a leap year.
enum class TAdarCustom : std::int32_t {
    Options = 0,  // the Stam Adar choice of the menu
    Adar1 = 1,
    Adar2 = 2,
    Both = 3,  // two dates that year
};

// Day 30 of Cheshvan or Kislev in a year whose month has 29 days.
enum class TShortMonthCustom : std::int32_t {
    Options = 0,  // the next day
    NextDay = 1,
    Day29 = 2,
    // When the first anniversary fell in a 29-day month, the last day of the
    // month every year (the 30th where it has one); the next day otherwise.
    ByFirstAnniversary = 3,
};

// 30 Adar I in a common year, which has no Adar I.
enum class TAdar1ThirtyCustom : std::int32_t {
    Options = 0,  // 1 Nissan
    Shvat30 = 1,
    Nissan1 = 2,
};

struct TAnniversaryCustoms {
    TAdarCustom Adar = TAdarCustom::Options;
    TShortMonthCustom ShortMonth = TShortMonthCustom::Options;
    TAdar1ThirtyCustom Adar1Thirty = TAdar1ThirtyCustom::Options;
    // The menu's Stam Adar choice, which Options follows.
    bool PlainAdarIsAdar2 = false;
};

// The days in TargetYear on which an event of Event falls under Customs, in
// order: one, or two when a common year's Adar is kept in both Adars of a
// leap year. Where no custom applies, AnniversaryDate's day. Throws
// EConvertError for years the calendar does not reach.
std::vector<TDateTime> CustomAnniversaryDates(const TJewishDate& Event, std::int32_t TargetYear,
                                              const TAnniversaryCustoms& Customs);

}  // namespace mirvane
