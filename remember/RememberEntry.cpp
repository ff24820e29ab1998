#include "remember/RememberEntry.h"

#include <array>
#include <tuple>

#include "engine/ConvertError.h"
#include "engine/JewishYear.h"
#include "pages/AnniversaryPage.h"
#include "text/Utf8.h"

namespace mirvane {
namespace {

constexpr std::array<std::string_view, 3> KindNames = {"jewish", "gregorian", "once"};

bool IsBlank(char Character)
{
    return Character == ' ';
}

// C0 and C1 controls and DEL; format characters such as the right-to-left
// mark are ordinary text in a name.
bool IsControl(char32_t CodePoint)
{
    return CodePoint < 0x20 || (CodePoint >= 0x7F && CodePoint < 0xA0);
}

bool IsJewishDate(const TJewishDate& Date)
{
    if (Date.Year < FirstYearWithNewYearDate || Date.Year > LastYearWithNewYearDate)
        return false;
    try {
        TJewishYear Calendar;
        Calendar.SetYear(Date.Year);
        return Date.Day >= 1 && Date.Day <= Calendar.DaysInMonth(Date.Month);
    } catch (const EConvertError&) {
        return false;
    }
}

}  // namespace

std::string_view KindName(TRememberKind Kind)
{
    const auto Index = static_cast<std::size_t>(Kind);
    return Index < KindNames.size() ? KindNames[Index] : std::string_view();
}

std::optional<TRememberKind> KindFromName(std::string_view Name)
{
    for (std::size_t Index = 0; Index < KindNames.size(); ++Index) {
        if (KindNames[Index] == Name)
            return static_cast<TRememberKind>(Index);
    }
    return std::nullopt;
}

std::optional<std::string> CheckedOccasion(std::string_view Typed, std::string& Message)
{
    while (!Typed.empty() && IsBlank(Typed.front()))
        Typed.remove_prefix(1);
    while (!Typed.empty() && IsBlank(Typed.back()))
        Typed.remove_suffix(1);
    const std::optional<std::u32string> CodePoints = DecodeStrictUtf8(Typed);
    if (!CodePoints) {
        Message = "The name of the occasion is not valid text.";
        return std::nullopt;
    }
    if (CodePoints->empty() || CodePoints->size() > MaxOccasionLength) {
        Message = "The name of the occasion must have 1 to 100 characters.";
        return std::nullopt;
    }
    for (const char32_t CodePoint : *CodePoints) {
        if (IsControl(CodePoint)) {
            Message = "The name of the occasion may not hold control characters.";
            return std::nullopt;
        }
    }
    return std::string(Typed);
}

std::string EntryProblem(const TRememberEntry& Entry)
{
    std::string Message;
    if (const std::optional<std::string> Occasion = CheckedOccasion(Entry.Occasion, Message);
        !Occasion || *Occasion != Entry.Occasion)
        return Message.empty() ? "The name of the occasion has blanks at its ends." : Message;
    if (!EventJewishDate(Entry.Date, false))
        return "The date is not a valid date.";
    if (!IsJewishDate(Entry.JewishDate))
        return "The Jewish date is not a valid date.";
    if (Entry.DaysBefore < 0 || Entry.DaysBefore > MaxDaysBefore)
        return "The number of days before must be a whole number from 0 to 365.";
    if (KindName(Entry.Kind).empty())
        return "The kind of reminder is not known.";
    if (WhatName(Entry.What).empty())
        return "The kind of date is not known.";
    if (CustomName(Entry.Adar).empty() || CustomName(Entry.ShortMonth).empty() ||
        CustomName(Entry.Adar1Thirty).empty())
        return "The custom for a missing day is not known.";
    if (Entry.Burial && !EventJewishDate(*Entry.Burial, false))
        return "The date of burial is not a valid date.";
    if (Entry.Burial && std::tie(Entry.Burial->Year, Entry.Burial->Month, Entry.Burial->Day) <
                            std::tie(Entry.Date.Year, Entry.Date.Month, Entry.Date.Day))
        return "The date of burial is before the date.";
    return {};
}

}  // namespace mirvane
