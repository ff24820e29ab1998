#pragma once

#include <stdexcept>

namespace mirvane {

// A list that a file format cannot hold, such as a date after 9999 in a
// calendar file. Nothing of the file is written.
class EExportFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace mirvane
