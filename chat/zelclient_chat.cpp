#include "core/zelclient.h"

#include "chat/zelchatwindow.h"
#include "mainwindow/zelcontactrow.h"
#include "protocol/zelsettingslists.h"
#include "style/zelmessageboxclass.h"
#include "style/zeltextbounds.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMovie>
#include <QScreen>
#include <QTreeWidget>

namespace {

const char kTrue[] = "TRUE";

const UserRecord *findUser(const QMap<QString, UserRecord> &users, const QString &userName)
{
    for (auto it = users.cbegin(); it != users.cend(); ++it) {
        if (it->userName == userName)
            return &it.value();
    }
    return nullptr;
}

// Brings an open chat window forward: restored when minimised, otherwise
// activated, its own modal dialog on top.
void bringForward(ZELChatWindow *window)
{
    if (window->isMinimized()) {
        window->restoreWindowState();
        window->serverMessage->setFocus();
    } else if (!window->isActiveWindow()) {
        window->activateWindow();
        window->serverMessage->setFocus();
    }
    QWidget *modal = QApplication::activeModalWidget();
    if (modal && modal->parentWidget() == window)
        modal->raise();
}

} // namespace

void ZELClient::setUserNameForChat()
{
    userChatWindow(m_contactView->currentItem(), 0);
}

void ZELClient::userChatWindow(QTreeWidgetItem *item, int)
{
    if (!item || !m_chatToolButton->isEnabled() || !item->parent())
        return;
    QTreeWidgetItem *parent = item->parent();
    QTreeWidgetItem *grandParent = parent->parent();
    if (!grandParent) {
        // Rows directly under "Recent Chats with...", "Active" and "Inactive"
        // open through the contact list's own handlers.
        const QString group = parent->text(0);
        if (group == QLatin1String("Recent Chats with..."))
            processForFavouriteUsers(item);
        else if (group == QLatin1String("Active") || group == QLatin1String("Inactive"))
            processForActiveUsers(item, group);
        return;
    }
    QTreeWidgetItem *greatGrandParent = grandParent->parent();
    if (!greatGrandParent)
        return;

    const QString text = item->text(0);
    const QString displayName = text.section(QLatin1Char('('), 0, 0).simplified();
    const QString userName = item->toolTip(0).section(QLatin1Char('-'), 0, 0).simplified();
    const QString state = text.section(QLatin1Char('('), 1, 1).simplified();
    const QString group = greatGrandParent->text(0);

    if (group == QLatin1String("Offline")) {
        openChatWindowForOfflineMessage(userName, QString(), QString(), displayName, QString());
        return;
    }
    if (group != QLatin1String("Online"))
        return;

    // The notice comes after the window it warns about, over it: shown
    // first, the window opening after it would cover it.
    const auto warnFirst = [&](ZELChatWindowList::Position option, const QString &what) {
        createChatWindow(userName);
        if (m_chatWindowSettings.value(option) == QLatin1String(kTrue)) {
            QWidget *over = m_chatWindows.value(userName);
            m_informationBox->showInformationBox(over ? over : this, QStringLiteral("Zembrio"),
                                                 QStringLiteral("<font color = 'blue'>") + displayName.toHtmlEscaped()
                                                     + QStringLiteral(" ") + QStringLiteral("<font color = 'black'> ")
                                                     + what);
        }
    };
    if (state == QLatin1String("Meeting)")) {
        warnFirst(ZELChatWindowList::WarnMeeting, QStringLiteral("in meeting"));
    } else if (state == QLatin1String("Away)")) {
        warnFirst(ZELChatWindowList::WarnAway, QStringLiteral("away from system"));
    } else if (ZELChatWindow *window = m_chatWindows.value(userName)) {
        bringForward(window);
    } else {
        createChatWindow(userName);
    }
}

// A chat window with what one-to-one and conference windows share: the
// user's folders and quick replies, and the wiring of messages, closing,
// animations, protected messages and file transfers.
ZELChatWindow *ZELClient::newChatWindow()
{
    auto *window = new ZELChatWindow;
    window->m_dataFolder = m_dataFolder;
    window->m_uploading = m_uploadInProgress;
    window->m_downloading = m_downloadInProgress;
    window->createQickReplyMenuItem(m_quickReplies, m_quickReplyOption);

    connect(window, &ZELChatWindow::sendMessage, this, &ZELClient::messageToSend);
    connect(window, &ZELChatWindow::closeChat, this, &ZELClient::removeChat, Qt::DirectConnection);
    connect(window, &ZELChatWindow::minimized, this, &ZELClient::minimizedChat);
    connect(window, &ZELChatWindow::screenCaptureClosedSignal, this, &ZELClient::screenCaptureClosedSignal);
    connect(window, &ZELChatWindow::pauseMovie, this, &ZELClient::pauseMovie);
    connect(window, &ZELChatWindow::restartMovie, this, &ZELClient::restartMovie);
    connect(window, &ZELChatWindow::sendPwdMessageStatus, this, &ZELClient::sendPwdMessageStatus);
    connect(window, &ZELChatWindow::sendFileInconferenceChat, this, &ZELClient::sendFileInconferenceChat);
    connect(window, &ZELChatWindow::fileAcceptedSignal, this, &ZELClient::fileAcceptedSignal);
    connect(window, &ZELChatWindow::fileDeclinedSignal, this, &ZELClient::fileDeclinedSignal);
    connect(window, &ZELChatWindow::fileTransferStatusSignal, this, &ZELClient::fileTransferStatusSignal);
    // The window is closing: the main window tells.
    connect(window, &ZELChatWindow::automaticHistoryNotSaved, this, [this](const QString &text) {
        m_informationBox->showInformationBox(this, QStringLiteral("Chat History"), text);
    });
    return window;
}

void ZELClient::createChatWindow(QString userName)
{
    if (!m_signedIn)
        return;

    if (ZELChatWindow *open = m_chatWindows.value(userName)) {
        QWidget *active = QApplication::activeWindow();
        if (open->isMinimized()) {
            open->restoreWindowState();
            return;
        }
        if (!open->isActiveWindow())
            open->activateWindow();
        QWidget *modal = QApplication::activeModalWidget();
        if (modal && modal->parentWidget() == open)
            modal->raise();
        // The window the user was working in stays on top.
        if (active)
            active->raise();
        return;
    }

    ZELChatWindow *window = newChatWindow();
    connect(window, &ZELChatWindow::sendTypeMessageToClient, this, &ZELClient::sendMessageTypeStatus);
    connect(window, &ZELChatWindow::sendEraseMessageToClient, this, &ZELClient::sendMessageEraseStatus);
    connect(window, &ZELChatWindow::closeChatWindow, this, &ZELClient::closeChatWindow);
    connect(window, &ZELChatWindow::sendFile, this, &ZELClient::fileToSend);
    connect(window, &ZELChatWindow::changeConferenceClickedSignal, this, &ZELClient::changeConferenceClickedSignal);
    connect(window, qOverload<QString &>(&ZELChatWindow::showUserProfile), this, &ZELClient::showChatUserProfile);

    window->setUserDetails(m_loginId, userName, m_password);
    window->m_closeSilently = false;
    m_chatWindows.insert(userName, window);

    // A one-to-one window keeps its conference page aside until it becomes one.
    window->m_conferenceTab = window->Chat->widget(3);
    window->Chat->removeTab(3);
    window->m_conferenceButton->show();
    window->setConferenceControlsShown(false);

    QString own = m_loginId;
    informChatOpened(own, userName);

    window->serverMessage->setFocus();
    window->Conference_Chat->setEnabled(false);
    window->m_downloadFolder = m_defaultFileLocation;
    window->m_peerDisplayName = userName;
    window->m_ownDisplayName = m_ownDisplayName;
    window->m_autoSave = m_chatHistorySettings.value(ZELChatHistoryList::AutomaticSave);
    window->m_historyFolder = m_chatHistorySettings.value(ZELChatHistoryList::SaveLocation);

    // The peer's card, from the contact's record.
    window->setPresencePicture(ZELContactRow::statusPicture(QStringLiteral("Online"), true));
    const UserRecord *record = findUser(m_users, userName);
    if (record) {
        window->m_userNameLabel->setText(ZELTextBounds::shownName(record->displayName));
        window->m_peerDisplayName = record->displayName;
        window->m_userRoleLabel->setText(ZELTextBounds::shownName(record->department) + QStringLiteral(" / ")
                                         + ZELTextBounds::shownName(record->jobTitle));
        window->m_userStatusLabel->setText(ZELTextBounds::shownLine(record->statusMessage));
        const QString icon = ZELContactRow::statusWord(record->status, true);
        const QString title = QStringLiteral("Chatting with ") + ZELTextBounds::shownName(record->displayName)
                              + QStringLiteral(" (") + ZELTextBounds::shownName(record->status) + QStringLiteral(")");
        window->setWindowTitle(title);
        window->m_logoLabel->setText(title);
        window->setPresencePicture(ZELContactRow::statusPicture(icon, true));
        window->m_peerStatus = icon;
        window->m_peerPhoto = record->photoBase64;
        QPixmap photo;
        if (!record->photoBase64.isEmpty())
            photo.loadFromData(qUncompress(QByteArray::fromBase64(record->photoBase64.toLatin1())));
        if (photo.isNull()) {
            window->m_userStatusPixmap->setPixmap(QPixmap(QStringLiteral(":images/userInfo1.png")));
            window->m_userStatusPixmap->setStyleSheet(QString());
        } else {
            window->m_userStatusPixmap->setPixmap(photo);
        }
    }
    setChatWindowPrivilege(window, record ? privilegeKey(*record) : QString());

    QWidget *const card[] = {window->m_userStatusPixmap, window->m_userNameLabel, window->m_userRoleLabel,
                             window->m_userStatusLabel};
    const auto untitled = [&]() {
        const QString title = QStringLiteral("Chatting with ") + ZELTextBounds::shownName(userName);
        window->setWindowTitle(title);
        window->m_logoLabel->setText(title);
        window->m_userNameLabel->setText(ZELTextBounds::shownName(userName));
    };
    if (m_chatWindowSettings.value(ZELChatWindowList::DisplayInfoBox) == QLatin1String(kTrue)) {
        if (!record) {
            untitled();
            for (QWidget *w : card)
                w->hide();
        }
    } else {
        window->m_peerDisplayName = userName;
        if (record) {
            window->m_userNameLabel->setText(ZELTextBounds::shownName(record->displayName));
            window->m_peerDisplayName = record->displayName;
            const QString title = QStringLiteral("Chatting with ") + ZELTextBounds::shownName(record->displayName)
                                  + QStringLiteral(" (") + ZELTextBounds::shownName(record->status)
                                  + QStringLiteral(")");
            window->setWindowTitle(title);
            window->m_logoLabel->setText(title);
        } else {
            untitled();
        }
        for (QWidget *w : card)
            w->hide();
    }

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

    window->totalMessage->setHtml(
        QStringLiteral("<br><br><br><h1><font color = 'green'>Loading.....</h1></font></br></br></br>"));

    if (QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect desktop = screen->geometry();
        window->move(desktop.width() / 2 - window->width() / 2, desktop.height() / 2 - window->height() / 2);
    }
    window->resize(window->minimumWidth(), window->minimumHeight() + 50);
    window->setMask(QRegion(window->rect()));
    // Minimised only once sized: on X11 a resize between the two would open it
    // as a normal window after all.
    if (m_openChatMinimized)
        window->setWindowState(Qt::WindowMinimized);
    window->show();
    if (m_openChatMinimized) {
        // Only its task-bar entry flashes: activating a minimised window would
        // make most X11 window managers restore it and hand it the focus the
        // user's current window keeps.
        QApplication::alert(window);
        m_openChatMinimized = false;
    }
    // Opened by the user while the sender waits for a window: what waits is
    // shown and answered now, before anything the sender writes next.
    if (m_waitingSenders.contains(userName))
        releaseWaitingChats(userName);
}

void ZELClient::messageToSend(QStringList &request)
{
    convertXMLSendToServer(request);
}

void ZELClient::removeChat(QString &key)
{
    // Only the window registered under the key may take it out: a window
    // that was replaced or renamed meanwhile must not remove its successor.
    const auto *closing = qobject_cast<ZELChatWindow *>(sender());
    if (closing && m_chatWindows.value(key) != closing)
        return;
    m_chatWindows.remove(key);
    // Its place goes to the oldest waiting chat.
    scheduleWaitingChats();
}

void ZELClient::closeChatWindow(QStringList &request)
{
    convertXMLSendToServer(request);
}

void ZELClient::informChatOpened(QString &ownLoginId, QString &peer)
{
    QStringList request{QStringLiteral("CHATOPENED"), ownLoginId, peer};
    convertXMLSendToServer(request);
}

void ZELClient::sendMessageDeliveredStatus(QStringList details)
{
    QStringList request{QStringLiteral("MESSAGEDELIVERED"), details.value(0), m_loginId, details.value(1)};
    convertXMLSendToServer(request);
}

void ZELClient::sendMessageTypeStatus(QString &ownLoginId, QString &peer)
{
    QStringList request{QStringLiteral("MESSAGETYPESTATUS"), peer, ownLoginId, QStringLiteral("typing")};
    convertXMLSendToServer(request);
}

void ZELClient::sendMessageEraseStatus(QString &ownLoginId, QString &peer)
{
    QStringList request{QStringLiteral("MESSAGERASESTATUS"), peer, ownLoginId, QStringLiteral("erase")};
    convertXMLSendToServer(request);
}

void ZELClient::minimizedChat()
{
    if (!isHidden())
        showMinimized();
    for (ZELChatWindow *window : std::as_const(m_chatWindows))
        window->m_ignoreClose = true;
    m_screenCaptureActive = true;
}

void ZELClient::screenCaptureClosedSignal()
{
    for (ZELChatWindow *window : std::as_const(m_chatWindows))
        window->m_ignoreClose = false;
    m_screenCaptureActive = false;
}

void ZELClient::pauseMovie()
{
    m_animationsPaused = true;
    if (m_connectingMovie)
        m_connectingMovie->stop();
    for (QLabel *label : {m_connectingGifLabel, m_processLable}) {
        if (QMovie *movie = label->movie())
            movie->stop();
    }
    for (ZELChatWindow *window : std::as_const(m_chatWindows)) {
        window->m_moviesPaused = true;
        if (QMovie *movie = window->m_messageIndicationGif->movie())
            movie->stop();
        // A window that never built its file pages has no download animation.
        if (window->hasFilePages()) {
            if (QMovie *movie = window->filePages().m_downLoadProgressBar->movie())
                movie->stop();
        }
    }
}

void ZELClient::restartMovie()
{
    m_animationsPaused = false;
    for (ZELChatWindow *window : std::as_const(m_chatWindows))
        window->m_moviesPaused = false;
    if (m_connectingMovie)
        m_connectingMovie->start();
}
