#include "platform/zelfakedesktopservices.h"

bool ZELFakeDesktopServices::openUrl(const QUrl &url)
{
    openedUrls << url;
    return result;
}
