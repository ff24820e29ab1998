#pragma once

#include <string>
#include <string_view>

#include "engine/MoladTime.h"

namespace mirvane {

// The molad as the synagogue announces it, in Jerusalem mean time on the
// civil clock: "Molad Shvat: Wednesday, 17 minutes and 6 parts after 21:00",
// "מולד שבט: יום רביעי, 17 דקות ו-6 חלקים אחרי 21:00". Zero minutes or parts
// are left out, and a molad on the hour is "at 21:00".
std::string MoladAnnouncement(std::string_view MonthName, const TMoladClock& Molad);
std::string HebrewMoladAnnouncement(std::string_view MonthName, const TMoladClock& Molad);

}  // namespace mirvane
