#include <QAction>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QPointer>
#include <QStyleOptionHeader>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextBrowser>

#include "chat/zelchatwindow.h"
#include "core/zelclient.h"
#include "protocol/zelsettingslists.h"
#include "protocol/zeltcpsocket.h"
#include "messages/zelofflinemessageswidget.h"
#include "peer/zeltestpeer.h"
#include "platform/zelfakechoosers.h"
#include "platform/zelfakedesktopservices.h"
#include "platform/zelplatform.h"
#include "style/zelmessageboxclass.h"
#include "zeltestmain.h"

// Offline messages and offline files end to end: a real client signed in as
// "anita" receives the inbox and file announcements from the protocol peer,
// and every request the inbox and the file tab make reaches the peer.
class TestOffline : public QObject
{
    Q_OBJECT

private:
    ZELTestPeer *m_peer = nullptr;
    ZELClient *m_client = nullptr;
    ZELOfflineMessagesWidget *m_window = nullptr;
    ZELFakeChoosers m_choosers;
    ZELFakeDesktopServices m_desktop;
    QStringList m_questions;
    bool m_answerYes = true;

    static QString record(const QString &sender, const QString &text, const QString &time,
                          const QString &read = "NO", const QString &replied = "NO")
    {
        return QStringList({sender, text, time, read, "<b>" + text + "</b>", sender.toUpper(), replied}).join("##");
    }

    void deliver(const QString &type, const QStringList &values)
    {
        ZELTestPeer::Fields fields;
        for (const QString &value : values)
            fields << qMakePair(QString("VALUE"), value);
        // Latin-1 on the wire; other characters as character references.
        QByteArray text;
        for (const QChar c : ZELTestPeer::message(type, fields))
            text += c.unicode() > 0xff ? QString("&#x%1;").arg(c.unicode(), 0, 16).toLatin1()
                                       : QByteArray(1, char(c.unicode()));
        text += ":::";
        QByteArray files;
        m_client->messageFromServer(text, files);
    }

    void fence()
    {
        QStringList keepAlive{"KEEPALIVE", "fence"};
        m_client->convertXMLSendToServer(keepAlive);
        QVERIFY(m_peer->waitForRequest("KEEPALIVE").isValid());
    }

    QString notice() const
    {
        return m_window->m_informationBox->isVisible() ? m_window->m_informationBox->m_messageText->text()
                                                        : QString();
    }

    // Makes a row current the way a click does: the table has the focus.
    void select(QTableWidget *table, int row)
    {
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        table->setFocus();
        QTRY_VERIFY(table->hasFocus());
        table->setCurrentCell(row, 3);
    }

    // Announces one waiting file saved into folder and opens the file tab on it.
    void announceFile(const QString &folder, const QString &fileName = "report.txt")
    {
        m_client->m_defaultFileLocation = folder;
        deliver("OFFLINEFILEDETAILS", {"7^%ravi^%" + fileName, "10:00", "1024##Ravi Kumar"});
        m_client->generateWindow();
        QVERIFY(m_window->isVisible());
        m_window->m_offlineTabWidget->setCurrentIndex(1);
        select(m_window->m_receivedFileDetailsTable, 0);
    }

private slots:
    void init()
    {
        m_peer = new ZELTestPeer;
        QVERIFY(m_peer->listen());
        m_client = new ZELClient;
        m_window = m_client->m_offlineMessagesWidget.get();
        m_client->m_tcpSocket->connectToHost(m_peer->host(), m_peer->port());
        QVERIFY(m_peer->waitForConnection());
        QTRY_COMPARE(m_client->m_tcpSocket->state(), QAbstractSocket::ConnectedState);
        m_client->m_signedIn = true;
        m_client->m_loginId = "anita";
        m_client->m_ownDisplayName = "Anita Rao";
        m_client->m_chatWindowSettings = ZELChatWindowList::defaults();
        m_client->m_notificationSettings = ZELNotificationList::defaults();
        m_client->m_users.insert("ravi", UserRecord{"Engineer", "Ravi Kumar", "Sales", "Offline", "Gone home",
                                                    "Ravi&&Field&&Sales", "ravi", "", "GMT+05:30"});
        m_client->stackedWidget->setCurrentIndex(1);
        m_questions.clear();
        m_answerYes = true;
        ZELMessageBoxClass::setTestAnswerHook([this](const QString &, const QString &text) {
            m_questions << text;
            return m_answerYes ? int(QMessageBox::Yes) : int(QMessageBox::No);
        });
        m_choosers = ZELFakeChoosers();
        ZELPlatform::setChoosers(&m_choosers);
        m_desktop = ZELFakeDesktopServices();
        ZELPlatform::setDesktopServices(&m_desktop);
    }

    void cleanup()
    {
        ZELMessageBoxClass::setTestAnswerHook({});
        ZELPlatform::setChoosers(nullptr);
        ZELPlatform::setDesktopServices(nullptr);
        const QList<ZELChatWindow *> windows = m_client->m_chatWindows.values();
        for (ZELChatWindow *window : windows)
            delete window;
        delete m_client;
        m_client = nullptr;
        delete m_peer;
        m_peer = nullptr;
    }

    // ------------------------------------------------------------------
    void formAndColumns()
    {
        QCOMPARE(m_window->objectName(), QString("OfflineMessagesWidget"));
        QCOMPARE(m_window->minimumSize(), QSize(544, 551));
        QCOMPARE(m_window->m_offlineTable->maximumHeight(), 150);
        QCOMPARE(m_window->m_offlineTable->columnCount(), 6);
        QVERIFY(m_window->m_offlineTable->isColumnHidden(2));
        QCOMPARE(m_window->m_offlineTable->selectionMode(), QAbstractItemView::SingleSelection);
        QCOMPARE(m_window->m_receivedFileDetailsTable->columnCount(), 7);
        QVERIFY(m_window->m_receivedFileDetailsTable->isColumnHidden(3));
        QCOMPARE(m_window->m_offlineTabWidget->tabText(1), QString("Offline Files"));
        QCOMPARE(m_window->textLabel1->text(), QString("File  :"));
        QCOMPARE(m_window->m_deleteAllButton->toolTip(), QString("Delete All Messages"));
        QVERIFY(!m_window->m_replyPushButton->isEnabled());
        QVERIFY(!m_window->m_ftpDownloadButton->isEnabled());
        QVERIFY(m_window->m_defaultFileLocation->isReadOnly());
    }

    void nothingStoredKeepsTheWindowClosed()
    {
        m_client->generateWindow();
        QVERIFY(!m_window->isVisible());
        QVERIFY(m_client->m_informationBox->isVisible());
        QCOMPARE(m_client->m_informationBox->m_messageText->text(), QString("You have 0 offline message and file"));
    }

    void announcementFillsTheFileTable()
    {
        m_client->m_defaultFileLocation = "/tmp/in";
        // The second file's name holds "##"; the third group is incomplete.
        deliver("OFFLINEFILEDETAILS", {"7^%ravi^%a.txt", "10:00", "1024##Ravi Kumar", "8^%mohan^%b##c.txt",
                                       "11:00", "20##Mohan", "9^%zoe^%z.bin"});
        QTableWidget *table = m_window->m_receivedFileDetailsTable;
        QCOMPARE(table->rowCount(), 3);
        QCOMPARE(m_window->m_offlineFileCount, 3);
        QCOMPARE(m_client->m_offlineFileCount, 3);
        const QStringList first{"a.txt", "/tmp/in", "1024 bytes", "ravi", "Ravi Kumar", "10:00", "Waiting"};
        for (int column = 0; column < 7; ++column)
            QCOMPARE(table->item(0, column)->text(), first.at(column));
        QCOMPARE(table->item(0, 6)->foreground().color(), QColor(Qt::blue));
        QCOMPARE(table->item(1, 0)->text(), QString("b##c.txt"));
        QCOMPARE(table->item(2, 2)->text(), QString(" bytes"));
        QCOMPARE(m_window->m_recievedFileLabel->text(), QString("a.txt"));
        QCOMPARE(m_window->m_fileStatusLabel->text(), QString("Waiting"));
        QCOMPARE(m_client->textBrowser->text(), QString("(0/3) Offline Messages/files"));
        QCOMPARE(m_client->m_offlineMessagesAction->text(), QString("&Offline Messages (0/3) "));

        // Only files: the message tab is disabled when the window opens.
        m_client->generateWindow();
        QVERIFY(!m_window->m_offlineTabWidget->isTabEnabled(0));
        QVERIFY(m_window->m_offlineTabWidget->isTabEnabled(1));
    }


    // A name with a right-to-left override shows without it in the row and on
    // the page; the request and the stored file keep the name as sent.
    void fileNameShowsWithoutFormatControls()
    {
        QTemporaryDir folder;
        const QString wire = QString::fromUtf8("invoice\u202Efdp.exe");
        announceFile(folder.path(), wire);
        QCOMPARE(m_window->m_receivedFileDetailsTable->item(0, ZELOfflineMessagesWidget::FileNameColumn)->text(),
                 QString("invoicefdp.exe"));
        QCOMPARE(m_window->m_recievedFileLabel->text(), QString("invoicefdp.exe"));
        m_window->m_ftpDownloadButton->click();
        const ZELTestPeer::Request accept = m_peer->waitForRequest("OFFLINEFTPACCEPT");
        QCOMPARE(accept.value("OFFLINEFTPACCEPT"), "anita^%ravi^%" + wire);
        m_peer->sendFile("file body");
        QTRY_COMPARE(m_window->m_receivedFileDetailsTable->item(0, 6)->text(), QString("Downloaded"));
        QVERIFY(QFile::exists(folder.filePath(wire)));
    }

    void downloadEndToEnd()
    {
        QTemporaryDir folder;
        announceFile(folder.path());
        QVERIFY(m_window->m_ftpDownloadButton->isEnabled());
        m_window->m_ftpDownloadButton->click();

        const ZELTestPeer::Request accept = m_peer->waitForRequest("OFFLINEFTPACCEPT");
        QVERIFY(accept.isValid());
        QCOMPARE(accept.value("OFFLINEFTPACCEPT"), QString("anita^%ravi^%report.txt"));
        QCOMPARE(m_window->m_receivedFileDetailsTable->item(0, 6)->text(), QString("Downloading...."));
        QVERIFY(m_window->m_rotationTimer->isActive());
        QVERIFY(m_client->m_offlineFileDownloading);
        QCOMPARE(m_client->textBrowser->text(), QString("(0/0) Offline Messages/files"));
        QCOMPARE(m_window->m_offlineTabWidget->tabText(1), QString("Offline File(s)"));
        QCOMPARE(m_client->m_offlineMessagesAction->text(), QString("&Offline Messages"));

        // One download at a time, also through a button still enabled.
        m_window->onDownloadButtonClicked();
        QCOMPARE(notice(), QString("Wait..Already one file is downloading"));
        fence();
        QCOMPARE(m_peer->requestTypes().count("OFFLINEFTPACCEPT"), 1);

        m_peer->sendFile("file body");
        QTRY_COMPARE(m_window->m_receivedFileDetailsTable->item(0, 6)->text(), QString("Downloaded"));
        QFile written(folder.filePath("report.txt"));
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), QByteArray("file body"));
        QVERIFY(!m_window->m_downloading);
        QVERIFY(!m_client->m_offlineFileDownloading);
        QVERIFY(!m_window->m_rotationTimer->isActive());

        // A downloaded row opens on a double click once the user agrees.
        m_window->openDowloadedFile(0, 0);
        QCOMPARE(m_desktop.openedUrls.size(), 1);
        QCOMPARE(m_desktop.openedUrls.first().toLocalFile(), folder.filePath("report.txt"));
    }

    void existingFile_data()
    {
        QTest::addColumn<bool>("overwrite");
        QTest::addColumn<bool>("pickFolder");
        QTest::addColumn<bool>("sent");
        QTest::newRow("overwrite") << true << false << true;
        QTest::newRow("other folder") << false << true << true;
        QTest::newRow("cancelled") << false << false << false;
    }

    void existingFile()
    {
        QFETCH(bool, overwrite);
        QFETCH(bool, pickFolder);
        QFETCH(bool, sent);
        QTemporaryDir folder;
        QTemporaryDir other;
        QFile old(folder.filePath("report.txt"));
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old");
        old.close();
        announceFile(folder.path());
        m_answerYes = overwrite;
        if (pickFolder)
            m_choosers.folderAnswers << other.path();
        m_window->m_ftpDownloadButton->click();
        QCOMPARE(m_questions.size(), 1);
        QVERIFY(m_questions.first().startsWith("Do you want to over write"));
        // The old file is kept until new bytes replace it.
        QVERIFY(QFile::exists(folder.filePath("report.txt")));
        fence();
        QCOMPARE(m_peer->requestTypes().count("OFFLINEFTPACCEPT"), sent ? 1 : 0);
        QCOMPARE(m_window->m_offlineFileCount, sent ? 0 : 1);
        QCOMPARE(m_window->m_receivedFileDetailsTable->item(0, 6)->text(),
                 QString(sent ? "Downloading...." : "Waiting"));
        QCOMPARE(m_client->m_offlineFileFolder, QString(sent ? (pickFolder ? other.path() : folder.path()) : ""));
    }

    void refusedDownloads()
    {
        announceFile("/no/such/folder");
        m_window->m_ftpDownloadButton->click();
        QCOMPARE(notice(), QString("Path does not exist"));

        QTemporaryDir folder;
        m_window->m_receivedFileDetailsTable->item(0, 1)->setText(folder.path());
        m_window->m_folderWritable = [](const QString &) { return false; };
        m_window->m_ftpDownloadButton->click();
        QCOMPARE(notice(), QString("Destination folder is write protected"));
        fence();
        QVERIFY(!m_peer->requestTypes().contains("OFFLINEFTPACCEPT"));
        QCOMPARE(m_window->m_offlineFileCount, 1);
    }

    void rejectAndLostConnection()
    {
        QTemporaryDir folder;
        m_client->m_defaultFileLocation = folder.path();
        deliver("OFFLINEFILEDETAILS", {"7^%ravi^%a.txt", "10:00", "1##Ravi", "8^%ravi^%b.txt", "11:00", "2##Ravi"});
        m_client->generateWindow();
        QTableWidget *table = m_window->m_receivedFileDetailsTable;
        select(table, 0);
        m_window->m_ftpDownloadButton->click();
        QVERIFY(m_peer->waitForRequest("OFFLINEFTPACCEPT").isValid());

        // A waiting file can be rejected while another downloads.
        select(table, 1);
        m_window->m_ftpRejectButton->click();
        QCOMPARE(m_peer->waitForRequest("OFFLINEFTPREJECT").value("OFFLINEFTPREJECT"), QString("anita^%ravi^%b.txt"));
        QCOMPARE(table->item(1, 1)->text(), QString("File Not Downloaded"));
        QCOMPARE(table->item(1, 6)->text(), QString("Rejected"));
        QCOMPARE(m_client->m_offlineFileCount, 0);

        m_client->disConnectedSignal();
        QCOMPARE(table->item(0, 6)->text(), QString("Failed"));
        QCOMPARE(table->item(0, 1)->text(), QString("Network Problem"));
        QVERIFY(!m_window->m_downloading);
        QVERIFY(!m_client->m_offlineFileDownloading);
    }

    void inboxCountersAndRedelivery()
    {
        deliver("OFFLINEMESSAGES", {record("ravi", "hi?", "2026-12-01 10:00"), record("mohan", "old", "2026-11-30 09:00", "YES")});
        QCOMPARE(m_client->m_unreadOfflineMessageCount, 1);
        QCOMPARE(m_client->textBrowser->text(), QString("(1/0) Offline Messages/files"));
        QCOMPARE(m_client->m_offlineMessagesAction->text(), QString("&Offline Messages (1/0) "));

        m_client->generateWindow();
        QTableWidget *table = m_window->m_offlineTable;
        QCOMPARE(table->rowCount(), 2);
        QCOMPARE(table->item(0, 5)->text(), QString("hi:)")); // newest first
        QVERIFY(table->item(0, 3)->font().bold());
        QVERIFY(!table->item(1, 3)->font().bold());
        QVERIFY(!m_window->m_offlineTabWidget->isTabEnabled(1));
        QCOMPARE(m_window->m_offlineTabWidget->tabText(0), QString("1 Offline Message(s)"));

        select(table, 0);
        const ZELTestPeer::Request read = m_peer->waitForRequest("OFFLINEMESSAGEREAD");
        QCOMPARE(read.values("RECEIVER").value(0), QString("ravi"));
        QCOMPARE(read.value("SENDER"), QString("2026-12-01 10:00"));
        QCOMPARE(read.value("MESSAGE"), QString("<b>hi?</b>"));
        QCOMPARE(m_client->m_unreadOfflineMessageCount, 0);
        QVERIFY(!table->item(0, 3)->font().bold());
        QVERIFY(m_window->m_messageBox->toPlainText().contains("RAVI says ::"));
        QVERIFY(m_window->m_replyPushButton->isEnabled());
        QCOMPARE(m_client->m_replyTarget, QString("ravi"));

        QCOMPARE(m_client->m_offlineMessageList.last(), record("ravi", "hi:)", "2026-12-01 10:00", "YES")
                                                             .replace("<b>hi:)</b>", "<b>hi?</b>"));

        // The server sends the list again: nothing is doubled, nothing unread again.
        deliver("OFFLINEMESSAGES", {record("ravi", "hi?", "2026-12-01 10:00"), record("zoe", "new", "2026-12-02 08:00")});
        QCOMPARE(m_client->m_offlineMessageList.size(), 4);
        QCOMPARE(m_client->m_unreadOfflineMessageCount, 1);
        QCOMPARE(table->rowCount(), 2); // the open window is not rebuilt

        // Records of more or fewer than seven fields are matched whole as well.
        const QString longer = record("amy", "x", "2026-12-03 08:00") + "##more##fields";
        const QString shorter = "ben##y##2026-12-03 09:00##NO";
        deliver("OFFLINEMESSAGES", {longer, shorter});
        QCOMPARE(m_client->m_offlineMessageList.size(), 6);
        deliver("OFFLINEMESSAGES", {shorter, longer, record("amy", "x", "2026-12-03 08:00") + "##other"});
        QCOMPARE(m_client->m_offlineMessageList.size(), 7);
        QCOMPARE(m_client->m_unreadOfflineMessageCount, 4);
    }

    // Selecting the only row selects whole columns; the column titles keep
    // the text their sections were sized to and show it whole.
    void selectedRowKeepsColumnTitlesWhole()
    {
        deliver("OFFLINEMESSAGES", {record("ravi", "Quarterly planning notes", "2026-12-01 10:00")});
        m_client->generateWindow();
        QTableWidget *table = m_window->m_offlineTable;
        select(table, 0);
        QTRY_VERIFY(!table->item(0, 3)->font().bold());
        QVERIFY(table->selectionModel()->isColumnSelected(3, QModelIndex()));
        QHeaderView *header = table->horizontalHeader();
        for (int column = 0; column < table->columnCount(); ++column) {
            if (header->isSectionHidden(column))
                continue;
            // A header draws the title of a selected column in bold when it
            // highlights sections: the room its style asks for the plain
            // title, plus what bold adds.
            const bool bold = header->highlightSections()
                              && table->selectionModel()->isColumnSelected(column, QModelIndex());
            QStyleOptionHeader option;
            option.initFrom(header);
            option.orientation = Qt::Horizontal;
            option.section = column;
            option.text = table->horizontalHeaderItem(column)->text();
            option.icon = table->horizontalHeaderItem(column)->icon();
            QFont boldFont = header->font();
            boldFont.setBold(true);
            const int extra = bold ? QFontMetrics(boldFont).horizontalAdvance(option.text)
                                         - header->fontMetrics().horizontalAdvance(option.text)
                                   : 0;
            const int needed =
                header->style()->sizeFromContents(QStyle::CT_HeaderSection, &option, QSize(), header).width() + extra;
            QVERIFY2(needed <= header->sectionSize(column),
                     qPrintable(QString("%1: needs %2, has %3").arg(option.text).arg(needed)
                                    .arg(header->sectionSize(column))));
        }
    }

    void inboxFullBanner_data()
    {
        QTest::addColumn<int>("messages");
        QTest::addColumn<bool>("full");
        QTest::newRow("24") << 24 << false;
        QTest::newRow("25") << 25 << true;
    }

    void inboxFullBanner()
    {
        QFETCH(int, messages);
        QFETCH(bool, full);
        QStringList records;
        for (int i = 0; i < messages; ++i)
            records << record("ravi", "m" + QString::number(i), QString("2026-12-01 10:%1").arg(i, 2, 10, QChar('0')));
        deliver("OFFLINEMESSAGES", records);
        m_client->generateWindow();
        QCOMPARE(m_window->m_offlineTable->rowCount(), messages);
        QCOMPARE(m_window->m_messageBox->toPlainText().contains("Inbox Full"), full);
    }

    void deleting()
    {
        deliver("OFFLINEMESSAGES", {record("ravi", "a", "t3"), record("ravi", "b", "t2"), record("zoe", "c", "t1")});
        m_client->generateWindow();
        QTableWidget *table = m_window->m_offlineTable;

        m_client->deleteSelectedMessage();
        QCOMPARE(notice(), QString("Please select any message for delete"));

        table->item(0, 0)->setCheckState(Qt::Checked);
        table->item(2, 0)->setCheckState(Qt::Checked);
        QCOMPARE(m_window->m_checkedMessageCount, 2);
        QVERIFY(m_window->m_deleteButton->isEnabled());

        m_answerYes = false;
        m_window->m_deleteButton->click();
        QCOMPARE(table->rowCount(), 3);
        QCOMPARE(table->item(0, 0)->checkState(), Qt::Unchecked);
        QCOMPARE(m_window->m_checkedMessageCount, 0);

        table->item(0, 0)->setCheckState(Qt::Checked);
        table->item(2, 0)->setCheckState(Qt::Checked);
        m_answerYes = true;
        m_window->m_deleteButton->click();
        const ZELTestPeer::Request removed = m_peer->waitForRequest("DELETEOFFLINEMESSAGES");
        QCOMPARE(removed.values("Messages"), QStringList({"ravi##t3", "zoe##t1"}));
        QCOMPARE(table->rowCount(), 1);
        QCOMPARE(m_client->m_offlineMessageList, QStringList({"OFFLINEMESSAGES", record("ravi", "b", "t2")}));
        QCOMPARE(m_client->m_unreadOfflineMessageCount, 3); // only Delete All resets it

        m_window->m_deleteAllButton->click();
        QCOMPARE(m_peer->waitForRequest("DELETEOFFLINEMESSAGES").values("Messages"), QStringList({"ravi##t2"}));
        QCOMPARE(table->rowCount(), 0);
        QCOMPARE(m_client->m_unreadOfflineMessageCount, 0);
        QCOMPARE(m_client->textBrowser->text(), QString("(0/0) Offline Messages/files"));
        QVERIFY(!m_window->m_deleteAllButton->isEnabled());

        // Without a connection nothing is asked or sent.
        m_client->m_connectionDown = true;
        m_client->deleteAllOfflineMessages();
        QCOMPARE(notice(), QString("ZEL disconnected ...Try again later"));
        QCOMPARE(m_questions.size(), 3);
    }

    void headerClickAndClosing()
    {
        deliver("OFFLINEMESSAGES", {record("ravi", "a", "t1"), record("zoe", "b", "t2")});
        m_client->generateWindow();
        QTableWidget *table = m_window->m_offlineTable;
        table->sortItems(4, Qt::AscendingOrder);
        table->item(0, 0)->setCheckState(Qt::Checked);

        // The "Check" header sorts newest first and inverts every box.
        emit table->horizontalHeader()->sectionClicked(0);
        QCOMPARE(table->item(0, 4)->text(), QString("t2"));
        QCOMPARE(table->item(0, 0)->checkState(), Qt::Checked);
        QCOMPARE(table->item(1, 0)->checkState(), Qt::Unchecked);
        QCOMPARE(m_window->m_checkedMessageCount, 1);
        emit table->horizontalHeader()->sectionClicked(3);
        QCOMPARE(table->item(1, 0)->checkState(), Qt::Unchecked);

        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        QTest::keyClick(m_window, Qt::Key_Escape);
        QVERIFY(!m_window->isVisible());
        QCOMPARE(table->rowCount(), 0);
        QCOMPARE(m_window->m_checkedMessageCount, 0);
        QVERIFY(m_window->m_offlineTabWidget->isTabEnabled(1));
        QCOMPARE(m_window->m_offlineTabWidget->tabText(0), QString("2 Offline Message(s)"));
        QCOMPARE(m_client->m_offlineMessagesAction->text(), QString("&Offline Messages (2/0) "));
    }

    void deleteConfirmation_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<int>("rowsLeft");
        QTest::newRow("deleted") << "DELETED" << 1;
        QTest::newRow("other word") << "FAILED" << 2;
    }

    void deleteConfirmation()
    {
        QFETCH(QString, answer);
        QFETCH(int, rowsLeft);
        deliver("OFFLINEMESSAGES", {record("ravi", "a", "t1"), record("zoe", "b", "t2")});
        m_client->generateWindow();
        m_window->m_offlineTable->item(0, 0)->setCheckState(Qt::Checked);
        deliver("DELETEOFFLINEMESSAGESTATUS", {answer});
        QCOMPARE(m_window->m_offlineTable->rowCount(), rowsLeft);
        QCOMPARE(m_client->m_offlineMessageList.size(), rowsLeft + 1);
    }

    void databaseProblem()
    {
        deliver("DATABASEPROBLEM", {"x"});
        QVERIFY(m_client->m_informationBox->isVisible());
        QCOMPARE(m_client->m_informationBox->m_messageText->text(), QString("Data Base Problem. Try after some time"));
    }

    void replyToPresentSenderOpensChat()
    {
        deliver("OFFLINEMESSAGES", {record("ravi", "hello", "t1")});
        m_client->m_presentContacts << "ravi##Ravi Kumar";
        m_client->generateWindow();
        select(m_window->m_offlineTable, 0);
        m_window->m_replyPushButton->click();
        QVERIFY(m_client->m_chatWindows.contains("ravi"));
        QVERIFY(!m_client->m_chatWindows.contains("raviOfflineMessage"));
        QVERIFY(m_client->m_chatWindows.value("ravi")->m_replyDetails.isEmpty());
    }

    void replyThroughOfflineWindow()
    {
        deliver("OFFLINEMESSAGES", {record("ravi", "call me?", "t1")});
        m_client->generateWindow();
        select(m_window->m_offlineTable, 0);
        m_window->m_replyPushButton->click();

        ZELChatWindow *chat = m_client->m_chatWindows.value("raviOfflineMessage");
        QVERIFY(chat);
        QCOMPARE(chat->windowTitle(), QString("Sending Offline Messages for Ravi Kumar"));
        QCOMPARE(chat->Chat->count(), 2);
        QVERIFY(chat->m_passwordProtectButton->isHidden());
        QVERIFY(!chat->m_fileSend->isEnabled());
        QVERIFY(chat->serverMessage->toPlainText().contains("From : RAVI"));
        QCOMPARE(chat->serverMessage->textCursor().position(), 0);

        // A second answer to the same contact only raises the window.
        m_client->replyOfflineMessages();
        QCOMPARE(m_client->m_chatWindows.size(), 1);

        chat->serverMessage->textCursor().insertText("Sure ");
        chat->sendButton->click();
        const ZELTestPeer::Request sent = m_peer->waitForRequest("OFFLINEMESSAGE");
        QCOMPARE(sent.value("RECEIVER"), QString("ravi"));
        QCOMPARE(sent.value("SENDER"), QString("anita"));
        QCOMPARE(sent.value("RMESSAGE"), QString("ravi###t1###<b>call me?</b>###call me:)"));
        QCOMPARE(m_client->m_offlineMessageList.last().section("##", 3, 3), QString("YES"));
        QCOMPARE(m_client->m_offlineMessageList.last().section("##", 6, 6), QString("YES"));
        deliver("OFFLINEMESSAGES", {record("ravi", "call me?", "t1", "YES")});
        QCOMPARE(m_client->m_offlineMessageList.size(), 2);
        QVERIFY(chat->m_offlineMessagePending);

        deliver("OFFLINEMESSAGESTATUS", {"SENT", "ravi", "<p>Sure</p>"});
        QVERIFY(chat->totalMessage->toPlainText().contains("Below Offline Message Successfully Sent"));
        QVERIFY(!chat->m_offlineMessagePending);
        deliver("OFFLINEMESSAGESTATUS", {"FAILED", "ravi", "<p>Again</p>"});
        QVERIFY(chat->totalMessage->toPlainText().contains("Below Offline Message Not Sent"));

        QPointer<ZELChatWindow> guard(chat);
        chat->close();
        QVERIFY(!m_client->m_chatWindows.contains("raviOfflineMessage"));
    }

    void offlineFileUpload()
    {
        QTemporaryDir folder;
        QFile file(folder.filePath("plan.txt"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("plan");
        file.close();
        m_client->openChatWindowForOfflineMessage("zoe", "", "", "Zoe", "");
        ZELChatWindow *chat = m_client->m_chatWindows.value("zoeOfflineMessage");
        QVERIFY(chat);
        QCOMPARE(chat->windowTitle(), QString("Sending Offline Messages for Zoe"));
        QVERIFY(chat->m_userNameLabel->isHidden());

        QString path = file.fileName();
        QStringList request{"OFFLINEMESSAGEFTPREADY", "anita", "zoe", "plan.txt", "4"};
        emit chat->sendFileInOfflineMessage(path, request);
        QVERIFY(m_peer->waitForRequest("OFFLINEMESSAGEFTPREADY").isValid());
        QByteArray data;
        QVERIFY(m_peer->waitForFile(&data));
        QCOMPARE(data, QByteArray("plan"));
        QVERIFY(m_client->m_uploadInProgress);
        QVERIFY(chat->m_uploading);

        // The window may be gone by the time the server answers: the upload still ends.
        chat->close();
        QVERIFY(!m_client->m_chatWindows.contains("zoeOfflineMessage"));
        deliver("OFFLINEFILETRANSFERSTATUS", {"zoe", "SUCCESS", "plan.txt"});
        QVERIFY(!m_client->m_uploadInProgress);
    }
};

ZEL_TEST_MAIN(TestOffline)
#include "tst_offline.moc"
