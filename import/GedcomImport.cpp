#include "import/GedcomImport.h"

#include <array>
#include <charconv>
#include <sstream>

#include "engine/ConvertError.h"
#include "import/ImportText.h"
#include "pages/AnniversaryPage.h"

namespace mirvane {
namespace {

struct TGedcomLine {
    int Level = -1;
    std::string Tag;
    std::string Value;
};

// "1 DEAT", "0 @I1@ INDI", "2 DATE 1 TSH 5785"; Level -1 when the line has
// no such form.
TGedcomLine Split(std::string_view Line)
{
    Line = TrimBlanks(Line);
    TGedcomLine Parsed;
    const std::size_t LevelEnd = Line.find(' ');
    const std::string_view LevelText = Line.substr(0, LevelEnd);
    int Level = 0;
    const auto [End, Error] = std::from_chars(LevelText.data(), LevelText.data() + LevelText.size(), Level);
    if (Error != std::errc() || End != LevelText.data() + LevelText.size() || LevelEnd == std::string_view::npos ||
        Level < 0 || Level > 99)
        return Parsed;
    std::string_view Rest = TrimBlanks(Line.substr(LevelEnd + 1));
    if (Rest.starts_with('@')) {
        const std::size_t Space = Rest.find(' ');
        Rest = Space == std::string_view::npos ? std::string_view() : TrimBlanks(Rest.substr(Space + 1));
    }
    const std::size_t TagEnd = Rest.find(' ');
    Parsed.Level = Level;
    Parsed.Tag = std::string(Rest.substr(0, TagEnd));
    Parsed.Value = TagEnd == std::string_view::npos ? std::string() : std::string(Rest.substr(TagEnd + 1));
    return Parsed;
}

constexpr std::array<std::string_view, 13> HebrewMonths = {"NSN", "IYR", "SVN", "TMZ", "AAV", "ELL", "TSH",
                                                          "CSH", "KSL", "TVT", "SHV", "ADR", "ADS"};
constexpr std::array<std::string_view, 12> GregorianMonths = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                                             "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};

std::optional<std::int32_t> MonthNumber(const std::string& Name, auto Names)
{
    for (std::size_t Index = 0; Index < Names.size(); ++Index) {
        if (Names[Index] == Name)
            return static_cast<std::int32_t>(Index + 1);
    }
    return std::nullopt;
}

bool DayExists(const TJewishDate& Date)
{
    return Date.Day >= 1 && Date.Day <= JewishMonthDays(Date.Year, Date.Month);
}

// "1 TSH 5785" after its calendar, or "2 JAN 1950".
void ReadDate(std::string Text, TImportedEvent& Event)
{
    Event.DateText = Text;
    bool Hebrew = false;
    for (const std::string_view Calendar : {"@#DHEBREW@ ", "HEBREW "}) {
        if (Text.starts_with(Calendar)) {
            Hebrew = true;
            Text.erase(0, Calendar.size());
        }
    }
    for (const std::string_view Calendar : {"@#DGREGORIAN@ ", "GREGORIAN "}) {
        if (Text.starts_with(Calendar))
            Text.erase(0, Calendar.size());
    }
    std::istringstream Words(Text);
    std::int32_t Day = 0;
    std::string Month;
    std::int32_t Year = 0;
    std::string Extra;
    if (!(Words >> Day >> Month >> Year) || (Words >> Extra)) {
        Event.DateText = Text.empty() ? std::string() : Event.DateText;
        return;
    }
    if (Hebrew) {
        const std::optional<std::int32_t> Number = MonthNumber(Month, HebrewMonths);
        const TJewishDate Date{Year, Number.value_or(0), Day};
        if (Number && DayExists(Date))
            Event.Jewish = Date;
    } else if (const std::optional<std::int32_t> Number = MonthNumber(Month, GregorianMonths)) {
        try {
            EncodeDate(Year, *Number, Day);
            Event.Gregorian = TGregorianDate{Year, *Number, Day};
        } catch (const EConvertError&) {
        }
    }
}

std::string NameOf(std::string_view Value)
{
    std::string Name;
    for (const char Character : Value) {
        if (Character != '/')
            Name += Character;
    }
    std::string Single;
    for (const char Character : TrimBlanks(Name)) {
        if (Character != ' ' || Single.empty() || Single.back() != ' ')
            Single += Character;
    }
    return Single;
}

}  // namespace

TImportRead ReadGedcomEvents(std::string_view Text)
{
    Text = WithoutBom(Text);
    TImportRead Read;
    std::string Person;
    std::vector<TImportedEvent> PersonEvents;
    TImportedEvent* Open = nullptr;
    const auto EndPerson = [&] {
        for (TImportedEvent& Event : PersonEvents) {
            Event.Title = Person;
            Read.Events.push_back(std::move(Event));
        }
        PersonEvents.clear();
        Person.clear();
    };
    bool InPerson = false;
    bool SawHead = false;
    std::size_t Number = 0;
    std::size_t Start = 0;
    while (Start < Text.size()) {
        const std::size_t End = std::min(Text.find_first_of("\r\n", Start), Text.size());
        const std::string_view Raw = Text.substr(Start, End - Start);
        Start = End + 1;
        ++Number;
        if (TrimBlanks(Raw).empty())
            continue;
        const TGedcomLine Line = Split(Raw);
        if (Line.Level < 0)
            return {{}, "Line " + std::to_string(Number) + " is not a GEDCOM line: the file may be damaged."};
        if (Line.Level == 0) {
            EndPerson();
            SawHead = SawHead || Line.Tag == "HEAD";
            InPerson = Line.Tag == "INDI";
            Open = nullptr;
            continue;
        }
        if (!InPerson)
            continue;
        if (Line.Level == 1) {
            Open = nullptr;
            if (Line.Tag == "NAME" && Person.empty()) {
                Person = NameOf(Line.Value);
            } else if (Line.Tag == "DEAT" || Line.Tag == "BIRT") {
                TImportedEvent& Event = PersonEvents.emplace_back();
                Event.What = Line.Tag == "DEAT" ? TOccasionWhat::Yahrzeit : TOccasionWhat::Birthday;
                Event.Recurs = TRememberKind::Jewish;
                Event.Place = "line " + std::to_string(Number);
                Open = &Event;
            }
        } else if (Open && Line.Level == 2 && Line.Tag == "DATE") {
            ReadDate(Line.Value, *Open);
        } else if (Open && Line.Tag == "NOTE") {
            Open->Note += Line.Value + " ";
            if (ContainsWord(Line.Value, "after sunset"))
                Open->AfterSunset = true;
        }
    }
    EndPerson();
    if (!SawHead)
        return {{}, "The file has no GEDCOM header (0 HEAD)."};
    return Read;
}

}  // namespace mirvane
