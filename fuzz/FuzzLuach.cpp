// The luach streamed over any stretch of the calendar's days with any
// --show list: the list reads back as itself, days step on one at a time
// with both dates agreeing with the converter, a day's entries come in the
// categories shown and in their order, and a walk reaches on each day what a
// walk started on that day finds.

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/DateConversion.h"
#include "engine/Rules.h"
#include "fuzz/FuzzCheck.h"
#include "fuzz/FuzzValues.h"
#include "luach/LuachDays.h"
#include "luach/LuachShow.h"

namespace mirvane::fuzz {
namespace {

TLuachShow ShowOf(FuzzedDataProvider& Bytes)
{
    const std::string List = Bytes.ConsumeRandomLengthString(80);
    if (const std::optional<TLuachShow> Parsed = ParseLuachShow(List)) {
        Require(ParseLuachShow(LuachShowList(*Parsed)) == Parsed, "a --show list reads back as itself");
        return *Parsed;
    }
    TLuachShow Show;
    Show.Categories = Bytes.ConsumeIntegral<std::uint8_t>();
    Show.Cycles = Bytes.ConsumeIntegral<std::uint16_t>();
    return Show;
}

void CheckEntry(const TLuachShow& Show, const TLuachEntry& Entry)
{
    Require(Show.Shows(Entry.Category), "an entry of a category shown");
    Require(!Entry.English.empty() && !Entry.Hebrew.empty() && !Entry.Key.empty(), "an entry has its names");
    Require(Entry.OmerDay >= 0 && Entry.OmerDay <= 49, "the Omer counts 1 to 49");
    Require(Entry.RoshChodeshDay >= 0 && Entry.RoshChodeshDay <= 2, "Rosh Chodesh has one or two days");
    Require(Entry.Month >= 0 && Entry.Month <= 13, "a month of the year");
    if (Entry.Molad)
        Require(Entry.Molad->Weekday >= 1 && Entry.Molad->Weekday <= 7 && Entry.Molad->Hour >= 0 &&
                    Entry.Molad->Hour < 24 && Entry.Molad->Minute >= 0 && Entry.Molad->Minute < 60 &&
                    Entry.Molad->Parts >= 0 && Entry.Molad->Parts < 18,
                "the molad is a time of the week");
    Require((Entry.Category == TLuachCategory::Learning) == !Entry.Reading.empty(),
            "the learning, and only it, has a reading");
}

std::vector<std::string> Texts(const std::vector<const TLuachEntry*>& Entries)
{
    std::vector<std::string> Found;
    for (const TLuachEntry* Entry : Entries)
        Found.push_back(Entry->English + '\n' + Entry->Hebrew + '\n' + Entry->Reading);
    return Found;
}

}  // namespace
}  // namespace mirvane::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size)
{
    using namespace mirvane;
    using namespace mirvane::fuzz;
    TFuzzValues In(Data, Size);
    FuzzedDataProvider& Bytes = In.Bytes();
    const TRules Rules = RulesOf(Bytes.ConsumeBool());
    const TLuachShow Show = ShowOf(Bytes);
    const auto First = static_cast<std::int32_t>(FirstConvertibleDate());
    const auto Last = static_cast<std::int32_t>(EncodeDate(9999, 12, 31));
    const std::int32_t From = Bytes.ConsumeIntegralInRange<std::int32_t>(First, Last);
    const std::int32_t To = std::min(Last, From + Bytes.ConsumeIntegralInRange<std::int32_t>(0, 800));
    const std::int32_t Checked = Bytes.ConsumeIntegralInRange<std::int32_t>(From, To);

    TLuachDays Days(Rules, Show);
    Days.Seek(From);
    for (std::int32_t Day = From;; ++Day) {
        Require(Days.Day() == Day, "the days step on one at a time");
        const TJewishDate Jewish = DateTimeToJewish(Day);
        Require(Days.Jewish().Year == Jewish.Year && Days.Jewish().Month == Jewish.Month &&
                    Days.Jewish().Day == Jewish.Day,
                "the Jewish date walked is the converter's");
        const TGregorianDate Civil = DecodeDate(Day);
        Require(Days.Gregorian().Year == Civil.Year && Days.Gregorian().Month == Civil.Month &&
                    Days.Gregorian().Day == Civil.Day,
                "the civil date walked is the converter's");
        const std::vector<const TLuachEntry*>& Entries = Days.Entries();
        for (std::size_t Index = 0; Index < Entries.size(); ++Index) {
            CheckEntry(Show, *Entries[Index]);
            Require(Index == 0 || Entries[Index - 1]->Category <= Entries[Index]->Category,
                    "a day's entries come in the categories' order");
        }
        (void)LuachDayText(Entries, Bytes.ConsumeBool());
        if (Day == Checked) {
            TLuachDays Direct(Rules, Show);
            Direct.Seek(Day);
            Require(Texts(Direct.Entries()) == Texts(Days.Entries()), "a walk finds what a walk begun there finds");
        }
        if (Day == To)
            break;
        Days.Next();
    }
    return 0;
}
