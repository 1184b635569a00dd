#ifndef ZELFAKESYSTEMTRAY_H
#define ZELFAKESYSTEMTRAY_H

#include "platform/zelsystemtray.h"

// For tests: a tray exists when told so.
class ZELFakeSystemTray : public ZELSystemTray
{
public:
    bool available() override;

    bool trayAvailable = true;
};

#endif
