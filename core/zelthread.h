#ifndef ZELTHREAD_H
#define ZELTHREAD_H

#include <QDateTime>
#include <QMutex>
#include <QString>
#include <QThread>
#include <QWaitCondition>

#include <atomic>

// The client's background thread. Once a tick it either asks the GUI thread to
// reconnect, or samples cursor and keys for the idle rule and reports a due
// reminder. It touches no widget and no socket; all it does is emit.
class ZELThread : public QThread
{
    Q_OBJECT

public:
    static constexpr int DefaultTickInterval = 1000; // ms

    // What setNextReminder() handed over last.
    struct Reminder
    {
        QString subject;
        QString id;
        QDateTime due;
    };

    explicit ZELThread(QObject *parent = nullptr);
    ~ZELThread() override;

    // GUI thread only. Replaces the reminder unit; dueText is Qt::TextDate local time.
    void setNextReminder(const QString &subject, const QString &dueText, const QString &id);
    Reminder nextReminder() const;

    // GUI thread only: ends run() cooperatively and waits for it. A pass under way
    // completes first. Does nothing when the thread is not running.
    void stop();

    void setTickInterval(int milliseconds);
    int tickInterval() const;

    // Written by the GUI thread, read by the worker once a pass (reconnect first).
    std::atomic<bool> reconnectMode{false};
    std::atomic<bool> activityMonitor{false};

signals:
    void reminderPopup(QString subject, QString id, QString due);
    void sendMousePositionToClient(int x, int y, bool keyPressed);
    void setConnectionState();

protected:
    void run() override;

private:
    void pollKeyboard();

    mutable QMutex m_reminderLock; // guards the three fields below as one unit
    QString nextReminderId;
    QString nextReminderSubject;
    QDateTime nextReminderDue;

    bool keyPressed = false; // worker thread only

    std::atomic<int> m_tickInterval{DefaultTickInterval};
    std::atomic<bool> m_stopRequested{false};
    QMutex m_waitLock;
    QWaitCondition m_wake;
};

#endif
