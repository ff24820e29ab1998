// The whole window under tens of thousands of random actions from a fixed
// seed. It must stay alive and consistent, show no box but the documented
// ones, and answer correctly afterwards.

#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "grid/MirvaneGrid.h"
#include "settings/Options.h"
#include "tests/hardening/RandomUse.h"
#include "tests/hardening/WindowFixture.h"
#include "tests/ui/FindControl.h"

namespace mirvane {
namespace {

constexpr std::uint64_t DefaultSeed = 20261207;
constexpr long DefaultEvents = 40000;

std::uint64_t FromEnvironment(const char* Name, std::uint64_t Default)
{
    const char* Text = std::getenv(Name);
    return Text != nullptr && *Text != '\0' ? std::strtoull(Text, nullptr, 10) : Default;
}

// The error boxes the window may show, its one message, and the Dates to
// Remember page's refusals and question.
bool IsDocumentedBox(const BoxCapture::TBox& Box)
{
    if (Box.first == TBoxKind::Error)
        return Box.second == QStringLiteral("Invalid argument to date encode.") ||
               Box.second == QStringLiteral("Invalid Jewish Month.");
    if (Box.first == TBoxKind::Question)
        return Box.second.startsWith(QStringLiteral("Delete \""));
    for (const char* Refusal : {"The name of the occasion ", "The date is not a valid date.",
                                "Enter the date of the occasion", "The Jewish date ", "The number of days before "}) {
        if (Box.second.startsWith(QString::fromLatin1(Refusal)))
            return true;
    }
    // The Times page's date box tells of a wrong date once it is left.
    if (Box.second.contains(QStringLiteral("is no date the page can show")))
        return true;
    return Box.second.startsWith(QStringLiteral("Note: Gregorian dates before"));
}

using RandomUse = WindowTest;

TEST_F(RandomUse, TheWindowSurvivesRandomActionsAndStillAnswers)
{
    const std::uint64_t Seed = FromEnvironment("MIRVANE_RANDOM_SEED", DefaultSeed);
    const long Events = static_cast<long>(FromEnvironment("MIRVANE_RANDOM_EVENTS", DefaultEvents));
    std::printf("random use: seed %llu, %ld events (MIRVANE_RANDOM_SEED=%llu replays it)\n",
                static_cast<unsigned long long>(Seed), Events, static_cast<unsigned long long>(Seed));
    std::fflush(stdout);
    RecordProperty("seed", std::to_string(Seed));

    TForm1& F = Start();
    F.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&F));
    F.activateWindow();
    // The About dialog is modal: answer it as the message boxes are.
    QTimer Closer;
    QObject::connect(&Closer, &QTimer::timeout, [] {
        if (QWidget* Modal = QApplication::activeModalWidget())
            Modal->close();
    });
    Closer.start(5);

    // The Calendar page's year boxes show the years of the selected date
    // after every report of the grid, until the user edits one of them.
    bool BoxesFollowGrid = false;
    int Reporting = 0;
    const auto Forward = Find<TMirvaneGrid>(F, "MirvaneGrid1")->OnChange;
    Find<TMirvaneGrid>(F, "MirvaneGrid1")->OnChange = [&](TMirvaneGrid& Grid) {
        ++Reporting;
        Forward(Grid);
        --Reporting;
        BoxesFollowGrid = true;
    };
    for (QLineEdit* Box : {Find<QLineEdit>(F, "Edit20"), Find<QLineEdit>(F, "Edit21")}) {
        QObject::connect(Box, &QLineEdit::textChanged, [&] {
            if (Reporting == 0)
                BoxesFollowGrid = false;
        });
    }

    TRandomUse Use(F, Seed, Watch);
    Use.Verbose = std::getenv("MIRVANE_RANDOM_LOG") != nullptr;
    long Done = 0;
    long BoxChecks = 0;
    for (; Done < Events && !HasFailure(); ++Done) {
        Use.RunEvent(Done);
        if (Done % 8 == 0)
            QCoreApplication::processEvents();
        const auto Report = [&] {
            return "after event " + std::to_string(Done) + " of seed " + std::to_string(Seed) + ":\n" +
                   Use.RecentEvents();
        };
        for (const BoxCapture::TBox& Box : NewBoxes())
            EXPECT_TRUE(IsDocumentedBox(Box)) << Box.second.toStdString() << '\n' << Report();
        TJewishYear Shown;
        ASSERT_NO_THROW(Shown.SetYear(YearDetailsOf(F).Year())) << Report();
        // The Year Details page shows its calculator's year, and the grid
        // widget selects the model's cell.
        EXPECT_EQ(Find<QLineEdit>(F, "Edit5")->text(), QString::number(Shown.CycleNumber)) << Report();
        EXPECT_EQ(Find<QLineEdit>(F, "Edit14")->text(),
                  QString::number(Shown.DaysInMonth(Find<QComboBox>(F, "ComboBox1")->currentIndex() + 1)))
            << "the days shown are those of the month selected\n"
            << Report();
        if (BoxesFollowGrid) {
            ++BoxChecks;
            EXPECT_EQ(Find<QLineEdit>(F, "Edit20")->text() + u'/' + Find<QLineEdit>(F, "Edit21")->text(),
                      QString::number(Find<TMirvaneGrid>(F, "MirvaneGrid1")->CurrentGregorianDate().Year) + u'/' +
                          QString::number(Find<TMirvaneGrid>(F, "MirvaneGrid1")->CurrentJewishDate().Year))
                << "the year boxes follow the grid\n"
                << Report();
        }
        const TMonthGrid& Model = Find<TMirvaneGrid>(F, "MirvaneGrid1")->Model();
        EXPECT_EQ(std::make_pair(Find<TMirvaneGrid>(F, "MirvaneGrid1")->Col(), Find<TMirvaneGrid>(F, "MirvaneGrid1")->Row()),
                  std::make_pair(Model.SelectedCol(), Model.SelectedRow()))
            << "the grid's selected cell and its model's\n"
            << Report();
    }
    std::printf("random use: %ld events survived, %zu boxes answered, year boxes checked after %ld\n", Done,
                Captured.Boxes.size(), BoxChecks);
    Closer.stop();
    QApplication::closeAllWindows();
    F.show();

    // Alive and answering: each page computes as it should, in English,
    // which the menus' keys may have left.
    Find<QAction>(F, "LanguageEnglish1")->trigger();
    Find<QAction>(F, "Diaspora1")->trigger();
    Find<QAction>(F, "ddmmyy1")->trigger();
    if (Find<QAction>(F, "HebrewNames1")->isChecked())
        Find<QAction>(F, "HebrewNames1")->trigger();
    Find<QLineEdit>(F, "Edit23")->setText(QStringLiteral("5787"));
    EXPECT_EQ(Find<QLineEdit>(F, "Edit5")->text(), QStringLiteral("305"));
    EXPECT_EQ(Find<QLineEdit>(F, "Edit26")->text(), QStringLiteral("Saturday 12 September 2026"));
    Find<QCheckBox>(F, "CheckBox2")->setChecked(false);
    Find<QRadioButton>(F, "RadioButton2")->setChecked(true);
    Find<QLineEdit>(F, "Edit25")->setText(QStringLiteral("3"));
    Find<QLineEdit>(F, "Edit3")->setText(QStringLiteral("1995"));
    Find<QLineEdit>(F, "Edit1")->setText(QStringLiteral("1/12/70"));
    EXPECT_EQ(Find<QLineEdit>(F, "Edit2")->text(), QStringLiteral("3 Kislev 5731"));
    EXPECT_EQ(Find<QLineEdit>(F, "Edit4")->text(), QStringLiteral("Sunday 26 November 1995"));
    Find<QLineEdit>(F, "Edit27")->clear();
    Find<QLineEdit>(F, "Edit13")->setText(QStringLiteral("1995"));
    Find<QComboBox>(F, "ComboBox2")->setEditText(QStringLiteral("Purim"));
    EXPECT_EQ(Find<QLineEdit>(F, "Edit15")->text(), QStringLiteral("Thursday 16 March 1995"));
    EXPECT_EQ(Find<TMirvaneGrid>(F, "MirvaneGrid1")->CurrentDate(), EncodeDate(1995, 3, 16));
    EXPECT_EQ(Find<QLineEdit>(F, "Edit20")->text(), QStringLiteral("1995"));
    for (const BoxCapture::TBox& Box : NewBoxes())
        ADD_FAILURE() << "box after the random actions: " << Box.second.toStdString();

    // And it closes normally, keeping what was chosen.
    Find<QAction>(F, "GregorianMonth1")->trigger();
    Find<QTabWidget>(F, "PageControl1")->setCurrentIndex(TForm1::FestivalsPage);
    Find<QAction>(F, "Quit1")->trigger();
    EXPECT_FALSE(F.isVisible());
    Form.reset();
    TOptions Stored;
    Stored.GetOptions();
    EXPECT_EQ(Stored.StartTab, TForm1::FestivalsPage);
    EXPECT_TRUE(Stored.InDiaspora);
    EXPECT_EQ(Stored.DateOrder, 1);
}

}  // namespace
}  // namespace mirvane
