#include "core/zelclient.h"

#include <QScopedValueRollback>
#include <QTimer>

#include "protocol/zelparsedmessage.h"
#include "style/zelmessageboxclass.h"

#include <utility>

namespace {

// CHAT and FTPREADY both name their sender here.
const int WaitingSender = 2;
// A waiting "FTPREADY": the offered file's name.
const int WaitingFileName = 3;
// After the number of people waiting, as the other counters under the contact list.
const char WaitingChatsText[] = "Chats waiting for a window";

} // namespace

bool ZELClient::chatWaits(const QStringList &message, const QString &sender)
{
    // Shown at once: a waiting message being shown, anything while signed out
    // (it opens nothing, as before), and a sender with a window and nothing waiting.
    if (m_releasingWaitingChat || !m_signedIn)
        return false;
    if (m_chatWindows.contains(sender)) {
        // The user opened the window meanwhile: what came first is shown first.
        if (m_waitingSenders.contains(sender))
            releaseWaitingChats(sender);
        return false;
    }
    // Once anything waits, a new sender queues behind it, so windows open in
    // the order their first messages came.
    if (m_waitingChats.isEmpty() && m_chatWindows.size() < m_chatWindowBound && !m_chatWindowOpenedThisTurn) {
        m_chatWindowOpenedThisTurn = true;
        scheduleWaitingChats();
        return false;
    }

    const qsizetype bytes = messageFootprint(message);
    if (m_waitingChatBytes + bytes > MaxWaitingChatBytes) {
        // Not shown and not confirmed: the sender's window reports it as not
        // delivered, and the user is told how many went that way.
        ++m_refusedChats;
        m_informationBox->showInformationBox(
            this, QStringLiteral("Zembrio"),
            QString::number(m_refusedChats)
                + QStringLiteral(" chat messages or file offers from people without an open chat window could not "
                                 "wait for one and were not shown; their senders were not told they arrived. "
                                 "Close some chat windows to see the messages that wait."));
        return true;
    }
    m_waitingChats.append(message);
    ++m_waitingSenders[sender];
    m_waitingChatBytes += bytes;
    showWaitingChatCount();
    scheduleWaitingChats();
    return true;
}

void ZELClient::releaseWaitingChats(const QString &sender)
{
    QList<QStringList> theirs;
    for (auto it = m_waitingChats.begin(); it != m_waitingChats.end();) {
        if (messageValue(*it, WaitingSender) == sender) {
            m_waitingChatBytes -= messageFootprint(*it);
            theirs.append(std::move(*it));
            it = m_waitingChats.erase(it);
        } else {
            ++it;
        }
    }
    m_waitingSenders.remove(sender);
    showWaitingChatCount();
    const QScopedValueRollback<bool> releasing(m_releasingWaitingChat, true);
    for (const QStringList &message : std::as_const(theirs))
        dispatchMessage(message);
}

void ZELClient::scheduleWaitingChats()
{
    if (m_waitingChatsScheduled)
        return;
    m_waitingChatsScheduled = true;
    QTimer::singleShot(0, this, &ZELClient::showWaitingChats);
}

void ZELClient::showWaitingChats()
{
    // A new turn: one more window may open.
    m_waitingChatsScheduled = false;
    m_chatWindowOpenedThisTurn = false;
    if (!m_signedIn || m_waitingChats.isEmpty() || m_chatWindows.size() >= m_chatWindowBound)
        return;
    releaseWaitingChats(messageValue(m_waitingChats.constFirst(), WaitingSender));
    m_chatWindowOpenedThisTurn = true;
    scheduleWaitingChats();
}

void ZELClient::holdWaitingChats(WaitingChatsEnd end)
{
    QList<QStringList> waiting = std::exchange(m_waitingChats, {});
    m_waitingSenders.clear();
    m_waitingChatBytes = 0;
    showWaitingChatCount();
    if (end == WaitingChatsEnd::SignOut) {
        // The windows closing now decline the offers they show; the offers
        // waiting for a window get the same answer, or their senders' rows
        // would wait for ever and a stale offer be accepted days later.
        waiting.removeIf([this](const QStringList &message) {
            if (messageValue(message, 0) != QLatin1String("FTPREADY"))
                return false;
            QStringList request{QStringLiteral("FTPSTATUS"), messageValue(message, WaitingSender), m_loginId,
                                QStringLiteral("Declined"), messageValue(message, WaitingFileName)};
            convertXMLSendToServer(request);
            return true;
        });
    }
    // A lost connection leaves the shown offers in their windows; the waiting
    // ones stay too, and everything comes back at this user's next sign-in.
    if (!waiting.isEmpty())
        m_heldChats[m_loginId] += std::move(waiting);
}

void ZELClient::showWaitingChatCount()
{
    const qsizetype people = m_waitingSenders.size();
    m_waitingChatsLabel->setText(QStringLiteral("(") + QString::number(people) + QStringLiteral(") ")
                                 + tr(WaitingChatsText));
    m_waitingChatsLabel->setVisible(people > 0);
}
