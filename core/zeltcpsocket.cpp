#include "zeltcpsocket.h"

#include <QFile>
#include <QFileInfo>
#include <QHostAddress>
#include <QtEndian>

#include <zlib.h>

namespace {

constexpr QByteArrayView writeEnd("<WRITEEND>");
constexpr QByteArrayView fileEnd("<FILEEND>");
constexpr QByteArrayView textSeparator(":::");

} // namespace

ZELTcpSocket::ZELTcpSocket(QObject *parent)
    : QTcpSocket(parent)
{
    connect(this, &QIODevice::readyRead, this, &ZELTcpSocket::messageFromServer);
    connect(this, &QAbstractSocket::disconnected, this, &ZELTcpSocket::closeConnection);
}

ZELTcpSocket::~ZELTcpSocket()
{
    // The base destructor closes a live connection and emits disconnected(): by
    // then this object is no ZELTcpSocket any more, so its slots must not run.
    disconnect(this, &QIODevice::readyRead, this, &ZELTcpSocket::messageFromServer);
    disconnect(this, &QAbstractSocket::disconnected, this, &ZELTcpSocket::closeConnection);
    clearReceiveBuffer();
}

void ZELTcpSocket::sendDataToServer(QByteArray frame)
{
    write(frame);
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
    result.append(writeEnd);
    return result;
}

QByteArray ZELTcpSocket::textFrame(const QString &xml)
{
    return frame(toLatin1WithCharacterReferences(xml));
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
    // qUncompress trusts the length header and keeps doubling its buffer for a
    // stream that inflates further, so a hostile frame could exhaust memory.
    // Inflate here instead, with a hard ceiling.
    if (piece.size() < 4)
        return QByteArray();
    const auto *data = reinterpret_cast<const uchar *>(piece.data());
    const qsizetype claimed = qFromBigEndian<quint32>(data);
    if (claimed > MaxFramePayload)
        return QByteArray();

    z_stream stream{};
    if (inflateInit(&stream) != Z_OK)
        return QByteArray();
    const qsizetype inputSize = piece.size() - 4;
    stream.next_in = const_cast<Bytef *>(data + 4);
    stream.avail_in = uInt(inputSize);

    // Deflate expands by at most 1032:1, which bounds a lying header.
    QByteArray out;
    out.resize(qMax<qsizetype>(1, qMin<qsizetype>(claimed, inputSize * 1032 + 64)));
    qsizetype produced = 0;
    bool ok = false;
    for (;;) {
        if (produced == out.size()) {
            if (out.size() > MaxFramePayload)
                break;
            out.resize(qMin<qsizetype>(qMax<qsizetype>(out.size() * 2, 4096), MaxFramePayload + 1));
        }
        stream.next_out = reinterpret_cast<Bytef *>(out.data() + produced);
        stream.avail_out = uInt(out.size() - produced);
        const int rc = inflate(&stream, Z_NO_FLUSH);
        produced = out.size() - stream.avail_out;
        if (rc == Z_STREAM_END) {
            ok = produced <= MaxFramePayload;
            break;
        }
        if (rc == Z_OK || (rc == Z_BUF_ERROR && stream.avail_out == 0))
            continue;
        break; // corrupt, truncated or out of memory
    }
    inflateEnd(&stream);
    if (!ok)
        return QByteArray();
    out.truncate(produced);
    return out;
}

void ZELTcpSocket::messageFromServer()
{
    processReceivedBytes(readAll());
}

void ZELTcpSocket::processReceivedBytes(QByteArrayView bytes)
{
    m_receiveBuffer.append(bytes);

    qsizetype pieceStart = 0;
    qsizetype at;
    while ((at = m_receiveBuffer.indexOf(writeEnd, qMax(pieceStart, m_scanFrom))) >= 0) {
        const QByteArray payload =
            decodeFrame(QByteArrayView(m_receiveBuffer).sliced(pieceStart, at - pieceStart));
        if (payload.contains(fileEnd)) {
            if (m_fileBlock.isEmpty())
                m_fileBlock = payload;
            else
                m_fileBlock.append(payload);
        } else {
            m_textBlock.append(payload);
            m_textBlock.append(textSeparator);
        }
        m_lastFrameDecoded = !payload.isEmpty();
        m_framesHeld = true;
        pieceStart = at + writeEnd.size();
    }
    if (pieceStart > 0)
        m_receiveBuffer.remove(0, pieceStart);
    // A terminator may still complete across the boundary of the next read.
    m_scanFrom = qMax<qsizetype>(0, m_receiveBuffer.size() - (writeEnd.size() - 1));

    if (m_receiveBuffer.size() > MaxPartialFrame) {
        clearReceiveBuffer();
        abort();
        return;
    }

    if (!m_framesHeld || !m_lastFrameDecoded || !m_receiveBuffer.isEmpty())
        return;

    // Emptied before the hand-over: a receiver that runs the event loop lets the
    // next read in, which must neither see these frames again nor lose its bytes.
    QByteArray textBlock = std::move(m_textBlock);
    QByteArray fileBlock = std::move(m_fileBlock);
    clearReceiveBuffer();
    emit sendDataToClient(textBlock, fileBlock);
}

void ZELTcpSocket::closeConnection()
{
    clearReceiveBuffer();
    emit disconnectedSignal();
}

void ZELTcpSocket::clearReceiveBuffer()
{
    m_receiveBuffer.clear();
    m_scanFrom = 0;
    m_textBlock.clear();
    m_fileBlock.clear();
    m_framesHeld = false;
    m_lastFrameDecoded = false;
}
