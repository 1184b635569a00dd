#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QSlider>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTemporaryDir>

#include "core/zelclient.h"
#include "protocol/zeltcpsocket.h"
#include "core/zelthread.h"
#include "media/zelvoicemail.h"
#include "media/zelvoicemailinbox.h"
#include "peer/zeltestpeer.h"
#include "platform/zelfakechoosers.h"
#include "platform/zelfakeinputmonitor.h"
#include "platform/zelfakesoundplayer.h"
#include "platform/zelfakesoundrecorder.h"
#include "platform/zelplatform.h"
#include "style/zelmessageboxclass.h"
#include "zeltestmain.h"

// Voice mail end to end: a real client signed in as "anita" records for "ravi"
// through the fake recorder, sends through the protocol test peer, and fills,
// downloads and plays its inbox from the peer's answers.
class TestVoiceMail : public QObject
{
    Q_OBJECT

private:
    using Fields = ZELTestPeer::Fields;

    ZELFakeInputMonitor m_input;
    ZELFakeSoundRecorder m_recorder;
    ZELFakeSoundPlayer m_player;
    ZELFakeChoosers m_choosers;
    ZELTestPeer *m_peer = nullptr;
    ZELClient *m_client = nullptr;
    QString m_answer; // "Yes" or "No" for every question box

    ZELVoiceMail *recorder() const { return m_client->m_voiceMailRecorder.get(); }
    ZELVoiceMailInbox *inbox() const { return m_client->m_voiceMailInbox.get(); }

    void deliver(const QStringList &xmls)
    {
        QByteArray text;
        for (const QString &xml : xmls)
            text += xml.toLatin1() + ":::";
        QByteArray files;
        m_client->messageFromServer(text, files);
    }

    // VOICEMAILFILEDETAILS with one FILELIST holding the values in order.
    static QString fileDetails(const QStringList &values)
    {
        QList<ZELTestPeer::Node> children;
        for (int i = 0; i < values.size(); ++i)
            children << ZELTestPeer::Node(i % 2 ? QStringLiteral("SENDER") : QStringLiteral("FILE"), values.at(i));
        return ZELTestPeer::messageTree("VOICEMAILFILEDETAILS", {ZELTestPeer::Node("FILELIST", children)});
    }

    QStringList tableRows() const
    {
        QStringList rows;
        const QTableWidget *table = inbox()->m_voiceMailTableWidget;
        for (int row = 0; row < table->rowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < table->columnCount(); ++column)
                cells << (table->item(row, column) ? table->item(row, column)->text() : QString("<none>"));
            rows << cells.join('|');
        }
        return rows;
    }

    void openRecorder()
    {
        m_client->m_selectedUserName = "ravi";
        m_client->m_voiceMailAction->setEnabled(true);
        m_client->showVoiceRecorderDialog();
        QVERIFY(recorder()->isVisible());
    }

    // Start, let the clock tick, Stop, answer the save question.
    void record(int ticks)
    {
        recorder()->m_startButton->click();
        QVERIFY(recorder()->m_recording);
        for (int i = 0; i < ticks && recorder()->m_recording; ++i)
            recorder()->timerForSlideBar();
        if (recorder()->m_recording)
            recorder()->m_stopButton->click();
    }

private slots:
    void initTestCase()
    {
        ZELPlatform::setInputMonitor(&m_input);
        ZELPlatform::setSoundPlayer(&m_player);
        ZELPlatform::setChoosers(&m_choosers);
    }

    void cleanupTestCase()
    {
        ZELPlatform::setInputMonitor(nullptr);
        ZELPlatform::setSoundPlayer(nullptr);
        ZELPlatform::setSoundRecorder(nullptr);
        ZELPlatform::setChoosers(nullptr);
    }

    void init()
    {
        m_recorder = ZELFakeSoundRecorder();
        m_player = ZELFakeSoundPlayer();
        ZELPlatform::setSoundRecorder(&m_recorder);
        m_answer = "Yes";
        ZELMessageBoxClass::setTestAnswerHook([this](const QString &, const QString &) {
            return m_answer == "Yes" ? int(QMessageBox::Yes) : int(QMessageBox::No);
        });
        m_peer = new ZELTestPeer;
        QVERIFY(m_peer->listen());
        m_client = new ZELClient;
        m_client->m_tcpSocket->connectToHost(m_peer->host(), m_peer->port());
        QVERIFY(m_peer->waitForConnection());
        QTRY_COMPARE(m_client->m_tcpSocket->state(), QAbstractSocket::ConnectedState);
        m_client->m_signedIn = true;
        m_client->m_loginId = "anita";
        m_client->m_users.insert("ravi", UserRecord{"Engineer", "Ravi Kumar", "Sales", "Offline", "",
                                                    "", "ravi", "", "GMT+05:30"});
        m_peer->clearRequests();
    }

    void cleanup()
    {
        ZELMessageBoxClass::setTestAnswerHook({});
        m_client->m_workerThread->stop();
        delete m_client;
        m_client = nullptr;
        delete m_peer;
        m_peer = nullptr;
    }

    // ------------------------------------------------------------------
    // Recorder

    // Without a sound input the real recorder fails; the window goes back to
    // idle instead of running a clock over a recording that does not exist.
    void recordingWithoutDeviceFailsCleanly()
    {
        ZELPlatform::setSoundRecorder(nullptr);
        openRecorder();
        recorder()->m_startButton->click();
        QVERIFY(!recorder()->m_recording);
        QVERIFY(!recorder()->m_recordingClock->isActive());
        QVERIFY(recorder()->m_startButton->isEnabled());
        QVERIFY(!recorder()->m_stopButton->isEnabled());
        QVERIFY(!recorder()->m_sendButton->isEnabled());
        QVERIFY(recorder()->m_informationBox->isVisible());
        QCOMPARE(recorder()->m_informationBox->m_messageText->text(), QString("Sound device cannot open"));
    }

    void recordAndSend_data()
    {
        QTest::addColumn<int>("ticks");
        QTest::addColumn<QString>("ending");
        QTest::addColumn<int>("sliderMaximum");
        QTest::newRow("stopped before the first tick") << 0 << "MIN0SEC1.wav" << 1;
        QTest::newRow("seven seconds") << 7 << "MIN0SEC7.wav" << 7;
        QTest::newRow("a minute and seven") << 67 << "MIN1SEC7.wav" << 67;
        QTest::newRow("left running: stops at two minutes") << 500 << "MIN2SEC0.wav" << 120;
    }

    // The request names recipient, sender and length; the saved recording follows as one file frame.
    void recordAndSend()
    {
        QFETCH(int, ticks);
        QFETCH(QString, ending);
        QFETCH(int, sliderMaximum);
        openRecorder();
        QCOMPARE(recorder()->windowTitle(), QString("Voice Mail for Ravi Kumar"));
        record(ticks);
        QVERIFY(!recorder()->m_recording);
        QCOMPARE(m_recorder.calls.mid(0, 3), (QStringList{"open", "record", "stop"}));
        QVERIFY(m_recorder.calls.contains("save " + recorder()->tempFilePath()));
        QCOMPARE(recorder()->m_horizontalSlider->maximum(), sliderMaximum);
        QVERIFY(recorder()->m_playButton->isEnabled());
        QVERIFY(recorder()->m_sendButton->isEnabled());
        QVERIFY(!recorder()->m_startButton->isEnabled());

        QFile saved(recorder()->tempFilePath());
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QByteArray bytes = saved.readAll();

        recorder()->m_sendButton->click();
        const ZELTestPeer::Request request = m_peer->waitForRequest("VOICEMAILREADY");
        QVERIFY(request.isValid());
        QCOMPARE(request.value("OFFLINEUSERNAME"), QString("ravi"));
        QCOMPARE(request.value("LOGINNAME"), QString("anita"));
        const QRegularExpression name("^ravi`VS`anita`VS`\\d\\d;\\d\\d;\\d\\d" + QRegularExpression::escape(ending) + "$");
        QVERIFY2(name.match(request.value("FILENAME")).hasMatch(), qPrintable(request.value("FILENAME")));
        QByteArray file;
        QVERIFY(m_peer->waitForFile(&file));
        QCOMPARE(file, bytes);
        QVERIFY(!recorder()->isVisible());
    }

    void recordingClockText()
    {
        openRecorder();
        recorder()->m_startButton->click();
        QStringList shown;
        for (int i = 0; i < 61; ++i) {
            recorder()->timerForSlideBar();
            shown << recorder()->m_timeLabel->text();
        }
        QCOMPARE(shown.mid(57, 4), (QStringList{"00:00:58", "00:00:59", "00:01:00", "00:01:01"}));
        QCOMPARE(recorder()->m_horizontalSlider->value(), 60);
    }

    // No keeps nothing to send; a save that fails does not offer an earlier recording.
    void unsavedRecordingOffersNothing_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("failSave");
        QTest::newRow("No to the save question") << "No" << false;
        QTest::newRow("save fails") << "Yes" << true;
    }

    void unsavedRecordingOffersNothing()
    {
        QFETCH(QString, answer);
        QFETCH(bool, failSave);
        m_answer = answer;
        m_recorder.failSave = failSave;
        openRecorder();
        record(3);
        QVERIFY(!recorder()->m_playButton->isEnabled());
        QVERIFY(!recorder()->m_sendButton->isEnabled());
        QVERIFY(recorder()->m_startButton->isEnabled());
        QCOMPARE(m_recorder.calls.last(), QString("close"));
        QVERIFY(!m_recorder.isOpen);
    }

    // Closing while recording asks; Yes releases the device so a new recording can start.
    void closeWhileRecording()
    {
        openRecorder();
        recorder()->m_startButton->click();
        m_answer = "No";
        recorder()->close();
        QVERIFY(recorder()->isVisible());
        QVERIFY(recorder()->m_recording);
        m_answer = "Yes";
        recorder()->close();
        QVERIFY(!recorder()->isVisible());
        QVERIFY(!m_recorder.isOpen);
        openRecorder();
        recorder()->m_startButton->click();
        QVERIFY(m_recorder.isOpen);
    }

    void playbackOfTheRecording()
    {
        openRecorder();
        record(5);
        recorder()->m_playButton->click();
        QCOMPARE(m_player.calls.last(), "play " + recorder()->tempFilePath());
        QCOMPARE(recorder()->m_playButton->text(), QString("Stop Play"));
        QStringList shown;
        while (recorder()->m_playing && shown.size() < 20) {
            recorder()->playSlideBar();
            shown << recorder()->m_timeLabel->text();
        }
        QCOMPARE(shown.size(), 7);
        QCOMPARE(shown.at(5), QString("00:00:06"));
        QCOMPARE(recorder()->m_playButton->text(), QString("Play"));
        QCOMPARE(m_player.calls.last(), QString("stop"));
    }

    void disconnectedSendAndClose()
    {
        openRecorder();
        record(2);
        recorder()->closeConnection();
        QVERIFY(!recorder()->m_sendButton->isEnabled());
        recorder()->connectedServer();
        QVERIFY(recorder()->m_sendButton->isEnabled());
        recorder()->closeConnection();
        m_answer = "No"; // must not be asked
        recorder()->close();
        QVERIFY(!recorder()->isVisible());
    }

    // ------------------------------------------------------------------
    // Inbox

    void inboxFilledByFileDetails()
    {
        const QString first = "anita`VS`ravi`VS`10;00;01MIN0SEC7.wav";
        deliver({fileDetails({first, "Ravi Kumar", "anita`VS`sam`VS`10;00;02MIN1SEC12.wav", "Sam",
                              "anita`VS`sam`VS`10;00;03MIN2SEC0.wav", "Sam", "x`VS`y`VS`z.wav", "Y",
                              "anita`VS`MINSEC`VS`10;00;04MIN0SEC9.wav", "Odd"})});
        QCOMPARE(tableRows().size(), 5);
        QCOMPARE(tableRows().at(0), "Ravi Kumar|ravi|New|00:00:07|" + first);
        QCOMPARE(tableRows().at(1).section('|', 3, 3), QString("00:01:12"));
        QCOMPARE(tableRows().at(2).section('|', 3, 3), QString("00:02:00"));
        QCOMPARE(tableRows().at(4).section('|', 1, 3), QString("MINSEC|New|00:00:09"));
        QCOMPARE(m_client->m_newVoiceMailCount, 5);
        QCOMPARE(m_client->m_voiceMailIndicationLabel->text(), QString("(5) Voice Mails"));
        QVERIFY(!m_client->m_voiceMailIndicationLabel->isHidden());

        deliver({fileDetails({first, "Ravi Kumar", "anita`VS`sam`VS`10;00;02MIN1SEC12.wav", "Sam"})});
        QCOMPARE(tableRows().size(), 2);
        QCOMPARE(tableRows().at(1).section('|', 0, 2), QString("Sam|sam|New"));
        QCOMPARE(m_client->m_voiceMailIndicationLabel->text(), QString("(2) Voice Mails"));

        // An empty first entry hides the label and keeps the rows.
        deliver({fileDetails({"", "Nobody"})});
        QCOMPARE(tableRows().size(), 2);
        QCOMPARE(m_client->m_newVoiceMailCount, 0);
        QVERIFY(m_client->m_voiceMailIndicationLabel->isHidden());
        QVERIFY(inbox()->m_voiceMailTableWidget->isColumnHidden(ZELVoiceMailInbox::SenderColumn));
        QVERIFY(inbox()->m_voiceMailTableWidget->isColumnHidden(ZELVoiceMailInbox::FileNameColumn));
    }

    void download_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("storedAs");
        QTest::newRow("plain") << "anita`VS`ravi`VS`10;00;01MIN0SEC7.wav" << "anita`VS`ravi`VS`10;00;01MIN0SEC7.wav";
        QTest::newRow("path in the name") << "../../anita`VS`ravi`VS`x/..MIN0SEC7.wav" << "..MIN0SEC7.wav";
    }

    // Open on a new row asks the server; its file frame is stored byte for byte
    // inside the voice-mail folder and opens on the play page.
    void download()
    {
        QFETCH(QString, fileName);
        QFETCH(QString, storedAs);
        deliver({fileDetails({fileName, "Ravi Kumar", "anita`VS`sam`VS`10;00;02MIN1SEC12.wav", "Sam"})});
        m_client->showVoiceMailInboxDialog();
        QVERIFY(inbox()->isVisible());
        QCOMPARE(inbox()->voiceMailStackedWidget->currentIndex(), int(ZELVoiceMailInbox::InboxPage));
        inbox()->selectedFileToOpen(0, 0);
        QCOMPARE(inbox()->voiceMailStackedWidget->currentIndex(), int(ZELVoiceMailInbox::DownloadPage));
        const ZELTestPeer::Request request = m_peer->waitForRequest("GETVOICEMAIL");
        QVERIFY(request.isValid());
        QCOMPARE(request.value("GETVOICEMAIL"), fileName);

        QByteArray bytes("RIFF\x00\x01\x02\xff<WRITE>\r\n", 16);
        for (int i = 0; i < 3000; ++i)
            bytes.append(char(i * 7));
        m_peer->sendFile(bytes);
        QTRY_COMPARE(inbox()->voiceMailStackedWidget->currentIndex(), int(ZELVoiceMailInbox::PlayPage));
        QFile stored(m_client->m_dataFolder + "/VoiceMails/" + storedAs);
        QVERIFY(stored.open(QIODevice::ReadOnly));
        QCOMPARE(stored.readAll(), bytes);
        QVERIFY(!m_client->m_voiceMailDownloading);
        QCOMPARE(tableRows().at(0).section('|', 2, 2), QString("Read"));
        QCOMPARE(tableRows().at(1).section('|', 2, 2), QString("New"));
        QCOMPARE(m_client->m_voiceMailIndicationLabel->text(), QString("(1) Voice Mails"));

        // Playing it: the clock passes the length by one and stops on the next tick.
        inbox()->m_playButton->click();
        QCOMPARE(m_player.calls.last(), "play " + m_client->m_dataFolder + "/VoiceMails/" + storedAs);
        QStringList shown;
        while (inbox()->m_playbackClock->isActive() && shown.size() < 20) {
            inbox()->playSlideBar();
            shown << inbox()->m_timeLabel->text();
        }
        QCOMPARE(shown.size(), 9);
        QCOMPARE(shown.at(7), QString("00:00:08"));

        // Back, then the read row opens locally without a request.
        inbox()->m_backButton->click();
        m_peer->clearRequests();
        inbox()->selectedFileToOpen(0, 0);
        QCOMPARE(inbox()->voiceMailStackedWidget->currentIndex(), int(ZELVoiceMailInbox::PlayPage));
        QStringList keepAlive{"KEEPALIVE", "fence"};
        m_client->convertXMLSendToServer(keepAlive);
        QVERIFY(m_peer->waitForRequest("KEEPALIVE").isValid());
        QVERIFY(!m_peer->requestTypes().contains("GETVOICEMAIL"));

        // Save copies it where the user chose.
        const QString target = QDir::homePath() + "/copy.wav";
        QFile::remove(target);
        m_choosers.saveFileAnswers << target;
        inbox()->m_saveButton->click();
        QFile copy(target);
        QVERIFY(copy.open(QIODevice::ReadOnly));
        QCOMPARE(copy.readAll(), bytes);
        QVERIFY(!inbox()->m_saveButton->isEnabled());
    }


    // Save puts the mail where the user chose; a file there, whose overwrite
    // the save dialog confirmed, is replaced. A copy that cannot be made is
    // reported, and Save stays on for another try.
    void saveReplacesOrReports_data()
    {
        QTest::addColumn<QString>("existing"); // what the chosen name holds before: "", "file" or "folder"
        QTest::addColumn<bool>("saved");
        QTest::newRow("new file") << "" << true;
        QTest::newRow("over an existing file") << "file" << true;
        QTest::newRow("a folder of that name") << "folder" << false;
    }
    void saveReplacesOrReports()
    {
        QFETCH(QString, existing);
        QFETCH(bool, saved);
        const QString name = "anita`VS`ravi`VS`10;00;01MIN0SEC7.wav";
        const QByteArray bytes("RIFF mail bytes");
        QVERIFY(QDir().mkpath(m_client->m_dataFolder + "/VoiceMails"));
        QFile mail(m_client->m_dataFolder + "/VoiceMails/" + name);
        QVERIFY(mail.open(QIODevice::WriteOnly));
        mail.write(bytes);
        mail.close();
        QTemporaryDir folder;
        const QString target = folder.filePath("copy.wav");
        if (existing == "file") {
            QFile older(target);
            QVERIFY(older.open(QIODevice::WriteOnly));
            older.write("an older recording, longer than the mail");
        } else if (existing == "folder") {
            QVERIFY(QDir().mkpath(target));
        }

        m_client->showVoiceMailInboxDialog();
        inbox()->m_playFileName = name;
        inbox()->m_saveButton->setEnabled(true);
        m_choosers.saveFileAnswers << target;
        inbox()->m_saveButton->click();

        const QLabel *text = inbox()->m_informationBox->findChild<QLabel *>(QStringLiteral("m_messageText"));
        const bool told = text && inbox()->m_informationBox->isVisible();
        // A copy not made says why.
        QCOMPARE(told, !saved);
        if (told)
            QVERIFY2(text->text().startsWith("Voice mail could not be saved: "), qPrintable(text->text()));
        QCOMPARE(inbox()->m_saveButton->isEnabled(), !saved);
        if (saved) {
            QFile copy(target);
            QVERIFY(copy.open(QIODevice::ReadOnly));
            QCOMPARE(copy.readAll(), bytes);
        } else {
            QVERIFY(QFileInfo(target).isDir());
        }
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), saved ? QStringList{"copy.wav"} : QStringList());
    }

    // Two mails under one name: the second is kept beside the first, which
    // stays as it was, and each row plays its own file. The same bytes again
    // make no third copy.
    void sameNameKeepsBoth()
    {
        const QString name = "anita`VS`ravi`VS`10;00;01MIN0SEC7.wav";
        const QString folder = m_client->m_dataFolder + "/VoiceMails/";
        QFile::remove(folder + name);
        QFile::remove(folder + "anita`VS`ravi`VS`10;00;01MIN0SEC7 (2).wav");
        deliver({fileDetails({name, "Ravi Kumar", name, "Ravi Kumar"})});
        m_client->showVoiceMailInboxDialog();

        const auto fetch = [&](int row, const QByteArray &bytes) {
            inbox()->m_backButton->click();
            m_peer->clearRequests();
            inbox()->selectedFileToOpen(row, 0);
            QVERIFY(m_peer->waitForRequest("GETVOICEMAIL").isValid());
            m_peer->sendFile(bytes);
            // Stored (off the window's thread), it opens on the play page.
            QTRY_COMPARE(inbox()->voiceMailStackedWidget->currentIndex(), int(ZELVoiceMailInbox::PlayPage));
            QVERIFY(!m_client->m_voiceMailDownloading);
        };
        fetch(0, "first mail");
        QCOMPARE(tableRows().at(0).section('|', 2, 2), QString("Read"));
        QCOMPARE(tableRows().at(1).section('|', 2, 2), QString("New"));
        fetch(1, "second mail");
        QCOMPARE(tableRows().at(1).section('|', 2, 2), QString("Read"));

        const auto contents = [](const QString &path) {
            QFile file(path);
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
        };
        const QString second = folder + "anita`VS`ravi`VS`10;00;01MIN0SEC7 (2).wav";
        QCOMPARE(contents(folder + name), QByteArray("first mail"));
        QCOMPARE(contents(second), QByteArray("second mail"));

        // Each read row plays its own file.
        for (const auto &[row, path] : {std::pair<int, QString>{0, folder + name}, {1, second}}) {
            inbox()->m_backButton->click();
            inbox()->selectedFileToOpen(row, 0);
            inbox()->m_playButton->click();
            QCOMPARE(m_player.calls.last(), "play " + path);
            inbox()->m_stopButton->click();
        }

        // Listed and fetched again with the same bytes: no third copy.
        deliver({fileDetails({name, "Ravi Kumar"})});
        fetch(0, "first mail");
        QVERIFY(!QFile::exists(folder + "anita`VS`ravi`VS`10;00;01MIN0SEC7 (3).wav"));
        QCOMPARE(contents(folder + name), QByteArray("first mail"));
    }

    // A name with bidi controls or other invisible characters shows without
    // them; the request keeps the name as sent.
    void namesShowWithoutFormatControls_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("shown");
        QTest::newRow("right-to-left override")
            << QString::fromUtf8("anita`VS`ravi`VS`10;00;01MIN0SEC7\u202Evaw.exe")
            << "anita`VS`ravi`VS`10;00;01MIN0SEC7vaw.exe";
        QTest::newRow("isolates and marks")
            << QString::fromUtf8("anita`VS`ra\u2067vi\u2069`VS`\u200F10;00;01MIN0SEC7.wav")
            << "anita`VS`ravi`VS`10;00;01MIN0SEC7.wav";
        QTest::newRow("zero width and byte order mark")
            << QString::fromUtf8("anita`VS`ravi`VS`10;00\u200B;01\uFEFFMIN0SEC7.wav")
            << "anita`VS`ravi`VS`10;00;01MIN0SEC7.wav";
    }

    void namesShowWithoutFormatControls()
    {
        QFETCH(QString, fileName);
        QFETCH(QString, shown);
        // Read as Latin-1 off the wire: other characters come as character references.
        QString xml;
        for (const QChar c : fileDetails({fileName, "Ravi Kumar"}))
            xml += c.unicode() > 0xff ? QString("&#x%1;").arg(c.unicode(), 0, 16) : QString(c);
        deliver({xml});
        QCOMPARE(tableRows().at(0).section('|', 4), shown);
        QVERIFY(!tableRows().at(0).section('|', 1, 1).contains(QChar(0x2067)));
        m_client->showVoiceMailInboxDialog();
        m_peer->clearRequests();
        inbox()->selectedFileToOpen(0, 0);
        const ZELTestPeer::Request request = m_peer->waitForRequest("GETVOICEMAIL");
        QVERIFY(request.isValid());
        QCOMPARE(request.value("GETVOICEMAIL"), fileName);
    }

    // Closed while waiting (Yes to the question): the bytes that come later are dropped.
    void closedWhileDownloading()
    {
        const QString fileName = "anita`VS`ravi`VS`10;00;09MIN0SEC7.wav";
        deliver({fileDetails({fileName, "Ravi Kumar"})});
        m_client->showVoiceMailInboxDialog();
        inbox()->selectedFileToOpen(0, 0);
        QVERIFY(m_peer->waitForRequest("GETVOICEMAIL").isValid());
        m_answer = "No";
        inbox()->close();
        QVERIFY(inbox()->isVisible());
        m_answer = "Yes";
        inbox()->close();
        QVERIFY(!inbox()->isVisible());
        m_peer->sendFile("late bytes");
        QTRY_VERIFY(!m_client->m_voiceMailDownloading);
        QVERIFY(!QFile::exists(m_client->m_dataFolder + "/VoiceMails/" + fileName));
        QCOMPARE(tableRows().at(0).section('|', 2, 2), QString("New"));
    }

    void disconnectedInboxIgnoresRows()
    {
        deliver({fileDetails({"anita`VS`ravi`VS`10;00;01MIN0SEC7.wav", "Ravi Kumar"})});
        m_client->showVoiceMailInboxDialog();
        inbox()->closeConnection();
        inbox()->selectedFileToOpen(0, 0);
        QCOMPARE(inbox()->voiceMailStackedWidget->currentIndex(), int(ZELVoiceMailInbox::InboxPage));
        QVERIFY(!inbox()->m_openFileButton->isEnabled());
    }
};

ZEL_TEST_MAIN(TestVoiceMail)
#include "tst_voicemail.moc"
