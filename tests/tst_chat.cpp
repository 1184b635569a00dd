#include <QClipboard>
#include <QHeaderView>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QMovie>
#include <QPointer>
#include <QScopeGuard>
#include <QTextBlock>
#include <QTextFrame>
#include <QTemporaryDir>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTreeWidget>

#include "chat/zelchatwindow.h"
#include "chat/zelsmileydialog.h"
#include "chat/zeltranscript.h"
#include "chat/zeltranscriptview.h"
#include "core/zelclient.h"
#include "protocol/zelsettingslists.h"
#include "protocol/zeltcpsocket.h"
#include "peer/zeltestpeer.h"
#include "platform/zelfakechoosers.h"
#include "platform/zelfakedesktopservices.h"
#include "platform/zelplatform.h"
#include "style/zelmessageboxclass.h"
#include "zellinkclicks.h"
#include "zeltestmain.h"
#include "zelopenwatch.h"
#include <QTextDocument>
#include <QTextLayout>
#include <QTextBlock>
#include <QAbstractTextDocumentLayout>
#include "style/zeltextbounds.h"
#include "zelconversationday.h"

// One-to-one chat end to end: a real client, signed in as "anita", talks
// through the protocol test peer with "ravi".
class TestChat : public QObject
{
    Q_OBJECT

private:
    using Fields = ZELTestPeer::Fields;

    ZELTestPeer *m_peer = nullptr;
    ZELClient *m_client = nullptr;

    static QString chatFromRavi(const QString &html, const QString &plain)
    {
        return ZELTestPeer::message("CHAT", {{"CHATUSERNAME", "anita"}, {"LOGINNAME", "ravi"}, {"MESSAGE", html},
                                             {"SENDSMILEY", ""}, {"SENDPICTURE", ""}, {"BANNERSTATE", ""},
                                             {"PLAINTEXT", plain}, {"DISPLAYNAME", "Ravi Kumar"},
                                             {"PASSWORD", "FALSE"}});
    }

    ZELChatWindow *openWithRavi()
    {
        m_client->createChatWindow("ravi");
        ZELChatWindow *window = m_client->m_chatWindows.value("ravi");
        if (window)
            window->totalMessage->clear();
        return window;
    }

    void send(ZELChatWindow *window, const QString &text)
    {
        window->serverMessage->setPlainText(text);
        window->sendButton->click();
    }

    static int count(const QString &text, const QString &what)
    {
        return int(text.count(what));
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
        m_client->m_quickReplies = ZELSettingsDefaults::quickReplies();
        m_client->m_quickReplyOption = "TRUE";
        m_client->m_users.insert("ravi", UserRecord{"Engineer", "Ravi Kumar", "Sales", "Online", "At my desk",
                                                    "Ravi&&Field&&Sales", "ravi", "", "GMT+05:30"});
        ZELChatWindow::setDeliveryCheckInterval(30000);
    }

    void cleanup()
    {
        ZELMessageBoxClass::setTestAnswerHook({});
        const QList<ZELChatWindow *> windows = m_client->m_chatWindows.values();
        for (ZELChatWindow *window : windows)
            delete window;
        delete m_client;
        m_client = nullptr;
        delete m_peer;
        m_peer = nullptr;
    }

    // ------------------------------------------------------------------
    void openingSendsChatOpenedOnce()
    {
        ZELChatWindow *window = openWithRavi();
        QVERIFY(window);
        const ZELTestPeer::Request opened = m_peer->waitForRequest("CHATOPENED");
        QVERIFY(opened.isValid());
        // The composer writes the peer first, under LOGINUSERNAME.
        QCOMPARE(opened.tags(), QStringList({"LOGINUSERNAME", "CHATUSER"}));
        QCOMPARE(opened.value("LOGINUSERNAME"), QString("ravi"));
        QCOMPARE(opened.value("CHATUSER"), QString("anita"));
        QCOMPARE(window->windowTitle(), QString("Chatting with Ravi Kumar (Online)"));
        QCOMPARE(window->m_peerDisplayName, QString("Ravi Kumar"));
        QCOMPARE(window->m_userRoleLabel->text(), QString("Sales / Engineer"));
        QCOMPARE(window->Chat->count(), 3); // the conference page is kept aside
        QCOMPARE(window->size(), QSize(window->minimumWidth(), window->minimumHeight() + 50));

        m_client->createChatWindow("ravi");
        fence();
        QCOMPARE(m_peer->requestTypes().count("CHATOPENED"), 1);
        QCOMPARE(m_client->m_chatWindows.size(), 1);

        // Closing forgets the window; the next opening makes a fresh one.
        QPointer<ZELChatWindow> guard(window);
        window->close();
        QVERIFY(!m_client->m_chatWindows.contains("ravi"));
        QTRY_VERIFY(guard.isNull());
        QVERIFY(openWithRavi());
        QVERIFY(m_peer->waitForRequest("CHATOPENED").isValid());
    }

    void openingFromContactTree_data()
    {
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("state");
        QTest::addColumn<QString>("warn");
        QTest::addColumn<bool>("opens");
        QTest::addColumn<bool>("notice");
        QTest::newRow("online") << "Online" << "Online" << "TRUE" << true << false;
        QTest::newRow("meeting, warned") << "Online" << "Meeting" << "TRUE" << true << true;
        QTest::newRow("meeting, not warned") << "Online" << "Meeting" << "FALSE" << true << false;
        QTest::newRow("away, warned") << "Online" << "Away" << "TRUE" << true << true;
    }

    void openingFromContactTree()
    {
        QFETCH(QString, group);
        QFETCH(QString, state);
        QFETCH(QString, warn);
        QFETCH(bool, opens);
        QFETCH(bool, notice);
        m_client->m_chatWindowSettings[ZELChatWindowList::WarnMeeting] = warn;
        m_client->m_chatWindowSettings[ZELChatWindowList::WarnAway] = warn;
        m_client->m_chatToolButton->setEnabled(true);
        // Group, department and contact rows under the presence row.
        QTreeWidget tree;
        auto *top = new QTreeWidgetItem(&tree, QStringList(group));
        auto *department = new QTreeWidgetItem(new QTreeWidgetItem(top, QStringList("Field")), QStringList("Sales"));
        auto *contact = new QTreeWidgetItem(department, QStringList("Ravi Kumar (" + state + ")"));
        contact->setToolTip(0, "ravi - " + state);

        m_client->userChatWindow(contact, 0);
        QCOMPARE(m_client->m_chatWindows.contains("ravi"), opens);
        QCOMPARE(m_client->m_informationBox->isVisible(), notice);

        // A row two levels down is a department, not a contact.
        m_client->userChatWindow(department, 0);
        QCOMPARE(m_client->m_chatWindows.size(), opens ? 1 : 0);
    }

    // ------------------------------------------------------------------
    // A smiley takes one character's place: text typed after it keeps the
    // typed font and colour, whether its picture loads or not.
    void smileyKeepsTypedFormat_data()
    {
        QTest::addColumn<bool>("pictureFound");
        QTest::newRow("picture found") << true;
        QTest::newRow("picture missing") << false;
    }

    void smileyKeepsTypedFormat()
    {
        QFETCH(bool, pictureFound);
        const QString before = QDir::currentPath();
        QTemporaryDir elsewhere;
        if (!pictureFound)
            QVERIFY(QDir::setCurrent(elsewhere.path()));
        QCOMPARE(QFileInfo("Smileys/Grin.png").exists(), pictureFound);
        ZELChatWindow window;
        window.serverMessage->setTextColor(Qt::red);
        window.serverMessage->setFontWeight(QFont::Bold);
        window.serverMessage->insertPlainText("a");
        window.selectSmiley("Grin");
        window.selectSmiley("Grin");
        window.serverMessage->insertPlainText("b");
        QDir::setCurrent(before);
        QTextCursor cursor(window.serverMessage->document());
        cursor.movePosition(QTextCursor::End);
        const QTextCharFormat last = cursor.charFormat();
        QVERIFY(!last.isImageFormat());
        QCOMPARE(last.foreground().color(), QColor(Qt::red));
        QCOMPARE(last.fontWeight(), int(QFont::Bold));
        QCOMPARE(window.serverMessage->toHtml().count("Smileys/Grin.png"), 2);
    }

    void headingRule_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<bool>("heading");
        QTest::addColumn<QString>("banner");
        QTest::newRow("first message") << QStringList() << true << "ADD_BANNER";
        QTest::newRow("again at once") << QStringList{"send"} << false << "";
        QTest::newRow("after a received one") << QStringList{"send", "receive"} << true << "ADD_BANNER";
        QTest::newRow("after a notice") << QStringList{"send", "notice"} << true << "";
    }

    void headingRule()
    {
        QFETCH(QStringList, before);
        QFETCH(bool, heading);
        QFETCH(QString, banner);
        ZELChatWindow *window = openWithRavi();
        for (const QString &step : before) {
            if (step == "send") {
                send(window, "hello");
                QVERIFY(m_peer->waitForRequest("CHAT").isValid());
            } else if (step == "receive") {
                m_peer->sendText(chatFromRavi("hi", "hi"));
                QVERIFY(m_peer->waitForRequest("MESSAGEDELIVERED").isValid());
            } else {
                m_client->m_chatWindowSettings[ZELChatWindowList::PartnerClosedMessage] = "TRUE";
                m_peer->sendText(ZELTestPeer::message(
                    "CLOSECHATWINDOW", {{"CHATUSERNAME", "anita"}, {"LOGINNAME", "ravi"}, {"MESSAGE", "x"}}));
                QTRY_COMPARE(window->m_forceHeading, QString("ADD"));
            }
        }
        const int headings = count(window->totalMessage->toPlainText(), "Anita Rao says ::");

        send(window, "a,b");
        const ZELTestPeer::Request chat = m_peer->waitForRequest("CHAT");
        QVERIFY(chat.isValid());
        QCOMPARE(chat.tags(), QStringList({"CHATUSERNAME", "LOGINNAME", "MESSAGE", "SENDSMILEY", "SENDPICTURE",
                                           "BANNERSTATE", "PLAINTEXT", "DISPLAYNAME", "PASSWORD"}));
        QCOMPARE(chat.value("CHATUSERNAME"), QString("ravi"));
        QCOMPARE(chat.value("LOGINNAME"), QString("anita"));
        QVERIFY(chat.value("MESSAGE").contains("a$#$b"));
        QVERIFY(!chat.value("MESSAGE").contains(','));
        QCOMPARE(chat.value("SENDSMILEY"), QString());
        QCOMPARE(chat.value("SENDPICTURE"), QString());
        QCOMPARE(chat.value("BANNERSTATE"), banner);
        QCOMPARE(chat.value("PLAINTEXT"), QString("a,b"));
        QCOMPARE(chat.value("DISPLAYNAME"), QString("Anita Rao"));
        QCOMPARE(chat.value("PASSWORD"), QString("FALSE"));

        const QString transcript = window->totalMessage->toPlainText();
        QCOMPARE(count(transcript, "Anita Rao says ::"), headings + (heading ? 1 : 0));
        QVERIFY(transcript.endsWith("a,b"));
        QVERIFY(window->serverMessage->toPlainText().isEmpty());
        QVERIFY(!window->sendButton->isEnabled());
        QVERIFY(window->m_forceHeading.isEmpty());
        QVERIFY(window->m_bannerState.isEmpty());
    }

    // Every row the client writes reaches the transcript as one flat paragraph:
    // its colour, the name or notice on the left and the time after a right
    // tab; a rule in the row becomes a rule under the paragraph.
    void transcriptRows_data()
    {
        QTest::addColumn<QString>("row");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QColor>("background");
        QTest::addColumn<bool>("rule");
        const QString time = "10:24:30 am";
        QTest::newRow("own heading")
            << ZELTranscript::headingRow(ZELTranscript::OwnOneToOne, ZELTranscript::ownColour(), "Anita Rao", time)
            << "Anita Rao says ::\t" + time << ZELTranscript::ownColour() << false;
        QTest::newRow("own conference heading")
            << ZELTranscript::headingRow(ZELTranscript::OwnConference, ZELTranscript::receivedColour(), "Anita Rao",
                                         time)
            << "Anita Rao says ::\t" + time << ZELTranscript::receivedColour() << false;
        QTest::newRow("received heading")
            << ZELTranscript::headingRow(ZELTranscript::Received, ZELTranscript::receivedColour(), "Ravi Kumar", time)
            << "Ravi Kumar says ::\t" + time << ZELTranscript::receivedColour() << false;
        QTest::newRow("continuation") << ZELTranscript::continuationRow(time)
            << QString(3, QChar(0xa0)) + "\t" + time << QColor() << true;
        QTest::newRow("notice")
            << "<table bgcolor = #f5fffa width='100%' cellspacing='0' border='0'><tr><td width='80%'><b>File sending "
               "status ::: a.txt sending <font color=red>Failed</td><td width='20%' align='right'><font "
               "color=darkgray><b>" + time + "</td></tr></table>"
            << "File sending status ::: a.txt sending Failed\t" + time << QColor("#f5fffa") << false;
    }

    void transcriptRows()
    {
        QFETCH(QString, row);
        QFETCH(QString, text);
        QFETCH(QColor, background);
        QFETCH(bool, rule);
        ZELChatWindow *window = openWithRavi();
        ZELTranscriptView *view = window->totalMessage;
        for (int i = 0; i < 3; ++i) {
            view->append(row);
            view->append("message " + QString::number(i));
        }
        QVERIFY(view->document()->rootFrame()->childFrames().isEmpty());
        QCOMPARE(view->document()->blockCount(), 7); // the empty first paragraph, then row and text, three times
        const QTextBlock rowBlock = view->document()->lastBlock().previous();
        QCOMPARE(rowBlock.text(), text);
        const QTextBlockFormat format = rowBlock.blockFormat();
        QCOMPARE(format.background().style() == Qt::NoBrush ? QColor() : format.background().color(), background);
        QCOMPARE(format.hasProperty(QTextFormat::BlockTrailingHorizontalRulerWidth), rule);
        QCOMPARE(format.tabPositions().size(), 1);
        QCOMPARE(format.tabPositions().first().type, QTextOption::RightTab);
        // The text after a row never takes on its colour or its tab.
        const QTextBlockFormat after = view->document()->lastBlock().blockFormat();
        QCOMPARE(after.background().style(), Qt::NoBrush);
        QVERIFY(after.tabPositions().isEmpty());
        QCOMPARE(view->document()->lastBlock().text(), QString("message 2"));

        // The time follows the right edge when the window is resized.
        const qreal before = format.tabPositions().first().position;
        window->resize(window->width() + 120, window->height());
        QTRY_VERIFY(view->document()->lastBlock().previous().blockFormat().tabPositions().first().position
                    > before + 100);
    }

    // A row of one centred cell (the conference membership notices) stays centred.
    void centredRowStaysCentred()
    {
        ZELChatWindow *window = openWithRavi();
        window->totalMessage->append("<table bgcolor = #f0ffff width='100%' cellspacing='0' border='0'><tr>"
                                     "<td width='100%' align='center'><font color=blue><b>Ann added Bo in this chat"
                                     "</td></tr></table>");
        const QTextBlock row = window->totalMessage->document()->lastBlock();
        QCOMPARE(row.text(), QString("Ann added Bo in this chat"));
        QVERIFY(row.blockFormat().alignment() & Qt::AlignHCenter);
        QCOMPARE(row.blockFormat().background().color(), QColor("#f0ffff"));
        QVERIFY(window->totalMessage->document()->rootFrame()->childFrames().isEmpty());
    }

    // The speaker rule reads only what was appended since it last asked, and
    // forgets what it knew once the transcript changes in any other way.
    void speakerRuleFollowsTheTranscript()
    {
        ZELChatWindow *window = openWithRavi();
        ZELTranscriptView *view = window->totalMessage;
        const auto heading = [&](const QString &name) {
            view->append(ZELTranscript::headingRow(ZELTranscript::Received, ZELTranscript::receivedColour(), name,
                                                   "10:00:00 am"));
            view->append("text");
        };
        QCOMPARE(view->lastHeading("Ann"), -1);
        heading("Ann");
        const int ann = view->lastHeading("Ann");
        QVERIFY(ann > 0);
        heading("Ravi");
        QVERIFY(view->lastHeading("Ravi") > ann);
        QCOMPARE(view->lastHeading("Ann"), ann);
        // A name that ends with another is found for both, as in the text.
        heading("Jo Ann");
        QVERIFY(view->lastHeading("Ann") > view->lastHeading("Ravi"));
        // A heading typed inside a message counts like any other text.
        view->append("Ravi says :: nothing");
        QVERIFY(view->lastHeading("Ravi") > view->lastHeading("Ann"));
        // Cleared: nothing is found any more, and new text is found again.
        view->clear();
        QCOMPARE(view->lastHeading("Ravi"), -1);
        heading("Ravi");
        QCOMPARE(view->lastHeading("Ravi"), view->toPlainText().lastIndexOf("Ravi says ::"));
        QCOMPARE(view->lastHeading("Ann"), -1);
    }

    void timeStamps_data()
    {
        QTest::addColumn<QString>("hour24");
        QTest::addColumn<QString>("text");
        QTest::newRow("12-hour") << "FALSE" << "02:05:09 pm";
        QTest::newRow("24-hour") << "TRUE" << "14:05:09";
    }

    void timeStamps()
    {
        QFETCH(QString, hour24);
        QFETCH(QString, text);
        QCOMPARE(ZELTranscript::timeStamp(hour24, QTime(14, 5, 9)), text);
    }

    void protectedEmptySendCarriesTheLock()
    {
        ZELChatWindow *window = openWithRavi();
        window->m_passwordProtectButton->setChecked(true);
        window->sendChatMessage();
        const ZELTestPeer::Request chat = m_peer->waitForRequest("CHAT");
        QVERIFY(chat.isValid());
        QCOMPARE(chat.value("PASSWORD"), QString("TRUE"));
        QVERIFY(chat.value("MESSAGE").contains(":images/lock.gif"));
        QVERIFY(!window->m_passwordProtectButton->isChecked());
    }

    // The other two modes' lists, as the window emits them.
    void offlineAndConferenceLists()
    {
        ZELChatWindow offline;
        offline.setUserDetails("anita", "", "pw");
        offline.m_offlinePeer = "ravi";
        offline.m_replyDetails = "r1###x";
        QList<QStringList> lists;
        connect(&offline, &ZELChatWindow::sendOfflineMessages, this, [&](QStringList &l) { lists << l; });
        offline.serverMessage->setPlainText("it's C:\\temp");
        offline.sendChatMessage();
        QCOMPARE(lists.size(), 1);
        QCOMPARE(lists[0].size(), 6);
        QCOMPARE(lists[0].mid(0, 3), QStringList({"OFFLINEMESSAGE", "ravi", "anita"}));
        QCOMPARE(lists[0][3], QString("it's C:\\\\temp"));
        QVERIFY(lists[0][4].contains("its C:\\\\temp"));
        QCOMPARE(lists[0][5], QString("r1###x"));
        QVERIFY(offline.totalMessage->toPlainText().trimmed().isEmpty());
        QVERIFY(offline.m_offlineMessagePending);

        ZELChatWindow conference;
        conference.setUserDetails("anita", "", "pw");
        conference.m_ownDisplayName = "Anita Rao";
        conference.m_conferenceSessionName = "Team 10~00~00";
        for (const char *user : {"ravi", "john"}) {
            auto *item = new QListWidgetItem(QString(user).toUpper(), conference.m_chatRoomListBox);
            item->setToolTip(user);
        }
        lists.clear();
        connect(&conference, &ZELChatWindow::conferenceChatMessage, this, [&](QStringList &l) { lists << l; });
        conference.serverMessage->setPlainText("x,y");
        conference.sendChatMessage();
        QCOMPARE(lists.size(), 1);
        const QStringList list = lists[0];
        QCOMPARE(list.size(), 10);
        QCOMPARE(list.mid(0, 3), QStringList({"CONFERENCECHATMESSAGE", "anita##Anita Rao", "Team 10~00~00"}));
        QVERIFY(list[3].contains("x$#$y"));
        QCOMPARE(list.mid(4), QStringList({"FALSE", "", "ADD_BANNER", "x,y", "ravi", "john"}));
        QVERIFY(!conference.m_deliveryPending);
        QVERIFY(conference.totalMessage->toPlainText().contains("Anita Rao says ::"));
    }

    // The words a sent message makes links of, and what a click on one opens
    // at the receiving end: only what the link rule lets through.
    void linksAreMarked_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("href");   // empty: the word is no link
        QTest::addColumn<QString>("opened"); // empty: a click opens nothing
        QTest::newRow("web address") << "see www.zel.com now" << "www.zel.com" << "www.zel.com" << "";
        QTest::newRow("mail") << "mail ann@corp.org now" << "ann@corp.org" << "mailto:ann@corp.org"
                              << "mailto:ann@corp.org";
        QTest::newRow("http") << "read http://intranet.example.org/report now" << "http://intranet.example.org/report"
                              << "http://intranet.example.org/report" << "http://intranet.example.org/report";
        QTest::newRow("https") << "read https://intranet.example.org/report?id=7 now"
                               << "https://intranet.example.org/report?id=7"
                               << "https://intranet.example.org/report?id=7"
                               << "https://intranet.example.org/report?id=7";
        QTest::newRow("plain word") << "see you at noon" << "noon" << "" << "";
    }

    void linksAreMarked()
    {
        QFETCH(QString, text);
        QFETCH(QString, word);
        QFETCH(QString, href);
        QFETCH(QString, opened);
        ZELFakeDesktopServices seam;
        ZELPlatform::setDesktopServices(&seam);
        const auto restore = qScopeGuard([] { ZELPlatform::setDesktopServices(nullptr); });
        ZELDirectOpenings direct;

        ZELChatWindow *window = openWithRavi();
        send(window, text);
        const QString html = ZELTranscript::decodeCommas(m_peer->waitForRequest("CHAT").value("MESSAGE"));
        if (href.isEmpty())
            QVERIFY2(!html.contains("href="), qPrintable(html));
        else
            QVERIFY2(html.contains("href=\"" + href.toHtmlEscaped() + "\""), qPrintable(html));

        // The same message as the peer's client receives it.
        window->totalMessage->clear();
        m_peer->sendText(chatFromRavi(html, text));
        QTRY_VERIFY(window->totalMessage->toPlainText().contains(word));
        QVERIFY(zelClickText(window->totalMessage, word));
        QCOMPARE(seam.openedUrls, opened.isEmpty() ? QList<QUrl>() : QList<QUrl>{QUrl(opened)});
        QCOMPARE(direct.urls, QList<QUrl>());
    }

    // ------------------------------------------------------------------
    void deliveryCheck_data()
    {
        QTest::addColumn<bool>("confirmFirst");
        QTest::newRow("confirmed in time") << true;
        QTest::newRow("confirmed late") << false;
    }

    void deliveryCheck()
    {
        QFETCH(bool, confirmFirst);
        ZELChatWindow::setDeliveryCheckInterval(150);
        ZELChatWindow *window = openWithRavi();
        send(window, "are you there");
        QVERIFY(m_peer->waitForRequest("CHAT").isValid());
        QVERIFY(window->m_deliveryPending);
        const QString delivered = ZELTestPeer::message(
            "MESSAGEDELIVERED", {{"USERNAME", "anita"}, {"OldPass", "ravi"}, {"NewPass", "are you there"}});
        if (confirmFirst) {
            m_peer->sendText(delivered);
            QTRY_VERIFY(!window->m_deliveryPending);
            QTest::qWait(300);
            QVERIFY(window->m_messageDeliveredLabel->isHidden());
            QCOMPARE(window->m_messageDeliveredLabel->text(), QString("Last message delivered successfully"));
        } else {
            QTRY_VERIFY(window->m_messageDeliveredLabel->isVisible());
            QCOMPARE(window->m_messageDeliveredLabel->text(), QString("Last message not delivered yet"));
            QVERIFY(window->m_messDeliveredCloseButton->isVisible());
            m_peer->sendText(delivered);
            QTRY_COMPARE(window->m_messageDeliveredLabel->text(), QString("Last message delivered successfully"));
            QVERIFY(!window->m_deliveryPending);
            window->m_messDeliveredCloseButton->click();
            QVERIFY(window->m_messageDeliveredLabel->isHidden());
        }
    }

    // ------------------------------------------------------------------
    void receivingOpensMinimisedAndConfirms()
    {
        m_peer->sendText(chatFromRavi("x$#$y", "x,y"));
        const ZELTestPeer::Request receipt = m_peer->waitForRequest("MESSAGEDELIVERED");
        QVERIFY(receipt.isValid());
        QCOMPARE(receipt.value("USERNAME"), QString("ravi"));
        QCOMPARE(receipt.value("OldPass"), QString("anita"));
        QCOMPARE(receipt.value("NewPass"), QString("x,y"));
        ZELChatWindow *window = m_client->m_chatWindows.value("ravi");
        QVERIFY(window);
        QVERIFY(window->isMinimized());
        QVERIFY(!m_client->m_openChatMinimized);
        QVERIFY(m_peer->waitForRequest("CHATOPENED").isValid());

        m_peer->sendText(chatFromRavi("second", "second"));
        QVERIFY(m_peer->waitForRequest("MESSAGEDELIVERED").isValid());
        const QString transcript = window->totalMessage->toPlainText();
        QCOMPARE(count(transcript, "Ravi Kumar says ::"), 1); // then a continuation row
        QVERIFY(transcript.contains("x,y"));
        QVERIFY(transcript.endsWith("second"));
        QVERIFY(!transcript.contains("$#$"));
        // The message that opened the window is a flat row like every later one.
        QVERIFY(window->totalMessage->document()->rootFrame()->childFrames().isEmpty());

        // Answering asks whether this is a conference without building the
        // conference page; the one-to-one window never shows it.
        send(window, "an answer");
        const ZELTestPeer::Request answer = m_peer->waitForRequest("CHAT");
        QVERIFY(answer.isValid());
        QVERIFY(window->totalMessage->toPlainText().endsWith("an answer"));
        QVERIFY(!window->hasConferencePage());
        QVERIFY(!window->conferenceControlsShown());
    }


    // A message of one long word from a peer with a long name: the name shows
    // bounded in the heading and title, the body wraps over many lines of the
    // window, and the receipt passes the text on in full.
    void longWordsAreBoundedAndWrapped()
    {
        const QString word(64 * 1024, QLatin1Char('w'));
        m_peer->sendText(ZELTestPeer::message("CHAT", {{"CHATUSERNAME", "anita"}, {"LOGINNAME", "ravi"},
                                                       {"MESSAGE", word}, {"SENDSMILEY", ""}, {"SENDPICTURE", ""},
                                                       {"BANNERSTATE", ""}, {"PLAINTEXT", word},
                                                       {"DISPLAYNAME", word}, {"PASSWORD", "FALSE"}}));
        const ZELTestPeer::Request receipt = m_peer->waitForRequest("MESSAGEDELIVERED");
        QVERIFY(receipt.isValid());
        QCOMPARE(receipt.value("NewPass"), word);
        ZELChatWindow *window = m_client->m_chatWindows.value("ravi");
        QVERIFY(window);
        QCOMPARE(window->m_peerDisplayName, word);
        QVERIFY(window->windowTitle().size() < 100);

        window->showNormal();
        const QString transcript = window->totalMessage->toPlainText();
        QVERIFY(transcript.contains(ZELTextBounds::shownName(word) + " says ::"));
        // The start of the word as it came, then a note of the held-back rest.
        QVERIFY(transcript.contains(word.left(ZELTextBounds::LongestRun) + ZELTextBounds::heldBackNote(
                                        word.size() - ZELTextBounds::LongestRun)));
        QTextDocument *document = window->totalMessage->document();
        const QTextBlock body = document->findBlock(int(document->toPlainText().lastIndexOf(word.left(20))));
        const QRectF bounds = document->documentLayout()->blockBoundingRect(body);
        QVERIFY(body.layout()->lineCount() > 20);
        QVERIFY(bounds.width() <= window->totalMessage->viewport()->width() + 1);

        // A second message keeps to the speaker's heading: the bounded name is found again.
        m_peer->sendText(ZELTestPeer::message("CHAT", {{"CHATUSERNAME", "anita"}, {"LOGINNAME", "ravi"},
                                                       {"MESSAGE", "again"}, {"SENDSMILEY", ""}, {"SENDPICTURE", ""},
                                                       {"BANNERSTATE", ""}, {"PLAINTEXT", "again"},
                                                       {"DISPLAYNAME", word}, {"PASSWORD", "FALSE"}}));
        QVERIFY(m_peer->waitForRequest("MESSAGEDELIVERED").isValid());
        QTRY_VERIFY(window->totalMessage->toPlainText().endsWith("again"));
        QCOMPARE(count(window->totalMessage->toPlainText(), " says ::"), 1);
    }

    void hostileMarkupLeavesTheWindowAnswering_data()
    {
        QTest::addColumn<QString>("html");
        QTest::addColumn<QString>("watched"); // a file nothing may open
        QTest::newRow("picture from /dev/zero") << "<p>look <img src=\"/dev/zero\"> here</p>" << "/dev/zero";
        QTest::newRow("picture from a FIFO") << "<p>look <img src=\"{fifo}\"> here</p>" << "{fifo}";
        QTest::newRow("100,000 nested b") << "<b>" + QString("<b>").repeated(100000) + "look here" << "";
    }

    // A received chat text naming /dev/zero or a FIFO as a picture, or nested
    // beyond reason, shows its words and reads nothing; the window takes the
    // next message as usual.
    void hostileMarkupLeavesTheWindowAnswering()
    {
        QFETCH(QString, html);
        QFETCH(QString, watched);
        QTemporaryDir folder;
        const QString fifo = folder.path() + "/pipe.png";
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        html.replace("{fifo}", fifo);
        watched.replace("{fifo}", fifo);
        ZELOpenWatch watch(watched.isEmpty() ? fifo : watched);

        m_peer->sendText(chatFromRavi(html, "look here"));
        QVERIFY(m_peer->waitForRequest("MESSAGEDELIVERED").isValid());
        ZELChatWindow *window = m_client->m_chatWindows.value("ravi");
        QVERIFY(window);
        window->showNormal();
        window->grab();
        const QString shown = window->totalMessage->wholePlainText();
        QVERIFY(shown.contains("look") && shown.contains("here"));

        m_peer->sendText(chatFromRavi("still here", "still here"));
        QVERIFY(m_peer->waitForRequest("MESSAGEDELIVERED").isValid());
        QTRY_VERIFY(window->totalMessage->toPlainText().endsWith("still here"));
        QVERIFY2(!watch.seen(), "the picture's source was opened");
    }

    // A received text copied from the transcript and pasted into the input
    // box keeps its words; the picture it names is not read there either.
    void pastedPictureIsNotRead()
    {
        QTemporaryDir folder;
        const QString fifo = folder.path() + "/pipe.png";
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        ZELOpenWatch watch(fifo);
        ZELChatWindow *window = openWithRavi();
        QVERIFY(window);
        window->showNormal();
        auto *copied = new QMimeData;
        copied->setHtml("<p>look <img src=\"" + fifo + "\"> here</p>");
        QApplication::clipboard()->setMimeData(copied);
        window->serverMessage->paste();
        window->grab();
        QVERIFY(window->serverMessage->toPlainText().contains("here"));
        QVERIFY2(!watch.seen(), "the pasted picture's source was opened");
    }

    // What the peer sent is what a copy of the transcript and a saved
    // conversation give back, character for character, however long the
    // message or its words; a stored conversation replayed into the window too.
    void receivedTextCopiesAndSavesExactly_data()
    {
        QTest::addColumn<QString>("kind"); // CHAT, or CHATHISTORYTOCLIENT for a replayed conversation
        QTest::addColumn<QString>("html");
        QTest::addColumn<QString>("plain"); // what the reader gets back
        QTest::addColumn<bool>("heldBack"); // more than the window shows at once

        const QString link = "https://intranet.example.com/projects/2026/q4/report-final-v3.pdf";
        const QString hash = "9f86d081884c7d659a2feaa0c55ad015a3bf4f1b";
        const QString word(64 * 1024, QLatin1Char('w'));
        QStringList words;
        while (words.size() * 5 < ZELTextBounds::BodyLength + 5000)
            words << QString("word%1").arg(words.size() % 10);
        QTest::newRow("link") << "CHAT" << link << link << false;
        QTest::newRow("hash") << "CHAT" << hash << hash << false;
        QTest::newRow("link in rich text")
            << "CHAT" << "<p>read <a href=\"" + link + "\">" + link + "</a> <b>now</b></p>" << "read " + link + " now"
            << false;
        QTest::newRow("the peer's own zero-width spaces")
            << "CHAT" << QString::fromUtf8("a\u200Bb ") + QString(100, 'x') << QString::fromUtf8("a\u200Bb ") + QString(100, 'x')
            << false;
        QTest::newRow("long word") << "CHAT" << word << word << true;
        QTest::newRow("long rich word") << "CHAT" << "<p><i>" + word + "</i></p>" << word << true;
        QTest::newRow("many words") << "CHAT" << words.join(' ') << words.join(' ') << true;
        QTest::newRow("many rich words") << "CHAT" << "<p>" + words.join(' ') + "</p>" << words.join(' ') << true;
        const QString heading = "Ravi Kumar says ::";
        QTest::newRow("replayed long word") << "CHATHISTORYTOCLIENT" << "<p>" + heading + "</p><p>" + word + "</p>"
                                            << heading + "\n" + word << true;
        // A long composed message: indentation and runs of spaces come back
        // in the held-back part too.
        QStringList steps;
        for (int step = 0; step < 2000; ++step)
            steps << QString("    step %1:  value  =  %2").arg(step).arg(step * 7);
        const QString indented = steps.join('\n');
        QTest::newRow("long composed message") << "CHAT" << ZELConversationDay::composed(indented) << indented << true;
        // Held back where a line ends: the next line is a line of its own.
        for (int shift = 0; shift < 500; ++shift) {
            const QString lines = QString(shift, 'x') + '\n' + indented;
            const QString html = ZELConversationDay::composedInColour(lines);
            if (ZELTextBounds::bounded(html, true).rest.startsWith("</span></p>")) {
                QTest::newRow("long composed message held back where a line ends") << "CHAT" << html << lines << true;
                break;
            }
        }
        QTest::newRow("replayed long composed message")
            << "CHATHISTORYTOCLIENT" << "<p>" + heading + "</p>" + ZELConversationDay::composed(indented)
            << heading + "\n" + indented << true;
    }

    void receivedTextCopiesAndSavesExactly()
    {
        QFETCH(QString, kind);
        QFETCH(QString, html);
        QFETCH(QString, plain);
        QFETCH(bool, heldBack);
        ZELChatWindow *window = openWithRavi();
        QVERIFY(window);
        window->showNormal();
        if (kind == "CHAT") {
            m_peer->sendText(chatFromRavi(html, plain));
            QVERIFY(m_peer->waitForRequest("MESSAGEDELIVERED").isValid());
        } else {
            m_peer->sendText(ZELTestPeer::message(kind, {{"TRANSCRIPT", html}, {"CHATUSERNAME", "ravi"}}));
        }
        QTRY_VERIFY(window->totalMessage->toPlainText().contains(plain.left(40)));
        const QString shown = window->totalMessage->toPlainText();
        QCOMPARE(shown.contains(" more characters not shown; "), heldBack);
        QVERIFY(!shown.contains(QChar(0x200B)) || plain.contains(QChar(0x200B)));

        // Copied.
        window->totalMessage->selectAll();
        window->totalMessage->copy();
        const QString copied = QGuiApplication::clipboard()->text();
        if (kind == "CHAT")
            QVERIFY2(copied.endsWith("\n" + plain), qPrintable(copied.right(200)));
        else
            QCOMPARE(copied, plain);

        // Saved.
        QTemporaryDir folder;
        ZELFakeChoosers choosers;
        ZELPlatform::setChoosers(&choosers);
        choosers.saveFileAnswers << folder.filePath("saved.html");
        window->saveChatSession();
        ZELPlatform::setChoosers(nullptr);
        QFile file(folder.filePath("saved.html"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QTextDocument saved;
        saved.setHtml(QString::fromUtf8(file.readAll()));
        QVERIFY(saved.toPlainText().endsWith(plain));
        QVERIFY(!saved.toPlainText().contains(" more characters not shown"));
    }

    // A conversation the server replays into a window carries the server's own
    // 12-hour stamps; its heading rows read in the clock the user chose, like
    // the rows the window writes itself. Times inside the messages stay as
    // written.
    void replayedHeadingsFollowTheChosenClock_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("hour24");
        QTest::addColumn<QStringList>("stamps");   // the heading times shown, in order
        QTest::addColumn<QStringList>("unstamped"); // heading times no longer shown
        for (const char *kind : {"CHATHISTORYFOROPENNEWWIDGET", "CHATHISTORYTOCLIENT"}) {
            QTest::addRow("%s, 24 hours", kind)
                << kind << "TRUE" << QStringList{"17:48:34", "00:05:09", "12:30:00", "17:48:52"}
                << QStringList{"05:48:34 pm", "12:05:09 am", "12:30:00 pm"};
            QTest::addRow("%s, 12 hours", kind)
                << kind << "FALSE" << QStringList{"05:48:34 pm", "12:05:09 am", "12:30:00 pm", "05:48:52 pm"}
                << QStringList{"17:48:52"};
        }
    }

    void replayedHeadingsFollowTheChosenClock()
    {
        QFETCH(QString, kind);
        QFETCH(QString, hour24);
        QFETCH(QStringList, stamps);
        QFETCH(QStringList, unstamped);
        m_client->m_chatWindowSettings[ZELChatWindowList::HourFormat24] = hour24;
        ZELChatWindow *window = openWithRavi();
        QVERIFY(window);

        // The server's heading rows, the user's own heading, and one row kept
        // in 24-hour form (a day saved while the other clock was chosen).
        const QString transcript
            = ZELTranscript::headingRow(ZELTranscript::Received, ZELTranscript::receivedColour(), "Ravi Kumar",
                                        "05:48:34 pm")
              + "<p>meet at 05:48:34 pm, not 17:48:34</p>"
              + ZELTranscript::headingRow(ZELTranscript::OwnOneToOne, ZELTranscript::ownColour(), "Anita Rao",
                                          "12:05:09 am")
              + "<p>" + QString("Ravi Kumar says ::</td><td width='20%' align='right'><font color=darkgray><b>"
                                "12:05:09 am</td>").toHtmlEscaped()
              + "</p>"
              + ZELTranscript::headingRow(ZELTranscript::Received, ZELTranscript::receivedColour(), "Ravi Kumar",
                                          "12:30:00 pm")
              + "<p>lunch</p>"
              + ZELTranscript::headingRow(ZELTranscript::Received, ZELTranscript::receivedColour(), "Ravi Kumar",
                                          "17:48:52")
              + "<p>later</p>";
        if (kind == "CHATHISTORYFOROPENNEWWIDGET")
            m_peer->sendText(ZELTestPeer::message(kind, {{"HISTORY", transcript}, {"CHATUSER", "ravi"}}));
        else
            m_peer->sendText(ZELTestPeer::message(kind, {{"TRANSCRIPT", transcript}, {"CHATUSERNAME", "ravi"}}));
        QTRY_VERIFY(window->totalMessage->toPlainText().contains("later"));

        const QString shown = window->totalMessage->toPlainText();
        qsizetype from = 0;
        for (const QString &stamp : stamps) {
            from = shown.indexOf(stamp, from);
            QVERIFY2(from >= 0, qPrintable(stamp + " in " + shown));
        }
        for (const QString &stamp : unstamped)
            QVERIFY2(!shown.contains(stamp + "\n"), qPrintable(stamp + " in " + shown));
        QVERIFY(shown.contains("meet at 05:48:34 pm, not 17:48:34\n"));
        QVERIFY(shown.contains("darkgray><b>12:05:09 am</td>"));
    }

    // A replayed conversation shows to its last message, newest at the bottom
    // and in view; only a message over the bound is held back, behind its
    // own note; a message that arrives meanwhile comes after the replay.
    void replayShowsTheWholeConversation_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("longAt"); // the long message, -1 for none
        QTest::newRow("into the open window, a day of 600") << "CHATHISTORYTOCLIENT" << 600 << -1;
        QTest::newRow("earlier conversation of a new window, 1500") << "CHATHISTORYFOROPENNEWWIDGET" << 1500 << -1;
        QTest::newRow("a long message in the middle") << "CHATHISTORYTOCLIENT" << 600 << 300;
    }

    void replayShowsTheWholeConversation()
    {
        QFETCH(QString, kind);
        QFETCH(int, count);
        QFETCH(int, longAt);
        ZELChatWindow *window = openWithRavi();
        QVERIFY(window);
        window->showNormal();
        const QString report = QString("a long report line ").repeated(2200);
        const QString day = ZELConversationDay::serverDay(count, {longAt, report});
        m_peer->sendTexts({ZELTestPeer::message(kind, {{"TRANSCRIPT", day}, {"CHATUSERNAME", "ravi"}}),
                           chatFromRavi("just now", "just now")});
        QVERIFY(m_peer->waitForRequest("MESSAGEDELIVERED").isValid());
        ZELTranscriptView *view = window->totalMessage;
        QTRY_VERIFY_WITH_TIMEOUT(!view->isShowingConversation() && view->toPlainText().contains("just now"), 60000);
        QVERIFY(view->toPlainText().endsWith("just now"));
        const QString shown = view->toPlainText();
        for (int n = 0; n < count; ++n)
            QVERIFY2(n == longAt || shown.contains(ZELConversationDay::messageText(n)), qPrintable(QString::number(n)));
        QVERIFY(shown.indexOf(ZELConversationDay::messageText(count - 1)) < shown.indexOf("just now"));
        QCOMPARE(int(shown.count(" more characters not shown")), longAt >= 0 ? 1 : 0);
        QTRY_COMPARE(view->verticalScrollBar()->value(), view->verticalScrollBar()->maximum());
    }

    // Colons typed in a chat go out whole with every later field, and a message
    // holding them, received in one batch with the next, loses neither.
    void colonRunsSurvive_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("three") << ":::";
        QTest::newRow("six") << "::::::";
        QTest::newRow("inside words") << "a:::b::::c";
    }

    void colonRunsSurvive()
    {
        QFETCH(QString, text);
        ZELChatWindow *window = openWithRavi();
        QVERIFY(window);
        m_peer->clearRequests();
        send(window, text);
        const ZELTestPeer::Request sent = m_peer->waitForRequest("CHAT");
        QVERIFY(sent.isValid());
        QVERIFY2(!sent.xml.contains(":::"), qPrintable(sent.xml));
        QCOMPARE(sent.value("PLAINTEXT"), text);
        QVERIFY(sent.value("MESSAGE").contains(text));
        QCOMPARE(sent.value("DISPLAYNAME"), QString("Anita Rao"));
        QCOMPARE(sent.value("CHATUSERNAME"), QString("ravi"));

        window->totalMessage->clear();
        m_peer->clearRequests();
        m_peer->sendTexts({chatFromRavi(text, text), chatFromRavi("after", "after")});
        const ZELTestPeer::Request first = m_peer->waitForRequest("MESSAGEDELIVERED");
        QVERIFY(first.isValid());
        QCOMPARE(first.value("NewPass"), text);
        const ZELTestPeer::Request second = m_peer->waitForRequest("MESSAGEDELIVERED");
        QVERIFY(second.isValid());
        QCOMPARE(second.value("NewPass"), QString("after"));
        const QString transcript = window->totalMessage->toPlainText();
        QVERIFY2(transcript.contains(text), qPrintable(transcript));
        QVERIFY(transcript.endsWith("after"));
    }

    // A message that is no well-formed document shows nothing, and neither it
    // nor an empty piece after it keeps the next message of the batch from showing.
    void malformedMessageShowsNothing_data()
    {
        QTest::addColumn<QString>("doctype");
        QTest::addColumn<QString>("text");
        QTest::newRow("raw end of a CDATA section") << "" << "x]]>y";
        QTest::newRow("reference to character 0") << "" << "&#0;";
        QTest::newRow("entity that names itself") << "<!DOCTYPE CHAT [<!ENTITY e '&e;'>]>" << "&e;";
    }

    void malformedMessageShowsNothing()
    {
        QFETCH(QString, doctype);
        QFETCH(QString, text);
        ZELChatWindow *window = openWithRavi();
        QVERIFY(window);
        m_peer->clearRequests();
        const QString malformed = doctype + chatFromRavi("@@", "@@").replace("@@", text);
        m_peer->sendRaw(ZELTestPeer::frame((malformed + "::::::" + chatFromRavi("after", "after")).toLatin1()));
        const ZELTestPeer::Request receipt = m_peer->waitForRequest("MESSAGEDELIVERED");
        QVERIFY(receipt.isValid());
        QCOMPARE(receipt.value("NewPass"), QString("after"));
        const QString transcript = window->totalMessage->toPlainText();
        QCOMPARE(count(transcript, "says ::"), 1);
        QVERIFY(transcript.endsWith("after"));
        QCOMPARE(m_client->m_chatWindows.keys(), QStringList{"ravi"});
    }

    void receivingWithoutSmileys()
    {
        m_client->m_chatWindowSettings[ZELChatWindowList::DisplaySmileys] = "FALSE";
        ZELChatWindow *window = openWithRavi();
        m_peer->sendText(chatFromRavi("hot <img src = 'Smileys/Hot.png'>", "hot"));
        QVERIFY(m_peer->waitForRequest("MESSAGEDELIVERED").isValid());
        QTRY_VERIFY(window->totalMessage->toPlainText().trimmed().endsWith(":)"));
        QVERIFY(!window->totalMessage->toHtml().contains("<img"));
    }

    void receivingWhileSignedOutOpensNothing()
    {
        m_client->m_signedIn = false;
        m_peer->sendText(chatFromRavi("hi", "hi"));
        fence();
        QVERIFY(m_client->m_chatWindows.isEmpty());
        QVERIFY(!m_client->m_openChatMinimized);
        QVERIFY(!m_peer->requestTypes().contains("MESSAGEDELIVERED"));
    }

    // ------------------------------------------------------------------
    void typingNoticesOut()
    {
        ZELChatWindow *window = openWithRavi();
        window->show();
        for (Qt::Key key : {Qt::Key_H, Qt::Key_I})
            QTest::keyClick(window->serverMessage, key);
        QTest::keyClick(window->serverMessage, Qt::Key_Backspace);
        QTest::keyClick(window->serverMessage, Qt::Key_Backspace);
        QTest::keyClick(window->serverMessage, Qt::Key_Backspace); // also when already empty
        fence();
        QCOMPARE(m_peer->requestTypes().count("MESSAGETYPESTATUS"), 2);
        QCOMPARE(m_peer->requestTypes().count("MESSAGERASESTATUS"), 3);
        const ZELTestPeer::Request typing = m_peer->waitForRequest("MESSAGETYPESTATUS");
        QCOMPARE(typing.value("LOGINNAME"), QString("ravi"));
        QCOMPARE(typing.value("CHATUSERNAME"), QString("anita"));
        QCOMPARE(typing.value("TYPESTATUS"), QString("typing"));
        QCOMPARE(m_peer->waitForRequest("MESSAGERASESTATUS").value("ERASESTATUS"), QString("erase"));
    }

    void typingNoticesIn()
    {
        ZELChatWindow *window = openWithRavi();
        const auto notice = [](const char *type, const char *statusTag, const char *word) {
            return ZELTestPeer::message(type, {{"LOGINNAME", "anita"}, {"CHATUSERNAME", "ravi"}, {statusTag, word}});
        };
        m_peer->sendText(notice("MESSAGETYPESTATUS", "TYPESTATUS", "typing"));
        QTRY_COMPARE(window->m_messageTypeLabel->text(), QString("Ravi Kumar typing"));
        QMovie *pencil = window->m_messageIndicationGif->movie();
        QVERIFY(pencil && pencil->fileName().endsWith("pencil.gif"));
        QCOMPARE(pencil->state(), QMovie::Running);
        QVERIFY(window->m_typingAnimation);

        // A second typing notice keeps the running pencil.
        m_peer->sendText(notice("MESSAGETYPESTATUS", "TYPESTATUS", "typing"));
        fence();
        QCOMPARE(window->m_messageIndicationGif->movie(), pencil);

        m_peer->sendText(notice("MESSAGERASESTATUS", "ERASESTATUS", "erase"));
        QTRY_COMPARE(window->m_messageTypeLabel->text(), QString("Ravi Kumar erase"));
        QVERIFY(window->m_messageIndicationGif->movie()->fileName().endsWith("eraser.gif"));
        QVERIFY(window->m_erasingAnimation);
        QVERIFY(!window->m_typingAnimation);
        window->movieFinished();
        QVERIFY(window->m_messageTypeLabel->text().isEmpty());
    }

    // ------------------------------------------------------------------
    void closeNoticeIn_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<bool>("written");
        QTest::newRow("told") << "TRUE" << true;
        QTest::newRow("not told") << "FALSE" << false;
    }

    void closeNoticeIn()
    {
        QFETCH(QString, option);
        QFETCH(bool, written);
        m_client->m_chatWindowSettings[ZELChatWindowList::PartnerClosedMessage] = option;
        ZELChatWindow *window = openWithRavi();
        m_peer->sendText(ZELTestPeer::message(
            "CLOSECHATWINDOW", {{"CHATUSERNAME", "anita"}, {"LOGINNAME", "ravi"}, {"MESSAGE", "bye"}}));
        fence();
        QTest::qWait(50);
        QCOMPARE(window->totalMessage->toPlainText().contains("Ravi Kumar has closed the chat window"), written);
        QCOMPARE(window->m_forceHeading, written ? QString("ADD") : QString());
        QVERIFY(m_client->m_chatWindows.contains("ravi"));
    }

    void closeNoticeOut()
    {
        ZELChatWindow *window = openWithRavi();
        window->close();
        const ZELTestPeer::Request closed = m_peer->waitForRequest("CLOSECHATWINDOW");
        QVERIFY(closed.isValid());
        QCOMPARE(closed.value("CHATUSERNAME"), QString("ravi"));
        QCOMPARE(closed.value("LOGINNAME"), QString("anita"));
        QCOMPARE(closed.value("MESSAGE"), QString("anita has closed the chat window"));
        QVERIFY(m_client->m_chatWindows.isEmpty());
    }

    void closePaths_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("notice");
        QTest::newRow("one-to-one") << "one" << true << "ravi" << "CLOSECHATWINDOW";
        QTest::newRow("at sign-out") << "silent" << true << "ravi" << "";
        QTest::newRow("during a capture") << "capture" << false << "" << "";
        QTest::newRow("escape, allowed") << "escape" << true << "ravi" << "CLOSECHATWINDOW";
        QTest::newRow("escape, not allowed") << "escape off" << false << "" << "";
        QTest::newRow("offline message") << "offline" << true << "raviOfflineMessage" << "";
        QTest::newRow("participant stays") << "participant no" << false << "" << "";
        QTest::newRow("participant leaves") << "participant yes" << true << "Team 10~00~00"
                                            << "CLOSECONFERENCECHATWINDOW";
        QTest::newRow("participant at sign-out") << "participant silent" << true << "Team 10~00~00"
                                                 << "CLOSECONFERENCECHATWINDOW";
    }

    void closePaths()
    {
        QFETCH(QString, mode);
        QFETCH(bool, closes);
        QFETCH(QString, key);
        QFETCH(QString, notice);
        auto *window = new ZELChatWindow;
        QPointer<ZELChatWindow> guard(window);
        window->m_ownDisplayName = "Anita Rao";
        window->setUserDetails("anita", mode.startsWith("participant") || mode == "offline" ? "" : "ravi", "pw");
        if (mode == "offline") {
            window->m_offlinePeer = "ravi";
            window->setWindowTitle("Sending Offline Messages for Ravi Kumar");
        } else if (mode.startsWith("participant")) {
            window->m_conferenceSessionName = "Team 10~00~00";
            window->m_inviteChatButton->hide();
            auto *item = new QListWidgetItem("Ravi Kumar", window->m_chatRoomListBox);
            item->setToolTip("ravi");
        }
        window->m_closeSilently = mode.endsWith("silent");
        window->m_ignoreClose = mode == "capture";
        window->setDefaultSettings(mode == "escape" ? "TRUE" : "FALSE", "TRUE", "FALSE");
        QStringList questions;
        ZELMessageBoxClass::setTestAnswerHook([&](const QString &, const QString &text) {
            questions << text;
            return int(mode == "participant yes" ? QMessageBox::Yes : QMessageBox::No);
        });
        QStringList keys;
        QList<QStringList> notices;
        connect(window, &ZELChatWindow::closeChat, this, [&](QString &k) { keys << k; });
        connect(window, &ZELChatWindow::closeChatWindow, this, [&](QStringList &l) { notices << l; });
        connect(window, &ZELChatWindow::closeConferenceChatWindow, this, [&](QStringList &l) { notices << l; });
        window->show();

        if (mode.startsWith("escape"))
            QTest::keyClick(window, Qt::Key_Escape);
        else
            window->close();

        QCOMPARE(keys, closes ? QStringList{key} : QStringList());
        QCOMPARE(notices.size(), notice.isEmpty() ? 0 : 1);
        if (!notice.isEmpty())
            QCOMPARE(notices.first().first(), notice);
        if (notice == "CLOSECONFERENCECHATWINDOW")
            QCOMPARE(notices.first(), QStringList({"CLOSECONFERENCECHATWINDOW", "anita", "Team 10~00~00",
                                                   "Anita Rao left from this conference chat", "ravi"}));
        QCOMPARE(questions.size(), mode == "participant yes" || mode == "participant no" ? 1 : 0);
        if (closes) {
            QTRY_VERIFY(guard.isNull());
        } else {
            QVERIFY(window->isVisible());
            QVERIFY(!window->m_closing);
            delete window;
        }
    }

    // ------------------------------------------------------------------
    void keyTable_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("enterSends");
        QTest::addColumn<QString>("input");
        QTest::addColumn<int>("sent");
        QTest::addColumn<int>("typing");
        QTest::addColumn<int>("erasing");
        QTest::addColumn<QString>("effect");
        const int none = Qt::NoModifier;
        const int ctrl = Qt::ControlModifier;
        QTest::newRow("Ctrl+Up recalls") << int(Qt::Key_Up) << ctrl << "TRUE" << "" << 0 << 0 << 0 << "recall";
        QTest::newRow("Ctrl+B bold") << int(Qt::Key_B) << ctrl << "TRUE" << "" << 0 << 0 << 0 << "bold";
        QTest::newRow("Ctrl+Shift+B types") << int(Qt::Key_B) << int(Qt::ControlModifier | Qt::ShiftModifier)
                                            << "TRUE" << "" << 0 << 1 << 0 << "not bold";
        QTest::newRow("Ctrl+I italic") << int(Qt::Key_I) << ctrl << "TRUE" << "" << 0 << 0 << 0 << "italic";
        QTest::newRow("Ctrl+U underline") << int(Qt::Key_U) << ctrl << "TRUE" << "" << 0 << 0 << 0 << "underline";
        QTest::newRow("Alt+P locks") << int(Qt::Key_P) << int(Qt::AltModifier) << "TRUE" << "" << 0 << 0 << 0
                                     << "locked";
        QTest::newRow("Alt+P, lock off") << int(Qt::Key_P) << int(Qt::AltModifier) << "TRUE" << "" << 0 << 0 << 0
                                         << "lock disabled";
        QTest::newRow("Ctrl+E smileys") << int(Qt::Key_E) << ctrl << "TRUE" << "" << 0 << 0 << 0 << "picker";
        QTest::newRow("Ctrl+E, smileys off") << int(Qt::Key_E) << ctrl << "TRUE" << "" << 0 << 1 << 0
                                             << "smileys off";
        QTest::newRow("letter") << int(Qt::Key_A) << none << "TRUE" << "" << 0 << 1 << 0 << "text a";
        QTest::newRow("Delete") << int(Qt::Key_Delete) << none << "TRUE" << "x" << 0 << 0 << 1 << "";
        QTest::newRow("Enter sends") << int(Qt::Key_Return) << none << "TRUE" << "hi" << 1 << 0 << 0 << "";
        QTest::newRow("keypad Enter sends") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << "TRUE" << "hi" << 1
                                            << 0 << 0 << "";
        QTest::newRow("Enter, empty input") << int(Qt::Key_Return) << none << "TRUE" << "" << 0 << 0 << 0
                                            << "text ";
        QTest::newRow("Shift+Return breaks") << int(Qt::Key_Return) << int(Qt::ShiftModifier) << "TRUE" << "hi" << 0
                                             << 0 << 0 << "two lines";
        QTest::newRow("Shift+Return sends") << int(Qt::Key_Return) << int(Qt::ShiftModifier) << "FALSE" << "hi" << 1
                                            << 0 << 0 << "";
        QTest::newRow("Return breaks") << int(Qt::Key_Return) << none << "FALSE" << "hi" << 0 << 0 << 0
                                       << "two lines";
        // F lies in the typing range: the input reports typing, then the window finds.
        QTest::newRow("Ctrl+F finds") << int(Qt::Key_F) << ctrl << "TRUE" << "" << 0 << 1 << 0 << "find";
    }

    void keyTable()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, enterSends);
        QFETCH(QString, input);
        QFETCH(int, sent);
        QFETCH(int, typing);
        QFETCH(int, erasing);
        QFETCH(QString, effect);

        ZELChatWindow *window = openWithRavi();
        window->setDefaultSettings("FALSE", enterSends, "FALSE");
        window->show();
        window->activateWindow();
        window->serverMessage->setFocus();
        window->m_sentMessages = QStringList{"one", "two", "three"};
        window->m_sentMessageIndex = 3;
        if (effect == "lock disabled")
            window->m_passwordProtectButton->setEnabled(false);
        if (effect == "smileys off")
            window->enableSmiley("FALSE", "TRUE");
        window->serverMessage->setPlainText(input);
        window->serverMessage->moveCursor(QTextCursor::End);

        int sends = 0;
        int types = 0;
        int erases = 0;
        connect(window, &ZELChatWindow::sendMessage, this, [&](QStringList &) { ++sends; });
        connect(window, &ZELChatWindow::sendTypeMessageToClient, this, [&](QString &, QString &) { ++types; });
        connect(window, &ZELChatWindow::sendEraseMessageToClient, this, [&](QString &, QString &) { ++erases; });

        QTest::keyClick(window->serverMessage, Qt::Key(key), Qt::KeyboardModifiers(modifiers));

        QCOMPARE(sends, sent);
        QCOMPARE(types, typing);
        QCOMPARE(erases, erasing);
        const QString text = window->serverMessage->toPlainText();
        if (effect == "recall")
            QCOMPARE(text, QString("three"));
        else if (effect == "bold")
            QCOMPARE(window->serverMessage->fontWeight(), int(QFont::Bold));
        else if (effect == "not bold")
            QCOMPARE(window->serverMessage->fontWeight(), int(QFont::Normal));
        else if (effect == "italic")
            QVERIFY(window->serverMessage->fontItalic());
        else if (effect == "underline")
            QVERIFY(window->serverMessage->fontUnderline());
        else if (effect == "locked")
            QVERIFY(window->m_passwordProtectButton->isChecked());
        else if (effect == "lock disabled")
            QVERIFY(!window->m_passwordProtectButton->isChecked() && text.isEmpty());
        else if (effect == "picker")
            QVERIFY(window->m_smileyDialog->isVisible());
        else if (effect == "smileys off")
            QVERIFY(!window->m_smileyDialog->isVisible());
        else if (effect.startsWith("text "))
            QCOMPARE(text, effect.mid(5));
        else if (effect == "two lines")
            QCOMPARE(text.count('\n') + text.count(QChar::LineSeparator), 1);
        else if (effect == "find")
            QVERIFY(window->m_findFrame->isVisible());
        else if (sent)
            QVERIFY(text.isEmpty());
    }

    void recall()
    {
        ZELChatWindow *window = openWithRavi();
        for (const char *text : {"one", "two", "three"})
            send(window, text);
        const auto recalled = [window]() { return window->serverMessage->toPlainText(); };
        window->showPreviousMessage();
        QCOMPARE(recalled(), QString("three"));
        window->showPreviousMessage();
        window->showPreviousMessage();
        QCOMPARE(recalled(), QString("one"));
        window->showPreviousMessage();
        QCOMPARE(recalled(), QString("one"));
        window->showNextMessage();
        window->showNextMessage();
        QCOMPARE(recalled(), QString("three"));
        window->showNextMessage();
        QVERIFY(recalled().isEmpty());
    }

    // ------------------------------------------------------------------
    void smileyCodesAndPicker()
    {
        ZELChatWindow *window = openWithRavi();
        window->show();
        QVERIFY(!window->sendButton->isEnabled());
        QTest::keyClicks(window->serverMessage, "a :) b :|");
        const QString html = window->serverMessage->toHtml();
        QVERIFY2(html.contains("Smileys/Hot.png") && html.contains("Smileys/Smile.png"), qPrintable(html));
        QVERIFY(!window->serverMessage->toPlainText().contains(":)"));
        QVERIFY(window->sendButton->isEnabled());
        window->serverMessage->setPlainText("   ");
        QVERIFY(!window->sendButton->isEnabled());

        window->openSmiley();
        QVERIFY(window->m_smileyDialog->isVisible());
        QCOMPARE(window->m_smileyDialog->m_smileyListBox->count(), 29);
        QListWidgetItem *good = window->m_smileyDialog->m_smileyListBox->item(0);
        QCOMPARE(good->toolTip(), QString("Good"));
        window->m_smileyDialog->onSmileyClicked(good);
        QVERIFY(!window->m_smileyDialog->isVisible());
        QVERIFY(window->serverMessage->toHtml().contains("Smileys/Good.png"));

        // Return picks the current smiley; keypad Enter does not.
        window->openSmiley();
        QListWidget *list = window->m_smileyDialog->m_smileyListBox;
        list->setCurrentRow(1);
        QTest::keyClick(list, Qt::Key_Enter, Qt::KeypadModifier);
        QVERIFY(window->m_smileyDialog->isVisible());
        QTest::keyClick(list, Qt::Key_Return);
        QVERIFY(!window->m_smileyDialog->isVisible());
        QVERIFY(window->serverMessage->toHtml().contains("Smileys/Party.png"));
    }

    void windowStates()
    {
        ZELChatWindow *window = openWithRavi();
        window->show();
        window->maximized();
        QVERIFY(window->isMaximized());
        QVERIFY(window->m_maximizedFlag);
        QCOMPARE(window->m_maximizeButton->toolTip(), QString("Restore Down"));
        window->showMinimizedChatWindow();
        QVERIFY(window->isMinimized());
        window->restoreWindowState();
        QVERIFY(window->isMaximized());
        window->maximized();
        QVERIFY(!window->isMaximized());
        QVERIFY(!window->m_maximizedFlag);
        QCOMPARE(window->m_maximizeButton->toolTip(), QString("Maximize"));
        window->showMinimizedChatWindow();
        window->restoreWindowState();
        QVERIFY(!window->isMinimized() && !window->isMaximized());
    }

    void formattingFollowsTheCursor()
    {
        ZELChatWindow *window = openWithRavi();
        window->writeBoldLetters();
        QTest::keyClicks(window->serverMessage, "bold");
        QVERIFY(window->m_boldButton->isChecked());
        // A weight between normal and bold is left alone.
        window->serverMessage->setFontWeight(QFont::DemiBold);
        window->writeBoldLetters();
        QCOMPARE(window->serverMessage->fontWeight(), int(QFont::DemiBold));
    }

    void quickReplies_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("sent");
        QTest::addColumn<QString>("inputAfter");
        QTest::newRow("sent at once") << "TRUE" << "" << 1 << "";
        QTest::newRow("inserted after a word") << "FALSE" << "ok" << 0 << "ok\u00a0Hello";
        QTest::newRow("inserted after a blank") << "FALSE" << "ok " << 0 << "ok Hello";
    }

    void quickReplies()
    {
        QFETCH(QString, option);
        QFETCH(QString, typed);
        QFETCH(int, sent);
        QFETCH(QString, inputAfter);
        m_client->m_quickReplyOption = option;
        ZELChatWindow *window = openWithRavi();
        QMenu *menu = window->m_quickReplyButton->menu();
        QVERIFY(menu);
        QStringList entries;
        for (QAction *action : menu->actions())
            entries << action->text();
        QCOMPARE(entries, QStringList({"Hi", "Hello", "Good Morning", "Bye", "Thank You"}));
        int sends = 0;
        connect(window, &ZELChatWindow::sendMessage, this, [&](QStringList &) { ++sends; });
        window->serverMessage->setPlainText(typed);
        window->serverMessage->moveCursor(QTextCursor::End);
        menu->actions().at(1)->trigger();
        QCOMPARE(sends, sent);
        // The raw text keeps the non-breaking space that plain text turns into a blank.
        QCOMPARE(window->serverMessage->document()->toRawText(), inputAfter);
    }

    void pointerEffects()
    {
        ZELChatWindow *window = openWithRavi();
        window->show();
        QStringList profiles;
        connect(window, qOverload<QString &>(&ZELChatWindow::showUserProfile), this,
                [&](QString &user) { profiles << user; });
        QTest::mouseClick(window->m_userStatusPixmap, Qt::LeftButton);
        QCOMPARE(profiles, QStringList{"ravi"});

        window->m_indicateFileReceivedLabel->setText("(1) Files received");
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(window->m_indicateFileReceivedLabel, &enter);
        QCOMPARE(window->m_indicateFileReceivedLabel->text(), QString("<u>(1) Files received<u>"));
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(window->m_indicateFileReceivedLabel, &leave);
        QCOMPARE(window->m_indicateFileReceivedLabel->text(), QString("(1) Files received"));
        QTest::mouseClick(window->m_indicateFileReceivedLabel, Qt::LeftButton);
        QCOMPARE(window->Chat->currentIndex(), 2);
    }

    void animationsPauseWithModalDialogs()
    {
        ZELChatWindow *window = openWithRavi();
        QMovie *typing = window->m_messageIndicationGif->movie();
        typing->start();
        emit window->pauseMovie();
        QVERIFY(m_client->m_animationsPaused);
        QVERIFY(window->m_moviesPaused);
        QCOMPARE(typing->state(), QMovie::NotRunning);
        // A typing notice while paused starts nothing.
        m_peer->sendText(ZELTestPeer::message(
            "MESSAGETYPESTATUS", {{"LOGINNAME", "anita"}, {"CHATUSERNAME", "ravi"}, {"TYPESTATUS", "typing"}}));
        QTRY_COMPARE(window->m_messageTypeLabel->text(), QString("Ravi Kumar typing"));
        QCOMPARE(window->m_messageIndicationGif->movie()->state(), QMovie::NotRunning);
        emit window->restartMovie();
        QVERIFY(!m_client->m_animationsPaused);
        QVERIFY(!window->m_moviesPaused);
    }

    void colours_data()
    {
        QTest::addColumn<QColor>("background");
        QTest::addColumn<QColor>("text");
        QTest::newRow("black background, white text") << QColor(Qt::black) << QColor(Qt::white);
        QTest::newRow("other background, chosen text") << QColor(Qt::yellow) << QColor(Qt::blue);
    }

    void colours()
    {
        QFETCH(QColor, background);
        QFETCH(QColor, text);
        ZELFakeChoosers choosers;
        ZELPlatform::setChoosers(&choosers);
        ZELChatWindow window;
        choosers.colorAnswers = {QColor(Qt::blue), background};
        window.setColorFont();
        QCOMPARE(window.m_textColor, QColor(Qt::blue));
        window.setBackGroundColor();
        QCOMPARE(window.serverMessage->textColor(), text);
        QCOMPARE(window.serverMessage->currentCharFormat().background().color(), background);
        // A cancelled chooser keeps the stored colour.
        window.setColorFont();
        QCOMPARE(window.serverMessage->textColor(), QColor(Qt::blue));
        ZELPlatform::setChoosers(nullptr);
    }

    void formBasics()
    {
        ZELChatWindow window;
        QCOMPARE(window.objectName(), QString("chatWidget"));
        QCOMPARE(window.minimumSize(), QSize(655, 572));
        QCOMPARE(window.Chat->maximumHeight(), 225);
        QCOMPARE(window.Chat->currentIndex(), 0);
        QCOMPARE(window.Chat->tabText(3), QString("Conference Chat"));
        QCOMPARE(window.m_findTextLineEdit->maxLength(), 30);
        QCOMPARE(window.m_findTextLineEdit->geometry(), QRect(30, 6, 125, 20));
        QCOMPARE(window.sendButton->text(), QString("Send"));
        QCOMPARE(window.m_passwordProtectButton->toolTip(), QString("Password Protected Message (Alt+P)"));
        QCOMPARE(window.m_conferenceButton->minimumWidth(), 36);
        QVERIFY(window.totalMessage->isReadOnly());
        QVERIFY(!window.downLoadPage->isEnabled());
        QVERIFY(window.m_messageDeliveredLabel->isHidden());
        QVERIFY(window.m_findFrame->isHidden());
        QCOMPARE(window.filePages().m_uploadedFiletable->verticalHeader()->sectionResizeMode(0), QHeaderView::Fixed);
    }
};

ZEL_TEST_MAIN(TestChat)
#include "tst_chat.moc"
