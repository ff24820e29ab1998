#pragma once

#include <cstdio>

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace mirvane {

// Watches a window for its first paint; once that frame is complete it
// writes one line to standard output, "painted" and the window's size,
// which the start-up benchmark waits for, and ends the event loop.
class TFirstPaint : public QObject {
public:
    explicit TFirstPaint(QWidget& Window) : QObject(&Window), Window(Window) { Window.installEventFilter(this); }

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override
    {
        if (Event->type() == QEvent::Paint && !Seen) {
            Seen = true;
            // The children paint in the same frame after the window itself.
            QTimer::singleShot(0, [this] {
                std::printf("painted %dx%d\n", Window.width(), Window.height());
                std::fflush(stdout);
                QApplication::quit();
            });
        }
        return QObject::eventFilter(Watched, Event);
    }

private:
    QWidget& Window;
    bool Seen = false;
};

}  // namespace mirvane
