#ifndef ZELBENCHHOLD_H
#define ZELBENCHHOLD_H

#include "peer/zeltestpeer.h"
#include "protocol/zeltcpsocket.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <ctime>

// Records the longest single event the GUI thread handles: the time the event
// loop is held, and the longest processor time the thread spent in one event
// (on a busy machine the first also counts the time other processes had).
class ZELBenchHoldApplication : public QApplication
{
public:
    using QApplication::QApplication;

    double longest = 0;
    // The receiver's class and the event type of the longest event.
    QByteArray longestEvent;
    // The processor time the thread spent in the longest event: on a busy
    // machine a hold also counts the time other processes had.
    double longestCpu = 0;

    bool notify(QObject *receiver, QEvent *event) override
    {
        if (m_depth > 0 || QThread::currentThread() != thread())
            return QApplication::notify(receiver, event);
        ++m_depth;
        QElapsedTimer timer;
        timer.start();
        const int type = event->type(); // the event may be gone once handled
        const char *className = receiver->metaObject()->className();
        const double cpuStart = threadCpuMs();
        const bool result = QApplication::notify(receiver, event);
        const double ms = timer.nsecsElapsed() / 1e6;
        if (ms > longest) {
            longest = ms;
            longestCpu = threadCpuMs() - cpuStart;
            longestEvent = QByteArray(className) + ':' + QByteArray::number(type);
        }
        --m_depth;
        return result;
    }

    void resetLongest()
    {
        longest = 0;
        longestCpu = 0;
        longestEvent.clear();
    }

    static double threadCpuMs()
    {
        timespec now{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
        return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
    }

private:
    int m_depth = 0;
};

// The server's side of the client's own connection, on a thread of its own:
// what it does with the client's answers is no part of the client's time.
class ZELBenchPeerThread
{
public:
    ZELBenchPeerThread()
    {
        peer.moveToThread(&m_thread);
        m_thread.start();
    }
    ~ZELBenchPeerThread()
    {
        run([this] {
            peer.dropConnection();
            peer.moveToThread(qApp->thread());
        });
        m_thread.quit();
        m_thread.wait();
    }

    // Runs the work on the peer's thread and waits for it.
    template <typename Work>
    void run(Work work)
    {
        QMetaObject::invokeMethod(&peer, work, Qt::BlockingQueuedConnection);
    }

    // Listens and connects the client's socket to it; false, with a line
    // saying why, when either fails.
    bool connect(ZELTcpSocket *socket)
    {
        bool listening = false;
        run([&] { listening = peer.listen(); });
        if (!listening) {
            std::printf("cannot listen on 127.0.0.1\n");
            return false;
        }
        socket->connectToHost(peer.host(), peer.port());
        bool connected = socket->waitForConnected(5000);
        run([&] { connected = connected && peer.waitForConnection(); });
        if (!connected)
            std::printf("the client did not connect to the local peer\n");
        return connected;
    }

    ZELTestPeer peer;

private:
    QThread m_thread;
};

#endif
