#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QStyle>
#include <QTextBlock>
#include <QTreeWidget>

#include "grid/MirvaneGrid.h"
#include "tests/ui/FormFixture.h"
#include "ui/AboutForm.h"
#include "widgets/UpDown.h"
#include "tests/ui/FindControl.h"

namespace mirvane {
namespace {

using Window = FormTest;

QString AccessibleName(QWidget* Widget)
{
    QAccessibleInterface* Interface = QAccessible::queryAccessibleInterface(Widget);
    return Interface == nullptr ? QString() : Interface->text(QAccessible::Name);
}

struct TAccessibleCase {
    const char* Object;
    const char* Name;
    QAccessible::Role Role;
};

TEST_F(Window, EveryInputAndOutputCarriesItsAccessibleNameAndRole)
{
    TForm1& F = Start();
    MakeWorkingPages(F);
    using enum QAccessible::Role;
    const TAccessibleCase Cases[] = {
        {"MirvaneGrid1", "Month grid", Table},
        {"Edit20", "Year", EditableText},
        {"Edit21", "Jewish Year", EditableText},
        {"Edit1", "Original date", EditableText},
        {"Edit3", "Year wanted", EditableText},
        {"Edit2", "Jewish Date", EditableText},
        {"Edit4", "Equivalent Date of B'day", EditableText},
        {"Edit25", "Number of years", EditableText},
        {"Memo4", "List of equivalent dates", EditableText},
        {"Edit13", "Gregorian Year", EditableText},
        {"Edit15", "Date of Festival", EditableText},
        {"Edit27", "Number of years", EditableText},
        {"Memo5", "List of festival dates", EditableText},
        {"Edit23", "Jewish Year", EditableText},
        {"Edit5", "CycleNumber", EditableText},
        {"Edit6", "Year In Cycle", EditableText},
        {"Edit7", "Molad of Tishrei days", EditableText},
        {"Edit8", "Molad of Tishrei hours", EditableText},
        {"Edit9", "Molad of Tishrei parts", EditableText},
        {"Edit10", "First Day of Year", EditableText},
        {"Edit26", "Date of first day of year", EditableText},
        {"Edit22", "Season Nissan", EditableText},
        {"Edit24", "Day of Season Nissan", EditableText},
        {"Edit11", "Days In Cheshvan", EditableText},
        {"Edit12", "Days In Kislev", EditableText},
        {"Edit14", "Days in month", EditableText},
        {"Edit19", "Molad of month", EditableText},
        {"Edit16", "Molad of month days", EditableText},
        {"Edit17", "Molad of month hours", EditableText},
        {"Edit18", "Molad of month parts", EditableText},
        {"UpDown1", "Jewish Year up/down", SpinBox},
        {"UpDown3", "Year wanted up/down", SpinBox},
        {"UpDown4", "Gregorian Year up/down", SpinBox},
        // Buttons, check boxes and radio buttons by their captions.
        {"Button1", "Next Month", Button},
        {"Button4", "Today's Date", Button},
        {"CheckBox2", "Sunset & Midnight", CheckBox},
        {"RadioButton1", "Date of Night of B'day or Y'tziet", RadioButton},
        {"CheckBox1", "Leap Year", CheckBox},
    };
    for (const auto& [Object, Name, Role] : Cases) {
        auto* Widget = F.findChild<QWidget*>(QString::fromLatin1(Object));
        ASSERT_NE(Widget, nullptr) << Object;
        EXPECT_EQ(AccessibleName(Widget), QString::fromLatin1(Name)) << Object;
        EXPECT_EQ(QAccessible::queryAccessibleInterface(Widget)->role(), Role) << Object;
    }
    // The combo boxes are labelled by their buddies.
    for (const auto& [Combo, Label] : {std::pair{Find<QComboBox>(F, "ComboBox2"), Find<QLabel>(F, "Label19")}, std::pair{Find<QComboBox>(F, "ComboBox1"), Find<QLabel>(F, "Label16")}}) {
        EXPECT_EQ(Label->buddy(), Combo);
        EXPECT_EQ(QAccessible::queryAccessibleInterface(Combo)->role(), QAccessible::ComboBox);
        bool Labelled = false;
        for (const auto& [Other, Relation] :
             QAccessible::queryAccessibleInterface(Combo)->relations(QAccessible::Label)) {
            Labelled = Labelled || Other->object() == Label;
        }
        EXPECT_TRUE(Labelled) << Label->text().toStdString();
    }
    // A screen reader may read and set an up/down control's position.
    QAccessibleValueInterface* Spinner = QAccessible::queryAccessibleInterface(Find<TUpDown>(F, "UpDown1"))->valueInterface();
    ASSERT_NE(Spinner, nullptr);
    EXPECT_EQ(Spinner->minimumValue().toInt(), 0);
    EXPECT_EQ(Spinner->maximumValue().toInt(), 7000);
    Spinner->setCurrentValue(5760);
    EXPECT_EQ(Find<QLineEdit>(F, "Edit23")->text(), QStringLiteral("5760"));
    EXPECT_EQ(Spinner->currentValue().toInt(), 5760);
}

// Parts of composite controls that a screen reader reaches through their
// owner, not on their own.
bool IsPartOfAnother(const QWidget& Widget)
{
    const QWidget* Parent = Widget.parentWidget();
    return Widget.objectName().startsWith(QStringLiteral("qt_")) || Widget.inherits("QScrollBar") ||
           Widget.inherits("QComboBoxPrivateContainer") || Widget.inherits("QHeaderView") ||
           (Parent != nullptr && (Parent->inherits("QComboBox") || Parent->inherits("QAbstractScrollArea") ||
                                  Parent->inherits("QTabBar") || Parent->inherits("QComboBoxPrivateContainer") ||
                                  qobject_cast<const TUpDown*>(Parent) != nullptr));
}

TEST_F(Window, EveryControlOfEveryPageAndDialogHasANameAndASensibleRole)
{
    TForm1& F = Start();
    F.show();
    MakeWorkingPages(F);
    F.Page(TForm1::TimesPage).Make();
    Find<QTabWidget>(F, "PageControl1")->setCurrentIndex(TForm1::RememberPage);  // made when first shown
    TFormAbout About(&F);
    int Checked = 0;
    for (QWidget* Widget : F.findChildren<QWidget*>()) {
        if (IsPartOfAnother(*Widget)) {
            continue;
        }
        QAccessibleInterface* Interface = QAccessible::queryAccessibleInterface(Widget);
        ASSERT_NE(Interface, nullptr);
        const QAccessible::Role Role = Interface->role();
        const std::string What = Widget->objectName().toStdString() + " (" + Widget->metaObject()->className() + ")";
        // Plain containers (the pages, the window's client area) are no
        // controls; everything else says what it is.
        if (Role == QAccessible::Client) {
            // (A page control passes the focus to its tab bar.)
            EXPECT_TRUE(Widget->focusPolicy() == Qt::NoFocus || Widget->focusProxy() != nullptr) << What;
            EXPECT_FALSE(Widget->findChildren<QWidget*>().isEmpty()) << What << " is an empty container";
            continue;
        }
        EXPECT_NE(Role, QAccessible::Border) << What;
        EXPECT_NE(Role, QAccessible::NoRole) << What;
        if (Role != QAccessible::LayeredPane && Role != QAccessible::MenuBar && Role != QAccessible::PopupMenu &&
            Role != QAccessible::Dialog && Role != QAccessible::Window) {
            EXPECT_FALSE(Interface->text(QAccessible::Name).isEmpty()) << What;
        }
        ++Checked;
    }
    EXPECT_GT(Checked, 100);

    // Menu items by their captions, without the mnemonic's ampersand.
    QAccessibleInterface* MenuBar = QAccessible::queryAccessibleInterface(Find<QMenuBar>(F, "MainMenu1"));
    QStringList TopLevel;
    for (int Index = 0; Index < MenuBar->childCount(); ++Index) {
        EXPECT_EQ(MenuBar->child(Index)->role(), QAccessible::MenuItem);
        TopLevel.append(MenuBar->child(Index)->text(QAccessible::Name));
    }
    EXPECT_EQ(TopLevel, (QStringList{QStringLiteral("File"), QStringLiteral("Options"), QStringLiteral("Quit"),
                                     QStringLiteral("Help")}));
    QAccessibleInterface* Options = QAccessible::queryAccessibleInterface(Find<QMenu>(F, "Optios1"));
    EXPECT_EQ(Options->child(0)->text(QAccessible::Name), QStringLiteral("Diaspora"));
    EXPECT_TRUE(Options->child(0)->state().checked);
    EXPECT_EQ(Options->child(2)->role(), QAccessible::Separator);
}

QStringList Names(const QList<QAccessibleInterface*>& Cells)
{
    QStringList Texts;
    for (QAccessibleInterface* Cell : Cells) {
        Texts.append(Cell->text(QAccessible::Name));
    }
    return Texts;
}

TEST_F(Window, TheGridIsATableWhoseFocusedCellTellsTheSelectedDay)
{
    TForm1& F = Start();
    ASSERT_TRUE(ShowActive(F));
    Find<QTabWidget>(F, "PageControl1")->setCurrentIndex(TForm1::CalendarPage);
    Find<TMirvaneGrid>(F, "MirvaneGrid1")->SetDate(EncodeDate(2026, 12, 6));
    Find<TMirvaneGrid>(F, "MirvaneGrid1")->setFocus();

    QAccessibleInterface* Grid = QAccessible::queryAccessibleInterface(Find<TMirvaneGrid>(F, "MirvaneGrid1"));
    EXPECT_EQ(Grid->text(QAccessible::Description),
              QStringLiteral("Sunday 6 December 2026, 26 Kislev 5787, Chanukah day 2"));
    QAccessibleTableInterface* Table = Grid->tableInterface();
    ASSERT_NE(Table, nullptr);
    EXPECT_EQ(Table->rowCount(), 33);
    EXPECT_EQ(Table->columnCount(), 4);
    EXPECT_EQ(Grid->childCount(), 33 * 4);
    EXPECT_EQ(Table->cellAt(0, 1)->role(), QAccessible::ColumnHeader);
    EXPECT_EQ(Table->cellAt(2, 0)->role(), QAccessible::RowHeader);
    EXPECT_EQ(Table->cellAt(2, 0)->text(QAccessible::Name), QStringLiteral("Tuesday"));
    EXPECT_EQ(Table->cellAt(2, 0), Table->cellAt(2, 0)) << "the same cell every time";
    EXPECT_EQ(Table->cellAt(33, 0), nullptr);

    QAccessibleInterface* Day = Grid->focusChild();
    ASSERT_NE(Day, nullptr);
    EXPECT_EQ(Day->role(), QAccessible::Cell);
    EXPECT_EQ(Day->text(QAccessible::Name), QStringLiteral("6"));
    EXPECT_EQ(Day->text(QAccessible::Description), Grid->text(QAccessible::Description));
    EXPECT_TRUE(Day->state().selected);
    EXPECT_TRUE(Day->state().focused);
    EXPECT_EQ(Grid->indexOfChild(Day), 7 * 4 + 1);
    EXPECT_EQ(Grid->child(7 * 4 + 1), Day);
    EXPECT_EQ(Names(Day->tableCellInterface()->columnHeaderCells()),
              (QStringList{QStringLiteral("2026"), QStringLiteral("Dec")}));
    EXPECT_EQ(Names(Day->tableCellInterface()->rowHeaderCells()), QStringList{QStringLiteral("Sunday")});
    EXPECT_EQ(Table->selectedCells(), QList<QAccessibleInterface*>{Day});

    // The arrow keys move the focused cell, which carries the new day's
    // sentence.
    QTest::keyClick(Find<TMirvaneGrid>(F, "MirvaneGrid1"), Qt::Key_Down);
    QTest::keyClick(Find<TMirvaneGrid>(F, "MirvaneGrid1"), Qt::Key_Right);
    Day = Grid->focusChild();
    EXPECT_EQ(Day->text(QAccessible::Name), QStringLiteral("27"));
    EXPECT_EQ(Day->text(QAccessible::Description),
              QStringLiteral("Monday 7 December 2026, 27 Kislev 5787, Chanukah day 3"));
    EXPECT_EQ(Grid->indexOfChild(Day), 8 * 4 + 2);
}

TEST_F(Window, SixPagesInOrderWithEveryTabShown)
{
    TForm1& F = Start();
    const char* const Pages[][2] = {{"TabSheet3", "Calendar"},
                                    {"TabSheet4", "Birthdays/Yahrtzeits"},
                                    {"TabSheet5", "Festivals"},
                                    {"TabSheet1", "Year Details"},
                                    {"TabSheetRemember", "Dates to Remember"},
                                    {"TabSheetTimes", "Times"}};
    ASSERT_EQ(Find<QTabWidget>(F, "PageControl1")->count(), TForm1::PageCount);
    for (int Index = 0; Index < TForm1::PageCount; ++Index) {
        EXPECT_EQ(Find<QTabWidget>(F, "PageControl1")->widget(Index)->objectName(), QString::fromLatin1(Pages[Index][0]));
        EXPECT_EQ(Find<QTabWidget>(F, "PageControl1")->tabText(Index), QString::fromLatin1(Pages[Index][1]));
        EXPECT_TRUE(Find<QTabWidget>(F, "PageControl1")->isTabVisible(Index));
    }
    F.show();
    Find<QTabWidget>(F, "PageControl1")->setCurrentIndex(TForm1::RememberPage);
    EXPECT_EQ(Find<QTabWidget>(F, "PageControl1")->currentIndex(), TForm1::RememberPage);
    EXPECT_TRUE(Find<QWidget>(F, "TabSheetRemember")->isVisible());
    EXPECT_TRUE(Find<QTabWidget>(F, "PageControl1")->isTabVisible(TForm1::RememberPage));
}

// The header invites direct calls, so every handler must hold whatever
// order it is called in, also before its page was first shown.
TEST_F(Window, HandlersOfAPageNotYetShownRunWithoutFailing)
{
    TForm1& F = Start();
    ASSERT_NE(Find<QTabWidget>(F, "PageControl1")->currentIndex(), TForm1::RememberPage);
    Find<QPushButton>(F, "BitBtnNew")->click();
    Find<QPushButton>(F, "BitBtnOk")->click();
    ASSERT_NE(Find<QGroupBox>(F, "GroupBox1"), nullptr);
    EXPECT_TRUE(Find<QGroupBox>(F, "GroupBox1")->isEnabled());
    // Ok on the empty details refuses them with a message, not an error.
    ASSERT_EQ(Captured.Boxes.size(), 1u);
    EXPECT_EQ(Captured.Boxes[0].first, TBoxKind::Message);
    EXPECT_TRUE(Captured.Boxes[0].second.contains(QStringLiteral("name of the occasion")));
    EXPECT_EQ(Find<QTreeWidget>(F, "ListView1")->topLevelItemCount(), 0);
}

TEST_F(Window, ControlsStartWithTheirCaptionsContentsAndRanges)
{
    TForm1& F = Start();
    EXPECT_EQ(F.windowTitle(), QStringLiteral("Mirvane"));
    EXPECT_EQ(Find<TUpDown>(F, "UpDown1")->Min(), 0);
    EXPECT_EQ(Find<TUpDown>(F, "UpDown1")->Max(), 7000);
    for (const TUpDown* UpDown : {Find<TUpDown>(F, "UpDown3"), Find<TUpDown>(F, "UpDown4")}) {
        EXPECT_EQ(UpDown->Min(), 2);
        EXPECT_EQ(UpDown->Max(), 3240);
    }
    EXPECT_TRUE(Find<QRadioButton>(F, "RadioButton2")->isChecked());
    EXPECT_FALSE(Find<QRadioButton>(F, "RadioButton1")->isChecked());
    EXPECT_FALSE(Find<QCheckBox>(F, "CheckBox2")->isChecked());
    EXPECT_EQ(Find<QCheckBox>(F, "CheckBox2")->text(), QStringLiteral("Sunset && Midnight"));
    EXPECT_TRUE(Find<QPlainTextEdit>(F, "Memo4")->isHidden());
    EXPECT_TRUE(Find<QPlainTextEdit>(F, "Memo5")->isHidden());
    EXPECT_EQ(Find<QComboBox>(F, "ComboBox1")->count(), 13);
    EXPECT_EQ(Find<QComboBox>(F, "ComboBox1")->currentIndex(), -1);
    EXPECT_EQ(Find<QComboBox>(F, "ComboBox1")->itemText(12), QStringLiteral("Adar2"));
    EXPECT_FALSE(Find<QComboBox>(F, "ComboBox1")->isEditable());
    EXPECT_TRUE(Find<QComboBox>(F, "ComboBox2")->isEditable());
    for (QLineEdit* Output : {Find<QLineEdit>(F, "Edit2"), Find<QLineEdit>(F, "Edit4"), Find<QLineEdit>(F, "Edit15"), Find<QLineEdit>(F, "Edit5"), Find<QLineEdit>(F, "Edit26"), Find<QLineEdit>(F, "Edit19"), Find<QLineEdit>(F, "Edit18")}) {
        EXPECT_TRUE(Output->isReadOnly()) << Output->objectName().toStdString();
    }
    EXPECT_EQ(F.findChild<QTreeWidget*>(QStringLiteral("ListView1")), nullptr) << "the Dates to Remember page is made when first shown";
    Find<QTabWidget>(F, "PageControl1")->setCurrentIndex(TForm1::RememberPage);
    ASSERT_NE(Find<QTreeWidget>(F, "ListView1"), nullptr);
    EXPECT_EQ(Find<QTreeWidget>(F, "ListView1")->columnCount(), 4);
    EXPECT_TRUE(Find<QLineEdit>(F, "EditOccasion")->isVisibleTo(Find<QWidget>(F, "TabSheetRemember")));
    EXPECT_EQ(Find<QLineEdit>(F, "EditOccasion")->maxLength(), 100);
    EXPECT_EQ(Find<QLineEdit>(F, "EditWarning")->text(), QStringLiteral("7"));
    // Nothing runs at log-in until the user asks for it.
    EXPECT_FALSE(Find<QCheckBox>(F, "CheckBoxStart")->isChecked());
    EXPECT_TRUE(Find<QCheckBox>(F, "CheckBoxRun")->isChecked());
    EXPECT_TRUE(Find<QGroupBox>(F, "GroupBox1")->isEnabled());
    Find<QPushButton>(F, "BitBtnNew")->click();
    EXPECT_TRUE(Find<QGroupBox>(F, "GroupBox1")->isEnabled());
}

// The widgets the Tab key, or Shift+Tab, visits from the page control's tab
// bar until it comes back there: the whole round of the page shown.
QStringList TabRound(TForm1& Form, Qt::KeyboardModifiers Modifiers = Qt::NoModifier)
{
    QWidget* TabBar = Find<QTabWidget>(Form, "PageControl1")->tabBar();
    TabBar->setFocus(Qt::TabFocusReason);
    QStringList Round;
    for (int Step = 0; Step < 40; ++Step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Modifiers);
        QWidget* Focus = QApplication::focusWidget();
        if (Focus == TabBar) {
            return Round;
        }
        Round.append(Focus == nullptr ? QStringLiteral("(none)") : Focus->objectName());
    }
    Round.append(QStringLiteral("(no way back)"));
    return Round;
}

struct TRoundCase {
    int Page;
    const char* Round;
};

TEST_F(Window, TheTabKeyWalksEveryInputOfEveryPageInOrderAndBack)
{
    TForm1& F = Start();
    ASSERT_TRUE(ShowActive(F));

    // The two radio buttons are one stop, on the checked one.
    const TRoundCase Rounds[] = {
        {TForm1::CalendarPage, "MirvaneGrid1 Button1 Button2 Button3 Button5 Edit20 Edit21 Button4"},
        {TForm1::BirthdaysPage, "Edit1 CheckBox2 Edit3 RadioButton2 Edit25"},
        {TForm1::FestivalsPage, "ComboBox2 Edit13 Edit27"},
        {TForm1::YearDetailsPage, "Edit23 ComboBox1"},
    };
    for (const auto& [Page, Round] : Rounds) {
        Find<QTabWidget>(F, "PageControl1")->setCurrentIndex(Page);
        const QStringList Forward = TabRound(F);
        EXPECT_EQ(Forward.join(u' '), QString::fromLatin1(Round));
        QStringList Backward = TabRound(F, Qt::ShiftModifier);
        std::reverse(Backward.begin(), Backward.end());
        EXPECT_EQ(Backward, Forward);
    }

    Find<QTabWidget>(F, "PageControl1")->setCurrentIndex(TForm1::BirthdaysPage);
    Find<QRadioButton>(F, "RadioButton1")->setChecked(true);
    EXPECT_EQ(TabRound(F).join(u' '), QStringLiteral("Edit1 CheckBox2 Edit3 RadioButton1 Edit25"));
    Find<QRadioButton>(F, "RadioButton1")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(Find<QRadioButton>(F, "RadioButton1"), Qt::Key_Up);  // RadioButton2 is the upper one
    EXPECT_EQ(QApplication::focusWidget(), Find<QRadioButton>(F, "RadioButton2"));
    EXPECT_TRUE(Find<QRadioButton>(F, "RadioButton2")->isChecked());
}

TEST_F(Window, TheKeyboardTurnsThroughEveryPage)
{
    TForm1& F = Start();
    ASSERT_TRUE(ShowActive(F));
    Find<QTabWidget>(F, "PageControl1")->setCurrentIndex(TForm1::CalendarPage);
    // From the tab bar by the arrow keys, from inside a page by Ctrl+Tab.
    Find<QTabWidget>(F, "PageControl1")->tabBar()->setFocus(Qt::TabFocusReason);
    QTest::keyClick(Find<QTabWidget>(F, "PageControl1")->tabBar(), Qt::Key_Right);
    EXPECT_EQ(Find<QTabWidget>(F, "PageControl1")->currentIndex(), TForm1::BirthdaysPage);
    Find<QLineEdit>(F, "Edit1")->setFocus(Qt::TabFocusReason);
    QList<int> Visited;
    for (int Step = 0; Step < 6; ++Step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
        Visited.append(Find<QTabWidget>(F, "PageControl1")->currentIndex());
    }
    EXPECT_EQ(Visited, (QList<int>{TForm1::FestivalsPage, TForm1::YearDetailsPage, TForm1::RememberPage,
                                   TForm1::TimesPage, TForm1::CalendarPage, TForm1::BirthdaysPage}));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Find<QTabWidget>(F, "PageControl1")->currentIndex(), TForm1::TimesPage);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Find<QTabWidget>(F, "PageControl1")->currentIndex(), TForm1::RememberPage);
}

TEST_F(Window, TheGridFollowsTheArrowKeysAndTheYearBoxesFollowTheGrid)
{
    TForm1& F = Start();
    ASSERT_TRUE(ShowActive(F));
    Find<QTabWidget>(F, "PageControl1")->setCurrentIndex(TForm1::CalendarPage);
    Find<TMirvaneGrid>(F, "MirvaneGrid1")->SetDate(EncodeDate(2026, 12, 31));
    ASSERT_EQ(TabRound(F).value(0), QStringLiteral("MirvaneGrid1"));
    Find<QTabWidget>(F, "PageControl1")->tabBar()->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), Find<TMirvaneGrid>(F, "MirvaneGrid1"));
    QTest::keyClick(Find<TMirvaneGrid>(F, "MirvaneGrid1"), Qt::Key_Up);
    EXPECT_EQ(Find<TMirvaneGrid>(F, "MirvaneGrid1")->CurrentDate(), EncodeDate(2026, 12, 30));
    QTest::keyClick(Find<TMirvaneGrid>(F, "MirvaneGrid1"), Qt::Key_Right);  // to the Jewish day
    EXPECT_TRUE(Find<TMirvaneGrid>(F, "MirvaneGrid1")->JewishSelected());
    QTest::keyClick(Find<TMirvaneGrid>(F, "MirvaneGrid1"), Qt::Key_Down);
    EXPECT_EQ(Find<TMirvaneGrid>(F, "MirvaneGrid1")->CurrentDate(), EncodeDate(2026, 12, 31));
    EXPECT_EQ(Find<QLineEdit>(F, "Edit20")->text(), QStringLiteral("2026"));
    EXPECT_EQ(Find<QLineEdit>(F, "Edit21")->text(), QStringLiteral("5787"));
}

// Enlarged, the page control fills the window, the grid (its text column)
// and the lists take the room, the controls beside them follow their edges
// and the others stay; at the default size, the smallest, every page is as
// designed.
TEST_F(Window, EnlargedThePageControlFillsTheWindowAndTheListsGrow)
{
    TForm1& F = StartShowing(TForm1::RememberPage);
    QTabWidget& Pages = *Find<QTabWidget>(F, "PageControl1");
    const QSize Default = F.size(), Room(200, 150), Kept(0, 0);
    EXPECT_EQ(F.minimumSize(), Default);
    const struct { int Page; const char* Control; QSize Grows; QPoint Moves; } Cases[] = {
        {TForm1::CalendarPage, "MirvaneGrid1", Room, {}}, {TForm1::CalendarPage, "Button1", Kept, {Room.width(), 0}},
        {TForm1::BirthdaysPage, "Memo4", Room, {}},       {TForm1::BirthdaysPage, "RadioButton2", Kept, {}},
        {TForm1::RememberPage, "ListView1", Room, {}},    {TForm1::RememberPage, "BitBtnNew", Kept, {0, Room.height()}},
    };
    std::vector<QRect> Designed;
    for (const auto& Case : Cases) {
        Pages.setCurrentIndex(Case.Page);
        EXPECT_EQ(Pages.currentWidget()->size(), Pages.currentWidget()->minimumSize()) << Case.Control;
        Designed.push_back(Find<QWidget>(F, Case.Control)->geometry());
    }
    const TMirvaneGrid& Grid = *Find<TMirvaneGrid>(F, "MirvaneGrid1");
    const int TextColumn = Grid.ColWidth(3), DayColumn = Grid.ColWidth(1);
    F.resize(Default + Room);
    ASSERT_TRUE(QTest::qWaitFor([&] { return F.size() == Default + Room; }));
    EXPECT_EQ(Pages.geometry(), F.centralWidget()->rect());
    for (std::size_t Index = 0; Index < std::size(Cases); ++Index) {
        Pages.setCurrentIndex(Cases[Index].Page);
        EXPECT_EQ(Find<QWidget>(F, Cases[Index].Control)->geometry(),
                  QRect(Designed[Index].topLeft() + Cases[Index].Moves, Designed[Index].size() + Cases[Index].Grows))
            << Cases[Index].Control;
    }
    EXPECT_EQ(Grid.ColWidth(3), TextColumn + Room.width());
    EXPECT_EQ(Grid.ColWidth(1), DayColumn);
}

// Whether the text a control shows fits in it.
bool Fits(const QWidget& Widget)
{
    if (const auto* Memo = qobject_cast<const QPlainTextEdit*>(&Widget)) {
        const QFontMetrics Metrics(Memo->font());
        int Widest = 0;
        for (const QString& Line : Memo->toPlainText().split(u'\n')) {
            Widest = std::max(Widest, Metrics.horizontalAdvance(Line));
        }
        const int LineCount = Memo->document()->blockCount();
        return Widest <= Memo->viewport()->width() && LineCount * Metrics.lineSpacing() <= Memo->viewport()->height();
    }
    if (const auto* Edit = qobject_cast<const QLineEdit*>(&Widget)) {
        return Edit->height() >= Edit->minimumSizeHint().height();
    }
    if (const auto* Grid = qobject_cast<const TMirvaneGrid*>(&Widget)) {
        // Every row as high as the text, and all of them inside the grid.
        int Height = (Grid->RowCount() - 1) * Grid->GridLineWidth();
        for (int Row = 0; Row < Grid->RowCount(); ++Row) {
            if (Grid->RowHeight(Row) < Grid->fontMetrics().height()) {
                return false;
            }
            Height += Grid->RowHeight(Row);
        }
        return Height <= Grid->contentsRect().height();
    }
    if (qobject_cast<const QLabel*>(&Widget) != nullptr || qobject_cast<const QAbstractButton*>(&Widget) != nullptr ||
        qobject_cast<const QComboBox*>(&Widget) != nullptr) {
        // The caption's whole width, and its text height; check marks and
        // radio circles also need their own height.
        int Height = Widget.fontMetrics().height();
        if (qobject_cast<const QCheckBox*>(&Widget) != nullptr || qobject_cast<const QRadioButton*>(&Widget) != nullptr) {
            Height = std::max(Height, Widget.style()->pixelMetric(QStyle::PM_IndicatorHeight, nullptr, &Widget));
        }
        return Widget.width() >= Widget.minimumSizeHint().width() && Widget.height() >= Height;
    }
    return true;
}

void ExpectNothingCutOffOrOutside(TForm1& F)
{
    F.show();
    for (int Index = 0; Index < TForm1::PageCount; ++Index) {
        Find<QTabWidget>(F, "PageControl1")->setCurrentIndex(Index);
        QWidget* Page = Find<QTabWidget>(F, "PageControl1")->widget(Index);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&F));
        for (QWidget* Control : Page->findChildren<QWidget*>()) {
            if (Control->window() != &F || Control->parentWidget()->inherits("QComboBox") ||
                Control->parentWidget()->inherits("QAbstractScrollArea") || Control->inherits("QScrollBar")) {
                continue;
            }
            const QString Name = Control->objectName() + QStringLiteral(" (") +
                                 QString::fromLatin1(Control->metaObject()->className()) + QStringLiteral(") on ") +
                                 Page->objectName();
            if (qobject_cast<TUpDown*>(Control->parentWidget()) == nullptr) {
                EXPECT_TRUE(Fits(*Control)) << Name.toStdString() << " " << Control->width() << "x"
                                            << Control->height() << " needs " << Control->minimumSizeHint().width()
                                            << "x" << Control->minimumSizeHint().height();
            }
            EXPECT_TRUE(Control->parentWidget()->rect().contains(Control->geometry())) << Name.toStdString();
        }
    }
}

TEST_F(Window, NoCaptionIsCutOffAndEveryControlLiesInsideItsPage)
{
    ExpectNothingCutOffOrOutside(Start());
}

// Hebrew captions and names are of other widths than the English ones.
TEST_F(Window, NoHebrewCaptionIsCutOffEither)
{
    Store.Put({{"Language", QStringLiteral("Hebrew")}}, QStringLiteral("Display"));
    ExpectNothingCutOffOrOutside(Start());
}

}  // namespace
}  // namespace mirvane
