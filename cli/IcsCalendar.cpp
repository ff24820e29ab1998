#include "cli/IcsCalendar.h"

#include <ctime>
#include <memory>

#include <libical/ical.h>

#include "cli/CliFailure.h"
#include "engine/GregorianDateText.h"

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

icaltimetype IcsDate(TDateTime Date)
{
    const TGregorianDate Gregorian = DecodeDate(Date);
    if (Gregorian.Year == 0 || Gregorian.Year > LastIcsYear)
        throw ECliFailure("an iCalendar file cannot hold the date " + IsoDateText(Date));
    icaltimetype Time = icaltime_null_date();
    Time.year = Gregorian.Year;
    Time.month = Gregorian.Month;
    Time.day = Gregorian.Day;
    return Time;
}

icaltimetype NextDay(icaltimetype Date)
{
    icaltime_adjust(&Date, 1, 0, 0, 0);
    return Date;
}

icalcomponent* NewEvent(const TIcsEvent& Event, icaltimetype Stamp)
{
    const icaltimetype Start = IcsDate(Event.Date);
    icalcomponent* Component = icalcomponent_new(ICAL_VEVENT_COMPONENT);
    icalcomponent_add_property(Component, icalproperty_new_uid(Event.Uid.c_str()));
    icalcomponent_add_property(Component, icalproperty_new_dtstamp(Stamp));
    icalcomponent_add_property(Component, icalproperty_new_dtstart(Start));
    icalcomponent_add_property(Component, icalproperty_new_dtend(NextDay(Start)));
    icalcomponent_add_property(Component, icalproperty_new_summary(Event.Summary.c_str()));
    icalcomponent_add_property(Component, icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
    return Component;
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
