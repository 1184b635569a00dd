// Prints what starting the client costs: the time until the main window is on
// screen, the widgets and style sheets built for it (sheets set and parsed are
// counted by a library loaded ahead of Qt, see zelstylecount.cpp), and the
// memory held 3 s after start. Starts as the program does (splash, style, main
// widget), with its own empty data folders, on the display it is given
// (offscreen without).

#include "core/zelclient.h"
#include "style/zelstyle.h"
#include "zelbenchhome.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFont>
#include <QSplashScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>

#include <cstdio>
#include <cstdlib>
#include <dlfcn.h>
#include <malloc.h>
#include <unistd.h>

namespace {

long residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

bool waitUntil(const std::function<bool()> &condition, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

// Style sheet work is counted by a small library loaded ahead of Qt: the
// bench starts itself once more with it when it is not loaded yet.
using StyleCounts = void (*)(int *, int *);

StyleCounts styleCounts(char *argv[])
{
    if (auto counts = reinterpret_cast<StyleCounts>(dlsym(RTLD_DEFAULT, "zelStyleSheetCounts")))
        return counts;
#ifdef ZEL_STYLE_COUNT_MODULE
    if (!std::getenv("ZEL_STYLE_COUNT_TRIED") && access(ZEL_STYLE_COUNT_MODULE, R_OK) == 0) {
        setenv("ZEL_STYLE_COUNT_TRIED", "1", 1);
        setenv("LD_PRELOAD", ZEL_STYLE_COUNT_MODULE, 1);
        execv("/proc/self/exe", argv);
    }
#endif
    return nullptr;
}

void printStyleCounts(StyleCounts counts, const char *when)
{
    int calls = 0;
    int parses = 0;
    if (counts) {
        counts(&calls, &parses);
        std::printf("style sheets %s: %d setStyleSheet calls, %d sheets parsed\n", when, calls, parses);
    } else {
        std::printf("style sheets %s: not counted (counting library not loaded)\n", when);
    }
}

} // namespace

int main(int argc, char *argv[])
{
    const StyleCounts counts = styleCounts(argv);
    QElapsedTimer sinceStart;
    sinceStart.start();
    QTemporaryDir home;
    zelBenchUseHome(home);
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(images);

    QSplashScreen splash(QPixmap(QStringLiteral(":images/zel.jpg")));
    splash.show();
    QCoreApplication::processEvents();
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setFont(QFont(QStringLiteral("Verdana"), 8));
    QApplication::setStyle(new ZELStyle);

    const double beforeClient = sinceStart.nsecsElapsed() / 1e6;
    auto *client = new ZELClient;
    const double built = sinceStart.nsecsElapsed() / 1e6;
    splash.finish(client);
    client->show();
    const bool shown = waitUntil([&]() { return client->windowHandle() && client->windowHandle()->isExposed(); },
                                 10000);
    const double onScreen = sinceStart.nsecsElapsed() / 1e6;
    int callsOnScreen = 0;
    int parsesOnScreen = 0;
    if (counts)
        counts(&callsOnScreen, &parsesOnScreen);

    const QWidgetList widgets = QApplication::allWidgets();
    int styled = 0;
    for (QWidget *widget : widgets) {
        if (!widget->styleSheet().isEmpty())
            ++styled;
    }
    int windows = 0;
    for (QWidget *widget : QApplication::topLevelWidgets())
        windows += widget->isWindow() ? 1 : 0;

    // Settle as a user would see it: the event loop idle until 3 s after start.
    if (!app.arguments().contains(QStringLiteral("--no-settle"))) {
        // exit(), not quit(): the main window refuses to close, as it does for the user.
        QTimer::singleShot(qMax<qint64>(0, 3000 - sinceStart.elapsed()), &app, [] { QCoreApplication::exit(0); });
        app.exec();
    }
    std::printf("platform: %s\n", qPrintable(QGuiApplication::platformName()));
    std::printf("toolkit and splash ready: %.1f ms\n", beforeClient);
    std::printf("main widget built: %.1f ms\n", built);
    std::printf("main window on screen: %s at %.1f ms (goal: under 100 ms)\n", shown ? "yes" : "NO", onScreen);
    std::printf("widgets: %lld in %d top-level windows; %d carry a style sheet of their own\n",
                static_cast<long long>(widgets.size()), windows, styled);
    if (counts)
        std::printf("style sheets until on screen: %d setStyleSheet calls, %d sheets parsed\n", callsOnScreen,
                    parsesOnScreen);
    printStyleCounts(counts, "3 s after start");
    std::printf("memory 3 s after start: %.1f MB resident, %.1f MB heap (goal: under 45 MB)\n",
                residentKiB() / 1024.0, double(mallinfo2().uordblks) / 1024.0 / 1024.0);
    delete client;
    return 0;
}
