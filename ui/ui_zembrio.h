#ifndef UI_ZEMBRIO_H
#define UI_ZEMBRIO_H

#include <QtWidgets/QCheckBox>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QGroupBox>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QRadioButton>
#include <QtWidgets/QStackedWidget>
#include <QtWidgets/QToolButton>
#include <QtWidgets/QTreeWidget>
#include <QtWidgets/QVBoxLayout>
#include <QtWidgets/QWidget>

// The main window's form: the sign-in page, the contact page and the
// connecting page of one stacked widget. It holds no behaviour; the main
// widget reads and writes these widgets by name and connects them in code.
class Ui_Zembrio
{
public:
    QStackedWidget *stackedWidget;

    // Sign-in page (index 0).
    QWidget *loginPage;
    QPushButton *m_loginPageCloseButton;
    QLabel *m_logoLabelLoginPage;
    QPushButton *m_loginPageMinimizeButton;
    QCheckBox *m_autoSignInCheckBox;
    QPushButton *signButton;
    QLabel *userNameLabel_2;
    QLabel *userNameLabel;
    QLineEdit *passWordEdit;
    QComboBox *userNameEdit;
    QLabel *m_forgetPasswordButton;
    QLabel *m_connectedStateLabel;
    QLabel *m_logoImageLable;
    QLabel *m_showErrorLable;
    QCheckBox *m_rememberPasswordCheckBox;
    QCheckBox *m_invisibleModeCheckBox;
    QCheckBox *m_rememberMeCheckBox;
    QLabel *m_forgetMeLink;
    QLabel *m_settingsLabel;

    // Contact page (index 1).
    QWidget *MainPage;
    QPushButton *m_closeButton;
    QPushButton *m_minimizeButton;
    QLabel *m_logoLabel;
    QGroupBox *m_toolBarGroupBox;
    QPushButton *m_addContactToolButton;
    QPushButton *m_deleteContactToolButton;
    QPushButton *m_conferenceChatToolButton;
    QPushButton *m_chatToolButton;
    QGroupBox *m_fileMenuGroupBox;
    QPushButton *m_fileMenu;
    QPushButton *m_contactsMenu;
    QPushButton *m_settingsMenu;
    QPushButton *m_helpMenu;
    QPushButton *signoutButton;
    QLabel *label;
    QLabel *m_animateText;
    QLabel *m_offlineLable;
    QLabel *textBrowser;
    QLabel *m_voiceMailIndicationLabel;
    QLabel *m_waitingChatsLabel;
    QWidget *verticalLayout_2;
    QVBoxLayout *vboxLayout;
    QHBoxLayout *hboxLayout;
    QVBoxLayout *vboxLayout1;
    QLineEdit *m_searchLineEdit;
    QRadioButton *m_activeusersearch;
    QRadioButton *m_inactiveusersearch;
    QToolButton *m_searchCloseButton;
    QVBoxLayout *vboxLayout2;
    QGroupBox *m_contactViewGroupBox;
    QVBoxLayout *vboxLayout3;
    QHBoxLayout *hboxLayout1;
    QPushButton *m_userNamePushButton;
    QPushButton *m_statusMessageToolButton;
    QTreeWidget *m_contactView;

    // Connecting page (index 2).
    QWidget *processPage;
    QLabel *m_processLable;
    QLabel *m_logoLabelProcess;
    QPushButton *m_processPageCloseButton;
    QPushButton *m_processMinimizeButton;
    QLabel *m_connectingStatusLabel;
    QLabel *m_connectionStatusLable;
    QLabel *m_connectingGifLabel;

    void setupUi(QWidget *Zembrio);
    void retranslateUi(QWidget *Zembrio);
};

namespace Ui {
class Zembrio : public Ui_Zembrio {};
}

#endif
