#pragma once

// Which of an occasion's two date boxes is to blame when they give no day,
// and what to tell the user.

#include <optional>
#include <string>
#include <string_view>

namespace mirvane {

enum class TDateBox { Gregorian, Jewish };

struct TDateRefusal {
    TDateBox Box;
    std::string Message;
    bool operator==(const TDateRefusal&) const = default;
};

// The Date box holds DateText, read as a day or not (DateRead); the Jewish
// Date box holds JewishText, which may be empty, the day then following the
// Date box. A Jewish date typed that names no day is blamed with its reason
// (a typed Jewish date that names a day has already written the Date box);
// with both boxes empty the Date box asks for a date; otherwise the Date box
// is no date. Nothing when the boxes give a day.
std::optional<TDateRefusal> OccasionDateRefusal(std::string_view DateText, bool DateRead, std::string_view JewishText);

}  // namespace mirvane
