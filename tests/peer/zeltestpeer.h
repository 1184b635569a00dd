#ifndef ZELTESTPEER_H
#define ZELTESTPEER_H

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPair>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <functional>

class QTcpServer;
class QTcpSocket;

// The server side of the client's wire, for tests and the demo server. Listens on
// 127.0.0.1 (an ephemeral port unless told otherwise), takes one client connection
// at a time, decodes the client's frames on its own (plain qUncompress and QDom),
// and sends text frames, file frames or raw bytes back.
class ZELTestPeer : public QObject
{
    Q_OBJECT

public:
    using Fields = QList<QPair<QString, QString>>;

    // One request of the client: root tag and its children (tag, text) in order.
    struct Request
    {
        QString type;
        Fields fields;
        QString xml;
        int sequence = -1; // position in arrival order; -1 for "no request"

        bool isValid() const { return sequence >= 0; }
        // Text of the n-th child of that name; empty when there is none.
        QString value(const QString &element, int n = 0) const;
        QStringList values(const QString &element) const;
        QStringList tags() const;
    };

    // One element of a server message: either text or children.
    struct Node
    {
        QString tag;
        QString text;
        QList<Node> children;

        Node(const QString &tag, const QString &text = QString()) : tag(tag), text(text) {}
        Node(const QString &tag, const QList<Node> &children) : tag(tag), children(children) {}
    };

    explicit ZELTestPeer(QObject *parent = nullptr);
    ~ZELTestPeer() override;

    bool listen(quint16 port = 0);
    quint16 port() const;
    QString host() const; // "127.0.0.1"
    bool isConnected() const;
    // Waits for the next connection: one that no earlier call has returned.
    bool waitForConnection(int timeoutMs = 5000);
    bool waitForDisconnection(int timeoutMs = 5000);

    // The oldest request of that type not yet taken by a wait, waiting for it to
    // arrive; an invalid Request on time-out.
    Request waitForRequest(const QString &type, int timeoutMs = 5000);
    // The oldest file payload (without "<FILEEND>") not yet taken; false on time-out.
    bool waitForFile(QByteArray *fileData, int timeoutMs = 5000);
    QList<Request> requests() const;
    QStringList requestTypes() const;
    QList<QByteArray> files() const; // payloads without "<FILEEND>"
    int badFrames() const;           // frames that did not decompress
    void clearRequests();

    void sendText(const QString &xml);
    void sendTexts(const QStringList &xmls); // several text frames in one write
    void sendFile(const QByteArray &fileData);
    void sendRaw(const QByteArray &bytes);
    void dropConnection();
    // Runs the event loop until the condition holds or the time is up.
    static bool waitUntil(const std::function<bool()> &condition, int timeoutMs);

    // Frames as the server writes them (text outside Latin-1 as character references).
    static QByteArray frame(const QByteArray &payload);
    static QByteArray textFrame(const QString &xml);
    static QByteArray fileFrame(const QByteArray &fileData);
    // The payload of one frame (terminator already cut off); false when it does not decompress.
    static bool decodeFrame(const QByteArray &piece, QByteArray *payload);
    // Client's request text -> Request (sequence 0); the type is empty when it holds no element.
    static Request decodeRequest(const QString &xml);

    // Server messages: a root element holding one child per pair, or a tree.
    static QString message(const QString &root, const Fields &children);
    static QString messageTree(const QString &root, const QList<Node> &children);

signals:
    void clientConnected();
    void clientDisconnected();
    void requestReceived(const ZELTestPeer::Request &request);
    void fileReceived(const QByteArray &fileData);

private:
    void acceptConnection();
    void readClient();

    QTcpServer *m_server = nullptr;
    QPointer<QTcpSocket> m_client;
    bool m_clientTaken = false;
    QByteArray m_buffer;
    QList<Request> m_requests;
    QList<bool> m_taken;
    QList<QByteArray> m_files;
    int m_filesTaken = 0;
    int m_badFrames = 0;
    int m_sequence = 0;
};

#endif
