// Contacts and profiles against the directory: search, asking to add someone,
// approving or declining such a request, removing contacts, and the own profile.

#include "zeldemoserver.h"
#include "zeldemosession.h"

void ZELDemoServer::searchContacts(ZELDemoSession &session, const Request &request)
{
    // The one child is named by the kind of search; only a keyword search exists.
    const QString keyword = request.value(QStringLiteral("SEARCHKEYWORD"));
    QList<ZELTestPeer::Node> found;
    for (const ZELDemoDirectory::Person *person : m_directory.search(keyword, session.login)) {
        if (person->answersChats)
            continue;
        found << ZELTestPeer::Node(QStringLiteral("DISPLAYNAME"), person->displayName)
              << ZELTestPeer::Node(QStringLiteral("USERNAME"), person->login)
              << ZELTestPeer::Node(QStringLiteral("DEPARTMENT"), person->department)
              << ZELTestPeer::Node(QStringLiteral("PROFILE"), m_directory.cardProfile(*person).join(QStringLiteral("&&")));
    }
    // An element without children would read as one empty value: an empty
    // result is the bare element's text.
    const ZELTestPeer::Node result = found.isEmpty() ? ZELTestPeer::Node(QStringLiteral("SEARCHKEYWORD"))
                                                     : ZELTestPeer::Node(QStringLiteral("SEARCHKEYWORD"), found);
    session.sendText(ZELTestPeer::messageTree(QStringLiteral("ADDCONTACT"), {result}));
}

void ZELDemoServer::sendApprovalRequests(const QString &login, bool alert)
{
    const ZELDemoDirectory::Person *person = m_directory.find(login);
    if (!person || person->pendingRequests.isEmpty() || !sessionOf(login))
        return;
    Fields records;
    for (const QString &requesterLogin : person->pendingRequests) {
        const ZELDemoDirectory::Person *requester = m_directory.find(requesterLogin);
        if (!requester)
            continue;
        const QStringList record = {requester->login, requester->displayName, requester->department,
                                    requester->jobTitle, QString(),
                                    m_directory.requestProfile(*requester).join(QStringLiteral("&&"))};
        records << qMakePair(QStringLiteral("REQUEST"), record.join(QLatin1Char('#')));
    }
    if (alert) {
        const ZELDemoDirectory::Person *newest = m_directory.find(person->pendingRequests.constLast());
        sendTo(login, message(QStringLiteral("APPROVALALERT"), {
            {QStringLiteral("USERNAME"), newest->login}, {QStringLiteral("DISPLAYNAME"), newest->displayName}}));
    }
    sendTo(login, message(QStringLiteral("ADDCONTACTAPPROVALSTATUS"), records));
}

void ZELDemoServer::requestContacts(ZELDemoSession &session, const Request &request)
{
    for (const QString &login : request.values(QStringLiteral("ADDUSERNAME"))) {
        ZELDemoDirectory::Person *target = m_directory.find(login);
        ZELDemoDirectory::Person *self = m_directory.find(session.login);
        if (!target || !self || login == session.login || target->answersChats)
            continue;
        if (target->contacts.contains(session.login)) {
            // Known to each other already: no question needed.
            self->contacts.insert(login);
            sendAddedContact(session.login, login);
            continue;
        }
        if (!target->pendingRequests.contains(session.login))
            target->pendingRequests << session.login;
        sendApprovalRequests(login, true);
    }
}

void ZELDemoServer::sendAddedContact(const QString &to, const QString &contactLogin)
{
    const ZELDemoDirectory::Person *contact = m_directory.find(contactLogin);
    if (!contact || !sessionOf(to))
        return;
    const QStringList values = contactValues(*contact);
    enum { User, State, Department, DisplayName, Profile, StatusMessage, Status };
    sendTo(to, ZELTestPeer::messageTree(QStringLiteral("ADDCONTACT"), {ZELTestPeer::Node(QStringLiteral("ADDNAME"), {
        ZELTestPeer::Node(QStringLiteral("USERNAME"), values.at(User)),
        ZELTestPeer::Node(QStringLiteral("STATE"), values.at(State)),
        ZELTestPeer::Node(QStringLiteral("DEPARTMENT"), values.at(Department)),
        ZELTestPeer::Node(QStringLiteral("PROFILE"), values.at(Profile)),
        ZELTestPeer::Node(QStringLiteral("DISPLAYNAME"), values.at(DisplayName)),
        ZELTestPeer::Node(QStringLiteral("STATUSMESSAGE"), values.at(StatusMessage)),
        ZELTestPeer::Node(QStringLiteral("STATUS"), values.at(Status))})}));
}

void ZELDemoServer::answerContactRequest(const QString &approver, const QString &requester, bool approved)
{
    ZELDemoDirectory::Person *self = m_directory.find(approver);
    ZELDemoDirectory::Person *other = m_directory.find(requester);
    if (!self || !other || !self->pendingRequests.removeAll(requester))
        return;
    if (!approved)
        return;
    self->contacts.insert(requester);
    other->contacts.insert(approver);
    sendAddedContact(approver, requester);
    sendAddedContact(requester, approver);
}

void ZELDemoServer::approvalStatus(ZELDemoSession &session, const Request &request)
{
    // CONTACTNAME: who asked; LOGINNAME: who answers (this session).
    if (request.value(QStringLiteral("LOGINNAME")) != session.login)
        return;
    answerContactRequest(session.login, request.value(QStringLiteral("CONTACTNAME")),
                         request.value(QStringLiteral("APPROVALSTATUS")) == QLatin1String("APPROVED"));
}

void ZELDemoServer::acceptedList(ZELDemoSession &session, const Request &request)
{
    for (const QString &login : request.values(QStringLiteral("ADDUSERNAME")))
        answerContactRequest(session.login, login, true);
}

void ZELDemoServer::rejectedList(ZELDemoSession &session, const Request &request)
{
    for (const QString &login : request.values(QStringLiteral("ADDUSERNAME")))
        answerContactRequest(session.login, login, false);
}

void ZELDemoServer::ignoreRequest(ZELDemoSession &, const Request &)
{
    // Nothing to answer: the client keeps its own state for these.
}

void ZELDemoServer::deleteContacts(ZELDemoSession &session, const Request &request)
{
    ZELDemoDirectory::Person *self = m_directory.find(session.login);
    if (!self)
        return;
    for (const QString &login : request.values(QStringLiteral("DELETEUSERNAME"))) {
        const ZELDemoDirectory::Person *contact = m_directory.find(login);
        if (!contact || !self->contacts.remove(login))
            continue;
        session.sendText(message(QStringLiteral("DELETENAME"), {
            {QStringLiteral("USERNAME"), login}, {QStringLiteral("DEPARTMENT"), contact->department},
            {QStringLiteral("ONLINE"), isOnline(login) ? QStringLiteral("1") : QStringLiteral("0")},
            {QStringLiteral("GROUP"), ZELDemoDirectory::Company}}));
    }
}

void ZELDemoServer::updateProfile(ZELDemoSession &session, const Request &request)
{
    // USERNAME: the profile without its photo, values joined by "#&"; OldPass: the photo.
    ZELDemoDirectory::Person *self = m_directory.find(session.login);
    const QStringList values = request.value(QStringLiteral("USERNAME")).split(QStringLiteral("#&"));
    if (!self || values.size() != ZELDemoDirectory::OwnSize - 1)
        return;
    QStringList profile = values;
    profile.insert(ZELDemoDirectory::OwnPhoto, request.value(QStringLiteral("OldPass")).left(2 * 1024 * 1024));
    // The name and e-mail address are the directory's, whatever the form sent.
    profile[ZELDemoDirectory::OwnDisplayName] = self->displayName;
    profile[ZELDemoDirectory::OwnEmail] = self->ownProfile.value(ZELDemoDirectory::OwnEmail);
    // Separators of the lists the profile travels in may not appear inside a value.
    for (int i = 0; i < profile.size(); ++i) {
        if (i == ZELDemoDirectory::OwnPhoto)
            continue;
        profile[i] = profile[i].left(256);
        for (const char *separator : {"##", "&&", "#&", ","})
            profile[i].replace(QLatin1String(separator), QStringLiteral(" "));
    }
    self->ownProfile = profile;
    if (!session.invisible)
        announceStatus(session.login);
}
