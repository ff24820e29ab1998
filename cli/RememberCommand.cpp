#include <map>
#include <memory>
#include <optional>
#include <string>

#include "cli/CliDate.h"
#include "cli/CliFailure.h"
#include "cli/CommandLine.h"
#include "cli/CommandOptions.h"
#include "cli/ImportOutput.h"
#include "cli/OptionChecks.h"
#include "cli/RememberOutput.h"
#include "engine/DateConversion.h"
#include "import/ImportPlan.h"
#include "pages/DateEntry.h"
#include "remember/RememberDetails.h"
#include "remember/RememberExport.h"
#include "remember/RememberStore.h"

namespace mirvane {
namespace {

// What every `remember` command takes.
struct TRememberOptions {
    std::string Store;
    std::string Today = "today";
    bool Adar1 = false;

    TRememberStore Open() const
    {
        TRememberStore Opened =
            TRememberStore::Open(Store.empty() ? DefaultRememberStorePath() : std::filesystem::path(Store),
                                 TDamagedFile::LeaveInPlace);
        if (Opened.Failed())
            throw ECliFailure(Opened.Notice());
        return Opened;
    }
    TDateTime TodayDate() const { return *ReadCliDate(Today); }
    std::vector<TRememberRow> Rows(const TRememberStore& Opened, TRememberSort Sort) const
    {
        std::vector<TRememberRow> Rows = RowsOf(Opened.List(), TodayDate(), !Adar1);
        SortRows(Rows, Sort);
        return Rows;
    }
};

void AddCommonOptions(CLI::App& Command, TRememberOptions& Options, bool NextDates)
{
    Command.add_option("--store", Options.Store, "The dates to remember in FILE instead of the user's list")
        ->option_text("FILE");
    Command.add_option("--today", Options.Today, "Compute as if today were DATE")->check(CliDateCheck());
    if (NextDates)
        Command.add_flag("--adar1", Options.Adar1,
                         "A plain Adar falls in Adar I of a leap year (default: Adar II)");
}

// Runs a store change; a refusal of the store is a failure of the request.
template <typename TChange>
void Change(TChange&& Body)
{
    try {
        Body();
    } catch (const ERememberStoreError& Refusal) {
        throw ECliFailure(Refusal.what());
    }
}

struct TAddOptions {
    TRememberOptions Common;
    std::string Occasion;
    std::string DateText;
    std::string JewishText;
    TDateOrder Order = DayMonthYear;
    bool AfterSunset = false;
    TRememberKind Kind = TRememberKind::Jewish;
    int DaysBefore = 7;
    TOccasionWhat What = TOccasionWhat::Other;
    TAdarCustom Adar = TAdarCustom::Options;
    TShortMonthCustom ShortMonth = TShortMonthCustom::Options;
    TAdar1ThirtyCustom Adar1Thirty = TAdar1ThirtyCustom::Options;
    std::string BurialText;
};

// The entry the arguments describe; a usage error for any text that is no
// name or date.
TRememberEntry EntryOf(const TAddOptions& Options)
{
    const TRememberDetails Read = ReadRememberDetails(
        {Options.Occasion, Options.DateText.empty() ? std::nullopt : std::optional<std::string>(Options.DateText),
         Options.JewishText, Options.AfterSunset, Options.DaysBefore, Options.Kind, Options.Order, {},
         Options.Common.TodayDate(), Options.What, Options.Adar, Options.ShortMonth, Options.Adar1Thirty,
         Options.BurialText});
    if (!Read.Entry && Read.Refused == TRememberField::Occasion)
        throw ECliUsageError(Read.OccasionProblem);
    if (Options.DateText.empty() == Options.JewishText.empty())
        throw ECliUsageError("give either DATE or --jewish-date");
    if (!Read.Entry && Read.Refused == TRememberField::JewishDate)
        throw ECliUsageError("\"" + Options.JewishText + "\" is not a Jewish date such as \"3 Kislev 5731\"");
    if (!Read.Entry && Read.Refused == TRememberField::Burial)
        throw ECliUsageError("\"" + Options.BurialText + "\" is not a date of burial on or after the date");
    if (!Read.Entry)
        throw ECliUsageError("\"" + Options.DateText + "\" is not a date");
    return *Read.Entry;
}

// A map of the option words to their values, from the names the store uses.
template <typename TValue, typename TNameOf>
std::map<std::string, TValue> Words(std::initializer_list<TValue> Values, TNameOf NameOf)
{
    std::map<std::string, TValue> Map;
    for (const TValue Value : Values)
        Map.emplace(std::string(NameOf(Value)), Value);
    return Map;
}

// What the date is for and how its family keeps a day a year lacks.
void AddCustomOptions(CLI::App& Add, TAddOptions& Options)
{
    using enum TOccasionWhat;
    Add.add_option("--what", Options.What, "What the date is for (default other)")
        ->transform(CLI::CheckedTransformer(Words({Yahrzeit, Birthday, Anniversary, Other}, WhatName)))
        ->option_text("yahrzeit|birthday|anniversary|other");
    const auto Name = [](auto Custom) { return CustomName(Custom); };
    Add.add_option("--adar", Options.Adar, "A common year's Adar in a leap year (default: Adar II, or Adar I under --adar1)")
        ->transform(CLI::CheckedTransformer(
            Words({TAdarCustom::Adar1, TAdarCustom::Adar2, TAdarCustom::Both}, Name)))
        ->option_text("adar1|adar2|both");
    Add.add_option("--short-month", Options.ShortMonth,
                   "30 Cheshvan or Kislev in a 29-day month: the next day (default), the 29th, or by the first "
                   "anniversary")
        ->transform(CLI::CheckedTransformer(Words(
            {TShortMonthCustom::NextDay, TShortMonthCustom::Day29, TShortMonthCustom::ByFirstAnniversary}, Name)))
        ->option_text("next|29|first");
    Add.add_option("--adar1-30", Options.Adar1Thirty, "30 Adar I in a common year: 30 Shvat or 1 Nissan (default)")
        ->transform(CLI::CheckedTransformer(Words({TAdar1ThirtyCustom::Shvat30, TAdar1ThirtyCustom::Nissan1}, Name)))
        ->option_text("shvat|nissan");
    Add.add_option("--burial", Options.BurialText,
                   "The date of burial, read like DATE: the first yahrzeit falls on its Jewish day")
        ->option_text("DATE");
}

CLI::App* AddAdd(CLI::App& Remember, const std::shared_ptr<TAddOptions>& Options)
{
    static const std::map<std::string, TDateOrder> Orders{
        {"dmy", DayMonthYear}, {"mdy", MonthDayYear}, {"ymd", YearMonthDay}};
    static const std::map<std::string, TRememberKind> Kinds{
        {"jewish", TRememberKind::Jewish}, {"gregorian", TRememberKind::Gregorian}, {"once", TRememberKind::Once}};
    CLI::App* Add = Remember.add_subcommand("add", "Add a date to remember and print its id");
    Add->add_option("OCCASION", Options->Occasion, "Its name, 1 to 100 characters")->required();
    Add->add_option("DATE", Options->DateText, "Its Gregorian date, read like the page's date box (\"1/12/70\")");
    Add->add_option("--jewish-date", Options->JewishText, "Its Jewish date instead, as \"3 Kislev 5731\"");
    Add->add_option("--order", Options->Order, "How DATE is read: dmy (default), mdy or ymd")
        ->transform(NamedChoice(Orders))
        ->option_text("dmy|mdy|ymd");
    Add->add_flag("--after-sunset", Options->AfterSunset, "The event was between sunset and midnight");
    Add->add_option("--kind", Options->Kind,
                    "Every year on the Jewish date (jewish, default), on the Gregorian date, or once")
        ->transform(NamedChoice(Kinds))
        ->option_text("jewish|gregorian|once");
    Add->add_option("--days-before", Options->DaysBefore, "Remind that many days before, 0 to 365 (default 7)")
        ->check(WholeNumberFromTo(0, MaxDaysBefore));
    AddCustomOptions(*Add, *Options);
    AddCommonOptions(*Add, Options->Common, false);
    return Add;
}

struct TImportOptions {
    TRememberOptions Common;
    std::string File;
    TImportChoices Choices;
    bool DryRun = false;
    TOutputFormat Format = TOutputFormat::Text;
};

CLI::App* AddImport(CLI::App& Remember, const std::shared_ptr<TImportOptions>& Options)
{
    static const std::map<std::string, TImportFormat> Formats{
        {"ics", TImportFormat::Calendar}, {"csv", TImportFormat::Csv}, {"gedcom", TImportFormat::Gedcom}};
    static const std::map<std::string, TDateOrder> Orders{
        {"dmy", DayMonthYear}, {"mdy", MonthDayYear}, {"ymd", YearMonthDay}};
    static const std::map<std::string, TOutputFormat> OutputFormats{{"text", TOutputFormat::Text},
                                                                    {"json", TOutputFormat::Json}};
    CLI::App* Import = Remember.add_subcommand(
        "import", "Add the dates of a calendar file, CSV list or GEDCOM file, and print what was added and skipped");
    Import->add_option("FILE", Options->File, "The file; its format is found by its content")->required();
    Import->add_option("--from", Options->Choices.Format, "Read it as ics, csv or gedcom")
        ->transform(CLI::CheckedTransformer(Formats))
        ->option_text("ics|csv|gedcom");
    Import->add_option("--order", Options->Choices.Order,
                       "How numeric dates are read (default mdy in calendar-program CSV, else dmy)")
        ->transform(CLI::CheckedTransformer(Orders))
        ->option_text("dmy|mdy|ymd");
    Import->add_flag("--dry-run", Options->DryRun, "Only print what would be added");
    Import->add_option("--format", Options->Format, "Output format: text (default) or json")
        ->transform(CLI::CheckedTransformer(OutputFormats))
        ->option_text("text|json");
    AddCommonOptions(*Import, Options->Common, false);
    return Import;
}

void RunImport(std::ostream& Out, const TImportOptions& Options)
{
    std::string Failure;
    const std::string Text = ReadImportFile(Options.File, Failure);
    if (!Failure.empty())
        throw ECliFailure(Failure);
    TRememberStore Store = Options.Common.Open();
    const TImportPlan Plan = PlanImport(Text, Options.Choices, Store.List());
    if (!Plan.Failure.empty())
        throw ECliFailure("\"" + Options.File + "\" cannot be imported: " + Plan.Failure);
    std::vector<std::int64_t> Ids;
    if (!Options.DryRun && !Plan.Added.empty()) {
        std::vector<TRememberEntry> Entries;
        for (const TImportCandidate& Candidate : Plan.Added)
            Entries.push_back(Candidate.Entry);
        Change([&] { Ids = Store.AddAll(Entries); });
    }
    WriteImportPlan(Out, Plan, Ids, Options.Format);
}

}  // namespace

TCommand AddRememberCommand(CLI::App& App)
{
    CLI::App* Remember = App.add_subcommand("remember", "The dates to remember, shared with the window");
    Remember->require_subcommand(1);

    const auto AddOptions = std::make_shared<TAddOptions>();
    CLI::App* Add = AddAdd(*Remember, AddOptions);
    const auto ImportOptions = std::make_shared<TImportOptions>();
    CLI::App* Import = AddImport(*Remember, ImportOptions);

    struct TListOptions {
        TRememberOptions Common;
        std::string Sort = "occasion";
        TOutputFormat Format = TOutputFormat::Text;
        std::int64_t Id = 0;
        int Years = 10;
        bool Hebrew = false;
    };
    const auto Options = std::make_shared<TListOptions>();
    static const std::map<std::string, TOutputFormat> ListFormats{
        {"text", TOutputFormat::Text}, {"tsv", TOutputFormat::Tsv}, {"csv", TOutputFormat::Csv},
        {"json", TOutputFormat::Json}};
    static const std::map<std::string, TOutputFormat> ExportFormats{{"ics", TOutputFormat::Ics},
                                                                    {"csv", TOutputFormat::Csv}};

    CLI::App* List = Remember->add_subcommand("list", "List the dates to remember with their date this year");
    List->add_option("--sort", Options->Sort, "By occasion (default) or by date this year")
        ->check(OneOf({"occasion", "date"}))
        ->option_text("occasion|date");
    List->add_option("--format", Options->Format, "Output format: text (default), tsv, csv or json")
        ->transform(NamedChoice(ListFormats))
        ->option_text("text|tsv|csv|json");
    AddHebrewFlag(*List, Options->Hebrew);
    AddCommonOptions(*List, Options->Common, true);

    CLI::App* Remove = Remember->add_subcommand("remove", "Remove the date to remember with that id");
    Remove->add_option("ID", Options->Id, "Its id, as add and list print it")->required();
    AddCommonOptions(*Remove, Options->Common, false);

    CLI::App* Due = Remember->add_subcommand("due", "The dates whose next day is at most their days before away");
    AddCommonOptions(*Due, Options->Common, true);

    CLI::App* Export = Remember->add_subcommand("export", "Every date to remember over years, for calendar programs");
    Export->add_option("--years", Options->Years, "That many years from this one, 1 to 200 (default 10)")
        ->check(WholeNumberFromTo(1, MaxExportYears));
    Options->Format = TOutputFormat::Text;
    Export->add_option("--format", Options->Format, "ics or csv")
        ->transform(NamedChoice(ExportFormats))
        ->option_text("ics|csv")
        ->required();
    AddCommonOptions(*Export, Options->Common, true);

    return {Remember, [=](std::ostream& Out) {
                if (Add->parsed()) {
                    const TRememberEntry Entry = EntryOf(*AddOptions);
                    TRememberStore Store = AddOptions->Common.Open();
                    Change([&] { Out << Store.Add(Entry) << '\n'; });
                } else if (Import->parsed()) {
                    RunImport(Out, *ImportOptions);
                } else if (List->parsed()) {
                    const TRememberStore Store = Options->Common.Open();
                    const TRememberSort Sort = Options->Sort == "date" ? TRememberSort::NextDate : TRememberSort::Occasion;
                    WriteRememberList(Out, Options->Common.Rows(Store, Sort), Options->Format, Options->Hebrew);
                } else if (Remove->parsed()) {
                    TRememberStore Store = Options->Common.Open();
                    Change([&] { Store.Remove(Options->Id); });
                } else if (Due->parsed()) {
                    const TRememberStore Store = Options->Common.Open();
                    WriteDueDates(Out, Options->Common.Rows(Store, TRememberSort::NextDate),
                                  Options->Common.TodayDate());
                } else if (Export->parsed()) {
                    const TRememberStore Store = Options->Common.Open();
                    const std::vector<TRememberEvent> Events =
                        RememberEvents(Store.List(), DecodeDate(Options->Common.TodayDate()).Year, Options->Years,
                                       !Options->Common.Adar1);
                    Out << (Options->Format == TOutputFormat::Ics ? RememberIcsText(Events)
                                                                   : RememberCsvText(Events));
                }
            }};
}

}  // namespace mirvane
