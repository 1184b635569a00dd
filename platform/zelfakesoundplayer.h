#ifndef ZELFAKESOUNDPLAYER_H
#define ZELFAKESOUNDPLAYER_H

#include "platform/zelsoundplayer.h"

#include <QStringList>

// For tests: remembers "play <file>" and "stop" in calls; fails where told.
class ZELFakeSoundPlayer : public ZELSoundPlayer
{
public:
    bool play(const QString &wavFileName) override;
    void stop() override;
    QString errorString() const override;

    bool failPlay = false;
    bool playing = false;
    QStringList calls;

private:
    QString m_error;
};

#endif
