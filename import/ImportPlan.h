#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "import/ImportChoices.h"
#include "import/ImportShape.h"
#include "remember/RememberEntry.h"

namespace mirvane {

// The largest file read, so that a wrong choice of file gets a message
// rather than a long wait.
inline constexpr std::uintmax_t MaxImportBytes = 64 * 1024 * 1024;

struct TImportSkip {
    std::string Occasion;
    std::string Place;
    std::string Reason;
};

// What an import would do: nothing is written until it is applied.
struct TImportPlan {
    std::optional<TImportFormat> Format;
    std::vector<TImportCandidate> Added;
    std::vector<TImportSkip> Skipped;
    // Why the file cannot be read; then nothing is added or skipped.
    std::string Failure;
};

// The format the content shows: a calendar begins BEGIN:VCALENDAR, a GEDCOM
// file "0 HEAD", a table has a first line with separators. Nothing for
// anything else, or text that is not UTF-8.
std::optional<TImportFormat> DetectImportFormat(std::string_view Text);
std::string_view ImportFormatName(TImportFormat Format);

// Reads Text as the chosen or detected format and sets aside what cannot be
// added: already in Existing (same name, date and kind) or earlier in the
// file, no date, a day that does not exist, a name the list refuses.
TImportPlan PlanImport(std::string_view Text, const TImportChoices& Choices,
                       const std::vector<TRememberEntry>& Existing);

// The file's whole text, or Failure set when it cannot be read or is larger
// than MaxImportBytes.
std::string ReadImportFile(const std::filesystem::path& File, std::string& Failure);

}  // namespace mirvane
