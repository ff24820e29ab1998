#include "pages/DateEntry.h"

#include <charconv>
#include <cstddef>
#include <optional>
#include <system_error>

#include "engine/NameTables.h"
#include "text/Utf8.h"

namespace mirvane {
namespace {

constexpr std::size_t MaxGroups = 3;
constexpr std::uint32_t LargestOutput = 0xFFFF;
constexpr std::uint16_t MonthsInYear = 12;

bool IsDigit(char32_t Character)
{
    return Character >= U'0' && Character <= U'9';
}

bool IsAsciiLetter(char32_t Character)
{
    return (Character >= U'A' && Character <= U'Z') || (Character >= U'a' && Character <= U'z');
}

// Month names compare without regard to letter case: a to z as in English,
// and beyond that the Latin-1 letters à to þ and ÿ with their capitals, so
// that "DÉCEMBRE" finds a locale's "décembre". Letters of other scripts
// compare exactly as the locale writes them; the locale's lists hold the
// forms its users see.
char32_t FoldCase(char32_t Character)
{
    if (Character >= U'a' && Character <= U'z')
        return Character - (U'a' - U'A');
    if (Character >= U'\u00E0' && Character <= U'\u00FE' && Character != U'\u00F7')
        return Character - (U'\u00E0' - U'\u00C0');
    if (Character == U'\u00FF')
        return U'\u0178';
    return Character;
}


// Locales write some abbreviations with a full stop ("déc."); such marks
// keep separating groups, so that "1 Dec. 70" reads the same everywhere.
bool IsMarkNotLetter(char32_t Character)
{
    return (Character < 0x80 && !IsAsciiLetter(Character)) || (Character >= 0x80 && Character <= 0xBF) ||
           Character == U'\u00D7' || Character == U'\u00F7' || (Character >= 0x2000 && Character <= 0x206F) ||
           (Character >= 0x3000 && Character <= 0x303F) || Character == ReplacementCharacter;
}

std::u32string Folded(std::u32string Text)
{
    for (char32_t& Character : Text)
        Character = FoldCase(Character);
    return Text;
}

// A month name as a typed word can hold it: its letters, case folded. The
// marks of an abbreviation separate groups in the typed text, so "déc."
// is typed as the word "déc" and a full stop.
std::u32string WordOfName(std::string_view Name)
{
    std::u32string Word;
    for (const char32_t Character : DecodeUtf8(Name)) {
        if (!IsMarkNotLetter(Character))
            Word += FoldCase(Character);
    }
    return Word;
}

// Which characters begin and continue the one word of an entry. An English
// letter begins it, and so does a letter that begins one of the locale's
// month names ("únor" in Czech). It continues with English letters, with è,
// é and û, and with any other letter of the locale's month names.
class TWordLetters {
public:
    explicit TWordLetters(const TLocaleMonthNames& LocaleNames)
        : Continuing{U"\u00C8\u00C9\u00DB"}
    {
        AddNames(LocaleNames.Abbreviated);
        AddNames(LocaleNames.Full);
    }

    bool Begins(char32_t Character) const
    {
        return IsAsciiLetter(Character) || Beginning.find(FoldCase(Character)) != std::u32string::npos;
    }
    bool Continues(char32_t Character) const
    {
        return IsAsciiLetter(Character) || Continuing.find(FoldCase(Character)) != std::u32string::npos;
    }

private:
    void AddNames(const std::array<std::string, 12>& Names)
    {
        for (const std::string& Name : Names) {
            const std::u32string Letters = DecodeUtf8(Name);
            for (std::size_t Index = 0; Index < Letters.size(); ++Index) {
                const char32_t Letter = Letters[Index];
                if (IsAsciiLetter(Letter) || IsMarkNotLetter(Letter))
                    continue;
                Continuing += FoldCase(Letter);
                if (Index == 0)
                    Beginning += FoldCase(Letter);
            }
        }
    }

    std::u32string Beginning;
    std::u32string Continuing;
};

struct TGroups {
    std::array<std::string, MaxGroups> Numbers;
    std::size_t NumberCount = 0;
    std::u32string Word;
    std::size_t WordCount = 0;
    bool StoppedEarly = false;
};

// Splits the text into number groups and at most one word. A digit after a
// letter, or a letter after a digit, begins a new group.
TGroups ScanGroups(std::u32string_view Text, const TWordLetters& Letters)
{
    enum class TState { Between, InNumber, InWord };
    TGroups Groups;
    TState State = TState::Between;
    for (const char32_t Character : Text) {
        if (State == TState::InNumber) {
            if (IsDigit(Character)) {
                Groups.Numbers[Groups.NumberCount - 1] += static_cast<char>(Character);
                continue;
            }
            State = TState::Between;
        } else if (State == TState::InWord) {
            if (Letters.Continues(Character)) {
                Groups.Word += Character;
                continue;
            }
            State = TState::Between;
        }
        if (IsDigit(Character)) {
            if (++Groups.NumberCount + Groups.WordCount > MaxGroups) {
                Groups.StoppedEarly = true;
                return Groups;
            }
            Groups.Numbers[Groups.NumberCount - 1] += static_cast<char>(Character);
            State = TState::InNumber;
        } else if (Letters.Begins(Character)) {
            if (++Groups.WordCount > 1 || Groups.NumberCount > MaxGroups - 1) {
                Groups.StoppedEarly = true;
                return Groups;
            }
            Groups.Word += Character;
            State = TState::InWord;
        }
    }
    return Groups;
}

// A missing group is 0; a number beyond the 16-bit outputs is nothing.
std::optional<std::uint16_t> NumberValue(const std::string& Digits)
{
    if (Digits.empty())
        return std::uint16_t{0};
    std::uint32_t Value = 0;
    const auto [Stop, Error] = std::from_chars(Digits.data(), Digits.data() + Digits.size(), Value);
    if (Error != std::errc{} || Value > LargestOutput)
        return std::nullopt;
    return static_cast<std::uint16_t>(Value);
}

// Every entry of one list is compared and the last match wins; 0 for none.
template <typename TNameList>
std::uint16_t LastMatchingMonth(const std::u32string& FoldedWord, const TNameList& Names, std::size_t JanuaryIndex)
{
    std::uint16_t Month = 0;
    for (std::uint16_t Number = 1; Number <= MonthsInYear; ++Number) {
        if (WordOfName(Names[JanuaryIndex + Number - 1]) == FoldedWord)
            Month = Number;
    }
    return Month;
}

std::uint16_t MonthOfWord(const std::u32string& Word, const TLocaleMonthNames& LocaleNames)
{
    const std::u32string FoldedWord = Folded(Word);
    std::uint16_t Month = LastMatchingMonth(FoldedWord, GregorianMonthNames, 1);
    if (Month == 0)
        Month = LastMatchingMonth(FoldedWord, GregorianMonthShort, 1);
    if (Month == 0)
        Month = LastMatchingMonth(FoldedWord, LocaleNames.Abbreviated, 0);
    if (Month == 0)
        Month = LastMatchingMonth(FoldedWord, LocaleNames.Full, 0);
    return Month;
}

}  // namespace

TDateEntry ParseDateEntry(std::string_view Text, TDateOrder Order, const TLocaleMonthNames& LocaleNames,
                          TDateEntry Preset)
{
    if (Text.empty()) {
        Preset.Day = 0;
        Preset.Status = TDateEntryStatus::Empty;
        return Preset;
    }
    const TGroups Groups = ScanGroups(DecodeUtf8(Text), TWordLetters{LocaleNames});
    if (Groups.StoppedEarly) {
        Preset.Status = TDateEntryStatus::StoppedEarly;
        return Preset;
    }
    std::array<std::uint16_t, MaxGroups> Numbers{};
    for (std::size_t Index = 0; Index < MaxGroups; ++Index) {
        const auto Value = NumberValue(Groups.Numbers[Index]);
        if (!Value) {
            Preset.Status = TDateEntryStatus::NumberTooLarge;
            return Preset;
        }
        Numbers[Index] = *Value;
    }
    const auto [First, Second, Third] = Numbers;

    TDateEntry Entry;
    switch (Order) {
    case MonthDayYear:
        Entry.Month = First, Entry.Day = Second, Entry.Year = Third;
        break;
    case YearMonthDay:
        Entry.Year = First, Entry.Month = Second, Entry.Day = Third;
        break;
    default:
        Entry.Day = First, Entry.Month = Second, Entry.Year = Third;
        break;
    }
    // With a month name there are at most two numbers: whatever the order,
    // the day and the year keep their order of the three-number form.
    if (Groups.WordCount == 1) {
        switch (Order) {
        case MonthDayYear:
            Entry.Day = First, Entry.Year = Second;
            break;
        case YearMonthDay:
            Entry.Day = Second;
            break;
        default:
            Entry.Year = Second;
            break;
        }
        Entry.Month = MonthOfWord(Groups.Word, LocaleNames);
    }
    if (Entry.Year >= 1 && Entry.Year <= 99)
        Entry.Year += 1900;
    return Entry;
}

}  // namespace mirvane
