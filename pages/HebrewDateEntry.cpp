#include "pages/HebrewDateEntry.h"

#include <cstdint>
#include <string>
#include <vector>

#include "engine/HebrewNames.h"
#include "engine/JewishYear.h"
#include "pages/YearList.h"
#include "text/Utf8.h"

namespace mirvane {
namespace {

constexpr char32_t Geresh = U'\u05F3';
constexpr char32_t Gershayim = U'\u05F4';
constexpr std::int32_t TypedMillennium = 5000;

// The marks as typed on keyboards without Hebrew punctuation.
char32_t NormalMark(char32_t Character)
{
    switch (Character) {
    case U'\'':
    case U'\u2019':
    case Geresh:
        return Geresh;
    case U'"':
    case U'\u201D':
    case Gershayim:
        return Gershayim;
    default:
        return Character;
    }
}

std::int32_t LetterValue(char32_t Letter)
{
    static constexpr std::int32_t Values[] = {
        1,  2,  3,  4,  5,  6,  7,  8,  9,  10,  20,  20,  30,  40,  40,
        50, 50, 60, 70, 80, 80, 90, 90, 100, 200, 300, 400};
    // U+05D0 א ... U+05EA ת, final forms in their places.
    if (Letter < U'\u05D0' || Letter > U'\u05EA')
        return 0;
    return Values[Letter - U'\u05D0'];
}

std::vector<std::u32string> Words(std::u32string_view Text)
{
    std::vector<std::u32string> Result;
    std::u32string Word;
    for (const char32_t Character : Text) {
        if (Character == U' ' || Character == U'\t') {
            if (!Word.empty())
                Result.push_back(std::move(Word));
            Word.clear();
        } else {
            Word += NormalMark(Character);
        }
    }
    if (!Word.empty())
        Result.push_back(std::move(Word));
    return Result;
}

// Letters from the largest value down, marks anywhere but first; 15 and 16
// as 9+6 and 9+7 at the end. 0 when the word is no numeral below 1000.
std::int32_t NumeralValue(std::u32string_view Word)
{
    std::int32_t Total = 0;
    std::int32_t Previous = 0;
    std::int32_t BeforePrevious = 0;
    for (std::size_t Index = 0; Index < Word.size(); ++Index) {
        const char32_t Character = Word[Index];
        if (Character == Geresh || Character == Gershayim) {
            if (Index == 0)
                return 0;
            continue;
        }
        const std::int32_t Value = LetterValue(Character);
        const bool FifteenOrSixteen = Previous == 9 && (Value == 6 || Value == 7) && BeforePrevious != 9;
        if (Value == 0 || (Previous != 0 && Value > Previous) ||
            (Previous != 0 && Value == Previous && Value < 400) ||
            (Previous == 9 && !FifteenOrSixteen))
            return 0;
        Total += Value;
        BeforePrevious = Previous;
        Previous = Value;
    }
    return Total < 1000 ? Total : 0;
}

// The thousands of a year written before a geresh and the rest (ז׳תש״ג,
// יג׳תש״ג); 0 when the word has no such thousands. Thousands stay below 20,
// so that a geresh typed inside a year of the 5000s (תש'ג) still reads so.
std::int32_t YearWithThousands(std::u32string_view Word)
{
    const std::size_t Mark = Word.find(Geresh, 1);
    if (Mark == std::u32string_view::npos || Mark + 1 == Word.size())
        return 0;
    const std::int32_t Thousands = NumeralValue(Word.substr(0, Mark));
    const std::int32_t Rest = NumeralValue(Word.substr(Mark + 1));
    return (Thousands == 0 || Thousands >= 20 || Rest == 0) ? 0 : Thousands * 1000 + Rest;
}

// The year of its last word or, for a whole thousand, its last two words
// (ה׳ אלפים); a year without thousands is one of 5001 to 5999. Count is the
// number of words the year took; 0 when there is no year.
std::int32_t YearValue(const std::vector<std::u32string>& Parts, std::size_t& Count)
{
    Count = 1;
    if (Parts.size() >= 2 && Parts.back() == U"אלפים") {
        Count = 2;
        return NumeralValue(Parts[Parts.size() - 2]) * 1000;
    }
    if (const std::int32_t Year = YearWithThousands(Parts.back()))
        return Year;
    const std::int32_t Value = NumeralValue(Parts.back());
    return Value == 0 ? 0 : TypedMillennium + Value;
}

std::u32string WithoutMarks(std::u32string_view Text)
{
    std::u32string Result;
    for (const char32_t Character : Text) {
        if (Character != Geresh && Character != Gershayim)
            Result += Character;
    }
    return Result;
}

// The month by its Hebrew name in a year of the given kind; 0 for none.
std::int32_t MonthNumber(std::u32string_view Name, bool Leap)
{
    const TMonthNameTable& Names = Leap ? HebrewMonthNamesLeap : HebrewMonthNames;
    const std::u32string Typed = WithoutMarks(Name);
    for (std::size_t Month = 1; Month < Names.size(); ++Month) {
        if (!Names[Month].empty() && WithoutMarks(DecodeUtf8(Names[Month])) == Typed)
            return static_cast<std::int32_t>(Month);
    }
    if (Leap && Typed == WithoutMarks(DecodeUtf8(HebrewMonthNames[Adar])))
        return Adar;
    return 0;
}

}  // namespace

std::optional<TJewishDate> ReadHebrewJewishDate(std::string_view Text)
{
    std::vector<std::u32string> Parts = Words(DecodeUtf8(Text));
    if (Parts.empty())
        return std::nullopt;
    std::size_t YearWords = 0;
    const std::int32_t Year = YearValue(Parts, YearWords);
    Parts.resize(Parts.size() - YearWords);
    if (Parts.size() < 2 || Parts.size() > 3)
        return std::nullopt;
    const std::int32_t Day = NumeralValue(Parts.front());
    if (Day < 1 || Day > 30 || !HasNewYearDate(Year))
        return std::nullopt;
    std::u32string MonthName = Parts[1];
    if (Parts.size() == 3)
        MonthName += U' ' + Parts[2];
    TJewishYear Calculator;
    Calculator.SetYear(Year);
    const std::int32_t Month = MonthNumber(MonthName, Calculator.IsLeap);
    if (Month == 0 || Day > Calculator.DaysInMonth(Month))
        return std::nullopt;
    return TJewishDate{Year, Month, Day};
}

}  // namespace mirvane
