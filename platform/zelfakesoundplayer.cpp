#include "platform/zelfakesoundplayer.h"

bool ZELFakeSoundPlayer::play(const QString &wavFileName)
{
    calls << QStringLiteral("play ") + wavFileName;
    if (failPlay) {
        m_error = QStringLiteral("No sound output device");
        playing = false;
        return false;
    }
    m_error.clear();
    playing = true;
    return true;
}

void ZELFakeSoundPlayer::stop()
{
    calls << QStringLiteral("stop");
    playing = false;
}

QString ZELFakeSoundPlayer::errorString() const
{
    return m_error;
}
