#include "core/zelclient.h"

#include "chat/zelchatwindow.h"
#include "chat/zeltranscript.h"
#include "mainwindow/zelcontactrow.h"
#include "protocol/zelparsedmessage.h"
#include "protocol/zelsettingslists.h"
#include "style/zeltextbounds.h"

#include <QApplication>
#include <QLabel>
#include <QMovie>
#include <QTreeWidgetItem>

namespace {

// Positions of a received "CHAT".
enum ChatPosition { ChatSender = 2, ChatMessage = 3, ChatPicture = 5, ChatPlainText = 7, ChatDisplayName = 8,
                    ChatProtected = 9 };

const char kPencil[] = ":images/pencil.gif";
const char kEraser[] = ":images/eraser.gif";

// Puts a fresh animation in the label in place of the old one.
QMovie *replaceMovie(QLabel *label, const QString &path, QObject *owner, bool start)
{
    if (QMovie *old = label->movie()) {
        old->stop();
        label->clear();
        delete old;
    }
    auto *movie = new QMovie(path, QByteArray(), owner);
    if (start) {
        movie->setCacheMode(QMovie::CacheAll);
        movie->setSpeed(500);
    }
    label->setMovie(movie);
    if (start)
        movie->start();
    return movie;
}

} // namespace

ZELDispatchResult ZELClient::dispatchChat(const QStringList &message)
{
    const QString time = ZELTranscript::timeStamp(m_chatWindowSettings.value(ZELChatWindowList::HourFormat24));
    const QString sender = messageValue(message, ChatSender);
    if (chatWaits(message, sender))
        return ZELDispatchResult::Continue;
    const QString displayName = messageValue(message, ChatDisplayName);
    const bool isProtected = messageValue(message, ChatProtected) == QLatin1String("TRUE");
    const QStringList receipt{sender, messageValue(message, ChatPlainText)};

    // A received picture is stored first and the message, held back or not,
    // shows the stored copy.
    QStringList shown = message;
    QString body = showReceivedPicture(messageValue(message, ChatPicture), messageValue(message, ChatMessage));
    if (shown.size() > ChatMessage)
        shown[ChatMessage] = body;
    if (m_chatWindowSettings.value(ZELChatWindowList::DisplaySmileys) == QLatin1String("FALSE")) {
        const bool hadPictures = body.contains(QLatin1String("img"));
        body.remove(QStringLiteral("img"));
        if (hadPictures)
            body += QStringLiteral(" :) ");
    }

    // A protected message is held back behind the user's password; nothing
    // after it in this delivery is handled. A window out of sight gets a notice.
    const auto holdProtected = [&](ZELChatWindow *window, bool notice) {
        window->passwordProtectedMessage(shown, m_password, QString(), QString());
        sendMessageDeliveredStatus(receipt);
        if (notice && !m_screenCaptureActive)
            showPasswordProtectPopup(sender, displayName);
        return ZELDispatchResult::Return;
    };

    // The preview pop-up, unless a screen capture is running or the user turned it off.
    const auto preview = [&]() {
        if (!m_screenCaptureActive
            && m_notificationSettings.value(ZELNotificationList::SendsMessage) == QLatin1String("TRUE"))
            showChatPopupWidget(message, displayName);
    };

    ZELChatWindow *window = m_chatWindows.value(sender);
    if (window) {
        window->m_peerDisplayName = displayName;
        QWidget *active = QApplication::activeWindow();
        if (window->isMinimized()) {
            QApplication::alert(window);
            if (isProtected)
                return holdProtected(window, true);
            preview();
        } else {
            if (!window->isActiveWindow())
                QApplication::alert(window);
            if (isProtected)
                return holdProtected(window, false);
            QWidget *modal = QApplication::activeModalWidget();
            if (modal && modal->parentWidget() == window)
                modal->raise();
        }
        if (active)
            active->raise();

        window->m_messageTypeLabel->setText(QString());
        if (window->m_messageIndicationGif->movie())
            replaceMovie(window->m_messageIndicationGif, QString::fromLatin1(kPencil), window, false);
        ZELTranscript::appendSpeakerBlock(window, ZELTranscript::receivedColour(), displayName, m_ownDisplayName,
                                          time, {ZELTranscript::decodeCommas(body)});
        sendMessageDeliveredStatus(receipt);
        return ZELDispatchResult::Continue;
    }

    m_openChatMinimized = true;
    createChatWindow(sender);
    window = m_chatWindows.value(sender);
    if (!window) {
        // Not signed in: the next window the user opens must not start minimised.
        m_openChatMinimized = false;
        return ZELDispatchResult::Continue;
    }
    if (isProtected)
        return holdProtected(window, true);

    window->m_peerDisplayName = displayName;
    window->m_messageTypeLabel->setText(QString());
    ZELTranscript::appendSpeakerBlock(window, ZELTranscript::receivedColour(), displayName, m_ownDisplayName, time,
                                      {ZELTranscript::decodeCommas(body)});
    if (!window->windowTitle().contains(QLatin1Char('('))) {
        const QString title = QStringLiteral("Chatting with ") + ZELTextBounds::shownName(displayName);
        window->setWindowTitle(title);
        window->m_logoLabel->setText(title);
    }
    preview();
    sendMessageDeliveredStatus(receipt);
    return ZELDispatchResult::Continue;
}

ZELDispatchResult ZELClient::dispatchMessageDelivered(const QStringList &message)
{
    ZELChatWindow *window = m_chatWindows.value(messageValue(message, 2));
    if (window && window->m_deliveryPending) {
        // Also replaces a "not delivered yet" notice; whether it shows is left alone.
        window->m_messageDeliveredLabel->setText(QStringLiteral("Last message delivered successfully"));
        window->m_deliveryPending = false;
    }
    return ZELDispatchResult::Continue;
}

ZELDispatchResult ZELClient::dispatchPwdMessageDeliveredStatus(const QStringList &message)
{
    const QString time = ZELTranscript::timeStamp(m_chatWindowSettings.value(ZELChatWindowList::HourFormat24));
    ZELChatWindow *window = m_chatWindows.value(messageValue(message, 3));
    if (!window)
        return ZELDispatchResult::Continue;
    if (!window->isActiveWindow())
        QApplication::alert(window);
    const QString kind = messageValue(message, 4);
    const QString name = kind == QLatin1String("CHAT") ? window->m_peerDisplayName : kind;
    window->totalMessage->append(
        ZELTranscript::headingRow(ZELTranscript::Received, ZELTranscript::receivedColour(), name, time));
    window->totalMessage->appendMessage(messageValue(message, 2));
    window->totalMessage->append(
        messageValue(message, 5) == QLatin1String("FALSE")
            ? QStringLiteral("<b><font color = red>Password Protected Message Delivered Status :: "
                             "Cancelled</font></b>")
            : QStringLiteral("<b><font color = red>Password Protected Message Delivered Status :: Invalid "
                             "Password</font></b>"));
    ZELTranscript::scrollToEnd(window->totalMessage);
    return ZELDispatchResult::Continue;
}

static ZELDispatchResult conferenceTypingMark(ZELClient &client, const QStringList &message, const char *image)
{
    ZELChatWindow *window = client.m_chatWindows.value(messageValue(message, 2));
    if (!window || !window->m_conferenceRootItem)
        return ZELDispatchResult::Continue;
    QTreeWidgetItem *row = nullptr;
    for (int i = 0; i < window->m_conferenceRootItem->childCount() && !row; ++i) {
        if (window->m_conferenceRootItem->child(i)->toolTip(0) == messageValue(message, 1))
            row = window->m_conferenceRootItem->child(i);
    }
    QWidget *rowWidget = row ? window->m_conferenceChatFrame->itemWidget(row, 0) : nullptr;
    const QList<QLabel *> labels = rowWidget ? rowWidget->findChildren<QLabel *>() : QList<QLabel *>();
    QLabel *mark = labels.isEmpty() ? nullptr : labels.last();
    if (!mark || !mark->movie())
        return ZELDispatchResult::Continue;
    if (!client.m_animationsPaused && mark->movie()->state() != QMovie::Running)
        replaceMovie(mark, QString::fromLatin1(image), window, true);
    return ZELDispatchResult::Continue;
}

ZELDispatchResult ZELClient::dispatchConferenceTypeStatus(const QStringList &message)
{
    return conferenceTypingMark(*this, message, kPencil);
}

ZELDispatchResult ZELClient::dispatchConferenceEraseStatus(const QStringList &message)
{
    return conferenceTypingMark(*this, message, kEraser);
}

// The peer types (pencil) or erases (eraser): a caption under the transcript
// and a short animation that clears the caption when it ends.
static ZELDispatchResult peerTyping(ZELClient &client, const QStringList &message, bool typing)
{
    ZELChatWindow *window = client.m_chatWindows.value(messageValue(message, 2));
    if (!window)
        return ZELDispatchResult::Continue;

    if (typing && window->m_peerSignedOut) {
        // The peer is back: the chat controls come on again.
        window->chatTabEnableDisable(false);
        window->Chat->setTabEnabled(2, true);
        window->Chat->setTabEnabled(3, true);
        const QString peer = messageValue(message, 2);
        const UserRecord *record = nullptr;
        for (const QString &present : std::as_const(client.m_presentContacts)) {
            if (present.section(QStringLiteral("##"), 0, 0) != peer)
                continue;
            for (auto it = client.m_users.cbegin(); it != client.m_users.cend() && !record; ++it) {
                if (it->userName == peer)
                    record = &it.value();
            }
            break;
        }
        QString title;
        QString icon = QStringLiteral("Online");
        if (record) {
            icon = ZELContactRow::statusWord(record->status, true);
            title = QStringLiteral("Chatting with ") + ZELTextBounds::shownName(record->displayName)
                    + QStringLiteral(" (") + ZELTextBounds::shownName(record->status) + QStringLiteral(")");
            window->m_peerStatus = icon;
            window->m_userStatusLabel->setText(ZELTextBounds::shownLine(record->status));
        } else {
            title = QStringLiteral("Chatting with ") + ZELTextBounds::shownName(window->m_peerDisplayName)
                    + QStringLiteral("(Online)");
        }
        window->setWindowTitle(title);
        window->m_logoLabel->setText(title);
        window->setPresencePicture(ZELContactRow::statusPicture(icon, true));
        window->m_peerSignedOut = false;
    }

    window->m_messageTypeLabel->setText(ZELTextBounds::shownName(window->m_peerDisplayName) + QStringLiteral(" ")
                                        + ZELTextBounds::shownName(messageValue(message, 3)));
    window->m_messageIndicationGif->setScaledContents(true);

    QLabel *label = window->m_messageIndicationGif;
    if (!label->movie() || client.m_animationsPaused)
        return ZELDispatchResult::Continue;
    bool &own = typing ? window->m_typingAnimation : window->m_erasingAnimation;
    bool &other = typing ? window->m_erasingAnimation : window->m_typingAnimation;
    const QString path = QString::fromLatin1(typing ? kPencil : kEraser);
    const auto start = [&]() {
        QMovie *movie = replaceMovie(label, path, window, true);
        QObject::connect(movie, &QMovie::finished, window, &ZELChatWindow::movieFinished);
        own = true;
        // The flags name the animation started last, whichever started it.
        other = false;
    };
    if (label->movie()->state() != QMovie::Running)
        start();
    else if (!own)
        start();
    return ZELDispatchResult::Continue;
}

ZELDispatchResult ZELClient::dispatchMessageTypeStatus(const QStringList &message)
{
    return peerTyping(*this, message, true);
}

ZELDispatchResult ZELClient::dispatchMessageEraseStatus(const QStringList &message)
{
    return peerTyping(*this, message, false);
}

ZELDispatchResult ZELClient::dispatchCloseChatWindow(const QStringList &message)
{
    if (m_chatWindowSettings.value(ZELChatWindowList::PartnerClosedMessage) != QLatin1String("TRUE"))
        return ZELDispatchResult::Continue;
    ZELChatWindow *window = m_chatWindows.value(messageValue(message, 2));
    if (!window)
        return ZELDispatchResult::Continue;
    const QString time = ZELTranscript::timeStamp(m_chatWindowSettings.value(ZELChatWindowList::HourFormat24));
    // The peer's next message starts under a heading of its own.
    window->m_forceHeading = QStringLiteral("ADD");
    window->totalMessage->append(ZELTranscript::noticeRow(
        ZELTranscript::noticeColour(),
        QStringLiteral(" width='100%' cellspacing='0' border='0'><tr><td width='80%'><b>")
            + ZELTextBounds::shownName(window->m_peerDisplayName).toHtmlEscaped()
            + QStringLiteral(" has closed the chat window</td><td width='20%' align='right'><font color=darkgray><b>"),
        time));
    ZELTranscript::scrollToEnd(window->totalMessage);
    return ZELDispatchResult::Continue;
}
