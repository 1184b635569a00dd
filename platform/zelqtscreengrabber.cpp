#include "platform/zelqtscreengrabber.h"

#include <QGuiApplication>
#include <QScreen>

QRect ZELQtScreenGrabber::desktopGeometry() const
{
    QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect();
}

QPixmap ZELQtScreenGrabber::grabDesktop(const QRect &area)
{
    QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return QPixmap();
    return screen->grabWindow(0, area.x(), area.y(), area.width(), area.height());
}
