#pragma once

#include <stdexcept>

namespace mirvane {

// A value that cannot be turned into a date, or a Jewish month that does not
// exist in its year. The desktop program catches it at each handler's edge and
// shows its text in the error box; the objects involved keep their state.
class EConvertError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

inline constexpr const char* InvalidDateEncodeText = "Invalid argument to date encode";
inline constexpr const char* InvalidJewishMonthText = "Invalid Jewish Month";

}  // namespace mirvane
