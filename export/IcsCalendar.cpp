#include "export/IcsCalendar.h"

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <ctime>

#include "engine/GregorianDateText.h"
#include "export/ExportFailure.h"

namespace mirvane {
namespace {

constexpr std::int32_t LastIcsYear = 9999;
// RFC 5545 3.1: a content line longer than this many octets is folded.
constexpr std::size_t FoldAt = 75;

// The basic form of a DATE value: four-digit year, month and day.
std::string BasicDateText(TDateTime Date)
{
    const TGregorianDate Gregorian = DecodeDate(Date);
    if (Gregorian.Year < 1 || Gregorian.Year > LastIcsYear)
        throw EExportFailure("an iCalendar file cannot hold the date " + IsoDateText(Date));
    char Text[16];
    std::snprintf(Text, sizeof Text, "%04d%02d%02d", static_cast<int>(Gregorian.Year),
                  static_cast<int>(Gregorian.Month), static_cast<int>(Gregorian.Day));
    return Text;
}

// A moment in UTC, as DTSTAMP and a timed DTSTART take it.
std::string UtcText(std::chrono::sys_seconds At)
{
    const std::time_t Seconds = std::chrono::system_clock::to_time_t(At);
    std::tm Utc{};
    gmtime_r(&Seconds, &Utc);
    if (Utc.tm_year + 1900 < 1 || Utc.tm_year + 1900 > LastIcsYear)
        throw EExportFailure("an iCalendar file cannot hold the year " + std::to_string(Utc.tm_year + 1900));
    char Text[32];
    std::strftime(Text, sizeof Text, "%Y%m%dT%H%M%SZ", &Utc);
    return Text;
}

// The moment of writing.
std::string StampText()
{
    return UtcText(std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now()));
}

// A TEXT value: backslash, semicolon, comma and line ends are escaped, so a
// user's occasion can never end the line or the property.
std::string EscapedText(std::string_view Text)
{
    std::string Escaped;
    for (std::size_t At = 0; At < Text.size(); ++At) {
        const char Character = Text[At];
        switch (Character) {
        case '\\':
        case ';':
        case ',':
            Escaped += '\\';
            Escaped += Character;
            break;
        case '\r':
            if (At + 1 < Text.size() && Text[At + 1] == '\n')
                ++At;
            Escaped += "\\n";
            break;
        case '\n':
            Escaped += "\\n";
            break;
        default:
            Escaped += Character;
            break;
        }
    }
    return Escaped;
}

// One content line, folded after at most 75 octets with CRLF and a blank,
// never inside a UTF-8 sequence.
std::string ContentLine(std::string_view Line)
{
    std::string Folded;
    std::size_t LineOctets = 0;
    for (std::size_t At = 0; At < Line.size();) {
        std::size_t Length = 1;
        while (At + Length < Line.size() && (static_cast<unsigned char>(Line[At + Length]) & 0xC0) == 0x80)
            ++Length;
        if (LineOctets + Length > FoldAt) {
            Folded += "\r\n ";
            LineOctets = 1;
        }
        Folded.append(Line.substr(At, Length));
        LineOctets += Length;
        At += Length;
    }
    return Folded + "\r\n";
}

// The day after the last day of 9999 has no four-digit year; an event of one
// day says so by its length instead, which RFC 5545 reads the same.
std::string EndLine(TDateTime Start)
{
    if (DecodeDate(Start + 1).Year > LastIcsYear)
        return "DURATION:P1D";
    return "DTEND;VALUE=DATE:" + BasicDateText(Start + 1);
}

// An event's lines; When is its DTSTART line and, for a span, its end, and
// More any lines that follow its summary; Rest whatever follows the common
// properties.
std::string EventText(std::string_view Uid, std::string_view Summary, const std::string& When,
                      const std::string& Stamp, const std::string& More = {}, const std::string& Rest = {})
{
    return ContentLine("BEGIN:VEVENT") + ContentLine("UID:" + EscapedText(Uid)) + ContentLine("DTSTAMP:" + Stamp) +
           When + ContentLine("SUMMARY:" + EscapedText(Summary)) + More + ContentLine("TRANSP:TRANSPARENT") + Rest +
           ContentLine("END:VEVENT");
}

std::string PropertyLines(const std::vector<std::pair<std::string, std::string>>& Properties)
{
    std::string Lines;
    for (const auto& [Name, Value] : Properties)
        Lines += ContentLine(Name + ":" + EscapedText(Value));
    return Lines;
}

std::string MoreLines(const TIcsEvent& Event)
{
    std::string Lines;
    if (!Event.Categories.empty()) {
        std::string Line = "CATEGORIES:";
        for (std::size_t Index = 0; Index < Event.Categories.size(); ++Index)
            Line += (Index ? "," : "") + EscapedText(Event.Categories[Index]);
        Lines += ContentLine(Line);
    }
    return Lines + PropertyLines(Event.Properties);
}

// The event's own properties, then its reminder: shown AlarmDaysBefore days
// before the day begins.
std::string ExtraText(const TIcsReminderEvent& Event)
{
    return PropertyLines(Event.Properties) + ContentLine("BEGIN:VALARM") + ContentLine("ACTION:DISPLAY") +
           ContentLine("DESCRIPTION:" + EscapedText(Event.Event.Summary)) +
           ContentLine("TRIGGER:-P" + std::to_string(Event.AlarmDaysBefore) + 'D') + ContentLine("END:VALARM");
}

// An all-day event's lines.
std::string DayEventText(const TIcsEvent& Event, const std::string& Stamp, const std::string& Rest = {})
{
    return EventText(Event.Uid, Event.Summary,
                     ContentLine("DTSTART;VALUE=DATE:" + BasicDateText(Event.Date)) + ContentLine(EndLine(Event.Date)),
                     Stamp, MoreLines(Event), Rest);
}

std::string CalendarText(const std::string& Events)
{
    return ContentLine("BEGIN:VCALENDAR") + ContentLine("VERSION:2.0") +
           ContentLine("PRODID:-//Tellwen//mirvane-cli//EN") + ContentLine("CALSCALE:GREGORIAN") + Events +
           ContentLine("END:VCALENDAR");
}

}  // namespace

std::string IcsUid(TDateTime Date, std::string_view Kind, std::string_view Name, std::string_view Origin)
{
    // FNV-1a: the same on every machine and every run, unlike std::hash;
    // the name may be in any script, so it is hashed rather than spelled.
    std::uint64_t Hash = 14695981039346656037ULL;
    const auto Add = [&Hash](std::string_view Text) {
        for (const char Character : Text)
            Hash = (Hash ^ static_cast<unsigned char>(Character)) * 1099511628211ULL;
        Hash = (Hash ^ 0xFFU) * 1099511628211ULL;  // keeps "ab","c" apart from "a","bc"
    };
    Add(Kind);
    Add(Name);
    Add(Origin);
    constexpr std::string_view Digits = "0123456789abcdef";
    std::string Uid = IsoDateText(Date) + '-' + std::string(Kind) + '-';
    for (int Shift = 60; Shift >= 0; Shift -= 4)
        Uid += Digits[(Hash >> Shift) & 0xF];
    return Uid + "@mirvane";
}

// Written as text rather than through libical: its time type refuses years
// after 3000, and loading it with the ICU libraries it brings took longer
// than most commands take to run. The tests read every file back with it.
std::string IcsCalendarText(const std::vector<TIcsEvent>& Events)
{
    const std::string Stamp = StampText();
    std::string Text;
    for (const TIcsEvent& Event : Events)
        Text += DayEventText(Event, Stamp);
    return CalendarText(Text);
}

std::string IcsCalendarText(const std::vector<TIcsReminderEvent>& Events)
{
    const std::string Stamp = StampText();
    std::string Text;
    for (const TIcsReminderEvent& Event : Events)
        Text += DayEventText(Event.Event, Stamp, ExtraText(Event));
    return CalendarText(Text);
}

std::string IcsCalendarText(const std::vector<TIcsMoment>& Moments)
{
    const std::string Stamp = StampText();
    std::string Text;
    for (const TIcsMoment& Moment : Moments)
        Text += EventText(Moment.Uid, Moment.Summary, ContentLine("DTSTART:" + UtcText(Moment.At)), Stamp,
                          PropertyLines(Moment.Properties));
    return CalendarText(Text);
}

}  // namespace mirvane
