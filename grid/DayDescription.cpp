#include "grid/DayDescription.h"

#include <cstddef>

#include "engine/DateConversion.h"
#include "engine/JewishYear.h"
#include "engine/NameTables.h"

namespace mirvane {
namespace {

std::string_view TrimBlanks(std::string_view Text)
{
    const std::size_t First = Text.find_first_not_of(' ');
    if (First == std::string_view::npos)
        return {};
    return Text.substr(First, Text.find_last_not_of(' ') - First + 1);
}

}  // namespace

std::string DayDescription(TDateTime Date, std::string_view DayText)
{
    const TJewishDate Jewish = DateTimeToJewish(Date);
    const TGregorianDate Gregorian = DecodeDate(Date);
    TJewishYear Calculator;
    Calculator.SetYear(Jewish.Year);

    std::string Text{DayNames[static_cast<std::size_t>(DayOfWeek(Date))]};
    Text += ' ';
    Text += std::to_string(Gregorian.Day);
    Text += ' ';
    Text += GregorianMonthNames[static_cast<std::size_t>(Gregorian.Month)];
    Text += ' ';
    Text += std::to_string(Gregorian.Year);
    Text += ", ";
    Text += std::to_string(Jewish.Day);
    Text += ' ';
    Text += Calculator.GetMonthNames()[static_cast<std::size_t>(Jewish.Month)];
    Text += ' ';
    Text += std::to_string(Jewish.Year);
    const std::string_view Trimmed = TrimBlanks(DayText);
    if (!Trimmed.empty()) {
        Text += ", ";
        Text += Trimmed;
    }
    return Text;
}

}  // namespace mirvane
