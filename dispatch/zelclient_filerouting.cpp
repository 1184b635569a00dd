#include "core/zelclient.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QBrush>
#include <QIcon>
#include <QLabel>
#include <QMovie>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>

#include <memory>

#include "chat/zelchatwindow.h"
#include "protocol/zelfileblock.h"
#include "protocol/zelfilenames.h"
#include "protocol/zelfilewriter.h"
#include "media/zelvoicemailinbox.h"
#include "messages/zelofflinemessageswidget.h"
#include "style/zelmessageboxclass.h"
#include "mainwindow/zelcontactrow.h"

// A received file is written off the window's thread (ZELFileWriter): the
// download shows as under way until the write has ended, then as stored or
// as failed. A write that fails leaves an existing file of that name as it was.

namespace {

const QString Downloading = QStringLiteral("Downloading....");
const int ChatDownloadPathColumn = 1;

// The file block without its closing marker, written whole to path.
ZELFileWriter::Job storeBlock(const QString &path, const QByteArray &files)
{
    return [path, files](const std::atomic_bool &cancelled) {
        if (path.isEmpty())
            return ZELSafeWrite::Result{false, QStringLiteral("The file name is not allowed")};
        return ZELSafeWrite::replace(path, ZELFileBlock::content(files), {}, &cancelled);
    };
}

void clearDownloadFlags(ZELClient &client)
{
    client.m_downloadInProgress = false;
    for (ZELChatWindow *window : std::as_const(client.m_chatWindows)) {
        if (window)
            window->m_downloading = false;
    }
    if (ZELOfflineMessagesWidget *inbox = client.m_offlineMessagesWidget.built())
        inbox->m_downloading = false;
}

void restoreCursor(ZELClient &client)
{
    if (client.m_waitCursorShown) {
        QApplication::restoreOverrideCursor();
        client.m_waitCursorShown = false;
    }
}

QTableWidgetItem *redItem(const QString &text)
{
    auto *item = new QTableWidgetItem(text);
    item->setForeground(QBrush(Qt::red));
    // The column is narrow: the whole reason shows on pointing at it.
    item->setToolTip(text);
    return item;
}

// The file of an accepted chat or conference offer could not be stored: the
// window shows the download as failed instead of finished, and why in the
// row's path.
void reportChatDownloadFailed(ZELClient &client, const QString &reason)
{
    ZELChatWindow *window = client.m_chatWindows.value(client.m_transferPeer);
    if (!window)
        return;
    QTableWidget *table = window->hasFilePages() ? window->filePages().m_dowLoadtable : nullptr;
    for (int row = 0; table && row < table->rowCount(); ++row) {
        const QTableWidgetItem *state = table->item(row, 5);
        if (state && state->text() == QLatin1String("Downloading..."))
            table->setItem(row, ChatDownloadPathColumn, redItem(reason));
    }
    window->setDownloadFailedStatus();
    window->hideDownloadProgress();
    if (window->m_downloadTimer)
        window->m_downloadTimer->stop();
    window->Chat->setTabIcon(2, ZELContactRow::icon(QStringLiteral(":images/downloading.png")));
}

void finishVoiceMail(ZELClient &client, const QString &storedName, const ZELSafeWrite::Result &result)
{
    restoreCursor(client);
    if (result) {
        client.updateVoiceMailInboxTable(storedName);
        return;
    }
    client.m_informationBox->showInformationBox(
        client.m_voiceMailInbox.get(), QStringLiteral("Voice Mail"),
        ZELSafeWrite::notSaved(QStringLiteral("Voice mail"), result));
}

void routeVoiceMail(ZELClient &client, const QByteArray &files)
{
    client.m_voiceMailDownloading = false;
    if (!client.m_voiceMailInbox.isVisible()) {
        restoreCursor(client);
        return;
    }
    const QString path = zelSafeFilePath(client.m_dataFolder + QStringLiteral("/VoiceMails"),
                                         client.m_downloadVoiceMailName);
    // Chosen with the write, off the window's thread: a mail named like an
    // earlier one is kept beside it; the same bytes again need no copy.
    auto storedName = std::make_shared<QString>(QFileInfo(path).fileName());
    const ZELFileWriter::Job job = [path, files, storedName](const std::atomic_bool &cancelled) {
        if (path.isEmpty())
            return ZELSafeWrite::Result{false, QStringLiteral("The file name is not allowed")};
        const QByteArrayView data = ZELFileBlock::content(files);
        QString stored = path;
        if (QFileInfo::exists(path)) {
            QFile earlier(path);
            if (earlier.size() == data.size() && earlier.open(QIODevice::ReadOnly) && earlier.readAll() == data)
                return ZELSafeWrite::Result{true, QString()};
            stored = zelFreeFilePath(path);
        }
        *storedName = QFileInfo(stored).fileName();
        return ZELSafeWrite::replace(stored, data, {}, &cancelled);
    };
    client.m_fileWriter->run(job, [&client, storedName](const ZELSafeWrite::Result &result) {
        finishVoiceMail(client, *storedName, result);
    });
}

void finishOfflineFile(ZELClient &client, const ZELSafeWrite::Result &result)
{
    clearDownloadFlags(client);
    ZELOfflineMessagesWidget *inbox = client.m_offlineMessagesWidget.get();
    if (inbox->m_rotationTimer)
        inbox->m_rotationTimer->stop();
    inbox->m_offlineTabWidget->setTabIcon(1, ZELContactRow::icon(QStringLiteral(":images/ftp.gif")));

    const QString state = result ? QStringLiteral("Downloaded") : QStringLiteral("Failed");
    QTableWidget *table = inbox->m_receivedFileDetailsTable;
    for (int row = 0; row < table->rowCount(); ++row) {
        QTableWidgetItem *status = table->item(row, ZELOfflineMessagesWidget::StatusColumn);
        if (!status || status->text() != Downloading)
            continue;
        auto *item = new QTableWidgetItem(state);
        item->setForeground(QBrush(result ? Qt::darkGreen : Qt::red));
        table->setItem(row, ZELOfflineMessagesWidget::StatusColumn, item);
        // Why, where a lost connection shows "Network Problem".
        if (!result)
            table->setItem(row, ZELOfflineMessagesWidget::PathColumn, redItem(result.error));
        if (inbox->m_fileStatusLabel->text() == Downloading)
            inbox->m_fileStatusLabel->setText(result ? state : result.error);
        break;
    }
}

void routeOfflineFile(ZELClient &client, const QByteArray &files)
{
    client.m_offlineFileDownloading = false;
    const QString path = zelSafeFilePath(client.m_offlineFileFolder, client.m_offlineFileName);
    client.m_fileWriter->run(storeBlock(path, files),
                             [&client](const ZELSafeWrite::Result &result) { finishOfflineFile(client, result); });
}

void finishChatFile(ZELClient &client, bool conference, const ZELSafeWrite::Result &result)
{
    clearDownloadFlags(client);
    if (conference)
        client.m_conferenceDownload = false;
    if (!result) {
        reportChatDownloadFailed(client, result.error);
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

void routeChatFile(ZELClient &client, const QByteArray &files)
{
    client.m_chatDownloadPending = false;
    client.m_fileDataAwaited = false;
    const bool conference = client.m_conferenceDownload;
    const QString path = zelSafeFilePath(client.m_saveFolder, client.m_transferFileName);
    client.m_fileWriter->run(storeBlock(path, files), [&client, conference](const ZELSafeWrite::Result &result) {
        finishChatFile(client, conference, result);
    });
}

} // namespace

// The file block carries no name: it belongs to what the client asked for,
// known from the download under way, and is taken for that whatever its bytes
// hold, so that a file the user accepted is stored as it came. Only the
// banner, which nothing asks for, is known by its marker.
bool ZELClient::routeFileBlock(QByteArray &files)
{
    if (files.isEmpty())
        return true;
    if (m_voiceMailDownloading) {
        routeVoiceMail(*this, files);
        return true;
    }
    if (m_offlineFileDownloading) {
        routeOfflineFile(*this, files);
        return true;
    }
    if (m_chatDownloadPending) {
        routeChatFile(*this, files);
        return true;
    }
    if (m_fileDataAwaited && !ZELFileBlock::isVoiceChat(files) && ZELFileBlock::isBanner(files)) {
        callBannerLogoFileCreation(files);
        return false;
    }
    // Voice-chat data, and data nobody asked for, is dropped.
    return true;
}

void ZELClient::endDownloads()
{
    m_fileWriter->cancelAll();
    m_chatDownloadPending = false;
    m_conferenceDownload = false;
    m_offlineFileDownloading = false;
    m_voiceMailDownloading = false;
    restoreCursor(*this);
    clearDownloadFlags(*this);
}
