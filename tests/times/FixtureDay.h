// The dates and times of the fixtures, as their scripts wrote them.
#pragma once

#include <chrono>
#include <cstdio>
#include <string>

namespace mirvane {

// "YYYY-MM-DD".
inline std::chrono::sys_days FixtureDay(const std::string& Text)
{
    int Year = 0;
    unsigned Month = 0;
    unsigned Day = 0;
    std::sscanf(Text.c_str(), "%d-%u-%u", &Year, &Month, &Day);
    return std::chrono::year{Year} / std::chrono::month{Month} / std::chrono::day{Day};
}

// A fixture's "YYYY-MM-DDTHH:MM:SS.mmm+HH:MM" as the instant it names.
inline std::chrono::sys_time<std::chrono::milliseconds> FixtureInstant(const std::string& Text)
{
    using namespace std::chrono;
    int Hour = 0;
    int Minute = 0;
    double Second = 0;
    int OffsetHours = 0;
    int OffsetMinutes = 0;
    char Sign = '+';
    std::sscanf(Text.c_str() + 11, "%d:%d:%lf%c%d:%d", &Hour, &Minute, &Second, &Sign, &OffsetHours, &OffsetMinutes);
    const minutes Offset = hours{OffsetHours} + minutes{OffsetMinutes};
    return sys_time<milliseconds>{FixtureDay(Text.substr(0, 10))} + hours{Hour} + minutes{Minute} +
           round<milliseconds>(duration<double>{Second}) - (Sign == '-' ? -Offset : Offset);
}

}  // namespace mirvane
