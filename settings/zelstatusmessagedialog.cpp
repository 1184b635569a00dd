#include "settings/zelstatusmessagedialog.h"

#include "protocol/zelsettingslists.h"
#include "style/zelframelesshelper.h"
#include "style/zelstyle.h"
#include "style/zelplainstyle.h"

#include <QBitmap>
#include <QCloseEvent>
#include <QEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QPalette>
#include <QTextCursor>

namespace {

struct StatusRow
{
    const char *status;
    const char *picture;
    const char *title;
    int element;
};

// Rows are tried in order; a word found in none is the user-defined status.
const StatusRow statusRows[] = {
    {"Online", ":images/Online.png", "Online Status Message", ZELStatusMessageList::OnlineMessage},
    {"Away", ":images/Away.png", "Away Status Message", ZELStatusMessageList::AwayMessage},
    {"Meeting", ":images/Meeting.png", "Meeting Status Message", ZELStatusMessageList::MeetingMessage},
    {"Busy", ":images/Busy.png", "Busy Status Message", ZELStatusMessageList::BusyMessage},
    {"Offline", ":images/Offline.png", "Offline Status Message", ZELStatusMessageList::OfflineMessage},
    {"Invisible Mode", ":images/Offline.png", "Offline Status Message", ZELStatusMessageList::OfflineMessage},
    {"Visible Mode", ":images/Online.png", "Online Status Message", ZELStatusMessageList::OnlineMessage},
};

const StatusRow *rowFor(const QString &status)
{
    for (const StatusRow &row : statusRows) {
        if (status == QLatin1String(row.status))
            return &row;
    }
    return nullptr;
}

QString labelHoverStyleSheet()
{
    return QStringLiteral("border: 1px solid gray; border-radius: 5px;padding: 1px1px;"
                          "background-color:qconicalgradient(x1: 0, y1: 0, x2: 0.5, y2: 0.5,"
                          "stop: 0 #1891D0, stop: 1 white);");
}

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
    return palette;
}

bool isEnterOrReturn(const QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<const QKeyEvent *>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

ZELStatusMessageDialog::ZELStatusMessageDialog(QWidget *parent)
    : QDialog(parent)
{
    windowSettings(parent);
    signalsAndSlots();
}

int ZELStatusMessageDialog::messagePosition(const QString &status)
{
    const StatusRow *row = rowFor(status);
    return row ? row->element : ZELStatusMessageList::UserDefinedStatusMessage;
}

void ZELStatusMessageDialog::windowSettings(QWidget *parent)
{
    setupUi(this);

    ZELPlainStyle::setOn(this);
    const QPixmap logo = loadCachedPixmap(QStringLiteral(":images/ZEL_logo.png"));
    setWindowIcon(QIcon(logo));
    m_logoIconLabel->setPixmap(logo);

    // Shaped by its picture, dragged from anywhere, no close button.
    m_frame = new ZELFramelessHelper(this, ZELFramelessHelper::DragAnywhere | ZELFramelessHelper::KeepMask);
    m_frame->setParentWindow(parent, Qt::Dialog | Qt::WindowStaysOnTopHint);

    installEventFilter(this);
    m_statusMessageEdit->installEventFilter(this);
    m_sMessageLabel->installEventFilter(this);
    setWindowModality(Qt::WindowModal);

    const QPixmap shape = loadCachedPixmap(QStringLiteral(":images/statusMessage.png"));
    QPalette background = palette();
    background.setBrush(QPalette::Window, QBrush(shape));
    setPalette(background);
    if (!shape.isNull() && !shape.mask().isNull())
        setMask(shape.mask());

    m_statusMessageEdit->setStyleSheet(QStringLiteral("border: 1px solid gray;border-radius: 5px;padding: 1px1px;"));
    m_statusMessageEdit->setPalette(entryPalette(m_statusMessageEdit->palette()));
}

void ZELStatusMessageDialog::signalsAndSlots()
{
    connect(m_statusOkButton, &QAbstractButton::clicked, this, &ZELStatusMessageDialog::onOkButtonClicked);
    connect(m_statusCancelButton, &QAbstractButton::clicked, this, &ZELStatusMessageDialog::onCancelButtonClicked);
    connect(m_statusMessageEdit, &QTextEdit::textChanged, this, &ZELStatusMessageDialog::textChangeEventSignal);
    // A dialog ended by the toolkit (reject) hides without a close event: it must not stay behind.
    connect(this, &QDialog::finished, this, &QObject::deleteLater);
}

void ZELStatusMessageDialog::showStatusMessageDialog(QString status, QStringList settings)
{
    m_status = status;
    m_statusMessageSettings = settings;

    const StatusRow *row = rowFor(m_status);
    if (row) {
        m_sMessageLabel->setPixmap(loadCachedPixmap(QString::fromLatin1(row->picture)));
        m_logoLabel->setText(QString::fromLatin1(row->title));
    } else {
        m_sMessageLabel->setPixmap(loadCachedPixmap(QStringLiteral(":images/ZEL_logo.png")));
        m_logoLabel->setText(m_statusMessageSettings.value(ZELStatusMessageList::UserDefinedStatus)
                             + QStringLiteral(" Status Message"));
    }
    m_statusMessageEdit->setPlainText(m_statusMessageSettings.value(messagePosition(m_status)));

    setModal(true);
    m_statusMessageEdit->selectAll();
    m_statusMessageEdit->setFocus();
    show();
}

void ZELStatusMessageDialog::onOkButtonClicked()
{
    if (m_answered)
        return;
    m_answered = true;
    close();
    const int element = messagePosition(m_status);
    // A list handed over short still takes the message at its place.
    while (m_statusMessageSettings.size() <= element)
        m_statusMessageSettings << QString();
    m_statusMessageSettings[element] = m_statusMessageEdit->toPlainText().simplified();
    emit sendStatusMessageSignal(m_status, m_statusMessageSettings);
}

void ZELStatusMessageDialog::onCancelButtonClicked()
{
    if (m_answered)
        return;
    m_answered = true;
    close();
    emit cancelStatusMessageSignal(m_status);
}

void ZELStatusMessageDialog::textChangeEventSignal()
{
    const QString text = m_statusMessageEdit->toPlainText().simplified();
    if (text.size() <= MessageLimit)
        return;
    // Setting the text runs this slot once more, which then finds it short enough.
    m_statusMessageEdit->setPlainText(text.left(MessageLimit));
    m_statusMessageEdit->moveCursor(QTextCursor::End);
}

bool ZELStatusMessageDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == this && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            onOkButtonClicked();
            return true;
        }
        if (key == Qt::Key_Escape) {
            onCancelButtonClicked();
            return true;
        }
    } else if (watched == m_statusMessageEdit && isEnterOrReturn(event)) {
        onOkButtonClicked();
        return true;
    } else if (watched == m_sMessageLabel) {
        if (event->type() == QEvent::Enter)
            m_sMessageLabel->setStyleSheet(labelHoverStyleSheet());
        else if (event->type() == QEvent::Leave)
            m_sMessageLabel->setStyleSheet(QString());
    }
    return QDialog::eventFilter(watched, event);
}

void ZELStatusMessageDialog::closeEvent(QCloseEvent *event)
{
    event->accept();
    deleteLater();
}
