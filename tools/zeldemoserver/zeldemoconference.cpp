// Conferences: invitations and their answers, member lists, messages to every
// member, removal, stop and leaving. The client names the members each request
// goes to; the server keeps who is in which conference so that a member who
// signs out leaves it, and relays only to signed-in users.

#include "zeldemoserver.h"
#include "zeldemosession.h"

namespace {

QString loginOf(const QString &memberKey)
{
    return memberKey.section(QStringLiteral("##"), 0, 0);
}

} // namespace

QStringList ZELDemoServer::conferenceRecipients(const ZELDemoSession &session, const Request &request,
                                                const QString &element) const
{
    QStringList logins = recipients(session, request, element);
    // A conference the server does not know (it was started before a restart of
    // the demo) is taken as the client lists it.
    const auto it = m_conferences.constFind(request.value(QStringLiteral("CHATSUBJECT")));
    if (it == m_conferences.constEnd())
        return logins;
    if (!it->members.contains(session.login))
        return {};
    logins.removeIf([&](const QString &login) { return !it->members.contains(login); });
    return logins;
}

QStringList ZELDemoServer::membersBut(const Conference &conference, const QString &login) const
{
    QStringList members;
    for (const QString &member : conference.members) {
        if (member != login && sessionOf(member))
            members << member;
    }
    members.sort();
    return members;
}

void ZELDemoServer::inviteToConference(ZELDemoSession &session, const Request &request)
{
    // CHATUSERNAME: the invitee; LOGINNAME: the inviter (this session).
    const QString invitee = request.value(QStringLiteral("CHATUSERNAME"));
    const QString name = request.value(QStringLiteral("INVITECHAT"));
    if (request.value(QStringLiteral("LOGINNAME")) != session.login || name.isEmpty() || !sessionOf(invitee))
        return;
    Conference &conference = m_conferences[name];
    if (conference.owner.isEmpty()) {
        conference.owner = session.login;
        conference.members.insert(session.login);
    }
    conference.invited.insert(invitee);
    relay(invitee, request);
}

void ZELDemoServer::answerInvitation(ZELDemoSession &session, const Request &request)
{
    // LOGINNAME: the inviter; CHATUSERNAME: who answers (this session).
    if (request.value(QStringLiteral("CHATUSERNAME")) != session.login)
        return;
    const QString name = request.value(QStringLiteral("CHATSESSIONNAME"));
    auto it = m_conferences.find(name);
    if (it == m_conferences.end() || !it->invited.remove(session.login))
        return;
    if (request.value(QStringLiteral("STATUS")) == QLatin1String("Accepted"))
        it->members.insert(session.login);
    relay(request.value(QStringLiteral("LOGINNAME")), request);
}

void ZELDemoServer::updateConferenceUsers(ZELDemoSession &session, const Request &request)
{
    const QString name = request.value(QStringLiteral("CHATSUBJECT"));
    auto it = m_conferences.find(name);
    if (it == m_conferences.end() || !it->members.contains(session.login))
        return;
    const QString added = loginOf(request.value(QStringLiteral("NEWUSER")));
    if (sessionOf(added))
        it->members.insert(added);
    for (const QString &member : conferenceRecipients(session, request, QStringLiteral("CHATUSERNAME")))
        relay(member, request);
}

void ZELDemoServer::changeToConference(ZELDemoSession &session, const Request &request)
{
    // CHATUSERNAME: the former chat peer; CHATSESSION: who converts (this session).
    const QString peer = request.value(QStringLiteral("CHATUSERNAME"));
    const QString name = request.value(QStringLiteral("NewPass"));
    if (request.value(QStringLiteral("CHATSESSION")) != session.login || name.isEmpty() || !sessionOf(peer))
        return;
    Conference &conference = m_conferences[name];
    conference.owner = session.login;
    conference.members = {session.login, peer};
    relay(peer, request);
}

void ZELDemoServer::conferenceMessage(ZELDemoSession &session, const Request &request)
{
    if (loginOf(request.value(QStringLiteral("LOGINNAME"))) != session.login)
        return;
    for (const QString &member : conferenceRecipients(session, request, QStringLiteral("CHATUSERNAME")))
        relay(member, request);
}

void ZELDemoServer::conferenceTyping(ZELDemoSession &session, const Request &request)
{
    if (request.value(QStringLiteral("LOGINNAME")) != session.login)
        return;
    for (const QString &member : conferenceRecipients(session, request, QStringLiteral("CHATUSERNAME")))
        relay(member, request);
}

void ZELDemoServer::removeConferenceUser(ZELDemoSession &session, const Request &request)
{
    // Only the owner removes; the removed member is among those told.
    const QString name = request.value(QStringLiteral("CHATSUBJECT"));
    auto it = m_conferences.find(name);
    if (request.value(QStringLiteral("LOGINNAME")) != session.login || it == m_conferences.end()
        || it->owner != session.login)
        return;
    const QString removed = loginOf(request.value(QStringLiteral("USERNAME")));
    if (!it->members.contains(removed) || removed == session.login)
        return;
    const QStringList told = membersBut(*it, session.login);
    it->members.remove(removed);
    for (const QString &member : told)
        relay(member, request);
}

void ZELDemoServer::stopConference(ZELDemoSession &session, const Request &request)
{
    const QString name = request.value(QStringLiteral("CHATSUBJECT"));
    auto it = m_conferences.find(name);
    if (request.value(QStringLiteral("LOGINNAME")) != session.login || it == m_conferences.end()
        || it->owner != session.login)
        return;
    const QStringList told = membersBut(*it, session.login);
    m_conferences.erase(it);
    for (const QString &member : told)
        relay(member, request);
}

void ZELDemoServer::closeConferenceWindow(ZELDemoSession &session, const Request &request)
{
    if (request.value(QStringLiteral("LOGINNAME")) != session.login)
        return;
    // The others are told first, while the one who leaves is still a member.
    for (const QString &member : conferenceRecipients(session, request, QStringLiteral("CHATUSERNAME")))
        relay(member, request);
    auto it = m_conferences.find(request.value(QStringLiteral("CHATSUBJECT")));
    if (it != m_conferences.end())
        it->members.remove(session.login);
}

void ZELDemoServer::leaveConferences(const QString &login)
{
    // The members' clients learn of it from the sign-out notice itself.
    for (auto it = m_conferences.begin(); it != m_conferences.end();) {
        it->members.remove(login);
        it->invited.remove(login);
        if (it->members.isEmpty())
            it = m_conferences.erase(it);
        else
            ++it;
    }
}
