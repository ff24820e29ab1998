#include "learning/DafYomiWalk.h"

#include "learning/ReadingText.h"

namespace mirvane {

const TLearningReading* TDafYomiWalk::ReadingOn(std::chrono::sys_days NewDay)
{
    if (NewDay > LastLearningDay) {
        Placed = false;
        return nullptr;
    }
    if (Placed && NewDay == Day)
        return &Reading;
    if (Placed && NewDay == Day + std::chrono::days{1} && Place.PagesAfter > 0) {
        Day = NewDay;
        ++Place.Page;
        --Place.PagesAfter;
        Reading.English.resize(Place.Book->English.size() + 1);
        AppendNumber(Reading.English, Place.Page);
        Reading.Hebrew.resize(Place.Book->Hebrew.size() + 1);
        AppendHebrewNumber(Reading.Hebrew, Place.Page);
        return &Reading;
    }
    const std::optional<TDafYomiPlace> Found = DafYomiPlaceOn(NewDay);
    Placed = Found.has_value();
    if (!Placed)
        return nullptr;
    Day = NewDay;
    Place = Found->Walk->PlaceAt(Found->Index);
    WritePageReading(Place.Book->English, Place.Book->Hebrew, Place.Page, Reading);
    return &Reading;
}

}  // namespace mirvane
