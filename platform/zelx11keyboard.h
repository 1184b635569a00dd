#ifndef ZELX11KEYBOARD_H
#define ZELX11KEYBOARD_H

#include <QtGlobal>

#include <array>
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
    // GUI thread. The keys held down on the whole display now, one bit per X
    // key code (XQueryKeymap): typing in other programs is seen too. Nothing
    // when not on X.
    using Keymap = std::array<quint8, 32>;
    static std::optional<Keymap> keysDown();
};

#endif
