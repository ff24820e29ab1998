#pragma once

#include <functional>

#include <QEvent>

class QObject;

namespace mirvane {

// Runs Run each time Watched receives an event of Type, before Watched
// handles it and without consuming it, for as long as Watched lives.
void OnEvent(QObject& Watched, QEvent::Type Type, std::function<void()> Run);

}  // namespace mirvane
