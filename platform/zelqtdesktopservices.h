#ifndef ZELQTDESKTOPSERVICES_H
#define ZELQTDESKTOPSERVICES_H

#include "platform/zeldesktopservices.h"

class ZELQtDesktopServices : public ZELDesktopServices
{
public:
    bool openUrl(const QUrl &url) override;
};

#endif
