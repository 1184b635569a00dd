#include "core/zelclient.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QMenu>
#include <QPixmap>
#include <QTableWidget>
#include <QTreeWidget>

#include "chat/zelrequestdialog.h"
#include "contacts/zeladdcontact.h"
#include "contacts/zelapprovaladdcontact.h"
#include "contacts/zelapprovalrequesteduser.h"
#include "contacts/zelcontacttable.h"
#include "contacts/zeldeletecontact.h"
#include "contacts/zelprofilesettings.h"
#include "contacts/zeluserprofiledialog.h"
#include "mainwindow/zelcontactrow.h"
#include "reminders/zelreminderdialog.h"
#include "style/zelmessageboxclass.h"
#include "protocol/zelparsedmessage.h"

namespace {

// Positions of the own-profile list.
enum OwnProfileValue { OwnDisplayName, OwnPhoto = 8, OwnProfileSize = 12 };
// Positions of a contact's "&&"-joined profile.
enum ProfileValue { ProfileEmail = 2, ProfileStreet = 5, ProfileArea = 7, ProfileCity = 8, ProfilePhone = 9,
                    ProfileCompany = 12 };

const char ApprovalText[] = "Add Contact A&pproval";
const char RequestedText[] = "Approval Requested User Contacts";

// A dialog left maximised comes back maximised, with its maximised chrome.
template<typename Dialog>
void showKeepingMaximized(Dialog *dialog)
{
    if (!dialog->isMaximized()) {
        dialog->show();
    } else if (dialog->m_maximized) {
        dialog->showNormal();
        dialog->maximized();
    }
}

} // namespace

void ZELClient::addContactWindow()
{
    if (m_contactsPopupMenu->isVisible())
        m_contactsPopupMenu->close();
    m_addContactDialog->setModal(true);
    showKeepingMaximized(m_addContactDialog.get());
}

void ZELClient::addContactName(QStringList &request, QStringList &users, QStringList &profiles)
{
    addUsersListInMainWindow(users, profiles);
    convertXMLSendToServer(request);
    hideFavouritesUsers();
}

void ZELClient::searchStringToServer(QString &keyword)
{
    if (!m_waitCursorShown) {
        const QPixmap wait(QStringLiteral(":images/Wait.png"));
        QApplication::setOverrideCursor(QCursor(wait, wait.width() / 2, wait.height() / 2));
        m_waitCursorShown = true;
    }
    QStringList request{QStringLiteral("ADDCONTACT"), QStringLiteral("SEARCHKEYWORD"), keyword};
    convertXMLSendToServer(request);
}

void ZELClient::searchUserName(QString &)
{
    // The dialog's user-name search goes through searchKeyword; nothing emits this one.
}

void ZELClient::deleteContactWindow()
{
    QTableWidget *table = m_deleteContactDialog->m_deleteContactList;
    table->setSortingEnabled(false);
    m_deleteContactDialog->m_userProfiles.clear();
    int row = 0;
    for (const UserRecord &record : std::as_const(m_users)) {
        QStringList values = profileParts(record.profileDetails);
        table->insertRow(row);
        table->setRowHeight(row, 20);
        table->setItem(row, ZELDeleteContact::ProfileColumn, ZELContactTable::profileItem());
        table->setItem(row, ZELDeleteContact::NameColumn, ZELContactTable::checkItem(record.displayName));
        ZELContactTable::setText(table, row, ZELDeleteContact::LoginIdColumn, record.userName);
        ZELContactTable::setText(table, row, ZELDeleteContact::CompanyColumn, values.value(ProfileCompany));
        ZELContactTable::setText(table, row, ZELDeleteContact::DepartmentColumn, record.department);
        ZELContactTable::setText(table, row, ZELDeleteContact::JobTitleColumn, record.jobTitle);
        values << record.status;
        m_deleteContactDialog->m_userProfiles.insert(record.userName, values);
        ++row;
    }
    // Rows filled before the counting started: the count starts from nothing.
    m_deleteContactDialog->m_checkedCount = 0;
    if (row == 0) {
        m_informationBox->showInformationBox(this, tr("Remove Contact"), tr("Contact List is Empty"));
        return;
    }
    table->setSortingEnabled(true);
    table->sortItems(ZELDeleteContact::NameColumn, Qt::AscendingOrder);
    m_deleteContactDialog->setModal(true);
    showKeepingMaximized(m_deleteContactDialog.get());
}

void ZELClient::deleteContactName(QStringList &request)
{
    convertXMLSendToServer(request);
    // The reminders kept with a removed contact go with it (an unbuilt
    // reminder dialog lists none).
    if (ZELReminderDialog *dialog = m_reminderDialog.built()) {
        for (int i = 2; i < request.size(); ++i)
            dialog->deleteContactFromReminder(request.at(i), true);
    }
}

void ZELClient::deleteSelectedUserFromContact()
{
    QTreeWidgetItem *item = m_contactView->currentItem();
    if (!item || !item->isSelected())
        return;
    const QString name = item->text(0).section(QLatin1Char('('), 0, 0).simplified();
    const QString login = item->toolTip(0).section(QLatin1Char('-'), 0, 0).simplified();
    QString shown = name;
    if (shown.size() > 20)
        shown = shown.left(20) + QStringLiteral("...");
    QStringList request{QStringLiteral("MULTIPLEDELETECONTACT"), QStringLiteral("DELETENAME"), login};
    const int answer = m_questionBox->showQuestionBox(
        this, tr("Remove Contact"),
        tr("Are you sure you want to remove <font color='blue'>") + shown.toHtmlEscaped() + QStringLiteral("<font color = 'black'>?"),
        3, 4);
    // The row stays until the server confirms the removal.
    if (answer == 3)
        deleteContactName(request);
}

void ZELClient::approvalAddContactWindow()
{
    m_approvalAddContactDialog->setModal(true);
    m_approvalAddContactDialog->show();
    m_approvalAddContactDialog->raise();
    raiseRequestDialogs();
}

void ZELClient::sendAcceptedUsersListSignal(QStringList &users, int &count)
{
    convertXMLSendToServer(users);
    // A contact-added pop-up for a user answered in the list has nothing
    // left to ask: it closes without an answer of its own.
    const QStringList answered = users.mid(2);
    const QList<ZELRequestDialog *> open = m_requestDialogs.keys();
    for (ZELRequestDialog *dialog : open) {
        if (dialog->m_requestType == QLatin1String("ADD") && answered.contains(dialog->m_requestDetails.value(1)))
            dialog->close();
    }
    if (count != 0) {
        m_addContactApprovalAction->setText(tr(ApprovalText) + QStringLiteral(" (") + QString::number(count)
                                            + QLatin1Char(')'));
    } else {
        m_addContactApprovalAction->setText(tr(ApprovalText));
        m_addContactApprovalAction->setEnabled(false);
    }
}

void ZELClient::sendRejectedUsersListSignal(QStringList &users, int &count)
{
    sendAcceptedUsersListSignal(users, count);
}

void ZELClient::checkUserNameInApprovalContact(QString loginId)
{
    QTableWidget *table = m_approvalAddContactDialog->m_approvaltable;
    if (table->rowCount() < 1)
        return;
    m_approvalAddContactDialog->removeAlreadyAddedUserContact(loginId);
    if (table->rowCount() > 0) {
        m_addContactApprovalAction->setText(tr(ApprovalText) + QStringLiteral(" (")
                                            + QString::number(table->rowCount()) + QLatin1Char(')'));
        m_addContactApprovalAction->setEnabled(true);
    } else {
        m_addContactApprovalAction->setText(tr(ApprovalText));
        m_addContactApprovalAction->setEnabled(false);
    }
}

void ZELClient::addContactApprovalStatus(QString answer, QString requester, QString loginId)
{
    QStringList request{QStringLiteral("ADDCONTACTAPPROVALSTATUS"), requester, loginId, answer};
    convertXMLSendToServer(request);
}

void ZELClient::requestedAddContactWindow()
{
    m_approvalRequestedUserDialog->setModal(true);
    m_approvalRequestedUserDialog->show();
}

void ZELClient::sendAcceptedRejectedUsersListSignal(QStringList &users)
{
    // Rows of earlier messages are answered too: the count stops at 0.
    m_requestedCount = qMax(0, m_requestedCount - 1);
    m_approvalRequestedAction->setText(tr(RequestedText) + QStringLiteral(" (") + QString::number(m_requestedCount)
                                       + QLatin1Char(')'));
    if (m_requestedCount == 0)
        m_contactsPopupMenu->removeAction(m_approvalRequestedAction);
    convertXMLSendToServer(users);
}

void ZELClient::decideLaterUserContact()
{
    m_decideLater = true;
    QStringList request{QStringLiteral("DECIDELATER"), QStringLiteral("DECIDELATER")};
    convertXMLSendToServer(request);
}

void ZELClient::showEditUserProfileDialog()
{
    auto *dialog = new ZELProfileSettings(this);
    dialog->m_dataFolder = m_dataFolder;
    connect(dialog, &ZELProfileSettings::updateUserProfileString, this, &ZELClient::updateUserProfileString);
    connect(dialog, &ZELProfileSettings::pauseMovie, this, &ZELClient::pauseMovie);
    connect(dialog, &ZELProfileSettings::restartMovie, this, &ZELClient::restartMovie);
    dialog->setModal(true);
    dialog->showUserProfileDialog(m_ownProfile);
}

void ZELClient::updateUserProfileString(QStringList &profile)
{
    m_ownProfile = profile;
    QStringList fields;
    for (int i = 0; i < OwnProfileSize; ++i) {
        if (i != OwnPhoto)
            fields << profile.value(i);
    }
    QStringList request{QStringLiteral("UPDATEUSERPROFILE"), fields.join(QStringLiteral("#&")),
                        profile.value(OwnPhoto)};
    convertXMLSendToServer(request);
}

void ZELClient::setUserProfile()
{
    QTreeWidgetItem *item = m_contactView->currentItem();
    if (!item)
        return;
    m_selectedUserName = item->toolTip(0).section(QLatin1Char('-'), 0, 0).simplified();
    showUserProfile();
}

void ZELClient::showChatUserProfile(QString &userName)
{
    m_selectedUserName = userName;
    m_profileFromChat = true;
    showUserProfile();
}

void ZELClient::showUserProfile()
{
    QPoint position = QCursor::pos();
    if (m_profileFromChat)
        m_profileFromChat = false;
    else
        position -= QPoint(100, 100);

    for (const UserRecord &record : std::as_const(m_users)) {
        if (record.userName != m_selectedUserName)
            continue;
        const QStringList parts = profileParts(record.profileDetails);
        if (parts.size() < 11)
            continue;
        auto *card = new ZELUserProfileDialog(this);
        card->move(position.x(), position.y() + 5);
        card->showUserProfileDetails({record.displayName, record.userName, parts.value(ProfileCompany),
                                      record.department + QStringLiteral(" / ") + record.jobTitle,
                                      parts.value(ProfileEmail), record.status,
                                      parts.value(ProfileStreet) + QLatin1Char(' ') + parts.value(ProfileArea)
                                          + QLatin1Char(' ') + parts.value(ProfileCity),
                                      parts.value(ProfilePhone), record.photoBase64});
        return;
    }
}

void ZELClient::showApprovalProfileDetails(QStringList &details, QPoint &position)
{
    if (details.size() < 9)
        return;
    auto *card = new ZELUserProfileDialog(this);
    card->move(position.x(), position.y() + 5);
    card->showUserProfileDetails(details);
}
