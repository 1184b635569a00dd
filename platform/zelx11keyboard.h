#ifndef ZELX11KEYBOARD_H
#define ZELX11KEYBOARD_H

#include <optional>

// Keyboard lock state as the X server keeps it. Kept apart from the input
// monitor because the X headers define macros (KeyPress, None, Bool) that clash
// with the toolkit's names.
class ZELX11Keyboard
{
public:
    // GUI thread. Whether Caps Lock is locked on the display the application
    // runs on; nothing when it does not run on X or was built without Xlib.
    static std::optional<bool> capsLockOn();
};

#endif
