#ifndef ZELFAKESCREENGRABBER_H
#define ZELFAKESCREENGRABBER_H

#include "platform/zelscreengrabber.h"

#include <QColor>
#include <QList>

// For tests: a desktop of the given size in one colour; every grab is remembered.
class ZELFakeScreenGrabber : public ZELScreenGrabber
{
public:
    QRect desktopGeometry() const override;
    QPixmap grabDesktop(const QRect &area) override;

    QRect geometry = QRect(0, 0, 800, 600);
    QColor colour = Qt::white;
    QList<QRect> grabbedAreas;
};

#endif
