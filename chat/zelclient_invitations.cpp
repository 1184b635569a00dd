#include "core/zelclient.h"

#include "chat/zelrequestdialog.h"
#include "protocol/zelparsedmessage.h"

// The main widget's side of the invitation pop-ups: one pop-up per request,
// kept in m_requestDialogs while it is open, and the answers sent to the server.

namespace {

// Positions in the messages a pop-up answers.
enum ConferenceInvitation { InviterUserName = 2, ConferenceName = 3, InviterDisplayName = 4 };
enum ApprovalAlert { AddingUserName = 1 };

} // namespace

void ZELClient::showConferenceChatAcceptanceDialog(QString kind, QStringList details)
{
    // The main window was just raised for this request: pop-ups still open
    // stay above it, or a window-modal one would block it from underneath.
    const QList<ZELRequestDialog *> open = m_requestDialogs.keys();
    for (ZELRequestDialog *dialog : open)
        dialog->raise();
    auto *dialog = new ZELRequestDialog(this);
    connect(dialog, &ZELRequestDialog::requestDialogCloseSignal, this, &ZELClient::requestDialogCloseSignal);
    connect(dialog, &ZELRequestDialog::sendAcceptRejectSignal, this, &ZELClient::sendAcceptRejectSignal);
    connect(dialog, &ZELRequestDialog::decideLaterUserContact, this, &ZELClient::decideLaterUserContact);
    m_requestDialogs.insert(dialog, 0);
    dialog->setRequestDetails(kind, details);
    dialog->setFocus();
}

void ZELClient::requestDialogCloseSignal(ZELRequestDialog *dialog)
{
    if (dialog)
        m_requestDialogs.remove(dialog);
}

void ZELClient::sendAcceptRejectSignal(QString &kind, QString &answer, QStringList &details)
{
    if (kind == QLatin1String("CHAT")) {
        // An answer given after signing out would reach nobody.
        if (!m_signedIn)
            return;
        const QString status = answer == QLatin1String("Accepted") ? answer : QStringLiteral("Declined");
        conferenceChatStatus(status, messageValue(details, InviterUserName), messageValue(details, ConferenceName),
                             messageValue(details, InviterDisplayName));
    } else if (kind == QLatin1String("ADD")) {
        const QString requester = messageValue(details, AddingUserName);
        if (requester.isEmpty())
            return;
        addContactApprovalStatus(answer, requester, m_loginId);
        checkUserNameInApprovalContact(requester);
    }
    // Voice-chat answers need nothing from the main widget.
}

void ZELClient::conferenceChatStatus(QString status, QString inviter, QString conference, QString)
{
    QStringList request{QStringLiteral("CONFERECECHATSTATUS"), inviter, m_loginId, conference, status,
                        m_ownDisplayName};
    convertXMLSendToServer(request);
}
