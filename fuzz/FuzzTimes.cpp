// The place and coordinate inputs of the times: any text searched in the
// place list, and any place on Earth (the poles included) in any of a set of
// zones on any day the calendar knows. The search must give at most what
// was asked for, best first; the day's times must come in the day's order,
// each within a day of local noon and written on the zone's clocks.

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>


#include "fuzz/FuzzCheck.h"
#include "fuzz/FuzzValues.h"
#include "times/DayTimes.h"
#include "times/PlaceFile.h"
#include "times/TextFold.h"
#include "times/TimeText.h"

namespace mirvane::fuzz {
namespace {

using namespace std::chrono;

const TPlaceIndex& Places()
{
    return InstalledPlaceIndex();
}

void CheckSearch(const std::string& Query, std::size_t Limit)
{
    const std::vector<TPlace> Found = Places().Search(Query, Limit);
    Require(Found.size() <= Limit, "more places than asked for");
    FoldedText(Query);
    if (Found.empty())
        return;
    // The first place's own name finds a place of that name first.
    const std::vector<TPlace> Again = Places().Search(Found.front().Name, 1);
    Require(!Again.empty() && FoldedText(Again.front().Name) == FoldedText(Found.front().Name),
            "a place's own name does not find it first");
}

void CheckDay(TFuzzValues& Values)
{
    FuzzedDataProvider& Bytes = Values.Bytes();
    const double Latitude = Bytes.ConsumeBool() ? Bytes.PickValueInArray<double>({-90.0, 90.0, 0.0, 66.56, -66.56})
                                                : Bytes.ConsumeFloatingPointInRange<double>(-90.0, 90.0);
    const double Longitude = Bytes.ConsumeBool() ? Bytes.PickValueInArray<double>({-180.0, 180.0, 0.0, -176.5, 179.9})
                                                 : Bytes.ConsumeFloatingPointInRange<double>(-180.0, 180.0);
    const TTimeZone& Zone = *FindTimeZone(Bytes.PickValueInArray<const char*>(
        {"UTC", "Asia/Jerusalem", "Pacific/Chatham", "Pacific/Kiritimati", "Pacific/Pago_Pago", "Asia/Kathmandu",
         "America/St_Johns", "Europe/Oslo", "Antarctica/Troll", "Australia/Lord_Howe"}));
    // 1 January of year 3 to 30 December 9999.
    const sys_days First = year{3} / January / 1;
    const sys_days Day = First + days{Bytes.ConsumeIntegralInRange<int>(0, 3649000)};
    TTimesRules Rules;
    Rules.CandleMinutes = Bytes.ConsumeIntegralInRange<int>(0, MaxRuleMinutes);
    Rules.HavdalahMinutes = Bytes.ConsumeIntegralInRange<int>(0, MaxRuleMinutes);
    Rules.Diaspora = Bytes.ConsumeBool();

    const TDayTimes Times = ComputeDayTimes(Day, {Latitude, Longitude}, Zone, Rules);
    Require(Times.Times.size() >= DailyTimeCount, "a daily time is missing");
    const TInstant Noon = time_point_cast<milliseconds>(Zone.InstantOf(local_days{Day.time_since_epoch()} + hours{12}));
    for (const TDayTime& Time : Times.Times) {
        if (!Time.At)
            continue;
        Require(abs(*Time.At - Noon) < hours{26}, "a time more than a day from local noon");
        const std::string Text = IsoLocalTimeText(*Time.At, Zone, Time.Rounding);
        Require(Text.size() >= 25 && Text[10] == 'T', "a time written out of form");
        Require(ClockText(*Time.At, Zone, Time.Rounding).size() == 5, "a clock time written out of form");
    }
    // Dawn, tallit, sunrise, transit, sunset and nightfall in that order
    // wherever they are present.
    std::vector<TInstant> Ordered;
    for (const std::size_t Index : {0u, 1u, 2u, 7u, 11u, 12u})
        if (Times.Times[Index].At)
            Ordered.push_back(*Times.Times[Index].At);
    Require(std::is_sorted(Ordered.begin(), Ordered.end()), "the day's times out of order");
}

}  // namespace
}  // namespace mirvane::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size)
{
    mirvane::fuzz::TFuzzValues Values(Data, Size);
    FuzzedDataProvider& Bytes = Values.Bytes();
    if (Bytes.ConsumeBool()) {
        const std::size_t Limit = Bytes.ConsumeIntegralInRange<std::size_t>(0, 30);
        mirvane::fuzz::CheckSearch(Bytes.ConsumeRemainingBytesAsString(), Limit);
    } else {
        mirvane::fuzz::CheckDay(Values);
    }
    return 0;
}
