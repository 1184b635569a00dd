#include "core/zelclient.h"

#include <QMovie>
#include <QScopeGuard>

#include <utility>

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

ZELDispatchResult ZELClient::dispatchMessage(const QStringList &message)
{
    const QString type = message.value(0);
    for (const ZELDispatchEntry &entry : dispatchTable) {
        if (type == QLatin1String(entry.type))
            return (this->*entry.handler)(message);
    }
    return ZELDispatchResult::Continue;
}

void ZELClient::messageFromServer(QByteArray &text, QByteArray &files)
{
    parsedMessagesFromServer(text, files, ZELXmlCodec::parseBlock(text));
}

void ZELClient::parsedMessagesFromServer(QByteArray &text, QByteArray &files, const QList<QStringList> &messages)
{
    // What the server sends for a session the client signed out at once.
    if (m_abandonedSessionOpen)
        return;
    // The block is read while its messages are handled, and let go after, so
    // a large one is not kept until the next delivery.
    const QByteArray outer = std::exchange(m_deliveryBlock, text);
    const auto restore = qScopeGuard([this, &outer] { m_deliveryBlock = outer; });
    for (const QStringList &message : messages) {
        const ZELDispatchResult result = dispatchMessage(message);
        if (result == ZELDispatchResult::Return)
            return;
        if (result == ZELDispatchResult::LeaveLoop)
            break;
    }

    if (!routeFileBlock(files))
        return;

    if (processPage->isVisible() || stackedWidget->currentWidget() == processPage) {
        m_processMovie->stop();
        m_connectingMovie->stop();
        stackedWidget->setCurrentWidget(loginPage);
    }
}

void ZELClient::updateConferenceChatUsers(QStringList request)
{
    convertXMLSendToServer(request);
}
