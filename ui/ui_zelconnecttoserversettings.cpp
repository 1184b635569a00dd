#include /* form */ "ui/ui_zelconnecttoserversettings.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QRect>
#include <QtGui/QFont>
#include <QtGui/QPalette>

namespace {

QFont verdana(bool bold)
{
    QFont font(QStringLiteral("Verdana"), 8);
    font.setBold(bold);
    return font;
}

QPushButton *pushButton(QWidget *parent, const char *name, const QRect &geometry)
{
    auto *button = new QPushButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(geometry);
    button->setFont(verdana(false));
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

QGroupBox *groupBox(QWidget *parent, const char *name, const QRect &geometry)
{
    auto *box = new QGroupBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(geometry);
    box->setFont(verdana(true));
    return box;
}

QLabel *fieldLabel(QWidget *parent, const char *name, const QRect &geometry)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    label->setFont(verdana(false));
    return label;
}

QLineEdit *lineEdit(QWidget *parent, const char *name, const QRect &geometry, bool ownFont = true)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setGeometry(geometry);
    if (ownFont)
        edit->setFont(verdana(false));
    return edit;
}

// Error labels start empty and say their text in red, wrapped.
QLabel *errorLabel(QWidget *parent, const char *name, const QRect &geometry)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    QPalette palette = label->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, QPalette::WindowText, QColor(255, 0, 0));
    label->setPalette(palette);
    label->setWordWrap(true);
    return label;
}

QRadioButton *radioButton(QWidget *parent, const char *name, const QRect &geometry)
{
    auto *button = new QRadioButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(geometry);
    QFont font = button->font();
    font.setBold(false);
    button->setFont(font);
    return button;
}

} // namespace

void Ui_ZELConnectToServerSettings::setupUi(QDialog *ZELConnectToServerSettings)
{
    QDialog *dialog = ZELConnectToServerSettings;
    if (dialog->objectName().isEmpty())
        dialog->setObjectName(QString::fromLatin1("ZELConnectToServerSettings"));
    dialog->resize(528, 515);
    dialog->setMinimumSize(528, 515);
    dialog->setMaximumSize(528, 515);
    QFont base(QStringLiteral("MS Shell Dlg 2"), 8);
    base.setBold(true);
    dialog->setFont(base);

    m_logoLabel = titleLabel(dialog, QRect(11, 0, 476, 20));
    setupFrameLabels(dialog, QSize(528, 515));

    m_resetButton = pushButton(dialog, "m_resetButton", QRect(110, 470, 75, 23));
    m_connectPushButton = pushButton(dialog, "m_connectPushButton", QRect(220, 470, 75, 23));
    m_cancelButton = pushButton(dialog, "m_cancelButton", QRect(320, 470, 75, 23));
    m_closeButton = titleButton(dialog, "m_closeButton", QRect(505, 7, 12, 11));
    m_closeButton->setAutoFillBackground(true);

    m_connectGroupBox = new QGroupBox(dialog);
    m_connectGroupBox->setObjectName(QString::fromLatin1("m_connectGroupBox"));
    m_connectGroupBox->setGeometry(40, 35, 450, 420);

    m_connectToServerGroupBox = groupBox(m_connectGroupBox, "m_connectToServerGroupBox", QRect(15, 10, 421, 91));
    label_ = fieldLabel(m_connectToServerGroupBox, "label_", QRect(20, 30, 66, 14));
    m_hostNameLineEdit = lineEdit(m_connectToServerGroupBox, "m_hostNameLineEdit", QRect(100, 30, 161, 20));
    label_3 = fieldLabel(m_connectToServerGroupBox, "label_3", QRect(20, 60, 61, 14));
    m_portValueLineEdit = lineEdit(m_connectToServerGroupBox, "m_portValueLineEdit", QRect(100, 60, 161, 20));
    m_connectErrorLabel = errorLabel(m_connectToServerGroupBox, "m_connectErrorLabel", QRect(280, 30, 121, 51));

    m_ProxygroupBox = groupBox(m_connectGroupBox, "m_ProxygroupBox", QRect(15, 115, 421, 80));
    m_defaultProxyRadioButton = radioButton(m_ProxygroupBox, "m_defaultProxyRadioButton", QRect(20, 20, 115, 18));
    m_socks5ProxyradioButton = radioButton(m_ProxygroupBox, "m_socks5ProxyradioButton", QRect(20, 50, 115, 18));
    m_httpProxyradioButton = radioButton(m_ProxygroupBox, "m_httpProxyradioButton", QRect(210, 20, 100, 18));
    m_noProxyradioButton = radioButton(m_ProxygroupBox, "m_noProxyradioButton", QRect(210, 50, 100, 18));
    m_typeErrorLabel = errorLabel(m_ProxygroupBox, "m_typeErrorLabel", QRect(330, 20, 81, 51));

    m_proxyServergroupBox = groupBox(m_connectGroupBox, "m_proxyServergroupBox", QRect(15, 210, 421, 90));
    label_1 = fieldLabel(m_proxyServergroupBox, "label_1", QRect(20, 30, 66, 14));
    m_proxyServerHostName = lineEdit(m_proxyServergroupBox, "m_proxyServerHostName", QRect(100, 30, 161, 20), false);
    label_4 = fieldLabel(m_proxyServergroupBox, "label_4", QRect(20, 60, 61, 14));
    m_proxyServerPortValue = lineEdit(m_proxyServergroupBox, "m_proxyServerPortValue", QRect(100, 60, 161, 20));
    m_serverErrorLabel = errorLabel(m_proxyServergroupBox, "m_serverErrorLabel", QRect(280, 30, 131, 41));

    m_authenticationgroupBox = groupBox(m_connectGroupBox, "m_authenticationgroupBox", QRect(15, 310, 421, 91));
    label_2 = fieldLabel(m_authenticationgroupBox, "label_2", QRect(20, 30, 66, 14));
    m_userNameAuthentication = lineEdit(m_authenticationgroupBox, "m_userNameAuthentication", QRect(100, 30, 161, 20));
    m_userNameAuthentication->setContextMenuPolicy(Qt::NoContextMenu);
    label_5 = fieldLabel(m_authenticationgroupBox, "label_5", QRect(20, 60, 61, 14));
    m_passwordAuthentication = lineEdit(m_authenticationgroupBox, "m_passwordAuthentication", QRect(100, 60, 161, 20));
    m_passwordAuthentication->setContextMenuPolicy(Qt::NoContextMenu);
    m_passwordAuthentication->setEchoMode(QLineEdit::Password);
    m_errorLabel = errorLabel(m_authenticationgroupBox, "m_errorLabel", QRect(280, 30, 131, 41));
    QFont errorFont = m_errorLabel->font();
    errorFont.setBold(true);
    m_errorLabel->setFont(errorFont);
    m_errorLabel->setAlignment(Qt::AlignLeading | Qt::AlignLeft | Qt::AlignVCenter);

    QWidget::setTabOrder(m_hostNameLineEdit, m_portValueLineEdit);
    QWidget::setTabOrder(m_portValueLineEdit, m_defaultProxyRadioButton);
    QWidget::setTabOrder(m_defaultProxyRadioButton, m_httpProxyradioButton);
    QWidget::setTabOrder(m_httpProxyradioButton, m_socks5ProxyradioButton);
    QWidget::setTabOrder(m_socks5ProxyradioButton, m_noProxyradioButton);
    QWidget::setTabOrder(m_noProxyradioButton, m_proxyServerHostName);
    QWidget::setTabOrder(m_proxyServerHostName, m_proxyServerPortValue);
    QWidget::setTabOrder(m_proxyServerPortValue, m_userNameAuthentication);
    QWidget::setTabOrder(m_userNameAuthentication, m_passwordAuthentication);
    QWidget::setTabOrder(m_passwordAuthentication, m_resetButton);
    QWidget::setTabOrder(m_resetButton, m_connectPushButton);
    QWidget::setTabOrder(m_connectPushButton, m_cancelButton);
    QWidget::setTabOrder(m_cancelButton, m_closeButton);

    retranslateUi(dialog);
}

void Ui_ZELConnectToServerSettings::retranslateUi(QDialog *ZELConnectToServerSettings)
{
    const char *context = "ZELConnectToServerSettings";
    ZELConnectToServerSettings->setWindowTitle(QCoreApplication::translate(context, "ConnectToServer"));
    m_logoLabel->setText(QCoreApplication::translate(context, "Connect To Server Settings"));
    m_resetButton->setText(QCoreApplication::translate(context, "Reset"));
    m_resetButton->setToolTip(QCoreApplication::translate(context, "Reset"));
    m_connectPushButton->setText(QCoreApplication::translate(context, "Ok"));
    m_connectPushButton->setToolTip(QCoreApplication::translate(context, "Ok"));
    m_cancelButton->setText(QCoreApplication::translate(context, "Close"));
    m_cancelButton->setToolTip(QCoreApplication::translate(context, "Close"));
    m_closeButton->setToolTip(QCoreApplication::translate(context, "Close"));
    m_connectToServerGroupBox->setTitle(QCoreApplication::translate(context, "Connect To Server"));
    label_->setText(QCoreApplication::translate(context, "Host Name"));
    label_3->setText(QCoreApplication::translate(context, "Port Value"));
    m_ProxygroupBox->setTitle(QCoreApplication::translate(context, "Proxy Type"));
    m_defaultProxyRadioButton->setText(QCoreApplication::translate(context, "DefaultProxy"));
    m_socks5ProxyradioButton->setText(QCoreApplication::translate(context, "Socks5Proxy"));
    m_httpProxyradioButton->setText(QCoreApplication::translate(context, "HttpProxy"));
    m_noProxyradioButton->setText(QCoreApplication::translate(context, "No Proxy"));
    m_proxyServergroupBox->setTitle(QCoreApplication::translate(context, "Proxy Server"));
    label_1->setText(QCoreApplication::translate(context, "Host Name"));
    label_4->setText(QCoreApplication::translate(context, "Port Value"));
    m_authenticationgroupBox->setTitle(QCoreApplication::translate(context, "Authentication"));
    label_2->setText(QCoreApplication::translate(context, "User Name"));
    label_5->setText(QCoreApplication::translate(context, "Password"));
    m_connectErrorLabel->clear();
    m_typeErrorLabel->clear();
    m_serverErrorLabel->clear();
    m_errorLabel->clear();
}
