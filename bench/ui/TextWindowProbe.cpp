// A Qt main window with a menu bar and one line of text, started the same
// way: what showing any text at all costs beside the bare window, which
// draws none and so never loads a font.

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>

#include "bench/ui/FirstPaint.h"

int main(int argc, char** argv)
{
    QApplication Application(argc, argv);
    QMainWindow Window;
    Window.setWindowTitle(QStringLiteral("Text"));
    for (const char* Menu : {"&File", "&Options", "&Help"}) {
        Window.menuBar()->addMenu(QString::fromLatin1(Menu));
    }
    Window.setCentralWidget(new QLabel(QStringLiteral("Tuesday 8 December 2026")));
    Window.resize(469, 452);
    Window.show();
    new mirvane::TFirstPaint(Window);
    return QApplication::exec();
}
