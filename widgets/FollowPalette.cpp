#include "widgets/FollowPalette.h"

#include <QEvent>
#include <QWidget>

namespace mirvane {
namespace {

class TPaletteFollower : public QObject {
public:
    TPaletteFollower(QWidget& Widget, std::function<void(QWidget&)> Apply)
        : QObject(&Widget), Widget(Widget), Apply(std::move(Apply))
    {
        Widget.installEventFilter(this);
        Run();
    }

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override
    {
        if (Watched == &Widget && Event->type() == QEvent::PaletteChange) {
            Run();
        }
        return false;
    }

private:
    // Apply may set a palette itself, which reports a change again.
    void Run()
    {
        if (Running) {
            return;
        }
        Running = true;
        Apply(Widget);
        Running = false;
    }

    QWidget& Widget;
    std::function<void(QWidget&)> Apply;
    bool Running = false;
};

}  // namespace

void FollowPalette(QWidget& Widget, std::function<void(QWidget&)> Apply)
{
    new TPaletteFollower(Widget, std::move(Apply));  // owned by Widget
}

}  // namespace mirvane
