#include "settings/SettingsStore.h"

#include <QFileInfo>
#include <QSettings>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace mirvane {
namespace {

constexpr const char* OrganisationName = "Tellwen";
constexpr const char* ApplicationName = "Mirvane";
// The store holds a few short lines; a file far larger is not this program's,
// and reading it whole could fill the memory.
constexpr qint64 LargestStore = qint64{16} << 20;

// The files QSettings reads for the store, in the user's and the system's
// folders: the application's and the organisation's. A probe of a name no
// file has tells the folders without reading any of them.
QStringList StoreFiles()
{
    QStringList Files;
    for (const QSettings::Scope Scope : {QSettings::UserScope, QSettings::SystemScope}) {
        const QSettings Probe(QSettings::NativeFormat, Scope, QStringLiteral("Tellwen store probe"));
        const QString Folder = QFileInfo(Probe.fileName()).path();
        Files << Folder + u'/' + QString::fromLatin1(OrganisationName) + u'/' + QString::fromLatin1(ApplicationName) +
                     QStringLiteral(".conf")
              << Folder + u'/' + QString::fromLatin1(OrganisationName) + QStringLiteral(".conf");
    }
    return Files;
}

// QSettings reads its files whole as soon as it is made, and replaces them
// through the links that lead to them. A store that is no plain file would
// block the start for ever (a pipe), never end (a device), or be replaced
// by a file (a device, when the program runs as root); one far too large
// would fill the memory. Such a store is neither read nor written.
bool StoreIsUsable()
{
    for (const QString& Path : StoreFiles()) {
        const QFileInfo File(Path);
        if (File.exists() && (!File.isFile() || File.size() > LargestStore)) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::optional<std::int32_t> ReadInteger(const QSettings& Store, const char* Name)
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

std::unique_ptr<QSettings> OpenGroup(const char* Group)
{
    if (!StoreIsUsable())
        return nullptr;
    auto Store = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                             QString::fromLatin1(OrganisationName),
                                             QString::fromLatin1(ApplicationName));
    Store->beginGroup(QString::fromLatin1(Group));
    return Store;
}

void WriteGroup(const char* Group, const std::function<void(QSettings&)>& Write)
{
    const std::unique_ptr<QSettings> Store = OpenGroup(Group);
    if (!Store)
        return;
    Store->setAtomicSyncRequired(true);
    if (!Store->isWritable())
        return;
    Write(*Store);
    Store->endGroup();
    Store->sync();
}

}  // namespace mirvane
