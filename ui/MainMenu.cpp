// The menu bar and its handlers: the options the pages and the grid follow
// while the program runs, Quit, and the Help menu.

#include <QAction>
#include <QActionGroup>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>

#include "grid/MirvaneGrid.h"
#include "ui/AboutForm.h"
#include "widgets/ErrorReport.h"
#include "widgets/MemoLines.h"
#include "widgets/MessageBox.h"
#include "ui/Mirvane.h"

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

    Optios1 = MainMenu1->addMenu(QStringLiteral("&Options"));
    Optios1->setObjectName(QStringLiteral("Optios1"));
    QActionGroup& Place = *MakeGroup(*this);
    Diaspora1 = AddRadio(*Optios1, Place, "Diaspora1", QStringLiteral("&Diaspora"), true,
                         QKeySequence(Qt::CTRL | Qt::Key_D));
    Israel1 = AddRadio(*Optios1, Place, "Israel1", QStringLiteral("&Israel"), false, QKeySequence(Qt::CTRL | Qt::Key_I));
    N1 = AddSeparator(*Optios1, "N1");

    DateEntryFormat1 = AddMenu(*Optios1, "DateEntryFormat1", QStringLiteral("Date Entry Format"));
    QActionGroup& Order = *MakeGroup(*this);
    ddmmyy1 = AddRadio(*DateEntryFormat1, Order, "ddmmyy1", QStringLiteral("dd/mm/yy"), true);
    mmddyy1 = AddRadio(*DateEntryFormat1, Order, "mmddyy1", QStringLiteral("mm/dd/yy"), false);
    yymmdd1 = AddRadio(*DateEntryFormat1, Order, "yymmdd1", QStringLiteral("yy/mm/dd"), false);

    Calendardisplayby1 = AddMenu(*Optios1, "Calendardisplayby1", QStringLiteral("Calendar by"));
    QActionGroup& PageKind = *MakeGroup(*this);
    GregorianMonth1 = AddRadio(*Calendardisplayby1, PageKind, "GregorianMonth1", QStringLiteral("Gregorian Month"),
                               true, QKeySequence(Qt::CTRL | Qt::Key_G));
    JewishMonth1 = AddRadio(*Calendardisplayby1, PageKind, "JewishMonth1", QStringLiteral("Jewish Month"), false,
                            QKeySequence(Qt::CTRL | Qt::Key_J));

    StamAdar1 = AddMenu(*Optios1, "StamAdar1", QStringLiteral("Stam Adar"));
    QActionGroup& Adar = *MakeGroup(*this);
    Adar11 = AddRadio(*StamAdar1, Adar, "Adar11", QStringLiteral("Adar 1"), false, QKeySequence(Qt::CTRL | Qt::Key_A));
    Adar21 = AddRadio(*StamAdar1, Adar, "Adar21", QStringLiteral("Adar 2"), true, QKeySequence(Qt::CTRL | Qt::Key_B));

    HebrewNames1 = AddCommand(*Optios1, "HebrewNames1", QStringLiteral("&Hebrew Names"));
    HebrewNames1->setCheckable(true);
    HebrewNames1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));

    Quit1 = MainMenu1->addAction(QStringLiteral("&Quit"));
    Quit1->setObjectName(QStringLiteral("Quit1"));

    MenuHelp = MainMenu1->addMenu(QStringLiteral("&Help"));
    MenuHelp->setObjectName(QStringLiteral("MenuHelp"));
    MenuNotes = AddCommand(*MenuHelp, "MenuNotes", QStringLiteral("&Notes..."));
    N2 = AddSeparator(*MenuHelp, "N2");
    MenuAbout = AddCommand(*MenuHelp, "MenuAbout", QStringLiteral("&About..."));

    // Shortcuts work wherever the focus is in the window, menus closed.
    addActions({Diaspora1, Israel1, GregorianMonth1, JewishMonth1, Adar11, Adar21, HebrewNames1});

    connect(Diaspora1, &QAction::triggered, this, &TForm1::Diaspora1Click);
    connect(Israel1, &QAction::triggered, this, &TForm1::Israel1Click);
    connect(ddmmyy1, &QAction::triggered, this, &TForm1::ddmmyy1Click);
    connect(mmddyy1, &QAction::triggered, this, &TForm1::mmddyy1Click);
    connect(yymmdd1, &QAction::triggered, this, &TForm1::yymmdd1Click);
    connect(GregorianMonth1, &QAction::triggered, this, &TForm1::GregorianMonth1Click);
    connect(JewishMonth1, &QAction::triggered, this, &TForm1::JewishMonth1Click);
    connect(Adar11, &QAction::triggered, this, &TForm1::Adar11Click);
    connect(Adar21, &QAction::triggered, this, &TForm1::Adar21Click);
    connect(HebrewNames1, &QAction::triggered, this, &TForm1::HebrewNames1Click);
    connect(Quit1, &QAction::triggered, this, &TForm1::Quit1Click);
    connect(MenuNotes, &QAction::triggered, this, &TForm1::MenuNotesClick);
    connect(MenuAbout, &QAction::triggered, this, &TForm1::MenuAboutClick);
}

// Diaspora and Israel switch the festival and portion rules of the grid, which
// repaints and notifies, and refill the festival names valid under them.
void TForm1::Diaspora1Click()
{
    RunHandler([this] {
        MirvaneGrid1->ChangeDiaspora(true);
        Diaspora1->setChecked(true);
        RefillFestivalNames();
    });
}

void TForm1::Israel1Click()
{
    RunHandler([this] {
        MirvaneGrid1->ChangeDiaspora(false);
        Israel1->setChecked(true);
        RefillFestivalNames();
    });
}

void TForm1::ShowDateOrderExamples(const QString& Example, const QString& ShortMonth, const QString& FullMonth)
{
    DateOrderExamples = {Example, ShortMonth, FullMonth};
    WriteDateOrderExamples();
}

void TForm1::WriteDateOrderExamples()
{
    if (!DateOrderExamples || !BirthdaysControls.Made()) {
        return;
    }
    ReplaceMemoLine(*Memo1, 2, (*DateOrderExamples)[0]);
    ReplaceMemoLine(*Memo1, 3, (*DateOrderExamples)[1]);
    ReplaceMemoLine(*Memo1, 4, (*DateOrderExamples)[2]);
}

void TForm1::ddmmyy1Click()
{
    ddmmyy1->setChecked(true);
    ShowDateOrderExamples(QStringLiteral(" eg. 1/12/70"), QStringLiteral(" or  1 Dec 70"),
                          QStringLiteral(" or  1 December 1970"));
}

void TForm1::mmddyy1Click()
{
    mmddyy1->setChecked(true);
    ShowDateOrderExamples(QStringLiteral(" eg. 12/1/70"), QStringLiteral(" or  Dec 1 70"),
                          QStringLiteral(" or  December 1 1970"));
}

void TForm1::yymmdd1Click()
{
    yymmdd1->setChecked(true);
    ShowDateOrderExamples(QStringLiteral(" eg. 70/12/1"), QStringLiteral(" or  70 Dec 1"),
                          QStringLiteral(" or  1970 December 1"));
}

TDateOrder TForm1::CheckedDateOrder() const
{
    return mmddyy1->isChecked() ? MonthDayYear : ddmmyy1->isChecked() ? DayMonthYear : YearMonthDay;
}

void TForm1::GregorianMonth1Click()
{
    SwitchMonthMode(false);
}

void TForm1::JewishMonth1Click()
{
    SwitchMonthMode(true);
}

// The tick is what shut-down stores, so it must show the kind of page the
// grid really lays out, also when the grid refused the switch.
void TForm1::SwitchMonthMode(bool ByJewishMonth)
{
    RunHandler([this, ByJewishMonth] { MirvaneGrid1->SetJewishMonthMode(ByJewishMonth); });
    (MirvaneGrid1->ByJewishMonth() ? JewishMonth1 : GregorianMonth1)->setChecked(true);
}

// The dates this year follow the Stam Adar choice at once; the other pages
// at the next change of an input.
void TForm1::Adar11Click()
{
    Adar11->setChecked(true);
    RefreshRememberList();
}

void TForm1::Adar21Click()
{
    Adar21->setChecked(true);
    RefreshRememberList();
}

void TForm1::Quit1Click()
{
    close();
}

void TForm1::MenuNotesClick()
{
    ShowMessageBox(TBoxKind::Message,
                   QStringLiteral("Note: Gregorian dates before 15 Oct 1582 are inaccurate\n"
                                  "The calendar was changed at this date, and this program assumes a theoretical "
                                  "calendar which didn't change"));
}

void TForm1::MenuAboutClick()
{
    TFormAbout About(this);
    About.exec();
}

}  // namespace mirvane
