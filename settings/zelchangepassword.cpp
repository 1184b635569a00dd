#include "settings/zelchangepassword.h"
#include "style/zelsharedsheet.h"

#include "mainwindow/zelmainwindowlook.h"
#include "style/zelframelesshelper.h"
#include "style/zelmessageboxclass.h"

#include <QCloseEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QPalette>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

namespace {

// The "|" inside the class is a literal character: the pattern accepts it.
const char PasswordPattern[] =
    "[A-Z|a-z|0-9|\\~|\\!|\\@|\\#|\\$|\\%|\\^|\\&|\\|\\/|\\*|\\_|\\?|\\>|\\<|\\,|\\.|\"|'|\\:|\\;]{1,15}";

const char Title[] = "Change Password";

QPalette entryPalette(QPalette palette)
{
    const QColor white(255, 255, 255);
    const QColor blue(144, 209, 247);
    palette.setColor(QPalette::Light, white);
    palette.setColor(QPalette::Midlight, blue);
    palette.setColor(QPalette::Dark, white);
    palette.setColor(QPalette::Shadow, blue);
    palette.setColor(QPalette::Highlight, blue);
    palette.setColor(QPalette::Text, QColor(0, 0, 0));
    palette.setColor(QPalette::Window, blue);
    palette.setColor(QPalette::ButtonText, blue);
    return palette;
}

} // namespace

ZELChangePassword::ZELChangePassword(QWidget *parent)
    : QDialog(parent)
{
    windowSettings(parent);
    signalsAndSlots();
    setInstallEventFiltersForAllObjects();
    initializeMemberVariables();
    setZELStyle();
}

ZELChangePassword::~ZELChangePassword()
{
    delete m_informationBox;
}

void ZELChangePassword::windowSettings(QWidget *parent)
{
    setupUi(this);
    // Frame pieces, close button with its hover picture, drag by the title strip.
    m_frame = ZELFramelessHelper::frameDialog(this, parent);
}

void ZELChangePassword::signalsAndSlots()
{
    // The frame helper wires m_closeButton to close().
    connect(m_modifyPasswordButton, &QAbstractButton::clicked, this, &ZELChangePassword::onModifyButtonClicked);
    connect(m_modifyPasswordCancelButton, &QAbstractButton::clicked, this, &QWidget::close);
    for (QLineEdit *field : {m_oldPassWordEdit, m_newPassWordEdit, m_reTypeNewPasswordEdit})
        connect(field, &QLineEdit::textChanged, this, &ZELChangePassword::enableSubmitButton);
    // Ended by the toolkit (reject) it hides without a close event: it must not stay behind.
    connect(this, &QDialog::finished, this, &QObject::deleteLater);
}

void ZELChangePassword::setInstallEventFiltersForAllObjects()
{
    m_oldPassWordEdit->setFocus();
    for (QObject *watched : std::initializer_list<QObject *>{m_oldPassWordEdit, m_reTypeNewPasswordEdit,
                                                             m_newPassWordEdit, m_closeButton, this})
        watched->installEventFilter(this);
}

void ZELChangePassword::initializeMemberVariables()
{
    m_disconnected = false;
    m_informationBox = new ZELMessageBoxClass(this);
    for (QLineEdit *field : {m_oldPassWordEdit, m_newPassWordEdit, m_reTypeNewPasswordEdit})
        field->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QString::fromLatin1(PasswordPattern)), this));
    m_modifyPasswordButton->setEnabled(false);
}

void ZELChangePassword::setZELStyle()
{
    ZELMainWindowLook::setPlainStyle(this);
    ZELMainWindowLook::setPlainStyle(m_closeButton);
    const QString styleSheet = ZELMainWindowLook::sharedStyleSheet();
    for (QLineEdit *field : {m_oldPassWordEdit, m_newPassWordEdit, m_reTypeNewPasswordEdit}) {
        ZELSharedSheet::setFitted(field, styleSheet);
        field->setPalette(entryPalette(field->palette()));
    }
}

void ZELChangePassword::onModifyButtonClicked()
{
    // The button is off while the server is out of reach; keys reach here too.
    if (m_disconnected)
        return;
    QString oldPassword = m_oldPassWordEdit->text();
    QString newPassword = m_newPassWordEdit->text();
    const QString retype = m_reTypeNewPasswordEdit->text();

    const auto refuse = [this](const char *message, QLineEdit *focus, bool clearNew) {
        m_informationBox->showInformationBox(this, QString::fromLatin1(Title), QString::fromLatin1(message));
        if (clearNew) {
            m_newPassWordEdit->clear();
            m_reTypeNewPasswordEdit->clear();
        }
        focus->setFocus();
    };
    if (oldPassword.isEmpty())
        return refuse("Please give your old password", m_oldPassWordEdit, false);
    if (newPassword.isEmpty())
        return refuse("Please give your new password", m_newPassWordEdit, false);
    if (newPassword.size() < MinimumPasswordLength)
        return refuse("New password should be minimum 6 Characters", m_newPassWordEdit, false);
    if (retype.isEmpty())
        return refuse("Please retype new password", m_reTypeNewPasswordEdit, false);
    if (newPassword == oldPassword)
        return refuse("Old password and New password should not be same", m_newPassWordEdit, true);
    if (newPassword != retype)
        return refuse("New password and retype new password should be same", m_newPassWordEdit, true);

    // Closed first: the deletion waits for the event loop, so the slot that
    // sends the request still finds the dialog alive.
    close();
    emit changePasswordGetUserName(oldPassword, newPassword);
}

void ZELChangePassword::passwordResult(QString result)
{
    m_oldPassWordEdit->clear();
    m_newPassWordEdit->clear();
    m_reTypeNewPasswordEdit->clear();
    m_oldPassWordEdit->setFocus();
    m_informationBox->showInformationBox(this, QString::fromLatin1(Title), result);
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

bool ZELChangePassword::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        const bool field = watched == m_oldPassWordEdit || watched == m_newPassWordEdit
            || watched == m_reTypeNewPasswordEdit;
        if (field && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
            if (!m_modifyPasswordButton->isEnabled())
                return false;
            onModifyButtonClicked();
            return true;
        }
        if (watched == this && key == Qt::Key_Escape) {
            close();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void ZELChangePassword::closeEvent(QCloseEvent *event)
{
    event->accept();
    // Until the deletion runs, the main widget must not find this one.
    setObjectName(QString());
    deleteLater();
}
