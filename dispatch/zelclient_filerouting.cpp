#include "core/zelclient.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QBrush>
#include <QIcon>
#include <QLabel>
#include <QMetaObject>
#include <QMovie>
#include <QSaveFile>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>

#include "chat/zelchatwindow.h"
#include "protocol/zelfileblock.h"
#include "protocol/zelfilenames.h"
#include "media/zelvoicemailinbox.h"
#include "messages/zelofflinemessageswidget.h"
#include "style/zelmessageboxclass.h"
#include "mainwindow/zelcontactrow.h"

namespace {

const int OfflineFileStatusColumn = 6;
const QString Downloading = QStringLiteral("Downloading....");

// Writes a received file in one piece. False when the name is refused, the
// file cannot be made, or not every byte reached the disk: the old content of
// an existing file is then left as it was.
bool writeReceivedFile(const QString &path, QByteArrayView data)
{
    if (path.isEmpty())
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(data.data(), data.size()) != data.size()) {
        file.cancelWriting();
        file.commit();
        return false;
    }
    return file.commit();
}

void clearDownloadFlags(ZELClient &client)
{
    client.m_downloadInProgress = false;
    for (ZELChatWindow *window : std::as_const(client.m_chatWindows)) {
        if (window)
            window->m_downloading = false;
    }
    client.m_offlineMessagesWidget->m_downloading = false;
}

// The file of an accepted chat or conference offer could not be stored: the
// window shows the download as failed instead of finished.
void reportChatDownloadFailed(ZELClient &client)
{
    ZELChatWindow *window = client.m_chatWindows.value(client.m_transferPeer);
    if (!window)
        return;
    window->setDownloadFailedStatus();
    window->hideDownloadProgress();
    if (window->m_downloadTimer)
        window->m_downloadTimer->stop();
    window->Chat->setTabIcon(2, ZELContactRow::icon(QStringLiteral(":images/downloading.png")));
}

void routeVoiceMail(ZELClient &client, const QByteArray &files)
{
    if (client.m_voiceMailInbox.isVisible()) {
        const QString path = zelSafeFilePath(client.m_dataFolder + QStringLiteral("/VoiceMails"),
                                             client.m_downloadVoiceMailName);
        const QByteArrayView data = ZELFileBlock::content(files);
        // A mail named like an earlier one is kept beside it; the same bytes again need no copy.
        QString stored = path;
        bool same = false;
        if (!path.isEmpty() && QFileInfo::exists(path)) {
            QFile earlier(path);
            same = earlier.size() == data.size() && earlier.open(QIODevice::ReadOnly) && earlier.readAll() == data;
            if (!same)
                stored = zelFreeFilePath(path);
        }
        if (same || writeReceivedFile(stored, data)) {
            client.updateVoiceMailInboxTable(QFileInfo(stored).fileName());
        } else {
            client.m_informationBox->showInformationBox(client.m_voiceMailInbox.get(), QStringLiteral("Voice Mail"),
                                                        QStringLiteral("Voice mail could not be saved"));
        }
    }
    if (client.m_waitCursorShown) {
        QApplication::restoreOverrideCursor();
        client.m_waitCursorShown = false;
    }
    client.m_voiceMailDownloading = false;
}

void routeOfflineFile(ZELClient &client, const QByteArray &files)
{
    const bool stored = writeReceivedFile(zelSafeFilePath(client.m_offlineFileFolder, client.m_offlineFileName),
                                          ZELFileBlock::content(files));

    clearDownloadFlags(client);
    client.m_offlineFileDownloading = false;
    ZELOfflineMessagesWidget *inbox = client.m_offlineMessagesWidget.get();
    if (inbox->m_rotationTimer)
        inbox->m_rotationTimer->stop();
    inbox->m_offlineTabWidget->setTabIcon(1, ZELContactRow::icon(QStringLiteral(":images/ftp.gif")));

    const QString result = stored ? QStringLiteral("Downloaded") : QStringLiteral("Failed");
    QTableWidget *table = inbox->m_receivedFileDetailsTable;
    for (int row = 0; row < table->rowCount(); ++row) {
        QTableWidgetItem *status = table->item(row, OfflineFileStatusColumn);
        if (!status || status->text() != Downloading)
            continue;
        auto *item = new QTableWidgetItem(result);
        item->setForeground(QBrush(stored ? Qt::darkGreen : Qt::red));
        table->setItem(row, OfflineFileStatusColumn, item);
        if (inbox->m_fileStatusLabel->text() == Downloading)
            inbox->m_fileStatusLabel->setText(result);
        break;
    }
}

void routeChatFile(ZELClient &client, const QByteArray &files)
{
    // Data nobody accepted has no folder chosen for it: it is dropped.
    if (!client.m_chatDownloadPending)
        return;
    const bool conference = client.m_conferenceDownload;
    const bool stored = writeReceivedFile(zelSafeFilePath(client.m_saveFolder, client.m_transferFileName),
                                          ZELFileBlock::content(files));

    clearDownloadFlags(client);
    client.m_chatDownloadPending = false;
    client.m_fileDataAwaited = false;
    if (conference)
        client.m_conferenceDownload = false;
    if (!stored) {
        reportChatDownloadFailed(client);
        return;
    }
    if (conference) {
        client.conferenceChatFtpStatus(QStringLiteral("Accepted"));
        client.m_conferenceDownloadDone = true;
        client.conferenceProgressBar(QStringLiteral("YES"));
    } else {
        client.ftpStatus(QStringLiteral("Accepted"));
        client.m_chatDownloadDone = true;
        client.advanceProgressBar(QStringLiteral("YES"));
    }
}

} // namespace

// The file block carries no name: which download it belongs to is known only
// from the flags of the download under way, tested in a fixed order.
bool ZELClient::routeFileBlock(QByteArray &files)
{
    if (files.isEmpty() || ZELFileBlock::isVoiceChat(files))
        return true;

    if (m_voiceMailDownloading) {
        routeVoiceMail(*this, files);
        return true;
    }
    if (m_offlineFileDownloading) {
        routeOfflineFile(*this, files);
        return true;
    }
    if (m_fileDataAwaited) {
        if (ZELFileBlock::isBanner(files)) {
            callBannerLogoFileCreation(files);
            return false;
        }
        routeChatFile(*this, files);
    }
    return true;
}
