#include "pages/JewishDateEntry.h"

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "engine/ConvertError.h"
#include "engine/JewishYear.h"
#include "engine/NameTables.h"
#include "pages/HebrewDateEntry.h"

namespace mirvane {
namespace {

std::vector<std::string> LowerWords(std::string_view Text)
{
    std::vector<std::string> Words;
    std::string Word;
    for (const char Character : Text) {
        if (Character == ' ' || Character == '\t') {
            if (!Word.empty())
                Words.push_back(std::move(Word));
            Word.clear();
        } else {
            Word += static_cast<char>(std::tolower(static_cast<unsigned char>(Character)));
        }
    }
    if (!Word.empty())
        Words.push_back(std::move(Word));
    return Words;
}

// A whole number of at most six digits; nothing for anything else.
std::optional<std::int32_t> SmallNumber(const std::string& Word)
{
    if (Word.empty() || Word.size() > 6 || !std::all_of(Word.begin(), Word.end(), [](char Character) {
            return std::isdigit(static_cast<unsigned char>(Character)) != 0;
        }))
        return std::nullopt;
    return std::stoi(Word);
}

std::string Lower(std::string_view Name)
{
    std::string Text(Name);
    for (char& Character : Text)
        Character = static_cast<char>(std::tolower(static_cast<unsigned char>(Character)));
    return Text;
}

// The month of the month words, which sit between the day and the year.
std::optional<std::int32_t> MonthOfWords(const std::vector<std::string>& Words)
{
    if (Words.size() == 2 && Words[0] == "adar") {
        if (Words[1] == "1" || Words[1] == "i")
            return Adar;
        if (Words[1] == "2" || Words[1] == "ii")
            return Adar2;
        return std::nullopt;
    }
    if (Words.size() != 1)
        return std::nullopt;
    if (Words[0] == "adar")
        return Adar;
    for (std::int32_t Month = Nissan; Month <= Adar2; ++Month) {
        if (Words[0] == Lower(JewishMonthNamesLeap[static_cast<std::size_t>(Month)]))
            return Month;
    }
    return std::nullopt;
}

// Whether the words named Adar I or Adar II rather than a plain Adar.
bool NamesNumberedAdar(const std::vector<std::string>& MonthWords)
{
    return MonthWords.size() == 2 || MonthWords[0] == "adar1" || MonthWords[0] == "adar2";
}

// Whether the date's day is one of the Gregorian years 1 to 9999 that the
// Date box can show.
bool FallsInGregorianYears(const TJewishDate& Jewish)
{
    try {
        const TDateTime Date = JewishToDateTime(Jewish.Year, Jewish.Month, Jewish.Day);
        return Date >= FirstConvertibleDate() && DecodeDate(Date).Year >= 1 && DecodeDate(Date).Year <= 9999;
    } catch (const EConvertError&) {
        return false;
    }
}

const char* const NoDateForm = "The Jewish date is not a valid date, such as \"3 Kislev 5731\".";
const char* const OutsideYears = "The Jewish date lies outside the years the calendar can show.";

// A typed Jewish date: the day it names, or why it names none.
struct TJewishReading {
    std::optional<TJewishDate> Date;
    std::string Problem;
};

TJewishReading Refused(std::string Problem)
{
    return {std::nullopt, std::move(Problem)};
}

TJewishReading InGregorianYears(const TJewishDate& Date)
{
    return FallsInGregorianYears(Date) ? TJewishReading{Date, {}} : Refused(OutsideYears);
}

TJewishReading ReadJewishDateEntry(std::string_view Text)
{
    if (const std::optional<TJewishDate> Hebrew = ReadHebrewJewishDate(Text))
        return InGregorianYears(*Hebrew);
    const std::vector<std::string> Words = LowerWords(Text);
    if (Words.size() < 3 || Words.size() > 4)
        return Refused(NoDateForm);
    const std::optional<std::int32_t> Day = SmallNumber(Words.front());
    const std::optional<std::int32_t> Year = SmallNumber(Words.back());
    const std::vector<std::string> MonthWords(Words.begin() + 1, Words.end() - 1);
    const std::optional<std::int32_t> Month = MonthOfWords(MonthWords);
    if (!Day || !Year || !Month)
        return Refused(NoDateForm);
    if (*Year < FirstYearWithNewYearDate || *Year > LastYearWithNewYearDate)
        return Refused(OutsideYears);
    TJewishYear Calendar;
    try {
        Calendar.SetYear(*Year);
    } catch (const EConvertError&) {
        return Refused(OutsideYears);
    }
    const std::string YearText = std::to_string(*Year);
    if (!Calendar.IsLeap && NamesNumberedAdar(MonthWords))
        return Refused("The Jewish date does not exist: " + YearText + " is a common year, which has no " +
                       (*Month == Adar2 ? "Adar II." : "Adar I."));
    const std::int32_t Days = Calendar.DaysInMonth(*Month);
    if (*Day < 1 || *Day > Days) {
        const std::string_view Name = Calendar.GetMonthNames()[static_cast<std::size_t>(*Month)];
        return Refused("The Jewish date does not exist: " + std::string(Name) +
                       " has " + std::to_string(Days) + " days in " + YearText + ".");
    }
    return InGregorianYears({*Year, *Month, *Day});
}

}  // namespace

std::optional<TJewishDate> ParseJewishDateEntry(std::string_view Text)
{
    return ReadJewishDateEntry(Text).Date;
}

std::string WhyNoJewishDay(std::string_view Text)
{
    return ReadJewishDateEntry(Text).Problem;
}

}  // namespace mirvane
