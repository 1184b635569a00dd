// Offline and group messages: what is left for a user who is away is kept for
// the run and delivered at their next sign-in (or at once, when they are in).

#include "zeldemoserver.h"
#include "zeldemosession.h"

namespace {

// Fields of a record are cut at "##": a value may not hold it.
QString field(const QString &value)
{
    QString text = value;
    text.replace(QStringLiteral("##"), QStringLiteral("# #"));
    return text;
}

QString yesNo(bool value)
{
    return value ? QStringLiteral("YES") : QStringLiteral("NO");
}

} // namespace

// An upper bound of what a message takes in the box's frame: markup
// characters grow when escaped.
qsizetype ZELDemoServer::wireChars(const OfflineMessage &message)
{
    return message.text.toHtmlEscaped().size() + message.html.toHtmlEscaped().size() + message.from.size() + 64;
}

bool ZELDemoServer::keepOfflineMessage(const QString &to, const QString &from, const QString &text,
                                       const QString &html)
{
    if (!m_directory.contains(to))
        return false;
    QList<OfflineMessage> &box = m_offlineMessages[to];
    OfflineMessage message;
    message.from = from;
    message.text = text;
    message.html = html;
    message.sentTime = timeStamp(QDateTime::currentDateTime());
    // A message is kept whole or not at all: a full box turns the newest away,
    // so that its sender can be told, rather than cutting or dropping one
    // that was already confirmed.
    qsizetype held = wireChars(message);
    for (const OfflineMessage &earlier : std::as_const(box))
        held += wireChars(earlier);
    if (box.size() >= MaxOfflineMessages || held > MaxOfflineBoxChars)
        return false;
    // Two messages within one second would share their key (sender and time).
    for (const OfflineMessage &earlier : std::as_const(box)) {
        if (earlier.from == from && earlier.sentTime == message.sentTime)
            message.sentTime += QStringLiteral(".") + QString::number(box.size());
    }
    box << message;
    if (sessionOf(to))
        sendOfflineMessages(to);
    return true;
}

void ZELDemoServer::sendOfflineMessages(const QString &login)
{
    const QList<OfflineMessage> box = m_offlineMessages.value(login);
    if (box.isEmpty())
        return;
    Fields records;
    for (const OfflineMessage &message : box) {
        const ZELDemoDirectory::Person *sender = m_directory.find(message.from);
        const QStringList fields = {field(message.from), field(message.text), message.sentTime, yesNo(message.read),
                                    field(message.html), field(sender ? sender->displayName : message.from),
                                    yesNo(message.replied)};
        records << qMakePair(QStringLiteral("MESSAGE"), fields.join(QStringLiteral("##")));
    }
    sendTo(login, ZELDemoServer::message(QStringLiteral("OFFLINEMESSAGES"), records));
}

void ZELDemoServer::offlineMessage(ZELDemoSession &session, const Request &request)
{
    if (request.value(QStringLiteral("SENDER")) != session.login)
        return;
    const QString to = request.value(QStringLiteral("RECEIVER"));
    const QString html = request.value(QStringLiteral("HTMLMESSAGE"));
    const bool known = m_directory.contains(to) && to != session.login;
    const bool kept = known && keepOfflineMessage(to, session.login, request.value(QStringLiteral("MESSAGE")), html);
    if (kept) {
        // An answer marks the message it answers as replied: its details are
        // the sender "##" the time of that message.
        const QString details = request.value(QStringLiteral("RMESSAGE"));
        for (OfflineMessage &answered : m_offlineMessages[session.login]) {
            if (!details.isEmpty() && answered.from == to && details.contains(answered.sentTime))
                answered.replied = true;
        }
    }
    session.sendText(message(QStringLiteral("OFFLINEMESSAGESTATUS"), {
        {QStringLiteral("STATUS"), kept ? QStringLiteral("SENT") : QStringLiteral("NOTSENT")},
        {QStringLiteral("RECEIVER"), to}, {QStringLiteral("MESSAGE"), html}}));
}

void ZELDemoServer::offlineMessageRead(ZELDemoSession &session, const Request &request)
{
    // RECEIVER: who sent the message; SENDER: its sent time.
    const QString from = request.value(QStringLiteral("RECEIVER"));
    const QString time = request.value(QStringLiteral("SENDER"));
    for (OfflineMessage &message : m_offlineMessages[session.login]) {
        if (message.from == from && message.sentTime == time)
            message.read = true;
    }
}

void ZELDemoServer::deleteOfflineMessages(ZELDemoSession &session, const Request &request)
{
    // Each key: sender "##" sent time.
    const QStringList keys = request.values(QStringLiteral("Messages"));
    QList<OfflineMessage> &box = m_offlineMessages[session.login];
    for (const QString &key : keys) {
        const QString from = key.section(QStringLiteral("##"), 0, 0);
        const QString time = key.section(QStringLiteral("##"), 1);
        box.removeIf([&](const OfflineMessage &message) { return message.from == from && message.sentTime == time; });
    }
    session.sendText(message(QStringLiteral("DELETEOFFLINEMESSAGESTATUS"), {{QStringLiteral("STATUS"), QStringLiteral("DELETED")}}));
}

QStringList ZELDemoServer::groupRecipients(const Request &request)
{
    // The HTML travels again as the first USERSNAME, ahead of the recipients.
    QStringList names = request.values(QStringLiteral("USERSNAME"));
    if (!names.isEmpty())
        names.removeFirst();
    names.removeDuplicates();
    return names;
}

void ZELDemoServer::onlineGroupMessage(ZELDemoSession &session, const Request &request)
{
    const ZELDemoDirectory::Person *self = m_directory.find(session.login);
    // HTMLMESSAGE holds the plain text, PLAINMESSAGE the HTML.
    const QString plain = request.value(QStringLiteral("HTMLMESSAGE"));
    const QString html = request.value(QStringLiteral("PLAINMESSAGE"));
    const QString xml = message(QStringLiteral("ONLINEGROUPMESSAGE"), {
        {QStringLiteral("PLAINMESSAGE"), plain}, {QStringLiteral("HTMLMESSAGE"), html},
        {QStringLiteral("SENDER"), session.login},
        {QStringLiteral("DISPLAYNAME"), self ? self->displayName : session.login}});
    for (const QString &to : groupRecipients(request)) {
        if (to == session.login || !m_directory.contains(to))
            continue;
        if (sessionOf(to))
            sendTo(to, xml);
        else
            keepOfflineMessage(to, session.login, plain, html);
    }
}

void ZELDemoServer::offlineGroupMessage(ZELDemoSession &session, const Request &request)
{
    const QString plain = request.value(QStringLiteral("HTMLMESSAGE"));
    const QString html = request.value(QStringLiteral("PLAINMESSAGE"));
    for (const QString &to : groupRecipients(request)) {
        if (to != session.login)
            keepOfflineMessage(to, session.login, plain, html);
    }
}
