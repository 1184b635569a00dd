#ifndef UI_ZELSMILEYDIALOG_H
#define UI_ZELSMILEYDIALOG_H

#include <QtWidgets/QDialog>
#include <QtWidgets/QListWidget>

// The smiley picker's form: one icon-mode list filling a fixed 124 x 210 window.
class Ui_ZELSmileyDialog
{
public:
    QListWidget *m_smileyListBox;

    void setupUi(QDialog *ZELSmileyDialog);
    void retranslateUi(QDialog *ZELSmileyDialog);
};

namespace Ui {
class ZELSmileyDialog : public Ui_ZELSmileyDialog {};
}

#endif
