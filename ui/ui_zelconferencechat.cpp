#include /* form */ "ui/ui_zelconferencechat.h"

#include "ui/ui_zelformparts.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QMetaObject>
#include <QtGui/QFont>
#include <QtGui/QPalette>

namespace {

QPalette ownPalette(QPalette palette, const QColor &window, const QColor &text)
{
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Window, window);
        palette.setColor(group, QPalette::WindowText, text);
        palette.setColor(group, QPalette::Base, QColor(255, 255, 255));
        palette.setColor(group, QPalette::Text, text);
    }
    return palette;
}

} // namespace

void Ui_ZELConferenceChatDialog::setupUi(QDialog *ZELConferenceChatDialog)
{
    if (ZELConferenceChatDialog->objectName().isEmpty())
        ZELConferenceChatDialog->setObjectName(QString::fromLatin1("ZELConferenceChatDialog"));
    ZELConferenceChatDialog->resize(319, 160);
    ZELConferenceChatDialog->setMinimumSize(319, 160);
    ZELConferenceChatDialog->setMaximumSize(319, 160);

    m_logoLabel = new QLabel(ZELConferenceChatDialog);
    m_logoLabel->setObjectName(QString::fromLatin1("m_logoLabel"));
    m_logoLabel->setGeometry(11, 0, 297, 20);
    m_logoLabel->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    m_logoLabel->setMinimumHeight(20);
    m_logoLabel->setMaximumHeight(20);
    m_logoLabel->setPalette(ownPalette(m_logoLabel->palette(), QColor(236, 233, 216), QColor(0, 0, 0)));
    m_logoLabel->setFont(zelFormFont(true));
    m_logoLabel->setAlignment(Qt::AlignCenter);

    // Lies below the bottom edge: never seen.
    label = new QLabel(ZELConferenceChatDialog);
    label->setObjectName(QString::fromLatin1("label"));
    label->setGeometry(24, 421, 282, 74);
    label->setPalette(ownPalette(label->palette(), QColor(236, 233, 216), QColor(0, 0, 0)));
    label->setFont(QFont(QStringLiteral("MS Shell Dlg 2"), 7));
    label->setFrameShape(QFrame::StyledPanel);
    label->setFrameShadow(QFrame::Sunken);

    setupFrameLabels(ZELConferenceChatDialog, QSize(319, 160));

    m_closeButton = new QPushButton(ZELConferenceChatDialog);
    m_closeButton->setObjectName(QString::fromLatin1("m_closeButton"));
    m_closeButton->setGeometry(295, 7, 12, 11);
    m_closeButton->setFixedSize(12, 11);
    m_closeButton->setAutoFillBackground(true);
    m_closeButton->setFlat(true);
    m_closeButton->setAutoDefault(false);

    m_conferenceChatOkButton = zelFormTextButton(ZELConferenceChatDialog, "m_conferenceChatOkButton", QRect(70, 100, 75, 23));
    m_cancelButton = zelFormTextButton(ZELConferenceChatDialog, "m_cancelButton", QRect(180, 100, 75, 23));

    m_chatSessionNameLabel = new QLabel(ZELConferenceChatDialog);
    m_chatSessionNameLabel->setObjectName(QString::fromLatin1("m_chatSessionNameLabel"));
    m_chatSessionNameLabel->setGeometry(30, 50, 112, 16);
    m_chatSessionNameLabel->setFont(zelFormFont(false));

    m_chatSessionNameEdit = new QLineEdit(ZELConferenceChatDialog);
    m_chatSessionNameEdit->setObjectName(QString::fromLatin1("m_chatSessionNameEdit"));
    m_chatSessionNameEdit->setGeometry(150, 50, 156, 20);
    m_chatSessionNameEdit->setPalette(ownPalette(m_chatSessionNameEdit->palette(), QColor(144, 209, 247),
                                                 QColor(0, 0, 0)));
    m_chatSessionNameEdit->setFont(zelFormFont(false));
    m_chatSessionNameEdit->setMaxLength(25);

    QWidget::setTabOrder(m_chatSessionNameEdit, m_conferenceChatOkButton);
    QWidget::setTabOrder(m_conferenceChatOkButton, m_cancelButton);
    QWidget::setTabOrder(m_cancelButton, m_closeButton);

    retranslateUi(ZELConferenceChatDialog);
    QMetaObject::connectSlotsByName(ZELConferenceChatDialog);
}

void Ui_ZELConferenceChatDialog::retranslateUi(QDialog *ZELConferenceChatDialog)
{
    const auto tr = [](const char *text) { return QCoreApplication::translate("ZELConferenceChatDialog", text); };
    ZELConferenceChatDialog->setWindowTitle(tr("Conference Chat"));
    m_logoLabel->setText(tr("Conference Chat"));
    m_closeButton->setToolTip(tr("Close"));
    m_conferenceChatOkButton->setText(tr("Ok"));
    m_conferenceChatOkButton->setToolTip(tr("Ok"));
    m_cancelButton->setText(tr("Close"));
    m_cancelButton->setToolTip(tr("Close"));
    m_chatSessionNameLabel->setText(tr("Chat Session Name"));
}
