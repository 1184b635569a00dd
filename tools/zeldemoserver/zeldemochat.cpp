// One-to-one chat: messages relayed with their delivery answer, typing and
// erasing notices, closing notices, protected messages and their outcome, and
// the history of each pair for the run, which a newly opened window is given.

#include "zeldemoserver.h"
#include "zeldemosession.h"

namespace {

const QString HeadingColour = QStringLiteral("#f0f8ff");

QString headingRow(const QString &speaker, const QString &time)
{
    return QStringLiteral("<table bgcolor = ") + HeadingColour
        + QStringLiteral(" width='100%' cellspacing='0' border='0'><tr><td width='80%'><font color=Chocolate><b>")
        + speaker.toHtmlEscaped()
        + QStringLiteral(" says ::</td><td width='20%' align='right'><font color=darkgray><b>") + time
        + QStringLiteral("</td></tr></table>");
}

} // namespace

QString ZELDemoServer::pairKey(const QString &a, const QString &b)
{
    return a < b ? a + QLatin1Char('|') + b : b + QLatin1Char('|') + a;
}

void ZELDemoServer::remember(const QString &a, const QString &b, const QString &speaker, const QString &html)
{
    QList<HistoryEntry> &entries = m_history[pairKey(a, b)];
    HistoryEntry entry;
    entry.speaker = speaker;
    entry.when = QDateTime::currentDateTime();
    entry.html = html.size() <= MaxHistoryEntryBytes ? html : QStringLiteral("<i>(a message too long to keep)</i>");
    entries << entry;
    while (entries.size() > MaxHistoryEntries)
        entries.removeFirst();
}

QString ZELDemoServer::transcript(const QString &a, const QString &b, const QDate &day) const
{
    QString html;
    for (const HistoryEntry &entry : m_history.value(pairKey(a, b))) {
        if (day.isValid() && entry.when.date() != day)
            continue;
        html += headingRow(entry.speaker, entry.when.toString(QStringLiteral("hh:mm:ss ap")));
        // Without margins, as a message under its heading in the client's own rows.
        html += QStringLiteral("<p style='margin-top:0px; margin-bottom:0px;'>") + entry.html
            + QStringLiteral("</p>");
    }
    return html;
}

void ZELDemoServer::chat(ZELDemoSession &session, const Request &request)
{
    const QString to = request.value(QStringLiteral("CHATUSERNAME"));
    const QString from = request.value(QStringLiteral("LOGINNAME"));
    const ZELDemoDirectory::Person *peer = m_directory.find(to);
    const ZELDemoDirectory::Person *self = m_directory.find(session.login);
    if (from != session.login || !peer || !self || to == from)
        return;
    const QString plain = request.value(QStringLiteral("PLAINTEXT"));
    const bool isProtected = request.value(QStringLiteral("PASSWORD")) == QLatin1String("TRUE");
    // Commas travel as "$#$" in the message HTML.
    QString html = request.value(QStringLiteral("MESSAGE"));
    html.replace(QStringLiteral("$#$"), QStringLiteral(","));
    remember(from, to, self->displayName,
             isProtected ? QStringLiteral("<i>(a password-protected message)</i>") : html);

    if (peer->answersChats) {
        answerChat(session, *peer, plain, request);
        return;
    }
    if (!sessionOf(to)) {
        // The peer left meanwhile: the message waits for them as an offline
        // message; no delivery answer, so the sender sees it was not delivered.
        keepOfflineMessage(to, from, plain, html);
        return;
    }
    relay(to, request);
}

void ZELDemoServer::answerChat(ZELDemoSession &session, const ZELDemoDirectory::Person &bot, const QString &plain,
                               const Request &request)
{
    session.sendText(message(QStringLiteral("MESSAGEDELIVERED"),
        {{QStringLiteral("USERNAME"), session.login}, {QStringLiteral("OldPass"), bot.login},
         {QStringLiteral("NewPass"), plain}}));
    const QString answerText = QStringLiteral("You wrote: ") + plain;
    const QString answerHtml = answerText.toHtmlEscaped();
    remember(session.login, bot.login, bot.displayName, answerHtml);
    QString wire = answerHtml;
    wire.replace(QLatin1Char(','), QStringLiteral("$#$"));
    // A picture comes back with the message that showed it.
    const QString picture = request.value(QStringLiteral("SENDPICTURE"));
    if (!picture.isEmpty())
        wire = request.value(QStringLiteral("MESSAGE"));
    session.sendText(message(QStringLiteral("CHAT"), {
        {QStringLiteral("CHATUSERNAME"), session.login},
        {QStringLiteral("LOGINNAME"), bot.login},
        {QStringLiteral("MESSAGE"), wire},
        {QStringLiteral("SENDSMILEY"), QString()},
        {QStringLiteral("SENDPICTURE"), picture},
        {QStringLiteral("BANNERSTATE"), QString()},
        {QStringLiteral("PLAINTEXT"), answerText},
        {QStringLiteral("DISPLAYNAME"), bot.displayName},
        {QStringLiteral("PASSWORD"), QStringLiteral("FALSE")},
    }));
}

void ZELDemoServer::messageDelivered(ZELDemoSession &session, const Request &request)
{
    // USERNAME: who sent the message; OldPass: who received it (this session).
    if (request.value(QStringLiteral("OldPass")) != session.login)
        return;
    relay(request.value(QStringLiteral("USERNAME")), request);
}

void ZELDemoServer::typingStatus(ZELDemoSession &session, const Request &request)
{
    // LOGINNAME: the peer who is told; CHATUSERNAME: who types (this session).
    if (request.value(QStringLiteral("CHATUSERNAME")) != session.login)
        return;
    relay(request.value(QStringLiteral("LOGINNAME")), request);
}

void ZELDemoServer::closeChatWindow(ZELDemoSession &session, const Request &request)
{
    if (request.value(QStringLiteral("LOGINNAME")) != session.login)
        return;
    relay(request.value(QStringLiteral("CHATUSERNAME")), request);
}

void ZELDemoServer::protectedMessageStatus(ZELDemoSession &, const Request &request)
{
    // The sender of the protected message is told; in a conference it is named
    // with its display name after "##".
    relay(request.value(QStringLiteral("LOGINNAME")).section(QStringLiteral("##"), 0, 0), request);
}

void ZELDemoServer::chatOpened(ZELDemoSession &session, const Request &request)
{
    // The client writes the peer under LOGINUSERNAME and itself under CHATUSER;
    // whichever of the two is not this session is the peer.
    QString peer = request.value(QStringLiteral("LOGINUSERNAME"));
    if (peer == session.login)
        peer = request.value(QStringLiteral("CHATUSER"));
    if (peer == session.login || !m_directory.contains(peer))
        return;
    // A new window shows what the two said earlier in this run; the answer also
    // takes away the window's "Loading....." placeholder.
    const QString html = transcript(session.login, peer);
    session.sendText(message(QStringLiteral("CHATHISTORYFOROPENNEWWIDGET"), {
        {QStringLiteral("HISTORY"), html.isEmpty() ? QStringLiteral("EMPTY") : html},
        {QStringLiteral("CHATUSER"), peer}}));
}
