// The window's side: the Calendar Account dialog finds the calendars on a
// real server, and the background sync fills the one chosen.
#include <QApplication>
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
    QTest::keyClicks(Address, QStringLiteral("http://cloud.example.org"));
    EXPECT_FALSE(Control<QPushButton>(Dialog, "FindButton")->isEnabled());
    Address->setText(Fixture.Server.Root().toString());
    QTest::keyClicks(Control<QLineEdit>(Dialog, "UserEdit"), QStringLiteral("alice"));
    QTest::keyClicks(Control<QLineEdit>(Dialog, "PasswordEdit"), QStringLiteral("secret"));
    Control<QSpinBox>(Dialog, "YearsBox")->setValue(2);
    Control<QPushButton>(Dialog, "FindButton")->click();
    ASSERT_TRUE(WaitFor([&] { return Calendars->count() == 2; }, 20000));
    EXPECT_EQ(Calendars->itemText(0), QStringLiteral("Family"));
    Calendars->setCurrentIndex(0);
    Dialog.accept();
    const TSyncSettings Chosen = Dialog.Chosen();
    EXPECT_EQ(QUrl(Chosen.Calendar).path(), Family.path());
    EXPECT_EQ(Chosen.Years, 2);
    Chosen.Save();

    TBackgroundSync Sync(Fixture.Folder.Store());
    Sync.SetPassword(Dialog.Password());
    QSignalSpy Status(&Sync, &TBackgroundSync::StatusChanged);
    Sync.Start();
    ASSERT_TRUE(WaitFor([&] { return !Sync.Running(); }, 60000));
    ASSERT_EQ(Status.size(), 2);
    EXPECT_EQ(Status[0][0].toString(), QStringLiteral("Syncing…"));
    EXPECT_TRUE(Status[1][0].toString().startsWith(QStringLiteral("Synced "))) << Status[1][0].toString().toStdString();
    EXPECT_EQ(Fixture.ServerObjects(Family).size(), Fixture.WantedUids(2).size());
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
