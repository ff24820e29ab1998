#include <cctype>

#include "engine/DateConversion.h"
#include "learning/ChofetzChaimSchedule.h"
#include "learning/CycleReadings.h"
#include "learning/ReadingText.h"

namespace mirvane {

using namespace std::chrono;

namespace {

constexpr sys_days ChofetzChaimStart{year{1873} / September / day{22}};  // 1 Tishrei 5634
constexpr sys_days DateTimeZero{year{1899} / December / day{30}};
constexpr std::int32_t Tishrei = 7;
constexpr int LongestCommonYear = 355;
// Counted from 1 Tishrei: the 29th of Cheshvan, and the 29th of Kislev in a
// year whose Cheshvan is short too (as it is whenever Kislev is).
constexpr int Cheshvan29 = 58;
constexpr int ShortYearKislev29 = 87;

// "7.5-7.6" in Hebrew letters, "ז:ה-ז:ו".
void AppendHebrewPlaces(std::string& Text, std::string_view Places)
{
    for (std::size_t At = 0; At < Places.size();) {
        if (!std::isdigit(static_cast<unsigned char>(Places[At]))) {
            Text += Places[At] == '.' ? ':' : Places[At];
            ++At;
            continue;
        }
        int Number = 0;
        for (; At < Places.size() && std::isdigit(static_cast<unsigned char>(Places[At])); ++At)
            Number = Number * 10 + (Places[At] - '0');
        AppendHebrewLetters(Text, Number);
    }
}

TLearningReading ReadingOf(const TChofetzChaimDay& Day)
{
    TLearningReading Reading;
    Reading.English = ChofetzChaimPartName(Day.Part);
    Reading.Hebrew = ChofetzChaimPartHebrewName(Day.Part);
    if (!Day.Places.empty()) {
        Reading.English.append(1, ' ').append(Day.Places);
        Reading.Hebrew += ' ';
        AppendHebrewPlaces(Reading.Hebrew, Day.Places);
    }
    return Reading;
}

}  // namespace

std::optional<TLearningReading> ChofetzChaimReading(sys_days Day)
{
    if (Day < ChofetzChaimStart)
        return std::nullopt;
    const auto Value = static_cast<TDateTime>((Day - DateTimeZero).count());
    const std::int32_t Year = DateTimeToJewish(Value).Year;
    const TDateTime YearStart = JewishToDateTime(Year, Tishrei, 1);
    const int Length = static_cast<int>(JewishToDateTime(Year + 1, Tishrei, 1) - YearStart);
    const int Offset = static_cast<int>(Value - YearStart);
    const bool Leap = Length > LongestCommonYear;
    // 353 and 383 days: Cheshvan and Kislev have 29 days; 354 and 384: Cheshvan.
    const bool ShortCheshvan = Length % 10 != 5;
    const bool ShortKislev = Length % 10 == 3;
    if (ShortCheshvan && Offset == Cheshvan29)
        return ReadingOf(ChofetzChaimShortCheshvan29(Leap));
    if (ShortKislev && Offset == ShortYearKislev29)
        return ReadingOf(ChofetzChaimShortKislev29(Leap));
    const int Index = Offset + (ShortCheshvan && Offset > Cheshvan29) + (ShortKislev && Offset > ShortYearKislev29);
    const auto Days = Leap ? ChofetzChaimLeapYear() : ChofetzChaimCommonYear();
    return ReadingOf(Days[static_cast<std::size_t>(Index)]);
}

}  // namespace mirvane
