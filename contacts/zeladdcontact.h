#ifndef ZELADDCONTACT_H
#define ZELADDCONTACT_H

#include /* form */ "ui/ui_zeladdcontactdialog.h"

#include <QDialog>
#include <QPoint>
#include <QString>
#include <QStringList>

#include "contacts/zelcontacttable.h"

class QTableWidgetItem;
class ZELFramelessHelper;
class ZELMessageBoxClass;

// Search the organisation's users and add the checked ones as contacts.
// Long-lived child of the main widget; closing only hides it and empties it.
class ZELAddContact : public QDialog, public Ui_ZELAddContactDialog
{
    Q_OBJECT

public:
    // Result table columns.
    enum Column { ProfileColumn, NameColumn, LoginIdColumn, CompanyColumn, DepartmentColumn, JobTitleColumn };

    explicit ZELAddContact(QWidget *parent);
    ~ZELAddContact() override;

    // Connection lost: the sending controls stay off until connectedServer().
    void closeConnection();
    void connectedServer();

    ZELFramelessHelper *frame() const { return m_frame; }

    UserProfileMap m_userProfiles; // profile values of every user in the result table
    bool m_maximized = false;
    int m_checkedCount = 0;    // result rows whose check box is ticked
    int m_lastClickedRow = -1;
    bool m_disconnected = false;
    ZELMessageBoxClass *m_questionBox = nullptr;

public slots:
    void enableSearchInUserName(QString text);
    void getKeywordResult();
    void addUserName();
    void selectUserName(int row, int column);
    void maximized();
    void itemChangeStatus(QTableWidgetItem *item);
    void showUserProfile(int row, int column);
    void mouseMoveIcon(QTableWidgetItem *item);
    void sectionClickedSignal(int section);
    void showAllUserList();

signals:
    void addContact(QStringList &request, QStringList &users, QStringList &profiles);
    void searchKeyword(QString &keyword);
    void searchUserName(QString &userName);
    void showApprovalProfileDetails(QStringList &profile, QPoint &position);

protected slots:
    bool eventFilter(QObject *watched, QEvent *event) override;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void windowSettings(QWidget *parent);
    void signalsAndSlots();
    void defaultSettings();
    void initializeMemberVariables();
    void setZELStyle();
    void tableSettings();
    void afterResize();
    void emitCard(int row, const QString &loginId);

    ZELFramelessHelper *m_frame = nullptr;
};

#endif
