#ifndef ZELFAKEDESKTOPSERVICES_H
#define ZELFAKEDESKTOPSERVICES_H

#include "platform/zeldesktopservices.h"

#include <QList>

// For tests: remembers what was to be opened and answers with result.
class ZELFakeDesktopServices : public ZELDesktopServices
{
public:
    bool openUrl(const QUrl &url) override;

    QList<QUrl> openedUrls;
    bool result = true;
};

#endif
