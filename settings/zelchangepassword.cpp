#include "settings/zelchangepassword.h"

ZELChangePassword::ZELChangePassword(QWidget *parent)
    : QDialog(parent)
{
    setupUi(this);
    setWindowIcon(QIcon(QStringLiteral(":images/ZEL_logo.png")));
    setParent(parent, Qt::Dialog | Qt::FramelessWindowHint);
    setWindowModality(Qt::WindowModal);
    setAttribute(Qt::WA_DeleteOnClose);

    connect(m_modifyPasswordCancelButton, &QPushButton::clicked, this, &QDialog::close);
    for (QLineEdit *field : { m_oldPassWordEdit, m_newPassWordEdit, m_reTypeNewPasswordEdit })
        connect(field, &QLineEdit::textChanged, this, &ZELChangePassword::enableSubmitButton);
    m_modifyPasswordButton->setEnabled(false);
    hide();
}

void ZELChangePassword::enableSubmitButton(QString text)
{
    Q_UNUSED(text);
    const bool wanted = !m_disconnected && !m_oldPassWordEdit->text().isEmpty()
        && !m_newPassWordEdit->text().isEmpty() && !m_reTypeNewPasswordEdit->text().isEmpty();
    if (m_modifyPasswordButton->isEnabled() != wanted)
        m_modifyPasswordButton->setEnabled(wanted);
}

void ZELChangePassword::closeConnection()
{
    m_disconnected = true;
    m_modifyPasswordButton->setEnabled(false);
}

void ZELChangePassword::connectedServer()
{
    m_disconnected = false;
    enableSubmitButton(QString());
}
