#include "pages/AnniversaryPage.h"

#include <algorithm>

#include "engine/Anniversary.h"
#include "engine/ConvertError.h"
#include "engine/DateConversion.h"
#include "engine/HebrewDateText.h"
#include "engine/GregorianDateText.h"
#include "text/DecimalText.h"

namespace mirvane {
std::optional<TJewishDate> EventJewishDate(TGregorianDate Date, bool AfterSunset)
{
    try {
        TDateTime Value = EncodeDate(Date.Year, Date.Month, Date.Day);
        if (AfterSunset)
            Value += 1;
        return DateTimeToJewish(Value);
    } catch (const EConvertError&) {
        return std::nullopt;
    }
}

TDateTime EventGregorianDate(const TJewishDate& Date, bool AfterSunset)
{
    return JewishToDateTime(Date.Year, Date.Month, Date.Day) - (AfterSunset ? 1 : 0);
}

std::optional<TGregorianDate> ReadEventDate(std::string_view Text, TDateOrder Order, const TLocaleMonthNames& Names,
                                            TDateTime Today)
{
    const TGregorianDate Now = DecodeDate(Today);
    TDateEntry Preset;
    Preset.Month = static_cast<std::uint16_t>(Now.Month);
    Preset.Day = static_cast<std::uint16_t>(Now.Day);
    const TDateEntry Entry = ParseDateEntry(Text, Order, Names, Preset);
    if (!Entry.Usable())
        return std::nullopt;
    return TGregorianDate{Entry.Year, Entry.Month, Entry.Day};
}

TAnniversaryPage ComputeAnniversaryPage(const TAnniversaryInput& Input)
{
    TAnniversaryPage Page;
    const TGregorianDate Today = DecodeDate(Input.Today);
    const std::optional<TGregorianDate> Entry = ReadEventDate(Input.DateText, Input.Order, Input.LocaleNames, Input.Today);
    const std::optional<TJewishDate> Event = Entry ? EventJewishDate(*Entry, Input.AfterSunset) : std::nullopt;
    if (!Event)
        return Page;
    Page.Event = Event;
    Page.JewishDate = JewishDateTextIn(*Event, Input.HebrewNames);

    // The offset is taken in whole years, so each answer lies in the same
    // season as the event, possibly a few weeks into a neighbouring year.
    const std::int64_t TargetYear = ReadDecimal(Input.TargetYearText).value_or(Today.Year);
    const std::int64_t FirstTargetYear = std::int64_t{Event->Year} + (TargetYear - Entry->Year);
    const std::int32_t ListedYears = ListedYearCount(Input.YearsText);
    for (std::int32_t Offset = 0; Offset < std::max(ListedYears, 1); ++Offset) {
        const std::int64_t JewishYear = FirstTargetYear + Offset;
        if (!HasNewYearDate(JewishYear)) {
            if (Offset == 0)
                return Page;
            continue;
        }
        TDateTime Date = AnniversaryDate(Event->Year, Event->Month, Event->Day,
                                         static_cast<std::int32_t>(JewishYear), Input.PlainAdarIsAdar2);
        if (Input.Night)
            Date -= 1;
        Page.Lines.push_back({Date, GregorianDateText(Date)});
    }
    Page.Answer = Page.Lines.front();
    Page.ListShown = ListedYears > 0;
    return Page;
}

}  // namespace mirvane
