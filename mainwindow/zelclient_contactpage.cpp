#include "core/zelclient.h"

#include <QAction>
#include <QHeaderView>
#include <QMovie>
#include <QSignalBlocker>
#include <QTimer>
#include <QTreeWidget>

#include "protocol/zelparsedmessage.h"
#include "protocol/zelsettingslists.h"
#include "core/zelthread.h"
#include "mainwindow/zelsearchcontactaction.h"
#include "style/zelmessageboxclass.h"
#include "mainwindow/zelcontactrow.h"
#include "style/zeltextbounds.h"

namespace {

// Values of a successful "LOGIN" reply.
enum SignInReply { DisplayName = 2, MarqueeText = 3, InvisiblePermission = 4, OwnProfile = 5 };

// The scrolling line is laid out and painted whole at every step: the server's
// text is shown up to this many characters (an announcement, not a document).
constexpr int MarqueeLength = 4 * ZELTextBounds::LineLength;

const QString True = QStringLiteral("TRUE");
const QString False = QStringLiteral("FALSE");

bool isPresenceWord(const QString &status)
{
    return status == QLatin1String("Online") || status == QLatin1String("Away")
           || status == QLatin1String("Busy") || status == QLatin1String("Meeting");
}

QTreeWidgetItem *addGroupRow(QTreeWidget *tree, const QString &text, const char *icon)
{
    auto *item = new QTreeWidgetItem(tree, QStringList(text));
    if (icon)
        item->setIcon(0, ZELContactRow::icon(QString::fromLatin1(icon)));
    return item;
}

} // namespace

void ZELClient::successFullLoginStatus(QStringList reply)
{
    if (m_userNotInPreferences) {
        createXMLfileForUsers();
        m_userNotInPreferences = false;
    }

    if (processPage->isVisible() || stackedWidget->currentWidget() == processPage) {
        m_processMovie->stop();
        m_connectingMovie->stop();
    }
    stackedWidget->setCurrentWidget(MainPage);

    settleSlicedWork();
    m_contactView->clear();
    m_expandedContactItem = nullptr;
    m_searchMatches.clear();

    m_ownDisplayName = messageValue(reply, DisplayName);

    // Fixed order: readers rely on the indices 0 to 5.
    m_recentChatsItem = addGroupRow(m_contactView, QStringLiteral("Recent Chats with..."), ":images/favourite.png");
    m_onlineItem = addGroupRow(m_contactView, QStringLiteral("Online"), ":images/online_icon.png");
    m_offlineItem = addGroupRow(m_contactView, QStringLiteral("Offline"), ":images/offline_icon.png");
    m_activeItem = addGroupRow(m_contactView, QStringLiteral("Active"), ":images/online_icon.png");
    m_inactiveItem = addGroupRow(m_contactView, QStringLiteral("Inactive"), ":images/offline_icon.png");
    m_contactListEmptyItem = addGroupRow(m_contactView, QStringLiteral("Contact List Empty"), nullptr);
    m_contactListEmptyItem->setFont(0, QFont(QStringLiteral("Comic Sans MS"), 9, QFont::Bold));
    {
        // Opening the groups is not the user's expansion: it must not make a
        // group the current row, so nothing is selected after sign-in.
        const QSignalBlocker quiet(m_contactView);
        for (QTreeWidgetItem *item : {m_offlineItem, m_onlineItem, m_recentChatsItem, m_activeItem, m_inactiveItem})
            item->setExpanded(true);
    }

    showContactListEmpty();

    const bool hideOffline = m_hideOfflineUsers == True;
    m_hideOfflineUsersAction->setFont(QFont(QStringLiteral("Verdana"), 8, hideOffline ? QFont::Bold : QFont::Normal));
    m_hideOfflineUsersAction->setText(hideOffline ? QStringLiteral("Show &Offline Users")
                                                  : QStringLiteral("Hide &Offline Users"));
    m_hideOfflineUsersAction->setChecked(hideOffline);

    QString shownName = m_ownDisplayName;
    if (shownName.size() > 15)
        shownName = shownName.left(15) + QStringLiteral("...");
    m_userNamePushButton->setText(QStringLiteral("    ") + shownName);

    const QString status = m_statusMessageSettings.value(ZELStatusMessageList::LoginStatus);
    if (m_invisibleLogin == True) {
        m_statusMessageToolButton->setText(QStringLiteral("Invisible"));
        m_trayIcon->setIcon(ZELContactRow::icon(QStringLiteral(":images/Invisible.png")));
        m_trayIcon->setToolTip(QStringLiteral("ZEL (Invisible)"));
        m_userNamePushButton->setIcon(ZELContactRow::icon(QStringLiteral(":images/Invisible.png")));
    } else {
        m_statusMessageToolButton->setText(status);
        m_trayIcon->setToolTip(QStringLiteral("ZEL (") + status + QStringLiteral(")"));
        if (isPresenceWord(status)) {
            const QIcon icon = ZELContactRow::icon(QStringLiteral(":images/") + status + QStringLiteral(".png"));
            m_trayIcon->setIcon(icon);
            m_userNamePushButton->setIcon(icon);
        } else {
            m_trayIcon->setIcon(ZELContactRow::icon(QStringLiteral(":images/icon.png")));
            m_userNamePushButton->setIcon(ZELContactRow::icon(QStringLiteral(":images/splash.png")));
        }
    }

    // The scrolling line: a sign-in without a text leaves a running one alone.
    watchWhetherSeen();
    const QString marquee = ZELTextBounds::elided(messageValue(reply, MarqueeText), MarqueeLength);
    if (!marquee.isEmpty()) {
        if (m_textScrollTimer->isActive())
            m_textScrollTimer->stop();
        m_marqueeText = marquee;
        movingText();
    }

    if (!m_workerThread->isRunning())
        m_workerThread->start(QThread::InheritPriority);

    m_contactView->header()->hide();

    m_signInAction->setText(QStringLiteral("Sign Out"));
    m_trayStatusAction->setEnabled(true);

    m_sessionActive = true;
    m_signedIn = true;
    m_workerThread->activityMonitor = true;

    m_currentStatus = status;

    if (messageValue(reply, InvisiblePermission) == QLatin1String("0")) {
        if (m_invisibleModeCheckBox->isChecked()) {
            m_informationBox->showInformationBox(this, QStringLiteral("ZEL"),
                                                 QStringLiteral("You don't have invisible mode permission"));
            m_invisibleModeCheckBox->setChecked(false);
            m_invisibleLogin = False;
            setDefaultStatusMessage();
            m_trayIcon->setToolTip(QStringLiteral("ZEL (") + status + QStringLiteral(")"));
            if (isPresenceWord(status)) {
                const QIcon icon = ZELContactRow::icon(QStringLiteral(":images/") + status + QStringLiteral(".png"));
                m_trayIcon->setIcon(icon);
                m_userNamePushButton->setIcon(icon);
            } else {
                m_trayIcon->setIcon(ZELContactRow::icon(QStringLiteral(":images/icon.png")));
                m_userNamePushButton->setIcon(ZELContactRow::icon(QStringLiteral(":images/splash.png")));
            }
        }
        m_invisibleModeAction->setEnabled(false);
    } else {
        m_invisibleModeAction->setEnabled(true);
    }

    // The login page's boxes take effect now, and only when one was pressed.
    if (m_autoSignInChanged && m_autoStatusSettings.size() > ZELAutoStatusList::AutoLogin)
        m_autoStatusSettings[ZELAutoStatusList::AutoLogin] = m_autoSignInCheckBox->isChecked() ? True : False;
    if (m_rememberPasswordChanged)
        m_rememberPassword = m_rememberPasswordCheckBox->isChecked() ? True : False;
    if (m_rememberMeChanged)
        m_rememberMe = m_rememberMeCheckBox->isChecked() ? True : False;
    // The stored password is the one of the last successful sign-in: one
    // changed elsewhere would otherwise fail every automatic sign-in.
    const bool passwordChanged = m_autoLoginPassword != m_password;
    if (passwordChanged)
        m_autoLoginPassword = m_password;
    const LoginSettingsRecord record{m_loginId, m_autoStatusSettings.value(ZELAutoStatusList::AutoLogin),
                                     m_autoLoginPassword, m_rememberMe, m_rememberPassword};
    if (m_autoSignInChanged || m_rememberPasswordChanged || m_rememberMeChanged || passwordChanged) {
        m_autoSignInChanged = false;
        m_rememberPasswordChanged = false;
        m_rememberMeChanged = false;
        editPreferencesSettings();
        m_loginSettings.insert(m_loginId, record);
    }
    if (!m_loginSettings.contains(m_loginId))
        m_loginSettings.insert(m_loginId, record);
    if (userNameEdit->findText(m_loginId, Qt::MatchFixedString) < 0)
        userNameEdit->addItem(m_loginId);

    m_ownProfile = messageValue(reply, OwnProfile).split(QStringLiteral("##"), Qt::KeepEmptyParts);
    if (m_chatHistorySettings.value(ZELChatHistoryList::DeleteHistory) == True)
        checkChatHistoryFolder();

    placeSearchContactAction(m_contactsPopupMenu, m_searchContactAction,
                             m_contactDisplaySettings.value(ZELContactDisplayList::SearchOnCtrlF) == True);
}
