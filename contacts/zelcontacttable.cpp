#include "contacts/zelcontacttable.h"

#include "mainwindow/zelcontactrow.h"
#include "style/zelmessageboxclass.h"
#include "style/zelsharedsheet.h"

#include <QFile>
#include <QHeaderView>
#include <QIcon>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTableWidget>

const char *const ZELContactTable::ProfileIcon = ":images/userInfo1.png";
const char *const ZELContactTable::PlainIcon = ":images/userimage.png";

QString ZELContactTable::styleSheet()
{
    static const QString sheet = [] {
        QFile file(QStringLiteral(":images/stylesheet.qss"));
        return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()) : QString();
    }();
    return sheet;
}

void ZELContactTable::setUp(QTableWidget *table, const QStringList &labels, const QList<int> &widths)
{
    table->setColumnCount(int(labels.size()));
    for (int column = 0; column < widths.size(); ++column)
        table->setColumnWidth(column, widths.at(column));
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setHorizontalHeaderLabels(labels);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    // The table's own corner sheet carries the shared one for its parts.
    ZELSharedSheet::apply(table,
                          {table->horizontalHeader(), table->verticalHeader(), table->verticalScrollBar(),
                           table->horizontalScrollBar()},
                          styleSheet());
    // Rows are made at the height every fill gives them: changing a row's
    // height makes the header place every row again on its next question, so
    // a list of thousands took time growing with the square of its length.
    table->verticalHeader()->setDefaultSectionSize(20);
    // itemEntered without a pressed button
    table->setMouseTracking(true);
}

QTableWidgetItem *ZELContactTable::profileItem(int type)
{
    auto *item = new QTableWidgetItem(type);
    // One icon for every row: a list of thousands must not read the picture once per row.
    item->setIcon(ZELContactRow::icon(ProfileIcon));
    return item;
}

QTableWidgetItem *ZELContactTable::checkItem(const QString &text)
{
    auto *item = new QTableWidgetItem(text);
    item->setCheckState(Qt::Unchecked);
    return item;
}

void ZELContactTable::beginOrderedFill(QTableWidget *table)
{
    // Sorting on with no column to sort by: a row added sorts nothing, and
    // turning sorting on sorts nothing either (the table's sort costs the
    // window about 2 ms a thousand rows, even of rows already in order).
    table->setSortingEnabled(false);
    {
        const QSignalBlocker quiet(table->horizontalHeader());
        table->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    }
    table->setSortingEnabled(true);
}

void ZELContactTable::endOrderedFill(QTableWidget *table, int column, bool inOrder)
{
    QHeaderView *header = table->horizontalHeader();
    if (!inOrder || header->sortIndicatorSection() != -1) {
        table->sortItems(column, Qt::AscendingOrder);
        return;
    }
    const QSignalBlocker quiet(header);
    header->setSortIndicator(column, Qt::AscendingOrder);
}

void ZELContactTable::setText(QTableWidget *table, int row, int column, const QString &text)
{
    table->setItem(row, column, new QTableWidgetItem(text));
}

QList<int> ZELContactTable::checkedRows(const QTableWidget *table, int column)
{
    QList<int> rows;
    for (int row = table->rowCount() - 1; row >= 0; --row) {
        const QTableWidgetItem *item = table->item(row, column);
        if (item && item->checkState() == Qt::Checked)
            rows << row;
    }
    return rows;
}

bool ZELContactTable::countCheck(QTableWidgetItem *item, int column, int &checkedCount)
{
    if (!item || item->column() != column)
        return false;
    // Each item remembers whether its tick is counted: the table reports every
    // change of an item, also a new unticked row the server adds and the
    // remembering itself, and only a counted tick may be taken back.
    const int countedRole = Qt::UserRole + 64;
    const bool counted = item->data(countedRole).toBool();
    if (item->checkState() == Qt::Checked && !counted) {
        ++checkedCount;
        item->setData(countedRole, true);
        return true;
    }
    if (item->checkState() == Qt::Unchecked && counted) {
        item->setData(countedRole, false);
        if (checkedCount > 0) {
            --checkedCount;
            return true;
        }
    }
    return false;
}

void ZELContactTable::uncheck(QTableWidget *table, const QList<int> &rows, int column)
{
    for (int row : rows) {
        if (QTableWidgetItem *item = table->item(row, column))
            item->setCheckState(Qt::Unchecked);
    }
}

void ZELContactTable::hoverIcons(QTableWidget *table, int row)
{
    const QIcon profile(QString::fromLatin1(ProfileIcon));
    const QIcon plain(QString::fromLatin1(PlainIcon));
    for (int r = 0; r < table->rowCount(); ++r) {
        if (QTableWidgetItem *item = table->item(r, 0))
            item->setIcon(r == row ? profile : plain);
    }
}

bool ZELContactTable::hasCardItems(const QTableWidget *table, int row)
{
    return table->item(row, 1) && table->item(row, 2) && table->item(row, 4) && table->item(row, 5);
}

QString ZELContactTable::text(const QTableWidget *table, int row, int column)
{
    const QTableWidgetItem *item = table->item(row, column);
    return item ? item->text() : QString();
}

ZELMessageBoxClass *ZELContactTable::questionBox(QWidget *list)
{
    auto *box = new ZELMessageBoxClass(QString(), QString(), QMessageBox::Question, ZELMessageBoxClass::Yes,
                                       ZELMessageBoxClass::No, ZELMessageBoxClass::NoButton, list);
    box->setWindowModality(Qt::WindowModal);
    return box;
}
