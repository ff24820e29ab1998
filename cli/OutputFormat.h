#pragma once

#include <map>
#include <string>

namespace mirvane {

enum class TOutputFormat { Text, Tsv, Csv, Json, Ics };

// The names of --format, for the argument parser.
const std::map<std::string, TOutputFormat>& OutputFormatNames();

}  // namespace mirvane
