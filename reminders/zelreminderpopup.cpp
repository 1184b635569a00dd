#include "reminders/zelreminderpopup.h"

#include <QCloseEvent>
#include <QKeyEvent>

ZELReminderPopup::ZELReminderPopup()
    : QDialog(nullptr)
{
    setupUi(this);
    setWindowIcon(QIcon(QStringLiteral(":images/ZEL_logo.png")));
    setMask(QRegion(0, 0, 300, 160));
    setWindowFlags(Qt::WindowStaysOnTopHint | Qt::WindowMinimizeButtonHint);

    m_keyEditBox->setReadOnly(true);
    m_keyEditBox->hide();
    m_snoozeTime->addItems({ QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"),
                             QStringLiteral("5"), QStringLiteral("10"), QStringLiteral("15"), QStringLiteral("30"),
                             QStringLiteral("60") });

    connect(m_snoozeButton, &QPushButton::clicked, this, &ZELReminderPopup::snoozeReminder);
    connect(m_dismissButton, &QPushButton::clicked, this, &ZELReminderPopup::dismissReminder);
    hide();
}

void ZELReminderPopup::disablePopupButtons()
{
    disconnected = true;
    m_snoozeButton->setEnabled(false);
    m_dismissButton->setEnabled(false);
}

void ZELReminderPopup::enablePopupButtons()
{
    disconnected = false;
    m_snoozeButton->setEnabled(true);
    m_dismissButton->setEnabled(true);
}

void ZELReminderPopup::snoozeReminder()
{
    QStringList idAndMinutes { m_keyEditBox->text(), m_snoozeTime->currentText() };
    emit snoozeClicked(idAndMinutes);
    closeAnswered();
}

void ZELReminderPopup::dismissReminder()
{
    QString id = m_keyEditBox->text();
    emit dismissClicked(id);
    closeAnswered();
}

// A close after an answer must not snooze again: a dismissed reminder would
// otherwise come back as a snooze of an id the main widget just deleted.
void ZELReminderPopup::closeAnswered()
{
    m_answered = true;
    close();
    m_answered = false;
}

void ZELReminderPopup::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        snoozeReminder();
    // Every other key is dropped; the dialog's default keys never run.
}

void ZELReminderPopup::closeEvent(QCloseEvent *event)
{
    if (!disconnected && !m_answered)
        snoozeReminder();
    event->accept();
}
