#include "settings/LocationSettings.h"

#include <memory>
#include <utility>

#include <QSettings>
#include <QString>

#include "settings/SettingsStore.h"

namespace mirvane {
namespace {

constexpr const char* LocationGroup = "Location";
constexpr int LargestMinutes = 120;

std::string ReadText(const QSettings& Store, const char* Name)
{
    return Store.value(QString::fromLatin1(Name)).toString().toStdString();
}

std::optional<double> ReadDegrees(const QSettings& Store, const char* Name, double Limit)
{
    bool IsNumber = false;
    const double Value = Store.value(QString::fromLatin1(Name)).toString().trimmed().toDouble(&IsNumber);
    if (!IsNumber || !(Value >= -Limit && Value <= Limit))
        return std::nullopt;
    return Value;
}

int ReadMinutes(const QSettings& Store, const char* Name, int Default)
{
    const std::optional<std::int32_t> Value = ReadInteger(Store, Name);
    return Value && *Value >= 0 && *Value <= LargestMinutes ? *Value : Default;
}

}  // namespace

std::optional<TLocation> TLocation::Load()
{
    const std::unique_ptr<QSettings> Store = OpenGroup(LocationGroup);
    if (!Store)
        return std::nullopt;
    const std::optional<double> Latitude = ReadDegrees(*Store, "Latitude", 90);
    const std::optional<double> Longitude = ReadDegrees(*Store, "Longitude", 180);
    TLocation Location;
    Location.TimeZone = ReadText(*Store, "TimeZone");
    if (!Latitude || !Longitude || Location.TimeZone.empty())
        return std::nullopt;
    Location.Latitude = *Latitude;
    Location.Longitude = *Longitude;
    Location.Name = ReadText(*Store, "Name");
    Location.Country = ReadText(*Store, "Country");
    Location.HebrewName = ReadText(*Store, "HebrewName");
    Location.CountryCode = ReadText(*Store, "CountryCode");
    Location.CandleMinutes = ReadMinutes(*Store, "CandleMinutes", Location.CandleMinutes);
    Location.HavdalahMinutes = ReadMinutes(*Store, "HavdalahMinutes", Location.HavdalahMinutes);
    return Location;
}

void TLocation::Save() const
{
    WriteGroup(LocationGroup, [this](QSettings& Store) {
        const auto Text = [](const std::string& Value) { return QString::fromStdString(Value); };
        Store.setValue(QStringLiteral("Name"), Text(Name));
        Store.setValue(QStringLiteral("Country"), Text(Country));
        // Only places from the list have these; a place typed leaves none
        // behind from the place before it.
        for (const auto& [Key, Value] : {std::pair{"HebrewName", &HebrewName}, std::pair{"CountryCode", &CountryCode}}) {
            if (Value->empty())
                Store.remove(QLatin1String(Key));
            else
                Store.setValue(QLatin1String(Key), Text(*Value));
        }
        // Written in full, so the place read back is the place kept.
        Store.setValue(QStringLiteral("Latitude"), QString::number(Latitude, 'g', 17));
        Store.setValue(QStringLiteral("Longitude"), QString::number(Longitude, 'g', 17));
        Store.setValue(QStringLiteral("TimeZone"), Text(TimeZone));
        Store.setValue(QStringLiteral("CandleMinutes"), CandleMinutes);
        Store.setValue(QStringLiteral("HavdalahMinutes"), HavdalahMinutes);
    });
}

}  // namespace mirvane
