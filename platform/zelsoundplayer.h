#ifndef ZELSOUNDPLAYER_H
#define ZELSOUNDPLAYER_H

#include <QString>

// Plays one WAV file in the background; a new play replaces the one before.
class ZELSoundPlayer
{
public:
    virtual ~ZELSoundPlayer() = default;

    // False when the file cannot be read or no output device can take it.
    virtual bool play(const QString &wavFileName) = 0;
    virtual void stop() = 0;
    // Why the last play failed; empty after a success.
    virtual QString errorString() const = 0;
};

#endif
