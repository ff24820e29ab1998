// The shipped place list: found from the build tree, searched in any case
// with accents ignored, best first; a damaged or missing list is refused
// with a message naming it.
#include <filesystem>
#include <fstream>
#include <optional>

#include <gtest/gtest.h>

#include "times/PlaceFile.h"

namespace mirvane {
namespace {

TEST(PlaceListTest, SearchesFindTheLikeliestPlaceFirst)
{
    const TPlaceIndex& Places = InstalledPlaceIndex();
    EXPECT_GT(Places.Places().size(), 45000u);
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
    std::ofstream(File) << "name\tasciiName\tregion\tcountry\tlatitude\tlongitude\ttimezone\tpopulation\n"
                        << "Haifa\tHaifa\tHaifa\tIsrael\t32.8\t34.98\tAsia/Jerusalem\t267300\n"
                        << "Nowhere\tNowhere\t\tNoland\t91\t0\tEtc/UTC\t1\n";
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
