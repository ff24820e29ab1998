// The shipped place list: found from the build tree, searched in any case
// with accents ignored, best first; a damaged or missing list is refused
// with a message naming it.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>

#include <gtest/gtest.h>

#include "times/IsraelRules.h"
#include "times/PlaceFile.h"

namespace mirvane {
namespace {

TEST(PlaceListTest, SearchesFindTheLikeliestPlaceFirst)
{
    const TPlaceIndex& Places = InstalledPlaceIndex();
    EXPECT_GT(Places.Places().size(), 50000u);
    EXPECT_GT(std::ranges::count_if(Places.Places(), [](const TPlace& Place) { return KeepsIsraelRules(Place); }),
              700);
    const struct {
        const char* Query;
        const char* First;
    } Cases[] = {
        {"tromso", "Tromsø, Norway"},
        {"TROMSØ", "Tromsø, Norway"},
        {"reykjavik", "Reykjavík, Capital Region, Iceland"},
        {"Lakewood, new jersey", "Lakewood, New Jersey, United States"},
        {"london", "London, England, United Kingdom"},
        {"london, canada", "London, Ontario, Canada"},
        {"aviv", "Tel Aviv, Israel"},     // a word of the name
        {"jerus", "Jerusalem, Israel"},  // the start of one
        // Decomposed, as some keyboards and files write it.
        {"Zu\u0308rich", "Zürich, Zurich, Switzerland"},
        // Hyphens, spaces and apostrophes alike.
        {"Winston Salem", "Winston-Salem, North Carolina, United States"},
        {"Tel-Aviv", "Tel Aviv, Israel"},
        {"Maale Adumim", "Ma‘ale Adummim, West Bank, Palestine"},
        {"Ma'ale Adumim", "Ma‘ale Adummim, West Bank, Palestine"},
        // A country, its code or its nickname after a comma.
        {"Paris, US", "Paris, Texas, United States"},
        {"London, UK", "London, England, United Kingdom"},
        {"Jerusalem, IL", "Jerusalem, Israel"},
        {"Washington", "Washington, District of Columbia, United States"},  // most people
        {"Washington DC", "Washington, District of Columbia, United States"},
        {"Washington, D.C.", "Washington, District of Columbia, United States"},  // the comma is the name's
        // Hebrew names, and the spellings people type.
        {"ירושלים", "Jerusalem, Israel"},
        {"תל אביב", "Tel Aviv, Israel"},
        {"Petah Tikva", "Petaẖ Tiqva, Central District, Israel"},
        {"Rishon LeZion", "Rishon LeTsiyyon, Central District, Israel"},
        {"Beer Sheva", "Beersheba, Southern District, Israel"},
        {"Beit Shemesh", "Bet Shemesh, Jerusalem, Israel"},
        {"Tzfat", "Safed, Northern District, Israel"},
        {"Modiin", "Modi‘in Makkabbim Re‘ut, Central District, Israel"},
        // Israel's smaller localities.
        {"Zikhron Ya'akov", "Zikhron Ya‘aqov, Haifa, Israel"},
        {"Binyamina", "Binyamina, Haifa, Israel"},
        {"Pardes Hanna-Karkur", "Pardes Hanna-Karkur, Haifa District, Israel"},
        {"Katzrin", "Katzrin, Israel"},
        {"Beitar Illit", "Beitar Illit, West Bank, Palestine"},
        {"Ariel", "Ariel, Judea and Samaria Area, Israel"},  // before Jerusalem, which GeoNames also calls so
    };
    for (const auto& Case : Cases) {
        const std::vector<TPlace> Found = Places.Search(Case.Query, 10);
        ASSERT_FALSE(Found.empty()) << Case.Query;
        EXPECT_EQ(PlaceTitle(Found.front()), Case.First) << Case.Query;
    }
    EXPECT_TRUE(Places.Search("Atlantis of the Nowhere", 10).empty());
    EXPECT_TRUE(Places.Search(" , ", 10).empty());
}

TEST(PlaceListTest, AZoneLeadsToItsCity)
{
    const struct {
        const char* Zone;
        const char* Found;
    } Cases[] = {{"America/New_York", "New York City, New York, United States"},
                 {"Asia/Jerusalem", "Jerusalem, Israel"},
                 {"America/Argentina/Buenos_Aires", "Buenos Aires, Buenos Aires F.D., Argentina"},
                 {"Etc/GMT+5", ""}};
    for (const auto& Case : Cases) {
        const std::optional<TPlace> Place = InstalledPlaceIndex().PlaceOfZone(Case.Zone);
        EXPECT_EQ(Place ? PlaceTitle(*Place) : "", Case.Found) << Case.Zone;
    }
}

TEST(PlaceListTest, ADamagedOrMissingListIsRefusedByName)
{
    const std::filesystem::path File = std::filesystem::temp_directory_path() / "mirvane-places-test.tsv";
    std::ofstream(File) << "name\tasciiName\thebrewName\tregion\tcountry\tcountryCode\tlatitude\tlongitude\t"
                           "timezone\tpopulation\tisrael\talternateNames\n"
                        << "Haifa\tHaifa\tחיפה\tHaifa\tIsrael\tIL\t32.8\t34.98\tAsia/Jerusalem\t267300\t1\tHefa\n"
                        << "Nowhere\tNowhere\t\t\tNoland\tNL\t91\t0\tEtc/UTC\t1\t0\t\n";
    try {
        ReadPlaceList(File);
        ADD_FAILURE() << "a latitude of 91 was read";
    } catch (const EPlaceListError& Error) {
        EXPECT_EQ(std::string(Error.what()), "the place list " + File.string() + " is damaged at line 3");
    }
    std::filesystem::remove(File);
    EXPECT_THROW(ReadPlaceList(File), EPlaceListError);
}

}  // namespace
}  // namespace mirvane
