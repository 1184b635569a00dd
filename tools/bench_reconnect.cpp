// Prints what each lost and regained connection leaves behind in the client.
// The client signs in to the demo server (running in this process, on a thread
// of its own, with its whole sign-in answer: privileges, offline messages,
// reminders, recent chats, approvals, contacts and presence); then, N times,
// the server drops the connection, the client reconnects on its worker's tick,
// waits for the banner and signs in again by itself. Offscreen unless a display
// is given.
//
// After a few warm-up cycles it prints, every tenth of the run, the resident
// set (VmRSS), the heap in use (all arenas) and the objects alive on the GUI
// thread, each with its growth per cycle since the first line. A real leak grows
// linearly with the cycles; allocator noise does not.
//
//     bench_reconnect [--cycles N] [--warmup N] [--quick-exit]
//
// --quick-exit ends right after the last line, tearing nothing down, so that a
// heap profiler run over two counts of cycles (heaptrack, then
// heaptrack_print --diff) lists what the extra cycles left held.

#include "core/zelclient.h"
#include "core/zelthread.h"
#include "zelbenchhome.h"
#include "zeldemodirectory.h"
#include "zeldemoserver.h"
#include "zeldemosession.h"

#include "protocol/zelpreferencesfile.h"
#include "protocol/zeltcpsocket.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <functional>

// Qt's object hooks (as debugging tools use them): every QObject created and
// destroyed passes here.
namespace QHooks {
enum HookIndex { HookDataVersion = 0, HookDataSize = 1, QtVersion = 2, AddQObject = 3, RemoveQObject = 4 };
}
extern quintptr Q_CORE_EXPORT qtHookData[];

namespace {

std::atomic<long> liveObjects{0};
QThread *guiThread = nullptr;
void objectAdded(QObject *)
{
    if (QThread::currentThread() == guiThread)
        ++liveObjects;
}
void objectRemoved(QObject *)
{
    if (QThread::currentThread() == guiThread)
        --liveObjects;
}

long residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return 0;
}

// Lets whatever the last messages started (deferred deletions, queued calls) finish.
void settle()
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 20)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// A returning user whose preferences name the server and sign him in by himself.
bool seedPreferences(quint16 port, const QString &login)
{
    return ZELDemoDirectory::seedClientSettings(
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/ZEL"), port, login);
}

int option(const QStringList &arguments, const QString &name, int fallback)
{
    const qsizetype at = arguments.indexOf(name);
    return at >= 0 && at + 1 < arguments.size() ? arguments.at(at + 1).toInt() : fallback;
}

} // namespace

int main(int argc, char *argv[])
{
    QTemporaryDir home;
    zelBenchUseHome(home);
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(images);
    const QStringList arguments = app.arguments();
    int cycles = option(arguments, QStringLiteral("--cycles"), 100);
    const int warmup = option(arguments, QStringLiteral("--warmup"), 10);
    const QString login = QStringLiteral("alice");

    QThread serverThread;
    ZELDemoServer server;
    server.moveToThread(&serverThread);
    serverThread.start();
    const auto onServer = [&](const std::function<void()> &work) {
        QMetaObject::invokeMethod(&server, work, Qt::BlockingQueuedConnection);
    };
    bool listening = false;
    onServer([&] { listening = server.listen(); });
    if (!listening || !seedPreferences(server.port(), login)) {
        std::printf("cannot listen on 127.0.0.1 or write the preferences\n");
        return 1;
    }

    guiThread = QThread::currentThread();
    int failures = 0;
    {
        ZELClient client;
        client.m_workerThread->setTickInterval(20);
        const auto signedIn = [&] { return client.m_signedIn && !client.m_users.isEmpty(); };
        if (!zelBenchWaitUntil(signedIn, 10000)) {
            std::printf("the client did not sign in\n");
            ++failures;
            cycles = 0;
        }
        settle();
        const qsizetype contacts = client.m_users.size();

        // One cycle: the server drops the line; the client comes back and is
        // signed in again with all its contacts.
        const auto cycle = [&] {
            onServer([&] {
                for (ZELDemoSession *session : server.findChildren<ZELDemoSession *>())
                    session->disconnectClient();
            });
            const bool lost = zelBenchWaitUntil([&] { return !client.m_signedIn; }, 5000);
            const bool back = lost && zelBenchWaitUntil([&] { return signedIn() && client.m_users.size() == contacts; }, 10000);
            settle();
            if (!back) {
                ++failures;
                std::printf("a cycle failed: %s (socket state %d, signed in %d, contacts %lld)\n",
                            lost ? "not signed in again" : "the loss was not noticed",
                            int(client.m_tcpSocket->state()), int(client.m_signedIn),
                            static_cast<long long>(client.m_users.size()));
            }
            return back;
        };

        for (int n = 0; n < warmup && cycles > 0; ++n)
            cycle();
        qtHookData[QHooks::AddQObject] = reinterpret_cast<quintptr>(&objectAdded);
        qtHookData[QHooks::RemoveQObject] = reinterpret_cast<quintptr>(&objectRemoved);

        std::printf("%-8s %10s %10s %10s %12s %10s %10s\n", "cycles", "RSS kB", "per cycle", "heap KiB",
                    "per cycle", "objects", "per cycle");
        const long rss0 = residentKiB();
        const double heap0 = zelBenchHeapKiB();
        const auto line = [&](int done) {
            const long rss = residentKiB();
            const double heap = zelBenchHeapKiB();
            const long objects = liveObjects;
            std::printf("%-8d %10ld %10.2f %10.1f %12.3f %10ld %10.2f\n", done, rss,
                        done ? double(rss - rss0) / done : 0.0, heap, done ? (heap - heap0) / done : 0.0,
                        objects, done ? double(objects) / done : 0.0);
            std::fflush(stdout);
        };
        line(0);
        const int step = std::max(1, cycles / 10);
        for (int done = 1; done <= cycles; ++done) {
            if (!cycle() && failures > 3) {
                std::printf("the client did not come back after cycle %d\n", done);
                break;
            }
            if (done % step == 0 || done == cycles)
                line(done);
        }
        qtHookData[QHooks::AddQObject] = 0;
        qtHookData[QHooks::RemoveQObject] = 0;
        std::printf("contacts %lld, cycles that failed %d\n", static_cast<long long>(contacts), failures);
        std::fflush(stdout);
        if (arguments.contains(QStringLiteral("--quick-exit")))
            std::_Exit(failures ? 1 : 0);
    }
    onServer([&] { server.moveToThread(app.thread()); });
    serverThread.quit();
    serverThread.wait();
    return failures ? 1 : 0;
}
