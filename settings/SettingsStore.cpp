#include "settings/SettingsStore.h"

#include <QFileInfo>
#include <QSettings>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace mirvane {
namespace {

// The store holds five short lines; a file far larger is not this program's,
// and reading it whole could fill the memory.
constexpr qint64 LargestStore = qint64{16} << 20;

// The files QSettings reads for the options, in the user's and the system's
// folders: the application's and the organisation's. A probe of a name no
// file has tells the folders without reading any of them.
QStringList StoreFiles()
{
    QStringList Files;
    for (const QSettings::Scope Scope : {QSettings::UserScope, QSettings::SystemScope}) {
        const QSettings Probe(QSettings::NativeFormat, Scope, QStringLiteral("Tellwen store probe"));
        const QString Folder = QFileInfo(Probe.fileName()).path();
        Files << Folder + u'/' + QString::fromLatin1(SettingsOrganisation) + u'/' + QString::fromLatin1(SettingsApplication) +
                     QStringLiteral(".conf")
              << Folder + u'/' + QString::fromLatin1(SettingsOrganisation) + QStringLiteral(".conf");
    }
    return Files;
}

}  // namespace

// QSettings reads its files whole as soon as it is made, and replaces them
// through the links that lead to them. A store that is no plain file would
// block the start for ever (a pipe), never end (a device), or be replaced
// by a file (a device, when the program runs as root); one far too large
// would fill the memory. Such a store is neither read nor written.
bool SettingsStoreIsUsable()
{
    for (const QString& Path : StoreFiles()) {
        const QFileInfo File(Path);
        if (File.exists() && (!File.isFile() || File.size() > LargestStore)) {
            return false;
        }
    }
    return true;
}

// A stored value counts only when it is a 32-bit integer; anything else
// (text, a number out of range, a list) is treated as missing.
std::optional<std::int32_t> ReadSettingsInteger(const QSettings& Store, const char* Name)
{
    const QVariant Value = Store.value(QString::fromLatin1(Name));
    if (!Value.isValid() || Value.typeId() == QMetaType::QStringList || Value.typeId() == QMetaType::QVariantList) {
        return std::nullopt;
    }
    bool IsInteger = false;
    const int Number = Value.toString().trimmed().toInt(&IsInteger);
    if (!IsInteger) {
        return std::nullopt;
    }
    return Number;
}

}  // namespace mirvane
