#include <sys/stat.h>

#include <cstdlib>
#include <map>
#include <string>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "settings/LocaleDateOrder.h"
#include "settings/Options.h"
#include "tests/settings/TemporaryStore.h"

namespace mirvane {
namespace {

TOptions Loaded()
{
    TOptions Options;
    Options.GetOptions();
    return Options;
}

TOptions Defaults(std::int32_t DateOrder)
{
    TOptions Options;
    Options.DateOrder = DateOrder;
    return Options;
}

TEST(OptionsStore, FirstRunGivesTheDefaultsWithTheLocaleOrder)
{
    TemporaryStore Store;
    EXPECT_EQ(Loaded(), Defaults(LocaleDateOrder()));
    EXPECT_FALSE(Store.FileExists()) << "loading must not create the store";
}

// Run by CTest under a month-day-year locale, which it names in the
// environment; skipped elsewhere.
TEST(OptionsStore, FirstRunTakesTheLocaleOrder)
{
    const char* Expected = std::getenv("MIRVANE_EXPECTED_DATE_ORDER");
    if (Expected == nullptr) {
        GTEST_SKIP() << "needs a locale chosen by the test run";
    }
    TemporaryStore Store;
    EXPECT_EQ(Loaded(), Defaults(std::atoi(Expected)));
}

struct TStoredCase {
    const char* Title;
    std::map<std::string, QVariant> Stored;
    TOptions Expected;
};

TEST(OptionsStore, ReadsEachStoredValueAndDefaultsTheRest)
{
    const auto With = [](auto Change) {
        TOptions Options;
        Change(Options);
        return Options;
    };
    const TStoredCase Cases[] = {
        {"only Diaspora 0", {{"Diaspora", 0}}, With([](TOptions& O) { O.InDiaspora = false; })},
        {"ByJMonth 5 is true", {{"ByJMonth", 5}}, With([](TOptions& O) { O.ByJMonth = true; })},
        {"StamAdar1 -1 is true", {{"StamAdar1", -1}}, With([](TOptions& O) { O.PlainAdarIsAdar1 = true; })},
        {"DateOrder 7 is carried", {{"DateOrder", 7}}, With([](TOptions& O) { O.DateOrder = 7; })},
        {"DateOrder 0", {{"DateOrder", 0}}, With([](TOptions& O) { O.DateOrder = 0; })},
        {"StartTab 9 is carried", {{"StartTab", 9}}, With([](TOptions& O) { O.StartTab = 9; })},
        {"StartTab -1 is carried", {{"StartTab", -1}}, With([](TOptions& O) { O.StartTab = -1; })},
        {"text counts as missing", {{"DateOrder", QStringLiteral("abc")}, {"StartTab", 3}},
         With([](TOptions& O) { O.StartTab = 3; })},
        {"only a value that is no integer: the locale is not asked", {{"DateOrder", QStringLiteral("x")}}, TOptions{}},
        {"beyond 32 bits counts as missing", {{"StartTab", QStringLiteral("4294967296")}, {"Diaspora", 0}},
         With([](TOptions& O) { O.InDiaspora = false; })},
        {"a list counts as missing", {{"ByJMonth", QStringList{QStringLiteral("1"), QStringLiteral("2")}}},
         TOptions{}},
        {"all five",
         {{"DateOrder", 2}, {"ByJMonth", 1}, {"StamAdar1", 1}, {"Diaspora", 0}, {"StartTab", 4}},
         TOptions{2, false, true, true, 4}},
    };
    for (const auto& Case : Cases) {
        TemporaryStore Store;
        Store.Put(Case.Stored);
        EXPECT_EQ(Loaded(), Case.Expected) << Case.Title;
    }
}

TEST(OptionsStore, SavesAllFiveValuesWithBooleansAsOneOrZero)
{
    TemporaryStore Store;
    Store.Put({{"ByJMonth", 5}});
    TOptions Options = Loaded();
    Options.StartTab = 2;
    Options.SaveOptions();
    const std::map<std::string, QString> Expected = {
        {"DateOrder", QStringLiteral("1")}, {"ByJMonth", QStringLiteral("1")}, {"StamAdar1", QStringLiteral("0")},
        {"Diaspora", QStringLiteral("1")}, {"StartTab", QStringLiteral("2")}};
    EXPECT_EQ(Store.Stored(), Expected);
    EXPECT_EQ(Loaded(), Options);
}

TEST(OptionsStore, ReplacesTheFileAsAWholeAndLeavesNoTemporaryBehind)
{
    TemporaryStore Store;
    TOptions Options;
    Options.SaveOptions();
    struct stat Before {};
    ASSERT_EQ(::stat(Store.FilePath().toLocal8Bit().constData(), &Before), 0);

    Options.StartTab = 0;
    Options.SaveOptions();
    struct stat After {};
    ASSERT_EQ(::stat(Store.FilePath().toLocal8Bit().constData(), &After), 0);
    EXPECT_NE(Before.st_ino, After.st_ino) << "the store must be renamed into place, not rewritten in place";
    EXPECT_EQ(QDir(Store.FolderPath() + QStringLiteral("/Tellwen")).entryList(QDir::Files),
              QStringList{QStringLiteral("Mirvane.conf")});
    EXPECT_EQ(Loaded().StartTab, 0);
}

TEST(OptionsStore, AnUnwritableStoreIsIgnoredSilently)
{
    TemporaryStore Store;
    // A plain file where the store's folder belongs: nothing can be created
    // there, not even by a privileged user.
    QFile Blocker(Store.FolderPath() + QStringLiteral("/Tellwen"));
    ASSERT_TRUE(Blocker.open(QIODevice::WriteOnly));
    Blocker.close();

    TOptions Options;
    Options.InDiaspora = false;
    Options.SaveOptions();
    EXPECT_EQ(Loaded(), Defaults(LocaleDateOrder()));
}

TEST(OptionsStore, ACorruptStoreGivesDefaultsAndCanBeWrittenAgain)
{
    const QByteArray Contents[] = {
        QByteArray("\x00\xff\xfe[Options\n=\n\x01\x02", 14),
        QByteArray("[Options]\nDateOrder=\"unterminated\nStartTab==3\n"),
        QByteArray(4096, '['),
    };
    for (const QByteArray& Content : Contents) {
        TemporaryStore Store;
        Store.WriteRaw(Content);
        const TOptions Options = Loaded();
        EXPECT_GE(Options.DateOrder, 0);
        TOptions Changed;
        Changed.StartTab = 3;
        Changed.SaveOptions();
        EXPECT_EQ(Loaded().StartTab, 3) << Content.toHex().left(40).constData();
    }
}

}  // namespace
}  // namespace mirvane
