#ifndef ZELCHANGEPASSWORD_H
#define ZELCHANGEPASSWORD_H

#include /* form */ "ui/ui_zelchangepassworddialog.h"

#include <QDialog>
#include <QString>

class QCloseEvent;
class QEvent;
class ZELFramelessHelper;
class ZELMessageBoxClass;

// The password change dialog: made anew for each opening as a window-modal
// child of the main widget, which finds an open one by its object name
// "ZELChangePasswordDialog". It checks the fields, closes, and hands old and
// new password over by changePasswordGetUserName(); it never talks to the
// server and deletes itself when closed.
class ZELChangePassword : public QDialog, public Ui_ZELChangePasswordDialog
{
    Q_OBJECT

public:
    static constexpr int MinimumPasswordLength = 6;

    explicit ZELChangePassword(QWidget *parent);
    ~ZELChangePassword() override;

    void closeConnection();
    void connectedServer();

    bool m_disconnected = false;
    ZELMessageBoxClass *m_informationBox = nullptr;

signals:
    void changePasswordGetUserName(QString &oldPassword, QString &newPassword);

public slots:
    void onModifyButtonClicked();
    // Shown on a dialog opened for a refused change: empty fields, the message.
    void passwordResult(QString result);
    // Modify is on exactly when all three fields hold text and the server is reachable.
    void enableSubmitButton(QString text);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void windowSettings(QWidget *parent);
    void signalsAndSlots();
    void setInstallEventFiltersForAllObjects();
    void initializeMemberVariables();
    void setZELStyle();

    ZELFramelessHelper *m_frame = nullptr;
};

#endif
