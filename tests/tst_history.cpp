#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextBrowser>

#include <utime.h>

#include "core/zelclient.h"
#include "protocol/zelsettingslists.h"
#include "protocol/zeltcpsocket.h"
#include "messages/zelchathistorylistwindow.h"
#include "peer/zeltestpeer.h"
#include "zeltestmain.h"

namespace {

void writeFile(const QString &path)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("<html></html>");
}

// A day folder of the local history, modified the given number of days ago.
void makeDay(const QString &root, const QString &day, int daysAgo, const QStringList &files)
{
    const QString folder = root + '/' + day;
    QVERIFY(QDir().mkpath(folder));
    for (const QString &file : files)
        writeFile(folder + '/' + file);
    const time_t when = time_t(QDateTime::currentDateTime().addDays(-daysAgo).toSecsSinceEpoch());
    utimbuf times{when, when};
    QCOMPARE(utime(QFile::encodeName(folder).constData(), &times), 0);
}

QStringList texts(const QListWidget *list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

} // namespace

// Chat history: the main widget's requests and local listing and pruning,
// the server's answers written into the window, through the test peer.
class TestHistory : public QObject
{
    Q_OBJECT

private:
    ZELTestPeer *m_peer = nullptr;
    ZELClient *m_client = nullptr;
    QTemporaryDir *m_save = nullptr;

    ZELChatHistoryListWindow *window() const { return m_client->m_chatHistoryWindow; }
    QString root() const { return m_save->path() + "/Anita Rao"; }

    // The list answers hold their values inside one wrapper element.
    void answer(const QString &type, const QStringList &values)
    {
        static const QMap<QString, QString> wrappers = {{"CHATHISTORYLIST", "SAMPLE"},
                                                        {"CHATHISTORYDATE", "NAMES"},
                                                        {"CONFERENCEDATES", "DATE"},
                                                        {"CONFERENCENAMESTOBESENT", "CONFERENCEFILE"}};
        QList<ZELTestPeer::Node> children;
        for (int i = 0; i < values.size(); ++i)
            children << ZELTestPeer::Node(QString("V%1").arg(i), values.at(i));
        m_peer->sendText(ZELTestPeer::messageTree(type, {ZELTestPeer::Node(wrappers.value(type), children)}));
    }

private slots:
    void init()
    {
        m_save = new QTemporaryDir;
        m_peer = new ZELTestPeer;
        QVERIFY(m_peer->listen());
        m_client = new ZELClient;
        m_client->m_tcpSocket->connectToHost(m_peer->host(), m_peer->port());
        QVERIFY(m_peer->waitForConnection());
        QTRY_COMPARE(m_client->m_tcpSocket->state(), QAbstractSocket::ConnectedState);
        m_client->m_signedIn = true;
        m_client->m_loginId = "anita";
        m_client->m_ownDisplayName = "Anita Rao";
        m_client->m_chatHistorySettings = ZELChatHistoryList::defaults();
        m_client->m_chatHistorySettings[ZELChatHistoryList::SaveLocation] = m_save->path();
    }

    void cleanup()
    {
        m_client->removeHistoryWaitCursor();
        delete m_client;
        m_client = nullptr;
        delete m_peer;
        m_peer = nullptr;
        delete m_save;
        m_save = nullptr;
    }

    // ------------------------------------------------------------------
    void serverMode()
    {
        m_client->showChatHistoryList();
        QVERIFY(window()->isVisible());
        QVERIFY(window()->m_serverMode);
        QVERIFY(m_client->m_waitCursorShown);
        const ZELTestPeer::Request list = m_peer->waitForRequest("CHATHISTORYLIST");
        QVERIFY(list.isValid());
        QCOMPARE(list.value("LOGINUSER"), QString("sampleuser"));

        answer("CHATHISTORYLIST", {"ravi", "Ravi Kumar", "", "Nobody", "mona", "Mona Lal", "dangling"});
        answer("CONFERENCEDATES", {"2026-12-01", "2026-12-02", "2026-12-01", ""});
        QTRY_COMPARE(texts(window()->m_conferenceChatDateList), QStringList({"2026-12-01", "2026-12-02"}));
        QCOMPARE(texts(window()->m_contactNamesList), QStringList({"Ravi Kumar", "Mona Lal"}));
        QCOMPARE(window()->m_contactNamesList->item(1)->toolTip(), QString("mona"));
        QVERIFY(!m_client->m_waitCursorShown);

        // Two requests before any answer push one wait cursor.
        QString contact = "ravi", date = "2026-12-01";
        m_client->requestDateFromServer(contact);
        m_client->sendChatDateToServer(date, contact);
        QVERIFY(m_client->m_waitCursorShown);
        QCOMPARE(QGuiApplication::overrideCursor() != nullptr, true);
        QVERIFY(m_peer->waitForRequest("CHATHISTORYDATE").isValid());
        const ZELTestPeer::Request transcript = m_peer->waitForRequest("CHATHISTORYDATETOSERVER");
        QCOMPARE(transcript.tags(), QStringList({"CHATDATEFOLDER", "LOGINNAME", "CONTACTNAME"}));
        QCOMPARE(transcript.value("LOGINNAME"), QString("anita"));

        answer("CHATHISTORYDATE", {"2026-12-01", "10:00", "10:30", "2026-12-02", "11:00"});
        QTRY_COMPARE(window()->m_chatDateList->rowCount(), 1);
        QCOMPARE(window()->m_chatDateList->horizontalHeaderItem(0)->text(), QString("Chat Date"));
        QCOMPARE(window()->m_chatDateList->item(0, 2)->text(), QString("10:30"));
        QVERIFY(!m_client->m_waitCursorShown);
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);

        answer("CONFERENCENAMESTOBESENT", {"Meeting01~0930", "09:30", "10:00"});
        QTRY_COMPARE(window()->m_chatDateList->horizontalHeaderItem(0)->text(), QString("Chat Session Name"));
        QCOMPARE(window()->m_chatDateList->item(0, 0)->text(), QString("Meeting"));
        QCOMPARE(window()->m_sessionNames, QStringList({"Meeting01~0930"}));

        m_client->m_dataFolder = "/data";
        m_peer->sendText(ZELTestPeer::message(
            "CHATHISTORYFROMSERVER",
            {{"T", "<p>hi <img src=\"pics/a.png\"> <img src=\"Smileys/s.png\"></p>"}}));
        QTRY_VERIFY(window()->m_historyDisplay->toHtml().contains("/data/pics/a.png"));
        QVERIFY(window()->m_historyDisplay->toHtml().contains("\"Smileys/s.png\""));
        QVERIFY(window()->m_saveChatButton->isEnabled());
    }

    void noSessionsAndEmptyHistory()
    {
        m_client->showChatHistoryList();
        answer("CHATHISTORYLIST", {});
        answer("CONFERENCEDATES", {});
        QTRY_VERIFY(window()->m_historyDisplay->toPlainText().contains("Chat History Empty"));
        QVERIFY(!window()->m_saveChatButton->isEnabled());
    }

    void selectionAsksTheServer()
    {
        m_client->showChatHistoryList();
        answer("CHATHISTORYLIST", {"ravi", "Ravi Kumar"});
        QTRY_COMPARE(window()->m_contactNamesList->count(), 1);
        window()->activateWindow();
        window()->m_contactNamesList->setFocus();
        QTRY_VERIFY(window()->m_contactNamesList->hasFocus());

        window()->closeConnection();
        window()->m_contactNamesList->setCurrentRow(0);
        QVERIFY(window()->m_selectedContact.isEmpty());
        window()->connectedServer();
        window()->m_contactNamesList->clearSelection();
        window()->m_contactNamesList->setFocus();
        window()->m_contactNamesList->setCurrentRow(0);
        QCOMPARE(window()->m_selectedContact, QString("ravi"));
        const ZELTestPeer::Request dates = m_peer->waitForRequest("CHATHISTORYDATE");
        QVERIFY(dates.isValid());
        QCOMPARE(dates.value("CONTACTUSERNAME"), QString("ravi"));
        QCOMPARE(dates.value("LOGINNAME"), QString("anita"));
    }

    void localListing()
    {
        m_client->m_chatHistorySettings[ZELChatHistoryList::FromServer] = "FALSE";
        makeDay(root(), "2026-12-01", 3, {"ravi.html", "Conference-Plan01~1.html"});
        makeDay(root(), "2026-12-03", 1, {"mona.html", "ravi.html"});
        m_client->showChatHistoryList();
        QVERIFY(!window()->m_serverMode);
        QCOMPARE(window()->m_localHistoryRoot, root());
        QCOMPARE(window()->m_conferenceChatDateList->count(), 1);
        QCOMPARE(window()->m_conferenceChatDateList->item(0)->text(), QString("2026-12-01"));
        QStringList contacts = texts(window()->m_contactNamesList);
        QCOMPARE(contacts.size(), 2);
        contacts.sort();
        QCOMPARE(contacts, QStringList({"mona", "ravi"}));
        QVERIFY(!m_client->m_waitCursorShown);
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
        QVERIFY(m_peer->requestTypes().isEmpty() || !m_peer->requestTypes().contains("CHATHISTORYLIST"));
    }

    void pruning_data()
    {
        QTest::addColumn<QString>("keep");
        QTest::addColumn<QStringList>("left");
        QTest::newRow("keep two") << "2" << QStringList({"d1", "d2"});
        QTest::newRow("keep more than there are") << "30" << QStringList({"d1", "d2", "d3"});
        QTest::newRow("keep none") << "0" << QStringList();
        QTest::newRow("not a number") << "many" << QStringList();
    }

    void pruning()
    {
        QFETCH(QString, keep);
        QFETCH(QStringList, left);
        makeDay(root(), "d3", 3, {"old.html"});
        makeDay(root(), "d1", 1, {"a.html"});
        makeDay(root(), "d2", 2, {"b.html", "Conference-x.html"});
        writeFile(m_save->path() + "/outside.html");
        m_client->m_chatHistorySettings[ZELChatHistoryList::DeleteDays] = keep;
        m_client->checkChatHistoryFolder();
        QStringList found = QDir(root()).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
        QCOMPARE(found, left);
        QVERIFY(QFile::exists(m_save->path() + "/outside.html"));
    }

    void prunedFolderKeepsWhatIsNotItsOwn()
    {
        makeDay(root(), "d1", 1, {"a.html"});
        makeDay(root(), "d2", 2, {"b.html"});
        QVERIFY(QDir().mkpath(root() + "/d2/inner"));
        writeFile(root() + "/d2/inner/keep.html");
        makeDay(root(), "d2", 2, {});
        m_client->m_chatHistorySettings[ZELChatHistoryList::DeleteDays] = "1";
        m_client->checkChatHistoryFolder();
        QVERIFY(!QFile::exists(root() + "/d2/b.html"));
        QVERIFY(QFile::exists(root() + "/d2/inner/keep.html"));
        QVERIFY(QFile::exists(root() + "/d1/a.html"));
    }
};

ZEL_TEST_MAIN(TestHistory)
#include "tst_history.moc"
