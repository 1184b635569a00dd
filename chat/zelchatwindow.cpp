#include "chat/zelchatwindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHeaderView>
#include <QMenu>
#include <QMovie>
#include <QTime>
#include <QTimer>
#include <QTreeWidgetItem>

namespace {

// Columns shared by the upload and download tables.
enum FileColumn { FileNameColumn = 0, FolderColumn = 1, PeerColumn = 3, StatusColumn = 5, LockedColumn = 6 };
const int kFileColumnCount = 7;

const char kFailureBackground[] = "#f5fffa";

} // namespace

ZELChatWindow::ZELChatWindow()
    : QWidget(nullptr)
{
    setupUi(this);
    // Frameless: the form draws its own title strip.
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowMinimizeButtonHint);
    setWindowIcon(QIcon(QStringLiteral(":images/chat_icon.png")));
    setAcceptDrops(true);

    m_uploadTimer = new QTimer(this);
    m_downloadTimer = new QTimer(this);

    // Both animations stay stopped until typing or a download starts them.
    m_typingMovie = new QMovie(QStringLiteral(":images/pencil.gif"), QByteArray(), this);
    m_typingMovie->setCacheMode(QMovie::CacheAll);
    m_messageIndicationGif->setMovie(m_typingMovie);
    m_messageIndicationGif->setScaledContents(true);
    m_transferMovie = new QMovie(QStringLiteral(":images/filedownload.gif"), QByteArray(), this);
    m_downLoadProgressBar->setMovie(m_transferMovie);

    totalMessage->setReadOnly(true);
    downLoadPage->setEnabled(false);
    Chat->setCurrentIndex(0);

    serverMessage->setFocus();
    sendButton->setEnabled(false);
    m_stopChatButton->setEnabled(false);
    m_inviteChatButton->setEnabled(false);
    m_removeChatButton->setEnabled(false);

    m_downLoadProgressBar->hide();
    m_messageDeliveredLabel->hide();
    m_messDeliveredCloseButton->hide();
    m_indicateFileReceivedLabel->hide();
    m_conferenceButton->hide();
    m_conferenceChatFrame->hide();
    m_conferenceChatFrame->header()->hide();
    m_conferenceChatFrame->setRootIsDecorated(false);
    m_conferenceRootItem = new QTreeWidgetItem(m_conferenceChatFrame);
    m_conferenceRootItem->setExpanded(true);
    m_quickReplyButton->setPopupMode(QToolButton::MenuButtonPopup);

    tableSettings();
}

ZELChatWindow::~ZELChatWindow() = default;

void ZELChatWindow::setUserDetails(QString ownLoginId, QString peer, QString loginPassword)
{
    m_ownLoginId = ownLoginId;
    m_peer = peer;
    m_loginPassword = loginPassword;
}

void ZELChatWindow::restoreWindowState()
{
    if (m_maximizedFlag) {
        showMaximized();
        setMask(QRegion(rect()));
        setGeometry(0, 0, width(), height());
    } else {
        showNormal();
        setMask(QRegion(rect()));
        m_maximizedFlag = false;
    }
}

void ZELChatWindow::tableSettings()
{
    for (QTableWidget *table : { m_uploadedFiletable, m_dowLoadtable }) {
        table->setColumnCount(kFileColumnCount);
        table->setEditTriggers(QAbstractItemView::NoEditTriggers);
        table->setColumnHidden(PeerColumn, true);
        table->setColumnHidden(LockedColumn, true);
    }
}

void ZELChatWindow::setDefaultSettings(QString escKey, QString enterKey, QString hourFormat24)
{
    m_escKeyOption = escKey;
    m_enterKeyOption = enterKey;
    m_hourFormat24 = hourFormat24;
}

void ZELChatWindow::enableSmiley(QString smiley, QString businessCard)
{
    m_smileyButton->setEnabled(smiley == QLatin1String("TRUE"));
    // Only one-to-one windows have a peer card; the invite button marks a conference.
    if (!m_inviteChatButton->isHidden())
        return;
    QWidget *const card[] = { m_userStatusPixmap, m_userNameLabel, m_userRoleLabel, m_userStatusLabel };
    if (businessCard == QLatin1String("TRUE") && !m_userRoleLabel->text().simplified().isEmpty()) {
        for (QWidget *w : card)
            w->show();
    } else if (businessCard == QLatin1String("FALSE")) {
        for (QWidget *w : card)
            w->hide();
    }
}

void ZELChatWindow::chatTabEnableDisable(bool disable)
{
    QWidget *const controls[] = { serverMessage, sendButton, m_boldButton, m_italicButton,
                                  m_underLineButton, m_colorButton, m_backGroundColorButton,
                                  m_smileyButton, m_conferenceButton, m_quickReplyButton,
                                  m_passwordProtectButton };
    for (QWidget *w : controls)
        w->setEnabled(!disable);
    // The reply button of an open protected-message window follows quick reply.
    if (auto *reply = findChild<QWidget *>(QStringLiteral("m_replyButton")))
        reply->setEnabled(m_quickReplyButton->isEnabled());
    if (disable) {
        m_deskTopCaptureButton->setEnabled(false);
        m_insertImageToolButton->setEnabled(false);
        m_fileSend->setEnabled(false);
    } else {
        const bool pictures = m_pictureRight == QLatin1String("Yes");
        m_deskTopCaptureButton->setEnabled(pictures);
        m_insertImageToolButton->setEnabled(pictures);
        m_fileSend->setEnabled(m_fileRight == QLatin1String("Yes"));
    }
}

void ZELChatWindow::ftpCancel()
{
    m_browsebutton->setEnabled(true);
    m_ftpOk->setEnabled(true);
    m_ftpCancel->setEnabled(true);
}

void ZELChatWindow::movieFinished()
{
    m_messageTypeLabel->clear();
}

void ZELChatWindow::changeDefaultFtpLocation(QString folder)
{
    m_downloadFolder = folder;
    for (int row = 0; row < m_dowLoadtable->rowCount(); ++row) {
        QTableWidgetItem *status = m_dowLoadtable->item(row, StatusColumn);
        if (!status || status->text() != QLatin1String("Waiting"))
            continue;
        QTableWidgetItem *path = m_dowLoadtable->item(row, FolderColumn);
        if (!path) {
            path = new QTableWidgetItem;
            m_dowLoadtable->setItem(row, FolderColumn, path);
        }
        path->setText(folder);
    }
}

QString ZELChatWindow::statusTimeText() const
{
    const QTime now = QTime::currentTime();
    if (m_hourFormat24 == QLatin1String("TRUE"))
        return now.toString(Qt::TextDate).left(11);
    return now.toString(QStringLiteral("hh:mm:ss ap"));
}

void ZELChatWindow::setUploadFailedStatus()
{
    const QString time = statusTimeText();
    for (int row = 0; row < m_uploadedFiletable->rowCount(); ++row) {
        QTableWidgetItem *status = m_uploadedFiletable->item(row, StatusColumn);
        if (!status || status->text() != QLatin1String("Uploading..."))
            continue;
        status->setText(QStringLiteral("Uploading Failed"));
        status->setForeground(QBrush(Qt::red));
        const QTableWidgetItem *name = m_uploadedFiletable->item(row, FileNameColumn);
        totalMessage->append(QStringLiteral("<table bgcolor = ") + QLatin1String(kFailureBackground)
                             + QStringLiteral(" width='100%' cellspacing='0' border='0'><tr><td width='80%'>"
                                              "<b>File sending status ::: ")
                             + (name ? name->text() : QString())
                             + QStringLiteral(" sending <font color=red>Failed</td><td width='20%' align='right'>"
                                              "<font color=darkgray><b>")
                             + time + QStringLiteral("</td></tr></table>"));
    }
}

void ZELChatWindow::setDownloadFailedStatus()
{
    const QString time = statusTimeText();
    bool failed = false;
    for (int row = 0; row < m_dowLoadtable->rowCount(); ++row) {
        QTableWidgetItem *status = m_dowLoadtable->item(row, StatusColumn);
        if (!status || status->text() != QLatin1String("Downloading..."))
            continue;
        failed = true;
        status->setText(QStringLiteral("Downloading Failed"));
        status->setForeground(QBrush(Qt::red));
        const QTableWidgetItem *name = m_dowLoadtable->item(row, FileNameColumn);
        totalMessage->append(QStringLiteral("<table bgcolor = ") + QLatin1String(kFailureBackground)
                             + QStringLiteral(" width='100%' cellspacing='0' border='0'><tr><td width='80%'>"
                                              "<b>File downloading status ::: ")
                             + (name ? name->text() : QString())
                             + QStringLiteral(" downloading <font color=red>Failed</td><td width='20%' align='right'>"
                                              "<font color=darkgray><b>")
                             + time + QStringLiteral("</td></tr></table>"));
    }
    if (failed)
        m_fileStatusLabel->setText(QStringLiteral("Downloading Failed"));
}

void ZELChatWindow::changePasswordForProtectedMessage(QString password)
{
    m_loginPassword = password;
}

void ZELChatWindow::replyMessageDetails(QString details)
{
    m_replyDetails = details;
}

void ZELChatWindow::createQickReplyMenuItem(QString replies, QString option)
{
    m_quickReplyOption = option;
    auto *menu = new QMenu(this);
    const QStringList entries = replies.split(QStringLiteral("##"), Qt::KeepEmptyParts);
    for (const QString &entry : entries)
        menu->addAction(entry);
    m_quickReplyButton->setMenu(menu);
}

void ZELChatWindow::updateQuickReplyMessageMenuItems(QString replies, QString option)
{
    m_quickReplyOption = option;
    if (QMenu *old = m_quickReplyButton->menu()) {
        m_quickReplyButton->setMenu(nullptr);
        old->deleteLater();
    }
    createQickReplyMenuItem(replies, option);
}

void ZELChatWindow::closeEvent(QCloseEvent *event)
{
    // A running screen capture hides every chat window; none may close meanwhile.
    if (m_ignoreClose) {
        event->ignore();
        return;
    }

    if (windowTitle().contains(QLatin1String("Sending Offline Message"))) {
        QString key = m_offlinePeer + QStringLiteral("OfflineMessage");
        emit closeChat(key);
    } else if (m_chatRoomListBox->count() == 0 && !m_peer.isEmpty()) {
        QString key = m_peer;
        emit closeChat(key);
        if (!m_closeSilently) {
            QStringList request { QStringLiteral("CLOSECHATWINDOW"), m_peer, m_ownLoginId,
                                  m_ownLoginId + QStringLiteral(" has closed the chat window") };
            emit closeChatWindow(request);
        }
    } else {
        QString key = m_conferenceSessionName;
        emit closeChat(key);
        // The owner's stop already told the participants; a participant says goodbye.
        const bool owner = m_inviteChatButton->isVisible() && m_stopChatButton->isVisible();
        if (!owner) {
            QStringList request { QStringLiteral("CLOSECONFERENCECHATWINDOW"), m_ownLoginId,
                                  m_conferenceSessionName,
                                  m_ownDisplayName + QStringLiteral(" left from this conference chat") };
            for (int i = 0; i < m_chatRoomListBox->count(); ++i)
                request << m_chatRoomListBox->item(i)->toolTip();
            emit closeConferenceChatWindow(request);
        }
    }

    QWidget *modal = QApplication::activeModalWidget();
    if (modal && modal->parentWidget() == this)
        modal->close();
    event->accept();
    deleteLater();
}
