// The main window for looking at by eye and for screenshots, in the light
// palette of the style or in a dark one:
//   mirvane_viewer [dark] [page N] [filled] [about] [festivals] [size WxH] [date YYYY-MM-DD] [tip] [shot FILE]
// "date" turns the grid to that day; "tip" then shows the tooltip of the
// day's text, "showmenu" opens Options > Show on the Calendar and its Daily
// Learning, and "shot" saves the whole screen to hold them.
// "location" shows the Location dialog beside the window, "reminder" a
// reminder window with two dates due (both shot like the About dialog);
// "filled" types a birth date, a festival, a month and list lengths into
// the pages, so that their answers and lists show; "about" shows the About
// dialog beside the window; "filled" with "page 4" also loads the first
// date to remember into the details; "festivals" opens the festival list
// (shoot the screen to see it, as it is a window of its own); "shot" saves a
// screenshot of the window (and of the dialog, to FILE with "-about" before
// the extension) and ends; "size" enlarges the window first. The settings store is the user's own; point
// XDG_CONFIG_HOME at a scratch folder.
#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QHelpEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QFileInfo>
#include <QPixmap>
#include <QScreen>
#include <QStyleFactory>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

#include "app/AppIcon.h"
#include "engine/DateConversion.h"
#include "engine/DateServices.h"
#include "grid/GridShape.h"
#include "grid/MirvaneGrid.h"
#include "tests/app/DarkPalette.h"
#include "ui/AboutForm.h"
#include "ui/LocationDialog.h"
#include "ui/ReminderWindow.h"
#include "ui/Mirvane.h"
#include "tests/ui/FindControl.h"

namespace {

bool Shoot(QWidget& Window, const QString& File)
{
    if (!QTest::qWaitForWindowExposed(&Window)) {
        return false;
    }
    QTest::qWait(300);
    return Window.screen()->grabWindow(Window.winId()).save(File);
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication Application(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setWindowIcon(mirvane::AppIcon());
    const QStringList Arguments = QApplication::arguments();
    const auto Value = [&](const QString& Name) {
        const qsizetype At = Arguments.indexOf(Name);
        return At >= 0 && At + 1 < Arguments.size() ? Arguments[At + 1] : QString();
    };
    if (Arguments.contains(QStringLiteral("dark"))) {
        QApplication::setPalette(mirvane::DarkPalette());
    }

    mirvane::TForm1 Form1;
    if (Arguments.contains(QStringLiteral("filled"))) {
        Find<QLineEdit>(Form1, "Edit25")->setText(QStringLiteral("5"));
        Find<QLineEdit>(Form1, "Edit1")->setText(QStringLiteral("1/12/70"));
        Find<QLineEdit>(Form1, "Edit27")->setText(QStringLiteral("5"));
        Find<QComboBox>(Form1, "ComboBox2")->setEditText(QStringLiteral("Rosh Hashana day 1"));
        // Tishrei, chosen as a user does, which runs the page's handler.
        QComboBox& Month = *Find<QComboBox>(Form1, "ComboBox1");
        Month.setCurrentIndex(6);
        emit Month.activated(6);
    }
    if (const QDate Date = QDate::fromString(Value(QStringLiteral("date")), Qt::ISODate); Date.isValid()) {
        Find<mirvane::TMirvaneGrid>(Form1, "MirvaneGrid1")
            ->SetDate(mirvane::EncodeDate(Date.year(), Date.month(), Date.day()));
    }
    if (const QString Page = Value(QStringLiteral("page")); !Page.isEmpty()) {
        Find<QTabWidget>(Form1, "PageControl1")->setCurrentIndex(Page.toInt());
    }
    // The Dates to Remember page with its first entry loaded into the
    // details; its list is the one in XDG_DATA_HOME.
    if (Arguments.contains(QStringLiteral("filled")) && Form1.findChild<QTreeWidget*>(QStringLiteral("ListView1")) != nullptr &&
        Find<QTreeWidget>(Form1, "ListView1")->topLevelItemCount() > 0) {
        Find<QTreeWidget>(Form1, "ListView1")->setCurrentItem(Find<QTreeWidget>(Form1, "ListView1")->topLevelItem(0));
        Find<QPushButton>(Form1, "BitBtnModify")->click();
    }
    Form1.move(0, 0);
    Form1.show();
    if (const QStringList Size = Value(QStringLiteral("size")).split(u'x'); Size.size() == 2) {
        Form1.resize(Size[0].toInt(), Size[1].toInt());
    }
    mirvane::TFormAbout About;
    if (Arguments.contains(QStringLiteral("about"))) {
        About.move(Form1.frameGeometry().right() + 20, 0);
        About.show();
    }
    mirvane::TLocationDialog Location(std::nullopt, true);
    if (Arguments.contains(QStringLiteral("location"))) {
        Location.move(Form1.frameGeometry().right() + 20, 0);
        Location.show();
    }
    mirvane::TDueReminder Soon{{}, mirvane::Today() + 2, 2};
    Soon.Entry.Occasion = "Grandfather's yahrtzeit";
    mirvane::TReminderWindow Reminder({Soon, {Soon.Entry, mirvane::Today(), 0}}, {});
    if (Arguments.contains(QStringLiteral("reminder"))) {
        Reminder.move(Form1.frameGeometry().right() + 20, 0);
        Reminder.show();
    }
    if (Arguments.contains(QStringLiteral("festivals"))) {
        Find<QTabWidget>(Form1, "PageControl1")->setCurrentIndex(mirvane::TForm1::FestivalsPage);
        Find<QComboBox>(Form1, "ComboBox2")->showPopup();
    }
    const bool Tip = Arguments.contains(QStringLiteral("tip"));
    if (Tip && QTest::qWaitForWindowExposed(&Form1)) {
        mirvane::TMirvaneGrid& Grid = *Find<mirvane::TMirvaneGrid>(Form1, "MirvaneGrid1");
        const QPoint At = Grid.CellRect(mirvane::DayTextColumn, Grid.Row()).center();
        QHelpEvent Help(QEvent::ToolTip, At, Grid.mapToGlobal(At));
        QApplication::sendEvent(&Grid, &Help);
    }
    const bool ShowMenu = Arguments.contains(QStringLiteral("showmenu"));
    if (ShowMenu && QTest::qWaitForWindowExposed(&Form1)) {
        QMenu& Show = *Find<QMenu>(Form1, "ShowOnCalendar1");
        Show.popup(Form1.mapToGlobal(QPoint(40, 40)));
        QTest::qWait(300);
        Show.setActiveAction(Find<QMenu>(Form1, "DailyLearning1")->menuAction());
        QTest::keyClick(&Show, Qt::Key_Right);
    }
    if (const QString Shot = Value(QStringLiteral("shot")); !Shot.isEmpty()) {
        QTest::qWait(Tip || ShowMenu ? 800 : 0);
        bool Saved = Tip || ShowMenu ? Form1.screen()->grabWindow(0).save(Shot) : Shoot(Form1, Shot);
        const QFileInfo File(Shot);
        for (const auto& [Dialog, Name] : {std::pair<QWidget*, const char*>{&About, "about"},
                                           {&Location, "location"}, {&Reminder, "reminder"}}) {
            if (Dialog->isVisible()) {
                Saved = Shoot(*Dialog, File.path() + QStringLiteral("/") + File.completeBaseName() + QLatin1Char('-') +
                                           QLatin1String(Name) + QLatin1Char('.') + File.suffix()) &&
                        Saved;
            }
        }
        return Saved ? 0 : 1;
    }
    return QApplication::exec();
}
