#include "core/zelclient.h"

#include <QAction>
#include <QFont>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QTimer>
#include <QTreeWidget>

#include <memory>

#include "chat/zelchatwindow.h"
#include "protocol/zelsettingslists.h"
#include "protocol/zeltcpsocket.h"
#include "core/zelthread.h"
#include "settings/zelstatusmessagedialog.h"
#include "style/zelmessageboxclass.h"
#include "mainwindow/zelcontactrow.h"

namespace {

const QString True = QStringLiteral("TRUE");
const QString False = QStringLiteral("FALSE");

constexpr int AnswerYes = 0;
constexpr int AnswerNo = 1;

// Every status entry is Verdana 8; the selected one bold.
QFont entryFont(bool bold)
{
    QFont font(QStringLiteral("Verdana"), 8);
    font.setBold(bold);
    return font;
}

bool isPresenceWord(const QString &word)
{
    return word == QLatin1String("Online") || word == QLatin1String("Away") || word == QLatin1String("Busy")
           || word == QLatin1String("Meeting");
}

QString presenceIcon(const QString &word)
{
    return QStringLiteral(":images/") + word + QStringLiteral(".png");
}

// Position of the message that goes with a presence word; the user-defined
// message for any other word.
int messagePosition(const QString &word)
{
    if (word == QLatin1String("Online"))
        return ZELStatusMessageList::OnlineMessage;
    if (word == QLatin1String("Meeting"))
        return ZELStatusMessageList::MeetingMessage;
    if (word == QLatin1String("Away"))
        return ZELStatusMessageList::AwayMessage;
    if (word == QLatin1String("Busy"))
        return ZELStatusMessageList::BusyMessage;
    return ZELStatusMessageList::UserDefinedStatusMessage;
}

QString setting(const ZELClient &client, int position)
{
    return client.m_statusMessageSettings.value(position);
}

bool promptWanted(const ZELClient &client, int position)
{
    return setting(client, position) == True;
}

void select(QAction *entry)
{
    entry->setChecked(true);
    entry->setFont(entryFont(true));
}

void deselect(const QList<QAction *> &entries)
{
    for (QAction *entry : entries) {
        entry->setChecked(false);
        entry->setFont(entryFont(false));
    }
}

// The status button, the tray and the name button show one status.
void showStatus(ZELClient &client, const QString &word, const QString &trayIcon, const QString &buttonIcon)
{
    client.m_statusMessageToolButton->setText(word);
    client.m_trayIcon->setIcon(ZELContactRow::icon(trayIcon));
    client.m_trayIcon->setToolTip(QStringLiteral("ZEL (") + word + QStringLiteral(")"));
    client.m_userNamePushButton->setIcon(ZELContactRow::icon(buttonIcon));
}

void showPresence(ZELClient &client, const QString &word)
{
    showStatus(client, word, presenceIcon(word), presenceIcon(word));
}

// The user-defined entry follows status position 0.
void setUpUserStatusEntry(ZELClient &client)
{
    const QString name = setting(client, ZELStatusMessageList::UserDefinedStatus);
    if (name == QLatin1String("<EMPTY>")) {
        client.m_userStatusAction->setEnabled(false);
        client.m_userStatusAction->setText(QStringLiteral("User Status"));
    } else {
        client.m_userStatusAction->setText(name);
        client.m_userStatusAction->setEnabled(true);
    }
}

QAction *entryForWord(const ZELClient &client, const QString &word)
{
    if (word == QLatin1String("Online"))
        return client.m_onlineAction;
    if (word == QLatin1String("Meeting"))
        return client.m_meetingAction;
    if (word == QLatin1String("Away"))
        return client.m_awayAction;
    if (word == QLatin1String("Busy"))
        return client.m_busyAction;
    return client.m_userStatusAction;
}

QList<QAction *> allEntries(const ZELClient &client)
{
    return {client.m_onlineAction, client.m_meetingAction, client.m_awayAction, client.m_busyAction,
            client.m_userStatusAction, client.m_invisibleModeAction};
}

// Online, Meeting, Away or Busy applied through its own entry.
void applyPresence(ZELClient &client, QAction *entry, const QString &word, bool keepCurrentStatus)
{
    if (entry->isChecked()) {
        QList<QAction *> others = allEntries(client);
        others.removeOne(entry);
        deselect(others);
        entry->setFont(entryFont(true));
        client.sendStatusMessage(word, setting(client, messagePosition(word)));
        showPresence(client, word);
    } else {
        // The selected entry was chosen again, which unchecked it.
        select(entry);
    }
    if (!keepCurrentStatus)
        client.m_currentStatus = word;
}

// Opens the status message editor for a status word; it deletes itself when it closes.
ZELStatusMessageDialog *openStatusEditor(ZELClient &client, const QString &status)
{
    auto *editor = new ZELStatusMessageDialog(&client);
    QObject::connect(editor, &ZELStatusMessageDialog::cancelStatusMessageSignal, &client,
                     &ZELClient::cancelStatusMessageSignal);
    QObject::connect(editor, &ZELStatusMessageDialog::sendStatusMessageSignal, &client,
                     &ZELClient::sendStatusMessageSignal);
    editor->showStatusMessageDialog(status, client.m_statusMessageSettings);
    return editor;
}

// The menu's click has already flipped the entry. An editor closed without Ok
// or Close leaves the status as it was, so the check mark goes back too:
// otherwise the entry would read as selected and choosing it again would send nothing.
void promptForChoice(ZELClient &client, QAction *entry, const QString &status)
{
    const bool before = !entry->isChecked();
    ZELStatusMessageDialog *editor = openStatusEditor(client, status);
    auto answered = std::make_shared<bool>(false);
    const auto markAnswered = [answered] { *answered = true; };
    QObject::connect(editor, &ZELStatusMessageDialog::sendStatusMessageSignal, &client, markAnswered);
    QObject::connect(editor, &ZELStatusMessageDialog::cancelStatusMessageSignal, &client, markAnswered);
    QObject::connect(editor, &QObject::destroyed, &client, [answered, entry = QPointer<QAction>(entry), before] {
        if (!*answered && entry)
            entry->setChecked(before);
    });
}

// Back to the login page, then sign out.
void signOutFromStatus(ZELClient &client)
{
    if (!(client.loginPage->isVisible() && client.stackedWidget->currentWidget() == client.loginPage))
        client.stackedWidget->setCurrentWidget(client.loginPage);
    client.signOut();
}

} // namespace

void ZELClient::availableAction()
{
    applyPresence(*this, m_onlineAction, QStringLiteral("Online"), false);
}

void ZELClient::meetingAction()
{
    applyPresence(*this, m_meetingAction, QStringLiteral("Meeting"), false);
}

void ZELClient::awayAction()
{
    applyPresence(*this, m_awayAction, QStringLiteral("Away"), m_autoAwayInProgress);
}

void ZELClient::busyAction()
{
    applyPresence(*this, m_busyAction, QStringLiteral("Busy"), m_autoBusyInProgress);
}

void ZELClient::userDefinedAction()
{
    const QString name = setting(*this, ZELStatusMessageList::UserDefinedStatus);
    if (m_userStatusAction->isChecked()) {
        deselect({m_onlineAction, m_awayAction, m_busyAction, m_meetingAction, m_invisibleModeAction});
        m_userStatusAction->setFont(entryFont(true));
        sendStatusMessage(name, setting(*this, ZELStatusMessageList::UserDefinedStatusMessage));
        showStatus(*this, name, QStringLiteral(":images/icon.png"), QStringLiteral(":images/splash.png"));
    } else {
        select(m_userStatusAction);
    }
    m_currentStatus = name;
}

void ZELClient::sendStatusMessage(QString status, QString message)
{
    // The message comes before the status word.
    QStringList request = {QStringLiteral("CHANGESTATUS"), message, status};
    convertXMLSendToServer(request);
}

void ZELClient::changeStatus(int x, int y, bool keyPressed)
{
    if (m_tcpSocket->state() != QAbstractSocket::ConnectedState && !m_workerThread->reconnectMode)
        closeConnection();

    if (!MainPage->isVisible() && !m_signedIn && stackedWidget->currentWidget() != MainPage)
        return;

    // The selected contact's card keeps its local clock on the same beat.
    QTreeWidgetItem *current = m_contactView->currentItem();
    if (current && !current->toolTip(0).isEmpty()
        && m_contactDisplaySettings.value(ZELContactDisplayList::HighlightDetails) == True) {
        if (QWidget *card = m_contactView->itemWidget(current, 0)) {
            QString time = m_selectedContactTimeZone;
            calculateTimeZone(time);
            if (auto *label = card->findChild<QLabel *>(QStringLiteral("m_userTimeLabel")))
                label->setText(QStringLiteral("<font color=darkgray>") + time);
        }
    }

    const QPoint position(x, y);
    const bool moved = position != m_lastCursorPosition;
    noteUserInput(moved || keyPressed);
    if (!moved && !m_idleTimersArmed && !keyPressed) {
        m_awayTimer->start(m_awayMinutes * m_idleMinuteMs);
        m_busyTimer->start(m_busyMinutes * m_idleMinuteMs);
        m_idleTimersArmed = true;
    } else if ((moved && m_idleTimersArmed) || keyPressed) {
        m_awayTimer->stop();
        m_busyTimer->stop();
        const bool automaticShown = (m_awayAction->isChecked() || m_busyAction->isChecked()) && m_autoStatusApplied;
        const bool returnFromBusy = m_busyAction->isChecked()
                                    && m_autoStatusSettings.value(ZELAutoStatusList::BusyToOnline) == True;
        const bool returnFromAway = m_awayAction->isChecked()
                                    && m_autoStatusSettings.value(ZELAutoStatusList::AwayToOnline) == True;
        if (!automaticShown) {
            m_idleTimersArmed = false;
        } else if (returnFromBusy || returnFromAway) {
            // Only these two are returned to; any other choice keeps the automatic status.
            if (m_currentStatus == QLatin1String("Online")) {
                m_onlineAction->setChecked(true);
                availableAction();
            } else if (m_currentStatus == QLatin1String("Meeting")) {
                m_meetingAction->setChecked(true);
                meetingAction();
            }
            m_autoStatusApplied = false;
            m_idleTimersArmed = false;
        }
    }
    m_lastCursorPosition = position;
}

void ZELClient::callChangeStatus()
{
    if (!m_signedIn || m_awayAction->isChecked()
        || m_autoStatusSettings.value(ZELAutoStatusList::OnlineToAway) != True
        || m_invisibleModeAction->isChecked() || m_meetingAction->isChecked())
        return;
    m_awayAction->setChecked(true);
    m_autoAwayInProgress = true;
    awayAction();
    m_autoAwayInProgress = false;
    m_autoStatusApplied = true;
}

void ZELClient::changeStatusAsBusy()
{
    if (!m_signedIn || m_awayAction->isChecked()
        || m_autoStatusSettings.value(ZELAutoStatusList::OnlineToBusy) != True
        || m_invisibleModeAction->isChecked() || m_busyAction->isChecked() || m_meetingAction->isChecked())
        return;
    m_busyAction->setChecked(true);
    m_autoBusyInProgress = true;
    busyAction();
    m_autoBusyInProgress = false;
    m_autoStatusApplied = true;
}

void ZELClient::setDefaultStatusMessage()
{
    deselect(allEntries(*this));
    const QString loginStatus = setting(*this, ZELStatusMessageList::LoginStatus);
    m_statusMessageToolButton->setText(loginStatus);
    // Every sign-in passes here: the default log-in status is the one chosen.
    m_currentStatus = loginStatus;

    if (m_invisibleLogin == True) {
        select(m_invisibleModeAction);
        m_invisibleModeAction->setText(QStringLiteral("&Visible Mode"));
        for (QAction *entry : {m_awayAction, m_busyAction, m_meetingAction, m_onlineAction, m_userStatusAction})
            entry->setEnabled(false);
        m_trayIcon->setIcon(ZELContactRow::icon(QStringLiteral(":images/Invisible.png")));
        m_trayIcon->setToolTip(QStringLiteral("ZEL (Invisible)"));
        m_userNamePushButton->setIcon(ZELContactRow::icon(QStringLiteral(":images/Invisible.png")));
        return;
    }

    for (QAction *entry : {m_awayAction, m_busyAction, m_meetingAction, m_onlineAction})
        entry->setEnabled(true);
    setUpUserStatusEntry(*this);
    m_defaultStatusMessage = setting(*this, messagePosition(loginStatus));
    select(entryForWord(*this, loginStatus));

    if (!m_statusMessagesSaved)
        return;
    if (isPresenceWord(loginStatus))
        showPresence(*this, loginStatus);
    else
        showStatus(*this, loginStatus, QStringLiteral(":images/icon.png"), QStringLiteral(":images/splash.png"));
    QStringList request = {QStringLiteral("UPDATESTATUSMESSAGE"), loginStatus, m_defaultStatusMessage};
    convertXMLSendToServer(request);
}

void ZELClient::updateStatusMessages()
{
    if (m_statusMessagesSaved) {
        QStringList request = {QStringLiteral("UPDATESTATUSMESSAGE"),
                               setting(*this, ZELStatusMessageList::LoginStatus), m_defaultStatusMessage};
        convertXMLSendToServer(request);
    }
    if (m_userStatusAction->isChecked())
        sendStatusMessage(setting(*this, ZELStatusMessageList::UserDefinedStatus),
                          setting(*this, ZELStatusMessageList::UserDefinedStatusMessage));
}

void ZELClient::sendStatusMessageSignal(QString &status, QStringList &messages)
{
    m_statusMessageSettings = messages;
    editPreferencesSettings();
    callStatusFunction(status);
}

void ZELClient::cancelStatusMessageSignal(QString &status)
{
    // Cancelling keeps the stored message but still applies the status.
    callStatusFunction(status);
}

void ZELClient::promtStatusMessageDialog(QString status)
{
    openStatusEditor(*this, status);
}

void ZELClient::callManualSignOutFunction()
{
    if (promptWanted(*this, ZELStatusMessageList::PromptOffline))
        promtStatusMessageDialog(QStringLiteral("Offline"));
    else
        signOutFromStatus(*this);
}

void ZELClient::callStatusFunction(QString status)
{
    if (status == QLatin1String("Online"))
        availableAction();
    else if (status == QLatin1String("Away"))
        awayAction();
    else if (status == QLatin1String("Meeting"))
        meetingAction();
    else if (status == QLatin1String("Busy"))
        busyAction();
    else if (status == QLatin1String("Offline"))
        signOutFromStatus(*this);
    else if (status == QLatin1String("Invisible Mode") || status == QLatin1String("Visible Mode"))
        invisibleToggle();
    else
        userDefinedAction();
}

void ZELClient::changeStatusManually(QAction *action)
{
    if (!action)
        return;
    const QString text = action->text().remove(QLatin1Char('&'));

    struct Presence
    {
        QAction *entry;
        int prompt;
        bool autoInProgress;
        void (ZELClient::*apply)();
    };
    const Presence presences[] = {
        {m_onlineAction, ZELStatusMessageList::PromptOnline, false, &ZELClient::availableAction},
        {m_awayAction, ZELStatusMessageList::PromptAway, m_autoAwayInProgress, &ZELClient::awayAction},
        {m_meetingAction, ZELStatusMessageList::PromptMeeting, false, &ZELClient::meetingAction},
        {m_busyAction, ZELStatusMessageList::PromptBusy, m_autoBusyInProgress, &ZELClient::busyAction},
    };
    for (const Presence &presence : presences) {
        if (action != presence.entry)
            continue;
        if (presence.entry->isChecked()) {
            if (promptWanted(*this, presence.prompt))
                promptForChoice(*this, action, text);
            else
                (this->*presence.apply)();
        } else {
            // The selected entry was chosen again: it stays selected, nothing is sent.
            select(presence.entry);
            if (!presence.autoInProgress)
                m_currentStatus = text;
        }
        return;
    }

    if (action == m_invisibleModeAction) {
        const bool turningInvisible = text == QLatin1String("Invisible Mode");
        const bool turningVisible = text == QLatin1String("Visible Mode");
        if ((turningInvisible && promptWanted(*this, ZELStatusMessageList::PromptOffline))
            || (turningVisible && promptWanted(*this, ZELStatusMessageList::PromptOnline)))
            promptForChoice(*this, action, text);
        else
            invisibleToggle();
        return;
    }

    if (action != m_userStatusAction)
        return;
    if (m_userStatusAction->isChecked()) {
        if (promptWanted(*this, ZELStatusMessageList::PromptUserDefined))
            promptForChoice(*this, action, text);
        else
            userDefinedAction();
    } else {
        select(m_userStatusAction);
        m_currentStatus = setting(*this, ZELStatusMessageList::UserDefinedStatus);
    }
}

void ZELClient::invisibleToggle()
{
    const bool turningInvisible = m_invisibleModeAction->isChecked();

    if (turningInvisible && !m_chatWindows.isEmpty()) {
        if (!isActiveWindow())
            showNormal();
        const int answer = m_questionBox->showQuestionBox(
            this, QStringLiteral("Zembrio"), QStringLiteral("Are you sure you want to close all chat instance ?"),
            AnswerYes, AnswerNo);
        if (answer != AnswerYes) {
            // Still visible: the entry reads as it did before the choice.
            deselect({m_invisibleModeAction});
            m_invisibleModeAction->setText(QStringLiteral("&Invisible Mode"));
            return;
        }
        // Windows leave the map as they close: walk a copy.
        const QMap<QString, ZELChatWindow *> windows = m_chatWindows;
        for (auto it = windows.cbegin(); it != windows.cend(); ++it) {
            QPointer<ZELChatWindow> window = it.value();
            if (window) {
                window->m_closeSilently = true;
                window->close();
            }
            if (m_chatWindows.value(it.key()) == it.value())
                m_chatWindows.remove(it.key());
        }
    }

    const QList<QAction *> presences = {m_awayAction, m_busyAction, m_meetingAction, m_onlineAction,
                                        m_userStatusAction};
    QString value;
    if (turningInvisible) {
        m_invisibleLogin = True;
        deselect(presences);
        m_invisibleModeAction->setFont(entryFont(true));
        for (QAction *entry : presences)
            entry->setEnabled(false);
        m_statusMessageToolButton->setText(QStringLiteral("Invisible"));
        m_invisibleModeAction->setText(QStringLiteral("&Visible Mode"));
        m_trayIcon->setIcon(ZELContactRow::icon(QStringLiteral(":images/Invisible.png")));
        m_trayIcon->setToolTip(QStringLiteral("ZEL (Invisible)"));
        m_userNamePushButton->setIcon(ZELContactRow::icon(QStringLiteral(":images/Invisible.png")));
        value = QStringLiteral("Offline##") + setting(*this, ZELStatusMessageList::OfflineMessage);
    } else {
        m_invisibleLogin = False;
        deselect({m_invisibleModeAction});
        m_invisibleModeAction->setText(QStringLiteral("&Invisible Mode"));
        for (QAction *entry : {m_awayAction, m_busyAction, m_meetingAction, m_onlineAction})
            entry->setEnabled(true);
        setUpUserStatusEntry(*this);

        // Leaving invisible mode returns to the default log-in status.
        const QString loginStatus = setting(*this, ZELStatusMessageList::LoginStatus);
        select(entryForWord(*this, loginStatus));
        if (isPresenceWord(loginStatus))
            showPresence(*this, loginStatus);
        else
            showStatus(*this, loginStatus, QStringLiteral(":images/splash.png"), QStringLiteral(":images/icon.png"));
        value = loginStatus + QStringLiteral("##") + setting(*this, messagePosition(loginStatus));
    }

    QStringList request = {QStringLiteral("INVISBLEMODE"), m_invisibleLogin, value};
    convertXMLSendToServer(request);
}

void ZELClient::setInvisibleMode()
{
    if (m_invisibleModeAction->isChecked()) {
        m_invisibleModeAction->setChecked(false);
        m_invisibleModeAction->setFont(entryFont(false));
        m_invisibleModeAction->setText(QStringLiteral("&Invisible Mode"));
    } else {
        m_invisibleModeAction->setChecked(true);
        m_invisibleModeAction->setFont(entryFont(true));
        m_invisibleModeAction->setText(QStringLiteral("&Visible Mode"));
    }
    invisibleToggle();
}
