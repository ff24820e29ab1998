#include "learning/TalmudTractates.h"

#include <array>

namespace mirvane {
namespace {

constexpr std::array<TTractatePages, 40> Babylonian{{
    {"Berachot", "ברכות", 2, 64},
    {"Shabbat", "שבת", 2, 157},
    {"Eruvin", "עירובין", 2, 105},
    {"Pesachim", "פסחים", 2, 121},
    {"Shekalim", "שקלים", 2, 22},
    {"Yoma", "יומא", 2, 88},
    {"Sukkah", "סוכה", 2, 56},
    {"Beitzah", "ביצה", 2, 40},
    {"Rosh Hashana", "ראש השנה", 2, 35},
    {"Taanit", "תענית", 2, 31},
    {"Megillah", "מגילה", 2, 32},
    {"Moed Katan", "מועד קטן", 2, 29},
    {"Chagigah", "חגיגה", 2, 27},
    {"Yevamot", "יבמות", 2, 122},
    {"Ketubot", "כתובות", 2, 112},
    {"Nedarim", "נדרים", 2, 91},
    {"Nazir", "נזיר", 2, 66},
    {"Sotah", "סוטה", 2, 49},
    {"Gitin", "גיטין", 2, 90},
    {"Kiddushin", "קידושין", 2, 82},
    {"Baba Kamma", "בבא קמא", 2, 119},
    {"Baba Metzia", "בבא מציעא", 2, 119},
    {"Baba Batra", "בבא בתרא", 2, 176},
    {"Sanhedrin", "סנהדרין", 2, 113},
    {"Makkot", "מכות", 2, 24},
    {"Shevuot", "שבועות", 2, 49},
    {"Avodah Zarah", "עבודה זרה", 2, 76},
    {"Horayot", "הוריות", 2, 14},
    {"Zevachim", "זבחים", 2, 120},
    {"Menachot", "מנחות", 2, 110},
    {"Chullin", "חולין", 2, 142},
    {"Bechorot", "בכורות", 2, 61},
    {"Arachin", "ערכין", 2, 34},
    {"Temurah", "תמורה", 2, 34},
    {"Keritot", "כריתות", 2, 28},
    {"Meilah", "מעילה", 2, 22},
    {"Kinnim", "קינים", 23, 25},
    {"Tamid", "תמיד", 26, 33},
    {"Midot", "מדות", 34, 37},
    {"Niddah", "נדה", 2, 73},
}};

}  // namespace

std::span<const TTractatePages> BabylonianTractates()
{
    return Babylonian;
}

}  // namespace mirvane
