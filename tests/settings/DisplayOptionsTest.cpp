#include <map>
#include <string>

#include <gtest/gtest.h>

#include "settings/DisplayOptions.h"
#include "settings/Options.h"
#include "tests/settings/TemporaryStore.h"

namespace mirvane {
namespace {

bool LoadedHebrewNames()
{
    TDisplayOptions Display;
    Display.HebrewNames = true;
    Display.Load();
    return Display.HebrewNames;
}

TEST(DisplayOptionsStore, OffUntilStoredAndLoadingWritesNothing)
{
    TemporaryStore Store;
    EXPECT_FALSE(LoadedHebrewNames());
    EXPECT_FALSE(Store.FileExists());
}

TEST(DisplayOptionsStore, KeptInItsOwnGroupBesideTheFiveOptions)
{
    TemporaryStore Store;
    TOptions Options;
    Options.SaveOptions();
    TDisplayOptions Display;
    Display.HebrewNames = true;
    Display.Save();
    EXPECT_TRUE(LoadedHebrewNames());
    EXPECT_EQ(Store.Stored(QStringLiteral("Display")), (std::map<std::string, QString>{{"HebrewNames", "1"}}));
    EXPECT_EQ(Store.Stored().size(), 5U);
    EXPECT_EQ(Store.Stored().count("HebrewNames"), 0U);

    Display.HebrewNames = false;
    Display.Save();
    EXPECT_FALSE(LoadedHebrewNames());
    EXPECT_EQ(Store.Stored().size(), 5U);
}

TEST(DisplayOptionsStore, OnlyAnIntegerCounts)
{
    const struct {
        QVariant Stored;
        bool Expected;
    } Cases[] = {{1, true}, {QStringLiteral(" 7 "), true}, {0, false}, {QStringLiteral("yes"), false},
                 {QStringList{QStringLiteral("1")}, false}};
    for (const auto& Case : Cases) {
        TemporaryStore Store;
        Store.Put({{"HebrewNames", Case.Stored}}, QStringLiteral("Display"));
        EXPECT_EQ(LoadedHebrewNames(), Case.Expected) << Case.Stored.toString().toStdString();
    }
}

TEST(DisplayOptionsStore, TheLanguageIsKeptAndHebrewNamesNeverChosenIsNotWritten)
{
    TemporaryStore Store;
    TDisplayOptions Display;
    Display.Load();
    EXPECT_TRUE(Display.HebrewNamesDefaulted);
    EXPECT_EQ(Display.Language, TLanguage::System);
    Display.HebrewNames = true;
    Display.Language = TLanguage::Hebrew;
    Display.Save();
    EXPECT_EQ(Store.Stored(QStringLiteral("Display")), (std::map<std::string, QString>{{"Language", "Hebrew"}}));
    Display.Load();
    EXPECT_EQ(Display.Language, TLanguage::Hebrew);
    EXPECT_FALSE(Display.HebrewNames);

    Store.Put({{"Language", QStringLiteral("Klingon")}, {"HebrewNames", 0}}, QStringLiteral("Display"));
    Display.Load();
    EXPECT_EQ(Display.Language, TLanguage::System);
    EXPECT_FALSE(Display.HebrewNamesDefaulted);
}

TEST(DisplayOptionsStore, TheLuachChoiceIsKeptAndADamagedListStaysUntilChosenAgain)
{
    TemporaryStore Store;
    TDisplayOptions Display;
    Display.Load();
    EXPECT_EQ(Display.LuachShow, TLuachShow::Default());
    Display.Language = TLanguage::English;
    Display.Save();
    EXPECT_EQ(Store.Stored(QStringLiteral("Display")).count("Show"), 0U);

    // Written by hand without quotes, the list reads as several values.
    Store.WriteRaw("[Display]\nShow=omer, daf-yomi\n");
    Display.Load();
    EXPECT_EQ(Display.LuachShow, ParseLuachShow("omer,daf-yomi"));

    Store.Put({{"Show", QStringLiteral("omer,nonsense")}}, QStringLiteral("Display"));
    Display.Load();
    EXPECT_EQ(Display.LuachShow, TLuachShow::Default());
    Display.Language = TLanguage::Hebrew;
    Display.Save();
    EXPECT_EQ(Store.Stored(QStringLiteral("Display")).at("Show"), QStringLiteral("omer,nonsense"));
    Display.LuachShow = *ParseLuachShow("rosh-chodesh,daf-yomi");
    Display.Save();
    EXPECT_EQ(Store.Stored(QStringLiteral("Display")).at("Show"), QStringLiteral("rosh-chodesh,daf-yomi"));
}

}  // namespace
}  // namespace mirvane
