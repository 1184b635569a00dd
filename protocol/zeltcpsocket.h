#ifndef ZELTCPSOCKET_H
#define ZELTCPSOCKET_H

#include <QByteArray>
#include <QByteArrayView>
#include <QElapsedTimer>
#include <QString>
#include <QList>
#include <QTcpSocket>
#include <QTimer>

#include <memory>

// The one connection to the server. Every message in both directions is a frame:
// qCompress output (4-byte big-endian length + zlib stream) followed by "<WRITEEND>".
// A payload holding "<FILEEND>" is file data; any other payload is XML text.
//
// Every received frame that decompresses to something is handed over on its
// own, in arrival order: a text payload followed by ":::" as the text block, or
// a file payload as the file block. Frames that arrive together are handed over
// in slices of at most SliceMilliseconds, the event loop running in between.
class ZELTcpSocket : public QTcpSocket
{
    Q_OBJECT

public:
    // A payload larger than this is refused like a corrupt frame.
    static constexpr qsizetype MaxFramePayload = 64 * 1024 * 1024;
    // More than this without a terminator is no frame of ours: the connection is dropped.
    static constexpr qsizetype MaxPartialFrame = 128 * 1024 * 1024;
    // More than this decoded and still waiting for its batch to end is dropped the
    // same way: small compressed frames can inflate to far more than they weigh.
    static constexpr qsizetype MaxHeldBatch = 256 * 1024 * 1024;
    // Hand-overs run for at most this long before the event loop gets a turn.
    static constexpr int SliceMilliseconds = 40;
    // Bytes taken from the connection at a time; reading pauses while frames
    // wait for their slice, so a fast sender fills the connection, not memory.
    static constexpr qsizetype ReadChunk = 64 * 1024;

    explicit ZELTcpSocket(QObject *parent = nullptr);
    ~ZELTcpSocket() override;

    // Writes one ready frame as it is; the result is not looked at.
    void sendDataToServer(QByteArray frame);
    // Reads the file and sends it as a file frame; false (nothing sent) when it cannot be read.
    bool sendFile(const QString &path);
    void setServerAddressAndPort(const QString &host, quint16 port);

    // Frame building, usable without a connection.
    static QByteArray frame(const QByteArray &payload);
    // A run of colons in the text is written so that it never reads as ":::".
    static QByteArray textFrame(const QString &xml);
    static QByteArray fileFrame(const QByteArray &fileData);
    static bool fileUploadFrame(const QString &path, QByteArray *frame);
    // Latin-1 bytes of the text; characters outside Latin-1 become numeric
    // character references, so the XML reader on the other side restores them.
    static QByteArray toLatin1WithCharacterReferences(const QString &text);
    // The payload of one frame without its terminator; empty when it does not
    // decompress or would exceed MaxFramePayload.
    static QByteArray decodeFrame(QByteArrayView piece);

    // The receive path without the read: takes bytes as they arrived on the wire.
    void processReceivedBytes(QByteArrayView bytes);
    // Drops every byte and frame received but not yet handed over.
    void clearReceiveBuffer();

signals:
    void sendDataToClient(QByteArray &textBlock, QByteArray &fileBlock);
    void disconnectedSignal();

public slots:
    void messageFromServer();
    void closeConnection();

private:
    struct FrameDecoder;

    // False when the frames held now exceed MaxHeldBatch.
    bool cutFrame();
    void takeBytes(QByteArrayView bytes);
    void readSome();
    void deliverFrames();
    void continueSlices();
    bool sliceUsedUp() const;
    void dropConnection();

    // Frames are inflated as their bytes arrive, so a large frame spread over many
    // reads is scanned and decoded once, and its compressed bytes are not kept.
    std::unique_ptr<FrameDecoder> m_decoder;
    // The last bytes read when they may begin a terminator: not yet given to the decoder.
    QByteArray m_partialTerminator;
    // Frames already cut and decoded but not yet handed over.
    struct ReceivedFrame
    {
        QByteArray payload;
        bool file = false;
    };
    QList<ReceivedFrame> m_frames;
    qsizetype m_heldBytes = 0;
    bool m_readPaused = false;
    QTimer m_nextSlice;
    QElapsedTimer m_slice; // the time the current slice began
};

#endif
