#include "platform/zelfakesystemtray.h"

bool ZELFakeSystemTray::available()
{
    return trayAvailable;
}
