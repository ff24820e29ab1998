#include "settings/RememberSettings.h"

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
    if (!SettingsStoreIsUsable())
        return Settings;
    QSettings Store(QSettings::NativeFormat, QSettings::UserScope, QString::fromLatin1(SettingsOrganisation),
                    QString::fromLatin1(SettingsApplication));
    Store.beginGroup(QString::fromLatin1(RememberGroup));
    if (const auto SortBy = ReadSettingsInteger(Store, SortByName))
        Settings.SortByDate = *SortBy == 1;
    if (const auto CheckOnRun = ReadSettingsInteger(Store, CheckOnRunName))
        Settings.CheckOnRun = *CheckOnRun != 0;
    return Settings;
}

void TRememberSettings::Save() const
{
    if (!SettingsStoreIsUsable())
        return;
    QSettings Store(QSettings::NativeFormat, QSettings::UserScope, QString::fromLatin1(SettingsOrganisation),
                    QString::fromLatin1(SettingsApplication));
    Store.setAtomicSyncRequired(true);
    if (!Store.isWritable())
        return;
    Store.beginGroup(QString::fromLatin1(RememberGroup));
    Store.setValue(QString::fromLatin1(SortByName), SortByDate ? 1 : 0);
    Store.setValue(QString::fromLatin1(CheckOnRunName), CheckOnRun ? 1 : 0);
    Store.endGroup();
    Store.sync();
}

}  // namespace mirvane
