#ifndef UI_ZELREMINDERDIALOG_H
#define UI_ZELREMINDERDIALOG_H

#include <QtWidgets/QComboBox>
#include <QtWidgets/QDialog>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QTableWidget>

// The reminder dialog's form: subject and assignee, the four buttons and
// the table of reminders.
class Ui_ZELReminderDialog
{
public:
    QComboBox *m_assigneeName;
    QLineEdit *m_remindingTextEdit;
    QPushButton *m_addReminderButton;
    QPushButton *m_editReminderButton;
    QPushButton *m_deleteReminderButton;
    QPushButton *m_closeReminderButton;
    QTableWidget *m_reminderTable;

    void setupUi(QDialog *ZELReminderDialog);
    void retranslateUi(QDialog *ZELReminderDialog);
};

namespace Ui {
class ZELReminderDialog : public Ui_ZELReminderDialog {};
}

#endif
