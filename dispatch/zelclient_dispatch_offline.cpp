#include "core/zelclient.h"

#include <QApplication>
#include <QBrush>
#include <QIcon>
#include <QLabel>
#include <QPointer>
#include <QSet>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextBrowser>
#include <QTimer>

#include "chat/zelchatwindow.h"
#include "chat/zeltranscript.h"
#include "core/zelslicedwork.h"
#include "protocol/zelparsedmessage.h"
#include "protocol/zelsettingslists.h"
#include "media/zelvoicemailinbox.h"
#include "messages/zelofflinemessageswidget.h"
#include "style/zelmessageboxclass.h"
#include "style/zeltextbounds.h"
#include "mainwindow/zelcontactrow.h"

namespace {

const QString RecordSeparator = QStringLiteral("##");

// The fields that name one message whatever the inbox did with it: the read
// and replied flags change, and its text is stored with ":)" for every "?"
// once it has been shown. Fields after the seventh are kept as one piece.
QString messageIdentity(const QString &record)
{
    QStringList fields = messageParts(record, RecordSeparator, 8);
    while (fields.size() < 7)
        fields.append(QString());
    fields[1].replace(QLatin1Char('?'), QStringLiteral(":)"));
    fields[3].clear();
    fields[6].clear();
    return fields.join(RecordSeparator);
}

// The identities of the records a list holds (from position 1), each made
// once: a long delivery must not compare every record with every other.
QSet<QString> identitiesOf(const QStringList &list)
{
    QSet<QString> identities;
    identities.reserve(list.size());
    for (int i = 1; i < list.size(); ++i)
        identities.insert(messageIdentity(list.at(i)));
    return identities;
}

} // namespace

ZELDispatchResult ZELClient::dispatchOfflineMessages(const QStringList &message)
{
    if (m_offlineMessageList.size() > 1) {
        // A record the list already holds, read or unread, is not added again.
        QSet<QString> held = identitiesOf(m_offlineMessageList);
        for (int i = 1; i < message.size(); ++i) {
            const QString record = messageValue(message, i);
            if (!record.contains(RecordSeparator))
                continue;
            const QString identity = messageIdentity(record);
            if (held.contains(identity))
                continue;
            held.insert(identity);
            m_offlineMessageList.append(record);
        }
    } else {
        m_offlineMessageList = message;
    }

    int unread = 0;
    for (int i = 1; i < m_offlineMessageList.size(); ++i) {
        if (messageParts(m_offlineMessageList.at(i), RecordSeparator, 5).value(3) == QLatin1String("NO"))
            ++unread;
    }
    m_unreadOfflineMessageCount = unread;
    refreshOfflineCounters();

    if (unread > 0 && !m_offlineMessagesWidget.isVisible() && !m_sessionActive
        && m_notificationSettings.value(ZELNotificationList::SendsOfflineMessage) == QLatin1String("TRUE"))
        showVoiceMailPopup(QStringLiteral("<b><font color = '#C34A2C'>You have received ") + QString::number(unread)
                           + QStringLiteral(" new Offline Message(s)<b>"));
    return ZELDispatchResult::Continue;
}

ZELDispatchResult ZELClient::dispatchOfflineMessageStatus(const QStringList &message)
{
    QString html = messageValue(message, 3);
    html.replace(QStringLiteral("\\\\"), QStringLiteral("\\"));
    if (!MainPage->isVisible() && stackedWidget->currentIndex() != 1)
        return ZELDispatchResult::Continue;
    ZELChatWindow *window = m_chatWindows.value(messageValue(message, 2) + QStringLiteral("OfflineMessage"));
    if (!window)
        return ZELDispatchResult::Continue;

    const QString time = ZELTranscript::timeStamp(m_chatWindowSettings.value(ZELChatWindowList::HourFormat24));
    ZELTranscript::drawAttention(window);
    window->m_offlineMessagePending = false;
    const bool sent = messageValue(message, 1) == QLatin1String("SENT");
    const QColor colour = sent ? QColor(255, 248, 220) : QColor(240, 248, 255);
    const QString notice = sent ? QStringLiteral("Below Offline Message Successfully Sent")
                                : QStringLiteral("Below Offline Message Not Sent");
    window->totalMessage->append(ZELTranscript::noticeRow(
        colour,
        QStringLiteral(" width='100%' cellspacing='0' radius = '5' border='0'><tr><td width='80%'>"
                       "<font color=Chocolate><b>")
            + notice + QStringLiteral("</td><td width='20%' align='right'><font color=darkgray><b>"),
        time));
    // The message as the server echoes it: a received text, bounded as one.
    window->totalMessage->appendMessage(html);
    return ZELDispatchResult::Continue;
}

// File names at 3, 5, 7, ... each followed by the value shown as its sender.
ZELDispatchResult ZELClient::dispatchVoiceMailFileDetails(const QStringList &message)
{
    const int length = int(message.size());
    int count = 0;
    for (int i = 3; i < length; i += 2)
        ++count;
    m_newVoiceMailCount = count;
    const bool listed = count > 0 && !messageValue(message, 3).isEmpty();
    if (!listed) {
        m_voiceMailIndicationLabel->hide();
        m_newVoiceMailCount = 0;
    } else {
        m_voiceMailInbox->clearTable();
    }
    auto details = std::make_shared<const QStringList>(message);
    runSliced(
        listed ? count : 0,
        [this, details](qsizetype n) {
            const int i = int(3 + 2 * n);
            m_voiceMailInbox->addVoiceMail(messageValue(*details, i), messageValue(*details, i + 1));
        },
        [this, listed, details]() mutable {
            if (listed) {
                m_voiceMailIndicationLabel->setText(QStringLiteral("(") + QString::number(m_newVoiceMailCount)
                                                    + QStringLiteral(") Voice Mails"));
                m_voiceMailIndicationLabel->show();
            }
            if (m_invisibleModeAction->isChecked() && m_newVoiceMailCount > 0
                && m_notificationSettings.value(ZELNotificationList::SendsVoiceMail) == QLatin1String("TRUE")
                && !m_voiceMailInbox.isVisible() && !m_sessionActive)
                showVoiceMailPopup(QStringLiteral("<b><font color = '#C34A2C'>You have received ")
                                   + QString::number(m_newVoiceMailCount) + QStringLiteral(" new Voice Mail(s)<b>"));
            ZELSlicedWork::releaseAside(std::move(details));
        });
    return ZELDispatchResult::Continue;
}

ZELDispatchResult ZELClient::dispatchDatabaseProblem(const QStringList &)
{
    m_informationBox->showInformationBox(this, QStringLiteral("Database Error"),
                                         QStringLiteral("Data Base Problem. Try after some time"));
    if (m_waitCursorShown) {
        QApplication::restoreOverrideCursor();
        m_waitCursorShown = false;
    }
    return ZELDispatchResult::Continue;
}

ZELDispatchResult ZELClient::dispatchOnlineGroupMessage(const QStringList &message)
{
    displayGroupMessage(message);
    return ZELDispatchResult::Continue;
}

ZELDispatchResult ZELClient::dispatchDeleteOfflineMessageStatus(const QStringList &message)
{
    if (messageValue(message, 1) == QLatin1String("DELETED"))
        deleteOfflineMessages();
    return ZELDispatchResult::Continue;
}

ZELDispatchResult ZELClient::dispatchOfflineFileDetails(const QStringList &message)
{
    m_offlineFileDetails = message;
    ZELOfflineMessagesWidget *inbox = m_offlineMessagesWidget.get();
    // While the inbox is open its table is left as the user sees it.
    const bool fill = m_offlineFileDetails.size() > 1 && !inbox->isVisible();
    if (fill) {
        inbox->m_receivedFileDetailsTable->setRowCount(0);
        inbox->m_offlineFileCount = 0;
    }
    const QPointer<ZELOfflineMessagesWidget> shown = inbox;
    auto details = std::make_shared<const QStringList>(message);
    const QString folder = m_defaultFileLocation;
    runSliced(
        fill ? (message.size() - 1 + 2) / 3 : 0,
        [shown, details, folder](qsizetype n) {
            if (shown)
                shown->addOfflineFile(*details, int(1 + 3 * n), folder);
        },
        [this, shown, details]() mutable {
            ZELSlicedWork::releaseAside(std::move(details));
            if (!shown)
                return;
            ZELOfflineMessagesWidget *inbox = shown;
            m_offlineFileCount = inbox->m_offlineFileCount;
            const QString unread = QString::number(m_unreadOfflineMessageCount);
            const QString files = QString::number(m_offlineFileCount);
            textBrowser->setText(QStringLiteral("(") + unread + QStringLiteral("/") + files
                                 + QStringLiteral(") Offline Messages/files"));
            if (m_offlineFileCount == 0) {
                inbox->m_offlineTabWidget->setTabText(1, QStringLiteral("Offline File(s)"));
            } else {
                inbox->m_offlineTabWidget->setTabText(1, files + QStringLiteral(" Offline File(s)"));
                m_offlineMessagesAction->setText(tr("&Offline Messages") + QStringLiteral(" (") + unread
                                                 + QStringLiteral("/") + files + QStringLiteral(") "));
            }
            inbox->m_offlineTabWidget->setTabText(0, m_unreadOfflineMessageCount == 0
                                                         ? QStringLiteral("Offline Message(s)")
                                                         : unread + QStringLiteral(" Offline Message(s)"));
        });
    return ZELDispatchResult::Continue;
}

ZELDispatchResult ZELClient::dispatchOfflineFileTransferStatus(const QStringList &message)
{
    const QString time = ZELTranscript::timeStamp(m_chatWindowSettings.value(ZELChatWindowList::HourFormat24));
    ZELChatWindow *window = m_chatWindows.value(messageValue(message, 1) + QStringLiteral("OfflineMessage"));
    if (window) {
        const QString result = messageValue(message, 2);
        const QString fileName = messageValue(message, 3);
        const bool success = result == QLatin1String("SUCCESS");
        ZELTranscript::drawAttention(window);
        if (window->m_uploadTimer)
            window->m_uploadTimer->stop();
        window->Chat->setTabIcon(1, ZELContactRow::icon(QStringLiteral(":images/uploading.png")));
        const QString pieces =
            success ? QStringLiteral(" width='100%' cellspacing='0' border='0'><tr><td width='80%'><font color = "
                                     "Chocolate><b>File sent ::: </b><font color = black><b>")
                          + ZELTextBounds::shownFileName(fileName).toHtmlEscaped()
                          + QStringLiteral(" </b>file successfully uploaded</td><td width='20%' align='right'>"
                                           "<font color=darkgray><b>")
                    : QStringLiteral(" width='100%' cellspacing='0' border='0'><tr><td width='80%'><b>File sending "
                                     "<font color=red>")
                          + ZELTextBounds::shownLine(result).toHtmlEscaped()
                          + QStringLiteral("</td><td width='20%' align='right'><font color=darkgray><b>");
        window->totalMessage->append(ZELTranscript::noticeRow(QColor(245, 255, 250), pieces, time));
        QTableWidget *uploads = window->filePages().m_uploadedFiletable;
        for (int row = 0; row < uploads->rowCount(); ++row) {
            const QTableWidgetItem *state = uploads->item(row, 5);
            const QTableWidgetItem *name = uploads->item(row, 0);
            if (!state || !name || state->text() != QLatin1String("Uploading...") || name->text() != fileName)
                continue;
            auto *item = new QTableWidgetItem(success ? QStringLiteral("Uploaded") : QStringLiteral("Uploading Failed"));
            item->setForeground(QBrush(success ? Qt::blue : Qt::red));
            uploads->setItem(row, 5, item);
            break;
        }
        ZELTranscript::scrollToEnd(window->totalMessage);
    }
    // Whatever the outcome, the connection is free for the next upload.
    m_uploadInProgress = false;
    for (ZELChatWindow *open : std::as_const(m_chatWindows)) {
        if (open)
            open->m_uploading = false;
    }
    return ZELDispatchResult::Continue;
}
