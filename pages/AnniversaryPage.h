#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/DateConversion.h"
#include "engine/DateServices.h"
#include "pages/DateEntry.h"
#include "pages/YearList.h"

namespace mirvane {

// What the Birthdays/Yahrtzeits page holds when it recomputes: the texts of
// its boxes, its check states and the window's options.
struct TAnniversaryInput {
    std::string DateText;        // Edit1: the Gregorian date of the event
    bool AfterSunset = false;    // CheckBox2: between sunset and midnight
    std::string TargetYearText;  // Edit3: the Gregorian year asked about
    bool Night = false;          // RadioButton1: the evening that begins the day
    std::string YearsText;       // Edit25: how many years to list
    TDateOrder Order = DayMonthYear;
    bool PlainAdarIsAdar2 = true;
    TDateTime Today = 0;
    TLocaleMonthNames LocaleNames;
    bool HebrewNames = false;  // the Jewish date in Hebrew letters
};

struct TAnniversaryPage {
    std::optional<TJewishDate> Event;  // nothing when the entry is no date
    std::string JewishDate;            // Edit2: Event's text
    // Edit4 and the date the month grid moves to; nothing when the entry is
    // invalid or the target year lies outside what the calendar computes.
    std::optional<TListedDate> Answer;
    // Memo4: the first line equal to Answer; it holds that one line while
    // the list is hidden.
    std::vector<TListedDate> Lines;
    bool ListShown = false;
};

// A typed event date as the page reads its date box: under Order, with the
// English and the locale's month names; a month or day left out is
// Today's. Nothing for a text that gives no year, month and day. Whether
// the date exists is EventJewishDate's question.
std::optional<TGregorianDate> ReadEventDate(std::string_view Text, TDateOrder Order, const TLocaleMonthNames& Names,
                                            TDateTime Today);

// The Jewish date of an event on Date; after sunset the Jewish day has
// already moved on. Nothing when Date is no date the calendar knows.
std::optional<TJewishDate> EventJewishDate(TGregorianDate Date, bool AfterSunset);

// The Gregorian day of an event on the Jewish date Date: after sunset, the
// evening before that day. Throws EConvertError for a Jewish date that does
// not convert.
TDateTime EventGregorianDate(const TJewishDate& Date, bool AfterSunset);

// The whole page for one state of its inputs: the event's Jewish date, its
// anniversary in the target year and, for 1 to 200 years, one line per
// year. Years the calendar cannot compute are left out of the list; when the
// first one cannot be, only the Jewish date is shown. Never throws for any
// input.
TAnniversaryPage ComputeAnniversaryPage(const TAnniversaryInput& Input);

}  // namespace mirvane
