#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include <QMainWindow>
#include <QString>

#include "engine/DateServices.h"
#include "pages/DateEntry.h"
#include "settings/Choices.h"
#include "settings/DisplayOptions.h"
#include "settings/LocationSettings.h"
#include "settings/Options.h"
#include "ui/WindowPage.h"

class QAction;
class QMenu;
class QMenuBar;
class QTabWidget;

namespace mirvane {

class TBackgroundSync;
class TBirthdaysTab;
class TCalendarTab;
class TFestivalsTab;
class TRememberTab;
class TTimesTab;
class TYearDetailsTab;

// The main window: the menus, the page control with its six pages, the
// File menu's export and print of the page shown, the running choices,
// start-up and shut-down, and the reminder window at start. Each page is a
// class of its own; the window tells them of every change of the choices.
// Menus and controls keep their form names as object names.
class TForm1 : public QMainWindow {
    Q_OBJECT

public:
    // Builds the menus and the pages, reads the choices and applies them.
    explicit TForm1(QWidget* Parent = nullptr);
    // Stores the choices that changed.
    ~TForm1() override;
    TForm1(const TForm1&) = delete;
    TForm1& operator=(const TForm1&) = delete;

    // Page indexes of the page control; the index is the stored StartTab.
    static constexpr int CalendarPage = 0;
    static constexpr int BirthdaysPage = 1;
    static constexpr int FestivalsPage = 2;
    static constexpr int YearDetailsPage = 3;
    static constexpr int RememberPage = 4;
    static constexpr int TimesPage = 5;
    static constexpr int PageCount = 6;

    // Action shows Source, a text of this class, in the window's language,
    // now and after every change of language; a null Source leaves it alone.
    static QAction& Captioned(QAction& Action, const char* Source);

    // Weekday, day, full month name and year, separated by single blanks:
    // "Tuesday 1 December 1970".
    static QString GregorianDateText(TDateTime Value);

    // The page at Index (one of the indexes above), made or not.
    TWindowPage& Page(int Index) const;
    // The index of the page shown, and a page turned to.
    int ShownPage() const;
    void ShowPage(int Index);
    // The preview of the file at Path, then its dates added when it is
    // accepted: Import Dates... after its file dialog.
    void ImportDatesFrom(const QString& Path);
    // Once the window is shown at start: with "Run Mirvane" ticked, the
    // "Dates to remember" window lists the due entries, if there are any.
    void RemindAtStart();
    // A typed Gregorian date read under the chosen date order, with the
    // English month names and those of the user's locale.
    TDateEntry ParseDateEntry(const QString& Text, TDateEntry Preset = {}) const;

signals:
    // The running choices changed; sent once for each change.
    void ChoicesChanged(const TChoices& Choices);

protected:
    void changeEvent(QEvent* Event) override;

private:
    void BuildMenu();
    // The menus' and the tabs' texts in the window's language.
    void SetCaptions();
    void BuildFileMenu();
    // Enables the File menu's items that apply to the page shown.
    void UpdateFileMenu();
    void BuildPages();
    // The page control's size in the window of its designed size, before a
    // taller font grows the grid.
    QSize DesignedClientSize() const;
    // Makes the page at Index, if it is made when first shown.
    void MakePage(int Index);
    void FormActivate();
    void FormDestroy();

    // The new choices become the window's, its menus show them, and the
    // pages are told.
    void ChangeChoices(const TChoices& New);
    template <typename TValue>
    void ChangeChoice(TValue TChoices::*Choice, TValue Value)
    {
        TChoices New = Choices;
        New.*Choice = Value;
        ChangeChoices(New);
    }
    void ShowChoices();

    // Options menu, Quit.
    void Diaspora1Click();
    void Israel1Click();
    void ChooseDateOrder(TDateOrder Order);
    void GregorianMonth1Click();
    void JewishMonth1Click();
    void ChooseAdar(bool PlainAdarIsAdar1);
    void HebrewNames1Click();
    void ChooseLanguage(TLanguage Language);
    // Options > Location...: the place chosen is stored at once, shown on
    // the Times page and in the grid, and the festival rules switched when
    // the user asked to.
    void Location1Click();
    void CandleTimes1Click();
    // Options > Show on the Calendar and its ticks.
    void BuildShowMenu();
    void CaptionCycles();
    // The luach's category or learning cycle Key shown or hidden.
    void ToggleShown(const QByteArray& Key);
    // The ticks as the choice has them.
    void TickShown();
    // Options > Calendar Account...: the account is kept at once and synced
    // to; Stop Syncing forgets it, after removing Mirvane's events if asked.
    void CalendarAccount1Click();
    // The background sync found no password kept: the user is asked, and
    // the answer serves for this session.
    void AskSyncPassword();
    // The grid's times at the place, with the option on and a place chosen.
    void ShowGridTimes();
    void CaptionCandleTimes();
    // Gregorian- or Jewish-month pages; the choice follows what the grid
    // really lays out, also when it refused the switch.
    void SwitchMonthMode(bool ByJewishMonth);
    // File menu: each item works on the page shown.
    void ExportList1Click();
    // File > Import Dates...: a file, its preview, then its dates added in
    // one change; File > Undo Import removes exactly those again.
    void ImportDates1Click();
    void UndoImport1Click();
    void Print1Click();
    void PrintPreview1Click();
    // Help menu.
    void MenuNotesClick();
    void MenuAboutClick();

    QMenuBar* MainMenu1 = nullptr;
    QMenu* File1 = nullptr;
    QAction* ExportList1 = nullptr;
    QAction* ImportDates1 = nullptr;
    QAction* UndoImport1 = nullptr;
    // The ids the last import added, for Undo Import.
    std::vector<std::int64_t> LastImport;
    QAction* Print1 = nullptr;
    QAction* PrintPreview1 = nullptr;
    QMenu* Optios1 = nullptr;
    QAction* Diaspora1 = nullptr;
    QAction* Israel1 = nullptr;
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
    QMenu* Language1 = nullptr;
    QAction* LanguageSystem1 = nullptr;
    QAction* LanguageEnglish1 = nullptr;
    QAction* LanguageHebrew1 = nullptr;
    QAction* Location1 = nullptr;
    QAction* CandleTimes1 = nullptr;
    QAction* CalendarAccount1 = nullptr;
    QMenu* ShowOnCalendar1 = nullptr;
    QMenu* DailyLearning1 = nullptr;
    // Every tick of Show on the Calendar, with its key as property.
    std::vector<QAction*> ShowTicks;
    QAction* Quit1 = nullptr;
    QMenu* MenuHelp = nullptr;
    QAction* MenuNotes = nullptr;
    QAction* MenuAbout = nullptr;

    QTabWidget* PageControl1 = nullptr;
    TCalendarTab* Calendar = nullptr;
    TBirthdaysTab* Birthdays = nullptr;
    TFestivalsTab* Festivals = nullptr;
    TYearDetailsTab* YearDetails = nullptr;
    TRememberTab* Remember = nullptr;
    TTimesTab* Times = nullptr;

    const TPageStart Start;
    TChoices Choices;
    // The options as read at start, to write at shut-down only what changed.
    std::optional<TOptions> Options;
    std::optional<TDisplayOptions> Display;
    // The user picked Hebrew Names, now or in an earlier run: it no longer
    // follows the language.
    bool HebrewNamesChosen = false;
    static constexpr const char* CaptionSource = "CaptionSource";
    // The user's place, read at start (the place list is not).
    std::optional<TLocation> Location;
    // Syncs to the user's calendar; its state shows in the status bar.
    TBackgroundSync* Sync = nullptr;
    bool Destroyed = false;
};

}  // namespace mirvane
