// A Qt main window of the program's kind, started the same way: a menu bar,
// a tab for each of its pages with a line of text on each, at the size given as WIDTHxHEIGHT
// (the program's window, as the start-up benchmark measured it). Like the
// program, it pays for the fonts before its first frame.

#include <cstdio>

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QTabWidget>

#include "bench/ui/FirstPaint.h"

int main(int argc, char** argv)
{
    QApplication Application(argc, argv);
    int Width = 0;
    int Height = 0;
    if (argc < 2 || std::sscanf(argv[1], "%dx%d", &Width, &Height) != 2) {
        std::fputs("usage: tabs_window_probe WIDTHxHEIGHT\n", stderr);
        return 2;
    }
    QMainWindow Window;
    Window.setWindowTitle(QStringLiteral("Tabs"));
    for (const char* Menu : {"&File", "&Options", "&Help"}) {
        Window.menuBar()->addMenu(QString::fromLatin1(Menu));
    }
    auto* Tabs = new QTabWidget;
    for (const char* Caption : {"Calendar", "Birthdays/Yahrtzeits", "Festivals", "Year Details", "Dates to Remember",
                                "Times"}) {
        Tabs->addTab(new QLabel(QStringLiteral("Tuesday 8 December 2026")), QString::fromLatin1(Caption));
    }
    Window.setCentralWidget(Tabs);
    Window.resize(Width, Height);
    Window.show();
    new mirvane::TFirstPaint(Window);
    return QApplication::exec();
}
