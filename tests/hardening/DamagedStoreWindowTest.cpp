// The program over a damaged settings store: it starts with the defaults for
// whatever is unusable, runs, and shuts down normally, leaving a store that
// is either as it was (when it cannot be written) or good.

#include <functional>
#include <random>
#include <string>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTabWidget>

#include "settings/Options.h"
#include "tests/hardening/WindowFixture.h"
#include "tests/settings/ReadOnlyStore.h"
#include "tests/ui/FindControl.h"

namespace mirvane {
namespace {

// The window's option state as the options object would hold it.
TOptions Shown(const TForm1& F)
{
    TOptions Options;
    Options.InDiaspora = Find<QAction>(F, "Diaspora1")->isChecked();
    Options.ByJMonth = Find<QAction>(F, "JewishMonth1")->isChecked();
    Options.PlainAdarIsAdar1 = Find<QAction>(F, "Adar11")->isChecked();
    Options.DateOrder = Find<QAction>(F, "mmddyy1")->isChecked() ? 0 : Find<QAction>(F, "ddmmyy1")->isChecked() ? 1 : 2;
    Options.StartTab = Find<QTabWidget>(F, "PageControl1")->currentIndex();
    return Options;
}

TOptions Loaded()
{
    TOptions Options;
    Options.GetOptions();
    return Options;
}

class DamagedStoreWindow : public WindowTest {
protected:
    // The first run's date order is the locale's; asked of an empty store,
    // after which the process is pointed back at this test's store.
    DamagedStoreWindow()
    {
        {
            const TemporaryStore Empty;
            LocaleOrder = Loaded().DateOrder;
        }
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, Store.FolderPath());
    }

    // Starts the window, uses it a little and shuts it down; returns the
    // options it started with.
    TOptions StartUseAndQuit(const std::function<void(TForm1&)>& Change)
    {
        TForm1& F = Start();
        const TOptions AtStart = Shown(F);
        Find<QLineEdit>(F, "Edit23")->setText(QStringLiteral("5758"));
        Find<QPushButton>(F, "Button1")->click();
        Find<QLineEdit>(F, "Edit1")->setText(QStringLiteral("1/12/70"));
        Change(F);
        Find<QAction>(F, "Quit1")->trigger();
        Form.reset();
        return AtStart;
    }
    void ChooseIsrael(TForm1& F) const { Find<QAction>(F, "Israel1")->trigger(); }

    std::int32_t LocaleOrder = 1;
};

TEST_F(DamagedStoreWindow, GarbageStartsWithTheFirstRunDefaultsAndIsReplacedByAGoodStore)
{
    std::mt19937 Random(1);
    QByteArray Noise(65536, '\0');
    for (char& Byte : Noise)
        Byte = static_cast<char>(Random());
    Store.WriteRaw(Noise);
    TOptions Expected;
    Expected.DateOrder = LocaleOrder;
    EXPECT_EQ(StartUseAndQuit([this](TForm1& F) { ChooseIsrael(F); }), Expected);
    Expected.InDiaspora = false;
    EXPECT_EQ(Loaded(), Expected);
}

TEST_F(DamagedStoreWindow, UnusableValuesStartAtTheirDefaultsAndAreWrittenBackSound)
{
    Store.WriteRaw("[Options]\nDateOrder=2147483648\nStartTab=-2147483648\nByJMonth=@Rect(1 2 3 4)\n"
                   "Diaspora=0\nStamAdar1=99999999999999999999\n");
    TOptions Expected;
    Expected.InDiaspora = false;
    EXPECT_EQ(StartUseAndQuit([](TForm1&) {}), Expected);
    // The stored start page was no page: the one shown is written back.
    EXPECT_EQ(Loaded(), Expected);
    EXPECT_EQ(Store.Stored().at("StartTab"), QStringLiteral("1"));
}

TEST_F(DamagedStoreWindow, AStoreThatCannotBeWrittenIsLeftAlone)
{
    QFile Blocker(Store.FolderPath() + QStringLiteral("/Tellwen"));
    ASSERT_TRUE(Blocker.open(QIODevice::WriteOnly));
    Blocker.close();
    TOptions Expected;
    Expected.DateOrder = LocaleOrder;
    EXPECT_EQ(StartUseAndQuit([this](TForm1& F) { ChooseIsrael(F); }), Expected);
    EXPECT_TRUE(QFileInfo(Blocker.fileName()).isFile());
    EXPECT_EQ(Loaded(), Expected);
}

TEST_F(DamagedStoreWindow, AReadOnlyStoreIsFollowedAndLeftAsItIs)
{
    const TOptions Stored{2, false, true, true, 3};
    Stored.SaveOptions();
    const TReadOnlyStore ReadOnly(Store);
    if (!ReadOnly.Holds())
        GTEST_SKIP() << "this file system lets this user write anywhere";
    EXPECT_EQ(StartUseAndQuit([this](TForm1& F) { ChooseIsrael(F); Find<QAction>(F, "GregorianMonth1")->trigger(); }), Stored);
    EXPECT_EQ(FileContent(Store.FilePath()), ReadOnly.Content);
    EXPECT_EQ(QDir(ReadOnly.Folder).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("Mirvane.conf")});
}

}  // namespace
}  // namespace mirvane
