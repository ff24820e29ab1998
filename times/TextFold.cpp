#include "times/TextFold.h"

#include <array>

namespace mirvane {
namespace {

// U+00C0 to U+017F, one base letter each; '.' for the few that fold to two
// letters or to none.
constexpr std::string_view LatinBases =
    "aaaaaa.ceeeeiiiidnooooo.ouuuuy..aaaaaa.ceeeeiiiidnooooo.ouuuuy.y"
    "aaaaaaccccccccddddeeeeeeeeeegggggggghhhhiiiiiiiiii..jjkkklllllll"
    "lllnnnnnn.nnoooooo..rrrrrrssssssssttttttuuuuuuuuuuuuwwyyyzzzzzzs";
constexpr char32_t FirstLatin = 0xC0;

std::string_view TwoLetterBase(char32_t Code)
{
    switch (Code) {
    case U'Æ': case U'æ': return "ae";
    case U'Þ': case U'þ': return "th";
    case U'ß': return "ss";
    case U'Ĳ': case U'ĳ': return "ij";
    case U'Œ': case U'œ': return "oe";
    case U'ŉ': return "n";
    // Hebrew final letters, typed or not at a word's end.
    case U'ך': return "כ";
    case U'ם': return "מ";
    case U'ן': return "נ";
    case U'ף': return "פ";
    case U'ץ': return "צ";
    default: return {};
    }
}

// Accents typed apart from their letter, Hebrew vowel points and cantillation
// (not the maqaf, U+05BE), direction marks, typographic apostrophes.
bool LeftOut(char32_t Code)
{
    return (Code >= 0x300 && Code <= 0x36F) || (Code >= 0x591 && Code <= 0x5C7 && Code != 0x5BE) ||
           Code == 0x200E || Code == 0x200F || Code == U'’' || Code == U'‘' || Code == U'ʼ' || Code == U'ʻ';
}

bool SeparatesWords(char32_t Code)
{
    return Code == ' ' || Code == '-' || Code == ',' || Code == '\t' || Code == 0x5BE || Code == 0x2013 ||
           Code == 0xA0;
}

void AppendSpace(std::string& Folded)
{
    if (!Folded.empty() && Folded.back() != ' ')
        Folded += ' ';
}

// The two-byte sequences of U+0080 to U+07FF and the three-byte ones; a
// malformed sequence is kept byte for byte.
std::size_t SequenceLength(std::string_view Text, std::size_t At, char32_t& Code)
{
    const auto Byte = [&](std::size_t Offset) { return static_cast<unsigned char>(Text[At + Offset]); };
    const auto Continues = [&](std::size_t Offset) {
        return At + Offset < Text.size() && (Byte(Offset) & 0xC0) == 0x80;
    };
    if ((Byte(0) & 0xE0) == 0xC0 && Continues(1)) {
        Code = (char32_t{Byte(0)} & 0x1F) << 6 | (Byte(1) & 0x3F);
        return 2;
    }
    if ((Byte(0) & 0xF0) == 0xE0 && Continues(1) && Continues(2)) {
        Code = (char32_t{Byte(0)} & 0x0F) << 12 | (char32_t{Byte(1)} & 0x3F) << 6 | (Byte(2) & 0x3F);
        return 3;
    }
    Code = Byte(0);
    return 1;
}

}  // namespace

std::string FoldedText(std::string_view Text)
{
    std::string Folded;
    Folded.reserve(Text.size());
    for (std::size_t At = 0; At < Text.size();) {
        const char Character = Text[At];
        if (Character == '\'' || Character == '.' || Character == '`') {
            ++At;
            continue;
        }
        if (SeparatesWords(static_cast<unsigned char>(Character))) {
            AppendSpace(Folded);
            ++At;
            continue;
        }
        if (Character >= 'A' && Character <= 'Z') {
            Folded += static_cast<char>(Character - 'A' + 'a');
            ++At;
            continue;
        }
        if (static_cast<unsigned char>(Character) < 0x80) {
            Folded += Character;
            ++At;
            continue;
        }
        char32_t Code = 0;
        const std::size_t Length = SequenceLength(Text, At, Code);
        const std::size_t Index = Code - FirstLatin;
        if (Length > 1 && SeparatesWords(Code))
            AppendSpace(Folded);
        else if (Length > 1 && LeftOut(Code)) {
        }
        else if (Length > 1 && Code >= FirstLatin && Index < LatinBases.size() && LatinBases[Index] != '.')
            Folded += LatinBases[Index];
        else if (const std::string_view Base = TwoLetterBase(Code); Length > 1 && !Base.empty())
            Folded += Base;
        else
            Folded.append(Text.substr(At, Length));
        At += Length;
    }
    if (!Folded.empty() && Folded.back() == ' ')
        Folded.pop_back();
    return Folded;
}

}  // namespace mirvane
