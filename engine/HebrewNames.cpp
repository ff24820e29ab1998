#include "engine/HebrewNames.h"

namespace mirvane {

const std::array<std::string_view, FestivalCount> HebrewFestivalNames = {
    "ערב ראש השנה",  "ראש השנה א׳",  "ראש השנה ב׳",  "צום גדליה",    "צום גדליה",
    "ערב יום כיפור", "יום כיפור",     "ערב סוכות",    "סוכות א׳",     "סוכות ב׳",
    "סוכות ג׳",      "סוכות ד׳",      "סוכות ה׳",     "סוכות ו׳",     "הושענא רבה",
    "שמיני עצרת",    "שמחת תורה",     "ערב חנוכה",    "חנוכה א׳",     "חנוכה ב׳",
    "חנוכה ג׳",      "חנוכה ד׳",      "חנוכה ה׳",     "חנוכה ו׳",     "חנוכה ו׳",
    "חנוכה ז׳",      "חנוכה ז׳",      "חנוכה ח׳",     "חנוכה ח׳",     "עשרה בטבת",
    "ט״ו בשבט",      "תענית אסתר",    "תענית אסתר",   "תענית אסתר",   "תענית אסתר",
    "פורים קטן",     "פורים",         "פורים",        "שושן פורים",   "שושן פורים",
    "ערב פסח",       "פסח א׳",        "פסח ב׳",       "פסח ג׳",       "פסח ד׳",
    "פסח ה׳",        "פסח ו׳",        "פסח ז׳",       "פסח ח׳",       "ל״ג בעומר",
    "ערב שבועות",    "שבועות א׳",     "שבועות ב׳",    "י״ז בתמוז",    "י״ז בתמוז",
    "תשעה באב",      "תשעה באב",
};

// Multi-word names keep their blank; the grid joins two portions read on one
// Saturday with a hyphen, as they are usually written.
const std::array<std::string_view, PortionCount> HebrewPortionNames = {
    "",        "וילך",    "האזינו",  "בראשית",  "נח",      "לך לך",   "וירא",
    "חיי שרה", "תולדות",  "ויצא",    "וישלח",   "וישב",    "מקץ",     "ויגש",
    "ויחי",    "שמות",    "וארא",    "בא",      "בשלח",    "יתרו",    "משפטים",
    "תרומה",   "תצוה",    "כי תשא",  "ויקהל",   "פקודי",   "ויקרא",   "צו",
    "שמיני",   "תזריע",   "מצורע",   "אחרי מות", "קדושים", "אמור",    "בהר",
    "בחקותי",  "במדבר",   "נשא",     "בהעלתך",  "שלח",     "קרח",     "חקת",
    "בלק",     "פינחס",   "מטות",    "מסעי",    "דברים",   "ואתחנן",  "עקב",
    "ראה",     "שופטים",  "כי תצא",  "כי תבוא", "נצבים",   "וילך",
};

std::string_view HebrewFestivalName(std::string_view English)
{
    for (std::size_t Index = 0; Index < Festivals.size(); ++Index) {
        if (Festivals[Index].Name == English)
            return HebrewFestivalNames[Index];
    }
    return {};
}

std::string_view EnglishFestivalName(std::string_view Name)
{
    for (std::size_t Index = 0; Index < Festivals.size(); ++Index) {
        if (Festivals[Index].Name == Name || HebrewFestivalNames[Index] == Name)
            return Festivals[Index].Name;
    }
    return {};
}

}  // namespace mirvane
