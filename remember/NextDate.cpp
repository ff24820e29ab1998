#include "remember/NextDate.h"

#include <algorithm>
#include <chrono>

#include "engine/AnniversaryCustoms.h"
#include "engine/ConvertError.h"
#include "engine/DateConversion.h"
#include "pages/AnniversaryPage.h"
#include "pages/YearList.h"

namespace mirvane {
namespace {

// The entry's day and month in a Gregorian year; 29 February moves to the
// 28th in a common year. Nothing for years the calendar does not encode.
std::optional<TDateTime> GregorianDayInYear(const TRememberEntry& Entry, std::int32_t Year)
{
    std::int32_t Day = Entry.Date.Day;
    if (Entry.Date.Month == 2 && Day == 29 && !std::chrono::year(Year).is_leap())
        Day = 28;
    try {
        return EncodeDate(Year, Entry.Date.Month, Day);
    } catch (const EConvertError&) {
        return std::nullopt;
    }
}

// The Jewish year of the burial, and its day and month, when the entry has
// one; nothing for a date the calendar cannot place.
std::optional<TJewishDate> BurialJewishDate(const TRememberEntry& Entry)
{
    if (!Entry.Burial || Entry.Kind != TRememberKind::Jewish)
        return std::nullopt;
    return EventJewishDate(*Entry.Burial, false);
}

std::vector<TDateTime> AnniversariesOf(const TJewishDate& Event, std::int64_t JewishYear,
                                       const TAnniversaryCustoms& Customs)
{
    try {
        return CustomAnniversaryDates(Event, static_cast<std::int32_t>(JewishYear), Customs);
    } catch (const EConvertError&) {
        return {};
    }
}

// The first yahrzeit kept by the burial, when it falls in JewishYear.
std::vector<TDateTime> ByBurialIn(const TRememberEntry& Entry, std::int64_t JewishYear,
                                  const TAnniversaryCustoms& Customs)
{
    const std::optional<TJewishDate> Burial = BurialJewishDate(Entry);
    if (!Burial || JewishYear != std::int64_t{Burial->Year} + 1)
        return {};
    return AnniversariesOf(*Burial, JewishYear, Customs);
}

}  // namespace

std::vector<TDateTime> DatesInJewishYear(const TRememberEntry& Entry, std::int64_t JewishYear, bool PlainAdarIsAdar2)
{
    if (!HasNewYearDate(JewishYear))
        return {};
    const TAnniversaryCustoms Customs{Entry.Adar, Entry.ShortMonth, Entry.Adar1Thirty, PlainAdarIsAdar2};
    std::vector<TDateTime> Dates = ByBurialIn(Entry, JewishYear, Customs);
    // The burial's first yahrzeit takes the place of the death's first.
    if (!BurialJewishDate(Entry) || JewishYear != std::int64_t{Entry.JewishDate.Year} + 1) {
        for (const TDateTime Date : AnniversariesOf(Entry.JewishDate, JewishYear, Customs))
            Dates.push_back(Date);
    }
    std::sort(Dates.begin(), Dates.end());
    return Dates;
}

bool FallsByBurial(const TRememberEntry& Entry, TDateTime Date, bool PlainAdarIsAdar2)
{
    try {
        const TAnniversaryCustoms Customs{Entry.Adar, Entry.ShortMonth, Entry.Adar1Thirty, PlainAdarIsAdar2};
        const std::vector<TDateTime> Dates = ByBurialIn(Entry, DateTimeToJewish(Date).Year, Customs);
        return std::find(Dates.begin(), Dates.end(), Date) != Dates.end();
    } catch (const EConvertError&) {
        return false;
    }
}

namespace {

std::optional<TDateTime> OnceDate(const TRememberEntry& Entry)
{
    try {
        return EncodeDate(Entry.Date.Year, Entry.Date.Month, Entry.Date.Day);
    } catch (const EConvertError&) {
        return std::nullopt;
    }
}

}  // namespace

std::optional<TDateTime> NextDate(const TRememberEntry& Entry, TDateTime Today, bool PlainAdarIsAdar2)
{
    switch (Entry.Kind) {
    case TRememberKind::Jewish: {
        std::int64_t Year = 0;
        try {
            Year = DateTimeToJewish(Today).Year;
        } catch (const EConvertError&) {
            return std::nullopt;
        }
        // The anniversary this Jewish year may already have passed; the
        // next year's then lies ahead.
        for (const std::int64_t Candidate : {Year, Year + 1}) {
            for (const TDateTime Date : DatesInJewishYear(Entry, Candidate, PlainAdarIsAdar2)) {
                if (Date >= Today)
                    return Date;
            }
        }
        return std::nullopt;
    }
    case TRememberKind::Gregorian: {
        const std::int32_t Year = DecodeDate(Today).Year;
        for (const std::int32_t Candidate : {Year, Year + 1}) {
            const std::optional<TDateTime> Date = GregorianDayInYear(Entry, Candidate);
            if (Date && *Date >= Today)
                return Date;
        }
        return std::nullopt;
    }
    case TRememberKind::Once: {
        const std::optional<TDateTime> Date = OnceDate(Entry);
        if (Date && *Date >= Today)
            return Date;
        return std::nullopt;
    }
    }
    return std::nullopt;
}

std::vector<TDateTime> DatesInYear(const TRememberEntry& Entry, std::int32_t Year, bool PlainAdarIsAdar2)
{
    std::vector<TDateTime> Dates;
    const auto Keep = [&](std::optional<TDateTime> Date) {
        if (Date && DecodeDate(*Date).Year == Year)
            Dates.push_back(*Date);
    };
    switch (Entry.Kind) {
    case TRememberKind::Jewish:
        // A Gregorian year overlaps the end of one Jewish year and the start
        // of the next.
        for (const std::int64_t JewishYear : {std::int64_t{Year} + 3760, std::int64_t{Year} + 3761}) {
            for (const TDateTime Date : DatesInJewishYear(Entry, JewishYear, PlainAdarIsAdar2))
                Keep(Date);
        }
        break;
    case TRememberKind::Gregorian:
        Keep(GregorianDayInYear(Entry, Year));
        break;
    case TRememberKind::Once:
        Keep(OnceDate(Entry));
        break;
    }
    return Dates;
}

std::optional<std::int32_t> DueIn(const TRememberEntry& Entry, std::optional<TDateTime> Next, TDateTime Today)
{
    if (!Next)
        return std::nullopt;
    const double Days = *Next - Today;
    if (Days < 0 || Days > Entry.DaysBefore)
        return std::nullopt;
    return static_cast<std::int32_t>(Days);
}

}  // namespace mirvane
