#ifndef ZELQTSCREENGRABBER_H
#define ZELQTSCREENGRABBER_H

#include "platform/zelscreengrabber.h"

class ZELQtScreenGrabber : public ZELScreenGrabber
{
public:
    QRect desktopGeometry() const override;
    QPixmap grabDesktop(const QRect &area) override;
};

#endif
