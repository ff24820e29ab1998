#include "widgets/SteadyLabel.h"

#include <QEvent>
#include <QLabel>

namespace mirvane {

// No layout of its own: the label's requests come here as events.
TSteadyLabel::TSteadyLabel(QWidget* Parent) : QWidget(Parent), Shown(new QLabel(this)) {}

QSize TSteadyLabel::sizeHint() const
{
    return Shown->sizeHint();
}

QSize TSteadyLabel::minimumSizeHint() const
{
    return Shown->minimumSizeHint();
}

bool TSteadyLabel::hasHeightForWidth() const
{
    return Shown->hasHeightForWidth();
}

int TSteadyLabel::heightForWidth(int Width) const
{
    return Shown->heightForWidth(Width);
}

bool TSteadyLabel::event(QEvent* Event)
{
    if (Event->type() == QEvent::LayoutRequest) {
        const int Needed = Shown->hasHeightForWidth() ? Shown->heightForWidth(width()) : Shown->sizeHint().height();
        if (Needed != height() || Shown->minimumSizeHint().width() > width())
            updateGeometry();
    }
    return QWidget::event(Event);
}

void TSteadyLabel::resizeEvent(QResizeEvent* /*Event*/)
{
    Shown->setGeometry(rect());
}

}  // namespace mirvane
