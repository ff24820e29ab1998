#include "cli/SyncCommand.h"

#include <QCoreApplication>
#include <iostream>
#include <memory>
#include <string>

#include <CLI/CLI.hpp>

#include "caldav/CalendarSync.h"
#include "cli/CliFailure.h"
#include "cli/JsonText.h"
#include "engine/DateServices.h"
#include "remember/RememberStore.h"
#include "engine/Rules.h"
#include "settings/LocationSettings.h"
#include "settings/Options.h"
#include "settings/SyncSettings.h"
#include "sync/SyncEvent.h"
#include "times/TimeZone.h"

namespace mirvane {
namespace {

struct TSyncOptions {
    std::string Server;
    std::string User;
    std::string Calendar;
    bool PasswordStdin = false;
    int Years = 0;  // 0: the settings' choice
    std::string Store;
    bool DryRun = false;
    bool Adar1 = false;
    bool Festivals = false;
    bool Candles = false;
    std::string Format = "text";
};

// Qt's network needs an application object; a command run in a process that
// has one uses it.
std::unique_ptr<QCoreApplication> EnsureApplication()
{
    if (QCoreApplication::instance())
        return nullptr;
    static int Count = 1;
    static char Name[] = "mirvane-cli";
    static char* Arguments[] = {Name, nullptr};
    return std::make_unique<QCoreApplication>(Count, Arguments);
}

std::string FirstLineOfInput()
{
    std::string Line;
    std::getline(std::cin, Line);
    if (!Line.empty() && Line.back() == '\r')
        Line.pop_back();
    return Line;
}

// The festivals and times to keep, by the window's rules and place.
TSyncExtras ExtrasOf(bool Festivals, bool Candles)
{
    TSyncExtras Extras;
    TOptions Stored;
    Stored.GetOptions();
    Extras.Festivals = Festivals;
    Extras.Rules = RulesOf(Stored.InDiaspora);
    Extras.From = Today();
    if (!Candles)
        return Extras;
    const std::optional<TLocation> Place = TLocation::Load();
    if (!Place)
        throw ECliFailure("No place is chosen for the candle-lighting times: choose one in the window (Options > "
                          "Location...), or leave out --candles.");
    const TTimeZone* Zone = FindTimeZone(Place->TimeZone);
    if (!Zone)
        throw ECliFailure("The time zone " + Place->TimeZone + " of the chosen place is not in the system's zone "
                          "database; choose the place again (Options > Location...).");
    Extras.Candles = TTimesSite{{Place->Latitude, Place->Longitude},
                                Zone,
                                {Place->CandleMinutes, Place->HavdalahMinutes, Stored.InDiaspora}};
    return Extras;
}

// The request the options and, without --server, the settings describe.
TSyncRequest RequestOf(const TSyncOptions& Options)
{
    TSyncRequest Request;
    TSyncSettings Settings = TSyncSettings::Load();
    if (!Options.Server.empty()) {
        if (Options.User.empty())
            throw ECliUsageError("--server needs --user");
        Request.Account.Server = QUrl(QString::fromStdString(Options.Server));
        Request.Account.User = QString::fromStdString(Options.User);
        Request.Calendar = QUrl(QString::fromStdString(Options.Calendar));
    } else {
        if (!Options.User.empty() || !Options.Calendar.empty())
            throw ECliUsageError("--user and --calendar go with --server");
        if (!Settings.Configured())
            throw ECliFailure("No calendar account is set up: choose one in the window (Options > Calendar Account) "
                              "or give --server and --user.");
        Request.Account.Server = QUrl(Settings.Server);
        Request.Account.User = Settings.User;
        Request.Calendar = QUrl(Settings.Calendar);
    }
    if (const QString Refused = RefusedAddress(Request.Account.Server); !Refused.isEmpty())
        throw ECliFailure(Refused.toStdString());
    if (Options.PasswordStdin) {
        Request.Account.Password = QString::fromStdString(FirstLineOfInput());
    } else if (const auto Kept = ReadSyncPassword(Request.Account.Server.toString(), Request.Account.User)) {
        Request.Account.Password = *Kept;
    } else {
        throw ECliFailure("No password is kept for " + Request.Account.User.toStdString() + " at " +
                          Request.Account.Server.host().toStdString() +
                          " (no keyring, or none saved there): give it with --password-stdin.");
    }
    Request.Store = Options.Store.empty() ? DefaultRememberStorePath() : std::filesystem::path(Options.Store);
    Request.FirstYear = DecodeDate(Today()).Year;
    Request.Years = Options.Years != 0 ? Options.Years : Settings.Years;
    Request.PlainAdarIsAdar2 = !Options.Adar1;
    Request.DryRun = Options.DryRun;
    // The account in the settings brings its own choice of what else is kept.
    const bool FromSettings = Options.Server.empty();
    Request.Extras = ExtrasOf(Options.Festivals || (FromSettings && Settings.Festivals),
                              Options.Candles || (FromSettings && Settings.Candles));
    return Request;
}

void WriteReport(std::ostream& Out, const TSyncReport& Report, const std::string& Format, bool DryRun)
{
    const TSyncOutcome& Done = Report.Outcome;
    for (const std::string& Warning : Done.Warnings)
        std::cerr << "mirvane-cli: warning: " << Warning << '\n';
    const std::string Calendar = Report.Calendar.toString().toStdString();
    if (Format == "json") {
        TJson Json;
        Json["calendar"] = Calendar;
        Json["added"] = Done.Added;
        Json["changed"] = Done.Changed;
        Json["removed"] = Done.Removed;
        Json["unchanged"] = Done.Unchanged;
        Out << JsonText(Json) << '\n';
        return;
    }
    Out << (DryRun ? "Would sync " : "Synced ") << (Calendar.empty() ? "a new calendar \"Mirvane\"" : Calendar)
        << ": " << Done.Added << " added, " << Done.Changed << " changed, " << Done.Removed << " removed, "
        << Done.Unchanged << " unchanged\n";
}

}  // namespace

TCommand AddSyncCommand(CLI::App& App)
{
    auto Options = std::make_shared<TSyncOptions>();
    CLI::App* Sync = App.add_subcommand("sync", "Keep the dates to remember in your own CalDAV calendar");
    Sync->add_option("--server", Options->Server, "The CalDAV server's address, or the calendar's own")
        ->option_text("URL");
    Sync->add_option("--user", Options->User, "The user name on the server")->option_text("NAME");
    Sync->add_option("--calendar", Options->Calendar,
                     "The calendar's URL (default: the one named Mirvane, made if missing)")
        ->option_text("URL");
    Sync->add_flag("--password-stdin", Options->PasswordStdin, "Read the password from the first line of input");
    Sync->add_option("--years", Options->Years, "Events this year and that many years ahead, 1 to 50 (default 5)")
        ->check(CLI::Range(1, MaxSyncYears));
    Sync->add_option("--store", Options->Store, "The dates to remember in FILE instead of the user's list")
        ->option_text("FILE");
    Sync->add_flag("--dry-run", Options->DryRun, "Count what would be sent, and send nothing");
    Sync->add_flag("--adar1", Options->Adar1, "A plain Adar falls in Adar I of a leap year (default: Adar II)");
    Sync->add_flag("--festivals", Options->Festivals, "Keep the festivals of the next 12 months there too");
    Sync->add_flag("--candles", Options->Candles,
                   "Keep the candle-lighting, havdalah and fast times of the next 12 months at the place chosen in "
                   "the window there too");
    Sync->add_option("--format", Options->Format, "Output format: text (default) or json")
        ->check(CLI::IsMember({"text", "json"}))
        ->option_text("text|json");
    return {Sync, [Options](std::ostream& Out) {
                const std::unique_ptr<QCoreApplication> Application = EnsureApplication();
                const TSyncRequest Request = RequestOf(*Options);
                try {
                    WriteReport(Out, SyncCalendar(Request), Options->Format, Options->DryRun);
                } catch (const ESyncFailure& Failure) {
                    throw ECliFailure(Failure.what());
                }
            }};
}

}  // namespace mirvane
