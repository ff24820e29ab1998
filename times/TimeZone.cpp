#include "times/TimeZone.h"

#include <map>
#include <memory>
#include <mutex>

namespace mirvane {
namespace {

using namespace std::chrono;

cctz::civil_second CivilOf(local_seconds Local)
{
    const local_days Day = floor<days>(Local);
    const year_month_day Date{sys_days{Day.time_since_epoch()}};
    const hh_mm_ss<seconds> Time{Local - Day};
    return cctz::civil_second{static_cast<int>(Date.year()), static_cast<unsigned>(Date.month()), static_cast<unsigned>(Date.day()),
            Time.hours().count(), Time.minutes().count(), Time.seconds().count()};
}

// CCTZ would also take "localtime", a path and "Fixed/UTC+01:00"; the
// program names zones only as the database does, "Region/City" or "UTC".
bool LooksLikeZoneName(std::string_view Name)
{
    if (Name.empty() || Name.size() > 64 || Name == "localtime" || Name.starts_with("Fixed/") ||
        Name.front() == '/' || Name.back() == '/' || Name.find("..") != std::string_view::npos ||
        Name.find("//") != std::string_view::npos)
        return false;
    for (const char Each : Name) {
        const bool Letter = (Each >= 'A' && Each <= 'Z') || (Each >= 'a' && Each <= 'z');
        const bool Digit = Each >= '0' && Each <= '9';
        if (!Letter && !Digit && Each != '/' && Each != '_' && Each != '-' && Each != '+' && Each != '.')
            return false;
    }
    return true;
}

}  // namespace

TTimeZone::TTimeZone(std::string Name, cctz::time_zone Zone) : ZoneName(std::move(Name)), Zone(Zone) {}

seconds TTimeZone::OffsetAt(sys_seconds At) const
{
    return seconds{Zone.lookup(At).offset};
}

sys_seconds TTimeZone::InstantOf(local_seconds Local) const
{
    const cctz::time_zone::civil_lookup Found = Zone.lookup(CivilOf(Local));
    return Found.kind == cctz::time_zone::civil_lookup::SKIPPED ? Found.trans : Found.pre;
}

bool TTimeZone::HasDay(sys_days Day) const
{
    const local_days Midnight{Day.time_since_epoch()};
    const cctz::time_zone::civil_lookup Found = Zone.lookup(CivilOf(Midnight));
    if (Found.kind != cctz::time_zone::civil_lookup::SKIPPED)
        return true;
    // The clocks jumped over midnight: the day is there if they landed on it.
    const cctz::civil_second Landed = Zone.lookup(Found.trans).cs;
    return Landed < CivilOf(Midnight + days{1});
}

const TTimeZone* FindTimeZone(std::string_view Name)
{
    static std::mutex Guard;
    static std::map<std::string, std::unique_ptr<TTimeZone>, std::less<>> Loaded;
    if (!LooksLikeZoneName(Name))
        return nullptr;
    const std::lock_guard Lock(Guard);
    const auto Found = Loaded.find(Name);
    if (Found != Loaded.end())
        return Found->second.get();
    cctz::time_zone Zone;
    if (!cctz::load_time_zone(std::string(Name), &Zone))
        return nullptr;
    return Loaded.emplace(Name, std::make_unique<TTimeZone>(std::string(Name), Zone)).first->second.get();
}

}  // namespace mirvane
