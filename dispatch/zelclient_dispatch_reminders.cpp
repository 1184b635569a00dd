#include "core/zelclient.h"

#include <memory>

#include "core/zelslicedwork.h"
#include "protocol/zelparsedmessage.h"
#include "reminders/zelreminderdialog.h"

namespace {

// A reminder on the wire: seven values, from [1] in SELFREMINDERS and
// CROSSREMINDERS (record after record) and in ADDCROSSREMINDER (one record).
enum RecordValue {
    RecordId,
    RecordSubject,
    RecordDue,
    RecordState,
    RecordAssignee,
    RecordOwner,     // CROSSREMINDERS: the assignee's name as shown
    RecordLocalDue,  // "Self", or the due time that rings here
    RecordWidth
};
constexpr int FirstRecord = 1;

// DELETECROSSREMINDER: [1] id; SNOOZECROSSREMINDER: [1] id, [2] due;
// DELETEREMINDERLIST: [1] user name.
enum SingleValue { SingleId = 1, SingleDue = 2, SingleUserName = 1 };

QString recordValue(const QStringList &message, int record, RecordValue value)
{
    return messageValue(message, FirstRecord + record * RecordWidth + value);
}

} // namespace

// A trailing incomplete record is left out. The next reminder to ring is
// chosen once, after the whole list: choosing looks at every reminder.
ZELDispatchResult ZELClient::dispatchSelfReminders(const QStringList &message)
{
    const QStringList copy = message;
    const int records = messageRecordCount(copy, FirstRecord, RecordWidth);
    for (int r = 0; r < records; ++r) {
        QString subject = recordValue(copy, r, RecordSubject);
        QString due = recordValue(copy, r, RecordDue);
        QString state = recordValue(copy, r, RecordState);
        QString id = recordValue(copy, r, RecordId);
        QString assignee = recordValue(copy, r, RecordAssignee);
        QString owner = recordValue(copy, r, RecordOwner);
        QString localDue = recordValue(copy, r, RecordLocalDue);
        loadReminderinQMap(subject, due, state, id, assignee, owner, localDue);
    }
    if (records > 0)
        scheduleNextReminder();
    return ZELDispatchResult::Continue;
}

ZELDispatchResult ZELClient::dispatchCrossReminders(const QStringList &message)
{
    auto records = std::make_shared<const QStringList>(message);
    runSliced(
        messageRecordCount(message, FirstRecord, RecordWidth),
        [this, records](qsizetype n) {
            const int r = int(n);
            QString subject = recordValue(*records, r, RecordSubject);
            QString due = recordValue(*records, r, RecordDue);
            QString state = recordValue(*records, r, RecordState);
            QString id = recordValue(*records, r, RecordId);
            QString assignee = recordValue(*records, r, RecordAssignee);
            QString assigneeName = recordValue(*records, r, RecordOwner);
            loadOtherReminderinQMap(subject, due, state, id, assignee, assigneeName);
        },
        [records]() mutable { ZELSlicedWork::releaseAside(std::move(records)); });
    return ZELDispatchResult::Continue;
}

ZELDispatchResult ZELClient::dispatchAddCrossReminder(const QStringList &message)
{
    QString subject = recordValue(message, 0, RecordSubject);
    QString unused = recordValue(message, 0, RecordDue);
    QString state = recordValue(message, 0, RecordState);
    QString id = recordValue(message, 0, RecordId);
    QString assignee = recordValue(message, 0, RecordAssignee);
    QString owner = recordValue(message, 0, RecordOwner);
    QString due = recordValue(message, 0, RecordLocalDue);
    crossEditReminderinQMap(subject, unused, state, id, assignee, owner, due);
    return ZELDispatchResult::Continue;
}

ZELDispatchResult ZELClient::dispatchDeleteCrossReminder(const QStringList &message)
{
    QString id = messageValue(message, SingleId);
    deleteReminderinTable(id);
    return ZELDispatchResult::Continue;
}

ZELDispatchResult ZELClient::dispatchSnoozeCrossReminder(const QStringList &message)
{
    QString id = messageValue(message, SingleId);
    QString due = messageValue(message, SingleDue);
    snoozeFromOtherUser(id, due);
    return ZELDispatchResult::Continue;
}

ZELDispatchResult ZELClient::dispatchDeleteReminderList(const QStringList &message)
{
    if (ZELReminderDialog *dialog = m_reminderDialog.built()) // unbuilt, it lists no reminder
        dialog->deleteContactFromReminder(messageValue(message, SingleUserName), false);
    return ZELDispatchResult::Continue;
}
