#include "ui/Mirvane.h"

#include <algorithm>

#include <QAction>
#include <QLocale>
#include <QMenuBar>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "engine/DateConversion.h"
#include "grid/MirvaneGrid.h"
#include "pages/DateOrder.h"
#include "engine/GregorianDateText.h"
#include "widgets/EnterPresses.h"
#include "widgets/ErrorReport.h"
#include "ui/LocaleMonthNames.h"
#include "widgets/PageKeys.h"
#include "widgets/UpDown.h"

namespace mirvane {
namespace {

QWidget* AddPage(QTabWidget& Pages, const char* Name, const QString& Caption)
{
    auto* Page = new QWidget(&Pages);
    Page->setObjectName(QString::fromLatin1(Name));
    Pages.addTab(Page, Caption);
    return Page;
}

}  // namespace

TForm1::TForm1(QWidget* Parent)
    : QMainWindow(Parent), Scale(font()), LocaleMonthNames(MonthNamesOf(QLocale::system()))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Mirvane"));
    EnterPressesFocusedButton(*this);
    BuildMenu();

    auto* Client = new QWidget(this);
    setCentralWidget(Client);
    PageControl1 = new QTabWidget(Client);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    TabSheet3 = AddPage(*PageControl1, "TabSheet3", QStringLiteral("Calendar"));
    TabSheet4 = AddPage(*PageControl1, "TabSheet4", QStringLiteral("Birthdays/Yahrtzeits"));
    TabSheet5 = AddPage(*PageControl1, "TabSheet5", QStringLiteral("Festivals"));
    TabSheet1 = AddPage(*PageControl1, "TabSheet1", QStringLiteral("Year Details"));
    TabSheetRemember = AddPage(*PageControl1, "TabSheetRemember", QStringLiteral("Dates to Remember"));
    // Only the Calendar page is made now: its grid sizes the window and
    // follows the other pages' answers. The others are made when first
    // shown, the start page among them.
    BuildCalendarPage(*TabSheet3);
    TurnOnlyToShownPages(*PageControl1);
    PageControl1->setCurrentIndex(BirthdaysPage);
    connect(PageControl1, &QTabWidget::currentChanged, this, &TForm1::UpdateFileMenu);
    UpdateFileMenu();

    // The page control keeps its height at the bottom of the window and
    // follows its width.
    auto* ClientLayout = new QVBoxLayout(Client);
    ClientLayout->setContentsMargins(0, 0, 0, 0);
    ClientLayout->addStretch();
    ClientLayout->addWidget(PageControl1);
    // A taller grid, for a taller font, makes the pages taller.
    const int GridGrowth = std::max(0, MirvaneGrid1->height() - Scale.Y(369));
    PageControl1->setFixedHeight(Scale.Y(405) + GridGrowth);
    const QSize ClientSize(Scale.X(461), Scale.Y(406) + GridGrowth);
    Client->setMinimumSize(ClientSize);
    move(163, 0);
    resize(ClientSize.width(), ClientSize.height() + menuBar()->sizeHint().height());

    // The pages are made once the options and the years they start from
    // are known.
    FormActivate();
    MakePage(PageControl1->currentIndex());
    connect(PageControl1, &QTabWidget::currentChanged, this, &TForm1::MakePage);
    for (TLazyPage* Page : {&BirthdaysControls, &FestivalsControls, &YearDetailsControls, &RememberControls}) {
        Page->MakeWhenShown();
    }
}

void TForm1::MakePage(int Index)
{
    switch (Index) {
    case BirthdaysPage:
        BirthdaysControls.Make();
        break;
    case FestivalsPage:
        FestivalsControls.Make();
        break;
    case YearDetailsPage:
        YearDetailsControls.Make();
        break;
    case RememberPage:
        RememberControls.Make();
        break;
    default:
        break;
    }
}

TForm1::~TForm1()
{
    FormDestroy();
    // The list's items show rows this object holds, which go before the
    // list does.
    if (ListView1 != nullptr) {
        ListView1->clear();
    }
}

QString TForm1::GregorianDateText(TDateTime Value)
{
    // The pages and the command line format dates the same way.
    return QString::fromStdString(mirvane::GregorianDateText(Value));
}

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
        Adar11Click();
    }
    Display.emplace();
    Display->Load();
    HebrewNames1->setChecked(Display->HebrewNames);
    switch (Options->DateOrder) {
    case MonthDayYear:
        mmddyy1Click();
        break;
    case DayMonthYear:
        ddmmyy1Click();
        break;
    case YearMonthDay:
        yymmdd1Click();
        break;
    default:
        break;
    }
    if (Options->StartTab >= 0 && Options->StartTab < PageControl1->count()) {
        PageControl1->setCurrentIndex(Options->StartTab);
    }
    DetailsYear.emplace();
    LookupYear.emplace();
    StartYear = DecodeDate(Today()).Year;
    // The Year Details page's calculator is set to this year at once, as
    // the page will show it.
    RunHandler([this] {
        StartJewishYear = DateTimeToJewish(Today()).Year;
        DetailsYear->SetYear(StartJewishYear);
    });
    // The pages follow the option as they are made.
    MirvaneGrid1->SetHebrewNames(Display->HebrewNames);
}

TOptions TForm1::CurrentOptions() const
{
    TOptions Current;
    Current.InDiaspora = Diaspora1->isChecked();
    Current.ByJMonth = JewishMonth1->isChecked();
    Current.PlainAdarIsAdar1 = Adar11->isChecked();
    Current.DateOrder = CheckedDateOrder();
    Current.StartTab = PageControl1->currentIndex();
    return Current;
}

void TForm1::FormDestroy()
{
    if (Destroyed) {
        return;
    }
    Destroyed = true;
    DetailsYear.reset();
    LookupYear.reset();
    if (Display && Display->HebrewNames != HebrewNames1->isChecked()) {
        Display->HebrewNames = HebrewNames1->isChecked();
        Display->Save();
    }
    if (!Options) {
        return;
    }
    const TOptions Current = CurrentOptions();
    if (Current == *Options) {
        return;
    }
    *Options = Current;
    Options->SaveOptions();
}

}  // namespace mirvane
