#ifndef ZELSYSTEMTRAY_H
#define ZELSYSTEMTRAY_H

// Whether the desktop offers a system tray to hide the main window into. Many
// Linux desktops have none; the window must then stay reachable, and closing
// it must be able to end the program.
class ZELSystemTray
{
public:
    virtual ~ZELSystemTray() = default;
    virtual bool available() = 0;
};

#endif
