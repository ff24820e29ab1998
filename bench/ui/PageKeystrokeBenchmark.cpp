// One keystroke on each working page, end to end: the key goes to the box of
// a shown window (offscreen platform unless another is named), the box
// changes, the page's handler recomputes everything, writes its outputs and
// moves the month grid. The Birthdays/Yahrtzeits and Festivals pages list
// 200 years. Each keystroke is timed alone; the key that restores the text
// for the next one is not. The "AndPaint" runs also paint the page; the
// Calendar page's grid is timed painting alone.

#include <chrono>
#include <memory>

#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTableWidget>
#include <QTest>

#include "engine/DateServices.h"
#include "grid/MirvaneGrid.h"
#include "widgets/MessageBox.h"
#include "ui/Mirvane.h"
#include "settings/LocationSettings.h"
#include "tests/ui/FindControl.h"

namespace mirvane {
namespace {

// The window of the run, made and freed by main while the application lives.
TForm1* TheWindow = nullptr;

TForm1& Window()
{
    return *TheWindow;
}

void Retype(QLineEdit& Box, const char* Text)
{
    Box.setFocus();
    Box.selectAll();
    QTest::keyClicks(&Box, QString::fromLatin1(Text));
}

// Times typing Key at the end of Box, then takes it back untimed.
void TimeKeystrokes(benchmark::State& State, QLineEdit& Box, Qt::Key Key, bool Paint)
{
    QApplication::processEvents();
    for (auto _ : State) {
        const auto Start = std::chrono::steady_clock::now();
        QTest::keyClick(&Box, Key);
        if (Paint) {
            QApplication::processEvents();
        }
        State.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - Start).count());
        QTest::keyClick(&Box, Qt::Key_Backspace);
        QApplication::processEvents();
    }
}

void BirthdaysKeystroke(benchmark::State& State, bool Paint)
{
    TForm1& F = Window();
    Find<QTabWidget>(F, "PageControl1")->setCurrentIndex(TForm1::BirthdaysPage);
    Find<QAction>(F, "ddmmyy1")->trigger();
    Retype(*Find<QLineEdit>(F, "Edit3"), "1995");
    Retype(*Find<QLineEdit>(F, "Edit25"), "200");
    Retype(*Find<QLineEdit>(F, "Edit1"), "1/12/197");  // the key makes it 1/12/1970
    TimeKeystrokes(State, *Find<QLineEdit>(F, "Edit1"), Qt::Key_0, Paint);
    QTest::keyClick(Find<QLineEdit>(F, "Edit1"), Qt::Key_0);
    if (Find<QPlainTextEdit>(F, "Memo4")->isHidden()) {
        State.SkipWithError("no list shown");
    }
}

void FestivalsKeystroke(benchmark::State& State, bool Paint)
{
    TForm1& F = Window();
    Find<QTabWidget>(F, "PageControl1")->setCurrentIndex(TForm1::FestivalsPage);
    Retype(*Find<QLineEdit>(F, "Edit13"), "1995");
    Retype(*Find<QLineEdit>(F, "Edit27"), "200");
    Retype(*Find<QComboBox>(F, "ComboBox2")->lineEdit(), "Puri");  // the key makes it Purim
    TimeKeystrokes(State, *Find<QComboBox>(F, "ComboBox2")->lineEdit(), Qt::Key_M, Paint);
    QTest::keyClick(Find<QComboBox>(F, "ComboBox2")->lineEdit(), Qt::Key_M);
    if (Find<QPlainTextEdit>(F, "Memo5")->isHidden()) {
        State.SkipWithError("no list shown");
    }
}

void YearDetailsKeystroke(benchmark::State& State, bool Paint)
{
    TForm1& F = Window();
    Find<QTabWidget>(F, "PageControl1")->setCurrentIndex(TForm1::YearDetailsPage);
    Find<QComboBox>(F, "ComboBox1")->setCurrentIndex(12);
    Retype(*Find<QLineEdit>(F, "Edit23"), "578");  // the key makes it 5787
    TimeKeystrokes(State, *Find<QLineEdit>(F, "Edit23"), Qt::Key_7, Paint);
}

// The Times page at Jerusalem (stored by main): the key turns the year 202
// into 2026, so the day's times and the whole month's sheet are worked out
// again.
void TimesKeystroke(benchmark::State& State, bool Paint)
{
    TForm1& F = Window();
    Find<QTabWidget>(F, "PageControl1")->setCurrentIndex(TForm1::TimesPage);
    Retype(*Find<QLineEdit>(F, "EditTimesDate"), "11/12/202");
    TimeKeystrokes(State, *Find<QLineEdit>(F, "EditTimesDate"), Qt::Key_6, Paint);
    if (Find<QTableWidget>(F, "GridMonthTimes")->rowCount() == 0) {
        State.SkipWithError("no month sheet shown");
    }
}

// The same page from one whole month to another: the key turns 11/1/2026
// into 11/12/2026 (and the untimed backspace turns it back), so every text of
// both tables changes and is measured for its columns and rows again.
void TimesMonthKeystroke(benchmark::State& State, bool Paint)
{
    TForm1& F = Window();
    Find<QTabWidget>(F, "PageControl1")->setCurrentIndex(TForm1::TimesPage);
    QLineEdit& Box = *Find<QLineEdit>(F, "EditTimesDate");
    Retype(Box, "11/1/2026");
    Box.setCursorPosition(4);
    TimeKeystrokes(State, Box, Qt::Key_2, Paint);
    if (Find<QTableWidget>(F, "GridMonthTimes")->rowCount() == 0) {
        State.SkipWithError("no month sheet shown");
    }
}

// Every tick of Options > Show on the Calendar, learning included, set to On.
void TickEveryGroup(TForm1& F, bool On)
{
    for (const char* Menu : {"ShowOnCalendar1", "DailyLearning1"})
        for (QAction* Tick : Find<QMenu>(F, Menu)->actions())
            if (Tick->isCheckable() && Tick->isChecked() != On)
                Tick->trigger();
}

// The Calendar page's grid painted once on a month of the Omer, with the
// festivals and portions alone or with every group of the luach and every
// learning cycle.
void CalendarPaint(benchmark::State& State, bool WholeLuach)
{
    TForm1& F = Window();
    Find<QTabWidget>(F, "PageControl1")->setCurrentIndex(TForm1::CalendarPage);
    TickEveryGroup(F, WholeLuach);
    TMirvaneGrid& Grid = *Find<TMirvaneGrid>(F, "MirvaneGrid1");
    Grid.SetDate(EncodeDate(2027, 5, 12));
    QApplication::processEvents();
    for (auto _ : State) {
        const auto Start = std::chrono::steady_clock::now();
        Grid.repaint();
        State.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - Start).count());
    }
}

BENCHMARK_CAPTURE(BirthdaysKeystroke, TwoHundredYears, false)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(FestivalsKeystroke, TwoHundredYears, false)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(YearDetailsKeystroke, OneYear, false)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BirthdaysKeystroke, TwoHundredYearsAndPaint, true)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(FestivalsKeystroke, TwoHundredYearsAndPaint, true)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(YearDetailsKeystroke, OneYearAndPaint, true)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(TimesKeystroke, DayAndMonth, false)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(TimesKeystroke, DayAndMonthAndPaint, true)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(TimesMonthKeystroke, MonthToMonthAndPaint, true)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(CalendarPaint, Festivals, false)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(CalendarPaint, WholeLuach, true)->UseManualTime()->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace mirvane

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // The window reads and writes its options in a folder of its own.
    const QTemporaryDir Settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, Settings.path());
    mirvane::TLocation{"Jerusalem", "Israel", 31.76904, 35.21633, "Asia/Jerusalem", 40, 0}.Save();
    QApplication Application(argc, argv);
    // Nothing here should fail; if something does, it must not wait for a click.
    mirvane::SetMessageBoxFunction([](mirvane::TBoxKind, const QString&) {});
    const auto Window = std::make_unique<mirvane::TForm1>();
    Window->show();
    if (!QTest::qWaitForWindowExposed(Window.get())) {
        return 1;
    }
    mirvane::TheWindow = Window.get();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
