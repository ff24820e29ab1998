#include <gtest/gtest.h>

#include "remember/RememberSort.h"

namespace mirvane {
namespace {

TRememberRow Row(std::int64_t Id, std::string Occasion, std::optional<TDateTime> Next)
{
    TRememberRow Result;
    Result.Entry.Id = Id;
    Result.Entry.Occasion = std::move(Occasion);
    Result.Next = Next;
    return Result;
}

std::vector<std::string> Occasions(const std::vector<TRememberRow>& Rows)
{
    std::vector<std::string> Names;
    for (const TRememberRow& Each : Rows)
        Names.push_back(Each.Entry.Occasion);
    return Names;
}

using Strings = std::vector<std::string>;

TEST(RememberSort, OccasionsIgnoreCaseAndReadNumbersAsNumbers)
{
    std::vector<TRememberRow> Rows = {Row(1, "day 10", 1), Row(2, "Day 2", 1), Row(3, "\xC3\x85ngstr\xC3\xB6m", 1),
                                      Row(4, "banana", 1), Row(5, "Apple", 1), Row(6, "apple", 1),
                                      Row(7, "Day 02", 1)};
    SortRows(Rows, TRememberSort::Occasion);
    EXPECT_EQ(Occasions(Rows),
              (Strings{"Apple", "apple", "banana", "Day 02", "Day 2", "day 10", "\xC3\x85ngstr\xC3\xB6m"}));
    EXPECT_LT(CompareOccasions("a9", "a10"), 0);
    EXPECT_GT(CompareOccasions("a", ""), 0);
    EXPECT_EQ(CompareOccasions("same", "same"), 0);
}

TEST(RememberSort, ByDateSoonestFirstThenOccasionAndNoDateLast)
{
    std::vector<TRememberRow> Rows = {Row(1, "past once", std::nullopt), Row(2, "b", 20), Row(3, "a", 20),
                                      Row(4, "later", 30), Row(5, "soon", 10), Row(6, "another past", std::nullopt)};
    SortRows(Rows, TRememberSort::NextDate);
    EXPECT_EQ(Occasions(Rows), (Strings{"soon", "a", "b", "later", "another past", "past once"}));
}

TEST(RememberSort, TheWindowsCollationDecidesTheOccasionOrder)
{
    std::vector<TRememberRow> Rows = {Row(1, "a", 1), Row(2, "c", 1), Row(3, "b", 1)};
    const TOccasionCompare Reversed = [](std::string_view A, std::string_view B) { return B.compare(A); };
    SortRows(Rows, TRememberSort::Occasion, Reversed);
    EXPECT_EQ(Occasions(Rows), (Strings{"c", "b", "a"}));
}

}  // namespace
}  // namespace mirvane
