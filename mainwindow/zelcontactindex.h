#ifndef ZELCONTACTINDEX_H
#define ZELCONTACTINDEX_H

#include <QHash>
#include <QList>
#include <QObject>
#include <QString>

class QModelIndex;
class QTreeWidget;
class QTreeWidgetItem;

// User name -> the contact rows of that user, wherever they are in the tree.
// It follows the tree's model: rows entering, leaving or changing their tool
// tip are seen whoever moves them, so presence changes find a contact's rows
// without walking the tree, and nobody keeps a pointer to a row that is gone.
class ZELContactIndex : public QObject
{
    Q_OBJECT

public:
    ZELContactIndex(QTreeWidget *tree, QObject *parent);

    QList<QTreeWidgetItem *> rows(const QString &userName) const;
    // The user's rows whose top-level row is topLevel.
    QList<QTreeWidgetItem *> rowsUnder(const QString &userName, const QTreeWidgetItem *topLevel) const;
    // The user's first row directly under parent, or null.
    QTreeWidgetItem *childRow(const QString &userName, const QTreeWidgetItem *parent) const;
    int userCount() const { return m_rows.size(); }

signals:
    // A row (of any kind) is about to leave the tree or be deleted with it.
    void rowAboutToGo(QTreeWidgetItem *row);
    // Every row is about to go at once.
    void treeAboutToReset();

private:
    void add(QTreeWidgetItem *row);
    void remove(QTreeWidgetItem *row);
    void addSubtree(QTreeWidgetItem *row);
    void removeSubtree(QTreeWidgetItem *row);
    QTreeWidgetItem *itemAt(const QModelIndex &parent, int row) const;
    void rebuild();

    QTreeWidget *m_tree;
    QHash<QString, QList<QTreeWidgetItem *>> m_rows;
    QHash<QTreeWidgetItem *, QString> m_keys;
};

#endif
