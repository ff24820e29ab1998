#pragma once

#include <QIcon>

namespace mirvane {

// The program's icon, in each pixel size rendered from its drawing, from the
// program's resources.
QIcon AppIcon();

// The icon's name in the desktop's icon theme, which is also the program's
// desktop entry and AppStream id.
inline constexpr char AppId[] = "org.tellwen.Mirvane";

}  // namespace mirvane
