#ifndef ZELINPUTMONITOR_H
#define ZELINPUTMONITOR_H

#include <QPoint>
#include <QtGlobal>

// Keyboard, mouse-button and cursor state as the idle detection and the login
// page read it. Virtual-key codes are 0..255.
class ZELInputMonitor
{
public:
    // Bits of asyncKeyState().
    static constexpr quint16 KeyDown = 0x8000;          // the key is down now
    static constexpr quint16 PressedSinceLastRead = 0x0001;
    static constexpr int KeyCount = 256;
    static constexpr int CapsLockKey = 0x14;

    virtual ~ZELInputMonitor() = default;

    // Safe from any thread. Reading clears the key's PressedSinceLastRead bit.
    virtual quint16 asyncKeyState(int virtualKey) = 0;
    // Safe from any thread: the cursor in global screen coordinates.
    virtual QPoint cursorPosition() const = 0;
    // GUI thread: the toggle state of a key; for Caps Lock exactly 1 means on
    // (toggled, and the key not held down at this moment).
    virtual qint16 keyState(int virtualKey) const = 0;
};

#endif
