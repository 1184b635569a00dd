// Prints what a long conversation costs the chat window: a whole burst sent
// by a local server until every message is shown, with the memory it adds and
// the longest time the window could not answer; then a second burst of the
// same size into the window already open, whose memory is what each message
// costs (the first burst also pays for opening the window); then the time one
// more received message takes at 100 / 1,000 / 10,000 messages in the
// transcript. Runs offscreen against the protocol test peer (--senders: see below).
//
//     bench_chat [messages]        (default 10000)
//     bench_chat --split [messages]
//
// --split prints where a message's memory goes: a transcript view of its own,
// once shown (every paragraph laid out) and once never shown.
//
//     bench_chat --senders [count]   (default 1000)
//
// --senders: one message from each of that many people, each opening a chat
// window of its own up to the bound of open windows, the rest waiting for one
// to close; prints the memory of one such window, what all the senders add,
// and the longest time the window could not answer, also while windows close
// and the waiting senders' windows open in their place.
//
// Those windows open minimised. A desktop's window manager takes them off the
// screen, where they paint nothing; offscreen, as on an X display without a
// window manager, they stay on the screen and paint like shown windows. So
// --senders with neither QT_QPA_PLATFORM nor DISPLAY set runs on a virtual
// display of its own with a window manager (Xvfb and openbox), as a desktop
// does; offscreen only where this machine lacks them.

#include "chat/zelchatwindow.h"
#include "chat/zeltranscript.h"
#include "chat/zeltranscriptview.h"
#include "core/zelclient.h"
#include "zelbenchhold.h"
#include "zelbenchhome.h"
#include "peer/zeltestpeer.h"
#include "protocol/zelsettingslists.h"
#include "protocol/zeltcpsocket.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QProcess>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>

#include <cstdio>

namespace {

QString chatFrom(const QString &sender, int n)
{
    const QString text = QStringLiteral("Message number %1 of the burst, with a few words to lay out.").arg(n);
    return ZELTestPeer::message("CHAT", {{"CHATUSERNAME", "bench"}, {"LOGINNAME", sender}, {"MESSAGE", text},
                                         {"SENDSMILEY", ""}, {"SENDPICTURE", ""}, {"BANNERSTATE", ""},
                                         {"PLAINTEXT", text}, {"DISPLAYNAME", sender + " (bench)"},
                                         {"PASSWORD", "FALSE"}});
}

// Resident memory in KiB, from the kernel's own account.
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

// Heap bytes in use, whatever the process holds from the system.
void setUp(ZELClient &client)
{
    client.m_signedIn = true;
    client.m_loginId = QStringLiteral("bench");
    client.m_password = QStringLiteral("secret");
    client.m_ownDisplayName = QStringLiteral("Bench");
    client.m_chatWindowSettings = ZELChatWindowList::defaults();
    client.m_chatHistorySettings = ZELChatHistoryList::defaults();
    client.m_notificationSettings = ZELNotificationList::defaults();
    client.m_notificationSettings[ZELNotificationList::SendsMessage] = QStringLiteral("FALSE");
    ZELChatWindow::setDeliveryCheckInterval(30000);
}

// Every message shows as two paragraphs: its heading or continuation row and its text.
int shownMessages(ZELChatWindow *window)
{
    return window ? (window->totalMessage->document()->blockCount() - 1) / 2 : 0;
}

// The server side of the bursts: prints its port, sends a burst on every
// "go", counts the delivery answers and prints their number on "count".
int serve(int total)
{
    ZELTestPeer peer;
    if (!peer.listen())
        return 1;
    std::printf("%d\n", peer.port());
    std::fflush(stdout);
    QFile input;
    if (!input.open(stdin, QIODevice::ReadOnly))
        return 1;
    if (!peer.waitForConnection(10000))
        return 1;
    int deliveries = 0;
    QObject::connect(&peer, &ZELTestPeer::requestReceived, [&](const ZELTestPeer::Request &request) {
        if (request.type == QLatin1String("MESSAGEDELIVERED"))
            ++deliveries;
    });
    int sent = 0;
    QSocketNotifier commands(0, QSocketNotifier::Read);
    QObject::connect(&commands, &QSocketNotifier::activated, [&]() {
        const QByteArray line = input.readLine().trimmed();
        if (line == "go") {
            QStringList burst;
            for (int n = 0; n < total; ++n)
                burst << chatFrom(QStringLiteral("mona"), sent++);
            for (int i = 0; i < burst.size(); i += 500)
                peer.sendTexts(burst.mid(i, 500));
        } else if (line == "count") {
            // Answers already on their way are taken first.
            ZELTestPeer::waitUntil([]() { return false; }, 200);
            std::printf("%d\n", deliveries);
            std::fflush(stdout);
        } else {
            QCoreApplication::quit();
        }
    });
    return QCoreApplication::exec();
}

// Heap per message of a transcript view filled with continuation rows and
// texts, after a smaller one has loaded the fonts and caches every view shares.
double transcriptPerMessage(int total, bool shown)
{
    const auto fill = [](ZELTranscriptView &view, int count) {
        for (int i = 0; i < count; ++i) {
            view.append(ZELTranscript::continuationRow(QStringLiteral("10:00:00 am")));
            view.append(QStringLiteral("Message number %1 of the burst, with a few words to lay out.").arg(i));
            ZELTranscript::scrollToEnd(&view);
        }
        ZELTestPeer::waitUntil([]() { return false; }, 100);
    };
    {
        ZELTranscriptView warm;
        warm.resize(600, 400);
        warm.show();
        fill(warm, 1000);
    }
    ZELTranscriptView view;
    view.resize(600, 400);
    if (shown)
        view.show();
    ZELTestPeer::waitUntil([]() { return false; }, 100);
    const double before = zelBenchHeapKiB();
    fill(view, total);
    return (zelBenchHeapKiB() - before) / total;
}

// Waits while the event loop runs, until the condition holds.
bool settle(const std::function<bool()> &condition, int timeoutMs)
{
    return ZELTestPeer::waitUntil(condition, timeoutMs);
}

// Runs --senders again on a virtual display with a window manager; false when
// this machine has no Xvfb or openbox, or the display does not start.
bool sendersOnVirtualDesktop(int total, int *exitCode)
{
    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    const QString openbox = QStandardPaths::findExecutable(QStringLiteral("openbox"));
    if (xvfb.isEmpty() || openbox.isEmpty())
        return false;
    QProcess server;
    server.start(xvfb, {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                        QStringLiteral("0"), QStringLiteral("1600x1000x24"), QStringLiteral("-nolisten"),
                        QStringLiteral("tcp")});
    QByteArray number;
    QElapsedTimer started;
    started.start();
    while (!number.endsWith('\n') && started.elapsed() < 10000 && server.waitForReadyRead(10000))
        number += server.readAllStandardOutput();
    if (number.trimmed().isEmpty()) {
        server.kill();
        server.waitForFinished();
        return false;
    }
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    environment.insert(QStringLiteral("DISPLAY"), QLatin1Char(':') + QString::fromLatin1(number.trimmed()));
    QProcess manager;
    manager.setProcessEnvironment(environment);
    manager.start(openbox, {});
    manager.waitForStarted();
    QThread::sleep(2); // the window manager takes over the display
    std::printf("on a virtual X display (:%s) with a window manager (openbox):\n", number.trimmed().constData());
    std::fflush(stdout);
    const QByteArray printed =
        zelBenchRunSelf({QStringLiteral("--senders"), QString::number(total)}, 1800000, exitCode, environment);
    std::fwrite(printed.constData(), 1, size_t(printed.size()), stdout);
    manager.kill();
    manager.waitForFinished();
    server.kill();
    server.waitForFinished();
    return true;
}

int senders(ZELBenchHoldApplication &app, int total)
{
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        std::printf("offscreen, with no window manager: every minimised window stays on the screen and paints\n");
    ZELBenchPeerThread server;
    ZELClient client;
    setUp(client);
    if (!server.connect(client.m_tcpSocket))
        return 1;
    const int bound = client.m_chatWindowBound;
    const auto from = [](int n) { return QStringLiteral("sender%1").arg(n); };
    const auto send = [&](int first, int last) {
        QStringList frames;
        for (int n = first; n < last; ++n)
            frames << chatFrom(from(n), n);
        for (int i = 0; i < frames.size(); i += 100) {
            const QStringList part = frames.mid(i, 100);
            server.run([&] { server.peer.sendTexts(part); });
        }
    };
    const auto waiting = [&]() { return int(client.m_waitingChats.size()); };
    const auto idle = [] { settle([] { return false; }, 300); };

    idle();
    const double heapStart = zelBenchHeapKiB();
    const long residentStart = residentKiB();
    // The first window also pays for what every later one shares.
    app.resetLongest();
    send(0, 1);
    settle([&] { return client.m_chatWindows.size() == 1; }, 30000);
    idle();
    const double firstHold = app.longest;
    const double firstHoldCpu = app.longestCpu;
    const double heapOne = zelBenchHeapKiB();
    const long residentOne = residentKiB();
    app.resetLongest();
    const int windows = std::min(total, bound);
    send(1, windows);
    const bool opened = settle([&] { return client.m_chatWindows.size() == windows; }, 600000);
    idle();
    const double heapWindows = zelBenchHeapKiB();
    const long residentWindows = residentKiB();
    std::printf("%d senders, one message each; at most %d chat windows open:\n", total, bound);
    std::printf("  the first window opened; longest hold: %.1f ms (%.1f ms processor time)\n", firstHold,
                firstHoldCpu);
    std::printf("  %d windows opened: %s; longest hold while they opened: %.1f ms (%.1f ms processor time)\n",
                windows, opened ? "yes" : "NO", app.longest, app.longestCpu);
    std::printf("  memory per chat window with one message: %.2f MB heap, %.2f MB resident "
                "(goal: at most 1.5 MB)\n",
                (heapWindows - heapOne) / 1024.0 / std::max(1, windows - 1),
                (residentWindows - residentOne) / 1024.0 / std::max(1, windows - 1));

    app.resetLongest();
    send(windows, total);
    const bool queued = settle([&] { return waiting() == total - windows; }, 600000);
    idle();
    std::printf("  the other %d waiting: %s; longest hold while they came: %.1f ms\n", total - windows,
                queued ? "yes" : "NO", app.longest);
    std::printf("  memory added by all %d senders: %.1f MB heap, %.1f MB resident (goal: under 500 MB)\n", total,
                (zelBenchHeapKiB() - heapStart) / 1024.0, (residentKiB() - residentStart) / 1024.0);

    // All windows close at once, as when the user turns invisible; the
    // waiting senders' windows take their places one a turn.
    app.resetLongest();
    QElapsedTimer timer;
    timer.start();
    const QList<ZELChatWindow *> open = client.m_chatWindows.values();
    for (ZELChatWindow *window : open) {
        window->m_closeSilently = true;
        window->close();
    }
    const int next = std::min(bound, total - windows);
    const bool replaced = settle([&] { return client.m_chatWindows.size() == next; }, 600000);
    std::printf("  %d windows closed at once, %d waiting senders' windows open in %.2f s: %s; "
                "longest hold: %.1f ms (%.1f ms processor time)\n",
                int(open.size()), next, timer.nsecsElapsed() / 1e9, replaced ? "yes" : "NO", app.longest,
                app.longestCpu);
    qDeleteAll(client.m_chatWindows.values());
    client.m_chatWindows.clear();
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    const bool displayGiven = !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || !qEnvironmentVariableIsEmpty("DISPLAY");
    QTemporaryDir home;
    zelBenchUseHome(home);
    ZELBenchHoldApplication app(argc, argv);
    Q_INIT_RESOURCE(images);

    if (argc > 1 && QByteArray(argv[1]) == "--senders") {
        const int total = argc > 2 ? qMax(1, QByteArray(argv[2]).toInt()) : 1000;
        int exitCode = 0;
        if (!displayGiven && sendersOnVirtualDesktop(total, &exitCode))
            return exitCode;
        return senders(app, total);
    }

    if (argc > 2 && QByteArray(argv[1]) == "--serve")
        return serve(QByteArray(argv[2]).toInt());
    if (argc > 1 && QByteArray(argv[1]) == "--split") {
        // Each in a process of its own, so that one's freed memory is not the other's.
        if (argc > 3) {
            std::printf("%.3f\n", transcriptPerMessage(QByteArray(argv[2]).toInt(), QByteArray(argv[3]) == "1"));
            return 0;
        }
        const QByteArray count = argc > 2 ? QByteArray(argv[2]) : QByteArray("10000");
        const auto run = [&count](const char *shown) {
            return zelBenchRunSelf({QStringLiteral("--split"), QString::fromLatin1(count), QString::fromLatin1(shown)},
                                   600000)
                .trimmed()
                .toDouble();
        };
        const double laidOut = run("1");
        const double stored = run("0");
        std::printf("transcript of %s messages, heap per message:\n", count.constData());
        std::printf("  shown: %.2f KB = %.2f KB text, fragments and paragraphs + %.2f KB layout\n", laidOut, stored,
                    laidOut - stored);
        return 0;
    }
    const int total = argc > 1 ? qMax(100, QByteArray(argv[1]).toInt()) : 10000;

    // First: a burst from a server in another process, so that only the
    // client's own memory is counted.
    {
        QProcess server;
        server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        server.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--serve"), QString::number(total)});
        while (!server.canReadLine()) {
            if (!server.waitForReadyRead(10000))
                return 1;
        }
        const quint16 port = quint16(server.readLine().trimmed().toUInt());
        ZELClient burstClient;
        setUp(burstClient);
        burstClient.m_tcpSocket->connectToHost(QStringLiteral("127.0.0.1"), port);
        ZELTestPeer::waitUntil([&]() { return burstClient.m_tcpSocket->state() == QAbstractSocket::ConnectedState; },
                               5000);
        const QString sender = QStringLiteral("mona");
        const long before = residentKiB();
        const double heapBefore = zelBenchHeapKiB();

        QElapsedTimer timer;
        timer.start();
        qint64 longestGapMs = 0;
        qint64 lastTick = 0;
        // A timer that should fire every 10 ms: the longest gap between two
        // firings is the longest time the window could not answer input.
        QTimer tick;
        tick.setInterval(10);
        QObject::connect(&tick, &QTimer::timeout, [&]() {
            const qint64 now = timer.elapsed();
            longestGapMs = qMax(longestGapMs, now - lastTick);
            if (qEnvironmentVariableIsSet("ZEL_BENCH_GAPS") && now - lastTick > 150)
                std::printf("  gap of %lld ms ending at %lld ms, %d shown\n", static_cast<long long>(now - lastTick),
                            static_cast<long long>(now), shownMessages(burstClient.m_chatWindows.value(sender)));
            lastTick = now;
        });
        tick.start();
        int handed = 0;
        QObject::connect(burstClient.m_tcpSocket, &ZELTcpSocket::sendDataToClient, [&](QByteArray &, QByteArray &) {
            if (qEnvironmentVariableIsSet("ZEL_BENCH_GAPS") && ++handed <= 3)
                std::printf("  hand-over %d at %lld ms\n", handed, static_cast<long long>(timer.elapsed()));
        });
        server.write("go\n");
        const bool done = ZELTestPeer::waitUntil([&]() {
            return shownMessages(burstClient.m_chatWindows.value(sender)) >= total;
        }, 600000);
        const double burstS = timer.nsecsElapsed() / 1e9;
        const long after = residentKiB();
        const double heapAfter = zelBenchHeapKiB();
        const auto deliveryCount = [&server]() {
            server.write("count\n");
            server.waitForReadyRead(30000);
            return server.readLine().trimmed().toInt();
        };
        const int deliveries = deliveryCount();
        std::printf("burst of %d messages from the server:\n", total);
        std::printf("  all shown: %s in %.2f s\n", done ? "yes" : "NO", burstS);
        std::printf("  longest time without answering input: %lld ms\n", static_cast<long long>(longestGapMs));
        std::printf("  delivery answers the server had when the last message showed: %d\n", deliveries);
        std::printf("  heap added, opening the chat window included: %.1f MB (%.2f KB per message)\n",
                    (heapAfter - heapBefore) / 1024.0, (heapAfter - heapBefore) / total);
        std::printf("  resident memory added: %.1f MB\n", (after - before) / 1024.0);

        // The same burst again into the open window: what the messages alone cost.
        const double heapAgain = zelBenchHeapKiB();
        timer.restart();
        server.write("go\n");
        const bool doneAgain = ZELTestPeer::waitUntil([&]() {
            return shownMessages(burstClient.m_chatWindows.value(sender)) >= 2 * total;
        }, 600000);
        const double againS = timer.nsecsElapsed() / 1e9;
        const double heapEnd = zelBenchHeapKiB();
        const double perMessage = (heapEnd - heapAgain) / total;
        std::printf("a second burst of %d into the open window:\n", total);
        std::printf("  all shown: %s in %.2f s; delivery answers: %d of %d\n", doneAgain ? "yes" : "NO", againS,
                    deliveryCount(), 2 * total);
        std::printf("  heap added: %.1f MB\n", (heapEnd - heapAgain) / 1024.0);
        std::printf("memory per message: %.2f KB (goal: under 2 KB); opening the chat window: %.1f MB\n",
                    perMessage, (heapAfter - heapBefore - perMessage * total) / 1024.0);
        server.closeWriteChannel();
        server.waitForFinished(5000);
    }

    // Then: one message at a time, each delivered and shown before the next.
    {
        ZELTestPeer peer;
        if (!peer.listen())
            return 1;
        ZELClient client;
        setUp(client);
        client.m_tcpSocket->connectToHost(peer.host(), peer.port());
        if (!peer.waitForConnection())
            return 1;
        QList<int> marks{100, 1000, 10000};
        marks.removeIf([total](int m) { return m > total; });
        std::printf("one more message, received alone:\n");
        QByteArray noFiles;
        QElapsedTimer timer;
        double windowMs = 0;
        int n = 0;
        {
            QByteArray block = chatFrom(QStringLiteral("ravi"), n++).toLatin1() + ":::";
            timer.start();
            client.messageFromServer(block, noFiles);
            std::printf("  the first, which opens the chat window: %.1f ms\n", timer.nsecsElapsed() / 1e6);
        }
        for (int mark : marks) {
            while (n < mark - 1) {
                QByteArray block = chatFrom(QStringLiteral("ravi"), n++).toLatin1() + ":::";
                client.messageFromServer(block, noFiles);
            }
            // The cost at the mark: the median of the next few messages.
            QList<double> costs;
            for (int i = 0; i < 9; ++i) {
                QByteArray block = chatFrom(QStringLiteral("ravi"), n++).toLatin1() + ":::";
                timer.start();
                client.messageFromServer(block, noFiles);
                costs << timer.nsecsElapsed() / 1e6;
            }
            std::sort(costs.begin(), costs.end());
            std::printf("  at %6d messages: %.3f ms\n", mark, costs.at(costs.size() / 2));
            if (windowMs == 0)
                windowMs = costs.at(costs.size() / 2);
        }
        // The transcript alone, without the dispatcher: rows and texts appended directly.
        if (qEnvironmentVariableIsSet("ZEL_BENCH_GAPS")) {
            ZELChatWindow *window = client.m_chatWindows.value(QStringLiteral("ravi"));
            window->totalMessage->clear();
            // The delivery answers written meanwhile leave first.
            ZELTestPeer::waitUntil([]() { return false; }, 500);
            const double heap = zelBenchHeapKiB();
            for (int i = 0; i < total; ++i) {
                window->totalMessage->append(ZELTranscript::continuationRow(QStringLiteral("10:00:00 am")));
                window->totalMessage->append(QStringLiteral("Message number %1 of the burst, with a few words to lay out.").arg(i));
                ZELTranscript::scrollToEnd(window->totalMessage);
            }
            // Updates the appends posted are handled first: they are not kept.
            ZELTestPeer::waitUntil([]() { return false; }, 500);
            std::printf("  transcript alone: %.2f KB per message\n", (zelBenchHeapKiB() - heap) / total);
        }
        qDeleteAll(client.m_chatWindows.values());
    }
    return 0;
}
