// A small stand-in server for trying the client on one machine: a built-in
// directory of a few users in two departments, every one of whom signs in with
// the password "demo", and one contact who answers chats. It speaks the wire
// through the protocol test peer and takes one client at a time.
//
//   zeldemoserver [--port N] [--data DIR] [--user LOGIN]
//
// With --data DIR (the client's XDG_DATA_HOME) a client that has no
// preferences file yet gets one pointing at this server, holding one user
// block that signs LOGIN (default "alice") in automatically.

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

#include "protocol/zelpreferencesfile.h"
#include "protocol/zelsettingslists.h"
#include "peer/zeltestpeer.h"

namespace {

const QString DemoPassword = QStringLiteral("demo");

struct DemoUser
{
    const char *login;
    const char *displayName;
    const char *department;
    const char *jobTitle;
    bool answersChats;
};

const DemoUser directory[] = {
    {"alice", "Alice Andersen", "Engineering", "Developer", false},
    {"bob", "Bob Brandt", "Engineering", "Tester", false},
    {"carol", "Carol Castell", "Engineering", "Team Lead", false},
    {"dave", "Dave Dorsey", "Sales", "Account Manager", false},
    {"erin", "Erin Eastwood", "Sales", "Sales Assistant", false},
    {"helpdesk", "Help Desk", "Sales", "Support", true},
};

const QString Company = QStringLiteral("Zembrio Demo");

const DemoUser *findUser(const QString &login)
{
    for (const DemoUser &user : directory) {
        if (login == QLatin1String(user.login))
            return &user;
    }
    return nullptr;
}

// Twelve profile values: job title, first-level group, ..., photo, time zone.
QStringList profileValues(const DemoUser &user)
{
    QStringList values;
    values << QString::fromLatin1(user.jobTitle) << Company << QString::fromLatin1(user.department)
           << QString::fromLatin1(user.displayName)
           << QString::fromLatin1(user.login) + QStringLiteral("@demo.invalid")
           << QString() << QString() << QString() << QString() << QString()
           << QString()                        // photo: none, the client shows its default
           << QStringLiteral("GMT+00:00");
    return values;
}

class DemoServer : public QObject
{
public:
    explicit DemoServer(QObject *parent = nullptr)
        : QObject(parent)
    {
        connect(&m_peer, &ZELTestPeer::clientConnected, this, [this] { m_signedIn.clear(); });
        connect(&m_peer, &ZELTestPeer::requestReceived, this, &DemoServer::handle);
    }

    bool listen(quint16 port) { return m_peer.listen(port); }
    quint16 port() const { return m_peer.port(); }

private:
    void handle(const ZELTestPeer::Request &request)
    {
        if (request.type == QLatin1String("CHECKVERSION"))
            m_peer.sendFile("<BANNEREMPTY><BANNEREND>");
        else if (request.type == QLatin1String("LOGIN"))
            login(request);
        else if (request.type == QLatin1String("SIGNOUT"))
            m_signedIn.clear();
        else if (request.type == QLatin1String("CHAT"))
            chat(request);
        else if (request.type == QLatin1String("USERDETAILS"))
            m_peer.sendText(ZELTestPeer::message(QStringLiteral("FORGETPWD"),
                {{QStringLiteral("USERNAME"), request.value(QStringLiteral("USERNAME"))},
                 {QStringLiteral("STATUS"), findUser(request.value(QStringLiteral("USERNAME")))
                                                ? QStringLiteral("SENT") : QStringLiteral("INVALID")}}));
        // Keep-alives, status changes and the rest need no answer here.
        m_peer.clearRequests();
    }

    void login(const ZELTestPeer::Request &request)
    {
        const QString login = request.value(QStringLiteral("UserName"));
        const DemoUser *user = findUser(login);
        if (!user || request.value(QStringLiteral("Password")) != DemoPassword) {
            m_peer.sendText(ZELTestPeer::message(QStringLiteral("LOGIN"),
                                                 {{QStringLiteral("RESULT"), QStringLiteral("INVALIDLOGIN")}}));
            return;
        }
        m_signedIn = login;
        m_peer.sendText(ZELTestPeer::message(QStringLiteral("LOGIN"), {
            {QStringLiteral("RESULT"), QStringLiteral("SUCCESSLOGIN")},
            {QStringLiteral("DISPLAYNAME"), QString::fromLatin1(user->displayName)},
            {QStringLiteral("MARQUEE"), QStringLiteral("Welcome to the Zembrio demo server")},
            {QStringLiteral("INVISIBLE"), QStringLiteral("1")},
            {QStringLiteral("PROFILE"), profileValues(*user).join(QStringLiteral("##"))},
        }));

        // The contact list: everyone else, eight values each, joined by ","
        // with a trailing ",". Only the answering contact is online.
        QStringList values;
        for (const DemoUser &contact : directory) {
            if (&contact == user)
                continue;
            const QString state = contact.answersChats ? QStringLiteral("Online") : QStringLiteral("Offline");
            values << QString::fromLatin1(contact.login) << state << QString::fromLatin1(contact.department)
                   << QString::fromLatin1(contact.displayName) << profileValues(contact).join(QStringLiteral("&&"))
                   << QStringLiteral("Ask me anything") << state << QStringLiteral("APPROVED");
        }
        m_peer.sendText(ZELTestPeer::messageTree(QStringLiteral("NEWUSER"),
            {ZELTestPeer::Node(QStringLiteral("OWN"), values.join(QLatin1Char(',')) + QLatin1Char(','))}));
    }

    void chat(const ZELTestPeer::Request &request)
    {
        const QString to = request.value(QStringLiteral("CHATUSERNAME"));
        const QString from = request.value(QStringLiteral("LOGINNAME"));
        const QString plain = request.value(QStringLiteral("PLAINTEXT"));
        const DemoUser *peer = findUser(to);
        if (!peer || !peer->answersChats || from != m_signedIn)
            return;
        m_peer.sendText(ZELTestPeer::message(QStringLiteral("MESSAGEDELIVERED"),
            {{QStringLiteral("USERNAME"), from}, {QStringLiteral("OldPass"), to},
             {QStringLiteral("NewPass"), plain}}));
        // Commas travel as "$#$" inside a chat message.
        QString answer = QStringLiteral("You wrote: ") + plain.toHtmlEscaped();
        answer.replace(QLatin1Char(','), QStringLiteral("$#$"));
        // A picture comes back with the message that showed it.
        const QString picture = request.value(QStringLiteral("SENDPICTURE"));
        if (!picture.isEmpty())
            answer = request.value(QStringLiteral("MESSAGE"));
        m_peer.sendText(ZELTestPeer::message(QStringLiteral("CHAT"), {
            {QStringLiteral("CHATUSERNAME"), from},
            {QStringLiteral("LOGINNAME"), to},
            {QStringLiteral("MESSAGE"), answer},
            {QStringLiteral("SENDSMILEY"), QStringLiteral("FALSE")},
            {QStringLiteral("SENDPICTURE"), picture},
            {QStringLiteral("BANNERSTATE"), QString()},
            {QStringLiteral("PLAINTEXT"), QStringLiteral("You wrote: ") + plain},
            {QStringLiteral("DISPLAYNAME"), QString::fromLatin1(peer->displayName)},
            {QStringLiteral("PASSWORD"), QStringLiteral("FALSE")},
        }));
    }

    ZELTestPeer m_peer;
    QString m_signedIn;
};

// A first run of the client would ask for the server: answer that ahead.
bool seedClientSettings(const QString &dataHome, quint16 port, const QString &login)
{
    ZELPreferencesFile file(QDir(dataHome).filePath(QStringLiteral("ZEL")));
    if (file.exists())
        return true;
    const QStringList connection = {QStringLiteral("127.0.0.1"), QString::number(port),
                                    QStringLiteral("NoProxy"), QString(), QString(), QString(), QString()};
    ZELPreferencesFile::UserSettings user = ZELPreferencesFile::UserSettings::defaults(
        login, DemoPassword, QStringLiteral("TRUE"), QStringLiteral("TRUE"));
    user.autoStatus[ZELAutoStatusList::AutoLogin] = QStringLiteral("TRUE");
    return file.addUser(user, connection);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Zembrio demo server"));
    parser.addHelpOption();
    const QCommandLineOption portOption(QStringLiteral("port"), QStringLiteral("Port on 127.0.0.1."),
                                        QStringLiteral("N"), QStringLiteral("5222"));
    const QCommandLineOption dataOption(QStringLiteral("data"),
                                        QStringLiteral("Client data home to give first-run settings."),
                                        QStringLiteral("DIR"));
    const QCommandLineOption userOption(QStringLiteral("user"),
                                        QStringLiteral("Login signed in automatically by those settings."),
                                        QStringLiteral("LOGIN"), QStringLiteral("alice"));
    parser.addOptions({portOption, dataOption, userOption});
    parser.process(app);

    QTextStream err(stderr);
    bool ok = false;
    const uint port = parser.value(portOption).toUInt(&ok);
    if (!ok || port > 65535) {
        err << "zeldemoserver: bad port\n";
        return 2;
    }
    if (!findUser(parser.value(userOption))) {
        err << "zeldemoserver: unknown user " << parser.value(userOption) << "\n";
        return 2;
    }

    DemoServer server;
    if (!server.listen(quint16(port))) {
        err << "zeldemoserver: cannot listen on 127.0.0.1:" << port << "\n";
        return 1;
    }
    if (parser.isSet(dataOption)
        && !seedClientSettings(parser.value(dataOption), server.port(), parser.value(userOption)))
        err << "zeldemoserver: could not write the client's settings\n";

    err << "zeldemoserver: listening on 127.0.0.1:" << server.port()
        << "; users alice, bob, carol, dave, erin, helpdesk; password \"demo\"\n";
    err.flush();
    return app.exec();
}
