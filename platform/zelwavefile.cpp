#include "platform/zelwavefile.h"

#include "protocol/zelsafewrite.h"

#include <QtEndian>

namespace {

constexpr quint16 FormatPcm = 1;
constexpr quint16 FormatFloat = 3;

void appendLe16(QByteArray &out, quint16 value)
{
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}

void appendLe32(QByteArray &out, quint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

} // namespace

bool ZELWaveFile::canStore(const QAudioFormat &format)
{
    return format.isValid() && format.sampleFormat() != QAudioFormat::Unknown;
}

QByteArray ZELWaveFile::header(const QAudioFormat &format, quint32 dataSize)
{
    if (!canStore(format))
        return QByteArray();
    const quint16 channels = quint16(format.channelCount());
    const quint32 rate = quint32(format.sampleRate());
    const quint16 bytesPerSample = quint16(format.bytesPerSample());
    const quint16 blockAlign = quint16(channels * bytesPerSample);
    const quint16 tag = format.sampleFormat() == QAudioFormat::Float ? FormatFloat : FormatPcm;

    QByteArray out;
    out.reserve(HeaderSize);
    out.append("RIFF", 4);
    appendLe32(out, 36 + dataSize);
    out.append("WAVE", 4);
    out.append("fmt ", 4);
    appendLe32(out, 16);
    appendLe16(out, tag);
    appendLe16(out, channels);
    appendLe32(out, rate);
    appendLe32(out, rate * blockAlign);
    appendLe16(out, blockAlign);
    appendLe16(out, quint16(bytesPerSample * 8));
    out.append("data", 4);
    appendLe32(out, dataSize);
    return out;
}

bool ZELWaveFile::write(const QString &fileName, const QAudioFormat &format,
                        const QByteArray &samples, QString *errorString)
{
    auto fail = [errorString](const QString &text) {
        if (errorString)
            *errorString = text;
        return false;
    };
    const QByteArray head = header(format, quint32(samples.size()));
    if (head.isEmpty())
        return fail(QStringLiteral("Unsupported sound format"));
    const ZELSafeWrite::Result written = ZELSafeWrite::replace(fileName, [&](QIODevice &file) {
        return file.write(head) == head.size() && file.write(samples) == samples.size();
    });
    if (!written)
        return fail(written.error);
    if (errorString)
        errorString->clear();
    return true;
}
