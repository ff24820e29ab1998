#pragma once

#include <QSize>
#include <QWidget>

class QLabel;

namespace mirvane {

// A label whose text changes often while its size seldom does, such as a
// line describing the day a page shows. A QLabel tells the layouts above it
// of every new text, and a tab control told so lays out and repaints all of
// its page. Held in this frame, a new text reaches the layouts only when the
// label needs another height, or more width than it has; otherwise only the
// label is repainted.
class TSteadyLabel : public QWidget {
public:
    explicit TSteadyLabel(QWidget* Parent);

    QLabel& Label() const { return *Shown; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int Width) const override;

protected:
    bool event(QEvent* Event) override;
    void resizeEvent(QResizeEvent* Event) override;

private:
    QLabel* Shown;
};

}  // namespace mirvane
