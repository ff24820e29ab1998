// The Dates to Remember page over a long list: the page made, its store
// opened, the list sorted by date this year and painted, timed from the
// switch to its tab until it is on screen.

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include "bench/remember/StoreSeed.h"
#include "widgets/MessageBox.h"
#include "ui/Mirvane.h"
#include "tests/ui/FindControl.h"
#include "ui/RememberTab.h"

namespace mirvane {
namespace {

void ShowLongListByDate(benchmark::State& State)
{
    for (auto _ : State) {
        // Each window starts on another page, whatever the last one closed on.
        QSettings(QStringLiteral("Tellwen"), QStringLiteral("Mirvane")).setValue(QStringLiteral("Options/StartTab"), 1);
        const auto Window = std::make_unique<TForm1>();
        if (Window->findChild<QTreeWidget*>(QStringLiteral("ListView1")) != nullptr) {
            State.SkipWithError("the page was made before it was shown");
            return;
        }
        Window->show();
        if (!QTest::qWaitForWindowExposed(Window.get())) {
            State.SkipWithError("no window");
            return;
        }
        const auto Start = std::chrono::steady_clock::now();
        Find<QTabWidget>(*Window, "PageControl1")->setCurrentIndex(TForm1::RememberPage);
        Window->repaint();
        const auto End = std::chrono::steady_clock::now();
        State.SetIterationTime(std::chrono::duration<double>(End - Start).count());
        if (Find<QTreeWidget>(*Window, "ListView1")->topLevelItemCount() != State.range(0))
            State.SkipWithError("the list is not whole");
    }
}
BENCHMARK(ShowLongListByDate)->Arg(10000)->UseManualTime()->Unit(benchmark::kMillisecond);

// Refreshing the shown list, as activating the window does.
void RefreshLongList(benchmark::State& State)
{
    const auto Window = std::make_unique<TForm1>();
    Window->show();
    if (!QTest::qWaitForWindowExposed(Window.get())) {
        State.SkipWithError("no window");
        return;
    }
    Find<QTabWidget>(*Window, "PageControl1")->setCurrentIndex(TForm1::RememberPage);
    for (auto _ : State) {
        static_cast<TRememberTab&>(Window->Page(TForm1::RememberPage)).RefreshList();
        Window->repaint();
    }
}
BENCHMARK(RefreshLongList)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace mirvane

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // The window's options and its list in folders of their own; the list
    // sorted by date this year.
    const QTemporaryDir Settings;
    const QTemporaryDir Data;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, Settings.path());
    qputenv("XDG_DATA_HOME", Data.path().toLocal8Bit());
    QApplication Application(argc, argv);
    QSettings(QStringLiteral("Tellwen"), QStringLiteral("Mirvane")).setValue(QStringLiteral("Remember/SortBy"), 1);
    mirvane::SeedStore(std::filesystem::path(Data.path().toStdString()) / "Tellwen" / "Mirvane" / "remember.sqlite",
                       10000);
    mirvane::SetMessageBoxFunction([](mirvane::TBoxKind, const QString&) {});
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
