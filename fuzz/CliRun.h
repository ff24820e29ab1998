#pragma once

// mirvane-cli's argument handling run in process, and what it promises for
// each exit code.

#include <sstream>
#include <string>
#include <vector>

#include "cli/CommandLine.h"
#include "engine/JewishYear.h"
#include "fuzz/FuzzCheck.h"

namespace mirvane::fuzz {

inline std::string Quoted(const std::vector<std::string>& Arguments)
{
    std::string Text;
    for (const std::string& Argument : Arguments)
        Text += " '" + Argument + "'";
    return Text;
}

inline bool OnlyIndentedAfterFirstLine(const std::string& Text)
{
    for (std::size_t Line = Text.find('\n'); Line != std::string::npos && Line + 1 < Text.size();
         Line = Text.find('\n', Line + 1)) {
        if (Text.compare(Line + 1, 2, "  ") != 0)
            return false;
    }
    return true;
}

inline std::size_t LineCount(const std::string& Text)
{
    std::size_t Lines = 0;
    for (const char Character : Text)
        Lines += Character == '\n' ? 1 : 0;
    return Lines;
}

// Code is 0, 1 or 2: done, and nothing on standard error; a request the
// calendar cannot answer, with one message and nothing printed; a usage
// error, with a message and the usage and nothing printed.
inline void RequireCliPromises(int Code, const std::vector<std::string>& Arguments, const std::string& Printed,
                               const std::string& Reported)
{
    const auto Require = [&](bool Holds, const char* What) {
        if (!Holds)
            Fail(std::string(What) + "; exit " + std::to_string(Code) + " for" + Quoted(Arguments) +
                 "\nstandard error: " + Reported.substr(0, 2000) + "\nstandard output: " + Printed.substr(0, 500));
    };
    switch (Code) {
    case 0:
        Require(Reported.empty(), "a request done reports nothing on standard error");
        break;
    case 1:
        Require(Printed.empty(), "a request the calendar cannot answer prints nothing");
        // One message; for a name that is no festival it lists the names.
        Require(LineCount(Reported) >= 1 && Reported.rfind("mirvane-cli: ", 0) == 0 &&
                    OnlyIndentedAfterFirstLine(Reported),
                "a request the calendar cannot answer gets one message");
        break;
    case 2:
        Require(Printed.empty(), "a usage error prints nothing");
        Require(Reported.rfind("mirvane-cli: ", 0) == 0 && LineCount(Reported) > 1,
                "a usage error gets a message and the usage");
        break;
    default:
        Fail("exit code " + std::to_string(Code));
    }
}

struct TCliOutcome {
    int Code = 0;
    std::string Printed;
};

// Runs the command line on Arguments (the program's name first), from the
// rules the program starts with, and checks its promises.
inline TCliOutcome RunCliChecked(const std::vector<std::string>& Arguments)
{
    std::vector<const char*> Vector;
    for (const std::string& Text : Arguments)
        Vector.push_back(Text.c_str());
    Vector.push_back(nullptr);
    std::ostringstream Out;
    std::ostringstream Err;
    const int Code = RunCommandLine(static_cast<int>(Arguments.size()), Vector.data(), Out, Err);
    RequireCliPromises(Code, Arguments, Out.str(), Err.str());
    return {Code, Out.str()};
}

}  // namespace mirvane::fuzz
