#pragma once

#include <string>
#include <vector>

#include "engine/DateConversion.h"
#include "engine/Rules.h"
#include "export/IcsCalendar.h"

namespace mirvane {

// A festival's all-day event as calendar files hold it: "NAME (JEWISH
// DATE)", with the UID of that festival on that day.
TIcsEvent FestivalEvent(TDateTime Date, const TJewishDate& Jewish, const std::string& Name);

// The event of every festival from First through Last under Rules, by date.
// Throws EConvertError for days the calendar has no Jewish date for.
std::vector<TIcsEvent> FestivalEventsBetween(TDateTime First, TDateTime Last, TRules Rules);

}  // namespace mirvane
