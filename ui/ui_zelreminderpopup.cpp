#include /* form */ "ui/ui_zelreminderpopup.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QMetaObject>
#include <QtGui/QPalette>

namespace {

QFont verdana(bool bold)
{
    QFont font(QStringLiteral("Verdana"), 8);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    return font;
}

template<typename T>
T *widget(QDialog *dialog, const char *name, int x, int y, int w, int h)
{
    auto *t = new T(dialog);
    t->setObjectName(QString::fromLatin1(name));
    t->setGeometry(x, y, w, h);
    t->setFont(verdana(false));
    return t;
}

} // namespace

void Ui_ZELReminderPopup::setupUi(QDialog *ZELReminderPopup)
{
    if (ZELReminderPopup->objectName().isEmpty())
        ZELReminderPopup->setObjectName(QString::fromLatin1("ZELReminderPopup"));
    ZELReminderPopup->resize(300, 160);
    ZELReminderPopup->setMinimumSize(300, 160);
    ZELReminderPopup->setMaximumSize(300, 160);
    ZELReminderPopup->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);

    m_logoLabel = titleLabel(ZELReminderPopup, QRect(11, 0, 278, 20));
    {
        QPalette palette = m_logoLabel->palette();
        palette.setColor(QPalette::WindowText, Qt::black);
        m_logoLabel->setPalette(palette);
    }
    setupFrameLabels(ZELReminderPopup, QSize(300, 160));

    m_keyEditBox = widget<QLineEdit>(ZELReminderPopup, "m_keyEditBox", 240, 60, 23, 11);
    m_snoozeButton = widget<QPushButton>(ZELReminderPopup, "m_snoozeButton", 133, 110, 75, 23);
    m_snoozeButton->setCursor(Qt::PointingHandCursor);
    m_dismissButton = widget<QPushButton>(ZELReminderPopup, "m_dismissButton", 215, 110, 75, 23);
    m_dismissButton->setCursor(Qt::PointingHandCursor);
    m_snoozeTime = widget<QComboBox>(ZELReminderPopup, "m_snoozeTime", 60, 112, 50, 21);
    m_snoozeTime->setEditable(false);
    m_timeUnitsLabel = widget<QLabel>(ZELReminderPopup, "m_timeUnitsLabel", 12, 111, 48, 20);
    textLabel1 = widget<QLabel>(ZELReminderPopup, "textLabel1", 12, 60, 47, 20);
    m_reminderDisplayText = widget<QLineEdit>(ZELReminderPopup, "m_reminderDisplayText", 60, 60, 220, 18);
    m_reminderDisplayText->setReadOnly(true);
    m_assigneeNameLabel = widget<QLabel>(ZELReminderPopup, "m_assigneeNameLabel", 12, 88, 275, 14);
    m_assigneeNameLabel->setTextFormat(Qt::PlainText); // the name of the user who set it
    m_closeButton = titleButton(ZELReminderPopup, "m_closeButton", QRect(281, 7, 12, 11));
    m_closeButton->setFont(verdana(false));
    m_closeButton->setAutoFillBackground(true);
    m_dateTimeLabel = widget<QLabel>(ZELReminderPopup, "m_dateTimeLabel", 12, 30, 271, 16);

    QWidget::setTabOrder(m_reminderDisplayText, m_snoozeTime);
    QWidget::setTabOrder(m_snoozeTime, m_snoozeButton);
    QWidget::setTabOrder(m_snoozeButton, m_dismissButton);
    QWidget::setTabOrder(m_dismissButton, m_closeButton);
    QWidget::setTabOrder(m_closeButton, m_keyEditBox);

    retranslateUi(ZELReminderPopup);
    QMetaObject::connectSlotsByName(ZELReminderPopup);
}

void Ui_ZELReminderPopup::retranslateUi(QDialog *ZELReminderPopup)
{
    const auto tr = [](const char *text) { return QCoreApplication::translate("ZELReminderPopup", text); };
    ZELReminderPopup->setWindowTitle(tr("Reminder"));
    m_logoLabel->setText(tr("Reminder"));
    m_snoozeButton->setText(tr("Snooze"));
    m_snoozeButton->setToolTip(tr("Snooze"));
    m_dismissButton->setText(tr("Dismiss"));
    m_dismissButton->setToolTip(tr("Dismiss"));
    m_timeUnitsLabel->setText(tr("Minutes"));
    textLabel1->setText(tr("Subject"));
    m_assigneeNameLabel->setText(tr("Assignee : "));
    m_closeButton->setText(QString());
    m_closeButton->setToolTip(tr("Close"));
    m_dateTimeLabel->setText(tr("Date & Time"));
}
