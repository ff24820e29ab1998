// The Dates to Remember page through its widgets: each control reaches the
// store and the rules of remember/, whose cases are tested there.

#include <fstream>

#include <QApplication>
#include <QCheckBox>
#include <QHeaderView>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>

#include "engine/GregorianDateText.h"
#include "remember/NextDate.h"
#include "remember/RememberStore.h"
#include "tests/ui/FormFixture.h"
#include "ui/DateCustomsDialog.h"
#include "ui/RememberItem.h"
#include "tests/ui/FindControl.h"

namespace mirvane {
namespace {

// A window over an empty list of its own in a temporary data folder.
class RememberPageTest : public FormTest {
protected:
    RememberPageTest() : Kept(qgetenv("XDG_DATA_HOME")) { qputenv("XDG_DATA_HOME", Data.path().toLocal8Bit()); }
    ~RememberPageTest() override
    {
        Form.reset();
        SetQuestionAnswer(false);
        qputenv("XDG_DATA_HOME", Kept);
    }

    std::filesystem::path File() const
    {
        return std::filesystem::path(Data.path().toStdString()) / "Tellwen" / "Mirvane" / "remember.sqlite";
    }
    TRememberStore Store() const { return TRememberStore::Open(File()); }
    std::int64_t Seed(const std::string& Occasion, TGregorianDate Date, TJewishDate Jewish,
                      TRememberKind Kind = TRememberKind::Jewish)
    {
        TRememberEntry Entry;
        Entry.Occasion = Occasion;
        Entry.Date = Date;
        Entry.JewishDate = Jewish;
        Entry.Kind = Kind;
        return Store().Add(Entry);
    }
    TForm1& Open() { return StartShowing(TForm1::RememberPage); }

    static QStringList Column(const TForm1& F, int Index)
    {
        QStringList Texts;
        for (int Row = 0; Row < Find<QTreeWidget>(F, "ListView1")->topLevelItemCount(); ++Row)
            Texts << Find<QTreeWidget>(F, "ListView1")->topLevelItem(Row)->text(Index);
        return Texts;
    }
    static void Select(TForm1& F, int Row) { Find<QTreeWidget>(F, "ListView1")->setCurrentItem(Find<QTreeWidget>(F, "ListView1")->topLevelItem(Row)); }
    static void Click(QPushButton* Button) { QTest::mouseClick(Button, Qt::LeftButton); }

    QTemporaryDir Data;
    QByteArray Kept;
};

TEST_F(RememberPageTest, TheTabShowsTheStoredListInShortFormsWithLongTooltips)
{
    Seed("Mom's birthday", {1970, 12, 1}, {5731, 9, 3});
    Seed("anniversary 10", {1999, 12, 15}, {5760, 10, 6}, TRememberKind::Gregorian);
    Seed("Anniversary 9", {2000, 1, 1}, {5760, 10, 23}, TRememberKind::Gregorian);
    TForm1& F = Open();
    EXPECT_TRUE(Find<QTabWidget>(F, "PageControl1")->isTabVisible(TForm1::RememberPage));
    EXPECT_EQ(Column(F, 0), (QStringList{"Anniversary 9", "anniversary 10", "Mom's birthday"}));
    const QTreeWidgetItem* Mom = Find<QTreeWidget>(F, "ListView1")->topLevelItem(2);
    EXPECT_EQ(Mom->text(1), QStringLiteral("1 Dec 1970"));
    EXPECT_EQ(Mom->text(2), QStringLiteral("3 Kislev 5731"));
    EXPECT_EQ(Mom->toolTip(1), QStringLiteral("Tuesday 1 December 1970"));
    const std::optional<TDateTime> Next = NextDate(Store().List().front(), Today(), true);
    ASSERT_TRUE(Next);
    EXPECT_EQ(Mom->text(3), TRememberItem::ShortDateText(*Next));
    EXPECT_EQ(Mom->toolTip(3), QString::fromStdString(GregorianDateText(*Next)));
    EXPECT_TRUE(Captured.Boxes.empty());
}

TEST_F(RememberPageTest, NewThenOkSavesWhatTheDetailsSay)
{
    TForm1& F = Open();
    Retype(*Find<QLineEdit>(F, "EditOccasion"), "left over");
    Click(Find<QPushButton>(F, "BitBtnNew"));
    EXPECT_EQ(Find<QLineEdit>(F, "EditOccasion")->text(), QString());
    EXPECT_EQ(Find<QLineEdit>(F, "EditWarning")->text(), QStringLiteral("7"));
    if (ShowActive(F)) {
        EXPECT_EQ(QApplication::focusWidget(), Find<QLineEdit>(F, "EditOccasion"));
    }
    Paste(*Find<QLineEdit>(F, "EditOccasion"), "\xD7\xA9\xD7\xA8\xD7\x94 \xF0\x9F\x8E\x82");
    Retype(*Find<QLineEdit>(F, "EditNewDate"), "1/12/70");
    EXPECT_EQ(Find<QLineEdit>(F, "EditNewJDate")->text(), QStringLiteral("3 Kislev 5731"));
    Find<QCheckBox>(F, "CheckBoxNewSunset")->click();
    EXPECT_EQ(Find<QLineEdit>(F, "EditNewJDate")->text(), QStringLiteral("4 Kislev 5731"));
    Retype(*Find<QLineEdit>(F, "EditWarning"), "0");
    Pick(*Find<QComboBox>(F, "ComboBoxWhenRemind"), 1);
    Click(Find<QPushButton>(F, "BitBtnOk"));
    EXPECT_TRUE(Captured.Boxes.empty());
    const std::vector<TRememberEntry> Saved = Store().List();
    ASSERT_EQ(Saved.size(), 1u);
    EXPECT_EQ(Saved[0].Occasion, "\xD7\xA9\xD7\xA8\xD7\x94 \xF0\x9F\x8E\x82");
    EXPECT_EQ(Saved[0].Date, (TGregorianDate{1970, 12, 1}));
    EXPECT_TRUE(Saved[0].AfterSunset);
    EXPECT_EQ(Saved[0].JewishDate, (TJewishDate{5731, 9, 4}));
    EXPECT_EQ(Saved[0].DaysBefore, 0);
    EXPECT_EQ(Saved[0].Kind, TRememberKind::Gregorian);
    EXPECT_EQ(Find<QTreeWidget>(F, "ListView1")->topLevelItemCount(), 1);
}

// The kind and the customs reach the store, name the entry in the list, and
// come back into the details on Modify.
TEST_F(RememberPageTest, KindAndCustomsAreSavedShownAndLoadedAgain)
{
    TForm1& F = Open();
    Click(Find<QPushButton>(F, "BitBtnNew"));
    Retype(*Find<QLineEdit>(F, "EditOccasion"), "Zeyde");
    Retype(*Find<QLineEdit>(F, "EditNewDate"), "3/3/2026");
    EXPECT_EQ(Find<QComboBox>(F, "ComboBoxWhat")->accessibleName(), QStringLiteral("Kind"));
    Pick(*Find<QComboBox>(F, "ComboBoxWhat"), 1);
    const auto ChooseCustoms = [](const char* Burial) {
        QTimer::singleShot(0, [Burial] {
            auto* Dialog = qobject_cast<TDateCustomsDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(Dialog, nullptr);
            auto* Adar = Dialog->findChild<QComboBox*>(QStringLiteral("ComboBoxAdar"));
            EXPECT_EQ(Adar->accessibleName(), QStringLiteral("Adar in a leap year"));
            Adar->setCurrentIndex(3);
            Dialog->findChild<QComboBox*>(QStringLiteral("ComboBoxShortMonth"))->setCurrentIndex(2);
            Dialog->findChild<QLineEdit*>(QStringLiteral("EditBurial"))->setText(QString::fromLatin1(Burial));
            Dialog->accept();
        });
    };
    ChooseCustoms("1/3/2026");
    Click(Find<QPushButton>(F, "ButtonCustoms"));
    Click(Find<QPushButton>(F, "BitBtnOk"));
    // A burial before the death is refused, naming the field.
    ASSERT_EQ(Captured.Boxes.size(), 1u);
    EXPECT_TRUE(Captured.Boxes[0].second.contains(QStringLiteral("burial")));
    EXPECT_TRUE(Store().List().empty());
    ChooseCustoms("5/3/2026");
    Click(Find<QPushButton>(F, "ButtonCustoms"));
    Click(Find<QPushButton>(F, "BitBtnOk"));
    const std::vector<TRememberEntry> Saved = Store().List();
    ASSERT_EQ(Saved.size(), 1u);
    EXPECT_EQ(Saved[0].What, TOccasionWhat::Yahrzeit);
    EXPECT_EQ(Saved[0].Adar, TAdarCustom::Both);
    EXPECT_EQ(Saved[0].ShortMonth, TShortMonthCustom::Day29);
    EXPECT_EQ(Saved[0].Burial, (TGregorianDate{2026, 3, 5}));
    EXPECT_TRUE(Column(F, 0).at(0).startsWith(QStringLiteral("Yahrzeit: Zeyde"))) << Column(F, 0).at(0).toStdString();

    Click(Find<QPushButton>(F, "BitBtnNew"));
    EXPECT_EQ(Find<QComboBox>(F, "ComboBoxWhat")->currentIndex(), 0);
    Select(F, 0);
    Click(Find<QPushButton>(F, "BitBtnModify"));
    EXPECT_EQ(Find<QComboBox>(F, "ComboBoxWhat")->currentIndex(), 1);
    QTimer::singleShot(0, [] {
        auto* Dialog = qobject_cast<TDateCustomsDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(Dialog, nullptr);
        EXPECT_EQ(Dialog->Chosen().Adar, TAdarCustom::Both);
        EXPECT_EQ(Dialog->Chosen().BurialText, QStringLiteral("5/3/2026"));
        Dialog->reject();
    });
    Click(Find<QPushButton>(F, "ButtonCustoms"));
}

TEST_F(RememberPageTest, ATypedJewishDateSetsTheDateAndIsStoredAsTyped)
{
    TForm1& F = Open();
    Retype(*Find<QLineEdit>(F, "EditOccasion"), "Purim");
    Retype(*Find<QLineEdit>(F, "EditNewJDate"), "14 adar 5786");
    EXPECT_EQ(Find<QLineEdit>(F, "EditNewDate")->text(), QStringLiteral("3/3/2026"));
    Find<QAction>(F, "mmddyy1")->trigger();
    Retype(*Find<QLineEdit>(F, "EditNewJDate"), "14 Adar II 5787");
    EXPECT_EQ(Find<QLineEdit>(F, "EditNewDate")->text(), QStringLiteral("3/23/2027"));
    Click(Find<QPushButton>(F, "BitBtnOk"));
    ASSERT_EQ(Store().List().size(), 1u);
    EXPECT_EQ(Store().List()[0].JewishDate, (TJewishDate{5787, 13, 14}));
}

TEST_F(RememberPageTest, HebrewNamesShowTheJewishDatesInHebrewAndReadThemTyped)
{
    Seed("Mom's birthday", {1970, 12, 1}, {5731, 9, 3});
    TForm1& F = Open();
    Select(F, 0);
    Click(Find<QPushButton>(F, "BitBtnModify"));
    Find<QAction>(F, "HebrewNames1")->trigger();
    EXPECT_EQ(Find<QTreeWidget>(F, "ListView1")->topLevelItem(0)->text(2), QStringLiteral("ג׳ כסלו תשל״א"));
    EXPECT_EQ(Find<QLineEdit>(F, "EditNewJDate")->text(), QStringLiteral("ג׳ כסלו תשל״א"));
    EXPECT_EQ(Find<QLineEdit>(F, "EditNewJDate")->layoutDirection(), Qt::RightToLeft);
    EXPECT_EQ(Find<QTreeWidget>(F, "ListView1")->topLevelItem(0)->textAlignment(2) & Qt::AlignRight, Qt::AlignRight);
    Paste(*Find<QLineEdit>(F, "EditNewJDate"), "י״ד אדר תשפ״ו");
    EXPECT_EQ(Find<QLineEdit>(F, "EditNewDate")->text(), QStringLiteral("3/3/2026"));
    Find<QAction>(F, "HebrewNames1")->trigger();
    EXPECT_EQ(Find<QLineEdit>(F, "EditNewJDate")->text(), QStringLiteral("14 Adar 5786"));
    EXPECT_EQ(Find<QTreeWidget>(F, "ListView1")->topLevelItem(0)->text(2), QStringLiteral("3 Kislev 5731"));
    EXPECT_TRUE(Captured.Boxes.empty());
}

TEST_F(RememberPageTest, ModifyDoubleClickAndEnterLoadTheEntryAndOkChangesIt)
{
    const std::int64_t Id = Seed("Before", {1970, 12, 1}, {5731, 9, 3});
    Seed("Other", {1980, 1, 1}, {5740, 10, 13});
    TForm1& F = Open();
    Select(F, 0);
    Click(Find<QPushButton>(F, "BitBtnModify"));
    EXPECT_EQ(Find<QLineEdit>(F, "EditOccasion")->text(), QStringLiteral("Before"));
    EXPECT_EQ(Find<QLineEdit>(F, "EditNewDate")->text(), QStringLiteral("1/12/1970"));
    EXPECT_EQ(Find<QLineEdit>(F, "EditNewJDate")->text(), QStringLiteral("3 Kislev 5731"));
    Click(Find<QPushButton>(F, "BitBtnNew"));
    const QRect Other = Find<QTreeWidget>(F, "ListView1")->visualItemRect(Find<QTreeWidget>(F, "ListView1")->topLevelItem(1));
    QTest::mouseClick(Find<QTreeWidget>(F, "ListView1")->viewport(), Qt::LeftButton, {}, Other.center());
    QTest::mouseDClick(Find<QTreeWidget>(F, "ListView1")->viewport(), Qt::LeftButton, {}, Other.center());
    EXPECT_EQ(Find<QLineEdit>(F, "EditOccasion")->text(), QStringLiteral("Other"));
    Select(F, 0);
    QTest::keyClick(Find<QTreeWidget>(F, "ListView1"), Qt::Key_Return);
    EXPECT_EQ(Find<QLineEdit>(F, "EditOccasion")->text(), QStringLiteral("Before"));

    Retype(*Find<QLineEdit>(F, "EditOccasion"), "After");
    Click(Find<QPushButton>(F, "BitBtnOk"));
    const std::vector<TRememberEntry> Saved = Store().List();
    ASSERT_EQ(Saved.size(), 2u);
    EXPECT_EQ(Saved[0].Id, Id);
    EXPECT_EQ(Saved[0].Occasion, "After");
    EXPECT_EQ(Column(F, 0), (QStringList{"After", "Other"}));
}

TEST_F(RememberPageTest, CancelPutsBackTheSelectedEntryOrNothing)
{
    Seed("Kept", {1970, 12, 1}, {5731, 9, 3});
    TForm1& F = Open();
    Select(F, 0);
    Click(Find<QPushButton>(F, "BitBtnModify"));
    Retype(*Find<QLineEdit>(F, "EditOccasion"), "Changed");
    Retype(*Find<QLineEdit>(F, "EditWarning"), "30");
    Click(Find<QPushButton>(F, "BitBtnCancel"));
    EXPECT_EQ(Find<QLineEdit>(F, "EditOccasion")->text(), QStringLiteral("Kept"));
    EXPECT_EQ(Find<QLineEdit>(F, "EditWarning")->text(), QStringLiteral("7"));
    Find<QTreeWidget>(F, "ListView1")->clearSelection();
    Click(Find<QPushButton>(F, "BitBtnCancel"));
    EXPECT_EQ(Find<QLineEdit>(F, "EditOccasion")->text(), QString());
    EXPECT_EQ(Store().List()[0].Occasion, "Kept");
}

// The selection moves to the row that took the deleted one's place, or to
// the new last row.
TEST_F(RememberPageTest, DeleteAsksAndRemovesOnlyOnYes)
{
    Seed("Grandpa \"Zeyde\"", {1970, 12, 1}, {5731, 9, 3});
    Seed("Second", {1970, 12, 1}, {5731, 9, 3});
    Seed("Third", {1970, 12, 1}, {5731, 9, 3});
    TForm1& F = Open();
    const auto Selected = [&F] {
        const QList<QTreeWidgetItem*> Items = Find<QTreeWidget>(F, "ListView1")->selectedItems();
        return Items.isEmpty() ? QString() : Items.front()->text(0);
    };
    Select(F, 0);
    SetQuestionAnswer(false);
    Click(Find<QPushButton>(F, "BitBtnDelete"));
    ASSERT_EQ(Captured.Boxes.size(), 1u);
    EXPECT_EQ(Captured.Boxes[0], (BoxCapture::TBox{TBoxKind::Question, QStringLiteral("Delete \"Grandpa \"Zeyde\"\"?")}));
    EXPECT_EQ(Store().List().size(), 3u);
    SetQuestionAnswer(true);
    Select(F, 1);
    Click(Find<QPushButton>(F, "BitBtnDelete"));
    EXPECT_EQ(Column(F, 0), (QStringList{"Grandpa \"Zeyde\"", "Third"}));
    EXPECT_EQ(Selected(), QStringLiteral("Third"));
    Find<QTreeWidget>(F, "ListView1")->setFocus();
    QTest::keyClick(Find<QTreeWidget>(F, "ListView1"), Qt::Key_Delete);
    EXPECT_EQ(Selected(), QStringLiteral("Grandpa \"Zeyde\""));
    QTest::keyClick(Find<QTreeWidget>(F, "ListView1"), Qt::Key_Delete);
    EXPECT_EQ(Store().List().size(), 0u);
    EXPECT_EQ(Find<QTreeWidget>(F, "ListView1")->topLevelItemCount(), 0);
}

// Keyboard only: Enter on the focused New button, the name and the date
// typed, then Enter in the date box.
TEST_F(RememberPageTest, EnterOnNewOpensTheDetailsAndEnterInABoxSaves)
{
    TForm1& F = Open();
    ASSERT_TRUE(ShowActive(F));
    Find<QTreeWidget>(F, "ListView1")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), Find<QPushButton>(F, "BitBtnNew"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Mom's birthday"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("1/12/70"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_TRUE(Captured.Boxes.empty());
    ASSERT_EQ(Store().List().size(), 1u);
    EXPECT_EQ(Store().List()[0].Occasion, "Mom's birthday");
}

TEST_F(RememberPageTest, EachRefusalNamesItsFieldAndSavesNothing)
{
    struct TCase {
        const char* Occasion;
        const char* Date;
        const char* JewishDate;
        const char* Days;
        const char* Field;
        const char* Named;
    };
    const TCase Cases[] = {
        {"   ", "1/12/70", "", "7", "EditOccasion", "name of the occasion"},
        {"tab\there", "1/12/70", "", "7", "EditOccasion", "name of the occasion"},
        {"x", "31/2/2000", "", "7", "EditNewDate", "date"},
        {"x", "", "", "7", "EditNewDate", "Enter the date"},
        {"x", "", "31 Cheshvan 5760", "7", "EditNewJDate", "Cheshvan has 30 days in 5760"},
        {"x", "1/12/70", "30 Cheshvan 5786", "7", "EditNewJDate", "Jewish date"},
        {"x", "1/12/70", "3 Kislev", "7", "EditNewJDate", "Jewish date"},
        {"x", "1/12/70", "", "366", "EditWarning", "days before"},
        {"x", "1/12/70", "", "-1", "EditWarning", "days before"},
        {"x", "1/12/70", "", "", "EditWarning", "days before"},
    };
    TForm1& F = Open();
    const bool Active = ShowActive(F);
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.Occasion + std::string(" ") + Case.Date + " " + Case.JewishDate + " " + Case.Days);
        Click(Find<QPushButton>(F, "BitBtnNew"));
        Find<QLineEdit>(F, "EditOccasion")->setText(QString::fromUtf8(Case.Occasion));
        Paste(*Find<QLineEdit>(F, "EditNewDate"), Case.Date);
        if (*Case.JewishDate)
            Paste(*Find<QLineEdit>(F, "EditNewJDate"), Case.JewishDate);
        Find<QLineEdit>(F, "EditWarning")->setText(QString::fromUtf8(Case.Days));
        Captured.Boxes.clear();
        Click(Find<QPushButton>(F, "BitBtnOk"));
        ASSERT_EQ(Captured.Boxes.size(), 1u);
        EXPECT_EQ(Captured.Boxes[0].first, TBoxKind::Message);
        EXPECT_TRUE(Captured.Boxes[0].second.contains(QString::fromUtf8(Case.Named))) << Captured.Boxes[0].second.toStdString();
        if (Active) {
            EXPECT_EQ(QApplication::focusWidget(), Find<QLineEdit>(F, Case.Field));
        }
    }
    EXPECT_TRUE(Store().List().empty());
}

TEST_F(RememberPageTest, SortByRadioOrHeadingIsKeptInItsOwnGroup)
{
    Seed("B later", {2000, 1, 1}, {5760, 10, 23}, TRememberKind::Once);
    Seed("A past", {2001, 1, 1}, {5761, 10, 6}, TRememberKind::Once);
    Seed("C soon", {9000, 1, 1}, {12760, 10, 1}, TRememberKind::Once);
    Seed("D sooner", {8000, 1, 1}, {11760, 10, 1}, TRememberKind::Once);
    TForm1& F = Open();
    EXPECT_EQ(Column(F, 0), (QStringList{"A past", "B later", "C soon", "D sooner"}));
    Find<QRadioButton>(F, "RadioSortDate")->click();
    EXPECT_EQ(Column(F, 0), (QStringList{"D sooner", "C soon", "A past", "B later"}));
    QSettings Settings(QStringLiteral("Tellwen"), QStringLiteral("Mirvane"));
    EXPECT_EQ(Settings.value(QStringLiteral("Remember/SortBy")).toInt(), 1);
    Close();
    EXPECT_FALSE(Settings.childGroups().contains(QStringLiteral("Options")) &&
                 Settings.allKeys().filter(QStringLiteral("Options/")).size() != 5);

    TForm1& Again = Open();
    EXPECT_TRUE(Find<QRadioButton>(Again, "RadioSortDate")->isChecked());
    QTest::mouseClick(Find<QTreeWidget>(Again, "ListView1")->header()->viewport(), Qt::LeftButton, {},
                      QPoint(Find<QTreeWidget>(Again, "ListView1")->header()->sectionViewportPosition(0) + 5, 5));
    EXPECT_TRUE(Find<QRadioButton>(Again, "RadioSortOccasion")->isChecked());
    EXPECT_EQ(Column(Again, 0), (QStringList{"A past", "B later", "C soon", "D sooner"}));
}

TEST_F(RememberPageTest, TheRunMirvaneTickIsKeptBetweenRuns)
{
    TForm1& F = Open();
    EXPECT_TRUE(Find<QCheckBox>(F, "CheckBoxRun")->isChecked());
    Find<QCheckBox>(F, "CheckBoxRun")->click();
    Close();
    EXPECT_FALSE(Find<QCheckBox>(Open(), "CheckBoxRun")->isChecked());
    QSettings Settings(QStringLiteral("Tellwen"), QStringLiteral("Mirvane"));
    EXPECT_EQ(Settings.value(QStringLiteral("Remember/CheckOnRun")).toInt(), 0);
}

TEST_F(RememberPageTest, ActivationAndTheAdarChoiceRecomputeTheList)
{
    TForm1& F = Open();
    const std::int64_t Id = Seed("Added by the command line", {2026, 3, 3}, {5786, 12, 14});
    EXPECT_EQ(Find<QTreeWidget>(F, "ListView1")->topLevelItemCount(), 0);
    if (!ShowActive(F))
        GTEST_SKIP() << "the platform does not activate windows";
    QEvent Activation(QEvent::ActivationChange);
    QApplication::sendEvent(&F, &Activation);
    ASSERT_EQ(Find<QTreeWidget>(F, "ListView1")->topLevelItemCount(), 1);
    TRememberEntry Entry = Store().List().front();
    ASSERT_EQ(Entry.Id, Id);
    for (const bool PlainAdarIsAdar2 : {false, true}) {
        (PlainAdarIsAdar2 ? Find<QAction>(F, "Adar21") : Find<QAction>(F, "Adar11"))->trigger();
        EXPECT_EQ(Find<QTreeWidget>(F, "ListView1")->topLevelItem(0)->text(3),
                  TRememberItem::ShortDateText(*NextDate(Entry, Today(), PlainAdarIsAdar2)));
    }
}

TEST_F(RememberPageTest, ADamagedStoreIsMovedAsideAndSaidOnce)
{
    std::filesystem::create_directories(File().parent_path());
    {
        std::ofstream Damaged(File());
        Damaged << "not a list of dates";
    }
    TForm1& F = Open();
    ASSERT_EQ(Captured.Boxes.size(), 1u);
    EXPECT_TRUE(Captured.Boxes[0].second.contains(QString::fromStdString(File().string())));
    EXPECT_TRUE(Captured.Boxes[0].second.contains(QStringLiteral(".damaged-")));
    EXPECT_EQ(Find<QTreeWidget>(F, "ListView1")->topLevelItemCount(), 0);
    Retype(*Find<QLineEdit>(F, "EditOccasion"), "new");
    Retype(*Find<QLineEdit>(F, "EditNewDate"), "1/1/2000");
    Click(Find<QPushButton>(F, "BitBtnOk"));
    EXPECT_EQ(Store().List().size(), 1u);
}

}  // namespace
}  // namespace mirvane
