#include <gtest/gtest.h>

#include "remember/RememberEntry.h"
#include "tests/remember/TempFolder.h"

namespace mirvane {
namespace {

std::string Repeated(std::string_view Piece, int Count)
{
    std::string Text;
    for (int Index = 0; Index < Count; ++Index)
        Text += Piece;
    return Text;
}

TEST(RememberEntry, OccasionsAreTrimmedAndCountedInCharacters)
{
    struct TCase {
        std::string Typed;
        std::optional<std::string> Stored;
    };
    const TCase Cases[] = {
        {"  Grandma's yahrtzeit  ", "Grandma's yahrtzeit"},
        {"\xD7\xA9\xD7\xA8\xD7\x94\xE2\x80\x8F \xF0\x9F\x8E\x82", "\xD7\xA9\xD7\xA8\xD7\x94\xE2\x80\x8F \xF0\x9F\x8E\x82"},
        {"'); DROP TABLE dates; --", "'); DROP TABLE dates; --"},
        {Repeated("\xC3\xA9", 100), Repeated("\xC3\xA9", 100)},
        {" " + Repeated("a", 100) + " ", Repeated("a", 100)},
        {Repeated("a", 101), std::nullopt},
        {Repeated("\xF0\x9F\x8E\x82", 101), std::nullopt},
        {"", std::nullopt},
        {"     ", std::nullopt},
        {"tab\there", std::nullopt},
        {"line\nbreak", std::nullopt},
        {"del\x7F", std::nullopt},
        {"c1\xC2\x85", std::nullopt},
        {"bad \xFF byte", std::nullopt},
        {"cut \xE2\x82", std::nullopt},
    };
    for (const TCase& Case : Cases) {
        std::string Message;
        EXPECT_EQ(CheckedOccasion(Case.Typed, Message), Case.Stored) << Case.Typed;
        EXPECT_EQ(Message.empty(), Case.Stored.has_value()) << Case.Typed;
        if (!Case.Stored) {
            EXPECT_NE(Message.find("name of the occasion"), std::string::npos) << Message;
        }
    }
}

TEST(RememberEntry, ProblemsNameTheField)
{
    struct TCase {
        const char* Title;
        void (*Spoil)(TRememberEntry&);
        const char* Field;
    };
    const TCase Cases[] = {
        {"name with blanks left", [](TRememberEntry& E) { E.Occasion = " x"; }, "name of the occasion"},
        {"31 April", [](TRememberEntry& E) { E.Date = {2020, 4, 31}; }, "date"},
        {"year 1", [](TRememberEntry& E) { E.Date = {1, 1, 1}; }, "date"},
        {"Adar II in a common year", [](TRememberEntry& E) { E.JewishDate = {5786, 13, 1}; }, "Jewish date"},
        {"30 Cheshvan with 29", [](TRememberEntry& E) { E.JewishDate = {5786, 8, 30}; }, "Jewish date"},
        {"year 3762", [](TRememberEntry& E) { E.JewishDate = {3762, 7, 1}; }, "Jewish date"},
        {"366 days", [](TRememberEntry& E) { E.DaysBefore = 366; }, "days before"},
        {"-1 days", [](TRememberEntry& E) { E.DaysBefore = -1; }, "days before"},
    };
    EXPECT_EQ(EntryProblem(SampleEntry("ok")), "");
    for (const TCase& Case : Cases) {
        TRememberEntry Entry = SampleEntry("ok");
        Case.Spoil(Entry);
        EXPECT_NE(EntryProblem(Entry).find(Case.Field), std::string::npos) << Case.Title << ": " << EntryProblem(Entry);
    }
}

TEST(RememberEntry, KindNamesReadBack)
{
    for (const TRememberKind Kind : {TRememberKind::Jewish, TRememberKind::Gregorian, TRememberKind::Once})
        EXPECT_EQ(KindFromName(KindName(Kind)), Kind);
    EXPECT_EQ(KindFromName("Jewish"), std::nullopt);
    EXPECT_EQ(KindFromName(""), std::nullopt);
}

}  // namespace
}  // namespace mirvane
