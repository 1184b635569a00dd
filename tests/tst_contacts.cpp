#include <QAction>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QSettings>
#include <QStandardPaths>
#include <QTextBrowser>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include "chat/zelchatwindow.h"
#include "chat/zelinvitablelist.h"
#include "core/zelclient.h"
#include "protocol/zelpreferencesfile.h"
#include "protocol/zelsettingslists.h"
#include "protocol/zeltcpsocket.h"
#include "core/zelthread.h"
#include "mainwindow/zelbusinesscarddetails.h"
#include "mainwindow/zelcontactrow.h"
#include "mainwindow/zelpopup.h"
#include "mainwindow/zelprofile.h"
#include "reminders/zelreminderdialog.h"
#include "peer/zeltestpeer.h"
#include "platform/zelfakedesktopservices.h"
#include "platform/zelfakeinputmonitor.h"
#include "platform/zelfakescreengrabber.h"
#include "platform/zelplatform.h"
#include "reminders/zelreminderdialog.h"
#include "contacts/zeluserprofiledialog.h"
#include "style/zelmessageboxclass.h"
#include "zellinkclicks.h"
#include "zeltestmain.h"

// One contact of a presence list, in the order of the wire.
struct Contact
{
    QString user, state, department, name, company, statusMessage, status, approval;
    QString timeZone = QStringLiteral("GMT+05:30");
    QString email = QStringLiteral("someone@example.com");

    QStringList values() const
    {
        QStringList profile(12);
        profile[0] = QStringLiteral("Engineer");
        profile[1] = company;
        profile[2] = email;
        profile[11] = timeZone;
        return {user, state, department, name, profile.join("&&"), statusMessage, status, approval};
    }
};

Q_DECLARE_METATYPE(Contact)

// The server's ADDCONTACT for one contact.
QString addName(const Contact &contact)
{
    using Node = ZELTestPeer::Node;
    const QStringList v = contact.values();
    return ZELTestPeer::messageTree(
        "ADDCONTACT", {Node("ADDNAME", {Node("U", v.at(0)), Node("S", v.at(1)), Node("D", v.at(2)), Node("P", v.at(4)),
                                        Node("N", v.at(3)), Node("M", v.at(5)), Node("T", v.at(6))})});
}

// Counts the events of one type a widget receives.
class ZELEventCounter : public QObject
{
public:
    ZELEventCounter(QObject *watched, QEvent::Type type, int *count) : m_type(type), m_count(count)
    {
        watched->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == m_type)
            ++*m_count;
        return false;
    }

private:
    QEvent::Type m_type;
    int *m_count;
};

// The contact tree, its records and presence: the presence messages as the
// socket delivers them, the tree's own operations, the contact card and the
// pop-ups; and the presence messages end to end through the protocol peer.
class TestContacts : public QObject
{
    Q_OBJECT

private:
    using Node = ZELTestPeer::Node;

    ZELFakeInputMonitor m_input;
    ZELFakeScreenGrabber m_grabber;
    ZELFakeDesktopServices m_desktop;
    ZELClient *m_client = nullptr;

    static Contact online(const QString &user, const QString &status = "Online",
                          const QString &department = "Development", const QString &company = "Acme")
    {
        return {user, "Online", department, user.toUpper(), company, "Working", status, "APPROVED"};
    }

    static Contact offline(const QString &user, const QString &approval = "APPROVED",
                           const QString &department = "Development", const QString &company = "Acme")
    {
        return {user, "Offline", department, user.toUpper(), company, "Gone", "Offline", approval};
    }

    static QString ownList(const QList<Contact> &contacts)
    {
        QStringList values;
        for (const Contact &contact : contacts)
            values << contact.values();
        return ZELTestPeer::messageTree("NEWUSER", {Node("OWN", values.join(',') + ',')});
    }

    static QString othersList(const QList<Contact> &contacts)
    {
        static const char *const tags[] = {"USERNAME", "STATE", "DEPARTMENT", "NAME",
                                           "PROFILE", "STATUSMESSAGE", "STATUS", "APPROVAL"};
        QList<Node> users;
        for (const Contact &contact : contacts) {
            QList<Node> fields;
            const QStringList values = contact.values();
            for (int i = 0; i < values.size(); ++i)
                fields << Node(tags[i], values.at(i));
            users << Node("USER", fields);
        }
        return ZELTestPeer::messageTree("NEWUSER", {Node("OTHERS", users)});
    }

    static QString logout(const QString &user, const QString &department = "Development",
                          const QString &company = "Acme")
    {
        return ZELTestPeer::message("LOGOUT", {{"USERNAME", user}, {"DEPARTMENT", department},
                                               {"NAME", user.toUpper()}, {"COMPANY", company},
                                               {"STATUSMESSAGE", "Left for the day"}});
    }

    static QString changeStatus(const QString &user, const QString &status, const QString &profile = QString())
    {
        return ZELTestPeer::message("CHANGESTATUS", {{"USERNAME", user}, {"MESSAGE", "New message"},
                                                     {"STATUS", status}, {"COMPANY", "Acme"},
                                                     {"NAME", user.toUpper()}, {"PROFILE", profile}});
    }

    // The text block as the socket hands it over: each message followed by ":::".
    void deliver(const QStringList &xmls)
    {
        QByteArray text;
        for (const QString &xml : xmls)
            text += xml.toLatin1() + ":::";
        QByteArray files;
        m_client->messageFromServer(text, files);
    }

    void signIn()
    {
        m_client->m_loginId = "me";
        m_client->m_notificationSettings = ZELNotificationList::defaults();
        m_client->m_contactDisplaySettings = ZELContactDisplayList::defaults();
        m_client->m_contactDisplaySettings[ZELContactDisplayList::GroupByDepartment] = "TRUE";
        m_client->m_contactDisplaySettings[ZELContactDisplayList::GroupByStatus] = "FALSE";
        m_client->successFullLoginStatus({"LOGIN", "SUCCESSLOGIN", "Me Myself", "", "1", ""});
    }

    // Tool tips of the contact rows anywhere below a top-level row.
    static QStringList contactTips(const QTreeWidgetItem *top)
    {
        QStringList tips;
        if (!top)
            return tips;
        for (int i = 0; i < top->childCount(); ++i) {
            const QTreeWidgetItem *child = top->child(i);
            if (!child->toolTip(0).isEmpty())
                tips << child->toolTip(0);
            tips << contactTips(child);
        }
        return tips;
    }

    static QTreeWidgetItem *findRow(QTreeWidgetItem *top, const QString &user)
    {
        if (!top)
            return nullptr;
        for (int i = 0; i < top->childCount(); ++i) {
            QTreeWidgetItem *child = top->child(i);
            if (ZELContactRow::userName(child) == user)
                return child;
            if (QTreeWidgetItem *deeper = findRow(child, user))
                return deeper;
        }
        return nullptr;
    }

    QList<QTreeWidgetItem *> liveRows() const
    {
        QList<QTreeWidgetItem *> rows;
        for (QTreeWidgetItemIterator it(m_client->m_contactView); *it; ++it)
            rows << *it;
        return rows;
    }

    QStringList visibleTopRows() const
    {
        QStringList rows;
        for (int i = 0; i < m_client->m_contactView->topLevelItemCount(); ++i) {
            if (!m_client->m_contactView->topLevelItem(i)->isHidden())
                rows << m_client->m_contactView->topLevelItem(i)->text(0);
        }
        return rows;
    }

private slots:
    void initTestCase()
    {
        ZELPlatform::setInputMonitor(&m_input);
        ZELPlatform::setScreenGrabber(&m_grabber);
        ZELPlatform::setDesktopServices(&m_desktop);
    }

    void cleanupTestCase()
    {
        ZELPlatform::setInputMonitor(nullptr);
        ZELPlatform::setScreenGrabber(nullptr);
        ZELPlatform::setDesktopServices(nullptr);
    }

    void init()
    {
        m_client = new ZELClient;
        // Signed in with no server: the worker's once-a-second look at the
        // connection would find none and end the session in the middle of a
        // test. It is stopped, and a look it took before is not handled.
        signIn();
        m_client->m_workerThread->stop();
        QCoreApplication::removePostedEvents(m_client, QEvent::MetaCall);
    }

    void cleanup()
    {
        const QList<ZELChatWindow *> windows = m_client ? m_client->m_chatWindows.values() : QList<ZELChatWindow *>();
        if (m_client)
            m_client->m_chatWindows.clear();
        qDeleteAll(windows);
        delete m_client;
        m_client = nullptr;
        m_desktop.openedUrls.clear();
    }

    void newUserPlacesContacts_data()
    {
        QTest::addColumn<bool>("ownList");
        QTest::addColumn<QString>("state");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("approval");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("toolTip");
        QTest::addColumn<bool>("assignee");
        QTest::newRow("present, busy") << true << "Online" << "Busy" << "APPROVED" << "ANN (Busy)"
                                       << "ann - Online" << true;
        QTest::newRow("present, online") << false << "Online" << "Online" << "APPROVED" << "ANN"
                                         << "ann - Online" << true;
        QTest::newRow("present, no status word") << true << "Online" << "" << "APPROVED" << "ANN"
                                                 << "ann - Online" << true;
        QTest::newRow("absent") << false << "Offline" << "Offline" << "APPROVED" << "ANN"
                                << "ann - Offline" << true;
        QTest::newRow("absent, not approved") << true << "Offline" << "Offline" << "PENDING" << "ANN"
                                              << "ann - Not Approved" << false;
    }

    void newUserPlacesContacts()
    {
        QFETCH(bool, ownList);
        QFETCH(QString, state);
        QFETCH(QString, status);
        QFETCH(QString, approval);
        QFETCH(QString, text);
        QFETCH(QString, toolTip);
        QFETCH(bool, assignee);
        Contact ann{"ann", state, "Development", "ANN", "Acme", "Working", status, approval};
        deliver({ownList ? this->ownList({ann}) : othersList({ann})});

        const bool present = state == "Online";
        QTreeWidgetItem *departmentWise = present ? m_client->m_onlineItem : m_client->m_offlineItem;
        QTreeWidgetItem *flat = present ? m_client->m_activeItem : m_client->m_inactiveItem;
        QCOMPARE(departmentWise->childCount(), 1);
        QCOMPARE(departmentWise->child(0)->text(0), QString("Acme"));
        QCOMPARE(departmentWise->child(0)->child(0)->text(0), QString("Development"));
        QTreeWidgetItem *row = departmentWise->child(0)->child(0)->child(0);
        QCOMPARE(row->text(0), text);
        QCOMPARE(row->toolTip(0), toolTip);
        QCOMPARE(row->sizeHint(0).height(), 20);
        QCOMPARE(flat->childCount(), 1);
        QCOMPARE(flat->child(0)->toolTip(0), toolTip);
        QVERIFY(contactTips(present ? m_client->m_offlineItem : m_client->m_onlineItem).isEmpty());

        const UserRecord record = m_client->m_users.value("ann");
        QCOMPARE(record.displayName, QString("ANN"));
        QCOMPARE(record.status, status);
        QCOMPARE(record.jobTitle, QString("Engineer"));
        QCOMPARE(record.timeZone, QString("GMT+05:30"));
        QCOMPARE(m_client->m_presentContacts, present ? QStringList{"ann##ANN"} : QStringList());
        QCOMPARE(m_client->m_reminderDialog->m_assigneeName->findText("ANN") >= 0, assignee);
        QCOMPARE(visibleTopRows().contains("Contact List Empty"), false);
    }

    // The reminder assignees the contact lists bring while the reminder dialog
    // is not built are kept for it: built later, it lists the same assignees in
    // the same order, with the same one chosen and the same details, as a
    // dialog built at start and filled as they came.
    void reminderAssigneesKeptUntilTheDialogIsBuilt()
    {
        const auto deleteName = [](const QString &user) {
            return ZELTestPeer::message("DELETENAME", {{"U", user}, {"D", "Development"}, {"P", "0"}, {"C", "Acme"}});
        };
        const auto assignees = [this]() {
            const ZELReminderDialog *dialog = m_client->m_reminderDialog.get();
            QStringList items;
            for (int i = 0; i < dialog->m_assigneeName->count(); ++i)
                items << dialog->m_assigneeName->itemText(i);
            return QStringList{items.join('|'), dialog->m_assigneeName->currentText(),
                               dialog->m_assigneeDetails.join('|')};
        };

        // Each run looks once, at its end: looking builds the dialog.
        for (const bool throughReset : {false, true}) {
            QStringList seen[2];
            for (const bool builtFirst : {false, true}) {
                cleanup();
                init();
                if (builtFirst)
                    m_client->m_reminderDialog.get();
                const auto step = [&](const QStringList &messages) {
                    deliver(messages);
                    QCOMPARE(m_client->m_reminderDialog.built() != nullptr, builtFirst);
                };
                step({ownList({offline("ann"), online("bob"), offline("cal", "Not Approved")})});
                step({addName(offline("dee"))});
                step({deleteName("ann"), deleteName("nobody")});
                step({addName(offline("bob"))}); // listed already: not twice
                if (throughReset) {
                    m_client->resetReminderAssignees();
                    step({ownList({online("eve")})});
                }
                seen[builtFirst] = assignees();
            }
            QCOMPARE(seen[0], seen[1]);
            QCOMPARE(seen[0].value(0), QString(throughReset ? "EVE|Self" : "DEE|BOB|Self"));
            QCOMPARE(seen[0].value(1), QString("Self"));
        }
    }

    // Whole records only: an empty, short or truncated list reads nothing past its end.
    void newUserReadsWholeRecordsOnly_data()
    {
        QTest::addColumn<QString>("xml");
        QTest::addColumn<QStringList>("users");
        const QStringList one = online("ann").values();
        QTest::newRow("own, empty") << ZELTestPeer::messageTree("NEWUSER", {Node("OWN", "EMPTY")}) << QStringList();
        QTest::newRow("own, blank") << ZELTestPeer::messageTree("NEWUSER", {Node("OWN", "")}) << QStringList();
        QTest::newRow("own, seven values") << ZELTestPeer::messageTree("NEWUSER", {Node("OWN", one.mid(0, 7).join(','))})
                                           << QStringList();
        QTest::newRow("own, one and a half")
            << ZELTestPeer::messageTree("NEWUSER", {Node("OWN", (one + online("bob").values().mid(0, 4)).join(','))})
            << QStringList{"ann"};
        QTest::newRow("own, no trailing comma") << ZELTestPeer::messageTree("NEWUSER", {Node("OWN", one.join(','))})
                                                << QStringList{"ann"};
        QTest::newRow("others, truncated")
            << ZELTestPeer::messageTree("NEWUSER", {Node("OTHERS", {Node("U", {Node("A", "ann"), Node("B", "Online")})})})
            << QStringList();
        QTest::newRow("neither list") << ZELTestPeer::messageTree("NEWUSER", {Node("ALL", "ann")}) << QStringList();
    }

    void newUserReadsWholeRecordsOnly()
    {
        QFETCH(QString, xml);
        QFETCH(QStringList, users);
        deliver({xml});
        QCOMPARE(m_client->m_users.keys(), users);
        QCOMPARE(contactTips(m_client->m_activeItem).size(), users.size());
        if (users.isEmpty()) {
            QCOMPARE(visibleTopRows(), QStringList{"Contact List Empty"});
            QVERIFY(!m_client->m_hideOfflineUsersAction->isEnabled());
        }
    }

    void signInNotice_data()
    {
        QTest::addColumn<bool>("emptyList");
        QTest::addColumn<QList<int>>("counts"); // offline messages, files, voice mails, requests
        QTest::addColumn<QString>("notice");
        const QString start = "<b><font color = '#C34A2C'>You have received ";
        QTest::newRow("messages") << true << QList<int>{3, 0, 0, 0} << start + "3 new Offline Message(s)<b>";
        QTest::newRow("files, empty list") << true << QList<int>{0, 2, 0, 0} << start + "2 new files(s)<b>";
        QTest::newRow("files, after contacts") << false << QList<int>{0, 2, 0, 0} << start + "2 new file(s)<b>";
        QTest::newRow("both, files first") << false << QList<int>{1, 2, 4, 0}
                                           << start + "2 new file(s) <br>& 1 new Offline Message(s)<b>";
        QTest::newRow("voice mails") << false << QList<int>{0, 0, 4, 5} << start + "4 new Voice Mail(s)<b>";
        QTest::newRow("requests") << false << QList<int>{0, 0, 0, 5}
                                  << "<font color='#C34A2C'><b>You have received 5 add contact request</b></font>";
        QTest::newRow("nothing waits") << false << QList<int>{0, 0, 0, 0} << "";
    }

    void signInNotice()
    {
        QFETCH(bool, emptyList);
        QFETCH(QList<int>, counts);
        QFETCH(QString, notice);
        m_client->m_unreadOfflineMessageCount = counts[0];
        m_client->m_offlineFileCount = counts[1];
        m_client->m_newVoiceMailCount = counts[2];
        m_client->m_requestedCount = counts[3];
        deliver({emptyList ? ZELTestPeer::messageTree("NEWUSER", {Node("OWN", "EMPTY")}) : ownList({online("ann")})});
        QCOMPARE(m_client->m_notificationPopup->m_noticeLabel->text(), notice);
        QCOMPARE(m_client->m_notificationPopup->isVisible(), !notice.isEmpty());
        QVERIFY(!m_client->m_sessionActive);

        // Once per sign-in.
        m_client->m_notificationPopup->close();
        m_client->m_notificationPopup->m_noticeLabel->clear();
        deliver({othersList({online("bob")})});
        QVERIFY(m_client->m_notificationPopup->m_noticeLabel->text().isEmpty());
    }

    void presentContactsAndConference()
    {
        deliver({ownList({online("ann")})});
        QVERIFY(!m_client->m_conferenceChatAction->isEnabled());
        deliver({othersList({online("bob")})});
        QVERIFY(m_client->m_conferenceChatAction->isEnabled());
        QVERIFY(m_client->m_conferenceChatToolButton->isEnabled());
        QCOMPARE(m_client->m_businessCardPopup->m_businessCardUserNameLable->text(), QString("<b>BOB"));

        // Announced again under another name: still one entry, no ghost.
        Contact renamed = online("bob");
        renamed.name = "Robert";
        deliver({othersList({renamed})});
        QCOMPARE(m_client->m_presentContacts, QStringList({"ann##ANN", "bob##Robert"}));

        // A stale entry beside the current one goes too.
        m_client->m_presentContacts << "bob##BOB";
        deliver({logout("bob")});
        QCOMPARE(m_client->m_presentContacts, QStringList{"ann##ANN"});
        QVERIFY(!m_client->m_conferenceChatAction->isEnabled());
    }

    // A list of many coming online slides the pop-up in once, naming the last
    // of them, as one coming online does.
    void listComingOnlineSlidesOnePopUp()
    {
        deliver({ownList({online("ann")})});
        QWidget *toast = m_client->m_businessCardPopup.get();
        int moves = 0;
        ZELEventCounter counter(toast, QEvent::Move, &moves);
        deliver({othersList({online("bob")})});
        const int oneSlide = moves;
        QVERIFY(oneSlide > 0);

        moves = 0;
        deliver({othersList({online("carl"), offline("dora"), online("eve"), online("finn")})});
        QCOMPARE(moves, oneSlide);
        QCOMPARE(m_client->m_businessCardPopup->m_businessCardUserNameLable->text(), QString("<b>FINN"));
    }

    void comingOnlineLeavesOfflineTree()
    {
        deliver({ownList({offline("ann", "APPROVED", "Sales", "Other Co"), offline("bob")})});
        QCOMPARE(m_client->m_offlineItem->childCount(), 2);
        deliver({othersList({online("ann", "Away", "Sales", "Other Co")})});
        QCOMPARE(m_client->m_offlineItem->childCount(), 1);
        QVERIFY(!ZELContactRow::childByText(m_client->m_offlineItem, "Other Co"));
        QCOMPARE(contactTips(m_client->m_inactiveItem), QStringList{"bob - Offline"});
        QCOMPARE(contactTips(m_client->m_activeItem), QStringList{"ann - Online"});
        QCOMPARE(m_client->m_activeItem->child(0)->text(0), QString("ANN (Away)"));

        // Announced twice: no duplicate rows anywhere.
        deliver({othersList({online("ann", "Away", "Sales", "Other Co")})});
        QCOMPARE(contactTips(m_client->m_onlineItem), QStringList{"ann - Online"});
        QCOMPARE(contactTips(m_client->m_activeItem), QStringList{"ann - Online"});
    }

    // A long list fills a slice at a time: the window answers in between, and
    // what the server sent after the list, in its delivery or the next, is
    // handled after it, in order.
    void longListFillsInSlicesInOrder_data()
    {
        QTest::addColumn<bool>("own");
        QTest::newRow("own list") << true;
        QTest::newRow("others list") << false;
    }

    void longListFillsInSlicesInOrder()
    {
        QFETCH(bool, own);
        const int count = 20000;
        QList<Contact> contacts;
        for (int i = 0; i < count; ++i) {
            const QString user = QStringLiteral("user%1").arg(i);
            contacts << (i % 2 ? offline(user, "APPROVED", QStringLiteral("Dept %1").arg(i % 30))
                               : online(user, "Online", QStringLiteral("Dept %1").arg(i % 30)));
        }
        int answeredWhileFilling = 0;
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, this, [&] { answeredWhileFilling += m_client->slicedWorkPending(); });
        ticker.start(0);

        deliver({own ? ownList(contacts) : othersList(contacts), logout("user0", "Dept 0")});
        deliver({changeStatus("user2", "Busy")});
        QVERIFY(m_client->slicedWorkPending());
        QTRY_VERIFY_WITH_TIMEOUT(!m_client->slicedWorkPending(), 120000);
        QVERIFY(answeredWhileFilling > 0);

        QCOMPARE(m_client->m_users.size(), qsizetype(count));
        QCOMPARE(m_client->m_presentContacts.size(), qsizetype(count / 2 - 1));
        QCOMPARE(m_client->m_users.value("user0").status, QString("Offline"));
        QVERIFY(contactTips(m_client->m_inactiveItem).contains("user0 - Offline"));
        QVERIFY(!contactTips(m_client->m_activeItem).contains("user0 - Online"));
        QCOMPARE(m_client->m_users.value("user2").status, QString("Busy"));
        QCOMPARE(contactTips(m_client->m_activeItem).size(), count / 2 - 1);
    }

    // A user name is a key and is kept whole; one longer than any account's is
    // no contact, in a presence list or an addition, and costs the window nothing.
    void overLongUserNameLeftOut_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("length");
        QTest::addColumn<bool>("kept");
        for (const char *how : {"own list", "others list", "addition"}) {
            QTest::addRow("%s, 4,096 characters", how) << how << 4096 << true;
            QTest::addRow("%s, 4,097 characters", how) << how << 4097 << false;
            QTest::addRow("%s, 4 M characters", how) << how << 4 * 1024 * 1024 << false;
        }
    }

    void overLongUserNameLeftOut()
    {
        QFETCH(QString, how);
        QFETCH(int, length);
        QFETCH(bool, kept);
        const QString user(length, QLatin1Char('u'));
        const Contact contact = online(user);
        if (how == "own list")
            deliver({ownList({contact, online("ann")})});
        else if (how == "others list")
            deliver({othersList({contact, online("ann")})});
        else
            deliver({addName(contact), addName(online("ann"))});
        QTRY_VERIFY(!m_client->slicedWorkPending());
        QVERIFY(m_client->m_users.contains("ann"));
        QCOMPARE(m_client->m_users.contains(user), kept);
        QCOMPARE(contactTips(m_client->m_activeItem).contains(user + " - Online"), kept);
        QCOMPARE(m_client->m_presentContacts.size(), kept ? 2 : 1);
    }

    // Signing out while a long list fills ends the list first: the tree is
    // cleared of all of it, and what waited behind it is still handled.
    void signOutDuringALongList()
    {
        QList<Contact> contacts;
        for (int i = 0; i < 20000; ++i)
            contacts << online(QStringLiteral("user%1").arg(i));
        deliver({ownList(contacts)});
        deliver({changeStatus("user2", "Busy")});
        QVERIFY(m_client->slicedWorkPending());
        m_client->signOutSuccessFull();
        QVERIFY(!m_client->slicedWorkPending());
        QCOMPARE(m_client->m_contactView->topLevelItemCount(), 0);
        QVERIFY(!m_client->m_onlineItem);
        QCOMPARE(m_client->m_users.value("user2").status, QString("Busy"));
        QTest::qWait(50);
        QCOMPARE(m_client->m_contactView->topLevelItemCount(), 0);
    }

    void logoutMovesRow_data()
    {
        QTest::addColumn<QString>("popupSetting");
        QTest::addColumn<bool>("popup");
        QTest::newRow("pop-up on") << "TRUE" << true;
        QTest::newRow("pop-up off") << "FALSE" << false;
    }

    void logoutMovesRow()
    {
        QFETCH(QString, popupSetting);
        QFETCH(bool, popup);
        m_client->m_notificationSettings[ZELNotificationList::GoesOffline] = popupSetting;
        deliver({ownList({online("ann", "Busy"), online("bob", "Online", "Sales")})});
        m_client->m_businessCardPopup->m_businessCardUserNameLable->clear();

        deliver({logout("ann")});
        // The only contact of its company: department and company rows go too.
        QCOMPARE(contactTips(m_client->m_onlineItem), QStringList{"bob - Online"});
        QCOMPARE(m_client->m_onlineItem->child(0)->childCount(), 1);
        QCOMPARE(contactTips(m_client->m_offlineItem), QStringList{"ann - Offline"});
        QCOMPARE(contactTips(m_client->m_inactiveItem), QStringList{"ann - Offline"});
        QCOMPARE(contactTips(m_client->m_activeItem), QStringList{"bob - Online"});
        QCOMPARE(m_client->m_users.value("ann").status, QString("Offline"));
        QCOMPARE(m_client->m_users.value("ann").statusMessage, QString("Left for the day"));
        QCOMPARE(m_client->m_businessCardPopup->m_businessCardUserNameLable->text(),
                 popup ? QString("<b>ANN") : QString());

        // The own login id is not a contact.
        deliver({logout("me")});
        QCOMPARE(contactTips(m_client->m_activeItem), QStringList{"bob - Online"});
    }

    void changeStatusRetitles_data()
    {
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("profile");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("details");
        const QString eleven = "Lead&&Acme&&a@b&&3&&4&&5&&6&&7&&8&&9&&10";
        // Photo and time zone go back in at parts 10 and 11, the company stays part 12.
        QTest::newRow("away, eleven values") << "Away" << eleven << "ANN (Away)"
                                             << "Lead&&Acme&&a@b&&3&&4&&5&&6&&7&&8&&9&&&&GMT+05:30&&10";
        QTest::newRow("back online, short profile") << "Online" << "Lead&&Acme" << "ANN" << "";
    }

    void changeStatusRetitles()
    {
        QFETCH(QString, status);
        QFETCH(QString, profile);
        QFETCH(QString, text);
        QFETCH(QString, details);
        deliver({ownList({online("ann", "Busy")}), changeStatus("ann", status, profile)});
        QCOMPARE(findRow(m_client->m_onlineItem, "ann")->text(0), text);
        QCOMPARE(findRow(m_client->m_activeItem, "ann")->text(0), text);
        const UserRecord record = m_client->m_users.value("ann");
        QCOMPARE(record.status, status);
        QCOMPARE(record.statusMessage, QString("New message"));
        QCOMPARE(record.jobTitle, QString("Lead"));
        QCOMPARE(record.profileDetails, details);
        QCOMPARE(record.timeZone, QString("GMT+05:30"));
        // The message's fourth value is the group row: the department is kept.
        QCOMPARE(record.department, QString("Development"));
    }

    void shortChangeStatusIsIgnored()
    {
        deliver({ownList({online("ann", "Busy")}),
                 ZELTestPeer::message("CHANGESTATUS", {{"USERNAME", "ann"}, {"MESSAGE", "x"}, {"STATUS", "Away"}})});
        QCOMPARE(findRow(m_client->m_activeItem, "ann")->text(0), QString("ANN (Busy)"));
        QCOMPARE(m_client->m_users.value("ann").status, QString("Busy"));
    }

    // Rows that leave the tree take the card's row and the search matches along,
    // whoever takes them out.
    void removedRowsLeaveNoPointers()
    {
        deliver({ownList({online("ann"), online("bob")})});
        QTreeWidgetItem *ann = findRow(m_client->m_activeItem, "ann");
        QTreeWidgetItem *bob = findRow(m_client->m_onlineItem, "bob");
        m_client->m_contactView->setCurrentItem(ann);
        QCOMPARE(m_client->m_expandedContactItem, ann);
        QVERIFY(qobject_cast<ZELProfile *>(m_client->m_contactView->itemWidget(ann, 0)));
        m_client->m_searchMatches = {ann, bob, findRow(m_client->m_onlineItem, "ann")};

        const QTreeWidgetItem *gone = ann;
        deliver({logout("ann")});
        // The card moved on to whichever row is current now, never to a freed one.
        QVERIFY(m_client->m_expandedContactItem != gone);
        QVERIFY(!m_client->m_expandedContactItem || liveRows().contains(m_client->m_expandedContactItem));
        QCOMPARE(m_client->m_searchMatches, QList<QTreeWidgetItem *>{bob});

        delete bob; // as another branch would take a row out
        QVERIFY(m_client->m_searchMatches.isEmpty());
        m_client->m_contactView->clear();
        QCOMPARE(m_client->m_onlineItem, nullptr);
        deliver({ownList({online("carl")}), logout("carl"), changeStatus("carl", "Away")});
    }

    void grouping_data()
    {
        QTest::addColumn<QString>("byDepartment");
        QTest::addColumn<QString>("hideOffline");
        QTest::addColumn<QStringList>("visible");
        QTest::addColumn<QString>("filter");
        QTest::newRow("departments") << "TRUE" << "FALSE" << QStringList{"Online", "Offline"} << "Online";
        QTest::newRow("departments, absent hidden") << "TRUE" << "TRUE" << QStringList{"Online"} << "Online";
        QTest::newRow("flat") << "FALSE" << "FALSE" << QStringList{"Active", "Inactive"} << "Active";
        QTest::newRow("flat, absent hidden") << "FALSE" << "TRUE" << QStringList{"Active"} << "Active";
    }

    void grouping()
    {
        QFETCH(QString, byDepartment);
        QFETCH(QString, hideOffline);
        QFETCH(QStringList, visible);
        QFETCH(QString, filter);
        m_client->m_contactDisplaySettings[ZELContactDisplayList::GroupByDepartment] = byDepartment;
        m_client->m_hideOfflineUsers = hideOffline;
        deliver({ownList({online("ann"), offline("bob")})});
        QCOMPARE(visibleTopRows(), visible);
        QCOMPARE(m_client->m_activeusersearch->text(), filter);
        QVERIFY(m_client->m_hideOfflineUsersAction->isEnabled());

        // A blank first recent-chat entry keeps the row hidden; a name shows it.
        m_client->m_recentChatUsers = {" "};
        m_client->hideFavouritesUsers();
        QVERIFY(m_client->m_recentChatsItem->isHidden());
        m_client->m_recentChatUsers = {"ann"};
        m_client->hideFavouritesUsers();
        QVERIFY(!m_client->m_recentChatsItem->isHidden());
    }

    void hideOfflineAction()
    {
        deliver({ownList({online("ann"), offline("bob")})});
        m_client->m_hideOfflineUsersAction->setChecked(true);
        m_client->hideOfflineUsers();
        QCOMPARE(m_client->m_hideOfflineUsers, QString("TRUE"));
        QVERIFY(m_client->m_offlineItem->isHidden());
        QCOMPARE(m_client->m_hideOfflineUsersAction->text(), QString("Show &Offline Users"));
        QCOMPARE(m_client->m_contactView->currentItem(), m_client->m_contactListEmptyItem);
        m_client->m_hideOfflineUsersAction->setChecked(false);
        m_client->hideOfflineUsers();
        QVERIFY(!m_client->m_offlineItem->isHidden());
        QCOMPARE(m_client->m_hideOfflineUsersAction->text(), QString("Hide &Offline Users"));
    }

    void pendingContacts()
    {
        m_client->addUsersListInMainWindow({"Ann", "ann", "Dev", "Engineer", "Acme",
                                            "Bob", "bob", "Dev", "Tester", "Acme", "cut"},
                                           {"p1", "p2"});
        QCOMPARE(m_client->m_offlineItem->childCount(), 1);
        QTreeWidgetItem *department = m_client->m_offlineItem->child(0)->child(0);
        QCOMPARE(department->childCount(), 2);
        QCOMPARE(contactTips(m_client->m_inactiveItem), QStringList({"ann - Not Approved", "bob - Not Approved"}));
        QCOMPARE(m_client->m_users.value("bob").statusMessage, QString("I am offline"));
        QCOMPARE(m_client->m_users.value("bob").profileDetails, QString("p2"));
        QCOMPARE(m_client->m_users.size(), 2);

        m_client->removeUserNameFromApprovalList({"ADDCONTACT", "x", "ann", "y", "Dev"}, "Acme");
        QCOMPARE(department->childCount(), 1);
        m_client->removeUserNameFromApprovalList({"ADDCONTACT", "x", "bob", "y", "Dev"}, "Acme");
        QCOMPARE(m_client->m_offlineItem->childCount(), 0);
        QVERIFY(contactTips(m_client->m_inactiveItem).isEmpty());
        QCOMPARE(m_client->m_users.size(), 2);
    }

    void sortingAlternates()
    {
        deliver({ownList({online("bob"), online("ann"), online("carl")})});
        QStringList expected[] = {{"ANN", "BOB", "CARL"}, {"CARL", "BOB", "ANN"}, {"ANN", "BOB", "CARL"}};
        for (const QStringList &order : expected) {
            m_client->userListSorting();
            QStringList names;
            for (int i = 0; i < m_client->m_activeItem->childCount(); ++i)
                names << m_client->m_activeItem->child(i)->text(0);
            QCOMPARE(names, order);
        }
    }

    void expandingContactRowCollapsesIt()
    {
        // Sign-in opens the groups without making one of them the current row.
        QVERIFY(m_client->m_inactiveItem->isExpanded());
        QVERIFY(!m_client->m_contactView->currentItem());
        deliver({ownList({online("ann")})});
        QVERIFY(!m_client->m_contactView->currentItem());
        QTreeWidgetItem *ann = findRow(m_client->m_activeItem, "ann");
        m_client->m_contactView->setCurrentItem(ann);
        QVERIFY(m_client->m_contactView->itemWidget(ann, 0));
        m_client->expandTreewidgetUser(ann);
        QVERIFY(!ann->isExpanded());
        QVERIFY(!m_client->m_contactView->itemWidget(ann, 0));
        QCOMPARE(ann->sizeHint(0).height(), 20);
        m_client->m_onlineItem->setExpanded(false);
        m_client->m_onlineItem->setExpanded(true);
        QVERIFY(m_client->m_onlineItem->isExpanded());
    }

    void contactCard_data()
    {
        QTest::addColumn<Contact>("contact");
        QTest::addColumn<QString>("presence");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("chatEnabled");
        QTest::addColumn<bool>("voiceMail");
        QTest::addColumn<QString>("chatText");
        Contact away = online("ann", "Away");
        away.statusMessage = QString(40, 'x');
        QTest::newRow("away, long message") << away << "<b><font color='green'>Away" << QString(32, 'x') + "..."
                                            << true << false << "&Chat";
        QTest::newRow("absent") << offline("ann") << "<b><font color='red'>Offline" << "Gone" << true << true
                                << "Send Offline &Messages";
        QTest::newRow("pending") << offline("ann", "WAIT") << "<b><font color='red'>Not Approved" << "Gone" << false
                                 << false << "";
    }

    void contactCard()
    {
        QFETCH(Contact, contact);
        QFETCH(QString, presence);
        QFETCH(QString, message);
        QFETCH(bool, chatEnabled);
        QFETCH(bool, voiceMail);
        QFETCH(QString, chatText);
        deliver({ownList({contact})});
        QTreeWidgetItem *row = findRow(m_client->m_onlineItem, "ann");
        if (!row)
            row = findRow(m_client->m_offlineItem, "ann");
        m_client->m_contactView->setCurrentItem(row);
        auto *card = qobject_cast<ZELProfile *>(m_client->m_contactView->itemWidget(row, 0));
        QVERIFY(card);
        QCOMPARE(row->sizeHint(0).height(), 70);
        QCOMPARE(card->m_userStatusLabel->text(), presence);
        QCOMPARE(card->m_statusMessageLabel->text(), message);
        QCOMPARE(card->m_userName->text(), QString("<b>&nbsp;&nbsp;ANN"));
        QCOMPARE(card->m_chatToolButton->isEnabled(), chatEnabled);
        QVERIFY(card->m_defaultPicture);
        QCOMPARE(m_client->m_selectedUserName, QString("ann"));
        QCOMPARE(m_client->m_selectedContactTimeZone, QString("GMT+05:30"));
        QCOMPARE(m_client->m_voiceMailAction->isEnabled(), voiceMail);
        QCOMPARE(m_client->m_chatAction->isEnabled(), chatEnabled);
        QVERIFY(m_client->m_contactRemoveAction->isEnabled());
        if (!chatText.isEmpty())
            QCOMPARE(m_client->m_chatAction->text(), chatText);

        // A group row takes the card away and switches every action off.
        m_client->m_contactView->setCurrentItem(m_client->m_onlineItem);
        QVERIFY(!m_client->m_contactView->itemWidget(row, 0));
        QCOMPARE(row->sizeHint(0).height(), 20);
        QVERIFY(!m_client->m_chatAction->isEnabled());
        QVERIFY(!m_client->m_contactRemoveAction->isEnabled());
    }

    // Which of the six contact controls are enabled: voice mail, chat action,
    // chat button, remove, view profile, e-mail.
    QString controlStates() const
    {
        QString states;
        for (bool on : {m_client->m_voiceMailAction->isEnabled(), m_client->m_chatAction->isEnabled(),
                        m_client->m_chatToolButton->isEnabled(), m_client->m_contactRemoveAction->isEnabled(),
                        m_client->m_viewProfileAction->isEnabled(), m_client->m_sendEmailAction->isEnabled()})
            states += on ? '1' : '0';
        return states;
    }

    // A row by its path of row texts or user names from a top-level row.
    QTreeWidgetItem *rowAt(const QString &path) const
    {
        QTreeWidgetItem *row = nullptr;
        for (const QString &step : path.split('/')) {
            QTreeWidgetItem *next = nullptr;
            const int count = row ? row->childCount() : m_client->m_contactView->topLevelItemCount();
            for (int i = 0; i < count && !next; ++i) {
                QTreeWidgetItem *child = row ? row->child(i) : m_client->m_contactView->topLevelItem(i);
                if (child->text(0) == step || ZELContactRow::userName(child) == step)
                    next = child;
            }
            row = next;
            if (!row)
                return nullptr;
        }
        return row;
    }

    void rightClick_data()
    {
        QTest::addColumn<QString>("row");
        QTest::addColumn<QString>("states");
        QTest::addColumn<bool>("menu");
        QTest::newRow("present") << "Active/ann" << "011111" << true;
        QTest::newRow("absent") << "Inactive/bob" << "111111" << true;
        QTest::newRow("pending") << "Inactive/cat" << "000100" << true;
        QTest::newRow("present, by department") << "Online/Acme/Development/ann" << "011111" << true;
        QTest::newRow("group row") << "Active" << "000000" << false;
        QTest::newRow("company under Offline") << "Offline/Acme" << "000000" << false;
        QTest::newRow("company under Online") << "Online/Acme" << "111111" << false;
        QTest::newRow("department") << "Offline/Acme/Development" << "111111" << false;
    }

    // A right-click in the tree, as the window system delivers it to the
    // tree's viewport, sets the contact controls and opens the contact menu.
    void rightClick()
    {
        QFETCH(QString, row);
        QFETCH(QString, states);
        QFETCH(bool, menu);
        deliver({ownList({online("ann"), offline("bob"), offline("cat", "WAIT")})});
        QTreeWidget *tree = m_client->m_contactView;
        QTreeWidgetItem *item = rowAt(row);
        QVERIFY(item);
        tree->setCurrentItem(item);
        for (QAction *action : {m_client->m_voiceMailAction, m_client->m_chatAction, m_client->m_contactRemoveAction,
                                m_client->m_viewProfileAction, m_client->m_sendEmailAction})
            action->setEnabled(true);
        m_client->m_chatToolButton->setEnabled(true);

        // The menu runs modally: the controls are read when it opens, and it
        // is closed as soon as it shows.
        bool opened = false;
        QString seen;
        QString chatText;
        QMenu *contactMenu = m_client->m_contactContextMenu;
        connect(contactMenu, &QMenu::aboutToShow, m_client, [&] {
            opened = true;
            seen = controlStates();
            chatText = m_client->m_chatToolButton->text();
        });
        QTimer closer;
        connect(&closer, &QTimer::timeout, contactMenu, [contactMenu] {
            if (contactMenu->isVisible())
                contactMenu->close();
        });
        closer.start(10);
        const QPoint at(5, 5);
        QContextMenuEvent click(QContextMenuEvent::Mouse, at, tree->viewport()->mapToGlobal(at));
        QApplication::sendEvent(tree->viewport(), &click);
        closer.stop();
        QCOMPARE(opened, menu);
        QCOMPARE(opened ? seen : controlStates(), states);
        QVERIFY(!m_client->m_contactMenuRequested);
        if (row == QLatin1String("Inactive/bob")) {
            QCOMPARE(m_client->m_chatAction->text(), QString("Send Offline &Messages"));
            QCOMPARE(chatText, QString("Offline"));
            QCOMPARE(m_client->m_selectedUserName, QString("bob"));
        }
    }

    void previewClickOpensTheChat_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<int>("tab");
        QTest::newRow("message") << "CHAT" << 0;
        QTest::newRow("file") << "FTPREADY" << 2;
    }

    // A press on the preview, passed on by the main window's filter, brings
    // the minimised chat back; a file preview shows the download page.
    void previewClickOpensTheChat()
    {
        QFETCH(QString, type);
        QFETCH(int, tab);
        deliver({ownList({online("ann")})});
        m_client->createChatWindow("ann");
        ZELChatWindow *window = m_client->m_chatWindows.value("ann");
        QVERIFY(window);
        window->showMinimized();
        ZELPopup *popup = m_client->m_notificationPopup.get();
        m_client->showChatPopupWidget({type, "me", "ann", "hello", "", "", "", "hello", "ANN"}, "ANN");
        QVERIFY(popup->isVisible());
        popup->setAttribute(Qt::WA_UnderMouse); // the pointer is on it
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), popup->m_messageLabel->mapToGlobal(QPointF(5, 5)),
                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(popup->m_messageLabel, &press);
        QVERIFY(!popup->isVisible());
        QVERIFY(!window->isMinimized());
        QCOMPARE(window->Chat->currentIndex(), tab);
    }

    void localTime_data()
    {
        QTest::addColumn<QString>("zone");
        QTest::addColumn<QString>("time");
        QTest::newRow("east") << "GMT+05:30" << "03:30:00 pm";
        QTest::newRow("west") << "GMT-03:30" << "06:30:00 am";
        QTest::newRow("bare") << "GMT" << "10:00:00 am";
        QTest::newRow("empty") << "" << "10:00:00 am";
    }

    void localTime()
    {
        QFETCH(QString, zone);
        QFETCH(QString, time);
        const QDateTime tenUtc(QDate(2024, 3, 1), QTime(10, 0), Qt::UTC);
        QCOMPARE(ZELContactRow::timeInZone(zone, tenUtc), time);
    }

    void mailTo_data()
    {
        QTest::addColumn<QString>("email");
        QTest::addColumn<bool>("known");
        QTest::addColumn<QString>("opened");
        QTest::newRow("address") << "ann@example.com" << true << "mailto:ann@example.com";
        QTest::newRow("no record") << "ann@example.com" << false << "";
        // The whole value is the address: it adds no field to the mail.
        QTest::newRow("mail fields") << "ann@example.com?attach=/etc/passwd" << true
                                     << "mailto:ann@example.com%3Fattach=/etc/passwd";
    }

    void mailTo()
    {
        QFETCH(QString, email);
        QFETCH(bool, known);
        QFETCH(QString, opened);
        Contact ann = online("ann");
        ann.email = email;
        deliver({ownList({ann})});
        if (!known)
            m_client->m_users.remove("ann");
        m_client->m_contactView->setCurrentItem(findRow(m_client->m_activeItem, "ann"));
        m_client->mailToFunction();
        QCOMPARE(m_desktop.openedUrls.isEmpty(), opened.isEmpty());
        if (!opened.isEmpty())
            QCOMPARE(m_desktop.openedUrls.first().toString(), opened);
    }

    // Wherever a contact's name, department or status message shows, it
    // shows as the text it is: no markup of it takes effect, and a click on
    // it opens nothing.
    void peerTextStaysText_data()
    {
        QTest::addColumn<QString>("place");
        for (const char *place : {"contact card", "chat window", "offline window", "meeting notice", "sign-in toast",
                                  "chat preview", "protected message pop-up"})
            QTest::newRow(place) << place;
    }

    void peerTextStaysText()
    {
        QFETCH(QString, place);
        const QString hostile = "<a href='ssh://h'>A&amp;B</a>";
        ZELDirectOpenings direct;
        Contact ann = online("ann", "Meeting", hostile);
        ann.name = hostile;
        ann.statusMessage = hostile;
        deliver({ownList({ann})});
        m_client->m_chatWindowSettings = ZELChatWindowList::defaults();
        m_client->m_chatWindowSettings[ZELChatWindowList::WarnMeeting] = "TRUE";
        m_client->m_chatWindowSettings[ZELChatWindowList::DisplayInfoBox] = "TRUE";

        QList<QLabel *> labels;
        if (place == "contact card") {
            m_client->m_contactView->setCurrentItem(findRow(m_client->m_onlineItem, "ann"));
            auto *card = qobject_cast<ZELProfile *>(
                m_client->m_contactView->itemWidget(findRow(m_client->m_onlineItem, "ann"), 0));
            QVERIFY(card);
            labels = {card->m_userName, card->m_statusMessageLabel};
        } else if (place == "chat window" || place == "offline window") {
            if (place == "chat window")
                m_client->createChatWindow("ann");
            else
                m_client->openChatWindowForOfflineMessage("ann", QString(), QString(), hostile, QString());
            ZELChatWindow *window =
                m_client->m_chatWindows.value(place == "chat window" ? "ann" : "annOfflineMessage");
            QVERIFY(window);
            labels = {window->m_logoLabel, window->m_userNameLabel, window->m_userRoleLabel,
                      window->m_userStatusLabel};
        } else if (place == "meeting notice") {
            m_client->processForActiveUsers(findRow(m_client->m_activeItem, "ann"), "Active");
            QVERIFY(m_client->m_informationBox->isVisible());
            labels = {m_client->m_informationBox->m_messageText};
        } else if (place == "sign-in toast") {
            m_client->raisePopUp(hostile, "Online");
            labels = {m_client->m_businessCardPopup->m_businessCardUserNameLable};
        } else if (place == "chat preview") {
            m_client->showChatPopupWidget({"CHAT", "me", "ann", "hello", "", "", "", "hello", ""}, hostile);
            labels = {m_client->m_notificationPopup->m_messageLabel};
        } else {
            m_client->showPasswordProtectPopup("ann", hostile);
            labels = {m_client->m_notificationPopup->m_messageLabel};
        }
        for (QLabel *label : std::as_const(labels)) {
            QVERIFY2(zelShownText(label).contains(hostile), qPrintable(label->objectName() + ": " + label->text()));
            zelClickAllOver(label);
        }
        QCOMPARE(m_desktop.openedUrls, QList<QUrl>());
        QCOMPARE(direct.urls, QList<QUrl>());
        m_client->m_informationBox->close();
    }

    void chatPreview_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("breaks");
        QTest::newRow("exactly 40") << 40 << 0;
        QTest::newRow("45") << 45 << 1;
        QTest::newRow("81") << 81 << 2;
    }

    void chatPreview()
    {
        QFETCH(int, length);
        QFETCH(int, breaks);
        const QStringList chat{"CHAT", "me", "ann", "", "", "", "", QString(length, 'a'), ""};
        m_client->showChatPopupWidget(chat, "Ann");
        const QString text = m_client->m_notificationPopup->m_messageLabel->text();
        QCOMPARE(text.count("<br>"), 2 + breaks);
        QCOMPARE(m_client->m_popupChatUser, QString("ann"));
        QVERIFY(m_client->m_notificationPopup->isVisible());
        // Notifications never take the keys the user is typing elsewhere.
        QVERIFY(!QApplication::activePopupWidget());
        m_client->raisePopUp("Ann", "Online");
        QVERIFY(m_client->m_businessCardPopup->isVisible());
        QVERIFY(!QApplication::activePopupWidget());
        m_client->m_businessCardPopup->close();

        // While one preview shows, the next is dropped.
        m_client->showChatPopupWidget({"CHAT", "me", "bob", "", "", "", "", "hi", ""}, "Bob");
        QCOMPARE(m_client->m_notificationPopup->m_messageLabel->text(), text);
        m_client->m_notificationPopup->close();
    }
    // Every open window offers the contacts online for invitation as they
    // sign in, are added, sign out and are removed, whether its list is in
    // sight while that happens or is shown only afterwards.
    void invitableListsFollowTheContacts_data()
    {
        QTest::addColumn<bool>("inSight");
        QTest::newRow("list in sight") << true;
        QTest::newRow("list shown afterwards") << false;
    }

    void invitableListsFollowTheContacts()
    {
        QFETCH(bool, inSight);
        const auto deletePresent = [](const QString &user) {
            return ZELTestPeer::message("DELETENAME", {{"U", user}, {"D", "Development"}, {"P", "1"}, {"C", "Acme"}});
        };
        m_client->createChatWindow("zed");
        ZELChatWindow *window = m_client->m_chatWindows.value("zed");
        QVERIFY(window);
        // The page as the user opens it, and its rows as they are on the screen.
        const auto showList = [window] {
            window->Chat->addTab(window->m_conferenceTab, "Conference Chat");
            window->Chat->setCurrentWidget(window->m_conferenceTab);
            // A page built while the window is shown shows once the event loop has run.
            QTRY_VERIFY(window->m_onlineUsersListBox->isVisible());
        };
        const auto shownRows = [window] {
            QStringList rows;
            for (int i = 0; i < window->m_onlineUsersListBox->count(); ++i) {
                const QListWidgetItem *row = window->m_onlineUsersListBox->item(i);
                rows << row->toolTip() + "##" + row->text();
            }
            return rows;
        };
        if (inSight)
            showList();

        const std::pair<QString, QStringList> steps[] = {
            {ownList({online("ann"), offline("bob"), online("cat"), online("eve")}), {"ann##ANN", "cat##CAT", "eve##EVE"}},
            {logout("ann"), {"cat##CAT", "eve##EVE"}},
            {deletePresent("cat"), {"eve##EVE"}},
            {addName(online("dan")), {"eve##EVE", "dan##DAN"}},
            {othersList({online("bob")}), {"eve##EVE", "dan##DAN", "bob##BOB"}},
            {othersList({online("eve")}), {"eve##EVE", "dan##DAN", "bob##BOB"}},
        };
        for (const auto &[message, rows] : steps) {
            deliver({message});
            if (inSight)
                QCOMPARE(shownRows(), rows);
        }
        if (!inSight)
            showList();
        QCOMPARE(shownRows(), steps[std::size(steps) - 1].second);
    }

    // The contact's chat window follows the status, is shut down at sign-out
    // and opened again when the contact returns, with a status entry each time.
    void chatWindowFollowsPresence()
    {
        m_client->m_chatWindowSettings = ZELChatWindowList::defaults();
        m_client->m_chatWindowSettings[ZELChatWindowList::ShowStatusChange] = "TRUE";
        deliver({ownList({online("ann"), online("bob")})});
        m_client->createChatWindow("ann");
        ZELChatWindow *window = m_client->m_chatWindows.value("ann");
        QVERIFY(window);
        // The presence picture keeps the title band's size through every change.
        const auto picture = [window] { return window->m_statusPixmap->pixmap().size(); };
        QCOMPARE(picture(), QSize(15, 15));

        deliver({changeStatus("ann", "Away")});
        QCOMPARE(picture(), QSize(15, 15));
        QCOMPARE(window->m_logoLabel->text(), QString("Chatting with ANN (Away)"));
        QCOMPARE(window->m_userStatusLabel->text(), QString("New message"));
        QCOMPARE(window->totalMessage->toPlainText().count("Status :: New message"), 1);

        deliver({logout("ann")});
        QCOMPARE(picture(), QSize(15, 15));
        QVERIFY(window->m_peerSignedOut);
        QCOMPARE(window->m_peerStatus, QString("Offline"));
        QCOMPARE(window->m_logoLabel->text(), QString("Chatting with ANN (Offline)"));
        QVERIFY(!window->serverMessage->isEnabled());
        QVERIFY(window->totalMessage->toPlainText().contains("Status :: Left for the day"));
        // Presence changes wait for the list of a page the one-to-one window
        // never showed, without building it; reading the rows builds it.
        QVERIFY(!window->hasConferencePage());
        QCOMPARE(window->invitableUsers().list()->count(), 1);
        QCOMPARE(window->invitableUsers().list()->item(0)->toolTip(), QString("bob"));

        deliver({othersList({online("ann")})});
        QCOMPARE(picture(), QSize(15, 15));
        QVERIFY(!window->m_peerSignedOut);
        QVERIFY(window->serverMessage->isEnabled());
        QCOMPARE(window->m_logoLabel->text(), QString("Chatting with ANN (Online)"));
        QVERIFY(window->totalMessage->toPlainText().endsWith("Status :: Working"));
        QCOMPARE(window->invitableUsers().list()->findItems("ANN", Qt::MatchExactly).size(), 1);
    }

    void openingFromFlatGroups_data()
    {
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("warnMeeting");
        QTest::addColumn<bool>("fromActive");
        QTest::addColumn<bool>("opens");
        QTest::addColumn<bool>("warned");
        QTest::newRow("online") << "Online" << "TRUE" << true << true << false;
        QTest::newRow("meeting, warned") << "Meeting" << "TRUE" << true << true << true;
        QTest::newRow("meeting, not warned") << "Meeting" << "FALSE" << true << true << false;
        QTest::newRow("under Inactive") << "Online" << "TRUE" << false << false << false;
    }

    void openingFromFlatGroups()
    {
        QFETCH(QString, status);
        QFETCH(QString, warnMeeting);
        QFETCH(bool, fromActive);
        QFETCH(bool, opens);
        QFETCH(bool, warned);
        m_client->m_chatWindowSettings = ZELChatWindowList::defaults();
        m_client->m_chatWindowSettings[ZELChatWindowList::WarnMeeting] = warnMeeting;
        deliver({ownList({online("ann", status)})});
        m_client->processForActiveUsers(findRow(m_client->m_activeItem, "ann"), fromActive ? "Active" : "Inactive");
        QCOMPARE(m_client->m_chatWindows.contains("ann"), opens);
        QCOMPARE(m_client->m_informationBox->isVisible(), warned);
        if (warned)
            QVERIFY(m_client->m_informationBox->m_messageText->text().contains("ANN <font color = 'black'> in meeting"));
        m_client->m_informationBox->close();
    }

    // Every way of opening a conversation with an absent contact opens the
    // offline-message window for that contact.
    void absentContactOpensOfflineMessageWindow_data()
    {
        QTest::addColumn<QString>("route");
        QTest::addColumn<bool>("flat");
        for (const char *route : {"double-click", "Ctrl+C in the tree", "chat button", "menu action",
                                  "card envelope"}) {
            QTest::newRow(qPrintable(QString(route) + ", by department")) << route << false;
            QTest::newRow(qPrintable(QString(route) + ", under Inactive")) << route << true;
        }
    }

    void absentContactOpensOfflineMessageWindow()
    {
        QFETCH(QString, route);
        QFETCH(bool, flat);
        deliver({ownList({online("ann"), offline("carl")})});
        m_client->show();
        QTreeWidget *tree = m_client->m_contactView;
        QTreeWidgetItem *row = findRow(flat ? m_client->m_inactiveItem : m_client->m_offlineItem, "carl");
        QVERIFY(row);
        tree->setCurrentItem(row);
        tree->setFocus();
        QCOMPARE(m_client->m_chatAction->text(), QString("Send Offline &Messages"));

        if (route == "double-click") {
            emit tree->itemDoubleClicked(row, 0);
        } else if (route == "Ctrl+C in the tree") {
            QTest::keyClick(tree, Qt::Key_C, Qt::ControlModifier);
        } else if (route == "chat button") {
            m_client->m_chatToolButton->click();
        } else if (route == "menu action") {
            m_client->m_chatAction->trigger();
        } else {
            auto *card = qobject_cast<ZELProfile *>(tree->itemWidget(row, 0));
            QVERIFY(card);
            QCOMPARE(card->m_chatToolButton->toolTip(), QString("Send Offline Messages"));
            card->m_chatToolButton->click();
        }
        ZELChatWindow *window = m_client->m_chatWindows.value("carlOfflineMessage");
        QVERIFY(window);
        QCOMPARE(window->windowTitle(), QString("Sending Offline Messages for CARL"));
        QCOMPARE(window->m_offlinePeer, QString("carl"));
        QVERIFY(!m_client->m_chatWindows.contains("carl"));

        // Asking again brings the same window forward.
        m_client->m_chatAction->trigger();
        QCOMPARE(m_client->m_chatWindows.size(), 1);
    }

    // The peer's picture in a chat or offline-message window opens the
    // profile card of that peer.
    void peerPictureOpensProfileCard_data()
    {
        QTest::addColumn<bool>("offlineWindow");
        QTest::newRow("chat window") << false;
        QTest::newRow("offline-message window") << true;
    }

    void peerPictureOpensProfileCard()
    {
        QFETCH(bool, offlineWindow);
        deliver({ownList({online("ann")})});
        ZELChatWindow *window = nullptr;
        if (offlineWindow) {
            m_client->openChatWindowForOfflineMessage("ann", "", "", "ANN", "");
            window = m_client->m_chatWindows.value("annOfflineMessage");
        } else {
            m_client->createChatWindow("ann");
            window = m_client->m_chatWindows.value("ann");
        }
        QVERIFY(window);
        QVERIFY(!m_client->findChild<ZELUserProfileDialog *>());
        QTest::mousePress(window->m_userStatusPixmap, Qt::LeftButton);
        auto *card = m_client->findChild<ZELUserProfileDialog *>();
        QVERIFY(card);
        QVERIFY(card->isVisible());
        QCOMPARE(m_client->m_selectedUserName, QString("ann"));
    }

    // End to end: a signed-in client takes its list and the presence changes off the wire.
    void presenceOverTheWire()
    {
        delete m_client;
        m_client = nullptr;
        const QString dataFolder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/ZEL";
        QDir(dataFolder).removeRecursively();
        ZELTestPeer peer;
        QVERIFY(peer.listen());
        const QStringList connection{peer.host(), QString::number(peer.port()), "NoProxy", "", "", "", ""};
        QVERIFY(ZELPreferencesFile(dataFolder).create(connection));
        m_client = new ZELClient;
        m_client->m_workerThread->setTickInterval(50);
        QVERIFY(peer.waitForConnection());
        QVERIFY(peer.waitForRequest("CHECKVERSION").isValid());
        peer.sendFile("<BANNEREMPTY><BANNEREND>");
        QTRY_VERIFY(!m_client->m_fileDataAwaited);
        m_client->userNameEdit->setEditText("me");
        m_client->passWordEdit->setText("secret");
        m_client->signButton->click();
        QVERIFY(peer.waitForRequest("LOGIN").isValid());
        m_client->m_notificationSettings[ZELNotificationList::GoesOffline] = "FALSE";
        peer.sendTexts({ZELTestPeer::message("LOGIN", {{"RESULT", "SUCCESSLOGIN"}, {"NAME", "Me"}, {"MARQUEE", ""},
                                                       {"INVISIBLE", "1"}, {"PROFILE", ""}}),
                        ownList({online("ann"), online("bob", "Busy", "Sales"), offline("carl")})});
        QTRY_COMPARE(m_client->m_users.size(), 3);
        QCOMPARE(m_client->stackedWidget->currentWidget(), m_client->MainPage);
        QCOMPARE(contactTips(m_client->m_activeItem), QStringList({"ann - Online", "bob - Online"}));
        QVERIFY(m_client->m_conferenceChatAction->isEnabled());

        peer.sendTexts({changeStatus("ann", "Meeting"), logout("bob", "Sales")});
        QTRY_COMPARE(m_client->m_users.value("bob").status, QString("Offline"));
        QCOMPARE(findRow(m_client->m_activeItem, "ann")->text(0), QString("ANN (Meeting)"));
        QCOMPARE(contactTips(m_client->m_inactiveItem), QStringList({"carl - Offline", "bob - Offline"}));
        QCOMPARE(m_client->m_presentContacts, QStringList{"ann##ANN"});
        QVERIFY(!m_client->m_conferenceChatAction->isEnabled());
    }
};

ZEL_TEST_MAIN(TestContacts)
#include "tst_contacts.moc"
