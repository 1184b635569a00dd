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

#include "style/zelframelabels.h"

QT_BEGIN_NAMESPACE

class Ui_ZELMessageBoxDialog : public ZELFrameLabels
{
public:
    QLabel *m_logoLabel;
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

        m_logoLabel = titleLabel(ZELMessageBoxDialog, QRect(11, 0, 268, 20));
        m_logoLabel->setSizePolicy(QSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding));
        m_logoLabel->setAutoFillBackground(true);
        setupFrameLabels(ZELMessageBoxDialog, QSize(290, 108));

        m_exitButton = titleButton(ZELMessageBoxDialog, "m_exitButton", QRect(269, 6, 12, 11));
        m_exitButton->setAutoFillBackground(true);

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
        m_pixmapLabel->setText(QString()); // holds the icon only
        m_messageText->setText(QString());
    } // retranslateUi
};

namespace Ui {
class ZELMessageBoxDialog : public Ui_ZELMessageBoxDialog {};
} // namespace Ui

QT_END_NAMESPACE

#endif // UI_ZELMESSAGEBOXDIALOG_H
