#ifndef UI_ZELGROUPMESSAGEDIALOG_H
#define UI_ZELGROUPMESSAGEDIALOG_H

#include <QtWidgets/QDialog>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QTextEdit>
#include <QtWidgets/QTreeWidget>

// The group-message composer's form: the recipient tree, the editor and
// the Send and Cancel buttons.
class Ui_ZELGroupMessageDialog
{
public:
    QTreeWidget *m_onlineUsersListWidget;
    QTextEdit *m_groupMessageTextEdit;
    QPushButton *m_sendMessageButton;
    QPushButton *m_cancelButton;

    void setupUi(QDialog *ZELGroupMessageDialog);
    void retranslateUi(QDialog *ZELGroupMessageDialog);
};

namespace Ui {
class ZELGroupMessageDialog : public Ui_ZELGroupMessageDialog {};
}

#endif
