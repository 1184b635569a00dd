#ifndef ZELWAVEFILE_H
#define ZELWAVEFILE_H

#include <QAudioFormat>
#include <QByteArray>
#include <QString>

// A RIFF/WAVE file around raw samples: 16-bit, 8-bit and 32-bit integer PCM
// and 32-bit float.
class ZELWaveFile
{
public:
    static constexpr int HeaderSize = 44;

    // Whether samples of this format can be stored.
    static bool canStore(const QAudioFormat &format);
    // The 44-byte header for dataSize bytes of samples; empty for a format
    // that cannot be stored.
    static QByteArray header(const QAudioFormat &format, quint32 dataSize);
    // Writes header and samples, replacing the file only when all is written.
    static bool write(const QString &fileName, const QAudioFormat &format,
                      const QByteArray &samples, QString *errorString = nullptr);

private:
    ZELWaveFile() = delete;
};

#endif
