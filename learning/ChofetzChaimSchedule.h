#pragma once

#include <span>
#include <string_view>

namespace mirvane {

// The parts of Sefer Chofetz Chaim the daily learning reads.
enum class TChofetzChaimPart : unsigned char {
    Hakdamah,
    Psichah,
    Lavin,
    Asin,
    Arurin,
    LashonHara,
    Rechilus,
    Tziyurim
};

std::string_view ChofetzChaimPartName(TChofetzChaimPart Part);
std::string_view ChofetzChaimPartHebrewName(TChofetzChaimPart Part);

// A day's reading: a part and the places in it, "7.5-7.6" for chapter 7,
// paragraphs 5 to 6; "" for the whole part.
struct TChofetzChaimDay {
    TChofetzChaimPart Part;
    std::string_view Places;
};

// The book is read through three times a year on fixed Jewish dates. A day
// of each list from 1 Tishrei, for a year whose Cheshvan and Kislev both have
// 30 days: a year of twelve months and one of thirteen.
std::span<const TChofetzChaimDay> ChofetzChaimCommonYear();
std::span<const TChofetzChaimDay> ChofetzChaimLeapYear();

// What the 29th of Cheshvan and the 29th of Kislev read in a year where that
// month has no 30th, by the year's number of months.
TChofetzChaimDay ChofetzChaimShortCheshvan29(bool Leap);
TChofetzChaimDay ChofetzChaimShortKislev29(bool Leap);

}  // namespace mirvane
