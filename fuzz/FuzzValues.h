#pragma once

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

#include <fuzzer/FuzzedDataProvider.h>

namespace mirvane::fuzz {

// Values drawn from the fuzzer's bytes. Each draw mixes the edges of the
// type, any value at all, and values inside the range the calendar knows, so
// that both refusals and the properties of accepted values are reached.
class TFuzzValues {
public:
    TFuzzValues(const std::uint8_t* Data, std::size_t Size)
        : Provider(Data, Size)
    {
    }

    FuzzedDataProvider& Bytes() { return Provider; }
    bool Empty() { return Provider.remaining_bytes() == 0; }

    // Any 32-bit integer, often one from Low to High.
    std::int32_t Integer(std::int32_t Low, std::int32_t High)
    {
        switch (Provider.ConsumeIntegralInRange<int>(0, 3)) {
        case 0:
            return Provider.PickValueInArray<std::int32_t>({std::numeric_limits<std::int32_t>::min(),
                                                            std::numeric_limits<std::int32_t>::min() + 1, -1, 0, 1,
                                                            std::numeric_limits<std::int32_t>::max() - 1,
                                                            std::numeric_limits<std::int32_t>::max()});
        case 1:
            return Provider.ConsumeIntegral<std::int32_t>();
        default:
            return Provider.ConsumeIntegralInRange<std::int32_t>(Low, High);
        }
    }

    // A Jewish year: any integer, or one from just below the calendar's
    // first year to just beyond its last.
    std::int32_t JewishYear() { return Integer(-2, 13800); }
    std::int32_t JewishMonth() { return Integer(-1, 14); }
    std::int32_t JewishDay() { return Integer(-40, 420); }

    // Any double: NaN, the infinities and other edges, any bit pattern, or
    // a day count of the calendar's range with or without a time of day.
    double DateValue()
    {
        switch (Provider.ConsumeIntegralInRange<int>(0, 3)) {
        case 0:
            return Provider.PickValueInArray<double>(
                {std::numeric_limits<double>::quiet_NaN(), -std::numeric_limits<double>::quiet_NaN(),
                 std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
                 std::numeric_limits<double>::max(), std::numeric_limits<double>::lowest(),
                 std::numeric_limits<double>::denorm_min(), -0.0, 1e15, -1e15, 1e15 + 1, 9.2e18, -9.3e18});
        case 1: {
            const std::uint64_t Bits = Provider.ConsumeIntegral<std::uint64_t>();
            double Value = 0;
            std::memcpy(&Value, &Bits, sizeof Value);
            return Value;
        }
        case 2:
            return static_cast<double>(Provider.ConsumeIntegralInRange<std::int32_t>(-700000, 4400000)) +
                   Provider.ConsumeProbability<double>();
        default:
            return static_cast<double>(Provider.ConsumeIntegralInRange<std::int32_t>(-700000, 4400000));
        }
    }

private:
    FuzzedDataProvider Provider;
};

}  // namespace mirvane::fuzz
