#ifndef ZELDELETECONTACT_H
#define ZELDELETECONTACT_H

#include /* form */ "ui/ui_zeldeletecontactdialog.h"

#include <QDialog>
#include <QPoint>
#include <QStringList>

#include "contacts/zelcontacttable.h"

class QTableWidgetItem;
class ZELFramelessHelper;
class ZELMessageBoxClass;

// Lists the user's contacts; the checked ones are removed after a question.
// Long-lived child of the main widget; closing only hides it and empties it.
class ZELDeleteContact : public QDialog, public Ui_ZELDeleteContactDialog
{
    Q_OBJECT

public:
    enum Column { ProfileColumn, NameColumn, LoginIdColumn, CompanyColumn, DepartmentColumn, JobTitleColumn };

    explicit ZELDeleteContact(QWidget *parent);
    ~ZELDeleteContact() override;

    void closeConnection();
    void connectedServer();

    ZELFramelessHelper *frame() const { return m_frame; }

    // Login id -> profile values; those made from a contact record end in its presence word.
    UserProfileMap m_userProfiles;
    bool m_maximized = false;
    int m_checkedCount = 0;
    int m_lastClickedRow = -1;
    bool m_disconnected = false;
    ZELMessageBoxClass *m_questionBox = nullptr;

signals:
    void deleteContact(QStringList &request);
    void showApprovalProfileDetails(QStringList &profile, QPoint &position);

public slots:
    void deleteSelectedContact();
    void maximized();
    void enableDeleteButton(int row, int column);
    void itemChangeStatus(QTableWidgetItem *item);
    void showUserProfile(int row, int column);
    void mouseMoveIcon(QTableWidgetItem *item);
    void sectionClickedSignal(int section);

protected slots:
    bool eventFilter(QObject *watched, QEvent *event) override;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void windowSettings(QWidget *parent);
    void signalsAndSlots();
    void defaultSettings();
    void initializeMemberVariables();
    void tableSettings();
    void emitCard(int row);
    void showError(const QString &text);

    ZELFramelessHelper *m_frame = nullptr;
};

#endif
