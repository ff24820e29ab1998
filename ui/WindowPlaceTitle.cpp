#include "ui/WindowPlaceTitle.h"

#include <unicode/uloc.h>

#include "ui/Isolated.h"

namespace mirvane {
namespace {

// The country's name in Hebrew from ICU's locale data; its English name,
// isolated, where ICU has none.
QString HebrewCountryName(const std::string& Country, const std::string& CountryCode)
{
    const QString English = Isolated(QString::fromStdString(Country));
    if (CountryCode.size() != 2)
        return English;
    const std::string Locale = "und_" + CountryCode;
    UChar Name[128];
    UErrorCode Status = U_ZERO_ERROR;
    const int32_t Length = uloc_getDisplayCountry(Locale.c_str(), "he", Name, 128, &Status);
    // ICU answers with the code itself when it has no name in the language.
    if (U_FAILURE(Status) || Status == U_USING_DEFAULT_WARNING || Length <= 0 || Length >= 128)
        return English;
    const QString Hebrew = QString::fromUtf16(reinterpret_cast<const char16_t*>(Name), Length);
    return Hebrew == QString::fromStdString(CountryCode) ? English : Hebrew;
}

QString HebrewTitle(const std::string& Name, const std::string& HebrewName, const std::string& Country,
                    const std::string& CountryCode)
{
    const QString Shown = HebrewName.empty() ? Isolated(QString::fromStdString(Name)) : QString::fromStdString(HebrewName);
    return Shown + QStringLiteral(", ") + HebrewCountryName(Country, CountryCode);
}

}  // namespace

QString WindowPlaceTitle(const TPlace& Place, bool Hebrew)
{
    if (!Hebrew)
        return QString::fromStdString(PlaceTitle(Place));
    return HebrewTitle(Place.Name, Place.HebrewName, Place.Country, Place.CountryCode);
}

QString WindowPlaceTitle(const TLocation& Location, bool Hebrew)
{
    if (!Hebrew || Location.Country.empty())
        return QString::fromStdString(Location.Country.empty() ? Location.Name
                                                               : Location.Name + ", " + Location.Country);
    return HebrewTitle(Location.Name, Location.HebrewName, Location.Country, Location.CountryCode);
}

}  // namespace mirvane
