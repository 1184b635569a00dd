#include "core/zelclient.h"

#include "chat/zelchatwindow.h"
#include "messages/zelofflinemessageswidget.h"
#include "style/zeltextbounds.h"

#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QMovie>
#include <QTimer>

namespace {

const int kStateColumn = 5;
const int kPathColumn = 1;

QTableWidgetItem *colouredItem(const QString &text, const QColor &colour)
{
    auto *item = new QTableWidgetItem(text);
    item->setForeground(QBrush(colour));
    return item;
}

void markUploading(ZELClient &client)
{
    client.m_uploadInProgress = true;
    for (ZELChatWindow *window : std::as_const(client.m_chatWindows)) {
        if (window)
            window->m_uploading = true;
    }
}

// Marks the answered row of a download table. The row is found by the file's
// own name: a later offer may already have put another name on the page.
void markDownloadRow(ZELClient &client, const QString &peer, const QString &fileName, const QString &result)
{
    ZELChatWindow *window = client.m_chatWindows.value(peer);
    if (!window)
        return;
    window->filePages().m_fileStatusLabel->setText(result);
    const bool declined = result == QLatin1String("Declined");
    QTableWidget *table = window->filePages().m_dowLoadtable;
    for (int row = 0; row < table->rowCount(); ++row) {
        const QTableWidgetItem *state = table->item(row, kStateColumn);
        const QTableWidgetItem *name = table->item(row, 0);
        // Found by the transferred file's own name, not the name as shown.
        if (!state || !name || ZELTextBounds::wireName(name) != fileName)
            continue;
        if (state->text() != QLatin1String(declined ? "Waiting" : "Downloading..."))
            continue;
        if (declined) {
            table->setItem(row, kStateColumn, colouredItem(result, Qt::red));
            table->setItem(row, kPathColumn, colouredItem(QStringLiteral("File Declined"), Qt::red));
        } else {
            table->setItem(row, kStateColumn, colouredItem(result, Qt::darkGreen));
            window->m_downloadTimer->stop();
            window->Chat->setTabIcon(2, QIcon(QStringLiteral(":images/downloading.png")));
        }
        break;
    }
}

} // namespace

// ---------------------------------------------------------------------------
// Uploads

void ZELClient::fileToSend(QString &filePath, QString &receiver, QString &banner, QString &ownDisplayName,
                           QString &locked)
{
    QFile file(filePath);
    if (!QFileInfo(filePath).isFile() || !file.open(QIODevice::ReadOnly)) {
        // An offer without its file would leave the server, and every later
        // upload of this client, waiting for data that never comes.
        if (ZELChatWindow *window = m_chatWindows.value(receiver)) {
            window->setUploadFailedStatus();
            window->m_uploadTimer->stop();
            window->Chat->setTabIcon(1, QIcon(QStringLiteral(":images/uploading.png")));
        }
        return;
    }
    const QString size = QString::number(file.size());
    file.close();

    QStringList request{QStringLiteral("FTPREADY"), receiver, m_loginId, QFileInfo(filePath).fileName(), size,
                        banner, ownDisplayName, locked};
    convertXMLSendToServer(request);
    fileUpload(filePath);
    markUploading(*this);
}

void ZELClient::sendFileInconferenceChat(QString &filePath, QStringList &request)
{
    convertXMLSendToServer(request);
    fileUpload(filePath);
    markUploading(*this);
}

// ---------------------------------------------------------------------------
// Downloads

void ZELClient::fileAcceptedSignal(QStringList &request, QString &folder, QString &sender)
{
    m_saveFolder = folder;
    m_transferFileName = request.value(2);
    if (request.value(0) == QLatin1String("FTPACCEPT")) {
        m_transferPeer = sender;
        m_conferenceDownload = false;
        m_chatDownloadDone = false;
    } else {
        m_transferSender = sender;
        m_transferPeer = request.value(4);
        m_conferenceDownload = true;
        m_conferenceDownloadDone = false;
    }
    m_fileDataAwaited = true;
    m_chatDownloadPending = true;
    m_downloadInProgress = true;
    for (ZELChatWindow *window : std::as_const(m_chatWindows)) {
        if (window)
            window->m_downloading = true;
    }
    m_offlineMessagesWidget->m_downloading = true;
    convertXMLSendToServer(request);
}

// A decline answers a waiting offer only: the names of the download under way
// (m_transferPeer, m_transferFileName, m_transferSender) stay as they are, or
// its arriving bytes would be stored under the declined file's name.
void ZELClient::fileDeclinedSignal(QStringList &details)
{
    const QString declined = QStringLiteral("Declined");
    const QString fileName = details.value(1);
    const QString peer = details.value(2);
    QStringList request = details.value(0) == QLatin1String("CHAT")
                              ? QStringList{QStringLiteral("FTPSTATUS"), peer, m_loginId, declined, fileName}
                              : QStringList{QStringLiteral("CONFERENCECHATFTPSTATUS"), details.value(3),
                                            m_loginId + QStringLiteral("##") + m_ownDisplayName, declined,
                                            fileName, peer};
    convertXMLSendToServer(request);
    markDownloadRow(*this, peer, fileName, declined);
}

void ZELClient::fileTransferStatusSignal(QStringList &request)
{
    convertXMLSendToServer(request);
}

// The chat windows' file transfers report here once a received file is stored
// or declined.
void ZELClient::ftpStatus(QString status)
{
    QStringList request{QStringLiteral("FTPSTATUS"), m_transferPeer, m_loginId, status, m_transferFileName};
    convertXMLSendToServer(request);
    ftpAcceptRejectResult(status);
}

void ZELClient::conferenceChatFtpStatus(QString status)
{
    QStringList request{QStringLiteral("CONFERENCECHATFTPSTATUS"), m_transferSender,
                        m_loginId + QStringLiteral("##") + m_ownDisplayName, status, m_transferFileName,
                        m_transferPeer};
    convertXMLSendToServer(request);
    ftpAcceptRejectResult(status);
}

void ZELClient::ftpAcceptRejectResult(QString result)
{
    markDownloadRow(*this, m_transferPeer, m_transferFileName, result);
}

static void finishProgress(ZELClient &client, bool done, const QString &answer)
{
    ZELChatWindow *window = client.m_chatWindows.value(client.m_transferPeer);
    if (!window || !done)
        return;
    window->hideDownloadProgress();
    window->filePages().m_dowLoadtable->clearSelection();
    window->filePages().m_fileStatusLabel->setText(answer == QLatin1String("YES") ? QStringLiteral("Downloaded")
                                                                      : QStringLiteral("Declined"));
}

void ZELClient::advanceProgressBar(QString done)
{
    finishProgress(*this, m_chatDownloadDone, done);
}

void ZELClient::conferenceProgressBar(QString done)
{
    finishProgress(*this, m_conferenceDownloadDone, done);
}
