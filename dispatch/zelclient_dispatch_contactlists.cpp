#include "core/zelclient.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QMenu>
#include <QPointer>
#include <QSet>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTreeWidget>

#include <algorithm>
#include <numeric>

#include "chat/zelchatwindow.h"
#include "chat/zelinvitablelist.h"
#include "contacts/zeladdcontact.h"
#include "contacts/zelapprovaladdcontact.h"
#include "contacts/zelapprovalrequesteduser.h"
#include "contacts/zelcontacttable.h"
#include "contacts/zeldeletecontact.h"
#include "core/zelslicedwork.h"
#include "protocol/zelparsedmessage.h"
#include "mainwindow/zelcontactindex.h"
#include "mainwindow/zelcontactrow.h"
#include "reminders/zelreminderdialog.h"
#include "style/zelmessageboxclass.h"
#include "style/zeltextbounds.h"

namespace {

// "ADDCONTACT": [1] the kind, then its values.
enum AddContactValue { AddKind = 1, FirstFound = 2 };
// A search answer: four values per user found.
enum FoundValue { FoundName, FoundLoginId, FoundDepartment, FoundProfile, FoundWidth };
// "ADDCONTACT" with "ADDNAME": the contact added.
enum AddNameValue { AddUserName = 2, AddState, AddDepartment, AddProfile, AddDisplayName, AddStatusMessage,
                    AddStatus };
// A contact's "&&"-joined profile.
enum ProfileValue { ProfileJobTitle = 0, ProfileCompany = 1, ProfilePhoto = 10, ProfileTimeZone = 11,
                    SearchCompany = 12 };
// "DELETENAME": the contact removed.
enum DeleteNameValue { DeleteUserName = 1, DeleteDepartment, DeletePresent, DeleteCompany };
// A server delete list: four values per contact.
enum DeleteListValue { ListName, ListLoginId, ListDepartment, ListProfile, ListWidth };
// One waiting request of "ADDCONTACTAPPROVALSTATUS", fields separated by "#".
enum RequestField { RequestLoginId, RequestName, RequestDepartment, RequestJobTitle, RequestUnused, RequestProfile,
                    RequestFields };
enum RequestProfileValue { RequestCompany = 11 };

const QString Online = QStringLiteral("Online");
const QString Offline = QStringLiteral("Offline");
const char ApprovalText[] = "Add Contact A&pproval";
const char RequestedText[] = "Approval Requested User Contacts";

// The contacts offered for deletion travel after the DELETECONTACT document,
// comma-separated, four values per contact: the text after its closing tag
// and the line break that follows it, up to the next message of the block.
// Its values are read in place: a list of a hundred thousand contacts is not
// cut into as many strings before the table shows the first.
struct DeleteList
{
    QString text;
    QList<qsizetype> ends; // where each value ends: at its comma, or at the text's end

    qsizetype size() const { return ends.size(); }
    QStringView view(qsizetype i) const
    {
        if (i < 0 || i >= ends.size())
            return {};
        const qsizetype start = i == 0 ? 0 : ends.at(i - 1) + 1;
        return QStringView(text).mid(start, ends.at(i) - start);
    }
    QString value(qsizetype i) const { return view(i).toString(); }
};

DeleteList deleteListOf(const QByteArray &block)
{
    DeleteList list;
    const QByteArray closing("</DELETECONTACT>");
    const qsizetype at = block.indexOf(closing, 1);
    if (at < 0)
        return list;
    qsizetype from = at + closing.size();
    while (from < block.size() && (block.at(from) == '\n' || block.at(from) == '\r'))
        ++from;
    QString &text = list.text;
    text = QString::fromLatin1(QByteArrayView(block).sliced(from));
    // Up to the next message: ":::", any white space, "<".
    const QString separator = QStringLiteral(":::");
    for (qsizetype next = text.indexOf(separator); next >= 0; next = text.indexOf(separator, next + 1)) {
        qsizetype after = next + separator.size();
        while (after < text.size() && text.at(after).isSpace())
            ++after;
        if (after < text.size() && text.at(after) == QLatin1Char('<')) {
            text.truncate(next);
            break;
        }
    }
    text.remove(separator);
    for (qsizetype comma = text.indexOf(QLatin1Char(',')); comma >= 0; comma = text.indexOf(QLatin1Char(','), comma + 1))
        list.ends.append(comma);
    list.ends.append(text.size());
    return list;
}

// The records of a list (`width` values each, from the first) in the order of
// their names, as a table sorts its name column: plain, case-sensitive.
QList<qsizetype> orderByName(const QStringList &list, qsizetype records, qsizetype width, qsizetype name,
                             qsizetype first = 0)
{
    QList<qsizetype> order(records);
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](qsizetype a, qsizetype b) {
        return list.value(first + a * width + name) < list.value(first + b * width + name);
    });
    return order;
}

void endSearchCursor(ZELClient &client)
{
    if (client.m_waitCursorShown) {
        QApplication::restoreOverrideCursor();
        client.m_waitCursorShown = false;
    }
}

QTreeWidgetItem *groupRow(QTreeWidget *tree, QTreeWidgetItem *parent, const QString &text, const char *icon)
{
    if (QTreeWidgetItem *row = ZELContactRow::childByText(parent, text))
        return row;
    QTreeWidgetItem *row = ZELContactRow::makeGroup(text, icon);
    parent->addChild(row);
    const QSignalBlocker quiet(tree); // not the user's expansion
    row->setExpanded(true);
    return row;
}

void updateConferenceAction(ZELClient &client)
{
    const bool conference = client.m_presentContacts.size() >= 2;
    client.m_conferenceChatAction->setEnabled(conference);
    client.m_conferenceChatToolButton->setEnabled(conference);
}

// The department-wise row of a contact: below group, company, department.
void takeOutOfDepartment(ZELContactIndex *index, QTreeWidgetItem *group, const QString &company,
                         const QString &department, const QString &userName)
{
    QTreeWidgetItem *companyRow = ZELContactRow::childByText(group, company);
    QTreeWidgetItem *departmentRow = ZELContactRow::childByText(companyRow, department);
    if (!departmentRow)
        return;
    if (QTreeWidgetItem *row = index->childRow(userName, departmentRow))
        delete row;
    if (departmentRow->childCount() == 0) {
        delete departmentRow;
        if (companyRow->childCount() == 0)
            delete companyRow;
    }
}

} // namespace

ZELDispatchResult ZELClient::dispatchAddContact(const QStringList &message)
{
    const QString kind = messageValue(message, AddKind);
    if (kind == QLatin1String("SEARCHKEYWORD")) {
        ZELAddContact *dialog = m_addContactDialog.get();
        if (!dialog->isVisible()) {
            endSearchCursor(*this);
        } else {
            dialog->m_userProfiles.clear();
            QTableWidget *table = dialog->m_resulttable;
            if (message.size() > FirstFound) {
                const bool inOrder = table->rowCount() == 0;
                ZELContactTable::beginOrderedFill(table);
                const QPointer<ZELAddContact> shown = dialog;
                auto found = std::make_shared<const QStringList>(message);
                // Only whole records: a truncated answer never reads past its end.
                const qsizetype records = messageRecordCount(message, FirstFound, FoundWidth);
                auto order = std::make_shared<const QList<qsizetype>>(
                    orderByName(message, records, FoundWidth, FoundName, FirstFound));
                runSliced(
                    records,
                    [shown, found, order](qsizetype r) {
                        if (!shown)
                            return;
                        QTableWidget *table = shown->m_resulttable;
                        const QStringList &message = *found;
                        const int b = int(FirstFound + order->at(r) * FoundWidth);
                        const QString loginId = messageValue(message, b + FoundLoginId);
                        const QStringList profile = profileParts(messageValue(message, b + FoundProfile));
                        table->insertRow(int(r));
                        table->setRowHeight(int(r), 20);
                        table->setItem(int(r), ZELAddContact::ProfileColumn, ZELContactTable::profileItem());
                        table->setItem(int(r), ZELAddContact::NameColumn,
                                       ZELContactTable::checkItem(QStringLiteral("  ") + messageValue(message, b + FoundName)));
                        ZELContactTable::setText(table, int(r), ZELAddContact::LoginIdColumn, loginId);
                        ZELContactTable::setText(table, int(r), ZELAddContact::CompanyColumn, profile.value(SearchCompany));
                        ZELContactTable::setText(table, int(r), ZELAddContact::DepartmentColumn,
                                                 messageValue(message, b + FoundDepartment));
                        ZELContactTable::setText(table, int(r), ZELAddContact::JobTitleColumn,
                                                 profile.value(ProfileJobTitle));
                        shown->m_userProfiles.insert(loginId, profile);
                    },
                    [this, shown, found, inOrder]() mutable {
                        endSearchCursor(*this);
                        if (shown)
                            ZELContactTable::endOrderedFill(shown->m_resulttable, ZELAddContact::NameColumn, inOrder);
                        ZELSlicedWork::releaseAside(std::move(found));
                    });
            } else {
                endSearchCursor(*this);
                dialog->m_resultLabel->show();
                dialog->m_resultLabel->setText(tr("No match found"));
            }
            dialog->m_keywordOrUser->selectAll();
            dialog->m_keywordOrUser->setFocus();
        }
        dialog->m_showALLButton->setEnabled(true);
        return ZELDispatchResult::Continue;
    }
    if (kind != QLatin1String("ADDNAME"))
        return ZELDispatchResult::Continue;

    const QString userName = messageValue(message, AddUserName);
    const QString state = messageValue(message, AddState);
    const QString department = messageValue(message, AddDepartment);
    const QString displayName = messageValue(message, AddDisplayName);
    const QString status = messageValue(message, AddStatus);
    const QStringList profile = profileParts(messageValue(message, AddProfile));
    const QString company = profile.value(ProfileCompany);
    if (userName.isEmpty() || userName.size() > ZELTextBounds::KeyLength)
        return ZELDispatchResult::Continue;

    if (!hasReminderAssignee(displayName))
        addReminderAssignee(displayName, displayName + QStringLiteral("##") + userName + QStringLiteral("##")
                                             + profile.value(ProfileTimeZone));
    removeUserNameFromApprovalList(message, company);
    checkUserNameInApprovalContact(userName);

    // The group rows are made at sign-in; without them there is no tree to change.
    const bool treeBuilt = m_onlineItem && m_offlineItem && m_activeItem && m_inactiveItem;
    ZELContactIndex *index = contactIndex();
    if (treeBuilt && state == Offline) {
        const char *icon = ZELContactRow::OfflineIcon;
        const QString toolTip = userName + QStringLiteral(" - Offline");
        QTreeWidgetItem *departmentRow =
            groupRow(m_contactView, groupRow(m_contactView, m_offlineItem, company, icon), department, icon);
        if (!index->childRow(userName, departmentRow))
            departmentRow->addChild(ZELContactRow::make(displayName, icon, toolTip));
        if (!index->childRow(userName, m_inactiveItem))
            m_inactiveItem->addChild(ZELContactRow::make(displayName, icon, toolTip));
    } else if (treeBuilt && state == Online) {
        m_presentContacts.append(userName + QStringLiteral("##") + displayName);
        updateConferenceAction(*this);
        const char *icon = ZELContactRow::OnlineIcon;
        const QString toolTip = userName + QStringLiteral(" - Online");
        const bool plain = status == Online || status.isEmpty();
        const QString text = plain ? displayName : displayName + QStringLiteral(" (") + status + QLatin1Char(')');
        auto place = [&](QTreeWidgetItem *parent) {
            if (QTreeWidgetItem *row = index->childRow(userName, parent)) {
                if (!plain)
                    row->setText(0, text);
            } else {
                parent->addChild(ZELContactRow::make(text, icon, toolTip));
            }
        };
        place(groupRow(m_contactView, groupRow(m_contactView, m_onlineItem, company, icon), department, icon));
        for (ZELChatWindow *window : std::as_const(m_chatWindows)) {
            if (window)
                window->invitableUsers().add({{userName, displayName}}, ZELInvitableList::SameDisplayName);
        }
        place(m_activeItem);
    }

    UserRecord record;
    record.jobTitle = profile.value(ProfileJobTitle);
    record.displayName = displayName;
    record.department = department;
    record.status = status;
    record.statusMessage = messageValue(message, AddStatusMessage);
    record.profileDetails = messageValue(message, AddProfile);
    record.userName = userName;
    record.photoBase64 = profile.value(ProfilePhoto);
    record.timeZone = profile.value(ProfileTimeZone);
    m_users.insert(userName, record);
    hideFavouritesUsers();
    return ZELDispatchResult::Continue;
}

ZELDispatchResult ZELClient::dispatchDeleteContact(const QStringList &message)
{
    ZELDeleteContact *dialog = m_deleteContactDialog.get();
    if (dialog->isVisible() || messageValue(message, 1) != QLatin1String("DELETELIST") || message.size() < 3) {
        if (!dialog->isVisible())
            dialog->show();
        endSearchCursor(*this);
        return ZELDispatchResult::Continue;
    }
    dialog->show();
    auto list = std::make_shared<const DeleteList>(deleteListOf(m_deliveryBlock));
    const QPointer<ZELDeleteContact> shown = dialog;
    QTableWidget *table = dialog->m_deleteContactList;
    const bool inOrder = table->rowCount() == 0;
    ZELContactTable::beginOrderedFill(table);
    dialog->m_userProfiles.clear();
    // An entry starts while its name and login id are there.
    const qsizetype entries = (list->size() + ListWidth - ListDepartment) / ListWidth;
    // Added in the order the table sorts them in, so sorting it at the end
    // finds every row in place.
    auto order = std::make_shared<QList<qsizetype>>(entries);
    std::iota(order->begin(), order->end(), 0);
    std::stable_sort(order->begin(), order->end(), [&list](qsizetype a, qsizetype b) {
        return list->view(a * ListWidth + ListName) < list->view(b * ListWidth + ListName);
    });
    runSliced(
        entries,
        [shown, list, order](qsizetype r) {
            if (!shown)
                return;
            QTableWidget *table = shown->m_deleteContactList;
            const int b = int(order->at(r) * ListWidth);
            const QString loginId = list->value(b + ListLoginId);
            const QStringList profile = profileParts(list->value(b + ListProfile));
            const int row = table->rowCount();
            table->insertRow(row);
            table->setRowHeight(row, 20);
            table->setItem(row, ZELDeleteContact::ProfileColumn, ZELContactTable::profileItem());
            table->setItem(row, ZELDeleteContact::NameColumn,
                           ZELContactTable::checkItem(QStringLiteral("  ") + list->value(b + ListName)));
            ZELContactTable::setText(table, row, ZELDeleteContact::LoginIdColumn, loginId);
            ZELContactTable::setText(table, row, ZELDeleteContact::CompanyColumn, profile.value(1));
            ZELContactTable::setText(table, row, ZELDeleteContact::DepartmentColumn,
                                     list->value(b + ListDepartment));
            ZELContactTable::setText(table, row, ZELDeleteContact::JobTitleColumn, profile.value(0));
            shown->m_userProfiles.insert(loginId, profile);
        },
        [this, shown, list, inOrder]() mutable {
            if (shown)
                ZELContactTable::endOrderedFill(shown->m_deleteContactList, ZELDeleteContact::NameColumn, inOrder);
            endSearchCursor(*this);
            ZELSlicedWork::releaseAside(std::move(list));
        });
    return ZELDispatchResult::Continue;
}

ZELDispatchResult ZELClient::dispatchDeleteContactListEmpty(const QStringList &)
{
    endSearchCursor(*this);
    m_informationBox->showInformationBox(this, tr("Remove Contact"), tr("Contact List is Empty"));
    return ZELDispatchResult::Continue;
}

ZELDispatchResult ZELClient::dispatchDeleteName(const QStringList &message)
{
    const QString userName = messageValue(message, DeleteUserName);
    const QString department = messageValue(message, DeleteDepartment);
    const QString present = messageValue(message, DeletePresent);
    const QString company = messageValue(message, DeleteCompany);

    removeReminderAssigneesOf(userName);

    ZELContactIndex *index = contactIndex();
    if (present == QLatin1String("0")) {
        if (QTreeWidgetItem *row = index->childRow(userName, m_inactiveItem))
            delete row;
        takeOutOfDepartment(index, m_offlineItem, company, department, userName);
    } else if (present == QLatin1String("1")) {
        if (QTreeWidgetItem *row = index->childRow(userName, m_activeItem))
            delete row;
        if (ZELContactRow::childByText(m_onlineItem, company)) {
            takeOutOfDepartment(index, m_onlineItem, company, department, userName);
            const QString prefix = userName + QStringLiteral("##");
            m_presentContacts.removeIf([&prefix](const QString &entry) { return entry.startsWith(prefix); });
            updateConferenceAction(*this);
            const ZELInvitableList::Contacts present = ZELInvitableList::fromPresent(m_presentContacts);
            for (ZELChatWindow *window : std::as_const(m_chatWindows)) {
                if (!window)
                    continue;
                window->invitableUsers().clear();
                window->invitableUsers().add(present, ZELInvitableList::SameDisplayName);
            }
        }
    }
    if (m_recentChatUsers.contains(userName)) {
        if (QTreeWidgetItem *row = index->childRow(userName, m_recentChatsItem))
            delete row;
        m_recentChatUsers.removeAll(userName);
    }

    m_deleteContactDialog->m_deleteContactList->clearSelection();
    m_users.remove(userName);
    if (m_contactListEmptyItem)
        m_contactView->setCurrentItem(m_contactListEmptyItem);
    m_contactView->clearSelection();
    showContactListEmpty();
    hideFavouritesUsers();
    return ZELDispatchResult::Continue;
}

ZELDispatchResult ZELClient::dispatchAddContactApprovalStatus(const QStringList &message)
{
    ZELApprovalAddContact *dialog = m_approvalAddContactDialog.get();
    QTableWidget *table = dialog->m_approvaltable;
    const bool inOrder = table->rowCount() == 0;
    ZELContactTable::beginOrderedFill(table);
    struct Requests
    {
        QStringList message;
        // The requests listed already, looked up once each: a long list must not
        // walk the table for every request it holds.
        QSet<QString> listed;
        int shown = 0;
        // The requests in the order of their names.
        QList<qsizetype> order;
    };
    auto requests = std::make_shared<Requests>();
    requests->message = message;
    {
        QStringList names;
        names.reserve(message.size());
        for (qsizetype i = 1; i < message.size(); ++i)
            names.append(messageParts(message.at(i), u"#", RequestName + 2).value(RequestName));
        requests->order = orderByName(names, names.size(), 1, 0);
    }
    for (int row = 0; row < table->rowCount(); ++row)
        requests->listed.insert(ZELContactTable::text(table, row, ZELApprovalAddContact::LoginIdColumn));
    const QPointer<ZELApprovalAddContact> approval = dialog;
    runSliced(
        message.size() - 1,
        [approval, requests](qsizetype at) {
            if (!approval)
                return;
            QTableWidget *table = approval->m_approvaltable;
            // Only the fields a row shows are cut out; a long tail stays whole.
            const QStringList fields =
                messageParts(messageValue(requests->message, int(requests->order.at(at) + 1)), u"#", RequestFields + 1);
            // A request of fewer fields is outside the format: nothing to show of it.
            if (fields.size() < RequestFields || requests->listed.contains(fields.at(RequestLoginId)))
                return;
            requests->listed.insert(fields.at(RequestLoginId));
            const QStringList profile = profileParts(fields.at(RequestProfile));
            const int k = requests->shown++;
            table->insertRow(k);
            table->setRowHeight(k, 20);
            QTableWidgetItem *icon = ZELContactTable::profileItem(QTableWidgetItem::UserType);
            icon->setSizeHint(QSize(10, 10));
            table->setItem(k, ZELApprovalAddContact::ProfileColumn, icon);
            table->setItem(k, ZELApprovalAddContact::NameColumn,
                           ZELContactTable::checkItem(QStringLiteral("  ") + fields.at(RequestName)));
            ZELContactTable::setText(table, k, ZELApprovalAddContact::LoginIdColumn, fields.at(RequestLoginId));
            ZELContactTable::setText(table, k, ZELApprovalAddContact::CompanyColumn, profile.value(RequestCompany));
            ZELContactTable::setText(table, k, ZELApprovalAddContact::DepartmentColumn, fields.at(RequestDepartment));
            ZELContactTable::setText(table, k, ZELApprovalAddContact::JobTitleColumn, fields.at(RequestJobTitle));
            approval->m_userProfiles.insert(fields.at(RequestLoginId), profile);
        },
        [this, approval, requests, inOrder]() mutable {
            if (!approval)
                return;
            QTableWidget *table = approval->m_approvaltable;
            if ((requests->shown > 0 && MainPage->isVisible()) || stackedWidget->currentIndex() == 1) {
                m_addContactApprovalAction->setText(tr(ApprovalText) + QStringLiteral(" (")
                                                    + QString::number(requests->message.size() - 1) + QLatin1Char(')'));
                m_addContactApprovalAction->setEnabled(true);
                ZELContactTable::endOrderedFill(table, ZELApprovalAddContact::NameColumn, inOrder);
                if (!m_autoReSignIn && !m_decideLater) {
                    approval->setModal(true);
                    approval->show();
                    // In front of the main window the alert raised, under the
                    // "added you" pop-up the alert opened.
                    approval->raise();
                    raiseRequestDialogs();
                }
            } else {
                m_addContactApprovalAction->setText(tr(ApprovalText));
                m_addContactApprovalAction->setEnabled(false);
            }
            m_decideLater = false;
            ZELSlicedWork::releaseAside(std::move(requests));
        });
    return ZELDispatchResult::Continue;
}

ZELDispatchResult ZELClient::dispatchPrivilegeInfo(const QStringList &message)
{
    m_privilegeInfo = message;
    return ZELDispatchResult::Continue;
}

ZELDispatchResult ZELClient::dispatchApprovalRequestedUser(const QStringList &message)
{
    m_requestedCount = 0;
    if (messageValue(message, 1) == QLatin1String("EMPTY")) {
        m_approvalRequestedAction->setText(tr(RequestedText));
        m_contactsPopupMenu->removeAction(m_approvalRequestedAction);
        return ZELDispatchResult::Continue;
    }
    QTableWidget *table = m_approvalRequestedUserDialog->m_approvaltable;
    table->setSortingEnabled(false);
    auto requests = std::make_shared<const QStringList>(message);
    const QPointer<QTableWidget> requested = table;
    runSliced(
        message.size() - 1,
        [this, requested, requests](qsizetype at) {
            if (!requested)
                return;
            const QString request = messageValue(*requests, int(at + 1));
            const QString first = request.section(QStringLiteral("##"), 0, 0);
            const QString second = request.section(QStringLiteral("##"), 1, 1);
            const int k = int(at);
            requested->insertRow(k);
            requested->setRowHeight(k, 20);
            auto *check = new QTableWidgetItem(0);
            check->setCheckState(Qt::Unchecked);
            requested->setItem(k, ZELApprovalRequestedUser::CheckColumn, check);
            ZELContactTable::setText(requested, k, ZELApprovalRequestedUser::FirstHidden, first);
            ZELContactTable::setText(requested, k, ZELApprovalRequestedUser::SecondHidden, first);
            ZELContactTable::setText(requested, k, ZELApprovalRequestedUser::FirstShown, second);
            ZELContactTable::setText(requested, k, ZELApprovalRequestedUser::SecondShown, second);
            ++m_requestedCount;
        },
        [this, requests]() mutable {
            m_approvalRequestedAction->setText(tr(RequestedText) + QStringLiteral(" (")
                                               + QString::number(m_requestedCount) + QLatin1Char(')'));
            m_contactsPopupMenu->removeAction(m_approvalRequestedAction);
            m_contactsPopupMenu->addAction(m_approvalRequestedAction);
            ZELSlicedWork::releaseAside(std::move(requests));
        });
    return ZELDispatchResult::Continue;
}

ZELDispatchResult ZELClient::dispatchApprovalAlert(const QStringList &message)
{
    if (isMinimized() || isHidden()) {
        showNormal();
        activateWindow();
    } else {
        raise();
        activateWindow();
    }
    showConferenceChatAcceptanceDialog(QStringLiteral("ADD"), message);
    return ZELDispatchResult::Continue;
}
