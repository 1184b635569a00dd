#include "platform/zelfakescreengrabber.h"

QRect ZELFakeScreenGrabber::desktopGeometry() const
{
    return geometry;
}

QPixmap ZELFakeScreenGrabber::grabDesktop(const QRect &area)
{
    grabbedAreas << area;
    const QRect visible = area.intersected(geometry);
    if (visible.isEmpty())
        return QPixmap();
    QPixmap pixmap(visible.size());
    pixmap.fill(colour);
    return pixmap;
}
