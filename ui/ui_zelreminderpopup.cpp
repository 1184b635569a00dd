#include /* form */ "ui/ui_zelreminderpopup.h"

#include <QtCore/QCoreApplication>

void Ui_ZELReminderPopup::setupUi(QDialog *ZELReminderPopup)
{
    if (ZELReminderPopup->objectName().isEmpty())
        ZELReminderPopup->setObjectName(QString::fromLatin1("ZELReminderPopup"));
    ZELReminderPopup->setFixedSize(300, 160);

    m_logoLabel = new QLabel(ZELReminderPopup);
    m_logoLabel->setObjectName(QString::fromLatin1("m_logoLabel"));
    m_logoLabel->setGeometry(11, 0, 278, 20);
    m_logoLabel->setAlignment(Qt::AlignCenter);
    m_dateTimeLabel = new QLabel(ZELReminderPopup);
    m_dateTimeLabel->setObjectName(QString::fromLatin1("m_dateTimeLabel"));
    m_dateTimeLabel->setGeometry(12, 30, 271, 16);
    m_reminderDisplayText = new QLineEdit(ZELReminderPopup);
    m_reminderDisplayText->setObjectName(QString::fromLatin1("m_reminderDisplayText"));
    m_reminderDisplayText->setGeometry(60, 60, 220, 18);
    m_reminderDisplayText->setReadOnly(true);
    m_keyEditBox = new QLineEdit(ZELReminderPopup);
    m_keyEditBox->setObjectName(QString::fromLatin1("m_keyEditBox"));
    m_keyEditBox->setGeometry(240, 60, 23, 11);
    m_assigneeNameLabel = new QLabel(ZELReminderPopup);
    m_assigneeNameLabel->setObjectName(QString::fromLatin1("m_assigneeNameLabel"));
    m_assigneeNameLabel->setGeometry(12, 88, 275, 14);
    m_snoozeTime = new QComboBox(ZELReminderPopup);
    m_snoozeTime->setObjectName(QString::fromLatin1("m_snoozeTime"));
    m_snoozeTime->setGeometry(60, 112, 50, 21);
    m_snoozeButton = new QPushButton(ZELReminderPopup);
    m_snoozeButton->setObjectName(QString::fromLatin1("m_snoozeButton"));
    m_snoozeButton->setGeometry(133, 110, 75, 23);
    m_snoozeButton->setCursor(Qt::PointingHandCursor);
    m_dismissButton = new QPushButton(ZELReminderPopup);
    m_dismissButton->setObjectName(QString::fromLatin1("m_dismissButton"));
    m_dismissButton->setGeometry(215, 110, 75, 23);
    m_dismissButton->setCursor(Qt::PointingHandCursor);

    retranslateUi(ZELReminderPopup);
}

void Ui_ZELReminderPopup::retranslateUi(QDialog *ZELReminderPopup)
{
    ZELReminderPopup->setWindowTitle(QCoreApplication::translate("ZELReminderPopup", "Reminder"));
    m_logoLabel->setText(QCoreApplication::translate("ZELReminderPopup", "Reminder"));
    m_dateTimeLabel->setText(QCoreApplication::translate("ZELReminderPopup", "Date & Time"));
    m_assigneeNameLabel->setText(QCoreApplication::translate("ZELReminderPopup", "Assignee : "));
    m_snoozeButton->setText(QCoreApplication::translate("ZELReminderPopup", "Snooze"));
    m_snoozeButton->setToolTip(QCoreApplication::translate("ZELReminderPopup", "Snooze"));
    m_dismissButton->setText(QCoreApplication::translate("ZELReminderPopup", "Dismiss"));
    m_dismissButton->setToolTip(QCoreApplication::translate("ZELReminderPopup", "Dismiss"));
}
