#include "core/zelclient.h"

#include <utility>

#include <QAction>
#include <QApplication>
#include <QAuthenticator>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QIcon>
#include <QListWidget>
#include <QMovie>
#include <QPixmap>
#include <QPushButton>
#include <QSystemTrayIcon>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextBrowser>
#include <QTimer>
#include <QTreeWidget>

#include "chat/zelchatwindow.h"
#include "chat/zelinvitablelist.h"
#include "contacts/zeladdcontact.h"
#include "contacts/zelapprovaladdcontact.h"
#include "contacts/zelapprovalrequesteduser.h"
#include "contacts/zeldeletecontact.h"
#include "protocol/zelfileblock.h"
#include "protocol/zelpreferencesfile.h"
#include "protocol/zelsafewrite.h"
#include "protocol/zelsettingslists.h"
#include "protocol/zeltcpsocket.h"
#include "core/zelthread.h"
#include "protocol/zelxmlcodec.h"
#include "media/zelvoicemail.h"
#include "media/zelvoicemailinbox.h"
#include "messages/zelchathistorylistwindow.h"
#include "messages/zelgroupmessagedialog.h"
#include "messages/zelofflinemessageswidget.h"
#include "reminders/zelreminderdialog.h"
#include "reminders/zelreminderpopup.h"
#include "settings/zelchangepassword.h"
#include "settings/zelconnecttoserversettings.h"
#include "mainwindow/zelcontactrow.h"

namespace {

const QString ServerDialogName = QStringLiteral("ZELConnectToServerSettings");
const QString ChangePasswordName = QStringLiteral("ZELChangePasswordDialog");
const QString GroupMessageName = QStringLiteral("ZELGroupMessageDialog");
const QString OfflineIcon = QStringLiteral(":images/Offline.png");

enum StackedPage { LoginPageIndex = 0, ContactPageIndex = 1, ProcessPageIndex = 2 };

QString setting(const QStringList &list, int position)
{
    return (position >= 0 && position < list.size()) ? list.at(position) : QString();
}

// A port text as a TCP port: 1 to 65535, or 0 when it is none (not a number,
// or out of range). Out-of-range numbers are refused rather than wrapped, so a
// typing slip never reaches some other port of the host.
quint16 portNumber(const QString &text)
{
    bool ok = false;
    const qlonglong value = text.toLongLong(&ok, 10);
    if (!ok || value < 1 || value > 65535)
        return 0;
    return static_cast<quint16>(value);
}

QNetworkProxy::ProxyType proxyType(const QString &word)
{
    if (word == QLatin1String("DefaultProxy"))
        return QNetworkProxy::DefaultProxy;
    if (word == QLatin1String("Socks5Proxy"))
        return QNetworkProxy::Socks5Proxy;
    if (word == QLatin1String("HttpProxy"))
        return QNetworkProxy::HttpProxy;
    return QNetworkProxy::NoProxy;
}

bool pageShown(ZELClient &client, QWidget *page, int index)
{
    return page->isVisible() || client.stackedWidget->currentIndex() == index;
}

void stopConnectingAnimations(ZELClient &client)
{
    client.m_processMovie->stop();
    client.m_connectingMovie->stop();
}

void restoreWaitCursor(ZELClient &client)
{
    if (client.m_waitCursorShown) {
        QApplication::restoreOverrideCursor();
        client.m_waitCursorShown = false;
    }
}

void rememberStatusForReSignIn(ZELClient &client)
{
    if (pageShown(client, client.MainPage, ContactPageIndex)) {
        // The session's windows stay, disabled, for its user to sign in again.
        client.m_lostSessionUser = client.m_loginId;
        client.m_reSignInPending = true;
        client.m_restoreStatusOnSignIn = true;
        client.m_statusBeforeLoss = client.m_statusMessageToolButton->text();
        return;
    }
    if (!client.m_signInPending)
        return;
    // The client's own sign-in went with the connection before its answer
    // came: it is made again, as it was, after the next banner. A sign-in the
    // user started is not: the sign-in page waits for them.
    switch (client.m_pendingSignInStarter) {
    case ZELClient::SignInStarter::AfterLoss:
        // The status before the first loss is still the one to restore.
        client.m_reSignInPending = true;
        client.m_restoreStatusOnSignIn = true;
        break;
    case ZELClient::SignInStarter::Stored:
        client.m_autoLoginTried = false;
        client.m_autoLoginList = {client.m_loginId, QStringLiteral("TRUE"), client.m_password};
        break;
    case ZELClient::SignInStarter::User:
        break;
    }
}

void setPlainFont(QAction *action)
{
    QFont font(QStringLiteral("Verdana"), 8);
    font.setBold(false);
    font.setItalic(false);
    action->setFont(font);
}

void showConnectingPage(ZELClient &client)
{
    client.m_connectToServerAction->setEnabled(false);
    client.m_settingsLabel->hide();
    if (!(client.processPage->isVisible() && client.stackedWidget->currentIndex() == ProcessPageIndex)) {
        client.m_connectingStatusLabel->setText(QStringLiteral("Connecting with Server"));
        if (!client.m_animationsPaused) {
            client.m_processMovie->start();
            client.m_connectingMovie->start();
        }
        client.stackedWidget->setCurrentWidget(client.processPage);
    }
}

// Reconnecting for a user who was not signed in: the attempts run behind the
// sign-in page, which says why and stays usable. On the connecting page he
// would wait, with no word and no way back, for a server that may be gone
// for hours. A signed-in user's session is made again by itself, and he
// waits for it on the connecting page.
bool attemptBehindSignInPage(const ZELClient &client)
{
    return client.m_reconnecting && !client.m_reSignInPending;
}

// A host whose packets are dropped on the way neither takes nor refuses the
// user's attempt: without a bound of our own he would wait for the system's
// timeout, two minutes and more, on the connecting page. Reconnect ticks
// have no bound: their attempts end as the system ends them.
void boundConnectionAttempt(ZELClient &client)
{
    if (!client.m_connectAttemptTimer) {
        client.m_connectAttemptTimer = new QTimer(&client);
        client.m_connectAttemptTimer->setSingleShot(true);
        QObject::connect(client.m_connectAttemptTimer, &QTimer::timeout, &client,
                         [&client] { client.giveUpConnectionAttempt(false); });
    }
    client.m_connectAttemptTimer->start(client.m_connectAttemptMs);
}

void stopConnectionAttemptBound(ZELClient &client)
{
    if (client.m_connectAttemptTimer)
        client.m_connectAttemptTimer->stop();
}

bool connecting(QAbstractSocket::SocketState state)
{
    return state == QAbstractSocket::HostLookupState || state == QAbstractSocket::ConnectingState;
}

// The steps every connection attempt shares, whether the user started it or
// a reconnect tick did.
void startConnectionAttempt(ZELClient &client, const QString &host, const QString &portText)
{
    const quint16 port = portNumber(portText);
    const QNetworkProxy::ProxyType type =
        proxyType(setting(client.m_connectionSettings, ZELConnectionList::ProxyType));
    const bool proxyNeedsPort = type == QNetworkProxy::HttpProxy || type == QNetworkProxy::Socks5Proxy;
    if (port == 0 || (proxyNeedsPort && portNumber(setting(client.m_connectionSettings,
                                                           ZELConnectionList::ProxyPort)) == 0)) {
        // No usable port: the attempt fails at once, as a refused connection would.
        client.displayError(QAbstractSocket::ConnectionRefusedError);
        return;
    }

    client.m_tcpSocket->setServerAddressAndPort(host, port);
    client.proxySettingsForConnect();

    client.m_trayIcon->setToolTip(QStringLiteral("ZEL Connecting..."));
    client.m_trayRotationTimer->start(100);

    // The connecting page goes up before the socket starts: a socket error
    // reported at once must find it there and take it down again.
    if (!attemptBehindSignInPage(client))
        showConnectingPage(client);
    // Armed first: an error reported at once stops it again.
    if (!client.m_reconnecting)
        boundConnectionAttempt(client);

    client.m_tcpSocket->connectToHost(host, port, QIODevice::ReadWrite);
}

template<typename Dialog>
Dialog *namedChild(ZELClient &client, const QString &name)
{
    return client.findChild<Dialog *>(name);
}

} // namespace

// The one road of every request to the server: compose, encode, compress,
// terminate and write. Nothing here checks the connection or the write; only
// while a lost session's windows close is nothing sent.
void ZELClient::convertXMLSendToServer(QStringList &request)
{
    if (m_requestsHeld)
        return;
    m_tcpSocket->sendRequest(request);
}

void ZELClient::fileUpload(QString &filePath)
{
    m_tcpSocket->sendFile(filePath);
}

void ZELClient::setConnectionState()
{
    const QAbstractSocket::SocketState state = m_tcpSocket->state();
    if (state == QAbstractSocket::ConnectedState || state == QAbstractSocket::ConnectingState)
        return;
    m_reconnecting = true;
    startConnectionAttempt(*this, setting(m_connectionSettings, ZELConnectionList::Host),
                           setting(m_connectionSettings, ZELConnectionList::Port));
}

void ZELClient::proxySettingsForConnect()
{
    m_networkProxy.setHostName(setting(m_connectionSettings, ZELConnectionList::ProxyHost));
    m_networkProxy.setPort(portNumber(setting(m_connectionSettings, ZELConnectionList::ProxyPort)));
    m_networkProxy.setUser(setting(m_connectionSettings, ZELConnectionList::ProxyUser));
    m_networkProxy.setPassword(setting(m_connectionSettings, ZELConnectionList::ProxyPassword));
    m_networkProxy.setType(proxyType(setting(m_connectionSettings, ZELConnectionList::ProxyType)));
    m_tcpSocket->setProxy(m_networkProxy);
}

void ZELClient::connected()
{
    QStringList request{QStringLiteral("CHECKVERSION"), QString::fromLatin1(BuildTag)};
    convertXMLSendToServer(request);

    m_workerThread->reconnectMode = false;
    m_reconnecting = false;
    stopConnectionAttemptBound(*this);

    m_connectionStateText = QStringLiteral("Connected");
    m_justConnected = true;
    m_connectionDown = false;

    m_trayIcon->setToolTip(QStringLiteral("ZEL ") + m_connectionStateText);
    m_connectedStateLabel->setText(QStringLiteral("<font color = 'green'>") + m_connectionStateText);

    m_connectToServerAction->setEnabled(false);
    m_signInAction->setEnabled(true);
    m_forgetPasswordButton->setEnabled(true);
    m_showErrorLable->clear();

    m_keepAliveTimer->start();
    m_settingsLabel->hide();
}

void ZELClient::sendKeepAliveSignalToServer()
{
    if (m_tcpSocket->state() == QAbstractSocket::ConnectedState) {
        QStringList request{QStringLiteral("KEEPALIVE"), QStringLiteral("live")};
        convertXMLSendToServer(request);
    } else {
        if (!(loginPage->isVisible() && stackedWidget->currentIndex() == LoginPageIndex))
            stackedWidget->setCurrentWidget(loginPage);
        closeConnection();
    }

    // The banner never came: do not keep the connecting page up for ever.
    if (!m_signInPending && m_justConnected && m_tcpSocket->state() == QAbstractSocket::ConnectedState) {
        m_justConnected = false;
        m_signInOnConnect = false;
        if (pageShown(*this, processPage, ProcessPageIndex)) {
            stopConnectingAnimations(*this);
            stackedWidget->setCurrentWidget(loginPage);
        }
    }
}

void ZELClient::closeConnection()
{
    // What came before the end of the connection is handled before it.
    settleSlicedWork();
    // A new connection owes no answer to a sign-in given up on this one.
    m_abandonedSignIns.clear();
    m_abandonedSessionOpen = false;

    if (m_versionRefused || m_signedInElsewhere) {
        if (m_workerThread->isRunning())
            m_workerThread->stop();
        m_connectionStateText = QStringLiteral("Disconnected");
        m_trayIcon->setToolTip(QStringLiteral("ZEL ") + m_connectionStateText);
        m_connectedStateLabel->setText(QStringLiteral("<font color = 'red'>") + m_connectionStateText);
        m_keepAliveTimer->stop();
        return;
    }

    // A frame cut off by the loss is dropped.
    m_tcpSocket->clearReceiveBuffer();
    rememberStatusForReSignIn(*this);
    // A sign-in waiting for this connection's banner is the user's to repeat.
    m_signInOnConnect = false;

    if (!m_workerThread->isRunning())
        m_workerThread->start();

    if (m_bannerMovie) {
        m_bannerMovie->stop();
        label->clear();
        // Lets go of the file so that it can be removed.
        m_bannerMovie->setFileName(QStringLiteral(" "));
        if (!m_animationsPaused)
            m_bannerMovie->start();
        QFile::remove(m_dataFolder + QStringLiteral("/Banner/banner.gif"));
    }

    m_connectionStateText = QStringLiteral("Disconnected");
    m_signedIn = false;
    // The banner is the first file data after reconnecting.
    m_fileDataAwaited = true;

    m_workerThread->reconnectMode = true;
    m_workerThread->activityMonitor = false;

    disConnectedSignal();

    m_trayIcon->setToolTip(QStringLiteral("ZEL ") + m_connectionStateText);
    m_connectedStateLabel->setText(QStringLiteral("<font color = 'red'>") + m_connectionStateText);

    m_connectToServerAction->setEnabled(true);
    m_signInAction->setEnabled(false);
    m_signInAction->setText(QStringLiteral("Sign In"));

    m_keepAliveTimer->stop();
    m_settingsLabel->show();

    if (!m_reSignInPending) {
        m_showErrorLable->setText(QStringLiteral("Connection to the server lost. Reconnecting..."));
        m_showErrorLable->show();
    }
}

// Everything of the signed-in state goes back to signed out, and every window
// that sends requests is told that the server is gone.
void ZELClient::disConnectedSignal()
{
    settleSlicedWork();
    // The field is empty once a sign-in went out; what it holds now was typed
    // (or remembered) on the sign-in page and stays for the next Sign In.
    passWordEdit->setFocus();

    // Clearing the tree deletes its rows: forget every pointer into it.
    m_contactView->clear();
    m_expandedContactItem = nullptr;
    m_recentChatsItem = nullptr;
    m_onlineItem = nullptr;
    m_offlineItem = nullptr;
    m_activeItem = nullptr;
    m_inactiveItem = nullptr;
    m_contactListEmptyItem = nullptr;
    m_searchMatches.clear();
    m_voiceMailIndicationLabel->setVisible(true);
    m_users.clear();

    if (m_workerThread->isRunning() && !m_workerThread->reconnectMode)
        m_workerThread->stop();
    m_workerThread->activityMonitor = false;

    m_connectionDown = true;
    if (m_bannerMovie && m_bannerMovie->state() == QMovie::Running)
        m_bannerMovie->stop();

    // Reminders
    m_reminders.clear();
    resetReminderAssignees();

    // Status controls
    if (m_invisibleModeCheckBox->isChecked())
        m_invisibleModeCheckBox->setChecked(false);
    if (m_invisibleModeAction->isChecked()) {
        m_invisibleModeAction->setChecked(false);
        m_invisibleModeAction->setText(QStringLiteral("&Invisible Mode"));
    }
    const QList<QAction *> statusActions{m_onlineAction, m_awayAction, m_busyAction,
                                         m_meetingAction, m_userStatusAction, m_invisibleModeAction};
    for (QAction *action : statusActions)
        action->setChecked(false);
    for (QAction *action : {m_trayStatusAction, m_voiceMailAction, m_chatAction,
                            m_addContactApprovalAction, m_conferenceChatAction})
        action->setEnabled(false);
    m_chatToolButton->setEnabled(false);
    m_conferenceChatToolButton->setEnabled(false);
    m_addContactApprovalAction->setText(QStringLiteral("Add Contact A&pproval"));
    for (QAction *action : statusActions)
        setPlainFont(action);

    if (ZELApprovalAddContact *approvals = m_approvalAddContactDialog.built())
        approvals->m_approvaltable->setRowCount(0);
    if (ZELApprovalRequestedUser *requests = m_approvalRequestedUserDialog.built())
        requests->m_approvaltable->setRowCount(0);
    m_offlineMessageList.clear();
    m_presentContacts.clear();
    m_recentChatUsers.clear();
    m_invisibleLogin = QStringLiteral("FALSE");
    // Chats waiting for a window came for this user: whoever signs in next
    // must not see or confirm them.
    holdWaitingChats(WaitingChatsEnd::ConnectionLost);

    // Markers back to their signed-out values
    m_preferencesEditMode = false;
    m_userNotInPreferences = true;
    m_loginListFilled = true;
    m_statusMessagesSaved = false;
    m_voiceMailDownloading = false;
    m_signInPending = false;
    m_pendingSignInStarter = SignInStarter::User;
    if (m_signInAnswerTimer)
        m_signInAnswerTimer->stop();
    m_signedIn = false;
    m_contactMenuRequested = false;
    restoreWaitCursor(*this);
    m_justConnected = false;
    m_profileFromChat = false;
    m_sessionActive = false;
    m_openChatMinimized = false;
    m_screenCaptureActive = false;
    m_decideLater = false;
    m_sortClickCount = 2;
    m_newVoiceMailCount = 0;
    m_trayAnimationFrame = 0;

    stackedWidget->setCurrentWidget(loginPage);
    m_trayIcon->setIcon(ZELContactRow::icon(OfflineIcon));

    // The visible long-lived windows, in a fixed order.
    if (m_deleteContactDialog.isVisible())
        m_deleteContactDialog->closeConnection();
    if (m_addContactDialog.isVisible())
        m_addContactDialog->closeConnection();
    if (m_approvalAddContactDialog.isVisible()) {
        m_approvalAddContactDialog->closeConnection();
        m_approvalAddContactDialog->close();
    }
    if (m_approvalRequestedUserDialog.isVisible()) {
        m_approvalRequestedUserDialog->closeConnection();
        m_approvalRequestedUserDialog->close();
    }
    if (m_chatHistoryWindow.isVisible())
        m_chatHistoryWindow->closeConnection();
    if (m_voiceMailRecorder.isVisible())
        m_voiceMailRecorder->closeConnection();
    if (m_voiceMailInbox.isVisible())
        m_voiceMailInbox->closeConnection();
    if (m_reminderDialog.isVisible()) {
        m_reminderDialog->disableReminderButtons();
        m_reminderDialog->close();
    }
    if (m_reminderPopup.isVisible()) {
        m_reminderPopup->disablePopupButtons();
        m_reminderPopup->close();
    }
    if (m_offlineMessagesWidget.isVisible())
        m_offlineMessagesWidget->closeConnection();

    for (ZELChatWindow *window : std::as_const(m_chatWindows)) {
        if (!window)
            continue;
        if (m_uploadInProgress) {
            window->setUploadFailedStatus();
            if (window->m_uploadTimer)
                window->m_uploadTimer->stop();
            window->Chat->setTabIcon(1, ZELContactRow::icon(QStringLiteral(":images/uploading.png")));
        }
        if (m_downloadInProgress) {
            window->setDownloadFailedStatus();
            window->hideDownloadProgress();
            if (window->m_downloadTimer)
                window->m_downloadTimer->stop();
            window->Chat->setTabIcon(2, ZELContactRow::icon(QStringLiteral(":images/downloading.png")));
        }
        if (window->m_offlineMessagePending) {
            window->totalMessage->append(
                QStringLiteral("<table bgcolor = ") + QColor(240, 255, 255).name()
                + QStringLiteral(" width='100%' cellspacing='0' border='0'><tr><td width='100%' "
                                 "align='center'><b><font color = 'red'>ZEL Disconnected Offline message "
                                 "sending failed</font></b></td></tr></table>"));
            window->m_offlineMessagePending = false;
        }
        window->Chat->setEnabled(false);
        window->invitableUsers().clear();
        window->m_uploading = false;
        window->m_downloading = false;
        if (!window->m_peer.isEmpty()) {
            window->m_userStatusLabel->setText(QStringLiteral("I am offline"));
            window->setPresencePicture(OfflineIcon);
            window->m_peerStatus = QStringLiteral("Offline");
            QString title = window->m_logoLabel->text();
            const qsizetype bracket = title.indexOf(QLatin1Char('('));
            if (bracket >= 0)
                title.truncate(bracket);
            title += QStringLiteral("(Offline)");
            window->setWindowTitle(title);
            window->m_logoLabel->setText(title);
        }
    }

    ZELOfflineMessagesWidget *offline = m_offlineMessagesWidget.built();
    if (offline && offline->m_downloading) {
        if (offline->m_rotationTimer)
            offline->m_rotationTimer->stop();
        offline->m_offlineTabWidget->setTabIcon(1, ZELContactRow::icon(QStringLiteral(":images/ftp.gif")));
        offline->m_downloading = false;
    }

    m_uploadInProgress = false;
    endDownloads();

    closeRequestDialogs();

    ZELChangePassword *changePassword = namedChild<ZELChangePassword>(*this, ChangePasswordName);
    if (changePassword && changePassword->isVisible())
        changePassword->closeConnection();
    ZELGroupMessageDialog *groupMessage = namedChild<ZELGroupMessageDialog>(*this, GroupMessageName);
    if (groupMessage && groupMessage->isVisible())
        groupMessage->closeConnection();
}

void ZELClient::connectedSignal()
{
    // Windows not built yet are told when they are built.
    m_lazyWindowsConnected = true;
    if (ZELDeleteContact *dialog = m_deleteContactDialog.built())
        dialog->connectedServer();
    if (ZELAddContact *dialog = m_addContactDialog.built())
        dialog->connectedServer();
    if (ZELApprovalAddContact *dialog = m_approvalAddContactDialog.built())
        dialog->connectedServer();
    if (ZELApprovalRequestedUser *dialog = m_approvalRequestedUserDialog.built())
        dialog->connectedServer();
    if (ZELChatHistoryListWindow *window = m_chatHistoryWindow.built())
        window->connectedServer();
    if (ZELVoiceMail *recorder = m_voiceMailRecorder.built())
        recorder->connectedServer();
    if (ZELVoiceMailInbox *inbox = m_voiceMailInbox.built())
        inbox->connectedServer();
    if (ZELReminderDialog *dialog = m_reminderDialog.built())
        dialog->enableReminderButtons();
    if (ZELReminderPopup *popup = m_reminderPopup.built())
        popup->enablePopupButtons();
    if (ZELOfflineMessagesWidget *window = m_offlineMessagesWidget.built())
        window->connectedServer();

    for (ZELChatWindow *window : std::as_const(m_chatWindows)) {
        if (!window)
            continue;
        window->Chat->setEnabled(true);
        // A conference page not built yet has them off already.
        if (window->hasConferencePage()) {
            window->m_inviteChatButton->setEnabled(false);
            window->m_removeChatButton->setEnabled(false);
        }
    }

    ZELChangePassword *changePassword = namedChild<ZELChangePassword>(*this, ChangePasswordName);
    if (changePassword && changePassword->isVisible())
        changePassword->connectedServer();
    ZELGroupMessageDialog *groupMessage = namedChild<ZELGroupMessageDialog>(*this, GroupMessageName);
    if (groupMessage && groupMessage->isVisible())
        groupMessage->connectedServer();
}

void ZELClient::displayError(QAbstractSocket::SocketError error)
{
    if (m_versionRefused || m_signedInElsewhere)
        return;

    m_showErrorLable->show();
    m_settingsLabel->show();
    m_connectToServerAction->setEnabled(true);
    restoreWaitCursor(*this);
    stopConnectionAttemptBound(*this);
    // A sign-in waiting for this attempt is given up: the sign-in page says
    // so and keeps what was typed for the next Sign In.
    const bool forSignIn = std::exchange(m_signInOnConnect, false);
    rememberStatusForReSignIn(*this);

    if (!m_reconnecting) {
        if (!(loginPage->isVisible() && stackedWidget->currentIndex() == LoginPageIndex))
            stackedWidget->setCurrentWidget(loginPage);
        m_trayAnimationFrame = 0;
        m_trayRotationTimer->stop();
        setWindowIcon(ZELContactRow::icon(QStringLiteral(":images/icon.png")));
        m_trayIcon->setToolTip(QStringLiteral("ZEL Not Connected"));
        m_trayIcon->setIcon(ZELContactRow::icon(OfflineIcon));
    }

    switch (error) {
    case QAbstractSocket::ConnectionRefusedError:
        // During automatic reconnection the line keeps what it said.
        if ((isVisible() || isHidden()) && !m_reconnecting) {
            m_showErrorLable->setText(QStringLiteral("Connection Refused.Check your inputs."));
            m_trayIcon->setToolTip(QStringLiteral("ZEL Not Connected"));
            m_trayIcon->setIcon(ZELContactRow::icon(OfflineIcon));
        }
        break;
    case QAbstractSocket::RemoteHostClosedError:
        m_showErrorLable->setText(QStringLiteral("Remote Host Closed Error"));
        break;
    case QAbstractSocket::HostNotFoundError:
        m_showErrorLable->setText(QStringLiteral("Host Not Found.Check your inputs."));
        break;
    case QAbstractSocket::SocketAccessError:
        m_showErrorLable->setText(QStringLiteral("Socket Access Error"));
        break;
    case QAbstractSocket::SocketResourceError:
        m_showErrorLable->setText(QStringLiteral("Socket Resource Error"));
        break;
    case QAbstractSocket::SocketTimeoutError:
        m_showErrorLable->setText(QStringLiteral("Socket Timeout Error"));
        break;
    case QAbstractSocket::DatagramTooLargeError:
        m_showErrorLable->setText(QStringLiteral("Datagram Too Large Error"));
        break;
    case QAbstractSocket::NetworkError:
        m_showErrorLable->setText(QStringLiteral("Network Error.Check your inputs."));
        break;
    case QAbstractSocket::ProxyAuthenticationRequiredError:
        m_showErrorLable->setText(QStringLiteral("Proxy Authentication Required Error"));
        break;
    default:
        m_showErrorLable->setText(QStringLiteral("Host Not Found"));
        break;
    }
    if (forSignIn)
        m_showErrorLable->setText(QStringLiteral("ZEL not connected. The server cannot be reached."));
}

void ZELClient::displayState(QAbstractSocket::SocketState state)
{
    switch (state) {
    case QAbstractSocket::UnconnectedState:
        m_connectionStatusLable->setText(QStringLiteral("Unconnected"));
        break;
    case QAbstractSocket::HostLookupState:
        m_connectionStatusLable->setText(QStringLiteral("HostLookup"));
        break;
    case QAbstractSocket::ConnectingState:
        m_connectionStatusLable->setText(QStringLiteral("Connecting"));
        break;
    case QAbstractSocket::ConnectedState:
        m_connectionStatusLable->setText(QStringLiteral("Connected"));
        break;
    default:
        m_connectionStatusLable->clear();
        break;
    }
}

void ZELClient::proxyAuthenticationRequiredFunction(const QNetworkProxy &, QAuthenticator *authenticator)
{
    ZELConnectToServerSettings *dialog = namedChild<ZELConnectToServerSettings>(*this, ServerDialogName);
    if (!dialog) {
        dialog = new ZELConnectToServerSettings(this);
        connect(dialog, &ZELConnectToServerSettings::setHostDetails, this, &ZELClient::setHostDetails);
    } else if (dialog->isVisible() || m_tcpSocket->state() == QAbstractSocket::ConnectedState) {
        return;
    }

    if (authenticator) {
        authenticator->setUser(setting(m_connectionSettings, ZELConnectionList::ProxyUser));
        authenticator->setPassword(setting(m_connectionSettings, ZELConnectionList::ProxyPassword));
    }

    dialog->m_errorLabel->setText(QStringLiteral("Please check your username / password"));
    dialog->m_errorLabel->show();
    dialog->m_userNameAuthentication->setFocus();

    QPointer<ZELConnectToServerSettings> opened(dialog);
    connectwithProxySettings();
    // The user field is enabled only once the stored proxy has been filled in.
    if (opened)
        opened->m_userNameAuthentication->setFocus();
}

void ZELClient::getHostNameAndPortValue()
{
    ZELConnectToServerSettings *dialog = namedChild<ZELConnectToServerSettings>(*this, ServerDialogName);
    if ((dialog && dialog->isVisible()) || m_tcpSocket->state() == QAbstractSocket::ConnectedState)
        return;
    if (!dialog) {
        dialog = new ZELConnectToServerSettings(this);
        connect(dialog, &ZELConnectToServerSettings::setHostDetails, this, &ZELClient::setHostDetails);
    }

    if (m_preferencesFile.exists()) {
        using Shown = ZELConnectToServerSettings;
        QStringList shown(Shown::ShownSettingCount);
        shown[Shown::ShownProxyType] = setting(m_connectionSettings, ZELConnectionList::ProxyType);
        shown[Shown::ShownHost] = setting(m_connectionSettings, ZELConnectionList::Host);
        shown[Shown::ShownPort] = setting(m_connectionSettings, ZELConnectionList::Port);
        shown[Shown::ShownProxyHost] = setting(m_connectionSettings, ZELConnectionList::ProxyHost);
        shown[Shown::ShownProxyPort] = setting(m_connectionSettings, ZELConnectionList::ProxyPort);
        shown[Shown::ShownProxyUser] = setting(m_connectionSettings, ZELConnectionList::ProxyUser);
        shown[Shown::ShownProxyPassword] = setting(m_connectionSettings, ZELConnectionList::ProxyPassword);
        dialog->showConnectToServerDialog(shown);
    }

    dialog->setModal(true);
    dialog->m_connectGroupBox->setEnabled(true);
    dialog->m_connectPushButton->setEnabled(true);
    dialog->m_resetButton->setEnabled(false);
    dialog->show();
}

void ZELClient::setHostDetails(QStringList &details)
{
    using Detail = ZELConnectToServerSettings;
    QStringList settings(ZELConnectionList::Size);
    settings[ZELConnectionList::Host] = setting(details, Detail::DetailHost);
    settings[ZELConnectionList::Port] = setting(details, Detail::DetailPort);
    settings[ZELConnectionList::ProxyType] = setting(details, Detail::DetailProxyType);
    settings[ZELConnectionList::ProxyHost] = setting(details, Detail::DetailProxyHost);
    settings[ZELConnectionList::ProxyPort] = setting(details, Detail::DetailProxyPort);
    settings[ZELConnectionList::ProxyUser] = setting(details, Detail::DetailProxyUser);
    settings[ZELConnectionList::ProxyPassword] = setting(details, Detail::DetailProxyPassword);
    m_connectionSettings = settings;

    if (!m_preferencesFile.exists())
        createXMLfile();
    else
        replaceNodeForConnectionSettings();
    connectToServer(setting(details, Detail::DetailHost), setting(details, Detail::DetailPort));
}

void ZELClient::connectToServer(QString host, QString port)
{
    const QAbstractSocket::SocketState state = m_tcpSocket->state();
    if (state == QAbstractSocket::ConnectedState)
        return;
    if (connecting(state)) {
        if (!m_reconnecting)
            return;
        // A reconnect tick's attempt gives way to the user's, who may have
        // given another address: the old one may never answer.
        m_tcpSocket->abort();
    }
    // The user's attempt (start-up, the settings, Sign In), even while the
    // reconnect ticks run: its failure is reported to him.
    m_reconnecting = false;
    startConnectionAttempt(*this, host, port);
}

void ZELClient::connectForSignIn()
{
    m_signInOnConnect = true;
    const QAbstractSocket::SocketState state = m_tcpSocket->state();
    if (state == QAbstractSocket::UnconnectedState) {
        connectToServer(setting(m_connectionSettings, ZELConnectionList::Host),
                        setting(m_connectionSettings, ZELConnectionList::Port));
        return;
    }
    // A reconnect attempt is under way behind the sign-in page: it becomes
    // this sign-in's, shown, bounded and reported as the user's own.
    m_reconnecting = false;
    showConnectingPage(*this);
    if (connecting(state))
        boundConnectionAttempt(*this);
}

void ZELClient::giveUpConnectionAttempt(bool closedByUser)
{
    stopConnectionAttemptBound(*this);
    if (m_reconnecting || !connecting(m_tcpSocket->state()))
        return;
    // An abort of an attempt reports no error of its own.
    m_tcpSocket->abort();
    displayError(QAbstractSocket::SocketTimeoutError);
    if (closedByUser)
        m_showErrorLable->setText(QStringLiteral("ZEL not connected"));
}

void ZELClient::callBannerLogoFileCreation(QByteArray data)
{
    const QString bannerFile = m_dataFolder + QStringLiteral("/Banner/banner.gif");
    ZELSafeWrite::Result stored{true, QString()};
    if (ZELFileBlock::isEmptyBanner(data)) {
        // The server has none: the default one, unless a banner is already there.
        QFile fallback(QStringLiteral("Smileys/banner.gif"));
        if (!QFileInfo::exists(bannerFile) && fallback.open(QIODevice::ReadOnly))
            stored = ZELSafeWrite::create(bannerFile, fallback.readAll());
    } else {
        stored = ZELSafeWrite::replace(bannerFile, ZELFileBlock::bannerImage(data));
    }
    // Told once a run: it comes again with every connection.
    if (!stored && !m_bannerNotSavedTold) {
        m_bannerNotSavedTold = true;
        m_informationBox->showInformationBox(this, QStringLiteral("Zembrio"),
                                             ZELSafeWrite::notSaved(QStringLiteral("The banner"), stored));
    }

    m_trayAnimationFrame = 0;
    m_trayRotationTimer->stop();
    setWindowIcon(ZELContactRow::icon(QStringLiteral(":images/icon.png")));
    m_trayIcon->setToolTip(QStringLiteral("ZEL Connected (Offline)"));
    m_trayIcon->setIcon(ZELContactRow::icon(OfflineIcon));

    // One banner per connection.
    m_fileDataAwaited = false;

    if (m_bannerMovie) {
        m_bannerMovie->setFileName(bannerFile);
        label->setMovie(m_bannerMovie);
        if (!m_animationsPaused)
            m_bannerMovie->start();
    }

    // A sign-in the user asked for while the server was out of reach comes
    // first; nothing signs in by itself after that in this run.
    if (m_signInOnConnect && !MainPage->isVisible()) {
        m_signInOnConnect = false;
        m_autoLoginTried = true;
        // It replaces a sign-in the client would make again by itself; the
        // status before the loss goes only with the same login id.
        const bool reSignIn = std::exchange(m_reSignInPending, false);
        if (userNameEdit->currentText() != m_loginId)
            m_restoreStatusOnSignIn = false;
        stopConnectingAnimations(*this);
        stackedWidget->setCurrentWidget(loginPage);
        verifyAccountInfo();
        if (reSignIn)
            connectedSignal();
        return;
    }

    // Signing in again after a lost connection.
    if (m_reSignInPending && !MainPage->isVisible()) {
        const int index = userNameEdit->findText(m_loginId, Qt::MatchExactly);
        if (index >= 0) {
            userNameEdit->setCurrentIndex(index);
        } else {
            userNameEdit->setItemText(0, m_loginId);
            userNameEdit->setCurrentIndex(0);
            userNameEdit->setEditText(m_loginId);
        }
        passWordEdit->setText(m_password);
        stopConnectingAnimations(*this);
        stackedWidget->setCurrentWidget(loginPage);
        m_reSignInPending = false;
        m_autoReSignIn = true;
        signButton->setEnabled(false);
        verifyAccountInfo();
        if (m_signInPending)
            m_pendingSignInStarter = SignInStarter::AfterLoss;
        m_restoreStatusOnSignIn = false;
        connectedSignal();
        return;
    }

    // Then, once per run, the one remembered user who signs in by himself. It
    // is decided from the file as read at start-up, at the first banner only:
    // a later reconnection never undoes a sign-out.
    if (!m_autoLoginTried && !MainPage->isVisible()) {
        const QStringList entries = std::exchange(m_autoLoginList, QStringList());
        if (entries.size() == 3 && entries.at(1) == QLatin1String("TRUE") && !entries.at(2).isEmpty()) {
            m_autoLoginTried = true;
            if (selectAutoLoginUser(entries)) {
                signButton->setEnabled(false);
                verifyAccountInfo();
                if (m_signInPending)
                    m_pendingSignInStarter = SignInStarter::Stored;
            } else {
                stopConnectingAnimations(*this);
                stackedWidget->setCurrentWidget(loginPage);
            }
            return;
        }
    }

    // The connecting page stays only for a sign-in that awaits its answer;
    // after a sign-out and a reconnection it gives way to the sign-in page.
    if (pageShown(*this, processPage, ProcessPageIndex) && !m_signInPending) {
        stopConnectingAnimations(*this);
        stackedWidget->setCurrentWidget(loginPage);
    }
}

void ZELClient::getUserDetails()
{
    const QString loginId = userNameEdit->currentText();
    if (loginId.isEmpty()) {
        userNameEdit->setFocus();
        m_showErrorLable->setText(QStringLiteral("Enter login id"));
        m_showErrorLable->show();
        return;
    }
    if (m_tcpSocket->state() == QAbstractSocket::ConnectedState) {
        m_forgetPasswordButton->setEnabled(false);
        QStringList request{QStringLiteral("USERDETAILS"), loginId};
        convertXMLSendToServer(request);
    } else {
        m_showErrorLable->setText(QStringLiteral("ZEL not connected"));
        m_showErrorLable->show();
    }
}
