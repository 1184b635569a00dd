#ifndef UI_ZELREMINDERDIALOG_H
#define UI_ZELREMINDERDIALOG_H

#include <QtWidgets/QComboBox>
#include <QtWidgets/QDateEdit>
#include <QtWidgets/QDialog>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QTableWidget>
#include <QtWidgets/QTimeEdit>
#include <QtWidgets/QToolButton>

#include "style/zelframelabels.h"

// The reminder dialog's form: frame labels, assignee, subject, due date and
// time, the four buttons and the table of reminders, at fixed positions.
class Ui_ZELReminderDialog : public ZELFrameLabels
{
public:
    QLabel *m_logoLabel;
    QComboBox *m_assigneeName;
    QLabel *label;
    QLabel *textLabel1;
    QLabel *textLabel1_2;
    QLabel *label_2;
    QLineEdit *m_remindingTextEdit;
    QPushButton *m_addReminderButton;
    QPushButton *m_editReminderButton;
    QPushButton *m_deleteReminderButton;
    QPushButton *m_closeReminderButton;
    QPushButton *m_closeButton;
    QTableWidget *m_reminderTable;
    QToolButton *m_calenderToolButton;
    QDateEdit *m_dateEdit;
    QLabel *label_3;
    QTimeEdit *m_timeEdit;

    void setupUi(QDialog *ZELReminderDialog);
    void retranslateUi(QDialog *ZELReminderDialog);
};

namespace Ui {
class ZELReminderDialog : public Ui_ZELReminderDialog {};
}

#endif
