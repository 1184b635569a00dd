#ifndef ZELX11PROBE_H
#define ZELX11PROBE_H

#include <QStringList>

// What the X server and the window manager hold about a window, read through
// a connection of the test's own (X11's headers stay in the .cpp: their macros
// clash with Qt's names).
class ZELX11Probe
{
public:
    ZELX11Probe();
    ~ZELX11Probe();
    ZELX11Probe(const ZELX11Probe &) = delete;
    ZELX11Probe &operator=(const ZELX11Probe &) = delete;

    bool isOpen() const;
    // A window manager runs: its announcement on the root window is current.
    bool hasWindowManager() const;
    // The state the window manager keeps (1 normal, 3 iconic; -1 none yet).
    long wmState(unsigned long window) const;
    // The state the client asked to be mapped in (1 normal, 3 iconic; -1 none).
    int initialState(unsigned long window) const;
    // The _NET_WM_STATE atoms' names.
    QStringList netWmState(unsigned long window) const;
    // A round trip through the window manager: it answers a frame-extents
    // request only once it has handled everything the server gave it before.
    // False when no answer came in time.
    bool windowManagerRoundTrip(int timeoutMs = 5000) const;

private:
    void *m_display = nullptr;
};

#endif
