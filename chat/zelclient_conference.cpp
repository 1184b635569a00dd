#include "core/zelclient.h"

#include "chat/zelchatwindow.h"
#include "chat/zelconferencechat.h"
#include "chat/zelinvitablelist.h"
#include "chat/zelrequestdialog.h"
#include "chat/zeltranscript.h"
#include "protocol/zelsettingslists.h"
#include "style/zeltextbounds.h"
#include "protocol/zelparsedmessage.h"

#include <QApplication>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QSet>

// The main widget's share of conferences: the name dialog, the conference
// windows, turning a one-to-one window into one, the invitation pop-up and
// its answer, and the relays of what conference windows ask to send.

namespace {

// A conference name ends in the eight characters of its creation time.
const int kTimeLength = 8;
const int kConferenceMinimumWidth = 776;

const QColor kHeadingColour(240, 255, 255);
const QColor kConversionColour(255, 255, 224);
const QColor kInvitationColour(255, 248, 220);

QString shortName(const QString &conferenceName)
{
    return conferenceName.left(qMax(0, int(conferenceName.size()) - kTimeLength));
}

QString headingRow(const QString &title)
{
    return QStringLiteral("<table bgcolor = ") + kHeadingColour.name()
           + QStringLiteral(" width='100%' cellspacing='0' border='0'><tr><td width='100%' align='center'>"
                            "<font color=blue><b>")
           + title.toHtmlEscaped() + QStringLiteral("</td></tr></table>");
}

// Conference look of a window: icon, group picture in place of the peer's
// card, no conversion button, the participants panel's width.
void applyConferenceLook(ZELChatWindow *window)
{
    window->setWindowIcon(QIcon(QStringLiteral(":images/conferance_icon.png")));
    window->m_userStatusPixmap->setCursor(Qt::ArrowCursor);
    window->m_userStatusPixmap->setStyleSheet(QString());
    window->m_userStatusPixmap->setPixmap(QPixmap(QStringLiteral(":images/groupChat.png")));
    for (QWidget *w : {static_cast<QWidget *>(window->m_userNameLabel), static_cast<QWidget *>(window->m_userRoleLabel),
                       static_cast<QWidget *>(window->m_userStatusLabel),
                       static_cast<QWidget *>(window->m_messageTypeLabel)})
        w->hide();
    window->m_messageIndicationGif->setText(QStringLiteral(" "));
    // A converted window would keep its former peer's presence in the title.
    window->m_statusPixmap->clear();
    window->m_conferenceButton->hide();
    window->setMinimumWidth(kConferenceMinimumWidth);
}

void setConferenceTitle(ZELChatWindow *window, const QString &conferenceName)
{
    const QString title = QStringLiteral("Conference Chat - ") + ZELTranscript::shownConferenceName(conferenceName);
    window->setWindowTitle(title);
    window->m_logoLabel->setText(title);
}

} // namespace

// ---------------------------------------------------------------------------
// Helpers the dispatcher shares

QString ZELClient::participantPhoto(const QString &userName, ZELChatWindow *window)
{
    for (auto it = m_users.cbegin(); it != m_users.cend(); ++it) {
        if (it->userName != userName)
            continue;
        if (window) {
            const QString group = profileParts(it->profileDetails).value(1);
            window->addPrivilegeList(group, it->department, userName);
        }
        return it->photoBase64;
    }
    return QString();
}

void ZELClient::addConferenceParticipant(ZELChatWindow *window, const QString &userName, const QString &displayName)
{
    // Every entry carries widgets of its own: a member list sent without
    // end must not take the client's memory with it.
    if (window->m_chatRoomListBox->count() >= MaxConferenceParticipants)
        return;
    auto *row = new QListWidgetItem(displayName, window->m_chatRoomListBox);
    row->setToolTip(userName);
    window->setItemWidgetList(displayName, userName, participantPhoto(userName, window));
}

QString ZELClient::unusedConferenceName(const QString &conferenceName) const
{
    if (!m_chatWindows.contains(conferenceName))
        return conferenceName;
    const QString typed = shortName(conferenceName).trimmed();
    const QString time = conferenceName.right(kTimeLength);
    for (int n = 2;; ++n) {
        const QString name = typed + QStringLiteral(" (") + QString::number(n) + QStringLiteral(") ") + time;
        if (!m_chatWindows.contains(name))
            return name;
    }
}

void ZELClient::fillOnlineUsersList(ZELChatWindow *window)
{
    // By user name: two contacts of the same display name are two rows.
    window->invitableUsers().add(ZELInvitableList::fromPresent(m_presentContacts), ZELInvitableList::SameUserName);
}

// ---------------------------------------------------------------------------
// A new conference

void ZELClient::showConferenceChatWidget()
{
    auto *dialog = new ZELConferenceChat(this);
    connect(dialog, &ZELConferenceChat::createConferenceChatWindow, this, &ZELClient::openConferenceChatWidget);
    dialog->setWindowModality(Qt::WindowModal);
    dialog->show();
}

void ZELClient::openConferenceChatWidget(QString conferenceName)
{
    createChatWindowForConferenceChat(unusedConferenceName(conferenceName), true, false);
}

void ZELClient::createChatWindowForConferenceChat(QString conferenceName, bool ownConference, bool minimized)
{
    if (ZELChatWindow *open = m_chatWindows.value(conferenceName)) {
        // Replacing the entry would orphan the open window, whose close would
        // then take the new one out of the map: the open window serves.
        if (open->isMinimized() && !minimized)
            open->restoreWindowState();
        return;
    }

    ZELChatWindow *window = newChatWindow();
    window->setUserDetails(m_loginId, QString(), m_password);
    connect(window, &ZELChatWindow::conferenceChat, this, &ZELClient::conferenceChat);
    connect(window, &ZELChatWindow::conferenceChatMessage, this, &ZELClient::conferenceChatMessage);
    connect(window, &ZELChatWindow::removeConferenceChatUser, this, &ZELClient::removeConferenceChatUser);
    connect(window, qOverload<QStringList &>(&ZELChatWindow::stopConferenceChat), this, &ZELClient::stopConferenceChat);
    connect(window, &ZELChatWindow::conferenceMessageTypeStatus, this, &ZELClient::conferenceMessageTypeStatus);
    connect(window, &ZELChatWindow::closeConferenceChatWindow, this, &ZELClient::closeConferenceChatWindow);

    window->setConferenceChatSessionName(m_loginId, conferenceName);
    window->m_closeSilently = false;
    m_chatWindows.insert(conferenceName, window);

    applyConferenceLook(window);
    window->m_ownDisplayName = m_ownDisplayName;
    window->m_autoSave = m_chatHistorySettings.value(ZELChatHistoryList::AutomaticSave);
    window->m_downloadFolder = m_defaultFileLocation;
    setConferenceTitle(window, conferenceName);
    window->m_historyFolder = m_chatHistorySettings.value(ZELChatHistoryList::SaveLocation);

    if (!ownConference) {
        window->setConferenceControlsShown(false);
        // No participant is recorded yet: files and pictures stay off until
        // the rights are applied again.
        window->checkConferenceChatPrivilege(m_privilegeInfo);
    } else {
        // The first invitee's acceptance brings sending and the rights.
        for (QWidget *w : {static_cast<QWidget *>(window->sendButton), static_cast<QWidget *>(window->m_fileSend),
                           static_cast<QWidget *>(window->m_deskTopCaptureButton),
                           static_cast<QWidget *>(window->m_insertImageToolButton)})
            w->setEnabled(false);
    }

    window->totalMessage->append(headingRow(ZELTranscript::shownConferenceName(conferenceName)));
    window->totalMessage->setHtml(window->totalMessage->toHtml());

    fillOnlineUsersList(window);

    QFont font(m_chatWindowSettings.value(ZELChatWindowList::FontFamily));
    const int points = m_chatWindowSettings.value(ZELChatWindowList::FontSize).toInt();
    if (points > 0)
        font.setPointSize(points);
    window->serverMessage->setFont(font);
    window->setDefaultSettings(m_chatWindowSettings.value(ZELChatWindowList::EscapeCloses),
                               m_chatWindowSettings.value(ZELChatWindowList::EnterSends),
                               m_chatWindowSettings.value(ZELChatWindowList::HourFormat24));
    if (m_chatWindowSettings.value(ZELChatWindowList::DisplaySmileys) == QLatin1String("FALSE"))
        window->enableSmiley(m_chatWindowSettings.value(ZELChatWindowList::DisplaySmileys),
                             m_chatWindowSettings.value(ZELChatWindowList::DisplayInfoBox));

    window->Chat->setCurrentIndex(3);

    if (QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect desktop = screen->geometry();
        window->move(desktop.width() / 2 - window->width() / 2, desktop.height() / 2 - window->height() / 2);
    }
    if (minimized)
        window->setWindowState(Qt::WindowMinimized);
    window->m_conferenceChatFrame->show();
    window->m_cListLabel->show();
    window->m_hideTreeViewButton->show();
    window->setMask(QRegion(window->rect()));
    window->show();
    if (minimized) {
        // Flashes in the task bar without taking the focus (see createChatWindow).
        QApplication::alert(window);
    }
}

// ---------------------------------------------------------------------------
// A one-to-one window becomes a conference

void ZELClient::changeConferenceClickedSignal(ZELChatWindow *window)
{
    if (!window)
        return;
    auto *dialog = new ZELConferenceChat(window);
    // Each form converts the window it was opened from: other forms, or a
    // conversion by a peer, may have set the conversion peer meanwhile.
    const QPointer<ZELChatWindow> target(window);
    connect(dialog, &ZELConferenceChat::createConferenceChatWindow, this, [this, target](QString conferenceName) {
        if (!target || target->m_peer.isEmpty() || m_chatWindows.value(target->m_peer) != target)
            return;
        m_conversionPeer = target->m_peer;
        callChangeConferenceFunction(conferenceName);
    });
    dialog->setWindowModality(Qt::WindowModal);
    dialog->show();
    m_conversionPeer = window->m_peer;
}

void ZELClient::callChangeConferenceFunction(QString conferenceName)
{
    changeConferenceChatWindow(unusedConferenceName(conferenceName), true);
}

void ZELClient::changeConferenceChatWindow(QString conferenceName, bool convertedHere)
{
    const QString wholeName = conferenceName;
    ZELChatWindow *window = m_chatWindows.value(m_conversionPeer);
    // Closed while the name was asked for, or already a conference.
    if (!window || window->m_peer.isEmpty())
        return;
    // A conference of that name is open here: replacing its entry would orphan it.
    if (m_chatWindows.contains(wholeName))
        return;

    connect(window, &ZELChatWindow::conferenceChat, this, &ZELClient::conferenceChat, Qt::UniqueConnection);
    connect(window, &ZELChatWindow::conferenceChatMessage, this, &ZELClient::conferenceChatMessage,
            Qt::UniqueConnection);
    connect(window, &ZELChatWindow::removeConferenceChatUser, this, &ZELClient::removeConferenceChatUser,
            Qt::UniqueConnection);
    connect(window, qOverload<QStringList &>(&ZELChatWindow::stopConferenceChat), this, &ZELClient::stopConferenceChat,
            Qt::UniqueConnection);
    // Already connected by the one-to-one window's creator.
    disconnect(window, &ZELChatWindow::sendFileInconferenceChat, this, &ZELClient::sendFileInconferenceChat);
    connect(window, &ZELChatWindow::sendFileInconferenceChat, this, &ZELClient::sendFileInconferenceChat);
    connect(window, &ZELChatWindow::closeConferenceChatWindow, this, &ZELClient::closeConferenceChatWindow,
            Qt::UniqueConnection);
    connect(window, &ZELChatWindow::conferenceMessageTypeStatus, this, &ZELClient::conferenceMessageTypeStatus,
            Qt::UniqueConnection);

    m_chatWindows.insert(wholeName, window);
    window->setConferenceChatSessionName(m_loginId, wholeName);
    window->m_conferenceChatFrame->show();
    window->m_hideTreeViewButton->show();
    window->m_cListLabel->show();
    window->m_closeSilently = false;
    window->Conference_Chat->setEnabled(true);

    applyConferenceLook(window);
    window->m_downloadFolder = m_defaultFileLocation;
    window->updateGeometry();
    if (!window->m_maximizedFlag)
        window->showNormal();
    window->raise();
    window->m_autoSave = m_chatHistorySettings.value(ZELChatHistoryList::AutomaticSave);
    window->m_historyFolder = m_chatHistorySettings.value(ZELChatHistoryList::SaveLocation);
    window->setMask(QRegion(window->rect()));
    setConferenceTitle(window, wholeName);

    if (!convertedHere) {
        const QString time =
            ZELTranscript::timeStamp(m_chatWindowSettings.value(ZELChatWindowList::HourFormat24));
        window->totalMessage->append(ZELTranscript::noticeRow(
            kConversionColour,
            QStringLiteral(" width='100%' cellspacing='0' border='0'><tr><td width='80%'><b>This chat session "
                           "changed as conference chat</td><td width='20%' align='right'><font color=darkgray><b>"),
            time));
    }
    window->totalMessage->append(headingRow(QStringLiteral("Conference Chat - ")
                                            + ZELTranscript::shownConferenceName(wholeName)));
    window->totalMessage->reloadFromHtml();

    if (window->m_conferenceTab && window->Chat->indexOf(window->m_conferenceTab) < 0)
        window->Chat->addTab(window->m_conferenceTab, QIcon(QStringLiteral(":images/conferance_icon.png")),
                             QStringLiteral("Conference Chat"));
    ZELTranscript::scrollToEnd(window->totalMessage);

    fillOnlineUsersList(window);

    const QString peer = window->m_peer;
    const QString peerDisplayName = window->m_peerDisplayName;
    if (!window->participantRow(peer))
        addConferenceParticipant(window, peer, peerDisplayName);
    const QString member = peer + QStringLiteral("##") + peerDisplayName;
    if (!window->m_conferenceUsers.contains(member))
        window->m_conferenceUsers.append(member);

    if (convertedHere) {
        window->setConferenceControlsShown(true);
        window->m_stopChatButton->setEnabled(true);
        window->Chat->setCurrentIndex(3);
        QStringList request{QStringLiteral("CHANGECONFERENCECHAT"), peer, m_loginId, wholeName, m_ownDisplayName};
        convertXMLSendToServer(request);
    } else {
        QApplication::alert(window);
    }

    window->m_deliveryPending = false;
    window->m_forceConferenceHeading = QStringLiteral("ADD");
    window->m_peerDisplayName.clear();
    window->m_peer.clear();
    m_chatWindows.remove(m_conversionPeer);
}

// ---------------------------------------------------------------------------
// Invitations

void ZELClient::showConferenceChatAcceptanceDialog(QString kind, QStringList details)
{
    // The same request twice asks once, whether its pop-up is open or waiting.
    for (auto it = m_requestDialogs.cbegin(); it != m_requestDialogs.cend(); ++it) {
        if (it.key()->m_requestType == kind && it.key()->m_requestDetails == details)
            return;
    }
    for (const WaitingRequest &waiting : std::as_const(m_waitingRequests)) {
        if (waiting.kind == kind && waiting.details == details)
            return;
    }
    // A flood opens no more pop-ups than anyone can answer: the rest wait
    // their turn, and what the wait cannot hold is refused.
    qsizetype text = 0;
    for (const QString &value : std::as_const(details))
        text += value.size();
    const bool mustWait = m_requestDialogs.size() >= MaxOpenRequestDialogs;
    if (mustWait
        && (m_waitingRequests.size() >= MaxWaitingRequests || m_waitingRequestText + text > MaxWaitingRequestText)) {
        // A contact addition is not answered for the user: it stays unanswered
        // in the approval list, where the user finds it.
        if (kind == QLatin1String("ADD"))
            return;
        QString answer = ZELRequestDialog::refusal(kind);
        sendAcceptRejectSignal(kind, answer, details);
        return;
    }
    m_waitingRequests.append({kind, details, text});
    m_waitingRequestText += text;
    openWaitingRequests();
}

void ZELClient::openWaitingRequests()
{
    while (!m_waitingRequests.isEmpty() && m_requestDialogs.size() < MaxOpenRequestDialogs) {
        const WaitingRequest next = m_waitingRequests.takeFirst();
        m_waitingRequestText -= next.text;
        // The main window was just raised for this request: pop-ups still
        // open stay above it.
        raiseRequestDialogs();
        auto *dialog = new ZELRequestDialog(this);
        connect(dialog, &ZELRequestDialog::requestDialogCloseSignal, this, &ZELClient::requestDialogCloseSignal);
        connect(dialog, &ZELRequestDialog::sendAcceptRejectSignal, this, &ZELClient::sendAcceptRejectSignal);
        connect(dialog, &ZELRequestDialog::decideLaterUserContact, this, &ZELClient::decideLaterUserContact);
        m_requestDialogs.insert(dialog, 0);
        dialog->setRequestDetails(next.kind, next.details);
        dialog->setFocus();
    }
}

void ZELClient::raiseRequestDialogs()
{
    const QList<ZELRequestDialog *> open = m_requestDialogs.keys();
    for (ZELRequestDialog *dialog : open)
        dialog->raise();
}

void ZELClient::requestDialogCloseSignal(ZELRequestDialog *dialog)
{
    if (dialog)
        m_requestDialogs.remove(dialog);
    // The place goes to the oldest waiting request.
    openWaitingRequests();
}

void ZELClient::closeRequestDialogs()
{
    // Forgotten first, so that no closing pop-up makes room for one of them.
    m_waitingRequests.clear();
    m_waitingRequestText = 0;
    closeEach(m_requestDialogs);
}

void ZELClient::sendAcceptRejectSignal(QString &kind, QString &answer, QStringList &details)
{
    if (kind == QLatin1String("ADD")) {
        const QString requester = details.value(1);
        if (requester.isEmpty())
            return;
        addContactApprovalStatus(answer, requester, m_loginId);
        checkUserNameInApprovalContact(requester);
        return;
    }
    if (kind != QLatin1String("CHAT"))
        return;

    const QString time = ZELTranscript::timeStamp(m_chatWindowSettings.value(ZELChatWindowList::HourFormat24));
    // An answer given after signing out reaches nobody.
    if (!m_signedIn)
        return;
    const QString inviter = details.value(2);
    const QString conferenceName = details.value(3);
    const QString inviterDisplayName = details.value(4);
    if (answer != QLatin1String("Accepted")) {
        conferenceChatStatus(QStringLiteral("Declined"), inviter, conferenceName, inviterDisplayName);
        return;
    }

    ZELChatWindow *window = m_chatWindows.value(conferenceName);
    const bool reused = window != nullptr;
    if (reused) {
        window->chatTabEnableDisable(false);
        window->Chat->setTabEnabled(2, true);
        window->Chat->setTabEnabled(3, true);
    } else {
        createChatWindowForConferenceChat(conferenceName, false, false);
        window = m_chatWindows.value(conferenceName);
    }
    if (window) {
        window->m_forceConferenceHeading = QStringLiteral("ADD");
        window->totalMessage->append(
            QStringLiteral("<table bgcolor = ") + kInvitationColour.name()
            + QStringLiteral(" width='100%' cellspacing='0' border='0'><tr><td width='80%'><font color=red><b>")
            + ZELTextBounds::shownName(inviterDisplayName).toHtmlEscaped()
            + QStringLiteral(" <font color=black><b>  invites conference chat</b></td><td width='20%' "
                             "align='right'><font color=darkgray><b>")
            + time + QStringLiteral("</td></tr></table>"));
        if (!window->participantRow(inviter))
            addConferenceParticipant(window, inviter, inviterDisplayName);
        const QString member = inviter + QStringLiteral("##") + inviterDisplayName;
        if (!window->m_conferenceUsers.contains(member))
            window->m_conferenceUsers.append(member);
        if (!reused)
            window->checkConferenceChatPrivilege(m_privilegeInfo);
    }
    conferenceChatStatus(QStringLiteral("Accepted"), inviter, conferenceName, inviterDisplayName);
}

void ZELClient::conferenceChatStatus(QString status, QString inviter, QString conferenceName, QString)
{
    QStringList request{QStringLiteral("CONFERECECHATSTATUS"), inviter, m_loginId, conferenceName, status,
                        m_ownDisplayName};
    convertXMLSendToServer(request);
}

// ---------------------------------------------------------------------------
// What conference windows and the dispatcher hand over for the server

void ZELClient::conferenceChat(QStringList &request)
{
    convertXMLSendToServer(request);
}

void ZELClient::conferenceChatMessage(QStringList &request)
{
    convertXMLSendToServer(request);
}

void ZELClient::removeConferenceChatUser(QStringList &request)
{
    convertXMLSendToServer(request);
}

void ZELClient::stopConferenceChat(QStringList &request)
{
    convertXMLSendToServer(request);
}

void ZELClient::closeConferenceChatWindow(QStringList &request)
{
    convertXMLSendToServer(request);
}

void ZELClient::conferenceMessageTypeStatus(QStringList &request)
{
    convertXMLSendToServer(request);
}
