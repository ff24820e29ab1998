#pragma once

#include <cstdint>
#include <ostream>
#include <vector>

#include "cli/OutputFormat.h"
#include "import/ImportPlan.h"

namespace mirvane {

// `remember import`: what was added (or, with Ids empty, would be) and what
// was skipped and why. Text is one line each, "+ " an added entry and "- " a
// skipped one; json {"format", "added": [...], "skipped": [...]}.
void WriteImportPlan(std::ostream& Out, const TImportPlan& Plan, const std::vector<std::int64_t>& Ids,
                     TOutputFormat Format);

}  // namespace mirvane
