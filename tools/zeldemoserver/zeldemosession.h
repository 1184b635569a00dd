#ifndef ZELDEMOSESSION_H
#define ZELDEMOSESSION_H

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include "peer/zeltestpeer.h"

class QTcpSocket;

// One client connection of the demo server. It cuts the client's frames out of
// a bounded buffer, decodes each with the client's own bounded decoder, and
// hands requests and file data on; a frame that does not decode is counted and
// skipped, and a client that sends more than a frame may hold without a
// terminator is disconnected. Nothing one client sends reaches another
// session except through the server's handlers.
class ZELDemoSession : public QObject
{
    Q_OBJECT

public:
    // More than this without a terminator is no frame of ours.
    static constexpr qsizetype MaxPartialFrame = 80 * 1024 * 1024;

    // What the next file frame of this client belongs to: the request that
    // announced it (chat, conference, offline file or voice mail).
    struct PendingUpload
    {
        ZELTestPeer::Request offer;
    };

    ZELDemoSession(QTcpSocket *socket, int id, QObject *parent);
    ~ZELDemoSession() override;

    int id() const { return m_id; }
    bool isConnected() const;
    void sendText(const QString &xml);
    void sendFile(const QByteArray &fileData);
    void disconnectClient();

    // Sign-in state, kept by the server.
    QString login;
    bool signedIn = false;
    bool invisible = false;
    QString status = QStringLiteral("Online");
    QString statusMessage;
    QList<PendingUpload> uploads;
    int badFrames = 0;

signals:
    void requestReceived(ZELDemoSession *session, const ZELTestPeer::Request &request);
    void fileReceived(ZELDemoSession *session, const QByteArray &fileData);
    void closed(ZELDemoSession *session);

private:
    void readClient();

    QPointer<QTcpSocket> m_socket;
    QByteArray m_buffer;
    qsizetype m_searchFrom = 0;
    int m_id = 0;
    bool m_closedReported = false;
};

#endif
