#include <functional>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "tests/ui/FormFixture.h"
#include "ui/AboutForm.h"
#include "tests/ui/FindControl.h"

namespace mirvane {
namespace {

using HelpMenu = FormTest;

const QString NoteText = QStringLiteral(
    "Note: Gregorian dates before 15 Oct 1582 are inaccurate\n"
    "The calendar was changed at this date, and this program assumes a theoretical calendar which didn't change");

TEST_F(HelpMenu, NotesShowsTheSameTwoLinesEveryTime)
{
    TForm1& F = Start();
    Find<QAction>(F, "MenuNotes")->trigger();
    Find<QAction>(F, "MenuNotes")->trigger();
    ASSERT_EQ(Captured.Boxes.size(), 2U);
    for (const auto& [Kind, Text] : Captured.Boxes) {
        EXPECT_EQ(Kind, TBoxKind::Message);
        EXPECT_EQ(Text, NoteText);
    }
}

// Closes the About dialog once it is shown modally, the way Close says.
void CloseAboutWhenShown(const std::function<void(TFormAbout&)>& CloseIt, bool& Seen)
{
    QTimer::singleShot(0, [CloseIt, &Seen] {
        auto* About = qobject_cast<TFormAbout*>(QApplication::activeModalWidget());
        Seen = About != nullptr;
        if (About != nullptr) {
            CloseIt(*About);
        }
    });
}

TEST_F(HelpMenu, AboutIsModalAndFreedWhicheverWayItCloses)
{
    TForm1& F = Start();
    F.show();
    // One version everywhere: the box says what mirvane-cli --version says.
    QProcess Cli;
    Cli.start(QStringLiteral(MIRVANE_CLI_PROGRAM), {QStringLiteral("--version")});
    ASSERT_TRUE(Cli.waitForFinished());
    const QString CliVersion = QString::fromUtf8(Cli.readAllStandardOutput()).trimmed();
    ASSERT_TRUE(CliVersion.startsWith(QStringLiteral("mirvane-cli "))) << CliVersion.toStdString();
    const QString Version = QStringLiteral("Version ") + CliVersion.mid(12);
    const std::function<void(TFormAbout&)> Closers[] = {
        [Version](TFormAbout& About) {
            EXPECT_EQ(About.windowTitle(), QStringLiteral("About Mirvane"));
            EXPECT_EQ(About.LabelAppName->text(), QStringLiteral("Mirvane"));
            EXPECT_TRUE(About.LabelAppName->font().bold());
            EXPECT_EQ(About.LabelVersion->text(), Version);
            EXPECT_EQ(About.minimumSize(), About.maximumSize()) << "fixed size";
            EXPECT_TRUE(About.isModal());
            QTest::mouseClick(About.ButtonOk, Qt::LeftButton);
        },
        [](TFormAbout& About) { About.close(); },
        [](TFormAbout& About) { QTest::keyClick(&About, Qt::Key_Escape); },
    };
    for (const auto& CloseIt : Closers) {
        bool Seen = false;
        CloseAboutWhenShown(CloseIt, Seen);
        Find<QAction>(F, "MenuAbout")->trigger();
        EXPECT_TRUE(Seen);
        EXPECT_TRUE(F.findChildren<TFormAbout*>().isEmpty());
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    }
    EXPECT_TRUE(Captured.Boxes.empty());
}

}  // namespace
}  // namespace mirvane
