#include "core/zelthread.h"

#include "platform/zelinputmonitor.h"
#include "platform/zelplatform.h"

#include <QMutexLocker>

#include <array>

ZELThread::ZELThread(QObject *parent)
    : QThread(parent)
    , nextReminderDue(QDateTime::currentDateTime().addYears(3))
{
    // Make sure the input layer exists on the GUI thread before run() reads it.
    ZELPlatform::inputMonitor();
}

ZELThread::~ZELThread()
{
    // The owner stops the thread first; this only guards against destroying a
    // running thread, which would abort the process.
    stop();
    QMutexLocker locker(&m_reminderLock);
    nextReminderId.clear();
    nextReminderSubject.clear();
}

void ZELThread::setNextReminder(const QString &subject, const QString &dueText, const QString &id)
{
    const QDateTime due = QDateTime::fromString(dueText, Qt::TextDate);
    QMutexLocker locker(&m_reminderLock);
    nextReminderSubject = subject;
    nextReminderDue = due;
    nextReminderId = id;
}

ZELThread::Reminder ZELThread::nextReminder() const
{
    QMutexLocker locker(&m_reminderLock);
    return Reminder{nextReminderSubject, nextReminderId, nextReminderDue};
}

void ZELThread::stop()
{
    if (!isRunning())
        return;
    {
        QMutexLocker locker(&m_waitLock);
        m_stopRequested = true;
        m_wake.wakeAll();
    }
    wait();
    m_stopRequested = false;
}

void ZELThread::setTickInterval(int milliseconds)
{
    m_tickInterval = qMax(1, milliseconds);
}

int ZELThread::tickInterval() const
{
    return m_tickInterval;
}

void ZELThread::run()
{
    for (;;) {
        if (m_stopRequested)
            return;

        if (reconnectMode) {
            emit setConnectionState();
        } else if (activityMonitor) {
            const QPoint cursor = ZELPlatform::inputMonitor()->cursorPosition();
            pollKeyboard();
            emit sendMousePositionToClient(cursor.x(), cursor.y(), keyPressed);

            const Reminder reminder = nextReminder();
            // A due time that could not be read never falls due (an invalid
            // QDateTime would compare as earlier than now).
            if (reminder.due.isValid() && reminder.due <= QDateTime::currentDateTime())
                emit reminderPopup(reminder.subject, reminder.id,
                                   reminder.due.toString(Qt::TextDate));
            keyPressed = false;
        }

        QMutexLocker locker(&m_waitLock);
        if (!m_stopRequested)
            m_wake.wait(&m_waitLock, QDeadlineTimer(m_tickInterval.load()));
    }
}

void ZELThread::pollKeyboard()
{
    ZELInputMonitor *input = ZELPlatform::inputMonitor();
    std::array<quint16, ZELInputMonitor::KeyCount> states;
    for (int code = 0; code < ZELInputMonitor::KeyCount; ++code)
        states[code] = input->asyncKeyState(code);
    // Only a key down now and newly pressed since the last read counts.
    for (quint16 state : states) {
        if (state == (ZELInputMonitor::KeyDown | ZELInputMonitor::PressedSinceLastRead)) {
            keyPressed = true;
            break;
        }
    }
}
