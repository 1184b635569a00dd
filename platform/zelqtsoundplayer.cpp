#include "platform/zelqtsoundplayer.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QFile>
#include <QMediaDevices>
#include <QtEndian>

namespace {

quint16 le16(const QByteArray &data, qsizetype at)
{
    return qFromLittleEndian<quint16>(data.constData() + at);
}

quint32 le32(const QByteArray &data, qsizetype at)
{
    return qFromLittleEndian<quint32>(data.constData() + at);
}

// The format and samples of a PCM or float WAV file; false for anything else.
bool readWave(const QByteArray &file, QAudioFormat *format, QByteArray *samples)
{
    if (file.size() < 12 || !file.startsWith("RIFF") || file.mid(8, 4) != "WAVE")
        return false;
    bool haveFormat = false;
    qsizetype at = 12;
    while (at + 8 <= file.size()) {
        const QByteArray id = file.mid(at, 4);
        const quint32 size = le32(file, at + 4);
        const qsizetype body = at + 8;
        if (id == "fmt " && size >= 16 && body + 16 <= file.size()) {
            const quint16 tag = le16(file, body);
            const quint16 channels = le16(file, body + 2);
            const quint32 rate = le32(file, body + 4);
            const quint16 bits = le16(file, body + 14);
            QAudioFormat::SampleFormat sampleFormat = QAudioFormat::Unknown;
            if (tag == 1 && bits == 8)
                sampleFormat = QAudioFormat::UInt8;
            else if (tag == 1 && bits == 16)
                sampleFormat = QAudioFormat::Int16;
            else if (tag == 1 && bits == 32)
                sampleFormat = QAudioFormat::Int32;
            else if (tag == 3 && bits == 32)
                sampleFormat = QAudioFormat::Float;
            if (sampleFormat == QAudioFormat::Unknown || channels == 0 || rate == 0)
                return false;
            format->setSampleFormat(sampleFormat);
            format->setChannelCount(channels);
            format->setSampleRate(int(rate));
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat)
                return false;
            // A header written before the recording ended may give a wrong size.
            *samples = file.mid(body, qMin<qsizetype>(size, file.size() - body));
            return true;
        }
        at = body + size + (size & 1);
    }
    return false;
}

} // namespace

ZELQtSoundPlayer::ZELQtSoundPlayer(QObject *parent)
    : QObject(parent)
{
}

ZELQtSoundPlayer::~ZELQtSoundPlayer()
{
    stop();
}

bool ZELQtSoundPlayer::fail(const QString &text)
{
    m_error = text;
    return false;
}

bool ZELQtSoundPlayer::play(const QString &wavFileName)
{
    stop();
    QFile file(wavFileName);
    if (!file.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("Cannot read ") + wavFileName);
    QAudioFormat format;
    QByteArray samples;
    if (!readWave(file.readAll(), &format, &samples))
        return fail(QStringLiteral("Not a playable WAV file"));

    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        return fail(QStringLiteral("No sound output device"));
    if (!device.isFormatSupported(format))
        return fail(QStringLiteral("The sound device cannot play this file"));

    m_samples.setData(samples);
    m_samples.open(QIODevice::ReadOnly);
    m_sink = new QAudioSink(device, format, this);
    m_sink->start(&m_samples);
    if (m_sink->error() != QAudio::NoError) {
        stop();
        return fail(QStringLiteral("The sound device cannot open"));
    }
    m_error.clear();
    return true;
}

void ZELQtSoundPlayer::stop()
{
    if (m_sink) {
        m_sink->stop();
        delete m_sink;
        m_sink = nullptr;
    }
    m_samples.close();
}

QString ZELQtSoundPlayer::errorString() const
{
    return m_error;
}
