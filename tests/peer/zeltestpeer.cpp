#include "zeltestpeer.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDomDocument>
#include <QDomElement>
#include <QEventLoop>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

namespace {

const QByteArray writeEnd("<WRITEEND>");
const QByteArray fileEnd("<FILEEND>");

// Text as QDomDocument writes it ("<" and "&" escaped, ">" after "]]", CR as a
// reference, quotes raw), in one pass: the document's own escaping moves the
// rest of the text for every character it escapes, so a long list of values
// separated by "&&" took the peer far longer to write than the client to read.
void appendEscaped(QString &out, const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'<')
            out += QLatin1String("&lt;");
        else if (c == u'&')
            out += QLatin1String("&amp;");
        else if (c == u'>' && i >= 2 && text.at(i - 1) == u']' && text.at(i - 2) == u']')
            out += QLatin1String("&gt;");
        else if (c == u'\r')
            out += QLatin1String("&#xd;");
        else
            out += c;
    }
}

// An element as QDomDocument::toString(1) writes it, one space of indent a level.
void appendNode(QString &out, const ZELTestPeer::Node &node, int depth)
{
    out += QString(depth, u' ') + u'<' + node.tag + u'>';
    if (node.children.isEmpty()) {
        appendEscaped(out, node.text);
    } else {
        out += u'\n';
        for (const ZELTestPeer::Node &child : node.children)
            appendNode(out, child, depth + 1);
        out += QString(depth, u' ');
    }
    out += QLatin1String("</") + node.tag + QLatin1String(">\n");
}

} // namespace

QString ZELTestPeer::Request::value(const QString &element, int n) const
{
    for (const auto &field : fields) {
        if (field.first == element && n-- == 0)
            return field.second;
    }
    return QString();
}

QStringList ZELTestPeer::Request::values(const QString &element) const
{
    QStringList result;
    for (const auto &field : fields) {
        if (field.first == element)
            result << field.second;
    }
    return result;
}

QStringList ZELTestPeer::Request::tags() const
{
    QStringList result;
    for (const auto &field : fields)
        result << field.first;
    return result;
}

ZELTestPeer::ZELTestPeer(QObject *parent)
    : QObject(parent)
    , m_server(new QTcpServer(this))
{
    connect(m_server, &QTcpServer::newConnection, this, &ZELTestPeer::acceptConnection);
}

ZELTestPeer::~ZELTestPeer() = default;

bool ZELTestPeer::listen(quint16 port)
{
    return m_server->listen(QHostAddress::LocalHost, port);
}

quint16 ZELTestPeer::port() const
{
    return m_server->serverPort();
}

QString ZELTestPeer::host() const
{
    return QHostAddress(QHostAddress::LocalHost).toString();
}

bool ZELTestPeer::isConnected() const
{
    return m_client && m_client->state() == QAbstractSocket::ConnectedState;
}

bool ZELTestPeer::waitForConnection(int timeoutMs)
{
    if (!waitUntil([this] { return isConnected() && !m_clientTaken; }, timeoutMs))
        return false;
    m_clientTaken = true;
    return true;
}

bool ZELTestPeer::waitForDisconnection(int timeoutMs)
{
    return waitUntil([this] { return !isConnected(); }, timeoutMs);
}

ZELTestPeer::Request ZELTestPeer::waitForRequest(const QString &type, int timeoutMs)
{
    int found = -1;
    waitUntil([&] {
        for (int i = 0; i < m_requests.size(); ++i) {
            if (!m_taken.at(i) && m_requests.at(i).type == type) {
                found = i;
                return true;
            }
        }
        return false;
    }, timeoutMs);
    if (found < 0)
        return Request();
    m_taken[found] = true;
    return m_requests.at(found);
}

bool ZELTestPeer::waitForFile(QByteArray *fileData, int timeoutMs)
{
    if (!waitUntil([this] { return m_filesTaken < m_files.size(); }, timeoutMs))
        return false;
    if (fileData)
        *fileData = m_files.at(m_filesTaken);
    ++m_filesTaken;
    return true;
}

QList<ZELTestPeer::Request> ZELTestPeer::requests() const
{
    return m_requests;
}

QStringList ZELTestPeer::requestTypes() const
{
    QStringList types;
    for (const Request &request : m_requests)
        types << request.type;
    return types;
}

QList<QByteArray> ZELTestPeer::files() const
{
    return m_files;
}

int ZELTestPeer::badFrames() const
{
    return m_badFrames;
}

void ZELTestPeer::clearRequests()
{
    m_requests.clear();
    m_taken.clear();
    m_files.clear();
    m_filesTaken = 0;
    m_badFrames = 0;
}

void ZELTestPeer::sendText(const QString &xml)
{
    sendRaw(textFrame(xml));
}

void ZELTestPeer::sendTexts(const QStringList &xmls)
{
    QByteArray bytes;
    for (const QString &xml : xmls)
        bytes += textFrame(xml);
    sendRaw(bytes);
}

void ZELTestPeer::sendFile(const QByteArray &fileData)
{
    sendRaw(fileFrame(fileData));
}

void ZELTestPeer::sendRaw(const QByteArray &bytes)
{
    if (!m_client)
        return;
    m_client->write(bytes);
    m_client->flush();
}

void ZELTestPeer::dropConnection()
{
    if (m_client)
        m_client->abort();
    m_buffer.clear();
}

bool ZELTestPeer::waitUntil(const std::function<bool()> &condition, int timeoutMs)
{
    if (condition())
        return true;
    QDeadlineTimer deadline(timeoutMs);
    QEventLoop loop;
    // The tick lets the condition be checked although nothing else happens.
    QTimer tick;
    tick.setInterval(5);
    QObject::connect(&tick, &QTimer::timeout, &loop, &QEventLoop::quit);
    tick.start();
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        loop.exec();
    }
    return true;
}

QByteArray ZELTestPeer::frame(const QByteArray &payload)
{
    return qCompress(payload, 9) + writeEnd;
}

QByteArray ZELTestPeer::textFrame(const QString &xml)
{
    // Latin-1 on the wire; any other character as a character reference, which
    // every XML reader turns back into the character.
    QByteArray bytes;
    bytes.reserve(xml.size());
    for (uint code : xml.toUcs4()) {
        if (code <= 0xff)
            bytes.append(char(code));
        else
            bytes.append("&#" + QByteArray::number(code) + ';');
    }
    return frame(bytes);
}

QByteArray ZELTestPeer::fileFrame(const QByteArray &fileData)
{
    return frame(fileData + fileEnd);
}

bool ZELTestPeer::decodeFrame(const QByteArray &piece, QByteArray *payload)
{
    const QByteArray decoded = piece.size() > 4 ? qUncompress(piece) : QByteArray();
    if (payload)
        *payload = decoded;
    return !decoded.isEmpty();
}

ZELTestPeer::Request ZELTestPeer::decodeRequest(const QString &xml)
{
    // A document without an element (an unknown request type) still counts,
    // with an empty type.
    QDomDocument doc;
    doc.setContent(xml);
    const QDomElement root = doc.documentElement();
    Request request;
    request.type = root.tagName();
    request.xml = xml;
    request.sequence = 0;
    for (QDomElement child = root.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement())
        request.fields.append({child.tagName(), child.text()});
    return request;
}

QString ZELTestPeer::message(const QString &root, const Fields &children)
{
    QList<Node> nodes;
    for (const auto &child : children)
        nodes.append(Node(child.first, child.second));
    return messageTree(root, nodes);
}

QString ZELTestPeer::messageTree(const QString &root, const QList<Node> &children)
{
    if (children.isEmpty())
        return u'<' + root + QLatin1String("/>\n");
    QString out = u'<' + root + QLatin1String(">\n");
    for (const Node &child : children)
        appendNode(out, child, 1);
    return out + QLatin1String("</") + root + QLatin1String(">\n");
}

void ZELTestPeer::acceptConnection()
{
    while (QTcpSocket *socket = m_server->nextPendingConnection()) {
        // One client at a time: a new connection replaces the old one.
        if (m_client) {
            m_client->disconnect(this);
            m_client->abort();
            m_client->deleteLater();
        }
        m_client = socket;
        m_clientTaken = false;
        m_buffer.clear();
        connect(socket, &QTcpSocket::readyRead, this, &ZELTestPeer::readClient);
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            if (m_client == socket) {
                m_buffer.clear();
                emit clientDisconnected();
            }
            socket->deleteLater();
        });
        emit clientConnected();
    }
}

void ZELTestPeer::readClient()
{
    if (!m_client)
        return;
    m_buffer += m_client->readAll();
    qsizetype at;
    while ((at = m_buffer.indexOf(writeEnd)) >= 0) {
        const QByteArray piece = m_buffer.left(at);
        m_buffer.remove(0, at + writeEnd.size());
        QByteArray payload;
        if (!decodeFrame(piece, &payload)) {
            ++m_badFrames;
            continue;
        }
        if (payload.contains(fileEnd)) {
            if (payload.endsWith(fileEnd))
                payload.chop(fileEnd.size());
            m_files.append(payload);
            emit fileReceived(payload);
            continue;
        }
        Request request = decodeRequest(QString::fromLatin1(payload));
        request.sequence = m_sequence++;
        m_requests.append(request);
        m_taken.append(false);
        emit requestReceived(request);
    }
}
