#include "zeltestmain.h"

#include "core/zelthread.h"
#include "platform/zelfakeinputmonitor.h"
#include "platform/zelplatform.h"

#include <QElapsedTimer>

namespace {

struct MouseReport
{
    int x;
    int y;
    bool keyPressed;
};

struct ReminderReport
{
    QString subject;
    QString id;
    QString due;
};

// Collects the thread's signals on the GUI thread, where they arrive queued.
struct Receiver
{
    explicit Receiver(ZELThread &thread)
    {
        QObject::connect(&thread, &ZELThread::setConnectionState, &context, [this] {
            onGuiThread &= QThread::currentThread() == context.thread();
            ++reconnects;
        });
        QObject::connect(&thread, &ZELThread::sendMousePositionToClient, &context,
                         [this](int x, int y, bool key) {
                             onGuiThread &= QThread::currentThread() == context.thread();
                             mouse << MouseReport{x, y, key};
                         });
        QObject::connect(&thread, &ZELThread::reminderPopup, &context,
                         [this](const QString &subject, const QString &id, const QString &due) {
                             reminders << ReminderReport{subject, id, due};
                         });
    }
    QObject context;
    int reconnects = 0;
    QList<MouseReport> mouse;
    QList<ReminderReport> reminders;
    bool onGuiThread = true;
};

QString textDate(const QDateTime &when)
{
    return when.toString(Qt::TextDate);
}

} // namespace

class TestThread : public QObject
{
    Q_OBJECT

private:
    ZELFakeInputMonitor *m_input = nullptr;

private slots:
    void init()
    {
        m_input = new ZELFakeInputMonitor;
        ZELPlatform::setInputMonitor(m_input);
    }

    void cleanup()
    {
        ZELPlatform::setInputMonitor(nullptr);
        delete m_input;
        m_input = nullptr;
    }

    void modes_data()
    {
        QTest::addColumn<bool>("reconnect");
        QTest::addColumn<bool>("activity");
        QTest::addColumn<bool>("reminderDue");
        QTest::addColumn<bool>("expectReconnects");
        QTest::addColumn<bool>("expectMouse");
        QTest::addColumn<bool>("expectReminder");
        QTest::newRow("both off") << false << false << true << false << false << false;
        QTest::newRow("reconnect") << true << false << false << true << false << false;
        QTest::newRow("reconnect wins") << true << true << true << true << false << false;
        QTest::newRow("activity, nothing handed over") << false << true << false << false << true << false;
        QTest::newRow("activity, reminder due") << false << true << true << false << true << true;
    }

    void modes()
    {
        QFETCH(bool, reconnect);
        QFETCH(bool, activity);
        QFETCH(bool, reminderDue);
        QFETCH(bool, expectReconnects);
        QFETCH(bool, expectMouse);
        QFETCH(bool, expectReminder);

        ZELThread thread;
        thread.setTickInterval(5);
        Receiver receiver(thread);
        if (reminderDue)
            thread.setNextReminder("Call Bob", textDate(QDateTime::currentDateTime().addSecs(-60)), "id-1");
        thread.reconnectMode = reconnect;
        thread.activityMonitor = activity;
        thread.start();

        if (expectReconnects)
            QTRY_VERIFY(receiver.reconnects >= 3);
        if (expectMouse)
            QTRY_VERIFY(receiver.mouse.size() >= 3);
        if (expectReminder)
            QTRY_VERIFY(receiver.reminders.size() >= 3);
        if (!expectReconnects && !expectMouse)
            QTest::qWait(60); // a dozen passes
        thread.stop();
        QCoreApplication::processEvents();

        QCOMPARE(receiver.reconnects > 0, expectReconnects);
        QCOMPARE(!receiver.mouse.isEmpty(), expectMouse);
        QCOMPARE(!receiver.reminders.isEmpty(), expectReminder);
        // Without activity monitoring the keyboard is not read at all.
        QCOMPARE(m_input->keyPolls() > 0, expectMouse);
        QVERIFY(receiver.onGuiThread);
    }

    void keyPressOnlyWhenNewlyDown_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<bool>("seen");
        QTest::newRow("pressed since last read, held") << 0x8001 << true;
        QTest::newRow("held, no new press") << 0x8000 << false;
        QTest::newRow("tapped between reads") << 0x0001 << false;
        QTest::newRow("untouched") << 0x0000 << false;
    }

    void keyPressOnlyWhenNewlyDown()
    {
        QFETCH(int, state);
        QFETCH(bool, seen);
        m_input->setCursorPosition(QPoint(321, 45));
        m_input->setAsyncKeyState(0x41, quint16(state));
        m_input->setAsyncKeyState(0xFF, 0x8000);

        ZELThread thread;
        thread.setTickInterval(5);
        Receiver receiver(thread);
        thread.activityMonitor = true;
        thread.start();
        QTRY_VERIFY(receiver.mouse.size() >= 2);
        thread.stop();

        QCOMPARE(receiver.mouse.at(0).x, 321);
        QCOMPARE(receiver.mouse.at(0).y, 45);
        QCOMPARE(receiver.mouse.at(0).keyPressed, seen);
        // The flag is cleared after each pass; a held key is not a new press.
        QCOMPARE(receiver.mouse.at(1).keyPressed, false);
    }

    void reminderHandOver()
    {
        ZELThread thread;
        thread.setTickInterval(5);
        Receiver receiver(thread);
        thread.activityMonitor = true;
        thread.start();

        // Due exactly now counts as reached, and repeats each pass.
        const QString now = textDate(QDateTime::currentDateTime());
        thread.setNextReminder("Stand-up", now, "12/Jan/2026 09:00:00:000");
        QTRY_VERIFY(receiver.reminders.size() >= 3);
        for (const ReminderReport &r : receiver.reminders) {
            QCOMPARE(r.subject, QString("Stand-up"));
            QCOMPARE(r.id, QString("12/Jan/2026 09:00:00:000"));
            QCOMPARE(r.due, now);
        }

        // "Nothing awaits": the subject EMPTY with a due time a year ahead.
        thread.setNextReminder("EMPTY", textDate(QDateTime::currentDateTime().addMonths(12)), QString());
        const int mouseMark = receiver.mouse.size();
        QTRY_VERIFY(receiver.mouse.size() >= mouseMark + 5);
        const int reminderMark = receiver.reminders.size();
        QTRY_VERIFY(receiver.mouse.size() >= mouseMark + 10);
        QCOMPARE(receiver.reminders.size(), reminderMark);

        // A due text that cannot be read never falls due.
        thread.setNextReminder("Broken", "not a date", "id-x");
        QVERIFY(!thread.nextReminder().due.isValid());
        const int mark = receiver.mouse.size();
        QTRY_VERIFY(receiver.mouse.size() >= mark + 5);
        QCOMPARE(receiver.reminders.size(), reminderMark);
        thread.stop();
    }

    void stopEndsTheWaitAndRestarts()
    {
        ZELThread thread;
        thread.setTickInterval(600000);
        Receiver receiver(thread);
        thread.reconnectMode = true;
        thread.start();
        QTRY_COMPARE(receiver.reconnects, 1);

        QElapsedTimer clock;
        clock.start();
        thread.stop();
        QVERIFY(!thread.isRunning());
        QVERIFY(clock.elapsed() < 60000); // far below the ten-minute tick

        thread.start();
        QTRY_COMPARE(receiver.reconnects, 2);
        thread.stop();
        QVERIFY(!thread.isRunning());
    }
};

ZEL_TEST_MAIN(TestThread)
#include "tst_thread.moc"
