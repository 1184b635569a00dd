#include "chat/zelchatwindow.h"
#include "core/zelclient.h"
#include "peer/zeltestpeer.h"
#include "protocol/zelsettingslists.h"
#include "protocol/zeltcpsocket.h"
#include "zeltestmain.h"

// The server's privilege rules applied to chat windows: the union over a
// conference's participants, the last matching rule in a one-to-one window,
// and the rights a window keeps when its peer signs out and comes back.
class TestPrivileges : public QObject
{
    Q_OBJECT

private:
    ZELTestPeer *m_peer = nullptr;
    ZELClient *m_client = nullptr;

    static QStringList rules(const QStringList &entries)
    {
        return QStringList{"PRIVILEGEINFO"} + entries;
    }

    // "files,pictures,fileRight,pictureRight" of a window, e.g. "1,0,Yes,No".
    static QString state(ZELChatWindow *window)
    {
        const bool pictures = window->m_deskTopCaptureButton->isEnabled();
        if (pictures != window->m_insertImageToolButton->isEnabled())
            return QStringLiteral("picture buttons disagree");
        return QStringList{window->m_fileSend->isEnabled() ? "1" : "0", pictures ? "1" : "0", window->m_fileRight,
                           window->m_pictureRight}
            .join(',');
    }

    // A contact whose rule key is group "Field" and department "Sales".
    void addRavi()
    {
        m_client->m_users.insert("ravi", UserRecord{"Engineer", "Ravi Kumar", "Sales", "Online", "At my desk",
                                                    "Ravi&&Field&&Sales", "ravi", "", "GMT+05:30"});
    }

private slots:
    void init()
    {
        m_peer = new ZELTestPeer;
        QVERIFY(m_peer->listen());
        m_client = new ZELClient;
        m_client->m_tcpSocket->connectToHost(m_peer->host(), m_peer->port());
        QVERIFY(m_peer->waitForConnection());
        QTRY_COMPARE(m_client->m_tcpSocket->state(), QAbstractSocket::ConnectedState);
        m_client->m_signedIn = true;
        m_client->m_loginId = "anita";
        m_client->m_ownDisplayName = "Anita Rao";
        m_client->m_chatWindowSettings = ZELChatWindowList::defaults();
        m_client->m_chatHistorySettings = ZELChatHistoryList::defaults();
        m_client->m_notificationSettings = ZELNotificationList::defaults();
        m_client->m_notificationSettings[ZELNotificationList::SendsMessage] = "FALSE";
    }

    void cleanup()
    {
        const QList<ZELChatWindow *> windows = m_client->m_chatWindows.values();
        for (ZELChatWindow *window : windows)
            delete window;
        delete m_client;
        m_client = nullptr;
        delete m_peer;
        m_peer = nullptr;
    }

    // ------------------------------------------------------------------
    // Participants are "user:group:department"; every window starts with its
    // controls on and no rights, so "1,1,," means "left as it was".
    void conference_data()
    {
        QTest::addColumn<QStringList>("participants");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QString>("expected");
        QTest::newRow("no participant recorded") << QStringList() << QStringList{"Field###Sales###1###1"}
                                                 << "0,0,No,No";
        QTest::newRow("no rules, no participant") << QStringList() << QStringList() << "0,0,No,No";
        QTest::newRow("both rights") << QStringList{"ravi:Field:Sales"} << QStringList{"Field###Sales###1###1"}
                                     << "1,1,Yes,Yes";
        QTest::newRow("refused") << QStringList{"ravi:Field:Sales"} << QStringList{"Field###Sales###0###0"}
                                 << "0,0,No,No";
        QTest::newRow("union over participants")
            << QStringList{"ravi:Field:Sales", "john:Office:Finance"}
            << QStringList{"Field###Sales###1###0", "Office###Finance###0###1", "Other###Dept###1###1"}
            << "1,1,Yes,Yes";
        QTest::newRow("two rules with one key")
            << QStringList{"ravi:Field:Sales"} << QStringList{"Field###Sales###0###1", "Field###Sales###1###0"}
            << "1,1,Yes,Yes";
        QTest::newRow("later refusal takes nothing back")
            << QStringList{"ravi:Field:Sales"} << QStringList{"Field###Sales###1###1", "Field###Sales###0###0"}
            << "1,1,Yes,Yes";
        QTest::newRow("one participant without a rule")
            << QStringList{"ravi:Field:Sales", "john:Office:Finance"} << QStringList{"Field###Sales###1###1"}
            << "1,1,,";
        QTest::newRow("keys are case-sensitive") << QStringList{"ravi:field:Sales"}
                                                 << QStringList{"Field###Sales###1###1"} << "1,1,,";
        QTest::newRow("file field neither 1 nor 0") << QStringList{"ravi:Field:Sales"}
                                                    << QStringList{"Field###Sales###yes###1"} << "0,0,No,No";
        QTest::newRow("picture field neither 1 nor 0") << QStringList{"ravi:Field:Sales"}
                                                       << QStringList{"Field###Sales###1###2"} << "0,0,No,No";
        QTest::newRow("missing fields") << QStringList{"ravi:Field:Sales"} << QStringList{"Field###Sales"}
                                        << "0,0,No,No";
        QTest::newRow("empty rule, empty participant") << QStringList{"ravi::"} << QStringList{""} << "0,0,No,No";
    }

    void conference()
    {
        QFETCH(QStringList, participants);
        QFETCH(QStringList, entries);
        QFETCH(QString, expected);
        ZELChatWindow window;
        for (QWidget *control : {static_cast<QWidget *>(window.m_fileSend),
                                 static_cast<QWidget *>(window.m_deskTopCaptureButton),
                                 static_cast<QWidget *>(window.m_insertImageToolButton)})
            control->setEnabled(true);
        for (const QString &participant : participants) {
            const QStringList fields = participant.split(':');
            window.addPrivilegeList(fields.value(1), fields.value(2), fields.value(0));
        }
        window.checkConferenceChatPrivilege(rules(entries));
        QCOMPARE(state(&window), expected);
    }

    // Records are kept by user name: a later record of the same user replaces
    // the earlier one, and namesakes in other groups stay apart.
    void recordsByUserName()
    {
        ZELChatWindow window;
        window.addPrivilegeList("Field", "Sales", "ravi");
        window.addPrivilegeList("Office", "Finance", "ravi");
        window.addPrivilegeList("Field", "Sales", "ravi2");
        QCOMPARE(window.m_privilegeMap.size(), 2);
        const PrivilegeRecord ravi = window.m_privilegeMap.value("ravi");
        QCOMPARE(ravi.userName, QString("ravi"));
        QCOMPARE(ravi.groupName, QString("Office"));
        QCOMPARE(ravi.department, QString("Finance"));
        // ravi's old group no longer counts: only Finance and Sales have to be known.
        window.checkConferenceChatPrivilege(rules({"Office###Finance###0###1", "Field###Sales###0###0"}));
        QCOMPARE(state(&window), QString("0,1,No,Yes"));
    }

    // ------------------------------------------------------------------
    void oneToOne_data()
    {
        QTest::addColumn<bool>("record");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QString>("expected");
        QTest::newRow("peer without a record") << false << QStringList{"###" "###1###1", "Field###Sales###1###1"}
                                               << "0,0,,";
        QTest::newRow("no rule for the key") << true << QStringList{"Field###Finance###1###1"} << "0,0,,";
        QTest::newRow("no rules at all") << true << QStringList() << "0,0,,";
        QTest::newRow("both rights") << true << QStringList{"Field###Sales###1###1"} << "1,1,Yes,Yes";
        QTest::newRow("files only") << true << QStringList{"Field###Sales###1###0"} << "1,0,Yes,No";
        QTest::newRow("two rules with one key, the later decides")
            << true << QStringList{"Field###Sales###1###1", "Other###Dept###0###0", "Field###Sales###0###1"}
            << "0,1,No,Yes";
        QTest::newRow("field neither 1 nor 0 refuses") << true << QStringList{"Field###Sales###true###x"}
                                                       << "0,0,No,No";
    }

    void oneToOne()
    {
        QFETCH(bool, record);
        QFETCH(QStringList, entries);
        QFETCH(QString, expected);
        if (record)
            addRavi();
        m_peer->sendText(ZELTestPeer::message("PRIVILEGEINFO", [&] {
            ZELTestPeer::Fields fields;
            for (const QString &entry : entries)
                fields << qMakePair(QString("PRIVILEGE"), entry);
            return fields;
        }()));
        QTRY_COMPARE(m_client->m_privilegeInfo, rules(entries));
        m_client->createChatWindow("ravi");
        ZELChatWindow *window = m_client->m_chatWindows.value("ravi");
        QVERIFY(window);
        QCOMPARE(state(window), expected);
    }

    // The rights outlive the peer's sign-out: when he is back, files and
    // pictures come on again as the rules said.
    void signOutAndBackKeepsRights()
    {
        addRavi();
        m_client->m_privilegeInfo = rules({"Field###Sales###1###1"});
        m_client->createChatWindow("ravi");
        ZELChatWindow *window = m_client->m_chatWindows.value("ravi");
        QVERIFY(window);
        QCOMPARE(state(window), QString("1,1,Yes,Yes"));

        m_peer->sendText(ZELTestPeer::message("LOGOUT", {{"USERNAME", "ravi"}, {"DEPARTMENT", "Sales"},
                                                         {"NAME", "Ravi Kumar"}, {"COMPANY", "Field"},
                                                         {"STATUSMESSAGE", "Gone"}}));
        QTRY_VERIFY(window->m_peerSignedOut);
        QCOMPARE(state(window), QString("0,0,Yes,Yes"));
        QVERIFY(!window->serverMessage->isEnabled());

        m_peer->sendText(ZELTestPeer::message(
            "MESSAGETYPESTATUS", {{"LOGINNAME", "anita"}, {"CHATUSERNAME", "ravi"}, {"TYPESTATUS", "typing"}}));
        QTRY_VERIFY(!window->m_peerSignedOut);
        QVERIFY(window->serverMessage->isEnabled());
        QCOMPARE(state(window), QString("1,1,Yes,Yes"));
    }
};

ZEL_TEST_MAIN(TestPrivileges)
#include "tst_privileges.moc"
