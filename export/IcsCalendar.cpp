#include "export/IcsCalendar.h"

#include <cstdio>
#include <ctime>
#include <memory>

#include <libical/ical.h>

#include "engine/GregorianDateText.h"
#include "export/ExportFailure.h"

namespace mirvane {
namespace {

constexpr std::int32_t LastIcsYear = 9999;

struct TComponentFree {
    void operator()(icalcomponent* Component) const { icalcomponent_free(Component); }
};
using TComponent = std::unique_ptr<icalcomponent, TComponentFree>;

struct TBufferFree {
    void operator()(char* Buffer) const { icalmemory_free_buffer(Buffer); }
};

// libical's own time type refuses years after 3000 and hands back a null
// time, so the date values are written as text and only parsed by it. The
// text is the basic form of RFC 5545: four-digit year, month and day.
std::string BasicDateText(TDateTime Date)
{
    const TGregorianDate Gregorian = DecodeDate(Date);
    if (Gregorian.Year < 1 || Gregorian.Year > LastIcsYear)
        throw EExportFailure("an iCalendar file cannot hold the date " + IsoDateText(Date));
    char Text[9];
    std::snprintf(Text, sizeof Text, "%04d%02d%02d", static_cast<int>(Gregorian.Year),
                  static_cast<int>(Gregorian.Month), static_cast<int>(Gregorian.Day));
    return Text;
}

icalproperty* PropertyFromText(const std::string& Line)
{
    icalproperty* Property = icalproperty_new_from_string(Line.c_str());
    if (Property == nullptr)
        throw EExportFailure("an iCalendar file cannot hold the line " + Line);
    return Property;
}

// The day after the last day of 9999 has no four-digit year; an event of one
// day says so by its length instead, which RFC 5545 reads the same.
icalproperty* EndProperty(TDateTime Start)
{
    if (DecodeDate(Start + 1).Year > LastIcsYear)
        return PropertyFromText("DURATION:P1D");
    return PropertyFromText("DTEND;VALUE=DATE:" + BasicDateText(Start + 1));
}

icalcomponent* NewEvent(const TIcsEvent& Event, icaltimetype Stamp)
{
    TComponent Component{icalcomponent_new(ICAL_VEVENT_COMPONENT)};
    icalcomponent_add_property(Component.get(), icalproperty_new_uid(Event.Uid.c_str()));
    icalcomponent_add_property(Component.get(), icalproperty_new_dtstamp(Stamp));
    icalcomponent_add_property(Component.get(), PropertyFromText("DTSTART;VALUE=DATE:" + BasicDateText(Event.Date)));
    icalcomponent_add_property(Component.get(), EndProperty(Event.Date));
    icalcomponent_add_property(Component.get(), icalproperty_new_summary(Event.Summary.c_str()));
    icalcomponent_add_property(Component.get(), icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
    return Component.release();
}

}  // namespace

std::string IcsUid(TDateTime Date, std::string_view Name)
{
    std::string Uid = IsoDateText(Date) + '-';
    bool Dash = false;
    for (const char Character : Name) {
        const bool Letter = (Character >= 'a' && Character <= 'z') || (Character >= '0' && Character <= '9');
        const bool Capital = Character >= 'A' && Character <= 'Z';
        if (Letter || Capital) {
            if (Dash && Uid.back() != '-')
                Uid += '-';
            Uid += Capital ? static_cast<char>(Character - 'A' + 'a') : Character;
            Dash = false;
        } else {
            Dash = true;
        }
    }
    return Uid + "@mirvane-cli";
}

std::string IcsCalendarText(const std::vector<TIcsEvent>& Events)
{
    TComponent Calendar{icalcomponent_new(ICAL_VCALENDAR_COMPONENT)};
    icalcomponent_add_property(Calendar.get(), icalproperty_new_version("2.0"));
    icalcomponent_add_property(Calendar.get(), icalproperty_new_prodid("-//Tellwen//mirvane-cli//EN"));
    icalcomponent_add_property(Calendar.get(), icalproperty_new_calscale("GREGORIAN"));
    const icaltimetype Stamp = icaltime_from_timet_with_zone(std::time(nullptr), 0, icaltimezone_get_utc_timezone());
    for (const TIcsEvent& Event : Events) {
        TComponent Component{NewEvent(Event, Stamp)};
        icalcomponent_add_component(Calendar.get(), Component.release());
    }
    const std::unique_ptr<char, TBufferFree> Text{icalcomponent_as_ical_string_r(Calendar.get())};
    return Text ? std::string{Text.get()} : std::string{};
}

}  // namespace mirvane
