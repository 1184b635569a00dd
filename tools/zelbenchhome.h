#ifndef ZELBENCHHOME_H
#define ZELBENCHHOME_H

#include <QByteArray>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <QTemporaryDir>

#include <malloc.h>

#include <functional>

// Benchmarks never touch a real home: the client writes its data folder at
// construction. Points home, data and configuration at the temporary folder
// and, without a display asked for, runs offscreen.
inline void zelBenchUseHome(const QTemporaryDir &home)
{
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.path() + "/data"));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path() + "/config"));
    qputenv("HOME", QFile::encodeName(home.path()));
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

// Heap in use, in KiB: small blocks and those mapped on their own.
inline double zelBenchHeapKiB()
{
    const struct mallinfo2 info = mallinfo2();
    return double(info.uordblks + info.hblkhd) / 1024.0;
}

// Runs the event loop until `condition` holds; false after `timeoutMs`.
inline bool zelBenchWaitUntil(const std::function<bool()> &condition, int timeoutMs)
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

// Runs this bench again in a process of its own, so that what one measurement
// frees or keeps is not counted in another; returns what it printed. Its exit
// code goes to *exitCode (-1 when it did not end normally).
inline QByteArray zelBenchRunSelf(const QStringList &arguments, int timeoutMs, int *exitCode = nullptr,
                                  const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment())
{
    QProcess child;
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), arguments);
    const bool ended = child.waitForFinished(timeoutMs) && child.exitStatus() == QProcess::NormalExit;
    if (exitCode)
        *exitCode = ended ? child.exitCode() : -1;
    return child.readAllStandardOutput();
}

#endif
