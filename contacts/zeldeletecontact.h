#ifndef ZELDELETECONTACT_H
#define ZELDELETECONTACT_H

#include /* form */ "ui/ui_zeldeletecontactdialog.h"

#include <QDialog>
#include <QPoint>
#include <QStringList>

// Lists the user's contacts; the checked ones are removed after a question.
// Long-lived child of the main widget; closing only hides it.
class ZELDeleteContact : public QDialog, public Ui_ZELDeleteContactDialog
{
    Q_OBJECT

public:
    explicit ZELDeleteContact(QWidget *parent);

    void closeConnection();
    void connectedServer();

    bool m_maximized = false;
    int m_checkedCount = 0;
    int m_lastClickedRow = -1;
    bool m_disconnected = false;

signals:
    void deleteContact(QStringList &request);
    void showApprovalProfileDetails(QStringList &profile, QPoint &position);
};

#endif
