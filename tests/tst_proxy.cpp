#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>

#include <csignal>
#include <sys/prctl.h>

#include "core/zelclient.h"
#include "peer/zeltestpeer.h"
#include "protocol/zeltcpsocket.h"
#include "settings/zelconnecttoserversettings.h"
#include "zeltestmain.h"

namespace {

const QString ProxyUser = QStringLiteral("zel");
const QString ProxyPassword = QStringLiteral("s3cret");

// A real proxy on a free port of 127.0.0.1 that lets ProxyUser in with
// ProxyPassword: microsocks for SOCKS5, tinyproxy (in the foreground, CONNECT
// only to the peer's port) for HTTP.
class LocalProxy
{
public:
    ~LocalProxy() { stop(); }

    // Empty on success, else why it did not start.
    QString start(const QString &type, quint16 peerPort)
    {
        const QString program = type == "Socks5Proxy" ? "microsocks" : "tinyproxy";
        const QString path = QStandardPaths::findExecutable(program);
        if (path.isEmpty())
            return program + " is not installed (scripts/test.sh installs it)";
        // The port is free when picked; another process may take it before the
        // proxy binds it, so a proxy that ends at once is started again.
        for (int attempt = 0; attempt < 5; ++attempt) {
            m_port = freePort();
            QStringList arguments;
            if (program == "microsocks") {
                arguments = {"-i", "127.0.0.1", "-p", QString::number(m_port), "-u", ProxyUser, "-P", ProxyPassword};
            } else {
                const QString config = m_folder.filePath("tinyproxy.conf");
                QFile file(config);
                if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
                    return "cannot write " + config;
                // As root it keeps running as root (no User line); as anyone else
                // it never changes user.
                file.write(QString("Port %1\nListen 127.0.0.1\nAllow 127.0.0.1\nTimeout 30\nMaxClients 8\n"
                                   "BasicAuth %2 %3\nConnectPort %4\nLogLevel Connect\n")
                               .arg(m_port)
                               .arg(ProxyUser, ProxyPassword)
                               .arg(peerPort)
                               .toUtf8());
                file.close();
                arguments = {"-d", "-c", config};
            }
            m_process.setProcessChannelMode(QProcess::MergedChannels);
            // A test that dies takes its proxy with it.
            m_process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
            m_process.start(path, arguments);
            if (!m_process.waitForStarted())
                return program + " did not start: " + m_process.errorString();
            if (waitUntilListening())
                return QString();
            stop();
        }
        return program + " did not listen: " + QString::fromLocal8Bit(m_process.readAll());
    }

    quint16 port() const { return m_port; }

    void stop()
    {
        if (m_process.state() == QProcess::NotRunning)
            return;
        m_process.terminate();
        if (!m_process.waitForFinished(3000)) {
            m_process.kill();
            m_process.waitForFinished(3000);
        }
    }

private:
    static quint16 freePort()
    {
        QTcpServer server;
        server.listen(QHostAddress::LocalHost);
        return server.serverPort();
    }

    bool waitUntilListening()
    {
        for (int i = 0; i < 100 && m_process.state() == QProcess::Running; ++i) {
            QTcpSocket probe;
            probe.connectToHost(QHostAddress::LocalHost, m_port);
            if (probe.waitForConnected(100))
                return true;
            QTest::qWait(20);
        }
        return false;
    }

    QTemporaryDir m_folder;
    QProcess m_process;
    quint16 m_port = 0;
};

} // namespace

// Signing in through real proxies with a user name and password: the right
// password carries the connection to the server, a wrong one brings the
// server dialog back asking for the credentials, and the client goes on once
// the user has put them right.
class TestProxy : public QObject
{
    Q_OBJECT

private:
    static ZELConnectToServerSettings *serverDialog(ZELClient &client)
    {
        return client.findChild<ZELConnectToServerSettings *>("ZELConnectToServerSettings");
    }

private slots:
    void init()
    {
        QFile::remove(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
                      + "/ZEL/zelPreferencesSettings.xml");
        QSettings("VORLIX", "ZEL Chat").clear();
    }

    // A wrong password: microsocks turns it down and asks again, so the client
    // brings the server dialog back with its question; tinyproxy answers it with
    // "401 Unauthorized", which reaches the client as an error of the proxy's
    // protocol, not as a question. Either way the server never hears of the
    // attempt, the client is back on its login page with the error line, and
    // once the password is put right in the dialog, the user signs in.
    void signInThroughProxy_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("password");
        QTest::addColumn<bool>("asked"); // the dialog comes back by itself
        QTest::addColumn<QString>("errorLine");
        QTest::newRow("socks5") << "Socks5Proxy" << ProxyPassword << false << "";
        QTest::newRow("http") << "HttpProxy" << ProxyPassword << false << "";
        QTest::newRow("socks5, wrong password")
            << "Socks5Proxy" << "wrong" << true << "Proxy Authentication Required Error";
        QTest::newRow("http, wrong password") << "HttpProxy" << "wrong" << false << "Host Not Found";
    }

    void signInThroughProxy()
    {
        QFETCH(QString, type);
        QFETCH(QString, password);
        QFETCH(bool, asked);
        QFETCH(QString, errorLine);
        ZELTestPeer peer;
        QVERIFY(peer.listen());
        LocalProxy proxy;
        const QString failure = proxy.start(type, peer.port());
        QVERIFY2(failure.isEmpty(), qPrintable(failure));

        // The first run's server dialog, filled in as a user would.
        ZELClient client;
        ZELConnectToServerSettings *dialog = serverDialog(client);
        QVERIFY(dialog && dialog->isVisible());
        dialog->m_hostNameLineEdit->setText(peer.host());
        dialog->m_portValueLineEdit->setText(QString::number(peer.port()));
        (type == "Socks5Proxy" ? dialog->m_socks5ProxyradioButton : dialog->m_httpProxyradioButton)->click();
        dialog->m_proxyServerHostName->setText("127.0.0.1");
        dialog->m_proxyServerPortValue->setText(QString::number(proxy.port()));
        dialog->m_userNameAuthentication->setText(ProxyUser);
        dialog->m_passwordAuthentication->setText(password);
        dialog->m_connectPushButton->click();

        if (password != ProxyPassword) {
            QTRY_COMPARE(client.m_showErrorLable->text(), errorLine);
            QCOMPARE(client.m_tcpSocket->state(), QAbstractSocket::UnconnectedState);
            QCOMPARE(client.stackedWidget->currentWidget(), client.loginPage);
            QVERIFY(!peer.waitForConnection(300));
            dialog = serverDialog(client);
            QCOMPARE(dialog && dialog->isVisible(), asked);
            if (asked) {
                QCOMPARE(dialog->m_errorLabel->text(), QStringLiteral("Please check your username / password"));
                QVERIFY(dialog->m_errorLabel->isVisible());
            } else {
                // The settings link on the login page opens the dialog.
                QVERIFY(client.m_settingsLabel->isVisible());
                QTest::mouseClick(client.m_settingsLabel, Qt::LeftButton);
                dialog = serverDialog(client);
                QVERIFY(dialog && dialog->isVisible());
            }
            QCOMPARE(dialog->m_passwordAuthentication->text(), password);
            dialog->m_passwordAuthentication->setText(ProxyPassword);
            dialog->m_connectPushButton->click();
        }

        QVERIFY(peer.waitForConnection());
        QVERIFY(peer.waitForRequest("CHECKVERSION").isValid());
        peer.sendFile("<BANNEREMPTY><BANNEREND>");
        QTRY_COMPARE(client.stackedWidget->currentWidget(), client.loginPage);
        client.userNameEdit->setEditText("alice");
        client.passWordEdit->setText("demo");
        client.signButton->click();
        const ZELTestPeer::Request login = peer.waitForRequest("LOGIN");
        QCOMPARE(login.value("UserName"), QStringLiteral("alice"));
        QCOMPARE(login.value("Password"), QStringLiteral("demo"));
        peer.sendText(ZELTestPeer::message("LOGIN", {{"RESULT", "SUCCESSLOGIN"}, {"NAME", "Alice"},
                                                     {"MARQUEE", ""}, {"INVISIBLE", "1"},
                                                     {"PROFILE", "Developer##Alice##Engineering"}}));
        QTRY_COMPARE(client.stackedWidget->currentWidget(), client.MainPage);

        // The proxy carried the connection: when it goes, so does the connection.
        proxy.stop();
        QVERIFY(peer.waitForDisconnection());
        QTRY_COMPARE(client.m_connectionStateText, QStringLiteral("Disconnected"));
    }
};

ZEL_TEST_MAIN(TestProxy)
#include "tst_proxy.moc"
