#ifndef ZELTESTMAIN_H
#define ZELTESTMAIN_H

#include <QApplication>
#include <QByteArray>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>

// Every test runs with its own home, data and configuration folders, so the
// client's preferences, transcripts and native settings never touch a real home.
inline void zelIsolateTestEnvironment(QTemporaryDir &root)
{
    const QString base = root.path();
    QDir().mkpath(base + "/data");
    QDir().mkpath(base + "/config");
    QDir().mkpath(base + "/home");
    qputenv("XDG_DATA_HOME", QFile::encodeName(base + "/data"));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(base + "/config"));
    qputenv("HOME", QFile::encodeName(base + "/home"));
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

// Runs the application's own event loop (the one main() runs), starts `action`
// inside it, and tells whether the loop ended within `ms`. A loop still running
// then is ended here. The client's Exit must end this loop, whatever its windows
// say to closing.
inline bool zelEventLoopEndsWith(const std::function<void()> &action, int ms = 500)
{
    bool ended = true;
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, [&ended] {
        ended = false;
        QCoreApplication::exit(1);
    });
    QTimer start;
    start.setSingleShot(true);
    QObject::connect(&start, &QTimer::timeout, action);
    start.start(0);
    limit.start(ms);
    QCoreApplication::exec();
    return ended;
}

#define ZEL_TEST_MAIN(TestObject) \
    int main(int argc, char *argv[]) \
    { \
        QTemporaryDir zelTestRoot; \
        zelIsolateTestEnvironment(zelTestRoot); \
        QApplication app(argc, argv); \
        Q_INIT_RESOURCE(images); \
        app.setAttribute(Qt::AA_Use96Dpi, true); \
        TestObject tc; \
        QTEST_SET_MAIN_SOURCE_PATH \
        return QTest::qExec(&tc, argc, argv); \
    }

#endif
