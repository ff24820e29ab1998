// The menu bar and its handlers: the choices the pages and the grid follow
// while the program runs, Quit, and the Help menu.

#include <QAction>
#include <QActionGroup>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include "ui/AboutForm.h"
#include "ui/LocationDialog.h"
#include "ui/TimesTab.h"
#include "ui/CalendarTab.h"
#include "ui/Mirvane.h"
#include "widgets/MessageBox.h"

namespace mirvane {
namespace {

QMenu* AddMenu(QMenu& Parent, const char* Name, const QString& Caption)
{
    QMenu* Menu = Parent.addMenu(Caption);
    Menu->setObjectName(QString::fromLatin1(Name));
    Menu->menuAction()->setObjectName(QString::fromLatin1(Name));
    return Menu;
}

QAction* AddCommand(QMenu& Menu, const char* Name, const QString& Caption)
{
    QAction* Action = Menu.addAction(Caption);
    Action->setObjectName(QString::fromLatin1(Name));
    return Action;
}

// One radio item of Group; checking it unchecks the others of its group.
QAction* AddRadio(QMenu& Menu, QActionGroup& Group, const char* Name, const QString& Caption, bool Checked,
                  const QKeySequence& Shortcut = {})
{
    QAction* Action = AddCommand(Menu, Name, Caption);
    Action->setCheckable(true);
    Action->setChecked(Checked);
    Action->setShortcut(Shortcut);
    Group.addAction(Action);
    return Action;
}

QAction* AddSeparator(QMenu& Menu, const char* Name)
{
    QAction* Separator = Menu.addSeparator();
    Separator->setObjectName(QString::fromLatin1(Name));
    return Separator;
}

QActionGroup* MakeGroup(QObject& Owner)
{
    auto* Group = new QActionGroup(&Owner);
    Group->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
    return Group;
}

}  // namespace

void TForm1::BuildMenu()
{
    MainMenu1 = menuBar();
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    BuildFileMenu();

    Optios1 = MainMenu1->addMenu(tr("&Options"));
    Optios1->setObjectName(QStringLiteral("Optios1"));
    QActionGroup& Place = *MakeGroup(*this);
    Diaspora1 = AddRadio(*Optios1, Place, "Diaspora1", tr("&Diaspora"), true,
                         QKeySequence(Qt::CTRL | Qt::Key_D));
    Israel1 = AddRadio(*Optios1, Place, "Israel1", tr("&Israel"), false, QKeySequence(Qt::CTRL | Qt::Key_I));
    AddSeparator(*Optios1, "N1");

    DateEntryFormat1 = AddMenu(*Optios1, "DateEntryFormat1", tr("Date Entry Format"));
    QActionGroup& Order = *MakeGroup(*this);
    ddmmyy1 = AddRadio(*DateEntryFormat1, Order, "ddmmyy1", tr("dd/mm/yy"), true);
    mmddyy1 = AddRadio(*DateEntryFormat1, Order, "mmddyy1", tr("mm/dd/yy"), false);
    yymmdd1 = AddRadio(*DateEntryFormat1, Order, "yymmdd1", tr("yy/mm/dd"), false);

    Calendardisplayby1 = AddMenu(*Optios1, "Calendardisplayby1", tr("Calendar by"));
    QActionGroup& PageKind = *MakeGroup(*this);
    GregorianMonth1 = AddRadio(*Calendardisplayby1, PageKind, "GregorianMonth1", tr("Gregorian Month"),
                               true, QKeySequence(Qt::CTRL | Qt::Key_G));
    JewishMonth1 = AddRadio(*Calendardisplayby1, PageKind, "JewishMonth1", tr("Jewish Month"), false,
                            QKeySequence(Qt::CTRL | Qt::Key_J));

    StamAdar1 = AddMenu(*Optios1, "StamAdar1", tr("Stam Adar"));
    QActionGroup& Adar = *MakeGroup(*this);
    Adar11 = AddRadio(*StamAdar1, Adar, "Adar11", tr("Adar 1"), false, QKeySequence(Qt::CTRL | Qt::Key_A));
    Adar21 = AddRadio(*StamAdar1, Adar, "Adar21", tr("Adar 2"), true, QKeySequence(Qt::CTRL | Qt::Key_B));

    HebrewNames1 = AddCommand(*Optios1, "HebrewNames1", tr("&Hebrew Names"));
    HebrewNames1->setCheckable(true);
    HebrewNames1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    Location1 = AddCommand(*Optios1, "Location1", tr("&Location..."));
    CandleTimes1 = AddCommand(*Optios1, "CandleTimes1", tr("Candle-lighting &Times"));
    CandleTimes1->setCheckable(true);

    Quit1 = MainMenu1->addAction(tr("&Quit"));
    Quit1->setObjectName(QStringLiteral("Quit1"));

    MenuHelp = MainMenu1->addMenu(tr("&Help"));
    MenuHelp->setObjectName(QStringLiteral("MenuHelp"));
    MenuNotes = AddCommand(*MenuHelp, "MenuNotes", tr("&Notes..."));
    AddSeparator(*MenuHelp, "N2");
    MenuAbout = AddCommand(*MenuHelp, "MenuAbout", tr("&About..."));

    // Shortcuts work wherever the focus is in the window, menus closed.
    addActions({Diaspora1, Israel1, GregorianMonth1, JewishMonth1, Adar11, Adar21, HebrewNames1});

    connect(Diaspora1, &QAction::triggered, this, &TForm1::Diaspora1Click);
    connect(Israel1, &QAction::triggered, this, &TForm1::Israel1Click);
    connect(ddmmyy1, &QAction::triggered, this, [this] { ChooseDateOrder(DayMonthYear); });
    connect(mmddyy1, &QAction::triggered, this, [this] { ChooseDateOrder(MonthDayYear); });
    connect(yymmdd1, &QAction::triggered, this, [this] { ChooseDateOrder(YearMonthDay); });
    connect(GregorianMonth1, &QAction::triggered, this, &TForm1::GregorianMonth1Click);
    connect(JewishMonth1, &QAction::triggered, this, &TForm1::JewishMonth1Click);
    connect(Adar11, &QAction::triggered, this, [this] { ChooseAdar(true); });
    connect(Adar21, &QAction::triggered, this, [this] { ChooseAdar(false); });
    connect(HebrewNames1, &QAction::triggered, this, &TForm1::HebrewNames1Click);
    connect(Location1, &QAction::triggered, this, &TForm1::Location1Click);
    connect(CandleTimes1, &QAction::triggered, this, &TForm1::CandleTimes1Click);
    connect(Quit1, &QAction::triggered, this, &QWidget::close);
    connect(MenuNotes, &QAction::triggered, this, &TForm1::MenuNotesClick);
    connect(MenuAbout, &QAction::triggered, this, &TForm1::MenuAboutClick);
}

// The Calendar page switches the engine's rules through the grid, which
// repaints and notifies; the Festivals page refills the names valid under
// them.
void TForm1::Diaspora1Click()
{
    ChangeChoice(&TChoices::InDiaspora, true);
}

void TForm1::Israel1Click()
{
    ChangeChoice(&TChoices::InDiaspora, false);
}

// The Birthdays/Yahrtzeits hint shows the examples of the order.
void TForm1::ChooseDateOrder(TDateOrder Order)
{
    ChangeChoice(&TChoices::DateOrder, std::optional<TDateOrder>(Order));
}

void TForm1::GregorianMonth1Click()
{
    SwitchMonthMode(false);
}

void TForm1::JewishMonth1Click()
{
    SwitchMonthMode(true);
}

// The choice is what shut-down stores, so it must be the kind of page the
// grid really lays out, also when the grid refused the switch.
void TForm1::SwitchMonthMode(bool ByJewishMonth)
{
    ChangeChoice(&TChoices::ByJewishMonth, Calendar->ShowJewishMonths(ByJewishMonth));
}

// The dates this year follow the Stam Adar choice at once; the other pages
// at the next change of an input.
void TForm1::ChooseAdar(bool PlainAdarIsAdar1)
{
    ChangeChoice(&TChoices::PlainAdarIsAdar1, PlainAdarIsAdar1);
}

// Jewish dates and names in Hebrew letters in the grid, the pages' Jewish
// date boxes, the Festivals page's list and the dates to remember. A page
// not made yet follows the option when it is made.
void TForm1::HebrewNames1Click()
{
    ChangeChoice(&TChoices::HebrewNames, !Choices.HebrewNames);
}

void TForm1::Location1Click()
{
    TLocationDialog Dialog(Location, Choices.InDiaspora, this);
    if (Dialog.exec() != QDialog::Accepted) {
        return;
    }
    Location = Dialog.Chosen();
    Location->Save();
    Times->SetLocation(Location);
    if (const std::optional<bool> Wish = Dialog.DiasporaWish()) {
        (*Wish ? Diaspora1 : Israel1)->trigger();
    }
    ShowGridTimes();
}

// The grid's text column adds the times of the place chosen; without a
// place the option is kept and shows nothing until one is chosen.
void TForm1::CandleTimes1Click()
{
    ChangeChoice(&TChoices::CandleTimes, !Choices.CandleTimes);
}

void TForm1::MenuNotesClick()
{
    ShowMessageBox(TBoxKind::Message,
                   tr("Note: Gregorian dates before 15 Oct 1582 are inaccurate\n"
                                  "The calendar was changed at this date, and this program assumes a theoretical "
                                  "calendar which didn't change"));
}

void TForm1::MenuAboutClick()
{
    TFormAbout About(this);
    About.exec();
}

}  // namespace mirvane
