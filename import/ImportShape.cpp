#include "import/ImportShape.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "engine/Anniversary.h"
#include "engine/ConvertError.h"
#include "import/ImportText.h"
#include "pages/AnniversaryPage.h"

namespace mirvane {
namespace {

constexpr std::array<std::pair<std::string_view, TOccasionWhat>, 6> KindWords = {{
    {"hebrew birthday", TOccasionWhat::Birthday},
    {"birthday", TOccasionWhat::Birthday},
    {"yahrzeit", TOccasionWhat::Yahrzeit},
    {"yahrtzeit", TOccasionWhat::Yahrzeit},
    {"yartzeit", TOccasionWhat::Yahrzeit},
    {"anniversary", TOccasionWhat::Anniversary},
}};

bool IsDigit(char Character)
{
    return Character >= '0' && Character <= '9';
}

// The number of an ordinal such as "36th" in Title, or 0.
std::int32_t OrdinalIn(std::string_view Title)
{
    const std::string Lower = AsciiLower(Title);
    for (std::size_t Index = 0; Index < Lower.size(); ++Index) {
        if (!IsDigit(Lower[Index]) || (Index > 0 && IsDigit(Lower[Index - 1])))
            continue;
        std::size_t End = Index;
        while (End < Lower.size() && IsDigit(Lower[End]))
            ++End;
        const std::string_view Suffix = std::string_view(Lower).substr(End, 2);
        if ((Suffix == "st" || Suffix == "nd" || Suffix == "rd" || Suffix == "th") && End - Index <= 4)
            return std::stoi(Lower.substr(Index, End - Index));
    }
    return 0;
}

std::string SingleSpaced(std::string_view Text)
{
    std::string Single;
    for (const char Character : TrimBlanks(Text)) {
        if (Character != ' ' || (!Single.empty() && Single.back() != ' '))
            Single += Character;
    }
    while (!Single.empty() && Single.back() == ' ')
        Single.pop_back();
    return Single;
}

// The UID with every run of four digits (a year) set aside.
std::string UidWithoutYear(std::string_view Uid)
{
    std::string Kept;
    for (std::size_t Index = 0; Index < Uid.size();) {
        std::size_t End = Index;
        while (End < Uid.size() && IsDigit(Uid[End]))
            ++End;
        if (End - Index == 4) {
            Kept += '#';
            Index = End;
        } else if (End > Index) {
            Kept += Uid.substr(Index, End - Index);
            Index = End;
        } else {
            Kept += Uid[Index++];
        }
    }
    return Kept;
}

// The name of the person a yahrzeit or birthday title is for: "Moshe Levi's
// Yahrzeit" is Moshe Levi's.
std::string NameWithoutKind(const std::string& Title)
{
    const std::string Lower = AsciiLower(Title);
    for (const auto& [Word, What] : KindWords) {
        const std::size_t At = Lower.find(Word);
        if (At == std::string::npos)
            continue;
        std::string Name = Title.substr(0, At) + Title.substr(At + Word.size());
        for (const std::string_view Possessive : {"'s ", "\xE2\x80\x99s "}) {
            const std::size_t Mark = Name.find(Possessive);
            if (Mark != std::string::npos && Mark + Possessive.size() >= At)
                Name.erase(Mark, Possessive.size());
        }
        Name = SingleSpaced(Name);
        while (!Name.empty() && (Name.back() == ':' || Name.back() == '-' || Name.back() == ','))
            Name = SingleSpaced(Name.substr(0, Name.size() - 1));
        while (!Name.empty() && (Name.front() == ':' || Name.front() == '-' || Name.front() == ','))
            Name = SingleSpaced(Name.substr(1));
        if (Name.ends_with("'s"))
            Name.resize(Name.size() - 2);
        return Name.empty() ? Title : Name;
    }
    return Title;
}

// Our own export's customs of the entry; a value this program does not
// know keeps the program's rule.
void ApplyCustoms(const std::map<std::string, std::string>& Customs, TRememberEntry& Entry)
{
    const auto Value = [&](const char* Name) {
        const auto Found = Customs.find(Name);
        return Found == Customs.end() ? std::string() : AsciiLower(TrimBlanks(Found->second));
    };
    Entry.Adar = AdarCustomFromName(Value("X-MIRVANE-ADAR")).value_or(Entry.Adar);
    Entry.ShortMonth = ShortMonthCustomFromName(Value("X-MIRVANE-SHORT-MONTH")).value_or(Entry.ShortMonth);
    Entry.Adar1Thirty = Adar1ThirtyCustomFromName(Value("X-MIRVANE-ADAR1-30")).value_or(Entry.Adar1Thirty);
    Entry.Burial = ReadIsoDate(Value("X-MIRVANE-BURIAL"));
}

TImportCandidate Refused(const TImportedEvent& Event, std::string Problem)
{
    TImportCandidate Candidate;
    Candidate.Entry.Occasion = Event.Title;
    Candidate.Place = Event.Place;
    Candidate.Problem = std::move(Problem);
    return Candidate;
}

std::string DateProblem(const TImportedEvent& Event)
{
    return Event.DateText.empty() ? "no date" : "no such day: \"" + Event.DateText + "\"";
}

// The entry of one event whose recurrence is known.
TImportCandidate EntryOf(const TImportedEvent& Event, TRememberKind Recurs, TOccasionWhat What, std::string Name)
{
    TImportCandidate Candidate = Refused(Event, {});
    Candidate.Entry.Occasion = std::move(Name);
    Candidate.Entry.What = What;
    ApplyCustoms(Event.Customs, Candidate.Entry);
    Candidate.Entry.Kind = Recurs;
    Candidate.Entry.AfterSunset = Event.AfterSunset.value_or(ContainsWord(Event.Title + Event.Note, "after sunset"));
    Candidate.Entry.DaysBefore = Event.DaysBefore.value_or(7);
    if (Event.Jewish) {
        try {
            Candidate.Entry.JewishDate = *Event.Jewish;
            Candidate.Entry.Date = DecodeDate(EventGregorianDate(*Event.Jewish, Candidate.Entry.AfterSunset));
            if (Event.Gregorian && Recurs != TRememberKind::Jewish)
                Candidate.Entry.Date = *Event.Gregorian;
            return Candidate;
        } catch (const EConvertError&) {
            Candidate.Problem = DateProblem(Event);
            return Candidate;
        }
    }
    const std::optional<TJewishDate> Jewish =
        Event.Gregorian ? EventJewishDate(*Event.Gregorian, Candidate.Entry.AfterSunset) : std::nullopt;
    if (!Jewish) {
        Candidate.Problem = DateProblem(Event);
        return Candidate;
    }
    Candidate.Entry.Date = *Event.Gregorian;
    Candidate.Entry.JewishDate = *Jewish;
    return Candidate;
}

// Adar of a common year and Adar II of a leap year are one month here.
std::pair<std::int32_t, std::int32_t> MonthAndDay(const TJewishDate& Date)
{
    return {Date.Month == 13 ? 12 : Date.Month, Date.Day};
}

// The Jewish date one-a-year events keep, or nothing when they keep none:
// each day is that date, or the date is missing from its year.
std::optional<TJewishDate> KeptDate(const std::vector<const TImportedEvent*>& Group)
{
    std::vector<TJewishDate> Days;
    for (const TImportedEvent* Event : Group) {
        const std::optional<TJewishDate> Day =
            Event->Gregorian ? EventJewishDate(*Event->Gregorian, false) : std::nullopt;
        if (!Day)
            return std::nullopt;
        Days.push_back(*Day);
    }
    const TJewishDate Most = *std::max_element(Days.begin(), Days.end(), [&](const auto& Left, const auto& Right) {
        const auto Count = [&](const TJewishDate& Date) {
            return std::count_if(Days.begin(), Days.end(),
                                 [&](const TJewishDate& Other) { return MonthAndDay(Other) == MonthAndDay(Date); });
        };
        return Count(Left) < Count(Right);
    });
    for (const TJewishDate& Day : Days) {
        if (MonthAndDay(Day) != MonthAndDay(Most) && JewishMonthDays(Day.Year, Most.Month) >= Most.Day)
            return std::nullopt;
    }
    TJewishDate Kept = Most;
    const std::int32_t Ordinal = OrdinalIn(Group.front()->Title);
    Kept.Year = Days.front().Year - Ordinal;
    const bool Leap = JewishMonthDays(Kept.Year, 13) > 0;
    if (Kept.Month == 13 && !Leap)
        Kept.Month = 12;
    return Kept;
}

TImportCandidate YearlyEntry(const std::vector<const TImportedEvent*>& Group, const TJewishDate& Kept)
{
    const TImportedEvent& First = *Group.front();
    const std::string Both = First.Title + " " + First.Note;
    TImportedEvent Event = First;
    Event.Jewish = Kept;
    Event.Gregorian.reset();
    TImportCandidate Candidate = EntryOf(Event, TRememberKind::Jewish, WhatSaidIn(Both).value_or(TOccasionWhat::Other),
                                         NameWithoutKind(TitleWithoutYear(First.Title)));
    if (Group.size() > 1)
        Candidate.Place = First.Place + " and " + std::to_string(Group.size() - 1) + " more";
    if (JewishMonthDays(Kept.Year, Kept.Month) < Kept.Day && Candidate.Problem.empty())
        Candidate.Problem = "no such day: \"" + JewishDateText(Kept.Year, Kept.Month, Kept.Day) + "\"";
    return Candidate;
}

// The occasion of an event of our own export: X-MIRVANE-OCCASION where the
// file has it, else the summary "Yahrzeit: OCCASION (JEWISH DATE)" without
// its kind and date.
std::string OwnOccasion(const TImportedEvent& Event, TOccasionWhat What)
{
    if (const auto Found = Event.Customs.find("X-MIRVANE-OCCASION"); Found != Event.Customs.end())
        return Found->second;
    std::string Occasion = Event.Title;
    if (Occasion.ends_with(')') && Occasion.rfind(" (") != std::string::npos)
        Occasion.erase(Occasion.rfind(" ("));
    const std::string Prefix = TitleWithWhat(What, "");
    if (What != TOccasionWhat::Other && Occasion.starts_with(Prefix))
        Occasion.erase(0, Prefix.size());
    return Occasion;
}

}  // namespace

std::optional<TOccasionWhat> WhatSaidIn(std::string_view Text)
{
    const std::string Lower = AsciiLower(Text);
    for (const auto& [Word, What] : KindWords) {
        if (Lower.find(Word) != std::string::npos)
            return What;
    }
    return std::nullopt;
}

std::string TitleWithoutYear(std::string_view Title)
{
    std::string Kept;
    int Depth = 0;
    for (const char Character : Title) {
        if (Character == '(' || Character == '[')
            ++Depth;
        else if ((Character == ')' || Character == ']') && Depth > 0)
            --Depth;
        else if (Depth == 0)
            Kept += Character;
    }
    const std::int32_t Ordinal = OrdinalIn(Kept);
    if (Ordinal > 0) {
        const std::string Number = std::to_string(Ordinal);
        const std::size_t At = AsciiLower(Kept).find(Number);
        if (At != std::string::npos)
            Kept.erase(At, Number.size() + 2);
    }
    return SingleSpaced(Kept);
}

std::vector<TImportCandidate> ShapeEntries(std::vector<TImportedEvent> Events)
{
    std::vector<TImportCandidate> Candidates;
    std::map<std::string, bool> SeenEntry;
    std::map<std::pair<std::string, std::string>, std::vector<const TImportedEvent*>> Groups;
    std::vector<std::pair<std::string, std::string>> GroupOrder;
    for (const TImportedEvent& Event : Events) {
        if (!Event.EntryKey.empty()) {
            const TOccasionWhat What = Event.What.value_or(TOccasionWhat::Other);
            if (SeenEntry.emplace(Event.EntryKey, true).second)
                Candidates.push_back(
                    EntryOf(Event, Event.Recurs.value_or(TRememberKind::Jewish), What, OwnOccasion(Event, What)));
        } else if (Event.Recurs) {
            const TOccasionWhat What = Event.What.value_or(
                WhatSaidIn(Event.Title + " " + Event.Note).value_or(TOccasionWhat::Other));
            Candidates.push_back(EntryOf(Event, *Event.Recurs, What,
                                         Event.What ? Event.Title : NameWithoutKind(Event.Title)));
        } else {
            const std::pair Key{AsciiLower(TitleWithoutYear(Event.Title)), UidWithoutYear(Event.Uid)};
            std::vector<const TImportedEvent*>& Group = Groups[Key];
            if (Group.empty())
                GroupOrder.push_back(Key);
            // The same event twice is no yearly series: it stays apart, to
            // be found already in the list.
            const bool Repeated = std::any_of(Group.begin(), Group.end(), [&](const TImportedEvent* Earlier) {
                return Earlier->Gregorian == Event.Gregorian && Earlier->Title == Event.Title;
            });
            if (Repeated)
                Candidates.push_back(EntryOf(Event, TRememberKind::Once, TOccasionWhat::Other, Event.Title));
            else
                Group.push_back(&Event);
        }
    }
    for (const auto& Key : GroupOrder) {
        std::vector<const TImportedEvent*>& Group = Groups[Key];
        std::stable_sort(Group.begin(), Group.end(), [](const TImportedEvent* Left, const TImportedEvent* Right) {
            const auto Day = [](const TImportedEvent* Event) {
                return Event->Gregorian ? std::tuple(Event->Gregorian->Year, Event->Gregorian->Month,
                                                     Event->Gregorian->Day)
                                        : std::tuple(0, 0, 0);
            };
            return Day(Left) < Day(Right);
        });
        const TImportedEvent& First = *Group.front();
        const bool Named = WhatSaidIn(First.Title + " " + First.Note).has_value() || OrdinalIn(First.Title) > 0;
        const std::optional<TJewishDate> Kept = (Group.size() > 1 || Named) ? KeptDate(Group) : std::nullopt;
        if (Kept) {
            Candidates.push_back(YearlyEntry(Group, *Kept));
            continue;
        }
        for (const TImportedEvent* Event : Group)
            Candidates.push_back(EntryOf(*Event, TRememberKind::Once, TOccasionWhat::Other, Event->Title));
    }
    return Candidates;
}

}  // namespace mirvane
