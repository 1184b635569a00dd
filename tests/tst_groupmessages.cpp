#include <QComboBox>
#include <QFontComboBox>
#include <QMenu>
#include <QPointer>
#include <QScopeGuard>
#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextLayout>
#include <QToolButton>
#include <QSignalSpy>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QTreeWidget>

#include "core/zelclient.h"
#include "protocol/zeltcpsocket.h"
#include "messages/zelgroupmessagedialog.h"
#include "messages/zelgroupmessagedisplay.h"
#include "peer/zeltestpeer.h"
#include "platform/zelfakedesktopservices.h"
#include "platform/zelplatform.h"
#include "style/zelmessageboxclass.h"
#include "style/zeltextbounds.h"
#include "zellinkclicks.h"
#include "zeltestmain.h"

namespace {

const QStringList Records = {"Acme##Sales##Ravi Kumar##ravi", "Acme##Field##Mona Lal##mona",
                             "Beta##Sales##Ravi Again##ravi"};

QTreeWidgetItem *row(QTreeWidgetItem *parent, const QString &text, const QString &tip = QString())
{
    auto *item = new QTreeWidgetItem(parent);
    item->setText(0, text);
    item->setToolTip(0, tip);
    return item;
}

// Every anchor of the document: link text -> target.
QList<QPair<QString, QString>> anchors(const QTextDocument *document)
{
    QList<QPair<QString, QString>> found;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.charFormat().isAnchor())
                continue;
            const QString href = fragment.charFormat().anchorHref();
            // One link may be held in several fragments.
            if (!found.isEmpty() && found.last().second == href && it != block.begin())
                found.last().first += fragment.text();
            else
                found << qMakePair(fragment.text(), href);
        }
    }
    return found;
}

} // namespace

// Group messages: the composer on its own, the received-message window, and
// both through a real client talking to the protocol test peer.
class TestGroupMessages : public QObject
{
    Q_OBJECT

private:
    QWidget *m_owner = nullptr;

    ZELGroupMessageDialog *composer(bool offline, bool userView, const QStringList &records)
    {
        auto *dialog = new ZELGroupMessageDialog(m_owner);
        (offline ? dialog->m_offlineRadioButto : dialog->m_onlineRadioButto)->setChecked(true);
        (userView ? dialog->m_userRadioButton : dialog->m_deptRadioButton)->setChecked(true);
        dialog->showGroupMessageDialog(offline ? QStringList() : records, offline ? records : QStringList());
        return dialog;
    }

    static QList<QTreeWidgetItem *> contactRows(QTreeWidgetItem *item)
    {
        QList<QTreeWidgetItem *> rows;
        for (int i = 0; i < item->childCount(); ++i) {
            if (item->child(i)->childCount() == 0)
                rows << item->child(i);
            else
                rows << contactRows(item->child(i));
        }
        return rows;
    }

private slots:
    void init()
    {
        m_owner = new QWidget;
    }

    void cleanup()
    {
        ZELMessageBoxClass::setTestAnswerHook({});
        delete m_owner;
        m_owner = nullptr;
    }

    // ------------------------------------------------------------------
    void treeViews()
    {
        ZELGroupMessageDialog *users = composer(true, true, Records);
        QCOMPARE(users->rootItem->text(0), QString("Offline Users"));
        QCOMPARE(users->rootItem->childCount(), 3);
        QCOMPARE(users->rootItem->child(2)->text(0), QString("Ravi Again"));
        QCOMPARE(users->rootItem->child(2)->toolTip(0), QString("ravi"));

        ZELGroupMessageDialog *departments = composer(false, false, Records);
        QCOMPARE(departments->rootItem->text(0), QString("Online Users"));
        QCOMPARE(departments->rootItem->childCount(), 2); // Acme, Beta in order of first record
        QTreeWidgetItem *acme = departments->rootItem->child(0);
        QCOMPARE(acme->text(0), QString("Acme"));
        QCOMPARE(acme->childCount(), 2);
        QCOMPARE(acme->child(1)->child(0)->text(0), QString("Mona Lal"));
        QVERIFY(acme->isExpanded());
        QVERIFY(!acme->child(0)->isExpanded());

        ZELGroupMessageDialog *empty = composer(true, true, {});
        QCOMPARE(empty->rootItem->text(0), QString("Offline Users Empty"));
        QCOMPARE(empty->rootItem->childCount(), 0);
        QVERIFY(!empty->m_selectAllCheckBox->isEnabled());
        QVERIFY(!empty->m_listGroupBox->isEnabled());
        empty->m_groupMessageTextEdit->setPlainText("Hello");
        QVERIFY(!empty->m_sendMessageButton->isEnabled());
    }

    void ticksCountRowsAndNameUsersOnce()
    {
        ZELGroupMessageDialog *dialog = composer(true, true, Records);
        dialog->m_groupMessageTextEdit->setPlainText("Hello");
        QTreeWidgetItem *ravi = dialog->rootItem->child(0);
        QTreeWidgetItem *raviAgain = dialog->rootItem->child(2);
        ravi->setCheckState(0, Qt::Checked);
        raviAgain->setCheckState(0, Qt::Checked);
        QCOMPARE(dialog->checkedCount, 2);
        QCOMPARE(dialog->recipients, QStringList({"ravi"}));
        QVERIFY(dialog->m_sendMessageButton->isEnabled());
        raviAgain->setCheckState(0, Qt::Unchecked);
        QCOMPARE(dialog->checkedCount, 1);
        QCOMPARE(dialog->recipients, QStringList());

        // The connection's loss holds the button down until it returns.
        dialog->closeConnection();
        dialog->m_groupMessageTextEdit->setPlainText("Hello again");
        QVERIFY(!dialog->m_sendMessageButton->isEnabled());
        dialog->connectedServer();
        QVERIFY(dialog->m_sendMessageButton->isEnabled());

        // Another view loses the choice.
        dialog->m_onlineRadioButto->click();
        QCOMPARE(dialog->checkedCount, 0);
        QVERIFY(dialog->recipients.isEmpty());
        QVERIFY(!dialog->m_sendMessageButton->isEnabled());
        QCOMPARE(dialog->rootItem->text(0), QString("Online Users Empty"));
    }

    void departmentTicksAndSelectAll()
    {
        ZELGroupMessageDialog *dialog = composer(false, false, Records);
        QTreeWidgetItem *acme = dialog->rootItem->child(0);
        acme->setCheckState(0, Qt::Checked);
        QCOMPARE(dialog->checkedCount, 2);
        QCOMPARE(dialog->recipients, QStringList({"ravi", "mona"}));
        acme->child(0)->child(0)->setCheckState(0, Qt::Unchecked);
        QCOMPARE(acme->checkState(0), Qt::Checked); // nothing propagates upwards
        QCOMPARE(dialog->recipients, QStringList({"mona"}));

        dialog->m_selectAllCheckBox->setChecked(true);
        QCOMPARE(dialog->checkedCount, 3);
        QCOMPARE(dialog->recipients, QStringList({"ravi", "mona"}));
        for (QTreeWidgetItem *contact : contactRows(dialog->rootItem))
            QCOMPARE(contact->checkState(0), Qt::Checked);
        dialog->m_selectAllCheckBox->setChecked(false);
        QCOMPARE(dialog->checkedCount, 0);
        QVERIFY(dialog->recipients.isEmpty());
        for (QTreeWidgetItem *contact : contactRows(dialog->rootItem))
            QCOMPARE(contact->checkState(0), Qt::Unchecked);
    }

    void request_data()
    {
        QTest::addColumn<bool>("offline");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("plain");
        QTest::addColumn<QString>("htmlHolds");
        QTest::addColumn<QString>("htmlLacks");

        QTest::newRow("online apostrophe") << false << "  it's here  " << "it's here" << "its here" << "it's";
        QTest::newRow("offline apostrophe") << true << "it's" << "it's" << "its" << "it's";
        QTest::newRow("offline backslashes doubled") << true << "see \\\\srv\\share" << "see \\\\\\\\srv\\\\share"
                                                     << "\\\\\\\\srv\\\\share" << "";
        QTest::newRow("online backslashes kept") << false << "see \\\\srv\\share" << "see \\\\srv\\share"
                                                 << "\\\\srv\\share" << "\\\\\\";
    }

    void request()
    {
        QFETCH(bool, offline);
        QFETCH(QString, text);
        QFETCH(QString, plain);
        QFETCH(QString, htmlHolds);
        QFETCH(QString, htmlLacks);

        ZELGroupMessageDialog *dialog = composer(offline, true, Records);
        dialog->rootItem->child(1)->setCheckState(0, Qt::Checked);
        dialog->rootItem->child(0)->setCheckState(0, Qt::Checked);
        dialog->m_groupMessageTextEdit->setPlainText(text);
        const QStringList request = dialog->buildRequest();
        QCOMPARE(request.size(), 5);
        QCOMPARE(request.at(0), QString(offline ? "OFFLINEGROUPMESSAGE" : "ONLINEGROUPMESSAGE"));
        QCOMPARE(request.at(1), plain);
        QVERIFY2(request.at(2).contains(htmlHolds), qPrintable(request.at(2)));
        if (!htmlLacks.isEmpty())
            QVERIFY(!request.at(2).contains(htmlLacks));
        QVERIFY(!request.at(2).contains('\''));
        QCOMPARE(request.mid(3), QStringList({"mona", "ravi"}));
    }

    void sendAsksFirst()
    {
        QPointer<ZELGroupMessageDialog> dialog = composer(false, true, Records);
        QList<QStringList> sent;
        connect(dialog.data(), &ZELGroupMessageDialog::sendGroupMessageSignal, this,
                [&sent](QStringList &request) { sent << request; });
        dialog->rootItem->child(0)->setCheckState(0, Qt::Checked);
        dialog->m_groupMessageTextEdit->setPlainText("Hi");

        QString asked;
        ZELMessageBoxClass::setTestAnswerHook([&asked](const QString &title, const QString &) {
            asked = title;
            return int(QMessageBox::No);
        });
        dialog->m_sendMessageButton->click();
        QCOMPARE(asked, QString("Sending Group Message"));
        QCOMPARE(sent.count(), 0);
        QVERIFY(dialog->isVisible());

        ZELMessageBoxClass::setTestAnswerHook([](const QString &, const QString &) { return int(QMessageBox::Yes); });
        QTest::keyClick(dialog->m_groupMessageTextEdit, Qt::Key_Return, Qt::ShiftModifier);
        QCOMPARE(sent.count(), 1);
        QCOMPARE(sent.at(0).mid(3), QStringList({"ravi"}));
        QTRY_VERIFY(dialog.isNull());
    }

    void editorKeys()
    {
        ZELGroupMessageDialog *dialog = composer(false, true, Records);
        int sent = 0;
        connect(dialog, &ZELGroupMessageDialog::sendGroupMessageSignal, this, [&sent](QStringList &) { ++sent; });
        QTest::keyClicks(dialog->m_groupMessageTextEdit, "a");
        QTest::keyClick(dialog->m_groupMessageTextEdit, Qt::Key_Return);
        QTest::keyClick(dialog->m_groupMessageTextEdit, Qt::Key_Enter, Qt::ShiftModifier);
        QTest::keyClicks(dialog->m_groupMessageTextEdit, "b");
        // Line breaks inside one paragraph, not new paragraphs.
        QCOMPARE(dialog->m_groupMessageTextEdit->document()->blockCount(), 1);
        QCOMPARE(dialog->m_groupMessageTextEdit->toPlainText(), QString("a\n\nb"));
        QTest::keyClick(dialog->m_groupMessageTextEdit, Qt::Key_Return, Qt::ShiftModifier); // no recipient
        QCOMPARE(sent, 0);
        QCOMPARE(dialog->m_groupMessageTextEdit->document()->blockCount(), 1);
    }

    void links()
    {
        ZELGroupMessageDialog *dialog = composer(false, true, Records);
        dialog->m_groupMessageTextEdit->setPlainText("go www.a.com, or http://b.org/x now www.a.com, then");
        dialog->convertLinksInEditor();
        QCOMPARE(anchors(dialog->m_groupMessageTextEdit->document()),
                 (QList<QPair<QString, QString>>{{"www.a.com,", "www.a.com,"},
                                                 {"http://b.org/x", "http://b.org/x"},
                                                 {"www.a.com,", "www.a.com,"}}));

        dialog = composer(false, true, Records);
        dialog->m_groupMessageTextEdit->setPlainText("see www.a.com mail me@x.org or www.a.com");
        dialog->convertLinksInEditor();
        // The mail link reloads the text, so the repeated address is found at its first place again.
        QCOMPARE(anchors(dialog->m_groupMessageTextEdit->document()),
                 (QList<QPair<QString, QString>>{{"www.a.com", "www.a.com"}, {"me@x.org", "mailto:me@x.org"}}));
    }

    // A link word of a group message is a link where the message is read, and
    // a click on it opens it through the link rule.
    void linkWordsOpenWhereRead_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("opened");
        QTest::newRow("http") << "http://wiki.example.org/page" << "http://wiki.example.org/page";
        QTest::newRow("https") << "https://wiki.example.org/page" << "https://wiki.example.org/page";
        QTest::newRow("mail") << "me@x.org" << "mailto:me@x.org";
    }

    void linkWordsOpenWhereRead()
    {
        QFETCH(QString, word);
        QFETCH(QString, opened);
        ZELFakeDesktopServices seam;
        ZELPlatform::setDesktopServices(&seam);
        const auto restore = qScopeGuard([] { ZELPlatform::setDesktopServices(nullptr); });
        ZELDirectOpenings direct;

        ZELGroupMessageDialog *dialog = composer(false, true, Records);
        dialog->m_groupMessageTextEdit->setPlainText("see " + word + " now");
        dialog->convertLinksInEditor();
        const QStringList request = dialog->buildRequest();
        ZELGroupMessageDisplay display;
        display.show();
        display.showGroupMessageDialog({"ONLINEGROUPMESSAGE", request.at(1), request.at(2), "y", "Ravi Kumar"});
        QVERIFY(zelClickText(display.m_gMessageTextBrowser, word));
        QCOMPARE(seam.openedUrls, QList<QUrl>{QUrl(opened)});
        QCOMPARE(direct.urls, QList<QUrl>());
    }

    // The sender's name is text in the heading and the title, never markup.
    void senderIsText()
    {
        ZELFakeDesktopServices seam;
        ZELPlatform::setDesktopServices(&seam);
        const auto restore = qScopeGuard([] { ZELPlatform::setDesktopServices(nullptr); });
        ZELDirectOpenings direct;
        const QString sender = "<a href='ssh://h'>A&amp;B</a>";
        ZELGroupMessageDisplay display;
        display.show();
        display.showGroupMessageDialog({"ONLINEGROUPMESSAGE", "x", "hello", "y", sender});
        QVERIFY(display.m_gMessageTextBrowser->toPlainText().contains(sender + " says ::"));
        QVERIFY(zelShownText(display.m_logoLabel).endsWith(sender));
        QVERIFY(zelClickText(display.m_gMessageTextBrowser, "A&amp;B"));
        zelClickAllOver(display.m_logoLabel);
        QCOMPARE(seam.openedUrls, QList<QUrl>());
        QCOMPARE(direct.urls, QList<QUrl>());
    }

    void toolbar()
    {
        ZELGroupMessageDialog *dialog = composer(false, true, Records);
        QCOMPARE(dialog->fontSizeComboBox->count(), 11);
        QCOMPARE(dialog->fontSizeComboBox->itemText(10), QString("28"));
        QCOMPARE(dialog->textFont, QFont("Verdana", 8));
        dialog->fontSizeComboBox->setEditText("1");
        QCOMPARE(dialog->m_groupMessageTextEdit->font().pointSize(), 1);
        dialog->fontSizeComboBox->setEditText("12");
        QCOMPARE(dialog->m_groupMessageTextEdit->font().pointSize(), 12);
        dialog->fontSizeComboBox->setEditText("");
        QCOMPARE(dialog->m_groupMessageTextEdit->font().pointSize(), 12);

        dialog->boldButton->click();
        QCOMPARE(dialog->m_groupMessageTextEdit->fontWeight(), int(QFont::Bold));
        const QList<QAction *> entries = dialog->textColorButton->menu()->actions();
        QCOMPARE(entries.size(), 6); // four colours, a separator, "more..."
        QCOMPARE(dialog->textAction, entries.at(2));
        entries.at(0)->trigger();
        QCOMPARE(dialog->textColor, QColor(Qt::red));
        QCOMPARE(dialog->m_groupMessageTextEdit->textColor(), QColor(Qt::red));
        QCOMPARE(dialog->textAction, entries.at(0));
    }

    void displayShowsOneMessage()
    {
        auto *display = new ZELGroupMessageDisplay;
        QPointer<ZELGroupMessageDisplay> guard(display);
        QSignalSpy closing(display, &ZELGroupMessageDisplay::groupMessageDialogCloseSignal);
        display->showGroupMessageDialog({"ONLINEGROUPMESSAGE", "x", "<b>Meeting</b> at 3", "y", "Ravi Kumar"});
        QCOMPARE(display->windowTitle(), QString("Group Message received from Ravi Kumar"));
        QCOMPARE(display->m_logoLabel->text(), display->windowTitle());
        const QString html = display->m_gMessageTextBrowser->toHtml();
        QVERIFY(html.contains("Ravi Kumar says ::"));
        QVERIFY(display->m_gMessageTextBrowser->toPlainText().contains("Meeting at 3"));
        QVERIFY(html.contains("font-weight:700") || html.contains("font-weight:600"));
        QVERIFY(QRegularExpression(" says ::\\s+\\d\\d:\\d\\d:\\d\\d (am|pm)")
                    .match(display->m_gMessageTextBrowser->toPlainText())
                    .hasMatch());
        display->m_cancelButton->click();
        QCOMPARE(closing.count(), 1);
        QCOMPARE(closing.at(0).at(0).value<ZELGroupMessageDisplay *>(), display);
        QTRY_VERIFY(guard.isNull());
    }


    // ------------------------------------------------------------------
    // A flood of messages opens no more than the bound of windows; the rest
    // wait in order, and each shows as a window closes, so none is lost.
    void floodWaitsForWindows()
    {
        ZELClient client;
        // Under the sanitizers every window costs far more: a smaller flood
        // still overruns the bound many times over.
        const int count = qEnvironmentVariableIsSet("ZEL_SANITIZED") ? 300 : 2000;
        QString batch;
        for (int i = 0; i < count; ++i)
            batch += ZELTestPeer::message("ONLINEGROUPMESSAGE",
                                          {{"PLAINMESSAGE", "m"}, {"HTMLMESSAGE", QString("message %1 end").arg(i)},
                                           {"LOGINNAME", "x"}, {"DISPLAYNAME", "Ravi"}})
                     + ":::";
        QByteArray text = batch.toUtf8();
        QByteArray noFiles;
        client.messageFromServer(text, noFiles);

        const auto openDisplays = [] {
            QList<ZELGroupMessageDisplay *> open;
            for (QWidget *top : QApplication::topLevelWidgets()) {
                auto *display = qobject_cast<ZELGroupMessageDisplay *>(top);
                if (display && display->isVisible())
                    open << display;
            }
            return open;
        };
        QCOMPARE(client.m_groupMessageDisplays.size(), ZELClient::MaxGroupMessageWindows);
        QCOMPARE(openDisplays().size(), ZELClient::MaxGroupMessageWindows);
        QCOMPARE(client.m_pendingGroupMessages.size(), count - ZELClient::MaxGroupMessageWindows);
        const QString waiting = QString(" (%1 more waiting)").arg(count - ZELClient::MaxGroupMessageWindows);
        QVERIFY(client.m_groupMessageDisplays.firstKey()->windowTitle().endsWith(waiting));

        // The user closes windows one by one and meets every message once, in order.
        QList<int> seen;
        const QRegularExpression number("message (\\d+) end");
        while (!client.m_groupMessageDisplays.isEmpty()) {
            QVERIFY(client.m_groupMessageDisplays.size() <= ZELClient::MaxGroupMessageWindows);
            // The oldest message is the one shown longest: close the lowest number first.
            ZELGroupMessageDisplay *oldest = nullptr;
            int oldestNumber = count;
            for (ZELGroupMessageDisplay *display : client.m_groupMessageDisplays.keys()) {
                const int n = number.match(display->m_gMessageTextBrowser->toPlainText()).captured(1).toInt();
                if (n < oldestNumber) {
                    oldestNumber = n;
                    oldest = display;
                }
            }
            QVERIFY(oldest);
            seen << oldestNumber;
            oldest->close();
            if (seen.size() % ZELClient::MaxGroupMessageWindows == 0)
                QCoreApplication::sendPostedEvents();
        }
        QCOMPARE(seen.size(), count);
        for (int i = 0; i < count; ++i)
            QCOMPARE(seen.at(i), i);
        QVERIFY(client.m_pendingGroupMessages.isEmpty());
    }

    // The waiting messages take bounded space: one beyond it is turned away
    // and counted for the user, and those kept still show as windows close.
    void waitingMessagesTakeBoundedSpace()
    {
        ZELClient client;
        const auto deliver = [&client](int from, int count) {
            QString batch;
            for (int i = from; i < from + count; ++i)
                batch += ZELTestPeer::message("ONLINEGROUPMESSAGE",
                                              {{"PLAINMESSAGE", "m"},
                                               {"HTMLMESSAGE", QString("message %1 end").arg(i, 3, 10, QChar('0'))},
                                               {"LOGINNAME", "x"}, {"DISPLAYNAME", "Ravi"}})
                         + ":::";
            QByteArray text = batch.toUtf8();
            QByteArray noFiles;
            client.messageFromServer(text, noFiles);
        };
        deliver(0, ZELClient::MaxGroupMessageWindows + 1);
        QCOMPARE(client.m_pendingGroupMessages.size(), 1);
        const qsizetype one = client.m_pendingGroupMessageBytes;
        QVERIFY(one > 0);
        client.m_groupMessageWaitingBound = 3 * one;
        deliver(100, 5);
        QCOMPARE(client.m_pendingGroupMessages.size(), 3);
        QCOMPARE(client.m_refusedGroupMessages, 3);
        QCOMPARE(client.m_pendingGroupMessageBytes, 3 * one);

        int shown = 0;
        while (!client.m_groupMessageDisplays.isEmpty()) {
            client.m_groupMessageDisplays.firstKey()->close();
            QCoreApplication::sendPostedEvents();
            ++shown;
        }
        QCOMPARE(shown, ZELClient::MaxGroupMessageWindows + 3);
        QCOMPARE(client.m_pendingGroupMessageBytes, 0);
    }

    // Signing out closes the windows; the messages still waiting for one were
    // never seen and come at the same user's next sign-in, not another's.
    void waitingMessagesOutlastSignOut_data()
    {
        QTest::addColumn<QStringList>("signIns");
        QTest::addColumn<QList<int>>("shown"); // windows after each sign-in
        QTest::newRow("same user again") << QStringList{"anita"} << QList<int>{2};
        QTest::newRow("another user between") << QStringList{"bob", "anita"} << QList<int>{0, 2};
    }

    void waitingMessagesOutlastSignOut()
    {
        QFETCH(QStringList, signIns);
        QFETCH(QList<int>, shown);
        ZELClient client;
        const auto deliver = [&client](const QString &text) {
            QByteArray bytes = text.toUtf8();
            QByteArray noFiles;
            client.messageFromServer(bytes, noFiles);
        };
        const auto signIn = [&](const QString &user) {
            client.m_loginId = user;
            deliver(ZELTestPeer::message("LOGIN", {{"RESULT", "SUCCESSLOGIN"}, {"NAME", user}, {"MARQUEE", ""},
                                                   {"INVISIBLE", "1"}, {"PROFILE", "Developer"}}));
        };
        signIn("anita");
        const int count = ZELClient::MaxGroupMessageWindows + 2;
        QString batch;
        for (int i = 0; i < count; ++i)
            batch += ZELTestPeer::message("ONLINEGROUPMESSAGE",
                                          {{"PLAINMESSAGE", "m"}, {"HTMLMESSAGE", QString("message %1 end").arg(i)},
                                           {"LOGINNAME", "x"}, {"DISPLAYNAME", "Ravi"}})
                     + ":::";
        deliver(batch);
        QCOMPARE(client.m_pendingGroupMessages.size(), 2);

        for (int i = 0; i < signIns.size(); ++i) {
            client.signOut();
            QCoreApplication::sendPostedEvents();
            QVERIFY(client.m_groupMessageDisplays.isEmpty());
            QVERIFY(client.m_pendingGroupMessages.isEmpty());
            signIn(signIns.at(i));
            QCOMPARE(client.m_groupMessageDisplays.size(), shown.at(i));
        }
        QStringList bodies;
        for (ZELGroupMessageDisplay *display : client.m_groupMessageDisplays.keys())
            bodies << display->m_gMessageTextBrowser->toPlainText().section("message ", 1).section(" end", 0, 0);
        bodies.sort();
        QCOMPARE(bodies, QStringList({"8", "9"}));
    }

    // A long word without break points: the sender shown in the title and the
    // heading is bounded, and the body is laid out over many lines of the window.
    void longWordsWrap_data()
    {
        QTest::addColumn<int>("length");
        QTest::newRow("64 KB") << 64 * 1024;
        QTest::newRow("1 MB") << 1024 * 1024;
    }

    void longWordsWrap()
    {
        QFETCH(int, length);
        const QString word(length, QLatin1Char('w'));
        auto *display = new ZELGroupMessageDisplay;
        QPointer<ZELGroupMessageDisplay> guard(display);
        display->resize(500, 450);
        display->show();
        display->showGroupMessageDialog({"ONLINEGROUPMESSAGE", "x", word, "y", word});

        const QString title =
            "Group Message received from " + ZELTextBounds::elided(word, ZELTextBounds::TitleNameLength);
        QCOMPARE(display->windowTitle(), title);
        QVERIFY(display->windowTitle().size() < 100);
        QTextDocument *document = display->m_gMessageTextBrowser->document();
        const QString shown = document->toPlainText();
        QVERIFY(shown.contains(ZELTextBounds::shownName(word) + " says ::"));
        QVERIFY(!shown.contains(word.left(ZELTextBounds::NameLength + 1) + " says"));
        // The body: its start as it came, then a note of the rest, which a copy
        // of the message gives back whole.
        QVERIFY(shown.contains(word.left(ZELTextBounds::LongestRun)
                               + ZELTextBounds::heldBackNote(length - ZELTextBounds::LongestRun)));
        QVERIFY(display->m_gMessageTextBrowser->wholePlainText().endsWith("\n" + word));
        // Wrapped to the window: the body's block spans many lines, none wider than the view.
        const QTextBlock body = document->findBlock(int(document->toPlainText().lastIndexOf(word.left(20))));
        QVERIFY(body.isValid());
        const QRectF bounds = document->documentLayout()->blockBoundingRect(body);
        QVERIFY2(body.layout()->lineCount() > 20, qPrintable(QString::number(body.layout()->lineCount())));
        QVERIFY(bounds.width() <= display->m_gMessageTextBrowser->viewport()->width() + 1);
        QVERIFY(document->size().width() <= display->m_gMessageTextBrowser->viewport()->width() + 1);
        display->close();
        QTRY_VERIFY(guard.isNull());
    }

    // ------------------------------------------------------------------
    void clientSendsAndShows()
    {
        ZELTestPeer peer;
        QVERIFY(peer.listen());
        ZELClient client;
        client.m_tcpSocket->connectToHost(peer.host(), peer.port());
        QVERIFY(peer.waitForConnection());
        QTRY_COMPARE(client.m_tcpSocket->state(), QAbstractSocket::ConnectedState);
        client.m_signedIn = true;
        client.m_loginId = "anita";

        // No contacts: a notice instead of a composer.
        client.m_contactView->clear();
        client.m_onlineItem = row(client.m_contactView->invisibleRootItem(), "Online");
        client.m_offlineItem = row(client.m_contactView->invisibleRootItem(), "Offline");
        client.showGroupMessageDialog();
        QVERIFY(!client.findChild<ZELGroupMessageDialog *>("ZELGroupMessageDialog"));

        QTreeWidgetItem *sales = row(row(client.m_offlineItem, "Acme"), "Sales");
        row(sales, "Ravi Kumar (at lunch)", "ravi-k - Offline");
        row(row(client.m_offlineItem, "Loose"), "Mona"); // too shallow: no contact
        QCOMPARE(ZELClient::groupMessageRecipients(client.m_offlineItem), QStringList({"Acme##Sales##Ravi Kumar##ravi"}));

        client.showGroupMessageDialog();
        auto *dialog = client.findChild<ZELGroupMessageDialog *>("ZELGroupMessageDialog");
        QVERIFY(dialog);
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->size(), QSize(360, 550));
        QCOMPARE(dialog->rootItem->text(0), QString("Offline Users"));
        dialog->rootItem->child(0)->setCheckState(0, Qt::Checked);
        dialog->m_groupMessageTextEdit->setPlainText("Back at 3");
        ZELMessageBoxClass::setTestAnswerHook([](const QString &, const QString &) { return int(QMessageBox::Yes); });
        dialog->m_sendMessageButton->click();
        ZELMessageBoxClass::setTestAnswerHook({});
        const ZELTestPeer::Request sent = peer.waitForRequest("OFFLINEGROUPMESSAGE");
        QVERIFY(sent.isValid());
        QCOMPARE(sent.value("HTMLMESSAGE"), QString("Back at 3"));
        const QStringList users = sent.values("USERSNAME");
        QCOMPARE(users.size(), 2);
        QCOMPARE(users.at(1), QString("ravi"));

        // Two messages in one delivery: two windows, each forgotten as it closes.
        const auto groupMessage = [](const QString &sender, const QString &body) {
            return ZELTestPeer::message("ONLINEGROUPMESSAGE", {{"PLAINMESSAGE", body}, {"HTMLMESSAGE", body},
                                                               {"LOGINNAME", "x"}, {"DISPLAYNAME", sender}});
        };
        peer.sendTexts({groupMessage("Ravi", "one"), groupMessage("Mona", "two")});
        QTRY_COMPARE(client.m_groupMessageDisplays.size(), 2);
        QList<ZELGroupMessageDisplay *> displays = client.m_groupMessageDisplays.keys();
        QStringList titles;
        for (ZELGroupMessageDisplay *display : displays)
            titles << display->windowTitle();
        titles.sort();
        QCOMPARE(titles, QStringList({"Group Message received from Mona", "Group Message received from Ravi"}));
        displays.first()->close();
        QCOMPARE(client.m_groupMessageDisplays.size(), 1);
        QVERIFY(!client.m_groupMessageDisplays.contains(displays.first()));
        displays.last()->close();
        QVERIFY(client.m_groupMessageDisplays.isEmpty());
    }
};

ZEL_TEST_MAIN(TestGroupMessages)
#include "tst_groupmessages.moc"
