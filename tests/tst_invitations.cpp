#include <QAction>
#include <QImage>
#include <QLabel>
#include <QPointer>
#include <QSet>

#include "chat/zelrequestdialog.h"
#include "contacts/zelapprovaladdcontact.h"
#include "core/zelclient.h"
#include "peer/zeltestpeer.h"
#include "protocol/zelsettingslists.h"
#include "protocol/zeltcpsocket.h"
#include "style/zelmessageboxclass.h"
#include "zeltestmain.h"

// The invitation pop-up: its form, keys and close paths, and the answers the
// main widget sends for conference invitations and contact additions, driven
// through a real client signed in as "anita" against the protocol peer.
class TestInvitations : public QObject
{
    Q_OBJECT

private:
    ZELTestPeer *m_peer = nullptr;
    ZELClient *m_client = nullptr;

    static QString approvalAlert(const QString &user, const QString &name)
    {
        return ZELTestPeer::message("APPROVALALERT", {{"USERNAME", user}, {"DISPLAYNAME", name}});
    }

    static QStringList invitation()
    {
        return {"CONFERENCECHAT", "anita", "ravi", "Design 10~15~00", "Ravi Kumar"};
    }

    // The one pop-up the client has open, once it is there.
    ZELRequestDialog *openPopUp(int expected = 1)
    {
        if (!ZELTestPeer::waitUntil([&] { return m_client->m_requestDialogs.size() == expected; }, 5000))
            return nullptr;
        return m_client->m_requestDialogs.lastKey();
    }

    // First row below a pop-up picture's header band: the band and its edge
    // are strong blue, the plain part under it pale.
    static int bandBottom(const QImage &picture, int x)
    {
        int y = 0;
        while (y < picture.height() && picture.pixelColor(x, y).blue() - picture.pixelColor(x, y).red() >= 50)
            ++y;
        return y;
    }

    // A request sent after everything asked before it: what came earlier has arrived.
    void fence()
    {
        QStringList keepAlive{"KEEPALIVE", "fence"};
        m_client->convertXMLSendToServer(keepAlive);
        QVERIFY(m_peer->waitForRequest("KEEPALIVE").isValid());
    }

    enum Action { Accept, Reject, DecideLater, Return, Enter, Escape, EscapeOnButton, ReturnOnReject };

    static void act(ZELRequestDialog *dialog, int action)
    {
        switch (action) {
        case Accept: dialog->m_requestAcceptButton->click(); break;
        case Reject: dialog->m_requestRejectButton->click(); break;
        case DecideLater: dialog->m_decideLaterButton->click(); break;
        case Return: QTest::keyClick(dialog, Qt::Key_Return); break;
        case Enter: QTest::keyClick(dialog, Qt::Key_Enter); break;
        case Escape: QTest::keyClick(dialog, Qt::Key_Escape); break;
        // Keys that reach a button first and the pop-up only after it.
        case EscapeOnButton: QTest::keyClick(dialog->m_requestAcceptButton, Qt::Key_Escape); break;
        case ReturnOnReject: QTest::keyClick(dialog->m_requestRejectButton, Qt::Key_Return); break;
        }
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
        m_client->m_ownDisplayName = "Anita Rao";
        m_client->m_chatWindowSettings = ZELChatWindowList::defaults();
        m_client->m_chatHistorySettings = ZELChatHistoryList::defaults();
        m_client->m_notificationSettings = ZELNotificationList::defaults();
    }

    void cleanup()
    {
        delete m_client;
        m_client = nullptr;
        delete m_peer;
        m_peer = nullptr;
    }

    // ------------------------------------------------------------------
    void form_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QStringList>("details");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QSize>("shape");
        QTest::addColumn<bool>("decideLater");
        QTest::newRow("conference") << "CHAT" << invitation()
                                    << "<font color=Blue>Ravi Kumar  <font color = black>invites conference chat. "
                                       "Do you accept?"
                                    << QSize(306, 110) << false;
        QTest::newRow("contact") << "ADD" << QStringList{"APPROVALALERT", "zoe", "Zoe Adams"}
                                 << "<font color=Blue>Zoe Adams  <font color = black>has added you as a contact. "
                                    "Do you accept?"
                                 << QSize(306, 148) << true;
        QTest::newRow("voice") << "VOICE" << QStringList{"VOICECHATINVITATION", "anita", "ravi", "Ravi"}
                               << "<font color=Blue>Ravi  <font color = black>invites voice chat. Do you accept?"
                               << QSize(306, 110) << false;
        // Markup from the server shows as text; a short message shows no name.
        QTest::newRow("markup in the name") << "ADD" << QStringList{"APPROVALALERT", "zoe", "<b>Zoe</b> & Co"}
                                            << "<font color=Blue>&lt;b&gt;Zoe&lt;/b&gt; &amp; Co  <font color = "
                                               "black>has added you as a contact. Do you accept?"
                                            << QSize(306, 148) << true;
        QTest::newRow("short message") << "CHAT" << QStringList{"CONFERENCECHAT"}
                                       << "<font color=Blue>  <font color = black>invites conference chat. Do you "
                                          "accept?"
                                       << QSize(306, 110) << false;
    }

    void form()
    {
        QFETCH(QString, kind);
        QFETCH(QStringList, details);
        QFETCH(QString, text);
        QFETCH(QSize, shape);
        QFETCH(bool, decideLater);
        m_client->showConferenceChatAcceptanceDialog(kind, details);
        ZELRequestDialog *dialog = openPopUp();
        QVERIFY(dialog);
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->parentWidget(), m_client);
        QCOMPARE(dialog->objectName(), QString("ZELRequestDialog"));
        QCOMPARE(dialog->size(), QSize(311, 148));
        QCOMPARE(dialog->windowTitle(), QString("Accept"));
        QCOMPARE(dialog->font().family(), QString("Verdana"));
        const Qt::WindowFlags flags = dialog->windowFlags();
        QVERIFY(flags.testFlag(Qt::FramelessWindowHint));
        QVERIFY(flags.testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(dialog->windowType(), Qt::Dialog);
        QCOMPARE(dialog->windowModality(), Qt::WindowModal);
        QCOMPARE(dialog->mask().boundingRect().size(), shape);
        QCOMPARE(dialog->m_requestAcceptButton->geometry(), QRect(110, 70, 75, 23));
        QCOMPARE(dialog->m_requestRejectButton->geometry(), QRect(200, 70, 75, 23));
        // The question stands below the picture's header band, above the
        // buttons, and has room for all its lines.
        QLabel *label = dialog->m_displayTextLable;
        const QImage picture = dialog->palette().brush(QPalette::Window).texture().toImage();
        QVERIFY(!picture.isNull());
        QVERIFY(label->y() >= bandBottom(picture, label->geometry().center().x()));
        QVERIFY(label->geometry().bottom() < dialog->m_requestAcceptButton->y());
        QVERIFY(label->heightForWidth(label->width()) <= label->height());
        QCOMPARE(dialog->m_decideLaterButton->geometry(), QRect(150, 110, 90, 23));
        QCOMPARE(dialog->m_requestAcceptButton->toolTip(), QString("Accept"));
        QCOMPARE(dialog->m_requestRejectButton->text(), QString("Reject"));
        QCOMPARE(dialog->m_decideLaterButton->text(), QString("Decide Later"));
        QCOMPARE(dialog->m_displayTextLable->text(), text);
        QCOMPARE(dialog->m_decideLaterButton->isVisible(), decideLater);
        QCOMPARE(dialog->m_requestDetails, details);
    }

    // A name the size of a whole frame is cut for the label, and the message kept whole.
    void longNameIsCut()
    {
        const QString name(100000, QLatin1Char('x'));
        m_client->showConferenceChatAcceptanceDialog("ADD", {"APPROVALALERT", "zoe", name});
        ZELRequestDialog *dialog = openPopUp();
        QVERIFY(dialog);
        QVERIFY(dialog->m_displayTextLable->text().size() < 300);
        QCOMPARE(dialog->m_requestDetails.value(2), name);
    }

    // ------------------------------------------------------------------
    // Every answer, by button or key, closes the pop-up (the owner forgets
    // it), deletes it and sends exactly the answer the request needs.
    void answersReachTheServer_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("action");
        QTest::addColumn<QString>("request");
        QTest::addColumn<QString>("status");
        QTest::newRow("contact, accept") << "ADD" << int(Accept) << "ADDCONTACTAPPROVALSTATUS" << "APPROVED";
        QTest::newRow("contact, reject") << "ADD" << int(Reject) << "ADDCONTACTAPPROVALSTATUS" << "Declined";
        QTest::newRow("contact, Return") << "ADD" << int(Return) << "ADDCONTACTAPPROVALSTATUS" << "APPROVED";
        QTest::newRow("contact, Enter") << "ADD" << int(Enter) << "ADDCONTACTAPPROVALSTATUS" << "APPROVED";
        QTest::newRow("contact, Escape") << "ADD" << int(Escape) << "ADDCONTACTAPPROVALSTATUS" << "Declined";
        QTest::newRow("contact, Escape on a button")
            << "ADD" << int(EscapeOnButton) << "ADDCONTACTAPPROVALSTATUS" << "Declined";
        QTest::newRow("contact, Return on Reject")
            << "ADD" << int(ReturnOnReject) << "ADDCONTACTAPPROVALSTATUS" << "Declined";
        QTest::newRow("contact, decide later") << "ADD" << int(DecideLater) << "DECIDELATER" << "DECIDELATER";
        QTest::newRow("conference, accept") << "CHAT" << int(Accept) << "CONFERECECHATSTATUS" << "Accepted";
        QTest::newRow("conference, reject") << "CHAT" << int(Reject) << "CONFERECECHATSTATUS" << "Declined";
        QTest::newRow("conference, Escape") << "CHAT" << int(Escape) << "CONFERECECHATSTATUS" << "Declined";
        QTest::newRow("conference, Escape on a button")
            << "CHAT" << int(EscapeOnButton) << "CONFERECECHATSTATUS" << "Declined";
    }

    void answersReachTheServer()
    {
        QFETCH(QString, kind);
        QFETCH(int, action);
        QFETCH(QString, request);
        QFETCH(QString, status);
        if (kind == QLatin1String("ADD"))
            m_peer->sendText(approvalAlert("zoe", "Zoe Adams"));
        else
            m_client->showConferenceChatAcceptanceDialog(kind, invitation());
        QPointer<ZELRequestDialog> dialog = openPopUp();
        QVERIFY(dialog);
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->m_requestType, kind);

        act(dialog, action);
        QVERIFY(m_client->m_requestDialogs.isEmpty());
        QVERIFY(dialog->isHidden());
        QTRY_VERIFY(dialog.isNull());

        const ZELTestPeer::Request sent = m_peer->waitForRequest(request);
        QVERIFY(sent.isValid());
        if (request == QLatin1String("ADDCONTACTAPPROVALSTATUS")) {
            QCOMPARE(sent.tags(), QStringList({"CONTACTNAME", "LOGINNAME", "APPROVALSTATUS"}));
            QCOMPARE(sent.value("CONTACTNAME"), QString("zoe"));
            QCOMPARE(sent.value("LOGINNAME"), QString("anita"));
            QCOMPARE(sent.value("APPROVALSTATUS"), status);
        } else if (request == QLatin1String("CONFERECECHATSTATUS")) {
            QCOMPARE(sent.tags(), QStringList({"LOGINNAME", "CHATUSERNAME", "CHATSESSIONNAME", "STATUS", "DUSERNAME"}));
            QCOMPARE(sent.value("LOGINNAME"), QString("ravi"));
            QCOMPARE(sent.value("CHATUSERNAME"), QString("anita"));
            QCOMPARE(sent.value("CHATSESSIONNAME"), QString("Design 10~15~00"));
            QCOMPARE(sent.value("STATUS"), status);
            QCOMPARE(sent.value("DUSERNAME"), QString("Anita Rao"));
        } else {
            QVERIFY(m_client->m_decideLater);
        }
        // One answer per pop-up, and nothing else.
        fence();
        const QStringList types = m_peer->requestTypes();
        QCOMPARE(types.count(request), 1);
        for (const char *answer : {"ADDCONTACTAPPROVALSTATUS", "CONFERECECHATSTATUS", "DECIDELATER"}) {
            if (request != QLatin1String(answer))
                QCOMPARE(types.count(answer), 0);
        }
    }

    // Two requests give two pop-ups; answering the later leaves the earlier answerable.
    void popUpsAreIndependent()
    {
        m_peer->sendText(approvalAlert("zoe", "Zoe Adams"));
        QPointer<ZELRequestDialog> first = openPopUp(1);
        QVERIFY(first);
        m_peer->sendText(approvalAlert("adam", "Adam Smith"));
        QVERIFY(openPopUp(2));
        // The pop-ups are kept by address: the new one is the one that is not the first.
        QPointer<ZELRequestDialog> second;
        for (ZELRequestDialog *dialog : m_client->m_requestDialogs.keys()) {
            if (dialog != first)
                second = dialog;
        }
        QVERIFY(second && second != first);
        QCOMPARE(second->m_requestDetails.value(1), QString("adam"));

        second->m_requestRejectButton->click();
        QCOMPARE(m_peer->waitForRequest("ADDCONTACTAPPROVALSTATUS").value("CONTACTNAME"), QString("adam"));
        QTRY_VERIFY(second.isNull());
        QVERIFY(first && first->isVisible());
        QCOMPARE(m_client->m_requestDialogs.keys(), QList<ZELRequestDialog *>{first.data()});

        first->m_requestAcceptButton->click();
        const ZELTestPeer::Request answer = m_peer->waitForRequest("ADDCONTACTAPPROVALSTATUS");
        QCOMPARE(answer.value("CONTACTNAME"), QString("zoe"));
        QCOMPARE(answer.value("APPROVALSTATUS"), QString("APPROVED"));
        QVERIFY(m_client->m_requestDialogs.isEmpty());
    }

    // Requests beyond the open pop-ups wait, and open oldest first as pop-ups
    // close; an invitation the wait cannot hold is refused at once. Every
    // sender gets the answer of the pop-up he would have had, exactly once.
    void floodIsAnsweredInFull_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("count");
        QTest::newRow("conference, 25") << "CHAT" << 25;
        QTest::newRow("contact, 25") << "ADD" << 25;
        QTest::newRow("conference, beyond the wait")
            << "CHAT" << ZELClient::MaxOpenRequestDialogs + ZELClient::MaxWaitingRequests + 3;
    }

    void floodIsAnsweredInFull()
    {
        QFETCH(QString, kind);
        QFETCH(int, count);
        const bool conference = kind == QLatin1String("CHAT");
        const QString request = conference ? "CONFERECECHATSTATUS" : "ADDCONTACTAPPROVALSTATUS";
        const QString senderTag = conference ? "LOGINNAME" : "CONTACTNAME";
        const QString statusTag = conference ? "STATUS" : "APPROVALSTATUS";
        auto sender = [](int i) { return QString("user%1").arg(i); };
        auto senderOf = [&](ZELRequestDialog *dialog) { return dialog->m_requestDetails.value(conference ? 2 : 1); };
        QStringList flood;
        for (int i = 0; i < count; ++i) {
            flood << (conference ? ZELTestPeer::message("CONFERENCECHAT", {{"CHATUSERNAME", "anita"},
                                                                           {"LOGINNAME", sender(i)},
                                                                           {"INVITECHAT", "Design 10~15~00"},
                                                                           {"DISPLAYNAME", "Ravi Kumar"}})
                                 : approvalAlert(sender(i), "Zoe Adams"));
        }
        m_peer->sendTexts(flood);
        const int open = qMin(count, int(ZELClient::MaxOpenRequestDialogs));
        const int refused = qMax(0, count - ZELClient::MaxOpenRequestDialogs - ZELClient::MaxWaitingRequests);
        QTRY_COMPARE(m_client->m_requestDialogs.size() + m_client->m_waitingRequests.size(), count - refused);
        QCOMPARE(m_client->m_requestDialogs.size(), open);

        // The last ones found the wait full.
        for (int i = count - refused; i < count; ++i) {
            const ZELTestPeer::Request answer = m_peer->waitForRequest(request);
            QCOMPARE(answer.value(senderTag), sender(i));
            QCOMPARE(answer.value(statusTag), QString("Declined"));
        }

        // Answering one pop-up opens the oldest waiting request in its place.
        QSet<QString> showing;
        for (ZELRequestDialog *dialog : m_client->m_requestDialogs.keys())
            showing << senderOf(dialog);
        QVERIFY(!showing.contains(sender(open)));
        m_client->m_requestDialogs.firstKey()->m_requestRejectButton->click();
        QCOMPARE(m_client->m_requestDialogs.size(), open);
        QSet<QString> now;
        for (ZELRequestDialog *dialog : m_client->m_requestDialogs.keys())
            now << senderOf(dialog);
        QCOMPARE(now - showing, QSet<QString>{sender(open)});

        while (!m_client->m_requestDialogs.isEmpty())
            m_client->m_requestDialogs.firstKey()->m_requestRejectButton->click();
        QVERIFY(m_client->m_waitingRequests.isEmpty());
        QStringList answered;
        for (int i = 0; i < count - refused; ++i) {
            const ZELTestPeer::Request answer = m_peer->waitForRequest(request);
            QCOMPARE(answer.value(statusTag), QString("Declined"));
            answered << answer.value(senderTag);
        }
        QStringList expected;
        for (int i = 0; i < count - refused; ++i)
            expected << sender(i);
        answered.sort();
        expected.sort();
        QCOMPARE(answered, expected);
        fence();
        QCOMPARE(m_peer->requestTypes().count(request), count);
    }

    // A contact addition the wait cannot hold is not answered for the user: it
    // stays in the approval list, and the user answers it there.
    void contactFloodWaitsInApprovalList()
    {
        const int count = ZELClient::MaxOpenRequestDialogs + ZELClient::MaxWaitingRequests + 3;
        auto sender = [](int i) { return QString("user%1").arg(i); };
        ZELTestPeer::Fields listed;
        QStringList flood;
        for (int i = 0; i < count; ++i) {
            listed << qMakePair(QString("REQUEST"),
                                QStringList{sender(i), "Zoe", "Sales", "Engineer", "", QStringList(12).join("&&")}
                                    .join('#'));
            flood << approvalAlert(sender(i), "Zoe Adams");
        }
        // After the flood, an invitation that finds the wait full: its refusal
        // says that every addition before it was handled.
        flood << ZELTestPeer::message("CONFERENCECHAT", {{"CHATUSERNAME", "anita"}, {"LOGINNAME", "ravi"},
                                                         {"INVITECHAT", "Design 10~15~00"},
                                                         {"DISPLAYNAME", "Ravi Kumar"}});
        m_peer->sendText(ZELTestPeer::message("ADDCONTACTAPPROVALSTATUS", listed));
        QTableWidget *table = m_client->m_approvalAddContactDialog->m_approvaltable;
        QTRY_COMPARE(table->rowCount(), count);
        m_peer->sendTexts(flood);
        QCOMPARE(m_peer->waitForRequest("CONFERECECHATSTATUS").value("STATUS"), QString("Declined"));
        QCOMPARE(m_client->m_requestDialogs.size() + m_client->m_waitingRequests.size(), count - 3);
        QCOMPARE(m_peer->requestTypes().count("ADDCONTACTAPPROVALSTATUS"), 0);
        QCOMPARE(table->rowCount(), count);

        // The last three, never asked in a pop-up, are answered in the list.
        QStringList late;
        for (int i = count - 3; i < count; ++i)
            late << sender(i);
        for (int row = 0; row < table->rowCount(); ++row) {
            if (late.contains(table->item(row, ZELApprovalAddContact::LoginIdColumn)->text()))
                table->item(row, ZELApprovalAddContact::NameColumn)->setCheckState(Qt::Checked);
        }
        ZELMessageBoxClass::setTestAnswerHook([](const QString &, const QString &) { return int(QMessageBox::Yes); });
        m_client->m_approvalAddContactDialog->m_acceptPushButton->click();
        ZELMessageBoxClass::setTestAnswerHook({});
        QStringList accepted = m_peer->waitForRequest("ADDCONTACTACCEPTEDLIST").values("ADDUSERNAME");
        accepted.sort();
        QCOMPARE(accepted, late);
        QCOMPARE(table->rowCount(), count - 3);
    }

    // A conference answer given after signing out is dropped.
    void conferenceAnswerAfterSignOutIsDropped()
    {
        m_client->showConferenceChatAcceptanceDialog("CHAT", invitation());
        ZELRequestDialog *dialog = openPopUp();
        QVERIFY(dialog);
        m_client->m_signedIn = false;
        dialog->m_requestAcceptButton->click();
        fence();
        QCOMPARE(m_peer->requestTypes().count("CONFERECECHATSTATUS"), 0);
    }

    // Losing the connection closes every pop-up without an answer.
    void connectionLossClosesAll()
    {
        m_client->showConferenceChatAcceptanceDialog("CHAT", invitation());
        m_client->showConferenceChatAcceptanceDialog("ADD", {"APPROVALALERT", "zoe", "Zoe Adams"});
        QPointer<ZELRequestDialog> first = m_client->m_requestDialogs.firstKey();
        QPointer<ZELRequestDialog> second = m_client->m_requestDialogs.lastKey();
        QCOMPARE(m_client->m_requestDialogs.size(), 2);
        int answers = 0;
        for (ZELRequestDialog *dialog : {first.data(), second.data()}) {
            connect(dialog, &ZELRequestDialog::sendAcceptRejectSignal, this, [&] { ++answers; });
            connect(dialog, &ZELRequestDialog::decideLaterUserContact, this, [&] { ++answers; });
        }
        // Requests waiting for a place go with them: none opens as they close.
        for (int i = 0; i < ZELClient::MaxOpenRequestDialogs; ++i)
            m_client->showConferenceChatAcceptanceDialog("ADD", {"APPROVALALERT", QString("user%1").arg(i), "Zoe"});
        QCOMPARE(m_client->m_waitingRequests.size(), 2);
        m_peer->dropConnection();
        QTRY_VERIFY(m_client->m_requestDialogs.isEmpty());
        QTRY_VERIFY(first.isNull() && second.isNull());
        QVERIFY(m_client->m_waitingRequests.isEmpty());
        QCOMPARE(m_client->m_waitingRequestText, 0);
        QCOMPARE(answers, 0);
    }

    // A press anywhere outside the buttons drags the pop-up.
    void dragAnywhere()
    {
        m_client->showConferenceChatAcceptanceDialog("ADD", {"APPROVALALERT", "zoe", "Zoe Adams"});
        ZELRequestDialog *dialog = openPopUp();
        QVERIFY(dialog);
        const QPoint start = dialog->pos();
        const QPoint inside(30, 100);
        const QPoint global = dialog->mapToGlobal(inside);
        QMouseEvent press(QEvent::MouseButtonPress, inside, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(dialog, &press);
        QMouseEvent move(QEvent::MouseMove, inside + QPoint(25, 15), global + QPoint(25, 15), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(dialog, &move);
        QMouseEvent release(QEvent::MouseButtonRelease, inside + QPoint(25, 15), global + QPoint(25, 15),
                            Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(dialog, &release);
        QCOMPARE(dialog->pos(), start + QPoint(25, 15));
        QVERIFY(dialog->isVisible());
    }
};

ZEL_TEST_MAIN(TestInvitations)
#include "tst_invitations.moc"
