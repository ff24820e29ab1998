// A bare Qt main window started the same way, for comparison.

#include <QApplication>
#include <QMainWindow>

#include "bench/ui/FirstPaint.h"

int main(int argc, char** argv)
{
    QApplication Application(argc, argv);
    QMainWindow Window;
    Window.setWindowTitle(QStringLiteral("Bare"));
    Window.resize(469, 452);
    Window.show();
    new mirvane::TFirstPaint(Window);
    return QApplication::exec();
}
