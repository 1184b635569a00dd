#include "core/zelslicedwork.h"

#include <utility>

ZELSlicedWork::ZELSlicedWork(qsizetype count, Step step, Finish finish, QObject *parent)
    : QObject(parent)
    , m_count(count)
    , m_step(std::move(step))
    , m_finish(std::move(finish))
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(0);
    connect(&m_timer, &QTimer::timeout, this, &ZELSlicedWork::nextSlice);
}

bool ZELSlicedWork::runSlice()
{
    if (m_done)
        return true;
    QElapsedTimer slice;
    slice.start();
    while (m_next < m_count) {
        m_step(m_next++);
        if (m_next < m_count && m_next >= StepsBeforeSlicing && slice.elapsed() >= SliceMilliseconds)
            return false;
    }
    m_done = true;
    m_timer.stop();
    // The steps and what they hold go before the closing step runs: it may
    // start the next piece of work.
    m_step = nullptr;
    const Finish finish = std::exchange(m_finish, nullptr);
    if (finish)
        finish();
    return true;
}

void ZELSlicedWork::runToEnd()
{
    if (m_done)
        return;
    m_timer.stop();
    while (m_next < m_count)
        m_step(m_next++);
    runSlice();
}

void ZELSlicedWork::continueLater()
{
    if (!m_done)
        m_timer.start();
}

void ZELSlicedWork::nextSlice()
{
    if (runSlice())
        emit done();
    else
        m_timer.start();
}
