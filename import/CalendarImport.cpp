#include "import/CalendarImport.h"

#include <libical/ical.h>

#include <charconv>
#include <memory>

#include "import/ImportText.h"
#include "pages/AnniversaryPage.h"
#include "pages/JewishDateEntry.h"

namespace mirvane {
namespace {

using TComponent = std::unique_ptr<icalcomponent, void (*)(icalcomponent*)>;

std::string TextOf(const char* Value)
{
    return Value ? std::string(Value) : std::string();
}

std::string PropertyText(icalcomponent* Event, icalproperty_kind Kind)
{
    icalproperty* Property = icalcomponent_get_first_property(Event, Kind);
    return Property ? TextOf(icalproperty_get_value_as_string(Property)) : std::string();
}

std::optional<bool> TruthOf(std::string_view Text)
{
    const std::string Lower = AsciiLower(TrimBlanks(Text));
    if (Lower == "true")
        return true;
    if (Lower == "false")
        return false;
    return std::nullopt;
}

std::optional<std::int32_t> NumberOf(std::string_view Text)
{
    Text = TrimBlanks(Text);
    std::int32_t Value = 0;
    const auto [End, Error] = std::from_chars(Text.data(), Text.data() + Text.size(), Value);
    return Error == std::errc() && End == Text.data() + Text.size() ? std::optional(Value) : std::nullopt;
}

// Our own export's details of the entry the event belongs to.
void ReadOwnProperties(icalcomponent* Source, TImportedEvent& Event)
{
    for (icalproperty* Property = icalcomponent_get_first_property(Source, ICAL_X_PROPERTY); Property;
         Property = icalcomponent_get_next_property(Source, ICAL_X_PROPERTY)) {
        const std::string Name = TextOf(icalproperty_get_x_name(Property));
        const std::string Value = TextOf(icalproperty_get_x(Property));
        if (!Name.starts_with("X-MIRVANE-"))
            continue;
        if (Name == "X-MIRVANE-ENTRY") {
            Event.EntryKey = Value;
        } else if (Name == "X-MIRVANE-WHAT") {
            Event.What = WhatFromName(AsciiLower(TrimBlanks(Value)));
        } else if (Name == "X-MIRVANE-DATE") {
            Event.DateText = Value;
            Event.Gregorian = ReadIsoDate(Value);
            Event.Jewish = Event.Gregorian ? std::nullopt : ParseJewishDateEntry(Value);
        } else if (Name == "X-MIRVANE-RECURS") {
            Event.Recurs = KindFromName(AsciiLower(TrimBlanks(Value)));
        } else if (Name == "X-MIRVANE-AFTER-SUNSET") {
            Event.AfterSunset = TruthOf(Value);
        } else if (Name == "X-MIRVANE-DAYS-BEFORE") {
            Event.DaysBefore = NumberOf(Value);
        } else {
            Event.Customs[Name] = Value;
        }
    }
}

void ReadRecurrence(icalcomponent* Source, TImportedEvent& Event)
{
    const std::string Rule = AsciiLower(PropertyText(Source, ICAL_RRULE_PROPERTY));
    if (Rule.find("freq=yearly") == std::string::npos)
        return;
    Event.Recurs = Rule.find("rscale=hebrew") != std::string::npos ? TRememberKind::Jewish : TRememberKind::Gregorian;
}

TImportedEvent EventOf(icalcomponent* Source, std::size_t Number)
{
    TImportedEvent Event;
    Event.Title = TextOf(icalcomponent_get_summary(Source));
    Event.Note = TextOf(icalcomponent_get_description(Source));
    Event.Uid = TextOf(icalcomponent_get_uid(Source));
    Event.Place = "event " + std::to_string(Number);
    if (icalcomponent_get_first_property(Source, ICAL_DTSTART_PROPERTY)) {
        Event.DateText = PropertyText(Source, ICAL_DTSTART_PROPERTY);
        const icaltimetype Start = icalcomponent_get_dtstart(Source);
        if (!icaltime_is_null_time(Start) && icaltime_is_valid_time(Start) && Start.month >= 1 && Start.month <= 12 &&
            Start.day >= 1 && Start.day <= icaltime_days_in_month(Start.month, Start.year))
            Event.Gregorian = TGregorianDate{Start.year, Start.month, Start.day};
        if (Event.DateText.empty())
            Event.DateText = "?";
    }
    ReadRecurrence(Source, Event);
    if (Event.Recurs == TRememberKind::Jewish && Event.Gregorian)
        Event.Jewish = EventJewishDate(*Event.Gregorian, false);
    ReadOwnProperties(Source, Event);
    return Event;
}

}  // namespace

TImportRead ReadCalendarEvents(std::string_view Text)
{
    const std::string Whole(WithoutBom(Text));
    if (AsciiLower(Whole).find("end:vcalendar") == std::string::npos)
        return {{}, "The calendar file ends before END:VCALENDAR: it may have been cut short."};
    TComponent Calendar(icalparser_parse_string(Whole.c_str()), icalcomponent_free);
    if (!Calendar || icalcomponent_isa(Calendar.get()) != ICAL_VCALENDAR_COMPONENT)
        return {{}, "The file is not a calendar that can be read."};
    TImportRead Read;
    std::size_t Number = 0;
    for (icalcomponent* Source = icalcomponent_get_first_component(Calendar.get(), ICAL_VEVENT_COMPONENT); Source;
         Source = icalcomponent_get_next_component(Calendar.get(), ICAL_VEVENT_COMPONENT))
        Read.Events.push_back(EventOf(Source, ++Number));
    return Read;
}

}  // namespace mirvane
