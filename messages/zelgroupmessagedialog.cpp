#include "messages/zelgroupmessagedialog.h"
#include "style/zelsharedsheet.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QFontComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIntValidator>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocument>
#include <QToolButton>

#include "mainwindow/zelmainwindowlook.h"
#include "platform/zelchoosers.h"
#include "platform/zelplatform.h"
#include "style/zelframelesshelper.h"
#include "style/zellinkrule.h"
#include "style/zelmessageboxclass.h"

namespace {

const char OfflineIcon[] = ":images/userclose_24.png";
const char OnlineIcon[] = ":images/userok_24.png";
const char TextPointer[] = ":images/textpointer.png";

enum RecipientField { FirstGroup = 0, SecondGroup = 1, ShownName = 2, UserName = 3 };

QString recordField(const QString &record, int field)
{
    return record.section(QStringLiteral("##"), field, field);
}

QTreeWidgetItem *childNamed(QTreeWidgetItem *parent, const QString &text)
{
    for (int i = 0; i < parent->childCount(); ++i) {
        if (parent->child(i)->text(0) == text)
            return parent->child(i);
    }
    auto *item = new QTreeWidgetItem(parent);
    item->setText(0, text);
    return item;
}

} // namespace

ZELGroupMessageDialog::ZELGroupMessageDialog(QWidget *parent)
    : QDialog(parent)
{
    windowSettings(parent);
    initializeMemberVariables();
    signalsAndSlots();
    setZELStyle();
}

ZELGroupMessageDialog::~ZELGroupMessageDialog()
{
    delete questionBox;
}

void ZELGroupMessageDialog::windowSettings(QWidget *parent)
{
    setupUi(this);
    // A received text pasted in brings its pictures along.
    ZELLinkRule::guardPictures(m_groupMessageTextEdit);
    ZELMainWindowLook::setPlainStyle(this);
    setWindowIcon(QIcon(QStringLiteral(":images/icon.png")));
    m_frame = new ZELFramelessHelper(this, ZELFramelessHelper::ResizeCorner | ZELFramelessHelper::WindowBackground
                                               | ZELFramelessHelper::DragAnywhere);
    m_frame->setParentWindow(parent, Qt::Dialog);
    setWindowModality(Qt::WindowModal);
    setAttribute(Qt::WA_DeleteOnClose);
}

void ZELGroupMessageDialog::initializeMemberVariables()
{
    questionBox = new ZELMessageBoxClass(QString(), QString(), QMessageBox::Question, QMessageBox::Yes,
                                         QMessageBox::No, QMessageBox::NoButton, this);
    createTextStyleWidget();
    installEventFilter(this);
    m_closeButton->installEventFilter(this);
    m_groupLogoLabel->installEventFilter(this);
    m_groupMessageTextEdit->installEventFilter(this);
    m_sendMessageButton->setEnabled(false);
    dragging = resizing = disconnected = contactsShown = false;
    checkedCount = 0;
    m_groupLogoLabel->setPixmap(QPixmap(QStringLiteral(":images/groupChat.png")));
    m_onlineUsersListWidget->header()->hide();
}

void ZELGroupMessageDialog::signalsAndSlots()
{
    connect(m_closeButton, &QPushButton::clicked, this, &QDialog::close);
    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::close);
    connect(m_sendMessageButton, &QPushButton::clicked, this, &ZELGroupMessageDialog::sendGroupMessage);
    connect(m_groupMessageTextEdit, &QTextEdit::textChanged, this, &ZELGroupMessageDialog::enableSendButton);
    connect(m_selectAllCheckBox, &QCheckBox::stateChanged, this, &ZELGroupMessageDialog::selectAllContacts);
    for (QRadioButton *radio : {m_offlineRadioButto, m_onlineRadioButto, m_userRadioButton, m_deptRadioButton})
        connect(radio, &QRadioButton::clicked, this, &ZELGroupMessageDialog::displayUserWise);
    connect(m_onlineUsersListWidget, &QTreeWidget::itemChanged, this, &ZELGroupMessageDialog::itemChangeStatus);
}

void ZELGroupMessageDialog::setZELStyle()
{
    ZELMainWindowLook::setPlainStyle(m_closeButton);
    for (QWidget *w : std::initializer_list<QWidget *>{m_onlineUsersListWidget, m_contactsGroupBox, m_listGroupBox})
        ZELMainWindowLook::setXpStyle(w);

    const QString sheet = ZELMainWindowLook::sharedStyleSheet();
    for (QWidget *w : {static_cast<QWidget *>(m_groupMessageTextEdit),
                       static_cast<QWidget *>(m_onlineUsersListWidget->verticalScrollBar()),
                       static_cast<QWidget *>(fontComboBox), static_cast<QWidget *>(fontSizeComboBox)})
        ZELSharedSheet::setFitted(w, sheet);
    m_onlineUsersListWidget->setRootIsDecorated(false);

    QPalette palette;
    const auto set = [&palette](QPalette::ColorRole role, const QColor &colour) {
        ZELMainWindowLook::setRole(palette, role, colour);
    };
    const QColor white(255, 255, 255), blue(144, 209, 247);
    set(QPalette::Light, white);
    set(QPalette::Dark, white);
    set(QPalette::Base, white);
    set(QPalette::Midlight, blue);
    set(QPalette::Window, blue);
    set(QPalette::Shadow, blue);
    set(QPalette::Highlight, blue);
    set(QPalette::WindowText, QColor(0, 102, 204));
    set(QPalette::AlternateBase, QColor(248, 252, 255));
    set(QPalette::Button, QColor(240, 245, 251));
    set(QPalette::Text, QColor(0, 0, 0));
    for (QWidget *w : std::initializer_list<QWidget *>{m_groupMessageTextEdit, m_onlineUsersListWidget,
                                                       fontComboBox, fontSizeComboBox})
        w->setPalette(palette);
}

void ZELGroupMessageDialog::showGroupMessageDialog(QStringList online, QStringList offline)
{
    onlineContacts = online;
    offlineContacts = offline;
    fillTree();
    contactsShown = true;
    show();
}

void ZELGroupMessageDialog::fillTree()
{
    const bool offline = m_offlineRadioButto->isChecked();
    const QStringList &list = offline ? offlineContacts : onlineContacts;
    const QIcon icon(QString::fromLatin1(offline ? OfflineIcon : OnlineIcon));
    const QString heading = offline ? QStringLiteral("Offline Users") : QStringLiteral("Online Users");

    // Building the rows must not reach itemChangeStatus.
    const bool blocked = m_onlineUsersListWidget->blockSignals(true);
    rootItem = new QTreeWidgetItem(m_onlineUsersListWidget);
    QFont font(QStringLiteral("Comic Sans MS"), 9);
    font.setBold(true);
    rootItem->setFont(0, font);
    rootItem->setText(0, list.isEmpty() ? heading + QStringLiteral(" Empty") : heading);

    const auto prepare = [&icon](QTreeWidgetItem *item) {
        item->setIcon(0, icon);
        item->setCheckState(0, Qt::Unchecked);
    };
    if (!list.isEmpty()) {
        rootItem->setExpanded(true);
        const bool userView = m_userRadioButton->isChecked();
        for (const QString &record : list) {
            QTreeWidgetItem *parent = rootItem;
            if (!userView) {
                const bool existed = [&] {
                    for (int i = 0; i < rootItem->childCount(); ++i)
                        if (rootItem->child(i)->text(0) == recordField(record, FirstGroup))
                            return true;
                    return false;
                }();
                QTreeWidgetItem *first = childNamed(rootItem, recordField(record, FirstGroup));
                if (!existed) {
                    prepare(first);
                    first->setExpanded(true);
                }
                const int before = first->childCount();
                QTreeWidgetItem *second = childNamed(first, recordField(record, SecondGroup));
                if (first->childCount() != before)
                    prepare(second);
                parent = second;
            }
            auto *contact = new QTreeWidgetItem(parent);
            contact->setText(0, recordField(record, ShownName));
            contact->setToolTip(0, recordField(record, UserName));
            prepare(contact);
        }
    }
    m_onlineUsersListWidget->blockSignals(blocked);
    m_selectAllCheckBox->setEnabled(!list.isEmpty());
    m_listGroupBox->setEnabled(!list.isEmpty());
}

void ZELGroupMessageDialog::displayUserWise(bool)
{
    m_selectAllCheckBox->setChecked(false);
    m_onlineUsersListWidget->clear();
    rootItem = nullptr;
    checkedCount = 0;
    recipients.clear();
    m_sendMessageButton->setEnabled(false);
    fillTree();
}

void ZELGroupMessageDialog::itemChangeStatus(QTreeWidgetItem *item, int)
{
    if (!contactsShown || !item)
        return;
    const Qt::CheckState state = item->checkState(0);
    const bool leaf = item->childCount() == 0;
    if (state == Qt::Unchecked) {
        if (checkedCount != 0 && leaf)
            --checkedCount;
        recipients.removeOne(item->toolTip(0));
    } else if (state == Qt::Checked && leaf) {
        ++checkedCount;
        if (!recipients.contains(item->toolTip(0)))
            recipients << item->toolTip(0);
    }
    enableSendButton();
    const Qt::CheckState childState = state == Qt::Checked ? Qt::Checked : Qt::Unchecked;
    for (int i = 0; i < item->childCount(); ++i)
        item->child(i)->setCheckState(0, childState);
}

void ZELGroupMessageDialog::selectAllContacts(int state)
{
    recipients.clear();
    if (state == 0)
        m_sendMessageButton->setEnabled(false);
    if (!rootItem)
        return;
    const Qt::CheckState target = state != 0 ? Qt::Checked : Qt::Unchecked;
    // Flipping first makes every row report a change, so the count and the
    // recipients are rebuilt from the rows themselves.
    const auto flipThenSet = [target](QTreeWidgetItem *row) {
        row->setCheckState(0, row->checkState(0) == Qt::Checked ? Qt::Unchecked : Qt::Checked);
        row->setCheckState(0, target);
    };
    if (m_userRadioButton->isChecked()) {
        for (int i = 0; i < rootItem->childCount(); ++i)
            flipThenSet(rootItem->child(i));
        return;
    }
    for (int i = 0; i < rootItem->childCount(); ++i) {
        QTreeWidgetItem *first = rootItem->child(i);
        for (int j = 0; j < first->childCount(); ++j) {
            QTreeWidgetItem *second = first->child(j);
            for (int k = 0; k < second->childCount(); ++k)
                flipThenSet(second->child(k));
            second->setCheckState(0, target);
        }
        first->setCheckState(0, target);
    }
}

// Send needs a recipient, a text and the connection. While the connection is
// down and the other two hold, the button keeps its (disabled) state.
void ZELGroupMessageDialog::enableSendButton()
{
    const bool ready = checkedCount > 0 && !m_groupMessageTextEdit->toPlainText().isEmpty();
    if (!ready)
        m_sendMessageButton->setEnabled(false);
    else if (!disconnected)
        m_sendMessageButton->setEnabled(true);
}

QStringList ZELGroupMessageDialog::buildRequest() const
{
    const bool offline = m_offlineRadioButto->isChecked();
    QString plain = m_groupMessageTextEdit->toPlainText().trimmed();
    QString html = m_groupMessageTextEdit->toHtml().trimmed();
    html.remove(QLatin1Char('\''));
    if (offline && plain.contains(QLatin1Char('\\'))) {
        plain.replace(QLatin1String("\\"), QLatin1String("\\\\"));
        html.replace(QLatin1String("\\"), QLatin1String("\\\\"));
    }
    QStringList request;
    request << (offline ? QStringLiteral("OFFLINEGROUPMESSAGE") : QStringLiteral("ONLINEGROUPMESSAGE")) << plain
            << html << recipients;
    return request;
}

void ZELGroupMessageDialog::sendGroupMessage()
{
    const int answer = questionBox->showQuestionBox(
        this, QStringLiteral("Sending Group Message"),
        QStringLiteral("Are you sure you want to send this group message to selected contact(s)?"), 3, 4);
    if (answer != 3)
        return;
    close(); // deleted only once control is back in the event loop
    convertLinksInEditor();
    QStringList request = buildRequest();
    emit sendGroupMessageSignal(request);
}

void ZELGroupMessageDialog::convertLinksInEditor()
{
    QTextEdit *editor = m_groupMessageTextEdit;
    editor->moveCursor(QTextCursor::Start);
    const QStringList words = editor->toPlainText().simplified().split(QLatin1Char(' '));
    for (const QString &word : words) {
        if (word.isEmpty() || !ZELLinkRule::isLinkWord(word))
            continue;
        if (!editor->find(word, QTextDocument::FindCaseSensitively | QTextDocument::FindWholeWords))
            continue;
        QTextCharFormat format = editor->currentCharFormat();
        format.setAnchor(true);
        if (!word.contains(QLatin1Char('@'))) {
            format.setAnchorHref(word);
            editor->mergeCurrentCharFormat(format);
        } else {
            format.setAnchorHref(QStringLiteral("mailto:") + word);
            editor->mergeCurrentCharFormat(format);
            // Reloading puts the cursor back at the start of the message.
            editor->setHtml(editor->toHtml());
        }
    }
}

void ZELGroupMessageDialog::connectedServer()
{
    disconnected = false;
    enableSendButton();
}

void ZELGroupMessageDialog::closeConnection()
{
    disconnected = true;
    m_sendMessageButton->setEnabled(false);
}

bool ZELGroupMessageDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_groupMessageTextEdit && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Return && key->modifiers() == Qt::ShiftModifier) {
            if (m_sendMessageButton->isEnabled())
                sendGroupMessage();
            return true;
        }
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            m_groupMessageTextEdit->insertHtml(QStringLiteral("<br>"));
            return true;
        }
        return false;
    }
    if (watched == m_closeButton) {
        if (event->type() == QEvent::Enter)
            ZELFramelessHelper::setButtonImage(m_closeButton, QStringLiteral(":images/mouseOverClose.jpg"));
        else if (event->type() == QEvent::Leave)
            ZELFramelessHelper::setButtonImage(m_closeButton, QStringLiteral(":images/index_r2_c11.jpg"));
    } else if (watched == m_groupLogoLabel) {
        if (event->type() == QEvent::Enter)
            m_groupLogoLabel->setStyleSheet(QStringLiteral(
                "border: 1px solid gray; border-radius: 5px;"
                "background-color:qconicalgradient(x1: 0, y1: 0, x2: 0.5, y2: 0.5,stop: 0 #1891D0, stop: 1 white);"
                "padding: 1px 1px 1px 1px;"));
        else if (event->type() == QEvent::Leave)
            m_groupLogoLabel->setStyleSheet(QString());
    }
    return QDialog::eventFilter(watched, event);
}

void ZELGroupMessageDialog::closeEvent(QCloseEvent *event)
{
    event->accept();
    deleteLater();
}

// ---------------------------------------------------------------------------
// Formatting toolbar

void ZELGroupMessageDialog::createTextStyleWidget()
{
    fontComboBox = new QFontComboBox;
    fontSizeComboBox = new QComboBox;
    boldButton = new QToolButton;
    italicButton = new QToolButton;
    underlineButton = new QToolButton;
    textColorButton = new QToolButton;
    textColor = Qt::black;

    fontComboBox->setEditable(false);
    fontSizeComboBox->setEditable(true);
    for (int size = 8; size < 30; size += 2)
        fontSizeComboBox->addItem(QString::number(size));
    fontSizeComboBox->setValidator(new QIntValidator(2, 64, fontSizeComboBox));
    fontComboBox->setMaximumWidth(112);
    fontSizeComboBox->setMaximumWidth(50);

    auto *frame = new QFrame(m_dockedWidget);
    frame->setGeometry(0, 0, 335, 40);
    auto *row = new QHBoxLayout(frame);
    row->setSpacing(2);
    row->addWidget(fontComboBox);
    row->addWidget(fontSizeComboBox);
    row->addWidget(boldButton);
    row->addWidget(italicButton);
    row->addWidget(underlineButton);
    row->addWidget(textColorButton);

    textColorButton->setPopupMode(QToolButton::MenuButtonPopup);
    textColorButton->setMenu(createColorMenu(Qt::black));
    textAction = textColorButton->menu()->defaultAction();
    textColorButton->setIcon(createColorToolButtonIcon(QString::fromLatin1(TextPointer), Qt::black));
    textColorButton->setToolTip(tr("Font Color"));

    for (QWidget *w : std::initializer_list<QWidget *>{m_dockedWidget, fontComboBox, fontSizeComboBox, frame,
                                                       boldButton, italicButton, underlineButton, textColorButton})
        ZELMainWindowLook::setXpStyle(w);
    QFont bold = font();
    bold.setBold(true);
    const struct {
        QToolButton *button;
        const char *text;
        const char *tip;
    } toggles[] = {{boldButton, "B", "Bold"}, {italicButton, "I", "Italic"}, {underlineButton, "U", "Underline"}};
    for (const auto &toggle : toggles) {
        toggle.button->setAutoRaise(true);
        toggle.button->setCheckable(true);
        toggle.button->setText(QString::fromLatin1(toggle.text));
        toggle.button->setFont(bold);
        toggle.button->setToolTip(tr(toggle.tip));
    }
    for (QToolButton *b : {boldButton, italicButton, underlineButton, textColorButton})
        b->setCursor(Qt::PointingHandCursor);
    textFont = QFont(QStringLiteral("Verdana"), 8);

    connect(boldButton, &QToolButton::clicked, this, &ZELGroupMessageDialog::onBoldClicked);
    connect(italicButton, &QToolButton::clicked, this, &ZELGroupMessageDialog::onItalicClicked);
    connect(underlineButton, &QToolButton::clicked, this, &ZELGroupMessageDialog::onUnderLineClicked);
    connect(fontSizeComboBox, &QComboBox::editTextChanged, this, &ZELGroupMessageDialog::onFontSizeChanged);
    connect(fontComboBox, &QFontComboBox::currentFontChanged, this, &ZELGroupMessageDialog::onFontStyleChanged);
    connect(textColorButton, &QToolButton::clicked, this, &ZELGroupMessageDialog::textButtonTriggered);
    fontSizeComboBox->setCurrentIndex(fontSizeComboBox->findText(QStringLiteral("8")));

    const QPixmap background(QStringLiteral(":images/bg.jpg"));
    if (!background.isNull()) {
        QPalette palette = m_dockedWidget->palette();
        ZELMainWindowLook::setRole(palette, QPalette::Window,
                                   QBrush(background.scaled(background.width(), m_dockedWidget->height(),
                                                            Qt::KeepAspectRatioByExpanding, Qt::FastTransformation)));
        m_dockedWidget->setPalette(palette);
    }
}

void ZELGroupMessageDialog::onBoldClicked()
{
    m_groupMessageTextEdit->setFontWeight(boldButton->isChecked() ? QFont::Bold : QFont::Normal);
}

void ZELGroupMessageDialog::onItalicClicked()
{
    m_groupMessageTextEdit->setFontItalic(italicButton->isChecked());
}

void ZELGroupMessageDialog::onUnderLineClicked()
{
    m_groupMessageTextEdit->setFontUnderline(underlineButton->isChecked());
}

void ZELGroupMessageDialog::onFontStyleChanged(const QFont &font)
{
    QFont chosen = font;
    const int size = fontSizeComboBox->currentText().toInt();
    if (size > 0)
        chosen.setPointSize(size);
    m_groupMessageTextEdit->setFont(chosen);
    textFont = chosen;
}

void ZELGroupMessageDialog::onFontSizeChanged(const QString &size)
{
    const int points = size.toInt();
    if (points <= 0)
        return; // an empty or zero size leaves the editor's size as it was
    QFont font = textFont;
    font.setPointSize(points);
    m_groupMessageTextEdit->setFont(font);
    textFont = font;
}

QIcon ZELGroupMessageDialog::createColorToolButtonIcon(const QString &imageFile, QColor color)
{
    QPixmap pixmap(50, 80);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    const QPixmap image(imageFile);
    painter.drawPixmap(QRect(0, 0, 50, 60), image, QRect(0, 0, 42, 42));
    painter.fillRect(QRect(0, 60, 50, 20), color);
    return QIcon(pixmap);
}

void ZELGroupMessageDialog::textColorChanged()
{
    textAction = qobject_cast<QAction *>(sender());
    if (!textAction)
        return;
    textColorButton->setIcon(createColorToolButtonIcon(QString::fromLatin1(TextPointer),
                                                       textAction->data().value<QColor>()));
    textButtonTriggered();
}

QMenu *ZELGroupMessageDialog::createColorMenu(QColor defaultColor)
{
    const QList<QColor> colours = {Qt::red, Qt::blue, Qt::black, Qt::green};
    const QStringList names = {tr("red"), tr("blue"), tr("black"), tr("green")};
    auto *menu = new QMenu(this);
    for (int i = 0; i < colours.size(); ++i) {
        auto *action = new QAction(names.at(i), this);
        action->setData(colours.at(i));
        action->setIcon(createColorIcon(colours.at(i)));
        connect(action, &QAction::triggered, this, &ZELGroupMessageDialog::textColorChanged);
        menu->addAction(action);
        if (colours.at(i) == defaultColor)
            menu->setDefaultAction(action);
    }
    menu->addSeparator();
    moreColorAction = new QAction(tr("more..."), this);
    // Menu entries have no activated(); triggered() is the entry's choice.
    connect(moreColorAction, &QAction::triggered, this, &ZELGroupMessageDialog::getMoreColor);
    menu->addAction(moreColorAction);
    return menu;
}

QIcon ZELGroupMessageDialog::createColorIcon(QColor color)
{
    QPixmap pixmap(20, 20);
    QPainter painter(&pixmap);
    painter.setPen(Qt::NoPen);
    painter.fillRect(QRect(0, 0, 20, 20), color);
    return QIcon(pixmap);
}

void ZELGroupMessageDialog::textButtonTriggered()
{
    QColor colour = textAction ? textAction->data().value<QColor>() : QColor();
    if (!colour.isValid())
        colour = textColor;
    else
        textColor = colour;
    m_groupMessageTextEdit->setTextColor(colour);
}

void ZELGroupMessageDialog::getMoreColor()
{
    const QColor colour = ZELPlatform::choosers()->color(textColor, this, QString());
    if (!colour.isValid())
        return;
    m_groupMessageTextEdit->setTextColor(colour);
    textColor = colour;
    moreColorAction->setIcon(createColorIcon(colour));
    textColorButton->setIcon(createColorToolButtonIcon(QString::fromLatin1(TextPointer), colour));
}
