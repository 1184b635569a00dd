#include "core/zelclient.h"

#include <QAction>
#include <QComboBox>
#include <QListWidget>
#include <QMovie>
#include <QSet>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTreeWidget>

#include <optional>

#include "chat/zelchatwindow.h"
#include "chat/zelinvitablelist.h"
#include "chat/zeltranscript.h"
#include "core/zelslicedwork.h"
#include "protocol/zelparsedmessage.h"
#include "protocol/zelsettingslists.h"
#include "mainwindow/zelcontactindex.h"
#include "mainwindow/zelcontactrow.h"
#include "reminders/zelreminderdialog.h"
#include "style/zeltextbounds.h"

namespace {

// "NEWUSER": [1] "OWN" or "OTHERS", then eight values per contact from [2].
enum NewUserValue { NewUserKind = 1, OwnText = 2, FirstContact = 2 };
enum ContactValue {
    ContactUserName,
    ContactState,
    ContactDepartment,
    ContactDisplayName,
    ContactProfile,
    ContactStatusMessage,
    ContactStatus,
    ContactApproval,
    ContactWidth
};
// The "&&"-joined profile of a contact.
enum ProfileValue { ProfileJobTitle = 0, ProfileCompany = 1, ProfilePhoto = 10, ProfileTimeZone = 11 };

enum LogoutValue { LogoutUserName = 1, LogoutDepartment, LogoutDisplayName, LogoutCompany, LogoutStatusMessage };

enum ChangeStatusValue {
    StatusUserName = 1,
    StatusMessage,
    StatusWord,
    StatusCompany,
    StatusDisplayName,
    StatusProfile,
    ChangeStatusSize
};

const QString True = QStringLiteral("TRUE");
const QString Online = QStringLiteral("Online");
const QString Offline = QStringLiteral("Offline");

QString presentKey(const QString &userName, const QString &displayName)
{
    return userName + QStringLiteral("##") + displayName;
}

// Every entry of one user, whatever display name it was announced with.
bool removePresent(QStringList &present, const QString &userName)
{
    const QString prefix = userName + QStringLiteral("##");
    return present.removeIf([&prefix](const QString &entry) { return entry.startsWith(prefix); }) > 0;
}

QTreeWidgetItem *groupRow(QTreeWidget *tree, QTreeWidgetItem *parent, const QString &text, const char *icon)
{
    if (QTreeWidgetItem *row = ZELContactRow::childByText(parent, text))
        return row;
    QTreeWidgetItem *row = ZELContactRow::makeGroup(text, icon);
    parent->addChild(row);
    const QSignalBlocker quiet(tree); // not the user's expansion
    row->setExpanded(true);
    return row;
}

// Takes a contact row out and prunes the department and company rows it leaves empty.
void takeOut(QTreeWidgetItem *row, const QTreeWidgetItem *topLevel)
{
    QTreeWidgetItem *parent = row->parent();
    delete row;
    while (parent && parent != topLevel && parent->childCount() == 0) {
        QTreeWidgetItem *up = parent->parent();
        delete parent;
        parent = up;
    }
}

void setContactRow(QTreeWidgetItem *row, const QString &text, const char *icon, const QString &toolTip)
{
    if (row->text(0) != text)
        row->setText(0, text);
    row->setIcon(0, ZELContactRow::icon(icon));
    if (row->toolTip(0) != toolTip)
        row->setToolTip(0, toolTip);
}

} // namespace

namespace {

// A status entry in the peer's window: "Status ::" and the status message.
void writeStatusEntry(ZELClient &client, ZELChatWindow *window, const QString &time, const QString &statusMessage)
{
    if (client.m_chatWindowSettings.value(ZELChatWindowList::ShowStatusChange) != True)
        return;
    ZELTranscript::appendSpeakerBlock(window, ZELTranscript::receivedColour(), window->m_peerDisplayName,
                                      client.m_ownDisplayName, time,
                                      {QStringLiteral("<b>Status :: </b>") + statusMessage});
}

void updateConferenceAction(ZELClient &client)
{
    const bool conference = client.m_presentContacts.size() >= 2;
    client.m_conferenceChatAction->setEnabled(conference);
    client.m_conferenceChatToolButton->setEnabled(conference);
}

void signInNotices(ZELClient &client, bool beforeContacts)
{
    if (!client.m_sessionActive)
        return;
    client.m_sessionActive = false;
    if (client.m_autoReSignIn)
        return;
    const int messages = client.m_unreadOfflineMessageCount;
    const int files = client.m_offlineFileCount;
    const int voiceMails = client.m_newVoiceMailCount;
    const int requests = client.m_requestedCount;
    const bool offlinePopup = client.m_notificationSettings.value(ZELNotificationList::SendsOfflineMessage) == True;
    const QString start = QStringLiteral("<b><font color = '#C34A2C'>You have received ");
    if (messages > 0 && files == 0) {
        if (offlinePopup)
            client.showVoiceMailPopup(start + QString::number(messages) + QStringLiteral(" new Offline Message(s)<b>"));
    } else if (messages == 0 && files > 0) {
        if (offlinePopup)
            client.showVoiceMailPopup(start + QString::number(files)
                                      + (beforeContacts ? QStringLiteral(" new files(s)<b>") : QStringLiteral(" new file(s)<b>")));
    } else if (messages > 0 && files > 0) {
        if (offlinePopup)
            client.showVoiceMailPopup(start + QString::number(files) + QStringLiteral(" new file(s) <br>& ")
                                      + QString::number(messages)
                                      + (beforeContacts ? QStringLiteral(" new Offline Message(s)<br>& <b>")
                                                        : QStringLiteral(" new Offline Message(s)<b>")));
    } else if (voiceMails > 0) {
        if (client.m_notificationSettings.value(ZELNotificationList::SendsVoiceMail) == True)
            client.showVoiceMailPopup(start + QString::number(voiceMails) + QStringLiteral(" new Voice Mail(s)<b>"));
    } else if (requests > 0) {
        client.showVoiceMailPopup(QStringLiteral("<font color='#C34A2C'><b>You have received ")
                                  + QString::number(requests) + QStringLiteral(" add contact request</b></font>"));
    }
}

} // namespace

ZELDispatchResult ZELClient::dispatchNewUser(const QStringList &received)
{
    const QString kind = messageValue(received, NewUserKind);
    const bool own = kind == QLatin1String("OWN");
    if (!own && kind != QLatin1String("OTHERS"))
        return ZELDispatchResult::Continue; // neither list: nothing to read
    // The rows are made at sign-in; a list that arrives without them has no place.
    if (!m_onlineItem || !m_offlineItem || !m_activeItem || !m_inactiveItem || !m_recentChatsItem)
        return ZELDispatchResult::Continue;

    const bool empty = own && messageValue(received, OwnText) == QLatin1String("EMPTY");
    if (empty)
        signInNotices(*this, true);

    // What the whole list shares, kept while its contacts are added a slice at a time.
    struct Listing
    {
        // "OTHERS": a contact's values are fields of the message. "OWN": they
        // are the comma-separated values of one text, read in order as the list
        // fills rather than split up front.
        QStringList message;
        QString ownText;
        qsizetype ownAt = 0;
        QString values[ContactWidth];
        void read(qsizetype contact)
        {
            if (ownText.isNull()) {
                const qsizetype b = FirstContact + contact * ContactWidth;
                for (int v = 0; v < ContactWidth; ++v)
                    values[v] = messageValue(message, int(b + v));
                return;
            }
            for (int v = 0; v < ContactWidth; ++v) {
                const qsizetype comma = ownText.indexOf(QLatin1Char(','), ownAt);
                const qsizetype end = comma < 0 ? ownText.size() : comma;
                values[v] = ownText.mid(ownAt, end - ownAt);
                ownAt = end + 1;
            }
        }
        bool own = false;
        bool onlinePopup = false;
        // Looked up once per contact: sets instead of walking the lists each time.
        QSet<QString> presentUsers;
        QSet<QString> assignees;
        // Every window can invite the contacts online, handed over once for the
        // whole list; namesakes are rows of their own.
        ZELInvitableList::Contacts invitable;
        // One pop-up slides in for the whole list, naming the last contact who came
        // online: each would replace the one before it, and each slide holds the window.
        std::optional<QString> cameOnline;
    };
    // Not const: the closing step hands it on.
    auto listing = std::make_shared<Listing>();
    if (own)
        listing->ownText = empty ? QString() : messageValue(received, OwnText);
    else
        listing->message = received;
    listing->own = own;
    for (const QString &entry : std::as_const(m_presentContacts))
        listing->presentUsers.insert(entry.section(QStringLiteral("##"), 0, 0));
    if (ZELReminderDialog *dialog = m_reminderDialog.built()) {
        for (int i = 0, n = dialog->m_assigneeName->count(); i < n; ++i)
            listing->assignees.insert(dialog->m_assigneeName->itemText(i));
    } else {
        for (const QString &name : std::as_const(m_pendingAssignees.names))
            listing->assignees.insert(name);
    }
    listing->onlinePopup = m_notificationSettings.value(ZELNotificationList::ComesOnline) == True;

    const auto addContact = [this, listing](qsizetype c) {
        // The tree was cleared under a list still filling: nothing is left to fill.
        if (!m_onlineItem || !m_offlineItem || !m_activeItem || !m_inactiveItem || !m_recentChatsItem)
            return;
        ZELContactIndex *index = contactIndex();
        QSet<QString> &presentUsers = listing->presentUsers;
        listing->read(c);
        auto value = [&listing](ContactValue v) { return listing->values[v]; };
        const QString userName = value(ContactUserName);
        const QString state = value(ContactState);
        const QString department = value(ContactDepartment);
        const QString displayName = value(ContactDisplayName);
        const QString status = value(ContactStatus);
        const bool approved = value(ContactApproval) == QLatin1String("APPROVED");
        const QStringList profile = profileParts(value(ContactProfile));
        const QString company = profile.value(ProfileCompany);
        if (userName.isEmpty() || userName.size() > ZELTextBounds::KeyLength)
            return;

        if (state == Offline) {
            const char *icon = approved ? ZELContactRow::OfflineIcon : ZELContactRow::ApprovalIcon;
            const QString toolTip = userName + (approved ? QStringLiteral(" - Offline") : QStringLiteral(" - Not Approved"));
            // An absent contact is nowhere among the present ones.
            for (QTreeWidgetItem *row : index->rowsUnder(userName, m_onlineItem))
                takeOut(row, m_onlineItem);
            for (QTreeWidgetItem *row : index->rowsUnder(userName, m_activeItem))
                takeOut(row, m_activeItem);
            if (presentUsers.remove(userName) && removePresent(m_presentContacts, userName))
                updateConferenceAction(*this);

            QTreeWidgetItem *departmentRow = groupRow(m_contactView, groupRow(m_contactView, m_offlineItem, company, icon),
                                                      department, icon);
            if (!index->childRow(userName, departmentRow))
                departmentRow->addChild(ZELContactRow::make(displayName, icon, toolTip));
            if (m_recentChatUsers.contains(userName)) {
                const QString recentTip = userName + QStringLiteral(" - Offline");
                if (QTreeWidgetItem *row = index->childRow(userName, m_recentChatsItem))
                    setContactRow(row, displayName, ZELContactRow::OfflineIcon, recentTip);
                else
                    m_recentChatsItem->addChild(ZELContactRow::make(displayName, ZELContactRow::OfflineIcon, recentTip));
            }
            if (!index->childRow(userName, m_inactiveItem))
                m_inactiveItem->addChild(ZELContactRow::make(displayName, icon, toolTip));
        } else if (state == Online) {
            if (presentUsers.contains(userName))
                removePresent(m_presentContacts, userName);
            presentUsers.insert(userName);
            m_presentContacts.append(presentKey(userName, displayName));
            updateConferenceAction(*this);

            const QString text = ZELContactRow::presentText(displayName, status);
            const QString toolTip = userName + QStringLiteral(" - Online");
            const char *icon = ZELContactRow::OnlineIcon;
            QTreeWidgetItem *departmentRow = groupRow(m_contactView, groupRow(m_contactView, m_onlineItem, company, icon),
                                                      department, icon);
            if (QTreeWidgetItem *row = index->childRow(userName, departmentRow))
                row->setText(0, text);
            else
                departmentRow->addChild(ZELContactRow::make(text, icon, toolTip));
            if (m_recentChatUsers.contains(userName)) {
                if (QTreeWidgetItem *row = index->childRow(userName, m_recentChatsItem))
                    setContactRow(row, text, icon, toolTip);
                else
                    m_recentChatsItem->addChild(ZELContactRow::make(text, icon, toolTip));
            }
            for (QTreeWidgetItem *row : index->rowsUnder(userName, m_offlineItem))
                takeOut(row, m_offlineItem);
            for (QTreeWidgetItem *row : index->rowsUnder(userName, m_inactiveItem))
                takeOut(row, m_inactiveItem);
            if (QTreeWidgetItem *row = index->childRow(userName, m_activeItem))
                row->setText(0, text);
            else
                m_activeItem->addChild(ZELContactRow::make(text, icon, toolTip));

            listing->invitable.append({userName, displayName});
            if (!listing->own && listing->onlinePopup)
                listing->cameOnline = displayName;
        }

        UserRecord record;
        record.jobTitle = profile.value(ProfileJobTitle);
        record.displayName = displayName;
        record.department = department;
        record.status = status;
        record.statusMessage = value(ContactStatusMessage);
        record.profileDetails = value(ContactProfile);
        record.userName = userName;
        record.photoBase64 = profile.value(ProfilePhoto);
        record.timeZone = profile.value(ProfileTimeZone);
        m_users.insert(userName, record);

        if (state == Online)
            userLoggedInStatus(userName, displayName, record.photoBase64);

        if (approved && !listing->assignees.contains(displayName)) {
            listing->assignees.insert(displayName);
            addReminderAssignee(displayName,
                                displayName + QStringLiteral("##") + userName + QStringLiteral("##") + record.timeZone);
        }
    };

    const auto finish = [this, listing]() mutable {
        for (ZELChatWindow *window : std::as_const(m_chatWindows)) {
            if (window)
                window->invitableUsers().add(listing->invitable, ZELInvitableList::SameUserName);
        }
        if (listing->cameOnline)
            raisePopUp(*listing->cameOnline, Online);

        signInNotices(*this, false);
        hideFavouritesUsers();
        m_autoReSignIn = false;
        // A list of tens of thousands takes a while to free as well.
        ZELSlicedWork::releaseAside(std::move(listing));
    };

    // Only whole records: a short or truncated list never reads past its end.
    qsizetype contacts = 0;
    if (!own)
        contacts = messageRecordCount(listing->message, FirstContact, ContactWidth);
    else if (!empty && received.size() > OwnText)
        contacts = (listing->ownText.count(QLatin1Char(',')) + 1) / ContactWidth;
    runSliced(contacts, addContact, finish);
    return ZELDispatchResult::Continue;
}

ZELDispatchResult ZELClient::dispatchLogout(const QStringList &message)
{
    const QString userName = messageValue(message, LogoutUserName);
    if (userName.isEmpty() || userName == m_loginId)
        return ZELDispatchResult::Continue;
    const QString department = messageValue(message, LogoutDepartment);
    const QString displayName = messageValue(message, LogoutDisplayName);
    const QString company = messageValue(message, LogoutCompany);
    const QString statusMessage = messageValue(message, LogoutStatusMessage);
    const QString toolTip = userName + QStringLiteral(" - Offline");
    const QString time = ZELTranscript::timeStamp(m_chatWindowSettings.value(ZELChatWindowList::HourFormat24));
    const bool treeBuilt = m_onlineItem && m_offlineItem && m_activeItem && m_inactiveItem && m_recentChatsItem;
    ZELContactIndex *index = contactIndex();

    bool moved = false;
    if (treeBuilt) {
        if (m_recentChatUsers.contains(userName)) {
            for (QTreeWidgetItem *row : index->rowsUnder(userName, m_recentChatsItem))
                setContactRow(row, displayName, ZELContactRow::OfflineIcon, toolTip);
        }
        // The contact's row under the online grouping, wherever it was placed.
        const QList<QTreeWidgetItem *> onlineRows = index->rowsUnder(userName, m_onlineItem);
        if (!onlineRows.isEmpty()) {
            const QString shownName = ZELContactRow::displayName(onlineRows.first());
            for (QTreeWidgetItem *row : onlineRows)
                takeOut(row, m_onlineItem);
            if (m_notificationSettings.value(ZELNotificationList::GoesOffline) == True)
                raisePopUp(shownName, QStringLiteral("Logout"));
            if (!index->childRow(userName, m_inactiveItem))
                m_inactiveItem->addChild(ZELContactRow::make(displayName, ZELContactRow::OfflineIcon, toolTip));
            moved = true;
        }
    }

    if (ZELChatWindow *window = m_chatWindows.value(userName)) {
        ZELTranscript::drawAttention(window);
        window->m_userStatusLabel->setText(ZELTextBounds::shownLine(statusMessage));
        window->setPresencePicture(QStringLiteral(":images/Offline.png"));
        window->m_peerStatus = Offline;
        const QString title = window->m_logoLabel->text().section(QLatin1Char('('), 0, 0) + QStringLiteral("(Offline)");
        window->setWindowTitle(title);
        window->m_logoLabel->setText(title);
        if (QMovie *movie = window->m_messageIndicationGif->movie())
            movie->stop();
        window->chatTabEnableDisable(true);
        window->Chat->setTabEnabled(3, false);
        window->m_peerSignedOut = true;
        writeStatusEntry(*this, window, time, statusMessage);
    }

    removePresent(m_presentContacts, userName);
    updateConferenceAction(*this);

    // Conferences the contact took part in lose the member (found by user
    // name, so a namesake stays).
    const QString memberPrefix = userName + QStringLiteral("##");
    for (ZELChatWindow *window : std::as_const(m_chatWindows)) {
        if (!window || !window->participantRow(userName))
            continue;
        window->totalMessage->append(ZELTranscript::noticeRow(
            QColor(0xff, 0xff, 0xe0),
            QStringLiteral(" width='100%' cellspacing='0' border='0'><tr><td width='80%'><b>")
                + ZELTextBounds::shownName(displayName).toHtmlEscaped()
                + QStringLiteral(" left from this conference chat</td><td width='20%' align='right'>"
                                 "<font color=darkgray><b>"),
            time));
        window->m_conferenceUsers.removeIf(
            [&memberPrefix](const QString &member) { return member.startsWith(memberPrefix); });
    }

    // Every window's lists and participants tree are built again from the
    // contacts present and the window's own members.
    const ZELInvitableList::Contacts present = ZELInvitableList::fromPresent(m_presentContacts);
    for (ZELChatWindow *window : std::as_const(m_chatWindows)) {
        if (!window)
            continue;
        window->invitableUsers().clear();
        window->invitableUsers().add(present, ZELInvitableList::SameUserName);
        if (window->hasConferencePage())
            window->m_chatRoomListBox->clear();
        window->clearParticipantEntries();
        window->m_privilegeMap.clear();
        for (const QString &member : std::as_const(window->m_conferenceUsers)) {
            const QString memberName = member.section(QStringLiteral("##"), 0, 0);
            if (!window->participantRow(memberName))
                addConferenceParticipant(window, memberName, member.section(QStringLiteral("##"), 1));
        }
    }

    if (treeBuilt) {
        if (moved) {
            QTreeWidgetItem *departmentRow = groupRow(
                m_contactView, groupRow(m_contactView, m_offlineItem, company, ZELContactRow::OfflineIcon), department,
                ZELContactRow::OfflineIcon);
            if (!index->childRow(userName, departmentRow))
                departmentRow->addChild(ZELContactRow::make(displayName, ZELContactRow::OfflineIcon, toolTip));
        }
        for (QTreeWidgetItem *row : index->rowsUnder(userName, m_activeItem))
            takeOut(row, m_activeItem);
    }

    if (ZELChatWindow *offline = m_chatWindows.value(userName + QStringLiteral("OfflineMessage"))) {
        offline->chatpage->setEnabled(false);
        offline->m_userStatusLabel->setText(ZELTextBounds::shownLine(statusMessage));
        offline->setPresencePicture(QStringLiteral(":images/Offline.png"));
    }

    const auto record = m_users.find(userName);
    if (record != m_users.end()) {
        record->status = Offline;
        record->statusMessage = statusMessage;
    }

    if (treeBuilt)
        hideFavouritesUsers();
    return ZELDispatchResult::Continue;
}

ZELDispatchResult ZELClient::dispatchChangeStatus(const QStringList &message)
{
    // Every value up to the profile is read; a shorter message says too little.
    if (message.size() < ChangeStatusSize)
        return ZELDispatchResult::Continue;
    const QString userName = messageValue(message, StatusUserName);
    const QString statusMessage = messageValue(message, StatusMessage);
    const QString status = messageValue(message, StatusWord);
    const QString displayName = messageValue(message, StatusDisplayName);
    const QString text = status == Online ? displayName : displayName + QStringLiteral(" (") + status + QLatin1Char(')');
    const bool showCard = m_contactDisplaySettings.value(ZELContactDisplayList::HighlightDetails) == True;
    const QString time = ZELTranscript::timeStamp(m_chatWindowSettings.value(ZELChatWindowList::HourFormat24));

    ZELContactIndex *index = contactIndex();
    QList<QTreeWidgetItem *> rows = index->rowsUnder(userName, m_onlineItem);
    if (m_recentChatUsers.contains(userName))
        rows += index->rowsUnder(userName, m_recentChatsItem);
    rows += index->rowsUnder(userName, m_activeItem);
    for (QTreeWidgetItem *row : std::as_const(rows)) {
        if (row->isSelected() && showCard)
            changeUserStatusProfile(row, status, statusMessage);
        row->setText(0, text);
    }

    if (ZELChatWindow *window = m_chatWindows.value(userName)) {
        window->m_userStatusLabel->setText(ZELTextBounds::shownLine(statusMessage));
        window->setPresencePicture(ZELContactRow::statusPicture(status, true));
        const QString title = window->m_logoLabel->text().section(QLatin1Char('('), 0, 0) + QLatin1Char('(')
                              + ZELTextBounds::shownName(status) + QLatin1Char(')');
        window->setWindowTitle(title);
        window->m_logoLabel->setText(title);
        writeStatusEntry(*this, window, time, statusMessage);
    }

    // Conferences the contact takes part in, while they still run.
    if (m_chatWindowSettings.value(ZELChatWindowList::ShowStatusChange) == True) {
        for (ZELChatWindow *window : std::as_const(m_chatWindows)) {
            if (!window || !window->participantRow(userName) || !window->Chat->isTabEnabled(0))
                continue;
            ZELTranscript::appendConferenceSpeakerBlock(window, QColor(255, 248, 220), displayName, m_ownDisplayName,
                                                        time, {QStringLiteral("<b>Status :: </b>") + statusMessage});
        }
    }

    const auto found = m_users.find(userName);
    if (found != m_users.end() && found->userName == userName) {
        const QStringList profile = profileParts(messageValue(message, StatusProfile));
        UserRecord record;
        record.userName = userName;
        record.displayName = displayName;
        record.statusMessage = statusMessage;
        // The message names the group, not the department: the department stays.
        record.department = found->department;
        record.status = status;
        record.jobTitle = profile.value(0);
        record.photoBase64 = found->photoBase64;
        record.timeZone = found->timeZone;
        // Eleven values are the profile without photo and time zone, the company
        // last: those two go back in at their own places, before the company.
        if (profile.size() == 11) {
            for (int i = 0; i < 10; ++i)
                record.profileDetails += profile.at(i) + QStringLiteral("&&");
            record.profileDetails += found->photoBase64 + QStringLiteral("&&") + found->timeZone + QStringLiteral("&&")
                                     + profile.at(10);
        }
        *found = record;
    }
    return ZELDispatchResult::Continue;
}
