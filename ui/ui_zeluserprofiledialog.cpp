#include /* form */ "ui/ui_zeluserprofiledialog.h"

#include <QtCore/QCoreApplication>

namespace {

QLabel *rowLabel(QWidget *window, const char *name, const QRect &geometry, Qt::Alignment alignment,
                 const QFont &font)
{
    auto *label = new QLabel(window);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    label->setFont(font);
    label->setAlignment(alignment);
    return label;
}

} // namespace

void Ui_ZELUserProfileDialog::setupUi(QWidget *ZELUserProfileDialog)
{
    if (ZELUserProfileDialog->objectName().isEmpty())
        ZELUserProfileDialog->setObjectName(QString::fromLatin1("ZELUserProfileDialog"));
    ZELUserProfileDialog->resize(295, 270);
    ZELUserProfileDialog->setAutoFillBackground(true);

    const QFont small(QStringLiteral("MS Shell Dlg 2"), 7);
    const QFont tahoma(QStringLiteral("Tahoma"), 7);
    const Qt::Alignment leftTop = Qt::AlignLeft | Qt::AlignTop;
    const Qt::Alignment leftCentre = Qt::AlignLeft | Qt::AlignVCenter;

    m_viewProfileImage = new QLabel(ZELUserProfileDialog);
    m_viewProfileImage->setObjectName(QString::fromLatin1("m_viewProfileImage"));
    m_viewProfileImage->setGeometry(20, 20, 91, 111);
    m_viewProfileImage->setScaledContents(true);
    m_profileLabel0 = rowLabel(ZELUserProfileDialog, "m_profileLabel0", QRect(30, 150, 251, 20), leftTop, small);
    m_profileLabel1 = rowLabel(ZELUserProfileDialog, "m_profileLabel1", QRect(30, 180, 251, 20), leftTop, small);
    m_profileLabel2 = rowLabel(ZELUserProfileDialog, "m_profileLabel2", QRect(30, 210, 251, 20), leftTop, small);
    m_profileLabel3 = rowLabel(ZELUserProfileDialog, "m_profileLabel3", QRect(30, 240, 251, 20), leftTop, small);
    m_profileLabel4 = rowLabel(ZELUserProfileDialog, "m_profileLabel4", QRect(146, 20, 140, 26), leftCentre, small);
    m_profileLabel4->setContextMenuPolicy(Qt::NoContextMenu);
    m_profileLabel4->setScaledContents(true);
    m_profileLabel5 = rowLabel(ZELUserProfileDialog, "m_profileLabel5", QRect(120, 57, 110, 15), leftTop, small);
    m_profileLabel5->setScaledContents(true);
    m_profileLabel6 = rowLabel(ZELUserProfileDialog, "m_profileLabel6", QRect(120, 80, 168, 20), leftCentre, small);
    m_profileLabel6->setScaledContents(true);
    m_profileLabel7 = rowLabel(ZELUserProfileDialog, "m_profileLabel7", QRect(141, 110, 145, 15), leftCentre, small);
    for (QLabel *label : {m_profileLabel0, m_profileLabel1, m_profileLabel2, m_profileLabel3, m_profileLabel4,
                          m_profileLabel5, m_profileLabel6, m_profileLabel7})
        label->setWordWrap(true);
    for (QLabel *label : {m_profileLabel0, m_profileLabel1, m_profileLabel2, m_profileLabel3, m_profileLabel6,
                          m_profileLabel7})
        label->setTextFormat(Qt::PlainText);
    m_profileLabel4->setTextFormat(Qt::RichText);
    m_profileLabel5->setTextFormat(Qt::RichText);
    m_phoneLabel = rowLabel(ZELUserProfileDialog, "m_phoneLabel", QRect(120, 110, 20, 15), leftCentre, tahoma);
    m_phoneLabel->setScaledContents(true);
    m_emailLabel = rowLabel(ZELUserProfileDialog, "m_emailLabel", QRect(120, 20, 20, 26), leftCentre, tahoma);
    m_emailLabel->setScaledContents(true);
    m_closeButton = new QPushButton(ZELUserProfileDialog);
    m_closeButton->setObjectName(QString::fromLatin1("m_closeButton"));
    m_closeButton->setGeometry(265, 10, 20, 20);
    m_closeButton->setFlat(true);
    m_closeButton->setAutoFillBackground(true);

    retranslateUi(ZELUserProfileDialog);
}

void Ui_ZELUserProfileDialog::retranslateUi(QWidget *ZELUserProfileDialog)
{
    const char *context = "ZELUserProfileDialog";
    ZELUserProfileDialog->setWindowTitle(QCoreApplication::translate(context, "Profile"));
    for (QLabel *label : {m_viewProfileImage, m_profileLabel0, m_profileLabel1, m_profileLabel2, m_profileLabel3,
                          m_profileLabel4, m_profileLabel5, m_profileLabel6, m_profileLabel7, m_phoneLabel,
                          m_emailLabel})
        label->setText(QCoreApplication::translate(context, "TextLabel"));
    m_closeButton->setToolTip(QCoreApplication::translate(context, "Close"));
    m_closeButton->setText(QString());
}
