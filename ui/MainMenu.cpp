// The menu bar and its handlers: the choices the pages and the grid follow
// while the program runs, Quit, and the Help menu.

#include <QAction>
#include <QActionGroup>
#include <QInputDialog>
#include <QLineEdit>
#include <QStatusBar>
#include <QUrl>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include "settings/SyncSettings.h"
#include "ui/AboutForm.h"
#include "ui/BackgroundSync.h"
#include "ui/CalendarAccountDialog.h"
#include "ui/LocationDialog.h"
#include "ui/TimesTab.h"
#include "ui/CalendarTab.h"
#include "ui/Language.h"
#include "ui/Mirvane.h"
#include "widgets/MessageBox.h"

namespace mirvane {
namespace {

QMenu* AddMenu(QMenu& Parent, const char* Name, const char* Caption)
{
    QMenu* Menu = Parent.addMenu(QString());
    TForm1::Captioned(*Menu->menuAction(), Caption);
    Menu->setObjectName(QString::fromLatin1(Name));
    Menu->menuAction()->setObjectName(QString::fromLatin1(Name));
    return Menu;
}

QAction* AddCommand(QMenu& Menu, const char* Name, const char* Caption)
{
    QAction* Action = &TForm1::Captioned(*Menu.addAction(QString()), Caption);
    Action->setObjectName(QString::fromLatin1(Name));
    return Action;
}

// One radio item of Group; checking it unchecks the others of its group.
QAction* AddRadio(QMenu& Menu, QActionGroup& Group, const char* Name, const char* Caption, bool Checked,
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

    Optios1 = MainMenu1->addMenu(QString());
    Captioned(*Optios1->menuAction(), QT_TR_NOOP("&Options"));
    Optios1->setObjectName(QStringLiteral("Optios1"));
    QActionGroup& Place = *MakeGroup(*this);
    Diaspora1 = AddRadio(*Optios1, Place, "Diaspora1", QT_TR_NOOP("&Diaspora"), true,
                         QKeySequence(Qt::CTRL | Qt::Key_D));
    Israel1 = AddRadio(*Optios1, Place, "Israel1", QT_TR_NOOP("&Israel"), false, QKeySequence(Qt::CTRL | Qt::Key_I));
    AddSeparator(*Optios1, "N1");

    DateEntryFormat1 = AddMenu(*Optios1, "DateEntryFormat1", QT_TR_NOOP("Date Entry Format"));
    QActionGroup& Order = *MakeGroup(*this);
    ddmmyy1 = AddRadio(*DateEntryFormat1, Order, "ddmmyy1", QT_TR_NOOP("dd/mm/yy"), true);
    mmddyy1 = AddRadio(*DateEntryFormat1, Order, "mmddyy1", QT_TR_NOOP("mm/dd/yy"), false);
    yymmdd1 = AddRadio(*DateEntryFormat1, Order, "yymmdd1", QT_TR_NOOP("yy/mm/dd"), false);

    Calendardisplayby1 = AddMenu(*Optios1, "Calendardisplayby1", QT_TR_NOOP("Calendar by"));
    QActionGroup& PageKind = *MakeGroup(*this);
    GregorianMonth1 = AddRadio(*Calendardisplayby1, PageKind, "GregorianMonth1", QT_TR_NOOP("Gregorian Month"),
                               true, QKeySequence(Qt::CTRL | Qt::Key_G));
    JewishMonth1 = AddRadio(*Calendardisplayby1, PageKind, "JewishMonth1", QT_TR_NOOP("Jewish Month"), false,
                            QKeySequence(Qt::CTRL | Qt::Key_J));

    StamAdar1 = AddMenu(*Optios1, "StamAdar1", QT_TR_NOOP("Stam Adar"));
    QActionGroup& Adar = *MakeGroup(*this);
    Adar11 = AddRadio(*StamAdar1, Adar, "Adar11", QT_TR_NOOP("Adar 1"), false, QKeySequence(Qt::CTRL | Qt::Key_A));
    Adar21 = AddRadio(*StamAdar1, Adar, "Adar21", QT_TR_NOOP("Adar 2"), true, QKeySequence(Qt::CTRL | Qt::Key_B));

    HebrewNames1 = AddCommand(*Optios1, "HebrewNames1", QT_TR_NOOP("&Hebrew Names"));
    HebrewNames1->setCheckable(true);
    HebrewNames1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    Location1 = AddCommand(*Optios1, "Location1", QT_TR_NOOP("Lo&cation..."));
    CandleTimes1 = AddCommand(*Optios1, "CandleTimes1", QT_TR_NOOP("Candle-lighting &Times"));
    CandleTimes1->setCheckable(true);
    BuildShowMenu();
    CalendarAccount1 = AddCommand(*Optios1, "CalendarAccount1", QT_TR_NOOP("Calendar &Account..."));

    // Each language is named in itself.
    Language1 = AddMenu(*Optios1, "Language1", QT_TR_NOOP("&Language"));
    QActionGroup& Languages = *MakeGroup(*this);
    LanguageSystem1 = AddRadio(*Language1, Languages, "LanguageSystem1", QT_TR_NOOP("System"), true);
    LanguageEnglish1 = AddRadio(*Language1, Languages, "LanguageEnglish1", nullptr, false);
    LanguageEnglish1->setText(QStringLiteral("English"));
    LanguageHebrew1 = AddRadio(*Language1, Languages, "LanguageHebrew1", nullptr, false);
    LanguageHebrew1->setText(QStringLiteral("עברית"));

    Quit1 = &Captioned(*MainMenu1->addAction(QString()), QT_TR_NOOP("&Quit"));
    Quit1->setObjectName(QStringLiteral("Quit1"));

    MenuHelp = MainMenu1->addMenu(QString());
    Captioned(*MenuHelp->menuAction(), QT_TR_NOOP("&Help"));
    MenuHelp->setObjectName(QStringLiteral("MenuHelp"));
    MenuNotes = AddCommand(*MenuHelp, "MenuNotes", QT_TR_NOOP("&Notes..."));
    AddSeparator(*MenuHelp, "N2");
    MenuAbout = AddCommand(*MenuHelp, "MenuAbout", QT_TR_NOOP("&About..."));

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
    connect(LanguageSystem1, &QAction::triggered, this, [this] { ChooseLanguage(TLanguage::System); });
    connect(LanguageEnglish1, &QAction::triggered, this, [this] { ChooseLanguage(TLanguage::English); });
    connect(LanguageHebrew1, &QAction::triggered, this, [this] { ChooseLanguage(TLanguage::Hebrew); });
    connect(Location1, &QAction::triggered, this, &TForm1::Location1Click);
    connect(CandleTimes1, &QAction::triggered, this, &TForm1::CandleTimes1Click);
    connect(CalendarAccount1, &QAction::triggered, this, &TForm1::CalendarAccount1Click);
    connect(Quit1, &QAction::triggered, this, &QWidget::close);
    connect(MenuNotes, &QAction::triggered, this, &TForm1::MenuNotesClick);
    connect(MenuAbout, &QAction::triggered, this, &TForm1::MenuAboutClick);
}

// The Calendar page switches the festival and portion rules of its grid,
// which repaints and notifies; the Festivals page refills the names valid
// under them.
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
    HebrewNamesChosen = true;
    ChangeChoice(&TChoices::HebrewNames, !Choices.HebrewNames);
}

// Every page, dialog and menu retranslates itself as the translators
// change. Hebrew Names, never chosen, follows the language.
void TForm1::ChooseLanguage(TLanguage Language)
{
    Choices.Language = Language;
    const bool Hebrew = UseLanguage(Language);
    ShowChoices();
    if (!HebrewNamesChosen && Hebrew != Choices.HebrewNames) {
        ChangeChoice(&TChoices::HebrewNames, Hebrew);
    }
}

QAction& TForm1::Captioned(QAction& Action, const char* Source)
{
    if (Source != nullptr) {
        Action.setProperty(CaptionSource, QByteArray(Source));
        Action.setText(tr(Source));
    }
    return Action;
}

void TForm1::SetCaptions()
{
    for (QAction* Action : findChildren<QAction*>()) {
        const QByteArray Source = Action->property(CaptionSource).toByteArray();
        if (!Source.isEmpty()) {
            Action->setText(tr(Source.constData()));
        }
    }
    for (int Index = 0; Index < PageCount; ++Index) {
        PageControl1->setTabText(Index, Page(Index).Title());
    }
    CaptionCycles();
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
    CaptionCandleTimes();
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

void TForm1::CalendarAccount1Click()
{
    const TSyncSettings Current = TSyncSettings::Load();
    TCalendarAccountDialog Dialog(Current, this);
    if (Dialog.exec() != QDialog::Accepted)
        return;
    if (Dialog.Stopped()) {
        if (Dialog.StopAndRemove())
            Sync->RemoveEvents();
        ForgetSyncPassword(Current.Server, Current.User);
        TSyncSettings::Forget();
        statusBar()->clearMessage();
        return;
    }
    const TSyncSettings Chosen = Dialog.Chosen();
    Chosen.Save();
    if (!Dialog.Password().isEmpty()) {
        Sync->SetPassword(Dialog.Password());
        WriteSyncPassword(Chosen.Server, Chosen.User, Dialog.Password());
    }
    Sync->Start();
}

void TForm1::AskSyncPassword()
{
    const TSyncSettings Account = TSyncSettings::Load();
    bool Given = false;
    const QString Password = QInputDialog::getText(
        this, tr("Calendar Account"), tr("Password of %1 at %2:").arg(Account.User, QUrl(Account.Server).host()),
        QLineEdit::Password, QString(), &Given);
    if (!Given || Password.isEmpty())
        return;
    Sync->SetPassword(Password);
    Sync->Start();
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
