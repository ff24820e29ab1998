#include "pages/OccasionDateRefusal.h"

#include "pages/JewishDateEntry.h"

namespace mirvane {
namespace {

bool Blank(std::string_view Text)
{
    return Text.find_first_not_of(" \t") == std::string_view::npos;
}

}  // namespace

std::optional<TDateRefusal> OccasionDateRefusal(std::string_view DateText, bool DateRead, std::string_view JewishText)
{
    if (!Blank(JewishText)) {
        if (std::string Why = WhyNoJewishDay(JewishText); !Why.empty())
            return TDateRefusal{TDateBox::Jewish, std::move(Why)};
    }
    if (DateRead)
        return std::nullopt;
    if (Blank(DateText) && Blank(JewishText))
        return TDateRefusal{TDateBox::Gregorian, "Enter the date of the occasion, or its Jewish date."};
    return TDateRefusal{TDateBox::Gregorian, "The date is not a valid date."};
}

}  // namespace mirvane
