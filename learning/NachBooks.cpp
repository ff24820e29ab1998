#include "learning/NachBooks.h"

#include <array>

namespace mirvane {
namespace {

constexpr std::array<TStudyBook, 34> Nach{{
    {"Joshua", "יהושע", 1, 24},
    {"Judges", "שופטים", 1, 21},
    {"I Samuel", "שמואל א׳", 1, 31},
    {"II Samuel", "שמואל ב׳", 1, 24},
    {"I Kings", "מלכים א׳", 1, 22},
    {"II Kings", "מלכים ב׳", 1, 25},
    {"Isaiah", "ישעיהו", 1, 66},
    {"Jeremiah", "ירמיהו", 1, 52},
    {"Ezekiel", "יחזקאל", 1, 48},
    {"Hosea", "הושע", 1, 14},
    {"Joel", "יואל", 1, 4},
    {"Amos", "עמוס", 1, 9},
    {"Obadiah", "עובדיה", 1, 1},
    {"Jonah", "יונה", 1, 4},
    {"Micah", "מיכה", 1, 7},
    {"Nachum", "נחום", 1, 3},
    {"Habakkuk", "חבקוק", 1, 3},
    {"Zephaniah", "צפניה", 1, 3},
    {"Haggai", "חגי", 1, 2},
    {"Zechariah", "זכריה", 1, 14},
    {"Malachi", "מלאכי", 1, 3},
    {"Psalms", "תהלים", 1, 150},
    {"Proverbs", "משלי", 1, 31},
    {"Job", "איוב", 1, 42},
    {"Song of Songs", "שיר השירים", 1, 8},
    {"Ruth", "רות", 1, 4},
    {"Lamentations", "איכה", 1, 5},
    {"Ecclesiastes", "קהלת", 1, 12},
    {"Esther", "אסתר", 1, 10},
    {"Daniel", "דניאל", 1, 12},
    {"Ezra", "עזרא", 1, 10},
    {"Nehemiah", "נחמיה", 1, 13},
    {"I Chronicles", "דברי הימים א׳", 1, 29},
    {"II Chronicles", "דברי הימים ב׳", 1, 36},
}};

}  // namespace

std::span<const TStudyBook> NachBooks()
{
    return Nach;
}

}  // namespace mirvane
