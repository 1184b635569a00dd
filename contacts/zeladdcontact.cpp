#include "contacts/zeladdcontact.h"

#include <QCloseEvent>
#include <QCursor>
#include <QHeaderView>
#include <QKeyEvent>
#include <QRegularExpressionValidator>

#include "style/zelframelesshelper.h"
#include "style/zelmessageboxclass.h"

ZELAddContact::ZELAddContact(QWidget *parent)
    : QDialog(parent)
{
    windowSettings(parent);
    signalsAndSlots();
    defaultSettings();
    initializeMemberVariables();
    setZELStyle();
    tableSettings();
}

ZELAddContact::~ZELAddContact()
{
    delete m_questionBox;
}

void ZELAddContact::windowSettings(QWidget *parent)
{
    setupUi(this);
    m_frame = ZELFramelessHelper::frameDialog(this, parent,
                                              ZELFramelessHelper::ResizeCorner | ZELFramelessHelper::WindowBackground
                                                  | ZELFramelessHelper::NoAutoDefault);
}

void ZELAddContact::signalsAndSlots()
{
    connect(m_searchButton, &QPushButton::clicked, this, &ZELAddContact::getKeywordResult);
    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::close);
    connect(m_addButton, &QPushButton::clicked, this, &ZELAddContact::addUserName);
    connect(m_showALLButton, &QPushButton::clicked, this, &ZELAddContact::showAllUserList);
    connect(m_keywordOrUser, &QLineEdit::textChanged, this, &ZELAddContact::enableSearchInUserName);
    connect(m_resulttable, &QTableWidget::itemChanged, this, &ZELAddContact::itemChangeStatus);
    connect(m_resulttable, &QTableWidget::itemEntered, this, &ZELAddContact::mouseMoveIcon);
    connect(m_resulttable, &QTableWidget::cellDoubleClicked, this, &ZELAddContact::selectUserName);
    connect(m_resulttable, &QTableWidget::cellClicked, this, &ZELAddContact::showUserProfile);
    connect(m_resulttable->horizontalHeader(), &QHeaderView::sectionClicked,
            this, &ZELAddContact::sectionClickedSignal);
    connect(m_frame, &ZELFramelessHelper::windowResized, this, &ZELAddContact::afterResize);
}

void ZELAddContact::defaultSettings()
{
    m_keywordOrUser->setFocus();
    m_searchButton->setEnabled(false);
    m_addButton->setEnabled(false);
    for (QObject *object : {static_cast<QObject *>(m_keywordOrUser), static_cast<QObject *>(m_resulttable),
                            static_cast<QObject *>(m_closeButton), static_cast<QObject *>(m_logoLabel),
                            static_cast<QObject *>(m_maximizeButton), static_cast<QObject *>(this)})
        object->installEventFilter(this);
    m_showALLButton->hide();
    m_resultLabel->hide();
}

void ZELAddContact::initializeMemberVariables()
{
    m_questionBox = new ZELMessageBoxClass(QString(), QString(), QMessageBox::Question, ZELMessageBoxClass::Yes,
                                           ZELMessageBoxClass::No, ZELMessageBoxClass::NoButton, this);
    m_maximized = false;
    m_disconnected = false;
    m_checkedCount = 0;
    m_lastClickedRow = -1;
    m_resulttable->setMouseTracking(true);
}

void ZELAddContact::setZELStyle()
{
    QPalette palette = m_keywordOrUser->palette();
    palette.setColor(QPalette::Light, Qt::white);
    palette.setColor(QPalette::Dark, Qt::white);
    for (QPalette::ColorRole role : {QPalette::Midlight, QPalette::Shadow, QPalette::Highlight, QPalette::Window})
        palette.setColor(role, QColor(144, 209, 247));
    palette.setColor(QPalette::Text, Qt::black);
    palette.setColor(QPalette::Button, QColor(240, 245, 251));
    palette.setColor(QPalette::ButtonText, QColor(104, 104, 88));
    palette.setColor(QPalette::Base, Qt::white);
    m_keywordOrUser->setPalette(palette);
}

void ZELAddContact::tableSettings()
{
    ZELContactTable::setUp(m_resulttable,
                           {tr("Profile"), tr("User Name"), tr("Login Id"), tr("Company"), tr("Department"),
                            tr("Job Title")},
                           {25, 80, 148, 83, 108, 108});
    // The "|" inside the class is a literal character of the pattern.
    m_keywordOrUser->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[A-Z|a-z|0-9|\\-|\\_|\\.|\\@|\\*]{1,35}")), this));
    m_keywordOrUser->setStyleSheet(ZELContactTable::styleSheet());
}

void ZELAddContact::afterResize()
{
    m_maximized = isMaximized();
    m_resulttable->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
}

void ZELAddContact::closeConnection()
{
    m_disconnected = true;
    m_addButton->setEnabled(false);
    m_searchButton->setEnabled(false);
    m_showALLButton->setEnabled(false);
}

void ZELAddContact::connectedServer()
{
    m_disconnected = false;
    m_addButton->setEnabled(m_checkedCount > 0);
    m_showALLButton->setEnabled(true);
    // Search comes back with the next edit of the search text.
}

void ZELAddContact::enableSearchInUserName(QString text)
{
    if (!text.isEmpty() && !m_disconnected) {
        m_searchButton->setEnabled(true);
        m_resultLabel->hide();
    } else {
        m_searchButton->setEnabled(false);
    }
}

void ZELAddContact::getKeywordResult()
{
    m_resulttable->setRowCount(0);
    m_checkedCount = 0;
    QString keyword = m_keywordOrUser->text();
    // A lone "*" asks for everybody, as Show All does.
    if (keyword == QLatin1String("*"))
        keyword = QStringLiteral(" ");
    emit searchKeyword(keyword);
    m_searchButton->setEnabled(false);
    m_showALLButton->setEnabled(false);
    m_addButton->setEnabled(false);
}

void ZELAddContact::showAllUserList()
{
    m_resulttable->setRowCount(0);
    m_checkedCount = 0;
    QString keyword = QStringLiteral(" ");
    emit searchKeyword(keyword);
    m_searchButton->setEnabled(false);
    m_showALLButton->setEnabled(false);
}

void ZELAddContact::itemChangeStatus(QTableWidgetItem *item)
{
    if (ZELContactTable::countCheck(item, NameColumn, m_checkedCount) && !m_disconnected)
        m_addButton->setEnabled(m_checkedCount > 0);
}

void ZELAddContact::addUserName()
{
    QStringList request{QStringLiteral("ADDCONTACTREQUEST"), QStringLiteral("ADDNAME")};
    QStringList users;
    QStringList profiles;
    const QList<int> rows = ZELContactTable::checkedRows(m_resulttable, NameColumn);
    for (int row : rows) {
        const QString loginId = ZELContactTable::text(m_resulttable, row, LoginIdColumn);
        request << loginId;
        users << ZELContactTable::text(m_resulttable, row, NameColumn).simplified() << loginId
              << ZELContactTable::text(m_resulttable, row, DepartmentColumn)
              << ZELContactTable::text(m_resulttable, row, JobTitleColumn)
              << ZELContactTable::text(m_resulttable, row, CompanyColumn);
        profiles << m_userProfiles.value(loginId).join(QStringLiteral("&&"));
    }
    if (!rows.isEmpty()) {
        const int answer = m_questionBox->showQuestionBox(this, tr("Add Contact"),
                                                          tr("Are you sure you want to add the selected user(s)?"), 3, 4);
        if (answer == 3) {
            // Noted bottom first, so the numbers still to remove stay valid.
            for (int row : rows)
                m_resulttable->removeRow(row);
            for (int i = 2; i < request.size(); ++i)
                m_userProfiles.remove(request.at(i));
            emit addContact(request, users, profiles);
        } else {
            ZELContactTable::uncheck(m_resulttable, rows, NameColumn);
        }
    }
    m_resulttable->clearSelection();
    m_addButton->setEnabled(false);
    m_keywordOrUser->selectAll();
    m_keywordOrUser->setFocus();
    m_checkedCount = 0;
}

void ZELAddContact::emitCard(int row, const QString &loginId)
{
    const QStringList parts = m_userProfiles.value(loginId);
    if (parts.size() <= 12)
        return;
    auto text = [this, row](int column) { return ZELContactTable::text(m_resulttable, row, column); };
    QStringList card{text(NameColumn).trimmed(),
                     text(LoginIdColumn),
                     parts.at(12),
                     text(DepartmentColumn) + QStringLiteral(" / ") + text(JobTitleColumn),
                     parts.at(2),
                     parts.at(10),
                     parts.at(5) + QLatin1Char(' ') + parts.at(7) + QLatin1Char(' ') + parts.at(8),
                     parts.at(9),
                     QString()};
    QPoint position = QCursor::pos();
    emit showApprovalProfileDetails(card, position);
}

void ZELAddContact::selectUserName(int row, int column)
{
    if (column == ProfileColumn || !ZELContactTable::hasCardItems(m_resulttable, row))
        return;
    m_resulttable->selectRow(row);
    emitCard(row, ZELContactTable::text(m_resulttable, row, LoginIdColumn).simplified());
}

void ZELAddContact::showUserProfile(int row, int column)
{
    if (column == ProfileColumn) {
        if (!ZELContactTable::hasCardItems(m_resulttable, row))
            return;
        emitCard(row, ZELContactTable::text(m_resulttable, row, LoginIdColumn));
        m_lastClickedRow = row;
        return;
    }
    if (m_lastClickedRow == row) {
        m_resulttable->clearSelection();
        m_lastClickedRow = -1;
    } else {
        m_lastClickedRow = row;
    }
}

void ZELAddContact::mouseMoveIcon(QTableWidgetItem *item)
{
    if (item)
        ZELContactTable::hoverIcons(m_resulttable, item->row());
}

void ZELAddContact::sectionClickedSignal(int section)
{
    if (section == ProfileColumn && m_resulttable->rowCount() > 0)
        m_resulttable->sortItems(NameColumn, Qt::AscendingOrder);
}

void ZELAddContact::maximized()
{
    m_frame->toggleMaximized();
}

bool ZELAddContact::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    const bool control = key->modifiers() == Qt::ControlModifier;
    if (watched == m_keywordOrUser) {
        // Keypad Enter searches whatever the button says.
        if (key->key() == Qt::Key_Enter
            || (m_searchButton->isEnabled() && key->key() == Qt::Key_Return)
            || (m_searchButton->isEnabled() && control && key->key() == Qt::Key_F)) {
            getKeywordResult();
            return true;
        }
        if (control && key->key() == Qt::Key_A) {
            showAllUserList();
            return true;
        }
        return false;
    }
    if (watched == m_resulttable && m_addButton->isEnabled()
        && (key->key() == Qt::Key_Enter || key->key() == Qt::Key_Return)) {
        addUserName();
        return true;
    }
    if (watched == this && key->key() == Qt::Key_Escape) {
        close();
        return true;
    }
    return false;
}

void ZELAddContact::closeEvent(QCloseEvent *event)
{
    m_userProfiles.clear();
    m_resulttable->setRowCount(0);
    m_addButton->setEnabled(false);
    m_searchButton->setEnabled(false);
    m_showALLButton->setEnabled(true);
    m_resultLabel->hide();
    m_keywordOrUser->clear();
    m_keywordOrUser->setFocus();
    m_checkedCount = 0;
    m_lastClickedRow = -1;
    event->accept();
}
