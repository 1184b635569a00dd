#include <QAction>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTextEdit>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "chat/zelchatwindow.h"
#include "chat/zeltranscript.h"
#include "core/zelclient.h"
#include "protocol/zelpreferencesfile.h"
#include "protocol/zelsettingslists.h"
#include "protocol/zeltcpsocket.h"
#include "core/zelthread.h"
#include "peer/zeltestpeer.h"
#include "platform/zelfakechoosers.h"
#include "platform/zelfakedesktopservices.h"
#include "platform/zelfakeinputmonitor.h"
#include "platform/zelplatform.h"
#include "settings/zelchangepassword.h"
#include "settings/zelpreferencessettings.h"
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
    ZELFakeChoosers m_choosers;
    ZELFakeDesktopServices m_desktop;
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

    ZELPreferencesSettings *openPreferences()
    {
        m_client->m_preferencesAction->trigger();
        return m_client->findChild<ZELPreferencesSettings *>();
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
        ZELPlatform::setChoosers(&m_choosers);
        ZELPlatform::setDesktopServices(&m_desktop);
    }

    void cleanupTestCase()
    {
        ZELPlatform::setInputMonitor(nullptr);
        ZELPlatform::setChoosers(nullptr);
        ZELPlatform::setDesktopServices(nullptr);
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
        // Messages are handled in order: once the one sent after them has
        // enabled the forgotten-password link, both answers were handled.
        m_client->m_forgetPasswordButton->setEnabled(false);
        m_peer->sendText(ZELTestPeer::message("FORGETPWD", {{"USERNAME", "alice"}, {"STATUS", "-"}}));
        QTRY_VERIFY(m_client->m_forgetPasswordButton->isEnabled());
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

    // ------------------------------------------------------------------
    // Preferences

    // Ok on an edited page hands its list to the main widget, which writes the
    // user's block; the dialog then closes.
    void pageSavesReachTheFile_data()
    {
        QTest::addColumn<int>("page");
        for (int page = ZELPreferencesSettings::ContactDisplay; page < ZELPreferencesSettings::ConnectToServer; ++page)
            QTest::newRow(qPrintable(QString::number(page))) << page;
    }

    void pageSavesReachTheFile()
    {
        QFETCH(int, page);
        QTemporaryDir folder;
        signIn();
        QPointer<ZELPreferencesSettings> dialog = openPreferences();
        QVERIFY(dialog && dialog->isVisible());
        for (int i = 0; i < page; ++i)
            dialog->m_frontToolButton->click();
        QCOMPARE(dialog->m_preferenceStackedWidget->currentIndex(), page);
        QCOMPARE(dialog->m_preferencesToolBox->currentIndex(), page);

        QPushButton *ok = nullptr;
        switch (page) {
        case ZELPreferencesSettings::ContactDisplay:
            dialog->m_numberOfDaysToChatUserListSpinBox->setValue(7);
            dialog->m_departmentWiserListButton->click();
            ok = dialog->m_contactOkButton;
            break;
        case ZELPreferencesSettings::ChatWindow:
            dialog->m_fontSizeComboBox->setEditText("9");
            dialog->m_insertsLineRadioButton->click();
            ok = dialog->m_chatOkButton;
            break;
        case ZELPreferencesSettings::AutoStatusChange:
            dialog->m_busySpinBox->setValue(10);
            dialog->m_autoLoginCheckBox->setChecked(true);
            ok = dialog->m_autoStatusOkButton;
            break;
        case ZELPreferencesSettings::Notification:
            dialog->m_offlineCheckBox->setChecked(true);
            ok = dialog->m_notificationOkButton;
            break;
        case ZELPreferencesSettings::StatusMessage:
            dialog->m_awayUserMsgLineEdit->setText("  Gone   fishing ");
            dialog->m_defaultStatus->setCurrentIndex(dialog->m_defaultStatus->findText("Busy"));
            ok = dialog->m_statusMessageOkButton;
            break;
        case ZELPreferencesSettings::FileTransfer:
            m_choosers.folderAnswers << folder.path();
            dialog->m_browseButton->click();
            ok = dialog->m_ftpOkButton;
            break;
        case ZELPreferencesSettings::ChatHistory:
            dialog->m_autoSaveHistoryCheckBox->setChecked(true);
            m_choosers.folderAnswers << folder.path();
            dialog->m_historyBrowseButton->click();
            dialog->m_deleteHistoryCheckBox->setChecked(true);
            dialog->m_daySpinBox->setValue(45);
            ok = dialog->m_historyOkButton;
            break;
        case ZELPreferencesSettings::QuickReply:
            dialog->m_keyMessageLineEdit->setText("  good   night ");
            QTest::keyClick(dialog->m_keyMessageLineEdit, Qt::Key_Return);
            dialog->m_insertRadioButton->click();
            ok = dialog->m_qReplyOkButton;
            break;
        }
        QVERIFY(ok->isEnabled());
        ok->click();
        QTRY_VERIFY(!dialog);

        const ZELPreferencesFile::UserSettings user = stored().user;
        switch (page) {
        case ZELPreferencesSettings::ContactDisplay:
            QCOMPARE(user.contactDisplay, (QStringList{"7", "TRUE", "TRUE", "FALSE", "TRUE", "TRUE"}));
            QCOMPARE(m_client->m_contactDisplaySettings, user.contactDisplay);
            break;
        case ZELPreferencesSettings::ChatWindow:
            QCOMPARE(user.chatWindow.value(ZELChatWindowList::FontSize), QString("9"));
            QCOMPARE(user.chatWindow.value(ZELChatWindowList::EnterSends), QString("FALSE"));
            QCOMPARE(user.chatWindow.value(ZELChatWindowList::EnterNewLine), QString("TRUE"));
            QCOMPARE(user.chatWindow.value(ZELChatWindowList::DisplayTimeStamp), QString("TRUE"));
            // The stored family is not installed here: it is kept, not emptied.
            QCOMPARE(user.chatWindow.value(ZELChatWindowList::FontFamily), QString("Verdana"));
            break;
        case ZELPreferencesSettings::AutoStatusChange:
            // Away follows Busy: at least five minutes above it.
            QCOMPARE(user.autoStatus, (QStringList{"TRUE", "10", "TRUE", "TRUE", "15", "TRUE", "TRUE"}));
            break;
        case ZELPreferencesSettings::Notification:
            QCOMPARE(user.notifications, (QStringList{"TRUE", "TRUE", "TRUE", "TRUE", "TRUE", "TRUE"}));
            break;
        case ZELPreferencesSettings::StatusMessage:
            QCOMPARE(user.statusMessages.value(ZELStatusMessageList::AwayMessage), QString("Gone fishing"));
            QCOMPARE(user.statusMessages.value(ZELStatusMessageList::LoginStatus), QString("Busy"));
            QVERIFY(m_client->m_statusMessagesSaved);
            break;
        case ZELPreferencesSettings::FileTransfer:
            QCOMPARE(user.defaultFileLocation, folder.path());
            break;
        case ZELPreferencesSettings::ChatHistory:
            QCOMPARE(user.chatHistory, (QStringList{"TRUE", folder.path() + "/ZELChatHistory", "TRUE", "45", "TRUE"}));
            break;
        case ZELPreferencesSettings::QuickReply:
            QCOMPARE(user.quickReplies, QString("Hi##Hello##Good Morning##Bye##Thank You##good night"));
            QCOMPARE(user.quickReplyOption, QString("FALSE"));
            break;
        }
    }

    // Choosing 24 hours and pressing Ok reaches the windows already open: the
    // next line received in a chat window and in a conference window is
    // stamped in 24-hour form, as the next line sent.
    void twentyFourHourClockReachesOpenWindows()
    {
        signIn();
        const QString conference = QStringLiteral("Plan 10~00~00");
        const auto chat = [](const QString &text) {
            return ZELTestPeer::message("CHAT", {{"CHATUSERNAME", "alice"}, {"LOGINNAME", "ravi"},
                                                 {"MESSAGE", text}, {"SENDSMILEY", ""}, {"SENDPICTURE", ""},
                                                 {"BANNERSTATE", ""}, {"PLAINTEXT", text},
                                                 {"DISPLAYNAME", "Ravi Kumar"}, {"PASSWORD", "FALSE"}});
        };
        const auto say = [&conference](const QString &text) {
            return ZELTestPeer::message("CONFERENCECHATMESSAGE",
                                        {{"LOGINNAME", "mira##Mira Shah"}, {"CHATSUBJECT", conference},
                                         {"MESSAGE", text}, {"SMILEY", "FALSE"}, {"SENDPICTURE", ""},
                                         {"ADDBANNER", ""}, {"PLAINTEXT", text}});
        };
        // The time stamp of the last line, and whether it reads "am" or "pm".
        const auto lastStamp = [](ZELChatWindow *window) {
            static const QRegularExpression stamp(QStringLiteral("\\b\\d\\d:\\d\\d:\\d\\d( [ap]m)?"));
            QString last;
            QRegularExpressionMatchIterator it = stamp.globalMatch(window->totalMessage->toPlainText());
            while (it.hasNext())
                last = it.next().captured(0);
            return last;
        };
        const QRegularExpression twelveHours(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d [ap]m$"));
        const QRegularExpression twentyFourHours(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d$"));

        m_peer->sendText(chat("before"));
        QVERIFY(m_peer->waitForRequest("MESSAGEDELIVERED").isValid());
        QPointer<ZELChatWindow> window = m_client->m_chatWindows.value("ravi");
        QVERIFY(window);
        QTRY_VERIFY(window->totalMessage->toPlainText().contains("before"));
        QVERIFY2(twelveHours.match(lastStamp(window)).hasMatch(), qPrintable(lastStamp(window)));

        m_client->openConferenceChatWidget(conference);
        QPointer<ZELChatWindow> room = m_client->m_chatWindows.value(conference);
        QVERIFY(room);
        m_peer->sendText(ZELTestPeer::message("CONFERECECHATSTATUS",
                                              {{"LOGINNAME", "alice"}, {"CHATUSERNAME", "mira"},
                                               {"CHATSESSIONNAME", conference}, {"STATUS", "Accepted"},
                                               {"DUSERNAME", "Mira Shah"}}));
        QTRY_COMPARE(room->m_chatRoomListBox->count(), 1);

        QPointer<ZELPreferencesSettings> dialog = openPreferences();
        QVERIFY(dialog);
        dialog->m_frontToolButton->click();
        QCOMPARE(dialog->m_preferenceStackedWidget->currentIndex(), int(ZELPreferencesSettings::ChatWindow));
        QVERIFY(dialog->m_12HourRadioButton->isChecked());
        dialog->m_24HourRadioButton->click();
        QVERIFY(dialog->m_chatOkButton->isEnabled());
        dialog->m_chatOkButton->click();
        QTRY_VERIFY(!dialog);

        m_peer->sendText(chat("after"));
        QVERIFY(m_peer->waitForRequest("MESSAGEDELIVERED").isValid());
        QTRY_VERIFY(window->totalMessage->toPlainText().contains("after"));
        QVERIFY2(twentyFourHours.match(lastStamp(window)).hasMatch(), qPrintable(lastStamp(window)));

        m_peer->sendText(say("in the room"));
        QTRY_VERIFY(room->totalMessage->toPlainText().contains("in the room"));
        QVERIFY2(twentyFourHours.match(lastStamp(room)).hasMatch(), qPrintable(lastStamp(room)));

        window->serverMessage->setPlainText("sent");
        window->sendButton->click();
        QTRY_VERIFY(window->totalMessage->toPlainText().contains("sent"));
        QVERIFY2(twentyFourHours.match(lastStamp(window)).hasMatch(), qPrintable(lastStamp(window)));
    }

    // Apply saves and stays; a later Ok with no new edit closes without a
    // second save; Reset shows what was applied.
    void applyThenOk()
    {
        signIn();
        QPointer<ZELPreferencesSettings> dialog = openPreferences();
        int saves = 0;
        connect(dialog, &ZELPreferencesSettings::savePreferenceNotificationSettings, this,
                [&saves](QStringList &) { ++saves; });
        dialog->m_offlineCheckBox->setChecked(true);
        dialog->m_notificationApplyButton->click();
        QCOMPARE(saves, 1);
        QVERIFY(dialog->isVisible());
        QVERIFY(dialog->m_notificationOkButton->isEnabled());
        QVERIFY(!dialog->m_notificationApplyButton->isEnabled());
        QCOMPARE(stored().user.notifications.value(ZELNotificationList::GoesOffline), QString("TRUE"));
        dialog->m_notificationOkButton->click();
        QTRY_VERIFY(!dialog);
        QCOMPARE(saves, 1);

        dialog = openPreferences();
        dialog->m_voiceMailCheckBox->setChecked(false);
        dialog->m_notificationApplyButton->click();
        dialog->m_offlineCheckBox->setChecked(false);
        dialog->m_notificationResetButton->click();
        QVERIFY(dialog->m_offlineCheckBox->isChecked());
        QVERIFY(!dialog->m_voiceMailCheckBox->isChecked());
        QVERIFY(!dialog->m_notificationOkButton->isEnabled());
    }

    // Back, Next, the tool box and the file-transfer link show one page in
    // both; neither button wraps.
    void navigation()
    {
        signIn();
        ZELPreferencesSettings *dialog = openPreferences();
        QVERIFY(!dialog->m_backToolButton->isEnabled());
        dialog->m_backToolButton->click();
        QCOMPARE(dialog->m_preferenceStackedWidget->currentIndex(), 0);
        dialog->m_frontToolButton->click();
        QVERIFY(dialog->m_backToolButton->isEnabled());
        dialog->m_backToolButton->click();
        QVERIFY(!dialog->m_backToolButton->isEnabled());
        dialog->m_preferencesToolBox->setCurrentIndex(ZELPreferencesSettings::ConnectToServer);
        QCOMPARE(dialog->m_preferenceStackedWidget->currentWidget(), dialog->ConnectToServerPage);
        QVERIFY(!dialog->m_frontToolButton->isEnabled());
        QVERIFY(!dialog->m_cSettingsGroupBox->isEnabled());
        QCOMPARE(dialog->m_portValueLineEdit->text(), QString::number(m_peer->port()));
        QVERIFY(dialog->m_noProxyradioButton->isChecked());
        dialog->m_preferencesToolBox->setCurrentIndex(ZELPreferencesSettings::ChatHistory);
        QTest::mouseClick(dialog->m_ftpSettingsLinkLabel, Qt::LeftButton);
        QCOMPARE(dialog->m_preferenceStackedWidget->currentWidget(), dialog->FTPSettingsPage);
        QCOMPARE(dialog->m_preferencesToolBox->currentIndex(), int(ZELPreferencesSettings::FileTransfer));
    }

    // Leaving asks only while a page has unsaved edits; No keeps them.
    void closeWithUnsavedEdits()
    {
        signIn();
        QStringList asked;
        int answer = QMessageBox::No;
        ZELMessageBoxClass::setTestAnswerHook([&](const QString &title, const QString &text) {
            asked << title + "|" + text;
            return answer;
        });
        QPointer<ZELPreferencesSettings> dialog = openPreferences();
        dialog->m_messageCheckBox->setChecked(false);
        dialog->m_closeButton->click();
        QCOMPARE(asked, QStringList{"Preferences|Close without saving changes ?"});
        QVERIFY(dialog->isVisible());
        QVERIFY(!dialog->m_messageCheckBox->isChecked());
        answer = QMessageBox::Yes;
        dialog->m_notificationCloseButton->click();
        QTRY_VERIFY(!dialog);
        QCOMPARE(stored().user.notifications.value(ZELNotificationList::SendsMessage), QString("TRUE"));

        asked.clear();
        dialog = openPreferences();
        dialog->m_contactCloseButton->click();
        QTRY_VERIFY(!dialog);
        QVERIFY(asked.isEmpty());
    }


    // The size counts the files of the day folders only; deleting asks first
    // and keeps a day folder that still holds a folder.
    void chatHistorySizeAndDeletion()
    {
        signIn();
        const QString userFolder = ZELChatHistoryList::defaults().value(ZELChatHistoryList::SaveLocation) + "/Alice";
        QVERIFY(QDir().mkpath(userFolder + "/01-Dec-2026"));
        QVERIFY(QDir().mkpath(userFolder + "/02-Dec-2026/nested"));
        const auto write = [](const QString &path, int bytes) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QByteArray(bytes, 'x'));
        };
        write(userFolder + "/01-Dec-2026/a.html", 700);
        write(userFolder + "/02-Dec-2026/b.html", 600);
        write(userFolder + "/loose.html", 5000);

        int answer = QMessageBox::No;
        ZELMessageBoxClass::setTestAnswerHook([&answer](const QString &, const QString &) { return answer; });
        ZELPreferencesSettings *dialog = openPreferences();
        QCOMPARE(dialog->m_folderSizeLabel->text(), QString("1.27 KB"));
        QVERIFY(dialog->m_deleteHistoryButton->isEnabled());
        dialog->m_deleteHistoryButton->click();
        QCOMPARE(dialog->m_folderSizeLabel->text(), QString("1.27 KB"));
        answer = QMessageBox::Yes;
        dialog->m_deleteHistoryButton->click();
        QCOMPARE(dialog->m_folderSizeLabel->text(), QString("0 KB"));
        QVERIFY(!dialog->m_deleteHistoryButton->isEnabled());
        QVERIFY(!QDir(userFolder + "/01-Dec-2026").exists());
        QVERIFY(QDir(userFolder + "/02-Dec-2026/nested").exists());
        QVERIFY(!QFile::exists(userFolder + "/02-Dec-2026/b.html"));
        QVERIFY(QFile::exists(userFolder + "/loose.html"));
    }

    // A user name that names no folder inside the history folder reaches no
    // transcripts at all, so nothing outside the user's own is counted or deleted.
    void historyNameStaysInside()
    {
        signIn();
        const QString history = ZELChatHistoryList::defaults().value(ZELChatHistoryList::SaveLocation);
        QVERIFY(QDir().mkpath(history + "/Bob/01-Dec-2026"));
        QFile file(history + "/Bob/01-Dec-2026/b.html");
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("transcript");
        file.close();
        ZELMessageBoxClass::setTestAnswerHook([](const QString &, const QString &) { return int(QMessageBox::Yes); });
        m_client->m_ownDisplayName = "..";
        ZELPreferencesSettings *dialog = openPreferences();
        QCOMPARE(dialog->m_folderSizeLabel->text(), QString("0 KB"));
        QVERIFY(!dialog->m_deleteHistoryButton->isEnabled());
        dialog->deleteChatHistory();
        QCOMPARE(dialog->m_statusHistoryErrorLabel->text(), QString("No chat history found"));
        QVERIFY(QFile::exists(file.fileName()));
    }

    // The page finds the transcripts the chat windows wrote for the user's own
    // display name, whatever it holds, and never another user's of the same
    // history folder.
    void historyPageReachesOwnTranscripts_data()
    {
        QTest::addColumn<QString>("own");
        QTest::addColumn<QString>("other");
        QTest::newRow("slash") << "Sales/Alice" << "Alice";
        QTest::newRow("backslash") << "Sales\\Alice" << "Alice";
        QTest::newRow("plain") << "Alice" << "Sales/Alice";
    }

    void historyPageReachesOwnTranscripts()
    {
        QFETCH(QString, own);
        QFETCH(QString, other);
        QTemporaryDir history;
        signIn();
        m_client->m_chatHistorySettings[ZELChatHistoryList::SaveLocation] = history.path();
        const auto bytesBelow = [&history] {
            qint64 bytes = 0;
            QDirIterator it(history.path(), QDir::Files, QDirIterator::Subdirectories);
            while (it.hasNext())
                bytes += QFileInfo(it.next()).size();
            return bytes;
        };
        const auto writeTranscript = [&history](const QString &ownName, int length) {
            QPointer<ZELChatWindow> window = new ZELChatWindow;
            window->m_peer = "ravi";
            window->m_peerDisplayName = "Ravi";
            window->m_ownDisplayName = ownName;
            window->m_historyFolder = history.path();
            window->m_autoSave = "TRUE";
            window->m_closeSilently = true;
            window->totalMessage->append(ZELTranscript::headingRow(
                ZELTranscript::Received, ZELTranscript::receivedColour(), "Ravi", ZELTranscript::timeStamp("TRUE")));
            window->totalMessage->append(QString(length, QLatin1Char('t')));
            QVERIFY(window->close());
            QTRY_VERIFY(window.isNull());
        };
        writeTranscript(other, 500);
        const qint64 otherBytes = bytesBelow();
        writeTranscript(own, 4000);
        const qint64 ownBytes = bytesBelow() - otherBytes;
        QVERIFY(otherBytes > 0 && ownBytes > 0);

        ZELMessageBoxClass::setTestAnswerHook([](const QString &, const QString &) { return int(QMessageBox::Yes); });
        m_client->m_ownDisplayName = own;
        ZELPreferencesSettings *dialog = openPreferences();
        QCOMPARE(dialog->m_folderSizeLabel->text(), QString::number(ownBytes / 1024.0, 'g', 3) + " KB");
        QVERIFY(dialog->m_deleteHistoryButton->isEnabled());
        dialog->m_deleteHistoryButton->click();
        QCOMPARE(dialog->m_folderSizeLabel->text(), QString("0 KB"));
        QCOMPARE(bytesBelow(), otherBytes);
    }

    // The file transfer page says when its folder is gone; its Open link
    // opens the folder shown once one is chosen.
    void fileTransferFolder()
    {
        QTemporaryDir folder;
        signIn();
        m_client->m_defaultFileLocation = folder.path() + "/gone";
        ZELPreferencesSettings *dialog = openPreferences();
        dialog->m_preferencesToolBox->setCurrentIndex(ZELPreferencesSettings::FileTransfer);
        QVERIFY(dialog->m_ftpErrorLabel->isVisible());
        QCOMPARE(dialog->m_ftpErrorLabel->text(), QString("Path does not exist"));
        QVERIFY(!dialog->m_openFtpLabel->isEnabled());
        m_choosers.folderAnswers << folder.path();
        dialog->m_browseButton->click();
        QVERIFY(!dialog->m_ftpErrorLabel->isVisible());
        QVERIFY(dialog->m_openFtpLabel->isEnabled());
        m_desktop.openedUrls.clear();
        QTest::mouseClick(dialog->m_openFtpLabel, Qt::LeftButton);
        QCOMPARE(m_desktop.openedUrls, QList<QUrl>{QUrl::fromLocalFile(folder.path())});
    }

    // What the Open links hand to the desktop: the folder the field shows,
    // and on Windows a network share as one.
    void folderLinkAddress_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("windows");
        QTest::addColumn<QString>("opened");
        QTest::newRow("plain folder") << "/home/anita/Downloads" << false << "file:///home/anita/Downloads";
        QTest::newRow("doubled slash inside") << "/home/anita//Downloads" << false << "file:///home/anita/Downloads";
        QTest::newRow("leading doubled slash") << "//srv/share" << false << "file:///srv/share";
        QTest::newRow("share on Windows") << "//srv/share/team" << true << "file://srv/share/team";
        QTest::newRow("share in backslashes") << "\\\\srv\\share" << true << "file://srv/share";
        QTest::newRow("drive on Windows") << "C:/Users/anita//Downloads" << true << "file:///C:/Users/anita/Downloads";
    }
    void folderLinkAddress()
    {
        QFETCH(QString, path);
        QFETCH(bool, windows);
        QFETCH(QString, opened);
        QCOMPARE(ZELPreferencesSettings::folderUrl(path, windows).toString(), opened);
    }

    // The history folder's link opens it when its stored path doubles a slash.
    void historyLinkOpensTheFolderShown()
    {
        QTemporaryDir folder;
        signIn();
        QVERIFY(QDir().mkpath(folder.path() + "/" + m_client->m_ownDisplayName));
        m_client->m_chatHistorySettings[ZELChatHistoryList::SaveLocation] = folder.path() + "//";
        m_client->m_chatHistorySettings[ZELChatHistoryList::AutomaticSave] = "TRUE";
        ZELPreferencesSettings *dialog = openPreferences();
        dialog->m_preferencesToolBox->setCurrentIndex(ZELPreferencesSettings::ChatHistory);
        QVERIFY(dialog->m_openLabel->isEnabled());
        m_desktop.openedUrls.clear();
        QTest::mouseClick(dialog->m_openLabel, Qt::LeftButton);
        QCOMPARE(m_desktop.openedUrls,
                 QList<QUrl>{QUrl::fromLocalFile(folder.path() + "/" + m_client->m_ownDisplayName)});
    }

    // Return on the dialog saves the page shown when its Ok is on; a sample
    // label shows its pop-up kind and changes nothing.
    void returnKeyAndSamples()
    {
        signIn();
        QPointer<ZELPreferencesSettings> dialog = openPreferences();
        QStringList kinds;
        connect(dialog, &ZELPreferencesSettings::showSampleNotification, this,
                [&kinds](QString &kind) { kinds << kind; });
        dialog->m_preferencesToolBox->setCurrentIndex(ZELPreferencesSettings::Notification);
        QTest::mouseClick(dialog->m_fileExampleLabel, Qt::LeftButton);
        QCOMPARE(kinds, QStringList{"FilePopup"});
        QVERIFY(!dialog->m_notificationOkButton->isEnabled());
        QTest::keyClick(dialog, Qt::Key_Enter);
        QTest::qWait(50);
        QVERIFY(dialog);
        dialog->m_sendFileCheckBox->setChecked(false);
        QTest::keyClick(dialog, Qt::Key_Return);
        QTRY_VERIFY(!dialog);
        QCOMPARE(stored().user.notifications.value(ZELNotificationList::SendsFile), QString("FALSE"));
    }


    void awayFollowsBusy_data()
    {
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<QList<int>>("busySteps");
        QTest::addColumn<QList<int>>("awayShown");
        const QStringList tenTwelve = {"TRUE", "10", "TRUE", "TRUE", "12", "TRUE", "FALSE"};
        const QStringList tenThirty = {"TRUE", "10", "TRUE", "TRUE", "30", "TRUE", "FALSE"};
        QTest::newRow("filled too close") << tenTwelve << QList<int>{} << QList<int>{};
        QTest::newRow("stored away wins while far enough") << tenThirty << QList<int>{20, 26, 10}
                                                           << QList<int>{30, 31, 30};
    }

    // Away stays at least five minutes above Busy; a Busy change puts back
    // the stored Away, or Busy + 5 when that is too close.
    void awayFollowsBusy()
    {
        QFETCH(QStringList, stored);
        QFETCH(QList<int>, busySteps);
        QFETCH(QList<int>, awayShown);
        signIn();
        m_client->m_autoStatusSettings = stored;
        ZELPreferencesSettings *dialog = openPreferences();
        if (busySteps.isEmpty()) {
            QCOMPARE(dialog->m_awaySpinBox->value(), 15);
            QCOMPARE(dialog->m_awaySpinBox->minimum(), 15);
            QVERIFY(!dialog->m_autoApplyButton->isEnabled());
        }
        for (int i = 0; i < busySteps.size(); ++i) {
            dialog->m_awaySpinBox->setValue(45);
            dialog->m_busySpinBox->setValue(busySteps.at(i));
            QCOMPARE(dialog->m_awaySpinBox->value(), awayShown.at(i));
        }
    }

    // Leaving the user-defined fields: an empty name means no user status
    // (back to Online); a name with a message renames the fifth status.
    void userDefinedStatusFields()
    {
        signIn();
        ZELPreferencesSettings *dialog = openPreferences();
        dialog->m_preferencesToolBox->setCurrentIndex(ZELPreferencesSettings::StatusMessage);
        const auto focus = [](QWidget *widget, QEvent::Type type) {
            QFocusEvent event(type);
            QApplication::sendEvent(widget, &event);
        };
        focus(dialog->m_userDefinedLineEdit, QEvent::FocusIn);
        QVERIFY(dialog->m_userDefinedLineEdit->text().isEmpty());
        QTest::keyClicks(dialog->m_userDefinedLineEdit, "Gym42 ");
        QCOMPARE(dialog->m_userDefinedLineEdit->text(), QString("Gym"));
        focus(dialog->m_userMsgLineEdit, QEvent::FocusIn);
        QTest::keyClicks(dialog->m_userMsgLineEdit, "Back at six");
        focus(dialog->m_userMsgLineEdit, QEvent::FocusOut);
        QCOMPARE(dialog->m_defaultStatus->itemText(4), QString("Gym"));
        QVERIFY(dialog->m_userDefinedCheckBox->isEnabled());
        QVERIFY(dialog->m_userDefinedCheckBox->text().endsWith("Gym"));

        dialog->m_defaultStatus->setCurrentIndex(4);
        dialog->m_userDefinedLineEdit->clear();
        focus(dialog->m_userDefinedLineEdit, QEvent::FocusOut);
        QCOMPARE(dialog->m_userDefinedLineEdit->text(), QString("<EMPTY>"));
        QCOMPARE(dialog->m_defaultStatus->itemText(4), QString("User Status"));
        QCOMPARE(dialog->m_defaultStatus->currentText(), QString("Online"));
        QVERIFY(!dialog->m_userDefinedCheckBox->isEnabled());
    }

    void statusMessageChecks_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("meeting");
        QTest::addColumn<QString>("error");
        QTest::newRow("name missing") << "" << "Out" << "In a meeting" << "Please fill the user defined status";
        QTest::newRow("message missing") << "Gym" << "" << "In a meeting"
                                         << "Please fill the user defined status message";
        QTest::newRow("meeting empty") << "" << "" << "   " << "Please fill all status message";
    }

    // A refused save says why on the page, keeps it open and stores nothing.
    void statusMessageChecks()
    {
        QFETCH(QString, name);
        QFETCH(QString, message);
        QFETCH(QString, meeting);
        QFETCH(QString, error);
        signIn();
        const QStringList before = stored().user.statusMessages;
        ZELPreferencesSettings *dialog = openPreferences();
        dialog->m_preferencesToolBox->setCurrentIndex(ZELPreferencesSettings::StatusMessage);
        dialog->m_userDefinedLineEdit->setText(name);
        dialog->m_userMsgLineEdit->setText(message);
        dialog->m_meetingMsgLineEdit->setText(meeting);
        dialog->m_statusMessageOkButton->click();
        QVERIFY(dialog->isVisible());
        QVERIFY(dialog->m_statusErrorLabel->isVisible());
        QCOMPARE(dialog->m_statusErrorLabel->text(), error);
        QCOMPARE(dialog->m_statusMessageSettings, before);
        QCOMPARE(stored().user.statusMessages, before);
    }

    void quickReplyRefusals_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("error");
        QTest::newRow("case-blind duplicate") << "hi" << "Quick Reply message already available in list";
        QTest::newRow("eleventh") << "one more" << "Cannot add more than 10 Quick Reply messages";
    }

    void quickReplyRefusals()
    {
        QFETCH(QString, typed);
        QFETCH(QString, error);
        signIn();
        ZELPreferencesSettings *dialog = openPreferences();
        dialog->m_preferencesToolBox->setCurrentIndex(ZELPreferencesSettings::QuickReply);
        if (QTest::currentDataTag() == QByteArray("eleventh")) {
            for (const char *reply : {"a", "b", "c", "d", "e"}) {
                dialog->m_keyMessageLineEdit->setText(reply);
                dialog->m_addKeyWordButton->click();
            }
            QCOMPARE(dialog->m_keyMessageListWidget->count(), 10);
        }
        const int rows = dialog->m_keyMessageListWidget->count();
        dialog->m_keyMessageLineEdit->setText(typed);
        dialog->m_addKeyWordButton->click();
        QCOMPARE(dialog->m_keyMessageListWidget->count(), rows);
        QVERIFY(dialog->m_quickReplyErrorLabel->isVisible());
        QCOMPARE(dialog->m_quickReplyErrorLabel->text(), error);
    }
};

ZEL_TEST_MAIN(TestSettings)
#include "tst_settings.moc"
