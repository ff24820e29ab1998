#include "settings/DisplayOptions.h"

#include <memory>

#include <QSettings>
#include <QString>

#include "settings/SettingsStore.h"

namespace mirvane {
namespace {

constexpr const char* DisplayGroup = "Display";
constexpr const char* HebrewNamesName = "HebrewNames";

}  // namespace

void TDisplayOptions::Load()
{
    *this = TDisplayOptions{};
    const std::unique_ptr<QSettings> Store = OpenStore();
    if (!Store)
        return;
    Store->beginGroup(QString::fromLatin1(DisplayGroup));
    if (const auto Value = ReadInteger(*Store, HebrewNamesName))
        HebrewNames = *Value != 0;
}

void TDisplayOptions::Save() const
{
    const std::unique_ptr<QSettings> Store = OpenStore();
    if (!Store)
        return;
    // Written whole to a temporary and renamed, as the options are.
    Store->setAtomicSyncRequired(true);
    if (!Store->isWritable())
        return;
    Store->beginGroup(QString::fromLatin1(DisplayGroup));
    Store->setValue(QString::fromLatin1(HebrewNamesName), HebrewNames ? 1 : 0);
    Store->endGroup();
    Store->sync();
}

}  // namespace mirvane
