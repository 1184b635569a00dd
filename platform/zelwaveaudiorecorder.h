#ifndef ZELWAVEAUDIORECORDER_H
#define ZELWAVEAUDIORECORDER_H

#include "platform/zelsoundrecorder.h"

#include <QAudioFormat>
#include <QBuffer>
#include <QObject>

class QAudioSource;

// Records from the default sound input into memory and saves it as a WAV file
// in the device's preferred sample format.
class ZELWaveAudioRecorder : public QObject, public ZELSoundRecorder
{
    Q_OBJECT

public:
    explicit ZELWaveAudioRecorder(QObject *parent = nullptr);
    ~ZELWaveAudioRecorder() override;

    // Nothing to set up beyond construction; kept for the platform registry.
    void attach() {}

    bool open() override;
    bool record() override;
    void stop() override;
    bool save(const QString &wavFileName) override;
    void close() override;
    QString errorString() const override;

private:
    bool fail(const QString &text);

    QAudioSource *m_source = nullptr;
    QAudioFormat m_format;
    QBuffer m_samples;
    QString m_error;
};

#endif
