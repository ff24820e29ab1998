#include "remember/RememberSort.h"

#include <algorithm>

#include "pages/Utf8.h"
#include "remember/NextDate.h"

namespace mirvane {
namespace {

char32_t Folded(char32_t CodePoint)
{
    return (CodePoint >= U'A' && CodePoint <= U'Z') ? CodePoint + (U'a' - U'A') : CodePoint;
}

bool IsDigit(char32_t CodePoint)
{
    return CodePoint >= U'0' && CodePoint <= U'9';
}

// Compares the digit runs starting at Left[L] and Right[R] by value and
// moves both positions past them.
int CompareNumbers(const std::u32string& Left, std::size_t& L, const std::u32string& Right, std::size_t& R)
{
    const auto Run = [](const std::u32string& Text, std::size_t& Position) {
        while (Position < Text.size() && Text[Position] == U'0')
            ++Position;
        const std::size_t Start = Position;
        while (Position < Text.size() && IsDigit(Text[Position]))
            ++Position;
        return std::u32string_view(Text).substr(Start, Position - Start);
    };
    const std::u32string_view LeftRun = Run(Left, L);
    const std::u32string_view RightRun = Run(Right, R);
    if (LeftRun.size() != RightRun.size())
        return LeftRun.size() < RightRun.size() ? -1 : 1;
    return LeftRun.compare(RightRun) < 0 ? -1 : (LeftRun == RightRun ? 0 : 1);
}

}  // namespace

int CompareOccasions(std::string_view LeftText, std::string_view RightText)
{
    const std::u32string Left = DecodeUtf8(LeftText);
    const std::u32string Right = DecodeUtf8(RightText);
    std::size_t L = 0;
    std::size_t R = 0;
    while (L < Left.size() && R < Right.size()) {
        if (IsDigit(Left[L]) && IsDigit(Right[R])) {
            if (const int Order = CompareNumbers(Left, L, Right, R); Order != 0)
                return Order;
            continue;
        }
        const char32_t A = Folded(Left[L++]);
        const char32_t B = Folded(Right[R++]);
        if (A != B)
            return A < B ? -1 : 1;
    }
    if (L < Left.size() || R < Right.size())
        return L < Left.size() ? 1 : -1;
    // Equal but for case or leading zeros: a fixed order all the same.
    return LeftText.compare(RightText) < 0 ? -1 : (LeftText == RightText ? 0 : 1);
}

std::vector<TRememberRow> RowsOf(std::vector<TRememberEntry> Entries, TDateTime Today, bool PlainAdarIsAdar2)
{
    std::vector<TRememberRow> Rows;
    Rows.reserve(Entries.size());
    for (TRememberEntry& Entry : Entries) {
        const std::optional<TDateTime> Next = NextDate(Entry, Today, PlainAdarIsAdar2);
        Rows.push_back({std::move(Entry), Next});
    }
    return Rows;
}

void SortRows(std::vector<TRememberRow>& Rows, TRememberSort Sort, const TOccasionCompare& Compare)
{
    const auto ByOccasion = [&](const TRememberRow& A, const TRememberRow& B) {
        const int Order = Compare(A.Entry.Occasion, B.Entry.Occasion);
        return Order != 0 ? Order < 0 : A.Entry.Id < B.Entry.Id;
    };
    if (Sort == TRememberSort::Occasion) {
        std::sort(Rows.begin(), Rows.end(), ByOccasion);
        return;
    }
    std::sort(Rows.begin(), Rows.end(), [&](const TRememberRow& A, const TRememberRow& B) {
        if (A.Next.has_value() != B.Next.has_value())
            return A.Next.has_value();
        if (A.Next && *A.Next != *B.Next)
            return *A.Next < *B.Next;
        return ByOccasion(A, B);
    });
}

}  // namespace mirvane
