#include "learning/DafYomiWalk.h"

#include "learning/ReadingText.h"

namespace mirvane {

bool TDafYomiWalk::WriteOn(std::chrono::sys_days NewDay, std::string& English, std::size_t EnglishLead,
                           std::string& Hebrew, std::size_t HebrewLead)
{
    if (NewDay > LastLearningDay) {
        Placed = false;
        return false;
    }
    if (Placed && NewDay == Day)
        return true;
    const bool NextPage = Placed && NewDay == Day + std::chrono::days{1} && Place.PagesAfter > 0;
    if (NextPage) {
        ++Place.Page;
        --Place.PagesAfter;
    } else {
        const std::optional<TDafYomiPlace> Found = DafYomiPlaceOn(NewDay);
        Placed = Found.has_value();
        if (!Placed)
            return false;
        Place = Found->Walk->PlaceAt(Found->Index);
    }
    Day = NewDay;
    // On the next page "Sanhedrin " stays as the day before left it.
    if (NextPage) {
        English.resize(EnglishLead + Place.Book->English.size() + 1);
        Hebrew.resize(HebrewLead + Place.Book->Hebrew.size() + 1);
    } else {
        English.resize(EnglishLead);
        English.append(Place.Book->English).append(1, ' ');
        Hebrew.resize(HebrewLead);
        Hebrew.append(Place.Book->Hebrew).append(1, ' ');
    }
    AppendNumber(English, Place.Page);
    AppendHebrewNumber(Hebrew, Place.Page);
    return true;
}

}  // namespace mirvane
