#include "chat/zelrequestdialog.h"
#include "style/zeltextbounds.h"

#include <QBitmap>
#include <QCloseEvent>
#include <QPixmap>

namespace {

QString detailAt(const QStringList &details, int index)
{
    return index < details.size() ? details.at(index) : QString();
}

} // namespace

ZELRequestDialog::ZELRequestDialog(QWidget *parent)
    : QDialog(parent)
{
    setupUi(this);
    setWindowIcon(QIcon(QStringLiteral(":images/ZEL_logo.png")));
    setParent(parent, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setWindowModality(Qt::WindowModal);
    hide();

    connect(m_requestAcceptButton, &QPushButton::clicked, this, &ZELRequestDialog::onAcceptButtonClicked);
    connect(m_requestRejectButton, &QPushButton::clicked, this, &ZELRequestDialog::onRejectButtonClicked);
    connect(m_decideLaterButton, &QPushButton::clicked, this, &ZELRequestDialog::onDecideLaterClicked);
}

void ZELRequestDialog::setRequestDetails(QString kind, QStringList details)
{
    m_requestDetails = details;
    m_requestType = kind;

    QString image;
    QString text;
    if (kind == QLatin1String("CHAT")) {
        image = QStringLiteral(":images/group_discussion.png");
        text = QStringLiteral("<font color=Blue>") + detailAt(details, 4)
            + QStringLiteral("  <font color = black>invites conference chat. Do you accept?");
    } else if (kind == QLatin1String("ADD")) {
        image = QStringLiteral(":images/accept_image_1.png");
        text = QStringLiteral("<font color=Blue>") + detailAt(details, 2)
            + QStringLiteral("  <font color = black>has added you as a contact. Do you accept?");
    } else {
        image = QStringLiteral(":images/group_discussion.png");
        text = QStringLiteral("<font color=Blue>") + detailAt(details, 3)
            + QStringLiteral("  <font color = black>invites voice chat. Do you accept?");
    }

    const QPixmap picture(image);
    if (!picture.isNull()) {
        QPalette palette = this->palette();
        palette.setBrush(QPalette::Window, QBrush(picture));
        setPalette(palette);
        setMask(picture.mask());
    }
    m_displayTextLable->setText(ZELTextBounds::breakableHtml(text, ZELTextBounds::LineLength * 4));
    m_decideLaterButton->setVisible(kind == QLatin1String("ADD"));
    setModal(true);
    show();
}

// Each answer closes first, so the owner forgets the pop-up before it hears the answer.
void ZELRequestDialog::onAcceptButtonClicked()
{
    close();
    QString answer = m_requestType == QLatin1String("CHAT") ? QStringLiteral("Accepted")
        : m_requestType == QLatin1String("ADD")             ? QStringLiteral("APPROVED")
                                                            : QStringLiteral("accepted");
    emit sendAcceptRejectSignal(m_requestType, answer, m_requestDetails);
}

void ZELRequestDialog::onRejectButtonClicked()
{
    close();
    QString answer = (m_requestType == QLatin1String("CHAT") || m_requestType == QLatin1String("ADD"))
        ? QStringLiteral("Declined")
        : QStringLiteral("not accepted");
    emit sendAcceptRejectSignal(m_requestType, answer, m_requestDetails);
}

void ZELRequestDialog::onDecideLaterClicked()
{
    close();
    emit decideLaterUserContact();
}

void ZELRequestDialog::closeEvent(QCloseEvent *event)
{
    emit requestDialogCloseSignal(this);
    event->accept();
    deleteLater();
}
