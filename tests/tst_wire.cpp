#include "zeltestmain.h"

#include "core/zelclient.h"
#include "protocol/zeltcpsocket.h"
#include "protocol/zelxmlbounds.h"
#include "protocol/zelxmlcodec.h"
#include "peer/zeltestpeer.h"

#include <QCryptographicHash>
#include <QLoggingCategory>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QThread>
#include <QTimer>
#include <QtEndian>

namespace {

// "NAME:k NAME:k ..." -> the document the server expects, each element holding
// request[k] (empty past the list's end).
QString expectedDocument(const QStringList &request, const QString &children)
{
    QString text = QStringLiteral("<!DOCTYPE CLIENT>\n");
    const QStringList entries = children.split(' ', Qt::SkipEmptyParts);
    if (entries.isEmpty())
        return text + '<' + request.at(0) + "/>\n";
    text += '<' + request.at(0) + ">\n";
    for (const QString &entry : entries) {
        const QString name = entry.section(':', 0, 0);
        const QString value = request.value(entry.section(':', 1, 1).toInt());
        text += " <" + name + '>' + value + "</" + name + ">\n";
    }
    return text + "</" + request.at(0) + ">\n";
}

// [type, "v1", ..., "vN"]
QStringList values(const QString &type, int count)
{
    QStringList list{type};
    for (int i = 1; i <= count; ++i)
        list << QStringLiteral("v%1").arg(i);
    return list;
}

QByteArray randomBytes(qsizetype size, quint32 seed)
{
    QByteArray bytes(size, Qt::Uninitialized);
    QRandomGenerator generator(seed);
    for (qsizetype i = 0; i < size; ++i)
        bytes[i] = char(generator.bounded(256));
    return bytes;
}

// Short blocks as they are, long ones by size and digest, so failures stay readable.
QString describe(const QByteArray &block)
{
    if (block.size() <= 64)
        return QString::fromLatin1(block);
    return QStringLiteral("<%1 bytes %2>").arg(block.size()).arg(
        QString::fromLatin1(QCryptographicHash::hash(block, QCryptographicHash::Md5).toHex()));
}

QString handover(int read, const QByteArray &text, const QByteArray &files)
{
    return QStringLiteral("%1|%2|%3").arg(read).arg(describe(text), describe(files));
}

QByteArray bigEndian32(quint32 value)
{
    QByteArray bytes(4, Qt::Uninitialized);
    qToBigEndian(value, bytes.data());
    return bytes;
}

const QByteArray writeEnd("<WRITEEND>");
const QByteArray fileEnd("<FILEEND>");

// The bytes between a terminator text and a cut-short one at the end, with the
// first four changed until the zlib checksum of the whole begins with '>'.
QByteArray checksumCompletesTerminator(QByteArray bytes)
{
    const QByteArray cutShort = writeEnd.chopped(1);
    for (quint32 n = 0;; ++n) {
        bytes.replace(0, 4, QByteArrayView(reinterpret_cast<const char *>(&n), 4));
        const QByteArray payload = writeEnd + bytes + cutShort;
        quint32 a = 1;
        quint32 b = 0;
        for (const char c : payload) {
            a = (a + uchar(c)) % 65521;
            b = (b + a) % 65521;
        }
        if ((b >> 8) == '>')
            return payload;
    }
}

} // namespace

class TestWire : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void compose_data();
    void compose();
    void parseVocabulary_data();
    void parseVocabulary();
    void parseForms_data();
    void parseForms();
    void parseBounds_data();
    void parseBounds();
    void largeContactListParses();

    void receive_data();
    void receive();
    void receiveMatchesWholeBufferRescan_data();
    void receiveMatchesWholeBufferRescan();
    void receiverRunningEventLoop();
    void burstIsHandedOverInSlices();
    void framesBeforeCloseAreHandedOver();
    void disconnectDropsPartialFrame();
    void endlessFrameDropsConnection();
    void inflatedBatchOverLimitDropsConnection();
    void largeFrameKeepsItsPlace();

    void sendPath_data();
    void sendPath();
    void colonRunsInSentText_data();
    void colonRunsInSentText();
    void batchSplitsBetweenDocuments_data();
    void batchSplitsBetweenDocuments();
    void parseBlock_data();
    void parseBlock();
    void fileFrame_data();
    void fileFrame();
    void frameKeepsTerminatorOut_data();
    void frameKeepsTerminatorOut();
    void unreadableFileSendsNothing_data();
    void unreadableFileSendsNothing();
    void clientSendsRequestsAndFiles();
    void largeRequestKeepsItsPlace();

private:
    ZELTcpSocket *connectClient();

    ZELTestPeer *m_peer = nullptr;
    QTemporaryDir m_dir;
};

void TestWire::initTestCase()
{
    m_peer = new ZELTestPeer(this);
    QVERIFY(m_peer->listen());
    QVERIFY(m_dir.isValid());
}

ZELTcpSocket *TestWire::connectClient()
{
    auto *socket = new ZELTcpSocket(this);
    socket->connectToHost(m_peer->host(), m_peer->port());
    if (!socket->waitForConnected(5000) || !m_peer->waitForConnection())
        return nullptr;
    m_peer->clearRequests();
    return socket;
}

void TestWire::compose_data()
{
    QTest::addColumn<QStringList>("request");
    QTest::addColumn<QString>("expected");

    struct Row { const char *type; int count; const char *children; };
    const Row rows[] = {
        {"LOGIN", 6, "UserName:1 Password:2 Invisible:3 DefaultLoginStatus:4 DefaultStatusMessage:5 RECENTCHATDAYS:6"},
        {"ADDCONTACTREQUEST", 3, "ADDNAME:1 ADDUSERNAME:2 ADDUSERNAME:3"},
        {"MULTIPLEDELETECONTACT", 3, "DELETENAME:1 DELETEUSERNAME:2 DELETEUSERNAME:3"},
        {"UPDATEUSERPROFILE", 2, "USERNAME:1 OldPass:2"},
        {"CHAT", 9, "CHATUSERNAME:1 LOGINNAME:2 MESSAGE:3 SENDSMILEY:4 SENDPICTURE:5 BANNERSTATE:6 PLAINTEXT:7 DISPLAYNAME:8 PASSWORD:9"},
        {"MESSAGEDELIVERED", 3, "USERNAME:1 OldPass:2 NewPass:3"},
        {"CHANGECONFERENCECHAT", 4, "CHATUSERNAME:1 CHATSESSION:2 NewPass:3 DISPLAYNAME:4"},
        {"CHANGEPASSWORD", 3, "USERNAME:1 OldPass:2 NewPass:3"},
        {"USERDETAILS", 1, "USERNAME:1"},
        {"DECIDELATER", 1, "DECIDELATER:1"},
        {"FTPREADY", 7, "CHATUSERNAME:1 LOGINNAME:2 FILENAME:3 FILESIZE:4 ADDBANNER:5 DISPLAYNAME:6 PWDPROTECT:7"},
        {"FTPACCEPT", 3, "LOGINNAME:1 FILENAME:2 FTPRESULT:3"},
        {"FTPSTATUS", 4, "LOGINNAME:1 CHATUSERNAME:2 FTPSTATUS:3 FILENAME:4"},
        {"MESSAGETYPESTATUS", 3, "LOGINNAME:1 CHATUSERNAME:2 TYPESTATUS:3"},
        {"MESSAGERASESTATUS", 3, "LOGINNAME:1 CHATUSERNAME:2 ERASESTATUS:3"},
        {"CONFERENCECHAT", 4, "CHATUSERNAME:1 LOGINNAME:2 INVITECHAT:3 DISPLAYNAME:4"},
        {"CONFERECECHATSTATUS", 5, "LOGINNAME:1 CHATUSERNAME:2 CHATSESSIONNAME:3 STATUS:4 DUSERNAME:5"},
        {"CONFERENCECHATMESSAGE", 9, "LOGINNAME:1 CHATSUBJECT:2 MESSAGE:3 SMILEY:4 SENDPICTURE:5 ADDBANNER:6 PLAINTEXT:7 CHATUSERNAME:7 CHATUSERNAME:8 CHATUSERNAME:9"},
        {"UPDATECONFERENCECHATUSERS", 6, "LOGINNAME:1 CHATSUBJECT:2 NEWUSER:3 USERS:4 CHATUSERNAME:5 CHATUSERNAME:6"},
        {"REMOVECONFERENCECHATUSER", 4, "LOGINNAME:1 CHATSUBJECT:2 USERNAME:3 CONFERENCEUSERS:3 CONFERENCEUSERS:4"},
        {"STOPCONFERENCECHAT", 4, "LOGINNAME:1 CHATSUBJECT:2 CHATUSERNAME:2 CHATUSERNAME:3 CHATUSERNAME:4"},
        {"OFFLINEGROUPMESSAGE", 3, "HTMLMESSAGE:1 PLAINMESSAGE:2 USERSNAME:2 USERSNAME:3"},
        {"ONLINEGROUPMESSAGE", 3, "HTMLMESSAGE:1 PLAINMESSAGE:2 USERSNAME:2 USERSNAME:3"},
        {"CONFERENCECHATFTPREADY", 6, "LOGINNAME:1 CHATSUBJECT:2 FILENAME:3 FILESIZE:4 CHATUSERNAME:5 CHATUSERNAME:6"},
        {"OFFLINEMESSAGEFTPREADY", 4, "LOGINNAME:1 OFFLINEUSER:2 FILENAME:3 FILESIZE:4"},
        {"CONFERENCECHATFTPACCEPT", 4, "LOGINNAME:1 FILENAME:2 FTPRESULT:3 CHATSUBJECT:4"},
        {"CONFERENCECHATFTPSTATUS", 5, "LOGINNAME:1 CHATUSERNAME:2 FTPSTATUS:3 FILENAME:4 CHATSUBJECT:5"},
        {"INVISBLEMODE", 2, "INVISBLEMODE:1 DEFAULTLOGIN:2"},
        {"CHANGESTATUS", 2, "CHANGESTATUS:1 STATUS:2"},
        {"OFFLINEMESSAGE", 5, "RECEIVER:1 SENDER:2 MESSAGE:3 HTMLMESSAGE:4 RMESSAGE:5"},
        {"OFFLINEMESSAGEREAD", 3, "RECEIVER:1 SENDER:2 MESSAGE:3"},
        {"DELETEOFFLINEMESSAGES", 2, "Messages:1 Messages:2"},
        {"ADDREMINDER", 12, "KEY:1 SUBJECT:2 DATETIME:3 STATUS:4 ASSIGNEE:5 GMTTIME:6 KEY:7 SUBJECT:8 DATETIME:9 STATUS:10 ASSIGNEE:11 GMTTIME:12"},
        {"EDITREMINDER", 6, "KEY:1 SUBJECT:2 DATETIME:3 STATUS:4 ASSIGNEE:5 GMT:6"},
        {"DELETEREMINDER", 2, "KEY:1 ASSIGNEE:2"},
        {"SNOOZEREMINDER", 3, "KEY:1 ASSIGNEE:2 DATETIME:3"},
        {"CLOSECHATWINDOW", 3, "CHATUSERNAME:1 LOGINNAME:2 MESSAGE:3"},
        {"CLOSECONFERENCECHATWINDOW", 5, "LOGINNAME:1 CHATSUBJECT:2 CLOSEMESSAGE:3 CHATUSERNAME:3 CHATUSERNAME:4 CHATUSERNAME:5"},
        {"CONFERENCETYPESTATUS", 3, "LOGINNAME:1 CHATSUBJECT:2 CHATUSERNAME:2 CHATUSERNAME:3"},
        {"CONFERENCEERASESTATUS", 3, "LOGINNAME:1 CHATSUBJECT:2 CHATUSERNAME:2 CHATUSERNAME:3"},
        {"CHATOPENED", 2, "LOGINUSERNAME:2 CHATUSER:1"},
        {"CHATHISTORYLIST", 1, "LOGINUSER:1"},
        {"CHATHISTORYDATE", 2, "CONTACTUSERNAME:1 LOGINNAME:2"},
        {"CHATHISTORYDATETOSERVER", 3, "CHATDATEFOLDER:1 LOGINNAME:2 CONTACTNAME:3"},
        {"CONFERENCEHISTORY", 2, "CONFERENCEDATE:1 CONFERENCENAME:2"},
        {"CONFERENCECHATHISTORYNAME", 1, "DATE:1"},
        {"SIGNOUT", 2, "USERNAME:1 STATUSMESSAGE:2"},
        {"UPDATESTATUSMESSAGE", 2, "LOGINSTATUS:1 STATUSMESSAGE:2"},
        {"VOICEMAILREADY", 3, "OFFLINEUSERNAME:1 LOGINNAME:2 FILENAME:3"},
        {"GETVOICEMAIL", 1, "GETVOICEMAIL:1"},
        {"KEEPALIVE", 1, "KEEPALIVE:1"},
        {"OFFLINEFTPACCEPT", 1, "OFFLINEFTPACCEPT:1"},
        {"OFFLINEFTPREJECT", 1, "OFFLINEFTPREJECT:1"},
        {"CHECKVERSION", 1, "CHECKVERSION:1"},
        {"ADDCONTACTAPPROVALSTATUS", 3, "CONTACTNAME:1 LOGINNAME:2 APPROVALSTATUS:3"},
        {"ACCEPTREQUESTEDUSERCONTACTS", 2, "CONTACTNAME:1 LOGINNAME:2"},
        {"REJECTREQUESTEDUSERCONTACTS", 2, "CONTACTNAME:1 LOGINNAME:2"},
        {"ADDCONTACTACCEPTEDLIST", 3, "ADDNAME:1 ADDUSERNAME:2 ADDUSERNAME:3"},
        {"ADDCONTACTREJECTEDLIST", 3, "ADDNAME:1 ADDUSERNAME:2 ADDUSERNAME:3"},
        {"PWDMESSAGEDELIVEREDSTATUS", 5, "LOGINNAME:1 OFFLINEUSER:2 FILENAME:3 FILESIZE:4 INVALID:5"},
    };
    for (const Row &row : rows) {
        const QStringList request = values(row.type, row.count);
        QTest::newRow(row.type) << request << expectedDocument(request, row.children);
    }

    auto add = [](const char *name, const QStringList &request, const QString &children) {
        QTest::newRow(name) << request << expectedDocument(request, children);
    };
    add("ADDCONTACT by keyword", {"ADDCONTACT", "SEARCHKEYWORD", "k"}, "SEARCHKEYWORD:2");
    add("ADDCONTACT by user name", {"ADDCONTACT", "SEARCHUSERNAME", "u"}, "SEARCHUSERNAME:2");
    add("ADDCONTACTREQUEST without users", {"ADDCONTACTREQUEST", "ADDNAME"}, "ADDNAME:1");
    add("STOPCONFERENCECHAT subject only", {"STOPCONFERENCECHAT", "me", "s"},
        "LOGINNAME:1 CHATSUBJECT:2 CHATUSERNAME:2");
    add("DELETEOFFLINEMESSAGES none", {"DELETEOFFLINEMESSAGES"}, "");
    add("extra values are not written", values("KEEPALIVE", 3), "KEEPALIVE:1");
    add("short list writes empty values", values("LOGIN", 1),
        "UserName:1 Password:2 Invisible:3 DefaultLoginStatus:4 DefaultStatusMessage:5 RECENTCHATDAYS:6");
    add("ADDREMINDER incomplete group", values("ADDREMINDER", 8),
        "KEY:1 SUBJECT:2 DATETIME:3 STATUS:4 ASSIGNEE:5 GMTTIME:6 KEY:7 SUBJECT:8 DATETIME:9 STATUS:10 ASSIGNEE:11 GMTTIME:12");
    add("empty value", {"KEEPALIVE", ""}, "KEEPALIVE:1");

    QTest::newRow("exact KEEPALIVE") << QStringList{"KEEPALIVE", "live"}
        << "<!DOCTYPE CLIENT>\n<KEEPALIVE>\n <KEEPALIVE>live</KEEPALIVE>\n</KEEPALIVE>\n";
    QTest::newRow("reserved characters escaped") << QStringList{"USERDETAILS", "a<b&c"}
        << "<!DOCTYPE CLIENT>\n<USERDETAILS>\n <USERNAME>a&lt;b&amp;c</USERNAME>\n</USERDETAILS>\n";
    QTest::newRow("escaped as the document writer escapes")
        << QStringList{"USERDETAILS", "x]]>y]> \"q\" 'a' \r\n\t&&<"}
        << "<!DOCTYPE CLIENT>\n<USERDETAILS>\n <USERNAME>x]]&gt;y]> \"q\" 'a' &#xd;\n\t&amp;&amp;&lt;</USERNAME>\n</USERDETAILS>\n";
    // A value of a million '&' (a profile the server sent, handed back) is written whole.
    QTest::newRow("value of many '&'") << QStringList{"USERDETAILS", QString("a&&").repeated(500000)}
        << "<!DOCTYPE CLIENT>\n<USERDETAILS>\n <USERNAME>" + QString("a&amp;&amp;").repeated(500000)
               + "</USERNAME>\n</USERDETAILS>\n";
    QTest::newRow("unknown type") << QStringList{"NOSUCHREQUEST", "x"} << "<!DOCTYPE CLIENT>\n";
    QTest::newRow("type in other case") << QStringList{"keepalive", "live"} << "<!DOCTYPE CLIENT>\n";
    QTest::newRow("empty list") << QStringList() << "<!DOCTYPE CLIENT>\n";
}

void TestWire::compose()
{
    QFETCH(QStringList, request);
    QFETCH(QString, expected);
    QCOMPARE(ZELXmlCodec().compose(request), expected);
}

void TestWire::parseVocabulary_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<QStringList>("expected");

    // Nine children, each starting with text and holding a nested element, so
    // "text" ("t1n1") and "first text" ("t1") read differently.
    auto generic = [](const QString &tag) {
        QString xml = '<' + tag + '>';
        for (int i = 1; i <= 9; ++i)
            xml += QStringLiteral("<C%1>t%1<N>n%1</N></C%1>").arg(i);
        return xml + "</" + tag + '>';
    };
    // T: fixed N, text; F: fixed N, first text; A: all; W: wrapped.
    const char *rows[][2] = {
        {"LOGIN", "T5"}, {"LOGOUT", "T5"}, {"CHANGESTATUS", "A"}, {"DELETENAME", "T4"},
        {"ONLINEGROUPMESSAGE", "T4"}, {"CHANGECONFERENCECHAT", "T4"}, {"CHANGEPASSWORD", "T2"},
        {"FORGETPWD", "T2"}, {"CHAT", "T9"}, {"FTPREADY", "F7"}, {"FTPSTATUS", "F4"},
        {"DATABASEPROBLEM", "T1"}, {"ANOTHERUSERLOGGED", "T1"}, {"MESSAGETYPESTATUS", "F3"},
        {"MESSAGERASESTATUS", "F3"}, {"CONFERENCECHAT", "T4"}, {"CONFERECECHATSTATUS", "F5"},
        {"UPDATECONFERENCECHATUSERS", "F5"}, {"CONFERENCECHATMESSAGE", "F7"},
        {"REMOVECONFERENCECHATUSER", "F3"}, {"STOPCONFERENCECHAT", "F4"},
        {"CONFERENCECHATFTPREADY", "F5"}, {"CONFERENCECHATFTPSTATUS", "F5"},
        {"OFFLINEMESSAGES", "A"}, {"OFFLINEMESSAGESTATUS", "A"}, {"DELETEOFFLINEMESSAGESTATUS", "T1"},
        {"SELFREMINDERS", "A"}, {"CROSSREMINDERS", "A"}, {"OFFLINEFILEDETAILS", "A"},
        {"ADDCROSSREMINDER", "A"}, {"DELETECROSSREMINDER", "T1"}, {"SNOOZECROSSREMINDER", "A"},
        {"CLOSECHATWINDOW", "F3"}, {"CLOSECONFERENCECHATWINDOW", "F5"}, {"CONFERENCETYPESTATUS", "F2"},
        {"CONFERENCEERASESTATUS", "F2"}, {"CHATHISTORYTOCLIENT", "T3"}, {"CHATHISTORYLIST", "WSAMPLE"},
        {"RECENTCHATUSERLIST", "WUSERSLIST"}, {"VOICEMAILFILEDETAILS", "WFILELIST"},
        {"CHATHISTORYDATE", "WNAMES"}, {"CHATHISTORYFROMSERVER", "T1"},
        {"CHATHISTORYFOROPENNEWWIDGET", "T2"}, {"CONFERENCEHISTORYFROMSERVER", "T1"},
        {"CONFERENCEDATES", "WDATE"}, {"CONFERENCENAMESTOBESENT", "WCONFERENCEFILE"},
        {"FILETRANSFERSTATUS", "T4"}, {"OFFLINEFILETRANSFERSTATUS", "T3"},
        {"CONFERENCEFILETRANSFERSTATUS", "T3"}, {"ADDCONTACTAPPROVALSTATUS", "A"},
        {"APPROVALREQUESTEDUSER", "A"}, {"PRIVILEGEINFO", "A"}, {"APPROVALALERT", "T2"},
        {"VOICECHATINVITATION", "T3"}, {"VOICECHATINVITATIONSTATUS", "T5"}, {"STOPVOICECHAT", "T2"},
        {"STARTVOICECHAT", "T2"}, {"DELETEREMINDERLIST", "T1"}, {"MESSAGEDELIVERED", "T3"},
        {"PWDMESSAGEDELIVEREDSTATUS", "T5"},
    };
    for (const auto &row : rows) {
        const QString tag = row[0];
        const QString form = row[1];
        QStringList expected{tag};
        if (form.startsWith('W')) {
            const QString wrapper = form.mid(1);
            const QString xml = '<' + tag + "><" + wrapper + "><K>k<N>n</N></K><L>l</L><M>m</M></"
                + wrapper + "><Z>z</Z></" + tag + '>';
            QTest::newRow(row[0]) << xml << QStringList{tag, wrapper, "K", "kn", "l", "m"};
            continue;
        }
        const int count = form == "A" ? 9 : form.mid(1).toInt();
        for (int i = 1; i <= count; ++i)
            expected << (form.startsWith('F') ? QStringLiteral("t%1").arg(i)
                                              : QStringLiteral("t%1n%1").arg(i));
        QTest::newRow(row[0]) << generic(tag) << expected;
    }
}

void TestWire::parseVocabulary()
{
    QFETCH(QString, message);
    QFETCH(QStringList, expected);
    QCOMPARE(ZELXmlCodec().parse(message), expected);
}

void TestWire::parseForms_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<QStringList>("expected");

    const QString e;
    QTest::newRow("empty text") << "" << QStringList();
    QTest::newRow("not XML") << "LOGIN SUCCESSLOGIN" << QStringList();
    QTest::newRow("unknown root") << "<NOSUCH><A>a</A></NOSUCH>" << QStringList();
    QTest::newRow("known tag in other case") << "<login><A>a</A></login>" << QStringList();
    QTest::newRow("fixed without children") << "<LOGIN/>" << QStringList{"LOGIN", e, e, e, e, e};
    QTest::newRow("fixed with more children")
        << "<LOGIN><A>1</A><B>2</B><C>3</C><D>4</D><E>5</E><F>6</F><G>7</G></LOGIN>"
        << QStringList{"LOGIN", "1", "2", "3", "4", "5"};
    QTest::newRow("fixed with fewer children") << "<CHAT><A>1</A><B>2</B></CHAT>"
        << QStringList{"CHAT", "1", "2", e, e, e, e, e, e, e};
    QTest::newRow("all without children") << "<CHANGESTATUS></CHANGESTATUS>" << QStringList{"CHANGESTATUS"};
    QTest::newRow("all with three") << "<CHANGESTATUS><A>a</A><B>b</B><C>c</C></CHANGESTATUS>"
        << QStringList{"CHANGESTATUS", "a", "b", "c"};
    QTest::newRow("loose text takes a position") << "<CHANGESTATUS>loose<A>a</A></CHANGESTATUS>"
        << QStringList{"CHANGESTATUS", e, "a"};
    QTest::newRow("comment takes a position") << "<CHANGESTATUS><A>a</A><!-- x --><B>b</B></CHANGESTATUS>"
        << QStringList{"CHANGESTATUS", "a", e, "b"};
    QTest::newRow("first text with element first") << "<FTPSTATUS><A><X>x</X>y</A><B>b</B></FTPSTATUS>"
        << QStringList{"FTPSTATUS", e, "b", e, e};
    QTest::newRow("attributes ignored, doctype ignored")
        << "<!DOCTYPE SERVER><DELETENAME><A k=\"v\">t</A></DELETENAME>" << QStringList{"DELETENAME", "t", e, e, e};
    QTest::newRow("references decoded") << "<DATABASEPROBLEM><A>&lt;&amp;&#233;&#8364;</A></DATABASEPROBLEM>"
        << QStringList{"DATABASEPROBLEM", QString::fromUtf8("<&é€")};
    QTest::newRow("white space") << "<APPROVALALERT><A>   </A><B> x </B></APPROVALALERT>"
        << QStringList{"APPROVALALERT", e, " x "};
    QTest::newRow("indented document") << "<MESSAGEDELIVERED>\n <A>a</A>\n <B>b</B>\n</MESSAGEDELIVERED>\n"
        << QStringList{"MESSAGEDELIVERED", "a", "b", e};

    QTest::newRow("NEWUSER own") << "<NEWUSER><OWN>a&amp;&amp;b<X>c</X></OWN><Z>z</Z></NEWUSER>"
        << QStringList{"NEWUSER", "OWN", "a&&bc"};
    QTest::newRow("NEWUSER others") << "<NEWUSER><OTHERS><U><A>1</A><B>2</B><C>3</C></U>"
                                       "<U><A>4</A><B>5</B><C>6</C></U></OTHERS></NEWUSER>"
        << QStringList{"NEWUSER", "OTHERS", "1", "2", "3", "4", "5", "6"};
    QTest::newRow("NEWUSER others empty") << "<NEWUSER><OTHERS/></NEWUSER>" << QStringList{"NEWUSER", "OTHERS"};
    QTest::newRow("NEWUSER other child") << "<NEWUSER><ALL>x</ALL></NEWUSER>" << QStringList{"NEWUSER"};
    QTest::newRow("NEWUSER without child") << "<NEWUSER/>" << QStringList{"NEWUSER"};

    QTest::newRow("ADDCONTACT user name with NAME")
        << "<ADDCONTACT><SEARCHUSERNAME><NAME>n</NAME><D>d</D><X>x</X></SEARCHUSERNAME></ADDCONTACT>"
        << QStringList{"ADDCONTACT", "SEARCHUSERNAME", "NAME", "n", "d"};
    QTest::newRow("ADDCONTACT user name without NAME")
        << "<ADDCONTACT><SEARCHUSERNAME><FOUND>no</FOUND><D>d</D></SEARCHUSERNAME></ADDCONTACT>"
        << QStringList{"ADDCONTACT", "SEARCHUSERNAME", "FOUND", "no"};
    QTest::newRow("ADDCONTACT keyword")
        << "<ADDCONTACT><SEARCHKEYWORD><A>a</A><B>b</B><C>c</C></SEARCHKEYWORD></ADDCONTACT>"
        << QStringList{"ADDCONTACT", "SEARCHKEYWORD", "a", "b", "c"};
    QTest::newRow("ADDCONTACT add name") << "<ADDCONTACT><ADDNAME><A>a</A></ADDNAME></ADDCONTACT>"
        << QStringList{"ADDCONTACT", "ADDNAME", "a"};
    QTest::newRow("ADDCONTACT other") << "<ADDCONTACT><OTHER><A>a</A></OTHER></ADDCONTACT>"
        << QStringList{"ADDCONTACT", "OTHER"};
    QTest::newRow("ADDCONTACT without child") << "<ADDCONTACT/>" << QStringList{"ADDCONTACT", e};

    QTest::newRow("DELETECONTACT list") << "<DELETECONTACT><DELETELIST>a<B>b</B></DELETELIST></DELETECONTACT>"
        << QStringList{"DELETECONTACT", "DELETELIST", "ab"};
    QTest::newRow("DELETECONTACT other") << "<DELETECONTACT><X>a</X></DELETECONTACT>" << QStringList{"DELETECONTACT"};
    QTest::newRow("DELETECONTACTLISTEMPTY twice")
        << "<DELETECONTACTLISTEMPTY><DELETECONTACTLISTEMPTY/></DELETECONTACTLISTEMPTY>"
        << QStringList{"DELETECONTACTLISTEMPTY", "DELETECONTACTLISTEMPTY"};
    QTest::newRow("DELETECONTACTLISTEMPTY once") << "<DELETECONTACTLISTEMPTY><X/></DELETECONTACTLISTEMPTY>"
        << QStringList{"DELETECONTACTLISTEMPTY"};

    QTest::newRow("wrapped, wrapper without child") << "<CHATHISTORYLIST><SAMPLE/></CHATHISTORYLIST>"
        << QStringList{"CHATHISTORYLIST", "SAMPLE", e, e};
    QTest::newRow("wrapped, other wrapper") << "<CHATHISTORYLIST><OTHER><A>a</A></OTHER></CHATHISTORYLIST>"
        << QStringList{"CHATHISTORYLIST", "OTHER"};
    QTest::newRow("wrapped, no child") << "<CONFERENCEDATES/>" << QStringList{"CONFERENCEDATES", e};

    // A document that is not well-formed says nothing, not a message of empty values.
    QTest::newRow("raw end of a CDATA section") << "<CHAT><A>x]]>y</A><B>b</B></CHAT>" << QStringList();
    QTest::newRow("reference to character 0") << "<CHAT><A>&#0;</A><B>b</B></CHAT>" << QStringList();
    QTest::newRow("entity that names itself")
        << "<!DOCTYPE CHAT [<!ENTITY e '&e;'>]><CHAT><A>&e;</A><B>b</B></CHAT>" << QStringList();
    QTest::newRow("entity not declared")
        << "<!DOCTYPE CHAT [<!ENTITY e 'x'>]><CHAT><A>&f;</A><B>b</B></CHAT>" << QStringList();
    QTest::newRow("text after the root element stays readable")
        << "<DELETECONTACT><DELETELIST>a</DELETELIST></DELETECONTACT>\nAnn,ann,Dev,"
        << QStringList{"DELETECONTACT", "DELETELIST", "a"};
    QTest::newRow("entity that opens an element")
        << "<!DOCTYPE CHAT [<!ENTITY e '<A>'>]><CHAT>&e;</A><B>b</B></CHAT>" << QStringList();
}

void TestWire::parseForms()
{
    QFETCH(QString, message);
    QFETCH(QStringList, expected);
    QCOMPARE(ZELXmlCodec().parse(message), expected);
}

// A document deeper or wider than any message is refused before a tree is
// built, as one that does not parse; one at the bounds reads as before.
void TestWire::parseBounds_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<QStringList>("expected");

    const QString e;
    const QStringList chatX{"CHAT", "x", e, e, e, e, e, e, e, e};
    // CHAT and its first child, then nested elements around "x": `depth` in all.
    const auto nested = [](int depth) {
        return "<CHAT><A>" + QString("<b>").repeated(depth - 2) + 'x' + QString("</b>").repeated(depth - 2)
            + "</A></CHAT>";
    };
    const auto attributes = [](int count) {
        QString list;
        for (int i = 0; i < count; ++i)
            list += QStringLiteral(" a%1='v=>'").arg(i);
        return list;
    };
    const int depth = ZELXmlBounds::MaxDepth;
    const int width = ZELXmlBounds::MaxAttributes;

    QTest::newRow("depth at the bound") << nested(depth) << chatX;
    QTest::newRow("depth over the bound") << nested(depth + 1) << QStringList();
    QTest::newRow("depth far over the bound") << nested(100000) << QStringList();
    QTest::newRow("attributes on the root at the bound")
        << "<CHAT" + attributes(width) + "><A>x</A></CHAT>" << chatX;
    QTest::newRow("attributes on the root over the bound")
        << "<CHAT" + attributes(width + 1) + "><A>x</A></CHAT>" << QStringList();
    QTest::newRow("attributes on the root far over the bound")
        << "<CHAT" + attributes(100000) + "><A>x</A></CHAT>" << QStringList();
    QTest::newRow("attributes on an empty child over the bound")
        << "<CHAT><A>x</A><B" + attributes(width + 1) + "/></CHAT>" << QStringList();
    // Entities of an internal subset may expand into markup no scan of the text sees.
    QTest::newRow("entity that expands into nesting")
        << "<!DOCTYPE CHAT [<!ENTITY n '<b><b><b>x</b></b></b>'>]><CHAT><A>&n;</A></CHAT>" << QStringList();
    // With an external subset named, every unknown reference becomes a node.
    QTest::newRow("references over the node bound")
        << "<!DOCTYPE CHAT SYSTEM 'x'><CHAT><A>" + QString("&r;").repeated(ZELXmlBounds::MaxNodes) + "</A></CHAT>"
        << QStringList();
    QTest::newRow("comments over the node bound")
        << "<CHAT><A>x</A></CHAT>" + QString("<!---->").repeated(ZELXmlBounds::MaxNodes) << QStringList();
    // What the reader does not read does not count: text after the root element.
    QTest::newRow("deep markup after the root element")
        << "<DELETECONTACT><DELETELIST>a</DELETELIST></DELETECONTACT>\nAnn,ann," + QString("<b>").repeated(depth + 1)
        << QStringList{"DELETECONTACT", "DELETELIST", "a"};
}

void TestWire::parseBounds()
{
    QFETCH(QString, message);
    QFETCH(QStringList, expected);
    QCOMPARE(ZELXmlCodec().parse(message), expected);
}

// A list of 50,000 contacts sent as records, the way the server writes it.
void TestWire::largeContactListParses()
{
    constexpr int contacts = 50000;
    QList<ZELTestPeer::Node> records;
    records.reserve(contacts);
    for (int i = 0; i < contacts; ++i) {
        const QString user = QStringLiteral("user%1").arg(i);
        records << ZELTestPeer::Node("USER", {ZELTestPeer::Node("NAME", user),
                                              ZELTestPeer::Node("STATE", i % 2 ? "Offline" : "Online"),
                                              ZELTestPeer::Node("DEPARTMENT", "Department"),
                                              ZELTestPeer::Node("DISPLAYNAME", "Contact " + user),
                                              ZELTestPeer::Node("PROFILE", "Engineer&&Company"),
                                              ZELTestPeer::Node("MESSAGE", "Working"),
                                              ZELTestPeer::Node("STATUS", "Online"),
                                              ZELTestPeer::Node("APPROVAL", "APPROVED")});
    }
    const QString list = ZELTestPeer::messageTree("NEWUSER", {ZELTestPeer::Node("OTHERS", records)});
    const QStringList parsed = ZELXmlCodec().parse(list);
    QCOMPARE(parsed.size(), 2 + 8 * contacts);
    QCOMPARE(parsed.mid(0, 4), QStringList({"NEWUSER", "OTHERS", "user0", "Online"}));
    QCOMPARE(parsed.last(), QString("APPROVED"));
    QCOMPARE(parsed.at(2 + 8 * (contacts - 1)), QString("user%1").arg(contacts - 1));
}

void TestWire::receive_data()
{
    QTest::addColumn<QList<QByteArray>>("reads");
    QTest::addColumn<QStringList>("expected"); // "read|text block|file block" per hand-over

    const QByteArray a = ZELTestPeer::textFrame("<A/>");
    const QByteArray b = ZELTestPeer::textFrame("<B>b</B>");
    const QByteArray f = ZELTestPeer::fileFrame("file one");
    const QByteArray g = ZELTestPeer::fileFrame("file two");
    const QByteArray bad = QByteArray("\0\0\0\x05not zlib", 12) + writeEnd;
    using Reads = QList<QByteArray>;

    QTest::newRow("one frame") << Reads{a} << QStringList{"0|<A/>:::|"};
    QTest::newRow("two text frames in one read") << Reads{a + b}
        << QStringList{"0|<A/>:::|", "0|<B>b</B>:::|"};
    QTest::newRow("one frame per read") << Reads{a, b} << QStringList{"0|<A/>:::|", "1|<B>b</B>:::|"};
    QTest::newRow("text and file in one read") << Reads{a + f}
        << QStringList{"0|<A/>:::|", "0||file one<FILEEND>"};
    QTest::newRow("two file frames") << Reads{f + g}
        << QStringList{"0||file one<FILEEND>", "0||file two<FILEEND>"};
    QTest::newRow("file marker inside a text") << Reads{ZELTestPeer::frame("<A><![CDATA[<FILEEND>]]></A>")}
        << QStringList{"0|<A><![CDATA[<FILEEND>]]></A>:::|"};
    QTest::newRow("complete frame does not wait for the split one") << Reads{a + b.left(7), b.mid(7)}
        << QStringList{"0|<A/>:::|", "1|<B>b</B>:::|"};
    const int cuts[] = {1, 4, 6, int(b.size()) - 10, int(b.size()) - 9, int(b.size()) - 5, int(b.size()) - 1};
    for (int cut : cuts) {
        QTest::addRow("frame split at %d of %d", cut, int(b.size())) << Reads{b.left(cut), b.mid(cut)}
            << QStringList{"1|<B>b</B>:::|"};
    }
    QTest::newRow("split in the terminator, next frame in the same read")
        << Reads{a.chopped(3), a.right(3) + b} << QStringList{"1|<A/>:::|", "1|<B>b</B>:::|"};
    QTest::newRow("three reads, file then text") << Reads{f.left(5), f.mid(5, 10), f.mid(15) + a}
        << QStringList{"2||file one<FILEEND>", "2|<A/>:::|"};
    QTest::newRow("no terminator") << Reads{"no frame here"} << QStringList();
    // A piece that does not decompress carries nothing and holds nothing back.
    QTest::newRow("no terminator, then the rest") << Reads{"junk", writeEnd + a} << QStringList{"1|<A/>:::|"};
    QTest::newRow("two terminators in a row") << Reads{a + writeEnd + b}
        << QStringList{"0|<A/>:::|", "0|<B>b</B>:::|"};
    QTest::newRow("empty piece alone") << Reads{writeEnd} << QStringList();
    QTest::newRow("bad frame first") << Reads{bad + a} << QStringList{"0|<A/>:::|"};
    QTest::newRow("bad last frame holds nothing back") << Reads{a + bad, b}
        << QStringList{"0|<A/>:::|", "1|<B>b</B>:::|"};
    QTest::newRow("empty payload last") << Reads{a + ZELTestPeer::frame(""), b}
        << QStringList{"0|<A/>:::|", "1|<B>b</B>:::|"};

    // Refused sizes count as frames that do not decompress.
    const qsizetype limit = ZELTcpSocket::MaxFramePayload;
    const QByteArray small = qCompress(QByteArray("<S/>"), 9);
    QTest::newRow("header claims more than the limit")
        << Reads{bigEndian32(quint32(limit + 1)) + small.mid(4) + writeEnd + a} << QStringList{"0|<A/>:::|"};
    QTest::newRow("header claims the limit") << Reads{bigEndian32(quint32(limit)) + small.mid(4) + writeEnd}
        << QStringList{"0|<S/>:::|"};
    const QByteArray atLimit = qCompress(QByteArray(limit, 'x'), 9);
    QTest::newRow("payload at the limit") << Reads{atLimit + writeEnd}
        << QStringList{handover(0, QByteArray(limit, 'x') + ":::", QByteArray())};
    const QByteArray overLimit = qCompress(QByteArray(limit + 1, 'x'), 9);
    QTest::newRow("inflates past the limit behind a small header")
        << Reads{bigEndian32(100) + overLimit.mid(4) + writeEnd + a} << QStringList{"0|<A/>:::|"};
    QTest::newRow("inflates past the limit, honest header") << Reads{overLimit + writeEnd + a}
        << QStringList{"0|<A/>:::|"};

    // A large file arriving in many reads is handed over once, with the read that ends it.
    const QByteArray file = randomBytes(2 * 1024 * 1024, 7);
    const QByteArray fileFrame = ZELTestPeer::fileFrame(file);
    Reads reads;
    for (qsizetype at = 0; at < fileFrame.size(); at += 64 * 1024)
        reads << fileFrame.mid(at, 64 * 1024);
    QTest::newRow("2 MiB file in 64 KiB reads") << reads
        << QStringList{handover(int(reads.size()) - 1, QByteArray(), file + fileEnd)};
}

void TestWire::receive()
{
    QFETCH(QList<QByteArray>, reads);
    QFETCH(QStringList, expected);

    ZELTcpSocket *client = connectClient();
    QVERIFY(client);
    int read = -1;
    QStringList handovers;
    connect(client, &ZELTcpSocket::sendDataToClient, this,
            [&](QByteArray &text, QByteArray &files) { handovers << handover(read, text, files); });
    QSignalSpy readyRead(client, &QIODevice::readyRead);

    for (read = 0; read < reads.size(); ++read) {
        const int before = readyRead.count();
        m_peer->sendRaw(reads.at(read));
        QTRY_VERIFY(readyRead.count() > before);
        // What this read completes is handed over before the next read goes
        // out, however slowly a loaded machine gets to it.
        const auto due = std::count_if(expected.cbegin(), expected.cend(), [read](const QString &entry) {
            return entry.section(QLatin1Char('|'), 0, 0).toInt() <= read;
        });
        QTRY_VERIFY(handovers.size() >= due);
        QTest::qWait(10); // let a read that the kernel split land before the next one
    }
    read = int(reads.size()) - 1; // the tail of the last read may still be on its way
    QTRY_COMPARE(handovers, expected);
    delete client;
}

// The receive rule stated plainly: on every read, cut every complete frame off
// the front of the buffer, and hand over, on its own, each one that
// decompresses to something.
class RescanReceiver
{
public:
    QStringList handovers;

    void read(int index, const QByteArray &bytes)
    {
        m_buffer += bytes;
        qsizetype at;
        while ((at = m_buffer.indexOf(writeEnd)) >= 0) {
            // A header claiming more than the limit is refused without inflating.
            const QByteArray piece = m_buffer.left(at);
            const bool refused = piece.size() >= 4 && qFromBigEndian<quint32>(piece.constData())
                                                          > quint32(ZELTcpSocket::MaxFramePayload);
            const QByteArray payload = refused ? QByteArray() : qUncompress(piece);
            m_buffer.remove(0, at + writeEnd.size());
            if (payload.isEmpty())
                continue;
            if (payload.endsWith(fileEnd))
                handovers << handover(index, QByteArray(), payload);
            else
                handovers << handover(index, payload + ":::", QByteArray());
        }
    }

private:
    QByteArray m_buffer;
};

void TestWire::receiveMatchesWholeBufferRescan_data()
{
    QTest::addColumn<QByteArray>("stream");
    QTest::addColumn<int>("splits"); // 0: every two-read split; -1: byte by byte; n: n random splits, 200 times

    const QByteArray a = ZELTestPeer::textFrame("<A>a</A>");
    const QByteArray b = ZELTestPeer::textFrame(QString(300, 'b'));
    const QByteArray f = ZELTestPeer::fileFrame("file<WRITEEND>data");
    const QByteArray nearMisses = "x<WRITE" + writeEnd + "<<WRITEEND>" + "<WRITEEN<WRITEEND>";
    // Bytes after the end of the stream are ignored; a wrong checksum spoils the frame.
    const QByteArray trailing = qCompress(QByteArray("<T>t</T>"), 9) + "tail" + writeEnd;
    QByteArray badChecksum = qCompress(QByteArray("<U>u</U>"), 9);
    badChecksum[badChecksum.size() - 1] = char(badChecksum.at(badChecksum.size() - 1) ^ 1);
    badChecksum += writeEnd;
    const QByteArray mixed = a + f + writeEnd + b + "junk" + writeEnd + a + ZELTestPeer::frame("") + f + a
        + nearMisses + trailing + badChecksum + b + a.left(9);
    QTest::newRow("every two-read split") << mixed << 0;
    QTest::newRow("byte by byte") << mixed << -1;
    QTest::newRow("random reads") << mixed + a << 6;
    QTest::newRow("terminator fragments only") << QByteArray("<WRITE<WRITEEN<<WRITEEND>>") + a + "<WRITEEND" << 0;
}

void TestWire::receiveMatchesWholeBufferRescan()
{
    QFETCH(QByteArray, stream);
    QFETCH(int, splits);

    QList<QList<QByteArray>> cases;
    if (splits == 0) {
        for (qsizetype cut = 0; cut <= stream.size(); ++cut)
            cases.append({stream.left(cut), stream.mid(cut)});
    } else if (splits < 0) {
        QList<QByteArray> bytes;
        for (char c : stream)
            bytes << QByteArray(1, c);
        cases.append(bytes);
    } else {
        QRandomGenerator generator(11);
        for (int run = 0; run < 200; ++run) {
            QList<qsizetype> cuts;
            for (int i = 0; i < splits; ++i)
                cuts << generator.bounded(stream.size() + 1);
            std::sort(cuts.begin(), cuts.end());
            QList<QByteArray> reads;
            qsizetype from = 0;
            for (qsizetype cut : cuts) {
                reads << stream.mid(from, cut - from);
                from = cut;
            }
            reads << stream.mid(from);
            cases.append(reads);
        }
    }

    // The plain rescan decompresses broken pieces with qUncompress, which complains.
    QLoggingCategory::setFilterRules(QStringLiteral("default.warning=false"));
    for (const QList<QByteArray> &reads : cases) {
        RescanReceiver expected;
        ZELTcpSocket socket;
        QStringList actual;
        int index = 0;
        connect(&socket, &ZELTcpSocket::sendDataToClient, &socket,
                [&](QByteArray &text, QByteArray &files) { actual << handover(index, text, files); });
        for (index = 0; index < reads.size(); ++index) {
            expected.read(index, reads.at(index));
            socket.processReceivedBytes(reads.at(index));
        }
        if (actual != expected.handovers) {
            QLoggingCategory::setFilterRules(QString());
            QStringList sizes;
            for (const QByteArray &read : reads)
                sizes << QString::number(read.size());
            QCOMPARE(actual.join('\n'), expected.handovers.join('\n') + "\nreads: " + sizes.join(' '));
        }
    }
    QLoggingCategory::setFilterRules(QString());
}

void TestWire::receiverRunningEventLoop()
{
    ZELTcpSocket *client = connectClient();
    QVERIFY(client);
    QStringList handovers;
    connect(client, &ZELTcpSocket::sendDataToClient, this, [&](QByteArray &text, QByteArray &) {
        handovers << QString::fromLatin1(text);
        if (handovers.size() == 1) {
            // The next batch arrives while this one is still being handled; the
            // socket does not signal readyRead again for it.
            m_peer->sendText("<B>b</B>");
            ZELTestPeer::waitUntil([&] { return client->bytesAvailable() > 0; }, 5000);
            text += "changed by the receiver";
        }
    });
    m_peer->sendText("<A/>");
    QTRY_COMPARE(handovers, QStringList({"<A/>:::", "<B>b</B>:::"}));
    m_peer->sendText("<C/>");
    QTRY_COMPARE(handovers, QStringList({"<A/>:::", "<B>b</B>:::", "<C/>:::"}));
    delete client;
}

// A long run of frames arriving at once is handed over in slices with the
// event loop running in between, in order, none lost; reading goes on after.
void TestWire::burstIsHandedOverInSlices()
{
    ZELTcpSocket *client = connectClient();
    QVERIFY(client);
    QStringList handovers;
    int turnsBetween = 0;
    int turnsSeen = 0;
    QTimer turn;
    turn.setInterval(0);
    connect(&turn, &QTimer::timeout, this, [&] { ++turnsSeen; });
    connect(client, &ZELTcpSocket::sendDataToClient, this, [&](QByteArray &text, QByteArray &) {
        if (!handovers.isEmpty() && turnsSeen > 0)
            ++turnsBetween;
        turnsSeen = 0;
        handovers << QString::fromLatin1(text);
        QThread::msleep(4); // a receiver that takes its time
    });
    QStringList frames;
    QStringList expected;
    for (int i = 0; i < 60; ++i) {
        frames << QStringLiteral("<M>%1</M>").arg(i);
        expected << frames.last() + ":::";
    }
    turn.start();
    m_peer->sendTexts(frames); // one write: usually one read
    QTRY_COMPARE_WITH_TIMEOUT(handovers.size(), 60, 10000);
    QCOMPARE(handovers, expected);
    // 60 x 4 ms is several slices' worth: the event loop ran between them.
    QVERIFY(turnsBetween >= 60 * 4 / ZELTcpSocket::SliceMilliseconds - 1);
    m_peer->sendText("<after/>");
    QTRY_COMPARE(handovers.last(), QString("<after/>:::"));
    delete client;
}

// Frames that arrived complete before the server closed the connection are
// still handed over, before the socket reports the loss.
void TestWire::framesBeforeCloseAreHandedOver()
{
    ZELTcpSocket *client = connectClient();
    QVERIFY(client);
    QStringList events;
    connect(client, &ZELTcpSocket::sendDataToClient, this, [&](QByteArray &text, QByteArray &) {
        events << QString::fromLatin1(text);
        QThread::msleep(5);
    });
    connect(client, &ZELTcpSocket::disconnectedSignal, this, [&] { events << "lost"; });
    QStringList frames;
    for (int i = 0; i < 30; ++i)
        frames << QStringLiteral("<M>%1</M>").arg(i);
    m_peer->sendTexts(frames);
    m_peer->dropConnection();
    QTRY_COMPARE_WITH_TIMEOUT(events.size(), 31, 10000);
    QCOMPARE(events.first(), QString("<M>0</M>:::"));
    QCOMPARE(events.at(29), QString("<M>29</M>:::"));
    QCOMPARE(events.last(), QString("lost"));
    delete client;
}

void TestWire::disconnectDropsPartialFrame()
{
    ZELTcpSocket *client = connectClient();
    QVERIFY(client);
    QStringList handovers;
    connect(client, &ZELTcpSocket::sendDataToClient, this,
            [&](QByteArray &text, QByteArray &files) { handovers << handover(0, text, files); });
    QSignalSpy disconnected(client, &ZELTcpSocket::disconnectedSignal);

    const QByteArray a = ZELTestPeer::textFrame("<A/>");
    QSignalSpy readyRead(client, &QIODevice::readyRead);
    m_peer->sendRaw(ZELTestPeer::textFrame("<HALF/>").left(12));
    QTRY_VERIFY(!readyRead.isEmpty());
    m_peer->dropConnection();
    QTRY_COMPARE(disconnected.count(), 1);
    QTest::qWait(50);
    QCOMPARE(disconnected.count(), 1);

    // The same socket connects again: the half frame must not prefix the next one.
    client->connectToHost(m_peer->host(), m_peer->port());
    QVERIFY(client->waitForConnected(5000));
    QVERIFY(m_peer->waitForConnection());
    m_peer->sendRaw(a);
    QTRY_COMPARE(handovers, QStringList{"0|<A/>:::|"});
    delete client;
}

void TestWire::endlessFrameDropsConnection()
{
    ZELTcpSocket *client = connectClient();
    QVERIFY(client);
    int handovers = 0;
    connect(client, &ZELTcpSocket::sendDataToClient, this, [&](QByteArray &, QByteArray &) { ++handovers; });
    QSignalSpy disconnected(client, &ZELTcpSocket::disconnectedSignal);

    const QByteArray chunk(4 * 1024 * 1024, 'x');
    const qsizetype chunks = ZELTcpSocket::MaxPartialFrame / chunk.size() + 1;
    for (qsizetype i = 0; i < chunks && disconnected.isEmpty(); ++i) {
        m_peer->sendRaw(chunk);
        ZELTestPeer::waitUntil([&] { return !disconnected.isEmpty(); }, 20);
    }
    QTRY_COMPARE_WITH_TIMEOUT(disconnected.count(), 1, 20000);
    QCOMPARE(client->state(), QAbstractSocket::UnconnectedState);
    QVERIFY(m_peer->waitForDisconnection());
    QCOMPARE(handovers, 0);
    delete client;
}

void TestWire::inflatedBatchOverLimitDropsConnection()
{
    ZELTcpSocket *client = connectClient();
    QVERIFY(client);
    int handovers = 0;
    connect(client, &ZELTcpSocket::sendDataToClient, this, [&](QByteArray &, QByteArray &) { ++handovers; });
    QSignalSpy disconnected(client, &ZELTcpSocket::disconnectedSignal);

    // Frames of a few dozen kilobytes each, inflating to the frame limit, all in
    // one read: they are decoded before any is handed over, so all of it is held.
    const QByteArray bomb = qCompress(QByteArray(ZELTcpSocket::MaxFramePayload, 'x'), 9) + writeEnd;
    QByteArray stream;
    for (qsizetype held = 0; held <= ZELTcpSocket::MaxHeldBatch; held += ZELTcpSocket::MaxFramePayload)
        stream += bomb;
    stream += bomb.left(20);
    QVERIFY(stream.size() < ZELTcpSocket::MaxPartialFrame / 100);
    client->processReceivedBytes(stream);

    QTRY_COMPARE(disconnected.count(), 1);
    QCOMPARE(client->state(), QAbstractSocket::UnconnectedState);
    QVERIFY(m_peer->waitForDisconnection());
    QCOMPARE(handovers, 0);
    delete client;
}

// A frame far larger than a read, decoded and parsed aside, is handed over
// whole, with its parsed message, between the frames sent before and after it
// in the same write, and the frames after it wait for it.
void TestWire::largeFrameKeepsItsPlace()
{
    ZELTcpSocket *client = connectClient();
    QVERIFY(client);
    client->setParsesMessages(true);
    QStringList handovers;
    QList<QStringList> parsed;
    connect(client, &ZELTcpSocket::sendDataToClient, this,
            [&](QByteArray &text, QByteArray &files, const QList<QStringList> &messages) {
                handovers << handover(0, text, files);
                parsed += messages;
            });

    QString word(6 * 1024 * 1024, QLatin1Char('w'));
    word[12345] = QChar(0x4E16); // outside Latin-1: a character reference on the wire
    const QString big = ZELTestPeer::message("CHATHISTORYFROMSERVER", {{"HISTORY", word}});
    m_peer->sendTexts({"<FTPSTATUS><A>a</A></FTPSTATUS>", big, "<FTPSTATUS><C>c</C></FTPSTATUS>"});
    m_peer->sendText("<FTPSTATUS><D>d</D></FTPSTATUS>");
    QTRY_COMPARE_WITH_TIMEOUT(handovers.size(), 4, 60000);
    QCOMPARE(handovers.at(0), handover(0, "<FTPSTATUS><A>a</A></FTPSTATUS>:::", QByteArray()));
    QCOMPARE(handovers.at(1), handover(0, ZELTcpSocket::toLatin1WithCharacterReferences(big) + ":::", QByteArray()));
    QCOMPARE(handovers.at(2), handover(0, "<FTPSTATUS><C>c</C></FTPSTATUS>:::", QByteArray()));
    QCOMPARE(handovers.at(3), handover(0, "<FTPSTATUS><D>d</D></FTPSTATUS>:::", QByteArray()));
    QCOMPARE(parsed.size(), 4);
    QCOMPARE(parsed.at(0), QStringList({"FTPSTATUS", "a", "", "", ""}));
    QCOMPARE(parsed.at(1).size(), 2);
    QCOMPARE(parsed.at(1).at(0), QString("CHATHISTORYFROMSERVER"));
    QVERIFY(parsed.at(1).at(1) == word);
    QCOMPARE(parsed.at(2), QStringList({"FTPSTATUS", "c", "", "", ""}));
    QCOMPARE(parsed.at(3), QStringList({"FTPSTATUS", "d", "", "", ""}));
    delete client;
}

void TestWire::sendPath_data()
{
    QTest::addColumn<QStringList>("request");
    QTest::addColumn<QByteArray>("payloadContains");

    QTest::newRow("plain") << QStringList{"KEEPALIVE", "live"} << QByteArray("<KEEPALIVE>live</KEEPALIVE>");
    QTest::newRow("Latin-1 kept as bytes") << QStringList{"USERDETAILS", QString::fromUtf8("Grüße é ÿ")}
        << QString::fromUtf8("Grüße é ÿ").toLatin1();
    QTest::newRow("reserved characters") << QStringList{"USERDETAILS", "a<b&c>d"} << QByteArray("a&lt;b&amp;c>d");
    QTest::newRow("euro sign") << QStringList{"USERDETAILS", QString::fromUtf8("5 € net")}
        << QByteArray("5 &#8364; net");
    QTest::newRow("outside the basic plane") << QStringList{"USERDETAILS", QString::fromUtf8("x😀y")}
        << QByteArray("x&#128512;y");
    QTest::newRow("mixed scripts") << QStringList{"CHAT", "u", "me", QString::fromUtf8("Привет, 世界, ü")}
        << QByteArray("&#1055;&#1088;&#1080;&#1074;&#1077;&#1090;, &#19990;&#30028;, \xfc");
    QTest::newRow("unknown type") << QStringList{"NOSUCHREQUEST", "x"} << QByteArray("<!DOCTYPE CLIENT>\n");
}

void TestWire::sendPath()
{
    QFETCH(QStringList, request);
    QFETCH(QByteArray, payloadContains);

    const QString xml = ZELXmlCodec().compose(request);
    const QByteArray frame = ZELTcpSocket::textFrame(xml);
    QVERIFY(frame.endsWith(writeEnd));
    QCOMPARE(quint8(frame.at(4)), quint8(0x78));
    QCOMPARE(quint8(frame.at(5)), quint8(0xda)); // level 9
    const QByteArray payload = qUncompress(frame.chopped(writeEnd.size()));
    QVERIFY2(payload.contains(payloadContains), payload.constData());
    if (QString::fromLatin1(xml.toLatin1()) == xml)
        QCOMPARE(payload, xml.toLatin1()); // Latin-1 text goes out byte for byte

    ZELTcpSocket *client = connectClient();
    QVERIFY(client);
    client->sendDataToServer(frame);
    const bool known = xml != QLatin1String("<!DOCTYPE CLIENT>\n");
    const ZELTestPeer::Request received = m_peer->waitForRequest(known ? request.at(0) : QString());
    QVERIFY(received.isValid());
    if (known) {
        // The server's reader restores every character from its reference.
        const ZELTestPeer::Request expected = ZELTestPeer::decodeRequest(xml);
        QCOMPARE(received.fields, expected.fields);
    }
    delete client;
}

// The server splits what it receives at ":::": a run of colons typed in a text
// goes out so that it never reads as one, and is read back whole.
void TestWire::colonRunsInSentText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("written");

    QTest::newRow("three") << ":::" << QByteArray("::&#58;");
    QTest::newRow("six") << "::::::" << QByteArray("::&#58;::&#58;");
    QTest::newRow("four") << "a::::b" << QByteArray("a::&#58;:b");
    QTest::newRow("two runs") << "x:::y:::z" << QByteArray("x::&#58;y::&#58;z");
    QTest::newRow("two colons stay") << "a::b: c" << QByteArray("a::b: c");
    QTest::newRow("beside other characters") << QString::fromUtf8("€:::<&>") << QByteArray("&#8364;::&#58;&lt;&amp;>");
}

void TestWire::colonRunsInSentText()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, written);

    QStringList chat{"CHAT", "ravi", "anita", text, "FALSE", "FALSE", "FALSE", text, "Anita", ""};
    const QString xml = ZELXmlCodec().compose(chat);
    const QByteArray payload = qUncompress(ZELTcpSocket::textFrame(xml).chopped(writeEnd.size()));
    QVERIFY2(!payload.contains(":::"), payload.constData());
    QVERIFY2(payload.contains("<MESSAGE>" + written + "</MESSAGE>"), payload.constData());
    // Only the colons changed: every other byte goes out as before.
    QCOMPARE(QByteArray(payload).replace("&#58;", ":"),
             ZELTcpSocket::toLatin1WithCharacterReferences(xml));

    // The server's reader, after its own split, gets every field back.
    QCOMPARE(ZELXmlCodec::splitBatch(payload + ":::").size(), 2);
    const ZELTestPeer::Request request = ZELTestPeer::decodeRequest(QString::fromLatin1(payload));
    QCOMPARE(request.value("MESSAGE"), text);
    QCOMPARE(request.value("PLAINTEXT"), text);
    QCOMPARE(request.value("DISPLAYNAME"), QString("Anita"));
}

// A received block splits only where one document ends and the next begins.
void TestWire::batchSplitsBetweenDocuments_data()
{
    QTest::addColumn<QByteArray>("block");
    QTest::addColumn<QStringList>("pieces");

    const QByteArray a = "<A>\n <M>x</M>\n</A>\n";
    const QByteArray b = "<!DOCTYPE SERVER>\n<B/>\n";
    QTest::newRow("empty") << QByteArray() << QStringList{""};
    QTest::newRow("two documents") << a + ":::" + b + ":::" << QStringList{a, b, ""};
    QTest::newRow("three colons in a text") << "<A><M>:::</M></A>:::" + b + ":::"
                                            << QStringList{"<A><M>:::</M></A>", b, ""};
    QTest::newRow("six colons in a text") << "<A><M>::::::</M></A>:::" + b + ":::"
                                          << QStringList{"<A><M>::::::</M></A>", b, ""};
    QTest::newRow("in an attribute, a comment, markup")
        << "<A x=':::' y=\">:::\"><!-- ::: --><![CDATA[:::]]><?p :::?></A>:::" + b + ":::"
        << QStringList{"<A x=':::' y=\">:::\"><!-- ::: --><![CDATA[:::]]><?p :::?></A>", b, ""};
    QTest::newRow("document type with a subset")
        << QByteArray("<!DOCTYPE S [<!ENTITY e ':::>'>]><S>:::</S>:::") + b
        << QStringList{"<!DOCTYPE S [<!ENTITY e ':::>'>]><S>:::</S>", b};
    QTest::newRow("empty frame between") << a + "::::::" + b + ":::" << QStringList{a, "", b, ""};
    QTest::newRow("not XML between") << a + ":::hello:::" + b + ":::" << QStringList{a, "hello", b, ""};
    // A piece that is no whole document cannot say where it ends: from there on
    // the block splits at every separator, as a frame cut short must not swallow
    // the messages after it.
    QTest::newRow("tag not closed") << a + ":::<broken:::" + b + ":::" << QStringList{a, "<broken", b, ""};
    QTest::newRow("element not closed") << a + ":::<C>x:::" + b + ":::" << QStringList{a, "<C>x", b, ""};
}

void TestWire::batchSplitsBetweenDocuments()
{
    QFETCH(QByteArray, block);
    QFETCH(QStringList, pieces);
    QCOMPARE(ZELXmlCodec::splitBatch(block), pieces);
}

// Every message of a block that parses is handed on, whatever stands between.
void TestWire::parseBlock_data()
{
    QTest::addColumn<QByteArray>("block");
    QTest::addColumn<QStringList>("messages"); // each message's values joined by '|'

    const QByteArray a = "<CHANGESTATUS><A>a</A></CHANGESTATUS>";
    const QByteArray b = "<!DOCTYPE SERVER>\n<DATABASEPROBLEM><M>b</M></DATABASEPROBLEM>\n";
    const QStringList both{"CHANGESTATUS|a", "DATABASEPROBLEM|b"};
    QTest::newRow("two documents") << a + ":::" + b + ":::" << both;
    QTest::newRow("empty piece between") << a + "::::::" + b + ":::" << both;
    QTest::newRow("empty piece first") << ":::" + a + ":::" + b + ":::" << both;
    QTest::newRow("unparseable between") << a + ":::<CHAT><A>]]></A></CHAT>:::" + b + ":::" << both;
    QTest::newRow("unparseable and empty between") << a + ":::<CHAT>&#0;</CHAT>::::::" + b + ":::" << both;
    QTest::newRow("text between") << a + ":::hello:::" + b + ":::" << both;
    QTest::newRow("too deep between")
        << a + ":::<CHAT><A>" + QByteArray("<b>").repeated(ZELXmlBounds::MaxDepth - 1) + 'x'
               + QByteArray("</b>").repeated(ZELXmlBounds::MaxDepth - 1) + "</A></CHAT>:::" + b + ":::"
        << both;
}

void TestWire::parseBlock()
{
    QFETCH(QByteArray, block);
    QFETCH(QStringList, messages);
    QStringList parsed;
    for (const QStringList &message : ZELXmlCodec::parseBlock(block))
        parsed << message.join('|');
    QCOMPARE(parsed, messages);
}

void TestWire::fileFrame_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("one byte") << QByteArray("\0", 1);
    QTest::newRow("text holding the markers") << QByteArray("a<WRITEEND>b<FILEEND>c");
    QTest::newRow("300 KB of random bytes") << randomBytes(300 * 1000, 3);
    // Stored as it is by the compressor, the terminator text must not reach the wire whole.
    QTest::newRow("random bytes holding the terminator text")
        << writeEnd + randomBytes(50000, 4) + writeEnd + writeEnd + randomBytes(90000, 6) + "<WRITEEND";
}

void TestWire::fileFrame()
{
    QFETCH(QByteArray, data);

    const QByteArray frame = ZELTcpSocket::fileFrame(data);
    QCOMPARE(frame.indexOf(writeEnd), frame.size() - writeEnd.size());
    QCOMPARE(qFromBigEndian<quint32>(frame.constData()), quint32(data.size() + 9));
    QCOMPARE(quint8(frame.at(5)), quint8(0xda)); // level 9
    QCOMPARE(qUncompress(frame.chopped(writeEnd.size())), data + fileEnd);

    const QString path = m_dir.filePath("upload.bin");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(data);
    file.close();
    QByteArray built;
    QVERIFY(ZELTcpSocket::fileUploadFrame(path, &built));
    QCOMPARE(built, frame);

    ZELTcpSocket *client = connectClient();
    QVERIFY(client);
    QVERIFY(client->sendFile(path));
    QByteArray received;
    QVERIFY(m_peer->waitForFile(&received));
    QCOMPARE(received, data);
    delete client;
}

// The frame written for any payload holds the terminator once, at its end, and
// gives the payload back; a payload whose compressed form holds no terminator
// goes out exactly as qCompress makes it.
void TestWire::frameKeepsTerminatorOut_data()
{
    QTest::addColumn<QByteArray>("payload");
    QTest::newRow("request") << QByteArray("<!DOCTYPE CLIENT>\n<KEEPALIVE>\n <KEEPALIVE>live</KEEPALIVE>\n</KEEPALIVE>\n");
    QTest::newRow("random bytes") << randomBytes(100000, 8);
    // The input fuzz_frames stopped on (its corpus keeps it): split at its terminator
    // text, the payload ended in a stored block "...<WRITEEND" that the checksum's
    // first byte '>' completed.
    QTest::newRow("checksum completes a cut-short terminator") << QByteArray::fromHex(
            "3c5752495445454e443e288db6a62cda18f40a987f1165bff0b25379a5ac1ea4ae7166713e20ea3f8945c08c3324b0a4"
            "7b41ee0ebf0d778e7a9a29735725a814528976b5bd0b425c309b9c204819e5a0e12b58d2edd1ce6df15072f54242f7f0"
            "ab0aef8b27193adcbd97de373816eb24fc5215979eab04b8414acdcf08394fa15f2edc746c026f548ffd0ddbd90d8cf0"
            "ef42bf7fe1277e649ffb039d0313cc697733f765265c04e50af1bc76835264b916c8914011b109ac2ba4dab439328709"
            "48f900f3d6d1a5e561bd26e256a0c833487ea4779102879218d132f0d0ff17c1df4a2aabd189bdd5d751cb6db36ee79d"
            "90e3702355be1a09afdf6b3b62b4eb3e5eed281ebc19284c4a4bd68847411ab539c26ceb40f995a82e5c129e38f162b8"
            "6875f5574307ef32f8e365d2845cc0cebd1897072efe3c5752495445454e44");
    QTest::newRow("the same beyond one stored block") << checksumCompletesTerminator(randomBytes(70000, 9));
}

void TestWire::frameKeepsTerminatorOut()
{
    QFETCH(QByteArray, payload);
    const QByteArray frame = ZELTcpSocket::frame(payload);
    QCOMPARE(frame.indexOf(writeEnd), frame.size() - writeEnd.size());
    QCOMPARE(quint8(frame.at(5)), quint8(0xda)); // level 9
    QCOMPARE(qUncompress(frame.chopped(writeEnd.size())), payload);
    const QByteArray compressed = qCompress(payload, 9);
    if (!compressed.contains(writeEnd))
        QCOMPARE(frame, compressed + writeEnd);

    ZELTcpSocket socket;
    QByteArray received;
    connect(&socket, &ZELTcpSocket::sendDataToClient, &socket,
            [&received](QByteArray &text, QByteArray &) { received += text; });
    socket.processReceivedBytes(frame + ZELTcpSocket::frame("<A/>"));
    QCOMPARE(received, payload + ":::<A/>:::");
}

void TestWire::unreadableFileSendsNothing_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("missing") << m_dir.filePath("no such file");
    QTest::newRow("folder") << m_dir.path();
}

void TestWire::unreadableFileSendsNothing()
{
    QFETCH(QString, path);
    QByteArray frame("untouched");
    QVERIFY(!ZELTcpSocket::fileUploadFrame(path, &frame));
    QCOMPARE(frame, QByteArray("untouched"));

    ZELTcpSocket *client = connectClient();
    QVERIFY(client);
    QVERIFY(!client->sendFile(path));
    client->sendDataToServer(ZELTcpSocket::textFrame(ZELXmlCodec().compose({"KEEPALIVE", "live"})));
    QVERIFY(m_peer->waitForRequest("KEEPALIVE").isValid());
    QVERIFY(m_peer->files().isEmpty());
    QCOMPARE(m_peer->badFrames(), 0);
    delete client;
}

// The main widget's own send path and file sender, through its socket.
void TestWire::clientSendsRequestsAndFiles()
{
    ZELClient client;
    client.m_tcpSocket->connectToHost(m_peer->host(), m_peer->port());
    QVERIFY(m_peer->waitForConnection());
    QTRY_COMPARE(client.m_tcpSocket->state(), QAbstractSocket::ConnectedState);
    m_peer->clearRequests();

    const QString message = QString::fromUtf8("Grüße, Привет, 世界 😀 <&>");
    QStringList chat{"CHAT", "ravi", "anita", message, "FALSE", "FALSE", "FALSE", message, "Anita", ""};
    client.convertXMLSendToServer(chat);
    const ZELTestPeer::Request received = m_peer->waitForRequest("CHAT");
    QVERIFY(received.isValid());
    QCOMPARE(received.value("MESSAGE"), message);
    QCOMPARE(received.value("PLAINTEXT"), message);
    QCOMPARE(received.value("CHATUSERNAME"), QString("ravi"));

    const QByteArray data = randomBytes(70000, 5);
    QString path = m_dir.filePath("client upload.bin");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(data);
    file.close();
    client.fileUpload(path);
    QByteArray uploaded;
    QVERIFY(m_peer->waitForFile(&uploaded));
    QCOMPARE(uploaded, data);

    QString missing = m_dir.filePath("gone.bin");
    client.fileUpload(missing);
    QStringList keepAlive{"KEEPALIVE", "after"};
    client.convertXMLSendToServer(keepAlive);
    QVERIFY(m_peer->waitForRequest("KEEPALIVE").isValid());
    QCOMPARE(m_peer->files().size(), 1);
    QCOMPARE(m_peer->badFrames(), 0);
}

// A request large enough to be built aside still leaves whole, before the
// requests and frames asked for after it.
void TestWire::largeRequestKeepsItsPlace()
{
    ZELClient client;
    client.m_tcpSocket->connectToHost(m_peer->host(), m_peer->port());
    QVERIFY(m_peer->waitForConnection());
    QVERIFY(m_peer->waitForRequest("CHECKVERSION").isValid()); // sent on connecting
    m_peer->clearRequests();

    QString message(ZELTcpSocket::LargeRequest * 4, QLatin1Char('m'));
    message.replace(1000, 3, QString::fromUtf8("Grüße:::😀"));
    QStringList chat{"CHAT", "ravi", "anita", message, "FALSE", "FALSE", "FALSE", message, "Anita", ""};
    client.convertXMLSendToServer(chat);
    QStringList keepAlive{"KEEPALIVE", "after"};
    client.convertXMLSendToServer(keepAlive);
    client.m_tcpSocket->sendDataToServer(ZELTcpSocket::textFrame(ZELXmlCodec().compose({"USERDETAILS", "last"})));

    const ZELTestPeer::Request last = m_peer->waitForRequest("USERDETAILS", 20000);
    const ZELTestPeer::Request received = m_peer->waitForRequest("CHAT");
    const ZELTestPeer::Request between = m_peer->waitForRequest("KEEPALIVE");
    QVERIFY(last.isValid() && received.isValid() && between.isValid());
    QVERIFY2(received.sequence < between.sequence && between.sequence < last.sequence,
             qPrintable(m_peer->requestTypes().join(' ')));
    QVERIFY(received.value("MESSAGE") == message);
    QVERIFY(received.value("PLAINTEXT") == message);
    QCOMPARE(m_peer->badFrames(), 0);
}

ZEL_TEST_MAIN(TestWire)
#include "tst_wire.moc"
