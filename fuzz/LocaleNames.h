#pragma once

#include <array>
#include <cstddef>

#include "pages/DateEntry.h"

namespace mirvane::fuzz {

// Month names of a few locales as the platform gives them: Latin letters
// with accents (French, Czech, whose names begin with letters English lacks)
// and other scripts (Russian, Greek). Entry 0 stands for no locale names.
inline const std::array<TLocaleMonthNames, 5>& LocaleNameSets()
{
    static const std::array<TLocaleMonthNames, 5> Sets = {
        TLocaleMonthNames{},
        TLocaleMonthNames{{"janv.", "févr.", "mars", "avr.", "mai", "juin", "juil.", "août", "sept.", "oct.", "nov.",
                           "déc."},
                          {"janvier", "février", "mars", "avril", "mai", "juin", "juillet", "août", "septembre",
                           "octobre", "novembre", "décembre"}},
        TLocaleMonthNames{{"led", "úno", "bře", "dub", "kvě", "čvn", "čvc", "srp", "zář", "říj", "lis", "pro"},
                          {"leden", "únor", "březen", "duben", "květen", "červen", "červenec", "srpen", "září", "říjen",
                           "listopad", "prosinec"}},
        TLocaleMonthNames{{"янв.", "февр.", "мар.", "апр.", "мая", "июн.", "июл.", "авг.", "сент.", "окт.", "нояб.",
                           "дек."},
                          {"января", "февраля", "марта", "апреля", "мая", "июня", "июля", "августа", "сентября",
                           "октября", "ноября", "декабря"}},
        TLocaleMonthNames{{"Ιαν", "Φεβ", "Μαρ", "Απρ", "Μαΐ", "Ιουν", "Ιουλ", "Αυγ", "Σεπ", "Οκτ", "Νοε", "Δεκ"},
                          {"Ιανουαρίου", "Φεβρουαρίου", "Μαρτίου", "Απριλίου", "Μαΐου", "Ιουνίου", "Ιουλίου",
                           "Αυγούστου", "Σεπτεμβρίου", "Οκτωβρίου", "Νοεμβρίου", "Δεκεμβρίου"}},
    };
    return Sets;
}

}  // namespace mirvane::fuzz
