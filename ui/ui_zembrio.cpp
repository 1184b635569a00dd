#include "ui/ui_zembrio.h"

#include "mainwindow/zelmarqueelabel.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QMetaObject>
#include <QtGui/QFont>
#include <QtGui/QPalette>

namespace {

const QPalette::ColorGroup kGroups[] = { QPalette::Active, QPalette::Inactive, QPalette::Disabled };

void setRole(QPalette &palette, QPalette::ColorRole role, const QColor &active,
             const QColor &inactive, const QColor &disabled)
{
    palette.setBrush(QPalette::Active, role, QBrush(active));
    palette.setBrush(QPalette::Inactive, role, QBrush(inactive));
    palette.setBrush(QPalette::Disabled, role, QBrush(disabled));
}

void setRoleAll(QPalette &palette, QPalette::ColorRole role, const QColor &colour)
{
    setRole(palette, role, colour, colour, colour);
}

void setRoleActiveInactive(QPalette &palette, QPalette::ColorRole role, const QColor &colour)
{
    palette.setBrush(QPalette::Active, role, QBrush(colour));
    palette.setBrush(QPalette::Inactive, role, QBrush(colour));
}

// The window's palette: every role of every group is set, so the pages and
// their widgets inherit one fixed look whatever the desktop's palette is.
QPalette basePalette()
{
    QPalette p;
    const QColor black(0, 0, 0), grey(118, 116, 108), face(236, 233, 216), blue(144, 209, 247),
        white(255, 255, 255);
    setRole(p, QPalette::WindowText, black, black, grey);
    setRoleAll(p, QPalette::Button, face);
    setRoleAll(p, QPalette::Light, blue);
    setRole(p, QPalette::Midlight, QColor(241, 239, 226), QColor(241, 239, 226), QColor(245, 244, 235));
    setRoleAll(p, QPalette::Dark, QColor(172, 168, 153));
    setRoleAll(p, QPalette::Mid, QColor(157, 155, 144));
    setRole(p, QPalette::Text, black, black, grey);
    setRoleAll(p, QPalette::BrightText, white);
    setRole(p, QPalette::ButtonText, black, black, grey);
    setRole(p, QPalette::Base, white, white, face);
    setRoleAll(p, QPalette::Window, face);
    setRoleAll(p, QPalette::Shadow, blue);
    setRole(p, QPalette::Highlight, QColor(49, 106, 197), face, QColor(49, 106, 197));
    setRole(p, QPalette::HighlightedText, white, black, white);
    setRoleAll(p, QPalette::Link, QColor(0, 0, 255));
    setRoleAll(p, QPalette::LinkVisited, QColor(255, 0, 255));
    setRoleAll(p, QPalette::AlternateBase, QColor(232, 232, 232));
    return p;
}

// Base palette with blue link text, used by the labels that act as links.
QPalette linkPalette()
{
    QPalette p = basePalette();
    setRoleActiveInactive(p, QPalette::WindowText, QColor(0, 0, 255));
    setRoleActiveInactive(p, QPalette::Text, QColor(0, 0, 255));
    return p;
}

// Only WindowText is set; every other role follows the parent.
QPalette windowTextPalette(const QColor &colour)
{
    QPalette p;
    setRole(p, QPalette::WindowText, colour, colour, QColor(118, 116, 108));
    return p;
}

QFont verdana8(bool bold, bool underline)
{
    QFont f;
    f.setFamilies({ QStringLiteral("Verdana") });
    f.setPointSize(8);
    f.setBold(bold);
    f.setItalic(false);
    f.setUnderline(underline);
    f.setStrikeOut(false);
    return f;
}

QFont fontF1() { return verdana8(false, false); }
QFont fontF2() { return verdana8(true, false); }
QFont fontF3() { return verdana8(false, true); }

QFont fontF4()
{
    QFont f;
    f.setFamilies({ QStringLiteral("MS Shell Dlg 2") });
    return f;
}

QFont fontF5()
{
    QFont f;
    f.setBold(true);
    return f;
}

QFont fontF6()
{
    QFont f;
    f.setUnderline(true);
    return f;
}

QFont fontF7()
{
    QFont f;
    f.setFamilies({ QStringLiteral("MS Shell Dlg 2") });
    f.setPointSize(8);
    f.setBold(false);
    f.setItalic(false);
    f.setUnderline(false);
    f.setStrikeOut(false);
    return f;
}

// The title buttons of every page: flat, painted from their palette's Button
// brush (given by the window's look).
QPushButton *titleButton(QWidget *page, const char *name, int x)
{
    auto *button = new QPushButton(page);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(QRect(x, 10, 12, 11));
    button->setAutoFillBackground(true);
    button->setFlat(true);
    return button;
}

QLabel *newLabel(QWidget *parent, const char *name, const QRect &geometry)
{
    auto *l = new QLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setGeometry(geometry);
    return l;
}

QCheckBox *newCheckBox(QWidget *parent, const char *name, const QRect &geometry)
{
    auto *box = new QCheckBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(geometry);
    return box;
}

// One of the four action buttons of the contact page's tool row.
QPushButton *actionButton(QWidget *parent, const char *name, const QRect &geometry)
{
    auto *button = new QPushButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(geometry);
    button->setFont(fontF4());
    button->setCursor(QCursor(Qt::PointingHandCursor));
    button->setAutoFillBackground(true);
    button->setIconSize(QSize(20, 20));
    button->setFlat(true);
    return button;
}

// One of the four buttons that stand in for a menu bar.
QPushButton *menuButton(QWidget *parent, const char *name, const QRect &geometry)
{
    auto *button = new QPushButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(geometry);
    button->setCursor(QCursor(Qt::PointingHandCursor));
    button->setAutoFillBackground(true);
    button->setFlat(true);
    return button;
}

void setupLoginPage(Ui_Zembrio &ui)
{
    QWidget *page = ui.loginPage;

    ui.m_loginPageCloseButton = titleButton(page, "m_loginPageCloseButton", 286);
    ui.m_logoLabelLoginPage = newLabel(page, "m_logoLabelLoginPage", QRect(35, 7, 241, 26));
    ui.m_loginPageMinimizeButton = titleButton(page, "m_loginPageMinimizeButton", 265);

    // As wide as the remember-password box above it: with substitute fonts
    // "automatically" would otherwise lose its last letter.
    ui.m_autoSignInCheckBox = newCheckBox(page, "m_autoSignInCheckBox", QRect(65, 374, 180, 18));
    ui.m_autoSignInCheckBox->setFont(fontF1());

    ui.signButton = new QPushButton(page);
    ui.signButton->setObjectName(QStringLiteral("signButton"));
    ui.signButton->setGeometry(QRect(104, 403, 80, 21));
    {
        QPalette p;
        setRoleAll(p, QPalette::Light, QColor(255, 255, 255));
        ui.signButton->setPalette(p);
    }
    ui.signButton->setFont(fontF2());
    ui.signButton->setCursor(QCursor(Qt::PointingHandCursor));

    const QSizePolicy fixed(QSizePolicy::Fixed, QSizePolicy::Fixed);

    ui.userNameLabel_2 = newLabel(page, "userNameLabel_2", QRect(65, 210, 81, 21));
    ui.userNameLabel_2->setSizePolicy(fixed);
    {
        QPalette p = basePalette();
        setRoleAll(p, QPalette::Light, QColor(255, 255, 255));
        setRoleActiveInactive(p, QPalette::ButtonText, QColor(0, 85, 255));
        setRole(p, QPalette::Shadow, QColor(113, 111, 100), QColor(113, 111, 100), QColor(0, 0, 0));
        ui.userNameLabel_2->setPalette(p);
    }
    ui.userNameLabel_2->setFont(fontF1());

    ui.userNameLabel = newLabel(page, "userNameLabel", QRect(65, 160, 80, 21));
    ui.userNameLabel->setSizePolicy(fixed);
    {
        QPalette p = basePalette();
        setRoleAll(p, QPalette::Light, QColor(255, 255, 255));
        setRole(p, QPalette::Shadow, QColor(113, 111, 100), QColor(113, 111, 100), QColor(0, 0, 0));
        ui.userNameLabel->setPalette(p);
    }
    ui.userNameLabel->setFont(fontF1());
    ui.userNameLabel->setMidLineWidth(0);

    ui.passWordEdit = new QLineEdit(page);
    ui.passWordEdit->setObjectName(QStringLiteral("passWordEdit"));
    ui.passWordEdit->setGeometry(QRect(65, 232, 171, 21));
    ui.passWordEdit->setSizePolicy(fixed);
    ui.passWordEdit->setFont(fontF1());
    ui.passWordEdit->setContextMenuPolicy(Qt::NoContextMenu);
    ui.passWordEdit->setMaxLength(20);
    ui.passWordEdit->setFrame(true);
    ui.passWordEdit->setEchoMode(QLineEdit::Password);

    ui.userNameEdit = new QComboBox(page);
    ui.userNameEdit->setObjectName(QStringLiteral("userNameEdit"));
    ui.userNameEdit->setGeometry(QRect(65, 180, 171, 21));
    ui.userNameEdit->setFont(fontF1());
    ui.userNameEdit->setEditable(true);

    ui.m_forgetPasswordButton = newLabel(page, "m_forgetPasswordButton", QRect(65, 260, 99, 14));
    ui.m_forgetPasswordButton->setPalette(linkPalette());
    ui.m_forgetPasswordButton->setFont(fontF3());
    ui.m_forgetPasswordButton->setCursor(QCursor(Qt::PointingHandCursor));

    ui.m_connectedStateLabel = newLabel(page, "m_connectedStateLabel", QRect(216, 530, 86, 14));
    ui.m_connectedStateLabel->setFont(fontF4());
    ui.m_connectedStateLabel->setFrameShape(QFrame::NoFrame);
    ui.m_connectedStateLabel->setScaledContents(false);
    ui.m_connectedStateLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    ui.m_logoImageLable = newLabel(page, "m_logoImageLable", QRect(50, 60, 200, 100));
    ui.m_logoImageLable->setScaledContents(false);
    ui.m_logoImageLable->setAlignment(Qt::AlignCenter);

    ui.m_showErrorLable = newLabel(page, "m_showErrorLable", QRect(20, 450, 281, 61));
    ui.m_showErrorLable->setPalette(windowTextPalette(QColor(255, 0, 0)));
    ui.m_showErrorLable->setFont(fontF5());
    ui.m_showErrorLable->setAlignment(Qt::AlignCenter);
    ui.m_showErrorLable->setWordWrap(true);

    ui.m_rememberPasswordCheckBox =
        newCheckBox(page, "m_rememberPasswordCheckBox", QRect(65, 347, 180, 18));
    ui.m_invisibleModeCheckBox = newCheckBox(page, "m_invisibleModeCheckBox", QRect(65, 280, 171, 18));
    ui.m_rememberMeCheckBox = newCheckBox(page, "m_rememberMeCheckBox", QRect(65, 305, 120, 18));

    ui.m_forgetMeLink = newLabel(page, "m_forgetMeLink", QRect(94, 326, 62, 14));
    ui.m_forgetMeLink->setPalette(windowTextPalette(QColor(0, 0, 255)));
    ui.m_forgetMeLink->setFont(fontF6());
    ui.m_forgetMeLink->setCursor(QCursor(Qt::PointingHandCursor));

    ui.m_settingsLabel = newLabel(page, "m_settingsLabel", QRect(65, 430, 46, 16));
    ui.m_settingsLabel->setFont(fontF3());
    ui.m_settingsLabel->setCursor(QCursor(Qt::PointingHandCursor));
    ui.m_settingsLabel->setPalette(linkPalette());
}

void setupMainPage(Ui_Zembrio &ui)
{
    QWidget *page = ui.MainPage;

    ui.m_closeButton = titleButton(page, "m_closeButton", 286);
    ui.m_minimizeButton = titleButton(page, "m_minimizeButton", 265);
    ui.m_logoLabel = newLabel(page, "m_logoLabel", QRect(32, 6, 237, 30));

    ui.m_toolBarGroupBox = new QGroupBox(page);
    ui.m_toolBarGroupBox->setObjectName(QStringLiteral("m_toolBarGroupBox"));
    ui.m_toolBarGroupBox->setGeometry(QRect(4, 85, 302, 26));
    ui.m_addContactToolButton =
        actionButton(ui.m_toolBarGroupBox, "m_addContactToolButton", QRect(2, 0, 56, 26));
    ui.m_deleteContactToolButton =
        actionButton(ui.m_toolBarGroupBox, "m_deleteContactToolButton", QRect(58, 0, 80, 26));
    ui.m_conferenceChatToolButton =
        actionButton(ui.m_toolBarGroupBox, "m_conferenceChatToolButton", QRect(138, 0, 98, 26));
    ui.m_chatToolButton = actionButton(ui.m_toolBarGroupBox, "m_chatToolButton", QRect(236, 0, 64, 26));

    ui.m_fileMenuGroupBox = new QGroupBox(page);
    ui.m_fileMenuGroupBox->setObjectName(QStringLiteral("m_fileMenuGroupBox"));
    ui.m_fileMenuGroupBox->setGeometry(QRect(13, 45, 282, 30));
    ui.m_fileMenu = menuButton(ui.m_fileMenuGroupBox, "m_fileMenu", QRect(2, 0, 52, 30));
    ui.m_contactsMenu = menuButton(ui.m_fileMenuGroupBox, "m_contactsMenu", QRect(54, 0, 88, 31));
    ui.m_settingsMenu = menuButton(ui.m_fileMenuGroupBox, "m_settingsMenu", QRect(142, 0, 89, 30));
    ui.m_helpMenu = menuButton(ui.m_fileMenuGroupBox, "m_helpMenu", QRect(230, 0, 50, 30));

    ui.signoutButton = new QPushButton(page);
    ui.signoutButton->setObjectName(QStringLiteral("signoutButton"));
    ui.signoutButton->setGeometry(QRect(238, 433, 57, 21));
    ui.signoutButton->setCursor(QCursor(Qt::PointingHandCursor));
    ui.signoutButton->setAutoFillBackground(true);
    ui.signoutButton->setIconSize(QSize(21, 21));
    ui.signoutButton->setFlat(true);

    ui.label = newLabel(page, "label", QRect(13, 459, 282, 64));
    {
        QPalette p = basePalette();
        setRoleActiveInactive(p, QPalette::Base, QColor(241, 241, 241));
        setRoleAll(p, QPalette::Dark, QColor(255, 255, 255));
        p.setBrush(QPalette::Disabled, QPalette::WindowText, QBrush(QColor(255, 255, 255)));
        p.setBrush(QPalette::Disabled, QPalette::Text, QBrush(QColor(255, 255, 255)));
        p.setBrush(QPalette::Disabled, QPalette::ButtonText, QBrush(QColor(255, 255, 255)));
        ui.label->setPalette(p);
    }
    ui.label->setFrameShape(QFrame::StyledPanel);

    ui.m_animateText = new ZELMarqueeLabel(page);
    ui.m_animateText->setObjectName(QStringLiteral("m_animateText"));
    ui.m_animateText->setGeometry(QRect(290, 530, 10, 20));
    ui.m_animateText->setTextFormat(Qt::PlainText); // the server's line, measured as plain text
    {
        QPalette p = basePalette();
        setRoleActiveInactive(p, QPalette::WindowText, QColor(0, 0, 255));
        ui.m_animateText->setPalette(p);
    }
    ui.m_animateText->setFont(fontF4());
    ui.m_animateText->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    ui.m_offlineLable = newLabel(page, "m_offlineLable", QRect(8, 434, 21, 19));

    ui.textBrowser = newLabel(page, "textBrowser", QRect(28, 437, 165, 14));
    ui.textBrowser->setPalette(linkPalette());
    ui.textBrowser->setFont(fontF7());
    ui.textBrowser->setCursor(QCursor(Qt::PointingHandCursor));
    ui.textBrowser->setMouseTracking(false);
    ui.textBrowser->setFocusPolicy(Qt::NoFocus);
    ui.textBrowser->setScaledContents(true);
    ui.textBrowser->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    ui.textBrowser->setOpenExternalLinks(false);

    ui.m_voiceMailIndicationLabel = newLabel(page, "m_voiceMailIndicationLabel", QRect(28, 417, 90, 14));
    ui.m_voiceMailIndicationLabel->setPalette(windowTextPalette(QColor(0, 0, 240)));
    {
        QFont f;
        f.setFamilies({ QStringLiteral("MS Shell Dlg 2") });
        f.setPointSize(8);
        ui.m_voiceMailIndicationLabel->setFont(f);
    }
    ui.m_voiceMailIndicationLabel->setCursor(QCursor(Qt::PointingHandCursor));

    // People waiting for a chat window, beside the voice mails: shown only while any wait.
    ui.m_waitingChatsLabel = newLabel(page, "m_waitingChatsLabel", QRect(118, 417, 182, 14));
    ui.m_waitingChatsLabel->setPalette(windowTextPalette(QColor(210, 105, 30)));
    ui.m_waitingChatsLabel->setFont(ui.m_voiceMailIndicationLabel->font());
    ui.m_waitingChatsLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    ui.m_waitingChatsLabel->hide();

    // Search bar above the contact tree.
    ui.verticalLayout_2 = new QWidget(page);
    ui.verticalLayout_2->setObjectName(QStringLiteral("verticalLayout_2"));
    ui.verticalLayout_2->setGeometry(QRect(10, 120, 291, 295));
    QWidget *box = ui.verticalLayout_2;

    ui.vboxLayout = new QVBoxLayout(box);
    ui.vboxLayout->setSpacing(10);
    ui.vboxLayout->setObjectName(QStringLiteral("vboxLayout"));
    ui.vboxLayout->setContentsMargins(2, 2, 0, 3);

    ui.hboxLayout = new QHBoxLayout();
    ui.hboxLayout->setSpacing(0);
    ui.hboxLayout->setObjectName(QStringLiteral("hboxLayout"));
    ui.hboxLayout->setContentsMargins(0, 0, 6, 0);

    ui.vboxLayout1 = new QVBoxLayout();
    ui.vboxLayout1->setSpacing(0);
    ui.vboxLayout1->setObjectName(QStringLiteral("vboxLayout1"));
    ui.vboxLayout1->setContentsMargins(2, 0, 0, 0);

    ui.m_searchLineEdit = new QLineEdit(box);
    ui.m_searchLineEdit->setObjectName(QStringLiteral("m_searchLineEdit"));
    ui.vboxLayout1->addWidget(ui.m_searchLineEdit);
    ui.hboxLayout->addLayout(ui.vboxLayout1);

    ui.m_activeusersearch = new QRadioButton(box);
    ui.m_activeusersearch->setObjectName(QStringLiteral("m_activeusersearch"));
    ui.m_activeusersearch->setMinimumSize(QSize(60, 18));
    ui.m_activeusersearch->setMaximumSize(QSize(67, 18));
    ui.hboxLayout->addWidget(ui.m_activeusersearch);

    ui.m_inactiveusersearch = new QRadioButton(box);
    ui.m_inactiveusersearch->setObjectName(QStringLiteral("m_inactiveusersearch"));
    ui.m_inactiveusersearch->setMinimumSize(QSize(61, 18));
    ui.m_inactiveusersearch->setMaximumSize(QSize(78, 18));
    ui.hboxLayout->addWidget(ui.m_inactiveusersearch);

    ui.m_searchCloseButton = new QToolButton(box);
    ui.m_searchCloseButton->setObjectName(QStringLiteral("m_searchCloseButton"));
    ui.m_searchCloseButton->setMinimumSize(QSize(20, 20));
    ui.m_searchCloseButton->setMaximumSize(QSize(20, 20));
    ui.m_searchCloseButton->setCursor(QCursor(Qt::PointingHandCursor));
    ui.m_searchCloseButton->setIconSize(QSize(20, 20));
    ui.m_searchCloseButton->setAutoRaise(true);
    ui.hboxLayout->addWidget(ui.m_searchCloseButton);

    ui.vboxLayout->addLayout(ui.hboxLayout);

    // The contact tree under the user's own name and status.
    ui.vboxLayout2 = new QVBoxLayout();
    ui.vboxLayout2->setSpacing(6);
    ui.vboxLayout2->setObjectName(QStringLiteral("vboxLayout2"));
    ui.vboxLayout2->setContentsMargins(2, 0, 6, 0);

    ui.m_contactViewGroupBox = new QGroupBox(box);
    ui.m_contactViewGroupBox->setObjectName(QStringLiteral("m_contactViewGroupBox"));
    ui.m_contactViewGroupBox->setSizePolicy(QSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding));

    ui.vboxLayout3 = new QVBoxLayout(ui.m_contactViewGroupBox);
    ui.vboxLayout3->setSpacing(0);
    ui.vboxLayout3->setObjectName(QStringLiteral("vboxLayout3"));
    ui.vboxLayout3->setContentsMargins(1, 1, 1, 1);

    ui.hboxLayout1 = new QHBoxLayout();
    ui.hboxLayout1->setSpacing(0);
    ui.hboxLayout1->setObjectName(QStringLiteral("hboxLayout1"));
    ui.hboxLayout1->setContentsMargins(0, 0, 0, 0);

    ui.m_userNamePushButton = new QPushButton(ui.m_contactViewGroupBox);
    ui.m_userNamePushButton->setObjectName(QStringLiteral("m_userNamePushButton"));
    ui.m_userNamePushButton->setMinimumSize(QSize(0, 30));
    ui.m_userNamePushButton->setMaximumSize(QSize(16777215, 30));
    ui.m_userNamePushButton->setCursor(QCursor(Qt::PointingHandCursor));
    ui.m_userNamePushButton->setAutoFillBackground(true);
    ui.m_userNamePushButton->setIconSize(QSize(20, 20));
    ui.m_userNamePushButton->setFlat(true);
    ui.hboxLayout1->addWidget(ui.m_userNamePushButton);

    ui.m_statusMessageToolButton = new QPushButton(ui.m_contactViewGroupBox);
    ui.m_statusMessageToolButton->setObjectName(QStringLiteral("m_statusMessageToolButton"));
    ui.m_statusMessageToolButton->setMinimumSize(QSize(82, 30));
    ui.m_statusMessageToolButton->setMaximumSize(QSize(82, 30));
    ui.m_statusMessageToolButton->setCursor(QCursor(Qt::PointingHandCursor));
    ui.m_statusMessageToolButton->setAutoFillBackground(true);
    ui.m_statusMessageToolButton->setFlat(true);
    ui.hboxLayout1->addWidget(ui.m_statusMessageToolButton);

    ui.vboxLayout3->addLayout(ui.hboxLayout1);

    ui.m_contactView = new QTreeWidget(ui.m_contactViewGroupBox);
    ui.m_contactView->setObjectName(QStringLiteral("m_contactView"));
    ui.m_contactView->setFrameShape(QFrame::NoFrame);
    ui.m_contactView->setFrameShadow(QFrame::Plain);
    ui.m_contactView->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ui.m_contactView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ui.m_contactView->setSelectionBehavior(QAbstractItemView::SelectItems);
    ui.m_contactView->setIconSize(QSize(37, 31));
    ui.m_contactView->setIndentation(30);
    ui.m_contactView->setRootIsDecorated(false);
    ui.m_contactView->setItemsExpandable(true);
    ui.m_contactView->setSortingEnabled(false);
    ui.m_contactView->setColumnCount(1);
    ui.vboxLayout3->addWidget(ui.m_contactView);

    ui.vboxLayout2->addWidget(ui.m_contactViewGroupBox);
    ui.vboxLayout->addLayout(ui.vboxLayout2);
}

void setupProcessPage(Ui_Zembrio &ui)
{
    QWidget *page = ui.processPage;

    ui.m_processLable = newLabel(page, "m_processLable", QRect(77, 175, 150, 150));
    ui.m_processLable->setScaledContents(false);
    ui.m_processLable->setAlignment(Qt::AlignCenter);

    ui.m_logoLabelProcess = newLabel(page, "m_logoLabelProcess", QRect(35, 7, 237, 30));
    ui.m_processPageCloseButton = titleButton(page, "m_processPageCloseButton", 286);
    ui.m_processMinimizeButton = titleButton(page, "m_processMinimizeButton", 265);

    ui.m_connectingStatusLabel = newLabel(page, "m_connectingStatusLabel", QRect(20, 425, 156, 31));
    ui.m_connectingStatusLabel->setPalette(windowTextPalette(QColor(0, 170, 0)));
    ui.m_connectingStatusLabel->setFont(fontF5());
    ui.m_connectingStatusLabel->setAlignment(Qt::AlignCenter);

    ui.m_connectionStatusLable = newLabel(page, "m_connectionStatusLable", QRect(221, 530, 81, 14));
    ui.m_connectionStatusLable->setPalette(windowTextPalette(QColor(85, 170, 0)));
    ui.m_connectionStatusLable->setFont(fontF4());
    ui.m_connectionStatusLable->setScaledContents(false);
    ui.m_connectionStatusLable->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    ui.m_connectingGifLabel = newLabel(page, "m_connectingGifLabel", QRect(178, 435, 100, 14));
}

void setupTabOrder(Ui_Zembrio &ui)
{
    QWidget *const chain[] = {
        ui.userNameEdit, ui.passWordEdit, ui.m_invisibleModeCheckBox, ui.m_rememberMeCheckBox,
        ui.m_rememberPasswordCheckBox, ui.m_autoSignInCheckBox, ui.signButton,
        ui.m_loginPageMinimizeButton, ui.m_loginPageCloseButton, ui.m_fileMenu, ui.m_contactsMenu,
        ui.m_settingsMenu, ui.m_helpMenu, ui.m_addContactToolButton, ui.m_deleteContactToolButton,
        ui.m_conferenceChatToolButton, ui.m_chatToolButton, ui.m_searchLineEdit,
        ui.m_activeusersearch, ui.m_inactiveusersearch, ui.m_searchCloseButton,
        ui.m_userNamePushButton, ui.m_statusMessageToolButton, ui.m_contactView, ui.signoutButton,
        ui.m_minimizeButton, ui.m_closeButton, ui.m_processPageCloseButton,
        ui.m_processMinimizeButton,
    };
    for (size_t i = 1; i < sizeof(chain) / sizeof(chain[0]); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
}

} // namespace

void Ui_Zembrio::setupUi(QWidget *Zembrio)
{
    if (Zembrio->objectName().isEmpty())
        Zembrio->setObjectName(QStringLiteral("Zembrio"));
    Zembrio->resize(310, 550);
    QSizePolicy policy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    policy.setHeightForWidth(Zembrio->sizePolicy().hasHeightForWidth());
    Zembrio->setSizePolicy(policy);
    Zembrio->setMinimumSize(QSize(310, 550));
    Zembrio->setMaximumSize(QSize(310, 550));

    stackedWidget = new QStackedWidget(Zembrio);
    stackedWidget->setObjectName(QStringLiteral("stackedWidget"));
    stackedWidget->setGeometry(QRect(0, 0, 310, 550));
    stackedWidget->setPalette(basePalette());
    {
        QFont f;
        f.setFamilies({ QStringLiteral("Verdana") });
        stackedWidget->setFont(f);
    }

    // Pages are built unparented and added in order, so their indices are fixed.
    loginPage = new QWidget();
    loginPage->setObjectName(QStringLiteral("loginPage"));
    setupLoginPage(*this);
    stackedWidget->addWidget(loginPage);

    MainPage = new QWidget();
    MainPage->setObjectName(QStringLiteral("MainPage"));
    setupMainPage(*this);
    stackedWidget->addWidget(MainPage);

    processPage = new QWidget();
    processPage->setObjectName(QStringLiteral("processPage"));
    setupProcessPage(*this);
    stackedWidget->addWidget(processPage);

    setupTabOrder(*this);

    retranslateUi(Zembrio);

    stackedWidget->setCurrentIndex(1);

    QMetaObject::connectSlotsByName(Zembrio);
}

void Ui_Zembrio::retranslateUi(QWidget *Zembrio)
{
    auto tr = [](const char *text) { return QCoreApplication::translate("Zembrio", text); };

    // Exactly this title, full stop included.
    Zembrio->setWindowTitle(tr("Zembrio."));

    m_loginPageCloseButton->setToolTip(tr("Close"));
    m_loginPageCloseButton->setText(QString());
    m_logoLabelLoginPage->setText(QString());
    m_loginPageMinimizeButton->setToolTip(tr("Minimize"));
    m_loginPageMinimizeButton->setText(QString());
    m_autoSignInCheckBox->setToolTip(tr("Sign me in automatically"));
    m_autoSignInCheckBox->setText(tr("  Sign me in automatically"));
    signButton->setToolTip(tr("Sign In"));
    signButton->setText(tr("Sign In"));
    userNameLabel_2->setText(tr("Password"));
    userNameLabel->setText(tr("Login Id"));
    m_forgetPasswordButton->setToolTip(tr("Forget Password"));
    m_forgetPasswordButton->setText(tr("Forgot Password?"));
    m_logoImageLable->setText(QString());
    m_showErrorLable->setText(QString());
    m_rememberPasswordCheckBox->setToolTip(tr("Remember password"));
    m_rememberPasswordCheckBox->setText(tr("  Remember my password"));
    m_invisibleModeCheckBox->setToolTip(tr("Invisible mode"));
    m_invisibleModeCheckBox->setText(tr("  Login as invisible mode"));
    m_rememberMeCheckBox->setToolTip(tr("Remember me"));
    m_rememberMeCheckBox->setText(tr("  Remember me"));
    m_forgetMeLink->setToolTip(tr("Forget me"));
    m_forgetMeLink->setText(tr("Forget me"));
    m_settingsLabel->setToolTip(tr("Server Settings"));
    m_settingsLabel->setText(tr("Settings"));

    m_closeButton->setToolTip(tr("Close"));
    m_closeButton->setText(QString());
    m_minimizeButton->setToolTip(tr("Minimize"));
    m_minimizeButton->setText(QString());
    m_logoLabel->setText(QString());
    m_toolBarGroupBox->setTitle(QString());
    m_addContactToolButton->setToolTip(tr("Add Contact"));
    m_addContactToolButton->setText(tr("  Add"));
    m_deleteContactToolButton->setToolTip(tr("Delete Contact"));
    m_deleteContactToolButton->setText(tr("  Remove"));
    m_conferenceChatToolButton->setToolTip(tr("Conference Chat"));
    m_conferenceChatToolButton->setText(tr("  Conference"));
    m_chatToolButton->setToolTip(tr("Chat"));
    m_chatToolButton->setText(tr(" Chat"));
    m_fileMenuGroupBox->setTitle(QString());
    m_fileMenu->setText(tr("&File"));
    m_contactsMenu->setText(tr("&Contacts"));
    m_settingsMenu->setText(tr("&Settings"));
    m_helpMenu->setText(tr("&Help"));
    signoutButton->setToolTip(tr("Sign Out"));
    signoutButton->setText(QString());
    label->setStyleSheet(QStringLiteral(" border: 0.5px solid gray;\n"
                                        " border-radius: 3px;\n"
                                        " padding: 1px 1px 1px 1px;"));
    label->setText(QString());
    m_animateText->setText(QString());
    m_offlineLable->setText(QString());
    textBrowser->setToolTip(tr("Offline Messages / Files"));
    textBrowser->setText(QString());
    m_voiceMailIndicationLabel->setToolTip(tr("Voice Mails"));
    m_voiceMailIndicationLabel->setText(QString());
    m_waitingChatsLabel->setToolTip(tr("Chats waiting for a free chat window"));
    m_waitingChatsLabel->setText(QString());
    m_activeusersearch->setText(tr("Online"));
    m_inactiveusersearch->setText(tr("Offline"));
    m_searchCloseButton->setToolTip(tr("Close"));
    m_searchCloseButton->setText(QString());
    m_contactViewGroupBox->setTitle(QString());
    m_userNamePushButton->setStyleSheet(QString());
    m_userNamePushButton->setText(QString());
    m_statusMessageToolButton->setStyleSheet(QString());
    m_statusMessageToolButton->setText(QString());
    m_contactView->headerItem()->setText(0, tr("My Contacts"));
    m_contactView->setStyleSheet(QString());

    m_processLable->setText(QString());
    m_logoLabelProcess->setText(QString());
    m_processPageCloseButton->setToolTip(tr("Close"));
    m_processPageCloseButton->setText(QString());
    m_processMinimizeButton->setToolTip(tr("Minimize"));
    m_processMinimizeButton->setText(QString());
    m_connectingStatusLabel->setText(tr("Connecting with Server"));
    m_connectionStatusLable->setText(QString());
    m_connectingGifLabel->setText(QString());
}
