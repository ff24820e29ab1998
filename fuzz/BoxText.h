#pragma once

#include <array>
#include <cstdint>
#include <string>

#include <fuzzer/FuzzedDataProvider.h>

namespace mirvane::fuzz {

// What a user may leave in an edit box: any bytes, or a number with blanks,
// signs, leading zeros, digits of other scripts, and numbers far beyond 32
// bits, sometimes thousands of characters long.
inline std::string BoxText(FuzzedDataProvider& Bytes)
{
    static constexpr std::array<const char*, 10> Pieces = {
        " ", "\t", "+", "-", "0", "\xD9\xA3" /* Arabic-Indic 3 */, "\xEF\xBC\x93" /* fullwidth 3 */,
        "\xE0\xA5\xA8" /* Devanagari 2 */, "\xC2\xA0" /* no-break space */, "e"};
    switch (Bytes.ConsumeIntegralInRange<int>(0, 3)) {
    case 0:
        return Bytes.ConsumeRandomLengthString(64);
    case 1: {
        std::string Text;
        const int Count = Bytes.ConsumeIntegralInRange<int>(0, 6);
        for (int Index = 0; Index < Count; ++Index) {
            if (Bytes.ConsumeBool())
                Text += Bytes.PickValueInArray(Pieces);
            else
                Text += std::to_string(Bytes.ConsumeIntegral<std::int64_t>());
        }
        return Text;
    }
    case 2:
        return std::string(Bytes.ConsumeIntegralInRange<std::size_t>(0, 10000),
                           Bytes.PickValueInArray<char>({'9', '1', '0', ' ', 'x', '/'}));
    default:
        return std::to_string(Bytes.ConsumeIntegralInRange<std::int64_t>(-5, 14000));
    }
}

}  // namespace mirvane::fuzz
