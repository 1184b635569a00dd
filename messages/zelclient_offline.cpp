// The main widget's side of offline messages and offline files: the inbox
// rows, marking read, deleting, answering through an offline chat window and
// carrying offline files to and from the server.
#include "core/zelclient.h"

#include <QAction>
#include <QApplication>
#include <QColor>
#include <QFont>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QScreen>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextEdit>

#include "chat/zelchatwindow.h"
#include "protocol/zelsettingslists.h"
#include "messages/zelofflinemessageswidget.h"
#include "style/zelframelesshelper.h"
#include "style/zelmessageboxclass.h"
#include "style/zeltextbounds.h"
#include "protocol/zelparsedmessage.h"

namespace {

const QString RecordSeparator = QStringLiteral("##");
const QString DetailsSeparator = QStringLiteral("###");
const QString OfflineKeySuffix = QStringLiteral("OfflineMessage");
const QString Yes = QStringLiteral("YES");
const QString No = QStringLiteral("NO");

// Fields of an offline message record.
enum RecordField { SenderField, TextField, TimeField, ReadField, BodyField, NameField, RepliedField };

// Columns of the inbox table.
enum InboxColumn { CheckColumn, StateColumn, SenderColumn, NameColumn, TimeColumn, TextColumn };

const int MessageTab = 0;
const int FileTab = 1;
const Qt::Alignment TopAlignment = Qt::AlignTop; // 0x20

QString field(const QString &record, RecordField which)
{
    return record.section(RecordSeparator, which, which);
}

QString listedText(QString text)
{
    return text.replace(QLatin1Char('?'), QStringLiteral(":)"));
}

QString stateIcon(const QString &read, const QString &replied)
{
    if (replied != No)
        return QStringLiteral(":images/mail_reply.bmp");
    return read == No ? QStringLiteral(":images/unreadmessag.png") : QStringLiteral(":images/readMessage.png");
}

QFont rowFont(bool bold)
{
    QFont font(QStringLiteral("Verdana"), 8);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    return font;
}

QString cellText(const QTableWidget *table, int row, int column)
{
    const QTableWidgetItem *item = table->item(row, column);
    return ZELTextBounds::fullText(item);
}

// The first stored record of that sender and sent time, or -1.
int findRecord(const QStringList &list, const QString &sender, const QString &time)
{
    for (int i = 1; i < list.size(); ++i) {
        if (field(list.at(i), SenderField) == sender && field(list.at(i), TimeField) == time)
            return i;
    }
    return -1;
}

QString bannerTable(const QString &heading)
{
    return QStringLiteral("<table bgcolor = ") + QColor(255, 250, 240).name()
           + QStringLiteral(" width='100%' cellspacing='0' border='0'><tr><td width='100%' align='center'>"
                            "<font color=blue>")
           + heading + QStringLiteral("</font></td></tr></table>");
}

void centreOnDesktop(QWidget *window)
{
    const QRect desktop = QGuiApplication::primaryScreen()->geometry();
    window->move(desktop.width() / 2 - window->width() / 2, desktop.height() / 2 - window->height() / 2);
}

} // namespace

// ----------------------------------------------------------------------
// Counters

void ZELClient::refreshOfflineCounters(bool fileTab, bool messageTab)
{
    const QString unread = QString::number(m_unreadOfflineMessageCount);
    const QString files = QString::number(m_offlineFileCount);
    textBrowser->setText(QStringLiteral("(") + unread + QStringLiteral("/") + files
                         + QStringLiteral(") Offline Messages/files"));
    // An inbox not built yet takes these tab texts when it is.
    ZELOfflineMessagesWidget *window = m_offlineMessagesWidget.built();
    const auto setTab = [this, window](int tab, const QString &text) {
        if (window)
            window->m_offlineTabWidget->setTabText(tab, text);
        else
            m_pendingOfflineTabTexts.insert(tab, text);
    };
    if (fileTab)
        setTab(FileTab, m_offlineFileCount == 0 ? QStringLiteral("Offline File(s)")
                                                : files + QStringLiteral(" Offline File(s)"));
    const bool any = m_unreadOfflineMessageCount != 0 || m_offlineFileCount != 0;
    m_offlineMessagesAction->setText(any ? tr("&Offline Messages") + QStringLiteral(" (") + unread
                                               + QStringLiteral("/") + files + QStringLiteral(") ")
                                         : tr("&Offline Messages"));
    if (messageTab)
        setTab(MessageTab, any ? unread + QStringLiteral(" Offline Message(s)") : QStringLiteral("Offline Message(s)"));
}

// ----------------------------------------------------------------------
// The inbox

void ZELClient::generateWindow()
{
    ZELOfflineMessagesWidget *window = m_offlineMessagesWidget.get();
    QTableWidget *table = window->m_offlineTable;
    if (window->isVisible()) {
        if (table->rowCount() == 0)
            window->m_deleteAllButton->setEnabled(false);
        window->raise();
        window->showNormal();
        return;
    }

    m_offlineMessages.clear();
    const bool hasMessages = m_offlineMessageList.size() > 1;
    const bool hasFiles = m_offlineFileDetails.size() > 1;
    if (!hasMessages && !hasFiles) {
        m_informationBox->showInformationBox(this, QStringLiteral("Offline Messages"),
                                             QStringLiteral("You have 0 offline message and file"));
        return;
    }
    if (!hasFiles)
        window->m_offlineTabWidget->setTabEnabled(FileTab, false);
    else if (!hasMessages)
        window->m_offlineTabWidget->setTabEnabled(MessageTab, false);

    window->m_loginId = m_loginId;
    table->setSortingEnabled(false);
    for (int i = 1; i < m_offlineMessageList.size(); ++i) {
        const QString &record = m_offlineMessageList.at(i);
        table->insertRow(0);
        table->setRowHeight(0, 20);
        const QString text = listedText(field(record, TextField));
        const QString time = field(record, TimeField);
        m_offlineMessages.insert(time + text, field(record, BodyField));

        const bool unread = field(record, ReadField) == No;
        auto *check = new QTableWidgetItem;
        check->setCheckState(Qt::Unchecked);
        auto *state = new QTableWidgetItem;
        state->setIcon(QIcon(stateIcon(field(record, ReadField), field(record, RepliedField))));
        table->setItem(0, CheckColumn, check);
        table->setItem(0, StateColumn, state);
        const QString texts[] = {field(record, SenderField), field(record, NameField), time, text};
        for (int column = SenderColumn; column <= TextColumn; ++column) {
            // The cell shows the start of a long value and keeps all of it.
            auto *item = new QTableWidgetItem;
            ZELTextBounds::setShownText(item, texts[column - SenderColumn]);
            item->setFont(rowFont(unread));
            item->setTextAlignment(TopAlignment);
            table->setItem(0, column, item);
        }
    }
    table->sortItems(TimeColumn, Qt::DescendingOrder);
    table->horizontalHeader()->resizeSections(QHeaderView::ResizeToContents);
    window->m_deleteAllButton->setEnabled(true);
    if (table->rowCount() >= 25)
        window->m_messageBox->setHtml(bannerTable(QStringLiteral("<h1>Inbox Full</h1>")));

    window->m_offlineTabWidget->setTabText(
        MessageTab, m_unreadOfflineMessageCount == 0
                        ? QStringLiteral("Offline Message(s)")
                        : QString::number(m_unreadOfflineMessageCount) + QStringLiteral(" Offline Message(s)"));
    window->m_offlineTabWidget->setTabText(
        FileTab, m_offlineFileCount == 0 ? QStringLiteral("Offline File(s)")
                                         : QString::number(m_offlineFileCount) + QStringLiteral(" Offline File(s)"));
    window->m_browsebutton->setEnabled(false);
    window->m_ftpDownloadButton->setEnabled(false);
    window->m_ftpRejectButton->setEnabled(false);

    centreOnDesktop(window);
    window->show();
}

void ZELClient::showOfflineMessage()
{
    ZELOfflineMessagesWidget *window = m_offlineMessagesWidget.get();
    QTableWidget *table = window->m_offlineTable;
    if (table->rowCount() == 0 || !ZELFramelessHelper::holdsWindowFocus(table) || window->m_inactive
        || !table->currentItem())
        return;
    const int row = table->currentItem()->row();
    QTableWidgetItem *senderItem = table->item(row, SenderColumn);
    if (!senderItem)
        return;
    const QString sender = ZELTextBounds::fullText(senderItem);
    const QString time = cellText(table, row, TimeColumn);
    const QString text = cellText(table, row, TextColumn);
    const QString name = cellText(table, row, NameColumn);
    const QString body = m_offlineMessages.value(time + text);

    // Stored read, in the form the inbox lists it; the dispatcher still knows
    // it as the message the server sends again.
    const int index = findRecord(m_offlineMessageList, sender, time);
    if (index > 0) {
        const QString replied = field(m_offlineMessageList.takeAt(index), RepliedField);
        m_offlineMessageList.append(QStringList({sender, text, time, Yes, body, name, replied}).join(RecordSeparator));
        if (QTableWidgetItem *state = table->item(row, StateColumn))
            state->setIcon(QIcon(stateIcon(Yes, replied)));
    }

    if (senderItem->font().bold()) {
        if (m_unreadOfflineMessageCount > 0) {
            --m_unreadOfflineMessageCount;
            refreshOfflineCounters(false, true);
        }
        QStringList read{QStringLiteral("OFFLINEMESSAGEREAD"), sender, time, body};
        sendOfflineMessages(read);
    }
    for (int column = SenderColumn; column <= TextColumn; ++column) {
        if (QTableWidgetItem *item = table->item(row, column)) {
            item->setFont(rowFont(false));
            item->setTextAlignment(TopAlignment);
        }
    }

    window->m_messageBox->setHtml(bannerTable(QStringLiteral("<b>Offline Messages</b>")));
    window->m_messageBox->append(
        QStringLiteral("<table bgcolor = ") + QColor(240, 248, 255).name()
        + QStringLiteral(" width='100%' cellspacing='0' radius = '5' border='0'><tr><td width='60%'>"
                         "<font color=Chocolate><b>")
        + ZELTextBounds::shownName(name).toHtmlEscaped()
        + QStringLiteral(" says ::</td><td width='40%' align='right'><font color=darkgray><b>")
        + ZELTextBounds::shownName(time).toHtmlEscaped() + QStringLiteral("</td></tr></table>"));
    window->m_messageBox->appendMessage(body);
    window->m_messageBox->verticalScrollBar()->setValue(window->m_messageBox->verticalScrollBar()->minimum());

    window->m_replyPushButton->setEnabled(true);
    m_replyTarget = sender;
}

void ZELClient::itemChangeStatus(QTableWidgetItem *item)
{
    ZELOfflineMessagesWidget *window = m_offlineMessagesWidget.get();
    if (window->m_inactive || !item || item->column() != CheckColumn)
        return;
    if (item->checkState() == Qt::Checked)
        ++window->m_checkedMessageCount;
    else if (item->checkState() == Qt::Unchecked && window->m_checkedMessageCount > 0)
        --window->m_checkedMessageCount;
    window->m_deleteButton->setEnabled(window->m_checkedMessageCount > 0);
}

void ZELClient::deleteSelectedMessage()
{
    ZELOfflineMessagesWidget *window = m_offlineMessagesWidget.get();
    QTableWidget *table = window->m_offlineTable;
    if (m_connectionDown) {
        window->m_informationBox->showInformationBox(window, QStringLiteral("Connection Error"),
                                                     QStringLiteral("ZEL disconnected ...Try again later"));
        return;
    }
    QStringList request{QStringLiteral("DELETEOFFLINEMESSAGES")};
    QList<int> rows;
    for (int row = 0; row < table->rowCount(); ++row) {
        const QTableWidgetItem *check = table->item(row, CheckColumn);
        if (check && check->checkState() != Qt::Unchecked) {
            request << cellText(table, row, SenderColumn) + RecordSeparator + cellText(table, row, TimeColumn);
            rows << row;
        }
    }
    if (rows.isEmpty()) {
        window->m_informationBox->showInformationBox(window, QStringLiteral("Offline Messages"),
                                                     QStringLiteral("Please select any message for delete"));
        return;
    }
    if (window->m_questionBox->showQuestionBox(
            window, QStringLiteral("Offline Messages"),
            QStringLiteral("Are you sure you want to delete the selected offline message(s)?"), 3, 4)
        == 3) {
        deleteOfflineMessages();
        convertXMLSendToServer(request);
    } else {
        for (int row : std::as_const(rows)) {
            QTableWidgetItem *check = table->item(row, CheckColumn);
            if (check && check->checkState() == Qt::Checked)
                check->setCheckState(Qt::Unchecked);
        }
    }
    window->m_checkedMessageCount = 0;
    window->m_deleteButton->setEnabled(false);
    window->m_replyPushButton->setEnabled(false);
    table->clearSelection();
    window->m_messageBox->clear();
}

void ZELClient::removeOfflineRows(bool checkedOnly)
{
    ZELOfflineMessagesWidget *window = m_offlineMessagesWidget.get();
    QTableWidget *table = window->m_offlineTable;
    window->m_messageBox->clear();
    window->m_replyPushButton->setEnabled(false);
    for (int row = table->rowCount() - 1; row >= 0; --row) {
        const QTableWidgetItem *check = table->item(row, CheckColumn);
        if (!check || (checkedOnly && check->checkState() == Qt::Unchecked))
            continue;
        const QString sender = cellText(table, row, SenderColumn);
        const QString time = cellText(table, row, TimeColumn);
        const QString text = cellText(table, row, TextColumn);
        for (int i = m_offlineMessageList.size() - 1; i >= 1; --i) {
            const QString &record = m_offlineMessageList.at(i);
            if (field(record, SenderField) == sender && field(record, TimeField) == time)
                m_offlineMessageList.removeAt(i);
        }
        table->removeRow(row);
        table->clearSelection();
        if (m_offlineMessageList.size() <= 1)
            window->m_deleteButton->setEnabled(false);
        m_offlineMessages.remove(time + text);
    }
    table->horizontalHeader()->resizeSections(QHeaderView::ResizeToContents);
    if (table->rowCount() == 0)
        window->m_deleteAllButton->setEnabled(false);
}

void ZELClient::deleteOfflineMessages()
{
    removeOfflineRows(true);
}

void ZELClient::deleteMessages()
{
    removeOfflineRows(false);
    ZELOfflineMessagesWidget *window = m_offlineMessagesWidget.get();
    window->m_deleteAllButton->setEnabled(false);
    const int left = window->m_offlineTable->rowCount();
    textBrowser->setText(QStringLiteral("(") + QString::number(left) + QStringLiteral("/")
                         + QString::number(m_offlineFileCount) + QStringLiteral(") Offline Messages/files"));
    if (m_unreadOfflineMessageCount != 0 || m_offlineFileCount != 0)
        m_offlineMessagesAction->setText(tr("&Offline Messages") + QStringLiteral(" (")
                                         + QString::number(m_unreadOfflineMessageCount) + QStringLiteral("/")
                                         + QString::number(m_offlineFileCount) + QStringLiteral(") "));
    else
        m_offlineMessagesAction->setText(tr("&Offline Messages"));
    window->m_offlineTabWidget->setTabText(MessageTab, QStringLiteral("Offline Message(s)"));
}

void ZELClient::deleteAllOfflineMessages()
{
    ZELOfflineMessagesWidget *window = m_offlineMessagesWidget.get();
    QTableWidget *table = window->m_offlineTable;
    if (m_connectionDown) {
        window->m_informationBox->showInformationBox(window, QStringLiteral("Connection Error"),
                                                     QStringLiteral("ZEL disconnected ...Try again later"));
        return;
    }
    QStringList request{QStringLiteral("DELETEOFFLINEMESSAGES")};
    for (int row = 0; row < table->rowCount(); ++row)
        request << cellText(table, row, SenderColumn) + RecordSeparator + cellText(table, row, TimeColumn);
    if (window->m_questionBox->showQuestionBox(window, QStringLiteral("Offline Messages"),
                                               QStringLiteral("Are you sure you want to delete all offline messages?"),
                                               3, 4)
        == 3) {
        deleteMessages();
        m_unreadOfflineMessageCount = 0;
        textBrowser->setText(QStringLiteral("(0/") + QString::number(m_offlineFileCount)
                             + QStringLiteral(") Offline Messages/files"));
        m_offlineMessagesAction->setText(
            m_offlineFileCount != 0 ? tr("&Offline Messages") + QStringLiteral(" (0/")
                                          + QString::number(m_offlineFileCount) + QStringLiteral(") ")
                                    : tr("&Offline Messages"));
        window->m_offlineTabWidget->setTabText(MessageTab, QStringLiteral("Offline Message(s)"));
        convertXMLSendToServer(request);
    } else {
        for (int row = 0; row < table->rowCount(); ++row) {
            QTableWidgetItem *check = table->item(row, CheckColumn);
            if (check && check->checkState() == Qt::Checked)
                check->setCheckState(Qt::Unchecked);
        }
    }
    window->m_checkedMessageCount = 0;
    window->m_deleteButton->setEnabled(false);
    window->m_replyPushButton->setEnabled(false);
    table->clearSelection();
    window->m_messageBox->clear();
}

void ZELClient::cancelSlot()
{
    refreshOfflineCounters();
}

// ----------------------------------------------------------------------
// Answers and offline chat windows

void ZELClient::replyOfflineMessages()
{
    ZELOfflineMessagesWidget *window = m_offlineMessagesWidget.get();
    if (m_connectionDown) {
        window->m_informationBox->showInformationBox(window, QStringLiteral("Connection Error"),
                                                     QStringLiteral("ZEL disconnected...Try again later"));
        return;
    }
    for (const QString &entry : std::as_const(m_presentContacts)) {
        if (entry.section(RecordSeparator, 0, 0) == m_replyTarget) {
            createChatWindow(m_replyTarget);
            return;
        }
    }
    QTableWidget *table = window->m_offlineTable;
    const int row = table->currentRow();
    if (row < 0 || !table->item(row, TextColumn) || !table->item(row, TimeColumn))
        return;
    const QString text = cellText(table, row, TextColumn);
    const QString sender = cellText(table, row, SenderColumn);
    const QString time = cellText(table, row, TimeColumn);
    const QString name = cellText(table, row, NameColumn);
    const QString body = m_offlineMessages.value(time + text);
    const QString details = sender + DetailsSeparator + time + DetailsSeparator + body + DetailsSeparator + text;
    openChatWindowForOfflineMessage(m_replyTarget, body, time, name, details);
}

void ZELClient::openChatWindowForOfflineMessage(QString peer, QString body, QString time, QString name,
                                                QString details)
{
    const QString key = peer + OfflineKeySuffix;
    if (ZELChatWindow *open = m_chatWindows.value(key)) {
        QWidget *active = QApplication::activeWindow();
        if (open->isMinimized())
            open->restoreWindowState();
        else if (!open->isActiveWindow())
            open->activateWindow();
        QWidget *modal = QApplication::activeModalWidget();
        if (modal && modal->parentWidget() == open)
            modal->raise();
        if (active)
            active->raise();
        return;
    }

    auto *window = new ZELChatWindow;
    window->m_dataFolder = m_dataFolder;
    window->createQickReplyMenuItem(m_quickReplies, m_quickReplyOption);
    window->m_passwordProtectButton->hide();
    connect(window, &ZELChatWindow::closeChat, this, &ZELClient::removeChat, Qt::DirectConnection);
    connect(window, qOverload<QString &>(&ZELChatWindow::showUserProfile), this, &ZELClient::showChatUserProfile);
    connect(window, &ZELChatWindow::sendOfflineMessages, this, &ZELClient::sendOfflineMessages);
    connect(window, &ZELChatWindow::sendFileInOfflineMessage, this, &ZELClient::sendFileInOfflineMessage);
    connect(window, &ZELChatWindow::pauseMovie, this, &ZELClient::pauseMovie);
    connect(window, &ZELChatWindow::restartMovie, this, &ZELClient::restartMovie);
    m_chatWindows.insert(key, window);
    // One transfer at a time: a new window knows of the one under way.
    window->m_uploading = m_uploadInProgress;
    window->m_downloading = m_downloadInProgress;

    window->Chat->removeTab(3);
    window->Chat->removeTab(2);
    window->totalMessage->append(
        QStringLiteral("<table bgcolor = ") + QColor(240, 255, 255).name()
        + QStringLiteral(" width='100%' cellspacing='0' border='0'><tr><td width='100%' align='center'><h3><b>"
                         "<font color = 'blue'>Sending Offline Messages</font></h3></b></td></tr></table>"));
    window->totalMessage->setHtml(window->totalMessage->toHtml());
    for (QWidget *w : {static_cast<QWidget *>(window->m_fileSend), static_cast<QWidget *>(window->m_deskTopCaptureButton),
                       static_cast<QWidget *>(window->m_insertImageToolButton),
                       static_cast<QWidget *>(window->m_savePushButton)})
        w->setEnabled(false);
    window->setUserDetails(m_loginId, QString(), m_password);
    window->m_offlinePeer = peer;
    window->m_ownDisplayName = m_ownDisplayName;
    if (!details.isEmpty())
        window->replyMessageDetails(details);
    window->serverMessage->setFont(QFont(m_chatWindowSettings.value(ZELChatWindowList::FontFamily),
                                         m_chatWindowSettings.value(ZELChatWindowList::FontSize).toInt()));
    window->setDefaultSettings(m_chatWindowSettings.value(ZELChatWindowList::EscapeCloses), QStringLiteral("FALSE"),
                               m_chatWindowSettings.value(ZELChatWindowList::HourFormat24));
    window->serverMessage->setFocus();
    window->Chat->setTabText(0, QStringLiteral("Sending Offline Messages"));
    window->setPresencePicture(QStringLiteral(":images/Offline.png"));
    window->m_peerStatus = QStringLiteral("Offline");

    const auto found = m_users.constFind(peer);
    if (found != m_users.constEnd()) {
        const UserRecord &record = found.value();
        const QString title = QStringLiteral("Sending Offline Messages for ") + ZELTextBounds::shownName(record.displayName);
        window->setWindowTitle(title);
        window->m_logoLabel->setText(title);
        window->m_peerDisplayName = record.displayName;
        window->m_userNameLabel->setText(ZELTextBounds::shownName(record.displayName));
        window->m_userRoleLabel->setText(ZELTextBounds::shownName(record.department) + QStringLiteral(" / ")
                                         + ZELTextBounds::shownName(record.jobTitle));
        window->m_userStatusLabel->setText(ZELTextBounds::shownLine(record.statusMessage));
        window->m_peerPhoto = record.photoBase64;
        QPixmap photo;
        if (!record.photoBase64.isEmpty()) {
            const QByteArray data = QByteArray::fromBase64(record.photoBase64.toLatin1());
            if (!photo.loadFromData(qUncompress(data)))
                photo.loadFromData(data);
        }
        if (photo.isNull()) {
            window->m_userStatusPixmap->setPixmap(QPixmap(QStringLiteral(":images/userInfo1.png")));
            window->m_userStatusPixmap->setStyleSheet(QString());
        } else {
            window->m_userStatusPixmap->setPixmap(photo);
        }
        const QString privilegeKey = profileParts(record.profileDetails).value(1) + DetailsSeparator
                                     + record.department;
        for (int i = 1; i < m_privilegeInfo.size(); ++i) {
            const QString &entry = m_privilegeInfo.at(i);
            if (entry.section(DetailsSeparator, 0, 1) != privilegeKey)
                continue;
            const bool allowed = entry.section(DetailsSeparator, 2, 2) == QLatin1String("1");
            window->m_fileSend->setEnabled(allowed);
            window->m_fileRight = allowed ? QStringLiteral("Yes") : QStringLiteral("No");
            break;
        }
    } else {
        for (QWidget *w : {static_cast<QWidget *>(window->m_userStatusPixmap),
                           static_cast<QWidget *>(window->m_userNameLabel),
                           static_cast<QWidget *>(window->m_userRoleLabel),
                           static_cast<QWidget *>(window->m_userStatusLabel)})
            w->hide();
        const QString title = QStringLiteral("Sending Offline Messages for ") + ZELTextBounds::shownName(name);
        window->m_logoLabel->setText(title);
        window->setWindowTitle(title);
        window->m_peerDisplayName = name;
    }

    if (!body.isEmpty()) {
        // The quote goes below the place where the user starts typing.
        QTextEdit *input = window->serverMessage;
        input->append(QStringLiteral("<table width='100%' cellspacing='0' border='0'><hr size='1' width='100%'/>"
                                     "<tr><td></td></tr></table>"));
        // A quote: bounded like any received text the editor lays out.
        input->append(QStringLiteral("<b>From : </b>") + ZELTextBounds::shownName(name).toHtmlEscaped());
        input->append(QStringLiteral("<b>Sent &nbsp;: </b>") + ZELTextBounds::shownName(time).toHtmlEscaped());
        input->append(QStringLiteral("<b>To &nbsp;&nbsp;&nbsp;&nbsp;: </b>")
                      + ZELTextBounds::shownName(m_ownDisplayName).toHtmlEscaped());
        input->append(QString());
        // Only what the editor can lay out at once is quoted; the message
        // itself stays whole in the offline message window.
        const ZELTextBounds::Bounded quote = ZELTextBounds::bounded(body, Qt::mightBeRichText(body));
        input->append(quote.rest.isEmpty() ? quote.shown : quote.shown + QChar(0x2026));
        input->moveCursor(QTextCursor::Start);
        input->setTextColor(QColor(Qt::blue));
    }

    centreOnDesktop(window);
    window->resize(window->minimumWidth(), window->minimumHeight() + 50);
    window->setMask(window->rect());
    window->show();
}

void ZELClient::sendOfflineMessages(QStringList &request)
{
    convertXMLSendToServer(request);
    if (request.value(0) != QLatin1String("OFFLINEMESSAGE"))
        return;
    const QString details = request.value(5);
    if (details.isEmpty())
        return; // a plain offline message answers nothing
    const QString receiver = request.value(1);
    const QString time = details.section(DetailsSeparator, 1, 1);
    const QString text = details.section(DetailsSeparator, 3, 3);
    const int index = findRecord(m_offlineMessageList, receiver, time);
    if (index > 0) {
        const QString name = field(m_offlineMessageList.takeAt(index), NameField);
        m_offlineMessageList.append(QStringList({receiver, text, time, Yes, m_offlineMessages.value(time + text), name, Yes})
                                        .join(RecordSeparator));
    }
    if (m_offlineMessagesWidget.isVisible()) {
        QTableWidget *table = m_offlineMessagesWidget->m_offlineTable;
        for (int row = 0; row < table->rowCount(); ++row) {
            if (cellText(table, row, SenderColumn) == receiver && cellText(table, row, TimeColumn) == time) {
                if (QTableWidgetItem *state = table->item(row, StateColumn))
                    state->setIcon(QIcon(QStringLiteral(":images/mail_reply.bmp")));
                break;
            }
        }
    }
}

// ----------------------------------------------------------------------
// Offline files

void ZELClient::downloadOfflineFile(QStringList &request, QString &folder, QString &fileName)
{
    m_downloadInProgress = true;
    for (ZELChatWindow *window : std::as_const(m_chatWindows)) {
        if (window)
            window->m_downloading = true;
    }
    m_offlineFileDownloading = true;
    m_offlineFileFolder = folder;
    m_offlineFileName = fileName;
    m_offlineFileCount = m_offlineMessagesWidget->m_offlineFileCount;
    refreshOfflineCounters(true, false);
    convertXMLSendToServer(request);
}

void ZELClient::rejectOfflineFile(QStringList &request)
{
    m_offlineFileCount = m_offlineMessagesWidget->m_offlineFileCount;
    refreshOfflineCounters(true, false);
    convertXMLSendToServer(request);
}

void ZELClient::sendFileInOfflineMessage(QString &filePath, QStringList &request)
{
    convertXMLSendToServer(request);
    fileUpload(filePath);
    m_uploadInProgress = true;
    for (ZELChatWindow *window : std::as_const(m_chatWindows)) {
        if (window)
            window->m_uploading = true;
    }
}
