#include "text/DecimalText.h"

#include <charconv>
#include <system_error>

namespace mirvane {
namespace {

bool IsBlank(char Character)
{
    return Character == ' ' || Character == '\t';
}

std::string_view Trimmed(std::string_view Text)
{
    while (!Text.empty() && IsBlank(Text.front()))
        Text.remove_prefix(1);
    while (!Text.empty() && IsBlank(Text.back()))
        Text.remove_suffix(1);
    return Text;
}

}  // namespace

std::optional<std::int32_t> ReadDecimal(std::string_view Text)
{
    Text = Trimmed(Text);
    // from_chars takes a minus sign but no plus sign, and no sign of either
    // kind may be followed by another.
    if (!Text.empty() && Text.front() == '+') {
        Text.remove_prefix(1);
        if (!Text.empty() && Text.front() == '-')
            return std::nullopt;
    }
    std::int32_t Value = 0;
    const char* const End = Text.data() + Text.size();
    const auto [Stop, Error] = std::from_chars(Text.data(), End, Value);
    if (Error != std::errc{} || Stop != End)
        return std::nullopt;
    return Value;
}

}  // namespace mirvane
