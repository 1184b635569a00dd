#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMovie>
#include <QLineEdit>
#include <QSet>
#include <QSettings>
#include <QSignalSpy>
#include <QTextEdit>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QToolTip>
#include <QTreeWidget>

#include "chat/zelchatwindow.h"
#include "messages/zelgroupmessagedisplay.h"
#include "messages/zelofflinemessageswidget.h"
#include "contacts/zeladdcontact.h"
#include "core/zelclient.h"
#include "protocol/zelhistorypaths.h"
#include "protocol/zelpreferencesfile.h"
#include "protocol/zelsettingslists.h"
#include "protocol/zeltcpsocket.h"
#include "core/zelthread.h"
#include "mainwindow/zelpopup.h"
#include "peer/zeltestpeer.h"
#include "platform/zelfakeinputmonitor.h"
#include "platform/zelfakescreengrabber.h"
#include "platform/zelplatform.h"
#include "settings/zelconnecttoserversettings.h"
#include "style/zelmessageboxclass.h"
#include "zeltestmain.h"

// Sign-in, its replies, the contact page, sign-out and exit, driven through
// the protocol test peer.
class TestSignIn : public QObject
{
    Q_OBJECT

private:
    using Fields = ZELTestPeer::Fields;

    ZELFakeInputMonitor m_input;
    ZELFakeScreenGrabber m_grabber;
    ZELTestPeer *m_peer = nullptr;
    ZELClient *m_client = nullptr;

    static QString dataFolder()
    {
        return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/ZEL";
    }

    QStringList connectionSettings() const
    {
        return {m_peer->host(), QString::number(m_peer->port()), "NoProxy", "", "", "", ""};
    }

    // A stored user who may sign in by himself.
    static ZELPreferencesFile::UserSettings storedUser(const QString &login, const QString &password,
                                                       bool autoLogin)
    {
        auto user = ZELPreferencesFile::UserSettings::defaults(login, password, "TRUE", "TRUE");
        user.autoStatus[ZELAutoStatusList::AutoLogin] = autoLogin ? "TRUE" : "FALSE";
        return user;
    }

    // The client starts against the peer as on any later run: its file names
    // the server. The banner is what it waits for before it signs anyone in.
    void startClient(const QList<ZELPreferencesFile::UserSettings> &users = {})
    {
        ZELPreferencesFile file(dataFolder());
        QVERIFY(file.create(connectionSettings()));
        for (const auto &user : users)
            QVERIFY(file.addUser(user, connectionSettings()));
        m_client = new ZELClient;
        m_client->m_workerThread->setTickInterval(50);
        QVERIFY(m_peer->waitForConnection());
        QTRY_COMPARE(m_client->m_tcpSocket->state(), QAbstractSocket::ConnectedState);
        QVERIFY(m_peer->waitForRequest("CHECKVERSION").isValid());
        m_peer->sendFile("<BANNEREMPTY><BANNEREND>");
        QTRY_VERIFY(!m_client->m_fileDataAwaited);
    }

    // Typing an id without a remembered record clears the boxes, so they are
    // ticked after the id, as a user would.
    void typeAndSignIn(const QString &login, const QString &password,
                       const QList<QAbstractButton *> &boxes = {})
    {
        m_client->userNameEdit->setEditText(login);
        m_client->passWordEdit->setText(password);
        for (QAbstractButton *box : boxes)
            box->click();
        QVERIFY(m_client->signButton->isEnabled());
        m_client->signButton->click();
    }

    static QString successReply(const QString &displayName, const QString &invisiblePermission = "1")
    {
        return ZELTestPeer::message("LOGIN", {{"RESULT", "SUCCESSLOGIN"}, {"NAME", displayName},
                                              {"MARQUEE", ""}, {"INVISIBLE", invisiblePermission},
                                              {"PROFILE", "Developer##Demo##Engineering"}});
    }

    void signInAs(const QString &login, const QString &password, const QList<QAbstractButton *> &boxes = {})
    {
        typeAndSignIn(login, password, boxes);
        QVERIFY(m_peer->waitForRequest("LOGIN").isValid());
        m_peer->sendText(successReply("Alice Andersen"));
        QTRY_COMPARE(m_client->stackedWidget->currentWidget(), m_client->MainPage);
    }

    int requestCount(const QString &type) const
    {
        return m_peer->requestTypes().count(type);
    }

    // A request sent after everything asked before it: what came earlier has arrived.
    void fence()
    {
        QStringList keepAlive{"KEEPALIVE", "fence"};
        m_client->convertXMLSendToServer(keepAlive);
        QVERIFY(m_peer->waitForRequest("KEEPALIVE").isValid());
    }

    // The server goes away (its port refuses) and comes back on the same port.
    quint16 m_downPort = 0;

    void stopServer()
    {
        m_downPort = m_peer->port();
        delete m_peer;
        m_peer = nullptr;
    }

    void startServer()
    {
        m_peer = new ZELTestPeer;
        QVERIFY(m_peer->listen(m_downPort));
    }

    // A port on 127.0.0.1 that neither answers nor refuses, as a host whose
    // packets are dropped: its listening queue is full and nobody accepts, so
    // the system drops further connection requests.
    QTcpServer m_silent;
    QList<QTcpSocket *> m_silentQueue;

    void openSilentPort(quint16 port = 0)
    {
        m_silent.setListenBacklogSize(0);
        QVERIFY(m_silent.listen(QHostAddress::LocalHost, port));
        m_silent.pauseAccepting();
        auto *queued = new QTcpSocket(&m_silent);
        queued->connectToHost(QHostAddress::LocalHost, m_silent.serverPort());
        QVERIFY(queued->waitForConnected());
        m_silentQueue << queued;
    }

    // The client starts with its settings naming a server that is down.
    void startClientWhileServerDown(const QList<ZELPreferencesFile::UserSettings> &users)
    {
        ZELPreferencesFile file(dataFolder());
        QVERIFY(file.create(connectionSettings()));
        for (const auto &user : users)
            QVERIFY(file.addUser(user, connectionSettings()));
        stopServer();
        m_client = new ZELClient;
        m_client->m_workerThread->setTickInterval(50);
        QTRY_COMPARE(m_client->m_showErrorLable->text(), QString("Connection Refused.Check your inputs."));
        QCOMPARE(m_client->stackedWidget->currentWidget(), m_client->loginPage);
    }

    // Sign In pressed while the server cannot be reached: the client tries it,
    // says it could not, and keeps what was typed for the next press.
    void signInFindsServerDown()
    {
        m_client->signButton->click();
        QCOMPARE(m_client->stackedWidget->currentWidget(), m_client->processPage);
        QTRY_COMPARE(m_client->stackedWidget->currentWidget(), m_client->loginPage);
        QCOMPARE(m_client->m_showErrorLable->text(), QString("ZEL not connected. The server cannot be reached."));
        QVERIFY(!m_client->m_showErrorLable->isHidden());
        QCOMPARE(m_client->userNameEdit->currentText(), QString("alice"));
        QCOMPARE(m_client->passWordEdit->text(), QString("secret"));
        QVERIFY(m_client->signButton->isEnabled());
        QVERIFY(m_client->m_processMovie->state() != QMovie::Running);
    }

    static QString chatFrom(const QString &sender, const QString &text)
    {
        return ZELTestPeer::message("CHAT", {{"CHATUSERNAME", "alice"}, {"LOGINNAME", sender}, {"MESSAGE", text},
                                             {"SENDSMILEY", ""}, {"SENDPICTURE", ""}, {"BANNERSTATE", ""},
                                             {"PLAINTEXT", text}, {"DISPLAYNAME", sender + " K"},
                                             {"PASSWORD", "FALSE"}});
    }

    static QString offerFrom(const QString &sender, const QString &fileName)
    {
        return ZELTestPeer::message("FTPREADY", {{"CHATUSERNAME", "alice"}, {"LOGINNAME", sender},
                                                 {"FILENAME", fileName}, {"FILESIZE", "5"},
                                                 {"ADDBANNER", "ADD_BANNER"}, {"DISPLAYNAME", sender + " K"},
                                                 {"PWDPROTECT", "0"}});
    }

    // The line drops and comes back; the client signs the same user in again
    // by itself, which the server grants or refuses. Chats waiting for a window
    // are put aside by then: windows may open again up to the usual bound.
    void loseConnection(bool granted)
    {
        m_peer->dropConnection();
        QVERIFY(m_peer->waitForConnection(10000));
        m_client->m_chatWindowBound = ZELClient::MaxChatWindows;
        QVERIFY(m_peer->waitForRequest("CHECKVERSION").isValid());
        m_peer->sendFile("<BANNEREMPTY><BANNEREND>");
        QVERIFY(m_peer->waitForRequest("LOGIN").isValid());
        if (granted) {
            m_peer->sendText(successReply("Alice Andersen"));
            QTRY_VERIFY(m_client->m_signedIn);
        } else {
            m_peer->sendText(ZELTestPeer::message("LOGIN", {{"RESULT", "INVALIDLOGIN"}}));
            QTRY_VERIFY(!m_client->m_signInPending);
        }
    }

    // The answers the server had for messages shown: "<answerer> delivered <text>", "<answer> <file>".
    // What the client sent before a fence: a late wrong answer shows too.
    QStringList answers()
    {
        fence();
        QStringList seen;
        for (const ZELTestPeer::Request &request : m_peer->requests()) {
            if (request.type == "MESSAGEDELIVERED")
                seen << request.value("OldPass") + " delivered " + request.value("NewPass");
            else if (request.type == "FTPSTATUS")
                seen << request.value("FTPSTATUS") + " " + request.value("FILENAME");
        }
        return seen;
    }

private slots:
    void initTestCase()
    {
        ZELPlatform::setInputMonitor(&m_input);
        ZELPlatform::setScreenGrabber(&m_grabber);
    }

    void cleanupTestCase()
    {
        ZELPlatform::setInputMonitor(nullptr);
        ZELPlatform::setScreenGrabber(nullptr);
    }

    void init()
    {
        QDir(dataFolder()).removeRecursively();
        QSettings("VORLIX", "ZEL Chat").clear();
        m_input.setKeyState(ZELInputMonitor::CapsLockKey, 0);
        m_peer = new ZELTestPeer;
        QVERIFY(m_peer->listen());
    }

    void cleanup()
    {
        ZELMessageBoxClass::setTestAnswerHook({});
        delete m_client;
        m_client = nullptr;
        delete m_peer;
        m_peer = nullptr;
        qDeleteAll(m_silentQueue);
        m_silentQueue.clear();
        m_silent.close();
    }

    void loginFields_data()
    {
        QTest::addColumn<bool>("invisible");
        QTest::addColumn<QString>("storedStatus");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("message");
        QTest::newRow("typed, new user") << false << "" << "Online" << "I am online";
        QTest::newRow("typed, stored as away") << false << "Away" << "Away" << "Gone fishing";
        QTest::newRow("invisible") << true << "" << "Offline" << "I am offline";
    }

    void loginFields()
    {
        QFETCH(bool, invisible);
        QFETCH(QString, storedStatus);
        QFETCH(QString, status);
        QFETCH(QString, message);
        QList<ZELPreferencesFile::UserSettings> users;
        if (!storedStatus.isEmpty()) {
            auto user = storedUser("alice", "old", false);
            user.statusMessages[ZELStatusMessageList::LoginStatus] = storedStatus;
            user.statusMessages[ZELStatusMessageList::AwayMessage] = "Gone fishing";
            user.contactDisplay[ZELContactDisplayList::RecentChatDays] = "3";
            users << user << storedUser("bob", "x", false);
        }
        startClient(users);
        QCOMPARE(m_client->stackedWidget->currentWidget(), m_client->loginPage);

        QList<QAbstractButton *> boxes;
        if (invisible)
            boxes << m_client->m_invisibleModeCheckBox;
        typeAndSignIn("alice", "secret", boxes);
        const ZELTestPeer::Request login = m_peer->waitForRequest("LOGIN");
        QVERIFY(login.isValid());
        QCOMPARE(login.tags(), QStringList({"UserName", "Password", "Invisible", "DefaultLoginStatus",
                                            "DefaultStatusMessage", "RECENTCHATDAYS"}));
        QCOMPARE(login.value("UserName"), QString("alice"));
        QCOMPARE(login.value("Password"), QString("secret"));
        QCOMPARE(login.value("Invisible"), QString(invisible ? "TRUE" : "FALSE"));
        QCOMPARE(login.value("DefaultLoginStatus"), status);
        QCOMPARE(login.value("DefaultStatusMessage"), message);
        QCOMPARE(login.value("RECENTCHATDAYS"), QString(storedStatus.isEmpty() ? "1" : "3"));
        QCOMPARE(m_client->stackedWidget->currentWidget(), m_client->processPage);
        QVERIFY(m_client->passWordEdit->text().isEmpty());
        if (invisible)
            QCOMPARE(m_client->m_invisibleModeAction->text(), QString("&Visible Mode"));
    }

    // A damaged file is kept aside, never overwritten: the client asks for the
    // server as on a first run and starts a new file from the answer.
    void damagedFileTakesFirstRunRoad()
    {
        const QString name = dataFolder() + "/zelPreferencesSettings.xml";
        QDir().mkpath(dataFolder());
        QFile damaged(name);
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write("not compressed settings");
        damaged.close();

        m_client = new ZELClient;
        auto *dialog = m_client->findChild<ZELConnectToServerSettings *>("ZELConnectToServerSettings");
        QVERIFY(dialog && dialog->isVisible());
        QFile aside(name + ".bad");
        QVERIFY(aside.open(QIODevice::ReadOnly));
        QCOMPARE(aside.readAll(), QByteArray("not compressed settings"));
        QVERIFY(!QFile::exists(name));

        QStringList details(ZELConnectToServerSettings::HostDetailCount);
        details[ZELConnectToServerSettings::DetailHost] = m_peer->host();
        details[ZELConnectToServerSettings::DetailPort] = QString::number(m_peer->port());
        details[ZELConnectToServerSettings::DetailProxyType] = "NoProxy";
        emit dialog->setHostDetails(details);
        QCOMPARE(ZELPreferencesFile(dataFolder()).read(QString()).connectionSettings.mid(0, 2),
                 connectionSettings().mid(0, 2));
        QVERIFY(m_peer->waitForConnection());
    }

    void automaticSignIn_data()
    {
        QTest::addColumn<int>("users");
        QTest::addColumn<bool>("signsIn");
        QTest::newRow("one user block") << 1 << true;
        QTest::newRow("two user blocks") << 2 << false;
    }

    void automaticSignIn()
    {
        QFETCH(int, users);
        QFETCH(bool, signsIn);
        QList<ZELPreferencesFile::UserSettings> stored = {storedUser("carol", "stored-pw", true)};
        if (users == 2)
            stored << storedUser("dave", "pw", false);
        startClient(stored);
        // The banner decides the sign-in as it is handled: a LOGIN it sent
        // arrives before the fence.
        fence();
        QCOMPARE(requestCount("LOGIN"), signsIn ? 1 : 0);
        if (!signsIn)
            return;
        const ZELTestPeer::Request login = m_peer->waitForRequest("LOGIN");
        QCOMPARE(login.value("UserName"), QString("carol"));
        QCOMPARE(login.value("Password"), QString("stored-pw"));
        QCOMPARE(login.value("Invisible"), QString("FALSE"));
        QCOMPARE(login.value("DefaultLoginStatus"), QString("Online"));
    }

    void refusedSignInOffersLoginIdOnce()
    {
        startClient();
        m_input.setKeyState(ZELInputMonitor::CapsLockKey, 1);
        for (int attempt = 0; attempt < 2; ++attempt) {
            typeAndSignIn("bob", "wrong");
            QVERIFY(m_peer->waitForRequest("LOGIN").isValid());
            m_peer->sendText(ZELTestPeer::message("LOGIN", {{"RESULT", "INVALIDLOGIN"}}));
            QTRY_VERIFY(!m_client->m_signInPending);
            QCOMPARE(m_client->m_showErrorLable->text(), QString("Invalid login id / password"));
            QVERIFY(!m_client->m_showErrorLable->isHidden());
            QCOMPARE(m_client->stackedWidget->currentWidget(), m_client->loginPage);
            QCOMPARE(m_client->userNameEdit->currentText(), QString("bob"));
            QVERIFY(m_client->passWordEdit->text().isEmpty());
            int offered = 0;
            for (int i = 0; i < m_client->userNameEdit->count(); ++i)
                offered += m_client->userNameEdit->itemText(i) == "bob";
            QCOMPARE(offered, 1);
        }
        QVERIFY(QToolTip::text().contains("Caps Lock is on"));
        // Refused: nothing is written for bob.
        QCOMPARE(ZELPreferencesFile(dataFolder()).read("bob").userCase, ZELPreferencesFile::UserNotFound);
    }

    void successShowsContactPageAndWritesBlock()
    {
        startClient();
        signInAs("alice", "secret", {m_client->m_rememberMeCheckBox});

        QTreeWidget *tree = m_client->m_contactView;
        QStringList rows;
        for (int i = 0; i < tree->topLevelItemCount(); ++i)
            rows << tree->topLevelItem(i)->text(0);
        QCOMPARE(rows, QStringList({"Recent Chats with...", "Online", "Offline", "Active", "Inactive",
                                    "Contact List Empty"}));
        QCOMPARE(m_client->m_userNamePushButton->text(), QString("    Alice Andersen"));
        QCOMPARE(m_client->m_statusMessageToolButton->text(), QString("Online"));
        QCOMPARE(m_client->m_trayIcon->toolTip(), QString("ZEL (Online)"));
        QCOMPARE(m_client->m_signInAction->text(), QString("Sign Out"));
        QVERIFY(m_client->m_signedIn);
        QVERIFY(m_client->m_workerThread->isRunning());
        QVERIFY(m_client->m_workerThread->activityMonitor);
        QCOMPARE(m_client->m_ownProfile, QStringList({"Developer", "Demo", "Engineering"}));

        const auto read = ZELPreferencesFile(dataFolder()).read("alice");
        QCOMPARE(read.userCase, ZELPreferencesFile::UserFound);
        QCOMPARE(read.user.autoLoginPassword, QString("secret"));
        QCOMPARE(read.user.rememberMe, QString("TRUE"));
        QVERIFY(m_client->m_loginSettings.contains("alice"));
        QVERIFY(m_client->userNameEdit->findText("alice") >= 0);
    }

    // A second click while the first reply is awaited must not change what
    // that reply is recorded under.
    void secondClickWhilePendingIsIgnored()
    {
        startClient();
        typeAndSignIn("alice", "secret");
        QVERIFY(m_peer->waitForRequest("LOGIN").isValid());
        QVERIFY(m_client->m_signInPending);

        m_client->userNameEdit->setEditText("mallory");
        m_client->passWordEdit->setText("other");
        m_client->verifyAccountInfo();
        QCOMPARE(m_client->m_loginId, QString("alice"));
        QCOMPARE(m_client->m_password, QString("secret"));

        m_peer->sendText(successReply("Alice Andersen"));
        QTRY_COMPARE(m_client->stackedWidget->currentWidget(), m_client->MainPage);
        QCOMPARE(requestCount("LOGIN"), 1);
        ZELPreferencesFile file(dataFolder());
        QCOMPARE(file.read("alice").user.autoLoginPassword, QString("secret"));
        QCOMPARE(file.read("mallory").userCase, ZELPreferencesFile::UserNotFound);
    }

    void lossWhileSignedInSignsInAgain()
    {
        startClient();
        signInAs("alice", "secret");
        // The status shown when the line drops is the one signed in with again.
        m_client->m_statusMessageToolButton->setText("Away");
        m_peer->clearRequests();

        m_peer->dropConnection();
        QVERIFY(m_peer->waitForConnection(10000));
        QVERIFY(m_peer->waitForRequest("CHECKVERSION").isValid());
        QCOMPARE(requestCount("LOGIN"), 0); // not before the banner
        m_peer->sendFile("<BANNEREMPTY><BANNEREND>");

        const ZELTestPeer::Request login = m_peer->waitForRequest("LOGIN");
        QVERIFY(login.isValid());
        QCOMPARE(login.value("UserName"), QString("alice"));
        QCOMPARE(login.value("Password"), QString("secret"));
        QCOMPARE(login.value("Invisible"), QString("FALSE"));
        QCOMPARE(login.value("DefaultLoginStatus"), QString("Away"));
        QCOMPARE(login.value("DefaultStatusMessage"), QString("I am away"));
        QVERIFY(m_client->m_autoReSignIn);
    }

    // A sign-in made again after a loss that the server refuses is answered:
    // what the user types next is a sign-in of his own, with its notices.
    void refusedSignInAgainIsTheUsersNext()
    {
        startClient();
        signInAs("alice", "secret");
        m_peer->clearRequests();
        m_peer->dropConnection();
        QVERIFY(m_peer->waitForConnection(10000));
        QVERIFY(m_peer->waitForRequest("CHECKVERSION").isValid());
        m_peer->sendFile("<BANNEREMPTY><BANNEREND>");
        QVERIFY(m_peer->waitForRequest("LOGIN").isValid());
        QVERIFY(m_client->m_autoReSignIn);
        m_peer->sendText(ZELTestPeer::message("LOGIN", {{"RESULT", "INVALIDLOGIN"}}));
        QTRY_VERIFY(!m_client->m_signInPending);
        QVERIFY(!m_client->m_autoReSignIn);
    }

    void signOutFields()
    {
        startClient();
        signInAs("alice", "secret");
        m_client->signOut();

        const ZELTestPeer::Request signOut = m_peer->waitForRequest("SIGNOUT");
        QVERIFY(signOut.isValid());
        QCOMPARE(signOut.tags(), QStringList({"USERNAME", "STATUSMESSAGE"}));
        QCOMPARE(signOut.value("USERNAME"), QString("alice"));
        QCOMPARE(signOut.value("STATUSMESSAGE"), QString("I am offline"));
        QCOMPARE(m_client->stackedWidget->currentWidget(), m_client->loginPage);
        QCOMPARE(m_client->m_contactView->topLevelItemCount(), 0);
        QVERIFY(!m_client->m_signedIn);
        QVERIFY(!m_client->m_workerThread->activityMonitor);
        QCOMPARE(m_client->m_signInAction->text(), QString("Sign In"));
        QCOMPARE(m_client->userNameEdit->currentText(), QString("alice"));
        QCOMPARE(m_client->m_trayIcon->toolTip(), QString("ZEL Connected (Offline)"));
    }

    // Chats waiting for a window when the session ends belong to the user they
    // came for: another user signing in next neither sees nor confirms them,
    // and they come at that user's next sign-in.
    void waitingChatsStayWithTheirUser_data()
    {
        QTest::addColumn<bool>("signOut");     // else the line drops
        QTest::addColumn<QStringList>("next"); // who signs in by hand, in turn
        QTest::newRow("lost connection, signed in again by itself") << false << QStringList{};
        QTest::newRow("lost connection, another user next") << false << QStringList{"bob", "alice"};
        QTest::newRow("sign-out, another user next") << true << QStringList{"bob", "alice"};
    }

    void waitingChatsStayWithTheirUser()
    {
        QFETCH(bool, signOut);
        QFETCH(QStringList, next);
        startClient();
        signInAs("alice", "secret");
        // Every new sender waits.
        m_client->m_chatWindowBound = 0;
        m_peer->sendText(chatFrom("ravi", "r1"));
        QTRY_COMPARE(m_client->m_waitingChats.size(), 1);
        m_peer->clearRequests();

        if (signOut) {
            m_client->signOut();
            m_client->m_chatWindowBound = ZELClient::MaxChatWindows;
        } else {
            loseConnection(next.isEmpty());
        }
        for (const QString &user : std::as_const(next)) {
            if (m_client->m_signedIn) {
                m_client->signOut();
                QVERIFY(m_peer->waitForRequest("SIGNOUT").isValid());
            }
            signInAs(user, "secret");
            // Waiting chats open their windows a turn after the sign-in: a
            // turn asked for now comes after theirs.
            bool turned = false;
            QTimer::singleShot(0, m_client, [&turned] { turned = true; });
            QTRY_VERIFY(turned);
            if (user != "alice") {
                QVERIFY(!m_client->m_chatWindows.contains("ravi"));
                QVERIFY(m_client->m_waitingChats.isEmpty());
                QVERIFY(m_client->m_waitingChatsLabel->isHidden());
            }
        }
        QTRY_VERIFY(m_client->m_chatWindows.contains("ravi"));
        QVERIFY(m_client->m_chatWindows.value("ravi")->totalMessage->toPlainText().contains("r1"));
        QVERIFY(m_peer->waitForRequest("MESSAGEDELIVERED").isValid());
        QCOMPARE(answers(), QStringList{"alice delivered r1"});
    }

    // File offers waiting for a window are answered as the offers shown in
    // windows are: declined when the user signs out, kept for the user when
    // the line drops.
    void waitingFileOffersEndAsShownOnes_data()
    {
        QTest::addColumn<bool>("signOut");
        QTest::addColumn<QStringList>("answered");  // at the end of the session
        QTest::addColumn<QStringList>("zoesRows");  // in Zoe's window at the next sign-in
        QTest::newRow("sign-out") << true << QStringList{"Declined r.txt", "Declined z.txt"} << QStringList{};
        QTest::newRow("lost connection") << false << QStringList{} << QStringList{"z.txt Waiting"};
    }

    void waitingFileOffersEndAsShownOnes()
    {
        QFETCH(bool, signOut);
        QFETCH(QStringList, answered);
        QFETCH(QStringList, zoesRows);
        startClient();
        signInAs("alice", "secret");
        m_client->m_chatWindowBound = 1;
        m_peer->sendText(offerFrom("ravi", "r.txt"));
        QTRY_VERIFY(m_client->m_chatWindows.contains("ravi"));
        m_peer->sendTexts({offerFrom("zoe", "z.txt"), chatFrom("zoe", "z1")});
        QTRY_COMPARE(m_client->m_waitingChats.size(), 2);
        m_peer->clearRequests();

        if (signOut) {
            m_client->signOut();
            QVERIFY(m_peer->waitForRequest("SIGNOUT").isValid());
            m_client->m_chatWindowBound = ZELClient::MaxChatWindows;
        } else {
            loseConnection(false);
        }
        QStringList seen = answers();
        seen.sort();
        QCOMPARE(seen, answered);

        m_peer->clearRequests();
        signInAs("alice", "secret");
        QTRY_VERIFY(m_client->m_chatWindows.contains("zoe"));
        ZELChatWindow *zoe = m_client->m_chatWindows.value("zoe");
        QVERIFY(zoe->totalMessage->toPlainText().contains("z1"));
        QStringList rows;
        for (int row = 0; zoe->hasFilePages() && row < zoe->filePages().m_dowLoadtable->rowCount(); ++row)
            rows << zoe->filePages().m_dowLoadtable->item(row, 0)->text() + " "
                        + zoe->filePages().m_dowLoadtable->item(row, 5)->text();
        QCOMPARE(rows, zoesRows);
        QVERIFY(m_peer->waitForRequest("MESSAGEDELIVERED").isValid());
        QCOMPARE(answers(), QStringList{"alice delivered z1"});
    }

    void forgetMeRemovesOnlyThatUser()
    {
        startClient({storedUser("alice", "a-pw", false), storedUser("bob", "b-pw", false)});
        QComboBox *ids = m_client->userNameEdit;
        QVERIFY(ids->findText("alice") >= 0);
        ids->setCurrentIndex(ids->findText("alice"));
        QCOMPARE(m_client->passWordEdit->text(), QString("a-pw")); // remembered password
        QVERIFY(m_client->m_forgetMeLink->isEnabled());

        QTest::mouseClick(m_client->m_forgetMeLink, Qt::LeftButton);

        QCOMPARE(ids->findText("alice"), -1);
        QVERIFY(ids->findText("bob") >= 0);
        QVERIFY(!m_client->m_loginSettings.contains("alice"));
        QVERIFY(m_client->passWordEdit->text().isEmpty());
        const auto read = ZELPreferencesFile(dataFolder()).read("bob");
        QCOMPARE(read.userBlockCount, 1);
        QCOMPARE(read.userCase, ZELPreferencesFile::UserFound);
        QCOMPARE(read.connectionSettings, connectionSettings());
    }

    void signedInElsewhere()
    {
        startClient();
        signInAs("alice", "secret");
        m_peer->sendText(ZELTestPeer::message("ANOTHERUSERLOGGED", {{"USERNAME", "alice"}}));
        QTRY_VERIFY(m_client->m_signedInElsewhere);
        QCOMPARE(m_client->stackedWidget->currentWidget(), m_client->loginPage);
        QCOMPARE(m_client->m_showErrorLable->text(), QString("This user has been logged in another machine"));
        QCOMPARE(m_client->userNameEdit->currentText(), QString("alice"));
        QVERIFY(!m_client->m_signedIn);
        QVERIFY(!m_client->m_signInAction->isEnabled());
        // The other machine keeps the account: a loss now brings no reconnection.
        // Reconnecting is the worker's tick, handled on the client's thread:
        // counted here after the client's own handling of the same tick.
        int ticksHandled = 0;
        const QMetaObject::Connection counter = connect(m_client->m_workerThread, &ZELThread::setConnectionState,
                                                        m_client, [&ticksHandled] { ++ticksHandled; });
        m_peer->dropConnection();
        QTRY_COMPARE(m_client->m_tcpSocket->state(), QAbstractSocket::UnconnectedState);
        // Once the loss is handled the worker either does not run, or one of
        // its ticks has been handled.
        if (m_client->m_workerThread->isRunning())
            QTRY_VERIFY(ticksHandled > 0);
        disconnect(counter);
        QCOMPARE(m_client->m_tcpSocket->state(), QAbstractSocket::UnconnectedState);
        QVERIFY(!m_peer->isConnected());
    }

    void exit_data()
    {
        QTest::addColumn<bool>("signedIn");
        QTest::addColumn<bool>("yes");
        QTest::newRow("signed in, yes") << true << true;
        QTest::newRow("login page, yes") << false << true;
        QTest::newRow("signed in, no") << true << false;
    }

    void exit()
    {
        QFETCH(bool, signedIn);
        QFETCH(bool, yes);
        startClient();
        if (signedIn)
            signInAs("alice", "secret");
        QFile voiceMail(dataFolder() + "/VoiceMails/one.wav");
        QVERIFY(voiceMail.open(QIODevice::WriteOnly));
        voiceMail.close();
        QStringList asked;
        ZELMessageBoxClass::setTestAnswerHook([&](const QString &title, const QString &text) {
            asked << title + ": " + text;
            return int(yes ? QMessageBox::Yes : QMessageBox::No);
        });
        m_client->move(123, 145);
        const QPoint position = m_client->pos();

        // Yes ends the event loop main() runs; no leaves it running.
        QCOMPARE(zelEventLoopEndsWith([this] { m_client->fileMenuExit(); }), yes);

        QCOMPARE(asked, QStringList("Zembrio: Are you sure you want to exit?"));
        QCOMPARE(QDir(dataFolder() + "/VoiceMails").exists(), !yes);
        QCOMPARE(QDir(dataFolder() + "/Banner").exists(), !yes);
        QSettings settings("VORLIX", "ZEL Chat");
        QCOMPARE(settings.contains("MainWindow/pos"), yes);
        if (yes)
            QCOMPARE(settings.value("MainWindow/pos").toPoint(), position);
        fence();
        QCOMPARE(requestCount("SIGNOUT"), signedIn && yes ? 1 : 0);
        QCOMPARE(m_client->m_trayMenu->isEnabled(), !yes);
    }

    void passwordFieldKeys()
    {
        startClient();
        m_client->passWordEdit->setText("typed");
        QTest::keyClick(m_client->passWordEdit, Qt::Key_V, Qt::ControlModifier);
        QVERIFY(m_client->passWordEdit->text().isEmpty());

        // Enter with the sign-in button off goes on to the field and sends nothing.
        m_client->userNameEdit->setEditText("alice");
        QVERIFY(!m_client->signButton->isEnabled());
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QVERIFY(!m_client->eventFilter(m_client->userNameEdit, &enter));
        m_client->passWordEdit->setText("secret");
        QVERIFY(m_client->eventFilter(m_client->userNameEdit, &enter));
        QVERIFY(m_peer->waitForRequest("LOGIN").isValid());
    }

    void dragZone_data()
    {
        QTest::addColumn<int>("below");
        QTest::addColumn<bool>("moves");
        QTest::newRow("5 px below the logo") << 5 << true;
        QTest::newRow("11 px below the logo") << 11 << false;
    }

    void dragZone()
    {
        QFETCH(int, below);
        QFETCH(bool, moves);
        startClient();
        m_client->move(100, 100);
        const QPoint start = m_client->pos();
        const QPoint press(10, m_client->m_logoLabel->height() - 1 + below);
        QTest::mousePress(m_client, Qt::LeftButton, Qt::NoModifier, press);
        QMouseEvent move(QEvent::MouseMove, QPointF(press + QPoint(30, 20)),
                         QPointF(m_client->mapToGlobal(press) + QPoint(30, 20)), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(m_client, &move);
        QTest::mouseRelease(m_client, Qt::LeftButton, Qt::NoModifier, press + QPoint(30, 20));
        QCOMPARE(m_client->pos(), moves ? start + QPoint(30, 20) : start);
    }

    void contactPageKeys()
    {
        startClient();
        signInAs("alice", "secret");
        QKeyEvent ctrlShiftA(QEvent::KeyPress, Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(m_client->eventFilter(m_client, &ctrlShiftA));
        QKeyEvent letter(QEvent::KeyPress, Qt::Key_Q, Qt::NoModifier, "q");
        QVERIFY(m_client->eventFilter(m_client, &letter));
        QVERIFY(!m_client->m_conferenceChatToolButton->isEnabled());
        QKeyEvent ctrlM(QEvent::KeyPress, Qt::Key_M, Qt::ControlModifier);
        QVERIFY(m_client->eventFilter(m_client, &ctrlM));

        // A right-click in the tree reaches the contact menu's handler: on a
        // group row it leaves no contact action enabled.
        QTreeWidget *tree = m_client->m_contactView;
        tree->setCurrentItem(tree->topLevelItem(1));
        m_client->m_chatAction->setEnabled(true);
        QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(5, 5), tree->viewport()->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(tree->viewport(), &rightClick);
        QVERIFY(!m_client->m_chatAction->isEnabled());
        QVERIFY(!m_client->m_contactMenuRequested);

        // The pointer leaving a notification closes it.
        m_client->m_notificationPopup->show();
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(m_client->m_notificationPopup->m_messageLabel, &leave);
        QVERIFY(!m_client->m_notificationPopup->isVisible());
    }

    // The contact tree normally holds the focus: Ctrl+A opens the add-contact
    // dialog from there instead of selecting every row.
    void ctrlKeysFromTheContactTree()
    {
        startClient();
        signInAs("alice", "secret");
        m_client->show();
        QTreeWidget *tree = m_client->m_contactView;
        tree->setFocus();
        QVERIFY(!m_client->m_addContactDialog->isVisible());
        QTest::keyClick(tree, Qt::Key_A, Qt::ControlModifier);
        QVERIFY(m_client->m_addContactDialog->isVisible());
        QVERIFY(tree->selectedItems().size() <= 1);
        m_client->m_addContactDialog->close();
    }

    // Keypad Enter always runs the sign-in check; Return only while Sign In is on.
    void enterKeysOnTheLoginPage_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("login");
        QTest::addColumn<bool>("consumed");
        QTest::addColumn<QString>("message");
        QTest::newRow("keypad Enter, both empty") << int(Qt::Key_Enter) << "" << true << "Enter login id / password";
        QTest::newRow("keypad Enter, no password") << int(Qt::Key_Enter) << "alice" << true
                                                   << "Enter login id / password";
        QTest::newRow("Return, no password") << int(Qt::Key_Return) << "alice" << false << "";
    }

    void enterKeysOnTheLoginPage()
    {
        QFETCH(int, key);
        QFETCH(QString, login);
        QFETCH(bool, consumed);
        QFETCH(QString, message);
        startClient();
        m_client->show();
        m_client->userNameEdit->setEditText(login);
        QVERIFY(!m_client->signButton->isEnabled());
        QKeyEvent press(QEvent::KeyPress, key, key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        QCOMPARE(m_client->eventFilter(m_client->userNameEdit, &press), consumed);
        QCOMPARE(m_client->m_showErrorLable->isVisible(), !message.isEmpty());
        if (!message.isEmpty())
            QCOMPARE(m_client->m_showErrorLable->text(), message);
        QCOMPARE(requestCount("LOGIN"), 0);
    }

    // After a sign-out a reconnection never signs the user in by itself: the
    // automatic sign-in is decided once, from the file read at start-up.
    void signOutStaysAfterReconnection_data()
    {
        QTest::addColumn<bool>("storedAutoLogin");
        QTest::newRow("box ticked during this run") << false;
        QTest::newRow("signed in automatically at start") << true;
    }

    void signOutStaysAfterReconnection()
    {
        QFETCH(bool, storedAutoLogin);
        if (storedAutoLogin) {
            startClient({storedUser("alice", "secret", true)});
            QVERIFY(m_peer->waitForRequest("LOGIN").isValid());
            m_peer->sendText(successReply("Alice Andersen"));
            QTRY_COMPARE(m_client->stackedWidget->currentWidget(), m_client->MainPage);
        } else {
            startClient();
            signInAs("alice", "secret", {m_client->m_rememberMeCheckBox, m_client->m_rememberPasswordCheckBox,
                                         m_client->m_autoSignInCheckBox});
            QCOMPARE(ZELPreferencesFile(dataFolder()).read("alice").user.autoStatus.value(
                         ZELAutoStatusList::AutoLogin),
                     QString("TRUE"));
        }
        m_client->signOut();
        QVERIFY(m_peer->waitForRequest("SIGNOUT").isValid());
        QTRY_COMPARE(m_client->stackedWidget->currentWidget(), m_client->loginPage);
        m_peer->clearRequests();

        m_peer->dropConnection();
        QVERIFY(m_peer->waitForConnection(10000));
        QVERIFY(m_peer->waitForRequest("CHECKVERSION").isValid());
        m_peer->sendFile("<BANNEREMPTY><BANNEREND>");
        // The banner decides the sign-in as it is handled: a LOGIN it sent
        // arrives before the fence.
        QTRY_VERIFY(!m_client->m_fileDataAwaited);
        fence();
        QCOMPARE(requestCount("LOGIN"), 0);
        QCOMPARE(m_client->stackedWidget->currentWidget(), m_client->loginPage);
        QVERIFY(!m_client->m_signInPending);
    }

    // The connection goes at each stage of a sign-in. One the client made by
    // itself (again after a loss, or the stored automatic one) is made again
    // once the server is back, whatever stage it had reached; so is any that
    // had reached the contact page. One the user typed and that got no answer,
    // or one the user was told to try again, leaves the sign-in page, ready
    // for the user, and no spinning page.
    void lossDuringSignIn_data()
    {
        QTest::addColumn<QString>("starter"); // "typed", "stored", "again"
        QTest::addColumn<QString>("stage");   // "banner", "answer", "contacts", "given up"
        QTest::addColumn<bool>("signsInAgain");
        QTest::addColumn<QString>("status");
        QTest::newRow("again: lost before the banner") << "again" << "banner" << true << "Away";
        QTest::newRow("again: lost before the answer") << "again" << "answer" << true << "Away";
        QTest::newRow("again: lost before the contacts") << "again" << "contacts" << true << "Away";
        QTest::newRow("again: given up, then lost") << "again" << "given up" << false << "";
        QTest::newRow("stored: lost before the answer") << "stored" << "answer" << true << "Online";
        QTest::newRow("stored: lost before the contacts") << "stored" << "contacts" << true << "Online";
        QTest::newRow("typed: lost before the answer") << "typed" << "answer" << false << "";
        QTest::newRow("typed: lost before the contacts") << "typed" << "contacts" << true << "Online";
        QTest::newRow("typed: given up, then lost") << "typed" << "given up" << false << "";
    }

    void lossDuringSignIn()
    {
        QFETCH(QString, starter);
        QFETCH(QString, stage);
        QFETCH(bool, signsInAgain);
        QFETCH(QString, status);
        // The server goes and comes back; nothing is signed in before its banner.
        auto reconnect = [this](bool banner) {
            m_peer->clearRequests();
            m_peer->dropConnection();
            if (!m_peer->waitForConnection(10000) || !m_peer->waitForRequest("CHECKVERSION").isValid()
                || requestCount("LOGIN") != 0)
                return false;
            if (banner)
                m_peer->sendFile("<BANNEREMPTY><BANNEREND>");
            return true;
        };

        if (starter == "stored") {
            startClient({storedUser("alice", "secret", true)});
        } else {
            startClient();
            if (stage == "given up")
                m_client->m_signInAnswerMs = 1000;
            if (starter == "again") {
                signInAs("alice", "secret");
                m_client->m_statusMessageToolButton->setText("Away");
                QVERIFY(reconnect(stage != "banner"));
                if (stage == "banner")
                    QVERIFY(reconnect(true));
            } else {
                typeAndSignIn("alice", "secret");
            }
        }
        if (stage != "banner")
            QVERIFY(m_peer->waitForRequest("LOGIN").isValid());
        if (stage == "contacts") {
            m_peer->sendText(successReply("Alice Andersen"));
            QTRY_COMPARE(m_client->stackedWidget->currentWidget(), m_client->MainPage);
        } else if (stage == "given up") {
            QTRY_COMPARE(m_client->m_showErrorLable->text(),
                         QString("No answer from the server. Please try again"));
        }

        if (stage != "banner")
            QVERIFY(reconnect(true));
        QTRY_VERIFY(!m_client->m_fileDataAwaited);
        if (signsInAgain) {
            const ZELTestPeer::Request login = m_peer->waitForRequest("LOGIN");
            QVERIFY(login.isValid());
            QCOMPARE(login.value("UserName"), QString("alice"));
            QCOMPARE(login.value("Password"), QString("secret"));
            QCOMPARE(login.value("DefaultLoginStatus"), status);
            m_peer->sendText(successReply("Alice Andersen"));
            QTRY_COMPARE(m_client->stackedWidget->currentWidget(), m_client->MainPage);
            QVERIFY(m_client->m_signedIn);
            return;
        }
        // The banner decides the sign-in as it is handled: a LOGIN it sent
        // arrives before the fence.
        fence();
        QCOMPARE(requestCount("LOGIN"), 0);
        QCOMPARE(m_client->stackedWidget->currentWidget(), m_client->loginPage);
        QVERIFY(!m_client->m_signInPending);
        QVERIFY(!m_client->m_trayRotationTimer->isActive());
        QVERIFY(m_client->m_processMovie->state() != QMovie::Running);
        // The user signs in by hand as on any sign-in page.
        m_peer->clearRequests();
        typeAndSignIn("alice", "secret");
        QVERIFY(m_peer->waitForRequest("LOGIN").isValid());
        m_peer->sendText(successReply("Alice Andersen"));
        QTRY_COMPARE(m_client->stackedWidget->currentWidget(), m_client->MainPage);
    }

    // A client started while the server is down shows its sign-in page as it
    // would with the server up (the one user who signs in by himself filled
    // in); Sign In then tries the server, says when it cannot be reached, and
    // signs in once it can, with what was typed.
    void signInWhileServerDown_data()
    {
        QTest::addColumn<bool>("remembered");
        QTest::newRow("typed") << false;
        QTest::newRow("remembered automatic user") << true;
    }

    void signInWhileServerDown()
    {
        QFETCH(bool, remembered);
        QList<ZELPreferencesFile::UserSettings> users;
        if (remembered)
            users << storedUser("alice", "secret", true);
        startClientWhileServerDown(users);
        if (remembered) {
            QCOMPARE(m_client->userNameEdit->currentText(), QString("alice"));
            QCOMPARE(m_client->passWordEdit->text(), QString("secret"));
            QVERIFY(m_client->m_rememberMeCheckBox->isChecked());
            QVERIFY(m_client->m_rememberPasswordCheckBox->isChecked());
            QVERIFY(m_client->m_autoSignInCheckBox->isChecked());
            QVERIFY(m_client->signButton->isEnabled());
        } else {
            QVERIFY(m_client->userNameEdit->currentText().isEmpty());
            m_client->userNameEdit->setEditText("alice");
            m_client->passWordEdit->setText("secret");
        }
        signInFindsServerDown();

        startServer();
        m_client->signButton->click();
        QCOMPARE(m_client->stackedWidget->currentWidget(), m_client->processPage);
        QVERIFY(m_peer->waitForConnection());
        QVERIFY(m_peer->waitForRequest("CHECKVERSION").isValid());
        fence();
        QCOMPARE(requestCount("LOGIN"), 0); // not before the banner
        m_peer->sendFile("<BANNEREMPTY><BANNEREND>");
        const ZELTestPeer::Request login = m_peer->waitForRequest("LOGIN");
        QVERIFY(login.isValid());
        QCOMPARE(login.value("UserName"), QString("alice"));
        QCOMPARE(login.value("Password"), QString("secret"));
        QCOMPARE(login.value("DefaultLoginStatus"), QString("Online"));
        m_peer->sendText(successReply("Alice Andersen"));
        QTRY_COMPARE(m_client->stackedWidget->currentWidget(), m_client->MainPage);
        fence();
        QCOMPARE(requestCount("LOGIN"), 1); // the stored automatic one is not sent as well
    }

    // The server goes away while the sign-in page shows. A user who was not
    // signed in keeps that page, told what is happening, while the client
    // tries again behind it; Sign In meanwhile tries at once and says so when
    // it cannot. A signed-in user waits on the connecting page and is signed
    // in again by himself.
    void serverGoneWhileSignedOut_data()
    {
        QTest::addColumn<QString>("before"); // "signed out", "typed", "signed in"
        QTest::newRow("signed out after a session") << "signed out";
        QTest::newRow("password typed, never signed in") << "typed";
        QTest::newRow("signed in") << "signed in";
    }

    void serverGoneWhileSignedOut()
    {
        QFETCH(QString, before);
        startClient();
        if (before == "typed") {
            m_client->userNameEdit->setEditText("alice");
            m_client->passWordEdit->setText("secret");
        } else {
            signInAs("alice", "secret");
            if (before == "signed out") {
                m_client->signOut();
                QVERIFY(m_peer->waitForRequest("SIGNOUT").isValid());
                QCOMPARE(m_client->stackedWidget->currentWidget(), m_client->loginPage);
            }
        }

        QSignalSpy states(m_client->m_tcpSocket, &QAbstractSocket::stateChanged);
        auto attempts = [&states] {
            int count = 0;
            for (const QList<QVariant> &state : std::as_const(states))
                count += state.value(0).value<QAbstractSocket::SocketState>() == QAbstractSocket::ConnectingState;
            return count;
        };
        stopServer();
        // Several reconnect attempts have failed by now.
        QTRY_VERIFY(attempts() >= 3);
        if (before == "signed in") {
            QCOMPARE(m_client->stackedWidget->currentWidget(), m_client->processPage);
        } else {
            QCOMPARE(m_client->stackedWidget->currentWidget(), m_client->loginPage);
            QCOMPARE(m_client->m_showErrorLable->text(), QString("Connection to the server lost. Reconnecting..."));
            QVERIFY(!m_client->m_showErrorLable->isHidden());
            QCOMPARE(m_client->m_connectedStateLabel->text(), QString("<font color = 'red'>Disconnected"));
            QVERIFY(!m_client->m_settingsLabel->isHidden());
            QVERIFY(m_client->m_connectToServerAction->isEnabled());
            QCOMPARE(m_client->passWordEdit->text(), QString(before == "typed" ? "secret" : ""));
            if (before == "typed")
                signInFindsServerDown();
        }

        startServer();
        QVERIFY(m_peer->waitForConnection(10000));
        QVERIFY(m_peer->waitForRequest("CHECKVERSION").isValid());
        m_peer->sendFile("<BANNEREMPTY><BANNEREND>");
        QTRY_VERIFY(!m_client->m_fileDataAwaited);
        if (before == "signed in") {
            QVERIFY(m_peer->waitForRequest("LOGIN").isValid());
            QVERIFY(m_client->m_autoReSignIn);
            return;
        }
        fence();
        QCOMPARE(requestCount("LOGIN"), 0);
        QCOMPARE(m_client->stackedWidget->currentWidget(), m_client->loginPage);
        QCOMPARE(m_client->m_connectedStateLabel->text(), QString("<font color = 'green'>Connected"));
        QVERIFY(m_client->m_showErrorLable->text().isEmpty());
        typeAndSignIn("alice", "secret");
        QVERIFY(m_peer->waitForRequest("LOGIN").isValid());
        m_peer->sendText(successReply("Alice Andersen"));
        QTRY_COMPARE(m_client->stackedWidget->currentWidget(), m_client->MainPage);
    }

    // A server whose packets are dropped neither takes nor refuses a
    // connection. The user's attempt ends after a bounded wait, or at once by
    // the connecting page's close button, as a refused one: on the sign-in
    // page, what was typed kept. A signed-in user's reconnection waits on the
    // connecting page as before, its close button as before.
    void connectAttemptWithoutAnswer_data()
    {
        QTest::addColumn<QString>("attempt"); // "start-up", "sign in", "sign in on a reconnect", "signed in"
        QTest::addColumn<bool>("closed");     // else the wait runs out
        QTest::addColumn<QString>("message");
        const QString unreachable = "ZEL not connected. The server cannot be reached.";
        QTest::newRow("start-up, closed") << "start-up" << true << "ZEL not connected";
        QTest::newRow("Sign In, no answer") << "sign in" << false << unreachable;
        QTest::newRow("Sign In, closed") << "sign in" << true << "ZEL not connected";
        QTest::newRow("Sign In on a reconnect attempt, no answer") << "sign in on a reconnect" << false << unreachable;
        QTest::newRow("Sign In on a reconnect attempt, closed") << "sign in on a reconnect" << true
                                                               << "ZEL not connected";
        QTest::newRow("signed in, closed") << "signed in" << true << "";
    }

    void connectAttemptWithoutAnswer()
    {
        QFETCH(QString, attempt);
        QFETCH(bool, closed);
        QFETCH(QString, message);
        if (attempt == "start-up") {
            openSilentPort();
            ZELPreferencesFile file(dataFolder());
            const QStringList silent = {"127.0.0.1", QString::number(m_silent.serverPort()), "NoProxy",
                                        "", "", "", ""};
            QVERIFY(file.create(silent));
            QVERIFY(file.addUser(storedUser("alice", "secret", true), silent));
            m_client = new ZELClient;
        } else if (attempt == "sign in") {
            startClientWhileServerDown({});
            openSilentPort(m_downPort);
        } else {
            startClient();
            if (attempt == "signed in")
                signInAs("alice", "secret");
            stopServer();
            openSilentPort(m_downPort);
            // A reconnect attempt waits for the port.
            QTRY_COMPARE(m_client->m_tcpSocket->state(), QAbstractSocket::ConnectingState);
        }
        if (attempt != "start-up" && attempt != "signed in") {
            QCOMPARE(m_client->stackedWidget->currentWidget(), m_client->loginPage);
            m_client->userNameEdit->setEditText("alice");
            m_client->passWordEdit->setText("secret");
            m_client->m_connectAttemptMs = closed ? 60000 : 300;
            m_client->signButton->click();
        }
        QCOMPARE(m_client->stackedWidget->currentWidget(), m_client->processPage);
        QCOMPARE(m_client->m_tcpSocket->state(), QAbstractSocket::ConnectingState);

        QStringList asked;
        ZELMessageBoxClass::setTestAnswerHook([&asked](const QString &title, const QString &text) {
            asked << title + ": " + text;
            return int(QMessageBox::No);
        });
        if (closed)
            m_client->m_processPageCloseButton->click();
        if (attempt == "signed in") {
            // Without a tray the close button asks about exiting, as it did.
            QCOMPARE(asked, QStringList("Zembrio: Are you sure you want to exit?"));
            QCOMPARE(m_client->stackedWidget->currentWidget(), m_client->processPage);
            return;
        }
        QTRY_COMPARE(m_client->stackedWidget->currentWidget(), m_client->loginPage);
        QVERIFY(asked.isEmpty());
        QCOMPARE(m_client->m_showErrorLable->text(), message);
        QVERIFY(!m_client->m_showErrorLable->isHidden());
        QCOMPARE(m_client->userNameEdit->currentText(), QString("alice"));
        QCOMPARE(m_client->passWordEdit->text(), QString("secret"));
        QVERIFY(m_client->signButton->isEnabled());
        QVERIFY(m_client->m_processMovie->state() != QMovie::Running);
        if (attempt != "sign in on a reconnect") {
            // Nothing tries again behind the page (reconnect ticks do).
            QCOMPARE(m_client->m_tcpSocket->state(), QAbstractSocket::UnconnectedState);
            QVERIFY(!m_client->m_trayRotationTimer->isActive());
        }
    }

    // While reconnect attempts wait for a server that does not answer, the
    // server settings' Connect goes to the address given there at once.
    void settingsConnectWhileReconnectWaits()
    {
        startClient();
        stopServer();
        openSilentPort(m_downPort);
        QTRY_COMPARE(m_client->m_tcpSocket->state(), QAbstractSocket::ConnectingState);
        m_peer = new ZELTestPeer;
        QVERIFY(m_peer->listen());
        QStringList details(ZELConnectToServerSettings::HostDetailCount);
        details[ZELConnectToServerSettings::DetailHost] = m_peer->host();
        details[ZELConnectToServerSettings::DetailPort] = QString::number(m_peer->port());
        details[ZELConnectToServerSettings::DetailProxyType] = "NoProxy";
        m_client->setHostDetails(details);
        QVERIFY(m_peer->waitForConnection());
        QVERIFY(m_peer->waitForRequest("CHECKVERSION").isValid());
    }

    // After a lost connection the session's windows wait, disabled, for its
    // user to sign in again. When another user signs in they go as at a
    // sign-out (a chat's transcript saved under its user's settings), with
    // no word to the server for a session it has already ended.
    void lostSessionWindowsStayOnlyForTheirUser_data()
    {
        QTest::addColumn<QString>("next");
        QTest::addColumn<bool>("autoSave");
        QTest::newRow("another user, automatic save") << "bob" << true;
        QTest::newRow("another user, no automatic save") << "bob" << false;
        QTest::newRow("the same user again") << "alice" << true;
    }

    void lostSessionWindowsStayOnlyForTheirUser()
    {
        QFETCH(QString, next);
        QFETCH(bool, autoSave);
        auto alice = storedUser("alice", "secret", false);
        alice.chatHistory[ZELChatHistoryList::AutomaticSave] = autoSave ? "TRUE" : "FALSE";
        alice.chatHistory[ZELChatHistoryList::SaveLocation] = dataFolder() + "/alice-history";
        auto bob = storedUser("bob", "secret", false);
        bob.chatHistory[ZELChatHistoryList::AutomaticSave] = "TRUE";
        bob.chatHistory[ZELChatHistoryList::SaveLocation] = dataFolder() + "/bob-history";
        startClient({alice, bob});
        signInAs("alice", "secret");
        m_peer->sendTexts({chatFrom("ravi", "r1"), offerFrom("ravi", "r.txt"),
                           ZELTestPeer::message("ONLINEGROUPMESSAGE", {{"PLAINMESSAGE", "g1"},
                                                                       {"HTMLMESSAGE", "g1"},
                                                                       {"LOGINNAME", "mona"},
                                                                       {"DISPLAYNAME", "Mona"}}),
                           ZELTestPeer::message("OFFLINEMESSAGES",
                                                {{"VALUE", "zoe##see you##10:00##NO##see you##ZOE##NO"}})});
        QTRY_VERIFY(m_client->m_chatWindows.contains("ravi"));
        QTRY_COMPARE(m_client->m_groupMessageDisplays.size(), 1);
        const QPointer<ZELChatWindow> chat = m_client->m_chatWindows.value("ravi");
        QTRY_VERIFY(chat->totalMessage->toPlainText().contains("r1"));
        const QPointer<ZELGroupMessageDisplay> group = m_client->m_groupMessageDisplays.firstKey();
        QTRY_COMPARE(m_client->m_offlineMessageList.size(), 2);
        m_client->generateWindow();
        QVERIFY(m_client->m_offlineMessagesWidget.isVisible());

        loseConnection(false);
        m_peer->clearRequests();
        signInAs(next, "secret");

        const bool kept = next == "alice";
        QCOMPARE(m_client->m_chatWindows.contains("ravi"), kept);
        QCOMPARE(chat && chat->isVisible(), kept);
        QCOMPARE(group && group->isVisible(), kept);
        QCOMPARE(m_client->m_offlineMessagesWidget.isVisible(), kept);
        if (kept)
            QVERIFY(chat->Chat->isEnabled());
        QFile transcript(ZELHistoryPaths::userFolder(dataFolder() + "/alice-history", "Alice Andersen") + "/"
                         + ZELHistoryPaths::dayFolderName(QDate::currentDate()) + "/"
                         + ZELHistoryPaths::contactFileName("ravi K"));
        QCOMPARE(transcript.exists(), autoSave && !kept);
        if (transcript.exists()) {
            QVERIFY(transcript.open(QIODevice::ReadOnly));
            QVERIFY(QString::fromUtf8(transcript.readAll()).contains("r1"));
        }
        QVERIFY(!QDir(dataFolder() + "/bob-history").exists());
        // The offer in the closed window is not declined on alice's behalf.
        fence();
        QVERIFY(!m_peer->requestTypes().contains("FTPSTATUS"));
        QVERIFY(!m_peer->requestTypes().contains("CLOSECHATWINDOW"));
    }

    // Signing in again after each loss shows the status pictures and the tray's
    // connecting frames as the very same icons every time: an icon made anew
    // is rendered anew into the pixmap cache, one more copy per connection.
    void signInsAgainReuseTheirIcons_data()
    {
        QTest::addColumn<QString>("storedStatus");
        QTest::newRow("Online") << "Online";
        QTest::newRow("Away") << "Away";
        QTest::newRow("own status word") << "At lunch";
    }

    void signInsAgainReuseTheirIcons()
    {
        QFETCH(QString, storedStatus);
        auto user = storedUser("alice", "secret", true);
        user.statusMessages[ZELStatusMessageList::LoginStatus] = storedStatus;
        startClient({user});
        QSet<qint64> nameIcons, trayIcons, frames;
        for (int cycle = 0; cycle < 3; ++cycle) {
            const ZELTestPeer::Request login = m_peer->waitForRequest("LOGIN");
            QVERIFY(login.isValid());
            QCOMPARE(login.value("DefaultLoginStatus"), storedStatus);
            m_peer->sendText(successReply("Alice Andersen"));
            QTRY_VERIFY(m_client->m_signedIn);
            nameIcons << m_client->m_userNamePushButton->icon().cacheKey();
            trayIcons << m_client->m_trayIcon->icon().cacheKey();
            for (int frame = 0; frame < 4; ++frame) {
                m_client->rotateSystemTrayIcon();
                frames << m_client->windowIcon().cacheKey();
            }

            m_peer->dropConnection();
            QVERIFY(m_peer->waitForConnection(10000));
            QVERIFY(m_peer->waitForRequest("CHECKVERSION").isValid());
            m_peer->sendFile("<BANNEREMPTY><BANNEREND>");
        }
        QCOMPARE(nameIcons.size(), 1);
        QCOMPARE(trayIcons.size(), 1);
        QCOMPARE(frames.size(), 4);
    }

    // A sign-in the server never answers ends on the sign-in page with a word.
    // A late answer to it signs nobody in behind the user's back: an acceptance
    // is signed out at once and that connection closed, with nothing of its
    // session acted upon. Once the user tries again, the first answer counts
    // and a second one changes nothing.
    void unansweredSignInEndsWithMessage_data()
    {
        QTest::addColumn<bool>("retryFirst");
        QTest::addColumn<QString>("lateResult"); // "" for no late answer
        QTest::newRow("no answer") << false << "";
        QTest::newRow("late acceptance") << false << "SUCCESSLOGIN";
        QTest::newRow("late refusal") << false << "INVALIDLOGIN";
        QTest::newRow("late acceptance while trying again") << true << "SUCCESSLOGIN";
    }

    void unansweredSignInEndsWithMessage()
    {
        QFETCH(bool, retryFirst);
        QFETCH(QString, lateResult);
        const QString noAnswer = "No answer from the server. Please try again";
        startClient();
        m_client->m_signInAnswerMs = 300;
        typeAndSignIn("alice", "secret");
        QVERIFY(m_peer->waitForRequest("LOGIN").isValid());
        QCOMPARE(m_client->stackedWidget->currentWidget(), m_client->processPage);
        QTRY_COMPARE(m_client->stackedWidget->currentWidget(), m_client->loginPage);
        QVERIFY(!m_client->m_signInPending);
        QCOMPARE(m_client->m_showErrorLable->text(), noAnswer);
        QVERIFY(!m_client->m_showErrorLable->isHidden());
        QVERIFY(!m_client->m_trayRotationTimer->isActive());

        const QString chat = ZELTestPeer::message("CHAT", {{"CHATUSERNAME", "alice"}, {"LOGINNAME", "bob"},
                                                           {"MESSAGE", "hello"}, {"SENDSMILEY", ""},
                                                           {"SENDPICTURE", ""}, {"BANNERSTATE", ""},
                                                           {"PLAINTEXT", "hello"}, {"DISPLAYNAME", "Bob"},
                                                           {"PASSWORD", "FALSE"}});
        if (retryFirst) {
            typeAndSignIn("alice", "secret");
            QVERIFY(m_peer->waitForRequest("LOGIN").isValid());
            m_peer->sendText(successReply("Alice Andersen"));
            QTRY_COMPARE(m_client->stackedWidget->currentWidget(), m_client->MainPage);
            // The retry's own answer, after the late one.
            m_peer->sendText(ZELTestPeer::message("LOGIN", {{"RESULT", "ALREADYLOGGEDIN"}}));
            m_peer->sendText(chat);
            QTRY_VERIFY(m_client->m_chatWindows.contains("bob"));
            QCOMPARE(m_client->stackedWidget->currentWidget(), m_client->MainPage);
            QVERIFY(m_client->m_signedIn);
            QVERIFY(m_client->m_showErrorLable->text() != "Already logged in");
            QVERIFY(!m_peer->requestTypes().contains("SIGNOUT"));
            return;
        }

        if (lateResult == "SUCCESSLOGIN") {
            // Had anything after the acceptance been acted upon, this would
            // mark the account as taken elsewhere and stop reconnecting.
            const QString elsewhere = ZELTestPeer::message("ANOTHERUSERLOGGED", {{"USERNAME", "alice"}});
            m_peer->sendTexts({successReply("Alice Andersen"), elsewhere});
            m_peer->sendText(elsewhere);
            const ZELTestPeer::Request signOut = m_peer->waitForRequest("SIGNOUT");
            QVERIFY(signOut.isValid());
            QCOMPARE(signOut.value("USERNAME"), QString("alice"));
            QVERIFY(!m_client->m_signedIn);
            QVERIFY(m_client->stackedWidget->currentWidget() != m_client->MainPage);
            QVERIFY(m_peer->waitForConnection(10000));
            QVERIFY(!m_client->m_signedInElsewhere);
            QVERIFY(m_peer->waitForRequest("CHECKVERSION").isValid());
            m_peer->sendFile("<BANNEREMPTY><BANNEREND>");
            QTRY_VERIFY(!m_client->m_fileDataAwaited);
            QTRY_COMPARE(m_client->stackedWidget->currentWidget(), m_client->loginPage);
        } else if (!lateResult.isEmpty()) {
            // A message after the late answer goes on as usual: it enables the
            // forgotten-password link.
            m_client->m_forgetPasswordButton->setEnabled(false);
            m_peer->sendTexts({ZELTestPeer::message("LOGIN", {{"RESULT", lateResult}}),
                               ZELTestPeer::message("FORGETPWD", {{"USERNAME", "alice"}, {"STATUS", "-"}})});
            QTRY_VERIFY(m_client->m_forgetPasswordButton->isEnabled());
            QCOMPARE(m_client->m_showErrorLable->text(), noAnswer);
            QVERIFY(!m_peer->requestTypes().contains("SIGNOUT"));
        }
        QCOMPARE(m_client->stackedWidget->currentWidget(), m_client->loginPage);

        // The user can try again, and an answer then is taken as usual.
        typeAndSignIn("alice", "secret");
        QVERIFY(m_peer->waitForRequest("LOGIN").isValid());
        m_peer->sendText(successReply("Alice Andersen"));
        QTRY_COMPARE(m_client->stackedWidget->currentWidget(), m_client->MainPage);
    }

    // A save rewrites the user's block at once and moves it to the end.
    void saveRewritesBlock()
    {
        // The stored password is out of date: the one that signed in replaces it.
        startClient({storedUser("alice", "stale", false), storedUser("bob", "pw", false)});
        signInAs("alice", "secret");
        QCOMPARE(ZELPreferencesFile(dataFolder()).read("alice").user.autoLoginPassword, QString("secret"));
        QCOMPARE(m_client->m_loginSettings.value("alice").autoLoginPassword, QString("secret"));
        QStringList status = m_client->m_statusMessageSettings;
        status[ZELStatusMessageList::OnlineMessage] = "Here and ready";
        m_client->saveDefaultStatusMessage(status);

        const auto read = ZELPreferencesFile(dataFolder()).read("alice");
        QCOMPARE(read.userBlockCount, 2);
        QCOMPARE(read.user.statusMessages.value(ZELStatusMessageList::OnlineMessage), QString("Here and ready"));
        QCOMPARE(read.autoLoginEntries.value(0), QString("alice")); // the block read last
        QCOMPARE(read.connectionSettings, connectionSettings());
        QVERIFY(m_client->m_statusMessagesSaved);
    }

    // Saves reach the chat windows already open.
    void savesApplyToOpenChatWindows()
    {
        startClient({storedUser("alice", "secret", false)});
        signInAs("alice", "secret");
        auto *withFolder = new ZELChatWindow;
        auto *withoutFolder = new ZELChatWindow;
        withFolder->filePages().m_defaultFileLocation->setText("/old/folder");
        withoutFolder->filePages().m_defaultFileLocation->clear();
        m_client->m_chatWindows.insert("bob", withFolder);
        m_client->m_chatWindows.insert("carol", withoutFolder);

        QStringList chat = m_client->m_chatWindowSettings;
        chat[ZELChatWindowList::FontSize] = "12";
        m_client->saveDefaultChatWindowSettings(chat);
        QString folder = "/new/folder";
        m_client->saveDefaultLocation(folder);

        for (ZELChatWindow *window : {withFolder, withoutFolder})
            QCOMPARE(window->serverMessage->font().pointSize(), 12);
        QCOMPARE(withFolder->filePages().m_defaultFileLocation->text(), folder);
        QVERIFY(withoutFolder->filePages().m_defaultFileLocation->text().isEmpty());
        const auto read = ZELPreferencesFile(dataFolder()).read("alice");
        QCOMPARE(read.user.chatWindow.value(ZELChatWindowList::FontSize), QString("12"));
        QCOMPARE(read.user.defaultFileLocation, folder);

        m_client->m_chatWindows.clear();
        delete withFolder;
        delete withoutFolder;
    }
};

ZEL_TEST_MAIN(TestSignIn)
#include "tst_signin.moc"
