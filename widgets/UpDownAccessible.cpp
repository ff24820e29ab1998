#include "widgets/UpDownAccessible.h"

#include <QAccessibleWidget>

#include "widgets/UpDown.h"

namespace mirvane {
namespace {

class TUpDownAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit TUpDownAccessible(TUpDown& UpDown) : QAccessibleWidget(&UpDown, QAccessible::SpinBox) {}

    void* interface_cast(QAccessible::InterfaceType Type) override
    {
        if (Type == QAccessible::ValueInterface) {
            return static_cast<QAccessibleValueInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(Type);
    }

    QVariant currentValue() const override { return UpDown().Position(); }
    void setCurrentValue(const QVariant& Value) override
    {
        bool IsNumber = false;
        const int Position = Value.toInt(&IsNumber);
        if (IsNumber) {
            UpDown().SetPosition(Position);
        }
    }
    QVariant maximumValue() const override { return UpDown().Max(); }
    QVariant minimumValue() const override { return UpDown().Min(); }
    QVariant minimumStepSize() const override { return 1; }

private:
    TUpDown& UpDown() const { return *static_cast<TUpDown*>(widget()); }
};

}  // namespace

QAccessibleInterface* UpDownAccessibleFactory(const QString&, QObject* Object)
{
    auto* UpDown = qobject_cast<TUpDown*>(Object);
    // Owned by the accessibility cache, which deletes it with the control.
    return UpDown == nullptr ? nullptr : new TUpDownAccessible(*UpDown);
}

}  // namespace mirvane
