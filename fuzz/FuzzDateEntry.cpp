// ParseDateEntry under all three orders, with and without locale month
// names: arbitrary bytes must give a consistent reading, and every date
// written out in any of the forms a user may type must read back exactly.

#include <array>
#include <cstdint>
#include <string>

#include "engine/NameTables.h"
#include "fuzz/FuzzCheck.h"
#include "fuzz/FuzzValues.h"
#include "fuzz/LocaleNames.h"
#include "pages/DateEntry.h"

namespace mirvane::fuzz {
namespace {

constexpr std::array<TDateOrder, 3> Orders = {MonthDayYear, DayMonthYear, YearMonthDay};

TDateEntry RandomPreset(FuzzedDataProvider& Bytes)
{
    TDateEntry Preset;
    Preset.Year = Bytes.ConsumeIntegral<std::uint16_t>();
    Preset.Month = Bytes.ConsumeIntegral<std::uint16_t>();
    Preset.Day = Bytes.ConsumeIntegral<std::uint16_t>();
    return Preset;
}

bool SameValues(const TDateEntry& Left, const TDateEntry& Right)
{
    return Left.Year == Right.Year && Left.Month == Right.Month && Left.Day == Right.Day;
}

// What must hold for any text under one order.
void CheckReading(const std::string& Text, const TDateEntry& Preset, const TDateEntry& Entry)
{
    switch (Entry.Status) {
    case TDateEntryStatus::Empty:
        Require(Text.empty(), "only an empty text reads as empty");
        Require(Entry.Year == Preset.Year && Entry.Month == Preset.Month && Entry.Day == 0,
                "an empty text writes the day alone, as 0");
        break;
    case TDateEntryStatus::StoppedEarly:
    case TDateEntryStatus::NumberTooLarge:
        Require(SameValues(Entry, Preset), "a refused text writes nothing");
        break;
    case TDateEntryStatus::Read:
        Require(!Text.empty(), "an empty text reads as empty");
        Require(Entry.Year == 0 || Entry.Year >= 100, "two-digit years are of the twentieth century");
        break;
    }
    Require(Entry.Usable() == (Entry.Status == TDateEntryStatus::Read && Entry.Year != 0 && Entry.Month != 0 &&
                               Entry.Day != 0),
            "usable means read and no part 0");
}

void CheckArbitraryText(TFuzzValues& In)
{
    const TDateEntry Preset = RandomPreset(In.Bytes());
    const TLocaleMonthNames& Names = In.Bytes().PickValueInArray(LocaleNameSets());
    const std::string Text = In.Bytes().ConsumeRemainingBytesAsString();
    std::array<TDateEntry, 3> Entries;
    for (std::size_t Index = 0; Index < Orders.size(); ++Index) {
        Entries[Index] = ParseDateEntry(Text, Orders[Index], Names, Preset);
        CheckReading(Text, Preset, Entries[Index]);
        Require(Entries[Index].Status == Entries[0].Status, "the order does not change whether a text is read");
    }
    if (Entries[0].Status != TDateEntryStatus::Read)
        return;
    const TDateEntry& MonthFirst = Entries[0];
    const TDateEntry& DayFirst = Entries[1];
    // The two orders differ only in which of the first two groups is the
    // month, unless a month name took that part: then they read alike.
    Require(MonthFirst.Year == DayFirst.Year, "day-first and month-first orders read the same year");
    const bool Swapped = MonthFirst.Day == DayFirst.Month && MonthFirst.Month == DayFirst.Day;
    const bool Alike = MonthFirst.Day == DayFirst.Day && MonthFirst.Month == DayFirst.Month;
    Require(Swapped || Alike, "day-first and month-first orders swap day and month, or read a month name alike");
    // An unknown order reads day first.
    const TDateEntry Unknown = ParseDateEntry(Text, static_cast<TDateOrder>(In.Bytes().ConsumeIntegral<int>() | 4),
                                              Names, Preset);
    Require(Unknown == DayFirst, "an order outside the three reads day first");
}

// Text that no date reading can take for a letter or a digit, so that it
// separates groups wherever it stands.
std::string Separator(FuzzedDataProvider& Bytes, bool MayBeEmpty)
{
    static constexpr std::array<const char*, 12> Separators = {
        " ", "/", "-", ".", ", ", " / ", "\t", "\xE2\x80\x94", "  ", "'", "\xC2\xB7", "\xE3\x80\x81"};
    if (MayBeEmpty && Bytes.ConsumeBool())
        return {};
    return Bytes.PickValueInArray(Separators);
}

std::string Number(FuzzedDataProvider& Bytes, std::uint32_t Value)
{
    return std::string(Bytes.ConsumeIntegralInRange<std::size_t>(0, 3), '0') + std::to_string(Value);
}

// A month's name from any list that knows it, with English letters in any
// case and a locale's full stop after an abbreviation kept or left out.
std::string MonthWord(FuzzedDataProvider& Bytes, const TLocaleMonthNames& Names, std::uint16_t Month)
{
    std::string Word;
    switch (Bytes.ConsumeIntegralInRange<int>(0, 3)) {
    case 0:
        Word = GregorianMonthNames[Month];
        break;
    case 1:
        Word = GregorianMonthShort[Month];
        break;
    case 2:
        Word = Names.Abbreviated[Month - 1u];
        break;
    default:
        Word = Names.Full[Month - 1u];
        break;
    }
    if (Word.empty())
        Word = GregorianMonthNames[Month];
    for (char& Letter : Word) {
        if (Letter >= 'a' && Letter <= 'z' && Bytes.ConsumeBool())
            Letter = static_cast<char>(Letter - 'a' + 'A');
        else if (Letter >= 'A' && Letter <= 'Z' && Bytes.ConsumeBool())
            Letter = static_cast<char>(Letter - 'A' + 'a');
    }
    return Word;
}

void CheckWrittenDate(TFuzzValues& In)
{
    FuzzedDataProvider& Bytes = In.Bytes();
    const TLocaleMonthNames& Names = Bytes.PickValueInArray(LocaleNameSets());
    const TDateOrder Order = Bytes.PickValueInArray(Orders);
    const auto Year = Bytes.ConsumeIntegral<std::uint16_t>();
    const auto Month = Bytes.ConsumeIntegralInRange<std::uint16_t>(1, 12);
    const auto Day = Bytes.ConsumeIntegralInRange<std::uint16_t>(1, 31);
    const bool WithWord = Bytes.ConsumeBool();

    std::array<std::string, 3> Fields;
    bool IsWord[3] = {false, false, false};
    if (WithWord) {
        // Day and year keep their order of the three-number form; the name
        // may stand anywhere.
        const bool YearFirst = Order == YearMonthDay;
        std::array<std::string, 2> NumberFields = {Number(Bytes, YearFirst ? Year : Day),
                                                   Number(Bytes, YearFirst ? Day : Year)};
        const std::size_t WordAt = Bytes.ConsumeIntegralInRange<std::size_t>(0, 2);
        std::size_t Next = 0;
        for (std::size_t Index = 0; Index < 3; ++Index) {
            IsWord[Index] = Index == WordAt;
            Fields[Index] = IsWord[Index] ? MonthWord(Bytes, Names, Month) : NumberFields[Next++];
        }
    } else {
        const std::array<std::uint16_t, 3> Values = Order == MonthDayYear   ? std::array<std::uint16_t, 3>{Month, Day, Year}
                                                    : Order == YearMonthDay ? std::array<std::uint16_t, 3>{Year, Month, Day}
                                                                            : std::array<std::uint16_t, 3>{Day, Month, Year};
        for (std::size_t Index = 0; Index < 3; ++Index)
            Fields[Index] = Number(Bytes, Values[Index]);
    }
    std::string Text = Separator(Bytes, true);
    for (std::size_t Index = 0; Index < 3; ++Index) {
        if (Index > 0)
            Text += Separator(Bytes, IsWord[Index] || IsWord[Index - 1]);
        Text += Fields[Index];
    }
    Text += Separator(Bytes, true);

    const TDateEntry Entry = ParseDateEntry(Text, Order, Names, RandomPreset(Bytes));
    const std::uint16_t ExpectedYear = (Year >= 1 && Year <= 99) ? static_cast<std::uint16_t>(Year + 1900) : Year;
    if (Entry != TDateEntry{ExpectedYear, Month, Day, TDateEntryStatus::Read})
        Fail("\"" + Text + "\" in order " + std::to_string(Order) + " read as " + std::to_string(Entry.Day) + "/" +
             std::to_string(Entry.Month) + "/" + std::to_string(Entry.Year) + ", not " + std::to_string(Day) + "/" +
             std::to_string(Month) + "/" + std::to_string(ExpectedYear));
}

}  // namespace
}  // namespace mirvane::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size)
{
    using namespace mirvane::fuzz;
    TFuzzValues In(Data, Size);
    if (In.Bytes().ConsumeBool())
        CheckWrittenDate(In);
    else
        CheckArbitraryText(In);
    return 0;
}
