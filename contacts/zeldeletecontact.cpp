#include "contacts/zeldeletecontact.h"

#include <QCloseEvent>
#include <QCursor>
#include <QHeaderView>
#include <QKeyEvent>

#include "style/zelframelesshelper.h"
#include "style/zelmessageboxclass.h"

ZELDeleteContact::ZELDeleteContact(QWidget *parent)
    : QDialog(parent)
{
    windowSettings(parent);
    signalsAndSlots();
    defaultSettings();
    initializeMemberVariables();
    tableSettings();
}

ZELDeleteContact::~ZELDeleteContact()
{
    m_userProfiles.clear();
    delete m_questionBox;
}

void ZELDeleteContact::windowSettings(QWidget *parent)
{
    setupUi(this);
    m_frame = ZELFramelessHelper::frameDialog(this, parent,
                                              ZELFramelessHelper::ResizeCorner | ZELFramelessHelper::WindowBackground
                                                  | ZELFramelessHelper::NoAutoDefault);
}

void ZELDeleteContact::signalsAndSlots()
{
    connect(m_okButton, &QPushButton::clicked, this, &ZELDeleteContact::deleteSelectedContact);
    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::close);
    connect(m_deleteContactList, &QTableWidget::itemChanged, this, &ZELDeleteContact::itemChangeStatus);
    connect(m_deleteContactList, &QTableWidget::itemEntered, this, &ZELDeleteContact::mouseMoveIcon);
    connect(m_deleteContactList, &QTableWidget::cellDoubleClicked, this, &ZELDeleteContact::enableDeleteButton);
    connect(m_deleteContactList, &QTableWidget::cellClicked, this, &ZELDeleteContact::showUserProfile);
    connect(m_deleteContactList->horizontalHeader(), &QHeaderView::sectionClicked,
            this, &ZELDeleteContact::sectionClickedSignal);
    connect(m_frame, &ZELFramelessHelper::windowResized, this, [this] {
        m_maximized = isMaximized();
        m_deleteContactList->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    });
}

void ZELDeleteContact::defaultSettings()
{
    m_okButton->setEnabled(false);
    for (QObject *object : {static_cast<QObject *>(m_deleteContactList), static_cast<QObject *>(m_logoLabel),
                            static_cast<QObject *>(m_maximizeButton), static_cast<QObject *>(m_closeButton),
                            static_cast<QObject *>(this)})
        object->installEventFilter(this);
    m_displayErrorMessage->hide();
}

void ZELDeleteContact::initializeMemberVariables()
{
    m_questionBox = new ZELMessageBoxClass(QString(), QString(), QMessageBox::Question, ZELMessageBoxClass::Yes,
                                           ZELMessageBoxClass::No, ZELMessageBoxClass::NoButton, this);
    m_maximized = false;
    m_disconnected = false;
    m_checkedCount = 0;
    m_lastClickedRow = -1;
    m_deleteContactList->setMouseTracking(true);
}

void ZELDeleteContact::tableSettings()
{
    ZELContactTable::setUp(m_deleteContactList,
                           {tr("Profile"), tr("User Name"), tr("Login Id"), tr("Company"), tr("Department"),
                            tr("Job Title")},
                           {25, 80, 124, 83, 108, 108});
}

void ZELDeleteContact::closeConnection()
{
    m_disconnected = true;
    m_okButton->setEnabled(false);
}

void ZELDeleteContact::connectedServer()
{
    m_disconnected = false;
    m_okButton->setEnabled(m_checkedCount > 0);
}

void ZELDeleteContact::showError(const QString &text)
{
    m_displayErrorMessage->setText(text);
    m_displayErrorMessage->show();
}

void ZELDeleteContact::deleteSelectedContact()
{
    if (m_deleteContactList->rowCount() == 0) {
        showError(tr("Contact list empty"));
    } else {
        QStringList request{QStringLiteral("MULTIPLEDELETECONTACT"), QStringLiteral("DELETENAME")};
        const QList<int> rows = ZELContactTable::checkedRows(m_deleteContactList, NameColumn);
        for (int row : rows)
            request << ZELContactTable::text(m_deleteContactList, row, LoginIdColumn);
        if (rows.isEmpty()) {
            showError(tr("Please select any user"));
        } else if (m_questionBox->showQuestionBox(this, tr("Remove Contact"),
                                                  tr("Are you sure you want to remove the selected user(s)?"), 3, 4)
                   == 3) {
            // Highest row first: the numbers still to remove stay valid.
            for (int row : rows)
                m_deleteContactList->removeRow(row);
            for (int i = 2; i < request.size(); ++i)
                m_userProfiles.remove(request.at(i));
            emit deleteContact(request);
        } else {
            ZELContactTable::uncheck(m_deleteContactList, rows, NameColumn);
        }
    }
    m_deleteContactList->clearSelection();
    m_checkedCount = 0;
    m_okButton->setEnabled(false);
    if (m_deleteContactList->rowCount() == 0)
        close();
}

void ZELDeleteContact::itemChangeStatus(QTableWidgetItem *item)
{
    if (ZELContactTable::countCheck(item, NameColumn, m_checkedCount) && !m_disconnected)
        m_okButton->setEnabled(m_checkedCount > 0);
    if (m_displayErrorMessage->isVisible())
        m_displayErrorMessage->hide();
}

void ZELDeleteContact::emitCard(int row)
{
    auto text = [this, row](int column) { return ZELContactTable::text(m_deleteContactList, row, column); };
    const QStringList p = m_userProfiles.value(text(LoginIdColumn));
    if (p.size() < 14)
        return;
    QStringList card{text(NameColumn).trimmed(),
                     text(LoginIdColumn),
                     p.at(12),
                     text(DepartmentColumn) + QStringLiteral(" / ") + text(JobTitleColumn),
                     p.at(2),
                     p.at(13),
                     p.at(5) + QLatin1Char(' ') + p.at(7) + QLatin1Char(' ') + p.at(8),
                     p.at(9),
                     p.at(10)};
    QPoint position = QCursor::pos();
    emit showApprovalProfileDetails(card, position);
}

void ZELDeleteContact::showUserProfile(int row, int column)
{
    if (column == ProfileColumn) {
        if (!ZELContactTable::hasCardItems(m_deleteContactList, row))
            return;
        emitCard(row);
        m_lastClickedRow = row;
        return;
    }
    if (row == m_lastClickedRow) {
        m_deleteContactList->clearSelection();
        m_lastClickedRow = -1;
    } else {
        m_lastClickedRow = row;
    }
}

void ZELDeleteContact::enableDeleteButton(int row, int column)
{
    if (column == ProfileColumn || !ZELContactTable::hasCardItems(m_deleteContactList, row))
        return;
    m_deleteContactList->selectRow(row);
    emitCard(row);
}

void ZELDeleteContact::mouseMoveIcon(QTableWidgetItem *item)
{
    if (item)
        ZELContactTable::hoverIcons(m_deleteContactList, item->row());
}

void ZELDeleteContact::sectionClickedSignal(int section)
{
    if (section == ProfileColumn && m_deleteContactList->rowCount() > 0)
        m_deleteContactList->sortItems(NameColumn, Qt::AscendingOrder);
}

void ZELDeleteContact::maximized()
{
    m_frame->toggleMaximized();
}

bool ZELDeleteContact::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<QKeyEvent *>(event)->key();
    if (watched == m_deleteContactList) {
        // Keypad Enter removes whatever the button says; Return only while it is enabled.
        if (key == Qt::Key_Enter || (key == Qt::Key_Return && m_okButton->isEnabled())) {
            deleteSelectedContact();
            return true;
        }
        return false;
    }
    if (watched == this && key == Qt::Key_Escape) {
        close();
        return true;
    }
    return false;
}

void ZELDeleteContact::closeEvent(QCloseEvent *event)
{
    m_deleteContactList->setRowCount(0);
    m_checkedCount = 0;
    m_lastClickedRow = -1;
    m_okButton->setEnabled(false);
    m_closeButton->clearFocus();
    m_userProfiles.clear();
    m_displayErrorMessage->hide();
    event->accept();
}
