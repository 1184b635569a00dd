#include "zeldemosession.h"

#include "protocol/zeltcpsocket.h"

#include <QTcpSocket>

namespace {

const QByteArray writeEnd("<WRITEEND>");
const QByteArray fileEnd("<FILEEND>");

} // namespace

ZELDemoSession::ZELDemoSession(QTcpSocket *socket, int id, QObject *parent)
    : QObject(parent)
    , m_socket(socket)
    , m_id(id)
{
    socket->setParent(this);
    connect(socket, &QTcpSocket::readyRead, this, &ZELDemoSession::readClient);
    connect(socket, &QTcpSocket::disconnected, this, [this] {
        if (!m_closedReported) {
            m_closedReported = true;
            emit closed(this);
        }
    });
}

ZELDemoSession::~ZELDemoSession() = default;

bool ZELDemoSession::isConnected() const
{
    return m_socket && m_socket->state() == QAbstractSocket::ConnectedState;
}

void ZELDemoSession::sendText(const QString &xml)
{
    if (isConnected())
        m_socket->write(ZELTcpSocket::textFrame(xml));
}

void ZELDemoSession::sendFile(const QByteArray &fileData)
{
    if (isConnected())
        m_socket->write(ZELTcpSocket::fileFrame(fileData));
}

void ZELDemoSession::disconnectClient()
{
    m_buffer.clear();
    m_searchFrom = 0;
    if (m_socket)
        m_socket->abort();
    if (!m_closedReported) {
        m_closedReported = true;
        emit closed(this);
    }
}

void ZELDemoSession::readClient()
{
    if (!m_socket || m_closedReported)
        return;
    m_buffer += m_socket->readAll();
    qsizetype start = 0;
    qsizetype at;
    // A large frame arrives in many reads: only its new bytes are searched again.
    qsizetype searchFrom = m_searchFrom;
    while (!m_closedReported && (at = m_buffer.indexOf(writeEnd, searchFrom)) >= 0) {
        const QByteArrayView piece(m_buffer.constData() + start, at - start);
        start = at + writeEnd.size();
        searchFrom = start;
        QByteArray payload = ZELTcpSocket::decodeFrame(piece);
        if (payload.isEmpty()) {
            ++badFrames;
            continue;
        }
        if (payload.contains(fileEnd)) {
            if (payload.endsWith(fileEnd))
                payload.chop(fileEnd.size());
            emit fileReceived(this, payload);
            continue;
        }
        emit requestReceived(this, ZELTestPeer::decodeRequest(QString::fromLatin1(payload)));
    }
    if (m_closedReported)
        return;
    m_buffer.remove(0, start);
    m_searchFrom = qMax<qsizetype>(0, m_buffer.size() - (writeEnd.size() - 1));
    if (m_buffer.size() > MaxPartialFrame)
        disconnectClient();
}
