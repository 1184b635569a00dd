#include "platform/zelqtsystemtray.h"

#include <QSystemTrayIcon>

bool ZELQtSystemTray::available()
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}
