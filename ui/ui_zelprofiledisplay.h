#ifndef UI_ZELPROFILEDISPLAY_H
#define UI_ZELPROFILEDISPLAY_H

#include <QtWidgets/QLabel>
#include <QtWidgets/QToolButton>
#include <QtWidgets/QWidget>

// The contact card's form: presence strip, photo, presence word, status
// message, local time, a chat button and the "Menu" button, by fixed geometry.
class Ui_ZELProfileDisplay
{
public:
    QLabel *m_frameBoxControl;
    QLabel *m_userStatusLabel;
    QToolButton *m_chatToolButton;
    QLabel *m_userName;
    QLabel *m_userStatusPixmap;
    QLabel *m_userPixmap;
    QLabel *m_userTimeLabel;
    QLabel *m_statusMessageLabel;
    QToolButton *m_menuToolButton;

    void setupUi(QWidget *ZELProfileDisplay);
    void retranslateUi(QWidget *ZELProfileDisplay);
};

namespace Ui {
class ZELProfileDisplay : public Ui_ZELProfileDisplay {};
}

#endif
