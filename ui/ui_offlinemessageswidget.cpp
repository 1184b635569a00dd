#include /* form */ "ui/ui_offlinemessageswidget.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QMetaObject>
#include <QtGui/QLinearGradient>
#include <QtGui/QPalette>

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

QPalette palette(RoleList roles)
{
    QPalette p;
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        fill(p, group, roles);
    return p;
}

QPalette titlePalette()
{
    QPalette p = palette({{QPalette::WindowText, "#000000"}, {QPalette::Button, "#ece9d8"},
                          {QPalette::Light, "#ffffff"}, {QPalette::Midlight, "#f1efe2"},
                          {QPalette::Dark, "#aca899"}, {QPalette::Mid, "#9d9b90"}, {QPalette::Text, "#000000"},
                          {QPalette::BrightText, "#ffffff"}, {QPalette::ButtonText, "#000000"},
                          {QPalette::Base, "#ffffff"}, {QPalette::Window, "#ece9d8"}, {QPalette::Shadow, "#716f64"},
                          {QPalette::Highlight, "#316ac5"}, {QPalette::HighlightedText, "#ffffff"},
                          {QPalette::Link, "#0000ff"}, {QPalette::LinkVisited, "#ff00ff"},
                          {QPalette::AlternateBase, "#e9e7e3"}});
    fill(p, QPalette::Inactive, {{QPalette::Highlight, "#ece9d8"}, {QPalette::HighlightedText, "#000000"}});
    fill(p, QPalette::Disabled, {{QPalette::WindowText, "#76746c"}, {QPalette::Midlight, "#f5f4eb"},
                                 {QPalette::Text, "#76746c"}, {QPalette::ButtonText, "#76746c"},
                                 {QPalette::Base, "#ece9d8"}, {QPalette::Shadow, "#000000"},
                                 {QPalette::AlternateBase, "#f5f4eb"}});
    return p;
}

QPalette tablePalette()
{
    QPalette p = palette({{QPalette::WindowText, "#000000"}, {QPalette::Button, "#616161"},
                          {QPalette::Light, "#f0f5fb"}, {QPalette::Midlight, "#ffffff"}, {QPalette::Dark, "#ffffff"},
                          {QPalette::Mid, "#9d9b90"}, {QPalette::Text, "#000000"}, {QPalette::BrightText, "#ffffff"},
                          {QPalette::ButtonText, "#000000"}, {QPalette::Base, "#ffffff"},
                          {QPalette::Window, "#ffffff"}, {QPalette::Shadow, "#90d1f7"},
                          {QPalette::HighlightedText, "#550000"}, {QPalette::Link, "#0000ff"},
                          {QPalette::LinkVisited, "#ff00ff"}, {QPalette::AlternateBase, "#f8fcff"}});
    fill(p, QPalette::Disabled, {{QPalette::WindowText, "#ffffff"}, {QPalette::Text, "#ffffff"},
                                 {QPalette::ButtonText, "#ffffff"}});
    // Pink in a selected cell's top-left corner, fading to white at its centre.
    QLinearGradient highlight(0, 0, 0.5, 0.5);
    highlight.setCoordinateMode(QGradient::ObjectBoundingMode);
    highlight.setSpread(QGradient::PadSpread);
    highlight.setColorAt(0, QColor(255, 146, 187));
    highlight.setColorAt(1, QColor(255, 255, 255));
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        p.setBrush(group, QPalette::Highlight, QBrush(highlight));
    return p;
}

QPalette fileButtonPalette()
{
    QPalette p = palette({{QPalette::WindowText, "#000000"}, {QPalette::Button, "#d5ebff"},
                          {QPalette::Light, "#ffffff"}, {QPalette::Midlight, "#d2f1f7"}, {QPalette::Dark, "#93d8fa"},
                          {QPalette::Mid, "#ffffff"}, {QPalette::Text, "#000000"}, {QPalette::BrightText, "#ffffff"},
                          {QPalette::ButtonText, "#000000"}, {QPalette::Base, "#ffffff"},
                          {QPalette::Window, "#ece9d8"}, {QPalette::Shadow, "#f2f8ff"},
                          {QPalette::Highlight, "#316ac5"}, {QPalette::HighlightedText, "#ffffff"},
                          {QPalette::Link, "#0000ff"}, {QPalette::LinkVisited, "#ff00ff"},
                          {QPalette::AlternateBase, "#e8e8e8"}});
    fill(p, QPalette::Inactive, {{QPalette::Highlight, "#ece9d8"}, {QPalette::HighlightedText, "#000000"}});
    fill(p, QPalette::Disabled, {{QPalette::WindowText, "#93d8fa"}, {QPalette::Text, "#93d8fa"},
                                 {QPalette::ButtonText, "#76746c"}, {QPalette::Base, "#ece9d8"}});
    return p;
}

QPalette messagePalette()
{
    QPalette p = palette({{QPalette::WindowText, "#000000"}, {QPalette::Midlight, "#f5f4eb"},
                          {QPalette::Dark, "#d3d3d3"}, {QPalette::Text, "#000000"}, {QPalette::ButtonText, "#000000"},
                          {QPalette::Shadow, "#000000"}, {QPalette::Highlight, "#93d8fa"},
                          {QPalette::AlternateBase, "#f5f4eb"}});
    fill(p, QPalette::Disabled, {{QPalette::WindowText, "#d3d3d3"}, {QPalette::Text, "#d3d3d3"},
                                 {QPalette::ButtonText, "#d3d3d3"}, {QPalette::Highlight, "#316ac5"},
                                 {QPalette::AlternateBase, "#ece9d8"}});
    return p;
}

QPalette folderFieldPalette()
{
    QPalette p = palette({{QPalette::Highlight, "#90d1f7"}});
    fill(p, QPalette::Disabled, {{QPalette::Highlight, "#316ac5"}});
    return p;
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

QLabel *frameLabel(QWidget *parent, const char *objectName, int width, int height)
{
    auto *label = new QLabel(parent);
    name(label, objectName);
    policy(label, QSizePolicy::Fixed, QSizePolicy::Fixed);
    fixed(label, width, height);
    label->setAutoFillBackground(true);
    return label;
}

QLabel *sideLabel(QWidget *parent, const char *objectName)
{
    auto *label = new QLabel(parent);
    name(label, objectName);
    policy(label, QSizePolicy::Fixed, QSizePolicy::Expanding);
    label->setMinimumSize(11, 239);
    label->setMaximumSize(11, QWIDGETSIZE_MAX);
    label->setAutoFillBackground(true);
    return label;
}

QPushButton *titleButton(QWidget *parent, const char *objectName)
{
    auto *button = new QPushButton(parent);
    name(button, objectName);
    policy(button, QSizePolicy::Fixed, QSizePolicy::Fixed);
    fixed(button, 12, 11);
    button->setFlat(true);
    button->setAutoFillBackground(true);
    return button;
}

QPushButton *inboxButton(QWidget *parent, const char *objectName, bool fixedSize)
{
    auto *button = new QPushButton(parent);
    name(button, objectName);
    if (fixedSize) {
        policy(button, QSizePolicy::Fixed, QSizePolicy::Fixed);
        fixed(button, 75, 23);
    }
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

QPushButton *fileButton(QWidget *parent, const char *objectName)
{
    auto *button = new QPushButton(parent);
    name(button, objectName);
    policy(button, QSizePolicy::Fixed, QSizePolicy::Fixed);
    fixed(button, 70, 23);
    button->setPalette(fileButtonPalette());
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

QLabel *fixedLabel(QWidget *parent, const char *objectName, int width, int height)
{
    auto *label = new QLabel(parent);
    name(label, objectName);
    policy(label, QSizePolicy::Fixed, QSizePolicy::Fixed);
    if (width > 0)
        fixed(label, width, height);
    return label;
}

QString tr(const char *text)
{
    return QCoreApplication::translate("OfflineMessagesWidget", text);
}

} // namespace

void Ui_OfflineMessagesWidget::setupUi(QWidget *OfflineMessagesWidget)
{
    QWidget *w = OfflineMessagesWidget;
    if (w->objectName().isEmpty())
        name(w, "OfflineMessagesWidget");
    w->resize(564, 551);
    policy(w, QSizePolicy::Expanding, QSizePolicy::Expanding);
    w->setMinimumSize(544, 551);

    gridLayout = new QGridLayout(w);
    name(gridLayout, "gridLayout");
    gridLayout->setSpacing(0);
    gridLayout->setContentsMargins(0, 0, 0, 0);

    // Title band
    hboxLayout = new QHBoxLayout();
    name(hboxLayout, "hboxLayout");
    hboxLayout->setSpacing(0);
    hboxLayout->setContentsMargins(0, 0, 0, 0);
    m_leftTopCorner = frameLabel(w, "m_leftTopCorner", 11, 20);
    hboxLayout->addWidget(m_leftTopCorner);
    m_logoLabel = new QLabel(w);
    name(m_logoLabel, "m_logoLabel");
    policy(m_logoLabel, QSizePolicy::Expanding, QSizePolicy::Fixed);
    m_logoLabel->setMinimumSize(450, 20);
    m_logoLabel->setMaximumSize(QWIDGETSIZE_MAX, 20);
    m_logoLabel->setPalette(titlePalette());
    QFont titleFont;
    titleFont.setFamily(QString::fromLatin1("Verdana"));
    titleFont.setPointSize(8);
    titleFont.setWeight(QFont::Bold);
    titleFont.setItalic(false);
    titleFont.setUnderline(false);
    titleFont.setStrikeOut(false);
    m_logoLabel->setFont(titleFont);
    m_logoLabel->setAlignment(Qt::AlignCenter);
    hboxLayout->addWidget(m_logoLabel);
    hboxLayout->addItem(spacer(4, 12, QSizePolicy::Fixed, QSizePolicy::Minimum));
    m_minimizeButton = titleButton(w, "m_minimizeButton");
    hboxLayout->addWidget(m_minimizeButton);
    hboxLayout->addItem(spacer(4, 20, QSizePolicy::Fixed, QSizePolicy::Minimum));
    m_closeButton = titleButton(w, "m_closeButton");
    hboxLayout->addWidget(m_closeButton);
    m_rightTopCorner = frameLabel(w, "m_rightTopCorner", 11, 20);
    hboxLayout->addWidget(m_rightTopCorner);

    // Body band
    hboxLayout1 = new QHBoxLayout();
    name(hboxLayout1, "hboxLayout1");
    hboxLayout1->setSpacing(0);
    hboxLayout1->setContentsMargins(0, 0, 0, 0);
    m_leftStretch = sideLabel(w, "m_leftStretch");
    hboxLayout1->addWidget(m_leftStretch);
    hboxLayout1->addItem(spacer(10, 20, QSizePolicy::Fixed, QSizePolicy::Minimum));

    vboxLayout = new QVBoxLayout();
    name(vboxLayout, "vboxLayout");
    vboxLayout->setSpacing(0);
    vboxLayout->setContentsMargins(0, 0, 0, 0);
    vboxLayout->addItem(spacer(20, 20, QSizePolicy::Minimum, QSizePolicy::Fixed));
    vboxLayout->addItem(spacer(20, 0, QSizePolicy::Minimum, QSizePolicy::Fixed));
    m_offlineTabWidget = new QTabWidget(w);
    name(m_offlineTabWidget, "m_offlineTabWidget");
    m_offlineTabWidget->setTabPosition(QTabWidget::North);

    // Page 0: the inbox
    OfflineMessageTab = new QWidget();
    name(OfflineMessageTab, "OfflineMessageTab");
    vboxLayout1 = new QVBoxLayout(OfflineMessageTab);
    name(vboxLayout1, "vboxLayout1");
    vboxLayout1->addItem(spacer(494, 16, QSizePolicy::Minimum, QSizePolicy::Fixed));
    label = fixedLabel(OfflineMessageTab, "label", 211, 18);
    vboxLayout1->addWidget(label);
    m_offlineTable = new QTableWidget(OfflineMessageTab);
    name(m_offlineTable, "m_offlineTable");
    policy(m_offlineTable, QSizePolicy::Preferred, QSizePolicy::Fixed);
    m_offlineTable->setMinimumSize(400, 150);
    m_offlineTable->setMaximumSize(QWIDGETSIZE_MAX, 150);
    m_offlineTable->setPalette(tablePalette());
    m_offlineTable->setFocusPolicy(Qt::WheelFocus);
    m_offlineTable->setAlternatingRowColors(true);
    m_offlineTable->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_offlineTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_offlineTable->setSortingEnabled(false);
    m_offlineTable->setWordWrap(true);
    m_offlineTable->setCornerButtonEnabled(false);
    vboxLayout1->addWidget(m_offlineTable);
    vboxLayout1->addItem(spacer(20, 5, QSizePolicy::Minimum, QSizePolicy::Fixed));
    label_2 = fixedLabel(OfflineMessageTab, "label_2", 0, 0);
    vboxLayout1->addWidget(label_2);
    hboxLayout2 = new QHBoxLayout();
    name(hboxLayout2, "hboxLayout2");
    m_messageBox = new ZELMessageBrowser(OfflineMessageTab);
    name(m_messageBox, "m_messageBox");
    policy(m_messageBox, QSizePolicy::Preferred, QSizePolicy::Preferred);
    m_messageBox->setMinimumSize(400, 85);
    m_messageBox->setPalette(messagePalette());
    hboxLayout2->addWidget(m_messageBox);
    vboxLayout1->addLayout(hboxLayout2);
    vboxLayout1->addItem(spacer(20, 10, QSizePolicy::Minimum, QSizePolicy::Fixed));
    hboxLayout3 = new QHBoxLayout();
    name(hboxLayout3, "hboxLayout3");
    hboxLayout3->setSpacing(0);
    hboxLayout3->setContentsMargins(0, 0, 0, 0);
    hboxLayout3->addItem(spacer(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
    m_replyPushButton = inboxButton(OfflineMessageTab, "m_replyPushButton", false);
    hboxLayout3->addWidget(m_replyPushButton);
    hboxLayout3->addItem(spacer(15, 20, QSizePolicy::Fixed, QSizePolicy::Minimum));
    m_deleteButton = inboxButton(OfflineMessageTab, "m_deleteButton", true);
    hboxLayout3->addWidget(m_deleteButton);
    hboxLayout3->addItem(spacer(15, 20, QSizePolicy::Fixed, QSizePolicy::Minimum));
    m_deleteAllButton = inboxButton(OfflineMessageTab, "m_deleteAllButton", false);
    hboxLayout3->addWidget(m_deleteAllButton);
    hboxLayout3->addItem(spacer(15, 20, QSizePolicy::Fixed, QSizePolicy::Minimum));
    m_cancelButton = inboxButton(OfflineMessageTab, "m_cancelButton", true);
    hboxLayout3->addWidget(m_cancelButton);
    hboxLayout3->addItem(spacer(33, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
    vboxLayout1->addLayout(hboxLayout3);
    vboxLayout1->addItem(spacer(494, 1, QSizePolicy::Minimum, QSizePolicy::Fixed));
    m_offlineTabWidget->addTab(OfflineMessageTab, QString());

    // Page 1: the offline files
    FTPTab = new QWidget();
    name(FTPTab, "FTPTab");
    vboxLayout2 = new QVBoxLayout(FTPTab);
    name(vboxLayout2, "vboxLayout2");
    gridLayout1 = new QGridLayout();
    name(gridLayout1, "gridLayout1");
    gridLayout1->addItem(spacer(20, 10, QSizePolicy::Minimum, QSizePolicy::Fixed), 0, 0);
    m_recievedFileDetails = fixedLabel(FTPTab, "m_recievedFileDetails", 160, 20);
    gridLayout1->addWidget(m_recievedFileDetails, 1, 0);
    hboxLayout4 = new QHBoxLayout();
    name(hboxLayout4, "hboxLayout4");
    hboxLayout4->addItem(spacer(1, 1, QSizePolicy::Fixed, QSizePolicy::Minimum));
    textLabel1 = fixedLabel(FTPTab, "textLabel1", 35, 11);
    hboxLayout4->addWidget(textLabel1);
    m_recievedFileLabel = new QLabel(FTPTab);
    name(m_recievedFileLabel, "m_recievedFileLabel");
    policy(m_recievedFileLabel, QSizePolicy::Expanding, QSizePolicy::Fixed);
    m_recievedFileLabel->setMinimumSize(161, 16);
    m_recievedFileLabel->setMaximumSize(QWIDGETSIZE_MAX, 16);
    m_recievedFileLabel->setWordWrap(false);
    hboxLayout4->addWidget(m_recievedFileLabel);
    hboxLayout4->addItem(spacer(1, 20, QSizePolicy::Fixed, QSizePolicy::Minimum));
    m_statusLabel = fixedLabel(FTPTab, "m_statusLabel", 56, 16);
    hboxLayout4->addWidget(m_statusLabel);
    m_fileStatusLabel = fixedLabel(FTPTab, "m_fileStatusLabel", 140, 16);
    hboxLayout4->addWidget(m_fileStatusLabel);
    hboxLayout4->addItem(spacer(10, 20, QSizePolicy::Fixed, QSizePolicy::Minimum));
    gridLayout1->addLayout(hboxLayout4, 2, 0);
    gridLayout1->addItem(spacer(20, 10, QSizePolicy::Minimum, QSizePolicy::Fixed), 3, 0);
    hboxLayout5 = new QHBoxLayout();
    name(hboxLayout5, "hboxLayout5");
    hboxLayout5->addItem(spacer(1, 20, QSizePolicy::Fixed, QSizePolicy::Minimum));
    m_defaultFileLocation = new QLineEdit(FTPTab);
    name(m_defaultFileLocation, "m_defaultFileLocation");
    m_defaultFileLocation->setReadOnly(true);
    m_defaultFileLocation->setPalette(folderFieldPalette());
    hboxLayout5->addWidget(m_defaultFileLocation);
    hboxLayout5->addItem(spacer(5, 20, QSizePolicy::Fixed, QSizePolicy::Minimum));
    m_browsebutton = fileButton(FTPTab, "m_browsebutton");
    hboxLayout5->addWidget(m_browsebutton);
    hboxLayout5->addItem(spacer(5, 20, QSizePolicy::Fixed, QSizePolicy::Minimum));
    m_ftpDownloadButton = fileButton(FTPTab, "m_ftpDownloadButton");
    hboxLayout5->addWidget(m_ftpDownloadButton);
    hboxLayout5->addItem(spacer(5, 20, QSizePolicy::Fixed, QSizePolicy::Minimum));
    m_ftpRejectButton = fileButton(FTPTab, "m_ftpRejectButton");
    hboxLayout5->addWidget(m_ftpRejectButton);
    gridLayout1->addLayout(hboxLayout5, 4, 0);
    gridLayout1->addItem(spacer(20, 10, QSizePolicy::Minimum, QSizePolicy::Fixed), 5, 0);
    m_receivedFileDetailsTable = new QTableWidget(FTPTab);
    name(m_receivedFileDetailsTable, "m_receivedFileDetailsTable");
    m_receivedFileDetailsTable->setMinimumSize(407, 57);
    m_receivedFileDetailsTable->setPalette(tablePalette());
    m_receivedFileDetailsTable->setAlternatingRowColors(true);
    m_receivedFileDetailsTable->setSelectionMode(QAbstractItemView::SingleSelection);
    m_receivedFileDetailsTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_receivedFileDetailsTable->setSortingEnabled(false);
    m_receivedFileDetailsTable->setCornerButtonEnabled(false);
    gridLayout1->addWidget(m_receivedFileDetailsTable, 6, 0);
    gridLayout1->addItem(spacer(20, 10, QSizePolicy::Minimum, QSizePolicy::Fixed), 7, 0);
    vboxLayout2->addLayout(gridLayout1);
    m_offlineTabWidget->addTab(FTPTab, QString());

    vboxLayout->addWidget(m_offlineTabWidget);
    vboxLayout->addItem(spacer(20, 5, QSizePolicy::Minimum, QSizePolicy::Fixed));
    vboxLayout->addItem(spacer(20, 0, QSizePolicy::Minimum, QSizePolicy::Fixed));
    hboxLayout1->addLayout(vboxLayout);
    hboxLayout1->addItem(spacer(10, 20, QSizePolicy::Fixed, QSizePolicy::Minimum));
    m_rightStretch = sideLabel(w, "m_rightStretch");
    hboxLayout1->addWidget(m_rightStretch);

    // Bottom band
    hboxLayout6 = new QHBoxLayout();
    name(hboxLayout6, "hboxLayout6");
    hboxLayout6->setSpacing(0);
    hboxLayout6->setContentsMargins(0, 0, 0, 0);
    m_leftBottomCorner = frameLabel(w, "m_leftBottomCorner", 11, 11);
    hboxLayout6->addWidget(m_leftBottomCorner);
    m_bottomStretch = new QLabel(w);
    name(m_bottomStretch, "m_bottomStretch");
    policy(m_bottomStretch, QSizePolicy::Expanding, QSizePolicy::Fixed);
    m_bottomStretch->setMinimumSize(474, 11);
    m_bottomStretch->setMaximumSize(QWIDGETSIZE_MAX, 11);
    m_bottomStretch->setAutoFillBackground(true);
    hboxLayout6->addWidget(m_bottomStretch);
    m_rightBottomCorner = frameLabel(w, "m_rightBottomCorner", 11, 11);
    m_rightBottomCorner->setCursor(Qt::SizeFDiagCursor);
    hboxLayout6->addWidget(m_rightBottomCorner);

    gridLayout->addLayout(hboxLayout, 0, 0);
    gridLayout->addLayout(hboxLayout1, 1, 0);
    gridLayout->addLayout(hboxLayout6, 2, 0);

    QWidget::setTabOrder(m_offlineTabWidget, m_offlineTable);
    QWidget::setTabOrder(m_offlineTable, m_messageBox);
    QWidget::setTabOrder(m_messageBox, m_replyPushButton);
    QWidget::setTabOrder(m_replyPushButton, m_deleteButton);
    QWidget::setTabOrder(m_deleteButton, m_deleteAllButton);
    QWidget::setTabOrder(m_deleteAllButton, m_cancelButton);
    QWidget::setTabOrder(m_cancelButton, m_minimizeButton);
    QWidget::setTabOrder(m_minimizeButton, m_closeButton);
    QWidget::setTabOrder(m_closeButton, m_defaultFileLocation);
    QWidget::setTabOrder(m_defaultFileLocation, m_browsebutton);
    QWidget::setTabOrder(m_browsebutton, m_ftpDownloadButton);
    QWidget::setTabOrder(m_ftpDownloadButton, m_ftpRejectButton);
    QWidget::setTabOrder(m_ftpRejectButton, m_receivedFileDetailsTable);

    retranslateUi(w);
    m_offlineTabWidget->setCurrentIndex(0);
    QMetaObject::connectSlotsByName(w);
}

void Ui_OfflineMessagesWidget::retranslateUi(QWidget *OfflineMessagesWidget)
{
    // Paints the square where a table's headers meet with a dark grey gradient.
    const QString cornerSheet = tr(
        "QTableView QTableCornerButton::section {\n"
        "      background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #616161, stop: 0.5 #505050, "
        "stop: 0.6 #434343, stop:1 #656565);\n"
        " } ");

    OfflineMessagesWidget->setWindowTitle(tr("Offline Messages"));
    m_leftTopCorner->setText(QString());
    m_logoLabel->setText(tr("Offline Messages"));
    m_minimizeButton->setToolTip(tr("Minimize"));
    m_minimizeButton->setText(QString());
    m_closeButton->setToolTip(tr("Close"));
    m_closeButton->setText(QString());
    m_rightTopCorner->setText(QString());
    m_leftStretch->setText(QString());
    m_offlineTabWidget->setStyleSheet(QString());
    label->setText(tr("Message List"));
    m_offlineTable->setStyleSheet(cornerSheet);
    label_2->setText(tr("Contents"));
    m_replyPushButton->setToolTip(tr("Reply"));
    m_replyPushButton->setText(tr("Reply"));
    m_deleteButton->setToolTip(tr("Delete"));
    m_deleteButton->setText(tr("Delete"));
    m_deleteAllButton->setToolTip(tr("Delete All Messages"));
    m_deleteAllButton->setText(tr("Delete All"));
    m_cancelButton->setToolTip(tr("Close"));
    m_cancelButton->setText(tr("Close"));
    m_offlineTabWidget->setTabText(m_offlineTabWidget->indexOf(OfflineMessageTab), tr("Offline Messages"));
    m_recievedFileDetails->setText(tr("Incoming file Details"));
    m_receivedFileDetailsTable->setStyleSheet(cornerSheet);
    textLabel1->setText(tr("File  :"));
    m_recievedFileLabel->setText(QString());
    m_statusLabel->setText(tr("Status   :"));
    m_fileStatusLabel->setText(QString());
    m_browsebutton->setToolTip(tr("Browse"));
    m_browsebutton->setText(tr("Browse..."));
    m_ftpDownloadButton->setToolTip(tr("Download File"));
    m_ftpDownloadButton->setText(tr("Download"));
    m_ftpRejectButton->setToolTip(tr("Decline File"));
    m_ftpRejectButton->setText(tr("Reject"));
    m_offlineTabWidget->setTabText(m_offlineTabWidget->indexOf(FTPTab), tr("Offline Files"));
    m_rightStretch->setText(QString());
    m_leftBottomCorner->setText(QString());
    m_bottomStretch->setText(QString());
    m_rightBottomCorner->setText(QString());
}
