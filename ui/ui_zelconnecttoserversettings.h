#ifndef UI_ZELCONNECTTOSERVERSETTINGS_H
#define UI_ZELCONNECTTOSERVERSETTINGS_H

#include <QtWidgets/QDialog>
#include <QtWidgets/QGroupBox>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QRadioButton>

#include "style/zelframelabels.h"

// The server connection dialog's form: server host and port, proxy type, proxy
// host and port and the proxy's credentials, inside the frame pieces of a
// frameless dialog, all at fixed places (528 x 515).
class Ui_ZELConnectToServerSettings : public ZELFrameLabels
{
public:
    QLabel *m_logoLabel;
    QPushButton *m_resetButton;
    QPushButton *m_connectPushButton;
    QPushButton *m_cancelButton;
    QPushButton *m_closeButton;
    QGroupBox *m_connectGroupBox;
    QGroupBox *m_connectToServerGroupBox;
    QLabel *label_;
    QLineEdit *m_hostNameLineEdit;
    QLabel *label_3;
    QLineEdit *m_portValueLineEdit;
    QLabel *m_connectErrorLabel;
    QGroupBox *m_ProxygroupBox;
    QRadioButton *m_defaultProxyRadioButton;
    QRadioButton *m_socks5ProxyradioButton;
    QRadioButton *m_httpProxyradioButton;
    QRadioButton *m_noProxyradioButton;
    QLabel *m_typeErrorLabel;
    QGroupBox *m_proxyServergroupBox;
    QLabel *label_1;
    QLineEdit *m_proxyServerHostName;
    QLabel *label_4;
    QLineEdit *m_proxyServerPortValue;
    QLabel *m_serverErrorLabel;
    QGroupBox *m_authenticationgroupBox;
    QLabel *label_2;
    QLineEdit *m_userNameAuthentication;
    QLabel *label_5;
    QLineEdit *m_passwordAuthentication;
    QLabel *m_errorLabel;

    void setupUi(QDialog *ZELConnectToServerSettings);
    void retranslateUi(QDialog *ZELConnectToServerSettings);
};

namespace Ui {
class ZELConnectToServerSettings : public Ui_ZELConnectToServerSettings {};
}

#endif
