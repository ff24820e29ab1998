#pragma once

#include <string>
#include <string_view>

namespace mirvane {

// What a sync needs to know of a calendar object someone may have written.
struct TObjectFacts {
    std::string Uid;
    bool Ours = false;   // has X-MIRVANE-ENTRY or X-MIRVANE-SOURCE
    std::string Digest;  // X-MIRVANE-DIGEST, if any
};

// Reads the first VEVENT's UID and our marks from an RFC 5545 text, with
// its lines unfolded; any text at all is read without fault.
TObjectFacts ScanObject(std::string_view Text);

}  // namespace mirvane
