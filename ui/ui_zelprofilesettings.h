#ifndef UI_ZELPROFILESETTINGS_H
#define UI_ZELPROFILESETTINGS_H

#include <QtWidgets/QComboBox>
#include <QtWidgets/QDialog>
#include <QtWidgets/QGroupBox>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>

#include "style/zelframelabels.h"

// The own-profile editor's form: the frame labels, the "Profile Details" box
// with its twelve rows and the "Display Image" box, and Reset / Update / Close,
// every widget placed by coordinates on a fixed 678 x 515 window.
class Ui_ZELProfileSettings : public ZELFrameLabels
{
public:
    QLabel *m_logoLabel;
    QPushButton *m_resetButton;
    QPushButton *m_updateButton;
    QPushButton *m_cancelButton;
    QPushButton *m_closeButton;
    QGroupBox *m_connectGroupBox;
    QLabel *label_12;
    QLineEdit *m_phoneLineEdit;
    QLineEdit *m_zipCodeLineEdit;
    QLabel *label_3;
    QLabel *label_6;
    QLabel *label_8;
    QComboBox *m_country;
    QLabel *label_13;
    QLabel *label_10;
    QLineEdit *m_stateLineEdit;
    QLineEdit *m_cityLineEdit;
    QLineEdit *m_streetLineEdit;
    QLineEdit *m_firstNameLineEdit;
    QLabel *label_9;
    QLineEdit *m_eMailAddressLineEdit;
    QLabel *label_7;
    QLabel *label_11;
    QLineEdit *m_areaLineEdit;
    QLabel *label;
    QLabel *m_timeLabel;
    QGroupBox *groupBox;
    QLabel *m_displayImageLabel;
    QPushButton *m_changeImageButton;
    QPushButton *m_resetImageButton;
    QComboBox *m_timeZoneComboBox;
    QLabel *m_displayErrorMessage;
    QLabel *label_2;
    QLabel *label_4;
    QLineEdit *m_buildingName;

    void setupUi(QDialog *ZELProfileSettings);
    void retranslateUi(QDialog *ZELProfileSettings);
};

namespace Ui {
class ZELProfileSettings : public Ui_ZELProfileSettings {};
}

#endif
