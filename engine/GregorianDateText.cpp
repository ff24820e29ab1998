#include "engine/GregorianDateText.h"

#include <cstddef>

#include "engine/NameTables.h"

namespace mirvane {
namespace {

std::string TwoDigits(std::int32_t Value)
{
    return (Value < 10 ? "0" : "") + std::to_string(Value);
}

}  // namespace

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

std::string IsoDateText(TDateTime Value)
{
    const TGregorianDate Date = DecodeDate(Value);
    if (Date.Year == 0)
        return {};
    std::string Year = std::to_string(Date.Year);
    if (Year.size() < 4)
        Year.insert(0, 4 - Year.size(), '0');
    return Year + '-' + TwoDigits(Date.Month) + '-' + TwoDigits(Date.Day);
}

}  // namespace mirvane
