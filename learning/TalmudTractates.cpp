#include "learning/TalmudTractates.h"

#include <array>

namespace mirvane {
namespace {

constexpr std::array<TStudyBook, 40> Babylonian{{
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

constexpr std::array<TStudyBook, 39> YerushalmiVilna{{
    {"Berakhot", "ברכות", 1, 68},
    {"Peah", "פאה", 1, 37},
    {"Demai", "דמאי", 1, 34},
    {"Kilayim", "כלאים", 1, 44},
    {"Sheviit", "שביעית", 1, 31},
    {"Terumot", "תרומות", 1, 59},
    {"Maasrot", "מעשרות", 1, 26},
    {"Maaser Sheni", "מעשר שני", 1, 33},
    {"Challah", "חלה", 1, 28},
    {"Orlah", "ערלה", 1, 20},
    {"Bikkurim", "ביכורים", 1, 13},
    {"Shabbat", "שבת", 1, 92},
    {"Eruvin", "עירובין", 1, 65},
    {"Pesachim", "פסחים", 1, 71},
    {"Beitzah", "ביצה", 1, 22},
    {"Rosh Hashanah", "ראש השנה", 1, 22},
    {"Yoma", "יומא", 1, 42},
    {"Sukkah", "סוכה", 1, 26},
    {"Taanit", "תענית", 1, 26},
    {"Shekalim", "שקלים", 1, 33},
    {"Megillah", "מגילה", 1, 34},
    {"Chagigah", "חגיגה", 1, 22},
    {"Moed Katan", "מועד קטן", 1, 19},
    {"Yevamot", "יבמות", 1, 85},
    {"Ketubot", "כתובות", 1, 72},
    {"Sotah", "סוטה", 1, 47},
    {"Nedarim", "נדרים", 1, 40},
    {"Nazir", "נזיר", 1, 47},
    {"Gittin", "גיטין", 1, 54},
    {"Kiddushin", "קידושין", 1, 48},
    {"Bava Kamma", "בבא קמא", 1, 44},
    {"Bava Metzia", "בבא מציעא", 1, 37},
    {"Bava Batra", "בבא בתרא", 1, 34},
    {"Shevuot", "שבועות", 1, 44},
    {"Makkot", "מכות", 1, 9},
    {"Sanhedrin", "סנהדרין", 1, 57},
    {"Avodah Zarah", "עבודה זרה", 1, 37},
    {"Horayot", "הוריות", 1, 19},
    {"Niddah", "נדה", 1, 13},
}};

constexpr std::array<TStudyBook, 39> YerushalmiSchottenstein{{
    {"Berakhot", "ברכות", 1, 94},
    {"Peah", "פאה", 1, 73},
    {"Demai", "דמאי", 1, 77},
    {"Kilayim", "כלאים", 1, 84},
    {"Sheviit", "שביעית", 1, 87},
    {"Terumot", "תרומות", 1, 107},
    {"Maasrot", "מעשרות", 1, 46},
    {"Maaser Sheni", "מעשר שני", 1, 59},
    {"Challah", "חלה", 1, 49},
    {"Orlah", "ערלה", 1, 42},
    {"Bikkurim", "ביכורים", 1, 26},
    {"Shabbat", "שבת", 1, 113},
    {"Eruvin", "עירובין", 1, 71},
    {"Pesachim", "פסחים", 1, 86},
    {"Shekalim", "שקלים", 1, 61},
    {"Yoma", "יומא", 1, 57},
    {"Sukkah", "סוכה", 1, 33},
    {"Beitzah", "ביצה", 1, 49},
    {"Rosh Hashanah", "ראש השנה", 1, 27},
    {"Taanit", "תענית", 1, 31},
    {"Megillah", "מגילה", 1, 41},
    {"Chagigah", "חגיגה", 1, 28},
    {"Moed Katan", "מועד קטן", 1, 23},
    {"Yevamot", "יבמות", 1, 88},
    {"Ketubot", "כתובות", 1, 77},
    {"Nedarim", "נדרים", 1, 42},
    {"Nazir", "נזיר", 1, 53},
    {"Sotah", "סוטה", 1, 52},
    {"Gittin", "גיטין", 1, 53},
    {"Kiddushin", "קידושין", 1, 53},
    {"Bava Kamma", "בבא קמא", 1, 40},
    {"Bava Metzia", "בבא מציעא", 1, 35},
    {"Bava Batra", "בבא בתרא", 1, 39},
    {"Sanhedrin", "סנהדרין", 1, 75},
    {"Shevuot", "שבועות", 1, 49},
    {"Avodah Zarah", "עבודה זרה", 1, 34},
    {"Makkot", "מכות", 1, 11},
    {"Horayot", "הוריות", 1, 18},
    {"Niddah", "נדה", 1, 11},
}};

}  // namespace

std::span<const TStudyBook> BabylonianTractates()
{
    return Babylonian;
}

std::span<const TStudyBook> YerushalmiVilnaTractates()
{
    return YerushalmiVilna;
}

std::span<const TStudyBook> YerushalmiSchottensteinTractates()
{
    return YerushalmiSchottenstein;
}

}  // namespace mirvane
