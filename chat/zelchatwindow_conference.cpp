#include "chat/zelchatwindow.h"

#include "chat/zelinvitablelist.h"
#include "style/zelmessageboxclass.h"
#include "style/zeltextbounds.h"

#include <QLabel>
#include <QListWidget>
#include <QMovie>
#include <QPixmap>
#include <QTreeWidget>
#include <QTreeWidgetItem>

// The conference side of the chat window: inviting, removing and stopping,
// the participants panel and its entries. The window only builds request
// lists; the main widget sends them.

namespace {

const char kTitle[] = "Conference Chat";
const char kNoPhoto[] = ":images/userInfo1.png";
const char kEntryPhotoSheet[] =
    "border: 1px solid gray; border-radius: 5px;padding: 1px1px;background-color:qconicalgradient(x1: 0, y1: 0, "
    "x2: 0.5, y2: 0.5,stop: 0 #1891D0, stop: 1 white);";
// Scoped to the tree itself: a bare sheet would also frame every label of the entries.
const char kTreeSheet[] =
    "QTreeWidget#m_conferenceChatFrame { border: 1px solid gray;border-radius: 5px;padding: 1px1px; }";

// Entry sizes and places in the participants tree.
const int kEntryHeight = 47;
const QRect kPhotoRect(0, 0, 50, 45);
const QRect kNameRect(52, 0, 100, 12);
const QRect kTypingRect(52, 13, 50, 20);

// Panel widths with and without the participants list.
const int kWideMinimum = 776;
const int kNarrowMinimum = 630;

// Base64 of compressed image data; anything that does not decode shows the default picture.
QPixmap participantPicture(const QString &photo)
{
    QPixmap picture;
    if (!photo.isEmpty())
        picture.loadFromData(qUncompress(QByteArray::fromBase64(photo.toLatin1())));
    if (picture.isNull())
        picture = QPixmap(QString::fromLatin1(kNoPhoto));
    return picture;
}

} // namespace

// ---------------------------------------------------------------------------
// Participants: rows of m_chatRoomListBox and entries of the tree, both found
// by user name (the tool tip) so that namesakes stay apart.

int ZELChatWindow::participantCount() const
{
    return m_conferencePage ? m_conferencePage->m_chatRoomListBox->count() : 0;
}

QListWidgetItem *ZELChatWindow::participantRow(const QString &userName) const
{
    for (int i = 0; i < participantCount(); ++i) {
        if (m_chatRoomListBox->item(i)->toolTip() == userName)
            return m_chatRoomListBox->item(i);
    }
    return nullptr;
}

QStringList ZELChatWindow::participantUserNames() const
{
    QStringList names;
    for (int i = 0; i < participantCount(); ++i)
        names << m_chatRoomListBox->item(i)->toolTip();
    return names;
}

void ZELChatWindow::removeParticipantEntry(const QString &userName)
{
    if (!m_conferenceRootItem)
        return;
    for (int i = 0; i < m_conferenceRootItem->childCount(); ++i) {
        QTreeWidgetItem *entry = m_conferenceRootItem->child(i);
        if (entry->toolTip(0) != userName)
            continue;
        // Removing the item widget deletes it; the item is ours to delete.
        m_conferenceChatFrame->removeItemWidget(entry, 0);
        delete m_conferenceRootItem->takeChild(i);
        return;
    }
}

void ZELChatWindow::clearParticipantEntries()
{
    if (!m_conferenceRootItem)
        return;
    while (m_conferenceRootItem->childCount() > 0) {
        QTreeWidgetItem *entry = m_conferenceRootItem->child(0);
        m_conferenceChatFrame->removeItemWidget(entry, 0);
        delete m_conferenceRootItem->takeChild(0);
    }
}

void ZELChatWindow::removeParticipant(const QString &userName)
{
    m_privilegeMap.remove(userName);
    removeParticipantEntry(userName);
    if (QListWidgetItem *row = participantRow(userName))
        delete m_chatRoomListBox->takeItem(m_chatRoomListBox->row(row));
}

// ---------------------------------------------------------------------------

void ZELChatWindow::setConferenceChatSessionName(QString sessionName, QString title)
{
    // The own login id, then the conference name.
    m_ownLoginId = sessionName;
    m_conferenceSessionName = title;
}

void ZELChatWindow::addUsersInConferenceChat()
{
    const auto commonEnd = [this]() {
        // Clearing a selection turns the buttons on again: disable afterwards.
        m_onlineUsersListBox->clearSelection();
        m_chatRoomListBox->clearSelection();
        m_inviteChatButton->setEnabled(false);
        m_removeChatButton->setEnabled(false);
    };
    const QString title = QString::fromLatin1(kTitle);
    if (m_onlineUsersListBox->count() == 0) {
        m_informationBox->showInformationBox(this, title, QStringLiteral("Online user list empty"));
        return commonEnd();
    }
    const QList<QListWidgetItem *> selected = m_onlineUsersListBox->selectedItems();
    if (selected.isEmpty()) {
        m_informationBox->showInformationBox(
            this, title, QStringLiteral("Please select any one user for invite this conference chat"));
        return commonEnd();
    }
    if (m_questionBox->showQuestionBox(this, title,
                                       QStringLiteral("Are you sure you want to invite ")
                                           + QStringLiteral("selected user(s)")
                                           + QStringLiteral(" to conference chat? "),
                                       0, 1)
        != 0)
        return commonEnd();

    for (QListWidgetItem *item : selected) {
        const QString invitee = item->toolTip();
        const bool added = participantRow(invitee) != nullptr;
        const bool invited = m_conferenceInvitees.contains(invitee);
        if (added || invited) {
            m_informationBox->showInformationBox(
                this, title,
                QStringLiteral("<font color=Blue>") + item->text() + QStringLiteral(" <font color = black>")
                    + (added ? QStringLiteral("already added in this conference chat")
                             : QStringLiteral("already invited in this conference chat")));
            continue;
        }
        QStringList request{QStringLiteral("CONFERENCECHAT"), invitee, m_ownLoginId, m_conferenceSessionName,
                            m_ownDisplayName};
        emit conferenceChat(request);
        m_conferenceInvitees.append(invitee);
    }
    commonEnd();
}

void ZELChatWindow::removeUsersInConferenceChat()
{
    const QString title = QString::fromLatin1(kTitle);
    const auto commonEnd = [this]() {
        m_onlineUsersListBox->clearSelection();
        m_chatRoomListBox->clearSelection();
        m_inviteChatButton->setEnabled(false);
        m_removeChatButton->setEnabled(false);
        m_stopChatButton->setEnabled(false);
    };
    if (m_chatRoomListBox->count() == 0) {
        m_informationBox->showInformationBox(this, title, QStringLiteral("Conference chat user list empty"));
        return commonEnd();
    }
    const QList<QListWidgetItem *> selected = m_chatRoomListBox->selectedItems();
    if (selected.isEmpty()) {
        m_informationBox->showInformationBox(
            this, title, QStringLiteral(" Please select any one user for remove from conference chat"));
    } else if (m_questionBox->showQuestionBox(
                   this, title, QStringLiteral("Are you sure you want to remove selected user(s) from conference chat ?"),
                   0, 1)
               == 0) {
        for (QListWidgetItem *item : selected) {
            const QString userName = item->toolTip();
            QStringList request{QStringLiteral("REMOVECONFERENCECHATUSER"), m_ownLoginId, m_conferenceSessionName,
                                userName + QStringLiteral("##") + item->text()};
            // The removed participant is still among the names the server tells.
            request << participantUserNames();
            m_privilegeMap.remove(userName);
            removeParticipantEntry(userName);
            delete m_chatRoomListBox->takeItem(m_chatRoomListBox->row(item));
            emit removeConferenceChatUser(request);
        }
    }
    commonEnd();
    if (m_chatRoomListBox->count() == 0) {
        for (QWidget *w : {static_cast<QWidget *>(sendButton), static_cast<QWidget *>(m_deskTopCaptureButton),
                           static_cast<QWidget *>(m_insertImageToolButton), static_cast<QWidget *>(m_fileSend),
                           static_cast<QWidget *>(m_stopChatButton)})
            w->setEnabled(false);
    }
}

void ZELChatWindow::stopConferenceChat()
{
    m_conferenceStopped = true;
    QStringList request{QStringLiteral("STOPCONFERENCECHAT"), m_ownLoginId, m_conferenceSessionName};
    request << participantUserNames();

    if (m_closeSilently) {
        // Sign-out or invisible mode: nothing is asked, the lists stay.
        m_stopCancelled = false;
        chatTabEnableDisable(false);
        Chat->setTabEnabled(2, false);
        Chat->setTabEnabled(3, false);
        Chat->setCurrentIndex(1);
        m_closeSilently = false;
        emit stopConferenceChat(request);
        return;
    }

    const auto forgetParticipants = [this]() {
        m_privilegeMap.clear();
        clearParticipantEntries();
        m_conferenceUsers.clear();
    };
    if (participantCount() == 0) {
        forgetParticipants();
        emit stopConferenceChat(request);
        return;
    }

    if (m_questionBox->showQuestionBox(this, QString::fromLatin1(kTitle),
                                       QStringLiteral("Are you sure you want to stop the conference chat ?"), 0, 1)
        != 0) {
        m_stopCancelled = true;
        m_conferenceStopped = false;
        return;
    }
    m_stopCancelled = false;
    m_onlineUsersListBox->clearSelection();
    m_chatRoomListBox->clear();
    if (m_closing) {
        chatTabEnableDisable(true);
        Chat->setTabEnabled(2, false);
        Chat->setTabEnabled(3, false);
        Chat->setCurrentIndex(1);
    } else {
        for (QWidget *w : {static_cast<QWidget *>(sendButton), static_cast<QWidget *>(m_fileSend),
                           static_cast<QWidget *>(m_deskTopCaptureButton),
                           static_cast<QWidget *>(m_insertImageToolButton), static_cast<QWidget *>(m_inviteChatButton),
                           static_cast<QWidget *>(m_removeChatButton), static_cast<QWidget *>(m_stopChatButton)})
            w->setEnabled(false);
    }
    forgetParticipants();
    emit stopConferenceChat(request);
}

void ZELChatWindow::setItemWidgetList(QString displayName, QString userName, QString photo)
{
    auto *entry = new QWidget;
    entry->setAutoFillBackground(true);

    auto *picture = new QLabel(entry);
    picture->setFixedSize(kPhotoRect.size());
    picture->move(kPhotoRect.topLeft());
    auto *name = new QLabel(ZELTextBounds::shownName(displayName), entry);
    name->setWordWrap(true);
    name->setFixedSize(kNameRect.size());
    name->move(kNameRect.topLeft());
    // The typing mark stays the entry's last label: the typing notices find it there.
    auto *typing = new QLabel(entry);
    typing->setFixedSize(kTypingRect.size());
    typing->move(kTypingRect.topLeft());
    typing->setScaledContents(true);
    auto *pencil = new QMovie(QStringLiteral(":images/pencil.gif"), QByteArray(), typing);
    pencil->setCacheMode(QMovie::CacheAll);
    typing->setMovie(pencil);

    picture->setPixmap(participantPicture(photo));
    picture->setScaledContents(true);

    auto *item = new QTreeWidgetItem(m_conferenceRootItem);
    item->setText(0, displayName);
    item->setToolTip(0, userName);
    item->setSizeHint(0, QSize(0, kEntryHeight));
    m_conferenceChatFrame->setItemWidget(item, 0, entry);

    picture->setStyleSheet(QString::fromLatin1(kEntryPhotoSheet));
    // Setting a sheet restyles every entry already there: only when it changes.
    const QString treeSheet = QString::fromLatin1(kTreeSheet);
    if (m_conferenceChatFrame->styleSheet() != treeSheet)
        m_conferenceChatFrame->setStyleSheet(treeSheet);
}

void ZELChatWindow::changeConferenceClicked()
{
    emit changeConferenceClickedSignal(this);
}

void ZELChatWindow::changeHideTreeViewClicked()
{
    if (m_conferenceChatFrame->isVisible()) {
        setMinimumWidth(kNarrowMinimum);
        m_cListLabel->hide();
        m_conferenceChatFrame->hide();
        m_hideTreeViewButton->setIcon(QIcon(QStringLiteral(":images/ArrowLeft.gif")));
        m_hideTreeViewButton->setToolTip(QStringLiteral("Show Conference Chat Users List"));
        return;
    }
    const bool narrow = width() < kWideMinimum;
    setMinimumWidth(kWideMinimum);
    updateGeometry();
    if (narrow) {
        showNormal();
        setMask(QRegion(rect()));
    }
    m_cListLabel->show();
    m_conferenceChatFrame->show();
    m_hideTreeViewButton->setIcon(QIcon(QStringLiteral(":images/ArrowRight.gif")));
    m_hideTreeViewButton->setToolTip(QStringLiteral("Hide Conference Chat Users List"));
}

void ZELChatWindow::enableInviteButton()
{
    m_inviteChatButton->setEnabled(true);
}

void ZELChatWindow::enableRemoveButton()
{
    m_removeChatButton->setEnabled(true);
}

void ZELChatWindow::treeViewDoubleClicked(QTreeWidgetItem *item, int)
{
    if (item)
        item->setExpanded(false);
}

ZELInvitableList &ZELChatWindow::invitableUsers()
{
    if (!m_invitableUsers) {
        m_invitableUsers = new ZELInvitableList(this);
        // The list is the conference page's: the page attaches it when built,
        // and a read of the rows builds it.
        m_invitableUsers->setListMaker([this] { return conferencePage().m_onlineUsersListBox; });
        if (m_conferencePage)
            m_invitableUsers->attach(m_conferencePage->m_onlineUsersListBox);
    }
    return *m_invitableUsers;
}
