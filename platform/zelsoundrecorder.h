#ifndef ZELSOUNDRECORDER_H
#define ZELSOUNDRECORDER_H

#include <QString>

// A new, empty recording on the default sound input: open, record without
// waiting, stop, save to a WAV file (waits until written), close.
class ZELSoundRecorder
{
public:
    virtual ~ZELSoundRecorder() = default;

    virtual bool open() = 0;
    virtual bool record() = 0;
    virtual void stop() = 0;
    virtual bool save(const QString &wavFileName) = 0;
    virtual void close() = 0;
    // Why the last open, record or save failed; empty after a success.
    virtual QString errorString() const = 0;
};

#endif
