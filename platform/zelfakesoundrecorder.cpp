#include "platform/zelfakesoundrecorder.h"

#include "platform/zelwavefile.h"

bool ZELFakeSoundRecorder::open()
{
    calls << QStringLiteral("open");
    if (failOpen) {
        m_error = QStringLiteral("No sound input device");
        return false;
    }
    isOpen = true;
    m_error.clear();
    return true;
}

bool ZELFakeSoundRecorder::record()
{
    calls << QStringLiteral("record");
    if (failRecord || !isOpen) {
        m_error = QStringLiteral("Sound recording could not start");
        return false;
    }
    m_error.clear();
    return true;
}

void ZELFakeSoundRecorder::stop()
{
    calls << QStringLiteral("stop");
}

bool ZELFakeSoundRecorder::save(const QString &wavFileName)
{
    calls << QStringLiteral("save ") + wavFileName;
    if (failSave || !isOpen) {
        m_error = QStringLiteral("The sound device is not open");
        return false;
    }
    QAudioFormat format;
    format.setSampleRate(8000);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    return ZELWaveFile::write(wavFileName, format, QByteArray(16000, '\0'), &m_error);
}

void ZELFakeSoundRecorder::close()
{
    calls << QStringLiteral("close");
    isOpen = false;
}

QString ZELFakeSoundRecorder::errorString() const
{
    return m_error;
}
