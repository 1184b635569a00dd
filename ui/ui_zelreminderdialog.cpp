#include /* form */ "ui/ui_zelreminderdialog.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QMetaObject>
#include <QtGui/QLinearGradient>
#include <QtGui/QPalette>

namespace {

QFont verdana(bool bold)
{
    QFont font(QStringLiteral("Verdana"), 8);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    return font;
}

QLabel *textLabel(QDialog *dialog, const char *name, int x, int y, int w, int h)
{
    auto *l = new QLabel(dialog);
    l->setObjectName(QString::fromLatin1(name));
    l->setGeometry(x, y, w, h);
    l->setFont(verdana(false));
    return l;
}

QPushButton *button(QDialog *dialog, const char *name, int x, int y)
{
    auto *b = new QPushButton(dialog);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(x, y, 75, 23);
    b->setCursor(Qt::PointingHandCursor);
    b->setFont(verdana(false));
    return b;
}

void setBothGroups(QPalette &palette, QPalette::ColorRole role, const QBrush &brush)
{
    palette.setBrush(QPalette::Active, role, brush);
    palette.setBrush(QPalette::Inactive, role, brush);
}

} // namespace

void Ui_ZELReminderDialog::setupUi(QDialog *ZELReminderDialog)
{
    if (ZELReminderDialog->objectName().isEmpty())
        ZELReminderDialog->setObjectName(QString::fromLatin1("ZELReminderDialog"));
    ZELReminderDialog->resize(405, 375);
    ZELReminderDialog->setMinimumSize(405, 375);
    ZELReminderDialog->setMaximumSize(405, 375);
    ZELReminderDialog->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);

    m_logoLabel = titleLabel(ZELReminderDialog, QRect(11, 0, 373, 20));
    {
        QPalette palette = m_logoLabel->palette();
        palette.setColor(QPalette::WindowText, Qt::black);
        m_logoLabel->setPalette(palette);
    }
    setupFrameLabels(ZELReminderDialog, QSize(405, 375));

    m_assigneeName = new QComboBox(ZELReminderDialog);
    m_assigneeName->setObjectName(QString::fromLatin1("m_assigneeName"));
    m_assigneeName->setGeometry(90, 40, 277, 18);
    m_assigneeName->setFont(verdana(false));
    label = textLabel(ZELReminderDialog, "label", 20, 40, 60, 18);
    textLabel1 = textLabel(ZELReminderDialog, "textLabel1", 20, 70, 60, 18);
    textLabel1_2 = textLabel(ZELReminderDialog, "textLabel1_2", 20, 103, 31, 18);
    label_2 = textLabel(ZELReminderDialog, "label_2", 20, 165, 95, 18);

    m_remindingTextEdit = new QLineEdit(ZELReminderDialog);
    m_remindingTextEdit->setObjectName(QString::fromLatin1("m_remindingTextEdit"));
    m_remindingTextEdit->setGeometry(90, 70, 277, 18);
    m_remindingTextEdit->setFont(verdana(false));
    {
        QPalette palette = m_remindingTextEdit->palette();
        setBothGroups(palette, QPalette::Light, QColor(144, 209, 247));
        setBothGroups(palette, QPalette::Shadow, QColor(144, 209, 247));
        setBothGroups(palette, QPalette::AlternateBase, QColor(232, 232, 232));
        m_remindingTextEdit->setPalette(palette);
    }

    m_addReminderButton = button(ZELReminderDialog, "m_addReminderButton", 20, 133);
    m_editReminderButton = button(ZELReminderDialog, "m_editReminderButton", 110, 133);
    m_deleteReminderButton = button(ZELReminderDialog, "m_deleteReminderButton", 202, 133);
    m_closeReminderButton = button(ZELReminderDialog, "m_closeReminderButton", 295, 133);

    m_closeButton = titleButton(ZELReminderDialog, "m_closeButton", QRect(383, 7, 12, 11));
    m_closeButton->setAutoFillBackground(true);

    m_reminderTable = new QTableWidget(ZELReminderDialog);
    m_reminderTable->setObjectName(QString::fromLatin1("m_reminderTable"));
    m_reminderTable->setGeometry(20, 190, 365, 161);
    m_reminderTable->setMinimumSize(0, 0);
    m_reminderTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_reminderTable->setAlternatingRowColors(false);
    m_reminderTable->setSortingEnabled(false);
    m_reminderTable->setCornerButtonEnabled(false);
    {
        QPalette palette = m_reminderTable->palette();
        setBothGroups(palette, QPalette::Button, QColor(97, 97, 97));
        setBothGroups(palette, QPalette::Light, QColor(240, 245, 251));
        for (QPalette::ColorRole role : {QPalette::Midlight, QPalette::Dark, QPalette::Base, QPalette::Window})
            setBothGroups(palette, role, QColor(Qt::white));
        setBothGroups(palette, QPalette::Shadow, QColor(144, 209, 247));
        QLinearGradient highlight(0, 0, 0.5, 0.5);
        highlight.setCoordinateMode(QGradient::ObjectBoundingMode);
        highlight.setSpread(QGradient::PadSpread);
        highlight.setColorAt(0, QColor(255, 146, 187));
        highlight.setColorAt(1, QColor(Qt::white));
        setBothGroups(palette, QPalette::Highlight, QBrush(highlight));
        setBothGroups(palette, QPalette::HighlightedText, QColor(85, 0, 0));
        setBothGroups(palette, QPalette::AlternateBase, QColor(248, 252, 255));
        m_reminderTable->setPalette(palette);
    }

    m_calenderToolButton = new QToolButton(ZELReminderDialog);
    m_calenderToolButton->setObjectName(QString::fromLatin1("m_calenderToolButton"));
    m_calenderToolButton->setGeometry(205, 100, 25, 25);
    m_calenderToolButton->setCursor(Qt::PointingHandCursor);
    m_calenderToolButton->setAutoRaise(true);
    m_calenderToolButton->setIconSize(QSize(24, 24));
    m_calenderToolButton->setAutoFillBackground(false);

    m_dateEdit = new QDateEdit(ZELReminderDialog);
    m_dateEdit->setObjectName(QString::fromLatin1("m_dateEdit"));
    m_dateEdit->setGeometry(90, 100, 113, 20);
    label_3 = new QLabel(ZELReminderDialog);
    label_3->setObjectName(QString::fromLatin1("label_3"));
    label_3->setGeometry(234, 104, 28, 14);
    m_timeEdit = new QTimeEdit(ZELReminderDialog);
    m_timeEdit->setObjectName(QString::fromLatin1("m_timeEdit"));
    m_timeEdit->setGeometry(264, 100, 114, 22);

    QWidget::setTabOrder(m_assigneeName, m_remindingTextEdit);
    QWidget::setTabOrder(m_remindingTextEdit, m_dateEdit);
    QWidget::setTabOrder(m_dateEdit, m_calenderToolButton);
    QWidget::setTabOrder(m_calenderToolButton, m_timeEdit);
    QWidget::setTabOrder(m_timeEdit, m_addReminderButton);
    QWidget::setTabOrder(m_addReminderButton, m_editReminderButton);
    QWidget::setTabOrder(m_editReminderButton, m_deleteReminderButton);
    QWidget::setTabOrder(m_deleteReminderButton, m_closeReminderButton);
    QWidget::setTabOrder(m_closeReminderButton, m_reminderTable);
    QWidget::setTabOrder(m_reminderTable, m_closeButton);

    retranslateUi(ZELReminderDialog);
    QMetaObject::connectSlotsByName(ZELReminderDialog);
}

void Ui_ZELReminderDialog::retranslateUi(QDialog *ZELReminderDialog)
{
    const auto tr = [](const char *text) { return QCoreApplication::translate("ZELReminderDialog", text); };
    ZELReminderDialog->setWindowTitle(tr("Reminder"));
    m_logoLabel->setText(tr("Reminders"));
    label->setText(tr("Assignee"));
    textLabel1->setText(tr("Subject"));
    textLabel1_2->setText(tr("Date"));
    label_2->setText(tr("Reminders List"));
    m_addReminderButton->setText(tr("Add"));
    m_addReminderButton->setToolTip(tr("Add Reminder"));
    m_editReminderButton->setText(tr("Update"));
    m_editReminderButton->setToolTip(tr("Update Reminder"));
    m_deleteReminderButton->setText(tr("Delete"));
    m_deleteReminderButton->setToolTip(tr("Delete Reminder"));
    m_closeReminderButton->setText(tr("Close"));
    m_closeReminderButton->setToolTip(tr("Close"));
    m_closeButton->setText(QString());
    m_closeButton->setToolTip(tr("Close"));
    m_reminderTable->setStyleSheet(
        tr("QTableView QTableCornerButton::section {\n"
           "      background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #616161, stop: 0.5 #505050, "
           "stop: 0.6 #434343, stop:1 #656565);\n } "));
    m_calenderToolButton->setText(QString());
    m_calenderToolButton->setToolTip(tr("Calender"));
    label_3->setText(tr("Time"));
    m_timeEdit->setDisplayFormat(tr("h:mm:ss AP"));
}
