#include "cli/TimesOutput.h"

#include <date/tz.h>

#include "cli/JsonText.h"
#include "engine/GregorianDateText.h"
#include "export/CsvText.h"
#include "export/IcsCalendar.h"
#include "times/CivilDay.h"
#include "times/TimeText.h"

namespace mirvane {
namespace {

using namespace std::chrono;

std::string IsoTextOrEmpty(const TDayTime& Time, const date::time_zone& Zone)
{
    return Time.At ? IsoLocalTimeText(*Time.At, Zone, Time.Rounding) : std::string();
}

// One day for people: its date, then a time a line, caption first.
void WriteTextDay(std::ostream& Out, const TDayTimes& Day, const date::time_zone& Zone)
{
    constexpr std::size_t CaptionWidth = 36;
    Out << '\n' << GregorianDateText(DateTimeOfDay(Day.Day)) << '\n';
    for (const TDayTime& Time : Day.Times) {
        std::string Line = "  " + std::string(Time.Caption);
        Line.resize(CaptionWidth, ' ');
        Out << Line << ClockTextOrDash(Time.At, Zone, Time.Rounding) << '\n';
    }
}

std::string JsonDay(const TDayTimes& Day, const date::time_zone& Zone)
{
    TJson Object{{"date", date::format("%F", Day.Day)}};
    for (const TDayTime& Time : Day.Times)
        Object[std::string(Time.Key)] = Time.At ? TJson(IsoLocalTimeText(*Time.At, Zone, Time.Rounding)) : TJson();
    return JsonText(Object);
}

std::string CsvDay(const TDayTimes& Day, const date::time_zone& Zone)
{
    std::vector<std::string> Cells(DayTimeKeys().size() + 1);
    Cells[0] = date::format("%F", Day.Day);
    for (const TDayTime& Time : Day.Times) {
        for (std::size_t Index = 0; Index < DayTimeKeys().size(); ++Index)
            if (DayTimeKeys()[Index] == Time.Key)
                Cells[Index + 1] = IsoTextOrEmpty(Time, Zone);
    }
    return CsvRecord(Cells);
}

// The holy days' and fasts' times, each a timed event named with its clock
// time there.
void AddEvents(std::vector<TIcsMoment>& Events, const TDayTimes& Day, const date::time_zone& Zone,
               const std::string& Origin)
{
    for (std::size_t Index = DailyTimeCount; Index < Day.Times.size(); ++Index) {
        const TDayTime& Time = Day.Times[Index];
        if (!Time.At)
            continue;
        const sys_seconds At = Time.Rounding == TRounding::Up ? ceil<seconds>(*Time.At) : floor<seconds>(*Time.At);
        Events.push_back({At, std::string(Time.Caption) + ' ' + ClockText(*Time.At, Zone, Time.Rounding),
                          IcsUid(DateTimeOfDay(Day.Day), "time", Time.Caption, Origin)});
    }
}

TJson PlaceJson(const TTimesPlace& Place)
{
    const auto OrNull = [](const std::optional<std::string>& Text) { return Text ? TJson(*Text) : TJson(); };
    return {{"name", OrNull(Place.Name)},
            {"country", OrNull(Place.Country)},
            {"latitude", Place.Where.Latitude},
            {"longitude", Place.Where.Longitude},
            {"timezone", Place.Zone->name()}};
}

}  // namespace

void WriteTimes(std::ostream& Out, const TTimesPlace& Place, sys_days First, sys_days Last, const TTimesRules& Rules,
                TTimesFormat Format)
{
    const date::time_zone& Zone = *Place.Zone;
    std::vector<TIcsMoment> Events;
    switch (Format) {
    case TTimesFormat::Text:
        Out << Place.Title << '\n';
        break;
    case TTimesFormat::Json:
        Out << "{\"place\": " << JsonText(PlaceJson(Place)) << ", \"days\": [";
        break;
    case TTimesFormat::Csv: {
        std::vector<std::string> Header{"date"};
        Header.insert(Header.end(), DayTimeKeys().begin(), DayTimeKeys().end());
        Out << CsvRecord(Header);
        break;
    }
    case TTimesFormat::Ics:
        break;
    }
    // The same time of one day at two places is two events.
    const std::string Origin = std::to_string(Place.Where.Latitude) + ' ' + std::to_string(Place.Where.Longitude) +
                               ' ' + Place.Zone->name();
    for (sys_days Day = First; Day <= Last; Day += days{1}) {
        const TDayTimes Times = ComputeDayTimes(Day, Place.Where, Zone, Rules);
        switch (Format) {
        case TTimesFormat::Text:
            WriteTextDay(Out, Times, Zone);
            break;
        case TTimesFormat::Json:
            Out << (Day == First ? "" : ", ") << JsonDay(Times, Zone);
            break;
        case TTimesFormat::Csv:
            Out << CsvDay(Times, Zone);
            break;
        case TTimesFormat::Ics:
            AddEvents(Events, Times, Zone, Origin);
            break;
        }
    }
    if (Format == TTimesFormat::Json)
        Out << "]}\n";
    if (Format == TTimesFormat::Ics)
        Out << IcsCalendarText(Events);
}

}  // namespace mirvane
