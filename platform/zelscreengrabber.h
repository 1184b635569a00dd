#ifndef ZELSCREENGRABBER_H
#define ZELSCREENGRABBER_H

#include <QPixmap>
#include <QRect>

// Grabs what the desktop shows.
class ZELScreenGrabber
{
public:
    virtual ~ZELScreenGrabber() = default;
    // The whole primary screen's geometry in global coordinates.
    virtual QRect desktopGeometry() const = 0;
    // A rectangle of the desktop in global coordinates; a null pixmap without a screen.
    virtual QPixmap grabDesktop(const QRect &area) = 0;
};

#endif
