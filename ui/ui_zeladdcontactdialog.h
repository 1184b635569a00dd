#ifndef UI_ZELADDCONTACTDIALOG_H
#define UI_ZELADDCONTACTDIALOG_H

#include <QtWidgets/QDialog>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QTableWidget>

#include "ui/ui_zeldialogchrome.h"

// The add-contact dialog's form: the frame, the search row, the result table
// and the Add / Close buttons.
class Ui_ZELAddContactDialog : public Ui_ZELDialogChrome
{
public:
    QLabel *label;
    QLineEdit *m_keywordOrUser;
    QPushButton *m_searchButton;
    QPushButton *m_showALLButton;
    QLabel *m_resultLabel;
    QTableWidget *m_resulttable;
    QPushButton *m_addButton;
    QPushButton *m_cancelButton;

    void setupUi(QDialog *ZELAddContactDialog);
    void retranslateUi(QDialog *ZELAddContactDialog);
};

namespace Ui {
class ZELAddContactDialog : public Ui_ZELAddContactDialog {};
}

#endif
