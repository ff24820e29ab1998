#include "times/IsraelRules.h"

namespace mirvane {

bool KeepsIsraelRules(const TPlace& Place)
{
    return Place.IsraeliLocality;
}

bool KeepsIsraelRules(std::string_view ZoneName)
{
    return ZoneName == "Asia/Jerusalem" || ZoneName == "Asia/Tel_Aviv" || ZoneName == "Israel";
}

}  // namespace mirvane
