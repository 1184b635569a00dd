#include "protocol/zeltcpsocket.h"

#include "protocol/zelxmlcodec.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHostAddress>
#include <QMutex>
#include <QThread>
#include <QWaitCondition>
#include <QtEndian>

#include <zlib.h>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include <cstring>
#include <utility>

namespace {

constexpr char terminator[] = "<WRITEEND>";
constexpr qsizetype terminatorSize = 10;
constexpr QByteArrayView writeEnd(terminator, terminatorSize);
constexpr QByteArrayView fileEnd("<FILEEND>");
constexpr QByteArrayView textSeparator(":::");

// The leftmost terminator in data[from, size), or -1. Every received byte passes
// through here, so it tests sixteen candidate starts at a time for '<' with '>'
// nine bytes on; the rest falls back to memchr on the rare '>' (compressed bytes
// are close to random).
qsizetype findTerminator(const char *data, qsizetype size, qsizetype from)
{
    qsizetype start = from;
#if defined(__SSE2__)
    const __m128i open = _mm_set1_epi8('<');
    const __m128i close = _mm_set1_epi8('>');
    while (start + (terminatorSize - 1) + 16 <= size) {
        const __m128i first = _mm_loadu_si128(reinterpret_cast<const __m128i *>(data + start));
        const __m128i last = _mm_loadu_si128(reinterpret_cast<const __m128i *>(data + start + terminatorSize - 1));
        uint candidates = uint(_mm_movemask_epi8(
            _mm_and_si128(_mm_cmpeq_epi8(first, open), _mm_cmpeq_epi8(last, close))));
        while (candidates) {
            const qsizetype at = start + qCountTrailingZeroBits(candidates);
            if (std::memcmp(data + at, terminator, terminatorSize) == 0)
                return at;
            candidates &= candidates - 1;
        }
        start += 16;
    }
#endif
    qsizetype p = start + terminatorSize - 1;
    while (p < size) {
        const void *hit = std::memchr(data + p, '>', size_t(size - p));
        if (!hit)
            return -1;
        const qsizetype at = static_cast<const char *>(hit) - data;
        if (std::memcmp(data + at - (terminatorSize - 1), terminator, terminatorSize - 1) == 0)
            return at - (terminatorSize - 1);
        p = at + 1;
    }
    return -1;
}

// How many of the last bytes of data[0, size) begin a terminator (at most 9).
qsizetype terminatorStartAtEnd(const char *data, qsizetype size)
{
    for (qsizetype k = qMin<qsizetype>(size, terminatorSize - 1); k > 0; --k) {
        if (std::memcmp(data + size - k, terminator, size_t(k)) == 0)
            return k;
    }
    return 0;
}

// qCompress's layout (4-byte big-endian length, zlib stream at level 9), but every
// deflate block ends in the middle of a terminator text of the payload: a stored
// block copies its bytes as they are, and the next block's header now stands
// between the two halves. Any zlib reader decodes the same payload.
QByteArray compressSplittingTerminators(const QByteArray &payload)
{
    QByteArray out(4, Qt::Uninitialized);
    qToBigEndian(quint32(payload.size()), out.data());
    z_stream stream{};
    if (deflateInit(&stream, 9) != Z_OK)
        return qCompress(payload, 9);
    const char *data = payload.constData();
    qsizetype from = 0;
    for (;;) {
        const qsizetype at = findTerminator(data, payload.size(), from);
        const qsizetype cut = at < 0 ? payload.size() : at + terminatorSize / 2;
        stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data + from));
        stream.avail_in = uInt(cut - from);
        const int flush = at < 0 ? Z_FINISH : Z_FULL_FLUSH;
        int rc;
        do {
            char chunk[16384];
            stream.next_out = reinterpret_cast<Bytef *>(chunk);
            stream.avail_out = sizeof chunk;
            rc = deflate(&stream, flush);
            out.append(chunk, qsizetype(sizeof chunk - stream.avail_out));
        } while (stream.avail_out == 0 || (flush == Z_FINISH && rc == Z_OK));
        from = cut;
        if (at < 0)
            break;
    }
    deflateEnd(&stream);
    return out;
}

// qCompress's layout again, with nothing but stored deflate blocks, cut so that
// no terminator can form anywhere in the result: inside a block's bytes (each
// terminator text of the payload is cut in two), across a block header (each
// block holds less than 32 KB, so its length's complement has its high bit
// set and begins no terminator; the header's first byte is 0 or 1, which no
// terminator holds), or against the checksum (an empty final block stands
// before it). Kept for the payloads whose compressed form would still hold a
// terminator; any zlib reader decodes the same payload.
QByteArray storeAvoidingTerminators(const QByteArray &payload)
{
    constexpr qsizetype maxBlock = 0x7fff;
    const char *data = payload.constData();
    const qsizetype size = payload.size();
    QByteArray out;
    out.reserve(size + size / maxBlock * 5 + 32);
    char header[4];
    qToBigEndian(quint32(size), header);
    out.append(header, 4);
    out.append("\x78\xda", 2);
    const auto storeBlock = [&out](const char *bytes, qsizetype length, bool last) {
        const quint16 n = quint16(length);
        const char blockHeader[5] = {char(last ? 1 : 0), char(n & 0xff), char(n >> 8), char(~n & 0xff),
                                     char((~n >> 8) & 0xff)};
        out.append(blockHeader, 5);
        out.append(bytes, length);
    };
    qsizetype from = 0;
    while (from < size) {
        const qsizetype at = findTerminator(data, size, from);
        const qsizetype cut = at < 0 ? size : at + terminatorSize / 2;
        while (from < cut) {
            const qsizetype length = qMin(cut - from, maxBlock);
            storeBlock(data + from, length, false);
            from += length;
        }
    }
    storeBlock(nullptr, 0, true);
    char checksum[4];
    qToBigEndian(quint32(adler32_z(adler32(0, nullptr, 0), reinterpret_cast<const Bytef *>(data), z_size_t(size))),
                 checksum);
    out.append(checksum, 4);
    return out;
}

// The server splits what it receives at ":::": a run of three or more colons in a
// text or an attribute value has every third one written as a character reference,
// which any XML reader reads back as ':'. Tags and every other byte stay as they are
// (the documents written here hold no comments or CDATA sections).
QByteArray escapeSeparatorRuns(QByteArray xml)
{
    if (!xml.contains(textSeparator))
        return xml;
    QByteArray out;
    out.reserve(xml.size() + 16);
    bool inTag = false;
    char quote = 0;
    int run = 0;
    for (const char c : std::as_const(xml)) {
        if (c == ':' && (!inTag || quote)) {
            if (++run % 3 == 0) {
                out.append("&#58;");
                continue;
            }
        } else {
            run = 0;
            if (quote) {
                if (c == quote)
                    quote = 0;
            } else if (inTag && (c == '"' || c == '\'')) {
                quote = c;
            } else if (c == '<') {
                inTag = true;
            } else if (c == '>') {
                inTag = false;
            }
        }
        out.append(c);
    }
    return out;
}

} // namespace

// Inflates one frame (4-byte length header + zlib stream) from bytes given in any
// number of pieces. The result matches qUncompress on the whole frame, except that
// a payload over MaxFramePayload, or a header claiming one, is refused: qUncompress
// trusts the header and keeps doubling its buffer, so a hostile frame could
// exhaust memory.
struct ZELTcpSocket::FrameDecoder
{
    enum class Phase { Header, Body, Done, Failed };

    z_stream stream{};
    bool streamReady = false;
    Phase phase = Phase::Header;
    uchar header[4] = {};
    int headerBytes = 0;
    qsizetype pieceSize = 0; // bytes fed since the last finish()
    QByteArray payload;
    qsizetype produced = 0;

    FrameDecoder() { streamReady = inflateInit(&stream) == Z_OK; }
    ~FrameDecoder()
    {
        if (streamReady)
            inflateEnd(&stream);
    }
    FrameDecoder(const FrameDecoder &) = delete;
    FrameDecoder &operator=(const FrameDecoder &) = delete;

    void feed(const char *data, qsizetype size)
    {
        pieceSize += size;
        while (size > 0 && phase == Phase::Header) {
            header[headerBytes++] = uchar(*data++);
            --size;
            if (headerBytes == 4)
                begin();
        }
        while (size > 0 && phase == Phase::Body) {
            const qsizetype chunk = qMin<qsizetype>(size, qsizetype(1) << 30);
            inflateSome(data, chunk);
            data += chunk;
            size -= chunk;
        }
    }

    // The payload of everything fed since the last call; empty when it did not
    // decompress to something. Starts the next frame.
    QByteArray finish()
    {
        QByteArray result;
        if (phase == Phase::Done && produced > 0) {
            payload.truncate(produced);
            if (payload.capacity() - produced > produced / 4 + 4096)
                payload.squeeze();
            result = std::move(payload);
        }
        reset();
        return result;
    }

    void reset()
    {
        phase = Phase::Header;
        headerBytes = 0;
        pieceSize = 0;
        payload = QByteArray();
        produced = 0;
    }

private:
    void begin()
    {
        const qsizetype claimed = qFromBigEndian<quint32>(header);
        if (claimed > MaxFramePayload || !streamReady || inflateReset(&stream) != Z_OK) {
            fail();
            return;
        }
        // The header is only a hint, but an honest one saves every reallocation.
        payload = QByteArray(qMax<qsizetype>(claimed, 256), Qt::Uninitialized);
        produced = 0;
        phase = Phase::Body;
    }

    void fail()
    {
        phase = Phase::Failed;
        payload = QByteArray();
        produced = 0;
    }

    void inflateSome(const char *data, qsizetype size)
    {
        stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data));
        stream.avail_in = uInt(size);
        for (;;) {
            if (produced == payload.size()) {
                if (payload.size() > MaxFramePayload) {
                    fail();
                    return;
                }
                payload.resize(qMin<qsizetype>(payload.size() * 2, MaxFramePayload + 1));
            }
            stream.next_out = reinterpret_cast<Bytef *>(payload.data() + produced);
            stream.avail_out = uInt(payload.size() - produced);
            const int rc = inflate(&stream, Z_NO_FLUSH);
            produced = payload.size() - stream.avail_out;
            if (rc == Z_STREAM_END) {
                // Bytes after the end of the stream are ignored, as qUncompress does.
                if (produced > MaxFramePayload)
                    fail();
                else
                    phase = Phase::Done;
                return;
            }
            if (rc == Z_OK || rc == Z_BUF_ERROR) {
                if (stream.avail_out == 0)
                    continue; // more output to come
                return;       // all input taken: wait for more
            }
            fail(); // corrupt data or no memory
            return;
        }
    }
};

// Cuts frames out of the bytes as they arrive and decodes them: the receive
// rule. Frames are inflated as their bytes arrive, so a large frame spread over
// many reads is scanned and decoded once, and its compressed bytes are not kept.
struct ZELTcpSocket::FrameReader
{
    FrameDecoder decoder;
    // The last bytes read when they may begin a terminator: not yet given to the decoder.
    QByteArray partialTerminator;
    bool parse = false;

    void reset()
    {
        partialTerminator.clear();
        decoder.reset();
    }

    // Cuts and decodes every frame the bytes complete into `out`. False when the
    // connection is to be dropped: a frame runs past MaxPartialFrame, or `held`
    // (already decoded and waiting) with what these bytes complete passes MaxHeldBatch.
    bool take(QByteArrayView bytes, qsizetype held, QList<ReceivedFrame> &out)
    {
        if (bytes.isEmpty())
            return true;
        const char *data = bytes.data();
        const qsizetype size = bytes.size();
        qsizetype pos = 0;
        bool stillOpen = false;

        // Bytes kept from the last read may begin a terminator that this read completes.
        if (!partialTerminator.isEmpty()) {
            const QByteArray kept = std::exchange(partialTerminator, QByteArray());
            bool resolved = false;
            for (qsizetype j = 0; j < kept.size() && !resolved; ++j) {
                const qsizetype have = kept.size() - j;
                if (std::memcmp(kept.constData() + j, terminator, size_t(have)) != 0)
                    continue;
                const qsizetype need = terminatorSize - have;
                const qsizetype available = qMin(need, size);
                if (std::memcmp(data, terminator + have, size_t(available)) != 0)
                    continue;
                resolved = true;
                decoder.feed(kept.constData(), j);
                if (available == need) {
                    if (!cutFrame(held, out))
                        return false;
                    pos = need;
                } else {
                    partialTerminator = kept.mid(j);
                    partialTerminator.append(bytes);
                    stillOpen = true;
                }
            }
            if (!resolved)
                decoder.feed(kept.constData(), kept.size());
        }

        if (!stillOpen) {
            qsizetype at;
            while (pos < size && (at = findTerminator(data, size, pos)) >= 0) {
                decoder.feed(data + pos, at - pos);
                if (!cutFrame(held, out))
                    return false;
                pos = at + terminatorSize;
            }
            const qsizetype keep = terminatorStartAtEnd(data + pos, size - pos);
            decoder.feed(data + pos, size - pos - keep);
            partialTerminator = QByteArray(data + size - keep, keep);
        }

        return decoder.pieceSize + partialTerminator.size() <= MaxPartialFrame;
    }

private:
    bool cutFrame(qsizetype &held, QList<ReceivedFrame> &out)
    {
        QByteArray payload = decoder.finish();
        // A frame that does not decompress (or an empty one) carries nothing.
        if (payload.isEmpty())
            return true;
        held += payload.size();
        if (held > MaxHeldBatch)
            return false;
        ReceivedFrame frame;
        frame.held = payload.size();
        frame.file = payload.endsWith(fileEnd);
        if (!frame.file) {
            payload.append(textSeparator);
            if (parse)
                frame.messages = ZELXmlCodec::parseBlock(payload);
        }
        frame.payload = std::move(payload);
        out.append(std::move(frame));
        return true;
    }
};

// What the socket and its receiver thread share. The thread takes the bytes
// in the order they were read, one read at a time, and leaves the frames each
// completes in `decoded`; the socket collects them when told, or waits for them.
struct ZELTcpSocket::Receiver
{
    QMutex lock;
    QWaitCondition work; // bytes to decode, or the end
    QWaitCondition done; // a read decoded
    // Guarded by lock:
    QList<QByteArray> reads;
    qsizetype undecoded = 0; // bytes in reads and in the read being decoded
    QList<ReceivedFrame> decoded;
    // Large frames already handed over: their memory is given back here, not on
    // the owner's thread, where returning a hundred megabytes takes a while.
    QList<ReceivedFrame> released;
    qsizetype held = 0;      // decoded and not yet handed over, against MaxHeldBatch
    quint64 generation = 0;  // a cleared receive buffer makes what is under way stale
    bool overLimit = false;
    bool told = false;       // a takeDecoded() is on its way to the socket
    bool parse = false;
    bool stop = false;
    // Used by one thread at a time, under readerLock:
    QMutex readerLock;
    FrameReader reader;
    quint64 readerGeneration = 0;

    std::unique_ptr<QThread> thread;
};

// Decodes one read into `decoded`; false when the receive buffer was cleared
// meanwhile, so the read no longer counts. Entered and left with r->lock held;
// the reader serves one thread at a time.
bool ZELTcpSocket::decodeRead(Receiver *r, QMutexLocker<QMutex> &locker, QByteArrayView bytes)
{
    const quint64 generation = r->generation;
    const qsizetype held = r->held;
    const bool drop = r->overLimit;
    const bool parse = r->parse;
    locker.unlock();

    QMutexLocker readerLocker(&r->readerLock);
    if (r->readerGeneration != generation) {
        r->reader.reset();
        r->readerGeneration = generation;
    }
    r->reader.parse = parse;
    QList<ReceivedFrame> frames;
    // After a limit is passed nothing more of this connection is decoded.
    const bool ok = drop || r->reader.take(bytes, held, frames);

    locker.relock();
    if (generation != r->generation)
        return false;
    if (!ok)
        r->overLimit = true;
    if (!r->overLimit) {
        for (ReceivedFrame &frame : frames) {
            r->held += frame.held;
            r->decoded.append(std::move(frame));
        }
    }
    return true;
}

void ZELTcpSocket::runReceiver(Receiver *r, ZELTcpSocket *socket)
{
    QMutexLocker locker(&r->lock);
    for (;;) {
        while (!r->stop && r->reads.isEmpty() && r->released.isEmpty())
            r->work.wait(&r->lock);
        if (r->stop)
            return;
        if (!r->released.isEmpty()) {
            QList<ReceivedFrame> released = std::exchange(r->released, {});
            locker.unlock();
            released.clear();
            locker.relock();
            continue;
        }
        const QByteArray bytes = r->reads.takeFirst();
        if (!decodeRead(r, locker, bytes))
            continue; // cleared meanwhile: the read no longer counts
        r->undecoded -= bytes.size();
        r->done.wakeAll();
        if (!r->told) {
            r->told = true;
            QMetaObject::invokeMethod(socket, &ZELTcpSocket::takeDecoded, Qt::QueuedConnection);
        }
    }
}

ZELTcpSocket::ZELTcpSocket(QObject *parent)
    : QTcpSocket(parent)
    , m_receiver(std::make_unique<Receiver>())
{
    m_nextSlice.setSingleShot(true);
    m_nextSlice.setInterval(0);
    connect(&m_nextSlice, &QTimer::timeout, this, &ZELTcpSocket::continueSlices);
    // Unread bytes wait in the kernel, not here, while reading is paused.
    setReadBufferSize(16 * ReadChunk);
    connect(this, &QIODevice::readyRead, this, &ZELTcpSocket::messageFromServer);
    connect(this, &QAbstractSocket::disconnected, this, &ZELTcpSocket::closeConnection);
}

ZELTcpSocket::~ZELTcpSocket()
{
    // The base destructor closes a live connection and emits disconnected(): by
    // then this object is no ZELTcpSocket any more, so its slots must not run.
    disconnect(this, &QIODevice::readyRead, this, &ZELTcpSocket::messageFromServer);
    disconnect(this, &QAbstractSocket::disconnected, this, &ZELTcpSocket::closeConnection);
    if (m_receiver->thread) {
        {
            QMutexLocker locker(&m_receiver->lock);
            m_receiver->stop = true;
            m_receiver->work.wakeAll();
        }
        m_receiver->thread->wait();
    }
    for (QThread *builder : std::as_const(m_builders))
        builder->wait();
    clearReceiveBuffer();
}

void ZELTcpSocket::sendDataToServer(QByteArray frame)
{
    if (m_outgoing.isEmpty()) {
        write(frame);
        return;
    }
    auto outgoing = std::make_shared<Outgoing>();
    outgoing->frame = std::move(frame);
    outgoing->ready = true;
    m_outgoing.append(std::move(outgoing));
}

void ZELTcpSocket::sendRequest(const QStringList &request)
{
    qsizetype characters = 0;
    for (const QString &value : request)
        characters += value.size();
    // Without a connection nothing leaves, and a frame kept back for one to
    // come would reach a connection it was not meant for.
    if (characters <= LargeRequest || state() != ConnectedState) {
        sendDataToServer(textFrame(ZELXmlCodec().compose(request)));
        return;
    }
    // Composing, encoding and compressing take time in proportion to the text:
    // a large request is built aside and written when its turn comes.
    auto outgoing = std::make_shared<Outgoing>();
    m_outgoing.append(outgoing);
    QThread *builder = QThread::create([outgoing, request] {
        outgoing->frame = textFrame(ZELXmlCodec().compose(request));
    });
    builder->setObjectName(QStringLiteral("ZELRequestBuilder"));
    builder->setParent(this);
    m_builders.append(builder);
    connect(builder, &QThread::finished, this, [this, builder, outgoing] {
        m_builders.removeOne(builder);
        builder->deleteLater();
        outgoing->ready = true;
        writeReadyFrames();
    });
    builder->start();
}

void ZELTcpSocket::writeReadyFrames()
{
    while (!m_outgoing.isEmpty() && m_outgoing.first()->ready)
        write(m_outgoing.takeFirst()->frame);
}

// The connection the frames were meant for is gone.
void ZELTcpSocket::dropUnsentFrames()
{
    m_outgoing.clear();
}

bool ZELTcpSocket::sendFile(const QString &path)
{
    QByteArray frame;
    if (!fileUploadFrame(path, &frame))
        return false;
    sendDataToServer(frame);
    return true;
}

void ZELTcpSocket::setServerAddressAndPort(const QString &host, quint16 port)
{
    setLocalAddress(localAddress());
    setLocalPort(localPort());
    setPeerAddress(QHostAddress(host));
    setPeerPort(port);
}

QByteArray ZELTcpSocket::frame(const QByteArray &payload)
{
    QByteArray result = qCompress(payload, 9);
    // Data that does not compress is stored as it is, so a payload holding the
    // terminator text would cut its own frame in two on the wire. Splitting it
    // leaves block headers and the checksum beside the payload's own bytes,
    // which may still complete one: the finished frame is what counts.
    if (findTerminator(result.constData(), result.size(), 0) >= 0)
        result = compressSplittingTerminators(payload);
    if (findTerminator(result.constData(), result.size(), 0) >= 0)
        result = storeAvoidingTerminators(payload);
    result.append(writeEnd);
    return result;
}

QByteArray ZELTcpSocket::textFrame(const QString &xml)
{
    return frame(escapeSeparatorRuns(toLatin1WithCharacterReferences(xml)));
}

QByteArray ZELTcpSocket::fileFrame(const QByteArray &fileData)
{
    QByteArray payload;
    payload.reserve(fileData.size() + fileEnd.size());
    payload.append(fileData);
    payload.append(fileEnd);
    return frame(payload);
}

bool ZELTcpSocket::fileUploadFrame(const QString &path, QByteArray *frame)
{
    if (QFileInfo(path).isDir())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return false;
    if (frame)
        *frame = fileFrame(data);
    return true;
}

QByteArray ZELTcpSocket::toLatin1WithCharacterReferences(const QString &text)
{
    bool latin1 = true;
    for (QChar c : text) {
        if (c.unicode() > 0xff) {
            latin1 = false;
            break;
        }
    }
    if (latin1)
        return text.toLatin1();

    QByteArray out;
    out.reserve(text.size() + 16);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (c <= 0xff) {
            out.append(char(c));
            continue;
        }
        char32_t code = c;
        if (QChar::isHighSurrogate(c) && i + 1 < text.size()
            && QChar::isLowSurrogate(text.at(i + 1).unicode())) {
            code = QChar::surrogateToUcs4(c, text.at(i + 1).unicode());
            ++i;
        } else if (QChar::isSurrogate(c)) {
            code = QChar::ReplacementCharacter;
        }
        out.append("&#");
        out.append(QByteArray::number(uint(code)));
        out.append(';');
    }
    return out;
}

QByteArray ZELTcpSocket::decodeFrame(QByteArrayView piece)
{
    FrameDecoder decoder;
    decoder.feed(piece.data(), piece.size());
    return decoder.finish();
}

void ZELTcpSocket::setParsesMessages(bool parse)
{
    QMutexLocker locker(&m_receiver->lock);
    m_receiver->parse = parse;
}

void ZELTcpSocket::passToReceiver(QByteArray bytes)
{
    if (bytes.isEmpty())
        return;
    Receiver &r = *m_receiver;
    if (!r.thread) {
        r.thread.reset(QThread::create(&ZELTcpSocket::runReceiver, &r, this));
        r.thread->setObjectName(QStringLiteral("ZELReceiver"));
        r.thread->start();
    }
    QMutexLocker locker(&r.lock);
    r.undecoded += bytes.size();
    r.reads.append(std::move(bytes));
    r.work.wakeOne();
}

void ZELTcpSocket::waitUntilDecoded(QDeadlineTimer deadline)
{
    QMutexLocker locker(&m_receiver->lock);
    while (m_receiver->undecoded > 0) {
        if (!m_receiver->done.wait(&m_receiver->lock, deadline))
            return;
    }
}

bool ZELTcpSocket::collectDecoded()
{
    QMutexLocker locker(&m_receiver->lock);
    if (m_receiver->overLimit) {
        locker.unlock();
        dropConnection();
        return false;
    }
    if (m_frames.isEmpty())
        m_frames = std::exchange(m_receiver->decoded, {});
    else
        m_frames.append(std::exchange(m_receiver->decoded, {}));
    return true;
}

// The receiver decoded a read: its frames join the queue, and reading goes on
// if it waited for the receiver.
void ZELTcpSocket::takeDecoded()
{
    {
        QMutexLocker locker(&m_receiver->lock);
        m_receiver->told = false;
    }
    if (!collectDecoded())
        return;
    if (m_nextSlice.isActive())
        return; // the next slice hands them over and reads on
    m_slice.start();
    deliverFrames();
}

void ZELTcpSocket::messageFromServer()
{
    m_slice.start();
    readSome();
}

// Bytes that came in while a receiver ran the event loop get no readyRead of
// their own (it is never emitted recursively): they are taken here too. Once
// the slice is used up, while frames wait for the next one, or while the
// receiver thread is behind, reading pauses, so a fast sender fills the
// connection rather than memory; the next slice or decoded read reads on.
void ZELTcpSocket::readSome()
{
    while (bytesAvailable() > 0) {
        if (m_deliveryHeld) {
            m_readPaused = true;
            return;
        }
        if (m_nextSlice.isActive() || sliceUsedUp()) {
            m_readPaused = true;
            if (!m_nextSlice.isActive())
                m_nextSlice.start();
            return;
        }
        {
            QMutexLocker locker(&m_receiver->lock);
            if (m_receiver->undecoded >= MaxUndecoded) {
                m_readPaused = true;
                return;
            }
        }
        passToReceiver(read(ReadChunk));
        // Everyday frames are back from the receiver within moments: they are
        // handed over in this turn, as they came. A large one follows when it is ready.
        waitUntilDecoded(QDeadlineTimer(QuickDecodeMilliseconds));
        if (!collectDecoded())
            return;
        if (!m_nextSlice.isActive())
            deliverFrames();
    }
}

bool ZELTcpSocket::sliceUsedUp() const
{
    return m_slice.isValid() && m_slice.elapsed() >= SliceMilliseconds;
}

void ZELTcpSocket::continueSlices()
{
    m_slice.start();
    deliverFrames();
}

void ZELTcpSocket::processReceivedBytes(QByteArrayView bytes)
{
    m_slice.start();
    // The caller waits for the result anyway: the bytes are decoded here, once
    // the receiver thread is through with what came before them.
    {
        QMutexLocker locker(&m_receiver->lock);
        while (m_receiver->undecoded > 0)
            m_receiver->done.wait(&m_receiver->lock);
        decodeRead(m_receiver.get(), locker, bytes);
    }
    if (collectDecoded() && !m_nextSlice.isActive())
        deliverFrames();
}

// Hands the received frames over one at a time, in arrival order. A long run
// of frames is handed over in slices, with the event loop running between
// them, so the window keeps answering and the answers to earlier messages
// leave while later ones are still being shown.
void ZELTcpSocket::deliverFrames()
{
    while (!m_frames.isEmpty()) {
        if (m_deliveryHeld && !m_closing)
            return; // the owner works through a long list: the rest waits for it
        if (sliceUsedUp()) {
            m_nextSlice.start();
            return;
        }
        // Taken off the queue before the hand-over: a receiver that runs the
        // event loop lets the next read in, which hands over what follows.
        ReceivedFrame frame = m_frames.takeFirst();
        {
            QMutexLocker locker(&m_receiver->lock);
            m_receiver->held -= frame.held;
        }
        QByteArray text;
        QByteArray files;
        if (frame.file)
            files = std::move(frame.payload);
        else
            text = std::move(frame.payload);
        emit sendDataToClient(text, files, frame.messages);
        if (frame.held >= ReleasedAside && m_receiver->thread) {
            frame.payload = frame.file ? std::move(files) : std::move(text);
            QMutexLocker locker(&m_receiver->lock);
            m_receiver->released.append(std::move(frame));
            m_receiver->work.wakeOne();
        }
    }
    // Reading paused while slices were pending: take what waits in the socket.
    if (m_readPaused) {
        m_readPaused = false;
        readSome();
    }
}

void ZELTcpSocket::dropConnection()
{
    clearReceiveBuffer();
    abort();
}

void ZELTcpSocket::closeConnection()
{
    dropUnsentFrames();
    // What arrived complete before the connection closed is still the server's word.
    m_nextSlice.stop();
    m_closing = true;
    while (bytesAvailable() > 0)
        passToReceiver(read(ReadChunk));
    waitUntilDecoded(QDeadlineTimer(QDeadlineTimer::Forever));
    {
        QMutexLocker locker(&m_receiver->lock);
        if (!m_receiver->overLimit)
            m_frames.append(std::exchange(m_receiver->decoded, {}));
    }
    while (!m_frames.isEmpty()) {
        const qsizetype before = m_frames.size();
        m_slice.start();
        deliverFrames();
        if (m_frames.size() >= before)
            break;
    }
    m_closing = false;
    clearReceiveBuffer();
    emit disconnectedSignal();
}

void ZELTcpSocket::holdDelivery(bool hold)
{
    if (m_deliveryHeld == hold)
        return;
    m_deliveryHeld = hold;
    if (!hold && (!m_frames.isEmpty() || m_readPaused) && !m_nextSlice.isActive())
        m_nextSlice.start();
}

void ZELTcpSocket::clearReceiveBuffer()
{
    {
        QMutexLocker locker(&m_receiver->lock);
        ++m_receiver->generation;
        m_receiver->reads.clear();
        m_receiver->undecoded = 0;
        m_receiver->decoded.clear();
        m_receiver->held = 0;
        m_receiver->overLimit = false;
        m_receiver->done.wakeAll();
    }
    m_frames.clear();
    m_readPaused = false;
    m_nextSlice.stop();
}
