#ifndef ZELQTSOUNDPLAYER_H
#define ZELQTSOUNDPLAYER_H

#include "platform/zelsoundplayer.h"

#include <QBuffer>
#include <QObject>

class QAudioSink;

// Reads the WAV file itself and feeds its samples to the default output, so a
// file rewritten between two plays is always heard as it is now.
class ZELQtSoundPlayer : public QObject, public ZELSoundPlayer
{
    Q_OBJECT

public:
    explicit ZELQtSoundPlayer(QObject *parent = nullptr);
    ~ZELQtSoundPlayer() override;

    // Nothing to set up beyond construction; kept for the platform registry.
    void attach() {}

    bool play(const QString &wavFileName) override;
    void stop() override;
    QString errorString() const override;

private:
    bool fail(const QString &text);

    QAudioSink *m_sink = nullptr;
    QBuffer m_samples;
    QString m_error;
};

#endif
