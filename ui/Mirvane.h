#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include <QMainWindow>
#include <QString>

#include "engine/DateServices.h"
#include "engine/JewishYear.h"
#include "pages/CalendarYearEntry.h"
#include "pages/AnniversaryPage.h"
#include "pages/DateEntry.h"
#include "pages/FestivalPage.h"
#include "pages/DateOrder.h"
#include "pages/YearList.h"
#include "remember/RememberSort.h"
#include "remember/RememberStore.h"
#include "settings/DisplayOptions.h"
#include "settings/Options.h"
#include "widgets/FormScale.h"
#include "widgets/LazyPage.h"

class QAction;
class QActionGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTimer;
class QTreeWidget;

namespace mirvane {

class TMirvaneGrid;
class TRememberItem;
class TUpDown;
struct TMonthDetails;

// The main window: the menus and their option state, the page control with
// its five pages, start-up and shut-down. Controls keep their form names,
// both as members and as object names; handlers are named after the control
// and the event and may be run directly, as start-up does.
class TForm1 : public QMainWindow {
    Q_OBJECT

public:
    // Builds every control, then runs FormActivate.
    explicit TForm1(QWidget* Parent = nullptr);
    // Runs FormDestroy.
    ~TForm1() override;
    TForm1(const TForm1&) = delete;
    TForm1& operator=(const TForm1&) = delete;

    // Weekday, day, full month name and year, separated by single blanks:
    // "Tuesday 1 December 1970".
    static QString GregorianDateText(TDateTime Value);

    // Page indexes of PageControl1; the index is the stored StartTab.
    static constexpr int CalendarPage = 0;
    static constexpr int BirthdaysPage = 1;
    static constexpr int FestivalsPage = 2;
    static constexpr int YearDetailsPage = 3;
    static constexpr int RememberPage = 4;
    static constexpr int PageCount = 5;

    // Window.
    void FormActivate();
    // Once the window is shown at start: with "Run Mirvane" ticked, the
    // "Dates to remember" window lists the due entries, if there are any.
    void RemindAtStart();
    void FormDestroy();

    // Options menu, Quit.
    void Diaspora1Click();
    void Israel1Click();
    void ddmmyy1Click();
    void mmddyy1Click();
    void yymmdd1Click();
    void GregorianMonth1Click();
    void JewishMonth1Click();
    void Adar11Click();
    void Adar21Click();
    // Applies the check mark of "Hebrew Names" to the grid and the pages.
    void HebrewNames1Click();
    void Quit1Click();
    // File menu: each item works on the page shown.
    void ExportList1Click();
    void Print1Click();
    void PrintPreview1Click();
    // Help menu.
    void MenuNotesClick();
    void MenuAboutClick();

    // Calendar page.
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button5Click();
    void Button4Click();
    void MirvaneGrid1Change();
    void Edit20Change();
    void Edit21Change();

    // Birthdays/Yahrtzeits page: Edit1, Edit3, Edit25, CheckBox2,
    // RadioButton1 and RadioButton2 all run Edit1Change.
    void Edit1Change();
    // The page's inputs as it computes them, also for its export.
    TAnniversaryInput AnniversaryInput() const;
    // A typed Gregorian date read under the checked date order, with the
    // English month names and those of the user's locale.
    TDateEntry ParseDateEntry(const QString& Text, TDateEntry Preset = {}) const;
    // The checked item of the Date Entry Format menu.
    TDateOrder CheckedDateOrder() const;
    // Festivals page: ComboBox2, Edit13 and Edit27 run ComboBox2Change.
    void ComboBox2Change();
    TFestivalInput FestivalInput() const;
    // Year Details page.
    void Edit23Change();
    void ComboBox1Change();
    void CheckBox1Click();

    // Dates to Remember page. Its store is opened, and its list filled, when
    // the page is first shown.
    void BitBtnNewClick();
    void BitBtnOkClick();
    void BitBtnModifyClick();
    void BitBtnCancelClick();
    void BitBtnDeleteClick();
    // The Jewish date follows the date box; a Jewish date typed instead
    // sets the date box.
    void EditNewDateChange();
    void EditNewJDateChange();
    void RadioGroup1Click();
    void CheckBoxRunClick();
    // Reads the store again and recomputes every date this year: when the
    // window is activated, the day changes or the Stam Adar choice changes.
    void RefreshRememberList();
    // The rows of ListView1, in the order shown.
    const std::vector<TRememberRow>& RememberRows() const { return RememberShown; }

    // Menu bar.
    QMenuBar* MainMenu1 = nullptr;
    QMenu* File1 = nullptr;
    QAction* ExportList1 = nullptr;
    QAction* Print1 = nullptr;
    QAction* PrintPreview1 = nullptr;
    QMenu* Optios1 = nullptr;
    QAction* Diaspora1 = nullptr;
    QAction* Israel1 = nullptr;
    QAction* N1 = nullptr;
    QMenu* DateEntryFormat1 = nullptr;
    QAction* ddmmyy1 = nullptr;
    QAction* mmddyy1 = nullptr;
    QAction* yymmdd1 = nullptr;
    QMenu* Calendardisplayby1 = nullptr;
    QAction* GregorianMonth1 = nullptr;
    QAction* JewishMonth1 = nullptr;
    QMenu* StamAdar1 = nullptr;
    QAction* Adar11 = nullptr;
    QAction* Adar21 = nullptr;
    QAction* HebrewNames1 = nullptr;
    QAction* Quit1 = nullptr;
    QMenu* MenuHelp = nullptr;
    QAction* MenuNotes = nullptr;
    QAction* N2 = nullptr;
    QAction* MenuAbout = nullptr;

    QTabWidget* PageControl1 = nullptr;
    QWidget* TabSheet3 = nullptr;
    QWidget* TabSheet4 = nullptr;
    QWidget* TabSheet5 = nullptr;
    QWidget* TabSheet1 = nullptr;
    QWidget* TabSheetRemember = nullptr;

    // The Birthdays/Yahrtzeits, Festivals and Year Details pages are made
    // when first shown, or when one of their controls is first reached;
    // each is then computed as start-up would have computed it.
    TLazyPage BirthdaysControls{TabSheet4, [this](QWidget& Page) { BuildBirthdaysPage(Page); }};
    TLazyPage FestivalsControls{TabSheet5, [this](QWidget& Page) { BuildFestivalsPage(Page); }};
    TLazyPage YearDetailsControls{TabSheet1, [this](QWidget& Page) { BuildYearDetailsPage(Page); }};
    // Dates to Remember opens its store and fills its list only when first
    // shown or reached, not at every start.
    TLazyPage RememberControls{TabSheetRemember, [this](QWidget& Page) { BuildRememberPage(Page); }};

    // Calendar page.
    TMirvaneGrid* MirvaneGrid1 = nullptr;
    QLabel* Label17 = nullptr;
    QLineEdit* Edit20 = nullptr;
    QLabel* Label18 = nullptr;
    QLineEdit* Edit21 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;
    QPushButton* Button5 = nullptr;
    QPushButton* Button4 = nullptr;

    // Birthdays/Yahrtzeits page.
    TPageControl<QLabel> Memo1{BirthdaysControls};  // hint
    TPageControl<QLineEdit> Edit1{BirthdaysControls};
    TPageControl<QLabel> Label14{BirthdaysControls};
    TPageControl<QCheckBox> CheckBox2{BirthdaysControls};
    TPageControl<QLabel> Memo2{BirthdaysControls};  // hint
    TPageControl<QLineEdit> Edit3{BirthdaysControls};
    TPageControl<TUpDown> UpDown3{BirthdaysControls};
    TPageControl<QLabel> Label2{BirthdaysControls};
    TPageControl<QLineEdit> Edit2{BirthdaysControls};
    TPageControl<QRadioButton> RadioButton2{BirthdaysControls};
    TPageControl<QRadioButton> RadioButton1{BirthdaysControls};
    TPageControl<QLabel> Label4{BirthdaysControls};
    TPageControl<QLineEdit> Edit4{BirthdaysControls};
    TPageControl<QLabel> Memo3{BirthdaysControls};  // hint
    TPageControl<QLineEdit> Edit25{BirthdaysControls};
    TPageControl<QPlainTextEdit> Memo4{BirthdaysControls};

    // Festivals page.
    TPageControl<QLabel> Label19{FestivalsControls};
    TPageControl<QComboBox> ComboBox2{FestivalsControls};
    TPageControl<QLabel> Label20{FestivalsControls};
    TPageControl<QLineEdit> Edit13{FestivalsControls};
    TPageControl<TUpDown> UpDown4{FestivalsControls};
    TPageControl<QLabel> Label21{FestivalsControls};
    TPageControl<QLineEdit> Edit15{FestivalsControls};
    TPageControl<QLabel> Memo6{FestivalsControls};  // hint
    TPageControl<QLineEdit> Edit27{FestivalsControls};
    TPageControl<QPlainTextEdit> Memo5{FestivalsControls};

    // Year Details page.
    TPageControl<QLabel> Label5{YearDetailsControls};
    TPageControl<QLineEdit> Edit23{YearDetailsControls};
    TPageControl<TUpDown> UpDown1{YearDetailsControls};
    TPageControl<QLabel> Label6{YearDetailsControls};
    TPageControl<QLineEdit> Edit5{YearDetailsControls};
    TPageControl<QLabel> Label7{YearDetailsControls};
    TPageControl<QLineEdit> Edit6{YearDetailsControls};
    TPageControl<QCheckBox> CheckBox1{YearDetailsControls};
    TPageControl<QLabel> Label8{YearDetailsControls};
    TPageControl<QLineEdit> Edit7{YearDetailsControls};
    TPageControl<QLineEdit> Edit8{YearDetailsControls};
    TPageControl<QLineEdit> Edit9{YearDetailsControls};
    TPageControl<QLabel> Label9{YearDetailsControls};
    TPageControl<QLineEdit> Edit10{YearDetailsControls};
    TPageControl<QLineEdit> Edit26{YearDetailsControls};
    TPageControl<QLabel> Label15{YearDetailsControls};
    TPageControl<QLineEdit> Edit22{YearDetailsControls};
    TPageControl<QLineEdit> Edit24{YearDetailsControls};
    TPageControl<QLabel> Label10{YearDetailsControls};
    TPageControl<QLineEdit> Edit11{YearDetailsControls};
    TPageControl<QLabel> Label11{YearDetailsControls};
    TPageControl<QLineEdit> Edit12{YearDetailsControls};
    TPageControl<QLabel> Label16{YearDetailsControls};
    TPageControl<QComboBox> ComboBox1{YearDetailsControls};
    TPageControl<QLabel> Label12{YearDetailsControls};
    TPageControl<QLineEdit> Edit14{YearDetailsControls};
    TPageControl<QLabel> Label13{YearDetailsControls};
    TPageControl<QLineEdit> Edit19{YearDetailsControls};
    TPageControl<QLineEdit> Edit16{YearDetailsControls};
    TPageControl<QLineEdit> Edit17{YearDetailsControls};
    TPageControl<QLineEdit> Edit18{YearDetailsControls};

    // Dates to Remember page; its controls exist from the first time the
    // page is shown.
    QTreeWidget* ListView1 = nullptr;
    QPushButton* BitBtnNew = nullptr;
    QPushButton* BitBtnDelete = nullptr;
    QPushButton* BitBtnModify = nullptr;
    QGroupBox* RadioGroup1 = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QLineEdit* EditOccasion = nullptr;
    QLineEdit* EditNewDate = nullptr;
    QLineEdit* EditNewJDate = nullptr;
    QCheckBox* CheckBoxNewSunset = nullptr;
    QRadioButton* RadioSortOccasion = nullptr;
    QRadioButton* RadioSortDate = nullptr;
    QLineEdit* EditWarning = nullptr;
    QComboBox* ComboBoxWhenRemind = nullptr;
    QPushButton* BitBtnCancel = nullptr;
    QPushButton* BitBtnOk = nullptr;
    QCheckBox* CheckBoxStart = nullptr;
    QCheckBox* CheckBoxRun = nullptr;

    // Year calculators of the Year Details page (DetailsYear) and of the
    // Birthdays/Yahrtzeits and Festivals pages (LookupYear); they exist from
    // FormActivate to FormDestroy.
    std::optional<TJewishYear> DetailsYear;
    std::optional<TJewishYear> LookupYear;
    // The options as loaded, consulted again at shut-down.
    std::optional<TOptions> Options;
    std::optional<TDisplayOptions> Display;

protected:
    void changeEvent(QEvent* Event) override;

private:
    void BuildMenu();
    void BuildFileMenu();
    // Enables the File menu's items that apply to the page shown.
    void UpdateFileMenu();
    void BuildCalendarPage(QWidget& Page);
    void BuildBirthdaysPage(QWidget& Page);
    void BuildFestivalsPage(QWidget& Page);
    void BuildYearDetailsPage(QWidget& Page);
    void BuildRememberPage(QWidget& Page);
    // Makes the page at Index, if it is made when first shown.
    void MakePage(int Index);
    void ConnectRememberPage();
    void EnsureRememberPage();
    // A Jewish date as the Dates to Remember boxes show it, in Hebrew under
    // the Hebrew Names option.
    QString JewishBoxText(const TJewishDate& Date) const;
    // The Dates to Remember page's Jewish dates in the form the Hebrew Names
    // option asks for, when the page was built.
    void ShowRememberJewishDates();
    void OpenRememberStore();
    // The details group filled from Entry, or emptied for none.
    void ShowRememberDetails(const TRememberEntry* Entry);
    // The entry the details describe; nothing, after a message box naming
    // the field and with the focus in it, when one of them is invalid.
    std::optional<TRememberEntry> RememberDetails();
    const TRememberItem* SelectedRememberRow() const;
    void SelectRemembered(std::int64_t Id);
    // A change of the store; a refusal is shown and nothing changes.
    bool ChangeRememberStore(const std::function<void(TRememberStore&)>& Change);
    QString DateBoxText(TGregorianDate Date) const;
    // "Turn on the computer" shows whether the log-in entry exists, read
    // again whenever the window is activated; a click writes or removes it.
    void ConnectAutostartBox();
    void ShowDateOrderExamples(const QString& Example, const QString& ShortMonth, const QString& FullMonth);
    // The examples in the Birthdays/Yahrtzeits page's hint, once there are
    // any and the page is made.
    void WriteDateOrderExamples();
    // A Jewish date in Hebrew letters reads from the right edge of its box.
    void FollowHebrewNames(QLineEdit& Box) const;
    void RefillFestivalNames();
    // Gregorian- or Jewish-month pages, with the menu's tick following the
    // grid.
    void SwitchMonthMode(bool ByJewishMonth);
    // The Calendar page's years, and a typed year handed to the grid.
    TCalendarYears CalendarYears() const;
    void SetTypedYear(const std::optional<TYearInCalendar>& Target);
    // A page's answer into its output box and list, and the month grid moved
    // to it; without an answer the box is emptied and the list hidden, its
    // lines kept.
    void ShowAnswer(QLineEdit& Output, QPlainTextEdit& List, const std::optional<TListedDate>& Answer,
                    const std::vector<TListedDate>& Lines, bool ListShown);
    void ShowMonthDetails(const TMonthDetails& Month);
    // The menu's option state as a set of options, with the active page.
    TOptions CurrentOptions() const;

    TFormScale Scale;
    // The examples of the checked date order, once a menu item has put them
    // in place of the hint's own; a Birthdays/Yahrtzeits page made later
    // shows them.
    std::optional<std::array<QString, 3>> DateOrderExamples;
    // This year, Gregorian and Jewish, as the window started: the year
    // spinners of the pages start at them, however late a page is made.
    std::int32_t StartYear = 0;
    std::int32_t StartJewishYear = 0;
    // The locale's month names as the program found them at start.
    TLocaleMonthNames LocaleMonthNames;
    bool Destroyed = false;

    std::optional<TRememberStore> RememberStore;
    std::vector<TRememberRow> RememberShown;
    std::int64_t RememberEditing = 0;  // the id in the details; 0 for a new entry
    TDateTime RememberDay = 0;         // the day the dates this year were computed for
    bool FollowingDate = false;        // one of the two date boxes is writing the other
    QTimer* RememberDayTimer = nullptr;
};

}  // namespace mirvane
