#include "zeltestmain.h"

#include "peer/zeltestpeer.h"

#include <QDomDocument>
#include <QSignalSpy>
#include <QTcpSocket>
#include <QtEndian>

namespace {

const QByteArray writeEnd("<WRITEEND>");

QByteArray bigEndian32(quint32 value)
{
    QByteArray bytes(4, Qt::Uninitialized);
    qToBigEndian(value, bytes.data());
    return bytes;
}

// A frame written by hand: length header, then a zlib stream made of one stored
// (uncompressed) deflate block, so no compressor of ours is involved.
QByteArray handMadeFrame(const QByteArray &payload)
{
    Q_ASSERT(payload.size() < 65536);
    const quint16 length = quint16(payload.size());
    QByteArray frame = bigEndian32(quint32(payload.size()));
    frame += QByteArray("\x78\x01\x01", 3);
    frame += char(length & 0xff);
    frame += char(length >> 8);
    frame += char(~length & 0xff);
    frame += char((~length >> 8) & 0xff);
    frame += payload;
    quint32 a = 1, b = 0;
    for (char c : payload) {
        a = (a + uchar(c)) % 65521;
        b = (b + a) % 65521;
    }
    frame += bigEndian32((b << 16) | a);
    return frame + writeEnd;
}

QByteArray request(const QString &type, const QString &value)
{
    return QStringLiteral("<!DOCTYPE CLIENT>\n<%1>\n <%1>%2</%1>\n</%1>\n").arg(type, value).toLatin1();
}

} // namespace

class TestPeer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void readsClientFrames_data();
    void readsClientFrames();
    void decodesRequestFields();
    void waitForRequestTakesInOrder();
    void framesItSends_data();
    void framesItSends();
    void dropAndReconnect();
    void messageBuilders();

private:
    ZELTestPeer *m_peer = nullptr;
    QTcpSocket *m_client = nullptr;
};

void TestPeer::initTestCase()
{
    m_peer = new ZELTestPeer(this);
    QVERIFY(m_peer->listen());
    QVERIFY(m_peer->port() != 0);
    QCOMPARE(m_peer->host(), QStringLiteral("127.0.0.1"));
}

void TestPeer::init()
{
    m_client = new QTcpSocket(this);
    m_client->connectToHost(m_peer->host(), m_peer->port());
    QVERIFY(m_client->waitForConnected(5000));
    QVERIFY(m_peer->waitForConnection());
    m_peer->clearRequests();
}

void TestPeer::cleanup()
{
    delete m_client;
    m_client = nullptr;
    m_peer->waitForDisconnection();
}

void TestPeer::readsClientFrames_data()
{
    QTest::addColumn<QList<QByteArray>>("writes");
    QTest::addColumn<QStringList>("types");
    QTest::addColumn<QList<QByteArray>>("files");
    QTest::addColumn<int>("badFrames");

    const QByteArray keepAlive = handMadeFrame(request("KEEPALIVE", "live"));
    const QByteArray signOut = handMadeFrame(request("SIGNOUT", "me"));
    const QByteArray file = handMadeFrame(QByteArray("file\0bytes<FILEEND>", 19));
    using Bytes = QList<QByteArray>;

    QTest::newRow("one request") << Bytes{keepAlive} << QStringList{"KEEPALIVE"} << Bytes() << 0;
    QTest::newRow("two in one write") << Bytes{keepAlive + signOut}
        << QStringList{"KEEPALIVE", "SIGNOUT"} << Bytes() << 0;
    QTest::newRow("split in the header") << Bytes{keepAlive.left(2), keepAlive.mid(2)}
        << QStringList{"KEEPALIVE"} << Bytes() << 0;
    QTest::newRow("split in the terminator") << Bytes{keepAlive.chopped(4), keepAlive.right(4) + signOut}
        << QStringList{"KEEPALIVE", "SIGNOUT"} << Bytes() << 0;
    QTest::newRow("file frame") << Bytes{file + keepAlive} << QStringList{"KEEPALIVE"}
        << Bytes{QByteArray("file\0bytes", 10)} << 0;
    QTest::newRow("bad and empty pieces") << Bytes{"garbage" + writeEnd + writeEnd + keepAlive}
        << QStringList{"KEEPALIVE"} << Bytes() << 2;
    QTest::newRow("document without element") << Bytes{handMadeFrame("<!DOCTYPE CLIENT>\n")}
        << QStringList{""} << Bytes() << 0;
}

void TestPeer::readsClientFrames()
{
    QFETCH(QList<QByteArray>, writes);
    QFETCH(QStringList, types);
    QFETCH(QList<QByteArray>, files);
    QFETCH(int, badFrames);

    for (const QByteArray &bytes : writes) {
        m_client->write(bytes);
        QVERIFY(m_client->waitForBytesWritten(5000));
        QTest::qWait(10);
    }
    QTRY_COMPARE(m_peer->requestTypes(), types);
    QCOMPARE(m_peer->files(), files);
    QCOMPARE(m_peer->badFrames(), badFrames);
}

void TestPeer::decodesRequestFields()
{
    const QByteArray xml = "<!DOCTYPE CLIENT>\n<CHAT>\n <A>x</A>\n <B>&lt;y&#8364;</B>\n <C></C>\n <A>z</A>\n</CHAT>\n";
    m_client->write(handMadeFrame(xml));
    const ZELTestPeer::Request received = m_peer->waitForRequest("CHAT");
    QVERIFY(received.isValid());
    const ZELTestPeer::Fields expected{{"A", "x"}, {"B", QString::fromUtf8("<y€")}, {"C", ""}, {"A", "z"}};
    QCOMPARE(received.fields, expected);
    QCOMPARE(received.value("A", 1), QStringLiteral("z"));
    QCOMPARE(received.values("A"), QStringList({"x", "z"}));
    QCOMPARE(received.tags(), QStringList({"A", "B", "C", "A"}));
    QCOMPARE(received.value("missing"), QString());
    QCOMPARE(received.xml, QString::fromLatin1(xml));
}

void TestPeer::waitForRequestTakesInOrder()
{
    // Requests that arrived before the wait count as well.
    m_client->write(handMadeFrame(request("KEEPALIVE", "1")) + handMadeFrame(request("SIGNOUT", "x"))
                    + handMadeFrame(request("KEEPALIVE", "2")));
    QTRY_COMPARE(m_peer->requests().size(), 3);
    QCOMPARE(m_peer->waitForRequest("KEEPALIVE").value("KEEPALIVE"), QStringLiteral("1"));
    QCOMPARE(m_peer->waitForRequest("KEEPALIVE").value("KEEPALIVE"), QStringLiteral("2"));
    QVERIFY(!m_peer->waitForRequest("KEEPALIVE", 50).isValid());
    QVERIFY(m_peer->waitForRequest("SIGNOUT").isValid());

    QTimer::singleShot(30, m_client, [this] { m_client->write(handMadeFrame(request("KEEPALIVE", "3"))); });
    QCOMPARE(m_peer->waitForRequest("KEEPALIVE").value("KEEPALIVE"), QStringLiteral("3"));

    m_peer->clearRequests();
    QVERIFY(m_peer->requests().isEmpty());
    QVERIFY(!m_peer->waitForRequest("SIGNOUT", 20).isValid());
}

void TestPeer::framesItSends_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("payload"); // what each frame inflates to
    QTest::addColumn<int>("frames");

    const QString latin1 = QString::fromUtf8("<LOGIN>\u00e9</LOGIN>");
    QTest::newRow("text") << "text" << latin1 << QByteArray("<LOGIN>\xe9</LOGIN>") << 1;
    QTest::newRow("text outside Latin-1") << "text" << QString::fromUtf8("<LOGIN>\u20ac \U0001F600</LOGIN>")
        << QByteArray("<LOGIN>&#8364; &#128512;</LOGIN>") << 1;
    QTest::newRow("two texts in one write") << "texts" << latin1 << QByteArray("<LOGIN>\xe9</LOGIN>") << 2;
    QTest::newRow("file") << "file" << QString() << QByteArray("\0\1\2<FILEEND>", 12) << 1;
    QTest::newRow("raw") << "raw" << QString() << QByteArray() << 0;
}

void TestPeer::framesItSends()
{
    QFETCH(QString, kind);
    QFETCH(QString, text);
    QFETCH(QByteArray, payload);
    QFETCH(int, frames);

    if (kind == "text")
        m_peer->sendText(text);
    else if (kind == "texts")
        m_peer->sendTexts({text, text});
    else if (kind == "file")
        m_peer->sendFile(payload.chopped(9));
    else
        m_peer->sendRaw("raw<WRITE");

    QByteArray received;
    QTRY_VERIFY((received += m_client->readAll()).endsWith(kind == "raw" ? "<WRITE" : "<WRITEEND>"));
    if (kind == "raw") {
        QCOMPARE(received, QByteArray("raw<WRITE"));
        return;
    }
    QByteArray rest = received;
    for (int i = 0; i < frames; ++i) {
        const qsizetype end = rest.indexOf(writeEnd);
        QVERIFY(end > 6);
        const QByteArray piece = rest.left(end);
        QCOMPARE(qFromBigEndian<quint32>(piece.constData()), quint32(payload.size()));
        QCOMPARE(quint8(piece.at(4)), quint8(0x78));
        QCOMPARE(quint8(piece.at(5)), quint8(0xda)); // level 9
        QCOMPARE(qUncompress(piece), payload);
        rest = rest.mid(end + writeEnd.size());
    }
    QVERIFY(rest.isEmpty());
}

void TestPeer::dropAndReconnect()
{
    QSignalSpy dropped(m_client, &QTcpSocket::disconnected);
    QSignalSpy peerLost(m_peer, &ZELTestPeer::clientDisconnected);
    m_peer->dropConnection();
    QTRY_COMPARE(dropped.count(), 1);
    QVERIFY(!m_peer->isConnected());

    // A later connection replaces the dropped one, and sends go to it.
    QTcpSocket second;
    second.connectToHost(m_peer->host(), m_peer->port());
    QVERIFY(second.waitForConnected(5000));
    QVERIFY(m_peer->waitForConnection());
    m_peer->sendRaw("hello");
    QTRY_COMPARE(second.bytesAvailable(), qint64(5));
    QCOMPARE(second.readAll(), QByteArray("hello"));
    second.write(handMadeFrame(request("KEEPALIVE", "again")));
    QCOMPARE(m_peer->waitForRequest("KEEPALIVE").value("KEEPALIVE"), QStringLiteral("again"));
    QCOMPARE(peerLost.count(), 1);
}

void TestPeer::messageBuilders()
{
    QCOMPARE(ZELTestPeer::message("LOGIN", {{"STATUS", "SUCCESSLOGIN"}, {"NAME", "a<b"}, {"EMPTY", ""}}),
             QStringLiteral("<LOGIN>\n <STATUS>SUCCESSLOGIN</STATUS>\n <NAME>a&lt;b</NAME>\n <EMPTY></EMPTY>\n</LOGIN>\n"));
    using Node = ZELTestPeer::Node;
    const QString tree = ZELTestPeer::messageTree(
        "NEWUSER", {Node("OTHERS", {Node("USER", {Node("NAME", "ann"), Node("STATUS", "Online")}),
                                    Node("USER", {Node("NAME", "bob"), Node("STATUS", "Away")})})});
    QDomDocument doc;
    QVERIFY(doc.setContent(tree));
    const QDomElement others = doc.documentElement().firstChildElement("OTHERS");
    QCOMPARE(doc.documentElement().tagName(), QStringLiteral("NEWUSER"));
    QCOMPARE(others.childNodes().size(), 2);
    QCOMPARE(others.lastChildElement("USER").firstChildElement("STATUS").text(), QStringLiteral("Away"));
    QCOMPARE(ZELTestPeer::messageTree("LOGOUT", {}), QStringLiteral("<LOGOUT/>\n"));

    // Written as the server's document writer writes it, whatever the text holds.
    const QString texts[] = {"a<b&&c>d", "x]]>y]>", "line\r\nnext\ttab", "quote \" ' end", QString::fromUtf8("\u00fc\u20ac\U0001F600"), ""};
    for (const QString &text : texts) {
        QDomDocument expected;
        QDomElement root = expected.createElement("CHAT");
        expected.appendChild(root);
        QDomElement outer = expected.createElement("USER");
        root.appendChild(outer);
        QDomElement inner = expected.createElement("NAME");
        outer.appendChild(inner);
        inner.appendChild(expected.createTextNode(text));
        QDomElement flat = expected.createElement("MESSAGE");
        root.appendChild(flat);
        flat.appendChild(expected.createTextNode(text));
        QCOMPARE(ZELTestPeer::messageTree("CHAT", {Node("USER", {Node("NAME", text)}), Node("MESSAGE", text)}),
                 expected.toString(1));
    }
}

ZEL_TEST_MAIN(TestPeer)
#include "tst_peer.moc"
