// Answers to the questions the client waits on: the chat-history lists, dates
// and transcripts (from what was said in this run), and the reminders.

#include "zeldemoserver.h"
#include "zeldemosession.h"

namespace {

const QString HistoryDateFormat = QStringLiteral("dd-MM-yyyy");

// A wrapped list: one element holding one child per value, as the history
// windows read them; an empty list is the bare wrapper.
QString wrappedList(const QString &root, const QString &wrapper, const QString &item, const QStringList &values)
{
    QList<ZELTestPeer::Node> children;
    for (const QString &value : values)
        children << ZELTestPeer::Node(item, value);
    return ZELTestPeer::messageTree(root, {children.isEmpty() ? ZELTestPeer::Node(wrapper)
                                                              : ZELTestPeer::Node(wrapper, children)});
}

} // namespace

QStringList ZELDemoServer::historyPartners(const QString &login) const
{
    QStringList partners;
    for (auto it = m_history.cbegin(); it != m_history.cend(); ++it) {
        const QString first = it.key().section(QLatin1Char('|'), 0, 0);
        const QString second = it.key().section(QLatin1Char('|'), 1, 1);
        if (first == login)
            partners << second;
        else if (second == login)
            partners << first;
    }
    partners.sort();
    return partners;
}

void ZELDemoServer::sendRecentChats(ZELDemoSession &session)
{
    const QStringList partners = historyPartners(session.login);
    if (!partners.isEmpty())
        session.sendText(wrappedList(QStringLiteral("RECENTCHATUSERLIST"), QStringLiteral("USERSLIST"),
                                     QStringLiteral("USERNAME"), partners));
}

void ZELDemoServer::historyList(ZELDemoSession &session, const Request &)
{
    QStringList pairs;
    for (const QString &partner : historyPartners(session.login)) {
        const ZELDemoDirectory::Person *person = m_directory.find(partner);
        pairs << partner << (person ? person->displayName : partner);
    }
    session.sendText(wrappedList(QStringLiteral("CHATHISTORYLIST"), QStringLiteral("SAMPLE"),
                                 QStringLiteral("NAME"), pairs));
    // Conferences are not kept: their list of days is empty.
    session.sendText(wrappedList(QStringLiteral("CONFERENCEDATES"), QStringLiteral("DATE"),
                                 QStringLiteral("DAY"), {}));
}

void ZELDemoServer::historyDates(ZELDemoSession &session, const Request &request)
{
    const QString partner = request.value(QStringLiteral("CONTACTUSERNAME"));
    // One row per day: the day, the first and the last time of that day.
    QStringList triples;
    QDate day;
    for (const HistoryEntry &entry : m_history.value(pairKey(session.login, partner))) {
        const QString time = entry.when.toString(QStringLiteral("hh:mm:ss"));
        if (entry.when.date() != day) {
            day = entry.when.date();
            triples << day.toString(HistoryDateFormat) << time << time;
        } else {
            triples.last() = time;
        }
    }
    session.sendText(wrappedList(QStringLiteral("CHATHISTORYDATE"), QStringLiteral("NAMES"),
                                 QStringLiteral("VALUE"), triples));
}

void ZELDemoServer::historyOfDate(ZELDemoSession &session, const Request &request)
{
    const QDate day = QDate::fromString(request.value(QStringLiteral("CHATDATEFOLDER")), HistoryDateFormat);
    const QString html = day.isValid()
        ? transcript(session.login, request.value(QStringLiteral("CONTACTNAME")), day) : QString();
    session.sendText(message(QStringLiteral("CHATHISTORYFROMSERVER"),
                             {{QStringLiteral("HISTORY"), html.isEmpty() ? QStringLiteral("EMPTY") : html}}));
}

void ZELDemoServer::conferenceNames(ZELDemoSession &session, const Request &)
{
    session.sendText(wrappedList(QStringLiteral("CONFERENCENAMESTOBESENT"), QStringLiteral("CONFERENCEFILE"),
                                 QStringLiteral("VALUE"), {}));
}

void ZELDemoServer::conferenceHistory(ZELDemoSession &session, const Request &)
{
    session.sendText(message(QStringLiteral("CONFERENCEHISTORYFROMSERVER"),
                             {{QStringLiteral("HISTORY"), QStringLiteral("EMPTY")}}));
}

// The seventh value is where the assignee's client reads the time the reminder
// rings: "Self" for an own reminder; for one set for somebody else, the due
// time in the assignee's zone that the owner's client sent with it.
QStringList ZELDemoServer::reminderValues(const Reminder &reminder)
{
    const QString self = QStringLiteral("Self");
    QString ringsAt = self;
    if (reminder.assignee != self)
        ringsAt = reminder.gmt.isEmpty() || reminder.gmt == self ? reminder.due : reminder.gmt;
    return {reminder.id, reminder.subject, reminder.due, reminder.state, reminder.assignee, reminder.owner, ringsAt};
}

void ZELDemoServer::sendReminders(ZELDemoSession &session)
{
    Fields own;
    Fields others;
    for (const Reminder &reminder : std::as_const(m_reminders)) {
        const bool self = reminder.owner == session.login && reminder.assignee == QLatin1String("Self");
        const bool forMe = reminder.assignee == session.login;
        const bool byMe = reminder.owner == session.login && !self;
        Fields *target = (self || forMe) ? &own : (byMe ? &others : nullptr);
        if (!target)
            continue;
        QStringList values = reminderValues(reminder);
        // The owner's list shows the assignee by name in the place of the owner.
        constexpr int OwnerValue = 5;
        if (target == &others) {
            if (const ZELDemoDirectory::Person *assignee = m_directory.find(reminder.assignee))
                values[OwnerValue] = assignee->displayName;
        }
        for (const QString &value : std::as_const(values))
            *target << qMakePair(QStringLiteral("VALUE"), value);
    }
    if (!own.isEmpty())
        session.sendText(message(QStringLiteral("SELFREMINDERS"), own));
    if (!others.isEmpty())
        session.sendText(message(QStringLiteral("CROSSREMINDERS"), others));
}

void ZELDemoServer::addReminders(ZELDemoSession &session, const Request &request)
{
    // Groups of six: key, subject, due, state, assignee, time zone.
    const QStringList keys = request.values(QStringLiteral("KEY"));
    const QStringList subjects = request.values(QStringLiteral("SUBJECT"));
    const QStringList dues = request.values(QStringLiteral("DATETIME"));
    const QStringList states = request.values(QStringLiteral("STATUS"));
    const QStringList assignees = request.values(QStringLiteral("ASSIGNEE"));
    const QStringList zones = request.values(QStringLiteral("GMTTIME"));
    for (int i = 0; i < keys.size() && m_reminders.size() < 1000; ++i) {
        Reminder reminder{keys.at(i).left(64), subjects.value(i).left(1024), dues.value(i).left(64),
                          states.value(i).left(32), assignees.value(i).left(64), session.login, zones.value(i).left(32)};
        if (reminder.assignee != QLatin1String("Self") && !m_directory.contains(reminder.assignee))
            continue;
        m_reminders << reminder;
        if (reminder.assignee != QLatin1String("Self")) {
            Fields values;
            for (const QString &value : reminderValues(reminder))
                values << qMakePair(QStringLiteral("VALUE"), value);
            sendTo(reminder.assignee, message(QStringLiteral("ADDCROSSREMINDER"), values));
        }
    }
}

void ZELDemoServer::editReminder(ZELDemoSession &session, const Request &request)
{
    for (Reminder &reminder : m_reminders) {
        if (reminder.id != request.value(QStringLiteral("KEY")) || reminder.owner != session.login)
            continue;
        reminder.subject = request.value(QStringLiteral("SUBJECT")).left(1024);
        reminder.due = request.value(QStringLiteral("DATETIME")).left(64);
        reminder.state = request.value(QStringLiteral("STATUS")).left(32);
        reminder.gmt = request.value(QStringLiteral("GMT")).left(32);
        if (reminder.assignee != QLatin1String("Self")) {
            Fields values;
            for (const QString &value : reminderValues(reminder))
                values << qMakePair(QStringLiteral("VALUE"), value);
            sendTo(reminder.assignee, message(QStringLiteral("ADDCROSSREMINDER"), values));
        }
        return;
    }
}

void ZELDemoServer::deleteReminder(ZELDemoSession &session, const Request &request)
{
    const QString id = request.value(QStringLiteral("KEY"));
    for (int i = 0; i < m_reminders.size(); ++i) {
        const Reminder reminder = m_reminders.at(i);
        if (reminder.id != id || (reminder.owner != session.login && reminder.assignee != session.login))
            continue;
        m_reminders.removeAt(i);
        const QString other = reminder.owner == session.login ? reminder.assignee : reminder.owner;
        if (other != QLatin1String("Self"))
            sendTo(other, message(QStringLiteral("DELETECROSSREMINDER"), {{QStringLiteral("KEY"), id}}));
        return;
    }
}

void ZELDemoServer::snoozeReminder(ZELDemoSession &session, const Request &request)
{
    const QString id = request.value(QStringLiteral("KEY"));
    for (Reminder &reminder : m_reminders) {
        if (reminder.id != id || (reminder.owner != session.login && reminder.assignee != session.login))
            continue;
        reminder.due = request.value(QStringLiteral("DATETIME")).left(64);
        reminder.state = QStringLiteral("Awaiting");
        // The assignee snoozes in their own time: that is when it rings next.
        if (reminder.assignee == session.login)
            reminder.gmt = reminder.due;
        const QString other = reminder.owner == session.login ? reminder.assignee : reminder.owner;
        if (other != QLatin1String("Self"))
            sendTo(other, message(QStringLiteral("SNOOZECROSSREMINDER"),
                                  {{QStringLiteral("KEY"), id}, {QStringLiteral("DATETIME"), reminder.due}}));
        return;
    }
}
