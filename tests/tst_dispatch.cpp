#include <QDir>
#include <QFile>
#include <QLabel>
#include <QStandardPaths>
#include <QSystemTrayIcon>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include "chat/zelchatwindow.h"
#include "core/zelclient.h"
#include "core/zelslicedwork.h"
#include "protocol/zelfilenames.h"
#include "protocol/zelfilewriter.h"
#include "messages/zelofflinemessageswidget.h"
#include "peer/zeltestpeer.h"
#include "zeltestmain.h"

// The dispatch frame driven through messageFromServer: how a text block is cut
// into messages, what ends a delivery early, the closing step; then the routing
// of the file block, and the bare file names every received file is written under.
class TestDispatch : public QObject
{
    Q_OBJECT

private:
    // Two branches whose effect is easy to see: FORGETPWD enables the
    // forgotten-password link, ANOTHERUSERLOGGED sets the signed-in-elsewhere marker.
    static QString forgetPwd()
    {
        return ZELTestPeer::message("FORGETPWD", {{"USERNAME", "alice"}, {"STATUS", "SENT"}});
    }
    static QString anotherUser()
    {
        return ZELTestPeer::message("ANOTHERUSERLOGGED", {{"USERNAME", "alice"}});
    }

    struct Seen
    {
        bool forget = false;
        bool elsewhere = false;
        bool closingStep = false;
        bool fileRouted = false;
    };

    // Runs one delivery on a client that shows the connecting page and waits
    // for a chat file, and reports what happened.
    static Seen deliver(ZELClient &client, const QString &text, const QString &fileFolder)
    {
        client.m_forgetPasswordButton->setEnabled(false);
        client.m_signedInElsewhere = false;
        client.stackedWidget->setCurrentWidget(client.processPage);
        client.m_fileDataAwaited = true;
        client.m_chatDownloadPending = true;
        client.m_saveFolder = fileFolder;
        client.m_transferFileName = "routed.bin";
        QFile::remove(fileFolder + "/routed.bin");

        QByteArray textBlock = text.toLatin1();
        QByteArray files("file data<FILEEND>");
        client.messageFromServer(textBlock, files);
        settled(client);

        Seen seen;
        seen.forget = client.m_forgetPasswordButton->isEnabled();
        seen.elsewhere = client.m_signedInElsewhere;
        seen.closingStep = client.stackedWidget->currentWidget() == client.loginPage;
        seen.fileRouted = QFile::exists(fileFolder + "/routed.bin");
        return seen;
    }

    static bool branchesPresent(ZELClient &client, const QString &folder)
    {
        const Seen seen = deliver(client, forgetPwd() + ":::" + anotherUser() + ":::", folder);
        return seen.forget && seen.elsewhere;
    }

    // Received files are written off the window's thread: waits until the
    // writes have ended and their ends have been handled.
    static bool settled(ZELClient &client)
    {
        client.m_fileWriter->waitForWrites();
        return QTest::qWaitFor([&client] { return !client.m_fileWriter->isBusy(); }, 5000);
    }

    static QByteArray readAll(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private slots:
    // Work on a list runs its steps in order and its closing step once after
    // them; a short list is done at once however slow its steps, a long one
    // lets the event loop run between slices.
    void slicedWork_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("atOnce");
        QTest::newRow("empty") << 0 << true;
        QTest::newRow("short, slow steps") << int(ZELSlicedWork::StepsBeforeSlicing) << true;
        QTest::newRow("long, slow steps") << 200 << false;
    }

    void slicedWork()
    {
        QFETCH(int, count);
        QFETCH(bool, atOnce);
        QList<qsizetype> steps;
        int finished = 0;
        int timerRuns = 0;
        ZELSlicedWork work(
            count,
            [&](qsizetype at) {
                steps << at;
                QThread::usleep(1500);
            },
            [&] { finished += int(steps.size() == count); });
        QCOMPARE(work.runSlice(), atOnce);
        QCOMPARE(finished, atOnce ? 1 : 0);
        if (!atOnce) {
            QTimer ticker;
            connect(&ticker, &QTimer::timeout, this, [&] { timerRuns += !work.isDone(); });
            ticker.start(0);
            work.continueLater();
            QTRY_VERIFY(work.isDone());
            QVERIFY(timerRuns > 0);
        }
        QCOMPARE(finished, 1);
        QCOMPARE(steps.size(), qsizetype(count));
        for (qsizetype i = 0; i < steps.size(); ++i)
            QCOMPARE(steps.at(i), i);
    }

    void frame_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("forget");
        QTest::addColumn<bool>("elsewhere");
        const QString f = forgetPwd(), a = anotherUser();
        QTest::newRow("empty block") << QString() << false << false;
        QTest::newRow("two messages") << f + ":::" + a + ":::" << true << true;
        // An empty piece (a frame that carried nothing) does not end the block.
        QTest::newRow("empty frame between") << f + "::::::" + a + ":::" << true << true;
        QTest::newRow("not xml between") << f + ":::<broken:::" + a + ":::" << true << true;
        QTest::newRow("unknown root between") << f + ":::<NOSUCHTYPE/>:::" + a + ":::" << true << true;
        QTest::newRow("voice chat ignored")
            << ZELTestPeer::message("VOICECHATINVITATION", {{"A", "x"}, {"B", "y"}, {"C", "z"}}) + ":::" + a + ":::"
            << false << true;
        QTest::newRow("lower case type") << QString(f).replace("FORGETPWD", "forgetpwd") + ":::" + a + ":::"
                                         << false << true;
        // Colons inside a value are text: they neither cut the message nor end
        // the block, and the messages after it are still read.
        QTest::newRow("separator inside a value")
            << "<VOICECHATINVITATION><A>x:::" + a + ":::</A></VOICECHATINVITATION>:::" << false << false;
        QTest::newRow("separator inside a value, later messages")
            << ZELTestPeer::message("VOICECHATINVITATION", {{"A", ":::"}, {"B", "y"}}) + ":::" + f + ":::" + a + ":::"
            << true << true;
        QTest::newRow("six colons inside a value, later messages")
            << ZELTestPeer::message("VOICECHATINVITATION", {{"A", "::::::"}}) + ":::" + f + ":::" + a + ":::"
            << true << true;
    }

    // Whatever the messages, the file block is routed and the closing step runs.
    void frame()
    {
        QFETCH(QString, text);
        QFETCH(bool, forget);
        QFETCH(bool, elsewhere);
        QTemporaryDir folder;
        ZELClient client;
        QVERIFY(branchesPresent(client, folder.path()));

        const Seen seen = deliver(client, text, folder.path());
        QCOMPARE(seen.forget, forget);
        QCOMPARE(seen.elsewhere, elsewhere);
        // Signed out by a sign-in elsewhere: the session's download ended with
        // it, and its data is no longer stored.
        QCOMPARE(seen.fileRouted, !elsewhere);
        QVERIFY(seen.closingStep);
    }

    void conferenceInvitationWhileSignedOutDropsTheRest()
    {
        QTemporaryDir folder;
        ZELClient client;
        QVERIFY(branchesPresent(client, folder.path()));
        client.m_signedIn = false;
        const QString invitation = ZELTestPeer::message(
            "CONFERENCECHAT", {{"CHATUSERNAME", "bob"}, {"LOGINNAME", "alice"}, {"INVITECHAT", "x"}, {"D", "y"}});
        const Seen seen = deliver(client, invitation + ":::" + forgetPwd() + ":::", folder.path());
        QVERIFY(!seen.forget);
        QVERIFY(seen.fileRouted);
        QVERIFY(seen.closingStep);
    }

    void banner_data()
    {
        QTest::addColumn<QByteArray>("block");
        QTest::addColumn<QByteArray>("stored"); // "<none>": no banner file
        QTest::newRow("image") << QByteArray("GIF89a\x01\x02<BANNEREND><FILEEND>") << QByteArray("GIF89a\x01\x02");
        QTest::newRow("server has none") << QByteArray("<BANNEREMPTY><BANNEREND><FILEEND>")
                                         << readAll("Smileys/banner.gif");
        QTest::newRow("no banner marker") << QByteArray("<BANNEREMPTY><FILEEND>") << QByteArray("<none>");
        QTest::newRow("image holding the markers")
            << QByteArray("GIF89a<BANNEREMPTY><FILEEND><BANNEREND>#VOICE#;<BANNEREND><FILEEND>")
            << QByteArray("GIF89a<BANNEREMPTY><FILEEND><BANNEREND>#VOICE#;");
    }

    // A banner ends the delivery: the message after it in the same delivery
    // and the closing step do not run.
    void banner()
    {
        QFETCH(QByteArray, block);
        QFETCH(QByteArray, stored);
        if (stored.isEmpty())
            QSKIP("no default banner in the working folder");
        ZELClient client;
        client.m_autoLoginTried = true; // no automatic sign-in: the page is the frame's business
        client.m_signInPending = true;  // and the connecting page stays for the sign-in it awaits
        client.stackedWidget->setCurrentWidget(client.processPage);
        client.m_fileDataAwaited = true;
        QByteArray text;
        QByteArray files(block);
        client.messageFromServer(text, files);
        const QString bannerFile = client.m_dataFolder + "/Banner/banner.gif";
        if (stored == "<none>") {
            QVERIFY(!QFile::exists(bannerFile));
            QCOMPARE(client.stackedWidget->currentWidget(), client.loginPage);
            return;
        }
        QCOMPARE(readAll(bannerFile), stored);
        QCOMPARE(client.stackedWidget->currentWidget(), client.processPage);
        QVERIFY(!client.m_fileDataAwaited);
        QCOMPARE(client.m_trayIcon->toolTip(), QStringLiteral("ZEL Connected (Offline)"));
    }

    void safeFileNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("bare");
        QTest::newRow("plain") << "report.pdf" << "report.pdf";
        QTest::newRow("parent folder") << "../../.bashrc" << ".bashrc";
        QTest::newRow("absolute") << "/etc/passwd" << "passwd";
        QTest::newRow("backslashes") << "..\\..\\win.ini" << "win.ini";
        QTest::newRow("mixed") << "a/b\\c.txt" << "c.txt";
        QTest::newRow("empty") << "" << "";
        QTest::newRow("dot") << "." << "";
        QTest::newRow("dot dot") << ".." << "";
        QTest::newRow("folder only") << "dir/" << "";
        QTest::newRow("ends in dot dot") << "dir/.." << "";
        QTest::newRow("nul") << QString("a") + QChar(0) + "b" << "";
        QTest::newRow("inner dots kept") << "v1..2.tar" << "v1..2.tar";
    }

    void safeFileNames()
    {
        QFETCH(QString, name);
        QFETCH(QString, bare);
        QCOMPARE(zelSafeFileName(name), bare);
        QCOMPARE(zelSafeFilePath("/base", name), bare.isEmpty() ? QString() : "/base/" + bare);
    }

    // A chat file: a hostile name stays inside the chosen folder; a file that
    // cannot be written is reported as failed, not as stored.
    void chatFileRouting_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<bool>("folderExists");
        QTest::addColumn<QString>("writtenAs"); // empty: nothing written
        QTest::newRow("plain") << "notes.txt" << true << "notes.txt";
        QTest::newRow("climbs out") << "../outside.txt" << true << "outside.txt";
        QTest::newRow("refused name") << ".." << true << "";
        QTest::newRow("folder gone") << "notes.txt" << false << "";
    }

    void chatFileRouting()
    {
        QFETCH(QString, fileName);
        QFETCH(bool, folderExists);
        QFETCH(QString, writtenAs);
        QTemporaryDir root;
        const QString folder = root.path() + "/inbox";
        if (folderExists)
            QVERIFY(QDir().mkpath(folder));

        ZELClient client;
        auto *window = new ZELChatWindow;
        window->m_peer = "bob";
        window->m_downloading = true;
        window->filePages().m_dowLoadtable->setRowCount(1);
        window->filePages().m_dowLoadtable->setItem(0, 0, new QTableWidgetItem(fileName));
        window->filePages().m_dowLoadtable->setItem(0, 5, new QTableWidgetItem("Downloading..."));
        client.m_chatWindows.insert("bob", window);
        client.m_transferPeer = "bob";
        client.m_saveFolder = folder;
        client.m_transferFileName = fileName;
        client.m_fileDataAwaited = true;
        client.m_chatDownloadPending = true;
        client.m_downloadInProgress = true;

        QByteArray text;
        QByteArray files("part one<FILEEND>part two<FILEEND>"); // a file holding the marker
        client.messageFromServer(text, files);
        QVERIFY(settled(client));

        QVERIFY(!client.m_downloadInProgress);
        QVERIFY(!window->m_downloading);
        QVERIFY(!client.m_chatDownloadPending);
        QVERIFY(!client.m_fileDataAwaited);
        QCOMPARE(client.m_chatDownloadDone, !writtenAs.isEmpty());
        QCOMPARE(window->filePages().m_dowLoadtable->item(0, 5)->text() == "Downloading Failed", writtenAs.isEmpty());
        if (!writtenAs.isEmpty())
            QCOMPARE(readAll(folder + "/" + writtenAs), QByteArray("part one<FILEEND>part two"));
        QVERIFY(!QFile::exists(root.path() + "/outside.txt"));
        // The name on the wire is left as it came.
        QCOMPARE(client.m_transferFileName, fileName);
        client.m_chatWindows.clear();
        delete window;
    }

    void offlineFileRouting_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<bool>("folderExists");
        QTest::addColumn<QString>("status");
        QTest::newRow("stored") << "report.pdf" << true << "Downloaded";
        QTest::newRow("climbs out, stored inside") << "../../report.pdf" << true << "Downloaded";
        QTest::newRow("cannot be written") << "report.pdf" << false << "Failed";
    }

    void offlineFileRouting()
    {
        QFETCH(QString, fileName);
        QFETCH(bool, folderExists);
        QFETCH(QString, status);
        QTemporaryDir root;
        const QString folder = root.path() + "/files";
        if (folderExists)
            QVERIFY(QDir().mkpath(folder));

        ZELClient client;
        QTableWidget *table = client.m_offlineMessagesWidget->m_receivedFileDetailsTable;
        table->setRowCount(3);
        table->setItem(0, 6, new QTableWidgetItem("Downloaded"));
        table->setItem(1, 6, new QTableWidgetItem("Downloading...."));
        table->setItem(2, 6, new QTableWidgetItem("Downloading...."));
        client.m_offlineMessagesWidget->m_fileStatusLabel->setText("Downloading....");
        client.m_offlineMessagesWidget->m_downloading = true;
        client.m_offlineFileDownloading = true;
        client.m_downloadInProgress = true;
        client.m_offlineFileFolder = folder;
        client.m_offlineFileName = fileName;

        QByteArray text;
        QByteArray files("offline bytes<FILEEND>");
        client.messageFromServer(text, files);
        QVERIFY(settled(client));

        QCOMPARE(table->item(1, 6)->text(), status);
        QCOMPARE(table->item(2, 6)->text(), QStringLiteral("Downloading...."));
        // A failure says why, in the row's path and on the page, as a lost
        // connection says "Network Problem".
        const QString reason = QString::fromLocal8Bit(strerror(ENOENT));
        QCOMPARE(client.m_offlineMessagesWidget->m_fileStatusLabel->text(), status == "Failed" ? reason : status);
        if (status == "Failed")
            QCOMPARE(table->item(1, ZELOfflineMessagesWidget::PathColumn)->text(), reason);
        QVERIFY(!client.m_offlineFileDownloading);
        QVERIFY(!client.m_offlineMessagesWidget->m_downloading);
        QVERIFY(!client.m_downloadInProgress);
        if (status == "Downloaded")
            QCOMPARE(readAll(folder + "/report.pdf"), QByteArray("offline bytes"));
        QVERIFY(!QFile::exists(root.path() + "/report.pdf"));
    }

    void voiceMailComesFirst()
    {
        QTemporaryDir root;
        ZELClient client;
        client.m_voiceMailDownloading = true;
        client.m_downloadVoiceMailName = "../../voice.wav"; // the inbox is hidden: dropped
        client.m_offlineFileDownloading = true;
        client.m_offlineFileFolder = root.path();
        client.m_offlineFileName = "offline.bin";
        QByteArray text;
        QByteArray files("RIFF....<FILEEND>");
        client.messageFromServer(text, files);
        QVERIFY(!client.m_voiceMailDownloading);
        QVERIFY(client.m_offlineFileDownloading);
        QVERIFY(!QFile::exists(root.path() + "/offline.bin"));
    }

    // File data nobody asked for is dropped: voice-chat data, and a block
    // while no download is under way (no chat download pending has no folder).
    void unrequestedDataIsDropped_data()
    {
        QTest::addColumn<QByteArray>("block");
        QTest::newRow("voice chat") << QByteArray("#VOICE#bytes<FILEEND>");
        QTest::newRow("plain") << QByteArray("bytes<FILEEND>");
        QTest::newRow("banner marker while no banner is awaited") << QByteArray("GIF89a<BANNEREND><FILEEND>");
    }

    void unrequestedDataIsDropped()
    {
        QFETCH(QByteArray, block);
        QTemporaryDir root;
        ZELClient client;
        client.m_fileDataAwaited = false;
        client.m_chatDownloadPending = false;
        client.m_saveFolder = root.path();
        client.m_transferFileName = "stale.bin";
        QByteArray text;
        client.messageFromServer(text, block);
        QVERIFY(settled(client));
        QVERIFY(QDir(root.path()).isEmpty());
        QVERIFY(!QFile::exists(client.m_dataFolder + "/Banner/banner.gif"));
    }

    // A block is taken for what the client asked for before its bytes are
    // looked at: an accepted file is never the banner, nor dropped as voice
    // chat, even while the banner of the connection is still awaited; the
    // banner is taken only when nothing else is awaited.
    void blockGoesToWhatWasAskedFor_data()
    {
        QTest::addColumn<QString>("awaited"); // chat, offline, voice mail, banner
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("banner");     // the block became the banner
        for (const char *awaited : {"chat", "offline", "banner"}) {
            const bool banner = QByteArray(awaited) == "banner";
            QTest::addRow("%s: banner-like", awaited) << QString(awaited) << QByteArray("GIF89a<BANNEREND>") << banner;
            QTest::addRow("%s: voice-like", awaited) << QString(awaited) << QByteArray("#VOICE#x") << false;
        }
    }

    void blockGoesToWhatWasAskedFor()
    {
        QFETCH(QString, awaited);
        QFETCH(QByteArray, content);
        QFETCH(bool, banner);
        QTemporaryDir root;
        ZELClient client;
        client.m_autoLoginTried = true;
        const QString bannerFile = client.m_dataFolder + "/Banner/banner.gif";
        QFile::remove(bannerFile);
        client.m_fileDataAwaited = true; // the banner of a new connection is awaited
        if (awaited == "chat") {
            client.m_chatDownloadPending = true;
            client.m_downloadInProgress = true;
            client.m_saveFolder = root.path();
            client.m_transferFileName = "file.bin";
        } else if (awaited == "offline") {
            client.m_offlineFileDownloading = true;
            client.m_downloadInProgress = true;
            client.m_offlineFileFolder = root.path();
            client.m_offlineFileName = "file.bin";
        }
        QByteArray text;
        QByteArray block = content + "<FILEEND>";
        client.messageFromServer(text, block);
        QVERIFY(settled(client));
        QCOMPARE(QFile::exists(bannerFile), banner);
        if (awaited != "banner")
            QCOMPARE(readAll(root.filePath("file.bin")), content);
        QVERIFY(!client.m_downloadInProgress);
    }
};

ZEL_TEST_MAIN(TestDispatch)
#include "tst_dispatch.moc"
