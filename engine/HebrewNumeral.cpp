// Numbers and years in Hebrew letters.
#include "engine/HebrewNumeral.h"

#include <array>
#include <string_view>

namespace mirvane {
namespace {

constexpr std::string_view Geresh = "\u05F3";
constexpr std::string_view Gershayim = "\u05F4";

struct TLetter {
    std::int64_t Value;
    std::string_view Text;
};

// Largest value first; ת stands for 400 and repeats for larger hundreds.
constexpr std::array<TLetter, 22> Letters = {{
    {400, "ת"}, {300, "ש"}, {200, "ר"}, {100, "ק"}, {90, "צ"}, {80, "פ"}, {70, "ע"}, {60, "ס"},
    {50, "נ"},  {40, "מ"},  {30, "ל"},  {20, "כ"},  {10, "י"}, {9, "ט"},  {8, "ח"},  {7, "ז"},
    {6, "ו"},   {5, "ה"},   {4, "ד"},   {3, "ג"},   {2, "ב"},  {1, "א"},
}};

// The letters of 1..999 (at most ת ת ק צ ט), each as its own piece so that
// the mark can go before the last one. Kept in place: numerals are written
// for every line of long listings.
struct TPieces {
    std::array<std::string_view, 8> Items{};
    std::size_t Count = 0;
    void push_back(std::string_view Piece) { Items[Count++] = Piece; }
    std::size_t size() const { return Count; }
    std::string_view operator[](std::size_t Index) const { return Items[Index]; }
    const std::string_view* begin() const { return Items.data(); }
    const std::string_view* end() const { return Items.data() + Count; }
};

TPieces LettersOf(std::int64_t Value)
{
    TPieces Pieces;
    // י״ה and י״ו would spell a divine name, so 15 and 16 are 9+6 and 9+7.
    const std::int64_t Tens = Value % 100;
    const bool Avoided = Tens == 15 || Tens == 16;
    std::int64_t Rest = Avoided ? Value - Tens : Value;
    for (const TLetter& Letter : Letters) {
        while (Rest >= Letter.Value) {
            Pieces.push_back(Letter.Text);
            Rest -= Letter.Value;
        }
    }
    if (Avoided) {
        Pieces.push_back("ט");
        Pieces.push_back(Tens == 15 ? "ו" : "ז");
    }
    return Pieces;
}

std::string NumeralOf(std::int64_t Value)
{
    const TPieces Pieces = LettersOf(Value);
    std::string Text;
    Text.reserve(16);
    for (std::size_t Index = 0; Index < Pieces.size(); ++Index) {
        if (Index + 1 == Pieces.size() && Index > 0)
            Text += Gershayim;
        Text += Pieces[Index];
    }
    if (Pieces.size() == 1)
        Text += Geresh;
    return Text;
}

}  // namespace

// Every numeral is made once, on first use: long listings write one or two
// on every line.
std::string HebrewNumeral(std::int64_t Value)
{
    static const std::array<std::string, 1000> Numerals = [] {
        std::array<std::string, 1000> Made;
        for (std::size_t Index = 1; Index < Made.size(); ++Index)
            Made[Index] = NumeralOf(static_cast<std::int64_t>(Index));
        return Made;
    }();
    if (Value < 1 || Value > 999)
        return {};
    return Numerals[static_cast<std::size_t>(Value)];
}

std::string HebrewYearNumeral(std::int64_t Year)
{
    const std::int64_t Thousands = Year / 1000;
    const std::int64_t Units = Year % 1000;
    if (Year < 1 || Thousands > 999)
        return {};
    if (Thousands == 5 && Units != 0)
        return HebrewNumeral(Units);
    if (Units == 0)
        return HebrewNumeral(Thousands) + " אלפים";
    std::string Text;
    for (const std::string_view Letter : LettersOf(Thousands))
        Text += Letter;
    if (!Text.empty())
        Text += Geresh;
    return Text + HebrewNumeral(Units);
}

}  // namespace mirvane
