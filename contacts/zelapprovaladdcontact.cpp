#include "contacts/zelapprovaladdcontact.h"

#include <QCloseEvent>
#include <QCursor>
#include <QHeaderView>
#include <QKeyEvent>

#include "style/zelframelesshelper.h"
#include "style/zelmessageboxclass.h"

ZELApprovalAddContact::ZELApprovalAddContact(QWidget *parent)
    : QDialog(parent)
{
    setupUi(this);
    m_frame = ZELFramelessHelper::frameDialog(
        this, parent, ZELFramelessHelper::WindowBackground | ZELFramelessHelper::NoAutoDefault);

    connect(m_acceptPushButton, &QPushButton::clicked, this, &ZELApprovalAddContact::sendAcceptedUsersList);
    connect(m_rejectPushButton, &QPushButton::clicked, this, &ZELApprovalAddContact::sendRejectedUsersList);
    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::close);
    connect(m_approvaltable, &QTableWidget::itemChanged, this, &ZELApprovalAddContact::itemChangeStatus);
    connect(m_approvaltable, &QTableWidget::itemEntered, this, &ZELApprovalAddContact::mouseMoveIcon);
    connect(m_approvaltable, &QTableWidget::cellDoubleClicked, this, &ZELApprovalAddContact::selectUserName);
    connect(m_approvaltable, &QTableWidget::cellClicked, this, &ZELApprovalAddContact::showUserProfile);
    connect(m_approvaltable->horizontalHeader(), &QHeaderView::sectionClicked,
            this, &ZELApprovalAddContact::sectionClickedSignal);

    m_acceptPushButton->setEnabled(false);
    m_rejectPushButton->setEnabled(false);
    for (QObject *object : {static_cast<QObject *>(m_approvaltable), static_cast<QObject *>(m_closeButton),
                            static_cast<QObject *>(m_logoLabel), static_cast<QObject *>(this)})
        object->installEventFilter(this);
    m_questionBox = ZELContactTable::questionBox(this);
    ZELContactTable::setUp(m_approvaltable,
                           {tr("Profile"), tr("User Name"), tr("Login Id"), tr("Company"), tr("Department"),
                            tr("Job Title")},
                           {15, 80, 148, 83, 108, 108});
}

ZELApprovalAddContact::~ZELApprovalAddContact()
{
    delete m_questionBox;
}

void ZELApprovalAddContact::closeConnection()
{
    m_disconnected = true;
    m_acceptPushButton->setEnabled(false);
    m_rejectPushButton->setEnabled(false);
}

void ZELApprovalAddContact::connectedServer()
{
    m_disconnected = false;
    const bool anyChecked = m_checkedCount >= 1;
    m_acceptPushButton->setEnabled(anyChecked);
    m_rejectPushButton->setEnabled(anyChecked);
}

bool ZELApprovalAddContact::checkUserAlreadyAdded(QString loginId) const
{
    for (int row = 0; row < m_approvaltable->rowCount(); ++row) {
        if (ZELContactTable::text(m_approvaltable, row, LoginIdColumn) == loginId)
            return true;
    }
    return false;
}

void ZELApprovalAddContact::removeAlreadyAddedUserContact(QString loginId)
{
    for (int row = 0; row < m_approvaltable->rowCount(); ++row) {
        if (ZELContactTable::text(m_approvaltable, row, LoginIdColumn) == loginId) {
            m_approvaltable->removeRow(row);
            return;
        }
    }
}

void ZELApprovalAddContact::sendAcceptedUsersList()
{
    answer(true);
}

void ZELApprovalAddContact::sendRejectedUsersList()
{
    answer(false);
}

void ZELApprovalAddContact::answer(bool accept)
{
    QStringList asked;
    for (int row : ZELContactTable::checkedRows(m_approvaltable, NameColumn))
        asked << ZELContactTable::text(m_approvaltable, row, LoginIdColumn);
    if (!asked.isEmpty()) {
        const int reply = accept
            ? m_questionBox->showQuestionBox(this, tr("Approval Add Contact"),
                                             tr("Are you sure you want to accept the selected user(s)?"), 3, 4)
            : m_questionBox->showQuestionBox(this, tr("Reject Add Contact"),
                                             tr("Are you sure you want to reject the selected user(s)?"), 3, 4);
        // While the question waited, rows may have come from the server or
        // gone with an answer in a request pop-up: the users asked about are
        // found again, and only those still listed are answered.
        QList<int> rows;
        for (int row = m_approvaltable->rowCount() - 1; row >= 0; --row) {
            if (asked.contains(ZELContactTable::text(m_approvaltable, row, LoginIdColumn)))
                rows << row;
        }
        if (reply == 3) {
            QStringList request{accept ? QStringLiteral("ADDCONTACTACCEPTEDLIST")
                                       : QStringLiteral("ADDCONTACTREJECTEDLIST"),
                                QStringLiteral("ADDNAME")};
            for (int row : std::as_const(rows)) {
                const QString loginId = ZELContactTable::text(m_approvaltable, row, LoginIdColumn);
                request << loginId;
                m_userProfiles.remove(loginId);
                m_approvaltable->removeRow(row);
            }
            int remaining = m_approvaltable->rowCount();
            // Nothing goes out when every one was answered meanwhile.
            if (!rows.isEmpty() && accept)
                emit sendAcceptedUsersListSignal(request, remaining);
            else if (!rows.isEmpty())
                emit sendRejectedUsersListSignal(request, remaining);
        } else {
            ZELContactTable::uncheck(m_approvaltable, rows, NameColumn);
        }
    }
    m_approvaltable->clearSelection();
    m_acceptPushButton->setEnabled(false);
    m_rejectPushButton->setEnabled(false);
    m_checkedCount = 0;
    if (m_approvaltable->rowCount() == 0)
        close();
}

void ZELApprovalAddContact::itemChangeStatus(QTableWidgetItem *item)
{
    if (ZELContactTable::countCheck(item, NameColumn, m_checkedCount) && !m_disconnected) {
        m_acceptPushButton->setEnabled(m_checkedCount >= 1);
        m_rejectPushButton->setEnabled(m_checkedCount >= 1);
    }
}

void ZELApprovalAddContact::mouseMoveIcon(QTableWidgetItem *item)
{
    if (item)
        ZELContactTable::hoverIcons(m_approvaltable, item->row());
}

void ZELApprovalAddContact::emitCard(int row)
{
    auto text = [this, row](int column) { return ZELContactTable::text(m_approvaltable, row, column); };
    const QStringList p = m_userProfiles.value(text(LoginIdColumn));
    if (p.size() < 12)
        return;
    QStringList card{text(NameColumn).trimmed(),
                     text(LoginIdColumn),
                     p.at(11),
                     text(DepartmentColumn) + QStringLiteral(" / ") + text(JobTitleColumn),
                     p.at(1),
                     p.at(9),
                     p.at(4) + QLatin1Char(' ') + p.at(6) + QLatin1Char(' ') + p.at(7),
                     p.at(8),
                     p.at(10)};
    QPoint position = QCursor::pos();
    emit showApprovalProfileDetails(card, position);
}

void ZELApprovalAddContact::showUserProfile(int row, int column)
{
    if (column == ProfileColumn) {
        if (!ZELContactTable::hasCardItems(m_approvaltable, row))
            return;
        emitCard(row);
        m_lastClickedRow = row;
        return;
    }
    if (row == m_lastClickedRow) {
        m_approvaltable->clearSelection();
        m_lastClickedRow = -1;
    } else {
        m_lastClickedRow = row;
    }
}

void ZELApprovalAddContact::selectUserName(int row, int column)
{
    if (column == ProfileColumn || !ZELContactTable::hasCardItems(m_approvaltable, row))
        return;
    m_approvaltable->selectRow(row);
    emitCard(row);
}

void ZELApprovalAddContact::sectionClickedSignal(int section)
{
    if (section == ProfileColumn && m_approvaltable->rowCount() > 0)
        m_approvaltable->sortItems(NameColumn, Qt::AscendingOrder);
}

bool ZELApprovalAddContact::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_approvaltable && event->type() == QEvent::KeyPress && m_acceptPushButton->isEnabled()) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Enter || key == Qt::Key_Return) {
            sendAcceptedUsersList();
            return true;
        }
    }
    return false;
}

void ZELApprovalAddContact::closeEvent(QCloseEvent *event)
{
    m_acceptPushButton->setEnabled(false);
    m_rejectPushButton->setEnabled(false);
    m_approvaltable->clearSelection();
    ZELContactTable::uncheck(m_approvaltable, ZELContactTable::checkedRows(m_approvaltable, NameColumn), NameColumn);
    m_checkedCount = 0;
    m_lastClickedRow = -1;
    event->accept();
}
