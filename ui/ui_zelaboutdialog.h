#ifndef UI_ZELABOUTDIALOG_H
#define UI_ZELABOUTDIALOG_H

// Form of the About box: frame labels, logo, product lines and an Ok button,
// 497 x 201.

#include <QtCore/QVariant>
#include <QtGui/QFont>
#include <QtWidgets/QApplication>
#include <QtWidgets/QDialog>
#include <QtWidgets/QFrame>
#include <QtWidgets/QLabel>
#include <QtWidgets/QPushButton>

#include "style/zelframelabels.h"

QT_BEGIN_NAMESPACE

class Ui_ZELAboutDialog : public ZELFrameLabels
{
public:
    QLabel *m_logoLabel;
    QPushButton *m_aboutCloseButton;
    QPushButton *m_closeButton;
    QLabel *m_applicationLogoLabel;
    QLabel *label;
    QLabel *label_2;
    QLabel *label_3;
    QFrame *line;
    QLabel *label_4;

    void setupUi(QDialog *ZELAboutDialog)
    {
        if (ZELAboutDialog->objectName().isEmpty())
            ZELAboutDialog->setObjectName("ZELAboutDialog");
        ZELAboutDialog->setEnabled(true);
        ZELAboutDialog->resize(497, 201);
        ZELAboutDialog->setMinimumSize(QSize(497, 201));
        ZELAboutDialog->setMaximumSize(QSize(497, 201));
        QFont dialogFont;
        dialogFont.setFamilies({QString::fromUtf8("Tahoma")});
        dialogFont.setPointSize(8);
        dialogFont.setBold(false);
        ZELAboutDialog->setFont(dialogFont);

        setupFrameLabels(ZELAboutDialog, QSize(497, 201));
        m_logoLabel = titleLabel(ZELAboutDialog, QRect(11, 0, 475, 20));

        m_aboutCloseButton = new QPushButton(ZELAboutDialog);
        m_aboutCloseButton->setObjectName("m_aboutCloseButton");
        m_aboutCloseButton->setGeometry(QRect(403, 160, 75, 23));
        QFont buttonFont;
        buttonFont.setFamilies({QString::fromUtf8("Verdana")});
        buttonFont.setPointSize(8);
        buttonFont.setBold(false);
        m_aboutCloseButton->setFont(buttonFont);
        m_aboutCloseButton->setCursor(QCursor(Qt::PointingHandCursor));

        m_closeButton = titleButton(ZELAboutDialog, "m_closeButton", QRect(473, 7, 12, 11));
        m_closeButton->setAutoFillBackground(true);

        m_applicationLogoLabel = new QLabel(ZELAboutDialog);
        m_applicationLogoLabel->setObjectName("m_applicationLogoLabel");
        m_applicationLogoLabel->setGeometry(QRect(30, 30, 131, 121));
        m_applicationLogoLabel->setScaledContents(true);

        label = new QLabel(ZELAboutDialog);
        label->setObjectName("label");
        label->setGeometry(QRect(178, 40, 281, 16));

        label_2 = new QLabel(ZELAboutDialog);
        label_2->setObjectName("label_2");
        label_2->setGeometry(QRect(178, 70, 261, 16));

        label_3 = new QLabel(ZELAboutDialog);
        label_3->setObjectName("label_3");
        label_3->setGeometry(QRect(178, 100, 251, 16));
        label_3->setTextFormat(Qt::RichText);

        line = new QFrame(ZELAboutDialog);
        line->setObjectName("line");
        line->setGeometry(QRect(180, 120, 281, 16));
        line->setFrameShape(QFrame::HLine);
        line->setFrameShadow(QFrame::Sunken);

        label_4 = new QLabel(ZELAboutDialog);
        label_4->setObjectName("label_4");
        // Wider than the line above it: with substitute fonts the fixed memory
        // figure would otherwise lose its unit.
        label_4->setGeometry(QRect(180, 140, 300, 16));

        QWidget::setTabOrder(m_aboutCloseButton, m_closeButton);

        retranslateUi(ZELAboutDialog);
    } // setupUi

    void retranslateUi(QDialog *ZELAboutDialog)
    {
        ZELAboutDialog->setWindowTitle(QCoreApplication::translate("ZELAboutDialog", "About ZEL"));
        m_logoLabel->setText(QCoreApplication::translate("ZELAboutDialog", "About ZEL"));
        m_aboutCloseButton->setToolTip(QCoreApplication::translate("ZELAboutDialog", "Ok"));
        m_aboutCloseButton->setText(QCoreApplication::translate("ZELAboutDialog", "Ok"));
        m_closeButton->setToolTip(QCoreApplication::translate("ZELAboutDialog", "Close"));
        m_closeButton->setText(QString());
        m_applicationLogoLabel->setText(QCoreApplication::translate("ZELAboutDialog", "TextLabel"));
        label->setText(QCoreApplication::translate("ZELAboutDialog", "Zembrio  Version 0.0.0.1"));
        label_2->setText(QCoreApplication::translate("ZELAboutDialog",
            "Built by the Zembrio team for staff messaging."));
        label_3->setText(QCoreApplication::translate("ZELAboutDialog",
            "News and help: <a href=\"https://zembrio.example/\">zembrio.example</a>"));
        label_4->setText(QCoreApplication::translate("ZELAboutDialog",
            "Physical memory available to ZEL :  15957.07 KB"));
    } // retranslateUi
};

namespace Ui {
class ZELAboutDialog : public Ui_ZELAboutDialog {};
} // namespace Ui

QT_END_NAMESPACE

#endif // UI_ZELABOUTDIALOG_H
