#include "ui/TimesSite.h"

#include <QCoreApplication>

namespace mirvane {

std::optional<TTimesSite> TimesSiteOf(const std::optional<TLocation>& Location, bool InDiaspora, QString& Problem)
{
    Problem.clear();
    if (!Location)
        return std::nullopt;
    if (const TTimeZone* Zone = FindTimeZone(Location->TimeZone)) {
        return TTimesSite{{Location->Latitude, Location->Longitude},
                          Zone,
                          {Location->CandleMinutes, Location->HavdalahMinutes, InDiaspora}};
    } else {
        Problem = QCoreApplication::translate("mirvane::TTimesTab",
                                              "The time zone %1 is not in the system's zone database; choose the "
                                              "place again (Options, Location...).")
                      .arg(QString::fromStdString(Location->TimeZone));
        return std::nullopt;
    }
}

}  // namespace mirvane
