#include "settings/Options.h"

#include <memory>

#include <QSettings>
#include <QString>

#include "settings/LocaleDateOrder.h"
#include "settings/SettingsStore.h"

namespace mirvane {
namespace {

constexpr const char* OptionsGroup = "Options";

// The value names, in the order in which they are read and written.
constexpr const char* DateOrderName = "DateOrder";
constexpr const char* ByJMonthName = "ByJMonth";
constexpr const char* StamAdar1Name = "StamAdar1";
constexpr const char* DiasporaName = "Diaspora";
constexpr const char* StartTabName = "StartTab";

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
    const std::unique_ptr<QSettings> Store = OpenGroup(OptionsGroup);
    if (!Store || Store->childKeys().isEmpty()) {
        DateOrder = LocaleDateOrder();
        return;
    }
    ReadInto(*Store, DateOrderName, DateOrder);
    ReadInto(*Store, ByJMonthName, ByJMonth);
    ReadInto(*Store, StamAdar1Name, PlainAdarIsAdar1);
    ReadInto(*Store, DiasporaName, InDiaspora);
    ReadInto(*Store, StartTabName, StartTab);
}

void TOptions::SaveOptions() const
{
    WriteGroup(OptionsGroup, [this](QSettings& Store) {
        Store.setValue(QString::fromLatin1(DateOrderName), DateOrder);
        Store.setValue(QString::fromLatin1(ByJMonthName), ByJMonth ? 1 : 0);
        Store.setValue(QString::fromLatin1(StamAdar1Name), PlainAdarIsAdar1 ? 1 : 0);
        Store.setValue(QString::fromLatin1(DiasporaName), InDiaspora ? 1 : 0);
        Store.setValue(QString::fromLatin1(StartTabName), StartTab);
    });
}

}  // namespace mirvane
