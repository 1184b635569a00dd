#ifndef UI_ZELDELETECONTACTDIALOG_H
#define UI_ZELDELETECONTACTDIALOG_H

#include <QtWidgets/QDialog>
#include <QtWidgets/QLabel>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QTableWidget>

#include "ui/ui_zeldialogchrome.h"

// The remove-contact dialog's form: the frame, the contact table, the error
// line and Remove / Close.
class Ui_ZELDeleteContactDialog : public Ui_ZELDialogChrome
{
public:
    QLabel *label;
    QTableWidget *m_deleteContactList;
    QLabel *m_displayErrorMessage;
    QPushButton *m_okButton;
    QPushButton *m_cancelButton;

    void setupUi(QDialog *ZELDeleteContactDialog);
    void retranslateUi(QDialog *ZELDeleteContactDialog);
};

namespace Ui {
class ZELDeleteContactDialog : public Ui_ZELDeleteContactDialog {};
}

#endif
