// File offers, uploads and downloads of the chat window.
#include "chat/zelchatwindow.h"

#include "chat/zeltranscript.h"
#include "mainwindow/zelcontactrow.h"
#include "protocol/zelfilenames.h"
#include "platform/zelchoosers.h"
#include "platform/zeldesktopservices.h"
#include "platform/zelfilepermissions.h"
#include "platform/zelplatform.h"
#include "style/zelmessageboxclass.h"
#include "style/zeltextbounds.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QMimeData>
#include <QMovie>
#include <QTimer>
#include <QUrl>

namespace {

enum Column { NameColumn = 0, PathColumn = 1, SizeColumn = 2, UserColumn = 3, DisplayColumn = 4,
              StateColumn = 5, LockColumn = 6 };

const qint64 kMaxUploadSize = 2097152;
const int kIconInterval = 100;

QString cellText(const QTableWidget *table, int row, int column)
{
    const QTableWidgetItem *item = table->item(row, column);
    return item ? item->text() : QString();
}

// The file name of a row as sent; the cell may show it cleaned and shortened.
QString fileNameAt(const QTableWidget *table, int row)
{
    return ZELTextBounds::wireName(table->item(row, NameColumn));
}

QTableWidgetItem *colouredItem(const QString &text, const QColor &colour)
{
    auto *item = new QTableWidgetItem(text);
    item->setForeground(QBrush(colour));
    return item;
}

// A file name as the questions show it, inside their markup.
QString shortName(const QString &wireName)
{
    const QString name = ZELTextBounds::withoutFormatControls(wireName);
    return (name.size() > 20 ? name.left(20) + QStringLiteral("...") : name).toHtmlEscaped();
}

// The row of the download table for the file on the page: the first row of
// that name still waiting for an answer (a name may be offered again after an
// earlier file of that name was answered), else the first row of that name.
int currentDownloadRow(ZELChatWindow *window)
{
    Ui_chatFilePages &pages = window->filePages();
    const QString name = ZELTextBounds::wireName(pages.m_recievedFileLabel);
    int first = -1;
    for (int row = 0; row < pages.m_dowLoadtable->rowCount(); ++row) {
        if (fileNameAt(pages.m_dowLoadtable, row) != name)
            continue;
        if (cellText(pages.m_dowLoadtable, row, StateColumn) == QLatin1String("Waiting"))
            return row;
        if (first < 0)
            first = row;
    }
    return first;
}

bool readable(const QString &path, QByteArray *data = nullptr)
{
    QFile file(path);
    if (path.isEmpty() || !QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return false;
    if (data)
        *data = file.readAll();
    return true;
}

bool writableFolder(const QString &folder)
{
    return QFileInfo(folder).isDir() && ZELPlatform::filePermissions()->isWritable(folder);
}

} // namespace

// ---------------------------------------------------------------------------
// Offers and uploads

void ZELChatWindow::fileSend()
{
    const QString title = QStringLiteral("File Transfer");
    if (m_uploading) {
        m_informationBox->showInformationBox(this, title, QStringLiteral("Wait..Already one file is uploaded"));
        return;
    }

    emit pauseMovie();
    QString path;
    if (m_fileDropped) {
        path = filePages().m_dragAndDropFileNameLable->text();
    } else {
        path = ZELPlatform::choosers()->openFileName(this, QStringLiteral("Choose a file to send"),
                                                     QDir::homePath() + QStringLiteral("/Desktop"),
                                                     QStringLiteral("All Files (*)"));
    }
    emit restartMovie();

    const QFileInfo info(path);
    if (info.fileName().section(QLatin1Char('.'), -1).toLower() == QLatin1String("exe")
        && info.fileName().contains(QLatin1Char('.'))) {
        m_informationBox->showInformationBox(this, title, QStringLiteral("Exe files not accepted to upload"));
        return;
    }
    QByteArray data;
    if (!readable(path, &data))
        return;

    const QString fileName = info.fileName();
    const QString size = QString::number(data.size());
    if (m_questionBox->showQuestionBox(this, title,
                                       QStringLiteral("Are you sure you want to send <font color=Blue>")
                                           + shortName(fileName) + QStringLiteral("</font> file ?"),
                                       3, 4)
        != 3)
        return;
    if (data.size() >= kMaxUploadSize) {
        m_informationBox->showInformationBox(this, title, QStringLiteral("File size should be less than 2 MB"));
        return;
    }

    Chat->setCurrentIndex(1);
    const bool offline = windowTitle().contains(QLatin1String("Sending Offline Message"));
    const bool conference = !offline && participantCount() > 0;
    QString locked = QStringLiteral("0");
    if (!offline) {
        locked = m_passwordProtectButton->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
        m_passwordProtectButton->setChecked(false);
    }

    const auto addRow = [&](const QString &user, const QString &display) {
        QTableWidget *table = filePages().m_uploadedFiletable;
        const int row = table->rowCount();
        table->insertRow(row);
        table->setRowHeight(row, 15);
        auto *name = new QTableWidgetItem(fileName);
        if (locked == QLatin1String("1"))
            name->setIcon(QIcon(QStringLiteral(":images/lock.gif")));
        table->setItem(row, NameColumn, name);
        table->setItem(row, PathColumn, new QTableWidgetItem(path));
        table->setItem(row, SizeColumn, new QTableWidgetItem(size + QStringLiteral(" bytes")));
        table->setItem(row, UserColumn, new QTableWidgetItem(user));
        table->setItem(row, DisplayColumn, new QTableWidgetItem(display));
        table->setItem(row, StateColumn, colouredItem(QStringLiteral("Uploading..."), Qt::blue));
        table->setItem(row, LockColumn, new QTableWidgetItem(locked));
    };

    if (offline) {
        QStringList request{QStringLiteral("OFFLINEMESSAGEFTPREADY"), m_ownLoginId, m_offlinePeer, fileName, size};
        addRow(m_offlinePeer, m_peerDisplayName);
        emit sendFileInOfflineMessage(path, request);
    } else if (conference) {
        m_forceConferenceHeading = QStringLiteral("ADD");
        QStringList request{QStringLiteral("CONFERENCECHATFTPREADY"),
                            m_ownLoginId + QStringLiteral("##") + m_ownDisplayName, m_conferenceSessionName,
                            fileName, size + QStringLiteral("##") + locked};
        for (int i = 0; i < participantCount(); ++i) {
            const QListWidgetItem *entry = m_chatRoomListBox->item(i);
            request << entry->toolTip();
            addRow(entry->toolTip(), entry->text());
        }
        emit sendFileInconferenceChat(path, request);
    } else {
        m_forceHeading = QStringLiteral("ADD");
        addRow(m_peer, m_peerDisplayName);
        QString banner = QStringLiteral("ADD_BANNER");
        if (!totalMessage->document()->isEmpty()
            && totalMessage->lastHeading(m_ownDisplayName) > totalMessage->lastHeading(m_peerDisplayName))
            banner.clear();
        QString peer = m_peer;
        QString own = m_ownDisplayName;
        emit sendFile(path, peer, banner, own, locked);
    }
    m_uploadTimer->start(kIconInterval);
}

void ZELChatWindow::rotateUploadingIcon()
{
    Chat->setTabIcon(1, QIcon(QStringLiteral(":images/icon") + QString::number(m_uploadIconFrame)
                              + QStringLiteral(".png")));
    m_uploadIconFrame = m_uploadIconFrame == 3 ? 0 : m_uploadIconFrame + 1;
}

void ZELChatWindow::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->mimeData()->hasFormat(QStringLiteral("text/uri-list")))
        event->acceptProposedAction();
}

void ZELChatWindow::dropEvent(QDropEvent *event)
{
    m_pictureDropped = false;
    const QList<QUrl> urls = event->mimeData()->urls();
    if (!urls.isEmpty()) {
        const QString path = urls.first().toLocalFile();
        if (QFileInfo(path).isFile() && m_fileSend->isEnabled()) {
            m_fileDropped = true;
            filePages().m_dragAndDropFileNameLable->setText(path);
            fileSend();
            m_fileDropped = false;
        }
    }
    event->acceptProposedAction();
}

// ---------------------------------------------------------------------------
// Downloads

void ZELChatWindow::downLoadTabClose()
{
    filePages().m_browsebutton->setEnabled(false);
    filePages().m_ftpOk->setEnabled(false);
    filePages().m_ftpCancel->setEnabled(false);
}

void ZELChatWindow::selectFileToDowload(int row, int)
{
    filePages().m_dowLoadtable->setRangeSelected(QTableWidgetSelectionRange(row, NameColumn, row, StateColumn), true);
    if (cellText(filePages().m_dowLoadtable, row, StateColumn) != QLatin1String("Waiting"))
        downLoadTabClose();
    else
        ftpCancel();
    ZELTextBounds::setFileName(filePages().m_recievedFileLabel, fileNameAt(filePages().m_dowLoadtable, row));
    filePages().m_defaultFileLocation->setText(cellText(filePages().m_dowLoadtable, row, PathColumn));
    filePages().m_fileStatusLabel->setText(cellText(filePages().m_dowLoadtable, row, StateColumn));
}

void ZELChatWindow::openDowloadedFile(int row, int)
{
    const QString title = QStringLiteral("Open Downloaded File");
    filePages().m_dowLoadtable->setRangeSelected(QTableWidgetSelectionRange(row, NameColumn, row, StateColumn), true);
    if (!filePages().m_dowLoadtable->item(row, StateColumn))
        return;
    if (cellText(filePages().m_dowLoadtable, row, StateColumn) != QLatin1String("Accepted")) {
        m_informationBox->showInformationBox(this, title, QStringLiteral("File not downloaded"));
        return;
    }
    const QString name = fileNameAt(filePages().m_dowLoadtable, row);
    const QString path = zelSafeFilePath(cellText(filePages().m_dowLoadtable, row, PathColumn), name);
    QString address = path;
    if (address.contains(QLatin1String("//")))
        address.replace(QLatin1Char('/'), QLatin1Char('\\'));
    if (m_questionBox->showQuestionBox(this, QStringLiteral("Downloaded File"),
                                       QStringLiteral("Are you sure you want to open <font color=Blue>")
                                           + shortName(name) + QStringLiteral("<font color=Black> file ?"),
                                       3, 4)
        != 3)
        return;
    if (path.isEmpty() || !QFileInfo::exists(path)) {
        m_informationBox->showInformationBox(this, title, QStringLiteral("File does not exist"));
        return;
    }
    if (!ZELPlatform::desktopServices()->openUrl(QUrl::fromUserInput(address)))
        m_informationBox->showInformationBox(this, title, QStringLiteral("Unknown file format"));
}

void ZELChatWindow::ftpBrowseLocation()
{
    const QString folder = ZELPlatform::choosers()->existingFolder(this, QStringLiteral("Choose a directory"),
                                                                   m_downloadFolder);
    if (folder.isEmpty())
        return;
    if (!writableFolder(folder)) {
        m_informationBox->showInformationBox(this, QStringLiteral("Access Denied"),
                                             QStringLiteral("Destination folder is write protected"));
        return;
    }
    const int row = currentDownloadRow(this);
    if (row >= 0)
        filePages().m_dowLoadtable->setItem(row, PathColumn, new QTableWidgetItem(folder));
    filePages().m_defaultFileLocation->setText(folder);
}

void ZELChatWindow::alertMessageBox()
{
    m_overwriteFile = m_questionBox->showQuestionBox(this, QStringLiteral("File Transfer"),
                                                     QStringLiteral("Do you want to over write this file ?"), 0, 1)
                      == 0;
}

QString ZELChatWindow::recieverName()
{
    const int row = currentDownloadRow(this);
    if (row < 0 || cellText(filePages().m_dowLoadtable, row, StateColumn) != QLatin1String("Waiting"))
        return QString();
    return cellText(filePages().m_dowLoadtable, row, UserColumn);
}

void ZELChatWindow::ftpAcceptStatus()
{
    const int row = currentDownloadRow(this);
    if (row >= 0 && cellText(filePages().m_dowLoadtable, row, StateColumn) == QLatin1String("Waiting"))
        filePages().m_dowLoadtable->setItem(row, StateColumn, colouredItem(QStringLiteral("Downloading..."), Qt::blue));
}

void ZELChatWindow::ftpAccept()
{
    const QString title = QStringLiteral("File Downloading");
    if (m_downloading) {
        m_informationBox->showInformationBox(this, title, QStringLiteral("Wait..Already one file is downloading"));
        return;
    }
    // Only a waiting row can be answered; the buttons may still be on for another.
    if (recieverName().isEmpty())
        return;
    QString folder = filePages().m_defaultFileLocation->text();
    if (!QFileInfo(folder).isDir()) {
        m_informationBox->showInformationBox(this, title, QStringLiteral("Path does not exist"));
        return;
    }
    if (!writableFolder(folder)) {
        m_informationBox->showInformationBox(this, QStringLiteral("Access Denied"),
                                             QStringLiteral("Destination folder is write protected"));
        return;
    }
    const QString target = zelSafeFilePath(folder, ZELTextBounds::wireName(filePages().m_recievedFileLabel));
    if (!target.isEmpty() && QFileInfo::exists(target)) {
        alertMessageBox();
        // On Yes the old file stays until the received one replaces it in one
        // step, so a download that fails does not lose it.
        if (!m_overwriteFile) {
            const QString chosen = ZELPlatform::choosers()->existingFolder(
                this, QStringLiteral("Choose a directory"), m_downloadFolder);
            if (!chosen.isEmpty()) {
                filePages().m_defaultFileLocation->setText(chosen);
                const int row = currentDownloadRow(this);
                if (row >= 0)
                    filePages().m_dowLoadtable->setItem(row, PathColumn, new QTableWidgetItem(chosen));
            }
            return;
        }
    }
    if (findPasswordProtectedFile())
        return;

    const QString fileName = ZELTextBounds::wireName(filePages().m_recievedFileLabel);
    QStringList request = m_peer.isEmpty()
                              ? QStringList{QStringLiteral("CONFERENCECHATFTPACCEPT"), m_ownLoginId, fileName,
                                            QStringLiteral("Accepted"), m_conferenceSessionName}
                              : QStringList{QStringLiteral("FTPACCEPT"), m_ownLoginId, fileName, m_peer};

    filePages().m_fileStatusLabel->setText(QStringLiteral("Downloading.........."));
    downLoadTabClose();
    if (QMovie *movie = filePages().m_downLoadProgressBar->movie()) {
        if (!m_moviesPaused)
            movie->start();
    }
    filePages().m_downLoadProgressBar->show();

    QString sender = recieverName();
    ftpAcceptStatus();
    emit fileAcceptedSignal(request, folder, sender);
    m_downloadTimer->start(kIconInterval);

    --m_receivedFileCount;
    if (m_receivedFileCount <= 0) {
        m_receivedFileCount = 0;
        m_indicateFileReceivedLabel->hide();
    } else {
        m_indicateFileReceivedLabel->setText(QStringLiteral("(") + QString::number(m_receivedFileCount)
                                             + QStringLiteral(") Files received"));
    }
}

void ZELChatWindow::ftpDeclined()
{
    if (m_questionBox->showQuestionBox(this, QStringLiteral("Decline File "),
                                       QStringLiteral("Are you sure you want to decline the selected file ?"), 0, 1)
        != 0) {
        filePages().m_dowLoadtable->clearSelection();
        return;
    }
    if (findDeclinedFilePwdProtected()) {
        filePages().m_dowLoadtable->clearSelection();
        return;
    }
    // A row already answered cannot be declined again.
    QString sender = recieverName();
    if (sender.isEmpty()) {
        filePages().m_dowLoadtable->clearSelection();
        return;
    }
    const QString fileName = ZELTextBounds::wireName(filePages().m_recievedFileLabel);
    QStringList request = m_peer.isEmpty()
                              ? QStringList{QStringLiteral("CONFERECECHAT"), fileName, m_conferenceSessionName}
                              : QStringList{QStringLiteral("CHAT"), fileName, m_peer};
    filePages().m_fileStatusLabel->setText(QStringLiteral("Declined"));
    filePages().m_defaultFileLocation->setText(QStringLiteral("File Declined"));
    request << sender;
    downLoadTabClose();
    emit fileDeclinedSignal(request);

    --m_receivedFileCount;
    if (m_receivedFileCount <= 0) {
        m_receivedFileCount = 0;
        m_indicateFileReceivedLabel->hide();
    } else {
        m_indicateFileReceivedLabel->setText(QStringLiteral("(") + QString::number(m_receivedFileCount)
                                             + QStringLiteral(") Files received"));
    }
    filePages().m_dowLoadtable->clearSelection();
}

void ZELChatWindow::checkFileStaus()
{
    m_transferActive = false;
    // Without file pages no offer ever came.
    if (!hasFilePages())
        return;
    for (int row = 0; row < filePages().m_dowLoadtable->rowCount(); ++row) {
        if (cellText(filePages().m_dowLoadtable, row, StateColumn) == QLatin1String("Waiting")) {
            m_transferActive = true;
            return;
        }
    }
}

void ZELChatWindow::sendFileDeclainedStatus()
{
    bool asked = false;
    const int rows = hasFilePages() ? filePages().m_dowLoadtable->rowCount() : 0;
    for (int row = 0; row < rows; ++row) {
        if (cellText(filePages().m_dowLoadtable, row, StateColumn) != QLatin1String("Waiting"))
            continue;
        if (!asked) {
            asked = true;
            if (!m_closeSilently && !m_conferenceStopped && Chat->isTabEnabled(2)) {
                m_keepOpen = m_questionBox->showQuestionBox(
                                 this, QStringLiteral("File download"),
                                 QStringLiteral("Files are waiting to be download.Do you want to close the chat "
                                                "window?"),
                                 3, 4)
                             != 3;
            }
        }
        if (m_keepOpen)
            continue;
        const QString sender = cellText(filePages().m_dowLoadtable, row, UserColumn);
        const QString fileName = fileNameAt(filePages().m_dowLoadtable, row);
        QStringList request = m_peer.isEmpty()
                                  ? QStringList{QStringLiteral("CONFERENCECHATFTPSTATUS"), sender,
                                                m_ownLoginId + QStringLiteral("##") + m_ownDisplayName,
                                                QStringLiteral("Declined"), fileName, m_conferenceSessionName}
                                  : QStringList{QStringLiteral("FTPSTATUS"), sender, m_ownLoginId,
                                                QStringLiteral("Declined"), fileName};
        emit fileTransferStatusSignal(request);
    }
    m_conferenceStopped = false;
}

void ZELChatWindow::rotateDownloadingIcon()
{
    Chat->setTabIcon(2, QIcon(QStringLiteral(":images/icon") + QString::number(m_downloadIconFrame)
                              + QStringLiteral(".png")));
    m_downloadIconFrame = m_downloadIconFrame == 3 ? 0 : m_downloadIconFrame + 1;
}

void ZELChatWindow::showFileOffer(const QString &wireName, const QString &size, const QString &sender,
                                  const QString &displayName, const QString &locked, const QString &folder)
{
    Ui_chatFilePages &pages = filePages();
    ZELTextBounds::setFileName(pages.m_recievedFileLabel, wireName);
    pages.m_defaultFileLocation->setText(folder);
    pages.m_fileStatusLabel->setText(QStringLiteral("Waiting"));

    QTableWidget *table = pages.m_dowLoadtable;
    const int row = table->rowCount();
    table->insertRow(row);
    table->setRowHeight(row, 15);
    auto *name = new QTableWidgetItem;
    ZELTextBounds::setFileName(name, wireName);
    if (locked == QLatin1String("1"))
        name->setIcon(ZELContactRow::icon(":images/lock.gif"));
    table->setItem(row, NameColumn, name);
    table->setItem(row, PathColumn, new QTableWidgetItem(folder));
    table->setItem(row, SizeColumn, new QTableWidgetItem(ZELTextBounds::shownName(size) + QStringLiteral(" bytes")));
    table->setItem(row, UserColumn, new QTableWidgetItem(sender));
    table->setItem(row, DisplayColumn, new QTableWidgetItem(ZELTextBounds::shownName(displayName)));
    table->setItem(row, StateColumn, colouredItem(QStringLiteral("Waiting"), Qt::blue));
    table->setItem(row, LockColumn, new QTableWidgetItem(locked));

    ++m_receivedFileCount;
    m_indicateFileReceivedLabel->setText(QStringLiteral("(") + QString::number(m_receivedFileCount)
                                         + QStringLiteral(") Files received"));
    m_indicateFileReceivedLabel->show();
}
