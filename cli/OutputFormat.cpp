#include "cli/OutputFormat.h"

namespace mirvane {

const std::map<std::string, TOutputFormat>& OutputFormatNames()
{
    static const std::map<std::string, TOutputFormat> Names{{"text", TOutputFormat::Text},
                                                            {"tsv", TOutputFormat::Tsv},
                                                            {"csv", TOutputFormat::Csv},
                                                            {"json", TOutputFormat::Json},
                                                            {"ics", TOutputFormat::Ics}};
    return Names;
}

}  // namespace mirvane
