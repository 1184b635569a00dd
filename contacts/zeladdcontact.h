#ifndef ZELADDCONTACT_H
#define ZELADDCONTACT_H

#include /* form */ "ui/ui_zeladdcontactdialog.h"

#include <QDialog>
#include <QPoint>
#include <QString>
#include <QStringList>

// Search the organisation's users and add the checked ones as contacts.
// Long-lived child of the main widget; closing only hides it.
class ZELAddContact : public QDialog, public Ui_ZELAddContactDialog
{
    Q_OBJECT

public:
    explicit ZELAddContact(QWidget *parent);

    // Connection lost: the sending controls stay off until connectedServer().
    void closeConnection();
    void connectedServer();

    bool m_maximized = false;
    int m_checkedCount = 0;    // result rows whose check box is ticked
    int m_lastClickedRow = -1;
    bool m_disconnected = false;

signals:
    void addContact(QStringList &request, QStringList &users, QStringList &profiles);
    void searchKeyword(QString &keyword);
    void searchUserName(QString &userName);
    void showApprovalProfileDetails(QStringList &profile, QPoint &position);
};

#endif
