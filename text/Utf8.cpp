#include "text/Utf8.h"

#include <cstddef>

namespace mirvane {
namespace {

struct TSequenceStart {
    std::size_t Length = 0;  // 0: the byte cannot start a sequence
    char32_t Bits = 0;
    char32_t Smallest = 0;  // below this the sequence is overlong
};

TSequenceStart StartOf(unsigned char Byte)
{
    if (Byte < 0x80)
        return {1, Byte, 0};
    if ((Byte & 0xE0) == 0xC0)
        return {2, Byte & 0x1Fu, 0x80};
    if ((Byte & 0xF0) == 0xE0)
        return {3, Byte & 0x0Fu, 0x800};
    if ((Byte & 0xF8) == 0xF0)
        return {4, Byte & 0x07u, 0x10000};
    return {};
}

bool IsContinuation(unsigned char Byte)
{
    return (Byte & 0xC0) == 0x80;
}

bool IsScalarValue(char32_t CodePoint)
{
    return CodePoint <= 0x10FFFF && (CodePoint < 0xD800 || CodePoint > 0xDFFF);
}

// Decodes Text; Malformed counts the bytes read as replacements.
std::u32string Decode(std::string_view Text, std::size_t& Malformed)
{
    Malformed = 0;
    std::u32string CodePoints;
    CodePoints.reserve(Text.size());
    std::size_t Position = 0;
    while (Position < Text.size()) {
        const TSequenceStart Start = StartOf(static_cast<unsigned char>(Text[Position]));
        char32_t CodePoint = Start.Bits;
        std::size_t Length = Start.Length;
        bool WellFormed = Length != 0 && Position + Length <= Text.size();
        for (std::size_t Index = 1; WellFormed && Index < Length; ++Index) {
            const auto Byte = static_cast<unsigned char>(Text[Position + Index]);
            WellFormed = IsContinuation(Byte);
            CodePoint = (CodePoint << 6) | (Byte & 0x3Fu);
        }
        if (WellFormed && CodePoint >= Start.Smallest && IsScalarValue(CodePoint)) {
            CodePoints += CodePoint;
            Position += Length;
        } else {
            CodePoints += ReplacementCharacter;
            ++Malformed;
            ++Position;
        }
    }
    return CodePoints;
}

}  // namespace

std::u32string DecodeUtf8(std::string_view Text)
{
    std::size_t Malformed = 0;
    return Decode(Text, Malformed);
}

std::optional<std::u32string> DecodeStrictUtf8(std::string_view Text)
{
    std::size_t Malformed = 0;
    std::u32string CodePoints = Decode(Text, Malformed);
    if (Malformed != 0)
        return std::nullopt;
    return CodePoints;
}

}  // namespace mirvane
