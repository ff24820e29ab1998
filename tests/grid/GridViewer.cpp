// A window with nothing but the month grid, for looking at it by eye:
//   grid_viewer YEAR MONTH DAY [jewish] [point-size]
// "jewish" shows Jewish-month pages with the Jewish day selected.
#include <QApplication>
#include <QFont>
#include <QString>
#include <QWidget>

#include "engine/DateServices.h"
#include "grid/GridShape.h"
#include "grid/MirvaneGrid.h"

int main(int argc, char** argv)
{
    QApplication Application(argc, argv);
    const QStringList Arguments = QApplication::arguments();
    if (Arguments.size() < 4)
        return 2;
    if (Arguments.size() > 5)
        QApplication::setFont(QFont(QApplication::font().family(), Arguments[5].toInt()));

    QWidget Window;
    Window.resize(361, 381);
    mirvane::TMirvaneGrid Grid(&Window);
    Grid.setGeometry(8, 4, 345, 369);
    try {
        Grid.SetDate(mirvane::EncodeDate(Arguments[1].toInt(), Arguments[2].toInt(), Arguments[3].toInt()));
        if (Arguments.size() > 4 && Arguments[4] == QStringLiteral("jewish")) {
            Grid.SetJewishMonthMode(true);
            Grid.SetJewishPart(mirvane::DayPart, Grid.CurrentJewishDate().Day);
        }
    } catch (const std::exception&) {
        return 1;
    }
    Window.show();
    Window.activateWindow();
    Grid.setFocus();
    return QApplication::exec();
}
