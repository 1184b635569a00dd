#include "reminders/zelreminderdialog.h"

#include <QHeaderView>

ZELReminderDialog::ZELReminderDialog(QWidget *parent)
    : QDialog(parent)
{
    setupUi(this);
    setWindowIcon(QIcon(QStringLiteral(":images/ZEL_logo.png")));
    setParent(parent, Qt::Dialog | Qt::FramelessWindowHint);
    setWindowModality(Qt::WindowModal);

    m_assigneeName->insertItem(-1, QStringLiteral("Self"));
    m_assigneeDetails << QStringLiteral("Self##Self");

    m_reminderTable->setColumnCount(6);
    m_reminderTable->setHorizontalHeaderLabels({ QStringLiteral("Subject"), QStringLiteral("Date and Time"),
                                                 QStringLiteral("Status"), QString(), QStringLiteral("Assignee"),
                                                 QStringLiteral("Assignee") });
    m_reminderTable->setSelectionMode(QAbstractItemView::SingleSelection);
    m_reminderTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Id and assignee user name are kept in hidden columns.
    m_reminderTable->setColumnHidden(3, true);
    m_reminderTable->setColumnHidden(4, true);

    connect(m_closeReminderButton, &QPushButton::clicked, this, &QDialog::close);
    hide();
}

void ZELReminderDialog::disableReminderButtons()
{
    disconnected = true;
    m_addReminderButton->setEnabled(false);
    m_editReminderButton->setEnabled(false);
    m_deleteReminderButton->setEnabled(false);
}

// Update and Delete wait for the next row selection.
void ZELReminderDialog::enableReminderButtons()
{
    disconnected = false;
    m_addReminderButton->setEnabled(!m_remindingTextEdit->text().trimmed().isEmpty());
}
