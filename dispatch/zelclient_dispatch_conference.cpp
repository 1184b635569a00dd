#include "core/zelclient.h"

#include "chat/zelchatwindow.h"
#include "chat/zeltranscript.h"
#include "core/zelslicedwork.h"
#include "protocol/zelparsedmessage.h"
#include "protocol/zelsettingslists.h"
#include "style/zeltextbounds.h"

#include <QApplication>
#include <QIcon>
#include <QMovie>
#include <QPointer>
#include <QSet>
#include <QTableWidget>

// The server's conference messages: membership, answers to invitations,
// messages and files, written into the conference window kept under the
// conference name. None of them opens a message box.

namespace {

// Positions of the conference messages.
enum ChangePosition { ChangePeer = 2, ChangeConference = 3, ChangeDisplayName = 4 };
enum AnswerPosition { AnswerMember = 2, AnswerConference = 3, AnswerWord = 4, AnswerDisplayName = 5 };
enum InvitationPosition { InvitationInviter = 2, InvitationConference = 3, InvitationDisplayName = 4 };
enum UpdatePosition { UpdateAdder = 1, UpdateConference = 2, UpdateAdded = 3, UpdateMembers = 4 };
enum RemovePosition { RemoveConference = 2, RemoveMember = 3 };
enum StopPosition { StopConference = 2 };
enum ClosePosition { CloseMember = 1, CloseConference = 2, CloseText = 3 };
enum MessagePosition { MessageSender = 1, MessageConference = 2, MessageBody = 3, MessageProtected = 4,
                       MessagePicture = 5 };
enum ReadyPosition { ReadySender = 1, ReadyConference = 2, ReadyFileName = 3, ReadySizeAndLock = 4 };
enum FileStatusPosition { FileStatusMember = 2, FileStatusAnswer = 3, FileStatusFileName = 4, FileStatusConference = 5 };

enum FileColumn { NameColumn = 0, FolderColumn = 1, SizeColumn = 2, UserColumn = 3, DisplayColumn = 4,
                  StateColumn = 5, LockColumn = 6 };

const QColor kHeadingColour(240, 255, 255);   // conversions and additions
const QColor kMembershipColour(255, 248, 220); // answers, removals, stops; every speaker heading
const QColor kClosedColour(255, 255, 224);     // a member closed his window

const char kCells[] = " width='100%' cellspacing='0' border='0'><tr><td width='80%'>";
const char kTimeCell[] = "</td><td width='20%' align='right'><font color=darkgray><b>";

// A member key is "user name##display name".
QString firstField(const QString &value)
{
    return value.section(QStringLiteral("##"), 0, 0);
}

QString secondField(const QString &value)
{
    return value.section(QStringLiteral("##"), 1, 1);
}

QString centredRow(const QColor &colour, const QString &fontColour, const QString &text)
{
    return QStringLiteral("<table bgcolor = ") + colour.name()
           + QStringLiteral(" width='100%' cellspacing='0' border='0'><tr><td width='100%' align='center'><font color=")
           + fontColour + QStringLiteral("><b>") + text + QStringLiteral("</td></tr></table>");
}

void appendNotice(ZELChatWindow *window, const QColor &colour, const QString &notice, const QString &time)
{
    window->totalMessage->append(ZELTranscript::noticeRow(
        colour, QString::fromLatin1(kCells) + notice + QString::fromLatin1(kTimeCell), time));
    ZELTranscript::scrollToEnd(window->totalMessage);
}

void addMember(ZELChatWindow *window, const QString &member)
{
    if (!window->m_conferenceUsers.contains(member))
        window->m_conferenceUsers.append(member);
}

void disableSending(ZELChatWindow *window)
{
    for (QWidget *w : {static_cast<QWidget *>(window->sendButton), static_cast<QWidget *>(window->m_fileSend),
                       static_cast<QWidget *>(window->m_deskTopCaptureButton),
                       static_cast<QWidget *>(window->m_insertImageToolButton),
                       static_cast<QWidget *>(window->m_stopChatButton)})
        w->setEnabled(false);
}

// The user was removed or the conference ended: the window stays with its
// transcript, without participants, input or waiting files.
void closeDown(ZELChatWindow *window)
{
    window->m_chatRoomListBox->clear();
    window->m_privilegeMap.clear();
    window->clearParticipantEntries();
    window->m_conferenceUsers.clear();
    window->chatTabEnableDisable(true);
    window->Chat->setTabEnabled(2, false);
    window->Chat->setTabEnabled(3, false);
    window->Chat->setCurrentIndex(1);
    window->filePages().m_dowLoadtable->setRowCount(0);
    window->m_indicateFileReceivedLabel->hide();
    window->filePages().m_recievedFileLabel->clear();
    window->hideDownloadProgress();
    window->filePages().m_fileStatusLabel->clear();
    window->filePages().m_defaultFileLocation->clear();
    window->filePages().m_browsebutton->setEnabled(false);
    window->filePages().m_ftpOk->setEnabled(false);
    window->filePages().m_ftpCancel->setEnabled(false);
    window->m_receivedFileCount = 0;
}

QTableWidgetItem *colouredItem(const QString &text, const QColor &colour)
{
    auto *item = new QTableWidgetItem(text);
    item->setForeground(QBrush(colour));
    return item;
}

} // namespace

ZELDispatchResult ZELClient::dispatchChangeConferenceChat(const QStringList &message)
{
    const QString peer = messageValue(message, ChangePeer);
    const QString conferenceName = messageValue(message, ChangeConference);
    const QString displayName = messageValue(message, ChangeDisplayName);
    m_conversionPeer = peer;
    ZELChatWindow *open = m_chatWindows.value(peer);
    // Under a name already open here the open conference takes the peer in,
    // and the one-to-one window stays as it is.
    if (open && !open->m_peer.isEmpty() && !m_chatWindows.contains(conferenceName)) {
        changeConferenceChatWindow(conferenceName, false);
        return ZELDispatchResult::Continue;
    }

    // A window already under that name is kept with its transcript.
    const bool existed = m_chatWindows.contains(conferenceName);
    createChatWindowForConferenceChat(conferenceName, false, true);
    ZELChatWindow *window = m_chatWindows.value(conferenceName);
    if (!window)
        return ZELDispatchResult::Continue;
    window->m_forceConferenceHeading = QStringLiteral("ADD");
    if (!existed)
        window->totalMessage->setHtml(
            centredRow(kHeadingColour, QStringLiteral("blue"),
                       QStringLiteral("Conference Chat - ")
                           + ZELTranscript::shownConferenceName(conferenceName).toHtmlEscaped()));
    if (!window->participantRow(peer))
        addConferenceParticipant(window, peer, displayName);
    addMember(window, peer + QStringLiteral("##") + displayName);
    return ZELDispatchResult::Continue;
}

ZELDispatchResult ZELClient::dispatchConferenceChatStatus(const QStringList &message)
{
    const QString time = ZELTranscript::timeStamp(m_chatWindowSettings.value(ZELChatWindowList::HourFormat24));
    ZELChatWindow *window = m_chatWindows.value(messageValue(message, AnswerConference));
    if (!window)
        return ZELDispatchResult::Continue;
    const QString member = messageValue(message, AnswerMember);
    // No account has a user name of that length: the answer is no member's.
    if (member.size() > ZELTextBounds::KeyLength)
        return ZELDispatchResult::Continue;
    const QString answer = messageValue(message, AnswerWord);
    const QString displayName = messageValue(message, AnswerDisplayName);
    const bool accepted = answer == QLatin1String("Accepted");

    ZELTranscript::drawAttention(window);
    window->m_forceConferenceHeading = QStringLiteral("ADD");
    window->totalMessage->append(ZELTranscript::noticeRow(
        kMembershipColour,
        QString::fromLatin1(kCells) + QStringLiteral("<font color=black><b>")
            + ZELTextBounds::shownName(displayName).toHtmlEscaped()
            + (accepted ? QStringLiteral(" has <font color=darkgreen> ") : QStringLiteral(" has <font color=red> "))
            + ZELTextBounds::shownName(answer).toHtmlEscaped() + QStringLiteral(" <font color = black>  conference chat</b>") + QString::fromLatin1(kTimeCell),
        time));
    ZELTranscript::scrollToEnd(window->totalMessage);

    if (accepted) {
        if (!window->participantRow(member))
            addConferenceParticipant(window, member, displayName);
        addMember(window, member + QStringLiteral("##") + displayName);
        if (!window->m_stopChatButton->isEnabled()) {
            window->m_stopChatButton->setEnabled(true);
            window->checkConferenceChatPrivilege(m_privilegeInfo);
        }
        QString everyone;
        for (int i = 0; i < window->m_chatRoomListBox->count(); ++i) {
            const QListWidgetItem *row = window->m_chatRoomListBox->item(i);
            everyone += row->toolTip() + QStringLiteral("##") + row->text() + QLatin1Char(',');
        }
        QStringList request{QStringLiteral("UPDATECONFERENCECHATUSERS"),
                            m_loginId + QStringLiteral("##") + m_ownDisplayName,
                            messageValue(message, AnswerConference), member + QStringLiteral("##") + displayName,
                            everyone};
        request << window->participantUserNames();
        updateConferenceChatUsers(request);
    }
    window->m_conferenceInvitees.removeAll(member);
    return ZELDispatchResult::Continue;
}

ZELDispatchResult ZELClient::dispatchConferenceChat(const QStringList &message)
{
    // Signed out: this invitation and the rest of the delivery are dropped.
    if (!m_signedIn)
        return ZELDispatchResult::LeaveLoop;
    if (isMinimized() || isHidden()) {
        showNormal();
        activateWindow();
    } else {
        raise();
        activateWindow();
    }
    showConferenceChatAcceptanceDialog(QStringLiteral("CHAT"), message);
    return ZELDispatchResult::Continue;
}

ZELDispatchResult ZELClient::dispatchUpdateConferenceChatUsers(const QStringList &message)
{
    const QString time = ZELTranscript::timeStamp(m_chatWindowSettings.value(ZELChatWindowList::HourFormat24));
    ZELChatWindow *window = m_chatWindows.value(messageValue(message, UpdateConference));
    if (!window)
        return ZELDispatchResult::Continue;
    const QString added = messageValue(message, UpdateAdded);
    if (firstField(added) != m_loginId) {
        window->m_forceConferenceHeading = QStringLiteral("ADD");
        window->totalMessage->append(centredRow(kHeadingColour, QStringLiteral("blue"),
                                                ZELTextBounds::shownName(secondField(messageValue(message, UpdateAdder)))
                                                        .toHtmlEscaped()
                                                    + QStringLiteral(" added ")
                                                    + ZELTextBounds::shownName(secondField(added)).toHtmlEscaped()
                                                    + QStringLiteral(" in this chat")));
        window->totalMessage->append(centredRow(kHeadingColour, QStringLiteral("darkgray"), time));
        ZELTranscript::scrollToEnd(window->totalMessage);
        ZELTranscript::drawAttention(window);
    }

    // Every member key is followed by ","; a key without one is not counted.
    struct Members
    {
        QString text;
        qsizetype at = 0;
        // A set, not a walk of the list per entry: a long list must not stall the window.
        QSet<QString> listed;
    };
    auto members = std::make_shared<Members>();
    members->text = messageValue(message, UpdateMembers);
    const QStringList listedNames = window->participantUserNames();
    members->listed = QSet<QString>(listedNames.cbegin(), listedNames.cend());
    const QPointer<ZELChatWindow> conference = window;
    // Each member shown is a row with widgets of its own: they are added a
    // slice at a time, the keys read in order as they go.
    runSliced(
        members->text.count(QLatin1Char(',')),
        [this, conference, members](qsizetype) {
            const qsizetype comma = members->text.indexOf(QLatin1Char(','), members->at);
            const QString entry = members->text.mid(members->at, comma - members->at);
            members->at = comma + 1;
            if (!conference || conference->m_chatRoomListBox->count() >= MaxConferenceParticipants)
                return;
            const QString userName = firstField(entry);
            if (userName == m_loginId || members->listed.contains(userName))
                return;
            members->listed.insert(userName);
            addConferenceParticipant(conference, userName, secondField(entry));
            addMember(conference, entry);
        },
        [members]() mutable { ZELSlicedWork::releaseAside(std::move(members)); });
    return ZELDispatchResult::Continue;
}

ZELDispatchResult ZELClient::dispatchConferenceChatMessage(const QStringList &message)
{
    const QString time = ZELTranscript::timeStamp(m_chatWindowSettings.value(ZELChatWindowList::HourFormat24));
    ZELChatWindow *window = m_chatWindows.value(messageValue(message, MessageConference));
    if (!window)
        return ZELDispatchResult::Continue;
    const QString speaker = secondField(messageValue(message, MessageSender));
    const bool isProtected = messageValue(message, MessageProtected) == QLatin1String("TRUE");

    // A protected message waits behind the user's password; nothing after it
    // in this delivery is handled.
    QWidget *active = QApplication::activeWindow();
    if (window->isMinimized()) {
        QApplication::alert(window);
        if (isProtected) {
            window->passwordProtectedMessage(message, m_password, QString(), QString());
            if (!m_screenCaptureActive)
                showPasswordProtectPopup(messageValue(message, MessageConference), speaker);
            return ZELDispatchResult::Return;
        }
        if (!m_screenCaptureActive
            && m_notificationSettings.value(ZELNotificationList::SendsMessage) == QLatin1String("TRUE"))
            showChatPopupWidget(message, speaker);
    } else {
        if (!window->isActiveWindow())
            QApplication::alert(window);
        QWidget *modal = QApplication::activeModalWidget();
        if (modal && modal->parentWidget() == window)
            modal->raise();
        if (isProtected) {
            window->passwordProtectedMessage(message, m_password, QString(), QString());
            return ZELDispatchResult::Return;
        }
    }
    if (active)
        active->raise();

    // A picture that came with the message is stored and shown from there, as in a one-to-one chat.
    QString body = showReceivedPicture(messageValue(message, MessagePicture), messageValue(message, MessageBody));
    if (m_chatWindowSettings.value(ZELChatWindowList::DisplaySmileys) == QLatin1String("FALSE")) {
        const bool hadPictures = body.contains(QLatin1String("img"));
        body.remove(QStringLiteral("img"));
        if (hadPictures)
            body += QStringLiteral(" :) ");
    }
    ZELTranscript::appendConferenceSpeakerBlock(window, kMembershipColour, speaker, m_ownDisplayName, time,
                                                {ZELTranscript::decodeCommas(body)});
    return ZELDispatchResult::Continue;
}

ZELDispatchResult ZELClient::dispatchRemoveConferenceChatUser(const QStringList &message)
{
    const QString time = ZELTranscript::timeStamp(m_chatWindowSettings.value(ZELChatWindowList::HourFormat24));
    ZELChatWindow *window = m_chatWindows.value(messageValue(message, RemoveConference));
    if (!window)
        return ZELDispatchResult::Continue;
    window->m_forceConferenceHeading = QStringLiteral("ADD");
    ZELTranscript::drawAttention(window);

    const QString removed = messageValue(message, RemoveMember);
    const QString userName = firstField(removed);
    if (userName == m_loginId) {
        appendNotice(window, kMembershipColour,
                     QStringLiteral("<b>You have been <font color=red>removed <font color=black><b>from this "
                                    "conference chat"),
                     time);
        closeDown(window);
        return ZELDispatchResult::Continue;
    }
    appendNotice(window, kMembershipColour,
                 QStringLiteral("<b><font color=red>") + ZELTextBounds::shownName(secondField(removed)).toHtmlEscaped()
                     + QStringLiteral(" <font color=black><b> removed from this conference chat"),
                 time);
    // By user name: a namesake stays.
    window->removeParticipant(userName);
    if (window->conferenceControlsShown() && window->participantCount() == 0)
        disableSending(window);
    return ZELDispatchResult::Continue;
}

ZELDispatchResult ZELClient::dispatchStopConferenceChat(const QStringList &message)
{
    const QString time = ZELTranscript::timeStamp(m_chatWindowSettings.value(ZELChatWindowList::HourFormat24));
    ZELChatWindow *window = m_chatWindows.value(messageValue(message, StopConference));
    if (!window)
        return ZELDispatchResult::Continue;
    window->m_forceConferenceHeading = QStringLiteral("ADD");
    ZELTranscript::drawAttention(window);
    appendNotice(window, kMembershipColour, QStringLiteral("<font color=red><b>Conference chat stopped"), time);
    closeDown(window);
    return ZELDispatchResult::Continue;
}

ZELDispatchResult ZELClient::dispatchConferenceChatFtpReady(const QStringList &message)
{
    const QString time = ZELTranscript::timeStamp(m_chatWindowSettings.value(ZELChatWindowList::HourFormat24));
    ZELChatWindow *window = m_chatWindows.value(messageValue(message, ReadyConference));
    if (!window)
        return ZELDispatchResult::Continue;
    const QString sender = messageValue(message, ReadySender);
    const QString speaker = secondField(sender);
    const QString fileName = messageValue(message, ReadyFileName);
    const QString sizeAndLock = messageValue(message, ReadySizeAndLock);
    const QString locked = secondField(sizeAndLock);
    const bool isLocked = locked == QLatin1String("1");

    window->ftpCancel();
    ZELTranscript::drawAttention(window, [&]() {
        if (!m_screenCaptureActive
            && m_notificationSettings.value(ZELNotificationList::SendsFile) == QLatin1String("TRUE"))
            showChatPopupWidget(message, speaker);
    });
    ZELTranscript::appendConferenceSpeakerBlock(window, kMembershipColour, speaker, m_ownDisplayName, time,
                                                {ZELTranscript::fileOfferLine(fileName, isLocked)});
    window->downLoadPage->setEnabled(true);
    window->showFileOffer(fileName, firstField(sizeAndLock), firstField(sender), speaker, locked,
                          m_defaultFileLocation);
    return ZELDispatchResult::Continue;
}

ZELDispatchResult ZELClient::dispatchConferenceChatFtpStatus(const QStringList &message)
{
    const QString time = ZELTranscript::timeStamp(m_chatWindowSettings.value(ZELChatWindowList::HourFormat24));
    ZELChatWindow *window = m_chatWindows.value(messageValue(message, FileStatusConference));
    if (!window)
        return ZELDispatchResult::Continue;
    const QString member = messageValue(message, FileStatusMember);
    const QString answer = messageValue(message, FileStatusAnswer);
    const QString fileName = messageValue(message, FileStatusFileName);
    const bool accepted = answer == QLatin1String("Accepted");
    ZELTranscript::drawAttention(window);

    QTableWidget *uploads = window->filePages().m_uploadedFiletable;
    for (int row = 0; row < uploads->rowCount(); ++row) {
        const QTableWidgetItem *state = uploads->item(row, StateColumn);
        const QTableWidgetItem *name = uploads->item(row, NameColumn);
        const QTableWidgetItem *user = uploads->item(row, UserColumn);
        if (!state || !name || !user || state->text() != QLatin1String("Waiting") || name->text() != fileName
            || user->text() != firstField(member))
            continue;
        uploads->setItem(row, StateColumn, colouredItem(answer, accepted ? Qt::darkGreen : Qt::red));
        break;
    }

    const QString colour = QColor(accepted ? Qt::darkGreen : Qt::red).name();
    ZELTranscript::appendConferenceSpeakerBlock(
        window, kMembershipColour, secondField(member), m_ownDisplayName, time,
        {QStringLiteral("<b>Sent file status ::&nbsp;</b>") + ZELTextBounds::shownName(secondField(member)).toHtmlEscaped()
         + QStringLiteral(" has <b><font color = ") + colour + QStringLiteral(">")
         + ZELTextBounds::shownName(answer).toHtmlEscaped() + QStringLiteral(" <font color = black>")
         + ZELTextBounds::shownFileName(fileName).toHtmlEscaped() + QStringLiteral(" </b> file")});
    return ZELDispatchResult::Continue;
}

ZELDispatchResult ZELClient::dispatchCloseConferenceChatWindow(const QStringList &message)
{
    const QString time = ZELTranscript::timeStamp(m_chatWindowSettings.value(ZELChatWindowList::HourFormat24));
    ZELChatWindow *window = m_chatWindows.value(messageValue(message, CloseConference));
    if (!window)
        return ZELDispatchResult::Continue;
    window->m_forceConferenceHeading = QStringLiteral("ADD");
    ZELTranscript::drawAttention(window);

    const QString userName = messageValue(message, CloseMember);
    if (window->participantRow(userName)) {
        window->totalMessage->append(ZELTranscript::noticeRow(
            kClosedColour,
            QString::fromLatin1(kCells) + QStringLiteral("<b>")
                + ZELTextBounds::breakableHtml(messageValue(message, CloseText), ZELTextBounds::LineLength)
                + QString::fromLatin1(kTimeCell),
            time));
        window->removeParticipant(userName);
        if (window->m_chatRoomListBox->count() == 0)
            disableSending(window);
        for (int i = 0; i < window->m_conferenceUsers.size(); ++i) {
            if (firstField(window->m_conferenceUsers.at(i)) == userName) {
                window->m_conferenceUsers.removeAt(i);
                break;
            }
        }
    }
    ZELTranscript::scrollToEnd(window->totalMessage);
    return ZELDispatchResult::Continue;
}
