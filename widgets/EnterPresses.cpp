#include "widgets/EnterPresses.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>

namespace mirvane {
namespace {

// A key a button leaves unhandled travels up to the window, where this
// sees it; a button that takes Enter itself (a dialog's) never sends it up.
class TEnterPresses : public QObject {
public:
    explicit TEnterPresses(QWidget& Window) : QObject(&Window), Window(Window) { Window.installEventFilter(this); }

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override
    {
        if (Event->type() == QEvent::KeyPress) {
            const int Key = static_cast<QKeyEvent*>(Event)->key();
            auto* Button = qobject_cast<QPushButton*>(QApplication::focusWidget());
            if ((Key == Qt::Key_Return || Key == Qt::Key_Enter) && Button != nullptr && Button->isEnabled() &&
                Button->window() == &Window) {
                Button->click();
                return true;
            }
        }
        return QObject::eventFilter(Watched, Event);
    }

private:
    QWidget& Window;
};

// The boxes leave Enter unhandled, so it travels up through the group.
class TEnterInGroup : public QObject {
public:
    TEnterInGroup(QWidget& Group, QPushButton& Button) : QObject(&Group), Button(Button)
    {
        Group.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override
    {
        if (Event->type() == QEvent::KeyPress) {
            const int Key = static_cast<QKeyEvent*>(Event)->key();
            if ((Key == Qt::Key_Return || Key == Qt::Key_Enter) &&
                qobject_cast<QPushButton*>(QApplication::focusWidget()) == nullptr && Button.isEnabled()) {
                Button.click();
                return true;
            }
        }
        return QObject::eventFilter(Watched, Event);
    }

private:
    QPushButton& Button;
};

}  // namespace

void EnterInGroupPresses(QWidget& Group, QPushButton& Button)
{
    new TEnterInGroup(Group, Button);  // owned by Group
}

void EnterPressesFocusedButton(QWidget& Window)
{
    new TEnterPresses(Window);  // owned by Window
}

}  // namespace mirvane
