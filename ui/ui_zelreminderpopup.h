#ifndef UI_ZELREMINDERPOPUP_H
#define UI_ZELREMINDERPOPUP_H

#include <QtWidgets/QComboBox>
#include <QtWidgets/QDialog>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>

#include "style/zelframelabels.h"

// The alarm pop-up's form: title strip and frame labels, due time, subject,
// assignee, the snooze minutes and the Snooze and Dismiss buttons, placed by
// fixed geometry.
class Ui_ZELReminderPopup : public ZELFrameLabels
{
public:
    QLabel *m_logoLabel;
    QLineEdit *m_keyEditBox;
    QPushButton *m_snoozeButton;
    QPushButton *m_dismissButton;
    QComboBox *m_snoozeTime;
    QLabel *m_timeUnitsLabel;
    QLabel *textLabel1;
    QLineEdit *m_reminderDisplayText;
    QLabel *m_assigneeNameLabel;
    QPushButton *m_closeButton;
    QLabel *m_dateTimeLabel;

    void setupUi(QDialog *ZELReminderPopup);
    void retranslateUi(QDialog *ZELReminderPopup);
};

namespace Ui {
class ZELReminderPopup : public Ui_ZELReminderPopup {};
}

#endif
