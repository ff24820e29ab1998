#pragma once

#include <stdexcept>

namespace mirvane {

// A request the calendar cannot answer: a date before its first day, a year
// it cannot set, a name that is no festival. Exit code 1.
class ECliFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Arguments that do not form a request, found after parsing. Exit code 2,
// with the command's usage.
class ECliUsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace mirvane
