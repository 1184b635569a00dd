#ifndef ZELDESKTOPSERVICES_H
#define ZELDESKTOPSERVICES_H

#include <QUrl>

// Hands a file or a link to the desktop's own program for it.
class ZELDesktopServices
{
public:
    virtual ~ZELDesktopServices() = default;
    virtual bool openUrl(const QUrl &url) = 0;
};

#endif
