#ifndef UI_ZELGROUPMESSAGEDIALOG_H
#define UI_ZELGROUPMESSAGEDIALOG_H

#include <QtWidgets/QCheckBox>
#include <QtWidgets/QDialog>
#include <QtWidgets/QGridLayout>
#include <QtWidgets/QGroupBox>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QLabel>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QRadioButton>
#include <QtWidgets/QTextEdit>
#include <QtWidgets/QTreeWidget>
#include <QtWidgets/QVBoxLayout>
#include <QtWidgets/QWidget>

// The group-message composer's form: frame, the online/offline and
// user/department radio pairs, the recipient tree, the toolbar place, the
// editor and the Send and Close buttons. It makes no connections.
class Ui_ZELGroupMessageDialog
{
public:
    QGridLayout *gridLayout;
    QHBoxLayout *hboxLayout;
    QLabel *m_leftTopCorner;
    QLabel *m_logoLabel;
    QPushButton *m_closeButton;
    QLabel *m_rightTopCorner;
    QHBoxLayout *hboxLayout1;
    QLabel *m_leftStretch;
    QVBoxLayout *vboxLayout;
    QHBoxLayout *hboxLayout2;
    QLabel *m_groupLogoLabel;
    QLabel *label_2;
    QVBoxLayout *vboxLayout1;
    QGroupBox *m_contactsGroupBox;
    QRadioButton *m_offlineRadioButto;
    QRadioButton *m_onlineRadioButto;
    QTreeWidget *m_onlineUsersListWidget;
    QHBoxLayout *hboxLayout3;
    QCheckBox *m_selectAllCheckBox;
    QVBoxLayout *vboxLayout2;
    QGroupBox *m_listGroupBox;
    QRadioButton *m_userRadioButton;
    QRadioButton *m_deptRadioButton;
    QLabel *m_displayErrorMessage;
    QWidget *m_dockedWidget;
    QTextEdit *m_groupMessageTextEdit;
    QHBoxLayout *hboxLayout4;
    QPushButton *m_sendMessageButton;
    QPushButton *m_cancelButton;
    QLabel *m_rightStretch;
    QHBoxLayout *hboxLayout5;
    QLabel *m_leftBottomCorner;
    QLabel *m_bottomStretch;
    QLabel *m_rightBottomCorner;

    void setupUi(QDialog *ZELGroupMessageDialog);
    void retranslateUi(QDialog *ZELGroupMessageDialog);
};

namespace Ui {
class ZELGroupMessageDialog : public Ui_ZELGroupMessageDialog {};
}

#endif
