#include "ui/UpDown.h"

#include <algorithm>

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>

#include "ui/IntegerText.h"

namespace mirvane {
namespace {

QToolButton* MakeArrowButton(QWidget& Parent, Qt::ArrowType Arrow, const QString& Name)
{
    auto* Button = new QToolButton(&Parent);
    Button->setArrowType(Arrow);
    Button->setAutoRepeat(true);
    Button->setFocusPolicy(Qt::NoFocus);
    Button->setAccessibleName(Name);
    return Button;
}

}  // namespace

TUpDown::TUpDown(QLineEdit& Associate, std::int32_t Minimum, std::int32_t Maximum, std::int32_t Position,
                 QWidget* Parent)
    : QWidget(Parent),
      Associate(Associate),
      Minimum(std::min(Minimum, Maximum)),
      Maximum(std::max(Minimum, Maximum)),
      CurrentPosition(0),
      UpButton(MakeArrowButton(*this, Qt::UpArrow, QStringLiteral("Up"))),
      DownButton(MakeArrowButton(*this, Qt::DownArrow, QStringLiteral("Down")))
{
    CurrentPosition = Clamped(Position);
    setFocusPolicy(Qt::NoFocus);
    if (!Associate.accessibleName().isEmpty()) {
        setAccessibleName(Associate.accessibleName() + QStringLiteral(" up/down"));
    }
    connect(UpButton, &QToolButton::clicked, this, [this] { StepBy(1); });
    connect(DownButton, &QToolButton::clicked, this, [this] { StepBy(-1); });
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
    const std::int64_t From = IntegerOfText(Associate.text()).value_or(CurrentPosition);
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
