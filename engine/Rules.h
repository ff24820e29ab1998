#pragma once

// Whose festival and portion rules a calculation follows. They differ in the
// second festival days the Diaspora keeps (Simchat Torah, the eighth day of
// Pessach, the second day of Shavuot) and in the portions read around them.

namespace mirvane {

enum class TRules : bool { Israel, Diaspora };

constexpr TRules RulesOf(bool InDiaspora)
{
    return InDiaspora ? TRules::Diaspora : TRules::Israel;
}

}  // namespace mirvane
