#include <map>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "settings/LocationSettings.h"
#include "tests/settings/TemporaryStore.h"

namespace mirvane {
namespace {

TEST(LocationStore, NoPlaceUntilOneIsSavedThenTheSamePlaceInItsOwnGroup)
{
    TemporaryStore Store;
    EXPECT_EQ(TLocation::Load(), std::nullopt);
    EXPECT_FALSE(Store.FileExists());

    const TLocation Place{"Tromsø", "Norway", 69.6496, 18.95601, "Europe/Oslo", 25, 72};
    Place.Save();
    EXPECT_EQ(TLocation::Load(), Place);
    EXPECT_EQ(Store.Stored(QStringLiteral("Location")).size(), 7U);
    EXPECT_TRUE(Store.Stored().empty()) << "the options group holds only its five options";
}

TEST(LocationStore, ADamagedPlaceIsNoPlaceAndDamagedMinutesTheirDefaults)
{
    const std::map<std::string, QVariant> Good{{"Latitude", 31.77}, {"Longitude", 35.22},
                                               {"TimeZone", QStringLiteral("Asia/Jerusalem")}};
    const struct {
        const char* Name;
        QVariant Value;
        bool Place;
    } Cases[] = {{"Latitude", 90.5, false},
                 {"Longitude", QStringLiteral("east"), false},
                 {"TimeZone", QString(), false},
                 {"CandleMinutes", 121, true},
                 {"HavdalahMinutes", -1, true}};
    for (const auto& Case : Cases) {
        TemporaryStore Store;
        std::map<std::string, QVariant> Stored = Good;
        Stored[Case.Name] = Case.Value;
        Store.Put(Stored, QStringLiteral("Location"));
        const std::optional<TLocation> Loaded = TLocation::Load();
        ASSERT_EQ(Loaded.has_value(), Case.Place) << Case.Name;
        if (Loaded) {
            EXPECT_EQ(Loaded->CandleMinutes, 18);
            EXPECT_EQ(Loaded->HavdalahMinutes, 0);
        }
    }
}

}  // namespace
}  // namespace mirvane
