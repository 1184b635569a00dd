#include /* form */ "ui/ui_zelpasswordchatdialog.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QMetaObject>
#include <QtGui/QFont>
#include <QtGui/QPalette>
#include <QtWidgets/QSpacerItem>

namespace {

QLabel *frameLabel(QDialog *dialog, const char *name)
{
    auto *label = new QLabel(dialog);
    label->setObjectName(QString::fromLatin1(name));
    label->setAutoFillBackground(true);
    return label;
}

QSpacerItem *fixedWidth(int w, int h)
{
    return new QSpacerItem(w, h, QSizePolicy::Fixed, QSizePolicy::Minimum);
}

QSpacerItem *fixedHeight(int w, int h)
{
    return new QSpacerItem(w, h, QSizePolicy::Minimum, QSizePolicy::Fixed);
}

QPushButton *textButton(QDialog *dialog, const char *name)
{
    auto *button = new QPushButton(dialog);
    button->setObjectName(QString::fromLatin1(name));
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

} // namespace

void Ui_ZELPasswordChatDialog::setupUi(QDialog *ZELPasswordChatDialog)
{
    if (ZELPasswordChatDialog->objectName().isEmpty())
        ZELPasswordChatDialog->setObjectName(QString::fromLatin1("ZELPasswordChatDialog"));
    ZELPasswordChatDialog->resize(498, 400);
    ZELPasswordChatDialog->setMinimumSize(400, 400);
    ZELPasswordChatDialog->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);

    m_frameGrid = new QGridLayout(ZELPasswordChatDialog);
    m_frameGrid->setObjectName(QString::fromLatin1("m_frameGrid"));
    m_frameGrid->setSpacing(0);
    m_frameGrid->setContentsMargins(0, 0, 0, 0);

    // Title row.
    m_leftTopCorner = frameLabel(ZELPasswordChatDialog, "m_leftTopCorner");
    m_leftTopCorner->setFixedSize(11, 20);
    m_frameGrid->addWidget(m_leftTopCorner, 0, 0);
    auto *title = new QHBoxLayout;
    title->setSpacing(0);
    m_logoLabel = new QLabel(ZELPasswordChatDialog);
    m_logoLabel->setObjectName(QString::fromLatin1("m_logoLabel"));
    m_logoLabel->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    m_logoLabel->setMinimumSize(450, 20);
    m_logoLabel->setMaximumSize(QWIDGETSIZE_MAX, 20);
    QFont verdana(QStringLiteral("Verdana"), 8);
    verdana.setBold(true);
    m_logoLabel->setFont(verdana);
    m_logoLabel->setAlignment(Qt::AlignCenter);
    m_logoLabel->setTextFormat(Qt::PlainText);
    QPalette palette = m_logoLabel->palette();
    const QColor face(236, 233, 216);
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::WindowText,
                         group == QPalette::Disabled ? QColor(118, 116, 108) : QColor(0, 0, 0));
        palette.setColor(group, QPalette::Window, face);
        palette.setColor(group, QPalette::Button, face);
    }
    m_logoLabel->setPalette(palette);
    title->addWidget(m_logoLabel);
    title->addItem(fixedWidth(4, 12));
    title->addItem(fixedWidth(4, 20));
    m_closeButton = new QPushButton(ZELPasswordChatDialog);
    m_closeButton->setObjectName(QString::fromLatin1("m_closeButton"));
    m_closeButton->setFixedSize(12, 11);
    m_closeButton->setFlat(true);
    m_closeButton->setAutoFillBackground(true);
    title->addWidget(m_closeButton);
    m_frameGrid->addLayout(title, 0, 1);
    m_rightTopCorner = frameLabel(ZELPasswordChatDialog, "m_rightTopCorner");
    m_rightTopCorner->setFixedSize(11, 20);
    m_frameGrid->addWidget(m_rightTopCorner, 0, 2);

    // Body row.
    m_leftStretch = frameLabel(ZELPasswordChatDialog, "m_leftStretch");
    m_leftStretch->setFixedWidth(11);
    m_leftStretch->setMinimumHeight(239);
    m_frameGrid->addWidget(m_leftStretch, 1, 0);
    auto *body = new QHBoxLayout;
    body->setSpacing(0);
    body->addItem(fixedWidth(10, 20));
    m_contentColumn = new QVBoxLayout;
    m_contentColumn->setObjectName(QString::fromLatin1("m_contentColumn"));
    m_contentColumn->setSpacing(0);
    m_contentColumn->setContentsMargins(10, 10, 10, 10);
    m_contentColumn->addItem(fixedHeight(2, 10));
    m_contentColumn->addItem(fixedHeight(20, 20));
    m_contentColumn->addItem(fixedHeight(20, 0));
    m_passwordTextBrowser = new ZELMessageBrowser(ZELPasswordChatDialog);
    m_passwordTextBrowser->setObjectName(QString::fromLatin1("m_passwordTextBrowser"));
    m_contentColumn->addWidget(m_passwordTextBrowser);
    m_contentColumn->addItem(fixedHeight(20, 20));
    m_buttonRow = new QHBoxLayout;
    m_buttonRow->addItem(new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
    m_replyButton = textButton(ZELPasswordChatDialog, "m_replyButton");
    m_buttonRow->addWidget(m_replyButton);
    m_buttonRow->addItem(fixedWidth(10, 20));
    m_cancelButton = textButton(ZELPasswordChatDialog, "m_cancelButton");
    m_buttonRow->addWidget(m_cancelButton);
    m_buttonRow->addItem(fixedWidth(20, 1));
    m_contentColumn->addLayout(m_buttonRow);
    m_contentColumn->addItem(fixedHeight(20, 10));
    m_contentColumn->addItem(fixedHeight(20, 0));
    body->addLayout(m_contentColumn);
    body->addItem(fixedWidth(10, 20));
    m_frameGrid->addLayout(body, 1, 1);
    m_rightStretch = frameLabel(ZELPasswordChatDialog, "m_rightStretch");
    m_rightStretch->setFixedWidth(11);
    m_rightStretch->setMinimumHeight(239);
    m_frameGrid->addWidget(m_rightStretch, 1, 2);

    // Bottom row.
    m_leftBottomCorner = frameLabel(ZELPasswordChatDialog, "m_leftBottomCorner");
    m_leftBottomCorner->setFixedSize(11, 11);
    m_frameGrid->addWidget(m_leftBottomCorner, 2, 0);
    m_bottomStretch = frameLabel(ZELPasswordChatDialog, "m_bottomStretch");
    m_bottomStretch->setMinimumSize(474, 11);
    m_bottomStretch->setMaximumSize(QWIDGETSIZE_MAX, 11);
    m_frameGrid->addWidget(m_bottomStretch, 2, 1);
    m_rightBottomCorner = frameLabel(ZELPasswordChatDialog, "m_rightBottomCorner");
    m_rightBottomCorner->setFixedSize(11, 11);
    m_rightBottomCorner->setCursor(Qt::SizeFDiagCursor);
    m_frameGrid->addWidget(m_rightBottomCorner, 2, 2);

    QWidget::setTabOrder(m_passwordTextBrowser, m_replyButton);
    QWidget::setTabOrder(m_replyButton, m_cancelButton);
    QWidget::setTabOrder(m_cancelButton, m_closeButton);

    retranslateUi(ZELPasswordChatDialog);
    QMetaObject::connectSlotsByName(ZELPasswordChatDialog);
}

void Ui_ZELPasswordChatDialog::retranslateUi(QDialog *ZELPasswordChatDialog)
{
    const auto tr = [](const char *text) { return QCoreApplication::translate("ZELPasswordChatDialog", text); };
    ZELPasswordChatDialog->setWindowTitle(tr("Password Protected Message"));
    m_logoLabel->setText(tr("Password Protected Message"));
    m_closeButton->setToolTip(tr("Close"));
    m_replyButton->setText(tr("Reply"));
    m_replyButton->setToolTip(tr("Reply Message"));
    m_cancelButton->setText(tr("Close"));
    m_cancelButton->setToolTip(tr("Cancel"));
}
