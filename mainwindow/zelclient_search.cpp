#include "core/zelclient.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QToolButton>
#include <QSet>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include "protocol/zelsettingslists.h"

namespace {

const QString PlainStyle = QStringLiteral("QLineEdit {border: 1px solid gray;border-radius: 3px;}");
const QString PresentScopeStyle = QStringLiteral(
    "QLineEdit {border: 1px solid gray;border-radius: 3px;background-image: url(:images/Search_Green.png);"
    "background-attachment: fixed; }");
const QString AbsentScopeStyle = QStringLiteral(
    "QLineEdit {border: 1px solid gray;border-radius: 3px;background-image: url(:images/Search_Red.png);}");
const QString NoMatchStyle = QStringLiteral(
    "QLineEdit {border: 1px solid gray;border-radius: 3px;background: rgba(254,112,34,220);}");

const QString RecentChats = QStringLiteral("Recent Chats with...");

bool isGroupText(const QString &text)
{
    return text == QLatin1String("Online") || text == QLatin1String("Offline") || text == QLatin1String("Active")
           || text == QLatin1String("Inactive") || text == RecentChats;
}

// The presence word of a contact row's tool tip, "user - Online". Taken after
// the last " - ": login ids may hold "-" themselves.
QString presenceOf(const QTreeWidgetItem *row)
{
    const QString tip = row->toolTip(0);
    const qsizetype at = tip.lastIndexOf(QLatin1String(" - "));
    return at < 0 ? QString() : tip.mid(at + 3);
}

QString parentText(const QTreeWidgetItem *row)
{
    return row->parent() ? row->parent()->text(0) : QString();
}

bool flatGroupingShown(const ZELClient &client)
{
    return client.m_contactDisplaySettings.value(ZELContactDisplayList::GroupByStatus) == QLatin1String("TRUE");
}

void centreOn(QTreeWidget *tree, QTreeWidgetItem *row)
{
    // Scrolling expands collapsed parents, and expanding a row makes it
    // current: scroll first, so that the row found stays current.
    tree->scrollToItem(row, QAbstractItemView::PositionAtCenter);
    tree->setCurrentItem(row);
    tree->scrollToItem(row, QAbstractItemView::PositionAtCenter);
}

// The scope's group row becomes current, as clicking its button does.
void selectScopeGroup(ZELClient &client, bool presentScope, bool checked)
{
    const bool flat = flatGroupingShown(client);
    const QString group = presentScope ? (flat ? QStringLiteral("Active") : QStringLiteral("Online"))
                                       : (flat ? QStringLiteral("Inactive") : QStringLiteral("Offline"));
    if (checked)
        client.m_searchLineEdit->setStyleSheet(presentScope ? PresentScopeStyle : AbsentScopeStyle);
    const QList<QTreeWidgetItem *> rows = client.m_contactView->findItems(
        group, Qt::MatchExactly | Qt::MatchCaseSensitive | Qt::MatchRecursive, 0);
    if (!rows.isEmpty())
        client.m_contactView->setCurrentItem(rows.first());
}

void selectCheckedScopeGroup(ZELClient &client)
{
    if (client.m_inactiveusersearch->isChecked())
        client.inactiveUserSearchClicked(false);
    else
        client.activeUserSearchClicked(false);
}

} // namespace

void ZELClient::setupContactSearch()
{
    for (QWidget *widget : {static_cast<QWidget *>(m_searchLineEdit), static_cast<QWidget *>(m_activeusersearch),
                            static_cast<QWidget *>(m_inactiveusersearch), static_cast<QWidget *>(m_searchCloseButton)})
        widget->hide();
}

void ZELClient::activeUserSearchClicked(bool checked)
{
    selectScopeGroup(*this, true, checked);
}

void ZELClient::inactiveUserSearchClicked(bool checked)
{
    selectScopeGroup(*this, false, checked);
}

void ZELClient::searchContactFromTree(const QString &typed)
{
    // The field's text may change below; work on what was typed.
    const QString text = typed;
    if (!text.isEmpty() && text.at(0).isSpace())
        m_searchLineEdit->setText(text.mid(1));

    m_searchLineEdit->setStyleSheet(PlainStyle);
    m_searchMatches.clear();
    m_searchResult.clear();

    if (text.isEmpty()) {
        if (m_searchLineEdit->hasFocus())
            selectCheckedScopeGroup(*this);
    } else {
        const bool absentScope = m_inactiveusersearch->isChecked();
        const bool presentScope = m_activeusersearch->isChecked();
        QList<QTreeWidgetItem *> candidates;
        const QList<QTreeWidgetItem *> found =
            m_contactView->findItems(text, Qt::MatchStartsWith | Qt::MatchRecursive, 0);
        for (QTreeWidgetItem *row : found) {
            if (isGroupText(row->text(0)) || row->childCount() > 0)
                continue;
            const QString presence = presenceOf(row);
            const bool recent = parentText(row) == RecentChats;
            if (absentScope && (presence == QLatin1String("Online") || recent))
                continue;
            if (presentScope && (presence == QLatin1String("Offline") || presence == QLatin1String("Not Approved")
                                 || recent))
                continue;
            candidates << row;
        }

        if (candidates.isEmpty()) {
            selectCheckedScopeGroup(*this);
            m_searchLineEdit->setStyleSheet(NoMatchStyle);
            return;
        }

        // Each contact stands in both groupings: keep the one on show.
        const bool flat = flatGroupingShown(*this);
        const QString scopeGroup = absentScope ? QStringLiteral("Inactive") : QStringLiteral("Active");
        for (QTreeWidgetItem *row : std::as_const(candidates)) {
            const bool keep = flat ? parentText(row) == scopeGroup
                                   : (row->parent() && parentText(row) != scopeGroup);
            if (!keep)
                continue;
            m_searchMatches << row;
            m_searchResult = QStringLiteral("FOUND");
        }
        if (!m_searchMatches.isEmpty())
            centreOn(m_contactView, m_searchMatches.first());
    }

    if (m_searchResult.isEmpty() && !m_searchLineEdit->text().trimmed().isEmpty()) {
        m_searchLineEdit->setStyleSheet(NoMatchStyle);
        m_contactView->clearSelection();
    }
}

void ZELClient::searchCloseButtonClicked()
{
    for (QWidget *widget : {static_cast<QWidget *>(m_searchLineEdit), static_cast<QWidget *>(m_activeusersearch),
                            static_cast<QWidget *>(m_inactiveusersearch), static_cast<QWidget *>(m_searchCloseButton)})
        widget->hide();
    if (m_expandedContactItem) {
        // The card ends with its row's widget.
        m_contactView->removeItemWidget(m_expandedContactItem, 0);
        m_expandedContactItem->setSizeHint(0, QSize(0, 20));
    }
}

void ZELClient::gotoSearchNext()
{
    // The tree may have lost rows since the search (a contact removed or
    // moved): Return must never step to a row that is gone.
    if (!m_searchMatches.isEmpty()) {
        QSet<QTreeWidgetItem *> rows;
        for (QTreeWidgetItemIterator it(m_contactView); *it; ++it)
            rows.insert(*it);
        for (QTreeWidgetItem *row : std::as_const(m_searchMatches)) {
            if (!rows.contains(row)) {
                m_searchMatches.clear();
                m_searchResult.clear();
                break;
            }
        }
    }
    if (m_searchResult != QLatin1String("FOUND") || m_searchMatches.isEmpty())
        return;
    const qsizetype next = m_searchMatches.indexOf(m_contactView->currentItem()) + 1;
    QTreeWidgetItem *row = next < m_searchMatches.size() ? m_searchMatches.at(next) : m_searchMatches.first();
    centreOn(m_contactView, row);
}

void ZELClient::showContactSearch()
{
    if (m_contactDisplaySettings.value(ZELContactDisplayList::SearchOnCtrlF) != QLatin1String("TRUE"))
        return;
    if (!m_searchLineEdit->isHidden()) {
        searchCloseButtonClicked();
        return;
    }
    m_activeusersearch->click();
    m_searchLineEdit->show();
    m_activeusersearch->show();
    m_inactiveusersearch->show();
    m_searchCloseButton->show();
    // Focus last: a hidden field cannot take it.
    m_searchLineEdit->setFocus();
}
