#include "chat/zelinvitablelist.h"

#include <QEvent>
#include <QListWidget>
#include <QSet>

#include <utility>

namespace {

// The contacts rows stand for, by user name and by display name: a look-up
// each, not a walk over the list.
class Listed
{
public:
    bool has(const ZELInvitableList::Contact &contact, bool byUserName) const
    {
        return byUserName ? m_userNames.contains(contact.userName) : m_displayNames.contains(contact.displayName);
    }
    void insert(const QString &userName, const QString &displayName)
    {
        m_userNames.insert(userName);
        m_displayNames.insert(displayName);
    }

private:
    QSet<QString> m_userNames;
    QSet<QString> m_displayNames;
};

} // namespace

ZELInvitableList::ZELInvitableList(QObject *parent)
    : QObject(parent)
{
}

void ZELInvitableList::attach(QListWidget *list)
{
    if (m_list == list)
        return;
    if (m_list)
        m_list->removeEventFilter(this);
    m_list = list;
    if (m_list)
        m_list->installEventFilter(this);
    applyWhenDue();
}

void ZELInvitableList::add(const Contacts &contacts, Match match)
{
    if (contacts.isEmpty())
        return;
    const Kind kind = Kind(match);
    if (contacts.size() <= SmallBatch) {
        if (m_waiting.isEmpty() || !m_waiting.last().copied || m_waiting.last().kind != kind)
            m_waiting.append(Batch{{}, kind, true});
        m_waiting.last().contacts.append(contacts);
        m_copies += contacts.size();
    } else {
        m_waiting.append(Batch{contacts, kind, false});
    }
    applyWhenDue();
}

void ZELInvitableList::clear()
{
    m_waiting.clear();
    m_copies = 0;
    m_clearFirst = true;
    applyWhenDue();
}

void ZELInvitableList::setListMaker(std::function<QListWidget *()> maker)
{
    m_maker = std::move(maker);
}

QListWidget *ZELInvitableList::list()
{
    if (!m_list && m_maker)
        attach(m_maker());
    apply();
    return m_list;
}

ZELInvitableList::Contacts ZELInvitableList::fromPresent(const QStringList &presentContacts)
{
    static const QString separator = QStringLiteral("##");
    Contacts contacts;
    contacts.reserve(presentContacts.size());
    for (const QString &entry : presentContacts)
        contacts.append(Contact{entry.section(separator, 0, 0), entry.section(separator, 1)});
    return contacts;
}

bool ZELInvitableList::eventFilter(QObject *watched, QEvent *event)
{
    // The type first: the list sends events while it is being destroyed, when
    // the guarded pointer must not be read as a list any more.
    if (event->type() == QEvent::Show && watched == m_list)
        apply();
    return QObject::eventFilter(watched, event);
}

void ZELInvitableList::applyWhenDue()
{
    if (m_list && m_list->isVisible()) {
        apply();
        return;
    }
    if (m_waiting.size() <= MaxWaitingBatches && m_copies <= MaxWaitingCopies)
        return;
    // A hidden list with rows takes the few new ones; one without waits on,
    // its batches merged: making its rows would cost what waiting saves.
    if (m_list && !m_clearFirst && m_list->count() > 0)
        apply();
    else
        merge();
}

void ZELInvitableList::apply()
{
    if (!m_list)
        return;
    if (m_clearFirst) {
        m_clearFirst = false;
        m_list->clear();
    }
    m_copies = 0;
    if (m_waiting.isEmpty())
        return;
    const QList<Batch> waiting = std::exchange(m_waiting, {});

    Listed listed;
    for (int i = 0, rows = m_list->count(); i < rows; ++i) {
        const QListWidgetItem *row = m_list->item(i);
        listed.insert(row->toolTip(), row->text());
    }
    for (const Batch &batch : waiting) {
        for (const Contact &contact : batch.contacts) {
            if (batch.kind != Rows && listed.has(contact, batch.kind == BySameUserName))
                continue;
            auto *row = new QListWidgetItem(contact.displayName);
            row->setToolTip(contact.userName);
            m_list->addItem(row);
            listed.insert(contact.userName, contact.displayName);
        }
    }
}

void ZELInvitableList::merge()
{
    Contacts rows;
    Listed listed;
    for (const Batch &batch : std::as_const(m_waiting)) {
        for (const Contact &contact : batch.contacts) {
            if (batch.kind != Rows && listed.has(contact, batch.kind == BySameUserName))
                continue;
            rows.append(contact);
            listed.insert(contact.userName, contact.displayName);
        }
    }
    m_waiting.clear();
    if (!rows.isEmpty())
        m_waiting.append(Batch{rows, Rows, false});
    m_copies = 0;
}
