#include "tests/hardening/RandomUse.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <utility>

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QWheelEvent>

#include "engine/Festivals.h"
#include "grid/MirvaneGrid.h"
#include "tests/hardening/HangWatch.h"
#include "ui/Mirvane.h"
#include "widgets/UpDown.h"
#include "tests/ui/FindControl.h"

namespace mirvane {
namespace {

constexpr std::size_t RecentCount = 12;

// Texts users type or paste into boxes, and a few that no user should.
const std::array<const char*, 40> SampleTexts = {
    "2147483647", "2147483648", "-2147483648", "-2147483649", "4294967296", "99999999999999999999999999",
    "13775", "13776", "9999", "10000", "3762", "3763", "0", "00", "-0", "+5", " 5 ", "- 4", "+-1", "1e3",
    "1/12/70", "31/4/70", "29/2/1900", "1 Dec 70", "Dec 1 70", "1 d\u00e9cembre 1970", "70/12/1", "1/12/65535",
    "0/0/0", "\u0661\u0669\u0669\u0665", "\uff11\uff19\uff19\uff15", "\u05e9\u05dc\u05d5\u05dd", "\u65e5\u672c",
    "\U0001F600", "e\u0301", "\u200b\ufeff", "\u00a0", "\u202e1995", "\t", "Purim"};

const std::array<Qt::Key, 26> Keys = {
    Qt::Key_0,        Qt::Key_1,      Qt::Key_5,       Qt::Key_9,      Qt::Key_A,       Qt::Key_D,
    Qt::Key_Z,        Qt::Key_Minus,  Qt::Key_Plus,    Qt::Key_Space,  Qt::Key_Slash,   Qt::Key_Backspace,
    Qt::Key_Delete,   Qt::Key_Left,   Qt::Key_Right,   Qt::Key_Up,     Qt::Key_Down,    Qt::Key_PageUp,
    Qt::Key_PageDown, Qt::Key_Home,   Qt::Key_End,     Qt::Key_Tab,    Qt::Key_Backtab, Qt::Key_Return,
    Qt::Key_Escape,   Qt::Key_Enter};

// The shortcut letters of the Options menu.
const std::array<Qt::Key, 6> ShortcutKeys = {Qt::Key_D, Qt::Key_I, Qt::Key_G, Qt::Key_J, Qt::Key_A, Qt::Key_B};

std::string Describe(const QWidget* Widget)
{
    if (Widget == nullptr)
        return "(none)";
    const QString Name = Widget->objectName().isEmpty() ? QString::fromLatin1(Widget->metaObject()->className())
                                                        : Widget->objectName();
    return Name.toStdString();
}

std::string Shown(const QString& Text)
{
    return '"' + (Text.size() > 40 ? Text.left(40) + QStringLiteral("...(") + QString::number(Text.size()) + u')'
                                   : Text)
                     .toStdString() +
           '"';
}

// Types Text key by key. QTest's own typing knows only ASCII; any other
// character goes as a key event that carries its text, as an input method
// delivers it.
void TypeKeys(QWidget* Target, const QString& Text)
{
    for (qsizetype Index = 0; Index < Text.size(); ++Index) {
        const QChar Character = Text[Index];
        if (Character.unicode() >= 0x20 && Character.unicode() < 0x7F) {
            QTest::keyClick(Target, static_cast<char>(Character.unicode()));
            continue;
        }
        QString Key(Character);
        if (Character.isHighSurrogate() && Index + 1 < Text.size())
            Key += Text[++Index];
        QTest::sendKeyEvent(QTest::Click, Target, Qt::Key_unknown, Key, Qt::NoModifier);
    }
}

// What a screen reader asks of a control: its texts, role, state and place,
// its cells or value, and the same of its children.
void ReadAloud(QAccessibleInterface* Interface, int Depth)
{
    if (Interface == nullptr || !Interface->isValid())
        return;
    for (const QAccessible::Text Kind : {QAccessible::Name, QAccessible::Description, QAccessible::Value})
        static_cast<void>(Interface->text(Kind));
    static_cast<void>(Interface->role());
    static_cast<void>(Interface->state());
    static_cast<void>(Interface->rect());
    if (QAccessibleTableInterface* Table = Interface->tableInterface()) {
        const int Rows = Table->rowCount();
        const int Columns = Table->columnCount();
        for (const auto& [Row, Column] : {std::pair{-1, 0}, std::pair{0, -1}, std::pair{Rows, 0}, std::pair{0, Columns},
                                           std::pair{Rows - 1, Columns - 1}}) {
            if (QAccessibleInterface* Cell = Table->cellAt(Row, Column)) {
                static_cast<void>(Cell->text(QAccessible::Name));
                if (QAccessibleTableCellInterface* Place = Cell->tableCellInterface()) {
                    static_cast<void>(Place->columnHeaderCells());
                    static_cast<void>(Place->rowHeaderCells());
                }
            }
        }
        for (QAccessibleInterface* Cell : Table->selectedCells())
            ReadAloud(Cell, 0);
    }
    if (QAccessibleValueInterface* Value = Interface->valueInterface())
        static_cast<void>(Value->currentValue());
    if (Depth > 0) {
        ReadAloud(Interface->focusChild(), Depth - 1);
        const int Children = std::min(Interface->childCount(), 40);
        for (int Index = 0; Index < Children; ++Index)
            ReadAloud(Interface->child(Index), Depth - 1);
    }
}

// Every change the window announces is read at once, as a screen reader does.
void ReadAnnouncement(QAccessibleEvent* Event)
{
    if (Event->type() == QAccessible::ObjectDestroyed || Event->object() == nullptr)
        return;
    ReadAloud(Event->accessibleInterface(), 1);
}

void CollectActions(const QMenu& Menu, std::vector<QAction*>& Actions)
{
    for (QAction* Action : Menu.actions()) {
        if (Action->menu() != nullptr)
            CollectActions(*Action->menu(), Actions);
        else if (!Action->isSeparator())
            Actions.push_back(Action);
    }
}

}  // namespace

TRandomUse::TRandomUse(TForm1& Form, std::uint64_t Seed, THangWatch& Watch)
    : Form(Form), Random(Seed), Watch(Watch), PreviousHandler(QAccessible::installUpdateHandler(ReadAnnouncement))
{
    QAccessible::setActive(true);
}

TRandomUse::~TRandomUse()
{
    QAccessible::installUpdateHandler(PreviousHandler);
}

void TRandomUse::Note(std::string What)
{
    What = std::to_string(EventIndex) + ": " + What;
    if (Verbose)
        std::fprintf(stderr, "%s\n", What.c_str());
    Watch.Tick(What);
    Recent.push_back(std::move(What));
    if (Recent.size() > RecentCount)
        Recent.pop_front();
}

std::string TRandomUse::RecentEvents() const
{
    std::string Text;
    for (const std::string& Event : Recent)
        Text += "  " + Event + '\n';
    return Text;
}

QString TRandomUse::RandomText()
{
    std::uniform_int_distribution<int> Kind(0, 5);
    std::uniform_int_distribution<int> Length(1, 8);
    QString Text;
    switch (Kind(Random)) {
    case 0:
        for (int Index = Length(Random); Index > 0; --Index)
            Text += QChar(u'0' + static_cast<char16_t>(Random() % 10));
        return Text;
    case 1:
        for (int Index = Length(Random); Index > 0; --Index) {
            // One draw a statement: the order of two in one expression is
            // the compiler's, and a seed must replay alike in every build.
            const char16_t First = Random() % 2 ? u'a' : u'A';
            Text += QChar(First + static_cast<char16_t>(Random() % 26));
        }
        return Text;
    case 2: {
        std::vector<std::string> Names;
        FillFestivalNames(Names, TRules::Diaspora);
        return QString::fromStdString(Names[Random() % Names.size()]);
    }
    case 3:
        for (int Index = 10 + static_cast<int>(Random() % 30); Index > 0; --Index)
            Text += QChar(u'0' + static_cast<char16_t>(Random() % 10));
        return Text;
    default:
        return QString::fromUtf8(SampleTexts[Random() % SampleTexts.size()]);
    }
}

std::vector<QWidget*> TRandomUse::VisibleWidgets() const
{
    std::vector<QWidget*> Widgets;
    for (QWidget* Widget : Form.findChildren<QWidget*>()) {
        if (Widget->isVisible() && Widget->isEnabled() && Widget->width() > 0 && Widget->height() > 0)
            Widgets.push_back(Widget);
    }
    return Widgets;
}

std::vector<QWidget*> TRandomUse::EditableBoxes() const
{
    std::vector<QWidget*> Boxes;
    for (QWidget* Widget : VisibleWidgets()) {
        const auto* Box = qobject_cast<QLineEdit*>(Widget);
        if (Box != nullptr && !Box->isReadOnly())
            Boxes.push_back(Widget);
    }
    return Boxes;
}

QWidget* TRandomUse::RandomVisible(const std::vector<QWidget*>& Widgets)
{
    return Widgets.empty() ? nullptr : Widgets[Random() % Widgets.size()];
}

void TRandomUse::ClickSomewhere()
{
    QWidget* Target = RandomVisible(VisibleWidgets());
    if (Target == nullptr)
        return;
    const int X = static_cast<int>(Random() % static_cast<unsigned>(Target->width()));
    const QPoint At(X, static_cast<int>(Random() % static_cast<unsigned>(Target->height())));
    const int How = static_cast<int>(Random() % 10);
    Note("click " + std::string(How == 0 ? "double " : How == 1 ? "right " : "") + "on " + Describe(Target) + " at " +
         std::to_string(At.x()) + "," + std::to_string(At.y()));
    if (How == 0) {
        // QTest's double click is the double-click event alone; a mouse
        // gives a click, then the double click, then the release.
        QTest::mouseClick(Target, Qt::LeftButton, {}, At);
        QTest::mouseDClick(Target, Qt::LeftButton, {}, At);
        QTest::mouseRelease(Target, Qt::LeftButton, {}, At);
    } else
        QTest::mouseClick(Target, How == 1 ? Qt::RightButton : Qt::LeftButton, {}, At);
}

void TRandomUse::PressKey()
{
    QWidget* Target = QApplication::focusWidget();
    if (Target == nullptr || !Target->isVisible())
        Target = &Form;
    if (Random() % 8 == 0) {
        const Qt::Key Key = ShortcutKeys[Random() % ShortcutKeys.size()];
        Note("Ctrl+" + QKeySequence(Key).toString().toStdString() + " in " + Describe(Target));
        QTest::keyClick(Target, Key, Qt::ControlModifier);
        return;
    }
    const Qt::Key Key = Keys[Random() % Keys.size()];
    const Qt::KeyboardModifiers Modifiers = Random() % 6 == 0 ? Qt::ShiftModifier : Qt::NoModifier;
    Note("key " + QKeySequence(Key | Modifiers).toString().toStdString() + " in " + Describe(Target));
    QTest::keyClick(Target, Key, Modifiers);
}

void TRandomUse::TypeText()
{
    auto* Box = static_cast<QLineEdit*>(RandomVisible(EditableBoxes()));
    if (Box == nullptr)
        return;
    const QString Text = RandomText();
    const bool Replace = Random() % 2 == 0;
    Note("type " + Shown(Text) + (Replace ? " over " : " into ") + Describe(Box));
    Box->setFocus();
    if (Replace)
        Box->selectAll();
    TypeKeys(Box, Text);
}

void TRandomUse::PasteText()
{
    auto* Box = static_cast<QLineEdit*>(RandomVisible(EditableBoxes()));
    if (Box == nullptr)
        return;
    QString Text;
    if (Random() % 4 == 0) {
        // Ten thousand characters of one kind, or of many.
        static const QString Fill = QStringLiteral("9x /\u0663\uff19-");
        const unsigned Kinds = Random() % 2 ? 1 : static_cast<unsigned>(Fill.size());
        for (int Index = 0; Index < 10000; ++Index)
            Text += Fill[static_cast<qsizetype>(Random() % Kinds)];
    } else {
        Text = RandomText();
    }
    Note("paste " + Shown(Text) + " into " + Describe(Box));
    // What a paste does: the selection, or everything, replaced at once.
    if (Random() % 2 == 0)
        Box->selectAll();
    Box->insert(Text);
}

void TRandomUse::ChooseMenuItem()
{
    std::vector<QAction*> Actions;
    for (QAction* Action : Find<QMenuBar>(Form, "MainMenu1")->actions()) {
        if (Action->menu() != nullptr)
            CollectActions(*Action->menu(), Actions);
    }
    std::erase(Actions, Find<QAction>(Form, "Quit1"));
    // The checks here read the English window; the Hebrew one has its own test.
    for (const char* Language : {"LanguageSystem1", "LanguageEnglish1", "LanguageHebrew1"})
        std::erase(Actions, Find<QAction>(Form, Language));
    QAction* Action = Actions[Random() % Actions.size()];
    Note("menu " + Action->text().toStdString());
    Action->trigger();
}

void TRandomUse::SwitchPage()
{
    const int Page = static_cast<int>(Random() % TForm1::PageCount);
    QTabBar* Tabs = Find<QTabWidget>(Form, "PageControl1")->tabBar();
    Note("page " + std::to_string(Page));
    if (Random() % 2 == 0 && Tabs->isVisible())
        QTest::mouseClick(Tabs, Qt::LeftButton, {}, Tabs->tabRect(Page).center());
    else
        Find<QTabWidget>(Form, "PageControl1")->setCurrentIndex(Page);
}

void TRandomUse::ChooseComboItem()
{
    std::vector<QWidget*> Combos;
    for (QWidget* Widget : VisibleWidgets()) {
        if (qobject_cast<QComboBox*>(Widget) != nullptr)
            Combos.push_back(Widget);
    }
    QWidget* Combo = RandomVisible(Combos);
    if (Combo == nullptr)
        return;
    static constexpr std::array<Qt::Key, 6> Moves = {Qt::Key_Up,     Qt::Key_Down, Qt::Key_PageUp,
                                                     Qt::Key_PageDown, Qt::Key_Home, Qt::Key_End};
    const Qt::Key Key = Moves[Random() % Moves.size()];
    Note("combo " + Describe(Combo) + " key " + QKeySequence(Key).toString().toStdString());
    Combo->setFocus();
    QTest::keyClick(Combo, Key);
}

void TRandomUse::StepUpDown()
{
    std::vector<QWidget*> Arrows;
    for (QWidget* Widget : VisibleWidgets()) {
        if (qobject_cast<QAbstractButton*>(Widget) != nullptr && qobject_cast<TUpDown*>(Widget->parentWidget()))
            Arrows.push_back(Widget);
    }
    QWidget* Arrow = RandomVisible(Arrows);
    if (Arrow == nullptr)
        return;
    Note("up/down " + Describe(Arrow->parentWidget()) + " " + Arrow->accessibleName().toStdString());
    QTest::mouseClick(Arrow, Qt::LeftButton);
}

void TRandomUse::UseGrid()
{
    TMirvaneGrid& Grid = *Find<TMirvaneGrid>(Form, "MirvaneGrid1");
    if (!Grid.isVisible())
        return;
    if (Random() % 2 == 0) {
        const int Col = static_cast<int>(Random() % static_cast<unsigned>(Grid.ColCount()));
        const int Row = static_cast<int>(Random() % static_cast<unsigned>(Grid.RowCount()));
        Note("grid cell " + std::to_string(Col) + "," + std::to_string(Row));
        QTest::mouseClick(&Grid, Qt::LeftButton, {}, Grid.CellRect(Col, Row).center());
        return;
    }
    static constexpr std::array<Qt::Key, 8> Moves = {Qt::Key_Up,     Qt::Key_Down,     Qt::Key_Left, Qt::Key_Right,
                                                     Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Home, Qt::Key_End};
    const Qt::Key Key = Moves[Random() % Moves.size()];
    Note("grid key " + QKeySequence(Key).toString().toStdString());
    Grid.setFocus();
    QTest::keyClick(&Grid, Key);
}

void TRandomUse::TurnWheel()
{
    QWidget* Target = RandomVisible(VisibleWidgets());
    if (Target == nullptr)
        return;
    const QPoint At(Target->width() / 2, Target->height() / 2);
    const int Notches = static_cast<int>(Random() % 7) - 3;
    Note("wheel " + std::to_string(Notches) + " on " + Describe(Target));
    QWheelEvent Wheel(QPointF(At), QPointF(Target->mapToGlobal(At)), QPoint(), QPoint(0, Notches * 120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(Target, &Wheel);
}

void TRandomUse::ResizeWindow()
{
    static constexpr std::array<int, 7> Sizes = {0, 1, 50, 200, 469, 1000, 3000};
    const int Width = Sizes[Random() % Sizes.size()];
    const QSize Size(Width, Sizes[Random() % Sizes.size()]);
    Note("resize to " + std::to_string(Size.width()) + "x" + std::to_string(Size.height()));
    Form.resize(Size);
}

// The menus as the keyboard opens them: Alt and the underlined letter, then
// moves and a choice, or Escape.
void TRandomUse::UseMenuByKeys()
{
    static constexpr std::array<Qt::Key, 6> Moves = {Qt::Key_Down, Qt::Key_Down,   Qt::Key_Up,
                                                     Qt::Key_Right, Qt::Key_Return, Qt::Key_Escape};
    const Qt::Key Menu = Random() % 2 == 0 ? Qt::Key_O : Qt::Key_H;
    Note(std::string("Alt+") + (Menu == Qt::Key_O ? "O" : "H") + " and keys");
    QTest::keyClick(&Form, Menu, Qt::AltModifier);
    for (int Step = static_cast<int>(Random() % 5); Step >= 0; --Step) {
        QWidget* Popup = QApplication::activePopupWidget();
        if (Popup == nullptr)
            break;
        QTest::keyClick(Popup, Moves[Random() % Moves.size()]);
    }
}

void TRandomUse::UseScreenReader()
{
    QWidget* Target = RandomVisible(VisibleWidgets());
    if (Target == nullptr)
        return;
    QAccessibleInterface* Interface = QAccessible::queryAccessibleInterface(Target);
    QAccessibleValueInterface* Value = Interface != nullptr ? Interface->valueInterface() : nullptr;
    if (Value != nullptr && Random() % 2 == 0) {
        static constexpr std::array<int, 7> Values = {-2147483647 - 1, -1, 0, 5787, 1995, 3241, 2147483647};
        const int Chosen = Values[Random() % Values.size()];
        Note("screen reader sets " + Describe(Target) + " to " + std::to_string(Chosen));
        Value->setCurrentValue(Chosen);
        return;
    }
    Note("screen reader reads " + Describe(Target));
    ReadAloud(Interface, 2);
}

void TRandomUse::RunEvent(long Index)
{
    EventIndex = Index;
    if (!Form.isVisible()) {
        // Quit chosen by keys: the window opens again, as a new start would.
        Note("show the window again");
        Form.show();
    }
    switch (Random() % 21) {
    case 0:
    case 1:
    case 2:
    case 3:
        ClickSomewhere();
        break;
    case 4:
    case 5:
    case 6:
        PressKey();
        break;
    case 7:
    case 8:
    case 9:
        TypeText();
        break;
    case 10:
        PasteText();
        break;
    case 11:
        ChooseMenuItem();
        break;
    case 12:
        SwitchPage();
        break;
    case 13:
        ChooseComboItem();
        break;
    case 14:
    case 15:
        UseGrid();
        break;
    case 16:
        TurnWheel();
        break;
    case 18:
        UseScreenReader();
        break;
    case 17:
        if (Random() % 8 == 0)
            ResizeWindow();
        else
            UseMenuByKeys();
        break;
    default:
        StepUpDown();
        break;
    }
}

}  // namespace mirvane
