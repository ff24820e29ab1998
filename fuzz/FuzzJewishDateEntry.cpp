// The typed Jewish date, in English month names or in Hebrew letters, on
// arbitrary text and on the texts the program writes, marks and blanks
// varied as people type them: an accepted date is a real day, and its
// English and its Hebrew text read back to it.

#include <cstdint>
#include <optional>
#include <string>

#include "engine/Anniversary.h"
#include "engine/DateConversion.h"
#include "engine/HebrewDateText.h"
#include "engine/JewishYear.h"
#include "fuzz/FuzzCheck.h"
#include "fuzz/FuzzValues.h"
#include "pages/HebrewDateEntry.h"
#include "pages/JewishDateEntry.h"

namespace mirvane::fuzz {
namespace {

bool IsDayOfCalendar(const TJewishDate& Date)
{
    if (Date.Year < FirstYearWithNewYearDate || Date.Year > LastYearWithNewYearDate)
        return false;
    TJewishYear Calculator;
    Calculator.SetYear(Date.Year);
    return Date.Month >= 1 && Date.Month <= (Calculator.IsLeap ? Adar2 : Adar) && Date.Day >= 1 &&
           Date.Day <= Calculator.DaysInMonth(Date.Month);
}

// A day the date boxes can show: it converts to a day of the Gregorian years
// 1 to 9999 and that day back to the same date.
bool IsShownDay(const TJewishDate& Date)
{
    if (!IsDayOfCalendar(Date))
        return false;
    const TDateTime Day = JewishToDateTime(Date.Year, Date.Month, Date.Day);
    if (Day < FirstConvertibleDate())
        return false;
    const std::int32_t GregorianYear = DecodeDate(Day).Year;
    return GregorianYear >= 1 && GregorianYear <= 9999 && DateTimeToJewish(Day) == Date;
}

std::string Described(const TJewishDate& Date)
{
    return JewishDateText(Date.Year, Date.Month, Date.Day);
}

// What must hold for any text: each reading is a real day whose texts read
// back to it, and the entry box takes the Hebrew reading when there is one.
void CheckReadings(const std::string& Text)
{
    const std::optional<TJewishDate> Hebrew = ReadHebrewJewishDate(Text);
    if (Hebrew) {
        Require(IsDayOfCalendar(*Hebrew), "a Hebrew reading is a day of the calendar");
        const std::string Written = HebrewJewishDateText(Hebrew->Year, Hebrew->Month, Hebrew->Day);
        if (ReadHebrewJewishDate(Written) != Hebrew)
            Fail("the Hebrew text \"" + Written + "\" of " + Described(*Hebrew) + " does not read back");
    }
    const std::optional<TJewishDate> Entry = ParseJewishDateEntry(Text);
    if (!Entry)
        return;
    Require(!Hebrew || Entry == Hebrew, "the entry box reads Hebrew letters as the Hebrew reader does");
    Require(IsShownDay(*Entry), "an accepted date is a real day");
    if (ParseJewishDateEntry(Described(*Entry)) != Entry)
        Fail("the English text \"" + Described(*Entry) + "\" does not read back");
    const std::string Written = HebrewJewishDateText(Entry->Year, Entry->Month, Entry->Day);
    if (ParseJewishDateEntry(Written) != Entry)
        Fail("the Hebrew text \"" + Written + "\" of " + Described(*Entry) + " does not read back");
}

// One or more blanks or tabs where the writer puts one blank, and some at
// either end.
std::string WithBlanks(FuzzedDataProvider& Bytes, const std::string& Text)
{
    std::string Result(Bytes.ConsumeIntegralInRange<std::size_t>(0, 2), ' ');
    for (const char Character : Text) {
        if (Character != ' ') {
            Result += Character;
            continue;
        }
        for (std::size_t Count = Bytes.ConsumeIntegralInRange<std::size_t>(1, 3); Count > 0; --Count)
            Result += Bytes.ConsumeBool() ? ' ' : '\t';
    }
    return Result + (Bytes.ConsumeBool() ? "\t" : "");
}

std::string EnglishAsTyped(FuzzedDataProvider& Bytes, const TJewishDate& Date)
{
    std::string Text = Described(Date);
    for (const char* Numbered : {"Adar1", "Adar2"}) {
        const std::size_t At = Text.find(Numbered);
        if (At == std::string::npos || Bytes.ConsumeBool())
            continue;
        const bool First = Numbered[4] == '1';
        Text.replace(At, 5, Bytes.ConsumeBool() ? (First ? "Adar I" : "Adar II") : (First ? "Adar 1" : "Adar 2"));
    }
    for (char& Letter : Text) {
        if (Letter >= 'a' && Letter <= 'z' && Bytes.ConsumeBool())
            Letter = static_cast<char>(Letter - 'a' + 'A');
    }
    return Text;
}

// The marks as typed without Hebrew punctuation, or left out where nothing
// follows them in the word, and the thousands of the 5000s sometimes given.
std::string HebrewAsTyped(FuzzedDataProvider& Bytes, const TJewishDate& Date)
{
    std::string Text = HebrewJewishDateText(Date.Year, Date.Month, Date.Day);
    if (Date.Year > 5000 && Date.Year < 6000 && Bytes.ConsumeBool())
        Text.insert(Text.rfind(' ') + 1, "ה׳");
    static const std::string Geresh = "\u05F3";
    static const std::string Gershayim = "\u05F4";
    std::string Result;
    for (std::size_t At = 0; At < Text.size();) {
        const bool IsGeresh = Text.compare(At, Geresh.size(), Geresh) == 0;
        if (!IsGeresh && Text.compare(At, Gershayim.size(), Gershayim) != 0) {
            Result += Text[At++];
            continue;
        }
        At += Geresh.size();
        // Hebrew letters are 0xD7 0x90 to 0xD7 0xAA: a letter after a geresh
        // makes it the thousands' mark, which must stay.
        const bool LetterFollows = At < Text.size() && static_cast<unsigned char>(Text[At]) == 0xD7;
        switch (Bytes.ConsumeIntegralInRange<int>(0, 3)) {
        case 0:
            Result += IsGeresh ? Geresh : Gershayim;
            break;
        case 1:
            Result += IsGeresh ? "'" : "\"";
            break;
        case 2:
            Result += IsGeresh ? "\u2019" : "\u201D";
            break;
        default:
            if (!IsGeresh || !LetterFollows)
                break;
            Result += Geresh;
            break;
        }
    }
    return Result;
}

// A date, real or not, written as the program writes it and varied as
// typed: a real day reads back to itself.
void CheckWrittenDate(TFuzzValues& In)
{
    const TJewishDate Date{In.JewishYear(), In.Bytes().ConsumeIntegralInRange<std::int32_t>(1, 13),
                           In.Bytes().ConsumeIntegralInRange<std::int32_t>(1, 30)};
    const bool InHebrew = In.Bytes().ConsumeBool();
    const std::string Text =
        WithBlanks(In.Bytes(), InHebrew ? HebrewAsTyped(In.Bytes(), Date) : EnglishAsTyped(In.Bytes(), Date));
    CheckReadings(Text);
    if (InHebrew && IsDayOfCalendar(Date) && ReadHebrewJewishDate(Text) != Date)
        Fail("\"" + Text + "\" does not read as " + Described(Date));
    if (IsShownDay(Date) && ParseJewishDateEntry(Text) != Date)
        Fail("\"" + Text + "\" is not taken as " + Described(Date));
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
        CheckReadings(In.Bytes().ConsumeRemainingBytesAsString());
    return 0;
}
