#include "settings/zelconnecttoserversettings.h"
#include "style/zelsharedsheet.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QPalette>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

#include "mainwindow/zelmainwindowlook.h"
#include "style/zelframelesshelper.h"

namespace {

// The "|" inside each class is a literal character: the patterns accept it.
const char HostPattern[] = "[A-Z|a-z|0-9|\\-|\\_|\\.|\\@]{1,40}";
const char PortPattern[] = "[0-9]{1,10}";
const char UserPattern[] = "[A-Z|a-z|0-9|\\-|\\_|\\.|\\@]{1,35}";
const char PasswordPattern[] =
    "[A-Z|a-z|0-9|\\~|\\!|\\@|\\#|\\$|\\%|\\^|\\&|\\|\\/|\\*|\\_|\\?|\\>|\\<|\\,|\\.|\"|'|\\:|\\;]{1,15}";

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

bool isBlank(const QString &text)
{
    return text.simplified().isEmpty();
}

} // namespace

ZELConnectToServerSettings::ZELConnectToServerSettings(QWidget *parent)
    : QDialog(parent)
{
    windowSettings(parent);
    signalsAndSlots();
    initializeMemberVariables();
    defaultSettings();
    setZELStyle();
}

ZELConnectToServerSettings::~ZELConnectToServerSettings() = default;

void ZELConnectToServerSettings::windowSettings(QWidget *parent)
{
    setupUi(this);
    // Frame pieces, close button with its hover picture, drag by the title band.
    m_frame = ZELFramelessHelper::frameDialog(this, parent);
}

void ZELConnectToServerSettings::signalsAndSlots()
{
    m_proxyButtonGroup = new QButtonGroup(this);
    m_proxyButtonGroup->setExclusive(true);
    for (QRadioButton *button : {m_defaultProxyRadioButton, m_httpProxyradioButton,
                                 m_socks5ProxyradioButton, m_noProxyradioButton})
        m_proxyButtonGroup->addButton(button);

    // The close button is wired to close() by the frame helper.
    connect(m_connectPushButton, &QAbstractButton::clicked, this, &ZELConnectToServerSettings::connectToHost);
    connect(m_cancelButton, &QAbstractButton::clicked, this, &QWidget::close);
    for (QRadioButton *button : {m_defaultProxyRadioButton, m_httpProxyradioButton, m_socks5ProxyradioButton})
        connect(button, &QAbstractButton::clicked, this,
                qOverload<bool>(&ZELConnectToServerSettings::enableOKButton));
    connect(m_noProxyradioButton, &QAbstractButton::clicked, this, &ZELConnectToServerSettings::disableOKButton);
    for (QLineEdit *edit : lineEdits())
        connect(edit, &QLineEdit::textChanged, this,
                qOverload<const QString &>(&ZELConnectToServerSettings::enableOKButton));
    connect(m_resetButton, &QAbstractButton::clicked, this,
            &ZELConnectToServerSettings::resetConnectToServerSettings);
    connect(m_proxyButtonGroup, &QButtonGroup::buttonClicked, this,
            &ZELConnectToServerSettings::selectProxyServer);
}

void ZELConnectToServerSettings::initializeMemberVariables()
{
    m_hostNameLineEdit->setFocus();
    for (QLineEdit *edit : lineEdits())
        edit->installEventFilter(this);
    for (QRadioButton *button : {m_httpProxyradioButton, m_defaultProxyRadioButton,
                                 m_socks5ProxyradioButton, m_noProxyradioButton})
        button->installEventFilter(this);
    m_closeButton->installEventFilter(this);

    const auto validator = [this](const char *pattern) {
        return new QRegularExpressionValidator(QRegularExpression(QString::fromLatin1(pattern)), this);
    };
    m_hostNameLineEdit->setValidator(validator(HostPattern));
    m_proxyServerHostName->setValidator(validator(HostPattern));
    m_portValueLineEdit->setValidator(validator(PortPattern));
    m_proxyServerPortValue->setValidator(validator(PortPattern));
    m_userNameAuthentication->setValidator(validator(UserPattern));
    m_passwordAuthentication->setValidator(validator(PasswordPattern));

    m_noProxyradioButton->setChecked(true);
    disableOKButton(true);
    for (QLabel *label : {m_errorLabel, m_serverErrorLabel, m_connectErrorLabel, m_typeErrorLabel})
        label->hide();
}

void ZELConnectToServerSettings::defaultSettings()
{
    m_resetButton->setEnabled(false);
    m_connectPushButton->setEnabled(false);
}

void ZELConnectToServerSettings::setZELStyle()
{
    ZELMainWindowLook::setPlainStyle(this);
    const QString styleSheet = ZELMainWindowLook::sharedStyleSheet();
    for (QLineEdit *edit : lineEdits()) {
        ZELSharedSheet::setFitted(edit, styleSheet);
        edit->setPalette(entryPalette(edit->palette()));
    }
}

QList<QLineEdit *> ZELConnectToServerSettings::lineEdits() const
{
    return {m_hostNameLineEdit, m_portValueLineEdit, m_proxyServerHostName,
            m_proxyServerPortValue, m_userNameAuthentication, m_passwordAuthentication};
}

void ZELConnectToServerSettings::connectToHost()
{
    const QString host = m_hostNameLineEdit->text();
    const QString port = m_portValueLineEdit->text();
    const QString proxyHost = m_proxyServerHostName->text();
    const QString proxyPort = m_proxyServerPortValue->text();
    const QString user = m_userNameAuthentication->text();
    const QString password = m_passwordAuthentication->text();

    if (isBlank(host) || isBlank(port)) {
        m_connectErrorLabel->setText(tr("Please fill hostname / port value"));
        m_connectErrorLabel->show();
        m_hostNameLineEdit->setFocus();
        return;
    }
    if (m_proxyButtonGroup->checkedButton() != m_noProxyradioButton) {
        for (const QString &text : {host, port, user, password, proxyHost, proxyPort}) {
            if (isBlank(text)) {
                m_serverErrorLabel->setText(tr("Please fill all fields"));
                m_serverErrorLabel->show();
                m_proxyServerHostName->setFocus();
                return;
            }
        }
    }

    QStringList details(HostDetailCount);
    details[DetailProxyHost] = proxyHost;
    details[DetailProxyPort] = proxyPort;
    details[DetailProxyType] = m_proxyServerType;
    details[DetailProxyUser] = user;
    details[DetailProxyPassword] = password;
    details[DetailHost] = host;
    details[DetailPort] = port;
    emit setHostDetails(details);
    close();
}

void ZELConnectToServerSettings::selectProxyServer(QAbstractButton *button)
{
    if (button)
        m_proxyServerType = button->text();
}

void ZELConnectToServerSettings::enableOKButton(bool)
{
    setProxyFieldsEnabled(true);
    m_proxyServerHostName->setFocus();
    if (!m_resetButton->isEnabled()) {
        m_resetButton->setEnabled(true);
        m_connectPushButton->setEnabled(true);
    }
}

void ZELConnectToServerSettings::disableOKButton(bool)
{
    setProxyFieldsEnabled(false);
    if (!m_resetButton->isEnabled()) {
        m_resetButton->setEnabled(true);
        m_connectPushButton->setEnabled(true);
    }
}

void ZELConnectToServerSettings::enableOKButton(const QString &)
{
    m_resetButton->setEnabled(true);
    m_connectPushButton->setEnabled(true);
    // Only a message the user has seen goes: one put in by the opener before
    // the dialog is shown survives the filling of the fields.
    for (QLabel *label : {m_errorLabel, m_serverErrorLabel, m_connectErrorLabel, m_typeErrorLabel}) {
        if (label->isVisible())
            label->hide();
    }
}

void ZELConnectToServerSettings::resetConnectToServerSettings()
{
    m_hostNameLineEdit->setText(m_savedHostName);
    m_portValueLineEdit->setText(m_savedPortValue);
    m_proxyServerHostName->setText(m_savedProxyHostName);
    m_proxyServerPortValue->setText(m_savedProxyPortValue);
    m_userNameAuthentication->setText(m_savedUserName);
    m_passwordAuthentication->setText(m_savedPassword);
    m_proxyServerType = m_savedProxyServerType;
    showProxyType(m_savedProxyServerType);
    m_resetButton->setEnabled(false);
    m_connectPushButton->setEnabled(false);
    m_hostNameLineEdit->setFocus();
}

void ZELConnectToServerSettings::showConnectToServerDialog(QStringList settings)
{
    while (settings.size() < ShownSettingCount)
        settings.append(QString());
    m_proxyServerType = settings.at(ShownProxyType);
    m_savedProxyServerType = settings.at(ShownProxyType);
    m_savedHostName = settings.at(ShownHost);
    m_savedPortValue = settings.at(ShownPort);
    m_savedProxyHostName = settings.at(ShownProxyHost);
    m_savedProxyPortValue = settings.at(ShownProxyPort);
    m_savedUserName = settings.at(ShownProxyUser);
    m_savedPassword = settings.at(ShownProxyPassword);

    m_hostNameLineEdit->setText(m_savedHostName);
    m_portValueLineEdit->setText(m_savedPortValue);
    m_proxyServerHostName->setText(m_savedProxyHostName);
    m_proxyServerPortValue->setText(m_savedProxyPortValue);
    m_userNameAuthentication->setText(m_savedUserName);
    m_passwordAuthentication->setText(m_savedPassword);
    setProxyFieldsEnabled(true);
    showProxyType(m_savedProxyServerType);
}

void ZELConnectToServerSettings::showProxyType(const QString &type)
{
    if (type == QLatin1String("DefaultProxy"))
        m_defaultProxyRadioButton->setChecked(true);
    else if (type == QLatin1String("HttpProxy"))
        m_httpProxyradioButton->setChecked(true);
    else if (type == QLatin1String("Socks5Proxy"))
        m_socks5ProxyradioButton->setChecked(true);
    else
        m_noProxyradioButton->setChecked(true);
    setProxyFieldsEnabled(!m_noProxyradioButton->isChecked());
}

void ZELConnectToServerSettings::setProxyFieldsEnabled(bool enabled)
{
    for (QLineEdit *edit : {m_proxyServerHostName, m_proxyServerPortValue,
                            m_userNameAuthentication, m_passwordAuthentication})
        edit->setEnabled(enabled);
}

bool ZELConnectToServerSettings::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || watched == m_closeButton)
        return QDialog::eventFilter(watched, event);

    auto *keyEvent = static_cast<QKeyEvent *>(event);
    const int key = keyEvent->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (!m_connectPushButton->isEnabled())
            return QDialog::eventFilter(watched, event);
        connectToHost();
        return true;
    }
    // Nothing is pasted into the proxy credentials: Ctrl+V empties the field.
    if (key == Qt::Key_V && keyEvent->modifiers() == Qt::ControlModifier
        && (watched == m_userNameAuthentication || watched == m_passwordAuthentication)) {
        static_cast<QLineEdit *>(watched)->clear();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void ZELConnectToServerSettings::closeEvent(QCloseEvent *event)
{
    event->accept();
    // Until the deletion runs, the opener must not find and reuse this one.
    setObjectName(QString());
    deleteLater();
}
