#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolButton>

#include "chat/zelchatwindow.h"
#include "chat/zelpasswordchatdialog.h"
#include "chat/zelpasswordprotect.h"
#include "core/zelclient.h"
#include "protocol/zelsettingslists.h"
#include "protocol/zeltcpsocket.h"
#include "mainwindow/zelpopup.h"
#include "peer/zeltestpeer.h"
#include "style/zelmessageboxclass.h"
#include "style/zeltextbounds.h"
#include "zeltestmain.h"

// Password-protected messages end to end: a real client signed in as
// "anita" (password "secret") and the protocol test peer speaking for "ravi".
class TestProtected : public QObject
{
    Q_OBJECT

private:
    ZELTestPeer *m_peer = nullptr;
    ZELClient *m_client = nullptr;

    static QString protectedChat(const QString &html)
    {
        return ZELTestPeer::message("CHAT", {{"CHATUSERNAME", "anita"}, {"LOGINNAME", "ravi"}, {"MESSAGE", html},
                                             {"SENDSMILEY", ""}, {"SENDPICTURE", ""}, {"BANNERSTATE", ""},
                                             {"PLAINTEXT", "plain"}, {"DISPLAYNAME", "Ravi Kumar"},
                                             {"PASSWORD", "TRUE"}});
    }

    // Lets the peer deliver a protected message and returns its prompt.
    ZELPasswordProtect *receive(const QString &html)
    {
        m_peer->sendText(protectedChat(html));
        ZELPasswordProtect *prompt = nullptr;
        ZELTestPeer::waitUntil(
            [&] {
                ZELChatWindow *window = m_client->m_chatWindows.value("ravi");
                const auto prompts = window ? window->findChildren<ZELPasswordProtect *>("ZELPwdProtectDialog")
                                            : QList<ZELPasswordProtect *>();
                prompt = prompts.isEmpty() ? nullptr : prompts.last();
                return prompt != nullptr;
            },
            5000);
        return prompt;
    }

    static void enter(ZELPasswordProtect *prompt, const QString &password)
    {
        prompt->m_passwordLineEdit->setText(password);
        QTest::keyClick(prompt->m_passwordLineEdit, Qt::Key_Enter);
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
        m_client->m_password = "secret";
        m_client->m_ownDisplayName = "Anita Rao";
        m_client->m_chatWindowSettings = ZELChatWindowList::defaults();
        m_client->m_chatHistorySettings = ZELChatHistoryList::defaults();
        m_client->m_notificationSettings = ZELNotificationList::defaults();
        m_client->m_quickReplies = ZELSettingsDefaults::quickReplies();
        m_client->m_quickReplyOption = "TRUE";
        m_client->m_users.insert("ravi", UserRecord{"Engineer", "Ravi Kumar", "Sales", "Online", "At my desk",
                                                    "Ravi&&Field&&Sales", "ravi", "", "GMT+05:30"});
    }

    void cleanup()
    {
        ZELMessageBoxClass::setTestAnswerHook({});
        const QList<ZELChatWindow *> windows = m_client->m_chatWindows.values();
        for (ZELChatWindow *window : windows)
            delete window;
        delete m_client;
        m_client = nullptr;
        delete m_peer;
        m_peer = nullptr;
    }

    // ------------------------------------------------------------------
    void sentMessageCarriesLockAndFlag()
    {
        m_client->createChatWindow("ravi");
        ZELChatWindow *window = m_client->m_chatWindows.value("ravi");
        QVERIFY(window);
        window->m_passwordProtectButton->setChecked(true);
        window->serverMessage->setPlainText("pin is 4711, keep it");
        window->sendButton->click();
        const ZELTestPeer::Request chat = m_peer->waitForRequest("CHAT");
        QVERIFY(chat.isValid());
        QCOMPARE(chat.value("PASSWORD"), QString("TRUE"));
        QVERIFY(chat.value("MESSAGE").contains("lock.gif"));
        QVERIFY(!chat.value("MESSAGE").contains(","));
        QVERIFY(!window->m_passwordProtectButton->isChecked());
    }

    void receivedMessageOpensWithRightPassword()
    {
        const QString html = "<img src = ':images/lock.gif' width='16' height='16'>&nbsp;pin 4711$#$ keep it";
        QPointer<ZELPasswordProtect> prompt = receive(html);
        QVERIFY(prompt);
        ZELChatWindow *window = m_client->m_chatWindows.value("ravi");
        // Held back: receipt sent, nothing in the transcript, a notice on the pop-up.
        QVERIFY(m_peer->waitForRequest("MESSAGEDELIVERED").isValid());
        QVERIFY(!window->totalMessage->toPlainText().contains("4711"));
        QVERIFY(prompt->m_passwordProtectLabel->text().contains("<font color = blue><b>Ravi Kumar</b></font>"));
        QVERIFY(m_client->m_notificationPopup->isVisible());
        QVERIFY(m_client->m_notificationPopup->m_messageLabel->text().contains(
            "protected message from Ravi Kumar"));
        QCOMPARE(m_client->m_popupChatUser, QString("ravi"));

        // The letter case counts; a wrong entry leaves the prompt open.
        enter(prompt, "SECRET");
        QVERIFY(prompt);
        QVERIFY(!prompt->m_errorLabel->isHidden());
        enter(prompt, "secret");
        QTRY_VERIFY(prompt.isNull());

        const auto viewers = window->findChildren<ZELPasswordChatDialog *>();
        QCOMPARE(viewers.size(), 1);
        ZELPasswordChatDialog *viewer = viewers.first();
        const QString shown = viewer->m_passwordTextBrowser->toHtml();
        QVERIFY(shown.contains("pin 4711, keep it"));
        QVERIFY(shown.contains("unlock.gif"));
        QVERIFY(!shown.contains("$#$"));
        QCOMPARE(viewer->windowTitle(), QString("Password Protected Message from Ravi Kumar"));
        QVERIFY(!window->totalMessage->toPlainText().contains("4711"));

        // Reply brings the chat page and its input back, and the viewer goes.
        window->Chat->setCurrentIndex(1);
        QPointer<ZELPasswordChatDialog> guard(viewer);
        viewer->m_replyButton->click();
        QCOMPARE(window->Chat->currentWidget(), window->chatpage);
        QTRY_VERIFY(guard.isNull());
        fenceNoStatus();
    }

    void givingUpIsReported_data()
    {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("outcome");
        QTest::newRow("three wrong tries") << QStringList{"a", "b", "c"} << -1 << "TRUE";
        QTest::newRow("one wrong then cancel") << QStringList{"a"} << int(QMessageBox::Yes) << "FALSE";
    }

    void givingUpIsReported()
    {
        QFETCH(QStringList, entries);
        QFETCH(int, answer);
        QFETCH(QString, outcome);
        const QString html = "<img src = ':images/lock.gif'>&nbsp;hidden";
        QPointer<ZELPasswordProtect> prompt = receive(html);
        QVERIFY(prompt);
        int asked = 0;
        ZELMessageBoxClass::setTestAnswerHook([&](const QString &, const QString &text) {
            ++asked;
            return text.contains("loose this Protected Message") ? answer : int(QMessageBox::No);
        });
        for (int i = 0; i < entries.size(); ++i) {
            enter(prompt, entries.at(i));
            if (i < entries.size() - 1 || answer > 0) {
                QVERIFY(prompt);
                QCOMPARE(prompt->m_errorLabel->text(), QString("Invalid Password ..!  You have %1 more chance")
                                                           .arg(2 - i));
            }
        }
        if (answer > 0) {
            // No first: the prompt stays as it was.
            ZELMessageBoxClass::setTestAnswerHook([&](const QString &, const QString &) { ++asked; return int(QMessageBox::No); });
            prompt->m_cancelButton->click();
            QVERIFY(prompt);
            QCOMPARE(prompt->m_remainingTries, 2);
            ZELMessageBoxClass::setTestAnswerHook([&](const QString &, const QString &) { ++asked; return answer; });
            prompt->m_cancelButton->click();
        }
        QTRY_VERIFY(prompt.isNull());
        QCOMPARE(asked, answer > 0 ? 2 : 0);

        const ZELTestPeer::Request status = m_peer->waitForRequest("PWDMESSAGEDELIVEREDSTATUS");
        QVERIFY(status.isValid());
        QCOMPARE(status.value("LOGINNAME"), QString("ravi"));
        QCOMPARE(status.value("OFFLINEUSER"), html);
        QCOMPARE(status.value("FILENAME"), QString("anita"));
        QCOMPARE(status.value("FILESIZE"), QString("CHAT"));
        QCOMPARE(status.value("INVALID"), outcome);
        QVERIFY(m_client->m_chatWindows.value("ravi")->findChildren<ZELPasswordChatDialog *>().isEmpty());
    }

    void passwordChangeReachesOpenPrompt()
    {
        QPointer<ZELPasswordProtect> prompt = receive("<b>after the change</b>");
        QVERIFY(prompt);
        ZELMessageBoxClass::setTestAnswerHook([](const QString &, const QString &) { return 0; });
        m_client->stackedWidget->setCurrentWidget(m_client->MainPage);
        m_peer->sendText(ZELTestPeer::message("CHANGEPASSWORD", {{"STATUS", "SUCCESS"}, {"PASSWORD", "n3w!pass"}}));
        QTRY_COMPARE(prompt->m_loginPassword, QString("n3w!pass"));
        enter(prompt, "secret");
        QVERIFY(prompt);
        enter(prompt, "n3w!pass");
        QTRY_VERIFY(prompt.isNull());
        QCOMPARE(m_client->m_chatWindows.value("ravi")->findChildren<ZELPasswordChatDialog *>().size(), 1);
    }

    void deliveredStatusInSendersTranscript_data()
    {
        QTest::addColumn<QString>("invalid");
        QTest::addColumn<QString>("line");
        QTest::newRow("cancelled") << "FALSE" << "Password Protected Message Delivered Status :: Cancelled";
        QTest::newRow("invalid") << "TRUE" << "Password Protected Message Delivered Status :: Invalid Password";
    }

    void deliveredStatusInSendersTranscript()
    {
        QFETCH(QString, invalid);
        QFETCH(QString, line);
        m_client->createChatWindow("ravi");
        ZELChatWindow *window = m_client->m_chatWindows.value("ravi");
        QVERIFY(window);
        window->totalMessage->clear();
        m_peer->sendText(ZELTestPeer::message("PWDMESSAGEDELIVEREDSTATUS",
                                              {{"LOGINNAME", "anita"}, {"OFFLINEUSER", "the secret text"},
                                               {"FILENAME", "ravi"}, {"FILESIZE", "CHAT"}, {"INVALID", invalid}}));
        QTRY_VERIFY(window->totalMessage->toPlainText().contains(line));
        const QString text = window->totalMessage->toPlainText();
        QVERIFY(text.indexOf("Ravi Kumar says ::") < text.indexOf("the secret text"));
        QVERIFY(text.indexOf("the secret text") < text.indexOf(line));
    }

    // A locked file is answered only through the password prompt; closing the
    // prompt leaves the offer waiting and reports nothing. A name the page shows
    // shortened or cleaned goes out as sent, its row follows the answer, and
    // the next download is free to start once this one is over.
    void lockedFileAnswers_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("accept");
        QTest::addColumn<QString>("password"); // "" closes the prompt
        QTest::addColumn<QString>("promptText");
        QTest::addColumn<QString>("requestType"); // "" for no request
        QTest::addColumn<QStringList>("requestValues");
        QTest::addColumn<QString>("rowState");
        QTest::addColumn<QString>("counter"); // "" when the notice is hidden
        const QString acceptText =
            "You have received a password protected file. Please give your login password to download this file :";
        const QString declineText = "Please give your login password to decline this password protected file :";
        QTest::newRow("accepted") << "a.txt" << true << "secret" << acceptText << "FTPACCEPT"
                                  << QStringList{"anita", "a.txt", "ravi"} << "Accepted" << "(1) Files received";
        QTest::newRow("declined") << "a.txt" << false << "secret" << declineText << "FTPSTATUS"
                                  << QStringList{"ravi", "anita", "Declined", "a.txt"} << "Declined"
                                  << "(1) Files received";
        QTest::newRow("accept prompt closed") << "a.txt" << true << "" << acceptText << "" << QStringList()
                                              << "Waiting" << "(2) Files received";
        QTest::newRow("decline prompt closed") << "a.txt" << false << "" << declineText << "" << QStringList()
                                               << "Waiting" << "(2) Files received";
        const QString longName = QString(140, QLatin1Char('n')) + ".pdf";
        QTest::newRow("long name accepted") << longName << true << "secret" << acceptText << "FTPACCEPT"
                                            << QStringList{"anita", longName, "ravi"} << "Accepted"
                                            << "(1) Files received";
        QTest::newRow("long name declined") << longName << false << "secret" << declineText << "FTPSTATUS"
                                            << QStringList{"ravi", "anita", "Declined", longName} << "Declined"
                                            << "(1) Files received";
        const QString override = QString::fromUtf8("report\u202Etxt.exe");
        QTest::newRow("override accepted") << override << true << "secret" << acceptText << "FTPACCEPT"
                                           << QStringList{"anita", override, "ravi"} << "Accepted"
                                           << "(1) Files received";
        QTest::newRow("override declined") << override << false << "secret" << declineText << "FTPSTATUS"
                                           << QStringList{"ravi", "anita", "Declined", override} << "Declined"
                                           << "(1) Files received";
    }

    void lockedFileAnswers()
    {
        QFETCH(QString, file);
        QFETCH(bool, accept);
        QFETCH(QString, password);
        QFETCH(QString, promptText);
        QFETCH(QString, requestType);
        QFETCH(QStringList, requestValues);
        QFETCH(QString, rowState);
        QFETCH(QString, counter);

        QTemporaryDir folder;
        m_client->m_defaultFileLocation = folder.path();
        m_client->m_notificationSettings[ZELNotificationList::SendsFile] = "FALSE";
        for (const auto &offer : {qMakePair(file, QString("1")), qMakePair(QString("b.txt"), QString("0"))})
            m_peer->sendText(ZELTestPeer::message(
                "FTPREADY", {{"CHATUSERNAME", "anita"}, {"LOGINNAME", "ravi"}, {"FILENAME", offer.first},
                             {"FILESIZE", "5"}, {"ADDBANNER", "ADD_BANNER"}, {"DISPLAYNAME", "Ravi Kumar"},
                             {"PWDPROTECT", offer.second}}));
        ZELChatWindow *window = nullptr;
        QVERIFY(ZELTestPeer::waitUntil(
            [&] {
                window = m_client->m_chatWindows.value("ravi");
                return window && window->filePages().m_dowLoadtable->rowCount() == 2;
            },
            5000));
        window->selectFileToDowload(0, 0);
        QCOMPARE(window->filePages().m_recievedFileLabel->text(), ZELTextBounds::shownFileName(file));

        QStringList boxes;
        ZELMessageBoxClass::setTestAnswerHook([&boxes](const QString &, const QString &text) {
            boxes << text;
            return int(QMessageBox::Yes);
        });
        (accept ? window->filePages().m_ftpOk : window->filePages().m_ftpCancel)->click();
        const auto prompts = window->findChildren<ZELPasswordProtect *>("ZELPwdProtectDialog");
        QCOMPARE(prompts.size(), 1);
        QPointer<ZELPasswordProtect> prompt = prompts.first();
        QCOMPARE(prompt->m_passwordProtectLabel->text(), promptText);
        QVERIFY(prompt->isModal());
        // Nothing goes out before the password.
        QStringList keepAlive{"KEEPALIVE", "before"};
        m_client->convertXMLSendToServer(keepAlive);
        QVERIFY(m_peer->waitForRequest("KEEPALIVE").isValid());
        QVERIFY(!m_peer->requestTypes().contains("FTPACCEPT"));
        QVERIFY(!m_peer->requestTypes().contains("FTPSTATUS"));

        if (password.isEmpty())
            prompt->m_cancelButton->click();
        else
            enter(prompt, password);
        QTRY_VERIFY(prompt.isNull());

        if (!requestType.isEmpty()) {
            const ZELTestPeer::Request request = m_peer->waitForRequest(requestType);
            QVERIFY(request.isValid());
            QStringList values;
            for (const auto &field : request.fields)
                values << field.second;
            QCOMPARE(values, requestValues);
        }
        if (requestType == QLatin1String("FTPACCEPT")) {
            QCOMPARE(window->filePages().m_dowLoadtable->item(0, 5)->text(), QString("Downloading..."));
            m_peer->sendFile("bytes");
            const ZELTestPeer::Request stored = m_peer->waitForRequest("FTPSTATUS");
            QCOMPARE(stored.value("FILENAME"), file);
            QVERIFY(QFile::exists(folder.path() + "/" + file));
        }
        fenceNoStatus();
        if (requestType.isEmpty()) {
            QVERIFY(!m_peer->requestTypes().contains("FTPACCEPT"));
            QVERIFY(!m_peer->requestTypes().contains("FTPSTATUS"));
        }
        const QTableWidgetItem *state = window->filePages().m_dowLoadtable->item(0, 5);
        QVERIFY(state);
        QCOMPARE(state->text(), rowState);
        QCOMPARE(window->m_receivedFileCount, counter.isEmpty() ? 0 : counter.mid(1, 1).toInt());
        QCOMPARE(window->m_indicateFileReceivedLabel->text().remove("<u>"), counter);

        // The other offer downloads at once.
        window->selectFileToDowload(1, 0);
        window->filePages().m_ftpOk->click();
        const ZELTestPeer::Request next = m_peer->waitForRequest("FTPACCEPT");
        QVERIFY2(next.isValid(), qPrintable(boxes.join(" | ")));
        QCOMPARE(next.value("FILENAME"), QString("b.txt"));
    }

private:
    // After a success no delivery status may follow.
    void fenceNoStatus()
    {
        QStringList keepAlive{"KEEPALIVE", "fence"};
        m_client->convertXMLSendToServer(keepAlive);
        QVERIFY(m_peer->waitForRequest("KEEPALIVE").isValid());
        QVERIFY(!m_peer->requestTypes().contains("PWDMESSAGEDELIVEREDSTATUS"));
    }
};

ZEL_TEST_MAIN(TestProtected)
#include "tst_protected.moc"
