#include "zeldemoserver.h"

#include "zeldemosession.h"

#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>

// Request type -> handler. Requests other than the sign-in's own are only
// served for a signed-in session; anything else is ignored.
const ZELDemoServer::Route ZELDemoServer::routes[] = {
    {"CHECKVERSION", &ZELDemoServer::checkVersion, false},
    {"LOGIN", &ZELDemoServer::signIn, false},
    {"KEEPALIVE", &ZELDemoServer::keepAlive, false},
    {"USERDETAILS", &ZELDemoServer::forgottenPassword, false},
    {"SIGNOUT", &ZELDemoServer::signOut, true},
    {"CHANGESTATUS", &ZELDemoServer::changeStatus, true},
    {"UPDATESTATUSMESSAGE", &ZELDemoServer::updateStatusMessage, true},
    {"INVISBLEMODE", &ZELDemoServer::invisibleMode, true},
    {"CHANGEPASSWORD", &ZELDemoServer::changePassword, true},
    {"CHAT", &ZELDemoServer::chat, true},
    {"MESSAGEDELIVERED", &ZELDemoServer::messageDelivered, true},
    {"MESSAGETYPESTATUS", &ZELDemoServer::typingStatus, true},
    {"MESSAGERASESTATUS", &ZELDemoServer::typingStatus, true},
    {"CLOSECHATWINDOW", &ZELDemoServer::closeChatWindow, true},
    {"PWDMESSAGEDELIVEREDSTATUS", &ZELDemoServer::protectedMessageStatus, true},
    {"CHATOPENED", &ZELDemoServer::chatOpened, true},
    {"FTPREADY", &ZELDemoServer::offerFile, true},
    {"FTPACCEPT", &ZELDemoServer::acceptFile, true},
    {"FTPSTATUS", &ZELDemoServer::fileStatus, true},
    {"OFFLINEMESSAGEFTPREADY", &ZELDemoServer::offerOfflineFile, true},
    {"OFFLINEFTPACCEPT", &ZELDemoServer::acceptOfflineFile, true},
    {"OFFLINEFTPREJECT", &ZELDemoServer::rejectOfflineFile, true},
    {"VOICEMAILREADY", &ZELDemoServer::voiceMailReady, true},
    {"GETVOICEMAIL", &ZELDemoServer::getVoiceMail, true},
    {"CONFERENCECHATFTPREADY", &ZELDemoServer::offerConferenceFile, true},
    {"CONFERENCECHATFTPACCEPT", &ZELDemoServer::acceptConferenceFile, true},
    {"CONFERENCECHATFTPSTATUS", &ZELDemoServer::conferenceFileStatus, true},
    {"CONFERENCECHAT", &ZELDemoServer::inviteToConference, true},
    {"CONFERECECHATSTATUS", &ZELDemoServer::answerInvitation, true},
    {"UPDATECONFERENCECHATUSERS", &ZELDemoServer::updateConferenceUsers, true},
    {"CONFERENCECHATMESSAGE", &ZELDemoServer::conferenceMessage, true},
    {"REMOVECONFERENCECHATUSER", &ZELDemoServer::removeConferenceUser, true},
    {"STOPCONFERENCECHAT", &ZELDemoServer::stopConference, true},
    {"CHANGECONFERENCECHAT", &ZELDemoServer::changeToConference, true},
    {"CLOSECONFERENCECHATWINDOW", &ZELDemoServer::closeConferenceWindow, true},
    {"CONFERENCETYPESTATUS", &ZELDemoServer::conferenceTyping, true},
    {"CONFERENCEERASESTATUS", &ZELDemoServer::conferenceTyping, true},
    {"OFFLINEMESSAGE", &ZELDemoServer::offlineMessage, true},
    {"OFFLINEMESSAGEREAD", &ZELDemoServer::offlineMessageRead, true},
    {"DELETEOFFLINEMESSAGES", &ZELDemoServer::deleteOfflineMessages, true},
    {"ONLINEGROUPMESSAGE", &ZELDemoServer::onlineGroupMessage, true},
    {"OFFLINEGROUPMESSAGE", &ZELDemoServer::offlineGroupMessage, true},
    {"ADDCONTACT", &ZELDemoServer::searchContacts, true},
    {"ADDCONTACTREQUEST", &ZELDemoServer::requestContacts, true},
    {"ADDCONTACTAPPROVALSTATUS", &ZELDemoServer::approvalStatus, true},
    {"ADDCONTACTACCEPTEDLIST", &ZELDemoServer::acceptedList, true},
    {"ADDCONTACTREJECTEDLIST", &ZELDemoServer::rejectedList, true},
    {"ACCEPTREQUESTEDUSERCONTACTS", &ZELDemoServer::ignoreRequest, true},
    {"REJECTREQUESTEDUSERCONTACTS", &ZELDemoServer::ignoreRequest, true},
    {"DECIDELATER", &ZELDemoServer::ignoreRequest, true},
    {"MULTIPLEDELETECONTACT", &ZELDemoServer::deleteContacts, true},
    {"UPDATEUSERPROFILE", &ZELDemoServer::updateProfile, true},
    {"CHATHISTORYLIST", &ZELDemoServer::historyList, true},
    {"CHATHISTORYDATE", &ZELDemoServer::historyDates, true},
    {"CHATHISTORYDATETOSERVER", &ZELDemoServer::historyOfDate, true},
    {"CONFERENCECHATHISTORYNAME", &ZELDemoServer::conferenceNames, true},
    {"CONFERENCEHISTORY", &ZELDemoServer::conferenceHistory, true},
    {"ADDREMINDER", &ZELDemoServer::addReminders, true},
    {"EDITREMINDER", &ZELDemoServer::editReminder, true},
    {"DELETEREMINDER", &ZELDemoServer::deleteReminder, true},
    {"SNOOZEREMINDER", &ZELDemoServer::snoozeReminder, true},
};

ZELDemoServer::ZELDemoServer(QObject *parent)
    : QObject(parent)
    , m_listener(new QTcpServer(this))
{
    connect(m_listener, &QTcpServer::newConnection, this, &ZELDemoServer::acceptConnections);
}

ZELDemoServer::~ZELDemoServer() = default;

bool ZELDemoServer::listen(quint16 port)
{
    return m_listener->listen(QHostAddress::LocalHost, port);
}

quint16 ZELDemoServer::port() const
{
    return m_listener->serverPort();
}

QString ZELDemoServer::timeStamp(const QDateTime &when)
{
    return when.toString(QStringLiteral("dd/MM/yyyy hh:mm:ss"));
}

void ZELDemoServer::acceptConnections()
{
    while (QTcpSocket *socket = m_listener->nextPendingConnection()) {
        auto *session = new ZELDemoSession(socket, m_nextSessionId++, this);
        m_sessions << session;
        connect(session, &ZELDemoSession::requestReceived, this, &ZELDemoServer::handleRequest);
        connect(session, &ZELDemoSession::fileReceived, this, &ZELDemoServer::handleFile);
        connect(session, &ZELDemoSession::closed, this, &ZELDemoServer::sessionClosed);
    }
}

void ZELDemoServer::handleRequest(ZELDemoSession *session, const Request &request)
{
    // ZEL_DEMO_TRACE=1 names every request on stderr, to see what a client asks.
    static const bool trace = qEnvironmentVariableIntValue("ZEL_DEMO_TRACE") == 1;
    if (trace)
        qInfo("zeldemoserver: session %d (%s): %s", session->id(), qUtf8Printable(session->login),
              qUtf8Printable(request.xml.simplified().left(300)));
    for (const Route &route : routes) {
        if (request.type != QLatin1String(route.type))
            continue;
        if (route.needsSignIn && !session->signedIn)
            return;
        (this->*route.handler)(*session, request);
        return;
    }
}

void ZELDemoServer::handleFile(ZELDemoSession *session, const QByteArray &fileData)
{
    // File data belongs to the offer that announced it; any other is dropped.
    if (!session->signedIn || session->uploads.isEmpty())
        return;
    const Request offer = session->uploads.takeFirst().offer;
    storeUpload(*session, offer, fileData);
}

void ZELDemoServer::sessionClosed(ZELDemoSession *session)
{
    endSession(*session, true);
    m_sessions.removeAll(session);
    session->deleteLater();
}

ZELDemoSession *ZELDemoServer::sessionOf(const QString &login) const
{
    if (login.isEmpty())
        return nullptr;
    for (ZELDemoSession *session : m_sessions) {
        if (session->signedIn && session->login == login)
            return session;
    }
    return nullptr;
}

bool ZELDemoServer::isOnline(const QString &login) const
{
    if (const ZELDemoDirectory::Person *person = m_directory.find(login); person && person->answersChats)
        return true;
    const ZELDemoSession *session = sessionOf(login);
    return session && !session->invisible;
}

void ZELDemoServer::sendTo(const QString &login, const QString &xml)
{
    if (ZELDemoSession *session = sessionOf(login))
        session->sendText(xml);
}

void ZELDemoServer::relay(const QString &login, const Request &request)
{
    sendTo(login, message(request.type, request.fields));
}

QStringList ZELDemoServer::recipients(const ZELDemoSession &session, const Request &request,
                                      const QString &element) const
{
    QStringList logins;
    for (const QString &value : request.values(element)) {
        if (value != session.login && !logins.contains(value) && sessionOf(value))
            logins << value;
    }
    return logins;
}

QString ZELDemoServer::message(const QString &root, const Fields &fields)
{
    return ZELTestPeer::message(root, fields);
}
