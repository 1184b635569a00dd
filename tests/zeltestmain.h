#ifndef ZELTESTMAIN_H
#define ZELTESTMAIN_H

#include <QApplication>
#include <QByteArray>
#include <QTemporaryDir>
#include <QtTest>

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
