#include /* form */ "ui/ui_chatwidget.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QMetaObject>
#include <QtGui/QLinearGradient>
#include <QtGui/QPalette>
#include <QtWidgets/QHeaderView>

namespace {

using Policy = QSizePolicy::Policy;

struct RoleColour
{
    QPalette::ColorRole role;
    const char *colour;
};

using RoleList = std::initializer_list<RoleColour>;

void fill(QPalette &palette, QPalette::ColorGroup group, RoleList roles)
{
    for (const RoleColour &entry : roles)
        palette.setBrush(group, entry.role, QBrush(QColor(QString::fromLatin1(entry.colour))));
}

QPalette palette(RoleList active, RoleList inactive, RoleList disabled)
{
    QPalette p;
    fill(p, QPalette::Active, active);
    fill(p, QPalette::Inactive, inactive);
    fill(p, QPalette::Disabled, disabled);
    return p;
}

// The tab widget's colours; the other palettes of the tab pages vary it.
const RoleList kChatActive = {
    {QPalette::WindowText, "#000000"}, {QPalette::Button, "#d5ebff"}, {QPalette::Light, "#ffffff"},
    {QPalette::Midlight, "#d2f1f7"}, {QPalette::Dark, "#93d8fa"}, {QPalette::Mid, "#ffffff"},
    {QPalette::Text, "#000000"}, {QPalette::BrightText, "#ffffff"}, {QPalette::ButtonText, "#000000"},
    {QPalette::Base, "#ffffff"}, {QPalette::Window, "#ece9d8"}, {QPalette::Shadow, "#f2f8ff"},
    {QPalette::Highlight, "#316ac5"}, {QPalette::HighlightedText, "#ffffff"}, {QPalette::Link, "#0000ff"},
    {QPalette::LinkVisited, "#ff00ff"}, {QPalette::AlternateBase, "#e8e8e8"}};

QPalette chatPalette()
{
    QPalette p = palette(kChatActive, kChatActive, kChatActive);
    fill(p, QPalette::Inactive, {{QPalette::Highlight, "#ece9d8"}, {QPalette::HighlightedText, "#000000"}});
    fill(p, QPalette::Disabled, {{QPalette::WindowText, "#93d8fa"}, {QPalette::Text, "#93d8fa"},
                                 {QPalette::ButtonText, "#93d8fa"}, {QPalette::Base, "#ece9d8"}});
    return p;
}

QPalette underlinePalette()
{
    QPalette p = chatPalette();
    fill(p, QPalette::Active, {{QPalette::ButtonText, "#0000ff"}});
    // The inactive group is the active one with the tab widget's inactive highlight.
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
        const auto r = static_cast<QPalette::ColorRole>(role);
        p.setBrush(QPalette::Inactive, r, p.brush(QPalette::Active, r));
    }
    fill(p, QPalette::Inactive, {{QPalette::Highlight, "#ece9d8"}});
    return p;
}

QPalette downloadButtonPalette()
{
    QPalette p = chatPalette();
    fill(p, QPalette::Disabled, {{QPalette::ButtonText, "#76746c"}});
    return p;
}

QPalette sendButtonPalette()
{
    QPalette p = chatPalette();
    fill(p, QPalette::Disabled, kChatActive);
    fill(p, QPalette::Disabled, {{QPalette::WindowText, "#76746c"}, {QPalette::Button, "#76746c"},
                                 {QPalette::Midlight, "#76746c"}, {QPalette::Dark, "#76746c"},
                                 {QPalette::ButtonText, "#76746c"}, {QPalette::Base, "#ece9d8"}});
    return p;
}

QPalette inputPalette()
{
    const RoleList active = {
        {QPalette::WindowText, "#000000"}, {QPalette::Button, "#ece9d8"}, {QPalette::Light, "#ffffff"},
        {QPalette::Midlight, "#f5f4eb"}, {QPalette::Dark, "#d3d3d3"}, {QPalette::Mid, "#9d9b90"},
        {QPalette::Text, "#000000"}, {QPalette::BrightText, "#ffffff"}, {QPalette::ButtonText, "#000000"},
        {QPalette::Base, "#ffffff"}, {QPalette::Window, "#ece9d8"}, {QPalette::Shadow, "#000000"},
        {QPalette::Highlight, "#93d8fa"}, {QPalette::HighlightedText, "#ffffff"}, {QPalette::Link, "#0000ff"},
        {QPalette::LinkVisited, "#ff00ff"}, {QPalette::AlternateBase, "#f5f4eb"}};
    QPalette p = palette(active, active, active);
    fill(p, QPalette::Inactive, {{QPalette::HighlightedText, "#000000"}});
    fill(p, QPalette::Disabled, {{QPalette::WindowText, "#d3d3d3"}, {QPalette::Text, "#d3d3d3"},
                                 {QPalette::ButtonText, "#d3d3d3"}, {QPalette::Base, "#ece9d8"},
                                 {QPalette::AlternateBase, "#ece9d8"}, {QPalette::Highlight, "#316ac5"}});
    return p;
}

QPalette tablePalette()
{
    const RoleList active = {
        {QPalette::WindowText, "#000000"}, {QPalette::Button, "#616161"}, {QPalette::Light, "#f0f5fb"},
        {QPalette::Midlight, "#ffffff"}, {QPalette::Dark, "#ffffff"}, {QPalette::Mid, "#9d9b90"},
        {QPalette::Text, "#000000"}, {QPalette::BrightText, "#ffffff"}, {QPalette::ButtonText, "#000000"},
        {QPalette::Base, "#ffffff"}, {QPalette::Window, "#ffffff"}, {QPalette::Shadow, "#90d1f7"},
        {QPalette::HighlightedText, "#550000"}, {QPalette::Link, "#0000ff"}, {QPalette::LinkVisited, "#ff00ff"},
        {QPalette::AlternateBase, "#f8fcff"}};
    QPalette p = palette(active, active, active);
    fill(p, QPalette::Disabled, {{QPalette::WindowText, "#ffffff"}, {QPalette::Text, "#ffffff"},
                                 {QPalette::ButtonText, "#ffffff"}});
    QLinearGradient highlight(0, 0, 0.5, 0.5);
    highlight.setCoordinateMode(QGradient::ObjectBoundingMode);
    highlight.setSpread(QGradient::PadSpread);
    highlight.setColorAt(0, QColor(0xff, 0x92, 0xbb));
    highlight.setColorAt(1, QColor(0xff, 0xff, 0xff));
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        p.setBrush(group, QPalette::Highlight, QBrush(highlight));
    return p;
}

QPalette findButtonPalette()
{
    const RoleList active = {{QPalette::WindowText, "#000000"}, {QPalette::Button, "#d5ebff"},
                             {QPalette::Midlight, "#d2f1f7"}, {QPalette::Dark, "#90d1f7"},
                             {QPalette::Text, "#000000"}, {QPalette::ButtonText, "#000000"},
                             {QPalette::Shadow, "#ffffff"}};
    QPalette p = palette(active, active, active);
    fill(p, QPalette::Disabled, {{QPalette::WindowText, "#90d1f7"}, {QPalette::Text, "#90d1f7"},
                                 {QPalette::ButtonText, "#90d1f7"}});
    return p;
}

QPalette findFieldPalette()
{
    const RoleList active = {{QPalette::WindowText, "#000000"}, {QPalette::Button, "#d5ebff"},
                             {QPalette::Midlight, "#d2f1f7"}, {QPalette::Dark, "#90d1f7"},
                             {QPalette::Text, "#000000"}, {QPalette::ButtonText, "#000000"},
                             {QPalette::Highlight, "#90d1f7"}};
    QPalette p = palette(active, active, active);
    fill(p, QPalette::Disabled, {{QPalette::WindowText, "#90d1f7"}, {QPalette::Text, "#90d1f7"},
                                 {QPalette::ButtonText, "#90d1f7"}, {QPalette::Highlight, "#316ac5"}});
    return p;
}

QPalette transcriptPalette()
{
    const RoleList active = {{QPalette::WindowText, "#000000"}, {QPalette::Dark, "#d3d3d3"},
                             {QPalette::Text, "#000000"}, {QPalette::ButtonText, "#000000"},
                             {QPalette::Highlight, "#93d8fa"}};
    return palette(active, active,
                   {{QPalette::WindowText, "#d3d3d3"}, {QPalette::Dark, "#d3d3d3"}, {QPalette::Text, "#d3d3d3"},
                    {QPalette::ButtonText, "#d3d3d3"}, {QPalette::Highlight, "#316ac5"}});
}

QPalette folderFieldPalette()
{
    return palette({{QPalette::Highlight, "#90d1f7"}}, {{QPalette::Highlight, "#90d1f7"}},
                   {{QPalette::Highlight, "#316ac5"}});
}

QPalette filesNoticePalette()
{
    const RoleList active = {{QPalette::WindowText, "#0000ff"}, {QPalette::Text, "#0000ff"},
                             {QPalette::ButtonText, "#0055ff"}};
    return palette(active, active,
                   {{QPalette::WindowText, "#76746c"}, {QPalette::Text, "#76746c"},
                    {QPalette::ButtonText, "#76746c"}});
}

QFont font(const char *family, int pointSize = -1, bool bold = false, bool italic = false,
           bool underline = false)
{
    QFont f;
    f.setFamily(QString::fromLatin1(family));
    if (pointSize > 0)
        f.setPointSize(pointSize);
    f.setWeight(bold ? QFont::Bold : QFont::Normal);
    f.setItalic(italic);
    f.setUnderline(underline);
    return f;
}

QFont familyOnly(const char *family)
{
    QFont f;
    f.setFamily(QString::fromLatin1(family));
    return f;
}

void name(QObject *object, const char *objectName)
{
    object->setObjectName(QString::fromLatin1(objectName));
}

void fixed(QWidget *w, int width, int height)
{
    w->setMinimumSize(width, height);
    w->setMaximumSize(width, height);
}

void policy(QWidget *w, Policy horizontal, Policy vertical)
{
    QSizePolicy p(horizontal, vertical);
    p.setHeightForWidth(w->sizePolicy().hasHeightForWidth());
    w->setSizePolicy(p);
}

QSpacerItem *spacer(int width, int height, Policy horizontal, Policy vertical)
{
    return new QSpacerItem(width, height, horizontal, vertical);
}

QLabel *frameLabel(QWidget *parent, const char *objectName)
{
    auto *label = new QLabel(parent);
    name(label, objectName);
    label->setAutoFillBackground(true);
    label->setLineWidth(0);
    return label;
}

QPushButton *titleButton(QWidget *parent, const char *objectName)
{
    auto *button = new QPushButton(parent);
    name(button, objectName);
    fixed(button, 12, 11);
    policy(button, QSizePolicy::Fixed, QSizePolicy::Fixed);
    button->setFlat(true);
    button->setAutoFillBackground(true);
    return button;
}

QToolButton *toolButton(QWidget *parent, const char *objectName, int iconSide)
{
    auto *button = new QToolButton(parent);
    name(button, objectName);
    fixed(button, 35, 35);
    button->setCursor(Qt::PointingHandCursor);
    button->setAutoRaise(true);
    button->setIconSize(QSize(iconSide, iconSide));
    return button;
}

QPushButton *downloadButton(QWidget *parent, const char *objectName)
{
    auto *button = new QPushButton(parent);
    name(button, objectName);
    fixed(button, 60, 23);
    policy(button, QSizePolicy::Fixed, QSizePolicy::Fixed);
    button->setFont(font("Verdana", 8));
    button->setCursor(Qt::PointingHandCursor);
    button->setPalette(downloadButtonPalette());
    return button;
}

QPushButton *conferenceButton(QWidget *parent, const char *objectName)
{
    auto *button = new QPushButton(parent);
    name(button, objectName);
    fixed(button, 75, 23);
    policy(button, QSizePolicy::Fixed, QSizePolicy::Fixed);
    button->setFont(font("Verdana", 8));
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

QToolButton *findButton(QWidget *parent, const char *objectName, const QRect &geometry)
{
    auto *button = new QToolButton(parent);
    name(button, objectName);
    button->setGeometry(geometry);
    button->setAutoRaise(true);
    button->setPalette(findButtonPalette());
    return button;
}

void setupFileTable(QTableWidget *table)
{
    table->setPalette(tablePalette());
    table->setAlternatingRowColors(true);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSortingEnabled(false);
    table->setCornerButtonEnabled(false);
}

QString tr(const char *text)
{
    return QCoreApplication::translate("chatWidget", text);
}

} // namespace

void Ui_chatWidget::setupUi(QWidget *chatWidget)
{
    if (chatWidget->objectName().isEmpty())
        chatWidget->setObjectName(QString::fromLatin1("chatWidget"));
    chatWidget->resize(800, 637);
    policy(chatWidget, QSizePolicy::Expanding, QSizePolicy::Expanding);
    chatWidget->setMinimumSize(655, 572);

    gridLayout = new QGridLayout(chatWidget);
    gridLayout->setSpacing(0);
    gridLayout->setContentsMargins(0, 0, 0, 0);
    name(gridLayout, "gridLayout");

    // Title strip.
    hboxLayout = new QHBoxLayout();
    hboxLayout->setSpacing(0);
    hboxLayout->setContentsMargins(0, 0, 0, 0);
    name(hboxLayout, "hboxLayout");
    m_leftTopCorner = frameLabel(chatWidget, "m_leftTopCorner");
    fixed(m_leftTopCorner, 11, 20);
    policy(m_leftTopCorner, QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_leftTopCorner->setIndent(0);
    hboxLayout->addWidget(m_leftTopCorner);
    m_statusPixmap = new QLabel(chatWidget);
    name(m_statusPixmap, "m_statusPixmap");
    fixed(m_statusPixmap, 25, 20);
    policy(m_statusPixmap, QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_statusPixmap->setAlignment(Qt::AlignCenter);
    m_statusPixmap->setScaledContents(false);
    hboxLayout->addWidget(m_statusPixmap);
    m_logoLabel = frameLabel(chatWidget, "m_logoLabel");
    m_logoLabel->setMinimumSize(438, 20);
    m_logoLabel->setMaximumSize(QWIDGETSIZE_MAX, 20);
    policy(m_logoLabel, QSizePolicy::Expanding, QSizePolicy::Fixed);
    m_logoLabel->setFont(font("Verdana", 8, true));
    m_logoLabel->setAlignment(Qt::AlignCenter);
    m_logoLabel->setIndent(0);
    m_logoLabel->setTextFormat(Qt::PlainText);
    hboxLayout->addWidget(m_logoLabel);
    m_minimizeButton = titleButton(chatWidget, "m_minimizeButton");
    hboxLayout->addWidget(m_minimizeButton);
    spacerItem = spacer(4, 15, QSizePolicy::Fixed, QSizePolicy::Minimum);
    hboxLayout->addItem(spacerItem);
    m_maximizeButton = titleButton(chatWidget, "m_maximizeButton");
    hboxLayout->addWidget(m_maximizeButton);
    spacerItem1 = spacer(4, 16, QSizePolicy::Fixed, QSizePolicy::Minimum);
    hboxLayout->addItem(spacerItem1);
    m_closeButton = titleButton(chatWidget, "m_closeButton");
    hboxLayout->addWidget(m_closeButton);
    m_rightTopCorner = frameLabel(chatWidget, "m_rightTopCorner");
    fixed(m_rightTopCorner, 11, 20);
    policy(m_rightTopCorner, QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_rightTopCorner->setMargin(0);
    m_rightTopCorner->setIndent(0);
    hboxLayout->addWidget(m_rightTopCorner);
    gridLayout->addLayout(hboxLayout, 0, 0);

    // Body: left edge, content column, participants panel, right edge.
    hboxLayout1 = new QHBoxLayout();
    hboxLayout1->setSpacing(0);
    hboxLayout1->setContentsMargins(0, -1, 0, 0);
    name(hboxLayout1, "hboxLayout1");
    m_leftStretch = frameLabel(chatWidget, "m_leftStretch");
    m_leftStretch->setMinimumSize(11, 465);
    m_leftStretch->setMaximumSize(11, QWIDGETSIZE_MAX);
    policy(m_leftStretch, QSizePolicy::Fixed, QSizePolicy::Expanding);
    hboxLayout1->addWidget(m_leftStretch);

    gridLayout1 = new QGridLayout();
    gridLayout1->setSpacing(0);
    gridLayout1->setContentsMargins(20, 5, 0, 5);
    name(gridLayout1, "gridLayout1");

    Chat = new QTabWidget(chatWidget);
    name(Chat, "Chat");
    policy(Chat, QSizePolicy::Expanding, QSizePolicy::MinimumExpanding);
    Chat->setMinimumSize(567, 225);
    Chat->setMaximumSize(QWIDGETSIZE_MAX, 225);
    Chat->setPalette(chatPalette());
    Chat->setFont(font("Verdana", 8));
    Chat->setLayoutDirection(Qt::LeftToRight);
    Chat->setAutoFillBackground(false);
    Chat->setTabPosition(QTabWidget::South);
    Chat->setTabShape(QTabWidget::Rounded);
    Chat->setIconSize(QSize(12, 12));

    // Page 0: tool row and input.
    chatpage = new QWidget();
    name(chatpage, "chatpage");
    gridLayout2 = new QGridLayout(chatpage);
    gridLayout2->setSpacing(0);
    gridLayout2->setContentsMargins(5, 5, 5, 5);
    name(gridLayout2, "gridLayout2");
    vboxLayout = new QVBoxLayout();
    vboxLayout->setSpacing(5);
    vboxLayout->setContentsMargins(0, 0, 0, 0);
    name(vboxLayout, "vboxLayout");
    hboxLayout2 = new QHBoxLayout();
    hboxLayout2->setSpacing(0);
    hboxLayout2->setContentsMargins(0, 0, 0, 0);
    name(hboxLayout2, "hboxLayout2");
    m_frame = new QFrame(chatpage);
    name(m_frame, "m_frame");
    policy(m_frame, QSizePolicy::Expanding, QSizePolicy::Fixed);
    m_frame->setMinimumSize(420, 38);
    m_frame->setMaximumSize(QWIDGETSIZE_MAX, 38);
    m_frame->setAutoFillBackground(true);
    m_frame->setFrameShape(QFrame::NoFrame);
    m_frame->setFrameShadow(QFrame::Sunken);
    hboxLayout3 = new QHBoxLayout(m_frame);
    hboxLayout3->setSpacing(0);
    hboxLayout3->setContentsMargins(0, 0, 0, 0);
    name(hboxLayout3, "hboxLayout3");
    hboxLayout4 = new QHBoxLayout();
    hboxLayout4->setSpacing(0);
    hboxLayout4->setContentsMargins(0, 0, 0, 0);
    name(hboxLayout4, "hboxLayout4");

    auto gap = [this]() {
        QSpacerItem *item = spacer(2, 20, QSizePolicy::Fixed, QSizePolicy::Minimum);
        hboxLayout4->addItem(item);
        return item;
    };
    m_boldButton = toolButton(m_frame, "m_boldButton", 16);
    m_boldButton->setFont(font("Verdana", 9, true));
    m_boldButton->setCheckable(true);
    m_boldButton->setAutoFillBackground(false);
    hboxLayout4->addWidget(m_boldButton);
    spacerItem2 = gap();
    m_italicButton = toolButton(m_frame, "m_italicButton", 16);
    m_italicButton->setFont(font("Verdana", 8, false, true));
    m_italicButton->setCheckable(true);
    m_italicButton->setAutoFillBackground(false);
    hboxLayout4->addWidget(m_italicButton);
    spacerItem3 = gap();
    m_underLineButton = toolButton(m_frame, "m_underLineButton", 16);
    m_underLineButton->setFont(font("Verdana", 8, true, false, true));
    m_underLineButton->setCheckable(true);
    m_underLineButton->setPalette(underlinePalette());
    hboxLayout4->addWidget(m_underLineButton);
    spacerItem4 = gap();
    m_colorButton = toolButton(m_frame, "m_colorButton", 16);
    m_colorButton->setFont(font("Verdana", 5, true));
    m_colorButton->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    m_colorButton->setAutoFillBackground(true);
    hboxLayout4->addWidget(m_colorButton);
    spacerItem5 = gap();
    m_backGroundColorButton = toolButton(m_frame, "m_backGroundColorButton", 16);
    m_backGroundColorButton->setFont(font("Verdana", 5, true));
    m_backGroundColorButton->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    m_backGroundColorButton->setAutoFillBackground(true);
    hboxLayout4->addWidget(m_backGroundColorButton);
    spacerItem6 = gap();
    m_smileyButton = toolButton(m_frame, "m_smileyButton", 20);
    m_smileyButton->setFont(font("Verdana", 8, true));
    hboxLayout4->addWidget(m_smileyButton);
    spacerItem7 = gap();
    m_deskTopCaptureButton = toolButton(m_frame, "m_deskTopCaptureButton", 25);
    m_deskTopCaptureButton->setFont(font("Verdana", 8, true));
    hboxLayout4->addWidget(m_deskTopCaptureButton);
    spacerItem8 = gap();
    m_insertImageToolButton = toolButton(m_frame, "m_insertImageToolButton", 20);
    hboxLayout4->addWidget(m_insertImageToolButton);
    spacerItem9 = gap();
    m_fileSend = toolButton(m_frame, "m_fileSend", 20);
    hboxLayout4->addWidget(m_fileSend);
    spacerItem10 = gap();
    m_savePushButton = toolButton(m_frame, "m_savePushButton", 20);
    m_savePushButton->setFont(font("Verdana", 8, true));
    hboxLayout4->addWidget(m_savePushButton);
    spacerItem11 = gap();
    m_conferenceButton = toolButton(m_frame, "m_conferenceButton", 20);
    m_conferenceButton->setMinimumSize(36, 35);
    m_conferenceButton->setMaximumSize(35, 35);
    hboxLayout4->addWidget(m_conferenceButton);
    spacerItem12 = gap();
    m_passwordProtectButton = toolButton(m_frame, "m_passwordProtectButton", 20);
    m_passwordProtectButton->setCheckable(true);
    hboxLayout4->addWidget(m_passwordProtectButton);
    spacerItem13 = gap();
    m_quickReplyButton = toolButton(m_frame, "m_quickReplyButton", 20);
    m_quickReplyButton->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    m_quickReplyButton->setPopupMode(QToolButton::DelayedPopup);
    hboxLayout4->addWidget(m_quickReplyButton);
    spacerItem14 = spacer(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum);
    hboxLayout4->addItem(spacerItem14);
    sendButton = new QPushButton(m_frame);
    name(sendButton, "sendButton");
    policy(sendButton, QSizePolicy::Fixed, QSizePolicy::Fixed);
    sendButton->setMinimumSize(74, 23);
    sendButton->setIconSize(QSize(67, 24));
    sendButton->setPalette(sendButtonPalette());
    hboxLayout4->addWidget(sendButton);
    spacerItem15 = spacer(10, 20, QSizePolicy::Fixed, QSizePolicy::Minimum);
    hboxLayout4->addItem(spacerItem15);
    hboxLayout3->addLayout(hboxLayout4);
    hboxLayout2->addWidget(m_frame);
    vboxLayout->addLayout(hboxLayout2);

    serverMessage = new QTextEdit(chatpage);
    name(serverMessage, "serverMessage");
    policy(serverMessage, QSizePolicy::Expanding, QSizePolicy::Fixed);
    serverMessage->setMinimumSize(549, 143);
    serverMessage->setFrameShape(QFrame::StyledPanel);
    serverMessage->setFrameShadow(QFrame::Sunken);
    serverMessage->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    serverMessage->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    serverMessage->setPalette(inputPalette());
    vboxLayout->addWidget(serverMessage);
    gridLayout2->addLayout(vboxLayout, 0, 0);
    Chat->addTab(chatpage, QString());

    // Pages 1 and 2: files sent and received, filled by Ui_chatFilePages.
    uploadfile = new QWidget();
    name(uploadfile, "uploadfile");
    Chat->addTab(uploadfile, QString());
    downLoadPage = new QWidget();
    name(downLoadPage, "downLoadPage");
    Chat->addTab(downLoadPage, QString());

    // Page 3: conference members, filled by Ui_chatConferencePage.
    Conference_Chat = new QWidget();
    name(Conference_Chat, "Conference_Chat");
    Chat->addTab(Conference_Chat, QString());

    gridLayout1->addWidget(Chat, 13, 0);

    hboxLayout6 = new QHBoxLayout();
    hboxLayout6->setSpacing(0);
    hboxLayout6->setContentsMargins(0, 0, 0, 0);
    name(hboxLayout6, "hboxLayout6");
    spacerItem20 = spacer(40, 5, QSizePolicy::Expanding, QSizePolicy::Minimum);
    hboxLayout6->addItem(spacerItem20);
    gridLayout1->addLayout(hboxLayout6, 0, 0);

    m_messageIndicationGif = new QLabel(chatWidget);
    name(m_messageIndicationGif, "m_messageIndicationGif");
    fixed(m_messageIndicationGif, 50, 25);
    policy(m_messageIndicationGif, QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_messageIndicationGif->setScaledContents(false);
    gridLayout1->addWidget(m_messageIndicationGif, 10, 0);

    // Peer card.
    hboxLayout7 = new QHBoxLayout();
    hboxLayout7->setSpacing(6);
    hboxLayout7->setContentsMargins(0, 0, 0, 0);
    name(hboxLayout7, "hboxLayout7");
    m_userStatusPixmap = new QLabel(chatWidget);
    name(m_userStatusPixmap, "m_userStatusPixmap");
    fixed(m_userStatusPixmap, 55, 45);
    policy(m_userStatusPixmap, QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_userStatusPixmap->setFont(familyOnly("Verdana"));
    m_userStatusPixmap->setCursor(Qt::PointingHandCursor);
    m_userStatusPixmap->setFrameShape(QFrame::NoFrame);
    m_userStatusPixmap->setScaledContents(true);
    hboxLayout7->addWidget(m_userStatusPixmap);
    vboxLayout5 = new QVBoxLayout();
    vboxLayout5->setSpacing(0);
    vboxLayout5->setContentsMargins(0, 0, 0, 0);
    name(vboxLayout5, "vboxLayout5");
    for (auto [label, objectName] : {std::pair<QLabel **, const char *>{&m_userNameLabel, "m_userNameLabel"},
                                     {&m_userRoleLabel, "m_userRoleLabel"},
                                     {&m_userStatusLabel, "m_userStatusLabel"}}) {
        *label = new QLabel(chatWidget);
        name(*label, objectName);
        fixed(*label, 311, 14);
        policy(*label, QSizePolicy::Fixed, QSizePolicy::Fixed);
        (*label)->setFont(font("Verdana", 8));
        (*label)->setFrameShape(QFrame::NoFrame);
        (*label)->setTextFormat(Qt::PlainText); // the peer's name, role and status message
        vboxLayout5->addWidget(*label);
    }
    hboxLayout7->addLayout(vboxLayout5);
    spacerItem21 = spacer(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum);
    hboxLayout7->addItem(spacerItem21);
    m_hideTreeViewButton = new QToolButton(chatWidget);
    name(m_hideTreeViewButton, "m_hideTreeViewButton");
    m_hideTreeViewButton->setAutoRaise(true);
    hboxLayout7->addWidget(m_hideTreeViewButton);
    gridLayout1->addLayout(hboxLayout7, 1, 0);

    m_messageTypeLabel = new QLabel(chatWidget);
    name(m_messageTypeLabel, "m_messageTypeLabel");
    fixed(m_messageTypeLabel, 390, 21);
    policy(m_messageTypeLabel, QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_messageTypeLabel->setFont(font("Verdana", 8, true));
    m_messageTypeLabel->setTextFormat(Qt::PlainText);
    gridLayout1->addWidget(m_messageTypeLabel, 11, 0);

    hboxLayout8 = new QHBoxLayout();
    name(hboxLayout8, "hboxLayout8");
    gridLayout1->addLayout(hboxLayout8, 7, 0);
    spacerItem22 = spacer(20, 2, QSizePolicy::Minimum, QSizePolicy::Fixed);
    gridLayout1->addItem(spacerItem22, 6, 0);
    spacerItem23 = spacer(20, 1, QSizePolicy::Minimum, QSizePolicy::Fixed);
    gridLayout1->addItem(spacerItem23, 9, 0);

    // Find bar: fixed geometry, no layout.
    m_findFrame = new QFrame(chatWidget);
    name(m_findFrame, "m_findFrame");
    policy(m_findFrame, QSizePolicy::Expanding, QSizePolicy::Fixed);
    m_findFrame->setMinimumSize(512, 30);
    m_findFrame->setMaximumSize(QWIDGETSIZE_MAX, 30);
    m_findFrame->setFrameShape(QFrame::NoFrame);
    m_findFrame->setFrameShadow(QFrame::Raised);
    m_findFrame->setAutoFillBackground(false);
    m_findCloseButton = findButton(m_findFrame, "m_findCloseButton", QRect(0, 6, 20, 20));
    m_findTextLineEdit = new QLineEdit(m_findFrame);
    name(m_findTextLineEdit, "m_findTextLineEdit");
    m_findTextLineEdit->setGeometry(QRect(30, 6, 125, 20));
    m_findTextLineEdit->setMaxLength(30);
    m_findTextLineEdit->setPalette(findFieldPalette());
    m_nextFindButton = findButton(m_findFrame, "m_nextFindButton", QRect(170, 6, 20, 20));
    m_previousFindButton = findButton(m_findFrame, "m_previousFindButton", QRect(200, 6, 20, 20));
    m_matchCaseCheckBox = new QCheckBox(m_findFrame);
    name(m_matchCaseCheckBox, "m_matchCaseCheckBox");
    m_matchCaseCheckBox->setGeometry(QRect(230, 8, 98, 18));
    m_matchCaseCheckBox->setFont(familyOnly("Tahoma"));
    m_wholeWordCheckBox = new QCheckBox(m_findFrame);
    name(m_wholeWordCheckBox, "m_wholeWordCheckBox");
    m_wholeWordCheckBox->setGeometry(QRect(331, 8, 98, 18));
    m_wholeWordCheckBox->setFont(familyOnly("Tahoma"));
    m_searchWrapped = new QLabel(m_findFrame);
    name(m_searchWrapped, "m_searchWrapped");
    m_searchWrapped->setGeometry(QRect(433, 8, 16, 16));
    m_searchWrapped->setScaledContents(true);
    m_wrappedLabel = new QLabel(m_findFrame);
    name(m_wrappedLabel, "m_wrappedLabel");
    m_wrappedLabel->setGeometry(QRect(453, 10, 78, 16));
    m_wrappedLabel->setFont(font("Tahoma", 8));
    m_wrappedLabel->setScaledContents(true);
    gridLayout1->addWidget(m_findFrame, 8, 0);

    // Transcript.
    totalMessage = new ZELTranscriptView(chatWidget);
    name(totalMessage, "totalMessage");
    totalMessage->setMinimumSize(567, 174);
    totalMessage->setFont(familyOnly("Verdana"));
    totalMessage->setUndoRedoEnabled(false);
    totalMessage->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::LinksAccessibleByMouse
                                          | Qt::LinksAccessibleByKeyboard);
    totalMessage->setPalette(transcriptPalette());
    gridLayout1->addWidget(totalMessage, 5, 0);
    spacerItem24 = spacer(20, 5, QSizePolicy::Minimum, QSizePolicy::Fixed);
    gridLayout1->addItem(spacerItem24, 4, 0);
    spacerItem25 = spacer(20, 5, QSizePolicy::Minimum, QSizePolicy::Fixed);
    gridLayout1->addItem(spacerItem25, 2, 0);

    // Delivery notice.
    hboxLayout9 = new QHBoxLayout();
    name(hboxLayout9, "hboxLayout9");
    m_messageDeliveredLabel = new QLabel(chatWidget);
    name(m_messageDeliveredLabel, "m_messageDeliveredLabel");
    policy(m_messageDeliveredLabel, QSizePolicy::Preferred, QSizePolicy::Fixed);
    m_messageDeliveredLabel->setMinimumSize(0, 19);
    hboxLayout9->addWidget(m_messageDeliveredLabel);
    spacerItem26 = spacer(5, 1, QSizePolicy::Fixed, QSizePolicy::Minimum);
    hboxLayout9->addItem(spacerItem26);
    m_messDeliveredCloseButton = new QToolButton(chatWidget);
    name(m_messDeliveredCloseButton, "m_messDeliveredCloseButton");
    fixed(m_messDeliveredCloseButton, 20, 20);
    m_messDeliveredCloseButton->setIconSize(QSize(20, 20));
    m_messDeliveredCloseButton->setAutoRaise(true);
    hboxLayout9->addWidget(m_messDeliveredCloseButton);
    gridLayout1->addLayout(hboxLayout9, 3, 0);
    spacerItem27 = spacer(20, 10, QSizePolicy::Minimum, QSizePolicy::Fixed);
    gridLayout1->addItem(spacerItem27, 14, 0);

    m_indicateFileReceivedLabel = new QLabel(chatWidget);
    name(m_indicateFileReceivedLabel, "m_indicateFileReceivedLabel");
    m_indicateFileReceivedLabel->setMinimumWidth(102);
    m_indicateFileReceivedLabel->setMaximumWidth(102);
    policy(m_indicateFileReceivedLabel, QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_indicateFileReceivedLabel->setPalette(filesNoticePalette());
    QFont noticeFont = familyOnly("Verdana");
    noticeFont.setUnderline(false);
    m_indicateFileReceivedLabel->setFont(noticeFont);
    m_indicateFileReceivedLabel->setCursor(Qt::PointingHandCursor);
    gridLayout1->addWidget(m_indicateFileReceivedLabel, 12, 0);

    hboxLayout1->addLayout(gridLayout1);

    // Participants panel.
    hboxLayout10 = new QHBoxLayout();
    hboxLayout10->setSpacing(0);
    hboxLayout10->setContentsMargins(5, 0, 5, 0);
    name(hboxLayout10, "hboxLayout10");
    spacerItem28 = spacer(1, 20, QSizePolicy::Fixed, QSizePolicy::Minimum);
    hboxLayout10->addItem(spacerItem28);
    vboxLayout6 = new QVBoxLayout();
    vboxLayout6->setSpacing(6);
    vboxLayout6->setContentsMargins(0, -1, 0, -1);
    name(vboxLayout6, "vboxLayout6");
    spacerItem29 = spacer(20, 45, QSizePolicy::Minimum, QSizePolicy::Fixed);
    vboxLayout6->addItem(spacerItem29);
    m_cListLabel = new QLabel(chatWidget);
    name(m_cListLabel, "m_cListLabel");
    m_cListLabel->setFont(font("Tahoma", 8, true));
    vboxLayout6->addWidget(m_cListLabel);
    m_conferenceChatFrame = new QTreeWidget(chatWidget);
    name(m_conferenceChatFrame, "m_conferenceChatFrame");
    m_conferenceChatFrame->setMinimumWidth(150);
    m_conferenceChatFrame->setMaximumWidth(150);
    policy(m_conferenceChatFrame, QSizePolicy::Fixed, QSizePolicy::Expanding);
    m_conferenceChatFrame->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_conferenceChatFrame->setSelectionMode(QAbstractItemView::NoSelection);
    m_conferenceChatFrame->setIndentation(0);
    m_conferenceChatFrame->setUniformRowHeights(false);
    vboxLayout6->addWidget(m_conferenceChatFrame);
    spacerItem30 = spacer(20, 40, QSizePolicy::Minimum, QSizePolicy::Fixed);
    vboxLayout6->addItem(spacerItem30);
    hboxLayout10->addLayout(vboxLayout6);
    spacerItem31 = spacer(1, 20, QSizePolicy::Fixed, QSizePolicy::Minimum);
    hboxLayout10->addItem(spacerItem31);
    hboxLayout1->addLayout(hboxLayout10);

    m_rightStretch = frameLabel(chatWidget, "m_rightStretch");
    m_rightStretch->setMinimumSize(11, 465);
    m_rightStretch->setMaximumSize(11, QWIDGETSIZE_MAX);
    policy(m_rightStretch, QSizePolicy::Fixed, QSizePolicy::Expanding);
    hboxLayout1->addWidget(m_rightStretch);
    gridLayout->addLayout(hboxLayout1, 1, 0);

    // Bottom edge.
    hboxLayout11 = new QHBoxLayout();
    hboxLayout11->setSpacing(0);
    hboxLayout11->setContentsMargins(0, 0, 0, 0);
    name(hboxLayout11, "hboxLayout11");
    m_leftBottomCorner = frameLabel(chatWidget, "m_leftBottomCorner");
    fixed(m_leftBottomCorner, 11, 11);
    policy(m_leftBottomCorner, QSizePolicy::Fixed, QSizePolicy::Fixed);
    hboxLayout11->addWidget(m_leftBottomCorner);
    m_bottomStretch = frameLabel(chatWidget, "m_bottomStretch");
    m_bottomStretch->setMinimumSize(438, 11);
    m_bottomStretch->setMaximumSize(QWIDGETSIZE_MAX, 11);
    policy(m_bottomStretch, QSizePolicy::Expanding, QSizePolicy::Fixed);
    m_bottomStretch->setAlignment(Qt::AlignCenter);
    hboxLayout11->addWidget(m_bottomStretch);
    m_rightBottomCorner = frameLabel(chatWidget, "m_rightBottomCorner");
    fixed(m_rightBottomCorner, 11, 11);
    policy(m_rightBottomCorner, QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_rightBottomCorner->setCursor(Qt::SizeFDiagCursor);
    hboxLayout11->addWidget(m_rightBottomCorner);
    gridLayout->addLayout(hboxLayout11, 2, 0);

    const QWidget *order[] = {
        totalMessage, m_findCloseButton, m_findTextLineEdit, m_nextFindButton, m_previousFindButton,
        m_matchCaseCheckBox, m_wholeWordCheckBox, Chat, m_boldButton, m_italicButton, m_underLineButton,
        m_colorButton, m_backGroundColorButton, m_smileyButton, m_deskTopCaptureButton,
        m_insertImageToolButton, m_fileSend, m_savePushButton, m_conferenceButton, m_passwordProtectButton,
        m_quickReplyButton, sendButton, serverMessage, m_messDeliveredCloseButton, m_conferenceChatFrame,
        m_hideTreeViewButton, m_minimizeButton, m_closeButton, m_maximizeButton};
    for (size_t i = 1; i < sizeof(order) / sizeof(order[0]); ++i)
        QWidget::setTabOrder(const_cast<QWidget *>(order[i - 1]), const_cast<QWidget *>(order[i]));

    retranslateUi(chatWidget);

    Chat->setCurrentIndex(3);

    QMetaObject::connectSlotsByName(chatWidget);
}

void Ui_chatWidget::retranslateUi(QWidget *chatWidget)
{
    chatWidget->setWindowTitle(tr("Chat"));
    m_minimizeButton->setToolTip(tr("Minimize"));
    m_maximizeButton->setToolTip(tr("Maximize"));
    m_closeButton->setToolTip(tr("Close"));
    m_boldButton->setToolTip(tr("Bold (Ctrl+B)"));
    m_italicButton->setToolTip(tr("Italic (Ctrl+I)"));
    m_underLineButton->setToolTip(tr("UnderLine (Ctrl+U)"));
    // Lower half blocks under the icon: the chosen colour shows as a bar.
    m_colorButton->setText(tr("\u2584\u2584\u2584\u2584"));
    m_colorButton->setToolTip(tr("Font Color"));
    m_backGroundColorButton->setText(tr("\u2584\u2584\u2584\u2584"));
    m_backGroundColorButton->setToolTip(tr("Background Color"));
    m_smileyButton->setToolTip(tr("Smiley (Ctrl+E)"));
    m_deskTopCaptureButton->setToolTip(tr("Screen Capture (Ctrl+D)"));
    m_insertImageToolButton->setToolTip(tr("Insert Image (Ctrl+P)"));
    m_fileSend->setToolTip(tr("File Transfer (Ctrl+T)"));
    m_savePushButton->setToolTip(tr("Save Chat Session (Ctrl+S)"));
    m_conferenceButton->setToolTip(tr("Change Conference Chat (Ctrl+M)"));
    m_passwordProtectButton->setToolTip(tr("Password Protected Message (Alt+P)"));
    m_quickReplyButton->setToolTip(tr("Quick Reply Message"));
    sendButton->setText(tr("Send"));
    sendButton->setToolTip(tr("Send Message"));
    Chat->setTabText(Chat->indexOf(chatpage), tr("Chat"));
    Chat->setTabText(Chat->indexOf(uploadfile), tr("Upload Status"));
    Chat->setTabText(Chat->indexOf(downLoadPage), tr("Download Status"));
    Chat->setTabText(Chat->indexOf(Conference_Chat), tr("Conference Chat"));
    m_hideTreeViewButton->setToolTip(tr("Show Conference Chat Users List"));
    m_findCloseButton->setToolTip(tr("Close"));
    m_nextFindButton->setToolTip(tr("Next"));
    m_previousFindButton->setToolTip(tr("Previous"));
    m_matchCaseCheckBox->setText(tr("  Match Case"));
    m_wholeWordCheckBox->setText(tr("  Whole Words"));
    m_wrappedLabel->setText(tr("Search wrapped"));
    totalMessage->setHtml(tr(
        "<html><head><meta name=\"qrichtext\" content=\"1\" /><style type=\"text/css\">\n"
        "p, li { white-space: pre-wrap; }\n"
        "</style></head><body style=\" font-family:'Verdana'; font-size:8.25pt; font-weight:400; "
        "font-style:normal;\">\n"
        "<p style=\"-qt-paragraph-type:empty; margin-top:12px; margin-bottom:12px; margin-left:0px; "
        "margin-right:0px; -qt-block-indent:0; text-indent:0px; font-size:8pt; font-weight:600;\"><br /></p>"
        "</body></html>"));
    m_messDeliveredCloseButton->setToolTip(tr("Close"));
    m_cListLabel->setText(tr("Conference Users"));
    m_conferenceChatFrame->headerItem()->setText(0, tr("1"));
}

void Ui_chatFilePages::setupUi(Ui_chatWidget &form)
{
    // Page 1: files sent.
    gridLayout3 = new QGridLayout(form.uploadfile);
    gridLayout3->setSpacing(6);
    gridLayout3->setContentsMargins(9, 9, 9, 9);
    name(gridLayout3, "gridLayout3");
    vboxLayout1 = new QVBoxLayout();
    vboxLayout1->setSpacing(6);
    vboxLayout1->setContentsMargins(0, 0, 0, 0);
    name(vboxLayout1, "vboxLayout1");
    m_sendFileDetails = new QLabel(form.uploadfile);
    name(m_sendFileDetails, "m_sendFileDetails");
    m_sendFileDetails->setFont(font("Verdana", 8, true));
    vboxLayout1->addWidget(m_sendFileDetails);
    m_uploadedFiletable = new QTableWidget(form.uploadfile);
    name(m_uploadedFiletable, "m_uploadedFiletable");
    m_uploadedFiletable->setMinimumSize(410, 110);
    m_uploadedFiletable->setContextMenuPolicy(Qt::NoContextMenu);
    setupFileTable(m_uploadedFiletable);
    vboxLayout1->addWidget(m_uploadedFiletable);
    m_dragAndDropFileNameLable = new QLabel(form.uploadfile);
    name(m_dragAndDropFileNameLable, "m_dragAndDropFileNameLable");
    vboxLayout1->addWidget(m_dragAndDropFileNameLable);
    gridLayout3->addLayout(vboxLayout1, 0, 0, 3, 2);

    // Page 2: files received.
    gridLayout4 = new QGridLayout(form.downLoadPage);
    gridLayout4->setSpacing(6);
    gridLayout4->setContentsMargins(9, 9, 9, 9);
    name(gridLayout4, "gridLayout4");
    m_ftpCancel = downloadButton(form.downLoadPage, "m_ftpCancel");
    gridLayout4->addWidget(m_ftpCancel, 2, 5);
    m_ftpOk = downloadButton(form.downLoadPage, "m_ftpOk");
    gridLayout4->addWidget(m_ftpOk, 2, 4);
    m_browsebutton = downloadButton(form.downLoadPage, "m_browsebutton");
    gridLayout4->addWidget(m_browsebutton, 2, 2);
    m_fileStatusLabel = new QLabel(form.downLoadPage);
    name(m_fileStatusLabel, "m_fileStatusLabel");
    fixed(m_fileStatusLabel, 140, 16);
    policy(m_fileStatusLabel, QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_fileStatusLabel->setFont(font("Verdana", 8, true));
    gridLayout4->addWidget(m_fileStatusLabel, 1, 4, 1, 2);
    m_statusLabel = new QLabel(form.downLoadPage);
    name(m_statusLabel, "m_statusLabel");
    fixed(m_statusLabel, 56, 16);
    policy(m_statusLabel, QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_statusLabel->setFont(font("Verdana", 8));
    gridLayout4->addWidget(m_statusLabel, 1, 3);
    m_recievedFileLabel = new QLabel(form.downLoadPage);
    name(m_recievedFileLabel, "m_recievedFileLabel");
    m_recievedFileLabel->setMinimumSize(161, 16);
    m_recievedFileLabel->setMaximumSize(QWIDGETSIZE_MAX, 16);
    policy(m_recievedFileLabel, QSizePolicy::Expanding, QSizePolicy::Fixed);
    m_recievedFileLabel->setFont(font("Verdana", 8, true));
    m_recievedFileLabel->setWordWrap(false);
    gridLayout4->addWidget(m_recievedFileLabel, 1, 1, 1, 2);
    textLabel1 = new QLabel(form.downLoadPage);
    name(textLabel1, "textLabel1");
    fixed(textLabel1, 35, 11);
    policy(textLabel1, QSizePolicy::Fixed, QSizePolicy::Fixed);
    textLabel1->setFont(font("Verdana", 8));
    gridLayout4->addWidget(textLabel1, 1, 0);
    m_recievedFileDetails = new QLabel(form.downLoadPage);
    name(m_recievedFileDetails, "m_recievedFileDetails");
    fixed(m_recievedFileDetails, 160, 20);
    policy(m_recievedFileDetails, QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_recievedFileDetails->setFont(font("Verdana", 8, true));
    gridLayout4->addWidget(m_recievedFileDetails, 0, 0, 1, 3);
    m_defaultFileLocation = new QLineEdit(form.downLoadPage);
    name(m_defaultFileLocation, "m_defaultFileLocation");
    m_defaultFileLocation->setReadOnly(true);
    m_defaultFileLocation->setFont(font("Verdana", 8));
    m_defaultFileLocation->setPalette(folderFieldPalette());
    gridLayout4->addWidget(m_defaultFileLocation, 2, 0, 1, 2);
    m_downLoadProgressBar = new QLabel(form.downLoadPage);
    name(m_downLoadProgressBar, "m_downLoadProgressBar");
    fixed(m_downLoadProgressBar, 60, 20);
    policy(m_downLoadProgressBar, QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_downLoadProgressBar->setScaledContents(true);
    gridLayout4->addWidget(m_downLoadProgressBar, 0, 5);
    m_dowLoadtable = new QTableWidget(form.downLoadPage);
    name(m_dowLoadtable, "m_dowLoadtable");
    m_dowLoadtable->setMinimumSize(407, 57);
    setupFileTable(m_dowLoadtable);
    gridLayout4->addWidget(m_dowLoadtable, 3, 0, 1, 6);

    // Into the form's tab chain where the pages stand, after the participants
    // button and before the conference page.
    QWidget *previous = form.m_hideTreeViewButton;
    for (QWidget *w : {static_cast<QWidget *>(m_uploadedFiletable), static_cast<QWidget *>(m_defaultFileLocation),
                       static_cast<QWidget *>(m_browsebutton), static_cast<QWidget *>(m_ftpOk),
                       static_cast<QWidget *>(m_ftpCancel), static_cast<QWidget *>(m_dowLoadtable)}) {
        QWidget::setTabOrder(previous, w);
        previous = w;
    }

    retranslateUi();
}

void Ui_chatFilePages::retranslateUi()
{
    m_sendFileDetails->setText(tr("Uploaded File Details"));
    const QString cornerSheet = QStringLiteral(
        "QTableCornerButton::section { background: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1, "
        "stop: 0 #616161, stop: 0.5 #505050, stop: 0.6 #434343, stop: 1 #656565); }");
    m_uploadedFiletable->setStyleSheet(cornerSheet);
    m_ftpCancel->setText(tr("Decline"));
    m_ftpCancel->setToolTip(tr("Decline File"));
    m_ftpOk->setText(tr("Accept"));
    m_ftpOk->setToolTip(tr("Accept File"));
    m_browsebutton->setText(tr("Browse..."));
    m_browsebutton->setToolTip(tr("Browse"));
    m_statusLabel->setText(tr("Status   :"));
    textLabel1->setText(tr("File  :"));
    m_recievedFileDetails->setText(tr("Incoming file Details"));
    m_dowLoadtable->setStyleSheet(cornerSheet);
}

void Ui_chatConferencePage::setupUi(Ui_chatWidget &form)
{
    gridLayout5 = new QGridLayout(form.Conference_Chat);
    gridLayout5->setSpacing(6);
    gridLayout5->setContentsMargins(9, 9, 9, 9);
    name(gridLayout5, "gridLayout5");
    hboxLayout5 = new QHBoxLayout();
    hboxLayout5->setSpacing(10);
    hboxLayout5->setContentsMargins(0, 0, 0, 0);
    name(hboxLayout5, "hboxLayout5");
    vboxLayout2 = new QVBoxLayout();
    vboxLayout2->setSpacing(0);
    vboxLayout2->setContentsMargins(0, 0, 0, 0);
    name(vboxLayout2, "vboxLayout2");
    m_listOfOnLineUsersLabel = new QLabel(form.Conference_Chat);
    name(m_listOfOnLineUsersLabel, "m_listOfOnLineUsersLabel");
    fixed(m_listOfOnLineUsersLabel, 121, 20);
    policy(m_listOfOnLineUsersLabel, QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_listOfOnLineUsersLabel->setFont(font("Verdana", 8));
    vboxLayout2->addWidget(m_listOfOnLineUsersLabel);
    m_onlineUsersListBox = new QListWidget(form.Conference_Chat);
    name(m_onlineUsersListBox, "m_onlineUsersListBox");
    m_onlineUsersListBox->setMinimumSize(121, 107);
    m_onlineUsersListBox->setFrameShadow(QFrame::Plain);
    m_onlineUsersListBox->setSelectionMode(QAbstractItemView::ExtendedSelection);
    vboxLayout2->addWidget(m_onlineUsersListBox);
    hboxLayout5->addLayout(vboxLayout2);
    vboxLayout3 = new QVBoxLayout();
    vboxLayout3->setSpacing(0);
    vboxLayout3->setContentsMargins(0, 0, 0, 0);
    name(vboxLayout3, "vboxLayout3");
    spacerItem16 = spacer(20, 14, QSizePolicy::Minimum, QSizePolicy::Expanding);
    vboxLayout3->addItem(spacerItem16);
    m_inviteChatButton = conferenceButton(form.Conference_Chat, "m_inviteChatButton");
    vboxLayout3->addWidget(m_inviteChatButton);
    spacerItem17 = spacer(20, 14, QSizePolicy::Minimum, QSizePolicy::Fixed);
    vboxLayout3->addItem(spacerItem17);
    m_stopChatButton = conferenceButton(form.Conference_Chat, "m_stopChatButton");
    vboxLayout3->addWidget(m_stopChatButton);
    spacerItem18 = spacer(20, 14, QSizePolicy::Minimum, QSizePolicy::Fixed);
    vboxLayout3->addItem(spacerItem18);
    m_removeChatButton = conferenceButton(form.Conference_Chat, "m_removeChatButton");
    m_removeChatButton->setMouseTracking(true);
    vboxLayout3->addWidget(m_removeChatButton);
    spacerItem19 = spacer(20, 14, QSizePolicy::Minimum, QSizePolicy::Expanding);
    vboxLayout3->addItem(spacerItem19);
    hboxLayout5->addLayout(vboxLayout3);
    vboxLayout4 = new QVBoxLayout();
    vboxLayout4->setSpacing(0);
    vboxLayout4->setContentsMargins(0, 0, 0, 0);
    name(vboxLayout4, "vboxLayout4");
    m_chatRoomtextLabel = new QLabel(form.Conference_Chat);
    name(m_chatRoomtextLabel, "m_chatRoomtextLabel");
    fixed(m_chatRoomtextLabel, 140, 20);
    policy(m_chatRoomtextLabel, QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_chatRoomtextLabel->setFont(font("Verdana", 8));
    vboxLayout4->addWidget(m_chatRoomtextLabel);
    m_chatRoomListBox = new QListWidget(form.Conference_Chat);
    name(m_chatRoomListBox, "m_chatRoomListBox");
    m_chatRoomListBox->setMinimumSize(121, 109);
    m_chatRoomListBox->setFrameShape(QFrame::StyledPanel);
    m_chatRoomListBox->setFrameShadow(QFrame::Plain);
    m_chatRoomListBox->setSelectionMode(QAbstractItemView::MultiSelection);
    vboxLayout4->addWidget(m_chatRoomListBox);
    hboxLayout5->addLayout(vboxLayout4);
    gridLayout5->addLayout(hboxLayout5, 0, 0);

    // Into the form's tab chain where the page stands, after everything else
    // the form holds and before the title buttons.
    QWidget *previous = form.m_minimizeButton->previousInFocusChain();
    for (QWidget *w : {static_cast<QWidget *>(m_onlineUsersListBox), static_cast<QWidget *>(m_inviteChatButton),
                       static_cast<QWidget *>(m_stopChatButton), static_cast<QWidget *>(m_removeChatButton),
                       static_cast<QWidget *>(m_chatRoomListBox)}) {
        QWidget::setTabOrder(previous, w);
        previous = w;
    }

    retranslateUi();
}

void Ui_chatConferencePage::retranslateUi()
{
    m_listOfOnLineUsersLabel->setText(tr("List Of Online Users"));
    m_inviteChatButton->setText(tr("Invite"));
    m_inviteChatButton->setToolTip(tr("Invite User"));
    m_stopChatButton->setText(tr("Stop"));
    m_stopChatButton->setToolTip(tr("Stop Conference Chat"));
    m_removeChatButton->setText(tr("Remove"));
    m_removeChatButton->setToolTip(tr("Remove User"));
    m_chatRoomtextLabel->setText(tr("Conference Chat Users"));
}
