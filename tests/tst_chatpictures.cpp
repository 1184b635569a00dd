#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QRegularExpression>
#include <QLabel>
#include <QPointer>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTextDocument>

#include "chat/zelchatwindow.h"
#include "chat/zelpasswordchatdialog.h"
#include "chat/zelpasswordprotect.h"
#include "core/zelclient.h"
#include "media/zeldesktopcapturehelper.h"
#include "media/zelscreencaptureeditor.h"
#include "peer/zeltestpeer.h"
#include "platform/zelfakechoosers.h"
#include "platform/zelfakescreengrabber.h"
#include "platform/zelplatform.h"
#include "protocol/zelpicturefield.h"
#include "protocol/zelsettingslists.h"
#include "protocol/zeltcpsocket.h"
#include "style/zelmessageboxclass.h"
#include "zeltestmain.h"

// Pictures in one-to-one chats end to end: a real client signed in as "anita"
// captures and inserts pictures, and the protocol test peer speaking for
// "ravi" receives them and sends its own.
class TestChatPictures : public QObject
{
    Q_OBJECT

private:
    ZELTestPeer *m_peer = nullptr;
    ZELClient *m_client = nullptr;
    QTemporaryDir *m_dir = nullptr;
    ZELFakeScreenGrabber m_grabber;
    ZELFakeChoosers m_choosers;

    QString dataFolder() const { return m_dir->filePath("data"); }
    QString pictureFolder() const { return dataFolder() + "/ScreenCapture"; }

    ZELChatWindow *window()
    {
        if (!m_client->m_chatWindows.contains("ravi"))
            m_client->createChatWindow("ravi");
        return m_client->m_chatWindows.value("ravi");
    }

    static QString boxText(ZELChatWindow *w)
    {
        const QLabel *label = w->m_informationBox->findChild<QLabel *>(QStringLiteral("m_messageText"));
        return label && w->m_informationBox->isVisible() ? label->text() : QString();
    }

    static void overlayMouse(QWidget *overlay, QEvent::Type type, QPoint p, Qt::MouseButtons held)
    {
        QMouseEvent event(type, QPointF(p), QPointF(overlay->mapToGlobal(p)),
                          type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, held, Qt::NoModifier);
        QApplication::sendEvent(overlay, &event);
    }

    // Drags a rectangle on the capture overlay; returns the editor it opens.
    static ZELScreenCaptureEditor *dragOnOverlay(ZELDesktopCaptureHelper *helper, QRect area)
    {
        overlayMouse(helper, QEvent::MouseButtonPress, area.topLeft(), Qt::LeftButton);
        overlayMouse(helper, QEvent::MouseMove, area.bottomRight() + QPoint(1, 1), Qt::LeftButton);
        overlayMouse(helper, QEvent::MouseButtonRelease, area.bottomRight() + QPoint(1, 1), Qt::NoButton);
        return helper->m_screenCaptureEditor;
    }

    QString receivedChat(const QString &html, const QString &picture)
    {
        return ZELTestPeer::message("CHAT", {{"CHATUSERNAME", "anita"}, {"LOGINNAME", "ravi"}, {"MESSAGE", html},
                                             {"SENDSMILEY", ""}, {"SENDPICTURE", picture}, {"BANNERSTATE", ""},
                                             {"PLAINTEXT", "look"}, {"DISPLAYNAME", "Ravi Kumar"},
                                             {"PASSWORD", "FALSE"}});
    }

    // Files anywhere under the temporary folder, relative to it.
    QStringList allFiles() const
    {
        QStringList files;
        const QDir root(m_dir->path());
        QDirIterator it(m_dir->path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext())
            files << root.relativeFilePath(it.next());
        files.sort();
        return files;
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
        m_client->m_dataFolder = dataFolder();
        QVERIFY(QDir().mkpath(dataFolder()));
        m_client->m_chatWindowSettings = ZELChatWindowList::defaults();
        m_client->m_chatHistorySettings = ZELChatHistoryList::defaults();
        m_client->m_notificationSettings = ZELNotificationList::defaults();
        m_client->m_users.insert("ravi", UserRecord{"Engineer", "Ravi Kumar", "Sales", "Online", "At my desk",
                                                    "Ravi&&Field&&Sales", "ravi", "", "GMT+05:30"});
        m_grabber.colour = QColor(30, 140, 60);
        m_grabber.grabbedAreas.clear();
        ZELPlatform::setScreenGrabber(&m_grabber);
        m_choosers.openFileAnswers.clear();
        ZELPlatform::setChoosers(&m_choosers);
    }

    void cleanup()
    {
        ZELPlatform::setScreenGrabber(nullptr);
        ZELPlatform::setChoosers(nullptr);
        QList<QPointer<ZELScreenCaptureEditor>> editors;
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (auto *editor = qobject_cast<ZELScreenCaptureEditor *>(w))
                editors << editor;
        }
        for (const QPointer<ZELScreenCaptureEditor> &editor : editors)
            delete editor.data();
        const QList<ZELChatWindow *> windows = m_client->m_chatWindows.values();
        for (ZELChatWindow *window : windows)
            delete window;
        delete m_client;
        m_client = nullptr;
        delete m_peer;
        m_peer = nullptr;
        delete m_dir;
        m_dir = nullptr;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // ------------------------------------------------------------------
    void captureTravelsAsPictureField()
    {
        ZELChatWindow *w = window();
        QVERIFY(w);
        w->show();
        w->m_deskTopCaptureButton->setEnabled(true);
        w->m_deskTopCaptureButton->click();

        // The window stands aside and the main widget knows a capture runs.
        QPointer<ZELDesktopCaptureHelper> helper = w->m_captureHelper.data();
        QVERIFY(helper);
        QVERIFY(helper->isVisible());
        QVERIFY(w->isMinimized());
        QVERIFY(m_client->m_screenCaptureActive);
        QVERIFY(w->m_ignoreClose);

        ZELScreenCaptureEditor *editor = dragOnOverlay(helper, QRect(10, 20, 64, 48));
        QVERIFY(editor);
        QCOMPARE(m_grabber.grabbedAreas.value(0), QRect(10, 20, 64, 48));
        editor->m_screenCaptureTextEdit->setPlainText("see the figures");
        editor->m_pasteScreenCaptureButton->click();

        // Back in the input as an inline image, with the editor's text after it.
        QVERIFY(!w->isMinimized());
        QVERIFY(!m_client->m_screenCaptureActive);
        QVERIFY(!w->m_ignoreClose);
        QTRY_VERIFY(helper.isNull());
        const QString name = w->m_imageData;
        QVERIFY2(name.startsWith("ravianita") && name.endsWith(".jpg"), qPrintable(name));
        const QString stored = pictureFolder() + "/" + name;
        QCOMPARE(w->m_captureImagePath, stored);
        QVERIFY(w->serverMessage->toHtml().contains(stored));
        QVERIFY(w->serverMessage->toPlainText().contains("see the figures"));
        QFile file(stored);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray jpeg = file.readAll();
        QCOMPARE(QImage::fromData(jpeg).size(), QSize(64, 48));

        w->sendButton->click();
        const ZELTestPeer::Request chat = m_peer->waitForRequest("CHAT");
        QVERIFY(chat.isValid());
        const QString field = chat.value("SENDPICTURE");
        QVERIFY(field.startsWith(name + "&#SCREEN#&"));
        QCOMPARE(qUncompress(QByteArray::fromBase64(field.section("&#SCREEN#&", 1, 1).toLatin1())), jpeg);
        // The path travels relative; the own echo keeps the local copy.
        const QString html = chat.value("MESSAGE");
        QVERIFY(html.contains("ScreenCapture/" + name));
        QVERIFY(!html.contains(pictureFolder()));
        QVERIFY(w->totalMessage->toHtml().contains(stored));
        QVERIFY(w->m_imageData.isEmpty() && w->m_captureImagePath.isEmpty());

        // The same picture coming back is shown from the same stored file.
        m_peer->sendText(receivedChat(html, field));
        QVERIFY(m_peer->waitForRequest("MESSAGEDELIVERED").isValid());
        QCOMPARE(w->totalMessage->toHtml().count(stored), 2);
        QCOMPARE(QDir(pictureFolder()).entryList(QDir::Files), QStringList{name});

        // The next message carries no picture.
        w->serverMessage->setPlainText("and nothing else");
        w->sendButton->click();
        const ZELTestPeer::Request second = m_peer->waitForRequest("CHAT");
        QVERIFY(second.isValid());
        QCOMPARE(second.value("SENDPICTURE"), QString());
    }

    void failedCapturesInsertNothing_data()
    {
        QTest::addColumn<bool>("oversized");
        QTest::newRow("cancelled on the overlay") << false;
        QTest::newRow("inserted file over 1 MB") << true;
    }
    void failedCapturesInsertNothing()
    {
        QFETCH(bool, oversized);
        ZELChatWindow *w = window();
        w->showMaximized();
        w->m_maximizedFlag = true;
        w->m_imageData = "older.jpg"; // a pending picture the failure must drop
        w->serverMessage->setPlainText("draft");
        const QString before = w->serverMessage->toHtml();

        if (oversized) {
            // Noise barely compresses: its JPEG passes 1 MB.
            QImage noise(1400, 1400, QImage::Format_RGB32);
            for (int y = 0; y < noise.height(); ++y) {
                auto *line = reinterpret_cast<quint32 *>(noise.scanLine(y));
                for (int x = 0; x < noise.width(); ++x)
                    line[x] = QRandomGenerator::global()->generate() | 0xff000000u;
            }
            const QString file = m_dir->filePath("noise.png");
            QVERIFY(noise.save(file));
            m_choosers.openFileAnswers << file;
            w->m_insertImageToolButton->setEnabled(true);
            w->m_insertImageToolButton->click();
            QCOMPARE(m_choosers.asked.value(0), QString("Choose a image to insert"));
            QVERIFY(w->m_captureHelper);
            ZELScreenCaptureEditor *editor = w->m_captureHelper->m_screenCaptureEditor;
            QVERIFY(editor);
            editor->m_pasteScreenCaptureButton->click();
            QCOMPARE(boxText(w), QString("Screen Capture file size should be less than 1 MB"));
        } else {
            w->desktopCapture();
            QVERIFY(w->m_captureHelper);
            QTest::keyClick(w->m_captureHelper, Qt::Key_Escape);
            QCOMPARE(boxText(w), QString());
        }

        QVERIFY(w->m_imageData.isEmpty());
        QCOMPARE(w->serverMessage->toHtml(), before);
        QVERIFY(w->isMaximized());
        QVERIFY(!m_client->m_screenCaptureActive);
        QVERIFY(!w->m_ignoreClose);
        QTRY_VERIFY(!w->m_captureHelper);
    }

    // A picture file taken directly, around the editor.
    void pictureFileTakenDirectly_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("taken");
        QTest::addColumn<bool>("inserted");
        QTest::newRow("png, yes") << "p.png" << int(QMessageBox::Yes) << true << true;
        QTest::newRow("png, no") << "p.png" << int(QMessageBox::No) << true << false;
        QTest::newRow("capital suffix") << "p.BMP" << int(QMessageBox::Yes) << false << false;
        QTest::newRow("jpeg suffix") << "p.jpeg" << int(QMessageBox::Yes) << false << false;
    }
    void pictureFileTakenDirectly()
    {
        QFETCH(QString, file);
        QFETCH(int, answer);
        QFETCH(bool, taken);
        QFETCH(bool, inserted);
        QImage image(20, 10, QImage::Format_RGB32);
        image.fill(Qt::blue);
        const QString path = m_dir->filePath(file);
        QVERIFY(image.save(path, "PNG"));
        ZELChatWindow *w = window();
        QStringList asked;
        ZELMessageBoxClass::setTestAnswerHook([&](const QString &title, const QString &text) {
            asked << title + ": " + text;
            return answer;
        });
        w->checkPictureFile(path);
        ZELMessageBoxClass::setTestAnswerHook({});
        QCOMPARE(w->m_pictureDropped, taken);
        QCOMPARE(asked, taken ? QStringList{"Insert Image: Do you want to send this image file?"} : QStringList());
        QCOMPARE(!w->m_imageData.isEmpty(), inserted);
        if (!inserted)
            return;
        // peer + own login + ISO date + time without colons + the folder's count
        QVERIFY2(QRegularExpression("^ravianita\\d{4}-\\d{2}-\\d{2}\\d{6}\\d+\\.jpg$").match(w->m_imageData).hasMatch(),
                 qPrintable(w->m_imageData));
        QCOMPARE(QImageReader(w->m_captureImagePath).format(), QByteArray("jpeg"));
        QVERIFY(w->serverMessage->toHtml().contains(w->m_captureImagePath));
    }

    // A window that goes while its capture is open takes the capture along.
    void windowGoneDuringCapture()
    {
        ZELChatWindow *w = window();
        w->desktopCapture();
        QPointer<ZELDesktopCaptureHelper> helper = w->m_captureHelper.data();
        QPointer<ZELScreenCaptureEditor> editor = dragOnOverlay(helper, QRect(5, 5, 20, 20));
        QVERIFY(editor);
        m_client->m_chatWindows.remove("ravi");
        delete w;
        QVERIFY(helper.isNull());
        QVERIFY(editor.isNull());
        m_client->screenCaptureClosedSignal();
    }

    void insertCancelledInTheDialogOpensNothing()
    {
        ZELChatWindow *w = window();
        w->show();
        w->insertImageClicked();
        QVERIFY(!w->m_captureHelper);
        QVERIFY(!w->isMinimized());
        QVERIFY(!m_client->m_screenCaptureActive);
    }

    void receivedPictureIsStoredAndShown()
    {
        QImage image(40, 30, QImage::Format_RGB32);
        image.fill(Qt::red);
        QByteArray png;
        {
            QBuffer buffer(&png);
            buffer.open(QIODevice::WriteOnly);
            QVERIFY(image.save(&buffer, "PNG"));
        }
        const QString field = "ravipic.png&#SCREEN#&" + QString::fromLatin1(qCompress(png, 9).toBase64());
        m_peer->sendText(receivedChat("<p>look<img src=\"ScreenCapture/ravipic.png\" /></p>", field));
        QVERIFY(m_peer->waitForRequest("MESSAGEDELIVERED").isValid());

        const QString stored = pictureFolder() + "/ravipic.png";
        QFile file(stored);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), png);
        ZELChatWindow *w = m_client->m_chatWindows.value("ravi");
        QVERIFY(w);
        const QString shown = w->totalMessage->toHtml();
        QVERIFY(shown.contains("src=\"" + stored + "\""));
        // The transcript really loads the picture from there.
        const QVariant loaded = w->totalMessage->loadResource(QTextDocument::ImageResource, QUrl(stored));
        QCOMPARE(qvariant_cast<QImage>(loaded).size().isValid() || !qvariant_cast<QByteArray>(loaded).isEmpty(),
                 true);
    }

    // A protected message shows its picture from the stored copy once unlocked,
    // and a prompt given up reports the message as it came.
    void protectedPictureShowsStoredCopy()
    {
        const QByteArray bytes("picture bytes");
        const QString field = "locked.png&#SCREEN#&" + QString::fromLatin1(qCompress(bytes, 9).toBase64());
        const QString html = "<img src=\"ScreenCapture/locked.png\" />";
        for (const bool unlock : {true, false}) {
            m_peer->sendText(ZELTestPeer::message(
                "CHAT", {{"CHATUSERNAME", "anita"}, {"LOGINNAME", "ravi"}, {"MESSAGE", html}, {"SENDSMILEY", ""},
                         {"SENDPICTURE", field}, {"BANNERSTATE", ""}, {"PLAINTEXT", "x"},
                         {"DISPLAYNAME", "Ravi Kumar"}, {"PASSWORD", "TRUE"}}));
            QPointer<ZELPasswordProtect> prompt;
            QVERIFY(ZELTestPeer::waitUntil(
                [&] {
                    ZELChatWindow *w = m_client->m_chatWindows.value("ravi");
                    const auto prompts = w ? w->findChildren<ZELPasswordProtect *>("ZELPwdProtectDialog")
                                           : QList<ZELPasswordProtect *>();
                    prompt = prompts.isEmpty() ? nullptr : prompts.last();
                    return !prompt.isNull();
                },
                5000));
            ZELChatWindow *w = m_client->m_chatWindows.value("ravi");
            if (unlock) {
                prompt->m_passwordLineEdit->setText("secret");
                QTest::keyClick(prompt->m_passwordLineEdit, Qt::Key_Enter);
                QTRY_VERIFY(prompt.isNull());
                const auto viewers = w->findChildren<ZELPasswordChatDialog *>();
                QCOMPARE(viewers.size(), 1);
                QVERIFY(viewers.first()->m_passwordTextBrowser->toHtml().contains(pictureFolder() + "/locked.png"));
            } else {
                ZELMessageBoxClass::setTestAnswerHook([](const QString &, const QString &) {
                    return int(QMessageBox::Yes);
                });
                prompt->m_cancelButton->click();
                ZELMessageBoxClass::setTestAnswerHook({});
                QTRY_VERIFY(prompt.isNull());
                const ZELTestPeer::Request status = m_peer->waitForRequest("PWDMESSAGEDELIVEREDSTATUS");
                QVERIFY(status.isValid());
                QCOMPARE(status.value("OFFLINEUSER"), html);
            }
        }
    }

    // A name from the peer names a file inside the picture folder and nothing
    // else; an older picture of the same name is never replaced.
    void receivedPictureNameIsTamed_data()
    {
        QTest::addColumn<QString>("wireName");
        QTest::addColumn<QString>("storedName");
        QTest::newRow("climbs with slashes") << "../../evil.jpg" << "evil.jpg";
        QTest::newRow("climbs with backslashes") << "..\\..\\evil.jpg" << "evil.jpg";
        QTest::newRow("absolute") << "/etc/evil.jpg" << "evil.jpg";
        QTest::newRow("taken name") << "taken.jpg" << "taken (2).jpg";
        QTest::newRow("only dots") << ".." << "";
    }
    void receivedPictureNameIsTamed()
    {
        QFETCH(QString, wireName);
        QFETCH(QString, storedName);
        QVERIFY(QDir().mkpath(pictureFolder()));
        QFile older(pictureFolder() + "/taken.jpg");
        QVERIFY(older.open(QIODevice::WriteOnly));
        older.write("older picture");
        older.close();

        const QByteArray bytes("fresh picture");
        const QString field = wireName + "&#SCREEN#&" + QString::fromLatin1(qCompress(bytes, 9).toBase64());
        m_peer->sendText(receivedChat("<img src=\"ScreenCapture/" + wireName + "\" />", field));
        QVERIFY(m_peer->waitForRequest("MESSAGEDELIVERED").isValid());

        QStringList expected{"data/ScreenCapture/taken.jpg"};
        if (!storedName.isEmpty())
            expected << "data/ScreenCapture/" + storedName;
        expected.sort();
        QCOMPARE(allFiles(), expected);
        QFile kept(pictureFolder() + "/taken.jpg");
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), QByteArray("older picture"));
        if (!storedName.isEmpty()) {
            QFile fresh(pictureFolder() + "/" + storedName);
            QVERIFY(fresh.open(QIODevice::ReadOnly));
            QCOMPARE(fresh.readAll(), bytes);
            ZELChatWindow *w = m_client->m_chatWindows.value("ravi");
            QVERIFY(w->totalMessage->toHtml().contains(pictureFolder() + "/" + storedName));
        }
    }

    // What a peer's pictures may cost: a name too long for the file system is
    // shortened before its suffix, nothing larger than a sender may send is
    // taken, data that is no picture writes nothing, an equal picture is
    // stored once, and pictures stop being stored at the run's space bound.
    // Every message keeps its text; a picture not stored leaves no image.
    void receivedPictureIsBounded_data()
    {
        QTest::addColumn<QString>("wireName");
        QTest::addColumn<QStringList>("data"); // the field's data part, one message each
        QTest::addColumn<qint64>("spaceBound");
        QTest::addColumn<bool>("folderIsFile");
        QTest::addColumn<QStringList>("storedNames");
        QTest::addColumn<QString>("notice"); // shown with the last message

        const auto data = [](const QByteArray &bytes) { return QString::fromLatin1(qCompress(bytes, 9).toBase64()); };
        const QString picture = data("picture bytes");
        const qint64 bound = ZELPictureField::MaxReceivedSpace;
        const QString largeText = "Picture not stored: 1 MB or larger";
        const QString fullText = "Picture not stored: the space for received pictures is used up until the next start";

        QTest::newRow("over-long name keeps its suffix")
            << QString(4096, 'n') + ".png" << QStringList{picture} << bound << false
            << QStringList{QString(244, 'n') + ".png"} << "";
        QTest::newRow("over-long name in two-byte letters")
            << QString(300, QChar(0xe9)) + ".jpg" << QStringList{picture} << bound << false
            << QStringList{QString(122, QChar(0xe9)) + ".jpg"} << "";
        QTest::newRow("over-long suffix is cut with the name")
            << "a." + QString(300, 'x') << QStringList{picture} << bound << false
            << QStringList{"a." + QString(246, 'x')} << "";
        QTest::newRow("equal picture twice stored once")
            << "twice.jpg" << QStringList{picture, picture} << bound << false << QStringList{"twice.jpg"} << "";
        QTest::newRow("just under 1 MB")
            << "big.jpg" << QStringList{data(QByteArray(1048575, 'b'))} << bound << false << QStringList{"big.jpg"}
            << "";
        QTest::newRow("1 MB refused") << "big.jpg" << QStringList{data(QByteArray(1048576, 'b'))} << bound << false
                                      << QStringList() << largeText;
        QTest::newRow("undecodable data") << "bad.jpg" << QStringList{"bm90IHppcA=="} << bound << false
                                          << QStringList() << "";
        QTest::newRow("no data") << "bad.jpg" << QStringList{""} << bound << false << QStringList() << "";
        // Two blocks for the first; the same again costs nothing; the third finds no room.
        QTest::newRow("space bound reached")
            << "shot.jpg" << QStringList{data(QByteArray(5000, 'a')), data(QByteArray(5000, 'a')), data("more")}
            << qint64(8192) << false << QStringList{"shot.jpg"} << fullText;
        QTest::newRow("folder refuses the file") << "shot.jpg" << QStringList{picture} << bound << true
                                                 << QStringList() << "Picture could not be stored";
    }
    void receivedPictureIsBounded()
    {
        QFETCH(QString, wireName);
        QFETCH(QStringList, data);
        QFETCH(qint64, spaceBound);
        QFETCH(bool, folderIsFile);
        QFETCH(QStringList, storedNames);
        QFETCH(QString, notice);
        if (folderIsFile) {
            QFile blocker(pictureFolder());
            QVERIFY(blocker.open(QIODevice::WriteOnly));
        }
        m_client->m_receivedPictures.spaceBound = spaceBound;
        for (const QString &part : std::as_const(data)) {
            m_peer->sendText(receivedChat("<p>look <img src=\"ScreenCapture/" + wireName + "\" /> here</p>",
                                          wireName + "&#SCREEN#&" + part));
            QVERIFY(m_peer->waitForRequest("MESSAGEDELIVERED").isValid());
        }

        QStringList stored = folderIsFile ? QStringList() : QDir(pictureFolder()).entryList(QDir::Files);
        stored.sort();
        QCOMPARE(stored, storedNames);
        for (const QString &name : std::as_const(stored))
            QVERIFY(QFile::encodeName(name).size() <= 255);
        const QString shown = m_client->m_chatWindows.value("ravi")->totalMessage->toHtml();
        QCOMPARE(shown.count("here"), data.size());
        QVERIFY2(!shown.contains("src=\"ScreenCapture/"), "an image points at a picture not stored");
        if (!storedNames.isEmpty())
            QVERIFY(shown.contains("src=\"" + pictureFolder() + "/" + storedNames.last() + "\""));
        if (notice.isEmpty())
            QVERIFY(!shown.contains("Picture"));
        else
            QVERIFY2(shown.contains(notice), qPrintable(shown.right(400)));
    }

    void pictureFieldDecoding_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray abc("abc");
        const QString data = QString::fromLatin1(qCompress(abc, 9).toBase64());
        QTest::newRow("plain") << "a.jpg&#SCREEN#&" + data << "a.jpg" << abc;
        QTest::newRow("second marker ends the data") << "a.jpg&#SCREEN#&" + data + "&#SCREEN#&junk" << "a.jpg" << abc;
        QTest::newRow("no marker") << "a.jpg" << "a.jpg" << QByteArray();
        QTest::newRow("not compressed") << "a.jpg&#SCREEN#&bm90IHppcA==" << "a.jpg" << QByteArray();
        // A small field claiming, or inflating to, far more than any picture.
        QByteArray huge = qCompress(QByteArray(40 * 1024 * 1024, 'x'), 9);
        QTest::newRow("inflates too far") << "b.jpg&#SCREEN#&" + QString::fromLatin1(huge.toBase64()) << "b.jpg"
                                          << QByteArray();
        huge[0] = char(0x7f);
        QTest::newRow("claims too much") << "c.jpg&#SCREEN#&" + QString::fromLatin1(huge.toBase64()) << "c.jpg"
                                         << QByteArray();
    }
    void pictureFieldDecoding()
    {
        QFETCH(QString, field);
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QString decodedName;
        QByteArray decoded;
        ZELPictureField::decode(field, &decodedName, &decoded);
        QCOMPARE(decodedName, name);
        QCOMPARE(decoded, bytes);
    }
};

ZEL_TEST_MAIN(TestChatPictures)
#include "tst_chatpictures.moc"
