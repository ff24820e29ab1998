#include "grid/DayDescription.h"

#include <cstddef>

#include "engine/Anniversary.h"
#include "engine/DateConversion.h"
#include "engine/HebrewDateText.h"

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

std::string DayDescription(TDateTime Date, std::string_view DayText, bool HebrewNames, const TCivilNames& Names)
{
    const TJewishDate Jewish = DateTimeToJewish(Date);
    std::string Text = Names.LongDate(Date);
    Text += ", ";
    Text += JewishDateTextIn(Jewish, HebrewNames);
    const std::string_view Trimmed = TrimBlanks(DayText);
    if (!Trimmed.empty()) {
        Text += ", ";
        Text += Trimmed;
    }
    return Text;
}

}  // namespace mirvane
