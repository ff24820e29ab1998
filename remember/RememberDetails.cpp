#include "remember/RememberDetails.h"

#include "pages/AnniversaryPage.h"
#include "pages/JewishDateEntry.h"

namespace mirvane {
namespace {

TRememberDetails Refuse(TRememberField Field, std::string Problem = {})
{
    return {std::nullopt, Field, std::move(Problem)};
}

}  // namespace

TRememberDetails ReadRememberDetails(const TRememberDetailsText& Text)
{
    TRememberEntry Entry;
    std::string Problem;
    const std::optional<std::string> Occasion = CheckedOccasion(Text.Occasion, Problem);
    if (!Occasion)
        return Refuse(TRememberField::Occasion, std::move(Problem));
    Entry.Occasion = *Occasion;
    Entry.AfterSunset = Text.AfterSunset;
    if (Text.DateText) {
        const std::optional<TGregorianDate> Date =
            ReadEventDate(*Text.DateText, Text.Order, Text.MonthNames, Text.Today);
        const std::optional<TJewishDate> Follows = Date ? EventJewishDate(*Date, Text.AfterSunset) : std::nullopt;
        if (!Follows)
            return Refuse(TRememberField::Date);
        const std::optional<TJewishDate> Typed =
            Text.JewishText.empty() ? Follows : ParseJewishDateEntry(Text.JewishText);
        if (!Typed)
            return Refuse(TRememberField::JewishDate);
        Entry.Date = *Date;
        Entry.JewishDate = *Typed;
    } else {
        const std::optional<TJewishDate> Typed = ParseJewishDateEntry(Text.JewishText);
        if (!Typed)
            return Refuse(TRememberField::JewishDate);
        Entry.Date = DecodeDate(EventGregorianDate(*Typed, Text.AfterSunset));
        Entry.JewishDate = *Typed;
    }
    if (!Text.DaysBefore || *Text.DaysBefore < 0 || *Text.DaysBefore > MaxDaysBefore)
        return Refuse(TRememberField::DaysBefore);
    Entry.DaysBefore = *Text.DaysBefore;
    Entry.Kind = Text.Kind;
    Entry.What = Text.What;
    Entry.Adar = Text.Adar;
    Entry.ShortMonth = Text.ShortMonth;
    Entry.Adar1Thirty = Text.Adar1Thirty;
    if (Text.BurialText.find_first_not_of(' ') != std::string::npos) {
        Entry.Burial = ReadEventDate(Text.BurialText, Text.Order, Text.MonthNames, Text.Today);
        if (!Entry.Burial || !EntryProblem(Entry).empty())
            return Refuse(TRememberField::Burial);
    }
    return {std::move(Entry), TRememberField::Occasion, {}};
}

}  // namespace mirvane
