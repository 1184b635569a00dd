#ifndef ZELINVITABLELIST_H
#define ZELINVITABLELIST_H

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <functional>

class QListWidget;

// The contacts a chat window offers for a conference invitation, shown in the
// window's list of online users: a row's text is the display name, its tool
// tip the user name.
//
// Changes come for every open window at once, a whole contact list in one.
// While its list is hidden, a window keeps them as batches (a large one shared
// with the other windows) and makes the rows when the list is shown, or read
// through list(): a window whose list nobody looks at costs next to nothing,
// however long the contact list. The rows, once made, are those the changes
// made one by one would have left.
class ZELInvitableList : public QObject
{
    Q_OBJECT

public:
    // Which row already stands for a contact, so that none is added for it.
    enum Match { SameUserName, SameDisplayName };

    struct Contact
    {
        QString userName;
        QString displayName;
    };
    using Contacts = QList<Contact>;

    explicit ZELInvitableList(QObject *parent = nullptr);

    // The list the rows are shown in; changes made before wait for it.
    void attach(QListWidget *list);
    // Makes the list, not attached yet, when its rows are read through list().
    void setListMaker(std::function<QListWidget *()> maker);

    // Adds, in order, a row for each contact that no row stands for yet,
    // counting the rows added before it.
    void add(const Contacts &contacts, Match match);
    // Takes every row out.
    void clear();

    // The list with every change made: what reads its rows goes through here.
    QListWidget *list();

    // The present contacts ("user name##display name" entries) as contacts.
    static Contacts fromPresent(const QStringList &presentContacts);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // A batch up to this size is copied onto the last waiting one, so that
    // contacts signing in one by one wait as one batch.
    static constexpr qsizetype SmallBatch = 64;
    // What may wait while the list is hidden: past it, the batches are made
    // into rows, or, while the list has none, into the one batch of the rows
    // they would make.
    static constexpr qsizetype MaxWaitingBatches = 256;
    static constexpr qsizetype MaxWaitingCopies = 65536;

    // Rows: every contact of the batch is a row of its own (batches merged
    // while the list had no rows).
    enum Kind { BySameUserName = SameUserName, BySameDisplayName = SameDisplayName, Rows };

    struct Batch
    {
        Contacts contacts;
        Kind kind;
        bool copied; // its own, not shared: small ones may be added to it
    };

    void applyWhenDue();
    void apply();
    void merge();

    QPointer<QListWidget> m_list;
    std::function<QListWidget *()> m_maker;
    QList<Batch> m_waiting;
    qsizetype m_copies = 0; // contacts copied into waiting batches since the last merge
    bool m_clearFirst = false;
};

#endif
