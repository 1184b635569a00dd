#ifndef ZELCHANGEPASSWORD_H
#define ZELCHANGEPASSWORD_H

#include /* form */ "ui/ui_zelchangepassworddialog.h"

#include <QDialog>
#include <QString>

// The password change dialog: made anew for each opening as a window-modal
// child of the main widget, which finds an open one by its object name.
class ZELChangePassword : public QDialog, public Ui_ZELChangePasswordDialog
{
    Q_OBJECT

public:
    explicit ZELChangePassword(QWidget *parent);

    void closeConnection();
    void connectedServer();

    bool m_disconnected = false;

signals:
    void changePasswordGetUserName(QString &oldPassword, QString &newPassword);

public slots:
    // Modify is on exactly when all three fields hold text and the server is reachable.
    void enableSubmitButton(QString text);
};

#endif
