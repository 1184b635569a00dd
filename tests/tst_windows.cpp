#include "zeltestmain.h"

#include <QAbstractButton>
#include <QPushButton>
#include <QTabBar>

#include "chat/zelchatwindow.h"
#include "chat/zelpasswordchatdialog.h"
#include "chat/zelrequestdialog.h"
#include "contacts/zeladdcontact.h"
#include "contacts/zelapprovaladdcontact.h"
#include "contacts/zelapprovalrequesteduser.h"
#include "contacts/zeldeletecontact.h"
#include "mainwindow/zelbusinesscarddetails.h"
#include "mainwindow/zelpopup.h"
#include "media/zelvoicemail.h"
#include "media/zelvoicemailinbox.h"
#include "messages/zelchathistorylistwindow.h"
#include "messages/zelgroupmessagedialog.h"
#include "messages/zelofflinemessageswidget.h"
#include "reminders/zelreminderdialog.h"
#include "reminders/zelreminderpopup.h"
#include "settings/zelchangepassword.h"
#include "settings/zelpreferencessettings.h"
#include "style/zelmessageboxclass.h"

#include <functional>

namespace {

// How each long-lived window is made by the main widget, and who owns it.
struct WindowCase
{
    const char *name;
    std::function<QWidget *(QWidget *main)> make;
    QString objectName; // empty: not pinned
    bool childOfMain;
};

const QList<WindowCase> &windowCases()
{
    static const QList<WindowCase> cases {
        { "business card", [](QWidget *m) { return new ZELBusinessCardDetails(m); }, QString(), false },
        { "popup", [](QWidget *m) { return new ZELPopup(m); }, QString(), false },
        { "chat window", [](QWidget *) { return new ZELChatWindow; }, QStringLiteral("chatWidget"), false },
        { "request", [](QWidget *m) { return new ZELRequestDialog(m); }, QStringLiteral("ZELRequestDialog"), true },
        { "add contact", [](QWidget *m) { return new ZELAddContact(m); }, QStringLiteral("ZELAddContactDialog"), true },
        { "approval", [](QWidget *m) { return new ZELApprovalAddContact(m); },
          QStringLiteral("ZELApprovalAddContactDialog"), true },
        { "requested users", [](QWidget *m) { return new ZELApprovalRequestedUser(m); },
          QStringLiteral("ZELApprovalAddContactDialog"), true },
        { "delete contact", [](QWidget *m) { return new ZELDeleteContact(m); },
          QStringLiteral("ZELDeleteContactDialog"), true },
        { "offline messages", [](QWidget *) { return new ZELOfflineMessagesWidget; },
          QStringLiteral("OfflineMessagesWidget"), false },
        { "chat history", [](QWidget *) { return new ZELChatHistoryListWindow; },
          QStringLiteral("ZELChatHistoryListWidget"), false },
        { "group message", [](QWidget *m) { return new ZELGroupMessageDialog(m); },
          QStringLiteral("ZELGroupMessageDialog"), true },
        { "preferences", [](QWidget *m) { return new ZELPreferencesSettings(m); },
          QStringLiteral("ZELPreferenceSettingsDialog"), true },
        { "change password", [](QWidget *m) { return new ZELChangePassword(m); },
          QStringLiteral("ZELChangePasswordDialog"), true },
        { "reminder dialog", [](QWidget *m) { return new ZELReminderDialog(m); }, QStringLiteral("ZELReminderDialog"),
          true },
        { "reminder popup", [](QWidget *) { return new ZELReminderPopup; }, QStringLiteral("ZELReminderPopup"), false },
        { "voice mail", [](QWidget *) { return new ZELVoiceMail; }, QStringLiteral("ZELVoiceMailDialog"), false },
        { "voice mail inbox", [](QWidget *m) { return new ZELVoiceMailInbox(m); },
          QStringLiteral("ZELVoiceMailInboxDialog"), true },
    };
    return cases;
}

// The connection-state pair of one window: which controls it must turn off
// on loss and on again on return, after `prime` put the window in a state
// where the controls are wanted.
struct ConnectionCase
{
    const char *name;
    std::function<QWidget *(QWidget *main)> make;
    std::function<void(QWidget *)> prime;
    std::function<void(QWidget *)> lose;
    std::function<void(QWidget *)> regain;
    std::function<QList<QWidget *>(QWidget *)> controls;
    bool enabledAfterReturn;
};

template<typename T>
T *as(QWidget *w)
{
    return static_cast<T *>(w);
}

const QList<ConnectionCase> &connectionCases()
{
    auto none = [](QWidget *) {};
    static const QList<ConnectionCase> cases {
        { "add contact, a row checked", [](QWidget *m) { return new ZELAddContact(m); },
          [](QWidget *w) { as<ZELAddContact>(w)->m_checkedCount = 1; },
          [](QWidget *w) { as<ZELAddContact>(w)->closeConnection(); },
          [](QWidget *w) { as<ZELAddContact>(w)->connectedServer(); },
          [](QWidget *w) { return QList<QWidget *> { as<ZELAddContact>(w)->m_addButton,
                                                     as<ZELAddContact>(w)->m_showALLButton }; },
          true },
        { "add contact, nothing checked", [](QWidget *m) { return new ZELAddContact(m); }, none,
          [](QWidget *w) { as<ZELAddContact>(w)->closeConnection(); },
          [](QWidget *w) { as<ZELAddContact>(w)->connectedServer(); },
          [](QWidget *w) { return QList<QWidget *> { as<ZELAddContact>(w)->m_addButton }; }, false },
        { "approval, a row checked", [](QWidget *m) { return new ZELApprovalAddContact(m); },
          [](QWidget *w) { as<ZELApprovalAddContact>(w)->m_checkedCount = 2; },
          [](QWidget *w) { as<ZELApprovalAddContact>(w)->closeConnection(); },
          [](QWidget *w) { as<ZELApprovalAddContact>(w)->connectedServer(); },
          [](QWidget *w) { return QList<QWidget *> { as<ZELApprovalAddContact>(w)->m_acceptPushButton,
                                                     as<ZELApprovalAddContact>(w)->m_rejectPushButton }; },
          true },
        { "requested users, nothing checked", [](QWidget *m) { return new ZELApprovalRequestedUser(m); }, none,
          [](QWidget *w) { as<ZELApprovalRequestedUser>(w)->closeConnection(); },
          [](QWidget *w) { as<ZELApprovalRequestedUser>(w)->connectedServer(); },
          [](QWidget *w) { return QList<QWidget *> { as<ZELApprovalRequestedUser>(w)->m_acceptPushButton,
                                                     as<ZELApprovalRequestedUser>(w)->m_rejectPushButton }; },
          false },
        { "requested users, a row checked", [](QWidget *m) { return new ZELApprovalRequestedUser(m); },
          [](QWidget *w) { as<ZELApprovalRequestedUser>(w)->m_checkedCount = 1; },
          [](QWidget *w) { as<ZELApprovalRequestedUser>(w)->closeConnection(); },
          [](QWidget *w) { as<ZELApprovalRequestedUser>(w)->connectedServer(); },
          [](QWidget *w) { return QList<QWidget *> { as<ZELApprovalRequestedUser>(w)->m_acceptPushButton,
                                                     as<ZELApprovalRequestedUser>(w)->m_rejectPushButton }; },
          true },
        { "delete contact, a row checked", [](QWidget *m) { return new ZELDeleteContact(m); },
          [](QWidget *w) { as<ZELDeleteContact>(w)->m_checkedCount = 1; },
          [](QWidget *w) { as<ZELDeleteContact>(w)->closeConnection(); },
          [](QWidget *w) { as<ZELDeleteContact>(w)->connectedServer(); },
          [](QWidget *w) { return QList<QWidget *> { as<ZELDeleteContact>(w)->m_okButton }; }, true },
        { "chat history", [](QWidget *) { return new ZELChatHistoryListWindow; }, none,
          [](QWidget *w) { as<ZELChatHistoryListWindow>(w)->closeConnection(); },
          [](QWidget *w) { as<ZELChatHistoryListWindow>(w)->connectedServer(); },
          [](QWidget *w) { return QList<QWidget *> { as<ZELChatHistoryListWindow>(w)->m_contactNamesList,
                                                     as<ZELChatHistoryListWindow>(w)->m_conferenceChatDateList }; },
          true },
        { "group message, text and recipient", [](QWidget *m) { return new ZELGroupMessageDialog(m); },
          [](QWidget *w) {
              as<ZELGroupMessageDialog>(w)->checkedCount = 1;
              as<ZELGroupMessageDialog>(w)->m_groupMessageTextEdit->setPlainText(QStringLiteral("Meeting at 3"));
          },
          [](QWidget *w) { as<ZELGroupMessageDialog>(w)->closeConnection(); },
          [](QWidget *w) { as<ZELGroupMessageDialog>(w)->connectedServer(); },
          [](QWidget *w) { return QList<QWidget *> { as<ZELGroupMessageDialog>(w)->m_sendMessageButton }; }, true },
        { "group message, no text", [](QWidget *m) { return new ZELGroupMessageDialog(m); },
          [](QWidget *w) { as<ZELGroupMessageDialog>(w)->checkedCount = 1; },
          [](QWidget *w) { as<ZELGroupMessageDialog>(w)->closeConnection(); },
          [](QWidget *w) { as<ZELGroupMessageDialog>(w)->connectedServer(); },
          [](QWidget *w) { return QList<QWidget *> { as<ZELGroupMessageDialog>(w)->m_sendMessageButton }; },
          false },
        { "change password, fields filled", [](QWidget *m) { return new ZELChangePassword(m); },
          [](QWidget *w) {
              auto *d = as<ZELChangePassword>(w);
              d->m_oldPassWordEdit->setText(QStringLiteral("secret1"));
              d->m_newPassWordEdit->setText(QStringLiteral("secret2"));
              d->m_reTypeNewPasswordEdit->setText(QStringLiteral("secret2"));
          },
          [](QWidget *w) { as<ZELChangePassword>(w)->closeConnection(); },
          [](QWidget *w) { as<ZELChangePassword>(w)->connectedServer(); },
          [](QWidget *w) { return QList<QWidget *> { as<ZELChangePassword>(w)->m_modifyPasswordButton }; }, true },
        { "change password, a field empty", [](QWidget *m) { return new ZELChangePassword(m); },
          [](QWidget *w) { as<ZELChangePassword>(w)->m_oldPassWordEdit->setText(QStringLiteral("secret1")); },
          [](QWidget *w) { as<ZELChangePassword>(w)->closeConnection(); },
          [](QWidget *w) { as<ZELChangePassword>(w)->connectedServer(); },
          [](QWidget *w) { return QList<QWidget *> { as<ZELChangePassword>(w)->m_modifyPasswordButton }; },
          false },
        { "reminder dialog, subject typed", [](QWidget *m) { return new ZELReminderDialog(m); },
          [](QWidget *w) { as<ZELReminderDialog>(w)->m_remindingTextEdit->setText(QStringLiteral("Call Ravi")); },
          [](QWidget *w) { as<ZELReminderDialog>(w)->disableReminderButtons(); },
          [](QWidget *w) { as<ZELReminderDialog>(w)->enableReminderButtons(); },
          [](QWidget *w) { return QList<QWidget *> { as<ZELReminderDialog>(w)->m_addReminderButton }; }, true },
        { "reminder dialog, blank subject", [](QWidget *m) { return new ZELReminderDialog(m); },
          [](QWidget *w) { as<ZELReminderDialog>(w)->m_remindingTextEdit->setText(QStringLiteral("   ")); },
          [](QWidget *w) { as<ZELReminderDialog>(w)->disableReminderButtons(); },
          [](QWidget *w) { as<ZELReminderDialog>(w)->enableReminderButtons(); },
          [](QWidget *w) { return QList<QWidget *> { as<ZELReminderDialog>(w)->m_addReminderButton }; }, false },
        { "reminder popup", [](QWidget *) { return new ZELReminderPopup; }, none,
          [](QWidget *w) { as<ZELReminderPopup>(w)->disablePopupButtons(); },
          [](QWidget *w) { as<ZELReminderPopup>(w)->enablePopupButtons(); },
          [](QWidget *w) { return QList<QWidget *> { as<ZELReminderPopup>(w)->m_snoozeButton,
                                                     as<ZELReminderPopup>(w)->m_dismissButton }; },
          true },
        { "voice mail, recording playable", [](QWidget *) { return new ZELVoiceMail; },
          [](QWidget *w) { as<ZELVoiceMail>(w)->m_playButton->setEnabled(true); },
          [](QWidget *w) { as<ZELVoiceMail>(w)->closeConnection(); },
          [](QWidget *w) { as<ZELVoiceMail>(w)->connectedServer(); },
          [](QWidget *w) { return QList<QWidget *> { as<ZELVoiceMail>(w)->m_sendButton }; }, true },
        { "voice mail, nothing recorded", [](QWidget *) { return new ZELVoiceMail; }, none,
          [](QWidget *w) { as<ZELVoiceMail>(w)->closeConnection(); },
          [](QWidget *w) { as<ZELVoiceMail>(w)->connectedServer(); },
          [](QWidget *w) { return QList<QWidget *> { as<ZELVoiceMail>(w)->m_sendButton }; }, false },
        { "voice mail inbox", [](QWidget *m) { return new ZELVoiceMailInbox(m); },
          [](QWidget *w) { as<ZELVoiceMailInbox>(w)->m_openFileButton->setEnabled(true); },
          [](QWidget *w) { as<ZELVoiceMailInbox>(w)->closeConnection(); },
          [](QWidget *w) { as<ZELVoiceMailInbox>(w)->connectedServer(); },
          [](QWidget *w) { return QList<QWidget *> { as<ZELVoiceMailInbox>(w)->m_openFileButton }; }, false },
    };
    return cases;
}

QTableWidgetItem *cell(QTableWidget *table, int row, int column)
{
    return table->item(row, column);
}

void addRow(QTableWidget *table, const QStringList &texts)
{
    const int row = table->rowCount();
    table->insertRow(row);
    for (int column = 0; column < texts.size(); ++column)
        table->setItem(row, column, new QTableWidgetItem(texts.at(column)));
}

} // namespace

class TestWindows : public QObject
{
    Q_OBJECT

private:
    QWidget *m_main = nullptr;

private slots:
    void init() { m_main = new QWidget; }
    void cleanup() { delete m_main; }

    void constructsHidden_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < windowCases().size(); ++i)
            QTest::newRow(windowCases().at(i).name) << i;
    }

    void constructsHidden()
    {
        QFETCH(int, index);
        const WindowCase &c = windowCases().at(index);
        QWidget *window = c.make(m_main);
        QScopedPointer<QWidget> ownWindow(c.childOfMain ? nullptr : window);
        QVERIFY(window->isHidden());
        QVERIFY(window->isWindow());
        QCOMPARE(window->parentWidget(), c.childOfMain ? m_main : nullptr);
        if (!c.objectName.isEmpty())
            QCOMPARE(window->objectName(), c.objectName);
    }

    // The main widget finds these two open dialogs among its children by name.
    // Every window's own close button shows its picture.
    void closeButtonShowsPicture_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < windowCases().size(); ++i)
            QTest::newRow(windowCases().at(i).name) << i;
    }

    void closeButtonShowsPicture()
    {
        QFETCH(int, index);
        QWidget *window = windowCases().at(index).make(m_main);
        auto *close = window->findChild<QAbstractButton *>(QStringLiteral("m_closeButton"));
        if (!close || close->window() != window) {
            delete window;
            QSKIP("no close button of its own");
        }
        // The picture is the button's face brush; a flat button paints it only
        // by filling its background.
        const QBrush face = close->palette().brush(QPalette::Active, QPalette::Button);
        auto *push = qobject_cast<QPushButton *>(close);
        const bool painted = !push || !push->isFlat() || push->autoFillBackground();
        const bool picture = (!face.texture().isNull() && painted) || !close->icon().isNull()
                             || close->styleSheet().contains(QLatin1String("image"));
        delete window;
        QVERIFY(picture);
    }

    void dialogsFoundByName()
    {
        auto *group = new ZELGroupMessageDialog(m_main);
        auto *password = new ZELChangePassword(m_main);
        QCOMPARE(m_main->findChild<QDialog *>(QStringLiteral("ZELGroupMessageDialog")), group);
        QCOMPARE(m_main->findChild<ZELChangePassword *>(QStringLiteral("ZELChangePasswordDialog")), password);
    }

    void connectionStatePair_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < connectionCases().size(); ++i)
            QTest::newRow(connectionCases().at(i).name) << i;
    }

    void connectionStatePair()
    {
        QFETCH(int, index);
        const ConnectionCase &c = connectionCases().at(index);
        QWidget *window = c.make(m_main);
        QScopedPointer<QWidget> ownWindow(window->parentWidget() ? nullptr : window);
        c.prime(window);
        c.lose(window);
        for (QWidget *control : c.controls(window))
            QVERIFY2(!control->isEnabled(), qPrintable(control->objectName()));
        c.regain(window);
        for (QWidget *control : c.controls(window))
            QVERIFY2(control->isEnabled() == c.enabledAfterReturn, qPrintable(control->objectName()));
    }

    // A download cut by the loss is marked on its row; the search stays off until edited.
    void offlineDownloadCutByLoss()
    {
        ZELOfflineMessagesWidget window;
        addRow(window.m_receivedFileDetailsTable, { "a.txt", "/tmp", "3 bytes", "ravi", "Ravi", "now", "Waiting" });
        addRow(window.m_receivedFileDetailsTable,
               { "b.txt", "/tmp", "5 bytes", "ravi", "Ravi", "now", "Downloading...." });
        window.m_fileStatusLabel->setText(QStringLiteral("Downloading...."));
        window.m_downloading = true;
        window.m_rotationTimer->start();
        window.m_ftpDownloadButton->setEnabled(true);

        window.closeConnection();
        QVERIFY(window.m_inactive);
        QVERIFY(!window.m_rotationTimer->isActive());
        QVERIFY(!window.m_ftpDownloadButton->isEnabled());
        QCOMPARE(cell(window.m_receivedFileDetailsTable, 0, 6)->text(), QStringLiteral("Waiting"));
        QCOMPARE(cell(window.m_receivedFileDetailsTable, 1, 6)->text(), QStringLiteral("Failed"));
        QCOMPARE(cell(window.m_receivedFileDetailsTable, 1, 1)->text(), QStringLiteral("Network Problem"));
        QCOMPARE(window.m_fileStatusLabel->text(), QStringLiteral("Network Problem"));

        window.connectedServer();
        QVERIFY(!window.m_inactive);
        QVERIFY(!window.m_ftpDownloadButton->isEnabled());
    }

    // Each answer reaches the main widget once; only a plain close snoozes.
    void reminderPopupAnswers_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("snoozes");
        QTest::addColumn<int>("dismissals");
        QTest::newRow("snooze button") << "snooze" << 1 << 0;
        QTest::newRow("dismiss button") << "dismiss" << 0 << 1;
        QTest::newRow("escape") << "escape" << 1 << 0;
        QTest::newRow("window closed") << "close" << 1 << 0;
        QTest::newRow("closed after connection loss") << "lost" << 0 << 0;
    }

    void reminderPopupAnswers()
    {
        QFETCH(QString, action);
        QFETCH(int, snoozes);
        QFETCH(int, dismissals);
        ZELReminderPopup popup;
        popup.m_keyEditBox->setText(QStringLiteral("09/Dec/2026 10:00:00:000"));
        popup.m_snoozeTime->setCurrentIndex(5);
        QList<QStringList> snoozed;
        QStringList dismissed;
        connect(&popup, &ZELReminderPopup::snoozeClicked, this, [&](QStringList &l) { snoozed << l; });
        connect(&popup, &ZELReminderPopup::dismissClicked, this, [&](QString &id) { dismissed << id; });
        popup.show();

        if (action == QLatin1String("snooze"))
            popup.m_snoozeButton->click();
        else if (action == QLatin1String("dismiss"))
            popup.m_dismissButton->click();
        else if (action == QLatin1String("escape"))
            QTest::keyClick(&popup, Qt::Key_Escape);
        else if (action == QLatin1String("close"))
            popup.close();
        else {
            popup.disablePopupButtons();
            popup.close();
        }

        QVERIFY(popup.isHidden());
        QCOMPARE(snoozed.size(), snoozes);
        QCOMPARE(dismissed.size(), dismissals);
        if (snoozes)
            QCOMPARE(snoozed.first(), QStringList({ "09/Dec/2026 10:00:00:000", "10" }));
        if (dismissals)
            QCOMPARE(dismissed.first(), QStringLiteral("09/Dec/2026 10:00:00:000"));
    }

    void requestAnswers_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("accept");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("decideLaterShown");
        QTest::newRow("conference accepted") << "CHAT" << true << "Accepted" << false;
        QTest::newRow("conference declined") << "CHAT" << false << "Declined" << false;
        QTest::newRow("contact approved") << "ADD" << true << "APPROVED" << true;
        QTest::newRow("contact declined") << "ADD" << false << "Declined" << true;
        QTest::newRow("voice accepted") << "VOICE" << true << "accepted" << false;
        QTest::newRow("voice refused") << "VOICE" << false << "not accepted" << false;
    }

    // The owner hears of the close before the answer, and gets the message back unchanged.
    void requestAnswers()
    {
        QFETCH(QString, kind);
        QFETCH(bool, accept);
        QFETCH(QString, answer);
        QFETCH(bool, decideLaterShown);
        auto *dialog = new ZELRequestDialog(m_main);
        QPointer<ZELRequestDialog> guard(dialog);
        const QStringList message { "CONFERENCECHAT", "ravi", "s1", "x", "Ravi Kumar" };
        QStringList events;
        QStringList returned;
        connect(dialog, &ZELRequestDialog::requestDialogCloseSignal, this,
                [&](ZELRequestDialog *d) { events << (d == dialog ? "closed" : "other"); });
        connect(dialog, &ZELRequestDialog::sendAcceptRejectSignal, this,
                [&](QString &k, QString &a, QStringList &details) {
                    events << k + ':' + a;
                    returned = details;
                });
        dialog->setRequestDetails(kind, message);
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->m_decideLaterButton->isVisible(), decideLaterShown);

        (accept ? dialog->m_requestAcceptButton : dialog->m_requestRejectButton)->click();
        QCOMPARE(events, QStringList({ "closed", kind + ':' + answer }));
        QCOMPARE(returned, message);
        QTRY_VERIFY(guard.isNull());
    }

    void chatWindowClose_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QStringList>("notice");
        QTest::newRow("one-to-one")
            << "peer" << "ravi"
            << QStringList { "CLOSECHATWINDOW", "ravi", "anita", "anita has closed the chat window" };
        QTest::newRow("one-to-one at sign-out") << "silent" << "ravi" << QStringList();
        QTest::newRow("offline message") << "offline" << "raviOfflineMessage" << QStringList();
        QTest::newRow("conference participant")
            << "conference" << "Project20261209"
            << QStringList { "CLOSECONFERENCECHATWINDOW", "anita", "Project20261209",
                             "Anita left from this conference chat", "ravi", "john" };
    }

    void chatWindowClose()
    {
        QFETCH(QString, mode);
        QFETCH(QString, key);
        QFETCH(QStringList, notice);
        auto *window = new ZELChatWindow;
        QPointer<ZELChatWindow> guard(window);
        window->m_ownDisplayName = QStringLiteral("Anita");
        if (mode == QLatin1String("offline")) {
            window->setUserDetails(QStringLiteral("anita"), QString(), QStringLiteral("pw"));
            window->m_offlinePeer = QStringLiteral("ravi");
            window->setWindowTitle(QStringLiteral("Sending Offline Messages for Ravi"));
        } else if (mode == QLatin1String("conference")) {
            window->setUserDetails(QStringLiteral("anita"), QString(), QStringLiteral("pw"));
            window->m_conferenceSessionName = QStringLiteral("Project20261209");
            // A participant's window: the owner's buttons are not his.
            window->setConferenceControlsShown(false);
            for (const char *user : { "ravi", "john" }) {
                auto *item = new QListWidgetItem(QString::fromLatin1(user).toUpper(), window->m_chatRoomListBox);
                item->setToolTip(QString::fromLatin1(user));
            }
        } else {
            window->setUserDetails(QStringLiteral("anita"), QStringLiteral("ravi"), QStringLiteral("pw"));
            window->m_closeSilently = mode == QLatin1String("silent");
        }
        QStringList keys;
        QList<QStringList> notices;
        connect(window, &ZELChatWindow::closeChat, this, [&](QString &k) { keys << k; });
        connect(window, &ZELChatWindow::closeChatWindow, this, [&](QStringList &l) { notices << l; });
        connect(window, &ZELChatWindow::closeConferenceChatWindow, this, [&](QStringList &l) { notices << l; });
        // A participant is asked before leaving: he says yes.
        ZELMessageBoxClass::setTestAnswerHook([](const QString &, const QString &) { return int(QMessageBox::Yes); });
        window->show();

        window->m_ignoreClose = true;
        QVERIFY(!window->close());
        QVERIFY(keys.isEmpty());

        window->m_ignoreClose = false;
        QVERIFY(window->close());
        QCOMPARE(keys, QStringList { key });
        QCOMPARE(notices.size(), notice.isEmpty() ? 0 : 1);
        if (!notice.isEmpty())
            QCOMPARE(notices.first(), notice);
        QTRY_VERIFY(guard.isNull());
        ZELMessageBoxClass::setTestAnswerHook({});
    }

    void chatControlsFollowRights_data()
    {
        QTest::addColumn<QString>("pictureRight");
        QTest::addColumn<QString>("fileRight");
        QTest::newRow("all rights") << "Yes" << "Yes";
        QTest::newRow("no pictures") << "No" << "Yes";
        QTest::newRow("no files") << "Yes" << "No";
    }

    void chatControlsFollowRights()
    {
        QFETCH(QString, pictureRight);
        QFETCH(QString, fileRight);
        ZELChatWindow window;
        window.m_pictureRight = pictureRight;
        window.m_fileRight = fileRight;
        // An open protected-message viewer's reply follows the chat.
        auto *viewer = new ZELPasswordChatDialog(&window);
        window.chatTabEnableDisable(true);
        for (QWidget *w : { static_cast<QWidget *>(window.serverMessage), static_cast<QWidget *>(window.sendButton),
                            static_cast<QWidget *>(window.m_smileyButton),
                            static_cast<QWidget *>(window.m_deskTopCaptureButton),
                            static_cast<QWidget *>(window.m_fileSend),
                            static_cast<QWidget *>(viewer->m_replyButton) })
            QVERIFY2(!w->isEnabled(), qPrintable(w->objectName()));
        window.chatTabEnableDisable(false);
        QVERIFY(window.serverMessage->isEnabled());
        QVERIFY(viewer->m_replyButton->isEnabled());
        QVERIFY(window.m_passwordProtectButton->isEnabled());
        QCOMPARE(window.m_deskTopCaptureButton->isEnabled(), pictureRight == QLatin1String("Yes"));
        QCOMPARE(window.m_insertImageToolButton->isEnabled(), pictureRight == QLatin1String("Yes"));
        QCOMPARE(window.m_fileSend->isEnabled(), fileRight == QLatin1String("Yes"));
    }

    // Only transfers under way when the connection drops are marked failed.
    void chatTransfersFailOnLoss()
    {
        ZELChatWindow window;
        window.m_hourFormat24 = QStringLiteral("TRUE");
        addRow(window.filePages().m_uploadedFiletable, { "a.txt", "/home/a.txt", "3 bytes", "ravi", "Ravi", "Uploading..." });
        addRow(window.filePages().m_uploadedFiletable, { "b.txt", "/home/b.txt", "3 bytes", "ravi", "Ravi", "Waiting" });
        addRow(window.filePages().m_dowLoadtable, { "c.txt", "/tmp", "3 bytes", "ravi", "Ravi", "Downloading..." });

        window.setUploadFailedStatus();
        window.setDownloadFailedStatus();
        QCOMPARE(cell(window.filePages().m_uploadedFiletable, 0, 5)->text(), QStringLiteral("Uploading Failed"));
        QCOMPARE(cell(window.filePages().m_uploadedFiletable, 1, 5)->text(), QStringLiteral("Waiting"));
        QCOMPARE(cell(window.filePages().m_dowLoadtable, 0, 5)->text(), QStringLiteral("Downloading Failed"));
        QCOMPARE(window.filePages().m_fileStatusLabel->text(), QStringLiteral("Downloading Failed"));
        const QString transcript = window.totalMessage->toPlainText();
        QVERIFY(transcript.contains(QLatin1String("File sending status ::: a.txt sending Failed")));
        QVERIFY(transcript.contains(QLatin1String("File downloading status ::: c.txt downloading Failed")));
        QVERIFY(!transcript.contains(QLatin1String("b.txt")));
    }

    // A click on a tab of the chat window shows its page; the file and
    // conference pages a window starts without are built, named and filled
    // when first shown.
    void chatTabsSwitchPages_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("child");
        QTest::newRow("upload") << 1 << "uploadfile" << "m_uploadedFiletable";
        QTest::newRow("download") << 2 << "downLoadPage" << "m_dowLoadtable";
        QTest::newRow("conference") << 3 << "Conference_Chat" << "m_chatRoomListBox";
    }

    void chatTabsSwitchPages()
    {
        QFETCH(int, tab);
        QFETCH(QString, page);
        QFETCH(QString, child);
        ZELChatWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(!window.hasFilePages());
        QVERIFY(!window.hasConferencePage());
        QCOMPARE(window.Chat->currentIndex(), 0);

        QTabBar *bar = window.Chat->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->tabRect(tab).center());
        QCOMPARE(window.Chat->currentIndex(), tab);
        QCOMPARE(window.Chat->currentWidget()->objectName(), page);
        QWidget *shown = window.Chat->currentWidget()->findChild<QWidget *>(child);
        QVERIFY(shown);
        QTRY_VERIFY(shown->isVisible());
        QCOMPARE(window.hasFilePages(), tab != 3);
        QCOMPARE(window.hasConferencePage(), tab == 3);

        QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->tabRect(0).center());
        QCOMPARE(window.Chat->currentIndex(), 0);
    }
};

ZEL_TEST_MAIN(TestWindows)
#include "tst_windows.moc"
