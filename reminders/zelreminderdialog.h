#ifndef ZELREMINDERDIALOG_H
#define ZELREMINDERDIALOG_H

#include /* form */ "ui/ui_zelreminderdialog.h"

#include <QDate>
#include <QDateTime>
#include <QDialog>
#include <QString>
#include <QStringList>

#include <memory>

class QCalendarWidget;
class QCloseEvent;
class ZELFramelessHelper;
class ZELMessageBoxClass;

// Creates, edits and deletes reminders for the user and for contacts. It
// never talks to the server: it checks the input, works out the due time in
// the assignee's zone and emits one of four signals. Long-lived child of the
// main widget, which also writes its table and assignee list directly.
class ZELReminderDialog : public QDialog, public Ui_ZELReminderDialog
{
    Q_OBJECT

public:
    // Table columns; 3 and 4 are hidden.
    enum Column { SubjectColumn, DueColumn, StateColumn, IdColumn, AssigneeColumn, AssigneeNameColumn };
    static constexpr int RowHeight = 18;
    static constexpr int DateRangeDays = 700;

    explicit ZELReminderDialog(QWidget *parent);
    ~ZELReminderDialog() override;

    // Due text (Qt::TextDate) as the table shows it: date, a blank, "hh:mm:ss ap".
    static QString tableDateTime(const QString &dueText);
    // A local moment as due text, Qt::TextDate without any zone suffix.
    static QString dueText(const QDateTime &moment);

    void windowSettings(QWidget *parent);
    void defaultSettings();
    void setupReminderTable();
    void setZELStyle();
    void signalsAndSlots();
    void enableReminderButtons();
    void disableReminderButtons();

    // Subject empty, "Self" chosen, today and now, no selection.
    void resetForm();
    // First row whose id column holds the id, or -1.
    int rowOfReminder(const QString &reminderId) const;
    // Appends a row of six plain items.
    void appendReminderRow(const QStringList &cells);
    // Display name -> user name and time zone, through m_assigneeDetails.
    void resolveAssignee(QString &userName, QString &timeZone) const;

    int m_selectedRow = -1;
    QString m_gmtTime;
    QCalendarWidget *m_calendar = nullptr; // a top-level pop-up, deleted with the dialog
    // One entry per assignee: display name, user name and time zone joined by "##".
    QStringList m_assigneeDetails;
    bool disconnected = false;
    ZELMessageBoxClass *m_informationBox = nullptr;
    ZELMessageBoxClass *m_questionBox = nullptr;

signals:
    void selfAddReminderDetails(QString &subject, QString &due, QString &state, QString &assignee, QString &id);
    void selfEditReminderDetails(QString &subject, QString &due, QString &state, QString &assignee, QString &id,
                                 QString &zoneTime);
    void selfDeleteReminderDetails(QString &id);
    void crossAddReminderDetails(QString &subject, QString &due, QString &state, QString &assignee, QString &id,
                                 QString &zoneTime);

public slots:
    void addReminder();
    void editReminder();
    void deleteReminder();
    void rowSelected(int row, int column);
    void dateTimeValidation(QDate date);
    void enableSearchInUserName(const QString &text);
    void showCalenderWidget();
    void deleteContactFromReminder(QString userName, bool sendRequest);
    void calculateGmtTime(QString zone, QDateTime due);

    // Escape closes through closeEvent, so its resets run.
    void reject() override;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void inform(const QString &text);
    QDateTime chosenDue() const;

    ZELFramelessHelper *m_frame = nullptr;
};

#endif
