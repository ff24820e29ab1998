#include "remember/RememberSort.h"

#include <algorithm>

#include "engine/ConvertError.h"
#include "engine/DateConversion.h"
#include "remember/NextDate.h"
#include "text/Utf8.h"

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
template <typename TText>
int CompareNumbers(const TText& Left, std::size_t& L, const TText& Right, std::size_t& R)
{
    const auto Run = [](const TText& Text, std::size_t& Position) {
        while (Position < Text.size() && Text[Position] == '0')
            ++Position;
        const std::size_t Start = Position;
        while (Position < Text.size() && IsDigit(static_cast<char32_t>(Text[Position])))
            ++Position;
        return std::basic_string_view<typename TText::value_type>(Text).substr(Start, Position - Start);
    };
    const auto LeftRun = Run(Left, L);
    const auto RightRun = Run(Right, R);
    if (LeftRun.size() != RightRun.size())
        return LeftRun.size() < RightRun.size() ? -1 : 1;
    const int Order = LeftRun.compare(RightRun);
    return Order < 0 ? -1 : (Order > 0 ? 1 : 0);
}

// The order of two texts as characters (bytes of ASCII texts, or code
// points), before the tie-break.
template <typename TText>
int CompareCharacters(const TText& Left, const TText& Right)
{
    std::size_t L = 0;
    std::size_t R = 0;
    while (L < Left.size() && R < Right.size()) {
        if (IsDigit(static_cast<char32_t>(Left[L])) && IsDigit(static_cast<char32_t>(Right[R]))) {
            if (const int Order = CompareNumbers(Left, L, Right, R); Order != 0)
                return Order;
            continue;
        }
        const char32_t A = Folded(static_cast<char32_t>(Left[L++]));
        const char32_t B = Folded(static_cast<char32_t>(Right[R++]));
        if (A != B)
            return A < B ? -1 : 1;
    }
    if (L < Left.size() || R < Right.size())
        return L < Left.size() ? 1 : -1;
    return 0;
}

bool IsAscii(std::string_view Text)
{
    return std::all_of(Text.begin(), Text.end(), [](char Byte) { return static_cast<unsigned char>(Byte) < 0x80; });
}

}  // namespace

int CompareOccasions(std::string_view LeftText, std::string_view RightText)
{
    // Most names are ASCII, and long lists compare them often: their bytes
    // are their characters.
    const int Order = IsAscii(LeftText) && IsAscii(RightText)
                          ? CompareCharacters(LeftText, RightText)
                          : CompareCharacters(DecodeUtf8(LeftText), DecodeUtf8(RightText));
    if (Order != 0)
        return Order;
    // Equal but for case or leading zeros: a fixed order all the same.
    const int Bytes = LeftText.compare(RightText);
    return Bytes < 0 ? -1 : (Bytes > 0 ? 1 : 0);
}

std::vector<TRememberRow> RowsOf(std::vector<TRememberEntry> Entries, TDateTime Today, bool PlainAdarIsAdar2)
{
    std::vector<TRememberRow> Rows;
    Rows.reserve(Entries.size());
    for (TRememberEntry& Entry : Entries) {
        const std::optional<TDateTime> Next = NextDate(Entry, Today, PlainAdarIsAdar2);
        const bool ByBurial = Next && FallsByBurial(Entry, *Next, PlainAdarIsAdar2);
        std::vector<TDateTime> YearDates;
        if (Next && Entry.Kind == TRememberKind::Jewish && Entry.Adar == TAdarCustom::Both) {
            try {
                YearDates = DatesInJewishYear(Entry, DateTimeToJewish(*Next).Year, PlainAdarIsAdar2);
            } catch (const EConvertError&) {
                YearDates.clear();
            }
        }
        Rows.push_back({std::move(Entry), Next, ByBurial, std::move(YearDates)});
    }
    return Rows;
}

void SortRows(std::vector<TRememberRow>& Rows, TRememberSort Sort, const TOccasionCompare& Compare)
{
    // The rows are large; their places are sorted, then each row moves once.
    std::vector<TRememberRow*> Order;
    Order.reserve(Rows.size());
    for (TRememberRow& Row : Rows)
        Order.push_back(&Row);
    const auto ByOccasion = [&](const TRememberRow* A, const TRememberRow* B) {
        const int Result = Compare(A->Entry.Occasion, B->Entry.Occasion);
        return Result != 0 ? Result < 0 : A->Entry.Id < B->Entry.Id;
    };
    if (Sort == TRememberSort::Occasion) {
        std::sort(Order.begin(), Order.end(), ByOccasion);
    } else {
        std::sort(Order.begin(), Order.end(), [&](const TRememberRow* A, const TRememberRow* B) {
            if (A->Next.has_value() != B->Next.has_value())
                return A->Next.has_value();
            if (A->Next && *A->Next != *B->Next)
                return *A->Next < *B->Next;
            return ByOccasion(A, B);
        });
    }
    std::vector<TRememberRow> Sorted;
    Sorted.reserve(Rows.size());
    for (TRememberRow* Row : Order)
        Sorted.push_back(std::move(*Row));
    Rows = std::move(Sorted);
}

}  // namespace mirvane
