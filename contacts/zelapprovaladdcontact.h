#ifndef ZELAPPROVALADDCONTACT_H
#define ZELAPPROVALADDCONTACT_H

#include /* form */ "ui/ui_zelapprovaladdcontactdialog.h"

#include <QDialog>
#include <QPoint>
#include <QString>
#include <QStringList>

#include "contacts/zelcontacttable.h"

class QTableWidgetItem;
class ZELFramelessHelper;
class ZELMessageBoxClass;

// Requests of other users to be added to the user's contacts; the user
// accepts or rejects the checked rows as one list. Long-lived child of the
// main widget; the main widget fills the table, closing only hides it.
class ZELApprovalAddContact : public QDialog, public Ui_ZELApprovalAddContactDialog
{
    Q_OBJECT

public:
    enum Column { ProfileColumn, NameColumn, LoginIdColumn, CompanyColumn, DepartmentColumn, JobTitleColumn };

    explicit ZELApprovalAddContact(QWidget *parent);
    ~ZELApprovalAddContact() override;

    void closeConnection();
    void connectedServer();

    ZELFramelessHelper *frame() const { return m_frame; }

    UserProfileMap m_userProfiles;
    int m_checkedCount = 0;
    int m_lastClickedRow = -1;
    bool m_disconnected = false;
    ZELMessageBoxClass *m_questionBox = nullptr;

public slots:
    void sendAcceptedUsersList();
    void sendRejectedUsersList();
    void itemChangeStatus(QTableWidgetItem *item);
    void mouseMoveIcon(QTableWidgetItem *item);
    void selectUserName(int row, int column);
    void showUserProfile(int row, int column);
    void sectionClickedSignal(int section);
    // Takes out the first row listing that login id.
    void removeAlreadyAddedUserContact(QString loginId);
    // True when the table already lists a request from that login id.
    bool checkUserAlreadyAdded(QString loginId) const;

signals:
    void sendRejectedUsersListSignal(QStringList &request, int &count);
    void sendAcceptedUsersListSignal(QStringList &request, int &count);
    void showApprovalProfileDetails(QStringList &profile, QPoint &position);

protected slots:
    bool eventFilter(QObject *watched, QEvent *event) override;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void answer(bool accept);
    void emitCard(int row);

    ZELFramelessHelper *m_frame = nullptr;
};

#endif
