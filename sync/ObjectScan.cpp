#include "sync/ObjectScan.h"

#include <vector>

#include "sync/SyncEvent.h"

namespace mirvane {
namespace {

// RFC 5545 3.1: a line end followed by a blank or a tab continues the line.
std::vector<std::string> UnfoldedLines(std::string_view Text)
{
    std::vector<std::string> Lines;
    std::size_t At = 0;
    while (At < Text.size()) {
        std::size_t End = Text.find('\n', At);
        if (End == std::string_view::npos)
            End = Text.size();
        std::string_view Line = Text.substr(At, End - At);
        if (!Line.empty() && Line.back() == '\r')
            Line.remove_suffix(1);
        if (!Lines.empty() && !Line.empty() && (Line.front() == ' ' || Line.front() == '\t'))
            Lines.back().append(Line.substr(1));
        else
            Lines.emplace_back(Line);
        At = End + 1;
    }
    return Lines;
}

// The value of a property line named Name (any case, any parameters).
bool ValueOf(const std::string& Line, std::string_view Name, std::string& Value)
{
    if (Line.size() <= Name.size())
        return false;
    for (std::size_t At = 0; At < Name.size(); ++At)
        if ((Line[At] & ~0x20) != (Name[At] & ~0x20) && Line[At] != Name[At])
            return false;
    const char After = Line[Name.size()];
    if (After != ':' && After != ';')
        return false;
    const std::size_t Colon = Line.find(':', Name.size());
    if (Colon == std::string::npos)
        return false;
    Value = Line.substr(Colon + 1);
    return true;
}

}  // namespace

TObjectFacts ScanObject(std::string_view Text)
{
    TObjectFacts Facts;
    int Depth = 0;  // inside the first VEVENT, below its own components
    bool InEvent = false;
    for (const std::string& Line : UnfoldedLines(Text)) {
        std::string Value;
        if (ValueOf(Line, "BEGIN", Value)) {
            if (InEvent)
                ++Depth;
            else if (Value == "VEVENT" && Facts.Uid.empty())
                InEvent = true;
        } else if (ValueOf(Line, "END", Value)) {
            if (InEvent && Depth > 0)
                --Depth;
            else if (InEvent)
                break;
        } else if (InEvent && Depth == 0) {
            if (ValueOf(Line, "UID", Value))
                Facts.Uid = Value;
            else if (ValueOf(Line, EntryProperty, Value) || ValueOf(Line, SourceProperty, Value))
                Facts.Ours = true;
            else if (ValueOf(Line, DigestProperty, Value))
                Facts.Digest = Value;
        }
    }
    return Facts;
}

}  // namespace mirvane
