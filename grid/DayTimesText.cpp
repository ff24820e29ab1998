#include "grid/DayTimesText.h"

#include <string_view>

#include "engine/ConvertError.h"
#include "times/CivilDay.h"
#include "times/TimeText.h"

namespace mirvane {
namespace {

constexpr std::size_t KeptDays = 1024;

// The grid's short caption of a time a day adds to the daily ones.
std::string_view ShortCaption(std::string_view Key, bool Hebrew)
{
    if (Key == "candleLighting")
        return Hebrew ? "הדלקת נרות" : "Candles";
    if (Key == "chanukahCandles")
        return Hebrew ? "חנוכה" : "Chanukah";
    if (Key == "havdalah")
        return Hebrew ? "הבדלה" : "Havdalah";
    if (Key == "fastBegins")
        return Hebrew ? "תחילת הצום" : "Fast begins";
    return Hebrew ? "סוף הצום" : "Fast ends";
}

std::string ComputeText(TDateTime Day, const TTimesSite& Site, TRules DayRules, bool Hebrew)
{
    TTimesRules Rules = Site.Rules;
    Rules.Diaspora = DayRules == TRules::Diaspora;
    if (!Site.Zone->HasDay(DayOfDateTime(Day)))
        return {};
    const TDayTimes Times = ComputeDayTimes(DayOfDateTime(Day), Site.Where, *Site.Zone, Rules);
    std::string Text;
    for (std::size_t Index = DailyTimeCount; Index < Times.Times.size(); ++Index) {
        const TDayTime& Time = Times.Times[Index];
        if (!Text.empty())
            Text += "  ";
        Text += ShortCaption(Time.Key, Hebrew);
        Text += ' ';
        Text += ClockTextOrDash(Time.At, *Site.Zone, Time.Rounding);
    }
    return Text;
}

}  // namespace

void TDayTimesText::SetSite(const std::optional<TTimesSite>& NewSite)
{
    Site = NewSite;
    Kept.clear();
}

std::string TDayTimesText::TimesText(TDateTime Day, TRules Rules, bool Hebrew)
{
    if (!Site || !Site->Zone)
        return {};
    if (KeptRules != Rules) {
        Kept.clear();
        KeptRules = Rules;
    }
    const std::optional<std::int64_t> Whole = WholeDays(Day);
    if (!Whole)
        return {};
    const std::int64_t Key = *Whole * 2 + (Hebrew ? 1 : 0);
    if (const auto Found = Kept.find(Key); Found != Kept.end())
        return Found->second;
    // Years of paging keep no more than a few months' worth.
    if (Kept.size() > KeptDays)
        Kept.clear();
    std::string Text;
    try {
        Text = ComputeText(Day, *Site, Rules, Hebrew);
    } catch (const EConvertError&) {
        // A day at the calendar's edges has no Jewish date, so no holy day.
    }
    return Kept.emplace(Key, std::move(Text)).first->second;
}

}  // namespace mirvane
