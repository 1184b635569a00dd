#include "core/zelclient.h"

#include <QHeaderView>
#include <QListWidget>
#include <QPointer>
#include <QSet>
#include <QTreeWidgetItem>

#include "chat/zelchatwindow.h"
#include "chat/zeltranscript.h"
#include "core/zelslicedwork.h"
#include "protocol/zelparsedmessage.h"
#include "protocol/zelsettingslists.h"
#include "messages/zelchathistorylistwindow.h"

namespace {

// Values from this position on are the lists' pairs and triples.
const int FirstListValue = 3;

// Pictures of a stored transcript live in the data folder; smileys stay
// relative to the working folder.
QString rewritePicturePaths(QString transcript, const QString &dataFolder)
{
    const QString quote = QStringLiteral("img src=\"");
    transcript.replace(quote, quote + dataFolder + QLatin1Char('/'));
    transcript.replace(quote + dataFolder + QStringLiteral("/Smileys"), quote + QStringLiteral("Smileys"));
    return transcript;
}

void appendSessionRow(QTableWidget *table, const QString &first, const QString &start, const QString &end)
{
    const int row = table->rowCount();
    table->insertRow(row);
    table->setRowHeight(row, 22);
    table->setItem(row, 0, new QTableWidgetItem(first));
    table->setItem(row, 1, new QTableWidgetItem(start));
    table->setItem(row, 2, new QTableWidgetItem(end));
}

void emptyTable(QTableWidget *table)
{
    table->clear();
    table->setColumnCount(0);
    table->setRowCount(0);
}

} // namespace

ZELDispatchResult ZELClient::dispatchChatHistoryToClient(const QStringList &message)
{
    if (ZELChatWindow *window = m_chatWindows.value(messageValue(message, 2))) {
        window->totalMessage->showConversation(ZELTranscript::headingTimesAs(
            messageValue(message, 1), m_chatWindowSettings.value(ZELChatWindowList::HourFormat24)));
    }
    return ZELDispatchResult::Continue;
}

ZELDispatchResult ZELClient::dispatchChatHistoryList(const QStringList &message)
{
    removeHistoryWaitCursor();
    if (!m_chatHistoryWindow.isVisible())
        return ZELDispatchResult::Continue;
    m_chatHistoryWindow->m_contactNamesList->clear();
    const QPointer<QListWidget> list = m_chatHistoryWindow->m_contactNamesList;
    auto names = std::make_shared<const QStringList>(message);
    runSliced(
        qMax<qsizetype>(0, (message.size() - FirstListValue) / 2),
        [list, names](qsizetype n) {
            const int i = int(FirstListValue + 2 * n);
            if (!list || messageValue(*names, i).isEmpty())
                return;
            auto *item = new QListWidgetItem(messageValue(*names, i + 1), list);
            item->setToolTip(messageValue(*names, i));
        },
        [names]() mutable { ZELSlicedWork::releaseAside(std::move(names)); });
    return ZELDispatchResult::Continue;
}

ZELDispatchResult ZELClient::dispatchRecentChatUserList(const QStringList &message)
{
    int appended = 0;
    for (int i = FirstListValue; i < message.size(); ++i, ++appended)
        m_recentChatUsers << messageValue(message, i);
    // The group row itself, wherever sorting has put it.
    if (QTreeWidgetItem *recent = m_recentChatsItem) {
        if (appended == 0 || messageValue(message, FirstListValue).isEmpty())
            recent->setHidden(true);
        else if (m_contactDisplaySettings.value(ZELContactDisplayList::ShowRecentChats) == QLatin1String("TRUE"))
            recent->setHidden(false);
    }
    return ZELDispatchResult::Continue;
}

ZELDispatchResult ZELClient::dispatchChatHistoryDate(const QStringList &message)
{
    if (!m_chatHistoryWindow.isVisible()) {
        removeHistoryWaitCursor();
        return ZELDispatchResult::Continue;
    }
    ZELChatHistoryListWindow *window = m_chatHistoryWindow.get();
    window->m_historyDisplay->clear();
    emptyTable(window->m_chatDateList);
    if (message.size() <= 4) {
        removeHistoryWaitCursor();
        window->displayMessage(QStringLiteral("No chat history found"));
        return ZELDispatchResult::Continue;
    }
    const QPointer<ZELChatHistoryListWindow> history = window;
    auto dates = std::make_shared<const QStringList>(message);
    runSliced(
        (message.size() - FirstListValue) / 3,
        [history, dates](qsizetype n) {
            if (!history)
                return;
            const int i = int(FirstListValue + 3 * n);
            if (n == 0)
                history->startSessionTable(QStringLiteral("Chat Date"));
            appendSessionRow(history->m_chatDateList, messageValue(*dates, i), messageValue(*dates, i + 1),
                             messageValue(*dates, i + 2));
        },
        [this, dates]() mutable {
            ZELSlicedWork::releaseAside(std::move(dates));
            removeHistoryWaitCursor();
        });
    return ZELDispatchResult::Continue;
}

ZELDispatchResult ZELClient::dispatchConferenceNamesToBeSent(const QStringList &message)
{
    if (!m_chatHistoryWindow.isVisible()) {
        removeHistoryWaitCursor();
        return ZELDispatchResult::Continue;
    }
    ZELChatHistoryListWindow *window = m_chatHistoryWindow.get();
    window->m_historyDisplay->clear();
    window->m_sessionNames.clear();
    emptyTable(window->m_chatDateList);
    const QPointer<ZELChatHistoryListWindow> history = window;
    auto sessions = std::make_shared<const QStringList>(message);
    runSliced(
        message.size() > 4 ? (message.size() - FirstListValue) / 3 : 0,
        [history, sessions](qsizetype n) {
            if (!history)
                return;
            const int i = int(FirstListValue + 3 * n);
            if (n == 0)
                history->startSessionTable(QStringLiteral("Chat Session Name"));
            const QString full = messageValue(*sessions, i);
            const QString name = full.section(QLatin1Char('~'), 0, 0);
            appendSessionRow(history->m_chatDateList, name.chopped(qMin(2, int(name.size()))),
                             messageValue(*sessions, i + 1), messageValue(*sessions, i + 2));
            history->m_sessionNames << full;
        },
        [this, sessions]() mutable {
            ZELSlicedWork::releaseAside(std::move(sessions));
            removeHistoryWaitCursor();
        });
    return ZELDispatchResult::Continue;
}

ZELDispatchResult ZELClient::dispatchChatHistoryFromServer(const QStringList &message)
{
    const QString transcript = messageValue(message, 1);
    if (transcript != QLatin1String("EMPTY") && m_chatHistoryWindow.isVisible()) {
        m_chatHistoryWindow->showTranscript(rewritePicturePaths(transcript, m_dataFolder));
    }
    removeHistoryWaitCursor();
    return ZELDispatchResult::Continue;
}

ZELDispatchResult ZELClient::dispatchConferenceHistoryFromServer(const QStringList &message)
{
    return dispatchChatHistoryFromServer(message);
}

ZELDispatchResult ZELClient::dispatchChatHistoryForOpenNewWidget(const QStringList &message)
{
    ZELChatWindow *window = m_chatWindows.value(messageValue(message, 2));
    if (!window)
        return ZELDispatchResult::Continue;
    const QString transcript = messageValue(message, 1);
    window->totalMessage->clear();
    if (transcript != QLatin1String("EMPTY")) {
        window->totalMessage->showConversation(ZELTranscript::headingTimesAs(
            rewritePicturePaths(transcript, m_dataFolder), m_chatWindowSettings.value(ZELChatWindowList::HourFormat24)));
    }
    return ZELDispatchResult::Continue;
}

ZELDispatchResult ZELClient::dispatchConferenceDates(const QStringList &message)
{
    removeHistoryWaitCursor();
    ZELChatHistoryListWindow *window = m_chatHistoryWindow.get();
    const bool fill = window->isVisible();
    if (fill)
        window->m_conferenceChatDateList->clear();
    struct Dates
    {
        QStringList message;
        QSet<QString> seen;
    };
    auto dates = std::make_shared<Dates>();
    dates->message = message;
    const QPointer<ZELChatHistoryListWindow> history = window;
    runSliced(
        fill ? qMax<qsizetype>(0, message.size() - FirstListValue) : 0,
        [history, dates](qsizetype n) {
            const QString date = messageValue(dates->message, int(FirstListValue + n));
            if (!history || dates->seen.contains(date))
                return;
            dates->seen.insert(date);
            if (!date.isEmpty())
                history->m_conferenceChatDateList->addItem(date);
        },
        [history, dates]() mutable {
            ZELSlicedWork::releaseAside(std::move(dates));
            if (history && history->m_conferenceChatDateList->count() == 0 && history->m_contactNamesList->count() == 0) {
                // A notice, not a transcript: the save button goes off with it.
                history->showNotice(ZELChatHistoryListWindow::emptyHistoryPage());
            }
        });
    return ZELDispatchResult::Continue;
}
