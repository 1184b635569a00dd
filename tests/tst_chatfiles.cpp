#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QSemaphore>
#include <QThread>
#include <QTemporaryDir>

#include "chat/zelchatwindow.h"
#include "core/zelclient.h"
#include "protocol/zelfilewriter.h"
#include "protocol/zelsettingslists.h"
#include "protocol/zeltcpsocket.h"
#include "peer/zeltestpeer.h"
#include "platform/zelfakechoosers.h"
#include "platform/zelplatform.h"
#include "style/zelmessageboxclass.h"
#include "zeltestmain.h"
#include "style/zeltextbounds.h"

// File transfers of one-to-one chat windows end to end: a real client signed
// in as "anita" offers and receives files through the protocol test peer.
class TestChatFiles : public QObject
{
    Q_OBJECT

private:
    using Fields = ZELTestPeer::Fields;

    ZELTestPeer *m_peer = nullptr;
    ZELClient *m_client = nullptr;
    QTemporaryDir *m_dir = nullptr;
    ZELFakeChoosers m_choosers;
    QStringList m_questions;
    int m_answer = QMessageBox::Yes;

    QString makeFile(const QString &name, const QByteArray &data)
    {
        const QString path = m_dir->filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size())
            return QString();
        return path;
    }

    ZELChatWindow *window(const QString &user = QStringLiteral("ravi"))
    {
        if (!m_client->m_chatWindows.contains(user))
            m_client->createChatWindow(user);
        return m_client->m_chatWindows.value(user);
    }

    static QString boxText(ZELChatWindow *w)
    {
        const QLabel *label = w->m_informationBox->findChild<QLabel *>(QStringLiteral("m_messageText"));
        return label && w->m_informationBox->isVisible() ? label->text() : QString();
    }

    static QString cell(QTableWidget *table, int row, int column)
    {
        const QTableWidgetItem *item = table->item(row, column);
        return item ? item->text() : QStringLiteral("<none>");
    }

    void fence()
    {
        QStringList keepAlive{"KEEPALIVE", "fence"};
        m_client->convertXMLSendToServer(keepAlive);
        QVERIFY(m_peer->waitForRequest("KEEPALIVE").isValid());
    }

    void offerFromRavi(const QString &fileName, const QString &size = QStringLiteral("5"),
                       const QString &sender = QStringLiteral("ravi"))
    {
        m_peer->sendText(ZELTestPeer::message(
            "FTPREADY", {{"CHATUSERNAME", "anita"}, {"LOGINNAME", sender}, {"FILENAME", fileName},
                         {"FILESIZE", size}, {"ADDBANNER", "ADD_BANNER"}, {"DISPLAYNAME", sender + " K"},
                         {"PWDPROTECT", "0"}}));
    }

    QString savedText(const QString &name) const
    {
        QFile file(m_client->m_defaultFileLocation + "/" + name);
        return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()) : QStringLiteral("<missing>");
    }

    void transferStatus(const QString &result, const QString &fileName)
    {
        m_peer->sendText(ZELTestPeer::message("FILETRANSFERSTATUS", {{"VALUE", "ravi"}, {"VALUE", result},
                                                                     {"VALUE", fileName}, {"VALUE", ""}}));
    }

    // Offers a file through the chooser and the confirmation.
    void offer(ZELChatWindow *w, const QString &path)
    {
        m_choosers.openFileAnswers << path;
        w->m_fileSend->click();
    }

    // "sender c text" is a chat, "sender f name" a file offer; all in one delivery.
    static QString arrivalFrames(const QStringList &arrivals)
    {
        QString frames;
        for (const QString &arrival : arrivals) {
            const QStringList part = arrival.split(' ');
            const QString &sender = part.at(0);
            frames += (part.at(1) == "c"
                           ? ZELTestPeer::message("CHAT", {{"CHATUSERNAME", "anita"}, {"LOGINNAME", sender},
                                                           {"MESSAGE", part.at(2)}, {"SENDSMILEY", ""},
                                                           {"SENDPICTURE", ""}, {"BANNERSTATE", ""},
                                                           {"PLAINTEXT", part.at(2)}, {"DISPLAYNAME", sender + " K"},
                                                           {"PASSWORD", "FALSE"}})
                           : ZELTestPeer::message("FTPREADY", {{"CHATUSERNAME", "anita"}, {"LOGINNAME", sender},
                                                               {"FILENAME", part.at(2)}, {"FILESIZE", "5"},
                                                               {"ADDBANNER", "ADD_BANNER"},
                                                               {"DISPLAYNAME", sender + " K"}, {"PWDPROTECT", "0"}}))
                      + ":::";
        }
        return frames;
    }

    // The server's answers so far: "delivered <text>" and "<answer> <file>".
    QStringList answersSeen()
    {
        fence();
        QStringList seen;
        for (const ZELTestPeer::Request &request : m_peer->requests()) {
            if (request.type == "MESSAGEDELIVERED")
                seen << "delivered " + request.value("NewPass");
            else if (request.type == "FTPSTATUS")
                seen << request.value("FTPSTATUS") + " " + request.value("FILENAME");
        }
        return seen;
    }

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
        m_client->m_notificationSettings = ZELNotificationList::defaults();
        m_client->m_notificationSettings[ZELNotificationList::SendsFile] = "FALSE";
        m_client->m_defaultFileLocation = m_dir->filePath("in");
        QVERIFY(QDir().mkpath(m_client->m_defaultFileLocation));
        m_client->m_users.insert("ravi", UserRecord{"Engineer", "Ravi Kumar", "Sales", "Online", "At my desk",
                                                    "Ravi&&Field&&Sales", "ravi", "", "GMT+05:30"});
        // The server lets Ravi's group and department exchange files.
        m_client->m_privilegeInfo = QStringList{"PRIVILEGEINFO", "Field###Sales###1###1"};
        m_choosers.openFileAnswers.clear();
        m_choosers.folderAnswers.clear();
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
        const QList<ZELChatWindow *> windows = m_client ? m_client->m_chatWindows.values() : QList<ZELChatWindow *>();
        for (ZELChatWindow *w : windows)
            delete w;
        delete m_client;
        m_client = nullptr;
        delete m_peer;
        m_peer = nullptr;
        delete m_dir;
        m_dir = nullptr;
    }

    // ------------------------------------------------------------------
    void offerSendsRequestAndFrameThenFollowsAnswers()
    {
        ZELChatWindow *w = window();
        QVERIFY(w);
        const QByteArray data("plan\0with<FILEEND>inside?", 25);
        const QString path = makeFile("a very long file name.txt", data);
        offer(w, path);

        QCOMPARE(m_questions.value(0),
                 QString("Are you sure you want to send <font color=Blue>a very long file nam...</font> file ?"));
        const ZELTestPeer::Request request = m_peer->waitForRequest("FTPREADY");
        QVERIFY(request.isValid());
        QCOMPARE(request.value("CHATUSERNAME"), QString("ravi"));
        QCOMPARE(request.value("LOGINNAME"), QString("anita"));
        QCOMPARE(request.value("FILENAME"), QString("a very long file name.txt"));
        QCOMPARE(request.value("FILESIZE"), QString::number(data.size()));
        QCOMPARE(request.value("ADDBANNER"), QString("ADD_BANNER"));
        QCOMPARE(request.value("PWDPROTECT"), QString("0"));
        QByteArray received;
        QVERIFY(m_peer->waitForFile(&received));
        QCOMPARE(received, data);

        QTableWidget *uploads = w->filePages().m_uploadedFiletable;
        QCOMPARE(uploads->rowCount(), 1);
        QCOMPARE(cell(uploads, 0, 1), path);
        QCOMPARE(cell(uploads, 0, 2), QString("25 bytes"));
        QCOMPARE(cell(uploads, 0, 5), QString("Uploading..."));
        QCOMPARE(w->Chat->currentIndex(), 1);
        QVERIFY(m_client->m_uploadInProgress);
        QVERIFY(w->m_uploading);
        QVERIFY(w->m_uploadTimer->isActive());

        // One upload at a time for the whole client.
        m_choosers.openFileAnswers << path;
        w->m_fileSend->click();
        QCOMPARE(boxText(w), QString("Wait..Already one file is uploaded"));
        QCOMPARE(uploads->rowCount(), 1);

        transferStatus("SUCCESS", "a very long file name.txt");
        QTRY_COMPARE(cell(uploads, 0, 5), QString("Waiting"));
        QVERIFY(!m_client->m_uploadInProgress);
        QVERIFY(!w->m_uploading);
        QVERIFY(!w->m_uploadTimer->isActive());

        m_peer->sendText(ZELTestPeer::message("FTPSTATUS", {{"LOGINNAME", "anita"}, {"CHATUSERNAME", "ravi"},
                                                            {"FTPSTATUS", "Accepted"},
                                                            {"FILENAME", "a very long file name.txt"}}));
        QTRY_COMPARE(cell(uploads, 0, 5), QString("Accepted"));
        QCOMPARE(uploads->item(0, 5)->foreground().color(), QColor(Qt::darkGreen));
        QVERIFY(w->totalMessage->toPlainText().contains("Ravi Kumar has Accepted a very long file name.txt"));
    }

    void refusedOffersSendNothing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("size");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("exe in capitals") << "setup.EXE" << 10 << "Exe files not accepted to upload";
        QTest::newRow("2 MiB") << "big.bin" << 2097152 << "File size should be less than 2 MB";
        QTest::newRow("declined question") << "notes.exe.txt" << 10 << "";
    }

    void refusedOffersSendNothing()
    {
        QFETCH(QString, name);
        QFETCH(int, size);
        QFETCH(QString, refusal);
        ZELChatWindow *w = window();
        if (refusal.isEmpty())
            m_answer = QMessageBox::No;
        offer(w, makeFile(name, QByteArray(size, 'x')));
        if (!refusal.isEmpty())
            QCOMPARE(boxText(w), refusal);
        else
            QCOMPARE(m_questions.size(), 1);
        fence();
        QVERIFY(!m_peer->requestTypes().contains("FTPREADY"));
        QCOMPARE(w->filePages().m_uploadedFiletable->rowCount(), 0);
        QVERIFY(!m_client->m_uploadInProgress);
    }

    void failedTransferFreesTheClient_data()
    {
        QTest::addColumn<bool>("closeFirst");
        QTest::newRow("window open") << false;
        QTest::newRow("window closed meanwhile") << true;
    }

    void failedTransferFreesTheClient()
    {
        QFETCH(bool, closeFirst);
        ZELChatWindow *w = window();
        offer(w, makeFile("plan.txt", "12345"));
        QVERIFY(m_peer->waitForRequest("FTPREADY").isValid());
        QVERIFY(m_client->m_uploadInProgress);
        QPointer<ZELChatWindow> guard(w);
        if (closeFirst) {
            w->close();
            QTRY_VERIFY(guard.isNull());
        }
        transferStatus("Server disk full", "plan.txt");
        QTRY_VERIFY(!m_client->m_uploadInProgress);
        if (!closeFirst) {
            QCOMPARE(cell(w->filePages().m_uploadedFiletable, 0, 5), QString("Uploading Failed"));
            QVERIFY(w->totalMessage->toPlainText().contains("File sending Server disk full"));
            QVERIFY(!w->m_uploading);
        }
    }

    void acceptedFileIsStoredAndReported()
    {
        offerFromRavi("report.pdf");
        QTRY_VERIFY(m_client->m_chatWindows.contains("ravi"));
        ZELChatWindow *w = m_client->m_chatWindows.value("ravi");
        QTableWidget *downloads = w->filePages().m_dowLoadtable;
        QTRY_COMPARE(downloads->rowCount(), 1);
        QCOMPARE(cell(downloads, 0, 5), QString("Waiting"));
        QCOMPARE(cell(downloads, 0, 1), m_client->m_defaultFileLocation);
        QCOMPARE(w->m_indicateFileReceivedLabel->text(), QString("(1) Files received"));
        QVERIFY(w->filePages().m_ftpOk->isEnabled());
        QVERIFY(w->totalMessage->toPlainText().contains("File received :: report.pdf"));

        w->filePages().m_ftpOk->click();
        const ZELTestPeer::Request accept = m_peer->waitForRequest("FTPACCEPT");
        QVERIFY(accept.isValid());
        QCOMPARE(accept.value("LOGINNAME"), QString("anita"));
        QCOMPARE(accept.value("FILENAME"), QString("report.pdf"));
        QCOMPARE(accept.value("FTPRESULT"), QString("ravi"));
        QCOMPARE(cell(downloads, 0, 5), QString("Downloading..."));
        QVERIFY(m_client->m_downloadInProgress);
        QVERIFY(w->m_downloading);
        QVERIFY(w->m_indicateFileReceivedLabel->isHidden());

        const QByteArray data("%PDF\0body", 9);
        m_peer->sendFile(data);
        const ZELTestPeer::Request status = m_peer->waitForRequest("FTPSTATUS");
        QVERIFY(status.isValid());
        QCOMPARE(status.value("LOGINNAME"), QString("ravi"));
        QCOMPARE(status.value("CHATUSERNAME"), QString("anita"));
        QCOMPARE(status.value("FTPSTATUS"), QString("Accepted"));
        QCOMPARE(status.value("FILENAME"), QString("report.pdf"));
        QFile saved(m_client->m_defaultFileLocation + "/report.pdf");
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), data);
        QCOMPARE(cell(downloads, 0, 5), QString("Accepted"));
        QCOMPARE(w->filePages().m_fileStatusLabel->text(), QString("Downloaded"));
        QVERIFY(!m_client->m_downloadInProgress);
        QVERIFY(!w->m_downloading);
        QVERIFY(!w->m_downloadTimer->isActive());

        // A finished row cannot be answered again.
        downloads->cellClicked(0, 0);
        QVERIFY(!w->filePages().m_ftpOk->isEnabled());
        QVERIFY(!w->filePages().m_ftpCancel->isEnabled());
    }


    // What the user accepted is stored as it came, whatever its own first or
    // last bytes are: a block is the file of the download asked for, never
    // told apart by the server's markers at its edges.
    void acceptedFileStoredByteForByte_data()
    {
        QTest::addColumn<QString>("kind"); // "chat" or "offline"
        QTest::addColumn<QByteArray>("content");
        QByteArray binary(70000, Qt::Uninitialized);
        for (int i = 0; i < binary.size(); ++i)
            binary[i] = char((i * 131) ^ (i >> 8));
        const QList<std::pair<const char *, QByteArray>> contents{
            {"begins with the voice-chat mark", "#VOICE#recording of a meeting"},
            {"ends with the banner mark", "GIF89a a picture of mine<BANNEREND>"},
            {"both marks", "#VOICE#<BANNEREMPTY><BANNEREND>"},
            {"ends as a banner block does", "notes<BANNEREND><FILEEND>"},
            {"only the file end mark", "<FILEEND>"},
            {"empty", QByteArray()},
            {"binary with every mark inside", binary + "<FILEEND>#VOICE#<BANNEREND><WRITEEND>" + binary},
        };
        for (const char *kind : {"chat", "offline"}) {
            for (const auto &[name, content] : contents)
                QTest::addRow("%s: %s", kind, name) << QString(kind) << content;
        }
    }

    void acceptedFileStoredByteForByte()
    {
        QFETCH(QString, kind);
        QFETCH(QByteArray, content);
        const QString folder = m_client->m_defaultFileLocation;
        ZELChatWindow *w = nullptr;
        if (kind == "chat") {
            offerFromRavi("kept.bin", QString::number(content.size()));
            QTRY_VERIFY(m_client->m_chatWindows.contains("ravi"));
            w = m_client->m_chatWindows.value("ravi");
            QTRY_COMPARE(w->filePages().m_dowLoadtable->rowCount(), 1);
            w->filePages().m_ftpOk->click();
            QVERIFY(m_peer->waitForRequest("FTPACCEPT").isValid());
        } else {
            QStringList request{"OFFLINEFTPACCEPT", "anita^%ravi^%kept.bin"};
            QString into = folder;
            QString name = "kept.bin";
            m_client->downloadOfflineFile(request, into, name);
            QVERIFY(m_peer->waitForRequest("OFFLINEFTPACCEPT").isValid());
        }
        m_peer->sendFile(content);
        if (w) {
            QCOMPARE(m_peer->waitForRequest("FTPSTATUS").value("FTPSTATUS"), QString("Accepted"));
            QCOMPARE(cell(w->filePages().m_dowLoadtable, 0, 5), QString("Accepted"));
        }
        QTRY_VERIFY(!m_client->m_downloadInProgress);
        QFile stored(folder + "/kept.bin");
        QVERIFY(stored.open(QIODevice::ReadOnly));
        QCOMPARE(stored.readAll(), content);
        // Nothing else was made of it: no banner, nothing beside the file.
        QVERIFY(!QFile::exists(m_client->m_dataFolder + "/Banner/banner.gif"));
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{"kept.bin"});
    }

    // A name with bidi controls or other invisible format characters, or a
    // very long one, shows cleaned (and elided with its end kept) in the row,
    // on the page and in the transcript; requests and the stored file keep the
    // name as sent.
    void fileNamesShowCleaned_data()
    {
        QTest::addColumn<QString>("wire");
        QTest::addColumn<QString>("shown");
        QTest::newRow("right-to-left override") << QString::fromUtf8("invoice\u202Efdp.exe") << "invoicefdp.exe";
        QTest::newRow("embedding and pop") << QString::fromUtf8("a\u202Bb\u202Cc.txt") << "abc.txt";
        QTest::newRow("isolates") << QString::fromUtf8("\u2066x\u2067y\u2068z\u2069.txt") << "xyz.txt";
        QTest::newRow("marks, joiners, byte order mark")
            << QString::fromUtf8("r\u200Ee\u200Fp\u200Do\u200Cr\uFEFFt\u061C.txt") << "report.txt";
        const QString longName = QString(200, QLatin1Char('n')) + ".pdf";
        QTest::newRow("long") << longName << longName.left(103) + QChar(0x2026) + longName.right(24);
    }

    void fileNamesShowCleaned()
    {
        QFETCH(QString, wire);
        QFETCH(QString, shown);
        offerFromRavi(wire);
        QTRY_VERIFY(m_client->m_chatWindows.contains("ravi"));
        ZELChatWindow *w = m_client->m_chatWindows.value("ravi");
        QTableWidget *downloads = w->filePages().m_dowLoadtable;
        QTRY_COMPARE(downloads->rowCount(), 1);
        QCOMPARE(cell(downloads, 0, 0), shown);
        QCOMPARE(w->filePages().m_recievedFileLabel->text(), shown);
        const QString transcript = w->totalMessage->toPlainText();
        QVERIFY(transcript.contains("File received :: " + shown));
        QVERIFY(!transcript.contains(wire));

        // Picking the row again shows the cleaned name and keeps the sent one.
        downloads->cellClicked(0, 0);
        QCOMPARE(w->filePages().m_recievedFileLabel->text(), shown);
        w->filePages().m_ftpOk->click();
        const ZELTestPeer::Request accept = m_peer->waitForRequest("FTPACCEPT");
        QVERIFY(accept.isValid());
        QCOMPARE(accept.value("FILENAME"), wire);
        m_peer->sendFile("bytes");
        const ZELTestPeer::Request status = m_peer->waitForRequest("FTPSTATUS");
        QCOMPARE(status.value("FILENAME"), wire);
        QVERIFY(QFile::exists(m_client->m_defaultFileLocation + "/" + wire));
        QCOMPARE(cell(downloads, 0, 5), QString("Accepted"));

        // The server's notice on an upload of that name shows it cleaned too.
        transferStatus("SUCCESS", wire);
        QTRY_VERIFY(w->totalMessage->toPlainText().contains("has recieved " + shown + " file"));
        QFile::remove(m_client->m_defaultFileLocation + "/" + wire);
    }

    // The markers the server closes its frames with count only in their place:
    // the same bytes anywhere in a file are the file's, stored as they came.
    void receivedFileKeepsMarkerBytes_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::newRow("file end inside") << QByteArray("part one<FILEEND>part two");
        QTest::newRow("file end first and last") << QByteArray("<FILEEND>body<FILEEND>");
        QTest::newRow("file end alone") << QByteArray("<FILEEND>");
        QTest::newRow("voice inside and last") << QByteArray("RIFF#VOICE#data#VOICE#");
        QTest::newRow("banner end inside and first") << QByteArray("<BANNEREND>GIF89a<BANNEREND>\x3b", 29);
        QTest::newRow("no banner alone") << QByteArray("<BANNEREMPTY>");
        QTest::newRow("every marker, with the terminator")
            << QByteArray("\0<WRITEEND>#VOICE#<BANNEREMPTY><BANNEREND><FILEEND>\xff", 52);
    }

    void receivedFileKeepsMarkerBytes()
    {
        QFETCH(QByteArray, data);
        offerFromRavi("marked.bin", QString::number(data.size()));
        QTRY_VERIFY(m_client->m_chatWindows.contains("ravi"));
        ZELChatWindow *w = m_client->m_chatWindows.value("ravi");
        QTRY_COMPARE(w->filePages().m_dowLoadtable->rowCount(), 1);
        w->filePages().m_ftpOk->click();
        QVERIFY(m_peer->waitForRequest("FTPACCEPT").isValid());
        const QString bannerFile = m_client->m_dataFolder + "/Banner/banner.gif";
        QFile::remove(bannerFile);

        m_peer->sendFile(data);
        QCOMPARE(m_peer->waitForRequest("FTPSTATUS").value("FTPSTATUS"), QString("Accepted"));
        QFile saved(m_client->m_defaultFileLocation + "/marked.bin");
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), data);
        QCOMPARE(cell(w->filePages().m_dowLoadtable, 0, 5), QString("Accepted"));
        QVERIFY(!QFile::exists(bannerFile));
    }


    // A server result of one long word shows bounded in the transcript.
    void longTransferResultIsBounded()
    {
        ZELChatWindow *w = window();
        QVERIFY(w);
        const QString word(256 * 1024, QLatin1Char('r'));
        transferStatus(word, "a.txt");
        QTRY_VERIFY(w->totalMessage->toPlainText().contains("File sending "));
        const QString transcript = w->totalMessage->toPlainText();
        QVERIFY(transcript.contains("File sending " + ZELTextBounds::shownLine(word)));
        QVERIFY(!transcript.contains(word.left(ZELTextBounds::LineLength)));
        QVERIFY(!m_client->m_uploadInProgress);
    }

    void secondAcceptWaitsAndLaterOfferKeepsItsRow()
    {
        offerFromRavi("one.txt");
        offerFromRavi("two.txt");
        QTRY_VERIFY(m_client->m_chatWindows.contains("ravi"));
        ZELChatWindow *w = m_client->m_chatWindows.value("ravi");
        QTRY_COMPARE(w->filePages().m_dowLoadtable->rowCount(), 2);
        QCOMPARE(w->m_indicateFileReceivedLabel->text(), QString("(2) Files received"));

        w->filePages().m_dowLoadtable->cellClicked(0, 0);
        w->filePages().m_ftpOk->click();
        QVERIFY(m_peer->waitForRequest("FTPACCEPT").isValid());
        QCOMPARE(w->m_indicateFileReceivedLabel->text(), QString("(1) Files received"));

        // The second file waits for the first.
        w->filePages().m_dowLoadtable->cellClicked(1, 0);
        w->filePages().m_ftpOk->click();
        QCOMPARE(boxText(w), QString("Wait..Already one file is downloading"));

        // A third offer arrives before the data: the downloaded row is still the one marked.
        offerFromRavi("three.txt");
        QTRY_COMPARE(w->filePages().m_dowLoadtable->rowCount(), 3);
        m_peer->sendFile("first");
        QVERIFY(m_peer->waitForRequest("FTPSTATUS").isValid());
        QCOMPARE(cell(w->filePages().m_dowLoadtable, 0, 5), QString("Accepted"));
        QCOMPARE(cell(w->filePages().m_dowLoadtable, 1, 5), QString("Waiting"));
        QCOMPARE(cell(w->filePages().m_dowLoadtable, 2, 5), QString("Waiting"));
    }

    void declineAndCloseReportDeclined()
    {
        offerFromRavi("a.txt");
        offerFromRavi("b.txt");
        offerFromRavi("c.txt");
        QTRY_VERIFY(m_client->m_chatWindows.contains("ravi"));
        ZELChatWindow *w = m_client->m_chatWindows.value("ravi");
        QTRY_COMPARE(w->filePages().m_dowLoadtable->rowCount(), 3);

        w->filePages().m_dowLoadtable->cellClicked(0, 0);
        w->filePages().m_ftpCancel->click();
        const ZELTestPeer::Request declined = m_peer->waitForRequest("FTPSTATUS");
        QVERIFY(declined.isValid());
        QCOMPARE(declined.value("LOGINNAME"), QString("ravi"));
        QCOMPARE(declined.value("FTPSTATUS"), QString("Declined"));
        QCOMPARE(declined.value("FILENAME"), QString("a.txt"));
        QCOMPARE(cell(w->filePages().m_dowLoadtable, 0, 5), QString("Declined"));
        QCOMPARE(cell(w->filePages().m_dowLoadtable, 0, 1), QString("File Declined"));
        QCOMPARE(w->m_indicateFileReceivedLabel->text(), QString("(2) Files received"));

        // Closing with two files waiting: No keeps the window, Yes declines both.
        m_answer = QMessageBox::No;
        QVERIFY(!w->close());
        fence();
        QCOMPARE(m_peer->requestTypes().count("FTPSTATUS"), 1);
        m_answer = QMessageBox::Yes;
        QPointer<ZELChatWindow> guard(w);
        QVERIFY(w->close());
        QVERIFY(m_peer->waitForRequest("FTPSTATUS").value("FILENAME") == "b.txt");
        QVERIFY(m_peer->waitForRequest("FTPSTATUS").value("FILENAME") == "c.txt");
    }

    // Declining another offer while a file downloads leaves that download
    // alone: its bytes keep their name and "Accepted" goes to its own sender.
    void declineDuringDownloadKeepsTheDownload_data()
    {
        QTest::addColumn<QString>("otherSender");
        QTest::newRow("same window") << "ravi";
        QTest::newRow("another window") << "mohan";
    }

    void declineDuringDownloadKeepsTheDownload()
    {
        QFETCH(QString, otherSender);
        offerFromRavi("big.iso");
        offerFromRavi("small.txt", "5", otherSender);
        QTRY_VERIFY(m_client->m_chatWindows.contains("ravi") && m_client->m_chatWindows.contains(otherSender));
        ZELChatWindow *w = m_client->m_chatWindows.value("ravi");
        ZELChatWindow *other = m_client->m_chatWindows.value(otherSender);
        const int otherRow = other == w ? 1 : 0;
        QTRY_COMPARE(other->filePages().m_dowLoadtable->rowCount(), otherRow + 1);

        w->filePages().m_dowLoadtable->cellClicked(0, 0);
        w->filePages().m_ftpOk->click();
        QVERIFY(m_peer->waitForRequest("FTPACCEPT").isValid());

        other->filePages().m_dowLoadtable->cellClicked(otherRow, 0);
        other->filePages().m_ftpCancel->click();
        const ZELTestPeer::Request declined = m_peer->waitForRequest("FTPSTATUS");
        QCOMPARE(declined.value("LOGINNAME"), otherSender);
        QCOMPARE(declined.value("FTPSTATUS"), QString("Declined"));
        QCOMPARE(declined.value("FILENAME"), QString("small.txt"));
        QCOMPARE(cell(other->filePages().m_dowLoadtable, otherRow, 5), QString("Declined"));

        m_peer->sendFile("iso bytes");
        const ZELTestPeer::Request accepted = m_peer->waitForRequest("FTPSTATUS");
        QCOMPARE(accepted.value("LOGINNAME"), QString("ravi"));
        QCOMPARE(accepted.value("FTPSTATUS"), QString("Accepted"));
        QCOMPARE(accepted.value("FILENAME"), QString("big.iso"));
        QCOMPARE(savedText("big.iso"), QString("iso bytes"));
        QCOMPARE(savedText("small.txt"), QString("<missing>"));
        QCOMPARE(cell(w->filePages().m_dowLoadtable, 0, 5), QString("Accepted"));
    }

    // A name offered again after an earlier file of that name was answered
    // can itself be accepted or declined.
    void reofferedNameCanBeAnswered_data()
    {
        QTest::addColumn<bool>("acceptFirst");
        QTest::addColumn<bool>("acceptAgain");
        QTest::newRow("accepted, then accept") << true << true;
        QTest::newRow("accepted, then decline") << true << false;
        QTest::newRow("declined, then accept") << false << true;
        QTest::newRow("declined, then decline") << false << false;
    }

    void reofferedNameCanBeAnswered()
    {
        QFETCH(bool, acceptFirst);
        QFETCH(bool, acceptAgain);
        offerFromRavi("notes.txt");
        QTRY_VERIFY(m_client->m_chatWindows.contains("ravi"));
        ZELChatWindow *w = m_client->m_chatWindows.value("ravi");
        QTRY_COMPARE(w->filePages().m_dowLoadtable->rowCount(), 1);
        w->filePages().m_dowLoadtable->cellClicked(0, 0);
        if (acceptFirst) {
            w->filePages().m_ftpOk->click();
            QVERIFY(m_peer->waitForRequest("FTPACCEPT").isValid());
            m_peer->sendFile("first");
        } else {
            w->filePages().m_ftpCancel->click();
        }
        QVERIFY(m_peer->waitForRequest("FTPSTATUS").isValid());
        const QString firstState = cell(w->filePages().m_dowLoadtable, 0, 5);
        QCOMPARE(firstState, QString(acceptFirst ? "Accepted" : "Declined"));

        offerFromRavi("notes.txt");
        QTRY_COMPARE(w->filePages().m_dowLoadtable->rowCount(), 2);
        w->filePages().m_dowLoadtable->cellClicked(1, 0);
        QVERIFY(w->filePages().m_ftpOk->isEnabled());
        if (acceptAgain) {
            m_answer = QMessageBox::Yes; // overwrite the first file when there is one
            w->filePages().m_ftpOk->click();
            QVERIFY(m_peer->waitForRequest("FTPACCEPT").isValid());
            QCOMPARE(cell(w->filePages().m_dowLoadtable, 1, 5), QString("Downloading..."));
            m_peer->sendFile("second");
            const ZELTestPeer::Request status = m_peer->waitForRequest("FTPSTATUS");
            QCOMPARE(status.value("FTPSTATUS"), QString("Accepted"));
            QCOMPARE(cell(w->filePages().m_dowLoadtable, 1, 5), QString("Accepted"));
            QCOMPARE(savedText("notes.txt"), QString("second"));
        } else {
            w->filePages().m_ftpCancel->click();
            const ZELTestPeer::Request status = m_peer->waitForRequest("FTPSTATUS");
            QCOMPARE(status.value("FTPSTATUS"), QString("Declined"));
            QCOMPARE(status.value("FILENAME"), QString("notes.txt"));
            QCOMPARE(cell(w->filePages().m_dowLoadtable, 1, 5), QString("Declined"));
        }
        QCOMPARE(cell(w->filePages().m_dowLoadtable, 0, 5), firstState);
    }

    // Yes to overwrite keeps the old file until the new one is in place: a
    // download that never completes leaves it as it was.
    void overwriteKeepsOldFileUntilReplaced_data()
    {
        QTest::addColumn<bool>("arrives");
        QTest::newRow("download completes") << true;
        QTest::newRow("connection lost") << false;
    }

    void overwriteKeepsOldFileUntilReplaced()
    {
        QFETCH(bool, arrives);
        QVERIFY(!makeFile("in/plan.txt", "old plan").isEmpty());
        offerFromRavi("plan.txt");
        QTRY_VERIFY(m_client->m_chatWindows.contains("ravi"));
        ZELChatWindow *w = m_client->m_chatWindows.value("ravi");
        QTRY_COMPARE(w->filePages().m_dowLoadtable->rowCount(), 1);
        w->filePages().m_ftpOk->click();
        QCOMPARE(m_questions.value(0), QString("Do you want to over write this file ?"));
        QVERIFY(m_peer->waitForRequest("FTPACCEPT").isValid());
        QCOMPARE(savedText("plan.txt"), QString("old plan"));
        if (arrives) {
            m_peer->sendFile("new plan");
            QVERIFY(m_peer->waitForRequest("FTPSTATUS").isValid());
            QCOMPARE(savedText("plan.txt"), QString("new plan"));
        } else {
            m_peer->dropConnection();
            QTRY_COMPARE(cell(w->filePages().m_dowLoadtable, 0, 5), QString("Downloading Failed"));
            QCOMPARE(savedText("plan.txt"), QString("old plan"));
        }
    }

    // A received file is stored off the window's thread. Whatever ends
    // meanwhile, nothing breaks and an existing file of that name is never
    // left half written: closing the chat window lets the file be stored;
    // signing out, a lost connection or the client closing give the write up
    // and keep the old file, and the server hears of no acceptance.
    void endingWhileAFileIsStored_data()
    {
        QTest::addColumn<QString>("ending");
        QTest::addColumn<bool>("stored");
        QTest::newRow("chat window closed") << "window" << true;
        QTest::newRow("signed out") << "sign out" << false;
        QTest::newRow("connection lost") << "loss" << false;
        QTest::newRow("client closed") << "exit" << false;
    }

    void endingWhileAFileIsStored()
    {
        QFETCH(QString, ending);
        QFETCH(bool, stored);
        const QString folder = m_client->m_defaultFileLocation;
        QVERIFY(!makeFile("in/plan.txt", "old plan").isEmpty());
        offerFromRavi("plan.txt", QString::number(8 << 20));
        QTRY_VERIFY(m_client->m_chatWindows.contains("ravi"));
        QPointer<ZELChatWindow> w = m_client->m_chatWindows.value("ravi");
        QTRY_COMPARE(w->filePages().m_dowLoadtable->rowCount(), 1);
        w->filePages().m_ftpOk->click();
        QVERIFY(m_peer->waitForRequest("FTPACCEPT").isValid());

        // The writer's thread is held by another write until released (or
        // given up), so the file's own write is surely under way at the end.
        std::atomic_bool release{false};
        QSemaphore started;
        m_client->m_fileWriter->run(
            [&](const std::atomic_bool &cancelled) {
                started.release();
                while (!release.load() && !cancelled.load())
                    QThread::msleep(1);
                return ZELSafeWrite::Result{true, QString()};
            },
            nullptr);
        QVERIFY(started.tryAcquire(1, 5000));
        const QByteArray data(8 << 20, 'n');
        m_peer->sendFile(data);
        QTRY_VERIFY(!m_client->m_chatDownloadPending);
        QVERIFY(m_client->m_downloadInProgress);
        QCOMPARE(savedText("plan.txt"), QString("old plan"));

        m_peer->clearRequests();
        if (ending == "window") {
            QVERIFY(w->close());
            QTRY_VERIFY(w.isNull());
        } else if (ending == "sign out") {
            m_client->signOutSuccessFull();
        } else if (ending == "loss") {
            m_peer->dropConnection();
            QTRY_COMPARE(cell(w->filePages().m_dowLoadtable, 0, 5), QString("Downloading Failed"));
        } else {
            const QList<ZELChatWindow *> windows = m_client->m_chatWindows.values();
            for (ZELChatWindow *open : windows)
                delete open;
            delete m_client;
            m_client = nullptr;
        }
        release = true;
        if (m_client) {
            QVERIFY(m_client->m_fileWriter->waitForWrites(10000));
            QTRY_VERIFY(!m_client->m_fileWriter->isBusy());
            QVERIFY(!m_client->m_downloadInProgress);
        }
        QFile file(folder + "/plan.txt");
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.size(), stored ? data.size() : 8);
        QCOMPARE(file.readAll() == data, stored);
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{"plan.txt"});
        if (ending != "loss" && ending != "exit") {
            fence();
            QCOMPARE(m_peer->requestTypes().contains("FTPSTATUS"), stored);
        }
    }

    void connectionLossFailsRunningTransfers()
    {
        ZELChatWindow *w = window();
        offer(w, makeFile("up.txt", "12345"));
        QVERIFY(m_peer->waitForRequest("FTPREADY").isValid());
        offerFromRavi("down.txt");
        QTRY_COMPARE(w->filePages().m_dowLoadtable->rowCount(), 1);
        w->filePages().m_ftpOk->click();
        QVERIFY(m_peer->waitForRequest("FTPACCEPT").isValid());

        m_peer->dropConnection();
        QTRY_VERIFY(!m_client->m_uploadInProgress);
        QVERIFY(!m_client->m_downloadInProgress);
        QCOMPARE(cell(w->filePages().m_uploadedFiletable, 0, 5), QString("Uploading Failed"));
        QCOMPARE(cell(w->filePages().m_dowLoadtable, 0, 5), QString("Downloading Failed"));
        QVERIFY(!w->m_uploading);
        QVERIFY(!w->m_downloading);
    }

    // Beyond the bound of open chat windows, chats and file offers from people
    // without a window wait in the order they came. As windows close, each
    // waiting sender's window opens with all of that sender's messages, which
    // are answered then as any other: chats confirmed, offers declined when the
    // window closes with them unanswered. Nothing is lost or shown twice.
    void newSendersWaitForWindows_data()
    {
        QTest::addColumn<QStringList>("arrivals"); // sender, c(hat) or f(ile offer), text or file name
        QTest::addColumn<int>("waiting");
        QTest::addColumn<QStringList>("answers"); // in the order the server has them
        QTest::newRow("chats")
            << QStringList{"a c a1", "b c b1", "c c c1", "d c d1", "e c e1"} << 3
            << QStringList{"delivered a1", "delivered b1", "delivered c1", "delivered d1", "delivered e1"};
        QTest::newRow("a waiting sender goes on")
            << QStringList{"a c a1", "b c b1", "c c c1", "a c a2", "d c d1", "c c c2"} << 3
            << QStringList{"delivered a1", "delivered a2", "delivered b1", "delivered c1", "delivered c2",
                           "delivered d1"};
        QTest::newRow("file offers")
            << QStringList{"a f a.txt", "b f b.txt", "c f c.txt", "c c c1", "d f d.txt"} << 3
            << QStringList{"Declined a.txt", "delivered c1", "Declined b.txt", "Declined c.txt",
                           "Declined d.txt"};
    }

    void newSendersWaitForWindows()
    {
        QFETCH(QStringList, arrivals);
        QFETCH(int, waiting);
        QFETCH(QStringList, answers);
        m_client->m_chatWindowBound = 2;
        // All in one delivery, as a server relays what came meanwhile.
        m_peer->sendText(arrivalFrames(arrivals));
        fence();
        // One window opens a turn, up to the bound.
        QTRY_COMPARE(m_client->m_waitingChats.size(), waiting);
        QCOMPARE(m_client->m_chatWindows.size(), 2);

        // The user closes the oldest window each time; the next waits for its place.
        QStringList opened;
        const auto noteOpened = [&] {
            for (const QString &key : m_client->m_chatWindows.keys()) {
                if (!opened.contains(key))
                    opened << key;
            }
        };
        noteOpened();
        while (!m_client->m_chatWindows.isEmpty()) {
            QString oldest;
            for (const QString &key : std::as_const(opened)) {
                if (m_client->m_chatWindows.contains(key)) {
                    oldest = key;
                    break;
                }
            }
            ZELChatWindow *w = m_client->m_chatWindows.value(oldest);
            QVERIFY(w);
            // Every message of this sender is in the window once, in the order sent.
            const QString transcript = w->totalMessage->toPlainText();
            qsizetype at = 0;
            int offers = 0;
            for (const QString &arrival : arrivals) {
                const QStringList part = arrival.split(' ');
                if (part.at(0) != oldest)
                    continue;
                const qsizetype found = transcript.indexOf(part.at(2), at);
                QVERIFY2(found >= 0, qPrintable(part.at(2)));
                QCOMPARE(transcript.count(part.at(2)), 1);
                at = found;
                offers += part.at(1) == "f";
            }
            QCOMPARE(w->filePages().m_dowLoadtable->rowCount(), offers);
            // One window closes; one opens when anything waits.
            const int expected = m_client->m_waitingChats.isEmpty() ? m_client->m_chatWindows.size() - 1
                                                                    : m_client->m_chatWindows.size();
            QVERIFY(w->close());
            QTRY_COMPARE(m_client->m_chatWindows.size(), expected);
            QTRY_VERIFY(m_client->m_waitingChats.isEmpty() || m_client->m_chatWindows.size() == 2);
            noteOpened();
        }
        QVERIFY(m_client->m_waitingChats.isEmpty());
        QCOMPARE(m_client->m_waitingChatBytes, 0);
        QCOMPARE(m_client->m_refusedChats, 0);
        QCOMPARE(answersSeen(), answers);
    }

    // The user opens a waiting sender's window (as the contact list does): it
    // shows what waited, in order and before anything the sender writes next,
    // and answers it as an open window does. Other senders go on waiting.
    void openingWaitingSendersWindowShowsWhatWaits_data()
    {
        QTest::addColumn<QStringList>("arrivals");
        QTest::addColumn<QStringList>("shown"); // in b's window, in order
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<int>("offers");
        QTest::newRow("chats") << QStringList{"a c a1", "b c b1", "b c b2"} << QStringList{"b1", "b2", "b3"}
                               << QStringList{"delivered a1", "delivered b1", "delivered b2", "delivered b3"} << 0;
        QTest::newRow("file offer and chat")
            << QStringList{"a c a1", "b f b.txt", "b c b1"} << QStringList{"b.txt", "b1", "b3"}
            << QStringList{"delivered a1", "delivered b1", "delivered b3"} << 1;
        QTest::newRow("behind another sender")
            << QStringList{"a c a1", "c c c1", "b c b1", "c c c2"} << QStringList{"b1", "b3"}
            << QStringList{"delivered a1", "delivered b1", "delivered b3"} << 0;
    }

    void openingWaitingSendersWindowShowsWhatWaits()
    {
        QFETCH(QStringList, arrivals);
        QFETCH(QStringList, shown);
        QFETCH(QStringList, answers);
        QFETCH(int, offers);
        m_client->m_chatWindowBound = 1;
        m_peer->sendText(arrivalFrames(arrivals));
        QTRY_VERIFY(m_client->m_waitingSenders.contains("b"));
        QCOMPARE(m_client->m_chatWindows.keys(), QStringList{"a"});

        m_client->createChatWindow("b");
        ZELChatWindow *w = m_client->m_chatWindows.value("b");
        QVERIFY(w);
        const auto inOrder = [&](const QStringList &texts) {
            const QString transcript = w->totalMessage->toPlainText();
            qsizetype at = 0;
            for (const QString &text : texts) {
                const qsizetype found = transcript.indexOf(text, at);
                if (found < 0 || transcript.count(text) != 1)
                    return false;
                at = found;
            }
            return true;
        };
        // Shown and answered at once, not when b writes again.
        QVERIFY2(inOrder(shown.mid(0, shown.size() - 1)), qPrintable(w->totalMessage->toPlainText()));
        QCOMPARE(w->filePages().m_dowLoadtable->rowCount(), offers);
        QCOMPARE(answersSeen(), answers.mid(0, answers.size() - 1));
        QVERIFY(!m_client->m_waitingSenders.contains("b"));

        m_peer->sendText(arrivalFrames({"b c b3"}));
        QTRY_VERIFY(w->totalMessage->toPlainText().contains("b3"));
        QVERIFY2(inOrder(shown), qPrintable(w->totalMessage->toPlainText()));
        QCOMPARE(answersSeen(), answers);
        // Whoever else waited still waits for a place.
        QCOMPARE(m_client->m_waitingSenders.contains("c"), arrivals.contains("c c c1"));
        QCOMPARE(m_client->m_chatWindows.size(), 2);
    }

    // The main window tells how many people wait for a chat window, while any do.
    void waitingPeopleAreCounted()
    {
        QLabel *notice = m_client->m_waitingChatsLabel;
        QVERIFY(notice->isHidden());
        m_client->m_chatWindowBound = 1;
        m_peer->sendText(arrivalFrames({"a c a1", "b c b1", "c c c1", "b c b2"}));
        QTRY_COMPARE(m_client->m_waitingChats.size(), 3);
        QCOMPARE(notice->text(), QString("(2) Chats waiting for a window"));
        QVERIFY(!notice->isHidden());

        m_client->createChatWindow("c");
        QCOMPARE(notice->text(), QString("(1) Chats waiting for a window"));
        m_peer->sendText(arrivalFrames({"d f d.txt"}));
        QTRY_COMPARE(notice->text(), QString("(2) Chats waiting for a window"));

        // Closing windows lets the others in, one a place.
        QVERIFY(m_client->m_chatWindows.value("a")->close());
        QVERIFY(m_client->m_chatWindows.value("c")->close());
        QTRY_VERIFY(m_client->m_chatWindows.contains("b"));
        QCOMPARE(notice->text(), QString("(1) Chats waiting for a window"));
        QVERIFY(m_client->m_chatWindows.value("b")->close());
        QTRY_VERIFY(m_client->m_chatWindows.contains("d"));
        QVERIFY(notice->isHidden());
    }
};

ZEL_TEST_MAIN(TestChatFiles)
#include "tst_chatfiles.moc"
