#include "mainwindow/zelcontactindex.h"

#include <QAbstractItemModel>
#include <QTreeWidget>

#include "mainwindow/zelcontactrow.h"

ZELContactIndex::ZELContactIndex(QTreeWidget *tree, QObject *parent)
    : QObject(parent), m_tree(tree)
{
    QAbstractItemModel *model = tree->model();
    connect(model, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex &parent, int first, int last) {
                for (int row = first; row <= last; ++row)
                    addSubtree(itemAt(parent, row));
            });
    connect(model, &QAbstractItemModel::rowsAboutToBeRemoved, this,
            [this](const QModelIndex &parent, int first, int last) {
                for (int row = first; row <= last; ++row)
                    removeSubtree(itemAt(parent, row));
            });
    connect(model, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex &topLeft, const QModelIndex &bottomRight, const QList<int> &roles) {
                if (!roles.isEmpty() && !roles.contains(Qt::ToolTipRole))
                    return;
                for (int row = topLeft.row(); row <= bottomRight.row(); ++row) {
                    QTreeWidgetItem *item = itemAt(topLeft.parent(), row);
                    remove(item);
                    add(item);
                }
            });
    connect(model, &QAbstractItemModel::modelAboutToBeReset, this, [this] {
        emit treeAboutToReset();
        m_rows.clear();
        m_keys.clear();
    });
    // Sorting reorders rows in place; a rebuild keeps nothing stale either way.
    connect(model, &QAbstractItemModel::modelReset, this, &ZELContactIndex::rebuild);
    rebuild();
}

QTreeWidgetItem *ZELContactIndex::itemAt(const QModelIndex &parent, int row) const
{
    return m_tree->itemFromIndex(m_tree->model()->index(row, 0, parent));
}

void ZELContactIndex::rebuild()
{
    m_rows.clear();
    m_keys.clear();
    for (int i = 0, n = m_tree->topLevelItemCount(); i < n; ++i)
        addSubtree(m_tree->topLevelItem(i));
}

void ZELContactIndex::add(QTreeWidgetItem *row)
{
    if (!row)
        return;
    const QString user = ZELContactRow::userName(row);
    if (user.isEmpty())
        return;
    m_keys.insert(row, user);
    m_rows[user].append(row);
}

void ZELContactIndex::remove(QTreeWidgetItem *row)
{
    const auto key = m_keys.constFind(row);
    if (key == m_keys.constEnd())
        return;
    const auto rows = m_rows.find(*key);
    if (rows != m_rows.end()) {
        rows->removeAll(row);
        if (rows->isEmpty())
            m_rows.erase(rows);
    }
    m_keys.erase(key);
}

void ZELContactIndex::addSubtree(QTreeWidgetItem *row)
{
    if (!row)
        return;
    add(row);
    for (int i = 0, n = row->childCount(); i < n; ++i)
        addSubtree(row->child(i));
}

void ZELContactIndex::removeSubtree(QTreeWidgetItem *row)
{
    if (!row)
        return;
    for (int i = 0, n = row->childCount(); i < n; ++i)
        removeSubtree(row->child(i));
    emit rowAboutToGo(row);
    remove(row);
}

QList<QTreeWidgetItem *> ZELContactIndex::rows(const QString &userName) const
{
    return m_rows.value(userName);
}

QList<QTreeWidgetItem *> ZELContactIndex::rowsUnder(const QString &userName, const QTreeWidgetItem *topLevel) const
{
    QList<QTreeWidgetItem *> under;
    if (!topLevel)
        return under;
    for (QTreeWidgetItem *row : m_rows.value(userName)) {
        if (ZELContactRow::topLevelOf(row) == topLevel)
            under << row;
    }
    return under;
}

QTreeWidgetItem *ZELContactIndex::childRow(const QString &userName, const QTreeWidgetItem *parent) const
{
    if (!parent)
        return nullptr;
    for (QTreeWidgetItem *row : m_rows.value(userName)) {
        if (row->parent() == parent)
            return row;
    }
    return nullptr;
}
