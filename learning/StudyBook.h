#pragma once

#include <string_view>

namespace mirvane {

// A book as a cycle walks it: its pages or chapters from First to Last. The
// small tractates printed after Meilah go on with its page numbers.
struct TStudyBook {
    std::string_view English;
    std::string_view Hebrew;
    int First = 1;
    int Last = 1;
};

}  // namespace mirvane
