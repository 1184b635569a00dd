#include "chat/zelrequestdialog.h"
#include "style/zeltextbounds.h"

#include "style/zelframelesshelper.h"
#include "style/zelplainstyle.h"

#include <QBitmap>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPixmap>
#include <QStyle>
#include <QWindow>

#include <iterator>

namespace {

// What each kind of request shows and answers; the last row serves every other kind.
struct RequestKind
{
    const char *kind;
    const char *image;
    int nameIndex; // position of the other user's name in the message
    const char *question;
    const char *acceptAnswer;
    const char *rejectAnswer;
    bool decideLater;
};

constexpr RequestKind RequestKinds[] = {
    {"CHAT", ":images/group_discussion.png", 4, "invites conference chat. Do you accept?", "Accepted", "Declined",
     false},
    {"ADD", ":images/accept_image_1.png", 2, "has added you as a contact. Do you accept?", "APPROVED", "Declined",
     true},
    {nullptr, ":images/group_discussion.png", 3, "invites voice chat. Do you accept?", "accepted", "not accepted",
     false},
};

const RequestKind &requestKind(const QString &kind)
{
    for (const RequestKind &row : RequestKinds) {
        if (!row.kind || kind == QLatin1String(row.kind))
            return row;
    }
    return RequestKinds[std::size(RequestKinds) - 1];
}

// The other user's name as the question shows it: plain text, never markup
// from the server, and short enough for the label.
QString shownName(const QStringList &details, int index)
{
    QString name = details.value(index);
    if (name.size() > ZELRequestDialog::MaxShownNameLength)
        name = name.left(ZELRequestDialog::MaxShownNameLength) + QChar(0x2026);
    return name.toHtmlEscaped();
}

} // namespace

ZELRequestDialog::ZELRequestDialog(QWidget *parent)
    : QDialog(parent)
{
    windowSettings(parent);
    signalsAndSlots();
}

void ZELRequestDialog::windowSettings(QWidget *parent)
{
    setupUi(this);
    ZELPlainStyle::setOn(this);
    setWindowIcon(QIcon(QStringLiteral(":images/ZEL_logo.png")));
    // No title band: a press anywhere outside the buttons drags; the shape
    // comes from the request's picture, not from the helper.
    m_frame = new ZELFramelessHelper(this, ZELFramelessHelper::DragAnywhere | ZELFramelessHelper::KeepMask
                                               | ZELFramelessHelper::KeepWindowFlags);
    setParent(parent, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    installEventFilter(this);
    setWindowModality(Qt::WindowModal);
    // The pop-up stays above every window and is placed over the main widget,
    // but it is no transient of it: a dialog that holds the main widget (the
    // approval list, another pop-up) would otherwise hold this one too, and
    // the question in front would take no click. Without the link the
    // pop-up's own modality holds no other window either, so every request
    // and every other open question can be answered in any order.
    create();
    if (QWindow *window = windowHandle())
        window->setTransientParent(nullptr);
}

void ZELRequestDialog::signalsAndSlots()
{
    connect(m_requestAcceptButton, &QPushButton::clicked, this, &ZELRequestDialog::onAcceptButtonClicked);
    connect(m_requestRejectButton, &QPushButton::clicked, this, &ZELRequestDialog::onRejectButtonClicked);
    connect(m_decideLaterButton, &QPushButton::clicked, this, &ZELRequestDialog::onDecideLaterClicked);
}

void ZELRequestDialog::setRequestDetails(QString kind, QStringList details)
{
    m_requestDetails = details;
    m_requestType = kind;
    const RequestKind &row = requestKind(kind);

    const QPixmap picture(QString::fromLatin1(row.image));
    if (!picture.isNull()) {
        QPalette palette = this->palette();
        palette.setBrush(QPalette::Window, QBrush(picture));
        setPalette(palette);
        setMask(picture.mask());
    }
    m_displayTextLable->setText(QStringLiteral("<font color=Blue>") + shownName(details, row.nameIndex)
                                + QStringLiteral("  <font color = black>") + QLatin1String(row.question));
    m_decideLaterButton->setVisible(row.decideLater);
    setModal(true);
    show();
}

QString ZELRequestDialog::refusal(const QString &kind)
{
    return QLatin1String(requestKind(kind).rejectAnswer);
}

bool ZELRequestDialog::finish()
{
    if (m_answered)
        return false;
    m_answered = true;
    close();
    return true;
}

// Each answer closes first, so the owner forgets the pop-up before it hears the answer.
void ZELRequestDialog::onAcceptButtonClicked()
{
    if (!finish())
        return;
    QString answer = QLatin1String(requestKind(m_requestType).acceptAnswer);
    emit sendAcceptRejectSignal(m_requestType, answer, m_requestDetails);
}

void ZELRequestDialog::onRejectButtonClicked()
{
    if (!finish())
        return;
    QString answer = refusal(m_requestType);
    emit sendAcceptRejectSignal(m_requestType, answer, m_requestDetails);
}

void ZELRequestDialog::onDecideLaterClicked()
{
    if (!finish())
        return;
    emit decideLaterUserContact();
}

void ZELRequestDialog::reject()
{
    onRejectButtonClicked();
}

bool ZELRequestDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != this || event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    switch (static_cast<QKeyEvent *>(event)->key()) {
    case Qt::Key_Enter:
    case Qt::Key_Return:
        onAcceptButtonClicked();
        return true;
    case Qt::Key_Escape:
        onRejectButtonClicked();
        return true;
    default:
        return false;
    }
}

void ZELRequestDialog::closeEvent(QCloseEvent *event)
{
    emit requestDialogCloseSignal(this);
    event->accept();
    deleteLater();
}
