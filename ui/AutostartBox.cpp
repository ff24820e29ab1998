// "Turn on the computer": the box and the desktop's log-in entry never
// disagree, since the box only ever shows whether the entry is there.

#include <functional>
#include <utility>

#include <QCheckBox>
#include <QEvent>

#include "ui/AutostartEntry.h"
#include "widgets/MessageBox.h"
#include "ui/Mirvane.h"

namespace mirvane {
namespace {

// Runs a function each time the watched window is activated: the entry may
// have been added or removed while the user was elsewhere.
class TActivationWatch : public QObject {
public:
    TActivationWatch(QObject& Window, std::function<void()> OnActivate)
        : QObject(&Window), OnActivate(std::move(OnActivate))
    {
        Window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override
    {
        if (Event->type() == QEvent::WindowActivate) {
            OnActivate();
        }
        return QObject::eventFilter(Watched, Event);
    }

private:
    std::function<void()> OnActivate;
};

}  // namespace

void TForm1::ConnectAutostartBox()
{
    QCheckBox& Box = *CheckBoxStart;
    const auto ShowEntry = [&Box] { Box.setChecked(AutostartEntryExists()); };
    ShowEntry();
    new TActivationWatch(*this, ShowEntry);
    connect(&Box, &QCheckBox::clicked, this, [ShowEntry](bool Ticked) {
        QString Error;
        if (!(Ticked ? WriteAutostartEntry(Error) : RemoveAutostartEntry(Error))) {
            ShowMessageBox(TBoxKind::Message, Error);
        }
        ShowEntry();
    });
}

}  // namespace mirvane
