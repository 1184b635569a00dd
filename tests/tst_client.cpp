#include <QAction>
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

#include "core/zelclient.h"
#include "mainwindow/zelpopup.h"
#include "core/zelruntimefolder.h"
#include "protocol/zeltcpsocket.h"
#include "peer/zeltestpeer.h"
#include "platform/zelfakesystemtray.h"
#include "platform/zelplatform.h"
#include "style/zelmessageboxclass.h"
#include "style/zelaboutdialog.h"
#include "zeltestmain.h"

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
