#ifndef UI_ZELMESSAGEBOXDIALOG_H
#define UI_ZELMESSAGEBOXDIALOG_H

// Form of the framed message box: title band, frame labels, close button,
// icon and message text, 290 x 108.

#include <QtCore/QVariant>
#include <QtGui/QFont>
#include <QtWidgets/QApplication>
#include <QtWidgets/QLabel>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QWidget>

QT_BEGIN_NAMESPACE

class Ui_ZELMessageBoxDialog
{
public:
    QLabel *m_logoLabel;
    QLabel *m_leftTopCorner;
    QLabel *m_leftStretch;
    QLabel *m_leftBottomCorner;
    QLabel *m_rightBottomCorner;
    QLabel *m_bottomStretch;
    QLabel *m_rightStretch;
    QLabel *m_rightTopCorner;
    QPushButton *m_exitButton;
    QLabel *m_pixmapLabel;
    QLabel *m_messageText;

    void setupUi(QWidget *ZELMessageBoxDialog)
    {
        if (ZELMessageBoxDialog->objectName().isEmpty())
            ZELMessageBoxDialog->setObjectName("ZELMessageBoxDialog");
        ZELMessageBoxDialog->resize(290, 108);
        QSizePolicy fixedPolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        ZELMessageBoxDialog->setSizePolicy(fixedPolicy);
        ZELMessageBoxDialog->setMinimumSize(QSize(290, 108));
        ZELMessageBoxDialog->setMaximumSize(QSize(290, 108));

        m_logoLabel = new QLabel(ZELMessageBoxDialog);
        m_logoLabel->setObjectName("m_logoLabel");
        m_logoLabel->setGeometry(QRect(11, 0, 268, 20));
        m_logoLabel->setSizePolicy(QSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding));
        m_logoLabel->setMinimumSize(QSize(0, 20));
        m_logoLabel->setMaximumSize(QSize(16777215, 20));
        QFont titleFont;
        titleFont.setFamilies({QString::fromUtf8("Verdana")});
        titleFont.setPointSize(8);
        titleFont.setBold(true);
        m_logoLabel->setFont(titleFont);
        m_logoLabel->setAutoFillBackground(true);
        m_logoLabel->setAlignment(Qt::AlignCenter);

        m_leftTopCorner = new QLabel(ZELMessageBoxDialog);
        m_leftTopCorner->setObjectName("m_leftTopCorner");
        m_leftTopCorner->setGeometry(QRect(0, 0, 11, 20));
        m_leftTopCorner->setFixedSize(QSize(11, 20));
        m_leftTopCorner->setAutoFillBackground(true);

        m_leftStretch = new QLabel(ZELMessageBoxDialog);
        m_leftStretch->setObjectName("m_leftStretch");
        m_leftStretch->setGeometry(QRect(0, 20, 11, 77));
        m_leftStretch->setMinimumSize(QSize(11, 0));
        m_leftStretch->setMaximumSize(QSize(11, 16777215));
        m_leftStretch->setAutoFillBackground(true);

        m_leftBottomCorner = new QLabel(ZELMessageBoxDialog);
        m_leftBottomCorner->setObjectName("m_leftBottomCorner");
        m_leftBottomCorner->setGeometry(QRect(0, 97, 11, 11));
        m_leftBottomCorner->setFixedSize(QSize(11, 11));
        m_leftBottomCorner->setAutoFillBackground(true);

        m_rightBottomCorner = new QLabel(ZELMessageBoxDialog);
        m_rightBottomCorner->setObjectName("m_rightBottomCorner");
        m_rightBottomCorner->setGeometry(QRect(279, 97, 11, 11));
        m_rightBottomCorner->setFixedSize(QSize(11, 11));
        m_rightBottomCorner->setAutoFillBackground(true);

        m_bottomStretch = new QLabel(ZELMessageBoxDialog);
        m_bottomStretch->setObjectName("m_bottomStretch");
        m_bottomStretch->setGeometry(QRect(11, 97, 268, 11));
        m_bottomStretch->setMinimumSize(QSize(0, 11));
        m_bottomStretch->setMaximumSize(QSize(16777215, 11));
        m_bottomStretch->setAutoFillBackground(true);

        m_rightStretch = new QLabel(ZELMessageBoxDialog);
        m_rightStretch->setObjectName("m_rightStretch");
        m_rightStretch->setGeometry(QRect(279, 20, 11, 77));
        m_rightStretch->setMinimumSize(QSize(11, 0));
        m_rightStretch->setMaximumSize(QSize(11, 16777215));
        m_rightStretch->setAutoFillBackground(true);

        m_rightTopCorner = new QLabel(ZELMessageBoxDialog);
        m_rightTopCorner->setObjectName("m_rightTopCorner");
        m_rightTopCorner->setGeometry(QRect(279, 0, 11, 20));
        m_rightTopCorner->setFixedSize(QSize(11, 20));
        m_rightTopCorner->setAutoFillBackground(true);

        m_exitButton = new QPushButton(ZELMessageBoxDialog);
        m_exitButton->setObjectName("m_exitButton");
        m_exitButton->setGeometry(QRect(269, 6, 12, 11));
        m_exitButton->setAutoFillBackground(true);
        m_exitButton->setFlat(true);

        m_pixmapLabel = new QLabel(ZELMessageBoxDialog);
        m_pixmapLabel->setObjectName("m_pixmapLabel");
        m_pixmapLabel->setGeometry(QRect(20, 35, 34, 32));
        QFont iconFont;
        iconFont.setFamilies({QString::fromUtf8("Verdana")});
        m_pixmapLabel->setFont(iconFont);
        m_pixmapLabel->setScaledContents(true);

        m_messageText = new QLabel(ZELMessageBoxDialog);
        m_messageText->setObjectName("m_messageText");
        m_messageText->setGeometry(QRect(61, 25, 175, 50));
        QFont textFont;
        textFont.setFamilies({QString::fromUtf8("MS Shell Dlg 2")});
        m_messageText->setFont(textFont);
        m_messageText->setAlignment(Qt::AlignCenter);
        m_messageText->setWordWrap(true);

        retranslateUi(ZELMessageBoxDialog);
    } // setupUi

    void retranslateUi(QWidget *ZELMessageBoxDialog)
    {
        ZELMessageBoxDialog->setWindowTitle(QCoreApplication::translate("ZELMessageBoxDialog", "Form"));
        m_logoLabel->setText(QCoreApplication::translate("ZELMessageBoxDialog", "Title"));
        m_exitButton->setToolTip(QCoreApplication::translate("ZELMessageBoxDialog", "Close"));
        m_exitButton->setText(QString());
        m_pixmapLabel->setText(QCoreApplication::translate("ZELMessageBoxDialog", "ddddddddddd"));
        m_messageText->setText(QString());
    } // retranslateUi
};

namespace Ui {
class ZELMessageBoxDialog : public Ui_ZELMessageBoxDialog {};
} // namespace Ui

QT_END_NAMESPACE

#endif // UI_ZELMESSAGEBOXDIALOG_H
