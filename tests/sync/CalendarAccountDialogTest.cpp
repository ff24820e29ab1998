// The window's side: the Calendar Account dialog finds the calendars on a
// real server, and the background sync fills the one chosen.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <QThread>
#include <functional>
#include <gtest/gtest.h>

#include "caldav/CalDavDiscovery.h"
#include "tests/settings/TemporaryStore.h"
#include "tests/sync/SyncFixture.h"
#include "ui/BackgroundSync.h"
#include "ui/CalendarAccountDialog.h"

namespace mirvane {
namespace {

bool WaitFor(const std::function<bool()>& Done, int Ms)
{
    QElapsedTimer Waited;
    Waited.start();
    while (!Done() && Waited.elapsed() < Ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(10);
    }
    return Done();
}

template <typename TWidget>
TWidget* Control(QWidget& Dialog, const char* Name)
{
    auto* Found = Dialog.findChild<TWidget*>(QString::fromLatin1(Name));
    EXPECT_NE(Found, nullptr) << Name;
    return Found;
}

TEST(CalendarAccountDialog, FindsTheCalendarsAndTheBackgroundSyncFillsTheOneChosen)
{
    const TemporaryStore Settings;
    TSyncFixture Fixture;
    ASSERT_TRUE(Fixture.Server.Running()) << Fixture.Server.Problem().toStdString();
    Fixture.AddDates(2);
    TCalDavConnection Connection(Fixture.Request().Account);
    const QUrl Family = MakeCalendar(Connection, DiscoverCalendars(Connection).Home, QStringLiteral("Family"));

    TCalendarAccountDialog Dialog(TSyncSettings{});
    auto* Address = Control<QLineEdit>(Dialog, "AddressEdit");
    auto* Calendars = Control<QComboBox>(Dialog, "CalendarBox");
    ASSERT_TRUE(Address && Calendars);
    EXPECT_EQ(Address->accessibleName(), QStringLiteral("Server address"));
    EXPECT_EQ(Calendars->accessibleName(), QStringLiteral("Calendars"));
    QTest::keyClicks(Address, QStringLiteral("http://cloud.example.org"));
    EXPECT_FALSE(Control<QPushButton>(Dialog, "FindButton")->isEnabled());
    Address->setText(Fixture.Server.Root().toString());
    QTest::keyClicks(Control<QLineEdit>(Dialog, "UserEdit"), QStringLiteral("alice"));
    QTest::keyClicks(Control<QLineEdit>(Dialog, "PasswordEdit"), QStringLiteral("secret"));
    Control<QSpinBox>(Dialog, "YearsBox")->setValue(2);
    Control<QCheckBox>(Dialog, "FestivalsBox")->click();
    Control<QPushButton>(Dialog, "FindButton")->click();
    ASSERT_TRUE(WaitFor([&] { return Calendars->count() == 2; }, 20000));
    EXPECT_EQ(Calendars->itemText(0), QStringLiteral("Family"));
    Calendars->setCurrentIndex(0);
    Dialog.accept();
    const TSyncSettings Chosen = Dialog.Chosen();
    EXPECT_EQ(QUrl(Chosen.Calendar).path(), Family.path());
    EXPECT_EQ(Chosen.Years, 2);
    EXPECT_TRUE(Chosen.Festivals);
    EXPECT_FALSE(Chosen.Candles);
    Chosen.Save();

    TBackgroundSync Sync(Fixture.Folder.Store());
    Sync.SetPassword(Dialog.Password());
    QSignalSpy Status(&Sync, &TBackgroundSync::StatusChanged);
    Sync.Start();
    ASSERT_TRUE(WaitFor([&] { return !Sync.Running(); }, 60000));
    ASSERT_EQ(Status.size(), 2);
    EXPECT_EQ(Status[0][0].toString(), QStringLiteral("Syncing…"));
    EXPECT_TRUE(Status[1][0].toString().startsWith(QStringLiteral("Synced "))) << Status[1][0].toString().toStdString();
    // The dates to remember, and the festivals ticked.
    const std::map<std::string, std::string> Objects = Fixture.ServerObjects(Family);
    const auto Festivals = std::count_if(Objects.begin(), Objects.end(), [](const auto& Object) {
        return Object.first.find("-festival-") != std::string::npos;
    });
    EXPECT_GT(Festivals, 20);
    EXPECT_EQ(Objects.size(), Fixture.WantedUids(2).size() + static_cast<std::size_t>(Festivals));
}

}  // namespace
}  // namespace mirvane

int main(int Count, char** Arguments)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication Application(Count, Arguments);
    ::testing::InitGoogleTest(&Count, Arguments);
    return RUN_ALL_TESTS();
}
