// Mirvane started exactly as the program starts, ending after its first
// painted frame.

#include "bench/ui/FirstPaint.h"
#include "app/Application.h"

int main(int argc, char** argv)
{
    return mirvane::RunApplication(argc, argv, [](QWidget& Window) { new mirvane::TFirstPaint(Window); });
}
