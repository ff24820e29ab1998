#include <gtest/gtest.h>

#include "engine/JewishYear.h"
#include "pages/JewishDateEntry.h"
#include "pages/OccasionDateRefusal.h"

namespace mirvane {
namespace {

// 5731 and 5786 are common years, 5784 and 5787 leap years; Cheshvan has
// 29 days in 5786 and 30 in 5787.
TEST(JewishDateEntry, ReadsDayMonthNameAndYear)
{
    struct TCase {
        const char* Text;
        std::optional<TJewishDate> Read;
    };
    const TCase Cases[] = {
        {"3 Kislev 5731", TJewishDate{5731, Kislev, 3}},
        {"  3   KISLEV\t5731 ", TJewishDate{5731, Kislev, 3}},
        {"1 tishrei 5787", TJewishDate{5787, Tishrei, 1}},
        {"14 Adar 5786", TJewishDate{5786, Adar, 14}},
        {"14 Adar 5787", TJewishDate{5787, Adar, 14}},
        {"14 Adar1 5787", TJewishDate{5787, Adar, 14}},
        {"14 Adar 1 5787", TJewishDate{5787, Adar, 14}},
        {"14 adar i 5787", TJewishDate{5787, Adar, 14}},
        {"14 Adar2 5787", TJewishDate{5787, Adar2, 14}},
        {"14 Adar 2 5787", TJewishDate{5787, Adar2, 14}},
        {"14 Adar II 5787", TJewishDate{5787, Adar2, 14}},
        {"30 Cheshvan 5787", TJewishDate{5787, Cheshvan, 30}},
        {"9 Cheshvan 3763", TJewishDate{3763, Cheshvan, 9}},
        {"30 Cheshvan 5786", std::nullopt},
        {"14 Adar2 5786", std::nullopt},
        {"14 Adar II 5786", std::nullopt},
        {"14 Adar I 5786", std::nullopt},
        {"14 Adar III 5787", std::nullopt},
        {"1 Tishrei 3762", std::nullopt},
        {"8 Cheshvan 3763", std::nullopt},
        {"1 Tishrei 13776", std::nullopt},
        {"0 Nissan 5787", std::nullopt},
        {"31 Nissan 5787", std::nullopt},
        {"3 Kislev", std::nullopt},
        {"Kislev 3 5731", std::nullopt},
        {"3 Kislevv 5731", std::nullopt},
        {"3 Kislev 5731 extra", std::nullopt},
        {"3.5 Kislev 5731", std::nullopt},
        {"3 Kislev 99999999999999999999", std::nullopt},
        // In Hebrew letters, with the same limits.
        {"ג׳ כסלו תשל״א", TJewishDate{5731, Kislev, 3}},
        {"ל׳ חשון תשפ״ז", TJewishDate{5787, Cheshvan, 30}},
        {"ל׳ חשון תשפ״ו", std::nullopt},
        {"א׳ תשרי ג׳תשס״ב", std::nullopt},
        {"", std::nullopt},
        {"\xD7\x9B\xD7\xA1\xD7\x9C\xD7\x95", std::nullopt},
    };
    for (const TCase& Case : Cases)
        EXPECT_EQ(ParseJewishDateEntry(Case.Text), Case.Read) << Case.Text;
}

// Cheshvan has 30 days in 5760 and 29 in 5786, a common year.
TEST(JewishDateEntry, ARefusedOccasionDateNamesItsBoxAndWhy)
{
    using enum TDateBox;
    const std::string Missing = "The Jewish date does not exist: ";
    const struct { const char* Date; bool DateRead; const char* Jewish; std::optional<TDateRefusal> Refusal; } Cases[] = {
        {"", false, "31 Cheshvan 5760", TDateRefusal{Jewish, Missing + "Cheshvan has 30 days in 5760."}},
        {"1/12/70", true, "30 Cheshvan 5786", TDateRefusal{Jewish, Missing + "Cheshvan has 29 days in 5786."}},
        {"", false, "31 Adar 5787", TDateRefusal{Jewish, Missing + "Adar1 has 30 days in 5787."}},
        {"", false, "14 Adar I 5786", TDateRefusal{Jewish, Missing + "5786 is a common year, which has no Adar I."}},
        {"", false, "14 Adar2 5786", TDateRefusal{Jewish, Missing + "5786 is a common year, which has no Adar II."}},
        {"", false, "1 Tishrei 3762", TDateRefusal{Jewish, "The Jewish date lies outside the years the calendar can show."}},
        {"", false, "3 Kislev", TDateRefusal{Jewish, "The Jewish date is not a valid date, such as \"3 Kislev 5731\"."}},
        {"", false, "", TDateRefusal{Gregorian, "Enter the date of the occasion, or its Jewish date."}},
        {"31/2/2000", false, "", TDateRefusal{Gregorian, "The date is not a valid date."}},
        {"1/12/70", true, "", std::nullopt},
        {"1/12/70", true, "3 Kislev 5731", std::nullopt},
    };
    for (const auto& Case : Cases) {
        const std::optional<TDateRefusal> Refusal = OccasionDateRefusal(Case.Date, Case.DateRead, Case.Jewish);
        EXPECT_EQ(Refusal, Case.Refusal) << Case.Jewish << ": " << (Refusal ? Refusal->Message : "none");
        EXPECT_EQ(WhyNoJewishDay(Case.Jewish).empty(), ParseJewishDateEntry(Case.Jewish).has_value()) << Case.Jewish;
    }
}

}  // namespace
}  // namespace mirvane
