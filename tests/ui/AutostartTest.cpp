#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QProcess>

#include "tests/ui/FormFixture.h"
#include "ui/AutostartEntry.h"
#include "tests/ui/FindControl.h"

namespace mirvane {
namespace {

// The fixture's store points XDG_CONFIG_HOME at its temporary folder.
class Autostart : public FormTest {
protected:
    QString EntryPath() const
    {
        return Store.ConfigHome() + QStringLiteral("/autostart/org.tellwen.Mirvane.Reminders.desktop");
    }
    static QByteArray Read(const QString& Path)
    {
        QFile File(Path);
        return File.open(QIODevice::ReadOnly) ? File.readAll() : QByteArray();
    }
};

TEST_F(Autostart, TickingWritesAValidEntryThatRunsTheReminderAndUntickingRemovesIt)
{
    ASSERT_EQ(AutostartEntryPath(), EntryPath());
    TForm1& F = StartShowing(TForm1::RememberPage);
    ASSERT_NE(Find<QCheckBox>(F, "CheckBoxStart"), nullptr);
    EXPECT_FALSE(Find<QCheckBox>(F, "CheckBoxStart")->isChecked());
    EXPECT_TRUE(Find<QCheckBox>(F, "CheckBoxRun")->isChecked());

    Find<QCheckBox>(F, "CheckBoxStart")->click();
    EXPECT_TRUE(Find<QCheckBox>(F, "CheckBoxStart")->isChecked());
    const QByteArray Entry = Read(EntryPath());
    EXPECT_TRUE(Entry.contains("\nExec=mirvane --remind\n")) << Entry.toStdString();
    EXPECT_EQ(QDir(Store.ConfigHome() + QStringLiteral("/autostart")).entryList(QDir::Files | QDir::Hidden).size(), 1)
        << "a temporary file was left beside the entry";
    QProcess Validate;
    Validate.setProcessChannelMode(QProcess::MergedChannels);
    Validate.start(QStringLiteral("desktop-file-validate"), {EntryPath()});
    ASSERT_TRUE(Validate.waitForFinished(30000));
    EXPECT_EQ(Validate.exitCode(), 0);
    EXPECT_EQ(Validate.readAll(), QByteArray());

    Find<QCheckBox>(F, "CheckBoxStart")->click();
    EXPECT_FALSE(Find<QCheckBox>(F, "CheckBoxStart")->isChecked());
    EXPECT_FALSE(QFile::exists(EntryPath()));
    EXPECT_TRUE(Captured.Boxes.empty());
}

TEST_F(Autostart, TheBoxFollowsTheEntryAtStartAndWhenTheWindowIsActivated)
{
    QString Error;
    ASSERT_TRUE(WriteAutostartEntry(Error)) << Error.toStdString();
    TForm1& F = StartShowing(TForm1::RememberPage);
    EXPECT_TRUE(Find<QCheckBox>(F, "CheckBoxStart")->isChecked());

    ASSERT_TRUE(QFile::remove(EntryPath()));
    QEvent Activate(QEvent::WindowActivate);
    QApplication::sendEvent(&F, &Activate);
    EXPECT_FALSE(Find<QCheckBox>(F, "CheckBoxStart")->isChecked());

    ASSERT_TRUE(WriteAutostartEntry(Error));
    QApplication::sendEvent(&F, &Activate);
    EXPECT_TRUE(Find<QCheckBox>(F, "CheckBoxStart")->isChecked());
}

TEST_F(Autostart, AnUnwritableFolderGetsAMessageAndTheBoxStaysUnticked)
{
    // A plain file where the folder should be: nothing can be made in it.
    QDir().mkpath(Store.ConfigHome());
    QFile Blocker(Store.ConfigHome() + QStringLiteral("/autostart"));
    ASSERT_TRUE(Blocker.open(QIODevice::WriteOnly));
    Blocker.close();
    TForm1& F = StartShowing(TForm1::RememberPage);
    Find<QCheckBox>(F, "CheckBoxStart")->click();
    EXPECT_FALSE(Find<QCheckBox>(F, "CheckBoxStart")->isChecked());
    ASSERT_EQ(Captured.Boxes.size(), 1U);
    EXPECT_TRUE(Captured.Boxes.front().second.contains(QStringLiteral("autostart")));
    EXPECT_EQ(Read(Blocker.fileName()), QByteArray());
}

}  // namespace
}  // namespace mirvane
