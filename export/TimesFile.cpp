#include "export/TimesFile.h"

#include <string>
#include <vector>

#include <date/date.h>

#include "export/CsvText.h"
#include "export/IcsCalendar.h"
#include "times/CivilDay.h"
#include "times/TimeText.h"

namespace mirvane {
namespace {

using namespace std::chrono;

std::string CsvDay(const TDayTimes& Day, const TTimeZone& Zone)
{
    std::vector<std::string> Cells(DayTimeKeys().size() + 1);
    Cells[0] = date::format("%F", Day.Day);
    for (const TDayTime& Time : Day.Times) {
        for (std::size_t Index = 0; Index < DayTimeKeys().size(); ++Index)
            if (DayTimeKeys()[Index] == Time.Key && Time.At)
                Cells[Index + 1] = IsoLocalTimeText(*Time.At, Zone, Time.Rounding);
    }
    return CsvRecord(Cells);
}

void AddEvents(std::vector<TIcsMoment>& Events, const TDayTimes& Day, const TTimeZone& Zone,
               const std::string& Origin)
{
    for (std::size_t Index = DailyTimeCount; Index < Day.Times.size(); ++Index) {
        const TDayTime& Time = Day.Times[Index];
        if (!Time.At)
            continue;
        Events.push_back({ShownMinute(*Time.At, Zone, Time.Rounding), std::string(Time.Caption) + ' ' + ClockText(*Time.At, Zone, Time.Rounding),
                          IcsUid(DateTimeOfDay(Day.Day), "time", Time.Caption, Origin)});
    }
}

// The same time of one day at two places is two events.
std::string OriginOf(const TCoordinates& Where, const TTimeZone& Zone)
{
    return std::to_string(Where.Latitude) + ' ' + std::to_string(Where.Longitude) + ' ' + Zone.Name();
}

}  // namespace

std::vector<TIcsMoment> TimesEvents(const TCoordinates& Where, const TTimeZone& Zone, sys_days First, sys_days Last,
                                    const TTimesRules& Rules)
{
    const std::string Origin = OriginOf(Where, Zone);
    std::vector<TIcsMoment> Events;
    for (sys_days Day = First; Day <= Last; Day += days{1})
        if (Zone.HasDay(Day))
            AddEvents(Events, ComputeDayTimes(Day, Where, Zone, Rules), Zone, Origin);
    return Events;
}

void WriteTimesFile(std::ostream& Out, const TCoordinates& Where, const TTimeZone& Zone, sys_days First,
                    sys_days Last, const TTimesRules& Rules, TTimesFileFormat Format)
{
    if (Format == TTimesFileFormat::Ics) {
        Out << IcsCalendarText(TimesEvents(Where, Zone, First, Last, Rules));
        return;
    }
    std::vector<std::string> Header{"date"};
    Header.insert(Header.end(), DayTimeKeys().begin(), DayTimeKeys().end());
    Out << CsvRecord(Header);
    for (sys_days Day = First; Day <= Last; Day += days{1})
        if (Zone.HasDay(Day))
            Out << CsvDay(ComputeDayTimes(Day, Where, Zone, Rules), Zone);
}

}  // namespace mirvane
