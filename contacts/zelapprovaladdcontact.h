#ifndef ZELAPPROVALADDCONTACT_H
#define ZELAPPROVALADDCONTACT_H

#include /* form */ "ui/ui_zelapprovaladdcontactdialog.h"

#include <QDialog>
#include <QPoint>
#include <QString>
#include <QStringList>

// Requests of other users to be added to the user's contacts; the user
// accepts or rejects the checked rows. Long-lived child of the main widget.
class ZELApprovalAddContact : public QDialog, public Ui_ZELApprovalAddContactDialog
{
    Q_OBJECT

public:
    explicit ZELApprovalAddContact(QWidget *parent);

    void closeConnection();
    void connectedServer();
    // True when the table already lists a request from that login id.
    bool checkUserAlreadyAdded(QString loginId) const;

    int m_checkedCount = 0;
    int m_lastClickedRow = -1;
    bool m_disconnected = false;

signals:
    void sendRejectedUsersListSignal(QStringList &request, int &count);
    void sendAcceptedUsersListSignal(QStringList &request, int &count);
    void showApprovalProfileDetails(QStringList &profile, QPoint &position);
};

#endif
