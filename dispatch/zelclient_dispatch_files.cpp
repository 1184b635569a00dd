#include "core/zelclient.h"

#include <QBrush>
#include <QIcon>
#include <QLabel>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextBrowser>
#include <QTimer>

#include "chat/zelchatwindow.h"
#include "chat/zeltranscript.h"
#include "protocol/zelparsedmessage.h"
#include "protocol/zelsettingslists.h"
#include "mainwindow/zelcontactrow.h"
#include "style/zeltextbounds.h"

namespace {

// Positions of a received "FTPREADY".
enum ReadyPosition { ReadySender = 2, ReadyFileName = 3, ReadySize = 4, ReadyDisplayName = 6, ReadyLocked = 7 };
// Positions of a received "FTPSTATUS".
enum StatusPosition { StatusPeer = 2, StatusAnswer = 3, StatusFileName = 4 };

const int kStateColumn = 5;
const QColor kOfferColour(240, 248, 255);
const QColor kTransferColour(245, 255, 250);

QTableWidgetItem *colouredItem(const QString &text, const QColor &colour)
{
    auto *item = new QTableWidgetItem(text);
    item->setForeground(QBrush(colour));
    return item;
}

// The offer's transcript line, page and table row in the peer's window.
void showOffer(ZELClient &client, ZELChatWindow *window, const QStringList &message, const QString &time)
{
    const QString fileName = messageValue(message, ReadyFileName);
    // The name as a person reads it; requests and paths keep the name as sent.
    const QString shownFile = ZELTextBounds::shownFileName(fileName).toHtmlEscaped();
    const QString displayName = messageValue(message, ReadyDisplayName);
    const QString locked = messageValue(message, ReadyLocked);
    const bool isLocked = locked == QLatin1String("1");

    const QString body =
        isLocked ? QStringLiteral("<b>File received ::&nbsp;<img src = ':images/lock.gif' width='20' height='20'>"
                                  "&nbsp;<font color ='blue'>")
                       + shownFile + QStringLiteral("</b></font>")
                 : QStringLiteral("<b>File received ::&nbsp;<font color ='blue'>") + shownFile
                       + QStringLiteral("</b></font>");
    ZELTranscript::appendSpeakerBlock(window, kOfferColour, displayName, client.m_ownDisplayName, time, {body});

    window->Chat->setTabEnabled(window->Chat->indexOf(window->downLoadPage), true);
    ZELTextBounds::setFileName(window->filePages().m_recievedFileLabel, fileName);
    window->filePages().m_defaultFileLocation->setText(client.m_defaultFileLocation);
    window->filePages().m_fileStatusLabel->setText(QStringLiteral("Waiting"));

    QTableWidget *table = window->filePages().m_dowLoadtable;
    const int row = table->rowCount();
    table->insertRow(row);
    table->setRowHeight(row, 15);
    auto *name = new QTableWidgetItem;
    ZELTextBounds::setFileName(name, fileName);
    if (isLocked)
        name->setIcon(ZELContactRow::icon(QStringLiteral(":images/lock.gif")));
    table->setItem(row, 0, name);
    table->setItem(row, 1, new QTableWidgetItem(client.m_defaultFileLocation));
    table->setItem(row, 2, new QTableWidgetItem(ZELTextBounds::shownName(messageValue(message, ReadySize))
                                                + QStringLiteral(" bytes")));
    table->setItem(row, 3, new QTableWidgetItem(messageValue(message, ReadySender)));
    table->setItem(row, 4, new QTableWidgetItem(ZELTextBounds::shownName(displayName)));
    table->setItem(row, kStateColumn, colouredItem(QStringLiteral("Waiting"), Qt::blue));
    table->setItem(row, 6, new QTableWidgetItem(locked));

    ++window->m_receivedFileCount;
    window->m_indicateFileReceivedLabel->setText(QStringLiteral("(") + QString::number(window->m_receivedFileCount)
                                                 + QStringLiteral(") Files received"));
    window->m_indicateFileReceivedLabel->show();
}

// The server's word on an upload of the user's: the row waits for the peers'
// answers or shows the failure, and the client may upload again.
void transferReported(ZELClient &client, const QStringList &message, bool conference)
{
    const QString time =
        ZELTranscript::timeStamp(client.m_chatWindowSettings.value(ZELChatWindowList::HourFormat24));
    ZELChatWindow *window = client.m_chatWindows.value(messageValue(message, 1));
    if (window) {
        const QString result = messageValue(message, 2);
        const QString fileName = messageValue(message, 3);
        const bool success = result == QLatin1String("SUCCESS");
        const QString shownResult = ZELTextBounds::shownLine(result).toHtmlEscaped();
        const QString shownFile = ZELTextBounds::shownFileName(fileName).toHtmlEscaped();
        ZELTranscript::drawAttention(window);
        window->m_uploadTimer->stop();
        window->Chat->setTabIcon(1, ZELContactRow::icon(QStringLiteral(":images/uploading.png")));

        QString pieces;
        if (!success) {
            pieces = QStringLiteral(" width='100%' cellspacing='0' border='0'><tr><td width='80%'><b>File sending "
                                    "<font color=red>")
                     + shownResult + QStringLiteral("</td><td width='20%' align='right'><font color=darkgray><b>");
        } else if (conference) {
            pieces = QStringLiteral(" width='100%' cellspacing='0' border='0'><tr><td width='80%'><font color = "
                                    "Chocolate><b>File sent ::: </b><font color = black>Conference chat users "
                                    "recieved <b>")
                     + shownFile
                     + QStringLiteral(" </b>file</td><td width='20%' align='right'><font color=darkgray><b>");
        } else {
            pieces = QStringLiteral(" width='100%' cellspacing='0' border='0'><tr><td width='80%'><font color = "
                                    "Chocolate><b>File sent ::: </b><font color = black>")
                     + ZELTextBounds::shownName(window->m_peerDisplayName).toHtmlEscaped()
                     + QStringLiteral(" has recieved <b>")
                     + shownFile
                     + QStringLiteral(" </b>file</td><td width='20%' align='right'><font color=darkgray><b>");
        }
        window->totalMessage->append(ZELTranscript::noticeRow(kTransferColour, pieces, time));

        // One row per participant in a conference, one row otherwise.
        QTableWidget *uploads = window->filePages().m_uploadedFiletable;
        for (int row = 0; row < uploads->rowCount(); ++row) {
            const QTableWidgetItem *state = uploads->item(row, kStateColumn);
            const QTableWidgetItem *name = uploads->item(row, 0);
            if (!state || !name || state->text() != QLatin1String("Uploading...")
                || ZELTextBounds::wireName(name) != fileName)
                continue;
            uploads->setItem(row, kStateColumn,
                             success ? colouredItem(QStringLiteral("Waiting"), Qt::blue)
                                     : colouredItem(QStringLiteral("Uploading Failed"), Qt::red));
            if (!conference)
                break;
        }
        ZELTranscript::scrollToEnd(window->totalMessage);
    }
    // Also when the window was closed meanwhile: the connection is free again.
    client.m_uploadInProgress = false;
    for (ZELChatWindow *open : std::as_const(client.m_chatWindows)) {
        if (open)
            open->m_uploading = false;
    }
}

} // namespace

ZELDispatchResult ZELClient::dispatchFtpReady(const QStringList &message)
{
    const QString time = ZELTranscript::timeStamp(m_chatWindowSettings.value(ZELChatWindowList::HourFormat24));
    const QString sender = messageValue(message, ReadySender);
    if (chatWaits(message, sender))
        return ZELDispatchResult::Continue;
    const QString displayName = messageValue(message, ReadyDisplayName);
    const auto popup = [&]() {
        if (!m_screenCaptureActive
            && m_notificationSettings.value(ZELNotificationList::SendsFile) == QLatin1String("TRUE"))
            showChatPopupWidget(message, displayName);
    };

    if (ZELChatWindow *window = m_chatWindows.value(sender)) {
        window->ftpCancel();
        ZELTranscript::drawAttention(window, popup);
        showOffer(*this, window, message, time);
        return ZELDispatchResult::Continue;
    }

    m_openChatMinimized = true;
    createChatWindow(sender);
    ZELChatWindow *window = m_chatWindows.value(sender);
    if (!window) {
        m_openChatMinimized = false;
        return ZELDispatchResult::Continue;
    }
    window->ftpCancel();
    popup();
    ZELTranscript::drawAttention(window);
    showOffer(*this, window, message, time);
    if (!window->windowTitle().contains(QLatin1Char('('))) {
        const QString title = QStringLiteral("Chatting with ") + ZELTextBounds::shownName(displayName);
        window->setWindowTitle(title);
        window->m_logoLabel->setText(title);
    }
    window->m_peerDisplayName = displayName;
    return ZELDispatchResult::Continue;
}

ZELDispatchResult ZELClient::dispatchFtpStatus(const QStringList &message)
{
    const QString time = ZELTranscript::timeStamp(m_chatWindowSettings.value(ZELChatWindowList::HourFormat24));
    ZELChatWindow *window = m_chatWindows.value(messageValue(message, StatusPeer));
    if (!window)
        return ZELDispatchResult::Continue;
    const QString answer = messageValue(message, StatusAnswer);
    const QString fileName = messageValue(message, StatusFileName);
    const bool accepted = answer == QLatin1String("Accepted");
    ZELTranscript::drawAttention(window);

    QTableWidget *uploads = window->filePages().m_uploadedFiletable;
    for (int row = 0; row < uploads->rowCount(); ++row) {
        const QTableWidgetItem *state = uploads->item(row, kStateColumn);
        const QTableWidgetItem *name = uploads->item(row, 0);
        if (!state || !name || state->text() != QLatin1String("Waiting") || ZELTextBounds::wireName(name) != fileName)
            continue;
        uploads->setItem(row, kStateColumn,
                         colouredItem(ZELTextBounds::shownName(answer), accepted ? Qt::darkGreen : Qt::red));
        break;
    }

    const QString colour = QColor(accepted ? Qt::darkGreen : Qt::red).name();
    ZELTranscript::appendSpeakerBlock(window, kOfferColour, window->m_peerDisplayName, m_ownDisplayName, time,
                                      {QStringLiteral("<b>Sent file status ::&nbsp;</b>")
                                       + ZELTextBounds::shownName(window->m_peerDisplayName).toHtmlEscaped()
                                       + QStringLiteral(" has <b><font color = ") + colour + QStringLiteral(">")
                                       + ZELTextBounds::shownLine(answer).toHtmlEscaped()
                                       + QStringLiteral(" <font color = black>")
                                       + ZELTextBounds::shownFileName(fileName).toHtmlEscaped()
                                       + QStringLiteral(" </b> file")});
    return ZELDispatchResult::Continue;
}

ZELDispatchResult ZELClient::dispatchFileTransferStatus(const QStringList &message)
{
    transferReported(*this, message, false);
    return ZELDispatchResult::Continue;
}

ZELDispatchResult ZELClient::dispatchConferenceFileTransferStatus(const QStringList &message)
{
    transferReported(*this, message, true);
    return ZELDispatchResult::Continue;
}
