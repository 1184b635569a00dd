#include "core/zelclient.h"

#include <QAction>
#include <QSignalBlocker>
#include <QTreeWidget>

#include "protocol/zelparsedmessage.h"
#include "protocol/zelsettingslists.h"
#include "mainwindow/zelcontactcarddelegate.h"
#include "mainwindow/zelcontactindex.h"
#include "mainwindow/zelcontactrow.h"

namespace {

const QString True = QStringLiteral("TRUE");

// Expanding a row from code is not the user's expansion: keep the current row.
void expandQuietly(QTreeWidget *tree, QTreeWidgetItem *row)
{
    const QSignalBlocker quiet(tree);
    row->setExpanded(true);
}

QTreeWidgetItem *pendingGroupRow(QTreeWidget *tree, QTreeWidgetItem *parent, const QString &text)
{
    if (QTreeWidgetItem *row = ZELContactRow::childByText(parent, text))
        return row;
    QTreeWidgetItem *row = ZELContactRow::makeGroup(text, ZELContactRow::OfflineIcon);
    parent->addChild(row);
    expandQuietly(tree, row);
    return row;
}

void setRowHidden(QTreeWidgetItem *row, bool hidden)
{
    if (row)
        row->setHidden(hidden);
}

bool hasChildren(const QTreeWidgetItem *row)
{
    return row && row->childCount() > 0;
}

} // namespace

void ZELClient::ZELContactIndexDeleter::operator()(ZELContactIndex *index) const
{
    delete index;
}

ZELContactIndex *ZELClient::contactIndex()
{
    if (m_contactIndex)
        return m_contactIndex.get();
    m_contactIndex.reset(new ZELContactIndex(m_contactView, nullptr));
    ZELContactIndex *index = m_contactIndex.get();
    // Cards sit at the tree's left edge, whatever the depth of their row.
    m_contactView->setItemDelegate(new ZELContactCardDelegate(m_contactView));
    // A row that leaves the tree takes every pointer to it along.
    connect(index, &ZELContactIndex::rowAboutToGo, this, [this](QTreeWidgetItem *row) {
        if (row == m_expandedContactItem)
            m_expandedContactItem = nullptr;
        m_searchMatches.removeAll(row);
        for (QTreeWidgetItem **group : {&m_recentChatsItem, &m_onlineItem, &m_offlineItem, &m_activeItem,
                                        &m_inactiveItem, &m_contactListEmptyItem}) {
            if (*group == row)
                *group = nullptr;
        }
    });
    connect(index, &ZELContactIndex::treeAboutToReset, this, [this] {
        m_expandedContactItem = nullptr;
        m_searchMatches.clear();
        m_recentChatsItem = m_onlineItem = m_offlineItem = nullptr;
        m_activeItem = m_inactiveItem = m_contactListEmptyItem = nullptr;
    });
    return index;
}

void ZELClient::addUsersListInMainWindow(QStringList users, QStringList profiles)
{
    if (!m_offlineItem || !m_inactiveItem)
        return;
    contactIndex();
    enum PendingValue { DisplayName, UserName, Department, JobTitle, Company, Width };
    for (int i = 0, k = 0; i + Width <= users.size(); i += Width, ++k) {
        const QString displayName = users.at(i + DisplayName);
        const QString userName = users.at(i + UserName);
        const QString toolTip = userName + QStringLiteral(" - Not Approved");

        QTreeWidgetItem *company = pendingGroupRow(m_contactView, m_offlineItem, users.at(i + Company));
        QTreeWidgetItem *department = pendingGroupRow(m_contactView, company, users.at(i + Department));
        department->addChild(ZELContactRow::make(displayName, ZELContactRow::ApprovalIcon, toolTip));
        m_inactiveItem->addChild(ZELContactRow::make(displayName, ZELContactRow::ApprovalIcon, toolTip));

        UserRecord record;
        record.jobTitle = users.at(i + JobTitle);
        record.displayName = displayName;
        record.department = users.at(i + Department);
        record.status = QStringLiteral("Offline");
        record.statusMessage = QStringLiteral("I am offline");
        record.profileDetails = profiles.value(k);
        record.userName = userName;
        m_users.insert(userName, record);
    }
}

void ZELClient::removeUserNameFromApprovalList(QStringList message, QString company)
{
    const QString userName = messageValue(message, 2);
    const QString departmentName = messageValue(message, 4);
    ZELContactIndex *index = contactIndex();

    if (QTreeWidgetItem *row = index->childRow(userName, m_inactiveItem))
        delete row;

    QTreeWidgetItem *companyRow = ZELContactRow::childByText(m_offlineItem, company);
    QTreeWidgetItem *departmentRow = ZELContactRow::childByText(companyRow, departmentName);
    if (!departmentRow)
        return;
    QTreeWidgetItem *row = index->childRow(userName, departmentRow);
    if (!row)
        return;
    delete row;
    if (departmentRow->childCount() == 0) {
        delete departmentRow;
        if (companyRow->childCount() == 0)
            delete companyRow;
    }
}

void ZELClient::hideFavouritesUsers()
{
    const bool byDepartment = m_contactDisplaySettings.value(ZELContactDisplayList::GroupByDepartment) == True;
    const bool hideOffline = m_hideOfflineUsers == True;
    setRowHidden(m_activeItem, byDepartment);
    setRowHidden(m_inactiveItem, byDepartment || hideOffline);
    setRowHidden(m_onlineItem, !byDepartment);
    setRowHidden(m_offlineItem, !byDepartment || hideOffline);

    if (m_recentChatsItem) {
        const bool allowed = m_contactDisplaySettings.value(ZELContactDisplayList::ShowRecentChats)
                             != QLatin1String("FALSE");
        const bool listed = !m_recentChatUsers.isEmpty() && !m_recentChatUsers.first().trimmed().isEmpty();
        m_recentChatsItem->setHidden(!(allowed && listed));
    }

    showContactListEmpty();
    if (m_contactDisplaySettings.value(ZELContactDisplayList::HighlightDetails) == True)
        changeTreewidgetUser();
    m_activeusersearch->setText(byDepartment ? QStringLiteral("Online") : QStringLiteral("Active"));
    m_inactiveusersearch->setText(byDepartment ? QStringLiteral("Offline") : QStringLiteral("Inactive"));
}

void ZELClient::showContactListEmpty()
{
    contactIndex();
    if (!hasChildren(m_recentChatsItem) && !hasChildren(m_offlineItem) && !hasChildren(m_onlineItem)) {
        m_hideOfflineUsersAction->setEnabled(false);
        for (QTreeWidgetItem *row : {m_recentChatsItem, m_onlineItem, m_offlineItem, m_activeItem, m_inactiveItem})
            setRowHidden(row, true);
        setRowHidden(m_contactListEmptyItem, false);
        return;
    }
    m_hideOfflineUsersAction->setEnabled(hasChildren(m_offlineItem));
    // Only hides: which of a pair shows is the grouping's business.
    if (!hasChildren(m_onlineItem)) {
        setRowHidden(m_activeItem, true);
        setRowHidden(m_onlineItem, true);
    }
    if (!hasChildren(m_offlineItem)) {
        setRowHidden(m_inactiveItem, true);
        setRowHidden(m_offlineItem, true);
    }
    setRowHidden(m_contactListEmptyItem, true);
}

void ZELClient::userListSorting()
{
    m_contactView->sortItems(0, m_sortClickCount % 2 == 0 ? Qt::AscendingOrder : Qt::DescendingOrder);
    ++m_sortClickCount;
    hideFavouritesUsers();
}

void ZELClient::hideOfflineUsers()
{
    if (m_contactListEmptyItem)
        m_contactView->setCurrentItem(m_contactListEmptyItem);
    const bool hide = m_hideOfflineUsersAction->isChecked();
    const bool byDepartment = m_contactDisplaySettings.value(ZELContactDisplayList::GroupByDepartment) == True;
    m_hideOfflineUsers = hide ? True : QStringLiteral("FALSE");
    for (QTreeWidgetItem *row : {m_recentChatsItem, m_onlineItem, m_offlineItem, m_activeItem, m_inactiveItem,
                                 m_contactListEmptyItem}) {
        if (row)
            expandQuietly(m_contactView, row);
    }
    setRowHidden(byDepartment ? m_offlineItem : m_inactiveItem, hide);
    m_hideOfflineUsersAction->setFont(QFont(QStringLiteral("Verdana"), 8, hide ? QFont::Bold : QFont::Normal));
    m_hideOfflineUsersAction->setText(hide ? QStringLiteral("Show &Offline Users")
                                           : QStringLiteral("Hide &Offline Users"));
    showContactListEmpty();
    editPreferencesSettings();
    if (m_contactDisplaySettings.value(ZELContactDisplayList::HighlightDetails) == True)
        changeTreewidgetUser();
}

void ZELClient::expandTreewidgetUser(QTreeWidgetItem *item)
{
    if (!item)
        return;
    m_contactView->setCurrentItem(item);
    if (item->childCount() > 0 || item->toolTip(0).isEmpty())
        return;
    // A contact row has nothing to show below it.
    item->setExpanded(false);
    if (m_expandedContactItem) {
        m_contactView->removeItemWidget(m_expandedContactItem, 0);
        ZELContactRow::setCollapsedHeight(m_expandedContactItem);
    }
}
