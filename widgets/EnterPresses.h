#pragma once

class QWidget;

namespace mirvane {

// Enter and the keypad's Enter press the focused push button anywhere in
// Window, as Space does. The toolkit gives buttons outside dialogs no Enter,
// so a user who tabs to a button and presses Enter would see nothing
// happen, and what they typed next would go nowhere.
void EnterPressesFocusedButton(QWidget& Window);

}  // namespace mirvane
