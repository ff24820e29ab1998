#include "engine/GregorianDateText.h"

#include <charconv>
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
    AppendIsoDateText(Text, DecodeDate(Value));
}

void AppendIsoDateText(std::string& Text, const TGregorianDate& Date)
{
    if (Date.Year == 0)
        return;
    char Digits[16];
    const std::size_t Length =
        static_cast<std::size_t>(std::to_chars(Digits, Digits + sizeof Digits, Date.Year).ptr - Digits);
    if (Length < 4)
        Text.append(4 - Length, '0');
    Text.append(Digits, Length);
    const auto AppendTwoDigits = [&Text](std::int32_t Value) {
        Text += static_cast<char>('0' + Value / 10);
        Text += static_cast<char>('0' + Value % 10);
    };
    Text += '-';
    AppendTwoDigits(Date.Month);
    Text += '-';
    AppendTwoDigits(Date.Day);
}

std::string IsoDateText(TDateTime Value)
{
    std::string Text;
    AppendIsoDateText(Text, Value);
    return Text;
}

}  // namespace mirvane
