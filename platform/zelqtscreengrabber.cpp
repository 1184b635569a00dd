#include "platform/zelqtscreengrabber.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QScreen>
#include <QThread>

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
    // The capture overlay was hidden just before: until the window system has
    // taken it down and what lay beneath has repainted, it would be grabbed too.
    QElapsedTimer settling;
    settling.start();
    while (settling.elapsed() < 200) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 20);
        QThread::msleep(10);
    }
    return screen->grabWindow(0, area.x(), area.y(), area.width(), area.height());
}
