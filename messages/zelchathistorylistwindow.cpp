#include "messages/zelchathistorylistwindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHeaderView>
#include <QKeyEvent>

#include "style/zelmessageboxclass.h"

ZELChatHistoryListWindow::ZELChatHistoryListWindow()
    : QDialog(nullptr)
{
    setupUi(this);
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    setWindowIcon(QIcon(QStringLiteral(":images/chat_history_client.png")));

    connect(m_chatListclose, &QPushButton::clicked, this, &ZELChatHistoryListWindow::cancelSlot);
    connect(m_contactNamesList, &QListWidget::itemSelectionChanged, this,
            &ZELChatHistoryListWindow::requestDateFromServer);
    connect(m_conferenceChatDateList, &QListWidget::itemSelectionChanged, this,
            &ZELChatHistoryListWindow::requstConferenceChatHistory);
    connect(m_chatDateList, &QTableWidget::itemSelectionChanged, this,
            &ZELChatHistoryListWindow::selectionChangedDataToServer);
    connect(m_historyDisplay, &QTextBrowser::textChanged, this, &ZELChatHistoryListWindow::enableSaveButton);

    m_informationBox = new ZELMessageBoxClass(this);
    installEventFilter(this);
    m_saveChatButton->setEnabled(false);
    m_chatDateList->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_chatDateList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_chatDateList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_chatDateList->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    hide();
}

ZELChatHistoryListWindow::~ZELChatHistoryListWindow()
{
    delete m_informationBox;
}

QString ZELChatHistoryListWindow::loadingPage()
{
    return QStringLiteral("<br><br><br><center><h1><font color = 'green'>Loading.....</font></h1></center>");
}

void ZELChatHistoryListWindow::cancelSlot()
{
    close();
}

// The selection handlers act only on the user's own choice: changes the
// program makes while the list has no focus must trigger nothing.
void ZELChatHistoryListWindow::requestDateFromServer()
{
    if (m_contactNamesList->count() == 0 || !m_contactNamesList->hasFocus() || m_disconnected)
        return;
    m_conferenceChatDateList->clearSelection();
    m_chatDateList->clearSelection();
    QListWidgetItem *item = m_contactNamesList->currentItem();
    if (!item || !item->isSelected())
        return;
    m_conferenceSelected = false;
    m_selectedContactName = item->text();
    m_selectedContact = item->toolTip();
    // This computer's sessions are listed by the local history browser, not yet here.
    if (m_serverMode)
        emit requestChatDate(m_selectedContact);
}

void ZELChatHistoryListWindow::requstConferenceChatHistory()
{
    if (m_conferenceChatDateList->count() == 0 || !m_conferenceChatDateList->hasFocus() || m_disconnected)
        return;
    m_contactNamesList->clearSelection();
    m_chatDateList->clearSelection();
    QListWidgetItem *item = m_conferenceChatDateList->currentItem();
    if (!item || !item->isSelected())
        return;
    m_conferenceSelected = true;
    m_selectedConferenceDay = item->text();
    if (m_serverMode)
        emit requestConferenceChatDate(m_selectedConferenceDay);
}

void ZELChatHistoryListWindow::selectionChangedDataToServer()
{
    if (m_disconnected || !m_chatDateList->hasFocus() || !m_chatDateList->currentItem())
        return;
    const int row = m_chatDateList->currentItem()->row();
    const QTableWidgetItem *cell = m_chatDateList->item(row, 0);
    QString text = cell ? cell->text() : QString();
    m_historyDisplay->setHtml(loadingPage());
    if (!m_conferenceSelected) {
        if (m_serverMode)
            emit sendChatDate(text, m_selectedContact);
    } else if (m_serverMode) {
        // A row without its full session name asks for nothing.
        if (row >= 0 && row < m_sessionNames.size()) {
            QString session = m_sessionNames.at(row);
            emit getConferenceHistory(m_selectedConferenceDay, session);
        }
    }
}

void ZELChatHistoryListWindow::displayMessage(QString text)
{
    m_informationBox->showInformationBox(this, QStringLiteral("Chat History Listing"), text);
}

void ZELChatHistoryListWindow::enableSaveButton()
{
    m_saveChatButton->setEnabled(!m_historyDisplay->toPlainText().simplified().isEmpty());
}

// The session table stays enabled; its handler checks the flag instead.
void ZELChatHistoryListWindow::closeConnection()
{
    m_disconnected = true;
    m_contactNamesList->setEnabled(false);
    m_conferenceChatDateList->setEnabled(false);
}

void ZELChatHistoryListWindow::connectedServer()
{
    m_disconnected = false;
    m_contactNamesList->setEnabled(true);
    m_conferenceChatDateList->setEnabled(true);
}

bool ZELChatHistoryListWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == this && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Escape) {
            close();
            return true;
        }
        if (key->key() == Qt::Key_S && key->modifiers() == Qt::ControlModifier)
            return true; // saving arrives with the export
    }
    return QDialog::eventFilter(watched, event);
}

void ZELChatHistoryListWindow::closeEvent(QCloseEvent *event)
{
    m_chatDateList->setRowCount(0);
    m_chatDateList->setColumnCount(0);
    m_historyDisplay->clear();
    event->accept();
}

