#include /* form */ "ui/ui_zelreminderdialog.h"

#include <QtCore/QCoreApplication>

namespace {

QPushButton *button(QDialog *dialog, const char *name, int x, int y)
{
    auto *b = new QPushButton(dialog);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(x, y, 75, 23);
    b->setCursor(Qt::PointingHandCursor);
    return b;
}

} // namespace

void Ui_ZELReminderDialog::setupUi(QDialog *ZELReminderDialog)
{
    if (ZELReminderDialog->objectName().isEmpty())
        ZELReminderDialog->setObjectName(QString::fromLatin1("ZELReminderDialog"));
    ZELReminderDialog->setFixedSize(405, 375);

    m_assigneeName = new QComboBox(ZELReminderDialog);
    m_assigneeName->setObjectName(QString::fromLatin1("m_assigneeName"));
    m_assigneeName->setGeometry(90, 40, 277, 18);
    m_remindingTextEdit = new QLineEdit(ZELReminderDialog);
    m_remindingTextEdit->setObjectName(QString::fromLatin1("m_remindingTextEdit"));
    m_remindingTextEdit->setGeometry(90, 70, 277, 18);
    m_addReminderButton = button(ZELReminderDialog, "m_addReminderButton", 20, 133);
    m_editReminderButton = button(ZELReminderDialog, "m_editReminderButton", 110, 133);
    m_deleteReminderButton = button(ZELReminderDialog, "m_deleteReminderButton", 202, 133);
    m_closeReminderButton = button(ZELReminderDialog, "m_closeReminderButton", 295, 133);
    m_reminderTable = new QTableWidget(ZELReminderDialog);
    m_reminderTable->setObjectName(QString::fromLatin1("m_reminderTable"));
    m_reminderTable->setGeometry(20, 190, 365, 161);
    m_reminderTable->setSelectionBehavior(QAbstractItemView::SelectRows);

    retranslateUi(ZELReminderDialog);
}

void Ui_ZELReminderDialog::retranslateUi(QDialog *ZELReminderDialog)
{
    ZELReminderDialog->setWindowTitle(QCoreApplication::translate("ZELReminderDialog", "Reminder"));
    m_addReminderButton->setText(QCoreApplication::translate("ZELReminderDialog", "Add"));
    m_addReminderButton->setToolTip(QCoreApplication::translate("ZELReminderDialog", "Add Reminder"));
    m_editReminderButton->setText(QCoreApplication::translate("ZELReminderDialog", "Update"));
    m_editReminderButton->setToolTip(QCoreApplication::translate("ZELReminderDialog", "Update Reminder"));
    m_deleteReminderButton->setText(QCoreApplication::translate("ZELReminderDialog", "Delete"));
    m_deleteReminderButton->setToolTip(QCoreApplication::translate("ZELReminderDialog", "Delete Reminder"));
    m_closeReminderButton->setText(QCoreApplication::translate("ZELReminderDialog", "Close"));
    m_closeReminderButton->setToolTip(QCoreApplication::translate("ZELReminderDialog", "Close"));
}
