#include "cli/HebrewText.h"

#include "engine/Anniversary.h"
#include "engine/HebrewDateText.h"

namespace mirvane {

std::string JewishDateTextIn(const TJewishDate& Date, bool Hebrew)
{
    return Hebrew ? HebrewJewishDateText(Date.Year, Date.Month, Date.Day)
                  : JewishDateText(Date.Year, Date.Month, Date.Day);
}

}  // namespace mirvane
