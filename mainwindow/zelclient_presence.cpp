#include "core/zelclient.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QDateTime>
#include <QListWidget>
#include <QMenu>
#include <QTabWidget>
#include <QTreeWidget>
#include <QTextEdit>
#include <QUrl>

#include "chat/zelchatwindow.h"
#include "chat/zeltranscript.h"
#include "protocol/zelsettingslists.h"
#include "mainwindow/zelcontactrow.h"
#include "mainwindow/zelprofile.h"
#include "style/zellinkrule.h"
#include "style/zelmessageboxclass.h"
#include "style/zeltextbounds.h"
#include "protocol/zelparsedmessage.h"

namespace {

const QString True = QStringLiteral("TRUE");
const QString Offline = QStringLiteral("Offline");
const QString Online = QStringLiteral("Online");
const QString NotApproved = QStringLiteral("Not Approved");

QString shortStatusMessage(const QString &message)
{
    return message.size() > 32 ? message.left(32) + QStringLiteral("...") : message;
}

void takeCardOut(QTreeWidget *tree, QTreeWidgetItem *row)
{
    if (!row)
        return;
    tree->removeItemWidget(row, 0);
    ZELContactRow::setCollapsedHeight(row);
}

void showPhoto(QLabel *label, const QString &photoBase64, bool *isDefault)
{
    QPixmap picture;
    const bool decoded = ZELContactRow::decodePhoto(photoBase64, &picture);
    label->setPixmap(picture);
    if (!decoded)
        label->setStyleSheet(QString());
    if (isDefault)
        *isDefault = !decoded;
}

} // namespace

void ZELClient::calculateTimeZone(QString &zone)
{
    zone = ZELContactRow::timeInZone(zone, QDateTime::currentDateTimeUtc());
}

void ZELClient::setContactActionStates(const QString &presence)
{
    QAction *const all[] = {m_voiceMailAction, m_chatAction, m_contactRemoveAction, m_viewProfileAction,
                            m_sendEmailAction};
    if (presence == Offline || presence == Online) {
        for (QAction *action : all)
            action->setEnabled(true);
        m_voiceMailAction->setEnabled(presence == Offline);
        m_chatToolButton->setEnabled(true);
        const bool absent = presence == Offline;
        m_chatAction->setText(absent ? tr("Send Offline &Messages") : tr("&Chat"));
        m_chatToolButton->setText(absent ? QStringLiteral("Offline") : QStringLiteral("Chat"));
        m_chatToolButton->setToolTip(absent ? QStringLiteral("Offline Message") : QStringLiteral("Chat"));
    } else if (presence == NotApproved) {
        for (QAction *action : all)
            action->setEnabled(action == m_contactRemoveAction);
        m_chatToolButton->setEnabled(false);
    }
}

namespace {

void setNoContactState(ZELClient &client)
{
    for (QAction *action : {client.m_voiceMailAction, client.m_chatAction, client.m_contactRemoveAction,
                            client.m_viewProfileAction, client.m_sendEmailAction})
        action->setEnabled(false);
    client.m_chatToolButton->setEnabled(false);
}

bool isContactPresence(const QString &presence)
{
    return presence == Offline || presence == Online || presence == NotApproved;
}

// A new card wired to the main widget, named after the row.
ZELProfile *makeCard(ZELClient &client, QTreeWidgetItem *row)
{
    auto *card = new ZELProfile;
    QObject::connect(card->m_chatToolButton, &QToolButton::clicked, &client, &ZELClient::setUserNameForChat);
    card->m_menuToolButton->setPopupMode(QToolButton::MenuButtonPopup);
    card->m_menuToolButton->setMenu(client.m_contactContextMenu);
    card->m_userName->setText(QStringLiteral("<b>&nbsp;&nbsp;")
                              + ZELTextBounds::shownName(ZELContactRow::displayName(row)).toHtmlEscaped());
    return card;
}

const UserRecord *findRecord(const ZELClient &client, const QString &userName)
{
    const auto found = client.m_users.constFind(userName);
    if (found != client.m_users.constEnd() && found->userName == userName)
        return &*found;
    for (const UserRecord &record : client.m_users) {
        if (record.userName == userName)
            return &record;
    }
    return nullptr;
}

void fillCardFromRecord(ZELClient &client, ZELProfile *card, const UserRecord &record, const QString &statusMessage)
{
    QString time = record.timeZone;
    client.calculateTimeZone(time);
    card->m_userTimeLabel->setText(QStringLiteral("<font color=darkgray>") + time);
    client.m_selectedContactTimeZone = record.timeZone;
    card->m_statusMessageLabel->setText(shortStatusMessage(statusMessage));
    showPhoto(card->m_userPixmap, record.photoBase64, &card->m_defaultPicture);
}

void showPresentState(ZELProfile *card, const QString &status)
{
    card->m_userStatusLabel->setText(QStringLiteral("<b><font color='green'>") + ZELTextBounds::shownName(status).toHtmlEscaped());
    card->m_chatToolButton->setIcon(ZELContactRow::icon(QStringLiteral(":images/chat_icon.png")));
    card->m_chatToolButton->setToolTip(QStringLiteral("Chat"));
    card->m_userStatusPixmap->setPixmap(QPixmap(ZELContactRow::statusPicture(status, false)));
}

} // namespace

void ZELClient::changeTreewidgetUser()
{
    QTreeWidgetItem *row = m_contactView->currentItem();
    if (!row)
        return;
    const QString presence = ZELContactRow::presenceWord(row);
    if (!isContactPresence(presence) || ZELContactRow::userName(row).isEmpty()) {
        setNoContactState(*this);
        if (m_expandedContactItem)
            takeCardOut(m_contactView, m_expandedContactItem);
        return;
    }
    setNoContactState(*this);
    setContactActionStates(presence);
    m_selectedUserName = ZELContactRow::userName(row);

    if (m_contactDisplaySettings.value(ZELContactDisplayList::HighlightDetails) != True)
        return;

    if (m_contactContextMenu->isVisible())
        m_contactContextMenu->close();
    if (m_expandedContactItem)
        takeCardOut(m_contactView, m_expandedContactItem);
    row->setSizeHint(0, QSize(0, 70));

    ZELProfile *card = makeCard(*this, row);
    if (const UserRecord *record = findRecord(*this, m_selectedUserName))
        fillCardFromRecord(*this, card, *record, record->statusMessage);
    m_contactView->setItemWidget(row, 0, card);

    if (presence == Offline || presence == NotApproved) {
        card->m_userStatusLabel->setText(QStringLiteral("<b><font color='red'>") + presence.toHtmlEscaped());
        card->m_userStatusPixmap->setPixmap(QPixmap(QStringLiteral(":images/Offline.png")));
        card->m_chatToolButton->setIcon(ZELContactRow::icon(QStringLiteral(":images/offlineMessage.gif")));
        card->m_chatToolButton->setToolTip(QStringLiteral("Send Offline Messages"));
        if (presence == NotApproved) {
            card->m_chatToolButton->setEnabled(false);
            card->m_userTimeLabel->hide();
            card->m_statusMessageLabel->hide();
        }
    } else {
        const QString word = ZELContactRow::statusWord(row);
        showPresentState(card, word.isEmpty() ? Online : word);
    }
    card->setGeometry(0, card->y(), 275, 70);
    m_expandedContactItem = row;
}

void ZELClient::changeUserStatusProfile(QTreeWidgetItem *item, QString status, QString statusMessage)
{
    if (!item)
        return;
    if (m_contactContextMenu->isVisible())
        m_contactContextMenu->close();
    m_contactView->removeItemWidget(item, 0);
    item->setSizeHint(0, QSize(0, 70));

    ZELProfile *card = makeCard(*this, item);
    if (const UserRecord *record = findRecord(*this, ZELContactRow::userName(item)))
        fillCardFromRecord(*this, card, *record, statusMessage);
    m_contactView->setItemWidget(item, 0, card);
    showPresentState(card, status);
    card->setGeometry(0, card->y(), 275, 70);
}

void ZELClient::userLoggedInStatus(QString userName, QString displayName, QString photoBase64)
{
    ZELChatWindow *chat = m_chatWindows.value(userName);
    ZELChatWindow *offline = m_chatWindows.value(userName + QStringLiteral("OfflineMessage"));
    if (!chat && !offline)
        return;
    const bool present = m_presentContacts.contains(userName + QStringLiteral("##") + displayName);
    const UserRecord *record = findRecord(*this, userName);

    auto updateFromRecord = [&](ZELChatWindow *window) {
        if (!record)
            return;
        const QString status = record->status;
        const QString title = QStringLiteral("Chatting with ") + ZELTextBounds::shownName(displayName)
                              + QStringLiteral(" (") + ZELTextBounds::shownName(status) + QLatin1Char(')');
        window->setWindowTitle(title);
        window->m_logoLabel->setText(title);
        window->setPresencePicture(ZELContactRow::statusPicture(status, true));
        window->m_peerStatus = status;
        window->m_userStatusLabel->setText(ZELTextBounds::shownLine(record->statusMessage));
    };

    if (ZELChatWindow *window = chat) {
        window->m_peerPhoto = photoBase64;
        showPhoto(window->m_userStatusPixmap, photoBase64, nullptr);
        if (window->m_peerSignedOut) {
            const QString time =
                ZELTranscript::timeStamp(m_chatWindowSettings.value(ZELChatWindowList::HourFormat24));
            window->chatTabEnableDisable(false);
            window->Chat->setTabEnabled(2, true);
            window->Chat->setTabEnabled(3, true);
            QString statusMessage;
            if (present && record) {
                updateFromRecord(window);
                statusMessage = record->statusMessage;
            }
            window->m_peerSignedOut = false;
            if (m_chatWindowSettings.value(ZELChatWindowList::ShowStatusChange) == True)
                ZELTranscript::appendSpeakerBlock(window, QColor(240, 248, 255), window->m_peerDisplayName,
                                                  m_ownDisplayName, time,
                                                  {QStringLiteral("<b>Status :: </b>")
                                                   + ZELTextBounds::shownLine(statusMessage).toHtmlEscaped()});
        } else if (present) {
            updateFromRecord(window);
        }
    }

    if (offline) {
        offline->m_peerPhoto = photoBase64;
        showPhoto(offline->m_userStatusPixmap, photoBase64, nullptr);
        offline->chatpage->setEnabled(false);
        if (present && record) {
            offline->setPresencePicture(ZELContactRow::statusPicture(record->status, true));
            offline->m_userStatusLabel->setText(ZELTextBounds::shownLine(record->statusMessage));
        }
    }
}

namespace {

enum class Reach { Present, Absent, Neither };

void openConversation(ZELClient &client, QTreeWidgetItem *row, Reach reach)
{
    if (!row || reach == Reach::Neither)
        return; // a pending contact has nothing to open
    const QString userName = ZELContactRow::userName(row);
    const QString displayName = ZELContactRow::displayName(row);
    if (reach == Reach::Absent) {
        client.openChatWindowForOfflineMessage(userName, QString(), QString(), displayName, QString());
        return;
    }
    const QString mark = ZELContactRow::statusMark(row);
    // The window first, then the notice over it (see userChatWindow).
    auto warnThenOpen = [&](ZELChatWindowList::Position option, const QString &what) {
        client.createChatWindow(userName);
        QWidget *over = client.m_chatWindows.value(userName);
        if (client.m_chatWindowSettings.value(option) == True)
            client.m_informationBox->showInformationBox(over ? over : &client, QStringLiteral("Zembrio"),
                                                        QStringLiteral("<font color = 'blue'>") + displayName.toHtmlEscaped()
                                                            + QStringLiteral(" ")
                                                            + QStringLiteral("<font color = 'black'> ") + what);
    };
    if (mark == QLatin1String("Meeting)")) {
        warnThenOpen(ZELChatWindowList::WarnMeeting, QStringLiteral("in meeting"));
        return;
    }
    if (mark == QLatin1String("Away)")) {
        warnThenOpen(ZELChatWindowList::WarnAway, QStringLiteral("away from system"));
        return;
    }
    ZELChatWindow *window = client.m_chatWindows.value(userName);
    if (!window) {
        client.createChatWindow(userName);
        return;
    }
    if (window->isMinimized()) {
        window->restoreWindowState();
        window->serverMessage->setFocus();
        return;
    }
    if (!window->isActiveWindow()) {
        window->activateWindow();
        window->serverMessage->setFocus();
    }
    QWidget *modal = QApplication::activeModalWidget();
    if (modal && modal->parentWidget() == window)
        modal->raise();
}

} // namespace

void ZELClient::processForFavouriteUsers(QTreeWidgetItem *item)
{
    const QString presence = item ? ZELContactRow::presenceWord(item) : QString();
    openConversation(*this, item,
                     presence == Online ? Reach::Present : presence == Offline ? Reach::Absent : Reach::Neither);
}

void ZELClient::processForActiveUsers(QTreeWidgetItem *item, QString group)
{
    openConversation(*this, item,
                     group == QLatin1String("Active")     ? Reach::Present
                     : group == QLatin1String("Inactive") ? Reach::Absent
                                                          : Reach::Neither);
}

void ZELClient::showBusinessCardForFavouriteUsers(QTreeWidgetItem *item)
{
    if (!item)
        return;
    m_selectedUserName = ZELContactRow::userName(item);
    setContactActionStates(ZELContactRow::presenceWord(item));
}

void ZELClient::showBusinessCardForInactiveUsers(QTreeWidgetItem *item)
{
    showBusinessCardForFavouriteUsers(item);
}

void ZELClient::callRightClickOperation()
{
    if (!m_contactMenuRequested)
        return;
    m_contactMenuRequested = false;

    QTreeWidgetItem *row = m_contactView->currentItem();
    int depth = 0;
    for (QTreeWidgetItem *up = row; up; up = up->parent())
        ++depth;
    if (depth <= 1) {
        setNoContactState(*this);
        return;
    }
    const QString presence = ZELContactRow::presenceWord(row);
    const bool menuWord = isContactPresence(presence);
    if (depth == 2) {
        m_selectedUserName = ZELContactRow::userName(row);
        const QString group = row->parent()->text(0);
        if (group == QLatin1String("Recent Chats with...") || group == QLatin1String("Inactive")
            || group == QLatin1String("Online") || group == QLatin1String("Active")) {
            setContactActionStates(presence);
            if (!menuWord)
                return;
        } else {
            setNoContactState(*this);
            return;
        }
    } else if (depth == 3) {
        return;
    } else {
        setContactActionStates(presence);
        if (!menuWord)
            return;
        m_selectedUserName = ZELContactRow::userName(row);
    }
    m_contactContextMenu->exec(QCursor::pos() + QPoint(0, 5));
}

void ZELClient::mailToFunction()
{
    QTreeWidgetItem *row = m_contactView->currentItem();
    if (!row || !row->isSelected())
        return;
    const UserRecord *record = findRecord(*this, ZELContactRow::userName(row));
    if (!record)
        return;
    const QStringList profile = profileParts(record->profileDetails);
    // A profile without an address opens nothing rather than a blank mail.
    if (profile.size() < 3)
        return;
    ZELLinkRule::open(ZELLinkRule::mailUrl(profile.at(2)));
}
