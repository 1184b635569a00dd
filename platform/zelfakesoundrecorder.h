#ifndef ZELFAKESOUNDRECORDER_H
#define ZELFAKESOUNDRECORDER_H

#include "platform/zelsoundrecorder.h"

#include <QStringList>

// For tests: a recorder that fails where told and otherwise saves one second of
// silence (8000 Hz, mono, 16-bit). calls lists "open", "record", "stop",
// "save <file>" and "close" in order.
class ZELFakeSoundRecorder : public ZELSoundRecorder
{
public:
    bool open() override;
    bool record() override;
    void stop() override;
    bool save(const QString &wavFileName) override;
    void close() override;
    QString errorString() const override;

    bool failOpen = false;
    bool failRecord = false;
    bool failSave = false;
    QStringList calls;
    bool isOpen = false;

private:
    QString m_error;
};

#endif
