#include <QAction>
#include <QTabWidget>
#include <QTableWidget>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QPointer>
#include <QMessageBox>
#include <QPushButton>
#include <QScopeGuard>
#include <QRegularExpressionValidator>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include "chat/zelchatwindow.h"
#include "core/zelclient.h"
#include "mainwindow/zelpopup.h"
#include "media/zeldesktopcapturehelper.h"
#include "media/zelscreencaptureeditor.h"
#include "media/zelvoicemail.h"
#include "media/zelvoicemailinbox.h"
#include "messages/zelchathistorylistwindow.h"
#include "messages/zelofflinemessageswidget.h"
#include "protocol/zelfilewriter.h"
#include "protocol/zelhistorypaths.h"
#include "protocol/zelpicturefield.h"
#include "protocol/zelpreferencesfile.h"
#include "protocol/zelsettingslists.h"
#include "core/zelruntimefolder.h"
#include "protocol/zeltcpsocket.h"
#include "peer/zeltestpeer.h"
#include "platform/zelfakechoosers.h"
#include "platform/zelfakesoundrecorder.h"
#include "platform/zelfakesystemtray.h"
#include "platform/zelplatform.h"
#include "style/zelmessageboxclass.h"
#include "style/zelaboutdialog.h"
#include "zelfulldisk.h"
#include "zeltestmain.h"

// A client signed in as "anita" on the protocol test peer, with Ravi as a
// contact, choosers and a sound recorder of the test's own, and every question
// answered Yes: the scene in which each kind of saved file is written.
struct SavingScene
{
    QTemporaryDir dir;
    ZELTestPeer peer;
    ZELClient *client = nullptr;
    ZELFakeChoosers choosers;
    ZELFakeSoundRecorder recorder;
    QPointer<ZELChatWindow> chat;
    std::unique_ptr<ZELScreenCaptureEditor> editor;
    QString shownMessage; // a received message as the window shows it

    // The data folder is the test's own, and each scene starts without one:
    // a preferences file left there would have the next client connect by itself.
    static void clearDataFolder()
    {
        QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/ZEL").removeRecursively();
    }

    bool start()
    {
        clearDataFolder();
        if (!dir.isValid() || !peer.listen())
            return false;
        ZELPlatform::setChoosers(&choosers);
        ZELPlatform::setSoundRecorder(&recorder);
        ZELMessageBoxClass::setTestAnswerHook([](const QString &, const QString &) { return int(QMessageBox::Yes); });
        client = new ZELClient;
        client->m_tcpSocket->connectToHost(peer.host(), peer.port());
        if (!peer.waitForConnection()
            || !QTest::qWaitFor([this] { return client->m_tcpSocket->state() == QAbstractSocket::ConnectedState; }))
            return false;
        client->m_signedIn = true;
        client->m_loginId = "anita";
        client->m_ownDisplayName = "Anita Rao";
        client->m_chatWindowSettings = ZELChatWindowList::defaults();
        client->m_chatHistorySettings = ZELChatHistoryList::defaults();
        client->m_notificationSettings = ZELNotificationList::defaults();
        client->m_notificationSettings[ZELNotificationList::SendsFile] = "FALSE";
        client->m_defaultFileLocation = dir.filePath("in");
        client->m_users.insert("ravi", UserRecord{"Engineer", "Ravi Kumar", "Sales", "Online", "At my desk",
                                                  "Ravi&&Field&&Sales", "ravi", "", "GMT+05:30"});
        client->m_privilegeInfo = QStringList{"PRIVILEGEINFO", "Field###Sales###1###1"};
        return QDir().mkpath(client->m_defaultFileLocation);
    }

    ~SavingScene()
    {
        editor.reset();
        if (client) {
            const QList<ZELChatWindow *> windows = client->m_chatWindows.values();
            for (ZELChatWindow *w : windows)
                delete w;
            delete client;
        }
        clearDataFolder();
        ZELMessageBoxClass::setTestAnswerHook({});
        ZELPlatform::setChoosers(nullptr);
        ZELPlatform::setSoundRecorder(nullptr);
    }

    ZELChatWindow *chatWithRavi()
    {
        if (!client->m_chatWindows.contains("ravi"))
            client->createChatWindow("ravi");
        chat = client->m_chatWindows.value("ravi");
        if (chat && !chat->totalMessage->toPlainText().contains("says ::"))
            chat->totalMessage->append("<b>Ravi Kumar says ::</b> the figures for May");
        return chat;
    }

    static QString shown(ZELMessageBoxClass *box)
    {
        return box && box->isVisible() ? box->m_messageText->text() : QString();
    }

    static void write(const QString &path, const QByteArray &bytes)
    {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
    }

    // Lets the client finish what a write started: its own thread's writes and their ends.
    bool settle()
    {
        client->m_fileWriter->waitForWrites();
        return QTest::qWaitFor([this] { return !client->m_fileWriter->isBusy(); }, 5000);
    }
};

// One kind of file the client saves: how the file there before is put in
// place (its path is returned), what writes it anew, and where the user reads
// what became of it.
struct SavedKind
{
    const char *name;
    QString (*prepare)(SavingScene &);
    void (*write)(SavingScene &);
    QString (*told)(SavingScene &);
    const char *toldHolds; // besides the system's reason, when that is not shown
};

QString cellText(QTableWidget *table, int row, int column)
{
    const QTableWidgetItem *item = table ? table->item(row, column) : nullptr;
    return item ? item->text() : QString();
}

const QList<SavedKind> &savedKinds()
{
    static const QList<SavedKind> kinds = {
        {"preferences file",
         [](SavingScene &s) {
             ZELPreferencesFile file(s.client->m_dataFolder);
             file.create({"127.0.0.1", "5222", "No Proxy", "", "", "", ""});
             file.addUser(ZELPreferencesFile::UserSettings::defaults("anita", "secret", "TRUE", "TRUE"), {});
             return file.fileName();
         },
         [](SavingScene &s) {
             QStringList notifications = ZELNotificationList::defaults();
             notifications[0] = "FALSE";
             s.client->saveDefaultNotificationSettings(notifications);
         },
         [](SavingScene &s) { return SavingScene::shown(s.client->m_informationBox); }, "settings saved before are kept"},

        {"received chat file",
         [](SavingScene &s) {
             const QString path = s.client->m_defaultFileLocation + "/plan.txt";
             SavingScene::write(path, "the old plan");
             s.peer.sendText(ZELTestPeer::message(
                 "FTPREADY", {{"CHATUSERNAME", "anita"}, {"LOGINNAME", "ravi"}, {"FILENAME", "plan.txt"},
                              {"FILESIZE", "5000"}, {"ADDBANNER", "ADD_BANNER"}, {"DISPLAYNAME", "Ravi K"},
                              {"PWDPROTECT", "0"}}));
             QTest::qWaitFor([&s] { return s.client->m_chatWindows.contains("ravi"); });
             ZELChatWindow *w = s.chatWithRavi();
             QTest::qWaitFor([w] { return w->filePages().m_dowLoadtable->rowCount() == 1; });
             w->filePages().m_ftpOk->click();
             s.peer.waitForRequest("FTPACCEPT");
             return path;
         },
         [](SavingScene &s) {
             s.peer.sendFile(QByteArray(5000, 'n'));
             QTest::qWaitFor([&s] { return !s.client->m_downloadInProgress; }, 10000);
         },
         [](SavingScene &s) {
             QTableWidget *rows = s.chat->filePages().m_dowLoadtable;
             return cellText(rows, 0, 5) + " | " + cellText(rows, 0, 1);
         },
         "Downloading Failed"},

        {"received offline file",
         [](SavingScene &s) {
             const QString path = s.client->m_defaultFileLocation + "/report.txt";
             SavingScene::write(path, "the old report");
             QByteArray text = ZELTestPeer::message("OFFLINEFILEDETAILS", {{"VALUE", "7^%ravi^%report.txt"},
                                                                             {"VALUE", "10:00"},
                                                                             {"VALUE", "5000##Ravi Kumar"}})
                                   .toLatin1()
                               + ":::";
             QByteArray none;
             s.client->messageFromServer(text, none);
             s.client->generateWindow();
             ZELOfflineMessagesWidget *inbox = s.client->m_offlineMessagesWidget.get();
             inbox->m_offlineTabWidget->setCurrentIndex(1);
             inbox->m_receivedFileDetailsTable->setCurrentCell(0, 3);
             inbox->onDownloadButtonClicked();
             s.peer.waitForRequest("OFFLINEFTPACCEPT");
             return path;
         },
         [](SavingScene &s) {
             s.peer.sendFile(QByteArray(5000, 'n'));
             QTest::qWaitFor([&s] { return !s.client->m_downloadInProgress; }, 10000);
         },
         [](SavingScene &s) {
             QTableWidget *rows = s.client->m_offlineMessagesWidget->m_receivedFileDetailsTable;
             return cellText(rows, 0, ZELOfflineMessagesWidget::StatusColumn) + " | "
                    + cellText(rows, 0, ZELOfflineMessagesWidget::PathColumn);
         },
         "Failed"},

        {"received voice mail",
         [](SavingScene &s) {
             const QString name = "anita`VS`ravi`VS`10;00;01MIN0SEC7.wav";
             const QString path = s.client->m_dataFolder + "/VoiceMails/" + name;
             SavingScene::write(path, "an earlier mail of that name");
             s.client->showVoiceMailInboxDialog();
             s.client->m_voiceMailDownloading = true;
             s.client->m_downloadVoiceMailName = name;
             return path;
         },
         [](SavingScene &s) {
             QByteArray text;
             QByteArray block = QByteArray(5000, 'v') + "<FILEEND>";
             s.client->messageFromServer(text, block);
             s.settle();
         },
         // Told by the main widget's box, over the inbox.
         [](SavingScene &s) { return SavingScene::shown(s.client->m_informationBox); }, "Voice mail"},

        {"voice mail saved as",
         [](SavingScene &s) {
             SavingScene::write(s.client->m_dataFolder + "/VoiceMails/mail.wav", QByteArray(5000, 'v'));
             const QString target = s.dir.filePath("copy.wav");
             SavingScene::write(target, "an older copy");
             s.client->showVoiceMailInboxDialog();
             s.client->m_voiceMailInbox->m_playFileName = "mail.wav";
             s.client->m_voiceMailInbox->m_saveButton->setEnabled(true);
             s.choosers.saveFileAnswers << target;
             return target;
         },
         [](SavingScene &s) { s.client->m_voiceMailInbox->m_saveButton->click(); },
         [](SavingScene &s) { return SavingScene::shown(s.client->m_voiceMailInbox->m_informationBox); }, ""},

        {"voice recording",
         [](SavingScene &s) {
             s.client->m_selectedUserName = "ravi";
             s.client->m_voiceMailAction->setEnabled(true);
             s.client->showVoiceRecorderDialog();
             const QString path = s.client->m_voiceMailRecorder->tempFilePath();
             SavingScene::write(path, "RIFF the recording before");
             return path;
         },
         [](SavingScene &s) {
             ZELVoiceMail *recorder = s.client->m_voiceMailRecorder.get();
             recorder->m_startButton->click();
             recorder->m_stopButton->click();
         },
         [](SavingScene &s) { return SavingScene::shown(s.client->m_voiceMailRecorder->m_informationBox); }, ""},

        {"chat transcript as HTML",
         [](SavingScene &s) {
             ZELChatWindow *w = s.chatWithRavi();
             w->m_downloadFolder = s.dir.path();
             const QString target = s.dir.filePath("saved/log.html");
             SavingScene::write(target, "<html>an earlier conversation</html>");
             s.choosers.saveFileAnswers << target;
             return target;
         },
         [](SavingScene &s) { s.chat->saveChatSession(); },
         [](SavingScene &s) { return SavingScene::shown(s.chat->m_informationBox.get()); },
         "Chat History has not been saved"},

        {"chat transcript as PDF",
         [](SavingScene &s) {
             ZELChatWindow *w = s.chatWithRavi();
             w->m_downloadFolder = s.dir.path();
             const QString target = s.dir.filePath("saved/log.pdf");
             SavingScene::write(target, "%PDF an earlier conversation");
             s.choosers.saveFileAnswers << target;
             return target;
         },
         [](SavingScene &s) { s.chat->saveChatSession(); },
         [](SavingScene &s) { return SavingScene::shown(s.chat->m_informationBox.get()); },
         "Chat History has not been saved"},

        {"transcript saved on closing",
         [](SavingScene &s) {
             ZELChatWindow *w = s.chatWithRavi();
             w->m_autoSave = "TRUE";
             w->m_historyFolder = s.dir.filePath("history");
             const QString path = ZELHistoryPaths::userFolder(w->m_historyFolder, w->m_ownDisplayName) + "/"
                                  + ZELHistoryPaths::dayFolderName(QDate::currentDate()) + "/"
                                  + ZELHistoryPaths::contactFileName(w->m_peerDisplayName);
             SavingScene::write(path, "<html>this morning's conversation</html>");
             return path;
         },
         [](SavingScene &s) {
             s.chat->close();
             QTest::qWaitFor([&s] { return s.chat.isNull(); });
         },
         [](SavingScene &s) { return SavingScene::shown(s.client->m_informationBox); }, "history saved before is kept"},

        {"history as HTML",
         [](SavingScene &s) {
             ZELChatHistoryListWindow *w = s.client->m_chatHistoryWindow.get();
             w->m_saveFolder = s.dir.path();
             w->m_folderWritable = [](const QString &) { return true; };
             w->show();
             w->showTranscript("<p>Ravi Kumar says :: the figures for May</p>");
             const QString target = s.dir.filePath("saved/history.html");
             SavingScene::write(target, "<html>kept history</html>");
             s.choosers.saveFileAnswers << target;
             return target;
         },
         [](SavingScene &s) { s.client->m_chatHistoryWindow->saveChatSession(); },
         [](SavingScene &s) { return SavingScene::shown(s.client->m_chatHistoryWindow->m_informationBox); },
         "Chat History has not been saved"},

        {"history as PDF",
         [](SavingScene &s) {
             ZELChatHistoryListWindow *w = s.client->m_chatHistoryWindow.get();
             w->m_saveFolder = s.dir.path();
             w->m_folderWritable = [](const QString &) { return true; };
             w->show();
             w->showTranscript("<p>Ravi Kumar says :: the figures for May</p>");
             const QString target = s.dir.filePath("saved/history.pdf");
             SavingScene::write(target, "%PDF kept history");
             s.choosers.saveFileAnswers << target;
             return target;
         },
         [](SavingScene &s) { s.client->m_chatHistoryWindow->saveChatSession(); },
         [](SavingScene &s) { return SavingScene::shown(s.client->m_chatHistoryWindow->m_informationBox); },
         "Chat History has not been saved"},

        {"screen capture saved from the editor",
         [](SavingScene &s) {
             s.editor = std::make_unique<ZELScreenCaptureEditor>();
             QPixmap picture(200, 100);
             picture.fill(Qt::white);
             s.editor->setPicture(picture);
             const QString target = s.dir.filePath("saved/shot.png");
             SavingScene::write(target, "an earlier shot");
             s.choosers.saveFileAnswers << target;
             return target;
         },
         [](SavingScene &s) { s.editor->saveImage(); },
         [](SavingScene &s) { return SavingScene::shown(s.editor->m_informationBox); }, ""},

        {"screen capture put into a chat",
         [](SavingScene &s) {
             const QString picked = s.dir.filePath("picked.png");
             QPixmap picture(120, 80);
             picture.fill(Qt::blue);
             picture.save(picked);
             const QString earlier = s.client->m_dataFolder + "/ScreenCapture/an earlier capture.jpg";
             SavingScene::write(earlier, "an earlier capture");
             ZELChatWindow *w = s.chatWithRavi();
             s.choosers.openFileAnswers << picked;
             w->insertImageClicked();
             return earlier;
         },
         [](SavingScene &s) {
             if (s.chat && s.chat->m_captureHelper && s.chat->m_captureHelper->m_screenCaptureEditor)
                 s.chat->m_captureHelper->m_screenCaptureEditor->m_pasteScreenCaptureButton->click();
         },
         [](SavingScene &s) { return SavingScene::shown(s.chat->m_informationBox.get()); }, ""},

        {"picture dropped into a chat",
         [](SavingScene &s) {
             QImage picture(120, 80, QImage::Format_RGB32);
             picture.fill(Qt::green);
             picture.save(s.dir.filePath("dropped.png"));
             const QString earlier = s.client->m_dataFolder + "/ScreenCapture/an earlier capture.jpg";
             SavingScene::write(earlier, "an earlier capture");
             s.chatWithRavi();
             return earlier;
         },
         [](SavingScene &s) { s.chat->checkPictureFile(s.dir.filePath("dropped.png")); },
         [](SavingScene &s) { return SavingScene::shown(s.chat->m_informationBox.get()); }, ""},

        {"received picture",
         [](SavingScene &s) {
             const QString earlier = s.client->m_dataFolder + "/ScreenCapture/" + "view.jpg";
             SavingScene::write(earlier, "another picture of that name");
             return earlier;
         },
         [](SavingScene &s) {
             const QString field = ZELPictureField::encode("view.jpg", QByteArray(5000, 'p'));
             s.shownMessage = s.client->showReceivedPicture(field, "<img src=\"ScreenCapture/view.jpg\">");
         },
         [](SavingScene &s) { return s.shownMessage; }, "Picture could not be stored"},

        {"banner",
         [](SavingScene &s) {
             s.client->m_autoLoginTried = true; // no sign-in of its own after the banner
             s.client->m_fileDataAwaited = true;
             QDir().mkpath(s.client->m_dataFolder + "/Banner");
             return s.client->m_dataFolder + "/Banner/banner.gif"; // none yet: none after
         },
         [](SavingScene &s) {
             QByteArray text;
             QByteArray block = "GIF89a" + QByteArray(5000, 'b') + "<BANNEREND><FILEEND>";
             s.client->messageFromServer(text, block);
         },
         [](SavingScene &s) { return SavingScene::shown(s.client->m_informationBox); }, "banner"},
    };
    return kinds;
}

// Construction of the main widget: folders, actions, menus, shortcuts,
// timers and validators, and a clean end while the connection is up.
class TestClient : public QObject
{
    Q_OBJECT

private:
    static QString dataFolder()
    {
        return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/ZEL";
    }

    static QStringList menuTexts(QMenu *menu)
    {
        QStringList texts;
        for (QAction *action : menu->actions())
            texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
        return texts;
    }

private slots:
    // Closing with the notification pop-up up: its labels go after ~ZELPopup has
    // run, and no event of theirs may reach the main widget's filter then (the
    // sanitizer build reports any access to the half-destroyed pop-up).
    void closingWithThePopupShown()
    {
        auto *client = new ZELClient;
        QPointer<QWidget> popup = client->m_notificationPopup.get();
        client->m_notificationPopup->show();
        client->m_notificationPopup->m_messageLabel->show();
        client->m_notificationPopup->m_noticeLabel->show();
        QVERIFY(QTest::qWaitForWindowExposed(client->m_notificationPopup.get()));
        delete client;
        QVERIFY(popup.isNull());
    }

    // The folder of the smiley pictures is found beside the executable (a
    // build) or in the installed data folder, whatever the working folder.
    void runtimeFolder_data()
    {
        QTest::addColumn<QStringList>("smileyFolders"); // relative to a scratch root
        QTest::addColumn<QString>("found");
        QTest::newRow("beside the executable") << QStringList{"bin/Smileys", "share/zembrio/Smileys"} << "bin";
        QTest::newRow("installed") << QStringList{"share/zembrio/Smileys"} << "share/zembrio";
        QTest::newRow("nowhere") << QStringList() << "";
    }

    void runtimeFolder()
    {
        QFETCH(QStringList, smileyFolders);
        QFETCH(QString, found);
        QTemporaryDir root;
        QVERIFY(QDir(root.path()).mkpath("bin"));
        for (const QString &folder : smileyFolders)
            QVERIFY(QDir(root.path()).mkpath(folder));
        const QString bin = root.filePath("bin");
        const QString expected = found.isEmpty() ? QString() : QDir::cleanPath(root.filePath(found));
        QCOMPARE(ZELRuntimeFolder::locate(bin), expected);

        const QString before = QDir::currentPath();
        QVERIFY(QDir::setCurrent(QDir::tempPath()));
        QCOMPARE(ZELRuntimeFolder::enter(bin), !found.isEmpty());
        if (!found.isEmpty()) {
            QCOMPARE(QDir::cleanPath(QDir::currentPath()), QDir(expected).canonicalPath());
            QVERIFY(QFileInfo("Smileys").isDir());
        }
        QDir::setCurrent(before);
    }

    void makesDataFoldersAndDropsOldBanner()
    {
        QDir().mkpath(dataFolder() + "/Banner");
        QFile banner(dataFolder() + "/Banner/banner.gif");
        QVERIFY(banner.open(QIODevice::WriteOnly));
        banner.write("GIF89a old");
        banner.close();

        ZELClient client;
        QCOMPARE(client.m_dataFolder, dataFolder());
        QVERIFY(QDir(dataFolder() + "/VoiceMails").exists());
        QVERIFY(QDir(dataFolder() + "/Banner").exists());
        QVERIFY(!QFile::exists(dataFolder() + "/Banner/banner.gif"));
        QCOMPARE(client.m_preferencesFile.fileName(), dataFolder() + "/zelPreferencesSettings.xml");
    }

    void actionStatesAfterConstruction()
    {
        ZELClient client;
        for (QAction *action : {client.m_signInAction, client.m_chatAction, client.m_conferenceChatAction,
                                client.m_voiceMailAction, client.m_addContactApprovalAction,
                                client.m_trayStatusAction})
            QVERIFY2(!action->isEnabled(), qPrintable(action->text()));
        QVERIFY(client.m_connectToServerAction->isEnabled());
        QVERIFY(!client.m_addContactToolButton->isEnabled());
        QVERIFY(!client.signButton->isEnabled());
        for (QAction *action : {client.m_hideOfflineUsersAction, client.m_invisibleModeAction,
                                client.m_onlineAction, client.m_meetingAction, client.m_awayAction,
                                client.m_busyAction, client.m_userStatusAction})
            QVERIFY2(action->isCheckable(), qPrintable(action->text()));
        QCOMPARE(client.stackedWidget->currentWidget(), client.loginPage);
        QCOMPARE(client.m_connectionStateText, QStringLiteral("Not Connected"));
        QCOMPARE(client.m_trayIcon->toolTip(), QStringLiteral("Not Connected"));
        QVERIFY(client.m_userNotInPreferences);
        QVERIFY(client.m_fileDataAwaited);
        QCOMPARE(client.m_sortClickCount, 2);
    }

    // The 33 actions, in creation order (the order the menus were designed in),
    // each with its own picture or none.
    void actions()
    {
        const QList<QPair<QString, QString>> expected = {
            {"&Sign Out", ":images/signout.gif"}, {"&Exit", ":images/exit.png"},
            {"&Add Contact", ":images/add_icon.png"}, {"&Remove Contact", ":images/remove_icon.png"},
            {"Chat &History", ":images/chat_history_client.png"},
            {"Con&ference Chat", ":images/conferance_icon.png"}, {"&Chat", ":images/chat_icon.png"},
            {"&Offline Messages", ":images/offlineMessage.gif"},
            {"Add Contact A&pproval", ":images/add_icon.png"},
            {"Approval Requested User Contacts", ":images/add_icon.png"},
            {"&Voice Mail", ":images/voiceChat.png"}, {"&Group Message", ":images/groupChat.png"},
            {"&Search Contact", ":images/search_icon.gif"}, {"&Preferences...", ":images/preferences.png"},
            {"&Connect to Server", ""}, {"&Online", ":images/Online.png"},
            {"&Meeting", ":images/Meeting.png"}, {"A&way", ":images/Away.png"},
            {"&Busy", ":images/Busy.png"}, {"User Status", ":images/splash.png"},
            {"&Invisible Mode", ":images/Invisible.png"},
            {"&Change Password", ":images/change_password.png"},
            {"Hide &Offline Users", ":images/hide_offline_user.png"},
            {"&Reminders", ":images/reminder.png"}, {"&My Profile", ":images/userInfo1.png"},
            {"About ZE&L", ""}, {"&Send an E-Mail", ":images/email.gif"},
            {"&Remove Contact", ":images/remove_icon.png"}, {"View &Profile", ":images/userInfo1.png"},
            {"&Sign In", ""}, {"&Status", ""}, {"&Exit", ""}, {"&Open ZEL", ""},
        };
        ZELClient client;
        const QList<QAction *> made = client.findChildren<QAction *>(QString(), Qt::FindDirectChildrenOnly);
        QVERIFY(made.size() >= expected.size());
        for (int i = 0; i < expected.size(); ++i) {
            QAction *action = made.at(i);
            QCOMPARE(action->text(), expected.at(i).first);
            const QString icon = expected.at(i).second;
            const QSize size(16, 16);
            if (icon.isEmpty())
                QVERIFY2(action->icon().isNull(), qPrintable(action->text()));
            else
                QVERIFY2(!action->icon().isNull()
                             && action->icon().pixmap(size).toImage() == QIcon(icon).pixmap(size).toImage(),
                         qPrintable(action->text()));
        }
        QCOMPARE(client.m_statusMessageToolButton->shortcut(), QKeySequence("Alt+Ctrl+S"));
    }

    // Help > About opens a window-modal box over the main widget; the contact
    // page's close button never ends anything.
    void aboutAndCloseButtons()
    {
        ZELClient client;
        QCOMPARE(client.m_helpPopupMenu->actions(), QList<QAction *>({client.m_aboutAction}));
        client.m_aboutAction->trigger();
        QPointer<ZELAboutDialog> about = client.findChild<ZELAboutDialog *>();
        QVERIFY(about);
        QVERIFY(about->isVisible());
        QCOMPARE(about->windowModality(), Qt::WindowModal);
        about->close();
        QTRY_VERIFY(!about);

        // With no system tray to come back from (as here), the close button
        // minimises instead of hiding the window out of reach.
        QVERIFY(!QSystemTrayIcon::isSystemTrayAvailable());
        QVERIFY(client.isVisible());
        client.m_closeButton->click();
        QVERIFY(client.isVisible());
        QVERIFY(client.isMinimized());
    }

    // Every way of closing or leaving the main window, with and without a tray
    // to hide it into. Exit (File menu, the login page's right-click menu) ends
    // the event loop in every case, and so do the close buttons of the login and
    // connecting pages where there is no tray; the rest hides the window into
    // the tray, or minimises it where there is none.
    void closePaths_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("tray");
        QTest::addColumn<QString>("outcome");
        for (const bool tray : {false, true}) {
            const char *desktop = tray ? "tray" : "no tray";
            const QString away = tray ? "hidden" : "minimised";
            const QString leaves = tray ? "hidden" : "ends";
            QTest::addRow("window manager close, %s", desktop) << "close" << tray << away;
            QTest::addRow("contact page button, %s", desktop) << "contact" << tray << away;
            QTest::addRow("login page button, %s", desktop) << "login" << tray << leaves;
            QTest::addRow("connecting page button, %s", desktop) << "process" << tray << leaves;
            QTest::addRow("File > Exit, %s", desktop) << "exit" << tray << "ends";
            QTest::addRow("right-click menu Exit, %s", desktop) << "menu exit" << tray << "ends";
        }
    }

    void closePaths()
    {
        QFETCH(QString, path);
        QFETCH(bool, tray);
        QFETCH(QString, outcome);
        ZELFakeSystemTray desktopTray;
        desktopTray.trayAvailable = tray;
        ZELPlatform::setSystemTray(&desktopTray);
        QStringList asked;
        ZELMessageBoxClass::setTestAnswerHook([&asked](const QString &title, const QString &text) {
            asked << title + ": " + text;
            return int(QMessageBox::Yes);
        });
        // As main() has it: the application outlives its last window.
        QApplication::setQuitOnLastWindowClosed(false);
        const auto restore = qScopeGuard([] {
            ZELPlatform::setSystemTray(nullptr);
            ZELMessageBoxClass::setTestAnswerHook({});
            QApplication::setQuitOnLastWindowClosed(true);
        });
        ZELClient client;
        QVERIFY(QTest::qWaitForWindowExposed(&client));

        const bool ended = zelEventLoopEndsWith([&] {
            if (path == "close") {
                client.close();
            } else if (path == "contact") {
                client.m_closeButton->click();
            } else if (path == "login") {
                client.m_loginPageCloseButton->click();
            } else if (path == "process") {
                client.m_processPageCloseButton->click();
            } else if (path == "exit") {
                client.m_exitAction->trigger();
            } else {
                QTest::mouseClick(&client, Qt::RightButton, Qt::NoModifier, QPoint(100, 200));
                QVERIFY(client.m_connectionPopupMenu->isVisible());
                client.m_connectionPopupMenu->actions().last()->trigger();
            }
        });

        QCOMPARE(ended, outcome == "ends");
        QCOMPARE(asked, outcome == "ends" ? QStringList("Zembrio: Are you sure you want to exit?") : QStringList());
        if (outcome == "hidden")
            QVERIFY(!client.isVisible());
        if (outcome == "minimised")
            QVERIFY(client.isVisible() && client.isMinimized());
    }

    void shortcuts_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("keys");
        QTest::newRow("sign out") << "&Sign Out" << "Ctrl+X";
        QTest::newRow("exit") << "&Exit" << "Ctrl+E";
        QTest::newRow("add contact") << "&Add Contact" << "Ctrl+A";
        QTest::newRow("remove contact") << "&Remove Contact" << "Ctrl+D";
        QTest::newRow("history") << "Chat &History" << "Ctrl+H";
        QTest::newRow("chat") << "&Chat" << "Ctrl+C";
        QTest::newRow("conference") << "Con&ference Chat" << "Ctrl+M";
        QTest::newRow("reminders") << "&Reminders" << "Ctrl+R";
        QTest::newRow("voice mail") << "&Voice Mail" << "Ctrl+V";
        QTest::newRow("offline") << "&Offline Messages" << "Ctrl+O";
        QTest::newRow("group") << "&Group Message" << "Ctrl+G";
        QTest::newRow("search") << "&Search Contact" << "Ctrl+F";
    }

    void shortcuts()
    {
        QFETCH(QString, action);
        QFETCH(QString, keys);
        ZELClient client;
        QAction *found = nullptr;
        for (QAction *a : client.findChildren<QAction *>()) {
            if (a->text() == action && !a->shortcut().isEmpty())
                found = a;
        }
        QVERIFY(found);
        QCOMPARE(found->shortcut(), QKeySequence(keys));
    }

    void menus()
    {
        ZELClient client;
        QCOMPARE(menuTexts(client.m_filePopupMenu), QStringList({"&Sign Out", "&Exit"}));
        QCOMPARE(menuTexts(client.m_contactsPopupMenu),
                 QStringList({"&Add Contact", "&Remove Contact", "Chat &History", "-", "Con&ference Chat", "&Chat",
                              "&Voice Mail", "&Offline Messages", "&Group Message", "-",
                              "Add Contact A&pproval", "Approval Requested User Contacts"}));
        QCOMPARE(menuTexts(client.m_settingsPopupMenu),
                 QStringList({"&Reminders", "&Change Password", "Hide &Offline Users", "-", "&My Profile",
                              "-", "&Preferences..."}));
        const QStringList status({"&Online", "&Meeting", "A&way", "&Busy", "User Status", "-", "&Invisible Mode"});
        QCOMPARE(menuTexts(client.m_statusPopupMenu), status);
        QCOMPARE(menuTexts(client.m_trayStatusMenu), status);
        QCOMPARE(menuTexts(client.m_connectionPopupMenu), QStringList({"&Connect to Server", "-", "&Exit"}));
        QCOMPARE(menuTexts(client.m_trayMenu),
                 QStringList({"&Status", "&Sign In", "&Connect to Server", "-", "&Open ZEL", "&Exit"}));
        QCOMPARE(menuTexts(client.m_contactContextMenu),
                 QStringList({"&Chat", "&Voice Mail", "&Remove Contact", "View &Profile", "&Send an E-Mail"}));
        // The Contacts menu's first entry is the action Ctrl+A stands for.
        QCOMPARE(client.m_contactsPopupMenu->actions().first(), client.m_addContactAction);
        // One action object in several menus: disabling it shows everywhere.
        QCOMPARE(client.m_statusPopupMenu->actions().first(), client.m_trayStatusMenu->actions().first());
        QCOMPARE(client.m_fileMenu->menu(), client.m_filePopupMenu);
        QCOMPARE(client.m_contactsMenu->menu(), client.m_contactsPopupMenu);
        QCOMPARE(client.m_settingsMenu->menu(), client.m_settingsPopupMenu);
        QCOMPARE(client.m_helpMenu->menu(), client.m_helpPopupMenu);
        QCOMPARE(client.m_trayStatusAction->menu(), client.m_trayStatusMenu);
        QCOMPARE(client.m_statusMessageToolButton->menu(), client.m_statusPopupMenu);
        QCOMPARE(client.m_trayIcon->contextMenu(), client.m_trayMenu);
    }

    void timers()
    {
        ZELClient client;
        QCOMPARE(client.m_keepAliveTimer->interval(), 120000);
        for (QTimer *timer : {client.m_awayTimer, client.m_busyTimer, client.m_keepAliveTimer,
                              client.m_trayRotationTimer, client.m_textScrollTimer}) {
            QVERIFY(timer);
            QCOMPARE(timer->parent(), &client);
            // Each one drives a slot of the main widget (undone here, at the test's end).
            QVERIFY(QObject::disconnect(timer, &QTimer::timeout, &client, nullptr));
        }
    }

    void validators_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("acceptable");
        QTest::newRow("login id 35") << "login" << QString(35, 'a') << true;
        QTest::newRow("login id 36") << "login" << QString(36, 'a') << false;
        QTest::newRow("login id mail") << "login" << "john.doe@corp" << true;
        QTest::newRow("login id blank") << "login" << "john doe" << false;
        QTest::newRow("login id bar") << "login" << "a|b" << true;
        QTest::newRow("password 15") << "password" << QString(15, 'x') << true;
        QTest::newRow("password 16") << "password" << QString(16, 'x') << false;
        QTest::newRow("password quote") << "password" << "ab\"c" << true;
        QTest::newRow("password blank") << "password" << "ab c" << false;
        QTest::newRow("search blank star") << "search" << "jo *" << true;
        QTest::newRow("search plus") << "search" << "jo+" << false;
    }

    void validators()
    {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(bool, acceptable);
        ZELClient client;
        const QValidator *validator = field == "login" ? client.userNameEdit->validator()
                                      : field == "password" ? client.passWordEdit->validator()
                                                            : client.m_searchLineEdit->validator();
        QVERIFY(validator);
        int position = 0;
        QCOMPARE(validator->validate(text, position) == QValidator::Acceptable, acceptable);
    }

    // Every kind of file the client saves, on a full disk (here a file-size
    // limit: writes fail as they do when no room is left): the file there
    // before stays byte for byte, nothing of the failed write is left beside
    // it, and the user is told, with the system's reason where the place has
    // room for one.
    void fullDiskKeepsEverySavedFile_data()
    {
        QTest::addColumn<int>("kind");
        for (int i = 0; i < savedKinds().size(); ++i)
            QTest::newRow(savedKinds().at(i).name) << i;
    }

    void fullDiskKeepsEverySavedFile()
    {
        QFETCH(int, kind);
        const SavedKind &saved = savedKinds().at(kind);
        SavingScene scene;
        QVERIFY(scene.start());
        const QString path = saved.prepare(scene);
        QVERIFY(!path.isEmpty());
        const QString folder = QFileInfo(path).absolutePath();
        const bool existed = QFileInfo::exists(path);
        QFile before(path);
        const QByteArray old = before.open(QIODevice::ReadOnly) ? before.readAll() : QByteArray();
        const QStringList files = zelFilesIn(folder);
        {
            ZELFullDisk full(0);
            QVERIFY(full.isActive());
            saved.write(scene);
            QVERIFY(scene.settle());
        }
        QCOMPARE(QFileInfo::exists(path), existed);
        QFile after(path);
        QCOMPARE(after.open(QIODevice::ReadOnly) ? after.readAll() : QByteArray(), old);
        QCOMPARE(zelFilesIn(folder), files);
        const QString told = saved.told(scene);
        QVERIFY2(told.contains(QLatin1String(saved.toldHolds)), qPrintable(told));
        if (!QByteArray(saved.toldHolds).startsWith("Chat History") && !QByteArray(saved.toldHolds).startsWith("Picture"))
            QVERIFY2(told.contains(ZELFullDisk::reason()), qPrintable(told));
    }

    void endsCleanlyWhileConnected()
    {
        ZELTestPeer peer;
        QVERIFY(peer.listen());
        auto *client = new ZELClient;
        client->m_tcpSocket->connectToHost(peer.host(), peer.port());
        QVERIFY(peer.waitForConnection());
        QTRY_COMPARE(client->m_tcpSocket->state(), QAbstractSocket::ConnectedState);

        // Deleting the client closes the connection; what the socket emits then
        // must not reach the widget, whose windows are already gone. Watch the
        // closing from outside: the state line must not hear of it.
        client->m_connectionStatusLable->setText(QStringLiteral("before exit"));
        bool closed = false;
        QString stateLine;
        connect(client->m_tcpSocket, &QAbstractSocket::stateChanged, this,
                [&](QAbstractSocket::SocketState state) {
                    if (state != QAbstractSocket::UnconnectedState)
                        return;
                    closed = true;
                    stateLine = client->m_connectionStatusLable->text();
                });
        delete client;
        QVERIFY(closed);
        QCOMPARE(stateLine, QStringLiteral("before exit"));
        QVERIFY(peer.waitForDisconnection());
    }
};

ZEL_TEST_MAIN(TestClient)
#include "tst_client.moc"
