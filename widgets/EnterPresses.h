#pragma once

class QPushButton;
class QWidget;

namespace mirvane {

// Enter and the keypad's Enter press the focused push button anywhere in
// Window, as Space does. The toolkit gives buttons outside dialogs no Enter,
// so a user who tabs to a button and presses Enter would see nothing
// happen, and what they typed next would go nowhere.
void EnterPressesFocusedButton(QWidget& Window);

// Enter and the keypad's Enter in any box of Group (an edit, a drop-down
// list, a tick) press Button, as a dialog's default button is pressed; on a
// push button of the group they press that button still.
void EnterInGroupPresses(QWidget& Group, QPushButton& Button);

}  // namespace mirvane
