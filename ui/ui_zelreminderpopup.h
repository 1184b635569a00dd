#ifndef UI_ZELREMINDERPOPUP_H
#define UI_ZELREMINDERPOPUP_H

#include <QtWidgets/QComboBox>
#include <QtWidgets/QDialog>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>

// The alarm pop-up's form: subject, assignee and due time, the snooze
// minutes and the Snooze and Dismiss buttons, placed by fixed geometry.
class Ui_ZELReminderPopup
{
public:
    QLabel *m_logoLabel;
    QLabel *m_dateTimeLabel;
    QLineEdit *m_reminderDisplayText;
    QLabel *m_assigneeNameLabel;
    QLineEdit *m_keyEditBox;
    QComboBox *m_snoozeTime;
    QPushButton *m_snoozeButton;
    QPushButton *m_dismissButton;

    void setupUi(QDialog *ZELReminderPopup);
    void retranslateUi(QDialog *ZELReminderPopup);
};

namespace Ui {
class ZELReminderPopup : public Ui_ZELReminderPopup {};
}

#endif
