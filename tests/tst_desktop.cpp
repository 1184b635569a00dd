#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QWindow>
#include <QtTest>

#include "chat/zelchatwindow.h"
#include "chat/zelrequestdialog.h"
#include "contacts/zelapprovaladdcontact.h"
#include "core/zelclient.h"
#include "mainwindow/zelcontactrow.h"
#include "messages/zelgroupmessagedisplay.h"
#include "messages/zelofflinemessageswidget.h"
#include "reminders/zelreminderdialog.h"
#include "reminders/zelreminderpopup.h"
#include "style/zelmessageboxclass.h"
#include "peer/zeltestpeer.h"
#include "protocol/zelsettingslists.h"
#include "protocol/zeltcpsocket.h"
#include "zeltestmain.h"
#include "zelx11probe.h"

// What only a real X display shows: how windows that open minimised map, paint
// and take the focus, with and without a window manager (kiosk sessions run
// none). Runs on a virtual display of its own (tests/run-on-x.sh).
class TestDesktop : public QObject
{
    Q_OBJECT

private:
    ZELTestPeer *m_peer = nullptr;
    ZELClient *m_client = nullptr;
    QProcess m_manager;
    ZELX11Probe m_x;

    static constexpr long Iconic = 3;

    // Brings the display to the state a row asks for: with openbox running on
    // it, or with none. False when openbox is not installed.
    bool useWindowManager(bool wanted)
    {
        if (wanted == m_x.hasWindowManager())
            return true;
        if (!wanted) {
            m_manager.terminate();
            m_manager.waitForFinished();
            return QTest::qWaitFor([this] { return !m_x.hasWindowManager(); }, 10000);
        }
        const QString openbox = QStandardPaths::findExecutable(QStringLiteral("openbox"));
        if (openbox.isEmpty())
            return false;
        m_manager.start(openbox, {});
        return QTest::qWaitFor([this] { return m_x.hasWindowManager(); }, 10000);
    }

    // The share of the window's place on the screen that shows its own picture
    // (sampled every fourth pixel): one that paints nothing shows what lay
    // under it.
    static double seenShare(QWidget *window)
    {
        const QImage own = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QRect place = window->geometry();
        const QImage screen = QGuiApplication::primaryScreen()
                                  ->grabWindow(0, place.x(), place.y(), place.width(), place.height())
                                  .toImage()
                                  .convertToFormat(QImage::Format_RGB32);
        if (own.size() != screen.size())
            return 0;
        int same = 0;
        int all = 0;
        for (int y = 0; y < own.height(); y += 4) {
            for (int x = 0; x < own.width(); x += 4) {
                const QRgb a = own.pixel(x, y);
                const QRgb b = screen.pixel(x, y);
                ++all;
                if (qAbs(qRed(a) - qRed(b)) < 16 && qAbs(qGreen(a) - qGreen(b)) < 16 && qAbs(qBlue(a) - qBlue(b)) < 16)
                    ++same;
            }
        }
        return all ? double(same) / all : 0;
    }

    // Everything the client asked of the X server, and all the window manager
    // made of it, has come back as events the client handled: what has not
    // happened by now was never asked for.
    void settle()
    {
        QGuiApplication::sync();
        if (m_x.hasWindowManager())
            QVERIFY(m_x.windowManagerRoundTrip());
        QGuiApplication::sync();
    }

    // The window the user works in: shown and holding the focus.
    static void showWorkingWindow(QWidget &working)
    {
        working.setWindowTitle("working");
        working.setGeometry(300, 200, 700, 600);
        working.show();
        working.activateWindow();
        QTRY_VERIFY(working.isActiveWindow());
    }

    // Signed in with one contact, ravi, present in the given status.
    void signInWithRavi(const QString &status)
    {
        m_client->m_contactDisplaySettings = ZELContactDisplayList::defaults();
        m_client->successFullLoginStatus({"LOGIN", "SUCCESSLOGIN", "Anita Rao", "", "1", ""});
        QStringList profile(12);
        profile[0] = "Engineer";
        profile[11] = "GMT+05:30";
        const QStringList ravi{"ravi", "Online", "Sales", "Ravi Kumar", profile.join("&&"), "At my desk", status,
                               "APPROVED"};
        m_peer->sendText(
            ZELTestPeer::messageTree("NEWUSER", {ZELTestPeer::Node("OWN", ravi.join(',') + ',')}));
        QTRY_VERIFY(rowOf(m_client->m_activeItem, "ravi"));
    }

    static QTreeWidgetItem *rowOf(QTreeWidgetItem *group, const QString &user)
    {
        for (int i = 0; group && i < group->childCount(); ++i) {
            if (ZELContactRow::userName(group->child(i)) == user)
                return group->child(i);
        }
        return nullptr;
    }

private slots:
    void initTestCase()
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb") || !m_x.isOpen())
            QSKIP("needs an X display of its own (tests/run-on-x.sh)");
        QVERIFY2(!m_x.hasWindowManager(), "the display must start without a window manager");
    }

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
        m_client->m_notificationSettings[ZELNotificationList::SendsMessage] = "FALSE";
        m_client->m_users.insert("ravi", UserRecord{"Engineer", "Ravi Kumar", "Sales", "Online", "At my desk",
                                                    "Ravi&&Field&&Sales", "ravi", "", "GMT+05:30"});
    }

    void cleanup()
    {
        qDeleteAll(m_client->m_chatWindows.values());
        delete m_client;
        m_client = nullptr;
        delete m_peer;
        m_peer = nullptr;
    }

    void cleanupTestCase()
    {
        if (m_manager.state() != QProcess::NotRunning) {
            m_manager.kill();
            m_manager.waitForFinished();
        }
    }

    // A chat from someone new, a conference joined from an invitation, or a
    // group message opens minimised and flashing while the user's window keeps
    // the focus. A window manager takes it off the screen until the user brings
    // it up; without one it stays on the screen, and then it paints like any
    // window rather than leaving a patch of what lay under it that takes its
    // clicks.
    void windowOpenedMinimised_data()
    {
        QTest::addColumn<bool>("windowManager");
        QTest::addColumn<QString>("kind");
        for (bool manager : {false, true}) {
            for (const char *kind : {"chat", "conference", "group message"}) {
                QTest::addRow("%s, %s", kind, manager ? "window manager" : "no window manager")
                    << manager << QString::fromLatin1(kind);
            }
        }
    }

    void windowOpenedMinimised()
    {
        QFETCH(bool, windowManager);
        QFETCH(QString, kind);
        if (!useWindowManager(windowManager))
            QSKIP("openbox is not installed");

        QWidget working;
        working.setWindowTitle("working");
        working.setGeometry(300, 200, 700, 600);
        working.show();
        working.activateWindow();
        QTRY_VERIFY(working.isActiveWindow());

        QWidget *window = nullptr;
        ZELChatWindow *chatWindow = nullptr;
        if (kind == "chat") {
            m_peer->sendText(ZELTestPeer::message(
                "CHAT", {{"CHATUSERNAME", "anita"}, {"LOGINNAME", "ravi"}, {"MESSAGE", "hello"},
                         {"SENDSMILEY", ""}, {"SENDPICTURE", ""}, {"BANNERSTATE", ""}, {"PLAINTEXT", "hello"},
                         {"DISPLAYNAME", "Ravi Kumar"}, {"PASSWORD", "FALSE"}}));
            QVERIFY(m_peer->waitForRequest("MESSAGEDELIVERED").isValid());
            window = chatWindow = m_client->m_chatWindows.value("ravi");
        } else if (kind == "conference") {
            m_client->createChatWindowForConferenceChat("Weekly", false, true);
            window = chatWindow = m_client->m_chatWindows.value("Weekly");
        } else {
            m_client->displayGroupMessage({"ONLINEGROUPMESSAGE", "x", "<b>Meeting</b> at 3", "y", "Ravi Kumar"});
            const auto displays = m_client->m_groupMessageDisplays.keys();
            window = displays.value(0);
        }
        QVERIFY(window);
        const unsigned long id = window->winId();
        QTRY_COMPARE(m_x.initialState(id), int(Iconic));
        settle();
        QVERIFY(window->isMinimized());
        QVERIFY(working.isActiveWindow());
        QVERIFY(!window->isActiveWindow());

        if (windowManager) {
            QTRY_COMPARE(m_x.wmState(id), Iconic);
            QVERIFY(m_x.netWmState(id).contains("_NET_WM_STATE_DEMANDS_ATTENTION"));
            QVERIFY(!window->windowHandle()->isExposed());
            if (chatWindow) {
                QVERIFY(!chatWindow->updatesEnabled());
                chatWindow->restoreWindowState(); // as the contact list brings it up
            } else {
                window->showNormal();
            }
            QTRY_VERIFY(window->windowHandle()->isExposed());
        } else {
            QVERIFY(window->windowHandle()->isExposed());
        }
        QVERIFY(window->updatesEnabled());
        window->raise();
        QTRY_VERIFY2(seenShare(window) > 0.9, qPrintable(QString::number(seenShare(window))));
        if (!chatWindow)
            delete window;
    }

    // A reminder that falls due rings on top of everything but leaves the
    // keyboard where the user is typing.
    void reminderLeavesTheFocus_data()
    {
        QTest::addColumn<bool>("windowManager");
        QTest::newRow("no window manager") << false;
        QTest::newRow("window manager") << true;
    }

    void reminderLeavesTheFocus()
    {
        QFETCH(bool, windowManager);
        if (!useWindowManager(windowManager))
            QSKIP("openbox is not installed");

        QWidget working;
        working.setWindowTitle("working");
        working.setGeometry(300, 200, 700, 600);
        working.show();
        working.activateWindow();
        QTRY_VERIFY(working.isActiveWindow());

        const QString due = ZELReminderDialog::dueText(QDateTime::currentDateTime().addSecs(-5));
        m_client->m_reminders.insert("r1", ReminderRecord{"r1", "Awaiting", "Standup", due, "Self", "Self"});
        m_client->reminderPopupDisplay("Standup", "r1", due);
        QWidget *popup = m_client->m_reminderPopup.get();
        QVERIFY(popup->isVisible());
        QTRY_VERIFY(popup->windowHandle()->isExposed());
        settle();
        QVERIFY(working.isActiveWindow());
        QVERIFY(!popup->isActiveWindow());
        popup->hide();
    }

    // The away or in-meeting notice comes up with the chat window it warns
    // about and stays above it, with its OK button in sight; it holds no
    // window, so the chat can start at once.
    void awayNoticeAboveTheChatWindow_data()
    {
        QTest::addColumn<bool>("windowManager");
        QTest::addColumn<QString>("status");
        for (bool manager : {false, true}) {
            for (const char *status : {"Away", "Meeting"}) {
                QTest::addRow("%s, %s", status, manager ? "window manager" : "no window manager")
                    << manager << QString::fromLatin1(status);
            }
        }
    }

    void awayNoticeAboveTheChatWindow()
    {
        QFETCH(bool, windowManager);
        QFETCH(QString, status);
        if (!useWindowManager(windowManager))
            QSKIP("openbox is not installed");

        signInWithRavi(status);
        m_client->processForActiveUsers(rowOf(m_client->m_activeItem, "ravi"), "Active");
        ZELChatWindow *chat = m_client->m_chatWindows.value("ravi");
        QVERIFY(chat);
        ZELMessageBoxClass *notice = m_client->m_informationBox;
        QVERIFY(notice->isVisible());
        QVERIFY(notice->m_messageText->text().contains(status == "Away" ? "away from system" : "in meeting"));
        // The server answers the opening with the conversation so far.
        QVERIFY(m_peer->waitForRequest("CHATOPENED").isValid());
        m_peer->sendText(ZELTestPeer::message("CHATHISTORYFOROPENNEWWIDGET", {{"HISTORY", "EMPTY"}, {"CHATUSER", "ravi"}}));
        QTRY_VERIFY(chat->windowHandle()->isExposed());
        QTRY_VERIFY(notice->windowHandle()->isExposed());
        if (windowManager) {
            // What the window manager does with a window the user's double
            // click opened: it takes the focus and comes to the top.
            chat->activateWindow();
            chat->raise();
        }
        settle();
        QVERIFY(m_x.isStackedAbove(notice->winId(), chat->winId()));
        // On a busy machine the window manager may still be placing the chat window.
        QTRY_VERIFY(chat->geometry().contains(notice->geometry()));
        QCOMPARE(notice->windowModality(), Qt::NonModal);
        notice->close();
    }

    // A click on a row of the offline inbox shows the message and offers the
    // reply, whether or not a window manager hands the inbox the focus.
    void inboxClickShowsTheMessage_data()
    {
        QTest::addColumn<bool>("windowManager");
        QTest::newRow("no window manager") << false;
        QTest::newRow("window manager") << true;
    }

    void inboxClickShowsTheMessage()
    {
        QFETCH(bool, windowManager);
        if (!useWindowManager(windowManager))
            QSKIP("openbox is not installed");

        QWidget working;
        showWorkingWindow(working);
        const QString record = QStringList({"ravi", "call me", "2026-12-01 10:00", "NO", "<b>call me at five</b>",
                                            "Ravi Kumar", "NO"})
                                   .join("##");
        m_peer->sendText(ZELTestPeer::message("OFFLINEMESSAGES", {{"VALUE", record}}));
        QTRY_COMPARE(m_client->m_offlineMessageList.size(), 2);
        m_client->generateWindow();
        ZELOfflineMessagesWidget *inbox = m_client->m_offlineMessagesWidget.get();
        QTRY_VERIFY(inbox->windowHandle()->isExposed());
        settle();
        QVERIFY(!inbox->m_replyPushButton->isEnabled());

        QTableWidget *table = inbox->m_offlineTable;
        QTableWidgetItem *cell = table->item(0, 5);
        QVERIFY(cell);
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualItemRect(cell).center());
        QTRY_VERIFY(inbox->m_messageBox->toPlainText().contains("call me at five"));
        QVERIFY(inbox->m_replyPushButton->isEnabled());
        QVERIFY(m_peer->waitForRequest("OFFLINEMESSAGEREAD").isValid());
        inbox->close();
    }

    // The "added you" question comes above the approval list that the same
    // request opens, and stays answerable there.
    void addedYouAboveTheApprovalList_data()
    {
        QTest::addColumn<bool>("windowManager");
        QTest::newRow("no window manager") << false;
        QTest::newRow("window manager") << true;
    }

    void addedYouAboveTheApprovalList()
    {
        QFETCH(bool, windowManager);
        if (!useWindowManager(windowManager))
            QSKIP("openbox is not installed");

        signInWithRavi("Online");
        m_client->show();
        // As a server sends a request: the alert, then the list of requests.
        const QString request = QStringList({"mohan", "Mohan Das", "Sales", "Engineer", "", "Engineer&&Acme"}).join('#');
        m_peer->sendText(ZELTestPeer::message("APPROVALALERT", {{"USERNAME", "mohan"}, {"DISPLAYNAME", "Mohan Das"}}));
        m_peer->sendText(ZELTestPeer::message("ADDCONTACTAPPROVALSTATUS", {{"REQUEST", request}}));
        QTRY_VERIFY(m_client->m_approvalAddContactDialog.isVisible());
        QTRY_COMPARE(m_client->m_requestDialogs.size(), 1);
        ZELApprovalAddContact *list = m_client->m_approvalAddContactDialog.get();
        ZELRequestDialog *popup = m_client->m_requestDialogs.firstKey();
        QTRY_VERIFY(list->windowHandle()->isExposed());
        QTRY_VERIFY(popup->windowHandle()->isExposed());
        settle();
        QVERIFY(m_x.isStackedAbove(popup->winId(), list->winId()));
        QVERIFY(list->geometry().intersects(popup->geometry()));

        popup->m_decideLaterButton->click();
        QTRY_VERIFY(m_client->m_requestDialogs.isEmpty());
        list->close();
    }
};

ZEL_TEST_MAIN(TestDesktop)

#include "tst_desktop.moc"
