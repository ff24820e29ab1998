#include "pages/FestivalListEntry.h"

#include "engine/HebrewNames.h"
#include "pages/LuachDayNames.h"

namespace mirvane {
namespace {

constexpr std::string_view Dash = " — ";

}  // namespace

std::string_view ListedHebrewName(std::string_view Name)
{
    const std::string_view Festival = HebrewFestivalName(Name);
    return Festival.empty() ? LuachDayHebrewName(Name) : Festival;
}

std::string FestivalListEntry(std::string_view Name, TFestivalEntryForm Form)
{
    std::string Entry(Name);
    const std::string_view Hebrew = ListedHebrewName(Name);
    if (Hebrew.empty() || Form == TFestivalEntryForm::Name)
        return Entry;
    if (Form == TFestivalEntryForm::Hebrew)
        return std::string(Hebrew);
    Entry += Dash;
    Entry += Hebrew;
    return Entry;
}

std::string FestivalNameOfEntry(std::string_view Text)
{
    const std::size_t At = Text.find(Dash);
    if (At != std::string_view::npos) {
        const std::string_view Name = Text.substr(0, At);
        const std::string_view Hebrew = ListedHebrewName(Name);
        if (!Hebrew.empty() && Hebrew == Text.substr(At + Dash.size()))
            return std::string(Name);
        return std::string(Text);
    }
    std::string_view English = EnglishFestivalName(Text);
    if (English.empty())
        English = LuachDayEnglishName(Text);
    return std::string(English.empty() ? Text : English);
}

}  // namespace mirvane
