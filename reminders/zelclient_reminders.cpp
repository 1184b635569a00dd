#include "core/zelclient.h"

#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>

#include "contacts/zelprofilesettings.h"
#include "core/zelthread.h"
#include "reminders/zelreminderdialog.h"
#include "reminders/zelreminderpopup.h"
#include "reminders/zelzonetime.h"
#include "style/zeltextbounds.h"

namespace {

const QString Self = QStringLiteral("Self");
const QString Awaiting = QStringLiteral("Awaiting");
const QString Triggered = QStringLiteral("Triggered");

using Column = ZELReminderDialog::Column;

// Subject empty, "Self" chosen, Update and Delete off, no row remembered:
// what the dialog shows when the row under edit goes away.
void resetReminderForm(ZELReminderDialog *dialog)
{
    dialog->resetForm();
    dialog->m_editReminderButton->setEnabled(false);
    dialog->m_deleteReminderButton->setEnabled(false);
    dialog->m_selectedRow = -1;
}

// Removes the first row of the reminder, resetting the form when it was the row under edit.
void removeReminderRow(ZELReminderDialog *dialog, const QString &reminderId)
{
    const int row = dialog->rowOfReminder(reminderId);
    if (row < 0)
        return;
    if (row == dialog->m_reminderTable->currentRow())
        resetReminderForm(dialog);
    dialog->m_reminderTable->removeRow(row);
}

void setCell(QTableWidget *table, int row, int column, const QString &text)
{
    table->setItem(row, column, new QTableWidgetItem(text));
}

// When a reminder rings. A due time that cannot be read rings at once rather
// than waiting for ever unseen; the user then snoozes it to a real time or
// dismisses it.
QDateTime ringTime(const ReminderRecord &record)
{
    const QDateTime due = QDateTime::fromString(record.dueDateTime, Qt::TextDate);
    return due.isValid() ? due : QDateTime::currentDateTime();
}

} // namespace

void ZELClient::reminder()
{
    ZELReminderDialog *dialog = m_reminderDialog.get();
    if (dialog->isVisible()) {
        QApplication::alert(dialog, 0);
        return;
    }
    dialog->m_dateEdit->setDate(QDate::currentDate());
    dialog->m_timeEdit->setTime(QTime::currentTime());
    dialog->m_assigneeName->setEnabled(true);
    dialog->m_assigneeName->setCurrentIndex(dialog->m_assigneeName->count() - 1);
    dialog->m_reminderTable->clearSelection();
    dialog->m_remindingTextEdit->clear();
    dialog->m_remindingTextEdit->setFocus();
    dialog->m_selectedRow = -1;
    dialog->setModal(true);
    dialog->show();
}

void ZELClient::resetReminderAssignees()
{
    ZELReminderDialog *dialog = m_reminderDialog.built();
    if (!dialog) {
        m_pendingAssignees.names = QStringList{Self};
        m_pendingAssignees.details = QStringList{QStringLiteral("Self##Self##Self")};
        m_pendingAssignees.current = 0;
        m_pendingAssignees.changed = true;
        return;
    }
    dialog->m_reminderTable->setRowCount(0);
    dialog->m_assigneeName->clear();
    dialog->m_assigneeName->addItem(QStringLiteral("Self"));
    dialog->m_assigneeDetails.clear();
    dialog->m_assigneeDetails.append(QStringLiteral("Self##Self##Self"));
}

bool ZELClient::hasReminderAssignee(const QString &displayName) const
{
    if (ZELReminderDialog *dialog = m_reminderDialog.built())
        return dialog->m_assigneeName->findText(displayName, Qt::MatchExactly) >= 0;
    return m_pendingAssignees.names.contains(displayName);
}

// A new assignee goes first in the list; the chosen one stays chosen.
void ZELClient::addReminderAssignee(const QString &displayName, const QString &details)
{
    if (ZELReminderDialog *dialog = m_reminderDialog.built()) {
        dialog->m_assigneeDetails.append(details);
        dialog->m_assigneeName->insertItem(0, displayName);
        return;
    }
    PendingAssignees &pending = m_pendingAssignees;
    pending.details.append(details);
    pending.names.prepend(displayName);
    if (pending.current >= 0)
        ++pending.current;
    else
        pending.current = 0; // a list that was empty chooses its first item
    pending.changed = true;
}

// The contact's entries leave the list (their details stay, as the dialog
// keeps them); a removed chosen item passes the choice to the one in its place.
void ZELClient::removeReminderAssigneesOf(const QString &userName)
{
    if (ZELReminderDialog *dialog = m_reminderDialog.built()) {
        for (const QString &entry : std::as_const(dialog->m_assigneeDetails)) {
            if (entry.section(QStringLiteral("##"), 1, 1) != userName)
                continue;
            const int item = dialog->m_assigneeName->findText(entry.section(QStringLiteral("##"), 0, 0),
                                                              Qt::MatchExactly);
            if (item >= 0)
                dialog->m_assigneeName->removeItem(item);
        }
        return;
    }
    PendingAssignees &pending = m_pendingAssignees;
    for (const QString &entry : std::as_const(pending.details)) {
        if (entry.section(QStringLiteral("##"), 1, 1) != userName)
            continue;
        const qsizetype item = pending.names.indexOf(entry.section(QStringLiteral("##"), 0, 0));
        if (item < 0)
            continue;
        pending.names.removeAt(item);
        if (item < pending.current)
            --pending.current;
        else if (item == pending.current)
            pending.current = pending.names.isEmpty() ? -1 : int(qMin<qsizetype>(item, pending.names.size() - 1));
        pending.changed = true;
    }
}

void ZELClient::scheduleNextReminder()
{
    QDateTime best = QDateTime::currentDateTime().addYears(1);
    bool found = false;
    QString subject;
    QString reminderId;
    QString dueText;
    // Key order, and >=: of equal due times the later id wins.
    for (const ReminderRecord &record : std::as_const(m_reminders)) {
        const QDateTime candidate = ringTime(record);
        if (record.state != Awaiting)
            continue;
        if (best >= candidate) {
            best = candidate;
            subject = record.subject;
            reminderId = record.reminderId;
            dueText = ZELReminderDialog::dueText(candidate);
            found = true;
        }
    }
    if (found)
        m_workerThread->setNextReminder(subject, dueText, reminderId);
    else
        m_workerThread->setNextReminder(QStringLiteral("EMPTY"),
                                        ZELReminderDialog::dueText(QDateTime::currentDateTime().addMonths(12)),
                                        QString());
}

void ZELClient::reminderPopupDisplay(QString subject, QString reminderId, QString due)
{
    if (m_reminderPopup.isVisible())
        return;
    // The thread repeats its report each second, so a report may still be queued
    // for a reminder that was snoozed, deleted or shown meanwhile, or be the
    // placeholder of an empty list: only a due, awaiting record is announced.
    const auto found = m_reminders.find(reminderId);
    if (found == m_reminders.end()) {
        scheduleNextReminder();
        return;
    }
    if (found->state != Awaiting || ringTime(*found) > QDateTime::currentDateTime())
        return;
    // A time that could not be read is shown as such, not as the moment it rang.
    if (!QDateTime::fromString(found->dueDateTime, Qt::TextDate).isValid())
        due = found->dueDateTime;
    found->state = Triggered;
    const ReminderRecord record = *found;
    scheduleNextReminder();

    const int row = m_reminderDialog->rowOfReminder(reminderId);
    if (row >= 0)
        setCell(m_reminderDialog->m_reminderTable, row, Column::StateColumn, Triggered);

    ZELReminderPopup *popup = m_reminderPopup.get();
    popup->m_reminderDisplayText->setText(subject);
    popup->m_keyEditBox->setText(reminderId);
    popup->m_logoLabel->setText(QStringLiteral("ZEL Reminder"));
    popup->setWindowTitle(ZELTextBounds::shownLine(subject) + QStringLiteral(" - Reminder"));
    if (record.assignee != Self) {
        popup->m_assigneeNameLabel->setText(QStringLiteral("Assignee : ") + ZELTextBounds::shownName(record.owner));
        popup->m_assigneeNameLabel->show();
    } else {
        popup->m_assigneeNameLabel->hide();
    }
    popup->m_snoozeTime->setCurrentIndex(0);
    const QScreen *screen = QGuiApplication::primaryScreen();
    const int desktopHeight = screen ? screen->virtualGeometry().height() : 0;
    popup->setGeometry(desktopHeight / 2, 0, popup->width(), popup->height());
    popup->setMask(QRegion(popup->rect()));
    popup->m_dateTimeLabel->setText(QStringLiteral("Date & Time : ") + ZELReminderDialog::tableDateTime(due));
    popup->show();
    popup->moveReminderDialog();
    QApplication::alert(popup, 0);
}

void ZELClient::reminderIsDismissed(QString &reminderId)
{
    const auto found = m_reminders.find(reminderId);
    // Deleted by its owner meanwhile: nothing left to dismiss on either side.
    if (found == m_reminders.end())
        return;
    const ReminderRecord record = *found;
    if (record.assignee == Self)
        removeReminderRow(m_reminderDialog.get(), reminderId);
    m_reminders.erase(found);
    QStringList request { QStringLiteral("DELETEREMINDER"), reminderId, record.assignee };
    convertXMLSendToServer(request);
}

void ZELClient::reminderIsSnoozed(QStringList &details)
{
    const QString reminderId = details.value(0);
    const auto found = m_reminders.find(reminderId);
    // A snooze for a reminder dismissed or deleted meanwhile changes nothing.
    if (found == m_reminders.end())
        return;
    bool ok = false;
    const int minutes = details.value(1).toInt(&ok, 10);
    const QDateTime newDue = QDateTime::currentDateTime().addSecs(qint64(ok ? minutes : 0) * 60);
    const QString dueText = ZELReminderDialog::dueText(newDue);
    found->state = Awaiting;
    found->dueDateTime = dueText;
    const QString assignee = found->assignee;
    scheduleNextReminder();

    // Somebody else's reminder goes back in the zone of this user's profile,
    // the zone it came in.
    const QString sentDue = assignee == Self ? dueText : ZELZoneTime::localToZone(newDue, ownTimeZone());
    QStringList request { QStringLiteral("SNOOZEREMINDER"), reminderId, assignee, sentDue };
    convertXMLSendToServer(request);

    if (assignee != Self)
        return;
    QTableWidget *table = m_reminderDialog->m_reminderTable;
    for (int row = 0; row < table->rowCount(); ++row) {
        const QTableWidgetItem *id = table->item(row, Column::IdColumn);
        if (!id || id->text() != reminderId)
            continue;
        setCell(table, row, Column::DueColumn, ZELReminderDialog::tableDateTime(dueText));
        setCell(table, row, Column::StateColumn, Awaiting);
    }
}

void ZELClient::snoozeFromOtherUser(QString &reminderId, QString &due)
{
    QTableWidget *table = m_reminderDialog->m_reminderTable;
    for (int row = 0; row < table->rowCount(); ++row) {
        const QTableWidgetItem *id = table->item(row, Column::IdColumn);
        if (!id || id->text() != reminderId)
            continue;
        setCell(table, row, Column::DueColumn, ZELReminderDialog::tableDateTime(due));
        setCell(table, row, Column::StateColumn, Awaiting);
    }
}

void ZELClient::selfAddReminderinQMap(QString &subject, QString &due, QString &state, QString &assignee,
                                      QString &reminderId)
{
    m_reminders.insert(reminderId, ReminderRecord{reminderId, state, subject, due, assignee, assignee});
    scheduleNextReminder();
    if (assignee != Self)
        return;
    m_reminderDialog->appendReminderRow(
        {subject, ZELReminderDialog::tableDateTime(due), state, reminderId, assignee, assignee});
    QStringList request { QStringLiteral("ADDREMINDER"), reminderId, subject, due, state, assignee, Self };
    convertXMLSendToServer(request);
}

void ZELClient::selfEditReminderinQMap(QString &subject, QString &due, QString &state, QString &assignee,
                                       QString &reminderId, QString &zoneTime)
{
    if (assignee == Self) {
        m_reminders.insert(reminderId, ReminderRecord{reminderId, state, subject, due, Self, Self});
        scheduleNextReminder();
    }
    QStringList request { QStringLiteral("EDITREMINDER"), reminderId, subject, due, state, assignee, zoneTime };
    convertXMLSendToServer(request);
}

void ZELClient::selfDeleteReminderinQMap(QString &reminderId)
{
    QString assignee;
    const auto found = m_reminders.find(reminderId);
    if (found != m_reminders.end()) {
        assignee = found->assignee;
        if (assignee == Self)
            m_reminders.erase(found);
    }
    const int row = m_reminderDialog->rowOfReminder(reminderId);
    if (row >= 0) {
        if (const QTableWidgetItem *item = m_reminderDialog->m_reminderTable->item(row, Column::AssigneeColumn))
            assignee = item->text();
        removeReminderRow(m_reminderDialog.get(), reminderId);
    }
    QStringList request { QStringLiteral("DELETEREMINDER"), reminderId, assignee };
    convertXMLSendToServer(request);
    scheduleNextReminder();
}

void ZELClient::crossAddReminderinQMap(QString &subject, QString &due, QString &state, QString &assignee,
                                       QString &reminderId, QString &zoneTime)
{
    QString shownName;
    for (const UserRecord &user : std::as_const(m_users)) {
        if (user.userName == assignee) {
            shownName = user.displayName;
            break;
        }
    }
    if (shownName.isEmpty())
        shownName = assignee;
    m_reminderDialog->appendReminderRow(
        {subject, ZELReminderDialog::tableDateTime(due), state, reminderId, assignee, shownName});
    QStringList request { QStringLiteral("ADDREMINDER"), reminderId, subject, due, state, assignee, zoneTime };
    convertXMLSendToServer(request);
}

void ZELClient::loadReminderinQMap(QString &subject, QString &due, QString &state, QString &reminderId,
                                   QString &assignee, QString &owner, QString &localDue)
{
    const QString alarmDue = localDue == Self ? due : ZELZoneTime::zoneToLocal(localDue, ownTimeZone());
    m_reminders.insert(reminderId, ReminderRecord{reminderId, state, subject, alarmDue, assignee, owner});
    if (assignee == Self)
        m_reminderDialog->appendReminderRow(
            {subject, ZELReminderDialog::tableDateTime(due), state, reminderId, assignee, assignee});
}

void ZELClient::loadOtherReminderinQMap(QString &subject, QString &due, QString &state, QString &reminderId,
                                        QString &assignee, QString &assigneeName)
{
    m_reminderDialog->appendReminderRow(
        {subject, ZELReminderDialog::tableDateTime(due), state, reminderId, assignee, assigneeName});
}

void ZELClient::crossEditReminderinQMap(QString &subject, QString &, QString &state, QString &reminderId,
                                        QString &assignee, QString &owner, QString &due)
{
    m_reminders.insert(reminderId, ReminderRecord{reminderId, state, subject,
                                                  ZELZoneTime::zoneToLocal(due, ownTimeZone()), assignee, owner});
    scheduleNextReminder();
}

// The due time of a reminder another user set for this one is wall-clock time
// in the zone of this user's profile.
QString ZELClient::ownTimeZone() const
{
    return m_ownProfile.value(ZELProfileSettings::TimeZone);
}

void ZELClient::deleteReminderinTable(QString &reminderId)
{
    if (m_reminders.remove(reminderId) > 0)
        scheduleNextReminder();
    removeReminderRow(m_reminderDialog.get(), reminderId);
}
