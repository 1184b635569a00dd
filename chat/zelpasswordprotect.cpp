#include "chat/zelpasswordprotect.h"
#include "style/zelsharedsheet.h"

#include "mainwindow/zelmainwindowlook.h"
#include "style/zelframelesshelper.h"
#include "style/zelmessageboxclass.h"

#include <QCloseEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPalette>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

namespace {

// Letters, digits and twenty punctuation marks; no blank, hyphen or apostrophe.
const char PasswordPattern[] = "[A-Za-z0-9~!@#$%\\^&|/*_?><,.\":;]{1,15}";

const int TitleWidth = 297;
const int TitleHeight = 30;

} // namespace

ZELPasswordProtect::ZELPasswordProtect(QWidget *parent)
    : QDialog(parent)
{
    windowSettings(parent);
    signalsAndSlots();
    defaultSettings();
    initializeMemberVariables();
    setZELStyle();
}

ZELPasswordProtect::~ZELPasswordProtect()
{
    delete m_questionBox;
}

void ZELPasswordProtect::windowSettings(QWidget *parent)
{
    setupUi(this);
    setWindowIcon(QIcon(QStringLiteral(":images/ZEL_logo.png")));
    m_frame = new ZELFramelessHelper(this, ZELFramelessHelper::WindowBackground);
    m_frame->setParentWindow(parent, Qt::Dialog | Qt::FramelessWindowHint);
    // Giving up goes through the cancel procedure, not a plain close.
    disconnect(m_closeButton, &QAbstractButton::clicked, this, &QWidget::close);
}

void ZELPasswordProtect::signalsAndSlots()
{
    connect(m_okButton, &QAbstractButton::clicked, this, &ZELPasswordProtect::onSubmitButtonClicked);
    connect(m_closeButton, &QAbstractButton::clicked, this, &ZELPasswordProtect::cancelSlot);
    connect(m_cancelButton, &QAbstractButton::clicked, this, &ZELPasswordProtect::cancelSlot);
    connect(m_passwordLineEdit, &QLineEdit::textChanged, this, &ZELPasswordProtect::enableSubmitButton);
}

void ZELPasswordProtect::defaultSettings()
{
    m_passwordLineEdit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QString::fromLatin1(PasswordPattern)), this));
    m_passwordLineEdit->setFocus();
    m_okButton->setEnabled(false);
    for (QObject *watched : std::initializer_list<QObject *>{m_passwordLineEdit, m_closeButton, this})
        watched->installEventFilter(this);
    m_errorLabel->hide();
}

void ZELPasswordProtect::initializeMemberVariables()
{
    m_remainingTries = 3;
    m_triesExhausted = QStringLiteral("FALSE");
    m_dragging = false;
    m_questionBox = new ZELMessageBoxClass(QString(), QString(), QMessageBox::Question, QMessageBox::Yes,
                                           QMessageBox::No, QMessageBox::NoButton, this);
}

void ZELPasswordProtect::setZELStyle()
{
    ZELMainWindowLook::setPlainStyle(this);
    ZELMainWindowLook::setPlainStyle(m_closeButton);
    QPalette palette = m_passwordLineEdit->palette();
    const QColor white(255, 255, 255);
    const QColor blue(144, 209, 247);
    palette.setColor(QPalette::Light, white);
    palette.setColor(QPalette::Dark, white);
    palette.setColor(QPalette::Midlight, blue);
    palette.setColor(QPalette::Shadow, blue);
    palette.setColor(QPalette::Window, blue);
    palette.setColor(QPalette::Highlight, blue);
    palette.setColor(QPalette::Text, QColor(0, 0, 0));
    m_passwordLineEdit->setPalette(palette);
    ZELSharedSheet::setFitted(m_passwordLineEdit, ZELMainWindowLook::sharedStyleSheet());
}

void ZELPasswordProtect::onSubmitButtonClicked()
{
    if (m_passwordLineEdit->text() == m_loginPassword) {
        emit displayPasswordProtectedMessage(m_messageDetails, m_messageTime, m_fileLocation, m_fileSender);
        close();
        return;
    }
    m_passwordLineEdit->clear();
    m_passwordLineEdit->setFocus();
    if (isFileMode()) {
        m_errorLabel->setText(QStringLiteral("Invalid Password ..!  Please give valid password"));
        m_errorLabel->show();
        return;
    }
    --m_remainingTries;
    if (m_remainingTries <= 0) {
        m_triesExhausted = QStringLiteral("TRUE");
        cancelSlot();
        return;
    }
    m_errorLabel->setText(QStringLiteral("Invalid Password ..!  You have ") + QString::number(m_remainingTries)
                          + QStringLiteral(" more chance"));
    m_errorLabel->show();
}

void ZELPasswordProtect::enableSubmitButton(QString text)
{
    if (!text.isEmpty()) {
        if (!m_okButton->isEnabled())
            m_okButton->setEnabled(true);
        if (m_errorLabel->isVisible())
            m_errorLabel->hide();
    } else if (m_okButton->isEnabled()) {
        m_okButton->setEnabled(false);
    }
}

void ZELPasswordProtect::cancelSlot()
{
    if (m_triesExhausted == QLatin1String("FALSE") && !isFileMode()) {
        const int answer = m_questionBox->showQuestionBox(
            this, QStringLiteral("Password Protected Message"),
            QStringLiteral("You will loose this Protected Message. Do you want to close ?"), 3, 4);
        if (answer != 3) {
            m_passwordLineEdit->setFocus();
            return;
        }
    }
    emit closePwdDialogSignal(m_messageDetails, m_triesExhausted);
    close();
}

bool ZELPasswordProtect::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (watched == m_passwordLineEdit) {
            if (key->key() == Qt::Key_Enter) {
                onSubmitButtonClicked();
                return true;
            }
            if (key->key() == Qt::Key_Return && m_okButton->isEnabled()) {
                onSubmitButtonClicked();
                return true;
            }
            if (key->key() == Qt::Key_V && key->modifiers() == Qt::ControlModifier) {
                m_passwordLineEdit->clear();
                return true;
            }
            return false;
        }
        if (watched == this && key->key() == Qt::Key_Escape) {
            cancelSlot();
            return true;
        }
    }
    // The close button's hover pictures are the frame helper's.
    return false;
}

void ZELPasswordProtect::mousePressEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    if (at.x() >= 0 && at.x() < TitleWidth && at.y() >= 0 && at.y() < TitleHeight) {
        m_dragging = true;
        m_dragPosition = event->globalPosition().toPoint();
    }
    QDialog::mousePressEvent(event);
}

void ZELPasswordProtect::mouseReleaseEvent(QMouseEvent *event)
{
    m_dragging = false;
    QDialog::mouseReleaseEvent(event);
}

void ZELPasswordProtect::mouseMoveEvent(QMouseEvent *event)
{
    if (m_dragging) {
        const QPoint global = event->globalPosition().toPoint();
        move(pos() + global - m_dragPosition);
        m_dragPosition = global;
    }
    QDialog::mouseMoveEvent(event);
}

void ZELPasswordProtect::closeEvent(QCloseEvent *event)
{
    deleteLater();
    event->accept();
}
