// The command line's sync, run as a script would run it.
#include <QProcess>
#include <QProcessEnvironment>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "tests/sync/SyncFixture.h"

namespace mirvane {
namespace {

struct TRun {
    int ExitCode = -1;
    std::string Out;
    std::string Err;
};

TRun RunSyncCommand(const TSyncFixture& Fixture, const QStringList& More, const QByteArray& Input)
{
    QProcess Cli;
    QProcessEnvironment Environment = QProcessEnvironment::systemEnvironment();
    // Settings of its own, so the user's account is never read.
    Environment.insert(QStringLiteral("XDG_CONFIG_HOME"), QString::fromStdString(Fixture.Folder.Path().string()));
    Cli.setProcessEnvironment(Environment);
    Cli.start(QStringLiteral(MIRVANE_CLI_PATH),
              QStringList{QStringLiteral("sync"), QStringLiteral("--store"),
                          QString::fromStdString(Fixture.Folder.Store().string())} +
                  More);
    Cli.write(Input);
    Cli.closeWriteChannel();
    Cli.waitForFinished(120000);
    return {Cli.exitCode(), Cli.readAllStandardOutput().toStdString(), Cli.readAllStandardError().toStdString()};
}

TEST(CliSyncTest, SyncsToTheMirvaneCalendarAndSaysWhatItDidAsJson)
{
    TSyncFixture Fixture;
    ASSERT_TRUE(Fixture.Server.Running()) << Fixture.Server.Problem().toStdString();
    Fixture.AddDates(4);
    const QStringList Account{QStringLiteral("--server"), Fixture.Server.Root().toString(), QStringLiteral("--user"),
                              QStringLiteral("alice"), QStringLiteral("--password-stdin"), QStringLiteral("--years"),
                              QStringLiteral("1"), QStringLiteral("--format"), QStringLiteral("json")};
    const TRun DryRun = RunSyncCommand(Fixture, Account + QStringList{QStringLiteral("--dry-run")}, "secret\n");
    ASSERT_EQ(DryRun.ExitCode, 0) << DryRun.Err;
    const int Wanted = static_cast<int>(Fixture.WantedUids().size());
    EXPECT_EQ(nlohmann::json::parse(DryRun.Out)["added"], Wanted);

    const TRun First = RunSyncCommand(Fixture, Account, "secret\n");
    ASSERT_EQ(First.ExitCode, 0) << First.Err;
    const nlohmann::json Done = nlohmann::json::parse(First.Out);
    EXPECT_EQ(Done["added"], Wanted);
    EXPECT_EQ(Done["changed"], 0);
    EXPECT_EQ(Done["removed"], 0);
    EXPECT_EQ(Done["unchanged"], 0);
    const QUrl Calendar(QString::fromStdString(Done["calendar"].get<std::string>()));
    EXPECT_EQ(Fixture.ServerObjects(Calendar).size(), static_cast<std::size_t>(Wanted));

    const TRun Again = RunSyncCommand(Fixture, Account, "secret\n");
    EXPECT_EQ(nlohmann::json::parse(Again.Out)["unchanged"], Wanted);

    // The festivals come with --festivals and go without it.
    const TRun Festivals = RunSyncCommand(Fixture, Account + QStringList{QStringLiteral("--festivals")}, "secret\n");
    ASSERT_EQ(Festivals.ExitCode, 0) << Festivals.Err;
    const int Added = nlohmann::json::parse(Festivals.Out)["added"];
    EXPECT_GT(Added, 20);
    EXPECT_EQ(Fixture.ServerObjects(Calendar).size(), static_cast<std::size_t>(Wanted + Added));
    const TRun Without = RunSyncCommand(Fixture, Account, "secret\n");
    EXPECT_EQ(nlohmann::json::parse(Without.Out)["removed"], Added);
    EXPECT_EQ(Fixture.ServerObjects(Calendar).size(), static_cast<std::size_t>(Wanted));

    const TRun Plain = RunSyncCommand(
        Fixture, {QStringLiteral("--server"), QStringLiteral("http://cloud.example.org/"), QStringLiteral("--user"),
                  QStringLiteral("alice"), QStringLiteral("--password-stdin")},
        "secret\n");
    EXPECT_EQ(Plain.ExitCode, 1);
    EXPECT_NE(Plain.Err.find("https://"), std::string::npos) << Plain.Err;
}

}  // namespace
}  // namespace mirvane
