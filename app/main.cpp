#include <QGuiApplication>

#include "app/AppIcon.h"
#include "app/Application.h"

int main(int argc, char** argv)
{
    // Lets the desktop match the window to the launcher entry and its icon.
    QGuiApplication::setDesktopFileName(QString::fromLatin1(mirvane::AppId));
    return mirvane::RunApplication(argc, argv);
}
