#include <QClipboard>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMovie>
#include <QPointer>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include "chat/zelchatwindow.h"
#include "chat/zelconferencechat.h"
#include "chat/zelinvitablelist.h"
#include "chat/zelrequestdialog.h"
#include "core/zelclient.h"
#include "peer/zeltestpeer.h"
#include "platform/zelfakechoosers.h"
#include "platform/zelplatform.h"
#include "protocol/zelsettingslists.h"
#include "protocol/zeltcpsocket.h"
#include "style/zelmessageboxclass.h"
#include "style/zeltextbounds.h"
#include "protocol/zelpicturefield.h"
#include "zelconversationday.h"
#include "zeltestmain.h"
#include "zelopenwatch.h"

// Conferences end to end: a real client signed in as "anita" starts, joins,
// converts and leaves conferences with "ravi" and "mira" (and "ravi2", a
// namesake of ravi), whose side is played by the protocol test peer.
class TestConference : public QObject
{
    Q_OBJECT

private:
    using Fields = ZELTestPeer::Fields;
    using Request = ZELTestPeer::Request;

    ZELTestPeer *m_peer = nullptr;
    ZELClient *m_client = nullptr;
    QTemporaryDir *m_dir = nullptr;
    ZELFakeChoosers m_choosers;
    QStringList m_questions;
    int m_answer = QMessageBox::Yes;

    static constexpr const char *Conference = "Team 10~00~00";

    void send(const QString &type, const Fields &fields) { m_peer->sendText(ZELTestPeer::message(type, fields)); }

    // Makes sure every request the client made so far has arrived.
    void fence()
    {
        QStringList keepAlive{"KEEPALIVE", "fence"};
        m_client->convertXMLSendToServer(keepAlive);
        QVERIFY(m_peer->waitForRequest("KEEPALIVE").isValid());
    }

    int requestCount(const QString &type) { return int(m_peer->requestTypes().count(type)); }

    ZELChatWindow *ownConference(const QString &name = QString::fromLatin1(Conference))
    {
        m_client->openConferenceChatWidget(name);
        return m_client->m_chatWindows.value(name);
    }

    void answer(const QString &user, const QString &display, const QString &word,
                const QString &conference = QString::fromLatin1(Conference))
    {
        send("CONFERECECHATSTATUS", {{"LOGINNAME", "anita"}, {"CHATUSERNAME", user}, {"CHATSESSIONNAME", conference},
                                     {"STATUS", word}, {"DUSERNAME", display}});
    }

    // An own conference with these members accepted.
    ZELChatWindow *conferenceWith(const QList<QPair<QString, QString>> &members)
    {
        ZELChatWindow *w = ownConference();
        for (const auto &member : members)
            answer(member.first, member.second, "Accepted");
        if (w && !QTest::qWaitFor([&]() { return w->m_chatRoomListBox->count() == members.size(); }))
            return nullptr;
        return w;
    }

    void invitation(const QString &inviter, const QString &display,
                    const QString &conference = QString::fromLatin1(Conference))
    {
        send("CONFERENCECHAT",
             {{"CHATUSERNAME", "anita"}, {"LOGINNAME", inviter}, {"INVITECHAT", conference}, {"DISPLAYNAME", display}});
    }

    // The pop-up of the next invitation.
    ZELRequestDialog *nextPopup()
    {
        if (!QTest::qWaitFor([&]() { return !m_client->m_requestDialogs.isEmpty(); }))
            return nullptr;
        return m_client->m_requestDialogs.firstKey();
    }

    // A conference of mira's that the user joined.
    ZELChatWindow *joined()
    {
        invitation("mira", "Mira Shah");
        ZELRequestDialog *popup = nextPopup();
        if (!popup)
            return nullptr;
        popup->onAcceptButtonClicked();
        return m_client->m_chatWindows.value(QString::fromLatin1(Conference));
    }

    static void select(QListWidget *list, const QStringList &userNames)
    {
        list->clearSelection();
        for (int i = 0; i < list->count(); ++i) {
            if (userNames.contains(list->item(i)->toolTip()))
                list->item(i)->setSelected(true);
        }
    }

    // "user name##display name" per row, in list order.
    static QStringList rows(const QListWidget *list)
    {
        QStringList result;
        for (int i = 0; i < list->count(); ++i)
            result << list->item(i)->toolTip() + "##" + list->item(i)->text();
        return result;
    }

    static QStringList entries(const ZELChatWindow *w)
    {
        QStringList result;
        for (int i = 0; i < w->m_conferenceRootItem->childCount(); ++i)
            result << w->m_conferenceRootItem->child(i)->toolTip(0);
        return result;
    }

    static QWidget *entryWidget(const ZELChatWindow *w, const QString &userName)
    {
        for (int i = 0; i < w->m_conferenceRootItem->childCount(); ++i) {
            QTreeWidgetItem *item = w->m_conferenceRootItem->child(i);
            if (item->toolTip(0) == userName)
                return w->m_conferenceChatFrame->itemWidget(item, 0);
        }
        return nullptr;
    }

    static QString boxText(QWidget *owner, ZELMessageBoxClass *box)
    {
        Q_UNUSED(owner);
        const QLabel *label = box->findChild<QLabel *>(QStringLiteral("m_messageText"));
        return label && box->isVisible() ? label->text() : QString();
    }

    static int occurrences(const QString &text, const QString &what) { return int(text.count(what)); }

private slots:
    void init()
    {
        m_dir = new QTemporaryDir;
        QVERIFY(m_dir->isValid());
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
        m_client->m_chatHistorySettings[ZELChatHistoryList::AutomaticSave] = "FALSE";
        m_client->m_notificationSettings = ZELNotificationList::defaults();
        m_client->m_notificationSettings[ZELNotificationList::SendsFile] = "FALSE";
        m_client->m_notificationSettings[ZELNotificationList::SendsMessage] = "FALSE";
        m_client->m_defaultFileLocation = m_dir->filePath("in");
        QVERIFY(QDir().mkpath(m_client->m_defaultFileLocation));
        m_client->m_users.insert("ravi", UserRecord{"Engineer", "Ravi Kumar", "Sales", "Online", "",
                                                    "Ravi&&Field&&Sales", "ravi", "", "GMT+05:30"});
        m_client->m_users.insert("mira", UserRecord{"Lead", "Mira Shah", "Support", "Online", "",
                                                    "Mira&&Office&&Support", "mira", "", "GMT+05:30"});
        m_client->m_presentContacts = {"ravi##Ravi Kumar", "mira##Mira Shah", "ravi2##Ravi Kumar"};
        m_choosers.openFileAnswers.clear();
        ZELPlatform::setChoosers(&m_choosers);
        m_questions.clear();
        m_answer = QMessageBox::Yes;
        ZELMessageBoxClass::setTestAnswerHook([this](const QString &, const QString &text) {
            m_questions << text;
            return m_answer;
        });
    }

    void cleanup()
    {
        ZELMessageBoxClass::setTestAnswerHook({});
        ZELPlatform::setChoosers(nullptr);
        const QList<ZELChatWindow *> windows = m_client->m_chatWindows.values();
        for (ZELChatWindow *w : QSet<ZELChatWindow *>(windows.cbegin(), windows.cend()))
            delete w;
        delete m_client;
        m_client = nullptr;
        delete m_peer;
        m_peer = nullptr;
        delete m_dir;
        m_dir = nullptr;
    }

    // ------------------------------------------------------------------
    void conferenceId_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QTime>("time");
        QTest::addColumn<QString>("id");
        QTest::newRow("plain") << "Team A" << QTime(14, 5, 9) << "Team A 14~05~09";
        QTest::newRow("blanks collapse") << "  Team   A  " << QTime(9, 5, 7) << "Team A 09~05~07";
        QTest::newRow("marks") << "R&D|ops_1" << QTime(23, 59, 59) << "R&D|ops_1 23~59~59";
    }

    void conferenceId()
    {
        QFETCH(QString, typed);
        QFETCH(QTime, time);
        QFETCH(QString, id);
        QCOMPARE(ZELConferenceChat::conferenceId(typed, time), id);
    }

    void nameDialog()
    {
        QPointer<ZELConferenceChat> dialog = new ZELConferenceChat(m_client);
        QStringList emitted;
        connect(dialog, &ZELConferenceChat::createConferenceChatWindow, this, [&](QString id) { emitted << id; });
        QCOMPARE(dialog->size(), QSize(319, 160));
        QVERIFY(!dialog->m_conferenceChatOkButton->isEnabled());

        // Colons and hyphens are refused, bars, apostrophes and underscores taken.
        QTest::keyClicks(dialog->m_chatSessionNameEdit, "a:b-c|d'e_f");
        QCOMPARE(dialog->m_chatSessionNameEdit->text(), QString("abc|d'e_f"));
        dialog->m_chatSessionNameEdit->clear();

        // Blanks only: Ok comes on, the name is refused.
        QTest::keyClicks(dialog->m_chatSessionNameEdit, "   ");
        QVERIFY(dialog->m_conferenceChatOkButton->isEnabled());
        dialog->show();
        dialog->m_conferenceChatOkButton->click();
        QCOMPARE(boxText(dialog, dialog->m_informationBox), QString(" Please enter chat session name "));
        QVERIFY(dialog->m_chatSessionNameEdit->text().isEmpty());
        QVERIFY(emitted.isEmpty());

        // Escape closes without a name.
        QTest::keyClick(dialog, Qt::Key_Escape);
        QTRY_VERIFY(dialog.isNull());
        QVERIFY(emitted.isEmpty());

        // From the main widget: the typed name opens the user's own conference.
        m_client->showConferenceChatWidget();
        QPointer<ZELConferenceChat> fromMain = m_client->findChild<ZELConferenceChat *>();
        QVERIFY(fromMain);
        QTest::keyClicks(fromMain->m_chatSessionNameEdit, "Weekly");
        QTest::keyClick(fromMain->m_chatSessionNameEdit, Qt::Key_Return);
        QTRY_VERIFY(fromMain.isNull());
        QCOMPARE(m_client->m_chatWindows.size(), 1);
        const QString key = m_client->m_chatWindows.firstKey();
        QVERIFY(key.startsWith("Weekly "));
        QCOMPARE(key.size(), 15);
        ZELChatWindow *w = m_client->m_chatWindows.first();
        QCOMPARE(w->windowTitle(), QString("Conference Chat - Weekly "));
        QCOMPARE(w->m_conferenceSessionName, key);
        QCOMPARE(w->Chat->currentIndex(), 3);
    }

    void inviteAcceptAndDecline()
    {
        ZELChatWindow *w = ownConference();
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QString("Conference Chat - Team "));
        QVERIFY(w->totalMessage->toPlainText().contains("Team "));
        // Namesakes are two rows: the list goes by user name.
        QCOMPARE(rows(w->invitableUsers().list()),
                 QStringList({"ravi##Ravi Kumar", "mira##Mira Shah", "ravi2##Ravi Kumar"}));
        QVERIFY(!w->m_inviteChatButton->isHidden());
        QVERIFY(!w->m_stopChatButton->isEnabled());
        QVERIFY(!w->sendButton->isEnabled());

        // The participants panel hides and comes back.
        w->m_hideTreeViewButton->click();
        QVERIFY(w->m_conferenceChatFrame->isHidden());
        QCOMPARE(w->minimumWidth(), 630);
        w->m_hideTreeViewButton->click();
        QVERIFY(!w->m_conferenceChatFrame->isHidden());
        QCOMPARE(w->minimumWidth(), 776);

        select(w->invitableUsers().list(), {"ravi", "mira"});
        QVERIFY(w->m_inviteChatButton->isEnabled());
        w->m_inviteChatButton->click();
        QCOMPARE(m_questions.value(0), QString("Are you sure you want to invite selected user(s) to conference chat? "));
        QStringList invited;
        for (int i = 0; i < 2; ++i) {
            const Request request = m_peer->waitForRequest("CONFERENCECHAT");
            QVERIFY(request.isValid());
            QCOMPARE(request.tags(), QStringList({"CHATUSERNAME", "LOGINNAME", "INVITECHAT", "DISPLAYNAME"}));
            QCOMPARE(request.value("LOGINNAME"), QString("anita"));
            QCOMPARE(request.value("INVITECHAT"), QString(Conference));
            QCOMPARE(request.value("DISPLAYNAME"), QString("Anita Rao"));
            invited << request.value("CHATUSERNAME");
        }
        invited.sort();
        QCOMPARE(invited, QStringList({"mira", "ravi"}));
        QVERIFY(w->invitableUsers().list()->selectedItems().isEmpty());
        QVERIFY(!w->m_inviteChatButton->isEnabled());

        // Asked again before the answer: a notice, nothing sent.
        select(w->invitableUsers().list(), {"ravi"});
        w->m_inviteChatButton->click();
        QVERIFY(boxText(w, w->m_informationBox.get()).endsWith("already invited in this conference chat"));
        fence();
        QCOMPARE(requestCount("CONFERENCECHAT"), 2);

        answer("ravi", "Ravi Kumar", "Accepted");
        const Request update = m_peer->waitForRequest("UPDATECONFERENCECHATUSERS");
        QVERIFY(update.isValid());
        QCOMPARE(update.tags(), QStringList({"LOGINNAME", "CHATSUBJECT", "NEWUSER", "USERS", "CHATUSERNAME"}));
        QCOMPARE(update.value("LOGINNAME"), QString("anita##Anita Rao"));
        QCOMPARE(update.value("CHATSUBJECT"), QString(Conference));
        QCOMPARE(update.value("NEWUSER"), QString("ravi##Ravi Kumar"));
        QCOMPARE(update.value("USERS"), QString("ravi##Ravi Kumar,"));
        QCOMPARE(update.value("CHATUSERNAME"), QString("ravi"));
        QCOMPARE(rows(w->m_chatRoomListBox), QStringList({"ravi##Ravi Kumar"}));
        QCOMPARE(entries(w), QStringList({"ravi"}));
        QCOMPARE(w->m_conferenceUsers, QStringList({"ravi##Ravi Kumar"}));
        QVERIFY(w->m_stopChatButton->isEnabled());
        QCOMPARE(w->m_conferenceInvitees, QStringList({"mira"}));
        QVERIFY(w->totalMessage->toPlainText().contains("Ravi Kumar has Accepted conference chat"));

        answer("mira", "Mira Shah", "Declined");
        QTRY_VERIFY(w->totalMessage->toPlainText().contains("Mira Shah has Declined conference chat"));
        QVERIFY(w->m_conferenceInvitees.isEmpty());
        QCOMPARE(rows(w->m_chatRoomListBox), QStringList({"ravi##Ravi Kumar"}));
        fence();
        QCOMPARE(requestCount("UPDATECONFERENCECHATUSERS"), 1);

        // An answer under a user name longer than any account's adds no one and
        // tells the server nothing; the answer after it is handled as ever.
        answer(QString(ZELTextBounds::KeyLength + 1, QLatin1Char('x')), "Long Name", "Accepted");
        answer("zed", "Zed", "Declined");
        QTRY_VERIFY(w->totalMessage->toPlainText().contains("Zed has Declined conference chat"));
        QVERIFY(!w->totalMessage->toPlainText().contains("Long Name"));
        fence();
        QCOMPARE(requestCount("UPDATECONFERENCECHATUSERS"), 1);
        QCOMPARE(rows(w->m_chatRoomListBox), QStringList({"ravi##Ravi Kumar"}));

        // A participant cannot be invited again.
        select(w->invitableUsers().list(), {"ravi"});
        w->m_inviteChatButton->click();
        QVERIFY(boxText(w, w->m_informationBox.get()).endsWith("already added in this conference chat"));
        fence();
        QCOMPARE(requestCount("CONFERENCECHAT"), 2);
    }

    void invitationAnswered_data()
    {
        QTest::addColumn<bool>("accept");
        QTest::newRow("accepted") << true;
        QTest::newRow("declined") << false;
    }

    void invitationAnswered()
    {
        QFETCH(bool, accept);
        invitation("mira", "Mira Shah");
        ZELRequestDialog *popup = nextPopup();
        QVERIFY(popup);
        QCOMPARE(popup->m_requestType, QString("CHAT"));
        if (accept)
            popup->onAcceptButtonClicked();
        else
            popup->onRejectButtonClicked();
        QVERIFY(m_client->m_requestDialogs.isEmpty());

        const Request status = m_peer->waitForRequest("CONFERECECHATSTATUS");
        QVERIFY(status.isValid());
        QCOMPARE(status.tags(), QStringList({"LOGINNAME", "CHATUSERNAME", "CHATSESSIONNAME", "STATUS", "DUSERNAME"}));
        QCOMPARE(status.value("LOGINNAME"), QString("mira"));
        QCOMPARE(status.value("CHATUSERNAME"), QString("anita"));
        QCOMPARE(status.value("CHATSESSIONNAME"), QString(Conference));
        QCOMPARE(status.value("STATUS"), QString(accept ? "Accepted" : "Declined"));
        QCOMPARE(status.value("DUSERNAME"), QString("Anita Rao"));

        ZELChatWindow *w = m_client->m_chatWindows.value(Conference);
        if (!accept) {
            QVERIFY(!w);
            return;
        }
        QVERIFY(w);
        QVERIFY(w->m_inviteChatButton->isHidden());
        QVERIFY(w->m_stopChatButton->isHidden());
        QCOMPARE(rows(w->m_chatRoomListBox), QStringList({"mira##Mira Shah"}));
        QCOMPARE(entries(w), QStringList({"mira"}));
        QVERIFY(w->totalMessage->toPlainText().simplified().contains("Mira Shah invites conference chat"));

        // Invited again to the open conference: the window serves, the
        // inviter is listed once.
        invitation("mira", "Mira Shah");
        popup = nextPopup();
        QVERIFY(popup);
        popup->onAcceptButtonClicked();
        QVERIFY(m_peer->waitForRequest("CONFERECECHATSTATUS").isValid());
        QCOMPARE(m_client->m_chatWindows.value(Conference), w);
        QCOMPARE(rows(w->m_chatRoomListBox), QStringList({"mira##Mira Shah"}));
        QCOMPARE(w->m_conferenceUsers, QStringList({"mira##Mira Shah"}));
    }

    void repeatedInvitationsOpenOnePopupEach()
    {
        for (int i = 0; i < 3; ++i)
            invitation("mira", "Mira Shah");
        invitation("ravi", "Ravi Kumar");
        QStringList flood;
        for (int i = 0; i < 2 * ZELClient::MaxOpenRequestDialogs; ++i)
            flood << ZELTestPeer::message("CONFERENCECHAT", {{"CHATUSERNAME", "anita"}, {"LOGINNAME", "mira"},
                                                             {"INVITECHAT", QString("Room %1 10~00~00").arg(i)},
                                                             {"DISPLAYNAME", "Mira Shah"}});
        m_peer->sendTexts(flood);
        QTRY_COMPARE(m_client->m_requestDialogs.size(), ZELClient::MaxOpenRequestDialogs);
        QStringList inviters;
        for (auto it = m_client->m_requestDialogs.cbegin(); it != m_client->m_requestDialogs.cend(); ++it)
            inviters << it.key()->m_requestDetails.value(2) + "/" + it.key()->m_requestDetails.value(3);
        QCOMPARE(inviters.count(QString("mira/") + Conference), 1);
        QCOMPARE(inviters.count(QString("ravi/") + Conference), 1);
    }

    void messageToAll()
    {
        ZELChatWindow *w = conferenceWith({{"ravi", "Ravi Kumar"}, {"mira", "Mira Shah"}});
        QVERIFY(w);
        QVERIFY(m_peer->waitForRequest("UPDATECONFERENCECHATUSERS").isValid());

        // Typing and erasing are told to every participant.
        const struct { Qt::Key key; const char *type; } notices[] = {
            {Qt::Key_A, "CONFERENCETYPESTATUS"}, {Qt::Key_Backspace, "CONFERENCEERASESTATUS"}};
        for (const auto &notice : notices) {
            QTest::keyClick(w->serverMessage, notice.key);
            const Request request = m_peer->waitForRequest(notice.type);
            QVERIFY2(request.isValid(), notice.type);
            QCOMPARE(request.value("LOGINNAME"), QString("anita"));
            QCOMPARE(request.values("CHATUSERNAME"), QStringList({Conference, "ravi", "mira"}));
        }

        w->sendButton->setEnabled(true);
        w->serverMessage->setPlainText("hello, all");
        w->sendButton->click();
        const Request request = m_peer->waitForRequest("CONFERENCECHATMESSAGE");
        QVERIFY(request.isValid());
        QCOMPARE(request.value("LOGINNAME"), QString("anita##Anita Rao"));
        QCOMPARE(request.value("CHATSUBJECT"), QString(Conference));
        QVERIFY(!request.value("MESSAGE").contains(','));
        QCOMPARE(request.values("CHATUSERNAME"), QStringList({"hello, all", "ravi", "mira"}));

        const auto say = [&](const QString &user, const QString &display, const QString &text) {
            send("CONFERENCECHATMESSAGE", {{"LOGINNAME", user + "##" + display}, {"CHATSUBJECT", Conference},
                                           {"MESSAGE", text}, {"SMILEY", "FALSE"}, {"SENDPICTURE", ""},
                                           {"ADDBANNER", ""}, {"PLAINTEXT", text}});
        };
        say("ravi", "Ravi Kumar", "first$#$ravi");
        say("ravi", "Ravi Kumar", "second ravi");
        say("mira", "Mira Shah", "mira here");
        QTRY_VERIFY(w->totalMessage->toPlainText().contains("mira here"));
        const QString text = w->totalMessage->toPlainText();
        QVERIFY(text.contains("first,ravi"));
        // Two in a row under one heading; another speaker gets his own.
        QCOMPARE(occurrences(text, "Ravi Kumar says ::"), 1);
        QCOMPARE(occurrences(text, "Mira Shah says ::"), 1);

        // Typing shows on the typist's own entry only.
        send("CONFERENCETYPESTATUS", {{"LOGINNAME", "mira"}, {"CHATSUBJECT", Conference}});
        const auto typing = [&](const QString &user) {
            const QList<QLabel *> labels = entryWidget(w, user)->findChildren<QLabel *>();
            return !labels.isEmpty() && labels.last()->movie()
                   && labels.last()->movie()->state() == QMovie::Running;
        };
        QTRY_VERIFY(typing("mira"));
        QVERIFY(!typing("ravi"));
    }

    // A picture sent with a conference message is stored under ScreenCapture
    // and shown from there, as in a one-to-one chat.
    void pictureWithAMessage()
    {
        ZELChatWindow *w = conferenceWith({{"ravi", "Ravi Kumar"}});
        QVERIFY(w);
        const QByteArray bytes("not really a jpeg, but bytes to keep");
        send("CONFERENCECHATMESSAGE", {{"LOGINNAME", "ravi##Ravi Kumar"}, {"CHATSUBJECT", Conference},
                                       {"MESSAGE", "look <img src=\"ScreenCapture/shot.jpg\" />"}, {"SMILEY", "FALSE"},
                                       {"SENDPICTURE", ZELPictureField::encode("shot.jpg", bytes)},
                                       {"ADDBANNER", ""}, {"PLAINTEXT", "look"}});
        const QString stored = m_client->m_dataFolder + "/ScreenCapture/shot.jpg";
        QTRY_VERIFY(QFile::exists(stored));
        QFile file(stored);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), bytes);
        QVERIFY(w->totalMessage->toHtml().contains(stored));
    }

    void removeAndStop()
    {
        ZELChatWindow *w =
            conferenceWith({{"ravi", "Ravi Kumar"}, {"mira", "Mira Shah"}, {"ravi2", "Ravi Kumar"}});
        QVERIFY(w);
        QCOMPARE(entries(w), QStringList({"ravi", "mira", "ravi2"}));
        QPointer<QWidget> raviEntry = entryWidget(w, "ravi");
        QPointer<QWidget> miraEntry = entryWidget(w, "mira");
        QVERIFY(raviEntry && miraEntry);

        select(w->m_chatRoomListBox, {"ravi"});
        w->m_removeChatButton->click();
        QCOMPARE(m_questions.last(), QString("Are you sure you want to remove selected user(s) from conference chat ?"));
        const Request removal = m_peer->waitForRequest("REMOVECONFERENCECHATUSER");
        QVERIFY(removal.isValid());
        QCOMPARE(removal.value("LOGINNAME"), QString("anita"));
        QCOMPARE(removal.value("CHATSUBJECT"), QString(Conference));
        QCOMPARE(removal.value("USERNAME"), QString("ravi##Ravi Kumar"));
        QCOMPARE(removal.values("CONFERENCEUSERS"), QStringList({"ravi##Ravi Kumar", "ravi", "mira", "ravi2"}));
        // The namesake stays; the removed entry and its widget are gone.
        QCOMPARE(rows(w->m_chatRoomListBox), QStringList({"mira##Mira Shah", "ravi2##Ravi Kumar"}));
        QCOMPARE(entries(w), QStringList({"mira", "ravi2"}));
        QTRY_VERIFY(raviEntry.isNull());
        QVERIFY(!w->m_stopChatButton->isEnabled());

        // Another member removed the namesake: ravi's own rows were gone already.
        send("REMOVECONFERENCECHATUSER", {{"LOGINNAME", "mira"}, {"CHATSUBJECT", Conference},
                                          {"USERNAME", "ravi2##Ravi Kumar"}});
        QTRY_COMPARE(rows(w->m_chatRoomListBox), QStringList({"mira##Mira Shah"}));
        QCOMPARE(entries(w), QStringList({"mira"}));
        QVERIFY(w->totalMessage->toPlainText().simplified().contains("Ravi Kumar removed from this conference chat"));

        w->stopConferenceChat();
        QCOMPARE(m_questions.last(), QString("Are you sure you want to stop the conference chat ?"));
        const Request stop = m_peer->waitForRequest("STOPCONFERENCECHAT");
        QVERIFY(stop.isValid());
        QCOMPARE(stop.value("LOGINNAME"), QString("anita"));
        QCOMPARE(stop.value("CHATSUBJECT"), QString(Conference));
        // The session goes out twice: the server reads it under both names.
        QCOMPARE(stop.values("CHATUSERNAME"), QStringList({Conference, "mira"}));
        QCOMPARE(w->m_chatRoomListBox->count(), 0);
        QVERIFY(entries(w).isEmpty());
        QVERIFY(w->m_conferenceUsers.isEmpty());
        QVERIFY(w->m_privilegeMap.isEmpty());
        QVERIFY(!w->sendButton->isEnabled());
        QVERIFY(!w->m_inviteChatButton->isEnabled());
        QTRY_VERIFY(miraEntry.isNull());
        QVERIFY(m_client->m_chatWindows.contains(Conference));
    }

    void memberWindowClosesDown_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("notice");
        QTest::newRow("stopped") << "STOPCONFERENCECHAT" << "Conference chat stopped";
        QTest::newRow("removed") << "REMOVECONFERENCECHATUSER" << "You have been removed from this conference chat";
    }

    void memberWindowClosesDown()
    {
        QFETCH(QString, type);
        QFETCH(QString, notice);
        ZELChatWindow *w = joined();
        QVERIFY(w);
        send("UPDATECONFERENCECHATUSERS", {{"LOGINNAME", "mira##Mira Shah"}, {"CHATSUBJECT", Conference},
                                           {"NEWUSER", "ravi##Ravi Kumar"},
                                           {"USERS", "mira##Mira Shah,anita##Anita Rao,ravi##Ravi Kumar,"}});
        QTRY_COMPARE(rows(w->m_chatRoomListBox), QStringList({"mira##Mira Shah", "ravi##Ravi Kumar"}));
        QVERIFY(w->totalMessage->toPlainText().contains("Mira Shah added Ravi Kumar in this chat"));

        send(type, {{"LOGINNAME", "mira"}, {"CHATSUBJECT", Conference}, {"USERNAME", "anita##Anita Rao"},
                    {"X", ""}});
        QTRY_VERIFY(w->totalMessage->toPlainText().contains(notice));
        QCOMPARE(w->m_chatRoomListBox->count(), 0);
        QVERIFY(entries(w).isEmpty());
        QVERIFY(!w->serverMessage->isEnabled());
        QVERIFY(!w->Chat->isTabEnabled(3));
        QCOMPARE(w->Chat->currentIndex(), 1);
        QCOMPARE(m_client->m_chatWindows.value(Conference), w);
    }

    void endlessMemberListStopsAtTheLimit()
    {
        ZELChatWindow *w = joined();
        QVERIFY(w);
        QString members;
        const int sent = ZELClient::MaxConferenceParticipants + 500;
        for (int i = 0; i < sent; ++i)
            members += QString("user%1##User %1,").arg(i);
        send("UPDATECONFERENCECHATUSERS", {{"LOGINNAME", "mira##Mira Shah"}, {"CHATSUBJECT", Conference},
                                           {"NEWUSER", "user0##User 0"}, {"USERS", members}});
        QTRY_COMPARE(w->m_chatRoomListBox->count(), ZELClient::MaxConferenceParticipants);
        fence();
        QCOMPARE(w->m_chatRoomListBox->count(), ZELClient::MaxConferenceParticipants);
        QCOMPARE(w->m_conferenceRootItem->childCount(), ZELClient::MaxConferenceParticipants);
    }

    void memberClosedWindow()
    {
        ZELChatWindow *w = conferenceWith({{"ravi", "Ravi Kumar"}, {"ravi2", "Ravi Kumar"}});
        QVERIFY(w);
        QPointer<QWidget> entry = entryWidget(w, "ravi2");
        send("CLOSECONFERENCECHATWINDOW", {{"LOGINNAME", "ravi2"}, {"CHATSUBJECT", Conference},
                                           {"CLOSEMESSAGE", "Ravi Kumar left from this conference chat"},
                                           {"X", ""}, {"Y", ""}});
        QTRY_COMPARE(rows(w->m_chatRoomListBox), QStringList({"ravi##Ravi Kumar"}));
        QCOMPARE(entries(w), QStringList({"ravi"}));
        QCOMPARE(w->m_conferenceUsers, QStringList({"ravi##Ravi Kumar"}));
        QTRY_VERIFY(entry.isNull());
    }

    void signOutOfNamesakeKeepsTheOther()
    {
        ZELChatWindow *w = conferenceWith({{"ravi", "Ravi Kumar"}, {"ravi2", "Ravi Kumar"}, {"mira", "Mira Shah"}});
        QVERIFY(w);
        send("LOGOUT", {{"USERNAME", "ravi2"}, {"DEPARTMENT", "Sales"}, {"DISPLAYNAME", "Ravi Kumar"},
                        {"COMPANY", "Acme"}, {"STATUSMESSAGE", "bye"}});
        QTRY_VERIFY(w->totalMessage->toPlainText().contains("Ravi Kumar left from this conference chat"));
        QCOMPARE(rows(w->m_chatRoomListBox), QStringList({"ravi##Ravi Kumar", "mira##Mira Shah"}));
        QCOMPARE(entries(w), QStringList({"ravi", "mira"}));
        QCOMPARE(rows(w->invitableUsers().list()), QStringList({"ravi##Ravi Kumar", "mira##Mira Shah"}));
    }

    void conversionOfOneToOneWindow()
    {
        m_client->createChatWindow("ravi");
        QPointer<ZELChatWindow> w = m_client->m_chatWindows.value("ravi");
        QVERIFY(w);
        QVERIFY(!w->m_conferenceButton->isHidden());
        w->m_conferenceButton->click();
        QPointer<ZELConferenceChat> dialog = w->findChild<ZELConferenceChat *>();
        QVERIFY(dialog);
        QTest::keyClicks(dialog->m_chatSessionNameEdit, "Plan");
        dialog->m_conferenceChatOkButton->click();

        const Request request = m_peer->waitForRequest("CHANGECONFERENCECHAT");
        QVERIFY(request.isValid());
        QCOMPARE(request.tags(), QStringList({"CHATUSERNAME", "CHATSESSION", "NewPass", "DISPLAYNAME"}));
        QCOMPARE(request.value("CHATUSERNAME"), QString("ravi"));
        QCOMPARE(request.value("CHATSESSION"), QString("anita"));
        const QString name = request.value("NewPass");
        QVERIFY(name.startsWith("Plan "));
        QCOMPARE(request.value("DISPLAYNAME"), QString("Anita Rao"));

        QVERIFY(!m_client->m_chatWindows.contains("ravi"));
        QCOMPARE(m_client->m_chatWindows.value(name), w.data());
        QCOMPARE(w->m_conferenceSessionName, name);
        QVERIFY(w->m_peer.isEmpty());
        QCOMPARE(rows(w->m_chatRoomListBox), QStringList({"ravi##Ravi Kumar"}));
        QCOMPARE(entries(w), QStringList({"ravi"}));
        QCOMPARE(w->Chat->tabText(w->Chat->currentIndex()), QString("Conference Chat"));
        QVERIFY(w->m_stopChatButton->isEnabled());
        QCOMPARE(w->windowTitle(), QString("Conference Chat - Plan "));
        const QString text = w->totalMessage->toPlainText();
        QVERIFY(text.contains("Conference Chat - Plan "));
        QVERIFY(!text.contains("This chat session changed as conference chat"));

        // A message now goes to the conference.
        w->sendButton->setEnabled(true);
        w->serverMessage->setPlainText("now all of us");
        w->sendButton->click();
        const Request message = m_peer->waitForRequest("CONFERENCECHATMESSAGE");
        QVERIFY(message.isValid());
        QCOMPARE(message.value("CHATSUBJECT"), name);
        fence();
        QCOMPARE(requestCount("CHAT"), 0);
    }

    // Each conversion form converts the window it was opened from, whatever
    // other forms or a peer's conversion did while it was open. Steps:
    // "form <user>" opens the form in that user's window, "ok <user>" answers
    // it, "peer mira" is mira converting her chat with the user.
    void conversionFormsKeepTheirWindows_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::newRow("first form answered first") << QStringList{"form ravi", "form mira", "ok ravi", "ok mira"};
        QTest::newRow("second form answered first") << QStringList{"form ravi", "form mira", "ok mira", "ok ravi"};
        QTest::newRow("peer converts while a form is open") << QStringList{"form ravi", "peer mira", "ok ravi"};
    }

    void conversionFormsKeepTheirWindows()
    {
        QFETCH(QStringList, steps);
        const QMap<QString, QString> names{{"ravi", "Ravi Kumar"}, {"mira", "Mira Shah"}};
        QMap<QString, QPointer<ZELChatWindow>> windows;
        QMap<QString, QPointer<ZELConferenceChat>> forms;
        for (const QString &user : names.keys()) {
            m_client->createChatWindow(user);
            windows[user] = m_client->m_chatWindows.value(user);
            QVERIFY(windows[user]);
        }
        int typed = 0;
        QStringList converted;
        for (const QString &step : std::as_const(steps)) {
            const QString user = step.section(' ', 1);
            QPointer<ZELChatWindow> w = windows.value(user);
            if (step.startsWith("form")) {
                w->m_conferenceButton->click();
                forms[user] = w->findChild<ZELConferenceChat *>();
                QVERIFY(forms[user]);
                QTest::keyClicks(forms[user]->m_chatSessionNameEdit, "Plan" + QString::number(++typed));
                continue;
            }
            if (step.startsWith("peer")) {
                send("CHANGECONFERENCECHAT", {{"CHATUSERNAME", "anita"}, {"CHATSESSION", user},
                                              {"NewPass", Conference}, {"DISPLAYNAME", names.value(user)}});
                QTRY_COMPARE(m_client->m_chatWindows.value(Conference), w.data());
            } else {
                forms[user]->m_conferenceChatOkButton->click();
                const Request request = m_peer->waitForRequest("CHANGECONFERENCECHAT");
                QVERIFY(request.isValid());
                QCOMPARE(request.value("CHATUSERNAME"), user);
                QCOMPARE(m_client->m_chatWindows.value(request.value("NewPass")), w.data());
            }
            converted << user;
            // Converted windows hold their own former peer; the others are untouched.
            for (auto it = windows.cbegin(); it != windows.cend(); ++it) {
                const bool done = converted.contains(it.key());
                QCOMPARE(it.value()->m_peer.isEmpty(), done);
                QCOMPARE(m_client->m_chatWindows.value(it.key()) == it.value(), !done);
                QCOMPARE(rows(it.value()->m_chatRoomListBox),
                         done ? QStringList{it.key() + "##" + names.value(it.key())} : QStringList());
            }
        }
        fence();
        QCOMPARE(requestCount("CHANGECONFERENCECHAT"), int(steps.filter("ok ").size()));
    }

    // A long message received before the chat becomes a conference stays
    // whole behind its note, whichever side converts: a copy of the
    // transcript, the HTML save and the automatic save give it back as sent.
    void conversionKeepsLongMessagesWhole_data()
    {
        QTest::addColumn<bool>("here");
        QTest::newRow("converted here") << true;
        QTest::newRow("converted by the peer") << false;
    }

    void conversionKeepsLongMessagesWhole()
    {
        QFETCH(bool, here);
        m_client->createChatWindow("ravi");
        QPointer<ZELChatWindow> w = m_client->m_chatWindows.value("ravi");
        QVERIFY(w);
        QStringList steps;
        for (int step = 0; step < 2000; ++step)
            steps << QString("    step %1:  value  =  %2").arg(step).arg(step * 7);
        const QString plain = steps.join('\n');
        send("CHAT", {{"CHATUSERNAME", "anita"}, {"LOGINNAME", "ravi"}, {"MESSAGE", ZELConversationDay::composed(plain)},
                      {"SENDSMILEY", ""}, {"SENDPICTURE", ""}, {"BANNERSTATE", ""}, {"PLAINTEXT", plain},
                      {"DISPLAYNAME", "Ravi Kumar"}, {"PASSWORD", "FALSE"}});
        QVERIFY(m_peer->waitForRequest("MESSAGEDELIVERED").isValid());
        QTRY_VERIFY(w->totalMessage->toPlainText().contains(" more characters not shown"));
        if (here) {
            w->m_conferenceButton->click();
            ZELConferenceChat *dialog = w->findChild<ZELConferenceChat *>();
            QVERIFY(dialog);
            QTest::keyClicks(dialog->m_chatSessionNameEdit, "Plan");
            dialog->m_conferenceChatOkButton->click();
            QVERIFY(m_peer->waitForRequest("CHANGECONFERENCECHAT").isValid());
        } else {
            send("CHANGECONFERENCECHAT", {{"CHATUSERNAME", "anita"}, {"CHATSESSION", "ravi"},
                                          {"NewPass", Conference}, {"DISPLAYNAME", "Ravi Kumar"}});
            QTRY_VERIFY(m_client->m_chatWindows.contains(Conference));
        }
        QVERIFY(!m_client->m_chatWindows.contains("ravi"));
        QCOMPARE(occurrences(w->totalMessage->toPlainText(), " more characters not shown"), 1);

        w->totalMessage->selectAll();
        w->totalMessage->copy();
        QVERIFY(QGuiApplication::clipboard()->text().contains(plain));

        const auto holdsTheMessage = [&plain](const QString &path) {
            QFile file(path);
            if (!file.open(QIODevice::ReadOnly))
                return false;
            QTextDocument saved;
            saved.setHtml(QString::fromUtf8(file.readAll()));
            return saved.toPlainText().contains(plain) && !saved.toPlainText().contains(" more characters not shown");
        };
        m_choosers.saveFileAnswers << m_dir->filePath("saved.html");
        w->saveChatSession();
        QVERIFY(holdsTheMessage(m_dir->filePath("saved.html")));

        w->m_historyFolder = m_dir->filePath("history");
        w->saveAutomaticChatHistory();
        QDirIterator stored(w->m_historyFolder, {"*.html"}, QDir::Files, QDirIterator::Subdirectories);
        QVERIFY(stored.hasNext());
        QVERIFY(holdsTheMessage(stored.next()));
    }

    void conversionByThePeer_data()
    {
        QTest::addColumn<bool>("open");
        QTest::newRow("chat open") << true;
        QTest::newRow("chat closed") << false;
    }

    void conversionByThePeer()
    {
        QFETCH(bool, open);
        QPointer<ZELChatWindow> chat;
        if (open) {
            m_client->createChatWindow("mira");
            chat = m_client->m_chatWindows.value("mira");
            QVERIFY(chat);
        }
        send("CHANGECONFERENCECHAT", {{"CHATUSERNAME", "anita"}, {"CHATSESSION", "mira"},
                                      {"NewPass", Conference}, {"DISPLAYNAME", "Mira Shah"}});
        QTRY_VERIFY(m_client->m_chatWindows.contains(Conference));
        ZELChatWindow *w = m_client->m_chatWindows.value(Conference);
        QVERIFY(!m_client->m_chatWindows.contains("mira"));
        QCOMPARE(rows(w->m_chatRoomListBox), QStringList({"mira##Mira Shah"}));
        QCOMPARE(w->m_conferenceUsers, QStringList({"mira##Mira Shah"}));
        const QString text = w->totalMessage->toPlainText();
        QCOMPARE(text.contains("This chat session changed as conference chat"), open);
        QVERIFY(text.contains("Conference Chat - Team "));
        if (open) {
            QCOMPARE(w, chat.data());
        } else {
            QVERIFY(text.trimmed().startsWith("Conference Chat - Team"));
            QVERIFY(w->isMinimized());
        }
        // The converted window sends no conversion of its own.
        fence();
        QCOMPARE(requestCount("CHANGECONFERENCECHAT"), 0);
    }

    void conferenceFileDownload()
    {
        ZELChatWindow *w = joined();
        QVERIFY(w);
        QVERIFY(m_peer->waitForRequest("CONFERECECHATSTATUS").isValid());
        send("CONFERENCECHATFTPREADY", {{"LOGINNAME", "mira##Mira Shah"}, {"CHATSUBJECT", Conference},
                                        {"FILENAME", "notes.txt"}, {"FILESIZE", "5##0"}, {"CHATUSERNAME", "anita"}});
        QTableWidget *downloads = w->filePages().m_dowLoadtable;
        QTRY_COMPARE(downloads->rowCount(), 1);
        const QStringList expected{"notes.txt", m_client->m_defaultFileLocation, "5 bytes", "mira", "Mira Shah",
                                   "Waiting", "0"};
        for (int column = 0; column < expected.size(); ++column)
            QCOMPARE(downloads->item(0, column)->text(), expected.at(column));
        QCOMPARE(w->m_indicateFileReceivedLabel->text(), QString("(1) Files received"));
        QVERIFY(w->totalMessage->toPlainText().contains("File received :: notes.txt"));

        w->filePages().m_ftpOk->click();
        const Request accept = m_peer->waitForRequest("CONFERENCECHATFTPACCEPT");
        QVERIFY(accept.isValid());
        QCOMPARE(accept.tags(), QStringList({"LOGINNAME", "FILENAME", "FTPRESULT", "CHATSUBJECT"}));
        QCOMPARE(accept.value("LOGINNAME"), QString("anita"));
        QCOMPARE(accept.value("FILENAME"), QString("notes.txt"));
        QCOMPARE(accept.value("FTPRESULT"), QString("Accepted"));
        QCOMPARE(accept.value("CHATSUBJECT"), QString(Conference));

        m_peer->sendFile("12345");
        const Request status = m_peer->waitForRequest("CONFERENCECHATFTPSTATUS");
        QVERIFY(status.isValid());
        QCOMPARE(status.value("LOGINNAME"), QString("mira"));
        QCOMPARE(status.value("CHATUSERNAME"), QString("anita##Anita Rao"));
        QCOMPARE(status.value("FTPSTATUS"), QString("Accepted"));
        QCOMPARE(status.value("FILENAME"), QString("notes.txt"));
        QCOMPARE(status.value("CHATSUBJECT"), QString(Conference));
        QFile saved(m_client->m_defaultFileLocation + "/notes.txt");
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), QByteArray("12345"));
        QCOMPARE(downloads->item(0, 5)->text(), QString("Accepted"));
    }

    // A conference name of any length, markup and all, heads the window the
    // peer's conversion opens as text, bounded like any other name.
    void longConferenceNameFromThePeer()
    {
        const QString name = QStringLiteral("<img src=\"/dev/zero\"><b>") + QString(256 * 1024, QLatin1Char('N'))
                             + QStringLiteral(" 10~00~00");
        ZELOpenWatch watch(QStringLiteral("/dev/zero"));
        send("CHANGECONFERENCECHAT",
             {{"CHATUSERNAME", "anita"}, {"CHATSESSION", "mira"}, {"NewPass", name}, {"DISPLAYNAME", "Mira Shah"}});
        QTRY_VERIFY(m_client->m_chatWindows.contains(name));
        ZELChatWindow *w = m_client->m_chatWindows.value(name);
        const QString shown = QStringLiteral("Conference Chat - ") + ZELTextBounds::shownName(name.chopped(8));
        QCOMPARE(w->windowTitle(), shown);
        QCOMPARE(w->m_logoLabel->text(), shown);
        QCOMPARE(w->totalMessage->toPlainText().trimmed(), shown);
        QCOMPARE(rows(w->m_chatRoomListBox), QStringList({"mira##Mira Shah"}));
        w->showNormal();
        w->grab();
        QVERIFY(!watch.seen());
    }

    void conferenceFileOfferNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("plain") << "notes.txt";
        QTest::newRow("bidi controls") << QString::fromUtf8("report\u202Efdp.exe\u200F");
        QTest::newRow("4,000 characters") << QString(4000, QLatin1Char('a')) + ".txt";
        QTest::newRow("markup") << "<img src=\"/dev/zero\"><b>x</b>.txt";
    }

    // A conference file offer shows its name as a one-to-one offer does:
    // cleaned and shortened in the line, the page and the table, and
    // answered with the name as sent.
    void conferenceFileOfferNames()
    {
        QFETCH(QString, name);
        ZELChatWindow *w = joined();
        QVERIFY(w);
        QVERIFY(m_peer->waitForRequest("CONFERECECHATSTATUS").isValid());
        send("CONFERENCECHATFTPREADY", {{"LOGINNAME", "mira##Mira Shah"}, {"CHATSUBJECT", Conference},
                                        {"FILENAME", name}, {"FILESIZE", "5##0"}, {"CHATUSERNAME", "anita"}});
        QTableWidget *downloads = w->filePages().m_dowLoadtable;
        QTRY_COMPARE(downloads->rowCount(), 1);
        const QString shown = ZELTextBounds::shownFileName(name);
        QCOMPARE(downloads->item(0, 0)->text(), shown);
        QCOMPARE(w->filePages().m_recievedFileLabel->text(), shown);
        QVERIFY(w->totalMessage->toPlainText().contains("File received :: " + shown));
        QVERIFY(shown.size() <= ZELTextBounds::FileNameLength);
        QVERIFY(!shown.contains(QChar(0x202E)));

        w->filePages().m_ftpOk->click();
        const Request accept = m_peer->waitForRequest("CONFERENCECHATFTPACCEPT");
        QVERIFY(accept.isValid());
        QCOMPARE(accept.value("FILENAME"), name);
    }

    void conferenceFileUpload()
    {
        ZELChatWindow *w = conferenceWith({{"ravi", "Ravi Kumar"}, {"mira", "Mira Shah"}});
        QVERIFY(w);
        const QString path = m_dir->filePath("plan.txt");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("plan!");
        file.close();
        w->m_fileSend->setEnabled(true);
        m_choosers.openFileAnswers << path;
        w->m_fileSend->click();
        const Request offer = m_peer->waitForRequest("CONFERENCECHATFTPREADY");
        QVERIFY(offer.isValid());
        QCOMPARE(offer.value("LOGINNAME"), QString("anita##Anita Rao"));
        QCOMPARE(offer.value("CHATSUBJECT"), QString(Conference));
        QCOMPARE(offer.value("FILESIZE"), QString("5##0"));
        QCOMPARE(offer.values("CHATUSERNAME"), QStringList({"ravi", "mira"}));
        QByteArray sent;
        QVERIFY(m_peer->waitForFile(&sent));
        QCOMPARE(sent, QByteArray("plan!"));

        QTableWidget *uploads = w->filePages().m_uploadedFiletable;
        QCOMPARE(uploads->rowCount(), 2);
        send("CONFERENCEFILETRANSFERSTATUS", {{"V", Conference}, {"V", "SUCCESS"}, {"V", "plan.txt"}});
        QTRY_COMPARE(uploads->item(1, 5)->text(), QString("Waiting"));
        send("CONFERENCECHATFTPSTATUS", {{"LOGINNAME", "anita"}, {"CHATUSERNAME", "mira##Mira Shah"},
                                         {"FTPSTATUS", "Declined"}, {"FILENAME", "plan.txt"},
                                         {"CHATSUBJECT", Conference}});
        QTRY_COMPARE(uploads->item(1, 5)->text(), QString("Declined"));
        QCOMPARE(uploads->item(0, 5)->text(), QString("Waiting"));
        QCOMPARE(uploads->item(1, 5)->foreground().color(), QColor(Qt::red));
        QVERIFY(w->totalMessage->toPlainText().contains("Mira Shah has Declined plan.txt"));
    }

    void invitationWhileSignedOut()
    {
        ZELChatWindow *w = conferenceWith({{"ravi", "Ravi Kumar"}});
        QVERIFY(w);
        const auto say = [&](const QString &text) {
            return ZELTestPeer::message("CONFERENCECHATMESSAGE",
                                        {{"LOGINNAME", "ravi##Ravi Kumar"}, {"CHATSUBJECT", Conference},
                                         {"MESSAGE", text}, {"SMILEY", "FALSE"}, {"SENDPICTURE", ""},
                                         {"ADDBANNER", ""}, {"PLAINTEXT", text}});
        };

        // An answer given after signing out reaches nobody.
        invitation("mira", "Mira Shah", "Other 10~00~01");
        ZELRequestDialog *popup = nextPopup();
        QVERIFY(popup);
        m_client->m_signedIn = false;
        popup->onAcceptButtonClicked();
        QVERIFY(!m_client->m_chatWindows.contains("Other 10~00~01"));

        // An invitation while signed out ends its own handling: no pop-up and
        // no answer. Frames are handed over one at a time, so what follows it
        // is still shown.
        m_peer->sendTexts({ZELTestPeer::message("CONFERENCECHAT", {{"CHATUSERNAME", "anita"}, {"LOGINNAME", "mira"},
                                                                   {"INVITECHAT", "Third 10~00~02"},
                                                                   {"DISPLAYNAME", "Mira Shah"}}),
                           say("sent with the invitation")});
        m_peer->sendText(say("a later delivery"));
        QTRY_VERIFY(w->totalMessage->toPlainText().contains("a later delivery"));
        QVERIFY(w->totalMessage->toPlainText().contains("sent with the invitation"));
        QVERIFY(!m_client->m_chatWindows.contains("Third 10~00~02"));
        QVERIFY(m_client->m_requestDialogs.isEmpty());
        fence();
        QCOMPARE(requestCount("CONFERECECHATSTATUS"), 0);
    }

    void signOutLeavesConferencesWithoutAsking()
    {
        ZELChatWindow *own = conferenceWith({{"ravi", "Ravi Kumar"}});
        QVERIFY(own);
        ZELChatWindow *member = nullptr;
        invitation("mira", "Mira Shah", "Other 10~00~01");
        ZELRequestDialog *popup = nextPopup();
        QVERIFY(popup);
        popup->onAcceptButtonClicked();
        member = m_client->m_chatWindows.value("Other 10~00~01");
        QVERIFY(member);
        m_questions.clear();

        m_client->signOutSuccessFull();
        const Request stop = m_peer->waitForRequest("STOPCONFERENCECHAT");
        QVERIFY(stop.isValid());
        QCOMPARE(stop.value("CHATSUBJECT"), QString(Conference));
        QCOMPARE(stop.values("CHATUSERNAME").mid(1), QStringList({"ravi"}));
        const Request left = m_peer->waitForRequest("CLOSECONFERENCECHATWINDOW");
        QVERIFY(left.isValid());
        QCOMPARE(left.value("CHATSUBJECT"), QString("Other 10~00~01"));
        QCOMPARE(left.value("CLOSEMESSAGE"), QString("Anita Rao left from this conference chat"));
        QVERIFY(m_questions.isEmpty());
        QVERIFY(m_client->m_chatWindows.isEmpty());
    }

    // ------------------------------------------------------------------
    // Window map

    void sameNameInTheSameSecondOpensTwoWindows()
    {
        ZELChatWindow *first = ownConference();
        m_client->openConferenceChatWidget(Conference);
        QCOMPARE(m_client->m_chatWindows.size(), 2);
        ZELChatWindow *second = m_client->m_chatWindows.value("Team (2) 10~00~00");
        QVERIFY(second && second != first);
        QCOMPARE(m_client->m_chatWindows.value(Conference), first);
        QCOMPARE(second->m_conferenceSessionName, QString("Team (2) 10~00~00"));
        QCOMPARE(second->windowTitle(), QString("Conference Chat - Team (2) "));

        // Closing one leaves the other registered.
        QVERIFY(second->close());
        QCOMPARE(m_client->m_chatWindows.keys(), QStringList({Conference}));
        QCOMPARE(m_client->m_chatWindows.value(Conference), first);
        QVERIFY(m_peer->waitForRequest("STOPCONFERENCECHAT").isValid());
    }

    void openingUnderAnOpenIdKeepsTheOpenWindow()
    {
        ZELChatWindow *w = ownConference();
        w->totalMessage->append("earlier text");
        m_client->createChatWindowForConferenceChat(Conference, false, true);
        QCOMPARE(m_client->m_chatWindows.size(), 1);
        QCOMPARE(m_client->m_chatWindows.value(Conference), w);

        // The server's conversion under that name keeps the transcript, and
        // the peer's one-to-one window stays one.
        m_client->createChatWindow("mira");
        ZELChatWindow *chat = m_client->m_chatWindows.value("mira");
        QVERIFY(chat);
        send("CHANGECONFERENCECHAT", {{"CHATUSERNAME", "anita"}, {"CHATSESSION", "mira"},
                                      {"NewPass", Conference}, {"DISPLAYNAME", "Mira Shah"}});
        QTRY_COMPARE(rows(w->m_chatRoomListBox), QStringList({"mira##Mira Shah"}));
        QVERIFY(w->totalMessage->toPlainText().contains("earlier text"));
        QCOMPARE(m_client->m_chatWindows.size(), 2);
        QCOMPARE(m_client->m_chatWindows.value(Conference), w);
        QCOMPARE(m_client->m_chatWindows.value("mira"), chat);
        QCOMPARE(chat->m_peer, QString("mira"));
        QVERIFY(chat->m_chatRoomListBox->count() == 0);

        // A window that is no longer registered under a key cannot take it out.
        ZELChatWindow *other = ownConference("Other 10~00~01");
        QString key = "Other 10~00~01";
        emit w->closeChat(key);
        QCOMPARE(m_client->m_chatWindows.value(key), other);
    }

    // A hidden list keeps the changes, merging them past its bounds, and when
    // shown holds the rows a list in sight made one change at a time:
    // namesakes, repeats, clears, small and large batches of either match.
    void hiddenInvitableListShowsTheSameRows()
    {
        using List = ZELInvitableList;
        QListWidget shown;
        shown.show();
        QListWidget hidden;
        List inSight;
        inSight.attach(&shown);
        List waiting;
        waiting.attach(&hidden);

        QRandomGenerator random(31);
        // 40 users under 25 names.
        const auto contact = [&random] {
            const int n = int(random.bounded(40));
            return List::Contact{QStringLiteral("u%1").arg(n), QStringLiteral("Name %1").arg(n % 25)};
        };
        for (int change = 1; change <= 90000; ++change) {
            const quint32 roll = random.bounded(40000);
            if (roll == 0) {
                inSight.clear();
                waiting.clear();
                continue;
            }
            List::Contacts batch;
            for (int i = 0, size = roll < 40 ? 100 : 1 + int(roll % 3); i < size; ++i)
                batch << contact();
            const List::Match match = roll % 2 ? List::SameUserName : List::SameDisplayName;
            inSight.add(batch, match);
            waiting.add(batch, match);
            if (change == 45000) {
                // Shown once and hidden again: from then on it has rows.
                hidden.show();
                QCOMPARE(rows(&hidden), rows(&shown));
                hidden.hide();
            }
        }
        QVERIFY(!rows(&shown).isEmpty());
        hidden.show();
        QCOMPARE(rows(&hidden), rows(&shown));
    }
};

ZEL_TEST_MAIN(TestConference)
#include "tst_conference.moc"
