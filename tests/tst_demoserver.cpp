#include "zeltestmain.h"

#include "protocol/zeltcpsocket.h"
#include "protocol/zelxmlcodec.h"
#include "peer/zeltestpeer.h"
#include "zeldemoserver.h"

#include <QTcpSocket>

namespace {

const QByteArray fileEnd("<FILEEND>");

// A scripted client: speaks the wire through the client's own socket framing
// and codec, and keeps every parsed message and file it receives in order.
class ScriptedClient : public QObject
{
public:
    explicit ScriptedClient(QObject *parent = nullptr)
        : QObject(parent)
        , m_socket(new ZELTcpSocket(this))
    {
        connect(m_socket, &ZELTcpSocket::sendDataToClient, this, [this](QByteArray &text, QByteArray &files) {
            for (const QString &piece : QString::fromLatin1(text).split(QStringLiteral(":::"))) {
                const QStringList parsed = m_codec.parse(piece);
                if (!parsed.isEmpty())
                    m_messages << parsed;
            }
            qsizetype from = 0;
            qsizetype at;
            while ((at = files.indexOf(fileEnd, from)) >= 0) {
                m_files << files.mid(from, at - from);
                from = at + fileEnd.size();
            }
        });
    }

    bool connectTo(quint16 port)
    {
        m_socket->connectToHost(QStringLiteral("127.0.0.1"), port);
        return m_socket->waitForConnected(5000);
    }

    void send(const QStringList &request) { m_socket->sendDataToServer(ZELTcpSocket::textFrame(m_codec.compose(request))); }
    void sendFile(const QByteArray &data) { m_socket->sendDataToServer(ZELTcpSocket::fileFrame(data)); }
    void sendRaw(const QByteArray &bytes) { m_socket->sendDataToServer(bytes); }

    // The next message of that type not taken yet whose value at `position`
    // equals `value` (any, when position is 0); empty on time-out.
    QStringList waitFor(const QString &type, int position = 0, const QString &value = QString(), int timeoutMs = 5000)
    {
        int found = -1;
        ZELTestPeer::waitUntil([&] {
            for (int i = 0; i < m_messages.size(); ++i) {
                const QStringList &m = m_messages.at(i);
                if (!m_taken.contains(i) && m.value(0) == type && (position == 0 || m.value(position) == value)) {
                    found = i;
                    return true;
                }
            }
            return false;
        }, timeoutMs);
        if (found < 0)
            return {};
        m_taken.insert(found);
        return m_messages.at(found);
    }
    // Index of the first message of that type, or -1.
    int indexOf(const QString &type) const
    {
        for (int i = 0; i < m_messages.size(); ++i) {
            if (m_messages.at(i).value(0) == type)
                return i;
        }
        return -1;
    }
    bool has(const QString &type, int position = 0, const QString &value = QString()) const
    {
        for (const QStringList &m : m_messages) {
            if (m.value(0) == type && (position == 0 || m.value(position) == value))
                return true;
        }
        return false;
    }
    bool waitForFile(QByteArray *data, int timeoutMs = 5000)
    {
        if (!ZELTestPeer::waitUntil([this] { return m_filesTaken < m_files.size(); }, timeoutMs))
            return false;
        *data = m_files.at(m_filesTaken++);
        return true;
    }
    // Connects, takes the banner and signs in; the contact list ends the sign-in.
    bool signIn(quint16 port, const QString &login, const QString &password = QStringLiteral("demo"))
    {
        if (!connectTo(port))
            return false;
        send({QStringLiteral("CHECKVERSION"), QStringLiteral("BETAZEL 08-4-2009")});
        QByteArray banner;
        if (!waitForFile(&banner) || !banner.contains("<BANNEREND>"))
            return false;
        send({QStringLiteral("LOGIN"), login, password, QStringLiteral("FALSE"), QStringLiteral("Online"),
              QStringLiteral("Hello"), QStringLiteral("7")});
        if (waitFor(QStringLiteral("LOGIN"), 1, QStringLiteral("SUCCESSLOGIN")).size() < 2)
            return false;
        m_ownList = waitFor(QStringLiteral("NEWUSER"), 1, QStringLiteral("OWN"));
        return m_ownList.size() > 2;
    }
    // The contact list of the sign-in, as the contact tree splits it.
    QStringList ownList() const
    {
        // OWN carries the values joined by ",", with a trailing ",".
        QStringList flat = {m_ownList.value(0), m_ownList.value(1)};
        flat << m_ownList.value(2).split(QLatin1Char(','));
        return flat;
    }

    const QList<QStringList> &messages() const { return m_messages; }

private:
    ZELTcpSocket *m_socket = nullptr;
    ZELXmlCodec m_codec;
    QList<QStringList> m_messages;
    QSet<int> m_taken;
    QList<QByteArray> m_files;
    int m_filesTaken = 0;
    QStringList m_ownList;
};

// The user names of a NEWUSER message's contacts that are online.
QStringList onlineContacts(const QStringList &newUser)
{
    QStringList online;
    for (int b = 2; b + 7 < newUser.size(); b += 8) {
        if (newUser.at(b + 1) == QLatin1String("Online"))
            online << newUser.at(b);
    }
    return online;
}

} // namespace

class TestDemoServer : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void officeOfThree();
    void awayUserGetsWhatWaitedAtSignIn();
    void offlineMessageKeptWholeOrRefused();
    void secondPlaceSignIn();
    void everyQuestionIsAnswered_data();
    void everyQuestionIsAnswered();
    void contactsAndAccountAgainstTheDirectory();
    void badInputStaysInItsSession_data();
    void badInputStaysInItsSession();

private:
    ZELDemoServer *m_server = nullptr;
};

void TestDemoServer::init()
{
    m_server = new ZELDemoServer(this);
    QVERIFY(m_server->listen());
}

void TestDemoServer::cleanup()
{
    delete m_server;
    m_server = nullptr;
}

void TestDemoServer::officeOfThree()
{
    ScriptedClient alice, bob, carol;
    QVERIFY(alice.signIn(m_server->port(), QStringLiteral("alice")));

    // Presence: each later sign-in reaches those already in, and the own list shows them.
    QVERIFY(bob.signIn(m_server->port(), QStringLiteral("bob")));
    QCOMPARE(onlineContacts(alice.waitFor(QStringLiteral("NEWUSER"), 1, QStringLiteral("OTHERS"))),
             QStringList{QStringLiteral("bob")});
    QCOMPARE(onlineContacts(bob.ownList()), (QStringList{QStringLiteral("alice"), QStringLiteral("helpdesk")}));
    QVERIFY(carol.signIn(m_server->port(), QStringLiteral("carol")));
    QCOMPARE(onlineContacts(bob.waitFor(QStringLiteral("NEWUSER"), 1, QStringLiteral("OTHERS"))),
             QStringList{QStringLiteral("carol")});
    QVERIFY(!alice.waitFor(QStringLiteral("NEWUSER"), 1, QStringLiteral("OTHERS")).isEmpty());

    // A status change reaches the others as the contact tree reads it.
    bob.send({QStringLiteral("CHANGESTATUS"), QStringLiteral("In a meeting"), QStringLiteral("Meeting")});
    const QStringList status = alice.waitFor(QStringLiteral("CHANGESTATUS"), 1, QStringLiteral("bob"));
    QCOMPARE(status.value(2), QStringLiteral("In a meeting"));
    QCOMPARE(status.value(3), QStringLiteral("Meeting"));
    QCOMPARE(status.value(5), QStringLiteral("Bob Brandt"));

    // Chat: relayed with the delivery answer, typing notice and the history a new window gets.
    alice.send({QStringLiteral("MESSAGETYPESTATUS"), QStringLiteral("bob"), QStringLiteral("alice"), QStringLiteral("typing")});
    QCOMPARE(bob.waitFor(QStringLiteral("MESSAGETYPESTATUS")).value(2), QStringLiteral("alice"));
    alice.send({QStringLiteral("CHAT"), QStringLiteral("bob"), QStringLiteral("alice"), QStringLiteral("Hi$#$ Bob"),
                QString(), QString(), QStringLiteral("ADD_BANNER"), QStringLiteral("Hi, Bob"),
                QStringLiteral("Alice Andersen"), QStringLiteral("FALSE")});
    const QStringList chat = bob.waitFor(QStringLiteral("CHAT"));
    QCOMPARE(chat.value(2), QStringLiteral("alice"));
    QCOMPARE(chat.value(3), QStringLiteral("Hi$#$ Bob"));
    QCOMPARE(chat.value(8), QStringLiteral("Alice Andersen"));
    bob.send({QStringLiteral("CHATOPENED"), QStringLiteral("bob"), QStringLiteral("alice")});
    const QStringList history = bob.waitFor(QStringLiteral("CHATHISTORYFOROPENNEWWIDGET"));
    QCOMPARE(history.value(2), QStringLiteral("alice"));
    QVERIFY(history.value(1).contains(QStringLiteral("Alice Andersen says ::")));
    QVERIFY(history.value(1).contains(QStringLiteral("Hi, Bob")));
    bob.send({QStringLiteral("MESSAGEDELIVERED"), QStringLiteral("alice"), QStringLiteral("bob"), QStringLiteral("Hi, Bob")});
    QCOMPARE(alice.waitFor(QStringLiteral("MESSAGEDELIVERED")).value(2), QStringLiteral("bob"));
    alice.send({QStringLiteral("CHATOPENED"), QStringLiteral("alice"), QStringLiteral("carol")});
    QCOMPARE(alice.waitFor(QStringLiteral("CHATHISTORYFOROPENNEWWIDGET")).value(1), QStringLiteral("EMPTY"));

    // A protected message is relayed whole, kept out of the history, and its outcome goes back.
    alice.send({QStringLiteral("CHAT"), QStringLiteral("bob"), QStringLiteral("alice"), QStringLiteral("The code is 4711"),
                QString(), QString(), QString(), QStringLiteral("The code is 4711"), QStringLiteral("Alice Andersen"),
                QStringLiteral("TRUE")});
    const QStringList locked = bob.waitFor(QStringLiteral("CHAT"), 9, QStringLiteral("TRUE"));
    QCOMPARE(locked.value(3), QStringLiteral("The code is 4711"));
    bob.send({QStringLiteral("CHATOPENED"), QStringLiteral("bob"), QStringLiteral("alice")});
    QVERIFY(!bob.waitFor(QStringLiteral("CHATHISTORYFOROPENNEWWIDGET")).value(1).contains(QStringLiteral("4711")));
    bob.send({QStringLiteral("PWDMESSAGEDELIVEREDSTATUS"), QStringLiteral("alice"), QStringLiteral("The code is 4711"),
              QStringLiteral("bob"), QStringLiteral("CHAT"), QStringLiteral("FALSE")});
    QCOMPARE(alice.waitFor(QStringLiteral("PWDMESSAGEDELIVEREDSTATUS")).mid(3, 3),
             (QStringList{QStringLiteral("bob"), QStringLiteral("CHAT"), QStringLiteral("FALSE")}));

    // A group message reaches each recipient who is in, with the sender's name.
    alice.send({QStringLiteral("ONLINEGROUPMESSAGE"), QStringLiteral("Stand-up now"), QStringLiteral("<p>Stand-up now</p>"),
                QStringLiteral("bob"), QStringLiteral("carol")});
    for (ScriptedClient *recipient : {&bob, &carol}) {
        const QStringList group = recipient->waitFor(QStringLiteral("ONLINEGROUPMESSAGE"));
        QCOMPARE(group.value(2), QStringLiteral("<p>Stand-up now</p>"));
        QCOMPARE(group.value(4), QStringLiteral("Alice Andersen"));
    }

    // A file: offer and frame, the report to the sender, the offer, the data, the answer.
    const QByteArray notes("line one\nline two\n\0binary\xff", 25);
    // An offer whose file could not be read comes alone: the next file is not taken for it.
    alice.send({QStringLiteral("FTPREADY"), QStringLiteral("bob"), QStringLiteral("alice"), QStringLiteral("gone.txt"),
                QString(), QString(), QStringLiteral("Alice Andersen"), QStringLiteral("0")});
    alice.send({QStringLiteral("FTPREADY"), QStringLiteral("bob"), QStringLiteral("alice"), QStringLiteral("notes.txt"),
                QString::number(notes.size()), QString(), QStringLiteral("Alice Andersen"), QStringLiteral("0")});
    alice.sendFile(notes);
    const QStringList report = alice.waitFor(QStringLiteral("FILETRANSFERSTATUS"));
    QCOMPARE(report.mid(1, 3), (QStringList{QStringLiteral("bob"), QStringLiteral("SUCCESS"), QStringLiteral("notes.txt")}));
    QVERIFY(!alice.has(QStringLiteral("FILETRANSFERSTATUS"), 3, QStringLiteral("gone.txt")));
    const QStringList offer = bob.waitFor(QStringLiteral("FTPREADY"));
    QCOMPARE(offer.value(2), QStringLiteral("alice"));
    QCOMPARE(offer.value(3), QStringLiteral("notes.txt"));
    // The window the offer opens shows the history in its place: the offer is in it.
    bob.send({QStringLiteral("CHATOPENED"), QStringLiteral("bob"), QStringLiteral("alice")});
    QVERIFY(bob.waitFor(QStringLiteral("CHATHISTORYFOROPENNEWWIDGET")).value(1).contains(QStringLiteral("notes.txt")));
    bob.send({QStringLiteral("FTPACCEPT"), QStringLiteral("bob"), QStringLiteral("notes.txt"), QStringLiteral("alice")});
    QByteArray received;
    QVERIFY(bob.waitForFile(&received));
    QCOMPARE(received, notes);
    bob.send({QStringLiteral("FTPSTATUS"), QStringLiteral("alice"), QStringLiteral("bob"), QStringLiteral("Accepted"),
              QStringLiteral("notes.txt")});
    const QStringList answer = alice.waitFor(QStringLiteral("FTPSTATUS"));
    QCOMPARE(answer.value(2), QStringLiteral("bob"));
    QCOMPARE(answer.value(3), QStringLiteral("Accepted"));

    // A conference: invitations and answers, the member list, a message to all,
    // a conference file, and the stop.
    const QString name = QStringLiteral("Plan 10~00~00");
    const QString aliceKey = QStringLiteral("alice##Alice Andersen");
    const QString bobKey = QStringLiteral("bob##Bob Brandt");
    for (const QString &invitee : {QStringLiteral("bob"), QStringLiteral("carol")})
        alice.send({QStringLiteral("CONFERENCECHAT"), invitee, QStringLiteral("alice"), name, QStringLiteral("Alice Andersen")});
    for (ScriptedClient *invitee : {&bob, &carol}) {
        const QStringList invitation = invitee->waitFor(QStringLiteral("CONFERENCECHAT"));
        QCOMPARE(invitation.value(2), QStringLiteral("alice"));
        QCOMPARE(invitation.value(3), name);
        QCOMPARE(invitation.value(4), QStringLiteral("Alice Andersen"));
    }
    bob.send({QStringLiteral("CONFERECECHATSTATUS"), QStringLiteral("alice"), QStringLiteral("bob"), name,
              QStringLiteral("Accepted"), QStringLiteral("Bob Brandt")});
    carol.send({QStringLiteral("CONFERECECHATSTATUS"), QStringLiteral("alice"), QStringLiteral("carol"), name,
                QStringLiteral("Declined"), QStringLiteral("Carol Castell")});
    const QStringList accepted = alice.waitFor(QStringLiteral("CONFERECECHATSTATUS"), 2, QStringLiteral("bob"));
    QCOMPARE(accepted.mid(3, 3), (QStringList{name, QStringLiteral("Accepted"), QStringLiteral("Bob Brandt")}));
    QCOMPARE(alice.waitFor(QStringLiteral("CONFERECECHATSTATUS"), 2, QStringLiteral("carol")).value(4),
             QStringLiteral("Declined"));
    alice.send({QStringLiteral("UPDATECONFERENCECHATUSERS"), aliceKey, name, bobKey, bobKey + QLatin1Char(','),
                QStringLiteral("bob")});
    const QStringList members = bob.waitFor(QStringLiteral("UPDATECONFERENCECHATUSERS"));
    QCOMPARE(members.mid(1, 4), (QStringList{aliceKey, name, bobKey, bobKey + QLatin1Char(',')}));

    // Messages reach the members only, whoever else a client names.
    bob.send({QStringLiteral("CONFERENCECHATMESSAGE"), bobKey, name, QStringLiteral("Hello$#$ all"), QStringLiteral("FALSE"),
              QString(), QStringLiteral("ADD_BANNER"), QStringLiteral("Hello, all"), QStringLiteral("alice"),
              QStringLiteral("carol")});
    const QStringList said = alice.waitFor(QStringLiteral("CONFERENCECHATMESSAGE"));
    QCOMPARE(said.mid(1, 4), (QStringList{bobKey, name, QStringLiteral("Hello$#$ all"), QStringLiteral("FALSE")}));

    // Carol is invited again and joins; then she is removed, and told so with the others.
    const QString carolKey = QStringLiteral("carol##Carol Castell");
    alice.send({QStringLiteral("CONFERENCECHAT"), QStringLiteral("carol"), QStringLiteral("alice"), name,
                QStringLiteral("Alice Andersen")});
    QCOMPARE(carol.waitFor(QStringLiteral("CONFERENCECHAT")).value(3), name);
    carol.send({QStringLiteral("CONFERECECHATSTATUS"), QStringLiteral("alice"), QStringLiteral("carol"), name,
                QStringLiteral("Accepted"), QStringLiteral("Carol Castell")});
    QCOMPARE(alice.waitFor(QStringLiteral("CONFERECECHATSTATUS"), 2, QStringLiteral("carol")).value(4),
             QStringLiteral("Accepted"));
    const QString roomList = bobKey + QLatin1Char(',') + carolKey + QLatin1Char(',');
    alice.send({QStringLiteral("UPDATECONFERENCECHATUSERS"), aliceKey, name, carolKey, roomList, QStringLiteral("bob"),
                QStringLiteral("carol")});
    QCOMPARE(carol.waitFor(QStringLiteral("UPDATECONFERENCECHATUSERS")).value(4), roomList);
    QCOMPARE(bob.waitFor(QStringLiteral("UPDATECONFERENCECHATUSERS")).value(3), carolKey);
    alice.send({QStringLiteral("CONFERENCETYPESTATUS"), QStringLiteral("alice"), name, QStringLiteral("bob"),
                QStringLiteral("carol")});
    QCOMPARE(carol.waitFor(QStringLiteral("CONFERENCETYPESTATUS")).mid(1, 2), (QStringList{QStringLiteral("alice"), name}));
    alice.send({QStringLiteral("REMOVECONFERENCECHATUSER"), QStringLiteral("alice"), name, carolKey,
                QStringLiteral("bob"), QStringLiteral("carol")});
    for (ScriptedClient *member : {&bob, &carol})
        QCOMPARE(member->waitFor(QStringLiteral("REMOVECONFERENCECHATUSER")).mid(2, 2), (QStringList{name, carolKey}));

    const QByteArray plan("step one, step two");
    alice.send({QStringLiteral("CONFERENCECHATFTPREADY"), aliceKey, name, QStringLiteral("plan.txt"),
                QString::number(plan.size()) + QStringLiteral("##0"), QStringLiteral("bob")});
    alice.sendFile(plan);
    QCOMPARE(alice.waitFor(QStringLiteral("CONFERENCEFILETRANSFERSTATUS")).mid(1, 3),
             (QStringList{name, QStringLiteral("SUCCESS"), QStringLiteral("plan.txt")}));
    const QStringList conferenceOffer = bob.waitFor(QStringLiteral("CONFERENCECHATFTPREADY"));
    QCOMPARE(conferenceOffer.mid(1, 4), (QStringList{aliceKey, name, QStringLiteral("plan.txt"),
                                                     QString::number(plan.size()) + QStringLiteral("##0")}));
    bob.send({QStringLiteral("CONFERENCECHATFTPACCEPT"), QStringLiteral("bob"), QStringLiteral("plan.txt"),
              QStringLiteral("Accepted"), name});
    QVERIFY(bob.waitForFile(&received));
    QCOMPARE(received, plan);
    bob.send({QStringLiteral("CONFERENCECHATFTPSTATUS"), QStringLiteral("alice"), bobKey, QStringLiteral("Accepted"),
              QStringLiteral("plan.txt"), name});
    QCOMPARE(alice.waitFor(QStringLiteral("CONFERENCECHATFTPSTATUS")).mid(2, 4),
             (QStringList{bobKey, QStringLiteral("Accepted"), QStringLiteral("plan.txt"), name}));

    alice.send({QStringLiteral("STOPCONFERENCECHAT"), QStringLiteral("alice"), name, QStringLiteral("bob")});
    QCOMPARE(bob.waitFor(QStringLiteral("STOPCONFERENCECHAT")).value(2), name);
    // Carol declined the first time and was removed later: neither the message
    // sent while she was out nor the stop reached her.
    QVERIFY(!carol.has(QStringLiteral("CONFERENCECHATMESSAGE")));
    QVERIFY(!carol.has(QStringLiteral("CONFERENCECHATFTPREADY")));
    QVERIFY(!carol.has(QStringLiteral("STOPCONFERENCECHAT")));

    // Signing out reaches everyone who has the user as a contact.
    carol.send({QStringLiteral("SIGNOUT"), QStringLiteral("carol"), QStringLiteral("Bye")});
    const QStringList logout = alice.waitFor(QStringLiteral("LOGOUT"));
    QCOMPARE(logout.mid(1, 4), (QStringList{QStringLiteral("carol"), QStringLiteral("Engineering"),
                                            QStringLiteral("Carol Castell"), ZELDemoDirectory::Company}));
    QCOMPARE(bob.waitFor(QStringLiteral("LOGOUT")).value(1), QStringLiteral("carol"));

    // A reminder alice sets for bob reaches him with the time it rings where he
    // is, in the place his client reads it; her own one stays hers. Both come
    // back at the next sign-in, alice's list naming bob; bob's snooze moves
    // the time it rings for him.
    const QString crossId = QStringLiteral("10/Dec/2026 11:00:00:000");
    const QString ownId = QStringLiteral("10/Dec/2026 11:00:01:000");
    const QString due = QStringLiteral("Thu Dec 10 15:30:00 2026");
    const QString bobsDue = QStringLiteral("Thu Dec 10 16:30:00 2026");
    const QString awaiting = QStringLiteral("Awaiting");
    const QString self = QStringLiteral("Self");
    alice.send({QStringLiteral("ADDREMINDER"), crossId, QStringLiteral("Call the customer"), due, awaiting,
                QStringLiteral("bob"), bobsDue});
    alice.send({QStringLiteral("ADDREMINDER"), ownId, QStringLiteral("Lunch"), due, awaiting, self, self});
    const QStringList forBob{crossId, QStringLiteral("Call the customer"), due, awaiting, QStringLiteral("bob"),
                             QStringLiteral("alice"), bobsDue};
    QCOMPARE(bob.waitFor(QStringLiteral("ADDCROSSREMINDER")).mid(1), forBob);
    ScriptedClient bobAgain, aliceAgain;
    QVERIFY(bobAgain.signIn(m_server->port(), QStringLiteral("bob")));
    QCOMPARE(bobAgain.waitFor(QStringLiteral("SELFREMINDERS")).mid(1), forBob);
    QVERIFY(!bobAgain.has(QStringLiteral("CROSSREMINDERS")));
    QVERIFY(aliceAgain.signIn(m_server->port(), QStringLiteral("alice")));
    QCOMPARE(aliceAgain.waitFor(QStringLiteral("SELFREMINDERS")).mid(1),
             (QStringList{ownId, QStringLiteral("Lunch"), due, awaiting, self, QStringLiteral("alice"), self}));
    QCOMPARE(aliceAgain.waitFor(QStringLiteral("CROSSREMINDERS")).mid(1, 6),
             (QStringList{crossId, QStringLiteral("Call the customer"), due, awaiting, QStringLiteral("bob"),
                          QStringLiteral("Bob Brandt")}));
    const QString snoozed = QStringLiteral("Thu Dec 10 16:40:00 2026");
    bobAgain.send({QStringLiteral("SNOOZEREMINDER"), crossId, QStringLiteral("bob"), snoozed});
    QCOMPARE(aliceAgain.waitFor(QStringLiteral("SNOOZECROSSREMINDER")).mid(1), (QStringList{crossId, snoozed}));
    ScriptedClient bobLater;
    QVERIFY(bobLater.signIn(m_server->port(), QStringLiteral("bob")));
    QCOMPARE(bobLater.waitFor(QStringLiteral("SELFREMINDERS")).value(7), snoozed);
    QVERIFY(!carol.has(QStringLiteral("ADDCROSSREMINDER")));
}

void TestDemoServer::awayUserGetsWhatWaitedAtSignIn()
{
    ScriptedClient alice;
    QVERIFY(alice.signIn(m_server->port(), QStringLiteral("alice")));

    alice.send({QStringLiteral("OFFLINEMESSAGE"), QStringLiteral("bob"), QStringLiteral("alice"), QStringLiteral("See you"),
                QStringLiteral("<b>See you</b>"), QString()});
    QCOMPARE(alice.waitFor(QStringLiteral("OFFLINEMESSAGESTATUS")).mid(1, 2),
             (QStringList{QStringLiteral("SENT"), QStringLiteral("bob")}));
    alice.send({QStringLiteral("OFFLINEGROUPMESSAGE"), QStringLiteral("Team lunch"), QStringLiteral("<p>Team lunch</p>"),
                QStringLiteral("bob"), QStringLiteral("dave")});
    // A chat to someone who is away is kept for them, not lost.
    alice.send({QStringLiteral("CHAT"), QStringLiteral("bob"), QStringLiteral("alice"), QStringLiteral("Still there?"),
                QString(), QString(), QString(), QStringLiteral("Still there?"), QStringLiteral("Alice Andersen"),
                QStringLiteral("FALSE")});
    const QByteArray report("quarterly figures");
    alice.send({QStringLiteral("OFFLINEMESSAGEFTPREADY"), QStringLiteral("alice"), QStringLiteral("bob"),
                QStringLiteral("report.txt"), QString::number(report.size())});
    alice.sendFile(report);
    QCOMPARE(alice.waitFor(QStringLiteral("OFFLINEFILETRANSFERSTATUS")).mid(1, 3),
             (QStringList{QStringLiteral("bob"), QStringLiteral("SUCCESS"), QStringLiteral("report.txt")}));
    QVERIFY(!alice.has(QStringLiteral("MESSAGEDELIVERED")));

    ScriptedClient bob;
    QVERIFY(bob.signIn(m_server->port(), QStringLiteral("bob")));
    const QStringList offline = bob.waitFor(QStringLiteral("OFFLINEMESSAGES"));
    QCOMPARE(offline.size(), 4);
    const QStringList first = offline.value(1).split(QStringLiteral("##"));
    QCOMPARE(first.size(), 7);
    QCOMPARE(first.value(0), QStringLiteral("alice"));
    QCOMPARE(first.value(1), QStringLiteral("See you"));
    QCOMPARE(first.value(3), QStringLiteral("NO"));
    QCOMPARE(first.value(4), QStringLiteral("<b>See you</b>"));
    QCOMPARE(first.value(5), QStringLiteral("Alice Andersen"));
    QCOMPARE(offline.value(2).section(QStringLiteral("##"), 4, 4), QStringLiteral("<p>Team lunch</p>"));
    QCOMPARE(offline.value(3).section(QStringLiteral("##"), 1, 1), QStringLiteral("Still there?"));
    const QStringList files = bob.waitFor(QStringLiteral("OFFLINEFILEDETAILS"));
    QCOMPARE(files.size(), 4);
    QCOMPARE(files.value(1).section(QStringLiteral("^%"), 1), QStringLiteral("alice^%report.txt"));
    QCOMPARE(files.value(3), QString::number(report.size()) + QStringLiteral("##Alice Andersen"));
    // Both come before the contact list, whose arrival announces them.
    QVERIFY(bob.indexOf(QStringLiteral("OFFLINEMESSAGES")) < bob.indexOf(QStringLiteral("NEWUSER")));
    QVERIFY(bob.indexOf(QStringLiteral("OFFLINEFILEDETAILS")) < bob.indexOf(QStringLiteral("NEWUSER")));

    bob.send({QStringLiteral("OFFLINEFTPACCEPT"), QStringLiteral("bob^%alice^%report.txt")});
    QByteArray received;
    QVERIFY(bob.waitForFile(&received));
    QCOMPARE(received, report);

    // Read and deleted marks hold for the next sign-in.
    bob.send({QStringLiteral("OFFLINEMESSAGEREAD"), QStringLiteral("alice"), first.value(2), first.value(4)});
    bob.send({QStringLiteral("DELETEOFFLINEMESSAGES"), offline.value(2).section(QStringLiteral("##"), 0, 0)
                                                          + QStringLiteral("##") + offline.value(2).section(QStringLiteral("##"), 2, 2)});
    QCOMPARE(bob.waitFor(QStringLiteral("DELETEOFFLINEMESSAGESTATUS")).value(1), QStringLiteral("DELETED"));
    ScriptedClient bobAgain;
    QVERIFY(bobAgain.signIn(m_server->port(), QStringLiteral("bob")));
    const QStringList kept = bobAgain.waitFor(QStringLiteral("OFFLINEMESSAGES"));
    QCOMPARE(kept.size(), 3);
    QCOMPARE(kept.value(1).section(QStringLiteral("##"), 3, 3), QStringLiteral("YES"));
    QVERIFY(!bobAgain.has(QStringLiteral("OFFLINEFILEDETAILS")));
}

// A long offline message arrives as it was sent; one the box cannot hold is
// refused, so its sender is told, and nothing already kept is cut for it.
void TestDemoServer::offlineMessageKeptWholeOrRefused()
{
    ScriptedClient alice;
    QVERIFY(alice.signIn(m_server->port(), QStringLiteral("alice")));
    QString text;
    for (int i = 0; text.size() < 100000; ++i)
        text += QStringLiteral("line %1 of a long report, ").arg(i);
    const QString html = QStringLiteral("<p>") + text.toHtmlEscaped() + QStringLiteral("</p>");
    alice.send({QStringLiteral("OFFLINEMESSAGE"), QStringLiteral("bob"), QStringLiteral("alice"), text, html, QString()});
    QCOMPARE(alice.waitFor(QStringLiteral("OFFLINEMESSAGESTATUS")).value(1), QStringLiteral("SENT"));

    const QString tooLong(ZELDemoServer::MaxOfflineBoxChars, QLatin1Char('x'));
    alice.send({QStringLiteral("OFFLINEMESSAGE"), QStringLiteral("bob"), QStringLiteral("alice"), tooLong, tooLong,
                QString()});
    QCOMPARE(alice.waitFor(QStringLiteral("OFFLINEMESSAGESTATUS"), 0, QString(), 30000).value(1),
             QStringLiteral("NOTSENT"));

    ScriptedClient bob;
    QVERIFY(bob.signIn(m_server->port(), QStringLiteral("bob")));
    const QStringList offline = bob.waitFor(QStringLiteral("OFFLINEMESSAGES"));
    QCOMPARE(offline.size(), 2);
    const QStringList kept = offline.value(1).split(QStringLiteral("##"));
    QCOMPARE(kept.value(1).size(), text.size());
    QCOMPARE(kept.value(1), text);
    QCOMPARE(kept.value(4), html);
}

void TestDemoServer::secondPlaceSignIn()
{
    ScriptedClient alice, bob, aliceElsewhere;
    QVERIFY(alice.signIn(m_server->port(), QStringLiteral("alice")));
    QVERIFY(bob.signIn(m_server->port(), QStringLiteral("bob")));
    QVERIFY(aliceElsewhere.signIn(m_server->port(), QStringLiteral("alice")));
    QVERIFY(!alice.waitFor(QStringLiteral("ANOTHERUSERLOGGED")).isEmpty());

    // Chats now reach the second place only, and bob never saw alice leave.
    bob.send({QStringLiteral("CHAT"), QStringLiteral("alice"), QStringLiteral("bob"), QStringLiteral("Where are you?"),
              QString(), QString(), QString(), QStringLiteral("Where are you?"), QStringLiteral("Bob Brandt"),
              QStringLiteral("FALSE")});
    QCOMPARE(aliceElsewhere.waitFor(QStringLiteral("CHAT")).value(2), QStringLiteral("bob"));
    QVERIFY(!alice.has(QStringLiteral("CHAT")));
    QVERIFY(!bob.has(QStringLiteral("LOGOUT")));

    // A wrong password is refused without touching the signed-in place.
    ScriptedClient intruder;
    QVERIFY(intruder.connectTo(m_server->port()));
    intruder.send({QStringLiteral("LOGIN"), QStringLiteral("alice"), QStringLiteral("guess"), QStringLiteral("FALSE"),
                   QStringLiteral("Online"), QString(), QStringLiteral("7")});
    QCOMPARE(intruder.waitFor(QStringLiteral("LOGIN")).value(1), QStringLiteral("INVALIDLOGIN"));
    QVERIFY(!aliceElsewhere.has(QStringLiteral("ANOTHERUSERLOGGED")));
}

void TestDemoServer::everyQuestionIsAnswered_data()
{
    QTest::addColumn<QStringList>("question");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("value");
    QTest::newRow("chat opened") << QStringList{"CHATOPENED", "alice", "bob"} << "CHATHISTORYFOROPENNEWWIDGET" << 2 << "bob";
    QTest::newRow("history partners") << QStringList{"CHATHISTORYLIST", "alice"} << "CHATHISTORYLIST" << 1 << "SAMPLE";
    QTest::newRow("conference days") << QStringList{"CHATHISTORYLIST", "alice"} << "CONFERENCEDATES" << 1 << "DATE";
    QTest::newRow("history dates") << QStringList{"CHATHISTORYDATE", "bob", "alice"} << "CHATHISTORYDATE" << 1 << "NAMES";
    QTest::newRow("history of a day") << QStringList{"CHATHISTORYDATETOSERVER", "01-01-2020", "alice", "bob"}
                                      << "CHATHISTORYFROMSERVER" << 1 << "EMPTY";
    QTest::newRow("conference sessions") << QStringList{"CONFERENCECHATHISTORYNAME", "01-01-2020"}
                                         << "CONFERENCENAMESTOBESENT" << 1 << "CONFERENCEFILE";
    QTest::newRow("conference transcript") << QStringList{"CONFERENCEHISTORY", "01-01-2020", "Plan"}
                                           << "CONFERENCEHISTORYFROMSERVER" << 1 << "EMPTY";
    QTest::newRow("search") << QStringList{"ADDCONTACT", "SEARCHKEYWORD", "nobody-like-this"} << "ADDCONTACT" << 1
                            << "SEARCHKEYWORD";
    QTest::newRow("forgotten password") << QStringList{"USERDETAILS", "erin"} << "FORGETPWD" << 2 << "SENT";
    QTest::newRow("offline message") << QStringList{"OFFLINEMESSAGE", "dave", "alice", "Hi", "<b>Hi</b>", ""}
                                     << "OFFLINEMESSAGESTATUS" << 1 << "SENT";
    QTest::newRow("offline message deleted") << QStringList{"DELETEOFFLINEMESSAGES", "dave##01/01/2020 10:00:00"}
                                             << "DELETEOFFLINEMESSAGESTATUS" << 1 << "DELETED";
    QTest::newRow("wrong old password") << QStringList{"CHANGEPASSWORD", "alice", "wrong", "secret"} << "CHANGEPASSWORD"
                                        << 1 << "INVALIDOLDPASSWORD";
}

void TestDemoServer::everyQuestionIsAnswered()
{
    QFETCH(QStringList, question);
    QFETCH(QString, answer);
    QFETCH(int, position);
    QFETCH(QString, value);
    ScriptedClient alice;
    QVERIFY(alice.signIn(m_server->port(), QStringLiteral("alice")));
    alice.send(question);
    QVERIFY2(!alice.waitFor(answer, position, value).isEmpty(), qPrintable(answer));
}

void TestDemoServer::contactsAndAccountAgainstTheDirectory()
{
    ScriptedClient alice, bob;
    QVERIFY(alice.signIn(m_server->port(), QStringLiteral("alice")));
    QVERIFY(bob.signIn(m_server->port(), QStringLiteral("bob")));

    // Removing a contact answers with its row to take out; its presence no longer comes.
    alice.send({QStringLiteral("MULTIPLEDELETECONTACT"), QStringLiteral("DELETENAME"), QStringLiteral("bob")});
    QCOMPARE(alice.waitFor(QStringLiteral("DELETENAME")).mid(1, 4),
             (QStringList{QStringLiteral("bob"), QStringLiteral("Engineering"), QStringLiteral("1"),
                          ZELDemoDirectory::Company}));
    bob.send({QStringLiteral("CHANGESTATUS"), QStringLiteral("Busy now"), QStringLiteral("Busy")});
    QVERIFY(!alice.waitFor(QStringLiteral("CHANGESTATUS"), 1, QStringLiteral("bob"), 300).size());

    // The directory finds him again with his profile in the order the cards read it.
    alice.send({QStringLiteral("ADDCONTACT"), QStringLiteral("SEARCHKEYWORD"), QStringLiteral("Brandt")});
    const QStringList found = alice.waitFor(QStringLiteral("ADDCONTACT"), 1, QStringLiteral("SEARCHKEYWORD"));
    QCOMPARE(found.size(), 6);
    QCOMPARE(found.mid(2, 3), (QStringList{QStringLiteral("Bob Brandt"), QStringLiteral("bob"), QStringLiteral("Engineering")}));
    const QStringList card = found.value(5).split(QStringLiteral("&&"));
    QCOMPARE(card.size(), 13);
    QCOMPARE(card.value(0), QStringLiteral("Tester"));
    QCOMPARE(card.value(2), QStringLiteral("bob@demo.invalid"));
    QCOMPARE(card.value(12), ZELDemoDirectory::Company);

    // Asking to add him: bob still has alice, so no question is needed.
    alice.send({QStringLiteral("ADDCONTACTREQUEST"), QStringLiteral("ADDNAME"), QStringLiteral("bob")});
    QCOMPARE(alice.waitFor(QStringLiteral("ADDCONTACT"), 1, QStringLiteral("ADDNAME")).mid(2, 2),
             (QStringList{QStringLiteral("bob"), QStringLiteral("Online")}));

    // Bob removes alice and asks again: now alice is asked, and her approval adds both ways.
    bob.send({QStringLiteral("MULTIPLEDELETECONTACT"), QStringLiteral("DELETENAME"), QStringLiteral("alice")});
    QVERIFY(!bob.waitFor(QStringLiteral("DELETENAME")).isEmpty());
    alice.send({QStringLiteral("MULTIPLEDELETECONTACT"), QStringLiteral("DELETENAME"), QStringLiteral("bob")});
    QVERIFY(!alice.waitFor(QStringLiteral("DELETENAME")).isEmpty());
    bob.send({QStringLiteral("ADDCONTACTREQUEST"), QStringLiteral("ADDNAME"), QStringLiteral("alice")});
    QCOMPARE(alice.waitFor(QStringLiteral("APPROVALALERT")).mid(1, 2),
             (QStringList{QStringLiteral("bob"), QStringLiteral("Bob Brandt")}));
    const QStringList asked = alice.waitFor(QStringLiteral("ADDCONTACTAPPROVALSTATUS"));
    const QStringList request = asked.value(1).split(QLatin1Char('#'));
    QCOMPARE(request.size(), 6);
    QCOMPARE(request.mid(0, 4), (QStringList{QStringLiteral("bob"), QStringLiteral("Bob Brandt"),
                                             QStringLiteral("Engineering"), QStringLiteral("Tester")}));
    QCOMPARE(request.value(5).split(QStringLiteral("&&")).value(11), ZELDemoDirectory::Company);
    alice.send({QStringLiteral("ADDCONTACTAPPROVALSTATUS"), QStringLiteral("bob"), QStringLiteral("alice"),
                QStringLiteral("APPROVED")});
    QCOMPARE(bob.waitFor(QStringLiteral("ADDCONTACT"), 1, QStringLiteral("ADDNAME")).value(2), QStringLiteral("alice"));
    QCOMPARE(alice.waitFor(QStringLiteral("ADDCONTACT"), 1, QStringLiteral("ADDNAME")).value(2), QStringLiteral("bob"));

    // A password change holds for the next sign-in, and the old password no longer does.
    bob.send({QStringLiteral("CHANGEPASSWORD"), QStringLiteral("bob"), QStringLiteral("demo"), QStringLiteral("s3cret")});
    QCOMPARE(bob.waitFor(QStringLiteral("CHANGEPASSWORD")).value(2), QStringLiteral("s3cret"));
    ScriptedClient oldPassword, newPassword;
    QVERIFY(oldPassword.connectTo(m_server->port()));
    oldPassword.send({QStringLiteral("LOGIN"), QStringLiteral("bob"), QStringLiteral("demo"), QStringLiteral("FALSE"),
                      QStringLiteral("Online"), QString(), QStringLiteral("7")});
    QCOMPARE(oldPassword.waitFor(QStringLiteral("LOGIN")).value(1), QStringLiteral("INVALIDLOGIN"));
    QVERIFY(newPassword.signIn(m_server->port(), QStringLiteral("bob"), QStringLiteral("s3cret")));
}

void TestDemoServer::badInputStaysInItsSession_data()
{
    QTest::addColumn<QByteArray>("garbage");
    const QByteArray writeEnd("<WRITEEND>");
    QByteArray hugeClaim("\x7f\xff\xff\xff", 4);
    hugeClaim += QByteArray(64, 'x');
    QTest::newRow("not compressed") << QByteArray("hello there") + writeEnd;
    QTest::newRow("length claims two gigabytes") << hugeClaim + writeEnd;
    QTest::newRow("not xml") << ZELTcpSocket::textFrame(QStringLiteral("<<<&&&>>>")) ;
    QTest::newRow("unknown request") << ZELTcpSocket::textFrame(QStringLiteral("<NOSUCHTHING><A>1</A></NOSUCHTHING>"));
    QTest::newRow("chat in another's name") << ZELTcpSocket::textFrame(QStringLiteral(
        "<CHAT><CHATUSERNAME>bob</CHATUSERNAME><LOGINNAME>alice</LOGINNAME><MESSAGE>forged</MESSAGE></CHAT>"));
    QTest::newRow("file frame nobody offered") << ZELTcpSocket::fileFrame(QByteArray(1000, 'z'));
    QTest::newRow("empty frames") << writeEnd + writeEnd + writeEnd;
}

void TestDemoServer::badInputStaysInItsSession()
{
    QFETCH(QByteArray, garbage);
    ScriptedClient alice, bob, carol;
    QVERIFY(alice.signIn(m_server->port(), QStringLiteral("alice")));
    QVERIFY(bob.signIn(m_server->port(), QStringLiteral("bob")));
    QVERIFY(carol.signIn(m_server->port(), QStringLiteral("carol")));

    // From a stranger that never signed in, and from a signed-in client.
    QTcpSocket stranger;
    stranger.connectToHost(QStringLiteral("127.0.0.1"), m_server->port());
    QVERIFY(stranger.waitForConnected(5000));
    stranger.write(garbage);
    carol.sendRaw(garbage);

    // The other sessions go on as before.
    alice.send({QStringLiteral("CHAT"), QStringLiteral("bob"), QStringLiteral("alice"), QStringLiteral("Still fine"),
                QString(), QString(), QString(), QStringLiteral("Still fine"), QStringLiteral("Alice Andersen"),
                QStringLiteral("FALSE")});
    const QStringList chat = bob.waitFor(QStringLiteral("CHAT"));
    QCOMPARE(chat.value(3), QStringLiteral("Still fine"));
    QVERIFY(!bob.has(QStringLiteral("CHAT"), 3, QStringLiteral("forged")));
    // And so does the one that sent it, and a newcomer can still sign in.
    carol.send({QStringLiteral("CHAT"), QStringLiteral("bob"), QStringLiteral("carol"), QStringLiteral("Me too"),
                QString(), QString(), QString(), QStringLiteral("Me too"), QStringLiteral("Carol Castell"),
                QStringLiteral("FALSE")});
    QCOMPARE(bob.waitFor(QStringLiteral("CHAT"), 2, QStringLiteral("carol")).value(3), QStringLiteral("Me too"));
    ScriptedClient dave;
    QVERIFY(dave.signIn(m_server->port(), QStringLiteral("dave")));
}

ZEL_TEST_MAIN(TestDemoServer)
#include "tst_demoserver.moc"
