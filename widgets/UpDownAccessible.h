#pragma once

class QAccessibleInterface;
class QObject;
class QString;

namespace mirvane {

// What a screen reader sees of an up/down control: a spin button whose
// value is the control's position, within its minimum and maximum, and
// which the reader may set.
//
// The factory for QAccessible::installFactory: an interface for any TUpDown,
// none for other objects.
QAccessibleInterface* UpDownAccessibleFactory(const QString& ClassName, QObject* Object);

}  // namespace mirvane
