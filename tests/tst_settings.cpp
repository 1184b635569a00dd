#include <QAction>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>

#include "core/zelclient.h"
#include "core/zelpreferencesfile.h"
#include "core/zelsettingslists.h"
#include "core/zeltcpsocket.h"
#include "core/zelthread.h"
#include "peer/zeltestpeer.h"
#include "platform/zelfakeinputmonitor.h"
#include "platform/zelplatform.h"
#include "settings/zelchangepassword.h"
#include "style/zelmessageboxclass.h"
#include "zeltestmain.h"

// The password change dialog and the preferences dialog, driven from the
// main widget against the protocol test peer; saves are read back from the
// preferences file.
class TestSettings : public QObject
{
    Q_OBJECT

private:
    ZELFakeInputMonitor m_input;
    ZELTestPeer *m_peer = nullptr;
    ZELClient *m_client = nullptr;

    static QString dataFolder()
    {
        return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/ZEL";
    }

    static ZELPreferencesFile::ReadResult stored()
    {
        return ZELPreferencesFile(dataFolder()).read("alice");
    }

    void signIn()
    {
        const QStringList connection = {m_peer->host(), QString::number(m_peer->port()), "NoProxy", "", "", "", ""};
        ZELPreferencesFile file(dataFolder());
        QVERIFY(file.create(connection));
        QVERIFY(file.addUser(ZELPreferencesFile::UserSettings::defaults("alice", "secret1", "TRUE", "TRUE"),
                             connection));
        m_client = new ZELClient;
        QVERIFY(m_peer->waitForConnection());
        QVERIFY(m_peer->waitForRequest("CHECKVERSION").isValid());
        m_peer->sendFile("<BANNEREMPTY><BANNEREND>");
        QTRY_VERIFY(!m_client->m_fileDataAwaited);
        m_client->userNameEdit->setEditText("alice");
        m_client->passWordEdit->setText("secret1");
        m_client->signButton->click();
        QVERIFY(m_peer->waitForRequest("LOGIN").isValid());
        m_peer->sendText(ZELTestPeer::message("LOGIN", {{"RESULT", "SUCCESSLOGIN"}, {"NAME", "Alice"},
                                                        {"MARQUEE", ""}, {"INVISIBLE", "1"},
                                                        {"PROFILE", "Developer"}}));
        QTRY_COMPARE(m_client->stackedWidget->currentWidget(), m_client->MainPage);
        m_peer->clearRequests();
    }

    ZELChangePassword *passwordDialog() const
    {
        const auto dialogs = m_client->findChildren<ZELChangePassword *>("ZELChangePasswordDialog");
        return dialogs.isEmpty() ? nullptr : dialogs.last();
    }

    ZELChangePassword *openPasswordDialog()
    {
        m_client->m_changePasswordAction->trigger();
        ZELChangePassword *dialog = passwordDialog();
        return dialog;
    }

    static QString shownMessage(ZELChangePassword *dialog)
    {
        return dialog->m_informationBox->isVisible() ? dialog->m_informationBox->m_messageText->text() : QString();
    }

    static void fill(ZELChangePassword *dialog, const QString &oldPassword, const QString &newPassword,
                     const QString &retype)
    {
        dialog->m_oldPassWordEdit->setText(oldPassword);
        dialog->m_newPassWordEdit->setText(newPassword);
        dialog->m_reTypeNewPasswordEdit->setText(retype);
    }

private slots:
    void initTestCase()
    {
        ZELPlatform::setInputMonitor(&m_input);
    }

    void cleanupTestCase()
    {
        ZELPlatform::setInputMonitor(nullptr);
    }

    void init()
    {
        QDir(dataFolder()).removeRecursively();
        QSettings("VORLIX", "ZEL Chat").clear();
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
    }

    // ------------------------------------------------------------------
    // Password change

    void passwordChecks_data()
    {
        QTest::addColumn<QString>("oldPassword");
        QTest::addColumn<QString>("newPassword");
        QTest::addColumn<QString>("retype");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("newEmptied");
        QTest::addColumn<QString>("focus");
        QTest::newRow("five characters") << "secret1" << "abcde" << "abcde"
                                         << "New password should be minimum 6 Characters" << false
                                         << "m_newPassWordEdit";
        QTest::newRow("same as old") << "secret1" << "secret1" << "secret1"
                                     << "Old password and New password should not be same" << true
                                     << "m_newPassWordEdit";
        QTest::newRow("retype differs in case") << "secret1" << "Better22" << "better22"
                                                << "New password and retype new password should be same" << true
                                                << "m_newPassWordEdit";
    }

    // A refused submission says why, leaves the dialog open and sends nothing.
    void passwordChecks()
    {
        QFETCH(QString, oldPassword);
        QFETCH(QString, newPassword);
        QFETCH(QString, retype);
        QFETCH(QString, message);
        QFETCH(bool, newEmptied);
        QFETCH(QString, focus);
        signIn();
        QPointer<ZELChangePassword> dialog = openPasswordDialog();
        QVERIFY(dialog && dialog->isVisible());
        QVERIFY(!dialog->m_modifyPasswordButton->isEnabled());
        fill(dialog, oldPassword, newPassword, retype);
        QVERIFY(dialog->m_modifyPasswordButton->isEnabled());
        dialog->m_modifyPasswordButton->click();
        QCOMPARE(shownMessage(dialog), message);
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->m_oldPassWordEdit->text(), oldPassword);
        QCOMPARE(dialog->m_newPassWordEdit->text().isEmpty(), newEmptied);
        QCOMPARE(dialog->m_reTypeNewPasswordEdit->text().isEmpty(), newEmptied);
        QCOMPARE(dialog->m_modifyPasswordButton->isEnabled(), !newEmptied);
        QCOMPARE(dialog->focusWidget() ? dialog->focusWidget()->objectName() : QString(), focus);
        m_client->sendKeepAliveSignalToServer();
        QVERIFY(m_peer->waitForRequest("KEEPALIVE").isValid());
        QVERIFY(!m_peer->requestTypes().contains("CHANGEPASSWORD"));
    }

    // The fields take at most 15 of the allowed characters; blanks, hyphens
    // and backslashes cannot be typed.
    void passwordFieldsRefuseCharacters()
    {
        signIn();
        ZELChangePassword *dialog = openPasswordDialog();
        QVERIFY(dialog);
        QTest::keyClicks(dialog->m_newPassWordEdit, "ab c-d\\e|~!@#$%^&/*_?><,.\"':;XYZ");
        QCOMPARE(dialog->m_newPassWordEdit->text(), QString("abcde|~!@#$%^&/"));
    }

    // Passing the checks closes the dialog and sends one request; the answer
    // becomes the session's password and the stored automatic sign-in one.
    void passwordChangedOnTheServer()
    {
        signIn();
        QPointer<ZELChangePassword> dialog = openPasswordDialog();
        QVERIFY(dialog);
        fill(dialog, "secret1", "better22", "better22");
        QTest::keyClick(dialog->m_reTypeNewPasswordEdit, Qt::Key_Enter);
        QTRY_VERIFY(!dialog);
        const ZELTestPeer::Request request = m_peer->waitForRequest("CHANGEPASSWORD");
        QVERIFY(request.isValid());
        QCOMPARE(request.fields, (ZELTestPeer::Fields{{"USERNAME", "alice"}, {"OldPass", "secret1"},
                                                      {"NewPass", "better22"}}));
        QCOMPARE(m_peer->requestTypes().count("CHANGEPASSWORD"), 1);

        m_peer->sendText(ZELTestPeer::message("CHANGEPASSWORD", {{"STATUS", "SUCCESS"}, {"PASSWORD", "better22"}}));
        QTRY_COMPARE(m_client->m_password, QString("better22"));
        QCOMPARE(m_client->m_autoLoginPassword, QString("better22"));
        QVERIFY(m_client->m_informationBox->isVisible());
        QCOMPARE(m_client->m_informationBox->m_messageText->text(), QString("Password successfully changed"));
        QCOMPARE(stored().user.autoLoginPassword, QString("better22"));
    }

    // A wrong old password opens a fresh, empty dialog that says so; after a
    // sign-out the answer is stale and ignored.
    void passwordRefusedByTheServer()
    {
        signIn();
        m_peer->sendText(ZELTestPeer::message("CHANGEPASSWORD", {{"STATUS", "INVALIDOLDPASSWORD"},
                                                                 {"PASSWORD", "secret1"}}));
        QTRY_VERIFY(passwordDialog());
        ZELChangePassword *dialog = passwordDialog();
        QVERIFY(dialog->isVisible());
        QVERIFY(dialog->m_oldPassWordEdit->text().isEmpty());
        QVERIFY(!dialog->m_modifyPasswordButton->isEnabled());
        QCOMPARE(shownMessage(dialog), QString("Invalid old password"));
        QCOMPARE(m_client->m_password, QString("secret1"));

        dialog->close();
        QTRY_VERIFY(!passwordDialog());
        m_client->stackedWidget->setCurrentWidget(m_client->loginPage);
        m_client->MainPage->hide();
        m_peer->sendText(ZELTestPeer::message("CHANGEPASSWORD", {{"STATUS", "SUCCESS"}, {"PASSWORD", "other99"}}));
        m_peer->sendText(ZELTestPeer::message("CHANGEPASSWORD", {{"STATUS", "INVALIDOLDPASSWORD"},
                                                                 {"PASSWORD", "x"}}));
        QTest::qWait(300);
        QCOMPARE(m_client->m_password, QString("secret1"));
        QVERIFY(!passwordDialog());
    }

    // While the connection is down Modify stays off whatever is typed, and
    // Return submits nothing; when it is back the filled dialog can submit.
    void passwordWhileDisconnected()
    {
        signIn();
        ZELChangePassword *dialog = openPasswordDialog();
        QVERIFY(dialog);
        fill(dialog, "secret1", "better22", "better2");
        dialog->closeConnection();
        QVERIFY(!dialog->m_modifyPasswordButton->isEnabled());
        dialog->m_reTypeNewPasswordEdit->setText("better22");
        QVERIFY(!dialog->m_modifyPasswordButton->isEnabled());
        QTest::keyClick(dialog->m_reTypeNewPasswordEdit, Qt::Key_Return);
        QVERIFY(dialog->isVisible());
        dialog->connectedServer();
        QVERIFY(dialog->m_modifyPasswordButton->isEnabled());
        QTest::keyClick(dialog, Qt::Key_Escape);
        QTRY_VERIFY(!passwordDialog());
        m_client->sendKeepAliveSignalToServer();
        QVERIFY(m_peer->waitForRequest("KEEPALIVE").isValid());
        QVERIFY(!m_peer->requestTypes().contains("CHANGEPASSWORD"));
    }
};

ZEL_TEST_MAIN(TestSettings)
#include "tst_settings.moc"
