// Sign-in, sign-out, presence and the account: who is there, and everyone who
// has them as a contact hears of it.

#include "zeldemoserver.h"
#include "zeldemosession.h"

namespace {

const QString True = QStringLiteral("TRUE");
const QString Online = QStringLiteral("Online");
const QString Offline = QStringLiteral("Offline");

// A status word the contact tree shows; anything longer is cut.
QString boundedText(const QString &text, int limit = 200)
{
    return text.left(limit);
}

} // namespace

void ZELDemoServer::checkVersion(ZELDemoSession &session, const Request &)
{
    // The client waits for the banner before it signs in; an empty one will do.
    session.sendFile("<BANNEREMPTY><BANNEREND>");
}

void ZELDemoServer::keepAlive(ZELDemoSession &, const Request &)
{
    // Nothing to answer: the request only keeps the connection open.
}

void ZELDemoServer::forgottenPassword(ZELDemoSession &session, const Request &request)
{
    const QString login = request.value(QStringLiteral("USERNAME"));
    session.sendText(message(QStringLiteral("FORGETPWD"),
        {{QStringLiteral("USERNAME"), boundedText(login)},
         {QStringLiteral("STATUS"), m_directory.contains(login) ? QStringLiteral("SENT") : QStringLiteral("INVALID")}}));
}

void ZELDemoServer::signIn(ZELDemoSession &session, const Request &request)
{
    const QString login = request.value(QStringLiteral("UserName"));
    const ZELDemoDirectory::Person *person = m_directory.find(login);
    if (!person || person->answersChats || request.value(QStringLiteral("Password")) != person->password) {
        session.sendText(message(QStringLiteral("LOGIN"),
                                 {{QStringLiteral("RESULT"), QStringLiteral("INVALIDLOGIN")}}));
        return;
    }
    if (session.signedIn)
        endSession(session, session.login != login);

    // The same user signing in from a second place: the first place is told and
    // signed out there, without a sign-out notice to the others.
    if (ZELDemoSession *earlier = sessionOf(login)) {
        earlier->sendText(message(QStringLiteral("ANOTHERUSERLOGGED"), {{QStringLiteral("USERNAME"), login}}));
        earlier->signedIn = false;
        earlier->uploads.clear();
    }

    session.login = login;
    session.signedIn = true;
    session.invisible = request.value(QStringLiteral("Invisible")) == True;
    const QString status = request.value(QStringLiteral("DefaultLoginStatus"));
    session.status = status.isEmpty() ? Online : boundedText(status, 40);
    session.statusMessage = boundedText(request.value(QStringLiteral("DefaultStatusMessage")));

    session.sendText(message(QStringLiteral("LOGIN"), {
        {QStringLiteral("RESULT"), QStringLiteral("SUCCESSLOGIN")},
        {QStringLiteral("DISPLAYNAME"), person->displayName},
        {QStringLiteral("MARQUEE"), QStringLiteral("Welcome to the Zembrio demo office")},
        {QStringLiteral("INVISIBLE"), QStringLiteral("1")},
        {QStringLiteral("PROFILE"), person->ownProfile.join(QStringLiteral("##"))},
    }));
    // What waited while the user was away comes before the contact list, whose
    // arrival shows one notice about it.
    sendPrivileges(session);
    sendOfflineMessages(login);
    sendOfflineFileDetails(login);
    sendVoiceMailList(login);
    sendReminders(session);
    sendRecentChats(session);
    session.sendText(message(QStringLiteral("APPROVALREQUESTEDUSER"), {{QStringLiteral("USERS"), QStringLiteral("EMPTY")}}));
    sendApprovalRequests(login, false);
    sendContactList(session);
    if (!session.invisible)
        announcePresence(login);
}

void ZELDemoServer::signOut(ZELDemoSession &session, const Request &)
{
    endSession(session, true);
}

void ZELDemoServer::endSession(ZELDemoSession &session, bool announce)
{
    if (!session.signedIn)
        return;
    const QString login = session.login;
    const bool wasVisible = !session.invisible;
    session.signedIn = false;
    session.uploads.clear();
    if (sessionOf(login))
        return; // signed in elsewhere still
    leaveConferences(login);
    dropFilesFor(login);
    if (announce && wasVisible)
        announceSignOut(login);
}

void ZELDemoServer::changeStatus(ZELDemoSession &session, const Request &request)
{
    // The message comes first, then the status word.
    session.statusMessage = boundedText(request.value(QStringLiteral("CHANGESTATUS")));
    const QString status = request.value(QStringLiteral("STATUS"));
    if (!status.isEmpty())
        session.status = boundedText(status, 40);
    if (!session.invisible)
        announceStatus(session.login);
}

void ZELDemoServer::updateStatusMessage(ZELDemoSession &session, const Request &request)
{
    const QString status = request.value(QStringLiteral("LOGINSTATUS"));
    if (!status.isEmpty() && status != QLatin1String("Invisible"))
        session.status = boundedText(status, 40);
    session.statusMessage = boundedText(request.value(QStringLiteral("STATUSMESSAGE")));
    if (!session.invisible)
        announceStatus(session.login);
}

void ZELDemoServer::invisibleMode(ZELDemoSession &session, const Request &request)
{
    const bool invisible = request.value(QStringLiteral("INVISBLEMODE")) == True;
    // The second value is the status to show again: word "##" message.
    const QString shown = request.value(QStringLiteral("DEFAULTLOGIN"));
    if (!invisible && shown.contains(QStringLiteral("##"))) {
        session.status = boundedText(shown.section(QStringLiteral("##"), 0, 0), 40);
        session.statusMessage = boundedText(shown.section(QStringLiteral("##"), 1));
    }
    if (invisible == session.invisible)
        return;
    session.invisible = invisible;
    if (invisible)
        announceSignOut(session.login);
    else
        announcePresence(session.login);
}

void ZELDemoServer::changePassword(ZELDemoSession &session, const Request &request)
{
    ZELDemoDirectory::Person *person = m_directory.find(session.login);
    const QString newPassword = request.value(QStringLiteral("NewPass"));
    const bool valid = person && request.value(QStringLiteral("OldPass")) == person->password
        && !newPassword.isEmpty() && newPassword.size() <= 64;
    if (valid)
        person->password = newPassword;
    session.sendText(message(QStringLiteral("CHANGEPASSWORD"), {
        {QStringLiteral("RESULT"), valid ? QStringLiteral("CHANGED") : QStringLiteral("INVALIDOLDPASSWORD")},
        {QStringLiteral("PASSWORD"), valid ? newPassword : QString()}}));
}

QStringList ZELDemoServer::contactValues(const ZELDemoDirectory::Person &person) const
{
    const ZELDemoSession *session = sessionOf(person.login);
    const bool online = isOnline(person.login);
    QString status = online ? Online : Offline;
    QString statusMessage = person.answersChats ? QStringLiteral("Ask me anything") : QStringLiteral("I am offline");
    if (online && session) {
        status = session->status;
        statusMessage = session->statusMessage;
    }
    return {person.login, online ? Online : Offline, person.department, person.displayName,
            m_directory.cardProfile(person).join(QStringLiteral("&&")), statusMessage, status,
            QStringLiteral("APPROVED")};
}

void ZELDemoServer::sendContactList(ZELDemoSession &session)
{
    const ZELDemoDirectory::Person *own = m_directory.find(session.login);
    QStringList values;
    for (const QString &login : m_directory.logins()) {
        if (own && own->contacts.contains(login))
            values << contactValues(*m_directory.find(login));
    }
    // Eight values per contact joined by ",", with a trailing ","; a comma inside
    // a value would shift the rest, so none is let through.
    for (QString &value : values)
        value.replace(QLatin1Char(','), QLatin1Char(' '));
    const QString own_ = values.isEmpty() ? QStringLiteral("EMPTY") : values.join(QLatin1Char(',')) + QLatin1Char(',');
    session.sendText(ZELTestPeer::messageTree(QStringLiteral("NEWUSER"), {ZELTestPeer::Node(QStringLiteral("OWN"), own_)}));
}

void ZELDemoServer::sendPrivileges(ZELDemoSession &session)
{
    // Everyone may send files and pictures to everyone.
    Fields rules;
    QSet<QString> departments;
    for (const QString &login : m_directory.logins())
        departments.insert(m_directory.find(login)->department);
    QStringList sorted(departments.begin(), departments.end());
    sorted.sort();
    for (const QString &department : std::as_const(sorted))
        rules << qMakePair(QStringLiteral("RULE"),
                           ZELDemoDirectory::Company + QStringLiteral("###") + department + QStringLiteral("###1###1"));
    session.sendText(message(QStringLiteral("PRIVILEGEINFO"), rules));
}

void ZELDemoServer::announcePresence(const QString &login)
{
    const ZELDemoDirectory::Person *person = m_directory.find(login);
    if (!person)
        return;
    QList<ZELTestPeer::Node> values;
    const QStringList record = contactValues(*person);
    static const char *const names[] = {"USERNAME", "STATE", "DEPARTMENT", "DISPLAYNAME", "PROFILE",
                                        "STATUSMESSAGE", "STATUS", "APPROVAL"};
    for (int i = 0; i < record.size(); ++i)
        values << ZELTestPeer::Node(QString::fromLatin1(names[i]), record.at(i));
    const QString xml = ZELTestPeer::messageTree(QStringLiteral("NEWUSER"),
        {ZELTestPeer::Node(QStringLiteral("OTHERS"), {ZELTestPeer::Node(QStringLiteral("USER"), values)})});
    for (const QString &watcher : m_directory.watchersOf(login))
        sendTo(watcher, xml);
}

void ZELDemoServer::announceSignOut(const QString &login)
{
    const ZELDemoDirectory::Person *person = m_directory.find(login);
    if (!person)
        return;
    const QString xml = message(QStringLiteral("LOGOUT"), {
        {QStringLiteral("USERNAME"), login},
        {QStringLiteral("DEPARTMENT"), person->department},
        {QStringLiteral("DISPLAYNAME"), person->displayName},
        {QStringLiteral("GROUP"), ZELDemoDirectory::Company},
        {QStringLiteral("STATUSMESSAGE"), QStringLiteral("I am offline")}});
    for (const QString &watcher : m_directory.watchersOf(login))
        sendTo(watcher, xml);
}

void ZELDemoServer::announceStatus(const QString &login)
{
    const ZELDemoDirectory::Person *person = m_directory.find(login);
    const ZELDemoSession *session = sessionOf(login);
    if (!person || !session)
        return;
    const QString xml = message(QStringLiteral("CHANGESTATUS"), {
        {QStringLiteral("USERNAME"), login},
        {QStringLiteral("STATUSMESSAGE"), session->statusMessage},
        {QStringLiteral("STATUS"), session->status},
        {QStringLiteral("GROUP"), ZELDemoDirectory::Company},
        {QStringLiteral("DISPLAYNAME"), person->displayName},
        {QStringLiteral("PROFILE"), m_directory.statusProfile(*person).join(QStringLiteral("&&"))}});
    for (const QString &watcher : m_directory.watchersOf(login))
        sendTo(watcher, xml);
}
