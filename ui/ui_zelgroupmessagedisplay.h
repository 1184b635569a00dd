#ifndef UI_ZELGROUPMESSAGEDISPLAY_H
#define UI_ZELGROUPMESSAGEDISPLAY_H

#include <QtWidgets/QGridLayout>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QLabel>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QTextBrowser>

#include "style/zelmessagebrowser.h"
#include <QtWidgets/QVBoxLayout>
#include <QtWidgets/QWidget>

// The form of the window showing one received group message: frame with
// minimise and close buttons, the text browser and a Close button.
class Ui_ZELGroupMessageDisplay
{
public:
    QGridLayout *gridLayout;
    QHBoxLayout *hboxLayout;
    QLabel *m_leftTopCorner;
    QLabel *m_logoLabel;
    QPushButton *m_minimizeButton;
    QPushButton *m_closeButton;
    QLabel *m_rightTopCorner;
    QHBoxLayout *hboxLayout1;
    QLabel *m_leftStretch;
    QVBoxLayout *vboxLayout;
    ZELMessageBrowser *m_gMessageTextBrowser;
    QHBoxLayout *hboxLayout2;
    QPushButton *m_cancelButton;
    QLabel *m_rightStretch;
    QHBoxLayout *hboxLayout3;
    QLabel *m_leftBottomCorner;
    QLabel *m_bottomStretch;
    QLabel *m_rightBottomCorner;

    void setupUi(QWidget *ZELGroupMessageDisplay);
    void retranslateUi(QWidget *ZELGroupMessageDisplay);
};

namespace Ui {
class ZELGroupMessageDisplay : public Ui_ZELGroupMessageDisplay {};
}

#endif
