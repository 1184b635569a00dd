#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QThreadPool>
#include <QTimer>

#include <functional>
#include <memory>

// A long list worked through a slice at a time: the steps run in order for at
// most SliceMilliseconds each, the event loop running between slices, and the
// closing step runs once after the last one. The window keeps answering while
// a list of any length fills it.
class ZELSlicedWork : public QObject
{
    Q_OBJECT

public:
    static constexpr int SliceMilliseconds = 25;
    // A list this short is done at once, whatever its first steps cost (the
    // first may build the window it fills): only a long list comes in slices.
    static constexpr qsizetype StepsBeforeSlicing = 32;
    using Step = std::function<void(qsizetype)>;
    using Finish = std::function<void()>;

    ZELSlicedWork(qsizetype count, Step step, Finish finish, QObject *parent = nullptr);

    // Runs one slice now; true when the work is done, its closing step included.
    bool runSlice();
    // Runs every step left and the closing step, at once.
    void runToEnd();
    // The slices that follow run from the event loop; `done` tells the end.
    void continueLater();
    bool isDone() const { return m_done; }

    // Frees what a long list held on a thread of the pool: tens of thousands of
    // small values take the window tens of milliseconds to free. Only for values
    // nothing else changes (implicitly shared ones count their references safely).
    template <typename T>
    static void releaseAside(std::shared_ptr<T> held)
    {
        if (held.use_count() == 1)
            QThreadPool::globalInstance()->start([held = std::move(held)]() mutable { held.reset(); });
    }

signals:
    void done();

private:
    void nextSlice();

    qsizetype m_next = 0;
    qsizetype m_count = 0;
    Step m_step;
    Finish m_finish;
    bool m_done = false;
    QTimer m_timer;
};
