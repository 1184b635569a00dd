#ifndef ZELCONTACTTABLE_H
#define ZELCONTACTTABLE_H

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

class QTableWidget;
class QWidget;
class ZELMessageBoxClass;
class QTableWidgetItem;

// Login id -> that user's profile values (a profile string split at "&&").
using UserProfileMap = QMap<QString, QStringList>;

// What the add-contact, approval, requested-users and delete-contact dialogs
// do alike with their tables of users: one check box per row, a profile icon
// in column 0 that follows the pointer, rows answered bottom first.
class ZELContactTable
{
public:
    static const char *const ProfileIcon;  // the row under the pointer, and fresh rows
    static const char *const PlainIcon;    // every other row

    // Columns, widths and labels; no editing, one whole row selected at a
    // time, fixed row heights, header sized to its contents, the shared style sheet.
    static void setUp(QTableWidget *table, const QStringList &labels, const QList<int> &widths);
    // Column 0 of a new row: no text, the profile icon.
    static QTableWidgetItem *profileItem(int type = 0);
    // A text item with an unchecked check box.
    static QTableWidgetItem *checkItem(const QString &text);
    static void setText(QTableWidget *table, int row, int column, const QString &text);
    // Rows whose item in column is checked, from the last row to the first.
    static QList<int> checkedRows(const QTableWidget *table, int column);
    // Follows the check box of an item in column: a tick counts one more in
    // checkedCount, clearing a counted tick one less (never below zero); rows
    // added unticked change nothing. Says whether the count changed.
    static bool countCheck(QTableWidgetItem *item, int column, int &checkedCount);
    static void uncheck(QTableWidget *table, const QList<int> &rows, int column);
    // The profile icon on the pointer's row, the plain picture on the others.
    static void hoverIcons(QTableWidget *table, int row);
    // The row has items in columns 1, 2, 4 and 5 (the rows a card is made for).
    static bool hasCardItems(const QTableWidget *table, int row);
    static QString text(const QTableWidget *table, int row, int column);
    // A long fill whose rows come in the order of one column: sorting stays on
    // for the user, but nothing is sorted while the rows come in, and at the end
    // the indicator is set on that column without sorting again. Rows the table
    // held before, or a sort the user chose meanwhile, have it sorted once.
    static void beginOrderedFill(QTableWidget *table);
    static void endOrderedFill(QTableWidget *table, int column, bool inOrder);
    // The Yes/No question of an approval list, owned by the caller. It holds
    // the list and the main widget behind it, never a request pop-up, so one
    // can still be answered while the question waits.
    static ZELMessageBoxClass *questionBox(QWidget *list);
    // The text of ":images/stylesheet.qss", read once.
    static QString styleSheet();
};

#endif
