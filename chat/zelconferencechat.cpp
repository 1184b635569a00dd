#include "chat/zelconferencechat.h"
#include "style/zelsharedsheet.h"

#include "mainwindow/zelmainwindowlook.h"
#include "style/zelframelesshelper.h"
#include "style/zelmessageboxclass.h"

#include <QCloseEvent>
#include <QFile>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPalette>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

namespace {

const char Title[] = "Conference Chat";

} // namespace

ZELConferenceChat::ZELConferenceChat(QWidget *parent)
    : QDialog(parent)
{
    windowSettings(parent);
    signalsAndSlots();
    defaultSettings();
    initializeMemberVariables();
    setZELStyle();
}

ZELConferenceChat::~ZELConferenceChat()
{
    delete m_informationBox;
    m_informationBox = nullptr;
}

QString ZELConferenceChat::namePattern()
{
    // The "|" inside the class is a literal character: the pattern accepts it.
    return QStringLiteral("[A-Z|a-z|0-9|\\~|\\!|\\@|\\#|\\$|\\%|\\^|\\&|\\_|\\,|\\.|'|\\s]{0,25}");
}

QString ZELConferenceChat::conferenceId(const QString &typedName, const QTime &time)
{
    return typedName.simplified() + QLatin1Char(' ')
           + time.toString(Qt::TextDate).left(11).replace(QLatin1Char(':'), QLatin1Char('~'));
}

void ZELConferenceChat::windowSettings(QWidget *parent)
{
    setupUi(this);
    // Icon, frame pieces, close button pictures, drag by the title strip, modal to the parent.
    m_frame = ZELFramelessHelper::frameDialog(this, parent,
                                              ZELFramelessHelper::WindowBackground | ZELFramelessHelper::NoAutoDefault);
}

void ZELConferenceChat::signalsAndSlots()
{
    // The frame helper wires m_closeButton to close().
    connect(m_conferenceChatOkButton, &QAbstractButton::clicked, this, &ZELConferenceChat::onSubmitButtonClicked);
    connect(m_cancelButton, &QAbstractButton::clicked, this, &QWidget::close);
    connect(m_chatSessionNameEdit, &QLineEdit::textChanged, this, &ZELConferenceChat::enableSubmitButton);
    // Ended by the toolkit (reject) it hides without a close event: it must not stay behind.
    connect(this, &QDialog::finished, this, &QObject::deleteLater);
}

void ZELConferenceChat::defaultSettings()
{
    m_chatSessionNameEdit->setValidator(new QRegularExpressionValidator(QRegularExpression(namePattern()), this));
    m_chatSessionNameEdit->setFocus();
    m_conferenceChatOkButton->setEnabled(false);
    for (QObject *watched : {static_cast<QObject *>(m_chatSessionNameEdit), static_cast<QObject *>(m_closeButton),
                             static_cast<QObject *>(this)})
        watched->installEventFilter(this);
}

void ZELConferenceChat::initializeMemberVariables()
{
    m_dragging = false;
    m_informationBox = new ZELMessageBoxClass(this);
}

void ZELConferenceChat::setZELStyle()
{
    ZELMainWindowLook::setPlainStyle(this);
    ZELMainWindowLook::setPlainStyle(m_closeButton);
    QPalette entry = m_chatSessionNameEdit->palette();
    const QColor blue(144, 209, 247);
    entry.setColor(QPalette::Light, Qt::white);
    entry.setColor(QPalette::Dark, Qt::white);
    for (QPalette::ColorRole role : {QPalette::Midlight, QPalette::Shadow, QPalette::Window, QPalette::Highlight})
        entry.setColor(role, blue);
    entry.setColor(QPalette::Text, Qt::black);
    m_chatSessionNameEdit->setPalette(entry);
    QFile sheet(QStringLiteral(":images/stylesheet.qss"));
    ZELSharedSheet::setFitted(m_chatSessionNameEdit, sheet.open(QIODevice::ReadOnly) ? QString::fromLatin1(sheet.readAll())
                                                                                      : QString());
}

void ZELConferenceChat::enableSubmitButton(QString text)
{
    m_conferenceChatOkButton->setEnabled(!text.isEmpty());
}

void ZELConferenceChat::onSubmitButtonClicked()
{
    const QString name = m_chatSessionNameEdit->text().simplified();
    if (name.isEmpty()) {
        m_informationBox->showInformationBox(this, QString::fromLatin1(Title),
                                             QStringLiteral(" Please enter chat session name "));
        m_chatSessionNameEdit->clear();
        m_chatSessionNameEdit->setFocus();
        return;
    }
    // Closed first: the deletion waits for the event loop, so the receiver
    // opening the window still finds the dialog alive.
    close();
    emit createConferenceChatWindow(conferenceId(name));
    m_chatSessionNameEdit->clear();
}

bool ZELConferenceChat::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<QKeyEvent *>(event)->key();
    if (watched == m_chatSessionNameEdit) {
        // Keypad Enter submits even an empty name (and shows why it is refused);
        // Return only while Ok is on.
        if (key == Qt::Key_Enter) {
            onSubmitButtonClicked();
            return true;
        }
        if (key == Qt::Key_Return && m_conferenceChatOkButton->isEnabled()) {
            onSubmitButtonClicked();
            return true;
        }
        return false;
    }
    if (watched == this && key == Qt::Key_Escape) {
        close();
        return true;
    }
    return false;
}

void ZELConferenceChat::mousePressEvent(QMouseEvent *event)
{
    m_dragging = m_frame->isDragging();
    m_dragPosition = m_frame->dragPosition();
    QDialog::mousePressEvent(event);
}

void ZELConferenceChat::mouseReleaseEvent(QMouseEvent *event)
{
    m_dragging = false;
    QDialog::mouseReleaseEvent(event);
}

void ZELConferenceChat::mouseMoveEvent(QMouseEvent *event)
{
    m_dragPosition = m_frame->dragPosition();
    QDialog::mouseMoveEvent(event);
}

void ZELConferenceChat::closeEvent(QCloseEvent *event)
{
    deleteLater();
    event->accept();
}
