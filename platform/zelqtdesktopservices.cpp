#include "platform/zelqtdesktopservices.h"

#include <QDesktopServices>

bool ZELQtDesktopServices::openUrl(const QUrl &url)
{
    return QDesktopServices::openUrl(url);
}
