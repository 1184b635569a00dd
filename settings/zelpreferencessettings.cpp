#include "settings/zelpreferencessettings.h"
#include "style/zelsharedsheet.h"

#include "protocol/zelhistorypaths.h"
#include "protocol/zelsettingslists.h"
#include "mainwindow/zelmainwindowlook.h"
#include "platform/zelchoosers.h"
#include "platform/zeldesktopservices.h"
#include "platform/zelplatform.h"
#include "style/zelframelesshelper.h"
#include "style/zelmessageboxclass.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QIntValidator>
#include <QKeyEvent>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QUrl>

namespace {

const QString True = QStringLiteral("TRUE");
const QString False = QStringLiteral("FALSE");
const QString Empty = QStringLiteral("<EMPTY>");
const QString UserStatus = QStringLiteral("User Status");
const QString PromptText = QStringLiteral("  Prompt me to edit this message every time I change to ");

// The "|" inside each class is a literal character: the patterns accept it.
const char StatusMessagePattern[] = "[A-Z|a-z|0-9|\\-|\\_|\\.|\\s]{1,50}";
const char StatusNamePattern[] = "[A-Z|a-z]{1,10}";
const char QuickReplyPattern[] = "[A-Z|a-z|0-9|\\!|\\@|\\&|\\_|\\,|\\.|\\?|\\-|'|\\s|\\:|\\)|(]{0,20}";

const char *const PageTitles[] = {"Contact Display", "Chat Window", "Auto Status Change", "Notification",
                                  "Status Message", "File Transfer", "Chat History", "Quick Reply",
                                  "Connect To Server"};
const char *const PageIcons[] = {":images/userInfo1.png", ":images/chat_icon.png", ":images/auto.gif",
                                 ":images/NotificationIcon.gif", ":images/status.gif", ":images/ftp.gif",
                                 ":images/chat_history_client.png", ":images/quickreply.gif",
                                 ":images/coonect.gif"};

const QString LogoPanelStyle = QStringLiteral(
    "border: 1px solid gray; border-radius: 5px;padding: 1px1px;background-color:qconicalgradient(x1: 0, y1: 0, "
    "x2: 0.5, y2: 0.5,stop: 0 #1891D0, stop: 1 white);");

QString flag(bool set)
{
    return set ? True : False;
}

bool isSet(const QStringList &list, int position)
{
    return list.value(position) == True;
}

QPalette entryPalette(QPalette palette)
{
    const QColor white(255, 255, 255);
    const QColor blue(144, 209, 247);
    palette.setColor(QPalette::Light, white);
    palette.setColor(QPalette::Midlight, blue);
    palette.setColor(QPalette::Dark, white);
    palette.setColor(QPalette::Shadow, blue);
    palette.setColor(QPalette::Highlight, blue);
    palette.setColor(QPalette::Text, QColor(0, 0, 0));
    palette.setColor(QPalette::Window, blue);
    return palette;
}

void enable(std::initializer_list<QWidget *> widgets, bool on)
{
    for (QWidget *widget : widgets)
        widget->setEnabled(on);
}

} // namespace

ZELPreferencesSettings::ZELPreferencesSettings(QWidget *parent)
    : QDialog(parent)
{
    windowSettings(parent);
    signalsAndSlots();
    setZELStyle();
    defaultSettings();
}

ZELPreferencesSettings::~ZELPreferencesSettings()
{
    delete m_questionBox;
}

void ZELPreferencesSettings::windowSettings(QWidget *parent)
{
    setupUi(this);
    setWindowIcon(QIcon(QStringLiteral(":images/ZEL_logo.png")));
    m_frame = new ZELFramelessHelper(this, ZELFramelessHelper::WindowBackground);
    m_frame->setParentWindow(parent, Qt::Dialog);
    // The title-bar close asks about unsaved pages like every Cancel.
    disconnect(m_closeButton, &QAbstractButton::clicked, this, &QWidget::close);
    setWindowModality(Qt::WindowModal);
}

void ZELPreferencesSettings::signalsAndSlots()
{
    using P = ZELPreferencesSettings;
    for (QPushButton *button : {m_closeButton, m_contactCloseButton, m_chatCloseButton, m_autoStatusCloseButton,
                                m_notificationCloseButton, m_statusMessageCloseButton, m_ftpCloseButton,
                                m_historyCloseButton, m_settingsCloseButton, m_qReplyCloseButton})
        connect(button, &QAbstractButton::clicked, this, &P::cancelSlot);
    connect(m_preferencesToolBox, &QToolBox::currentChanged, this, &P::currentToolBoxChanged);

    connect(m_notificationResetButton, &QAbstractButton::clicked, this, &P::resetNotificationSettings);
    connect(m_notificationOkButton, &QAbstractButton::clicked, this, &P::saveNotificationSettings);
    for (QCheckBox *box : {m_onlineCheckBox, m_offlineCheckBox, m_sendFileCheckBox, m_messageCheckBox,
                           m_offlineMessageCheckBox, m_voiceMailCheckBox})
        connect(box, &QCheckBox::stateChanged, this, &P::enableNotificationButtons);

    connect(m_browseButton, &QAbstractButton::clicked, this, &P::openFileDialog);
    connect(m_ftpOkButton, &QAbstractButton::clicked, this, &P::saveSelectedLocation);
    connect(m_ftpResetButton, &QAbstractButton::clicked, this, &P::resetFileSaveLocation);
    connect(m_defaultFileLocationLineEdit, &QLineEdit::textChanged, this, &P::enableFTPOKButton);

    connect(m_contactOkButton, &QAbstractButton::clicked, this, &P::saveRecentChatListSettings);
    connect(m_contactResetButton, &QAbstractButton::clicked, this, &P::resetSettings);
    connect(m_numberOfDaysToChatUserListSpinBox, &QSpinBox::textChanged, this,
            qOverload<const QString &>(&P::enableContactDisplayButton));
    for (QCheckBox *box : {m_favouritesCheckBox, m_selectedUserCheckBox})
        connect(box, &QCheckBox::stateChanged, this, qOverload<int>(&P::enableContactDisplayButton));
    for (QRadioButton *button : {m_departmentWiserListButton, m_statusWiseButton})
        connect(button, &QAbstractButton::clicked, this, qOverload<bool>(&P::enableContactDisplayButton));
    connect(m_showSearchCheckBox, &QCheckBox::stateChanged, this, &P::showSearchCheckBox);

    connect(m_chatOkButton, &QAbstractButton::clicked, this, qOverload<>(&P::saveChatWindowSettings));
    connect(m_resetFontButton, &QAbstractButton::clicked, this, &P::resetFontSettings);
    connect(m_chatResetButton, &QAbstractButton::clicked, this, &P::resetChatWindowSettings);
    for (QRadioButton *button : {m_24HourRadioButton, m_12HourRadioButton, m_sendMessageRadioButton,
                                 m_insertsLineRadioButton})
        connect(button, &QAbstractButton::clicked, this, qOverload<bool>(&P::enableChatOKButton));
    for (QComboBox *box : {static_cast<QComboBox *>(m_fontComboBox), m_fontSizeComboBox})
        connect(box, &QComboBox::currentIndexChanged, this,
                [this, box](int index) { enableChatOKButton(box->itemText(index)); });
    connect(m_fontSizeComboBox, &QComboBox::editTextChanged, this,
            qOverload<const QString &>(&P::enableChatOKButton));
    for (QCheckBox *box : {m_displayBusinessCardcheckBox, m_displaySmileyCheckBox, m_displayCloseCheckBox,
                           m_warnMeetingCheckBox, m_warnAwayCheckBox, m_escKeyCheckBox, m_statusCheckBox})
        connect(box, &QCheckBox::stateChanged, this, qOverload<int>(&P::enableChatOKButton));

    connect(m_autoStatusOkButton, &QAbstractButton::clicked, this, &P::saveAutoStatusChangeSettings);
    connect(m_autoStatusResetButton, &QAbstractButton::clicked, this, &P::resetAutoStatusChangeSettings);
    for (QCheckBox *box : {m_busyToAvailablecheckBox, m_awayToAvailablecheckBox})
        connect(box, &QCheckBox::stateChanged, this, &P::enableAutoStatusOKButton);
    connect(m_busySpinBox, &QSpinBox::valueChanged, this, &P::busyMinChange);
    connect(m_awaySpinBox, &QSpinBox::valueChanged, this, &P::enableAutoStatusOKButton);
    connect(m_autoLoginCheckBox, &QCheckBox::stateChanged, this, &P::enableAutoStatusOKButton);
    connect(m_availableToBusycheckBox, &QCheckBox::stateChanged, this, &P::enableBusyStatusGroup);
    connect(m_availableToAwaycheckBox, &QCheckBox::stateChanged, this, &P::enableAwayStatusGroup);

    connect(m_statusMessageResetButton, &QAbstractButton::clicked, this, &P::resetStatusMessage);
    connect(m_statusMessageOkButton, &QAbstractButton::clicked, this, &P::saveStatusMessage);
    connect(m_defaultStatus, &QComboBox::currentIndexChanged, this,
            [this](int index) { changeComoBoxItem(m_defaultStatus->itemText(index)); });
    for (QLineEdit *edit : {m_availableUserMsgLineEdit, m_awayUserMsgLineEdit, m_meetingMsgLineEdit,
                            m_busyMsgLineEdit, m_userDefinedLineEdit, m_userMsgLineEdit, m_offlineMsgLineEdit})
        connect(edit, &QLineEdit::textChanged, this, &P::enableStatusMessageButton);
    for (QCheckBox *box : {m_availableCheckBox, m_awayCheckBox, m_meetingCheckBox, m_busyCheckBox,
                           m_offlineStatusCheckBox, m_userDefinedCheckBox})
        connect(box, &QCheckBox::stateChanged, this, &P::enableStatusMessageOKButton);

    connect(m_contactApplyButton, &QAbstractButton::clicked, this, &P::onContactApplyButton);
    connect(m_chatApplyButton, &QAbstractButton::clicked, this, &P::onChatApplyButton);
    connect(m_notificationApplyButton, &QAbstractButton::clicked, this, &P::onNotificationApplyButton);
    connect(m_autoApplyButton, &QAbstractButton::clicked, this, &P::onAutoApplyButton);
    connect(m_statusApplyButton, &QAbstractButton::clicked, this, &P::onStatusApplyButton);
    connect(m_ftpApplyButton, &QAbstractButton::clicked, this, &P::onFtpApplyButton);
    connect(m_historyApplyButton, &QAbstractButton::clicked, this, &P::onHistoryApplyButton);
    connect(m_historyOkButton, &QAbstractButton::clicked, this, &P::saveChatHistorySettings);
    connect(m_historyResetButton, &QAbstractButton::clicked, this, &P::resetChatHistorySettings);
    connect(m_historyBrowseButton, &QAbstractButton::clicked, this, &P::selectChatHistoryLocation);
    connect(m_deleteHistoryButton, &QAbstractButton::clicked, this, &P::deleteChatHistory);
    connect(m_daySpinBox, &QSpinBox::valueChanged, this, qOverload<int>(&P::enableChatHistoryOKButton));
    for (QCheckBox *box : {m_autoSaveHistoryCheckBox, m_deleteHistoryCheckBox})
        connect(box, &QCheckBox::stateChanged, this, qOverload<int>(&P::enableChatHistoryOKButton));
    connect(m_chatHistoryLocation, &QLineEdit::textChanged, this,
            qOverload<const QString &>(&P::enableChatHistoryOKButton));
    connect(m_chatHistoryCheckBox, &QCheckBox::stateChanged, this, qOverload<int>(&P::enableChatHistoryOKButton));

    connect(m_backToolButton, &QAbstractButton::clicked, this, &P::onBackButtonClicked);
    connect(m_frontToolButton, &QAbstractButton::clicked, this, &P::onFrontButtonClicked);

    connect(m_addKeyWordButton, &QAbstractButton::clicked, this, &P::addKeyword);
    connect(m_deleteKeyWordButton, &QAbstractButton::clicked, this, &P::deleteKeyWordItem);
    connect(m_updateKeyWordButton, &QAbstractButton::clicked, this, &P::updateKeyWordItem);
    connect(m_qReplyResetButton, &QAbstractButton::clicked, this, &P::showQuickReplyMessages);
    connect(m_qReplyApplyButton, &QAbstractButton::clicked, this, &P::onQuickReplyApplyButton);
    connect(m_qReplyOkButton, &QAbstractButton::clicked, this, &P::saveQuickReplySettings);
    connect(m_keyMessageListWidget, &QListWidget::itemSelectionChanged, this, &P::getSelectedKeyWordItem);
    for (QRadioButton *button : {m_sendQuickRadioButton, m_insertRadioButton})
        connect(button, &QAbstractButton::clicked, this, &P::enableQuickReplyOKButton);
    connect(m_keyMessageLineEdit, &QLineEdit::textChanged, this, &P::addKeywordButtonEnable);

    // Ended by the toolkit (reject) it hides without a close event: it must not stay behind.
    connect(this, &QDialog::finished, this, &QObject::deleteLater);
}

void ZELPreferencesSettings::setZELStyle()
{
    ZELMainWindowLook::setPlainStyle(this);
    ZELMainWindowLook::setPlainStyle(m_closeButton);
    for (QWidget *widget : std::initializer_list<QWidget *>{m_preferencesToolBox, m_backToolButton, m_frontToolButton})
        ZELMainWindowLook::setXpStyle(widget);
    const QString styleSheet = ZELMainWindowLook::sharedStyleSheet();
    for (QWidget *entry : std::initializer_list<QWidget *>{
             m_numberOfDaysToChatUserListSpinBox, m_fontComboBox, m_fontSizeComboBox, m_busySpinBox, m_awaySpinBox,
             m_defaultStatus, m_availableUserMsgLineEdit, m_awayUserMsgLineEdit, m_meetingMsgLineEdit,
             m_busyMsgLineEdit, m_userDefinedLineEdit, m_userMsgLineEdit, m_defaultFileLocationLineEdit,
             m_hostNameLineEdit, m_portValueLineEdit, m_proxyServerHostName, m_proxyServerPortValue,
             m_userNameAuthentication, m_passwordAuthentication, m_chatHistoryLocation, m_daySpinBox,
             m_keyMessageLineEdit, m_keyMessageListWidget, m_offlineMsgLineEdit}) {
        ZELSharedSheet::setFitted(entry, styleSheet);
        entry->setPalette(entryPalette(entry->palette()));
    }
}

void ZELPreferencesSettings::defaultSettings()
{
    m_questionBox = new ZELMessageBoxClass(QString(), QString(), QMessageBox::Question, QMessageBox::Yes,
                                           QMessageBox::No, 0, this);
    m_contactApplied = m_chatApplied = m_autoStatusApplied = m_notificationApplied = false;
    m_statusMessageApplied = m_ftpApplied = m_historyApplied = m_quickReplyApplied = false;
    m_preferenceStackedWidget->setCurrentIndex(ContactDisplay);
    m_preferencesToolBox->setCurrentIndex(ContactDisplay);

    for (const char *status : {"User Status", "Busy", "Meeting", "Away", "Online"})
        m_defaultStatus->insertItem(0, QString::fromLatin1(status));
    const auto validator = [this](const char *pattern) {
        return new QRegularExpressionValidator(QRegularExpression(QString::fromLatin1(pattern)), this);
    };
    for (QLineEdit *edit : {m_availableUserMsgLineEdit, m_awayUserMsgLineEdit, m_meetingMsgLineEdit,
                            m_busyMsgLineEdit, m_userMsgLineEdit, m_offlineMsgLineEdit})
        edit->setValidator(validator(StatusMessagePattern));
    m_userDefinedLineEdit->setValidator(validator(StatusNamePattern));
    m_keyMessageLineEdit->setValidator(validator(QuickReplyPattern));

    for (QObject *watched : std::initializer_list<QObject *>{
             this, m_closeButton, m_onlineExampleLabel, m_offlineExampleLabel, m_fileExampleLabel,
             m_newMessageExampleLabel, m_offlineMessageExampleLabel, m_voiceMailExampleLabel, m_userDefinedLineEdit,
             m_userMsgLineEdit, m_ftpSettingsLinkLabel, m_openLabel, m_openFtpLabel, m_keyMessageLineEdit})
        watched->installEventFilter(this);

    const QPair<QLabel *, const char *> icons[] = {
        {m_onlineLabel, ":images/online_icon.png"}, {m_offlineLabel, ":images/offline_icon.png"},
        {m_fileLabel, ":images/uploading.png"}, {m_newMessageLabel, ":images/chat_icon.png"},
        {m_offlineMessageLabel, ":images/offlineMessage.gif"}, {m_voiceMailLabel, ":images/voiceChat.png"}};
    for (const auto &icon : icons)
        icon.first->setPixmap(QPixmap(QString::fromLatin1(icon.second)));

    loadWidgetSettings();
    m_backToolButton->setIcon(QIcon(QStringLiteral(":images/prev.png")));
    m_frontToolButton->setIcon(QIcon(QStringLiteral(":images/next.png")));

    enable({m_contactOkButton, m_contactResetButton, m_contactApplyButton, m_chatOkButton, m_chatResetButton,
            m_chatApplyButton, m_autoStatusOkButton, m_autoStatusResetButton, m_autoApplyButton,
            m_notificationOkButton, m_notificationResetButton, m_notificationApplyButton, m_statusMessageOkButton,
            m_statusMessageResetButton, m_statusApplyButton, m_ftpOkButton, m_ftpResetButton, m_ftpApplyButton,
            m_historyOkButton, m_historyResetButton, m_historyApplyButton, m_qReplyOkButton, m_qReplyResetButton,
            m_qReplyApplyButton, m_settingsOkButton, m_settingsResetButton, m_connectApplyButton,
            m_addKeyWordButton, m_updateKeyWordButton, m_deleteKeyWordButton, m_userDefinedCheckBox},
           false);
    for (QLabel *label : {m_ftpErrorLabel, m_statusErrorLabel, m_statusHistoryErrorLabel, m_quickReplyErrorLabel,
                          m_aStatusErrorLabel, m_chatErrorLabel})
        label->hide();
    enable({m_openLabel, m_openFtpLabel, m_backToolButton}, false);

    // Return and Enter act only through the page keys: no button of the
    // dialog is a default one, so a stray Enter does not close the dialog.
    for (QPushButton *button : findChildren<QPushButton *>())
        button->setAutoDefault(false);

    m_defaultStatusIndex = 0;
    m_fontSizeComboBox->setEditable(true);
    for (int size = 8; size < 30; size += 2)
        m_fontSizeComboBox->addItem(QString::number(size));
    m_fontSizeComboBox->setValidator(new QIntValidator(2, 64, this));
}

void ZELPreferencesSettings::loadWidgetSettings()
{
    for (int index = 0; index < PageCount; ++index) {
        auto *panel = new QWidget;
        auto *logo = new QLabel(panel);
        logo->setPixmap(QPixmap(QStringLiteral(":images/ZEL_logo.png")));
        logo->setAlignment(Qt::AlignCenter);
        logo->setCursor(Qt::ArrowCursor);
        logo->setFixedSize(158, 130);
        if (index == 0)
            panel->setStyleSheet(LogoPanelStyle);
        else
            logo->setStyleSheet(LogoPanelStyle);
        m_preferencesToolBox->insertItem(index, panel, QIcon(QString::fromLatin1(PageIcons[index])),
                                         QString::fromLatin1(PageTitles[index]));
    }
}

QString ZELPreferencesSettings::userHistoryFolder() const
{
    // The folder the chat windows write this user's transcripts into. The
    // name comes from the server and is made one folder inside the history
    // folder, never a road out of it (deletion works below this folder).
    const QString root = m_chatHistorySettings.value(ZELChatHistoryList::SaveLocation);
    return root.isEmpty() ? QString() : ZELHistoryPaths::userFolder(root, m_userName);
}

bool ZELPreferencesSettings::userHistoryFolderExists() const
{
    const QString folder = userHistoryFolder();
    return !folder.isEmpty() && QDir(folder).exists();
}

void ZELPreferencesSettings::showPreferencesSettings(
    QStringList notificationSettings, QString defaultFileLocation, QStringList connectionSettings,
    QStringList contactDisplaySettings, QStringList chatWindowSettings, QStringList autoStatusSettings,
    QStringList statusMessageSettings, QStringList chatHistorySettings, QString userName, QString quickReplies,
    QString quickReplyOption)
{
    m_userName = userName;
    m_preferenceStackedWidget->setCurrentIndex(ContactDisplay);
    m_preferencesToolBox->setCurrentIndex(ContactDisplay);
    m_notificationSettings = notificationSettings;
    m_defaultFileLocation = defaultFileLocation;
    m_quickReplyMessages = quickReplies;
    m_quickReplyOption = quickReplyOption;
    m_statusMessageSettings = statusMessageSettings;
    resetNotificationSettings();
    resetFileSaveLocation();
    ConnectToServerDialog(connectionSettings);
    showChatWindowSettings(chatWindowSettings);
    showAutoStatusChangeSettings(autoStatusSettings);
    showStatusMessageSettings();
    showChatHistoryPreferenceSettings(chatHistorySettings);
    showQuickReplyMessages();
    m_contactDisplaySettings = contactDisplaySettings;
    resetSettings();

    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect desktop = screen->geometry();
        move(desktop.width() / 2 - width() / 2, desktop.height() / 2 - height() / 2);
    }
    show();
}

// --- Navigation and leaving ------------------------------------------------

void ZELPreferencesSettings::currentToolBoxChanged(int index)
{
    for (QLabel *label : {m_statusErrorLabel, m_ftpErrorLabel, m_statusHistoryErrorLabel, m_quickReplyErrorLabel,
                          m_aStatusErrorLabel, m_chatErrorLabel})
        label->hide();
    switch (index) {
    case ChatHistory:
        m_openLabel->setEnabled(userHistoryFolderExists() && m_autoSaveHistoryCheckBox->isChecked());
        enable({m_backToolButton, m_frontToolButton}, true);
        break;
    case FileTransfer:
        if (QDir(m_defaultFileLocationLineEdit->text()).exists()) {
            m_openFtpLabel->setEnabled(true);
            m_ftpErrorLabel->hide();
        } else {
            m_openFtpLabel->setEnabled(false);
            m_ftpErrorLabel->setText(tr("Path does not exist"));
            m_ftpErrorLabel->show();
        }
        enable({m_backToolButton, m_frontToolButton}, true);
        break;
    case ContactDisplay:
        m_backToolButton->setEnabled(false);
        m_frontToolButton->setEnabled(true);
        break;
    case ConnectToServer:
        m_backToolButton->setEnabled(true);
        m_frontToolButton->setEnabled(false);
        break;
    default:
        enable({m_backToolButton, m_frontToolButton}, true);
        break;
    }
    m_preferenceStackedWidget->setCurrentIndex(index);
}

void ZELPreferencesSettings::showPage(int index)
{
    m_preferenceStackedWidget->setCurrentIndex(index);
    m_preferencesToolBox->setCurrentIndex(index);
}

void ZELPreferencesSettings::onBackButtonClicked()
{
    const int index = m_preferenceStackedWidget->currentIndex();
    if (index == ContactDisplay)
        return;
    showPage(index - 1);
    if (!m_frontToolButton->isEnabled())
        m_frontToolButton->setEnabled(true);
    if (index == ContactDisplay + 1) {
        m_backToolButton->setEnabled(false);
        m_frontToolButton->setEnabled(true);
    }
}

void ZELPreferencesSettings::onFrontButtonClicked()
{
    const int index = m_preferenceStackedWidget->currentIndex();
    if (index == ConnectToServer)
        return;
    showPage(index + 1);
    if (!m_backToolButton->isEnabled())
        m_backToolButton->setEnabled(true);
    if (index == ConnectToServer - 1) {
        m_frontToolButton->setEnabled(false);
        m_backToolButton->setEnabled(true);
    }
}

void ZELPreferencesSettings::cancelSlot()
{
    bool unsaved = false;
    for (QPushButton *apply : {m_contactApplyButton, m_chatApplyButton, m_autoApplyButton, m_notificationApplyButton,
                               m_statusApplyButton, m_ftpApplyButton, m_historyApplyButton, m_qReplyApplyButton})
        unsaved = unsaved || apply->isEnabled();
    if (unsaved && m_questionBox->showQuestionBox(this, tr("Preferences"), tr("Close without saving changes ?"), 3, 4) != 3)
        return;
    close();
}

void ZELPreferencesSettings::closeEvent(QCloseEvent *event)
{
    event->accept();
    deleteLater();
}

bool ZELPreferencesSettings::pageKey()
{
    struct KeyPage { QWidget *page; QPushButton *ok; void (ZELPreferencesSettings::*save)(); };
    const KeyPage pages[] = {
        {NotificationPage, m_notificationOkButton, &ZELPreferencesSettings::saveNotificationSettings},
        {FTPSettingsPage, m_ftpOkButton, &ZELPreferencesSettings::saveSelectedLocation},
        {ChatPage, m_chatOkButton, qOverload<>(&ZELPreferencesSettings::saveChatWindowSettings)},
        {StatusMessagePage, m_statusMessageOkButton, &ZELPreferencesSettings::saveStatusMessage},
        {AutoStatusPage, m_autoStatusOkButton, &ZELPreferencesSettings::saveAutoStatusChangeSettings},
        {ContactDisplayPage, m_contactOkButton, &ZELPreferencesSettings::saveRecentChatListSettings},
        {ChatHistoryPage, m_historyOkButton, &ZELPreferencesSettings::saveChatHistorySettings},
    };
    for (const KeyPage &entry : pages) {
        if (entry.ok->isEnabled() && entry.page->isVisible()) {
            (this->*entry.save)();
            return true;
        }
    }
    return false;
}

void ZELPreferencesSettings::userStatusFocusOut(QObject *field)
{
    auto *edit = static_cast<QLineEdit *>(field);
    const QString text = edit->text();
    if (text.isEmpty() || text == Empty) {
        edit->setText(Empty);
        m_defaultStatus->setItemText(4, UserStatus);
        if (edit == m_userDefinedLineEdit)
            m_defaultStatus->setCurrentIndex(m_defaultStatus->findText(QStringLiteral("Online")));
        return;
    }
    const QString name = m_userDefinedLineEdit->text();
    const QString message = m_userMsgLineEdit->text();
    if (!name.isEmpty() && !message.isEmpty() && name != Empty && message != Empty)
        m_defaultStatus->setItemText(4, name);
}

QUrl ZELPreferencesSettings::folderUrl(const QString &path, bool windowsShares)
{
    static const QRegularExpression slashes(QStringLiteral("/{2,}"));
    QString local = path;
    if (windowsShares)
        local.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const bool share = windowsShares && local.startsWith(QLatin1String("//")) && !local.startsWith(QLatin1String("///"));
    local.replace(slashes, QStringLiteral("/"));
    return QUrl::fromLocalFile(share ? QLatin1Char('/') + local : local);
}

void ZELPreferencesSettings::openFolder(QString path)
{
    ZELPlatform::desktopServices()->openUrl(folderUrl(path));
}

bool ZELPreferencesSettings::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (watched == m_closeButton)
        return QDialog::eventFilter(watched, event); // hover pictures: the frame helper
    if (watched == this && type == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && pageKey())
            return true;
        return QDialog::eventFilter(watched, event);
    }
    if ((watched == m_userDefinedLineEdit || watched == m_userMsgLineEdit)) {
        auto *edit = static_cast<QLineEdit *>(watched);
        if (type == QEvent::FocusIn && edit->text() == Empty)
            edit->clear();
        else if (type == QEvent::FocusOut)
            userStatusFocusOut(watched);
        return false;
    }
    struct Sample { QLabel *label; const char *kind; };
    const Sample samples[] = {{m_onlineExampleLabel, "OnlinePopup"}, {m_offlineExampleLabel, "OfflinePopup"},
                              {m_fileExampleLabel, "FilePopup"}, {m_newMessageExampleLabel, "NewMessagePopup"},
                              {m_offlineMessageExampleLabel, "OfflineMessagePopup"},
                              {m_voiceMailExampleLabel, "VoiceMailPopup"}};
    for (const Sample &sample : samples) {
        if (watched != sample.label)
            continue;
        if (type == QEvent::Enter) {
            sample.label->setText(QStringLiteral("<u>") + sample.label->text() + QStringLiteral("<u>"));
        } else if (type == QEvent::Leave) {
            sample.label->setText(sample.label->text().remove(QStringLiteral("<u>")));
        } else if (type == QEvent::MouseButtonPress) {
            QString kind = QString::fromLatin1(sample.kind);
            emit showSampleNotification(kind);
        }
        return false;
    }
    if (type == QEvent::MouseButtonPress) {
        // A disabled link does nothing, though the filter still hears the press.
        if (watched == m_ftpSettingsLinkLabel) {
            showPage(FileTransfer);
        } else if (watched == m_openLabel && m_openLabel->isEnabled() && userHistoryFolderExists()) {
            openFolder(userHistoryFolder());
        } else if (watched == m_openFtpLabel && m_openFtpLabel->isEnabled()) {
            openFolder(m_defaultFileLocationLineEdit->text());
        }
        return false;
    }
    if (watched == m_keyMessageLineEdit && type == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && m_addKeyWordButton->isEnabled()) {
            addKeyword();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

// --- Contact display -------------------------------------------------------

void ZELPreferencesSettings::resetSettings()
{
    using namespace ZELContactDisplayList;
    m_favouritesCheckBox->setChecked(isSet(m_contactDisplaySettings, ShowRecentChats));
    const bool department = isSet(m_contactDisplaySettings, GroupByDepartment);
    m_departmentWiserListButton->setChecked(department);
    m_statusWiseButton->setChecked(!department);
    m_selectedUserCheckBox->setChecked(isSet(m_contactDisplaySettings, HighlightDetails));
    m_showSearchCheckBox->setChecked(isSet(m_contactDisplaySettings, SearchOnCtrlF));
    m_numberOfDaysToChatUserListSpinBox->setValue(m_contactDisplaySettings.value(RecentChatDays).toInt());
    enable({m_contactOkButton, m_contactResetButton, m_contactApplyButton}, false);
}

void ZELPreferencesSettings::saveRecentChatListSettings()
{
    using namespace ZELContactDisplayList;
    if (!m_contactApplyButton->isEnabled()) {
        close();
        return;
    }
    while (m_contactDisplaySettings.size() < Size)
        m_contactDisplaySettings << QString();
    m_contactDisplaySettings[ShowRecentChats] = flag(m_favouritesCheckBox->isChecked());
    m_contactDisplaySettings[GroupByDepartment] = flag(m_departmentWiserListButton->isChecked());
    m_contactDisplaySettings[GroupByStatus] = flag(!m_departmentWiserListButton->isChecked());
    m_contactDisplaySettings[HighlightDetails] = flag(m_selectedUserCheckBox->isChecked());
    m_contactDisplaySettings[SearchOnCtrlF] = flag(m_showSearchCheckBox->isChecked());
    m_contactDisplaySettings[RecentChatDays] = QString::number(m_numberOfDaysToChatUserListSpinBox->value());
    emit saveContactDisplaySettingsInXML(m_contactDisplaySettings);
    if (!m_contactApplied)
        close();
    m_contactApplied = false;
    enable({m_contactApplyButton, m_contactResetButton}, false);
}

void ZELPreferencesSettings::onContactApplyButton()
{
    m_contactApplied = true;
    saveRecentChatListSettings();
}

void ZELPreferencesSettings::enableContactDisplayButton(const QString &)
{
    enable({m_contactOkButton, m_contactResetButton, m_contactApplyButton}, true);
}

void ZELPreferencesSettings::enableContactDisplayButton(int)
{
    enableContactDisplayButton(QString());
}

void ZELPreferencesSettings::enableContactDisplayButton(bool)
{
    enableContactDisplayButton(QString());
}

void ZELPreferencesSettings::showSearchCheckBox(int)
{
    enableContactDisplayButton(QString());
}

// --- Chat window -----------------------------------------------------------

void ZELPreferencesSettings::showChatWindowSettings(QStringList settings)
{
    m_chatWindowSettings = settings;
    resetChatWindowSettings();
}

void ZELPreferencesSettings::resetFontSettings()
{
    using namespace ZELChatWindowList;
    const QString family = m_chatWindowSettings.value(FontFamily).simplified();
    m_fontComboBox->setCurrentIndex(m_fontComboBox->findText(family, Qt::MatchExactly | Qt::MatchCaseSensitive));
    const QString size = m_chatWindowSettings.value(FontSize).simplified();
    const int sizeIndex = m_fontSizeComboBox->findText(size, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (sizeIndex >= 0) {
        m_fontSizeComboBox->setCurrentIndex(sizeIndex);
    } else {
        m_fontSizeComboBox->insertItem(0, size);
        m_fontSizeComboBox->setCurrentIndex(0);
    }
    m_resetFontButton->setEnabled(false);
}

void ZELPreferencesSettings::resetChatWindowSettings()
{
    using namespace ZELChatWindowList;
    resetFontSettings();
    const QStringList &s = m_chatWindowSettings;
    m_displayBusinessCardcheckBox->setChecked(isSet(s, DisplayInfoBox));
    m_displaySmileyCheckBox->setChecked(isSet(s, DisplaySmileys));
    m_displayCloseCheckBox->setChecked(isSet(s, PartnerClosedMessage));
    m_24HourRadioButton->setChecked(isSet(s, HourFormat24));
    m_12HourRadioButton->setChecked(!isSet(s, HourFormat24));
    m_warnMeetingCheckBox->setChecked(isSet(s, WarnMeeting));
    m_warnAwayCheckBox->setChecked(isSet(s, WarnAway));
    m_escKeyCheckBox->setChecked(isSet(s, EscapeCloses));
    m_sendMessageRadioButton->setChecked(isSet(s, EnterSends));
    m_insertsLineRadioButton->setChecked(!isSet(s, EnterSends));
    m_statusCheckBox->setChecked(isSet(s, ShowStatusChange));
    enable({m_chatOkButton, m_chatResetButton, m_resetFontButton, m_chatApplyButton}, false);
}

void ZELPreferencesSettings::saveChatWindowSettings()
{
    using namespace ZELChatWindowList;
    if (!m_chatApplyButton->isEnabled()) {
        close();
        return;
    }
    if (m_fontSizeComboBox->currentText().simplified().isEmpty()) {
        m_chatErrorLabel->setText(tr("Please give valid font size"));
        m_chatErrorLabel->show();
        m_chatApplied = false;
        return;
    }
    while (m_chatWindowSettings.size() < Size)
        m_chatWindowSettings << QString();
    QStringList &s = m_chatWindowSettings;
    s[FontSize] = m_fontSizeComboBox->currentText();
    // A stored family this computer lacks shows no selection; saving other
    // changes must not wipe it.
    if (m_fontComboBox->currentIndex() >= 0)
        s[FontFamily] = m_fontComboBox->currentText();
    s[DisplayInfoBox] = flag(m_displayBusinessCardcheckBox->isChecked());
    s[DisplaySmileys] = flag(m_displaySmileyCheckBox->isChecked());
    s[PartnerClosedMessage] = flag(m_displayCloseCheckBox->isChecked());
    s[HourFormat24] = flag(m_24HourRadioButton->isChecked());
    s[HourFormat12] = flag(!m_24HourRadioButton->isChecked());
    s[WarnMeeting] = flag(m_warnMeetingCheckBox->isChecked());
    s[WarnAway] = flag(m_warnAwayCheckBox->isChecked());
    s[EscapeCloses] = flag(m_escKeyCheckBox->isChecked());
    s[ShowStatusChange] = flag(m_statusCheckBox->isChecked());
    s[EnterSends] = flag(m_sendMessageRadioButton->isChecked());
    s[EnterNewLine] = flag(!m_sendMessageRadioButton->isChecked());
    emit saveChatWindowSettings(m_chatWindowSettings);
    if (!m_chatApplied)
        close();
    m_chatApplied = false;
    enable({m_chatApplyButton, m_chatResetButton, m_resetFontButton}, false);
}

void ZELPreferencesSettings::onChatApplyButton()
{
    m_chatApplied = true;
    saveChatWindowSettings();
}

void ZELPreferencesSettings::enableChatOKButton(const QString &)
{
    enable({m_chatOkButton, m_chatResetButton, m_resetFontButton, m_chatApplyButton}, true);
    m_chatErrorLabel->hide();
}

void ZELPreferencesSettings::enableChatOKButton(int)
{
    enable({m_chatOkButton, m_chatResetButton, m_chatApplyButton}, true);
    m_chatErrorLabel->hide();
}

void ZELPreferencesSettings::enableChatOKButton(bool)
{
    enableChatOKButton(0);
}

// --- Automatic status change -----------------------------------------------

void ZELPreferencesSettings::showAutoStatusChangeSettings(QStringList settings)
{
    m_autoStatusSettings = settings;
    resetAutoStatusChangeSettings();
}

void ZELPreferencesSettings::resetAutoStatusChangeSettings()
{
    using namespace ZELAutoStatusList;
    const QStringList &s = m_autoStatusSettings;
    const bool toBusy = isSet(s, OnlineToBusy);
    m_availableToBusycheckBox->setChecked(toBusy);
    enable({m_busySpinBox, m_busyToAvailablecheckBox}, toBusy);
    m_busyToAvailablecheckBox->setChecked(isSet(s, BusyToOnline));
    const bool toAway = isSet(s, OnlineToAway);
    m_availableToAwaycheckBox->setChecked(toAway);
    enable({m_awaySpinBox, m_awayToAvailablecheckBox}, toAway);
    m_awayToAvailablecheckBox->setChecked(isSet(s, AwayToOnline));
    m_autoLoginCheckBox->setChecked(isSet(s, AutoLogin));
    // The client arms its timers with these same minutes.
    const int busy = busyMinutes(s);
    m_busySpinBox->setValue(busy);
    m_awaySpinBox->setMinimum(busy + AwayAfterBusyMinutes);
    m_awaySpinBox->setValue(awayMinutes(s));
    enable({m_autoStatusResetButton, m_autoStatusOkButton, m_autoApplyButton}, false);
}

void ZELPreferencesSettings::busyMinChange(int busy)
{
    const int stored = m_autoStatusSettings.value(ZELAutoStatusList::AwayMinutes).toInt();
    m_awaySpinBox->setMinimum(busy + AwayAfterBusyMinutes);
    m_awaySpinBox->setValue(stored - busy >= AwayAfterBusyMinutes ? stored : busy + AwayAfterBusyMinutes);
    enable({m_autoStatusResetButton, m_autoStatusOkButton, m_autoApplyButton}, true);
}

void ZELPreferencesSettings::enableBusyStatusGroup(int)
{
    enable({m_busySpinBox, m_busyToAvailablecheckBox}, m_availableToBusycheckBox->isChecked());
    enableAutoStatusOKButton(0);
}

void ZELPreferencesSettings::enableAwayStatusGroup(int)
{
    enable({m_awaySpinBox, m_awayToAvailablecheckBox}, m_availableToAwaycheckBox->isChecked());
    enableAutoStatusOKButton(0);
}

void ZELPreferencesSettings::enableAutoStatusOKButton(int)
{
    enable({m_autoStatusResetButton, m_autoStatusOkButton, m_autoApplyButton}, true);
}

void ZELPreferencesSettings::saveAutoStatusChangeSettings()
{
    using namespace ZELAutoStatusList;
    if (!m_autoApplyButton->isEnabled()) {
        close();
        return;
    }
    while (m_autoStatusSettings.size() < Size)
        m_autoStatusSettings << QString();
    QStringList &s = m_autoStatusSettings;
    s[OnlineToBusy] = flag(m_availableToBusycheckBox->isChecked());
    s[BusyToOnline] = flag(m_busyToAvailablecheckBox->isChecked());
    s[OnlineToAway] = flag(m_availableToAwaycheckBox->isChecked());
    s[AwayToOnline] = flag(m_awayToAvailablecheckBox->isChecked());
    s[AutoLogin] = flag(m_autoLoginCheckBox->isChecked());
    s[BusyMinutes] = QString::number(m_busySpinBox->value());
    s[AwayMinutes] = QString::number(m_awaySpinBox->value());
    emit saveDefaultAutoStatusSettings(m_autoStatusSettings);
    if (!m_autoStatusApplied)
        close();
    m_autoStatusApplied = false;
    enable({m_autoApplyButton, m_autoStatusResetButton}, false);
}

void ZELPreferencesSettings::onAutoApplyButton()
{
    m_autoStatusApplied = true;
    saveAutoStatusChangeSettings();
}

// --- Notification ----------------------------------------------------------

void ZELPreferencesSettings::resetNotificationSettings()
{
    const QCheckBox *const boxes[] = {m_onlineCheckBox, m_offlineCheckBox, m_sendFileCheckBox, m_messageCheckBox,
                                      m_offlineMessageCheckBox, m_voiceMailCheckBox};
    for (int i = 0; i < ZELNotificationList::Size; ++i)
        const_cast<QCheckBox *>(boxes[i])->setChecked(isSet(m_notificationSettings, i));
    enable({m_notificationResetButton, m_notificationOkButton, m_notificationApplyButton}, false);
}

void ZELPreferencesSettings::enableNotificationButtons(int)
{
    enable({m_notificationResetButton, m_notificationOkButton, m_notificationApplyButton}, true);
}

void ZELPreferencesSettings::saveNotificationSettings()
{
    if (!m_notificationApplyButton->isEnabled()) {
        close();
        return;
    }
    const QCheckBox *const boxes[] = {m_onlineCheckBox, m_offlineCheckBox, m_sendFileCheckBox, m_messageCheckBox,
                                      m_offlineMessageCheckBox, m_voiceMailCheckBox};
    while (m_notificationSettings.size() < ZELNotificationList::Size)
        m_notificationSettings << QString();
    for (int i = 0; i < ZELNotificationList::Size; ++i)
        m_notificationSettings[i] = flag(boxes[i]->isChecked());
    emit savePreferenceNotificationSettings(m_notificationSettings);
    if (!m_notificationApplied)
        close();
    m_notificationApplied = false;
    enable({m_notificationApplyButton, m_notificationResetButton}, false);
}

void ZELPreferencesSettings::onNotificationApplyButton()
{
    m_notificationApplied = true;
    saveNotificationSettings();
}

// --- Status messages -------------------------------------------------------

void ZELPreferencesSettings::showStatusMessageSettings()
{
    resetStatusMessage();
}

void ZELPreferencesSettings::resetStatusMessage()
{
    using namespace ZELStatusMessageList;
    const QStringList s = m_statusMessageSettings;
    m_availableUserMsgLineEdit->setText(s.value(OnlineMessage));
    m_awayUserMsgLineEdit->setText(s.value(AwayMessage));
    m_meetingMsgLineEdit->setText(s.value(MeetingMessage));
    m_busyMsgLineEdit->setText(s.value(BusyMessage));
    m_userDefinedLineEdit->setText(s.value(UserDefinedStatus));
    m_userMsgLineEdit->setText(s.value(UserDefinedStatusMessage));
    const QString name = s.value(UserDefinedStatus);
    if (!name.isEmpty() && name != Empty) {
        m_defaultStatus->setItemText(4, name);
        m_userDefinedCheckBox->setEnabled(true);
        m_userDefinedCheckBox->setText(PromptText + name);
    } else {
        m_userDefinedCheckBox->setEnabled(false);
        m_userDefinedCheckBox->setText(PromptText + UserStatus + QLatin1Char(' '));
    }
    m_defaultStatusIndex = m_defaultStatus->findText(s.value(LoginStatus), Qt::MatchExactly | Qt::MatchCaseSensitive);
    m_defaultStatus->setCurrentIndex(m_defaultStatusIndex);
    m_availableCheckBox->setChecked(isSet(s, PromptOnline));
    m_awayCheckBox->setChecked(isSet(s, PromptAway));
    m_meetingCheckBox->setChecked(isSet(s, PromptMeeting));
    m_busyCheckBox->setChecked(isSet(s, PromptBusy));
    m_offlineStatusCheckBox->setChecked(isSet(s, PromptOffline));
    m_userDefinedCheckBox->setChecked(isSet(s, PromptUserDefined));
    m_offlineMsgLineEdit->setText(s.value(OfflineMessage));
    enable({m_statusMessageResetButton, m_statusMessageOkButton, m_statusApplyButton}, false);
}

void ZELPreferencesSettings::enableStatusMessageButton(const QString &)
{
    enable({m_statusMessageResetButton, m_statusMessageOkButton, m_statusApplyButton}, true);
    m_statusErrorLabel->hide();
    const QString name = m_userDefinedLineEdit->text().simplified();
    const QString message = m_userMsgLineEdit->text().simplified();
    if (!name.isEmpty() && !message.isEmpty() && name != Empty && message != Empty) {
        m_userDefinedCheckBox->setEnabled(true);
        m_userDefinedCheckBox->setText(PromptText + name);
    } else {
        m_userDefinedCheckBox->setEnabled(false);
        m_userDefinedCheckBox->setText(PromptText + UserStatus + QLatin1Char(' '));
    }
}

void ZELPreferencesSettings::enableStatusMessageOKButton(int)
{
    enable({m_statusMessageResetButton, m_statusMessageOkButton, m_statusApplyButton}, true);
    m_statusErrorLabel->hide();
}

void ZELPreferencesSettings::changeComoBoxItem(const QString &text)
{
    if (text != Empty && text != UserStatus) {
        if (!m_statusMessageOkButton->isEnabled())
            enable({m_statusMessageResetButton, m_statusMessageOkButton, m_statusApplyButton}, true);
    } else {
        // No user-defined status to sign in with: back to the filled choice.
        m_defaultStatus->setCurrentIndex(m_defaultStatusIndex);
        if (m_defaultStatus->currentText() == UserStatus) {
            m_defaultStatusIndex = m_defaultStatus->findText(QStringLiteral("Online"));
            m_defaultStatus->setCurrentIndex(m_defaultStatusIndex);
        }
    }
    m_statusErrorLabel->hide();
}

void ZELPreferencesSettings::saveStatusMessage()
{
    using namespace ZELStatusMessageList;
    if (!m_statusApplyButton->isEnabled()) {
        close();
        return;
    }
    const QStringList kept = m_statusMessageSettings;
    while (m_statusMessageSettings.size() < Size)
        m_statusMessageSettings << QString();
    QStringList &s = m_statusMessageSettings;
    s[LoginStatus] = m_defaultStatus->currentText().simplified();
    s[OnlineMessage] = m_availableUserMsgLineEdit->text().simplified();
    s[AwayMessage] = m_awayUserMsgLineEdit->text().simplified();
    s[MeetingMessage] = m_meetingMsgLineEdit->text().simplified();
    s[BusyMessage] = m_busyMsgLineEdit->text().simplified();
    s[UserDefinedStatus] = m_userDefinedLineEdit->text().simplified();
    s[UserDefinedStatusMessage] = m_userMsgLineEdit->text().simplified();
    s[OfflineMessage] = m_offlineMsgLineEdit->text().simplified();
    for (int position : {int(UserDefinedStatus), int(UserDefinedStatusMessage)}) {
        if (s[position].isEmpty())
            s[position] = Empty;
    }

    const auto refuse = [this, &kept](const QString &message, QLineEdit *focus) {
        m_statusErrorLabel->setText(message);
        m_statusErrorLabel->show();
        if (focus)
            focus->setFocus();
        m_statusMessageSettings = kept;
        m_statusMessageApplied = false;
    };
    if (s[UserDefinedStatusMessage] != Empty && s[UserDefinedStatus] == Empty)
        return refuse(tr("Please fill the user defined status"), m_userDefinedLineEdit);
    if (s[UserDefinedStatus] != Empty && s[UserDefinedStatusMessage] == Empty)
        return refuse(tr("Please fill the user defined status message"), m_userMsgLineEdit);
    if (s[OnlineMessage].isEmpty() || s[AwayMessage].isEmpty() || s[MeetingMessage].isEmpty()
        || s[BusyMessage].isEmpty())
        return refuse(tr("Please fill all status message"), nullptr);

    s[PromptOnline] = flag(m_availableCheckBox->isChecked());
    s[PromptAway] = flag(m_awayCheckBox->isChecked());
    s[PromptMeeting] = flag(m_meetingCheckBox->isChecked());
    s[PromptBusy] = flag(m_busyCheckBox->isChecked());
    s[PromptOffline] = flag(m_offlineStatusCheckBox->isChecked());
    s[PromptUserDefined] = flag(m_userDefinedCheckBox->isChecked());
    emit saveStatusMessages(m_statusMessageSettings);
    if (!m_statusMessageApplied)
        close();
    m_statusMessageApplied = false;
    enable({m_statusApplyButton, m_statusMessageResetButton}, false);
}

void ZELPreferencesSettings::onStatusApplyButton()
{
    m_statusMessageApplied = true;
    saveStatusMessage();
}

// --- File transfer ---------------------------------------------------------

void ZELPreferencesSettings::resetFileSaveLocation()
{
    m_defaultFileLocationLineEdit->setText(m_defaultFileLocation);
    enable({m_ftpResetButton, m_ftpOkButton, m_ftpApplyButton}, false);
}

void ZELPreferencesSettings::enableFTPOKButton(const QString &)
{
    enable({m_ftpResetButton, m_ftpOkButton, m_ftpApplyButton}, true);
    m_ftpErrorLabel->hide();
}

void ZELPreferencesSettings::openFileDialog()
{
    const QString chosen = ZELPlatform::choosers()->existingFolder(this, tr("Choose a directory"),
                                                                   m_defaultFileLocationLineEdit->text());
    if (chosen.isEmpty())
        return;
    m_selectedFileLocation = chosen;
    if (!QFileInfo(chosen).isWritable()) {
        m_ftpErrorLabel->setText(tr("Destination folder is write protected"));
        m_ftpErrorLabel->show();
        m_selectedFileLocation = m_defaultFileLocationLineEdit->text();
        return;
    }
    m_defaultFileLocationLineEdit->setText(chosen);
    m_openFtpLabel->setEnabled(true);
}

void ZELPreferencesSettings::saveSelectedLocation()
{
    if (!m_ftpApplyButton->isEnabled()) {
        close();
        return;
    }
    const bool applied = m_ftpApplied;
    m_ftpApplied = false;
    if (m_selectedFileLocation.isEmpty() || !QFileInfo(m_selectedFileLocation).isDir()) {
        m_ftpErrorLabel->setText(tr("Path does not exist"));
        m_ftpErrorLabel->show();
        return;
    }
    emit saveFTPDefaultLocation(m_selectedFileLocation);
    if (!applied)
        close();
    enable({m_ftpApplyButton, m_ftpResetButton}, false);
}

void ZELPreferencesSettings::onFtpApplyButton()
{
    m_ftpApplied = true;
    saveSelectedLocation();
}

// --- Chat history ----------------------------------------------------------

void ZELPreferencesSettings::showChatHistoryPreferenceSettings(QStringList settings)
{
    m_chatHistorySettings = settings;
    resetChatHistorySettings();
}

QStringList ZELPreferencesSettings::historyDayFolders() const
{
    if (!userHistoryFolderExists())
        return {};
    return QDir(userHistoryFolder()).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Unsorted);
}

void ZELPreferencesSettings::showFolderSize()
{
    m_folderSizeLabel->setText(QString::number(m_historyFolderSize, 'g', 3) + QStringLiteral(" KB"));
}

void ZELPreferencesSettings::resetChatHistorySettings()
{
    using namespace ZELChatHistoryList;
    const QStringList s = m_chatHistorySettings;
    const bool autoSave = isSet(s, AutomaticSave);
    m_autoSaveHistoryCheckBox->setChecked(autoSave);
    enable({m_locationLabel, m_chatHistoryLocation, m_historyBrowseButton}, autoSave);
    const bool deleteOld = isSet(s, DeleteHistory);
    m_deleteHistoryCheckBox->setChecked(deleteOld);
    m_daySpinBox->setEnabled(deleteOld);
    m_chatHistoryCheckBox->setChecked(isSet(s, FromServer));
    m_chatHistoryLocation->setText(s.value(SaveLocation));
    m_daySpinBox->setValue(s.value(DeleteDays).toInt());
    enable({m_historyResetButton, m_historyOkButton, m_historyApplyButton}, false);

    const QStringList days = historyDayFolders();
    m_historyFolderSize = 0;
    if (!days.isEmpty()) {
        calculateChatHistoryFolderSize(QDir(userHistoryFolder()), days);
        m_historyFolderSize /= 1024;
        m_deleteHistoryButton->setEnabled(true);
    } else {
        m_deleteHistoryButton->setEnabled(false);
    }
    showFolderSize();
}

void ZELPreferencesSettings::calculateChatHistoryFolderSize(QDir folder, QStringList dayFolders)
{
    for (const QString &day : dayFolders) {
        QDir dayFolder(folder.absoluteFilePath(day));
        if (!dayFolder.exists())
            continue;
        const QFileInfoList files = dayFolder.entryInfoList(QDir::Files | QDir::NoDotAndDotDot, QDir::Unsorted);
        for (const QFileInfo &file : files)
            m_historyFolderSize += file.size();
    }
}

void ZELPreferencesSettings::enableChatHistoryOKButton(int)
{
    enable({m_historyResetButton, m_historyOkButton, m_historyApplyButton}, true);
    const bool autoSave = m_autoSaveHistoryCheckBox->isChecked();
    enable({m_locationLabel, m_chatHistoryLocation, m_historyBrowseButton}, autoSave);
    m_openLabel->setEnabled(autoSave && userHistoryFolderExists());
    m_daySpinBox->setEnabled(m_deleteHistoryCheckBox->isChecked());
    m_statusHistoryErrorLabel->hide();
}

void ZELPreferencesSettings::enableChatHistoryOKButton(const QString &)
{
    enable({m_historyResetButton, m_historyOkButton, m_historyApplyButton}, true);
    m_statusHistoryErrorLabel->hide();
}

void ZELPreferencesSettings::selectChatHistoryLocation()
{
    const QString chosen =
        ZELPlatform::choosers()->existingFolder(this, tr("Choose a directory"), m_chatHistoryLocation->text());
    if (chosen.isEmpty())
        return;
    if (!QFileInfo(chosen).isWritable()) {
        m_statusHistoryErrorLabel->setText(tr("Destination folder is write protected"));
        m_statusHistoryErrorLabel->show();
        return;
    }
    m_chatHistoryLocation->setText(chosen + (chosen.endsWith(QLatin1Char('/')) ? QStringLiteral("ZELChatHistory")
                                                                             : QStringLiteral("/ZELChatHistory")));
    m_statusHistoryErrorLabel->hide();
}

void ZELPreferencesSettings::saveChatHistorySettings()
{
    using namespace ZELChatHistoryList;
    if (!m_historyApplyButton->isEnabled()) {
        close();
        return;
    }
    while (m_chatHistorySettings.size() < Size)
        m_chatHistorySettings << QString();
    QStringList &s = m_chatHistorySettings;
    s[AutomaticSave] = flag(m_autoSaveHistoryCheckBox->isChecked());
    s[SaveLocation] = m_chatHistoryLocation->text();
    s[DeleteHistory] = flag(m_deleteHistoryCheckBox->isChecked());
    s[DeleteDays] = QString::number(m_daySpinBox->value());
    s[FromServer] = flag(m_chatHistoryCheckBox->isChecked());
    emit saveChatHistoryDetails(m_chatHistorySettings);
    if (!m_historyApplied)
        close();
    m_historyApplied = false;
    enable({m_historyApplyButton, m_historyResetButton}, false);
}

void ZELPreferencesSettings::onHistoryApplyButton()
{
    m_historyApplied = true;
    saveChatHistorySettings();
}

void ZELPreferencesSettings::deleteChatHistory()
{
    const QStringList days = historyDayFolders();
    if (days.isEmpty()) {
        m_statusHistoryErrorLabel->setText(tr("No chat history found"));
        m_statusHistoryErrorLabel->show();
    } else {
        if (m_questionBox->showQuestionBox(this, tr("Delete Chat History"),
                                           tr("Are you sure you want to delete chat history ?"), 3, 4) != 3)
            return;
        deleteChatHistoryFiles(QDir(userHistoryFolder()), days);
    }
    m_deleteHistoryButton->setEnabled(false);
    m_historyFolderSize = 0;
    showFolderSize();
}

void ZELPreferencesSettings::deleteChatHistoryFiles(QDir folder, QStringList dayFolders)
{
    for (const QString &day : dayFolders) {
        QDir dayFolder(folder.absoluteFilePath(day));
        if (!dayFolder.exists())
            continue;
        const QStringList files = dayFolder.entryList(QDir::Files | QDir::NoDotAndDotDot, QDir::Unsorted);
        for (const QString &file : files)
            dayFolder.remove(file);
        // Removes only an emptied day folder; one holding further folders stays.
        folder.rmdir(dayFolder.absolutePath());
    }
}

// --- Quick replies ---------------------------------------------------------

void ZELPreferencesSettings::showQuickReplyMessages()
{
    m_keyMessageListWidget->clear();
    m_keyMessageListWidget->addItems(m_quickReplyMessages.split(QStringLiteral("##"), Qt::KeepEmptyParts));
    const bool send = m_quickReplyOption == True;
    m_sendQuickRadioButton->setChecked(send);
    m_insertRadioButton->setChecked(!send);
    m_keyMessageLineEdit->clear();
    enable({m_addKeyWordButton, m_updateKeyWordButton, m_deleteKeyWordButton, m_qReplyResetButton, m_qReplyOkButton,
            m_qReplyApplyButton},
           false);
}

void ZELPreferencesSettings::addKeywordButtonEnable(const QString &text)
{
    m_addKeyWordButton->setEnabled(!text.simplified().isEmpty());
    m_quickReplyErrorLabel->hide();
}

void ZELPreferencesSettings::addKeyword()
{
    const auto showError = [this](const QString &message) {
        m_quickReplyErrorLabel->setText(message);
        m_quickReplyErrorLabel->show();
    };
    const auto dropSelection = [this] {
        m_keyMessageListWidget->clearSelection();
        enable({m_updateKeyWordButton, m_deleteKeyWordButton}, false);
    };
    if (m_keyMessageListWidget->count() >= MaximumQuickReplies) {
        m_keyMessageLineEdit->clear();
        showError(tr("Cannot add more than 10 Quick Reply messages"));
        dropSelection();
        return;
    }
    const QString text = m_keyMessageLineEdit->text().simplified();
    if (text.isEmpty()) {
        showError(tr("Quick Reply message should not be empty"));
        m_keyMessageLineEdit->setFocus();
        return;
    }
    if (!m_keyMessageListWidget->findItems(text, Qt::MatchFixedString).isEmpty()) {
        showError(tr("Quick Reply message already available in list"));
        m_keyMessageLineEdit->selectAll();
        m_keyMessageLineEdit->setFocus();
        dropSelection();
        return;
    }
    m_keyMessageListWidget->addItem(text);
    m_keyMessageLineEdit->clear();
    dropSelection();
    enable({m_qReplyResetButton, m_qReplyOkButton, m_qReplyApplyButton}, true);
}

void ZELPreferencesSettings::getSelectedKeyWordItem()
{
    // Only the user's own choice counts, not a selection the page clears itself.
    if (!m_keyMessageListWidget->hasFocus() || !m_keyMessageListWidget->currentItem())
        return;
    m_keyMessageLineEdit->setText(m_keyMessageListWidget->currentItem()->text());
    m_keyMessageLineEdit->setFocus();
    enable({m_updateKeyWordButton, m_deleteKeyWordButton}, true);
}

void ZELPreferencesSettings::updateKeyWordItem()
{
    const auto dropSelection = [this] {
        m_keyMessageListWidget->clearSelection();
        enable({m_updateKeyWordButton, m_deleteKeyWordButton}, false);
    };
    QListWidgetItem *current = m_keyMessageListWidget->currentItem();
    const QString text = m_keyMessageLineEdit->text().simplified();
    if (!current) {
        dropSelection();
        m_keyMessageLineEdit->clear();
        return;
    }
    if (text.isEmpty()) {
        dropSelection();
        m_keyMessageLineEdit->clear();
        m_quickReplyErrorLabel->setText(tr("Quick Reply message should not be empty"));
        m_quickReplyErrorLabel->show();
        return;
    }
    if (!m_keyMessageListWidget->findItems(text, Qt::MatchFixedString).isEmpty()) {
        m_quickReplyErrorLabel->setText(tr("Quick Reply message already available in list"));
        m_quickReplyErrorLabel->show();
        m_keyMessageLineEdit->selectAll();
        m_keyMessageLineEdit->setFocus();
        dropSelection();
        return;
    }
    current->setText(text);
    enable({m_qReplyResetButton, m_qReplyOkButton, m_qReplyApplyButton}, true);
    dropSelection();
    m_keyMessageLineEdit->clear();
}

void ZELPreferencesSettings::deleteKeyWordItem()
{
    const int row = m_keyMessageListWidget->currentRow();
    if (row >= 0)
        delete m_keyMessageListWidget->takeItem(row);
    m_keyMessageListWidget->clearSelection();
    m_keyMessageLineEdit->clear();
    enable({m_updateKeyWordButton, m_deleteKeyWordButton}, false);
    enable({m_qReplyResetButton, m_qReplyOkButton, m_qReplyApplyButton}, true);
}

void ZELPreferencesSettings::enableQuickReplyOKButton(bool)
{
    enable({m_qReplyResetButton, m_qReplyOkButton, m_qReplyApplyButton}, true);
}

void ZELPreferencesSettings::saveQuickReplySettings()
{
    if (!m_qReplyApplyButton->isEnabled()) {
        close();
        return;
    }
    QStringList replies;
    for (int row = 0; row < m_keyMessageListWidget->count(); ++row)
        replies << m_keyMessageListWidget->item(row)->text();
    m_quickReplyMessages = replies.join(QStringLiteral("##"));
    m_quickReplyOption = flag(m_sendQuickRadioButton->isChecked());
    emit saveQuickReplySettingsSignals(m_quickReplyMessages, m_quickReplyOption);
    if (!m_quickReplyApplied)
        close();
    m_quickReplyApplied = false;
    enable({m_addKeyWordButton, m_updateKeyWordButton, m_deleteKeyWordButton, m_qReplyResetButton,
            m_qReplyApplyButton},
           false);
}

void ZELPreferencesSettings::onQuickReplyApplyButton()
{
    m_quickReplyApplied = true;
    saveQuickReplySettings();
}

// --- Server connection -----------------------------------------------------

void ZELPreferencesSettings::ConnectToServerDialog(QStringList settings)
{
    using namespace ZELConnectionList;
    m_hostNameLineEdit->setText(settings.value(Host));
    m_portValueLineEdit->setText(settings.value(Port));
    m_proxyServerHostName->setText(settings.value(ProxyHost));
    m_proxyServerPortValue->setText(settings.value(ProxyPort));
    m_userNameAuthentication->setText(settings.value(ProxyUser));
    m_passwordAuthentication->setText(settings.value(ProxyPassword));
    const QString type = settings.value(ProxyType);
    if (type == QLatin1String("DefaultProxy")) {
        m_defaultProxyRadioButton->setChecked(true);
    } else if (type == QLatin1String("HttpProxy")) {
        m_httpProxyradioButton->setChecked(true);
    } else if (type == QLatin1String("Socks5Proxy")) {
        m_socks5ProxyradioButton->setChecked(true);
    } else {
        m_noProxyradioButton->setChecked(true);
        enable({m_proxyServerHostName, m_proxyServerPortValue, m_userNameAuthentication, m_passwordAuthentication},
               false);
    }
    m_cSettingsGroupBox->setEnabled(false);
}
