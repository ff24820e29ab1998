#include "ui/Application.h"

int main(int argc, char** argv)
{
    return mirvane::RunApplication(argc, argv);
}
