#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTextCursor>

#include "chat/zelchatwindow.h"
#include "chat/zeltranscript.h"
#include "platform/zelfakechoosers.h"
#include "platform/zelfakefilepermissions.h"
#include "platform/zelplatform.h"
#include "protocol/zelhistorypaths.h"
#include "style/zelmessageboxclass.h"
#include "zeltestmain.h"

// What a chat window does with its transcript: the find bar, saving on
// request as HTML or PDF, and the automatic save into the history tree.
class TestChatTranscript : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir *m_dir = nullptr;
    ZELFakeChoosers m_choosers;
    ZELFakeFilePermissions m_permissions;

    static const char *searchText()
    {
        // Positions: "hello" 13, "World" 19, "worldwide" 25, "Hello" 40.
        return "Ravi says ::\nhello World\nworldwide news\nHello again";
    }

    // A one-to-one window whose transcript holds one message from each side.
    static ZELChatWindow *conversation(const QString &body = QStringLiteral("hello"))
    {
        auto *w = new ZELChatWindow;
        w->m_peer = "ravi";
        w->m_ownLoginId = "anita";
        w->m_peerDisplayName = "Ravi Kumar";
        w->m_ownDisplayName = "Anita Rao";
        const QString time = ZELTranscript::timeStamp("TRUE");
        w->totalMessage->append(ZELTranscript::headingRow(ZELTranscript::Received, ZELTranscript::receivedColour(),
                                                          "Ravi Kumar", time));
        w->totalMessage->append(body);
        w->totalMessage->append(ZELTranscript::headingRow(ZELTranscript::OwnOneToOne, ZELTranscript::ownColour(),
                                                          "Anita Rao", time));
        w->totalMessage->append("Привет, नमस्ते, 你好");
        return w;
    }

    static QString boxText(ZELChatWindow *w) { return w->m_informationBox->m_messageText->text(); }
    static QString boxTitle(ZELChatWindow *w) { return w->m_informationBox->m_logoLabel->text(); }

    static QByteArray readAll(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private slots:
    void init()
    {
        m_dir = new QTemporaryDir;
        QVERIFY(m_dir->isValid());
        m_choosers.saveFileAnswers.clear();
        m_choosers.asked.clear();
        m_choosers.startFolders.clear();
        m_permissions.readOnly.clear();
        ZELPlatform::setChoosers(&m_choosers);
        ZELPlatform::setFilePermissions(&m_permissions);
    }

    void cleanup()
    {
        ZELPlatform::setChoosers(nullptr);
        ZELPlatform::setFilePermissions(nullptr);
        delete m_dir;
        m_dir = nullptr;
    }

    // ------------------------------------------------------------------
    // Find bar. steps: typed text first, then N (Next), P (Previous),
    // C (close); the state after the last step is checked.
    void searchBar_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<bool>("matchCase");
        QTest::addColumn<bool>("wholeWords");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<int>("selectedAt"); // start of the selection, -1 for none
        QTest::addColumn<int>("cursorAt");   // cursor position when nothing is selected
        QTest::addColumn<bool>("notFound");  // the field shows the nothing-found colour
        QTest::addColumn<QString>("marker"); // the wrap picture shown, "" for none

        QTest::newRow("typing finds the first") << "hello" << false << false << "" << 13 << -1 << false << "";
        QTest::newRow("next finds the second") << "hello" << false << false << "N" << 40 << -1 << false << "";
        QTest::newRow("match case skips other case") << "Hello" << true << false << "" << 40 << -1 << false << "";
        QTest::newRow("whole words skip longer words") << "world" << false << true << "N" << -1 << 1 << true
                                                       << ":images/arrow.gif";
        QTest::newRow("part of a word without whole words") << "world" << false << false << "N" << 25 << -1
                                                            << false << "";
        QTest::newRow("next past the end wraps") << "hello" << false << false << "NN" << -1 << 1 << true
                                                 << ":images/arrow.gif";
        QTest::newRow("next after the wrap starts over") << "hello" << false << false << "NNN" << 13 << -1 << false
                                                         << "";
        QTest::newRow("previous before the first wraps") << "hello" << false << false << "P" << -1
                                                         << int(strlen(searchText())) << true
                                                         << ":images/arrowbackward.gif";
        QTest::newRow("previous after the wrap finds the last") << "hello" << false << false << "PP" << 40 << -1
                                                                << false << "";
        QTest::newRow("nowhere shows no marker") << "absent" << false << false << "NP" << -1 << 1 << true << "";
        QTest::newRow("closing clears") << "absent" << false << false << "C" << -1 << 1 << false << "";
    }
    void searchBar()
    {
        QFETCH(QString, query);
        QFETCH(bool, matchCase);
        QFETCH(bool, wholeWords);
        QFETCH(QString, steps);
        QFETCH(int, selectedAt);
        QFETCH(int, cursorAt);
        QFETCH(bool, notFound);
        QFETCH(QString, marker);

        QScopedPointer<ZELChatWindow> w(new ZELChatWindow);
        w->show();
        w->totalMessage->setPlainText(QString::fromUtf8(searchText()));
        QTest::keyClick(w.data(), Qt::Key_F, Qt::ControlModifier);
        QVERIFY(!w->m_findFrame->isHidden());
        w->m_matchCaseCheckBox->setChecked(matchCase);
        w->m_wholeWordCheckBox->setChecked(wholeWords);
        QTest::keyClicks(w->m_findTextLineEdit, query);
        for (const QChar step : steps) {
            if (step == 'N')
                QTest::keyClick(w->m_findTextLineEdit, Qt::Key_Return); // Return is Next
            else if (step == 'P')
                w->m_previousFindButton->click();
            else
                w->m_findCloseButton->click();
        }

        const QTextCursor cursor = w->totalMessage->textCursor();
        if (selectedAt >= 0) {
            QVERIFY(cursor.hasSelection());
            QCOMPARE(cursor.selectionStart(), selectedAt);
            QCOMPARE(cursor.selectedText().compare(query, Qt::CaseInsensitive), 0);
        } else {
            QVERIFY(!cursor.hasSelection());
            QCOMPARE(cursor.position(), cursorAt);
        }
        QCOMPARE(w->m_findTextLineEdit->styleSheet().contains("lightsalmon"), notFound);
        QCOMPARE(!w->m_searchWrapped->isHidden(), !marker.isEmpty());
        QCOMPARE(!w->m_wrappedLabel->isHidden(), !marker.isEmpty());
        if (!marker.isEmpty())
            QCOMPARE(w->m_searchWrapped->pixmap().toImage(), QPixmap(marker).toImage());
        if (steps.endsWith('C')) {
            QVERIFY(w->m_findTextLineEdit->text().isEmpty());
            QVERIFY(w->m_findFrame->isHidden());
        }
    }

    // ------------------------------------------------------------------
    // Save / Ctrl+S. chosen: the dialog's answer, relative to the temporary
    // folder ("" cancels); written: the file that must then exist.
    void saveOnRequest_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("format"); // "html", "pdf" or "" for nothing written
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        const QString saved = "Chat History has been saved successfully";
        const QString notSaved = "Chat History has not been saved";
        QTest::newRow("no suffix gets .html") << "log" << "log.html" << "html" << "Chat History" << saved;
        QTest::newRow("other suffix stays") << "log.txt" << "log.txt" << "html" << "Chat History" << saved;
        QTest::newRow("pdf") << "log.pdf" << "log.pdf" << "pdf" << "Chat History" << saved;
        QTest::newRow("PDF in capitals is HTML") << "log.PDF" << "log.PDF" << "html" << "Chat History" << saved;
        QTest::newRow("cancelled") << "" << "" << "" << "Chat History" << notSaved;
        QTest::newRow("write-protected file") << "locked.html" << "" << "" << "Access Denied"
                                              << "Destination folder is write protected";
        QTest::newRow("HTML write fails") << "missing/log.html" << "" << "" << "Chat History" << notSaved;
        QTest::newRow("PDF write fails") << "missing/log.pdf" << "" << "" << "Chat History" << notSaved;
    }
    void saveOnRequest()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, written);
        QFETCH(QString, format);
        QFETCH(QString, title);
        QFETCH(QString, text);

        // A picture shown from a local path, and one from a relative path.
        const QString picture = m_dir->filePath("pic.png");
        QPixmap pixmap(8, 8);
        pixmap.fill(Qt::red);
        QVERIFY(pixmap.save(picture));
        QScopedPointer<ZELChatWindow> w(
            conversation("look <img src=\"" + picture + "\" /> <img src=\"Smileys/Smile.png\" />"));
        w->m_downloadFolder = m_dir->path();

        const QString locked = m_dir->filePath("locked.html");
        QFile old(locked);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("older");
        old.close();
        m_permissions.readOnly << locked;

        m_choosers.saveFileAnswers << (chosen.isEmpty() ? QString() : m_dir->filePath(chosen));
        QTest::keyClick(w.data(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(m_choosers.asked, QStringList{"Choose a directory to save file"});
        QCOMPARE(m_choosers.startFolders.value(0),
                 m_dir->path() + "/Ravi Kumar" + QDate::currentDate().toString(Qt::TextDate));
        QCOMPARE(boxTitle(w.data()), title);
        QCOMPARE(boxText(w.data()), text);
        QCOMPARE(readAll(locked), QByteArray("older"));

        QStringList expected{"locked.html", "pic.png"};
        if (!written.isEmpty())
            expected << written;
        expected.sort();
        QStringList files = QDir(m_dir->path()).entryList(QDir::Files);
        files.sort();
        QCOMPARE(files, expected);
        if (format.isEmpty())
            return;
        const QByteArray bytes = readAll(m_dir->filePath(written));
        if (format == "pdf") {
            QVERIFY(bytes.startsWith("%PDF"));
            return;
        }
        const QString html = QString::fromUtf8(bytes);
        QVERIFY(html.contains("charset=\"utf-8\""));
        QVERIFY2(html.contains("Привет, नमस्ते, 你好"), "non-Latin text survives");
        QVERIFY(html.contains("img src=\"file://" + picture + "\""));
        QVERIFY(html.contains("img src=\"Smileys/Smile.png\""));
    }

    void savingAnEmptyViewAsksNothing()
    {
        QScopedPointer<ZELChatWindow> w(new ZELChatWindow);
        w->m_peer = "ravi";
        w->totalMessage->append("<b>File sending status ::: a.txt sent</b>");
        m_choosers.saveFileAnswers << m_dir->filePath("log.html");
        w->m_savePushButton->click();
        QVERIFY(m_choosers.asked.isEmpty());
        QCOMPARE(boxText(w.data()), QString("Chat history should not be empty"));
        QVERIFY(QDir(m_dir->path()).entryList(QDir::Files).isEmpty());
    }

    // ------------------------------------------------------------------
    // Closing a window with automatic saving on writes the history tree
    // that the history window reads.
    void automaticSavePaths_data()
    {
        QTest::addColumn<QString>("ownName");
        QTest::addColumn<QString>("peerName"); // "" for a conference window
        QTest::addColumn<QString>("session");
        QTest::addColumn<bool>("conversation");
        QTest::addColumn<QString>("autoSave");
        QTest::addColumn<QString>("file"); // relative to the root, "" for none
        QTest::addColumn<QString>("folder"); // a folder that must exist, "" for none
        const QString day = ZELHistoryPaths::dayFolderName(QDate::currentDate());
        QTest::newRow("one-to-one") << "Anita Rao" << "Ravi Kumar" << "" << true << "TRUE"
                                    << "Anita Rao/" + day + "/Ravi Kumar.html" << "";
        QTest::newRow("conference") << "Anita Rao" << "" << "Budget 10~15~00" << true << "TRUE"
                                    << "Anita Rao/" + day + "/Conference-Budget 10~15~00.html" << "";
        QTest::newRow("slashes stay in one folder") << "a/b" << "..\\c/d" << "" << true << "TRUE"
                                                    << "a_b/" + day + "/.._c_d.html" << "";
        QTest::newRow("conference name with slashes") << "Anita Rao" << "" << "../../up" << true << "TRUE"
                                                      << "Anita Rao/" + day + "/Conference-.._.._up.html" << "";
        QTest::newRow("no message: folders only") << "Anita Rao" << "Ravi Kumar" << "" << false << "TRUE" << ""
                                                  << "Anita Rao/" + day;
        QTest::newRow("automatic saving off") << "Anita Rao" << "Ravi Kumar" << "" << true << "FALSE" << "" << "";
    }
    void automaticSavePaths()
    {
        QFETCH(QString, ownName);
        QFETCH(QString, peerName);
        QFETCH(QString, session);
        QFETCH(bool, conversation);
        QFETCH(QString, autoSave);
        QFETCH(QString, file);
        QFETCH(QString, folder);

        const QString root = m_dir->filePath("history");
        QPointer<ZELChatWindow> w = conversation ? TestChatTranscript::conversation() : new ZELChatWindow;
        if (!conversation)
            w->totalMessage->append("<b>a notice</b>");
        w->m_peer = peerName.isEmpty() ? QString() : QStringLiteral("ravi");
        w->m_peerDisplayName = peerName;
        w->m_ownDisplayName = ownName;
        w->m_conferenceSessionName = session;
        w->m_historyFolder = root;
        w->m_autoSave = autoSave;
        w->m_closeSilently = true;
        const QString html = w->totalMessage->toHtml();
        QVERIFY(w->close());
        QTRY_VERIFY(w.isNull());

        QStringList files;
        QDirIterator it(m_dir->path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext())
            files << QDir(root).relativeFilePath(it.next());
        QCOMPARE(files, file.isEmpty() ? QStringList() : QStringList{file});
        if (!file.isEmpty())
            QCOMPARE(QString::fromUtf8(readAll(root + "/" + file)), html);
        if (!folder.isEmpty())
            QVERIFY(QFileInfo(root + "/" + folder).isDir());
        if (autoSave != "TRUE")
            QVERIFY(!QFileInfo::exists(root));
    }

    void automaticSaveReplacesTheDaysFile()
    {
        const QString root = m_dir->filePath("history");
        for (const QString &body : {QStringLiteral("first window"), QStringLiteral("second window")}) {
            QPointer<ZELChatWindow> w = conversation(body);
            w->m_historyFolder = root;
            w->m_autoSave = "TRUE";
            w->m_closeSilently = true;
            QVERIFY(w->close());
            QTRY_VERIFY(w.isNull());
        }
        const QString path = ZELHistoryPaths::userFolder(root, "Anita Rao") + "/"
                             + ZELHistoryPaths::dayFolderName(QDate::currentDate()) + "/"
                             + ZELHistoryPaths::contactFileName("Ravi Kumar");
        const QString saved = QString::fromUtf8(readAll(path));
        QVERIFY(saved.contains("second window"));
        QVERIFY(!saved.contains("first window"));
    }
};

ZEL_TEST_MAIN(TestChatTranscript)
#include "tst_chattranscript.moc"
