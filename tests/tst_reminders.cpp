#include <QComboBox>
#include <QGuiApplication>
#include <QScreen>
#include <QDateEdit>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTimeEdit>

#include <ctime>

#include "core/zelclient.h"
#include "protocol/zeltcpsocket.h"
#include "core/zelthread.h"
#include "peer/zeltestpeer.h"
#include "platform/zelfakeinputmonitor.h"
#include "platform/zelplatform.h"
#include "reminders/zelreminderdialog.h"
#include "reminders/zelreminderpopup.h"
#include "style/zelmessageboxclass.h"
#include "zeltestmain.h"

namespace {

QString inSeconds(qint64 seconds)
{
    return ZELReminderDialog::dueText(QDateTime::currentDateTime().addSecs(seconds));
}

QString inDays(int days)
{
    return ZELReminderDialog::dueText(QDateTime(QDate::currentDate().addDays(days), QTime(10, 30)));
}

// Seconds between a due text and now plus the offset; large when the text does not read.
qint64 distance(const QString &dueText, qint64 offsetSeconds)
{
    const QDateTime due = QDateTime::fromString(dueText, Qt::TextDate);
    if (!due.isValid())
        return 1 << 30;
    return qAbs(due.secsTo(QDateTime::currentDateTime().addSecs(offsetSeconds)));
}

} // namespace

// Reminders end to end: a real client, signed in as "anita", talks through the
// protocol test peer; the dialog, the pop-up and the dispatcher drive it.
class TestReminders : public QObject
{
    Q_OBJECT

private:
    using Fields = ZELTestPeer::Fields;

    ZELFakeInputMonitor m_input;
    ZELTestPeer *m_peer = nullptr;
    ZELClient *m_client = nullptr;

    ZELReminderDialog *dialog() const { return m_client->m_reminderDialog.get(); }
    ZELReminderPopup *popup() const { return m_client->m_reminderPopup.get(); }

    // The text block as the socket hands it over: each message followed by ":::".
    void deliver(const QStringList &xmls)
    {
        QByteArray text;
        for (const QString &xml : xmls)
            text += xml.toLatin1() + ":::";
        QByteArray files;
        m_client->messageFromServer(text, files);
    }

    // A server message holding the values as children, in order.
    static QString serverMessage(const QString &type, const QStringList &values)
    {
        Fields fields;
        for (const QString &value : values)
            fields << qMakePair(QStringLiteral("V"), value);
        return ZELTestPeer::message(type, fields);
    }

    // A request sent after everything asked before it: what came earlier has arrived.
    void fence()
    {
        QStringList keepAlive{"KEEPALIVE", "fence"};
        m_client->convertXMLSendToServer(keepAlive);
        QVERIFY(m_peer->waitForRequest("KEEPALIVE").isValid());
    }

    QStringList sentTypes()
    {
        fence();
        QStringList types = m_peer->requestTypes();
        types.removeAll("KEEPALIVE");
        return types;
    }

    QStringList tableRows() const
    {
        QStringList rows;
        const QTableWidget *table = dialog()->m_reminderTable;
        for (int row = 0; row < table->rowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < table->columnCount(); ++column)
                cells << (table->item(row, column) ? table->item(row, column)->text() : QString("<none>"));
            rows << cells.join('|');
        }
        return rows;
    }

    QStringList mapRecords() const
    {
        QStringList records;
        for (const ReminderRecord &r : std::as_const(m_client->m_reminders))
            records << QStringList{r.reminderId, r.state, r.subject, r.dueDateTime, r.assignee, r.owner}.join('|');
        return records;
    }

    void chooseAssignee(const QString &detail)
    {
        if (detail.isEmpty())
            return;
        dialog()->m_assigneeName->insertItem(-1, detail.section("##", 0, 0));
        dialog()->m_assigneeDetails << detail;
        dialog()->m_assigneeName->setCurrentIndex(0);
    }

    void typeReminder(const QString &subject, const QDateTime &due)
    {
        dialog()->m_remindingTextEdit->setText(subject);
        dialog()->m_dateEdit->setDate(due.date());
        dialog()->m_timeEdit->setTime(due.time());
    }

    QString informationText() const { return dialog()->m_informationBox->m_messageText->text(); }

    // The zone the machine's clock is in (a POSIX TZ text, no zone files needed).
    static void setMachineZone(const char *tz)
    {
        qputenv("TZ", tz);
        tzset();
    }

    // An own reminder due the given number of seconds from now, loaded as the server sends it.
    void loadOwn(const QString &id, const QString &subject, qint64 dueIn, const QString &assignee = "Self",
                 const QString &owner = "Self")
    {
        deliver({serverMessage("SELFREMINDERS", {id, subject, inSeconds(dueIn), "Awaiting", assignee, owner, "Self"})});
    }

private slots:
    void initTestCase()
    {
        ZELPlatform::setInputMonitor(&m_input);
        setMachineZone("UTC0");
    }

    void cleanupTestCase()
    {
        ZELPlatform::setInputMonitor(nullptr);
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
        m_client->m_users.insert("ravi", UserRecord{"Engineer", "Ravi Kumar", "Sales", "Online", "At my desk",
                                                    "", "ravi", "", "GMT+05:30"});
        fence();
        m_peer->clearRequests();
    }

    void cleanup()
    {
        setMachineZone("UTC0");
        ZELMessageBoxClass::setTestAnswerHook({});
        m_client->m_workerThread->stop();
        delete m_client;
        m_client = nullptr;
        delete m_peer;
        m_peer = nullptr;
    }

    // ------------------------------------------------------------------
    // The hand-over: the earliest "Awaiting" record due within a year, else "EMPTY".
    void scheduling_data()
    {
        QTest::addColumn<QStringList>("records"); // id|state|seconds from now ("x": unreadable)
        QTest::addColumn<QString>("chosen");      // empty: the "EMPTY" hand-over
        const QString year = QString::number(366LL * 24 * 3600);
        QTest::newRow("no record") << QStringList() << "";
        QTest::newRow("all triggered") << QStringList{"a|Triggered|60", "b|Triggered|-60"} << "";
        QTest::newRow("only one beyond a year") << QStringList{"a|Awaiting|" + year} << "";
        QTest::newRow("earliest awaiting") << QStringList{"b|Awaiting|600", "c|Awaiting|60", "d|Triggered|30"}
                                           << "c";
        QTest::newRow("same time: later id") << QStringList{"01/Jan/2026 a|Awaiting|120",
                                                            "02/Jan/2026 a|Awaiting|120"}
                                             << "02/Jan/2026 a";
        QTest::newRow("past due first") << QStringList{"a|Awaiting|-3600", "b|Awaiting|60"} << "a";
        QTest::newRow("unreadable due rings at once") << QStringList{"b|Awaiting|90", "a|Awaiting|x"} << "a";
    }

    void scheduling()
    {
        QFETCH(QStringList, records);
        QFETCH(QString, chosen);
        QMap<QString, QString> dues;
        for (const QString &line : records) {
            const QStringList f = line.split('|');
            if (f.size() < 3)
                continue;
            const QString due = f[2] == "x" ? QString("next Tuesday") : inSeconds(f[2].toLongLong());
            dues.insert(f[0], due);
            m_client->m_reminders.insert(f[0], ReminderRecord{f[0], f[1], "S-" + f[0], due, "Self", "Self"});
        }
        m_client->scheduleNextReminder();

        const ZELThread::Reminder next = m_client->m_workerThread->nextReminder();
        QCOMPARE(next.id, chosen);
        if (chosen.isEmpty()) {
            QCOMPARE(next.subject, QString("EMPTY"));
            QVERIFY(qAbs(next.due.secsTo(QDateTime::currentDateTime().addMonths(12))) <= 5);
        } else {
            QCOMPARE(next.subject, "S-" + chosen);
            if (QDateTime::fromString(dues.value(chosen), Qt::TextDate).isValid())
                QCOMPARE(ZELReminderDialog::dueText(next.due), dues.value(chosen));
            else
                QVERIFY(qAbs(next.due.secsTo(QDateTime::currentDateTime())) <= 5);
        }
    }

    // ------------------------------------------------------------------
    // What the dialog's Add, Update and Delete send, per assignee.
    void dialogRequests_data()
    {
        QTest::addColumn<QString>("assigneeDetail"); // empty: "Self"
        QTest::addColumn<QString>("assignee");
        QTest::addColumn<QString>("shownName");
        QTest::addColumn<int>("zoneSeconds");       // -1: "Self"
        QTest::newRow("own") << "" << "Self" << "Self" << -1;
        QTest::newRow("contact east") << "Ravi Kumar##ravi##GMT+05:30" << "ravi" << "Ravi Kumar" << 19800;
        QTest::newRow("contact west") << "Ravi Kumar##ravi##GMT-03:30" << "ravi" << "Ravi Kumar" << -12600;
        QTest::newRow("contact at GMT, not a contact") << "Zed##zed##GMT" << "zed" << "zed" << 0;
    }

    void dialogRequests()
    {
        QFETCH(QString, assigneeDetail);
        QFETCH(QString, assignee);
        QFETCH(QString, shownName);
        QFETCH(int, zoneSeconds);
        chooseAssignee(assigneeDetail);
        const QDateTime due(QDate::currentDate().addDays(2), QTime(9, 15, 0));
        const auto zoneText = [&](const QDateTime &moment) {
            if (zoneSeconds < 0 && assigneeDetail.isEmpty())
                return QString("Self");
            const QDateTime utc = moment.toUTC().addSecs(zoneSeconds);
            return ZELReminderDialog::dueText(QDateTime(utc.date(), utc.time()));
        };

        // Add: the subject is trimmed.
        typeReminder("  Call Bob ", due);
        QVERIFY(dialog()->m_addReminderButton->isEnabled());
        dialog()->m_addReminderButton->click();
        const ZELTestPeer::Request add = m_peer->waitForRequest("ADDREMINDER");
        QVERIFY(add.isValid());
        QCOMPARE(add.tags(), QStringList({"KEY", "SUBJECT", "DATETIME", "STATUS", "ASSIGNEE", "GMTTIME"}));
        const QString id = add.value("KEY");
        QVERIFY(QDateTime::fromString(id, "dd/MMM/yyyy hh:mm:ss:zzz").isValid());
        QCOMPARE(add.value("SUBJECT"), QString("Call Bob"));
        QCOMPARE(add.value("DATETIME"), ZELReminderDialog::dueText(due));
        QCOMPARE(add.value("STATUS"), QString("Awaiting"));
        QCOMPARE(add.value("ASSIGNEE"), assignee);
        QCOMPARE(add.value("GMTTIME"), zoneText(due));
        QVERIFY(!add.value("GMTTIME").endsWith("GMT"));
        const QString shownDue = due.date().toString(Qt::TextDate) + " 09:15:00 am";
        const QStringList row{"Call Bob", shownDue, "Awaiting", id, assignee, shownName};
        QCOMPARE(tableRows(), QStringList{row.join('|')});
        // Only own reminders can ring here.
        QCOMPARE(m_client->m_reminders.contains(id), assignee == "Self");
        QCOMPARE(dialog()->m_remindingTextEdit->text(), QString());

        // Update: the selected row, a new subject and time.
        dialog()->rowSelected(0, 0);
        QCOMPARE(dialog()->m_remindingTextEdit->text(), QString("Call Bob"));
        QCOMPARE(dialog()->m_timeEdit->time(), QTime(9, 15, 0));
        QVERIFY(!dialog()->m_assigneeName->isEnabled());
        dialog()->m_reminderTable->selectRow(0);
        const QDateTime later = due.addSecs(3600);
        typeReminder("Call Bob twice", later);
        dialog()->m_editReminderButton->click();
        const ZELTestPeer::Request edit = m_peer->waitForRequest("EDITREMINDER");
        QVERIFY(edit.isValid());
        QCOMPARE(edit.tags(), QStringList({"KEY", "SUBJECT", "DATETIME", "STATUS", "ASSIGNEE", "GMT"}));
        QCOMPARE(edit.value("KEY"), id);
        QCOMPARE(edit.value("SUBJECT"), QString("Call Bob twice"));
        QCOMPARE(edit.value("DATETIME"), ZELReminderDialog::dueText(later));
        QCOMPARE(edit.value("ASSIGNEE"), assignee);
        QCOMPARE(edit.value("GMT"), zoneText(later));
        QCOMPARE(informationText(), QString("Successfully Updated"));
        QCOMPARE(dialog()->m_reminderTable->item(0, 0)->text(), QString("Call Bob twice"));
        if (assignee == "Self")
            QCOMPARE(m_client->m_reminders.value(id).dueDateTime, ZELReminderDialog::dueText(later));

        // Delete, confirmed. The updated row is still the remembered one, so the
        // first click on it lets it go and the second selects it again.
        ZELMessageBoxClass::setTestAnswerHook([](const QString &, const QString &) { return int(QMessageBox::Yes); });
        dialog()->rowSelected(0, 0);
        QVERIFY(!dialog()->m_deleteReminderButton->isEnabled());
        dialog()->rowSelected(0, 0);
        QVERIFY(dialog()->m_deleteReminderButton->isEnabled());
        dialog()->m_reminderTable->selectRow(0);
        dialog()->m_deleteReminderButton->click();
        const ZELTestPeer::Request removal = m_peer->waitForRequest("DELETEREMINDER");
        QCOMPARE(removal.tags(), QStringList({"KEY", "ASSIGNEE"}));
        QCOMPARE(removal.value("KEY"), id);
        QCOMPARE(removal.value("ASSIGNEE"), assignee);
        QCOMPARE(tableRows(), QStringList());
        QVERIFY(m_client->m_reminders.isEmpty());
    }

    // Refused input: an information box and no request.
    void dialogRefusals_data()
    {
        QTest::addColumn<QString>("subject");
        QTest::addColumn<int>("secondsAhead");
        QTest::addColumn<QString>("text");
        QTest::newRow("blank subject") << "   " << 3600 << "Subject should not be empty.";
        QTest::newRow("time over") << "Stand-up" << -120 << "You are trying to set a time which is already over. "
                                                            "Please set future time.";
        QTest::newRow("same subject, same assignee") << " Call Bob  " << 3600
                                                     << "The subject you have mentioned is already Present. "
                                                        "So please set a new subject.";
    }

    void dialogRefusals()
    {
        QFETCH(QString, subject);
        QFETCH(int, secondsAhead);
        QFETCH(QString, text);
        loadOwn("01/Jan/2026 10:00:00:000", "Call Bob", 7200);
        const QStringList before = tableRows();
        typeReminder(subject, QDateTime::currentDateTime().addSecs(secondsAhead));
        dialog()->addReminder();
        QCOMPARE(informationText(), text);
        QCOMPARE(sentTypes(), QStringList());
        QCOMPARE(tableRows(), before);
    }

    // The menu entry opens the dialog reset and modal; while it shows, the entry only alerts it.
    void menuEntryOpensDialog()
    {
        dialog()->m_remindingTextEdit->setText("Left over");
        dialog()->m_selectedRow = 3;
        m_client->m_remindersAction->trigger();
        QVERIFY(dialog()->isVisible());
        QVERIFY(dialog()->isModal());
        QCOMPARE(dialog()->m_remindingTextEdit->text(), QString());
        QCOMPARE(dialog()->m_assigneeName->currentText(), QString("Self"));
        QCOMPARE(dialog()->m_selectedRow, -1);
        QCOMPARE(dialog()->m_dateEdit->date(), QDate::currentDate());

        dialog()->m_remindingTextEdit->setText("Typed");
        m_client->m_remindersAction->trigger();
        QCOMPARE(dialog()->m_remindingTextEdit->text(), QString("Typed"));
        // Escape closes through the close handler, which empties the subject.
        QTest::keyClick(dialog(), Qt::Key_Escape);
        QVERIFY(!dialog()->isVisible());
        QCOMPARE(dialog()->m_remindingTextEdit->text(), QString());
    }

    // Selecting a row reads its shown time back; a contact whose name contains
    // "Self" lies above "Self" and catches an own row, whose update is then refused.
    void rowSelectionReadsTheRowBack_data()
    {
        QTest::addColumn<QTime>("time");
        QTest::addColumn<QString>("contact"); // an assignee entry added first, or empty
        QTest::newRow("just after midnight") << QTime(0, 5, 9) << "";
        QTest::newRow("just after noon") << QTime(12, 5, 9) << "";
        QTest::newRow("evening") << QTime(21, 15, 0) << "";
        QTest::newRow("Selfridge above Self") << QTime(21, 15, 0) << "Selfridge##selfridge##GMT";
    }

    void rowSelectionReadsTheRowBack()
    {
        QFETCH(QTime, time);
        QFETCH(QString, contact);
        if (!contact.isEmpty()) {
            dialog()->m_assigneeName->insertItem(-1, contact.section("##", 0, 0));
            dialog()->m_assigneeDetails << contact;
        }
        const QDateTime due(QDate::currentDate().addDays(5), time);
        deliver({serverMessage("SELFREMINDERS", {"id1", "Dentist", ZELReminderDialog::dueText(due), "Awaiting",
                                                 "Self", "Self", "Self"})});
        dialog()->m_reminderTable->selectRow(0);
        dialog()->rowSelected(0, 0);
        QCOMPARE(dialog()->m_timeEdit->time(), time);
        QCOMPARE(dialog()->m_dateEdit->date(), due.date());
        QCOMPARE(dialog()->m_remindingTextEdit->text(), QString("Dentist"));
        QVERIFY(!dialog()->m_addReminderButton->isEnabled());
        QVERIFY(dialog()->m_editReminderButton->isEnabled());

        dialog()->m_dateEdit->setDate(due.date().addDays(1));
        dialog()->editReminder();
        if (contact.isEmpty()) {
            QCOMPARE(informationText(), QString("Successfully Updated"));
            QCOMPARE(sentTypes(), QStringList{"EDITREMINDER"});
        } else {
            QCOMPARE(dialog()->m_assigneeName->currentText(), QString("Selfridge"));
            QCOMPARE(informationText(), QString("You cannot change the assignee."));
            QCOMPARE(sentTypes(), QStringList());
        }
    }

    // While the connection is down, typing enables nothing and row clicks are ignored.
    void dialogWhileDisconnected()
    {
        loadOwn("id1", "Dentist", 7200);
        dialog()->disableReminderButtons();
        dialog()->m_remindingTextEdit->setText("Call Bob");
        QVERIFY(!dialog()->m_addReminderButton->isEnabled());
        dialog()->rowSelected(0, 0);
        QVERIFY(!dialog()->m_editReminderButton->isEnabled());
        QCOMPARE(dialog()->m_remindingTextEdit->text(), QString("Call Bob"));
        dialog()->enableReminderButtons();
        QVERIFY(dialog()->m_addReminderButton->isEnabled());
    }

    // Removing a contact deletes that contact's reminders on the server, one request each.
    void contactRemovalDeletesItsReminders()
    {
        deliver({serverMessage("CROSSREMINDERS", {"id1", "Lunch", inDays(3), "Awaiting", "ravi", "Ravi Kumar", "x",
                                                  "id2", "Sync", inDays(4), "Awaiting", "sita", "Sita", "x",
                                                  "id3", "Review", inDays(5), "Awaiting", "ravi", "Ravi Kumar", "x"})});
        dialog()->deleteContactFromReminder("ravi", true);
        QCOMPARE(m_peer->waitForRequest("DELETEREMINDER").value("KEY"), QString("id1"));
        QCOMPARE(m_peer->waitForRequest("DELETEREMINDER").value("KEY"), QString("id3"));
        QCOMPARE(sentTypes(), QStringList({"DELETEREMINDER", "DELETEREMINDER"}));
        QCOMPARE(tableRows().size(), 1);
        QCOMPARE(dialog()->m_reminderTable->item(0, ZELReminderDialog::IdColumn)->text(), QString("id2"));
    }

    // ------------------------------------------------------------------
    // The six reminder messages: what the map and the table hold afterwards. None sends anything.
    void dispatcherRows_data()
    {
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QStringList>("records"); // id|state|subject|due|assignee|owner
        QTest::addColumn<QStringList>("rows");    // the six cells of each table row
        const QString d1 = inDays(3);
        const QString d2 = inDays(4);
        const QString t1 = ZELReminderDialog::tableDateTime(d1);
        const QString t2 = ZELReminderDialog::tableDateTime(d2);
        const QStringList own{"id1", "Call Bob", d1, "Awaiting", "Self", "Self", "Self"};
        const QStringList fromPriya{"id2", "Review", d1, "Awaiting", "priya", "Priya", d2};
        const QStringList forRavi{"id3", "Lunch", d1, "Triggered", "ravi", "Ravi Kumar", "x"};

        QTest::newRow("self reminders, own and set by another")
            << QStringList{serverMessage("SELFREMINDERS", own + fromPriya)}
            << QStringList{"id1|Awaiting|Call Bob|" + d1 + "|Self|Self", "id2|Awaiting|Review|" + d2 + "|priya|Priya"}
            << QStringList{"Call Bob|" + t1 + "|Awaiting|id1|Self|Self"};
        QTest::newRow("self reminders, only the type") << QStringList{serverMessage("SELFREMINDERS", {})}
                                                       << QStringList() << QStringList();
        QTest::newRow("self reminders, incomplete record left out")
            << QStringList{serverMessage("SELFREMINDERS", own + fromPriya.mid(0, 4))}
            << QStringList{"id1|Awaiting|Call Bob|" + d1 + "|Self|Self"}
            << QStringList{"Call Bob|" + t1 + "|Awaiting|id1|Self|Self"};
        QTest::newRow("cross reminders") << QStringList{serverMessage("CROSSREMINDERS", forRavi + forRavi.mid(0, 3))}
                                         << QStringList()
                                         << QStringList{"Lunch|" + t1 + "|Triggered|id3|ravi|Ravi Kumar"};
        QTest::newRow("add cross reminder")
            << QStringList{serverMessage("ADDCROSSREMINDER", {"id4", "Sync", "unread", "Awaiting", "Self", "priya", d2})}
            << QStringList{"id4|Awaiting|Sync|" + d2 + "|Self|priya"} << QStringList();
        QTest::newRow("delete cross reminder")
            << QStringList{serverMessage("SELFREMINDERS", own), serverMessage("DELETECROSSREMINDER", {"id1"})}
            << QStringList() << QStringList();
        QTest::newRow("delete cross reminder, unknown id")
            << QStringList{serverMessage("SELFREMINDERS", own), serverMessage("DELETECROSSREMINDER", {"id9"})}
            << QStringList{"id1|Awaiting|Call Bob|" + d1 + "|Self|Self"}
            << QStringList{"Call Bob|" + t1 + "|Awaiting|id1|Self|Self"};
        QTest::newRow("snooze cross reminder")
            << QStringList{serverMessage("CROSSREMINDERS", forRavi), serverMessage("SNOOZECROSSREMINDER", {"id3", d2})}
            << QStringList() << QStringList{"Lunch|" + t2 + "|Awaiting|id3|ravi|Ravi Kumar"};
        QTest::newRow("delete reminder list")
            << QStringList{serverMessage("SELFREMINDERS", own), serverMessage("CROSSREMINDERS", forRavi),
                           serverMessage("DELETEREMINDERLIST", {"ravi"})}
            << QStringList{"id1|Awaiting|Call Bob|" + d1 + "|Self|Self"}
            << QStringList{"Call Bob|" + t1 + "|Awaiting|id1|Self|Self"};
    }

    void dispatcherRows()
    {
        QFETCH(QStringList, messages);
        QFETCH(QStringList, records);
        QFETCH(QStringList, rows);
        deliver(messages);
        QCOMPARE(mapRecords(), records);
        QCOMPARE(tableRows(), rows);
        QCOMPARE(sentTypes(), QStringList());
    }

    // ------------------------------------------------------------------
    // A reminder set by somebody else comes as wall-clock time in the zone of
    // this user's profile; it rings at the moment its owner chose whatever
    // zone the machine is in, and a snooze goes back in the profile's zone.
    void zonedReminderRingsAtOwnersMoment_data()
    {
        QTest::addColumn<QByteArray>("machineZone");
        QTest::addColumn<QString>("profileZone");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("profileOffset"); // seconds east of UTC, as written out
        const struct {
            const char *name;
            const char *machine;
            const char *profile;
            int offset;
        } zones[] = {
            {"machine at UTC, profile GMT+01:00", "UTC0", "GMT+01:00", 3600},
            {"machine east, profile west", "IST-5:30", "GMT-03:30", -12600},
            {"machine and profile alike", "CET-1", "GMT+01:00", 3600},
            {"profile without a zone", "EST5", "", 0},
        };
        for (const auto &zone : zones) {
            for (const char *message : {"SELFREMINDERS", "ADDCROSSREMINDER"})
                QTest::addRow("%s, %s", zone.name, message)
                    << QByteArray(zone.machine) << zone.profile << message << zone.offset;
        }
    }

    void zonedReminderRingsAtOwnersMoment()
    {
        QFETCH(QByteArray, machineZone);
        QFETCH(QString, profileZone);
        QFETCH(QString, message);
        QFETCH(int, profileOffset);
        setMachineZone(machineZone.constData());
        QStringList profile(12);
        profile[10] = profileZone; // the time zone of the own profile
        m_client->m_ownProfile = profile;
        const QDateTime chosen = QDateTime::currentDateTime().addSecs(120);
        const QString onWire = ZELReminderDialog::dueText(chosen.toUTC().addSecs(profileOffset));
        const QString id = "10/Dec/2026 09:00:00:000";
        if (message == "SELFREMINDERS")
            deliver({serverMessage(message, {id, "Stand-up", inDays(1), "Awaiting", "priya", "Priya", onWire})});
        else
            deliver({serverMessage(message, {id, "Stand-up", "unread", "Awaiting", "anita", "priya", onWire})});

        const ZELThread::Reminder next = m_client->m_workerThread->nextReminder();
        QCOMPARE(next.id, id);
        QVERIFY2(qAbs(next.due.secsTo(chosen)) <= 1, qPrintable(next.due.toString() + " / " + chosen.toString()));

        m_client->m_reminders[id].state = "Triggered";
        QStringList snooze{id, "60"};
        m_client->reminderIsSnoozed(snooze);
        fence();
        const ZELTestPeer::Request sent = m_peer->waitForRequest("SNOOZEREMINDER", 0);
        const QDateTime later = QDateTime::currentDateTime().addSecs(3600);
        const QDateTime sentWall = QDateTime::fromString(sent.value("DATETIME"), Qt::TextDate);
        const QDateTime wantedWall = QDateTime::fromString(
            ZELReminderDialog::dueText(later.toUTC().addSecs(profileOffset)), Qt::TextDate);
        QVERIFY2(sentWall.isValid() && qAbs(sentWall.secsTo(wantedWall)) <= 2, qPrintable(sent.value("DATETIME")));
        QVERIFY(qAbs(m_client->m_workerThread->nextReminder().due.secsTo(later)) <= 1);
    }

    // A due time that does not read rings at once and says so, rather than
    // waiting unseen for ever.
    void unreadableDueRingsAtOnce_data()
    {
        QTest::addColumn<QString>("due");
        QTest::addColumn<QString>("shown");
        QTest::newRow("empty") << "" << "No time given";
        QTest::newRow("year 0") << "Sat Jan 1 10:00:00 0" << "Unreadable time: Sat Jan 1 10:00:00 0";
        QTest::newRow("30 February") << "Mon Feb 30 10:00:00 2026" << "Unreadable time: Mon Feb 30 10:00:00 2026";
        QTest::newRow("words") << "next Tuesday" << "Unreadable time: next Tuesday";
    }

    void unreadableDueRingsAtOnce()
    {
        QFETCH(QString, due);
        QFETCH(QString, shown);
        loadOwn("a", "Later", 600);
        deliver({serverMessage("SELFREMINDERS", {"b", "Odd one", due, "Awaiting", "Self", "Self", "Self"})});
        const ZELThread::Reminder next = m_client->m_workerThread->nextReminder();
        QCOMPARE(next.id, QString("b"));
        QVERIFY(qAbs(next.due.secsTo(QDateTime::currentDateTime())) <= 5);
        QCOMPARE(dialog()->m_reminderTable->item(1, ZELReminderDialog::DueColumn)->text(), shown);

        m_client->reminderPopupDisplay(next.subject, next.id, ZELReminderDialog::dueText(next.due));
        QVERIFY(popup()->isVisible());
        QCOMPARE(popup()->m_reminderDisplayText->text(), QString("Odd one"));
        QCOMPARE(popup()->m_dateTimeLabel->text(), "Date & Time : " + shown);
        // Snoozed, it waits for a real time.
        popup()->m_snoozeTime->setCurrentText("5");
        popup()->m_snoozeButton->click();
        QVERIFY(qAbs(m_client->m_workerThread->nextReminder().due.secsTo(QDateTime::currentDateTime().addSecs(300))) <= 5);
    }

    // ------------------------------------------------------------------
    // A due reminder fills the pop-up; each way of answering it sends one request.
    void popupAnswers_data()
    {
        QTest::addColumn<QString>("owner");   // "Self": an own reminder
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("request"); // empty: nothing sent
        QTest::newRow("own, snooze") << "Self" << "snooze" << "SNOOZEREMINDER";
        QTest::newRow("own, dismiss") << "Self" << "dismiss" << "DELETEREMINDER";
        QTest::newRow("own, title close button") << "Self" << "close button" << "SNOOZEREMINDER";
        QTest::newRow("own, escape") << "Self" << "escape" << "SNOOZEREMINDER";
        QTest::newRow("set by another, snooze") << "Priya" << "snooze" << "SNOOZEREMINDER";
        QTest::newRow("set by another, dismiss") << "Priya" << "dismiss" << "DELETEREMINDER";
        QTest::newRow("closed on connection loss") << "Self" << "connection lost" << "";
    }

    void popupAnswers()
    {
        QFETCH(QString, owner);
        QFETCH(QString, answer);
        QFETCH(QString, request);
        const QString id = "09/Dec/2026 08:00:00:000";
        const QString assignee = owner == "Self" ? QString("Self") : QString("priya");
        const QString due = inSeconds(-5);
        loadOwn(id, "Pay rent", -5, assignee, owner);
        popup()->m_snoozeTime->setCurrentIndex(8); // shown again with "1"

        m_client->reminderPopupDisplay("Pay rent", id, due);
        QVERIFY(popup()->isVisible());
        QCOMPARE(popup()->m_reminderDisplayText->text(), QString("Pay rent"));
        QCOMPARE(popup()->windowTitle(), QString("Pay rent - Reminder"));
        QCOMPARE(popup()->m_logoLabel->text(), QString("ZEL Reminder"));
        QCOMPARE(popup()->m_dateTimeLabel->text(), "Date & Time : " + ZELReminderDialog::tableDateTime(due));
        QCOMPARE(popup()->m_assigneeNameLabel->isVisibleTo(popup()), owner != "Self");
        if (owner != "Self")
            QCOMPARE(popup()->m_assigneeNameLabel->text(), QString("Assignee : Priya"));
        QCOMPARE(popup()->m_snoozeTime->currentText(), QString("1"));
        QCOMPARE(m_client->m_reminders.value(id).state, QString("Triggered"));
        if (owner == "Self")
            QCOMPARE(dialog()->m_reminderTable->item(0, ZELReminderDialog::StateColumn)->text(), QString("Triggered"));
        // The triggered reminder is no longer handed over.
        QCOMPARE(m_client->m_workerThread->nextReminder().subject, QString("EMPTY"));

        popup()->m_snoozeTime->setCurrentText("60");
        if (answer == "snooze") {
            popup()->m_snoozeButton->click();
        } else if (answer == "dismiss") {
            popup()->m_dismissButton->click();
        } else if (answer == "close button") {
            popup()->m_closeButton->click();
        } else if (answer == "escape") {
            QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QApplication::sendEvent(popup(), &escape);
        } else {
            popup()->disablePopupButtons();
            popup()->close();
        }
        QVERIFY(!popup()->isVisible());
        QCOMPARE(sentTypes(), request.isEmpty() ? QStringList() : QStringList{request});

        if (request == "SNOOZEREMINDER") {
            const ZELTestPeer::Request snooze = m_peer->waitForRequest(request, 0);
            QCOMPARE(snooze.tags(), QStringList({"KEY", "ASSIGNEE", "DATETIME"}));
            QCOMPARE(snooze.value("KEY"), id);
            QCOMPARE(snooze.value("ASSIGNEE"), assignee);
            QVERIFY(distance(snooze.value("DATETIME"), 3600) <= 5);
            const ReminderRecord record = m_client->m_reminders.value(id);
            QCOMPARE(record.state, QString("Awaiting"));
            QCOMPARE(record.dueDateTime, snooze.value("DATETIME"));
            QCOMPARE(m_client->m_workerThread->nextReminder().id, id);
            if (owner == "Self") {
                QCOMPARE(dialog()->m_reminderTable->item(0, ZELReminderDialog::DueColumn)->text(),
                         ZELReminderDialog::tableDateTime(record.dueDateTime));
                QCOMPARE(dialog()->m_reminderTable->item(0, ZELReminderDialog::StateColumn)->text(),
                         QString("Awaiting"));
            }
        } else if (request == "DELETEREMINDER") {
            const ZELTestPeer::Request removal = m_peer->waitForRequest(request, 0);
            QCOMPARE(removal.value("KEY"), id);
            QCOMPARE(removal.value("ASSIGNEE"), assignee);
            QVERIFY(m_client->m_reminders.isEmpty());
            QCOMPARE(tableRows(), QStringList());
        }
    }

    // The pop-up comes to rest just above half the desktop's height, x at half
    // that height; a desktop too low for it leaves it at the top.
    void popupPlacement()
    {
        QCOMPARE(ZELReminderPopup::restingPlace(1080, 160), QPoint(540, 379));
        loadOwn("a", "First", -5);
        m_client->reminderPopupDisplay("First", "a", inSeconds(-5));
        const int height = QGuiApplication::primaryScreen()->virtualGeometry().height();
        const QPoint expected = height / 2 > popup()->height() ? QPoint(height / 2, height / 2 - popup()->height() - 1)
                                                               : QPoint(height / 2, 0);
        QCOMPARE(popup()->pos(), expected);
        QCOMPARE(popup()->size(), QSize(300, 160));
        QVERIFY(popup()->windowFlags() & Qt::WindowStaysOnTopHint);
    }

    // Reports that announce nothing: the pop-up already showing, a reminder no
    // longer there, one snoozed meanwhile (a report still queued from before).
    void reportsThatAnnounceNothing_data()
    {
        QTest::addColumn<QString>("situation");
        QTest::newRow("pop-up showing") << "showing";
        QTest::newRow("deleted meanwhile") << "deleted";
        QTest::newRow("snoozed meanwhile") << "snoozed";
    }

    void reportsThatAnnounceNothing()
    {
        QFETCH(QString, situation);
        loadOwn("a", "First", -5);
        loadOwn("b", "Second", -2);
        const QString id = situation == "deleted" ? QString("gone") : QString("b");
        if (situation == "showing")
            m_client->reminderPopupDisplay("First", "a", inSeconds(-5));
        if (situation == "snoozed")
            m_client->m_reminders["b"].dueDateTime = inSeconds(600);
        const bool shownBefore = popup()->isVisible();

        m_client->reminderPopupDisplay("Second", id, inSeconds(-2));
        QCOMPARE(popup()->isVisible(), shownBefore);
        QCOMPARE(m_client->m_reminders.value("b").state, QString("Awaiting"));
        QVERIFY(popup()->m_reminderDisplayText->text() != QString("Second"));
        QCOMPARE(sentTypes(), QStringList());
    }

    // The worker thread's report reaches the pop-up; a reminder that falls due
    // while another is shown comes once that one is answered.
    void workerThreadAnnouncesInTurn()
    {
        ZELThread *thread = m_client->m_workerThread;
        thread->setTickInterval(10);
        thread->activityMonitor = true;
        loadOwn("a", "First", -5);
        loadOwn("b", "Second", -2);
        thread->start();
        QTRY_VERIFY(popup()->isVisible());
        const QString first = popup()->m_keyEditBox->text();
        QCOMPARE(first, QString("a"));
        // Several reports pass while it shows; none replaces it.
        QTest::qWait(50);
        QCOMPARE(popup()->m_keyEditBox->text(), first);
        popup()->m_dismissButton->click();
        QTRY_VERIFY(popup()->isVisible());
        QCOMPARE(popup()->m_keyEditBox->text(), QString("b"));
        QCOMPARE(popup()->m_reminderDisplayText->text(), QString("Second"));
        thread->stop();
    }
};

ZEL_TEST_MAIN(TestReminders)
#include "tst_reminders.moc"
