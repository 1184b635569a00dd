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

QT_BEGIN_NAMESPACE

class Ui_ZELAboutDialog
{
public:
    QLabel *m_logoLabel;
    QLabel *m_leftTopCorner;
    QLabel *m_rightTopCorner;
    QLabel *m_rightStretch;
    QLabel *m_rightBottomCorner;
    QLabel *m_bottomStretch;
    QLabel *m_leftStretch;
    QLabel *m_leftBottomCorner;
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

        m_logoLabel = new QLabel(ZELAboutDialog);
        m_logoLabel->setObjectName("m_logoLabel");
        m_logoLabel->setGeometry(QRect(11, 0, 475, 20));
        m_logoLabel->setMinimumSize(QSize(0, 20));
        m_logoLabel->setMaximumSize(QSize(16777215, 20));
        QFont titleFont;
        titleFont.setFamilies({QString::fromUtf8("Verdana")});
        titleFont.setPointSize(8);
        titleFont.setBold(true);
        m_logoLabel->setFont(titleFont);
        m_logoLabel->setAlignment(Qt::AlignCenter);

        m_leftTopCorner = new QLabel(ZELAboutDialog);
        m_leftTopCorner->setObjectName("m_leftTopCorner");
        m_leftTopCorner->setGeometry(QRect(0, 0, 11, 20));
        m_leftTopCorner->setFixedSize(QSize(11, 20));
        m_leftTopCorner->setAutoFillBackground(true);

        m_rightTopCorner = new QLabel(ZELAboutDialog);
        m_rightTopCorner->setObjectName("m_rightTopCorner");
        m_rightTopCorner->setGeometry(QRect(486, 0, 11, 20));
        m_rightTopCorner->setFixedSize(QSize(11, 20));
        m_rightTopCorner->setAutoFillBackground(true);

        m_rightStretch = new QLabel(ZELAboutDialog);
        m_rightStretch->setObjectName("m_rightStretch");
        m_rightStretch->setGeometry(QRect(486, 20, 11, 170));
        m_rightStretch->setMinimumSize(QSize(11, 0));
        m_rightStretch->setMaximumSize(QSize(11, 16777215));
        m_rightStretch->setAutoFillBackground(true);

        m_rightBottomCorner = new QLabel(ZELAboutDialog);
        m_rightBottomCorner->setObjectName("m_rightBottomCorner");
        m_rightBottomCorner->setGeometry(QRect(486, 190, 11, 11));
        m_rightBottomCorner->setFixedSize(QSize(11, 11));
        m_rightBottomCorner->setAutoFillBackground(true);

        m_bottomStretch = new QLabel(ZELAboutDialog);
        m_bottomStretch->setObjectName("m_bottomStretch");
        m_bottomStretch->setGeometry(QRect(11, 190, 475, 11));
        m_bottomStretch->setMinimumSize(QSize(0, 11));
        m_bottomStretch->setMaximumSize(QSize(16777215, 11));
        m_bottomStretch->setAutoFillBackground(true);

        m_leftStretch = new QLabel(ZELAboutDialog);
        m_leftStretch->setObjectName("m_leftStretch");
        m_leftStretch->setGeometry(QRect(0, 20, 11, 170));
        m_leftStretch->setMinimumSize(QSize(11, 0));
        m_leftStretch->setMaximumSize(QSize(11, 16777215));
        m_leftStretch->setAutoFillBackground(true);

        m_leftBottomCorner = new QLabel(ZELAboutDialog);
        m_leftBottomCorner->setObjectName("m_leftBottomCorner");
        m_leftBottomCorner->setGeometry(QRect(0, 190, 11, 11));
        m_leftBottomCorner->setFixedSize(QSize(11, 11));
        m_leftBottomCorner->setAutoFillBackground(true);

        m_aboutCloseButton = new QPushButton(ZELAboutDialog);
        m_aboutCloseButton->setObjectName("m_aboutCloseButton");
        m_aboutCloseButton->setGeometry(QRect(403, 160, 75, 23));
        QFont buttonFont;
        buttonFont.setFamilies({QString::fromUtf8("Verdana")});
        buttonFont.setPointSize(8);
        buttonFont.setBold(false);
        m_aboutCloseButton->setFont(buttonFont);
        m_aboutCloseButton->setCursor(QCursor(Qt::PointingHandCursor));

        m_closeButton = new QPushButton(ZELAboutDialog);
        m_closeButton->setObjectName("m_closeButton");
        m_closeButton->setGeometry(QRect(473, 7, 12, 11));
        m_closeButton->setAutoFillBackground(true);
        m_closeButton->setFlat(true);

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
        label_3->setOpenExternalLinks(true);

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
        m_leftTopCorner->setText(QString());
        m_rightTopCorner->setText(QString());
        m_rightStretch->setText(QString());
        m_rightBottomCorner->setText(QString());
        m_bottomStretch->setText(QString());
        m_leftStretch->setText(QString());
        m_leftBottomCorner->setText(QString());
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
