#ifndef ZELTCPSOCKET_H
#define ZELTCPSOCKET_H

#include <QByteArray>
#include <QByteArrayView>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QString>
#include <QList>
#include <QMutex>
#include <QStringList>
#include <QTcpSocket>
#include <QTimer>

#include <memory>

class QThread;

// The one connection to the server. Every message in both directions is a frame:
// qCompress output (4-byte big-endian length + zlib stream) followed by "<WRITEEND>".
// A payload that ends with "<FILEEND>" is file data; any other payload is XML text.
//
// Every received frame that decompresses to something is handed over on its
// own, in arrival order: a text payload followed by ":::" as the text block, or
// a file payload as the file block. Frames that arrive together are handed over
// in slices of at most SliceMilliseconds, the event loop running in between.
//
// Cutting, inflating and (when asked) parsing run on a receiver thread of the
// socket's own, so a frame of any size the limits allow costs the owner's
// thread only its hand-over; the frames come back to it in arrival order.
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
    // Bytes read but not yet cut and inflated at most; reading pauses beyond.
    static constexpr qsizetype MaxUndecoded = 4 * ReadChunk;
    // How long a read waits for the receiver thread before it leaves the frames
    // it completes to follow on their own: everyday frames take far less.
    static constexpr int QuickDecodeMilliseconds = 5;
    // A frame of this size or more is freed by the receiver thread after its hand-over.
    static constexpr qsizetype ReleasedAside = 1024 * 1024;

    explicit ZELTcpSocket(QObject *parent = nullptr);
    ~ZELTcpSocket() override;

    // Requests with more characters than this are composed and framed on a
    // thread of their own.
    static constexpr qsizetype LargeRequest = 64 * 1024;

    // Writes one ready frame as it is (after any request still being built);
    // the result is not looked at.
    void sendDataToServer(QByteArray frame);
    // Composes the request (ZELXmlCodec::compose), frames it as text and writes
    // it. Frames leave in the order asked for, however long each takes to build.
    void sendRequest(const QStringList &request);
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

    // Text frames are handed over with their messages parsed (ZELXmlCodec::parseBlock)
    // on the receiver thread; without it the message list is empty.
    void setParsesMessages(bool parse);

    // The receive path without the read: takes bytes as they arrived on the wire,
    // and returns once they are decoded and what they complete is handed over
    // (as far as the slice allows).
    void processReceivedBytes(QByteArrayView bytes);
    // Drops every byte and frame received but not yet handed over.
    void clearReceiveBuffer();
    // While held, received frames wait in arrival order and reading pauses once
    // the receiver is full; letting go hands them over in the next slice. The
    // owner holds them while it works through a long list a slice at a time.
    // Frames complete when the connection closes are handed over all the same.
    void holdDelivery(bool hold);

signals:
    void sendDataToClient(QByteArray &textBlock, QByteArray &fileBlock, const QList<QStringList> &messages);
    void disconnectedSignal();

public slots:
    void messageFromServer();
    void closeConnection();

private:
    struct FrameDecoder;
    struct FrameReader;
    struct Receiver;

    // A frame cut and decoded but not yet handed over.
    struct ReceivedFrame
    {
        QByteArray payload; // a text block (with its ":::") or a file block
        bool file = false;
        QList<QStringList> messages;
        qsizetype held = 0; // what it counts against MaxHeldBatch
    };

    static void runReceiver(Receiver *receiver, ZELTcpSocket *socket);
    static bool decodeRead(Receiver *receiver, QMutexLocker<QMutex> &locker, QByteArrayView bytes);
    void passToReceiver(QByteArray bytes);
    void waitUntilDecoded(QDeadlineTimer deadline);
    // Moves what the receiver decoded into the queue; false (all dropped) when a limit was passed.
    bool collectDecoded();
    void takeDecoded();
    void readSome();
    void deliverFrames();
    void continueSlices();
    bool sliceUsedUp() const;
    void dropConnection();

    // A frame on its way out: built off the owner's thread when large.
    struct Outgoing
    {
        QByteArray frame;
        bool ready = false;
    };
    void writeReadyFrames();
    void dropUnsentFrames();

    // Frames waiting for one before them to be built, in the order asked for.
    QList<std::shared_ptr<Outgoing>> m_outgoing;
    QList<QThread *> m_builders; // each ends by itself; waited for on destruction

    // Shared with the receiver thread, which it owns.
    std::unique_ptr<Receiver> m_receiver;
    // Frames already taken from the receiver but not yet handed over (owner's thread only).
    QList<ReceivedFrame> m_frames;
    bool m_readPaused = false;
    bool m_deliveryHeld = false;
    bool m_closing = false; // everything complete is handed over, held or not
    QTimer m_nextSlice;
    QElapsedTimer m_slice; // the time the current slice began
};

#endif
