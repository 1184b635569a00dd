#include "reminders/zelreminderdialog.h"

#include "reminders/zelzonetime.h"

#include "mainwindow/zelmainwindowlook.h"
#include "style/zelframelesshelper.h"
#include "style/zelmessageboxclass.h"
#include "style/zelsharedsheet.h"
#include "style/zeltextbounds.h"

#include <QCalendarWidget>
#include <QCloseEvent>
#include <QCursor>
#include <QHeaderView>
#include <QIcon>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QScrollBar>

namespace {

const QString Self = QStringLiteral("Self");
const QString Awaiting = QStringLiteral("Awaiting");
const QString Title = QStringLiteral("Reminder");
const char *const IdFormat = "dd/MMM/yyyy hh:mm:ss:zzz";
// Qt::TextDate of a plain local value; written by hand where the value is
// UTC-based, since Qt::TextDate would append " GMT" to it.
const char *const TextDateFormat = "ddd MMM d HH:mm:ss yyyy";

} // namespace

ZELReminderDialog::ZELReminderDialog(QWidget *parent)
    : QDialog(parent)
{
    windowSettings(parent);
    defaultSettings();
    setupReminderTable();
    setZELStyle();
    signalsAndSlots();
    hide();
}

ZELReminderDialog::~ZELReminderDialog()
{
    delete m_calendar;
}

QString ZELReminderDialog::tableDateTime(const QString &dueText)
{
    const QDateTime due = QDateTime::fromString(dueText, Qt::TextDate);
    // Such a reminder rings at once: say why its time is missing.
    if (!due.isValid())
        return dueText.trimmed().isEmpty() ? QStringLiteral("No time given")
                                           : QStringLiteral("Unreadable time: ") + ZELTextBounds::shownLine(dueText);
    return due.date().toString(Qt::TextDate) + QLatin1Char(' ') + due.time().toString(QStringLiteral("hh:mm:ss ap"));
}

QString ZELReminderDialog::dueText(const QDateTime &moment)
{
    return moment.toString(QString::fromLatin1(TextDateFormat));
}

void ZELReminderDialog::windowSettings(QWidget *parent)
{
    setupUi(this);
    // Frame pictures, close button with its hover picture, drag by the title strip.
    m_frame = ZELFramelessHelper::frameDialog(this, parent);
}

void ZELReminderDialog::defaultSettings()
{
    disconnected = false;
    m_informationBox = new ZELMessageBoxClass(this);
    m_questionBox = new ZELMessageBoxClass(QString(), QString(), QMessageBox::Question, QMessageBox::Yes,
                                           QMessageBox::No, 0, this);
    m_calendar = new QCalendarWidget;
    m_calendar->setWindowFlags(Qt::Popup | Qt::FramelessWindowHint);
    m_remindingTextEdit->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[A-Z|a-z|0-9|\\-|\\_|\\.|\\s]{1,35}")), this));
    m_assigneeName->insertItem(-1, Self);
    m_assigneeDetails << QStringLiteral("Self##Self");
    m_editReminderButton->setEnabled(false);
    m_deleteReminderButton->setEnabled(false);
    m_addReminderButton->setEnabled(false);
}

void ZELReminderDialog::setupReminderTable()
{
    m_reminderTable->setColumnCount(6);
    m_reminderTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_reminderTable->setSelectionMode(QAbstractItemView::SingleSelection);
    m_reminderTable->setHorizontalHeaderLabels({ QStringLiteral("Subject"), QStringLiteral("Date and Time"),
                                                 QStringLiteral("Status"), QString(), QStringLiteral("Assignee"),
                                                 QStringLiteral("Assignee") });
    m_reminderTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_reminderTable->setColumnWidth(SubjectColumn, 90);
    m_reminderTable->setColumnWidth(DueColumn, 120);
    m_reminderTable->setColumnWidth(StateColumn, 55);
    m_reminderTable->setColumnWidth(AssigneeColumn, 80);
    m_reminderTable->setColumnWidth(AssigneeNameColumn, 80);
    // Id and assignee user name are kept in hidden columns.
    m_reminderTable->setColumnHidden(IdColumn, true);
    m_reminderTable->setColumnHidden(AssigneeColumn, true);

    const QDate today = QDate::currentDate();
    m_calendar->setDateRange(today, today.addDays(DateRangeDays));
    m_dateEdit->setDateRange(today, today.addDays(DateRangeDays));
    m_dateEdit->setDate(today);
    m_timeEdit->setTime(QTime::currentTime());
    m_reminderTable->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);

    const QString sheet = ZELMainWindowLook::sharedStyleSheet();
    // The table's own corner sheet carries the shared one for its parts.
    ZELSharedSheet::apply(m_reminderTable,
                          { m_reminderTable->horizontalHeader(), m_reminderTable->verticalHeader(),
                            m_reminderTable->verticalScrollBar(), m_reminderTable->horizontalScrollBar() },
                          sheet);
    for (QWidget *w : { static_cast<QWidget *>(m_remindingTextEdit), static_cast<QWidget *>(m_assigneeName),
                        static_cast<QWidget *>(m_dateEdit), static_cast<QWidget *>(m_timeEdit) })
        ZELSharedSheet::setFitted(w, sheet);
}

void ZELReminderDialog::setZELStyle()
{
    ZELMainWindowLook::setPlainStyle(this);
    ZELMainWindowLook::setPlainStyle(m_closeButton);
    ZELMainWindowLook::setXpStyle(m_reminderTable);
    ZELMainWindowLook::setXpStyle(m_calenderToolButton);
    m_calenderToolButton->setIcon(QIcon(QStringLiteral(":images/date.png")));

    QPalette palette = m_remindingTextEdit->palette();
    const QColor white(255, 255, 255);
    const QColor lightBlue(144, 209, 247);
    ZELMainWindowLook::setRole(palette, QPalette::Light, white);
    ZELMainWindowLook::setRole(palette, QPalette::Dark, white);
    for (QPalette::ColorRole role : { QPalette::Midlight, QPalette::Shadow, QPalette::Highlight, QPalette::Window })
        ZELMainWindowLook::setRole(palette, role, lightBlue);
    ZELMainWindowLook::setRole(palette, QPalette::Text, QColor(Qt::black));
    ZELMainWindowLook::setRole(palette, QPalette::Button, QColor(240, 245, 251));
    ZELMainWindowLook::setRole(palette, QPalette::ButtonText, QColor(104, 104, 88));
    for (QWidget *w : { static_cast<QWidget *>(m_remindingTextEdit), static_cast<QWidget *>(m_assigneeName),
                        static_cast<QWidget *>(m_dateEdit), static_cast<QWidget *>(m_timeEdit) })
        w->setPalette(palette);
}

void ZELReminderDialog::signalsAndSlots()
{
    // m_closeButton is wired to close() by the frame helper.
    connect(m_addReminderButton, &QAbstractButton::clicked, this, &ZELReminderDialog::addReminder);
    connect(m_editReminderButton, &QAbstractButton::clicked, this, &ZELReminderDialog::editReminder);
    connect(m_deleteReminderButton, &QAbstractButton::clicked, this, &ZELReminderDialog::deleteReminder);
    connect(m_reminderTable, &QTableWidget::cellClicked, this, &ZELReminderDialog::rowSelected);
    connect(m_closeReminderButton, &QAbstractButton::clicked, this, &QWidget::close);
    connect(m_remindingTextEdit, &QLineEdit::textChanged, this, &ZELReminderDialog::enableSearchInUserName);
    connect(m_calendar, &QCalendarWidget::clicked, this, &ZELReminderDialog::dateTimeValidation);
    connect(m_calenderToolButton, &QAbstractButton::clicked, this, &ZELReminderDialog::showCalenderWidget);
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

void ZELReminderDialog::resetForm()
{
    m_remindingTextEdit->clear();
    m_assigneeName->setEnabled(true);
    m_assigneeName->setCurrentIndex(m_assigneeName->count() - 1);
    m_dateEdit->setDate(QDate::currentDate());
    m_timeEdit->setTime(QTime::currentTime());
    m_reminderTable->clearSelection();
    // No current row either: Update and Delete act on the current row only.
    m_reminderTable->setCurrentItem(nullptr);
}

int ZELReminderDialog::rowOfReminder(const QString &reminderId) const
{
    for (int row = 0; row < m_reminderTable->rowCount(); ++row) {
        const QTableWidgetItem *item = m_reminderTable->item(row, IdColumn);
        if (item && item->text() == reminderId)
            return row;
    }
    return -1;
}

void ZELReminderDialog::appendReminderRow(const QStringList &cells)
{
    const int row = m_reminderTable->rowCount();
    m_reminderTable->insertRow(row);
    m_reminderTable->setRowHeight(row, RowHeight);
    for (int column = 0; column < cells.size() && column < m_reminderTable->columnCount(); ++column)
        m_reminderTable->setItem(row, column, new QTableWidgetItem(cells.at(column)));
}

void ZELReminderDialog::resolveAssignee(QString &userName, QString &timeZone) const
{
    userName.clear();
    timeZone.clear();
    const QString shown = m_assigneeName->currentText();
    for (const QString &entry : m_assigneeDetails) {
        if (entry.section(QStringLiteral("##"), 0, 0) == shown) {
            userName = entry.section(QStringLiteral("##"), 1, 1);
            timeZone = entry.section(QStringLiteral("##"), 2, 2);
            return;
        }
    }
}

QDateTime ZELReminderDialog::chosenDue() const
{
    return QDateTime(m_dateEdit->date(), m_timeEdit->time());
}

void ZELReminderDialog::inform(const QString &text)
{
    m_informationBox->showInformationBox(this, Title, text);
}

void ZELReminderDialog::addReminder()
{
    const QDateTime due = chosenDue();
    QString dueString = dueText(due);
    QString subject = m_remindingTextEdit->text().trimmed();
    if (subject.isEmpty()) {
        inform(QStringLiteral("Subject should not be empty."));
        m_remindingTextEdit->clear();
        m_remindingTextEdit->setFocus();
        return;
    }
    QString userName;
    QString timeZone;
    resolveAssignee(userName, timeZone);
    for (int row = 0; row < m_reminderTable->rowCount(); ++row) {
        const QTableWidgetItem *subjectItem = m_reminderTable->item(row, SubjectColumn);
        const QTableWidgetItem *assigneeItem = m_reminderTable->item(row, AssigneeColumn);
        if (subjectItem && assigneeItem && subjectItem->text() == subject && assigneeItem->text() == userName) {
            inform(QStringLiteral("The subject you have mentioned is already Present. So please set a new subject."));
            return;
        }
    }
    if (due <= QDateTime::currentDateTime()) {
        inform(QStringLiteral("You are trying to set a time which is already over. Please set future time."));
        return;
    }
    QString state = Awaiting;
    QString id = QDateTime::currentDateTime().toString(QString::fromLatin1(IdFormat));
    if (userName == Self) {
        QString assignee = Self;
        emit selfAddReminderDetails(subject, dueString, state, assignee, id);
    } else {
        calculateGmtTime(timeZone, due);
        emit crossAddReminderDetails(subject, dueString, state, userName, id, m_gmtTime);
    }
    resetForm();
}

void ZELReminderDialog::editReminder()
{
    const QDateTime due = chosenDue();
    QString dueString = dueText(due);
    const int row = m_reminderTable->currentRow();
    if (row < 0) {
        inform(QStringLiteral("Select an entry in the below table"));
        return;
    }
    QString subject = m_remindingTextEdit->text().trimmed();
    if (subject.isEmpty()) {
        inform(QStringLiteral("Subject should not be empty."));
        m_remindingTextEdit->clear();
        m_remindingTextEdit->setFocus();
        return;
    }
    if (due <= QDateTime::currentDateTime()) {
        inform(QStringLiteral("You are trying to set a time which is already over. Please set future time."));
        return;
    }
    QString userName;
    QString timeZone;
    resolveAssignee(userName, timeZone);
    const QTableWidgetItem *assigneeItem = m_reminderTable->item(row, AssigneeColumn);
    const QTableWidgetItem *idItem = m_reminderTable->item(row, IdColumn);
    if (!assigneeItem || !idItem || userName != assigneeItem->text()) {
        inform(QStringLiteral("You cannot change the assignee."));
        return;
    }
    m_reminderTable->setItem(row, SubjectColumn, new QTableWidgetItem(subject));
    m_reminderTable->setItem(row, DueColumn, new QTableWidgetItem(tableDateTime(dueString)));
    m_reminderTable->setItem(row, StateColumn, new QTableWidgetItem(Awaiting));

    QString assignee = assigneeItem->text();
    QString id = idItem->text();
    if (m_assigneeName->currentText() != Self)
        calculateGmtTime(timeZone, due);
    else
        m_gmtTime = Self;
    QString state = Awaiting;
    emit selfEditReminderDetails(subject, dueString, state, assignee, id, m_gmtTime);

    inform(QStringLiteral("Successfully Updated"));
    resetForm();
    m_editReminderButton->setEnabled(false);
    m_deleteReminderButton->setEnabled(false);
}

void ZELReminderDialog::deleteReminder()
{
    if (m_reminderTable->rowCount() == 0) {
        inform(QStringLiteral("There should be minimum one entry selected from the below table"));
        return;
    }
    const int row = m_reminderTable->currentRow();
    const QTableWidgetItem *idItem = row < 0 ? nullptr : m_reminderTable->item(row, IdColumn);
    if (!idItem) {
        inform(QStringLiteral("Select an entry in the below table"));
        return;
    }
    QString id = idItem->text();
    const int answer = m_questionBox->showQuestionBox(
        this, Title, QStringLiteral("Are you sure you want to delete the selected reminder?"), 3, 4);
    resetForm();
    if (answer == 3) {
        m_selectedRow = -1;
        emit selfDeleteReminderDetails(id);
    }
    m_editReminderButton->setEnabled(false);
    m_deleteReminderButton->setEnabled(false);
    m_reminderTable->clearSelection();
}

void ZELReminderDialog::rowSelected(int row, int)
{
    if (disconnected)
        return;
    m_editReminderButton->setEnabled(true);
    m_deleteReminderButton->setEnabled(true);
    m_addReminderButton->setEnabled(false);

    const auto cell = [this, row](int column) {
        const QTableWidgetItem *item = m_reminderTable->item(row, column);
        return item ? item->text() : QString();
    };
    // Column 1 reads "<date in Qt::TextDate> hh:mm:ss ap".
    const QString shown = cell(DueColumn);
    const QString clock = shown.right(11);
    m_dateEdit->setDate(QDate::fromString(shown.left(shown.size() - 12), Qt::TextDate));
    m_timeEdit->setTime(QTime::fromString(clock.left(8) + QLatin1Char(' ') + clock.right(2).toUpper(),
                                          QStringLiteral("h:mm:ss AP")));
    m_remindingTextEdit->setText(cell(SubjectColumn));
    m_assigneeName->setCurrentIndex(m_assigneeName->findText(cell(AssigneeNameColumn), Qt::MatchContains));

    if (m_selectedRow == row) {
        // A second click on the selected row lets it go.
        m_reminderTable->clearSelection();
        m_selectedRow = -1;
        m_assigneeName->setEnabled(true);
        m_assigneeName->setCurrentIndex(m_assigneeName->count() - 1);
        m_remindingTextEdit->clear();
        m_dateEdit->setDate(QDate::currentDate());
        m_timeEdit->setTime(QTime::currentTime());
        m_editReminderButton->setEnabled(false);
        m_deleteReminderButton->setEnabled(false);
    } else {
        m_selectedRow = row;
        // The assignee of an existing reminder cannot change.
        m_assigneeName->setEnabled(false);
    }
}

void ZELReminderDialog::enableSearchInUserName(const QString &text)
{
    m_addReminderButton->setEnabled(!text.isEmpty() && !m_editReminderButton->isEnabled()
                                    && !m_deleteReminderButton->isEnabled() && !disconnected);
}

void ZELReminderDialog::showCalenderWidget()
{
    const QPoint at = QCursor::pos();
    m_calendar->setGeometry(at.x(), at.y(), 238, 150);
    m_calendar->setSelectedDate(m_dateEdit->date());
    m_calendar->show();
}

void ZELReminderDialog::dateTimeValidation(QDate date)
{
    m_dateEdit->setDate(date);
    m_calendar->close();
}

void ZELReminderDialog::calculateGmtTime(QString zone, QDateTime due)
{
    m_gmtTime = ZELZoneTime::localToZone(due, zone);
}

void ZELReminderDialog::deleteContactFromReminder(QString userName, bool sendRequest)
{
    QStringList ids;
    for (int row = 0; row < m_reminderTable->rowCount(); ++row) {
        const QTableWidgetItem *assignee = m_reminderTable->item(row, AssigneeColumn);
        const QTableWidgetItem *id = m_reminderTable->item(row, IdColumn);
        if (assignee && id && assignee->text() == userName)
            ids << id->text();
    }
    for (QString id : ids) {
        if (sendRequest)
            emit selfDeleteReminderDetails(id); // the main widget removes the row as it sends
        const int row = rowOfReminder(id);
        if (row >= 0)
            m_reminderTable->removeRow(row);
    }
}

void ZELReminderDialog::reject()
{
    close();
}

void ZELReminderDialog::closeEvent(QCloseEvent *event)
{
    m_reminderTable->clearSelection();
    m_remindingTextEdit->clear();
    m_editReminderButton->setEnabled(false);
    m_deleteReminderButton->setEnabled(false);
    event->accept();
}
