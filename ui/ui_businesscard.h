#ifndef UI_BUSINESSCARD_H
#define UI_BUSINESSCARD_H

#include <QtWidgets/QLabel>
#include <QtWidgets/QWidget>

// The presence toast's form: a picture area and four lines of text.
class Ui_BusinessCard
{
public:
    QLabel *m_businessCardPixel;
    QLabel *m_businessCardLoginId;
    QLabel *m_businessCardUserNameLable;
    QLabel *m_businessCardDepartment;
    QLabel *m_businessCardStatus;

    void setupUi(QWidget *BusinessCard);
    void retranslateUi(QWidget *BusinessCard);
};

namespace Ui {
class BusinessCard : public Ui_BusinessCard {};
}

#endif
