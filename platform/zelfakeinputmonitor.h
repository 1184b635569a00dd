#ifndef ZELFAKEINPUTMONITOR_H
#define ZELFAKEINPUTMONITOR_H

#include "platform/zelinputmonitor.h"

#include <QMutex>

#include <array>

// For tests: key states and cursor set by the test, read as the real layer is
// read (a read clears the key's pressed-since bit). Thread-safe.
class ZELFakeInputMonitor : public ZELInputMonitor
{
public:
    ZELFakeInputMonitor();

    quint16 asyncKeyState(int virtualKey) override;
    QPoint cursorPosition() const override;
    qint16 keyState(int virtualKey) const override;

    // A press that stays down: the next read gives 0x8001, later reads 0x8000.
    void pressKey(int virtualKey);
    void releaseKey(int virtualKey);
    // Any raw state, as the next read returns it.
    void setAsyncKeyState(int virtualKey, quint16 state);
    void setCursorPosition(const QPoint &position);
    void setKeyState(int virtualKey, qint16 state);
    // Complete passes over all 256 keys, counted at each read of key 255.
    int keyPolls() const;

private:
    mutable QMutex m_lock;
    std::array<quint16, KeyCount> m_async{};
    std::array<qint16, KeyCount> m_toggle{};
    QPoint m_cursor;
    int m_keyPolls = 0;
};

#endif
