#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QListWidget>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QScrollBar>
#include <QTextBrowser>

#include <utime.h>

#include "core/zelclient.h"
#include "protocol/zelsettingslists.h"
#include "protocol/zeltcpsocket.h"
#include "messages/zelchathistorylistwindow.h"
#include "platform/zelfakechoosers.h"
#include "platform/zelplatform.h"
#include "protocol/zelhistorypaths.h"
#include "style/zelframelesshelper.h"
#include "style/zelmessageboxclass.h"
#include "style/zelstyle.h"
#include "peer/zeltestpeer.h"
#include "zeltestmain.h"

namespace {

void writeFile(const QString &path, const QByteArray &content = "<html></html>")
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

void setModified(const QString &path, const QDateTime &when)
{
    const time_t t = time_t(when.toSecsSinceEpoch());
    utimbuf times{t, t};
    QCOMPARE(utime(QFile::encodeName(path).constData(), &times), 0);
}

// A day folder of the local history, modified the given number of days ago.
void makeDay(const QString &root, const QString &day, int daysAgo, const QStringList &files)
{
    const QString folder = root + '/' + day;
    QVERIFY(QDir().mkpath(folder));
    for (const QString &file : files)
        writeFile(folder + '/' + file);
    setModified(folder, QDateTime::currentDateTime().addDays(-daysAgo));
}

QStringList column(const QTableWidget *table, int col)
{
    QStringList out;
    for (int row = 0; row < table->rowCount(); ++row)
        out << (table->item(row, col) ? table->item(row, col)->text() : QString());
    return out;
}

void sendMouse(QWidget *target, QEvent::Type type, const QPoint &pos)
{
    const QPoint global = target->mapToGlobal(pos);
    const Qt::MouseButtons buttons = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(pos), QPointF(global), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                      buttons, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

QImage brushImage(const QWidget *widget, QPalette::ColorRole role)
{
    return widget->palette().brush(role).texture().toImage().convertToFormat(QImage::Format_ARGB32);
}

QImage imageOf(const QString &path)
{
    return loadCachedPixmap(path).toImage().convertToFormat(QImage::Format_ARGB32);
}

QStringList texts(const QListWidget *list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

} // namespace

// Chat history: the main widget's requests and local listing and pruning,
// the server's answers written into the window, through the test peer.
class TestHistory : public QObject
{
    Q_OBJECT

private:
    ZELTestPeer *m_peer = nullptr;
    ZELClient *m_client = nullptr;
    QTemporaryDir *m_save = nullptr;

    ZELChatHistoryListWindow *window() const { return m_client->m_chatHistoryWindow.get(); }
    QString root() const { return m_save->path() + "/Anita Rao"; }

    // The list answers hold their values inside one wrapper element.
    void answer(const QString &type, const QStringList &values)
    {
        static const QMap<QString, QString> wrappers = {{"CHATHISTORYLIST", "SAMPLE"},
                                                        {"CHATHISTORYDATE", "NAMES"},
                                                        {"CONFERENCEDATES", "DATE"},
                                                        {"CONFERENCENAMESTOBESENT", "CONFERENCEFILE"},
                                                        {"RECENTCHATUSERLIST", "USERSLIST"}};
        QList<ZELTestPeer::Node> children;
        for (int i = 0; i < values.size(); ++i)
            children << ZELTestPeer::Node(QString("V%1").arg(i), values.at(i));
        m_peer->sendText(ZELTestPeer::messageTree(type, {ZELTestPeer::Node(wrappers.value(type), children)}));
    }

private slots:
    void init()
    {
        m_save = new QTemporaryDir;
        m_peer = new ZELTestPeer;
        QVERIFY(m_peer->listen());
        m_client = new ZELClient;
        m_client->m_tcpSocket->connectToHost(m_peer->host(), m_peer->port());
        QVERIFY(m_peer->waitForConnection());
        QTRY_COMPARE(m_client->m_tcpSocket->state(), QAbstractSocket::ConnectedState);
        m_client->m_signedIn = true;
        m_client->m_loginId = "anita";
        m_client->m_ownDisplayName = "Anita Rao";
        m_client->m_chatHistorySettings = ZELChatHistoryList::defaults();
        m_client->m_chatHistorySettings[ZELChatHistoryList::SaveLocation] = m_save->path();
    }

    void cleanup()
    {
        m_client->removeHistoryWaitCursor();
        delete m_client;
        m_client = nullptr;
        delete m_peer;
        m_peer = nullptr;
        delete m_save;
        m_save = nullptr;
    }

    // ------------------------------------------------------------------
    void serverMode()
    {
        m_client->showChatHistoryList();
        QVERIFY(window()->isVisible());
        QVERIFY(window()->m_serverMode);
        QVERIFY(m_client->m_waitCursorShown);
        const ZELTestPeer::Request list = m_peer->waitForRequest("CHATHISTORYLIST");
        QVERIFY(list.isValid());
        QCOMPARE(list.value("LOGINUSER"), QString("sampleuser"));

        answer("CHATHISTORYLIST", {"ravi", "Ravi Kumar", "", "Nobody", "mona", "Mona Lal", "dangling"});
        answer("CONFERENCEDATES", {"2026-12-01", "2026-12-02", "2026-12-01", ""});
        QTRY_COMPARE(texts(window()->m_conferenceChatDateList), QStringList({"2026-12-01", "2026-12-02"}));
        QCOMPARE(texts(window()->m_contactNamesList), QStringList({"Ravi Kumar", "Mona Lal"}));
        QCOMPARE(window()->m_contactNamesList->item(1)->toolTip(), QString("mona"));
        QVERIFY(!m_client->m_waitCursorShown);

        // Two requests before any answer push one wait cursor.
        QString contact = "ravi", date = "2026-12-01";
        m_client->requestDateFromServer(contact);
        m_client->sendChatDateToServer(date, contact);
        QVERIFY(m_client->m_waitCursorShown);
        QCOMPARE(QGuiApplication::overrideCursor() != nullptr, true);
        QVERIFY(m_peer->waitForRequest("CHATHISTORYDATE").isValid());
        const ZELTestPeer::Request transcript = m_peer->waitForRequest("CHATHISTORYDATETOSERVER");
        QCOMPARE(transcript.tags(), QStringList({"CHATDATEFOLDER", "LOGINNAME", "CONTACTNAME"}));
        QCOMPARE(transcript.value("LOGINNAME"), QString("anita"));

        answer("CHATHISTORYDATE", {"2026-12-01", "10:00", "10:30", "2026-12-02", "11:00"});
        QTRY_COMPARE(window()->m_chatDateList->rowCount(), 1);
        QCOMPARE(window()->m_chatDateList->horizontalHeaderItem(0)->text(), QString("Chat Date"));
        QCOMPARE(window()->m_chatDateList->item(0, 2)->text(), QString("10:30"));
        QVERIFY(!m_client->m_waitCursorShown);
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);

        answer("CONFERENCENAMESTOBESENT", {"Meeting01~0930", "09:30", "10:00"});
        QTRY_COMPARE(window()->m_chatDateList->horizontalHeaderItem(0)->text(), QString("Chat Session Name"));
        QCOMPARE(window()->m_chatDateList->item(0, 0)->text(), QString("Meeting"));
        QCOMPARE(window()->m_sessionNames, QStringList({"Meeting01~0930"}));

        m_client->m_dataFolder = "/data";
        m_peer->sendText(ZELTestPeer::message(
            "CHATHISTORYFROMSERVER",
            {{"T", "<p>hi <img src=\"pics/a.png\"> <img src=\"Smileys/s.png\"></p>"}}));
        QTRY_VERIFY(window()->m_historyDisplay->toHtml().contains("/data/pics/a.png"));
        QVERIFY(window()->m_historyDisplay->toHtml().contains("\"Smileys/s.png\""));
        QVERIFY(window()->m_saveChatButton->isEnabled());
    }

    void noSessionsAndEmptyHistory()
    {
        m_client->showChatHistoryList();
        answer("CHATHISTORYLIST", {});
        answer("CONFERENCEDATES", {});
        QTRY_VERIFY(window()->m_historyDisplay->toPlainText().contains("Chat History Empty"));
        QVERIFY(!window()->m_saveChatButton->isEnabled());
    }

    void selectionAsksTheServer()
    {
        m_client->showChatHistoryList();
        answer("CHATHISTORYLIST", {"ravi", "Ravi Kumar"});
        QTRY_COMPARE(window()->m_contactNamesList->count(), 1);
        window()->activateWindow();
        window()->m_contactNamesList->setFocus();
        QTRY_VERIFY(window()->m_contactNamesList->hasFocus());

        window()->closeConnection();
        window()->m_contactNamesList->setCurrentRow(0);
        QVERIFY(window()->m_selectedContact.isEmpty());
        window()->connectedServer();
        window()->m_contactNamesList->clearSelection();
        window()->m_contactNamesList->setFocus();
        window()->m_contactNamesList->setCurrentRow(0);
        QCOMPARE(window()->m_selectedContact, QString("ravi"));
        const ZELTestPeer::Request dates = m_peer->waitForRequest("CHATHISTORYDATE");
        QVERIFY(dates.isValid());
        QCOMPARE(dates.value("CONTACTUSERNAME"), QString("ravi"));
        QCOMPARE(dates.value("LOGINNAME"), QString("anita"));
    }

    void localListing()
    {
        m_client->m_chatHistorySettings[ZELChatHistoryList::FromServer] = "FALSE";
        makeDay(root(), "2026-12-01", 3, {"ravi.html", "Conference-Plan01~1.html"});
        makeDay(root(), "2026-12-03", 1, {"mona.html", "ravi.html"});
        m_client->showChatHistoryList();
        QVERIFY(!window()->m_serverMode);
        QCOMPARE(window()->m_localHistoryRoot, root());
        QCOMPARE(window()->m_conferenceChatDateList->count(), 1);
        QCOMPARE(window()->m_conferenceChatDateList->item(0)->text(), QString("2026-12-01"));
        QStringList contacts = texts(window()->m_contactNamesList);
        QCOMPARE(contacts.size(), 2);
        contacts.sort();
        QCOMPARE(contacts, QStringList({"mona", "ravi"}));
        QVERIFY(!m_client->m_waitCursorShown);
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
        QVERIFY(m_peer->requestTypes().isEmpty() || !m_peer->requestTypes().contains("CHATHISTORYLIST"));
    }

    // Choosing a list item or a table row the way a click does: the view
    // has the focus when its selection changes.
    void pick(QListWidget *list, int row)
    {
        list->setFocus();
        QTRY_VERIFY(list->hasFocus());
        list->setCurrentRow(row);
    }

    void pick(QTableWidget *table, int row)
    {
        table->setFocus();
        QTRY_VERIFY(table->hasFocus());
        table->setCurrentCell(row, 0);
    }

    QString notice() const
    {
        return window()->m_informationBox->isVisible() ? window()->m_informationBox->m_messageText->text()
                                                       : QString();
    }

    void historyPaths_data()
    {
        QTest::addColumn<QString>("function");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("expected");
        QTest::newRow("user folder") << "userFolder" << "Anita Rao" << "/h/Anita Rao";
        QTest::newRow("user folder with slash") << "userFolder" << "a/b" << "/h/a_b";
        QTest::newRow("user folder climbing") << "userFolder" << ".." << "/h/_";
        QTest::newRow("contact") << "contactFileName" << "ravi" << "ravi.html";
        QTest::newRow("contact with slashes") << "contactFileName" << "x/..\\y" << "x_.._y.html";
        QTest::newRow("contact dot dot") << "contactFileName" << "../../etc" << ".._.._etc.html";
        QTest::newRow("conference") << "conferenceFileName" << "R-and-D 09~00~00"
                                    << "Conference-R-and-D 09~00~00.html";
        QTest::newRow("conference with slash") << "conferenceFileName" << "a/b" << "Conference-a_b.html";
        QTest::newRow("session with time") << "conferenceSessionName" << "Conference-Weekly review 14~05~33.html"
                                           << "Weekly review";
        QTest::newRow("hyphenated session") << "conferenceSessionName" << "Conference-R-and-D 09~00~00.html"
                                            << "R-and-D";
        QTest::newRow("session without time") << "conferenceSessionName" << "Conference-Plan.html" << "Plan";
        QTest::newRow("day name") << "dayFolderName" << "2026-03-07" << "2026-03-07";
        QTest::newRow("a day") << "isDayFolderName" << "2026-12-09" << "true";
        QTest::newRow("no such day") << "isDayFolderName" << "2026-02-30" << "false";
        QTest::newRow("other folder") << "isDayFolderName" << "Pictures" << "false";
        QTest::newRow("short form") << "isDayFolderName" << "2026-1-9" << "false";
        QTest::newRow("trailing text") << "isDayFolderName" << "2026-12-09x" << "false";
    }

    void historyPaths()
    {
        QFETCH(QString, function);
        QFETCH(QString, input);
        QFETCH(QString, expected);
        using namespace ZELHistoryPaths;
        const QMap<QString, std::function<QString(const QString &)>> functions = {
            {"userFolder", [](const QString &s) { return userFolder("/h", s); }},
            {"contactFileName", [](const QString &s) { return contactFileName(s); }},
            {"conferenceFileName", [](const QString &s) { return conferenceFileName(s); }},
            {"conferenceSessionName", [](const QString &s) { return conferenceSessionName(s); }},
            {"dayFolderName", [](const QString &s) { return dayFolderName(QDate::fromString(s, Qt::ISODate)); }},
            {"isDayFolderName", [](const QString &s) { return QString(isDayFolderName(s) ? "true" : "false"); }},
        };
        QVERIFY(functions.contains(function));
        QCOMPARE(functions.value(function)(input), expected);
    }

    // Days newest first with their times, a contact's own transcripts only,
    // conference sessions by name, a transcript read as UTF-8.
    void localMode()
    {
        m_client->m_chatHistorySettings[ZELChatHistoryList::FromServer] = "FALSE";
        const QByteArray ann = QString("<html><head><meta charset=\"utf-8\" /></head>"
                                       "<body><p>Grüße from ann</p></body></html>").toUtf8();
        makeDay(root(), "2026-12-01", 3, {"joanne.html", "Conference-R-and-D 09~00~00.html",
                                          "Conference-Weekly review 14~05~33.html"});
        writeFile(root() + "/2026-12-01/ann.html", ann);
        const QDateTime end(QDate(2026, 12, 1), QTime(15, 7, 9));
        setModified(root() + "/2026-12-01/ann.html", end);
        makeDay(root(), "2026-12-01", 3, {});
        makeDay(root(), "2026-12-03", 1, {"ann.html"});
        makeDay(root(), "2026-12-02", 2, {"joanne.html"});
        makeDay(root(), "Pictures", 0, {"ann.html", "Conference-x 01~00~00.html"});
        m_client->showChatHistoryList();

        QCOMPARE(texts(window()->m_contactNamesList), QStringList({"ann", "joanne"}));
        QCOMPARE(texts(window()->m_conferenceChatDateList), QStringList({"2026-12-01"}));
        QVERIFY(!m_client->m_waitCursorShown);

        window()->activateWindow();
        pick(window()->m_contactNamesList, 0);
        QTableWidget *table = window()->m_chatDateList;
        QCOMPARE(window()->m_selectedContactName, QString("ann"));
        QCOMPARE(table->horizontalHeaderItem(0)->text(), QString("Chat Date"));
        QCOMPARE(column(table, 0), QStringList({"2026-12-03", "2026-12-01"}));
        QCOMPARE(table->item(1, 2)->text(), QString("03:07:09 pm"));
        // All three columns in view, none cut off behind a scroll bar.
        QVERIFY(table->horizontalHeader()->length() <= table->viewport()->width());
        QCOMPARE(table->columnWidth(0), 140);
        QVERIFY(QRegularExpression("^\\d\\d:\\d\\d:\\d\\d [ap]m$").match(table->item(0, 1)->text()).hasMatch());
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);

        pick(table, 1);
        QVERIFY(window()->m_historyDisplay->toPlainText().contains(QString("Grüße from ann")));
        QVERIFY(window()->m_saveChatButton->isEnabled());
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
        // The save dialog suggests contact and day.
        ZELFakeChoosers choosers;
        ZELPlatform::setChoosers(&choosers);
        window()->m_saveFolder = "/s";
        window()->saveChatSession();
        ZELPlatform::setChoosers(nullptr);
        QCOMPARE(choosers.startFolders, QStringList("/s/ann2026-12-01"));
        QCOMPARE(notice(), QString("Chat History has not been saved"));

        pick(window()->m_conferenceChatDateList, 0);
        QVERIFY(window()->m_contactNamesList->selectedItems().isEmpty());
        QCOMPARE(table->horizontalHeaderItem(0)->text(), QString("Chat Session Name"));
        QCOMPARE(column(table, 0), QStringList({"R-and-D", "Weekly review"}));
        QCOMPARE(table->item(0, 0)->toolTip(), QString("Conference-R-and-D 09~00~00.html"));
        writeFile(root() + "/2026-12-01/Conference-R-and-D 09~00~00.html", "<p>budget talk</p>");
        pick(table, 0);
        QVERIFY(window()->m_historyDisplay->toPlainText().contains("budget talk"));

        // An older transcript stored byte per character still reads.
        writeFile(root() + "/2026-12-02/joanne.html", "<p>Gr\xfc\xdf" "e</p>");
        pick(window()->m_contactNamesList, 1);
        QCOMPARE(column(table, 0), QStringList({"2026-12-02", "2026-12-01"}));
        pick(table, 0);
        QVERIFY(window()->m_historyDisplay->toPlainText().contains(QString("Grüße")));
        pick(window()->m_conferenceChatDateList, 0);

        // A transcript gone since the listing leaves the loading page, which cannot be saved.
        QVERIFY(QFile::remove(root() + "/2026-12-01/Conference-Weekly review 14~05~33.html"));
        pick(table, 1);
        QVERIFY(window()->m_historyDisplay->toPlainText().contains("Loading....."));
        QVERIFY(!window()->m_saveChatButton->isEnabled());
    }

    void exportTranscript_data()
    {
        QTest::addColumn<QString>("view");   // "transcript", "empty" or "loading"
        QTest::addColumn<QString>("chosen"); // "" cancels the dialog
        QTest::addColumn<bool>("writable");
        QTest::addColumn<QString>("written"); // file expected afterwards, "" none
        QTest::addColumn<QString>("kind");    // "html" or "pdf"
        QTest::addColumn<QString>("expected");
        const QString saved = "Chat History has been saved successfully";
        QTest::newRow("no suffix") << "transcript" << "notes" << true << "notes.html" << "html" << saved;
        QTest::newRow("pdf") << "transcript" << "notes.pdf" << true << "notes.pdf" << "pdf" << saved;
        QTest::newRow("pdf in capitals") << "transcript" << "notes.PDF" << true << "notes.PDF" << "pdf" << saved;
        QTest::newRow("other suffix") << "transcript" << "notes.txt" << true << "notes.txt" << "html" << saved;
        QTest::newRow("existing file replaced") << "transcript" << "old.html" << true << "old.html" << "html" << saved;
        QTest::newRow("cancel") << "transcript" << "" << true << "" << "" << "Chat History has not been saved";
        QTest::newRow("write protected") << "transcript" << "notes.html" << false << "" << ""
                                         << "Destination folder is write protected";
        QTest::newRow("cannot be written") << "transcript" << "missing/notes.html" << true << "" << ""
                                           << "Chat History has not been saved";
        QTest::newRow("pdf cannot be written") << "transcript" << "missing/notes.pdf" << true << "" << ""
                                               << "Chat History has not been saved";
        QTest::newRow("empty view") << "empty" << "notes.html" << true << "" << ""
                                    << "Chat history should not be empty";
        QTest::newRow("loading page") << "loading" << "notes.html" << true << "" << ""
                                      << "Chat history should not be empty";
    }

    void exportTranscript()
    {
        QFETCH(QString, view);
        QFETCH(QString, chosen);
        QFETCH(bool, writable);
        QFETCH(QString, written);
        QFETCH(QString, kind);
        QFETCH(QString, expected);
        QTemporaryDir target;
        writeFile(target.filePath("old.html"), QByteArray(5000, 'x'));
        ZELFakeChoosers choosers;
        ZELPlatform::setChoosers(&choosers);
        if (!chosen.isEmpty())
            choosers.saveFileAnswers << target.filePath(chosen);
        ZELChatHistoryListWindow *w = window();
        w->m_saveFolder = target.path();
        w->m_imageFolder = "/work/folder";
        w->m_folderWritable = [writable](const QString &) { return writable; };
        w->show();
        if (view == "transcript")
            w->showTranscript("<p>Grüße <img src=\"Smileys/Hot.png\"> <img src=\"/data/ScreenCapture/a.jpg\">"
                              " <img src=\":images/lock.gif\"></p>");
        else if (view == "loading")
            w->showNotice(ZELChatHistoryListWindow::loadingPage());
        QCOMPARE(w->m_saveChatButton->isEnabled(), view == "transcript");
        w->saveChatSession();
        ZELPlatform::setChoosers(nullptr);

        QCOMPARE(notice(), expected);
        QCOMPARE(choosers.asked.size(), view == "transcript" ? 1 : 0);
        if (view == "transcript") // nothing selected: no name is suggested
            QCOMPARE(choosers.startFolders, QStringList(target.path() + "/"));
        QStringList files = QDir(target.path()).entryList(QDir::Files);
        files.removeOne("old.html");
        if (written.isEmpty()) {
            QVERIFY(files.isEmpty());
            QCOMPARE(QFileInfo(target.filePath("old.html")).size(), 5000);
            return;
        }
        QFile file(target.filePath(written));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        if (kind == "pdf") {
            QVERIFY(bytes.startsWith("%PDF"));
            return;
        }
        const QString html = QString::fromUtf8(bytes);
        QVERIFY(html.contains(QString("Grüße")));
        QVERIFY(html.contains("src=\"file:///work/folder/Smileys/Hot.png\""));
        QVERIFY(html.contains("src=\"/data/ScreenCapture/a.jpg\""));
        QVERIFY(html.contains("src=\":images/lock.gif\""));
    }

    // The window's frame: title drag, corner resize down to the form's
    // minimum, maximise and restore, and the maximised re-show.
    void frame()
    {
        ZELChatHistoryListWindow *w = window();
        QCOMPARE(brushImage(w->m_leftTopCorner, QPalette::Window), imageOf(":images/corner1.jpg"));
        QCOMPARE(brushImage(w->m_closeButton, QPalette::Button), imageOf(":images/index_r2_c11.jpg"));
        QCOMPARE(brushImage(w->m_maximizeButton, QPalette::Button), imageOf(":images/maxbut.jpg"));
        QCOMPARE(w->m_rightBottomCorner->cursor().shape(), Qt::SizeFDiagCursor);
        QCOMPARE(w->m_logoLabel->text(), QString("Chat History"));
        QCOMPARE(w->windowTitle(), QString("ChatHistory Listing"));
        QVERIFY(w->windowFlags() & Qt::FramelessWindowHint);
        w->move(20, 30);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QCOMPARE(w->size(), QSize(615, 567));
        // Every text of the form fits its widget in the fonts this machine has.
        for (QLabel *label : w->findChildren<QLabel *>())
            if (label->window() == w)
                QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->contentsRect().width(),
                         qPrintable(label->objectName()));
        for (QPushButton *button : {w->m_saveChatButton, w->m_chatListclose})
            QVERIFY(button->fontMetrics().horizontalAdvance(button->text()) + 8 <= button->width());
        QCOMPARE(w->m_chatDateList->size(), QSize(380, 205));

        const QPoint start = w->pos();
        sendMouse(w, QEvent::MouseButtonPress, QPoint(200, 10));
        sendMouse(w, QEvent::MouseMove, QPoint(230, 30));
        sendMouse(w, QEvent::MouseButtonRelease, QPoint(230, 30));
        QTRY_COMPARE(w->pos(), start + QPoint(30, 20));

        sendMouse(w, QEvent::MouseButtonPress, QPoint(610, 562));
        sendMouse(w, QEvent::MouseMove, QPoint(700, 620));
        QCOMPARE(w->size(), QSize(700, 620));
        QCOMPARE(w->mask(), QRegion(0, 0, 700, 620));
        QCOMPARE(w->m_chatDateList->size(), QSize(380, 205));
        sendMouse(w, QEvent::MouseMove, QPoint(100, 100));
        QCOMPARE(w->size(), QSize(615, 567));
        sendMouse(w, QEvent::MouseButtonRelease, QPoint(100, 100));
        const QRect normal = w->geometry();

        w->m_maximizeButton->click();
        QVERIFY(w->isMaximized());
        QVERIFY(w->m_maximized);
        QCOMPARE(w->m_maximizeButton->toolTip(), QString("Restore Down"));
        QCOMPARE(brushImage(w->m_maximizeButton, QPalette::Button), imageOf(":images/restore.png"));
        QCOMPARE(w->m_rightBottomCorner->cursor().shape(), Qt::ArrowCursor);

        // Closed while maximised: the button forgets, the flag does not, and
        // the next opening maximises with the maximised look.
        w->close();
        QCOMPARE(brushImage(w->m_maximizeButton, QPalette::Button), imageOf(":images/maxbut.jpg"));
        QVERIFY(w->m_maximized);
        m_client->showChatHistoryList();
        QVERIFY(w->isVisible());
        QVERIFY(w->isMaximized());
        QCOMPARE(brushImage(w->m_maximizeButton, QPalette::Button), imageOf(":images/restore.png"));

        // Minimised and restored, it comes back maximised at the screen's corner.
        w->showMinimized();
        w->setWindowState(w->windowState() & ~Qt::WindowMinimized);
        // What the window system still has to report is handled first; the
        // window then puts itself back by a timer of 1 ms, and one due later
        // fires only after it.
        QGuiApplication::sync();
        bool placed = false;
        QTimer::singleShot(10, w, [&placed] { placed = true; });
        QTRY_VERIFY(placed);
        QVERIFY(w->isMaximized());
        QCOMPARE(w->pos(), QPoint(0, 0));

        sendMouse(w, QEvent::MouseButtonDblClick, QPoint(200, 10));
        QVERIFY(!w->isMaximized());
        QVERIFY(!w->m_maximized);
        QTRY_COMPARE(w->geometry(), normal);
        QCOMPARE(w->m_maximizeButton->toolTip(), QString("Maximize"));
        QCOMPARE(brushImage(w->m_maximizeButton, QPalette::Button), imageOf(":images/maxbut.png"));
        QCOMPARE(w->m_rightBottomCorner->cursor().shape(), Qt::SizeFDiagCursor);
    }

    // The "Recent Chats with..." row is found as itself, not as row 0.
    void recentChatsRow()
    {
        QTreeWidget *tree = m_client->m_contactView;
        tree->clear();
        auto *online = new QTreeWidgetItem(tree, QStringList("Online"));
        m_client->m_recentChatsItem = new QTreeWidgetItem(tree, QStringList("Recent Chats with..."));
        m_client->m_recentChatsItem->setHidden(true);
        m_client->m_contactDisplaySettings = ZELContactDisplayList::defaults();
        m_client->m_contactDisplaySettings[ZELContactDisplayList::ShowRecentChats] = "TRUE";
        answer("RECENTCHATUSERLIST", {"ravi", "mona"});
        QTRY_VERIFY(!m_client->m_recentChatsItem->isHidden());
        QVERIFY(!online->isHidden());
        answer("RECENTCHATUSERLIST", {});
        QTRY_VERIFY(m_client->m_recentChatsItem->isHidden());
        QVERIFY(!online->isHidden());
    }

    void pruning_data()
    {
        QTest::addColumn<QString>("keep");
        QTest::addColumn<QStringList>("left");
        const QStringList all = {"2026-12-01", "2026-12-02", "2026-12-03", "Pictures"};
        QTest::newRow("keep two") << "2" << QStringList({"2026-12-02", "2026-12-03", "Pictures"});
        QTest::newRow("keep more than there are") << "30" << all;
        QTest::newRow("keep none") << "0" << QStringList({"Pictures"});
        QTest::newRow("not a number") << "many" << all;
        QTest::newRow("empty") << "" << all;
        QTest::newRow("negative") << "-1" << all;
    }

    void pruning()
    {
        QFETCH(QString, keep);
        QFETCH(QStringList, left);
        makeDay(root(), "2026-12-01", 3, {"old.html"});
        makeDay(root(), "2026-12-03", 1, {"a.html"});
        makeDay(root(), "2026-12-02", 2, {"b.html", "Conference-x.html"});
        // Not the client's: neither counted nor removed, however old.
        makeDay(root(), "Pictures", 40, {"holiday.html"});
        writeFile(m_save->path() + "/outside.html");
        m_client->m_chatHistorySettings[ZELChatHistoryList::DeleteDays] = keep;
        m_client->checkChatHistoryFolder();
        QStringList found = QDir(root()).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
        QCOMPARE(found, left);
        QVERIFY(QFile::exists(root() + "/Pictures/holiday.html"));
        QVERIFY(QFile::exists(m_save->path() + "/outside.html"));
    }

    void prunedFolderKeepsWhatIsNotItsOwn()
    {
        makeDay(root(), "2026-12-02", 1, {"a.html"});
        makeDay(root(), "2026-12-01", 2, {"b.html"});
        QVERIFY(QDir().mkpath(root() + "/2026-12-01/inner"));
        writeFile(root() + "/2026-12-01/inner/keep.html");
        makeDay(root(), "2026-12-01", 2, {});
        m_client->m_chatHistorySettings[ZELChatHistoryList::DeleteDays] = "1";
        m_client->checkChatHistoryFolder();
        QVERIFY(!QFile::exists(root() + "/2026-12-01/b.html"));
        QVERIFY(QFile::exists(root() + "/2026-12-01/inner/keep.html"));
        QVERIFY(QFile::exists(root() + "/2026-12-02/a.html"));
    }
};

ZEL_TEST_MAIN(TestHistory)
#include "tst_history.moc"
