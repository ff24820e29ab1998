#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include "widgets/EnterPresses.h"

namespace mirvane {
namespace {

// Each key on the focused control of a window that presses its buttons on
// Enter, counting the button's clicks.
TEST(EnterPresses, EnterAndKeypadEnterPressTheFocusedButtonOnly)
{
    QWidget Window;
    auto* Layout = new QVBoxLayout(&Window);
    auto* Button = new QPushButton(QStringLiteral("New"), &Window);
    auto* Box = new QLineEdit(&Window);
    auto* Tick = new QCheckBox(&Window);
    for (QWidget* Control : std::initializer_list<QWidget*>{Button, Box, Tick})
        Layout->addWidget(Control);
    int Clicks = 0;
    QObject::connect(Button, &QPushButton::clicked, [&Clicks] { ++Clicks; });
    EnterPressesFocusedButton(Window);
    Window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Window));

    struct TCase {
        QWidget* Focus;
        Qt::Key Key;
        Qt::KeyboardModifiers Modifiers;
        int Clicks;
    };
    const TCase Cases[] = {
        {Button, Qt::Key_Return, Qt::NoModifier, 1},
        {Button, Qt::Key_Enter, Qt::KeypadModifier, 1},
        {Button, Qt::Key_Space, Qt::NoModifier, 1},  // as before
        {Box, Qt::Key_Return, Qt::NoModifier, 0},
        {Tick, Qt::Key_Return, Qt::NoModifier, 0},
    };
    for (const TCase& Case : Cases) {
        Clicks = 0;
        Case.Focus->setFocus();
        QTest::keyClick(Case.Focus, Case.Key, Case.Modifiers);
        EXPECT_EQ(Clicks, Case.Clicks) << Case.Focus->metaObject()->className() << ' ' << Case.Key;
    }

    // A dialog's button takes Enter itself: pressed once, not twice.
    QDialog Dialog(&Window);
    auto* Ok = new QPushButton(QStringLiteral("Ok"), &Dialog);
    int OkClicks = 0;
    QObject::connect(Ok, &QPushButton::clicked, [&OkClicks] { ++OkClicks; });
    EnterPressesFocusedButton(Dialog);
    Dialog.show();
    Ok->setFocus();
    QTest::keyClick(Ok, Qt::Key_Return);
    EXPECT_EQ(OkClicks, 1);
}

}  // namespace
}  // namespace mirvane
