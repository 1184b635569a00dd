#ifndef ZELPLATFORM_H
#define ZELPLATFORM_H

#include <QString>

class ZELChoosers;
class ZELDesktopServices;
class ZELFilePermissions;
class ZELInputMonitor;
class ZELInstanceCheck;
class ZELScreenGrabber;
class ZELSoundPlayer;
class ZELSoundRecorder;
class ZELSystemFolders;
class ZELSystemTray;

// The one place that hands out the platform layers. Each accessor returns the
// installed layer or, when none is installed, this machine's own implementation.
// Tests install fakes with the setters (not owned; pass nullptr to go back).
class ZELPlatform
{
public:
    static ZELInstanceCheck *instanceCheck();
    static ZELSystemFolders *systemFolders();
    // Any thread may call this; the machine's own monitor is always created on
    // the application's thread.
    static ZELInputMonitor *inputMonitor();
    static ZELSoundRecorder *soundRecorder();
    static ZELSoundPlayer *soundPlayer();
    static ZELDesktopServices *desktopServices();
    static ZELScreenGrabber *screenGrabber();
    static ZELChoosers *choosers();

    static void setInstanceCheck(ZELInstanceCheck *layer);
    static void setSystemFolders(ZELSystemFolders *layer);
    static void setInputMonitor(ZELInputMonitor *layer);
    static void setSoundRecorder(ZELSoundRecorder *layer);
    static void setSoundPlayer(ZELSoundPlayer *layer);
    static void setDesktopServices(ZELDesktopServices *layer);
    static void setScreenGrabber(ZELScreenGrabber *layer);
    static void setChoosers(ZELChoosers *layer);

    // Write permission of files and folders (a layer of its own: tests run as root)
    static ZELFilePermissions *filePermissions();
    static void setFilePermissions(ZELFilePermissions *layer);

    // The desktop's system tray (whether there is one)
    static ZELSystemTray *systemTray();
    static void setSystemTray(ZELSystemTray *layer);

    // The client's data folder: the application-data folder + "/ZEL" (not created).
    static QString dataFolder();

private:
    ZELPlatform() = delete;
};

#endif
