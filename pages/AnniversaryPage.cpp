#include "pages/AnniversaryPage.h"

#include <algorithm>

#include "engine/Anniversary.h"
#include "engine/ConvertError.h"
#include "engine/DateConversion.h"
#include "engine/HebrewDateText.h"
#include "pages/DecimalText.h"
#include "engine/GregorianDateText.h"

namespace mirvane {
namespace {

// The Jewish date of the typed event; after sunset the Jewish day has
// already moved on. Nothing when the entry is no date the calendar knows.
std::optional<TJewishDate> EventJewishDate(const TDateEntry& Entry, bool AfterSunset)
{
    try {
        TDateTime Date = EncodeDate(Entry.Year, Entry.Month, Entry.Day);
        if (AfterSunset)
            Date += 1;
        return DateTimeToJewish(Date);
    } catch (const EConvertError&) {
        return std::nullopt;
    }
}

}  // namespace

TAnniversaryPage ComputeAnniversaryPage(const TAnniversaryInput& Input)
{
    TAnniversaryPage Page;
    const TGregorianDate Today = DecodeDate(Input.Today);
    TDateEntry Preset;
    Preset.Month = static_cast<std::uint16_t>(Today.Month);
    Preset.Day = static_cast<std::uint16_t>(Today.Day);
    const TDateEntry Entry = ParseDateEntry(Input.DateText, Input.Order, Input.LocaleNames, Preset);
    if (!Entry.Usable())
        return Page;
    const std::optional<TJewishDate> Event = EventJewishDate(Entry, Input.AfterSunset);
    if (!Event)
        return Page;
    Page.JewishDate = Input.HebrewNames ? HebrewJewishDateText(Event->Year, Event->Month, Event->Day)
                                        : JewishDateText(Event->Year, Event->Month, Event->Day);

    // The offset is taken in whole years, so each answer lies in the same
    // season as the event, possibly a few weeks into a neighbouring year.
    const std::int64_t TargetYear = ReadDecimal(Input.TargetYearText).value_or(Today.Year);
    const std::int64_t FirstTargetYear = std::int64_t{Event->Year} + (TargetYear - Entry.Year);
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
