#include "widgets/UpDown.h"

#include <algorithm>
#include <utility>

#include <QKeyEvent>
#include <QLineEdit>
#include <QAbstractButton>
#include <QAccessible>
#include <QStyleOptionButton>
#include <QStylePainter>

#include "widgets/UpDownAccessible.h"

namespace mirvane {
namespace {

// One half of the control: a button face with a small triangle, drawn here
// so that no image has to be loaded for it.
class TArrowButton : public QAbstractButton {
public:
    TArrowButton(Qt::ArrowType Arrow, const QString& Name, QWidget* Parent) : QAbstractButton(Parent), Arrow(Arrow)
    {
        setAutoRepeat(true);
        setFocusPolicy(Qt::NoFocus);
        setAccessibleName(Name);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QStylePainter Painter(this);
        QStyleOptionButton Face;
        Face.initFrom(this);
        if (isDown()) {
            Face.state |= QStyle::State_Sunken;
        } else {
            Face.state |= QStyle::State_Raised;
        }
        Painter.drawPrimitive(QStyle::PE_PanelButtonCommand, Face);

        const QRectF Area = QRectF(rect()).adjusted(3, 2, -3, -2);
        const qreal HalfWidth = std::min(Area.width(), Area.height() * 1.6) * 0.35;
        const qreal Height = HalfWidth * 1.1;
        const QPointF Centre = Area.center();
        const qreal Tip = Arrow == Qt::UpArrow ? Centre.y() - Height / 2 : Centre.y() + Height / 2;
        const qreal Base = Arrow == Qt::UpArrow ? Centre.y() + Height / 2 : Centre.y() - Height / 2;
        const QPointF Triangle[] = {{Centre.x(), Tip}, {Centre.x() - HalfWidth, Base}, {Centre.x() + HalfWidth, Base}};
        Painter.setRenderHint(QPainter::Antialiasing);
        Painter.setPen(Qt::NoPen);
        Painter.setBrush(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
        Painter.drawPolygon(Triangle, 3);
    }

private:
    Qt::ArrowType Arrow;
};

}  // namespace

TUpDown::TUpDown(QLineEdit& Associate, std::int32_t Minimum, std::int32_t Maximum, std::int32_t Position,
                 TNumberReader ReadNumber, QWidget* Parent)
    : QWidget(Parent),
      Associate(Associate),
      ReadNumber(std::move(ReadNumber)),
      Minimum(std::min(Minimum, Maximum)),
      Maximum(std::max(Minimum, Maximum)),
      CurrentPosition(0),
      UpButton(new TArrowButton(Qt::UpArrow, tr("Up"), this)),
      DownButton(new TArrowButton(Qt::DownArrow, tr("Down"), this))
{
    CurrentPosition = Clamped(Position);
    setFocusPolicy(Qt::NoFocus);
    [[maybe_unused]] static const bool AccessibleAsSpinButton = (QAccessible::installFactory(UpDownAccessibleFactory), true);
    if (!Associate.accessibleName().isEmpty()) {
        setAccessibleName(Associate.accessibleName() + tr(" up/down"));
    }
    connect(UpButton, &QAbstractButton::clicked, this, [this] { StepBy(1); });
    connect(DownButton, &QAbstractButton::clicked, this, [this] { StepBy(-1); });
    // The arrow keys step the number while the box has the focus.
    Associate.installEventFilter(this);
}

void TUpDown::SetPosition(std::int32_t Value)
{
    CurrentPosition = Clamped(Value);
    Associate.setText(QString::number(CurrentPosition));
}

void TUpDown::StepBy(std::int32_t Delta)
{
    const std::int64_t From = ReadNumber(Associate.text().toStdString()).value_or(CurrentPosition);
    SetPosition(Clamped(From + Delta));
}

bool TUpDown::eventFilter(QObject* Watched, QEvent* Event)
{
    if (Watched == &Associate && Event->type() == QEvent::KeyPress) {
        const auto* Key = static_cast<QKeyEvent*>(Event);
        if (Key->key() == Qt::Key_Up || Key->key() == Qt::Key_Down) {
            if (!Associate.isReadOnly() && isEnabled()) {
                StepBy(Key->key() == Qt::Key_Up ? 1 : -1);
            }
            return true;
        }
    }
    return QWidget::eventFilter(Watched, Event);
}

void TUpDown::resizeEvent(QResizeEvent* Event)
{
    QWidget::resizeEvent(Event);
    const int UpperHeight = height() / 2;
    UpButton->setGeometry(0, 0, width(), UpperHeight);
    DownButton->setGeometry(0, UpperHeight, width(), height() - UpperHeight);
}

std::int32_t TUpDown::Clamped(std::int64_t Value) const
{
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(Value, Minimum, Maximum));
}

}  // namespace mirvane
