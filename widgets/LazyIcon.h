#pragma once

#include <functional>

#include <QIcon>

namespace mirvane {

// An icon whose images are made the first time one is asked for, by Make.
// For icons that a window holds from its start but rarely shows: reading an
// image file at start makes the toolkit look through, and load, every image
// format plugin installed, which the first frame would wait for.
QIcon LazyIcon(std::function<QIcon()> Make);

}  // namespace mirvane
