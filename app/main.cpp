#include <QApplication>

#include "app/AppIcon.h"
#include "app/Application.h"

namespace {

// The main window and every dialog carry the program's icon. It is set the
// moment the application object exists, before the first window is made;
// an icon cannot be loaded any earlier.
void SetApplicationIcon()
{
    QApplication::setWindowIcon(mirvane::AppIcon());
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(SetApplicationIcon)

int main(int argc, char** argv)
{
    // Lets the desktop match the window to the launcher entry and its icon.
    QGuiApplication::setDesktopFileName(QString::fromLatin1(mirvane::AppId));
    return mirvane::RunApplication(argc, argv);
}
