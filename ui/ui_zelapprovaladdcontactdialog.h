#ifndef UI_ZELAPPROVALADDCONTACTDIALOG_H
#define UI_ZELAPPROVALADDCONTACTDIALOG_H

#include <QtWidgets/QDialog>
#include <QtWidgets/QLabel>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QTableWidget>

#include "ui/ui_zeldialogchrome.h"

// The form shared by the approval dialog and the requested-users dialog:
// the frame (no maximise button), one table of requests and the Accept,
// Reject and Close buttons.
class Ui_ZELApprovalAddContactDialog : public Ui_ZELDialogChrome
{
public:
    QLabel *label;
    QTableWidget *m_approvaltable;
    QPushButton *m_acceptPushButton;
    QPushButton *m_rejectPushButton;
    QPushButton *m_cancelButton;

    void setupUi(QDialog *ZELApprovalAddContactDialog);
    void retranslateUi(QDialog *ZELApprovalAddContactDialog);
};

namespace Ui {
class ZELApprovalAddContactDialog : public Ui_ZELApprovalAddContactDialog {};
}

#endif
