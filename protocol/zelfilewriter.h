#ifndef ZELFILEWRITER_H
#define ZELFILEWRITER_H

#include "protocol/zelsafewrite.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QThreadPool>

#include <atomic>
#include <functional>
#include <memory>

// Writes received files on a thread of its own, one after another in the
// order asked, so that storing a large file never holds the window. Every
// write goes through ZELSafeWrite, and its end is reported on the thread that
// asked, in the order of the writes.
//
//     m_fileWriter->write(path, block, [this](const ZELSafeWrite::Result &r) { ... });
//
// Cancelled writes give up at the next chunk and leave their target as it
// was; their end is never reported. Destroying the writer cancels what is
// under way and waits for it, so nothing it writes outlives it half done.
class ZELFileWriter : public QObject
{
    Q_OBJECT

public:
    using Done = std::function<void(const ZELSafeWrite::Result &result)>;
    // The work of one write; it gives up when the flag is set.
    using Job = std::function<ZELSafeWrite::Result(const std::atomic_bool &cancelled)>;

    explicit ZELFileWriter(QObject *parent = nullptr);
    ~ZELFileWriter() override;

    // Makes path hold data (ZELSafeWrite::replace). data is shared, not
    // copied: the caller may let its own copy go at once.
    void write(const QString &path, const QByteArray &data, Done done);
    // Any other work on a file, run the same way.
    void run(Job job, Done done);

    // Every write under way or waiting gives up; none of them reports.
    void cancelAll();
    // A write is under way or waiting, or its end is still to be reported.
    bool isBusy() const;
    // Waits until every write has ended (not for the reports). Tests and exit.
    bool waitForWrites(int milliseconds = -1);

private:
    struct Pending
    {
        std::atomic_bool cancelled{false};
    };

    QThreadPool m_pool;
    QList<std::shared_ptr<Pending>> m_pending; // in the order asked
};

#endif
