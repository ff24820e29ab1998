// The window in Hebrew, right to left, and English one menu choice away.

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>

#include <QTreeWidget>

#include "caldav/CalDavConnection.h"
#include "engine/ConvertError.h"
#include "engine/DateServices.h"
#include "grid/GridShape.h"
#include "grid/MirvaneGrid.h"
#include "pages/JewishDateEntry.h"
#include "pages/OccasionDateRefusal.h"
#include "remember/RememberStore.h"
#include "sync/CalendarServer.h"
#include "tests/ui/FormFixture.h"
#include "tests/ui/FindControl.h"
#include "times/PlaceList.h"
#include "ui/AboutForm.h"
#include "ui/Language.h"
#include "ui/LibraryMessages.h"
#include "ui/LocalDates.h"
#include "ui/ReminderWindow.h"
#include "widgets/UpDown.h"

namespace mirvane {
namespace {

using HebrewWindow = FormTest;

QStringList TabTexts(const TForm1& F)
{
    QStringList Texts;
    const QTabWidget& Tabs = *Find<QTabWidget>(F, "PageControl1");
    for (int Index = 0; Index < Tabs.count(); ++Index) {
        Texts.append(Tabs.tabText(Index));
    }
    return Texts;
}

TEST_F(HebrewWindow, SpeaksHebrewRightToLeftUntilEnglishIsPicked)
{
    Store.Put({{"Language", QStringLiteral("Hebrew")}}, QStringLiteral("Display"));
    TForm1& F = Start();
    MakeWorkingPages(F);
    EXPECT_EQ(TabTexts(F), (QStringList{QStringLiteral("לוח שנה"), QStringLiteral("ימי הולדת/יארצייט"),
                                        QStringLiteral("חגים"), QStringLiteral("פרטי השנה"),
                                        QStringLiteral("תאריכים לזכור"), QStringLiteral("זמנים")}));
    EXPECT_EQ(Find<QMenu>(F, "Optios1")->title(), QStringLiteral("&אפשרויות"));
    EXPECT_EQ(Find<QMenu>(F, "File1")->title(), QStringLiteral("&קובץ"));
    EXPECT_EQ(Find<QPushButton>(F, "Button1")->text(), QStringLiteral("החודש הבא"));
    EXPECT_EQ(Find<TUpDown>(F, "UpDown3")->accessibleName(), QStringLiteral("השנה המבוקשת למעלה/למטה"));
    EXPECT_EQ(F.layoutDirection(), Qt::RightToLeft);
    // Hebrew Names, never chosen, comes on with the language.
    EXPECT_TRUE(Find<QAction>(F, "HebrewNames1")->isChecked());
    // The weekday column lies at the right edge, the text column at the left.
    const TMirvaneGrid& Grid = *Find<TMirvaneGrid>(F, "MirvaneGrid1");
    EXPECT_GT(Grid.CellRect(0, FirstDayRow).left(), Grid.CellRect(1, FirstDayRow).left());
    EXPECT_LT(Grid.CellRect(GridColCount - 1, FirstDayRow).left(), Grid.CellRect(0, FirstDayRow).left());
    // Weekdays and Gregorian months are the locale's.
    Find<TMirvaneGrid>(F, "MirvaneGrid1")->SetDate(EncodeDate(2026, 12, 6));
    EXPECT_EQ(Grid.CellText(0, FirstDayRow), QStringLiteral("יום שלישי"));
    EXPECT_EQ(Grid.CellText(GregorianColumn, MonthRow), QStringLiteral("דצמ׳"));
    // Qt's own buttons come from Qt's Hebrew translation.
    QMessageBox Box(QMessageBox::Question, QString(), QString(), QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(Box.button(QMessageBox::Yes)->text(), QStringLiteral("&כן"));

    Find<QAction>(F, "LanguageEnglish1")->trigger();
    // The windows hear of the change as the event loop next runs.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    EXPECT_EQ(TabTexts(F), (QStringList{QStringLiteral("Calendar"), QStringLiteral("Birthdays/Yahrtzeits"),
                                        QStringLiteral("Festivals"), QStringLiteral("Year Details"),
                                        QStringLiteral("Dates to Remember"), QStringLiteral("Times")}));
    EXPECT_EQ(Find<QMenu>(F, "Optios1")->title(), QStringLiteral("&Options"));
    EXPECT_EQ(Find<QPushButton>(F, "Button1")->text(), QStringLiteral("Next Month"));
    EXPECT_EQ(Find<TUpDown>(F, "UpDown3")->accessibleName(), QStringLiteral("Year wanted up/down"));
    EXPECT_EQ(F.layoutDirection(), Qt::LeftToRight);
    EXPECT_LT(Grid.CellRect(0, FirstDayRow).left(), Grid.CellRect(1, FirstDayRow).left());
    EXPECT_EQ(Grid.CellText(0, FirstDayRow), QStringLiteral("Tuesday"));
    EXPECT_FALSE(Find<QAction>(F, "HebrewNames1")->isChecked());
    EXPECT_TRUE(Find<QAction>(F, "LanguageEnglish1")->isChecked());
    Close();
    // The language is kept; Hebrew Names, still never chosen, is not.
    EXPECT_EQ(Store.Stored(QStringLiteral("Display")),
              (std::map<std::string, QString>{{"Language", QStringLiteral("English")}}));
}

// Run by ctest under LANG=he_IL.UTF-8, as on a Hebrew desktop.
TEST_F(HebrewWindow, AHebrewDesktopGetsTheHebrewWindowUnasked)
{
    if (!qgetenv("LANG").startsWith("he")) {
        GTEST_SKIP() << "needs LANG=he_IL.UTF-8";
    }
    TForm1& F = Start();
    EXPECT_EQ(TabTexts(F).front(), QStringLiteral("לוח שנה"));
    EXPECT_EQ(F.layoutDirection(), Qt::RightToLeft);
    EXPECT_TRUE(Find<QAction>(F, "LanguageSystem1")->isChecked());
    Close();
    EXPECT_TRUE(Store.Stored(QStringLiteral("Display")).empty());
}

// Takes the window into Language now, as the menu does.
void Speak(TLanguage Language)
{
    UseLanguage(Language);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
}

TEST_F(HebrewWindow, LibraryMessagesAreTranslatedWithTheirPartsAndUnknownOnesPassThrough)
{
    std::string PlaceListFailure;
    try {
        ReadPlaceList("/nowhere/places.tsv");
    } catch (const EPlaceListError& Error) {
        PlaceListFailure = Error.what();
    }
    const struct {
        std::string English;
        const char* Hebrew;
    } Cases[] = {
        {InvalidJewishMonthText, "חודש עברי לא תקין"},
        {WhyNoJewishDay("31 Tishrei 5785"), "התאריך העברי אינו קיים: בחודש תשרי יש 30 ימים בשנת 5785."},
        {PlaceListFailure, "לא ניתן לקרוא את רשימת המקומות /nowhere/places.tsv"},
        {"database is locked", "database is locked"},
    };
    Speak(TLanguage::Hebrew);
    for (const auto& Case : Cases) {
        EXPECT_EQ(WindowMessage(Case.English), QString::fromUtf8(Case.Hebrew)) << Case.English;
    }
    Speak(TLanguage::English);
    EXPECT_EQ(WindowMessage(Cases[1].English), QString::fromStdString(Cases[1].English));
}

// A sentence a library rewords would be shown in English again: these are
// written by the libraries themselves, as the window meets them.
TEST_F(HebrewWindow, TheLibrariesSentencesAllHaveTheirTranslation)
{
    QTemporaryDir Folder;
    const std::filesystem::path Foreign = Folder.filePath(QStringLiteral("foreign.sqlite")).toStdString();
    const std::filesystem::path Places = Folder.filePath(QStringLiteral("places.tsv")).toStdString();
    std::ofstream(Foreign) << "not a list";
    std::ofstream(Places) << "no header\n";
    std::vector<std::string> Sentences = {
        TRememberStore::Open(Foreign, TDamagedFile::LeaveInPlace).Notice(),
        OccasionDateRefusal("", false, "")->Message,
        WhyNoJewishDay("3 Adar1 5785"),
        WhyNoJewishDay("Kislev"),
        EntryProblem(TRememberEntry{}),
    };
    try {
        TRememberStore::Open(Folder.filePath(QStringLiteral("new.sqlite")).toStdString()).Remove(99);
    } catch (const ERememberStoreError& Error) {
        Sentences.push_back(Error.what());
    }
    try {
        ReadPlaceList(Places);
    } catch (const EPlaceListError& Error) {
        Sentences.push_back(Error.what());
    }
    for (const char* Address : {"nonsense", "ftp://cloud.example.org", "http://cloud.example.org"})
        Sentences.push_back(RefusedAddress(QUrl(QString::fromLatin1(Address))).toStdString());
    try {
        const QUrl Closed(QStringLiteral("http://127.0.0.1:1/"));
        TCalDavConnection({Closed, QStringLiteral("alice"), QStringLiteral("secret")}).Send("PROPFIND", Closed);
    } catch (const ESyncFailure& Error) {
        Sentences.push_back(Error.what());
    }
    // Moves the file aside, and so comes last.
    Sentences.push_back(TRememberStore::Open(Foreign).Notice());

    Speak(TLanguage::Hebrew);
    for (const std::string& Sentence : Sentences) {
        const QString Shown = WindowMessage(Sentence);
        EXPECT_NE(Shown, QString::fromStdString(Sentence)) << Sentence;
        EXPECT_FALSE(Shown.contains(u'%')) << Sentence;
    }
    Speak(TLanguage::English);
}

TEST_F(HebrewWindow, AboutBoxAndReminderWindowFollowTheLanguageWhileOpen)
{
    TFormAbout About;
    TDueReminder InTwoDays{{}, Today() + 2, 2};
    InTwoDays.Entry.Occasion = "Yahrtzeit";
    TDueReminder InFiveDays = InTwoDays;
    InFiveDays.Next = Today() + 5;
    InFiveDays.DaysUntil = 5;
    TReminderWindow Reminder({InTwoDays, InFiveDays}, {});

    Speak(TLanguage::Hebrew);
    EXPECT_EQ(About.windowTitle(), QStringLiteral("אודות מירווין"));
    EXPECT_EQ(About.ButtonOk->text(), QStringLiteral("אישור"));
    EXPECT_EQ(Reminder.ShowListButton->text(), QStringLiteral("הצגת הרשימה"));
    EXPECT_EQ(Reminder.DueList->topLevelItem(0)->text(1), LocalDateText(Today() + 2));
    EXPECT_EQ(Reminder.DueList->topLevelItem(0)->text(2), QStringLiteral("בעוד יומיים"));
    EXPECT_EQ(Reminder.DueList->topLevelItem(1)->text(2), QStringLiteral("בעוד 5 ימים"));

    Speak(TLanguage::English);
    EXPECT_EQ(About.windowTitle(), QStringLiteral("About Mirvane"));
    EXPECT_EQ(Reminder.DueList->topLevelItem(0)->text(2), QStringLiteral("in 2 days"));
}

}  // namespace
}  // namespace mirvane
