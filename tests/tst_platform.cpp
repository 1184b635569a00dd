#include "zeltestmain.h"

#include "platform/zelfakechoosers.h"
#include "platform/zelfakedesktopservices.h"
#include "platform/zelfakeinputmonitor.h"
#include "platform/zelfakeinstancecheck.h"
#include "platform/zelfakescreengrabber.h"
#include "platform/zelfakesoundrecorder.h"
#include "platform/zelfakesystemfolders.h"
#include "platform/zelfakesystemtray.h"
#include "platform/zellockfileinstancecheck.h"
#include "platform/zelplatform.h"
#include "platform/zelqtinputmonitor.h"
#include "platform/zelx11keyboard.h"
#include "platform/zelwaveaudiorecorder.h"
#include "platform/zelwavefile.h"

#include <QAudioDevice>
#include <QLineEdit>
#include <QMediaDevices>
#include <QtEndian>

class TestPlatform : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_temp;

    static quint32 le32(const QByteArray &bytes, int at)
    {
        return qFromLittleEndian<quint32>(bytes.constData() + at);
    }
    static quint16 le16(const QByteArray &bytes, int at)
    {
        return qFromLittleEndian<quint16>(bytes.constData() + at);
    }

private slots:
    void dataFolderFollowsTheUsersDataHome()
    {
        QCOMPARE(ZELPlatform::dataFolder(), qEnvironmentVariable("XDG_DATA_HOME") + "/ZEL");
    }

    void secondInstanceIsDetected()
    {
        const QString lockName = m_temp.filePath("instance.lock");
        ZELLockFileInstanceCheck first(lockName);
        ZELLockFileInstanceCheck second(lockName);
        QVERIFY(!first.otherInstanceRunning());
        QVERIFY(!first.otherInstanceRunning()); // our own claim is no other instance
        QVERIFY(second.otherInstanceRunning());
        first.release();
        QVERIFY(!second.otherInstanceRunning());
        QVERIFY(first.otherInstanceRunning());
    }

    void deadOwnersLockIsTakenOver()
    {
        const QString lockName = m_temp.filePath("stale.lock");
        QFile stale(lockName);
        QVERIFY(stale.open(QIODevice::WriteOnly));
        // A process id far beyond any running process.
        stale.write("2147483646\nzembrio\n\n");
        stale.close();
        ZELLockFileInstanceCheck check(lockName);
        QVERIFY(!check.otherInstanceRunning());
    }

    void lockIsKeyedByDataFolder()
    {
        ZELFakeSystemFolders one(m_temp.filePath("one"));
        ZELPlatform::setSystemFolders(&one);
        const QString first = ZELLockFileInstanceCheck::defaultLockFileName();
        one.folder = m_temp.filePath("two");
        const QString second = ZELLockFileInstanceCheck::defaultLockFileName();
        ZELPlatform::setSystemFolders(nullptr);
        QVERIFY(first != second);
        QCOMPARE(ZELLockFileInstanceCheck::defaultLockFileName(),
                 ZELLockFileInstanceCheck::defaultLockFileName());
    }

    void inputSeenThroughTheApplication()
    {
        auto *monitor = dynamic_cast<ZELQtInputMonitor *>(ZELPlatform::inputMonitor());
        QVERIFY(monitor);
        QLineEdit edit;
        edit.show();
        QVERIFY(QTest::qWaitForWindowExposed(&edit));
        for (int code = 0; code < ZELInputMonitor::KeyCount; ++code)
            monitor->asyncKeyState(code);

        QTest::keyPress(&edit, Qt::Key_A);
        QCOMPARE(monitor->asyncKeyState(0x41), quint16(0x8001));
        QCOMPARE(monitor->asyncKeyState(0x41), quint16(0x8000));
        QTest::keyRelease(&edit, Qt::Key_A);
        QCOMPARE(monitor->asyncKeyState(0x41), quint16(0));

        QTest::keyClick(&edit, Qt::Key_Return);
        QCOMPARE(monitor->asyncKeyState(0x0D), quint16(0x0001));

        QTest::mousePress(&edit, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(monitor->asyncKeyState(0x01), quint16(0x8001));
        QTest::mouseRelease(&edit, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(monitor->cursorPosition(), edit.mapToGlobal(QPoint(5, 5)));
    }

    // Keys held down anywhere on the display (sampled from the X server) count
    // as activity under OtherKey: newly down presses it, all up releases it.
    void keysHeldAnywhereOnTheDisplay()
    {
        ZELQtInputMonitor monitor;
        const int other = ZELQtInputMonitor::OtherKey;
        std::array<quint8, 32> keys{};
        keys[4] = 0x40; // one key code down
        monitor.takeKeysDown(keys);
        QCOMPARE(monitor.asyncKeyState(other), quint16(0x8001));
        monitor.takeKeysDown(keys); // still held: not pressed again
        QCOMPARE(monitor.asyncKeyState(other), quint16(0x8000));
        keys[5] = 0x01; // a second key while the first is held
        monitor.takeKeysDown(keys);
        QCOMPARE(monitor.asyncKeyState(other), quint16(0x8001));
        monitor.takeKeysDown({});
        QCOMPARE(monitor.asyncKeyState(other), quint16(0));
        // Without an X server nothing is sampled and nothing changes.
        if (QGuiApplication::platformName() != "xcb")
            QVERIFY(!ZELX11Keyboard::keysDown());
    }

    // Caps Lock as the login page reads it: exactly 1 only when on and not held.
    void capsLockFromTheKeyboardLed_data()
    {
        QTest::addColumn<QStringList>("leds"); // "name=brightness"
        QTest::addColumn<bool>("held");
        QTest::addColumn<int>("state");
        QTest::newRow("no keyboard LED") << QStringList{"phy0-led=1"} << false << 0;
        QTest::newRow("off") << QStringList{"input3::capslock=0", "input3::numlock=1"} << false << 0;
        QTest::newRow("on") << QStringList{"input3::capslock=1"} << false << 1;
        QTest::newRow("on for a second keyboard") << QStringList{"input3::capslock=0", "input9::capslock=1"}
                                                   << false << 1;
        QTest::newRow("on and held down") << QStringList{"input3::capslock=1"} << true << int(qint16(0x8001));
        QTest::newRow("off and held down") << QStringList{"input3::capslock=0"} << true << int(qint16(0x8000));
    }

    void capsLockFromTheKeyboardLed()
    {
        QFETCH(QStringList, leds);
        QFETCH(bool, held);
        QFETCH(int, state);
        QTemporaryDir folder;
        for (const QString &led : leds) {
            QVERIFY(QDir(folder.path()).mkpath(led.section('=', 0, 0)));
            QFile brightness(folder.filePath(led.section('=', 0, 0) + "/brightness"));
            QVERIFY(brightness.open(QIODevice::WriteOnly));
            brightness.write(led.section('=', 1).toLatin1() + "\n");
        }
        ZELQtInputMonitor monitor;
        monitor.setLedFolder(folder.path());
        monitor.attach();
        QLineEdit edit;
        if (held)
            QTest::keyPress(&edit, Qt::Key_CapsLock);
        QCOMPARE(int(monitor.keyState(ZELInputMonitor::CapsLockKey)), state);
        QCOMPARE(int(monitor.keyState(0x41)), 0);
    }

    void installedLayersReplaceTheMachinesOwn()
    {
        ZELFakeInstanceCheck instance;
        ZELFakeSystemFolders folders("/nowhere");
        ZELFakeInputMonitor input;
        ZELFakeSoundRecorder recorder;
        ZELFakeDesktopServices desktop;
        ZELFakeScreenGrabber grabber;
        ZELFakeChoosers choosers;
        ZELFakeSystemTray tray;
        ZELPlatform::setInstanceCheck(&instance);
        ZELPlatform::setSystemFolders(&folders);
        ZELPlatform::setInputMonitor(&input);
        ZELPlatform::setSoundRecorder(&recorder);
        ZELPlatform::setDesktopServices(&desktop);
        ZELPlatform::setScreenGrabber(&grabber);
        ZELPlatform::setChoosers(&choosers);
        ZELPlatform::setSystemTray(&tray);
        QCOMPARE(ZELPlatform::instanceCheck(), &instance);
        QCOMPARE(ZELPlatform::dataFolder(), QString("/nowhere/ZEL"));
        QCOMPARE(ZELPlatform::inputMonitor(), &input);
        QCOMPARE(ZELPlatform::soundRecorder(), &recorder);
        QCOMPARE(ZELPlatform::desktopServices(), &desktop);
        QCOMPARE(ZELPlatform::screenGrabber(), &grabber);
        QCOMPARE(ZELPlatform::choosers(), &choosers);
        QCOMPARE(ZELPlatform::systemTray(), &tray);

        ZELPlatform::setInstanceCheck(nullptr);
        ZELPlatform::setSystemFolders(nullptr);
        ZELPlatform::setInputMonitor(nullptr);
        ZELPlatform::setSoundRecorder(nullptr);
        ZELPlatform::setDesktopServices(nullptr);
        ZELPlatform::setScreenGrabber(nullptr);
        ZELPlatform::setChoosers(nullptr);
        ZELPlatform::setSystemTray(nullptr);
        QVERIFY(ZELPlatform::instanceCheck() != &instance);
        QVERIFY(ZELPlatform::inputMonitor() != &input);
        QVERIFY(ZELPlatform::soundRecorder() != &recorder);
        QVERIFY(ZELPlatform::desktopServices() != &desktop);
        QVERIFY(ZELPlatform::screenGrabber() != &grabber);
        QVERIFY(ZELPlatform::choosers() != &choosers);
        QVERIFY(ZELPlatform::systemTray() != &tray);
        QVERIFY(ZELPlatform::dataFolder() != QString("/nowhere/ZEL"));
    }

    void waveFile_data()
    {
        QTest::addColumn<int>("sampleFormat");
        QTest::addColumn<int>("rate");
        QTest::addColumn<int>("channels");
        QTest::addColumn<int>("formatTag");
        QTest::addColumn<int>("bits");
        QTest::newRow("16-bit stereo") << int(QAudioFormat::Int16) << 44100 << 2 << 1 << 16;
        QTest::newRow("8-bit mono") << int(QAudioFormat::UInt8) << 8000 << 1 << 1 << 8;
        QTest::newRow("float mono") << int(QAudioFormat::Float) << 48000 << 1 << 3 << 32;
    }

    void waveFile()
    {
        QFETCH(int, sampleFormat);
        QFETCH(int, rate);
        QFETCH(int, channels);
        QFETCH(int, formatTag);
        QFETCH(int, bits);
        QAudioFormat format;
        format.setSampleFormat(QAudioFormat::SampleFormat(sampleFormat));
        format.setSampleRate(rate);
        format.setChannelCount(channels);
        const QByteArray samples(1000 * format.bytesPerFrame(), '\x11');
        const QString name = m_temp.filePath("take.wav");
        QVERIFY(ZELWaveFile::write(name, format, samples));

        QFile file(name);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QCOMPARE(bytes.size(), 44 + samples.size());
        QCOMPARE(bytes.left(4), QByteArray("RIFF"));
        QCOMPARE(le32(bytes, 4), quint32(bytes.size() - 8));
        QCOMPARE(bytes.mid(8, 8), QByteArray("WAVEfmt "));
        QCOMPARE(le32(bytes, 16), quint32(16));
        QCOMPARE(int(le16(bytes, 20)), formatTag);
        QCOMPARE(int(le16(bytes, 22)), channels);
        QCOMPARE(int(le32(bytes, 24)), rate);
        QCOMPARE(int(le32(bytes, 28)), rate * channels * bits / 8);
        QCOMPARE(int(le16(bytes, 32)), channels * bits / 8);
        QCOMPARE(int(le16(bytes, 34)), bits);
        QCOMPARE(bytes.mid(36, 4), QByteArray("data"));
        QCOMPARE(int(le32(bytes, 40)), samples.size());
        QCOMPARE(bytes.mid(44), samples);
    }

    void recorderWithoutDeviceFailsCleanly()
    {
        if (!QMediaDevices::audioInputs().isEmpty())
            QSKIP("This machine has a sound input");
        ZELWaveAudioRecorder recorder;
        QVERIFY(!recorder.open());
        QCOMPARE(recorder.errorString(), QString("No sound input device"));
        QVERIFY(!recorder.record());
        QVERIFY(!recorder.errorString().isEmpty());
        recorder.stop();
        const QString name = m_temp.filePath("tempfile.wav");
        QVERIFY(!recorder.save(name));
        QVERIFY(!QFile::exists(name));
        recorder.close();
    }
};

ZEL_TEST_MAIN(TestPlatform)
#include "tst_platform.moc"
