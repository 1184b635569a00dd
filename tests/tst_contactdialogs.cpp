#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QScopeGuard>
#include <QHeaderView>
#include <QTableWidget>
#include <QTimer>
#include <QTreeWidget>

#include "chat/zelrequestdialog.h"
#include "contacts/zeladdcontact.h"
#include "contacts/zelapprovaladdcontact.h"
#include "contacts/zelapprovalrequesteduser.h"
#include "contacts/zeldeletecontact.h"
#include "contacts/zelprofilesettings.h"
#include "contacts/zeluserprofiledialog.h"
#include "core/zelclient.h"
#include "protocol/zelparsedmessage.h"
#include "protocol/zelsettingslists.h"
#include "protocol/zeltcpsocket.h"
#include "mainwindow/zelcontactrow.h"
#include "peer/zeltestpeer.h"
#include "platform/zelfakechoosers.h"
#include "platform/zelfakedesktopservices.h"
#include "platform/zelplatform.h"
#include "reminders/zelreminderdialog.h"
#include "style/zelframelesshelper.h"
#include "style/zelmessageboxclass.h"
#include "style/zeltextbounds.h"
#include "zellinkclicks.h"
#include "zeltestmain.h"

// The contact dialogs and their glue: search and add, remove, approvals,
// requested users, the profile card and the own-profile editor, driven through
// the main widget as the dispatcher and the menus reach them, with the
// requests read back by the protocol peer.
class TestContactDialogs : public QObject
{
    Q_OBJECT

private:
    ZELTestPeer *m_peer = nullptr;
    ZELClient *m_client = nullptr;
    ZELFakeChoosers m_choosers;
    QStringList m_questions; // titles of the questions answered

    void answerQuestions(bool yes)
    {
        m_questions.clear();
        ZELMessageBoxClass::setTestAnswerHook([this, yes](const QString &title, const QString &) {
            m_questions << title;
            return yes ? int(QMessageBox::Yes) : int(QMessageBox::No);
        });
    }

    void deliver(const QStringList &xmls)
    {
        QByteArray text;
        for (const QString &xml : xmls)
            text += xml.toLatin1() + ":::";
        QByteArray files;
        m_client->messageFromServer(text, files);
    }

    // A profile string of 14 values; 1 is the company of presence lists, 12 of searches.
    static QString profile(const QString &company)
    {
        QStringList values(14);
        values[0] = "Engineer";
        values[1] = company;
        values[2] = "x@example.com";
        values[5] = "Main Street";
        values[9] = "12345";
        values[11] = "GMT+05:30";
        values[12] = company;
        return values.join("&&");
    }

    static QString searchAnswer(const QList<QStringList> &users, bool truncated = false)
    {
        QList<ZELTestPeer::Node> found;
        for (const QStringList &user : users) {
            found << ZELTestPeer::Node("NAME", user.at(0)) << ZELTestPeer::Node("LOGIN", user.at(1))
                  << ZELTestPeer::Node("DEPT", "Sales") << ZELTestPeer::Node("PROFILE", profile("Acme"));
        }
        if (truncated)
            found << ZELTestPeer::Node("NAME", "Cut");
        return ZELTestPeer::messageTree("ADDCONTACT", {ZELTestPeer::Node("SEARCHKEYWORD", found)});
    }

    // One waiting request of an approval list, and the message listing several.
    static QString approvalRequest(const QString &login, const QString &name)
    {
        QStringList values(12);
        values[1] = login + "@example.com";
        values[11] = "Acme";
        return QStringList{login, name, "Sales", "Engineer", "", values.join("&&")}.join('#');
    }

    static QString approvalStatus(const QStringList &requests)
    {
        ZELTestPeer::Fields fields;
        for (const QString &r : requests)
            fields << qMakePair(QString("REQUEST"), r);
        return ZELTestPeer::message("ADDCONTACTAPPROVALSTATUS", fields);
    }

    // A click the way a user makes it: through the window, so a window held by
    // another one's modality does not take it.
    static void userClick(QWidget *widget)
    {
        QWidget *window = widget->window();
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                          widget->mapTo(window, widget->rect().center()));
    }

    static void check(QTableWidget *table, int row, int column)
    {
        table->item(row, column)->setCheckState(Qt::Checked);
    }

    void addRecord(const QString &user, const QString &name, const QString &status = "Online")
    {
        m_client->m_users.insert(user, UserRecord{"Engineer", name, "Sales", status, "", profile("Acme"), user, "",
                                                  "GMT"});
    }

    // A request sent after everything asked before it: what came earlier has arrived.
    void fence()
    {
        QStringList keepAlive{"KEEPALIVE", "fence"};
        m_client->convertXMLSendToServer(keepAlive);
        QVERIFY(m_peer->waitForRequest("KEEPALIVE").isValid());
    }

private slots:
    void init()
    {
        ZELPlatform::setChoosers(&m_choosers);
        m_peer = new ZELTestPeer;
        QVERIFY(m_peer->listen());
        m_client = new ZELClient;
        m_client->m_tcpSocket->connectToHost(m_peer->host(), m_peer->port());
        QVERIFY(m_peer->waitForConnection());
        QTRY_COMPARE(m_client->m_tcpSocket->state(), QAbstractSocket::ConnectedState);
        m_client->m_loginId = "me";
        m_client->m_notificationSettings = ZELNotificationList::defaults();
        m_client->m_contactDisplaySettings = ZELContactDisplayList::defaults();
        m_client->m_contactDisplaySettings[ZELContactDisplayList::GroupByDepartment] = "TRUE";
        m_client->successFullLoginStatus({"LOGIN", "SUCCESSLOGIN", "Me Myself", "", "1", ""});
    }

    void cleanup()
    {
        ZELMessageBoxClass::setTestAnswerHook({});
        ZELPlatform::setChoosers(nullptr);
        delete m_client;
        m_client = nullptr;
        delete m_peer;
        m_peer = nullptr;
        while (QApplication::overrideCursor())
            QApplication::restoreOverrideCursor();
    }

    // ------------------------------------------------------------------
    void searchSendsKeyword_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("sent");
        QTest::newRow("star asks for everybody") << "*" << " ";
        QTest::newRow("star inside is kept") << "a*" << "a*";
    }

    void searchSendsKeyword()
    {
        QFETCH(QString, typed);
        QFETCH(QString, sent);
        ZELAddContact *dialog = m_client->m_addContactDialog.get();
        m_client->addContactWindow();
        QVERIFY(dialog->isVisible());
        dialog->m_keywordOrUser->setText(typed);
        QVERIFY(dialog->m_searchButton->isEnabled());
        dialog->m_searchButton->click();
        const ZELTestPeer::Request request = m_peer->waitForRequest("ADDCONTACT");
        // The peer's reader drops a value made of blanks only: read the text sent.
        QVERIFY2(request.xml.contains("<SEARCHKEYWORD>" + sent + "</SEARCHKEYWORD>"), qPrintable(request.xml));
        QVERIFY(m_client->m_waitCursorShown);
        QVERIFY(!dialog->m_searchButton->isEnabled());

        deliver({ZELTestPeer::messageTree("ADDCONTACT", {ZELTestPeer::Node("SEARCHKEYWORD", QString())})});
        QVERIFY(!m_client->m_waitCursorShown);
        QVERIFY(!QApplication::overrideCursor());
        QVERIFY(dialog->m_resultLabel->isVisible());
        QCOMPARE(dialog->m_resultLabel->text(), QString("No match found"));
        QVERIFY(dialog->m_showALLButton->isEnabled());
    }

    // A profile that carries a long list of values of its own is kept in a
    // few pieces, its known values read in place, and handed on whole.
    void searchResultKeepsLongProfileInPieces()
    {
        ZELAddContact *dialog = m_client->m_addContactDialog.get();
        m_client->addContactWindow();
        const QString longProfile = profile("Acme") + QString("&&v").repeated(100000);
        const QString answer = ZELTestPeer::messageTree(
            "ADDCONTACT", {ZELTestPeer::Node("SEARCHKEYWORD", {ZELTestPeer::Node("NAME", "Zoe"), ZELTestPeer::Node("LOGIN", "zoe"),
                                                              ZELTestPeer::Node("DEPT", "Sales"),
                                                              ZELTestPeer::Node("PROFILE", longProfile)})});
        deliver({answer});
        QCOMPARE(dialog->m_resulttable->item(0, ZELAddContact::CompanyColumn)->text(), QString("Acme"));
        QCOMPARE(dialog->m_resulttable->item(0, ZELAddContact::JobTitleColumn)->text(), QString("Engineer"));
        const QStringList kept = dialog->m_userProfiles.value("zoe");
        QCOMPARE(kept.size(), ProfileParts);
        QCOMPARE(kept.join("&&"), longProfile);

        QStringList handedOn;
        connect(dialog, &ZELAddContact::addContact, this,
                [&handedOn](QStringList, QStringList, QStringList profiles) { handedOn = profiles; });
        check(dialog->m_resulttable, 0, 1);
        answerQuestions(true);
        dialog->m_addButton->click();
        QCOMPARE(handedOn, QStringList{longProfile});
    }

    void searchResultsAddCheckedUsers()
    {
        ZELAddContact *dialog = m_client->m_addContactDialog.get();
        m_client->addContactWindow();
        // A truncated last record is dropped, not read past the list's end.
        deliver({searchAnswer({{"Zoe", "zoe"}, {"Adam", "adam"}, {"Mia", "mia"}}, true)});
        QTableWidget *table = dialog->m_resulttable;
        QCOMPARE(table->rowCount(), 3);
        // Sorted by the user-name column.
        QCOMPARE(table->item(0, 2)->text(), QString("adam"));
        QCOMPARE(table->item(2, 2)->text(), QString("zoe"));
        QCOMPARE(table->item(0, 1)->text(), QString("  Adam"));
        QCOMPARE(table->item(0, 3)->text(), QString("Acme"));
        QCOMPARE(table->item(0, 5)->text(), QString("Engineer"));

        check(table, 0, 1);
        check(table, 2, 1);
        QCOMPARE(dialog->m_checkedCount, 2);
        QVERIFY(dialog->m_addButton->isEnabled());

        answerQuestions(false);
        dialog->m_addButton->click();
        QCOMPARE(m_questions, QStringList{"Add Contact"});
        QCOMPARE(table->rowCount(), 3);
        QCOMPARE(table->item(0, 1)->checkState(), Qt::Unchecked);
        QCOMPARE(table->item(2, 1)->checkState(), Qt::Unchecked);
        QCOMPARE(dialog->m_checkedCount, 0);

        check(table, 0, 1);
        check(table, 2, 1);
        answerQuestions(true);
        dialog->m_addButton->click();
        const ZELTestPeer::Request request = m_peer->waitForRequest("ADDCONTACTREQUEST");
        QCOMPARE(request.value("ADDNAME"), QString("ADDNAME"));
        QCOMPARE(request.values("ADDUSERNAME"), (QStringList{"zoe", "adam"}));
        QCOMPARE(table->rowCount(), 1);
        QCOMPARE(table->item(0, 2)->text(), QString("mia"));
        QVERIFY(!dialog->m_userProfiles.contains("zoe"));
        QVERIFY(!dialog->m_addButton->isEnabled());
        // The added users wait in the tree as not approved.
        QCOMPARE(m_client->m_users.value("adam").status, QString("Offline"));
        QCOMPARE(m_client->m_users.value("zoe").profileDetails, profile("Acme"));
        QVERIFY(ZELContactRow::childByText(m_client->m_offlineItem, "Acme"));

        dialog->close();
        QCOMPARE(table->rowCount(), 0);
        QVERIFY(dialog->m_userProfiles.isEmpty());
    }

    void hiddenDialogDropsSearchAnswer()
    {
        QString keyword = "x";
        m_client->searchStringToServer(keyword);
        QVERIFY(QApplication::overrideCursor());
        deliver({searchAnswer({{"Zoe", "zoe"}})});
        QCOMPARE(m_client->m_addContactDialog->m_resulttable->rowCount(), 0);
        QVERIFY(!QApplication::overrideCursor());
    }

    void addNameConfirmsContact_data()
    {
        QTest::addColumn<QString>("state");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("text");
        QTest::newRow("absent") << "Offline" << "Offline" << "Zoe";
        QTest::newRow("present, away") << "Online" << "Away" << "Zoe (Away)";
        QTest::newRow("present") << "Online" << "Online" << "Zoe";
    }

    void addNameConfirmsContact()
    {
        QFETCH(QString, state);
        QFETCH(QString, status);
        QFETCH(QString, text);
        QStringList users{"Zoe", "zoe", "Sales", "Engineer", "Acme"};
        QStringList profiles{profile("Acme")};
        m_client->addUsersListInMainWindow(users, profiles);
        deliver({ZELTestPeer::messageTree(
            "ADDCONTACT", {ZELTestPeer::Node("ADDNAME", {ZELTestPeer::Node("U", "zoe"), ZELTestPeer::Node("S", state),
                                                         ZELTestPeer::Node("D", "Sales"),
                                                         ZELTestPeer::Node("P", profile("Acme")),
                                                         ZELTestPeer::Node("N", "Zoe"), ZELTestPeer::Node("M", "hi"),
                                                         ZELTestPeer::Node("T", status)})})});
        const bool present = state == "Online";
        QTreeWidgetItem *department = ZELContactRow::childByText(
            ZELContactRow::childByText(present ? m_client->m_onlineItem : m_client->m_offlineItem, "Acme"), "Sales");
        QVERIFY(department);
        QCOMPARE(department->childCount(), 1);
        QCOMPARE(department->child(0)->text(0), text);
        QCOMPARE(department->child(0)->toolTip(0), QString("zoe - ") + (present ? "Online" : "Offline"));
        QTreeWidgetItem *flat = present ? m_client->m_activeItem : m_client->m_inactiveItem;
        QCOMPARE(flat->childCount(), 1);
        QCOMPARE(m_client->m_users.value("zoe").status, status);
        QCOMPARE(m_client->m_presentContacts.contains("zoe##Zoe"), present);
    }

    // ------------------------------------------------------------------
    void removeCheckedContacts()
    {
        for (const QString user : {"e", "d", "c", "b", "a"})
            addRecord(user, user.toUpper());
        m_client->deleteContactWindow();
        ZELDeleteContact *dialog = m_client->m_deleteContactDialog.get();
        QVERIFY(dialog->isVisible());
        QTableWidget *table = dialog->m_deleteContactList;
        QCOMPARE(table->rowCount(), 5);
        QCOMPARE(dialog->m_userProfiles.value("a").last(), QString("Online"));

        // Keypad Enter with nothing checked says so; Return does nothing.
        QTest::keyClick(table, Qt::Key_Return);
        QVERIFY(!dialog->m_displayErrorMessage->isVisible());
        QTest::keyClick(table, Qt::Key_Enter, Qt::KeypadModifier);
        QVERIFY(dialog->m_displayErrorMessage->isVisible());
        QCOMPARE(dialog->m_displayErrorMessage->text(), QString("Please select any user"));

        // A reminder kept for a removed contact goes with it.
        QTableWidget *reminders = m_client->m_reminderDialog->m_reminderTable;
        reminders->setRowCount(2);
        for (int row = 0; row < 2; ++row) {
            reminders->setItem(row, ZELReminderDialog::IdColumn, new QTableWidgetItem(QString("id%1").arg(row)));
            reminders->setItem(row, ZELReminderDialog::AssigneeColumn, new QTableWidgetItem(row ? "b" : "c"));
        }

        check(table, 1, 1);
        check(table, 3, 1);
        QVERIFY(!dialog->m_displayErrorMessage->isVisible());
        answerQuestions(true);
        dialog->m_okButton->click();
        const ZELTestPeer::Request request = m_peer->waitForRequest("MULTIPLEDELETECONTACT");
        QCOMPARE(request.values("DELETEUSERNAME"), (QStringList{"d", "b"}));
        QCOMPARE(reminders->rowCount(), 1);
        QCOMPARE(reminders->item(0, ZELReminderDialog::IdColumn)->text(), QString("id0"));
        QCOMPARE(table->rowCount(), 3);
        QVERIFY(!dialog->m_okButton->isEnabled());
        QCOMPARE(dialog->m_checkedCount, 0);

        // Removing the rest closes the dialog.
        for (int row = 0; row < 3; ++row)
            check(table, row, 1);
        dialog->m_okButton->click();
        QVERIFY(m_peer->waitForRequest("MULTIPLEDELETECONTACT").isValid());
        QVERIFY(!dialog->isVisible());
    }

    void removeWithoutContactsShowsNotice()
    {
        m_client->deleteContactWindow();
        QVERIFY(!m_client->m_deleteContactDialog->isVisible());
        QVERIFY(m_client->m_informationBox->isVisible());
        QCOMPARE(m_client->m_informationBox->m_messageText->text(), QString("Contact List is Empty"));
    }

    void removeFromTreeAndConfirmation()
    {
        deliver({ZELTestPeer::messageTree(
            "NEWUSER", {ZELTestPeer::Node("OWN", QStringList{"annabelle", "Offline", "Sales",
                                                             "Annabelle Wintergreen-Smith", profile("Acme"), "",
                                                             "Offline", "APPROVED"}.join(',') + ',')})});
        QTreeWidgetItem *department =
            ZELContactRow::childByText(ZELContactRow::childByText(m_client->m_offlineItem, "Acme"), "Sales");
        QVERIFY(department);
        m_client->m_contactView->setCurrentItem(department->child(0));
        answerQuestions(true);
        m_client->deleteSelectedUserFromContact();
        QCOMPARE(m_questions, QStringList{"Remove Contact"});
        QCOMPARE(m_peer->waitForRequest("MULTIPLEDELETECONTACT").values("DELETEUSERNAME"),
                 QStringList{"annabelle"});
        QVERIFY(m_client->m_users.contains("annabelle"));

        deliver({ZELTestPeer::message("DELETENAME", {{"U", "annabelle"}, {"D", "Sales"}, {"P", "0"}, {"C", "Acme"}})});
        QVERIFY(!m_client->m_users.contains("annabelle"));
        QVERIFY(!ZELContactRow::childByText(m_client->m_offlineItem, "Acme"));
        QCOMPARE(m_client->m_inactiveItem->childCount(), 0);
        QVERIFY(!m_client->m_contactListEmptyItem->isHidden());
    }

    // ------------------------------------------------------------------
    void approvalRequestsFillAndAnswer()
    {
        auto request = &approvalRequest;
        auto message = &approvalStatus;
        ZELApprovalAddContact *dialog = m_client->m_approvalAddContactDialog.get();
        m_client->decideLaterUserContact();
        QVERIFY(m_peer->waitForRequest("DECIDELATER").isValid());
        deliver({message({request("zoe", "Zoe"), request("adam", "Adam")})});
        QCOMPARE(dialog->m_approvaltable->rowCount(), 2);
        QCOMPARE(m_client->m_addContactApprovalAction->text(), QString("Add Contact A&pproval (2)"));
        QVERIFY(m_client->m_addContactApprovalAction->isEnabled());
        QVERIFY(!dialog->isVisible()); // held back once
        QVERIFY(!m_client->m_decideLater);

        // A request listed already is skipped but counted.
        deliver({message({request("zoe", "Zoe"), request("mia", "Mia")})});
        QCOMPARE(dialog->m_approvaltable->rowCount(), 3);
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->m_approvaltable->item(0, 3)->text(), QString("Acme"));

        check(dialog->m_approvaltable, 0, 1);
        check(dialog->m_approvaltable, 2, 1);
        answerQuestions(true);
        dialog->m_acceptPushButton->click();
        QCOMPARE(m_questions, QStringList{"Approval Add Contact"});
        QCOMPARE(m_peer->waitForRequest("ADDCONTACTACCEPTEDLIST").values("ADDUSERNAME"),
                 (QStringList{"zoe", "adam"}));
        QCOMPARE(m_client->m_addContactApprovalAction->text(), QString("Add Contact A&pproval (1)"));

        m_client->checkUserNameInApprovalContact("mia");
        QCOMPARE(dialog->m_approvaltable->rowCount(), 0);
        QVERIFY(!m_client->m_addContactApprovalAction->isEnabled());
        QCOMPARE(m_client->m_addContactApprovalAction->text(), QString("Add Contact A&pproval"));
    }

    // Someone adds the user: the approval list and the stay-on-top pop-up open
    // together, in either order. Both take the user's clicks, and the list's
    // question opens in front of the pop-up without holding it; what the
    // pop-up answered meanwhile is not answered again by the list, and a
    // pop-up for a user the list answered closes without a second answer.
    void approvalListAndPopUpBothAnswerable_data()
    {
        QTest::addColumn<bool>("popUpFirst");
        QTest::newRow("pop-up first") << true;
        QTest::newRow("list first") << false;
    }

    void approvalListAndPopUpBothAnswerable()
    {
        QFETCH(bool, popUpFirst);
        auto alert = [](const QString &user) {
            return ZELTestPeer::message("APPROVALALERT", {{"USERNAME", user}, {"DISPLAYNAME", user}});
        };
        const QString list = approvalStatus({approvalRequest("zoe", "Zoe"), approvalRequest("adam", "Adam")});
        for (const QString &xml : popUpFirst ? QStringList{alert("zoe"), list} : QStringList{list, alert("zoe")})
            deliver({xml});
        ZELApprovalAddContact *dialog = m_client->m_approvalAddContactDialog.get();
        QCOMPARE(m_client->m_requestDialogs.size(), 1);
        QPointer<ZELRequestDialog> popUp = m_client->m_requestDialogs.firstKey();
        // Adam's pop-up is answered by the list's answer.
        deliver({alert("adam")});
        QCOMPARE(m_client->m_requestDialogs.size(), 2);
        QPointer<ZELRequestDialog> adamsPopUp = m_client->m_requestDialogs.firstKey() == popUp
                                                    ? m_client->m_requestDialogs.lastKey()
                                                    : m_client->m_requestDialogs.firstKey();
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        QVERIFY(QTest::qWaitForWindowExposed(popUp));
        QTableWidget *table = dialog->m_approvaltable;
        QCOMPARE(table->rowCount(), 2);
        for (int row = 0; row < table->rowCount(); ++row)
            check(table, row, 1);

        // Read while the question waits; checked once it has been answered.
        QPointer<ZELMessageBoxClass> question;
        QString title;
        bool inFront = false;
        bool popUpAnswered = false;
        QTimer::singleShot(0, this, [&] {
            QTest::qWaitFor([&] {
                question = qobject_cast<ZELMessageBoxClass *>(QApplication::activeModalWidget());
                return question && question->isVisible();
            });
            if (!question)
                return;
            title = question->m_logoLabel->text();
            // In front of the pop-up, which stays above ordinary windows.
            inFront = question->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
            userClick(popUp->m_requestRejectButton);
            popUpAnswered = QTest::qWaitFor([&] { return popUp.isNull(); });
            userClick(question->button(QMessageBox::Yes));
            if (!QTest::qWaitFor([&] { return !question->isVisible(); }))
                question->done(QMessageBox::No);
        });
        userClick(dialog->m_acceptPushButton);
        QVERIFY(question);
        QCOMPARE(title, QString("Approval Add Contact"));
        QVERIFY(inFront);
        QVERIFY(popUpAnswered);

        const ZELTestPeer::Request refused = m_peer->waitForRequest("ADDCONTACTAPPROVALSTATUS");
        QCOMPARE(refused.value("CONTACTNAME"), QString("zoe"));
        QCOMPARE(refused.value("APPROVALSTATUS"), QString("Declined"));
        QCOMPARE(m_peer->waitForRequest("ADDCONTACTACCEPTEDLIST").values("ADDUSERNAME"), QStringList{"adam"});
        QVERIFY(m_client->m_requestDialogs.isEmpty());
        QTRY_VERIFY(adamsPopUp.isNull());
        fence();
        QCOMPARE(m_peer->requestTypes().count("ADDCONTACTAPPROVALSTATUS"), 1);
        QCOMPARE(table->rowCount(), 0);
        QVERIFY(!dialog->isVisible());
        QVERIFY(!m_client->m_addContactApprovalAction->isEnabled());
    }

    void requestedUsersEachAnswered()
    {
        ZELApprovalRequestedUser *dialog = m_client->m_approvalRequestedUserDialog.get();
        QAction *action = m_client->m_approvalRequestedAction;
        deliver({ZELTestPeer::message("APPROVALREQUESTEDUSER", {{"R", "zoe##Zoe"}, {"R", "adam##Adam"}, {"R", "bare"}})});
        QCOMPARE(dialog->m_approvaltable->rowCount(), 3);
        QCOMPARE(action->text(), QString("Approval Requested User Contacts (3)"));
        QVERIFY(m_client->m_contactsPopupMenu->actions().contains(action));
        QCOMPARE(dialog->m_approvaltable->item(2, 1)->text(), QString("bare"));
        QCOMPARE(dialog->m_approvaltable->item(2, 2)->text(), QString("bare"));
        QCOMPARE(dialog->m_approvaltable->item(2, 3)->text(), QString());

        check(dialog->m_approvaltable, 0, 0);
        check(dialog->m_approvaltable, 1, 0);
        answerQuestions(true);
        dialog->m_rejectPushButton->click();
        const ZELTestPeer::Request first = m_peer->waitForRequest("REJECTREQUESTEDUSERCONTACTS");
        const ZELTestPeer::Request second = m_peer->waitForRequest("REJECTREQUESTEDUSERCONTACTS");
        QCOMPARE(first.value("CONTACTNAME"), QString("adam"));
        QCOMPARE(second.value("CONTACTNAME"), QString("zoe"));
        QCOMPARE(dialog->m_approvaltable->rowCount(), 1);
        QCOMPARE(m_client->m_requestedCount, 1);
        QCOMPARE(action->text(), QString("Approval Requested User Contacts (1)"));

        check(dialog->m_approvaltable, 0, 0);
        dialog->m_acceptPushButton->click();
        QVERIFY(m_peer->waitForRequest("ACCEPTREQUESTEDUSERCONTACTS").isValid());
        QVERIFY(!m_client->m_contactsPopupMenu->actions().contains(action));

        deliver({ZELTestPeer::message("APPROVALREQUESTEDUSER", {{"R", "kim##Kim"}})});
        QVERIFY(m_client->m_contactsPopupMenu->actions().contains(action));
        deliver({ZELTestPeer::message("APPROVALREQUESTEDUSER", {{"R", "EMPTY"}})});
        QVERIFY(!m_client->m_contactsPopupMenu->actions().contains(action));
        QCOMPARE(m_client->m_requestedCount, 0);
        QCOMPARE(dialog->m_approvaltable->rowCount(), 1);
    }

    // The server's delete list follows its document in the same frame.
    void deleteListFollowsItsDocument_data()
    {
        QTest::addColumn<QString>("after");
        QTest::addColumn<bool>("another");
        QTest::addColumn<QStringList>("logins");
        QTest::newRow("two contacts") << "Ann,ann,Dev,Engineer&&Acme,Bob,bob,Sales,Manager&&Beta,"
                                      << false << QStringList{"ann", "bob"};
        QTest::newRow("another message follows") << "Ann,ann,Dev,Engineer&&Acme," << true << QStringList{"ann"};
        QTest::newRow("last entry cut short") << "Ann,ann,Dev,Engineer&&Acme,Cy,cy" << false
                                              << QStringList{"ann", "cy"};
        QTest::newRow("nothing after it") << "" << false << QStringList();
    }

    void deleteListFollowsItsDocument()
    {
        QFETCH(QString, after);
        QFETCH(bool, another);
        QFETCH(QStringList, logins);
        const QString document =
            ZELTestPeer::message("DELETECONTACT", {{"DELETELIST", ""}}) + after;
        if (another)
            m_peer->sendTexts({document, ZELTestPeer::message("APPROVALREQUESTEDUSER", {{"R", "zoe##Zoe"}})});
        else
            m_peer->sendText(document);
        ZELDeleteContact *dialog = m_client->m_deleteContactDialog.get();
        QTRY_VERIFY(dialog->isVisible());
        QTableWidget *table = dialog->m_deleteContactList;
        QStringList shown;
        for (int row = 0; row < table->rowCount(); ++row)
            shown << table->item(row, ZELDeleteContact::LoginIdColumn)->text();
        QCOMPARE(shown, logins);
        if (!logins.isEmpty()) {
            QCOMPARE(table->item(0, ZELDeleteContact::NameColumn)->text(), QString("  Ann"));
            QCOMPARE(table->item(0, ZELDeleteContact::CompanyColumn)->text(), QString("Acme"));
            QCOMPARE(table->item(0, ZELDeleteContact::DepartmentColumn)->text(), QString("Dev"));
            QCOMPARE(table->item(0, ZELDeleteContact::JobTitleColumn)->text(), QString("Engineer"));
        }
        if (another)
            QTRY_COMPARE(m_client->m_requestedCount, 1);
    }

    // A long delete list fills a slice at a time and ends sorted by name, the
    // table's sorting on for the user; the message after it in the frame, and
    // the frame after that, are handled once it is whole.
    void longDeleteListSortedAndInOrder()
    {
        const int count = 30000;
        QStringList entries;
        for (int i = count; i > 0; --i)
            entries << QStringLiteral("Name%1").arg(i, 5, 10, QLatin1Char('0')) << QStringLiteral("user%1").arg(i)
                    << "Dev" << "Engineer&&Acme";
        const QString document =
            ZELTestPeer::message("DELETECONTACT", {{"DELETELIST", ""}}) + entries.join(',') + ',';
        ZELDeleteContact *dialog = m_client->m_deleteContactDialog.get();
        QTableWidget *table = dialog->m_deleteContactList;
        int filling = 0;
        bool outOfOrder = false;
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, this, [&] {
            filling += m_client->slicedWorkPending();
            outOfOrder = outOfOrder || (m_client->m_requestedCount > 0 && table->rowCount() < count);
        });
        ticker.start(0);
        m_peer->sendTexts({document, ZELTestPeer::message("APPROVALREQUESTEDUSER", {{"R", "zoe##Zoe"}})});
        m_peer->sendText(ZELTestPeer::message("APPROVALREQUESTEDUSER", {{"R", "yan##Yan"}}));
        QTRY_VERIFY_WITH_TIMEOUT(m_client->m_approvalRequestedUserDialog->m_approvaltable->rowCount() == 2, 120000);
        QVERIFY(filling > 0);
        QVERIFY(!outOfOrder);

        QCOMPARE(table->rowCount(), count);
        QCOMPARE(table->item(0, ZELDeleteContact::NameColumn)->text(), QString("  Name00001"));
        QCOMPARE(table->item(0, ZELDeleteContact::LoginIdColumn)->text(), QString("user1"));
        QCOMPARE(table->item(count - 1, ZELDeleteContact::NameColumn)->text(), QString("  Name30000"));
        for (int row = 1; row < count; ++row)
            QVERIFY(table->item(row - 1, ZELDeleteContact::NameColumn)->text()
                    < table->item(row, ZELDeleteContact::NameColumn)->text());
        QVERIFY(table->isSortingEnabled());
        QCOMPARE(table->horizontalHeader()->sortIndicatorSection(), int(ZELDeleteContact::NameColumn));
        QCOMPARE(table->horizontalHeader()->sortIndicatorOrder(), Qt::AscendingOrder);
        // The user's own sort still sorts.
        table->horizontalHeader()->setSortIndicator(ZELDeleteContact::NameColumn, Qt::DescendingOrder);
        QCOMPARE(table->item(0, ZELDeleteContact::LoginIdColumn)->text(), QString("user30000"));
    }

    // Rows the server adds while the user has rows ticked leave the tick
    // count alone: Accept and Reject stay on while a row is ticked.
    void addedRowsKeepTickCount_data()
    {
        QTest::addColumn<bool>("requested");
        QTest::newRow("approval dialog") << false;
        QTest::newRow("requested-users dialog") << true;
    }

    void addedRowsKeepTickCount()
    {
        QFETCH(bool, requested);
        auto approval = [](const QString &login) {
            QStringList values(12);
            values[11] = "Acme";
            return ZELTestPeer::message(
                "ADDCONTACTAPPROVALSTATUS",
                {{"REQUEST", QStringList{login, login.toUpper(), "Sales", "Engineer", "", values.join("&&")}.join('#')}});
        };
        auto requestedUser = [](const QString &login) {
            return ZELTestPeer::message("APPROVALREQUESTEDUSER", {{"R", login + "##" + login.toUpper()}});
        };
        QTableWidget *table = requested ? m_client->m_approvalRequestedUserDialog->m_approvaltable
                                        : m_client->m_approvalAddContactDialog->m_approvaltable;
        QPushButton *accept = requested ? m_client->m_approvalRequestedUserDialog->m_acceptPushButton
                                        : m_client->m_approvalAddContactDialog->m_acceptPushButton;
        const int checkColumn = requested ? 0 : 1;
        deliver({requested ? requestedUser("zoe") : approval("zoe")});
        QCOMPARE(table->rowCount(), 1);
        check(table, 0, checkColumn);
        QVERIFY(accept->isEnabled());

        deliver({requested ? requestedUser("adam") : approval("adam")});
        deliver({requested ? requestedUser("mia") : approval("mia")});
        QCOMPARE(table->rowCount(), 3);
        QVERIFY(accept->isEnabled());

        // Unticking the one ticked row switches them off; ticking again on.
        int ticked = -1;
        for (int row = 0; row < table->rowCount(); ++row) {
            if (table->item(row, checkColumn)->checkState() == Qt::Checked)
                ticked = row;
        }
        QVERIFY(ticked >= 0);
        table->item(ticked, checkColumn)->setCheckState(Qt::Unchecked);
        QVERIFY(!accept->isEnabled());
        check(table, 2, checkColumn);
        QVERIFY(accept->isEnabled());
    }

    // Answering rows of earlier messages never takes the count below 0, and
    // the menu entry leaves at 0.
    void requestedCountStopsAtZero()
    {
        ZELApprovalRequestedUser *dialog = m_client->m_approvalRequestedUserDialog.get();
        QAction *action = m_client->m_approvalRequestedAction;
        deliver({ZELTestPeer::message("APPROVALREQUESTEDUSER", {{"R", "zoe##Zoe"}, {"R", "adam##Adam"}})});
        deliver({ZELTestPeer::message("APPROVALREQUESTEDUSER", {{"R", "mia##Mia"}})});
        QCOMPARE(dialog->m_approvaltable->rowCount(), 3);
        QCOMPARE(m_client->m_requestedCount, 1);
        for (int row = 0; row < 3; ++row)
            check(dialog->m_approvaltable, row, 0);
        answerQuestions(true);
        dialog->m_acceptPushButton->click();
        for (int i = 0; i < 3; ++i)
            QVERIFY(m_peer->waitForRequest("ACCEPTREQUESTEDUSERCONTACTS").isValid());
        QCOMPARE(m_client->m_requestedCount, 0);
        QCOMPARE(action->text(), QString("Approval Requested User Contacts (0)"));
        QVERIFY(!m_client->m_contactsPopupMenu->actions().contains(action));
    }

    // ------------------------------------------------------------------
    void cardRows_data()
    {
        QTest::addColumn<QString>("presence");
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("phone");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("addressRow");
        QTest::addColumn<QString>("phoneRow");
        QTest::addColumn<bool>("phoneIcon");
        QTest::newRow("offline, both") << "Offline" << "Main  Street 5" << "123"
                                       << "Status   &nbsp;&nbsp;:: <font color = '#ff0000'><b>Offline</b>"
                                       << "Address :: Main Street 5" << "  123" << true;
        QTest::newRow("other case, no address") << "offline" << "  " << "123"
                                                << "Status   :: <font color = '#00aa00'><b>offline</b>"
                                                << "Phone   :: 123" << "" << false;
        QTest::newRow("address only") << "Away" << "Main" << ""
                                      << "Status   :: <font color = '#00aa00'><b>Away</b>" << "Address :: Main" << ""
                                      << false;
    }

    void cardRows()
    {
        QFETCH(QString, presence);
        QFETCH(QString, address);
        QFETCH(QString, phone);
        QFETCH(QString, status);
        QFETCH(QString, addressRow);
        QFETCH(QString, phoneRow);
        QFETCH(bool, phoneIcon);
        QStringList card{" Zoe ", "zoe", "Acme", "Sales / Engineer", "z@example.com", presence, address, phone,
                         "not a photo"};
        QPoint at(40, 40);
        m_client->showApprovalProfileDetails(card, at);
        auto *dialog = m_client->findChild<ZELUserProfileDialog *>();
        QVERIFY(dialog);
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->m_profileLabel0->text(), QString("Name      :: Zoe"));
        QCOMPARE(dialog->m_profileLabel4->text(), QString("<a href='mailto:z@example.com'>z@example.com</a>"));
        QCOMPARE(dialog->m_profileLabel5->text(), status);
        QCOMPARE(dialog->m_profileLabel6->text(), addressRow);
        QCOMPARE(dialog->m_profileLabel7->text(), phoneRow);
        QCOMPARE(dialog->m_phoneLabel->isVisibleTo(dialog), phoneIcon);
        QVERIFY(dialog->m_defaultImageShown);
        dialog->close();
        QTRY_VERIFY(!m_client->findChild<ZELUserProfileDialog *>());
    }

    // A profile value is text, whatever it holds: every row of the card shows
    // it as given, and a click anywhere on the card opens at most a mail link
    // whose address is the whole value, through the link rule.
    void cardValuesStayText_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("mailLink");
        QTest::newRow("address") << "z@example.com" << true;
        QTest::newRow("quote ends the link") << "x'></a><a href='file:///etc/passwd'>report</a>" << true;
        QTest::newRow("double quote") << "x\"></a><a href=\"ssh://host.example.com\">go</a>" << true;
        QTest::newRow("markup") << "<b>z</b>@<i>example.com</i>" << true;
        QTest::newRow("ampersand") << "a&amp;b&lt;c & d@example.com" << true;
        QTest::newRow("script") << "javascript:alert(1)" << true;
        QTest::newRow("mail fields") << "z@example.com?attach=/etc/passwd" << true;
        QTest::newRow("over-long") << QString(300, 'x') + "@example.com" << false;
    }

    void cardValuesStayText()
    {
        QFETCH(QString, value);
        QFETCH(bool, mailLink);
        ZELFakeDesktopServices seam;
        ZELPlatform::setDesktopServices(&seam);
        const auto restore = qScopeGuard([] { ZELPlatform::setDesktopServices(nullptr); });
        ZELDirectOpenings direct;

        QStringList card(9, value);
        card[5] = "Online <a href='file:///etc/passwd'>" + value + "</a>";
        card[8] = QString();
        QPoint at(40, 40);
        m_client->showApprovalProfileDetails(card, at);
        auto *dialog = m_client->findChild<ZELUserProfileDialog *>();
        QVERIFY(dialog);
        const QString shown = ZELTextBounds::shownLine(value);
        const QList<QLabel *> rows{dialog->m_profileLabel0, dialog->m_profileLabel1, dialog->m_profileLabel2,
                                   dialog->m_profileLabel3, dialog->m_profileLabel4, dialog->m_profileLabel6,
                                   dialog->m_profileLabel7};
        for (QLabel *row : rows)
            QVERIFY2(zelShownText(row).contains(shown.simplified()), qPrintable(row->objectName()));
        QCOMPARE(zelShownText(dialog->m_profileLabel4), shown);
        QVERIFY(zelShownText(dialog->m_profileLabel5).contains(ZELTextBounds::shownLine(card[5])));

        for (QLabel *row : rows + QList<QLabel *>{dialog->m_profileLabel5})
            zelClickAllOver(row);
        QCOMPARE(direct.urls, QList<QUrl>());
        QCOMPARE(!seam.openedUrls.isEmpty(), mailLink);
        for (const QUrl &url : std::as_const(seam.openedUrls)) {
            QCOMPARE(url.scheme(), QString("mailto"));
            QCOMPARE(url.path(), value);
            QCOMPARE(url.query(), QString());
        }
        dialog->close();
        QTRY_VERIFY(!m_client->findChild<ZELUserProfileDialog *>());
    }

    void cardFromTreeAndShortList()
    {
        QStringList shortCard{"a", "b"};
        QPoint at;
        m_client->showApprovalProfileDetails(shortCard, at);
        QVERIFY(!m_client->findChild<ZELUserProfileDialog *>());

        QImage picture(4, 4, QImage::Format_RGB32);
        picture.fill(Qt::red);
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        picture.save(&buffer, "PNG");
        addRecord("zoe", "Zoe", "Busy");
        m_client->m_users["zoe"].photoBase64 = QString::fromLatin1(qCompress(png).toBase64());
        QString user = "zoe";
        m_client->showChatUserProfile(user);
        auto *card = m_client->findChild<ZELUserProfileDialog *>();
        QVERIFY(card);
        QVERIFY(!m_client->m_profileFromChat);
        QVERIFY(!card->m_defaultImageShown);
        QCOMPARE(card->m_profileLabel2->text(), QString("Company  :: Acme"));
        QCOMPARE(card->m_profileLabel3->text(), QString("Dept/Role  :: Sales / Engineer"));
        QCOMPARE(card->m_profileLabel5->text(), QString("Status   :: <font color = '#00aa00'><b>Busy</b>"));
        card->close();
        QTRY_VERIFY(!m_client->findChild<ZELUserProfileDialog *>());

        QString unknown = "nobody";
        m_client->showChatUserProfile(unknown);
        QVERIFY(!m_client->findChild<ZELUserProfileDialog *>());
    }

    // Photos of real size encode to far more text than a card line shows;
    // the card still shows them, opened from a chat window or a contact dialog.
    void cardShowsPhoto_data()
    {
        QTest::addColumn<QByteArray>("format");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("fromDialog");
        QTest::newRow("24x24 PNG, chat window") << QByteArray("PNG") << QSize(24, 24) << false;
        QTest::newRow("profile editor's JPEG, chat window") << QByteArray("JPG") << QSize(202, 101) << false;
        QTest::newRow("profile editor's JPEG, contact dialog") << QByteArray("JPG") << QSize(202, 101) << true;
    }

    void cardShowsPhoto()
    {
        QFETCH(QByteArray, format);
        QFETCH(QSize, size);
        QFETCH(bool, fromDialog);
        QImage picture(size, QImage::Format_RGB32);
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x)
                picture.setPixel(x, y, qRgb((x * 37 + y * 11) % 256, (x * y) % 256, (x * 5 + y * 91) % 256));
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QVERIFY(picture.save(&buffer, format.constData()));
        const QString photo = ZELProfileSettings::encodePhoto(bytes);
        QVERIFY(photo.size() > ZELTextBounds::LineLength);

        if (fromDialog) {
            QStringList card{"Zoe", "zoe", "Acme", "Sales / Engineer", "z@example.com", "Online", "", "", photo};
            QPoint at(40, 40);
            m_client->showApprovalProfileDetails(card, at);
        } else {
            addRecord("zoe", "Zoe");
            m_client->m_users["zoe"].photoBase64 = photo;
            QString user = "zoe";
            m_client->showChatUserProfile(user);
        }
        auto *card = m_client->findChild<ZELUserProfileDialog *>();
        QVERIFY(card);
        QVERIFY(!card->m_defaultImageShown);
        QCOMPARE(card->m_viewProfileImage->pixmap().size(), size);
        card->close();
        QTRY_VERIFY(!m_client->findChild<ZELUserProfileDialog *>());
    }

    // ------------------------------------------------------------------
    void zoneTime_data()
    {
        QTest::addColumn<QString>("zone");
        QTest::addColumn<QTime>("utc");
        QTest::addColumn<QString>("local");
        QTest::newRow("behind, half hour") << "GMT-04:30" << QTime(15, 0) << "10:30 am";
        QTest::newRow("wraps past midnight") << "GMT+05:45" << QTime(23, 30) << "05:15 am";
        QTest::newRow("afternoon") << "GMT+01:00" << QTime(14, 45) << "03:45 pm";
        QTest::newRow("no offset") << "GMT" << QTime(9, 0) << "";
    }

    void zoneTime()
    {
        QFETCH(QString, zone);
        QFETCH(QTime, utc);
        QFETCH(QString, local);
        QCOMPARE(ZELProfileSettings::zoneTime(zone, utc), local);
    }

    void ownProfileEditedAndSent()
    {
        m_client->m_ownProfile = {"Me Myself", "Street", "Area", "City", "State", "555", "me@example.com", "Z1",
                                  "", "Canada", "GMT-05:00", "Tower"};
        m_client->showEditUserProfileDialog();
        auto *dialog = m_client->findChild<ZELProfileSettings *>();
        QVERIFY(dialog);
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->m_country->currentText(), QString("Canada"));
        QCOMPARE(dialog->m_country->count(), 195);
        QCOMPARE(dialog->m_timeZoneComboBox->count(), 34);
        QCOMPARE(dialog->m_timeZoneComboBox->currentText(), QString("GMT-05:00"));
        QVERIFY(!dialog->m_updateButton->isEnabled());
        QVERIFY(!dialog->m_resetButton->isEnabled());

        // Closing right after opening asks nothing.
        answerQuestions(false);
        dialog->m_streetLineEdit->setText("  Long   Road  ");
        QVERIFY(dialog->m_updateButton->isEnabled());
        dialog->m_cancelButton->click();
        QCOMPARE(m_questions, QStringList{"My Profile"});
        QVERIFY(dialog->isVisible());

        dialog->m_country->setCurrentIndex(0);
        dialog->m_updateButton->click();
        QVERIFY(dialog->m_displayErrorMessage->isVisible());
        QCOMPARE(dialog->m_displayErrorMessage->text(), QString("Please fill mandatory fields"));

        dialog->m_country->setCurrentText("India");
        QVERIFY(!dialog->m_displayErrorMessage->isVisible());
        dialog->m_updateButton->click();
        const ZELTestPeer::Request request = m_peer->waitForRequest("UPDATEUSERPROFILE");
        QCOMPARE(request.value("USERNAME"),
                 QString("Me Myself#&Long Road#&Area#&City#&State#&555#&me@example.com#&Z1#&India#&GMT-05:00#&Tower"));
        QCOMPARE(request.value("OldPass"), QString());
        QCOMPARE(m_client->m_ownProfile.value(ZELProfileSettings::Country), QString("India"));
        QTRY_VERIFY(!m_client->findChild<ZELProfileSettings *>());
    }

    void photoChangedAndReset()
    {
        const QString file = QDir::tempPath() + "/zel-photo-test.png";
        QImage(400, 200, QImage::Format_RGB32).save(file);
        m_client->m_dataFolder = QDir::tempPath();
        m_client->m_ownProfile = QStringList(12);
        m_client->showEditUserProfileDialog();
        auto *dialog = m_client->findChild<ZELProfileSettings *>();
        QVERIFY(dialog);
        m_choosers.openFileAnswers = {file};
        dialog->m_changeImageButton->click();
        const QByteArray stored = qUncompress(QByteArray::fromBase64(dialog->m_photoBase64.toLatin1()));
        QImage jpeg;
        QVERIFY(jpeg.loadFromData(stored, "JPG"));
        QCOMPARE(jpeg.size(), QSize(202, 101));
        QVERIFY(!QFile::exists(QDir::tempPath() + "/image.jpg"));
        QVERIFY(dialog->m_resetImageButton->isEnabled());

        dialog->m_resetImageButton->click();
        QCOMPARE(dialog->m_photoBase64, QString());
        QVERIFY(!dialog->m_resetImageButton->isEnabled());
        QVERIFY(dialog->m_updateButton->isEnabled());
        QFile::remove(file);
        dialog->close();
    }

    // ------------------------------------------------------------------
    void framePressStartsDragOrResize_data()
    {
        QTest::addColumn<int>("fromRight"); // pixels left of the last column; -1: x = 5
        QTest::addColumn<int>("y");         // -1: the last row
        QTest::addColumn<int>("button");
        QTest::addColumn<bool>("dragging");
        QTest::addColumn<bool>("resizing");
        QTest::newRow("10 below the title") << -1 << 29 << int(Qt::LeftButton) << true << false;
        QTest::newRow("11 below the title") << -1 << 30 << int(Qt::LeftButton) << false << false;
        QTest::newRow("last pixel, right button") << 0 << -1 << int(Qt::RightButton) << false << true;
        QTest::newRow("15 left of the edge") << 15 << -1 << int(Qt::LeftButton) << false << false;
    }

    void framePressStartsDragOrResize()
    {
        QFETCH(int, fromRight);
        QFETCH(int, y);
        QFETCH(int, button);
        QFETCH(bool, dragging);
        QFETCH(bool, resizing);
        ZELAddContact *dialog = m_client->m_addContactDialog.get();
        m_client->addContactWindow();
        const QPoint at(fromRight < 0 ? 5 : dialog->width() - 1 - fromRight, y < 0 ? dialog->height() - 1 : y);
        QTest::mousePress(dialog, Qt::MouseButton(button), {}, at);
        QCOMPARE(dialog->frame()->isDragging(), dragging);
        QCOMPARE(dialog->frame()->isResizing(), resizing);
        QTest::mouseRelease(dialog, Qt::MouseButton(button), {}, at);
        QVERIFY(!dialog->frame()->isDragging() && !dialog->frame()->isResizing());
    }

    void escapeClosesAndEmpties()
    {
        ZELAddContact *dialog = m_client->m_addContactDialog.get();
        m_client->addContactWindow();
        dialog->m_keywordOrUser->setText("abc");
        deliver({searchAnswer({{"Zoe", "zoe"}})});
        QCOMPARE(dialog->m_resulttable->rowCount(), 1);
        QTest::keyClick(dialog, Qt::Key_Escape);
        QVERIFY(!dialog->isVisible());
        QCOMPARE(dialog->m_resulttable->rowCount(), 0);
        QVERIFY(dialog->m_keywordOrUser->text().isEmpty());
        QVERIFY(dialog->m_userProfiles.isEmpty());
        QVERIFY(!dialog->m_searchButton->isEnabled());
    }

    void dialogsKeepTheirMaximizedState()
    {
        ZELAddContact *dialog = m_client->m_addContactDialog.get();
        m_client->addContactWindow();
        dialog->m_maximizeButton->click();
        QVERIFY(dialog->m_maximized);
        dialog->close();
        m_client->addContactWindow();
        QVERIFY(dialog->isVisible());
        QVERIFY(dialog->isMaximized());
        QCOMPARE(dialog->m_maximizeButton->toolTip(), QString("Restore Down"));
        dialog->m_maximizeButton->click();
        QVERIFY(!dialog->m_maximized);
    }
};

ZEL_TEST_MAIN(TestContactDialogs)
#include "tst_contactdialogs.moc"
