#include "settings/RememberSettings.h"

#include <memory>

#include <QSettings>
#include <QString>

#include "settings/SettingsStore.h"

namespace mirvane {
namespace {

constexpr const char* RememberGroup = "Remember";
constexpr const char* SortByName = "SortBy";  // 0 occasion, 1 date this year
constexpr const char* CheckOnRunName = "CheckOnRun";

}  // namespace

TRememberSettings TRememberSettings::Load()
{
    TRememberSettings Settings;
    const std::unique_ptr<QSettings> Store = OpenGroup(RememberGroup);
    if (!Store)
        return Settings;
    if (const auto SortBy = ReadInteger(*Store, SortByName))
        Settings.SortByDate = *SortBy == 1;
    if (const auto CheckOnRun = ReadInteger(*Store, CheckOnRunName))
        Settings.CheckOnRun = *CheckOnRun != 0;
    return Settings;
}

void TRememberSettings::Save() const
{
    WriteGroup(RememberGroup, [this](QSettings& Store) {
        Store.setValue(QString::fromLatin1(SortByName), SortByDate ? 1 : 0);
        Store.setValue(QString::fromLatin1(CheckOnRunName), CheckOnRun ? 1 : 0);
    });
}

}  // namespace mirvane
