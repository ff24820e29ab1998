#pragma once

#include <initializer_list>

class QRadioButton;

namespace mirvane {

// Makes a group of radio buttons one stop of the Tab key, on the button that
// is checked; the arrow keys move within the group.
void MakeCheckedRadioTheTabStop(std::initializer_list<QRadioButton*> Group);

}  // namespace mirvane
