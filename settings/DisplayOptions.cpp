#include "settings/DisplayOptions.h"

#include <memory>

#include <QSettings>
#include <QString>

#include "settings/SettingsStore.h"

namespace mirvane {
namespace {

constexpr const char* DisplayGroup = "Display";
constexpr const char* HebrewNamesName = "HebrewNames";
constexpr const char* CandleTimesName = "CandleLightingTimes";

}  // namespace

void TDisplayOptions::Load()
{
    *this = TDisplayOptions{};
    const std::unique_ptr<QSettings> Store = OpenGroup(DisplayGroup);
    if (!Store)
        return;
    if (const auto Value = ReadInteger(*Store, HebrewNamesName))
        HebrewNames = *Value != 0;
    if (const auto Value = ReadInteger(*Store, CandleTimesName))
        CandleTimes = *Value != 0;
}

void TDisplayOptions::Save() const
{
    WriteGroup(DisplayGroup, [this](QSettings& Store) {
        Store.setValue(QString::fromLatin1(HebrewNamesName), HebrewNames ? 1 : 0);
        Store.setValue(QString::fromLatin1(CandleTimesName), CandleTimes ? 1 : 0);
    });
}

}  // namespace mirvane
