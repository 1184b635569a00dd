#include "platform/zelx11keyboard.h"

#include <QGuiApplication>

#if defined(ZEL_HAVE_X11) && QT_CONFIG(xcb)
#include <QtGui/qguiapplication_platform.h>

#include <X11/XKBlib.h>
#endif

#if defined(ZEL_HAVE_X11) && QT_CONFIG(xcb)
namespace {

Display *x11Display()
{
    auto *app = qobject_cast<QGuiApplication *>(QCoreApplication::instance());
    if (!app || QGuiApplication::platformName() != QLatin1String("xcb"))
        return nullptr;
    auto *x11 = app->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->display() : nullptr;
}

} // namespace
#endif

std::optional<ZELX11Keyboard::Keymap> ZELX11Keyboard::keysDown()
{
#if defined(ZEL_HAVE_X11) && QT_CONFIG(xcb)
    Display *display = x11Display();
    if (!display)
        return std::nullopt;
    char keys[32] = {};
    XQueryKeymap(display, keys);
    Keymap map;
    for (int i = 0; i < 32; ++i)
        map[i] = quint8(keys[i]);
    return map;
#else
    return std::nullopt;
#endif
}

std::optional<bool> ZELX11Keyboard::capsLockOn()
{
#if defined(ZEL_HAVE_X11) && QT_CONFIG(xcb)
    Display *display = x11Display();
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
