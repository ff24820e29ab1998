#include "ui/WindowPlaceTitle.h"

#include <unicode/uloc.h>

#include "ui/Isolated.h"

namespace mirvane {
namespace {

// The country's name in Hebrew from ICU's locale data; its English name,
// isolated, where ICU has none.
QString HebrewCountryName(const TPlace& Place)
{
    const QString English = Isolated(QString::fromStdString(Place.Country));
    if (Place.CountryCode.size() != 2)
        return English;
    const std::string Locale = "und_" + Place.CountryCode;
    UChar Name[128];
    UErrorCode Status = U_ZERO_ERROR;
    const int32_t Length = uloc_getDisplayCountry(Locale.c_str(), "he", Name, 128, &Status);
    // ICU answers with the code itself when it has no name in the language.
    if (U_FAILURE(Status) || Status == U_USING_DEFAULT_WARNING || Length <= 0 || Length >= 128)
        return English;
    const QString Hebrew = QString::fromUtf16(reinterpret_cast<const char16_t*>(Name), Length);
    return Hebrew == QString::fromStdString(Place.CountryCode) ? English : Hebrew;
}

}  // namespace

QString WindowPlaceTitle(const TPlace& Place, bool Hebrew)
{
    if (!Hebrew)
        return QString::fromStdString(PlaceTitle(Place));
    const QString Name = Place.HebrewName.empty() ? Isolated(QString::fromStdString(Place.Name))
                                                  : QString::fromStdString(Place.HebrewName);
    return Name + QStringLiteral(", ") + HebrewCountryName(Place);
}

}  // namespace mirvane
