#include <memory>
#include <string>
#include <vector>

#include "cli/CliDate.h"
#include "cli/CliFailure.h"
#include "cli/CommandLine.h"
#include "cli/CommandOptions.h"
#include "cli/JsonText.h"
#include "cli/ShowOption.h"
#include "engine/GregorianDateText.h"
#include "export/CsvText.h"
#include "export/IcsCalendar.h"
#include "luach/LuachDays.h"

namespace mirvane {
namespace {

// Lines are gathered and written in blocks of about this size, so that any
// range runs in constant memory.
constexpr std::size_t BlockSize = 1 << 16;

TJson EventJson(std::string_view Date, const TLuachEntry& Entry)
{
    TJson Event{{"date", Date},
                {"category", LuachCategoryKey(Entry.Category)},
                {"key", Entry.Key},
                {"name", Entry.English},
                {"hebrew", Entry.Hebrew}};
    if (Entry.Month > 0)
        Event["month"] = Entry.Month;
    if (Entry.RoshChodeshDay > 0)
        Event["day"] = Entry.RoshChodeshDay;
    if (Entry.OmerDay > 0)
        Event["omer"] = Entry.OmerDay;
    if (Entry.Molad)
        Event["molad"] = TJson{{"weekday", Entry.Molad->Weekday - 1},
                               {"hour", Entry.Molad->Hour},
                               {"minute", Entry.Molad->Minute},
                               {"parts", Entry.Molad->Parts}};
    if (!Entry.Reading.empty())
        Event["reading"] = Entry.Reading;
    return Event;
}

// One entry a line in the chosen form; ics gathers its events, as a
// calendar file is one text.
class TEventWriter {
public:
    TEventWriter(std::ostream& NewOut, TOutputFormat NewFormat, bool NewHebrew)
        : Out(NewOut)
        , Format(NewFormat)
        , Hebrew(NewHebrew)
    {
        Block.reserve(BlockSize + 1024);
        if (Format == TOutputFormat::Tsv)
            Block += "date\tcategory\tkey\tname\thebrew\n";
        else if (Format == TOutputFormat::Csv)
            Block += CsvRecord({"date", "category", "key", "name", "hebrew"});
        else if (Format == TOutputFormat::Json)
            Block += "{\"events\": [";
    }

    // A day's date is written once for all its lines, and within a year
    // only its month and day change.
    void StartDay(const TGregorianDate& Date)
    {
        if (Date.Year != IsoYear || IsoLength < 5) {
            IsoLength = static_cast<std::size_t>(WriteIsoDateText(Iso, Date) - Iso);
            IsoYear = Date.Year;
            return;
        }
        char* MonthDay = Iso + IsoLength - 5;
        MonthDay[0] = static_cast<char>('0' + Date.Month / 10);
        MonthDay[1] = static_cast<char>('0' + Date.Month % 10);
        MonthDay[3] = static_cast<char>('0' + Date.Day / 10);
        MonthDay[4] = static_cast<char>('0' + Date.Day % 10);
    }

    void Write(TDateTime Day, const TLuachEntry& Entry)
    {
        const std::string_view IsoDate(Iso, IsoLength);
        switch (Format) {
        case TOutputFormat::Text:
            Block += IsoDate;
            Block += "  ";
            Block += Hebrew ? Entry.Hebrew : Entry.English;
            Block += '\n';
            break;
        case TOutputFormat::Tsv:
            Block += IsoDate;
            for (std::string_view Cell : {LuachCategoryKey(Entry.Category), Entry.Key,
                                          std::string_view(Entry.English), std::string_view(Entry.Hebrew)}) {
                Block += '\t';
                Block += Cell;
            }
            Block += '\n';
            break;
        case TOutputFormat::Csv:
            Block += CsvRecord({std::string(IsoDate), std::string(LuachCategoryKey(Entry.Category)),
                                std::string(Entry.Key), Entry.English, Entry.Hebrew});
            break;
        case TOutputFormat::Json:
            if (Count > 0)
                Block += ", ";
            Block += JsonText(EventJson(IsoDate, Entry));
            break;
        case TOutputFormat::Ics:
            Events.push_back({Day, Hebrew ? Entry.Hebrew : Entry.English, IcsUid(Day, "luach", Entry.English)});
            break;
        }
        ++Count;
        if (Block.size() >= BlockSize)
            Flush();
    }

    void Finish()
    {
        if (Format == TOutputFormat::Json)
            Block += "]}\n";
        if (Format == TOutputFormat::Ics)
            Block += IcsCalendarText(Events);
        Flush();
    }

private:
    void Flush()
    {
        Out.write(Block.data(), static_cast<std::streamsize>(Block.size()));
        Block.clear();
    }

    std::ostream& Out;
    TOutputFormat Format;
    bool Hebrew;
    std::string Block;
    std::size_t Count = 0;
    std::vector<TIcsEvent> Events;
    char Iso[16] = {};
    std::size_t IsoLength = 0;
    std::int32_t IsoYear = 0;
};

void WriteEvents(std::ostream& Out, TDateTime From, TDateTime To, TRules Rules, const TLuachShow& Show,
                 TOutputFormat Format, bool Hebrew)
{
    TEventWriter Writer(Out, Format, Hebrew);
    TLuachDays Days(Rules, Show);
    Days.Seek(From);
    while (true) {
        const std::vector<const TLuachEntry*>& Entries = Days.Entries();
        if (!Entries.empty())
            Writer.StartDay(Days.Gregorian());
        for (const TLuachEntry* Entry : Entries)
            Writer.Write(Days.Day(), *Entry);
        if (Days.Day() >= To)
            break;
        Days.Next();
    }
    Writer.Finish();
}

}  // namespace

TCommand AddEventsCommand(CLI::App& App)
{
    struct TOptions {
        std::string From;
        std::string To;
        bool Israel = false;
        bool Hebrew = false;
        std::string Show = LuachShowList(TLuachShow::Default());
        TOutputFormat Format = TOutputFormat::Text;
    };
    const auto Options = std::make_shared<TOptions>();
    CLI::App* Command = App.add_subcommand(
        "events", "The luach from FROM to TO (or FROM alone): one entry per line, in date order");
    Command->add_option("FROM", Options->From, "First day, YYYY-MM-DD or today")->required()->check(CliDateCheck());
    Command->add_option("TO", Options->To, "Last day, YYYY-MM-DD or today; FROM when left out")
        ->check(CliDateCheck());
    AddIsraelFlag(*Command, Options->Israel);
    AddShowOption(*Command, Options->Show, "everything but the learning");
    AddHebrewFlag(*Command, Options->Hebrew);
    AddFormatOption(*Command, Options->Format);
    return {Command, [Options](std::ostream& Out) {
                const TLuachShow Show = ShowAsked(Options->Show);
                const TDateTime From = ReadCliDate(Options->From).value_or(0);
                const TDateTime To = Options->To.empty() ? From : ReadCliDate(Options->To).value_or(0);
                if (From > To)
                    throw ECliUsageError("FROM " + IsoDateText(From) + " is after TO " + IsoDateText(To));
                RequireJewishDate(From);
                WriteEvents(Out, From, To, RulesAsked(Options->Israel), Show, Options->Format, Options->Hebrew);
            }};
}

}  // namespace mirvane
