#include <memory>

#include <QAction>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMovie>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTextEdit>
#include <QTimer>
#include <QWindow>
#include <QTreeWidget>

#include "chat/zelchatwindow.h"
#include "core/zelclient.h"
#include "protocol/zelpreferencesfile.h"
#include "protocol/zelsettingslists.h"
#include "protocol/zeltcpsocket.h"
#include "core/zelthread.h"
#include "mainwindow/zelmarqueelabel.h"
#include "peer/zeltestpeer.h"
#include "platform/zelfakeinputmonitor.h"
#include "platform/zelplatform.h"
#include "settings/zelstatusmessagedialog.h"
#include "style/zelmessageboxclass.h"
#include "zeltestmain.h"

// The user's own status and its requests, automatic Away and Busy fed by the
// worker thread, the tray icon and the marquee, the contact search bar and the
// status message editor, driven through the protocol test peer.
class TestStatus : public QObject
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

    static ZELPreferencesFile::UserSettings storedUser()
    {
        auto user = ZELPreferencesFile::UserSettings::defaults("alice", "secret", "TRUE", "TRUE");
        user.statusMessages[ZELStatusMessageList::AwayMessage] = "Out for lunch";
        user.statusMessages[ZELStatusMessageList::MeetingMessage] = "In the board room";
        user.statusMessages[ZELStatusMessageList::BusyMessage] = "Deadline";
        return user;
    }

    // Signs alice in against the peer with her stored settings.
    // `idleMinuteMs` shortens the minute of automatic Away and Busy; it is set
    // before the first cursor sample can arm their timers.
    void signIn(ZELPreferencesFile::UserSettings user = storedUser(), int tickMs = 1000, int idleMinuteMs = 0)
    {
        const QStringList connection = {m_peer->host(), QString::number(m_peer->port()), "NoProxy", "", "", "", ""};
        ZELPreferencesFile file(dataFolder());
        QVERIFY(file.create(connection));
        QVERIFY(file.addUser(user, connection));
        m_client = new ZELClient;
        if (idleMinuteMs > 0)
            m_client->m_idleMinuteMs = idleMinuteMs;
        m_client->m_workerThread->setTickInterval(tickMs);
        QVERIFY(m_peer->waitForConnection());
        QVERIFY(m_peer->waitForRequest("CHECKVERSION").isValid());
        m_peer->sendFile("<BANNEREMPTY><BANNEREND>");
        QTRY_VERIFY(!m_client->m_fileDataAwaited);
        m_client->userNameEdit->setEditText("alice");
        m_client->passWordEdit->setText("secret");
        m_client->signButton->click();
        QVERIFY(m_peer->waitForRequest("LOGIN").isValid());
        m_peer->sendText(ZELTestPeer::message("LOGIN", {{"RESULT", "SUCCESSLOGIN"}, {"NAME", "Alice"},
                                                        {"MARQUEE", ""}, {"INVISIBLE", "1"},
                                                        {"PROFILE", "Developer"}}));
        QTRY_COMPARE(m_client->stackedWidget->currentWidget(), m_client->MainPage);
        m_peer->clearRequests();
    }

    // The status requests that reached the peer, as "TYPE|value|value". A
    // keep-alive sent last marks the end: the wire keeps the order.
    QStringList statusRequests()
    {
        m_client->sendKeepAliveSignalToServer();
        if (!m_peer->waitForRequest("KEEPALIVE").isValid())
            return {"no keep-alive"};
        QStringList seen;
        for (const ZELTestPeer::Request &request : m_peer->requests()) {
            if (request.type != "CHANGESTATUS" && request.type != "INVISBLEMODE"
                && request.type != "UPDATESTATUSMESSAGE" && request.type != "SIGNOUT")
                continue;
            QStringList values = {request.type};
            for (const auto &field : request.fields)
                values << field.second;
            seen << values.join('|');
        }
        m_peer->clearRequests();
        return seen;
    }

    QAction *entry(const QString &name) const
    {
        if (name == "online")
            return m_client->m_onlineAction;
        if (name == "meeting")
            return m_client->m_meetingAction;
        if (name == "away")
            return m_client->m_awayAction;
        if (name == "busy")
            return m_client->m_busyAction;
        if (name == "user")
            return m_client->m_userStatusAction;
        return m_client->m_invisibleModeAction;
    }

    // A choice from the status button's menu, or with "tray:" from the tray's:
    // the menu activates its entry as on a click.
    void choose(QString name)
    {
        QMenu *menu = m_client->m_statusPopupMenu;
        if (name.startsWith("tray:")) {
            menu = m_client->m_trayStatusMenu;
            name = name.mid(5);
        }
        QAction *action = entry(name);
        QVERIFY2(action->isEnabled(), qPrintable(name));
        menu->setActiveAction(action);
        QTest::keyClick(menu, Qt::Key_Return);
    }

    static bool sameIcon(const QIcon &icon, const QString &path)
    {
        return icon.pixmap(16, 16).toImage() == QIcon(path).pixmap(16, 16).toImage();
    }

    ZELStatusMessageDialog *openEditor() const
    {
        const auto editors = m_client->findChildren<ZELStatusMessageDialog *>();
        for (ZELStatusMessageDialog *editor : editors) {
            if (editor->isVisible())
                return editor;
        }
        return nullptr;
    }

    // Contact rows as the contact tree makes them: every contact under its
    // department and once more in the flat grouping.
    void fillTree()
    {
        struct Contact
        {
            const char *name;
            const char *user;
            const char *presence;
        };
        const Contact contacts[] = {
            {"Anna Berg", "anna", "Online"},
            {"Andy Cole (Busy)", "andy", "Online"},
            {"Arne Dahl", "arne-d", "Offline"},
            {"Alan Ek", "alan", "Not Approved"},
            {"Bert Falk", "bert", "Online"},
        };
        QTreeWidget *tree = m_client->m_contactView;
        auto department = [](QTreeWidgetItem *group) {
            auto *company = new QTreeWidgetItem(group, QStringList("Acme"));
            return new QTreeWidgetItem(company, QStringList("Engineering"));
        };
        QTreeWidgetItem *onlineDepartment = department(m_client->m_onlineItem);
        QTreeWidgetItem *offlineDepartment = department(m_client->m_offlineItem);
        for (const Contact &contact : contacts) {
            const bool present = QString(contact.presence) == "Online";
            const QString tip = QString(contact.user) + " - " + contact.presence;
            for (QTreeWidgetItem *parent : {present ? onlineDepartment : offlineDepartment,
                                            present ? m_client->m_activeItem : m_client->m_inactiveItem}) {
                auto *row = new QTreeWidgetItem(parent, QStringList(contact.name));
                row->setToolTip(0, tip);
            }
        }
        auto *recent = new QTreeWidgetItem(m_client->m_recentChatsItem, QStringList("Anna Berg"));
        recent->setToolTip(0, "anna - Online");
        tree->expandAll();
    }

    static QString rowPath(const QTreeWidgetItem *row)
    {
        if (!row)
            return "none";
        return row->parent() ? row->parent()->text(0) + "/" + row->text(0) : row->text(0);
    }

    QStringList matchPaths() const
    {
        QStringList paths;
        for (const QTreeWidgetItem *row : m_client->m_searchMatches)
            paths << rowPath(row);
        return paths;
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
        m_input.setCursorPosition(QPoint(10, 10));
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
    // Own status

    void statusChanges_data()
    {
        QTest::addColumn<QString>("userStatus");
        QTest::addColumn<QString>("offlineMessage");
        QTest::addColumn<QStringList>("choices");
        QTest::addColumn<QStringList>("requests");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("icon");

        const QStringList none;
        QTest::newRow("away") << "<EMPTY>" << "I am offline" << QStringList{"away"}
                              << QStringList{"CHANGESTATUS|Out for lunch|Away"} << "Away" << ":images/Away.png";
        QTest::newRow("meeting then busy")
            << "<EMPTY>" << "I am offline" << QStringList{"meeting", "busy"}
            << QStringList{"CHANGESTATUS|In the board room|Meeting", "CHANGESTATUS|Deadline|Busy"} << "Busy"
            << ":images/Busy.png";
        QTest::newRow("selected entry again sends nothing")
            << "<EMPTY>" << "I am offline" << QStringList{"online"} << none << "Online" << ":images/Online.png";
        QTest::newRow("from the tray menu")
            << "<EMPTY>" << "I am offline" << QStringList{"tray:busy"} << QStringList{"CHANGESTATUS|Deadline|Busy"}
            << "Busy" << ":images/Busy.png";
        QTest::newRow("user defined")
            << "Lunch" << "I am offline" << QStringList{"user"} << QStringList{"CHANGESTATUS|Back at two|Lunch"}
            << "Lunch" << ":images/icon.png";
        QTest::newRow("invisible") << "<EMPTY>" << "Gone home" << QStringList{"invisible"}
                                   << QStringList{"INVISBLEMODE|TRUE|Offline##Gone home"} << "Invisible"
                                   << ":images/Invisible.png";
        QTest::newRow("invisible, empty offline message")
            << "<EMPTY>" << "" << QStringList{"invisible"} << QStringList{"INVISBLEMODE|TRUE|Offline##"}
            << "Invisible" << ":images/Invisible.png";
        QTest::newRow("visible again returns to the log-in status")
            << "<EMPTY>" << "Gone home" << QStringList{"away", "invisible", "invisible"}
            << QStringList{"CHANGESTATUS|Out for lunch|Away", "INVISBLEMODE|TRUE|Offline##Gone home",
                           "INVISBLEMODE|FALSE|Online##I am online"}
            << "Online" << ":images/Online.png";
    }

    void statusChanges()
    {
        QFETCH(QString, userStatus);
        QFETCH(QString, offlineMessage);
        QFETCH(QStringList, choices);
        QFETCH(QStringList, requests);
        QFETCH(QString, shown);
        QFETCH(QString, icon);

        auto user = storedUser();
        user.statusMessages[ZELStatusMessageList::UserDefinedStatus] = userStatus;
        user.statusMessages[ZELStatusMessageList::UserDefinedStatusMessage] =
            userStatus == "<EMPTY>" ? "<EMPTY>" : "Back at two";
        user.statusMessages[ZELStatusMessageList::OfflineMessage] = offlineMessage;
        signIn(user);
        QVERIFY(m_client->m_onlineAction->isChecked());
        QCOMPARE(m_client->m_userStatusAction->isEnabled(), userStatus != "<EMPTY>");
        QCOMPARE(m_client->m_userStatusAction->text(), userStatus == "<EMPTY>" ? QString("User Status") : userStatus);

        for (const QString &choice : std::as_const(choices))
            choose(choice);

        QCOMPARE(statusRequests(), requests);
        const bool invisible = shown == "Invisible";
        QCOMPARE(m_client->m_statusMessageToolButton->text(), shown);
        QCOMPARE(m_client->m_trayIcon->toolTip(), "ZEL (" + shown + ")");
        QVERIFY(sameIcon(m_client->m_trayIcon->icon(), icon));
        // Exactly one entry is selected, in bold.
        int selected = 0;
        for (QAction *action : m_client->m_statusPopupMenu->actions()) {
            if (action->isSeparator())
                continue;
            QCOMPARE(action->font().bold(), action->isChecked());
            selected += action->isChecked();
        }
        QCOMPARE(selected, 1);
        QCOMPARE(m_client->m_invisibleModeAction->text(), invisible ? QString("&Visible Mode")
                                                                    : QString("&Invisible Mode"));
        QCOMPARE(m_client->m_onlineAction->isEnabled(), !invisible);
    }

    void savedMessagesAreAnnounced_data()
    {
        QTest::addColumn<QString>("loginStatus");
        QTest::addColumn<QStringList>("requests");
        QTest::addColumn<QString>("icon");
        QTest::newRow("fixed word") << "Busy" << QStringList{"UPDATESTATUSMESSAGE|Busy|Heads down"}
                                    << ":images/Busy.png";
        QTest::newRow("user-defined word")
            << "Lunch"
            << QStringList{"UPDATESTATUSMESSAGE|Lunch|Back at two", "CHANGESTATUS|Back at two|Lunch"}
            << ":images/icon.png";
    }

    void savedMessagesAreAnnounced()
    {
        QFETCH(QString, loginStatus);
        QFETCH(QStringList, requests);
        QFETCH(QString, icon);
        signIn();
        QCOMPARE(statusRequests(), QStringList());

        QStringList saved = m_client->m_statusMessageSettings;
        saved[ZELStatusMessageList::UserDefinedStatus] = "Lunch";
        saved[ZELStatusMessageList::UserDefinedStatusMessage] = "Back at two";
        saved[ZELStatusMessageList::BusyMessage] = "Heads down";
        saved[ZELStatusMessageList::LoginStatus] = loginStatus;
        m_client->saveDefaultStatusMessage(saved);
        m_client->setDefaultStatusMessage();
        m_client->updateStatusMessages();

        // The default status announces the messages; the re-announcement repeats
        // that and resends a user-defined status.
        QStringList expected = requests.mid(0, 1) + requests;
        QCOMPARE(statusRequests(), expected);
        QCOMPARE(m_client->m_trayIcon->toolTip(), "ZEL (" + loginStatus + ")");
        QVERIFY(sameIcon(m_client->m_trayIcon->icon(), icon));
        QVERIFY(entry(loginStatus == "Busy" ? "busy" : "user")->isChecked());
    }

    void promptBeforeChange_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::newRow("ok stores and sends the typed message") << "ok";
        QTest::newRow("close still applies the stored message") << "close";
        QTest::newRow("closed otherwise keeps the status") << "window";
    }

    void promptBeforeChange()
    {
        QFETCH(QString, answer);
        auto user = storedUser();
        user.statusMessages[ZELStatusMessageList::PromptAway] = "TRUE";
        signIn(user);

        choose("away");
        ZELStatusMessageDialog *editor = openEditor();
        QVERIFY(editor);
        QCOMPARE(statusRequests(), QStringList());
        QCOMPARE(editor->m_logoLabel->text(), QString("Away Status Message"));
        QCOMPARE(editor->m_statusMessageEdit->toPlainText(), QString("Out for lunch"));
        QTest::keyClicks(editor->m_statusMessageEdit, "Back  at   three");
        if (answer == "window") {
            editor->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QCOMPARE(statusRequests(), QStringList());
            QVERIFY(m_client->m_onlineAction->isChecked());
            QVERIFY(!m_client->m_awayAction->isChecked());
            QCOMPARE(m_client->m_currentStatus, QString("Online"));
            // Choosing Away again asks again, rather than taking it as already chosen.
            choose("away");
            QVERIFY(openEditor());
            return;
        }
        if (answer == "ok")
            editor->m_statusOkButton->click();
        else
            editor->m_statusCancelButton->click();

        const QString message = answer == "ok" ? "Back at three" : "Out for lunch";
        QCOMPARE(statusRequests(), QStringList{"CHANGESTATUS|" + message + "|Away"});
        QCOMPARE(m_client->m_statusMessageSettings.value(ZELStatusMessageList::AwayMessage), message);
        QCOMPARE(ZELPreferencesFile(dataFolder()).read("alice").user.statusMessages.value(
                     ZELStatusMessageList::AwayMessage),
                 message);
        QCOMPARE(m_client->m_currentStatus, QString("Away"));
        QVERIFY(!m_client->m_onlineAction->isChecked());
    }

    void signOutPromptsForOfflineMessage()
    {
        auto user = storedUser();
        user.statusMessages[ZELStatusMessageList::PromptOffline] = "TRUE";
        signIn(user);
        m_client->callManualSignOutFunction();
        ZELStatusMessageDialog *editor = openEditor();
        QVERIFY(editor);
        QCOMPARE(editor->m_logoLabel->text(), QString("Offline Status Message"));
        editor->m_statusMessageEdit->setPlainText("See you tomorrow");
        QTest::keyClick(editor->m_statusMessageEdit, Qt::Key_Return);
        QCOMPARE(statusRequests(), QStringList{"SIGNOUT|alice|See you tomorrow"});
        QCOMPARE(m_client->stackedWidget->currentWidget(), m_client->loginPage);
    }

    void invisibleWithOpenChats_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("no keeps everything") << false;
        QTest::newRow("yes closes the windows first") << true;
    }

    void invisibleWithOpenChats()
    {
        QFETCH(bool, yes);
        signIn();
        QPointer<ZELChatWindow> first = new ZELChatWindow;
        QPointer<ZELChatWindow> second = new ZELChatWindow;
        m_client->m_chatWindows.insert("bob", first);
        m_client->m_chatWindows.insert("carol", second);
        QStringList questions;
        ZELMessageBoxClass::setTestAnswerHook([&](const QString &title, const QString &text) {
            questions << title + ": " + text;
            return int(yes ? QMessageBox::Yes : QMessageBox::No);
        });

        choose("invisible");

        QCOMPARE(questions, QStringList{"Zembrio: Are you sure you want to close all chat instance ?"});
        if (yes) {
            QCOMPARE(statusRequests(), QStringList{"INVISBLEMODE|TRUE|Offline##I am offline"});
            for (const QPointer<ZELChatWindow> &window : {first, second})
                QVERIFY(!window || (window->m_closeSilently && !window->isVisible()));
            QVERIFY(m_client->m_chatWindows.isEmpty());
            QCOMPARE(m_client->m_invisibleLogin, QString("TRUE"));
        } else {
            QCOMPARE(statusRequests(), QStringList());
            QVERIFY(first && second && !first->m_closeSilently);
            QCOMPARE(m_client->m_chatWindows.size(), 2);
            QVERIFY(!m_client->m_invisibleModeAction->isChecked());
            QVERIFY(m_client->m_onlineAction->isChecked());
            QCOMPARE(m_client->m_invisibleLogin, QString("FALSE"));
            QCOMPARE(m_client->m_trayIcon->toolTip(), QString("ZEL (Online)"));
        }
        m_client->m_chatWindows.clear();
        delete first;
        delete second;
    }

    // ------------------------------------------------------------------
    // Automatic Away and Busy, fed by the worker thread's samples

    void idleRule_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<bool>("returnFromAway");
        QTest::addColumn<QStringList>("whileIdle");
        QTest::addColumn<QStringList>("onReturn");

        QTest::newRow("online: busy, away, back online")
            << "" << true << QStringList{"CHANGESTATUS|Deadline|Busy", "CHANGESTATUS|Out for lunch|Away"}
            << QStringList{"CHANGESTATUS|I am online|Online"};
        QTest::newRow("chosen busy: away, stays away")
            << "busy" << true << QStringList{"CHANGESTATUS|Deadline|Busy", "CHANGESTATUS|Out for lunch|Away"}
            << QStringList();
        QTest::newRow("return from away switched off")
            << "" << false << QStringList{"CHANGESTATUS|Deadline|Busy", "CHANGESTATUS|Out for lunch|Away"}
            << QStringList();
        QTest::newRow("meeting is never switched")
            << "meeting" << true << QStringList{"CHANGESTATUS|In the board room|Meeting"} << QStringList();
        QTest::newRow("invisible is never switched")
            << "invisible" << true << QStringList{"INVISBLEMODE|TRUE|Offline##I am offline"} << QStringList();
    }

    void idleRule()
    {
        QFETCH(QString, chosen);
        QFETCH(bool, returnFromAway);
        QFETCH(QStringList, whileIdle);
        QFETCH(QStringList, onReturn);

        auto user = storedUser();
        user.autoStatus[ZELAutoStatusList::AwayToOnline] = returnFromAway ? "TRUE" : "FALSE";
        // A minute of 15 ms: Busy after 30 ms, Away after 105 ms of stillness.
        m_input.setCursorPosition(QPoint(10, 10));
        signIn(user, 5, 15);
        if (!chosen.isEmpty())
            choose(chosen);

        const int expected = whileIdle.size();
        QTRY_VERIFY_WITH_TIMEOUT(m_peer->requestTypes().count("CHANGESTATUS")
                                         + m_peer->requestTypes().count("INVISBLEMODE")
                                     >= expected,
                                 5000);
        // Long enough for a wrong switch to show.
        QTest::qWait(300);
        QCOMPARE(statusRequests(), whileIdle);
        if (chosen.isEmpty() || chosen == "busy") {
            QVERIFY(m_client->m_awayAction->isChecked());
            QCOMPARE(m_client->m_trayIcon->toolTip(), QString("ZEL (Away)"));
            QCOMPARE(m_client->m_currentStatus, chosen.isEmpty() ? QString("Online") : QString("Busy"));
        }

        // Back at the desk: the next stillness would take minutes again.
        m_client->m_idleMinuteMs = 60000;
        m_input.setCursorPosition(QPoint(200, 300));
        QTRY_COMPARE(m_client->m_lastCursorPosition, QPoint(200, 300));
        QTest::qWait(50);
        QCOMPARE(statusRequests(), onReturn);
        if (!onReturn.isEmpty())
            QCOMPARE(m_client->m_trayIcon->toolTip(), QString("ZEL (Online)"));
    }

    void keyPressKeepsTimersUnarmed()
    {
        signIn();
        m_client->m_workerThread->activityMonitor = false;
        m_client->m_lastCursorPosition = QPoint(5, 5);
        m_client->changeStatus(5, 5, true);
        QVERIFY(!m_client->m_idleTimersArmed);
        QVERIFY(!m_client->m_busyTimer->isActive());
        m_client->changeStatus(5, 5, false);
        QVERIFY(m_client->m_idleTimersArmed);
        QCOMPARE(m_client->m_busyTimer->interval(), 2 * 60000);
        QCOMPARE(m_client->m_awayTimer->interval(), 7 * 60000);
        m_client->changeStatus(5, 5, true);
        QVERIFY(!m_client->m_idleTimersArmed);
        QVERIFY(!m_client->m_awayTimer->isActive());
    }

    // Idle minutes from a hand-edited preferences file are read within the
    // bounds the preferences page offers: no timer is armed to fire at once.
    void idleMinutesFromTheFile_data()
    {
        QTest::addColumn<QString>("busy");
        QTest::addColumn<QString>("away");
        QTest::addColumn<int>("busyMinutes");
        QTest::addColumn<int>("awayMinutes");
        QTest::newRow("zero") << "0" << "0" << 2 << 7;
        QTest::newRow("negative") << "-5" << "-5" << 2 << 7;
        QTest::newRow("a word") << "abc" << "abc" << 2 << 7;
        QTest::newRow("empty") << "" << "" << 2 << 7;
        QTest::newRow("as the page stores them") << "10" << "30" << 10 << 30;
        QTest::newRow("away too close to busy") << "20" << "21" << 20 << 25;
        QTest::newRow("beyond the page") << "999" << "999" << 30 << 60;
    }
    void idleMinutesFromTheFile()
    {
        QFETCH(QString, busy);
        QFETCH(QString, away);
        QFETCH(int, busyMinutes);
        QFETCH(int, awayMinutes);
        ZELPreferencesFile::UserSettings user = storedUser();
        user.autoStatus[ZELAutoStatusList::BusyMinutes] = busy;
        user.autoStatus[ZELAutoStatusList::AwayMinutes] = away;
        signIn(user);
        m_client->m_workerThread->activityMonitor = false;
        m_client->m_lastCursorPosition = QPoint(5, 5);
        m_client->changeStatus(5, 5, false);
        QVERIFY(m_client->m_idleTimersArmed);
        QCOMPARE(m_client->m_busyTimer->interval(), busyMinutes * 60000);
        QCOMPARE(m_client->m_awayTimer->interval(), awayMinutes * 60000);
    }

    void idleTickRefreshesTheCardClock()
    {
        signIn();
        m_client->m_workerThread->activityMonitor = false;
        auto *row = new QTreeWidgetItem(m_client->m_activeItem, QStringList("Anna Berg"));
        row->setToolTip(0, "anna - Online");
        // The selection's own card is replaced by a stand-in with the clock label.
        m_client->m_contactView->setCurrentItem(row);
        auto *card = new QWidget;
        QPointer<QLabel> clock = new QLabel("stale", card);
        clock->setObjectName("m_userTimeLabel");
        m_client->m_contactView->setItemWidget(row, 0, card);
        m_client->m_selectedContactTimeZone = "GMT+05:30";

        QString expected = "GMT+05:30";
        m_client->calculateTimeZone(expected);
        m_client->changeStatus(1, 1, false);
        // The clock may tick over between the two readings.
        QVERIFY(clock->text().startsWith("<font color=darkgray>"));
        QCOMPARE(clock->text().size(), QString("<font color=darkgray>" + expected).size());

        m_client->m_contactDisplaySettings[ZELContactDisplayList::HighlightDetails] = "FALSE";
        clock->setText("stale");
        m_client->changeStatus(1, 1, false);
        QVERIFY(clock);
        QCOMPARE(clock->text(), QString("stale"));
    }

    // ------------------------------------------------------------------
    // Contact search bar

    void searchBarOpensAndCloses()
    {
        auto user = storedUser();
        user.contactDisplay[ZELContactDisplayList::SearchOnCtrlF] = "FALSE";
        signIn(user);
        fillTree();
        m_client->showContactSearch();
        QVERIFY(m_client->m_searchLineEdit->isHidden());

        m_client->m_contactDisplaySettings[ZELContactDisplayList::SearchOnCtrlF] = "TRUE";
        m_client->m_inactiveusersearch->setChecked(true);
        m_client->showContactSearch();
        for (QWidget *widget : {static_cast<QWidget *>(m_client->m_searchLineEdit),
                                static_cast<QWidget *>(m_client->m_activeusersearch),
                                static_cast<QWidget *>(m_client->m_inactiveusersearch),
                                static_cast<QWidget *>(m_client->m_searchCloseButton)})
            QVERIFY(!widget->isHidden());
        QVERIFY(m_client->m_activeusersearch->isChecked());
        QCOMPARE(rowPath(m_client->m_contactView->currentItem()), QString("Active"));
        QCOMPARE(m_client->focusWidget(), m_client->m_searchLineEdit);

        m_client->showContactSearch();
        QVERIFY(m_client->m_searchLineEdit->isHidden());
        QVERIFY(m_client->m_searchCloseButton->isHidden());
    }

    void searchMatchesAndStepping_data()
    {
        QTest::addColumn<bool>("flat");
        QTest::addColumn<bool>("absent");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("matches");
        QTest::addColumn<QString>("current");

        QTest::newRow("flat, present, any case")
            << true << false << "aN" << QStringList{"Active/Anna Berg", "Active/Andy Cole (Busy)"}
            << "Active/Anna Berg";
        QTest::newRow("departments, present")
            << false << false << "a" << QStringList{"Engineering/Anna Berg", "Engineering/Andy Cole (Busy)"}
            << "Engineering/Anna Berg";
        QTest::newRow("flat, absent skips present and pending first")
            << true << true << "A" << QStringList{"Inactive/Arne Dahl", "Inactive/Alan Ek"} << "Inactive/Arne Dahl";
        QTest::newRow("departments, absent")
            << false << true << "ar" << QStringList{"Engineering/Arne Dahl"} << "Engineering/Arne Dahl";
        QTest::newRow("nothing starts so: the scope's group row")
            << true << false << "zz" << QStringList() << "Active";
        QTest::newRow("only absent ones match in present scope")
            << false << false << "Ar" << QStringList() << "Online";
    }

    void searchMatchesAndStepping()
    {
        QFETCH(bool, flat);
        QFETCH(bool, absent);
        QFETCH(QString, typed);
        QFETCH(QStringList, matches);
        QFETCH(QString, current);

        auto user = storedUser();
        user.contactDisplay[ZELContactDisplayList::GroupByDepartment] = flat ? "FALSE" : "TRUE";
        user.contactDisplay[ZELContactDisplayList::GroupByStatus] = flat ? "TRUE" : "FALSE";
        signIn(user);
        fillTree();
        m_client->showContactSearch();
        if (absent)
            m_client->m_inactiveusersearch->click();
        QLineEdit *field = m_client->m_searchLineEdit;
        QTest::keyClicks(field, typed);

        QCOMPARE(matchPaths(), matches);
        QCOMPARE(rowPath(m_client->m_contactView->currentItem()), current);
        QCOMPARE(m_client->m_searchResult, matches.isEmpty() ? QString() : QString("FOUND"));
        QCOMPARE(field->styleSheet().contains("rgba(254,112,34,220)"), matches.isEmpty());

        // Return steps through the matches and wraps to the first.
        for (int step = 1; step <= matches.size(); ++step) {
            QTest::keyClick(field, Qt::Key_Return);
            QCOMPARE(rowPath(m_client->m_contactView->currentItem()), matches.at(step % matches.size()));
        }
    }

    void searchForgetsRowsTakenOut()
    {
        signIn();
        fillTree();
        m_client->showContactSearch();
        QTest::keyClicks(m_client->m_searchLineEdit, "an");
        QCOMPARE(m_client->m_searchMatches.size(), 2);
        delete m_client->m_activeItem->child(1);
        m_client->m_contactView->setCurrentItem(m_client->m_onlineItem);
        for (int step = 0; step < 3; ++step) {
            QTest::keyClick(m_client->m_searchLineEdit, Qt::Key_Return);
            QCOMPARE(rowPath(m_client->m_contactView->currentItem()), QString("Active/Anna Berg"));
        }
    }

    // ------------------------------------------------------------------
    // Status message editor

    void editorRows_data()
    {
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("element");
        QTest::newRow("away") << "Away" << "Away Status Message" << int(ZELStatusMessageList::AwayMessage);
        QTest::newRow("invisible") << "Invisible Mode" << "Offline Status Message"
                                   << int(ZELStatusMessageList::OfflineMessage);
        QTest::newRow("visible") << "Visible Mode" << "Online Status Message"
                                 << int(ZELStatusMessageList::OnlineMessage);
        QTest::newRow("user defined") << "Lunch" << "Lunch Status Message"
                                      << int(ZELStatusMessageList::UserDefinedStatusMessage);
    }

    void editorRows()
    {
        QFETCH(QString, status);
        QFETCH(QString, title);
        QFETCH(int, element);
        QWidget owner;
        QStringList settings = ZELStatusMessageList::defaults();
        settings[ZELStatusMessageList::UserDefinedStatus] = "Lunch";
        settings[element] = "old text";
        QPointer<ZELStatusMessageDialog> editor = new ZELStatusMessageDialog(&owner);
        QString sentStatus;
        QStringList sent;
        connect(editor, &ZELStatusMessageDialog::sendStatusMessageSignal, this,
                [&](QString &s, QStringList &list) { sentStatus = s; sent = list; });
        editor->showStatusMessageDialog(status, settings);

        QCOMPARE(editor->m_logoLabel->text(), title);
        QCOMPARE(editor->m_statusMessageEdit->toPlainText(), QString("old text"));
        QCOMPARE(editor->m_statusMessageEdit->textCursor().selectedText(), QString("old text"));
        QCOMPARE(editor->m_statusOkButton->text(), QString("Ok"));
        QCOMPARE(editor->m_statusCancelButton->text(), QString("Close"));
        QCOMPARE(editor->m_statusCancelButton->toolTip(), QString("Cancel"));
        QCOMPARE(editor->windowModality(), Qt::WindowModal);

        // Typing replaces the selected text; Return confirms without a line break.
        QTest::keyClicks(editor->m_statusMessageEdit, "new  one");
        QTest::keyClick(editor->m_statusMessageEdit, Qt::Key_Return);
        QCOMPARE(sentStatus, status);
        QStringList expected = settings;
        expected[element] = "new one";
        QCOMPARE(sent, expected);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!editor);
    }

    void editorEndings_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("emitted");
        QTest::newRow("escape") << "escape" << "cancel:Busy";
        QTest::newRow("close button") << "close" << "cancel:Busy";
        QTest::newRow("enter key on the dialog") << "enter" << "send:Busy";
        QTest::newRow("window closed") << "window" << "";
    }

    void editorEndings()
    {
        QFETCH(QString, how);
        QFETCH(QString, emitted);
        QWidget owner;
        QPointer<ZELStatusMessageDialog> editor = new ZELStatusMessageDialog(&owner);
        QStringList seen;
        connect(editor, &ZELStatusMessageDialog::sendStatusMessageSignal, this,
                [&](QString &s, QStringList &) { seen << "send:" + s; });
        connect(editor, &ZELStatusMessageDialog::cancelStatusMessageSignal, this,
                [&](QString &s) { seen << "cancel:" + s; });
        editor->showStatusMessageDialog("Busy", ZELStatusMessageList::defaults());
        if (how == "escape")
            QTest::keyClick(editor->m_statusMessageEdit, Qt::Key_Escape);
        else if (how == "close")
            editor->m_statusCancelButton->click();
        else if (how == "enter")
            QTest::keyClick(editor, Qt::Key_Enter);
        else
            editor->close();
        QCOMPARE(seen, emitted.isEmpty() ? QStringList() : QStringList{emitted});
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!editor);
    }

    void editorCutsAtFiftyCharacters_data()
    {
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("kept");
        const QString eighty = QString("abcdefghij").repeated(8);
        QTest::newRow("80 characters") << eighty << eighty.left(50);
        QTest::newRow("blanks collapse before the cut")
            << "  " + QString("x   ").repeated(30) << QString("x ").repeated(25);
        QTest::newRow("raw runs of blanks under the limit stay") << "a  b" << "a  b";
        QTest::newRow("exactly fifty") << QString("y").repeated(50) << QString("y").repeated(50);
    }

    void editorCutsAtFiftyCharacters()
    {
        QFETCH(QString, pasted);
        QFETCH(QString, kept);
        QWidget owner;
        auto *editor = new ZELStatusMessageDialog(&owner);
        editor->showStatusMessageDialog("Online", ZELStatusMessageList::defaults());
        editor->m_statusMessageEdit->clear();
        editor->m_statusMessageEdit->insertPlainText(pasted);
        QCOMPARE(editor->m_statusMessageEdit->toPlainText(), kept);
        QCOMPARE(editor->m_statusMessageEdit->textCursor().position(), kept.size());
        editor->close();
    }

    // ------------------------------------------------------------------
    // Tray and marquee

    void trayAnimationFrames()
    {
        signIn();
        m_client->m_trayAnimationFrame = 2;
        const int frames[] = {2, 3, 0, 1};
        for (int frame : frames) {
            m_client->rotateSystemTrayIcon();
            QVERIFY2(sameIcon(m_client->m_trayIcon->icon(), QString(":images/icon%1.png").arg(frame)),
                     qPrintable(QString::number(frame)));
        }
        QCOMPARE(m_client->m_trayAnimationFrame, 2);
    }

    void trayDoubleClickBringsTheWindowBack()
    {
        signIn();
        m_client->hide();
        m_client->iconActivated(QSystemTrayIcon::DoubleClick);
        QVERIFY(m_client->isVisible());
        m_client->showMinimized();
        m_client->iconActivated(QSystemTrayIcon::DoubleClick);
        QVERIFY(!m_client->isMinimized());
        // Sign-out from the tray asks first.
        int asked = 0;
        ZELMessageBoxClass::setTestAnswerHook([&](const QString &, const QString &) {
            ++asked;
            return int(QMessageBox::No);
        });
        m_client->m_signInAction->trigger();
        QCOMPARE(asked, 1);
        QVERIFY(m_client->m_signedIn);
    }

    // Nothing animates where nobody can see it: the scrolling line pauses while
    // the window is hidden and the connecting pictures run only on their page.
    void hiddenThingsDoNotAnimate()
    {
        signIn();
        m_client->show();
        m_client->m_marqueeText = "Welcome";
        m_client->movingText();
        QVERIFY(m_client->m_textScrollTimer->isActive());
        QTRY_VERIFY(m_client->m_animateText->x() < 289);
        m_client->hide();
        QTRY_VERIFY(!m_client->m_textScrollTimer->isActive());
        const int x = m_client->m_animateText->x();
        QTest::qWait(100);
        QCOMPARE(m_client->m_animateText->x(), x);
        m_client->show();
        QVERIFY(m_client->m_textScrollTimer->isActive());
        QTRY_VERIFY(m_client->m_animateText->x() < x);

        // Signed in, the main page shows: a restart of the connecting pictures
        // (as after a modal dialog of a chat window) does not run them.
        QVERIFY(m_client->stackedWidget->currentWidget() != m_client->processPage);
        m_client->m_connectingMovie->start();
        m_client->m_processMovie->start();
        QCOMPARE(m_client->m_connectingMovie->state(), QMovie::NotRunning);
        QCOMPARE(m_client->m_processMovie->state(), QMovie::NotRunning);
        m_client->stackedWidget->setCurrentWidget(m_client->processPage);
        QCOMPARE(m_client->m_connectingMovie->state(), QMovie::Running);
        QCOMPARE(m_client->m_processMovie->state(), QMovie::Running);
        m_client->stackedWidget->setCurrentWidget(m_client->MainPage);
        QCOMPARE(m_client->m_connectingMovie->state(), QMovie::NotRunning);
        QCOMPARE(m_client->m_processMovie->state(), QMovie::NotRunning);
    }

    // The marquee keeps its laid-out line between steps; every pixel must stay
    // what a plain label draws, wherever the line stands and whatever it says.
    void marqueeLabelDrawsAsAPlainLabel_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("alignment");
        QTest::addColumn<int>("extraWidth");
        const int rightCentred = int(Qt::AlignRight | Qt::AlignVCenter);
        QTest::newRow("welcome") << "Welcome to the Zembrio demo office" << rightCentred << 10;
        QTest::newRow("accents and digits") << QString::fromUtf8("Caf\u00e9 \u00fcber 42 \u00e5r!") << rightCentred << 10;
        QTest::newRow("right to left") << QString::fromUtf8("\u05e9\u05dc\u05d5\u05dd abc") << rightCentred << 10;
        QTest::newRow("left, top") << "Left and top" << int(Qt::AlignLeft | Qt::AlignTop) << 30;
        QTest::newRow("narrower than its text") << "Cut off at the right" << rightCentred << -40;
        QTest::newRow("rich text falls back") << "<b>bold</b> words" << rightCentred << 10;
        QTest::newRow("mnemonic falls back") << "Fish &amp; chips & peas" << rightCentred << 10;
    }

    void marqueeLabelDrawsAsAPlainLabel()
    {
        QFETCH(QString, text);
        QFETCH(int, alignment);
        QFETCH(int, extraWidth);
        // Two identical strips over a patterned background, as the window's
        // picture lies behind the line.
        QImage pattern(7, 5, QImage::Format_RGB32);
        for (int y = 0; y < pattern.height(); ++y)
            for (int x = 0; x < pattern.width(); ++x)
                pattern.setPixel(x, y, qRgb(200 + 7 * x, 220 + 5 * y, 240 - 3 * x));
        auto makeStrip = [&](QLabel *label) {
            auto *strip = new QWidget;
            strip->setFixedSize(300, 24);
            QPalette palette;
            palette.setBrush(QPalette::Window, QBrush(QPixmap::fromImage(pattern)));
            strip->setPalette(palette);
            strip->setAutoFillBackground(true);
            label->setParent(strip);
            QPalette blue;
            blue.setBrush(QPalette::Active, QPalette::WindowText, QColor(0, 0, 255));
            blue.setBrush(QPalette::Inactive, QPalette::WindowText, QColor(0, 0, 255));
            label->setPalette(blue);
            label->setFont(QFont(QStringLiteral("MS Shell Dlg 2")));
            label->setAlignment(Qt::Alignment(alignment));
            label->setText(text);
            label->resize(QFontMetrics(label->font()).horizontalAdvance(text) + extraWidth, 20);
            return strip;
        };
        auto *plain = new QLabel;
        auto *marquee = new ZELMarqueeLabel;
        std::unique_ptr<QWidget> plainStrip(makeStrip(plain));
        std::unique_ptr<QWidget> marqueeStrip(makeStrip(marquee));
        for (int x : {290, 151, 3, 0, -1, -37, -120}) {
            plain->move(x, 2);
            marquee->move(x, 2);
            QCOMPARE(marqueeStrip->grab().toImage(), plainStrip->grab().toImage());
        }
        // A new text is laid out afresh.
        plain->setText(text + QStringLiteral(" again"));
        marquee->setText(text + QStringLiteral(" again"));
        plain->move(40, 2);
        marquee->move(40, 2);
        QCOMPARE(marqueeStrip->grab().toImage(), plainStrip->grab().toImage());
    }

    // Hidden, minimised or unexposed, the main window runs no picture either:
    // the server's banner pauses and turns again once the window shows.
    void bannerPausesWhileTheWindowIsUnseen()
    {
        signIn();
        m_client->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_client));
        QPointer<QMovie> banner = m_client->m_bannerMovie;
        QVERIFY(banner);
        banner->setFileName(QStringLiteral(":images/connecting.gif"));
        banner->start();
        QCOMPARE(banner->state(), QMovie::Running);
        m_client->hide();
        QCOMPARE(banner->state(), QMovie::Paused);
        m_client->show();
        QCOMPARE(banner->state(), QMovie::Running);
        m_client->showMinimized();
        QCOMPARE(banner->state(), QMovie::Paused);
        m_client->showNormal();
        QCOMPARE(banner->state(), QMovie::Running);

        // A banner stopped meanwhile by a modal dialog stays stopped.
        m_client->hide();
        banner->stop();
        m_client->show();
        QCOMPARE(banner->state(), QMovie::NotRunning);
    }

    void marqueeRestsWhileKeyboardAndMouseAreStill()
    {
        signIn();
        m_client->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_client));
        m_client->m_marqueeText = "Welcome to the new server";
        m_client->movingText();
        QPointer<QMovie> banner = m_client->m_bannerMovie;
        QVERIFY(banner);
        banner->setFileName(QStringLiteral(":images/connecting.gif"));
        banner->start();
        m_client->m_marqueeRestMs = 0;
        const auto running = [&]() {
            return m_client->m_textScrollTimer->isActive() && banner->state() == QMovie::Running;
        };

        m_client->changeStatus(7, 7, false);
        m_client->changeStatus(7, 7, false);
        QVERIFY(!m_client->m_textScrollTimer->isActive());
        QCOMPARE(banner->state(), QMovie::Paused);
        // Showing the window again does not wake it; a move does.
        m_client->hide();
        m_client->show();
        QVERIFY(!m_client->m_textScrollTimer->isActive());
        m_client->changeStatus(8, 7, false);
        QVERIFY(running());
        // So does a key, and a still cursor within the rest time changes nothing.
        m_client->changeStatus(8, 7, false);
        QVERIFY(!running());
        m_client->changeStatus(8, 7, true);
        QVERIFY(running());
        m_client->m_marqueeRestMs = 60000;
        m_client->changeStatus(8, 7, false);
        QVERIFY(running());
    }

    void marqueeWrapsAfterLeavingOnTheLeft()
    {
        signIn();
        m_client->m_marqueeText = "Welcome to the new server";
        m_client->movingText();
        QVERIFY(m_client->m_textScrollTimer->isActive());
        QCOMPARE(m_client->m_animateText->text(), QString("Welcome to the new server"));
        m_client->m_textScrollTimer->stop();
        // As for a text 100 pixels wide.
        m_client->m_marqueeSpan = 110;
        m_client->textScrolling();
        QCOMPARE(m_client->m_animateText->x(), 289);
        for (int step = 2; step <= 399; ++step)
            m_client->textScrolling();
        QCOMPARE(m_client->m_animateText->pos(), QPoint(-109, 525));
        m_client->textScrolling();
        QCOMPARE(m_client->m_marqueeX, 290);
        QCOMPARE(m_client->m_animateText->x(), -109);
        m_client->textScrolling();
        QCOMPARE(m_client->m_animateText->x(), 289);
    }
};

ZEL_TEST_MAIN(TestStatus)
#include "tst_status.moc"
