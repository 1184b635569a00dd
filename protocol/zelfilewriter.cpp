#include "protocol/zelfilewriter.h"

#include <QMetaObject>

ZELFileWriter::ZELFileWriter(QObject *parent)
    : QObject(parent)
{
    // One thread: writes end in the order they were asked for.
    m_pool.setMaxThreadCount(1);
    m_pool.setObjectName(QStringLiteral("ZELFileWriter"));
}

ZELFileWriter::~ZELFileWriter()
{
    cancelAll();
    m_pool.waitForDone();
}

void ZELFileWriter::write(const QString &path, const QByteArray &data, Done done)
{
    run([path, data](const std::atomic_bool &cancelled) {
        return ZELSafeWrite::replace(path, data, {}, &cancelled);
    },
        std::move(done));
}

void ZELFileWriter::run(Job job, Done done)
{
    auto pending = std::make_shared<Pending>();
    m_pending.append(pending);
    m_pool.start([this, pending, job = std::move(job), done = std::move(done)]() mutable {
        ZELSafeWrite::Result result;
        if (pending->cancelled.load())
            result = ZELSafeWrite::Result{false, QStringLiteral("Cancelled")};
        else
            result = job(pending->cancelled);
        // The bytes the job held go here, on this thread, not in the window's.
        job = nullptr;
        // Told on the owner's thread; a write cancelled meanwhile is not told.
        QMetaObject::invokeMethod(
            this,
            [this, pending, result, done = std::move(done)] {
                m_pending.removeOne(pending);
                if (!pending->cancelled.load() && done)
                    done(result);
            },
            Qt::QueuedConnection);
    });
}

void ZELFileWriter::cancelAll()
{
    for (const std::shared_ptr<Pending> &pending : std::as_const(m_pending))
        pending->cancelled.store(true);
}

bool ZELFileWriter::isBusy() const
{
    return !m_pending.isEmpty();
}

bool ZELFileWriter::waitForWrites(int milliseconds)
{
    return m_pool.waitForDone(milliseconds);
}
