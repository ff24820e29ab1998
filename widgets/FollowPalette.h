#pragma once

#include <functional>

class QWidget;

namespace mirvane {

// Runs Apply on Widget now and again after every change of its palette, as
// when the desktop switches between a light and a dark theme. For looks that
// are made from the palette's colours but that Qt does not remake by itself:
// a colour copied from one role to another, an image drawn in them.
void FollowPalette(QWidget& Widget, std::function<void(QWidget&)> Apply);

}  // namespace mirvane
