#ifndef UI_ZELUSERPROFILEDIALOG_H
#define UI_ZELUSERPROFILEDIALOG_H

#include <QtWidgets/QLabel>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QWidget>

// The profile card's form: the picture, eight text rows, two icons and the
// close button, placed by coordinates on a 295 x 270 window.
class Ui_ZELUserProfileDialog
{
public:
    QLabel *m_viewProfileImage;
    QLabel *m_profileLabel0;
    QLabel *m_profileLabel1;
    QLabel *m_profileLabel2;
    QLabel *m_profileLabel3;
    QLabel *m_profileLabel4;
    QLabel *m_profileLabel5;
    QLabel *m_profileLabel6;
    QLabel *m_profileLabel7;
    QLabel *m_phoneLabel;
    QLabel *m_emailLabel;
    QPushButton *m_closeButton;

    void setupUi(QWidget *ZELUserProfileDialog);
    void retranslateUi(QWidget *ZELUserProfileDialog);
};

namespace Ui {
class ZELUserProfileDialog : public Ui_ZELUserProfileDialog {};
}

#endif
