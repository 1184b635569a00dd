#ifndef ZELREMINDERDIALOG_H
#define ZELREMINDERDIALOG_H

#include /* form */ "ui/ui_zelreminderdialog.h"

#include <QDialog>
#include <QString>
#include <QStringList>

// Creates, edits and deletes reminders for the user and for contacts.
// Long-lived child of the main widget, which also writes its table and
// assignee list directly.
class ZELReminderDialog : public QDialog, public Ui_ZELReminderDialog
{
    Q_OBJECT

public:
    explicit ZELReminderDialog(QWidget *parent);

    void disableReminderButtons();
    void enableReminderButtons();

    int m_selectedRow = -1;
    QString m_gmtTime;
    // One entry per assignee: display name, user name and time zone joined by "##".
    QStringList m_assigneeDetails;
    bool disconnected = false;

signals:
    void selfAddReminderDetails(QString &subject, QString &due, QString &state, QString &assignee, QString &id);
    void selfEditReminderDetails(QString &subject, QString &due, QString &state, QString &assignee, QString &id,
                                 QString &zoneTime);
    void selfDeleteReminderDetails(QString &id);
    void crossAddReminderDetails(QString &subject, QString &due, QString &state, QString &assignee, QString &id,
                                 QString &zoneTime);
};

#endif
