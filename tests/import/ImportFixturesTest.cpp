#include <gtest/gtest.h>

#include <algorithm>

#include "import/ImportPlan.h"
#include "remember/RememberStore.h"
#include "tests/remember/TempFolder.h"

namespace mirvane {
namespace {
namespace fs = std::filesystem;

std::string Fixture(const std::string& Name)
{
    std::string Failure;
    std::string Text = ReadImportFile(fs::path(MIRVANE_IMPORT_FIXTURES) / Name, Failure);
    EXPECT_EQ(Failure, "");
    return Text;
}

std::vector<TRememberEntry> EntriesOf(const TImportPlan& Plan)
{
    std::vector<TRememberEntry> Entries;
    for (const TImportCandidate& Candidate : Plan.Added)
        Entries.push_back(Candidate.Entry);
    return Entries;
}

const TImportCandidate* Named(const TImportPlan& Plan, const std::string& Occasion, TOccasionWhat What)
{
    const auto Found = std::find_if(Plan.Added.begin(), Plan.Added.end(), [&](const TImportCandidate& Candidate) {
        return Candidate.Entry.Occasion == Occasion && Candidate.Entry.What == What;
    });
    return Found == Plan.Added.end() ? nullptr : &*Found;
}

// Each fixture, imported into an empty list and then again: its entries,
// what it sets aside, and nothing added twice.
TEST(ImportFixtures, EachFileImportsAsTheEntriesItHolds)
{
    const struct {
        std::string File;
        TImportFormat Format;
        std::size_t Added;
        std::size_t Skipped;
    } Cases[] = {
        {"hebcal-yahrzeits.ics", TImportFormat::Calendar, 10, 0},
        {"hebcal-yahrzeits.csv", TImportFormat::Csv, 10, 0},
        {"google-yearly.ics", TImportFormat::Calendar, 5, 1},
        {"family-551.ged", TImportFormat::Gedcom, 5, 2},
        {"family-70.ged", TImportFormat::Gedcom, 4, 1},
    };
    for (const auto& Case : Cases) {
        SCOPED_TRACE(Case.File);
        TTempFolder Folder;
        TRememberStore Store = TRememberStore::Open(Folder.Store());
        const std::string Text = Fixture(Case.File);
        const TImportPlan First = PlanImport(Text, {}, Store.List());
        EXPECT_EQ(First.Failure, "");
        EXPECT_EQ(First.Format, Case.Format);
        EXPECT_EQ(First.Added.size(), Case.Added);
        EXPECT_EQ(First.Skipped.size(), Case.Skipped);
        Store.AddAll(EntriesOf(First));
        const TImportPlan Second = PlanImport(Text, {}, Store.List());
        EXPECT_TRUE(Second.Added.empty());
        EXPECT_EQ(Second.Skipped.size(), Case.Added + Case.Skipped);
    }
}

// The dates the writers' own reference computed: the death dates of the
// script's list.
TEST(ImportFixtures, OneEventAYearExportsGiveBackTheEventsDates)
{
    for (const std::string File : {"hebcal-yahrzeits.ics", "hebcal-yahrzeits.csv"}) {
        SCOPED_TRACE(File);
        const TImportPlan Plan = PlanImport(Fixture(File), {}, {});
        const TImportCandidate* Moshe = Named(Plan, "Moshe Levi", TOccasionWhat::Yahrzeit);
        ASSERT_NE(Moshe, nullptr);
        EXPECT_EQ(Moshe->Entry.Date, (TGregorianDate{1990, 11, 30}));
        EXPECT_EQ(Moshe->Entry.Kind, TRememberKind::Jewish);
        const TImportCandidate* Sarah = Named(Plan, "Sarah Cohen", TOccasionWhat::Yahrzeit);
        ASSERT_NE(Sarah, nullptr);
        EXPECT_TRUE(Sarah->Entry.AfterSunset);
        EXPECT_EQ(Sarah->Entry.Date, (TGregorianDate{2001, 3, 15}));
        const TImportCandidate* Rivka = Named(Plan, "Rivka Peretz", TOccasionWhat::Yahrzeit);
        ASSERT_NE(Rivka, nullptr);
        EXPECT_EQ(Rivka->Entry.Date, (TGregorianDate{2004, 3, 10}));
        const TImportCandidate* Shmuel = Named(Plan, "Shmuel Adler", TOccasionWhat::Birthday);
        ASSERT_NE(Shmuel, nullptr);
        EXPECT_EQ(Shmuel->Entry.Date, (TGregorianDate{1983, 12, 10}));
    }
}

TEST(ImportFixtures, CalendarAndFamilyTreeDetails)
{
    const TImportPlan Google = PlanImport(Fixture("google-yearly.ics"), {}, {});
    const TImportCandidate* Dana = Named(Google, "Dana", TOccasionWhat::Birthday);
    ASSERT_NE(Dana, nullptr);
    EXPECT_EQ(Dana->Entry.Kind, TRememberKind::Gregorian);
    EXPECT_EQ(Dana->Entry.Date, (TGregorianDate{1970, 3, 12}));
    const TImportCandidate* Moshe = Named(Google, "Grandpa Moshe", TOccasionWhat::Yahrzeit);
    ASSERT_NE(Moshe, nullptr);
    EXPECT_EQ(Moshe->Entry.Kind, TRememberKind::Jewish);
    ASSERT_NE(Named(Google, "Dentist", TOccasionWhat::Other), nullptr);
    EXPECT_EQ(Named(Google, "Dentist", TOccasionWhat::Other)->Entry.Kind, TRememberKind::Once);

    const TImportPlan Old = PlanImport(Fixture("family-551.ged"), {}, {});
    ASSERT_NE(Named(Old, "Moshe Levi", TOccasionWhat::Yahrzeit), nullptr);
    EXPECT_EQ(Named(Old, "Moshe Levi", TOccasionWhat::Yahrzeit)->Entry.JewishDate, (TJewishDate{5751, 9, 13}));
    ASSERT_NE(Named(Old, "Sarah Levi", TOccasionWhat::Birthday), nullptr);
    EXPECT_TRUE(Named(Old, "Sarah Levi", TOccasionWhat::Birthday)->Entry.AfterSunset);
    ASSERT_NE(Named(Old, "Rachel Levi", TOccasionWhat::Yahrzeit), nullptr);
    EXPECT_EQ(Named(Old, "Rachel Levi", TOccasionWhat::Yahrzeit)->Entry.JewishDate, (TJewishDate{5784, 13, 10}));
    const TImportPlan New = PlanImport(Fixture("family-70.ged"), {}, {});
    ASSERT_NE(Named(New, "Avraham Cohen", TOccasionWhat::Birthday), nullptr);
    EXPECT_EQ(Named(New, "Avraham Cohen", TOccasionWhat::Birthday)->Entry.JewishDate, (TJewishDate{5761, 7, 1}));
}

TEST(ImportFixtures, UndoRemovesExactlyWhatTheImportAdded)
{
    TTempFolder Folder;
    TRememberStore Store = TRememberStore::Open(Folder.Store());
    const std::int64_t Kept = Store.Add(SampleEntry("Mine"));
    const std::vector<std::int64_t> Ids =
        Store.AddAll(EntriesOf(PlanImport(Fixture("family-70.ged"), {}, Store.List())));
    ASSERT_EQ(Ids.size(), 4u);
    Store.Remove(Ids[1]);
    EXPECT_EQ(Store.RemoveAll(Ids), 3u);
    ASSERT_EQ(Store.List().size(), 1u);
    EXPECT_EQ(Store.List()[0].Id, Kept);
}

TEST(ImportFixtures, OneRefusedEntryAddsNone)
{
    TTempFolder Folder;
    TRememberStore Store = TRememberStore::Open(Folder.Store());
    TRememberEntry Bad = SampleEntry("");
    EXPECT_THROW(Store.AddAll({SampleEntry("A"), Bad}), ERememberStoreError);
    EXPECT_TRUE(Store.List().empty());
}

// Damaged and foreign files: a message, nothing added, and no hang.
TEST(ImportFixtures, DamagedFilesAreRefusedWithAReason)
{
    const std::string Calendar = Fixture("hebcal-yahrzeits.ics");
    std::string Long = "Name,Date\n";
    for (int Row = 0; Row < 100000; ++Row)
        Long += Row % 2 ? "Person " + std::to_string(Row) + ",1/1/" + std::to_string(1900 + Row % 100) + "\n"
                        : "\"unclosed,\n";
    Long += "\"cut";
    const struct {
        std::string Name;
        std::string Text;
    } Cases[] = {
        {"cut short", Calendar.substr(0, Calendar.size() / 2)},
        {"not UTF-8", "Name,Date\nJos\xE9,1/1/1970\n"},
        {"foreign", "\x89PNG\r\n\x1A\n"},
        {"empty", ""},
        {"gedcom without header", "0 @I1@ INDI\n1 NAME A\n"},
        {"100,000 lines", Long},
    };
    for (const auto& Case : Cases) {
        const TImportPlan Plan = PlanImport(Case.Text, {}, {});
        EXPECT_NE(Plan.Failure, "") << Case.Name;
        EXPECT_TRUE(Plan.Added.empty()) << Case.Name;
    }
}

TEST(ImportFixtures, AHundredThousandGoodLinesAreRead)
{
    std::string Long = "Name,Date\n";
    for (int Row = 0; Row < 100000; ++Row)
        Long += "Person " + std::to_string(Row) + ",1/1/" + std::to_string(1900 + Row % 100) + "\n";
    const TImportPlan Plan = PlanImport(Long, {}, {});
    EXPECT_EQ(Plan.Added.size(), 100000u);
}

}  // namespace
}  // namespace mirvane
