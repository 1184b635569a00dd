#include "core/zelclient.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMovie>
#include <QScopedValueRollback>
#include <QSettings>
#include <QTableWidget>
#include <QTimer>
#include <QToolTip>

#include <utility>

#include "chat/zelchatwindow.h"
#include "contacts/zeladdcontact.h"
#include "contacts/zelapprovaladdcontact.h"
#include "contacts/zelapprovalrequesteduser.h"
#include "contacts/zeldeletecontact.h"
#include "protocol/zelpreferencesfile.h"
#include "protocol/zelsettingslists.h"
#include "protocol/zeltcpsocket.h"
#include "core/zelthread.h"
#include "mainwindow/zelsearchcontactaction.h"
#include "media/zelvoicemail.h"
#include "media/zelvoicemailinbox.h"
#include "messages/zelchathistorylistwindow.h"
#include "messages/zelgroupmessagedisplay.h"
#include "messages/zelofflinemessageswidget.h"
#include "platform/zelinputmonitor.h"
#include "platform/zelplatform.h"
#include "reminders/zelreminderdialog.h"
#include "reminders/zelreminderpopup.h"
#include "style/zelmessageboxclass.h"
#include "mainwindow/zelcontactrow.h"

namespace {

const QString True = QStringLiteral("TRUE");
const QString False = QStringLiteral("FALSE");
const QString BannerFile = QStringLiteral("/Banner/banner.gif");

// Answers of the sign-out and exit questions.
constexpr int AnswerYes = 0;
constexpr int AnswerNo = 1;

QFont statusActionFont(bool bold)
{
    return QFont(QStringLiteral("Verdana"), 8, bold ? QFont::Bold : QFont::Normal);
}

void showLoginError(ZELClient &client, const QString &text)
{
    client.passWordEdit->setFocus();
    client.passWordEdit->clear();
    client.m_showErrorLable->show();
    client.m_showErrorLable->setText(text);
}

// The three boxes of a remembered user.
void fillBoxesFromRecord(ZELClient &client, const LoginSettingsRecord &record)
{
    client.m_autoSignInCheckBox->setChecked(record.autoLogin == True);
    const bool remembered = record.rememberMe == True;
    client.m_rememberMeCheckBox->setChecked(remembered);
    client.m_forgetMeLink->setEnabled(remembered);
    client.m_rememberPasswordCheckBox->setEnabled(remembered);
    client.m_rememberPasswordCheckBox->setChecked(record.rememberPassword == True);
}

void clearLoginBoxes(ZELClient &client)
{
    client.m_invisibleModeCheckBox->setChecked(false);
    client.m_rememberMeCheckBox->setChecked(false);
    client.m_rememberPasswordCheckBox->setChecked(false);
    client.m_autoSignInCheckBox->setChecked(false);
    client.m_forgetMeLink->setEnabled(false);
    client.m_rememberPasswordCheckBox->setEnabled(false);
}

void updateSignButton(ZELClient &client)
{
    const bool userName = !client.userNameEdit->currentText().isEmpty();
    const bool password = !client.passWordEdit->text().isEmpty();
    const bool enable = userName && password;
    if (client.signButton->isEnabled() != enable)
        client.signButton->setEnabled(enable);
    if (!client.m_showErrorLable->isHidden() && (userName || password))
        client.m_showErrorLable->hide();
}

// Shows the main window before a question is asked over it.
void bringUp(ZELClient &client)
{
    if (client.isHidden())
        client.trayIconMaximizedSlot();
    else if (client.windowState() == Qt::WindowMinimized)
        client.showNormal();
    else
        client.activateWindow();
}

} // namespace

void ZELClient::verifyAccountInfo()
{
    // A reply is awaited: nothing of the pending sign-in may change, not even
    // the login id and password its reply will be recorded under.
    if (m_signInPending)
        return;

    const QString loginId = userNameEdit->currentText();
    if (loginId.isEmpty() || passWordEdit->text().isEmpty()) {
        showLoginError(*this, QStringLiteral("Enter login id / password"));
        return;
    }
    if (m_tcpSocket->state() != QAbstractSocket::ConnectedState) {
        // After the server refused this client's version or gave the account
        // to another machine, Sign In makes no new connection.
        if (m_versionRefused || m_signedInElsewhere) {
            showLoginError(*this, QStringLiteral("ZEL not connected"));
            return;
        }
        // The server is tried again now, and the sign-in goes out once it has
        // greeted the client: the fields keep what was typed until then.
        connectForSignIn();
        return;
    }
    if (!m_lostSessionUser.isEmpty() && loginId != m_lostSessionUser) {
        // Another user signs in where a lost session's windows wait for their
        // user: they go as at his sign-out, under his settings, before
        // anything of the new session. The server ended his session with the
        // connection and is told nothing of it now.
        const QScopedValueRollback<QString> owner(m_loginId, m_lostSessionUser);
        const QScopedValueRollback<bool> quiet(m_requestsHeld, true);
        endUserSession();
    }
    m_loginId = loginId;
    m_password = passWordEdit->text();

    readUserList();

    const bool invisible = m_invisibleModeCheckBox->isChecked()
                           || (m_restoreStatusOnSignIn && m_statusBeforeLoss == QLatin1String("Invisible"));
    if (invisible) {
        m_invisibleLogin = True;
        m_invisibleModeAction->setFont(statusActionFont(true));
        m_invisibleModeAction->setChecked(true);
        m_invisibleModeAction->setText(QStringLiteral("&Visible Mode"));
        for (QAction *action : {m_onlineAction, m_awayAction, m_busyAction, m_meetingAction, m_userStatusAction}) {
            action->setChecked(false);
            action->setFont(statusActionFont(false));
            action->setEnabled(false);
        }
    } else {
        m_invisibleLogin = False;
        for (QAction *action : {m_awayAction, m_busyAction, m_meetingAction, m_onlineAction})
            action->setEnabled(true);
        const QString userStatus = m_statusMessageSettings.value(ZELStatusMessageList::UserDefinedStatus);
        if (userStatus == QLatin1String("<EMPTY>")) {
            m_userStatusAction->setEnabled(false);
            m_userStatusAction->setText(QStringLiteral("User Status"));
        } else {
            m_userStatusAction->setText(userStatus);
            m_userStatusAction->setEnabled(true);
        }
    }

    m_fileDataAwaited = false;
    m_signInPending = true;
    m_pendingSignInStarter = SignInStarter::User;
    signButton->setEnabled(false);

    m_loginStatus = m_statusMessageSettings.value(ZELStatusMessageList::LoginStatus);
    if (m_restoreStatusOnSignIn) {
        if (m_statusMessageSettings.size() > ZELStatusMessageList::LoginStatus)
            m_statusMessageSettings[ZELStatusMessageList::LoginStatus] = m_statusBeforeLoss;
        if (m_statusBeforeLoss != QLatin1String("Invisible"))
            setDefaultStatusMessage();
        m_restoreStatusOnSignIn = false;
    }

    const QString loginStatus = m_statusMessageSettings.value(ZELStatusMessageList::LoginStatus);
    QString status = loginStatus;
    QString message;
    if (m_invisibleLogin == True) {
        status = QStringLiteral("Offline");
        message = m_statusMessageSettings.value(ZELStatusMessageList::OfflineMessage);
    } else if (loginStatus == QLatin1String("Online")) {
        message = m_statusMessageSettings.value(ZELStatusMessageList::OnlineMessage);
    } else if (loginStatus == QLatin1String("Meeting")) {
        message = m_statusMessageSettings.value(ZELStatusMessageList::MeetingMessage);
    } else if (loginStatus == QLatin1String("Away")) {
        message = m_statusMessageSettings.value(ZELStatusMessageList::AwayMessage);
    } else if (loginStatus == QLatin1String("Busy")) {
        message = m_statusMessageSettings.value(ZELStatusMessageList::BusyMessage);
    } else {
        message = m_statusMessageSettings.value(ZELStatusMessageList::UserDefinedStatusMessage);
    }

    QStringList request = {QStringLiteral("LOGIN"), m_loginId, m_password, m_invisibleLogin, status, message,
                           m_contactDisplaySettings.value(ZELContactDisplayList::RecentChatDays)};
    convertXMLSendToServer(request);
    // A server that takes the request and never answers must not leave the
    // user before "Signing In" for ever: the attempt is given up with a word.
    // One timer for every attempt: a new attempt restarts it, and nothing is
    // left waiting once the answer came (or the connection went).
    if (!m_signInAnswerTimer) {
        m_signInAnswerTimer = new QTimer(this);
        m_signInAnswerTimer->setSingleShot(true);
        connect(m_signInAnswerTimer, &QTimer::timeout, this, [this] {
            if (!m_signInPending)
                return;
            m_signInPending = false;
            m_pendingSignInStarter = SignInStarter::User;
            m_abandonedSignIns << m_loginId;
            m_autoReSignIn = false;
            m_trayAnimationFrame = 0;
            m_trayRotationTimer->stop();
            m_trayIcon->setToolTip(QStringLiteral("ZEL Connected (Offline)"));
            m_processMovie->stop();
            m_connectingMovie->stop();
            stackedWidget->setCurrentWidget(loginPage);
            showLoginError(*this, QStringLiteral("No answer from the server. Please try again"));
        });
    }
    m_signInAnswerTimer->start(m_signInAnswerMs);

    m_trayIcon->setToolTip(QStringLiteral("ZEL Connecting..."));
    m_trayRotationTimer->start(100);
    m_connectingStatusLabel->setText(QStringLiteral("Signing In"));
    if (!m_animationsPaused) {
        m_processMovie->start();
        m_connectingMovie->start();
    }
    stackedWidget->setCurrentWidget(processPage);

    // A fresh movie reads the banner file as it is now.
    QMovie *previous = m_bannerMovie;
    m_bannerMovie = new QMovie(m_dataFolder + BannerFile);
    label->setScaledContents(true);
    label->setMovie(m_bannerMovie);
    if (!m_animationsPaused)
        m_bannerMovie->start();
    delete previous;

    passWordEdit->clear();
}

bool ZELClient::selectAutoLoginUser(const QStringList &entries)
{
    const QString userName = entries.value(0);
    int index = userNameEdit->findText(userName, Qt::MatchExactly);
    if (index < 0) {
        userNameEdit->addItem(userName);
        index = userNameEdit->count() - 1;
    }
    userNameEdit->setCurrentIndex(index);
    if (userNameEdit->currentText().isEmpty())
        return false;
    passWordEdit->setText(entries.value(2));
    m_autoSignInCheckBox->setChecked(true);
    return true;
}

void ZELClient::enablePasswordField(const QString &)
{
    updateSignButton(*this);
}

void ZELClient::enableUserNameField(const QString &)
{
    updateSignButton(*this);
    const QString userName = userNameEdit->currentText();
    if (userName.isEmpty())
        return;
    const auto record = m_loginSettings.constFind(userName);
    if (record != m_loginSettings.cend()) {
        fillBoxesFromRecord(*this, *record);
        if (record->rememberPassword == True)
            passWordEdit->setText(record->autoLoginPassword);
        else
            passWordEdit->clear();
    } else {
        m_rememberPasswordCheckBox->setEnabled(false);
        m_forgetMeLink->setEnabled(false);
        m_invisibleModeCheckBox->setChecked(false);
        m_rememberPasswordCheckBox->setChecked(false);
        m_rememberMeCheckBox->setChecked(false);
        m_autoSignInCheckBox->setChecked(false);
        passWordEdit->clear();
    }
}

void ZELClient::clearPasswordField(const QString &text)
{
    passWordEdit->clear();
    const auto record = m_loginSettings.constFind(text);
    if (record != m_loginSettings.cend()) {
        fillBoxesFromRecord(*this, *record);
        if (record->rememberPassword == True)
            passWordEdit->setText(record->autoLoginPassword);
    } else {
        clearLoginBoxes(*this);
    }
}

// The boxes report the press, before their state changes: "checked" below is
// the state the click is about to leave.
void ZELClient::rememberMEStateChanged()
{
    m_rememberMeChanged = true;
    if (m_rememberMeCheckBox->isChecked()) {
        m_rememberPasswordCheckBox->setEnabled(false);
        m_forgetMeLink->setEnabled(false);
        if (m_rememberPasswordCheckBox->isChecked()) {
            m_rememberPasswordCheckBox->setChecked(false);
            m_rememberPasswordChanged = true;
        }
    } else {
        m_rememberPasswordCheckBox->setEnabled(true);
        m_forgetMeLink->setEnabled(true);
    }
}

void ZELClient::rememberPwdStateChanged()
{
    m_rememberPasswordChanged = true;
}

void ZELClient::autoSignInStateChanged()
{
    m_autoSignInChanged = true;
}

void ZELClient::forgetUserDetails()
{
    const QString userName = userNameEdit->currentText();
    // A file that cannot be read is left as it is; the user is forgotten
    // in this run all the same.
    if (m_loginSettings.remove(userName) > 0) {
        ZELPreferencesFile file(m_dataFolder);
        file.removeUser(userName);
        reportPreferencesWrite(file);
    }

    // The empty entry at the top stays: it is the "no user chosen" entry.
    if (!userName.isEmpty()) {
        const int index = userNameEdit->findText(userName, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (index >= 0)
            userNameEdit->removeItem(index);
    }
    passWordEdit->clear();
    userNameEdit->setEditText(QString());
    userNameEdit->setFocus();
    m_rememberMeCheckBox->setChecked(false);
    m_autoSignInCheckBox->setChecked(false);
    m_forgetMeLink->setEnabled(false);
    if (m_rememberPasswordCheckBox->isChecked())
        m_rememberPasswordCheckBox->setChecked(false);
}

void ZELClient::indicateCapsLock()
{
    // Exactly 1: toggled on and not held down at this moment.
    if (ZELPlatform::inputMonitor()->keyState(ZELInputMonitor::CapsLockKey) != 1)
        return;
    QToolTip::showText(mapToParent(QPoint(170, 250)),
                       QStringLiteral("<img src =':images/toolTip.png'><b><font color = 'blue'>")
                           + QStringLiteral("  Caps Lock is on") + QStringLiteral("</b>"),
                       this);
}

void ZELClient::connectwithProxySettings()
{
    if (m_tcpSocket->state() == QAbstractSocket::ConnectedState)
        return;
    if (processPage->isVisible() || stackedWidget->currentIndex() == stackedWidget->indexOf(processPage)) {
        m_processMovie->stop();
        m_connectingMovie->stop();
        stackedWidget->setCurrentWidget(loginPage);
        m_workerThread->reconnectMode = false;
        m_reconnecting = false;
        m_trayRotationTimer->stop();
        setWindowIcon(ZELContactRow::icon(QStringLiteral(":images/icon.png")));
        m_trayIcon->setToolTip(QStringLiteral("ZEL Not Connected"));
        m_trayIcon->setIcon(ZELContactRow::icon(QStringLiteral(":images/Offline.png")));
        clearLoginBoxes(*this);
        userNameEdit->setFocus();
    } else if (m_workerThread->reconnectMode) {
        // Reconnecting behind the sign-in page: where to go next is the
        // user's choice now.
        m_workerThread->reconnectMode = false;
        m_reconnecting = false;
        m_trayAnimationFrame = 0;
        m_trayRotationTimer->stop();
        m_trayIcon->setToolTip(QStringLiteral("ZEL Not Connected"));
        if (!m_showErrorLable->isHidden())
            m_showErrorLable->setText(QStringLiteral("ZEL not connected"));
    }
    m_signInOnConnect = false;
    getHostNameAndPortValue();
}

void ZELClient::fileMenuSignOut()
{
    bringUp(*this);
    const bool modalOpen = QApplication::activeModalWidget() != nullptr;
    m_trayMenu->setEnabled(false);
    const QString title = QStringLiteral("Zembrio");
    const QString question = QStringLiteral("Are you sure you want to sign out?");
    if (!modalOpen) {
        showGrayScaleWidget();
        if (m_questionBox->showQuestionBox(m_signOutOverlay, title, question, AnswerYes, AnswerNo) == AnswerYes)
            callManualSignOutFunction();
        m_signOutOverlay->close();
    } else if (m_questionBox->showQuestionBox(this, title, question, AnswerYes, AnswerNo) == AnswerYes) {
        callManualSignOutFunction();
    }
    m_trayMenu->setEnabled(true);
}

void ZELClient::fileMenuExit()
{
    bringUp(*this);
    const bool modalOpen = QApplication::activeModalWidget() != nullptr;
    m_trayMenu->setEnabled(false);
    const QString title = QStringLiteral("Zembrio");
    const QString question = QStringLiteral("Are you sure you want to exit?");
    int answer = AnswerNo;
    if (!modalOpen) {
        showGrayScaleWidget();
        answer = m_questionBox->showQuestionBox(m_signOutOverlay, title, question, AnswerYes, AnswerNo);
    } else {
        answer = m_questionBox->showQuestionBox(this, title, question, AnswerYes, AnswerNo);
    }
    if (answer != AnswerYes) {
        m_trayMenu->setEnabled(true);
        if (!modalOpen)
            m_signOutOverlay->close();
        return;
    }

    const QString bannerFile = m_dataFolder + BannerFile;
    if (QFile::exists(bannerFile)) {
        if (m_bannerMovie) {
            // The movie holds the file open until it is pointed elsewhere.
            m_bannerMovie->stop();
            label->clear();
            m_bannerMovie->setFileName(QStringLiteral(" "));
        }
        QFile::remove(bannerFile);
    }
    QDir voiceMails(m_dataFolder + QStringLiteral("/VoiceMails"));
    const QStringList files = voiceMails.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : files)
        voiceMails.remove(name);
    QDir data(m_dataFolder);
    data.rmdir(QStringLiteral("VoiceMails"));
    data.rmdir(QStringLiteral("Banner"));

    if (stackedWidget->currentWidget() == MainPage)
        signOut();

    QSettings settings(QStringLiteral("VORLIX"), QStringLiteral("ZEL Chat"));
    settings.beginGroup(QStringLiteral("MainWindow"));
    settings.setValue(QStringLiteral("pos"), pos());
    settings.endGroup();
    settings.sync();

    m_tcpSocket->flush();
    // Not quit(): that first asks every window to close, and the main window
    // refuses where there is no tray to close into. Exit cannot be refused.
    QCoreApplication::exit(0);
}

void ZELClient::signOut()
{
    m_signedIn = false;
    signOutSuccessFull();

    QStringList request = {QStringLiteral("SIGNOUT"), m_loginId,
                           m_statusMessageSettings.value(ZELStatusMessageList::OfflineMessage)};
    convertXMLSendToServer(request);

    m_signInAction->setText(QStringLiteral("Sign In"));

    const int index = userNameEdit->findText(m_loginId, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index >= 0) {
        userNameEdit->setCurrentIndex(index);
    } else {
        if (userNameEdit->count() == 0)
            userNameEdit->addItem(QString());
        userNameEdit->setItemText(0, m_loginId);
        userNameEdit->setCurrentIndex(0);
    }

    const auto record = m_loginSettings.constFind(m_loginId);
    if (record != m_loginSettings.cend()) {
        fillBoxesFromRecord(*this, *record);
        if (record->rememberPassword == True)
            passWordEdit->setText(m_password);
        else
            passWordEdit->clear();
    }
}

void ZELClient::endUserSession()
{
    if (m_reminderDialog.isVisible())
        m_reminderDialog->hide();
    if (m_reminderPopup.isVisible())
        m_reminderPopup->hide();

    const QList<QWidget *> windows = {m_chatHistoryWindow.built(), m_deleteContactDialog.built(),
                                      m_addContactDialog.built(), m_voiceMailRecorder.built(),
                                      m_voiceMailInbox.built(), m_approvalAddContactDialog.built(),
                                      m_approvalRequestedUserDialog.built(), m_offlineMessagesWidget.built()};
    for (QWidget *window : windows) {
        if (window && window->isVisible())
            window->close();
    }
    for (const QString &name : {QStringLiteral("ZELChangePasswordDialog"), QStringLiteral("ZELGroupMessageDialog")}) {
        QWidget *dialog = findChild<QWidget *>(name);
        if (dialog && dialog->isVisible())
            dialog->close();
    }

    m_reminders.clear();
    resetReminderAssignees();

    m_offlineMessageList.clear();
    m_unreadOfflineMessageCount = 0;
    m_offlineFileCount = 0;
    if (ZELOfflineMessagesWidget *offline = m_offlineMessagesWidget.built())
        offline->m_offlineFileCount = 0;
    m_offlineMessagesAction->setText(QStringLiteral("&Offline Messages"));
    m_privilegeInfo.clear();

    // Chats still waiting for a window were never seen: like waiting group
    // messages they come at this user's next sign-in.
    holdWaitingChats(WaitingChatsEnd::SignOut);
    // Windows leave the map as they close: walk a copy, and forget any that
    // did not take themselves out.
    const QMap<QString, ZELChatWindow *> chatWindows = m_chatWindows;
    for (auto it = chatWindows.cbegin(); it != chatWindows.cend(); ++it) {
        QPointer<ZELChatWindow> window = it.value();
        if (window) {
            window->m_closeSilently = true;
            window->close();
        }
        if (m_chatWindows.value(it.key()) == it.value())
            m_chatWindows.remove(it.key());
    }
    closeRequestDialogs();
    // The message windows close too. The messages waiting for one were never
    // seen: they are kept for this user's next sign-in (taken out first, so a
    // closing window does not open the next of them).
    if (!m_pendingGroupMessages.isEmpty())
        m_heldGroupMessages[m_loginId] += std::exchange(m_pendingGroupMessages, {});
    m_pendingGroupMessageBytes = 0;
    closeEach(m_groupMessageDisplays);

    m_lostSessionUser.clear();
}

void ZELClient::signOutSuccessFull()
{
    // A contact list still filling ends before the tree is cleared.
    settleSlicedWork();
    passWordEdit->setText(QString());
    passWordEdit->setFocus();

    // Clearing the tree deletes the group rows: nothing may point at them.
    m_contactView->clear();
    m_expandedContactItem = nullptr;
    m_recentChatsItem = m_onlineItem = m_offlineItem = nullptr;
    m_activeItem = m_inactiveItem = m_contactListEmptyItem = nullptr;
    m_searchMatches.clear();
    m_voiceMailIndicationLabel->setVisible(true);

    if (m_workerThread->isRunning() && !m_workerThread->reconnectMode)
        m_workerThread->stop();
    m_workerThread->activityMonitor = false;

    endUserSession();

    if (m_bannerMovie && m_bannerMovie->state() == QMovie::Running)
        m_bannerMovie->stop();

    if (m_invisibleModeCheckBox->isChecked())
        m_invisibleModeCheckBox->setChecked(false);
    if (m_invisibleModeAction->isChecked()) {
        m_invisibleModeAction->setChecked(false);
        m_invisibleModeAction->setText(QStringLiteral("&Invisible Mode"));
    }

    m_screenCaptureActive = false;

    for (QAction *action : {m_onlineAction, m_awayAction, m_busyAction, m_meetingAction, m_userStatusAction,
                            m_invisibleModeAction})
        action->setChecked(false);
    m_trayStatusAction->setEnabled(false);
    m_voiceMailAction->setEnabled(false);
    m_chatToolButton->setEnabled(false);
    m_chatAction->setEnabled(false);
    m_addContactApprovalAction->setEnabled(false);
    m_addContactApprovalAction->setText(QStringLiteral("Add Contact A&pproval"));
    m_conferenceChatAction->setEnabled(false);
    m_conferenceChatToolButton->setEnabled(false);
    for (QAction *action : {m_onlineAction, m_awayAction, m_busyAction, m_meetingAction, m_userStatusAction,
                            m_invisibleModeAction})
        action->setFont(statusActionFont(false));

    if (ZELApprovalAddContact *approvals = m_approvalAddContactDialog.built())
        approvals->m_approvaltable->setRowCount(0);
    if (ZELApprovalRequestedUser *requests = m_approvalRequestedUserDialog.built())
        requests->m_approvaltable->setRowCount(0);

    m_invisibleLogin = False;

    m_preferencesEditMode = false;
    m_userNotInPreferences = true;
    m_loginListFilled = true;
    m_signInPending = false;
    m_pendingSignInStarter = SignInStarter::User;
    m_signedIn = false;
    m_autoReSignIn = false;
    m_reSignInPending = false;
    m_restoreStatusOnSignIn = false;
    m_rememberMeChanged = false;
    m_rememberPasswordChanged = false;
    m_autoSignInChanged = false;
    m_statusMessagesSaved = false;
    // A download of this session, or its file still being written, ends here:
    // nothing of it may reach the next user's folders.
    endDownloads();
    m_sessionActive = false;
    m_contactMenuRequested = false;
    m_openChatMinimized = false;

    m_sortClickCount = 2;
    m_newVoiceMailCount = 0;
    m_trayAnimationFrame = 0;

    m_recentChatUsers.clear();
    // Kept across sessions they would announce contacts as present who are not.
    m_presentContacts.clear();
    m_notificationSettings.clear();
    m_chatHistorySettings.clear();

    // The grey overlay and a question may be open over the page.
    for (int closed = 0; closed < 2; ++closed) {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            break;
        modal->close();
    }

    searchCloseButtonClicked();
    placeSearchContactAction(m_contactsPopupMenu, m_searchContactAction, false);

    if (!(loginPage->isVisible() && stackedWidget->currentWidget() == loginPage))
        stackedWidget->setCurrentWidget(loginPage);

    m_trayIcon->setIcon(ZELContactRow::icon(QStringLiteral(":images/Offline.png")));
    m_trayIcon->setToolTip(QStringLiteral("ZEL Connected (Offline)"));
}
