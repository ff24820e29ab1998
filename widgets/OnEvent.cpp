#include "widgets/OnEvent.h"

#include <utility>

#include <QObject>

namespace mirvane {
namespace {

class TEventHook : public QObject {
public:
    TEventHook(QObject& Watched, QEvent::Type Type, std::function<void()> Run)
        : QObject(&Watched), Type(Type), Run(std::move(Run))
    {
        Watched.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override
    {
        if (Event->type() == Type) {
            Run();
        }
        return QObject::eventFilter(Watched, Event);
    }

private:
    QEvent::Type Type;
    std::function<void()> Run;
};

}  // namespace

void OnEvent(QObject& Watched, QEvent::Type Type, std::function<void()> Run)
{
    new TEventHook(Watched, Type, std::move(Run));  // owned by Watched
}

}  // namespace mirvane
