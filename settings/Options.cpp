#include "settings/Options.h"

#include <optional>

#include <QFileInfo>
#include <QSettings>
#include <QString>
#include <QStringList>
#include <QVariant>

#include "settings/LocaleDateOrder.h"

namespace mirvane {
namespace {

constexpr const char* OrganisationName = "Tellwen";
constexpr const char* ApplicationName = "Mirvane";
constexpr const char* OptionsGroup = "Options";

// The value names, in the order in which they are read and written.
constexpr const char* DateOrderName = "DateOrder";
constexpr const char* ByJMonthName = "ByJMonth";
constexpr const char* StamAdar1Name = "StamAdar1";
constexpr const char* DiasporaName = "Diaspora";
constexpr const char* StartTabName = "StartTab";

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

// A stored value counts only when it is a 32-bit integer; anything else
// (text, a number out of range, a list) is treated as missing.
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

void ReadInto(const QSettings& Store, const char* Name, std::int32_t& Field)
{
    if (const auto Value = ReadInteger(Store, Name)) {
        Field = *Value;
    }
}

void ReadInto(const QSettings& Store, const char* Name, bool& Field)
{
    if (const auto Value = ReadInteger(Store, Name)) {
        Field = *Value != 0;
    }
}

}  // namespace

void TOptions::GetOptions()
{
    *this = TOptions{};
    if (!StoreIsUsable()) {
        DateOrder = LocaleDateOrder();
        return;
    }
    QSettings Store(QSettings::NativeFormat, QSettings::UserScope, QString::fromLatin1(OrganisationName),
                    QString::fromLatin1(ApplicationName));
    Store.beginGroup(QString::fromLatin1(OptionsGroup));
    if (Store.childKeys().isEmpty()) {
        DateOrder = LocaleDateOrder();
        return;
    }
    ReadInto(Store, DateOrderName, DateOrder);
    ReadInto(Store, ByJMonthName, ByJMonth);
    ReadInto(Store, StamAdar1Name, PlainAdarIsAdar1);
    ReadInto(Store, DiasporaName, InDiaspora);
    ReadInto(Store, StartTabName, StartTab);
}

void TOptions::SaveOptions() const
{
    if (!StoreIsUsable()) {
        return;
    }
    QSettings Store(QSettings::NativeFormat, QSettings::UserScope, QString::fromLatin1(OrganisationName),
                    QString::fromLatin1(ApplicationName));
    // The file is written to a temporary beside it and renamed over the old
    // one, so an interrupted write leaves the previous store intact; when
    // that cannot be done nothing is written at all.
    Store.setAtomicSyncRequired(true);
    if (!Store.isWritable()) {
        return;
    }
    Store.beginGroup(QString::fromLatin1(OptionsGroup));
    Store.setValue(QString::fromLatin1(DateOrderName), DateOrder);
    Store.setValue(QString::fromLatin1(ByJMonthName), ByJMonth ? 1 : 0);
    Store.setValue(QString::fromLatin1(StamAdar1Name), PlainAdarIsAdar1 ? 1 : 0);
    Store.setValue(QString::fromLatin1(DiasporaName), InDiaspora ? 1 : 0);
    Store.setValue(QString::fromLatin1(StartTabName), StartTab);
    Store.endGroup();
    Store.sync();
}

}  // namespace mirvane
