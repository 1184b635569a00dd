#include "core/zelclient.h"

#include <QElapsedTimer>
#include <QMovie>
#include <QTimer>
#include <QScopeGuard>

#include <utility>

#include "core/zelslicedwork.h"
#include "protocol/zeltcpsocket.h"
#include "protocol/zelxmlcodec.h"

namespace {

struct ZELDispatchEntry
{
    const char *type;
    ZELDispatchResult (ZELClient::*handler)(const QStringList &);
};

// The server's message types in the order they are tested; the first exact,
// case-sensitive match runs its branch.
const ZELDispatchEntry dispatchTable[] = {
    {"NEWUSER", &ZELClient::dispatchNewUser},
    {"LOGIN", &ZELClient::dispatchLogin},
    {"LOGOUT", &ZELClient::dispatchLogout},
    {"CHANGESTATUS", &ZELClient::dispatchChangeStatus},
    {"ADDCONTACT", &ZELClient::dispatchAddContact},
    {"DELETECONTACT", &ZELClient::dispatchDeleteContact},
    {"DELETECONTACTLISTEMPTY", &ZELClient::dispatchDeleteContactListEmpty},
    {"DELETENAME", &ZELClient::dispatchDeleteName},
    {"ADDCONTACTAPPROVALSTATUS", &ZELClient::dispatchAddContactApprovalStatus},
    {"PRIVILEGEINFO", &ZELClient::dispatchPrivilegeInfo},
    {"APPROVALREQUESTEDUSER", &ZELClient::dispatchApprovalRequestedUser},
    {"APPROVALALERT", &ZELClient::dispatchApprovalAlert},
    {"CHANGEPASSWORD", &ZELClient::dispatchChangePassword},
    {"FORGETPWD", &ZELClient::dispatchForgetPwd},
    {"ANOTHERUSERLOGGED", &ZELClient::dispatchAnotherUserLogged},
    {"FTPREADY", &ZELClient::dispatchFtpReady},
    {"CHANGECONFERENCECHAT", &ZELClient::dispatchChangeConferenceChat},
    {"CHAT", &ZELClient::dispatchChat},
    {"MESSAGEDELIVERED", &ZELClient::dispatchMessageDelivered},
    {"PWDMESSAGEDELIVEREDSTATUS", &ZELClient::dispatchPwdMessageDeliveredStatus},
    {"FTPSTATUS", &ZELClient::dispatchFtpStatus},
    {"CONFERENCETYPESTATUS", &ZELClient::dispatchConferenceTypeStatus},
    {"CONFERENCEERASESTATUS", &ZELClient::dispatchConferenceEraseStatus},
    {"MESSAGETYPESTATUS", &ZELClient::dispatchMessageTypeStatus},
    {"MESSAGERASESTATUS", &ZELClient::dispatchMessageEraseStatus},
    {"CLOSECHATWINDOW", &ZELClient::dispatchCloseChatWindow},
    {"CONFERECECHATSTATUS", &ZELClient::dispatchConferenceChatStatus},
    {"CONFERENCECHAT", &ZELClient::dispatchConferenceChat},
    {"UPDATECONFERENCECHATUSERS", &ZELClient::dispatchUpdateConferenceChatUsers},
    {"CONFERENCECHATMESSAGE", &ZELClient::dispatchConferenceChatMessage},
    {"REMOVECONFERENCECHATUSER", &ZELClient::dispatchRemoveConferenceChatUser},
    {"STOPCONFERENCECHAT", &ZELClient::dispatchStopConferenceChat},
    {"CONFERENCECHATFTPREADY", &ZELClient::dispatchConferenceChatFtpReady},
    {"CONFERENCECHATFTPSTATUS", &ZELClient::dispatchConferenceChatFtpStatus},
    {"CLOSECONFERENCECHATWINDOW", &ZELClient::dispatchCloseConferenceChatWindow},
    {"FILETRANSFERSTATUS", &ZELClient::dispatchFileTransferStatus},
    {"OFFLINEFILETRANSFERSTATUS", &ZELClient::dispatchOfflineFileTransferStatus},
    {"OFFLINEFILEDETAILS", &ZELClient::dispatchOfflineFileDetails},
    {"CONFERENCEFILETRANSFERSTATUS", &ZELClient::dispatchConferenceFileTransferStatus},
    {"SELFREMINDERS", &ZELClient::dispatchSelfReminders},
    {"CROSSREMINDERS", &ZELClient::dispatchCrossReminders},
    {"ADDCROSSREMINDER", &ZELClient::dispatchAddCrossReminder},
    {"DELETECROSSREMINDER", &ZELClient::dispatchDeleteCrossReminder},
    {"SNOOZECROSSREMINDER", &ZELClient::dispatchSnoozeCrossReminder},
    {"OFFLINEMESSAGES", &ZELClient::dispatchOfflineMessages},
    {"OFFLINEMESSAGESTATUS", &ZELClient::dispatchOfflineMessageStatus},
    {"CHATHISTORYTOCLIENT", &ZELClient::dispatchChatHistoryToClient},
    {"CHATHISTORYLIST", &ZELClient::dispatchChatHistoryList},
    {"RECENTCHATUSERLIST", &ZELClient::dispatchRecentChatUserList},
    {"VOICEMAILFILEDETAILS", &ZELClient::dispatchVoiceMailFileDetails},
    {"CHATHISTORYDATE", &ZELClient::dispatchChatHistoryDate},
    {"CONFERENCENAMESTOBESENT", &ZELClient::dispatchConferenceNamesToBeSent},
    {"CHATHISTORYFROMSERVER", &ZELClient::dispatchChatHistoryFromServer},
    {"CONFERENCEHISTORYFROMSERVER", &ZELClient::dispatchConferenceHistoryFromServer},
    {"DATABASEPROBLEM", &ZELClient::dispatchDatabaseProblem},
    {"CHATHISTORYFOROPENNEWWIDGET", &ZELClient::dispatchChatHistoryForOpenNewWidget},
    {"ONLINEGROUPMESSAGE", &ZELClient::dispatchOnlineGroupMessage},
    {"DELETEREMINDERLIST", &ZELClient::dispatchDeleteReminderList},
    {"CONFERENCEDATES", &ZELClient::dispatchConferenceDates},
    {"DELETEOFFLINEMESSAGESTATUS", &ZELClient::dispatchDeleteOfflineMessageStatus},
};

} // namespace

QStringList ZELClient::dispatchTypes()
{
    QStringList types;
    for (const ZELDispatchEntry &entry : dispatchTable)
        types << QLatin1String(entry.type);
    return types;
}

ZELDispatchResult ZELClient::dispatchOne(const QStringList &message)
{
    const QString type = message.value(0);
    for (const ZELDispatchEntry &entry : dispatchTable) {
        if (type == QLatin1String(entry.type))
            return (this->*entry.handler)(message);
    }
    return ZELDispatchResult::Continue;
}

ZELDispatchResult ZELClient::dispatchMessage(const QStringList &message)
{
    // Handed in from outside a delivery: whatever list is under way ends first.
    settleSlicedWork();
    return dispatchOne(message);
}

void ZELClient::messageFromServer(QByteArray &text, QByteArray &files)
{
    parsedMessagesFromServer(text, files, ZELXmlCodec::parseBlock(text));
}

void ZELClient::parsedMessagesFromServer(QByteArray &text, QByteArray &files, const QList<QStringList> &messages)
{
    // Behind a long list, a delivery waits its turn.
    if (m_slicedWork || !m_heldDeliveries.isEmpty()) {
        if (!m_abandonedSessionOpen)
            m_heldDeliveries.append({text, files, messages, false});
        return;
    }
    runDelivery(text, files, messages, false);
}

void ZELClient::runDelivery(QByteArray &text, QByteArray &files, const QList<QStringList> &messages, bool resumed)
{
    // What the server sends for a session the client signed out at once.
    if (!resumed && m_abandonedSessionOpen)
        return;
    // The block is read while its messages are handled, and let go after, so
    // a large one is not kept until the next delivery.
    const QByteArray outer = std::exchange(m_deliveryBlock, text);
    ++m_dispatchDepth;
    const auto restore = qScopeGuard([this, &outer] {
        m_deliveryBlock = outer;
        --m_dispatchDepth;
    });
    for (qsizetype i = 0; i < messages.size(); ++i) {
        const ZELDispatchResult result = dispatchOne(messages.at(i));
        if (result == ZELDispatchResult::Return)
            return;
        if (result == ZELDispatchResult::LeaveLoop)
            break;
        if (m_slicedWork) {
            // The message took up a long list: the rest of this delivery is next
            // in line. Only the rest is kept: the list's own message goes with
            // its frame, freed as the socket frees a large one.
            const bool rest = i + 1 < messages.size();
            m_heldDeliveries.prepend({rest ? text : QByteArray(), files, messages.mid(i + 1), true});
            return;
        }
    }

    if (!routeFileBlock(files))
        return;

    if (processPage->isVisible() || stackedWidget->currentWidget() == processPage) {
        m_processMovie->stop();
        m_connectingMovie->stop();
        stackedWidget->setCurrentWidget(loginPage);
    }
}

void ZELClient::runSliced(qsizetype count, std::function<void(qsizetype)> step, std::function<void()> finish)
{
    if (m_slicedWork && m_dispatchDepth == 0)
        settleSlicedWork();
    auto *work = new ZELSlicedWork(count, std::move(step), std::move(finish), this);
    if (m_settlingSlices || m_slicedWork) {
        work->runToEnd();
        delete work;
        return;
    }
    if (work->runSlice()) {
        delete work;
        return;
    }
    m_slicedWork = work;
    m_tcpSocket->holdDelivery(true);
    connect(work, &ZELSlicedWork::done, this, [this, work] {
        if (m_slicedWork != work)
            return;
        m_slicedWork = nullptr;
        work->deleteLater();
        resumeHeldDeliveries();
    });
    work->continueLater();
}

bool ZELClient::slicedWorkPending() const
{
    return m_slicedWork || !m_heldDeliveries.isEmpty();
}

// The deliveries that waited behind a list, in arrival order and in slices of
// their own; the socket hands over again once none is left.
void ZELClient::resumeHeldDeliveries()
{
    QElapsedTimer slice;
    slice.start();
    while (!m_slicedWork && !m_heldDeliveries.isEmpty()) {
        if (slice.elapsed() >= ZELSlicedWork::SliceMilliseconds) {
            QTimer::singleShot(0, this, [this] {
                if (!m_slicedWork && m_dispatchDepth == 0)
                    resumeHeldDeliveries();
            });
            return;
        }
        HeldDelivery delivery = m_heldDeliveries.takeFirst();
        runDelivery(delivery.text, delivery.files, delivery.messages, delivery.resumed);
    }
    if (!m_slicedWork && m_heldDeliveries.isEmpty())
        m_tcpSocket->holdDelivery(false);
}

void ZELClient::settleSlicedWork()
{
    // Inside a delivery no list is under way: what waits comes after it, in order.
    if (m_dispatchDepth > 0 || m_settlingSlices || !slicedWorkPending())
        return;
    m_settlingSlices = true;
    if (ZELSlicedWork *work = std::exchange(m_slicedWork, nullptr)) {
        work->runToEnd();
        work->deleteLater();
    }
    while (!m_heldDeliveries.isEmpty()) {
        HeldDelivery delivery = m_heldDeliveries.takeFirst();
        runDelivery(delivery.text, delivery.files, delivery.messages, delivery.resumed);
    }
    m_settlingSlices = false;
    m_tcpSocket->holdDelivery(false);
}

void ZELClient::updateConferenceChatUsers(QStringList request)
{
    convertXMLSendToServer(request);
}
