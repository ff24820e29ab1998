#include "cli/JsonText.h"

#include <cstdio>

namespace mirvane {

std::string JsonString(std::string_view Text)
{
    std::string Quoted = "\"";
    for (const char Character : Text) {
        switch (Character) {
        case '"':
            Quoted += "\\\"";
            break;
        case '\\':
            Quoted += "\\\\";
            break;
        case '\n':
            Quoted += "\\n";
            break;
        case '\r':
            Quoted += "\\r";
            break;
        case '\t':
            Quoted += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(Character) < 0x20) {
                char Escape[8];
                std::snprintf(Escape, sizeof Escape, "\\u%04x", static_cast<unsigned>(Character));
                Quoted += Escape;
            } else {
                Quoted += Character;
            }
        }
    }
    return Quoted + '"';
}

std::string JsonObject(const TJsonMembers& Members)
{
    std::string Object = "{";
    for (const auto& [Name, Value] : Members) {
        if (Object.size() > 1)
            Object += ", ";
        Object += JsonString(Name);
        Object += ": ";
        Object += Value;
    }
    return Object + '}';
}

std::string JsonArray(const std::vector<std::string>& Elements)
{
    std::string Array = "[";
    for (const std::string& Element : Elements) {
        if (Array.size() > 1)
            Array += ", ";
        Array += Element;
    }
    return Array + ']';
}

}  // namespace mirvane
