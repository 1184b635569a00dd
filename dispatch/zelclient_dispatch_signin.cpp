#include "core/zelclient.h"

#include <QApplication>
#include <QMetaObject>
#include <QTimer>

#include "protocol/zelparsedmessage.h"
#include "protocol/zelsettingslists.h"
#include "protocol/zeltcpsocket.h"
#include "media/zelvoicemail.h"
#include "mainwindow/zelcontactrow.h"

namespace {

enum LoginPosition { LoginResult = 1 };

// The combo box always ends up holding and showing the login id, so that a
// retry needs only the password.
void reofferLoginId(ZELClient &client)
{
    QComboBox *box = client.userNameEdit;
    int index = box->findText(client.m_loginId, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0) {
        box->addItem(client.m_loginId);
        index = box->count() - 1;
    }
    box->setCurrentIndex(index);
}

void clearPasswordForRetry(ZELClient &client)
{
    client.passWordEdit->clear();
    client.passWordEdit->setFocus();
}

void uncheckLoginBoxes(ZELClient &client)
{
    client.m_invisibleModeCheckBox->setChecked(false);
    client.m_rememberMeCheckBox->setChecked(false);
    client.m_rememberPasswordCheckBox->setChecked(false);
    client.m_autoSignInCheckBox->setChecked(false);
}

void showLoginPageError(ZELClient &client, const QString &text)
{
    client.m_showErrorLable->show();
    client.m_showErrorLable->setText(text);
}

} // namespace

ZELDispatchResult ZELClient::dispatchLogin(const QStringList &message)
{
    // An answer owed to a sign-in the user was told to try again, while no
    // new one is pending, must not sign in behind their back. A refusal, or
    // any answer once signed in, says nothing new; an acceptance is signed
    // out at once and its connection closed, so nothing of that session is
    // read, and the client connects anew. (While a new attempt is pending,
    // the first answer to come is the user's wish and is taken.)
    if (!m_signInPending && !m_abandonedSignIns.isEmpty()) {
        const QString loginId = m_abandonedSignIns.takeFirst();
        if (m_signedIn || messageValue(message, LoginResult) != QLatin1String("SUCCESSLOGIN"))
            return ZELDispatchResult::Continue;
        QStringList request{QStringLiteral("SIGNOUT"), loginId,
                            m_statusMessageSettings.value(ZELStatusMessageList::OfflineMessage)};
        convertXMLSendToServer(request);
        m_abandonedSessionOpen = true;
        // Not from inside the socket's own delivery.
        QMetaObject::invokeMethod(m_tcpSocket, &QAbstractSocket::disconnectFromHost, Qt::QueuedConnection);
        return ZELDispatchResult::Return;
    }

    m_signInPending = false;
    m_pendingSignInStarter = SignInStarter::User;
    m_trayAnimationFrame = 0;
    m_trayRotationTimer->stop();
    setWindowIcon(ZELContactRow::icon(QStringLiteral(":images/icon.png")));
    m_trayIcon->setToolTip(QStringLiteral("ZEL Connected (Offline)"));
    m_trayIcon->setIcon(ZELContactRow::icon(QStringLiteral(":images/Offline.png")));
    if (m_waitCursorShown) {
        QApplication::restoreOverrideCursor();
        m_waitCursorShown = false;
    }

    const QString result = messageValue(message, LoginResult);
    if (result == QLatin1String("SUCCESSLOGIN")) {
        // A lost session's windows are this session's now.
        m_lostSessionUser.clear();
        m_users.clear();
        successFullLoginStatus(message);
        // Group messages that waited unseen when this user last signed out.
        const QList<QStringList> held = m_heldGroupMessages.take(m_loginId);
        for (const QStringList &waiting : held)
            displayGroupMessage(waiting);
        for (const QStringList &waiting : m_heldChats.take(m_loginId))
            dispatchMessage(waiting);
        scheduleWaitingChats();
        return ZELDispatchResult::Continue;
    }

    struct Refusal
    {
        const char *result;
        const char *text;
    };
    static const Refusal refusals[] = {
        {"INVALIDLOGIN", "Invalid login id / password"},
        {"INACTIVE", "You are inactive contact administrator"},
        {"ALREADYLOGGEDIN", "Already logged in"},
        {"INVALIDVERSION", "<b>Not a valid version </b><br>Install new version</a>"},
        {"DATABASEPROBLEM", "Data Base problem.Try after sometime"},
    };
    const Refusal *refusal = nullptr;
    for (const Refusal &row : refusals) {
        if (result == QLatin1String(row.result))
            refusal = &row;
    }
    if (!refusal)
        return ZELDispatchResult::Continue;

    // The refused sign-in is answered: whatever follows is the user's own.
    m_autoReSignIn = false;
    const bool versionRefused = result == QLatin1String("INVALIDVERSION");
    if (!versionRefused) {
        reofferLoginId(*this);
        clearPasswordForRetry(*this);
    }
    if (result == QLatin1String("ALREADYLOGGEDIN"))
        uncheckLoginBoxes(*this);
    showLoginPageError(*this, QString::fromLatin1(refusal->text));
    if (result == QLatin1String("INVALIDLOGIN"))
        indicateCapsLock();
    if (versionRefused) {
        // No automatic sign-in and no reconnection for this run.
        m_versionRefused = true;
        m_autoLoginTried = true;
    }
    m_userNotInPreferences = true;
    m_preferencesEditMode = false;
    m_loginListFilled = true;
    return ZELDispatchResult::Continue;
}

ZELDispatchResult ZELClient::dispatchAnotherUserLogged(const QStringList &)
{
    m_voiceMailRecorder->closeConnection();
    signOutSuccessFull();

    m_connectionStateText = QStringLiteral("Disconnected");
    m_trayIcon->setToolTip(QStringLiteral("ZEL ") + m_connectionStateText);
    m_connectedStateLabel->setText(QStringLiteral("<font color = 'red'>") + m_connectionStateText);

    m_keepAliveTimer->stop();
    stackedWidget->setCurrentWidget(loginPage);

    m_signInAction->setEnabled(false);
    // Never cleared: the other machine keeps the account, so no reconnection.
    m_signedInElsewhere = true;

    reofferLoginId(*this);
    clearPasswordForRetry(*this);
    uncheckLoginBoxes(*this);
    m_forgetMeLink->setEnabled(false);
    m_rememberPasswordCheckBox->setEnabled(false);
    showLoginPageError(*this, QStringLiteral("This user has been logged in another machine"));
    return ZELDispatchResult::Continue;
}
