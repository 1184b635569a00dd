#include "contacts/zelapprovalrequesteduser.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QKeyEvent>

#include "contacts/zelcontacttable.h"
#include "style/zelframelesshelper.h"
#include "style/zelmessageboxclass.h"

ZELApprovalRequestedUser::ZELApprovalRequestedUser(QWidget *parent)
    : QDialog(parent)
{
    setupUi(this);
    m_frame = ZELFramelessHelper::frameDialog(
        this, parent, ZELFramelessHelper::WindowBackground | ZELFramelessHelper::NoAutoDefault);

    connect(m_acceptPushButton, &QPushButton::clicked, this, &ZELApprovalRequestedUser::OnAcceptButtonClicked);
    connect(m_rejectPushButton, &QPushButton::clicked, this, &ZELApprovalRequestedUser::OnRejectButtonClicked);
    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::close);
    connect(m_approvaltable, &QTableWidget::itemChanged, this, &ZELApprovalRequestedUser::itemChangeStatus);
    connect(m_approvaltable->horizontalHeader(), &QHeaderView::sectionClicked,
            this, &ZELApprovalRequestedUser::sectionClickedSignal);

    m_acceptPushButton->setEnabled(false);
    m_rejectPushButton->setEnabled(false);
    for (QObject *object : {static_cast<QObject *>(m_approvaltable), static_cast<QObject *>(m_closeButton),
                            static_cast<QObject *>(m_logoLabel), static_cast<QObject *>(this)})
        object->installEventFilter(this);
    m_questionBox = ZELContactTable::questionBox(this);
    ZELContactTable::setUp(m_approvaltable,
                           {tr("Approval"), tr("Requested User"), tr("Request for Add this Contact"),
                            tr("Requested User"), tr("Request for Add this Contact")},
                           {15, 80, 148, 80, 148});
    m_approvaltable->setColumnHidden(FirstHidden, true);
    m_approvaltable->setColumnHidden(SecondHidden, true);
    setMaximumSize(450, 375);
}

ZELApprovalRequestedUser::~ZELApprovalRequestedUser()
{
    delete m_questionBox;
}

void ZELApprovalRequestedUser::closeConnection()
{
    m_disconnected = true;
    m_acceptPushButton->setEnabled(false);
    m_rejectPushButton->setEnabled(false);
}

void ZELApprovalRequestedUser::connectedServer()
{
    m_disconnected = false;
    const bool anyChecked = m_checkedCount >= 1;
    m_acceptPushButton->setEnabled(anyChecked);
    m_rejectPushButton->setEnabled(anyChecked);
}

void ZELApprovalRequestedUser::OnAcceptButtonClicked()
{
    callAcceptRejectFunction(true);
}

void ZELApprovalRequestedUser::OnRejectButtonClicked()
{
    callAcceptRejectFunction(false);
}

void ZELApprovalRequestedUser::callAcceptRejectFunction(bool accept)
{
    const int reply = m_questionBox->showQuestionBox(
        this, tr("Approval Add Contact"),
        accept ? tr("Are you sure you want to accept the selected user(s) request?")
               : tr("Are you sure you want to reject the selected user(s) request?"),
        3, 4);
    const QList<int> rows = ZELContactTable::checkedRows(m_approvaltable, CheckColumn);
    if (reply == 3) {
        for (int row : rows) {
            QStringList request{accept ? QStringLiteral("ACCEPTREQUESTEDUSERCONTACTS")
                                       : QStringLiteral("REJECTREQUESTEDUSERCONTACTS"),
                                ZELContactTable::text(m_approvaltable, row, FirstHidden),
                                ZELContactTable::text(m_approvaltable, row, SecondHidden)};
            emit sendAcceptedRejectedUsersListSignal(request);
        }
        for (int row : rows)
            m_approvaltable->removeRow(row);
    } else {
        ZELContactTable::uncheck(m_approvaltable, rows, CheckColumn);
    }
    m_approvaltable->clearSelection();
    m_acceptPushButton->setEnabled(false);
    m_rejectPushButton->setEnabled(false);
    m_checkedCount = 0;
    if (m_approvaltable->rowCount() == 0)
        close();
}

void ZELApprovalRequestedUser::itemChangeStatus(QTableWidgetItem *item)
{
    if (ZELContactTable::countCheck(item, CheckColumn, m_checkedCount) && !m_disconnected) {
        m_acceptPushButton->setEnabled(m_checkedCount >= 1);
        m_rejectPushButton->setEnabled(m_checkedCount >= 1);
    }
}

void ZELApprovalRequestedUser::sectionClickedSignal(int section)
{
    if (section == CheckColumn && m_approvaltable->rowCount() > 0)
        m_approvaltable->sortItems(FirstHidden, Qt::AscendingOrder);
}

bool ZELApprovalRequestedUser::eventFilter(QObject *watched, QEvent *event)
{
    // Enter and Return in the table start nothing, but do not reach the table either.
    if (watched == m_approvaltable && event->type() == QEvent::KeyPress && m_acceptPushButton->isEnabled()) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Enter || key == Qt::Key_Return)
            return true;
    }
    return false;
}

void ZELApprovalRequestedUser::closeEvent(QCloseEvent *event)
{
    m_acceptPushButton->setEnabled(false);
    m_rejectPushButton->setEnabled(false);
    m_approvaltable->clearSelection();
    ZELContactTable::uncheck(m_approvaltable, ZELContactTable::checkedRows(m_approvaltable, CheckColumn),
                             CheckColumn);
    m_checkedCount = 0;
    event->accept();
}
