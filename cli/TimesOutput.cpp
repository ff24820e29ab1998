#include "cli/TimesOutput.h"

#include <date/date.h>

#include "cli/JsonText.h"
#include "engine/GregorianDateText.h"
#include "export/TimesFile.h"
#include "times/CivilDay.h"
#include "times/TimeText.h"

namespace mirvane {
namespace {

using namespace std::chrono;

// One day for people: its date, then a time a line, caption first.
void WriteTextDay(std::ostream& Out, const TDayTimes& Day, const TTimeZone& Zone)
{
    constexpr std::size_t CaptionWidth = 36;
    Out << '\n' << GregorianDateText(DateTimeOfDay(Day.Day)) << '\n';
    for (const TDayTime& Time : Day.Times) {
        std::string Line = "  " + std::string(Time.Caption);
        Line.resize(CaptionWidth, ' ');
        Out << Line << DayClockText(Time, Day.Day, Zone) << '\n';
    }
}

std::string JsonDay(const TDayTimes& Day, const TTimeZone& Zone)
{
    TJson Object{{"date", date::format("%F", Day.Day)}};
    for (const TDayTime& Time : Day.Times)
        Object[std::string(Time.Key)] = Time.At ? TJson(IsoLocalTimeText(*Time.At, Zone, Time.Rounding)) : TJson();
    return JsonText(Object);
}

TJson PlaceJson(const TTimesPlace& Place)
{
    const auto OrNull = [](const std::optional<std::string>& Text) { return Text ? TJson(*Text) : TJson(); };
    return {{"name", OrNull(Place.Name)},
            {"country", OrNull(Place.Country)},
            {"latitude", Place.Where.Latitude},
            {"longitude", Place.Where.Longitude},
            {"timezone", Place.Zone->Name()}};
}

}  // namespace

void WriteTimes(std::ostream& Out, const TTimesPlace& Place, sys_days First, sys_days Last, const TTimesRules& Rules,
                TTimesFormat Format)
{
    const TTimeZone& Zone = *Place.Zone;
    if (Format == TTimesFormat::Csv || Format == TTimesFormat::Ics) {
        WriteTimesFile(Out, Place.Where, Zone, First, Last, Rules,
                       Format == TTimesFormat::Csv ? TTimesFileFormat::Csv : TTimesFileFormat::Ics);
        return;
    }
    if (Format == TTimesFormat::Text)
        Out << Place.Title << '\n';
    else
        Out << "{\"place\": " << JsonText(PlaceJson(Place)) << ", \"days\": [";
    bool FirstDay = true;
    for (sys_days Day = First; Day <= Last; Day += days{1}) {
        if (!Zone.HasDay(Day))
            continue;
        const TDayTimes Times = ComputeDayTimes(Day, Place.Where, Zone, Rules);
        if (Format == TTimesFormat::Text)
            WriteTextDay(Out, Times, Zone);
        else
            Out << (FirstDay ? "" : ", ") << JsonDay(Times, Zone);
        FirstDay = false;
    }
    if (Format == TTimesFormat::Json)
        Out << "]}\n";
}

}  // namespace mirvane
