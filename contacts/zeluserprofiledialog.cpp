#include "contacts/zeluserprofiledialog.h"

#include <QBitmap>
#include <QCloseEvent>
#include <QColor>
#include <QStyle>
#include <QUrl>

#include "mainwindow/zelcontactrow.h"
#include "style/zelframelesshelper.h"
#include "style/zellinkrule.h"
#include "style/zeltextbounds.h"
#include "style/zelplainstyle.h"

namespace {

const char FramedSheet[] = "border: 1px solid gray; border-radius: 5px;padding: 3px3px;"
                           "background-color:qconicalgradient(x1: 0, y1: 0, x2: 0.5, y2: 0.5,"
                           "stop: 0 #1891D0, stop: 1 white);";
const char HoverPhotoSheet[] = "border: 1px solid gray; border-radius:5px;";
const char DefaultImage[] = ":images/userInfo1.png";
const char CloseImage[] = ":images/closetab.png";
const char CloseHoverImage[] = ":images/mouseOverClose.png";

void givePlainStyle(QWidget *widget)
{
    ZELPlainStyle::setOn(widget);
}

// The address as a mail link. In the link it is percent-encoded, so none of
// its characters can end the attribute or add another link; shown, it is
// escaped. A value longer than a card line is no mail address: shown only.
QString mailLink(const QString &address)
{
    const QString shown = ZELTextBounds::shownLine(address).toHtmlEscaped();
    if (address.size() > ZELTextBounds::LineLength)
        return shown;
    return QStringLiteral("<a href='mailto:") + QString::fromLatin1(QUrl::toPercentEncoding(address, "@+"))
           + QStringLiteral("'>") + shown + QStringLiteral("</a>");
}

} // namespace

ZELUserProfileDialog::ZELUserProfileDialog(QWidget *parent)
    : QWidget(parent, Qt::Popup)
{
    windowSettings();
}

void ZELUserProfileDialog::windowSettings()
{
    setupUi(this);
    givePlainStyle(this);
    for (QObject *object : {static_cast<QObject *>(this), static_cast<QObject *>(m_viewProfileImage),
                            static_cast<QObject *>(m_closeButton)})
        object->installEventFilter(this);
    m_phoneLabel->hide();
    m_viewProfileImage->setPixmap(QPixmap(QString::fromLatin1(DefaultImage)));
    m_phoneLabel->setPixmap(QPixmap(QStringLiteral(":images/phone.png")));
    m_emailLabel->setPixmap(QPixmap(QStringLiteral(":images/email.gif")));
    ZELLinkRule::routeLinks(m_profileLabel4);

    // The card's picture is its background and, by its opaque part, its shape.
    const QPixmap shape(QStringLiteral(":images/image2.png"));
    QPalette palette = this->palette();
    palette.setBrush(QPalette::Window, QBrush(shape));
    if (!shape.mask().isNull())
        setMask(shape.mask());
    setPalette(palette);

    givePlainStyle(m_closeButton);
    ZELFramelessHelper::setButtonImage(m_closeButton, QString::fromLatin1(CloseImage));
    connect(m_closeButton, &QPushButton::clicked, this, &QWidget::close);
    m_viewProfileImage->setStyleSheet(QString::fromLatin1(FramedSheet));
    m_defaultImageShown = false;
}

void ZELUserProfileDialog::showUserProfileDetails(QStringList details)
{
    // Both openers guarantee nine values; a shorter list reads as empty ones.
    // Server values, each bounded to what a card line can show; the photo is
    // decoded from its whole text further down. The plain rows show them as
    // plain text; the mail and status rows escape them into their markup.
    auto value = [&details](CardValue v) { return ZELTextBounds::shownLine(details.value(v)); };
    m_profileLabel0->setText(QStringLiteral("Name      :: ") + value(Name).trimmed());
    m_profileLabel1->setText(QStringLiteral("Login Id    :: ") + value(LoginId));
    m_profileLabel2->setText(QStringLiteral("Company  :: ") + value(Company));
    m_profileLabel3->setText(QStringLiteral("Dept/Role  :: ") + value(DepartmentRole));
    m_profileLabel4->setText(mailLink(details.value(Email)));
    if (value(Presence) == QLatin1String("Offline")) {
        m_profileLabel5->setText(QStringLiteral("Status   &nbsp;&nbsp;:: <font color = '") + QColor(255, 0, 0).name()
                                 + QStringLiteral("'><b>Offline</b>"));
    } else {
        m_profileLabel5->setText(QStringLiteral("Status   :: <font color = '") + QColor(0, 170, 0).name()
                                 + QStringLiteral("'><b>") + value(Presence).toHtmlEscaped() + QStringLiteral("</b>"));
    }

    const bool hasAddress = !value(Address).trimmed().isEmpty();
    const bool hasPhone = !value(Phone).trimmed().isEmpty();
    if (hasAddress) {
        m_profileLabel6->setText(QStringLiteral("Address :: ") + value(Address).simplified());
        m_profileLabel7->setText(hasPhone ? QStringLiteral("  ") + value(Phone) : QString());
        m_phoneLabel->setVisible(hasPhone);
    } else {
        m_profileLabel6->setText(hasPhone ? QStringLiteral("Phone   :: ") + value(Phone) : QString());
        m_profileLabel7->setText(QString());
        m_phoneLabel->hide();
    }

    QPixmap photo;
    if (ZELContactRow::decodePhoto(details.value(Photo), &photo) && !photo.isNull()) {
        m_viewProfileImage->setPixmap(photo);
        m_defaultImageShown = false;
    } else {
        m_viewProfileImage->setPixmap(QPixmap(QString::fromLatin1(DefaultImage)));
        m_viewProfileImage->setStyleSheet(QString());
        m_defaultImageShown = true;
    }
    show();
}

bool ZELUserProfileDialog::eventFilter(QObject *watched, QEvent *event)
{
    const bool enter = event->type() == QEvent::Enter;
    const bool leave = event->type() == QEvent::Leave;
    if (!enter && !leave)
        return false;
    if (watched == this) {
        if (leave)
            close();
    } else if (watched == m_viewProfileImage) {
        if (enter)
            m_viewProfileImage->setStyleSheet(QString::fromLatin1(m_defaultImageShown ? FramedSheet : HoverPhotoSheet));
        else
            m_viewProfileImage->setStyleSheet(m_defaultImageShown ? QString() : QString::fromLatin1(FramedSheet));
    } else if (watched == m_closeButton) {
        ZELFramelessHelper::setButtonImage(m_closeButton,
                                           QString::fromLatin1(enter ? CloseHoverImage : CloseImage));
    }
    return false;
}

void ZELUserProfileDialog::closeEvent(QCloseEvent *event)
{
    event->accept();
    deleteLater();
}
