#include "platform/zelx11keyboard.h"

#include <QGuiApplication>

#if defined(ZEL_HAVE_X11) && QT_CONFIG(xcb)
#include <QtGui/qguiapplication_platform.h>

#include <X11/XKBlib.h>
#endif

std::optional<bool> ZELX11Keyboard::capsLockOn()
{
#if defined(ZEL_HAVE_X11) && QT_CONFIG(xcb)
    auto *app = qobject_cast<QGuiApplication *>(QCoreApplication::instance());
    if (!app || QGuiApplication::platformName() != QLatin1String("xcb"))
        return std::nullopt;
    auto *x11 = app->nativeInterface<QNativeInterface::QX11Application>();
    Display *display = x11 ? x11->display() : nullptr;
    if (!display)
        return std::nullopt;
    // The locked modifiers, not the indicator: a layout may show Caps Lock on
    // another LED or on none.
    XkbStateRec state;
    if (XkbGetState(display, XkbUseCoreKbd, &state) != Success)
        return std::nullopt;
    return (state.locked_mods & LockMask) != 0;
#else
    return std::nullopt;
#endif
}
