#include "cli/UsageMessage.h"

#include <limits>
#include <string_view>

namespace mirvane {
namespace {

// The text after Prefix when Message begins with it.
bool After(std::string_view Message, std::string_view Prefix, std::string_view& Rest)
{
    if (!Message.starts_with(Prefix))
        return false;
    Rest = Message.substr(Prefix.size());
    return true;
}

std::string ConversionMessage(std::string_view Rest)
{
    // "NAME = VALUE": only whole numbers fail to convert, the other values being checked before.
    const std::size_t Equals = Rest.find(" = ");
    if (Equals == std::string_view::npos)
        return "a value could not be read: " + std::string(Rest);
    return std::string(Rest.substr(0, Equals)) + ": \"" + std::string(Rest.substr(Equals + 3)) +
           "\" is not a whole number from " + std::to_string(std::numeric_limits<int>::min()) + " to " +
           std::to_string(std::numeric_limits<int>::max());
}

}  // namespace

std::string UsageMessage(const CLI::App& App, const CLI::ParseError& Error)
{
    const std::string_view Message = Error.what();
    std::string_view Rest;
    if (After(Message, "Could not convert: ", Rest))
        return ConversionMessage(Rest);
    if (After(Message, "The following argument was not expected: ", Rest) ||
        After(Message, "The following arguments were not expected: ", Rest))
        return "unexpected argument: " + std::string(Rest);
    if (Message.starts_with("A subcommand is required") || Message.starts_with("Requires at least 1 subcommand")) {
        // A word that names no command is left over rather than refused by name.
        const std::vector<std::string> Left = App.remaining();
        return Left.empty() ? "no command given" : "\"" + Left.front() + "\" is not a command";
    }
    if (const std::size_t Required = Message.find(": 1 required "); Required != std::string_view::npos)
        return std::string(Message.substr(0, Required)) + " needs a value";
    return std::string(Message);
}

std::string UsageHint(const CLI::App& App)
{
    std::string Command = "mirvane-cli";
    for (const CLI::App* Chosen = &App;;) {
        const std::vector<const CLI::App*> Parsed = Chosen->get_subcommands([](const CLI::App* Sub) {
            return Sub->parsed();
        });
        if (Parsed.empty())
            break;
        Chosen = Parsed.front();
        Command += ' ' + Chosen->get_name();
    }
    return "See `" + Command + " --help`.";
}

}  // namespace mirvane
