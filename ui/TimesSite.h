#pragma once

#include <optional>

#include <QString>

#include "settings/LocationSettings.h"
#include "times/DayTimes.h"

namespace mirvane {

// The user's place as the times are computed for it, under the Diaspora or
// the Israel rules; nothing without a place, and nothing with the reason in
// Problem when the system's zone database lacks its zone. The zone database
// is opened here, on first use, not at start-up.
std::optional<TTimesSite> TimesSiteOf(const std::optional<TLocation>& Location, bool InDiaspora, QString& Problem);

}  // namespace mirvane
