// The main window's frame: the page control and its pages, the choices read
// at start and stored at shut-down, and the changes of the choices passed
// on to the pages.

#include "ui/Mirvane.h"

#include <initializer_list>

#include <QAction>
#include <QEvent>
#include <QLocale>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>
#include <QTabWidget>
#include <QVBoxLayout>

#include "engine/DateConversion.h"
#include "engine/GregorianDateText.h"
#include "remember/RememberStore.h"
#include "ui/BackgroundSync.h"
#include "ui/BirthdaysTab.h"
#include "ui/CalendarTab.h"
#include "ui/FestivalsTab.h"
#include "ui/Language.h"
#include "ui/LocalDates.h"
#include "ui/LocaleMonthNames.h"
#include "ui/RememberTab.h"
#include "ui/TimesSite.h"
#include "ui/TimesTab.h"
#include "ui/YearDetailsTab.h"
#include "widgets/EnterPresses.h"
#include "widgets/ErrorReport.h"
#include "widgets/PageKeys.h"
#include "widgets/TabPageSize.h"

namespace mirvane {
namespace {

// This year, Gregorian and Jewish, as the window starts.
TPageStart PageStart(const QFont& Font)
{
    std::int32_t JewishYear = 0;
    RunHandler([&JewishYear] { JewishYear = DateTimeToJewish(Today()).Year; });
    return {TFormScale(Font), MonthNamesOf(QLocale::system()), DecodeDate(Today()).Year, JewishYear};
}

}  // namespace

TForm1::TForm1(QWidget* Parent) : QMainWindow(Parent), Start(PageStart(font()))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Mirvane"));
    EnterPressesFocusedButton(*this);
    // The texts are made in the stored language.
    Display.emplace();
    Display->Load();
    UseLanguage(Display->Language);
    BuildMenu();

    auto* Client = new QWidget(this);
    setCentralWidget(Client);
    PageControl1 = new QTabWidget(Client);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    BuildPages();
    TurnOnlyToShownPages(*PageControl1);
    PageControl1->setCurrentIndex(BirthdaysPage);
    connect(PageControl1, &QTabWidget::currentChanged, this, &TForm1::UpdateFileMenu);
    UpdateFileMenu();

    // The page control fills the window under the menu bar. The window's
    // designed size, taller by the grid's growth, is its default and its
    // smallest.
    auto* ClientLayout = new QVBoxLayout(Client);
    ClientLayout->setContentsMargins(0, 0, 0, 0);
    ClientLayout->addWidget(PageControl1);
    const QSize ClientSize = DesignedClientSize() + QSize(0, Calendar->GridGrowth());
    PageControl1->setMinimumSize(ClientSize);
    move(163, 0);
    resize(ClientSize.width(), ClientSize.height() + menuBar()->sizeHint().height());

    // The pages are made once the choices are known.
    FormActivate();
    MakePage(PageControl1->currentIndex());
    connect(PageControl1, &QTabWidget::currentChanged, this, &TForm1::MakePage);
    connect(PageControl1, &QTabWidget::currentChanged, this, [this](int Index) { Choices.StartPage = Index; });
    for (int Index = BirthdaysPage; Index < PageCount; ++Index) {
        Page(Index).MakeWhenShown();
    }
}

// Only the Calendar page is made now: its grid sizes the window and follows
// the other pages' answers. The others are made when first shown, the start
// page among them.
void TForm1::BuildPages()
{
    Calendar = new TCalendarTab(Start, Choices, PageControl1);
    Birthdays = new TBirthdaysTab(Start, Choices, PageControl1);
    Festivals = new TFestivalsTab(Start, Choices, PageControl1);
    YearDetails = new TYearDetailsTab(Start, Choices, PageControl1);
    Remember = new TRememberTab(Start, Choices, PageControl1);
    Times = new TTimesTab(Start, Choices, PageControl1);
    for (int Index = 0; Index < PageCount; ++Index) {
        TWindowPage& Shown = Page(Index);
        PageControl1->addTab(&Shown, Shown.Title());
        connect(this, &TForm1::ChoicesChanged, &Shown, &TWindowPage::FollowChoices);
    }
    // The grid grows its page by the room a taller font needs, and every
    // page with it.
    const QSize PageSize = TabPageSize(*PageControl1, DesignedClientSize());
    Calendar->SetDesignedSize(PageSize);
    Calendar->Make();
    for (int Index = BirthdaysPage; Index < PageCount; ++Index) {
        Page(Index).SetDesignedSize(PageSize + QSize(0, Calendar->GridGrowth()));
    }
    for (TAnswerTab* Answers : std::initializer_list<TAnswerTab*>{Birthdays, Festivals}) {
        connect(Answers, &TAnswerTab::AnswerFound, Calendar, &TCalendarTab::GoToAnswer);
    }
    connect(Times, &TTimesTab::LocationWanted, this, &TForm1::Location1Click);

    // The user's calendar follows the list: at start, after each change and
    // once a day.
    Sync = new TBackgroundSync(DefaultRememberStorePath(), this);
    connect(Sync, &TBackgroundSync::StatusChanged, this, [this](const QString& Text) { statusBar()->showMessage(Text); });
    connect(Sync, &TBackgroundSync::PasswordWanted, this, &TForm1::AskSyncPassword);
    connect(Remember, &TRememberTab::ListChanged, Sync, &TBackgroundSync::Start);
    Sync->FollowChoices(Choices.InDiaspora, Choices.PlainAdarIsAdar1);
    connect(this, &TForm1::ChoicesChanged, Sync, [this](const TChoices& Now) {
        Sync->FollowChoices(Now.InDiaspora, Now.PlainAdarIsAdar1);
    });
    QTimer::singleShot(0, Sync, &TBackgroundSync::Start);
}

QSize TForm1::DesignedClientSize() const
{
    return {Start.Scale.X(461), Start.Scale.Y(406)};
}

TWindowPage& TForm1::Page(int Index) const
{
    switch (Index) {
    case BirthdaysPage:
        return *Birthdays;
    case FestivalsPage:
        return *Festivals;
    case YearDetailsPage:
        return *YearDetails;
    case RememberPage:
        return *Remember;
    case TimesPage:
        return *Times;
    default:
        return *Calendar;
    }
}

int TForm1::ShownPage() const
{
    return PageControl1->currentIndex();
}

void TForm1::ShowPage(int Index)
{
    PageControl1->setCurrentIndex(Index);
}

void TForm1::MakePage(int Index)
{
    if (Index >= 0 && Index < PageCount) {
        Page(Index).Make();
    }
}

TForm1::~TForm1()
{
    FormDestroy();
    // The pages go with the page control, after this object's members.
    disconnect(PageControl1, nullptr, this, nullptr);
}

QString TForm1::GregorianDateText(TDateTime Value)
{
    // The pages and the command line format dates the same way in English.
    return LocalDateText(Value);
}

TDateEntry TForm1::ParseDateEntry(const QString& Text, TDateEntry Preset) const
{
    return mirvane::ParseDateEntry(Text.toStdString(), Choices.Order(), Start.MonthNames, Preset);
}

// The stored options are applied as the menus would apply them.
void TForm1::FormActivate()
{
    Options.emplace();
    Options->GetOptions();
    if (!Options->InDiaspora) {
        Israel1Click();
    }
    if (Options->ByJMonth) {
        JewishMonth1Click();
    }
    if (Options->PlainAdarIsAdar1) {
        ChooseAdar(true);
    }
    // Hebrew Names never chosen follows the language.
    Choices.Language = Display->Language;
    HebrewNamesChosen = !Display->HebrewNamesDefaulted;
    if (HebrewNamesChosen ? Display->HebrewNames : HebrewInUse()) {
        ChangeChoice(&TChoices::HebrewNames, true);
    }
    Location = TLocation::Load();
    Times->SetLocation(Location);
    CaptionCandleTimes();
    if (Display->CandleTimes) {
        CandleTimes1Click();
    }
    if (Display->LuachShow != Choices.LuachShow) {
        ChangeChoice(&TChoices::LuachShow, Display->LuachShow);
    }
    if (Options->DateOrder >= MonthDayYear && Options->DateOrder <= YearMonthDay) {
        ChooseDateOrder(static_cast<TDateOrder>(Options->DateOrder));
    }
    if (Options->StartTab >= 0 && Options->StartTab < PageControl1->count()) {
        PageControl1->setCurrentIndex(Options->StartTab);
    }
    Choices.StartPage = PageControl1->currentIndex();
}

void TForm1::ChangeChoices(const TChoices& New)
{
    const bool GridTimesChanged = New.CandleTimes != Choices.CandleTimes;
    Choices = New;
    ShowChoices();
    emit ChoicesChanged(Choices);
    if (GridTimesChanged) {
        ShowGridTimes();
    }
}

// Without a place the grid's option has no times to add, and says what
// it needs first.
void TForm1::CaptionCandleTimes()
{
    Captioned(*CandleTimes1, Location ? QT_TR_NOOP("Candle-lighting &Times")
                                      : QT_TR_NOOP("Candle-lighting &Times (choose a place first)"));
}

void TForm1::ShowGridTimes()
{
    QString Problem;
    const std::optional<TTimesSite> Site =
        Choices.CandleTimes ? TimesSiteOf(Location, Choices.InDiaspora, Problem) : std::nullopt;
    Calendar->ShowDayTimes(Site);
}

void TForm1::ShowChoices()
{
    (Choices.InDiaspora ? Diaspora1 : Israel1)->setChecked(true);
    switch (Choices.Order()) {
    case MonthDayYear:
        mmddyy1->setChecked(true);
        break;
    case YearMonthDay:
        yymmdd1->setChecked(true);
        break;
    default:
        ddmmyy1->setChecked(true);
        break;
    }
    (Choices.ByJewishMonth ? JewishMonth1 : GregorianMonth1)->setChecked(true);
    (Choices.PlainAdarIsAdar1 ? Adar11 : Adar21)->setChecked(true);
    HebrewNames1->setChecked(Choices.HebrewNames);
    switch (Choices.Language) {
    case TLanguage::English:
        LanguageEnglish1->setChecked(true);
        break;
    case TLanguage::Hebrew:
        LanguageHebrew1->setChecked(true);
        break;
    default:
        LanguageSystem1->setChecked(true);
        break;
    }
    CandleTimes1->setChecked(Choices.CandleTimes);
    TickShown();
}

void TForm1::FormDestroy()
{
    if (Destroyed) {
        return;
    }
    Destroyed = true;
    if (Display && ((HebrewNamesChosen && (Display->HebrewNamesDefaulted ||
                                           Display->HebrewNames != Choices.HebrewNames)) ||
                    Display->Language != Choices.Language || Display->CandleTimes != Choices.CandleTimes ||
                    Display->LuachShow != Choices.LuachShow)) {
        Display->HebrewNames = Choices.HebrewNames;
        Display->HebrewNamesDefaulted = !HebrewNamesChosen;
        Display->Language = Choices.Language;
        Display->CandleTimes = Choices.CandleTimes;
        Display->LuachShow = Choices.LuachShow;
        Display->Save();
    }
    if (!Options) {
        return;
    }
    const TOptions Current = Choices.Stored();
    if (Current == *Options) {
        return;
    }
    *Options = Current;
    Options->SaveOptions();
}

void TForm1::changeEvent(QEvent* Event)
{
    QMainWindow::changeEvent(Event);
    if (Event->type() == QEvent::LanguageChange && PageControl1 != nullptr) {
        SetCaptions();
    }
    // The command line may have changed the list while another window was
    // in front.
    if (Event->type() == QEvent::ActivationChange && isActiveWindow())
        Remember->RefreshList();
}

}  // namespace mirvane
