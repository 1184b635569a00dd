#ifndef ZELCONNECTTOSERVERSETTINGS_H
#define ZELCONNECTTOSERVERSETTINGS_H

#include <QDialog>
#include <QString>
#include <QStringList>

#include "ui/ui_zelconnecttoserversettings.h"

class QAbstractButton;
class QButtonGroup;
class QCloseEvent;
class QEvent;
class ZELFramelessHelper;

// Asks for the chat server's host and port and the proxy in front of it. It
// neither stores nor connects: OK checks the fields and hands them over by
// setHostDetails(), then the dialog closes (and deletes itself).
//
// The opener finds a living dialog among its children by the object name
// "ZELConnectToServerSettings" and fills it with showConnectToServerDialog().
//
// List handed over by setHostDetails(), texts as typed:
//   [0] proxy host, [1] proxy port, [2] proxy type, [3] proxy user,
//   [4] proxy password, [5] server host, [6] server port.
// List taken by showConnectToServerDialog():
//   [0] proxy type, [1] server host, [2] server port, [3] proxy host,
//   [4] proxy port, [5] proxy user, [6] proxy password.
class ZELConnectToServerSettings : public QDialog, public Ui_ZELConnectToServerSettings
{
    Q_OBJECT

public:
    // Positions in the list setHostDetails() hands over.
    enum HostDetail { DetailProxyHost, DetailProxyPort, DetailProxyType, DetailProxyUser,
                      DetailProxyPassword, DetailHost, DetailPort, HostDetailCount };
    // Positions in the list showConnectToServerDialog() takes.
    enum ShownSetting { ShownProxyType, ShownHost, ShownPort, ShownProxyHost, ShownProxyPort,
                        ShownProxyUser, ShownProxyPassword, ShownSettingCount };

    explicit ZELConnectToServerSettings(QWidget *parent = nullptr);
    ~ZELConnectToServerSettings() override;

    QString proxyServerType() const { return m_proxyServerType; }

signals:
    void setHostDetails(QStringList &details);

public slots:
    void connectToHost();
    void selectProxyServer(QAbstractButton *button);
    void enableOKButton(bool checked);
    void disableOKButton(bool checked);
    void resetConnectToServerSettings();
    void enableOKButton(const QString &text);
    void showConnectToServerDialog(QStringList settings);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void windowSettings(QWidget *parent);
    void signalsAndSlots();
    void initializeMemberVariables();
    void defaultSettings();
    void setZELStyle();

    // Checks the radio button of the type word ("No Proxy" for any other word)
    // and enables the proxy fields unless it is "No Proxy".
    void showProxyType(const QString &type);
    void setProxyFieldsEnabled(bool enabled);
    QList<QLineEdit *> lineEdits() const;

    ZELFramelessHelper *m_frame = nullptr;
    QButtonGroup *m_proxyButtonGroup = nullptr;
    QString m_proxyServerType;
    QString m_savedProxyServerType;
    QString m_savedHostName;
    QString m_savedPortValue;
    QString m_savedProxyHostName;
    QString m_savedProxyPortValue;
    QString m_savedUserName;
    QString m_savedPassword;
};

#endif
