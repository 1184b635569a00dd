#include <QAction>
#include <QAuthenticator>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QStandardPaths>
#include <QSystemTrayIcon>
#include <QTabWidget>
#include <QTextBrowser>
#include <QListWidget>
#include <QLabel>
#include <QTimer>

#include "chat/zelchatwindow.h"
#include "chat/zelinvitablelist.h"
#include "contacts/zeladdcontact.h"
#include "contacts/zelapprovaladdcontact.h"
#include "contacts/zelapprovalrequesteduser.h"
#include "contacts/zeldeletecontact.h"
#include "core/zelclient.h"
#include "mainwindow/zelbusinesscarddetails.h"
#include "mainwindow/zelpopup.h"
#include "media/zelvoicemail.h"
#include "media/zelvoicemailinbox.h"
#include "messages/zelchathistorylistwindow.h"
#include "messages/zelofflinemessageswidget.h"
#include "reminders/zelreminderdialog.h"
#include "reminders/zelreminderpopup.h"
#include "protocol/zelpreferencesfile.h"
#include "protocol/zeltcpsocket.h"
#include "core/zelthread.h"
#include "peer/zeltestpeer.h"
#include "settings/zelconnecttoserversettings.h"
#include "zeltestmain.h"

#include <atomic>
#include <malloc.h>

// Qt's object hooks (as debugging tools use them): every QObject created and
// destroyed passes here, so a test can count the objects alive.
namespace QHooks {
enum HookIndex { HookDataVersion = 0, HookDataSize = 1, QtVersion = 2, AddQObject = 3, RemoveQObject = 4 };
}
extern quintptr Q_CORE_EXPORT qtHookData[];

namespace {
std::atomic<long> liveObjects{0};
void objectAdded(QObject *) { ++liveObjects; }
void objectRemoved(QObject *) { --liveObjects; }
} // namespace

// The connection's life against the protocol peer: the first-run server
// dialog, the handshake, the banner, keep-alive, loss and reconnection, the
// refusal markers, proxies and bad ports; and the server dialog's own checks.
class TestConnection : public QObject
{
    Q_OBJECT

private:
    static QString dataFolder()
    {
        return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/ZEL";
    }

    static ZELConnectToServerSettings *serverDialog(ZELClient &client)
    {
        return client.findChild<ZELConnectToServerSettings *>("ZELConnectToServerSettings");
    }

    // Answers the first-run server dialog with the peer's address.
    static bool answerServerDialog(ZELClient &client, const QString &host, const QString &port)
    {
        ZELConnectToServerSettings *dialog = serverDialog(client);
        if (!dialog || !dialog->isVisible())
            return false;
        dialog->m_hostNameLineEdit->setText(host);
        dialog->m_portValueLineEdit->setText(port);
        dialog->m_connectPushButton->click();
        return true;
    }

    static bool connectToPeer(ZELClient &client, ZELTestPeer &peer)
    {
        if (!answerServerDialog(client, peer.host(), QString::number(peer.port())))
            return false;
        return peer.waitForConnection() && peer.waitForRequest("CHECKVERSION").isValid();
    }

    static QByteArray gifBytes()
    {
        QByteArray bytes("GIF89a");
        for (int i = 0; i < 600; ++i)
            bytes.append(char(i * 7 % 256));
        bytes.append("<WRITE"); // a piece of the terminator inside the data
        return bytes;
    }

    static QByteArray readAll(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

private slots:
    void init()
    {
        // Every case starts as a first run: no preferences, no stored position.
        QFile::remove(dataFolder() + "/zelPreferencesSettings.xml");
        QSettings("VORLIX", "ZEL Chat").clear();
    }

    void firstRunHandshakeAndBanner()
    {
        ZELTestPeer peer;
        QVERIFY(peer.listen());
        ZELClient client;

        QCOMPARE(client.pos(), QPoint(200, 200));
        QVERIFY(client.isVisible());
        ZELConnectToServerSettings *dialog = serverDialog(client);
        QVERIFY(dialog && dialog->isVisible());
        QVERIFY(dialog->m_hostNameLineEdit->text().isEmpty());
        QVERIFY(dialog->m_noProxyradioButton->isChecked());
        QVERIFY(!dialog->m_proxyServerHostName->isEnabled());
        QVERIFY(dialog->m_connectPushButton->isEnabled());
        QVERIFY(!dialog->m_resetButton->isEnabled());
        QVERIFY(!peer.isConnected());

        QVERIFY(answerServerDialog(client, peer.host(), QString::number(peer.port())));
        QVERIFY(QFile::exists(dataFolder() + "/zelPreferencesSettings.xml"));
        QVERIFY(peer.waitForConnection());
        const ZELTestPeer::Request check = peer.waitForRequest("CHECKVERSION");
        QVERIFY(check.isValid());
        QCOMPARE(check.sequence, 0);
        QCOMPARE(check.value("CHECKVERSION"), QStringLiteral("BETAZEL 08-4-2009"));

        QTRY_COMPARE(client.m_trayIcon->toolTip(), QStringLiteral("ZEL Connected"));
        QCOMPARE(client.m_connectedStateLabel->text(), QStringLiteral("<font color = 'green'>Connected"));
        QCOMPARE(client.m_connectionStateText, QStringLiteral("Connected"));
        QVERIFY(client.m_signInAction->isEnabled());
        QVERIFY(!client.m_connectToServerAction->isEnabled());
        QVERIFY(client.m_keepAliveTimer->isActive());
        QCOMPARE(client.m_connectionStatusLable->text(), QStringLiteral("Connected"));
        QCOMPARE(client.m_connectingStatusLabel->text(), QStringLiteral("Connecting with Server"));
        // The connecting page stays until the banner comes.
        QCOMPARE(client.stackedWidget->currentWidget(), client.processPage);

        const QString bannerFile = client.m_dataFolder + "/Banner/banner.gif";
        peer.sendFile(gifBytes() + "<BANNEREND>");
        QTRY_VERIFY(QFile::exists(bannerFile));
        QCOMPARE(readAll(bannerFile), gifBytes());
        QCOMPARE(client.m_trayIcon->toolTip(), QStringLiteral("ZEL Connected (Offline)"));
        QCOMPARE(client.stackedWidget->currentWidget(), client.loginPage);
        QVERIFY(!client.m_fileDataAwaited);

        // One banner per connection: a second one is not stored.
        peer.sendFile(QByteArray("GIF89a other<BANNEREND>"));
        QTest::qWait(200);
        QCOMPARE(readAll(bannerFile), gifBytes());
        QCOMPARE(peer.requestTypes(), QStringList{"CHECKVERSION"});
    }

    // A later run: the stored server, the window at its last place, no dialog.
    void storedServerAndPosition()
    {
        ZELTestPeer peer;
        QVERIFY(peer.listen());
        QVERIFY(ZELPreferencesFile(dataFolder()).create(
            {peer.host(), QString::number(peer.port()), "", "", "", "", ""}));
        QSettings("VORLIX", "ZEL Chat").setValue("MainWindow/pos", QPoint(320, 140));
        ZELClient client;
        QVERIFY(client.isVisible());
        QCOMPARE(client.pos(), QPoint(320, 140));
        QVERIFY(client.m_trayIcon->isVisible());
        QVERIFY(!serverDialog(client));
        QCOMPARE(client.stackedWidget->currentWidget(), client.processPage);
        QVERIFY(peer.waitForConnection());
        QVERIFY(peer.waitForRequest("CHECKVERSION").isValid());
    }

    void keepAliveWithoutBannerLeavesConnectingPage()
    {
        ZELTestPeer peer;
        QVERIFY(peer.listen());
        ZELClient client;
        QVERIFY(connectToPeer(client, peer));
        QCOMPARE(client.stackedWidget->currentWidget(), client.processPage);

        client.m_keepAliveTimer->setInterval(100);
        client.m_keepAliveTimer->start();
        const ZELTestPeer::Request keepAlive = peer.waitForRequest("KEEPALIVE");
        QVERIFY(keepAlive.isValid());
        QCOMPARE(keepAlive.value("KEEPALIVE"), QStringLiteral("live"));
        QTRY_COMPARE(client.stackedWidget->currentWidget(), client.loginPage);
    }

    void lossWhileSignedInReconnectsAndSignsInAgain()
    {
        ZELTestPeer peer;
        QVERIFY(peer.listen());
        ZELClient client;
        QVERIFY(connectToPeer(client, peer));
        peer.sendFile(gifBytes() + "<BANNEREND>");
        QTRY_VERIFY(!client.m_fileDataAwaited);

        // As if signed in: the contact page with the status "Away".
        client.stackedWidget->setCurrentWidget(client.MainPage);
        client.m_statusMessageToolButton->setText("Away");
        client.m_signedIn = true;
        client.m_loginId = "alice";

        peer.clearRequests();
        QElapsedTimer clock;
        clock.start();
        peer.dropConnection();
        QTRY_COMPARE(client.m_trayIcon->toolTip(), QStringLiteral("ZEL Disconnected"));
        QCOMPARE(client.m_connectedStateLabel->text(), QStringLiteral("<font color = 'red'>Disconnected"));
        QVERIFY(client.m_reSignInPending);
        QVERIFY(client.m_restoreStatusOnSignIn);
        QCOMPARE(client.m_statusBeforeLoss, QStringLiteral("Away"));
        QVERIFY(!client.m_signedIn);
        QVERIFY(client.m_fileDataAwaited);
        QVERIFY(client.m_connectionDown);
        QVERIFY(client.m_connectToServerAction->isEnabled());
        QVERIFY(!client.m_signInAction->isEnabled());
        QVERIFY(!QFile::exists(client.m_dataFolder + "/Banner/banner.gif") || !client.m_bannerMovie);

        // A worker tick (once a second) starts the new attempt.
        QVERIFY(peer.waitForConnection(2500));
        QVERIFY(clock.elapsed() < 2500);
        QVERIFY(peer.waitForRequest("CHECKVERSION").isValid());
        QTRY_VERIFY(!client.m_workerThread->reconnectMode);
        QVERIFY(!client.m_connectionDown);

        // The banner after reconnecting starts the automatic re-sign-in.
        peer.sendFile(gifBytes() + "<BANNEREND>");
        QTRY_VERIFY(client.m_autoReSignIn);
        QVERIFY(!client.m_reSignInPending);
        QVERIFY(!client.m_restoreStatusOnSignIn);
    }

    // A server restart keeps nothing of the connection before it: after the
    // first few, the objects alive stay the same in number however often the
    // server goes away (refusing the attempts for a while), comes back and lets
    // the client sign in again.
    void serverRestartsKeepNothing()
    {
        auto peer = std::make_unique<ZELTestPeer>();
        QVERIFY(peer->listen());
        const quint16 port = peer->port();
        ZELClient client;
        client.m_workerThread->setTickInterval(30);
        QVERIFY(connectToPeer(client, *peer));
        peer->sendFile(gifBytes() + "<BANNEREND>");
        QTRY_VERIFY(!client.m_fileDataAwaited);

        const QString contacts =
            "bob,Online,Sales,Bob,x&&Bob&&Sales,Hi,Online,APPROVED,carol,Offline,Sales,Carol,x&&Carol&&Sales,,Offline,APPROVED,";
        auto restart = [&] {
            // As if signed in when the server goes.
            client.stackedWidget->setCurrentWidget(client.MainPage);
            client.m_signedIn = true;
            client.m_loginId = "alice";
            client.m_password = "secret";
            peer.reset();
            QTest::qWait(150); // a few refused attempts
            peer = std::make_unique<ZELTestPeer>();
            if (!peer->listen(port) || !peer->waitForConnection(3000)
                || !peer->waitForRequest("CHECKVERSION").isValid())
                return false;
            peer->sendFile(gifBytes() + "<BANNEREND>");
            if (!ZELTestPeer::waitUntil([&] { return !client.m_fileDataAwaited; }, 3000))
                return false;
            // The client signs in again by itself; the server lets it in with its contacts.
            if (!peer->waitForRequest("LOGIN", 3000).isValid()) {
                qWarning("no LOGIN");
                return false;
            }
            peer->sendTexts({ZELTestPeer::message("LOGIN", {{"RESULT", "SUCCESSLOGIN"}, {"NAME", "Alice"},
                                                            {"MARQUEE", "hello"}, {"INVISIBLE", "1"},
                                                            {"PROFILE", "Engineer##Alice##Sales"}}),
                             ZELTestPeer::messageTree("NEWUSER", {ZELTestPeer::Node("OWN", contacts)})});
            if (!ZELTestPeer::waitUntil([&] { return client.m_signedIn && client.m_users.size() == 2; }, 3000))
                return false;
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QCoreApplication::processEvents();
            return true;
        };
        long counts[3] = {};
        size_t heap[3] = {};
        for (int round = 0, cycles = 0; round < 3; ++round) {
            if (round == 1) {
                qtHookData[QHooks::AddQObject] = reinterpret_cast<quintptr>(&objectAdded);
                qtHookData[QHooks::RemoveQObject] = reinterpret_cast<quintptr>(&objectRemoved);
            }
            for (; cycles < 3 + round * 10; ++cycles)
                QVERIFY2(restart(), qPrintable(QString("restart %1").arg(cycles)));
            counts[round] = liveObjects;
            heap[round] = mallinfo2().uordblks;
        }
        qtHookData[QHooks::AddQObject] = 0;
        qtHookData[QHooks::RemoveQObject] = 0;
        QCOMPARE(counts[2], counts[1]);
        // Nor memory: ten more restarts, no more than noise (it was some 9 KB each,
        // the pictures of icons made anew for every connection filling the pixmap cache).
        const qint64 growth = qint64(heap[2]) - qint64(heap[1]);
        QVERIFY2(growth < 10 * 1024, qPrintable(QString("%1 bytes kept over ten restarts").arg(growth)));
    }

    void lossWhileSignedOutReconnectsWithoutSignIn()
    {
        ZELTestPeer peer;
        QVERIFY(peer.listen());
        ZELClient client;
        client.m_workerThread->setTickInterval(200);
        QVERIFY(connectToPeer(client, peer));

        peer.dropConnection();
        QVERIFY(peer.waitForConnection(2500));
        QVERIFY(peer.waitForRequest("CHECKVERSION").isValid());
        QVERIFY(!client.m_reSignInPending);
        peer.sendFile(gifBytes() + "<BANNEREND>");
        QTRY_VERIFY(!client.m_fileDataAwaited);
        QVERIFY(!client.m_autoReSignIn);
        QCOMPARE(client.stackedWidget->currentWidget(), client.loginPage);
    }

    void noReconnectionAfterRefusal_data()
    {
        QTest::addColumn<QString>("message");
        QTest::newRow("signed in elsewhere") << ZELTestPeer::message("ANOTHERUSERLOGGED", {{"USERNAME", "alice"}});
        QTest::newRow("version refused") << ZELTestPeer::message(
            "LOGIN", {{"RESULT", "INVALIDVERSION"}, {"NAME", ""}, {"MARQUEE", ""}, {"INVISIBLE", ""}, {"PROFILE", ""}});
    }

    void noReconnectionAfterRefusal()
    {
        QFETCH(QString, message);
        ZELTestPeer peer;
        QVERIFY(peer.listen());
        ZELClient client;
        client.m_workerThread->setTickInterval(100);
        QVERIFY(connectToPeer(client, peer));

        peer.sendText(message);
        QTRY_VERIFY(client.m_signedInElsewhere || client.m_versionRefused);

        peer.dropConnection();
        QTRY_COMPARE(client.m_trayIcon->toolTip(), QStringLiteral("ZEL Disconnected"));
        QCOMPARE(client.m_connectedStateLabel->text(), QStringLiteral("<font color = 'red'>Disconnected"));
        QVERIFY(!peer.waitForConnection(2500));
        QVERIFY(!client.m_workerThread->isRunning());
        QVERIFY(!client.m_keepAliveTimer->isActive());
    }

    void forgottenPassword()
    {
        ZELTestPeer peer;
        QVERIFY(peer.listen());
        ZELClient client;
        client.userNameEdit->setEditText(QString());
        client.getUserDetails();
        QCOMPARE(client.m_showErrorLable->text(), QStringLiteral("Enter login id"));

        client.userNameEdit->setEditText("alice");
        client.getUserDetails();
        QCOMPARE(client.m_showErrorLable->text(), QStringLiteral("ZEL not connected"));

        QVERIFY(connectToPeer(client, peer));
        client.getUserDetails();
        const ZELTestPeer::Request request = peer.waitForRequest("USERDETAILS");
        QVERIFY(request.isValid());
        QCOMPARE(request.value("USERNAME"), QStringLiteral("alice"));
        QVERIFY(!client.m_forgetPasswordButton->isEnabled());
        QCOMPARE(peer.requestTypes(), QStringList({"CHECKVERSION", "USERDETAILS"}));
    }

    // The long-lived windows cost nothing until used: neither the start, nor a
    // loss, nor a reconnection builds one. Built later, a window is as it would
    // be had it existed all along (the reminder assignees reset at the loss).
    void longLivedWindowsAreBuiltOnFirstUse()
    {
        ZELClient client;
        const auto builtWindows = [&client]() {
            const QList<QWidget *> windows{
                client.m_addContactDialog.built(), client.m_approvalAddContactDialog.built(),
                client.m_approvalRequestedUserDialog.built(), client.m_deleteContactDialog.built(),
                client.m_businessCardPopup.built(), client.m_reminderDialog.built(),
                client.m_reminderPopup.built(), client.m_chatHistoryWindow.built(),
                client.m_voiceMailRecorder.built(), client.m_voiceMailInbox.built(),
                client.m_offlineMessagesWidget.built(), client.m_notificationPopup.built()};
            return int(windows.size() - windows.count(nullptr));
        };
        QCOMPARE(builtWindows(), 0);

        client.stackedWidget->setCurrentWidget(client.MainPage);
        client.closeConnection();
        client.connectedSignal();
        client.hidePopUp();
        client.popupHideSlot();
        // Counters shown on the main window: the inbox's tabs take the texts of
        // the last count, as they would have shown them.
        client.m_unreadOfflineMessageCount = 2;
        client.refreshOfflineCounters();
        client.m_unreadOfflineMessageCount = 0;
        QCOMPARE(client.textBrowser->text(), QStringLiteral("(2/0) Offline Messages/files"));
        QCOMPARE(builtWindows(), 0);
        QCOMPARE(client.m_offlineMessagesWidget->m_offlineTabWidget->tabText(0), QStringLiteral("2 Offline Message(s)"));
        QCOMPARE(client.m_offlineMessagesWidget->m_offlineTabWidget->tabText(1), QStringLiteral("Offline File(s)"));

        QCOMPARE(client.m_reminderDialog->m_assigneeDetails, QStringList{"Self##Self##Self"});
        QCOMPARE(client.m_reminderDialog->m_assigneeName->count(), 1);
        QVERIFY(!client.m_reminderDialog->disconnected);
        QVERIFY(client.m_reminderPopup->m_snoozeButton->isEnabled());
        QVERIFY(!client.m_addContactDialog->m_disconnected);
        QVERIFY(client.m_addContactDialog->m_showALLButton->isEnabled());
        QCOMPARE(builtWindows(), 4);

        // Wired as it is built: the window's request reaches the main widget.
        QVERIFY(!client.m_animationsPaused);
        emit client.m_chatHistoryWindow->pauseMovie();
        QVERIFY(client.m_animationsPaused);

        client.m_workerThread->stop();
    }

    void lossTellsTheWindows()
    {
        ZELClient client;
        auto *chat = new ZELChatWindow;
        chat->m_peer = "bob";
        chat->m_logoLabel->setText("Bob (Online)");
        chat->m_offlineMessagePending = true;
        chat->invitableUsers().list()->addItem("bob");
        auto *conference = new ZELChatWindow;
        conference->m_logoLabel->setText("Conference");
        conference->setWindowTitle("Conference");
        client.m_chatWindows.insert("bob", chat);
        client.m_chatWindows.insert("conference-1", conference);
        client.m_addContactDialog->show();
        client.m_approvalAddContactDialog->show();
        client.stackedWidget->setCurrentWidget(client.MainPage);

        client.closeConnection();

        QCOMPARE(client.stackedWidget->currentWidget(), client.loginPage);
        QVERIFY(client.m_addContactDialog->m_disconnected);
        QVERIFY(client.m_approvalAddContactDialog->m_disconnected);
        QTRY_VERIFY(!client.m_approvalAddContactDialog->isVisible());
        QVERIFY(!client.m_deleteContactDialog->m_disconnected); // hidden: not told
        QVERIFY(client.m_workerThread->isRunning());
        QVERIFY(client.m_workerThread->reconnectMode);

        QCOMPARE(chat->m_userStatusLabel->text(), QStringLiteral("I am offline"));
        QCOMPARE(chat->windowTitle(), QStringLiteral("Bob (Offline)"));
        QCOMPARE(chat->m_logoLabel->text(), QStringLiteral("Bob (Offline)"));
        QCOMPARE(chat->m_peerStatus, QStringLiteral("Offline"));
        QVERIFY(!chat->Chat->isEnabled());
        QCOMPARE(chat->invitableUsers().list()->count(), 0);
        QVERIFY(chat->totalMessage->toPlainText().contains("ZEL Disconnected Offline message sending failed"));
        QVERIFY(!chat->m_offlineMessagePending);
        QCOMPARE(conference->windowTitle(), QStringLiteral("Conference"));
        QVERIFY(!conference->Chat->isEnabled());

        // Back: every long-lived window is told, hidden or not.
        client.connectedSignal();
        QVERIFY(!client.m_addContactDialog->m_disconnected);
        QVERIFY(chat->Chat->isEnabled());
        QVERIFY(!chat->m_inviteChatButton->isEnabled());

        client.m_workerThread->stop();
        client.m_chatWindows.clear();
        delete chat;
        delete conference;
    }

    void proxyTypeMapping_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<int>("type");
        QTest::newRow("default") << "DefaultProxy" << int(QNetworkProxy::DefaultProxy);
        QTest::newRow("socks5") << "Socks5Proxy" << int(QNetworkProxy::Socks5Proxy);
        QTest::newRow("http") << "HttpProxy" << int(QNetworkProxy::HttpProxy);
        QTest::newRow("no proxy word") << "No Proxy" << int(QNetworkProxy::NoProxy);
        QTest::newRow("empty") << "" << int(QNetworkProxy::NoProxy);
        QTest::newRow("other case") << "httpproxy" << int(QNetworkProxy::NoProxy);
    }

    void proxyTypeMapping()
    {
        QFETCH(QString, word);
        QFETCH(int, type);
        ZELClient client;
        client.m_connectionSettings = {"127.0.0.1", "5000", word, "proxy.local", "3128", "bob", "secret"};
        client.proxySettingsForConnect();
        const QNetworkProxy proxy = client.m_tcpSocket->proxy();
        QCOMPARE(int(proxy.type()), type);
        QCOMPARE(proxy.hostName(), QStringLiteral("proxy.local"));
        QCOMPARE(proxy.port(), quint16(3128));
        QCOMPARE(proxy.user(), QStringLiteral("bob"));
        QCOMPARE(proxy.password(), QStringLiteral("secret"));
    }

    void unusablePortFailsTheAttempt_data()
    {
        QTest::addColumn<QString>("port");
        QTest::addColumn<bool>("wrapToPeer"); // the text is the peer's port + 65536
        QTest::addColumn<QString>("proxyPort"); // with an HTTP proxy when not empty
        QTest::newRow("not a number") << "abc" << false << "";
        QTest::newRow("empty") << "" << false << "";
        QTest::newRow("zero") << "0" << false << "";
        QTest::newRow("negative") << "-5" << false << "";
        QTest::newRow("would wrap onto the peer") << "" << true << "";
        QTest::newRow("proxy port out of range") << "peer" << false << "70000";
    }

    void unusablePortFailsTheAttempt()
    {
        QFETCH(QString, port);
        QFETCH(bool, wrapToPeer);
        QFETCH(QString, proxyPort);
        ZELTestPeer peer;
        QVERIFY(peer.listen());
        if (wrapToPeer)
            port = QString::number(peer.port() + 65536);
        if (port == "peer")
            port = QString::number(peer.port());
        ZELClient client;
        if (ZELConnectToServerSettings *dialog = serverDialog(client))
            dialog->close();
        if (!proxyPort.isEmpty())
            client.m_connectionSettings = {peer.host(), port, "HttpProxy", peer.host(), proxyPort, "u", "p"};

        client.connectToServer(peer.host(), port);
        QCOMPARE(client.m_showErrorLable->text(), QStringLiteral("Connection Refused.Check your inputs."));
        QCOMPARE(client.stackedWidget->currentWidget(), client.loginPage);
        QCOMPARE(client.m_trayIcon->toolTip(), QStringLiteral("ZEL Not Connected"));
        QVERIFY(client.m_connectToServerAction->isEnabled());
        QVERIFY(!peer.waitForConnection(300));
        QCOMPARE(client.m_tcpSocket->state(), QAbstractSocket::UnconnectedState);
    }

    void refusedConnectionIsReportedOnTheLoginPage()
    {
        QString deadPort;
        {
            ZELTestPeer gone;
            QVERIFY(gone.listen());
            deadPort = QString::number(gone.port());
        } // nobody listens there any more
        ZELClient client;
        QVERIFY(answerServerDialog(client, "127.0.0.1", deadPort));
        QTRY_COMPARE(client.m_showErrorLable->text(), QStringLiteral("Connection Refused.Check your inputs."));
        QCOMPARE(client.stackedWidget->currentWidget(), client.loginPage);
        QCOMPARE(client.m_trayIcon->toolTip(), QStringLiteral("ZEL Not Connected"));
        QVERIFY(!client.m_trayRotationTimer->isActive());
    }

    // The one error line: its text by the error; during automatic reconnection
    // a refusal leaves it as it was; after a refusal marker nothing is shown.
    void socketErrorLine_data()
    {
        QTest::addColumn<int>("error");
        QTest::addColumn<bool>("reconnecting");
        QTest::addColumn<bool>("signedInElsewhere");
        QTest::addColumn<QString>("text");
        using S = QAbstractSocket;
        QTest::newRow("refused") << int(S::ConnectionRefusedError) << false << false
                                 << "Connection Refused.Check your inputs.";
        QTest::newRow("refused, reconnecting") << int(S::ConnectionRefusedError) << true << false << "before";
        QTest::newRow("closed, reconnecting") << int(S::RemoteHostClosedError) << true << false
                                              << "Remote Host Closed Error";
        QTest::newRow("host not found") << int(S::HostNotFoundError) << false << false
                                        << "Host Not Found.Check your inputs.";
        QTest::newRow("network") << int(S::NetworkError) << false << false << "Network Error.Check your inputs.";
        QTest::newRow("proxy credentials") << int(S::ProxyAuthenticationRequiredError) << false << false
                                           << "Proxy Authentication Required Error";
        QTest::newRow("timeout") << int(S::SocketTimeoutError) << false << false << "Socket Timeout Error";
        QTest::newRow("address in use") << int(S::AddressInUseError) << false << false << "Host Not Found";
        QTest::newRow("unknown") << int(S::UnknownSocketError) << false << false << "Host Not Found";
        QTest::newRow("signed in elsewhere") << int(S::NetworkError) << false << true << "before";
    }

    void socketErrorLine()
    {
        QFETCH(int, error);
        QFETCH(bool, reconnecting);
        QFETCH(bool, signedInElsewhere);
        QFETCH(QString, text);
        ZELClient client;
        if (ZELConnectToServerSettings *dialog = serverDialog(client))
            dialog->close();
        client.m_showErrorLable->setText("before");
        client.m_reconnecting = reconnecting;
        client.m_signedInElsewhere = signedInElsewhere;
        client.stackedWidget->setCurrentWidget(client.processPage);
        client.m_connectToServerAction->setEnabled(false); // as an attempt leaves it

        client.displayError(QAbstractSocket::SocketError(error));
        QCOMPARE(client.m_showErrorLable->text(), text);
        // Only an attempt the user started falls back to the login page.
        QCOMPARE(client.stackedWidget->currentWidget(),
                 reconnecting || signedInElsewhere ? client.processPage : client.loginPage);
        QCOMPARE(client.m_connectToServerAction->isEnabled(), !signedInElsewhere);
    }

    void proxyAskingForCredentials()
    {
        ZELClient client;
        if (ZELConnectToServerSettings *open = serverDialog(client))
            open->hide();
        client.m_connectionSettings = {"server", "5000", "HttpProxy", "proxy", "3128", "bob", "secret"};
        QVERIFY(ZELPreferencesFile(client.m_dataFolder).create(client.m_connectionSettings));
        QAuthenticator authenticator;
        client.proxyAuthenticationRequiredFunction(QNetworkProxy(), &authenticator);
        QCOMPARE(authenticator.user(), QStringLiteral("bob"));
        QCOMPARE(authenticator.password(), QStringLiteral("secret"));
        ZELConnectToServerSettings *dialog = serverDialog(client);
        QVERIFY(dialog);
        QCOMPARE(dialog->m_errorLabel->text(), QStringLiteral("Please check your username / password"));
        QVERIFY(dialog->isVisible());
        // Filling the stored settings in does not take the message away.
        QVERIFY(dialog->m_errorLabel->isVisible());
        QVERIFY(dialog->m_httpProxyradioButton->isChecked());
        QCOMPARE(dialog->m_userNameAuthentication->text(), QStringLiteral("bob"));
        QCOMPARE(dialog->focusWidget(), static_cast<QWidget *>(dialog->m_userNameAuthentication));
    }

    // The server dialog's OK: what it hands over, or which check stops it.
    void serverDialogChecks_data()
    {
        QTest::addColumn<QString>("proxy"); // radio button clicked, "" for none
        QTest::addColumn<QStringList>("fields"); // host, port, proxy host, proxy port, user, password
        QTest::addColumn<QStringList>("handedOver");
        QTest::addColumn<QString>("error"); // "connect" or "server" label, "" when none

        QTest::newRow("nothing filled") << "" << QStringList{"", "", "", "", "", ""} << QStringList() << "connect";
        QTest::newRow("blank host") << "" << QStringList{"   ", "5000", "", "", "", ""} << QStringList() << "connect";
        QTest::newRow("no port") << "" << QStringList{"server", "", "", "", "", ""} << QStringList() << "connect";
        QTest::newRow("no type clicked")
            << "" << QStringList{"server", "5000", "ph", "", "", ""}
            << QStringList{"ph", "", "", "", "", "server", "5000"} << "";
        QTest::newRow("no proxy clicked")
            << "No Proxy" << QStringList{"server", "5000", "", "", "", ""}
            << QStringList{"", "", "No Proxy", "", "", "server", "5000"} << "";
        QTest::newRow("http, password missing")
            << "HttpProxy" << QStringList{"server", "5000", "ph", "3128", "bob", ""} << QStringList() << "server";
        QTest::newRow("socks5, proxy host blank")
            << "Socks5Proxy" << QStringList{"server", "5000", " ", "1080", "bob", "pw"} << QStringList() << "server";
        QTest::newRow("http, all filled")
            << "HttpProxy" << QStringList{"server", "5000", "ph", "3128", "bob", "pw"}
            << QStringList{"ph", "3128", "HttpProxy", "bob", "pw", "server", "5000"} << "";
        QTest::newRow("default, untrimmed texts go out as typed")
            << "DefaultProxy" << QStringList{" server", "5000", "ph", "8080", "bob", "pw"}
            << QStringList{"ph", "8080", "DefaultProxy", "bob", "pw", " server", "5000"} << "";
    }

    void serverDialogChecks()
    {
        QFETCH(QString, proxy);
        QFETCH(QStringList, fields);
        QFETCH(QStringList, handedOver);
        QFETCH(QString, error);

        QWidget owner;
        QPointer<ZELConnectToServerSettings> dialog = new ZELConnectToServerSettings(&owner);
        QCOMPARE(dialog->objectName(), QStringLiteral("ZELConnectToServerSettings"));
        QStringList received;
        int emissions = 0;
        connect(dialog, &ZELConnectToServerSettings::setHostDetails, this, [&](QStringList &details) {
            received = details;
            ++emissions;
        });
        dialog->m_connectPushButton->setEnabled(true);
        dialog->show();
        for (QRadioButton *button : {dialog->m_defaultProxyRadioButton, dialog->m_httpProxyradioButton,
                                     dialog->m_socks5ProxyradioButton, dialog->m_noProxyradioButton}) {
            if (button->text() == proxy)
                button->click();
        }
        QLineEdit *edits[] = {dialog->m_hostNameLineEdit, dialog->m_portValueLineEdit,
                              dialog->m_proxyServerHostName, dialog->m_proxyServerPortValue,
                              dialog->m_userNameAuthentication, dialog->m_passwordAuthentication};
        for (int i = 0; i < 6; ++i)
            edits[i]->setText(fields.at(i)); // by program: the validators do not apply

        dialog->m_connectPushButton->click();

        if (error.isEmpty()) {
            QCOMPARE(emissions, 1);
            QCOMPARE(received, handedOver);
            QTRY_VERIFY(!dialog); // closed and deleted
            return;
        }
        QCOMPARE(emissions, 0);
        QVERIFY(dialog->isVisible());
        if (error == "connect") {
            QCOMPARE(dialog->m_connectErrorLabel->text(), QStringLiteral("Please fill hostname / port value"));
            QVERIFY(dialog->m_connectErrorLabel->isVisible());
            QCOMPARE(dialog->focusWidget(), static_cast<QWidget *>(dialog->m_hostNameLineEdit));
        } else {
            QCOMPARE(dialog->m_serverErrorLabel->text(), QStringLiteral("Please fill all fields"));
            QVERIFY(dialog->m_serverErrorLabel->isVisible());
            QCOMPARE(dialog->focusWidget(), static_cast<QWidget *>(dialog->m_proxyServerHostName));
        }
        // The next edit takes the message away.
        dialog->m_hostNameLineEdit->setText("again");
        QVERIFY(!dialog->m_connectErrorLabel->isVisible());
        QVERIFY(!dialog->m_serverErrorLabel->isVisible());
    }

    void serverDialogValidatorsAndKeys()
    {
        QWidget owner;
        auto *dialog = new ZELConnectToServerSettings(&owner);
        dialog->show();
        int position = 0;
        QString tenDigits("1234567890"), elevenDigits("12345678901"), host41(41, 'a'),
            password("a|b\"'c"), blank("a b");
        QCOMPARE(dialog->m_portValueLineEdit->validator()->validate(tenDigits, position), QValidator::Acceptable);
        QVERIFY(dialog->m_portValueLineEdit->validator()->validate(elevenDigits, position) != QValidator::Acceptable);
        QVERIFY(dialog->m_hostNameLineEdit->validator()->validate(host41, position) != QValidator::Acceptable);
        QCOMPARE(dialog->m_passwordAuthentication->validator()->validate(password, position),
                 QValidator::Acceptable);
        QVERIFY(dialog->m_userNameAuthentication->validator()->validate(blank, position) != QValidator::Acceptable);

        // Return runs the check only while OK is enabled (it is not after construction).
        QTest::keyClick(dialog->m_hostNameLineEdit, Qt::Key_Return);
        QVERIFY(dialog->m_connectErrorLabel->isHidden());
        dialog->m_connectPushButton->setEnabled(true);
        QTest::keyClick(dialog->m_hostNameLineEdit, Qt::Key_Return);
        QCOMPARE(dialog->m_connectErrorLabel->text(), QStringLiteral("Please fill hostname / port value"));

        // Nothing is pasted into the proxy credentials.
        dialog->m_httpProxyradioButton->click();
        dialog->m_userNameAuthentication->setText("bob");
        QTest::keyClick(dialog->m_userNameAuthentication, Qt::Key_V, Qt::ControlModifier);
        QVERIFY(dialog->m_userNameAuthentication->text().isEmpty());
    }

    void serverDialogResetRestoresTheShownSettings()
    {
        QWidget owner;
        auto *dialog = new ZELConnectToServerSettings(&owner);
        dialog->showConnectToServerDialog({"HttpProxy", "server", "5000", "ph", "3128", "bob", "pw"});
        QVERIFY(dialog->m_httpProxyradioButton->isChecked());
        QVERIFY(dialog->m_proxyServerHostName->isEnabled());
        dialog->show();

        dialog->m_noProxyradioButton->click();
        QVERIFY(!dialog->m_proxyServerHostName->isEnabled());
        dialog->m_hostNameLineEdit->setText("elsewhere");
        dialog->m_resetButton->click();
        QVERIFY(dialog->m_httpProxyradioButton->isChecked());
        QVERIFY(dialog->m_proxyServerHostName->isEnabled());
        QCOMPARE(dialog->m_hostNameLineEdit->text(), QStringLiteral("server"));
        QVERIFY(!dialog->m_resetButton->isEnabled());
        QVERIFY(!dialog->m_connectPushButton->isEnabled());
        QCOMPARE(dialog->proxyServerType(), QStringLiteral("HttpProxy"));
    }

    void openingTheServerSettingsTwiceMakesOneDialog()
    {
        ZELClient client;
        ZELConnectToServerSettings *first = serverDialog(client);
        QVERIFY(first && first->isVisible());
        client.getHostNameAndPortValue();
        QCOMPARE(client.findChildren<ZELConnectToServerSettings *>().size(), 1);
        // A closed dialog is gone; the next opening makes a fresh one.
        first->close();
        client.getHostNameAndPortValue();
        ZELConnectToServerSettings *second = serverDialog(client);
        QVERIFY(second && second != first && second->isVisible());
    }
};

ZEL_TEST_MAIN(TestConnection)
#include "tst_connection.moc"
