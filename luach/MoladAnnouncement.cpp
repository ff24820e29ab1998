#include "luach/MoladAnnouncement.h"

#include <array>
#include <cstdio>

#include "engine/NameTables.h"

namespace mirvane {
namespace {

constexpr std::array<std::string_view, 8> HebrewDayNames{
    "", "יום ראשון", "יום שני", "יום שלישי", "יום רביעי", "יום חמישי", "יום שישי", "שבת"};

std::string HourText(std::int32_t Hour)
{
    char Text[8];
    std::snprintf(Text, sizeof Text, "%02d:00", static_cast<int>(Hour % 24));
    return Text;
}

std::string Counted(std::int32_t Value, const char* One, const char* Many)
{
    return std::to_string(Value) + " " + (Value == 1 ? One : Many);
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

std::string Announcement(const TWords& Words, std::string_view MonthName, const TMoladClock& Molad)
{
    if (Molad.Weekday < 1 || Molad.Weekday > 7)
        return {};
    std::string Text = Words.Molad + std::string(MonthName) + ": " +
                       std::string(Words.Weekdays[static_cast<std::size_t>(Molad.Weekday)]) + ", ";
    if (Molad.Minute == 0 && Molad.Parts == 0)
        return Text + Words.At + HourText(Molad.Hour);
    if (Molad.Minute != 0)
        Text += Counted(Molad.Minute, Words.Minute, Words.Minutes) + (Molad.Parts != 0 ? Words.And : "");
    if (Molad.Parts != 0)
        Text += Counted(Molad.Parts, Words.Part, Words.Parts);
    return Text + Words.After + HourText(Molad.Hour);
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
