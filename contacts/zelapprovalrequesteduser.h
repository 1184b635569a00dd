#ifndef ZELAPPROVALREQUESTEDUSER_H
#define ZELAPPROVALREQUESTEDUSER_H

#include /* form */ "ui/ui_zelapprovaladdcontactdialog.h"

#include <QDialog>
#include <QStringList>

// Pending "requested user" contact requests; every checked row is answered
// by a request of its own. Long-lived child of the main widget.
class ZELApprovalRequestedUser : public QDialog, public Ui_ZELApprovalAddContactDialog
{
    Q_OBJECT

public:
    explicit ZELApprovalRequestedUser(QWidget *parent);

    void closeConnection();
    void connectedServer();

    int m_checkedCount = 0;
    bool m_disconnected = false;

signals:
    void sendAcceptedRejectedUsersListSignal(QStringList &request);
};

#endif
