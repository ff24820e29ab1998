#include "engine/GregorianDateText.h"

#include <cstddef>

#include "engine/NameTables.h"

namespace mirvane {

std::string GregorianDateText(TDateTime Value)
{
    const TGregorianDate Date = DecodeDate(Value);
    if (Date.Year == 0)
        return {};
    std::string Text{DayNames[static_cast<std::size_t>(DayOfWeek(Value))]};
    Text += ' ';
    Text += std::to_string(Date.Day);
    Text += ' ';
    Text += GregorianMonthNames[static_cast<std::size_t>(Date.Month)];
    Text += ' ';
    Text += std::to_string(Date.Year);
    return Text;
}

void AppendIsoDateText(std::string& Text, TDateTime Value)
{
    const TGregorianDate Date = DecodeDate(Value);
    if (Date.Year == 0)
        return;
    char Line[16];
    Text.append(Line, static_cast<std::size_t>(WriteIsoDateText(Line, Date) - Line));
}

char* WriteIsoDateText(char* Out, const TGregorianDate& Date)
{
    // The year takes at least four digits, written from the right.
    std::int32_t Year = Date.Year;
    std::int32_t Width = 4;
    for (std::int32_t Rest = Year / 10000; Rest > 0; Rest /= 10)
        ++Width;
    for (char* Digit = Out + Width; Digit != Out; Year /= 10)
        *--Digit = static_cast<char>('0' + Year % 10);
    Out += Width;
    const auto WriteTwoDigits = [&Out](std::int32_t Value) {
        *Out++ = static_cast<char>('0' + Value / 10);
        *Out++ = static_cast<char>('0' + Value % 10);
    };
    *Out++ = '-';
    WriteTwoDigits(Date.Month);
    *Out++ = '-';
    WriteTwoDigits(Date.Day);
    return Out;
}

std::string IsoDateText(TDateTime Value)
{
    std::string Text;
    AppendIsoDateText(Text, Value);
    return Text;
}

}  // namespace mirvane
