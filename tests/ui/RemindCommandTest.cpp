#include <QApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include "engine/GregorianDateText.h"
#include "remember/RememberStore.h"
#include "tests/settings/TemporaryStore.h"
#include "tests/ui/DueDates.h"
#include "ui/ReminderCheck.h"
#include "ui/ReminderWindow.h"

#include <gtest/gtest.h>

namespace mirvane {
namespace {

const QString NotificationsPath = QStringLiteral("/org/freedesktop/Notifications");
const QString NotificationsInterface = QStringLiteral("org.freedesktop.Notifications");

// A private session bus for one test: no real desktop receives anything.
class PrivateBus {
public:
    PrivateBus()
    {
        Daemon.start(QStringLiteral("dbus-daemon"),
                     {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address=1")});
        if (Daemon.waitForStarted(10000) && Daemon.waitForReadyRead(10000)) {
            Address = QString::fromUtf8(Daemon.readLine()).trimmed();
        }
    }
    ~PrivateBus()
    {
        QDBusConnection::disconnectFromBus(QStringLiteral("test-notifications"));
        Daemon.kill();
        Daemon.waitForFinished(10000);
    }
    PrivateBus(const PrivateBus&) = delete;
    PrivateBus& operator=(const PrivateBus&) = delete;

    QString Address;

private:
    QProcess Daemon;
};

// A notification service of the test's own: it records every notification
// and answers as a desktop would.
class FakeNotifications : public QDBusVirtualObject {
public:
    struct TNotification {
        QString Summary;
        QStringList BodyLines;
        QStringList Actions;
    };

    explicit FakeNotifications(const QString& Address)
        : Bus(QDBusConnection::connectToBus(Address, QStringLiteral("test-notifications")))
    {
        Bus.registerVirtualObject(NotificationsPath, this);
        Bus.registerService(NotificationsInterface);
    }

    bool handleMessage(const QDBusMessage& Message, const QDBusConnection& Connection) override
    {
        QVariantList Answer;
        if (Message.member() == QStringLiteral("Notify")) {
            const QVariantList Arguments = Message.arguments();
            Received.push_back({Arguments.value(3).toString(),
                                Arguments.value(4).toString().split(QLatin1Char('\n')),
                                Arguments.value(5).toStringList()});
            Answer = {uint(Received.size())};
        } else if (Message.member() == QStringLiteral("GetCapabilities")) {
            Answer = {QStringList{QStringLiteral("actions"), QStringLiteral("body")}};
        } else {
            return false;
        }
        Connection.send(Message.createReply(Answer));
        return true;
    }
    QString introspect(const QString&) const override { return {}; }

    void Emit(const char* Signal, const QVariantList& Arguments)
    {
        QDBusMessage Message =
            QDBusMessage::createSignal(NotificationsPath, NotificationsInterface, QString::fromLatin1(Signal));
        Message.setArguments(Arguments);
        Bus.send(Message);
    }

    QDBusConnection Bus;
    std::vector<TNotification> Received;
};

// mirvane --remind in a process of its own, on the private bus and the
// test's data and settings folders.
class RemindCommand : public ::testing::Test {
protected:
    void StartRemind()
    {
        QProcessEnvironment Environment = QProcessEnvironment::systemEnvironment();
        Environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), Bus.Address);
        Environment.insert(QStringLiteral("XDG_DATA_HOME"), Data.Path());
        Environment.insert(QStringLiteral("XDG_CONFIG_HOME"), Settings.ConfigHome());
        Environment.insert(QStringLiteral("HOME"), Settings.FolderPath());
        Environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        Remind.setProcessEnvironment(Environment);
        Remind.start(QStringLiteral(MIRVANE_PROGRAM), {QStringLiteral("--remind")});
        ASSERT_TRUE(Remind.waitForStarted(10000));
    }
    // Runs the event loop (so the service answers) until the command ends.
    bool Finished(int Milliseconds = 20000)
    {
        return QTest::qWaitFor([this] { return Remind.state() == QProcess::NotRunning; }, Milliseconds);
    }
    void TearDown() override
    {
        if (Remind.state() != QProcess::NotRunning) {
            Remind.kill();
            Remind.waitForFinished(10000);
        }
    }

    TemporaryStore Settings;
    TemporaryDataHome Data;
    PrivateBus Bus;
    QProcess Remind;
};

TEST_F(RemindCommand, NotifiesTheDueEntriesOnceADay)
{
    ASSERT_FALSE(Bus.Address.isEmpty());
    FakeNotifications Service(Bus.Address);
    ASSERT_TRUE(Service.Bus.isConnected());
    Data.AddOnce("Grandfather's yahrtzeit", 2);
    Data.AddOnce("Anniversary", 0, 0);
    Data.AddOnce("Later", 30);

    StartRemind();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !Service.Received.empty(); }, 20000)) << Remind.readAllStandardError().toStdString();
    const FakeNotifications::TNotification& Sent = Service.Received.front();
    EXPECT_EQ(Sent.Summary, QStringLiteral("Dates to remember"));
    EXPECT_EQ(Sent.BodyLines,
              (QStringList{QStringLiteral("Anniversary, %1, today").arg(QString::fromStdString(GregorianDateText(Today()))),
                           QStringLiteral("Grandfather's yahrtzeit, %1, in 2 days")
                               .arg(QString::fromStdString(GregorianDateText(Today() + 2)))}));
    EXPECT_EQ(Sent.Actions, (QStringList{QStringLiteral("open"), QStringLiteral("Open Mirvane")}));
    // The command waits for the user's answer; a dismissal ends it.
    EXPECT_FALSE(Finished(300));
    Service.Emit("NotificationClosed", {uint(1), uint(2)});
    ASSERT_TRUE(Finished());
    EXPECT_EQ(Remind.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(Remind.exitCode(), 0);

    // Again the same day: nothing new, so nothing is sent and it ends at once.
    StartRemind();
    ASSERT_TRUE(Finished());
    EXPECT_EQ(Remind.exitCode(), 0);
    EXPECT_EQ(Service.Received.size(), 1U);

    // A new entry is told of alone.
    Data.AddOnce("New", 1);
    StartRemind();
    ASSERT_TRUE(QTest::qWaitFor([&] { return Service.Received.size() == 2; }, 20000));
    EXPECT_EQ(Service.Received.back().BodyLines.size(), 1);
    EXPECT_TRUE(Service.Received.back().BodyLines.front().startsWith(QStringLiteral("New, ")));
    // Picking "Open Mirvane" opens the window, which keeps the command running.
    Service.Emit("ActionInvoked", {uint(2), QStringLiteral("open")});
    Service.Emit("NotificationClosed", {uint(2), uint(2)});
    EXPECT_FALSE(Finished(1500));
}

TEST_F(RemindCommand, EndsAtOnceWhenNothingIsDueAndFailsOnADamagedStore)
{
    FakeNotifications Service(Bus.Address);
    StartRemind();  // no store yet: none is made
    ASSERT_TRUE(Finished());
    EXPECT_EQ(Remind.exitCode(), 0);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(DefaultRememberStorePath().string())));

    Data.AddOnce("Next month", 30);
    StartRemind();
    ASSERT_TRUE(Finished());
    EXPECT_EQ(Remind.exitCode(), 0);

    const QString File = QString::fromStdString(DefaultRememberStorePath().string());
    ASSERT_TRUE(QFile::remove(File));
    QFile::remove(File + QStringLiteral("-wal"));
    QFile::remove(File + QStringLiteral("-shm"));
    QFile Damaged(File);
    ASSERT_TRUE(Damaged.open(QIODevice::WriteOnly));
    Damaged.write("not a database of ours, and left as it is");
    Damaged.close();
    StartRemind();
    // At log-in nobody sees standard error: the notification says why.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !Service.Received.empty(); }, 20000));
    Service.Emit("NotificationClosed", {uint(1), uint(2)});
    ASSERT_TRUE(Finished());
    EXPECT_EQ(Remind.exitCode(), 1);
    const QByteArray Message = Remind.readAllStandardError();
    EXPECT_TRUE(Message.startsWith("mirvane: "));
    EXPECT_EQ(Service.Received.front().BodyLines.join(QLatin1Char('\n')).toUtf8(), Message.mid(9).trimmed());
    ASSERT_TRUE(Damaged.open(QIODevice::ReadOnly));
    EXPECT_EQ(Damaged.readAll(), QByteArray("not a database of ours, and left as it is"));
}

// Without a notification service the window tells instead, in this process.
TEST(RemindWithoutService, ShowsTheWindowAndMarksTheEntries)
{
    TemporaryStore Settings;
    TemporaryDataHome Data;
    PrivateBus Bus;  // a bus on which nobody offers notifications
    qputenv("DBUS_SESSION_BUS_ADDRESS", Bus.Address.toUtf8());
    const std::int64_t Id = Data.AddOnce("Tomorrow", 1);
    QStringList Rows;
    QTimer::singleShot(0, [&] {
        ASSERT_TRUE(QTest::qWaitFor([] {
            for (QWidget* Window : QApplication::topLevelWidgets()) {
                if (dynamic_cast<TReminderWindow*>(Window) != nullptr && Window->isVisible()) {
                    return true;
                }
            }
            return false;
        }, 20000));
        for (QWidget* Window : QApplication::topLevelWidgets()) {
            if (auto* Reminder = dynamic_cast<TReminderWindow*>(Window); Reminder != nullptr && Window->isVisible()) {
                Rows.append(Reminder->DueList->topLevelItem(0)->text(0));
                Reminder->CloseButton->click();
            }
        }
    });
    EXPECT_EQ(RunReminderCheck(), 0);
    EXPECT_EQ(Rows, QStringList{QStringLiteral("Tomorrow")});
    const std::vector<TRememberEntry> Entries = Data.Open().List();
    ASSERT_EQ(Entries.size(), 1U);
    EXPECT_EQ(Entries.front().Id, Id);
    EXPECT_EQ(Entries.front().LastNotified, DecodeDate(Today()));
    // Shown once today: a second check ends at once.
    EXPECT_EQ(RunReminderCheck(), 0);
}

}  // namespace
}  // namespace mirvane
