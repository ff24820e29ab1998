#include "cli/CommandOutput.h"

namespace mirvane {

void WriteCommandOutput(std::ostream& Out, const TCommandOutput& Output, TOutputFormat Format)
{
    switch (Format) {
    case TOutputFormat::Json:
        Out << Output.Json() << '\n';
        return;
    case TOutputFormat::Ics:
        Out << IcsCalendarText(Output.Events());
        return;
    case TOutputFormat::Text:
        if (Output.Text) {
            Output.Text(Out);
            return;
        }
        break;
    case TOutputFormat::Tsv:
    case TOutputFormat::Csv:
        break;
    }
    WriteTable(Out, Output.Table(), Format);
}

}  // namespace mirvane
