#include "zelx11probe.h"

#include <QElapsedTimer>
#include <QThread>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace {

Display *display(void *handle)
{
    return static_cast<Display *>(handle);
}

// The property's items as longs (X11 hands 32-bit items back as longs).
QList<long> longs(Display *dpy, Window window, const char *name, Atom type)
{
    QList<long> items;
    Atom actualType = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char *data = nullptr;
    const Atom property = XInternAtom(dpy, name, False);
    if (XGetWindowProperty(dpy, window, property, 0, 64, False, type, &actualType, &format, &count, &after, &data)
            == Success
        && data && format == 32) {
        const long *values = reinterpret_cast<const long *>(data);
        for (unsigned long i = 0; i < count; ++i)
            items << values[i];
    }
    if (data)
        XFree(data);
    return items;
}

} // namespace

ZELX11Probe::ZELX11Probe()
    : m_display(XOpenDisplay(nullptr))
{
}

ZELX11Probe::~ZELX11Probe()
{
    if (m_display)
        XCloseDisplay(display(m_display));
}

bool ZELX11Probe::isOpen() const
{
    return m_display != nullptr;
}

namespace {

bool g_xError = false;

int noteError(Display *, XErrorEvent *)
{
    g_xError = true;
    return 0;
}

} // namespace

bool ZELX11Probe::hasWindowManager() const
{
    // The root names the manager's check window, which names itself; a manager
    // that has gone may leave the root's entry behind, pointing at no window.
    Display *dpy = display(m_display);
    const QList<long> check = longs(dpy, DefaultRootWindow(dpy), "_NET_SUPPORTING_WM_CHECK", XA_WINDOW);
    if (check.isEmpty())
        return false;
    XSync(dpy, False);
    g_xError = false;
    const auto previous = XSetErrorHandler(noteError);
    const QList<long> self = longs(dpy, Window(check.first()), "_NET_SUPPORTING_WM_CHECK", XA_WINDOW);
    XSync(dpy, False);
    XSetErrorHandler(previous);
    return !g_xError && self == check;
}

long ZELX11Probe::wmState(unsigned long window) const
{
    Display *dpy = display(m_display);
    const Atom type = XInternAtom(dpy, "WM_STATE", False);
    const QList<long> state = longs(dpy, window, "WM_STATE", type);
    return state.isEmpty() ? -1 : state.first();
}

int ZELX11Probe::initialState(unsigned long window) const
{
    XWMHints *hints = XGetWMHints(display(m_display), window);
    int state = -1;
    if (hints && (hints->flags & StateHint))
        state = hints->initial_state;
    if (hints)
        XFree(hints);
    return state;
}

QStringList ZELX11Probe::netWmState(unsigned long window) const
{
    Display *dpy = display(m_display);
    QStringList names;
    for (long atom : longs(dpy, window, "_NET_WM_STATE", XA_ATOM)) {
        char *name = XGetAtomName(dpy, Atom(atom));
        if (name) {
            names << QString::fromLatin1(name);
            XFree(name);
        }
    }
    return names;
}

bool ZELX11Probe::windowManagerRoundTrip(int timeoutMs) const
{
    Display *dpy = display(m_display);
    const Window root = DefaultRootWindow(dpy);
    // A window of the probe's own that is never mapped: asking about it
    // changes nothing on the screen or in the focus.
    const Window probe = XCreateSimpleWindow(dpy, root, 0, 0, 1, 1, 0, 0, 0);
    XEvent request{};
    request.xclient.type = ClientMessage;
    request.xclient.window = probe;
    request.xclient.message_type = XInternAtom(dpy, "_NET_REQUEST_FRAME_EXTENTS", False);
    request.xclient.format = 32;
    XSendEvent(dpy, root, False, SubstructureRedirectMask | SubstructureNotifyMask, &request);
    XFlush(dpy);
    QElapsedTimer clock;
    clock.start();
    bool answered = false;
    while (!(answered = !longs(dpy, probe, "_NET_FRAME_EXTENTS", XA_CARDINAL).isEmpty())
           && clock.elapsed() < timeoutMs)
        QThread::msleep(5);
    XDestroyWindow(dpy, probe);
    XSync(dpy, False);
    return answered;
}
