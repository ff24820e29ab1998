#include "luach/MoladAnnouncement.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <string>

#include "engine/NameTables.h"

namespace mirvane {
namespace {

constexpr std::array<std::string_view, 8> HebrewDayNames{
    "", "יום ראשון", "יום שני", "יום שלישי", "יום רביעי", "יום חמישי", "יום שישי", "שבת"};

void AppendNumber(std::string& Text, std::int32_t Value)
{
    char Digits[12];
    Text.append(Digits, std::to_chars(Digits, Digits + sizeof Digits, Value).ptr);
}

// "21:00": the hour of the day, two digits.
void AppendHour(std::string& Text, std::int32_t Hour)
{
    const std::int32_t Hours = Hour % 24;
    if (Hours >= 0 && Hours < 10)
        Text += '0';
    AppendNumber(Text, Hours);
    Text += ":00";
}

void AppendCounted(std::string& Text, std::int32_t Value, const char* One, const char* Many)
{
    AppendNumber(Text, Value);
    Text.append(1, ' ').append(Value == 1 ? One : Many);
}

struct TWords {
    const char* Molad;
    const std::array<std::string_view, 8>& Weekdays;
    const char* At;
    const char* After;
    const char* Minute;
    const char* Minutes;
    const char* Part;
    const char* Parts;
    const char* And;
};

// Written into one text, as a year's tables make a dozen of them.
std::string Announcement(const TWords& Words, std::string_view MonthName, const TMoladClock& Molad)
{
    if (Molad.Weekday < 1 || Molad.Weekday > 7)
        return {};
    std::string Text;
    Text.reserve(96);
    Text.append(Words.Molad).append(MonthName).append(": ");
    Text.append(Words.Weekdays[static_cast<std::size_t>(Molad.Weekday)]).append(", ");
    if (Molad.Minute == 0 && Molad.Parts == 0) {
        Text += Words.At;
        AppendHour(Text, Molad.Hour);
        return Text;
    }
    if (Molad.Minute != 0) {
        AppendCounted(Text, Molad.Minute, Words.Minute, Words.Minutes);
        if (Molad.Parts != 0)
            Text += Words.And;
    }
    if (Molad.Parts != 0)
        AppendCounted(Text, Molad.Parts, Words.Part, Words.Parts);
    Text += Words.After;
    AppendHour(Text, Molad.Hour);
    return Text;
}

}  // namespace

std::string MoladAnnouncement(std::string_view MonthName, const TMoladClock& Molad)
{
    static constexpr TWords English{"Molad ", DayNames, "at ", " after ", "minute", "minutes", "part", "parts",
                                    " and "};
    return Announcement(English, MonthName, Molad);
}

std::string HebrewMoladAnnouncement(std::string_view MonthName, const TMoladClock& Molad)
{
    static constexpr TWords Hebrew{"מולד ", HebrewDayNames, "בשעה ", " אחרי ", "דקה", "דקות", "חלק", "חלקים", " ו-"};
    return Announcement(Hebrew, MonthName, Molad);
}

}  // namespace mirvane
