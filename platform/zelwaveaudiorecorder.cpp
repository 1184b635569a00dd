#include "platform/zelwaveaudiorecorder.h"

#include "platform/zelwavefile.h"

#include <QAudioDevice>
#include <QAudioSource>
#include <QMediaDevices>

ZELWaveAudioRecorder::ZELWaveAudioRecorder(QObject *parent)
    : QObject(parent)
    , m_samples(this)
{
}

ZELWaveAudioRecorder::~ZELWaveAudioRecorder()
{
    close();
}

bool ZELWaveAudioRecorder::fail(const QString &text)
{
    m_error = text;
    return false;
}

bool ZELWaveAudioRecorder::open()
{
    close();
    const QAudioDevice device = QMediaDevices::defaultAudioInput();
    if (device.isNull())
        return fail(QStringLiteral("No sound input device"));
    const QAudioFormat format = device.preferredFormat();
    if (!ZELWaveFile::canStore(format))
        return fail(QStringLiteral("The sound input offers no usable format"));
    m_format = format;
    m_source = new QAudioSource(device, format, this);
    m_error.clear();
    return true;
}

bool ZELWaveAudioRecorder::record()
{
    if (!m_source)
        return fail(QStringLiteral("The sound device is not open"));
    m_samples.close();
    m_samples.setData(QByteArray());
    m_samples.open(QIODevice::WriteOnly);
    m_source->start(&m_samples);
    if (m_source->error() != QAudio::NoError) {
        m_source->stop();
        return fail(QStringLiteral("Sound recording could not start"));
    }
    m_error.clear();
    return true;
}

void ZELWaveAudioRecorder::stop()
{
    if (m_source)
        m_source->stop();
}

bool ZELWaveAudioRecorder::save(const QString &wavFileName)
{
    if (!m_source)
        return fail(QStringLiteral("The sound device is not open"));
    QString error;
    if (!ZELWaveFile::write(wavFileName, m_format, m_samples.data(), &error))
        return fail(error);
    m_error.clear();
    return true;
}

void ZELWaveAudioRecorder::close()
{
    if (m_source) {
        m_source->stop();
        delete m_source;
        m_source = nullptr;
    }
    m_samples.close();
    m_samples.setData(QByteArray());
}

QString ZELWaveAudioRecorder::errorString() const
{
    return m_error;
}
