#include /* form */ "ui/ui_zelpreferencessettings.h"

#include "protocol/zelsettingslists.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QRect>
#include <QtGui/QFont>
#include <QtGui/QPalette>

namespace {

QFont verdana(int weight = -1)
{
    QFont font;
    font.setFamily(QStringLiteral("Verdana"));
    if (weight >= 0)
        font.setWeight(static_cast<QFont::Weight>(weight));
    return font;
}

template<typename W>
W *make(QWidget *parent, const char *name, const QRect &geometry)
{
    auto *widget = new W(parent);
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(geometry);
    return widget;
}

QLabel *frameLabel(QDialog *dialog, const char *name, const QRect &geometry)
{
    QLabel *label = make<QLabel>(dialog, name, geometry);
    label->setFixedSize(geometry.size());
    label->setAutoFillBackground(true);
    return label;
}

QGroupBox *mainGroupBox(QWidget *page, const char *name)
{
    QGroupBox *box = make<QGroupBox>(page, name, QRect(5, 2, 541, 448));
    QFont font;
    font.setBold(true);
    box->setFont(font);
    return box;
}

QWidget *control(QWidget *widget)
{
    QFont font = widget->font();
    font.setWeight(QFont::Normal);
    widget->setFont(font);
    return widget;
}

template<typename W>
W *item(QWidget *parent, const char *name, const QRect &geometry)
{
    W *widget = make<W>(parent, name, geometry);
    control(widget);
    return widget;
}

QLabel *errorLabel(QWidget *parent, const char *name, const QRect &geometry)
{
    QLabel *label = make<QLabel>(parent, name, geometry);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    QPalette palette = label->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, QPalette::WindowText, QColor(255, 0, 0));
    label->setPalette(palette);
    return label;
}

QLabel *linkLabel(QWidget *parent, const char *name, const QRect &geometry)
{
    QLabel *label = item<QLabel>(parent, name, geometry);
    QFont font = label->font();
    font.setUnderline(true);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(0, 0, 255));
    label->setPalette(palette);
    label->setCursor(Qt::PointingHandCursor);
    return label;
}

QPushButton *pointingButton(QWidget *parent, const char *name, const QRect &geometry)
{
    QPushButton *button = item<QPushButton>(parent, name, geometry);
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

// Reset, Ok, Apply and Cancel along the bottom of a page.
void pageButtons(QWidget *page, QPushButton *&reset, const char *resetName, QPushButton *&ok, const char *okName,
                 QPushButton *&apply, const char *applyName, QPushButton *&cancel, const char *cancelName)
{
    const int y = 458;
    reset = make<QPushButton>(page, resetName, QRect(210, y, 75, 23));
    ok = make<QPushButton>(page, okName, QRect(295, y, 75, 23));
    apply = make<QPushButton>(page, applyName, QRect(380, y, 75, 23));
    cancel = make<QPushButton>(page, cancelName, QRect(465, y, 75, 23));
    for (QPushButton *button : {reset, ok, apply, cancel})
        button->setCursor(Qt::PointingHandCursor);
    for (QPushButton *button : {reset, ok, cancel}) {
        QFont font(QStringLiteral("Verdana"), 8);
        font.setWeight(QFont::Normal);
        button->setFont(font);
    }
}

QWidget *newPage(const char *name)
{
    auto *page = new QWidget;
    page->setObjectName(QString::fromLatin1(name));
    return page;
}

} // namespace

void Ui_ZELPreferenceSettingsDialog::setupUi(QDialog *ZELPreferenceSettingsDialog)
{
    QDialog *d = ZELPreferenceSettingsDialog;
    if (d->objectName().isEmpty())
        d->setObjectName(QString::fromLatin1("ZELPreferenceSettingsDialog"));
    d->setFixedSize(750, 550);
    QFont dialogFont(QStringLiteral("Tahoma"), 8);
    dialogFont.setWeight(QFont::Normal);
    d->setFont(dialogFont);

    // The close button comes after the title strip so that it lies above it.
    m_leftTopCorner = frameLabel(d, "m_leftTopCorner", QRect(0, 0, 11, 20));
    m_bottomStretch = frameLabel(d, "m_bottomStretch", QRect(11, 539, 728, 11));
    m_rightBottomCorner = frameLabel(d, "m_rightBottomCorner", QRect(739, 539, 11, 11));
    m_leftBottomCorner = frameLabel(d, "m_leftBottomCorner", QRect(0, 539, 11, 11));
    m_leftStretch = frameLabel(d, "m_leftStretch", QRect(0, 20, 11, 519));
    m_rightStretch = frameLabel(d, "m_rightStretch", QRect(739, 20, 11, 519));
    m_rightTopCorner = frameLabel(d, "m_rightTopCorner", QRect(739, 0, 11, 20));
    m_logoLabel = make<QLabel>(d, "m_logoLabel", QRect(11, 0, 728, 20));
    m_logoLabel->setFixedHeight(20);
    QFont titleFont(QStringLiteral("Verdana"), 8);
    titleFont.setBold(true);
    m_logoLabel->setFont(titleFont);
    m_logoLabel->setAlignment(Qt::AlignCenter);
    m_closeButton = make<QPushButton>(d, "m_closeButton", QRect(726, 7, 12, 11));
    m_closeButton->setFlat(true);
    m_closeButton->setAutoFillBackground(true);
    m_closeButton->setCursor(Qt::PointingHandCursor);

    m_preferenceStackedWidget = make<QStackedWidget>(d, "m_preferenceStackedWidget", QRect(188, 48, 551, 491));

    // Page 0
    ContactDisplayPage = newPage("ContactDisplayPage");
    m_contactGroupBox = mainGroupBox(ContactDisplayPage, "m_contactGroupBox");
    m_recentChatListGroupBox = make<QGroupBox>(m_contactGroupBox, "m_recentChatListGroupBox", QRect(15, 25, 510, 85));
    m_recentChatListGroupBox->setFont(verdana(QFont::Bold));
    label_2 = item<QLabel>(m_recentChatListGroupBox, "label_2", QRect(15, 25, 160, 20));
    m_numberOfDaysToChatUserListSpinBox =
        item<QSpinBox>(m_recentChatListGroupBox, "m_numberOfDaysToChatUserListSpinBox", QRect(180, 23, 50, 22));
    m_numberOfDaysToChatUserListSpinBox->setRange(1, 10);
    label = item<QLabel>(m_recentChatListGroupBox, "label", QRect(240, 25, 60, 20));
    m_favouritesCheckBox = item<QCheckBox>(m_recentChatListGroupBox, "m_favouritesCheckBox", QRect(15, 55, 300, 20));
    m_viewStatusGroupBox = make<QGroupBox>(m_contactGroupBox, "m_viewStatusGroupBox", QRect(15, 120, 510, 75));
    m_departmentWiserListButton =
        item<QRadioButton>(m_viewStatusGroupBox, "m_departmentWiserListButton", QRect(15, 22, 200, 20));
    m_departmentWiserListButton->setFont(verdana(QFont::Normal));
    m_statusWiseButton = item<QRadioButton>(m_viewStatusGroupBox, "m_statusWiseButton", QRect(15, 46, 200, 20));
    m_statusWiseButton->setFont(verdana(QFont::Normal));
    m_selectedUserCheckBox = item<QCheckBox>(m_contactGroupBox, "m_selectedUserCheckBox", QRect(15, 210, 400, 20));
    m_selectedUserCheckBox->setFont(verdana(QFont::Normal));
    m_showSearchCheckBox = item<QCheckBox>(m_contactGroupBox, "m_showSearchCheckBox", QRect(15, 240, 400, 20));
    m_showSearchCheckBox->setFont(verdana(QFont::Normal));
    pageButtons(ContactDisplayPage, m_contactResetButton, "m_contactResetButton", m_contactOkButton,
                "m_contactOkButton", m_contactApplyButton, "m_contactApplyButton", m_contactCloseButton,
                "m_contactCloseButton");
    m_preferenceStackedWidget->addWidget(ContactDisplayPage);

    // Page 1
    ChatPage = newPage("ChatPage");
    m_chatGroupBox = mainGroupBox(ChatPage, "m_chatGroupBox");
    label_5 = item<QLabel>(m_chatGroupBox, "label_5", QRect(15, 28, 65, 20));
    m_fontComboBox = item<QFontComboBox>(m_chatGroupBox, "m_fontComboBox", QRect(85, 26, 190, 22));
    m_fontComboBox->setEditable(false);
    label_16 = item<QLabel>(m_chatGroupBox, "label_16", QRect(290, 28, 35, 20));
    m_fontSizeComboBox = item<QComboBox>(m_chatGroupBox, "m_fontSizeComboBox", QRect(330, 26, 70, 22));
    m_fontSizeComboBox->setEditable(true);
    m_fontSizeComboBox->setDuplicatesEnabled(true);
    m_resetFontButton = pointingButton(m_chatGroupBox, "m_resetFontButton", QRect(420, 25, 75, 23));
    m_displayBusinessCardcheckBox = item<QCheckBox>(m_chatGroupBox, "m_displayBusinessCardcheckBox", QRect(15, 60, 500, 20));
    m_displaySmileyCheckBox = item<QCheckBox>(m_chatGroupBox, "m_displaySmileyCheckBox", QRect(15, 84, 500, 20));
    m_displayCloseCheckBox = item<QCheckBox>(m_chatGroupBox, "m_displayCloseCheckBox", QRect(15, 108, 500, 20));
    m_statusCheckBox = item<QCheckBox>(m_chatGroupBox, "m_statusCheckBox", QRect(15, 132, 500, 20));
    label_3 = item<QLabel>(m_chatGroupBox, "label_3", QRect(15, 160, 200, 20));
    groupBox_2 = make<QGroupBox>(m_chatGroupBox, "groupBox_2", QRect(15, 180, 510, 36));
    m_24HourRadioButton = item<QRadioButton>(groupBox_2, "m_24HourRadioButton", QRect(15, 9, 150, 20));
    m_12HourRadioButton = item<QRadioButton>(groupBox_2, "m_12HourRadioButton", QRect(200, 9, 150, 20));
    m_warnMeetingCheckBox = item<QCheckBox>(m_chatGroupBox, "m_warnMeetingCheckBox", QRect(15, 225, 500, 20));
    m_warnAwayCheckBox = item<QCheckBox>(m_chatGroupBox, "m_warnAwayCheckBox", QRect(15, 249, 500, 20));
    m_escKeyCheckBox = item<QCheckBox>(m_chatGroupBox, "m_escKeyCheckBox", QRect(15, 273, 500, 20));
    label_4 = item<QLabel>(m_chatGroupBox, "label_4", QRect(15, 300, 250, 20));
    groupBox_3 = make<QGroupBox>(m_chatGroupBox, "groupBox_3", QRect(15, 320, 510, 60));
    m_sendMessageRadioButton = item<QRadioButton>(groupBox_3, "m_sendMessageRadioButton", QRect(15, 8, 450, 20));
    m_insertsLineRadioButton = item<QRadioButton>(groupBox_3, "m_insertsLineRadioButton", QRect(15, 32, 450, 20));
    m_chatErrorLabel = errorLabel(m_chatGroupBox, "m_chatErrorLabel", QRect(10, 410, 520, 24));
    pageButtons(ChatPage, m_chatResetButton, "m_chatResetButton", m_chatOkButton, "m_chatOkButton",
                m_chatApplyButton, "m_chatApplyButton", m_chatCloseButton, "m_chatCloseButton");
    m_preferenceStackedWidget->addWidget(ChatPage);

    // Page 2
    AutoStatusPage = newPage("AutoStatusPage");
    m_autoStatusGroupBox = mainGroupBox(AutoStatusPage, "m_autoStatusGroupBox");
    label_6 = item<QLabel>(m_autoStatusGroupBox, "label_6", QRect(15, 28, 300, 20));
    m_availableToBusycheckBox = item<QCheckBox>(m_autoStatusGroupBox, "m_availableToBusycheckBox", QRect(25, 52, 500, 20));
    QFont shellFont = m_availableToBusycheckBox->font();
    shellFont.setFamily(QStringLiteral("MS Shell Dlg 2"));
    m_availableToBusycheckBox->setFont(shellFont);
    m_busySpinBox = item<QSpinBox>(m_autoStatusGroupBox, "m_busySpinBox", QRect(50, 76, 60, 22));
    m_busySpinBox->setRange(ZELAutoStatusList::MinBusyMinutes, ZELAutoStatusList::MaxBusyMinutes);
    m_busyToAvailablecheckBox = item<QCheckBox>(m_autoStatusGroupBox, "m_busyToAvailablecheckBox", QRect(25, 104, 500, 20));
    label_7 = item<QLabel>(m_autoStatusGroupBox, "label_7", QRect(15, 140, 300, 20));
    m_availableToAwaycheckBox = item<QCheckBox>(m_autoStatusGroupBox, "m_availableToAwaycheckBox", QRect(25, 164, 500, 20));
    m_awaySpinBox = item<QSpinBox>(m_autoStatusGroupBox, "m_awaySpinBox", QRect(50, 188, 60, 22));
    m_awaySpinBox->setRange(ZELAutoStatusList::MinAwayMinutes, ZELAutoStatusList::MaxAwayMinutes);
    m_awayToAvailablecheckBox = item<QCheckBox>(m_autoStatusGroupBox, "m_awayToAvailablecheckBox", QRect(25, 216, 500, 20));
    label_8 = item<QLabel>(m_autoStatusGroupBox, "label_8", QRect(15, 252, 300, 20));
    m_autoLoginCheckBox = item<QCheckBox>(m_autoStatusGroupBox, "m_autoLoginCheckBox", QRect(25, 276, 500, 20));
    m_aStatusErrorLabel = errorLabel(m_autoStatusGroupBox, "m_aStatusErrorLabel", QRect(10, 410, 520, 24));
    pageButtons(AutoStatusPage, m_autoStatusResetButton, "m_autoStatusResetButton", m_autoStatusOkButton,
                "m_autoStatusOkButton", m_autoApplyButton, "m_autoApplyButton", m_autoStatusCloseButton,
                "m_autoStatusCloseButton");
    m_preferenceStackedWidget->addWidget(AutoStatusPage);

    // Page 3
    NotificationPage = newPage("NotificationPage");
    m_notificationGroupBox = mainGroupBox(NotificationPage, "m_notificationGroupBox");
    label_9 = item<QLabel>(m_notificationGroupBox, "label_9", QRect(15, 28, 500, 20));
    struct Row { QLabel **icon; const char *iconName; QCheckBox **box; const char *boxName; QLabel **sample; const char *sampleName; };
    const Row rows[] = {
        {&m_onlineLabel, "m_onlineLabel", &m_onlineCheckBox, "m_onlineCheckBox", &m_onlineExampleLabel, "m_onlineExampleLabel"},
        {&m_offlineLabel, "m_offlineLabel", &m_offlineCheckBox, "m_offlineCheckBox", &m_offlineExampleLabel, "m_offlineExampleLabel"},
        {&m_fileLabel, "m_fileLabel", &m_sendFileCheckBox, "m_sendFileCheckBox", &m_fileExampleLabel, "m_fileExampleLabel"},
        {&m_newMessageLabel, "m_newMessageLabel", &m_messageCheckBox, "m_messageCheckBox", &m_newMessageExampleLabel, "m_newMessageExampleLabel"},
        {&m_offlineMessageLabel, "m_offlineMessageLabel", &m_offlineMessageCheckBox, "m_offlineMessageCheckBox", &m_offlineMessageExampleLabel, "m_offlineMessageExampleLabel"},
        {&m_voiceMailLabel, "m_voiceMailLabel", &m_voiceMailCheckBox, "m_voiceMailCheckBox", &m_voiceMailExampleLabel, "m_voiceMailExampleLabel"},
    };
    int y = 60;
    for (const Row &row : rows) {
        *row.icon = item<QLabel>(m_notificationGroupBox, row.iconName, QRect(25, y, 25, 25));
        (*row.icon)->setScaledContents(true);
        *row.box = item<QCheckBox>(m_notificationGroupBox, row.boxName, QRect(60, y + 2, 280, 20));
        *row.sample = item<QLabel>(m_notificationGroupBox, row.sampleName, QRect(360, y + 2, 60, 20));
        QPalette palette = (*row.sample)->palette();
        palette.setColor(QPalette::WindowText, QColor(0, 0, 255));
        (*row.sample)->setPalette(palette);
        (*row.sample)->setCursor(Qt::PointingHandCursor);
        y += 40;
    }
    pageButtons(NotificationPage, m_notificationResetButton, "m_notificationResetButton", m_notificationOkButton,
                "m_notificationOkButton", m_notificationApplyButton, "m_notificationApplyButton",
                m_notificationCloseButton, "m_notificationCloseButton");
    m_preferenceStackedWidget->addWidget(NotificationPage);

    // Page 4
    StatusMessagePage = newPage("StatusMessagePage");
    m_statusGroupBox = mainGroupBox(StatusMessagePage, "m_statusGroupBox");
    textLabel1 = item<QLabel>(m_statusGroupBox, "textLabel1", QRect(15, 25, 150, 20));
    m_defaultStatus = item<QComboBox>(m_statusGroupBox, "m_defaultStatus", QRect(170, 23, 150, 22));
    m_defaultStatus->setEditable(false);
    struct Block { QLabel **caption; const char *captionName; QLineEdit **edit; const char *editName; QCheckBox **box; const char *boxName; };
    const Block blocks[] = {
        {&label_10, "label_10", &m_availableUserMsgLineEdit, "m_availableUserMsgLineEdit", &m_availableCheckBox, "m_availableCheckBox"},
        {&textLabel3, "textLabel3", &m_awayUserMsgLineEdit, "m_awayUserMsgLineEdit", &m_awayCheckBox, "m_awayCheckBox"},
        {&textLabel5, "textLabel5", &m_meetingMsgLineEdit, "m_meetingMsgLineEdit", &m_meetingCheckBox, "m_meetingCheckBox"},
        {&textLabel6, "textLabel6", &m_busyMsgLineEdit, "m_busyMsgLineEdit", &m_busyCheckBox, "m_busyCheckBox"},
        {&textLabel6_2, "textLabel6_2", &m_offlineMsgLineEdit, "m_offlineMsgLineEdit", &m_offlineStatusCheckBox, "m_offlineStatusCheckBox"},
    };
    y = 52;
    for (const Block &block : blocks) {
        *block.caption = item<QLabel>(m_statusGroupBox, block.captionName, QRect(15, y, 70, 20));
        *block.edit = item<QLineEdit>(m_statusGroupBox, block.editName, QRect(90, y, 420, 20));
        *block.box = item<QCheckBox>(m_statusGroupBox, block.boxName, QRect(90, y + 22, 430, 20));
        y += 56;
    }
    m_userStatusLabel = item<QLabel>(m_statusGroupBox, "m_userStatusLabel", QRect(15, y, 150, 20));
    m_userDefinedLineEdit = item<QLineEdit>(m_statusGroupBox, "m_userDefinedLineEdit", QRect(170, y, 120, 20));
    m_userMsgLineEdit = item<QLineEdit>(m_statusGroupBox, "m_userMsgLineEdit", QRect(90, y + 24, 420, 20));
    m_userDefinedCheckBox = item<QCheckBox>(m_statusGroupBox, "m_userDefinedCheckBox", QRect(90, y + 46, 430, 20));
    m_statusErrorLabel = errorLabel(m_statusGroupBox, "m_statusErrorLabel", QRect(10, 424, 520, 20));
    QFont statusErrorFont = m_statusErrorLabel->font();
    statusErrorFont.setPointSize(7);
    m_statusErrorLabel->setFont(statusErrorFont);
    pageButtons(StatusMessagePage, m_statusMessageResetButton, "m_statusMessageResetButton", m_statusMessageOkButton,
                "m_statusMessageOkButton", m_statusApplyButton, "m_statusApplyButton", m_statusMessageCloseButton,
                "m_statusMessageCloseButton");
    m_preferenceStackedWidget->addWidget(StatusMessagePage);

    // Page 5
    FTPSettingsPage = newPage("FTPSettingsPage");
    m_fileTransferGroupBox = mainGroupBox(FTPSettingsPage, "m_fileTransferGroupBox");
    m_ftpTransferGroupBox = make<QGroupBox>(m_fileTransferGroupBox, "m_ftpTransferGroupBox", QRect(15, 25, 510, 110));
    m_ftpTransferGroupBox->setFont(verdana());
    label_11 = item<QLabel>(m_ftpTransferGroupBox, "label_11", QRect(15, 12, 200, 20));
    m_defaultFileLocationLineEdit =
        item<QLineEdit>(m_ftpTransferGroupBox, "m_defaultFileLocationLineEdit", QRect(15, 38, 380, 22));
    m_defaultFileLocationLineEdit->setReadOnly(true);
    m_browseButton = pointingButton(m_ftpTransferGroupBox, "m_browseButton", QRect(405, 37, 90, 24));
    m_openFtpLabel = linkLabel(m_ftpTransferGroupBox, "m_openFtpLabel", QRect(15, 72, 50, 20));
    m_ftpErrorLabel = errorLabel(m_ftpTransferGroupBox, "m_ftpErrorLabel", QRect(70, 72, 430, 20));
    pageButtons(FTPSettingsPage, m_ftpResetButton, "m_ftpResetButton", m_ftpOkButton, "m_ftpOkButton",
                m_ftpApplyButton, "m_ftpApplyButton", m_ftpCloseButton, "m_ftpCloseButton");
    m_preferenceStackedWidget->addWidget(FTPSettingsPage);

    // Page 6
    ChatHistoryPage = newPage("ChatHistoryPage");
    m_chatHistoryGropBox = mainGroupBox(ChatHistoryPage, "m_chatHistoryGropBox");
    groupBox = make<QGroupBox>(m_chatHistoryGropBox, "groupBox", QRect(15, 25, 510, 250));
    m_autoSaveHistoryCheckBox = item<QCheckBox>(groupBox, "m_autoSaveHistoryCheckBox", QRect(15, 15, 450, 20));
    m_autoSaveHistoryCheckBox->setFont(verdana(QFont::Normal));
    m_locationLabel = item<QLabel>(groupBox, "m_locationLabel", QRect(15, 48, 60, 20));
    m_locationLabel->setAlignment(Qt::AlignCenter);
    m_locationLabel->setFont(verdana(QFont::Normal));
    m_chatHistoryLocation = make<QLineEdit>(groupBox, "m_chatHistoryLocation", QRect(80, 47, 270, 22));
    m_chatHistoryLocation->setReadOnly(true);
    m_historyBrowseButton = pointingButton(groupBox, "m_historyBrowseButton", QRect(360, 46, 85, 24));
    m_historyBrowseButton->setFont(verdana(QFont::Normal));
    m_openLabel = linkLabel(groupBox, "m_openLabel", QRect(455, 48, 45, 20));
    m_deleteHistoryCheckBox = item<QCheckBox>(groupBox, "m_deleteHistoryCheckBox", QRect(15, 85, 380, 20));
    m_deleteHistoryCheckBox->setFont(verdana(QFont::Normal));
    m_daySpinBox = item<QSpinBox>(groupBox, "m_daySpinBox", QRect(400, 84, 60, 22));
    m_daySpinBox->setRange(10, 90);
    m_daySpinBox->setFont(verdana(QFont::Normal));
    m_deleteHistoryButton = pointingButton(groupBox, "m_deleteHistoryButton", QRect(15, 120, 190, 24));
    m_deleteHistoryButton->setFont(verdana(QFont::Normal));
    m_historyFolderSize = item<QLabel>(groupBox, "m_historyFolderSize", QRect(215, 122, 200, 20));
    m_historyFolderSize->setFont(verdana(QFont::Normal));
    m_folderSizeLabel = item<QLabel>(groupBox, "m_folderSizeLabel", QRect(415, 122, 90, 20));
    m_folderSizeLabel->setFont(verdana(QFont::Normal));
    m_chatHistoryCheckBox = item<QCheckBox>(groupBox, "m_chatHistoryCheckBox", QRect(15, 160, 450, 20));
    m_chatHistoryCheckBox->setFont(verdana(QFont::Normal));
    label_18 = item<QLabel>(groupBox, "label_18", QRect(15, 200, 235, 20));
    label_18->setFont(verdana(QFont::Normal));
    m_ftpSettingsLinkLabel = linkLabel(groupBox, "m_ftpSettingsLinkLabel", QRect(250, 200, 200, 20));
    m_ftpSettingsLinkLabel->setFont([] { QFont f = verdana(QFont::Normal); f.setUnderline(true); return f; }());
    m_statusHistoryErrorLabel = errorLabel(m_chatHistoryGropBox, "m_statusHistoryErrorLabel", QRect(15, 285, 510, 24));
    pageButtons(ChatHistoryPage, m_historyResetButton, "m_historyResetButton", m_historyOkButton, "m_historyOkButton",
                m_historyApplyButton, "m_historyApplyButton", m_historyCloseButton, "m_historyCloseButton");
    m_preferenceStackedWidget->addWidget(ChatHistoryPage);

    // Page 7
    QuickReplyMessage = newPage("QuickReplyMessage");
    m_quickReplyGropBox = mainGroupBox(QuickReplyMessage, "m_quickReplyGropBox");
    label_29 = item<QLabel>(m_quickReplyGropBox, "label_29", QRect(15, 30, 60, 20));
    m_keyMessageLineEdit = make<QLineEdit>(m_quickReplyGropBox, "m_keyMessageLineEdit", QRect(80, 29, 320, 22));
    m_addKeyWordButton = pointingButton(m_quickReplyGropBox, "m_addKeyWordButton", QRect(420, 28, 90, 24));
    label_30 = item<QLabel>(m_quickReplyGropBox, "label_30", QRect(15, 62, 250, 20));
    m_updateKeyWordButton = pointingButton(m_quickReplyGropBox, "m_updateKeyWordButton", QRect(420, 85, 90, 24));
    m_keyMessageListWidget = make<QListWidget>(m_quickReplyGropBox, "m_keyMessageListWidget", QRect(15, 85, 385, 220));
    m_keyMessageListWidget->setSortingEnabled(false);
    m_deleteKeyWordButton = pointingButton(m_quickReplyGropBox, "m_deleteKeyWordButton", QRect(420, 120, 90, 24));
    groupBox_5 = make<QGroupBox>(m_quickReplyGropBox, "groupBox_5", QRect(15, 315, 385, 75));
    m_sendQuickRadioButton = item<QRadioButton>(groupBox_5, "m_sendQuickRadioButton", QRect(15, 22, 300, 20));
    m_insertRadioButton = item<QRadioButton>(groupBox_5, "m_insertRadioButton", QRect(15, 46, 300, 20));
    m_quickReplyErrorLabel = errorLabel(m_quickReplyGropBox, "m_quickReplyErrorLabel", QRect(10, 410, 520, 24));
    pageButtons(QuickReplyMessage, m_qReplyResetButton, "m_qReplyResetButton", m_qReplyOkButton, "m_qReplyOkButton",
                m_qReplyApplyButton, "m_qReplyApplyButton", m_qReplyCloseButton, "m_qReplyCloseButton");
    m_preferenceStackedWidget->addWidget(QuickReplyMessage);

    // Page 8
    ConnectToServerPage = newPage("ConnectToServerPage");
    m_cSettingsGroupBox = mainGroupBox(ConnectToServerPage, "m_cSettingsGroupBox");
    const auto inner = [this](const char *name, const QRect &geometry) {
        QGroupBox *box = make<QGroupBox>(m_cSettingsGroupBox, name, geometry);
        box->setFont([] { QFont f; f.setFamily(QStringLiteral("Verdana")); return f; }());
        return box;
    };
    const auto caption = [](QWidget *parent, const char *name, int row) {
        QLabel *label = make<QLabel>(parent, name, QRect(20, 22 + row * 28, 100, 20));
        label->setFont(verdana(QFont::Normal));
        return label;
    };
    const auto field = [](QWidget *parent, const char *name, int row) {
        QLineEdit *edit = make<QLineEdit>(parent, name, QRect(130, 22 + row * 28, 250, 20));
        QFont font(QStringLiteral("Verdana"), 8);
        font.setWeight(QFont::Normal);
        edit->setFont(font);
        return edit;
    };
    m_connectToServerGroupBox = inner("m_connectToServerGroupBox", QRect(15, 22, 510, 82));
    label_ = caption(m_connectToServerGroupBox, "label_", 0);
    m_hostNameLineEdit = field(m_connectToServerGroupBox, "m_hostNameLineEdit", 0);
    label_12 = caption(m_connectToServerGroupBox, "label_12", 1);
    m_portValueLineEdit = field(m_connectToServerGroupBox, "m_portValueLineEdit", 1);
    m_ProxygroupBox = inner("m_ProxygroupBox", QRect(15, 110, 510, 82));
    m_defaultProxyRadioButton = item<QRadioButton>(m_ProxygroupBox, "m_defaultProxyRadioButton", QRect(20, 22, 150, 20));
    m_httpProxyradioButton = item<QRadioButton>(m_ProxygroupBox, "m_httpProxyradioButton", QRect(230, 22, 150, 20));
    m_socks5ProxyradioButton = item<QRadioButton>(m_ProxygroupBox, "m_socks5ProxyradioButton", QRect(20, 50, 150, 20));
    m_noProxyradioButton = item<QRadioButton>(m_ProxygroupBox, "m_noProxyradioButton", QRect(230, 50, 150, 20));
    m_proxyServergroupBox = inner("m_proxyServergroupBox", QRect(15, 198, 510, 82));
    label_1 = caption(m_proxyServergroupBox, "label_1", 0);
    m_proxyServerHostName = field(m_proxyServergroupBox, "m_proxyServerHostName", 0);
    label_15 = caption(m_proxyServergroupBox, "label_15", 1);
    m_proxyServerPortValue = field(m_proxyServergroupBox, "m_proxyServerPortValue", 1);
    m_authenticationgroupBox = inner("m_authenticationgroupBox", QRect(15, 286, 510, 82));
    label_13 = caption(m_authenticationgroupBox, "label_13", 0);
    m_userNameAuthentication = field(m_authenticationgroupBox, "m_userNameAuthentication", 0);
    label_14 = caption(m_authenticationgroupBox, "label_14", 1);
    m_passwordAuthentication = field(m_authenticationgroupBox, "m_passwordAuthentication", 1);
    m_passwordAuthentication->setEchoMode(QLineEdit::Password);
    pageButtons(ConnectToServerPage, m_settingsResetButton, "m_settingsResetButton", m_settingsOkButton,
                "m_settingsOkButton", m_connectApplyButton, "m_connectApplyButton", m_settingsCloseButton,
                "m_settingsCloseButton");
    m_preferenceStackedWidget->addWidget(ConnectToServerPage);

    // Navigation
    m_preferencesToolBox = make<QToolBox>(d, "m_preferencesToolBox", QRect(11, 48, 170, 491));
    m_preferencesToolBox->setCursor(Qt::PointingHandCursor);
    m_backToolButton = make<QToolButton>(d, "m_backToolButton", QRect(670, 21, 30, 27));
    m_frontToolButton = make<QToolButton>(d, "m_frontToolButton", QRect(705, 21, 30, 27));
    for (QToolButton *button : {m_backToolButton, m_frontToolButton}) {
        button->setIconSize(QSize(25, 25));
        button->setAutoRaise(true);
        button->setCursor(Qt::PointingHandCursor);
    }

    const QList<QWidget *> chain = {
        m_numberOfDaysToChatUserListSpinBox, m_favouritesCheckBox, m_departmentWiserListButton, m_statusWiseButton,
        m_selectedUserCheckBox, m_showSearchCheckBox, m_contactResetButton, m_contactOkButton, m_contactApplyButton,
        m_contactCloseButton, m_fontComboBox, m_fontSizeComboBox, m_resetFontButton, m_displayBusinessCardcheckBox,
        m_displaySmileyCheckBox, m_displayCloseCheckBox, m_statusCheckBox, m_24HourRadioButton, m_12HourRadioButton,
        m_warnMeetingCheckBox, m_warnAwayCheckBox, m_escKeyCheckBox, m_sendMessageRadioButton,
        m_insertsLineRadioButton, m_chatResetButton, m_chatOkButton, m_chatApplyButton, m_chatCloseButton,
        m_availableToBusycheckBox, m_busySpinBox, m_busyToAvailablecheckBox, m_availableToAwaycheckBox,
        m_awaySpinBox, m_awayToAvailablecheckBox, m_autoLoginCheckBox, m_autoStatusResetButton,
        m_autoStatusOkButton, m_autoApplyButton, m_autoStatusCloseButton, m_onlineCheckBox, m_offlineCheckBox,
        m_sendFileCheckBox, m_messageCheckBox, m_offlineMessageCheckBox, m_voiceMailCheckBox,
        m_notificationResetButton, m_notificationOkButton, m_notificationApplyButton, m_notificationCloseButton,
        m_defaultStatus, m_availableUserMsgLineEdit, m_availableCheckBox, m_awayUserMsgLineEdit, m_awayCheckBox,
        m_meetingMsgLineEdit, m_meetingCheckBox, m_busyMsgLineEdit, m_busyCheckBox, m_offlineMsgLineEdit,
        m_offlineStatusCheckBox, m_userDefinedLineEdit, m_userMsgLineEdit, m_userDefinedCheckBox,
        m_statusMessageResetButton, m_statusMessageOkButton, m_statusApplyButton, m_statusMessageCloseButton,
        m_defaultFileLocationLineEdit, m_browseButton, m_ftpResetButton, m_ftpOkButton, m_ftpApplyButton,
        m_ftpCloseButton, m_autoSaveHistoryCheckBox, m_chatHistoryLocation, m_historyBrowseButton,
        m_deleteHistoryCheckBox, m_daySpinBox, m_deleteHistoryButton, m_chatHistoryCheckBox, m_historyResetButton,
        m_historyOkButton, m_historyApplyButton, m_historyCloseButton, m_keyMessageLineEdit, m_keyMessageListWidget,
        m_sendQuickRadioButton, m_insertRadioButton, m_addKeyWordButton, m_updateKeyWordButton,
        m_deleteKeyWordButton, m_qReplyResetButton, m_qReplyOkButton, m_qReplyApplyButton, m_qReplyCloseButton,
        m_hostNameLineEdit, m_portValueLineEdit, m_defaultProxyRadioButton, m_socks5ProxyradioButton,
        m_httpProxyradioButton, m_noProxyradioButton, m_proxyServerHostName, m_proxyServerPortValue,
        m_userNameAuthentication, m_passwordAuthentication, m_settingsResetButton, m_settingsOkButton,
        m_connectApplyButton, m_settingsCloseButton, m_backToolButton, m_frontToolButton, m_closeButton};
    for (int i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain.at(i - 1), chain.at(i));

    retranslateUi(d);

    m_preferenceStackedWidget->setCurrentIndex(6);
}

void Ui_ZELPreferenceSettingsDialog::retranslateUi(QDialog *ZELPreferenceSettingsDialog)
{
    const auto tr = [](const char *text) {
        return QCoreApplication::translate("ZELPreferenceSettingsDialog", text);
    };
    const auto text = [&tr](auto *widget, const char *value) { widget->setText(tr(value)); };
    const auto tip = [&tr](QWidget *widget, const char *value) { widget->setToolTip(tr(value)); };

    ZELPreferenceSettingsDialog->setWindowTitle(tr("ZEL Preference Settings"));
    text(m_logoLabel, "Preference Settings");
    m_closeButton->setText(QString());
    tip(m_closeButton, "Close");

    const auto buttons = [&](QPushButton *reset, QPushButton *ok, QPushButton *apply, QPushButton *cancel) {
        text(reset, "Reset");
        tip(reset, "Reset");
        text(ok, "Ok");
        tip(ok, "Ok");
        text(apply, "Apply");
        tip(apply, "Apply");
        text(cancel, "Cancel");
        tip(cancel, "Cancel");
    };

    m_contactGroupBox->setTitle(tr("Contact Display Settings"));
    m_recentChatListGroupBox->setTitle(tr("Recent Chat Contact List"));
    text(label_2, "Recent chat contacts of ");
    text(label, "day(s)");
    text(m_favouritesCheckBox, "  Show Recent chat contact list  ");
    m_viewStatusGroupBox->setTitle(tr("Group contact by"));
    text(m_departmentWiserListButton, "Department");
    text(m_statusWiseButton, "Status");
    text(m_selectedUserCheckBox, "  Highlight user with details");
    text(m_showSearchCheckBox, "  Search contacts on pressing Ctrl+F ");
    buttons(m_contactResetButton, m_contactOkButton, m_contactApplyButton, m_contactCloseButton);

    m_chatGroupBox->setTitle(tr("Chat Window Display Settings"));
    text(label_5, "Chat Font ");
    text(label_16, "Size");
    text(m_resetFontButton, "Reset");
    tip(m_resetFontButton, "Reset Font");
    text(m_displayBusinessCardcheckBox, "   Display user's info box");
    text(m_displaySmileyCheckBox, "   Display smileys");
    text(m_displayCloseCheckBox, "   Display a message when my partner closes the chat window");
    text(m_statusCheckBox, "   Display a message when my partner changes the status");
    text(label_3, "Time Stamps");
    groupBox_2->setTitle(QString());
    text(m_24HourRadioButton, "24 hours");
    text(m_12HourRadioButton, "12 hours");
    text(m_warnMeetingCheckBox, "   Alert me if user in a meeting before chat session start");
    text(m_warnAwayCheckBox, "   Alert me if user in away before chat session start");
    text(m_escKeyCheckBox, "   ESC key closes the chat window");
    text(label_4, "On Pressing Enter key :");
    groupBox_3->setTitle(QString());
    text(m_sendMessageRadioButton, "Send message (Shift+Enter inserts new line)");
    text(m_insertsLineRadioButton, "Insert new line (Shift+Enter sends message)");
    m_chatErrorLabel->setText(QString());
    buttons(m_chatResetButton, m_chatOkButton, m_chatApplyButton, m_chatCloseButton);

    m_autoStatusGroupBox->setTitle(tr("Auto Login / Status Change Settings"));
    text(label_6, "Change to Busy Status");
    text(m_availableToBusycheckBox, "  Online to Busy when not used mouse or keyboard after following Min's");
    text(m_busyToAvailablecheckBox, "  Busy to Online when I begin to use mouse or keyboard");
    text(label_7, "Change to Away Status");
    text(m_availableToAwaycheckBox, "  Online to Away when not used mouse or keyboard after following Min's");
    text(m_awayToAvailablecheckBox, "  Away to Online when I begin to use mouse or keyboard");
    text(label_8, "Auto Login");
    text(m_autoLoginCheckBox, "  Sign In when application starts");
    m_aStatusErrorLabel->setText(QString());
    buttons(m_autoStatusResetButton, m_autoStatusOkButton, m_autoApplyButton, m_autoStatusCloseButton);

    m_notificationGroupBox->setTitle(tr("Notification Settings"));
    text(label_9, "Display a notification in the Windows tray when someone...");
    for (QLabel *icon : {m_onlineLabel, m_offlineLabel, m_fileLabel, m_newMessageLabel, m_offlineMessageLabel,
                         m_voiceMailLabel})
        text(icon, "TextLabel");
    text(m_onlineCheckBox, "  Comes Online");
    text(m_offlineCheckBox, "  Goes Offline");
    text(m_sendFileCheckBox, "  Sends me a file");
    text(m_messageCheckBox, "  Sends me a new message ");
    text(m_offlineMessageCheckBox, "  Sends me a offline message");
    text(m_voiceMailCheckBox, "  Sends me a voice mail");
    for (QLabel *sample : {m_onlineExampleLabel, m_offlineExampleLabel, m_fileExampleLabel, m_newMessageExampleLabel,
                           m_offlineMessageExampleLabel, m_voiceMailExampleLabel})
        text(sample, "Sample");
    buttons(m_notificationResetButton, m_notificationOkButton, m_notificationApplyButton, m_notificationCloseButton);

    m_statusGroupBox->setTitle(tr("Status Message Settings"));
    text(textLabel1, "Default Login Status");
    text(label_10, "Online");
    m_availableUserMsgLineEdit->setText(QString());
    text(m_availableCheckBox, "  Prompt me to edit this message every time I change to Online  ");
    text(textLabel3, "Away ");
    text(m_awayCheckBox, "  Prompt me to edit this message every time I change to Away");
    text(textLabel5, "Meeting");
    text(m_meetingCheckBox, "  Prompt me to edit this message every time I change to Meeting");
    text(textLabel6, "Busy");
    text(m_busyCheckBox, "  Prompt me to edit this message every time I change to Busy");
    text(textLabel6_2, "Offline");
    text(m_offlineStatusCheckBox, "  Prompt me to edit this message every time I change to Offline");
    text(m_userStatusLabel, "User Defined Status ::");
    text(m_userDefinedLineEdit, "<EMPTY>");
    text(m_userMsgLineEdit, "<EMPTY>");
    text(m_userDefinedCheckBox, "  Prompt me to edit this message every time I change to User Status ");
    m_statusErrorLabel->setText(QString());
    buttons(m_statusMessageResetButton, m_statusMessageOkButton, m_statusApplyButton, m_statusMessageCloseButton);

    m_fileTransferGroupBox->setTitle(tr("File Transfer Settings"));
    m_ftpTransferGroupBox->setTitle(QString());
    text(label_11, "Save at :");
    text(m_browseButton, "Browse...");
    tip(m_browseButton, "Select Location");
    text(m_openFtpLabel, "Open");
    m_ftpErrorLabel->setText(QString());
    buttons(m_ftpResetButton, m_ftpOkButton, m_ftpApplyButton, m_ftpCloseButton);

    m_chatHistoryGropBox->setTitle(tr("Chat History Settings"));
    groupBox->setTitle(QString());
    text(m_autoSaveHistoryCheckBox, "  Automatically save my chat transcripts");
    text(m_locationLabel, "Location");
    text(m_historyBrowseButton, "Browse...");
    text(m_openLabel, "Open");
    text(m_deleteHistoryCheckBox, "  Delete saved transcripts after this number of days");
    text(m_deleteHistoryButton, "Delete Existing Transcripts");
    text(m_historyFolderSize, "Transcripts File Folder Size :");
    text(m_folderSizeLabel, "0 KB");
    text(m_chatHistoryCheckBox, "  Chat History retrieved from server");
    text(label_18, "File transfer storage is defined in ");
    text(m_ftpSettingsLinkLabel, "File Transfer Preferences");
    m_statusHistoryErrorLabel->setText(QString());
    buttons(m_historyResetButton, m_historyOkButton, m_historyApplyButton, m_historyCloseButton);

    m_quickReplyGropBox->setTitle(tr("Quick Reply Settings"));
    text(label_29, "Message");
    text(m_addKeyWordButton, "Add");
    tip(m_addKeyWordButton, "Add");
    text(label_30, "Quick Reply Message List ::");
    text(m_updateKeyWordButton, "Update");
    tip(m_updateKeyWordButton, "Update");
    text(m_deleteKeyWordButton, "Delete");
    tip(m_deleteKeyWordButton, "Delete");
    groupBox_5->setTitle(tr("Quick Reply Option"));
    text(m_sendQuickRadioButton, "  Send the message");
    text(m_insertRadioButton, "  Insert into chat compose window");
    m_quickReplyErrorLabel->setText(QString());
    buttons(m_qReplyResetButton, m_qReplyOkButton, m_qReplyApplyButton, m_qReplyCloseButton);

    m_cSettingsGroupBox->setTitle(tr("Connect To Server Settings"));
    m_connectToServerGroupBox->setTitle(tr("Connect To Server"));
    text(label_, "Host Name");
    text(label_12, "Port Value");
    m_ProxygroupBox->setTitle(tr("Proxy Type"));
    text(m_defaultProxyRadioButton, "DefaultProxy");
    text(m_httpProxyradioButton, "HttpProxy");
    text(m_socks5ProxyradioButton, "Socks5Proxy");
    text(m_noProxyradioButton, "No Proxy");
    m_proxyServergroupBox->setTitle(tr("Proxy Server"));
    text(label_1, "Host Name");
    text(label_15, "Port Value");
    m_authenticationgroupBox->setTitle(tr("Authentication"));
    text(label_13, "User Name");
    text(label_14, "Password");
    buttons(m_settingsResetButton, m_settingsOkButton, m_connectApplyButton, m_settingsCloseButton);

    m_backToolButton->setText(QString());
    tip(m_backToolButton, "Show Previous Page");
    m_frontToolButton->setText(QString());
    tip(m_frontToolButton, "Show Next Page");
    m_preferencesToolBox->setStyleSheet(QStringLiteral(
        "QToolBox::tab {background: qlineargradient(x1: 0, y1: 0, x2: 1, y2: 1, stop: 0 #E1E1E1, stop: 1 white);"
        "border: 1px solid gray; border-radius: 3px; color: black;}"
        "QToolBox::tab:selected {font: italic; font: bold; color: solid gray;"
        "background: qlineargradient(x1: 0, y1: 0, x2: 1, y2: 1, stop: 0 white, stop: 1 #FFE87C);}"
        "QToolBox::tab:hover {font: italic; font: bold; color: solid gray;"
        "background: qlineargradient(x1: 0, y1: 0, x2: 1, y2: 1, stop: 0 #FFE87C, stop: 1 white);}"));
}
