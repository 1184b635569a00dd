#ifndef UI_ZELSTATUSMESSAGEDIALOG_H
#define UI_ZELSTATUSMESSAGEDIALOG_H

// Form of the status message editor: the status picture, the message box and
// Ok / Close, 300 x 150, no layouts.

#include <QtCore/QCoreApplication>
#include <QtCore/QVariant>
#include <QtGui/QFont>
#include <QtWidgets/QDialog>
#include <QtWidgets/QLabel>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QTextEdit>

QT_BEGIN_NAMESPACE

class Ui_ZELStatusMessageDialog
{
public:
    QPushButton *m_statusOkButton;
    QPushButton *m_statusCancelButton;
    QLabel *m_statusLabel;
    QTextEdit *m_statusMessageEdit;
    QLabel *m_sMessageLabel;
    QLabel *m_logoLabel;
    QLabel *m_logoIconLabel;

    void setupUi(QDialog *ZELStatusMessageDialog)
    {
        if (ZELStatusMessageDialog->objectName().isEmpty())
            ZELStatusMessageDialog->setObjectName("ZELStatusMessageDialog");
        ZELStatusMessageDialog->resize(300, 150);
        QFont dialogFont;
        dialogFont.setFamilies({QString::fromUtf8("Verdana")});
        ZELStatusMessageDialog->setFont(dialogFont);
        ZELStatusMessageDialog->setAutoFillBackground(true);

        m_statusOkButton = new QPushButton(ZELStatusMessageDialog);
        m_statusOkButton->setObjectName("m_statusOkButton");
        m_statusOkButton->setGeometry(QRect(120, 105, 60, 23));
        m_statusOkButton->setCursor(QCursor(Qt::PointingHandCursor));

        m_statusCancelButton = new QPushButton(ZELStatusMessageDialog);
        m_statusCancelButton->setObjectName("m_statusCancelButton");
        m_statusCancelButton->setGeometry(QRect(190, 105, 60, 23));
        m_statusCancelButton->setCursor(QCursor(Qt::PointingHandCursor));

        m_statusLabel = new QLabel(ZELStatusMessageDialog);
        m_statusLabel->setObjectName("m_statusLabel");
        m_statusLabel->setGeometry(QRect(10, 30, 71, 51));
        m_statusLabel->setAlignment(Qt::AlignCenter);
        m_statusLabel->setWordWrap(true);

        m_statusMessageEdit = new QTextEdit(ZELStatusMessageDialog);
        m_statusMessageEdit->setObjectName("m_statusMessageEdit");
        m_statusMessageEdit->setGeometry(QRect(103, 40, 180, 50));
        m_statusMessageEdit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        m_statusMessageEdit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        m_statusMessageEdit->setAcceptRichText(false);

        m_sMessageLabel = new QLabel(ZELStatusMessageDialog);
        m_sMessageLabel->setObjectName("m_sMessageLabel");
        m_sMessageLabel->setGeometry(QRect(35, 45, 40, 40));
        QFont pictureFont;
        pictureFont.setBold(false);
        m_sMessageLabel->setFont(pictureFont);
        m_sMessageLabel->setScaledContents(true);
        m_sMessageLabel->setAlignment(Qt::AlignLeading | Qt::AlignLeft | Qt::AlignTop);
        m_sMessageLabel->setWordWrap(true);

        m_logoLabel = new QLabel(ZELStatusMessageDialog);
        m_logoLabel->setObjectName("m_logoLabel");
        m_logoLabel->setGeometry(QRect(40, 4, 241, 20));
        QFont titleFont;
        titleFont.setBold(true);
        m_logoLabel->setFont(titleFont);

        m_logoIconLabel = new QLabel(ZELStatusMessageDialog);
        m_logoIconLabel->setObjectName("m_logoIconLabel");
        m_logoIconLabel->setGeometry(QRect(11, 4, 25, 20));
        m_logoIconLabel->setScaledContents(true);

        QWidget::setTabOrder(m_statusMessageEdit, m_statusOkButton);
        QWidget::setTabOrder(m_statusOkButton, m_statusCancelButton);

        retranslateUi(ZELStatusMessageDialog);
    }

    void retranslateUi(QDialog *ZELStatusMessageDialog)
    {
        ZELStatusMessageDialog->setWindowTitle(
            QCoreApplication::translate("ZELStatusMessageDialog", "Status Message"));
        m_statusOkButton->setToolTip(QCoreApplication::translate("ZELStatusMessageDialog", "Ok"));
        m_statusOkButton->setText(QCoreApplication::translate("ZELStatusMessageDialog", "Ok"));
        m_statusCancelButton->setToolTip(QCoreApplication::translate("ZELStatusMessageDialog", "Cancel"));
        m_statusCancelButton->setText(QCoreApplication::translate("ZELStatusMessageDialog", "Close"));
        m_statusLabel->setText(QString());
        m_sMessageLabel->setText(QString());
        m_logoLabel->setText(QCoreApplication::translate("ZELStatusMessageDialog", "TextLabel"));
        m_logoIconLabel->setText(QCoreApplication::translate("ZELStatusMessageDialog", "TextLabel"));
    }
};

namespace Ui {
class ZELStatusMessageDialog : public Ui_ZELStatusMessageDialog {};
} // namespace Ui

QT_END_NAMESPACE

#endif
