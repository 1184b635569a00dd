#include "platform/zelfakeinputmonitor.h"

#include <QMutexLocker>

namespace {
bool validKey(int virtualKey)
{
    return virtualKey >= 0 && virtualKey < ZELInputMonitor::KeyCount;
}
} // namespace

ZELFakeInputMonitor::ZELFakeInputMonitor() = default;

quint16 ZELFakeInputMonitor::asyncKeyState(int virtualKey)
{
    if (!validKey(virtualKey))
        return 0;
    QMutexLocker locker(&m_lock);
    if (virtualKey == KeyCount - 1)
        ++m_keyPolls;
    const quint16 state = m_async[virtualKey];
    m_async[virtualKey] = quint16(state & ~PressedSinceLastRead);
    return state;
}

QPoint ZELFakeInputMonitor::cursorPosition() const
{
    QMutexLocker locker(&m_lock);
    return m_cursor;
}

qint16 ZELFakeInputMonitor::keyState(int virtualKey) const
{
    if (!validKey(virtualKey))
        return 0;
    QMutexLocker locker(&m_lock);
    return m_toggle[virtualKey];
}

void ZELFakeInputMonitor::pressKey(int virtualKey)
{
    setAsyncKeyState(virtualKey, KeyDown | PressedSinceLastRead);
}

void ZELFakeInputMonitor::releaseKey(int virtualKey)
{
    if (!validKey(virtualKey))
        return;
    QMutexLocker locker(&m_lock);
    m_async[virtualKey] = quint16(m_async[virtualKey] & ~KeyDown);
}

void ZELFakeInputMonitor::setAsyncKeyState(int virtualKey, quint16 state)
{
    if (!validKey(virtualKey))
        return;
    QMutexLocker locker(&m_lock);
    m_async[virtualKey] = state;
}

void ZELFakeInputMonitor::setCursorPosition(const QPoint &position)
{
    QMutexLocker locker(&m_lock);
    m_cursor = position;
}

void ZELFakeInputMonitor::setKeyState(int virtualKey, qint16 state)
{
    if (!validKey(virtualKey))
        return;
    QMutexLocker locker(&m_lock);
    m_toggle[virtualKey] = state;
}

int ZELFakeInputMonitor::keyPolls() const
{
    QMutexLocker locker(&m_lock);
    return m_keyPolls;
}
